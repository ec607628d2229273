#pragma once

#include <cstdint>
#include <string>

#include "core/SessionState.h"

namespace zelmaro {

// What the DEM information dialog shows, as the texts of its six edits.
struct DemInfoModel {
  std::string LigText;
  std::string ColText;
  std::string MinText;
  std::string MaxText;
  std::string PixText;
  std::string ScaleText;

  // Fills the edits in the dialog's order. The unit name is kept as it was when the
  // factor is none of 1, 10, 100 or 1000 (no output unit chosen yet).
  void Fill(const SessionState& session, std::int32_t zonePixelSize, std::int32_t scaleOutFactor);
};

// "meters", "decimeters", "centimeters" or "milimeters" (sic, as the dialog has always
// spelled it); empty for any other factor.
std::string DemUnitName(std::int32_t scaleOutFactor);

}  // namespace zelmaro
