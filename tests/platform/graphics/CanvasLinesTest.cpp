// Lines: Bresenham pixels, the end pixel left out, pen styles and widths.
#include <gtest/gtest.h>

#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

TEST(LineTo, LeavesTheEndPixelOutAndMovesThePenPosition) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->MoveTo(1, 1);
  c->LineTo(6, 1);
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(c->Pixels(x, 1), clBlack) << x;
  EXPECT_EQ(c->Pixels(6, 1), clWhite);
  EXPECT_EQ(c->Pixels(0, 1), clWhite);
  EXPECT_EQ(c->PenPos(), TPoint(6, 1));
  EXPECT_EQ(CountColor(*b, clBlack), 5);
}

TEST(LineTo, DrawsTheBresenhamLineWithHalvesTowardTheStart) {
  auto b = MakeBitmap(6, 4);
  b->Canvas()->MoveTo(0, 0);
  b->Canvas()->LineTo(4, 2);
  EXPECT_EQ(Picture(*b, clBlack),
            "##....\n"
            "..##..\n"
            "......\n"
            "......\n");
}

TEST(LineTo, SteepAndBackwardLinesCoverOnePixelPerMajorStep) {
  auto b = MakeBitmap(12, 12);
  TCanvas* c = b->Canvas();
  c->MoveTo(2, 10);
  c->LineTo(5, 1);  // y-major, upwards: 9 pixels, one per row 10..2
  EXPECT_EQ(CountColor(*b, clBlack), 9);
  for (int y = 2; y <= 10; ++y) {
    int inRow = 0;
    for (int x = 0; x < 12; ++x) inRow += c->Pixels(x, y) == clBlack;
    EXPECT_EQ(inRow, 1) << "row " << y;
  }
  EXPECT_EQ(c->Pixels(2, 10), clBlack);
  EXPECT_EQ(c->Pixels(5, 1), clWhite);
}

TEST(LineTo, ConsecutiveSegmentsNeverPaintAJointTwice) {
  // Under XOR a pixel painted twice would come back white.
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->MoveTo(1, 1);
  c->LineTo(8, 1);
  c->LineTo(8, 8);
  c->LineTo(1, 1);
  EXPECT_EQ(c->Pixels(8, 1), clBlack);
  EXPECT_EQ(c->Pixels(8, 8), clBlack);
  EXPECT_EQ(c->Pixels(1, 1), clBlack);
  EXPECT_EQ(CountColor(*b, clBlack), 7 + 7 + 7);
}

TEST(LineTo, ClippedLinesKeepTheirPixels) {
  // A line starting far outside gives the same pixels inside as its whole.
  auto whole = MakeBitmap(40, 40);
  whole->Canvas()->MoveTo(-30, -7);
  whole->Canvas()->LineTo(37, 29);
  auto part = MakeBitmap(40, 40);
  part->Canvas()->IntersectClip(TRect(5, 5, 30, 30));
  part->Canvas()->MoveTo(-30, -7);
  part->Canvas()->LineTo(37, 29);
  for (int y = 5; y < 30; ++y) {
    for (int x = 5; x < 30; ++x) {
      ASSERT_EQ(part->Canvas()->Pixels(x, y), whole->Canvas()->Pixels(x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(CountColor(*part, clBlack), 10);
}

TEST(LineTo, HugeCoordinatesAreHarmless) {
  auto b = MakeBitmap(10, 10);
  b->Canvas()->MoveTo(-2000000000, 5);
  b->Canvas()->LineTo(2000000000, 5);
  EXPECT_EQ(CountColor(*b, clBlack), 10);
}

TEST(PenStyle, DotsAlternateThreeOnThreeOffWithBrushColoredGaps) {
  auto b = MakeBitmap(14, 1, clBlue);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psDot);
  c->Brush()->SetColor(clYellow);
  c->MoveTo(0, 0);
  c->LineTo(14, 0);
  const TColor expected[] = {clBlack, clBlack, clBlack, clYellow, clYellow, clYellow,
                             clBlack, clBlack, clBlack, clYellow, clYellow, clYellow,
                             clBlack, clBlack};
  for (int x = 0; x < 14; ++x) EXPECT_EQ(c->Pixels(x, 0), expected[x]) << x;
}

TEST(PenStyle, GapsStayUntouchedWithAClearBrush) {
  auto b = MakeBitmap(30, 1, clBlue);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psDash);
  c->Brush()->SetStyle(bsClear);
  c->MoveTo(0, 0);
  c->LineTo(30, 0);
  for (int x = 0; x < 18; ++x) EXPECT_EQ(c->Pixels(x, 0), clBlack) << x;
  for (int x = 18; x < 24; ++x) EXPECT_EQ(c->Pixels(x, 0), clBlue) << x;
  for (int x = 24; x < 30; ++x) EXPECT_EQ(c->Pixels(x, 0), clBlack) << x;
}

TEST(PenStyle, DashDotPatternRunsAcrossConnectedSegments) {
  auto b = MakeBitmap(30, 1, clBlue);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psDashDot);
  c->Brush()->SetStyle(bsClear);
  c->MoveTo(0, 0);
  c->LineTo(10, 0);  // the cycle 9 on, 6 off, 3 on, 6 off continues at x = 10
  c->LineTo(30, 0);
  std::string seen;
  for (int x = 0; x < 30; ++x) seen += c->Pixels(x, 0) == clBlack ? '#' : '.';
  EXPECT_EQ(seen, "#########......###......######");
}

TEST(PenStyle, ClearPenDrawsNothing) {
  auto b = MakeBitmap(10, 10);
  b->Canvas()->Pen()->SetStyle(psClear);
  b->Canvas()->MoveTo(0, 0);
  b->Canvas()->LineTo(9, 9);
  EXPECT_EQ(CountColor(*b, clWhite), 100);
  EXPECT_EQ(b->Canvas()->PenPos(), TPoint(9, 9));
}

TEST(WidePen, DrawsACenteredBandWithRoundEnds) {
  auto b = MakeBitmap(20, 11);
  TCanvas* c = b->Canvas();
  c->Pen()->SetWidth(3);
  c->MoveTo(5, 5);
  c->LineTo(14, 5);
  // Rows 4..6 along the segment, both ends included.
  for (int x = 5; x <= 14; ++x) {
    for (int y = 4; y <= 6; ++y) EXPECT_EQ(c->Pixels(x, y), clBlack) << x << "," << y;
    EXPECT_EQ(c->Pixels(x, 3), clWhite);
    EXPECT_EQ(c->Pixels(x, 7), clWhite);
  }
  // The round ends reach one pixel beyond on the axis only.
  EXPECT_EQ(c->Pixels(4, 5), clBlack);
  EXPECT_EQ(c->Pixels(15, 5), clBlack);
  EXPECT_EQ(c->Pixels(3, 5), clWhite);
  EXPECT_EQ(c->Pixels(16, 5), clWhite);
}

TEST(WidePen, EvenWidthGrowsTowardTheTopLeft) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetWidth(2);
  c->MoveTo(5, 1);
  c->LineTo(5, 8);
  EXPECT_EQ(c->Pixels(4, 4), clBlack);
  EXPECT_EQ(c->Pixels(5, 4), clBlack);
  EXPECT_EQ(c->Pixels(6, 4), clWhite);
  EXPECT_EQ(c->Pixels(3, 4), clWhite);
}

TEST(WidePen, PolylineJointsArePaintedOnceUnderXor) {
  auto b = MakeBitmap(30, 30);
  TCanvas* c = b->Canvas();
  c->Pen()->SetWidth(5);
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->Polyline({TPoint(5, 5), TPoint(25, 5), TPoint(25, 25)});
  // The corner (covered by both segments) is inverted exactly once.
  EXPECT_EQ(c->Pixels(25, 5), clBlack);
  EXPECT_EQ(c->Pixels(24, 6), clBlack);
  EXPECT_EQ(c->Pixels(15, 5), clBlack);
  EXPECT_EQ(c->Pixels(25, 15), clBlack);
}
