#include "gis/GeoTiff.h"

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include "GisTestSupport.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "gis/Crs.h"
#include "gis/GdalSupport.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
#include "support/TestSupport.h"

namespace zelmaro {
namespace {

using testing::GdalRaster;
using testing::ReadGdalRaster;
using testing::TemporaryFolder;

// A DEM in centimeters, 3 lines of 4 cells, one of them without altitude.
SessionState CentimeterDem() {
  SessionState session;
  session.DemGrid = IntGrid(3, 4);
  for (int line = 0; line < 3; ++line) {
    for (int column = 0; column < 4; ++column) {
      session.DemGrid[line][column] = 12000 + 1000 * line + 25 * column;
    }
  }
  session.DemGrid[1][2] = NoAltitude;
  return session;
}

const ZoneParameters kZone{10, 1000, 2000, 1040, 2030};

std::vector<double> Transform(const GdalRaster& raster) {
  return {raster.transform, raster.transform + 6};
}

TEST(DemGeoTiff, HoldsMetersOnTheZoneCellsWithItsCrsAndNoData) {
  TemporaryFolder folder;
  const SessionState session = CentimeterDem();
  const std::string crs = ParseCrs("EPSG:32633");
  SaveDemGeoTiff(session, folder.File("dem"), GeoreferenceOfZone(kZone, crs), 100);
  const GdalRaster tif = ReadGdalRaster(folder.File("dem.tif"));
  EXPECT_EQ(tif.driver, "GTiff");
  EXPECT_EQ(tif.layout, "COG");
  EXPECT_EQ(tif.compression, "DEFLATE");
  ASSERT_EQ(tif.lines, 3);
  ASSERT_EQ(tif.columns, 4);
  // Cell centres on the zone corners: the grid starts half a cell beyond them.
  EXPECT_EQ(Transform(tif), (std::vector<double>{995, 10, 0, 2035, 0, -10}));
  EXPECT_TRUE(SameCrs(tif.crsWkt, crs));
  EXPECT_TRUE(tif.hasNoData);
  EXPECT_EQ(tif.noData, kGeoTiffNoData);
  EXPECT_EQ(tif.values[0], 120.0);
  EXPECT_EQ(tif.values[4 + 2], kGeoTiffNoData);
  EXPECT_EQ(tif.values[2 * 4 + 3], static_cast<float>(140.75));
  EXPECT_EQ(testing::ListFolder(folder.Path()), "dem.tif");
}

TEST(DemGeoTiff, ALargerDemGetsOverviews) {
  TemporaryFolder folder;
  WriteDemGeoTiff(IntGrid(700, 600, 5000), 10, {0, 7000, 10, {}}, folder.File("big.tif"));
  const GdalRaster tif = ReadGdalRaster(folder.File("big.tif"));
  EXPECT_GE(tif.overviews, 1);
  EXPECT_EQ(tif.values[699 * 600 + 599], 500.0);
}

TEST(DemGeoTiff, TheThreeDemFilesOfOneDemLieOnTheSameCellsWithOneCrs) {
  TemporaryFolder folder;
  const SessionState session = CentimeterDem();
  const GridGeoreference georeference = GeoreferenceOfZone(kZone, ParseCrs("EPSG:2193"));
  SaveDemGeoTiff(session, folder.File("site"), georeference, 100);
  SaveDemRaw(session, folder.File("site"), kZone,
             RawGridSideFiles(georeference, 3, 4, 32, NoAltitude));
  const AsciiGridFrame frame = AsciiFrameOf(georeference, 3, 100);
  SaveDemAscii(session, folder.File("site"), frame, ProjectionSideFiles(georeference.CrsWkt));
  EXPECT_EQ(testing::ListFolder(folder.Path()),
            "site.asc site.prj site.tif site_m4.hdr site_m4.prj site_m4.raw site_m4.txt");
  const GdalRaster tif = ReadGdalRaster(folder.File("site.tif"));
  for (const char* name : {"site_m4.raw", "site.asc"}) {
    SCOPED_TRACE(name);
    const GdalRaster other = ReadGdalRaster(folder.File(name));
    EXPECT_EQ(Transform(other), Transform(tif));
    EXPECT_TRUE(SameCrs(other.crsWkt, tif.crsWkt));
  }
  EXPECT_EQ(ReadGdalRaster(folder.File("site_m4.raw")).values[6], NoAltitude);
  // The ASCII grid itself is what it always was.
  EXPECT_EQ(testing::ReadFileBytes(folder.File("site.asc")),
            WithCrLf(AsciiGridText(session.DemGrid, frame)));
}

TEST(DemGeoTiff, AFailedOrCancelledWriteLeavesNothing) {
  TemporaryFolder folder;
  const SessionState session = CentimeterDem();
  const GridGeoreference georeference = GeoreferenceOfZone(kZone, {});
  try {
    SaveDemGeoTiff(session, folder.File("gone/dem"), georeference, 100);
    ADD_FAILURE();
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("gone/dem.tif"), std::string::npos) << error.what();
  }
  const Progress cancel([](double) { return false; });
  EXPECT_THROW(SaveDemGeoTiff(session, folder.File("dem"), georeference, 100, cancel),
               CommandCancelled);
  EXPECT_THROW(SaveDemGeoTiff(session, folder.File("dem"), georeference, 0), Error);
  EXPECT_THROW(SaveDemGeoTiff(session, folder.File("dem"), {0, 0, 0, {}}, 100), Error);
  EXPECT_EQ(testing::ListFolder(folder.Path()), "");
}

TEST(ShadedImage, GoesOutAsAGeoreferencedByteGeoTiffOrAPng) {
  TemporaryFolder folder;
  SessionState session;
  session.ShadedImage = ByteGrid(2, 3);
  for (int i = 0; i < 6; ++i) session.ShadedImage.Cells()[i] = static_cast<std::uint8_t>(40 * i);
  SaveShadedGeoTiff(session, folder.File("shade"),
                    GeoreferenceOfZone(kZone, ParseCrs("EPSG:2193")));
  SaveShadedPng(session, folder.File("shade"));
  EXPECT_EQ(testing::ListFolder(folder.Path()), "shade.png shade.tif");
  const GdalRaster tif = ReadGdalRaster(folder.File("shade.tif"));
  const GdalRaster png = ReadGdalRaster(folder.File("shade.png"));
  EXPECT_EQ(Transform(tif), (std::vector<double>{995, 10, 0, 2035, 0, -10}));
  EXPECT_EQ(png.driver, "PNG");
  EXPECT_EQ(tif.values, (std::vector<double>{0, 40, 80, 120, 160, 200}));
  EXPECT_EQ(png.values, tif.values);
}

// A contour map as a GIS writes it: Byte codes, 255 the background.
void WriteCodeGeoTiff(const std::string& path, GDALDataType type, double rotation) {
  EnsureGdalDrivers();
  GDALDatasetUniquePtr dataset(GetGDALDriverManager()->GetDriverByName("GTiff")->Create(
      path.c_str(), 3, 2, 1, type, nullptr));
  std::uint8_t codes[6] = {255, 1, 255, 2, 2, 255};
  ASSERT_EQ(dataset->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, 3, 2, codes, 3, 2, GDT_Byte, 0, 0,
                                                nullptr),
            CE_None);
  double transform[6] = {1000, 5, rotation, 2010, 0, -5};
  dataset->SetGeoTransform(transform);
  OGRSpatialReference srs;
  srs.importFromEPSG(2193);
  dataset->SetSpatialRef(&srs);
}

TEST(ContourGeoTiff, LoadsLikeARawMapWithItsFrameAndCrs) {
  TemporaryFolder folder;
  WriteCodeGeoTiff(folder.File("map.tif"), GDT_Byte, 0);
  ContourGeoTiff map = ReadContourGeoTiff(folder.File("map.tif"));
  EXPECT_EQ(map.Image.size, (ImageSize{2, 3}));
  EXPECT_EQ(map.Image.codes, testing::CodesFromText({".1.", "22."}));
  ASSERT_TRUE(map.Georeference);
  EXPECT_EQ(map.Georeference->Left, 1000);
  EXPECT_EQ(map.Georeference->Top, 2010);
  EXPECT_EQ(map.Georeference->CellSize, 5);
  SessionState session;
  session.CrsWkt = "stale";
  CommitContourGeoTiff(session, std::move(map));
  EXPECT_EQ(session.ContourImage, testing::CodesFromText({".1.", "22."}));
  EXPECT_EQ(session.InputPath, folder.File("map.tif"));
  EXPECT_NE(CrsLabel(session.CrsWkt).find("EPSG:2193"), std::string::npos);

  WriteCodeGeoTiff(folder.File("float.tif"), GDT_Float32, 0);
  WriteCodeGeoTiff(folder.File("turned.tif"), GDT_Byte, 0.5);
  for (const char* name : {"float.tif", "turned.tif", "missing.tif"}) {
    EXPECT_THROW(ReadContourGeoTiff(folder.File(name)), Error) << name;
  }
}

}  // namespace
}  // namespace zelmaro
