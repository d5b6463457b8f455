// Polygon fill against its outline: the brush covers the pixels whose
// coordinates lie inside the figure (left and top edges in, right and
// bottom edges out), the same pixel grid the outline's lines use, so a
// one-pixel outline always encloses the fill.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "PixelTestSupport.h"

using namespace vcltest;

namespace {

// Even-odd inside test of the point (x, y) against the closed polygon,
// half-open in y and x as the fill rule says.
bool InsideEvenOdd(const std::vector<TPoint>& P, int x, int y) {
  bool inside = false;
  for (std::size_t i = 0; i < P.size(); ++i) {
    const TPoint a = P[i], b = P[(i + 1) % P.size()];
    if ((a.Y <= y) == (b.Y <= y)) continue;
    const double xe = a.X + (y - a.Y) * double(b.X - a.X) / double(b.Y - a.Y);
    if (x >= xe) inside = !inside;
  }
  return inside;
}

// True when every pixel of color C has a pixel of color Border somewhere to
// its left, right, above and below.
bool EnclosedBy(TBitmap& B, TColor C, TColor Border) {
  TCanvas* c = B.Canvas();
  auto found = [&](int x, int y, int dx, int dy) {
    for (x += dx, y += dy; x >= 0 && y >= 0 && x < B.Width() && y < B.Height(); x += dx, y += dy) {
      if (c->Pixels(x, y) == Border) return true;
    }
    return false;
  };
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) {
      if (c->Pixels(x, y) != C) continue;
      if (!found(x, y, -1, 0) || !found(x, y, 1, 0) || !found(x, y, 0, -1) || !found(x, y, 0, 1)) {
        return false;
      }
    }
  }
  return true;
}

std::vector<std::vector<TPoint>> SlopedFigures() {
  std::vector<TPoint> star;
  for (int k = 0; k < 5; ++k) {
    const double a = (90 + 144.0 * k) * 3.14159265358979 / 180;
    star.emplace_back(static_cast<int>(std::lround(15 + 14 * std::cos(a))),
                      static_cast<int>(std::lround(15 - 14 * std::sin(a))));
  }
  return {
      {TPoint(10, 0), TPoint(16, 20), TPoint(0, 7), TPoint(20, 7), TPoint(4, 20)},
      {TPoint(2, 1), TPoint(27, 6), TPoint(9, 28)},
      {TPoint(25, 2), TPoint(3, 12), TPoint(28, 27)},
      {TPoint(15, 1), TPoint(28, 15), TPoint(15, 28), TPoint(1, 15)},
      star,
  };
}

// A 31 × 31 white bitmap with Figure drawn in a red brush and the given pen.
std::unique_ptr<TBitmap> Drawn(const std::vector<TPoint>& Figure, TPenStyle PenStyle) {
  auto b = MakeBitmap(31, 31);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetColor(clBlue);
  c->Pen()->SetStyle(PenStyle);
  c->Polygon(Figure);
  return b;
}

}  // namespace

TEST(PolygonFill, CoversExactlyThePointsInsideUnderTheAlternateRule) {
  for (const auto& fig : SlopedFigures()) {
    auto b = Drawn(fig, psClear);
    TCanvas* c = b->Canvas();
    for (int y = 0; y < 31; ++y) {
      for (int x = 0; x < 31; ++x) {
        const TColor want = InsideEvenOdd(fig, x, y) ? clRed : clWhite;
        ASSERT_EQ(c->Pixels(x, y), want) << "pixel " << x << "," << y << "\n" << Picture(*b, clRed);
      }
    }
  }
}

TEST(PolygonFill, RightTriangleRowsShrinkByOnePixel) {
  // Row y of the triangle (0,0)-(10,0)-(0,10) holds the points 0 <= x < 10 - y.
  auto b = MakeBitmap(12, 12);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetStyle(psClear);
  c->Polygon({TPoint(0, 0), TPoint(10, 0), TPoint(0, 10)});
  for (int y = 0; y < 12; ++y) {
    const int expected = std::max(0, 10 - y);
    EXPECT_EQ(CountIf(*b, [y](int, int py, TColor p) { return py == y && p == clRed; }), expected)
        << "row " << y;
  }
}

TEST(PolygonFill, NeverShowsOutsideItsOnePixelOutline) {
  for (const auto& fig : SlopedFigures()) {
    auto b = Drawn(fig, psSolid);
    EXPECT_TRUE(EnclosedBy(*b, clRed, clBlue)) << Picture(*b, clRed) << "\n" << Picture(*b, clBlue);
  }
}
