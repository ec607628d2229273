#include "forms/ResultViewMath.h"

#include <array>
#include <cstdio>

#include "core/SessionState.h"
#include "core/Units.h"

namespace zelmaro {

std::string AltitudeText(double meters) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, " Altitude (meters) = %8.3lf ", meters);
  return buffer;
}

std::string SelectedValueText(int value) {
  return " Selected Value = " + std::to_string(value) + " ";
}

std::string PipetteReadingText(std::int32_t altitude, std::int32_t scaleOutFactor, int grayTone) {
  static constexpr std::array<const char*, 4> kUnitNames{"meters", "decimeters", "centimeters",
                                                         "millimeters"};
  const int unit = UnitNumberOfFactor(scaleOutFactor);
  std::string text = " Altitude = " + std::to_string(altitude);
  if (unit != 0) text += std::string(" ") + kUnitNames[unit - 1];
  return text + "\n Gray Tone = " + std::to_string(grayTone) + " ";
}

StatusPanelTexts ResultReadout(const SessionState& session, const ResultReadoutInput& input) {
  if (!input.hasPicture) return ClearedPanels();
  const auto [line, column] = CellUnderPointer(input.x, input.y, input.zoomFactor);
  // The shaded picture on screen bounds the read: after a new load the working size may
  // already be another one than the DEM shown.
  if (column < 0 || line < 0 || column >= input.pictureColumns || line >= input.pictureLines) {
    return ClearedPanels();
  }
  StatusPanelTexts panels;
  panels[0] = LineColumnText(line, column);
  const IntGrid& dem = session.DemGrid;
  // A factor of 0 would mean no unit was ever chosen, and no DEM can exist then.
  if (line < dem.Lines() && column < dem.Columns() && input.scaleOutFactor != 0) {
    panels[2] = AltitudeText(static_cast<double>(dem[line][column]) /
                             static_cast<double>(input.scaleOutFactor));
  }
  panels[1] = std::string();
  if (session.GeoReferenced == 1 && HasMapFrame(input.imageExtent)) {
    panels[1] = MapCoordinatePanel(input.imageExtent, input.imageShownLines,
                                   input.imageShownColumns, line, column)
                    .value_or(std::string());
  }
  if (input.screenColour) panels[3] = ScreenColourText(input.screenColour(column, line));
  panels[4] = ImageSizeText(input.pictureLines, input.pictureColumns);
  return panels;
}

}  // namespace zelmaro
