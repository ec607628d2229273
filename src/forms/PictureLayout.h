#pragma once

#include "forms/ImageViewMath.h"

namespace zelmaro {

// Sizes in screen pixels, width first.
struct ScreenSize {
  int width = 0;
  int height = 0;
  bool operator==(const ScreenSize&) const = default;
};

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenRect&) const = default;
};

// The largest zoom step (20:1 down to 1:20, 1:1 written 1) at which a picture of
// lines x columns lies whole in a view of `view`; 1:20 when even that is too large.
int FitZoom(int lines, int columns, const ScreenSize& view);

// The zoom a new picture opens at: fitted when it is much smaller than its view (it
// fits at 2:1 or more), else 1:1, scrolled where it is larger.
int OpeningZoom(int lines, int columns, const ScreenSize& view);

// The part of the window area each picture window is given: side by side on a wide
// area, one above the other on a tall one. The image window comes first.
struct PictureTiles {
  ScreenRect image;
  ScreenRect result;
};
PictureTiles TilePictureWindows(const ScreenSize& area);

// The window for a picture of lines x columns shown at `zoomFactor` in `tile`:
// `frame` is what the window adds around its view (title, borders, scroll bars). It is
// just large enough to show the picture whole, never beyond the tile nor below a
// usable minimum; a window without a picture takes the whole tile.
ScreenSize WindowSizeAtZoom(int lines, int columns, int zoomFactor, const ScreenRect& tile,
                            const ScreenSize& frame);

// A window for a new picture in `tile`: the picture opens at its opening zoom for the
// largest view the tile allows, in a window sized to it.
struct PictureWindowFit {
  int zoomFactor = 1;
  ScreenSize windowSize;
};
PictureWindowFit FitWindowToPicture(int lines, int columns, const ScreenRect& tile,
                                    const ScreenSize& frame);

// The scroll position that keeps the picture point under `pointer` (view pixels)
// there when the zoom goes from `oldZoom` to `newZoom`; `scroll` is the position
// before. One axis at a time.
int ScrollKeepingPoint(int scroll, int pointer, int oldZoom, int newZoom);

}  // namespace zelmaro
