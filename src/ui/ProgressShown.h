#pragma once

#include "ui/Mainwindow.h"

namespace zelmaro {

// Keeps the main window's progress window up for one scope, also when the work in it
// fails.
class ProgressShown {
 public:
  explicit ProgressShown(TMainForm& main) : main_(main) { main_.ShowProgress(); }
  ~ProgressShown() { main_.CloseProgress(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

 private:
  TMainForm& main_;
};

}  // namespace zelmaro
