#include "ui/windows/Imagewindow.h"

#include "core/SessionState.h"

namespace zelmaro {

TImageForm::TImageForm(SessionState& session, StatusPanels& status, QWidget* parent)
    : PictureWindow(session, status, "TImageForm", " Image Form (1:1)", parent) {}

void TImageForm::PictureReplaced() {
  if (KeepZoom == 0) ZoomFactor = 1;
}

void TImageForm::ShowContourImage() {
  const DisplayBitmap picture =
      DisplayBitmap::FromCodes(session_, session_.ContourImage, session_.CodePalette);
  setWindowTitle(QString::fromStdString(session_.InputFileName));
  SetPicture(picture);
}

void TImageForm::PaintBoxMouseDown(MouseButton button, int x, int y) {
  DisplayBitmap toolPicture =
      DisplayBitmap::Create(session_, ShownColumns, ShownLines, DisplayBitmap::PixelMode::Colour);
  const auto [line, column] = PictureCell(x, y);
  if (Hooks.zoomDown && Hooks.zoomDown()) {
    KeepZoom = 0;
    if (ZoomClick(button, line, column)) return;
  }
  if (!Hooks.toolDown || !Hooks.toolClick) return;
  // The whole-scene view is larger than the working image: what lies beyond the working
  // image is out of the tools' reach.
  const ByteGrid& codes = session_.ContourImage;
  if (line < 0 || column < 0 || line >= codes.Lines() || column >= codes.Columns()) return;
  for (EditorTool tool : {EditorTool::Pipette, EditorTool::Pencil, EditorTool::IsolatedPoint,
                          EditorTool::Rule, EditorTool::Filling}) {
    if (Hooks.toolDown(tool)) Hooks.toolClick(tool, {line, column, button}, toolPicture);
  }
}

void TImageForm::PaintBoxMouseMove(int x, int y) {
  auto input = PictureReadoutInput<ImageReadoutInput>(x, y);
  input.shownLines = ShownLines;
  input.shownColumns = ShownColumns;
  input.extent = Extent;
  ShowReadout(ImageReadout(session_, input));
}

}  // namespace zelmaro
