#include "interp/SurfaceStencil.h"

namespace zelmaro {
namespace {

// One difference of the energy: its cells (offsets from its first cell) with their
// signs.
struct Difference {
  int cellCount;
  std::array<std::array<int, 3>, 4> cells;  // line, column, sign
};

constexpr Difference kSecondAlongLine{3, {{{0, 0, 1}, {0, 1, -2}, {0, 2, 1}, {0, 0, 0}}}};
constexpr Difference kSecondAlongColumn{3, {{{0, 0, 1}, {1, 0, -2}, {2, 0, 1}, {0, 0, 0}}}};
constexpr Difference kMixed{4, {{{0, 0, 1}, {0, 1, -1}, {1, 0, -1}, {1, 1, 1}}}};
constexpr Difference kFirstAlongLine{2, {{{0, 0, -1}, {0, 1, 1}, {0, 0, 0}, {0, 0, 0}}}};
constexpr Difference kFirstAlongColumn{2, {{{0, 0, -1}, {1, 0, 1}, {0, 0, 0}, {0, 0, 0}}}};

// Adds weight x d(cell) x d(other) for every placement of `difference` that holds the
// cell and lies wholly in the grid.
void AddDifference(CellStencil& stencil, const Difference& difference, double weight, int lines,
                   int columns, int line, int column) {
  if (weight == 0.0) return;
  for (int k = 0; k < difference.cellCount; ++k) {
    // The placement whose k-th cell is the cell of the row.
    const int firstLine = line - difference.cells[k][0];
    const int firstColumn = column - difference.cells[k][1];
    bool inside = true;
    for (int m = 0; m < difference.cellCount; ++m) {
      const int l = firstLine + difference.cells[m][0];
      const int c = firstColumn + difference.cells[m][1];
      inside = inside && l >= 0 && c >= 0 && l < lines && c < columns;
    }
    if (!inside) continue;
    const int own = difference.cells[k][2];
    for (int m = 0; m < difference.cellCount; ++m) {
      stencil(firstLine + difference.cells[m][0] - line,
              firstColumn + difference.cells[m][1] - column) +=
          weight * own * difference.cells[m][2];
    }
  }
}

}  // namespace

SurfaceWeights WeightsForSpacing(double tension, double spacingX, double spacingY) {
  const double x2 = spacingX * spacingX;
  const double y2 = spacingY * spacingY;
  SurfaceWeights weights;
  weights.curvatureX = (1.0 - tension) / (x2 * x2);
  weights.curvatureY = (1.0 - tension) / (y2 * y2);
  weights.twist = 2.0 * (1.0 - tension) / (x2 * y2);
  weights.gradientX = tension / x2;
  weights.gradientY = tension / y2;
  return weights;
}

CellStencil StencilOfCell(const SurfaceWeights& weights, int lines, int columns, int line,
                          int column) {
  CellStencil stencil;
  AddDifference(stencil, kSecondAlongLine, weights.curvatureX, lines, columns, line, column);
  AddDifference(stencil, kSecondAlongColumn, weights.curvatureY, lines, columns, line, column);
  AddDifference(stencil, kMixed, weights.twist, lines, columns, line, column);
  AddDifference(stencil, kFirstAlongLine, weights.gradientX, lines, columns, line, column);
  AddDifference(stencil, kFirstAlongColumn, weights.gradientY, lines, columns, line, column);
  return stencil;
}

}  // namespace zelmaro
