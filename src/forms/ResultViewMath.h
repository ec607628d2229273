#pragma once

#include <cstdint>
#include <string>

#include "forms/ImageViewMath.h"

namespace zelmaro {

struct SessionState;

// " Altitude (meters) = %8.3lf ".
std::string AltitudeText(double meters);
// " Selected Value = %d ", the pipette's report.
std::string SelectedValueText(int value);

// The result window's pipette: the DEM value under the click in the Scale Out unit,
// named, and the gray tone of the shaded picture there:
// " Altitude = 12345 centimeters\n Gray Tone = 181 ".
std::string PipetteReadingText(std::int32_t altitude, std::int32_t scaleOutFactor, int grayTone);

// What the result window knows when the mouse moves over it. The map coordinates come
// from the frame and size of the working image, from which the DEM was made.
struct ResultReadoutInput {
  int x = 0;
  int y = 0;
  int zoomFactor = 1;
  bool hasPicture = false;
  int pictureLines = 0;  // size of the shaded picture on screen
  int pictureColumns = 0;
  int imageShownLines = 0;  // size of the working image
  int imageShownColumns = 0;
  MapExtent imageExtent;
  std::int32_t scaleOutFactor = 0;
  std::function<PaletteColour(int column, int line)> screenColour;
};

// Panel 0 the position, 1 the map coordinates (empty without georeference), 2 the
// altitude in meters, 3 the gray tone, 4 the size of the DEM shown. Outside the shaded
// picture every panel is cleared.
StatusPanelTexts ResultReadout(const SessionState& session, const ResultReadoutInput& input);

}  // namespace zelmaro
