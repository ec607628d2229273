#include <gtest/gtest.h>

#include <vector>

#include "core/Error.h"
#include "core/Progress.h"
#include "interp/Dilation.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

constexpr std::int32_t NA = NoAltitude;
using Rows = std::vector<std::vector<std::int32_t>>;

// A session holding the image drawn by rows of codes and the altitude of each code.
SessionState SessionWith(const std::initializer_list<const char*>& rows,
                         const std::vector<std::int32_t>& altitudes) {
  SessionState session;
  session.ContourImage = testing::CodesFromText(rows);
  session.WorkLines = session.ContourImage.Lines();
  session.WorkColumns = session.ContourImage.Columns();
  session.AltitudeCount = static_cast<std::int32_t>(altitudes.size());
  for (std::size_t k = 0; k < altitudes.size(); ++k) session.AltitudeTable[k + 1] = altitudes[k];
  return session;
}

IntGrid GridOf(const Rows& rows) {
  IntGrid grid(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
  for (int line = 0; line < grid.Lines(); ++line) {
    for (int column = 0; column < grid.Columns(); ++column) grid[line][column] = rows[line][column];
  }
  return grid;
}

SessionState SessionWithDem(const Rows& rows) {
  SessionState session;
  session.DemGrid = GridOf(rows);
  return session;
}

std::vector<std::int32_t> Line(const IntGrid& grid, int line) {
  return std::vector<std::int32_t>(grid[line], grid[line] + grid.Columns());
}

TEST(DilationStep, HalvesTheIntervalBetweenTwoLinesStepAfterStep) {
  SessionState session = SessionWith({"1.......2", "1.......2", "1.......2"}, {100, 200});
  SeedDemGrid(session, 1, 1);
  const Rows afterSteps{
      {100, NA, NA, NA, 150, NA, NA, NA, 200},
      {100, NA, 125, NA, 150, NA, 175, NA, 200},
      {100, 113, 125, 138, 150, 163, 175, 188, 200},
  };
  const int filledCells[] = {3, 6, 12};
  for (std::size_t step = 0; step < afterSteps.size(); ++step) {
    DilationStep(session);
    EXPECT_EQ(session.DilationPassChanges, filledCells[step]);
    for (int line = 0; line < 3; ++line) EXPECT_EQ(Line(session.DemGrid, line), afterSteps[step]);
  }
  DilationStep(session);
  EXPECT_EQ(session.DilationPassChanges, 0);
  EXPECT_EQ(session.FillPassChanges, 0);
  const IntGrid beforeFill = session.DemGrid;
  FillRemainingCells(session);
  EXPECT_EQ(session.DemGrid, beforeFill);
}

TEST(DilationStep, PutsTheNewLineOnTheLowerSideWhenTheZonesMeetBetweenCells) {
  SessionState session = SessionWith({"1......2", "1......2"}, {100, 200});
  SeedDemGrid(session, 1, 1);
  DilationStep(session);
  const std::vector<std::int32_t> expected{100, NA, NA, 150, NA, NA, NA, 200};
  EXPECT_EQ(Line(session.DemGrid, 0), expected);
  EXPECT_EQ(Line(session.DemGrid, 1), expected);
}

TEST(DilationStep, GivesTheHigherLevelToTheLimitCellBetweenAdjacentLevels) {
  SessionState session = SessionWith({"1...2"}, {100, 101});
  SeedDemGrid(session, 1, 1);
  DilationStep(session);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{100, NA, 101, NA, 101}));
}

TEST(DilationStep, TakesTheLastHigherNeighbourInTheOrderUpLeftRightDown) {
  // The empty cell joins the zone of 100 below it; 300 above and 200 on its right are
  // both higher, and the right one is counted last.
  SessionState session = SessionWithDem({{300, 300}, {NA, 200}, {100, 100}});
  DilationStep(session);
  EXPECT_EQ(session.DemGrid[1][0], 150);
  EXPECT_EQ(session.DilationPassChanges, 1);
  // Down comes after right.
  session = SessionWithDem({{100, 100}, {NA, 200}, {300, 300}});
  DilationStep(session);
  EXPECT_EQ(session.DemGrid[1][0], 200);
}

TEST(DilationStep, FirstPassGrowsOverTheCrossOnly) {
  // Over the cross the centre is reached by 50 alone; a square first pass would let the
  // diagonal 10 win and the limit would differ.
  SessionState session = SessionWithDem({{10, NA, NA}, {NA, NA, 50}, {NA, NA, NA}});
  DilationStep(session);
  EXPECT_EQ(session.DemGrid[1][1], NA);  // joins the zone of 50, nothing higher beside it
  EXPECT_EQ(session.DemGrid[1][0], 30);  // zone 10, the zone of 50 on its right
}

TEST(DilationStep, RoundsNegativeMeansHalfUpTowardZero) {
  SessionState session = SessionWith({"1...2"}, {-200, -100});
  SeedDemGrid(session, 1, 1);
  DilationStep(session);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{-200, NA, -149, NA, -100}));
}

TEST(DilationInterpolation, FillsTheBandOfASummitByStepsAndItsTopByTheFinalFill) {
  SessionState session = SessionWith(
      {
          "111111111",
          "1.......1",
          "1.......1",
          "1..222..1",
          "1..2.2..1",
          "1..222..1",
          "1.......1",
          "1.......1",
          "111111111",
      },
      {100, 200});
  SeedDemGrid(session, 1, 1);
  do {
    DilationStep(session);
  } while (session.DilationPassChanges > 0);
  for (int line = 0; line < 9; ++line) {
    for (int column = 0; column < 9; ++column) {
      EXPECT_EQ(session.DemGrid[line][column] == NA, line == 4 && column == 4)
          << line << " " << column;
    }
  }
  DilationInterpolation(session);
  EXPECT_EQ(session.DemGrid[4][4], 200);
  EXPECT_EQ(session.DemMin, 100);
  EXPECT_EQ(session.DemMax, 200);
  EXPECT_EQ(session.DemGrid[1][4], 150);
  EXPECT_EQ(session.DemGrid[2][4], 175);
}

TEST(DilationInterpolation, LeavesAnImageWithoutSeedsEmpty) {
  SessionState session = SessionWith({"0.3", ".9."}, {100, 200});
  SeedDemGrid(session, 1, 1);
  DilationInterpolation(session);
  EXPECT_EQ(session.DemGrid, IntGrid(2, 3, NA));
  EXPECT_EQ(session.DemMin, -9999999);
  EXPECT_EQ(session.DemMax, 0);
  EXPECT_EQ(session.DilationPassChanges, 0);
  EXPECT_EQ(session.FillPassChanges, 0);
}

TEST(DilationInterpolation, RangeStartsFromAMillionAndZero) {
  SessionState high = SessionWith({"1..2"}, {2000000, 3000000});
  SeedDemGrid(high, 1, 1);
  DilationInterpolation(high);
  EXPECT_EQ(high.DemMin, 1000000);
  EXPECT_EQ(high.DemMax, 3000000);

  SessionState low = SessionWith({"1..2"}, {-300, -100});
  SeedDemGrid(low, 1, 1);
  DilationInterpolation(low);
  EXPECT_EQ(low.DemMin, -300);
  EXPECT_EQ(low.DemMax, 0);

  SessionState nothing;
  DilationInterpolation(nothing);
  EXPECT_EQ(nothing.DemMin, 1000000);
  EXPECT_EQ(nothing.DemMax, 0);
}

TEST(FillRemainingCells, CarriesTheSumAcrossTheWindowLines) {
  // Up 10 first gives 10; then 10, left 20, the cell's own 10 and right 31; then down 40:
  // (10 + 20 + 10 + 31 + 40) / 5 = 22.2.
  SessionState session = SessionWithDem({{0, 10, 0}, {20, NA, 31}, {0, 40, 0}});
  FillRemainingCells(session);
  EXPECT_EQ(session.DemGrid[1][1], 22);
  EXPECT_EQ(session.FillPassChanges, 0);
}

TEST(FillRemainingCells, WorksInPlaceInScanOrder) {
  SessionState session = SessionWithDem({{5, NA, NA}, {NA, NA, 30}});
  FillRemainingCells(session);
  EXPECT_EQ(session.DemGrid, GridOf({{5, 5, 18}, {5, 11, 30}}));
}

TEST(FillRemainingCells, RoundsANegativeNeighbourHalfUp) {
  SessionState session = SessionWithDem({{-100, NA}});
  FillRemainingCells(session);
  EXPECT_EQ(session.DemGrid[0][1], -99);
}

TEST(FillRemainingCells, FillsUpwardOneLinePerPassUntilNothingIsLeft) {
  Rows rows(6, std::vector<std::int32_t>(4, NA));
  rows[5] = {40, 10, 30, 20};
  SessionState session = SessionWithDem(rows);
  FillRemainingCells(session);
  EXPECT_EQ(Line(session.DemGrid, 4), (std::vector<std::int32_t>{40, 25, 28, 24}));
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{40, 40, 39, 37}));
}

TEST(FillRemainingCells, SumsInSinglePrecisionForDilationAndInIntegersForLinear) {
  // 16777217 has no float of its own: the single-precision sum rounds it to 16777216.
  SessionState single = SessionWithDem({{16777217, NA}});
  FillRemainingCells(single, FillSum::SinglePrecision);
  EXPECT_EQ(single.DemGrid[0][1], 16777216);
  SessionState integer = SessionWithDem({{16777217, NA}});
  FillRemainingCells(integer, FillSum::Integer);
  EXPECT_EQ(integer.DemGrid[0][1], 16777217);
}

TEST(SeedDemGrid, ConvertsTheTableUnitToTheDemUnitDivisionFirst) {
  SessionState session = SessionWith({"12"}, {12345, 1234});
  SeedDemGrid(session, 100, 1);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{123, 12}));
  SeedDemGrid(session, 1, 100);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{1234500, 123400}));
  SeedDemGrid(session, 10, 1000);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{1234000, 123000}));
}

TEST(SeedDemGrid, SeedsOnlyCodesOfTheTable) {
  SessionState session = SessionWith({"0123."}, {7, -5});
  SeedDemGrid(session, 1, 1);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{NA, 7, -5, NA, NA}));
  // With a table of 255 codes the background is a code like the others.
  session.AltitudeCount = 255;
  session.AltitudeTable[3] = 30;
  session.AltitudeTable[255] = 2550;
  SeedDemGrid(session, 1, 1);
  EXPECT_EQ(Line(session.DemGrid, 0), (std::vector<std::int32_t>{NA, 7, -5, 30, 2550}));
}

TEST(SeedDemGrid, RefusesAnUnchosenScaleInAndKeepsTheDem) {
  SessionState session = SessionWith({"12"}, {100, 200});
  session.DemGrid = GridOf({{1, 2}});
  EXPECT_THROW(SeedDemGrid(session, 0, 1), Error);
  EXPECT_EQ(session.DemGrid, GridOf({{1, 2}}));
  SessionState noTable = SessionWith({"12"}, {});
  EXPECT_THROW(SeedDemGrid(noTable, 0, 1), Error);
}

TEST(SeedDemGrid, RefusesAnImageOfAnotherSizeThanTheWorkingOne) {
  SessionState session = SessionWith({"12"}, {100, 200});
  session.WorkColumns = 3;
  EXPECT_THROW(SeedDemGrid(session, 1, 1), Error);
}

TEST(DilationInterpolation, ReportsItsProgressAndACancelLeavesTheSessionAsItWas) {
  SessionState seeded = SessionWith({"1........2", "1........2", "1...3....2"}, {100, 200, 500});
  SeedDemGrid(seeded, 1, 1);
  seeded.DemMin = 7;
  seeded.DemMax = 8;
  testing::ExpectProgressAndEveryCancel([&](const Progress& progress) {
    SessionState session = seeded;
    try {
      DilationInterpolation(session, progress);
    } catch (const CommandCancelled&) {
      EXPECT_EQ(session.DemGrid, seeded.DemGrid);
      EXPECT_EQ(session.DemMin, 7);
      EXPECT_EQ(session.DemMax, 8);
      throw;
    }
  });
}

}  // namespace
}  // namespace zelmaro
