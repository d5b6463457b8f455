// Stretching: stretch modes, mirroring, transparent bitmaps, and the fast
// paths compared with plain per-pixel references.
#include <gtest/gtest.h>

#include <random>

#include "PixelTestSupport.h"
#include "platform/WinapiGdi.h"

using namespace vcl;
using namespace vcltest;

namespace {

// A one-row bitmap with the given red values.
std::unique_ptr<TBitmap> Row(std::initializer_list<int> Reds) {
  auto b = MakeBitmap(static_cast<int>(Reds.size()), 1);
  int x = 0;
  for (int r : Reds) b->Canvas()->SetPixels(x++, 0, RGB(static_cast<std::uint8_t>(r), 0, 0));
  return b;
}

std::vector<int> Reds(TBitmap& B, int Y = 0) {
  std::vector<int> v;
  for (int x = 0; x < B.Width(); ++x) v.push_back(GetRValue(B.Canvas()->Pixels(x, Y)));
  return v;
}

void Stretch(TBitmap& Dst, const TRect& D, TBitmap& Src, const TRect& S, int Mode) {
  SetStretchBltMode(Dst.Canvas()->Handle(), Mode);
  StretchBlt(Dst.Canvas()->Handle(), D.Left, D.Top, D.Width(), D.Height(), Src.Canvas()->Handle(),
             S.Left, S.Top, S.Width(), S.Height(), SRCCOPY);
}

}  // namespace

TEST(StretchBltMode, DefaultsToColorOnColorAndRefusesUnknownModes) {
  TBitmap b;
  EXPECT_EQ(GetStretchBltMode(b.Canvas()->Handle()), COLORONCOLOR);
  EXPECT_EQ(SetStretchBltMode(b.Canvas()->Handle(), HALFTONE), COLORONCOLOR);
  EXPECT_EQ(SetStretchBltMode(b.Canvas()->Handle(), 9), 0);
  EXPECT_EQ(GetStretchBltMode(b.Canvas()->Handle()), HALFTONE);
  EXPECT_EQ(SetStretchBltMode(nullptr, HALFTONE), 0);
}

TEST(ColorOnColor, EnlargesByRepeatingPixels) {
  auto src = Row({10, 20, 30});
  auto dst = MakeBitmap(6, 1);
  Stretch(*dst, TRect(0, 0, 6, 1), *src, TRect(0, 0, 3, 1), COLORONCOLOR);
  EXPECT_EQ(Reds(*dst), (std::vector<int>{10, 10, 20, 20, 30, 30}));
}

TEST(ColorOnColor, ShrinksByTakingTheNearestPixel) {
  auto src = Row({10, 20, 30, 40});
  auto dst = MakeBitmap(2, 1);
  Stretch(*dst, TRect(0, 0, 2, 1), *src, TRect(0, 0, 4, 1), COLORONCOLOR);
  // Destination pixel centres 0.5 and 1.5 fall on source pixels 1 and 3.
  EXPECT_EQ(Reds(*dst), (std::vector<int>{20, 40}));
}

TEST(ColorOnColor, NegativeSizesMirror) {
  auto src = Row({10, 20, 30, 40});
  auto dst = MakeBitmap(4, 1);
  SetStretchBltMode(dst->Canvas()->Handle(), COLORONCOLOR);
  StretchBlt(dst->Canvas()->Handle(), 4, 0, -4, 1, src->Canvas()->Handle(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(Reds(*dst), (std::vector<int>{40, 30, 20, 10}));
  // Mirrored on both sides is no mirror at all.
  StretchBlt(dst->Canvas()->Handle(), 4, 0, -4, 1, src->Canvas()->Handle(), 4, 0, -4, 1, SRCCOPY);
  EXPECT_EQ(Reds(*dst), (std::vector<int>{10, 20, 30, 40}));
}

TEST(ColorOnColor, VerticalMirrorWithStretchDraw) {
  auto src = MakeBitmap(1, 2);
  src->Canvas()->SetPixels(0, 0, clRed);
  src->Canvas()->SetPixels(0, 1, clBlue);
  auto dst = MakeBitmap(1, 4);
  dst->Canvas()->StretchDraw(TRect(0, 4, 1, 0), src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 1), clBlue);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 3), clRed);
}

TEST(Halftone, ShrinkingByTwoAveragesEachBlock) {
  auto src = MakeBitmap(2, 2);
  src->Canvas()->SetPixels(0, 0, RGB(0, 10, 255));
  src->Canvas()->SetPixels(1, 0, RGB(100, 20, 255));
  src->Canvas()->SetPixels(0, 1, RGB(200, 30, 0));
  src->Canvas()->SetPixels(1, 1, RGB(50, 41, 0));
  auto dst = MakeBitmap(1, 1);
  Stretch(*dst, TRect(0, 0, 1, 1), *src, TRect(0, 0, 2, 2), HALFTONE);
  // (0+100+200+50)/4 = 87.5 -> 88; (10+20+30+41)/4 = 25.25 -> 25; 127.5 -> 128.
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), RGB(88, 25, 128));
}

TEST(Halftone, WeighsPartlyCoveredPixelsByTheirShare) {
  auto src = Row({0, 90, 180});
  auto dst = MakeBitmap(2, 1);
  Stretch(*dst, TRect(0, 0, 2, 1), *src, TRect(0, 0, 3, 1), HALFTONE);
  // Each destination pixel covers 1.5 source pixels: (0 + 90/2) / 1.5 = 30
  // and (90/2 + 180) / 1.5 = 150.
  EXPECT_EQ(Reds(*dst), (std::vector<int>{30, 150}));
}

TEST(Halftone, SameSizeCopiesExactly) {
  auto src = Row({1, 2, 3});
  auto dst = MakeBitmap(3, 1);
  Stretch(*dst, TRect(0, 0, 3, 1), *src, TRect(0, 0, 3, 1), HALFTONE);
  EXPECT_EQ(Reds(*dst), (std::vector<int>{1, 2, 3}));
}

TEST(BlackOnWhite, ShrinkingKeepsBlackLines) {
  // A one-pixel black column at x = 1 of eight.
  auto src = MakeBitmap(8, 1);
  src->Canvas()->SetPixels(1, 0, clBlack);
  auto dst = MakeBitmap(2, 1, clRed);
  Stretch(*dst, TRect(0, 0, 2, 1), *src, TRect(0, 0, 8, 1), BLACKONWHITE);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clWhite);
  // Nearest-pixel shrinking takes source pixels 2 and 6 and loses it.
  Stretch(*dst, TRect(0, 0, 2, 1), *src, TRect(0, 0, 8, 1), COLORONCOLOR);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clWhite);
}

TEST(WhiteOnBlack, ShrinkingKeepsWhiteLines) {
  auto src = MakeBitmap(1, 6, clBlack);
  src->Canvas()->SetPixels(0, 4, clWhite);
  auto dst = MakeBitmap(1, 2, clRed);
  Stretch(*dst, TRect(0, 0, 1, 2), *src, TRect(0, 0, 1, 6), WHITEONBLACK);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 1), clWhite);
}

TEST(StretchBlt, SourceOutsideItsBitmapLeavesTheDestinationAlone) {
  auto src = MakeBitmap(2, 2, clBlue);
  auto dst = MakeBitmap(6, 1, clRed);
  Stretch(*dst, TRect(0, 0, 6, 1), *src, TRect(-2, 0, 4, 1), COLORONCOLOR);
  EXPECT_EQ(Reds(*dst), (std::vector<int>{255, 255, 0, 0, 255, 255}));
}

TEST(StretchBlt, ZeroSizesDoNothing) {
  auto src = MakeBitmap(2, 2, clBlue);
  auto dst = MakeBitmap(2, 2, clRed);
  Stretch(*dst, TRect(0, 0, 0, 2), *src, TRect(0, 0, 2, 2), HALFTONE);
  Stretch(*dst, TRect(0, 0, 2, 2), *src, TRect(0, 0, 2, 0), HALFTONE);
  EXPECT_EQ(CountColor(*dst, clRed), 4);
}

TEST(TransparentBitmap, LeavesOutTheTransparentColor) {
  auto pic = MakeBitmap(3, 1, clLime);
  pic->Canvas()->SetPixels(1, 0, clRed);
  pic->SetTransparent(true);
  pic->SetTransparentColor(clLime);
  auto dst = MakeBitmap(3, 1, clBlue);
  dst->Canvas()->Draw(0, 0, pic.get());
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clRed);
  EXPECT_EQ(dst->Canvas()->Pixels(2, 0), clBlue);
}

TEST(TransparentBitmap, DefaultColorIsTheBottomLeftPixel) {
  auto pic = MakeBitmap(2, 2, clRed);
  pic->Canvas()->SetPixels(0, 1, clYellow);
  pic->Canvas()->SetPixels(1, 0, clYellow);
  pic->SetTransparent(true);
  auto dst = MakeBitmap(4, 4, clBlue);
  dst->Canvas()->StretchDraw(TRect(0, 0, 4, 4), pic.get());
  EXPECT_EQ(CountColor(*dst, clBlue), 8);
  EXPECT_EQ(CountColor(*dst, clRed), 8);
  pic->SetTransparent(false);
  dst->Canvas()->Draw(0, 0, pic.get());
  EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clYellow);
}

// Differential checks: the span and block code against plain loops over
// pixels, on random rectangles, clips and origins.
class FastPaths : public ::testing::Test {
 protected:
  std::mt19937 rng{12345};
  int Rand(int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(rng); }
  TColor RandColor() { return static_cast<TColor>(rng()) & 0xFFFFFF; }
  TRect RandRect(int Lo, int Hi) {
    const int x0 = Rand(Lo, Hi), y0 = Rand(Lo, Hi), x1 = Rand(Lo, Hi), y1 = Rand(Lo, Hi);
    return TRect(x0, y0, x1, y1);
  }
  void Randomize(TBitmap& B) {
    for (int y = 0; y < B.Height(); ++y) {
      for (int x = 0; x < B.Width(); ++x) B.ScanLine(y)[x] = rng() & 0xFFFFFF;
    }
  }
  static bool Same(TBitmap& A, TBitmap& B) {
    for (int y = 0; y < A.Height(); ++y) {
      for (int x = 0; x < A.Width(); ++x) {
        if (A.ScanLine(y)[x] != B.ScanLine(y)[x]) return false;
      }
    }
    return true;
  }
};

TEST_F(FastPaths, FillRectMatchesAPixelLoop) {
  for (int round = 0; round < 200; ++round) {
    TBitmap fast(40, 30), slow(40, 30);
    Randomize(fast);
    slow.Assign(&fast);
    const TPoint origin(Rand(-10, 10), Rand(-10, 10));
    const TRect clip = RandRect(-5, 45);
    TCanvas c;
    c.Attach(fast.Surface(), origin, clip);
    c.Brush()->SetColor(RandColor());
    const TRect r = RandRect(-20, 50);
    c.FillRect(r);
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        const TPoint d(x + origin.X, y + origin.Y);
        if (d.X >= 0 && d.Y >= 0 && d.X < 40 && d.Y < 30 && clip.Contains(d)) {
          slow.Canvas()->SetPixels(d.X, d.Y, c.Brush()->Color());
        }
      }
    }
    ASSERT_TRUE(Same(fast, slow)) << "round " << round;
  }
}

TEST_F(FastPaths, PenModeSpansMatchAPixelLoop) {
  for (int round = 0; round < 100; ++round) {
    TBitmap fast(30, 30), slow(30, 30);
    Randomize(fast);
    slow.Assign(&fast);
    const auto mode = static_cast<TPenMode>(Rand(0, 15));
    const TColor pen = RandColor();
    TCanvas* c = fast.Canvas();
    c->IntersectClip(RandRect(0, 30));
    const TRect clip = c->ClipRect();
    c->Pen()->SetMode(mode);
    c->Pen()->SetColor(pen);
    c->Brush()->SetColor(pen);
    const TRect r = RandRect(-5, 35);
    c->Rectangle(r);
    // Rectangle paints every pixel of its normalised box once.
    const TRect box(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom),
                    std::max(r.Left, r.Right), std::max(r.Top, r.Bottom));
    for (int y = box.Top; y < box.Bottom; ++y) {
      for (int x = box.Left; x < box.Right; ++x) {
        if (!clip.Contains({x, y}) || x < 0 || y < 0 || x >= 30 || y >= 30) continue;
        TBitmap one(1, 1);
        one.Canvas()->SetPixels(0, 0, slow.Canvas()->Pixels(x, y));
        one.Canvas()->Pen()->SetMode(mode);
        one.Canvas()->Pen()->SetColor(pen);
        one.Canvas()->MoveTo(0, 0);
        one.Canvas()->LineTo(1, 0);
        slow.Canvas()->SetPixels(x, y, one.Canvas()->Pixels(0, 0));
      }
    }
    ASSERT_TRUE(Same(fast, slow)) << "round " << round << " mode " << int(mode);
  }
}

TEST_F(FastPaths, CopyRectMatchesAPixelLoopForEveryCopyMode) {
  const DWORD rops[] = {SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, SRCERASE, NOTSRCCOPY,
                        NOTSRCERASE, MERGEPAINT, DSTINVERT, BLACKNESS, WHITENESS};
  for (int round = 0; round < 150; ++round) {
    TBitmap src(25, 25), fast(30, 30), slow(30, 30);
    Randomize(src);
    Randomize(fast);
    slow.Assign(&fast);
    const DWORD rop = rops[Rand(0, 10)];
    TCanvas* c = fast.Canvas();
    c->IntersectClip(RandRect(0, 30));
    const TRect clip = c->ClipRect();
    c->SetCopyMode(static_cast<TCopyMode>(rop));
    const int w = Rand(0, 20), h = Rand(0, 20);
    const TPoint d(Rand(-5, 25), Rand(-5, 25)), s(Rand(-3, 20), Rand(-3, 20));
    c->CopyRect(Bounds(d.X, d.Y, w, h), src.Canvas(), Bounds(s.X, s.Y, w, h));
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const TPoint dp(d.X + x, d.Y + y), sp(s.X + x, s.Y + y);
        if (!clip.Contains(dp) || dp.X < 0 || dp.Y < 0 || dp.X >= 30 || dp.Y >= 30) continue;
        const bool needsSource = rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS;
        if (needsSource && (sp.X < 0 || sp.Y < 0 || sp.X >= 25 || sp.Y >= 25)) continue;
        const TColor S = needsSource ? src.Canvas()->Pixels(sp.X, sp.Y) : 0;
        const TColor D = slow.Canvas()->Pixels(dp.X, dp.Y);
        TColor r = 0;
        switch (rop) {
          case SRCCOPY: r = S; break;
          case SRCPAINT: r = S | D; break;
          case SRCAND: r = S & D; break;
          case SRCINVERT: r = S ^ D; break;
          case SRCERASE: r = S & ~D; break;
          case NOTSRCCOPY: r = ~S; break;
          case NOTSRCERASE: r = ~(S | D); break;
          case MERGEPAINT: r = ~S | D; break;
          case DSTINVERT: r = ~D; break;
          case BLACKNESS: r = 0; break;
          default: r = 0xFFFFFF; break;
        }
        slow.Canvas()->SetPixels(dp.X, dp.Y, r & 0xFFFFFF);
      }
    }
    ASSERT_TRUE(Same(fast, slow)) << "round " << round << " rop " << std::hex << rop;
  }
}

TEST_F(FastPaths, NearestStretchMatchesThePixelCentreRule) {
  for (int round = 0; round < 100; ++round) {
    TBitmap src(Rand(1, 12), Rand(1, 12));
    Randomize(src);
    const int w = Rand(1, 30), h = Rand(1, 30);
    TBitmap dst(w, h);
    dst.Canvas()->StretchDraw(TRect(0, 0, w, h), &src);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const int sx = (2 * x + 1) * src.Width() / (2 * w);
        const int sy = (2 * y + 1) * src.Height() / (2 * h);
        ASSERT_EQ(dst.Canvas()->Pixels(x, y), src.Canvas()->Pixels(sx, sy))
            << round << ": " << x << "," << y;
      }
    }
  }
}

namespace {

// The area average by its definition: destination pixel (x, y) covers the
// source rectangle [x·SW/DW, (x+1)·SW/DW) × [y·SH/DH, (y+1)·SH/DH); each
// source pixel counts with the area it shares, the mean rounded to nearest.
TColor AreaMean(TBitmap& Src, const TRect& S, int DW, int DH, int X, int Y) {
  std::uint64_t sum[3] = {0, 0, 0}, total = 0;
  for (int sy = 0; sy < S.Height(); ++sy) {
    const std::int64_t hy = std::max<std::int64_t>(0, std::min<std::int64_t>((Y + 1) * S.Height(), (sy + 1) * DH) -
                                                      std::max<std::int64_t>(Y * S.Height(), sy * DH));
    for (int sx = 0; sx < S.Width() && hy > 0; ++sx) {
      const std::int64_t wx = std::max<std::int64_t>(0, std::min<std::int64_t>((X + 1) * S.Width(), (sx + 1) * DW) -
                                                        std::max<std::int64_t>(X * S.Width(), sx * DW));
      const TColor p = Src.Canvas()->Pixels(S.Left + sx, S.Top + sy);
      for (int c = 0; c < 3; ++c) sum[c] += ((p >> (8 * c)) & 0xFF) * static_cast<std::uint64_t>(wx * hy);
      total += static_cast<std::uint64_t>(wx * hy);
    }
  }
  TColor r = 0;
  for (int c = 0; c < 3; ++c) r |= static_cast<TColor>((sum[c] + total / 2) / total) << (8 * c);
  return r;
}

}  // namespace

TEST_F(FastPaths, HalftoneMatchesTheAreaMeanForAnyRatio) {
  for (int round = 0; round < 120; ++round) {
    TBitmap src(24, 20);
    Randomize(src);
    // Every third round halves exactly, the case with its own fast path.
    const bool halve = round % 3 == 0;
    const TRect s(Rand(0, 6), Rand(0, 6), Rand(10, 24), Rand(10, 20));
    const int dw = halve ? s.Width() / 2 : Rand(1, 30), dh = halve ? s.Height() / 2 : Rand(1, 30);
    const TRect sr = halve ? Bounds(s.Left, s.Top, 2 * dw, 2 * dh) : s;
    TBitmap dst(dw + 2, dh + 2);
    SetStretchBltMode(dst.Canvas()->Handle(), HALFTONE);
    StretchBlt(dst.Canvas()->Handle(), 1, 1, dw, dh, src.Canvas()->Handle(), sr.Left, sr.Top,
               sr.Width(), sr.Height(), SRCCOPY);
    for (int y = 0; y < dh; ++y) {
      for (int x = 0; x < dw; ++x) {
        ASSERT_EQ(dst.Canvas()->Pixels(x + 1, y + 1), AreaMean(src, sr, dw, dh, x, y))
            << "round " << round << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(dst.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(dst.Canvas()->Pixels(dw + 1, dh + 1), clWhite);
  }
}
