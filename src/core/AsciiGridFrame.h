#pragma once

#include <cstdint>

namespace zelmaro {

// Where an ASCII grid lies on the map and what its values count: the cell size and
// the lower left corner in map units, and the factor of the DEM unit (1, 10, 100 or
// 1000 for meters to millimeters) by which the DEM values are divided.
struct AsciiGridFrame {
  double CellSize = 0.0;
  double XMin = 0.0;
  double YMin = 0.0;
  std::int32_t ValueFactor = 0;
};

}  // namespace zelmaro
