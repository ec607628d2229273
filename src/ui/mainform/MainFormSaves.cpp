// The save commands of the main window: the contour-line image, the shaded picture (raw,
// GeoTIFF or PNG) and the DEM (raw, ASCII grid or GeoTIFF). Each writes all its files or
// none; where the CRS is known it goes with every georeferenced output. Exit asks to save
// what these commands have not yet written.
#include <QCloseEvent>
#include <cctype>

#include "core/Error.h"
#include "gis/Crs.h"
#include "gis/GeoTiff.h"
#include "gis/GeoTiffMemory.h"
#include "interp/Dilation.h"
#include "raster/OutputFiles.h"
#include "raster/RasterMemory.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/mainform/ProgressShown.h"

namespace zelmaro {
namespace {

// The new formats take their own ending: a name chosen with it in the dialog must not
// end up as name.tif.tif.
std::string WithoutEnding(const std::string& path, const std::string& ending) {
  if (path.size() <= ending.size()) return path;
  for (std::size_t i = 0; i < ending.size(); ++i) {
    const char c = path[path.size() - ending.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != ending[i]) return path;
  }
  return path.substr(0, path.size() - ending.size());
}

const GridGeoreference& RequireFrame(const std::optional<GridGeoreference>& georeference,
                                     const std::string& what) {
  if (!georeference) {
    throw Error("The " + what +
                " has no map frame for a GeoTIFF: its raster map has no world file (.wld) "
                "and no coordinates in its size file. Save it in another format, or give the "
                "map a world file and load it again.");
  }
  return *georeference;
}

}  // namespace

const std::string& TMainForm::WorkingCrs() const {
  return WorkingFrame ? WorkingFrame->CrsWkt : Session.CrsWkt;
}

void TMainForm::AdoptGivenCrs(const std::string& crs) {
  if (crs.empty() || !WorkingCrs().empty()) return;
  if (WorkingFrame) WorkingFrame->CrsWkt = crs;
  if (Session.CrsWkt.empty()) Session.CrsWkt = crs;
}

void TMainForm::ProposeAsciiFrame() {
  if (!WorkingFrame) {
    CoordUTMForm->ProposeZone(Zone.ZonePixelSize, std::nullopt);
    return;
  }
  // The grid's outer lower left corner, so that the ASCII grid lies on the DEM's cells.
  const AsciiGridFrame frame = AsciiFrameOf(*WorkingFrame, Session.ContourImage.Lines(), 0);
  CoordUTMForm->ProposeZone(frame.CellSize, std::pair{frame.XMin, frame.YMin});
}

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
    const auto choice = ui_.SaveFileChoice(
        {"Save Shadowed DEM", "Name [*.raw]|*.raw|GeoTIFF [*.tif]|*.tif|PNG [*.png]|*.png",
         Session.InputDirectory});
    if (!choice) return;
    const int lines = Session.ShadedImage.Lines();
    const int columns = Session.ShadedImage.Columns();
    if (choice->filterIndex == 2) {
      const std::string stem = WithoutEnding(choice->path, ".tif");
      RequireSave("Save Image", StemFiles(stem, {".tif"}, "the shaded image"),
                  PictureFileMemoryBytes(lines, columns));
      SaveShadedGeoTiff(Session, stem, RequireFrame(WorkingFrame, "shaded image"));
    } else if (choice->filterIndex == 3) {
      const std::string stem = WithoutEnding(choice->path, ".png");
      RequireSave("Save Image", StemFiles(stem, {".png"}, "the shaded image"),
                  PictureFileMemoryBytes(lines, columns));
      SaveShadedPng(Session, stem);
    } else {
      RequireSave("Save Image", StemFiles(choice->path, {".txt", ".raw"}, "the shaded image"),
                  RawImageSaveMemoryBytes(lines, columns));
      SaveShadedImage(Session, choice->path, Zone);
    }
  });
}

void TMainForm::SaveDemCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto choice = ui_.SaveFileChoice({"Save DEM",
                                            "Name File Raster [*_m4.raw]|*_m4.raw|Name File "
                                            "Ascii [*.asc]|*.asc|GeoTIFF DEM [*.tif]|*.tif",
                                            Session.InputDirectory});
    if (!choice) return;
    const std::optional<GridGeoreference>& georeference = WorkingFrame;
    const int lines = Session.DemGrid.Lines();
    const int columns = Session.DemGrid.Columns();
    if (choice->filterIndex == 1) {
      RequireSave("Save DEM",
                  StemFiles(choice->path, {"_m4.txt", "_m4.raw", "_m4.prj", "_m4.hdr"}, "the DEM"),
                  RawDemSaveMemoryBytes(lines, columns));
      // With a frame and a CRS, a GIS opens the raw DEM through its .hdr and .prj.
      const SideFiles sideFiles = georeference
                                      ? RawGridSideFiles(*georeference, Session.DemGrid.Lines(),
                                                         Session.DemGrid.Columns(), 32, NoAltitude)
                                      : ProjectionSideFiles(WorkingCrs());
      ProgressShown progress(*this);
      SaveDemRaw(Session, choice->path, Zone, sideFiles, progress.Tracker());
    } else if (choice->filterIndex == 3) {
      RequireSave("Save DEM",
                  StemFiles(WithoutEnding(choice->path, ".tif"), {".tif"}, "the DEM GeoTIFF"),
                  GeoTiffSaveMemoryBytes(lines, columns));
      ProgressShown progress(*this);
      SaveDemGeoTiff(Session, WithoutEnding(choice->path, ".tif"),
                     RequireFrame(georeference, "DEM"), DynamicForm->ScaleOutFactor(),
                     progress.Tracker());
    } else {
      RequireSave("Save DEM", StemFiles(choice->path, {".asc", ".prj"}, "the ASCII grid"),
                  AsciiGridSaveMemoryBytes(lines, columns));
      // Cancel in the coordinates dialog abandons the grid: nothing is written.
      CoordUTMForm->ShowKnownCrs(WorkingCrs());
      if (!CoordUTMForm->AskCoordinates()) return;
      const std::string crs = CoordUTMForm->ChosenCrs();
      {
        ProgressShown progress(*this);
        SaveDemAscii(Session, choice->path, CoordUTMForm->Model.Frame(), ProjectionSideFiles(crs),
                     progress.Tracker());
      }
      AdoptGivenCrs(crs);
    }
    unsaved_.DemSaved();
  });
}

void TMainForm::SaveContourImageCommand() {
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::None, [this] {
    const auto stem = ui_.SaveFileName(
        {"SAVE CONTOUR LINES IMAGE", "Raw File [*.raw]|*.raw", Session.InputDirectory});
    if (!stem) return;
    const ByteGrid& image = Session.ContourImage;
    RequireSave("Save Contour Line Image",
                StemFiles(*stem, {".txt", "_tab.txt", ".raw", ".prj"}, "the contour-line image"),
                RawImageSaveMemoryBytes(image.Lines(), image.Columns()));
    SaveContourImage(Session, *stem, Zone, ProjectionSideFiles(WorkingCrs()));
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
