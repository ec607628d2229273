// The Raster command of the main window: a raw contour-line image, its size and its
// altitude table, all or nothing: a failure or a cancel at any step leaves the session,
// the windows and the buttons as they were.
#include <QMdiArea>

#include "core/DisplayBitmap.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/Progress.h"
#include "raster/RasterFiles.h"
#include "ui/dialogs/Coordutm.h"
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
  // The load proposes new parameters; abandoned, it leaves those typed before.
  const TDynRasterForm::Texts parameters = DynRasterForm->EditTexts();
  const bool done = RunCommandStep(SessionGrids::Contour, [&] { LoadRaster(givenPath); });
  if (!done) DynRasterForm->SetEditTexts(parameters);
  if (origin == CommandOrigin::Menu) ResultForm->SendBack();
  if (ImageForm->HasPicture()) MdiArea()->setActiveSubWindow(ImageForm);
  // A load abandoned once its file was chosen leaves the buttons as they were.
  if (done) ApplyEnabling(EnablingEvent::RasterCommandEnded);
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
    if (!ui_.RunModal(*ImageSizeForm)) throw CommandCancelled();
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

  // The picture is there to look at while the table is chosen, but an image without
  // its altitudes is no data set: without the table the whole load is abandoned.
  const auto tablePath = ui_.OpenFileName(
      {"Open Table Gray Tones Altitudes", "Table [*.txt]|*.txt", Session.InputDirectory});
  if (!tablePath) throw CommandCancelled();
  const AltitudeTableContent table = ReadAltitudeTable(*tablePath);
  CommitAltitudeTable(Session, table.altitudes);
  // Before the parameters are asked: a table read otherwise than its author meant may
  // still be abandoned there.
  for (const std::string& warning : table.warnings) {
    ui_.ShowMessage("WARNING", warning, MessageIcon::Warning, this);
  }

  DynRasterForm->ShowLevels(LevelsOfTable(Session.AltitudeTable, Session.AltitudeCount));
  if (!ui_.RunModal(*DynRasterForm)) throw CommandCancelled();
  const DynRasterModel& parameters = DynRasterForm->Model;
  // A raster has no map coordinates: an extent left by an earlier zone would be written
  // into this image's files.
  Zone = ZoneParameters{};
  Zone.ZonePixelSize = parameters.ParamPixelSize;

  FinishRasterLoad(Session);
  DynamicForm->ShowRange(parameters.ParamMinimum, parameters.ParamMaximum,
                         parameters.ParamInterval);
  ImageRasterForm->ShowSize(Session.ImageLines, Session.ImageColumns);
  CoordUTMForm->ProposeZone(Zone.ZonePixelSize, std::nullopt);
  NewContourImage();
  ApplyEnabling(EnablingEvent::RasterLoaded);
}

}  // namespace zelmaro
