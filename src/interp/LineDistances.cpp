#include "interp/LineDistances.h"

#include <tbb/parallel_for.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelmaro {

void LineEnvelope::Run(const std::int32_t* vertical, int width, std::int32_t none,
                       std::int64_t* squared, int* nearestColumn) {
  parabolaColumn_.resize(width);
  boundaryNumerator_.resize(width + 1);
  boundaryDenominator_.resize(width + 1);
  const auto height2 = [vertical](int c) {
    return static_cast<std::int64_t>(vertical[c]) * vertical[c];
  };
  // The parabolas of columns c' and c cross at (f(c) - f(c')) / (2 (c - c')), kept as an
  // exact fraction with a positive denominator; the first parabola starts at minus
  // infinity (denominator 0).
  int count = 0;
  for (int c = 0; c < width; ++c) {
    if (vertical[c] >= none) continue;
    const std::int64_t f = height2(c) + static_cast<std::int64_t>(c) * c;
    std::int64_t numerator = -1;
    std::int64_t denominator = 0;
    while (count > 0) {
      const int previous = parabolaColumn_[count - 1];
      numerator = f - height2(previous) - static_cast<std::int64_t>(previous) * previous;
      denominator = 2 * static_cast<std::int64_t>(c - previous);
      const std::int64_t startDenominator = boundaryDenominator_[count - 1];
      // Keep the previous parabola when the crossing lies after its start.
      if (startDenominator == 0 ||
          numerator * startDenominator > boundaryNumerator_[count - 1] * denominator) {
        break;
      }
      --count;
      numerator = -1;
      denominator = 0;
    }
    parabolaColumn_[count] = c;
    boundaryNumerator_[count] = numerator;
    boundaryDenominator_[count] = denominator;
    ++count;
  }
  if (count == 0) {
    std::fill(squared, squared + width, -1);
    return;
  }
  int k = 0;
  for (int c = 0; c < width; ++c) {
    while (k + 1 < count && boundaryNumerator_[k + 1] < c * boundaryDenominator_[k + 1]) ++k;
    const int column = parabolaColumn_[k];
    const std::int64_t dc = c - column;
    squared[c] = dc * dc + height2(column);
    if (nearestColumn) nearestColumn[c] = column;
  }
}

namespace {
constexpr std::size_t kLeafSize = 8;

std::int64_t SquaredDistance(int line1, int column1, int line2, int column2) {
  const std::int64_t dl = line1 - line2;
  const std::int64_t dc = column1 - column2;
  return dl * dl + dc * dc;
}
}  // namespace

void PixelTree::Build(const std::uint32_t* pixels, std::size_t pixelCount, int columns) {
  points_.resize(pixelCount);
  boxes_.assign(pixelCount, Box{});
  for (std::size_t p = 0; p < pixelCount; ++p) {
    points_[p] =
        Point{static_cast<int>(pixels[p] / columns), static_cast<int>(pixels[p] % columns)};
  }
  Split(0, points_.size(), 0);
}

// Median splits, by line and by column in turn.
void PixelTree::Split(std::size_t first, std::size_t last, int depth) {
  if (last - first <= kLeafSize) return;
  const std::size_t middle = first + (last - first) / 2;
  const auto byAxis = [depth](const Point& a, const Point& b) {
    return depth % 2 == 0 ? a.line < b.line : a.column < b.column;
  };
  std::nth_element(points_.begin() + first, points_.begin() + middle, points_.begin() + last,
                   byAxis);
  Box& box = boxes_[middle];
  box = {points_[first].line, points_[first].line, points_[first].column, points_[first].column};
  for (std::size_t p = first + 1; p < last; ++p) {
    box.top = std::min(box.top, points_[p].line);
    box.bottom = std::max(box.bottom, points_[p].line);
    box.left = std::min(box.left, points_[p].column);
    box.right = std::max(box.right, points_[p].column);
  }
  Split(first, middle, depth + 1);
  Split(middle + 1, last, depth + 1);
}

std::int64_t PixelTree::NearestSquared(int line, int column, std::int64_t bound) const {
  if (points_.empty()) return -1;
  std::int64_t best = bound;
  Point nearest{0, 0};
  Search(0, points_.size(), 0, line, column, best, nearest);
  return best;
}

PixelTree::Point PixelTree::Nearest(int line, int column, Point near) const {
  std::int64_t best = SquaredDistance(line, column, near.line, near.column);
  Search(0, points_.size(), 0, line, column, best, near);
  return near;
}

void PixelTree::Search(std::size_t first, std::size_t last, int depth, int line, int column,
                       std::int64_t& best, Point& nearest) const {
  const auto consider = [&](const Point& point) {
    const std::int64_t squared = SquaredDistance(line, column, point.line, point.column);
    if (squared < best) {
      best = squared;
      nearest = point;
    }
  };
  if (last - first <= kLeafSize) {
    for (std::size_t p = first; p < last; ++p) consider(points_[p]);
    return;
  }
  const std::size_t middle = first + (last - first) / 2;
  // A part of the line whose box lies no nearer than the best so far is passed over.
  const Box& box = boxes_[middle];
  const std::int64_t dl = line < box.top      ? box.top - line
                          : line > box.bottom ? line - box.bottom
                                              : 0;
  const std::int64_t dc = column < box.left    ? box.left - column
                          : column > box.right ? column - box.right
                                               : 0;
  if (dl * dl + dc * dc >= best) return;
  const Point& split = points_[middle];
  consider(split);
  const std::int64_t offset = depth % 2 == 0 ? line - split.line : column - split.column;
  // The side of the query first; the other only if it could hold a nearer pixel.
  if (offset < 0) {
    Search(first, middle, depth + 1, line, column, best, nearest);
    if (offset * offset < best) Search(middle + 1, last, depth + 1, line, column, best, nearest);
  } else {
    Search(middle + 1, last, depth + 1, line, column, best, nearest);
    if (offset * offset < best) Search(first, middle, depth + 1, line, column, best, nearest);
  }
}

void NearestMarkedLines(const ByteGrid& lineOf, const std::array<bool, 256>& marked,
                        Grid<std::uint16_t>& nearestLine) {
  const int lines = lineOf.Lines();
  const int columns = lineOf.Columns();
  // Strips of columns wide enough to be read along the lines, each scanned down and then
  // up: a cell takes its own line when marked, else the nearest found so far.
  const int width = std::max(256, (columns + 15) / 16);
  const int strips = (columns + width - 1) / width;
  tbb::parallel_for(0, strips, [&](int strip) {
    const int first = strip * width;
    const int last = std::min(columns, first + width);
    for (int line = 0; line < lines; ++line) {
      const std::uint8_t* t = lineOf[line];
      std::uint16_t* out = nearestLine[line];
      const std::uint16_t* above = line > 0 ? nearestLine[line - 1] : nullptr;
      for (int column = first; column < last; ++column) {
        out[column] = marked[t[column]]  ? static_cast<std::uint16_t>(line)
                      : above != nullptr ? above[column]
                                         : kNoNearestLine;
      }
    }
    for (int line = lines - 2; line >= 0; --line) {
      std::uint16_t* out = nearestLine[line];
      const std::uint16_t* below = nearestLine[line + 1];
      for (int column = first; column < last; ++column) {
        // The nearest below is the one the line below found, when it lies below.
        const int next = below[column];
        if (next == kNoNearestLine || next <= line) continue;
        const int above = out[column];
        if (above == kNoNearestLine || next - line < line - above) {
          out[column] = static_cast<std::uint16_t>(next);
        }
      }
    }
  });
}

}  // namespace zelmaro
