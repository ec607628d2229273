#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "core/Grid.h"

namespace zelmaro {

// A range of values of the surface, in level intervals.
struct ValueRange {
  float lowest = -std::numeric_limits<float>::max();
  float highest = std::numeric_limits<float>::max();
};

// The free cells cut by the lines into regions (4-connected, so that no region slips
// between the diagonal steps of a line), and the values each region may take: a region
// between lines of two or more levels stays between the lowest and the highest of them,
// for the map would have drawn another line where it crossed one; a region along lines
// of one level only (a summit, a pit, a strip beyond the outermost line) stays within
// one interval of it. The surface is clamped to these ranges at the end, and the solver
// does not wait for cells that will be clamped.
struct SurfaceRegions {
  static constexpr std::uint16_t kHeld = std::numeric_limits<std::uint16_t>::max();
  // A map of more regions than this puts the rest together under the last range, the
  // whole span of the levels and one interval beyond.
  static constexpr std::size_t kMostRanges = kHeld;

  Grid<std::uint16_t> region;      // by cell: index into ranges, or kHeld
  std::vector<ValueRange> ranges;  // the last one: the whole span

  const ValueRange& RangeOf(int line, int column) const { return ranges[region[line][column]]; }
};

// `values` holds the levels of the held cells, in intervals: the levels are one apart.
SurfaceRegions FindRegions(const ByteGrid& held, const FloatGrid& values);

}  // namespace zelmaro
