#include "ui/art/LinearPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace zelmaro {
namespace {

const QColor kPaper(250, 250, 246);
const QColor kInk(30, 30, 30);
const QColor kLower(200, 40, 40);
const QColor kUpper(70, 110, 200);
const QColor kDistance(40, 140, 60);

// A contour line as a gentle curve across the picture at height `base`.
QPainterPath ContourPath(double base, double swing, int width) {
  QPainterPath path;
  path.moveTo(20, base);
  path.cubicTo(width * 0.3, base - swing, width * 0.6, base + swing, width - 20, base - swing / 2);
  return path;
}

// The nearest point of `path` to `point`, searched along the curve.
QPointF NearestOn(const QPainterPath& path, QPointF point) {
  QPointF best = path.pointAtPercent(0);
  double bestDistance = 1e9;
  for (int step = 0; step <= 400; ++step) {
    const QPointF candidate = path.pointAtPercent(step / 400.0);
    const double distance = std::hypot(candidate.x() - point.x(), candidate.y() - point.y());
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate;
    }
  }
  return best;
}

void DrawDot(QPainter& painter, QPointF at, const QColor& colour, const QString& label,
             QPointF labelOffset) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(at, 4.5, 4.5);
  painter.setPen(kInk);
  painter.drawText(at + labelOffset, label);
}

void DrawDistance(QPainter& painter, QPointF from, QPointF to, const QString& label) {
  painter.setPen(QPen(kDistance, 2.0, Qt::DashLine));
  painter.drawLine(from, to);
  painter.setPen(kDistance);
  const QPointF middle = (from + to) / 2.0;
  painter.drawText(middle + QPointF(8, 4), label);
}

// One point A_p between the lines, with its distances and their feet A_i and A_s.
void DrawPoint(QPainter& painter, const QPainterPath& lower, const QPainterPath& upper,
               QPointF point, bool showWholeDistance, QPointF labelOffset) {
  const QPointF foot = NearestOn(lower, point);
  const QPointF head = NearestOn(upper, point);
  DrawDistance(painter, point, foot, "d_i");
  DrawDistance(painter, point, head, "d_s");
  if (showWholeDistance) {
    // d = d_i + d_s, drawn beside the two parts.
    const QPointF side(-18, 0);
    painter.setPen(QPen(kInk, 1.2));
    painter.drawLine(foot + side, head + side);
    painter.drawText((foot + head) / 2.0 + side + QPointF(-14, 4), "d");
  }
  DrawDot(painter, point, kInk, "A_p", labelOffset);
  DrawDot(painter, foot, kLower, "A_i", QPointF(6, 16));
  DrawDot(painter, head, kUpper, "A_s", QPointF(6, -8));
}

}  // namespace

QPixmap LinearLevelPicture() {
  constexpr int kWidth = 520, kHeight = 260;
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(kPaper);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(QFont("Sans", 10, QFont::Bold));

  const QPainterPath upper = ContourPath(70, 40, kWidth);
  const QPainterPath lower = ContourPath(200, 30, kWidth);
  painter.setPen(QPen(kUpper, 3.0));
  painter.drawPath(upper);
  painter.setPen(QPen(kLower, 3.0));
  painter.drawPath(lower);
  painter.setPen(kUpper);
  painter.drawText(QPointF(kWidth - 70, 40), "1100");
  painter.setPen(kLower);
  painter.drawText(QPointF(kWidth - 70, 238), "1000");

  painter.setFont(QFont("Sans", 9, QFont::Bold));
  DrawPoint(painter, lower, upper, QPointF(150, 150), true, QPointF(8, -6));
  DrawPoint(painter, lower, upper, QPointF(370, 160), false, QPointF(-36, 4));
  return pixmap;
}

QPixmap LinearFormulaPicture() {
  QPixmap pixmap(520, 60);
  pixmap.fill(kPaper);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kInk);
  painter.setFont(QFont("Serif", 15, QFont::Bold));
  painter.drawText(pixmap.rect(), Qt::AlignCenter, "A_p = A_i + [(A_s - A_i) x (d_i / d)]");
  return pixmap;
}

}  // namespace zelmaro
