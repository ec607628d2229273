#pragma once

#include <array>
#include <cstdint>

namespace zelmaro {

// One screen colour, stored blue, green, red like the pixels of a 24-bit bitmap.
struct PaletteColour {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  bool operator==(const PaletteColour&) const = default;
};

using CodePaletteTable = std::array<PaletteColour, 256>;

// Even codes in shades of red, odd codes in shades of blue, so that neighbouring
// contour lines stand apart; 255, the background, is white.
CodePaletteTable BuildCodePalette();

}  // namespace zelmaro
