#include <cmath>
#include <limits>

#include "RuntimeTestSupport.h"
#include "platform/Math.h"

using namespace vcl;

TEST(Rounding, RoundGoesHalfToEven) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.4999999), 2);
  EXPECT_EQ(Round(-2.5000001), -3);
  EXPECT_EQ(Round(0.49999999999999994), 0);                // just below a half: no rounding up
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497);  // integers beyond 2^52 stay exact
  EXPECT_EQ(Round(-9.2e18), -9200000000000000000);
}

TEST(Rounding, OutOfRangeAndNaNRaise) {
  EXPECT_THROW(Round(std::nan("")), EInvalidOp);
  EXPECT_THROW(Round(1e19), EInvalidOp);
  EXPECT_THROW(Trunc(std::numeric_limits<double>::infinity()), EInvalidOp);
  EXPECT_THROW(Ceil(3e9), EInvalidOp);
  EXPECT_THROW(Floor(-3e9), EInvalidOp);
  EXPECT_THROW(Round(1e19), EMathError);  // the family's root catches it too
}

TEST(Rounding, TruncIntFracCeilFloor) {
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(2.7), 2);
  EXPECT_DOUBLE_EQ(Int(-2.7), -2.0);
  EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
  EXPECT_DOUBLE_EQ(Frac(2.75), 0.75);
  EXPECT_DOUBLE_EQ(Int(5.0) + Frac(5.0), 5.0);
  EXPECT_EQ(Ceil(1.2), 2);
  EXPECT_EQ(Ceil(-1.2), -1);
  EXPECT_EQ(Ceil(3.0), 3);
  EXPECT_EQ(Floor(-1.2), -2);
  EXPECT_EQ(Floor(1.9), 1);
}

TEST(MathHelpers, PowerAndLogs) {
  EXPECT_DOUBLE_EQ(Power(2, 10), 1024.0);
  EXPECT_DOUBLE_EQ(Power(0, 0), 1.0);
  EXPECT_DOUBLE_EQ(Power(-2, 3), -8.0);
  EXPECT_TRUE(IsNan(Power(-8, 1.0 / 3)));
  EXPECT_DOUBLE_EQ(Log10(1000), 3.0);
  EXPECT_TRUE(IsInfinite(Log10(0)));
  EXPECT_FALSE(IsInfinite(1e308));
}

TEST(MathHelpers, SameValueTolerance) {
  EXPECT_TRUE(SameValue(1.0, 1.0 + 1e-13));
  EXPECT_FALSE(SameValue(1.0, 1.001));
  EXPECT_TRUE(SameValue(1.0, 1.001, 0.01));
  EXPECT_TRUE(SameValue(1e20, 1e20 * (1 + 1e-14)));  // relative for large magnitudes
  EXPECT_FALSE(SameValue(0.0, 1e-9));
}

TEST(MathHelpers, MinMaxRangesAndSign) {
  EXPECT_DOUBLE_EQ(Min(2, 3.5), 2.0);
  EXPECT_DOUBLE_EQ(Max(2, 3.5), 3.5);
  EXPECT_EQ(Min(-1, 4), -1);
  EXPECT_EQ(EnsureRange(5, 1, 3), 3);
  EXPECT_EQ(EnsureRange(-5, 1, 3), 1);
  EXPECT_DOUBLE_EQ(EnsureRange(2.5, 1, 3), 2.5);
  EXPECT_TRUE(InRange(3, 1, 3));
  EXPECT_FALSE(InRange(3.01, 1, 3));
  EXPECT_EQ(Sign(-0.1), -1);
  EXPECT_EQ(Sign(0.0), 0);
  EXPECT_EQ(Sign(std::nan("")), 0);
}
