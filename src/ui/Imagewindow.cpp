#include "ui/Imagewindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "core/SessionState.h"
#include "ui/ScreenBitmap.h"
#include "ui/StatusPanels.h"

namespace zelmaro {
namespace {

std::optional<ClickButton> ToClickButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return ClickButton::Left;
    case Qt::RightButton:
      return ClickButton::Right;
    case Qt::MiddleButton:
      return ClickButton::Middle;
    default:
      return std::nullopt;
  }
}

// The surface that shows the picture and takes the mouse.
class PaintBoxWidget : public QWidget {
 public:
  explicit PaintBoxWidget(TImageForm& form) : QWidget(&form), form_(form) {
    setObjectName("PaintBox");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    form_.Paint(painter, event->rect());
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (const auto button = ToClickButton(event->button())) {
      const QPoint at = event->position().toPoint() + Scroll();
      form_.PaintBoxMouseDown(*button, at.x(), at.y());
    }
  }
  void resizeEvent(QResizeEvent*) override { form_.UpdateScrollRanges(); }
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint() + Scroll();
    form_.PaintBoxMouseMove(at.x(), at.y());
  }

 private:
  // Mouse positions are counted from the picture's origin, as if the paint box were
  // as large as the scaled picture.
  QPoint Scroll() const {
    return {form_.HorizontalScrollBar()->value(), form_.VerticalScrollBar()->value()};
  }

  TImageForm& form_;
};

}  // namespace

TImageForm::TImageForm(SessionState& session, StatusPanels& status, QWidget* parent)
    : QMdiSubWindow(parent), session_(session), status_(status) {
  setObjectName("TImageForm");
  setWindowTitle(" Image Form (1:1)");
  auto* content = new QWidget(this);
  paintBox_ = new PaintBoxWidget(*this);
  paintBox_->setParent(content);
  horizontal_ = new QScrollBar(Qt::Horizontal, content);
  vertical_ = new QScrollBar(Qt::Vertical, content);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->setRange(0, 0);
    bar->setTracking(true);
    connect(bar, &QScrollBar::valueChanged, paintBox_, qOverload<>(&QWidget::update));
  }
  auto* layout = new QGridLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(paintBox_, 0, 0);
  layout->addWidget(vertical_, 0, 1);
  layout->addWidget(horizontal_, 1, 0);
  setWidget(content);
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
  const float scale = DisplayScale(ZoomFactor);
  const int width = ScrollRange(ShownColumns, scale);
  const int height = ScrollRange(ShownLines, scale);
  horizontal_->setPageStep(std::max(1, paintBox_->width()));
  vertical_->setPageStep(std::max(1, paintBox_->height()));
  horizontal_->setSingleStep(std::max(1, static_cast<int>(scale)));
  vertical_->setSingleStep(std::max(1, static_cast<int>(scale)));
  horizontal_->setRange(0, std::max(0, width - paintBox_->width()));
  vertical_->setRange(0, std::max(0, height - paintBox_->height()));
}

void TImageForm::RecentreAfterZoom() {
  KeepZoom = 0;
  const float scale = DisplayScale(ZoomFactor);
  UpdateScrollRanges();
  const int halfWidth = HalfExtent(width(), scale);
  const int halfHeight = HalfExtent(height(), scale);
  lastZoomSource_ = ZoomSourceRect(ZoomCenterColumn, ZoomCenterLine, halfWidth, halfHeight,
                                   ShownColumns, ShownLines);
  horizontal_->setValue(static_cast<int>(static_cast<float>(lastZoomSource_.left) * scale));
  vertical_->setValue(static_cast<int>(static_cast<float>(lastZoomSource_.top) * scale));
  paintBox_->update();
}

void TImageForm::Paint(QPainter& painter, const QRect& clip) {
  painter.fillRect(clip, palette().color(QPalette::Window));
  if (ScreenBitmap.isNull()) return;
  // Whatever the picture does not cover is hatched, so that its edges show when zoomed.
  painter.fillRect(clip, QBrush(Qt::black, Qt::DiagCrossPattern));
  const float scale = DisplayScale(ZoomFactor);
  const int scrollX = horizontal_->value();
  const int scrollY = vertical_->value();
  PictureRect source =
      ClipSourceRect({clip.left() + scrollX, clip.top() + scrollY,
                      clip.left() + clip.width() + scrollX, clip.top() + clip.height() + scrollY},
                     scale);
  source.right = std::min(source.right, ScreenBitmap.width());
  source.bottom = std::min(source.bottom, ScreenBitmap.height());
  if (source.right <= source.left || source.bottom <= source.top) return;
  const PictureRect destination = DestinationRect(source, scale);
  // Reductions are smoothed so that one-pixel lines do not vanish; enlargements keep
  // every picture pixel a sharp square.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0f);
  painter.drawImage(
      QRect(destination.left - scrollX, destination.top - scrollY,
            destination.right - destination.left, destination.bottom - destination.top),
      ScreenBitmap,
      QRect(source.left, source.top, source.right - source.left, source.bottom - source.top));
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
  const StatusPanelTexts panels = ImageReadout(session_, input);
  for (int panel = 0; panel < static_cast<int>(panels.size()); ++panel) {
    if (panels[panel]) status_.SetPanelText(panel, *panels[panel]);
  }
}

void TImageForm::closeEvent(QCloseEvent* event) {
  // The window stays for the whole run; closing it only lets go of the picture.
  ScreenBitmap = QImage();
  paintBox_->update();
  event->ignore();
  showMinimized();
}

}  // namespace zelmaro
