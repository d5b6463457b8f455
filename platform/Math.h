// Numeric helpers of the run-time library: rounding, splitting floats,
// ranges and comparisons with a tolerance.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "platform/Types.h"

namespace vcl {

// Rounds to the nearest integer; halves go to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). EInvalidOp for NaN, infinities and
// values outside the 64-bit range.
std::int64_t Round(double X);
// Drops the fraction (toward zero). EInvalidOp as Round.
std::int64_t Trunc(double X);
// The integer part as a float, toward zero (Int(-2.7) = -2.0).
double Int(double X);
// The fraction with the sign of X (Frac(-2.75) = -0.75); X = Int(X) + Frac(X).
double Frac(double X);
// The smallest integer not below X and the largest not above it.
// EInvalidOp when the result does not fit an int.
int Ceil(double X);
int Floor(double X);

// Base raised to Exponent; Power(0, 0) = 1. Integral exponents of a
// negative base work; other exponents of a negative base give NaN.
double Power(double Base, double Exponent);
double Log10(double X);
inline bool IsNan(double X) { return std::isnan(X); }
inline bool IsInfinite(double X) { return std::isinf(X); }

// True when A and B differ by at most Epsilon. With Epsilon 0 a tolerance
// relative to the smaller magnitude is used (a millionth of a millionth,
// at least 1e-12 absolute).
bool SameValue(double A, double B, double Epsilon = 0.0);

// -1, 0 or 1 by the sign of X (0 for NaN).
int Sign(double X);

template <class A, class B>
requires std::is_arithmetic_v<A> && std::is_arithmetic_v<B>
constexpr std::common_type_t<A, B> Min(A a, B b) {
  using C = std::common_type_t<A, B>;
  return static_cast<C>(b) < static_cast<C>(a) ? static_cast<C>(b) : static_cast<C>(a);
}

template <class A, class B>
requires std::is_arithmetic_v<A> && std::is_arithmetic_v<B>
constexpr std::common_type_t<A, B> Max(A a, B b) {
  using C = std::common_type_t<A, B>;
  return static_cast<C>(a) < static_cast<C>(b) ? static_cast<C>(b) : static_cast<C>(a);
}

// Value clamped to [Lo, Hi]. When Lo > Hi, Hi wins (as the framework does).
template <class V, class L, class H>
requires std::is_arithmetic_v<V> && std::is_arithmetic_v<L> && std::is_arithmetic_v<H>
constexpr std::common_type_t<V, L, H> EnsureRange(V Value, L Lo, H Hi) {
  using C = std::common_type_t<V, L, H>;
  C v = static_cast<C>(Value);
  if (v < static_cast<C>(Lo)) v = static_cast<C>(Lo);
  if (v > static_cast<C>(Hi)) v = static_cast<C>(Hi);
  return v;
}

// True when Lo <= Value <= Hi.
template <class V, class L, class H>
requires std::is_arithmetic_v<V> && std::is_arithmetic_v<L> && std::is_arithmetic_v<H>
constexpr bool InRange(V Value, L Lo, H Hi) {
  using C = std::common_type_t<V, L, H>;
  return static_cast<C>(Value) >= static_cast<C>(Lo) && static_cast<C>(Value) <= static_cast<C>(Hi);
}

}  // namespace vcl
