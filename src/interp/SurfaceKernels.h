#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/Grid.h"
#include "interp/SurfaceGalerkin.h"
#include "interp/SurfaceStencil.h"

// The inner loops of the surface multigrid: a row of an operator applied to a grid, but
// for the cell itself. Used by SurfaceMultigrid.cpp alone.
namespace zelmaro::surface_kernels {

// The class of a cell's distance to the two ends of an axis, each capped at 2.
inline int DistanceClass(int index, int count) {
  return std::min(index, 2) * 3 + std::min(count - 1 - index, 2);
}

// A row of the given grid near an edge, where its coefficients past the grid are 0.
inline double EdgeNeighbourSum(const CellStencil& stencil, const FloatGrid& values, int line,
                               int column) {
  double sum = 0.0;
  for (int dl = -2; dl <= 2; ++dl) {
    for (int dc = -2; dc <= 2; ++dc) {
      const double coefficient = stencil(dl, dc);
      if (coefficient == 0.0 || (dl == 0 && dc == 0)) continue;
      sum += coefficient * values[line + dl][column + dc];
    }
  }
  return sum;
}

// The 13-point stencil of the given grid away from its edges.
struct InteriorStencil {
  float centre;
  float nearX;  // the 4-neighbours along the line
  float nearY;
  float diagonal;
  float farX;  // two cells away along the line
  float farY;

  explicit InteriorStencil(const CellStencil& stencil)
      : centre(static_cast<float>(stencil(0, 0))),
        nearX(static_cast<float>(stencil(0, 1))),
        nearY(static_cast<float>(stencil(1, 0))),
        diagonal(static_cast<float>(stencil(1, 1))),
        farX(static_cast<float>(stencil(0, 2))),
        farY(static_cast<float>(stencil(2, 0))) {}

  // The sum around the cell `at` of a grid whose lines are `stride` cells apart. The left
  // neighbour comes last: in a sweep along the line it is the value just computed, and
  // the rest of the sum need not wait for it.
  float NeighbourSum(const float* at, std::ptrdiff_t stride) const {
    const float rest =
        nearY * (at[-stride] + at[stride]) +
        diagonal * (at[-stride - 1] + at[-stride + 1] + at[stride - 1] + at[stride + 1]) +
        farY * (at[-2 * stride] + at[2 * stride]) + farX * (at[-2] + at[2]) + nearX * at[1];
    return rest + nearX * at[-1];
  }

  // The whole row applied at column j, the five lines around the cell given, as a sum of
  // the neighbours' differences from the cell: the row sums to 0, so this is exact for a
  // constant whatever the rounding of the coefficients, and a smooth surface gives small
  // differences instead of large terms that cancel. Summed as centre x + neighbours, a
  // 4000-cell map lost the slow shapes of its solution to rounding.
  float Apply(const float* up2, const float* up, const float* row, const float* down,
              const float* down2, int j) const {
    const float own = row[j];
    const auto pair = [own](float a, float b) { return (a - own) + (b - own); };
    return nearY * pair(up[j], down[j]) +
           diagonal * (pair(up[j - 1], up[j + 1]) + pair(down[j - 1], down[j + 1])) +
           farY * pair(up2[j], down2[j]) + farX * pair(row[j - 2], row[j + 2]) +
           nearX * pair(row[j - 1], row[j + 1]);
  }
};

// The regular stencil of a coarser grid: unchanged by the reflections of the lines and
// the columns, so each coefficient serves its mirror images.
struct MirrorStencil {
  float centre = 0.0f;
  float inverse = 0.0f;                           // 1 / centre
  std::array<std::array<float, 3>, 3> quarter{};  // [line offset][column offset], 0 to 2

  MirrorStencil() = default;
  explicit MirrorStencil(const std::array<float, 25>& stencil) {
    centre = stencil[StencilIndex(0, 0)];
    inverse = centre > 0.0f ? 1.0f / centre : 0.0f;
    for (int dl = 0; dl <= 2; ++dl) {
      for (int dc = 0; dc <= 2; ++dc) quarter[dl][dc] = stencil[StencilIndex(dl, dc)];
    }
  }

  // The sum around the cell `at` of a grid whose lines are `stride` cells apart, the
  // left neighbour last, as for the given grid's stencil.
  float NeighbourSum(const float* at, std::ptrdiff_t stride) const {
    const float* up2 = at - 2 * stride;
    const float* up = at - stride;
    const float* down = at + stride;
    const float* down2 = at + 2 * stride;
    const auto pair = [](const float* a, const float* b, int dc) {
      return a[-dc] + a[dc] + b[-dc] + b[dc];
    };
    const float rest = quarter[1][0] * (*up + *down) + quarter[1][1] * pair(up, down, 1) +
                       quarter[1][2] * pair(up, down, 2) + quarter[2][0] * (*up2 + *down2) +
                       quarter[2][1] * pair(up2, down2, 1) + quarter[2][2] * pair(up2, down2, 2) +
                       quarter[0][2] * (at[-2] + at[2]) + quarter[0][1] * at[1];
    return rest + quarter[0][1] * at[-1];
  }

  float NeighbourSum(const FloatGrid& values, int line, int j) const {
    return NeighbourSum(values[line] + j, values.Columns());
  }
};

// A stencil of its own on a coarser grid, which may reach past the grid where its
// coefficients are 0.
inline float OwnNeighbourSum(const std::array<float, 25>& stencil, const FloatGrid& values,
                             int line, int column) {
  const bool inside =
      line >= 2 && column >= 2 && line + 2 < values.Lines() && column + 2 < values.Columns();
  if (inside) {
    // Line by line in sums of their own, the cell's own line last and its left neighbour
    // last of all: the chains of additions are short and run side by side, and only the
    // last addition waits for the value a sweep has just computed.
    const auto lineSum = [&](int dl) {
      const float* row = values[line + dl] + column;
      const float* c = stencil.data() + StencilIndex(dl, 0);
      return (c[-2] * row[-2] + c[-1] * row[-1]) +
             (c[0] * row[0] + (c[1] * row[1] + c[2] * row[2]));
    };
    const float* own = values[line] + column;
    const float* c = stencil.data() + StencilIndex(0, 0);
    const float rest = ((lineSum(-2) + lineSum(-1)) + (lineSum(1) + lineSum(2))) +
                       (c[-2] * own[-2] + (c[1] * own[1] + c[2] * own[2]));
    return rest + c[-1] * own[-1];
  }
  float sum = 0.0f;
  for (int dl = -2; dl <= 2; ++dl) {
    const int i = line + dl;
    if (i < 0 || i >= values.Lines()) continue;
    const float* row = values[i];
    const float* coefficients = stencil.data() + StencilIndex(dl, 0);
    for (int dc = -2; dc <= 2; ++dc) {
      const int j = column + dc;
      if ((dl == 0 && dc == 0) || j < 0 || j >= values.Columns()) continue;
      sum += coefficients[dc] * row[j];
    }
  }
  return sum;
}

}  // namespace zelmaro::surface_kernels
