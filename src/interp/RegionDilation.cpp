#include "interp/RegionDilation.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/Error.h"
#include "interp/Dilation.h"

namespace zelmaro {
namespace {

// Empty regions are run together by the tile of their first cell, so that many small
// regions share one crop.
constexpr int kTileSide = 128;
// Marks a cell of the crop that has an altitude in no region of the group: any value
// other than NoAltitude does, as no such cell touches a region of the group.
constexpr std::int32_t kOutsideGroup = 0;

struct Region {
  int top = std::numeric_limits<int>::max();
  int left = std::numeric_limits<int>::max();
  int bottom = -1;
  int right = -1;
  int group = 0;
};

// regionOf[cell] := the number (from 1) of the 8-connected empty region of each empty
// cell, 0 for a cell with an altitude.
std::vector<Region> FindEmptyRegions(const IntGrid& dem, std::vector<std::uint32_t>& regionOf) {
  const int lines = dem.Lines();
  const int columns = dem.Columns();
  regionOf.assign(dem.CellCount(), 0);
  std::vector<Region> regions(1);
  std::vector<std::uint32_t> pending;
  for (std::size_t start = 0; start < dem.CellCount(); ++start) {
    if (dem.Data()[start] != NoAltitude || regionOf[start] != 0) continue;
    const auto number = static_cast<std::uint32_t>(regions.size());
    Region region;
    region.group =
        static_cast<int>(start / columns) / kTileSide * ((columns + kTileSide - 1) / kTileSide) +
        static_cast<int>(start % columns) / kTileSide;
    regionOf[start] = number;
    pending.assign(1, static_cast<std::uint32_t>(start));
    while (!pending.empty()) {
      const std::uint32_t cell = pending.back();
      pending.pop_back();
      const int line = static_cast<int>(cell / columns);
      const int column = static_cast<int>(cell % columns);
      region.top = std::min(region.top, line);
      region.bottom = std::max(region.bottom, line);
      region.left = std::min(region.left, column);
      region.right = std::max(region.right, column);
      for (int l = std::max(line - 1, 0); l <= std::min(line + 1, lines - 1); ++l) {
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, columns - 1); ++c) {
          const std::size_t next = static_cast<std::size_t>(l) * columns + c;
          if (dem.Data()[next] == NoAltitude && regionOf[next] == 0) {
            regionOf[next] = number;
            pending.push_back(static_cast<std::uint32_t>(next));
          }
        }
      }
    }
    regions.push_back(region);
  }
  return regions;
}

}  // namespace

void DilationStepsByRegion(SessionState& session) {
  IntGrid& dem = session.DemGrid;
  if (dem.CellCount() > std::numeric_limits<std::uint32_t>::max()) {
    throw Error("The DEM is too large to interpolate.");
  }
  const int lines = dem.Lines();
  const int columns = dem.Columns();
  std::vector<std::uint32_t> regionOf;
  const std::vector<Region> regions = FindEmptyRegions(dem, regionOf);

  // The regions of each group, their crop, and the steps run on it.
  std::vector<std::vector<std::uint32_t>> groups;
  std::vector<int> groupIndex;
  for (std::uint32_t number = 1; number < regions.size(); ++number) {
    const int group = regions[number].group;
    if (static_cast<std::size_t>(group) >= groupIndex.size()) groupIndex.resize(group + 1, -1);
    if (groupIndex[group] < 0) {
      groupIndex[group] = static_cast<int>(groups.size());
      groups.emplace_back();
    }
    groups[groupIndex[group]].push_back(number);
  }
  SessionState crop;
  for (const std::vector<std::uint32_t>& members : groups) {
    int top = lines, left = columns, bottom = -1, right = -1;
    for (const std::uint32_t number : members) {
      top = std::min(top, regions[number].top - 1);
      left = std::min(left, regions[number].left - 1);
      bottom = std::max(bottom, regions[number].bottom + 1);
      right = std::max(right, regions[number].right + 1);
    }
    top = std::max(top, 0);
    left = std::max(left, 0);
    bottom = std::min(bottom, lines - 1);
    right = std::min(right, columns - 1);
    const int cropLines = bottom - top + 1;
    const int cropColumns = right - left + 1;
    // Regions of other groups in the crop touch none of this group's: they are marked
    // as having an altitude, so that no step works on them here.
    const auto inGroup = [&](std::uint32_t number) {
      return number != 0 && regions[number].group == regions[members.front()].group;
    };
    crop.DemGrid = IntGrid(cropLines, cropColumns);
    for (int line = 0; line < cropLines; ++line) {
      const std::size_t offset = static_cast<std::size_t>(top + line) * columns + left;
      std::int32_t* out = crop.DemGrid[line];
      for (int column = 0; column < cropColumns; ++column) {
        const std::uint32_t number = regionOf[offset + column];
        out[column] = number == 0 || inGroup(number) ? dem.Data()[offset + column] : kOutsideGroup;
      }
    }
    crop.WorkLines = cropLines;
    crop.WorkColumns = cropColumns;
    crop.DilationPassChanges = 1;
    while (crop.DilationPassChanges > 0) {
      crop.DilationPassChanges = 0;
      DilationStep(crop);
    }
    for (int line = 0; line < cropLines; ++line) {
      const std::size_t offset = static_cast<std::size_t>(top + line) * columns + left;
      const std::int32_t* in = crop.DemGrid[line];
      for (int column = 0; column < cropColumns; ++column) {
        if (inGroup(regionOf[offset + column])) dem.Data()[offset + column] = in[column];
      }
    }
  }
  // The last step over the whole grid fills nothing and ends on a growth pass that adds
  // no cell.
  session.DilationPassChanges = 0;
  session.FillPassChanges = 0;
}

}  // namespace zelmaro
