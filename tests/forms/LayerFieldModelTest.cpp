#include "forms/LayerFieldModel.h"

#include <gtest/gtest.h>

namespace zelmaro {
namespace {

std::vector<LayerFieldEntry> Layers() {
  return {
      {"spots", "Point", false, 4, {"ELEV"}, "ELEV"},
      {"lines3d", "3D Line String", true, -1, {"ID", "ELEV"}, "ELEV"},
      {"lines", "Line String", false, 12, {"ID", "HOEHE"}, ""},
  };
}

TEST(LayerFieldModel, ProposesTheZOfALayerWithZElseItsElevationFieldElseNothing) {
  LayerFieldModel model;
  model.Fill(Layers(), 1);
  EXPECT_TRUE(model.LayerChoiceShown());
  EXPECT_EQ(model.FieldChoices(), (std::vector<std::string>{kGeometryZChoice, "ID", "ELEV"}));
  EXPECT_EQ(model.FieldText, kGeometryZChoice);
  EXPECT_EQ(model.ChosenLayer(), "lines3d");
  EXPECT_EQ(model.ChosenField(), "");  // the reader's default: the geometry's Z
  EXPECT_EQ(model.LayerDescription(), "3D Line String");
  EXPECT_FALSE(model.OkRefusal());

  model.FieldEditChange("ELEV");
  EXPECT_EQ(model.ChosenField(), "ELEV");
  // Another layer brings its own proposal, not the field chosen for the last one.
  model.SelectLayer(0);
  EXPECT_EQ(model.FieldText, "ELEV");
  EXPECT_EQ(model.LayerDescription(), "Point, 4 features");
  model.SelectLayer(2);
  EXPECT_EQ(model.FieldText, "");
  EXPECT_EQ(*model.OkRefusal(), "Choose where the elevation of the lines comes from: ID, HOEHE.");
  model.FieldEditChange("HOEHE");
  EXPECT_EQ(model.ChosenField(), "HOEHE");
  EXPECT_FALSE(model.OkRefusal());

  // Nothing to choose: OK lets the reader say why the layer has no elevation.
  model.Fill({{"bare", "Line String", false, 1, {}, ""}}, 5);
  EXPECT_FALSE(model.LayerChoiceShown());
  EXPECT_EQ(model.ChosenLayer(), "bare");
  EXPECT_FALSE(model.OkRefusal());
}

TEST(LayerFieldModel, TheLoadNoteSaysWhatWasReadSkippedAndWhereTheTableCameFrom) {
  VectorLoadFacts dxf;
  dxf.AltitudesFromVertices = true;
  dxf.AltitudeCount = 21;
  EXPECT_EQ(VectorLoadNote(dxf),
            "Table of 21 altitudes taken from the lines' vertices: the header gives no Z range.");
  EXPECT_FALSE(SkippedFeaturesMessage(dxf));
  dxf.AltitudesFromVertices = false;
  EXPECT_EQ(VectorLoadNote(dxf), "");  // a header range: nothing to say

  const VectorLoadFacts gis{"contour", "ELEV", 1, 3, 2, true, 1};
  EXPECT_EQ(VectorLoadNote(gis),
            "Layer contour, elevation from ELEV: 1 feature read, 3 skipped without elevation, 2 "
            "skipped without lines. Table of 1 altitude taken from the lines' elevations.");
  EXPECT_EQ(*SkippedFeaturesMessage(gis),
            "3 features of the layer contour had no elevation in ELEV and were left out; the "
            "scene holds the lines of the 1 feature read.");
}

}  // namespace
}  // namespace zelmaro
