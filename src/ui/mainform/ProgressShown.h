#pragma once

#include "core/Progress.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

// Keeps the main window's progress window up for one long command, also when the work
// in it fails. Each new percentage reaches the screen, and with it the user's Cancel:
// the command's algorithm then stops by throwing CommandCancelled, which RunCommandStep
// turns into the session as it was before the command.
class ProgressShown {
 public:
  explicit ProgressShown(TMainForm& main);
  ~ProgressShown() { main_.CloseProgress(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

  // Shows the fraction done; throws CommandCancelled when the user asked to stop.
  void Step(double fraction);

  // The same as a Progress for the algorithms that take one; it lives as long as this.
  Progress Tracker();

 private:
  bool GoesOn(double fraction);

  TMainForm& main_;
  int percent_ = -1;
};

}  // namespace zelmaro
