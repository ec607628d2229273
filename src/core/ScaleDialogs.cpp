#include "core/ScaleDialogs.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/Error.h"
#include "core/NumberText.h"

namespace zelmaro {

std::int32_t UnitFactor(int unitNumber) {
  static constexpr std::array<std::int32_t, 4> kFactors{1, 10, 100, 1000};
  return unitNumber >= 1 && unitNumber <= 4 ? kFactors[unitNumber - 1] : 0;
}

int UnitNumberOfFactor(std::int32_t factor) {
  for (int unit = 1; unit <= 4; ++unit) {
    if (UnitFactor(unit) == factor) return unit;
  }
  return 0;
}

int ParseUnitName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static constexpr std::array<std::array<std::string_view, 3>, 4> kNames{{
      {"m", "meters", "meter"},
      {"dm", "decimeters", "decimeter"},
      {"cm", "centimeters", "centimeter"},
      {"mm", "millimeters", "millimeter"},
  }};
  for (int unit = 0; unit < 4; ++unit) {
    for (std::string_view known : kNames[unit]) {
      if (lower == known) return unit + 1;
    }
  }
  return 0;
}

std::int32_t ConvertScale(std::int32_t altitude, std::int32_t scaleInFactor,
                          std::int32_t scaleOutFactor) {
  if (scaleInFactor == 0) throw Error("The Dynamic Scale In unit is not chosen.");
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(altitude / scaleInFactor) *
                                   static_cast<std::uint32_t>(scaleOutFactor));
}

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
