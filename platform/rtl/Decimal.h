// Decimal digit form of a double, the basis of every float-to-text
// conversion (internal to the run-time library).
#pragma once

#include <string>

#include "platform/SysUtils.h"

namespace vcl::rtl {

// Value = 0.Digits x 10^Exponent. Digits holds the significant digits
// without leading or trailing zeros; it is empty for zero.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;
  bool IsZero() const { return Digits.empty(); }
  // The digit worth 10^(Exponent - 1 - Index); '0' outside the digits.
  char DigitAt(int Index) const {
    return Index >= 0 && Index < static_cast<int>(Digits.size())
               ? Digits[static_cast<std::size_t>(Index)]
               : '0';
  }
};

// The finite Value with at most Precision (1..18) significant digits: its
// 18-digit decimal form rounded half away from zero to Precision digits.
TDecimal ToDecimal(double Value, int Precision);
// Keeps the digits down to the place 10^-Decimals, rounding half away from
// zero on the digits.
void RoundToDecimals(TDecimal& D, int Decimals);
// Keeps at most Count significant digits, rounding half away from zero.
void RoundToDigits(TDecimal& D, int Count);

// "NAN", "INF" or "-INF" for a value that is not finite; empty otherwise.
String SpecialFloatText(double Value);
// Integer digits of D ("" when D < 1), with zeros for places beyond its digits.
std::string IntegerDigits(const TDecimal& D);
// Digits with a separator between every group of three (none when Sep is 0).
String GroupThousands(const std::string& Digits, Char Sep);
String AsciiToString(const std::string& S);

}  // namespace vcl::rtl
