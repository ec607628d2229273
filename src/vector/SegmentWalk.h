#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zelmaro {

// A cell of a raster drawn from vector data, in line and column.
struct VectorCell {
  int line = 0;
  int column = 0;
  bool operator==(const VectorCell&) const = default;
};

// Rounds half up: trunc(x + 0.5) for the cells of the frame, and one cell further
// down for positions left of or above it, where truncating toward zero would put two
// rows of positions into cell 0 and shift every cell beyond by one.
inline int RoundHalfUp(double value) {
  return static_cast<int>(std::floor(value + 0.5));
}

// The cell of a map point: line 0 at the top (the frame's YMax at `lines` cells
// below), column 0 at the left, both rounded half up. Nothing when the position is not finite or
// lies so far from the grid that no walk could reach it in reasonable time; such a vertex is
// ignored.
inline constexpr double kFarthestVectorCell = 1 << 24;
inline bool MapPointCell(double x, double y, double xMin, double yMin, double lines,
                         double pixelSize, VectorCell& cell) {
  const double line = lines - (y - yMin) / pixelSize;
  const double column = (x - xMin) / pixelSize;
  if (!std::isfinite(line) || !std::isfinite(column)) return false;
  if (std::fabs(line) > kFarthestVectorCell || std::fabs(column) > kFarthestVectorCell) {
    return false;
  }
  cell = {RoundHalfUp(line), RoundHalfUp(column)};
  return true;
}

// The cells a polyline segment passes through after its start: n steps, n being the
// longer of its line and column extents, each step moving one cell along the longer
// axis and a fraction along the other, rounded half up. The walk always ends after its
// n steps, whatever rounding does to the last position. `visit(line, column)` sees every step's
// cell, the end cell included.
template <typename Visit>
void WalkSegment(VectorCell from, VectorCell to, Visit&& visit) {
  const int lineExtent = to.line - from.line;
  const int columnExtent = to.column - from.column;
  const int steps = std::max(std::abs(lineExtent), std::abs(columnExtent));
  if (steps == 0) return;
  const double lineStep = static_cast<double>(lineExtent) / steps;
  const double columnStep = static_cast<double>(columnExtent) / steps;
  double line = from.line;
  double column = from.column;
  for (int step = 0; step < steps; ++step) {
    line += lineStep;
    column += columnStep;
    visit(RoundHalfUp(line), RoundHalfUp(column));
  }
}

}  // namespace zelmaro
