#include "ui/windows/PictureWindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/SessionState.h"
#include "ui/windows/PaintBox.h"

namespace zelmaro {

PictureWindow::PictureWindow(SessionState& session, StatusPanels& status, const QString& name,
                             const QString& caption, QWidget* parent)
    : QMdiSubWindow(parent), session_(session), status_(status) {
  setObjectName(name);
  setWindowTitle(caption);
  paintBox_ = new PaintBoxWidget<PictureWindow>(*this, this);
  const PictureSurface surface = BuildPictureSurface(this, paintBox_);
  horizontal_ = surface.horizontal;
  vertical_ = surface.vertical;
  setWidget(surface.content);
}

void PictureWindow::SetPicture(const DisplayBitmap& picture) {
  ScreenBitmap = ToScreenBitmap(picture);
  colourPicture_ = picture.Mode() == DisplayBitmap::PixelMode::Colour;
  PictureReplaced();
  UpdateScrollRanges();
  paintBox_->update();
}

PictureWindow::View PictureWindow::SavedView() const {
  return {ScreenBitmap, ShownLines,    ShownColumns,  ZoomFactor,
          Extent,       windowTitle(), colourPicture_};
}

void PictureWindow::RestoreView(const View& view) {
  ScreenBitmap = view.screenBitmap;
  ShownLines = view.shownLines;
  ShownColumns = view.shownColumns;
  ZoomFactor = view.zoomFactor;
  Extent = view.extent;
  setWindowTitle(view.caption);
  colourPicture_ = view.colourPicture;
  UpdateScrollRanges();
  paintBox_->update();
}

void PictureWindow::UpdateScrollRanges() {
  const auto [lines, columns] = ScrolledSize();
  SetScrollRanges({nullptr, horizontal_, vertical_}, *paintBox_, lines, columns,
                  DisplayScale(DrawingZoom()));
}

void PictureWindow::Paint(QPainter& painter, const QRect& clip) {
  const int zoom = DrawingZoom();
  DrawPicture(painter, clip, palette().color(QPalette::Window), ScreenBitmap, DisplayScale(zoom),
              horizontal_->value(), vertical_->value());
  if (!ScreenBitmap.isNull()) PictureDrawn(zoom);
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
  ZoomAccepted();
  ZoomCenterColumn = column;
  ZoomCenterLine = line;
  ZoomPending = 1;
  UpdateScrollRanges();
  lastZoomSource_ =
      ScrollToZoomCentre({nullptr, horizontal_, vertical_}, *this, DisplayScale(ZoomFactor),
                         ZoomCenterColumn, ZoomCenterLine, ShownColumns, ShownLines);
  paintBox_->update();
  ZoomPending = 0;
  setWindowTitle(QString::fromStdString(ZoomCaption(session_.CaptionPath, ZoomFactor)));
  return ZoomFactor > -2 && ZoomFactor < 2;
}

void PictureWindow::ShowReadout(const StatusPanelTexts& panels) {
  ShowPanelTexts(status_, panels);
}

void PictureWindow::closeEvent(QCloseEvent* event) {
  ReleasePictureOnClose(*this, ScreenBitmap, *paintBox_, *event);
}

}  // namespace zelmaro
