#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmaro {

// What the layer and field dialog shows of one layer of a vector source.
struct LayerFieldEntry {
  std::string Name;
  std::string GeometryType;
  bool HasZ = false;
  std::int64_t FeatureCount = -1;  // -1 when the source cannot tell without reading
  std::vector<std::string> NumericFields;
  std::string PreselectedField;  // the field named like an elevation; empty when none
};

// The text that offers the geometry's Z as the elevation.
inline constexpr const char* kGeometryZChoice = "Z of the geometry";

// The values of the layer and field dialog of Vectorial: the layer of the source and
// where the elevation of its lines comes from.
class LayerFieldModel {
 public:
  // A new source: its layers and the one to start on.
  void Fill(std::vector<LayerFieldEntry> layers, std::size_t firstLayer);

  const std::vector<LayerFieldEntry>& Layers() const { return layers_; }
  // The layer list is worth showing only when there is a choice.
  bool LayerChoiceShown() const { return layers_.size() > 1; }
  std::size_t LayerIndex() const { return layer_; }
  // Another layer: its elevation proposal replaces what was chosen for the last one.
  void SelectLayer(std::size_t index);
  // Geometry type and feature count of the chosen layer, for the user to recognise it.
  std::string LayerDescription() const;

  // The elevations the chosen layer offers: its Z first when it has Z, then its numeric
  // fields. The field edit also takes a name typed in.
  std::vector<std::string> FieldChoices() const;
  std::string FieldText;
  void FieldEditChange(std::string_view text) { FieldText = std::string(text); }

  // OK with nothing chosen where there is something to choose is refused with this.
  std::optional<std::string> OkRefusal() const;

  // The choice as the reader takes it: the layer's name, and the field's (empty for the
  // geometry's Z, or when nothing gives an elevation so that the reader says why).
  std::string ChosenLayer() const;
  std::string ChosenField() const;

 private:
  std::vector<LayerFieldEntry> layers_;
  std::size_t layer_ = 0;
};

// What the status bar says after a vector load: where the table came from and, for a GIS
// source, the layer, the elevation and how many features were read or skipped.
struct VectorLoadFacts {
  std::string Layer;      // empty for DXF
  std::string Elevation;  // the field, or the geometry's Z
  std::int64_t Features = 0;
  std::int64_t WithoutElevation = 0;
  std::int64_t WithoutLines = 0;
  bool AltitudesFromVertices = false;
  std::int32_t AltitudeCount = 0;
};
std::string VectorLoadNote(const VectorLoadFacts& facts);
// The INFO message when features were skipped for lack of elevation; nothing otherwise.
std::optional<std::string> SkippedFeaturesMessage(const VectorLoadFacts& facts);

}  // namespace zelmaro
