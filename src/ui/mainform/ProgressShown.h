#pragma once

#include <QCoreApplication>

#include "ui/dialogs/Progress.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

// Keeps the main window's progress window up for one scope, also when the work in it
// fails, and lets it reach the screen while the work keeps the event loop busy. A
// cancellable one also lets its Cancel button be clicked, the other windows being held.
class ProgressShown {
 public:
  explicit ProgressShown(TMainForm& main, bool cancellable = false)
      : main_(main), cancellable_(cancellable) {
    main_.ShowProgress(cancellable);
    Draw();
  }
  ~ProgressShown() { main_.CloseProgress(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

  // The window is drawn again only when the percentage it shows changes. Returns false
  // once the user has asked a cancellable command to stop.
  bool Step(double fraction) {
    const int percent = static_cast<int>(fraction * 100.0);
    if (percent != percent_) {
      percent_ = percent;
      main_.SetProgress(static_cast<float>(fraction));
      Draw();
    } else if (cancellable_) {
      Draw();
    }
    return !cancellable_ || main_.ActiveProgress() == nullptr ||
           !main_.ActiveProgress()->CancelRequested();
  }

 private:
  void Draw() const {
    QCoreApplication::processEvents(cancellable_ ? QEventLoop::AllEvents
                                                 : QEventLoop::ExcludeUserInputEvents);
  }

  TMainForm& main_;
  bool cancellable_;
  int percent_ = -1;
};

}  // namespace zelmaro
