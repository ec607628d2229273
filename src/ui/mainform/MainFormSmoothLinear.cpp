// The Smoothing and Lineal Interpolation commands of the main window.
#include "core/ContourContent.h"
#include "interp/InterpolationMemory.h"
#include "interp/LinearInterpolation.h"
#include "interp/Smoothing.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Smoothing.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/mainform/ProgressShown.h"

namespace zelmaro {

void TMainForm::SmoothingTreatmentClick() {
  RunSmoothing();
}

void TMainForm::SuavSpeedButtonClick() {
  RunSmoothing();
}

void TMainForm::RunSmoothing() {
  const BusyCursor busy(ui_);
  ui_.RunModal(*SmoothingForm);
  // A Range the grid cannot hold is refused before the DEM changes.
  const bool done = RunCommandStep(SessionGrids::Dem, [this] {
    RequireDemCommandMemory("Smoothing",
                            SmoothingMemoryBytes(Session.WorkLines, Session.WorkColumns));
    {
      ProgressShown progress(*this);
      SmoothDem(Session, SmoothingForm->Model.Range, progress.Tracker());
    }
    ShowDem();
  });
  if (done) unsaved_.DemMade();
}

void TMainForm::LinInterpTreatmentClick() {
  RunLinear(EnablingEvent::LinearFinishedFromMenu);
}

void TMainForm::RuzeSpeedButtonClick() {
  RunLinear(EnablingEvent::LinearFinishedFromButton);
}

void TMainForm::RunLinear(EnablingEvent finished) {
  // An image without a single altitude would give a DEM of nothing but the mark of
  // cells without altitude: refused before anything is asked.
  if (!RunCommandStep(SessionGrids::None, [this] { RequireAltitudeCells(Session); })) return;
  // Without both units the seeds cannot be converted: the command stops before
  // anything changes.
  if (!DynamicForm->AskScale()) return;
  const BusyCursor busy(ui_);
  ui_.RunModal(*DynRasterForm);
  const DynRasterModel& typed = DynRasterForm->Model;
  const LinearParameters parameters{typed.ParamMinimum, typed.ParamMaximum, typed.ParamInterval,
                                    DynamicForm->ScaleInFactor(), DynamicForm->ScaleOutFactor()};
  busy.Show();
  const bool done = RunCommandStep(SessionGrids::Dem, [&] {
    RequireDemCommandMemory("Lineal Interpolation",
                            LinearMemoryBytes(Session.WorkLines, Session.WorkColumns));
    {
      ProgressShown progress(*this);
      RunLinearInterpolation(Session, parameters, progress.Tracker());
    }
    ShowDem();
    ApplyEnabling(EnablingEvent::DemFilled);
    ApplyEnabling(finished);
  });
  if (done) unsaved_.DemMade();
}

void TMainForm::LinInterpInfoClick() {
  ShowForm("TRuzeInfoForm");
}

}  // namespace zelmaro
