// Rounded rectangles and ellipses: the row spans and the row-to-row fill
// against the pixel rule written out independently, for small boxes of
// every size and for huge ones seen through a small clip.
#include <gtest/gtest.h>

#include <algorithm>

#include "RasterTestSupport.h"
#include "platform/raster/Shapes.h"

using namespace rastertest;

namespace {

__extension__ using Wide = __int128;

// Pixel (X, Y) of the figure: its distance from the straight middle parts
// of the box, (dx, dy), lies within the corner ellipse of radii a + ½ and
// b + ½.
bool Inside(const TRect& Box, int CornerW, int CornerH, int X, int Y) {
  if (!Box.Contains({X, Y})) return false;
  const std::int64_t w = Box.Width(), h = Box.Height();
  const std::int64_t a = (std::clamp<std::int64_t>(CornerW, 1, w) - 1) / 2;
  const std::int64_t b = (std::clamp<std::int64_t>(CornerH, 1, h) - 1) / 2;
  const auto away = [](std::int64_t V, std::int64_t Lo, std::int64_t Hi) {
    return V < Lo ? Lo - V : (V > Hi ? V - Hi : 0);
  };
  const std::int64_t dx = away(X, Box.Left + a, Box.Right - 1 - a);
  const std::int64_t dy = away(Y, Box.Top + b, Box.Bottom - 1 - b);
  const Wide A = 2 * a + 1, B = 2 * b + 1;
  return (2 * dx * B) * (2 * dx * B) + (2 * dy * A) * (2 * dy * A) <= (A * B) * (A * B);
}

// The figure painted through Paint, compared with the rule pixel by pixel.
void ExpectPaintFollowsTheRule(const TRect& Box, int CornerW, int CornerH, const TRect& Clip) {
  Canvas c(40, 40, 40, 5), before(40, 40, 40, 5);
  const Target t = c.Over(Clip);
  RoundShape(Box, CornerW, CornerH).Paint(t, Fill{0x00FF00, nullptr, pmXor});
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool in = t.Clip.Contains({x, y}) && Inside(Box, CornerW, CornerH, x, y);
      ASSERT_EQ(c.Row(y)[x] ^ before.Row(y)[x], in ? 0x00FF00u : 0u)
          << "pixel " << x << "," << y << " box " << Box.Width() << "x" << Box.Height()
          << " corner " << CornerW << "x" << CornerH;
    }
  }
  ASSERT_TRUE(before.Row(-1)[0] == c.Row(-1)[0] && before.Row(40)[39] == c.Row(40)[39]);
}

}  // namespace

TEST(RoundShape, RowsFollowThePixelRuleForEverySmallBox) {
  for (int w = 1; w <= 36; ++w) {
    for (int h = 1; h <= 36; ++h) {
      const TRect box(2, 1, 2 + w, 1 + h);
      const std::pair<int, int> corners[] = {{w, h}, {w / 2, h / 3}, {7, 5}, {1, 1}, {3, h}};
      for (const auto& [cw, ch] : corners) {
        const RoundShape s(box, cw, ch);
        for (int y = box.Top - 1; y <= box.Bottom; ++y) {
          const RowSpan r = s.Row(y);
          for (int x = box.Left - 1; x <= box.Right; ++x) {
            ASSERT_EQ(x >= r.X0 && x < r.X1, Inside(box, cw, ch, x, y))
                << w << "x" << h << " corner " << cw << "x" << ch << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(RoundShape, PaintMatchesTheRuleUnderRandomClips) {
  Random rnd(99);
  for (int round = 0; round < 300; ++round) {
    const TRect box = rnd.Rect(-10, 50);
    const bool ellipse = round % 2 == 0;
    ExpectPaintFollowsTheRule(box, ellipse ? 1 << 30 : rnd.Int(1, 30),
                              ellipse ? 1 << 30 : rnd.Int(1, 30), rnd.Rect(-5, 45));
  }
}

TEST(RoundShape, HugeFiguresSeenThroughASmallClip) {
  // Edges of ellipses far larger than the surface, where half widths
  // change by many pixels from row to row and products pass 64 bits.
  constexpr int kBig = 1 << 29;
  const TRect boxes[] = {{-kBig, 10, kBig, kBig},      {-kBig, -kBig, kBig, 30},
                         {20, -kBig, kBig, kBig},      {-kBig, -kBig, 25, kBig},
                         {-1000003, 5, 1000000, 2000}, {7, -70001, 33, 70000}};
  for (const TRect& box : boxes) ExpectPaintFollowsTheRule(box, 1 << 30, 1 << 30, {0, 0, 40, 40});
}
