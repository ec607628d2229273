#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <optional>

#include "forms/ImageViewMath.h"

class QCloseEvent;
class QMdiSubWindow;

namespace zelmaro {

class StatusPanels;

std::optional<MouseButton> ToMouseButton(Qt::MouseButton button);

// Draws the part of `picture` under `clip` at `scale`, the paint box being scrolled by
// (scrollX, scrollY); whatever the picture does not cover is hatched. Without a picture
// the area is only cleared to `background`.
void DrawPicture(QPainter& painter, const QRect& clip, const QColor& background,
                 const QImage& picture, float scale, int scrollX, int scrollY);

// The surface of a picture window that shows the picture and takes the mouse. Mouse
// positions are handed on counted from the picture's origin, as if the paint box were
// as large as the scaled picture.
template <typename Form>
class PaintBoxWidget : public QWidget {
 public:
  PaintBoxWidget(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
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
    if (const auto button = ToMouseButton(event->button())) {
      const QPoint at = event->position().toPoint() + Scroll();
      form_.PaintBoxMouseDown(*button, at.x(), at.y());
    }
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (const auto button = ToMouseButton(event->button())) {
      const QPoint at = event->position().toPoint() + Scroll();
      form_.PaintBoxMouseUp(*button, at.x(), at.y());
    }
  }
  void resizeEvent(QResizeEvent*) override { form_.UpdateScrollRanges(); }
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint() + Scroll();
    form_.PaintBoxMouseMove(at.x(), at.y());
  }
  // Ctrl and the wheel zoom about the pointer, a notch a step; the wheel alone scrolls.
  void wheelEvent(QWheelEvent* event) override {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
      QScrollBar* bar =
          event->angleDelta().x() != 0 || event->modifiers().testFlag(Qt::ShiftModifier)
              ? form_.HorizontalScrollBar()
              : form_.VerticalScrollBar();
      QCoreApplication::sendEvent(bar, event);
      return;
    }
    event->accept();
    wheelTurn_ += event->angleDelta().y();
    while (wheelTurn_ >= kWheelNotch || wheelTurn_ <= -kWheelNotch) {
      const bool enlarge = wheelTurn_ > 0;
      wheelTurn_ += enlarge ? -kWheelNotch : kWheelNotch;
      form_.ZoomAbout(enlarge, event->position().toPoint());
    }
  }

 private:
  QPoint Scroll() const {
    return {form_.HorizontalScrollBar()->value(), form_.VerticalScrollBar()->value()};
  }

  // Touch pads turn the wheel in fractions of a notch: they add up to a step.
  static constexpr int kWheelNotch = 120;
  int wheelTurn_ = 0;
  Form& form_;
};

// The paint box with its two scroll bars, laid out as the content of a picture window.
struct PictureSurface {
  QWidget* content = nullptr;
  QScrollBar* horizontal = nullptr;
  QScrollBar* vertical = nullptr;
};
PictureSurface BuildPictureSurface(QWidget* owner, QWidget* paintBox);

// Scrolls so that the part of a picture of lines x columns around a zoom centre shows
// in `window` at `scale`; returns that part, in picture pixels.
PictureRect ScrollToZoomCentre(const PictureSurface& surface, const QWidget& window, float scale,
                               int centerColumn, int centerLine, int columns, int lines);

// Writes the panels that have a text into the status bar.
void ShowPanelTexts(StatusPanels& status, const StatusPanelTexts& panels);

// Closing a picture window only hides it, picture and all: the window stays for the
// run and the Window menu brings it back.
void HideOnClose(QMdiSubWindow& window, QCloseEvent& event);

// Scroll ranges for a picture of lines x columns at `scale` in a paint box.
void SetScrollRanges(const PictureSurface& surface, const QWidget& paintBox, int lines, int columns,
                     float scale);

}  // namespace zelmaro
