#include "forms/ImageViewMath.h"

#include <algorithm>
#include <cstdio>

#include "core/SessionState.h"

namespace zelmaro {
namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// One side of the zoom rectangle, pushed back inside [0, size).
void ClampSide(int& low, int& high, int half, int size) {
  if (low < 0) {
    low = 0;
    high = std::min(2 * half, size) - 1;
  }
  if (high >= size) {
    high = size - 1;
    low = size - std::min(2 * half, size) - 1;
  }
}

}  // namespace

float DisplayScale(int zoomFactor) {
  if (zoomFactor == 0) return 1.0f;
  if (zoomFactor < 0) return -1.0f / static_cast<float>(zoomFactor);
  return static_cast<float>(zoomFactor);
}

double DisplayScaleDouble(int zoomFactor) {
  if (zoomFactor == 0) return 1.0;
  if (zoomFactor < 0) return -1.0 / zoomFactor;
  return zoomFactor;
}

ZoomStep ZoomAfterClick(int zoomFactor, MouseButton button) {
  int z = zoomFactor;
  if (button == MouseButton::Left) z = z == -1 ? 2 : z + 1;
  if (button == MouseButton::Right) z = z == 1 ? -2 : z - 1;
  if (z > kMaxZoom) return {kMaxZoom, true};
  if (z < -kMaxZoom) return {-kMaxZoom, true};
  return {z, false};
}

std::string ZoomCaption(const std::string& path, int zoomFactor) {
  if (zoomFactor > -2 && zoomFactor < 2) return path + " (1:1)";
  if (zoomFactor < 0) return path + " (1:" + std::to_string(-zoomFactor) + ") ";
  return path + " (" + std::to_string(zoomFactor) + ":1) ";
}

int ScrollRange(int pictureSize, float scale) {
  return static_cast<int>(static_cast<float>(pictureSize) * scale);
}

int HalfExtent(int windowSize, float scale) {
  return static_cast<int>(static_cast<float>(windowSize) / (2.0f * scale));
}

PictureRect ZoomSourceRect(int centerColumn, int centerLine, int halfWidth, int halfHeight,
                           int pictureColumns, int pictureLines) {
  PictureRect rect{centerColumn - halfWidth, centerLine - halfHeight, centerColumn + halfWidth,
                   centerLine + halfHeight};
  ClampSide(rect.left, rect.right, halfWidth, pictureColumns);
  ClampSide(rect.top, rect.bottom, halfHeight, pictureLines);
  return rect;
}

PictureRect ClipSourceRect(const PictureRect& scrolledClip, float scale) {
  return {static_cast<int>(static_cast<float>(scrolledClip.left) / scale),
          static_cast<int>(static_cast<float>(scrolledClip.top) / scale),
          static_cast<int>(static_cast<float>(scrolledClip.right) / scale + 1.0f),
          static_cast<int>(static_cast<float>(scrolledClip.bottom) / scale + 1.0f)};
}

PictureRect DestinationRect(const PictureRect& source, float scale) {
  auto times = [scale](int v) { return static_cast<int>(static_cast<float>(v) * scale); };
  return {times(source.left), times(source.top), times(source.right), times(source.bottom)};
}

std::string LineColumnText(int line, int column) {
  return Format(" Line: %5d  Column: %5d ", line, column);
}

std::string ContourLineText(int code, std::int32_t altitude) {
  return Format(" Contout Line %d Altitude %d ", code, static_cast<int>(altitude));
}

std::string BackgroundText() {
  return " BackGround [255]";
}

std::string MapCoordinateText(double x, double y) {
  return Format(" Coord. UTM   X %8.2lf    Y %8.2lf ", x, y);
}

std::string ScreenColourText(const PaletteColour& colour) {
  if (colour.red == colour.green && colour.green == colour.blue) {
    return Format(" Gray Tone : %4d ", static_cast<int>(colour.red));
  }
  return Format("R:%4d G:%4d B:%4d  ", static_cast<int>(colour.red), static_cast<int>(colour.green),
                static_cast<int>(colour.blue));
}

std::string ImageSizeText(int lines, int columns) {
  return Format(" Image Size: %d lines x %d columns  ", lines, columns);
}

std::optional<std::string> MapCoordinatePanel(const MapExtent& extent, int shownLines,
                                              int shownColumns, int line, int column) {
  if (shownLines <= 0 || shownColumns <= 0) return std::nullopt;
  const double dx = (extent.XMax - extent.XMin) / shownColumns;
  const double dy = (extent.YMax - extent.YMin) / shownLines;
  const double x = extent.XMin + column * dx;
  const double y = extent.YMin + (shownLines - line) * dy;
  if (x >= extent.XMin && y >= extent.YMin) return MapCoordinateText(x, y);
  return std::string(" ");
}

bool HasMapFrame(const MapExtent& extent) {
  return extent.XMin != extent.XMax || extent.YMin != extent.YMax;
}

StatusPanelTexts ClearedPanels() {
  StatusPanelTexts panels;
  for (auto& panel : panels) panel = std::string();
  return panels;
}

PictureCell CellUnderPointer(int x, int y, int zoomFactor) {
  const double scale = DisplayScaleDouble(zoomFactor);
  return {static_cast<int>(y / scale), static_cast<int>(x / scale)};
}

StatusPanelTexts ImageReadout(const SessionState& session, const ImageReadoutInput& input) {
  if (!input.hasPicture) return ClearedPanels();
  const auto [line, column] = CellUnderPointer(input.x, input.y, input.zoomFactor);
  // The last picture built may be larger than the one on screen: both bound the read.
  if (column < 0 || line < 0 || column >= session.ImageColumns || line >= session.ImageLines ||
      column >= input.pictureColumns || line >= input.pictureLines) {
    return ClearedPanels();
  }
  StatusPanelTexts panels;
  panels[0] = LineColumnText(line, column);
  const ByteGrid& codes = session.ContourImage;
  panels[2] = std::string();
  if (session.EditableImage == 1 && !input.scenePreview && line < codes.Lines() &&
      column < codes.Columns()) {
    const int code = codes[line][column];
    panels[2] = code == kBackgroundCode ? BackgroundText()
                                        : ContourLineText(code, session.AltitudeTable[code]);
  }
  panels[1] = std::string();
  if (session.GeoReferenced == 1 && HasMapFrame(input.extent)) {
    panels[1] = MapCoordinatePanel(input.extent, input.shownLines, input.shownColumns, line, column)
                    .value_or(std::string());
  }
  if (input.screenColour) panels[3] = ScreenColourText(input.screenColour(column, line));
  panels[4] = ImageSizeText(input.shownLines, input.shownColumns);
  return panels;
}

}  // namespace zelmaro
