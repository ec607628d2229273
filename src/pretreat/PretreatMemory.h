#pragma once

#include <cstdint>

#include "core/MemoryBudget.h"

namespace zelmaro {

// The memory each pre-treatment takes at its peak, per cell, beyond the contour-line
// image it works on. Thinning and branch-end removal work in place (peak resident sizes
// showed nothing beyond the image on 12 million cells); the break search keeps one
// entry of 12 bytes per line end, which random codes brought to 5 bytes per cell. The
// figures keep a margin; change them with the algorithms.
inline constexpr std::uint64_t kThinningBytesPerCell = 1;
inline constexpr std::uint64_t kEbarbulationBytesPerCell = 1;
inline constexpr std::uint64_t kBreakSearchBytesPerCell = 8;

inline std::uint64_t ThinningMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kThinningBytesPerCell);
}
inline std::uint64_t EbarbulationMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kEbarbulationBytesPerCell);
}
inline std::uint64_t BreakSearchMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kBreakSearchBytesPerCell);
}

}  // namespace zelmaro
