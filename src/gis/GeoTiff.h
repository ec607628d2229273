#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Grid.h"
#include "core/Progress.h"
#include "core/SessionState.h"
#include "gis/GridGeoreference.h"
#include "raster/RasterFiles.h"

namespace zelmaro {

// The value of a DEM GeoTIFF cell without altitude.
inline constexpr double kGeoTiffNoData = -9999.0;

// The DEM as a Cloud Optimized GeoTIFF: one Float32 band of altitudes in meters (each
// value divided by `unitFactor`, the factor of its unit), kGeoTiffNoData where a cell
// has no altitude, the georeference and its CRS, DEFLATE with the floating-point
// predictor, internal tiles and overviews. Written all at once under a temporary name
// in the same folder, then renamed; throws Error naming the file when it cannot be.
void WriteDemGeoTiff(const IntGrid& dem, std::int32_t unitFactor,
                     const GridGeoreference& georeference, const std::string& path,
                     const Progress& progress = {});
// The bytes of that file, for a command that writes it together with others.
std::string DemGeoTiffBytes(const IntGrid& dem, std::int32_t unitFactor,
                            const GridGeoreference& georeference, const std::string& path,
                            const Progress& progress = {});

// Save DEM as GeoTIFF: stem.tif of the session's DEM, whose unit is scaleOutFactor.
void SaveDemGeoTiff(const SessionState& session, const std::string& stem,
                    const GridGeoreference& georeference, std::int32_t scaleOutFactor,
                    const Progress& progress = {});

// Save Image: the shaded picture as stem.tif (one Byte band, georeferenced) or as
// stem.png (a picture only).
void SaveShadedGeoTiff(const SessionState& session, const std::string& stem,
                       const GridGeoreference& georeference);
void SaveShadedPng(const SessionState& session, const std::string& stem);

bool IsGeoTiffPath(const std::string& path);

// A GeoTIFF of contour codes (first band Byte, 255 the background) read as a raw map:
// the codes, the size, and its georeference when it has one (with its CRS). Throws Error
// naming the file for anything that is not such a picture, or a rotated one.
struct ContourGeoTiff {
  RasterImageData Image;
  std::optional<GridGeoreference> Georeference;
};
ContourGeoTiff ReadContourGeoTiff(const std::string& path);
// Its size alone, read from the header, so that a command can weigh its memory first.
ImageSize ContourGeoTiffSize(const std::string& path);

// The picture into the session as CommitRasterImage puts a raw map there, with its CRS.
void CommitContourGeoTiff(SessionState& session, ContourGeoTiff&& map);

}  // namespace zelmaro
