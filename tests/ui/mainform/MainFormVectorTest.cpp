#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "support/DxfSamples.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imagevect.h"
#include "ui/dialogs/Selection.h"
#include "ui/dialogs/Vertex.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

using Names = std::vector<std::string>;
using testing::ExamplePath;
using testing::Press;
using testing::TypeInto;

bool AllGray(const QImage& picture) {
  for (int line = 0; line < picture.height(); ++line) {
    for (int column = 0; column < picture.width(); ++column) {
      const QRgb pixel = picture.pixel(column, line);
      if (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)) return false;
      if (qRed(pixel) != 0 && qRed(pixel) != 255) return false;
    }
  }
  return true;
}

// Records the value of every progress bar each time it is drawn.
class ProgressRecorder : public QObject {
 public:
  ProgressRecorder() { qApp->installEventFilter(this); }
  ~ProgressRecorder() override { qApp->removeEventFilter(this); }
  std::vector<int> Values;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      if (auto* bar = qobject_cast<QProgressBar*>(watched)) Values.push_back(bar->value());
    }
    return false;
  }
};

class VectorCommandTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void LoadVector(const std::string& path, const char* item = "Vectorial") {
    Ui.QueueFile("VECTORIAL FILE OPENING", path);
    Click(item);
  }
  std::string Write(const std::string& name, const std::string& text) {
    testing::WriteFileBytes(folder_.File(name), text);
    return folder_.File(name);
  }
  std::string Panel(int x, int y, int panel) {
    Main().ImageForm->PaintBoxMouseMove(x, y);
    return Main().PanelText(panel);
  }
  // The panel with the mouse over a cell of the picture, at whatever zoom it is shown.
  std::string CellPanel(int line, int column, int panel) {
    const int scale = std::max(1, Main().ImageForm->ZoomFactor);
    return Panel(column * scale, line * scale, panel);
  }

  testing::TemporaryFolder folder_;
};

TEST_F(VectorCommandTest, VectorialShowsTheExampleSceneInGrayWithItsFrame) {
  ProgressRecorder progress;
  LoadVector(ExamplePath("volcano.dxf"));
  // One step per line of the 20-line preview, drawn as it moves.
  ASSERT_GE(progress.Values.size(), 10u);
  EXPECT_TRUE(std::is_sorted(progress.Values.begin(), progress.Values.end()));
  EXPECT_GE(progress.Values.back(), 90);
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  ASSERT_EQ(Ui.FileRequests.size(), 1u);
  EXPECT_EQ(Ui.FileRequests[0].filter,
            "All vector files|*.dxf;*.shp;*.gpkg;*.geojson;*.json;*.gml;*.kml;*.kmz;*.fgb|DXF|"
            "*.dxf|Shapefile|*.shp|GeoPackage|*.gpkg|GeoJSON|*.geojson;*.json|GML|*.gml|KML|"
            "*.kml;*.kmz|FlatGeobuf|*.fgb");
  EXPECT_EQ(Ui.FileRequests[0].initialFolder, std::string(ZELMARO_EXAMPLES_DIR));
  EXPECT_EQ(Main().ResultForm->TimesSentBack(), 1);
  EXPECT_EQ(Ui.CursorHistory, (std::vector<int>{kArrowCursor, kHourglassCursor, kArrowCursor}));
  EXPECT_EQ(Main().ActiveProgress(), nullptr);

  const SessionState& session = Main().Session;
  const std::string path = ExamplePath("volcano.dxf");
  EXPECT_EQ(session.InputFileName, path);
  EXPECT_EQ(session.InputDirectory, FolderOf(path));
  // 870 x 610 m at 30 m: trunc(29 + 0.5) columns, trunc(20.33 + 0.5) lines.
  EXPECT_EQ(session.VectorColumns, 29);
  EXPECT_EQ(session.VectorLines, 20);
  EXPECT_EQ(session.RasterSession, 0);
  EXPECT_EQ(session.EditableImage, 0);
  EXPECT_EQ(session.GeoReferenced, 1);

  const TImageForm& image = *Main().ImageForm;
  // So small a preview opens fitted to its window, and the caption says at which zoom.
  EXPECT_GE(image.ZoomFactor, 2);
  EXPECT_EQ(image.windowTitle().toStdString(), ZoomCaption(path, image.ZoomFactor));
  EXPECT_EQ(image.ScreenBitmap.size(), QSize(29, 20));
  EXPECT_TRUE(AllGray(image.ScreenBitmap));
  EXPECT_EQ(image.ShownLines, 20);
  EXPECT_EQ(image.ShownColumns, 29);
  EXPECT_EQ(image.Extent.XMin, 1756000.0);
  EXPECT_EQ(image.Extent.YMax, 5917610.0);

  const TImageVectForm& info = *Main().ImageVectForm;
  EXPECT_EQ(info.LinEdit->text(), "20");
  EXPECT_EQ(info.ColEdit->text(), "29");
  EXPECT_EQ(info.PixEdit->text(), "30");
  EXPECT_EQ(info.XminEdit->text(), "1756000");
  EXPECT_EQ(info.YmaxEdit->text(), "5917610");
  const TSelectionForm& selection = *Main().SelectionForm;
  EXPECT_EQ(selection.MinXEdit->text(), "1756000");
  EXPECT_EQ(selection.MinYEdit->text(), "5917000");
  EXPECT_EQ(selection.MaxXEdit->text(), "1756870");
  EXPECT_EQ(selection.MaxYEdit->text(), "5917610");
  EXPECT_EQ(Main().DynamicForm->MinEdit->text(), "95");
  EXPECT_EQ(Main().DynamicForm->MaxEdit->text(), "195");
  EXPECT_EQ(Main().DynamicForm->IntervalEdit->text().toInt(),
            session.AltitudeTable[2] - session.AltitudeTable[1]);

  EXPECT_EQ(EnabledButtons(),
            (Names{"RasterSpeedButton", "VectSpeedButton", "FusionSpeedButton", "CNHASpeedButton",
                   "ZoomSpeedButton", "SelectionSpeedButton", "ExitSpeedButton"}));
  for (const char* menu : {"InfoResultImage", "VectorOperation", "Selection"}) {
    EXPECT_TRUE(Enabled(menu)) << menu;
  }
  EXPECT_FALSE(Enabled("PreTreatments"));

  Ui.QueueModal("TImageVectForm", [](QDialog& form) { form.accept(); });
  Click("InfoResultImage");
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

TEST_F(VectorCommandTest, CancelledOrRefusedFilesLeaveTheSessionAndTheButtonsAsTheyWere) {
  Ui.QueueFile("VECTORIAL FILE OPENING", std::nullopt);
  Click("VectSpeedButton");
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
  const std::string broken = Write("broken.dxf", "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n");
  const std::string missing = folder_.File("missing.dxf");
  for (const std::string& path : {broken, missing}) LoadVector(path, "VectSpeedButton");
  ASSERT_EQ(Ui.Messages.size(), 2u);
  for (const auto& message : Ui.Messages) EXPECT_EQ(message.caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find(broken), std::string::npos);
  EXPECT_NE(Ui.Messages[1].text.find(missing), std::string::npos);
  EXPECT_TRUE(Main().Session.InputFileName.empty());
  EXPECT_EQ(Main().Session.VectorImageAllocated, 0);
  EXPECT_FALSE(Main().ImageForm->HasPicture());
  EXPECT_FALSE(Enabled("SelectionSpeedButton"));
  EXPECT_FALSE(Enabled("VectorOperation"));
  EXPECT_EQ(Main().ActiveProgress(), nullptr);
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(VectorCommandTest, CancelInTheProgressWindowKeepsTheSceneLoadedBefore) {
  LoadVector(ExamplePath("volcano.dxf"));
  const Grid<std::uint8_t> preview = Main().Session.VectorImage;
  const Names buttons = EnabledButtons();
  const QSize picture = Main().ImageForm->ScreenBitmap.size();
  const std::string other = Write("other.dxf", testing::ReadFileBytes(ExamplePath("volcano.dxf")));
  Ui.CancelProgressAt(0.3);
  LoadVector(other);
  ASSERT_FALSE(Ui.ProgressShown.empty());
  EXPECT_LT(Ui.ProgressShown.back(), 0.5);
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Main().ActiveProgress(), nullptr);
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
  EXPECT_EQ(Main().Session.InputFileName, ExamplePath("volcano.dxf"));
  EXPECT_TRUE(Main().Session.VectorImage == preview);
  EXPECT_EQ(Main().ImageForm->ScreenBitmap.size(), picture);
  EXPECT_EQ(EnabledButtons(), buttons);
}

TEST_F(VectorCommandTest, ThirdPartyPolylinesAndLightweightPolylinesGiveTheSameSceneAndZone) {
  testing::SampleDxf sample = testing::SampleFrame(500000, 2100000, 503000, 2102000, 100, 300);
  sample.lines.push_back({100, {{500100, 2100100}, {502900, 2101900}}});
  sample.lines.push_back({200, {{500000, 2101000}, {501500, 2101500}, {503000, 2100500}}});
  sample.lines.push_back({300, {{501000, 2101000}, {501400, 2101000}, {501400, 2101300}}, true});
  LoadVector(Write("r12.dxf", testing::PolylineDxf(sample, testing::VertexLayout::R12Handles)));
  QueueZone("20");
  Click("SelectionSpeedButton");
  const SessionState first = Main().Session;
  LoadVector(Write("lw.dxf", WithCrLf(testing::LwPolylineDxf(sample))));
  QueueZone("20");
  Click("SelectTreatment");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  const SessionState& second = Main().Session;
  EXPECT_EQ(first.VertexSkipCount, 4);
  EXPECT_EQ(second.VectorLines, 67);  // 2000 m at 30 m
  EXPECT_EQ(second.VectorImage, first.VectorImage);
  EXPECT_EQ(second.AltitudeCount, 3);
  EXPECT_EQ(second.AltitudeTable, first.AltitudeTable);
  EXPECT_EQ(second.WorkLines, 100);
  EXPECT_EQ(second.WorkColumns, 150);
  EXPECT_EQ(second.ContourImage, first.ContourImage);
  int lineCells = 0;
  for (int line = 0; line < second.WorkLines; ++line) {
    for (int column = 0; column < second.WorkColumns; ++column) {
      lineCells += second.ContourImage[line][column] != 255;
    }
  }
  EXPECT_GT(lineCells, 300);
}

TEST_F(VectorCommandTest, ExtractVectorZoneMakesTheWholeSceneTheWorkingImage) {
  LoadVector(ExamplePath("volcano.dxf"));
  QueueZone("10");
  Click("SelectionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  const SessionState& session = Main().Session;
  EXPECT_EQ(session.WorkColumns, 87);
  EXPECT_EQ(session.WorkLines, 61);
  EXPECT_EQ(session.ZoneSelected, 1);
  EXPECT_EQ(session.EditableImage, 1);
  EXPECT_TRUE(session.ComeBackImage == session.ContourImage);
  EXPECT_EQ(Main().Zone.ZonePixelSize, 10);
  EXPECT_EQ(Main().Zone.ZoneXMax, 1756870.0);
  const TImageForm& image = *Main().ImageForm;
  EXPECT_EQ(image.ScreenBitmap.size(), QSize(87, 61));
  EXPECT_EQ(image.ShownLines, 61);
  EXPECT_EQ(image.Extent.YMin, 5917000.0);
  EXPECT_EQ(Main().ResultForm->ShownLines, 61);
  EXPECT_EQ(Main().ResultForm->ShownColumns, 87);
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);

  EXPECT_EQ(EnabledButtons(),
            (Names{"RasterSpeedButton", "VectSpeedButton", "FusionSpeedButton", "CNHASpeedButton",
                   "ZoomSpeedButton", "SelectionSpeedButton", "ReverseSpeedButton",
                   "SaveContLineSpeedButton", "LineThinnerSpeedButton", "EbarbSpeedButton",
                   "DetectBreakSpeedButton", "DilatSpeedButton", "PipetteButton", "PencilButton",
                   "ReglaSpeedButton", "PointSpeedButton", "FunnelSpeedButton",
                   "ComeBackSpeedButton", "ExitSpeedButton"}));
  for (const char* menu : {"Interpolations", "PreTreatments"}) EXPECT_TRUE(Enabled(menu)) << menu;
}

TEST_F(VectorCommandTest, ARectangleZoneGivesItsOwnSizeAndExtent) {
  LoadVector(ExamplePath("volcano.dxf"));
  Main().Action("ZoomSpeedButton")->trigger();  // down: the tools wait for it
  QueueZone("5", {"1756100", "5917200", "1756600", "5917500"});
  Click("SelectionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Main().Session.WorkColumns, 100);
  EXPECT_EQ(Main().Session.WorkLines, 60);
  EXPECT_EQ(Main().ImageForm->ScreenBitmap.size(), QSize(100, 60));
  EXPECT_EQ(Main().ImageForm->Extent.XMin, 1756100.0);
  EXPECT_EQ(Main().ImageForm->Extent.YMax, 5917500.0);
  EXPECT_FALSE(Enabled("PencilButton"));
  Main().Action("ZoomSpeedButton")->trigger();  // up again
  EXPECT_TRUE(Enabled("PencilButton"));
  // At 1:1 the top left corner of the zone lies under the mouse at (0, 0).
  EXPECT_EQ(Panel(0, 0, 1), " Coord. UTM   X 1756100.00    Y 5917500.00 ");
  EXPECT_EQ(Panel(0, 0, 4), " Image Size: 60 lines x 100 columns  ");
}

TEST_F(VectorCommandTest, TheDialogRefusesIncompleteZonesInOrderAndClosingItAbandons) {
  LoadVector(ExamplePath("volcano.dxf"));
  Ui.QueueModal("TSelectionForm", [](QDialog& form) {
    EXPECT_EQ(form.windowTitle(), "Vector Image Selection");
    EXPECT_EQ(form.findChild<QRadioButton*>("RadioButton1")->text(), "Whole Scene");
    EXPECT_EQ(form.findChild<QRadioButton*>("RadioButton2")->text(), "Selected Zone");
    EXPECT_FALSE(form.findChild<QWidget*>("GroupBox3")->isVisible());
    Press(form, "BitBtn1");
    TypeInto(form, "PixEdit", "10");
    Press(form, "BitBtn1");
    testing::CheckRadio(form, "RadioButton2");
    EXPECT_TRUE(form.findChild<QWidget*>("GroupBox3")->isVisible());
    // The new scene is proposed as the zone; the user clears it to type another.
    EXPECT_EQ(form.findChild<QLineEdit*>("Min_X_Edit")->text(), "1756000");
    for (const char* edit : {"Min_X_Edit", "Min_Y_Edit", "Max_X_Edit", "Max_Y_Edit"}) {
      TypeInto(form, edit, "");
    }
    Press(form, "BitBtn1");
    const std::vector<std::pair<const char*, const char*>> typed{{"Min_X_Edit", "1756500"},
                                                                 {"Min_Y_Edit", "5917400"},
                                                                 {"Max_X_Edit", "1756100"},
                                                                 {"Max_Y_Edit", "5917200"},
                                                                 {"Max_X_Edit", "1756600"}};
    for (const auto& [edit, text] : typed) {
      TypeInto(form, edit, text);
      Press(form, "BitBtn1");
    }
    EXPECT_TRUE(form.isVisible());
  });
  Click("SelectionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  std::vector<std::string> texts;
  for (const auto& message : Ui.Messages) {
    EXPECT_EQ(message.caption, "ERROR");
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    texts.push_back(message.text);
  }
  EXPECT_EQ(texts, (Names{"No Pixel Size", "No Checked Zone", "No Min_X value", "No Min_Y value",
                          "No Max_X value", "No Max_Y value", "Min_X greater than Max_X",
                          "Min_Y greater than Max_Y"}));
  EXPECT_EQ(Main().Session.ZoneSelected, 0);
  EXPECT_FALSE(Enabled("ReverseSpeedButton"));

  // A dialog validated once and then closed by its frame runs nothing either.
  QueueZone("10");
  Click("SelectionSpeedButton");
  const ByteGrid zone = Main().Session.ContourImage;
  Ui.QueueModal("TSelectionForm", [](QDialog& form) {
    TypeInto(form, "PixEdit", "3");
    testing::CheckRadio(form, "RadioButton1");
  });
  Click("SelectionSpeedButton");
  EXPECT_EQ(Main().Session.ContourImage, zone);
  EXPECT_EQ(Main().Session.WorkColumns, 87);
}

TEST_F(VectorCommandTest, BackShowsTheWholeSceneAndReturnTheZoneWithTheirReadouts) {
  LoadVector(ExamplePath("volcano.dxf"));
  QueueZone("10", {"1756100", "5917200", "1756600", "5917500"});
  Click("SelectionSpeedButton");
  // An edit made before Back is still there after Return.
  Main().Session.ContourImage[3][4] = 7;
  const QImage zonePicture = [&] {
    Main().ImageForm->ShowContourImage();
    return Main().ImageForm->ScreenBitmap;
  }();

  Click("ReverseSpeedButton");
  const TImageForm& image = *Main().ImageForm;
  EXPECT_EQ(Main().Session.BackViewShown, 1);
  EXPECT_EQ(image.ScreenBitmap.size(), QSize(29, 20));
  EXPECT_TRUE(AllGray(image.ScreenBitmap));
  EXPECT_EQ(image.ShownLines, 20);
  EXPECT_FALSE(Enabled("ReverseSpeedButton"));
  EXPECT_TRUE(Enabled("AdvanceSpeedButton"));
  EXPECT_EQ(Panel(0, 0, 4), " Image Size: 20 lines x 29 columns  ");
  EXPECT_EQ(Panel(0, 0, 1), " Coord. UTM   X 1756000.00    Y 5917610.00 ");
  // Line 10, column 20 of the scene: 20 x 30 m east, 10 lines of 30.5 m below the top.
  EXPECT_EQ(CellPanel(10, 20, 1), " Coord. UTM   X 1756600.00    Y 5917305.00 ");
  EXPECT_EQ(CellPanel(10, 20, 0), " Line:    10  Column:    20 ");

  // The preview is not the working image: no tool reaches it, even one the window
  // would be told is down.
  std::vector<std::pair<int, int>> clicks;
  Main().ImageForm->Hooks.toolDown = [](EditorTool tool) { return tool == EditorTool::Pencil; };
  Main().ImageForm->Hooks.toolClick = [&](EditorTool, const ImageClick& click, DisplayBitmap&) {
    clicks.emplace_back(click.line, click.column);
  };
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 5, 2);
  EXPECT_TRUE(clicks.empty());

  Click("AdvanceSpeedButton");
  EXPECT_EQ(image.ScreenBitmap, zonePicture);
  EXPECT_EQ(image.ShownLines, 30);
  EXPECT_EQ(image.ShownColumns, 50);
  EXPECT_TRUE(Enabled("ReverseSpeedButton"));
  EXPECT_FALSE(Enabled("AdvanceSpeedButton"));
  EXPECT_EQ(Panel(0, 0, 4), " Image Size: 30 lines x 50 columns  ");
  EXPECT_EQ(CellPanel(0, 10, 1), " Coord. UTM   X 1756200.00    Y 5917500.00 ");
}

TEST_F(VectorCommandTest, ToolClicksBeyondTheWorkingImageAreIgnoredInTheSceneView) {
  LoadVector(ExamplePath("volcano.dxf"));
  QueueZone("100");  // 9 x 6 cells, smaller than the 29 x 20 scene
  Click("SelectionSpeedButton");
  Click("ReverseSpeedButton");
  int clicks = 0;
  Main().ImageForm->Hooks.toolDown = [](EditorTool tool) { return tool == EditorTool::Pipette; };
  Main().ImageForm->Hooks.toolClick = [&](EditorTool, const ImageClick&, DisplayBitmap& picture) {
    EXPECT_EQ(picture.Columns(), 29);
    ++clicks;
  };
  const int scale = std::max(1, Main().ImageForm->ZoomFactor);
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 20 * scale, 3 * scale);
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 3 * scale, 10 * scale);
  EXPECT_EQ(clicks, 0);
  // Nor a cell that the working image has too: the preview's cells are other cells.
  Main().ImageForm->PaintBoxMouseDown(MouseButton::Left, 8 * scale, 5 * scale);
  EXPECT_EQ(clicks, 0);
}

TEST_F(VectorCommandTest, AZoneOfAFileGoneSinceTheLoadIsReportedAndChangesNothing) {
  testing::SampleDxf sample = testing::SampleFrame(500000, 2100000, 503000, 2102000, 100, 300);
  sample.lines.push_back({100, {{500100, 2100100}, {502900, 2101900}}});
  const std::string path =
      Write("gone.dxf", testing::PolylineDxf(sample, testing::VertexLayout::Agency));
  LoadVector(path);
  std::remove(path.c_str());
  QueueZone("20");
  Click("SelectionSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find(path), std::string::npos);
  EXPECT_EQ(Main().Session.ZoneSelected, 0);
  EXPECT_EQ(Main().Session.WorkLines, 0);
  EXPECT_EQ(Main().ImageForm->ShownLines, 67);  // still the scene
  EXPECT_FALSE(Enabled("ReverseSpeedButton"));
  EXPECT_FALSE(Enabled("PreTreatments"));
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(VectorCommandTest, AZoneBesideTheLinesIsRefusedAndEachSceneProposesItsOwnFrame) {
  LoadVector(ExamplePath("volcano.dxf"));
  testing::SampleDxf sample = testing::SampleFrame(500000, 2100000, 503000, 2102000, 100, 300);
  sample.lines.push_back({100, {{500100, 2100100}, {502900, 2101900}}});
  sample.lines.push_back({300, {{500100, 2100300}, {502900, 2102000}}});
  LoadVector(Write("sheet.dxf", testing::PolylineDxf(sample, testing::VertexLayout::Agency)));
  // The parameters of the linear interpolation follow the new scene as well.
  EXPECT_EQ(Main().DynRasterForm->Model.ParamMinimum, 100);
  EXPECT_EQ(Main().DynRasterForm->Model.ParamMaximum, 300);
  EXPECT_EQ(Main().DynRasterForm->Model.ParamInterval, 200);

  // The top left corner of the sheet holds no line.
  Ui.QueueModal("TSelectionForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("Min_X_Edit")->text(), "500000");
    EXPECT_EQ(form.findChild<QLineEdit*>("Max_Y_Edit")->text(), "2102000");
    TypeInto(form, "PixEdit", "20");
    testing::CheckRadio(form, "RadioButton2");
    TypeInto(form, "Max_X_Edit", "500500");
    TypeInto(form, "Min_Y_Edit", "2101500");
    Press(form, "BitBtn1");
  });
  Click("SelectionSpeedButton");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("no contour line"), std::string::npos);
  EXPECT_EQ(Main().Session.ZoneSelected, 0);
  EXPECT_TRUE(Main().Session.ContourImage.Empty());
  EXPECT_EQ(Main().ImageForm->ShownLines, 67);  // still the scene
  EXPECT_FALSE(Enabled("DilatSpeedButton"));
}

TEST_F(VectorCommandTest, ANewZoneOpensAtItsTopLeftCorner) {
  testing::SampleDxf sample = testing::SampleFrame(500000, 2100000, 503000, 2102000, 100, 300);
  sample.lines.push_back({100, {{500100, 2100100}, {502900, 2101900}}});
  LoadVector(Write("one.dxf", testing::PolylineDxf(sample, testing::VertexLayout::Agency)));
  QueueZone("2");  // 1500 x 1000 cells, more than the window shows
  Click("SelectionSpeedButton");
  QScrollBar* horizontal = Main().ImageForm->HorizontalScrollBar();
  QScrollBar* vertical = Main().ImageForm->VerticalScrollBar();
  horizontal->setValue(500);
  vertical->setValue(300);
  ASSERT_EQ(horizontal->value(), 500);
  QueueZone("2");
  Click("SelectionSpeedButton");
  EXPECT_EQ(horizontal->value(), 0);
  EXPECT_EQ(vertical->value(), 0);
}

TEST_F(VectorCommandTest, VertexFormIsBuiltButNeverShownAndSetsTheCount) {
  LoadVector(ExamplePath("volcano.dxf"));
  QueueZone("10");
  Click("SelectionSpeedButton");
  EXPECT_EQ(std::count(Ui.ModalForms.begin(), Ui.ModalForms.end(), "TVertexForm"), 0);
  auto* vertex = qobject_cast<TVertexForm*>(Main().Form("TVertexForm"));
  ASSERT_NE(vertex, nullptr);
  EXPECT_EQ(vertex->windowTitle(), " Initial Form");
  EXPECT_FALSE(vertex->isVisible());
  vertex->Vertex->setText("6x");
  EXPECT_EQ(Main().Session.VertexSkipCount, 6);
}

}  // namespace
}  // namespace zelmaro
