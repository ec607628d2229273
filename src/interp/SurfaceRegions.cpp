#include "interp/SurfaceRegions.h"

#include <algorithm>
#include <utility>

namespace zelmaro {
namespace {

constexpr std::uint16_t kUnlabelled = SurfaceRegions::kHeld - 1;

// The levels of the held cells a region touches.
struct Touched {
  float lowest = std::numeric_limits<float>::max();
  float highest = -std::numeric_limits<float>::max();

  void Add(float level) {
    lowest = std::min(lowest, level);
    highest = std::max(highest, level);
  }
  ValueRange Range() const {
    if (lowest == highest) return {lowest - 1.0f, highest + 1.0f};
    return {lowest, highest};
  }
};

}  // namespace

SurfaceRegions FindRegions(const ByteGrid& held, const FloatGrid& values) {
  const int lines = held.Lines();
  const int columns = held.Columns();
  SurfaceRegions regions;
  regions.region = Grid<std::uint16_t>(lines, columns, kUnlabelled);
  Touched all;
  for (std::size_t cell = 0; cell < held.CellCount(); ++cell) {
    if (held.Data()[cell] == 0) continue;
    regions.region.Data()[cell] = SurfaceRegions::kHeld;
    all.Add(values.Data()[cell]);
  }
  const std::uint16_t shared = static_cast<std::uint16_t>(SurfaceRegions::kMostRanges - 1);
  std::vector<std::pair<int, int>> seeds;
  for (int line = 0; line < lines; ++line) {
    for (int column = 0; column < columns; ++column) {
      if (regions.region[line][column] != kUnlabelled) continue;
      // A scan-line fill of the region from this cell, noting the levels around it.
      const auto label = static_cast<std::uint16_t>(
          std::min(regions.ranges.size(), static_cast<std::size_t>(shared)));
      Touched touched;
      seeds.assign(1, {line, column});
      while (!seeds.empty()) {
        const auto [y, x] = seeds.back();
        seeds.pop_back();
        if (regions.region[y][x] != kUnlabelled) continue;
        int first = x;
        while (first > 0 && regions.region[y][first - 1] == kUnlabelled) --first;
        int last = x;
        while (last + 1 < columns && regions.region[y][last + 1] == kUnlabelled) ++last;
        for (int j = first; j <= last; ++j) regions.region[y][j] = label;
        for (const int end : {first - 1, last + 1}) {
          if (end >= 0 && end < columns && held[y][end] != 0) touched.Add(values[y][end]);
        }
        for (const int next : {y - 1, y + 1}) {
          if (next < 0 || next >= lines) continue;
          for (int j = first; j <= last; ++j) {
            const std::uint16_t there = regions.region[next][j];
            if (there == SurfaceRegions::kHeld) touched.Add(values[next][j]);
            const bool runStarts =
                there == kUnlabelled && (j == first || regions.region[next][j - 1] != kUnlabelled);
            if (runStarts) seeds.emplace_back(next, j);
          }
        }
      }
      if (label < shared) regions.ranges.push_back(touched.Range());
    }
  }
  // The last range, the whole span of the levels and one interval beyond: that of the
  // regions past the count, which were all labelled `shared`, its index then.
  regions.ranges.push_back({all.lowest - 1.0f, all.highest + 1.0f});
  return regions;
}

}  // namespace zelmaro
