#include "ui/mainform/ProgressShown.h"

#include <QCoreApplication>

#include "ui/dialogs/Progress.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {

ProgressShown::ProgressShown(TMainForm& main) : main_(main) {
  main_.ShowProgress();
  if (!GoesOn(0.0)) {
    main_.CloseProgress();
    throw CommandCancelled();
  }
}

void ProgressShown::Step(double fraction) {
  if (!GoesOn(fraction)) throw CommandCancelled();
}

Progress ProgressShown::Tracker() {
  return Progress([this](double fraction) { return GoesOn(fraction); });
}

bool ProgressShown::GoesOn(double fraction) {
  TProgressForm* window = main_.ActiveProgress();
  if (window == nullptr) return true;
  // The window and the user's events are looked at only when the percentage changes, so
  // that fine-grained reports cost nothing.
  const int percent = static_cast<int>(fraction * 100.0);
  if (percent == percent_) return !window->CancelRequested();
  percent_ = percent;
  main_.SetProgress(static_cast<float>(fraction));
  // The new percentage reaches the screen while the work keeps the event loop busy.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return main_.Ui().ProgressGoesOn(*window, fraction);
}

}  // namespace zelmaro
