#include "forms/PictureLayout.h"

#include <gtest/gtest.h>

namespace zelmaro {
namespace {

TEST(PictureLayout, FitTakesTheLargestZoomStepThatShowsThePictureWhole) {
  const struct {
    int lines;
    int columns;
    ScreenSize view;
    int fit;
    int opening;
  } cases[] = {
      {20, 29, {434, 510}, 14, 14},      // a small sheet's preview opens fitted
      {366, 522, {434, 510}, -2, 1},     // a larger picture opens at 1:1, scrolled
      {366, 522, {600, 400}, 1, 1},      // exactly what fits at 1:1
      {200, 300, {599, 500}, 1, 1},      // one pixel short of 2:1
      {200, 300, {600, 400}, 2, 2},      // 2:1 just fits
      {4000, 4000, {500, 500}, -8, 1},   // reductions reach 1:n
      {1, 1, {100, 100}, 20, 20},        // never beyond 20:1
      {100000, 10, {500, 500}, -20, 1},  // nor below 1:20, even when it does not fit
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitZoom(c.lines, c.columns, c.view), c.fit) << c.lines << "x" << c.columns;
    EXPECT_EQ(OpeningZoom(c.lines, c.columns, c.view), c.opening) << c.lines << "x" << c.columns;
  }
}

TEST(PictureLayout, TilesAndWindowsSizedToTheirPicture) {
  const PictureTiles wide = TilePictureWindows({913, 552});
  EXPECT_EQ(wide.image, (ScreenRect{0, 0, 456, 552}));
  EXPECT_EQ(wide.result, (ScreenRect{456, 0, 457, 552}));
  const PictureTiles tall = TilePictureWindows({600, 901});
  EXPECT_EQ(tall.image, (ScreenRect{0, 0, 600, 450}));
  EXPECT_EQ(tall.result, (ScreenRect{0, 450, 600, 451}));

  const ScreenSize frame{22, 42};
  const ScreenRect tile{700, 0, 700, 810};
  const struct {
    int lines;
    int columns;
    PictureWindowFit fit;
  } cases[] = {
      {366, 522, {1, {544, 408}}},    // the example at 1:1, the window just around it
      {4, 5, {20, {200, 150}}},       // a tiny DEM fitted, the window kept usable
      {4000, 4000, {1, {700, 810}}},  // larger than the tile: the whole tile, scrolled
      {0, 0, {1, {700, 810}}},        // no picture yet: the whole tile
  };
  for (const auto& c : cases) {
    const PictureWindowFit fit = FitWindowToPicture(c.lines, c.columns, tile, frame);
    EXPECT_EQ(fit.zoomFactor, c.fit.zoomFactor) << c.lines;
    EXPECT_EQ(fit.windowSize, c.fit.windowSize) << c.lines;
  }
  EXPECT_EQ(WindowSizeAtZoom(366, 522, -2, tile, frame), (ScreenSize{283, 225}));
}

}  // namespace
}  // namespace zelmaro
