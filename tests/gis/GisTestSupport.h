#pragma once

#include <string>
#include <vector>

#include "core/Grid.h"
#include "support/DxfSamples.h"

namespace zelmaro::testing {

// How a test layer carries the altitude of its lines.
enum class LayerElevation { Field, GeometryZ };

// Writes contour lines as the layer "contours" (or `layer`) of a new vector file through
// the OGR driver named (GPKG, GeoJSON, ESRI Shapefile...), or as a further layer of an
// existing one when `addLayer`, with the CRS of an EPSG code (0: none). The altitude goes
// into the field ELEV (left empty for a NaN altitude) or into the Z of the vertices.
void WriteContourLayer(const std::string& path, const char* driver,
                       const std::vector<SampleLine>& lines, LayerElevation elevation, int epsg,
                       const char* layer = "contours", bool addLayer = false);

// A GeoTIFF of contour codes (one Byte band) whose outer top left corner is (left, top),
// with square cells and the CRS of an EPSG code.
void WriteCodeGeoTiff(const std::string& path, const ByteGrid& codes, double left, double top,
                      double cell, int epsg);

// A smooth hill, in meters, at a map point: the surface the batch-road tests rebuild.
double HillAltitude(double x, double y);

// The grid the hill is sampled on: cell centres at left + (column + 0.5) x cell.
struct HillGrid {
  double left = 500000.0;
  double top = 4001000.0;
  double cell = 2.0;
  int lines = 300;
  int columns = 400;
};

// The hill as a Float32 GeoTIFF in EPSG:32633, then its contours every `interval`
// meters, made by GDAL's contour generator into a layer of the driver named (3D lines,
// or 2D lines with the field ELEV).
void WriteHillGeoTiff(const std::string& path, const HillGrid& grid);
void WriteHillContours(const std::string& surfacePath, const std::string& path, const char* driver,
                       bool threeD, double interval);

// The DXF file that GDAL's own vector translation writes from a vector source.
void TranslateToDxf(const std::string& source, const std::string& dxfPath);

// What GDAL reads of a raster file.
struct GdalRaster {
  int lines = 0;
  int columns = 0;
  double transform[6] = {};
  std::string crsWkt;
  std::string driver;
  std::vector<double> values;  // band 1, top line first
  bool hasNoData = false;
  double noData = 0.0;
  std::string compression;
  std::string layout;
  int overviews = 0;
};
GdalRaster ReadGdalRaster(const std::string& path);

}  // namespace zelmaro::testing
