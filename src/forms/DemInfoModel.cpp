#include "forms/DemInfoModel.h"

namespace zelmaro {

std::string DemUnitName(std::int32_t scaleOutFactor) {
  switch (scaleOutFactor) {
    case 1:
      return "meters";
    case 10:
      return "decimeters";
    case 100:
      return "centimeters";
    case 1000:
      return "milimeters";
    default:
      return "";
  }
}

void DemInfoModel::Fill(const SessionState& session, std::int32_t zonePixelSize,
                        std::int32_t scaleOutFactor) {
  LigText = std::to_string(session.WorkLines);
  ColText = std::to_string(session.WorkColumns);
  MinText = std::to_string(session.DemMin);
  MaxText = std::to_string(session.DemMax);
  PixText = std::to_string(zonePixelSize);
  const std::string unit = DemUnitName(scaleOutFactor);
  if (!unit.empty()) ScaleText = unit;
}

}  // namespace zelmaro
