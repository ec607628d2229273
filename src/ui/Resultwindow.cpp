#include "ui/Resultwindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/ResultViewMath.h"
#include "core/SessionState.h"
#include "ui/PaintBox.h"
#include "ui/ScreenBitmap.h"
#include "ui/StatusPanels.h"

namespace zelmaro {

TResultForm::TResultForm(SessionState& session, StatusPanels& status, QWidget* parent)
    : QMdiSubWindow(parent), session_(session), status_(status) {
  setObjectName("TResultForm");
  setWindowTitle(" Image (1:1)");
  paintBox_ = new PaintBoxWidget<TResultForm>(*this, this);
  const PictureSurface surface = BuildPictureSurface(this, paintBox_);
  horizontal_ = surface.horizontal;
  vertical_ = surface.vertical;
  setWidget(surface.content);
}

void TResultForm::SendBack() {
  ++timesSentBack_;
  lower();
}

void TResultForm::SetPicture(const DisplayBitmap& picture) {
  ScreenBitmap = ToScreenBitmap(picture);
  // The new picture is drawn once at the zoom in force, then the window is at 1:1 again;
  // the caption keeps the old zoom until the next zoom click.
  firstDrawingZoom_ = ZoomFactor;
  ZoomFactor = 1;
  UpdateScrollRanges();
  paintBox_->update();
}

void TResultForm::UpdateScrollRanges() {
  SetScrollRanges({nullptr, horizontal_, vertical_}, *paintBox_, session_.WorkLines,
                  session_.WorkColumns, DisplayScale(DrawingZoom()));
}

void TResultForm::RecentreAfterZoom() {
  const float scale = DisplayScale(ZoomFactor);
  UpdateScrollRanges();
  lastZoomSource_ = ScrollToZoomCentre({nullptr, horizontal_, vertical_}, *this, scale,
                                       ZoomCenterColumn, ZoomCenterLine, ShownColumns, ShownLines);
  paintBox_->update();
}

void TResultForm::Paint(QPainter& painter, const QRect& clip) {
  const int zoom = DrawingZoom();
  DrawPicture(painter, clip, palette().color(QPalette::Window), ScreenBitmap, DisplayScale(zoom),
              horizontal_->value(), vertical_->value());
  if (ScreenBitmap.isNull()) return;
  lastDrawnZoom_ = zoom;
  if (firstDrawingZoom_ != 0) {
    firstDrawingZoom_ = 0;
    UpdateScrollRanges();
  }
}

void TResultForm::PaintBoxMouseDown(ClickButton button, int x, int y) {
  const float scale = DisplayScale(ZoomFactor);
  const int column = static_cast<int>(static_cast<float>(x) / scale);
  const int line = static_cast<int>(static_cast<float>(y) / scale);
  if (Hooks.zoomDown && Hooks.zoomDown()) {
    const ZoomStep step = ZoomAfterClick(ZoomFactor, button);
    ZoomFactor = step.zoomFactor;
    if (step.refused) return;
    firstDrawingZoom_ = 0;
    ZoomCenterColumn = column;
    ZoomCenterLine = line;
    ZoomPending = 1;
    RecentreAfterZoom();
    ZoomPending = 0;
    setWindowTitle(QString::fromStdString(ZoomCaption(session_.CaptionPath, ZoomFactor)));
    if (ZoomFactor > -2 && ZoomFactor < 2) return;
  }
  if (button != ClickButton::Left || !Hooks.pipetteDown || !Hooks.pipetteDown()) return;
  const ByteGrid& codes = session_.ContourImage;
  if (line < 0 || column < 0 || line >= codes.Lines() || column >= codes.Columns()) return;
  if (Hooks.pipettePicked) Hooks.pipettePicked(codes[line][column]);
}

void TResultForm::PaintBoxMouseMove(int x, int y) {
  ResultReadoutInput input;
  input.x = x;
  input.y = y;
  input.zoomFactor = ZoomFactor;
  input.hasPicture = HasPicture();
  input.pictureLines = ScreenBitmap.height();
  input.pictureColumns = ScreenBitmap.width();
  if (Hooks.imageShownSize) {
    std::tie(input.imageShownLines, input.imageShownColumns) = Hooks.imageShownSize();
  }
  if (Hooks.imageExtent) input.imageExtent = Hooks.imageExtent();
  if (Hooks.scaleOutFactor) input.scaleOutFactor = Hooks.scaleOutFactor();
  input.screenColour = [this](int column, int line) {
    return ScreenColour(ScreenBitmap, column, line);
  };
  ShowPanelTexts(status_, ResultReadout(session_, input));
}

void TResultForm::closeEvent(QCloseEvent* event) {
  ReleasePictureOnClose(*this, ScreenBitmap, *paintBox_, *event);
}

}  // namespace zelmaro
