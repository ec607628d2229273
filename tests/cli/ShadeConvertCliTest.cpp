#include <gtest/gtest.h>

#include "core/FileIO.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"
#include "raster/ShadeDem.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::TemporaryFolder;

// A small DEM in centimeters, a slope with a bump, saved as Save DEM writes it.
IntGrid SampleDem() {
  IntGrid dem = AllocIntGrid(7, 5);
  for (int line = 0; line < 5; ++line) {
    for (int column = 0; column < 7; ++column) dem[line][column] = 10000 + 250 * line - 90 * column;
  }
  dem[2][3] += 1234;
  return dem;
}

class ShadeConvertCli : public ::testing::Test {
 protected:
  void SetUp() override {
    session.WorkLines = 5;
    session.WorkColumns = 7;
    session.DemGrid = SampleDem();
    ZoneParameters zone;
    zone.ZonePixelSize = 25;
    SaveDemRaw(session, folder.File("site"), zone);
  }
  TemporaryFolder folder;
  SessionState session;
};

TEST_F(ShadeConvertCli, ShadeWritesTheSameBytesAsSaveImage) {
  std::string output;
  ASSERT_EQ(RunCli("shade --dem " + folder.File("site_m4.raw") +
                       " --pixel 25 --scale-out cm --out " + folder.File("shade"),
                   &output),
            0);
  EXPECT_NE(output.find("shade.raw"), std::string::npos);
  session.ShadedImage = ShadeDem(session.DemGrid, 25, 100);
  ZoneParameters zone;
  zone.ZonePixelSize = 25;
  SaveShadedImage(session, folder.File("expected"), zone);
  EXPECT_EQ(ReadFileBytes(folder.File("shade.raw")), ReadFileBytes(folder.File("expected.raw")));
  EXPECT_EQ(ReadFileBytes(folder.File("shade.txt")), ReadFileBytes(folder.File("expected.txt")));
}

TEST_F(ShadeConvertCli, ConvertWritesTheSameAsciiGridAsSaveDem) {
  ASSERT_EQ(
      RunCli("convert --dem " + folder.File("site_m4.raw") +
             " --pixel 25 --xmin 1756000 --ymin 5917000.5 --unit cm --out " + folder.File("site")),
      0);
  const std::string text = ReadFileBytes(folder.File("site.asc"));
  EXPECT_EQ(text, WithCrLf(AsciiGridText(session.DemGrid, {25, 1756000, 5917000.5, 100})));
  EXPECT_EQ(text.substr(0, 44), "ncols 7\r\nnrows 5\r\nxllcorner 1756000.000000\r\n");
  EXPECT_NE(text.find("\r\n100.000000\t99.100000\t"), std::string::npos);
}

TEST_F(ShadeConvertCli, BadInputIsReportedWithANonZeroExitAndNothingWritten) {
  const std::string dem = " --dem " + folder.File("site_m4.raw");
  const std::string before = ListFolder(folder.Path());
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"shade --dem " + folder.File("none_m4.raw") + " --pixel 25 --scale-out m --out " +
           folder.File("x"),
       "none_m4.txt"},
      {"shade" + dem + " --pixel 25 --scale-out km --out " + folder.File("x"), "--scale-out"},
      {"shade" + dem + " --pixel 2x5 --scale-out m --out " + folder.File("x"), "--pixel"},
      {"shade" + dem + " --scale-out m --out " + folder.File("x"), "--pixel is required"},
      {"shade" + dem + " --pixel 25 --scale-out m --out " + folder.File("gone/x"), "gone/x"},
      {"convert" + dem + " --pixel 25 --xmin 0 --ymin 0 --unit m --colour red --out " +
           folder.File("x"),
       "--colour"},
      {"convert" + dem + " --pixel 25 --xmin 0 --ymin 0 --unit m --size " +
           folder.File("nosize.txt") + " --out " + folder.File("x"),
       "nosize.txt"},
  };
  for (const Case& bad : cases) {
    std::string errors;
    EXPECT_EQ(RunCli(bad.arguments, nullptr, &errors), 1) << bad.arguments;
    EXPECT_NE(errors.find("ERROR"), std::string::npos) << errors;
    EXPECT_NE(errors.find(bad.message), std::string::npos) << errors;
  }
  EXPECT_EQ(ListFolder(folder.Path()), before);
}

TEST_F(ShadeConvertCli, AShortDemFileIsRefused) {
  testing::WriteFileBytes(folder.File("short_m4.raw"), std::string(10, '\0'));
  testing::WriteFileBytes(folder.File("short_m4.txt"), "5\n7\n");
  std::string errors;
  EXPECT_EQ(RunCli("shade --dem " + folder.File("short_m4.raw") +
                       " --pixel 25 --scale-out m --out " + folder.File("x"),
                   nullptr, &errors),
            1);
  EXPECT_NE(errors.find("holds 10 bytes"), std::string::npos) << errors;
}

TEST(CliHelp, ListsTheSubcommandsAndRejectsUnknownOnes) {
  std::string output;
  EXPECT_EQ(RunCli("--help", &output), 0);
  EXPECT_NE(output.find("shade --dem"), std::string::npos);
  EXPECT_NE(output.find("convert --dem"), std::string::npos);
  std::string errors;
  EXPECT_EQ(RunCli("frobnicate", nullptr, &errors), 2);
  EXPECT_NE(errors.find("unknown subcommand"), std::string::npos);
}

}  // namespace
}  // namespace zelmaro
