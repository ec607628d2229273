#include "forms/PictureLayout.h"

#include <algorithm>
#include <cmath>

namespace zelmaro {
namespace {

// Below this a window shows little more than its title bar and scroll bars.
constexpr ScreenSize kMinimumWindow{200, 150};

// The zoom steps from the largest enlargement down to the smallest reduction.
int NextSmallerZoom(int zoomFactor) {
  if (zoomFactor == 2) return 1;
  if (zoomFactor == 1) return -2;
  return zoomFactor - 1;
}

bool FitsAt(int lines, int columns, const ScreenSize& view, int zoomFactor) {
  const float scale = DisplayScale(zoomFactor);
  return ScrollRange(columns, scale) <= view.width && ScrollRange(lines, scale) <= view.height;
}

}  // namespace

int FitZoom(int lines, int columns, const ScreenSize& view) {
  if (lines <= 0 || columns <= 0) return 1;
  for (int zoom = kMaxZoom; zoom > -kMaxZoom; zoom = NextSmallerZoom(zoom)) {
    if (FitsAt(lines, columns, view, zoom)) return zoom;
  }
  return -kMaxZoom;
}

int OpeningZoom(int lines, int columns, const ScreenSize& view) {
  const int fitted = FitZoom(lines, columns, view);
  return fitted >= 2 ? fitted : 1;
}

PictureTiles TilePictureWindows(const ScreenSize& area) {
  if (area.width >= area.height) {
    const int half = area.width / 2;
    return {{0, 0, half, area.height}, {half, 0, area.width - half, area.height}};
  }
  const int half = area.height / 2;
  return {{0, 0, area.width, half}, {0, half, area.width, area.height - half}};
}

ScreenSize WindowSizeAtZoom(int lines, int columns, int zoomFactor, const ScreenRect& tile,
                            const ScreenSize& frame) {
  if (lines <= 0 || columns <= 0) return {tile.width, tile.height};
  const float scale = DisplayScale(zoomFactor);
  const auto side = [](int needed, int minimum, int available) {
    return std::min(std::max(needed, minimum), available);
  };
  return {side(ScrollRange(columns, scale) + frame.width, kMinimumWindow.width, tile.width),
          side(ScrollRange(lines, scale) + frame.height, kMinimumWindow.height, tile.height)};
}

PictureWindowFit FitWindowToPicture(int lines, int columns, const ScreenRect& tile,
                                    const ScreenSize& frame) {
  const ScreenSize view{std::max(1, tile.width - frame.width),
                        std::max(1, tile.height - frame.height)};
  const int zoom = OpeningZoom(lines, columns, view);
  return {zoom, WindowSizeAtZoom(lines, columns, zoom, tile, frame)};
}

int ScrollKeepingPoint(int scroll, int pointer, int oldZoom, int newZoom) {
  const double picturePoint = (scroll + pointer) / DisplayScaleDouble(oldZoom);
  return std::max(
      0, static_cast<int>(std::lround(picturePoint * DisplayScaleDouble(newZoom))) - pointer);
}

}  // namespace zelmaro
