#include "forms/ResultViewMath.h"

#include <gtest/gtest.h>

#include "core/SessionState.h"

namespace zelmaro {
namespace {

SessionState DemSession() {
  SessionState session;
  session.WorkLines = 3;
  session.WorkColumns = 4;
  session.DemGrid = AllocIntGrid(4, 3);
  session.DemGrid[2][3] = -123456;
  return session;
}

TEST(ResultReadoutTest, AltitudeIsTheCellDividedByTheOutputUnit) {
  EXPECT_EQ(AltitudeText(1234.56), " Altitude (meters) = 1234.560 ");
  EXPECT_EQ(AltitudeText(-0.5), " Altitude (meters) =   -0.500 ");
  const SessionState session = DemSession();
  ResultReadoutInput input;
  input.hasPicture = true;
  input.pictureLines = 3;
  input.pictureColumns = 4;
  input.scaleOutFactor = 1000;
  input.zoomFactor = 2;
  input.x = 7;  // column 3 at 2:1
  input.y = 5;  // line 2
  const StatusPanelTexts panels = ResultReadout(session, input);
  EXPECT_EQ(panels[0], " Line:     2  Column:     3 ");
  EXPECT_EQ(panels[2], " Altitude (meters) = -123.456 ");
  EXPECT_EQ(panels[4], " Image Size: 3 lines x 4 columns  ");
  EXPECT_EQ(panels[1], "");             // not georeferenced: emptied
  EXPECT_FALSE(panels[3].has_value());  // no screen colour given
}

TEST(ResultReadoutTest, OutsideTheWorkingGridEveryPanelIsCleared) {
  const SessionState session = DemSession();
  ResultReadoutInput input;
  input.hasPicture = true;
  input.scaleOutFactor = 1;
  input.x = 4;
  const StatusPanelTexts panels = ResultReadout(session, input);
  for (const auto& panel : panels) EXPECT_EQ(panel, std::string());
}

TEST(ResultReadoutTest, PipetteMessageHasItsBlanks) {
  EXPECT_EQ(SelectedValueText(255), " Selected Value = 255 ");
}

}  // namespace
}  // namespace zelmaro
