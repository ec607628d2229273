#include "ui/Imagewindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "core/SessionState.h"
#include "ui/PaintBox.h"
#include "ui/ScreenBitmap.h"
#include "ui/StatusPanels.h"

namespace zelmaro {

TImageForm::TImageForm(SessionState& session, StatusPanels& status, QWidget* parent)
    : QMdiSubWindow(parent), session_(session), status_(status) {
  setObjectName("TImageForm");
  setWindowTitle(" Image Form (1:1)");
  paintBox_ = new PaintBoxWidget<TImageForm>(*this, this);
  const PictureSurface surface = BuildPictureSurface(this, paintBox_);
  horizontal_ = surface.horizontal;
  vertical_ = surface.vertical;
  setWidget(surface.content);
}

void TImageForm::SetPicture(const DisplayBitmap& picture) {
  ScreenBitmap = ToScreenBitmap(picture);
  if (KeepZoom == 0) ZoomFactor = 1;
  UpdateScrollRanges();
  paintBox_->update();
}

void TImageForm::ShowContourImage() {
  const DisplayBitmap picture =
      DisplayBitmap::FromCodes(session_, session_.ContourImage, session_.CodePalette);
  setWindowTitle(QString::fromStdString(session_.InputFileName));
  SetPicture(picture);
}

void TImageForm::UpdateScrollRanges() {
  SetScrollRanges({nullptr, horizontal_, vertical_}, *paintBox_, ShownLines, ShownColumns,
                  DisplayScale(ZoomFactor));
}

void TImageForm::RecentreAfterZoom() {
  KeepZoom = 0;
  const float scale = DisplayScale(ZoomFactor);
  UpdateScrollRanges();
  lastZoomSource_ = ScrollToZoomCentre({nullptr, horizontal_, vertical_}, *this, scale,
                                       ZoomCenterColumn, ZoomCenterLine, ShownColumns, ShownLines);
  paintBox_->update();
}

void TImageForm::Paint(QPainter& painter, const QRect& clip) {
  DrawPicture(painter, clip, palette().color(QPalette::Window), ScreenBitmap,
              DisplayScale(ZoomFactor), horizontal_->value(), vertical_->value());
}

void TImageForm::PaintBoxMouseDown(ClickButton button, int x, int y) {
  DisplayBitmap toolPicture =
      DisplayBitmap::Create(session_, ShownColumns, ShownLines, DisplayBitmap::PixelMode::Colour);
  const float scale = DisplayScale(ZoomFactor);
  const int column = static_cast<int>(static_cast<float>(x) / scale);
  const int line = static_cast<int>(static_cast<float>(y) / scale);
  if (Hooks.zoomDown && Hooks.zoomDown()) {
    KeepZoom = 0;
    const ZoomStep step = ZoomAfterClick(ZoomFactor, button);
    ZoomFactor = step.zoomFactor;
    if (step.refused) return;
    ZoomCenterColumn = column;
    ZoomCenterLine = line;
    ZoomPending = 1;
    RecentreAfterZoom();
    ZoomPending = 0;
    setWindowTitle(QString::fromStdString(ZoomCaption(session_.CaptionPath, ZoomFactor)));
    if (ZoomFactor > -2 && ZoomFactor < 2) return;
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
  ImageReadoutInput input;
  input.x = x;
  input.y = y;
  input.zoomFactor = ZoomFactor;
  input.hasPicture = HasPicture();
  input.pictureLines = ScreenBitmap.height();
  input.pictureColumns = ScreenBitmap.width();
  input.shownLines = ShownLines;
  input.shownColumns = ShownColumns;
  input.extent = Extent;
  input.screenColour = [this](int column, int line) {
    return ScreenColour(ScreenBitmap, column, line);
  };
  ShowPanelTexts(status_, ImageReadout(session_, input));
}

void TImageForm::closeEvent(QCloseEvent* event) {
  ReleasePictureOnClose(*this, ScreenBitmap, *paintBox_, *event);
}

}  // namespace zelmaro
