#include <gtest/gtest.h>

#include "core/Grid.h"
#include "interp/LinearInterpolation.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::TemporaryFolder;
using testing::WriteFileBytes;

// A 9 x 9 DEM of zeros with 2700 in its centre, with its descriptive file.
std::string WriteImpulseDem(const TemporaryFolder& folder) {
  IntGrid dem(9, 9);
  dem[4][4] = 2700;
  WriteFileBytes(folder.File("peak_m4.raw"), RawDemBytes(dem));
  ZoneParameters zone;
  zone.ZonePixelSize = 25;
  WriteFileBytes(folder.File("peak_m4.txt"), DescriptiveFileText(9, 9, zone, true));
  return folder.File("peak_m4.raw");
}

TEST(SmoothCommand, WritesTheSmoothedDemAndItsDescription) {
  TemporaryFolder folder;
  const std::string dem = WriteImpulseDem(folder);
  std::string output;
  ASSERT_EQ(RunCli("smooth --dem " + dem + " --range 1 --out " + folder.File("soft"), &output), 0);
  EXPECT_NE(output.find("soft_m4.raw"), std::string::npos);
  const IntGrid smoothed = ReadRawDem(folder.File("soft_m4.raw"), {9, 9});
  EXPECT_EQ(smoothed[2][2], 3);
  EXPECT_EQ(smoothed[4][4], 533);
  EXPECT_EQ(smoothed[5][5], 237);
  EXPECT_EQ(smoothed[4][8], 0);
  EXPECT_EQ(ReadFileBytes(folder.File("soft_m4.txt")),
            "9\r\n9\r\n1\r\n0\r\n255\r\n25\r\n\r\n\r\n\tCoordinates : \r\n"
            "\tXMax 0.000000\tXMin 0.000000\r\n\tYMax 0.000000\tYMin 0.000000\r\n");
}

TEST(SmoothCommand, RefusesBadRangesAndMissingFilesWithoutWriting) {
  TemporaryFolder folder;
  const std::string dem = WriteImpulseDem(folder);
  std::string errors;
  EXPECT_EQ(
      RunCli("smooth --dem " + dem + " --range 4 --out " + folder.File("soft"), nullptr, &errors),
      1);
  EXPECT_NE(errors.find("needs a DEM of at least 10 lines"), std::string::npos) << errors;
  EXPECT_EQ(
      RunCli("smooth --dem " + dem + " --range 17 --out " + folder.File("soft"), nullptr, &errors),
      1);
  EXPECT_NE(errors.find("between 0 and 16"), std::string::npos) << errors;
  EXPECT_EQ(RunCli("smooth --dem " + dem + " --range two --out " + folder.File("soft")), 1);
  EXPECT_EQ(RunCli("smooth --dem " + folder.File("none_m4.raw") + " --range 1 --out " +
                       folder.File("soft"),
                   nullptr, &errors),
            1);
  EXPECT_NE(errors.find("none_m4.txt"), std::string::npos) << errors;
  EXPECT_EQ(ListFolder(folder.Path()), "peak_m4.raw peak_m4.txt");
}

std::string VolcanoLinear(const std::string& options) {
  return "linear --raw " + testing::ExamplePath("volcano.raw") + " --table " +
         testing::ExamplePath("volcano_tab.txt") + " " + options;
}

TEST(LinearCommand, WritesTheLinearDemOfTheExample) {
  TemporaryFolder folder;
  std::string output;
  ASSERT_EQ(RunCli(VolcanoLinear("--min 95 --max 195 --interval 5 --scale-in m --scale-out dm "
                                 "--pixel 10 --out " +
                                 folder.File("volcano")),
                   &output),
            0);
  EXPECT_NE(output.find("volcano_m4.raw (366 lines x 522 columns)"), std::string::npos);
  EXPECT_EQ(ListFolder(folder.Path()), "volcano_m4.raw volcano_m4.txt");
  EXPECT_EQ(ReadFileBytes(folder.File("volcano_m4.txt")).substr(0, 25),
            "366\r\n522\r\n1\r\n0\r\n255\r\n10\r\n");
  const IntGrid written = ReadRawDem(folder.File("volcano_m4.raw"), {366, 522});

  SessionState session;
  RasterLoadAnswers answers;
  answers.rawPath = testing::ExamplePath("volcano.raw");
  answers.tablePath = testing::ExamplePath("volcano_tab.txt");
  LoadRaster(session, answers);
  RunLinearInterpolation(session, LinearParameters{95, 195, 5, 1, 10});
  EXPECT_EQ(written, session.DemGrid);
  // A smoothed interpolation between 95 m and 195 m, in decimeters.
  int labelled = 0;
  for (std::size_t cell = 0; cell < written.CellCount(); ++cell) {
    ASSERT_GE(written.Data()[cell], 940);
    ASSERT_LE(written.Data()[cell], 1950);
    const int label = session.LinearCodeImage.Data()[cell];
    if (label != 255 && session.ContourImage.Data()[cell] == 255) ++labelled;
  }
  EXPECT_GT(labelled, 10000);
}

TEST(LinearCommand, RefusesBadParametersAndInputWithoutWriting) {
  TemporaryFolder folder;
  const std::string out = " --out " + folder.File("bad");
  std::string errors;
  EXPECT_EQ(
      RunCli(VolcanoLinear("--min 95 --max 195 --interval 0 --scale-in m --scale-out m" + out),
             nullptr, &errors),
      1);
  EXPECT_NE(errors.find("interval is 0"), std::string::npos) << errors;
  EXPECT_EQ(
      RunCli(VolcanoLinear("--min 95 --max 195 --interval 5 --scale-in mm --scale-out m" + out),
             nullptr, &errors),
      1);
  EXPECT_NE(errors.find("becomes 0"), std::string::npos) << errors;
  EXPECT_EQ(
      RunCli(VolcanoLinear("--min 95 --max 195 --interval 5 --scale-in ft --scale-out m" + out)),
      1);
  EXPECT_EQ(
      RunCli(VolcanoLinear("--min 0 --max 2000 --interval 1 --scale-in m --scale-out m" + out),
             nullptr, &errors),
      1);
  EXPECT_NE(errors.find("at most 254"), std::string::npos) << errors;
  EXPECT_EQ(RunCli("linear --raw " + testing::ExamplePath("volcano.raw") + " --table " +
                   folder.File("missing_tab.txt") +
                   " --min 95 --max 195 --interval 5 --scale-in m --scale-out m" + out),
            1);
  EXPECT_EQ(ListFolder(folder.Path()), "");
}

}  // namespace
}  // namespace zelmaro
