#pragma once

#include <cstdint>

#include "core/MemoryBudget.h"

namespace zelmaro {

// A DEM GeoTIFF is prepared in memory before it is written: the altitudes in meters as
// floats, GDAL's picture of them and the compressed file with its overviews. Random
// altitudes, which compress worst, took 20 bytes per cell beyond the DEM; change it with
// the writer.
inline constexpr std::uint64_t kGeoTiffBytesPerCell = 22;

inline std::uint64_t GeoTiffSaveMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kGeoTiffBytesPerCell);
}

}  // namespace zelmaro
