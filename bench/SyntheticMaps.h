#pragma once

#include <string>

namespace zelmaro::bench {

// The square the synthetic maps cover, in map units: a whole number of cells at every
// side the benchmark uses (240 m for 1000 cells, 60 for 4000, 15 for 16000, 12 for 20000).
inline constexpr double kMapExtent = 240000.0;

// The altitudes of the contour lines of a map of `levels` levels: 100, 110, ... meters.
inline constexpr int kLowestAltitude = 100;
inline constexpr int kAltitudeInterval = 10;
inline int HighestAltitude(int levels) {
  return kLowestAltitude + kAltitudeInterval * (levels - 1);
}

// Writes a DXF file of the contour lines of a smooth terrain (a tilt, steep and gentle
// hills, a pit and a plateau) at `levels` evenly spaced heights: polylines traced on a
// grid of samples, closed around the hills and running out at the edges. Returns the
// number of vertices written.
long WriteTerrainDxf(const std::string& path, int levels);

}  // namespace zelmaro::bench
