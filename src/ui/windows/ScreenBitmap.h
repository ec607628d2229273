#pragma once

#include <QImage>

#include "core/DisplayBitmap.h"

namespace zelmaro {

// The 24-bit screen picture of a DisplayBitmap; a null image for a negative size.
QImage ToScreenBitmap(const DisplayBitmap& picture);
// The screen colour of a pixel, as a blue, green, red triplet.
PaletteColour ScreenColour(const QImage& screen, int column, int line);

}  // namespace zelmaro
