#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Graphics.h"

using namespace vyr;
using vcl::TColor;

namespace {

constexpr TColor kWhite = 0xFFFFFF;
// Five distinct frame colors, so that every swap shows.
constexpr TColor kHi = 0x0000F0, kLight = 0x00F000, kShadow = 0xF00000, kDark = 0x101010, kLine = 0x808000;

class Paper {
 public:
  Paper(int w = 40, int h = 30) : B(w, h) {}
  vcl::TCanvas* C() { return B.Canvas(); }
  TColor At(int x, int y) { return B.Canvas()->Pixels(x, y); }
  // Every pixel that is not white, as "x,y".
  std::set<std::pair<int, int>> Inked() {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < B.Height(); ++y)
      for (int x = 0; x < B.Width(); ++x)
        if (At(x, y) != kWhite) s.insert({x, y});
    return s;
  }
  vcl::TBitmap B;
};

void Frame(Paper& p, TFrameStyle s, int l, int t, int r, int b) {
  DrawFrame(p.C(), s, l, t, r, b, kHi, kLight, kShadow, kDark, kLine);
}

}  // namespace

// ---------------------------------------------------------------- frames

TEST(DrawFrame, NoFrameDrawsNothing) {
  Paper p;
  Frame(p, fsNoFrame, 2, 2, 20, 20);
  EXPECT_TRUE(p.Inked().empty());
}

TEST(DrawFrame, SingleLineIsOneRingInTheLineColor) {
  Paper p;
  Frame(p, fsSimple, 5, 5, 20, 15);
  for (auto [x, y] : {std::pair{5, 5}, {20, 5}, {5, 15}, {20, 15}, {12, 5}, {5, 10}, {12, 15}, {20, 9}})
    EXPECT_EQ(p.At(x, y), kLine) << x << "," << y;
  EXPECT_EQ(p.Inked().size(), 2u * 16 + 2u * 9);  // the ring and nothing else
}

struct Look {
  TFrameStyle Style;
  TColor OuterTL, OuterBR, InnerTL, InnerBR;
};

// Named by its fields (the default printer would dump the struct's bytes,
// padding included).
void PrintTo(const Look& L, std::ostream* Os) {
  *Os << "style " << static_cast<int>(L.Style) << ", colors " << std::hex << L.OuterTL << ' '
      << L.OuterBR << ' ' << L.InnerTL << ' ' << L.InnerBR << std::dec;
}

class DrawFrame3D : public testing::TestWithParam<Look> {};

TEST_P(DrawFrame3D, TwoRingsWithTheirCornerRules) {
  const Look k = GetParam();
  Paper p;
  Frame(p, k.Style, 5, 5, 20, 15);
  // Outer ring: top/left from (5,14) up to (5,5) and on to (19,5).
  EXPECT_EQ(p.At(5, 5), k.OuterTL);
  EXPECT_EQ(p.At(5, 14), k.OuterTL);
  EXPECT_EQ(p.At(19, 5), k.OuterTL);
  // The bottom/right part owns the other three corners.
  EXPECT_EQ(p.At(20, 5), k.OuterBR);
  EXPECT_EQ(p.At(5, 15), k.OuterBR);
  EXPECT_EQ(p.At(20, 15), k.OuterBR);
  EXPECT_EQ(p.At(12, 15), k.OuterBR);
  // Inner ring one pixel further in.
  EXPECT_EQ(p.At(6, 6), k.InnerTL);
  EXPECT_EQ(p.At(6, 13), k.InnerTL);
  EXPECT_EQ(p.At(18, 6), k.InnerTL);
  EXPECT_EQ(p.At(19, 6), k.InnerBR);
  EXPECT_EQ(p.At(6, 14), k.InnerBR);
  EXPECT_EQ(p.At(19, 14), k.InnerBR);
  // Inside and outside untouched.
  EXPECT_EQ(p.At(7, 7), kWhite);
  EXPECT_EQ(p.At(18, 13), kWhite);
  EXPECT_EQ(p.At(4, 5), kWhite);
  EXPECT_EQ(p.At(21, 15), kWhite);
  EXPECT_EQ(p.At(20, 16), kWhite);
  EXPECT_EQ(p.At(5, 4), kWhite);
  EXPECT_EQ(p.Inked().size(), (2u * 16 + 2u * 9) + (2u * 14 + 2u * 7));
}

INSTANTIATE_TEST_SUITE_P(Styles, DrawFrame3D,
                         testing::Values(Look{fsLowered, kShadow, kHi, kDark, kLight},
                                         Look{fsRaised, kLight, kDark, kHi, kShadow},
                                         Look{fsEtched, kShadow, kHi, kHi, kShadow},
                                         Look{fsBump, kHi, kShadow, kShadow, kHi}));

TEST(DrawFrame, CoversAControlAndLeavesPenAndBrushAlone) {
  Paper p(30, 20);
  vcl::TCanvas* c = p.C();
  c->Pen()->SetColor(0x123456);
  c->Pen()->SetWidth(3);
  c->Pen()->SetStyle(vcl::psDot);
  c->Brush()->SetColor(0x654321);
  Frame(p, fsLowered, 0, 0, 29, 19);  // the whole control, as the controls call it
  EXPECT_EQ(p.At(0, 0), kShadow);
  EXPECT_EQ(p.At(29, 19), kHi);
  EXPECT_EQ(p.At(28, 18), kLight);
  EXPECT_EQ(p.At(1, 1), kDark);
  EXPECT_EQ(p.At(2, 2), kWhite);
  EXPECT_EQ(c->Pen()->Color(), 0x123456u);
  EXPECT_EQ(c->Pen()->Width(), 3);
  EXPECT_EQ(c->Pen()->Style(), vcl::psDot);
  EXPECT_EQ(c->Brush()->Color(), 0x654321u);
}

TEST(DrawFrame, UsesThePenModeAndHandlesDegenerateRectangles) {
  Paper p;
  p.C()->Pen()->SetMode(vcl::pmXor);
  Frame(p, fsBump, 3, 3, 25, 20);
  EXPECT_FALSE(p.Inked().empty());
  Frame(p, fsBump, 3, 3, 25, 20);  // every pixel drawn once: XOR erases it
  EXPECT_TRUE(p.Inked().empty());
  p.C()->Pen()->SetMode(vcl::pmCopy);
  Frame(p, fsRaised, 10, 10, 5, 12);  // right of left: nothing
  EXPECT_TRUE(p.Inked().empty());
  Frame(p, fsSimple, 7, 8, 7, 8);  // a single pixel
  EXPECT_EQ(p.Inked(), (std::set<std::pair<int, int>>{{7, 8}}));
}

// ---------------------------------------------------------------- rectangles

TEST(DrawRectangle, OutlineWithCornersAndThePenMode) {
  Paper p;
  p.C()->Pen()->SetColor(0x0000FF);
  DrawRectangle(p.C(), 4, 3, 10, 8);
  for (auto [x, y] : {std::pair{4, 3}, {10, 3}, {4, 8}, {10, 8}, {7, 3}, {4, 6}, {10, 5}, {6, 8}})
    EXPECT_EQ(p.At(x, y), 0x0000FFu) << x << "," << y;
  EXPECT_EQ(p.At(5, 4), kWhite);
  EXPECT_EQ(p.Inked().size(), 2u * 7 + 2u * 4);
  // XOR twice restores every pixel because none is drawn twice; swapped
  // corners describe the same rectangle.
  p.C()->Pen()->SetColor(0xFFFFFF);
  p.C()->Pen()->SetMode(vcl::pmXor);
  DrawRectangle(p.C(), 10, 8, 4, 3);
  EXPECT_EQ(p.At(4, 3), 0xFFFF00u);
  EXPECT_EQ(p.At(7, 8), 0xFFFF00u);
  EXPECT_EQ(p.At(5, 4), kWhite);
  DrawRectangle(p.C(), 4, 3, 10, 8);
  EXPECT_EQ(p.At(4, 3), 0x0000FFu);
  EXPECT_EQ(p.At(10, 8), 0x0000FFu);
  EXPECT_EQ(p.Inked().size(), 2u * 7 + 2u * 4);
}

TEST(DrawRectangle, LinesAndPoints) {
  Paper p;
  DrawRectangle(p.C(), 2, 5, 9, 5);
  EXPECT_EQ(p.Inked().size(), 8u);
  DrawRectangle(p.C(), 20, 1, 20, 1);
  EXPECT_EQ(p.At(20, 1), 0u);
  EXPECT_EQ(p.Inked().size(), 9u);
}

// ---------------------------------------------------------------- markers

namespace {

// The pixels of symbol m drawn at the centre of a fresh 21 x 21 bitmap,
// as offsets from the centre.
std::set<std::pair<int, int>> Symbol(int m, TColor pen = 0x0000FF) {
  Paper p(21, 21);
  p.C()->Pen()->SetColor(pen);
  p.C()->Brush()->SetColor(0x00FF00);
  DrawMarkOnCanvas(p.C(), static_cast<std::uint8_t>(m), 10, 10);
  std::set<std::pair<int, int>> s;
  for (auto [x, y] : p.Inked()) {
    EXPECT_EQ(p.At(x, y), pen) << "symbol " << m << " uses another color";
    s.insert({x - 10, y - 10});
  }
  return s;
}

bool Has(const std::set<std::pair<int, int>>& s, int dx, int dy) { return s.count({dx, dy}) > 0; }

}  // namespace

TEST(Markers, FiftyTwoDistinctSymbolsAroundThePoint) {
  std::set<std::set<std::pair<int, int>>> shapes;
  for (int m = 0; m < MarkerCount; ++m) {
    auto s = Symbol(m);
    EXPECT_GE(s.size(), 5u) << m;
    for (auto [dx, dy] : s) {
      EXPECT_LE(std::abs(dx), MarkerRadius) << m;
      EXPECT_LE(std::abs(dy), MarkerRadius) << m;
    }
    shapes.insert(s);
  }
  EXPECT_EQ(shapes.size(), 52u);
  EXPECT_TRUE(Symbol(52).empty());
  EXPECT_TRUE(Symbol(255).empty());
}

TEST(Markers, ChosenPixelsOfTheBasicShapes) {
  auto dot = Symbol(0);
  EXPECT_EQ(dot.size(), 5u);
  auto square = Symbol(1), filledSquare = Symbol(2);
  EXPECT_TRUE(Has(square, 3, -3) && Has(square, -3, 3) && Has(square, 0, 3));
  EXPECT_FALSE(Has(square, 0, 0));
  EXPECT_TRUE(Has(filledSquare, 0, 0) && Has(filledSquare, 3, 3));
  EXPECT_FALSE(Has(filledSquare, 4, 0));
  auto circle = Symbol(3), disc = Symbol(4);
  EXPECT_TRUE(Has(circle, 3, 0) && Has(circle, 0, -3));
  EXPECT_FALSE(Has(circle, 3, 3) || Has(circle, 0, 0));
  EXPECT_TRUE(Has(disc, 0, 0) && Has(disc, 2, 2));
  auto up = Symbol(6), down = Symbol(8);
  EXPECT_TRUE(Has(up, 0, -4) && Has(up, -4, 4) && Has(up, 4, 4));
  EXPECT_FALSE(Has(up, -4, -4) || Has(up, 0, 5));
  EXPECT_TRUE(Has(down, 0, 4) && Has(down, -4, -4));
  EXPECT_FALSE(Has(down, 0, -5) || Has(down, -4, 4));
  auto plus = Symbol(11), cross = Symbol(12);
  EXPECT_TRUE(Has(plus, 4, 0) && Has(plus, 0, -4));
  EXPECT_FALSE(Has(plus, 1, 1));
  EXPECT_TRUE(Has(cross, 3, 3) && Has(cross, -3, 3));
  EXPECT_FALSE(Has(cross, 0, 1));
  auto big = Symbol(32);
  EXPECT_EQ(big.size(), 121u);  // the full 11 x 11 square
  auto arrowUp = Symbol(50), arrowDown = Symbol(51);
  EXPECT_TRUE(Has(arrowUp, 0, -4) && Has(arrowUp, -1, -3) && Has(arrowUp, 2, -2));
  EXPECT_TRUE(Has(arrowDown, 0, 4) && Has(arrowDown, 1, 3) && Has(arrowDown, -2, 2));
  EXPECT_FALSE(Has(arrowUp, 1, 3));
}

TEST(Markers, PenModeAndPenStateKept) {
  Paper p(21, 21);
  vcl::TCanvas* c = p.C();
  c->Pen()->SetColor(0x00FFFF);
  c->Pen()->SetWidth(4);
  c->Pen()->SetMode(vcl::pmXor);
  for (int m = 0; m < MarkerCount; ++m) {
    DrawMarkOnCanvas(c, static_cast<std::uint8_t>(m), 10, 10);
    ASSERT_FALSE(p.Inked().empty()) << m;
    DrawMarkOnCanvas(c, static_cast<std::uint8_t>(m), 10, 10);  // every pixel once
    ASSERT_TRUE(p.Inked().empty()) << m;
  }
  EXPECT_EQ(c->Pen()->Width(), 4);
  EXPECT_EQ(c->Pen()->Color(), 0x00FFFFu);
}

TEST(Markers, ClippedAtTheCanvasEdge) {
  Paper p(8, 8);
  p.C()->Pen()->SetColor(0);
  DrawMarkOnCanvas(p.C(), 32, 0, 0);  // large filled square around a corner
  EXPECT_EQ(p.Inked().size(), 36u);  // the 6 x 6 quarter that lies inside
}
