#include "GisTestSupport.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include <gdal_alg.h>
#include <gdal_priv.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include "gis/GdalSupport.h"

namespace zelmaro::testing {
namespace {

GDALDriver& DriverNamed(const char* name) {
  EnsureGdalDrivers();
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(name);
  if (driver == nullptr) throw std::runtime_error(std::string("no GDAL driver ") + name);
  return *driver;
}

OGRSpatialReference Epsg(int code) {
  OGRSpatialReference srs;
  srs.importFromEPSG(code);
  srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  return srs;
}

}  // namespace

void WriteContourLayer(const std::string& path, const char* driver,
                       const std::vector<SampleLine>& lines, LayerElevation elevation, int epsg,
                       const char* layerName, bool addLayer) {
  GDALDatasetUniquePtr dataset(
      addLayer ? GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_UPDATE, nullptr, nullptr,
                                   nullptr)
               : DriverNamed(driver).Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  if (!dataset) throw std::runtime_error("cannot create " + path);
  OGRSpatialReference srs = epsg != 0 ? Epsg(epsg) : OGRSpatialReference();
  const bool threeD = elevation == LayerElevation::GeometryZ;
  // The lines keep their order: where two cross, the one drawn last gives the cell.
  const char* const keepOrder[] = {"SPATIAL_INDEX=NO", nullptr};
  OGRLayer* layer = dataset->CreateLayer(
      layerName, epsg != 0 ? &srs : nullptr, threeD ? wkbLineString25D : wkbLineString,
      std::string(driver) == "FlatGeobuf" ? const_cast<char**>(keepOrder) : nullptr);
  OGRFieldDefn field("ELEV", OFTReal);
  if (!threeD) layer->CreateField(&field);
  for (const SampleLine& line : lines) {
    OGRFeature feature(layer->GetLayerDefn());
    if (!threeD && std::isnan(line.z)) {
      feature.SetFieldNull(feature.GetFieldIndex("ELEV"));
    } else if (!threeD) {
      feature.SetField("ELEV", line.z);
    }
    OGRLineString geometry;
    for (const auto& [x, y] : line.points) {
      if (threeD) {
        geometry.addPoint(x, y, line.z);
      } else {
        geometry.addPoint(x, y);
      }
    }
    feature.SetGeometry(&geometry);
    if (layer->CreateFeature(&feature) != OGRERR_NONE) {
      throw std::runtime_error("cannot write a feature into " + path);
    }
  }
}

void WriteCodeGeoTiff(const std::string& path, const ByteGrid& codes, double left, double top,
                      double cell, int epsg) {
  GDALDatasetUniquePtr dataset(DriverNamed("GTiff").Create(path.c_str(), codes.Columns(),
                                                           codes.Lines(), 1, GDT_Byte, nullptr));
  if (!dataset) throw std::runtime_error("cannot create " + path);
  double transform[6] = {left, cell, 0, top, 0, -cell};
  dataset->SetGeoTransform(transform);
  const OGRSpatialReference srs = Epsg(epsg);
  dataset->SetSpatialRef(&srs);
  if (dataset->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, codes.Columns(), codes.Lines(),
                                          const_cast<std::uint8_t*>(codes.Data()), codes.Columns(),
                                          codes.Lines(), GDT_Byte, 0, 0, nullptr) != CE_None) {
    throw std::runtime_error("cannot write " + path);
  }
}

double HillAltitude(double x, double y) {
  const double dx = (x - 500400.0) / 220.0;
  const double dy = (y - 4000700.0) / 180.0;
  return 120.0 + 70.0 * std::exp(-(dx * dx + dy * dy)) + 8.0 * std::sin((x - 500000.0) / 90.0);
}

void WriteHillGeoTiff(const std::string& path, const HillGrid& grid) {
  GDALDatasetUniquePtr dataset(
      DriverNamed("GTiff").Create(path.c_str(), grid.columns, grid.lines, 1, GDT_Float32, nullptr));
  std::vector<float> values(static_cast<std::size_t>(grid.lines) * grid.columns);
  for (int line = 0; line < grid.lines; ++line) {
    for (int column = 0; column < grid.columns; ++column) {
      values[static_cast<std::size_t>(line) * grid.columns + column] =
          static_cast<float>(HillAltitude(grid.left + (column + 0.5) * grid.cell,
                                          grid.top - (line + 0.5) * grid.cell));
    }
  }
  double transform[6] = {grid.left, grid.cell, 0, grid.top, 0, -grid.cell};
  dataset->SetGeoTransform(transform);
  const OGRSpatialReference srs = Epsg(32633);
  dataset->SetSpatialRef(&srs);
  if (dataset->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, grid.columns, grid.lines, values.data(),
                                          grid.columns, grid.lines, GDT_Float32, 0, 0,
                                          nullptr) != CE_None) {
    throw std::runtime_error("cannot write " + path);
  }
}

void WriteHillContours(const std::string& surfacePath, const std::string& path, const char* driver,
                       bool threeD, double interval) {
  GDALDatasetUniquePtr surface(
      GDALDataset::Open(surfacePath.c_str(), GDAL_OF_RASTER, nullptr, nullptr, nullptr));
  GDALDatasetUniquePtr contours(
      DriverNamed(driver).Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  if (!surface || !contours) throw std::runtime_error("cannot make the contours " + path);
  OGRLayer* layer =
      contours->CreateLayer("contour", const_cast<OGRSpatialReference*>(surface->GetSpatialRef()),
                            threeD ? wkbLineString25D : wkbLineString, nullptr);
  OGRFieldDefn id("ID", OFTInteger);
  OGRFieldDefn elevation("ELEV", OFTReal);
  layer->CreateField(&id);
  layer->CreateField(&elevation);
  const std::string intervalOption = "LEVEL_INTERVAL=" + std::to_string(interval);
  const char* const options[] = {intervalOption.c_str(), "ID_FIELD=0", "ELEV_FIELD=1", nullptr};
  if (GDALContourGenerateEx(surface->GetRasterBand(1), layer, options, nullptr, nullptr) !=
      CE_None) {
    throw std::runtime_error("contour generation failed for " + path);
  }
}

void TranslateToDxf(const std::string& source, const std::string& dxfPath) {
  GDALDatasetH input = GDALOpenEx(source.c_str(), GDAL_OF_VECTOR, nullptr, nullptr, nullptr);
  char* arguments[] = {const_cast<char*>("-f"), const_cast<char*>("DXF"), nullptr};
  GDALVectorTranslateOptions* options = GDALVectorTranslateOptionsNew(arguments, nullptr);
  int failed = 0;
  CPLPushErrorHandler(CPLQuietErrorHandler);  // the DXF writer warns about every field
  GDALDatasetH output = GDALVectorTranslate(dxfPath.c_str(), nullptr, 1, &input, options, &failed);
  CPLPopErrorHandler();
  GDALVectorTranslateOptionsFree(options);
  if (output != nullptr) GDALClose(output);
  GDALClose(input);
  if (output == nullptr || failed) throw std::runtime_error("cannot translate " + source);
}

GdalRaster ReadGdalRaster(const std::string& path) {
  EnsureGdalDrivers();
  GDALDatasetUniquePtr dataset(
      GDALDataset::Open(path.c_str(), GDAL_OF_RASTER, nullptr, nullptr, nullptr));
  if (!dataset) throw std::runtime_error("GDAL cannot open " + path);
  GdalRaster raster;
  raster.lines = dataset->GetRasterYSize();
  raster.columns = dataset->GetRasterXSize();
  dataset->GetGeoTransform(raster.transform);
  raster.crsWkt = WktOf(dataset->GetSpatialRef());
  raster.driver = dataset->GetDriver()->GetDescription();
  GDALRasterBand* band = dataset->GetRasterBand(1);
  int hasNoData = 0;
  raster.noData = band->GetNoDataValue(&hasNoData);
  raster.hasNoData = hasNoData != 0;
  if (const char* compression = dataset->GetMetadataItem("COMPRESSION", "IMAGE_STRUCTURE")) {
    raster.compression = compression;
  }
  if (const char* layout = dataset->GetMetadataItem("LAYOUT", "IMAGE_STRUCTURE")) {
    raster.layout = layout;
  }
  raster.overviews = band->GetOverviewCount();
  raster.values.resize(static_cast<std::size_t>(raster.lines) * raster.columns);
  if (band->RasterIO(GF_Read, 0, 0, raster.columns, raster.lines, raster.values.data(),
                     raster.columns, raster.lines, GDT_Float64, 0, 0, nullptr) != CE_None) {
    throw std::runtime_error("GDAL cannot read " + path);
  }
  return raster;
}

}  // namespace zelmaro::testing
