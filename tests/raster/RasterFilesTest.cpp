#include <gtest/gtest.h>

#include "core/Error.h"
#include "raster/RasterFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::ReadFileBytes;
using testing::TemporaryFolder;
using testing::WriteFileBytes;

TEST(SizeFile, ReadsTheFirstTwoIntegersWhateverFollows) {
  TemporaryFolder folder;
  WriteFileBytes(folder.File("a.txt"), "512 768");
  WriteFileBytes(folder.File("b.txt"), "512\r\n768\r\n");
  WriteFileBytes(folder.File("c.txt"),
                 "512\r\n768\r\n1\r\n0\r\n255\r\n30\r\n\r\n\r\n\tCoordinates : \r\n"
                 "\tXMax 1090.000000\tXMin 1000.000000\r\n");
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    EXPECT_EQ(ReadSizeFile(folder.File(name)), (ImageSize{512, 768})) << name;
  }
  EXPECT_FALSE(ReadSizeFile(folder.File("missing.txt")).has_value());
}

TEST(SizeFile, RefusesFilesThatDoNotStartWithTwoPositiveIntegers) {
  TemporaryFolder folder;
  for (const char* content :
       {"", "512", "512 abc", "abc 512 768", "0 768", "512 -3", "512abc 768", "70000 70000"}) {
    WriteFileBytes(folder.File("s.txt"), content);
    try {
      ReadSizeFile(folder.File("s.txt"));
      ADD_FAILURE() << "accepted: " << content;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(folder.File("s.txt")), std::string::npos);
    }
  }
}

TEST(SizeFile, IsWrittenAsTwoLinesWithCrLf) {
  TemporaryFolder folder;
  WriteSizeFile(folder.File("map.txt"), {100, 200});
  EXPECT_EQ(ReadFileBytes(folder.File("map.txt")), "100\r\n200\r\n");
  EXPECT_EQ(SizeFileNameFor("/data/map.raw"), "/data/map.txt");
  EXPECT_EQ(SizeFileNameFor("/data.d/map"), "/data.d/map.txt");
}

TEST(RawImage, AShortFileLeavesTheUncoveredCellsZero) {
  TemporaryFolder folder;
  WriteFileBytes(folder.File("m.raw"), std::string("\x01\x02\x03\x04\x05", 5));
  const ByteGrid image = ReadRawImage(folder.File("m.raw"), {2, 3});
  EXPECT_EQ(image[0][0], 1);
  EXPECT_EQ(image[0][2], 3);
  EXPECT_EQ(image[1][1], 5);
  EXPECT_EQ(image[1][2], 0);
  EXPECT_THROW(ReadRawImage(folder.File("none.raw"), {2, 3}), Error);
}

TEST(RawImage, ALengthOtherThanItsSizeIsNotedAndARawDemMustHoldItExactly) {
  TemporaryFolder folder;
  WriteFileBytes(folder.File("m.raw"), std::string(64, '\0'));
  // Counted from the file's length: nothing of the 1.6 GB is allocated.
  EXPECT_EQ(RawImageLengthNote(folder.File("m.raw"), {40000, 40000}),
            "The raw image " + folder.File("m.raw") +
                " holds 64 bytes for 40000 lines x 40000 columns: 1,599,999,936 bytes were "
                "missing, and their cells are 0.");
  EXPECT_NE(RawImageLengthNote(folder.File("m.raw"), {6, 10}).find("4 bytes were left over"),
            std::string::npos);
  EXPECT_EQ(RawImageLengthNote(folder.File("m.raw"), {8, 8}), "");
  for (const int length : {399, 401}) {
    WriteFileBytes(folder.File("d_m4.raw"), std::string(length, '\0'));
    EXPECT_THROW(ReadRawDem(folder.File("d_m4.raw"), {10, 10}), Error) << length;
  }
  std::string bytes(400, '\xff');  // -1 everywhere but the first cell, 1
  bytes.replace(0, 4, std::string("\x01\x00\x00\x00", 4));
  WriteFileBytes(folder.File("d_m4.raw"), bytes);
  const IntGrid dem = ReadRawDem(folder.File("d_m4.raw"), {10, 10});
  EXPECT_EQ(dem[0][0], 1);
  EXPECT_EQ(dem[9][9], -1);
}

TEST(AltitudeTable, CountsPairsInCodeOrderIgnoringTheFirstNumber) {
  TemporaryFolder folder;
  WriteFileBytes(folder.File("t.txt"), "1 120\n2 140\n3 160\n");
  EXPECT_EQ(ReadAltitudeTable(folder.File("t.txt")).altitudes,
            (std::vector<std::int32_t>{120, 140, 160}));
  WriteFileBytes(folder.File("u.txt"), "5 120\r\n9 140\r\n");
  EXPECT_EQ(ReadAltitudeTable(folder.File("u.txt")).altitudes,
            (std::vector<std::int32_t>{120, 140}));
}

TEST(AltitudeTable, WarnsAboutPairsOutOfPlaceAndBeyondCode254) {
  TemporaryFolder folder;
  std::string long259;
  for (int k = 1; k <= 259; ++k) long259 += std::to_string(k) + " " + std::to_string(k) + "\n";
  const struct {
    std::string content;
    std::size_t count;
    std::vector<std::string> warnings;
  } cases[] = {
      {"1 120\n2 140\n", 2, {}},
      {"1 120\n\n9 140\n3 150\n",
       3,
       {"t.txt, line 3: the pair (9, 140) is pair number 2, so its "
        "altitude goes to gray tone 2, not 9"}},
      {"5 120\n9 140\n", 2, {"line 1: the pair (5, 120)", "(1 more pair stands out of order)."}},
      {long259,
       254,
       {"holds 259 pairs", "only the first 254 are used, the pairs from line 255 on"}},
  };
  for (const auto& [content, count, warnings] : cases) {
    WriteFileBytes(folder.File("t.txt"), content);
    const AltitudeTableContent table = ReadAltitudeTable(folder.File("t.txt"));
    EXPECT_EQ(table.altitudes.size(), count);
    ASSERT_EQ(table.warnings.size(), warnings.empty() ? 0u : 1u) << content;
    for (const std::string& part : warnings) {
      EXPECT_NE(table.warnings[0].find(part), std::string::npos) << table.warnings[0];
    }
  }
}

TEST(AltitudeTable, FinalLineBreakAndTrailingBlankLinesDoNotChangeTheCount) {
  TemporaryFolder folder;
  for (const char* content : {"1 95\n2 100", "1 95\n2 100\n", "1 95\n2 100\n\n\n",
                              "1 95\r\n2 100\r\n\r\n", "  1   95 \n2\t100\n"}) {
    WriteFileBytes(folder.File("t.txt"), content);
    EXPECT_EQ(ReadAltitudeTable(folder.File("t.txt")).altitudes,
              (std::vector<std::int32_t>{95, 100}))
        << content;
  }
}

TEST(AltitudeTable, BadTablesAreRefusedNamingTheFileAndLine) {
  TemporaryFolder folder;
  const auto messageFor = [&](const std::string& content) -> std::string {
    WriteFileBytes(folder.File("t.txt"), content);
    try {
      ReadAltitudeTable(folder.File("t.txt"));
    } catch (const Error& error) {
      return error.what();
    }
    return "accepted";
  };
  EXPECT_NE(messageFor("1 95\n2 abc\n").find("t.txt, line 2"), std::string::npos);
  EXPECT_NE(messageFor("1 95\n\n3\n").find("line 3"), std::string::npos);
  EXPECT_NE(messageFor("1 95 7\n").find("line 1"), std::string::npos);
  EXPECT_NE(messageFor("").find("empty"), std::string::npos);
  EXPECT_NE(messageFor("\n\n").find("empty"), std::string::npos);
  std::string big;
  for (int k = 1; k <= 260; ++k) big += std::to_string(k) + " " + std::to_string(k * 10) + "\n";
  EXPECT_NE(messageFor(big).find("at most 259"), std::string::npos);
  big.resize(big.rfind("260 "));
  EXPECT_EQ(messageFor(big), "accepted");
}

class RasterLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(folder.File("map.raw"), std::string("\x01\xff\x02\x02\xff\x01", 6));
    WriteFileBytes(folder.File("map.txt"), "2\n3\n");
    WriteFileBytes(folder.File("tab.txt"), "1 100\n2 200\n");
    session.AltitudeTable[5] = 555;
    answers.rawPath = folder.File("map.raw");
    answers.tablePath = folder.File("tab.txt");
  }
  TemporaryFolder folder;
  SessionState session;
  RasterLoadAnswers answers;
};

TEST_F(RasterLoad, ACompleteLoadFillsTheSession) {
  ASSERT_TRUE(LoadRaster(session, answers));
  EXPECT_EQ(session.InputFileName, folder.File("map.raw"));
  EXPECT_EQ(session.InputPath, folder.File("map.raw"));
  EXPECT_EQ(session.CaptionPath, folder.File("map.raw"));
  EXPECT_EQ(session.InputDirectory, folder.Path());
  EXPECT_EQ(session.SizeFileName, folder.File("map.txt"));
  EXPECT_EQ(session.WorkLines, 2);
  EXPECT_EQ(session.WorkColumns, 3);
  EXPECT_EQ(session.ContourGridLines, 2);
  EXPECT_EQ(session.ContourImage[1][2], 1);
  EXPECT_EQ(session.ComeBackImage, session.ContourImage);
  EXPECT_EQ(session.AltitudeCount, 2);
  EXPECT_EQ(session.AltitudeTable[1], 100);
  EXPECT_EQ(session.AltitudeTable[2], 200);
  EXPECT_EQ(session.AltitudeTable[5], 555);  // entries above the count are left alone
  EXPECT_EQ(session.RasterSession, 1);
  EXPECT_EQ(session.EditableImage, 1);
  EXPECT_EQ(session.GeoReferenced, 0);
}

TEST_F(RasterLoad, WithoutASizeFileTheTypedSizeIsUsedAndWrittenBeside) {
  std::remove(folder.File("map.txt").c_str());
  answers.typedSize = ImageSize{3, 2};
  ASSERT_TRUE(LoadRaster(session, answers));
  EXPECT_EQ(session.WorkLines, 3);
  EXPECT_EQ(session.WorkColumns, 2);
  EXPECT_EQ(ReadFileBytes(folder.File("map.txt")), "3\r\n2\r\n");
}

TEST_F(RasterLoad, ACancelledTableKeepsTheImageButNotTheTable) {
  answers.tablePath.reset();
  session.AltitudeCount = 7;
  EXPECT_FALSE(LoadRaster(session, answers));
  EXPECT_EQ(session.ContourImage.Lines(), 2);
  EXPECT_EQ(session.AltitudeCount, 7);
  EXPECT_EQ(session.RasterSession, 0);
  EXPECT_EQ(session.EditableImage, 0);
}

TEST_F(RasterLoad, AnyFailingFileLeavesTheSessionAsItWas) {
  LoadRaster(session, answers);
  const SessionState before = session;
  const auto expectUnchanged = [&](const RasterLoadAnswers& bad) {
    EXPECT_THROW(LoadRaster(session, bad), Error);
    EXPECT_EQ(session.InputFileName, before.InputFileName);
    EXPECT_EQ(session.ContourImage, before.ContourImage);
    EXPECT_EQ(session.AltitudeTable, before.AltitudeTable);
    EXPECT_EQ(session.AltitudeCount, before.AltitudeCount);
    EXPECT_EQ(session.WorkLines, before.WorkLines);
  };
  WriteFileBytes(folder.File("other.raw"), "abc");
  RasterLoadAnswers noSize = answers;
  noSize.rawPath = folder.File("other.raw");
  expectUnchanged(noSize);
  EXPECT_FALSE(testing::ReadFileBytes(folder.File("map.txt")).empty());

  RasterLoadAnswers missingRaw = answers;
  missingRaw.rawPath = folder.File("gone.raw");
  missingRaw.typedSize = ImageSize{2, 2};
  expectUnchanged(missingRaw);
  EXPECT_EQ(testing::ListFolder(folder.Path()), "map.raw map.txt other.raw tab.txt");

  WriteFileBytes(folder.File("bad.txt"), "1 100\nxx\n");
  RasterLoadAnswers badTable = answers;
  badTable.tablePath = folder.File("bad.txt");
  expectUnchanged(badTable);

  RasterLoadAnswers zeroSize = noSize;
  zeroSize.typedSize = ImageSize{0, 5};
  expectUnchanged(zeroSize);
}

}  // namespace
}  // namespace zelmaro
