// The Smoothing and Lineal Interpolation commands of the main window.
#include "interp/LinearInterpolation.h"
#include "interp/Smoothing.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Smoothing.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"

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
  RunCommandStep(SessionGrids::Dem, [this] {
    SmoothDem(Session, SmoothingForm->Model.Range);
    ShowDem();
  });
}

void TMainForm::LinInterpTreatmentClick() {
  RunLinear(EnablingEvent::LinearFinishedFromMenu);
}

void TMainForm::RuzeSpeedButtonClick() {
  RunLinear(EnablingEvent::LinearFinishedFromButton);
}

void TMainForm::RunLinear(EnablingEvent finished) {
  // Without both units the seeds cannot be converted: the command stops before
  // anything changes.
  if (!DynamicForm->AskScale()) return;
  const BusyCursor busy(ui_);
  ui_.RunModal(*DynRasterForm);
  const DynRasterModel& typed = DynRasterForm->Model;
  const LinearParameters parameters{typed.ParamMinimum, typed.ParamMaximum, typed.ParamInterval,
                                    DynamicForm->ScaleInFactor(), DynamicForm->ScaleOutFactor()};
  busy.Show();
  RunCommandStep(SessionGrids::Dem, [&] {
    RunLinearInterpolation(Session, parameters);
    ShowDem();
    ApplyEnabling(EnablingEvent::DemFilled);
    ApplyEnabling(finished);
  });
}

void TMainForm::LinInterpInfoClick() {
  ShowForm("TRuzeInfoForm");
}

}  // namespace zelmaro
