#include "pretreat/Skeletonization.h"

#include <gtest/gtest.h>

#include <set>

#include "core/NeighbourCode.h"
#include "pretreat/DeletionTables.h"
#include "pretreat/PretreatTestSupport.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;

ByteGrid Thinned(const ByteGrid& image, int altitudeCount = 12) {
  return testing::Treated(image, altitudeCount, ThinContourLines);
}

TEST(NeighbourCode, WeighsEachNeighbourAsTheWindowShowsIt) {
  const ByteGrid image = CodesFromText({
      "4.7",
      ".44",
      "474",
  });
  // NW 1, E 8, SW 64, SE 16; the 7s are another code and count as absent.
  EXPECT_EQ(NeighbourCode(image, 1, 1), 1 + 8 + 64 + 16);
  const ByteGrid full = CodesFromText({"555", "555", "555"});
  EXPECT_EQ(NeighbourCode(full, 1, 1), 255);
  for (int line = -1; line <= 1; ++line) {
    for (int column = -1; column <= 1; ++column) {
      ByteGrid single = CodesFromText({"...", ".3.", "..."});
      if (line == 0 && column == 0) continue;
      single[1 + line][1 + column] = 3;
      const int code = NeighbourCode(single, 1, 1);
      EXPECT_EQ(code, kNeighbourWeights[1 + line][1 + column]);
      EXPECT_TRUE(NeighbourPresent(code, line, column));
      EXPECT_TRUE(IsSingleNeighbour(code));
    }
  }
  EXPECT_EQ(kNeighbourWeights[0][2], 4);   // NE
  EXPECT_EQ(kNeighbourWeights[2][0], 64);  // SW
  EXPECT_FALSE(IsSingleNeighbour(0));
  EXPECT_FALSE(IsSingleNeighbour(24));
}

// The configurations must stay connected once their centre goes, or the thinning
// would cut lines; a wrong code in the table shows up here.
TEST(ThinningConfigurations, HaveTwoOrThreeNeighboursThatStayConnected) {
  for (const ThinningConfiguration& configuration : kThinningConfigurations) {
    std::vector<std::pair<int, int>> present;
    for (int line = -1; line <= 1; ++line) {
      for (int column = -1; column <= 1; ++column) {
        if (NeighbourPresent(configuration.Code, line, column)) present.push_back({line, column});
      }
    }
    ASSERT_GE(present.size(), 2u) << int(configuration.Code);
    ASSERT_LE(present.size(), 3u) << int(configuration.Code);
    std::set<std::size_t> reached{0};
    for (std::size_t round = 0; round < present.size(); ++round) {
      for (std::size_t a : std::set<std::size_t>(reached)) {
        for (std::size_t b = 0; b < present.size(); ++b) {
          if (std::abs(present[a].first - present[b].first) <= 1 &&
              std::abs(present[a].second - present[b].second) <= 1) {
            reached.insert(b);
          }
        }
      }
    }
    EXPECT_EQ(reached.size(), present.size()) << int(configuration.Code);
    // Phase 2 holds exactly the corners of two 4-neighbour arms.
    const bool corner = present.size() == 2 && present[0].first * present[0].second == 0 &&
                        present[1].first * present[1].second == 0;
    EXPECT_EQ(configuration.Phase == 2, corner) << int(configuration.Code);
  }
  std::multiset<int> tableCodes;
  std::multiset<int> layoutCodes(kThinningInfoLayout.begin(), kThinningInfoLayout.end());
  for (const auto& configuration : kThinningConfigurations) tableCodes.insert(configuration.Code);
  EXPECT_EQ(tableCodes, layoutCodes);
  EXPECT_EQ(std::set<int>(tableCodes.begin(), tableCodes.end()).size(), 24u);
}

TEST(ThinContourLines, LeavesThickLinesAndBlocksAlone) {
  const ByteGrid image = CodesFromText({
      "..........",
      ".1111111..",
      ".1111111..",
      "..........",
      "...222....",
      "...222....",
      "...222....",
      "..........",
  });
  EXPECT_EQ(Thinned(image), image);
}

TEST(ThinContourLines, CutsTheCornerOfAnLWhoseArmsAreFourNeighbours) {
  EXPECT_EQ(Thinned(CodesFromText({
                ".......",
                ".1111..",
                ".1.....",
                ".1.....",
                ".......",
            })),
            CodesFromText({
                ".......",
                "..111..",
                ".1.....",
                ".1.....",
                ".......",
            }));
}

TEST(ThinContourLines, TakesExactlyTheFourCornersOfARing) {
  EXPECT_EQ(Thinned(CodesFromText({
                "........",
                ".333333.",
                ".3....3.",
                ".3....3.",
                ".333333.",
                "........",
            })),
            CodesFromText({
                "........",
                "..3333..",
                ".3....3.",
                ".3....3.",
                "..3333..",
                "........",
            }));
}

TEST(ThinContourLines, EatsAStaircaseFromItsUpperLeftEndInOneRun) {
  EXPECT_EQ(Thinned(CodesFromText({
                ".......",
                ".55....",
                "..55...",
                "...55..",
                "....55.",
                ".......",
            })),
            CodesFromText({
                ".......",
                ".......",
                ".......",
                ".......",
                "....55.",
                ".......",
            }));
}

TEST(ThinContourLines, DeletesADoubledEndButNotSingleNeighbourEnds) {
  // (1,1) has E and SE (code 24) and goes in phase 1. The ends of the straight lines,
  // the diagonal and the isolated pixel have a single neighbour and stay.
  EXPECT_EQ(Thinned(CodesFromText({
                "...........",
                ".11..2.....",
                "..1...2..3.",
                "...........",
                ".4444...5..",
                "...........",
            })),
            CodesFromText({
                "...........",
                "..1..2.....",
                "..1...2..3.",
                "...........",
                ".4444...5..",
                "...........",
            }));
}

TEST(ThinContourLines, ExaminesOnlyCodesOneToAltitudeCountEachOnItsOwn) {
  // The same L corner in code 0, in code 13 above AltitudeCount 12, and in code 2.
  EXPECT_EQ(Thinned(CodesFromText({
                        "...............",
                        ".000..ddd..222.",
                        ".0....d....2...",
                        ".0....d....2...",
                        "...............",
                    }),
                    12),
            CodesFromText({
                "...............",
                ".000..ddd...22.",
                ".0....d....2...",
                ".0....d....2...",
                "...............",
            }));
  // A pixel of another code inside the corner is not a neighbour: the corner pixel
  // still has only E and S (code 40), not E, S and SE.
  EXPECT_EQ(Thinned(CodesFromText({
                ".......",
                ".1111..",
                ".17....",
                ".1.....",
                ".......",
            })),
            CodesFromText({
                ".......",
                "..111..",
                ".17....",
                ".1.....",
                ".......",
            }));
}

TEST(ThinContourLines, NeverChangesTheOutermostLinesAndColumnsButCountsThem) {
  // A ring along the border has its corners on the border: nothing changes.
  const ByteGrid border = CodesFromText({
      "222222",
      "2....2",
      "2....2",
      "222222",
  });
  EXPECT_EQ(Thinned(border), border);
  // (1,1) has its N and W neighbours on the border (code 130) and goes in phase 2;
  // the border pixels stay.
  EXPECT_EQ(Thinned(CodesFromText({
                ".1....",
                "11....",
                "......",
                "......",
            })),
            CodesFromText({
                ".1....",
                "1.....",
                "......",
                "......",
            }));
}

}  // namespace
}  // namespace zelmaro
