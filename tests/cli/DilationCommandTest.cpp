#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "interp/Dilation.h"
#include "raster/RasterFiles.h"
#include "reference/LiteralDilation.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ExamplePath;
using testing::RunCli;
using testing::TemporaryFolder;

std::string VolcanoArguments() {
  return "dilation " + testing::VolcanoRasterArguments();
}

TEST(DilationCommand, WritesTheDemOfTheExampleAsTheLiteralDilationComputesIt) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(RunCli(VolcanoArguments() + " --scale-in m --scale-out dm --pixel 10 --out " +
                       folder.File("volcano"),
                   &output),
            0);
  EXPECT_NE(output.find("DemMin 950\nDemMax 1950\n"), std::string::npos) << output;
  EXPECT_EQ(testing::ListFolder(folder.Path()), "volcano_m4.raw volcano_m4.txt");
  const IntGrid written = ReadRawDem(folder.File("volcano_m4.raw"), {366, 522});

  SessionState session = testing::LoadVolcanoSession();
  SeedDemGrid(session, 1, 10);
  reference::LiteralDilationInterpolation(session);
  EXPECT_EQ(written, session.DemGrid);
  EXPECT_EQ(session.DemMin, 950);
  EXPECT_EQ(session.DemMax, 1950);

  int contourCells = 0;
  for (int line = 0; line < 366; ++line) {
    for (int column = 0; column < 522; ++column) {
      const int code = session.ContourImage[line][column];
      if (code == kBackgroundCode) continue;
      ++contourCells;
      ASSERT_EQ(written[line][column], session.AltitudeTable[code] * 10) << line << " " << column;
    }
  }
  EXPECT_GT(contourCells, 1000);
}

TEST(DilationCommand, PrintsTheRangeInTheScaleOutUnit) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(RunCli(VolcanoArguments() + " --scale-in m --scale-out m --out " +
                       folder.File("volcano") + " --asc " + folder.File("grid") +
                       " --xmin 500000 --ymin 4000000 --shade " + folder.File("shade"),
                   &output),
            0);
  EXPECT_NE(output.find("DemMin 95\nDemMax 195\n"), std::string::npos) << output;
  EXPECT_EQ(testing::ListFolder(folder.Path()),
            "grid.asc shade.raw shade.txt volcano_m4.raw volcano_m4.txt");
  const std::string ascii = testing::ReadFileBytes(folder.File("grid.asc"));
  EXPECT_EQ(ascii.compare(0, 14, "ncols 522\r\nnro"), 0) << ascii.substr(0, 40);
}

// Tables read otherwise than their author may have meant: the command runs, saying so.
// Code 255 stays the background even when a table names it (the background would
// otherwise become a contour at the 255th altitude, DemMax 2550 on lines that reach 195).
TEST(DilationCommand, WarnsAboutTablesReadByPositionOrTooLong) {
  TemporaryFolder folder;
  std::string padded = testing::ReadFileBytes(ExamplePath("volcano_tab.txt"));
  for (int code = 22; code <= 257; ++code)
    padded += std::to_string(code) + " " + std::to_string(code * 10) + "\n";
  std::string reordered = "0 95\n";  // a table counted from 0: every code one level off
  for (int code = 1; code <= 20; ++code)
    reordered += std::to_string(code) + " " + std::to_string(95 + 5 * code) + "\n";
  const struct {
    std::string table;
    std::string warning;
    std::string range;
  } cases[] = {
      {padded,
       "holds 257 pairs, but gray tone 255 is the background of the image: only the first "
       "254 are used, the pairs from line 255 on are ignored.",
       "DemMin 95\nDemMax 195\n"},
      {reordered,
       "t.txt, line 1: the pair (0, 95) is pair number 1, so its altitude goes to gray "
       "tone 1, not 0: the pairs give the altitudes of gray tones 1, 2, 3, ... in their "
       "order (20 more pairs stand out of order).",
       "DemMin 95\nDemMax 195\n"},
  };
  for (const auto& [table, warning, range] : cases) {
    testing::WriteFileBytes(folder.File("t.txt"), table);
    std::string output;
    std::string errors;
    ASSERT_EQ(
        RunCli("dilation --raw " + ExamplePath("volcano.raw") + " --table " + folder.File("t.txt") +
                   " --scale-in m --scale-out m --out " + folder.File("dem"),
               &output, &errors),
        0)
        << errors;
    EXPECT_NE(errors.find("WARNING: The altitude table " + folder.File("t.txt")),
              std::string::npos);
    EXPECT_NE(errors.find(warning), std::string::npos) << errors;
    EXPECT_NE(output.find(range), std::string::npos) << output;
  }
}

TEST(DilationCommand, RefusesBadInputWithAMessageAndWritesNothing) {
  TemporaryFolder folder;
  const std::string out = " --out " + folder.File("dem");
  std::string tooManyCodes;
  for (int code = 1; code <= 260; ++code) tooManyCodes += std::to_string(code) + " 100\n";
  testing::WriteFileBytes(folder.File("big_tab.txt"), tooManyCodes);

  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"dilation --raw " + folder.File("none.raw") + " --table " + ExamplePath("volcano_tab.txt") +
           " --scale-in m --scale-out m" + out,
       "none"},
      {"dilation --raw " + ExamplePath("volcano.raw") + " --table " + folder.File("none.txt") +
           " --scale-in m --scale-out m" + out,
       "none.txt"},
      {VolcanoArguments() + " --scale-out m" + out, "--scale-in"},
      {VolcanoArguments() + " --scale-in feet --scale-out m" + out, "--scale-in"},
      {VolcanoArguments() + " --scale-in m" + out, "--scale-out"},
      {"dilation --raw " + ExamplePath("volcano.raw") + " --table " + folder.File("big_tab.txt") +
           " --scale-in m --scale-out m" + out,
       "at most 259"},
      {VolcanoArguments() + " --scale-in m --scale-out m --pixel 0" + out, "--pixel"},
      {VolcanoArguments() + " --scale-in m --scale-out m --asc " + folder.File("g") + out,
       "--xmin"},
  };
  for (const auto& bad : cases) {
    SCOPED_TRACE(bad.arguments);
    std::string errors;
    EXPECT_NE(RunCli(bad.arguments, nullptr, &errors), 0);
    EXPECT_NE(errors.find("ERROR"), std::string::npos) << errors;
    EXPECT_NE(errors.find(bad.message), std::string::npos) << errors;
    EXPECT_EQ(testing::ListFolder(folder.Path()), "big_tab.txt");
  }
}

}  // namespace
}  // namespace zelmaro
