#pragma once

#include <cstdint>

#include "core/MemoryBudget.h"

namespace zelmaro {

// The memory of the raster grids and of the files written from them, per cell. A loaded
// contour-line image is held twice (the image and its Come Back copy); a DEM holds
// 4-byte cells; the shading makes one byte per cell. Each output file is prepared whole
// before it is written, one file at a time: 1 byte per cell for a raw image, 4 for a raw
// DEM, and for the ASCII grid its text (up to 19 characters per cell) twice, with its
// line breaks made CR LF: 38 bytes per cell measured on a DEM of -2147483647 everywhere.
// Change them with the writers.
inline constexpr std::uint64_t kContourImageBytesPerCell = 2;
inline constexpr std::uint64_t kDemBytesPerCell = 4;
inline constexpr std::uint64_t kShadeBytesPerCell = 1;
inline constexpr std::uint64_t kRawImageFileBytesPerCell = 1;
inline constexpr std::uint64_t kRawDemFileBytesPerCell = 4;
inline constexpr std::uint64_t kAsciiGridFileBytesPerCell = 40;

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
