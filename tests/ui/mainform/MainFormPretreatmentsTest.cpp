#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/Skeletonization.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Break.h"
#include "ui/dialogs/Ebarb.h"

namespace zelmaro {
namespace {

class PretreatCommandsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    QueueExampleLoad();
    Click("Raster");
    ASSERT_TRUE(Ui.AllAnswersUsed());
    Ui.CursorHistory.clear();
  }
  // What one run of a treatment gives on a copy of the session.
  ByteGrid AfterOneRun(void (*treatment)(SessionState&)) {
    SessionState copy;
    copy.ContourImage = Main().Session.ContourImage;
    copy.WorkLines = Main().Session.WorkLines;
    copy.WorkColumns = Main().Session.WorkColumns;
    copy.AltitudeCount = Main().Session.AltitudeCount;
    treatment(copy);
    return copy.ContourImage;
  }
  // A picture pixel is white exactly where the image is background.
  void ExpectPictureFollowsImage() {
    const ByteGrid& image = Main().Session.ContourImage;
    const QImage& shown = Main().ImageForm->ScreenBitmap;
    int mismatches = 0;
    for (int line = 0; line < image.Lines(); ++line) {
      for (int column = 0; column < image.Columns(); ++column) {
        const bool white = shown.pixel(column, line) == qRgb(255, 255, 255);
        mismatches += white != (image[line][column] == 255) ? 1 : 0;
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
  void QueueEbarbChoice(const char* radio) {
    Ui.QueueModal("TEbarbForm", [radio](QDialog& form) {
      EXPECT_FALSE(form.findChild<QRadioButton*>("RadioButton1")->isChecked());
      EXPECT_FALSE(form.findChild<QRadioButton*>("RadioButton2")->isChecked());
      if (radio != nullptr) form.findChild<QRadioButton*>(radio)->click();
      testing::Press(form, "BitBtn1");
    });
  }
  void QueueBreakChoice(const char* radio, const std::string& expectedCount) {
    Ui.QueueModal("TBreakForm", [radio, expectedCount](QDialog& form) {
      EXPECT_EQ(form.findChild<QLineEdit*>("BreaksEdit")->text().toStdString(), expectedCount);
      if (radio != nullptr) form.findChild<QRadioButton*>(radio)->click();
      testing::Press(form, "BitBtn1");
    });
  }
};

TEST_F(PretreatCommandsTest, CornerEliminationThinsOnceAndShowsTheResultUnderTheBusyCursor) {
  const ByteGrid before = Main().Session.ContourImage;
  const ByteGrid expected = AfterOneRun(ThinContourLines);
  ASSERT_FALSE(expected == before);
  Click("SkelTreatment");
  EXPECT_TRUE(Main().Session.ContourImage == expected);
  ExpectPictureFollowsImage();
  EXPECT_EQ(Ui.CursorHistory, (std::vector<int>{kHourglassCursor, kArrowCursor}));
  EXPECT_TRUE(Main().Session.ComeBackImage == before);  // the editor's undo is not touched

  const ByteGrid second = AfterOneRun(ThinContourLines);
  Click("LineThinnerSpeedButton");
  EXPECT_TRUE(Main().Session.ContourImage == second);
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(PretreatCommandsTest, EbarbulationRunsOnlyOnceStartingWasChosenAndRepeatsTheLastChoice) {
  const ByteGrid before = Main().Session.ContourImage;
  QueueEbarbChoice(nullptr);  // no choice ever made: nothing happens
  Click("EbarbTreatment");
  EXPECT_TRUE(Main().Session.ContourImage == before);

  const ByteGrid once = AfterOneRun(RemoveBranchEnds);
  ASSERT_FALSE(once == before);
  QueueEbarbChoice("RadioButton1");
  Click("EbarbSpeedButton");
  EXPECT_TRUE(Main().Session.ContourImage == once);
  ExpectPictureFollowsImage();

  const ByteGrid twice = AfterOneRun(RemoveBranchEnds);
  QueueEbarbChoice(nullptr);  // repeats "Starting the treatment"
  Click("EbarbTreatment");
  EXPECT_TRUE(Main().Session.ContourImage == twice);

  QueueEbarbChoice("RadioButton2");
  Click("EbarbTreatment");
  QueueEbarbChoice(nullptr);  // repeats "Delete"
  Click("EbarbTreatment");
  EXPECT_TRUE(Main().Session.ContourImage == twice);
  EXPECT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(PretreatCommandsTest, BreakSearchWritesTheTableOfTheEndsToTheChosenNamePlusTxt) {
  testing::TemporaryFolder folder;
  const std::string chosen = folder.File("gaps.txt");
  QueueBreakChoice("RadioButton1", "6");
  Ui.QueueFile("Save Break Table", chosen);
  Click("BreakSearchTreatment");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_FALSE(Ui.FileRequests.empty());
  const FileDialogRequest& request = Ui.FileRequests.back();
  EXPECT_EQ(request.filter, "Table name [*.txt]|*.txt");
  EXPECT_EQ(request.initialFolder, Main().Session.InputDirectory);
  EXPECT_FALSE(FileExists(chosen));
  EXPECT_EQ(testing::ReadFileBytes(chosen + ".txt"),
            "lines\tcolumns\tcurve\r\n\r\n"
            "6\t207\t4\r\n6\t208\t4\r\n19\t242\t4\r\n208\t491\t4\r\n"
            "145\t206\t16\r\n146\t206\t16\r\n");
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_FALSE(Enabled("Lineal"));
  EXPECT_FALSE(Enabled("RuzeSpeedButton"));

  // No choice repeats "create"; cancelling the file dialog writes nothing.
  QueueBreakChoice(nullptr, "6");
  Ui.QueueFile("Save Break Table", std::nullopt);
  Click("DetectBreakSpeedButton");
  // "Do not create this table" asks for no file.
  QueueBreakChoice("RadioButton2", "6");
  Click("DetectBreakSpeedButton");
  EXPECT_TRUE(Ui.AllAnswersUsed());
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(PretreatCommandsTest, NoBreakEnablesTheLinearInterpolation) {
  // Only the lines of codes 4 and 16 have ends; without them every line is closed.
  ByteGrid& image = Main().Session.ContourImage;
  for (int line = 0; line < image.Lines(); ++line) {
    for (int column = 0; column < image.Columns(); ++column) {
      if (image[line][column] == 4 || image[line][column] == 16) image[line][column] = 255;
    }
  }
  ASSERT_FALSE(Enabled("Lineal"));
  Click("BreakSearchTreatment");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "BREAKS");
  EXPECT_EQ(Ui.Messages[0].text, "No break registered");
  EXPECT_EQ(Ui.Messages[0].icon, MessageIcon::None);
  EXPECT_TRUE(Enabled("Lineal"));
  EXPECT_TRUE(Enabled("RuzeSpeedButton"));
  EXPECT_EQ(Ui.CursorHistory, (std::vector<int>{kHourglassCursor, kArrowCursor}));
}

TEST_F(PretreatCommandsTest, AnUnwritableBreakTableIsShownAsAnError) {
  testing::TemporaryFolder folder;
  QueueBreakChoice("RadioButton1", "6");
  Ui.QueueFile("Save Break Table", folder.File("missing/gaps"));
  Click("BreakSearchTreatment");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_FALSE(FileExists(folder.File("missing/gaps.txt")));
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(PretreatCommandsTest, InfoItemsShowTheirForms) {
  for (const auto& [item, form] :
       {std::pair{"SkelInfo", "TSkelInfoForm"}, std::pair{"EbarbInfo", "TEbarbInfoForm"},
        std::pair{"BreakSearchInfo", "TGapInfoForm"}}) {
    Ui.QueueModal(form, [](QDialog& dialog) { testing::Press(dialog, "BitBtn1"); });
    Click(item);
    EXPECT_EQ(Ui.ModalForms.back(), form);
  }
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

}  // namespace
}  // namespace zelmaro
