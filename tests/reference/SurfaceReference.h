#pragma once

#include "core/Grid.h"

namespace zelmaro::reference {

// The surface interpolation solved directly: the energy assembled difference by
// difference into a sparse matrix, the equations of the free cells factorised by a
// sparse Cholesky decomposition; with the correction, the held cells lifted by half the
// slope of that solution (at most half an interval) and the system solved again; then
// every region of free cells clamped between the levels it touches, or to one interval
// around its only level. Altitudes in the unit of the seeds. Expects at least two
// levels and one free cell.
DoubleGrid SurfaceAltitudes(const IntGrid& seeded, double tension, bool subPixelCorrection);

}  // namespace zelmaro::reference
