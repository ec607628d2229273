#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "interp/Dilation.h"
#include "reference/LiteralDilation.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

// Walls of altitudes cut the grid into empty regions of many sizes, some across the
// blocks and tiles that the steps work in.
IntGrid RandomRegions(std::mt19937& random, int lines, int columns) {
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int> altitude(100, 900);
  IntGrid dem(lines, columns, NoAltitude);
  const int wallEvery = 5 + percent(random) % 40;
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      const bool wall = (i % wallEvery == 0 || j % (wallEvery + 3) == 0) && percent(random) < 90;
      if (wall || percent(random) < 2) dem[i][j] = altitude(random);
    }
  }
  return dem;
}

TEST(DilateUntilStable, FillsAsTheLiteralStepsOverTheWholeGridDoWithAnyThreadCount) {
  std::mt19937 random(12);
  for (int trial = 0; trial < 6; ++trial) {
    const IntGrid start = RandomRegions(random, 60 + trial * 23, 170 - trial * 17);
    SessionState literal;
    literal.DemGrid = start;
    do {
      reference::LiteralDilationStep(literal);
    } while (literal.DilationPassChanges > 0);
    testing::ForEachThreadCount([&](int threads) {
      IntGrid fast = start;
      DilateUntilStable(fast);
      ASSERT_EQ(fast, literal.DemGrid) << "trial " << trial << ", " << threads << " threads";
    });
  }
  // Nothing to fill, and nothing to fill from.
  IntGrid full(3, 4, 7);
  EXPECT_EQ(DilateUntilStable(full), 1);
  EXPECT_EQ(full, IntGrid(3, 4, 7));
  IntGrid empty(3, 4, NoAltitude);
  EXPECT_EQ(DilationStep(empty), 0);
  EXPECT_EQ(empty, IntGrid(3, 4, NoAltitude));
}

TEST(DilateUntilStable, ThinGridsOfOneOrTwoLinesOrColumnsFillAsTheLiteralSteps) {
  // The wavefront's tiles and the blocks of empty cells at their smallest and longest.
  std::mt19937 random(41);
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int> altitude(-300, 300);
  for (const auto& size : {std::pair{1, 700}, std::pair{700, 1}, std::pair{2, 333},
                           std::pair{333, 2}, std::pair{3, 130}, std::pair{1, 1}}) {
    // Plain variables, not a structured binding: clang 14 cannot capture a binding.
    const int lines = size.first;
    const int columns = size.second;
    IntGrid start(lines, columns, NoAltitude);
    for (std::int32_t& cell : start.Cells()) {
      if (percent(random) < 4) cell = altitude(random);
    }
    SessionState literal;
    literal.DemGrid = start;
    do {
      reference::LiteralDilationStep(literal);
    } while (literal.DilationPassChanges > 0);
    testing::ForEachThreadCount([&](int threads) {
      IntGrid fast = start;
      DilateUntilStable(fast);
      ASSERT_EQ(fast, literal.DemGrid) << lines << " x " << columns << ", " << threads;
    });
  }
}

}  // namespace
}  // namespace zelmaro
