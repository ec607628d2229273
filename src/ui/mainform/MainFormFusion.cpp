// The two DXF fusions of the main window: several sheets into one file, and contour
// lines with a coastline. They only write files, which Vectorial loads afterwards.
#include <algorithm>

#include "core/FileIO.h"
#include "core/MemoryBudget.h"
#include "ui/dialogs/Sumdxf.h"
#include "ui/interaction/UserInteraction.h"
#include "ui/mainform/Mainwindow.h"
#include "ui/mainform/ProgressShown.h"
#include "vector/DxfFusion.h"
#include "vector/VectorMemory.h"

namespace zelmaro {
namespace {

// The coastline dialogs ask for names without their extension and append ".dxf". An
// open dialog, though, only returns files that exist: a file picked from its list is
// taken as it is when the name with ".dxf" appended names no file.
std::string DxfNameEntered(const std::string& entered) {
  const std::string appended = entered + ".dxf";
  if (!FileExists(appended) && FileExists(entered)) return entered;
  return appended;
}

}  // namespace

void TMainForm::CheckFusion(const std::string& command, const std::string& result,
                            const std::vector<std::string>& inputs) const {
  RefuseOverwritingInputs({{result, "the fused file"}}, NamedFiles(inputs, "a file to fuse"));
  RequireMemory(FusionMemoryNeed(command, inputs));
}

void TMainForm::VariousdxfFilesTreatmentClick() {
  FusionSpeedButtonClick();
}

void TMainForm::FusionSpeedButtonClick() {
  const BusyCursor busy(ui_);
  // Closing the count dialog by its frame abandons the fusion like any cancelled dialog.
  if (!ui_.RunModal(*SumdxfForm)) return;
  const int count = Session.DxfFileCount;
  Session.DxfFileList.clear();
  for (int i = 1; i <= count; ++i) {
    const auto path = ui_.OpenFileName({"Open dxf File", "File dxf [*.dxf]|*.dxf", DialogFolder()});
    if (!path) return;
    Session.DxfFileList.push_back(*path);
  }
  const auto result = ui_.SaveFileName(
      {" Name of the resulting dxf File", "Resulting File [*.dxf]|*.dxf", DialogFolder()});
  if (!result) return;
  Session.FusionOutputName = *result + ".dxf";
  RunCommandStep(SessionGrids::None, [&] {
    CheckFusion("Fusion Various Vect. Files", Session.FusionOutputName, Session.DxfFileList);
    ProgressShown progress(*this);
    // Each input is read twice, for the extent and for the copy: 2 x count steps.
    const double steps = 2.0 * std::max(count, 1);
    FuseDxfFiles(
        Session.DxfFileList, *result, [&progress, steps](int pass, std::size_t input, int) {
          progress.Step(((pass - 1) * (steps / 2.0) + static_cast<double>(input - 1)) / steps);
        });
  });
}

void TMainForm::Info1Click() {
  ShowForm("TSumDxfInfoForm");
}

void TMainForm::CnHaTreatmentClick() {
  CNHASpeedButtonClick();
}

void TMainForm::CNHASpeedButtonClick() {
  const BusyCursor busy(ui_);
  const auto contour =
      ui_.OpenFileName({"Open dxf File (Contour Lines}     INEGI Files = Name CN.dxf",
                        "File Dxf (Name without extension dxf)  [*.dxf]|*.dxf", DialogFolder()});
  const auto coastline =
      contour ? ui_.OpenFileName({"Open dxf File (Coast Line]     INEGI Files = Name_HA.dxf",
                                  "File dxf (Name without extension dxf)  [*.dxf] |*.dxf",
                                  DialogFolder()})
              : std::nullopt;
  const auto result =
      coastline ? ui_.SaveFileName(
                      {"Name of the CNHA resulting File   (Nota : Enter a simple Name, "
                       "the program will give the extension _cnha.dxf)",
                       "Dxf File [Name without extension _cnha.dxf] [*.dxf]|*.dxf", DialogFolder()})
                : std::nullopt;
  if (result) {
    Session.ContourDxfName = DxfNameEntered(*contour);
    Session.CoastlineDxfName = DxfNameEntered(*coastline);
    Session.FusionOutputName = *result + "_cnha.dxf";
    RunCommandStep(SessionGrids::None, [&] {
      CheckFusion("Fusion Cont. Lines and Coast Line", Session.FusionOutputName,
                  {Session.ContourDxfName, Session.CoastlineDxfName});
      FuseCoastline(Session.ContourDxfName, Session.CoastlineDxfName, *result);
    });
  }
}

}  // namespace zelmaro
