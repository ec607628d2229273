#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include "UiTestSupport.h"
#include "core/Error.h"
#include "core/Progress.h"
#include "ui/art/Glyphs.h"
#include "ui/dialogs/InfoForms.h"
#include "ui/dialogs/Progress.h"
#include "ui/windows/Imagewindow.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

using Names = std::vector<std::string>;

class MainWindowTest : public ::testing::Test, public testing::MainWindowFixture {};

TEST_F(MainWindowTest, StartUpShowsThePresentationThenBuildsEveryWindowInOrder) {
  EXPECT_EQ(Ui.StartupWaits, (std::vector<float>{1.0f, 1.0f, 1.0f, 2.0f}));
  ASSERT_FALSE(Ui.CursorHistory.empty());
  EXPECT_EQ(Ui.CursorHistory.front(), kArrowCursor);
  std::vector<int> ids;
  for (const auto& [id, cursor] : Ui.RegisteredCursors) {
    ids.push_back(id);
    EXPECT_FALSE(cursor.pixmap().isNull()) << id;
  }
  EXPECT_EQ(ids, (std::vector<int>{30, 31, 32, 33, 34, 35, 36}));
  EXPECT_EQ(
      Main().CreatedForms(),
      (Names{
          "TImageSizeForm",     "TImageForm",          "TVertexForm",        "TImageRasterForm",
          "TImageVectForm",     "TSelectionForm",      "TDynamicForm",       "TResultForm",
          "TBreakForm",         "TEbarbForm",          "TSmoothingForm",     "TDynRasterForm",
          "TDEMInfoForm",       "TRuzeInfoForm",       "TMorphoMathForm",    "TDilationForm",
          "TSumdxfForm",        "TDxfFileForm",        "TProgressForm",      "TSkelInfoForm",
          "TEbarbInfoForm",     "TGapInfoForm",        "TPresentationForm1", "TPresentationForm2",
          "TPresentationForm3", "TPresentationFinale", "TCLValueForm",       "TInfoPointForm",
          "TFunnelInfoForm",    "TSumDxfInfoForm",     "TCoordUTMForm",      "TAuthorForm",
          "TCopyrigthForm",     "TEnglishInfoForm",    "TFrenchInfoForm",    "TSpanishInfoForm"}));
  EXPECT_EQ(Main().windowTitle().toStdString(),
            "Z E L M A R O   [Digital Elevation Models from Contour Lines]");
  EXPECT_EQ(Main().Session.CodePalette[1], (PaletteColour{255, 0, 0}));
  EXPECT_EQ(Main().Session.CodePalette[255], (PaletteColour{255, 255, 255}));
  EXPECT_TRUE(Main().ImageForm->isVisible());
  EXPECT_EQ(Main().ImageForm->windowTitle().toStdString(), " Image Form (1:1)");
  EXPECT_FALSE(Main().ImageForm->HasPicture());
  EXPECT_TRUE(Main().ResultForm->isVisible());
  EXPECT_EQ(Main().ResultForm->windowTitle().toStdString(), " Image (1:1)");
}

TEST_F(MainWindowTest, StartUpOffersOnlyTheDataButtonsZoomExitAndTheDataViewAndAboutMenus) {
  EXPECT_EQ(EnabledButtons(), (Names{"RasterSpeedButton", "VectSpeedButton", "FusionSpeedButton",
                                     "CNHASpeedButton", "ZoomSpeedButton", "ExitSpeedButton"}));
  Names menus;
  for (QAction* action : Main().menuBar()->actions()) {
    if (action->isEnabled()) menus.push_back(action->text().toStdString());
  }
  EXPECT_EQ(menus, (Names{"Data_In", "View", "Window", "About", "Exit"}));
  EXPECT_FALSE(Enabled("InfoResultImage"));
  EXPECT_TRUE(Enabled("Raster"));
}

TEST_F(MainWindowTest, ToolBarHasItsButtonsSeparatorsHintsAndToggles) {
  const auto* bar = Main().findChild<QToolBar*>("ToolBar");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->iconSize(), QSize(32, 32));
  Names layout;
  Names toggles;
  for (QAction* action : bar->actions()) {
    if (action->isSeparator()) {
      layout.push_back("|");
      continue;
    }
    layout.push_back(action->toolTip().toStdString());
    if (action->isCheckable()) toggles.push_back(action->objectName().toStdString());
    const QImage glyph = ToolGlyphPixmap(action->objectName().toStdString()).toImage();
    ASSERT_EQ(glyph.size(), QSize(32, 32)) << action->objectName().toStdString();
    int painted = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) painted += qAlpha(glyph.pixel(x, y)) > 0 ? 1 : 0;
    }
    EXPECT_GT(painted, 60) << action->objectName().toStdString();
  }
  EXPECT_EQ(layout, (Names{"Raster Data",
                           "Vector Data",
                           "|",
                           "Fusion Various Vect. Files",
                           "Fusion Cont. Lines and Coast Line",
                           "|",
                           "Zoom",
                           "|",
                           "Extract Vector Zone",
                           "Back",
                           "Return",
                           "Save Contour Line Image",
                           "Corner Elimination",
                           "Ebarbulation",
                           "Break Searching",
                           "|",
                           "Dilation",
                           "Lineal Interpolation",
                           "|",
                           "Pipette",
                           "Pencil",
                           "Rule",
                           "Isolated Points",
                           "Filling Tool",
                           "Come Back",
                           "|",
                           "Smoothing",
                           "|",
                           "Save Image",
                           "Save DEM",
                           "|",
                           "Exit"}));
  EXPECT_EQ(toggles, (Names{"ZoomSpeedButton", "PipetteButton", "PencilButton", "ReglaSpeedButton",
                            "PointSpeedButton", "FunnelSpeedButton"}));
}

TEST_F(MainWindowTest, StatusBarHasFivePanelsOfTheirWidths) {
  std::vector<int> widths;
  for (QLabel* panel : Main().statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    widths.push_back(panel->width());
  }
  EXPECT_EQ(widths, (std::vector<int>{160, 250, 180, 180, 180}));
}

TEST_F(MainWindowTest, MenuTreeHoldsEveryItemUnderItsParent) {
  const auto parentOf = [this](const char* name) {
    const QAction* action = Main().Action(name);
    const auto* menu = action != nullptr ? qobject_cast<QMenu*>(action->parent()) : nullptr;
    return menu != nullptr ? menu->objectName().toStdString() : std::string("menu bar");
  };
  EXPECT_EQ(parentOf("Raster"), "DataIn");
  EXPECT_EQ(parentOf("CnHaTreatment"), "ContLinandCoastLine");
  EXPECT_EQ(parentOf("Info1"), "VariousdxfFiles");
  EXPECT_EQ(parentOf("SelectTreatment"), "Selection");
  EXPECT_EQ(parentOf("BreakSearchInfo"), "BreakSearching1");
  EXPECT_EQ(parentOf("LinInterpTreatment"), "Lineal");
  EXPECT_EQ(parentOf("InfoDEM1"), "Results");
  EXPECT_EQ(parentOf("Spanish"), "Information");
  EXPECT_EQ(Main().Action("Copyrigth")->text().toStdString(), "Copyright");
  EXPECT_EQ(Main().Action("BreakSearching1")->text().toStdString(), "Break Searching");
  EXPECT_TRUE(Main().Action("Lineal")->isChecked());
  EXPECT_EQ(Main().Action("InfoDEM1")->text().toStdString(), "Info DEM");
}

TEST_F(MainWindowTest, ItemsWithoutAHandlerDoNothing) {
  const SessionState before = Main().Session;
  for (const char* name : {"CnHaInfo", "SelectInfo", "SmoothingInfo", "SaveResultingRasterImage"}) {
    Click(name);
  }
  EXPECT_TRUE(Ui.FileRequests.empty());
  EXPECT_TRUE(Ui.ModalForms.empty());
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Main().Session.InputFileName, before.InputFileName);
}

TEST_F(MainWindowTest, CreditAndInformationWindowsShowModally) {
  for (const char* name : {"TAuthorForm", "TCopyrigthForm", "TEnglishInfoForm", "TFrenchInfoForm",
                           "TSpanishInfoForm"}) {
    Ui.QueueModal(name, [](QDialog& form) { form.accept(); });
  }
  for (const char* item : {"Author", "Copyrigth", "English", "French", "Spanish"}) Click(item);
  EXPECT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Main().Form("TAuthorForm")->windowTitle().toStdString(), " Author");
  EXPECT_EQ(Main().Form("TCopyrigthForm")->windowTitle().toStdString(), " Copyright");
  for (const char* name : {"TEnglishInfoForm", "TFrenchInfoForm", "TSpanishInfoForm"}) {
    const QWidget* form = Main().Form(name);
    EXPECT_EQ(form->windowTitle().toStdString(), " Info");
    const auto* box = form->findChild<QPlainTextEdit*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->toPlainText().contains("ASCII")) << name;
  }
  EXPECT_TRUE(static_cast<TextForm*>(Main().Form("TFrenchInfoForm"))->Text().contains("MNT"));
  EXPECT_TRUE(static_cast<TextForm*>(Main().Form("TSpanishInfoForm"))->Text().contains("MDE"));
}

TEST_F(MainWindowTest, ProgressWindowFollowsTheFraction) {
  EXPECT_EQ(Main().ActiveProgress(), nullptr);
  Main().ShowProgress();
  TProgressForm* progress = Main().ActiveProgress();
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->windowTitle().toStdString(), " Process");
  EXPECT_EQ(progress->size(), QSize(281, 63));
  Main().SetProgress(0.456f);
  EXPECT_EQ(progress->ProgressBar->value(), 45);
  Main().SetProgress(1.0f);
  EXPECT_EQ(progress->ProgressBar->value(), 100);
  EXPECT_EQ(progress->ProgressBar->text(), "100%");
  // Cancel, Escape and the window's frame all ask the command to stop; the window stays.
  EXPECT_FALSE(progress->CancelRequested());
  EXPECT_FALSE(progress->close());
  EXPECT_TRUE(progress->CancelRequested());
  EXPECT_FALSE(progress->CancelButton->isEnabled());
  Main().CloseProgress();
  EXPECT_EQ(Main().ActiveProgress(), nullptr);
}

TEST_F(MainWindowTest, ZoomButtonHoldsTheToolsOnlyWhileDownAndOnlyForAnEditableImage) {
  Main().Session.EditableImage = 1;
  Main().ApplyEnabling(EnablingEvent::RasterLoaded);
  Click("ZoomSpeedButton");
  EXPECT_EQ(Ui.CursorHistory.back(), kLoupeCursor);
  for (const char* tool : {"PipetteButton", "PencilButton", "ReglaSpeedButton", "PointSpeedButton",
                           "FunnelSpeedButton", "ComeBackSpeedButton"}) {
    EXPECT_FALSE(Enabled(tool)) << tool;
  }
  Click("ZoomSpeedButton");
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
  EXPECT_TRUE(Enabled("PencilButton"));
  EXPECT_TRUE(Enabled("ComeBackSpeedButton"));

  Main().Session.EditableImage = 0;
  Click("ZoomSpeedButton");
  Click("ZoomSpeedButton");
  EXPECT_FALSE(Enabled("PencilButton"));
  EXPECT_FALSE(Enabled("FunnelSpeedButton"));
}

TEST_F(MainWindowTest, AToolButtonSetsItsCursorAndHoldsTheOthers) {
  Main().Session.EditableImage = 1;
  Main().ApplyEnabling(EnablingEvent::RasterLoaded);
  Click("FunnelSpeedButton");
  EXPECT_EQ(Ui.CursorHistory.back(), kPotCursor);
  EXPECT_FALSE(Enabled("ZoomSpeedButton"));
  EXPECT_FALSE(Enabled("PipetteButton"));
  Click("FunnelSpeedButton");
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
  EXPECT_TRUE(Enabled("ZoomSpeedButton"));
  EXPECT_TRUE(Enabled("PipetteButton"));
}

TEST_F(MainWindowTest, AFailedOrCancelledStepPutsBackWhatItChanged) {
  QueueExampleLoad();
  Click("Raster");
  const SessionState before = Main().Session;
  const ControlStates controls = Main().Controls();
  const QImage picture = Main().ImageForm->ScreenBitmap;
  struct Ending {
    std::function<void()> end;
    std::size_t messages;
  };
  for (const Ending& ending : {Ending{[] { throw Error("the step failed"); }, 1},
                               Ending{[] { throw CommandCancelled(); }, 0}}) {
    Ui.Messages.clear();
    EXPECT_FALSE(Main().RunCommandStep(SessionGrids::Contour, [&] {
      Main().Session.ContourImage = ByteGrid(2, 2, 7);
      Main().Session.InputFileName = "elsewhere";
      Main().Zone.ZonePixelSize = 99;
      Main().ApplyEnabling(EnablingEvent::DemFilled);
      Main().ImageForm->ShownLines = 2;
      Main().ImageForm->ScreenBitmap = QImage(2, 2, QImage::Format_RGB888);
      ending.end();
    }));
    EXPECT_EQ(Ui.Messages.size(), ending.messages);
    EXPECT_EQ(Main().Session.ContourImage, before.ContourImage);
    EXPECT_EQ(Main().Session.InputFileName, before.InputFileName);
    EXPECT_EQ(Main().Zone.ZonePixelSize, 10);
    EXPECT_EQ(Main().Controls(), controls);
    EXPECT_EQ(Main().ImageForm->ShownLines, 366);
    EXPECT_EQ(Main().ImageForm->ScreenBitmap, picture);
  }
}

TEST_F(MainWindowTest, ExitClosesTheMainWindow) {
  ASSERT_TRUE(Main().isVisible());
  Click("Exit");
  EXPECT_FALSE(Main().isVisible());
}

TEST_F(MainWindowTest, ExitButtonClosesTheMainWindow) {
  Click("ExitSpeedButton");
  EXPECT_FALSE(Main().isVisible());
}

}  // namespace
}  // namespace zelmaro
