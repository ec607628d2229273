// The vector road of the main window: Vectorial loads a DXF scene as a gray preview,
// Extract Vector Zone cuts the working image out of it, Back and Return switch the
// image window between the two.
#include <QMdiArea>

#include "core/ContourContent.h"
#include "core/DisplayBitmap.h"
#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "core/NumberText.h"
#include "ui/dialogs/Coordutm.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/dialogs/Dynraster.h"
#include "ui/dialogs/Imagevect.h"
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

}  // namespace

void TMainForm::VectorialClick() {
  VectSpeedButtonClick();
}

void TMainForm::VectSpeedButtonClick() {
  ResultForm->SendBack();
  const BusyCursor busy(ui_);
  const auto path =
      ui_.OpenFileName({"VECTORIAL FILE OPENING", "Vectorial Files [*.dxf]|*.dxf", DialogFolder()});
  if (!path) return;
  RunCommandStep(SessionGrids::Vector, [&] {
    // The preview's size is known only once the file is read: its largest is counted.
    const std::uint64_t fileBytes = FileByteCount(*path);
    RequireMemory({"Vectorial", *path + " (" + FormatThousands(fileBytes) + " bytes)",
                   AddBytes(VectorSceneMemoryBytes(fileBytes),
                            PictureMemoryBytes(static_cast<std::int64_t>(kMostPreviewCells), 1))});
    VectorSceneFrame frame;
    {
      ProgressShown progress(*this);
      frame =
          RasterizeVectorScene(Session, *path, [&progress](double done) { progress.Step(done); });
    }
    ShowScenePreview(*this);
    PresentNewPicture(*ImageForm);
    ImageVectForm->ShowFrame(frame);
    SelectionForm->ShowSceneFrame(SceneExtent(Session));
    DynamicForm->ShowRange(frame.ZMin, frame.ZMax, frame.HypsometricInterval);
    DynRasterForm->ShowLevels({frame.ZMin, frame.ZMax, frame.HypsometricInterval});
    ApplyEnabling(EnablingEvent::VectorLoaded);
  });
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
    const ZoneSelection selection = SelectZone(Session, SelectionForm->Model.Zone);
    RequireContourCells(Session);
    Zone = selection.zone;
    ImageForm->WorkingExtent = ZoneExtent(Zone);
    ResultForm->ShownLines = selection.Lines;
    ResultForm->ShownColumns = selection.Columns;
    ImageForm->ShowContourImage();
    PresentNewPicture(*ImageForm);
    ApplyEnabling(EnablingEvent::ZoneSelected);
    // The zone may be edited at once; a button already down keeps holding the tools.
    if (!ToolOrZoomDown()) ApplyEnabling(EnablingEvent::ZoomUp);
    CoordUTMForm->ProposeZone(Zone.ZonePixelSize, std::pair{Zone.ZoneXMin, Zone.ZoneYMin});
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
