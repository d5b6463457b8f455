// The meter's geometry as pure functions, shared by painting and by
// hit-testing: where the arc lies for a layout and a size, how a value
// maps to a fraction of the scale, to an angle and to a pixel, the way
// back from a pixel to a value, the tick positions and the needle outline.
//
// Angles, as the painting code uses them:
//   θ (theta)  mathematical degrees: counter-clockwise from the positive x
//              axis, y pointing up. The arc runs from θ = 90 + A/2 (Min)
//              clockwise over the top to θ = 90 - A/2 (Max).
//   needle     the angle CalcNeedleAngle reports: degrees clockwise on the
//   angle      screen from straight down (90 left, 180 up, 270 right).
// A point at distance r in direction θ is (round(CX + r cos θ),
// round(CY - r sin θ)), rounding halves to even.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Types.h"

namespace vyr {

// The arc's span in degrees is in the name.
enum TMeterLayout : std::uint8_t { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };

namespace meter {

// The cover around the face: its height above and below, its width left and right.
struct TRims {
  int Top = 8;
  int Bottom = 10;
  int Side = 10;
};

// Where the arc lies: the angle it spans (degrees), its radius (pixels,
// nothing is painted unless positive) and its centre.
struct TGeometry {
  int Angle = 90;
  double Radius = 0;
  int CX = 0;
  int CY = 0;
  friend bool operator==(const TGeometry&, const TGeometry&) = default;
};

// The layout of a Width × Height meter (see the .cpp for each layout).
TGeometry LayoutGeometry(TMeterLayout Layout, int Width, int Height, const TRims& Rims);

// The scale's range; Logarithmic is the requested kind, which applies only
// where every value involved is positive.
struct TScaleRange {
  double Min = 0;
  double Max = 1;
  bool Logarithmic = false;
  // The scale as a whole is logarithmic: requested and both ends positive.
  bool IsLog() const { return Logarithmic && Min > 0 && Max > 0; }
  friend bool operator==(const TScaleRange&, const TScaleRange&) = default;
};

// The run-time library's rounding (halves to even) into the int range; NaN gives 0.
int RoundHalfEven(double X);

// Fraction 0..1 of the scale for V, clamped into Min..Max first; log where V
// is positive on a logarithmic scale. A range without extent (Max not above
// Min) and NaN give 0.
double ValueToFraction(const TScaleRange& S, double V);
// The inverse of ValueToFraction for F in 0..1.
double FractionToValue(const TScaleRange& S, double F);
// θ in degrees of fraction F: 90 + A/2 - A·F.
double ThetaOf(const TGeometry& G, double F);
// The needle angle of fraction F: 180 - A/2 + A·F.
double NeedleAngleOf(const TGeometry& G, double F);
// The pixel at distance R from the centre in direction θ (degrees).
vcl::TPoint PointAt(const TGeometry& G, double ThetaDeg, double R);

// The value under pixel (X, Y); false (and Value 0) when the pixel's
// direction from the centre lies outside the arc. The centre itself counts
// as straight up.
bool PixelToValue(const TGeometry& G, const TScaleRange& S, int X, int Y, double& Value);

// ---------------------------------------------------------------- ticks

// First major tick, step between major ticks, minor intervals per step.
struct TScaleTicks {
  double First = 0;
  double Step = 0;
  int Sub = 1;
};
// The major step for about NrTicks intervals between P and Q: the nice
// number 1, 2 or 5 × 10^k just below the raw step |Q - P| / NrTicks (a raw
// mantissa of exactly 2 or 5 is taken as 1 or 2), 5, 4 or 5 subdivisions;
// First is the first multiple of the step at or after P (within a
// thousandth of a step). Step is 0 when P = Q.
TScaleTicks CalcScaleTicks(int NrTicks, double P, double Q);

struct TTick {
  double Value = 0;
  bool Major = false;
  bool Labeled = false;
};
// Every tick of a scale in drawing order: the minor ticks (when Short),
// then each major tick (followed by its label when Labeled). Linear scales
// and logarithmic ones spanning less than a decade label every major tick
// of CalcScaleTicks; longer logarithmic scales put major ticks at 1..9 ×
// 10^k and label 1, 2 and 5 × 10^k (all of them below a decade). A range
// without extent (or falling) has one labelled tick at Min; runaway loops of
// degenerate ranges stop after a few thousand ticks.
std::vector<TTick> ScaleTicks(const TScaleRange& S, int NrTicks, bool Short);

// ---------------------------------------------------------------- needle

// The needle's shape as TNeedleLayout holds it.
struct TNeedleShape {
  int HeadSize = 20;
  int HeadAngle = 30;
  int HeadMidLeng = 20;
  int Thickness = 0;
  int PercentNeedleLength = 100;
};
// The closed outline of a needle pointing in direction θ (degrees): barb,
// tip, barb, neck, base, base, neck. The tip lies at (Radius - 4) ×
// PercentNeedleLength / 100 from the centre.
std::array<vcl::TPoint, 7> NeedlePolygon(const TGeometry& G, double ThetaDeg, const TNeedleShape& N);
// The smallest rectangle holding every point (right and bottom exclusive).
vcl::TRect PointsBounds(std::span<const vcl::TPoint> Points);

// ---------------------------------------------------------------- labels

// A scale label: V with Decimals decimals and "." as separator; a value
// that rounds to zero never shows a minus sign.
vcl::String TickLabel(double V, int Decimals);
// The centre of a label at θ (degrees), set in from the arc by OffsetX and
// OffsetY pixels: (round(CX + (R - OffsetX) cos θ), round(CY - (R - OffsetY) sin θ)).
vcl::TPoint LabelAnchor(const TGeometry& G, double ThetaDeg, double OffsetX, double OffsetY);

}  // namespace meter
}  // namespace vyr
