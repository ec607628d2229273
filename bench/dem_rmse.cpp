// The accuracy of a DEM against the true surface it was rebuilt from: every cell of the
// DEM with an altitude is compared with the true surface sampled (bilinearly) at the
// cell's centre. Both files are rasters GDAL reads, in the same CRS and unit.
//   dem_rmse DEM.tif TRUTH.tif
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "gis/GdalSupport.h"

namespace {

struct Raster {
  int lines = 0;
  int columns = 0;
  double transform[6] = {};
  std::vector<double> values;
  bool hasNoData = false;
  double noData = 0.0;
};

Raster Read(const char* path) {
  zelmaro::EnsureGdalDrivers();
  GDALDatasetUniquePtr dataset(GDALDataset::Open(path, GDAL_OF_RASTER, nullptr, nullptr, nullptr));
  if (!dataset) throw std::runtime_error(std::string("GDAL cannot open ") + path);
  Raster raster;
  raster.lines = dataset->GetRasterYSize();
  raster.columns = dataset->GetRasterXSize();
  dataset->GetGeoTransform(raster.transform);
  GDALRasterBand* band = dataset->GetRasterBand(1);
  int hasNoData = 0;
  raster.noData = band->GetNoDataValue(&hasNoData);
  raster.hasNoData = hasNoData != 0;
  raster.values.resize(static_cast<std::size_t>(raster.lines) * raster.columns);
  if (band->RasterIO(GF_Read, 0, 0, raster.columns, raster.lines, raster.values.data(),
                     raster.columns, raster.lines, GDT_Float64, 0, 0, nullptr) != CE_None) {
    throw std::runtime_error(std::string("GDAL cannot read ") + path);
  }
  return raster;
}

// The true surface at a map point, between the centres of its four nearest cells;
// nothing outside the centres of its border cells.
bool Sample(const Raster& truth, double x, double y, double& value) {
  const double column = (x - truth.transform[0]) / truth.transform[1] - 0.5;
  const double line = (y - truth.transform[3]) / truth.transform[5] - 0.5;
  if (column < 0 || line < 0 || column > truth.columns - 1 || line > truth.lines - 1) return false;
  const int c = std::min(static_cast<int>(column), truth.columns - 2);
  const int l = std::min(static_cast<int>(line), truth.lines - 2);
  const double fc = column - c;
  const double fl = line - l;
  const auto at = [&](int ll, int cc) {
    return truth.values[static_cast<std::size_t>(ll) * truth.columns + cc];
  };
  value = (1 - fl) * ((1 - fc) * at(l, c) + fc * at(l, c + 1)) +
          fl * ((1 - fc) * at(l + 1, c) + fc * at(l + 1, c + 1));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dem_rmse DEM TRUTH\n");
    return 2;
  }
  try {
    const Raster dem = Read(argv[1]);
    const Raster truth = Read(argv[2]);
    double sum = 0.0;
    double squares = 0.0;
    double worst = 0.0;
    long compared = 0;
    for (int line = 0; line < dem.lines; ++line) {
      for (int column = 0; column < dem.columns; ++column) {
        const double z = dem.values[static_cast<std::size_t>(line) * dem.columns + column];
        if (dem.hasNoData && z == dem.noData) continue;
        const double x = dem.transform[0] + (column + 0.5) * dem.transform[1];
        const double y = dem.transform[3] + (line + 0.5) * dem.transform[5];
        double expected = 0.0;
        if (!Sample(truth, x, y, expected)) continue;
        const double error = z - expected;
        sum += error;
        squares += error * error;
        worst = std::max(worst, std::fabs(error));
        ++compared;
      }
    }
    if (compared == 0) throw std::runtime_error("the DEM and the true surface do not overlap");
    std::printf("%s: %ld cells compared, RMSE %.3f, mean error %+.3f, largest error %.3f\n",
                argv[1], compared, std::sqrt(squares / compared), sum / compared, worst);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
