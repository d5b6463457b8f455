// Integer and float conversion to and from text.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/SysUtils.h"
#include "platform/rtl/Decimal.h"

namespace vcl {

// ---------------------------------------------------------------- to text

String UIntToStr(std::uint64_t Value) { return rtl::AsciiToString(std::to_string(Value)); }

String Int64ToStr(std::int64_t Value) { return rtl::AsciiToString(std::to_string(Value)); }

String HexOfBits(std::uint64_t Bits, int Width, int Digits) {
  if (Width < 64) Bits &= (std::uint64_t{1} << Width) - 1;
  static constexpr char kHex[] = "0123456789ABCDEF";
  String r;
  do {
    r.insert(r.begin(), static_cast<Char>(kHex[Bits & 15]));
    Bits >>= 4;
  } while (Bits != 0);
  if (static_cast<int>(r.size()) < Digits)
    r.insert(0, static_cast<std::size_t>(Digits) - r.size(), u'0');
  return r;
}

String BoolToStr(bool B, bool UseBoolStrs) {
  if (UseBoolStrs) return B ? u"True" : u"False";
  return B ? u"-1" : u"0";
}

// ---------------------------------------------------------------- integers

namespace {

bool IsDigit(Char C) { return C >= u'0' && C <= u'9'; }

int HexValue(Char C) {
  if (IsDigit(C)) return C - u'0';
  if (C >= u'a' && C <= u'f') return C - u'a' + 10;
  if (C >= u'A' && C <= u'F') return C - u'A' + 10;
  return -1;
}

// Reads an integer of Bits width: leading blanks, a sign, then decimal
// digits, or hex digits after '$' or "0x" (hex may use the full unsigned
// range and wraps, so "$FFFFFFFF" is -1 for 32 bits).
std::optional<std::int64_t> ParseInteger(const String& S, int Bits) {
  std::size_t i = 0;
  while (i < S.size() && (S[i] == u' ' || S[i] == u'\t')) ++i;
  bool negative = false;
  if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) negative = S[i++] == u'-';
  bool hex = false;
  if (i < S.size() && S[i] == u'$') {
    hex = true;
    ++i;
  } else if (i + 1 < S.size() && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i >= S.size()) return std::nullopt;
  const std::uint64_t signedMax = (std::uint64_t{1} << (Bits - 1)) - 1;
  const std::uint64_t limit =
      hex ? (Bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << Bits) - 1)
          : signedMax + (negative ? 1 : 0);
  const unsigned base = hex ? 16 : 10;
  std::uint64_t value = 0;
  for (; i < S.size(); ++i) {
    int d = hex ? HexValue(S[i]) : (IsDigit(S[i]) ? S[i] - u'0' : -1);
    if (d < 0) return std::nullopt;
    if (value > (limit - static_cast<unsigned>(d)) / base) return std::nullopt;
    value = value * base + static_cast<unsigned>(d);
  }
  if (hex && Bits < 64 && value > signedMax) value -= std::uint64_t{1} << Bits;  // wrap into range
  auto result = static_cast<std::int64_t>(value);
  return negative ? static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(result)) : result;
}

[[noreturn]] void NotAnInteger(const String& S) {
  throw EConvertError(u"'" + S + u"' is not a valid integer value");
}

}  // namespace

bool TryStrToInt(const String& S, int& Value) {
  std::optional<std::int64_t> v = ParseInteger(S, 32);
  if (!v) return false;
  Value = static_cast<int>(*v);
  return true;
}

int StrToInt(const String& S) {
  int v = 0;
  if (!TryStrToInt(S, v)) NotAnInteger(S);
  return v;
}

int StrToIntDef(const String& S, int Default) {
  int v = 0;
  return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToInt64(const String& S, std::int64_t& Value) {
  std::optional<std::int64_t> v = ParseInteger(S, 64);
  if (!v) return false;
  Value = *v;
  return true;
}

std::int64_t StrToInt64(const String& S) {
  std::int64_t v = 0;
  if (!TryStrToInt64(S, v)) NotAnInteger(S);
  return v;
}

std::int64_t StrToInt64Def(const String& S, std::int64_t Default) {
  std::int64_t v = 0;
  return TryStrToInt64(S, v) ? v : Default;
}

// ---------------------------------------------------------------- floats

namespace {

// The text as a plain ASCII number for the standard parser, with its
// decimal magnitude (value = 0.ddd x 10^Magnitude) to tell overflow from
// underflow when the parser reports a value out of range.
struct TFloatText {
  std::string Ascii;
  long Magnitude = 0;
};

std::string ReadDigits(const String& S, std::size_t& I) {
  std::string r;
  for (; I < S.size() && IsDigit(S[I]); ++I) r += static_cast<char>(S[I]);
  return r;
}

// Exponent digits, saturated far beyond any double exponent.
long ReadExponent(const String& S, std::size_t& I, std::string& Ascii) {
  bool negative = false;
  if (I < S.size() && (S[I] == u'+' || S[I] == u'-')) negative = S[I++] == u'-';
  std::string digits = ReadDigits(S, I);
  if (digits.empty()) return std::numeric_limits<long>::min();
  Ascii += negative ? "e-" : "e";
  Ascii += digits;
  long e = 0;
  for (char c : digits) e = std::min(e * 10 + (c - '0'), 1000000L);
  return negative ? -e : e;
}

long MagnitudeOf(const std::string& Whole, const std::string& Fraction) {
  std::size_t nz = Whole.find_first_not_of('0');
  if (nz != std::string::npos) return static_cast<long>(Whole.size() - nz);
  nz = Fraction.find_first_not_of('0');
  return nz == std::string::npos ? 0 : -static_cast<long>(nz);
}

std::optional<TFloatText> ScanFloat(const String& S, Char DecimalSeparator) {
  TFloatText t;
  std::size_t i = 0;
  if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) {
    if (S[i] == u'-') t.Ascii += '-';
    ++i;
  }
  std::string whole = ReadDigits(S, i), fraction;
  if (i < S.size() && S[i] == DecimalSeparator) fraction = ReadDigits(S, ++i);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  t.Ascii += (whole.empty() ? "0" : whole) + "." + fraction;
  t.Magnitude = MagnitudeOf(whole, fraction);
  if (i < S.size() && (S[i] == u'e' || S[i] == u'E')) {
    long e = ReadExponent(S, ++i, t.Ascii);
    if (e == std::numeric_limits<long>::min()) return std::nullopt;
    t.Magnitude += e;
  }
  if (i != S.size()) return std::nullopt;
  return t;
}

}  // namespace

bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings) {
  std::optional<TFloatText> t = ScanFloat(Trim(S), Settings.DecimalSeparator);
  if (!t) return false;
  double v = 0.0;
  const char* first = t->Ascii.c_str();
  const char* last = first + t->Ascii.size();
  auto res = std::from_chars(first, last, v);
  if (res.ec == std::errc::result_out_of_range) {
    if (t->Magnitude > 0) return false;   // beyond the double range
    v = t->Ascii[0] == '-' ? -0.0 : 0.0;  // too small: zero
  } else if (res.ec != std::errc() || res.ptr != last || !std::isfinite(v)) {
    return false;
  }
  Value = v;
  return true;
}

bool TryStrToFloat(const String& S, double& Value) {
  return TryStrToFloat(S, Value, FormatSettings);
}

double StrToFloat(const String& S, const TFormatSettings& Settings) {
  double v = 0.0;
  if (!TryStrToFloat(S, v, Settings)) {
    throw EConvertError(u"'" + S + u"' is not a valid floating point value");
  }
  return v;
}

double StrToFloat(const String& S) { return StrToFloat(S, FormatSettings); }

double StrToFloatDef(const String& S, double Default, const TFormatSettings& Settings) {
  double v = 0.0;
  return TryStrToFloat(S, v, Settings) ? v : Default;
}

double StrToFloatDef(const String& S, double Default) {
  return StrToFloatDef(S, Default, FormatSettings);
}

// ---------------------------------------------------------------- booleans

bool TryStrToBool(const String& S, bool& Value) {
  String t = Trim(S);
  if (SameText(t, u"True")) {
    Value = true;
  } else if (SameText(t, u"False")) {
    Value = false;
  } else {
    double d = 0.0;
    if (!TryStrToFloat(t, d)) return false;
    Value = d != 0.0;
  }
  return true;
}

bool StrToBool(const String& S) {
  bool v = false;
  if (!TryStrToBool(S, v)) throw EConvertError(u"'" + S + u"' is not a valid boolean value");
  return v;
}

}  // namespace vcl
