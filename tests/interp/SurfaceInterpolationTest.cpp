#include <gtest/gtest.h>
#include <tbb/global_control.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/Error.h"
#include "interp/Dilation.h"
#include "interp/SurfaceInterpolation.h"
#include "reference/SurfaceReference.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;

constexpr std::int32_t kInterval = 100;

// A contour map of a random smooth terrain: lines every 100 (a contour cell is a cell at
// or above the level with a 4-neighbour below it), seeded as SeedDemGrid seeds.
IntGrid RandomContours(int lines, int columns, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  DoubleGrid terrain(lines, columns);
  for (int wave = 0; wave < 3; ++wave) {
    const double amplitude = 150.0 + 150.0 * unit(random);
    const double alongLines = (unit(random) - 0.5) * 0.8;
    const double alongColumns = (unit(random) - 0.5) * 0.8;
    const double phase = 6.3 * unit(random);
    for (int i = 0; i < lines; ++i) {
      for (int j = 0; j < columns; ++j) {
        terrain[i][j] += amplitude * std::sin(alongLines * i + alongColumns * j + phase);
      }
    }
  }
  IntGrid seeded(lines, columns, NoAltitude);
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      const auto below = [&](int a, int b, double level) {
        return terrain.Contains(a, b) && terrain[a][b] < level;
      };
      const double level = std::floor(terrain[i][j] / kInterval) * kInterval;
      if (below(i - 1, j, level) || below(i + 1, j, level) || below(i, j - 1, level) ||
          below(i, j + 1, level)) {
        seeded[i][j] = static_cast<std::int32_t>(level);
      }
    }
  }
  return seeded;
}

int DistinctLevels(const IntGrid& seeded) {
  std::vector<std::int32_t> levels;
  for (const std::int32_t value : seeded.Cells()) {
    if (value != NoAltitude) levels.push_back(value);
  }
  std::sort(levels.begin(), levels.end());
  return static_cast<int>(std::unique(levels.begin(), levels.end()) - levels.begin());
}

IntGrid Seeded(const std::initializer_list<const char*>& rows,
               const std::initializer_list<std::int32_t>& altitudes) {
  SessionState session;
  session.ContourImage = CodesFromText(rows);
  session.WorkLines = session.ContourImage.Lines();
  session.WorkColumns = session.ContourImage.Columns();
  for (const std::int32_t altitude : altitudes)
    session.AltitudeTable[++session.AltitudeCount] = altitude;
  SeedDemGrid(session, 1, 1);
  return session.DemGrid;
}

TEST(SurfaceInterpolation, MultigridAgreesWithTheDirectSolveOnRandomMaps) {
  struct Size {
    int lines;
    int columns;
  };
  const std::vector<Size> sizes{{1, 40}, {6, 9}, {13, 10}, {21, 27}, {34, 33}};
  unsigned seed = 7;
  for (const Size size : sizes) {
    IntGrid seeded;
    do {
      seeded = RandomContours(size.lines, size.columns, seed++);
    } while (DistinctLevels(seeded) < 2);
    for (const double tension : {0.0, 0.1, 0.5, 1.0}) {
      for (const bool correction : {false, true}) {
        SCOPED_TRACE(std::to_string(size.lines) + " x " + std::to_string(size.columns) +
                     ", tension " + std::to_string(tension) + (correction ? ", corrected" : ""));
        const SurfaceSolution solution = SolveSurface(seeded, {tension, correction});
        const DoubleGrid expected = reference::SurfaceAltitudes(seeded, tension, correction);
        double largest = 0.0;
        for (int i = 0; i < size.lines; ++i) {
          for (int j = 0; j < size.columns; ++j) {
            largest = std::max(largest, std::abs(solution.Altitude(i, j) - expected[i][j]));
          }
        }
        EXPECT_LE(largest, 0.01 * kInterval);
      }
    }
  }
}

TEST(SurfaceInterpolation, UnusualMapsGiveTheDocumentedSurfaceOrAClearError) {
  const double notANumber = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    IntGrid seeded;
    double tension;
    std::string error;                // part of the message, when one is expected
    std::vector<std::int32_t> cells;  // otherwise the DEM, line by line
  };
  const std::vector<Case> cases{
      {"no contour cell", Seeded({"...", "..."}, {100}), 0.1, "no line to interpolate", {}},
      {"a single level is flat", Seeded({"1...", ".1..", "...."}, {250}), 0.1, "",
       std::vector<std::int32_t>(12, 250)},
      {"all cells on lines are kept as they are",
       Seeded({"112", "122"}, {100, 200}),
       0.1,
       "",
       {100, 100, 200, 100, 200, 200}},
      {"tension below 0", Seeded({"1.2"}, {100, 200}), -0.1, "tension", {}},
      {"tension above 1", Seeded({"1.2"}, {100, 200}), 1.5, "tension", {}},
      {"tension not a number", Seeded({"1.2"}, {100, 200}), notANumber, "tension", {}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    try {
      const IntGrid dem = InterpolateSurface(test.seeded, {test.tension, true});
      EXPECT_TRUE(test.error.empty());
      EXPECT_EQ(dem.Cells(), test.cells);
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(test.error), std::string::npos) << error.what();
      EXPECT_FALSE(test.error.empty());
    }
  }
}

TEST(SurfaceInterpolation, ARegionStaysWithinTheLevelsOfItsLines) {
  // Lines of 100, 300 and 200 in columns 0, 2 and 4. Beyond the line of 200 the surface
  // falls on as it came to it (by 75 a cell), but no lower than 100: there is no line of
  // 100 on that side. Between the lines of 100 and 300 it stays between them.
  const IntGrid dem = InterpolateSurface(Seeded({"1.2.3......"}, {100, 300, 200}), {0.0, false});
  EXPECT_EQ(dem[0][5], 125);
  for (int j = 6; j < 11; ++j) EXPECT_EQ(dem[0][j], 100) << j;
  for (int j = 0; j < 5; ++j) EXPECT_TRUE(dem[0][j] >= 100 && dem[0][j] <= 300) << j;
}

TEST(SurfaceInterpolation, AWideMapBetweenStraightLinesIsThePlaneThroughThem) {
  // Straight lines of 100, 300 and 500 in columns 100, 300 and 500 of a wide map: the
  // plane through them has no curvature, so the surface of least curvature is the plane,
  // altitude = column, to well within the solver's stop, beyond the outer lines too.
  // Rounding in the sums of the stencil shows on such widths as a sag between the lines.
  const int lines = 240;
  const int columns = 600;
  IntGrid seeded(lines, columns, NoAltitude);
  for (int i = 0; i < lines; ++i) {
    for (const int j : {100, 300, 500}) seeded[i][j] = j;
  }
  const SurfaceSolution solution = SolveSurface(seeded, {0.0, false});
  double largest = 0.0;
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      largest = std::max(largest, std::abs(solution.Altitude(i, j) - j));
    }
  }
  EXPECT_LT(largest, 0.01 * solution.Interval);
}

TEST(SurfaceInterpolation, BundledExampleKeepsItsLinesConvertsUnitsAndSetsTheRange) {
  SessionState session = testing::LoadVolcanoSession();
  SurfaceInterpolation(session, 1, 100, {kDefaultSurfaceTension, false});
  const IntGrid& dem = session.DemGrid;
  ASSERT_EQ(dem.Lines(), 366);
  const auto [lowest, highest] = std::minmax_element(dem.Cells().begin(), dem.Cells().end());
  EXPECT_EQ(session.DemMin, *lowest);
  EXPECT_EQ(session.DemMax, *highest);
  // Beyond the outermost lines (95 and 195 m) by one interval at most.
  EXPECT_GE(session.DemMin, 9000);
  EXPECT_LE(session.DemMax, 20000);
  SessionState corrected = testing::LoadVolcanoSession();
  SurfaceInterpolation(corrected, 1, 100, {kDefaultSurfaceTension, true});
  for (std::size_t cell = 0; cell < dem.CellCount(); ++cell) {
    const std::uint8_t code = session.ContourImage.Data()[cell];
    if (code == kBackgroundCode) continue;
    const std::int32_t seed = session.AltitudeTable[code] * 100;
    ASSERT_EQ(dem.Data()[cell], seed);
    // A contour cell lies at or above its level, by less than half an interval.
    ASSERT_GE(corrected.DemGrid.Data()[cell], seed);
    ASSERT_LE(corrected.DemGrid.Data()[cell], seed + 250);
  }
}

TEST(SurfaceInterpolation, FailureAndCancelLeaveTheSessionAsItWas) {
  SessionState session = testing::LoadVolcanoSession();
  session.DemGrid = IntGrid(2, 2, 7);
  session.DemMin = 7;
  session.DemMax = 7;
  const SessionState before = session;
  EXPECT_THROW(SurfaceInterpolation(session, 0, 100, {}), Error);
  EXPECT_THROW(SurfaceInterpolation(session, 1, 100, {2.0, true}), Error);
  int reports = 0;
  const Progress stopAtTheThirdReport([&reports](double) { return ++reports < 3; });
  EXPECT_THROW(SurfaceInterpolation(session, 1, 100, {}, stopAtTheThirdReport), CommandCancelled);
  EXPECT_EQ(reports, 3);
  EXPECT_TRUE(session.DemGrid == before.DemGrid);
  EXPECT_EQ(session.DemMin, 7);
  EXPECT_EQ(session.DemMax, 7);
}

TEST(SurfaceInterpolation, ResultDoesNotDependOnTheNumberOfThreads) {
  const IntGrid seeded = RandomContours(230, 260, 3);
  SurfaceSolution alone;
  {
    const tbb::global_control oneThread(tbb::global_control::max_allowed_parallelism, 1);
    alone = SolveSurface(seeded, {});
  }
  const SurfaceSolution shared = SolveSurface(seeded, {});
  EXPECT_TRUE(alone.Levels == shared.Levels);
  EXPECT_GT(alone.Iterations, 0);
}

}  // namespace
}  // namespace zelmaro
