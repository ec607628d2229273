#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/MapExtent.h"
#include "core/SessionState.h"
#include "core/ZoneParameters.h"

namespace zelmaro {

// The values of the Vector Image Selection dialog: the pixel size and the zone that
// Extract Vector Zone uses, which the output files and the hill shading read as well.
// The dialog keeps them between selections.
// The map frame of a rectangle dragged on the scene preview of lines x columns that
// spans `scene`. The corners are picture positions (line, column, fractions included);
// the frame is kept inside the scene and rounded to a tenth of a preview cell's order
// of magnitude, so that a whole-metre scene gives whole metres.
struct PicturePoint {
  double line = 0.0;
  double column = 0.0;
};
MapExtent DraggedZone(const MapExtent& scene, int lines, int columns, const PicturePoint& from,
                      const PicturePoint& to);

class SelectionFormModel {
 public:
  // The frame display, filled by each vector load and never read back.
  std::string MinXText;
  std::string MinYText;
  std::string MaxXText;
  std::string MaxYText;
  // The edits of the extraction parameters, as typed.
  std::string PixText;
  std::string MinXEditText;
  std::string MinYEditText;
  std::string MaxXEditText;
  std::string MaxYEditText;

  ZoneParameters Zone;

  void ShowSceneFrame(const MapExtent& frame);
  // A new scene proposes itself as the zone: corners typed for another file would
  // most likely miss it.
  void ProposeZone(const MapExtent& frame);

  // Whole Scene: the zone becomes the scene frame.
  void RadioButton1Click(const SessionState& session);
  // Selected Zone: the corner edits appear.
  void RadioButton2Click();
  // A zone dragged on the scene preview: Selected Zone with its corners typed in, for
  // the user to check or change before OK.
  void ShowDraggedZone(const MapExtent& zone);
  bool WholeSceneChecked() const { return wholeScene_; }
  bool SelectedZoneChecked() const { return selectedZone_; }
  bool ZoneCornersVisible() const { return selectedZone_; }

  // OK: reads the edits into Zone, then gives the first of the dialog's refusals that
  // applies ("No Pixel Size", "No Checked Zone", "No Min_X value", "No Min_Y value",
  // "No Max_X value", "No Max_Y value", "Min_X greater than Max_X", "Min_Y greater
  // than Max_Y"), or nothing when the dialog may close. Only a dialog closed this way
  // may run the selection.
  std::optional<std::string> BitBtn1Click(const SessionState& session);
  bool Validated() const { return validated_; }

 private:
  bool wholeScene_ = false;
  bool selectedZone_ = false;
  bool validated_ = false;
};

}  // namespace zelmaro
