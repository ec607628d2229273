#include "DemOutputs.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "gis/Crs.h"
#include "gis/GeoTiffMemory.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"
#include "raster/ShadeDem.h"

namespace zelmaro::cli {
namespace {

// Every file the options name, checked against each other and against the inputs
// before anything is read.
std::vector<NamedFile> PlannedOutputs(const DemOutputOptions& options) {
  std::vector<NamedFile> outputs = RawDemOutputs(options.out, "--out");
  const auto add = [&outputs](const std::vector<NamedFile>& more) {
    outputs.insert(outputs.end(), more.begin(), more.end());
  };
  if (options.ascii) add(StemFiles(*options.ascii, {".asc", ".prj"}, "--asc"));
  if (options.geo.tif) add(StemFiles(*options.geo.tif, {".tif"}, "--tif"));
  if (options.shade) add(StemFiles(*options.shade, {".raw", ".txt"}, "--shade"));
  return outputs;
}

// The largest of the outputs' own needs: they are made one after the other.
std::uint64_t OutputBytes(const DemOutputOptions& options, const ImageSize& size) {
  const int lines = size.lines;
  const int columns = size.columns;
  std::uint64_t output = RawDemSaveMemoryBytes(lines, columns);
  if (options.ascii) output = std::max(output, AsciiGridSaveMemoryBytes(lines, columns));
  if (options.geo.tif) output = std::max(output, GeoTiffSaveMemoryBytes(lines, columns));
  if (options.shade) {
    output = std::max(output, AddBytes(ShadeMemoryBytes(lines, columns),
                                       RawImageSaveMemoryBytes(lines, columns)));
  }
  return output;
}

void WriteDemOutputs(const DemOutputOptions& options, const GeoOutputs& geo,
                     SessionState& session) {
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
}

}  // namespace

std::set<std::string> DemOutputOptionNames() {
  return {"raw", "table", "size", "scale-in", "scale-out", "out", "pixel",
          "asc", "xmin",  "ymin", "unit",     "shade",     "tif", "srs"};
}

DemOutputOptions ReadDemOutputOptions(const CliArguments& arguments) {
  DemOutputOptions options;
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

int RunRasterInterpolation(
    const CliArguments& arguments, const DemOutputOptions& options, const std::string& command,
    const std::function<std::uint64_t(int lines, int columns)>& interpolationBytes,
    const std::function<void(SessionState&)>& interpolate) {
  const ImageSize size = RasterArgumentsSize(arguments);
  RefuseUnsafeOutputs(PlannedOutputs(options), RasterInputFiles(arguments));
  RequireCommandMemory(command, size,
                       InterpolationCommandBytes(size, interpolationBytes(size.lines, size.columns),
                                                 OutputBytes(options, size)));
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
