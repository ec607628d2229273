#include "ui/mainform/CommandGuard.h"

#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/Imagewindow.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {

BusyCursor::BusyCursor(UserInteraction& ui) : ui_(ui) {
  Show();
}

BusyCursor::~BusyCursor() {
  ui_.SetScreenCursor(kArrowCursor);
}

void BusyCursor::Show() const {
  ui_.SetScreenCursor(kHourglassCursor);
}

CommandSnapshot::CommandSnapshot(TMainForm& main, SessionGrids kept)
    : main_(main),
      session_(main.Session, kept),
      zone_(main.Zone),
      frame_(main.WorkingFrame),
      controls_(main.Controls()),
      image_(main.ImageForm->SavedView()),
      result_(main.ResultForm->SavedView()) {}

void CommandSnapshot::Restore() {
  session_.Restore(main_.Session);
  main_.Zone = zone_;
  main_.WorkingFrame = frame_;
  main_.SetControls(controls_);
  main_.ImageForm->RestoreView(image_);
  main_.ResultForm->RestoreView(result_);
}

}  // namespace zelmaro
