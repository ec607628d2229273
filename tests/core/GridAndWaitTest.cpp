#include <gtest/gtest.h>

#include "core/Error.h"
#include "core/Grid.h"
#include "core/WaitSeconds.h"

namespace zelmaro {
namespace {

TEST(Grid, FactoriesTakeColumnsFirstAndGiveZeroFilledGrids) {
  IntGrid grid = AllocIntGrid(5, 3);
  EXPECT_EQ(grid.Lines(), 3);
  EXPECT_EQ(grid.Columns(), 5);
  for (int line = 0; line < 3; ++line) {
    for (int column = 0; column < 5; ++column) EXPECT_EQ(grid[line][column], 0);
  }
  grid[2][4] = 7;
  EXPECT_EQ(grid.Data()[2 * 5 + 4], 7);
  EXPECT_EQ(AllocDoubleGrid(2, 4).Lines(), 4);
  EXPECT_EQ(AllocFloatGrid(2, 4).Columns(), 2);
  EXPECT_EQ(AllocByteGrid(0, 0).CellCount(), 0u);
}

TEST(Grid, ImpossibleSizesAreReportedNotAllocated) {
  EXPECT_THROW(AllocByteGrid(-1, 4), Error);
  EXPECT_THROW(AllocIntGrid(1 << 30, 1 << 30), Error);
}

TEST(WaitSeconds, WaitsUntilTheClockHasAdvancedByTheGivenTime) {
  std::uint64_t now = 0;
  int reads = 0;
  const TickClock clock = [&] {
    ++reads;
    const std::uint64_t reading = now;
    now += 100;
    return reading;
  };
  WaitSeconds(1.0f, clock);
  // Started at 0; the reading of 1000 ms ends the wait.
  EXPECT_EQ(now, 1100u);
  EXPECT_EQ(reads, 11);
  WaitSeconds(0.0f, clock);
  EXPECT_EQ(reads, 13);
}

}  // namespace
}  // namespace zelmaro
