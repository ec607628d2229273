#include "core/DisplayBitmap.h"

#include "core/SessionState.h"

namespace zelmaro {

DisplayBitmap DisplayBitmap::Create(SessionState& session, int columns, int lines, PixelMode mode) {
  if (lines < 0 || columns < 0) {
    throw Error("Impossible picture size: " + std::to_string(lines) + " lines x " +
                std::to_string(columns) + " columns.");
  }
  DisplayBitmap bitmap;
  bitmap.lines_ = lines;
  bitmap.columns_ = columns;
  bitmap.mode_ = mode;
  if (mode == PixelMode::Indexed) {
    for (int i = 0; i < 256; ++i) {
      const auto v = static_cast<std::uint8_t>(i);
      bitmap.grayPalette_[i] = {v, v, v, 0};
    }
  }
  const std::size_t bytesPerPixel = mode == PixelMode::Colour ? 3 : 1;
  try {
    bitmap.pixels_.assign(
        static_cast<std::size_t>(lines) * static_cast<std::size_t>(columns) * bytesPerPixel, 0);
  } catch (const std::exception&) {
    throw Error("Not enough memory for a picture of " + std::to_string(lines) + " lines x " +
                std::to_string(columns) + " columns.");
  }
  session.ImageLines = lines;
  session.ImageColumns = columns;
  return bitmap;
}

std::size_t DisplayBitmap::Offset(int column, int line) const {
  const std::size_t index =
      static_cast<std::size_t>(line) * static_cast<std::size_t>(columns_) + column;
  return mode_ == PixelMode::Colour ? index * 3 : index;
}

void DisplayBitmap::SetColour(int column, int line, const PaletteColour& colour) {
  if (!Inside(column, line)) return;
  const std::size_t at = Offset(column, line);
  if (mode_ == PixelMode::Colour) {
    pixels_[at] = colour.blue;
    pixels_[at + 1] = colour.green;
    pixels_[at + 2] = colour.red;
  } else {
    pixels_[at] = static_cast<std::uint8_t>((colour.blue + colour.green + colour.red) / 3);
  }
}

void DisplayBitmap::SetGray(int column, int line, std::uint8_t value) {
  if (!Inside(column, line)) return;
  const std::size_t at = Offset(column, line);
  pixels_[at] = value;
  if (mode_ == PixelMode::Colour) {
    pixels_[at + 1] = value;
    pixels_[at + 2] = value;
  }
}

PaletteColour DisplayBitmap::GetColour(int column, int line) const {
  if (!Inside(column, line)) return {};
  const std::size_t at = Offset(column, line);
  switch (mode_) {
    case PixelMode::Gray:
      return {pixels_[at], pixels_[at], pixels_[at]};
    case PixelMode::Indexed: {
      const auto& entry = grayPalette_[pixels_[at]];
      return {entry[0], entry[1], entry[2]};
    }
    case PixelMode::Colour:
      return {pixels_[at], pixels_[at + 1], pixels_[at + 2]};
  }
  return {};
}

DisplayBitmap DisplayBitmap::FromCodes(SessionState& session, const ByteGrid& codes,
                                       const CodePaletteTable& palette) {
  DisplayBitmap bitmap = Create(session, codes.Columns(), codes.Lines(), PixelMode::Colour);
  for (int line = 0; line < codes.Lines(); ++line) {
    const std::uint8_t* row = codes[line];
    for (int column = 0; column < codes.Columns(); ++column) {
      bitmap.SetColour(column, line, palette[row[column]]);
    }
  }
  return bitmap;
}

DisplayBitmap DisplayBitmap::FromGray(SessionState& session, const ByteGrid& gray) {
  DisplayBitmap bitmap = Create(session, gray.Columns(), gray.Lines(), PixelMode::Gray);
  for (int line = 0; line < gray.Lines(); ++line) {
    const std::uint8_t* row = gray[line];
    for (int column = 0; column < gray.Columns(); ++column) {
      bitmap.SetGray(column, line, row[column]);
    }
  }
  return bitmap;
}

}  // namespace zelmaro
