#include "platform/rtl/Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vcl::rtl {

namespace {

void StripTrailingZeros(TDecimal& D) {
  while (!D.Digits.empty() && D.Digits.back() == '0') D.Digits.pop_back();
  if (D.Digits.empty()) D.Exponent = 0;
}

// Keeps the first Keep digits and rounds the rest away, half away from zero.
void KeepDigits(TDecimal& D, int Keep) {
  if (Keep >= static_cast<int>(D.Digits.size())) return;
  if (Keep < 0) {
    D.Digits.clear();
    D.Exponent = 0;
    return;
  }
  bool up = D.Digits[static_cast<std::size_t>(Keep)] >= '5';
  D.Digits.resize(static_cast<std::size_t>(Keep));
  if (up) {
    while (!D.Digits.empty() && D.Digits.back() == '9') D.Digits.pop_back();
    if (D.Digits.empty()) {
      D.Digits.push_back('1');  // all nines carried over: 0.999 -> 1.0
      D.Exponent += 1;
    } else {
      D.Digits.back() = static_cast<char>(D.Digits.back() + 1);
    }
  }
  StripTrailingZeros(D);
}

}  // namespace

TDecimal ToDecimal(double Value, int Precision) {
  TDecimal d;
  d.Negative = std::signbit(Value);
  if (Value == 0.0 || !std::isfinite(Value)) return d;
  // First the 18 significant digits the value holds (nearest, from its
  // exact binary value), then the precision, rounding half away from zero
  // on those digits: 1234.5 to four digits is 1235.
  char buf[64];
  auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(Value), std::chars_format::scientific, 17);
  std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (c != '.') d.Digits += c;
  }
  d.Exponent = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  StripTrailingZeros(d);
  KeepDigits(d, std::clamp(Precision, 1, 18));
  return d;
}

void RoundToDecimals(TDecimal& D, int Decimals) { KeepDigits(D, D.Exponent + Decimals); }

void RoundToDigits(TDecimal& D, int Count) { KeepDigits(D, Count); }

String SpecialFloatText(double Value) {
  if (std::isnan(Value)) return u"NAN";
  if (std::isinf(Value)) return Value < 0 ? u"-INF" : u"INF";
  return String();
}

std::string IntegerDigits(const TDecimal& D) {
  std::string r;
  for (int i = 0; i < D.Exponent; ++i) r += D.DigitAt(i);
  return r;
}

String GroupThousands(const std::string& Digits, Char Sep) {
  String r;
  std::size_t n = Digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    r += static_cast<Char>(Digits[i]);
    std::size_t fromRight = n - 1 - i;
    if (Sep != 0 && fromRight > 0 && fromRight % 3 == 0) r += Sep;
  }
  return r;
}

String AsciiToString(const std::string& S) { return String(S.begin(), S.end()); }

}  // namespace vcl::rtl
