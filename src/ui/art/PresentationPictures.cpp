#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "ui/art/PresentationPictures.h"

namespace zelmaro {
namespace {

constexpr int kWidth = 587;
constexpr int kHeight = 605;

// A volcano with a crater and two side hills, heights in 0 .. 1, over a unit square.
double Terrain(double x, double y) {
  const auto bump = [](double x, double y, double cx, double cy, double r) {
    const double d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / (r * r);
    return std::exp(-d2);
  };
  const double d = std::hypot(x - 0.5, y - 0.52);
  const double cone = std::max(0.0, 1.0 - d / 0.42);
  const double crater = 0.3 * bump(x, y, 0.5, 0.52, 0.08);
  return 0.75 * cone * cone + 0.3 * bump(x, y, 0.22, 0.25, 0.12) +
         0.22 * bump(x, y, 0.8, 0.78, 0.1) - crater;
}

std::vector<double> Heights(int width, int height) {
  std::vector<double> heights(static_cast<std::size_t>(width) * height);
  for (int line = 0; line < height; ++line) {
    for (int column = 0; column < width; ++column) {
      heights[static_cast<std::size_t>(line) * width + column] =
          Terrain(static_cast<double>(column) / width, static_cast<double>(line) / height);
    }
  }
  return heights;
}

// Contour lines one pixel wide, alternating red and blue like the code colours.
QImage ContourPicture(int width, int height, int levels) {
  const std::vector<double> h = Heights(width, height);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const auto level = [&](int column, int line) {
    return static_cast<int>(
        std::floor(h[static_cast<std::size_t>(line) * width + column] * levels));
  };
  for (int line = 1; line < height; ++line) {
    for (int column = 1; column < width; ++column) {
      const int here = level(column, line);
      if (here != level(column - 1, line) || here != level(column, line - 1)) {
        const int code = std::max(here, 1);
        image.setPixel(column, line,
                       code % 2 == 0 ? qRgb(255 - code * 4, 0, 0) : qRgb(0, 0, 255 - code * 4));
      }
    }
  }
  return image;
}

// Hill shading lit from the north-west, tinted from green lowland to brown summits.
QImage ShadedPicture(int width, int height) {
  const std::vector<double> h = Heights(width, height);
  QImage image(width, height, QImage::Format_RGB32);
  const auto at = [&](int column, int line) {
    column = std::clamp(column, 0, width - 1);
    line = std::clamp(line, 0, height - 1);
    return h[static_cast<std::size_t>(line) * width + column];
  };
  for (int line = 0; line < height; ++line) {
    for (int column = 0; column < width; ++column) {
      const double dx = (at(column + 1, line) - at(column - 1, line)) * width * 0.9;
      const double dy = (at(column, line + 1) - at(column, line - 1)) * height * 0.9;
      // Slopes that face the light (up and to the left) are bright.
      const double light =
          std::clamp(0.7 + (dx + dy) * 0.45 / std::sqrt(1 + dx * dx + dy * dy), 0.15, 1.0);
      const double t = std::clamp(at(column, line) * 1.3, 0.0, 1.0);
      const double red = (75 + 140 * t) * light;
      const double green = (135 + 45 * t) * light;
      const double blue = (70 + 65 * t) * light;
      image.setPixel(column, line,
                     qRgb(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue)));
    }
  }
  return image;
}

void Title(QPainter& p, const QRect& area, const QString& text, int size, const QColor& colour) {
  QFont font("Sans Serif");
  font.setPixelSize(size);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, size / 5.0);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(area, Qt::AlignCenter, text);
}

void Band(QPainter& p, const QRect& area, const QString& title, const QString& subtitle) {
  p.fillRect(area, QColor(20, 30, 60, 215));
  Title(p, area.adjusted(0, 8, 0, -area.height() / 2 + 4), title, 52, Qt::white);
  QFont font("Sans Serif");
  font.setPixelSize(17);
  p.setFont(font);
  p.setPen(QColor(220, 225, 240));
  p.drawText(area.adjusted(10, area.height() / 2, -10, -6), Qt::AlignCenter | Qt::TextWordWrap,
             subtitle);
}

QImage DrawPresentation(int index) {
  QImage canvas(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  switch (index) {
    case 1:
      p.drawImage(0, 0, ContourPicture(kWidth, kHeight, 24));
      Band(p, QRect(0, 215, kWidth, 150), "ZELMARO", "Digital Elevation Models from Contour Lines");
      break;
    case 2: {
      p.drawImage(0, 0, ContourPicture(kWidth, kHeight, 16));
      const QImage shaded = ShadedPicture(kWidth, kHeight);
      // The contour map turns into the terrain along a diagonal.
      for (int line = 0; line < kHeight; ++line) {
        const int from = kWidth - line * kWidth / kHeight;
        p.drawImage(QPoint(from, line), shaded, QRect(from, line, kWidth - from, 1));
      }
      p.setPen(QPen(QColor(20, 30, 60), 3));
      p.drawLine(kWidth, 0, 0, kHeight);
      Band(p, QRect(0, 470, kWidth, 120), "Raster  |  DXF",
           "Contour lines in, a terrain model out");
      break;
    }
    case 3:
      p.drawImage(0, 0, ShadedPicture(kWidth, kHeight));
      Band(p, QRect(0, 20, kWidth, 130), "DEM",
           "Skeletonization, dilation and linear interpolation, smoothing, hill shading");
      break;
    default: {
      QLinearGradient sky(0, 0, 0, kHeight);
      sky.setColorAt(0, QColor(15, 25, 55));
      sky.setColorAt(1, QColor(45, 70, 120));
      p.fillRect(canvas.rect(), sky);
      const QImage shaded = ShadedPicture(360, 360);
      p.drawImage(QRect(113, 150, 360, 360), shaded);
      p.setPen(QPen(QColor(220, 225, 240), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRect(113, 150, 360, 360));
      Title(p, QRect(0, 40, kWidth, 80), "ZELMARO", 60, Qt::white);
      QFont font("Sans Serif");
      font.setPixelSize(16);
      p.setFont(font);
      p.setPen(QColor(220, 225, 240));
      p.drawText(QRect(0, 525, kWidth, 60), Qt::AlignCenter,
                 "Raster and vector contour lines\ncleaned, interpolated, shaded and saved");
      break;
    }
  }
  p.end();
  return canvas;
}

}  // namespace

QPixmap PresentationPicture(int index) {
  // The pictures are drawn once; the windows are built twice during start-up.
  static std::map<int, QImage> drawn;
  auto found = drawn.find(index);
  if (found == drawn.end()) found = drawn.emplace(index, DrawPresentation(index)).first;
  return QPixmap::fromImage(found->second);
}

}  // namespace zelmaro
