// zelmaro-cli linear: the linear interpolation of a raw contour-line image.
#include <algorithm>
#include <cstdio>

#include "CliCommand.h"
#include "GeoOutputs.h"
#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "gis/Crs.h"
#include "gis/GeoTiffMemory.h"
#include "interp/InterpolationMemory.h"
#include "interp/LinearInterpolation.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"

namespace zelmaro::cli {
namespace {

int RunLinear(const CliArguments& arguments) {
  arguments.RejectUnknown({"raw", "table", "size", "min", "max", "interval", "scale-in",
                           "scale-out", "out", "pixel", "tif", "xmin", "ymin", "srs"});
  if (!arguments.Has("tif") && (arguments.Has("xmin") || arguments.Has("ymin"))) {
    throw Error("The options --xmin and --ymin belong to --tif.");
  }
  LinearParameters parameters;
  parameters.ParamMinimum = arguments.Integer("min");
  parameters.ParamMaximum = arguments.Integer("max");
  parameters.ParamInterval = arguments.Integer("interval");
  parameters.ScaleInFactor = arguments.UnitFactorOf("scale-in");
  parameters.ScaleOutFactor = arguments.UnitFactorOf("scale-out");
  const std::string out = arguments.Text("out");
  ZoneParameters zone;
  zone.ZonePixelSize = arguments.PixelSizeOr("pixel", 0);
  const GeoOutputOptions geoOptions = ReadGeoOutputOptions(arguments);
  std::vector<NamedFile> outputs = RawDemOutputs(out, "--out");
  if (geoOptions.tif) outputs.push_back({*geoOptions.tif + ".tif", "--tif"});
  RefuseUnsafeOutputs(outputs, RasterInputFiles(arguments));
  const ImageSize size = RasterArgumentsSize(arguments);
  const std::uint64_t output =
      std::max(RawDemSaveMemoryBytes(size.lines, size.columns),
               geoOptions.tif ? GeoTiffSaveMemoryBytes(size.lines, size.columns) : 0);
  RequireCommandMemory(
      "linear", size,
      InterpolationCommandBytes(size, LinearMemoryBytes(size.lines, size.columns), output));
  SessionState session;
  const std::optional<GridGeoreference> mapGeoreference = LoadRasterArguments(session, arguments);
  const GeoOutputs geo =
      ResolveGeoOutputs(geoOptions, session, mapGeoreference, arguments.Text("raw"), zone);
  RunLinearInterpolation(session, parameters, TerminalProgress("Linear interpolation"));
  OutputBatch batch;
  AddDemRawFiles(batch, session, out, zone, geo.rawDemSideFiles,
                 TerminalProgress("Writing " + out + "_m4.raw"));
  AddTifOutput(batch, geoOptions, geo, session, parameters.ScaleOutFactor);
  batch.Commit();
  std::printf(
      "Linear interpolation written to %s_m4.raw (%d lines x %d columns), described in "
      "%s_m4.txt\n",
      out.c_str(), session.DemGrid.Lines(), session.DemGrid.Columns(), out.c_str());
  if (geoOptions.tif) {
    std::printf("GeoTIFF written to %s.tif (meters, CRS %s)\n", geoOptions.tif->c_str(),
                CrsLabel(geo.crs).c_str());
  }
  return 0;
}

const CliRegistration registration({
    "linear",
    "--raw MAP.raw --table TABLE.txt --min M --max M --interval I --scale-in UNIT "
    "--scale-out UNIT --out STEM [--pixel P] [--size FILE] [--tif OUT [--xmin X --ymin Y]] "
    "[--srs CRS]",
    "Interpolates the DEM linearly between successive contour lines, as Lineal "
    "Interpolation does, into STEM_m4.raw and STEM_m4.txt. --tif also writes the DEM in "
    "meters as the GeoTIFF OUT.tif, as for dilation.",
    RunLinear,
});

}  // namespace
}  // namespace zelmaro::cli
