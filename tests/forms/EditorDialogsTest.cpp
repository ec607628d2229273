#include "forms/EditorDialogs.h"

#include <gtest/gtest.h>

namespace zelmaro {
namespace {

TEST(EditorDialogs, KeepTheirValuesAndReadTypedTextAsIntegers) {
  CLValueModel pipette;
  EXPECT_EQ(pipette.DrawingValue, 0);
  pipette.PickValue(17);
  EXPECT_EQ(pipette.DrawingValue, 17);
  EXPECT_EQ(pipette.ValueText, "17");

  InfoPointModel point;
  EXPECT_EQ(point.PointAltitude, 0);
  point.AltitudeEditChange("1500");
  EXPECT_EQ(point.PointAltitude, 1500);
  point.AltitudeEditChange("-35m");
  EXPECT_EQ(point.PointAltitude, -35);
  point.AltitudeEditChange("high");
  EXPECT_EQ(point.PointAltitude, 0);
  point.ShowCode(13);
  EXPECT_EQ(point.CodeText, "13");

  FunnelInfoModel filling;
  EXPECT_EQ(filling.FillingValue, 0);
  filling.FillingEditChange("20");
  EXPECT_EQ(filling.FillingValue, 20);
  filling.FillingEditChange("");
  EXPECT_EQ(filling.FillingValue, 0);
}

}  // namespace
}  // namespace zelmaro
