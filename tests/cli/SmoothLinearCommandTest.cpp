#include <gtest/gtest.h>

#include "core/Grid.h"
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

}  // namespace
}  // namespace zelmaro
