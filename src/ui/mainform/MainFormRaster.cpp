// The Raster command of the main window: a raw contour-line image (or a GeoTIFF of
// contour codes), its size, its map frame when it has one, and its altitude table, all
// or nothing: a failure or a cancel at any step leaves the session, the windows and the
// buttons as they were.
#include <QMdiArea>

#include "core/DisplayBitmap.h"
#include "core/Error.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "core/Progress.h"
#include "gis/Crs.h"
#include "gis/GeoTiff.h"
#include "gis/GridGeoreference.h"
#include "raster/RasterFiles.h"
#include "raster/RasterMemory.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imageraster.h"
#include "ui/dialogs/Imagesize.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/windows/Resultwindow.h"
#include "ui/windows/ScreenBitmap.h"

namespace zelmaro {
namespace {

// What gave a map its frame, in the order the frame is looked for.
std::string FrameSourceName(const std::string& path) {
  if (IsGeoTiffPath(path)) return "its GeoTIFF georeference";
  for (const char* ending : {".wld", ".rww"}) {
    const std::string world = ReplaceExtension(path, ending);
    if (FileExists(world)) return "the world file " + world;
  }
  return "the coordinates of its size file " + SizeFileNameFor(path);
}

}  // namespace

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
  std::string path;
  if (givenPath) {
    path = *givenPath;
  } else {
    const auto chosen = ui_.OpenFileName({"OPEN DATA RASTER",
                                          "Raster Image [*.raw]|*.raw|Contour GeoTIFF [*.tif]|"
                                          "*.tif;*.tiff",
                                          DialogFolder()});
    if (!chosen) return;
    path = *chosen;
  }
  std::string lengthNote;
  const std::optional<GridGeoreference> frame = ReadMapAndFrame(path, lengthNote);
  const ImageSize size{Session.ImageLines, Session.ImageColumns};
  std::optional<ZoneParameters> mapZone;
  if (frame) {
    Session.GeoReferenced = 1;
    mapZone = ZoneOfGeoreference(*frame, size.lines, size.columns);
  }
  // A raster without a frame has no map coordinates.
  ImageForm->WorkingExtent = mapZone ? MapExtent{mapZone->ZoneXMin, mapZone->ZoneXMax,
                                                 mapZone->ZoneYMin, mapZone->ZoneYMax}
                                     : MapExtent{};
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
  Session.AltitudeTableName = *tablePath;
  // Before the parameters are asked: a table read otherwise than its author meant may
  // still be abandoned there.
  for (const std::string& warning : table.warnings) {
    ui_.ShowMessage("WARNING", warning, MessageIcon::Warning, this);
  }

  DynRasterForm->ShowLevels(LevelsOfTable(Session.AltitudeTable, Session.AltitudeCount));
  if (mapZone) {
    TDynRasterForm::Texts texts = DynRasterForm->EditTexts();
    texts.pixel = QString::number(mapZone->ZonePixelSize);
    DynRasterForm->SetEditTexts(texts);
  }
  if (!ui_.RunModal(*DynRasterForm)) throw CommandCancelled();
  const DynRasterModel& parameters = DynRasterForm->Model;
  if (mapZone && parameters.ParamPixelSize != mapZone->ZonePixelSize) {
    // Another pixel size would describe the outputs on cells the map does not have.
    throw Error("The map " + path + " lies on cells of " + FormatGeneral15(frame->CellSize) +
                " map units (" + FrameSourceName(path) + "): its pixel size is " +
                std::to_string(mapZone->ZonePixelSize) + ", not " +
                std::to_string(parameters.ParamPixelSize) + ".");
  }
  // A raster without a frame has no map coordinates: an extent left by an earlier zone
  // would be written into this image's files.
  Zone = mapZone.value_or(ZoneParameters{});
  Zone.ZonePixelSize = parameters.ParamPixelSize;
  WorkingFrame = frame;

  FinishRasterLoad(Session);
  DynamicForm->ShowRange(parameters.ParamMinimum, parameters.ParamMaximum,
                         parameters.ParamInterval);
  ImageRasterForm->ShowSize(Session.ImageLines, Session.ImageColumns);
  ProposeAsciiFrame();
  NewContourImage();
  ApplyEnabling(EnablingEvent::RasterLoaded);
  const std::string frameNote = frame ? "Map frame from " + FrameSourceName(path) + ": cells of " +
                                            FormatGeneral15(frame->CellSize) + " map units; CRS " +
                                            CrsLabel(Session.CrsWkt) + "."
                                      : std::string();
  ShowStatusNote(frameNote.empty() || lengthNote.empty() ? frameNote + lengthNote
                                                         : lengthNote + " " + frameNote);
}

void TMainForm::RequireMapMemory(const ImageSize& size, const std::string& lengthNote) const {
  try {
    RequireMemoryFor("Raster", size.lines, size.columns,
                     AddBytes(RasterLoadMemoryBytes(size.lines, size.columns),
                              PictureMemoryBytes(size.lines, size.columns)));
  } catch (const Error& refusal) {
    // An absurd size often comes from a size file that belongs to another image.
    throw Error(std::string(refusal.what()) + (lengthNote.empty() ? "" : "\n" + lengthNote));
  }
}

std::optional<GridGeoreference> TMainForm::ReadMapAndFrame(const std::string& path,
                                                           std::string& lengthNote) {
  if (IsGeoTiffPath(path)) {
    RequireMapMemory(ContourGeoTiffSize(path), {});
    ContourGeoTiff map = ReadContourGeoTiff(path);
    std::optional<GridGeoreference> frame = map.Georeference;
    CommitContourGeoTiff(Session, std::move(map));
    return frame;
  }
  RasterLoadAnswers answers;
  answers.rawPath = path;
  if (!FileExists(path)) throw Error("The raw image " + path + " does not exist.");
  const std::string sizePath = SizeFileNameFor(path);
  std::optional<ImageSize> size = ReadSizeFile(sizePath);
  if (!size) {
    // Without a size the image cannot be read: closing the dialog abandons the load.
    if (!ui_.RunModal(*ImageSizeForm)) throw CommandCancelled();
    answers.typedSize =
        ImageSize{ImageSizeForm->Model.ImageLines, ImageSizeForm->Model.ImageColumns};
    size = answers.typedSize;
  }
  lengthNote = RawImageLengthNote(path, *size);
  RequireMapMemory(*size, lengthNote);
  RasterImageData image = ReadRasterImage(answers);
  std::optional<GridGeoreference> frame = ReadRawMapGeoreference(path, sizePath);
  // A map without a frame may still say its CRS.
  const std::string crs = frame ? frame->CrsWkt : ReadPrjFile(ReplaceExtension(path, ".prj"));
  CommitRasterImage(Session, std::move(image));
  Session.CrsWkt = crs;
  return frame;
}

}  // namespace zelmaro
