#include "GeoOutputs.h"

#include <cmath>

#include "core/Error.h"
#include "core/NumberText.h"
#include "gis/Crs.h"
#include "gis/GeoTiff.h"
#include "interp/Dilation.h"

namespace zelmaro::cli {

GeoOutputOptions ReadGeoOutputOptions(const CliArguments& arguments) {
  GeoOutputOptions options;
  options.tif = arguments.OptionalText("tif");
  if (arguments.Has("xmin") || arguments.Has("ymin")) {
    options.xMin = arguments.Real("xmin");
    options.yMin = arguments.Real("ymin");
  }
  options.pixelGiven = arguments.Has("pixel");
  options.srs = arguments.OptionalText("srs").value_or("");
  return options;
}

GeoOutputs ResolveGeoOutputs(const GeoOutputOptions& options, const SessionState& session,
                             const std::optional<GridGeoreference>& mapGeoreference,
                             const std::string& mapPath, ZoneParameters& zone) {
  GeoOutputs outputs;
  outputs.crs = ChooseCrs(session.CrsWkt, mapPath, options.srs);
  const int lines = session.ContourImage.Lines();
  if (options.xMin) {
    outputs.georeference = GeoreferenceOfLowerLeft(*options.xMin, *options.yMin, zone.ZonePixelSize,
                                                   lines, outputs.crs);
  } else if (mapGeoreference) {
    outputs.georeference = *mapGeoreference;
    outputs.georeference->CrsWkt = outputs.crs;
    // Only --tif lets the map's cells set the pixel size: without it the outputs stay
    // as they always were.
    const double cell = mapGeoreference->CellSize;
    if (options.tif && !options.pixelGiven) {
      zone.ZonePixelSize = static_cast<std::int32_t>(std::lround(cell));
    } else if (options.tif && std::fabs(cell - zone.ZonePixelSize) > 1e-9 * cell) {
      throw Error("The map " + mapPath + " has cells of " + FormatGeneral15(cell) +
                  " map units, not the --pixel " + std::to_string(zone.ZonePixelSize) + " given.");
    }
  }
  if (options.tif && !outputs.georeference) {
    throw Error("The map " + mapPath +
                " has no georeference (no world file, no coordinates in its size file): give "
                "--xmin and --ymin, the lower left corner, for --tif.");
  }
  if (outputs.georeference && outputs.georeference->CellSize <= 0) {
    throw Error("A georeferenced DEM needs a --pixel size above 0.");
  }
  if (outputs.georeference) {
    outputs.rawDemSideFiles = RawGridSideFiles(*outputs.georeference, lines,
                                               session.ContourImage.Columns(), 32, NoAltitude);
  } else {
    outputs.rawDemSideFiles = ProjectionSideFiles(outputs.crs);
  }
  outputs.asciiSideFiles = ProjectionSideFiles(outputs.crs);
  return outputs;
}

void AddTifOutput(OutputBatch& batch, const GeoOutputOptions& options, const GeoOutputs& outputs,
                  const SessionState& session, std::int32_t scaleOutFactor) {
  if (!options.tif) return;
  const std::string path = *options.tif + ".tif";
  batch.Add(path, DemGeoTiffBytes(session.DemGrid, scaleOutFactor, *outputs.georeference, path));
}

}  // namespace zelmaro::cli
