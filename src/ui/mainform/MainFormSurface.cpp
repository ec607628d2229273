// The Surface Interpolation command of the main window.
#include "core/ContourContent.h"
#include "interp/InterpolationMemory.h"
#include "interp/SurfaceInterpolation.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Surface.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/mainform/ProgressShown.h"

namespace zelmaro {

void TMainForm::SurfaceInterpolationClick() {
  RunSurface();
}

void TMainForm::SurfaceSpeedButtonClick() {
  RunSurface();
}

void TMainForm::RunSurface() {
  const BusyCursor busy(ui_);
  // An image without a single altitude would give a DEM of nothing: refused before
  // anything is asked.
  if (!RunCommandStep(SessionGrids::None, [this] { RequireAltitudeCells(Session); })) return;
  // Without both units the seeds cannot be converted, and without its own choices the
  // surface is not wanted: the command stops before anything changes.
  if (!DynamicForm->AskScale()) return;
  if (!SurfaceForm->AskParameters()) return;
  const SurfaceParameters parameters{SurfaceForm->Model.Tension,
                                     SurfaceForm->Model.SubPixelCorrection};
  busy.Show();
  const bool done = RunCommandStep(SessionGrids::Dem, [&] {
    RequireDemCommandMemory("Surface Interpolation",
                            SurfaceMemoryBytes(Session.WorkLines, Session.WorkColumns));
    {
      ProgressShown shown(*this);
      SurfaceInterpolation(Session, DynamicForm->ScaleInFactor(), DynamicForm->ScaleOutFactor(),
                           parameters, shown.Tracker());
    }
    ShowDem();
    ApplyEnabling(EnablingEvent::DemFilled);
    ApplyEnabling(EnablingEvent::SurfaceFinished);
  });
  if (done) unsaved_.DemMade();
}

}  // namespace zelmaro
