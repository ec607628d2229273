#include <gtest/gtest.h>

#include <random>

#include "forms/SmoothingModel.h"
#include "interp/Smoothing.h"
#include "reference/SmoothingReference.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

SessionState SessionWithDem(const IntGrid& dem) {
  SessionState session;
  session.DemGrid = dem;
  session.WorkLines = dem.Lines();
  session.WorkColumns = dem.Columns();
  return session;
}

IntGrid RandomGrid(std::mt19937& random, int lines, int columns, int low, int high) {
  std::uniform_int_distribution<int> value(low, high);
  IntGrid grid(lines, columns);
  for (auto& cell : grid.Cells()) cell = value(random);
  return grid;
}

TEST(Smoothing, ImpulseOf2700WithRange1GivesTheWorkedValues) {
  IntGrid dem(9, 9);
  dem[4][4] = 2700;
  SessionState session = SessionWithDem(dem);
  SmoothDem(session, 1);
  const int expected[4][4] = {
      {3, 22, 44, 29}, {22, 133, 266, 177}, {44, 266, 533, 355}, {29, 177, 355, 237}};
  for (int line = 0; line < 9; ++line) {
    for (int column = 0; column < 9; ++column) {
      const bool inside = line >= 2 && line <= 5 && column >= 2 && column <= 5;
      const int want = inside ? expected[line - 2][column - 2] : 0;
      EXPECT_EQ(session.DemGrid[line][column], want) << line << "," << column;
    }
  }
}

TEST(Smoothing, Range0KeepsEveryCell) {
  std::mt19937 random(7);
  const IntGrid dem = RandomGrid(random, 5, 8, -16000000, 16000000);
  SessionState session = SessionWithDem(dem);
  SmoothDem(session, 0);
  EXPECT_EQ(session.DemGrid, dem);
}

TEST(Smoothing, ValuesAreTruncatedTowardZero) {
  // 506 x (12/27)^2 = 99.95: written 99, and -99 for -506, never rounded.
  IntGrid dem(9, 9);
  dem[4][4] = 506;
  EXPECT_NEAR(BezierWindowValue(dem, 4, 4, 3), 99.95, 0.01);
  SessionState session = SessionWithDem(dem);
  SmoothDem(session, 1);
  EXPECT_EQ(session.DemGrid[4][4], 99);
  dem[4][4] = -506;
  session = SessionWithDem(dem);
  SmoothDem(session, 1);
  EXPECT_EQ(session.DemGrid[4][4], -99);
}

TEST(Smoothing, Range1WeightsFavourTheCellsBeforeTheTarget) {
  EXPECT_EQ(Factorial(0), 1.0L);
  EXPECT_EQ(Factorial(-2), 0.0L);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);
  EXPECT_EQ(BinomialCoefficient(0, 3), 1);
  EXPECT_EQ(BinomialCoefficient(1, 3), 3);
  EXPECT_EQ(BinomialCoefficient(16, 33), 1166803110);
  // Offsets -1, 0, +1, +2 of the target at line 3, column 3; every line of the grid
  // is the same, so only the column weights show.
  const double weights[4] = {8.0 / 27, 12.0 / 27, 6.0 / 27, 1.0 / 27};
  for (int offset = 0; offset < 4; ++offset) {
    IntGrid dem(8, 8);
    for (int line = 0; line < 8; ++line) dem[line][2 + offset] = 27000;
    EXPECT_NEAR(BezierWindowValue(dem, 3, 3, 3), 27000 * weights[offset], 0.01) << offset;
  }
}

TEST(Smoothing, WindowSlidesBackAtTheRightBorder) {
  // Four columns with Range 1: column 1 keeps its window (u = 1/3), column 2 uses
  // columns 0 to 3 with u = 2/3, so column 3 weighs 8/27 there.
  IntGrid dem(4, 4);
  for (int line = 0; line < 4; ++line) dem[line][3] = 27000;
  EXPECT_NEAR(BezierWindowValue(dem, 2, 1, 3), 8000.0, 0.01);
  EXPECT_NEAR(BezierWindowValue(dem, 1, 1, 3), 1000.0, 0.01);
  SessionState session = SessionWithDem(dem);
  SmoothDem(session, 1);
  for (int line = 0; line < 4; ++line) {
    EXPECT_EQ(session.DemGrid[line][0], 0);
    EXPECT_EQ(session.DemGrid[line][3], 27000);
  }
  EXPECT_NEAR(session.DemGrid[1][2], 8000, 1);
  EXPECT_NEAR(session.DemGrid[1][1], 1000, 1);
  EXPECT_EQ(session.DemGrid[0][1], 0);  // border line copied
}

TEST(Smoothing, RefusesImpossibleRangesWithoutChangingTheDem) {
  std::mt19937 random(3);
  const IntGrid dem = RandomGrid(random, 6, 7, 0, 1000);
  SessionState session = SessionWithDem(dem);
  for (const int range : {-1, 17, 3}) {
    EXPECT_THROW(SmoothDem(session, range), Error) << range;
    EXPECT_EQ(session.DemGrid, dem);
  }
  SmoothDem(session, 2);  // 6 lines are just enough for Range 2
  SessionState empty;
  EXPECT_THROW(SmoothDem(empty, 0), Error);
  EXPECT_THROW(BezierWindowValue(dem, 0, 0, 7), Error);
}

TEST(Smoothing, ProductionEqualsTheLiteralSmoothingOnRandomGrids) {
  std::mt19937 random(2024);
  for (int range = 0; range <= kMaxSmoothingRange; ++range) {
    const int minimum = 2 * range + 2;
    std::uniform_int_distribution<int> extra(0, range > 8 ? 6 : 14);
    const IntGrid dem =
        RandomGrid(random, minimum + extra(random), minimum + extra(random), -20000000, 20000000);
    SessionState session = SessionWithDem(dem);
    SmoothDem(session, range);
    ASSERT_EQ(session.DemGrid, reference::SmoothDem(dem, range)) << "range " << range;
  }
  // Realistic altitudes with a few cells still without altitude.
  for (int trial = 0; trial < 20; ++trial) {
    IntGrid dem = RandomGrid(random, 12 + trial, 30 - trial, 50000, 90000);
    dem[trial % 12][trial] = -9999999;
    const int range = trial % 5;
    SessionState session = SessionWithDem(dem);
    SmoothDem(session, range);
    ASSERT_EQ(session.DemGrid, reference::SmoothDem(dem, range)) << "trial " << trial;
  }
}

TEST(Smoothing, LargeGridsEqualTheLiteralSmoothingWithAnyThreadCount) {
  std::mt19937 random(7);
  for (const int range : {1, 2, 5}) {
    const IntGrid dem = RandomGrid(random, 260 + range, 170, 100000, 900000);
    const IntGrid literal = reference::SmoothDem(dem, range);
    testing::ForEachThreadCount([&](int threads) {
      ASSERT_EQ(SmoothDem(dem, range), literal) << "range " << range << ", " << threads;
    });
  }
}

TEST(Smoothing, ReportsItsProgressAndACancelLeavesTheDemAsItWas) {
  std::mt19937 random(3);
  const IntGrid dem = RandomGrid(random, 30, 40, 0, 1000);
  testing::ExpectProgressAndEveryCancel([&](const Progress& progress) {
    SessionState session = SessionWithDem(dem);
    try {
      SmoothDem(session, 2, progress);
    } catch (const CommandCancelled&) {
      EXPECT_EQ(session.DemGrid, dem);
      throw;
    }
  });
}

TEST(Smoothing, WindowValuesEqualTheLiteralOnesEverywhere) {
  std::mt19937 random(11);
  const IntGrid dem = RandomGrid(random, 9, 13, -5000000, 5000000);
  for (int n : {1, 3, 5, 7}) {
    const IntGrid whole = BezierSmoothedGrid(dem, n, 0, 8, 0, 12);
    for (int line = 0; line < 9; ++line) {
      for (int column = 0; column < 13; ++column) {
        const double value = BezierWindowValue(dem, column, line, n);
        ASSERT_EQ(value, reference::BezierWindowValue(dem, column, line, n));
        ASSERT_EQ(whole[line][column], static_cast<std::int32_t>(value));
      }
    }
  }
  for (int n = 0; n <= 33; ++n) {
    for (int k = 0; k <= n; ++k)
      ASSERT_EQ(BinomialCoefficient(k, n), reference::BinomialCoefficient(k, n));
  }
}

TEST(SmoothingModel, RangeIsReadFromTheEditAndKept) {
  SmoothingModel model;
  EXPECT_EQ(model.Range, 0);
  model.RangeEditChange("12abc");
  EXPECT_EQ(model.Range, 12);
  EXPECT_EQ(model.RangeText, "12abc");
  model.RangeEditChange(" -2");
  EXPECT_EQ(model.Range, -2);
  model.RangeEditChange("");
  EXPECT_EQ(model.Range, 0);
}

}  // namespace
}  // namespace zelmaro
