// The strip's geometry: columns, the quantized scroll position, cells, the
// slide under a point checked against the cells painting lays out, the
// corner of a slide, the image area and the focus frame.
#include <gtest/gtest.h>

#include <cmath>

#include "VYR_Thumbnails/VYR_ThumbGeometry.h"

namespace {

using namespace vyr;

TThumbLayout MakeLayout(int Size, int Dist, int Margin, int Cols, double First, int W, int H) {
  TThumbLayout l;
  l.SlideSize = Size;
  l.SlideDistance = Dist;
  l.SlideMargin = Margin;
  l.Columns = Cols;
  l.First = First;
  l.Width = W;
  l.Height = H;
  return l;
}

TEST(ThumbGeometry, ColumnsAndRowsFollowTheControlSize) {
  struct Case {
    int W, H, Size, Dist, Margin, Cols, Rows;
  } cases[] = {
      {260, 400, 120, 2, 7, 1, 3},   // the default control: pitch 136
      {290, 400, 120, 2, 7, 2, 3},   // 290 - 20 + 2 = 272 = two pitches
      {289, 136, 120, 2, 7, 1, 2},   // one pixel short of the second column
      {20, 10, 50, 0, 0, 1, 1},      // never fewer than one column
      {1000, 700, 50, 2, 7, 14, 11}, // pitch 66
  };
  for (const Case& c : cases) {
    const int pitch = c.Size + c.Dist + 2 * c.Margin;
    EXPECT_EQ(ThumbColumns(c.W, pitch, c.Dist), c.Cols) << c.W;
    EXPECT_EQ(ThumbRows(c.H, pitch), c.Rows) << c.H;
  }
}

TEST(ThumbGeometry, ScrollPositionIsQuantizedToTheRowHoldingTheSlide) {
  struct Case {
    double X;
    int Min, Max, Cols;
    double Want;
  } cases[] = {
      {4, 1, 100, 2, 3.5},       // the row of 3 and 4, half scrolled out
      {3, 1, 100, 2, 3.0},       // the first slide of its row
      {1, 1, 100, 1, 1.0},       // one column: unchanged
      {7.25, 1, 100, 1, 7.25},   // a fraction of a row with one column
      {5, 1, 100, 3, 4 + 1.0 / 3},
      {0, 1, 100, 2, 1.0},       // below Min: Min
      {250, 1, 100, 2, 99.5},    // above Max: Max, then quantized
      {std::nan(""), 5, 9, 1, 5.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(QuantizeFirstThumb(c.X, c.Min, c.Max, c.Cols), c.Want) << c.X;
  }
}

TEST(ThumbGeometry, ScrolledPixelsRoundHalvesToEven) {
  // Pitch 136: a half row is 68 pixels; pitch 101: 50.5, rounded to 50;
  // pitch 103: 51.5, rounded to 52.
  EXPECT_EQ(ThumbScrollPixels(MakeLayout(120, 2, 7, 2, 3.5, 290, 400)), 68);
  EXPECT_EQ(ThumbScrollPixels(MakeLayout(99, 2, 0, 1, 7.5, 290, 400)), 50);
  EXPECT_EQ(ThumbScrollPixels(MakeLayout(100, 1, 1, 1, 7.5, 290, 400)), 52);  // 51.5 -> 52
  EXPECT_EQ(ThumbScrollPixels(MakeLayout(100, 1, 1, 1, 7.25, 290, 400)), 26);  // 25.75
}

// The slide under every point of the control, against a plain search of
// the cells as painting places them: column i, row j has its corners at
// (i P + 10, j P + D - s + 10) and (that + Cell), and a point counts only
// inside the 10-pixel edges. Without a gap (D = 0) neighbours share their
// edge pixels, which belong to the cell painted later (to the right and
// below); one past the last column is no slide.
void CheckAgainstCells(const TThumbLayout& L, int Min, int Max) {
  const int p = L.Pitch(), cell = L.Cell();
  const int s = static_cast<int>(std::lround(std::fmod(L.First, 1.0) * p));
  const int rows = L.Height / p + 2;
  for (int y = -2; y <= L.Height + 2; ++y) {
    for (int x = -2; x <= L.Width + 2; ++x) {
      int want = 0;
      const bool inside = x >= 10 && x <= L.Width - 10 && y >= 10 && y <= L.Height - 10;
      for (int i = 0; inside && i <= L.Columns; ++i) {
        for (int j = 0; j < rows; ++j) {
          const int x0 = i * p + 10, y0 = j * p + L.SlideDistance - s + 10;
          if (x < x0 || x > x0 + cell || y < y0 || y > y0 + cell) continue;
          const int n = static_cast<int>(L.First) + j * L.Columns + i;
          want = i < L.Columns && n >= Min && n <= Max ? n : 0;
        }
      }
      ASSERT_EQ(ThumbSlideAtPoint(L, Min, Max, x, y), want) << "at " << x << "," << y;
    }
  }
}

TEST(ThumbGeometry, SlideAtPointMatchesTheCellsPainted) {
  CheckAgainstCells(MakeLayout(120, 2, 7, 1, 1.0, 260, 400), 1, 100);
  CheckAgainstCells(MakeLayout(50, 6, 3, 3, 4.0 + 1.0 / 3, 210, 300), 1, 20);
  CheckAgainstCells(MakeLayout(60, 0, 0, 2, 7.5, 160, 200), 1, 9);   // no gaps; last row cut by Max
  CheckAgainstCells(MakeLayout(50, 20, 5, 4, 1.0, 200, 150), 1, 3);  // more columns than fit
  CheckAgainstCells(MakeLayout(50, 2, 3, 1, 1.0, 300, 200), 1, 50);  // fewer columns than fit
}

TEST(ThumbGeometry, SlidePositionIsTheCornerOfItsCell) {
  const TThumbLayout l = MakeLayout(50, 6, 3, 3, 4.0 + 2.0 / 3, 210, 300);
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 3; ++i) {
      const int n = static_cast<int>(ThumbSlideAt(l, i, j));
      const vcl::TRect c = ThumbCellCorners(l, i, j);
      const vcl::TPoint p = ThumbSlidePos(l, n);
      EXPECT_EQ(p.X, c.Left) << n;
      EXPECT_EQ(p.Y, c.Top) << n;
      EXPECT_EQ(c.Right - c.Left, 56);
    }
  }
}

TEST(ThumbGeometry, ImageFillsTheAreaWithItsLongerSide) {
  const vcl::TRect cell{10, 12, 10 + 134, 12 + 134};  // size 120, margin 7
  struct Case {
    int W, H;
    vcl::TRect Want;
  } cases[] = {
      {200, 100, {17, 19 + 30, 137, 19 + 30 + 60}},   // landscape: full width, centred down
      {100, 200, {17 + 30, 19, 17 + 30 + 60, 139}},   // portrait: full height, centred across
      {64, 64, {17, 19, 137, 139}},                   // square: the whole area
      {240, 1, {17, 19 + 60, 137, 19 + 60}},          // 0.5 rounds to 0
      {80, 3, {17, 19 + 58, 137, 19 + 58 + 4}},       // 4.5 rounds to 4
      {16, 3, {17, 19 + 49, 137, 19 + 49 + 22}},      // 22.5 rounds to 22
  };
  for (const Case& c : cases) {
    const vcl::TRect r = ThumbImageRect(cell, 7, 120, c.W, c.H);
    EXPECT_EQ(r, c.Want) << c.W << "x" << c.H;
  }
}

TEST(ThumbGeometry, FocusFrameStaysInsideTheTopAndBottomEdges) {
  const TThumbLayout l = MakeLayout(120, 2, 7, 1, 1.0, 260, 400);
  EXPECT_EQ(ThumbFocusCorners(l, {10, 12}), (vcl::TRect{12, 14, 142, 144}));
  EXPECT_EQ(ThumbFocusCorners(l, {10, -50}), (vcl::TRect{12, 2, 142, 82}));
  EXPECT_EQ(ThumbFocusCorners(l, {10, 300}), (vcl::TRect{12, 302, 142, 397}));
}

}  // namespace
