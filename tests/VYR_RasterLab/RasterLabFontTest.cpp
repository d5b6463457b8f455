// The raster label's dot fonts: the built-in font's given rows and its
// limits, fonts sampled from a system font, and text lengths.
#include <gtest/gtest.h>

#include <memory>

#include "VYR_RasterLab/VYR_RasterLab.h"
#include "platform/Graphics.h"

namespace {

using namespace vcl;
using namespace vyr;

struct GivenGlyph {
  int Code, Left, Right;
  std::uint8_t Rows[12];
};

// The rows every built-in font must have.
const GivenGlyph Given[] = {
    {32, 0, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {48, 1, 5, {0x00, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0x00, 0x00}},
    {49, 1, 5, {0x00, 0x08, 0x0E, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x3E, 0x00, 0x00}},
    {65, 0, 6, {0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00}},
    {103, 0, 6, {0x00, 0x00, 0x00, 0x00, 0x7E, 0x21, 0x21, 0x21, 0x3E, 0x20, 0x20, 0x1E}},
    {176, 0, 6, {0x00, 0x08, 0x14, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {196, 0, 6, {0x22, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00}},
};

TEST(RasterLabFont, TheBuiltInFontHasTheGivenRows) {
  TRDCharMatrix m = BuiltInCharMatrix();
  EXPECT_EQ(m.FontWidth, 7);
  EXPECT_EQ(m.FontHeight, 12);
  for (const GivenGlyph& g : Given) {
    EXPECT_EQ(m.LeftMostBit[g.Code], g.Left) << g.Code;
    EXPECT_EQ(m.RightMostBit[g.Code], g.Right) << g.Code;
    for (int r = 0; r < 12; ++r) EXPECT_EQ(m.BitData[g.Code][r], g.Rows[r]) << g.Code << " row " << r;
  }
}

// Every glyph lies in 7 columns and 12 rows, its column range spans column
// 3, printable codes show something, and codes below 32 are empty.
TEST(RasterLabFont, EveryBuiltInGlyphKeepsToTheGrid) {
  TRDCharMatrix m = BuiltInCharMatrix();
  for (int code = 0; code < 256; ++code) {
    std::uint32_t ink = 0;
    for (int r = 0; r < 32; ++r) {
      if (r >= 12) {
        EXPECT_EQ(m.BitData[code][r], 0u) << code;
      }
      ink |= m.BitData[code][r];
    }
    EXPECT_EQ(ink & ~0x7Fu, 0u) << code;
    if (code < 32) {
      EXPECT_EQ(ink, 0u) << code;
      continue;
    }
    EXPECT_LE(m.LeftMostBit[code], 3) << code;
    EXPECT_GE(m.RightMostBit[code], 3) << code;
    EXPECT_LE(m.RightMostBit[code], 6) << code;
    const bool blank = code == 32 || code == 160;
    EXPECT_EQ(ink == 0, blank) << code;
    // Ink never lies outside the glyph's own columns.
    if (!blank) {
      EXPECT_EQ(ink >> (m.RightMostBit[code] + 1), 0u) << code;
      EXPECT_EQ(ink & ((1u << m.LeftMostBit[code]) - 1), 0u) << code;
    }
  }
}

TEST(RasterLabFont, AccentedCapitalsKeepTheirLetterUnderTheAccent) {
  TRDCharMatrix m = BuiltInCharMatrix();
  // The diaeresis sits alone in row 0 over the whole letter.
  for (auto [accented, base] : {std::pair{196, 'A'}, {214, 'O'}, {220, 'U'}, {203, 'E'}}) {
    EXPECT_NE(m.BitData[accented][0], 0u);
    for (int r = 1; r < 12; ++r) EXPECT_EQ(m.BitData[accented][r], m.BitData[int(base)][r]) << accented;
  }
  // Small letters keep their body below their accent.
  for (auto [accented, base] : {std::pair{228, 'a'}, {233, 'e'}, {252, 'u'}, {241, 'n'}}) {
    for (int r = 4; r < 12; ++r) EXPECT_EQ(m.BitData[accented][r], m.BitData[int(base)][r]) << accented;
  }
}

// A sampled font holds, per code, the non-white pixels of the character
// drawn at the top-left corner of a bitmap.
TEST(RasterLabFont, ASystemFontIsSampledPixelForPixel) {
  TRasterLab lab(nullptr);
  TFont font;
  font.SetName(u"DejaVu Sans");
  font.SetSize(12);
  TRDCharMatrix m = lab.CreateBitFont(&font);
  EXPECT_GT(m.FontHeight, 8);
  EXPECT_LE(m.FontHeight, 32);
  EXPECT_GT(m.FontWidth, 4);
  EXPECT_EQ(m.LeftMostBit[32], 0);
  EXPECT_EQ(m.RightMostBit[32], m.FontWidth / 2);
  for (int code = 0; code < 32; ++code) {
    for (int r = 0; r < 32; ++r) EXPECT_EQ(m.BitData[code][r], 0u);
  }
  int widest = 0;
  for (char16_t ch : String(u"H8gW|ÄQ")) {
    TBitmap ref(65, 65);
    ref.Canvas()->Font()->Assign(&font);
    ref.Canvas()->Font()->SetColor(clBlack);
    ref.Canvas()->Brush()->SetStyle(bsClear);
    ref.Canvas()->TextOut(0, 0, String(1, ch));
    int left = 31, right = 0;
    for (int r = 0; r < 32; ++r) {
      for (int j = 0; j < 32; ++j) {
        const bool inked = ref.Canvas()->Pixels(j, r) != clWhite;
        EXPECT_EQ(((m.BitData[ch][r] >> j) & 1u) != 0, inked) << int(ch) << " at " << j << "," << r;
        if (inked) {
          left = std::min(left, j);
          right = std::max(right, j);
        }
      }
    }
    EXPECT_EQ(m.LeftMostBit[ch], left);
    EXPECT_EQ(m.RightMostBit[ch], right);
    widest = std::max(widest, right - left + 1);
  }
  EXPECT_GE(m.FontWidth, widest);
  font.SetName(u"DEFAULT");  // any case
  TRDCharMatrix builtIn = lab.CreateBitFont(&font);
  EXPECT_EQ(builtIn.BitData[65][9], 0x77u);
  EXPECT_EQ(lab.CreateBitFont(nullptr).FontHeight, 12);
}

// Proportional: (RightMostBit - LeftMostBit + 2) · p per character; fixed:
// (FontWidth + 1) · p; characters above 255 count as code 127.
TEST(RasterLabFont, TextLengthsFollowTheGlyphColumns) {
  TRasterLab lab(nullptr);  // dots 3 + 1: p = 4
  const TRDCharMatrix& m = lab.CharMatrix();
  int want = 0;
  for (char16_t ch : String(u"Text")) want += (m.RightMostBit[ch] - m.LeftMostBit[ch] + 2) * 4;
  EXPECT_EQ(lab.CalcTextBitLength(u"Text"), want);
  EXPECT_EQ(lab.CalcTextBitLength(u""), 0);
  EXPECT_EQ(lab.CalcTextBitLength(u"€"), lab.CalcTextBitLength(u"\x7F"));
  lab.SetProportional(false);
  EXPECT_EQ(lab.CalcTextBitLength(u"Text"), 4 * 8 * 4);
  lab.SetDotSize(5);
  lab.SetDotSpacing(2);
  EXPECT_EQ(lab.CalcTextBitLength(u"ab"), 2 * 8 * 7);
}

}  // namespace
