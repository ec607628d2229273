#include "forms/ScaleDialogs.h"

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
