// Span and area fills (the vector stores, whole-row runs and the string
// store of huge areas) against a pixel-by-pixel loop.
#include <gtest/gtest.h>

#include "RasterTestSupport.h"

using namespace rastertest;

namespace {

// The rule, one pixel at a time.
void ReferenceArea(Canvas& C, const Target& T, const TRect& R, const Fill& F) {
  const TRect r = R.Intersect(T.Clip);
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      const bool on = F.Hatch == nullptr || (F.Hatch[y & 7] & (0x80u >> (x & 7)));
      if (on) C.Row(y)[x] = Rop2(F.Mode, F.Color, C.Row(y)[x]);
    }
  }
}

}  // namespace

TEST(FillPixels, WritesExactlyTheRunAtEveryLengthAndOffset) {
  for (int n = 0; n <= 70; ++n) {
    for (int offset = 0; offset < 4; ++offset) {
      Canvas fast(80, 1, 80, 7), slow(80, 1, 80, 7);
      FillPixels(fast.Row(0) + offset, static_cast<std::size_t>(n), 0x123456);
      for (int x = offset; x < offset + n; ++x) slow.Row(0)[x] = 0x123456;
      ASSERT_TRUE(fast == slow) << "length " << n << " offset " << offset;
    }
  }
}

TEST(FillArea, MatchesAPixelLoopForEveryModeAndBrush) {
  Random rnd(2024);
  const TBrushStyle brushes[] = {bsSolid,     bsHorizontal, bsVertical, bsFDiagonal,
                                 bsBDiagonal, bsCross,      bsDiagCross};
  for (int round = 0; round < 600; ++round) {
    // Every other surface has rows with nothing between them.
    const int w = rnd.Int(1, 40), h = rnd.Int(1, 30), stride = w + (round % 2) * rnd.Int(1, 5);
    Canvas fast(w, h, stride, round), slow(w, h, stride, round);
    const TRect clip = rnd.Rect(-5, 45);
    const Fill f{rnd.Color(), HatchPattern(brushes[rnd.Int(0, 6)]),
                 round % 3 == 0 ? pmCopy : static_cast<TPenMode>(rnd.Int(0, 15))};
    const TRect r = round % 5 == 0 ? TRect(-3, -3, w + 3, h + 3) : rnd.Rect(-10, 50);
    FillArea(fast.Over(clip), r, f);
    ReferenceArea(slow, slow.Over(clip), r, f);
    ASSERT_TRUE(fast == slow) << "round " << round;
  }
}

TEST(FillArea, HugeAreasMatchAPixelLoop) {
  // Large enough for the string store, with and without padding between
  // rows, whole and in part.
  struct Case {
    int W, H, Stride;
    TRect R;
  };
  const Case cases[] = {{1100, 1000, 1100, {0, 0, 1100, 1000}},
                        {1100, 1000, 1100, {0, 3, 1100, 998}},
                        {1100, 1000, 1104, {0, 0, 1100, 1000}},
                        {1100, 1000, 1100, {5, 1, 1099, 1000}}};
  for (const Case& c : cases) {
    Canvas fast(c.W, c.H, c.Stride, 1), slow(c.W, c.H, c.Stride, 1);
    const Fill f{0xA0B0C0};
    FillArea(fast.Over({0, 0, c.W, c.H}), c.R, f);
    ReferenceArea(slow, slow.Over({0, 0, c.W, c.H}), c.R, f);
    EXPECT_TRUE(fast == slow) << c.R.Left << "," << c.R.Top << " stride " << c.Stride;
  }
}

TEST(FillSpan, MatchesAPixelLoopForEveryMode) {
  Random rnd(77);
  for (int round = 0; round < 400; ++round) {
    Canvas fast(60, 3, 64, round), slow(60, 3, 64, round);
    const int x0 = rnd.Int(0, 60), x1 = rnd.Int(0, 60), y = rnd.Int(0, 2);
    const Fill f{rnd.Color(), nullptr, static_cast<TPenMode>(rnd.Int(0, 15))};
    FillSpan(fast.Over({0, 0, 60, 3}), y, x0, x1, f);
    ReferenceArea(slow, slow.Over({0, 0, 60, 3}), {x0, y, x1, y + 1}, f);
    ASSERT_TRUE(fast == slow) << "round " << round;
  }
}
