#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imageraster.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

using Names = std::vector<std::string>;
using testing::ExamplePath;

class RasterCommandTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  // The enabled buttons after a complete load, in tool-bar order.
  static Names LoadedButtons() {
    return {"RasterSpeedButton",      "VectSpeedButton",     "FusionSpeedButton",
            "CNHASpeedButton",        "ZoomSpeedButton",     "SaveContLineSpeedButton",
            "LineThinnerSpeedButton", "EbarbSpeedButton",    "DetectBreakSpeedButton",
            "DilatSpeedButton",       "SurfaceSpeedButton",  "PipetteButton",
            "PencilButton",           "ReglaSpeedButton",    "PointSpeedButton",
            "FunnelSpeedButton",      "ComeBackSpeedButton", "ExitSpeedButton"};
  }
  // A map of 2 x 3 cells of `code` in `folder` with its size file and the table given,
  // answered to the Raster command's two file dialogs.
  void QueueSmallMap(const testing::TemporaryFolder& folder, char code, const std::string& table) {
    testing::WriteFileBytes(folder.File("a.raw"), std::string(6, code));
    testing::WriteFileBytes(folder.File("a.txt"), "2 3\n");
    testing::WriteFileBytes(folder.File("a_tab.txt"), table);
    Ui.QueueFile("OPEN DATA RASTER", folder.File("a.raw"));
    Ui.QueueFile("Open Table Gray Tones Altitudes", folder.File("a_tab.txt"));
  }
};

TEST_F(RasterCommandTest, MenuLoadOfTheExampleShowsTheMapAndEnablesTheTreatments) {
  QueueExampleLoad();
  Click("Raster");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());

  const std::string raw = ExamplePath("volcano.raw");
  ASSERT_EQ(Ui.FileRequests.size(), 2u);
  EXPECT_EQ(Ui.FileRequests[0].filter,
            "Raster Image [*.raw]|*.raw|Contour GeoTIFF [*.tif]|*.tif;*.tiff");
  EXPECT_EQ(Ui.FileRequests[0].initialFolder, std::string(ZELMARO_EXAMPLES_DIR));
  EXPECT_EQ(Ui.FileRequests[1].filter, "Table [*.txt]|*.txt");
  EXPECT_EQ(Ui.FileRequests[1].initialFolder, FolderOf(raw));

  const SessionState& session = Main().Session;
  EXPECT_EQ(session.InputFileName, raw);
  EXPECT_EQ(session.WorkLines, 366);
  EXPECT_EQ(session.WorkColumns, 522);
  EXPECT_EQ(session.AltitudeCount, 21);
  EXPECT_EQ(session.AltitudeTable[1], 95);
  EXPECT_EQ(session.RasterSession, 1);
  EXPECT_EQ(session.EditableImage, 1);
  EXPECT_EQ(session.GeoReferenced, 0);
  EXPECT_TRUE(session.ComeBackImage == session.ContourImage);

  EXPECT_EQ(Main().ImageForm->windowTitle().toStdString(), raw + " (1:1)");
  EXPECT_EQ(Main().ImageForm->ScreenBitmap.size(), QSize(522, 366));
  EXPECT_EQ(Main().ImageForm->ShownLines, 366);
  EXPECT_EQ(Main().ResultForm->ShownColumns, 522);
  EXPECT_EQ(Main().Zone.ZonePixelSize, 10);
  EXPECT_EQ(Main().DynamicForm->MinEdit->text().toStdString(), "95");
  EXPECT_EQ(Main().DynamicForm->MaxEdit->text().toStdString(), "195");
  EXPECT_EQ(Main().DynamicForm->IntervalEdit->text().toStdString(), "5");
  EXPECT_EQ(Main().ImageRasterForm->LinEdit->text().toStdString(), "366");
  EXPECT_EQ(Main().ImageRasterForm->ColEdit->text().toStdString(), "522");

  EXPECT_EQ(EnabledButtons(), LoadedButtons());
  for (const char* menu : {"PreTreatments", "InfoResultImage", "Interpolations", "Dilation"}) {
    EXPECT_TRUE(Enabled(menu)) << menu;
  }
  EXPECT_FALSE(Enabled("Results"));
  EXPECT_FALSE(Enabled("Lineal"));
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);

  Ui.QueueModal("TImageRasterForm", [](QDialog& form) { form.accept(); });
  Click("InfoResultImage");
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

TEST_F(RasterCommandTest, MenuAndButtonSendTheResultWindowBackInTheirOwnOrder) {
  std::vector<std::pair<int, int>> seen;  // cursor, times the result window went back
  Ui.OnCursor = [&](int cursor) { seen.emplace_back(cursor, Main().ResultForm->TimesSentBack()); };
  Ui.QueueFile("OPEN DATA RASTER", std::nullopt);
  Click("Raster");
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{kHourglassCursor, 0}, {kArrowCursor, 1}}));
  seen.clear();
  Ui.QueueFile("OPEN DATA RASTER", std::nullopt);
  Click("RasterSpeedButton");
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{kHourglassCursor, 2}, {kArrowCursor, 2}}));
}

TEST_F(RasterCommandTest, CancelledOpenDialogChangesOnlyZoomAndBack) {
  Main().ApplyEnabling(EnablingEvent::ZoneSelected);
  ASSERT_TRUE(Enabled("ReverseSpeedButton"));
  Ui.QueueFile("OPEN DATA RASTER", std::nullopt);
  Click("RasterSpeedButton");
  EXPECT_TRUE(Main().Session.InputFileName.empty());
  EXPECT_FALSE(Main().ImageForm->HasPicture());
  EXPECT_FALSE(Enabled("ReverseSpeedButton"));
  EXPECT_TRUE(Enabled("ZoomSpeedButton"));
  EXPECT_TRUE(Enabled("PreTreatments"));
}

// A load abandoned after its image was read (the table cancelled or unreadable, the
// parameters closed by their frame) leaves the previous data set, its pictures, its
// dialogs and its buttons exactly as they were.
TEST_F(RasterCommandTest, AnAbandonedLoadLeavesThePreviousDataSetAsItWas) {
  testing::TemporaryFolder folder;
  const std::string raw = folder.File("other.raw");
  testing::WriteFileBytes(raw, std::string(12, '\x01'));
  testing::WriteFileBytes(folder.File("other.txt"), "3 4\n");
  testing::WriteFileBytes(folder.File("bad_tab.txt"), "1 100\n2 abc\n");
  testing::WriteFileBytes(folder.File("other_tab.txt"), "1 500\n");
  struct Ending {
    const char* what;
    std::optional<std::string> table;
    bool parametersShown;
    std::size_t messages;
  };
  const std::vector<Ending> endings{
      {"table cancelled", std::nullopt, false, 0},
      {"table unreadable", folder.File("bad_tab.txt"), false, 1},
      {"parameters closed", folder.File("other_tab.txt"), true, 0},
  };
  QueueExampleLoad("90");
  Click("Raster");
  Main().ApplyEnabling(EnablingEvent::ZoneSelected);  // Back on: an abandoned load keeps it
  const SessionState loaded = Main().Session;
  const ControlStates controls = Main().Controls();
  const QImage picture = Main().ImageForm->ScreenBitmap;
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.what);
    Ui.Messages.clear();
    Ui.QueueFile("OPEN DATA RASTER", raw);
    Ui.QueueFile("Open Table Gray Tones Altitudes", ending.table);
    if (ending.parametersShown) {
      Ui.QueueModal("TDynRasterForm", [](QDialog& form) {
        EXPECT_EQ(form.findChild<QLineEdit*>("MinimumEdit")->text(), "500");
        testing::TypeInto(form, "PixelEdit", "99");
      });
    }
    Click("Raster");
    ASSERT_TRUE(Ui.AllAnswersUsed());
    EXPECT_EQ(Ui.Messages.size(), ending.messages);
    const SessionState& session = Main().Session;
    EXPECT_EQ(session.InputFileName, loaded.InputFileName);
    EXPECT_TRUE(session.ContourImage == loaded.ContourImage);
    EXPECT_EQ(session.AltitudeTable, loaded.AltitudeTable);
    EXPECT_EQ(session.AltitudeCount, 21);
    EXPECT_EQ(session.WorkLines, 366);
    EXPECT_EQ(Main().ImageForm->ScreenBitmap, picture);
    EXPECT_EQ(Main().ImageForm->ShownLines, 366);
    EXPECT_EQ(Main().Controls(), controls);
    EXPECT_EQ(Main().Zone.ZonePixelSize, 10);
    EXPECT_EQ(Main().DynRasterForm->MinimumEdit->text().toStdString(), "90");
    EXPECT_EQ(Main().DynRasterForm->PixelEdit->text().toStdString(), "10");
  }
}

TEST_F(RasterCommandTest, MissingSizeFileIsAskedRefusedAtZeroAndWritten) {
  testing::TemporaryFolder folder;
  const std::string raw = folder.File("map.raw");
  testing::WriteFileBytes(raw, std::string(100 * 200, '\xff'));
  Ui.QueueFile("OPEN DATA RASTER", raw);
  Ui.QueueModal("TImageSizeForm", [](QDialog& form) {
    testing::TypeInto(form, "NumLineEdit", "100");
    testing::TypeInto(form, "NumColEdit", "0");
    testing::Press(form, "OkButton");
    EXPECT_TRUE(form.isVisible());
    testing::TypeInto(form, "NumColEdit", "200");
    testing::Press(form, "OkButton");
  });
  testing::WriteFileBytes(folder.File("map_tab.txt"), "1 100\n");
  Ui.QueueFile("Open Table Gray Tones Altitudes", folder.File("map_tab.txt"));
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Click("Raster");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(testing::ReadFileBytes(folder.File("map.txt")), "100\r\n200\r\n");
  EXPECT_EQ(Main().Session.WorkLines, 100);
  EXPECT_EQ(Main().Session.WorkColumns, 200);
  EXPECT_EQ(Ui.FileRequests[1].initialFolder, folder.Path());
}

TEST_F(RasterCommandTest, ClosingTheSizeDialogAbandonsTheLoad) {
  testing::TemporaryFolder folder;
  const std::string raw = folder.File("map.raw");
  testing::WriteFileBytes(raw, std::string(20, '\x01'));
  Ui.QueueFile("OPEN DATA RASTER", raw);
  Ui.QueueModal("TImageSizeForm", nullptr);
  Click("Raster");
  EXPECT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(testing::ListFolder(folder.Path()), "map.raw");
  EXPECT_TRUE(Main().Session.InputFileName.empty());
  EXPECT_FALSE(Main().ImageForm->HasPicture());
}

TEST_F(RasterCommandTest, MalformedSizeFileIsAnErrorAndChangesNothing) {
  QueueExampleLoad();
  Click("Raster");
  const SessionState loaded = Main().Session;
  testing::TemporaryFolder folder;
  testing::WriteFileBytes(folder.File("bad.raw"), "abc");
  testing::WriteFileBytes(folder.File("bad.txt"), "lines columns\n");
  Ui.QueueFile("OPEN DATA RASTER", folder.File("bad.raw"));
  Click("Raster");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("bad.txt"), std::string::npos);
  EXPECT_EQ(Main().Session.InputFileName, loaded.InputFileName);
  EXPECT_TRUE(Main().Session.ContourImage == loaded.ContourImage);
  EXPECT_EQ(Main().ImageForm->windowTitle().toStdString(), loaded.InputFileName + " (1:1)");
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(RasterCommandTest, MalformedTableIsAnErrorThatLeavesNoPartOfTheLoad) {
  testing::TemporaryFolder folder;
  testing::WriteFileBytes(folder.File("table.txt"), "1 100\n2 abc\n");
  Ui.QueueFile("OPEN DATA RASTER", ExamplePath("volcano.raw"));
  Ui.QueueFile("Open Table Gray Tones Altitudes", folder.File("table.txt"));
  Click("Raster");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("line 2"), std::string::npos);
  EXPECT_EQ(Main().Session.AltitudeCount, 0);
  EXPECT_TRUE(Main().Session.ContourImage.Empty());
  EXPECT_FALSE(Main().ImageForm->HasPicture());
  EXPECT_FALSE(Enabled("PreTreatments"));
}

TEST_F(RasterCommandTest, DynamicParametersAreProposedByEachTableAndKeepTheUsersChanges) {
  Ui.QueueFile("OPEN DATA RASTER", ExamplePath("volcano.raw"));
  Ui.QueueFile("Open Table Gray Tones Altitudes", ExamplePath("volcano_tab.txt"));
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("MinimumEdit")->text(), "95");
    EXPECT_EQ(form.findChild<QLineEdit*>("MaximumEdit")->text(), "195");
    EXPECT_EQ(form.findChild<QLineEdit*>("IntervalEdit")->text(), "5");
    testing::TypeInto(form, "MinimumEdit", "90");
    testing::TypeInto(form, "PixelEdit", "10");
    testing::Press(form, "BitBtn1");
  });
  Click("Raster");
  EXPECT_EQ(Main().DynRasterForm->Model.ParamMinimum, 90);
  EXPECT_EQ(Main().DynamicForm->MinEdit->text().toStdString(), "90");
  // A new table proposes its own levels.
  testing::TemporaryFolder folder;
  QueueSmallMap(folder, '\x01', "1 1200\n2 1000\n3 1100\n");
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Click("Raster");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  const DynRasterModel& model = Main().DynRasterForm->Model;
  EXPECT_EQ(model.ParamMinimum, 1000);
  EXPECT_EQ(model.ParamMaximum, 1200);
  EXPECT_EQ(model.ParamInterval, 100);
  EXPECT_EQ(model.ParamPixelSize, 10);  // not the table's: the pixel size stays as typed
}

TEST_F(RasterCommandTest, AFileGivenAtStartUpSkipsOnlyTheOpenDialog) {
  Ui.QueueFile("Open Table Gray Tones Altitudes", ExamplePath("volcano_tab.txt"));
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Main().RasterOnFile(ExamplePath("volcano.raw"));
  EXPECT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Ui.FileRequests.size(), 1u);
  EXPECT_EQ(Main().Session.AltitudeCount, 21);
  EXPECT_TRUE(Enabled("PreTreatments"));
}

TEST_F(RasterCommandTest, AMissingRawFileIsReportedBeforeAnySizeIsAsked) {
  testing::TemporaryFolder folder;
  Main().RasterOnFile(folder.File("none.raw"));
  EXPECT_TRUE(Ui.ModalForms.empty());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(Ui.Messages[0].text, "The raw image " + folder.File("none.raw") + " does not exist.");
  EXPECT_EQ(testing::ListFolder(folder.Path()), "");
}

TEST_F(RasterCommandTest, ASecondLoadStartsInTheFolderOfTheFirst) {
  testing::TemporaryFolder folder;
  QueueSmallMap(folder, '\x02', "1 100\n2 110\n");
  Ui.QueueModal("TDynRasterForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
  Click("Raster");
  Ui.QueueFile("OPEN DATA RASTER", std::nullopt);
  Click("Raster");
  EXPECT_EQ(Ui.FileRequests.back().initialFolder, folder.Path());
}

// A table whose gray tones are not its positions loads by position, as always, but the
// user is told before the parameters are asked, while the load can still be abandoned.
TEST_F(RasterCommandTest, ATableOutOfOrderIsLoadedWithAWarning) {
  testing::TemporaryFolder folder;
  QueueSmallMap(folder, '\x01', "2 1000\n1 1100\n");
  Ui.QueueModal("TDynRasterForm", [this](QDialog& form) {
    EXPECT_EQ(Ui.Messages.size(), 1u);
    testing::Press(form, "BitBtn1");
  });
  Click("Raster");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "WARNING");
  EXPECT_NE(Ui.Messages[0].text.find("a_tab.txt, line 1: the pair (2, 1000)"), std::string::npos)
      << Ui.Messages[0].text;
  EXPECT_EQ(Main().Session.AltitudeCount, 2);
  EXPECT_EQ(Main().Session.AltitudeTable[1], 1000);
  EXPECT_EQ(Main().Session.RasterSession, 1);
}

}  // namespace
}  // namespace zelmaro
