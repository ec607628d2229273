#include "gis/VectorSource.h"

#include <gtest/gtest.h>

#include "GisTestSupport.h"
#include "core/Error.h"
#include "gis/Crs.h"
#include "support/TestSupport.h"
#include "vector/ZoneSelection.h"

namespace zelmaro {
namespace {

using testing::LayerElevation;
using testing::SampleDxf;
using testing::SampleLine;
using testing::TemporaryFolder;

// Lines whose extent is exactly the frame (1000, 2000) to (1300, 2300), as a GIS
// writes its layer extent into a DXF header.
SampleDxf FramedLines() {
  SampleDxf sample = testing::SampleFrame(1000, 2000, 1300, 2300, 100, 300);
  sample.lines.push_back({100, {{1000, 2000}, {1300, 2030}}});
  sample.lines.push_back({200, {{1010, 2290}, {1100, 2200}, {1290, 2150}, {1295, 2020}}});
  sample.lines.push_back({250, {{1020, 2100}, {1280, 2110}}});
  sample.lines.push_back({300, {{1050, 2300}, {1250, 2060}, {1240, 2250}, {1050, 2300}}});
  return sample;
}

std::vector<std::int32_t> TableOf(const SessionState& session) {
  return {session.AltitudeTable.begin() + 1,
          session.AltitudeTable.begin() + 1 + session.AltitudeCount};
}

TEST(VectorSource, ALayerWithTheLinesOfADxfFileGivesItsSceneAndZone) {
  TemporaryFolder folder;
  const SampleDxf sample = FramedLines();
  const std::string dxf = folder.File("lines.dxf");
  testing::WriteFileBytes(dxf, testing::PolylineDxf(sample, testing::VertexLayout::Agency));
  SessionState expected;
  LoadVectorSource(expected, dxf);
  const ZoneParameters zone{7, 1013, 2011, 1288, 2297};
  SelectZone(expected, zone);
  ASSERT_EQ(TableOf(expected), (std::vector<std::int32_t>{100, 150, 200, 250, 300}));

  const struct {
    const char* name;
    const char* driver;
    LayerElevation elevation;
  } sources[] = {
      {"lines.gpkg", "GPKG", LayerElevation::Field},
      {"lines3d.gpkg", "GPKG", LayerElevation::GeometryZ},
      {"lines.geojson", "GeoJSON", LayerElevation::GeometryZ},
      {"lines.shp", "ESRI Shapefile", LayerElevation::Field},
      {"lines.fgb", "FlatGeobuf", LayerElevation::Field},
  };
  for (const auto& [name, driver, elevation] : sources) {
    SCOPED_TRACE(name);
    const std::string path = folder.File(name);
    testing::WriteContourLayer(path, driver, sample.lines, elevation, 32633);
    SessionState session;
    const VectorSourceLoad load = LoadVectorSource(session, path);
    EXPECT_EQ(session.VectorImage, expected.VectorImage);
    EXPECT_EQ(session.VectorXMax, expected.VectorXMax);
    // The table holds the altitudes present; the header's range adds 150 to the DXF's.
    EXPECT_EQ(TableOf(session), (std::vector<std::int32_t>{100, 200, 250, 300}));
    EXPECT_EQ(load.Frame.HypsometricInterval, 50);
    EXPECT_EQ(load.Elevation, elevation == LayerElevation::Field ? "ELEV" : kGeometryZElevation);
    EXPECT_NE(CrsLabel(session.CrsWkt).find("EPSG:32633"), std::string::npos);
    // With the DXF's table, the same cell walk gives the same working image.
    session.AltitudeTable = expected.AltitudeTable;
    session.AltitudeCount = expected.AltitudeCount;
    SelectZone(session, zone);
    EXPECT_EQ(session.ContourImage, expected.ContourImage);
  }
}

TEST(VectorSource, TheFieldNamedLikeAnElevationIsPreselected) {
  const struct {
    std::vector<std::string> fields;
    std::string preselected;
  } cases[] = {
      {{"ID", "elevation"}, "elevation"}, {{"Height", "CONTOUR"}, "Height"},
      {{"alt", "ELEV"}, "ELEV"},          {{"ID", "HGT_M"}, ""},
      {{"z", "Altitude"}, "z"},           {{}, ""},
  };
  for (const auto& [fields, preselected] : cases) {
    EXPECT_EQ(PreselectedElevationField(fields), preselected);
  }
}

TEST(VectorSource, PolygonRingsAndLinePartsAreContoursAndEmptyOnesAreCounted) {
  TemporaryFolder folder;
  const std::string path = folder.File("mixed.geojson");
  testing::WriteFileBytes(
      path,
      R"({"type":"FeatureCollection","features":[)"
      R"({"type":"Feature","properties":{"H":100},"geometry":{"type":"Polygon","coordinates":)"
      R"([[[0,0],[90,0],[90,90],[0,0]],[[10,5],[20,5],[20,10],[10,5]]]}},)"
      R"({"type":"Feature","properties":{"H":110},"geometry":{"type":"MultiLineString",)"
      R"("coordinates":[[[0,50],[90,60]],[[5,80],[85,85]]]}},)"
      R"({"type":"Feature","properties":{"H":null},"geometry":{"type":"LineString",)"
      R"("coordinates":[[0,20],[90,20]]}},)"
      R"({"type":"Feature","properties":{"H":120},"geometry":{"type":"Point","coordinates":[5,5]}})"
      R"(]})");
  const VectorSourceInfo info = DescribeVectorSource(path);
  ASSERT_EQ(info.Layers.size(), 1u);
  EXPECT_FALSE(info.Layers[0].HasZ);
  EXPECT_EQ(info.Layers[0].NumericFields, std::vector<std::string>{"H"});
  const GisContours read = ReadGisContours(path, {"", "H"});
  EXPECT_EQ(read.Lines.Polylines.size(), 4u);  // two rings, two parts
  EXPECT_EQ(read.Lines.Polylines[1].front(), (ContourVertex{10, 5, 100}));
  EXPECT_EQ(read.Lines.Polylines[3].back(), (ContourVertex{85, 85, 110}));
  EXPECT_EQ(read.Features, 2);
  EXPECT_EQ(read.WithoutElevation, 1);
  EXPECT_EQ(read.WithoutLines, 1);
}

TEST(VectorSource, BadSourcesAreRefusedWithTheirReasonAndTheSessionKept) {
  TemporaryFolder folder;
  const std::string good = folder.File("good.gpkg");
  testing::WriteContourLayer(good, "GPKG", FramedLines().lines, LayerElevation::Field, 32633);
  testing::WriteFileBytes(folder.File("points.geojson"),
                          R"({"type":"FeatureCollection","features":[{"type":"Feature",)"
                          R"("properties":{"ELEV":5},"geometry":{"type":"Point",)"
                          R"("coordinates":[1,2]}}]})");
  testing::WriteFileBytes(folder.File("names.geojson"),
                          R"({"type":"FeatureCollection","features":[{"type":"Feature",)"
                          R"("properties":{"NAME":"ridge"},"geometry":{"type":"LineString",)"
                          R"("coordinates":[[1,2],[3,4]]}}]})");
  const std::string bytes = testing::ReadFileBytes(good);
  testing::WriteFileBytes(folder.File("cut.gpkg"), bytes.substr(0, bytes.size() / 3));
  testing::WriteContourLayer(folder.File("lines.shp"), "ESRI Shapefile", FramedLines().lines,
                             LayerElevation::Field, 0);
  std::remove(folder.File("lines.dbf").c_str());
  const struct {
    std::string path;
    ContourSourceChoice choice;
    std::string message;
  } cases[] = {
      {"points.geojson", {}, "holds no line geometry"},
      {"names.geojson", {"", "NAME"}, "\"NAME\" of the layer names in"},
      {"names.geojson", {}, "no numeric field"},
      {"cut.gpkg", {}, "Cannot open the vector file"},
      {"lines.shp", {}, "no attribute file"},
      {"good.gpkg", {"roads", ""}, "has no layer \"roads\"; its layers are: contours"},
      {"good.gpkg", {"", "HEIGHT"}, "its numeric fields are: ELEV"},
      {"missing.gpkg", {}, "no such file"},
  };
  SessionState session;
  LoadVectorSource(session, good);
  const ByteGrid before = session.VectorImage;
  for (const auto& [name, choice, message] : cases) {
    try {
      LoadVectorSource(session, folder.File(name), choice);
      ADD_FAILURE() << name;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
    }
  }
  EXPECT_EQ(session.VectorImage, before);
  EXPECT_EQ(session.InputPath, good);
  EXPECT_FALSE(session.CrsWkt.empty());
}

}  // namespace
}  // namespace zelmaro
