#include "ui/art/DilationPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace zelmaro {
namespace {

const QColor kPaper(250, 250, 246);
const QColor kInk(30, 30, 30);
const QColor kSeed(200, 40, 40);
const QColor kGrown(70, 110, 200);

// A square grid of n x n cells at (x, y), each cell of `cell` pixels; `shade` gives
// the colour of a cell, or none for an empty one.
template <typename Shade>
void DrawCells(QPainter& painter, int x, int y, int n, int cell, Shade shade) {
  for (int line = 0; line < n; ++line) {
    for (int column = 0; column < n; ++column) {
      const QRect box(x + column * cell, y + line * cell, cell, cell);
      const QColor colour = shade(line, column);
      painter.fillRect(box, colour.isValid() ? colour : QColor(Qt::white));
      painter.setPen(QPen(QColor(170, 170, 170), 1));
      painter.drawRect(box);
    }
  }
  painter.setPen(QPen(kInk, 1.5));
  painter.drawRect(x, y, n * cell, n * cell);
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to) {
  painter.setPen(QPen(kInk, 2.0));
  painter.drawLine(from, to);
  const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  constexpr double kHead = 9.0;
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to.x() - kHead * std::cos(angle - 0.45), to.y() - kHead * std::sin(angle - 0.45));
  head.lineTo(to.x() - kHead * std::cos(angle + 0.45), to.y() - kHead * std::sin(angle + 0.45));
  head.closeSubpath();
  painter.fillPath(head, kInk);
}

QPixmap NewCanvas(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(kPaper);
  return pixmap;
}

// One row of the first picture: the structuring element, the pixel, the result.
void DrawDilationRow(QPainter& painter, int top, const QString& title, bool square) {
  constexpr int kCell = 18;
  const auto inElement = [square](int line, int column) {
    const int dl = std::abs(line), dc = std::abs(column);
    return square ? dl <= 1 && dc <= 1 : dl + dc <= 1;
  };
  painter.setPen(kInk);
  painter.setFont(QFont("Sans", 11, QFont::Bold));
  painter.drawText(QRect(20, top, 560, 22), Qt::AlignLeft, title);
  const int gridTop = top + 30;
  // The structuring element, centre marked.
  DrawCells(painter, 20, gridTop + kCell * 2, 3, kCell, [&](int line, int column) {
    if (line == 1 && column == 1) return kInk;
    return inElement(line - 1, column - 1) ? QColor(140, 140, 140) : QColor();
  });
  painter.setFont(QFont("Sans", 9));
  painter.drawText(QRect(5, gridTop + kCell * 5 + 4, 84, 16), Qt::AlignCenter, "element");
  // The single pixel.
  DrawCells(painter, 130, gridTop, 7, kCell,
            [](int line, int column) { return line == 3 && column == 3 ? kSeed : QColor(); });
  painter.drawText(QRect(130, gridTop + kCell * 7 + 4, kCell * 7, 16), Qt::AlignCenter, "pixel");
  DrawArrow(painter, QPointF(268, gridTop + kCell * 3.5), QPointF(365, gridTop + kCell * 3.5));
  painter.setPen(kInk);
  painter.setFont(QFont("Sans", 9, QFont::Bold));
  painter.drawText(QRect(262, gridTop + kCell * 3.5 - 26, 110, 16), Qt::AlignCenter,
                   square ? "8-connected" : "4-connected");
  // The dilated pixel.
  DrawCells(painter, 375, gridTop, 7, kCell, [&](int line, int column) {
    if (line == 3 && column == 3) return kSeed;
    return inElement(line - 3, column - 3) ? kGrown : QColor();
  });
  painter.setFont(QFont("Sans", 9));
  painter.drawText(QRect(375, gridTop + kCell * 7 + 4, kCell * 7, 16), Qt::AlignCenter, "dilated");
}

}  // namespace

QPixmap MorphoMathPicture() {
  QPainter painter;
  QPixmap pixmap = NewCanvas(520, 380);
  painter.begin(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawDilationRow(painter, 12, "Dilation by the 3 x 3 square", true);
  DrawDilationRow(painter, 200, "Dilation by the cross", false);
  painter.end();
  return pixmap;
}

QPixmap DilationProcedurePicture() {
  QPainter painter;
  QPixmap pixmap = NewCanvas(640, 340);
  painter.begin(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  // The loop: three stages one under the other, and the way back to the first.
  const std::array<const char*, 3> stages{"4-connected dilation", "8-connected dilation",
                                          "limit extraction"};
  constexpr int kLeft = 30, kWidth = 200, kHeight = 44, kTop = 40, kGap = 40;
  painter.setFont(QFont("Sans", 10, QFont::Bold));
  for (int i = 0; i < 3; ++i) {
    const QRect box(kLeft, kTop + i * (kHeight + kGap), kWidth, kHeight);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(225, 232, 245));
    painter.drawRoundedRect(box, 8, 8);
    painter.drawText(box, Qt::AlignCenter, stages[i]);
    if (i < 2) {
      DrawArrow(painter, QPointF(kLeft + kWidth / 2.0, box.bottom() + 2),
                QPointF(kLeft + kWidth / 2.0, box.bottom() + kGap - 2));
    }
  }
  const int loopX = kLeft + kWidth + 24;
  const int firstMiddle = kTop + kHeight / 2;
  const int lastMiddle = kTop + 2 * (kHeight + kGap) + kHeight / 2;
  painter.setPen(QPen(kInk, 2.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(kLeft + kWidth, lastMiddle, loopX, lastMiddle);
  painter.drawLine(loopX, lastMiddle, loopX, firstMiddle);
  DrawArrow(painter, QPointF(loopX, firstMiddle), QPointF(kLeft + kWidth + 2, firstMiddle));
  painter.setFont(QFont("Sans", 9));
  painter.drawText(QRect(kLeft, lastMiddle + kHeight / 2 + 12, 260, 36), Qt::AlignLeft,
                   "repeated until a step\nwrites no new cell");

  // Concentric zones: the line of 150 appears where the zones of 100 and 200 meet.
  const QPointF centre(470, 160);
  painter.setPen(QPen(kSeed, 3.0));
  painter.drawEllipse(centre, 130, 120);
  painter.setPen(QPen(kGrown, 3.0));
  painter.drawEllipse(centre, 44, 40);
  painter.setPen(QPen(QColor(40, 140, 60), 2.5, Qt::DashLine));
  painter.drawEllipse(centre, 87, 80);
  painter.setFont(QFont("Sans", 11, QFont::Bold));
  painter.setPen(kSeed);
  painter.drawText(QRectF(centre.x() - 30, centre.y() - 120 - 24, 60, 20), Qt::AlignCenter, "100");
  painter.setPen(kGrown);
  painter.drawText(QRectF(centre.x() - 30, centre.y() - 10, 60, 20), Qt::AlignCenter, "200");
  painter.setPen(QColor(40, 140, 60));
  painter.drawText(QRectF(centre.x() - 30, centre.y() - 80 - 22, 60, 20), Qt::AlignCenter, "150");
  painter.setPen(kInk);
  painter.setFont(QFont("Sans", 9));
  painter.drawText(QRectF(330, 300, 290, 36), Qt::AlignCenter,
                   "(100 + 200) / 2 = 150 on the limit\nbetween the zones of 100 and 200");
  painter.end();
  return pixmap;
}

}  // namespace zelmaro
