#pragma once

#include <optional>

#include "core/SessionSnapshot.h"
#include "core/ZoneParameters.h"
#include "forms/CommandEnabling.h"
#include "gis/GridGeoreference.h"
#include "ui/windows/PictureWindow.h"

namespace zelmaro {

class TMainForm;
class UserInteraction;

// The hourglass for as long as a command works, and the arrow again however it ends.
class BusyCursor {
 public:
  explicit BusyCursor(UserInteraction& ui);
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  // Shows the hourglass again once a dialog has closed, so that the screen under it is
  // repainted before a long computation keeps the event loop busy.
  void Show() const;

 private:
  UserInteraction& ui_;
};

// What a step of a command may change, as it was before the step: the session with the
// grid families the step names, the zone and its map frame, the enabling and both
// picture windows. The main window puts it back when the step fails or is cancelled.
class CommandSnapshot {
 public:
  CommandSnapshot(TMainForm& main, SessionGrids kept);

  void Restore();

 private:
  TMainForm& main_;
  SessionSnapshot session_;
  ZoneParameters zone_;
  std::optional<GridGeoreference> frame_;
  ControlStates controls_;
  PictureWindow::View image_;
  PictureWindow::View result_;
};

}  // namespace zelmaro
