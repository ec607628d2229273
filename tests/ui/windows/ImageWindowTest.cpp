#include <gtest/gtest.h>

#include <QScrollBar>

#include "UiTestSupport.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

class ImageWindowTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    QueueExampleLoad();
    Click("Raster");
    ASSERT_TRUE(Ui.AllAnswersUsed());
    path = testing::ExamplePath("volcano.raw");
  }
  TImageForm& Image() { return *Main().ImageForm; }
  std::string Caption() { return Image().windowTitle().toStdString(); }
  void ZoomClick(MouseButton button, int x = 40, int y = 30) {
    Image().PaintBoxMouseDown(button, x, y);
  }
  std::string path;
};

TEST_F(ImageWindowTest, ZoomCaptionsStepThroughOneToOneWithTheirTrailingBlank) {
  Click("ZoomSpeedButton");
  ZoomClick(MouseButton::Right);
  EXPECT_EQ(Image().ZoomFactor, -2);
  EXPECT_EQ(Caption(), path + " (1:2) ");
  ZoomClick(MouseButton::Left);
  EXPECT_EQ(Image().ZoomFactor, -1);
  EXPECT_EQ(Caption(), path + " (1:1)");
  ZoomClick(MouseButton::Left);
  EXPECT_EQ(Caption(), path + " (2:1) ");
  ZoomClick(MouseButton::Right);
  EXPECT_EQ(Caption(), path + " (1:1)");
}

TEST_F(ImageWindowTest, NineteenLeftClicksReachTwentyToOneAndNoFurther) {
  Click("ZoomSpeedButton");
  for (int i = 0; i < 19; ++i) ZoomClick(MouseButton::Left, 2, 2);
  EXPECT_EQ(Image().ZoomFactor, 20);
  EXPECT_EQ(Caption(), path + " (20:1) ");
  const PictureRect source = Image().LastZoomSource();
  ZoomClick(MouseButton::Left, 300, 200);
  EXPECT_EQ(Image().ZoomFactor, 20);
  EXPECT_EQ(Caption(), path + " (20:1) ");
  EXPECT_EQ(Image().LastZoomSource(), source);
}

TEST_F(ImageWindowTest, ZoomClickScrollsToTheClickedPlace) {
  Click("ZoomSpeedButton");
  Image().resize(300, 200);
  ZoomClick(MouseButton::Left, 400, 300);  // 2:1 around column 400, line 300
  const PictureRect source = Image().LastZoomSource();
  const int halfWidth = HalfExtent(300, 2.0f);
  EXPECT_EQ(source.left, 400 - halfWidth);
  EXPECT_EQ(Image().HorizontalScrollBar()->value(),
            std::min(2 * source.left, Image().HorizontalScrollBar()->maximum()));
  EXPECT_GT(Image().HorizontalScrollBar()->value(), 0);
  EXPECT_GT(Image().VerticalScrollBar()->value(), 0);
}

TEST_F(ImageWindowTest, ANewPictureReturnsToOneToOneUnlessKeepZoomIsSet) {
  Click("ZoomSpeedButton");
  ZoomClick(MouseButton::Left);
  ZoomClick(MouseButton::Left);
  ASSERT_EQ(Image().ZoomFactor, 3);
  Image().KeepZoom = 1;
  Image().ShowContourImage();
  EXPECT_EQ(Image().ZoomFactor, 3);
  Image().KeepZoom = 0;
  Image().ShowContourImage();
  EXPECT_EQ(Image().ZoomFactor, 1);
  EXPECT_EQ(Caption(), path + " (1:1)");
}

TEST_F(ImageWindowTest, ReadOutsUnderTheMouse) {
  Main().Session.AltitudeTable[4] = 1200;
  Image().PaintBoxMouseMove(164, 0);  // a pixel of code 4
  EXPECT_EQ(Main().PanelText(0), " Line:     0  Column:   164 ");
  EXPECT_EQ(Main().PanelText(2), " Contout Line 4 Altitude 1200 ");
  EXPECT_EQ(Main().PanelText(3), "R: 253 G:   0 B:   0  ");
  EXPECT_EQ(Main().PanelText(4), " Image Size: 366 lines x 522 columns  ");
  EXPECT_EQ(Main().PanelText(1), "");
  Image().PaintBoxMouseMove(0, 0);
  EXPECT_EQ(Main().PanelText(2), " BackGround [255]");
  EXPECT_EQ(Main().PanelText(3), " Gray Tone :  255 ");
  Image().PaintBoxMouseMove(522, 10);
  for (int panel = 0; panel < 5; ++panel) EXPECT_EQ(Main().PanelText(panel), "") << panel;
}

TEST_F(ImageWindowTest, ReadOutsAtTwoToOne) {
  Click("ZoomSpeedButton");
  ZoomClick(MouseButton::Left);
  ASSERT_EQ(Image().ZoomFactor, 2);
  Image().PaintBoxMouseMove(10, 7);
  EXPECT_EQ(Main().PanelText(0), " Line:     3  Column:     5 ");
  Image().PaintBoxMouseMove(2 * 164 + 1, 1);
  EXPECT_EQ(Main().PanelText(0), " Line:     0  Column:   164 ");
  EXPECT_EQ(Main().PanelText(2), " Contout Line 4 Altitude 110 ");
}

TEST_F(ImageWindowTest, ClicksReachTheToolsInTheirOrderButNotAfterAZoomToOneToOne) {
  std::vector<EditorTool> reached;
  std::vector<ImageClick> clicks;
  Image().Hooks.toolClick = [&](EditorTool tool, const ImageClick& click, DisplayBitmap& picture) {
    reached.push_back(tool);
    clicks.push_back(click);
    EXPECT_EQ(picture.Columns(), 522);
  };
  Main().Session.ImageLines = 0;
  for (const char* tool : {"FunnelSpeedButton", "PipetteButton", "PencilButton"}) {
    Main().Action(tool)->setChecked(true);
  }
  Image().PaintBoxMouseDown(MouseButton::Left, 20, 15);
  EXPECT_EQ(reached, (std::vector<EditorTool>{EditorTool::Pipette, EditorTool::Pencil,
                                              EditorTool::Filling}));
  EXPECT_EQ(clicks[0].column, 20);
  EXPECT_EQ(clicks[0].line, 15);
  EXPECT_EQ(Main().Session.ImageLines, 366);  // the tools' picture has the shown size
  reached.clear();
  Main().Action("ZoomSpeedButton")->setChecked(true);
  Image().PaintBoxMouseDown(MouseButton::Left, 40, 30);  // 1:1 to 2:1: tools follow
  EXPECT_EQ(reached.size(), 3u);
  reached.clear();
  Image().PaintBoxMouseDown(MouseButton::Right, 40, 30);  // back to 1:1: tools wait
  EXPECT_TRUE(reached.empty());
}

TEST_F(ImageWindowTest, ClosingHidesTheWindowWithItsPictureUntilTheWindowMenuBringsItBack) {
  const QImage shown = Image().ScreenBitmap;
  Image().close();
  EXPECT_FALSE(Image().isVisible());
  EXPECT_TRUE(Main().Session.ContourImage.Lines() > 0);
  Click("ImageWindow");
  EXPECT_TRUE(Image().isVisible());
  EXPECT_EQ(Image().ScreenBitmap, shown);
  Image().PaintBoxMouseMove(164, 0);
  EXPECT_EQ(Main().PanelText(0), " Line:     0  Column:   164 ");
}

TEST_F(ImageWindowTest, PaintsThePictureAndHatchesTheRest) {
  Image().resize(700, 500);
  QImage shot(Image().PaintBox()->size(), QImage::Format_RGB32);
  Image().PaintBox()->render(&shot);
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 255, 255));  // background code 255
  EXPECT_EQ(shot.pixelColor(164, 0), QColor(253, 0, 0));    // code 4
  // Beyond the picture's last column the hatch shows black lines.
  int black = 0;
  for (int x = 530; x < 560; ++x) black += shot.pixelColor(x, 20) == QColor(0, 0, 0) ? 1 : 0;
  EXPECT_GT(black, 0);
}

TEST_F(ImageWindowTest, TwoToOneDrawsEachPicturepixelAsASquare) {
  Image().resize(700, 500);
  Click("ZoomSpeedButton");
  ZoomClick(MouseButton::Left, 0, 0);  // 2:1 at the top left corner: no scrolling
  ASSERT_EQ(Image().HorizontalScrollBar()->value(), 0);
  QImage shot(Image().PaintBox()->size(), QImage::Format_RGB32);
  Image().PaintBox()->render(&shot);
  for (const auto& [x, y] : {std::pair{328, 0}, {329, 0}, {328, 1}, {329, 3}}) {
    EXPECT_EQ(shot.pixelColor(x, y), QColor(253, 0, 0)) << x << "," << y;
  }
  EXPECT_EQ(shot.pixelColor(327, 0), QColor(255, 255, 255));
  EXPECT_EQ(shot.pixelColor(330, 0), QColor(255, 255, 255));
}

}  // namespace
}  // namespace zelmaro
