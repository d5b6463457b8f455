#include "platform/Math.h"

#include <algorithm>
#include <climits>

#include "platform/SysUtils.h"

namespace vcl {

namespace {

// 2^63 as a double: the first value beyond the 64-bit range.
constexpr double kTwoPow63 = 9223372036854775808.0;

[[noreturn]] void InvalidOp() { throw EInvalidOp("Invalid floating point operation"); }

std::int64_t ToInt64(double Whole) {
  if (!(Whole >= -kTwoPow63 && Whole < kTwoPow63)) InvalidOp();  // also catches NaN
  return static_cast<std::int64_t>(Whole);
}

int ToInt(double Whole) {
  if (!(Whole >= static_cast<double>(INT_MIN) && Whole <= static_cast<double>(INT_MAX)))
    InvalidOp();
  return static_cast<int>(Whole);
}

}  // namespace

std::int64_t Round(double X) {
  double below = std::floor(X);
  double diff = X - below;  // exact for |X| >= 1; rounds to 1.0 only where that is right
  if (diff > 0.5 || (diff == 0.5 && std::fmod(below, 2.0) != 0.0)) below += 1.0;
  return ToInt64(below);
}

std::int64_t Trunc(double X) { return ToInt64(std::trunc(X)); }

double Int(double X) { return std::trunc(X); }

double Frac(double X) {
  if (std::isinf(X)) return std::nan("");
  return X - std::trunc(X);
}

int Ceil(double X) { return ToInt(std::ceil(X)); }

int Floor(double X) { return ToInt(std::floor(X)); }

double Power(double Base, double Exponent) { return std::pow(Base, Exponent); }

double Log10(double X) { return std::log10(X); }

bool SameValue(double A, double B, double Epsilon) {
  constexpr double kResolution = 1e-12;
  if (Epsilon == 0.0)
    Epsilon = std::max(std::min(std::fabs(A), std::fabs(B)) * kResolution, kResolution);
  return A > B ? (A - B) <= Epsilon : (B - A) <= Epsilon;
}

int Sign(double X) { return X > 0 ? 1 : X < 0 ? -1 : 0; }

}  // namespace vcl
