#pragma once

#include "core/Grid.h"
#include "core/Progress.h"
#include "interp/SurfaceMultigrid.h"
#include "interp/SurfaceRegions.h"

namespace zelmaro {

// The surface through the held cells: the normal equations of the surface energy
// solved by conjugate gradients preconditioned with a multigrid V-cycle, started from
// the full multigrid (each coarser grid's solution, interpolated, starts the next finer
// grid). The conjugate gradients take out the few error shapes that the V-cycle alone
// reduces slowly (where lines are dense, or along the free edges of the grid).
class SurfaceSolver {
 public:
  // `held` is 1 where `values` gives the value; elsewhere `values` is the first guess.
  // Both have the same size and at least one cell is held.
  SurfaceSolver(ByteGrid held, FloatGrid values, double tension);

  // Solves every coarser grid in turn, from the coarsest, for the first guess of the
  // free cells.
  void FullMultigrid(const Progress& progress);

  // Iterates on the given grid until no cell changes by `tolerance` or more in an
  // iteration, or `maxIterations` have run; reports after each iteration. With
  // `regions`, a cell a quarter of an interval or more beyond the range of its region
  // does not count: it will be clamped. Returns the number of iterations.
  int Iterate(double tolerance, const SurfaceRegions* regions, int maxIterations,
              const Progress& progress);

  // The held cells as given, the others as solved so far. A held cell's value may be
  // changed between two calls.
  FloatGrid& Values() { return values_; }
  const ByteGrid& Held() const { return multigrid_.Held(); }

  // The vectors of the conjugate gradients, kept from one solve to the next.
  struct Workspace {
    FloatGrid r;
    FloatGrid z;
    FloatGrid q;
    FloatGrid p;
  };

 private:
  SurfaceMultigrid multigrid_;
  FloatGrid values_;
  Workspace work_;
};

}  // namespace zelmaro
