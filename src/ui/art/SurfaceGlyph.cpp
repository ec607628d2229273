#include "ui/art/SurfaceGlyph.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zelmaro {

void DrawSurfaceGlyph(QPainter& painter) {
  // The hill: lit on its upper right flank, dark on the lower left.
  QRadialGradient light(QPointF(20, 10), 22, QPointF(21, 9));
  light.setColorAt(0.0, QColor(255, 250, 235));
  light.setColorAt(0.45, QColor(205, 170, 120));
  light.setColorAt(1.0, QColor(95, 70, 45));
  QPainterPath hill;
  hill.moveTo(2, 28);
  hill.cubicTo(8, 26, 10, 5, 17, 5);
  hill.cubicTo(24, 5, 25, 24, 30, 28);
  hill.closeSubpath();
  painter.setPen(QPen(QColor(40, 40, 48), 1.2));
  painter.setBrush(light);
  painter.drawPath(hill);
  // The mesh: smooth curves across and along the hill, no step anywhere.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(30, 60, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (const double rise : {21.0, 15.0, 10.0}) {
    const double half = (28.0 - rise) * 0.55 + 4.0;
    QPainterPath across;
    across.moveTo(16.5 - half, rise + 3.0);
    across.cubicTo(13.0 - half / 3.0, rise - 1.5, 20.0 + half / 3.0, rise - 1.5, 16.5 + half,
                   rise + 3.0);
    painter.drawPath(across);
  }
  for (const double foot : {9.0, 16.5, 24.0}) {
    QPainterPath along;
    along.moveTo(foot, 28);
    along.cubicTo(foot + (16.5 - foot) * 0.3, 18, 16.5 + (foot - 16.5) * 0.2, 9, 16.5, 6);
    painter.drawPath(along);
  }
}

}  // namespace zelmaro
