#include "core/CodePalette.h"

namespace zelmaro {

CodePaletteTable BuildCodePalette() {
  CodePaletteTable palette{};
  for (int code = 0; code < 256; ++code) {
    PaletteColour& colour = palette[code];
    if (code == 255) {
      colour = {255, 255, 255};
    } else if (code % 2 == 0) {
      colour = {0, 0, static_cast<std::uint8_t>(255 - code / 2)};
    } else {
      colour = {static_cast<std::uint8_t>(255 - (code - 1) / 2), 0, 0};
    }
  }
  return palette;
}

}  // namespace zelmaro
