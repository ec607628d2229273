#include <gtest/gtest.h>

#include "core/CodePalette.h"
#include "core/DisplayBitmap.h"
#include "core/SessionState.h"

namespace zelmaro {
namespace {

TEST(CodePalette, AlternatesRedAndBlueShadesWithAWhiteBackground) {
  const CodePaletteTable palette = BuildCodePalette();
  EXPECT_EQ(palette[0], (PaletteColour{0, 0, 255}));
  EXPECT_EQ(palette[1], (PaletteColour{255, 0, 0}));
  EXPECT_EQ(palette[2], (PaletteColour{0, 0, 254}));
  EXPECT_EQ(palette[3], (PaletteColour{254, 0, 0}));
  EXPECT_EQ(palette[4], (PaletteColour{0, 0, 253}));
  EXPECT_EQ(palette[254], (PaletteColour{0, 0, 128}));
  EXPECT_EQ(palette[253], (PaletteColour{129, 0, 0}));
  EXPECT_EQ(palette[255], (PaletteColour{255, 255, 255}));
}

TEST(DisplayBitmap, CreatingOneRecordsItsSizeAsTheImageSize) {
  SessionState session;
  session.ImageLines = 7;
  session.ImageColumns = 9;
  const DisplayBitmap bitmap =
      DisplayBitmap::Create(session, 300, 200, DisplayBitmap::PixelMode::Colour);
  EXPECT_EQ(session.ImageColumns, 300);
  EXPECT_EQ(session.ImageLines, 200);
  EXPECT_EQ(bitmap.Columns(), 300);
  EXPECT_EQ(bitmap.Lines(), 200);
}

TEST(DisplayBitmap, OneByteModesStoreTheTruncatedMeanOfAColour) {
  SessionState session;
  for (auto mode : {DisplayBitmap::PixelMode::Gray, DisplayBitmap::PixelMode::Indexed}) {
    DisplayBitmap bitmap = DisplayBitmap::Create(session, 2, 2, mode);
    bitmap.SetColour(1, 0, {255, 0, 0});
    EXPECT_EQ(bitmap.GetColour(1, 0), (PaletteColour{85, 85, 85}));
    bitmap.SetColour(0, 1, {10, 20, 31});
    EXPECT_EQ(bitmap.GetColour(0, 1), (PaletteColour{20, 20, 20}));
  }
}

TEST(DisplayBitmap, ColourModeKeepsTheThreeBytesAndGrayFillsThemAll) {
  SessionState session;
  DisplayBitmap bitmap = DisplayBitmap::Create(session, 3, 2, DisplayBitmap::PixelMode::Colour);
  bitmap.SetColour(2, 1, {1, 2, 3});
  bitmap.SetGray(0, 0, 77);
  EXPECT_EQ(bitmap.GetColour(2, 1), (PaletteColour{1, 2, 3}));
  EXPECT_EQ(bitmap.GetColour(0, 0), (PaletteColour{77, 77, 77}));
}

TEST(DisplayBitmap, WritesOutsideThePictureAreIgnored) {
  SessionState session;
  DisplayBitmap bitmap = DisplayBitmap::Create(session, 2, 2, DisplayBitmap::PixelMode::Colour);
  bitmap.SetColour(2, 0, {9, 9, 9});
  bitmap.SetGray(-1, 0, 9);
  bitmap.SetGray(0, 2, 9);
  for (int line = 0; line < 2; ++line) {
    for (int column = 0; column < 2; ++column) {
      EXPECT_EQ(bitmap.GetColour(column, line), (PaletteColour{0, 0, 0}));
    }
  }
}

TEST(DisplayBitmap, PictureOfCodesUsesThePaletteLineByLine) {
  SessionState session;
  session.CodePalette = BuildCodePalette();
  ByteGrid codes(2, 3, 255);
  codes[0][1] = 4;
  codes[1][2] = 1;
  const DisplayBitmap bitmap = DisplayBitmap::FromCodes(session, codes, session.CodePalette);
  EXPECT_EQ(bitmap.GetColour(1, 0), (PaletteColour{0, 0, 253}));
  EXPECT_EQ(bitmap.GetColour(2, 1), (PaletteColour{255, 0, 0}));
  EXPECT_EQ(bitmap.GetColour(0, 0), (PaletteColour{255, 255, 255}));
  EXPECT_EQ(session.ImageLines, 2);
  EXPECT_EQ(session.ImageColumns, 3);
}

}  // namespace
}  // namespace zelmaro
