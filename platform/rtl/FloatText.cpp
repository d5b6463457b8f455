// FloatToStrF and FloatToStr: the five standard float styles.
#include <algorithm>
#include <array>

#include "platform/SysUtils.h"
#include "platform/rtl/Decimal.h"

namespace vcl {

namespace {

using rtl::TDecimal;

String ExponentText(int Exponent, int MinDigits, bool AlwaysSign) {
  String r;
  if (Exponent < 0) {
    r += u'-';
  } else if (AlwaysSign) {
    r += u'+';
  }
  String digits = rtl::AsciiToString(std::to_string(Exponent < 0 ? -Exponent : Exponent));
  if (static_cast<int>(digits.size()) < MinDigits)
    r.append(static_cast<std::size_t>(MinDigits) - digits.size(), u'0');
  return r + digits;
}

// All significant digits of D in plain notation: "123.45", "0.001".
String PlainText(const TDecimal& D, const TFormatSettings& Settings) {
  std::string whole = IntegerDigits(D);
  String r = whole.empty() ? String(u"0") : rtl::AsciiToString(whole);
  int fracDigits = static_cast<int>(D.Digits.size()) - D.Exponent;  // with leading zeros
  if (fracDigits > 0) {
    r += Settings.DecimalSeparator;
    for (int i = 0; i < fracDigits; ++i) r += static_cast<Char>(D.DigitAt(D.Exponent + i));
  }
  return r;
}

// "d.dddE-5": the digits of D with one before the separator.
String ScientificText(const TDecimal& D, int MantissaDigits, int MinExpDigits, bool AlwaysSign,
                      const TFormatSettings& Settings) {
  String r(1, static_cast<Char>(D.DigitAt(0)));
  if (MantissaDigits > 1) {
    r += Settings.DecimalSeparator;
    for (int i = 1; i < MantissaDigits; ++i) r += static_cast<Char>(D.DigitAt(i));
  }
  int exponent = D.IsZero() ? 0 : D.Exponent - 1;
  return r + u'E' + ExponentText(exponent, MinExpDigits, AlwaysSign);
}

String WithSign(const TDecimal& D, const String& Body) {
  return D.Negative && !D.IsZero() ? u"-" + Body : Body;
}

String GeneralText(double Value, int Precision, int MinExpDigits, const TFormatSettings& Settings) {
  TDecimal d = rtl::ToDecimal(Value, Precision);
  if (d.IsZero()) return u"0";
  // Plain notation while the integer digits fit the precision and the value
  // is at least 0.00001 (0.1 x 10^-4).
  if (d.Exponent <= Precision && d.Exponent >= -4) return WithSign(d, PlainText(d, Settings));
  int digits = static_cast<int>(d.Digits.size());
  return WithSign(d, ScientificText(d, digits, MinExpDigits, false, Settings));
}

String ExponentStyleText(double Value, int Precision, int MinExpDigits,
                         const TFormatSettings& Settings) {
  TDecimal d = rtl::ToDecimal(Value, Precision);
  return WithSign(d, ScientificText(d, Precision, MinExpDigits, true, Settings));
}

// Fixed notation with exactly Decimals decimals, digits grouped by Sep.
String FixedBody(const TDecimal& D, int Decimals, Char Sep, const TFormatSettings& Settings) {
  std::string whole = IntegerDigits(D);
  String r = whole.empty() ? String(u"0") : rtl::GroupThousands(whole, Sep);
  if (Decimals > 0) {
    r += Settings.DecimalSeparator;
    for (int i = 0; i < Decimals; ++i) r += static_cast<Char>(D.DigitAt(D.Exponent + i));
  }
  return r;
}

String CurrencyText(const TDecimal& D, const String& Body, const TFormatSettings& Settings) {
  static constexpr std::array<std::u16string_view, 4> kPositive{u"$1", u"1$", u"$ 1", u"1 $"};
  static constexpr std::array<std::u16string_view, 16> kNegative{
      u"($1)", u"-$1",  u"$-1",  u"$1-",  u"(1$)", u"-1$",  u"1-$",   u"1$-",
      u"-1 $", u"-$ 1", u"1 $-", u"$ 1-", u"$ -1", u"1- $", u"($ 1)", u"(1 $)"};
  bool negative = D.Negative && !D.IsZero();
  std::u16string_view pattern =
      negative ? kNegative[Settings.NegCurrFormat % 16] : kPositive[Settings.CurrencyFormat % 4];
  String r;
  for (Char c : pattern) {
    if (c == u'$') {
      r += Settings.CurrencyString;
    } else if (c == u'1') {
      r += Body;
    } else {
      r += c;
    }
  }
  return r;
}

}  // namespace

String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                   const TFormatSettings& Settings) {
  String special = rtl::SpecialFloatText(Value);
  if (!special.empty()) return special;
  Precision = std::clamp(Precision, 1, 18);
  switch (Format) {
    case ffGeneral:
      return GeneralText(Value, Precision, std::clamp(Digits, 0, 4), Settings);
    case ffExponent:
      return ExponentStyleText(Value, Precision, std::clamp(Digits, 0, 4), Settings);
    default:
      break;
  }
  Digits = std::clamp(Digits, 0, 18);
  TDecimal d = rtl::ToDecimal(Value, Precision);
  rtl::RoundToDecimals(d, Digits);
  // More integer digits than the precision holds: scientific instead.
  if (d.Exponent > Precision) return GeneralText(Value, Precision, 0, Settings);
  if (Format == ffFixed) return WithSign(d, FixedBody(d, Digits, 0, Settings));
  String body = FixedBody(d, Digits, Settings.ThousandSeparator, Settings);
  if (Format == ffNumber) return WithSign(d, body);
  return CurrencyText(d, body, Settings);
}

String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
  return FloatToStrF(Value, Format, Precision, Digits, FormatSettings);
}

String FloatToStr(double Value, const TFormatSettings& Settings) {
  return FloatToStrF(Value, ffGeneral, 15, 0, Settings);
}

String FloatToStr(double Value) { return FloatToStr(Value, FormatSettings); }

}  // namespace vcl
