// One-pixel solid lines: the pointer-stepping loop against the stepping
// rule evaluated for every pixel on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "RasterTestSupport.h"
#include "platform/raster/Lines.h"

using namespace rastertest;

namespace {

// Step i of the line lies at major + i and minor + floor((2·i·|dMin| + n - 1)
// / 2n) (in the directions of the line), for i = 0 .. n - 1.
void ReferenceLine(Canvas& C, const TRect& Clip, int X0, int Y0, int X1, int Y1, Pixel P) {
  const std::int64_t dx = std::int64_t{X1} - X0, dy = std::int64_t{Y1} - Y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t m = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  // Only the steps whose major coordinate lies in the clip, so that lines
  // from far away stay quick to check.
  const int s = xMajor ? sx : sy;
  const std::int64_t start = xMajor ? X0 : Y0;
  const std::int64_t lo = xMajor ? Clip.Left : Clip.Top,
                     hi = (xMajor ? Clip.Right : Clip.Bottom) - 1;
  const std::int64_t first = std::max<std::int64_t>(0, s > 0 ? lo - start : start - hi);
  const std::int64_t last = std::min<std::int64_t>(n - 1, s > 0 ? hi - start : start - lo);
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t k = (2 * i * m + n - 1) / (2 * n);
    const std::int64_t x = X0 + sx * (xMajor ? i : k), y = Y0 + sy * (xMajor ? k : i);
    if (x >= Clip.Left && x < Clip.Right && y >= Clip.Top && y < Clip.Bottom)
      C.Row(static_cast<int>(y))[x] = P;
  }
}

void ExpectSameLine(int X0, int Y0, int X1, int Y1, const TRect& Clip, std::uint32_t Seed) {
  Canvas fast(40, 30, 43, Seed), slow(40, 30, 43, Seed);
  LinePen pen;
  pen.Color = 0x3366CC;
  std::int64_t phase = 0;
  const Target t = fast.Over(Clip);
  ThinLine(t, X0, Y0, X1, Y1, pen, phase);
  ReferenceLine(slow, t.Clip, X0, Y0, X1, Y1, pen.Color);
  ASSERT_TRUE(fast == slow) << "line " << X0 << "," << Y0 << " to " << X1 << "," << Y1 << " clip "
                            << Clip.Left << "," << Clip.Top << "," << Clip.Right << ","
                            << Clip.Bottom;
}

}  // namespace

TEST(SolidThinLine, MatchesTheSteppingRuleUnderRandomClips) {
  Random rnd(4321);
  for (int round = 0; round < 3000; ++round) {
    const int span = round % 3 == 0 ? 200 : 50;
    ExpectSameLine(rnd.Int(-span, span), rnd.Int(-span, span), rnd.Int(-span, span),
                   rnd.Int(-span, span), rnd.Rect(-5, 45), round);
  }
}

TEST(SolidThinLine, EveryDirectionThroughTheClipCorners) {
  // Lines from the centre in all directions, and lines grazing the clip's
  // corners, where a single minor step leaves or enters it.
  for (int dx = -25; dx <= 25; ++dx) {
    for (int dy = -25; dy <= 25; dy += 5) {
      ExpectSameLine(20, 15, 20 + dx, 15 + dy, {5, 5, 35, 25}, 1);
      ExpectSameLine(5 + dx, 5 + dy, 35 - dx, 25 - dy, {5, 5, 35, 25}, 2);
    }
  }
}

TEST(SolidThinLine, LongLinesFromFarOutside) {
  constexpr int kFar = 1 << 29;
  ExpectSameLine(-kFar, 10, kFar, 11, {0, 0, 40, 30}, 3);
  ExpectSameLine(20, -kFar, 21, kFar, {0, 0, 40, 30}, 4);
  ExpectSameLine(-100000, -99990, 100000, 100010, {0, 0, 40, 30}, 5);
  ExpectSameLine(39, 0, -1000000, 999, {0, 0, 40, 30}, 6);
}
