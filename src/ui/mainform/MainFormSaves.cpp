// The save commands of the main window: the contour-line image, the shaded picture and
// the DEM (raw or ASCII grid). Each writes all its files or none. Exit asks to save
// what these commands have not yet written.
#include <QCloseEvent>

#include "core/Error.h"
#include "raster/OutputFiles.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"

namespace zelmaro {

void TMainForm::SaveImageClick() {
  SaveShadedImageCommand();
}
void TMainForm::SaveShadowSpeedButtonClick() {
  SaveShadedImageCommand();
}
void TMainForm::SaveDEMClick() {
  SaveDemCommand();
}
void TMainForm::SaveDEMSpeedButtonClick() {
  SaveDemCommand();
}
void TMainForm::SaveSelectionClick() {
  SaveContourImageCommand();
}
void TMainForm::SaveContLineSpeedButtonClick() {
  SaveContourImageCommand();
}

void TMainForm::SaveShadedImageCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto stem =
        ui_.SaveFileName({"Save Shadowed DEM", "Name [*.raw]|*.raw", Session.InputDirectory});
    if (stem) SaveShadedImage(Session, *stem, Zone);
  });
}

void TMainForm::SaveDemCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto choice = ui_.SaveFileChoice(
        {"Save DEM", "Name File Raster [*_m4.raw]|*_m4.raw|Name File Ascii [*.asc]|*.asc",
         Session.InputDirectory});
    if (!choice) return;
    if (choice->filterIndex == 1) {
      SaveDemRaw(Session, choice->path, Zone);
      unsaved_.DemSaved();
      return;
    }
    // Cancel in the coordinates dialog abandons the grid: nothing is written.
    if (!CoordUTMForm->AskCoordinates()) return;
    SaveDemAscii(Session, choice->path, CoordUTMForm->Model.Frame());
    unsaved_.DemSaved();
  });
}

void TMainForm::SaveContourImageCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto stem = ui_.SaveFileName(
        {"SAVE CONTOUR LINES IMAGE", "Raw File [*.raw]|*.raw", Session.InputDirectory});
    if (!stem) return;
    SaveContourImage(Session, *stem, Zone);
    unsaved_.ContourSaved();
  });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!unsaved_.Pending()) {
    event->accept();
    return;
  }
  const QuestionAnswer answer =
      ui_.AskQuestion("Exit", UnsavedWork::kQuestion, unsaved_.Details(), this);
  if (answer == QuestionAnswer::No) {
    event->accept();
    return;
  }
  if (answer == QuestionAnswer::Yes) {
    // Each save asks for its name as its own command does; one left unsaved (its
    // dialog cancelled, or the file could not be written) keeps the program open.
    if (unsaved_.DemUnsaved()) SaveDemCommand();
    if (!unsaved_.DemUnsaved() && unsaved_.ContourUnsaved()) SaveContourImageCommand();
  }
  if (answer == QuestionAnswer::Yes && !unsaved_.Pending()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace zelmaro
