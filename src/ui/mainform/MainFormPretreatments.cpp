// The pre-treatment commands of the main window: corner elimination, ebarbulation and
// break search, with their Info forms.
#include "forms/TreatmentChoiceModel.h"
#include "pretreat/BreakSearch.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/Skeletonization.h"
#include "ui/dialogs/Break.h"
#include "ui/dialogs/Ebarb.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

void TMainForm::SkelTreatmentClick() {
  RunCornerElimination();
}
void TMainForm::LineThinnerSpeedButtonClick() {
  RunCornerElimination();
}
void TMainForm::EbarbTreatmentClick() {
  RunEbarbulation();
}
void TMainForm::EbarbSpeedButtonClick() {
  RunEbarbulation();
}
void TMainForm::BreakSearchTreatmentClick() {
  RunBreakSearch();
}
void TMainForm::DetectBreakSpeedButtonClick() {
  RunBreakSearch();
}

void TMainForm::SkelInfoClick() {
  ShowForm("TSkelInfoForm");
}
void TMainForm::EbarbInfoClick() {
  ShowForm("TEbarbInfoForm");
}
void TMainForm::BreakSearchInfoClick() {
  ShowForm("TGapInfoForm");
}

void TMainForm::RunCornerElimination() {
  const BusyCursor busy(ui_);
  const ContourState before = ContourState::Of(Session);
  const bool done = RunCommandStep(SessionGrids::Contour, [this] {
    ThinContourLines(Session);
    ImageForm->ShowContourImage();
  });
  if (done) ContourChanged(before);
}

void TMainForm::RunEbarbulation() {
  const BusyCursor busy(ui_);
  // Whatever closes the dialog, the choice it leaves decides: no choice repeats the
  // last one.
  ui_.RunModal(*EbarbForm);
  if (EbarbForm->Model.StartTreatment() == 1) {
    const ContourState before = ContourState::Of(Session);
    const bool done = RunCommandStep(SessionGrids::Contour, [this] {
      RemoveBranchEnds(Session);
      ImageForm->ShowContourImage();
    });
    if (done) ContourChanged(before);
  }
}

void TMainForm::RunBreakSearch() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const BreakTable table = SearchBreaks(Session);
    if (NoBreakRegistered(table)) {
      ui_.ShowMessage(kBreakMessageCaption, kNoBreakMessage, MessageIcon::None, nullptr);
      ApplyEnabling(EnablingEvent::NoBreakFound);
      return;
    }
    BreakForm->ShowBreakCount(table.size());
    ui_.RunModal(*BreakForm);
    if (BreakForm->Model.CreateTable() != 1) return;
    FileDialogRequest request{"Save Break Table", "Table name [*.txt]|*.txt",
                              Session.InputDirectory};
    // The file written is the chosen name with ".txt" added, never the chosen file
    // itself, so a question about overwriting the chosen file would mislead.
    request.confirmOverwrite = false;
    const auto chosen = ui_.SaveFileName(request);
    if (chosen) WriteBreakTable(table, *chosen);
  });
}

}  // namespace zelmaro
