#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Coordutm.h"

namespace zelmaro {
namespace {

using testing::ListFolder;
using testing::TemporaryFolder;

// The example loaded, one cell drawn with the pencil, then a DEM by dilation in meters.
void LoadEditAndDilate(testing::MainWindowFixture& window, bool edit) {
  window.QueueExampleLoad();
  window.Click("Raster");
  if (edit) {
    window.Click("PencilButton");
    QWidget* box = window.Main().ImageForm->PaintBox();
    const QPointF at(30, 30);
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    window.Click("PencilButton");
  }
  window.QueueScale(1, 5);
  window.Click("DilTreatment");
  ASSERT_TRUE(window.Ui.AllAnswersUsed());
}

class SaveCommandsTest : public ::testing::Test, public testing::MainWindowFixture {};

TEST_F(SaveCommandsTest, ExitAsksBeforeAnUnsavedDemOrEditedImageIsLost) {
  struct Case {
    const char* what;
    const char* exitControl;
    QuestionAnswer answer;
    const char* saveAs;  // the name given to each save dialog; nullptr: cancelled
    bool closes;
  };
  const std::vector<Case> cases{
      {"No leaves without saving", "Exit", QuestionAnswer::No, nullptr, true},
      {"Cancel stays", "ExitSpeedButton", QuestionAnswer::Cancel, nullptr, false},
      {"a save cancelled stays", "Exit", QuestionAnswer::Yes, nullptr, false},
      {"Yes saves both, then leaves", "ExitSpeedButton", QuestionAnswer::Yes, "work", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::MainWindowFixture fresh;
    TemporaryFolder folder;
    LoadEditAndDilate(fresh, true);
    fresh.Ui.QueueAnswer("Save changes?", c.answer);
    if (c.answer == QuestionAnswer::Yes) {
      const std::optional<std::string> name =
          c.saveAs != nullptr ? std::optional(folder.File(c.saveAs)) : std::nullopt;
      fresh.Ui.QueueFile("Save DEM", name, 1);
      if (name) fresh.Ui.QueueFile("SAVE CONTOUR LINES IMAGE", name);
    }
    fresh.Click(c.exitControl);
    ASSERT_TRUE(fresh.Ui.AllAnswersUsed());
    ASSERT_EQ(fresh.Ui.Questions.size(), 1u);
    EXPECT_EQ(fresh.Ui.Questions[0].details,
              "The DEM has not been saved.\nThe edited contour-line image has not been saved.");
    EXPECT_EQ(fresh.Main().isVisible(), !c.closes);
    if (c.saveAs != nullptr) {
      EXPECT_EQ(ListFolder(folder.Path()),
                "work.raw work.txt work_m4.raw work_m4.txt work_tab.txt");
    }
  }
}

TEST_F(SaveCommandsTest, WhatWasSavedOrNeverEditedIsNotAskedAbout) {
  // A loaded image, thinned then saved, and a DEM saved: nothing to lose.
  TemporaryFolder folder;
  LoadEditAndDilate(*this, false);
  EXPECT_TRUE(Main().Unsaved().DemUnsaved());
  EXPECT_FALSE(Main().Unsaved().ContourUnsaved());
  Ui.QueueFile("Save DEM", folder.File("dem"), 1);
  Click("SaveDEMSpeedButton");
  Click("LineThinnerSpeedButton");
  EXPECT_TRUE(Main().Unsaved().ContourUnsaved());
  Ui.QueueFile("SAVE CONTOUR LINES IMAGE", folder.File("lines"));
  Click("SaveContLineSpeedButton");  // on the raster road too
  EXPECT_EQ(ListFolder(folder.Path()), "dem_m4.raw dem_m4.txt lines.raw lines.txt lines_tab.txt");
  Main().close();  // the window frame
  EXPECT_TRUE(Ui.Questions.empty());
  EXPECT_FALSE(Main().isVisible());
}

TEST_F(SaveCommandsTest, TheCoordinatesDialogProposesTheZoneAndWritesRealsAsTyped) {
  TemporaryFolder folder;
  LoadEditAndDilate(*this, false);
  // A raster knows its pixel size only; the corner is the user's to type.
  Ui.QueueFile("Save DEM", folder.File("dem"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("PixSizeEdit")->text(), "10");
    EXPECT_EQ(form.findChild<QLineEdit*>("XMinEdit")->text(), "");
    testing::TypeInto(form, "PixSizeEdit", "2.5");
    testing::TypeInto(form, "XMinEdit", "441000.25");
    testing::TypeInto(form, "YMinEdit", "4512000");
    testing::CheckRadio(form, "RadioButton1");
    testing::Press(form, "BitBtn1");
  });
  Click("SaveDEM");
  const std::string grid = testing::ReadFileBytes(folder.File("dem.asc"));
  EXPECT_EQ(grid.substr(0, grid.find("nodata")),
            "ncols 522\r\nnrows 366\r\nxllcorner 441000.250000\r\nyllcorner 4512000.000000\r\n"
            "cellsize 2.500000\r\n");

  // A zone of vector data knows its corner too: the outer lower left corner of its
  // cells, whose centres lie on the zone's corners (60 lines of 5 from 5917500 + 2.5).
  Ui.QueueFile("VECTORIAL FILE OPENING", testing::ExamplePath("volcano.dxf"));
  Click("Vectorial");
  QueueZone("5", {"1756100", "5917200.5", "1756600", "5917500"});
  Click("SelectionSpeedButton");
  QueueScale(1, 5);
  Click("DilTreatment");
  Ui.QueueFile("Save DEM", folder.File("zone"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("PixSizeEdit")->text(), "5");
    EXPECT_EQ(form.findChild<QLineEdit*>("XMinEdit")->text(), "1756097.5");
    EXPECT_EQ(form.findChild<QLineEdit*>("YMinEdit")->text(), "5917202.5");
    testing::Press(form, "BitBtn1");
  });
  Click("SaveDEM");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_NE(testing::ReadFileBytes(folder.File("zone.asc")).find("yllcorner 5917202.500000"),
            std::string::npos);
}

}  // namespace
}  // namespace zelmaro
