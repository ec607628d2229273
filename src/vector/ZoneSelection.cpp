#include "vector/ZoneSelection.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Error.h"
#include "core/NeighbourScan.h"
#include "core/NumberText.h"
#include "core/ProgressPacing.h"
#include "vector/DxfPolylineScan.h"
#include "vector/PolylineWalk.h"
#include "vector/SegmentWalk.h"

namespace zelmaro {
namespace {

constexpr double kLargestZoneCoordinate = 1e9;

constexpr DeletionMask kStaircaseCorners = MaskOfCodes(kStaircaseCornerCodes);
constexpr DeletionMask kInnerCorners = MaskOfCodes(kInnerCornerCodes);

std::int32_t CountAt(double extent, std::int32_t pixelSize) {
  return RoundHalfUp(extent / pixelSize);
}

std::uint8_t CodeOfAltitude(const SessionState& session, double z) {
  const double level = std::trunc(z);
  for (int code = 1; code <= session.AltitudeCount && code < kBackgroundCode; ++code) {
    if (session.AltitudeTable[code] == level) return static_cast<std::uint8_t>(code);
  }
  return kBackgroundCode;
}

void CheckZone(const SessionState& session, const ZoneParameters& zone) {
  if (session.VectorImageAllocated == 0) {
    throw Error("No vector scene is loaded: open a DXF file with Vectorial first.");
  }
  // A raster load since the scene replaced InputPath with the raw file, which must not
  // be read as a DXF file.
  if (session.GeoReferenced == 0) {
    throw Error(
        "The data in use come from a raw raster, not from the DXF scene: open the "
        "DXF file again with Vectorial before extracting a zone.");
  }
  if (zone.ZonePixelSize <= 0) {
    throw Error("The pixel size of the zone must be above 0 (it is " +
                std::to_string(zone.ZonePixelSize) + ").");
  }
  for (double value : {zone.ZoneXMin, zone.ZoneYMin, zone.ZoneXMax, zone.ZoneYMax}) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestZoneCoordinate) {
      throw Error("The zone corner coordinate " + FormatGeneral15(value) + " is impossible.");
    }
  }
  const double columns = std::trunc((zone.ZoneXMax - zone.ZoneXMin) / zone.ZonePixelSize + 0.5);
  const double lines = std::trunc((zone.ZoneYMax - zone.ZoneYMin) / zone.ZonePixelSize + 0.5);
  if (columns < 1 || lines < 1) {
    throw Error("The zone from (" + FormatGeneral15(zone.ZoneXMin) + ", " +
                FormatGeneral15(zone.ZoneYMin) + ") to (" + FormatGeneral15(zone.ZoneXMax) + ", " +
                FormatGeneral15(zone.ZoneYMax) + ") is smaller than one pixel of " +
                std::to_string(zone.ZonePixelSize) + ".");
  }
  if ((lines + 10) * (columns + 10) > kMostZoneCells) {
    throw Error("A zone of " + FormatGeneral15(lines) + " lines x " + FormatGeneral15(columns) +
                " columns at pixel size " + std::to_string(zone.ZonePixelSize) +
                " is too large; choose a larger pixel size or a smaller zone.");
  }
}

// A working image without a single contour cell would only interpolate to nothing: the
// zone is refused, saying why, and the session keeps its previous zone.
void RequireContourCells(const SessionState& session, const ZoneParameters& zone,
                         const ByteGrid& image, bool crossed) {
  for (std::uint8_t code : image.Cells()) {
    if (code != kBackgroundCode) return;
  }
  const std::string where =
      "The zone from (" + FormatGeneral15(zone.ZoneXMin) + ", " + FormatGeneral15(zone.ZoneYMin) +
      ") to (" + FormatGeneral15(zone.ZoneXMax) + ", " + FormatGeneral15(zone.ZoneYMax) + ")";
  if (!crossed) throw Error(where + " holds no contour cell: no contour line crosses it.");
  std::string levels = "the altitude table is empty";
  if (session.AltitudeCount > 0) {
    const int last = std::min<int>(session.AltitudeCount, kAltitudeTableSize - 1);
    levels = "the table holds " + std::to_string(session.AltitudeCount) + " levels, from " +
             std::to_string(session.AltitudeTable[1]) + " to " +
             std::to_string(session.AltitudeTable[last]);
  }
  throw Error(where +
              " holds no contour cell: none of the contour lines crossing it has an altitude "
              "that is a level of the altitude table (" +
              levels + ").");
}

}  // namespace

void RemoveZoneCorners(ByteGrid& image) {
  // A zone holds only the codes 1 to 254 of its table and the background.
  const ScanArea area{image.Lines(), image.Columns()};
  DeleteMatchingCells(image, area, kBackgroundCode - 1, kStaircaseCorners);
  DeleteMatchingCells(image, area, kBackgroundCode - 1, kInnerCorners);
}

ZoneSelection SelectZone(SessionState& session, const ZoneParameters& zone,
                         const Progress& progress) {
  CheckZone(session, zone);
  const std::int32_t pixelSize = zone.ZonePixelSize;
  const std::int32_t columns = CountAt(zone.ZoneXMax - zone.ZoneXMin, pixelSize);
  const std::int32_t lines = CountAt(zone.ZoneYMax - zone.ZoneYMin, pixelSize);
  const std::int32_t sceneLines = CountAt(session.VectorYMax - session.VectorYMin, pixelSize);
  const std::int32_t firstLine = CountAt(session.VectorYMax - zone.ZoneYMax, pixelSize);
  const std::int32_t firstColumn = CountAt(zone.ZoneXMin - session.VectorXMin, pixelSize);
  const std::int32_t lastLine = CountAt(session.VectorYMax - zone.ZoneYMin, pixelSize);
  const std::int32_t lastColumn = CountAt(zone.ZoneXMax - session.VectorXMin, pixelSize);

  // Each cell takes the code of the last segment drawn through it; a segment whose
  // altitude is no level of the table clears the cells it crosses.
  ByteGrid image(lines, columns, kBackgroundCode);
  bool crossed = false;
  const PolylineGrid grid{session.VectorXMin, session.VectorYMin, static_cast<double>(sceneLines),
                          static_cast<double>(pixelSize)};
  // The zone's window in scene cells; the image may end a cell short of it.
  const auto windowEnd = [](std::int32_t first, std::int32_t last, std::int32_t count) {
    return static_cast<int>(std::min<std::int64_t>(last, std::int64_t{first} + count - 1));
  };
  const CellWindow window{firstLine, windowEnd(firstLine, lastLine, lines), firstColumn,
                          windowEnd(firstColumn, lastColumn, columns)};
  const auto drawSegment = [&](VectorCell from, VectorCell to, double z) {
    const std::uint8_t code = CodeOfAltitude(session, z);
    WalkSegment(from, to, window, [&](int line, int column) {
      image[line - firstLine][column - firstColumn] = code;
      crossed = true;
    });
  };
  PacedProgress paced(progress);
  if (session.VectorContours) {
    // Other sources keep their lines from the load.
    WalkPolylines(session.VectorContours->Polylines, grid, drawSegment);
  } else {
    // A DXF file is read again, as it stands now, and its lines are drawn as they are
    // read, in the order of the file, as the walk over its polylines would draw them.
    DxfReader reader = DxfReader::Open(session.InputPath);
    const double size = static_cast<double>(std::max<std::size_t>(reader.Size(), 1));
    VectorCell current;
    ScanPolylines(
        reader, session.VertexSkipCount, [](std::string_view) {},
        [&](const DxfVertex& vertex, bool first) {
          paced.Report(0.9 * static_cast<double>(reader.Position()) / size);
          VectorCell cell;
          if (!std::isfinite(vertex.Z) || !MapPointCell(vertex.X, vertex.Y, grid.xMin, grid.yMin,
                                                        grid.lines, grid.pixelSize, cell)) {
            return false;
          }
          if (!first) drawSegment(current, cell, vertex.Z);
          current = cell;
          return true;
        });
  }
  paced.ReportNow(0.9);
  RemoveZoneCorners(image);
  RequireContourCells(session, zone, image, crossed);
  ByteGrid comeBack = image;
  paced.ReportNow(1.0);

  session.ComeBackImage = std::move(comeBack);
  session.ContourImage = std::move(image);
  session.ContourGridLines = lines;
  session.ContourGridColumns = columns;
  session.WorkLines = lines;
  session.WorkColumns = columns;
  session.RasterSession = 0;
  session.EditableImage = 1;
  session.ZoneSelected = 1;
  return {zone, lines, columns};
}

}  // namespace zelmaro
