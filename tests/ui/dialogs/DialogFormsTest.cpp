#include <gtest/gtest.h>

#include <QRadioButton>

#include "UiTestSupport.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imagesize.h"

namespace zelmaro {
namespace {

class DialogFormsTest : public ::testing::Test, public testing::MainWindowFixture {};

TEST_F(DialogFormsTest, DynamicScaleNamesScaleInFirstAndStaysOpen) {
  TDynamicForm& form = *Main().DynamicForm;
  EXPECT_EQ(form.windowTitle().toStdString(), " Dynamic Scale");
  Ui.QueueModal("TDynamicForm", [&](QDialog&) {
    form.BitBtn1->click();
    form.RadioButtons[0]->click();  // meters in
    form.BitBtn1->click();
    EXPECT_TRUE(form.isVisible());
  });
  EXPECT_FALSE(form.AskScale());
  // Two refused OKs, then the refusal of the dialog left without its second unit.
  ASSERT_EQ(Ui.Messages.size(), 3u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(Ui.Messages[0].text, "Dynamic Scale In Undefined");
  EXPECT_EQ(Ui.Messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Ui.Messages[1].text, "Dynamic Scale Out Undefined");
  EXPECT_EQ(Ui.Messages[2].text, "Dynamic Scale Out Undefined");
}

TEST_F(DialogFormsTest, DynamicScaleClosedByItsFrameGoesOnWithItsUnitsOrNamesTheMissingOne) {
  TDynamicForm& form = *Main().DynamicForm;
  Ui.QueueModal("TDynamicForm", [&](QDialog&) { form.close(); });
  EXPECT_FALSE(form.AskScale());
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_EQ(Ui.Messages[0].text, "Dynamic Scale In Undefined");

  Ui.QueueModal("TDynamicForm", [&](QDialog&) {
    form.RadioButtons[2]->click();
    form.RadioButtons[4]->click();
    form.close();
  });
  EXPECT_TRUE(form.AskScale());
  EXPECT_EQ(form.ScaleInFactor(), 100);
  EXPECT_EQ(form.ScaleOutFactor(), 1);
  EXPECT_EQ(Ui.Messages.size(), 1u);
}

TEST_F(DialogFormsTest, DynamicScaleCentimetersInMetersOut) {
  TDynamicForm& form = *Main().DynamicForm;
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(form.RadioButtons[i]->objectName().toStdString(),
              "RadioButton" + std::to_string(i + 1));
    EXPECT_FALSE(form.RadioButtons[i]->isChecked());
  }
  Ui.QueueModal("TDynamicForm", [&](QDialog&) {
    form.RadioButtons[2]->click();
    form.RadioButtons[4]->click();
    form.BitBtn1->click();
  });
  EXPECT_TRUE(form.AskScale());
  EXPECT_EQ(form.ScaleInFactor(), 100);
  EXPECT_EQ(form.ScaleOutFactor(), 1);
  EXPECT_EQ(form.RadioButtons[2]->text().toStdString(), "centimeters");
  // The choice stays for the next use.
  Ui.QueueModal("TDynamicForm", [&](QDialog&) { form.BitBtn1->click(); });
  EXPECT_TRUE(form.AskScale());
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(DialogFormsTest, DynamicParametersStoreTheLeadingInteger) {
  TDynRasterForm& form = *Main().DynRasterForm;
  form.MinimumEdit->setText("12abc");
  form.MaximumEdit->setText("");
  form.PixelEdit->setText("30.9");
  EXPECT_EQ(form.Model.ParamMinimum, 12);
  EXPECT_EQ(form.Model.ParamMaximum, 0);
  EXPECT_EQ(form.Model.ParamPixelSize, 30);
  EXPECT_EQ(form.windowTitle().toStdString(), " Dynamic Scale");
}

TEST_F(DialogFormsTest, ImageSizeKeepsItsTextBetweenUses) {
  TImageSizeForm& form = *Main().ImageSizeForm;
  EXPECT_EQ(form.windowTitle().toStdString(), " Image Size");
  form.NumLineEdit->setText("100");
  form.NumColEdit->setText("-5");
  Ui.QueueModal("TImageSizeForm", [](QDialog& dialog) { testing::Press(dialog, "OkButton"); });
  EXPECT_FALSE(Ui.RunModal(form));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].text, "The numbers of lines and columns must both be above 0.");
  EXPECT_EQ(form.NumLineEdit->text().toStdString(), "100");
  EXPECT_EQ(form.Model.ImageLines, 100);
  EXPECT_EQ(form.Model.ImageColumns, -5);
}

}  // namespace
}  // namespace zelmaro
