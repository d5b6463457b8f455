#include "VYR_NumIO/VYR_NumIO2Layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "VYR_NumIO/VYR_NumIOFormats.h"

namespace vyr::numio2 {

// ---- bands

int GaugeBand(const TLayout& L) {
  return L.GaugeVisible ? L.GaugeHeight + L.GaugeTopMargin + 1 : 0;
}

int StripBottom(const TLayout& L) { return L.Height - GaugeBand(L); }

int ButtonBand(const TLayout& L) { return L.ButVisible ? L.ButWidth + L.ButSpace : 0; }

int ButtonsLeft(const TLayout& L) { return L.LeftSpace + L.TextBoxWidth + L.ButSpace; }

int TextTop(const TLayout& L, int TextHeight) { return (StripBottom(L) - TextHeight) / 2; }

// ---- rectangles

vcl::TRect BoxRect(const TLayout& L, bool ThreeD) {
  return vcl::Rect(L.LeftSpace, 0, L.LeftSpace + L.TextBoxWidth + 2, StripBottom(L) - (ThreeD ? 1 : 0));
}

vcl::TRect NumberClip(const TLayout& L) {
  return vcl::Rect(L.LeftSpace + 3, 2, L.LeftSpace + L.TextBoxWidth - 1, StripBottom(L) - 3);
}

vcl::TRect GaugeRect(const TLayout& L) {
  return vcl::Rect(L.GaugeLeftMargin, L.Height - L.GaugeHeight - 1, L.GaugeLeftMargin + L.GaugeWidth,
                   L.Height - 1);
}

// ---- text positions

int LeftCaptionX(vcl::TAlignment A, const TLayout& L, int W) {
  switch (A) {
    case vcl::taLeftJustify: return 7;
    case vcl::taRightJustify: return L.LeftSpace - W - 5;
    default: return (L.LeftSpace - W) / 2;
  }
}

int RightCaptionX(vcl::TAlignment A, const TLayout& L, int W) {
  const int start = L.LeftSpace + ButtonBand(L) + L.TextBoxWidth;
  switch (A) {
    case vcl::taLeftJustify: return start + 7;
    case vcl::taRightJustify: return L.Width - W - 6;
    default: return (L.Width - (start + W)) / 2 + start + 1;
  }
}

int NumberX(vcl::TAlignment A, const TLayout& L, int W) {
  switch (A) {
    case vcl::taLeftJustify: return L.LeftSpace + 4;
    case vcl::taRightJustify: return L.LeftSpace + L.TextBoxWidth - W - 2;
    default: return L.LeftSpace + (L.TextBoxWidth - W) / 2 + 2;
  }
}

int CharX(vcl::TAlignment A, const TLayout& L, int PrefixWidth, int W) {
  return NumberX(A, L, W) + PrefixWidth;
}

int CaretOffset(vcl::TAlignment A, const TLayout& L, int PrefixWidth, int W) {
  return CharX(A, L, PrefixWidth, W) - L.LeftSpace - 1;
}

// The distance from the number's start, one pixel to the left (where the
// caret before the first character stands), rounded to whole characters of
// average width. A text whose characters are narrower than a pixel on
// average still counts one pixel per character, so nothing divides by 0.
int CharAtX(vcl::TAlignment A, const TLayout& L, int X, int W, int Length) {
  if (Length <= 0) return 0;
  const int average = std::max(W / Length, 1);
  const int c = std::clamp(X - NumberX(A, L, W) + 1, 0, std::max(W, 0));
  return std::min((c + average / 2) / average, Length);
}

// ---- zones under the mouse

bool InTextStrip(const TLayout& L, int Y) { return Y > 0 && Y < StripBottom(L); }

TButtonHit ButtonAt(const TLayout& L, int X, int Y) {
  const int xb = ButtonsLeft(L);
  if (!L.ButVisible || X <= xb || X >= xb + L.ButWidth || Y <= 0 || Y >= L.ButHeight) return bhNone;
  return Y <= L.ButHeight / 2 ? bhUp : bhDown;
}

bool GaugePressAt(const TLayout& L, int X, int Y) {
  return L.GaugeVisible && Y > StripBottom(L) && X >= L.GaugeLeftMargin &&
         X <= L.GaugeLeftMargin + L.GaugeWidth;
}

bool GaugeDragAt(const TLayout& L, int X, int Y) {
  return L.GaugeVisible && Y > StripBottom(L) && X >= L.GaugeLeftMargin - 1 &&
         X <= L.GaugeLeftMargin + L.GaugeWidth + 1;
}

int MouseArea(const TLayout& L, int X) {
  if (X <= L.LeftSpace) return 0;
  return X <= L.LeftSpace + L.TextBoxWidth ? 1 : 2;
}

// ---- value <-> gauge pixel

// Limits as far apart as the whole double range overflow their difference;
// then both differences are taken of halved values, which gives the same
// fraction. Plain double arithmetic only: long double is no wider than
// double on some compilers and under emulators.
double GaugeFraction(double Value, double Low, double High) {
  if (Low == High) return 1.0;
  double offset = Value - Low, span = High - Low;
  if (!std::isfinite(offset) || !std::isfinite(span)) {
    offset = Value * 0.5 - Low * 0.5;
    span = High * 0.5 - Low * 0.5;
  }
  const double f = offset / span;
  if (std::isnan(f)) return 0.0;
  return std::clamp(f, 0.0, 1.0);
}

int GaugeFillRight(const TLayout& L, double Fraction) {
  return L.GaugeLeftMargin + static_cast<int>(numio::RoundToInt64(L.GaugeWidth * Fraction));
}

// Interpolated as Low·(1 − t) + High·t, which cannot overflow between finite
// limits and gives the limits exactly at the gauge's ends.
double GaugeValueAt(const TLayout& L, int X, double Low, double High) {
  if (L.GaugeWidth <= 0) return Low;
  const double t = static_cast<double>(X - L.GaugeLeftMargin) / L.GaugeWidth;
  return Low * (1.0 - t) + High * t;
}

// ---- snapping and stepping

int NearestPivot(const std::vector<double>& Pivots, double V) {
  int best = -1;
  double distance = 0.0;
  for (std::size_t i = 0; i < Pivots.size(); ++i) {
    const double d = std::fabs(Pivots[i] - V);
    if (best < 0 || d < distance) {
      best = static_cast<int>(i);
      distance = d;
    }
  }
  return best;
}

double GaugeSnap(const std::vector<double>& Pivots, double V, double Low, double High) {
  const int k = NearestPivot(Pivots, V);
  if (k >= 0) V = Pivots[static_cast<std::size_t>(k)];
  return std::clamp(V, std::min(Low, High), std::max(Low, High));
}

double StepValue(const std::vector<double>& Pivots, double V, bool Up, double Increment,
                 double Epsilon, double Low, double High) {
  if (Pivots.empty()) {
    const double next = Up ? V + Increment : V - Increment;
    return std::clamp(next, std::min(Low, High), std::max(Low, High));
  }
  int k = NearestPivot(Pivots, V);
  const int last = static_cast<int>(Pivots.size()) - 1;
  const double pivot = Pivots[static_cast<std::size_t>(k)];
  if (Up && V >= pivot - Epsilon && k < last) ++k;
  if (!Up && V <= pivot + Epsilon && k > 0) --k;
  const double next = Pivots[static_cast<std::size_t>(k)];
  if ((Up && next < V) || (!Up && next > V)) return V;
  return next;
}

}  // namespace vyr::numio2
