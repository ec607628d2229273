#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/Progress.h"
#include "interp/Dilation.h"
#include "interp/LinearInterpolation.h"
#include "interp/Smoothing.h"
#include "reference/LinearReference.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;

SessionState LoadedSession(const ByteGrid& image, std::initializer_list<std::int32_t> altitudes) {
  SessionState session;
  session.ContourImage = image;
  session.WorkLines = image.Lines();
  session.WorkColumns = image.Columns();
  int code = 0;
  for (const std::int32_t altitude : altitudes) session.AltitudeTable[++code] = altitude;
  session.AltitudeCount = code;
  return session;
}

LinearParameters Meters(std::int32_t minimum, std::int32_t maximum, std::int32_t interval) {
  return LinearParameters{minimum, maximum, interval, 1, 1};
}

void ExpectLine(const IntGrid& dem, int line, const std::vector<std::int32_t>& values) {
  for (int j = 0; j < static_cast<int>(values.size()); ++j) {
    EXPECT_EQ(dem[line][j], values[j]) << "line " << line << ", column " << j;
  }
}

TEST(LinearInterpolation, ThreeByNineExampleInterpolatesBetweenTheTwoLines) {
  SessionState session =
      LoadedSession(CodesFromText({"1.......2", "1.......2", "1.......2"}), {100, 200});
  session.DemMin = 120;
  session.DemMax = 980;
  RunLinearInterpolation(session, Meters(100, 200, 100));
  // Lines 1 and 2 come from the level pass; line 0 is never labelled and is filled
  // by the dilation steps. The grid is too small for the degree-5 window.
  ExpectLine(session.DemGrid, 1, {100, 112, 125, 137, 150, 162, 175, 187, 200});
  ExpectLine(session.DemGrid, 2, {100, 112, 125, 137, 150, 162, 175, 187, 200});
  ExpectLine(session.DemGrid, 0, {100, 106, 131, 144, 156, 169, 181, 194, 200});
  for (int j = 1; j <= 7; ++j) {
    EXPECT_EQ(session.LinearCodeImage[0][j], 255);
    EXPECT_EQ(session.LinearCodeImage[1][j], 1);
  }
  // The DEM information keeps the figures of the last dilation.
  EXPECT_EQ(session.DemMin, 120);
  EXPECT_EQ(session.DemMax, 980);
  EXPECT_EQ(session.ContourImage[1][4], 255);
}

TEST(LinearInterpolation, TheInsideOfAClosedLineIsFilledFlat) {
  SessionState session = LoadedSession(
      CodesFromText({"1..........", "1..222222..", "1..2....2..", "1..222222..", "1.........."}),
      {100, 200});
  RunLinearInterpolation(session, Meters(100, 200, 100));
  for (int j = 4; j <= 7; ++j) {
    EXPECT_EQ(session.LinearCodeImage[2][j], 255) << j;
    EXPECT_EQ(session.DemGrid[2][j], 200) << j;
  }
  EXPECT_EQ(session.LinearCodeImage[2][1], 1);  // the band between the lines has level 1
  EXPECT_EQ(session.LinearCodeImage[4][9], 1);  // reached around the closed line
}

TEST(LinearInterpolation, BandsFromEdgeToEdgeAreFilledAsTheDilationFillsThem) {
  const ByteGrid image =
      CodesFromText({"..........", "..........", "1111111111", "..........", "..........",
                     "..........", "2222222222", "..........", ".........."});
  SessionState linear = LoadedSession(image, {300, 400});
  RunLinearInterpolation(linear, Meters(300, 400, 100));
  for (std::size_t cell = 0; cell < image.CellCount(); ++cell) {
    ASSERT_EQ(linear.LinearCodeImage.Data()[cell], image.Data()[cell]);
  }
  SessionState dilation = LoadedSession(image, {300, 400});
  SeedDemGrid(dilation, 1, 1);
  DilationInterpolation(dilation);
  EXPECT_EQ(linear.DemGrid, BezierSmoothedGrid(dilation.DemGrid, 5, 0, 8, 0, 9));
}

TEST(LinearInterpolation, TheTypedMinimumReplacesTheAltitudeOfCode1) {
  // Code 1 is 95 in the table but 90 is typed: the code 1 cells still hold 95 while the
  // levels are labelled, so no level 1 region exists, and they come out at 90.
  SessionState session =
      LoadedSession(CodesFromText({"1...2...3", "1...2...3", "1...2...3"}), {95, 100, 110});
  RunLinearInterpolation(session, Meters(90, 110, 10));
  EXPECT_EQ(session.AltitudeTable[1], 90);
  for (int line = 0; line < 3; ++line) {
    EXPECT_EQ(session.DemGrid[line][0], 90);
    EXPECT_EQ(session.DemGrid[line][4], 100);
    EXPECT_EQ(session.DemGrid[line][8], 110);
  }
  EXPECT_EQ(session.LinearCodeImage[1][2], 255);
  EXPECT_EQ(session.LinearCodeImage[1][6], 2);
  // Meters in, decimeters out.
  SessionState scaled =
      LoadedSession(CodesFromText({"1.......2", "1.......2", "1.......2"}), {100, 200});
  RunLinearInterpolation(scaled, LinearParameters{100, 200, 100, 1, 10});
  ExpectLine(scaled.DemGrid, 1, {1000, 1125, 1250, 1375, 1500, 1625, 1750, 1875, 2000});
}

TEST(LinearInterpolation, RefusesAZeroIntervalOrScaleWithoutChangingTheSession) {
  SessionState session =
      LoadedSession(CodesFromText({"1.......2", "1.......2", "1.......2"}), {100, 200});
  session.DemGrid = IntGrid(3, 9, 42);
  const SessionState before = session;
  EXPECT_THROW(RunLinearInterpolation(session, Meters(100, 200, 0)), Error);
  EXPECT_THROW(RunLinearInterpolation(session, LinearParameters{100, 200, 100, 0, 1}), Error);
  EXPECT_THROW(RunLinearInterpolation(session, LinearParameters{100, 200, 5, 10, 1}), Error);
  EXPECT_EQ(session.DemGrid, before.DemGrid);
  EXPECT_EQ(session.LinearCodeImage, before.LinearCodeImage);
  EXPECT_EQ(session.AltitudeTable, before.AltitudeTable);
}

// Concentric and overlapping rings of codes, with strays, as a scanned map gives.
ByteGrid RandomRings(std::mt19937& random, int lines, int columns, int codes) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  ByteGrid image(lines, columns, 255);
  const int hills = 1 + static_cast<int>(unit(random) * 3);
  for (int h = 0; h < hills; ++h) {
    const double y = unit(random) * lines;
    const double x = unit(random) * columns;
    const double spacing = 1.5 + unit(random) * 3;
    for (int i = 0; i < lines; ++i) {
      for (int j = 0; j < columns; ++j) {
        const double ring = std::hypot(i - y, j - x) / spacing;
        const int k = codes - static_cast<int>(ring);
        if (k >= 1 && ring - static_cast<int>(ring) < 0.35)
          image[i][j] = static_cast<std::uint8_t>(k);
      }
    }
  }
  std::uniform_int_distribution<int> line(0, lines - 1), column(0, columns - 1);
  for (int s = 0; s < 4; ++s) image[line(random)][column(random)] = 255;
  return image;
}

TEST(LinearInterpolation, ProductionEqualsTheLiteralInterpolationOnRandomMaps) {
  std::mt19937 random(31);
  for (int trial = 0; trial < 43; ++trial) {
    const int codes = 2 + trial % 7;
    // Mostly small maps, and a few that the work is shared out on.
    const bool large = trial >= 40;
    const ByteGrid image = large ? RandomRings(random, 90 + trial, 150, 8)
                                 : RandomRings(random, 4 + trial % 19, 5 + (trial * 3) % 29, codes);
    const int levels = large ? 8 : codes;
    // Small altitudes now and then, so that level numbers meet line altitudes.
    const std::int32_t minimum = trial % 3 == 0 ? 1 : 120;
    const std::int32_t interval = trial % 3 == 0 ? 1 : 20;
    SessionState start = LoadedSession(image, {});
    for (int k = 1; k <= levels; ++k) start.AltitudeTable[k] = minimum + (k - 1) * interval;
    start.AltitudeCount = levels;
    // The typed minimum differs from the table's code 1 every fourth map.
    const std::int32_t typed = trial % 4 == 1 ? minimum - interval : minimum;
    const LinearParameters parameters =
        Meters(typed, minimum + interval * (levels - 1) + (trial % 2) * interval, interval);
    SeedDemGrid(start, 1, 1);
    SessionState literal = start;
    reference::LinearInterpolation(literal, parameters);
    testing::ForEachThreadCount([&](int threads) {
      SessionState fast = start;
      LinearInterpolation(fast, parameters);
      ASSERT_EQ(fast.DemGrid, literal.DemGrid)
          << "trial " << trial << ", " << threads << " threads";
      ASSERT_EQ(fast.LinearCodeImage, literal.LinearCodeImage) << "trial " << trial;
    });
  }
}

TEST(LinearInterpolation, ReportsItsProgressAndACancelLeavesTheSessionAsItWas) {
  std::mt19937 random(5);
  SessionState loaded =
      LoadedSession(RandomRings(random, 40, 50, 6), {100, 120, 140, 160, 180, 200});
  loaded.DemGrid = IntGrid(2, 2, 42);
  loaded.LinearCodeImage = ByteGrid(2, 2, 9);
  loaded.DilationPassChanges = 3;
  testing::ExpectProgressAndEveryCancel([&](const Progress& progress) {
    SessionState session = loaded;
    try {
      RunLinearInterpolation(session, Meters(90, 200, 20), progress);
    } catch (const CommandCancelled&) {
      EXPECT_EQ(session.DemGrid, loaded.DemGrid);
      EXPECT_EQ(session.LinearCodeImage, loaded.LinearCodeImage);
      EXPECT_EQ(session.AltitudeTable, loaded.AltitudeTable);
      EXPECT_EQ(session.DilationPassChanges, 3);
      throw;
    }
  });
}

}  // namespace
}  // namespace zelmaro
