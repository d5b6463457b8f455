// Base package: color helpers. System colors are converted with
// ColorToRGB before their bytes are used.
#pragma once

#include <array>

#include "platform/Color.h"

namespace vyr {

// Brightness of a color, 0 (black) .. 255 (white): 0.299 R + 0.587 G +
// 0.114 B, rounded.
int ColorToGray(vcl::TColor Color);

// Hue H in degrees (0 <= H < 360; 0 for grays), saturation S and
// lightness L, both 0..1.
void ColorToHSL(vcl::TColor Color, double& H, double& S, double& L);

// The color of hue H (degrees, any value: taken modulo 360), saturation S
// and lightness L (both clamped to 0..1; NaN counts as 0). Converting a
// color to HSL and back gives the same color.
vcl::TColor HSLtoColor(double H, double S, double L);

// Each of red, green and blue the mean of the two colors' (rounded down).
vcl::TColor MeanColor(vcl::TColor First, vcl::TColor Second);

// The standard palette, indexed 1..47 (entry 0 is clNone): 1-16 the
// sixteen basic VGA colors, 17-20 clMoneyGreen, clSkyBlue, clCream and
// clMedGray, 21-47 the first 27 system colors in the order of their
// numbers (clScrollBar .. clInfoBk, clHotLight, clGradientActiveCaption).
extern const std::array<vcl::TColor, 48> PredefinedColors;

}  // namespace vyr
