#include "ui/windows/PictureWindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLayout>
#include <QPainter>
#include <QScrollBar>

#include "core/SessionState.h"
#include "ui/windows/PaintBox.h"

namespace zelmaro {

PictureWindow::PictureWindow(SessionState& session, StatusPanels& status, const QString& name,
                             const std::string& captionName, QWidget* parent)
    : QMdiSubWindow(parent), session_(session), status_(status), captionName_(captionName) {
  setObjectName(name);
  paintBox_ = new PaintBoxWidget<PictureWindow>(*this, this);
  const PictureSurface surface = BuildPictureSurface(this, paintBox_);
  horizontal_ = surface.horizontal;
  vertical_ = surface.vertical;
  setWidget(surface.content);
  UpdateCaption();
}

void PictureWindow::SetPicture(const DisplayBitmap& picture) {
  ScreenBitmap = ToScreenBitmap(picture);
  PictureReplaced();
  UpdateScrollRanges();
  UpdateCaption();
  paintBox_->update();
}

void PictureWindow::SetCaptionName(const std::string& name) {
  captionName_ = name;
  UpdateCaption();
}

void PictureWindow::UpdateCaption() {
  setWindowTitle(QString::fromStdString(ZoomCaption(captionName_, ZoomFactor)));
}

PictureWindow::View PictureWindow::SavedView() const {
  View view;
  view.screenBitmap = ScreenBitmap;
  view.shownLines = ShownLines;
  view.shownColumns = ShownColumns;
  view.zoomFactor = ZoomFactor;
  view.extent = Extent;
  view.captionName = captionName_;
  return view;
}

void PictureWindow::RestoreView(const View& view) {
  ScreenBitmap = view.screenBitmap;
  ShownLines = view.shownLines;
  ShownColumns = view.shownColumns;
  ZoomFactor = view.zoomFactor;
  Extent = view.extent;
  captionName_ = view.captionName;
  UpdateCaption();
  UpdateScrollRanges();
  paintBox_->update();
}

void PictureWindow::UpdateScrollRanges() {
  SetScrollRanges({nullptr, horizontal_, vertical_}, *paintBox_, ScreenBitmap.height(),
                  ScreenBitmap.width(), DisplayScale(ZoomFactor));
}

void PictureWindow::Paint(QPainter& painter, const QRect& clip) {
  const float scale = DisplayScale(ZoomFactor);
  const QPoint scroll(horizontal_->value(), vertical_->value());
  DrawPicture(painter, clip, palette().color(QPalette::Window), ScreenBitmap, scale, scroll.x(),
              scroll.y());
  if (ScreenBitmap.isNull()) return;
  PaintOverPicture(painter, scale, scroll);
  lastDrawnZoom_ = ZoomFactor;
}

void PictureWindow::PaintBoxMouseUp(MouseButton button, int x, int y) {
  static_cast<void>(button);
  static_cast<void>(x);
  static_cast<void>(y);
}

std::pair<int, int> PictureWindow::PictureCell(int x, int y) const {
  const float scale = DisplayScale(ZoomFactor);
  return {static_cast<int>(static_cast<float>(y) / scale),
          static_cast<int>(static_cast<float>(x) / scale)};
}

bool PictureWindow::ZoomClick(MouseButton button, int line, int column) {
  const ZoomStep step = ZoomAfterClick(ZoomFactor, button);
  ZoomFactor = step.zoomFactor;
  if (step.refused) return true;
  ZoomChosen();
  ZoomCenterColumn = column;
  ZoomCenterLine = line;
  ZoomPending = 1;
  UpdateScrollRanges();
  lastZoomSource_ =
      ScrollToZoomCentre({nullptr, horizontal_, vertical_}, *this, DisplayScale(ZoomFactor),
                         ZoomCenterColumn, ZoomCenterLine, ShownColumns, ShownLines);
  paintBox_->update();
  ZoomPending = 0;
  UpdateCaption();
  return ZoomFactor > -2 && ZoomFactor < 2;
}

ScreenSize PictureWindow::ViewSize() const {
  return {paintBox_->width(), paintBox_->height()};
}

ScreenSize PictureWindow::FrameSize() const {
  // The layouts place the paint box only once events have run: let them do it now, so
  // that a window resized in the same command measures its true frame.
  if (QLayout* own = layout()) own->activate();
  if (QLayout* content = widget()->layout()) content->activate();
  return {width() - paintBox_->width(), height() - paintBox_->height()};
}

int PictureWindow::OpeningZoomForView() const {
  return OpeningZoom(ScreenBitmap.height(), ScreenBitmap.width(), ViewSize());
}

void PictureWindow::ScrollToOrigin() {
  horizontal_->setValue(0);
  vertical_->setValue(0);
}

void PictureWindow::FitToWindow() {
  if (!HasPicture()) return;
  ZoomFactor = FitZoom(ScreenBitmap.height(), ScreenBitmap.width(), ViewSize());
  ZoomChosen();
  UpdateScrollRanges();
  ScrollToOrigin();
  UpdateCaption();
  paintBox_->update();
}

void PictureWindow::ZoomAbout(bool enlarge, const QPoint& pointer) {
  if (!HasPicture()) return;
  const int before = ZoomFactor;
  const ZoomStep step = ZoomAfterClick(before, enlarge ? MouseButton::Left : MouseButton::Right);
  ZoomFactor = step.zoomFactor;
  if (step.refused) return;
  ZoomChosen();
  const int scrollX = ScrollKeepingPoint(horizontal_->value(), pointer.x(), before, ZoomFactor);
  const int scrollY = ScrollKeepingPoint(vertical_->value(), pointer.y(), before, ZoomFactor);
  UpdateScrollRanges();
  horizontal_->setValue(scrollX);
  vertical_->setValue(scrollY);
  UpdateCaption();
  paintBox_->update();
}

void PictureWindow::ZoomAboutPointerOrMiddle(bool enlarge) {
  const QPoint pointer = paintBox_->mapFromGlobal(QCursor::pos());
  ZoomAbout(enlarge, paintBox_->rect().contains(pointer) ? pointer : paintBox_->rect().center());
}

void PictureWindow::FitWindowInto(const ScreenRect& tile) {
  show();
  PictureWindowFit fit;
  // A window too small for its title bar measures a frame smaller than it will have:
  // once sized, it is measured again.
  for (int pass = 0; pass < 2; ++pass) {
    const ScreenSize frame = FrameSize();
    fit = FitWindowToPicture(ScreenBitmap.height(), ScreenBitmap.width(), tile, frame);
    setGeometry(tile.left, tile.top, fit.windowSize.width, fit.windowSize.height);
    if (FrameSize() == frame) break;
  }
  if (HasPicture()) {
    ZoomFactor = fit.zoomFactor;
    ZoomChosen();
  }
  UpdateScrollRanges();
  ScrollToOrigin();
  UpdateCaption();
  paintBox_->update();
}

void PictureWindow::KeepWithin(const ScreenRect& tile) {
  for (int pass = 0; pass < 2; ++pass) {
    const ScreenSize frame = FrameSize();
    const ScreenSize size =
        WindowSizeAtZoom(ScreenBitmap.height(), ScreenBitmap.width(), ZoomFactor, tile, frame);
    setGeometry(tile.left, tile.top, size.width, size.height);
    if (FrameSize() == frame) break;
  }
  UpdateScrollRanges();
}

void PictureWindow::ShowReadout(const StatusPanelTexts& panels) {
  ShowPanelTexts(status_, panels);
}

void PictureWindow::closeEvent(QCloseEvent* event) {
  HideOnClose(*this, *event);
}

}  // namespace zelmaro
