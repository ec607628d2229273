#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
#include "raster/ShadeDem.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/dialogs/Deminfo.h"
#include "ui/dialogs/DilationInfo.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

using testing::ExamplePath;
using testing::ListFolder;
using testing::ReadFileBytes;
using testing::TemporaryFolder;

class DemCommandsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void LoadAndDilate(int in = 1, int out = 5) {
    QueueExampleLoad();
    Click("Raster");
    QueueScale(in, out);
    Click("DilTreatment");
    ASSERT_TRUE(Ui.AllAnswersUsed());
  }
  // The UTM dialog typed in as a user would, then confirmed.
  void QueueCoordinates(const char* unitButton) {
    Ui.QueueModal("TCoordUTMForm", [unitButton](QDialog& form) {
      testing::TypeInto(form, "PixSizeEdit", "30.9");
      testing::TypeInto(form, "XMinEdit", "441000.5");
      testing::TypeInto(form, "YMinEdit", "4512000");
      testing::CheckRadio(form, unitButton);
      testing::Press(form, "BitBtn1");
    });
  }
  SessionState& Session() { return Main().Session; }
};

TEST_F(DemCommandsTest, DilationFillsTheDemAsTheCoreDoesAndEnablesTheResults) {
  QueueExampleLoad();
  Click("Raster");
  Click("PipetteButton");  // a tool left down is disabled by the interpolation
  const SessionState loaded = Session();
  QueueScale(1, 7);  // meters in, centimeters out
  Click("DilatSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());

  SessionState expected = loaded;
  SeedDemGrid(expected, 1, 100);
  DilationInterpolation(expected);
  EXPECT_TRUE(Session().DemGrid == expected.DemGrid);
  EXPECT_EQ(Session().DemMin, expected.DemMin);
  EXPECT_EQ(Session().DemMax, expected.DemMax);
  EXPECT_EQ(Session().DemMin, 9500);
  EXPECT_TRUE(Session().ShadedImage == ShadeDem(expected.DemGrid, 10, 100));
  EXPECT_TRUE(Session().ContourImage == loaded.ContourImage);
  EXPECT_EQ(Main().ResultForm->ScreenBitmap.size(), QSize(522, 366));

  for (const char* name : {"Results", "SuavSpeedButton", "SaveShadowSpeedButton",
                           "SaveDEMSpeedButton", "DilatSpeedButton"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  for (const char* name : {"PipetteButton", "PencilButton", "ReglaSpeedButton", "PointSpeedButton",
                           "FunnelSpeedButton", "ComeBackSpeedButton"}) {
    EXPECT_FALSE(Enabled(name)) << name;
  }
  // The hourglass stays up from the start to the end, set again once the units are in.
  const std::vector<int> tail(Ui.CursorHistory.end() - 3, Ui.CursorHistory.end());
  EXPECT_EQ(tail, (std::vector<int>{kHourglassCursor, kHourglassCursor, kArrowCursor}));

  // The read-out of the example's lowest seed, 95 m in centimeters.
  int line = 0, column = 0;
  while (Session().ContourImage[line][column] != 1) {
    if (++column == Session().WorkColumns) column = 0, ++line;
  }
  Main().ResultForm->PaintBoxMouseMove(column, line);
  EXPECT_EQ(Main().PanelText(2), " Altitude (meters) =   95.000 ");
}

TEST_F(DemCommandsTest, ScaleDialogClosedByItsFrameGoesOnOnlyWithBothUnits) {
  QueueExampleLoad();
  Click("Raster");
  Ui.QueueModal("TDynamicForm", [](QDialog& form) { testing::CheckRadio(form, "RadioButton1"); });
  Click("DilTreatment");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_FALSE(Ui.Messages.empty());
  EXPECT_EQ(Ui.Messages.back().caption, "ERROR");
  EXPECT_EQ(Ui.Messages.back().text, "Dynamic Scale Out Undefined");
  EXPECT_EQ(Session().DemGrid.Lines(), 0);
  EXPECT_FALSE(Main().ResultForm->HasPicture());
  EXPECT_FALSE(Enabled("Results"));
  EXPECT_TRUE(Enabled("PipetteButton"));
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);

  // The second unit chosen, the dialog closed by its frame again: Dilation runs.
  Ui.QueueModal("TDynamicForm", [](QDialog& form) { testing::CheckRadio(form, "RadioButton5"); });
  Click("DilTreatment");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Session().DemGrid.Lines(), Session().WorkLines);
  EXPECT_TRUE(Main().ResultForm->HasPicture());
}

TEST_F(DemCommandsTest, TheRasterRoadWritesWhatTheCoreWritesAndReadsItsOwnImageAgain) {
  TemporaryFolder saved;
  TemporaryFolder reference;
  LoadAndDilate();
  const std::string folder = FolderOf(ExamplePath("volcano.raw"));

  Ui.QueueFile("Save DEM", saved.File("dem"), 1);
  Click("SaveDEM");
  EXPECT_EQ(ListFolder(saved.Path()), "dem_m4.raw dem_m4.txt");
  SaveDemRaw(Session(), reference.File("dem"), Main().Zone);
  EXPECT_EQ(ReadFileBytes(saved.File("dem_m4.raw")), ReadFileBytes(reference.File("dem_m4.raw")));
  EXPECT_EQ(ReadFileBytes(saved.File("dem_m4.txt")), ReadFileBytes(reference.File("dem_m4.txt")));
  EXPECT_EQ(ReadFileBytes(saved.File("dem_m4.raw")).size(), 4u * 366u * 522u);

  Ui.QueueFile("Save DEM", saved.File("dem"), 2);
  QueueCoordinates("RadioButton3");
  Click("SaveDEMSpeedButton");
  EXPECT_EQ(Main().CoordUTMForm->Model.UtmPixelSize, 30.9);
  EXPECT_EQ(ListFolder(saved.Path()), "dem.asc dem_m4.raw dem_m4.txt");
  SaveDemAscii(Session(), reference.File("dem"), Main().CoordUTMForm->Model.Frame());
  EXPECT_EQ(ReadFileBytes(saved.File("dem.asc")), ReadFileBytes(reference.File("dem.asc")));
  EXPECT_EQ(ReadFileBytes(saved.File("dem.asc")).substr(0, 35),
            "ncols 522\r\nnrows 366\r\nxllcorner 441");

  Ui.QueueFile("Save Shadowed DEM", saved.File("shade"));
  Click("SaveShadowSpeedButton");
  SaveShadedImage(Session(), reference.File("shade"), Main().Zone);
  EXPECT_EQ(ReadFileBytes(saved.File("shade.raw")), ReadFileBytes(reference.File("shade.raw")));
  EXPECT_EQ(ReadFileBytes(saved.File("shade.txt")), ReadFileBytes(reference.File("shade.txt")));

  const ByteGrid contours = Session().ContourImage;
  Ui.QueueFile("SAVE CONTOUR LINES IMAGE", saved.File("zone"));
  Click("SaveContLineSpeedButton");
  EXPECT_EQ(Session().InputFileName, saved.File("zone"));
  SessionState copy = Session();
  SaveContourImage(copy, reference.File("zone"), Main().Zone);
  for (const char* name : {"zone.raw", "zone.txt", "zone_tab.txt"}) {
    EXPECT_EQ(ReadFileBytes(saved.File(name)), ReadFileBytes(reference.File(name))) << name;
  }
  EXPECT_EQ(ListFolder(saved.Path()), ListFolder(reference.Path()));
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());

  // Every save dialog opened in the input folder, with its own title and filter.
  const auto& requests = Ui.FileRequests;
  ASSERT_EQ(requests.size(), 6u);
  EXPECT_EQ(requests[2].filter,
            "Name File Raster [*_m4.raw]|*_m4.raw|Name File Ascii [*.asc]|*.asc|GeoTIFF DEM "
            "[*.tif]|*.tif");
  EXPECT_EQ(requests[4].filter, "Name [*.raw]|*.raw|GeoTIFF [*.tif]|*.tif|PNG [*.png]|*.png");
  EXPECT_EQ(requests[5].filter, "Raw File [*.raw]|*.raw");
  for (std::size_t i = 2; i < requests.size(); ++i) {
    EXPECT_EQ(requests[i].initialFolder, folder) << requests[i].title;
  }

  // The saved contour image loads again: its size file is found and its table opens.
  Ui.QueueFile("OPEN DATA RASTER", saved.File("zone.raw"));
  Ui.QueueFile("Open Table Gray Tones Altitudes", saved.File("zone_tab.txt"));
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Click("RasterSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Session().WorkLines, 366);
  EXPECT_EQ(Session().WorkColumns, 522);
  EXPECT_TRUE(Session().ContourImage == contours);
  EXPECT_EQ(Session().AltitudeCount, 21);
  EXPECT_EQ(Session().AltitudeTable[21], 195);
}

TEST_F(DemCommandsTest, AnImageWithoutAltitudesIsRefusedByBothInterpolations) {
  // Lines of codes 0 and 5 where the table has codes 1 and 2 only: no cell would get an
  // altitude.
  TemporaryFolder folder;
  std::string cells(20 * 30, '\xff');
  for (int column = 0; column < 30; ++column) {
    cells[5 * 30 + column] = '\x00';
    cells[10 * 30 + column] = '\x05';
  }
  testing::WriteFileBytes(folder.File("map.raw"), cells);
  testing::WriteFileBytes(folder.File("map.txt"), "20 30\n");
  testing::WriteFileBytes(folder.File("map_tab.txt"), "1 100\n2 110\n");
  Ui.QueueFile("OPEN DATA RASTER", folder.File("map.raw"));
  Ui.QueueFile("Open Table Gray Tones Altitudes", folder.File("map_tab.txt"));
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Click("Raster");
  Main().ApplyEnabling(EnablingEvent::NoBreakFound);  // Lineal Interpolation offered
  const ControlStates controls = Main().Controls();
  for (const char* command : {"DilatSpeedButton", "RuzeSpeedButton"}) {
    Ui.Messages.clear();
    Click(command);
    ASSERT_EQ(Ui.Messages.size(), 1u) << command;
    EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
    EXPECT_NE(Ui.Messages[0].text.find("gray tone 1 to 2"), std::string::npos);
    EXPECT_TRUE(Session().DemGrid.Empty()) << command;
    EXPECT_FALSE(Main().ResultForm->HasPicture()) << command;
    EXPECT_EQ(Main().Controls(), controls) << command;
  }
  EXPECT_TRUE(Ui.AllAnswersUsed());  // no scale dialog was asked
}

TEST_F(DemCommandsTest, CoordinatesDialogCancelWritesNothingAndOkNeedsAUnit) {
  TemporaryFolder saved;
  LoadAndDilate();
  Ui.QueueFile("Save DEM", saved.File("dem"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    testing::TypeInto(form, "PixSizeEdit", "25");
    testing::Press(form, "BitBtn1");  // no unit: refused, the dialog stays
    EXPECT_TRUE(form.isVisible());
    testing::Press(form, "BitBtn2");
  });
  Click("SaveDEM");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(ListFolder(saved.Path()), "");

  // The values persist; a new showing is no longer cancelled.
  Ui.QueueFile("Save DEM", saved.File("dem"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("PixSizeEdit")->text(), "25");
    testing::CheckRadio(form, "RadioButton1");
    testing::Press(form, "BitBtn1");
  });
  Click("SaveDEM");
  EXPECT_EQ(ListFolder(saved.Path()), "dem.asc");
}

TEST_F(DemCommandsTest, AFailedSaveIsReportedAndLeavesNoFile) {
  TemporaryFolder saved;
  LoadAndDilate();
  Ui.QueueFile("Save DEM", saved.File("gone/dem"), 1);
  Click("SaveDEM");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(ListFolder(saved.Path()), "");
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(DemCommandsTest, DemInformationBeforeAnyUnitLeavesTheUnitEmpty) {
  Ui.QueueModal("TDEMInfoForm", nullptr);
  Main().InfoDEM1Click();
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Main().DEMInfoForm->windowTitle().toStdString(), " DEMInfoForm");
  EXPECT_EQ(Main().DEMInfoForm->LigEdit->text().toStdString(), "0");
  EXPECT_EQ(Main().DEMInfoForm->ScaleEdit->text().toStdString(), "");
}

TEST_F(DemCommandsTest, DemInformationShowsTheSizeRangeAndUnitOfTheLastDilation) {
  LoadAndDilate(1, 8);  // meters in, millimeters out
  Ui.QueueModal("TDEMInfoForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Click("InfoDEM1");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  const TDEMInfoForm& info = *Main().DEMInfoForm;
  EXPECT_EQ(info.LigEdit->text().toStdString(), "366");
  EXPECT_EQ(info.ColEdit->text().toStdString(), "522");
  EXPECT_EQ(info.MinEdit->text().toStdString(), std::to_string(Session().DemMin));
  EXPECT_EQ(info.MaxEdit->text().toStdString(), std::to_string(Session().DemMax));
  EXPECT_EQ(info.MinEdit->text().toStdString(), "95000");
  EXPECT_EQ(info.PixEdit->text().toStdString(), "10");
  EXPECT_EQ(info.ScaleEdit->text().toStdString(), "milimeters");
}

TEST_F(DemCommandsTest, DilationInfoShowsItsTwoPicturesOneAfterTheOther) {
  Ui.QueueModal("TMorphoMathForm", nullptr);
  Ui.QueueModal("TDilationForm", nullptr);
  Main().DilInfoClick();
  ASSERT_TRUE(Ui.AllAnswersUsed());
  for (const char* name : {"TMorphoMathForm", "TDilationForm"}) {
    const auto* form = dynamic_cast<const PictureInfoForm*>(Main().Form(name));
    ASSERT_NE(form, nullptr) << name;
    EXPECT_EQ(form->windowTitle().toStdString(), " Dilation Procedure");
    EXPECT_FALSE(form->Picture().isNull());
  }
}

}  // namespace
}  // namespace zelmaro
