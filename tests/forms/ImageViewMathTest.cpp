#include <gtest/gtest.h>

#include "core/SessionState.h"
#include "forms/ImageViewMath.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

TEST(ZoomSteps, OneClickThroughOneToOneInEachDirection) {
  EXPECT_EQ(ZoomAfterClick(1, MouseButton::Right).zoomFactor, -2);
  EXPECT_EQ(ZoomAfterClick(-2, MouseButton::Left).zoomFactor, -1);
  EXPECT_EQ(ZoomAfterClick(-1, MouseButton::Left).zoomFactor, 2);
  EXPECT_EQ(ZoomAfterClick(2, MouseButton::Right).zoomFactor, 1);
  EXPECT_EQ(ZoomAfterClick(5, MouseButton::Middle).zoomFactor, 5);
  EXPECT_EQ(ZoomAfterClick(20, MouseButton::Left).zoomFactor, 20);
  EXPECT_TRUE(ZoomAfterClick(20, MouseButton::Left).refused);
  EXPECT_TRUE(ZoomAfterClick(-20, MouseButton::Right).refused);
  EXPECT_FALSE(ZoomAfterClick(19, MouseButton::Left).refused);
}

TEST(ZoomSteps, CaptionsGoingUpAndDownKeepTheirTrailingBlank) {
  std::vector<std::string> up;
  int z = -3;
  up.push_back(ZoomCaption("map.raw", z));
  for (int i = 0; i < 4; ++i) {
    z = ZoomAfterClick(z, MouseButton::Left).zoomFactor;
    up.push_back(ZoomCaption("map.raw", z));
  }
  EXPECT_EQ(up, (std::vector<std::string>{"map.raw (1:3) ", "map.raw (1:2) ", "map.raw (1:1)",
                                          "map.raw (2:1) ", "map.raw (3:1) "}));
  std::vector<std::string> down;
  z = 3;
  down.push_back(ZoomCaption("map.raw", z));
  for (int i = 0; i < 4; ++i) {
    z = ZoomAfterClick(z, MouseButton::Right).zoomFactor;
    down.push_back(ZoomCaption("map.raw", z));
  }
  EXPECT_EQ(down, (std::vector<std::string>{"map.raw (3:1) ", "map.raw (2:1) ", "map.raw (1:1)",
                                            "map.raw (1:2) ", "map.raw (1:3) "}));
}

TEST(ZoomGeometry, ScalesAndHalfExtents) {
  EXPECT_FLOAT_EQ(DisplayScale(0), 1.0f);
  EXPECT_FLOAT_EQ(DisplayScale(-1), 1.0f);
  EXPECT_FLOAT_EQ(DisplayScale(-4), 0.25f);
  EXPECT_FLOAT_EQ(DisplayScale(7), 7.0f);
  EXPECT_EQ(HalfExtent(600, 5.0f), 60);
  EXPECT_EQ(HalfExtent(601, 2.0f), 150);
  EXPECT_EQ(HalfExtent(100, 0.5f), 100);
  EXPECT_EQ(ScrollRange(101, 0.5f), 50);
}

TEST(ZoomGeometry, TheZoomRectangleStaysInsideThePicture) {
  // Near the left edge: 100 columns, half width 30, click at column 10.
  const PictureRect left = ZoomSourceRect(10, 50, 30, 20, 100, 100);
  EXPECT_EQ(left.left, 0);
  EXPECT_EQ(left.right, 59);
  EXPECT_EQ(left.top, 30);
  EXPECT_EQ(left.bottom, 70);
  // Near the right edge the left side lands one column short of W - 2hw.
  const PictureRect right = ZoomSourceRect(95, 50, 30, 20, 100, 100);
  EXPECT_EQ(right.right, 99);
  EXPECT_EQ(right.left, 39);
  // A window wider than the picture.
  const PictureRect wide = ZoomSourceRect(10, 10, 80, 80, 100, 50);
  EXPECT_EQ(wide, (PictureRect{0, 0, 99, 49}));
}

TEST(ZoomGeometry, ClipAndDestinationRectangles) {
  EXPECT_EQ(ClipSourceRect({10, 6, 31, 17}, 2.0f), (PictureRect{5, 3, 16, 9}));
  EXPECT_EQ(ClipSourceRect({0, 0, 50, 40}, 0.5f), (PictureRect{0, 0, 101, 81}));
  EXPECT_EQ(DestinationRect({5, 3, 16, 9}, 2.0f), (PictureRect{10, 6, 32, 18}));
  EXPECT_EQ(DestinationRect({3, 3, 7, 7}, 1.0f / 3.0f), (PictureRect{1, 1, 2, 2}));
}

TEST(StatusTexts, MatchToTheLastCharacter) {
  EXPECT_EQ(LineColumnText(3, 5), " Line:     3  Column:     5 ");
  EXPECT_EQ(ContourLineText(4, 1200), " Contout Line 4 Altitude 1200 ");
  EXPECT_EQ(BackgroundText(), " BackGround [255]");
  EXPECT_EQ(MapCoordinateText(450123.456, 4512.5), " Coord. UTM   X 450123.46    Y  4512.50 ");
  EXPECT_EQ(ScreenColourText({255, 255, 255}), " Gray Tone :  255 ");
  EXPECT_EQ(ScreenColourText({0, 0, 253}), "R: 253 G:   0 B:   0  ");
  EXPECT_EQ(ImageSizeText(366, 522), " Image Size: 366 lines x 522 columns  ");
}

class ImageReadoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.ContourImage = testing::CodesFromText({"....", ".44.", "...."});
    session.ImageLines = 3;
    session.ImageColumns = 4;
    session.EditableImage = 1;
    session.AltitudeTable[4] = 1200;
    input.hasPicture = true;
    input.pictureLines = 3;
    input.pictureColumns = 4;
    input.shownLines = 3;
    input.shownColumns = 4;
    input.screenColour = [this](int column, int line) {
      return session.ContourImage[line][column] == 255 ? PaletteColour{255, 255, 255}
                                                       : PaletteColour{0, 0, 253};
    };
  }
  SessionState session;
  ImageReadoutInput input;
};

TEST_F(ImageReadoutTest, BackgroundAndCodeFour) {
  input.x = 0;
  input.y = 0;
  StatusPanelTexts panels = ImageReadout(session, input);
  EXPECT_EQ(panels[0], " Line:     0  Column:     0 ");
  EXPECT_EQ(panels[2], " BackGround [255]");
  EXPECT_EQ(panels[3], " Gray Tone :  255 ");
  EXPECT_EQ(panels[4], " Image Size: 3 lines x 4 columns  ");
  EXPECT_EQ(panels[1], "");  // no georeference: no coordinates, not even old ones
  input.x = 2;
  input.y = 1;
  panels = ImageReadout(session, input);
  EXPECT_EQ(panels[2], " Contout Line 4 Altitude 1200 ");
  EXPECT_EQ(panels[3], "R: 253 G:   0 B:   0  ");
}

TEST_F(ImageReadoutTest, TwoToOneHalvesThePosition) {
  session.ContourImage = ByteGrid(20, 20, 255);
  session.ImageLines = input.pictureLines = input.shownLines = 20;
  session.ImageColumns = input.pictureColumns = input.shownColumns = 20;
  input.zoomFactor = 2;
  input.x = 10;
  input.y = 7;
  EXPECT_EQ(ImageReadout(session, input)[0], " Line:     3  Column:     5 ");
}

TEST_F(ImageReadoutTest, OutsideOrWithoutAPictureEveryPanelIsCleared) {
  input.x = 4;
  for (const auto& panel : ImageReadout(session, input)) EXPECT_EQ(panel, "");
  input.x = 1;
  input.hasPicture = false;
  for (const auto& panel : ImageReadout(session, input)) EXPECT_EQ(panel, "");
}

TEST_F(ImageReadoutTest, TheCodePanelIsEmptyOverAnImageThatIsNotTheWorkingOne) {
  input.x = 2;
  input.y = 1;  // code 4 of ContourImage
  session.EditableImage = 0;
  EXPECT_EQ(ImageReadout(session, input)[2], "");
  session.EditableImage = 1;
  input.scenePreview = true;
  EXPECT_EQ(ImageReadout(session, input)[2], "");
}

TEST_F(ImageReadoutTest, MapCoordinatesFollowThePictureShown) {
  session.GeoReferenced = 1;
  session.BackViewShown = 1;
  session.VectorLines = 1000;  // a former whole-data view must not change the reading
  session.VectorColumns = 1000;
  input.extent = {1000.0, 1040.0, 2000.0, 2030.0};
  input.x = 2;
  input.y = 1;
  EXPECT_EQ(ImageReadout(session, input)[1], " Coord. UTM   X  1020.00    Y  2020.00 ");
  input.extent = {1000.0, 960.0, 2000.0, 2030.0};
  EXPECT_EQ(ImageReadout(session, input)[1], " ");
}

}  // namespace
}  // namespace zelmaro
