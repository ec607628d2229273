#include "ui/windows/Imagewindow.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/SessionState.h"

namespace zelmaro {
namespace {

// A press and release closer than this on screen is a click, not a zone.
constexpr double kSmallestDrag = 3.0;

}  // namespace

TImageForm::TImageForm(SessionState& session, StatusPanels& status, QWidget* parent)
    : PictureWindow(session, status, "TImageForm", " Image Form", parent) {}

void TImageForm::PictureReplaced() {
  if (KeepZoom == 0) ZoomFactor = OpeningZoomForView();
  dragStart_.reset();
  zoneMark_.reset();
}

void TImageForm::SwitchView(bool scenePreview) {
  const bool switched = scenePreview != scenePreview_;
  scenePreview_ = scenePreview;
  if (switched && Hooks.scenePreviewSwitched) Hooks.scenePreviewSwitched(scenePreview);
}

void TImageForm::ShowContourImage() {
  // Neither the zoom a tool keeps nor a scrolled position of the preview it replaces
  // mean anything for the working image.
  const bool fromPreview = scenePreview_;
  if (fromPreview) KeepZoom = 0;
  const DisplayBitmap picture =
      DisplayBitmap::FromCodes(session_, session_.ContourImage, session_.CodePalette);
  ShownLines = session_.ContourImage.Lines();
  ShownColumns = session_.ContourImage.Columns();
  Extent = WorkingExtent;
  SetCaptionName(session_.InputFileName);
  SetPicture(picture);
  if (fromPreview) ScrollToOrigin();
  SwitchView(false);
}

void TImageForm::ShowScenePreview(const DisplayBitmap& picture, const MapExtent& sceneExtent) {
  KeepZoom = 0;
  ShownLines = picture.Lines();
  ShownColumns = picture.Columns();
  Extent = sceneExtent;
  SetCaptionName(session_.InputFileName);
  SetPicture(picture);
  ScrollToOrigin();
  SwitchView(true);
}

PictureWindow::View TImageForm::SavedView() const {
  View view = PictureWindow::SavedView();
  view.scenePreview = scenePreview_;
  view.workingExtent = WorkingExtent;
  return view;
}

void TImageForm::RestoreView(const View& view) {
  scenePreview_ = view.scenePreview;
  WorkingExtent = view.workingExtent;
  dragStart_.reset();
  zoneMark_.reset();
  PictureWindow::RestoreView(view);
}

PicturePoint TImageForm::PicturePosition(int x, int y) const {
  const double scale = DisplayScaleDouble(ZoomFactor);
  return {y / scale, x / scale};
}

void TImageForm::PaintBoxMouseDown(MouseButton button, int x, int y) {
  DisplayBitmap toolPicture =
      DisplayBitmap::Create(session_, ShownColumns, ShownLines, DisplayBitmap::PixelMode::Colour);
  const auto [line, column] = PictureCell(x, y);
  if (Hooks.zoomDown && Hooks.zoomDown()) {
    KeepZoom = 0;
    if (ZoomClick(button, line, column)) return;
  }
  if (scenePreview_) {
    // The preview is not the working image: it takes no edit, only a zone.
    if (button == MouseButton::Left && HasPicture() && Hooks.zoneDragAllowed &&
        Hooks.zoneDragAllowed()) {
      dragStart_ = PicturePosition(x, y);
    }
    return;
  }
  if (!Hooks.toolDown || !Hooks.toolClick) return;
  const ByteGrid& codes = session_.ContourImage;
  if (line < 0 || column < 0 || line >= codes.Lines() || column >= codes.Columns()) return;
  for (EditorTool tool : {EditorTool::Pipette, EditorTool::Pencil, EditorTool::IsolatedPoint,
                          EditorTool::Rule, EditorTool::Filling}) {
    if (Hooks.toolDown(tool)) Hooks.toolClick(tool, {line, column, button}, toolPicture);
  }
}

void TImageForm::PaintBoxMouseMove(int x, int y) {
  if (dragStart_) {
    zoneMark_ = ZoneMark{*dragStart_, PicturePosition(x, y)};
    PaintBox()->update();
  }
  auto input = PictureReadoutInput<ImageReadoutInput>(x, y);
  input.shownLines = ShownLines;
  input.shownColumns = ShownColumns;
  input.scenePreview = scenePreview_;
  input.extent = Extent;
  ShowReadout(ImageReadout(session_, input));
}

void TImageForm::PaintBoxMouseUp(MouseButton button, int x, int y) {
  if (!dragStart_ || button != MouseButton::Left) return;
  const PicturePoint from = *dragStart_;
  const PicturePoint to = PicturePosition(x, y);
  dragStart_.reset();
  const double scale = DisplayScaleDouble(ZoomFactor);
  const bool dragged = std::abs(to.column - from.column) * scale >= kSmallestDrag &&
                       std::abs(to.line - from.line) * scale >= kSmallestDrag;
  zoneMark_.reset();
  if (dragged) zoneMark_ = ZoneMark{from, to};
  PaintBox()->update();
  if (dragged && Hooks.zoneDragged) Hooks.zoneDragged(from, to);
}

void TImageForm::PaintOverPicture(QPainter& painter, float scale, const QPoint& scroll) {
  if (!zoneMark_) return;
  const auto screen = [&](double picture, int offset) {
    return static_cast<int>(std::lround(picture * scale)) - offset;
  };
  const QRect zone =
      QRect(QPoint(screen(std::min(zoneMark_->from.column, zoneMark_->to.column), scroll.x()),
                   screen(std::min(zoneMark_->from.line, zoneMark_->to.line), scroll.y())),
            QPoint(screen(std::max(zoneMark_->from.column, zoneMark_->to.column), scroll.x()),
                   screen(std::max(zoneMark_->from.line, zoneMark_->to.line), scroll.y())));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(220, 30, 30), 2));
  painter.setBrush(QColor(220, 30, 30, 40));
  painter.drawRect(zone);
  painter.restore();
}

}  // namespace zelmaro
