#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "ui/art/Glyphs.h"
#include "ui/art/SurfaceGlyph.h"
#include "ui/interaction/UserInteraction.h"

namespace zelmaro {
namespace {

const QColor kInk(40, 40, 48);
const QColor kRed(200, 30, 30);
const QColor kBlue(30, 60, 200);
const QColor kPaper(250, 250, 245);
const QColor kWood(214, 170, 90);
const QColor kGreen(40, 140, 60);

using Drawer = std::function<void(QPainter&)>;

QPen Pen(const QColor& colour, double width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Sheet(QPainter& p, const QRectF& rect) {
  p.setPen(Pen(kInk, 1.5));
  p.setBrush(kPaper);
  p.drawRect(rect);
}

void ContourWaves(QPainter& p, double top, double left = 6, double right = 26) {
  for (int i = 0; i < 3; ++i) {
    QPainterPath path;
    const double y = top + i * 6;
    path.moveTo(left, y);
    path.cubicTo(left + 6, y - 5, right - 6, y + 5, right, y);
    p.setPen(Pen(i % 2 == 0 ? kRed : kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
}

void Floppy(QPainter& p) {
  p.setPen(Pen(kInk, 1.5));
  p.setBrush(QColor(60, 90, 150));
  QPainterPath body;
  body.moveTo(4, 3);
  body.lineTo(25, 3);
  body.lineTo(29, 7);
  body.lineTo(29, 29);
  body.lineTo(4, 29);
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(QRectF(9, 3, 13, 8));
  p.setBrush(kPaper);
  p.drawRect(QRectF(7, 15, 19, 14));
}

void Arrow(QPainter& p, bool toLeft) {
  p.save();
  if (toLeft) {
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  QPainterPath path;
  path.moveTo(5, 12);
  path.lineTo(17, 12);
  path.lineTo(17, 5);
  path.lineTo(28, 16);
  path.lineTo(17, 27);
  path.lineTo(17, 20);
  path.lineTo(5, 20);
  path.closeSubpath();
  p.setPen(Pen(kInk, 1.5));
  p.setBrush(kGreen);
  p.drawPath(path);
  p.restore();
}

void Magnifier(QPainter& p) {
  p.setPen(Pen(kInk, 4));
  p.drawLine(QPointF(19, 19), QPointF(28, 28));
  p.setPen(Pen(kInk, 2));
  p.setBrush(QColor(200, 230, 255, 200));
  p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
  p.setPen(Pen(Qt::white, 1.5));
  p.drawArc(QRectF(7, 7, 10, 10), 90 * 16, 70 * 16);
}

void Pipette(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(45);
  p.setPen(Pen(kInk, 1.3));
  p.setBrush(QColor(180, 220, 240));
  p.drawRect(QRectF(-2.5, -4, 5, 14));
  p.drawLine(QPointF(0, 10), QPointF(0, 15));
  p.setBrush(QColor(60, 60, 70));
  p.drawRoundedRect(QRectF(-4, -14, 8, 10), 3, 3);
  p.setBrush(kRed);
  p.drawRect(QRectF(-2.5, 3, 5, 7));
  p.restore();
}

void Pencil(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(45);
  p.setPen(Pen(kInk, 1.3));
  p.setBrush(QColor(240, 190, 40));
  p.drawRect(QRectF(-3.5, -13, 7, 19));
  p.setBrush(QColor(240, 150, 160));
  p.drawRect(QRectF(-3.5, -16, 7, 3));
  p.setBrush(kWood);
  QPainterPath tip;
  tip.moveTo(-3.5, 6);
  tip.lineTo(3.5, 6);
  tip.lineTo(0, 15);
  tip.closeSubpath();
  p.drawPath(tip);
  p.setBrush(kInk);
  QPainterPath lead;
  lead.moveTo(-1.2, 12);
  lead.lineTo(1.2, 12);
  lead.lineTo(0, 15);
  lead.closeSubpath();
  p.drawPath(lead);
  p.restore();
}

void Ruler(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(-45);
  p.setPen(Pen(kInk, 1.3));
  p.setBrush(QColor(250, 220, 120));
  p.drawRect(QRectF(-15, -5, 30, 10));
  for (int i = -12; i <= 12; i += 3) {
    p.drawLine(QPointF(i, -5), QPointF(i, i % 2 == 0 ? -1 : -2.5));
  }
  p.restore();
}

void CrossHair(QPainter& p, bool dot) {
  p.setPen(Pen(kInk, 1.5));
  p.drawLine(QPointF(16, 3), QPointF(16, 12));
  p.drawLine(QPointF(16, 20), QPointF(16, 29));
  p.drawLine(QPointF(3, 16), QPointF(12, 16));
  p.drawLine(QPointF(20, 16), QPointF(29, 16));
  if (dot) {
    p.setPen(Pen(kInk, 1));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
  }
}

void PaintPot(QPainter& p) {
  p.save();
  p.translate(14, 15);
  p.rotate(-30);
  p.setPen(Pen(kInk, 1.5));
  p.setBrush(QColor(190, 190, 200));
  p.drawRect(QRectF(-8, -6, 16, 15));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-7, -13, 14, 12), 0, 180 * 16);
  p.restore();
  p.setPen(Pen(kBlue, 1));
  p.setBrush(kBlue);
  QPainterPath drop;
  drop.moveTo(24, 14);
  drop.cubicTo(28, 20, 29, 24, 26, 27);
  drop.cubicTo(23, 29, 21, 25, 24, 14);
  p.drawPath(drop);
}

void SmallArrow(QPainter& p) {
  QPainterPath path;
  path.moveTo(2, 2);
  path.lineTo(2, 20);
  path.lineTo(7, 15);
  path.lineTo(11, 23);
  path.lineTo(14, 21);
  path.lineTo(10, 14);
  path.lineTo(16, 14);
  path.closeSubpath();
  p.setPen(Pen(Qt::white, 1.2));
  p.setBrush(kInk);
  p.drawPath(path);
}

void Door(QPainter& p) {
  p.setPen(Pen(kInk, 1.5));
  p.setBrush(kWood);
  p.drawRect(QRectF(5, 3, 14, 26));
  p.setBrush(QColor(120, 80, 30));
  QPainterPath open;
  open.moveTo(5, 3);
  open.lineTo(13, 6);
  open.lineTo(13, 31);
  open.lineTo(5, 29);
  open.closeSubpath();
  p.drawPath(open);
  p.setPen(Pen(kRed, 2.5));
  p.drawLine(QPointF(18, 16), QPointF(29, 16));
  p.drawLine(QPointF(25, 12), QPointF(29, 16));
  p.drawLine(QPointF(25, 20), QPointF(29, 16));
}

const std::map<std::string, Drawer, std::less<>>& Drawers() {
  static const std::map<std::string, Drawer, std::less<>> drawers{
      {"RasterSpeedButton",
       [](QPainter& p) {
         Sheet(p, QRectF(3, 3, 26, 26));
         p.setPen(Qt::NoPen);
         const int rows[] = {6, 5, 5, 4, 4, 4, 5, 5};
         for (int c = 0; c < 8; ++c) {
           p.fillRect(QRectF(4 + c * 3, 4 + rows[c] * 3, 3, 3), kRed);
           p.fillRect(QRectF(4 + c * 3, 10 + rows[c] * 3, 3, 3), kBlue);
         }
         p.setPen(QPen(QColor(180, 180, 180), 0.5));
         for (int i = 7; i < 29; i += 3) {
           p.drawLine(QPointF(i, 4), QPointF(i, 28));
           p.drawLine(QPointF(4, i), QPointF(28, i));
         }
       }},
      {"VectSpeedButton",
       [](QPainter& p) {
         const QPointF points[] = {{4, 24}, {10, 10}, {18, 18}, {27, 6}};
         p.setPen(Pen(kBlue, 2));
         p.drawPolyline(points, 4);
         p.setPen(Pen(kInk, 1));
         p.setBrush(Qt::white);
         for (const QPointF& point : points)
           p.drawRect(QRectF(point.x() - 2.5, point.y() - 2.5, 5, 5));
       }},
      {"FusionSpeedButton",
       [](QPainter& p) {
         Sheet(p, QRectF(3, 3, 16, 18));
         ContourWaves(p, 9, 5, 17);
         Sheet(p, QRectF(12, 11, 17, 18));
         ContourWaves(p, 17, 14, 27);
       }},
      {"CNHASpeedButton",
       [](QPainter& p) {
         p.fillRect(QRectF(3, 19, 26, 10), QColor(120, 170, 230));
         ContourWaves(p, 7, 3, 29);
         QPainterPath coast;
         coast.moveTo(3, 20);
         coast.cubicTo(10, 16, 20, 24, 29, 19);
         p.setPen(Pen(kInk, 2));
         p.drawPath(coast);
       }},
      {"ZoomSpeedButton", Magnifier},
      {"SelectionSpeedButton",
       [](QPainter& p) {
         ContourWaves(p, 9, 2, 30);
         p.setPen(QPen(kInk, 1.5, Qt::DashLine));
         p.setBrush(QColor(255, 230, 0, 60));
         p.drawRect(QRectF(8, 5, 17, 20));
       }},
      {"ReverseSpeedButton", [](QPainter& p) { Arrow(p, true); }},
      {"AdvanceSpeedButton", [](QPainter& p) { Arrow(p, false); }},
      {"SaveContLineSpeedButton",
       [](QPainter& p) {
         Floppy(p);
         ContourWaves(p, 19, 8, 25);
       }},
      {"LineThinnerSpeedButton",
       [](QPainter& p) {
         p.setPen(Pen(QColor(240, 150, 150), 7));
         p.drawPolyline(QPolygonF({QPointF(4, 26), QPointF(16, 26), QPointF(16, 6)}));
         p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
         p.drawPolyline(
             QPolygonF({QPointF(4, 26), QPointF(13, 26), QPointF(16, 23), QPointF(16, 6)}));
         p.setPen(Pen(kInk, 1.5));
         p.drawLine(QPointF(20, 26), QPointF(28, 26));
         p.drawLine(QPointF(25, 23), QPointF(28, 26));
         p.drawLine(QPointF(25, 29), QPointF(28, 26));
       }},
      {"EbarbSpeedButton",
       [](QPainter& p) {
         QPainterPath line;
         line.moveTo(3, 22);
         line.cubicTo(12, 14, 20, 30, 29, 20);
         p.setPen(Pen(kRed, 2.5));
         p.drawPath(line);
         p.setPen(QPen(kRed, 2, Qt::DotLine));
         p.drawLine(QPointF(15, 21), QPointF(12, 8));
         p.setPen(Pen(kInk, 2));
         p.drawLine(QPointF(9, 10), QPointF(17, 14));
         p.drawLine(QPointF(9, 14), QPointF(17, 10));
       }},
      {"DetectBreakSpeedButton",
       [](QPainter& p) {
         p.setPen(Pen(kBlue, 2.5));
         p.drawLine(QPointF(3, 20), QPointF(12, 14));
         p.drawLine(QPointF(20, 14), QPointF(29, 20));
         p.setPen(Pen(kRed, 2));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QPointF(16, 14), 7, 7);
         p.setPen(Pen(kRed, 1.5));
         p.drawLine(QPointF(16, 24), QPointF(16, 29));
       }},
      {"DilatSpeedButton",
       [](QPainter& p) {
         const QColor rings[] = {QColor(200, 230, 200), QColor(150, 200, 150), QColor(90, 160, 90),
                                 QColor(40, 110, 50)};
         p.setPen(Pen(kInk, 1));
         for (int i = 0; i < 4; ++i) {
           p.setBrush(rings[i]);
           const double r = 13 - i * 3.3;
           p.drawEllipse(QPointF(16, 16), r, r);
         }
       }},
      {"RuzeSpeedButton",
       [](QPainter& p) {
         QLinearGradient ramp(0, 6, 0, 26);
         ramp.setColorAt(0, QColor(230, 120, 110));
         ramp.setColorAt(1, QColor(110, 140, 230));
         p.fillRect(QRectF(4, 6, 24, 20), ramp);
         p.setPen(Pen(kRed, 2.5));
         p.drawLine(QPointF(3, 6), QPointF(29, 6));
         p.setPen(Pen(kBlue, 2.5));
         p.drawLine(QPointF(3, 26), QPointF(29, 26));
         p.setPen(Pen(kInk, 1.5));
         p.drawLine(QPointF(16, 9), QPointF(16, 23));
         p.drawLine(QPointF(13, 12), QPointF(16, 9));
         p.drawLine(QPointF(19, 12), QPointF(16, 9));
         p.drawLine(QPointF(13, 20), QPointF(16, 23));
         p.drawLine(QPointF(19, 20), QPointF(16, 23));
       }},
      {"SurfaceSpeedButton", DrawSurfaceGlyph},
      {"PipetteButton", Pipette},
      {"PencilButton", Pencil},
      {"ReglaSpeedButton", Ruler},
      {"PointSpeedButton", [](QPainter& p) { CrossHair(p, true); }},
      {"FunnelSpeedButton", PaintPot},
      {"ComeBackSpeedButton",
       [](QPainter& p) {
         QPainterPath path;
         path.moveTo(9, 12);
         path.cubicTo(18, 4, 30, 10, 26, 20);
         path.cubicTo(24, 25, 18, 27, 12, 26);
         p.setPen(Pen(kGreen.darker(), 3));
         p.setBrush(Qt::NoBrush);
         p.drawPath(path);
         QPainterPath head;
         head.moveTo(4, 8);
         head.lineTo(14, 6);
         head.lineTo(11, 17);
         head.closeSubpath();
         p.setPen(Pen(kGreen.darker(), 1));
         p.setBrush(kGreen.darker());
         p.drawPath(head);
       }},
      {"SuavSpeedButton",
       [](QPainter& p) {
         p.setPen(Pen(QColor(150, 150, 150), 1.5));
         p.drawPolyline(QPolygonF({QPointF(3, 20), QPointF(7, 10), QPointF(11, 22), QPointF(15, 8),
                                   QPointF(19, 21), QPointF(23, 11), QPointF(29, 18)}));
         QPainterPath smooth;
         smooth.moveTo(3, 17);
         smooth.cubicTo(10, 10, 20, 22, 29, 14);
         p.setPen(Pen(kBlue, 2.5));
         p.drawPath(smooth);
       }},
      {"SaveShadowSpeedButton",
       [](QPainter& p) {
         Floppy(p);
         QPainterPath hill;
         hill.moveTo(8, 28);
         hill.lineTo(15, 18);
         hill.lineTo(19, 23);
         hill.lineTo(22, 20);
         hill.lineTo(25, 28);
         hill.closeSubpath();
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(110, 110, 110));
         p.drawPath(hill);
       }},
      {"SaveDEMSpeedButton",
       [](QPainter& p) {
         Floppy(p);
         p.setPen(Pen(kInk, 1));
         QFont font = p.font();
         font.setPixelSize(9);
         font.setBold(true);
         p.setFont(font);
         p.drawText(QRectF(7, 16, 19, 12), Qt::AlignCenter, "DEM");
       }},
      {"ExitSpeedButton", Door},
      {"FitSpeedButton",
       [](QPainter& p) {
         Sheet(p, QRectF(8, 8, 16, 16));
         ContourWaves(p, 12, 10, 22);
         // Four corners pushed outwards: the picture grows to its window.
         p.setPen(Pen(kInk, 2));
         for (const auto& [x, y, dx, dy] : {std::array{3, 3, 1, 1}, std::array{29, 3, -1, 1},
                                            std::array{3, 29, 1, -1}, std::array{29, 29, -1, -1}}) {
           p.drawLine(QPointF(x, y), QPointF(x + 5 * dx, y));
           p.drawLine(QPointF(x, y), QPointF(x, y + 5 * dy));
         }
       }},
  };
  return drawers;
}

QPixmap Draw(const Drawer& drawer) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  drawer(painter);
  return pixmap;
}

}  // namespace

QPixmap ToolGlyphPixmap(std::string_view buttonName) {
  const auto found = Drawers().find(buttonName);
  if (found == Drawers().end()) return QPixmap();
  return Draw(found->second);
}

QIcon ToolGlyph(std::string_view buttonName) {
  return QIcon(ToolGlyphPixmap(buttonName));
}

QCursor ToolCursor(int cursorId) {
  switch (cursorId) {
    case kLoupeCursor:
      return QCursor(Draw(Magnifier), 12, 12);
    case kPipetteCursor:
      return QCursor(Draw(Pipette), 5, 27);
    case kPencilCursor:
      return QCursor(Draw(Pencil), 5, 27);
    case kRuleCursor:
      return QCursor(Draw([](QPainter& p) { CrossHair(p, false); }), 16, 16);
    case kPointCursor:
      return QCursor(Draw([](QPainter& p) { CrossHair(p, true); }), 16, 16);
    case kPotCursor:
      return QCursor(Draw(PaintPot), 26, 27);
    case kFlechitaCursor:
      return QCursor(Draw(SmallArrow), 2, 2);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace zelmaro
