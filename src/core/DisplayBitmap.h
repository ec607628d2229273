#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/CodePalette.h"
#include "core/Grid.h"

namespace zelmaro {

struct SessionState;

// A transient picture that a command builds and hands to a window, which copies it.
class DisplayBitmap {
 public:
  enum class PixelMode : std::uint8_t { Gray = 0, Indexed = 1, Colour = 2 };

  // Makes a picture of the given size. Like every picture built for a window it
  // records its size as the session's ImageLines/ImageColumns, which the image
  // window's range test and several writers of size files rely on.
  static DisplayBitmap Create(SessionState& session, int columns, int lines, PixelMode mode);

  int Lines() const { return lines_; }
  int Columns() const { return columns_; }
  PixelMode Mode() const { return mode_; }

  // Both ignore pixels outside the picture. In the one-byte modes a colour is
  // stored as the truncated mean of its three bytes.
  void SetColour(int column, int line, const PaletteColour& colour);
  void SetGray(int column, int line, std::uint8_t value);
  PaletteColour GetColour(int column, int line) const;

  // The picture of a contour-line image in code colours, and of a gray raster.
  static DisplayBitmap FromCodes(SessionState& session, const ByteGrid& codes,
                                 const CodePaletteTable& palette);
  static DisplayBitmap FromGray(SessionState& session, const ByteGrid& gray);

 private:
  bool Inside(int column, int line) const {
    return column >= 0 && line >= 0 && column < columns_ && line < lines_;
  }
  std::size_t Offset(int column, int line) const;

  int lines_ = 0;
  int columns_ = 0;
  PixelMode mode_ = PixelMode::Gray;
  std::vector<std::uint8_t> pixels_;
  std::array<std::array<std::uint8_t, 4>, 256> grayPalette_{};
};

}  // namespace zelmaro
