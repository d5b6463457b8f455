#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "companion/mathpack/VYR_math1.h"

using namespace vyr;

TEST(Math1, IntNegIsFloor) {
  EXPECT_EQ(IntNeg(2.7), 2);
  EXPECT_EQ(IntNeg(-2.1), -3);
  EXPECT_EQ(IntNeg(-3.0), -3);
  EXPECT_EQ(IntNeg(1e300), INT_MAX);
  EXPECT_EQ(IntNeg(NAN), 0);
}

TEST(Math1, IsValidDecInt) {
  EXPECT_TRUE(IsValidDecInt(u"42"));
  EXPECT_TRUE(IsValidDecInt(u" -17 "));
  EXPECT_TRUE(IsValidDecInt(u"-2147483648"));
  EXPECT_FALSE(IsValidDecInt(u"2147483648"));
  EXPECT_FALSE(IsValidDecInt(u""));
  EXPECT_FALSE(IsValidDecInt(u"-"));
  EXPECT_FALSE(IsValidDecInt(u"1.5"));
  EXPECT_FALSE(IsValidDecInt(u"0x1F"));
}
