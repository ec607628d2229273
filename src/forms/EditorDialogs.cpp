#include "forms/EditorDialogs.h"

#include "core/NumberText.h"

namespace zelmaro {

void CLValueModel::PickValue(std::int32_t value) {
  DrawingValue = value;
  ValueText = std::to_string(value);
}

void InfoPointModel::AltitudeEditChange(std::string_view text) {
  PointAltitude = ReadLeadingInteger(text);
}

void FunnelInfoModel::FillingEditChange(std::string_view text) {
  FillingValue = ReadLeadingInteger(text);
}

}  // namespace zelmaro
