#include "pretreat/EditorTools.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "core/Error.h"
#include "forms/EditorDialogs.h"
#include "pretreat/PretreatTestSupport.h"

namespace zelmaro {
namespace {

using testing::CodesFromText;
using testing::SessionOf;

ShownArea AreaOf(const SessionState& session) {
  return {session.ContourImage.Lines(), session.ContourImage.Columns()};
}

TEST(DrawRuleSegment, StepsAlongTheLongerAxisRoundingTheOther) {
  ByteGrid image(3, 5, 255);
  DrawRuleSegment(image, 0, 0, 2, 4, 7);
  EXPECT_EQ(image, CodesFromText({
                       "7....",
                       ".77..",
                       "...77",
                   }));
  // Walked the other way, the running line 1.5 rounds to 2 and 0.5 to 1: the same cells.
  ByteGrid back(3, 5, 255);
  DrawRuleSegment(back, 2, 4, 0, 0, 7);
  EXPECT_EQ(back, image);
  ByteGrid steep(5, 3, 255);
  DrawRuleSegment(steep, 4, 0, 0, 1, 3);
  // Columns 0, 0.25, 0.5, 0.75, 1 from the bottom round to 0, 0, 1, 1, 1.
  EXPECT_EQ(steep, CodesFromText({".3.", ".3.", ".3.", "3..", "3.."}));
}

TEST(DrawRuleSegment, DrawsNothingForOnePointAndSkipsCellsOutsideTheImage) {
  ByteGrid image(4, 4, 255);
  DrawRuleSegment(image, 2, 2, 2, 2, 5);
  EXPECT_EQ(image, ByteGrid(4, 4, 255));
  DrawRuleSegment(image, 1, 1, 1, 9, 261);  // the low byte, 5, is written
  EXPECT_EQ(image, CodesFromText({"....", ".555", "....", "...."}));
  DrawRuleSegment(image, 5, 0, 0, 5, 2);
  EXPECT_EQ(image, CodesFromText({"....", ".555", "...2", "..2."}));
}

TEST(PencilAndPipette, PencilBeforeAnyPipetteWritesCodeZero) {
  SessionState session = SessionOf(CodesFromText({".....", ".333.", "....."}), 12);
  session.AltitudeTable[0] = -7;
  CLValueModel pipette;
  const ToolOutcome outcome =
      PencilClick(session, AreaOf(session), 0, 4, MouseButton::Left, pipette.DrawingValue);
  EXPECT_EQ(session.ContourImage[0][4], 0);
  EXPECT_TRUE(outcome.Redisplay);
  EXPECT_EQ(outcome.InfoMessage, " Pencil Tab_out[0][4] = 0\n altitude = -7 ");
}

TEST(PencilAndPipette, PipettePicksTheCodeThatThePencilThenWrites) {
  SessionState session = SessionOf(CodesFromText({".....", ".393.", "....."}), 12);
  CLValueModel pipette;
  std::int32_t picked = -1;
  EXPECT_FALSE(PipetteClick(session, AreaOf(session), 1, 2, MouseButton::Right, picked));
  EXPECT_FALSE(PipetteClick(session, AreaOf(session), 3, 2, MouseButton::Left, picked));
  ASSERT_TRUE(PipetteClick(session, AreaOf(session), 1, 2, MouseButton::Left, picked));
  pipette.PickValue(picked);
  EXPECT_EQ(pipette.DrawingValue, 9);
  EXPECT_EQ(pipette.ValueText, "9");
  const ToolOutcome outcome =
      PencilClick(session, AreaOf(session), 2, 0, MouseButton::Left, pipette.DrawingValue);
  EXPECT_EQ(outcome.InfoMessage, " Pencil Tab_out[2][0] = 9\n altitude = 1900 ");
  EXPECT_EQ(session.ContourImage, CodesFromText({".....", ".393.", "9...."}));
  // The right button takes the snapshot and draws nothing, so the pencil's change can
  // no longer be undone.
  EXPECT_FALSE(PencilClick(session, AreaOf(session), 0, 0, MouseButton::Right, 9).Redisplay);
  EXPECT_EQ(session.ComeBackImage, session.ContourImage);
}

TEST(IsolatedPoints, TwoPointsOnTwelveCodesBecomeCodes13And14) {
  SessionState session = SessionOf(ByteGrid(6, 6, 255), 12);
  InfoPointModel dialog;
  dialog.ShowCode(NextIsolatedPointCode(session));
  EXPECT_EQ(dialog.CodeText, "13");
  dialog.AltitudeEditChange("1500");
  ToolOutcome outcome =
      IsolatedPointClick(session, AreaOf(session), 2, 3, MouseButton::Left, dialog.PointAltitude);
  EXPECT_EQ(outcome.InfoMessage, " Point Tab_out[2][3] = 13\n altitude = 1500 ");
  dialog.ShowCode(NextIsolatedPointCode(session));
  EXPECT_EQ(dialog.CodeText, "14");
  dialog.AltitudeEditChange("1600");
  outcome =
      IsolatedPointClick(session, AreaOf(session), 4, 1, MouseButton::Left, dialog.PointAltitude);
  EXPECT_TRUE(outcome.Redisplay);
  EXPECT_EQ(session.ContourImage[2][3], 13);
  EXPECT_EQ(session.ContourImage[4][1], 14);
  EXPECT_EQ(session.AltitudeTable[13], 1500);
  EXPECT_EQ(session.AltitudeTable[14], 1600);
  EXPECT_EQ(session.AltitudeCount, 14);
  // The right button leaves image and table alone.
  const SessionState before = session;
  EXPECT_FALSE(
      IsolatedPointClick(session, AreaOf(session), 0, 0, MouseButton::Right, 99).Redisplay);
  EXPECT_EQ(session.ContourImage, before.ContourImage);
  EXPECT_EQ(session.AltitudeCount, 14);
  EXPECT_EQ(session.AltitudeTable, before.AltitudeTable);
}

TEST(IsolatedPoints, AreRefusedOnceEveryGrayToneIsUsed) {
  SessionState session = SessionOf(ByteGrid(4, 4, 255), 253);
  IsolatedPointClick(session, AreaOf(session), 1, 1, MouseButton::Left, 10);
  EXPECT_EQ(session.ContourImage[1][1], 254);
  EXPECT_EQ(session.AltitudeCount, 254);
  session.ComeBackImage = ByteGrid(4, 4, 1);
  const ByteGrid image = session.ContourImage;
  try {
    IsolatedPointClick(session, AreaOf(session), 2, 2, MouseButton::Left, 20);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("254"), std::string::npos);
  }
  EXPECT_THROW(NextIsolatedPointCode(session), Error);
  EXPECT_EQ(session.ContourImage, image);
  EXPECT_EQ(session.ComeBackImage, ByteGrid(4, 4, 1));
  EXPECT_EQ(session.AltitudeCount, 254);
  EXPECT_EQ(session.AltitudeTable[255], 0);
}

TEST(Rule, LeftSetsTheStartAndRightClicksDrawAFan) {
  SessionState session = SessionOf(ByteGrid(5, 5, 255), 12);
  EXPECT_FALSE(RuleClick(session, AreaOf(session), 2, 2, MouseButton::Left, 4).Redisplay);
  EXPECT_EQ(session.ContourImage, ByteGrid(5, 5, 255));
  EXPECT_TRUE(RuleClick(session, AreaOf(session), 0, 2, MouseButton::Right, 4).Redisplay);
  EXPECT_TRUE(RuleClick(session, AreaOf(session), 2, 4, MouseButton::Right, 6).Redisplay);
  EXPECT_EQ(session.ContourImage, CodesFromText({
                                      "..4..",
                                      "..4..",
                                      "..666",
                                      ".....",
                                      ".....",
                                  }));
  // Come Back undoes only the last segment.
  ComeBack(session, AreaOf(session));
  EXPECT_EQ(session.ContourImage, CodesFromText({
                                      "..4..",
                                      "..4..",
                                      "..4..",
                                      ".....",
                                      ".....",
                                  }));
}

const char* const kRing[] = {
    ".........", "..77777..", "..7...7..", "..7...7..", "..77777..", ".........",
};

TEST(FillBackground, FillsARingFromInsideOnly) {
  ByteGrid image = CodesFromText({kRing[0], kRing[1], kRing[2], kRing[3], kRing[4], kRing[5]});
  FillBackground(image, {6, 9}, 2, 4, 20);
  ByteGrid expected = CodesFromText({kRing[0], kRing[1], kRing[2], kRing[3], kRing[4], kRing[5]});
  for (int line = 2; line <= 3; ++line) {
    for (int column = 3; column <= 5; ++column) expected[line][column] = 20;
  }
  EXPECT_EQ(image, expected);
}

TEST(FillBackground, ReachesColumnZeroAndEveryCornerOfAnOpenArea) {
  ByteGrid image = CodesFromText({kRing[0], kRing[1], kRing[2], kRing[3], kRing[4], kRing[5]});
  FillBackground(image, {6, 9}, 3, 1, 1);
  EXPECT_EQ(image, CodesFromText({
                       "111111111",
                       "117777711",
                       "117...711",
                       "117...711",
                       "117777711",
                       "111111111",
                   }));
}

TEST(FillBackground, RefusesValuesThatAreNoGrayToneAndCellsThatAreNoBackground) {
  ByteGrid image = CodesFromText({".....", ".333.", "....."});
  const ByteGrid original = image;
  for (const std::int32_t value : {255, 256, 511, -1}) {
    EXPECT_THROW(FillBackground(image, {3, 5}, 0, 0, value), Error) << value;
  }
  FillBackground(image, {3, 5}, 1, 2, 9);  // a click on the line itself
  EXPECT_EQ(image, original);
  FillBackground(image, {3, 5}, 0, 0, 254);
  EXPECT_EQ(image[2][4], 254);
  EXPECT_EQ(image[1][2], 3);
}

// A comb of one-cell teeth gives one pending seed per tooth, far beyond the 99,999
// seeds a fixed stack held.
TEST(FillBackground, GrowsItsSeedStackAsFarAsNeeded) {
  const int columns = 240001;
  ByteGrid image(3, columns, 255);
  for (int column = 1; column < columns; column += 2) {
    image[0][column] = 1;
    image[2][column] = 1;
  }
  FillBackground(image, {3, columns}, 1, 0, 5);
  for (int column = 0; column < columns; ++column) {
    ASSERT_EQ(image[1][column], 5);
    ASSERT_EQ(image[0][column], column % 2 == 1 ? 1 : 5);
  }
}

// The scan-line fill must give exactly the 4-connected background area of the click.
TEST(FillBackground, MatchesAPlainBreadthFirstFillOnRandomImages) {
  std::mt19937 random(11);
  std::bernoulli_distribution wall(0.42);
  for (int trial = 0; trial < 60; ++trial) {
    const int lines = 1 + trial % 23;
    const int columns = 1 + (trial * 7) % 31;
    ByteGrid image(lines, columns, 255);
    for (std::uint8_t& cell : image.Cells()) cell = wall(random) ? 3 : 255;
    const int line = static_cast<int>(random() % lines);
    const int column = static_cast<int>(random() % columns);
    ByteGrid expected = image;
    if (expected[line][column] == 255) {
      std::deque<std::pair<int, int>> pending{{line, column}};
      expected[line][column] = 40;
      while (!pending.empty()) {
        const auto [l, c] = pending.front();
        pending.pop_front();
        for (const auto& [dl, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
          if (expected.Contains(l + dl, c + dc) && expected[l + dl][c + dc] == 255) {
            expected[l + dl][c + dc] = 40;
            pending.push_back({l + dl, c + dc});
          }
        }
      }
    }
    FillBackground(image, {lines, columns}, line, column, 40);
    ASSERT_EQ(image, expected) << "trial " << trial;
  }
}

TEST(FillClick, FillsWithTheLeftButtonAndCanBeUndone) {
  SessionState session = SessionOf(CodesFromText({".....", "33333", "....."}), 12);
  FunnelInfoModel dialog;
  dialog.FillingEditChange("20");
  EXPECT_FALSE(FillClick(session, AreaOf(session), 0, 0, MouseButton::Right, 20).Redisplay);
  EXPECT_TRUE(
      FillClick(session, AreaOf(session), 2, 3, MouseButton::Left, dialog.FillingValue).Redisplay);
  EXPECT_EQ(session.ContourImage, CodesFromText({".....", "33333", "kkkkk"}));
  ComeBack(session, AreaOf(session));
  ComeBack(session, AreaOf(session));
  EXPECT_EQ(session.ContourImage, CodesFromText({".....", "33333", "....."}));
}

TEST(FillClick, RefusesTheBackgroundValueBeforeTakingTheSnapshot) {
  SessionState session = SessionOf(CodesFromText({".....", "33333", "....."}), 12);
  session.ComeBackImage = ByteGrid(3, 5, 8);
  EXPECT_THROW(FillClick(session, AreaOf(session), 0, 0, MouseButton::Left, 255), Error);
  EXPECT_EQ(session.ContourImage, CodesFromText({".....", "33333", "....."}));
  EXPECT_EQ(session.ComeBackImage, ByteGrid(3, 5, 8));
}

TEST(ComeBack, RestoresTheSnapshotButNotTheAltitudeTable) {
  SessionState session = SessionOf(ByteGrid(3, 3, 255), 2);
  IsolatedPointClick(session, AreaOf(session), 1, 1, MouseButton::Left, 777);
  ComeBack(session, AreaOf(session));
  EXPECT_EQ(session.ContourImage, ByteGrid(3, 3, 255));
  EXPECT_EQ(session.AltitudeCount, 3);
  EXPECT_EQ(session.AltitudeTable[3], 777);
}

// In the whole-data view the shown picture and ContourImage differ in size: clicks
// beyond ContourImage do nothing, and no copy reaches past either grid.
TEST(EditorTools, IgnoreClicksOutsideContourImageWhateverIsShown) {
  SessionState session = SessionOf(CodesFromText({"....", ".22.", "...."}), 12);
  session.ComeBackImage = ByteGrid(3, 4, 9);
  const ShownArea wholeData{50, 60};
  EXPECT_FALSE(EditableCell(session, wholeData, 3, 1));
  EXPECT_FALSE(EditableCell(session, wholeData, 1, 4));
  EXPECT_FALSE(EditableCell(session, {2, 2}, 2, 1));
  EXPECT_FALSE(EditableCell(session, wholeData, -1, 0));
  EXPECT_FALSE(PencilClick(session, wholeData, 10, 10, MouseButton::Left, 1).Redisplay);
  EXPECT_FALSE(RuleClick(session, wholeData, 3, 0, MouseButton::Right, 1).Redisplay);
  EXPECT_FALSE(FillClick(session, wholeData, 0, 40, MouseButton::Left, 1).Redisplay);
  EXPECT_FALSE(IsolatedPointClick(session, wholeData, 40, 0, MouseButton::Left, 1).Redisplay);
  EXPECT_EQ(session.AltitudeCount, 12);
  EXPECT_EQ(session.ComeBackImage, ByteGrid(3, 4, 9));  // no snapshot either
  // A click inside, in the larger view, fills within ContourImage only.
  EXPECT_TRUE(FillClick(session, wholeData, 0, 0, MouseButton::Left, 6).Redisplay);
  EXPECT_EQ(session.ContourImage, CodesFromText({"6666", "6226", "6666"}));
  ComeBack(session, wholeData);
  EXPECT_EQ(session.ContourImage, CodesFromText({"....", ".22.", "...."}));
  // A rule start left outside a smaller image by an earlier one is clipped.
  session.RuleStartLine = 8;
  session.RuleStartColumn = 0;
  RuleClick(session, wholeData, 0, 0, MouseButton::Right, 4);
  EXPECT_EQ(session.ContourImage, CodesFromText({"4...", "422.", "4..."}));
}

}  // namespace
}  // namespace zelmaro
