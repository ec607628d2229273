// The batch tool on GIS data: contours that GDAL's contour generator made from a known
// surface go through zone, dilation and the GeoTIFF, and come back close to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "GisTestSupport.h"
#include "gis/Crs.h"
#include "gis/VectorSource.h"
#include "raster/RasterFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::GdalRaster;
using testing::ListFolder;
using testing::ReadGdalRaster;
using testing::RunCli;
using testing::TemporaryFolder;

class GisCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TemporaryFolder;
    testing::WriteHillGeoTiff(Path("hill.tif"), {});
    testing::WriteHillContours(Path("hill.tif"), Path("hill.shp"), "ESRI Shapefile", false, 5);
    testing::WriteHillContours(Path("hill.tif"), Path("hill.gpkg"), "GPKG", false, 5);
    testing::WriteHillContours(Path("hill.tif"), Path("hill3d.gpkg"), "GPKG", true, 5);
    testing::WriteHillContours(Path("hill.tif"), Path("hill.geojson"), "GeoJSON", false, 5);
  }
  static void TearDownTestSuite() { delete folder_; }
  static std::string Path(const std::string& name) { return folder_->File(name); }

  static TemporaryFolder* folder_;
};
TemporaryFolder* GisCli::folder_ = nullptr;

// The root mean square of the DEM's difference from the hill at its cell centres.
double RmseAgainstTheHill(const GdalRaster& dem) {
  double sum = 0;
  int cells = 0;
  for (int line = 0; line < dem.lines; ++line) {
    for (int column = 0; column < dem.columns; ++column) {
      const double value = dem.values[static_cast<std::size_t>(line) * dem.columns + column];
      if (value == dem.noData) continue;
      const double x = dem.transform[0] + (column + 0.5) * dem.transform[1];
      const double y = dem.transform[3] + (line + 0.5) * dem.transform[5];
      sum += std::pow(value - testing::HillAltitude(x, y), 2);
      ++cells;
    }
  }
  return std::sqrt(sum / cells);
}

TEST_F(GisCli, ContoursOfEveryFormatComeBackAsTheSurfaceInAGeoTiff) {
  const std::string utm = ParseCrs("EPSG:32633");
  std::vector<double> first;
  for (const char* source : {"hill.shp", "hill.gpkg", "hill3d.gpkg", "hill.geojson"}) {
    SCOPED_TRACE(source);
    const std::string stem = Path(std::string(source) + "-zone");
    std::string output;
    ASSERT_EQ(RunCli("zone --vector " + Path(source) + " --pixel 4 --out " + stem, &output), 0)
        << output;
    EXPECT_NE(output.find("CRS WGS 84 / UTM zone 33N (EPSG:32633) written to"), std::string::npos)
        << output;
    const std::string dem = Path(std::string(source) + "-dem");
    ASSERT_EQ(RunCli("dilation --raw " + stem + ".raw --table " + stem +
                         "_tab.txt --scale-in m --scale-out cm --out " + dem + " --tif " + dem,
                     &output),
              0)
        << output;
    const GdalRaster tif = ReadGdalRaster(dem + ".tif");
    EXPECT_TRUE(SameCrs(tif.crsWkt, utm));
    // The zone is the layer's extent; its cells are centred on the zone's corners.
    const MapExtent extent = ReadGisContours(Path(source)).Lines.Frame;
    EXPECT_EQ(tif.transform[1], 4);
    EXPECT_EQ(tif.transform[5], -4);
    // The zone's corners pass through its descriptive file, in six decimals.
    EXPECT_NEAR(tif.transform[0], extent.XMin - 2, 1e-6);
    EXPECT_NEAR(tif.transform[3], extent.YMax + 2, 1e-6);
    EXPECT_EQ(tif.lines, std::lround((extent.YMax - extent.YMin) / 4));
    // Meters, from the lowest to the highest contour of the table.
    const std::vector<std::int32_t> table = ReadAltitudeTable(stem + "_tab.txt").altitudes;
    const auto [lowest, highest] = std::minmax_element(tif.values.begin(), tif.values.end());
    EXPECT_EQ(*lowest, table.front());
    EXPECT_EQ(*highest, table.back());
    const double rmse = RmseAgainstTheHill(tif);
    std::printf("RMSE of the %s road against the hill: %.3f m\n", source, rmse);
    EXPECT_LT(rmse, 0.6);
    if (first.empty()) first = tif.values;
    EXPECT_EQ(tif.values, first);
  }
}

TEST_F(GisCli, TheDxfThatGdalWritesGivesTheGeoPackagesTable) {
  testing::TranslateToDxf(Path("hill3d.gpkg"), Path("hill.dxf"));
  std::string fromDxf;
  std::string fromGeoPackage;
  ASSERT_EQ(RunCli("vector --dxf " + Path("hill.dxf"), &fromDxf), 0);
  ASSERT_EQ(RunCli("vector --vector " + Path("hill3d.gpkg"), &fromGeoPackage), 0);
  // The lines "code altitude" of the printed table.
  const auto table = [](const std::string& text) {
    std::vector<std::string> rows;
    std::size_t start = text.find("Altitude table");
    while ((start = text.find('\n', start)) != std::string::npos) {
      const std::size_t end = text.find('\n', ++start);
      const std::string row = text.substr(start, end - start);
      if (row.empty() || row.find_first_not_of("0123456789 ") != std::string::npos) break;
      rows.push_back(row);
    }
    return rows;
  };
  EXPECT_GE(table(fromDxf).size(), 10u);
  EXPECT_EQ(table(fromDxf), table(fromGeoPackage));
  EXPECT_NE(fromDxf.find("The header gives no altitude range"), std::string::npos);
}

TEST_F(GisCli, ConvertWritesTheGeoTiffOfARawDemWhereverItsFrameComesFrom) {
  const std::string stem = Path("convert-zone");
  ASSERT_EQ(RunCli("zone --vector " + Path("hill.gpkg") + " --pixel 4 --out " + stem), 0);
  ASSERT_EQ(RunCli("dilation --raw " + stem + ".raw --table " + stem +
                   "_tab.txt --scale-in m --scale-out dm --out " + stem + " --tif " + stem),
            0);
  const GdalRaster direct = ReadGdalRaster(stem + ".tif");
  // From the raster header beside the raw DEM; the ASCII grid from the corner by hand.
  ASSERT_EQ(RunCli("convert --dem " + stem + "_m4.raw --unit dm --format gtiff --out " + stem +
                   "-header"),
            0);
  const std::string corner = " --pixel 4 --xmin " + std::to_string(direct.transform[0]) +
                             " --ymin " + std::to_string(direct.transform[3] - 4.0 * direct.lines);
  ASSERT_EQ(RunCli("convert --dem " + stem + "_m4.raw --unit dm --out " + stem + "-grid" + corner),
            0);
  for (const char* ending : {"-header.tif", "-grid.asc", "_m4.raw"}) {
    SCOPED_TRACE(ending);
    const GdalRaster other = ReadGdalRaster(stem + ending);
    EXPECT_EQ(std::vector<double>(other.transform, other.transform + 6),
              std::vector<double>(direct.transform, direct.transform + 6));
    EXPECT_TRUE(SameCrs(other.crsWkt, direct.crsWkt));
  }
  EXPECT_EQ(ReadGdalRaster(stem + "-header.tif").values, direct.values);
}

TEST_F(GisCli, BadInputIsRefusedOnStderrWithNothingWritten) {
  TemporaryFolder bad;
  testing::WriteFileBytes(bad.File("points.geojson"),
                          R"({"type":"FeatureCollection","features":[{"type":"Feature",)"
                          R"("properties":{"ELEV":5},"geometry":{"type":"Point",)"
                          R"("coordinates":[1,2]}}]})");
  const std::string gpkg = testing::ReadFileBytes(Path("hill.gpkg"));
  testing::WriteFileBytes(bad.File("cut.gpkg"), gpkg.substr(0, gpkg.size() / 2));
  for (const char* ending : {".shp", ".shx", ".prj"}) {
    testing::WriteFileBytes(bad.File(std::string("nodbf") + ending),
                            testing::ReadFileBytes(Path(std::string("hill") + ending)));
  }
  const std::string out = " --pixel 4 --out " + bad.File("z");
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"zone --vector " + bad.File("points.geojson") + out, "holds no line geometry"},
      {"zone --vector " + Path("hill.gpkg") + " --field ID --layer contour --field_x 1" + out,
       "Unknown option --field_x"},
      {"zone --vector " + Path("hill.geojson") + " --field NOPE" + out, "has no field \"NOPE\""},
      {"zone --vector " + bad.File("cut.gpkg") + out, "Cannot open the vector file"},
      {"zone --vector " + bad.File("nodbf.shp") + out, "no attribute file"},
      {"zone --vector " + Path("hill.gpkg") + " --srs EPSG:999999" + out,
       "Unknown coordinate reference system EPSG:999999"},
      {"zone --dxf " + testing::ExamplePath("volcano.dxf") + " --srs EPSG:999999" + out,
       "Unknown coordinate reference system"},
      {"zone --vector " + Path("hill.gpkg") + " --srs EPSG:2193" + out, "already carry"},
      {"zone --vector " + testing::ExamplePath("volcano.dxf") + " --field ELEV" + out,
       "no layer or field to choose"},
      {"zone --dxf " + testing::ExamplePath("volcano.dxf") + " --vector " + Path("hill.gpkg") + out,
       "one of --dxf"},
      {"dilation " + testing::VolcanoRasterArguments() + " --scale-in m --scale-out m --out " +
           bad.File("d") + " --tif " + bad.File("d"),
       "has no georeference"},
      {"convert --dem " + bad.File("none_m4.raw") + " --unit m --format png --out " + bad.File("c"),
       "asc or gtiff"},
  };
  for (const auto& [arguments, message] : cases) {
    std::string errors;
    EXPECT_EQ(RunCli(arguments, nullptr, &errors), 1) << arguments;
    EXPECT_NE(errors.find("ERROR"), std::string::npos) << errors;
    EXPECT_NE(errors.find(message), std::string::npos) << errors;
  }
  EXPECT_EQ(ListFolder(bad.Path()), "cut.gpkg nodbf.prj nodbf.shp nodbf.shx points.geojson");
}

}  // namespace
}  // namespace zelmaro
