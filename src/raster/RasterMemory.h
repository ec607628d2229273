#pragma once

#include <cstdint>

#include "core/MemoryBudget.h"

namespace zelmaro {

// The memory of the raster grids and of the files written from them, per cell. A loaded
// contour-line image is held twice (the image and its Come Back copy); a DEM holds
// 4-byte cells; the shading makes one byte per cell. The raw DEM and the ASCII grid are
// written as they are made, through a buffer (0.4 bytes per cell measured on 12 million
// cells of -2147483647, the longest text), and a raw image straight from its grid: a
// byte per cell is kept for each. Change them with the writers.
inline constexpr std::uint64_t kContourImageBytesPerCell = 2;
inline constexpr std::uint64_t kDemBytesPerCell = 4;
inline constexpr std::uint64_t kShadeBytesPerCell = 1;
inline constexpr std::uint64_t kRawImageFileBytesPerCell = 1;
inline constexpr std::uint64_t kRawDemFileBytesPerCell = 1;
inline constexpr std::uint64_t kAsciiGridFileBytesPerCell = 1;

// A raw contour-line image loaded with its Come Back copy.
inline std::uint64_t RasterLoadMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kContourImageBytesPerCell);
}
// A DEM read from a raw file or made by an interpolation.
inline std::uint64_t DemMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kDemBytesPerCell);
}
inline std::uint64_t ShadeMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kShadeBytesPerCell);
}
// The files of Save Contour Line Image or Save Image, of Save DEM raw, of Save DEM as
// an ASCII grid.
inline std::uint64_t RawImageSaveMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kRawImageFileBytesPerCell);
}
inline std::uint64_t RawDemSaveMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kRawDemFileBytesPerCell);
}
inline std::uint64_t AsciiGridSaveMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kAsciiGridFileBytesPerCell);
}

}  // namespace zelmaro
