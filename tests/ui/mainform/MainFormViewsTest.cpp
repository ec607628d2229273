#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "UiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

using testing::ExamplePath;
using Names = std::vector<std::string>;

const Names kEditorButtons{"PipetteButton",    "PencilButton",      "ReglaSpeedButton",
                           "PointSpeedButton", "FunnelSpeedButton", "ComeBackSpeedButton"};

// The user's hand on the picture windows: real events on the paint box, at positions
// of the paint box as the user sees it (scrolled, zoomed).
class ViewsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  TImageForm& Image() { return *Main().ImageForm; }
  QWidget* Box() { return Image().PaintBox(); }
  void Mouse(QEvent::Type type, const QPoint& at, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), Box()->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
    QApplication::sendEvent(Box(), &event);
  }
  void Wheel(const QPoint& at, int notches, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(at), Box()->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Box(), &event);
  }
  // The paint-box position over the middle of a picture cell, unscrolled.
  QPoint Over(int line, int column) {
    const float scale = DisplayScale(Image().ZoomFactor);
    return {static_cast<int>((column + 0.5f) * scale), static_cast<int>((line + 0.5f) * scale)};
  }
  // The paint-box position of a cell's top left corner, at an enlargement.
  QPoint Corner(int line, int column) {
    const int scale = std::max(1, Image().ZoomFactor);
    return {column * scale, line * scale};
  }
  std::string PanelOver(int line, int column, int panel) {
    Mouse(QEvent::MouseMove, Over(line, column));
    return Main().PanelText(panel);
  }
  void LoadSheet() {
    Ui.QueueFile("VECTORIAL FILE OPENING", ExamplePath("volcano.dxf"));
    Click("Vectorial");
  }
  // The example sheet's zone of 50 x 30 cells of 10 m.
  void SelectZone() {
    QueueZone("10", {"1756100", "5917200", "1756600", "5917500"});
    Click("SelectionSpeedButton");
  }
  bool AnyEditorButtonEnabled() {
    return std::any_of(kEditorButtons.begin(), kEditorButtons.end(),
                       [this](const std::string& name) { return Enabled(name.c_str()); });
  }
  // The whole picture lies in the paint box at its zoom.
  static bool ShownWhole(const PictureWindow& window) {
    const float scale = DisplayScale(window.ZoomFactor);
    return ScrollRange(window.ScreenBitmap.width(), scale) <= window.PaintBox()->width() &&
           ScrollRange(window.ScreenBitmap.height(), scale) <= window.PaintBox()->height();
  }
};

TEST_F(ViewsTest, AfterBackARedrawShowsTheZoneWithItsOwnSizeFrameToolsAndButtons) {
  LoadSheet();
  SelectZone();
  Click("ReverseSpeedButton");
  // Over a line of the preview the code panel has nothing to say: it is not the zone.
  int line = 0, column = 0;
  while (Image().ScreenBitmap.pixelColor(column, line) != QColor(0, 0, 0)) {
    if (++column == Image().ShownColumns) column = 0, ++line;
  }
  Main().SetPanelText(2, " BackGround [255]");
  EXPECT_EQ(PanelOver(line, column, 3), " Gray Tone :    0 ");
  EXPECT_EQ(Main().PanelText(2), "");

  Click("LineThinnerSpeedButton");  // Corner Elimination redraws the zone
  EXPECT_FALSE(Image().ScenePreviewShown());
  EXPECT_EQ(Image().ScreenBitmap.size(), QSize(50, 30));
  EXPECT_EQ(Image().ShownLines, 30);
  EXPECT_EQ(PanelOver(0, 0, 4), " Image Size: 30 lines x 50 columns  ");
  EXPECT_EQ(PanelOver(0, 10, 1), " Coord. UTM   X 1756200.00    Y 5917500.00 ");
  EXPECT_TRUE(Enabled("ReverseSpeedButton"));
  EXPECT_FALSE(Enabled("AdvanceSpeedButton"));
  EXPECT_TRUE(Enabled("PencilButton"));
  // The tools reach the zone's last cell, which lies beyond the preview's 29 columns.
  Click("PencilButton");
  Mouse(QEvent::MouseButtonPress, Over(29, 49));
  EXPECT_EQ(Main().Session.ContourImage[29][49], 0);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].text, " Pencil Tab_out[29][49] = 0\n altitude = 0 ");
}

TEST_F(ViewsTest, ARasterAfterTheSceneViewClearsTheCoordinatesAndEndsBackAndReturn) {
  LoadSheet();
  SelectZone();
  EXPECT_EQ(PanelOver(0, 0, 1), " Coord. UTM   X 1756100.00    Y 5917500.00 ");
  Click("ReverseSpeedButton");
  QueueExampleLoad();
  Click("Raster");
  EXPECT_EQ(PanelOver(0, 164, 1), "");  // a raster has no georeference
  EXPECT_EQ(Main().PanelText(2), " Contout Line 4 Altitude 110 ");
  EXPECT_EQ(Main().PanelText(4), " Image Size: 366 lines x 522 columns  ");
  EXPECT_FALSE(Enabled("ReverseSpeedButton"));
  EXPECT_FALSE(Enabled("AdvanceSpeedButton"));
  EXPECT_TRUE(Enabled("PencilButton"));
  // A new sheet on top: Return shows the raster again, still without coordinates.
  LoadSheet();
  Click("AdvanceSpeedButton");
  EXPECT_EQ(PanelOver(0, 164, 1), "");
  EXPECT_EQ(Main().PanelText(4), " Image Size: 366 lines x 522 columns  ");
}

TEST_F(ViewsTest, TheEditorToolsAreUpAndGreyedWhileTheScenePreviewIsShown) {
  LoadSheet();
  EXPECT_FALSE(AnyEditorButtonEnabled());
  SelectZone();
  Click("PencilButton");
  const ByteGrid zone = Main().Session.ContourImage;
  Click("ReverseSpeedButton");
  EXPECT_FALSE(Main().Action("PencilButton")->isChecked());
  EXPECT_FALSE(AnyEditorButtonEnabled());
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
  Mouse(QEvent::MouseButtonPress, Over(2, 5));
  Click("ZoomSpeedButton");  // down and up again: still nothing to edit
  Click("ZoomSpeedButton");
  EXPECT_FALSE(AnyEditorButtonEnabled());
  EXPECT_TRUE(Main().Session.ContourImage == zone);
  EXPECT_TRUE(Ui.Messages.empty());

  Click("AdvanceSpeedButton");
  for (const std::string& name : kEditorButtons) EXPECT_TRUE(Enabled(name.c_str())) << name;
  // A new sheet's preview holds them again.
  LoadSheet();
  EXPECT_FALSE(AnyEditorButtonEnabled());
  EXPECT_TRUE(Enabled("AdvanceSpeedButton"));  // the zone can still be shown
}

TEST_F(ViewsTest, FitAndTheZoomAboutThePointerGoThroughTheZoomSteps) {
  QueueExampleLoad();
  Click("Raster");
  EXPECT_EQ(Image().ZoomFactor, 1);  // larger than its window: 1:1, scrolled
  EXPECT_EQ(Main().Action("Fit")->shortcut(), QKeySequence("Ctrl+0"));
  EXPECT_TRUE(Main().Action("ZoomIn")->shortcuts().contains(QKeySequence::ZoomIn));
  EXPECT_TRUE(Main().Action("ZoomOut")->shortcuts().contains(QKeySequence::ZoomOut));
  Click("FitSpeedButton");
  const int fitted = Image().ZoomFactor;
  EXPECT_LT(fitted, -1);
  EXPECT_TRUE(ShownWhole(Image()));
  EXPECT_EQ(Image().windowTitle().toStdString(),
            ExamplePath("volcano.raw") + " (1:" + std::to_string(-fitted) + ") ");

  Image().resize(660, 500);
  Click("Fit");
  ASSERT_EQ(Image().ZoomFactor, 1);
  // Ctrl and the wheel: the cell under the pointer stays under it.
  const QPoint pointer(300, 200);
  EXPECT_EQ(PanelOver(200, 300, 0), " Line:   200  Column:   300 ");
  Wheel(pointer, 2, Qt::ControlModifier);
  EXPECT_EQ(Image().ZoomFactor, 3);
  EXPECT_EQ(Image().windowTitle().toStdString(), ExamplePath("volcano.raw") + " (3:1) ");
  Mouse(QEvent::MouseMove, pointer);
  EXPECT_EQ(Main().PanelText(0), " Line:   200  Column:   300 ");
  Wheel(pointer, -2, Qt::ControlModifier);  // 3:1, 2:1, 1:1
  EXPECT_EQ(Image().ZoomFactor, 1);
  Mouse(QEvent::MouseMove, pointer);
  EXPECT_EQ(Main().PanelText(0), " Line:   200  Column:   300 ");
  Wheel(pointer, -1, Qt::ControlModifier);
  EXPECT_EQ(Image().ZoomFactor, -2);
  // The wheel alone scrolls and leaves the zoom.
  Click("ZoomIn");
  Click("ZoomIn");
  EXPECT_EQ(Image().ZoomFactor, 2);
  const int scrolled = Image().VerticalScrollBar()->value();
  Wheel(pointer, -1, Qt::NoModifier);
  EXPECT_GT(Image().VerticalScrollBar()->value(), scrolled);
  EXPECT_EQ(Image().ZoomFactor, 2);
  Click("ZoomOut");
  EXPECT_EQ(Image().ZoomFactor, 1);
  EXPECT_EQ(Image().windowTitle().toStdString(), ExamplePath("volcano.raw") + " (1:1)");
}

TEST_F(ViewsTest, ANewDataSetOpensAtItsOwnZoomWhateverZoomAToolKept) {
  QueueExampleLoad();
  Click("Raster");
  Click("ZoomSpeedButton");
  Image().PaintBoxMouseDown(MouseButton::Left, 40, 30);
  Image().PaintBoxMouseDown(MouseButton::Left, 80, 60);
  Click("ZoomSpeedButton");
  Click("PencilButton");
  Mouse(QEvent::MouseButtonPress, QPoint(30, 30));  // the pencil keeps 3:1
  ASSERT_EQ(Image().ZoomFactor, 3);
  ASSERT_EQ(Image().KeepZoom, 1);
  Click("PencilButton");

  LoadSheet();  // 29 x 20: much smaller than its window, so fitted
  const int preview = Image().ZoomFactor;
  EXPECT_EQ(preview, FitZoom(20, 29, Image().ViewSize()));
  EXPECT_GE(preview, 2);
  EXPECT_TRUE(ShownWhole(Image()));
  EXPECT_EQ(Image().windowTitle().toStdString(), ZoomCaption(ExamplePath("volcano.dxf"), preview));
  SelectZone();
  EXPECT_EQ(Image().ZoomFactor, OpeningZoom(30, 50, Image().ViewSize()));
  EXPECT_TRUE(ShownWhole(Image()));
  QueueExampleLoad();
  Click("Raster");
  EXPECT_EQ(Image().ZoomFactor, 1);
}

TEST_F(ViewsTest, TheWindowsShowTheirPicturesWholeSideBySideOnALargeScreen) {
  Main().resize(1400, 900);
  QueueExampleLoad();
  Click("Raster");
  QueueScale(1, 5);
  Click("DilatSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  const QRect area = Main().MdiArea()->viewport()->rect();
  const TResultForm& result = *Main().ResultForm;
  for (const PictureWindow* window :
       {static_cast<const PictureWindow*>(&Image()), static_cast<const PictureWindow*>(&result)}) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(area.contains(window->geometry())) << window->objectName().toStdString();
    EXPECT_EQ(window->ZoomFactor, 1);
    EXPECT_TRUE(ShownWhole(*window)) << window->objectName().toStdString();
  }
  EXPECT_FALSE(Image().geometry().intersects(result.geometry()));

  // Moved about by the user, Tile puts them back.
  Image().move(300, 200);
  Click("TileWindows");
  EXPECT_EQ(Image().pos(), QPoint(0, 0));
  EXPECT_FALSE(Image().geometry().intersects(result.geometry()));
}

TEST_F(ViewsTest, AZoneDraggedOnThePreviewFillsTheSelectionDialogStillOpenToChange) {
  LoadSheet();
  // With the zoom down a press zooms: no zone.
  Click("ZoomSpeedButton");
  Mouse(QEvent::MouseButtonPress, Over(2, 3));
  Mouse(QEvent::MouseButtonRelease, Over(10, 20));
  Click("ZoomSpeedButton");
  Click("Fit");
  // Nor is a click without a drag one.
  Mouse(QEvent::MouseButtonPress, Over(2, 3));
  Mouse(QEvent::MouseButtonRelease, Over(2, 3));
  EXPECT_TRUE(Ui.ModalForms.empty());

  bool markedOnThePreview = false;
  Ui.QueueModal("TSelectionForm", [&](QDialog& form) {
    const QColor edge = Box()->grab().toImage().pixelColor(Corner(2, 3) + QPoint(0, 4));
    markedOnThePreview = edge.red() > 180 && edge.green() < 100;
    EXPECT_TRUE(form.findChild<QRadioButton*>("RadioButton2")->isChecked());
    EXPECT_TRUE(form.findChild<QGroupBox*>("GroupBox3")->isVisible());
    const auto text = [&form](const char* edit) {
      return form.findChild<QLineEdit*>(edit)->text().toStdString();
    };
    // Columns 3 and 20 of 30 m east of 1756000, lines 2 and 10 of 30.5 m below 5917610.
    EXPECT_EQ(text("Min_X_Edit"), "1756090");
    EXPECT_EQ(text("Max_X_Edit"), "1756600");
    EXPECT_EQ(text("Min_Y_Edit"), "5917305");
    EXPECT_EQ(text("Max_Y_Edit"), "5917549");
    testing::TypeInto(form, "PixEdit", "5");
    testing::TypeInto(form, "Max_X_Edit", "1756590");
    testing::Press(form, "BitBtn1");
  });
  Mouse(QEvent::MouseButtonPress, Corner(2, 3));
  Mouse(QEvent::MouseMove, Corner(7, 10));
  Mouse(QEvent::MouseButtonRelease, Corner(10, 20));
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(markedOnThePreview);
  EXPECT_EQ(Main().Zone.ZoneXMin, 1756090.0);
  EXPECT_EQ(Main().Zone.ZoneXMax, 1756590.0);
  EXPECT_EQ(Main().Session.WorkColumns, 100);  // 500 m at 5 m
  EXPECT_FALSE(Image().ScenePreviewShown());
}

}  // namespace
}  // namespace zelmaro
