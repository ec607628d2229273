#include <gtest/gtest.h>

#include <random>

#include "core/Progress.h"
#include "raster/ShadeDem.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

// Shade of cell (0, 0) of a 2 x 2 DEM in meters at pixel size 30.
int ShadeOf(int here, int nextColumn, int nextLine, int pixelSize = 30, int scale = 1) {
  IntGrid dem = AllocIntGrid(2, 2);
  dem[0][0] = here * scale;
  dem[0][1] = nextColumn * scale;
  dem[1][0] = nextLine * scale;
  dem[1][1] = here * scale;
  return ShadeDem(dem, pixelSize, scale)[0][0];
}

TEST(ShadeDem, FlatGroundIs181ExceptTheLastLineAndColumn) {
  IntGrid dem(4, 5, 1200);
  const ByteGrid shaded = ShadeDem(dem, 30, 1);
  for (int line = 0; line < 4; ++line) {
    for (int column = 0; column < 5; ++column) {
      const int expected = (line == 3 || column == 4) ? 0 : 181;
      EXPECT_EQ(shaded[line][column], expected) << line << "," << column;
    }
  }
}

TEST(ShadeDem, SlopesFacingTheLightAreBrighter) {
  EXPECT_EQ(ShadeOf(100, 100, 130), 218);  // next line 30 higher
  EXPECT_EQ(ShadeOf(100, 130, 100), 37);   // next column 30 higher
  EXPECT_EQ(ShadeOf(100, 70, 100), 218);   // next column 30 lower
  EXPECT_EQ(ShadeOf(100, 70, 130), 252);   // next line higher, next column lower
  EXPECT_EQ(ShadeOf(100, 130, 70), 0);     // facing away from the light
}

TEST(ShadeDem, UsesTheScaleOfTheDemValues) {
  EXPECT_EQ(ShadeOf(100, 100, 130, 30, 100), 218);
  EXPECT_EQ(ShadeOf(100, 130, 100, 30, 1000), 37);
}

TEST(ShadeDem, ACellWithoutSlopeOrPixelSizeIsBlack) {
  EXPECT_EQ(ShadeOf(100, 100, 100, 0), 0);
  EXPECT_EQ(ShadeDem(IntGrid{}, 30, 1).CellCount(), 0u);
}

TEST(ShadeDem, ThePictureDoesNotDependOnTheThreadsAndACancelStopsIt) {
  std::mt19937 random(4);
  std::uniform_int_distribution<int> altitude(-5000, 90000);
  IntGrid dem(300, 170);
  for (std::int32_t& cell : dem.Cells()) cell = altitude(random);
  ByteGrid alone;
  testing::ForEachThreadCount([&](int threads) {
    const ByteGrid picture = ShadeDem(dem, 25, 100);
    if (threads == 1) alone = picture;
    EXPECT_EQ(picture, alone) << threads << " threads";
  });
  testing::ExpectProgressAndEveryCancel(
      [&](const Progress& progress) { ShadeDem(dem, 25, 100, progress); });
}

}  // namespace
}  // namespace zelmaro
