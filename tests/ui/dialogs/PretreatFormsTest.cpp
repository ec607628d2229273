#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "UiTestSupport.h"
#include "pretreat/DeletionTables.h"
#include "ui/art/ConfigurationPictures.h"
#include "ui/dialogs/Break.h"
#include "ui/dialogs/Ebarb.h"
#include "ui/dialogs/Fillinginfo.h"
#include "ui/dialogs/Infopoint.h"
#include "ui/dialogs/Pipette.h"
#include "ui/dialogs/PretreatInfo.h"

namespace zelmaro {
namespace {

using Texts = std::vector<std::string>;

// The texts of a form's labels, pictures left out, in the order they were made.
Texts LabelTexts(const QWidget& form) {
  Texts texts;
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    if (label->pixmap().isNull() && !label->text().isEmpty()) {
      texts.push_back(label->text().toStdString());
    }
  }
  return texts;
}

std::string GroupTitle(const QWidget& form) {
  const auto* group = form.findChild<QGroupBox*>();
  return group != nullptr ? group->title().toStdString() : std::string();
}

class PretreatFormsTest : public ::testing::Test, public testing::MainWindowFixture {};

TEST_F(PretreatFormsTest, InfoFormsCarryTheirCaptionsAndLinesExactly) {
  const TSkelInfoForm skel;
  EXPECT_EQ(skel.windowTitle().toStdString(), " Skeletisation");
  EXPECT_EQ(
      LabelTexts(skel),
      (Texts{"Using the Freeman Code, it is possible to", "give a code to each configuration that",
             "present the neighbour pixels", "When the following codes are obtained",
             "inside a  3 x 3 moving window, the central", "pixel (in red) is eliminated."}));
  const TEbarbInfoForm ebarb;
  EXPECT_EQ(ebarb.windowTitle().toStdString(), " Ebarbulation");
  EXPECT_EQ(LabelTexts(ebarb),
            (Texts{"The central pixel of the moving window (in red)",
                   "that corresponds to an end of branch, is",
                   "eliminated when the following configurations", "are encountered."}));
  const TGapInfoForm gap;
  EXPECT_EQ(gap.windowTitle().toStdString(), " Searching the gaps");
  EXPECT_EQ(LabelTexts(gap),
            (Texts{"This function researchs the presence", "of gaps as observed in the red moving",
                   "window.", "NOTA: if there is no gap, it is then",
                   "possible to use the lineal interpolation",
                   "that requires complete contour lines.", "If not, save the contour line image",
                   "and the table indicating the position", "of the observed ruptures, in order to",
                   "clean the contour lines by using a screen editor, and then  generate",
                   "the DEM taking into account the raster image of the contour lines."}));
  for (const QDialog* form : std::vector<const QDialog*>{&skel, &ebarb, &gap}) {
    EXPECT_NE(form->findChild<QPushButton*>("BitBtn1"), nullptr);
  }
}

TEST_F(PretreatFormsTest, EditorAndChoiceDialogsCarryTheirTexts) {
  const TEbarbForm ebarb;
  EXPECT_EQ(ebarb.windowTitle().toStdString(), " Ebarbulation");
  EXPECT_EQ(GroupTitle(ebarb), "Caution");
  EXPECT_EQ(LabelTexts(ebarb), (Texts{"Do not use this function, if you are not sure",
                                      "that there are no gaps in a contour line",
                                      "An iterative process can eliminate a contour",
                                      "line or increase the size of the gaps"}));
  EXPECT_EQ(ebarb.RadioButton1->text().toStdString(), "Starting the treatment");
  EXPECT_EQ(ebarb.RadioButton2->text().toStdString(), "Delete");

  const TBreakForm breaks;
  EXPECT_EQ(breaks.windowTitle().toStdString(), " Breaks");
  EXPECT_EQ(GroupTitle(breaks), "Result");
  EXPECT_EQ(LabelTexts(breaks), (Texts{"Total Number of breaks"}));
  EXPECT_EQ(breaks.RadioButton1->text().toStdString(), "Create a table of these breaks");
  EXPECT_EQ(breaks.RadioButton2->text().toStdString(), "Do not create this table");

  const TCLValueForm pipette;
  EXPECT_EQ(pipette.windowTitle().toStdString(), " Pipette");
  EXPECT_EQ(LabelTexts(pipette), (Texts{"Pixel Value"}));
  EXPECT_EQ(pipette.ValueEdit1->text().toStdString(), "0");

  const TInfoPointForm point;
  EXPECT_EQ(point.windowTitle().toStdString(), " Isolated Point");
  EXPECT_EQ(GroupTitle(point), "NOTA");
  Texts pointTexts = LabelTexts(point);
  std::sort(pointTexts.begin(), pointTexts.end());  // the edit labels are made last
  EXPECT_EQ(pointTexts,
            (Texts{"Altitude ", "Code [Next Free Gray Tone]", "Shake the dynamic scale before",
                   "of the  isolated point.", "to define the altittude (in integer)"}));

  const TFunnelInfoForm funnel;
  EXPECT_EQ(funnel.windowTitle().toStdString(), " Filling Value");
  EXPECT_EQ(LabelTexts(funnel), (Texts{"Gray tone Value"}));
}

TEST_F(PretreatFormsTest, FillingAndPointValuesAreReadOnEveryChangeAndKept) {
  TFunnelInfoForm funnel;
  funnel.FillingEdit->setText("12x");
  EXPECT_EQ(funnel.Model.FillingValue, 12);
  funnel.FillingEdit->setText("abc");
  EXPECT_EQ(funnel.Model.FillingValue, 0);
  TInfoPointForm point;
  point.AltitudeEdit->setText("-35");
  EXPECT_EQ(point.Model.PointAltitude, -35);
  point.ShowCode(22);
  EXPECT_EQ(point.CodeEdit->text().toStdString(), "22");
}

TEST_F(PretreatFormsTest, ChoiceRadiosExcludeEachOtherAndClearOnOk) {
  TEbarbForm form;
  form.RadioButton1->click();
  EXPECT_TRUE(form.RadioButton1->isChecked());
  form.RadioButton2->click();
  EXPECT_FALSE(form.RadioButton1->isChecked());
  EXPECT_TRUE(form.RadioButton2->isChecked());
  EXPECT_EQ(form.Model.StartTreatment(), 0);
  form.RadioButton1->click();
  form.BitBtn1->click();
  EXPECT_FALSE(form.RadioButton1->isChecked());
  EXPECT_FALSE(form.RadioButton2->isChecked());
  EXPECT_EQ(form.Model.StartTreatment(), 1);
}

TEST_F(PretreatFormsTest, SkeletisationPictureShowsExactlyTheDeletionTable) {
  std::vector<std::uint8_t> shown(kThinningInfoLayout.begin(), kThinningInfoLayout.end());
  std::vector<std::uint8_t> deleted;
  for (const ThinningConfiguration& configuration : kThinningConfigurations) {
    deleted.push_back(configuration.Code);
  }
  std::sort(shown.begin(), shown.end());
  std::sort(deleted.begin(), deleted.end());
  EXPECT_EQ(shown, deleted);

  const QImage picture = ConfigurationsPicture(kThinningInfoLayout, 8, kGrayNeighbourColour);
  const auto colourAt = [&](int index, int line, int column) {
    return QColor(picture.pixel(ConfigurationCellCentre(index, 8, line, column)));
  };
  // 129 (first): NW and W; 40 (22nd): E and S; 11 (20th): NW, N and E.
  const std::vector<std::tuple<int, std::vector<std::pair<int, int>>>> cases{
      {0, {{-1, -1}, {0, -1}}}, {21, {{0, 1}, {1, 0}}}, {19, {{-1, -1}, {-1, 0}, {0, 1}}}};
  for (const auto& [index, present] : cases) {
    EXPECT_EQ(colourAt(index, 0, 0), kCentreColour) << index;
    for (int line = -1; line <= 1; ++line) {
      for (int column = -1; column <= 1; ++column) {
        if (line == 0 && column == 0) continue;
        const bool expected =
            std::find(present.begin(), present.end(), std::pair{line, column}) != present.end();
        EXPECT_EQ(colourAt(index, line, column),
                  expected ? kGrayNeighbourColour : QColor(Qt::white))
            << index << " " << line << " " << column;
      }
    }
  }
  // Three rows of eight windows.
  EXPECT_EQ(ConfigurationCellCentre(8, 8, 0, 0).x(), ConfigurationCellCentre(0, 8, 0, 0).x());
  EXPECT_GT(ConfigurationCellCentre(16, 8, 0, 0).y(), ConfigurationCellCentre(8, 8, 0, 0).y());
  EXPECT_LT(ConfigurationCellCentre(23, 8, 0, 0).y(), picture.height());
}

TEST_F(PretreatFormsTest, BranchEndAndGapPicturesShowASingleNeighbourUnderTheRedWindow) {
  const QImage ends = ConfigurationsPicture(kBranchEndCodes, 4, kBlackNeighbourColour);
  // 16 (fifth, second row) is the SE neighbour alone.
  EXPECT_EQ(QColor(ends.pixel(ConfigurationCellCentre(4, 4, 1, 1))), kBlackNeighbourColour);
  EXPECT_EQ(QColor(ends.pixel(ConfigurationCellCentre(4, 4, 0, 1))), QColor(Qt::white));
  EXPECT_EQ(QColor(ends.pixel(ConfigurationCellCentre(4, 4, 0, 0))), kCentreColour);

  const QImage gap = GapPicture();
  const auto black = [&](int line, int column) {
    return QColor(gap.pixel(GapCellCentre(line, column))) == QColor(Qt::black);
  };
  const int line = kGapWindowCentre.y();
  const int column = kGapWindowCentre.x();
  EXPECT_TRUE(black(line, column));
  int neighbours = 0;
  for (int dl = -1; dl <= 1; ++dl) {
    for (int dc = -1; dc <= 1; ++dc)
      neighbours += (dl != 0 || dc != 0) && black(line + dl, column + dc);
  }
  EXPECT_EQ(neighbours, 1);  // an end of the line
  EXPECT_FALSE(black(line, column + 2));
  // The red window frames the end.
  const QPoint corner = GapCellCentre(line - 1, column - 1) - QPoint(7, 7);
  EXPECT_EQ(QColor(gap.pixel(corner + QPoint(1, 1))), kCentreColour);
}

}  // namespace
}  // namespace zelmaro
