#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

#include <functional>
#include <random>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "core/Progress.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::ReadFileBytes;
using testing::TemporaryFolder;

ZoneParameters SmallZone() {
  ZoneParameters zone;
  zone.ZonePixelSize = 30;
  zone.ZoneXMin = 1000;
  zone.ZoneXMax = 1090;
  zone.ZoneYMin = 2000;
  zone.ZoneYMax = 2060;
  return zone;
}

SessionState SessionWithDem() {
  SessionState session;
  session.WorkLines = 2;
  session.WorkColumns = 3;
  session.DemGrid = AllocIntGrid(3, 2);
  session.DemGrid[0][0] = 12345;
  session.DemGrid[0][1] = 678;
  session.DemGrid[0][2] = -9999999;
  session.DemGrid[1][0] = -1;
  session.DemGrid[1][1] = 256;
  session.DemGrid[1][2] = 0x01020304;
  return session;
}

const char* const kDescriptiveWithCoordinates =
    "2\r\n3\r\n1\r\n0\r\n255\r\n30\r\n\r\n\r\n\tCoordinates : \r\n"
    "\tXMax 1090.000000\tXMin 1000.000000\r\n\tYMax 2060.000000\tYMin 2000.000000\r\n";

TEST(SaveDemRaw, WritesTheDescriptiveFileOfElevenLinesAndLittleEndianCells) {
  TemporaryFolder folder;
  SaveDemRaw(SessionWithDem(), folder.File("dem"), SmallZone());
  EXPECT_EQ(ListFolder(folder.Path()), "dem_m4.raw dem_m4.txt");
  EXPECT_EQ(ReadFileBytes(folder.File("dem_m4.txt")), kDescriptiveWithCoordinates);
  const std::string raw = ReadFileBytes(folder.File("dem_m4.raw"));
  ASSERT_EQ(raw.size(), 4u * 2 * 3);
  EXPECT_EQ(raw.substr(0, 8), std::string("\x39\x30\x00\x00\xa6\x02\x00\x00", 8));
  EXPECT_EQ(raw.substr(8, 4), std::string("\x81\x69\x67\xff", 4));  // -9999999
  EXPECT_EQ(raw.substr(12, 4), std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(raw.substr(20, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(ReadRawDem(folder.File("dem_m4.raw"), {2, 3}), SessionWithDem().DemGrid);
}

TEST(SaveDemAscii, WritesTheHeaderAndTabEndedLinesInTheChosenUnit) {
  TemporaryFolder folder;
  SaveDemAscii(SessionWithDem(), folder.File("dem"), {30, 1000.5, 2000, 100});
  EXPECT_EQ(ListFolder(folder.Path()), "dem.asc");
  EXPECT_EQ(ReadFileBytes(folder.File("dem.asc")),
            "ncols 3\r\nnrows 2\r\nxllcorner 1000.500000\r\nyllcorner 2000.000000\r\n"
            "cellsize 30.000000\r\nnodata_value -9999.9999\r\n"
            "123.450000\t6.780000\t-99999.990000\t\r\n"
            "-0.010000\t2.560000\t169090.600000\t\r\n");
}

TEST(SaveDemAscii, RefusesToWriteWithoutAUnit) {
  TemporaryFolder folder;
  EXPECT_THROW(SaveDemAscii(SessionWithDem(), folder.File("dem"), AsciiGridFrame{}), Error);
  EXPECT_EQ(ListFolder(folder.Path()), "");
}

TEST(SaveDemAscii, WritesEveryValueAsTheFixedSixDecimalsOfItsQuotient) {
  // The values written from integers against the general formatting of the quotient.
  std::mt19937 random(9);
  std::vector<std::int32_t> values{
      0,   1,   -1,   5,    -5,    9,        -9,         10,
      -10, 999, -999, 1000, -1000, -9999999, 2147483647, -2147483647 - 1};
  std::uniform_int_distribution<std::int32_t> any(-2147483647 - 1, 2147483647);
  for (int k = 0; k < 20000; ++k) values.push_back(k % 2 == 0 ? any(random) : any(random) % 100000);
  char buffer[kMostDemValueCharacters];
  for (const std::int32_t factor : {1, 10, 100, 1000, 7, -10, 3000}) {
    for (const std::int32_t value : values) {
      const std::string written(buffer, FormatDemValue(buffer, value, factor));
      ASSERT_EQ(written, FormatFixed6(static_cast<double>(value) / factor))
          << value << " / " << factor;
    }
  }
}

TEST(SaveDemAscii, TheFileDoesNotDependOnTheThreads) {
  std::mt19937 random(2);
  std::uniform_int_distribution<std::int32_t> altitude(-3000000, 9000000);
  SessionState session;
  session.DemGrid = IntGrid(700, 650);
  for (std::int32_t& cell : session.DemGrid.Cells()) cell = altitude(random);
  TemporaryFolder folder;
  testing::ForEachThreadCount([&](int threads) {
    const std::string stem = folder.File("dem" + std::to_string(threads));
    SaveDemAscii(session, stem, {10, 5, 6, 100});
    EXPECT_EQ(ReadFileBytes(stem + ".asc"),
              WithCrLf(AsciiGridText(session.DemGrid, {10, 5, 6, 100})));
  });
}

TEST(SaveDem, ACancelledSaveLeavesTheFolderAsItWas) {
  TemporaryFolder folder;
  SessionState session;
  session.DemGrid = IntGrid(300, 200, 1234);
  testing::WriteFileBytes(folder.File("dem.asc"), "before");
  const auto expectUnchangedOnCancel = [&](const std::function<void()>& save) {
    const std::string files = ListFolder(folder.Path());
    const std::string ascii = ReadFileBytes(folder.File("dem.asc"));
    try {
      save();
    } catch (const CommandCancelled&) {
      EXPECT_EQ(ListFolder(folder.Path()), files);
      EXPECT_TRUE(ReadFileBytes(folder.File("dem.asc")) == ascii);
      throw;
    }
  };
  testing::ExpectProgressAndEveryCancel([&](const Progress& progress) {
    expectUnchangedOnCancel([&] {
      SaveDemAscii(session, folder.File("dem"), {10, 0, 0, 1}, {}, progress);
    });
  });
  testing::ExpectProgressAndEveryCancel([&](const Progress& progress) {
    expectUnchangedOnCancel(
        [&] { SaveDemRaw(session, folder.File("dem"), SmallZone(), {}, progress); });
  });
}

TEST(SaveContourImage, WritesImageDescriptionAndTableAndRenamesTheSession) {
  TemporaryFolder folder;
  SessionState session;
  session.WorkLines = 2;
  session.WorkColumns = 3;
  session.ContourImage = ByteGrid(2, 3, 255);
  session.ContourImage[1][0] = 2;
  session.AltitudeCount = 2;
  session.AltitudeTable[1] = 100;
  session.AltitudeTable[2] = -50;
  const std::string stem = folder.File("zone");
  SaveContourImage(session, stem, SmallZone());
  EXPECT_EQ(ListFolder(folder.Path()), "zone.raw zone.txt zone_tab.txt");
  EXPECT_EQ(ReadFileBytes(stem + ".txt"), kDescriptiveWithCoordinates);
  EXPECT_EQ(ReadFileBytes(stem + "_tab.txt"), "1 100\r\n2 -50\r\n");
  EXPECT_EQ(ReadFileBytes(stem + ".raw"), std::string("\xff\xff\xff\x02\xff\xff", 6));
  EXPECT_EQ(session.InputFileName, stem);
  EXPECT_EQ(session.OutputFileName, stem + ".raw");

  // The saved image loads again: its size file and table are found beside it.
  SessionState reloaded;
  RasterLoadAnswers answers;
  answers.rawPath = stem + ".raw";
  answers.tablePath = stem + "_tab.txt";
  ASSERT_TRUE(LoadRaster(reloaded, answers));
  EXPECT_EQ(reloaded.ContourImage, session.ContourImage);
  EXPECT_EQ(reloaded.AltitudeTable[2], -50);
}

TEST(SaveShadedImage, WritesTheDescriptionWithoutCoordinates) {
  TemporaryFolder folder;
  SessionState session;
  session.ShadedImage = ByteGrid(2, 3, 181);
  SaveShadedImage(session, folder.File("shade.raw"), SmallZone());
  // A typed extension stays part of the stem.
  EXPECT_EQ(ListFolder(folder.Path()), "shade.raw.raw shade.raw.txt");
  EXPECT_EQ(ReadFileBytes(folder.File("shade.raw.txt")), "2\r\n3\r\n1\r\n0\r\n255\r\n30\r\n\r\n");
  EXPECT_EQ(ReadFileBytes(folder.File("shade.raw.raw")), std::string(6, '\xb5'));
}

TEST(SaveFailures, LeaveNoFileBehindAndNameTheTarget) {
  TemporaryFolder folder;
  const std::string missingFolder = folder.File("gone/dem");
  try {
    SaveDemRaw(SessionWithDem(), missingFolder, SmallZone());
    FAIL() << "saved into a missing folder";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("gone/dem_m4"), std::string::npos);
  }
  EXPECT_THROW(SaveDemRaw(SessionState{}, folder.File("x"), SmallZone()), Error);
  EXPECT_EQ(ListFolder(folder.Path()), "");
}

TEST(SaveFailures, AWriteThatRunsOutOfSpaceKeepsThePreviousFilesWhole) {
  TemporaryFolder folder;
  testing::WriteFileBytes(folder.File("dem_m4.txt"), "previous");
  SessionState session;
  session.DemGrid = AllocIntGrid(10, 10);
  // A file size limit makes the second file fail midway, as a full disk would.
  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = 300;
  setrlimit(RLIMIT_FSIZE, &limited);
  bool failed = false;
  try {
    SaveDemRaw(session, folder.File("dem"), SmallZone());
  } catch (const Error& error) {
    failed = std::string(error.what()).find("dem_m4.raw") != std::string::npos;
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(ListFolder(folder.Path()), "dem_m4.txt");
  EXPECT_EQ(ReadFileBytes(folder.File("dem_m4.txt")), "previous");
}

}  // namespace
}  // namespace zelmaro
