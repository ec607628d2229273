#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include "UiTestSupport.h"
#include "pretreat/Skeletonization.h"
#include "support/TestSupport.h"
#include "ui/windows/Imagewindow.h"

namespace zelmaro {
namespace {

class HistoryCommandsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    QueueExampleLoad();
    Click("Raster");
    ASSERT_TRUE(Ui.AllAnswersUsed());
    Main().activateWindow();
    QApplication::setActiveWindow(&Main());
  }
  void Pencil(int line, int column) {
    QWidget* box = Main().ImageForm->PaintBox();
    const QPointF at(column, line);
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }
  // The keys as the user presses them over the main window.
  void Keys(Qt::KeyboardModifiers modifiers) { QTest::keyClick(&Main(), Qt::Key_Z, modifiers); }
  const ByteGrid& Image() { return Main().Session.ContourImage; }
  QRgb Shown(int line, int column) { return Main().ImageForm->ScreenBitmap.pixel(column, line); }
};

TEST_F(HistoryCommandsTest, EveryChangeOfTheImageUndoesAndRedoesStepByStep) {
  EXPECT_FALSE(Enabled("Edit"));
  EXPECT_FALSE(Enabled("Undo"));
  const ByteGrid loaded = Image();
  Click("PencilButton");
  Pencil(30, 30);
  Pencil(40, 40);
  Click("PencilButton");
  const ByteGrid penciled = Image();
  Click("LineThinnerSpeedButton");
  SessionState thinned;
  thinned.ContourImage = penciled;
  thinned.WorkLines = 366;
  thinned.WorkColumns = 522;
  thinned.AltitudeCount = 21;
  ThinContourLines(thinned);
  ASSERT_TRUE(Image() == thinned.ContourImage);
  ASSERT_FALSE(penciled == thinned.ContourImage);
  EXPECT_TRUE(Enabled("Edit"));
  EXPECT_TRUE(Enabled("Undo"));
  EXPECT_FALSE(Enabled("Redo"));

  Keys(Qt::ControlModifier);  // the thinning
  EXPECT_TRUE(Image() == penciled);
  EXPECT_EQ(Shown(40, 40), qRgb(255, 0, 0));  // code 0 is pure red
  Keys(Qt::ControlModifier);
  Click("Undo");  // the menu item does the same
  EXPECT_TRUE(Image() == loaded);
  EXPECT_EQ(Shown(30, 30), qRgb(255, 255, 255));
  EXPECT_FALSE(Enabled("Undo"));

  Keys(Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Image()[30][30], 0);
  EXPECT_EQ(Image()[40][40], 255);
  Click("Redo");
  Click("Redo");
  EXPECT_TRUE(Image() == thinned.ContourImage);
  EXPECT_FALSE(Enabled("Redo"));

  // A new change after an undo ends what could be redone.
  Click("Undo");
  Click("PencilButton");
  Pencil(50, 50);
  Click("PencilButton");
  EXPECT_FALSE(Enabled("Redo"));
  EXPECT_EQ(Main().History().UndoSteps(), 3);
}

TEST_F(HistoryCommandsTest, ComeBackKeepsItsOneSnapshotAndCanItselfBeUndone) {
  Click("PencilButton");
  Pencil(30, 30);
  Pencil(40, 40);
  Click("PencilButton");
  Click("ComeBackSpeedButton");  // the last click only
  EXPECT_EQ(Image()[30][30], 0);
  EXPECT_EQ(Image()[40][40], 255);
  Click("Undo");
  EXPECT_EQ(Image()[40][40], 0);
  Click("ComeBackSpeedButton");  // the same snapshot again
  EXPECT_EQ(Image()[40][40], 255);
  EXPECT_EQ(Image()[30][30], 0);
}

TEST_F(HistoryCommandsTest, NewDataStartANewHistoryAndTheSceneViewOffersNone) {
  Click("PencilButton");
  Pencil(30, 30);
  Click("PencilButton");
  ASSERT_TRUE(Enabled("Undo"));
  // A vector scene replaces the picture but not the working image: nothing of it could
  // be seen being undone.
  Ui.QueueFile("VECTORIAL FILE OPENING", testing::ExamplePath("volcano.dxf"));
  Click("Vectorial");
  EXPECT_FALSE(Enabled("Undo"));
  Keys(Qt::ControlModifier);
  EXPECT_EQ(Image()[30][30], 0);
  QueueZone("10");
  Click("SelectionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_FALSE(Enabled("Edit"));
  EXPECT_FALSE(Main().History().CanUndo());
}

}  // namespace
}  // namespace zelmaro
