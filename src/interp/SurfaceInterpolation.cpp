#include "interp/SurfaceInterpolation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/Error.h"
#include "interp/Dilation.h"
#include "interp/GridLines.h"
#include "interp/SurfaceRegions.h"
#include "interp/SurfaceSolver.h"

namespace zelmaro {
namespace {

// The solution is good enough once an iteration moves no cell by a thousandth of the
// level interval. The cap only guards against a map on which the solver would crawl.
constexpr double kTolerance = 0.001;
// A first solve that only gives the slopes for the sub-pixel correction may stop earlier:
// the second solve goes down to kTolerance, and slopes from a first solve stopped at a
// hundredth of an interval give the same accuracy to the millimetre as those of an exact
// one on the bundled example and on a coarser map made from its true surface.
constexpr double kSlopeTolerance = 0.01;
constexpr int kMostIterations = 400;
// The correction never lifts a contour cell by more than half an interval: its true
// altitude is below the next level.
constexpr double kLargestLift = 0.5;

// The seeded DEM in the solver's terms: held cells and their values in level intervals
// from the middle level.
struct SurfaceProblem {
  ByteGrid held;
  FloatGrid values;
  std::vector<std::int32_t> levels;  // the distinct altitudes of the contour cells
  double base = 0.0;
  double interval = 1.0;
  bool anyFree = false;
};

SurfaceProblem MakeProblem(const IntGrid& seeded) {
  SurfaceProblem problem;
  // The distinct altitudes, line by line in parallel, then together.
  std::vector<std::set<std::int32_t>> lineLevels(static_cast<std::size_t>(seeded.Lines()));
  std::vector<char> lineHasFree(static_cast<std::size_t>(seeded.Lines()), 0);
  ForGridLines(seeded.Lines(), seeded.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      std::int32_t last = NoAltitude;
      for (int j = 0; j < seeded.Columns(); ++j) {
        const std::int32_t value = seeded[i][j];
        if (value == NoAltitude) {
          lineHasFree[static_cast<std::size_t>(i)] = 1;
        } else if (value != last) {
          lineLevels[static_cast<std::size_t>(i)].insert(value);
          last = value;
        }
      }
    }
  });
  std::set<std::int32_t> levels;
  for (const auto& line : lineLevels) levels.insert(line.begin(), line.end());
  problem.anyFree = std::find(lineHasFree.begin(), lineHasFree.end(), 1) != lineHasFree.end();
  if (levels.empty()) {
    throw Error(
        "No cell of the contour-line image has a code with an altitude: there is no line to "
        "interpolate between.");
  }
  problem.levels.assign(levels.begin(), levels.end());
  problem.base = problem.levels.front();
  if (problem.levels.size() > 1) {
    problem.interval = std::numeric_limits<double>::max();
    for (std::size_t k = 1; k < problem.levels.size(); ++k) {
      problem.interval = std::min(problem.interval,
                                  static_cast<double>(problem.levels[k]) - problem.levels[k - 1]);
    }
    problem.base = 0.5 * (static_cast<double>(problem.levels.front()) + problem.levels.back());
  }
  problem.held = ByteGrid(seeded.Lines(), seeded.Columns());
  problem.values = FloatGrid(seeded.Lines(), seeded.Columns());
  ForGridLines(seeded.Lines(), seeded.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      for (int j = 0; j < seeded.Columns(); ++j) {
        const std::int32_t value = seeded[i][j];
        if (value == NoAltitude) continue;
        problem.held[i][j] = 1;
        problem.values[i][j] = static_cast<float>((value - problem.base) / problem.interval);
      }
    }
  });
  return problem;
}

// Lifts every held cell by half the slope of the solution there, in level intervals per
// cell: the expected rise from the level to the cell's own altitude. All slopes are
// taken before any cell is lifted.
void LiftHeldCells(FloatGrid& values, const ByteGrid& held) {
  const int lines = values.Lines();
  const int columns = values.Columns();
  const auto slopeAlong = [](const float* before, const float* after, float own) -> double {
    if (before != nullptr && after != nullptr) return 0.5 * (*after - *before);
    if (after != nullptr) return *after - own;
    if (before != nullptr) return own - *before;
    return 0.0;
  };
  std::vector<std::vector<float>> lifts(static_cast<std::size_t>(lines));
  ForGridLines(lines, columns, [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      for (int j = 0; j < columns; ++j) {
        if (held[i][j] == 0) continue;
        const float own = values[i][j];
        const double alongLine = slopeAlong(j > 0 ? &values[i][j - 1] : nullptr,
                                            j + 1 < columns ? &values[i][j + 1] : nullptr, own);
        const double alongColumn = slopeAlong(i > 0 ? &values[i - 1][j] : nullptr,
                                              i + 1 < lines ? &values[i + 1][j] : nullptr, own);
        lifts[static_cast<std::size_t>(i)].push_back(
            static_cast<float>(std::min(0.5 * std::hypot(alongLine, alongColumn), kLargestLift)));
      }
    }
  });
  ForGridLines(lines, columns, [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      auto next = lifts[static_cast<std::size_t>(i)].begin();
      for (int j = 0; j < columns; ++j) {
        if (held[i][j] != 0) values[i][j] += *next++;
      }
    }
  });
}

SurfaceSolution Solve(SurfaceProblem problem, const SurfaceParameters& parameters,
                      const Progress& progress) {
  SurfaceSolution solution;
  solution.Base = problem.base;
  solution.Interval = problem.interval;
  if (problem.levels.size() == 1 || !problem.anyFree) {
    // One level gives a flat surface at it, a map of lines only gives them back.
    solution.Levels = std::move(problem.values);
    progress.Report(1.0);
    return solution;
  }
  // The ranges the map allows each region of free cells; a cell that will be clamped to
  // its range does not keep the solver going (the far corners beyond the outermost
  // lines, where the surface is held least, converge slowest).
  const SurfaceRegions regions = FindRegions(problem.held, problem.values);
  SurfaceSolver solver(std::move(problem.held), std::move(problem.values), parameters.Tension);
  const double firstShare = parameters.SubPixelCorrection ? 0.55 : 1.0;
  solver.FullMultigrid(progress.Part(0.0, 0.15 * firstShare));
  solution.Iterations =
      solver.Iterate(parameters.SubPixelCorrection ? kSlopeTolerance : kTolerance, &regions,
                     kMostIterations, progress.Part(0.15 * firstShare, firstShare));
  if (parameters.SubPixelCorrection) {
    LiftHeldCells(solver.Values(), solver.Held());
    solution.Iterations +=
        solver.Iterate(kTolerance, &regions, kMostIterations, progress.Part(firstShare, 1.0));
  }
  solution.Levels = std::move(solver.Values());
  FloatGrid& levels = solution.Levels;
  ForGridLines(levels.Lines(), levels.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      for (int j = 0; j < levels.Columns(); ++j) {
        if (regions.region[i][j] == SurfaceRegions::kHeld) continue;
        const ValueRange& range = regions.RangeOf(i, j);
        levels[i][j] = std::clamp(levels[i][j], range.lowest, range.highest);
      }
    }
  });
  return solution;
}

IntGrid RoundedDem(const SurfaceSolution& solution) {
  IntGrid dem(solution.Levels.Lines(), solution.Levels.Columns());
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  ForGridLines(dem.Lines(), dem.Columns(), [&](int begin, int end) {
    for (int i = begin; i < end; ++i) {
      for (int j = 0; j < dem.Columns(); ++j) {
        // Half up: the program's rounding of every positive altitude, without
        // truncation's pull of negative ones toward zero.
        const double rounded = std::floor(solution.Altitude(i, j) + 0.5);
        dem[i][j] = static_cast<std::int32_t>(std::clamp(rounded, kLowest, kHighest));
      }
    }
  });
  return dem;
}

}  // namespace

void CheckSurfaceParameters(const SurfaceParameters& parameters) {
  if (!(parameters.Tension >= 0.0 && parameters.Tension <= 1.0)) {
    std::ostringstream text;
    text << "The tension of the surface interpolation must be a number from 0 to 1, not "
         << parameters.Tension << ".";
    throw Error(text.str());
  }
}

SurfaceSolution SolveSurface(const IntGrid& seeded, const SurfaceParameters& parameters,
                             const Progress& progress) {
  CheckSurfaceParameters(parameters);
  return Solve(MakeProblem(seeded), parameters, progress);
}

IntGrid InterpolateSurface(const IntGrid& seeded, const SurfaceParameters& parameters,
                           const Progress& progress) {
  return RoundedDem(SolveSurface(seeded, parameters, progress));
}

int SurfaceInterpolation(SessionState& session, std::int32_t scaleInFactor,
                         std::int32_t scaleOutFactor, const SurfaceParameters& parameters,
                         const Progress& progress) {
  CheckSurfaceParameters(parameters);
  // The seeds are made as the other interpolations make them, the session left alone
  // until the surface is done; they are let go before the solver needs the memory.
  SurfaceProblem problem = MakeProblem(SeededDemOf(session, scaleInFactor, scaleOutFactor));
  int iterations = 0;
  IntGrid dem;
  {
    const SurfaceSolution solution = Solve(std::move(problem), parameters, progress);
    iterations = solution.Iterations;
    dem = RoundedDem(solution);
  }
  const auto [lowest, highest] = std::minmax_element(dem.Cells().begin(), dem.Cells().end());
  session.DemMin = *lowest;
  session.DemMax = *highest;
  session.DemGrid = std::move(dem);
  return iterations;
}

}  // namespace zelmaro
