#pragma once

#include <array>

namespace zelmaro {

// The energy of a surface on a grid of cells, spacingX by spacingY fine cells apart:
//   (1 - T) x (sum of the squared second differences along the lines and the columns
//              + twice the sum of the squared mixed differences over the 2 x 2 blocks)
//   + T x (sum of the squared differences between 4-neighbours),
// each difference divided by its spacings, so that the energy of a coarse grid
// approximates that of the fine one. A difference is counted only where all its cells
// lie in the grid: that is what leaves the grid edges free (natural boundary
// conditions), so that a plane costs no curvature and the surface beyond the outermost
// lines goes on as they left it.
struct SurfaceWeights {
  double curvatureX = 0.0;  // (1 - T) / spacingX^4
  double curvatureY = 0.0;  // (1 - T) / spacingY^4
  double twist = 0.0;       // 2 (1 - T) / (spacingX^2 spacingY^2)
  double gradientX = 0.0;   // T / spacingX^2
  double gradientY = 0.0;   // T / spacingY^2
};

SurfaceWeights WeightsForSpacing(double tension, double spacingX, double spacingY);

// One row of the normal equations of the energy: the coefficients of a cell and of the
// cells of the 5 x 5 window around it. Far from the edges it is the 13-point
// biharmonic stencil weighted by 1 - T plus the 5-point Laplacian weighted by T.
struct CellStencil {
  std::array<double, 25> coefficient{};

  double& operator()(int lineOffset, int columnOffset) {
    return coefficient[(lineOffset + 2) * 5 + columnOffset + 2];
  }
  double operator()(int lineOffset, int columnOffset) const {
    return coefficient[(lineOffset + 2) * 5 + columnOffset + 2];
  }
};

// The row of the cell (line, column) of a grid of lines x columns: every difference of
// the energy that holds the cell, as far as it lies in the grid.
CellStencil StencilOfCell(const SurfaceWeights& weights, int lines, int columns, int line,
                          int column);

}  // namespace zelmaro
