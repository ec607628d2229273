#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "core/Error.h"
#include "interp/Dilation.h"
#include "interp/LevelPass.h"
#include "interp/LinearLevels.h"
#include "reference/LinearReference.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

LevelTable Levels(std::int32_t minimum, std::int32_t maximum, std::int32_t interval) {
  LinearParameters parameters;
  parameters.ParamMinimum = minimum;
  parameters.ParamMaximum = maximum;
  parameters.ParamInterval = interval;
  parameters.ScaleInFactor = 1;
  parameters.ScaleOutFactor = 1;
  return MakeLevelTable(parameters);
}

TEST(LevelTable, LevelsFollowTheTypedMinimumAndInterval) {
  const LevelTable levels = Levels(100, 250, 50);
  ASSERT_EQ(levels.LevelCount, 3);
  EXPECT_EQ(levels.LevelLower[1], 100);
  EXPECT_EQ(levels.LevelUpper[3], 250);
  EXPECT_EQ(levels.LevelOf(150, 200), 2);
  EXPECT_EQ(levels.LevelOf(150, 250), 0);  // not successive lines
  EXPECT_EQ(levels.LevelOf(250, 300), 0);  // beyond the table
  EXPECT_EQ(levels.LevelOf(125, 175), 0);
  EXPECT_EQ(Levels(100, 90, 50).LevelCount, 0);
  // Units convert in integers, the division first: 1234 cm with an interval of 250 cm
  // gives levels of 2 m from 12 m.
  const LevelTable converted = MakeLevelTable({1234, 2000, 250, 100, 1});
  EXPECT_EQ(converted.Minimum, 12);
  EXPECT_EQ(converted.Interval, 2);
  EXPECT_EQ(converted.LevelCount, 4);
}

TEST(LevelTable, RefusesAZeroIntervalAScaleOfZeroAndTooManyLevels) {
  EXPECT_THROW(Levels(100, 200, 0), Error);
  EXPECT_THROW(MakeLevelTable({100, 200, 50, 100, 1}), Error);  // 50 cm is 0 m
  EXPECT_THROW(MakeLevelTable({100, 200, 50, 0, 1}), Error);
  EXPECT_THROW(Levels(0, 255, 1), Error);
  EXPECT_EQ(Levels(0, 254, 1).LevelCount, 254);
}

// A contour-line image of random hills: the level of each cell is its altitude band,
// and a cell on the lower side of a band change carries the code of its band.
ByteGrid RandomContours(std::mt19937& random, int lines, int columns, int bands) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const int hills = 1 + static_cast<int>(unit(random) * 4);
  std::vector<std::array<double, 4>> shapes;
  for (int h = 0; h < hills; ++h) {
    shapes.push_back({unit(random) * lines, unit(random) * columns,
                      (0.2 + unit(random)) * (lines + columns) / 3, unit(random) * 0.5 + 0.5});
  }
  IntGrid band(lines, columns);
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      double height = 0;
      for (const auto& [y, x, radius, weight] : shapes) {
        const double d = std::hypot(i - y, j - x) / radius;
        height = std::max(height, weight * (1 - d));
      }
      band[i][j] = std::clamp(static_cast<int>(height * bands), 0, bands - 1);
    }
  }
  ByteGrid image(lines, columns, 255);
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < columns; ++j) {
      const bool edge = (i + 1 < lines && band[i + 1][j] > band[i][j]) ||
                        (j + 1 < columns && band[i][j + 1] > band[i][j]) ||
                        (i > 0 && band[i - 1][j] > band[i][j]) ||
                        (j > 0 && band[i][j - 1] > band[i][j]);
      if (edge) image[i][j] = static_cast<std::uint8_t>(band[i][j] + 1);
    }
  }
  // A few stray pixels and a break, as scanned maps have.
  std::uniform_int_distribution<int> line(0, lines - 1), column(0, columns - 1);
  for (int s = 0; s < 3; ++s) image[line(random)][column(random)] = 255;
  for (int s = 0; s < 3; ++s) {
    image[line(random)][column(random)] = static_cast<std::uint8_t>(1 + random() % bands);
  }
  return image;
}

SessionState SeededSession(const ByteGrid& image, std::int32_t minimum, std::int32_t interval,
                           int codes) {
  SessionState session;
  session.ContourImage = image;
  session.LinearCodeImage = image;
  session.WorkLines = image.Lines();
  session.WorkColumns = image.Columns();
  session.AltitudeCount = codes;
  session.DemGrid = IntGrid(image.Lines(), image.Columns(), NoAltitude);
  for (int k = 1; k <= codes; ++k) session.AltitudeTable[k] = minimum + (k - 1) * interval;
  for (std::size_t cell = 0; cell < image.CellCount(); ++cell) {
    const int code = image.Data()[cell];
    if (code >= 1 && code <= codes) session.DemGrid.Data()[cell] = session.AltitudeTable[code];
  }
  return session;
}

TEST(LabelLevels, ARunReachingColumn1TakesItWhateverItHeld) {
  // Line 1: a contour pixel of code 1 in column 1, code 2 in column 6.
  const ByteGrid image = testing::CodesFromText({"........", ".1....2.", "........"});
  SessionState session = SeededSession(image, 100, 100, 2);
  LabelLevels(session, Levels(100, 200, 100));
  EXPECT_EQ(session.DemGrid[1][1], 1);
  EXPECT_EQ(session.LinearCodeImage[1][1], 1);
  for (int j = 2; j <= 5; ++j) {
    EXPECT_EQ(session.DemGrid[1][j], 1) << j;
    EXPECT_EQ(session.LinearCodeImage[1][j], 1) << j;
  }
  EXPECT_EQ(session.DemGrid[1][6], 200);
  EXPECT_EQ(session.DemGrid[1][0], NoAltitude);  // column 0 is never labelled
  for (int j = 0; j < 8; ++j) EXPECT_EQ(session.LinearCodeImage[0][j], 255) << j;
  // Line 2 is reached from line 1 over the cells below the run.
  EXPECT_EQ(session.LinearCodeImage[2][3], 1);
  EXPECT_EQ(session.LinearCodeImage[2][0], 255);
}

TEST(LabelLevels, LineZeroAndColumnZeroAreNeverLabelled) {
  std::mt19937 random(8);
  for (int trial = 0; trial < 30; ++trial) {
    const int bands = 3 + trial % 5;
    const ByteGrid image = RandomContours(random, 10 + trial, 12 + trial, bands);
    SessionState session = SeededSession(image, 100, 10, bands);
    LabelLevels(session, Levels(100, 100 + 10 * (bands - 1), 10));
    for (int j = 0; j < image.Columns(); ++j) {
      ASSERT_EQ(session.LinearCodeImage[0][j], image[0][j]);
    }
    for (int i = 0; i < image.Lines(); ++i) {
      ASSERT_EQ(session.LinearCodeImage[i][0], image[i][0]);
    }
  }
}

TEST(LevelPass, LabelsAndPassesEqualTheLiteralOnesOnRandomMaps) {
  std::mt19937 random(17);
  for (int trial = 0; trial < 90; ++trial) {
    const int bands = 2 + trial % 12;
    const ByteGrid image = RandomContours(random, 6 + trial % 37, 5 + (trial * 7) % 43, bands);
    // Small altitudes make level numbers equal to line altitudes now and then.
    const std::int32_t minimum = trial % 3 == 0 ? 1 : 500;
    const std::int32_t interval = trial % 3 == 0 ? 1 : 25;
    const LevelTable levels = Levels(minimum, minimum + interval * (bands - 1), interval);
    SessionState session = SeededSession(image, minimum, interval, bands);
    SessionState literalSession = session;
    LabelLevels(session, levels);
    reference::LabelLevels(literalSession, levels);
    ASSERT_EQ(session.DemGrid, literalSession.DemGrid) << "trial " << trial;
    ASSERT_EQ(session.LinearCodeImage, literalSession.LinearCodeImage) << "trial " << trial;
    IntGrid literal(image.Lines(), image.Columns(), -7);
    reference::RunLevelPasses(session.DemGrid, session.LinearCodeImage, levels, literal);
    testing::ForEachThreadCount([&](int threads) {
      IntGrid fast(image.Lines(), image.Columns(), -7);
      RunLevelPasses(session.DemGrid, session.LinearCodeImage, levels, fast);
      ASSERT_EQ(fast, literal) << "trial " << trial << ", " << threads << " threads";
    });
  }
}

TEST(LevelPass, LargeMapsEqualTheLiteralPassesWithAnyThreadCount) {
  // Many lines close together: the nearest pixel of a line's family often lies on
  // another line of it, and the work is shared out in many pieces.
  std::mt19937 random(23);
  for (int trial = 0; trial < 3; ++trial) {
    const int bands = 12 + 4 * trial;
    const ByteGrid image = RandomContours(random, 120 + 30 * trial, 170, bands);
    const LevelTable levels = Levels(500, 500 + 25 * (bands - 1), 25);
    SessionState session = SeededSession(image, 500, 25, bands);
    LabelLevels(session, levels);
    IntGrid literal(image.Lines(), image.Columns(), 0);
    reference::RunLevelPasses(session.DemGrid, session.LinearCodeImage, levels, literal);
    testing::ForEachThreadCount([&](int threads) {
      IntGrid fast(image.Lines(), image.Columns(), 0);
      RunLevelPasses(session.DemGrid, session.LinearCodeImage, levels, fast);
      ASSERT_EQ(fast, literal) << "trial " << trial << ", " << threads << " threads";
    });
  }
}

TEST(LevelPass, RefusesAGridWhoseDistancesDoNotFitA32BitSquare) {
  // A line of 70000 columns: its squared distances would overflow the 32-bit squares.
  IntGrid dem(1, 70000, NoAltitude);
  dem[0][0] = 100;
  ByteGrid labels(1, 70000, 1);
  IntGrid result(1, 70000);
  EXPECT_THROW(RunLevelPasses(dem, labels, Levels(100, 200, 100), result), Error);
}

TEST(LevelPass, ProductionEqualsTheLiteralPassOnScatteredPixels) {
  // Labels and line pixels anywhere, lines missing for some levels: the nearest pixel
  // may lie far outside the level's own cells.
  std::mt19937 random(99);
  for (int trial = 0; trial < 80; ++trial) {
    const int lines = 1 + trial % 29;
    const int columns = 1 + (trial * 13) % 47;
    const LevelTable levels = Levels(10, 10 + 5 * (1 + trial % 6), 5);
    std::uniform_int_distribution<int> pick(0, 99);
    IntGrid dem(lines, columns, NoAltitude);
    ByteGrid labels(lines, columns, 255);
    const int density = 1 + trial % 20;
    for (int i = 0; i < lines; ++i) {
      for (int j = 0; j < columns; ++j) {
        const int roll = pick(random);
        if (roll < density)
          dem[i][j] = 10 + 5 * (pick(random) % (levels.LevelCount + 2));
        else if (roll < density + 3)
          dem[i][j] = pick(random);
        if (pick(random) < 60) labels[i][j] = static_cast<std::uint8_t>(pick(random) % 9);
      }
    }
    IntGrid literal(lines, columns);
    reference::RunLevelPasses(dem, labels, levels, literal);
    testing::ForEachThreadCount([&](int threads) {
      IntGrid fast(lines, columns);
      RunLevelPasses(dem, labels, levels, fast);
      ASSERT_EQ(fast, literal) << "trial " << trial << ", " << threads << " threads";
    });
  }
}

TEST(LevelPass, InterpolatesFromTheDistancesToBothLines) {
  // Lower line 100 in column 0, upper line 200 in column 8 of one line.
  IntGrid dem(1, 9, NoAltitude);
  dem[0][0] = 100;
  dem[0][8] = 200;
  ByteGrid labels(1, 9, 1);
  labels[0][0] = labels[0][8] = 255;
  IntGrid result(1, 9);
  RunLevelPasses(dem, labels, Levels(100, 200, 100), result);
  const int expected[9] = {100, 112, 125, 137, 150, 162, 175, 187, 0};
  for (int j = 0; j < 9; ++j) EXPECT_EQ(result[0][j], expected[j]) << j;
  // A missing line counts as 99999999 away: without the lower line the cells come out
  // just below the upper altitude, without the upper line at the lower one.
  dem[0][0] = NoAltitude;
  RunLevelPasses(dem, labels, Levels(100, 200, 100), result);
  EXPECT_EQ(result[0][4], 199);
  dem[0][0] = 100;
  dem[0][8] = NoAltitude;
  RunLevelPasses(dem, labels, Levels(100, 200, 100), result);
  EXPECT_EQ(result[0][4], 100);
}

}  // namespace
}  // namespace zelmaro
