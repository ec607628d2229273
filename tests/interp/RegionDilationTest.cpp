#include <gtest/gtest.h>

#include <random>

#include "interp/Dilation.h"
#include "interp/RegionDilation.h"

namespace zelmaro {
namespace {

// Walls of altitudes cut the grid into empty regions of many sizes, some across tiles.
SessionState RandomRegions(std::mt19937& random, int lines, int columns) {
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int> altitude(100, 900);
  SessionState session;
  session.DemGrid = IntGrid(lines, columns, NoAltitude);
  session.WorkLines = lines;
  session.WorkColumns = columns;
  const int wallEvery = 5 + percent(random) % 60;
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      const bool wall = (i % wallEvery == 0 || j % (wallEvery + 3) == 0) && percent(random) < 90;
      if (wall || percent(random) < 2) session.DemGrid[i][j] = altitude(random);
    }
  }
  return session;
}

TEST(DilationStepsByRegion, FillsAsTheStepsOverTheWholeGridDo) {
  std::mt19937 random(12);
  for (int trial = 0; trial < 8; ++trial) {
    SessionState byRegion = RandomRegions(random, 90 + trial * 37, 300 - trial * 25);
    SessionState whole = byRegion;
    DilationStepsByRegion(byRegion);
    whole.DilationPassChanges = 1;
    while (whole.DilationPassChanges > 0) {
      whole.DilationPassChanges = 0;
      DilationStep(whole);
    }
    ASSERT_EQ(byRegion.DemGrid, whole.DemGrid) << "trial " << trial;
    EXPECT_EQ(byRegion.DilationPassChanges, whole.DilationPassChanges);
    EXPECT_EQ(byRegion.FillPassChanges, whole.FillPassChanges);
  }
  // Nothing to fill, and nothing to fill from.
  SessionState full;
  full.DemGrid = IntGrid(3, 4, 7);
  DilationStepsByRegion(full);
  EXPECT_EQ(full.DemGrid, IntGrid(3, 4, 7));
  SessionState empty;
  empty.DemGrid = IntGrid(3, 4, NoAltitude);
  DilationStepsByRegion(empty);
  EXPECT_EQ(empty.DemGrid, IntGrid(3, 4, NoAltitude));
}

}  // namespace
}  // namespace zelmaro
