// The meter's pure geometry: layouts, value ↔ fraction ↔ angle ↔ pixel,
// tick steps and positions, the needle outline and labels.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <string>

#include "VYR_Meter/VYR_MeterGeometry.h"

namespace {

using namespace vyr;
using namespace vyr::meter;
using vcl::TPoint;

constexpr double kDeg = std::numbers::pi / 180;
const TMeterLayout kLayouts[] = {mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360};
const int kAngles[] = {90, 120, 180, 270, 300, 360};

// ---------------------------------------------------------------- tick steps

TEST(MeterTicks, StepsAreOneTwoOrFiveTimesAPowerOfTenJustBelowTheRawStep) {
  const struct {
    int N;
    double P, Q;
    double Step, First;
    int Sub;
  } cases[] = {
      {5, 0, 100, 10, 0, 5},      // raw 20: a mantissa of exactly 2 is taken as 1
      {5, 0, 110, 20, 0, 4},      // raw 22
      {3, 0, 1, 0.2, 0, 4},       // raw 0.333
      {4, 0, 200, 20, 0, 4},      // raw 50: exactly 5 is taken as 2
      {2, -1, 1, 1, -1, 5},       // raw 1
      {3, 0.5, 7.3, 2, 2, 4},     // raw 2.27; the first multiple of 2 after 0.5
      {7, -20, 120, 10, -20, 5},  // raw 20
      {10, 0, 1000, 100, 0, 5},   // raw 100: whole powers keep mantissa 1
      {3, 0, 0.0009, 0.0002, 0, 4},
      {21, 3, 4, 0.02, 3, 4},     // raw 0.0476
      {5, 100, 0, -10, 100, 5},   // a falling range steps downwards
  };
  for (const auto& c : cases) {
    const TScaleTicks t = CalcScaleTicks(c.N, c.P, c.Q);
    SCOPED_TRACE(std::to_string(c.N) + " " + std::to_string(c.P) + ".." + std::to_string(c.Q));
    EXPECT_NEAR(t.Step, c.Step, std::fabs(c.Step) * 1E-12);
    EXPECT_NEAR(t.First, c.First, std::fabs(c.Step) * 1E-9);
    EXPECT_EQ(t.Sub, c.Sub);
  }
}

TEST(MeterTicks, RangesWithoutExtentOrFiniteEndsHaveNoStep) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double P, Q;
  } cases[] = {{5, 5}, {0, inf}, {-1E308, 1E308}, {std::nan(""), 1}};
  for (const auto& c : cases) {
    const TScaleTicks t = CalcScaleTicks(3, c.P, c.Q);
    EXPECT_EQ(t.Step, 0) << c.P << ".." << c.Q;
    // Such a scale still shows one labelled tick at its start.
    const auto ticks = ScaleTicks({c.P, c.Q, false}, 3, true);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_TRUE(ticks[0].Labeled);
  }
}

// Every minor tick lies strictly between major ticks, inside the range,
// Sub - 1 of them per step; every major tick is labelled.
TEST(MeterTicks, LinearScalesSubdivideEachStep) {
  const struct {
    double Min, Max;
    int N;
  } cases[] = {{0, 100, 5}, {0, 110, 5}, {0, 1, 3}, {-20, 120, 7}, {0.5, 7.3, 3}, {-3, -1, 4}};
  for (const auto& c : cases) {
    const TScaleRange s{c.Min, c.Max, false};
    const TScaleTicks t = CalcScaleTicks(c.N, c.Min, c.Max);
    int majors = 0, minors = 0;
    for (const TTick& tick : ScaleTicks(s, c.N, true)) {
      const double k = (tick.Value - t.First) / t.Step;
      const bool onStep = std::fabs(k - std::nearbyint(k)) < 1E-6;
      EXPECT_GE(tick.Value, c.Min - 1E-9 * t.Step);
      EXPECT_LE(tick.Value, c.Max + 1E-3 * t.Step);
      EXPECT_EQ(tick.Major, onStep) << tick.Value;
      EXPECT_EQ(tick.Labeled, tick.Major);
      (tick.Major ? majors : minors)++;
    }
    const int steps = static_cast<int>(std::floor((c.Max - t.First) / t.Step + 1E-9));
    EXPECT_EQ(majors, steps + 1) << c.Min << ".." << c.Max;
    // Minor ticks of the whole steps, plus those before the first major tick
    // and after the last one that stay inside the range.
    int expectedMinors = steps * (t.Sub - 1);
    for (int j = 1; j < t.Sub; ++j) {
      if (t.First - j * t.Step / t.Sub >= c.Min) ++expectedMinors;
      if (t.First + (steps + 1) * t.Step - j * t.Step / t.Sub <= c.Max + 1E-3 * t.Step / t.Sub) {
        ++expectedMinors;
      }
    }
    EXPECT_EQ(minors, expectedMinors) << c.Min << ".." << c.Max;
  }
  // Without short ticks only the major ones remain.
  for (const TTick& tick : ScaleTicks({0, 100, false}, 5, false)) EXPECT_TRUE(tick.Major);
}

TEST(MeterTicks, LogarithmicDecadesTickEveryDigitAndLabelOneTwoFive) {
  const struct {
    double Min, Max;
    std::set<double> Labels;
    int Majors;
  } cases[] = {
      {1, 1000, {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}, 28},
      {0.01, 10, {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10}, 28},
      {3, 300, {5, 10, 20, 50, 100, 200}, 7 + 9 + 3},  // 3..9, 10..90, 100..300
      {1, 10, {1, 2, 5, 10}, 10},
  };
  for (const auto& c : cases) {
    std::set<double> labels;
    int majors = 0;
    for (const TTick& tick : ScaleTicks({c.Min, c.Max, true}, 3, false)) {
      ASSERT_TRUE(tick.Major);
      ++majors;
      // Each tick is a digit times a power of ten.
      const double digit = tick.Value / std::pow(10.0, std::floor(std::log10(tick.Value) + 1E-9));
      EXPECT_NEAR(digit, std::nearbyint(digit), 1E-9) << tick.Value;
      if (tick.Labeled) labels.insert(tick.Value);
    }
    EXPECT_EQ(majors, c.Majors) << c.Min << ".." << c.Max;
    ASSERT_EQ(labels.size(), c.Labels.size()) << c.Min << ".." << c.Max;
    auto want = c.Labels.begin();
    for (double got : labels) EXPECT_NEAR(got, *want++, 1E-9 * got);
  }
}

TEST(MeterTicks, LogarithmicScalesBelowADecadeUseTheLinearSteps) {
  const auto ticks = ScaleTicks({2, 9, true}, 3, false);
  const TScaleTicks t = CalcScaleTicks(3, 2, 9);
  ASSERT_EQ(ticks.size(), 4u);  // raw step 2.33 gives 2: 2, 4, 6, 8
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_DOUBLE_EQ(ticks[i].Value, t.First + static_cast<double>(i) * t.Step);
    EXPECT_TRUE(ticks[i].Labeled);
  }
}

TEST(MeterTicks, HugeValuesWithTinyStepsEndTheirLoops) {
  const auto ticks = ScaleTicks({1E20, 1E20 + 1E5, false}, 21, true);
  EXPECT_LE(ticks.size(), 20000u);
  // Six hundred decades are cut off at a few thousand ticks.
  const auto wide = ScaleTicks({1E-300, 1E300, true}, 3, false);
  EXPECT_GT(wide.size(), 1000u);
  EXPECT_LE(wide.size(), 5010u);
}

// ---------------------------------------------------------------- layouts

TEST(MeterLayouts, TheGivenLayoutsFollowTheirFormulas) {
  const TRims rims;  // 8, 10, 10
  const TGeometry g90 = LayoutGeometry(mlCirc90, 297, 209, rims);
  EXPECT_EQ(g90, (TGeometry{90, 175, 148, 191}));
  const TGeometry g120 = LayoutGeometry(mlCirc120, 297, 209, rims);
  EXPECT_EQ(g120.Angle, 120);
  EXPECT_DOUBLE_EQ(g120.Radius, (297 / 2.0 - 18) * 1.1547);
  EXPECT_EQ(g120.CY, 191);
  const TGeometry g300 = LayoutGeometry(mlCirc300, 297, 209, rims);
  EXPECT_DOUBLE_EQ(g300.Radius, 175 / 1.866);
  EXPECT_EQ(g300.CY, RoundHalfEven(16 + 175 / 1.866));
  // A wide and low meter is bounded by its height, a narrow one by its width.
  EXPECT_DOUBLE_EQ(LayoutGeometry(mlCirc300, 800, 200, rims).Radius, 166 / 1.866);
  EXPECT_DOUBLE_EQ(LayoutGeometry(mlCirc300, 120, 600, rims).Radius, 60 - 18);
}

// Every layout keeps its arc, its labels' anchors and (from 270 degrees on)
// the anchor disc inside the rims, for meters of many shapes.
TEST(MeterLayouts, ArcLabelsAndAnchorStayInsideTheRims) {
  const struct {
    int W, H;
  } sizes[] = {{297, 209}, {800, 600}, {200, 400}, {600, 180}, {150, 150}};
  const TRims rims{8, 10, 10};
  for (const auto& size : sizes) {
    for (TMeterLayout layout : kLayouts) {
      const TGeometry g = LayoutGeometry(layout, size.W, size.H, rims);
      SCOPED_TRACE(std::to_string(size.W) + "x" + std::to_string(size.H) + " layout " +
                   std::to_string(layout));
      ASSERT_GT(g.Radius, 24);
      EXPECT_EQ(g.Angle, kAngles[layout]);
      auto inside = [&](TPoint p, int Margin) {
        EXPECT_GE(p.X, rims.Side + Margin);
        EXPECT_LT(p.X, size.W - rims.Side - Margin);
        EXPECT_GE(p.Y, rims.Top + Margin);
        EXPECT_LT(p.Y, size.H - rims.Bottom - Margin);
      };
      // The quarter circle takes only the height into account, so it fits
      // meters at least 1.42 times as wide as high.
      if (layout == mlCirc90 && size.W < size.H * 1.42) continue;
      for (int i = 0; i <= 100; ++i) {
        const double theta = ThetaOf(g, i / 100.0);
        inside(PointAt(g, theta, g.Radius), 6);
        // A label of up to 40 × 14 pixels around its anchor.
        const TPoint a = LabelAnchor(g, theta, 20 + 15, 7 + 15);
        inside({a.X - 20, a.Y - 7}, 0);
        inside({a.X + 20, a.Y + 7}, 0);
      }
      if (layout >= mlCirc270) {
        inside({g.CX - 24, g.CY - 24}, 0);
        inside({g.CX + 24, g.CY + 24}, 0);
      }
    }
  }
}

TEST(MeterLayouts, TooLittleRoomGivesNoRadius) {
  for (TMeterLayout layout : kLayouts) {
    EXPECT_LE(LayoutGeometry(layout, 297, 30, TRims{}).Radius, 0) << layout;
    EXPECT_LE(LayoutGeometry(layout, 297, 0, TRims{}).Radius, 0) << layout;
  }
  for (TMeterLayout layout : {mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360}) {
    EXPECT_LE(LayoutGeometry(layout, 30, 209, TRims{}).Radius, 0) << layout;
  }
}

// ---------------------------------------------------------------- mapping

TEST(MeterMapping, FractionsClampAndDegenerateRangesGiveZero) {
  const struct {
    TScaleRange S;
    double V, F;
  } cases[] = {
      {{0, 100, false}, 25, 0.25},
      {{0, 100, false}, -5, 0},
      {{0, 100, false}, 500, 1},
      {{-50, 50, false}, 0, 0.5},
      {{1, 1000, true}, 10, 1 / 3.0},
      {{1, 1000, true}, 0.5, 0},
      {{0, 1000, true}, 10, 0.01},  // a minimum of 0 keeps the scale linear
      {{5, 5, false}, 5, 0},
      {{5, 4, false}, 4.5, 0},
      {{0, 1, false}, std::nan(""), 0},
      {{0, 1, false}, std::numeric_limits<double>::infinity(), 1},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ValueToFraction(c.S, c.V), c.F, 1E-12) << c.S.Min << ".." << c.S.Max << " " << c.V;
  }
}

TEST(MeterMapping, AnglesRunClockwiseFromMinToMax) {
  for (TMeterLayout layout : kLayouts) {
    const TGeometry g = LayoutGeometry(layout, 297, 209, TRims{});
    EXPECT_DOUBLE_EQ(NeedleAngleOf(g, 0), 180 - g.Angle / 2.0);
    EXPECT_DOUBLE_EQ(NeedleAngleOf(g, 0.5), 180);
    EXPECT_DOUBLE_EQ(NeedleAngleOf(g, 1), 180 + g.Angle / 2.0);
    EXPECT_DOUBLE_EQ(ThetaOf(g, 0), 90 + g.Angle / 2.0);
    EXPECT_DOUBLE_EQ(ThetaOf(g, 1), 90 - g.Angle / 2.0);
  }
}

// A pixel in the direction of a value, anywhere along the radius, maps back
// to that value within what one pixel of angle amounts to.
TEST(MeterMapping, PixelsMapBackToTheirValuesInEveryLayout) {
  const TScaleRange ranges[] = {{0, 100, false}, {-5, 5, false}, {1, 10000, true}};
  for (TMeterLayout layout : kLayouts) {
    const TGeometry g = LayoutGeometry(layout, 400, 300, TRims{});
    for (const TScaleRange& s : ranges) {
      for (int i = 1; i < 40; ++i) {
        const double f = i / 40.0;
        const double r = g.Radius * (0.3 + 0.7 * (i % 3) / 2);
        const TPoint p = PointAt(g, ThetaOf(g, f), r);
        double v = -1;
        ASSERT_TRUE(PixelToValue(g, s, p.X, p.Y, v)) << layout << " f=" << f;
        // One pixel at distance r is 1/r radians of the arc.
        const double df = 1.0 / r / (g.Angle * kDeg);
        EXPECT_NEAR(ValueToFraction(s, v), f, df) << layout << " f=" << f;
      }
    }
  }
}

TEST(MeterMapping, PixelsOutsideTheArcGiveFalseAndZero) {
  const TScaleRange s{10, 20, false};
  for (TMeterLayout layout : kLayouts) {
    const TGeometry g = LayoutGeometry(layout, 400, 300, TRims{});
    double v = -1;
    // Straight above the centre (and the centre itself) is the middle.
    EXPECT_TRUE(PixelToValue(g, s, g.CX, g.CY - 50, v));
    EXPECT_DOUBLE_EQ(v, 15);
    EXPECT_TRUE(PixelToValue(g, s, g.CX, g.CY, v));
    EXPECT_DOUBLE_EQ(v, 15);
    // Straight below lies in the gap of every layout but the full circle.
    v = -1;
    const bool below = PixelToValue(g, s, g.CX, g.CY + 40, v);
    EXPECT_EQ(below, layout == mlCirc360) << layout;
    if (!below) {
      EXPECT_EQ(v, 0);
    }
    // Just beyond the ends, by two degrees.
    for (double beyond : {ThetaOf(g, 0) + 2, ThetaOf(g, 1) - 2}) {
      if (layout == mlCirc360) continue;
      const TPoint p = PointAt(g, beyond, 100);
      EXPECT_FALSE(PixelToValue(g, s, p.X, p.Y, v)) << layout << " " << beyond;
      EXPECT_EQ(v, 0);
    }
  }
  // Horizontal directions are the ends of the half circle.
  const TGeometry half = LayoutGeometry(mlCirc180, 400, 300, TRims{});
  double v = 0;
  ASSERT_TRUE(PixelToValue(half, s, half.CX - 30, half.CY, v));
  EXPECT_DOUBLE_EQ(v, 10);
  ASSERT_TRUE(PixelToValue(half, s, half.CX + 30, half.CY, v));
  EXPECT_DOUBLE_EQ(v, 20);
}

// ---------------------------------------------------------------- needle

TEST(MeterNeedle, OutlinePointsFollowTheirDefinition) {
  const TGeometry g{180, 104, 100, 150};
  // Upwards: tip 100 pixels above the pivot, barbs at ±45° behind it.
  const auto up = NeedlePolygon(g, 90, {20, 90, 20, 4, 100});
  const std::array<TPoint, 7> want = {TPoint{114, 64}, {100, 50}, {86, 64}, {98, 70},
                                      {98, 150},       {102, 150}, {102, 70}};
  EXPECT_EQ(up, want);
  // To the right, half length: the tip at 50 pixels; thickness 0 puts both
  // sides of the body on the axis.
  const auto right = NeedlePolygon(g, 0, {10, 60, 12, 0, 50});
  const double s30 = 10 * std::sin(30 * kDeg), c30 = 10 * std::cos(30 * kDeg);
  EXPECT_EQ(right[1], (TPoint{150, 150}));
  EXPECT_EQ(right[0], (TPoint{RoundHalfEven(150 - c30), RoundHalfEven(150 + s30)}));
  EXPECT_EQ(right[2], (TPoint{RoundHalfEven(150 - c30), RoundHalfEven(150 - s30)}));
  EXPECT_EQ(right[3], (TPoint{138, 150}));
  EXPECT_EQ(right[3], right[6]);
  EXPECT_EQ(right[4], right[5]);
  EXPECT_EQ(right[4], (TPoint{100, 150}));
}

TEST(MeterNeedle, ZeroLengthAndZeroHeadAngleCollapse) {
  const TGeometry g{90, 175, 148, 191};
  const auto none = NeedlePolygon(g, 120, {20, 30, 20, 0, 0});
  EXPECT_EQ(none[1], (TPoint{148, 191}));  // the tip on the pivot
  const auto closed = NeedlePolygon(g, 120, {20, 0, 20, 0, 100});
  EXPECT_EQ(closed[0], closed[2]);  // both barbs on the axis
  const double len = 20;
  const TPoint tip = closed[1];
  EXPECT_EQ(closed[0], (TPoint{RoundHalfEven(tip.X - len * std::cos(120 * kDeg)),
                               RoundHalfEven(tip.Y + len * std::sin(120 * kDeg))}));
  const vcl::TRect box = PointsBounds(closed);
  for (const TPoint& p : closed) EXPECT_TRUE(box.Contains(p));
  EXPECT_EQ(box.Right, std::max({closed[0].X, closed[1].X, closed[4].X}) + 1);
}

// ---------------------------------------------------------------- labels

TEST(MeterLabels, FixedDecimalsWithoutANegativeZero) {
  const struct {
    double V;
    int Dec;
    const char16_t* Text;
  } cases[] = {{0.2, 1, u"0.2"}, {1000, 0, u"1000"}, {-1E-17, 1, u"0.0"}, {-0.04, 1, u"0.0"},
               {-0.06, 1, u"-0.1"}, {0.6000000000000001, 1, u"0.6"}, {12.5, 4, u"12.5000"},
               {-20, 0, u"-20"}};
  for (const auto& c : cases) EXPECT_EQ(TickLabel(c.V, c.Dec), c.Text) << c.V;
}

TEST(MeterLabels, AnchorsAreSetInFromTheArc) {
  const TGeometry g{180, 100, 150, 120};
  EXPECT_EQ(LabelAnchor(g, 90, 30, 20), (TPoint{150, 40}));
  EXPECT_EQ(LabelAnchor(g, 180, 30, 20), (TPoint{80, 120}));
  EXPECT_EQ(LabelAnchor(g, 0, 30, 20), (TPoint{220, 120}));
}

}  // namespace
