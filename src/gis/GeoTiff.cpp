#include "gis/GeoTiff.h"

#include <cctype>
#include <cmath>
#include <vector>

#include <cpl_string.h>
#include <ogr_spatialref.h>

#include "core/Error.h"
#include "core/FileIO.h"
#include "gis/GdalSupport.h"
#include "interp/Dilation.h"

namespace zelmaro {
namespace {

GDALDriver& Driver(const char* name) {
  EnsureGdalDrivers();
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(name);
  if (driver == nullptr) throw Error(std::string("GDAL offers no ") + name + " driver.");
  return *driver;
}

// A picture of one band in memory, from which the file drivers copy.
template <typename Cell>
GDALDatasetUniquePtr MemoryPicture(const std::vector<Cell>& cells, int lines, int columns,
                                   GDALDataType type, const std::string& path) {
  GdalErrorTrap trap;
  GDALDatasetUniquePtr picture(Driver("MEM").Create("", columns, lines, 1, type, nullptr));
  if (!picture) ThrowGdalFailure("Cannot prepare " + path, trap);
  GDALRasterBand* band = picture->GetRasterBand(1);
  if (band->RasterIO(GF_Write, 0, 0, columns, lines, const_cast<Cell*>(cells.data()), columns,
                     lines, type, 0, 0, nullptr) != CE_None) {
    ThrowGdalFailure("Cannot prepare " + path, trap);
  }
  return picture;
}

void Georeference(GDALDataset& picture, const GridGeoreference& georeference,
                  const std::string& path) {
  if (!(georeference.CellSize > 0.0) || !std::isfinite(georeference.Left) ||
      !std::isfinite(georeference.Top)) {
    throw Error("Cannot write " + path + ": its cells have no size on the map (pixel size " +
                std::to_string(georeference.CellSize) + ").");
  }
  GdalErrorTrap trap;
  double transform[6] = {georeference.Left,     georeference.CellSize, 0.0, georeference.Top, 0.0,
                         -georeference.CellSize};
  if (picture.SetGeoTransform(transform) != CE_None) {
    ThrowGdalFailure("Cannot georeference " + path, trap);
  }
  if (georeference.CrsWkt.empty()) return;
  OGRSpatialReference srs;
  if (srs.importFromWkt(georeference.CrsWkt.c_str()) != OGRERR_NONE ||
      picture.SetSpatialRef(&srs) != CE_None) {
    ThrowGdalFailure("Cannot give " + path + " its coordinate reference system", trap);
  }
}

// The bytes of the picture copied through a driver, for the file `path`.
std::string FileBytesThrough(GDALDataset& picture, const char* driverName,
                             const CPLStringList& options, const std::string& path,
                             const Progress& progress) {
  GDALDriver& driver = Driver(driverName);
  const GdalMemoryFile memory(".out");
  {
    // Everything must land inside the one file: no side file of GDAL's own.
    const GdalThreadOption noSideFiles("GDAL_PAM_ENABLED", "NO");
    GdalErrorTrap trap;
    GdalProgressBridge bridge(progress);
    GDALDatasetUniquePtr written(driver.CreateCopy(memory.Name().c_str(), &picture, FALSE,
                                                   options.List(), bridge.Function(),
                                                   bridge.Argument()));
    bridge.Rethrow();
    if (!written) ThrowGdalFailure("Cannot write " + path, trap);
    written.reset();  // closing flushes the last blocks
    if (trap.Failed()) ThrowGdalFailure("Cannot write " + path, trap);
  }
  return memory.Bytes();
}

// The same written to `path` all at once.
void WriteThrough(GDALDataset& picture, const char* driverName, const CPLStringList& options,
                  const std::string& path, const Progress& progress) {
  WriteFileAtomically(path, FileBytesThrough(picture, driverName, options, path, progress));
}

CPLStringList CogOptions(const char* predictor) {
  CPLStringList options;
  options.SetNameValue("COMPRESS", "DEFLATE");
  options.SetNameValue("PREDICTOR", predictor);
  options.SetNameValue("BLOCKSIZE", "256");
  options.SetNameValue("OVERVIEWS", "AUTO");
  return options;
}

void RequireGrid(bool present, const char* what) {
  if (!present) throw Error(std::string("There is no ") + what + " to save.");
}

}  // namespace

std::string DemGeoTiffBytes(const IntGrid& dem, std::int32_t unitFactor,
                            const GridGeoreference& georeference, const std::string& path,
                            const Progress& progress) {
  if (unitFactor <= 0) throw Error("The unit of the DEM values is not chosen.");
  std::vector<float> meters(dem.CellCount());
  const std::int32_t* cells = dem.Data();
  const double divisor = unitFactor;
  for (std::size_t i = 0; i < meters.size(); ++i) {
    meters[i] = cells[i] == NoAltitude ? static_cast<float>(kGeoTiffNoData)
                                       : static_cast<float>(cells[i] / divisor);
  }
  GDALDatasetUniquePtr picture =
      MemoryPicture(meters, dem.Lines(), dem.Columns(), GDT_Float32, path);
  Georeference(*picture, georeference, path);
  picture->GetRasterBand(1)->SetNoDataValue(kGeoTiffNoData);
  // Floating-point prediction: neighbouring altitudes differ little, so DEFLATE gains.
  return FileBytesThrough(*picture, "COG", CogOptions("FLOATING_POINT"), path, progress);
}

void WriteDemGeoTiff(const IntGrid& dem, std::int32_t unitFactor,
                     const GridGeoreference& georeference, const std::string& path,
                     const Progress& progress) {
  WriteFileAtomically(path, DemGeoTiffBytes(dem, unitFactor, georeference, path, progress));
}

void SaveDemGeoTiff(const SessionState& session, const std::string& stem,
                    const GridGeoreference& georeference, std::int32_t scaleOutFactor,
                    const Progress& progress) {
  RequireGrid(!session.DemGrid.Empty(), "DEM");
  WriteDemGeoTiff(session.DemGrid, scaleOutFactor, georeference, stem + ".tif", progress);
}

void SaveShadedGeoTiff(const SessionState& session, const std::string& stem,
                       const GridGeoreference& georeference) {
  RequireGrid(!session.ShadedImage.Empty(), "shaded image");
  const ByteGrid& image = session.ShadedImage;
  const std::string path = stem + ".tif";
  GDALDatasetUniquePtr picture =
      MemoryPicture(image.Cells(), image.Lines(), image.Columns(), GDT_Byte, path);
  Georeference(*picture, georeference, path);
  WriteThrough(*picture, "COG", CogOptions("STANDARD"), path, {});
}

void SaveShadedPng(const SessionState& session, const std::string& stem) {
  RequireGrid(!session.ShadedImage.Empty(), "shaded image");
  const ByteGrid& image = session.ShadedImage;
  const std::string path = stem + ".png";
  GDALDatasetUniquePtr picture =
      MemoryPicture(image.Cells(), image.Lines(), image.Columns(), GDT_Byte, path);
  WriteThrough(*picture, "PNG", CPLStringList(), path, {});
}

bool IsGeoTiffPath(const std::string& path) {
  std::string ending = path.substr(
      path.find_last_of('.') == std::string::npos ? path.size() : path.find_last_of('.'));
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ending == ".tif" || ending == ".tiff";
}

ContourGeoTiff ReadContourGeoTiff(const std::string& path) {
  GDALDatasetUniquePtr dataset = OpenGdalDataset(path, GDAL_OF_RASTER, "contour map");
  if (dataset->GetRasterCount() < 1) throw Error("The contour map " + path + " has no band.");
  GDALRasterBand* band = dataset->GetRasterBand(1);
  if (band->GetRasterDataType() != GDT_Byte) {
    throw Error("The contour map " + path + " holds " +
                GDALGetDataTypeName(band->GetRasterDataType()) +
                " cells; a contour map holds one byte (its gray-tone code) per cell.");
  }
  ContourGeoTiff map;
  map.Image.rawPath = path;
  map.Image.size = {dataset->GetRasterYSize(), dataset->GetRasterXSize()};
  map.Image.codes = ByteGrid(map.Image.size.lines, map.Image.size.columns);
  GdalErrorTrap trap;
  if (band->RasterIO(GF_Read, 0, 0, map.Image.size.columns, map.Image.size.lines,
                     map.Image.codes.Data(), map.Image.size.columns, map.Image.size.lines, GDT_Byte,
                     0, 0, nullptr) != CE_None) {
    ThrowGdalFailure("Cannot read the contour map " + path, trap);
  }

  double transform[6] = {};
  if (dataset->GetGeoTransform(transform) == CE_None) {
    if (transform[2] != 0.0 || transform[4] != 0.0) {
      throw Error("The contour map " + path +
                  " is turned on the map; only north-up maps can be used.");
    }
    if (!(transform[1] > 0.0) || std::fabs(transform[1] + transform[5]) > 1e-9 * transform[1]) {
      throw Error("The contour map " + path + " has pixels of " + std::to_string(transform[1]) +
                  " by " + std::to_string(transform[5]) +
                  "; only square, north-up pixels can be used.");
    }
    map.Georeference =
        GridGeoreference{transform[0], transform[3], transform[1], WktOf(dataset->GetSpatialRef())};
  }
  return map;
}

ImageSize ContourGeoTiffSize(const std::string& path) {
  GDALDatasetUniquePtr dataset = OpenGdalDataset(path, GDAL_OF_RASTER, "contour map");
  return {dataset->GetRasterYSize(), dataset->GetRasterXSize()};
}

void CommitContourGeoTiff(SessionState& session, ContourGeoTiff&& map) {
  const std::string crs = map.Georeference ? map.Georeference->CrsWkt : std::string();
  CommitRasterImage(session, std::move(map.Image));
  session.CrsWkt = crs;
}

}  // namespace zelmaro
