#include "interp/LevelPass.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "core/Error.h"
#include "interp/LineDistances.h"

namespace zelmaro {
namespace {

// The distance a level pass uses when a line has no pixel at all.
constexpr double kNoLineDistance = 99999999.0;
// Lines are split into this many families (line number modulo it), each measured by one
// transform of the whole grid: the lines of one family lie at least that many levels
// apart, so a cell's nearest pixel of its family is nearly always on its own line.
constexpr int kLineFamilies = 3;
// A squared distance not known yet.
constexpr std::int64_t kUnknown = -2;

// Cell indices grouped by a key, each group in scan order.
struct Buckets {
  std::vector<std::size_t> start;  // group g holds cells[start[g] .. start[g + 1])
  std::vector<std::uint32_t> cells;
};

template <typename KeyOf>
Buckets BucketCells(std::size_t cellCount, int groupCount, KeyOf keyOf) {
  Buckets buckets;
  buckets.start.assign(groupCount + 1, 0);
  for (std::size_t cell = 0; cell < cellCount; ++cell) {
    const int key = keyOf(cell);
    if (key >= 0) ++buckets.start[key + 1];
  }
  for (int g = 0; g < groupCount; ++g) buckets.start[g + 1] += buckets.start[g];
  buckets.cells.resize(buckets.start[groupCount]);
  std::vector<std::size_t> next(buckets.start.begin(), buckets.start.end() - 1);
  for (std::size_t cell = 0; cell < cellCount; ++cell) {
    const int key = keyOf(cell);
    if (key >= 0) buckets.cells[next[key]++] = static_cast<std::uint32_t>(cell);
  }
  return buckets;
}

class LevelDistances {
 public:
  LevelDistances(const IntGrid& demGrid, const ByteGrid& linearCodeImage, const LevelTable& levels)
      : levels_(levels),
        lines_(demGrid.Lines()),
        columns_(demGrid.Columns()),
        values_(demGrid.Data()) {
    const std::size_t cellCount = demGrid.CellCount();
    const int levelCount = levels.LevelCount;
    const std::uint8_t* codes = linearCodeImage.Data();
    levelCells_ = BucketCells(cellCount, levelCount, [&](std::size_t cell) {
      const int code = codes[cell];
      return code >= 1 && code <= levelCount ? code - 1 : -1;
    });
    linePixels_ = BucketCells(cellCount, levelCount + 1,
                              [&](std::size_t cell) { return LineOf(values_[cell]); });
    lowerSquared_.assign(levelCells_.cells.size(), kUnknown);
    upperSquared_.assign(levelCells_.cells.size(), kUnknown);
  }

  // The line number t of an altitude Min' + t x I' of the table, -1 for any other value.
  int LineOf(std::int32_t value) const {
    const std::int64_t steps = static_cast<std::int64_t>(value) - levels_.Minimum;
    if (steps % levels_.Interval != 0) return -1;
    const std::int64_t t = steps / levels_.Interval;
    return t >= 0 && t <= levels_.LevelCount ? static_cast<int>(t) : -1;
  }

  void Measure() {
    GridDistanceTransform transform(lines_, columns_);
    std::vector<std::uint8_t> isPixel;
    for (int family = 0; family < kLineFamilies; ++family) {
      isPixel.assign(static_cast<std::size_t>(lines_) * columns_, 0);
      bool any = false;
      for (int t = family; t <= levels_.LevelCount; t += kLineFamilies) {
        for (std::size_t p = linePixels_.start[t]; p < linePixels_.start[t + 1]; ++p) {
          isPixel[linePixels_.cells[p]] = 1;
          any = true;
        }
      }
      if (!any) continue;
      transform.Compute(isPixel);
      for (int k = 1; k <= levels_.LevelCount; ++k) {
        if ((k - 1) % kLineFamilies == family) Adopt(transform, k, k - 1, lowerSquared_);
        if (k % kLineFamilies == family) Adopt(transform, k, k, upperSquared_);
      }
    }
    for (int t = 0; t <= levels_.LevelCount; ++t) MeasureRemaining(t);
  }

  // Level k's cells, in scan order, with their squared distances to both lines.
  std::size_t Begin(int k) const { return levelCells_.start[k - 1]; }
  std::size_t End(int k) const { return levelCells_.start[k]; }
  std::uint32_t Cell(std::size_t position) const { return levelCells_.cells[position]; }
  std::int64_t LowerSquared(std::size_t position) const { return lowerSquared_[position]; }
  std::int64_t UpperSquared(std::size_t position) const { return upperSquared_[position]; }
  std::pair<const std::uint32_t*, std::size_t> LinePixels(int t) const {
    return {linePixels_.cells.data() + linePixels_.start[t],
            linePixels_.start[t + 1] - linePixels_.start[t]};
  }

 private:
  // Takes the family's distance where the nearest pixel of the family lies on line t;
  // where it lies on another line, line t may be farther and the cell is measured
  // alone later.
  void Adopt(const GridDistanceTransform& transform, int k, int t,
             std::vector<std::int64_t>& squared) const {
    if (linePixels_.start[t + 1] == linePixels_.start[t]) return;
    for (std::size_t position = Begin(k); position < End(k); ++position) {
      const std::uint32_t cell = levelCells_.cells[position];
      if (LineOf(values_[transform.Nearest()[cell]]) == t) {
        squared[position] = transform.Squared()[cell];
      }
    }
  }

  // The cells whose distance to line t is still unknown (the upper side of level t,
  // the lower side of level t + 1), each measured alone against the line's pixels.
  void MeasureRemaining(int t) {
    // Plain variables, not a structured binding: clang 14 cannot capture a binding.
    const std::pair<const std::uint32_t*, std::size_t> line = LinePixels(t);
    const std::uint32_t* pixels = line.first;
    const std::size_t pixelCount = line.second;
    bool treeBuilt = false;
    const auto measure = [&](int k, std::vector<std::int64_t>& squared) {
      if (k < 1 || k > levels_.LevelCount) return;
      for (std::size_t position = Begin(k); position < End(k); ++position) {
        if (pixelCount == 0) {
          squared[position] = -1;
          continue;
        }
        if (squared[position] != kUnknown) continue;
        if (!treeBuilt) {
          tree_.Build(pixels, pixelCount, columns_);
          treeBuilt = true;
        }
        const std::uint32_t cell = levelCells_.cells[position];
        squared[position] = tree_.NearestSquared(static_cast<int>(cell / columns_),
                                                 static_cast<int>(cell % columns_),
                                                 std::numeric_limits<std::int64_t>::max());
      }
    };
    measure(t, upperSquared_);
    measure(t + 1, lowerSquared_);
  }

  const LevelTable& levels_;
  int lines_;
  int columns_;
  const std::int32_t* values_;
  Buckets levelCells_;
  Buckets linePixels_;  // line t: the cells holding Min' + t x I', t = 0..LevelCount
  std::vector<std::int64_t> lowerSquared_;
  std::vector<std::int64_t> upperSquared_;
  PixelTree tree_;
};

double DistanceOf(std::int64_t squared) {
  return squared < 0 ? kNoLineDistance : std::sqrt(static_cast<double>(squared));
}

}  // namespace

void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid) {
  if (levels.LevelCount <= 0) return;
  if (demGrid.CellCount() > std::numeric_limits<std::uint32_t>::max()) {
    throw Error("The image is too large for the linear interpolation.");
  }
  LevelDistances distances(demGrid, linearCodeImage, levels);
  distances.Measure();
  std::int32_t* result = linearResultGrid.Data();
  const double interval = levels.Interval;
  for (int k = 1; k <= levels.LevelCount; ++k) {
    const double base = levels.LevelLower[k];
    for (std::size_t position = distances.Begin(k); position < distances.End(k); ++position) {
      const double di = DistanceOf(distances.LowerSquared(position));
      const double ds = DistanceOf(distances.UpperSquared(position));
      result[distances.Cell(position)] =
          static_cast<std::int32_t>(interval / (di + ds) * di + base);
    }
    // Then the lower line takes its altitude; a later pass may label some of it again.
    const auto [lower, lowerCount] = distances.LinePixels(k - 1);
    for (std::size_t p = 0; p < lowerCount; ++p) result[lower[p]] = levels.LevelLower[k];
  }
}

}  // namespace zelmaro
