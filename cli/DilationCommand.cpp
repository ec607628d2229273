// zelmaro-cli dilation: the Dilation command on a raw contour-line image, and the DEM
// saved as Save DEM writes it.
#include <cstdio>
#include <optional>

#include "CliCommand.h"
#include "GeoOutputs.h"
#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/Units.h"
#include "gis/Crs.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
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
  options.zone.ZonePixelSize = arguments.IntegerOr("pixel", 1);
  if (options.zone.ZonePixelSize <= 0) {
    throw Error("The option --pixel needs a pixel size of at least 1 meter.");
  }
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

int RunDilation(const CliArguments& arguments) {
  DilationOptions options = ReadOptions(arguments);
  SessionState session;
  const std::optional<GridGeoreference> mapGeoreference = LoadRasterArguments(session, arguments);
  const GeoOutputs geo =
      ResolveGeoOutputs(options.geo, session, mapGeoreference, arguments.Text("raw"), options.zone);
  SeedDemGrid(session, options.scaleIn, options.scaleOut);
  DilationInterpolation(session, TerminalProgress("Dilation"));
  SaveDemRaw(session, options.out, options.zone, geo.rawDemSideFiles,
             TerminalProgress("Writing " + options.out + "_m4.raw"));
  std::printf("DEM written to %s_m4.raw (%d lines x %d columns), described in %s_m4.txt\n",
              options.out.c_str(), session.DemGrid.Lines(), session.DemGrid.Columns(),
              options.out.c_str());
  if (options.ascii) {
    SaveDemAscii(session, *options.ascii, options.frame, geo.asciiSideFiles,
                 TerminalProgress("Writing " + *options.ascii + ".asc"));
    std::printf("ASCII grid written to %s.asc\n", options.ascii->c_str());
  }
  if (WriteTifOutput(options.geo, geo, session, options.scaleOut)) {
    std::printf("GeoTIFF written to %s.tif (meters, CRS %s)\n", options.geo.tif->c_str(),
                CrsLabel(geo.crs).c_str());
  }
  if (options.shade) {
    session.ShadedImage = ShadeDem(session.DemGrid, options.zone.ZonePixelSize, options.scaleOut,
                                   TerminalProgress("Shading"));
    SaveShadedImage(session, *options.shade, options.zone);
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
