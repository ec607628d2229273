#include "core/ResultViewMath.h"

#include <cstdio>

#include "core/SessionState.h"

namespace zelmaro {

std::string AltitudeText(double meters) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, " Altitude (meters) = %8.3lf ", meters);
  return buffer;
}

std::string SelectedValueText(int value) {
  return " Selected Value = " + std::to_string(value) + " ";
}

StatusPanelTexts ResultReadout(const SessionState& session, const ResultReadoutInput& input) {
  StatusPanelTexts panels;
  const auto clearAll = [&panels] {
    for (auto& panel : panels) panel = std::string();
    return panels;
  };
  if (!input.hasPicture) return clearAll();
  const double scale = DisplayScaleDouble(input.zoomFactor);
  const int column = static_cast<int>(input.x / scale);
  const int line = static_cast<int>(input.y / scale);
  if (column < 0 || line < 0 || column >= session.WorkColumns || line >= session.WorkLines) {
    return clearAll();
  }
  panels[0] = LineColumnText(line, column);
  const IntGrid& dem = session.DemGrid;
  // A factor of 0 would mean no unit was ever chosen, and no DEM can exist then.
  if (line < dem.Lines() && column < dem.Columns() && input.scaleOutFactor != 0) {
    panels[2] = AltitudeText(static_cast<double>(dem[line][column]) /
                             static_cast<double>(input.scaleOutFactor));
  }
  if (session.GeoReferenced == 1) {
    panels[1] = MapCoordinatePanel(input.imageExtent, input.imageShownLines,
                                   input.imageShownColumns, line, column);
  }
  if (input.screenColour && line < input.pictureLines && column < input.pictureColumns) {
    panels[3] = ScreenColourText(input.screenColour(column, line));
  }
  panels[4] = ImageSizeText(session.WorkLines, session.WorkColumns);
  return panels;
}

}  // namespace zelmaro
