// The save commands of the main window: the contour-line image, the shaded picture and
// the DEM (raw or ASCII grid). Each writes all its files or none.
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
      return;
    }
    // Cancel in the coordinates dialog abandons the grid: nothing is written.
    if (!CoordUTMForm->AskCoordinates()) return;
    SaveDemAscii(Session, choice->path, CoordUTMForm->Model.Frame());
  });
}

void TMainForm::SaveContourImageCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto stem = ui_.SaveFileName(
        {"SAVE CONTOUR LINES IMAGE", "Raw File [*.raw]|*.raw", Session.InputDirectory});
    if (stem) SaveContourImage(Session, *stem, Zone);
  });
}

}  // namespace zelmaro
