#include "pretreat/BreakSearch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Error.h"
#include "pretreat/PretreatTestSupport.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;
using testing::ListFolder;
using testing::ReadFileBytes;
using testing::SessionOf;
using testing::TemporaryFolder;

BreakTable BreaksOf(const ByteGrid& image, int altitudeCount = 12) {
  return SearchBreaks(SessionOf(image, altitudeCount));
}

TEST(SearchBreaks, FindsNoEndOnClosedRingsAndTwoOnAnOpenSegment) {
  const BreakTable rings = BreaksOf(CodesFromText({
      "..........",
      ".111..22..",
      ".1.1.2..2.",
      ".111..22..",
      "..........",
  }));
  EXPECT_TRUE(rings.empty());
  EXPECT_TRUE(NoBreakRegistered(rings));
  const BreakTable segment = BreaksOf(CodesFromText({
      "........",
      ".3333...",
      ".....3..",
      "........",
  }));
  EXPECT_EQ(segment, (BreakTable{{1, 1, 3}, {2, 5, 3}}));
  EXPECT_FALSE(NoBreakRegistered(segment));
  EXPECT_TRUE(NoBreakRegistered(BreakTable{{1, 1, 3}}));
}

TEST(SearchBreaks, CountsExactlyOneSameCodeNeighbour) {
  // An isolated pixel has none; a pair touching diagonally gives two ends; a last
  // pixel with E and SE neighbours has two and is not an end.
  EXPECT_EQ(BreaksOf(CodesFromText({
                "...........",
                ".5...6.....",
                "......6....",
                ".......77..",
                "........7..",
                "........7..",
                "...........",
            })),
            (BreakTable{{1, 5, 6}, {2, 6, 6}, {5, 8, 7}}));
}

TEST(SearchBreaks, IgnoresEndsOnTheBorderButFindsThemOneCellInside) {
  EXPECT_EQ(BreaksOf(CodesFromText({
                "1111....",
                "........",
                ".2222...",
                "........",
                "......33",
            })),
            (BreakTable{{2, 1, 2}, {2, 4, 2}}));
}

TEST(SearchBreaks, KeepsCodesApartAndOrdersByCodeThenLineThenColumn) {
  // The 4s and 9s touch; each line still has its two ends. The 9s come first in the
  // image but after the 4s in the table.
  EXPECT_EQ(BreaksOf(CodesFromText({
                "..........",
                ".9999.....",
                ".4444.....",
                "..........",
                "......44..",
                "..........",
            })),
            (BreakTable{{2, 1, 4}, {2, 4, 4}, {4, 6, 4}, {4, 7, 4}, {1, 1, 9}, {1, 4, 9}}));
  // Code 0 and codes above AltitudeCount are not lines.
  EXPECT_TRUE(BreaksOf(CodesFromText({"......", ".00dd.", "......"}), 12).empty());
}

TEST(SearchBreaks, TreatsTheBackgroundAsALineOnceAltitudeCountReaches255) {
  // The background cell at (2,2) is walled in by code 1 but for its E neighbour. The
  // background comes last, after every line code.
  const ByteGrid image = CodesFromText({
      "......",
      ".111..",
      ".1....",
      ".111..",
      "......",
  });
  const BreakTable lineEnds{{1, 3, 1}, {3, 3, 1}};
  EXPECT_EQ(BreaksOf(image, 254), lineEnds);
  BreakTable withBackground = lineEnds;
  withBackground.push_back({2, 2, 255});
  EXPECT_EQ(BreaksOf(image, 255), withBackground);
  EXPECT_EQ(BreaksOf(image, 259), withBackground);
}

TEST(BreakTableFile, WritesTheHeaderAndOneCrLfLinePerEndWithTxtAppended) {
  SessionState session = SessionOf(ByteGrid(15, 45, 255), 12);
  for (int column = 30; column <= 40; ++column) session.ContourImage[12][column] = 3;
  for (int line = 2; line <= 6; ++line) session.ContourImage[line][20] = 1;
  TemporaryFolder folder;
  const std::string written = WriteBreakTable(SearchBreaks(session), folder.File("gaps"));
  EXPECT_EQ(written, folder.File("gaps.txt"));
  EXPECT_EQ(ReadFileBytes(folder.File("gaps.txt")),
            "lines\tcolumns\tcurve\r\n\r\n"
            "2\t20\t1\r\n6\t20\t1\r\n12\t30\t3\r\n12\t40\t3\r\n");
  WriteBreakTable({}, folder.File("ends.txt"));
  EXPECT_EQ(ReadFileBytes(folder.File("ends.txt.txt")), "lines\tcolumns\tcurve\r\n\r\n");
  EXPECT_EQ(ListFolder(folder.Path()), "ends.txt.txt gaps.txt");
}

TEST(BreakTableFile, HoldsEveryEndBeyondTheOldLimitOf1999) {
  // 1200 two-pixel segments: 2400 ends.
  SessionState session = SessionOf(ByteGrid(42, 242, 255), 1);
  for (int line = 1; line <= 40; line += 2) {
    for (int column = 1; column + 1 <= 240; column += 4) {
      session.ContourImage[line][column] = 1;
      session.ContourImage[line][column + 1] = 1;
    }
  }
  const BreakTable table = SearchBreaks(session);
  ASSERT_EQ(table.size(), 20u * 60u * 2u);
  EXPECT_EQ(table.back(), (BreakEntry{39, 238, 1}));
  TemporaryFolder folder;
  WriteBreakTable(table, folder.File("many"));
  const std::string text = ReadFileBytes(folder.File("many.txt"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 2400);
  EXPECT_TRUE(text.ends_with("39\t237\t1\r\n39\t238\t1\r\n"));
}

TEST(BreakTableFile, ReportsAFolderThatCannotBeWrittenAndLeavesNothing) {
  TemporaryFolder folder;
  try {
    WriteBreakTable({{1, 2, 3}}, folder.File("missing/gaps"));
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("missing/gaps.txt"), std::string::npos);
  }
  EXPECT_EQ(ListFolder(folder.Path()), "");
}

}  // namespace
}  // namespace zelmaro
