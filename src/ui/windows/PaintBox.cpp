#include "ui/windows/PaintBox.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QMdiSubWindow>
#include <algorithm>

#include "ui/windows/StatusPanels.h"

namespace zelmaro {

std::optional<MouseButton> ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

void DrawPicture(QPainter& painter, const QRect& clip, const QColor& background,
                 const QImage& picture, float scale, int scrollX, int scrollY) {
  painter.fillRect(clip, background);
  if (picture.isNull()) return;
  // Whatever the picture does not cover is hatched, so that its edges show when zoomed.
  painter.fillRect(clip, QBrush(Qt::black, Qt::DiagCrossPattern));
  PictureRect source =
      ClipSourceRect({clip.left() + scrollX, clip.top() + scrollY,
                      clip.left() + clip.width() + scrollX, clip.top() + clip.height() + scrollY},
                     scale);
  source.right = std::min(source.right, picture.width());
  source.bottom = std::min(source.bottom, picture.height());
  if (source.right <= source.left || source.bottom <= source.top) return;
  const PictureRect destination = DestinationRect(source, scale);
  // Reductions are smoothed so that one-pixel lines do not vanish; enlargements keep
  // every picture pixel a sharp square.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0f);
  painter.drawImage(
      QRect(destination.left - scrollX, destination.top - scrollY,
            destination.right - destination.left, destination.bottom - destination.top),
      picture,
      QRect(source.left, source.top, source.right - source.left, source.bottom - source.top));
}

PictureSurface BuildPictureSurface(QWidget* owner, QWidget* paintBox) {
  PictureSurface surface;
  surface.content = new QWidget(owner);
  paintBox->setParent(surface.content);
  surface.horizontal = new QScrollBar(Qt::Horizontal, surface.content);
  surface.vertical = new QScrollBar(Qt::Vertical, surface.content);
  for (QScrollBar* bar : {surface.horizontal, surface.vertical}) {
    bar->setRange(0, 0);
    bar->setTracking(true);
    QObject::connect(bar, &QScrollBar::valueChanged, paintBox, qOverload<>(&QWidget::update));
  }
  auto* layout = new QGridLayout(surface.content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(paintBox, 0, 0);
  layout->addWidget(surface.vertical, 0, 1);
  layout->addWidget(surface.horizontal, 1, 0);
  return surface;
}

void SetScrollRanges(const PictureSurface& surface, const QWidget& paintBox, int lines, int columns,
                     float scale) {
  const int width = ScrollRange(columns, scale);
  const int height = ScrollRange(lines, scale);
  surface.horizontal->setPageStep(std::max(1, paintBox.width()));
  surface.vertical->setPageStep(std::max(1, paintBox.height()));
  surface.horizontal->setSingleStep(std::max(1, static_cast<int>(scale)));
  surface.vertical->setSingleStep(std::max(1, static_cast<int>(scale)));
  surface.horizontal->setRange(0, std::max(0, width - paintBox.width()));
  surface.vertical->setRange(0, std::max(0, height - paintBox.height()));
}

PictureRect ScrollToZoomCentre(const PictureSurface& surface, const QWidget& window, float scale,
                               int centerColumn, int centerLine, int columns, int lines) {
  const PictureRect source =
      ZoomSourceRect(centerColumn, centerLine, HalfExtent(window.width(), scale),
                     HalfExtent(window.height(), scale), columns, lines);
  surface.horizontal->setValue(static_cast<int>(static_cast<float>(source.left) * scale));
  surface.vertical->setValue(static_cast<int>(static_cast<float>(source.top) * scale));
  return source;
}

void ShowPanelTexts(StatusPanels& status, const StatusPanelTexts& panels) {
  for (int panel = 0; panel < static_cast<int>(panels.size()); ++panel) {
    if (panels[panel]) status.SetPanelText(panel, *panels[panel]);
  }
}

void HideOnClose(QMdiSubWindow& window, QCloseEvent& event) {
  event.ignore();
  window.hide();
}

}  // namespace zelmaro
