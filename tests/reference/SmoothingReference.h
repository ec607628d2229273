#pragma once

#include <cstdint>

#include "core/Grid.h"

namespace zelmaro::reference {

// The smoothing exactly as first written: every call of the window evaluation builds
// its own weights, window and row sums.
long double Factorial(int n);
std::int32_t BinomialCoefficient(int k, int n);
double BezierWindowValue(const IntGrid& demGrid, double x, double y, int n);
// The smoothed DEM of the given range (no checks: the caller keeps the window inside).
IntGrid SmoothDem(const IntGrid& demGrid, std::int32_t range);

}  // namespace zelmaro::reference
