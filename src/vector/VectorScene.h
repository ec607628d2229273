#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ContourPolylines.h"
#include "core/Grid.h"
#include "core/SessionState.h"
#include "vector/DxfReader.h"
#include "vector/SegmentWalk.h"

namespace zelmaro {

// Marks a cell of the transient altitude grids of the vector road that no line crosses.
inline constexpr double NoVectorValue = 100000000.0;
// The interval of a scene without any contour cell below its highest level.
inline constexpr std::int32_t kNoHypsometricInterval = 10000000;
// Codes 1 to 254: 255 is the background of a contour-line image.
inline constexpr int kMostAltitudeLevels = 254;
// The preview must stay a picture: beyond this many cells of its altitude grid the
// frame is refused as impossible.
inline constexpr double kMostPreviewCells = 50'000'000.0;

// Told the fraction done (0 to 1) once per line of the picture being built.
using VectorProgress = std::function<void(double fraction)>;

// The frame of a vector scene: what the image window, the Info Vector Image dialog,
// the frame display of the selection dialog and the Dynamic Scale dialog show.
struct VectorSceneFrame {
  double XMin = 0.0;
  double YMin = 0.0;
  double XMax = 0.0;
  double YMax = 0.0;
  std::int32_t Lines = 0;
  std::int32_t Columns = 0;
  std::int32_t ScenePixelSize = 0;
  std::int32_t ZMin = 0;
  std::int32_t ZMax = 0;
  std::int32_t HypsometricInterval = 0;
};

// Everything a vector load produces before it reaches the session.
struct VectorScene {
  VectorSceneFrame frame;
  ByteGrid VectorImage;  // 0 where a contour line passes, 255 elsewhere
  AltitudeTableArray AltitudeTable{};
  std::int32_t AltitudeCount = 0;
  std::int32_t VertexSkipCount = 0;
  // True when the table was built from the altitudes of the vertices, not from a header
  // range: always for GIS sources, and for a DXF header whose ZMin equals its ZMax.
  bool AltitudesFromVertices = false;
  // The lines of a source that the zone selection cannot read again itself (every source
  // but DXF); nothing for DXF.
  std::shared_ptr<const ContourPolylines> Contours;
};

// The preview cell size, starting at 30 and growing by 10 until the frame fits in at
// most 1200 lines (columns are not limited), with the lines and columns it gives.
struct ScenePixelGrid {
  std::int32_t pixelSize = 0;
  std::int32_t lines = 0;
  std::int32_t columns = 0;
};
// Nothing for an empty or inverted frame, or one whose preview would not fit in memory.
std::optional<ScenePixelGrid> ChooseScenePixelSize(double xMin, double yMin, double xMax,
                                                   double yMax);

// Writes z into both end cells, then into every cell of the walk from `from` to `to`
// whose line is 0 to `lines` and column 0 to `columns`. Cells outside the grid are
// skipped.
void DrawSegment(DoubleGrid& altitudes, VectorCell from, VectorCell to, double z, int lines,
                 int columns);

// The distance from zMax down to the highest contour altitude below it among the
// lines x columns cells of the scene grid; kNoHypsometricInterval when there is none.
std::int32_t HypsometricInterval(const DoubleGrid& altitudes, int lines, int columns,
                                 std::int32_t zMax);

// The number of levels zMin, zMin + interval, ... up to zMax (0 when zMin > zMax).
std::int64_t AltitudeLevelCount(std::int32_t zMin, std::int32_t zMax, std::int32_t interval);

// The levels of a source without an altitude range: the distinct integer parts of the
// vertices' altitudes, ascending (altitudes that are not finite or lie beyond the 32-bit
// range, which no level could match, are left out), and the smallest step between two
// of them (kNoHypsometricInterval for fewer than two levels).
struct AltitudeLevels {
  std::vector<std::int32_t> levels;
  std::int32_t interval = kNoHypsometricInterval;
};
AltitudeLevels LevelsOfVertices(const std::vector<ContourPolyline>& polylines);

// Reads the whole file and builds the scene; the session is not touched. Throws Error
// naming the file for a file without a usable header extent, with vertices before
// $EXTMAX, with an impossible frame or with more than 254 altitude levels. A header
// whose ZMin equals its ZMax (as several writers leave it) gives no range: the table
// then comes from the vertices' altitudes.
VectorScene ReadVectorScene(DxfReader& reader, const VectorProgress& progress = {});

// The scene of contour lines read from any other source: the frame is theirs, the table
// their distinct altitudes and the interval its smallest step; the scene keeps the lines
// for the zone selection. Throws Error naming `sourceName` for an impossible frame, no
// altitude at all or more than 254 levels.
VectorScene BuildContourScene(std::shared_ptr<const ContourPolylines> contours,
                              const std::string& sourceName, const VectorProgress& progress = {});

// The Vectorial command after the file was chosen: reads the file at `path` whole and
// only then replaces the vector data of the session (preview, frame, altitude table,
// input names, VertexSkipCount, GeoReferenced, the kept lines; the CRS is cleared, a
// DXF file carries none). On Error the session is unchanged.
VectorSceneFrame RasterizeVectorScene(SessionState& session, const std::string& path,
                                      const VectorProgress& progress = {});
void CommitVectorScene(SessionState& session, const std::string& path, VectorScene&& scene);

}  // namespace zelmaro
