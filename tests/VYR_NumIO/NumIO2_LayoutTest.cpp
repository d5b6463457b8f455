// The compound control's pure geometry: value <-> gauge pixel both ways,
// character offsets <-> x, the zones under the mouse, and stepping and
// snapping with pivots. (Caption, number and caret positions are checked
// by their pixels in NumIO2_PaintTest.)
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "VYR_NumIO/VYR_NumIO2Layout.h"

using namespace vyr::numio2;
using vcl::taCenter;
using vcl::taLeftJustify;
using vcl::taRightJustify;

namespace {

TLayout Gauge(int Left, int Width, int Height = 40) {
  TLayout l;
  l.Height = Height;
  l.GaugeVisible = true;
  l.GaugeLeftMargin = Left;
  l.GaugeWidth = Width;
  return l;
}

// ---------------------------------------------------------------- gauge

// Every pixel of the gauge stands for a value whose fill ends on that very
// pixel, for ranges of every kind.
TEST(NumIO2Layout, GaugePixelToValueAndBack) {
  struct Case { int Left, Width; double Low, High; };
  const Case cases[] = {{35, 82, 0, 1000}, {0, 10, -5, 5}, {7, 333, -1e6, 2.5},
                        {12, 99, 0.1, 0.2}, {3, 64, -1e300, 1e300}, {5, 50, -1e308, 1e308}};
  for (const Case& k : cases) {
    const TLayout l = Gauge(k.Left, k.Width);
    for (int x = k.Left; x <= k.Left + k.Width; ++x) {
      const double v = GaugeValueAt(l, x, k.Low, k.High);
      EXPECT_EQ(GaugeFillRight(l, GaugeFraction(v, k.Low, k.High)), x)
          << "x=" << x << " range " << k.Low << ".." << k.High;
    }
    // The ends of the gauge are the ends of the range.
    EXPECT_DOUBLE_EQ(GaugeValueAt(l, k.Left, k.Low, k.High), k.Low);
    EXPECT_DOUBLE_EQ(GaugeValueAt(l, k.Left + k.Width, k.Low, k.High), k.High);
  }
}

TEST(NumIO2Layout, GaugeFillIsClampedAndRoundsHalvesToEven) {
  const TLayout l = Gauge(10, 82);
  struct Case { double Value, Low, High; int Right; };
  const Case cases[] = {
      {-50, 0, 1000, 10},      // below the range: empty
      {5000, 0, 1000, 92},     // above: full
      {7, 7, 7, 92},           // equal limits: full
      {-7, 7, 7, 92},          // equal limits, value elsewhere: still full
      {500, 0, 1000, 51},      // 41
      {250, 0, 1000, 30},      // 20.5 rounds to 20
      {750, 0, 1000, 72},      // 61.5 rounds to 62
      {0, -1e308, 1e308, 51},  // limits at the ends of the double range
  };
  for (const Case& k : cases) {
    EXPECT_EQ(GaugeFillRight(l, GaugeFraction(k.Value, k.Low, k.High)), k.Right)
        << k.Value << " in " << k.Low << ".." << k.High;
  }
  EXPECT_DOUBLE_EQ(GaugeValueAt(Gauge(10, 0), 50, 3, 9), 3.0);  // no width: the low limit
}

// ---------------------------------------------------------------- text positions

// With characters of one width, the x of every offset leads back to it.
TEST(NumIO2Layout, CharacterOffsetsAndXCoordinatesAgree) {
  TLayout l;
  for (vcl::TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
    for (int len : {1, 4, 9}) {
      const int w = 7 * len;
      for (int k = 0; k <= len; ++k) {
        EXPECT_EQ(CharAtX(a, l, CharX(a, l, 7 * k, w), w, len), k) << a << " " << len << " " << k;
      }
      EXPECT_EQ(CharAtX(a, l, -500, w, len), 0);
      EXPECT_EQ(CharAtX(a, l, 500, w, len), len);
    }
  }
}

TEST(NumIO2Layout, CharacterOffsetStaysInTheTextForOddWidths) {
  TLayout l;
  EXPECT_EQ(CharAtX(taLeftJustify, l, 100, 0, 0), 0);    // empty text
  EXPECT_EQ(CharAtX(taLeftJustify, l, 100, 27, 4), 4);   // 27 div 4 = 6 would give 5
  EXPECT_EQ(CharAtX(taLeftJustify, l, 100, 3, 6), 3);    // narrower than a pixel each
  EXPECT_EQ(CharAtX(taCenter, l, 40, 3, 6), 0);
}

// ---------------------------------------------------------------- zones

TEST(NumIO2Layout, ButtonZonesExcludeTheirEdges) {
  TLayout l;
  l.ButVisible = true;  // xb = 118, 18 wide, 28 high
  struct Case { int X, Y; TButtonHit Hit; };
  const Case cases[] = {{118, 5, bhNone}, {119, 5, bhUp},   {135, 5, bhUp},  {136, 5, bhNone},
                        {125, 0, bhNone}, {125, 1, bhUp},   {125, 14, bhUp}, {125, 15, bhDown},
                        {125, 27, bhDown}, {125, 28, bhNone}};
  for (const Case& k : cases) EXPECT_EQ(ButtonAt(l, k.X, k.Y), k.Hit) << k.X << "," << k.Y;
  l.ButVisible = false;
  EXPECT_EQ(ButtonAt(l, 125, 5), bhNone);
}

TEST(NumIO2Layout, GaugeZonesForPressAndDrag) {
  const TLayout l = Gauge(35, 82);  // strip ends at 40 - 12 = 28
  EXPECT_EQ(StripBottom(l), 28);
  EXPECT_FALSE(GaugePressAt(l, 50, 28));
  EXPECT_TRUE(GaugePressAt(l, 50, 29));
  EXPECT_TRUE(GaugePressAt(l, 35, 35));
  EXPECT_TRUE(GaugePressAt(l, 117, 35));
  EXPECT_FALSE(GaugePressAt(l, 34, 35));
  EXPECT_FALSE(GaugePressAt(l, 118, 35));
  EXPECT_TRUE(GaugeDragAt(l, 34, 35));
  EXPECT_TRUE(GaugeDragAt(l, 118, 35));
  EXPECT_FALSE(GaugeDragAt(l, 33, 35));
  EXPECT_FALSE(GaugeDragAt(l, 119, 35));
  EXPECT_TRUE(InTextStrip(l, 27));
  EXPECT_FALSE(InTextStrip(l, 28));
  EXPECT_FALSE(InTextStrip(l, 0));
  TLayout hidden = l;
  hidden.GaugeVisible = false;
  EXPECT_FALSE(GaugePressAt(hidden, 50, 35));
  EXPECT_TRUE(InTextStrip(hidden, 35));
  EXPECT_EQ(MouseArea(l, 35), 0);
  EXPECT_EQ(MouseArea(l, 36), 1);
  EXPECT_EQ(MouseArea(l, 115), 1);
  EXPECT_EQ(MouseArea(l, 116), 2);
}

// ---------------------------------------------------------------- pivots

TEST(NumIO2Layout, StepsWithAndWithoutPivots) {
  const std::vector<double> p = {0, 10, 20};
  const double e = 0.01;
  struct Case { double V; bool Up; double Result; };
  const Case withPivots[] = {
      {10, true, 20}, {10, false, 0},  {14, false, 10},  {14, true, 20},   {16, true, 20},
      {16, false, 10}, {10.005, false, 0}, {9.995, true, 20}, {20, true, 20}, {0, false, 0},
      {-5, true, 0},  {-5, false, -5},  {25, false, 20}, {25, true, 25},   {5, true, 10},
      {5, false, 0},  // equal distance: the earlier pivot is nearest
  };
  for (const Case& k : withPivots) {
    EXPECT_DOUBLE_EQ(StepValue(p, k.V, k.Up, 1.0, e, 0, 1000), k.Result) << k.V << (k.Up ? " up" : " down");
  }
  // Pivots are not limited by the range.
  EXPECT_DOUBLE_EQ(StepValue({0, 5000}, 0, true, 1.0, e, 0, 1000), 5000.0);
  const Case plain[] = {{0, true, 2.5}, {0, false, 0}, {999, true, 1000}, {-40, true, 0}, {500, false, 497.5}};
  for (const Case& k : plain) EXPECT_DOUBLE_EQ(StepValue({}, k.V, k.Up, 2.5, e, 0, 1000), k.Result) << k.V;
}

TEST(NumIO2Layout, GaugeSnapsToTheNearestPivotWithinTheRange) {
  const std::vector<double> p = {0, 10, 2000};
  EXPECT_EQ(NearestPivot(p, 4.9), 0);
  EXPECT_EQ(NearestPivot(p, 5), 0);
  EXPECT_EQ(NearestPivot(p, 5.1), 1);
  EXPECT_EQ(NearestPivot({}, 5), -1);
  EXPECT_DOUBLE_EQ(GaugeSnap(p, 7, 0, 1000), 10.0);
  EXPECT_DOUBLE_EQ(GaugeSnap(p, 1900, 0, 1000), 1000.0);  // the pivot beyond the range is cut
  EXPECT_DOUBLE_EQ(GaugeSnap({}, 1900, 0, 1000), 1000.0);
  EXPECT_DOUBLE_EQ(GaugeSnap({}, 12.34, 0, 1000), 12.34);
}

}  // namespace
