// The canvas text calls on bitmaps: cells, brushes, clipping, origin, pen
// position, colors and fonts.
#include <gtest/gtest.h>

#include <set>

#include "platform/Graphics.h"

using namespace vcl;

namespace {

// A white bitmap whose canvas draws aliased DejaVu Sans.
struct Board {
  TBitmap Bmp;
  TCanvas& C;
  explicit Board(int W = 160, int H = 60) : Bmp(W, H), C(*Bmp.Canvas()) {
    C.Font()->SetName(u"DejaVu Sans");
    C.Font()->SetColor(clBlack);
  }
  // The bitmap's own pixel, whatever the canvas clip.
  TColor At(int X, int Y) {
    const std::uint32_t p = Bmp.ScanLine(Y)[X];
    return RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
               static_cast<std::uint8_t>(p));
  }
  std::set<TColor> Colors(const TRect& R) {
    std::set<TColor> out;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) out.insert(At(x, y));
    return out;
  }
  // The rectangle of pixels that are no longer white; empty when none.
  TRect Changed() {
    TRect r(Bmp.Width(), Bmp.Height(), 0, 0);
    for (int y = 0; y < Bmp.Height(); ++y)
      for (int x = 0; x < Bmp.Width(); ++x)
        if (At(x, y) != clWhite) {
          r = TRect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                    std::max(r.Bottom, y + 1));
        }
    return r.IsEmpty() ? TRect() : r;
  }
};

}  // namespace

TEST(CanvasText, SolidBrushFillsTheCellFirst) {
  Board b;
  b.C.Brush()->SetColor(clYellow);
  const String text = u"Ab   ";
  const TSize cell = b.C.TextExtent(text);
  b.C.TextOut(10, 8, text);
  EXPECT_EQ(b.Changed(), TRect(10, 8, 10 + cell.cx, 8 + cell.cy));
  EXPECT_EQ(b.C.Pixels(10 + cell.cx - 3, 8 + cell.cy / 2), clYellow);  // among the spaces
  EXPECT_EQ(b.C.Pixels(10 + cell.cx, 8), clWhite);
  EXPECT_EQ(b.C.Pixels(9, 8 + cell.cy - 1), clWhite);
}

TEST(CanvasText, ClearBrushLeavesTheBackground) {
  Board b;
  b.C.Brush()->SetStyle(bsClear);
  const String text = u"Ab   ";
  const TSize cell = b.C.TextExtent(text);
  b.C.TextOut(10, 8, text);
  EXPECT_EQ(b.C.Pixels(10 + cell.cx - 3, 8 + cell.cy / 2), clWhite);
  EXPECT_EQ(b.Colors(TRect(0, 0, 160, 60)), (std::set<TColor>{clWhite, clBlack}));
}

TEST(CanvasText, HatchedBrushesPaintAPlainBackground) {
  Board b;
  b.C.Brush()->SetColor(clAqua);
  b.C.Brush()->SetStyle(bsDiagCross);
  b.C.TextOut(4, 4, u"    ");
  const TSize cell = b.C.TextExtent(u"    ");
  EXPECT_EQ(b.Colors(TRect(4, 4, 4 + cell.cx, 4 + cell.cy)), std::set<TColor>{clAqua});
}

TEST(CanvasText, FontColorGoesThroughTheSystemPalette) {
  Board b;
  b.C.Brush()->SetStyle(bsClear);
  b.C.Font()->SetColor(clHighlight);  // 0078D7 as RGB
  b.C.TextOut(2, 2, u"Color");
  EXPECT_EQ(b.Colors(TRect(0, 0, 160, 60)), (std::set<TColor>{clWhite, RGB(0x00, 0x78, 0xD7)}));
}

TEST(CanvasText, SmoothedTextBlendsAndAliasedTextDoesNot) {
  Board aliased, smooth;
  aliased.C.Brush()->SetStyle(bsClear);
  smooth.C.Brush()->SetStyle(bsClear);
  smooth.C.Font()->SetQuality(fqAntialiased);
  aliased.C.TextOut(2, 2, u"Round @ gq");
  smooth.C.TextOut(2, 2, u"Round @ gq");
  EXPECT_EQ(aliased.Colors(TRect(0, 0, 160, 60)).size(), 2u);
  EXPECT_GT(smooth.Colors(TRect(0, 0, 160, 60)).size(), 2u);
  EXPECT_EQ(aliased.Changed().Intersect(smooth.Changed()).IsEmpty(), false);
}

TEST(CanvasText, TextOutMovesThePenPastTheText) {
  Board b;
  b.C.Brush()->SetColor(clYellow);
  b.C.TextOut(7, 9, u"pen");
  EXPECT_EQ(b.C.PenPos(), TPoint(7 + b.C.TextWidth(u"pen"), 9));
  b.C.TextOut(3, 4, u"");
  EXPECT_EQ(b.C.PenPos(), TPoint(3, 4));
  const TSize cell = b.C.TextExtent(u"pen");
  EXPECT_EQ(b.Changed(), TRect(7, 9, 7 + cell.cx, 9 + cell.cy));  // "" drew nothing
}

TEST(CanvasText, TextRectChangesNothingOutsideItsRectangle) {
  Board b;
  b.C.Brush()->SetColor(clLime);
  const TRect r(20, 10, 60, 30);
  b.C.TextRect(r, 5, 12, u"Clipped on both sides of the box");
  EXPECT_EQ(b.Changed(), r);  // the solid brush filled all of r
  const auto inside = b.Colors(r);
  EXPECT_TRUE(inside.count(clLime));
  EXPECT_TRUE(inside.count(clBlack));
}

TEST(CanvasText, TextRectWithClearBrushDrawsOnlyClippedGlyphs) {
  Board b;
  b.C.Brush()->SetStyle(bsClear);
  const TRect r(20, 10, 60, 30);
  b.C.TextRect(r, 5, 12, u"WWWWWWWWWWWW");
  const TRect changed = b.Changed();
  EXPECT_FALSE(changed.IsEmpty());
  EXPECT_EQ(changed.Intersect(r), changed);
  EXPECT_EQ(b.Colors(r), (std::set<TColor>{clWhite, clBlack}));
}

TEST(CanvasText, OriginAndClipOfTheCanvasAreRespected) {
  Board b;
  b.C.Brush()->SetColor(clRed);
  b.C.SetOrigin({30, 20});
  b.C.TextOut(0, 0, u"  ");
  const TSize cell = b.C.TextExtent(u"  ");
  b.C.SetOrigin({0, 0});
  EXPECT_EQ(b.Changed(), TRect(30, 20, 30 + cell.cx, 20 + cell.cy));

  Board clipped;
  clipped.C.Brush()->SetColor(clRed);
  clipped.C.IntersectClip(TRect(0, 0, 12, 60));
  clipped.C.TextOut(4, 4, u"wide text");
  EXPECT_EQ(clipped.Changed(), TRect(4, 4, 12, 4 + cell.cy));
}

TEST(CanvasText, DrawingTellsTheOwnerOnceAndMeasuringNever) {
  std::vector<std::uint32_t> px(40 * 20, 0xFFFFFF);
  TCanvas c;
  c.Attach(TSurface{px.data(), 40, 20, 40}, {0, 0}, TRect(0, 0, 40, 20));
  int changes = 0, measured = 0;
  // The owner may measure text while it hears of the change.
  c.OnChanging = [&] {
    ++changes;
    measured = c.TextWidth(u"abc");
  };
  c.TextWidth(u"abc");
  c.TextExtent(u"abc");
  c.TextOut(0, 0, u"");
  EXPECT_EQ(changes, 0);
  c.TextOut(0, 0, u"abc");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(measured, c.TextWidth(u"abc"));
  c.TextRect(TRect(0, 0, 10, 10), 0, 0, u"abc");
  EXPECT_EQ(changes, 2);
  c.TextRect(TRect(50, 0, 60, 10), 0, 0, u"abc");  // outside the surface
  EXPECT_EQ(changes, 2);
}

TEST(CanvasText, MetricsFollowTheCanvasFont) {
  Board b;
  const TSize small = b.C.TextExtent(u"Measure");
  EXPECT_EQ(small.cx, b.C.TextWidth(u"Measure"));
  EXPECT_EQ(small.cy, b.C.TextHeight(u"Measure"));
  EXPECT_EQ(b.C.TextHeight(u""), small.cy);
  EXPECT_EQ(b.C.TextWidth(u""), 0);
  b.C.Font()->SetSize(20);
  EXPECT_GT(b.C.TextWidth(u"Measure"), small.cx);
  EXPECT_GT(b.C.TextHeight(u"Measure"), small.cy);
  const int regular = b.C.TextWidth(u"Measure");
  b.C.Font()->SetStyle({fsBold});
  EXPECT_GE(b.C.TextWidth(u"Measure"), regular);
}

TEST(CanvasText, DefaultFontIsUsableThoughTahomaIsNotInstalled) {
  TBitmap bmp(100, 30);
  TCanvas& c = *bmp.Canvas();
  EXPECT_GT(c.TextWidth(u"Default"), 20);
  EXPECT_GE(c.TextHeight(u"Default"), 11);
  c.Brush()->SetStyle(bsClear);
  c.TextOut(2, 2, u"Default");
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  bool ink = false;
  for (int x = 0; x < 100 && !ink; ++x)
    for (int y = 0; y < 30 && !ink; ++y) ink = c.Pixels(x, y) == clBlack;  // clWindowText
  EXPECT_TRUE(ink);
}

TEST(CanvasText, UnknownFontNameMeasuresLikeTheDefaultSansFont) {
  Board b;
  b.C.Font()->SetName(u"Definitely Missing Font");
  const int unknown = b.C.TextWidth(u"fallback");
  b.C.Font()->SetName(u"sans-serif");
  EXPECT_EQ(b.C.TextWidth(u"fallback"), unknown);
  EXPECT_GT(unknown, 0);
}

TEST(CanvasText, CyrillicTextIsDrawn) {
  Board b;
  b.C.Brush()->SetStyle(bsClear);
  b.C.TextOut(2, 2, u"Привет");
  const TRect ink = b.Changed();
  EXPECT_GT(ink.Width(), b.C.TextWidth(u"Привет") / 2);
  EXPECT_LE(ink.Right, 2 + b.C.TextWidth(u"Привет"));
}

// The rotated-label pattern: turn the canvas font through its logical font.
TEST(CanvasText, TurnedHandleDrawsUpwardsFromTheOrigin) {
  Board b(60, 160);
  LOGFONTW lf;
  GetObject(b.C.Font()->Handle(), sizeof(LOGFONTW), &lf);
  const int width = b.C.TextWidth(u"Upwards"), height = b.C.TextHeight(u"Upwards");
  lf.lfEscapement = lf.lfOrientation = 900;
  lf.lfQuality = ANTIALIASED_QUALITY;
  b.C.Font()->SetHandle(CreateFontIndirect(&lf));
  EXPECT_EQ(b.C.TextWidth(u"Upwards"), width);  // measured along the text, as before
  b.C.Brush()->SetColor(clYellow);
  b.C.TextOut(20, 140, u"Upwards");
  EXPECT_EQ(b.Changed(), TRect(20, 140 - width, 20 + height, 140));
}

TEST(CanvasText, UnderlinedTextHasAFullRowUnderTheBaseline) {
  Board b;
  b.C.Brush()->SetStyle(bsClear);
  b.C.Font()->SetStyle({fsUnderline});
  b.C.TextOut(5, 5, u"under");
  const int w = b.C.TextWidth(u"under"), h = b.C.TextHeight(u"under");
  int fullRows = 0;
  for (int y = 5; y < 5 + h; ++y) {
    int ink = 0;
    for (int x = 5; x < 5 + w; ++x) ink += b.C.Pixels(x, y) == clBlack;
    if (ink == w) {
      ++fullRows;
      EXPECT_GT(y, 5 + h / 2);  // in the lower part of the cell, under the letters
    }
  }
  EXPECT_GE(fullRows, 1);
  EXPECT_LE(b.Changed().Bottom, 5 + h);
}

TEST(CanvasText, CanvasWithoutPixelsStillMeasures) {
  TCanvas c;
  EXPECT_GT(c.TextWidth(u"abc"), 0);
  c.TextOut(1, 2, u"abc");
  c.TextRect(TRect(0, 0, 10, 10), 0, 0, u"abc");
  EXPECT_EQ(c.PenPos(), TPoint(1 + c.TextWidth(u"abc"), 2));
}
