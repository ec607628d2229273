#pragma once

#include <cstdint>

#include "core/MemoryBudget.h"

namespace zelmaro {

// The memory each interpolation takes at its peak, per cell, beyond the contour-line
// image it starts from (the DEM it leaves included), and the smoothing beyond the DEM
// it smooths. Peak resident sizes of the batch tool (/usr/bin/time -v) on images of 12
// million cells, a tiled map and random codes, gave 12.5 bytes for the dilation (8.5
// while the altitudes in the DEM's unit span less than 32 bits' worth of keys), 20.7 for
// the linear interpolation and 3.7 for the smoothing; the figures below keep a small
// margin. Change them with the algorithms.
inline constexpr std::uint64_t kDilationBytesPerCell = 14;
inline constexpr std::uint64_t kLinearBytesPerCell = 22;
inline constexpr std::uint64_t kSmoothingBytesPerCell = 5;
// The surface interpolation keeps the fine grid's values, stencils and conjugate-gradient
// vectors, and the coarser grids' (a third more); its benchmark gave 33 bytes per cell at
// 4000 x 4000 and 41 at 1000 x 1000.
inline constexpr std::uint64_t kSurfaceBytesPerCell = 44;

inline std::uint64_t DilationMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kDilationBytesPerCell);
}
inline std::uint64_t LinearMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kLinearBytesPerCell);
}
inline std::uint64_t SmoothingMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kSmoothingBytesPerCell);
}

inline std::uint64_t SurfaceMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kSurfaceBytesPerCell);
}

}  // namespace zelmaro
