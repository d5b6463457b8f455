// Ellipses, rounded rectangles, arcs, pies, chords and polygons.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

namespace {

// The bounding box of the pixels of a color.
TRect Extent(TBitmap& B, TColor C) {
  TRect r(B.Width(), B.Height(), -1, -1);
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) {
      if (B.Canvas()->Pixels(x, y) != C) continue;
      r.Left = std::min(r.Left, x);
      r.Top = std::min(r.Top, y);
      r.Right = std::max(r.Right, x + 1);
      r.Bottom = std::max(r.Bottom, y + 1);
    }
  }
  return r;
}

bool Mirrored(TBitmap& B) {
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) {
      const TColor p = B.Canvas()->Pixels(x, y);
      if (p != B.Canvas()->Pixels(B.Width() - 1 - x, y)) return false;
      if (p != B.Canvas()->Pixels(x, B.Height() - 1 - y)) return false;
    }
  }
  return true;
}

// Pixels of color C in the four quadrants split before column Sx and row
// Sy: upper right, upper left, lower left, lower right.
std::array<int, 4> Quadrants(TBitmap& B, TColor C, int Sx, int Sy) {
  std::array<int, 4> n{};
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) {
      if (B.Canvas()->Pixels(x, y) != C) continue;
      n[(y < Sy) ? (x >= Sx ? 0 : 1) : (x < Sx ? 2 : 3)]++;
    }
  }
  return n;
}

}  // namespace

class EllipseSizes : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(EllipseSizes, IsInscribedInTheBoxAndSymmetric) {
  const auto [w, h] = GetParam();
  auto b = MakeBitmap(w + 4, h + 4);
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->Ellipse(2, 2, 2 + w, 2 + h);
  // The outline reaches every side of the box (right and bottom exclusive)
  // and nothing outside it changes.
  EXPECT_EQ(Extent(*b, clBlack), TRect(2, 2, 2 + w, 2 + h));
  EXPECT_EQ(CountIf(*b, [&](int x, int y, TColor p) {
              return p != clWhite && !TRect(2, 2, 2 + w, 2 + h).Contains({x, y});
            }), 0);
  EXPECT_TRUE(Mirrored(*b));
  // The brush never touches the outside: every red pixel has four
  // neighbours that are red or black.
  EXPECT_EQ(CountIf(*b, [&](int x, int y, TColor p) {
              if (p != clRed) return false;
              for (TPoint d : {TPoint(1, 0), TPoint(-1, 0), TPoint(0, 1), TPoint(0, -1)}) {
                if (b->Canvas()->Pixels(x + d.X, y + d.Y) == clWhite) return true;
              }
              return false;
            }), 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EllipseSizes,
                         ::testing::Values(std::pair{1, 1}, std::pair{2, 2}, std::pair{3, 3},
                                           std::pair{10, 10}, std::pair{11, 11},
                                           std::pair{21, 9}, std::pair{40, 3},
                                           std::pair{5, 30}, std::pair{100, 2}));

TEST(Ellipse, CircleOutlineFollowsTheRadius) {
  auto b = MakeBitmap(21, 21);
  b->Canvas()->Brush()->SetStyle(bsClear);
  b->Canvas()->Ellipse(0, 0, 21, 21);
  // Every outline pixel lies within about a pixel of the circle of radius
  // 10 around (10, 10), and the extremes sit on the axes.
  EXPECT_EQ(CountIf(*b, [](int x, int y, TColor p) {
              return p == clBlack && std::fabs(std::hypot(x - 10, y - 10) - 10) > 1.0;
            }), 0);
  EXPECT_EQ(b->Canvas()->Pixels(10, 0), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(0, 10), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(20, 10), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(10, 20), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(10, 10), clWhite);
  // A thin line: no 2 × 2 block is all outline.
  EXPECT_EQ(CountIf(*b, [&](int x, int y, TColor) {
              TCanvas* c = b->Canvas();
              return c->Pixels(x, y) == clBlack && c->Pixels(x + 1, y) == clBlack &&
                     c->Pixels(x, y + 1) == clBlack && c->Pixels(x + 1, y + 1) == clBlack;
            }), 0);
}

TEST(Ellipse, EvenSizesHaveTwoPixelFlats) {
  auto b = MakeBitmap(10, 10);
  b->Canvas()->Ellipse(0, 0, 10, 10);
  EXPECT_EQ(b->Canvas()->Pixels(4, 0), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(5, 0), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(0, 4), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(0, 5), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(9, 5), clBlack);
}

TEST(Ellipse, ClearPenFillsTheSmallerFigure) {
  auto b = MakeBitmap(12, 12);
  b->Canvas()->Pen()->SetStyle(psClear);
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->Ellipse(0, 0, 11, 11);
  EXPECT_EQ(Extent(*b, clRed), TRect(0, 0, 10, 10));
  EXPECT_EQ(CountColor(*b, clBlack), 0);
}

TEST(Ellipse, WidePenIsCenteredOnTheOutline) {
  auto b = MakeBitmap(30, 30);
  b->Canvas()->Pen()->SetWidth(4);
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->Ellipse(5, 5, 25, 25);
  // Width 4 covers the outline pixel, two before it and one after it.
  EXPECT_EQ(Extent(*b, clBlack), TRect(3, 3, 26, 26));
  EXPECT_EQ(b->Canvas()->Pixels(3, 14), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(6, 14), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(7, 14), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(15, 15), clRed);
}

TEST(RoundRect, SpansRectanglesAndEllipses) {
  auto a = MakeBitmap(24, 16);
  auto b = MakeBitmap(24, 16);
  a->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->Brush()->SetColor(clRed);
  a->Canvas()->RoundRect(1, 2, 22, 15, 1, 1);
  b->Canvas()->Rectangle(1, 2, 22, 15);
  EXPECT_EQ(Picture(*a, clBlack) + Picture(*a, clRed), Picture(*b, clBlack) + Picture(*b, clRed));
  a->Canvas()->FillRect(TRect(0, 0, 24, 16));
  b->Canvas()->FillRect(TRect(0, 0, 24, 16));
  a->Canvas()->RoundRect(1, 2, 22, 15, 21, 13);
  b->Canvas()->Ellipse(1, 2, 22, 15);
  EXPECT_EQ(Picture(*a, clBlack), Picture(*b, clBlack));
}

TEST(RoundRect, CutsTheCornersOnly) {
  auto b = MakeBitmap(20, 20);
  b->Canvas()->RoundRect(0, 0, 20, 20, 8, 8);
  EXPECT_EQ(Extent(*b, clBlack), TRect(0, 0, 20, 20));
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(19, 19), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(0, 1), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(1, 1), clBlack);  // the 45° point of the corner
  EXPECT_EQ(b->Canvas()->Pixels(10, 0), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(0, 10), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(4, 0), clBlack);
}

// A circle in the 20 × 20 box: radials start at (10, 10), so east is
// (20, 10), north (10, 0), west (0, 10) and south (10, 20); the quadrants
// split before column 10 and row 10.
class Arcs : public ::testing::Test {
 protected:
  void SetUp() override {
    b = MakeBitmap(20, 20);
    c = b->Canvas();
    c->Brush()->SetColor(clRed);
  }
  std::unique_ptr<TBitmap> b;
  TCanvas* c = nullptr;
};

TEST_F(Arcs, RunCounterClockwiseFromStartToEnd) {
  c->Arc(0, 0, 20, 20, 20, 10, 10, 0);  // east to north: the upper right quarter
  const auto q = Quadrants(*b, clBlack, 10, 10);
  EXPECT_GT(q[0], 5);
  EXPECT_EQ(q[1] + q[2] + q[3], 0);
  EXPECT_EQ(c->Pixels(19, 9), clBlack);
  EXPECT_EQ(c->Pixels(10, 0), clBlack);
  EXPECT_EQ(CountColor(*b, clRed), 0);  // an arc never fills
}

TEST_F(Arcs, SwappingTheRadialsDrawsTheOtherThreeQuarters) {
  c->Arc(0, 0, 20, 20, 10, 0, 20, 10);
  const auto q = Quadrants(*b, clBlack, 10, 10);
  EXPECT_EQ(q[0], 0);
  EXPECT_GT(q[1], 5);
  EXPECT_GT(q[2], 5);
  EXPECT_GT(q[3], 5);
}

TEST_F(Arcs, OnlyTheDirectionOfTheRadialPointsCounts) {
  c->Arc(0, 0, 20, 20, 100, 10, 10, -50);
  const std::string far = Picture(*b, clBlack);
  c->FillRect(TRect(0, 0, 20, 20));
  c->Arc(0, 0, 20, 20, 11, 10, 10, 9);
  EXPECT_EQ(Picture(*b, clBlack), far);
  EXPECT_GT(CountColor(*b, clBlack), 10);
}

TEST_F(Arcs, EqualRadialsDrawTheWholeEllipse) {
  c->Arc(0, 0, 20, 20, 20, 10, 20, 10);
  const std::string arc = Picture(*b, clBlack);
  c->FillRect(TRect(0, 0, 20, 20));
  c->Brush()->SetStyle(bsClear);
  c->Ellipse(0, 0, 20, 20);
  EXPECT_EQ(arc, Picture(*b, clBlack));
}

TEST_F(Arcs, PieFillsTheSectorAndDrawsBothRadials) {
  c->Pie(0, 0, 20, 20, 10, 0, 0, 10);  // north to west: the upper left quarter
  const auto red = Quadrants(*b, clRed, 10, 10);
  EXPECT_GT(red[1], 30);
  EXPECT_EQ(red[0] + red[2] + red[3], 0);
  EXPECT_EQ(Quadrants(*b, clBlack, 10, 10)[3], 0);
  // The radials run along column 9 and row 9, inside the quarter.
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(c->Pixels(9, k), clBlack) << k;
    EXPECT_EQ(c->Pixels(k, 9), clBlack) << k;
  }
  EXPECT_EQ(c->Pixels(4, 4), clRed);
  EXPECT_EQ(c->Pixels(15, 15), clWhite);
}

TEST_F(Arcs, PieRadialsHugTheirOwnQuarter) {
  c->Pie(0, 0, 20, 20, 20, 10, 10, 0);  // east to north
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(c->Pixels(10, k), clBlack) << k;
    EXPECT_EQ(c->Pixels(10 + k, 9), clBlack) << k;
  }
  EXPECT_EQ(Quadrants(*b, clBlack, 10, 10)[1], 0);
}

TEST_F(Arcs, ChordFillsOnlyTheArcSideOfTheChord) {
  c->Chord(0, 0, 20, 20, 20, 10, 10, 0);  // east to north
  EXPECT_EQ(c->Pixels(16, 4), clRed);    // between the chord and the arc
  EXPECT_EQ(c->Pixels(12, 8), clWhite);  // the centre side of the chord
  EXPECT_EQ(c->Pixels(10, 10), clWhite);
  EXPECT_EQ(c->Pixels(15, 5), clBlack);  // on the chord from (10, 0) to (19, 9)
  const auto red = Quadrants(*b, clRed, 10, 10);
  EXPECT_EQ(red[1] + red[2] + red[3], 0);
}

TEST_F(Arcs, HalfDiscOfAnEvenBoxEndsAtItsMiddleRow) {
  c->Pie(0, 0, 20, 20, 20, 10, 0, 10);
  EXPECT_EQ(Extent(*b, clBlack), TRect(0, 0, 20, 10));
  EXPECT_EQ(c->Pixels(10, 5), clRed);
  EXPECT_EQ(c->Pixels(0, 9), clBlack);
  EXPECT_EQ(c->Pixels(19, 9), clBlack);
}

TEST_F(Arcs, ClearBrushPieDrawsOnlyTheOutline) {
  c->Brush()->SetStyle(bsClear);
  c->Pie(0, 0, 20, 20, 20, 10, 0, 10);
  EXPECT_EQ(CountColor(*b, clRed), 0);
  EXPECT_EQ(c->Pixels(10, 5), clWhite);
  EXPECT_EQ(c->Pixels(10, 9), clBlack);
}

TEST(Polygon, AlternateRuleLeavesTheStarsCentreEmpty) {
  auto b = MakeBitmap(41, 41);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetColor(clBlue);
  // A pentagram drawn through every second vertex.
  std::vector<TPoint> star;
  for (int k = 0; k < 5; ++k) {
    const double a = (90 + 144.0 * k) * 3.14159265358979 / 180;
    star.emplace_back(static_cast<int>(std::lround(20 + 20 * std::cos(a))),
                      static_cast<int>(std::lround(20 - 20 * std::sin(a))));
  }
  c->Polygon(star);
  EXPECT_EQ(c->Pixels(20, 21), clWhite);  // the pentagon in the middle
  EXPECT_EQ(c->Pixels(20, 6), clRed);     // inside the top point
  EXPECT_EQ(c->Pixels(20, 0), clBlue);    // the top vertex itself
  EXPECT_GT(CountColor(*b, clRed), 100);
}

TEST(Polygon, FillsPixelCentresAndThenTheClosedOutline) {
  auto b = MakeBitmap(14, 14);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetStyle(psClear);
  c->Polygon({TPoint(2, 2), TPoint(12, 2), TPoint(12, 12), TPoint(2, 12)});
  EXPECT_EQ(Extent(*b, clRed), TRect(2, 2, 12, 12));
  EXPECT_EQ(CountColor(*b, clRed), 100);
  c->Pen()->SetStyle(psSolid);
  c->Polygon({TPoint(2, 2), TPoint(12, 2), TPoint(12, 12), TPoint(2, 12)});
  EXPECT_EQ(Extent(*b, clBlack), TRect(2, 2, 13, 13));
  EXPECT_EQ(CountColor(*b, clBlack), 40);
}

TEST(Polygon, DegenerateInputDrawsLinesOrNothing) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Polygon(std::span<const TPoint>());
  c->Polygon({TPoint(1, 1)});
  EXPECT_EQ(CountColor(*b, clWhite), 100);
  c->Polygon({TPoint(1, 1), TPoint(8, 1)});  // there and back: one line
  EXPECT_EQ(CountColor(*b, clBlack), 8);
  EXPECT_EQ(CountColor(*b, clRed), 0);
}

TEST(Polyline, DrawsTheSegmentsWithoutTheLastPoint) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Polyline({TPoint(1, 1), TPoint(5, 1), TPoint(5, 5)});
  EXPECT_EQ(CountColor(*b, clBlack), 8);
  EXPECT_EQ(c->Pixels(5, 5), clWhite);
  EXPECT_EQ(c->Pixels(5, 1), clBlack);
  EXPECT_EQ(c->PenPos(), TPoint(0, 0));
}

TEST(OddBoxArcs, ReachThePixelsTheirRadialsPointAt) {
  // In a 21 × 21 box radials start at (10.5, 10.5): the radial through
  // (21, 10) passes a hair above the centre of pixel (20, 10), which still
  // belongs to the arc; the quarter stays within its quadrant otherwise.
  auto b = MakeBitmap(21, 21);
  b->Canvas()->Arc(0, 0, 21, 21, 21, 10, 10, 0);
  EXPECT_EQ(b->Canvas()->Pixels(20, 10), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(10, 0), clBlack);
  const auto q = Quadrants(*b, clBlack, 10, 11);  // around the centre pixel (10, 10)
  EXPECT_GT(q[0], 5);
  EXPECT_EQ(q[2] + q[3], 0);
  EXPECT_EQ(CountIf(*b, [](int x, int, TColor p) { return p == clBlack && x < 10; }), 0);
}

TEST(StyledCurves, DottedEllipseAlternatesAlongTheOutline) {
  auto solid = MakeBitmap(40, 30);
  solid->Canvas()->Brush()->SetStyle(bsClear);
  solid->Canvas()->Ellipse(2, 2, 38, 28);
  const int outline = CountColor(*solid, clBlack);
  auto b = MakeBitmap(40, 30, clRed);
  b->Canvas()->Pen()->SetStyle(psDot);
  b->Canvas()->Brush()->SetStyle(bsClear);
  b->Canvas()->Ellipse(2, 2, 38, 28);
  // Three on, three off: about half of the same outline, gaps untouched.
  const int dots = CountColor(*b, clBlack);
  EXPECT_NEAR(dots, outline / 2, 3);
  EXPECT_EQ(dots + CountIf(*b, [&](int x, int y, TColor p) {
              return p == clRed && solid->Canvas()->Pixels(x, y) == clBlack;
            }), outline);
  EXPECT_EQ(CountIf(*b, [&](int x, int y, TColor p) {
              return p == clBlack && solid->Canvas()->Pixels(x, y) != clBlack;
            }), 0);
}

TEST(StyledCurves, ClippingDoesNotShiftTheRhythm) {
  auto whole = MakeBitmap(40, 40);
  whole->Canvas()->Pen()->SetStyle(psDash);
  whole->Canvas()->Arc(0, 0, 40, 40, 40, 20, 0, 20);
  auto part = MakeBitmap(40, 40);
  part->Canvas()->Pen()->SetStyle(psDash);
  part->Canvas()->IntersectClip(TRect(20, 0, 40, 20));
  part->Canvas()->Arc(0, 0, 40, 40, 40, 20, 0, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 20; x < 40; ++x) ASSERT_EQ(part->Canvas()->Pixels(x, y), whole->Canvas()->Pixels(x, y));
  }
  EXPECT_GT(CountColor(*part, clBlack), 5);
}
