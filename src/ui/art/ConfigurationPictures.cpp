#include "ui/art/ConfigurationPictures.h"

#include <QFont>
#include <QPainter>
#include <array>

#include "core/NeighbourCode.h"

namespace zelmaro {
namespace {

constexpr int kWeightCell = 44;
constexpr int kWindowCell = 13;
constexpr int kWindowSide = 3 * kWindowCell;
constexpr int kCodeHeight = 18;
constexpr int kWindowGap = 16;
constexpr int kMargin = 10;

constexpr int kGapCell = 14;
constexpr int kGapColumns = 26;
constexpr int kGapLines = 9;

QImage WhitePicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  return picture;
}

QPoint WindowOrigin(int index, int perRow) {
  return {kMargin + (index % perRow) * (kWindowSide + kWindowGap),
          kMargin + (index / perRow) * (kWindowSide + kCodeHeight + kWindowGap / 2)};
}

// The pixels of the line in the gap picture: a gentle curve from the left, a gap of
// three cells, and the curve going on to the right.
std::array<QPoint, 21> GapLineCells() {
  std::array<QPoint, 21> cells{};
  constexpr std::array<int, kGapColumns> kLineOfColumn{6, 6, 5, 5, 5, 4, 4, 4, 4, 4, 0, 0, 0,
                                                       4, 4, 4, 3, 3, 3, 3, 2, 2, 2, 3, 3, 3};
  std::size_t next = 0;
  for (int column = 1; column < kGapColumns - 1 && next < cells.size(); ++column) {
    if (column >= kGapWindowCentre.x() + 1 && column <= kGapWindowCentre.x() + 3) continue;
    cells[next++] = {column, kLineOfColumn[static_cast<std::size_t>(column)]};
  }
  return cells;
}

}  // namespace

QImage WeightWindowPicture() {
  const int side = 3 * kWeightCell;
  QImage picture = WhitePicture(side + 2 * kMargin, side + 2 * kMargin);
  QPainter painter(&picture);
  QFont font = painter.font();
  font.setPixelSize(15);
  font.setBold(true);
  painter.setFont(font);
  for (int line = 0; line < 3; ++line) {
    for (int column = 0; column < 3; ++column) {
      const QRect cell(kMargin + column * kWeightCell, kMargin + line * kWeightCell, kWeightCell,
                       kWeightCell);
      const int weight =
          kNeighbourWeights[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
      painter.fillRect(cell, weight == 0 ? kCentreColour : QColor(Qt::white));
      painter.setPen(Qt::black);
      painter.drawRect(cell.adjusted(0, 0, -1, -1));
      if (weight != 0) painter.drawText(cell, Qt::AlignCenter, QString::number(weight));
    }
  }
  return picture;
}

QImage ConfigurationsPicture(std::span<const std::uint8_t> codes, int perRow,
                             const QColor& neighbourColour) {
  const int count = static_cast<int>(codes.size());
  const int rows = (count + perRow - 1) / perRow;
  const QPoint last = WindowOrigin(rows * perRow - 1, perRow);
  QImage picture = WhitePicture(last.x() + kWindowSide + kMargin,
                                last.y() + kWindowSide + kCodeHeight + kMargin);
  QPainter painter(&picture);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  for (int index = 0; index < count; ++index) {
    const int code = codes[static_cast<std::size_t>(index)];
    const QPoint origin = WindowOrigin(index, perRow);
    for (int line = -1; line <= 1; ++line) {
      for (int column = -1; column <= 1; ++column) {
        const QRect cell(origin.x() + (column + 1) * kWindowCell,
                         origin.y() + (line + 1) * kWindowCell, kWindowCell, kWindowCell);
        QColor colour(Qt::white);
        if (line == 0 && column == 0) {
          colour = kCentreColour;
        } else if (NeighbourPresent(code, line, column)) {
          colour = neighbourColour;
        }
        painter.fillRect(cell, colour);
        painter.setPen(QColor(90, 90, 90));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
      }
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(origin.x() - kWindowGap / 2, origin.y() + kWindowSide,
                           kWindowSide + kWindowGap, kCodeHeight),
                     Qt::AlignCenter, QString::number(code));
  }
  return picture;
}

QPoint ConfigurationCellCentre(int index, int perRow, int lineOffset, int columnOffset) {
  const QPoint origin = WindowOrigin(index, perRow);
  return {origin.x() + (columnOffset + 1) * kWindowCell + kWindowCell / 2,
          origin.y() + (lineOffset + 1) * kWindowCell + kWindowCell / 2};
}

QPoint GapCellCentre(int line, int column) {
  return {kMargin + column * kGapCell + kGapCell / 2, kMargin + line * kGapCell + kGapCell / 2};
}

QImage GapPicture() {
  QImage picture =
      WhitePicture(kGapColumns * kGapCell + 2 * kMargin, kGapLines * kGapCell + 2 * kMargin);
  QPainter painter(&picture);
  // A faint pixel grid, so that the line reads as a raster.
  painter.setPen(QColor(225, 225, 225));
  for (int column = 0; column <= kGapColumns; ++column) {
    const int x = kMargin + column * kGapCell;
    painter.drawLine(x, kMargin, x, kMargin + kGapLines * kGapCell);
  }
  for (int line = 0; line <= kGapLines; ++line) {
    const int y = kMargin + line * kGapCell;
    painter.drawLine(kMargin, y, kMargin + kGapColumns * kGapCell, y);
  }
  for (const QPoint& cell : GapLineCells()) {
    painter.fillRect(kMargin + cell.x() * kGapCell + 1, kMargin + cell.y() * kGapCell + 1,
                     kGapCell - 1, kGapCell - 1, Qt::black);
  }
  QPen window(kCentreColour);
  window.setWidth(3);
  painter.setPen(window);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(kMargin + (kGapWindowCentre.x() - 1) * kGapCell,
                   kMargin + (kGapWindowCentre.y() - 1) * kGapCell, 3 * kGapCell, 3 * kGapCell);
  return picture;
}

}  // namespace zelmaro
