#include "ui/windows/Resultwindow.h"

#include <tuple>

#include "core/SessionState.h"
#include "forms/ResultViewMath.h"

namespace zelmaro {

TResultForm::TResultForm(SessionState& session, StatusPanels& status, QWidget* parent)
    : PictureWindow(session, status, "TResultForm", " Image", parent) {}

void TResultForm::SendBack() {
  ++timesSentBack_;
  lower();
}

void TResultForm::PictureReplaced() {
  ZoomFactor = OpeningZoomForView();
}

void TResultForm::PaintBoxMouseDown(MouseButton button, int x, int y) {
  const auto [line, column] = PictureCell(x, y);
  if (Hooks.zoomDown && Hooks.zoomDown() && ZoomClick(button, line, column)) return;
  if (button != MouseButton::Left || !Hooks.pipetteDown || !Hooks.pipetteDown()) return;
  if (!session_.DemGrid.Contains(line, column)) return;
  if (Hooks.pipettePicked) Hooks.pipettePicked(line, column);
}

void TResultForm::PaintBoxMouseMove(int x, int y) {
  auto input = PictureReadoutInput<ResultReadoutInput>(x, y);
  if (Hooks.imageShownSize) {
    std::tie(input.imageShownLines, input.imageShownColumns) = Hooks.imageShownSize();
  }
  if (Hooks.imageExtent) input.imageExtent = Hooks.imageExtent();
  if (Hooks.scaleOutFactor) input.scaleOutFactor = Hooks.scaleOutFactor();
  ShowReadout(ResultReadout(session_, input));
}

}  // namespace zelmaro
