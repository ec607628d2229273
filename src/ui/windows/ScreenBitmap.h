#pragma once

#include <QImage>
#include <cstdint>

#include "core/DisplayBitmap.h"
#include "core/MemoryBudget.h"

namespace zelmaro {

// A picture brought on screen takes 3 bytes per cell in the DisplayBitmap a command
// builds, then 3 in the window's screen picture.
inline constexpr std::uint64_t kPictureBytesPerCell = 6;
inline std::uint64_t PictureMemoryBytes(std::int64_t lines, std::int64_t columns) {
  return CellBytes(lines, columns, kPictureBytesPerCell);
}

// The 24-bit screen picture of a DisplayBitmap; a null image for a negative size.
QImage ToScreenBitmap(const DisplayBitmap& picture);
// The screen colour of a pixel, as a blue, green, red triplet.
PaletteColour ScreenColour(const QImage& screen, int column, int line);

}  // namespace zelmaro
