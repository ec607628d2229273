// The production pre-treatments make one pass over the line cells of all codes; the
// literal versions scan the whole image once per code. On any image they must leave
// the same bytes and find the same ends in the same order.
#include <gtest/gtest.h>

#include <random>

#include "pretreat/BreakSearch.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/PretreatTestSupport.h"
#include "pretreat/Skeletonization.h"
#include "reference/PretreatReference.h"

namespace zelmaro {
namespace {

using testing::SessionOf;

// Cells are background with probability 1 - density, otherwise any byte up to
// highestCode, so code 0, codes above AltitudeCount and 255 all occur.
ByteGrid ScatteredCodes(std::mt19937& random, int lines, int columns, double density,
                        int highestCode) {
  ByteGrid image(lines, columns, 255);
  std::bernoulli_distribution line(density);
  std::uniform_int_distribution<int> code(0, highestCode);
  for (int l = 0; l < lines; ++l) {
    for (int c = 0; c < columns; ++c) {
      if (line(random)) image[l][c] = static_cast<std::uint8_t>(code(random));
    }
  }
  return image;
}

// Wandering lines, sometimes two cells thick, that cross and touch: the shapes the
// treatments meet in real images.
ByteGrid WanderingLines(std::mt19937& random, int lines, int columns, int count, int codes) {
  ByteGrid image(lines, columns, 255);
  std::uniform_int_distribution<int> step(-1, 1);
  std::uniform_int_distribution<int> code(1, codes);
  std::uniform_int_distribution<int> startLine(0, lines - 1);
  std::uniform_int_distribution<int> startColumn(0, columns - 1);
  std::bernoulli_distribution thick(0.2);
  for (int walk = 0; walk < count; ++walk) {
    const auto value = static_cast<std::uint8_t>(code(random));
    int l = startLine(random);
    int c = startColumn(random);
    for (int length = 0; length < (lines + columns) * 2; ++length) {
      image[l][c] = value;
      if (thick(random) && c + 1 < columns) image[l][c + 1] = value;
      l = std::clamp(l + step(random), 0, lines - 1);
      c = std::clamp(c + step(random), 0, columns - 1);
    }
  }
  return image;
}

void ExpectSameTreatments(const ByteGrid& image, int altitudeCount, const std::string& what) {
  SCOPED_TRACE(what + ", AltitudeCount " + std::to_string(altitudeCount));
  SessionState fast = SessionOf(image, altitudeCount);
  SessionState literal = SessionOf(image, altitudeCount);
  ASSERT_EQ(SearchBreaks(fast), reference::SearchBreaks(literal));
  for (int run = 0; run < 2; ++run) {
    ThinContourLines(fast);
    reference::ThinContourLines(literal);
    ASSERT_EQ(fast.ContourImage, literal.ContourImage) << "thinning run " << run;
  }
  ASSERT_EQ(SearchBreaks(fast), reference::SearchBreaks(literal));
  for (int run = 0; run < 3; ++run) {
    RemoveBranchEnds(fast);
    reference::RemoveBranchEnds(literal);
    ASSERT_EQ(fast.ContourImage, literal.ContourImage) << "ebarbulation run " << run;
    ASSERT_EQ(SearchBreaks(fast), reference::SearchBreaks(literal));
  }
}

const int kAltitudeCounts[] = {-1, 0, 1, 3, 12, 100, 254, 255, 256, 259};

TEST(PretreatEquivalence, ScatteredCodesOfEverySizeDensityAndCodeCount) {
  std::mt19937 random(20261208);
  const std::pair<int, int> sizes[] = {{1, 1},  {1, 9}, {2, 2},   {3, 3},   {3, 11},
                                       {11, 3}, {4, 4}, {17, 23}, {48, 64}, {90, 70}};
  for (const auto& [lines, columns] : sizes) {
    for (const double density : {0.1, 0.5, 0.9, 1.0}) {
      for (const int highestCode : {1, 3, 14, 255}) {
        const ByteGrid image = ScatteredCodes(random, lines, columns, density, highestCode);
        for (const int altitudeCount : kAltitudeCounts) {
          ExpectSameTreatments(image, altitudeCount,
                               std::to_string(lines) + " x " + std::to_string(columns) +
                                   ", density " + std::to_string(density) + ", codes to " +
                                   std::to_string(highestCode));
        }
      }
    }
  }
}

TEST(PretreatEquivalence, WanderingLines) {
  std::mt19937 random(42);
  for (int trial = 0; trial < 12; ++trial) {
    std::uniform_int_distribution<int> size(5, 110);
    const int lines = size(random);
    const int columns = size(random);
    const int codes = trial % 3 == 0 ? 2 : 20;
    const ByteGrid image = WanderingLines(random, lines, columns, 1 + trial, codes);
    for (const int altitudeCount : {codes, codes - 1, 255}) {
      ExpectSameTreatments(image, altitudeCount,
                           "trial " + std::to_string(trial) + ", " + std::to_string(lines) + " x " +
                               std::to_string(columns));
    }
  }
}

// The scans keep to WorkLines x WorkColumns even when the grid is larger: the cells
// beyond are neither changed nor counted as ends.
TEST(PretreatEquivalence, KeepToTheWorkingSize) {
  std::mt19937 random(7);
  const ByteGrid image = ScatteredCodes(random, 30, 40, 0.6, 4);
  SessionState fast = SessionOf(image, 4);
  SessionState literal = SessionOf(image, 4);
  for (SessionState* session : {&fast, &literal}) {
    session->WorkLines = 20;
    session->WorkColumns = 25;
  }
  EXPECT_EQ(SearchBreaks(fast), reference::SearchBreaks(literal));
  ThinContourLines(fast);
  reference::ThinContourLines(literal);
  RemoveBranchEnds(fast);
  reference::RemoveBranchEnds(literal);
  EXPECT_EQ(fast.ContourImage, literal.ContourImage);
  for (int line = 19; line < 30; ++line) {
    for (int column = 24; column < 40; ++column) {
      EXPECT_EQ(fast.ContourImage[line][column], image[line][column]);
    }
  }
}

}  // namespace
}  // namespace zelmaro
