// zelmaro-cli dilation: the Dilation command on a raw contour-line image, and the DEM
// saved as Save DEM writes it.
#include <algorithm>
#include <cstdio>
#include <optional>

#include "CliCommand.h"
#include "GeoOutputs.h"
#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/Units.h"
#include "gis/Crs.h"
#include "gis/GeoTiffMemory.h"
#include "interp/Dilation.h"
#include "interp/InterpolationMemory.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"
#include "raster/ShadeDem.h"

namespace zelmaro::cli {
namespace {

// Everything the options ask for, read before any work so that a wrong option never
// leaves half of the outputs behind.
struct DilationOptions {
  std::int32_t scaleIn = 0;
  std::int32_t scaleOut = 0;
  std::string out;
  ZoneParameters zone;
  std::optional<std::string> ascii;
  AsciiGridFrame frame;
  std::optional<std::string> shade;
  GeoOutputOptions geo;
};

DilationOptions ReadOptions(const CliArguments& arguments) {
  arguments.RejectUnknown({"raw", "table", "size", "scale-in", "scale-out", "out", "pixel", "asc",
                           "xmin", "ymin", "unit", "shade", "tif", "srs"});
  DilationOptions options;
  options.scaleIn = arguments.UnitFactorOf("scale-in");
  options.scaleOut = arguments.UnitFactorOf("scale-out");
  options.out = arguments.Text("out");
  options.zone.ZonePixelSize = arguments.PixelSizeOr("pixel", 1);
  options.ascii = arguments.OptionalText("asc");
  if (options.ascii) {
    options.frame.CellSize = options.zone.ZonePixelSize;
    options.frame.XMin = arguments.Real("xmin");
    options.frame.YMin = arguments.Real("ymin");
    options.frame.ValueFactor =
        arguments.Has("unit") ? arguments.UnitFactorOf("unit") : options.scaleOut;
  } else if (arguments.Has("unit") ||
             (!arguments.Has("tif") && (arguments.Has("xmin") || arguments.Has("ymin")))) {
    throw Error("The options --xmin, --ymin and --unit belong to --asc.");
  }
  options.shade = arguments.OptionalText("shade");
  options.geo = ReadGeoOutputOptions(arguments);
  return options;
}

// Every file the options name, checked against each other and against the inputs
// before anything is read.
std::vector<NamedFile> PlannedOutputs(const DilationOptions& options) {
  std::vector<NamedFile> outputs = RawDemOutputs(options.out, "--out");
  const auto add = [&outputs](const std::vector<NamedFile>& more) {
    outputs.insert(outputs.end(), more.begin(), more.end());
  };
  if (options.ascii) add(StemFiles(*options.ascii, {".asc", ".prj"}, "--asc"));
  if (options.geo.tif) add(StemFiles(*options.geo.tif, {".tif"}, "--tif"));
  if (options.shade) add(StemFiles(*options.shade, {".raw", ".txt"}, "--shade"));
  return outputs;
}

std::uint64_t DilationCommandBytes(const DilationOptions& options, const ImageSize& size) {
  const int lines = size.lines;
  const int columns = size.columns;
  std::uint64_t output = RawDemSaveMemoryBytes(lines, columns);
  if (options.ascii) output = std::max(output, AsciiGridSaveMemoryBytes(lines, columns));
  if (options.geo.tif) output = std::max(output, GeoTiffSaveMemoryBytes(lines, columns));
  if (options.shade) {
    output = std::max(output, AddBytes(ShadeMemoryBytes(lines, columns),
                                       RawImageSaveMemoryBytes(lines, columns)));
  }
  return InterpolationCommandBytes(size, DilationMemoryBytes(lines, columns), output);
}

int RunDilation(const CliArguments& arguments) {
  DilationOptions options = ReadOptions(arguments);
  const ImageSize size = RasterArgumentsSize(arguments);
  RefuseUnsafeOutputs(PlannedOutputs(options), RasterInputFiles(arguments));
  RequireCommandMemory("dilation", size, DilationCommandBytes(options, size));
  SessionState session;
  const std::optional<GridGeoreference> mapGeoreference = LoadRasterArguments(session, arguments);
  const GeoOutputs geo =
      ResolveGeoOutputs(options.geo, session, mapGeoreference, arguments.Text("raw"), options.zone);
  SeedDemGrid(session, options.scaleIn, options.scaleOut);
  DilationInterpolation(session, TerminalProgress("Dilation"));
  OutputBatch batch;
  AddDemRawFiles(batch, session, options.out, options.zone, geo.rawDemSideFiles,
                 TerminalProgress("Writing " + options.out + "_m4.raw"));
  if (options.ascii) {
    AddDemAsciiFiles(batch, session, *options.ascii, options.frame, geo.asciiSideFiles,
                     TerminalProgress("Writing " + *options.ascii + ".asc"));
  }
  AddTifOutput(batch, options.geo, geo, session, options.scaleOut);
  if (options.shade) {
    session.ShadedImage = ShadeDem(session.DemGrid, options.zone.ZonePixelSize, options.scaleOut,
                                   TerminalProgress("Shading"));
    AddShadedImageFiles(batch, session, *options.shade, options.zone);
  }
  batch.Commit();
  std::printf("DEM written to %s_m4.raw (%d lines x %d columns), described in %s_m4.txt\n",
              options.out.c_str(), session.DemGrid.Lines(), session.DemGrid.Columns(),
              options.out.c_str());
  if (options.ascii) std::printf("ASCII grid written to %s.asc\n", options.ascii->c_str());
  if (options.geo.tif) {
    std::printf("GeoTIFF written to %s.tif (meters, CRS %s)\n", options.geo.tif->c_str(),
                CrsLabel(geo.crs).c_str());
  }
  if (options.shade) {
    std::printf("Shaded image written to %s.raw, described in %s.txt\n", options.shade->c_str(),
                options.shade->c_str());
  }
  std::printf("DemMin %d\nDemMax %d\n", session.DemMin, session.DemMax);
  return 0;
}

const CliRegistration registration({
    "dilation",
    "--raw MAP.raw --table TABLE.txt --scale-in UNIT --scale-out UNIT --out STEM [--pixel P] "
    "[--size FILE] [--asc OUT --xmin X --ymin Y [--unit UNIT]] [--shade OUT] "
    "[--tif OUT [--xmin X --ymin Y]] [--srs CRS]",
    "Interpolates a raw contour-line image by dilation into STEM_m4.raw and STEM_m4.txt and "
    "prints DemMin and DemMax; the table's altitudes are in the --scale-in unit, the DEM's in "
    "the --scale-out unit. P is the pixel size in meters (1 when not given). --asc also writes "
    "the ASCII grid OUT.asc (values divided by --unit, the --scale-out unit when not given), "
    "--shade the shaded image OUT.raw. --tif writes the DEM in meters as the GeoTIFF "
    "OUT.tif, placed by --xmin/--ymin (the lower left corner) or else by the map's world "
    "file or coordinates; --srs (EPSG:n or WKT) gives the CRS where the map has no .prj. "
    "A known CRS also goes into a .prj beside every output. MAP.tif may be a GeoTIFF of "
    "codes.",
    RunDilation,
});

}  // namespace
}  // namespace zelmaro::cli
