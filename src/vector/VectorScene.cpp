#include "vector/VectorScene.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/Error.h"
#include "core/FileIO.h"
#include "core/NumberText.h"
#include "vector/DxfPolylineScan.h"
#include "vector/PolylineWalk.h"

namespace zelmaro {
namespace {

// Map coordinates beyond this are left-over defaults of some writers (1e+20), not a
// place on Earth in any projection.
constexpr double kLargestCoordinate = 1e9;
constexpr std::int32_t kFirstScenePixelSize = 30;
constexpr std::int32_t kScenePixelSizeStep = 10;
constexpr std::int32_t kMostPreviewLines = 1200;

std::int32_t RoundedCount(double extent, std::int32_t pixelSize) {
  return static_cast<std::int32_t>(std::trunc(extent / pixelSize + 0.5));
}

[[noreturn]] void Refuse(const DxfReader& reader, const std::string& problem) {
  throw Error("The DXF file " + reader.Path() + " " + problem);
}

double RequireValue(const DxfReader& reader, const std::optional<double>& value, const char* record,
                    const char* what) {
  if (!value) Refuse(reader, std::string("has no ") + what + " in its " + record + ".");
  if (!std::isfinite(*value) || std::fabs(*value) > kLargestCoordinate) {
    Refuse(reader, std::string("has an impossible ") + what + " in its " + record + ": " +
                       FormatGeneral15(*value) + ".");
  }
  return *value;
}

std::int32_t HeaderAltitude(const DxfReader& reader, const std::optional<double>& z,
                            const char* record) {
  return static_cast<std::int32_t>(std::trunc(RequireValue(reader, z, record, "Z (group 30)")));
}

std::string ExtentText(double xMin, double yMin, double xMax, double yMax) {
  return "from (" + FormatGeneral15(xMin) + ", " + FormatGeneral15(yMin) + ") to (" +
         FormatGeneral15(xMax) + ", " + FormatGeneral15(yMax) + ")";
}

// A frame thinner than half a preview cell rounds to no line or no column: there would
// be nowhere to draw its contour lines.
void RequirePreviewCells(const ScenePixelGrid& grid, double width, double height,
                         const std::string& subject) {
  if (grid.lines >= 1 && grid.columns >= 1) return;
  throw Error(subject + " has a frame of " + FormatGeneral15(width) + " by " +
              FormatGeneral15(height) + " map units, too narrow for one preview cell of " +
              std::to_string(grid.pixelSize) + ": its preview would have " +
              std::to_string(grid.lines) + " lines x " + std::to_string(grid.columns) +
              " columns.");
}

// The altitudes of the scene grid: every segment drawn as it comes, the last one
// through a cell deciding its altitude.
DoubleGrid DrawSceneAltitudes(const std::vector<ContourPolyline>& polylines,
                              const VectorSceneFrame& frame) {
  DoubleGrid altitudes = AllocDoubleGrid(frame.Columns + 10, frame.Lines + 10);
  altitudes.Fill(NoVectorValue);
  const PolylineGrid grid{frame.XMin, frame.YMin, static_cast<double>(frame.Lines),
                          static_cast<double>(frame.ScenePixelSize)};
  WalkPolylines(polylines, grid, [&](VectorCell from, VectorCell to, double z) {
    DrawSegment(altitudes, from, to, z, frame.Lines, frame.Columns);
  });
  return altitudes;
}

ByteGrid PreviewImage(const DoubleGrid& altitudes, const VectorSceneFrame& frame,
                      const VectorProgress& progress) {
  ByteGrid image(frame.Lines, frame.Columns, kBackgroundCode);
  for (int line = 0; line < frame.Lines; ++line) {
    if (progress) progress(static_cast<double>(line) / frame.Lines);
    const double* row = altitudes[line];
    std::uint8_t* picture = image[line];
    for (int column = 0; column < frame.Columns; ++column) {
      if (row[column] != NoVectorValue) picture[column] = 0;
    }
  }
  return image;
}

void PutLevels(VectorScene& scene, const std::vector<std::int32_t>& levels) {
  for (std::size_t k = 0; k < levels.size(); ++k) scene.AltitudeTable[k + 1] = levels[k];
  scene.AltitudeCount = static_cast<std::int32_t>(levels.size());
}

// The levels found on the vertices, refused beyond what a contour-line image holds.
AltitudeLevels RequireVertexLevels(const std::vector<ContourPolyline>& polylines,
                                   const std::string& sourceName) {
  AltitudeLevels found = LevelsOfVertices(polylines);
  if (found.levels.size() > static_cast<std::size_t>(kMostAltitudeLevels)) {
    throw Error(sourceName + " needs " + std::to_string(found.levels.size()) +
                " altitude levels (its contour lines hold that many distinct altitudes, from " +
                std::to_string(found.levels.front()) + " to " +
                std::to_string(found.levels.back()) + "); a contour-line image holds at most " +
                std::to_string(kMostAltitudeLevels) + ".");
  }
  return found;
}

// The pass over the file: header extents, then the contour lines as they arrive.
class SceneBuilder {
 public:
  explicit SceneBuilder(DxfReader& reader) : reader_(reader) {}

  void OnToken(std::string_view token) {
    if (token == kDxfExtMin) {
      sawExtMin_ = true;
      extMin_.Merge(reader_.ReadHeaderExtents());
    } else if (token == kDxfExtMax) {
      sawExtMax_ = true;
      extMax_.Merge(reader_.ReadHeaderExtents());
      BuildFrame();
    }
  }

  void BeforeVertex() const {
    if (!frameBuilt_) {
      if (!sawExtMin_ && !sawExtMax_) {
        Refuse(reader_, "has no header extent ($EXTMIN, $EXTMAX) before its contour lines.");
      }
      Refuse(reader_, "lists contour lines before its $EXTMAX.");
    }
  }

  VectorScene Finish(const std::vector<ContourPolyline>& polylines,
                     const VectorProgress& progress) {
    if (!sawExtMin_ && !sawExtMax_) Refuse(reader_, "has no header extent ($EXTMIN, $EXTMAX).");
    if (!sawExtMax_) Refuse(reader_, "has no $EXTMAX in its header.");
    frame_.ZMin = HeaderAltitude(reader_, extMin_.Z, "$EXTMIN");
    frame_.ZMax = HeaderAltitude(reader_, extMax_.Z, "$EXTMAX");
    const DoubleGrid altitudes = DrawSceneAltitudes(polylines, frame_);
    VectorScene scene;
    scene.VectorImage = PreviewImage(altitudes, frame_, progress);
    if (frame_.ZMin == frame_.ZMax) {
      const AltitudeLevels found = RequireVertexLevels(polylines, "The DXF file " + reader_.Path());
      if (!found.levels.empty()) {
        frame_.ZMin = found.levels.front();
        frame_.ZMax = found.levels.back();
        frame_.HypsometricInterval = found.interval;
        PutLevels(scene, found.levels);
        scene.AltitudesFromVertices = true;
        scene.frame = frame_;
        return scene;
      }
    }
    frame_.HypsometricInterval =
        HypsometricInterval(altitudes, frame_.Lines, frame_.Columns, frame_.ZMax);
    const std::int64_t levels =
        AltitudeLevelCount(frame_.ZMin, frame_.ZMax, frame_.HypsometricInterval);
    if (levels > kMostAltitudeLevels) {
      Refuse(reader_, "needs " + std::to_string(levels) + " altitude levels (from " +
                          std::to_string(frame_.ZMin) + " to " + std::to_string(frame_.ZMax) +
                          " every " + std::to_string(frame_.HypsometricInterval) +
                          "); a contour-line image holds at most " +
                          std::to_string(kMostAltitudeLevels) + ".");
    }
    std::int64_t altitude = frame_.ZMin;
    for (int code = 1; code <= levels; ++code) {
      scene.AltitudeTable[code] = static_cast<std::int32_t>(altitude);
      altitude += frame_.HypsometricInterval;
    }
    scene.AltitudeCount = static_cast<std::int32_t>(levels);
    scene.frame = frame_;
    return scene;
  }

 private:
  void BuildFrame() {
    const double xMin = RequireValue(reader_, extMin_.X, "$EXTMIN", "X (group 10)");
    const double yMin = RequireValue(reader_, extMin_.Y, "$EXTMIN", "Y (group 20)");
    const double xMax = RequireValue(reader_, extMax_.X, "$EXTMAX", "X (group 10)");
    const double yMax = RequireValue(reader_, extMax_.Y, "$EXTMAX", "Y (group 20)");
    if (xMax <= xMin || yMax <= yMin) {
      Refuse(reader_, "has an impossible extent: " + ExtentText(xMin, yMin, xMax, yMax) + ".");
    }
    const std::optional<ScenePixelGrid> chosen = ChooseScenePixelSize(xMin, yMin, xMax, yMax);
    if (!chosen) {
      Refuse(reader_, "has a frame of " + FormatGeneral15(xMax - xMin) + " by " +
                          FormatGeneral15(yMax - yMin) +
                          " map units, too large to draw as a preview.");
    }
    const ScenePixelGrid& grid = *chosen;
    RequirePreviewCells(grid, xMax - xMin, yMax - yMin, "The DXF file " + reader_.Path());
    frame_.XMin = xMin;
    frame_.YMin = yMin;
    frame_.XMax = xMax;
    frame_.YMax = yMax;
    frame_.ScenePixelSize = grid.pixelSize;
    frame_.Lines = grid.lines;
    frame_.Columns = grid.columns;
    frameBuilt_ = true;
  }

  DxfReader& reader_;
  HeaderPoint extMin_;
  HeaderPoint extMax_;
  bool sawExtMin_ = false;
  bool sawExtMax_ = false;
  bool frameBuilt_ = false;
  VectorSceneFrame frame_;
};

}  // namespace

std::optional<ScenePixelGrid> ChooseScenePixelSize(double xMin, double yMin, double xMax,
                                                   double yMax) {
  const double width = xMax - xMin;
  const double height = yMax - yMin;
  if (!(width > 0 && height > 0 && width <= 2 * kLargestCoordinate &&
        height <= 2 * kLargestCoordinate)) {
    return std::nullopt;
  }
  ScenePixelGrid grid;
  grid.pixelSize = kFirstScenePixelSize;
  while (std::trunc(height / grid.pixelSize + 0.5) > kMostPreviewLines) {
    grid.pixelSize += kScenePixelSizeStep;
  }
  const double lines = std::trunc(height / grid.pixelSize + 0.5);
  const double columns = std::trunc(width / grid.pixelSize + 0.5);
  if ((lines + 10) * (columns + 10) > kMostPreviewCells) return std::nullopt;
  grid.lines = RoundedCount(height, grid.pixelSize);
  grid.columns = RoundedCount(width, grid.pixelSize);
  return grid;
}

void DrawSegment(DoubleGrid& altitudes, VectorCell from, VectorCell to, double z, int lines,
                 int columns) {
  if (altitudes.Contains(from.line, from.column)) altitudes[from.line][from.column] = z;
  if (altitudes.Contains(to.line, to.column)) altitudes[to.line][to.column] = z;
  const CellWindow window{0, std::min(lines, altitudes.Lines() - 1), 0,
                          std::min(columns, altitudes.Columns() - 1)};
  WalkSegment(from, to, window, [&](int line, int column) { altitudes[line][column] = z; });
}

std::int32_t HypsometricInterval(const DoubleGrid& altitudes, int lines, int columns,
                                 std::int32_t zMax) {
  std::int32_t interval = kNoHypsometricInterval;
  for (int line = 0; line < lines; ++line) {
    const double* row = altitudes[line];
    for (int column = 0; column < columns; ++column) {
      if (row[column] == NoVectorValue) continue;
      // In doubles: a stray altitude far beyond the 32-bit range must not wrap around.
      const double distance = zMax - std::trunc(row[column]);
      if (distance > 0 && distance < interval) interval = static_cast<std::int32_t>(distance);
    }
  }
  return interval;
}

std::int64_t AltitudeLevelCount(std::int32_t zMin, std::int32_t zMax, std::int32_t interval) {
  if (zMin > zMax) return 0;
  return (std::int64_t{zMax} - zMin) / interval + 1;
}

VectorScene ReadVectorScene(DxfReader& reader, const VectorProgress& progress) {
  const int skip = CountVertexSkip(reader);
  SceneBuilder builder(reader);
  const std::vector<ContourPolyline> polylines = CollectPolylines(
      reader, skip, [&](std::string_view token) { builder.OnToken(token); },
      [&] { builder.BeforeVertex(); });
  VectorScene scene = builder.Finish(polylines, progress);
  scene.VertexSkipCount = skip;
  return scene;
}

AltitudeLevels LevelsOfVertices(const std::vector<ContourPolyline>& polylines) {
  std::vector<std::int32_t> levels;
  for (const ContourPolyline& polyline : polylines) {
    for (const ContourVertex& vertex : polyline) {
      const double level = std::trunc(vertex.Z);
      if (!(level >= -2147483648.0 && level <= 2147483647.0)) continue;
      levels.push_back(static_cast<std::int32_t>(level));
    }
  }
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  AltitudeLevels found;
  for (std::size_t k = 1; k < levels.size(); ++k) {
    const std::int64_t step = std::int64_t{levels[k]} - levels[k - 1];
    if (step < found.interval) found.interval = static_cast<std::int32_t>(step);
  }
  found.levels = std::move(levels);
  return found;
}

VectorScene BuildContourScene(std::shared_ptr<const ContourPolylines> contours,
                              const std::string& sourceName, const VectorProgress& progress) {
  const MapExtent& extent = contours->Frame;
  for (double value : {extent.XMin, extent.YMin, extent.XMax, extent.YMax}) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestCoordinate) {
      throw Error(sourceName + " has an impossible frame: " +
                  ExtentText(extent.XMin, extent.YMin, extent.XMax, extent.YMax) + ".");
    }
  }
  if (extent.XMax <= extent.XMin || extent.YMax <= extent.YMin) {
    throw Error(sourceName + " has contour lines that span no area: their frame runs " +
                ExtentText(extent.XMin, extent.YMin, extent.XMax, extent.YMax) + ".");
  }
  const std::optional<ScenePixelGrid> chosen =
      ChooseScenePixelSize(extent.XMin, extent.YMin, extent.XMax, extent.YMax);
  if (!chosen) {
    throw Error(sourceName + " has a frame of " + FormatGeneral15(extent.XMax - extent.XMin) +
                " by " + FormatGeneral15(extent.YMax - extent.YMin) +
                " map units, too large to draw as a preview.");
  }
  RequirePreviewCells(*chosen, extent.XMax - extent.XMin, extent.YMax - extent.YMin, sourceName);
  const AltitudeLevels found = RequireVertexLevels(contours->Polylines, sourceName);
  if (found.levels.empty()) throw Error(sourceName + " has no contour line with an altitude.");
  VectorSceneFrame frame;
  frame.XMin = extent.XMin;
  frame.YMin = extent.YMin;
  frame.XMax = extent.XMax;
  frame.YMax = extent.YMax;
  frame.ScenePixelSize = chosen->pixelSize;
  frame.Lines = chosen->lines;
  frame.Columns = chosen->columns;
  frame.ZMin = found.levels.front();
  frame.ZMax = found.levels.back();
  frame.HypsometricInterval = found.interval;
  VectorScene scene;
  scene.VectorImage = PreviewImage(DrawSceneAltitudes(contours->Polylines, frame), frame, progress);
  PutLevels(scene, found.levels);
  scene.AltitudesFromVertices = true;
  scene.frame = frame;
  scene.Contours = std::move(contours);
  return scene;
}

VectorSceneFrame RasterizeVectorScene(SessionState& session, const std::string& path,
                                      const VectorProgress& progress) {
  DxfReader reader = DxfReader::Open(path);
  VectorScene scene = ReadVectorScene(reader, progress);
  const VectorSceneFrame frame = scene.frame;
  CommitVectorScene(session, path, std::move(scene));
  return frame;
}

void CommitVectorScene(SessionState& session, const std::string& path, VectorScene&& scene) {
  const VectorSceneFrame& frame = scene.frame;
  session.InputFileName = path;
  session.InputPath = path;
  session.CaptionPath = path;
  session.InputDirectory = FolderOf(path);
  session.VertexSkipCount = scene.VertexSkipCount;
  session.GeoReferenced = 1;
  session.VectorImage = std::move(scene.VectorImage);
  session.VectorImageAllocated = 1;
  session.VectorLines = frame.Lines;
  session.VectorColumns = frame.Columns;
  session.VectorXMin = frame.XMin;
  session.VectorXMax = frame.XMax;
  session.VectorYMin = frame.YMin;
  session.VectorYMax = frame.YMax;
  session.ImageLines = frame.Lines;
  session.ImageColumns = frame.Columns;
  session.AltitudeTable = scene.AltitudeTable;
  session.AltitudeCount = scene.AltitudeCount;
  session.VectorContours = std::move(scene.Contours);
  session.CrsWkt.clear();
  session.EditableImage = 0;
  session.RasterSession = 0;
}

}  // namespace zelmaro
