#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "companion/basepack/VYR_vyrcolors.h"

using namespace vyr;
using vcl::TColor;

TEST(Colors, GrayFollowsTheLuminanceWeights) {
  EXPECT_EQ(ColorToGray(vcl::clBlack), 0);
  EXPECT_EQ(ColorToGray(vcl::clWhite), 255);
  EXPECT_EQ(ColorToGray(vcl::clRed), 76);    // 0.299 * 255
  EXPECT_EQ(ColorToGray(vcl::clLime), 150);  // 0.587 * 255
  EXPECT_EQ(ColorToGray(vcl::clBlue), 29);   // 0.114 * 255
  EXPECT_EQ(ColorToGray(vcl::RGB(96, 96, 96)), 96);
  // System colors are converted first: clBtnFace is F0F0F0.
  EXPECT_EQ(ColorToGray(vcl::clBtnFace), 240);
}

TEST(Colors, HslOfKnownColors) {
  double h, s, l;
  ColorToHSL(vcl::clRed, h, s, l);
  EXPECT_DOUBLE_EQ(h, 0);
  EXPECT_DOUBLE_EQ(s, 1);
  EXPECT_DOUBLE_EQ(l, 0.5);
  ColorToHSL(vcl::clNavy, h, s, l);  // 000080
  EXPECT_DOUBLE_EQ(h, 240);
  EXPECT_DOUBLE_EQ(s, 1);
  EXPECT_NEAR(l, 128.0 / 510, 1e-12);
  ColorToHSL(vcl::clGray, h, s, l);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);
  EXPECT_NEAR(l, 128.0 / 255, 1e-12);
  ColorToHSL(vcl::RGB(255, 0, 128), h, s, l);  // just short of red again
  EXPECT_GT(h, 329);
  EXPECT_LT(h, 360);
}

TEST(Colors, HslRoundTripsEveryColorOfAGrid) {
  for (int r = 0; r < 256; r += 15)
    for (int g = 0; g < 256; g += 17)
      for (int b = 0; b < 256; b += 5) {
        TColor c = vcl::RGB(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                            static_cast<std::uint8_t>(b));
        double h, s, l;
        ColorToHSL(c, h, s, l);
        ASSERT_TRUE(h >= 0 && h < 360 && s >= 0 && s <= 1 && l >= 0 && l <= 1);
        ASSERT_EQ(HSLtoColor(h, s, l), c) << r << "," << g << "," << b;
      }
}

TEST(Colors, HslInputsOutsideTheirRange) {
  EXPECT_EQ(HSLtoColor(360 + 120, 1, 0.5), vcl::clLime);
  EXPECT_EQ(HSLtoColor(-120, 1, 0.5), vcl::clBlue);
  EXPECT_EQ(HSLtoColor(0, 5, 2), vcl::clWhite);
  EXPECT_EQ(HSLtoColor(0, -1, 0.5), vcl::RGB(128, 128, 128));
  EXPECT_EQ(HSLtoColor(NAN, NAN, NAN), vcl::clBlack);
  // Lightening as the color button does it keeps the hue.
  double h, s, l;
  ColorToHSL(vcl::clMaroon, h, s, l);
  TColor light = HSLtoColor(h, s, (l + 1) / 2);
  // L = 128/510, L' = (L + 1) / 2; full saturation gives red 255 and
  // green = blue = 255 (2 L' - 1) = 64.
  EXPECT_EQ(light, vcl::RGB(255, 64, 64));
}

TEST(Colors, MeanColorPerChannel) {
  EXPECT_EQ(MeanColor(vcl::RGB(10, 20, 31), vcl::RGB(20, 40, 60)), vcl::RGB(15, 30, 45));
  EXPECT_EQ(MeanColor(vcl::clBtnFace, vcl::clBlack), vcl::RGB(120, 120, 120));
}

TEST(Colors, PredefinedPalette) {
  EXPECT_EQ(PredefinedColors[1], vcl::clBlack);
  EXPECT_EQ(PredefinedColors[16], vcl::clWhite);
  EXPECT_EQ(PredefinedColors[17], vcl::clMoneyGreen);
  EXPECT_EQ(PredefinedColors[20], vcl::clMedGray);
  EXPECT_EQ(PredefinedColors[21], vcl::clScrollBar);
  EXPECT_EQ(PredefinedColors[47], vcl::clGradientActiveCaption);
  std::set<TColor> distinct(PredefinedColors.begin() + 1, PredefinedColors.end());
  EXPECT_EQ(distinct.size(), 47u);
  for (int i = 21; i <= 47; ++i) EXPECT_EQ(PredefinedColors[i] & 0xFF000000u, 0xFF000000u) << i;
}
