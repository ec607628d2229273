#pragma once

#include <cstdint>

namespace zelmaro {

// The pixel size and map extent of the working image: set by the zone selection of
// vector data, and for a raster by the pixel size typed in the Dynamic Parameters
// dialog. The output files and the hill shading read them.
struct ZoneParameters {
  std::int32_t ZonePixelSize = 0;
  double ZoneXMin = 0.0;
  double ZoneYMin = 0.0;
  double ZoneXMax = 0.0;
  double ZoneYMax = 0.0;
};

}  // namespace zelmaro
