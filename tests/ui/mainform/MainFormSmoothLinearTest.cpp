#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "UiTestSupport.h"
#include "interp/Dilation.h"
#include "interp/LinearInterpolation.h"
#include "interp/Smoothing.h"
#include "raster/ShadeDem.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Deminfo.h"
#include "ui/dialogs/Mielinfo.h"
#include "ui/dialogs/Smoothing.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

class SmoothLinearCommandsTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  // Loads the example and runs the dilation in meters; returns the session as loaded.
  SessionState LoadAndDilate() {
    QueueExampleLoad();
    Click("Raster");
    SessionState loaded = Main().Session;
    Ui.QueueModal("TDynamicForm", [](QDialog& form) {
      form.findChild<QRadioButton*>("RadioButton1")->setChecked(true);
      form.findChild<QRadioButton*>("RadioButton5")->setChecked(true);
      testing::Press(form, "BitBtn1");
    });
    Click("DilTreatment");
    return loaded;
  }
  void QueueRange(const QString& range) {
    Ui.QueueModal("TSmoothingForm", [range](QDialog& form) {
      testing::TypeInto(form, "RangeEdit", range);
      testing::Press(form, "BitBtn1");
    });
  }
  // The units chosen by the dilation are kept; the parameters are typed again.
  void QueueLinearDialogs(const QString& interval) {
    Ui.QueueModal("TDynamicForm", [](QDialog& form) { testing::Press(form, "BitBtn1"); });
    Ui.QueueModal("TDynRasterForm", [interval](QDialog& form) {
      testing::TypeInto(form, "MinimumEdit", "95");
      testing::TypeInto(form, "MaximumEdit", "195");
      testing::TypeInto(form, "IntervalEdit", interval);
      testing::Press(form, "BitBtn1");
    });
  }
  SessionState& Session() { return Main().Session; }
};

TEST_F(SmoothLinearCommandsTest, SmoothingReplacesTheDemAndKeepsItsRange) {
  LoadAndDilate();
  SessionState expected = Session();
  QueueRange("2");
  Click("SuavSpeedButton");
  SmoothDem(expected, 2);
  EXPECT_TRUE(Session().DemGrid == expected.DemGrid);
  EXPECT_TRUE(Session().ShadedImage == ShadeDem(expected.DemGrid, 10, 1));
  EXPECT_EQ(Main().SmoothingForm->windowTitle().toStdString(), " Smoothing");

  // The next opening offers the same Range; OK alone smooths once more with it.
  Ui.QueueModal("TSmoothingForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("RangeEdit")->text(), "2");
    testing::Press(form, "BitBtn1");
  });
  Click("SmoothingTreatment");
  SmoothDem(expected, 2);
  EXPECT_TRUE(Session().DemGrid == expected.DemGrid);
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
}

TEST_F(SmoothLinearCommandsTest, ARangeTheGridCannotHoldIsRefusedWithNothingChanged) {
  LoadAndDilate();
  const IntGrid dilated = Session().DemGrid;
  for (const char* range : {"17", "-1"}) {
    QueueRange(range);
    Click("SuavSpeedButton");
  }
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(Ui.Messages[1].caption, "ERROR");
  EXPECT_TRUE(Session().DemGrid == dilated);
}

TEST_F(SmoothLinearCommandsTest, LinearFromTheButtonFillsTheDemAndDisablesItself) {
  const SessionState loaded = LoadAndDilate();
  const std::int32_t dilationMin = Session().DemMin;
  const std::int32_t dilationMax = Session().DemMax;
  Main().ApplyEnabling(EnablingEvent::NoBreakFound);  // what a break search finding none does
  ASSERT_TRUE(Enabled("RuzeSpeedButton"));
  QueueLinearDialogs("5");
  Click("RuzeSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());

  SessionState expected = loaded;
  RunLinearInterpolation(expected, {95, 195, 5, 1, 1});
  EXPECT_TRUE(Session().DemGrid == expected.DemGrid);
  EXPECT_TRUE(Session().LinearCodeImage == expected.LinearCodeImage);
  EXPECT_TRUE(Session().ShadedImage == ShadeDem(expected.DemGrid, 10, 1));
  EXPECT_FALSE(Enabled("RuzeSpeedButton"));
  for (const char* name :
       {"Results", "SuavSpeedButton", "SaveShadowSpeedButton", "SaveDEMSpeedButton"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  EXPECT_FALSE(Enabled("PipetteButton"));

  // The information still names the range of the last dilation.
  Ui.QueueModal("TDEMInfoForm", nullptr);
  Click("InfoDEM1");
  EXPECT_EQ(Main().DEMInfoForm->MinEdit->text().toStdString(), std::to_string(dilationMin));
  EXPECT_EQ(Main().DEMInfoForm->MaxEdit->text().toStdString(), std::to_string(dilationMax));
  EXPECT_EQ(dilationMin, 95);
  EXPECT_EQ(dilationMax, 195);
}

TEST_F(SmoothLinearCommandsTest, LinearFromTheMenuStaysAvailableAndRefusesAZeroInterval) {
  LoadAndDilate();
  const IntGrid dilated = Session().DemGrid;
  Main().ApplyEnabling(EnablingEvent::NoBreakFound);
  QueueLinearDialogs("0");
  Click("LinInterpTreatment");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_TRUE(Session().DemGrid == dilated);
  EXPECT_EQ(Session().AltitudeTable[1], 95);

  QueueLinearDialogs("5");
  Click("LinInterpTreatment");
  EXPECT_EQ(Ui.Messages.size(), 1u);
  EXPECT_TRUE(Enabled("RuzeSpeedButton"));
  EXPECT_FALSE(Session().DemGrid == dilated);
}

TEST_F(SmoothLinearCommandsTest, RuzeInfoShowsTheLevelPictureAndTheFormula) {
  Ui.QueueModal("TRuzeInfoForm", nullptr);
  Main().LinInterpInfoClick();
  ASSERT_TRUE(Ui.AllAnswersUsed());
  const auto* form = dynamic_cast<const TRuzeInfoForm*>(Main().Form("TRuzeInfoForm"));
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle().toStdString(), " RUZE Info");
  EXPECT_FALSE(form->LevelPicture().isNull());
  EXPECT_FALSE(form->FormulaPicture().isNull());
}

// Cancel pressed while a long command runs: the DEM, the picture and the folder are as
// they were before it, and no message is shown.
TEST_F(SmoothLinearCommandsTest, CancelInAnyLongCommandLeavesTheDemAndTheFolderAsTheyWere) {
  LoadAndDilate();
  const IntGrid dilated = Session().DemGrid;
  const QImage shown = Main().ResultForm->ScreenBitmap;
  testing::TemporaryFolder folder;
  const std::string stem = folder.File("dem");
  const struct {
    const char* item;
    std::function<void()> queue;
  } commands[] = {
      {"DilTreatment", [&] { QueueScale(1, 5); }},
      {"LinInterpTreatment", [&] { QueueLinearDialogs("5"); }},
      {"SmoothingTreatment", [&] { QueueRange("2"); }},
      {"SaveDEMSpeedButton", [&] { Ui.QueueFile("Save DEM", stem, 1); }},
  };
  for (const double at : {0.0, 0.5}) {
    for (const auto& command : commands) {
      SCOPED_TRACE(std::string(command.item) + " cancelled at " + std::to_string(at));
      command.queue();
      Ui.ProgressShown.clear();
      Ui.CancelProgressAt(at);
      Click(command.item);
      ASSERT_TRUE(Ui.AllAnswersUsed());
      EXPECT_FALSE(Ui.ProgressShown.empty());
      EXPECT_TRUE(Ui.Messages.empty());
      EXPECT_EQ(Main().ActiveProgress(), nullptr);
      EXPECT_EQ(Ui.CursorHistory.back(), kArrowCursor);
      EXPECT_TRUE(Session().DemGrid == dilated);
      EXPECT_EQ(Main().ResultForm->ScreenBitmap, shown);
      EXPECT_EQ(testing::ListFolder(folder.Path()), "");
    }
  }
}

}  // namespace
}  // namespace zelmaro
