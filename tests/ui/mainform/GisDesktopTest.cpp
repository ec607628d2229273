// The desktop program with GIS data: contours of a GeoPackage to a GeoTIFF DEM on the
// zone, the layer and field dialog, the CRS in the outputs, georeferenced raster maps,
// and the refusals of bad GIS input.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "UiTestSupport.h"
#include "core/FileIO.h"
#include "forms/ImageViewMath.h"
#include "gis/Crs.h"
#include "gis/GisTestSupport.h"
#include "gis/GridGeoreference.h"
#include "support/TestSupport.h"
#include "ui/dialogs/Imagevect.h"

namespace zelmaro {
namespace {

using testing::ReadFileBytes;
using testing::TemporaryFolder;
using testing::WriteFileBytes;

class GisDesktopTest : public ::testing::Test, public testing::MainWindowFixture {
 protected:
  // Vectorial on a GIS source; `act` works the layer and field dialog.
  void LoadSource(const std::string& path, std::function<void(QDialog&)> act) {
    Ui.QueueFile("VECTORIAL FILE OPENING", path);
    Ui.QueueModal("TLayerFieldForm", std::move(act));
    Click("VectSpeedButton");
  }
  // Raster on a map; `pixel` is typed in the Dynamic Parameters dialog when given.
  void LoadMap(const std::string& path, const std::string& table, const char* pixel = nullptr) {
    Ui.QueueFile("OPEN DATA RASTER", path);
    Ui.QueueFile("Open Table Gray Tones Altitudes", table);
    Ui.QueueModal("TDynRasterForm", [pixel](QDialog& form) {
      if (pixel != nullptr) testing::TypeInto(form, "PixelEdit", pixel);
      testing::Press(form, "BitBtn1");
    });
    Click("Raster");
  }
  void SaveDem(const std::string& stem, int filter) {
    Ui.QueueFile("Save DEM", stem, filter);
    Click("SaveDEMSpeedButton");
  }
  // The read-out of a panel with the mouse over a cell of the picture at 1:1.
  std::string Panel(int line, int column, int panel) {
    Main().ImageForm->ZoomFactor = 1;
    Main().ImageForm->PaintBoxMouseMove(column, line);
    return Main().PanelText(panel);
  }
  std::string Combo(QDialog& form, const char* name) {
    return form.findChild<QComboBox*>(name)->currentText().toStdString();
  }
  void ExpectSameFrame(const testing::GdalRaster& raster, const double (&transform)[6],
                       const std::string& crs, const std::string& what) {
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(raster.transform[i], transform[i], 1e-6) << what;
    EXPECT_TRUE(SameCrs(raster.crsWkt, crs)) << what;
  }

  TemporaryFolder folder;
};

TEST_F(GisDesktopTest, GeoPackageContoursBecomeAGeoTiffDemOnTheZoneWithTheirCrs) {
  const std::string surface = folder.File("hill.tif");
  testing::WriteHillGeoTiff(surface, {});
  const std::string contours = folder.File("contours.gpkg");
  testing::WriteHillContours(surface, contours, "GPKG", false, 10.0);
  LoadSource(contours, [this](QDialog& form) {
    EXPECT_FALSE(form.findChild<QGroupBox*>("LayerGroup")->isVisibleTo(&form));  // one layer
    EXPECT_EQ(Combo(form, "FieldComboBox"), "ELEV");
    testing::Press(form, "BitBtn1");
  });
  const std::string utm33 = ParseCrs("EPSG:32633");
  EXPECT_TRUE(SameCrs(Main().Session.CrsWkt, utm33));
  QueueZone("10");
  Click("SelectionSpeedButton");
  QueueScale(1, 7);  // meters in, centimeters out
  Click("DilatSpeedButton");
  SaveDem(folder.File("dem"), 3);
  SaveDem(folder.File("dem"), 1);
  Ui.QueueFile("Save DEM", folder.File("dem"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    // The CRS of the data is shown, not asked for.
    const auto* crs = form.findChild<QLineEdit*>("CrsEdit");
    EXPECT_TRUE(crs->isReadOnly());
    EXPECT_NE(crs->text().toStdString().find("EPSG:32633"), std::string::npos);
    testing::CheckRadio(form, "RadioButton3");
    testing::Press(form, "BitBtn1");
  });
  Click("SaveDEM");
  Ui.QueueModal("TDEMInfoForm", [](QDialog& form) {
    const std::string crs = form.findChild<QLineEdit*>("CrsEdit")->text().toStdString();
    EXPECT_NE(crs.find("UTM zone 33N (EPSG:32633)"), std::string::npos) << crs;
  });
  Click("InfoDEM1");
  // The shaded picture too: a GeoTIFF on the same cells (a name typed with its ending
  // keeps it once), and a plain PNG.
  Ui.QueueFile("Save Shadowed DEM", folder.File("shade.tif"), 2);
  Click("SaveShadowSpeedButton");
  Ui.QueueFile("Save Shadowed DEM", folder.File("shade"), 3);
  Click("SaveImage");
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_TRUE(Ui.Messages.empty()) << Ui.Messages.front().text;

  // Cells centred on the zone's corners, as the zone was drawn.
  const SessionState& session = Main().Session;
  const ZoneParameters& zone = Main().Zone;
  const double transform[6] = {zone.ZoneXMin - 5, 10, 0, zone.ZoneYMax + 5, 0, -10};
  const testing::GdalRaster tif = testing::ReadGdalRaster(folder.File("dem.tif"));
  ExpectSameFrame(tif, transform, utm33, "dem.tif");
  EXPECT_EQ(tif.lines, session.WorkLines);
  EXPECT_EQ(tif.columns, session.WorkColumns);
  // Meters, from the lowest contour level to the highest.
  const auto [low, high] = std::minmax_element(tif.values.begin(), tif.values.end());
  EXPECT_EQ(*low, session.AltitudeTable[1]);
  EXPECT_EQ(*high, session.AltitudeTable[session.AltitudeCount]);
  EXPECT_EQ(*low * 100, session.DemMin);
  EXPECT_GE(session.AltitudeCount, 6);
  // The raw DEM (through its .hdr) and the ASCII grid on its proposed corner lie on the
  // same cells with the same CRS.
  for (const char* name : {"dem_m4.raw", "dem.asc"}) {
    ExpectSameFrame(testing::ReadGdalRaster(folder.File(name)), transform, utm33, name);
  }
  EXPECT_EQ(ReadFileBytes(folder.File("dem.prj")), EsriWkt(utm33));
  const testing::GdalRaster shade = testing::ReadGdalRaster(folder.File("shade.tif"));
  ExpectSameFrame(shade, transform, utm33, "shade.tif");
  EXPECT_EQ(shade.values, std::vector<double>(session.ShadedImage.Cells().begin(),
                                              session.ShadedImage.Cells().end()));
  const testing::GdalRaster png = testing::ReadGdalRaster(folder.File("shade.png"));
  EXPECT_EQ(png.driver, "PNG");
  EXPECT_EQ(png.values, shade.values);
}

TEST_F(GisDesktopTest, ARasterWithoutFrameGivesNoGeoTiffButAPng) {
  QueueExampleLoad();
  Click("Raster");
  QueueScale(1, 5);
  Click("DilatSpeedButton");
  SaveDem(folder.File("dem"), 3);
  Ui.QueueFile("Save Shadowed DEM", folder.File("shade"), 2);
  Click("SaveImage");
  ASSERT_EQ(Ui.Messages.size(), 2u);
  for (const auto& message : Ui.Messages) {
    EXPECT_EQ(message.caption, "ERROR");
    EXPECT_NE(message.text.find("has no map frame for a GeoTIFF"), std::string::npos);
  }
  EXPECT_EQ(testing::ListFolder(folder.Path()), "");
  Ui.QueueFile("Save Shadowed DEM", folder.File("shade.PNG"), 3);
  Click("SaveImage");
  EXPECT_EQ(testing::ListFolder(folder.Path()), "shade.png");
  EXPECT_TRUE(Ui.AllAnswersUsed());
}

TEST_F(GisDesktopTest, TheDxfOfTheSameContoursGivesTheSameTableAndTheStatusBarSaysWhence) {
  const std::string surface = folder.File("hill.tif");
  testing::WriteHillGeoTiff(surface, {});
  const std::string contours = folder.File("hill3d.gpkg");
  testing::WriteHillContours(surface, contours, "GPKG", true, 10.0);
  LoadSource(contours, [this](QDialog& form) {
    EXPECT_EQ(Combo(form, "FieldComboBox"), "Z of the geometry");
    testing::Press(form, "BitBtn1");
  });
  const SessionState& session = Main().Session;
  const AltitudeTableArray table = session.AltitudeTable;
  const std::int32_t count = session.AltitudeCount;
  EXPECT_EQ(Main().StatusNote().rfind("Layer contour, elevation from geometry Z: ", 0), 0u)
      << Main().StatusNote();

  testing::TranslateToDxf(contours, folder.File("hill.dxf"));
  Ui.QueueFile("VECTORIAL FILE OPENING", folder.File("hill.dxf"));
  Click("Vectorial");  // a DXF file has no layer or field to choose
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(session.AltitudeCount, count);
  EXPECT_EQ(session.AltitudeTable, table);
  EXPECT_EQ(Main().StatusNote(), "Table of " + std::to_string(count) +
                                     " altitudes taken from the lines' vertices: the header "
                                     "gives no Z range.");
  EXPECT_TRUE(session.CrsWkt.empty());
  // The note gives way to the read-outs as soon as the mouse reads something out.
  EXPECT_NE(Panel(2, 2, 0), "");
  EXPECT_EQ(Main().StatusNote(), "");
}

TEST_F(GisDesktopTest, TheChosenLayerIsDrawnAndFeaturesWithoutElevationAreCounted) {
  const std::string path = folder.File("two.gpkg");
  const std::vector<testing::SampleLine> old{{100, {{1000, 1000}, {1900, 1000}}},
                                             {200, {{1000, 1500}, {1900, 1500}}}};
  // The line without elevation still widens the layer's frame, down to its bottom edge.
  const std::vector<testing::SampleLine> now{{300, {{1000, 1300}, {1900, 1300}}},
                                             {NAN, {{1000, 1100}, {1900, 1100}}},
                                             {400, {{1000, 1800}, {1900, 1800}}}};
  testing::WriteContourLayer(path, "GPKG", old, testing::LayerElevation::Field, 2193, "old");
  testing::WriteContourLayer(path, "GPKG", now, testing::LayerElevation::Field, 2193, "new", true);
  LoadSource(path, [this](QDialog& form) {
    EXPECT_TRUE(form.findChild<QGroupBox*>("LayerGroup")->isVisibleTo(&form));
    auto* layers = form.findChild<QComboBox*>("LayerComboBox");
    ASSERT_EQ(layers->count(), 2);
    EXPECT_EQ(Combo(form, "LayerComboBox"), "old");
    layers->setCurrentIndex(1);
    EXPECT_EQ(Combo(form, "FieldComboBox"), "ELEV");
    testing::Press(form, "BitBtn1");
  });
  const SessionState& session = Main().Session;
  ASSERT_EQ(session.AltitudeCount, 2);
  EXPECT_EQ(session.AltitudeTable[1], 300);
  EXPECT_EQ(session.AltitudeTable[2], 400);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "INFO");
  EXPECT_EQ(Ui.Messages[0].text,
            "1 feature of the layer new had no elevation in ELEV and was left out; the scene "
            "holds the lines of the 2 features read.");
  EXPECT_EQ(Main().StatusNote(),
            "Layer new, elevation from ELEV: 2 features read, 1 skipped without elevation. Table "
            "of 2 altitudes taken from the lines' elevations.");
  EXPECT_EQ(Main().ImageVectForm->SourceEdit->text(), "new / ELEV");
  EXPECT_NE(Main().ImageVectForm->CrsEdit->text().toStdString().find("EPSG:2193"),
            std::string::npos);

  // The zone is drawn from the lines of that layer.
  QueueZone("10");
  Click("SelectionSpeedButton");
  const ByteGrid& image = session.ContourImage;
  EXPECT_NE(std::find(image.Cells().begin(), image.Cells().end(), 1), image.Cells().end());
  EXPECT_NE(std::find(image.Cells().begin(), image.Cells().end(), 2), image.Cells().end());
}

TEST_F(GisDesktopTest, ARawMapWithAWorldFileAndItsGeoTiffTwinLoadWithTheirFrameAndCrs) {
  for (const char* ending : {".raw", ".txt", "_tab.txt"}) {
    WriteFileBytes(folder.File(std::string("map") + ending),
                   ReadFileBytes(testing::ExamplePath(std::string("volcano") + ending)));
  }
  // Cells of 10 m whose top left one is centred on (1756005, 5920655).
  WriteFileBytes(folder.File("map.wld"), "10\n0\n0\n-10\n1756005\n5920655\n");
  const std::string nztm = ParseCrs("EPSG:2193");
  WriteFileBytes(folder.File("map.prj"), EsriWkt(nztm));
  LoadMap(folder.File("map.raw"), folder.File("map_tab.txt"));
  ASSERT_TRUE(Ui.AllAnswersUsed());
  ASSERT_TRUE(Ui.Messages.empty()) << Ui.Messages.front().text;
  const SessionState& session = Main().Session;
  EXPECT_EQ(session.GeoReferenced, 1);
  EXPECT_TRUE(SameCrs(session.CrsWkt, nztm));
  EXPECT_EQ(Main().Zone.ZonePixelSize, 10);  // proposed in the Dynamic Parameters dialog
  EXPECT_EQ(Panel(0, 0, 1), MapCoordinateText(1756005, 5920655));
  EXPECT_EQ(Panel(365, 521, 1), MapCoordinateText(1756005 + 5210, 5920655 - 3650));

  QueueScale(1, 5);
  Click("DilatSpeedButton");
  SaveDem(folder.File("dem"), 3);
  Ui.QueueFile("SAVE CONTOUR LINES IMAGE", folder.File("zone"));
  Click("SaveContLineSpeedButton");
  ASSERT_TRUE(Ui.Messages.empty()) << Ui.Messages.front().text;
  const double transform[6] = {1756000, 10, 0, 5920660, 0, -10};
  ExpectSameFrame(testing::ReadGdalRaster(folder.File("dem.tif")), transform, nztm, "dem.tif");
  EXPECT_EQ(ReadFileBytes(folder.File("zone.prj")), EsriWkt(nztm));
  EXPECT_NE(ReadFileBytes(folder.File("zone.txt")).find("\tXMin 1756005.000000"),
            std::string::npos);

  // Another pixel size would misplace the outputs: the load is refused as a whole.
  const ByteGrid codes = session.ContourImage;
  const std::optional<GridGeoreference> frame = Main().WorkingFrame;
  LoadMap(folder.File("map.raw"), folder.File("map_tab.txt"), "20");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].caption, "ERROR");
  EXPECT_NE(Ui.Messages[0].text.find("lies on cells of 10 map units (the world file "),
            std::string::npos);
  EXPECT_EQ(Main().Zone.ZonePixelSize, 10);
  EXPECT_FALSE(session.DemGrid.Empty());

  // The same codes as a GeoTIFF: the same picture on the same frame, with its CRS.
  testing::WriteCodeGeoTiff(folder.File("twin.tif"), codes, 1756000, 5920660, 10, 2193);
  Ui.Messages.clear();
  LoadMap(folder.File("twin.tif"), folder.File("map_tab.txt"));
  ASSERT_TRUE(Ui.Messages.empty()) << Ui.Messages.front().text;
  EXPECT_TRUE(session.ContourImage == codes);
  ASSERT_TRUE(Main().WorkingFrame.has_value());
  EXPECT_EQ(Main().WorkingFrame->Left, frame->Left);
  EXPECT_EQ(Main().WorkingFrame->Top, frame->Top);
  EXPECT_EQ(Main().WorkingFrame->CellSize, frame->CellSize);
  EXPECT_TRUE(SameCrs(session.CrsWkt, nztm));
  EXPECT_EQ(Panel(0, 0, 1), MapCoordinateText(1756005, 5920655));
}

// Each bad input is refused with an ERROR naming the trouble; nothing is written and
// the session (a DEM of the DXF example, no CRS) stays as it was.
TEST_F(GisDesktopTest, BadGisInputIsRefusedWithAnErrorAndChangesNothing) {
  Ui.QueueFile("VECTORIAL FILE OPENING", testing::ExamplePath("volcano.dxf"));
  Click("Vectorial");
  QueueZone("10");
  Click("SelectionSpeedButton");
  QueueScale(1, 5);
  Click("DilatSpeedButton");
  ASSERT_TRUE(Ui.Messages.empty());
  const SessionState before = Main().Session;
  const TemporaryFolder outputs;

  const std::string lines =
      R"({"type":"Feature","properties":{"NAME":"a","ELEV":100},"geometry":)"
      R"({"type":"LineString","coordinates":[[1756100,5917200],[1756300,5917300]]}})";
  const std::string points = R"({"type":"Feature","properties":{"ELEV":100},"geometry":)"
                             R"({"type":"Point","coordinates":[1756100,5917200]}})";
  const auto collection = [](const std::string& feature) {
    return R"({"type":"FeatureCollection","features":[)" + feature + "]}";
  };
  const auto accept = [](const char* field) {
    return [field](QDialog& form) {
      if (field != nullptr) testing::TypeInto(form, "FieldEdit", field);
      testing::Press(form, "BitBtn1");
    };
  };
  struct BadInput {
    const char* name;
    std::function<void()> run;
    std::string expected;
  };
  const std::vector<BadInput> cases{
      {"vector file without lines",
       [&] {
         WriteFileBytes(folder.File("points.geojson"), collection(points));
         LoadSource(folder.File("points.geojson"), accept(nullptr));
       },
       "holds no line geometry"},
      {"field that is not numeric",
       [&] {
         WriteFileBytes(folder.File("named.geojson"), collection(lines));
         LoadSource(folder.File("named.geojson"), accept("NAME"));
       },
       "\"NAME\" of the layer named in " + folder.File("named.geojson") + " is not numeric"},
      {"corrupt GeoPackage",
       [&] {
         WriteFileBytes(folder.File("broken.gpkg"), std::string("SQLite format 3\0garbage", 23));
         Ui.QueueFile("VECTORIAL FILE OPENING", folder.File("broken.gpkg"));
         Click("VectSpeedButton");
       },
       folder.File("broken.gpkg")},
      {"Shapefile without its .dbf",
       [&] {
         testing::WriteContourLayer(folder.File("lines.shp"), "ESRI Shapefile",
                                    {{100, {{1756100, 5917200}, {1756300, 5917300}}}},
                                    testing::LayerElevation::Field, 2193);
         std::remove(folder.File("lines.dbf").c_str());
         LoadSource(folder.File("lines.shp"), accept(nullptr));
       },
       "has no attribute file"},
      {"unknown EPSG code",
       [&] {
         Ui.QueueFile("Save DEM", outputs.File("dem"), 2);
         Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
           testing::CheckRadio(form, "RadioButton1");
           testing::TypeInto(form, "CrsEdit", "EPSG:999999");
           testing::Press(form, "BitBtn1");
         });
         Click("SaveDEM");
       },
       "EPSG:999999"},
  };
  for (const BadInput& bad : cases) {
    Ui.Messages.clear();
    bad.run();
    EXPECT_TRUE(Ui.AllAnswersUsed()) << bad.name;
    ASSERT_EQ(Ui.Messages.size(), 1u) << bad.name;
    EXPECT_EQ(Ui.Messages[0].caption, "ERROR") << bad.name;
    EXPECT_NE(Ui.Messages[0].text.find(bad.expected), std::string::npos)
        << bad.name << ": " << Ui.Messages[0].text;
    const SessionState& now = Main().Session;
    EXPECT_EQ(now.InputFileName, before.InputFileName) << bad.name;
    EXPECT_EQ(now.AltitudeTable, before.AltitudeTable) << bad.name;
    EXPECT_TRUE(now.VectorImage == before.VectorImage) << bad.name;
    EXPECT_TRUE(now.DemGrid == before.DemGrid) << bad.name;
    EXPECT_EQ(now.CrsWkt, before.CrsWkt) << bad.name;
    EXPECT_EQ(testing::ListFolder(outputs.Path()), "") << bad.name;
  }

  // Cancel in the progress window, while the lines are read or the GeoTIFF is written:
  // nothing is loaded or written, and nothing is said.
  Ui.Messages.clear();
  Ui.CancelProgressAt(0.4);
  LoadSource(folder.File("named.geojson"), accept(nullptr));
  Ui.CancelProgressAt(0.5);
  SaveDem(outputs.File("dem"), 3);
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_EQ(Main().Session.InputFileName, before.InputFileName);
  EXPECT_EQ(testing::ListFolder(outputs.Path()), "");

  // A code that is known goes with the DEM from then on, also after other data arrive
  // (GeoJSON lines in WGS 84 here).
  Ui.QueueFile("Save DEM", outputs.File("dem"), 2);
  Ui.QueueModal("TCoordUTMForm", [](QDialog& form) {
    testing::TypeInto(form, "CrsEdit", "EPSG:2193");
    testing::Press(form, "BitBtn1");
  });
  Click("SaveDEM");
  LoadSource(folder.File("named.geojson"), accept(nullptr));
  SaveDem(outputs.File("dem"), 3);
  ASSERT_TRUE(Ui.AllAnswersUsed());
  EXPECT_TRUE(Ui.Messages.empty());
  const std::string nztm = ParseCrs("EPSG:2193");
  EXPECT_EQ(ReadFileBytes(outputs.File("dem.prj")), EsriWkt(nztm));
  EXPECT_TRUE(SameCrs(testing::ReadGdalRaster(outputs.File("dem.tif")).crsWkt, nztm));
  EXPECT_FALSE(SameCrs(Main().Session.CrsWkt, nztm));
}

}  // namespace
}  // namespace zelmaro
