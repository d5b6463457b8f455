// Drawing text into a pixel surface: cells, glyph colours, lines, rotation
// and clipping.
#include <gtest/gtest.h>

#include "TextTestSupport.h"

using namespace vcl;
using namespace vcl::text;
using texttest::kPaper;
using texttest::Logical;
using texttest::Pixels;

namespace {

constexpr std::uint32_t kInk = 0x000000;
constexpr std::uint32_t kBack = 0x00FF00;

struct RenderCase {
  FontAccess Fonts;
  Pixels Px{200, 200};
  TRect All{0, 0, 200, 200};
  void Draw(FontInstance& f, int x, int y, std::u16string_view text, bool opaque,
            std::uint32_t ink = kInk) {
    DrawTextLine(Px.Surface(), All, x, y, f, text, {ink, opaque, kBack});
  }
};

}  // namespace

TEST(TextRender, OpaqueCellIsExactlyAdvanceWideAndCellHigh) {
  RenderCase c;
  FontInstance& f = c.Fonts.Resolve(Logical(u"DejaVu Sans", -11));
  const int w = f.TextWidth(u"Text  "), h = f.Metrics().Height();
  c.Draw(f, 10, 20, u"Text  ", true);
  EXPECT_EQ(c.Px.Changed(), TRect(10, 20, 10 + w, 20 + h));
  // Away from the glyphs (inside the trailing spaces) the cell is the background.
  EXPECT_EQ(c.Px.At(10 + w - 2, 20 + h / 2), kBack);
  EXPECT_EQ(c.Px.At(10 + w - 1, 20), kBack);
  EXPECT_EQ(c.Px.At(10, 20 + h - 1), kBack);
}

TEST(TextRender, ClearBackgroundDrawsOnlyGlyphs) {
  RenderCase c;
  FontInstance& f = c.Fonts.Resolve(Logical(u"DejaVu Sans", -11));
  const int w = f.TextWidth(u"Text  ");
  c.Draw(f, 10, 20, u"Text  ", false);
  EXPECT_EQ(c.Px.At(10 + w - 2, 20 + f.Metrics().Height() / 2), kPaper);
  EXPECT_EQ(c.Px.Colors(), (std::set<std::uint32_t>{kPaper, kInk}));
  const TRect ink = c.Px.Changed();
  EXPECT_GE(ink.Left, 10);
  EXPECT_LT(ink.Right, 10 + w);
  EXPECT_GE(ink.Top, 20);  // 'T' reaches up to the cap height, inside the cell
  EXPECT_LE(ink.Bottom, 20 + f.Metrics().Ascent);  // nothing in "Text" descends
}

TEST(TextRender, GlyphsSitOnTheBaseline) {
  RenderCase c;
  FontInstance& f = c.Fonts.Resolve(Logical(u"DejaVu Sans", -16));
  c.Draw(f, 0, 0, u"x", false);
  EXPECT_EQ(c.Px.Changed().Bottom, f.Metrics().Ascent);  // last ink row right above the baseline
  c.Px = Pixels(200, 200);
  c.Draw(f, 0, 0, u"p", false);
  EXPECT_GT(c.Px.Changed().Bottom, f.Metrics().Ascent);  // a descender goes below it
  EXPECT_LE(c.Px.Changed().Bottom, f.Metrics().Height());
}

TEST(TextRender, AliasedTextHasTwoColoursAndSmoothedTextBlends) {
  for (std::uint8_t quality : {DEFAULT_QUALITY, NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY}) {
    RenderCase c;
    FontInstance& f = c.Fonts.Resolve(Logical(u"DejaVu Sans", -13, quality));
    c.Draw(f, 5, 5, u"Smooth@gW", false, 0x0000FF);
    const auto colors = c.Px.Colors();
    EXPECT_TRUE(colors.count(0x0000FF));
    if (quality == ANTIALIASED_QUALITY) {
      EXPECT_GT(colors.size(), 2u);
      // Every blend lies between paper and ink: red and green fall together.
      for (std::uint32_t p : colors) EXPECT_EQ((p >> 16) & 0xFF, (p >> 8) & 0xFF) << std::hex << p;
    } else {
      EXPECT_EQ(colors, (std::set<std::uint32_t>{kPaper, 0x0000FF})) << int(quality);
    }
  }
}

TEST(TextRender, UnderlineIsAFullWidthRowBelowTheBaseline) {
  RenderCase c;
  LOGFONTW lf = Logical(u"DejaVu Sans", -14);
  lf.lfUnderline = 1;
  FontInstance& f = c.Fonts.Resolve(lf);
  const int w = f.TextWidth(u"    ");
  c.Draw(f, 30, 40, u"    ", false);  // spaces: the line is all that is drawn
  const TRect line = c.Px.Changed();
  EXPECT_EQ(line.Left, 30);
  EXPECT_EQ(line.Right, 30 + w);
  EXPECT_GE(line.Top, 40 + f.Metrics().Ascent);
  EXPECT_LE(line.Bottom, 40 + f.Metrics().Height());
  for (int y = line.Top; y < line.Bottom; ++y) EXPECT_EQ(c.Px.CountInRow(y, kInk), w);
}

TEST(TextRender, StrikeOutCrossesAboveTheBaseline) {
  RenderCase c;
  LOGFONTW lf = Logical(u"DejaVu Sans", -14);
  lf.lfStrikeOut = 1;
  FontInstance& f = c.Fonts.Resolve(lf);
  const int w = f.TextWidth(u"   ");
  c.Draw(f, 30, 40, u"   ", true);
  int rows = 0;
  for (int y = 40; y < 40 + f.Metrics().Height(); ++y) {
    if (c.Px.CountInRow(y, kInk) == 0) continue;
    EXPECT_EQ(c.Px.CountInRow(y, kInk), w);
    EXPECT_GT(y, 40);
    EXPECT_LT(y, 40 + f.Metrics().Ascent);
    ++rows;
  }
  EXPECT_GE(rows, 1);
}

// At 900 the text runs upwards from its origin: the turned cell is Height
// pixels wide, TextWidth pixels tall, and ends at the origin's row.
TEST(TextRender, NinetyDegreesOccupiesAColumnAboveTheOrigin) {
  RenderCase c;
  LOGFONTW lf = Logical(u"DejaVu Sans", -12);
  lf.lfEscapement = 900;
  FontInstance& f = c.Fonts.Resolve(lf);
  const int w = f.TextWidth(u"Upwards  "), h = f.Metrics().Height();
  c.Draw(f, 50, 150, u"Upwards  ", true);
  EXPECT_EQ(c.Px.Changed(), TRect(50, 150 - w, 50 + h, 150));
  EXPECT_EQ(c.Px.At(50 + h / 2, 150 - w + 1), kBack);  // the trailing spaces, at the top

  Pixels ink(200, 200);
  DrawTextLine(ink.Surface(), c.All, 50, 150, f, u"Upwards", {kInk, false, 0});
  const TRect glyphs = ink.Changed();
  EXPECT_GE(glyphs.Left,
            50 + f.Metrics().Descent - 1);  // nothing descends: the left strip stays clear
  EXPECT_LE(glyphs.Right, 50 + h);
  EXPECT_GE(glyphs.Bottom, 150 - 3);  // 'U' starts at the origin
  EXPECT_LE(glyphs.Top, 150 - w + f.TextWidth(u"  ") + 3);
}

TEST(TextRender, UpsideDownTextHangsLeftAndAboveTheOrigin) {
  RenderCase c;
  LOGFONTW lf = Logical(u"DejaVu Sans", -12);
  lf.lfEscapement = 1800;
  FontInstance& f = c.Fonts.Resolve(lf);
  const int w = f.TextWidth(u"flip"), h = f.Metrics().Height();
  c.Draw(f, 150, 100, u"flip", true);
  EXPECT_EQ(c.Px.Changed(), TRect(150 - w, 100 - h, 150, 100));
}

TEST(TextRender, UnderlineTurnsWithTheText) {
  RenderCase c;
  LOGFONTW lf = Logical(u"DejaVu Sans", -12);
  lf.lfEscapement = 2700;
  lf.lfUnderline = 1;
  FontInstance& f = c.Fonts.Resolve(lf);
  const int w = f.TextWidth(u"   ");
  c.Draw(f, 100, 20, u"   ", false);
  // At 270° the text runs downwards and "below the baseline" is to the left.
  const TRect line = c.Px.Changed();
  EXPECT_EQ(line.Top, 20);
  EXPECT_EQ(line.Bottom, 20 + w);
  EXPECT_LE(line.Right, 100 - f.Metrics().Ascent + 1);
  EXPECT_GT(line.Left, 100 - f.Metrics().Height());
}

TEST(TextRender, OddAnglesFillTheTurnedCellAroundItsCorner) {
  RenderCase c;
  LOGFONTW lf = Logical(u"DejaVu Sans", -20);
  lf.lfEscapement = 450;
  FontInstance& f = c.Fonts.Resolve(lf);
  c.Draw(f, 60, 120, u"      ", true);
  const int w = f.TextWidth(u"      ");
  const double d = 0.70710678;
  // A point one third along the baseline edge and a third down the cell.
  const double u = w / 3.0, v = f.Metrics().Height() / 3.0;
  EXPECT_EQ(c.Px.At(static_cast<int>(60 + u * d + v * d), static_cast<int>(120 - u * d + v * d)),
            kBack);
  EXPECT_EQ(c.Px.At(60 - 3, 120 - 3), kPaper);  // behind the corner
  EXPECT_EQ(c.Px.At(60 + 3, 120 - 8), kPaper);  // above the baseline edge
  EXPECT_EQ(c.Px.At(63, 122), kBack);           // just inside, below the corner
}

TEST(TextRender, NothingOutsideTheClipChanges) {
  struct Case {
    int Angle, X, Y;
  };
  for (auto [angle, x, y] : {Case{0, 20, 45}, Case{300, 20, 80}, Case{900, 45, 100}}) {
    RenderCase c;
    LOGFONTW lf = Logical(u"DejaVu Sans", -18, ANTIALIASED_QUALITY);
    lf.lfEscapement = angle;
    lf.lfUnderline = lf.lfStrikeOut = 1;
    FontInstance& f = c.Fonts.Resolve(lf);
    const TRect clip(40, 40, 90, 70);
    DrawTextLine(c.Px.Surface(), clip, x, y, f, u"Clipped text here", {kInk, true, kBack});
    const TRect changed = c.Px.Changed();
    EXPECT_FALSE(changed.IsEmpty()) << angle;
    EXPECT_EQ(changed.Intersect(clip), changed) << angle;
  }
}

TEST(TextRender, TextFarOffTheSurfaceIsHarmless) {
  RenderCase c;
  FontInstance& f = c.Fonts.Resolve(Logical(u"DejaVu Sans", -12));
  for (int pos : {-2000000000, -300, 199, 2000000000}) {
    c.Draw(f, pos, 100, u"off the edge", true);
    c.Draw(f, 100, pos, u"off the edge", true);
  }
  // Only the cells starting on the last column and the last row reach in.
  EXPECT_EQ(c.Px.Changed(), TRect(100, 100, 200, 200));
  EXPECT_EQ(c.Px.At(199, 100), kBack);
  EXPECT_EQ(c.Px.At(100, 199), kBack);
  DrawTextLine(TSurface{}, c.All, 0, 0, f, u"no pixels", {kInk, true, kBack});
}
