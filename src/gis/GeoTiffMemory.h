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

// A picture of a byte per cell (the shaded image as a GeoTIFF or a PNG) takes GDAL's
// copy of it, the file with its overviews, then the file's bytes once more: 4 bytes per
// cell at most, as the same writer's figures for the DEM show.
inline constexpr std::uint64_t kPictureFileBytesPerCell = 4;

inline std::uint64_t PictureFileMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kPictureFileBytesPerCell);
}

}  // namespace zelmaro
