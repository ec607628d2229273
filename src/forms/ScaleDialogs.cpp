#include "forms/ScaleDialogs.h"

#include <algorithm>
#include <vector>

#include "core/NumberText.h"

namespace zelmaro {

void DynamicScaleModel::SelectScaleIn(int unitNumber) {
  if (UnitFactor(unitNumber) == 0) return;
  scaleInChoice_ = unitNumber;
  ScaleInFactor = UnitFactor(unitNumber);
}

void DynamicScaleModel::SelectScaleOut(int unitNumber) {
  if (UnitFactor(unitNumber) == 0) return;
  scaleOutChoice_ = unitNumber;
  ScaleOutFactor = UnitFactor(unitNumber);
}

std::optional<std::string> DynamicScaleModel::OkRefusal() const {
  if (scaleInChoice_ == 0) return std::string("Dynamic Scale In Undefined");
  if (scaleOutChoice_ == 0) return std::string("Dynamic Scale Out Undefined");
  return std::nullopt;
}

void DynRasterModel::MinimumEditChange(std::string_view text) {
  ParamMinimum = ReadLeadingInteger(text);
}
void DynRasterModel::MaximumEditChange(std::string_view text) {
  ParamMaximum = ReadLeadingInteger(text);
}
void DynRasterModel::IntervalEditChange(std::string_view text) {
  ParamInterval = ReadLeadingInteger(text);
}
void DynRasterModel::PixelEditChange(std::string_view text) {
  ParamPixelSize = ReadLeadingInteger(text);
}

std::optional<std::string> DynRasterModel::OkRefusal() const {
  if (ParamPixelSize < 0) return std::string("The pixel size cannot be below 0.");
  return std::nullopt;
}

TableLevels LevelsOfTable(const AltitudeTableArray& table, std::int32_t altitudeCount) {
  const int count = std::clamp<int>(altitudeCount, 0, kAltitudeTableSize - 1);
  if (count == 0) return {};
  std::vector<std::int32_t> altitudes(table.begin() + 1, table.begin() + 1 + count);
  std::sort(altitudes.begin(), altitudes.end());
  altitudes.erase(std::unique(altitudes.begin(), altitudes.end()), altitudes.end());
  TableLevels levels{altitudes.front(), altitudes.back(), 0};
  for (std::size_t i = 1; i < altitudes.size(); ++i) {
    const std::int64_t step = static_cast<std::int64_t>(altitudes[i]) - altitudes[i - 1];
    if (levels.interval == 0 || step < levels.interval) {
      levels.interval = static_cast<std::int32_t>(std::min<std::int64_t>(step, INT32_MAX));
    }
  }
  return levels;
}

void ImageSizeModel::NumLineEditChange(std::string_view text) {
  NumLineText = std::string(text);
  ImageLines = ReadLeadingInteger(text);
}

void ImageSizeModel::NumColEditChange(std::string_view text) {
  NumColText = std::string(text);
  ImageColumns = ReadLeadingInteger(text);
}

std::optional<std::string> ImageSizeModel::OkRefusal() const {
  if (ImageLines <= 0 || ImageColumns <= 0) {
    return std::string("The numbers of lines and columns must both be above 0.");
  }
  return std::nullopt;
}

}  // namespace zelmaro
