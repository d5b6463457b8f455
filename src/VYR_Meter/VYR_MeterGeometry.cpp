// The meter's geometry: layouts, value ↔ fraction ↔ angle ↔ pixel, ticks,
// the needle outline and label placement.
#include "VYR_Meter/VYR_MeterGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "VYR_NumIO/VYR_NumIOFormats.h"
#include "companion/mathpack/VYR_math1.h"

namespace vyr::meter {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;
// No scale draws more ticks than this; degenerate ranges (steps lost in the
// rounding of huge values) would otherwise never end their loops.
constexpr int kMaxTicks = 5000;

// The layouts whose arc leaves a gap at the bottom hang the centre from the
// top rim: the arc's top lies 8 pixels below it.
void HangFromTop(TGeometry& G, int Angle, double Radius, const TRims& Rims) {
  G.Angle = Angle;
  G.Radius = Radius;
  G.CY = RoundHalfEven(Rims.Top + 8 + Radius);
}

}  // namespace

int RoundHalfEven(double X) {
  if (std::isnan(X)) return 0;
  const double r = std::nearbyint(X);
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(r);
}

// R0 is the room between the rims with 8 pixels to spare above and below.
//   mlCirc90   centre 8 pixels above the bottom rim, radius R0
//   mlCirc120  as 90; the arc's ends (at sin 60° of the radius) keep 8
//              pixels from the side rims
//   mlCirc180  as 90; the ends (at the full radius) keep 8 pixels from the sides
//   mlCirc270  hung from the top; the ends reach sin 45° of the radius below
//              the centre, so radius ≤ R0 / (1 + sin 45°); the circle keeps
//              8 pixels from the sides
//   mlCirc300  as 270 with cos 30°: radius ≤ R0 / 1.866
//   mlCirc360  as 270 with the whole circle: radius ≤ R0 / 2
TGeometry LayoutGeometry(TMeterLayout Layout, int Width, int Height, const TRims& Rims) {
  const double r0 = Height - Rims.Bottom - Rims.Top - 16;
  TGeometry g;
  g.CX = Width / 2;
  g.CY = Height - Rims.Bottom - 8;
  g.Radius = r0;
  const double halfWidth = Width / 2.0 - Rims.Side - 8;
  const double sideRoom = g.CX - Rims.Side - 8;
  switch (Layout) {
    case mlCirc90: break;
    case mlCirc120:
      g.Angle = 120;
      g.Radius = std::min(r0, halfWidth * 1.1547);
      break;
    case mlCirc180:
      g.Angle = 180;
      g.Radius = std::min(r0, halfWidth);
      break;
    case mlCirc270: HangFromTop(g, 270, std::min(sideRoom, r0 / 1.7071), Rims); break;
    case mlCirc300: HangFromTop(g, 300, std::min(sideRoom, r0 / 1.866), Rims); break;
    case mlCirc360: HangFromTop(g, 360, std::min(sideRoom, r0 / 2.0), Rims); break;
  }
  return g;
}

// ---------------------------------------------------------------- mapping

double ValueToFraction(const TScaleRange& S, double V) {
  if (std::isnan(V) || !(S.Max > S.Min)) return 0.0;
  const double v = std::clamp(V, S.Min, S.Max);
  double f = 0.0;
  if (S.IsLog()) {
    f = (std::log(v) - std::log(S.Min)) / (std::log(S.Max) - std::log(S.Min));
  } else {
    f = (v - S.Min) / (S.Max - S.Min);
  }
  return std::isfinite(f) ? std::clamp(f, 0.0, 1.0) : 0.0;
}

double FractionToValue(const TScaleRange& S, double F) {
  if (S.IsLog()) return std::exp((std::log(S.Max) - std::log(S.Min)) * F + std::log(S.Min));
  return S.Min + F * (S.Max - S.Min);
}

double ThetaOf(const TGeometry& G, double F) { return 90.0 + G.Angle / 2.0 - G.Angle * F; }

double NeedleAngleOf(const TGeometry& G, double F) { return 180.0 - G.Angle / 2.0 + G.Angle * F; }

vcl::TPoint PointAt(const TGeometry& G, double ThetaDeg, double R) {
  const double t = ThetaDeg * kDeg;
  return {RoundHalfEven(G.CX + R * std::cos(t)), RoundHalfEven(G.CY - R * std::sin(t))};
}

// The direction of the pixel, measured on the screen (y down) clockwise from
// the positive x axis, then turned so that 0 is straight down like the
// needle angle: c = 180 is straight up.
bool PixelToValue(const TGeometry& G, const TScaleRange& S, int X, int Y, double& Value) {
  const double dx = X - G.CX;
  const double dy = Y - G.CY;
  double phi = 0.0;
  if (dx == 0) {
    phi = dy <= 0 ? 1.5 * kPi : 0.5 * kPi;
  } else {
    phi = std::atan(dy / dx) + (dx < 0 ? kPi : 0.0);
  }
  if (phi < 0) phi += 2 * kPi;
  double c = phi / kDeg - 90.0;
  if (c < 0) c += 360.0;
  const double b = 180.0 - G.Angle / 2.0;
  if (c < b || c > 180.0 + G.Angle / 2.0) {
    Value = 0.0;
    return false;
  }
  Value = FractionToValue(S, (c - b) / G.Angle);
  return true;
}

// ---------------------------------------------------------------- ticks

TScaleTicks CalcScaleTicks(int NrTicks, double P, double Q) {
  TScaleTicks t;
  t.First = P;
  if (P == Q || !std::isfinite(P) || !std::isfinite(Q)) return t;
  const double s = P < Q ? 1.0 : -1.0;
  double step = 1.0;
  if (NrTicks <= 0) {
    t.Sub = std::fabs(Q - P) > 10 ? 1 : 5;
  } else {
    double g = std::log10(std::fabs(Q - P) / NrTicks);
    double h = g - std::trunc(g);
    if (std::fabs(h) < 1E-10 || std::fabs(h) > 0.9999999999) {
      g = std::nearbyint(g);
      h = 0;
    }
    if (g < 0 && h != 0) g -= 1;
    if (h < 0) h += 1;
    // The mantissa of the step (1, 2 or 5) and the power of ten beneath it.
    constexpr double e = 1E-10;
    double mantissa = 5.0;
    t.Sub = 5;
    if (h < std::log10(2.0) + e) {
      mantissa = 1.0;
    } else if (h < std::log10(5.0) + e) {
      mantissa = 2.0;
      t.Sub = 4;
    }
    step = s * mantissa * std::pow(10.0, std::trunc(g));
  }
  if (step == 0 || !std::isfinite(step)) return t;
  t.Step = step;
  double first = (std::trunc(P / step) - 1) * step;
  for (int i = 0; i < 64 && (P - first) * s > 0.001 * std::fabs(step); ++i) first += step;
  t.First = first;
  return t;
}

namespace {

// Minor ticks every Step / Sub from one step before the first major tick,
// leaving out the major positions and anything below Min.
void AddMinorTicks(const TScaleTicks& T, const TScaleRange& S, std::vector<TTick>& Out) {
  const double m = T.Step / T.Sub;
  const double u = T.First - T.Step;
  for (int j = 0; j < kMaxTicks; ++j) {
    const double v = u + j * m;
    if (v > S.Max + 0.001 * std::fabs(m)) break;
    const double k = (v - T.First) / T.Step;
    if (std::fabs(k - std::nearbyint(k)) <= 1E-5 || v < S.Min) continue;
    Out.push_back({v, false, false});
  }
}

void AddMajorTicks(const TScaleTicks& T, const TScaleRange& S, std::vector<TTick>& Out) {
  for (int j = 0; j < kMaxTicks; ++j) {
    const double v = T.First + j * T.Step;
    if (v > S.Max + 0.001 * std::fabs(T.Step)) break;
    Out.push_back({v, true, true});
  }
}

// A logarithmic scale of a decade or more: 1..9 × 10^n within the range,
// labels at 1, 2 and 5 × 10^n. The factor 0.999999999 keeps the ends in.
void AddDecadeTicks(const TScaleRange& S, std::vector<TTick>& Out) {
  constexpr double q = 0.999999999;
  const int k = IntNeg(std::log10(q * S.Min));
  const bool allLabels = S.Max / S.Min < 10;
  for (int n = 0; n < 2 * 400 && static_cast<int>(Out.size()) < kMaxTicks; ++n) {
    const double scale = std::pow(10.0, k + n);
    for (int j = 1; j <= 9; ++j) {
      const double v = j * scale;
      if (v / q > S.Min && j * q * scale < S.Max) {
        Out.push_back({v, true, allLabels || j == 1 || j == 2 || j == 5});
      }
    }
    if (q * scale * 10 > S.Max) break;
  }
}

}  // namespace

std::vector<TTick> ScaleTicks(const TScaleRange& S, int NrTicks, bool Short) {
  std::vector<TTick> out;
  const TScaleTicks t = CalcScaleTicks(NrTicks, S.Min, S.Max);
  if (t.Step == 0 || !(S.Max > S.Min)) {
    out.push_back({S.Min, true, true});
    return out;
  }
  if (Short) AddMinorTicks(t, S, out);
  if (S.IsLog() && std::fabs(std::log10(S.Max / S.Min)) >= 1) {
    AddDecadeTicks(S, out);
  } else {
    AddMajorTicks(t, S, out);
  }
  return out;
}

// ---------------------------------------------------------------- needle

std::array<vcl::TPoint, 7> NeedlePolygon(const TGeometry& G, double ThetaDeg,
                                         const TNeedleShape& N) {
  const double t = ThetaDeg * kDeg;
  const double len = (G.Radius - 4) * N.PercentNeedleLength / 100.0;
  const double ct = std::cos(t), st = std::sin(t);
  const int tx = RoundHalfEven(G.CX + len * ct);
  const int ty = RoundHalfEven(G.CY - len * st);
  const double half = N.HeadAngle * kDeg / 2;
  const double hs = N.HeadSize, hm = N.HeadMidLeng;
  const double sT = st * N.Thickness / 2.0, cT = ct * N.Thickness / 2.0;
  auto pt = [](double x, double y) { return vcl::TPoint{RoundHalfEven(x), RoundHalfEven(y)}; };
  return {pt(tx - hs * std::cos(t + half), ty + hs * std::sin(t + half)),
          vcl::TPoint{tx, ty},
          pt(tx - hs * std::cos(t - half), ty + hs * std::sin(t - half)),
          pt(tx - sT - hm * ct, ty - cT + hm * st),
          pt(G.CX - sT, G.CY - cT),
          pt(G.CX + sT, G.CY + cT),
          pt(tx + sT - hm * ct, ty + cT + hm * st)};
}

vcl::TRect PointsBounds(std::span<const vcl::TPoint> Points) {
  if (Points.empty()) return {};
  vcl::TRect r(Points[0].X, Points[0].Y, Points[0].X + 1, Points[0].Y + 1);
  for (const vcl::TPoint& p : Points) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X + 1);
    r.Bottom = std::max(r.Bottom, p.Y + 1);
  }
  return r;
}

// ---------------------------------------------------------------- labels

vcl::String TickLabel(double V, int Decimals) {
  vcl::String text = numio::FormatRealText(1, Decimals, V);
  if (!text.empty() && text[0] == u'-' &&
      text.find_first_not_of(u"0.", 1) == vcl::String::npos) {
    text.erase(0, 1);
  }
  return text;
}

vcl::TPoint LabelAnchor(const TGeometry& G, double ThetaDeg, double OffsetX, double OffsetY) {
  const double t = ThetaDeg * kDeg;
  return {RoundHalfEven(G.CX + (G.Radius - OffsetX) * std::cos(t)),
          RoundHalfEven(G.CY - (G.Radius - OffsetY) * std::sin(t))};
}

}  // namespace vyr::meter
