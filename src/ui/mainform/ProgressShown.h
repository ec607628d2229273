#pragma once

#include <QCoreApplication>

#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

// Keeps the main window's progress window up for one scope, also when the work in it
// fails, and lets it reach the screen while the work keeps the event loop busy.
class ProgressShown {
 public:
  explicit ProgressShown(TMainForm& main) : main_(main) {
    main_.ShowProgress();
    Draw();
  }
  ~ProgressShown() { main_.CloseProgress(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

  // The window is drawn again only when the percentage it shows changes.
  void Step(double fraction) {
    const int percent = static_cast<int>(fraction * 100.0);
    if (percent == percent_) return;
    percent_ = percent;
    main_.SetProgress(static_cast<float>(fraction));
    Draw();
  }

 private:
  static void Draw() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

  TMainForm& main_;
  int percent_ = -1;
};

}  // namespace zelmaro
