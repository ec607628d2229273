#pragma once

#include <optional>
#include <string>

#include "CliCommand.h"
#include "core/FileIO.h"
#include "core/SessionState.h"
#include "core/ZoneParameters.h"
#include "gis/GridGeoreference.h"
#include "raster/OutputFiles.h"

namespace zelmaro::cli {

// What an interpolation's options say about the georeferenced outputs: --tif OUT, the
// lower left corner --xmin/--ymin shared with --asc, and --srs where the map carries no
// CRS. Read before any work.
struct GeoOutputOptions {
  std::optional<std::string> tif;
  std::optional<double> xMin;
  std::optional<double> yMin;
  bool pixelGiven = false;
  std::string srs;
};
GeoOutputOptions ReadGeoOutputOptions(const CliArguments& arguments);

// The same decided once the map is loaded: the CRS of the outputs and, when the map or
// the options place it, the DEM's georeference. With --tif, a map georeference without
// --pixel gives the zone its pixel size, and with --pixel both must agree. Throws Error, before
// anything is written, for --tif without any frame.
struct GeoOutputs {
  std::string crs;
  std::optional<GridGeoreference> georeference;
  SideFiles rawDemSideFiles;
  SideFiles asciiSideFiles;
};
GeoOutputs ResolveGeoOutputs(const GeoOutputOptions& options, const SessionState& session,
                             const std::optional<GridGeoreference>& mapGeoreference,
                             const std::string& mapPath, ZoneParameters& zone);

// Adds OUT.tif to the command's outputs when asked.
void AddTifOutput(OutputBatch& batch, const GeoOutputOptions& options, const GeoOutputs& outputs,
                  const SessionState& session, std::int32_t scaleOutFactor);

}  // namespace zelmaro::cli
