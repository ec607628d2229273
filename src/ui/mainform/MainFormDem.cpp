// The DEM commands of the main window: the dilation interpolation, the display of the
// shaded DEM, its information and the pipette of the result window.
#include <QAction>
#include <QDialog>
#include <QMdiArea>

#include "core/ContourContent.h"
#include "core/DisplayBitmap.h"
#include "core/MemoryBudget.h"
#include "forms/ResultViewMath.h"
#include "gis/Crs.h"
#include "interp/Dilation.h"
#include "interp/InterpolationMemory.h"
#include "raster/RasterMemory.h"
#include "raster/ShadeDem.h"
#include "ui/dialogs/Deminfo.h"
#include "ui/dialogs/Dynamic.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/mainform/ProgressShown.h"
#include "ui/windows/Resultwindow.h"
#include "ui/windows/ScreenBitmap.h"

namespace zelmaro {

void TMainForm::ConnectDemCommands() {
  const std::vector<std::pair<const char*, void (TMainForm::*)()>> buttons{
      {"DilatSpeedButton", &TMainForm::DilatSpeedButtonClick},
      {"SaveShadowSpeedButton", &TMainForm::SaveShadowSpeedButtonClick},
      {"SaveDEMSpeedButton", &TMainForm::SaveDEMSpeedButtonClick},
      {"SaveContLineSpeedButton", &TMainForm::SaveContLineSpeedButtonClick},
      {"SuavSpeedButton", &TMainForm::SuavSpeedButtonClick},
      {"RuzeSpeedButton", &TMainForm::RuzeSpeedButtonClick},
      {"SurfaceSpeedButton", &TMainForm::SurfaceSpeedButtonClick},
  };
  for (const auto& [name, handler] : buttons) {
    connect(Action(name), &QAction::triggered, this, handler);
  }
}

void TMainForm::DilTreatmentClick() {
  RunDilation();
}

void TMainForm::DilatSpeedButtonClick() {
  RunDilation();
}

void TMainForm::RunDilation() {
  const BusyCursor busy(ui_);
  // An image without a single altitude would give a DEM of nothing but the mark of
  // cells without altitude: refused before anything is asked.
  if (!RunCommandStep(SessionGrids::None, [this] { RequireAltitudeCells(Session); })) return;
  // Without both units the seeds cannot be converted: the command stops before
  // anything changes.
  if (!DynamicForm->AskScale()) return;
  busy.Show();
  const bool done = RunCommandStep(SessionGrids::Dem, [this] {
    RequireDemCommandMemory("Dilation",
                            DilationMemoryBytes(Session.WorkLines, Session.WorkColumns));
    ProgressShown progress(*this);
    SeedDemGrid(Session, DynamicForm->ScaleInFactor(), DynamicForm->ScaleOutFactor());
    DilationInterpolation(Session, progress.Tracker());
  });
  if (done) {
    ShowDem();
    ApplyEnabling(EnablingEvent::DemFilled);
    ApplyEnabling(EnablingEvent::DilationFinished);
    unsaved_.DemMade();
  }
}

void TMainForm::RequireDemCommandMemory(const std::string& command, std::uint64_t bytes) const {
  const std::int64_t lines = Session.WorkLines;
  const std::int64_t columns = Session.WorkColumns;
  RequireMemoryFor(command, lines, columns,
                   AddBytes(bytes, AddBytes(ShadeMemoryBytes(lines, columns),
                                            PictureMemoryBytes(lines, columns))));
}

void TMainForm::ShowDem() {
  Session.ShadedImage =
      ShadeDem(Session.DemGrid, Zone.ZonePixelSize, DynamicForm->ScaleOutFactor());
  // A DEM of another size, or one in a window the user had closed, is a new picture
  // for the window; a smoothed one replaces its picture where the window stands.
  const bool newPicture = !ResultForm->isVisible() || !ResultForm->HasPicture() ||
                          ResultForm->ScreenBitmap.height() != Session.ShadedImage.Lines() ||
                          ResultForm->ScreenBitmap.width() != Session.ShadedImage.Columns();
  ResultForm->show();
  ResultForm->raise();
  mdiArea_->setActiveSubWindow(ResultForm);
  const DisplayBitmap picture = DisplayBitmap::FromGray(Session, Session.ShadedImage);
  ImageForm->SetCaptionName(Session.InputFileName);
  ResultForm->SetCaptionName(Session.InputFileName);
  ResultForm->SetPicture(picture);
  if (newPicture) PresentNewPicture(*ResultForm);
}

void TMainForm::DilInfoClick() {
  ShowForm("TMorphoMathForm");
  ShowForm("TDilationForm");
}

void TMainForm::InfoDEM1Click() {
  DEMInfoForm->ShowValues(Session, Zone.ZonePixelSize, DynamicForm->ScaleOutFactor());
  DEMInfoForm->ShowCrs(CrsLabel(WorkingCrs()));
  ui_.RunModal(*DEMInfoForm);
}

void TMainForm::ResultPipettePicked(int line, int column) {
  // The result window shows the DEM: its pipette reads the altitude there and the gray
  // tone it is drawn in. A contour code picked here would mean nothing to the user.
  if (!Session.DemGrid.Contains(line, column)) return;
  const ByteGrid& shaded = Session.ShadedImage;
  const int gray = shaded.Contains(line, column) ? shaded[line][column] : 0;
  ui_.ShowMessage(
      "Pipette",
      PipetteReadingText(Session.DemGrid[line][column], DynamicForm->ScaleOutFactor(), gray),
      MessageIcon::None, this);
}

}  // namespace zelmaro
