#include <gtest/gtest.h>

#include <QCheckBox>

#include "UiTestSupport.h"
#include "interp/SurfaceInterpolation.h"
#include "raster/ShadeDem.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {
namespace {

class SurfaceCommandTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  void QueueSurface(const QString& tension, bool subPixel, const char* button = "BitBtn1") {
    Ui.QueueModal("TSurfaceForm", [tension, subPixel, button](QDialog& form) {
      testing::TypeInto(form, "TensionEdit", tension);
      form.findChild<QCheckBox*>("SubPixelCheckBox")->setChecked(subPixel);
      testing::Press(form, button);
    });
  }
  SessionState& Session() { return Main().Session; }
};

TEST_F(SurfaceCommandTest, ShowsTheSurfaceOfTheExampleAndEnablesWhatFollowsAnInterpolation) {
  EXPECT_FALSE(Enabled("SurfaceSpeedButton"));
  QueueExampleLoad();
  Click("Raster");
  EXPECT_TRUE(Enabled("SurfaceSpeedButton"));
  const SessionState loaded = Session();
  QueueScale(1, 7);  // meters in, centimeters out
  QueueSurface("0,2", false);
  Click("SurfaceSpeedButton");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Main().ActiveProgress(), nullptr);

  SessionState expected = loaded;
  SurfaceInterpolation(expected, 1, 100, {0.2, false});
  EXPECT_TRUE(Session().DemGrid == expected.DemGrid);
  EXPECT_EQ(Session().DemMin, expected.DemMin);
  EXPECT_EQ(Session().DemMax, expected.DemMax);
  EXPECT_TRUE(Session().ShadedImage == ShadeDem(expected.DemGrid, 10, 100));
  EXPECT_EQ(Main().ResultForm->ScreenBitmap.size(), QSize(522, 366));
  for (const char* name :
       {"Results", "SuavSpeedButton", "SaveShadowSpeedButton", "SaveDEMSpeedButton"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  EXPECT_FALSE(Enabled("PipetteButton"));

  // The menu item runs the same command; the dialog offers what was chosen last.
  QueueScale(1, 7);
  Ui.QueueModal("TSurfaceForm", [](QDialog& form) {
    EXPECT_EQ(form.findChild<QLineEdit*>("TensionEdit")->text().toStdString(), "0,2");
    EXPECT_FALSE(form.findChild<QCheckBox*>("SubPixelCheckBox")->isChecked());
    form.findChild<QCheckBox*>("SubPixelCheckBox")->setChecked(true);
    testing::Press(form, "BitBtn1");
  });
  Click("SurfaceInterpolation");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  expected = loaded;
  SurfaceInterpolation(expected, 1, 100, {0.2, true});
  EXPECT_TRUE(Session().DemGrid == expected.DemGrid);
}

TEST_F(SurfaceCommandTest, RefusedTensionCancelledDialogOrCancelledProgressChangeNothing) {
  QueueExampleLoad();
  Click("Raster");
  const SessionState loaded = Session();
  const auto expectUnchanged = [&] {
    EXPECT_TRUE(Session().DemGrid == loaded.DemGrid);
    EXPECT_FALSE(Enabled("SaveDEMSpeedButton"));
    EXPECT_EQ(Main().ActiveProgress(), nullptr);
    EXPECT_TRUE(Ui.AllAnswersUsed());
  };

  // OK refuses a tension past 1 and keeps the dialog open, which is then closed.
  QueueScale(1, 5);
  QueueSurface("1.5", true);
  Click("SurfaceSpeedButton");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("from 0 to 1"), std::string::npos);
  expectUnchanged();

  QueueScale(1, 5);
  QueueSurface("0.1", true, "BitBtn2");
  Click("SurfaceSpeedButton");
  expectUnchanged();

  // Cancel in the progress window, half-way through.
  Ui.CancelProgressAt(0.5);
  QueueScale(1, 5);
  QueueSurface("0.1", true);
  Click("SurfaceSpeedButton");
  ASSERT_FALSE(Ui.ProgressShown.empty());
  EXPECT_GE(Ui.ProgressShown.back(), 0.5);
  EXPECT_EQ(Ui.Messages.size(), 1u);
  expectUnchanged();
}

}  // namespace
}  // namespace zelmaro
