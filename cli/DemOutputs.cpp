#include "DemOutputs.h"

#include <cstdio>

#include "TerminalProgress.h"
#include "core/Error.h"
#include "gis/Crs.h"
#include "raster/OutputFiles.h"
#include "raster/ShadeDem.h"

namespace zelmaro::cli {

std::set<std::string> DemOutputOptionNames() {
  return {"raw", "table", "size", "scale-in", "scale-out", "out", "pixel",
          "asc", "xmin",  "ymin", "unit",     "shade",     "tif", "srs"};
}

DemOutputOptions ReadDemOutputOptions(const CliArguments& arguments) {
  DemOutputOptions options;
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

void WriteDemOutputs(const DemOutputOptions& options, const GeoOutputs& geo,
                     SessionState& session) {
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
}

int RunRasterInterpolation(const CliArguments& arguments, const DemOutputOptions& options,
                           const std::function<void(SessionState&)>& interpolate) {
  SessionState session;
  const std::optional<GridGeoreference> mapGeoreference = LoadRasterArguments(session, arguments);
  DemOutputOptions resolved = options;
  const GeoOutputs geo = ResolveGeoOutputs(options.geo, session, mapGeoreference,
                                           arguments.Text("raw"), resolved.zone);
  interpolate(session);
  WriteDemOutputs(resolved, geo, session);
  std::printf("DemMin %d\nDemMax %d\n", session.DemMin, session.DemMax);
  return 0;
}

}  // namespace zelmaro::cli
