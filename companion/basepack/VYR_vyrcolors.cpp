#include "companion/basepack/VYR_vyrcolors.h"

#include <algorithm>
#include <cmath>

namespace vyr {

using vcl::TColor;

int ColorToGray(TColor Color) {
  TColor c = vcl::ColorToRGB(Color);
  return (299 * vcl::GetRValue(c) + 587 * vcl::GetGValue(c) + 114 * vcl::GetBValue(c) + 500) / 1000;
}

void ColorToHSL(TColor Color, double& H, double& S, double& L) {
  TColor c = vcl::ColorToRGB(Color);
  const double r = vcl::GetRValue(c) / 255.0, g = vcl::GetGValue(c) / 255.0, b = vcl::GetBValue(c) / 255.0;
  const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), d = hi - lo;
  L = (hi + lo) / 2;
  if (d == 0) {
    H = 0;
    S = 0;
    return;
  }
  S = L <= 0.5 ? d / (hi + lo) : d / (2 - hi - lo);
  double h;
  if (hi == r)
    h = (g - b) / d + (g < b ? 6 : 0);
  else if (hi == g)
    h = (b - r) / d + 2;
  else
    h = (r - g) / d + 4;
  H = h * 60;
  if (H >= 360) H -= 360;
}

namespace {

double Clamp01(double X) { return std::isnan(X) ? 0.0 : std::clamp(X, 0.0, 1.0); }

// One channel of an HSL color: T is the channel's hue position in turns.
double HueChannel(double P, double Q, double T) {
  if (T < 0) T += 1;
  if (T > 1) T -= 1;
  if (T < 1.0 / 6) return P + (Q - P) * 6 * T;
  if (T < 0.5) return Q;
  if (T < 2.0 / 3) return P + (Q - P) * (2.0 / 3 - T) * 6;
  return P;
}

std::uint8_t ToByte(double X) { return static_cast<std::uint8_t>(std::lround(Clamp01(X) * 255)); }

}  // namespace

TColor HSLtoColor(double H, double S, double L) {
  S = Clamp01(S);
  L = Clamp01(L);
  double h = std::isfinite(H) ? std::fmod(H, 360.0) : 0.0;
  if (h < 0) h += 360;
  h /= 360;
  if (S == 0) return vcl::RGB(ToByte(L), ToByte(L), ToByte(L));
  const double q = L < 0.5 ? L * (1 + S) : L + S - L * S, p = 2 * L - q;
  return vcl::RGB(ToByte(HueChannel(p, q, h + 1.0 / 3)), ToByte(HueChannel(p, q, h)),
                  ToByte(HueChannel(p, q, h - 1.0 / 3)));
}

TColor MeanColor(TColor First, TColor Second) {
  TColor a = vcl::ColorToRGB(First), b = vcl::ColorToRGB(Second);
  return vcl::RGB(static_cast<std::uint8_t>((vcl::GetRValue(a) + vcl::GetRValue(b)) / 2),
                  static_cast<std::uint8_t>((vcl::GetGValue(a) + vcl::GetGValue(b)) / 2),
                  static_cast<std::uint8_t>((vcl::GetBValue(a) + vcl::GetBValue(b)) / 2));
}

const std::array<TColor, 48> PredefinedColors = {
    vcl::clNone,
    // the sixteen basic VGA colors
    vcl::clBlack, vcl::clMaroon, vcl::clGreen, vcl::clOlive, vcl::clNavy, vcl::clPurple, vcl::clTeal,
    vcl::clGray, vcl::clSilver, vcl::clRed, vcl::clLime, vcl::clYellow, vcl::clBlue, vcl::clFuchsia,
    vcl::clAqua, vcl::clWhite,
    // four more
    vcl::clMoneyGreen, vcl::clSkyBlue, vcl::clCream, vcl::clMedGray,
    // system colors
    vcl::clScrollBar, vcl::clBackground, vcl::clActiveCaption, vcl::clInactiveCaption, vcl::clMenu,
    vcl::clWindow, vcl::clWindowFrame, vcl::clMenuText, vcl::clWindowText, vcl::clCaptionText,
    vcl::clActiveBorder, vcl::clInactiveBorder, vcl::clAppWorkSpace, vcl::clHighlight,
    vcl::clHighlightText, vcl::clBtnFace, vcl::clBtnShadow, vcl::clGrayText, vcl::clBtnText,
    vcl::clInactiveCaptionText, vcl::clBtnHighlight, vcl::cl3DDkShadow, vcl::cl3DLight,
    vcl::clInfoText, vcl::clInfoBk, vcl::clHotLight, vcl::clGradientActiveCaption};

}  // namespace vyr
