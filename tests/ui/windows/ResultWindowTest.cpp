#include <gtest/gtest.h>

#include <QMdiArea>
#include <QRadioButton>
#include <algorithm>

#include "UiTestSupport.h"
#include "forms/ResultViewMath.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Pipette.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

class ResultWindowTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  // A DEM of 4 lines x 5 columns, every cell `altitude`, counted in the unit of
  // scale-out radio button `outButton` (5 to 8), pixel size 30.
  void MakeFlatDem(std::int32_t altitude, int outButton) {
    SessionState& session = Main().Session;
    session.WorkLines = 4;
    session.WorkColumns = 5;
    session.ContourImage = AllocByteGrid(5, 4);
    session.ContourImage.Fill(255);
    session.ContourImage[2][3] = 7;
    session.DemGrid = AllocIntGrid(5, 4);
    session.DemGrid.Fill(altitude);
    session.CaptionPath = "/data/flat.raw";
    session.InputFileName = "/data/flat.raw";
    Main().Zone.ZonePixelSize = 30;
    Main().DynamicForm->RadioButtons[outButton - 1]->setChecked(true);
    Result().ShownLines = 4;
    Result().ShownColumns = 5;
  }
  TResultForm& Result() { return *Main().ResultForm; }
  std::string Panel(int panel) { return Main().PanelText(panel); }
  // The mouse over a cell of the DEM, at whatever zoom it is shown.
  int Scale() { return std::max(1, Result().ZoomFactor); }
  void MoveTo(int line, int column) {
    Result().PaintBoxMouseMove(column * Scale(), line * Scale());
  }
  void ClickAt(MouseButton button, int line, int column) {
    Result().PaintBoxMouseDown(button, column * Scale(), line * Scale());
  }
  void PressButton(const char* name) {
    Main().Action(name)->setEnabled(true);
    Click(name);
  }
};

TEST_F(ResultWindowTest, StartsEmptyAndClearsThePanelsWithoutAPicture) {
  EXPECT_EQ(Result().windowTitle().toStdString(), " Image (1:1)");
  EXPECT_FALSE(Result().HasPicture());
  Main().SetPanelText(0, "old");
  Result().PaintBoxMouseMove(3, 3);
  for (int panel = 0; panel < 5; ++panel) EXPECT_EQ(Panel(panel), "") << panel;
}

TEST_F(ResultWindowTest, ShowDemShadesTheDemAndReadsAltitudesAndGrayTones) {
  MakeFlatDem(12345, 7);  // centimeters
  Main().Session.DemGrid[1][2] = 123456;
  Main().ShowDem();

  EXPECT_EQ(Main().MdiArea()->activeSubWindow(), &Result());
  EXPECT_EQ(Main().ImageForm->windowTitle().toStdString(), "/data/flat.raw (1:1)");
  // So small a DEM opens fitted to its window; the caption names the DEM's input and
  // the zoom it is shown at.
  EXPECT_GE(Result().ZoomFactor, 2);
  EXPECT_EQ(Result().windowTitle().toStdString(),
            ZoomCaption("/data/flat.raw", Result().ZoomFactor));
  ASSERT_EQ(Result().ScreenBitmap.size(), QSize(5, 4));
  EXPECT_EQ(Main().Session.ImageLines, 4);

  MoveTo(1, 2);
  EXPECT_EQ(Panel(0), " Line:     1  Column:     2 ");
  EXPECT_EQ(Panel(2), " Altitude (meters) = 1234.560 ");
  EXPECT_EQ(Panel(4), " Image Size: 4 lines x 5 columns  ");
  MoveTo(0, 0);
  EXPECT_EQ(Panel(2), " Altitude (meters) =  123.450 ");
  EXPECT_EQ(Panel(3), " Gray Tone :  181 ");
  MoveTo(0, 4);  // the last column is never shaded
  EXPECT_EQ(Panel(3), " Gray Tone :    0 ");
  MoveTo(3, 1);  // nor the last line
  EXPECT_EQ(Panel(3), " Gray Tone :    0 ");
  Main().SetPanelText(1, " Coord. UTM   X  1020.00    Y  2030.00 ");
  MoveTo(3, 1);
  EXPECT_EQ(Panel(1), "");  // not georeferenced: no coordinates, not even old ones

  MoveTo(0, 5);
  for (int panel = 0; panel < 5; ++panel) EXPECT_EQ(Panel(panel), "") << panel;
}

TEST_F(ResultWindowTest, CoordinatesComeFromTheImageWindowsFrame) {
  MakeFlatDem(100, 5);
  Main().Session.GeoReferenced = 1;
  // The image window may show the whole scene: the DEM is the working image's.
  Main().ImageForm->ShownLines = 40;
  Main().ImageForm->ShownColumns = 50;
  Main().ImageForm->Extent = {0.0, 5000.0, 0.0, 4000.0};
  Main().ImageForm->WorkingExtent = {1000.0, 1050.0, 2000.0, 2040.0};
  Main().ShowDem();
  MoveTo(1, 2);
  EXPECT_EQ(Panel(1), " Coord. UTM   X  1020.00    Y  2030.00 ");
  EXPECT_EQ(Panel(2), " Altitude (meters) =  100.000 ");
}

TEST_F(ResultWindowTest, ANewDemOpensAtItsOwnZoomWhateverTheZoomBefore) {
  MakeFlatDem(500, 5);
  Main().ShowDem();
  const int opening = Result().ZoomFactor;
  ASSERT_GT(opening, 3);
  PressButton("ZoomSpeedButton");
  while (Result().ZoomFactor > 3) Result().PaintBoxMouseDown(MouseButton::Right, 1, 1);
  EXPECT_EQ(Result().windowTitle().toStdString(), "/data/flat.raw (3:1) ");

  Main().ShowDem();
  EXPECT_EQ(Result().ZoomFactor, opening);
  Result().PaintBox()->grab();
  EXPECT_EQ(Result().LastDrawnZoom(), opening);
  EXPECT_EQ(Result().windowTitle().toStdString(), ZoomCaption("/data/flat.raw", opening));

  // Down through 1:1 to a reduction, with the captions of the image window.
  while (Result().ZoomFactor > 1) Result().PaintBoxMouseDown(MouseButton::Right, 0, 0);
  EXPECT_EQ(Result().windowTitle().toStdString(), "/data/flat.raw (1:1)");
  Result().PaintBoxMouseDown(MouseButton::Right, 0, 0);
  EXPECT_EQ(Result().windowTitle().toStdString(), "/data/flat.raw (1:2) ");
  for (int click = 0; click < 25; ++click) Result().PaintBoxMouseDown(MouseButton::Right, 0, 0);
  EXPECT_EQ(Result().ZoomFactor, -20);
  EXPECT_EQ(Result().windowTitle().toStdString(), "/data/flat.raw (1:20) ");
}

TEST_F(ResultWindowTest, ThePipetteReportsTheAltitudeWithItsUnitAndTheGrayTone) {
  MakeFlatDem(500, 7);  // centimeters
  Main().Session.DemGrid[2][3] = 12345;
  Main().ShowDem();
  PressButton("PipetteButton");
  ClickAt(MouseButton::Left, 2, 3);
  ClickAt(MouseButton::Left, 3, 4);   // the last line and column
  ClickAt(MouseButton::Right, 2, 3);  // left button only
  ClickAt(MouseButton::Left, 9, 9);   // outside the DEM
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_EQ(Ui.Messages[0].caption, "Pipette");
  const int gray = Main().Session.ShadedImage[2][3];
  EXPECT_EQ(Ui.Messages[0].text,
            " Altitude = 12345 centimeters\n Gray Tone = " + std::to_string(gray) + " ");
  EXPECT_EQ(Ui.Messages[1].text, " Altitude = 500 centimeters\n Gray Tone = 0 ");
  // The DEM is no source of contour codes: the drawing value stays.
  EXPECT_EQ(Main().CLValueForm->Model.DrawingValue, 0);
  EXPECT_TRUE(Ui.ModalForms.empty());
}

TEST_F(ResultWindowTest, ClosingHidesTheWindowUntilTheWindowMenuOrANewDemBringsItBack) {
  MakeFlatDem(500, 5);
  Main().ShowDem();
  const QImage shown = Result().ScreenBitmap;
  Result().close();
  EXPECT_FALSE(Result().isVisible());
  Click("ResultWindow");
  EXPECT_TRUE(Result().isVisible());
  EXPECT_EQ(Result().ScreenBitmap, shown);
  EXPECT_EQ(Main().MdiArea()->activeSubWindow(), &Result());
  Result().close();
  Main().ShowDem();
  EXPECT_TRUE(Result().isVisible());
  EXPECT_TRUE(Result().HasPicture());
}

}  // namespace
}  // namespace zelmaro
