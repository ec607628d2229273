#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/AsciiGridFrame.h"
#include "core/ZoneParameters.h"
#include "raster/OutputFiles.h"
#include "raster/RasterFiles.h"

namespace zelmaro {

// Where a grid lies on the map: the map position of the outer top left corner of its
// top left cell and the size of its square cells, with its CRS (WKT, empty when
// unknown). This is what a GeoTIFF geotransform says.
struct GridGeoreference {
  double Left = 0.0;
  double Top = 0.0;
  double CellSize = 0.0;
  std::string CrsWkt;
};

// The georeference of a working image made by a zone selection. The zone is drawn with
// the cell of a vertex at (ZoneXMin, ZoneYMax) as its top left cell, so cell centres lie
// on the zone's corners and the grid reaches half a cell beyond them.
GridGeoreference GeoreferenceOfZone(const ZoneParameters& zone, const std::string& crsWkt);

// The georeference of a grid whose outer lower left corner is given, as the ASCII grid's
// xllcorner and yllcorner state it.
GridGeoreference GeoreferenceOfLowerLeft(double xMin, double yMin, double cellSize, int lines,
                                         const std::string& crsWkt);

// The ASCII grid frame of the same georeference (its lower left corner), so that both
// outputs of one DEM lie on the same cells.
AsciiGridFrame AsciiFrameOf(const GridGeoreference& georeference, int lines,
                            std::int32_t valueFactor);

// The zone that the descriptive files, the shading and the saves expect for a
// georeferenced grid of `lines` x `columns` cells: ZoneXMin and ZoneYMax at the centre of
// its top left cell, a zone `columns` x `lines` cells large, and the pixel size rounded
// to whole map units (the zone's only inexact part when the cells are not whole units).
ZoneParameters ZoneOfGeoreference(const GridGeoreference& georeference, int lines, int columns);

// A world file: pixel width, two rotation terms, pixel height (negative), then the
// centre of the top left cell. Throws Error naming the file when it does not hold six
// numbers, is rotated, or has no square cells.
GridGeoreference ReadWorldFile(const std::string& path);

// The coordinates block of a descriptive file (as Save Selection writes it) with its
// pixel size; nothing when the file has no such block or only zero corners.
std::optional<GridGeoreference> ReadDescriptiveGeoreference(const std::string& path);

// The frame of an ESRI raster header (".hdr" beside a raw file, as written beside a raw
// DEM); nothing when there is no such file. Throws Error naming the file when it lacks
// the cell centre of the top left cell (ULXMAP, ULYMAP) or square cells (XDIM, YDIM).
std::optional<GridGeoreference> ReadRasterHeaderGeoreference(const std::string& path);

// The georeference of a raw contour map: a world file beside it (".wld", then ".rww"),
// else the coordinates block of its size file; the CRS from the ".prj" beside it.
// Nothing when the map has no frame.
std::optional<GridGeoreference> ReadRawMapGeoreference(const std::string& rawPath,
                                                       const std::string& sizePath);

// The ".prj" and an ESRI raster header ".hdr" for a raw file of `bits`-bit cells (32:
// signed integers, 8: bytes), so that a GIS opens it in place; nothing when the CRS is
// unknown.
SideFiles RawGridSideFiles(const GridGeoreference& georeference, int lines, int columns, int bits,
                           double noData);

}  // namespace zelmaro
