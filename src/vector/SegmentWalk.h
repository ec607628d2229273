#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zelmaro {

// A cell of a raster drawn from vector data, in line and column.
struct VectorCell {
  int line = 0;
  int column = 0;
  bool operator==(const VectorCell&) const = default;
};

// The cells a walk may write, bounds included.
struct CellWindow {
  int firstLine = 0;
  int lastLine = 0;
  int firstColumn = 0;
  int lastColumn = 0;

  bool Contains(int line, int column) const {
    return line >= firstLine && line <= lastLine && column >= firstColumn && column <= lastColumn;
  }
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

// The value `value` holds after `count` times `value += step` in doubles, bit for bit,
// without making every addition: a walk that starts far outside the frame jumps to
// where it enters it and still rounds exactly as if it had stepped all the way.
double RepeatedSum(double value, double step, std::int64_t count);

// The steps (numbered 1 to `steps`) at which a walk along one axis, from `start` by
// `extent` cells in `steps` equal steps, may round into first..last: a slightly wider
// range, so that the rounding of the accumulated position never hides a cell.
struct StepRange {
  std::int64_t first = 1;
  std::int64_t last = 0;
};
StepRange StepsNear(int start, int extent, std::int64_t steps, int first, int last);

// The cells a polyline segment passes through after its start, as far as they lie in
// `window`: n steps, n being the longer of its line and column extents, each step moving
// one cell along the longer axis and a fraction along the other, rounded half up. The
// walk always ends after its n steps, whatever rounding does to the last position.
// `visit(line, column)` sees, in walk order, every step's cell inside the window, the end
// cell included. Only the steps near the window are made, so a segment from far outside
// costs what its crossing of the window costs; the cells are those of the step-by-step
// walk, positions accumulated addition after addition.
template <typename Visit>
void WalkSegment(VectorCell from, VectorCell to, const CellWindow& window, Visit&& visit) {
  const int lineExtent = to.line - from.line;
  const int columnExtent = to.column - from.column;
  const std::int64_t steps = std::max(std::abs(lineExtent), std::abs(columnExtent));
  if (steps == 0 || window.firstLine > window.lastLine || window.firstColumn > window.lastColumn) {
    return;
  }
  const StepRange byLine =
      StepsNear(from.line, lineExtent, steps, window.firstLine, window.lastLine);
  const StepRange byColumn =
      StepsNear(from.column, columnExtent, steps, window.firstColumn, window.lastColumn);
  const std::int64_t first = std::max(byLine.first, byColumn.first);
  const std::int64_t last = std::min(byLine.last, byColumn.last);
  if (first > last) return;
  const double lineStep = static_cast<double>(lineExtent) / static_cast<double>(steps);
  const double columnStep = static_cast<double>(columnExtent) / static_cast<double>(steps);
  double line = RepeatedSum(from.line, lineStep, first - 1);
  double column = RepeatedSum(from.column, columnStep, first - 1);
  for (std::int64_t step = first; step <= last; ++step) {
    line += lineStep;
    column += columnStep;
    const int cellLine = RoundHalfUp(line);
    const int cellColumn = RoundHalfUp(column);
    if (window.Contains(cellLine, cellColumn)) visit(cellLine, cellColumn);
  }
}

}  // namespace zelmaro
