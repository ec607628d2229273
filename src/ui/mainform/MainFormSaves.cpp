// The save commands of the main window: the contour-line image, the shaded picture and
// the DEM (raw or ASCII grid). Each writes all its files or none. Exit asks to save
// what these commands have not yet written.
#include <QCloseEvent>

#include "core/Error.h"
#include "core/MemoryBudget.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"
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
    if (!stem) return;
    RefuseOverwritingInputs(StemFiles(*stem, {".txt", ".raw"}, "the shaded image"));
    const ByteGrid& image = Session.ShadedImage;
    RequireMemoryFor("Save Image", image.Lines(), image.Columns(),
                     RawImageSaveMemoryBytes(image.Lines(), image.Columns()));
    SaveShadedImage(Session, *stem, Zone);
  });
}

void TMainForm::SaveDemCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto choice = ui_.SaveFileChoice(
        {"Save DEM", "Name File Raster [*_m4.raw]|*_m4.raw|Name File Ascii [*.asc]|*.asc",
         Session.InputDirectory});
    if (!choice) return;
    const int lines = Session.DemGrid.Lines();
    const int columns = Session.DemGrid.Columns();
    if (choice->filterIndex == 1) {
      RefuseOverwritingInputs(StemFiles(choice->path, {"_m4.txt", "_m4.raw"}, "the DEM"));
      RequireMemoryFor("Save DEM", lines, columns, RawDemSaveMemoryBytes(lines, columns));
      SaveDemRaw(Session, choice->path, Zone);
      unsaved_.DemSaved();
      return;
    }
    RefuseOverwritingInputs(StemFiles(choice->path, {".asc"}, "the ASCII grid"));
    // Cancel in the coordinates dialog abandons the grid: nothing is written.
    if (!CoordUTMForm->AskCoordinates()) return;
    RequireMemoryFor("Save DEM", lines, columns, AsciiGridSaveMemoryBytes(lines, columns));
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
    RefuseOverwritingInputs(
        StemFiles(*stem, {".txt", "_tab.txt", ".raw"}, "the contour-line image"));
    const ByteGrid& image = Session.ContourImage;
    RequireMemoryFor("Save Contour Line Image", image.Lines(), image.Columns(),
                     RawImageSaveMemoryBytes(image.Lines(), image.Columns()));
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
