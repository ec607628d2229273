#pragma once

#include <cstdint>

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"

namespace zelmaro {

// The largest Range: degree 2 x 16 + 1 = 33 is the last whose binomial coefficients
// fit a signed 32-bit integer.
inline constexpr std::int32_t kMaxSmoothingRange = 16;

// n!: 1 for n = 0, 0 for a negative n, computed in extended precision.
long double Factorial(int n);

// n over k, rounded from the factorials.
std::int32_t BinomialCoefficient(int k, int n);

// The value at column x, line y of the Bezier surface of degree n whose control points
// are the (n + 1) x (n + 1) cells of the window around the cell, the window slid back
// inside the grid at its borders. Weights and row sums are single precision, the final
// sum double. Throws Error when the grid is smaller than the window.
double BezierWindowValue(const IntGrid& demGrid, double x, double y, int n);

// The grid whose cells in lines firstLine..lastLine and columns firstColumn..lastColumn
// are BezierWindowValue of degree n truncated toward zero, all computed from demGrid;
// the other cells keep demGrid's values. The weights are computed once per window
// position and the rows once per line, so the cost per cell grows with n, not n squared;
// the lines are shared among the threads, each sum kept in the order of one window.
IntGrid BezierSmoothedGrid(const IntGrid& demGrid, int n, int firstLine, int lastLine,
                           int firstColumn, int lastColumn, const Progress& progress = {});

// Throws Error, naming the limit, when the range is below 0, above 16, or the grid has
// fewer than 2 x range + 2 lines or columns.
void CheckSmoothingRange(const IntGrid& demGrid, std::int32_t range);

// The DEM whose cells at least `range` cells away from the borders are smoothed (degree
// 2 x range + 1); the border strips are kept. Throws Error as CheckSmoothingRange.
IntGrid SmoothDem(const IntGrid& demGrid, std::int32_t range, const Progress& progress = {});

// The same in place of the session's DemGrid. DemMin and DemMax are not recomputed.
// Nothing changes when the range is refused or the smoothing cancelled.
void SmoothDem(SessionState& session, std::int32_t range, const Progress& progress = {});

}  // namespace zelmaro
