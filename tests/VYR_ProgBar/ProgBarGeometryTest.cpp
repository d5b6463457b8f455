// The progress bar's value and color mapping: bar lengths and ends per
// direction, gradient indices, visible line ranges, the color table, the
// value text and the text origin.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "VYR_ProgBar/VYR_ProgBarGeometry.h"

namespace {

using namespace vyr;
using namespace vyr::progbar;
using vcl::TRect;

TEST(ProgBarGeometry, BarLengthRoundsTheFractionOfTheExtent) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double Value, Min, Max;
    int Extent, Length;
  } cases[] = {
      {10, 0, 100, 292, 29},    // 29.2
      {50, 0, 100, 292, 146},
      {100, 0, 100, 292, 292},
      {150, 0, 100, 292, 438},  // beyond Max: no limit
      {-10, 0, 100, 292, -29},
      {2.5, 0, 10, 10, 2},      // halves to even
      {3.5, 0, 10, 10, 4},
      {5, 5, 5, 292, 0},        // Max = Min: empty
      {nan, 0, 100, 292, 0},
      {50, 0, 100, 0, 0},       // no inner area
      {50, 0, 100, -20, 0},
      {inf, 0, 100, 292, 0},
      {1e300, 0, 1e-300, 292, 0},  // overflows to infinity
      {1e20, 0, 1, 292, MaxBarLength},
      {-1e20, 0, 1, 292, -MaxBarLength},
      {75, 100, 50, 200, 100},  // a falling range
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BarLength(c.Value, c.Min, c.Max, c.Extent), c.Length)
        << c.Value << " in " << c.Min << ".." << c.Max << " over " << c.Extent;
  }
}

TEST(ProgBarGeometry, BarsGrowFromTheirEdge) {
  const TRect inner = vcl::Rect(4, 4, 296, 24);  // 300 x 28, margins 4
  EXPECT_EQ(InnerRect(300, 28, {}), inner);
  EXPECT_EQ(InnerExtent(dirRight, inner), 292);
  EXPECT_EQ(InnerExtent(dirUp, inner), 20);
  const struct {
    TDirection Direction;
    int N;
    TRect Bar;
    int FirstLine, LastLine;
  } cases[] = {
      {dirRight, 29, vcl::Rect(4, 4, 33, 24), 4, 32},   // ends at x = 33
      {dirLeft, 29, vcl::Rect(267, 4, 296, 24), 295, 267},
      {dirUp, 5, vcl::Rect(4, 19, 296, 24), 23, 19},
      {dirDown, 5, vcl::Rect(4, 4, 296, 9), 4, 8},
      {dirRight, 300, vcl::Rect(4, 4, 304, 24), 4, 303},  // into the margin and beyond
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BarRect(c.Direction, inner, c.N), c.Bar) << int(c.Direction);
    EXPECT_EQ(BarLinePos(c.Direction, inner, 0), c.FirstLine);
    EXPECT_EQ(BarLinePos(c.Direction, inner, c.N - 1), c.LastLine);
  }
  EXPECT_TRUE(BarRect(dirRight, inner, 0).IsEmpty());
  EXPECT_TRUE(BarRect(dirUp, inner, -3).IsEmpty());
}

TEST(ProgBarGeometry, GradientIndicesOfTheExample) {
  // Width 300, margins 4: E = 292; Value 50 of 0..100: n = 146 columns.
  const struct {
    TColorMapping Mapping;
    int First, Last;
  } cases[] = {{cgmCover, 0, 508}, {cgmStretch, 0, 1016}, {cgmMove, 515, 1023}};
  for (const auto& c : cases) {
    EXPECT_EQ(GradientIndex(c.Mapping, 0, 292, 146), c.First) << int(c.Mapping);
    EXPECT_EQ(GradientIndex(c.Mapping, 145, 292, 146), c.Last) << int(c.Mapping);
  }
}

TEST(ProgBarGeometry, GradientIndicesStayInTheTableAndKeepTheirPromises) {
  for (int extent : {1, 2, 7, 20, 292, 1500}) {
    for (int n : {1, 2, extent / 2 + 1, extent, extent + 9, 3 * extent}) {
      for (int h = 0; h < n; ++h) {
        for (TColorMapping m : {cgmCover, cgmStretch, cgmMove}) {
          const int k = GradientIndex(m, h, extent, n);
          ASSERT_GE(k, 0);
          ASSERT_LE(k, 1023);
        }
        // Cover depends on the line only, not on the bar's length.
        ASSERT_EQ(GradientIndex(cgmCover, h, extent, n), GradientIndex(cgmCover, h, extent, 1));
      }
      EXPECT_EQ(GradientIndex(cgmMove, n - 1, extent, n), 1023) << extent << " " << n;
      EXPECT_EQ(GradientIndex(cgmStretch, 0, extent, n), 0);
    }
  }
}

TEST(ProgBarGeometry, RoundDivIsRoundingToEven) {
  const struct {
    std::int64_t P, Q, R;
  } cases[] = {{5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {148335, 292, 508},
               {148335, 146, 1016}, {1, 3, 0}, {2, 3, 1}, {-1, 3, 0}, {-2, 3, -1}, {0, 9, 0}};
  for (const auto& c : cases) EXPECT_EQ(RoundDiv(c.P, c.Q), c.R) << c.P << "/" << c.Q;
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> p(-2000000, 2000000), q(1, 5000);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t a = p(rng), b = q(rng);
    ASSERT_EQ(RoundDiv(a, b), static_cast<std::int64_t>(std::nearbyint(static_cast<long double>(a) / b)))
        << a << "/" << b;
  }
}

// The lines that VisibleLines gives are exactly those whose coordinate
// lies within the limit.
TEST(ProgBarGeometry, VisibleLinesAreTheLinesInsideTheBitmap) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(-40, 80), count(-3, 120), limit(0, 60);
  for (int i = 0; i < 4000; ++i) {
    const int a = coord(rng), b = coord(rng), c = coord(rng), d = coord(rng);
    const TRect inner = vcl::Rect(a, b, c, d);
    for (TDirection dir : {dirUp, dirDown, dirLeft, dirRight}) {
      const int n = count(rng), lim = limit(rng);
      const TLineRange r = VisibleLines(dir, inner, n, lim);
      for (int h = 0; h < n; ++h) {
        const int p = BarLinePos(dir, inner, h);
        const bool inside = p >= 0 && p < lim;
        ASSERT_EQ(inside, h >= r.First && h < r.End) << "dir " << int(dir) << " h " << h;
      }
    }
  }
}

TEST(ProgBarGeometry, GridLinesReachTheEndOfHorizontalBarsAndTheLastRowOfVerticalOnes) {
  EXPECT_EQ(LastGridLine(dirRight, 29), 29);
  EXPECT_EQ(LastGridLine(dirLeft, 29), 29);
  EXPECT_EQ(LastGridLine(dirUp, 5), 4);
  EXPECT_EQ(LastGridLine(dirDown, 0), -1);
}

// ---------------------------------------------------------------- colors

TEST(ProgBarGeometry, ColorTableInterpolatesEachByteAndTruncates) {
  TBarColorTable t{};
  t.front() = vcl::clBlack;
  t.back() = vcl::clWhite;
  InterpolateBarColors(t);
  EXPECT_EQ(t[512], vcl::RGB(127, 127, 127));  // trunc(255 × 512 / 1023)
  EXPECT_EQ(t[1], vcl::RGB(0, 0, 0));
  EXPECT_EQ(t[1022], vcl::RGB(254, 254, 254));
  t.front() = 0xFF0000;  // blue
  t.back() = 0x0000FF;   // red
  InterpolateBarColors(t);
  for (int i : {1, 100, 511, 700, 1022}) {
    const vcl::TColor c = t[static_cast<std::size_t>(i)];
    EXPECT_EQ(vcl::GetRValue(c), 255 * i / 1023) << i;
    EXPECT_EQ(vcl::GetBValue(c), 255 - (255 * i + 1022) / 1023) << i;  // falling: truncated up
    EXPECT_EQ(vcl::GetGValue(c), 0);
  }
  // System colors count by their RGB value.
  EXPECT_EQ(BarTableColor(vcl::clBtnFace, vcl::clBtnFace, 300), vcl::ColorToRGB(vcl::clBtnFace));
  EXPECT_EQ(BarTableColor(vcl::clBtnShadow, vcl::clWhite, 0), vcl::ColorToRGB(vcl::clBtnShadow));
}

TEST(ProgBarGeometry, ValueTexts) {
  const struct {
    double Value;
    int Decimals;
    const char16_t* Text;
  } cases[] = {
      {10, 0, u"10"},          {3.14159, 2, u"3.14"},      {-2.25, 1, u"-2.3"},
      {0.5, 10, u"0.5000000000"}, {1500, -1, u" 1.5E+03"},   {-0.00123, -1, u"-1.2E-03"},
      {0, -1, u" 0.0E+00"},    {1e150, -1, u"********"},   {-2e-120, -1, u"********"},
      {1500, -2, u" 1.5E+0003"}, {-1e150, -2, u"-1.0E+0150"}, {99, 0, u"99"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BarValueText(c.Value, c.Decimals), c.Text) << c.Value << " " << c.Decimals;
  }
}

TEST(ProgBarGeometry, TextOriginsPerAlignmentAndAngle) {
  const vcl::TPoint a{100, 50};
  // A text 40 wide and 15 high: m = 20, t = 7.
  const struct {
    vcl::TAlignment Alignment;
    int Angle;
    int X, Y;
  } cases[] = {
      {vcl::taLeftJustify, 0, 100, 43},   {vcl::taCenter, 0, 80, 43},
      {vcl::taRightJustify, 0, 60, 43},   {vcl::taLeftJustify, 90, 93, 50},
      {vcl::taCenter, 90, 93, 70},        {vcl::taRightJustify, 90, 93, 90},
      {vcl::taCenter, 180, 120, 57},      {vcl::taCenter, 270, 107, 30},
      {vcl::taCenter, 360, 80, 43},
  };
  for (const auto& c : cases) {
    const vcl::TPoint p = TextOrigin(c.Alignment, a, 40, 15, c.Angle);
    EXPECT_EQ(p.X, c.X) << int(c.Alignment) << " at " << c.Angle;
    EXPECT_EQ(p.Y, c.Y) << int(c.Alignment) << " at " << c.Angle;
  }
}

}  // namespace
