// The vector road of the main window: Vectorial loads a DXF scene, or the contour lines
// of any GIS source, as a gray preview, Extract Vector Zone cuts the working image out
// of it, Back and Return switch the image window between the two.
#include <QMdiArea>

#include "core/ContourContent.h"
#include "core/DisplayBitmap.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "core/Progress.h"
#include "forms/LayerFieldModel.h"
#include "gis/Crs.h"
#include "gis/GridGeoreference.h"
#include "gis/VectorSource.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imagevect.h"
#include "ui/dialogs/LayerField.h"
#include "ui/dialogs/Selection.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/mainform/ProgressShown.h"
#include "ui/windows/Resultwindow.h"
#include "ui/windows/ScreenBitmap.h"
#include "vector/VectorMemory.h"
#include "vector/VectorScene.h"
#include "vector/ZoneSelection.h"

namespace zelmaro {
namespace {

MapExtent SceneExtent(const SessionState& session) {
  return {session.VectorXMin, session.VectorXMax, session.VectorYMin, session.VectorYMax};
}

MapExtent ZoneExtent(const ZoneParameters& zone) {
  return {zone.ZoneXMin, zone.ZoneXMax, zone.ZoneYMin, zone.ZoneYMax};
}

// The whole scene in gray: lines black on white.
void ShowScenePreview(TMainForm& main) {
  SessionState& session = main.Session;
  TImageForm& image = *main.ImageForm;
  image.ShowScenePreview(DisplayBitmap::FromGray(session, session.VectorImage),
                         SceneExtent(session));
  main.MdiArea()->setActiveSubWindow(&image);
}

// "All vector files" first, then one filter per format.
std::string VectorOpenFilter() {
  std::string filter;
  for (const VectorFileFilter& format : VectorFileFilters()) {
    std::string patterns;
    for (const std::string& pattern : format.Patterns) {
      patterns += (patterns.empty() ? "" : ";") + pattern;
    }
    filter += (filter.empty() ? "" : "|") + format.Label + "|" + patterns;
  }
  return filter;
}

}  // namespace

void TMainForm::VectorialClick() {
  VectSpeedButtonClick();
}

void TMainForm::VectSpeedButtonClick() {
  ResultForm->SendBack();
  const BusyCursor busy(ui_);
  const auto path =
      ui_.OpenFileName({"VECTORIAL FILE OPENING", VectorOpenFilter(), DialogFolder()});
  if (!path) return;
  RunCommandStep(SessionGrids::Vector, [&] { LoadVectorFile(*path); });
}

void TMainForm::LoadVectorFile(const std::string& path) {
  // A GIS source first says which layer and which elevation; a DXF file has neither.
  ContourSourceChoice choice;
  if (!IsDxfPath(path)) {
    const VectorSourceInfo source = DescribeVectorSource(path);
    // Built on first use: only GIS sources need it.
    if (LayerFieldForm == nullptr) LayerFieldForm = new TLayerFieldForm(ui_, this);
    const auto chosen = LayerFieldForm->AskChoice(source);
    if (!chosen) throw CommandCancelled();
    choice = *chosen;
  }
  // The preview's size is known only once the file is read: its largest is counted.
  const std::uint64_t fileBytes = FileByteCount(path);
  RequireMemory({"Vectorial", path + " (" + FormatThousands(fileBytes) + " bytes)",
                 AddBytes(VectorSceneMemoryBytes(fileBytes),
                          PictureMemoryBytes(static_cast<std::int64_t>(kMostPreviewCells), 1))});
  VectorSourceLoad load;
  {
    ProgressShown progress(*this);
    load = LoadVectorSource(Session, path, choice, progress.Tracker());
  }
  const VectorSceneFrame& frame = load.Frame;
  ShowScenePreview(*this);
  PresentNewPicture(*ImageForm);
  ImageVectForm->ShowFrame(frame);
  ImageVectForm->ShowSource(load.Layer.empty() ? "DXF" : load.Layer + " / " + load.Elevation,
                            CrsLabel(Session.CrsWkt));
  SelectionForm->ShowSceneFrame(SceneExtent(Session));
  DynamicForm->ShowRange(frame.ZMin, frame.ZMax, frame.HypsometricInterval);
  DynRasterForm->ShowLevels({frame.ZMin, frame.ZMax, frame.HypsometricInterval});
  ApplyEnabling(EnablingEvent::VectorLoaded);
  const VectorLoadFacts facts{load.Layer,           load.Elevation,
                              load.Features,        load.WithoutElevation,
                              load.WithoutLines,    load.AltitudesFromVertices,
                              Session.AltitudeCount};
  ShowStatusNote(VectorLoadNote(facts));
  if (const auto skipped = SkippedFeaturesMessage(facts)) {
    ui_.ShowMessage("INFO", *skipped, MessageIcon::Information, this);
  }
}

void TMainForm::SelectTreatmentClick() {
  SelectionSpeedButtonClick();
}

void TMainForm::SelectionSpeedButtonClick() {
  if (!SelectionForm->AskZone()) return;
  const BusyCursor busy(ui_);
  RunCommandStep(SessionGrids::Contour, [&] {
    const ZoneGridSize size = ZoneGridSizeOf(SelectionForm->Model.Zone);
    RequireMemoryFor(
        "Extract Vector Zone", size.Lines, size.Columns,
        AddBytes(ZoneMemoryBytes(FileByteCount(Session.InputPath), size.Lines, size.Columns),
                 PictureMemoryBytes(size.Lines, size.Columns)));
    ZoneSelection selection;
    {
      ProgressShown progress(*this);
      selection = SelectZone(Session, SelectionForm->Model.Zone, progress.Tracker());
    }
    RequireContourCells(Session);
    Zone = selection.zone;
    WorkingFrame = GeoreferenceOfZone(Zone, Session.CrsWkt);
    ImageForm->WorkingExtent = ZoneExtent(Zone);
    ResultForm->ShownLines = selection.Lines;
    ResultForm->ShownColumns = selection.Columns;
    ImageForm->ShowContourImage();
    PresentNewPicture(*ImageForm);
    ApplyEnabling(EnablingEvent::ZoneSelected);
    // The zone may be edited at once; a button already down keeps holding the tools.
    if (!ToolOrZoomDown()) ApplyEnabling(EnablingEvent::ZoomUp);
    ProposeAsciiFrame();
    NewContourImage();
  });
}

void TMainForm::ReverseSpeedButtonClick() {
  Session.BackViewShown = 1;
  ShowScenePreview(*this);
  ApplyEnabling(EnablingEvent::BackShown);
}

void TMainForm::AdvanceSpeedButtonClick() {
  // The working image brings back its own size and map frame for the read-outs.
  ImageForm->ShowContourImage();
  ApplyEnabling(EnablingEvent::ReturnShown);
}

}  // namespace zelmaro
