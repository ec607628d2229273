#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "core/Grid.h"
#include "interp/SurfaceGalerkin.h"
#include "interp/SurfaceKernels.h"
#include "interp/SurfaceStencil.h"

namespace zelmaro {

// The grids of a multigrid for the normal equations of the surface energy
// (SurfaceStencil.h) with some cells held, and the V-cycle that serves the conjugate
// gradients as preconditioner (SurfaceSolver.h).
//
// Each coarser grid halves the lines and the columns (a side of 3 cells or fewer is
// kept). Its operator is the Galerkin product of the finer one (SurfaceGalerkin.h),
// built from interpolations that leave the held cells at 0: so the coarse grids know
// where the lines run, which a coarse grid that discretises the energy again does not,
// and a coarse correction neither crosses a line nor misses the cells along it.
//
// The smoother is Gauss-Seidel in one fixed order: the grid is cut into bands of lines,
// every even band is swept line by line and cell by cell, then every odd band. The
// stencils reach 2 cells, less than a band, so the bands of one parity never read each
// other and are swept in parallel with a result that does not depend on the number of
// threads. (Red-black ordering, the usual parallel order, does not serve: the 13-point
// stencil couples cells of the same colour.) Forward before the coarse correction and
// backward after it, the V-cycle is symmetric, as conjugate gradients need.
class SurfaceMultigrid {
 public:
  // `held` is 1 at the cells whose value is given.
  SurfaceMultigrid(ByteGrid held, double tension);

  std::size_t LevelCount() const { return levels_.size(); }
  int Lines(std::size_t level) const { return levels_[level].lines; }
  int Columns(std::size_t level) const { return levels_[level].columns; }
  const ByteGrid& Held() const { return held_; }
  // The right side kept for grid `level` >= 1 by the full multigrid; the V-cycles of
  // finer grids overwrite it.
  FloatGrid& RightSide(std::size_t level) { return levels_[level].rightSide; }

  // out := right - A in at the cells of grid `level` that take part, 0 at the others;
  // no `right` counts as zero.
  void Residual(std::size_t level, const FloatGrid& in, const FloatGrid* right,
                FloatGrid& out) const;

  // z := B r, B being one V-cycle from zero for A z = r on grid `level` (held cells
  // stay 0). `scratch` is a grid of that size, overwritten.
  void Precondition(std::size_t level, const FloatGrid& r, FloatGrid& z, FloatGrid& scratch);

  // coarse := R fine, from grid `level` to grid `level` + 1.
  void Restrict(std::size_t level, const FloatGrid& fine, FloatGrid& coarse) const;
  // fine += P coarse at the cells of grid `level` that take part.
  void AddInterpolated(std::size_t level, const FloatGrid& coarse, FloatGrid& fine) const;

 private:
  struct Level {
    int lines = 0;
    int columns = 0;
    bool halvesLines = false;  // whether the next coarser grid halves the lines
    bool halvesColumns = false;
    CoarseOperator op;  // on the coarser grids
    surface_kernels::MirrorStencil regular;
    // The correction, its right side and its residual, on the coarser grids.
    FloatGrid values;
    FloatGrid rightSide;
    FloatGrid residual;
  };

  const CellStencil& GivenStencil(int line, int column) const;
  FinerOperator GivenOperator(ByteGrid& irregular) const;
  FinerOperator CoarseFinerOperator(std::size_t level, ByteGrid& irregular) const;
  void SmoothGivenLines(FloatGrid& values, const FloatGrid& right, int first, int last,
                        bool forward) const;
  void SmoothCoarseLines(const Level& level, FloatGrid& values, const FloatGrid& right, int first,
                         int last, bool forward) const;
  void GivenResidual(const FloatGrid& in, const FloatGrid* right, FloatGrid& out) const;
  void Smooth(std::size_t level, FloatGrid& values, const FloatGrid& right, bool forward) const;
  void VCycle(std::size_t level, FloatGrid& values, const FloatGrid& right, FloatGrid& residual);

  ByteGrid held_;
  // The rows of the given grid's cells by their distances to the edges (each capped at
  // 2): the 13-point stencil inside, its natural cut at the edges.
  std::array<CellStencil, 81> givenStencils_;
  std::vector<Level> levels_;
};

}  // namespace zelmaro
