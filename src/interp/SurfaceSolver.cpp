#include "interp/SurfaceSolver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

#include "interp/GridLines.h"

namespace zelmaro {
namespace {

// Conjugate-gradient iterations on each coarser grid of the full multigrid: enough for
// a first guess, the given grid's own iterations do the rest.
constexpr int kIterationsPerCoarserGrid = 1;

// a . b, summed line by line in double precision, in four running sums that the
// processor keeps apart, and the lines in order: the sum does not depend on the number
// of threads.
double Dot(const FloatGrid& a, const FloatGrid& b) {
  std::vector<double> lineSums(static_cast<std::size_t>(a.Lines()), 0.0);
  ForGridLines(a.Lines(), a.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      const float* aRow = a[i];
      const float* bRow = b[i];
      std::array<double, 4> sums{};
      int j = 0;
      for (; j + 4 <= a.Columns(); j += 4) {
        for (int k = 0; k < 4; ++k) sums[k] += static_cast<double>(aRow[j + k]) * bRow[j + k];
      }
      for (; j < a.Columns(); ++j) sums[0] += static_cast<double>(aRow[j]) * bRow[j];
      lineSums[static_cast<std::size_t>(i)] = (sums[0] + sums[1]) + (sums[2] + sums[3]);
    }
  });
  return std::accumulate(lineSums.begin(), lineSums.end(), 0.0);
}

// x += alpha p and r += alpha q; returns the largest change of x among the cells that
// end within (or near) the ranges of their regions; all cells without regions.
float Step(FloatGrid& x, FloatGrid& r, const FloatGrid& p, const FloatGrid& q, float alpha,
           const SurfaceRegions* regions) {
  std::vector<float> lineChanges(static_cast<std::size_t>(x.Lines()), 0.0f);
  ForGridLines(x.Lines(), x.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      float* xRow = x[i];
      float* rRow = r[i];
      const float* pRow = p[i];
      const float* qRow = q[i];
      float largest = 0.0f;
      for (int j = 0; j < x.Columns(); ++j) {
        const float change = alpha * pRow[j];
        xRow[j] += change;
        rRow[j] += alpha * qRow[j];
      }
      if (regions == nullptr) {
        for (int j = 0; j < x.Columns(); ++j) {
          largest = std::max(largest, std::abs(alpha * pRow[j]));
        }
      } else {
        const std::uint16_t* labels = regions->region[i];
        for (int j = 0; j < x.Columns(); ++j) {
          if (labels[j] == SurfaceRegions::kHeld) continue;
          const ValueRange& range = regions->ranges[labels[j]];
          // A quarter of an interval past its range, a cell is taken to stay beyond it.
          if (xRow[j] < range.lowest - 0.25f || xRow[j] > range.highest + 0.25f) continue;
          largest = std::max(largest, std::abs(alpha * pRow[j]));
        }
      }
      lineChanges[static_cast<std::size_t>(i)] = largest;
    }
  });
  return *std::max_element(lineChanges.begin(), lineChanges.end());
}

// p := z + beta p.
void NextDirection(FloatGrid& p, const FloatGrid& z, float beta) {
  ForGridLines(p.Lines(), p.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      float* pRow = p[i];
      const float* zRow = z[i];
      for (int j = 0; j < p.Columns(); ++j) pRow[j] = zRow[j] + beta * pRow[j];
    }
  });
}

// Preconditioned conjugate gradients for A x = right (0 when not given) at the cells of
// grid `level` that take part, the held cells of x given. Stops once an iteration changes
// no counted cell by `tolerance`.
int ConjugateGradients(SurfaceMultigrid& multigrid, std::size_t level, FloatGrid& x,
                       const FloatGrid* right, double tolerance, const SurfaceRegions* regions,
                       int maxIterations, const Progress& progress,
                       SurfaceSolver::Workspace& work) {
  const int lines = x.Lines();
  const int columns = x.Columns();
  for (FloatGrid* grid : {&work.r, &work.z, &work.q, &work.p}) {
    if (grid->Lines() != lines || grid->Columns() != columns) *grid = FloatGrid(lines, columns);
  }
  FloatGrid& r = work.r;
  FloatGrid& z = work.z;
  FloatGrid& q = work.q;
  FloatGrid& p = work.p;
  multigrid.Residual(level, x, right, r);
  multigrid.Precondition(level, r, z, q);
  double rho = Dot(r, z);
  p.Cells() = z.Cells();
  double firstChange = 0.0;
  for (int iteration = 1; iteration <= maxIterations; ++iteration) {
    multigrid.Residual(level, p, nullptr, q);  // q = -A p
    const double curvature = -Dot(p, q);
    if (!(rho > 0.0) || !(curvature > 0.0)) return iteration - 1;  // nothing left to solve
    const double change = Step(x, r, p, q, static_cast<float>(rho / curvature), regions);
    if (change < tolerance) {
      progress.Report(1.0);
      return iteration;
    }
    if (iteration == 1) firstChange = change;
    // The change falls about geometrically: the share of its way down to the tolerance.
    const double span = std::log(std::max(firstChange, tolerance * 1.0001) / tolerance);
    progress.Report(std::log(std::max(firstChange, change) / change) / span);
    if (iteration == maxIterations) break;  // no next direction is needed
    multigrid.Precondition(level, r, z, q);
    const double nextRho = Dot(r, z);
    NextDirection(p, z, static_cast<float>(nextRho / rho));
    rho = nextRho;
  }
  return maxIterations;
}

}  // namespace

SurfaceSolver::SurfaceSolver(ByteGrid held, FloatGrid values, double tension)
    : multigrid_(std::move(held), tension), values_(std::move(values)) {}

void SurfaceSolver::FullMultigrid(const Progress& progress) {
  const std::size_t levelCount = multigrid_.LevelCount();
  if (levelCount < 2) return;
  // The free cells start at 0; the held ones give the right side of the rest, which
  // every coarser grid receives averaged.
  const ByteGrid& held = multigrid_.Held();
  ForGridLines(held.Lines(), held.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      for (int j = 0; j < held.Columns(); ++j) {
        if (held[i][j] == 0) values_[i][j] = 0.0f;
      }
    }
  });
  {
    FloatGrid right(values_.Lines(), values_.Columns());
    multigrid_.Residual(0, values_, nullptr, right);
    multigrid_.Restrict(0, right, multigrid_.RightSide(1));
  }
  for (std::size_t level = 1; level + 1 < levelCount; ++level) {
    multigrid_.Restrict(level, multigrid_.RightSide(level), multigrid_.RightSide(level + 1));
  }
  // Each grid's solution, interpolated, starts the next finer one.
  double totalCells = 0.0;
  for (std::size_t level = 1; level < levelCount; ++level) {
    totalCells += static_cast<double>(multigrid_.Lines(level)) * multigrid_.Columns(level);
  }
  double doneCells = 0.0;
  FloatGrid solution;
  Workspace work;
  for (std::size_t level = levelCount - 1; level >= 1; --level) {
    FloatGrid start(multigrid_.Lines(level), multigrid_.Columns(level));
    if (!solution.Empty()) multigrid_.AddInterpolated(level, solution, start);
    solution = std::move(start);
    ConjugateGradients(multigrid_, level, solution, &multigrid_.RightSide(level), 0.0, nullptr,
                       kIterationsPerCoarserGrid, {}, work);
    doneCells += static_cast<double>(solution.CellCount());
    progress.Report(doneCells / totalCells);
  }
  multigrid_.AddInterpolated(0, solution, values_);
}

int SurfaceSolver::Iterate(double tolerance, const SurfaceRegions* regions, int maxIterations,
                           const Progress& progress) {
  return ConjugateGradients(multigrid_, 0, values_, nullptr, tolerance, regions, maxIterations,
                            progress, work_);
}

}  // namespace zelmaro
