#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/CodePalette.h"
#include "core/MapExtent.h"
#include "core/MouseButton.h"

namespace zelmaro {

struct SessionState;

// Zoom of a picture window: 1 or -1 is 1:1, n from 2 to 20 is n:1, -2 to -20 is 1:n.
inline constexpr int kMaxZoom = 20;

// Screen pixels per picture pixel. The windows draw with the float scale and read the
// position under the mouse with the double one; both are kept, as they truncate
// differently at 1:3 and beyond.
float DisplayScale(int zoomFactor);
double DisplayScaleDouble(int zoomFactor);

struct ZoomStep {
  int zoomFactor = 1;
  bool refused = false;  // beyond 20 either way: nothing more happens on this click
};
// One zoom click; the step through 1:1 takes one click in either direction.
ZoomStep ZoomAfterClick(int zoomFactor, MouseButton button);

// "path (1:1)", or "path (1:n) " and "path (n:1) " with their trailing blank.
std::string ZoomCaption(const std::string& path, int zoomFactor);

struct PictureRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PictureRect&) const = default;
};

// Scroll range of a picture side at scale s.
int ScrollRange(int pictureSize, float scale);
// Half the window side counted in picture pixels.
int HalfExtent(int windowSize, float scale);
// The part of the picture shown around a zoom click, pushed back inside the picture.
PictureRect ZoomSourceRect(int centerColumn, int centerLine, int halfWidth, int halfHeight,
                           int pictureColumns, int pictureLines);
// The picture pixels under a screen area given in scrolled coordinates.
PictureRect ClipSourceRect(const PictureRect& scrolledClip, float scale);
// Where the picture pixels land on the scrolled screen.
PictureRect DestinationRect(const PictureRect& source, float scale);

// The status texts, to the last character.
std::string LineColumnText(int line, int column);
std::string ContourLineText(int code, std::int32_t altitude);
std::string BackgroundText();
std::string MapCoordinateText(double x, double y);
std::string ScreenColourText(const PaletteColour& colour);
std::string ImageSizeText(int lines, int columns);

// The map-coordinate panel of a position in a picture of shownLines x shownColumns
// spanning `extent`: the coordinates, or a single blank left of or below the extent;
// nothing for a picture without size.
std::optional<std::string> MapCoordinatePanel(const MapExtent& extent, int shownLines,
                                              int shownColumns, int line, int column);

// A picture without a map frame (a raster, for instance, even in a session of vector
// data) has no coordinates to show.
bool HasMapFrame(const MapExtent& extent);

// What the image window knows when the mouse moves over it.
struct ImageReadoutInput {
  int x = 0;
  int y = 0;
  int zoomFactor = 1;
  bool hasPicture = false;
  int pictureLines = 0;  // size of the picture on screen
  int pictureColumns = 0;
  int shownLines = 0;  // ShownLines / ShownColumns of the window
  int shownColumns = 0;
  // The scene preview is on screen: its cells are not those of ContourImage.
  bool scenePreview = false;
  MapExtent extent;
  std::function<PaletteColour(int column, int line)> screenColour;
};

// The five panel texts; a panel without a value keeps its previous text.
using StatusPanelTexts = std::array<std::optional<std::string>, 5>;
// Every panel emptied, as when the mouse leaves the picture.
StatusPanelTexts ClearedPanels();

// The picture cell under a mouse position counted in screen pixels from the picture's
// origin, read with the double scale.
struct PictureCell {
  int line = 0;
  int column = 0;
};
PictureCell CellUnderPointer(int x, int y, int zoomFactor);

// Panel 0 the position, 1 the map coordinates, 2 the code and altitude, 3 the screen
// colour, 4 the picture size. The map coordinates use the extent and size of the
// picture actually shown. A panel with nothing true to say about the picture on screen
// is emptied: the coordinates of data without georeference, the code over the scene
// preview or over an image that is not the working one.
StatusPanelTexts ImageReadout(const SessionState& session, const ImageReadoutInput& input);

}  // namespace zelmaro
