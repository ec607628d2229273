// The Raster command of the main window: a raw contour-line image, its size and its
// altitude table, read in stages so that a failure leaves the session as it was.
#include <QMdiArea>

#include "core/DisplayBitmap.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "raster/RasterFiles.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imageraster.h"
#include "ui/dialogs/Imagesize.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/Resultwindow.h"

namespace zelmaro {

void TMainForm::RasterClick() {
  RunRasterCommand(CommandOrigin::Menu, std::nullopt);
}

void TMainForm::RasterSpeedButtonClick() {
  RunRasterCommand(CommandOrigin::Button, std::nullopt);
}

void TMainForm::RasterOnFile(const std::string& rawPath) {
  RunRasterCommand(CommandOrigin::Menu, rawPath);
}

void TMainForm::RunRasterCommand(CommandOrigin origin,
                                 const std::optional<std::string>& givenPath) {
  // The tool-bar button puts the result window behind before the work starts, the menu
  // item after it; the user sees the new picture in front either way.
  if (origin == CommandOrigin::Button) ResultForm->SendBack();
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::Contour, [&] { LoadRaster(givenPath); });
  if (origin == CommandOrigin::Menu) ResultForm->SendBack();
  if (ImageForm->HasPicture()) MdiArea()->setActiveSubWindow(ImageForm);
  ApplyEnabling(EnablingEvent::RasterCommandEnded);
}

void TMainForm::LoadRaster(const std::optional<std::string>& givenPath) {
  RasterLoadAnswers answers;
  if (givenPath) {
    answers.rawPath = *givenPath;
  } else {
    const auto chosen =
        ui_.OpenFileName({"OPEN DATA RASTER", "Raster Image [*.raw]|*.raw", DialogFolder()});
    if (!chosen) return;
    answers.rawPath = *chosen;
  }
  if (!FileExists(answers.rawPath)) {
    throw Error("The raw image " + answers.rawPath + " does not exist.");
  }
  if (!ReadSizeFile(SizeFileNameFor(answers.rawPath))) {
    // Without a size the image cannot be read: closing the dialog abandons the load.
    if (!ui_.RunModal(*ImageSizeForm)) return;
    answers.typedSize =
        ImageSize{ImageSizeForm->Model.ImageLines, ImageSizeForm->Model.ImageColumns};
  }
  RasterImageData image = ReadRasterImage(answers);
  const ImageSize size = image.size;
  CommitRasterImage(Session, std::move(image));
  // A raster has no map frame.
  ImageForm->WorkingExtent = {};
  ResultForm->ShownLines = size.lines;
  ResultForm->ShownColumns = size.columns;
  ImageForm->ShowContourImage();
  PresentNewPicture(*ImageForm);

  const auto tablePath = ui_.OpenFileName(
      {"Open Table Gray Tones Altitudes", "Table [*.txt]|*.txt", Session.InputDirectory});
  if (!tablePath) return;
  // The picture stays when the table cannot be read; only the table step is undone.
  if (!RunCommandStep(SessionGrids::None,
                      [&] { CommitAltitudeTable(Session, ReadAltitudeTable(*tablePath)); })) {
    return;
  }

  ui_.RunModal(*DynRasterForm);
  const DynRasterModel& parameters = DynRasterForm->Model;
  DynamicForm->ShowRange(parameters.ParamMinimum, parameters.ParamMaximum,
                         parameters.ParamInterval);
  Zone.ZonePixelSize = parameters.ParamPixelSize;

  FinishRasterLoad(Session);
  ImageRasterForm->ShowSize(Session.ImageLines, Session.ImageColumns);
  ApplyEnabling(EnablingEvent::RasterLoaded);
}

}  // namespace zelmaro
