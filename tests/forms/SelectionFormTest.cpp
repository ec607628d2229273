#include "forms/SelectionForm.h"

#include <gtest/gtest.h>

#include "core/MapExtent.h"

namespace zelmaro {
namespace {

SessionState SceneAt(double xMin, double yMin, double xMax, double yMax) {
  SessionState session;
  session.VectorXMin = xMin;
  session.VectorYMin = yMin;
  session.VectorXMax = xMax;
  session.VectorYMax = yMax;
  return session;
}

SelectionFormModel TypedZone(const char* pixel, const char* minX, const char* minY,
                             const char* maxX, const char* maxY) {
  SelectionFormModel form;
  form.PixText = pixel;
  form.MinXEditText = minX;
  form.MinYEditText = minY;
  form.MaxXEditText = maxX;
  form.MaxYEditText = maxY;
  form.RadioButton2Click();
  return form;
}

TEST(SelectionForm, RefusesWithTheFirstFailingMessage) {
  const SessionState session = SceneAt(500000, 2100000, 520000, 2120000);
  const struct {
    SelectionFormModel form;
    const char* message;
  } cases[] = {
      {TypedZone("", "1", "1", "2", "2"), "No Pixel Size"},
      {TypedZone("0", "", "", "", ""), "No Pixel Size"},
      {TypedZone("-5", "1", "1", "2", "2"), "No Pixel Size"},
      {TypedZone("30", "", "1", "2", "2"), "No Min_X value"},
      {TypedZone("30", "1", "abc", "2", "2"), "No Min_Y value"},
      {TypedZone("30", "1", "1", "0.0", "2"), "No Max_X value"},
      {TypedZone("30", "1", "1", "2", ""), "No Max_Y value"},
      {TypedZone("30", "3", "1", "2", "2"), "Min_X greater than Max_X"},
      {TypedZone("30", "1", "3", "2", "2"), "Min_Y greater than Max_Y"},
  };
  for (auto [form, message] : cases) {
    EXPECT_EQ(form.BitBtn1Click(session), std::optional<std::string>(message));
    EXPECT_FALSE(form.Validated());
  }
  SelectionFormModel unchecked;
  unchecked.PixText = "30";
  EXPECT_EQ(unchecked.BitBtn1Click(session), std::optional<std::string>("No Checked Zone"));
}

TEST(SelectionForm, AcceptsATypedZone) {
  SelectionFormModel form = TypedZone("25.9", "500100.5", "2100200", "510000", "2110000");
  EXPECT_TRUE(form.ZoneCornersVisible());
  EXPECT_EQ(form.BitBtn1Click(SceneAt(1, 1, 2, 2)), std::nullopt);
  EXPECT_TRUE(form.Validated());
  EXPECT_EQ(form.Zone.ZonePixelSize, 25);
  EXPECT_EQ(form.Zone.ZoneXMin, 500100.5);
  EXPECT_EQ(form.Zone.ZoneYMax, 2110000.0);
}

TEST(SelectionForm, WholeSceneTakesTheSceneFrame) {
  SelectionFormModel form = TypedZone("30", "1", "1", "2", "2");
  const SessionState session = SceneAt(500000, 2100000, 520000, 2120000);
  form.RadioButton1Click(session);
  EXPECT_FALSE(form.ZoneCornersVisible());
  EXPECT_EQ(form.BitBtn1Click(session), std::nullopt);
  EXPECT_EQ(form.Zone.ZoneXMin, 500000.0);
  EXPECT_EQ(form.Zone.ZoneYMax, 2120000.0);
  // A scene whose XMin is 0 counts as a missing corner.
  form.RadioButton1Click(SceneAt(0, 10, 100, 200));
  EXPECT_EQ(form.BitBtn1Click(SceneAt(0, 10, 100, 200)),
            std::optional<std::string>("No Min_X value"));
}

TEST(SelectionForm, ShowsTheSceneFrame) {
  SelectionFormModel form;
  MapExtent frame;
  frame.XMin = 1756000;
  frame.XMax = 1756870.25;
  form.ShowSceneFrame(frame);
  EXPECT_EQ(form.MinXText, "1756000");
  EXPECT_EQ(form.MaxXText, "1756870.25");
}

TEST(SelectionForm, ADraggedZoneIsTheMapFrameUnderTheRectangleWithinTheScene) {
  // The example sheet's preview: 29 columns of 30 m, 20 lines of 30.5 m.
  const MapExtent scene{1756000, 1756870, 5917000, 5917610};
  const struct {
    PicturePoint from;
    PicturePoint to;
    MapExtent zone;
  } cases[] = {
      // Fractions of a cell count; whole metres for a scene counted in metres.
      {{2.5, 3.2}, {10.0, 20.4}, {1756096, 1756612, 5917305, 5917534}},
      {{10.0, 20.4}, {2.5, 3.2}, {1756096, 1756612, 5917305, 5917534}},
      // Dragged beyond the preview: held at the scene's edges.
      {{-4.0, 25.0}, {26.0, -3.0}, {1756000, 1756750, 5917000, 5917610}},
  };
  for (const auto& c : cases) {
    const MapExtent zone = DraggedZone(scene, 20, 29, c.from, c.to);
    EXPECT_EQ(zone.XMin, c.zone.XMin);
    EXPECT_EQ(zone.XMax, c.zone.XMax);
    EXPECT_EQ(zone.YMin, c.zone.YMin);
    EXPECT_EQ(zone.YMax, c.zone.YMax);
  }
  // A scene in degrees keeps the decimals its cells need.
  const MapExtent degrees = DraggedZone({-99.5, -99.2, 19.1, 19.4}, 30, 30, {0.0, 1.234}, {30, 2});
  EXPECT_DOUBLE_EQ(degrees.XMin, -99.488);
  EXPECT_DOUBLE_EQ(degrees.XMax, -99.48);
}

}  // namespace
}  // namespace zelmaro
