#include "forms/LayerFieldModel.h"

namespace zelmaro {
namespace {

std::string Plural(std::int64_t count, const char* thing) {
  return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

}  // namespace

void LayerFieldModel::Fill(std::vector<LayerFieldEntry> layers, std::size_t firstLayer) {
  layers_ = std::move(layers);
  SelectLayer(firstLayer < layers_.size() ? firstLayer : 0);
}

void LayerFieldModel::SelectLayer(std::size_t index) {
  if (index >= layers_.size()) return;
  layer_ = index;
  const LayerFieldEntry& layer = layers_[index];
  FieldText = layer.HasZ ? kGeometryZChoice : layer.PreselectedField;
}

std::string LayerFieldModel::LayerDescription() const {
  if (layers_.empty()) return {};
  const LayerFieldEntry& layer = layers_[layer_];
  std::string text = layer.GeometryType;
  if (layer.FeatureCount >= 0) text += ", " + Plural(layer.FeatureCount, "feature");
  return text;
}

std::vector<std::string> LayerFieldModel::FieldChoices() const {
  if (layers_.empty()) return {};
  const LayerFieldEntry& layer = layers_[layer_];
  std::vector<std::string> choices;
  if (layer.HasZ) choices.emplace_back(kGeometryZChoice);
  choices.insert(choices.end(), layer.NumericFields.begin(), layer.NumericFields.end());
  return choices;
}

std::optional<std::string> LayerFieldModel::OkRefusal() const {
  if (!FieldText.empty() || FieldChoices().empty()) return std::nullopt;
  std::string names;
  for (const std::string& choice : FieldChoices()) names += (names.empty() ? "" : ", ") + choice;
  return "Choose where the elevation of the lines comes from: " + names + ".";
}

std::string LayerFieldModel::ChosenLayer() const {
  return layers_.empty() ? std::string() : layers_[layer_].Name;
}

std::string LayerFieldModel::ChosenField() const {
  return FieldText == kGeometryZChoice ? std::string() : FieldText;
}

std::string VectorLoadNote(const VectorLoadFacts& facts) {
  std::string note;
  if (!facts.Layer.empty()) {
    note = "Layer " + facts.Layer + ", elevation from " + facts.Elevation + ": " +
           Plural(facts.Features, "feature") + " read";
    if (facts.WithoutElevation > 0) {
      note += ", " + std::to_string(facts.WithoutElevation) + " skipped without elevation";
    }
    if (facts.WithoutLines > 0) {
      note += ", " + std::to_string(facts.WithoutLines) + " skipped without lines";
    }
    note += ". ";
  }
  if (facts.AltitudesFromVertices) {
    note += "Table of " + Plural(facts.AltitudeCount, "altitude") + " taken from the lines' " +
            (facts.Layer.empty() ? "vertices: the header gives no Z range." : "elevations.");
  }
  return note;
}

std::optional<std::string> SkippedFeaturesMessage(const VectorLoadFacts& facts) {
  if (facts.WithoutElevation == 0) return std::nullopt;
  return Plural(facts.WithoutElevation, "feature") + " of the layer " + facts.Layer +
         " had no elevation in " + facts.Elevation + " and " +
         (facts.WithoutElevation == 1 ? "was" : "were") +
         " left out; the scene holds the lines of the " + Plural(facts.Features, "feature") +
         " read.";
}

}  // namespace zelmaro
