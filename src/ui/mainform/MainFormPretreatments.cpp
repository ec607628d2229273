// The pre-treatment commands of the main window: corner elimination, ebarbulation and
// break search, with their Info forms.
#include "core/MemoryBudget.h"
#include "forms/TreatmentChoiceModel.h"
#include "pretreat/BreakSearch.h"
#include "pretreat/Ebarbulation.h"
#include "pretreat/PretreatMemory.h"
#include "pretreat/Skeletonization.h"
#include "raster/RasterMemory.h"
#include "ui/dialogs/Break.h"
#include "ui/dialogs/Ebarb.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/ScreenBitmap.h"

namespace zelmaro {
namespace {

// A treatment that changes the image: its own memory, the picture shown afterwards and
// the history's copy of the changed blocks, at most the image once more.
std::uint64_t ChangingTreatmentBytes(std::uint64_t treatment, std::int64_t lines,
                                     std::int64_t columns) {
  return AddBytes(treatment, AddBytes(PictureMemoryBytes(lines, columns),
                                      RawImageSaveMemoryBytes(lines, columns)));
}

}  // namespace

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
    const std::int64_t lines = Session.WorkLines;
    const std::int64_t columns = Session.WorkColumns;
    RequireMemoryFor("Corner Elimination", lines, columns,
                     ChangingTreatmentBytes(ThinningMemoryBytes(lines, columns), lines, columns));
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
      const std::int64_t lines = Session.WorkLines;
      const std::int64_t columns = Session.WorkColumns;
      RequireMemoryFor(
          "Ebarbulation", lines, columns,
          ChangingTreatmentBytes(EbarbulationMemoryBytes(lines, columns), lines, columns));
      RemoveBranchEnds(Session);
      ImageForm->ShowContourImage();
    });
    if (done) ContourChanged(before);
  }
}

void TMainForm::RunBreakSearch() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    RequireMemoryFor("Break Searching", Session.WorkLines, Session.WorkColumns,
                     BreakSearchMemoryBytes(Session.WorkLines, Session.WorkColumns));
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
    if (!chosen) return;
    RefuseOverwritingInputs({{BreakTableFileName(*chosen), "the break table"}});
    WriteBreakTable(table, *chosen);
  });
}

}  // namespace zelmaro
