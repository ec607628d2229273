#include "ui/windows/ScreenBitmap.h"

namespace zelmaro {

QImage ToScreenBitmap(const DisplayBitmap& picture) {
  if (picture.Columns() < 0 || picture.Lines() < 0) return QImage();
  QImage screen(picture.Columns(), picture.Lines(), QImage::Format_RGB888);
  for (int line = 0; line < picture.Lines(); ++line) {
    uchar* row = screen.scanLine(line);
    for (int column = 0; column < picture.Columns(); ++column) {
      const PaletteColour colour = picture.GetColour(column, line);
      row[3 * column] = colour.red;
      row[3 * column + 1] = colour.green;
      row[3 * column + 2] = colour.blue;
    }
  }
  return screen;
}

PaletteColour ScreenColour(const QImage& screen, int column, int line) {
  const QRgb pixel = screen.pixel(column, line);
  return {static_cast<std::uint8_t>(qBlue(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
          static_cast<std::uint8_t>(qRed(pixel))};
}

}  // namespace zelmaro
