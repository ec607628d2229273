#include <gtest/gtest.h>

#include "forms/DemInfoModel.h"

namespace zelmaro {
namespace {

TEST(DemInfoModel, ShowsSizeRangePixelSizeAndUnit) {
  SessionState session;
  session.WorkLines = 366;
  session.WorkColumns = 522;
  session.DemMin = 120;
  session.DemMax = 980;
  DemInfoModel model;
  model.Fill(session, 10, 1000);
  EXPECT_EQ(model.LigText, "366");
  EXPECT_EQ(model.ColText, "522");
  EXPECT_EQ(model.MinText, "120");
  EXPECT_EQ(model.MaxText, "980");
  EXPECT_EQ(model.PixText, "10");
  EXPECT_EQ(model.ScaleText, "milimeters");
}

TEST(DemInfoModel, AnUnknownFactorKeepsThePreviousUnitText) {
  SessionState session;
  DemInfoModel model;
  model.Fill(session, 0, 0);
  EXPECT_EQ(model.ScaleText, "");
  model.Fill(session, 0, 10);
  EXPECT_EQ(model.ScaleText, "decimeters");
  model.Fill(session, 0, 0);
  EXPECT_EQ(model.ScaleText, "decimeters");
  EXPECT_EQ(DemUnitName(1), "meters");
  EXPECT_EQ(DemUnitName(100), "centimeters");
}

}  // namespace
}  // namespace zelmaro
