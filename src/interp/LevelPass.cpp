#include "interp/LevelPass.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/Error.h"

namespace zelmaro {
namespace {

// The distance a level pass uses when a line has no pixel at all.
constexpr double kNoLineDistance = 99999999.0;
// The side of the tiles by which a level's cells are grouped.
constexpr int kTileSide = 128;
constexpr std::int64_t kFar = std::numeric_limits<std::int64_t>::max() / 4;

struct Box {
  int top = 0;
  int left = 0;
  int bottom = -1;
  int right = -1;
  int Height() const { return bottom - top + 1; }
  int Width() const { return right - left + 1; }
};

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

// Exact squared distances from query cells to the nearest of a set of line pixels,
// by the separable lower-envelope distance transform over a box around the queries.
// The buffers are kept from one level to the next.
class NearestPixelDistances {
 public:
  NearestPixelDistances(int lines, int columns) : lines_(lines), columns_(columns) {}

  // squared[q] := the smallest squared distance from queries[q] to any pixel, or -1
  // when there is no pixel. The pixels are cell indices in scan order.
  void Compute(const std::uint32_t* queries, std::size_t queryCount, const Box& queryBox,
               const std::uint32_t* pixels, std::size_t pixelCount,
               std::vector<std::int64_t>& squared) {
    squared.assign(queryCount, -1);
    if (pixelCount == 0 || queryCount == 0) return;
    std::int64_t margin = 2;
    for (;;) {
      const Box box = Expanded(queryBox, margin);
      const bool wholeGrid =
          box.top == 0 && box.left == 0 && box.bottom == lines_ - 1 && box.right == columns_ - 1;
      if (!GatherPixels(box, pixels, pixelCount) && !wholeGrid) {
        margin *= 2;
        continue;
      }
      Transform(box);
      std::int64_t farthest = 0;
      for (std::size_t q = 0; q < queryCount; ++q) {
        const int line = static_cast<int>(queries[q] / columns_) - box.top;
        const int column = static_cast<int>(queries[q] % columns_) - box.left;
        squared[q] = distance_[static_cast<std::size_t>(line) * box.Width() + column];
        farthest = std::max(farthest, squared[q]);
      }
      // A pixel outside the box lies at least margin + 1 from every query.
      if (wholeGrid || farthest <= (margin + 1) * (margin + 1)) return;
      margin = static_cast<std::int64_t>(std::ceil(std::sqrt(static_cast<double>(farthest))));
      while (margin * margin < farthest) ++margin;
    }
  }

 private:
  Box Expanded(const Box& box, std::int64_t margin) const {
    const auto clamp = [](std::int64_t value, int high) {
      return static_cast<int>(std::clamp<std::int64_t>(value, 0, high));
    };
    return Box{clamp(box.top - margin, lines_ - 1), clamp(box.left - margin, columns_ - 1),
               clamp(box.bottom + margin, lines_ - 1), clamp(box.right + margin, columns_ - 1)};
  }

  // boxPixels_ := the pixels inside the box, found line by line in the scan-ordered
  // list. Returns whether there is any.
  bool GatherPixels(const Box& box, const std::uint32_t* pixels, std::size_t pixelCount) {
    boxPixels_.clear();
    const std::uint32_t* end = pixels + pixelCount;
    const std::uint32_t* from = pixels;
    for (int line = box.top; line <= box.bottom; ++line) {
      const std::uint32_t first = static_cast<std::uint32_t>(line) * columns_ + box.left;
      const std::uint32_t last = static_cast<std::uint32_t>(line) * columns_ + box.right;
      from = std::lower_bound(from, end, first);
      if (from == end) break;
      for (; from != end && *from <= last; ++from) boxPixels_.push_back(*from);
    }
    return !boxPixels_.empty();
  }

  // distance_ := squared distance transform of boxPixels_ over the box.
  void Transform(const Box& box) {
    const int height = box.Height();
    const int width = box.Width();
    const std::size_t area = static_cast<std::size_t>(height) * width;
    // Vertical pass: distance in lines to the nearest pixel of the same column.
    const std::int32_t none = height + width + 1;
    vertical_.assign(area, none);
    for (const std::uint32_t pixel : boxPixels_) {
      const int line = static_cast<int>(pixel / columns_);
      const int column = static_cast<int>(pixel % columns_);
      vertical_[static_cast<std::size_t>(line - box.top) * width + (column - box.left)] = 0;
    }
    for (int line = 1; line < height; ++line) {
      std::int32_t* row = &vertical_[static_cast<std::size_t>(line) * width];
      const std::int32_t* above = row - width;
      for (int column = 0; column < width; ++column) {
        row[column] = std::min(row[column], above[column] + 1);
      }
    }
    for (int line = height - 2; line >= 0; --line) {
      std::int32_t* row = &vertical_[static_cast<std::size_t>(line) * width];
      const std::int32_t* below = row + width;
      for (int column = 0; column < width; ++column) {
        row[column] = std::min(row[column], below[column] + 1);
      }
    }
    // Horizontal pass: lower envelope of the parabolas (c - c')^2 + vertical(c')^2.
    distance_.resize(area);
    parabolaColumn_.resize(width);
    boundary_.resize(width + 1);
    for (int line = 0; line < height; ++line) {
      const std::int32_t* row = &vertical_[static_cast<std::size_t>(line) * width];
      std::int64_t* out = &distance_[static_cast<std::size_t>(line) * width];
      int count = 0;
      const auto height2 = [row](int c) { return static_cast<std::int64_t>(row[c]) * row[c]; };
      for (int c = 0; c < width; ++c) {
        if (row[c] >= none) continue;
        const std::int64_t f = height2(c) + static_cast<std::int64_t>(c) * c;
        double crossing = -std::numeric_limits<double>::infinity();
        while (count > 0) {
          const int previous = parabolaColumn_[count - 1];
          const std::int64_t g = height2(previous) + static_cast<std::int64_t>(previous) * previous;
          crossing = static_cast<double>(f - g) / (2.0 * (c - previous));
          if (crossing > boundary_[count - 1]) break;
          --count;
          crossing = -std::numeric_limits<double>::infinity();
        }
        parabolaColumn_[count] = c;
        boundary_[count] = crossing;
        ++count;
      }
      if (count == 0) {
        std::fill(out, out + width, kFar);
        continue;
      }
      int k = 0;
      for (int c = 0; c < width; ++c) {
        while (k + 1 < count && boundary_[k + 1] < c) ++k;
        const std::int64_t dc = c - parabolaColumn_[k];
        out[c] = dc * dc + height2(parabolaColumn_[k]);
      }
    }
  }

  int lines_;
  int columns_;
  std::vector<std::uint32_t> boxPixels_;
  std::vector<std::int32_t> vertical_;
  std::vector<std::int64_t> distance_;
  std::vector<int> parabolaColumn_;
  std::vector<double> boundary_;
};

}  // namespace

void RunLevelPasses(const IntGrid& demGrid, const ByteGrid& linearCodeImage,
                    const LevelTable& levels, IntGrid& linearResultGrid) {
  const int levelCount = levels.LevelCount;
  if (levelCount <= 0) return;
  const int lines = demGrid.Lines();
  const int columns = demGrid.Columns();
  const std::size_t cellCount = demGrid.CellCount();
  if (cellCount > std::numeric_limits<std::uint32_t>::max()) {
    throw Error("The image is too large for the linear interpolation.");
  }
  const std::uint8_t* codes = linearCodeImage.Data();
  const std::int32_t* values = demGrid.Data();
  // Level k's cells grouped by tile, so that each distance transform covers the
  // surroundings of nearby cells only, even when a level runs over several hills; and
  // the pixels of line t (altitude Min' + t x I', t = 0..count).
  const int tilesAcross = (columns + kTileSide - 1) / kTileSide;
  const int tileCount = tilesAcross * ((lines + kTileSide - 1) / kTileSide);
  const Buckets levelCells = BucketCells(cellCount, levelCount * tileCount, [&](std::size_t cell) {
    const int code = codes[cell];
    if (code < 1 || code > levelCount) return -1;
    const int line = static_cast<int>(cell / columns);
    const int column = static_cast<int>(cell % columns);
    return (code - 1) * tileCount + (line / kTileSide) * tilesAcross + column / kTileSide;
  });
  const Buckets linePixels = BucketCells(cellCount, levelCount + 1, [&](std::size_t cell) {
    const std::int64_t steps = static_cast<std::int64_t>(values[cell]) - levels.Minimum;
    if (steps % levels.Interval != 0) return -1;
    const std::int64_t t = steps / levels.Interval;
    return t >= 0 && t <= levelCount ? static_cast<int>(t) : -1;
  });

  NearestPixelDistances nearest(lines, columns);
  std::vector<std::int64_t> lowerSquared;
  std::vector<std::int64_t> upperSquared;
  std::int32_t* result = linearResultGrid.Data();
  for (int k = 1; k <= levelCount; ++k) {
    const std::uint32_t* lower = linePixels.cells.data() + linePixels.start[k - 1];
    const std::size_t lowerCount = linePixels.start[k] - linePixels.start[k - 1];
    const std::uint32_t* upper = linePixels.cells.data() + linePixels.start[k];
    const std::size_t upperCount = linePixels.start[k + 1] - linePixels.start[k];
    for (int tile = 0; tile < tileCount; ++tile) {
      const std::size_t group = static_cast<std::size_t>(k - 1) * tileCount + tile;
      const std::uint32_t* cells = levelCells.cells.data() + levelCells.start[group];
      const std::size_t cellsOfTile = levelCells.start[group + 1] - levelCells.start[group];
      if (cellsOfTile == 0) continue;
      Box box{lines, columns, -1, -1};
      for (std::size_t q = 0; q < cellsOfTile; ++q) {
        const int line = static_cast<int>(cells[q] / columns);
        const int column = static_cast<int>(cells[q] % columns);
        box.top = std::min(box.top, line);
        box.bottom = std::max(box.bottom, line);
        box.left = std::min(box.left, column);
        box.right = std::max(box.right, column);
      }
      nearest.Compute(cells, cellsOfTile, box, lower, lowerCount, lowerSquared);
      nearest.Compute(cells, cellsOfTile, box, upper, upperCount, upperSquared);
      const double interval = levels.Interval;
      const double base = levels.LevelLower[k];
      for (std::size_t q = 0; q < cellsOfTile; ++q) {
        const double di =
            lowerSquared[q] < 0 ? kNoLineDistance : std::sqrt(static_cast<double>(lowerSquared[q]));
        const double ds =
            upperSquared[q] < 0 ? kNoLineDistance : std::sqrt(static_cast<double>(upperSquared[q]));
        result[cells[q]] = static_cast<std::int32_t>(interval / (di + ds) * di + base);
      }
    }
    for (std::size_t p = 0; p < lowerCount; ++p) result[lower[p]] = levels.LevelLower[k];
  }
}

}  // namespace zelmaro
