#include <gtest/gtest.h>

#include "core/FileIO.h"
#include "pretreat/BreakSearch.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/Skeletonization.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"
#include "reference/PretreatReference.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ExamplePath;
using testing::ListFolder;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::TemporaryFolder;

std::string VolcanoArguments() {
  return testing::VolcanoRasterArguments();
}

TEST(ThinCommand, WritesTheImageTheTreatmentGivesWithItsTwoTextFiles) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(
      RunCli("thin " + VolcanoArguments() + " --times 2 --pixel 25 --out " + folder.File("thin"),
             &output),
      0);
  EXPECT_NE(output.find("thin.raw (366 lines x 522 columns)"), std::string::npos) << output;
  EXPECT_EQ(ListFolder(folder.Path()), "thin.raw thin.txt thin_tab.txt");
  SessionState expected = testing::LoadVolcanoSession();
  reference::ThinContourLines(expected);
  reference::ThinContourLines(expected);
  EXPECT_EQ(ReadFileBytes(folder.File("thin.raw")), RawBytes(expected.ContourImage));
  ZoneParameters zone;
  zone.ZonePixelSize = 25;
  EXPECT_EQ(ReadFileBytes(folder.File("thin.txt")),
            WithCrLf(DescriptiveFileText(366, 522, zone, true)));
  EXPECT_EQ(ReadFileBytes(folder.File("thin_tab.txt")),
            WithCrLf(AltitudeTableText(expected.AltitudeTable, expected.AltitudeCount)));
  EXPECT_EQ(ReadFileBytes(folder.File("thin_tab.txt")).substr(0, 13), "1 95\r\n2 100\r\n");
}

TEST(EbarbCommand, RunsOnceByDefaultWithPixelSizeZero) {
  TemporaryFolder folder;
  ASSERT_EQ(RunCli("ebarb " + VolcanoArguments() + " --out " + folder.File("clean")), 0);
  SessionState expected = testing::LoadVolcanoSession();
  const ByteGrid original = expected.ContourImage;
  reference::RemoveBranchEnds(expected);
  ASSERT_NE(expected.ContourImage, original);  // the example has branch ends to remove
  EXPECT_EQ(ReadFileBytes(folder.File("clean.raw")), RawBytes(expected.ContourImage));
  EXPECT_EQ(ReadFileBytes(folder.File("clean.txt")),
            WithCrLf(DescriptiveFileText(366, 522, ZoneParameters{}, true)));
}

TEST(BreaksCommand, PrintsTheNumberOfEndsAndWritesTheirTable) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(RunCli("breaks " + VolcanoArguments() + " --out " + folder.File("gaps"), &output), 0);
  const BreakTable expected = reference::SearchBreaks(testing::LoadVolcanoSession());
  ASSERT_GE(expected.size(), 2u);
  EXPECT_EQ(output.substr(0, output.find('\n')), std::to_string(expected.size()) + " line end(s)");
  EXPECT_EQ(ListFolder(folder.Path()), "gaps.txt");
  EXPECT_EQ(ReadFileBytes(folder.File("gaps.txt")), WithCrLf(BreakTableText(expected)));
}

TEST(BreaksCommand, SaysSoWhenNoBreakIsRegistered) {
  TemporaryFolder folder;
  // Branch-end removal repeated until no open line end is left.
  SessionState cleaned = testing::LoadVolcanoSession();
  for (int run = 0; run < 400 && !NoBreakRegistered(SearchBreaks(cleaned)); ++run) {
    RemoveBranchEnds(cleaned);
  }
  ASSERT_TRUE(NoBreakRegistered(SearchBreaks(cleaned)));
  SaveContourImage(cleaned, folder.File("closed"), ZoneParameters{});
  std::string output;
  ASSERT_EQ(RunCli("breaks --raw " + folder.File("closed.raw") + " --table " +
                       folder.File("closed_tab.txt") + " --out " + folder.File("none"),
                   &output),
            0);
  EXPECT_NE(output.find("No break registered"), std::string::npos) << output;
  EXPECT_EQ(ReadFileBytes(folder.File("none.txt")).substr(0, 23), "lines\tcolumns\tcurve\r\n\r\n");
}

TEST(PretreatCommands, RefuseBadInputWithAMessageAndWriteNothing) {
  TemporaryFolder folder;
  const std::string out = " --out " + folder.File("result");
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"thin " + VolcanoArguments(), "--out"},
      {"thin --table " + ExamplePath("volcano_tab.txt") + out, "--raw"},
      {"ebarb " + VolcanoArguments() + " --times 0" + out, "--times"},
      {"ebarb " + VolcanoArguments() + " --times two" + out, "--times"},
      {"thin " + VolcanoArguments() + " --pixel x" + out, "--pixel"},
      {"breaks " + VolcanoArguments() + " --times 2" + out, "--times"},
      {"breaks --raw " + folder.File("missing.raw") + " --table " + ExamplePath("volcano_tab.txt") +
           out,
       "missing"},
      {"thin --raw " + ExamplePath("volcano.raw") + " --table " + folder.File("none.txt") + out,
       "none.txt"},
      {"breaks " + VolcanoArguments() + " --out " + folder.File("no/such/folder"), "folder"},
  };
  for (const Case& bad : cases) {
    std::string errors;
    EXPECT_NE(RunCli(bad.arguments, nullptr, &errors), 0) << bad.arguments;
    EXPECT_NE(errors.find("ERROR"), std::string::npos) << errors;
    EXPECT_NE(errors.find(bad.message), std::string::npos) << errors;
  }
  EXPECT_EQ(ListFolder(folder.Path()), "");
}

}  // namespace
}  // namespace zelmaro
