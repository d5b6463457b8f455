// Display-type texts of the numeric label. Each type is a small function
// from the value to its text; NumLabText picks one and applies the
// separator and sign rules shared by the numeric types.
#include "VYR_NumLab/VYR_NumLabText.h"

#include <cmath>
#include <cstdlib>

#include "platform/SysUtils.h"

namespace vyr {

namespace {

using vcl::String;

// 1 .. 9999-12-31 23:59:59.999 as days since 1899-12-30.
constexpr double FirstDate = -693593.0;
constexpr double EndOfLastDate = 2958466.0;

String SpecialText(double V) {
  if (std::isnan(V)) return u"NAN";
  return V > 0 ? u"INF" : u"-INF";
}

// The value rounded (halves to even) when it fits 64 bits.
bool RoundedInteger(double V, std::int64_t& Out) {
  if (!(V >= -9223372036854775808.0 && V < 9223372036854775808.0)) return false;
  Out = vcl::Round(V);
  return true;
}

// Digits of Value in Base (2, 8 or 16), at least MinDigits of them, with a
// minus in front of a negative value.
String BaseDigits(std::int64_t Value, unsigned Base, int MinDigits) {
  std::uint64_t magnitude = Value < 0 ? 0 - static_cast<std::uint64_t>(Value)
                                      : static_cast<std::uint64_t>(Value);
  String digits;
  do {
    digits.insert(digits.begin(), u"0123456789ABCDEF"[magnitude % Base]);
    magnitude /= Base;
  } while (magnitude != 0);
  if (static_cast<int>(digits.size()) < MinDigits) {
    digits.insert(0, static_cast<std::size_t>(MinDigits) - digits.size(), u'0');
  }
  return Value < 0 ? u"-" + digits : digits;
}

// Texts of the integer types; NaN and infinities as words, values beyond
// 64 bits as the overflow indicator.
String IntegerText(double Value, const TNumLabFormat& F) {
  if (!std::isfinite(Value)) return SpecialText(Value);
  std::int64_t n = 0;
  if (!RoundedInteger(Value, n)) return F.OverflowIndicator;
  switch (F.DisplayType) {
    case dtZeroInt: return vcl::Format(u"%.*d", {F.Precision, n});
    case dtHex: return BaseDigits(n, 16, F.Precision);
    case dtBin: return BaseDigits(n, 2, F.Precision);
    case dtOct: return BaseDigits(n, 8, F.Precision);
    default: return vcl::Format(u"%*.*d", {1, 0, n});
  }
}

String DateTimeText(double Value, const TNumLabFormat& F) {
  if (!(Value >= FirstDate && Value < EndOfLastDate)) return F.OverflowIndicator;
  return vcl::FormatDateTime(F.DTFormat, Value);
}

String Fixed(double Value, int Decimals) { return vcl::Format(u"%.*f", {Decimals, Value}); }

// True when a part formatted below 60 came out as 60 by rounding.
bool RoundsToSixty(const String& Part) {
  return Part.size() >= 2 && Part[0] == u'6' && Part[1] == u'0' &&
         (Part.size() == 2 || Part[2] < u'0' || Part[2] > u'9');
}

// Minutes or seconds with two integer digits.
String TwoDigits(const String& Part) {
  const bool single = Part.size() < 2 || Part[1] < u'0' || Part[1] > u'9';
  return single ? u"0" + Part : Part;
}

String DegreesText(double Value, const TNumLabFormat& F) {
  if (!std::isfinite(Value)) return SpecialText(Value);
  const String sign = Value < 0 ? u"-" : u"";
  const double a = std::fabs(Value);
  const int p = F.Precision;
  if (F.DisplayType == dtDeg) return sign + Fixed(a, p) + u"°";
  double degrees = std::floor(a);
  const double minutes = (a - degrees) * 60;
  if (F.DisplayType == dtDegMin) {
    String m = Fixed(minutes, p);
    if (RoundsToSixty(m)) {
      degrees += 1;
      m = Fixed(0, p);
    }
    return sign + Fixed(degrees, 0) + u"°" + TwoDigits(m) + u"′";
  }
  double wholeMinutes = std::floor(minutes);
  String s = Fixed((minutes - wholeMinutes) * 60, p);
  if (RoundsToSixty(s)) {
    wholeMinutes += 1;
    s = Fixed(0, p);
  }
  if (wholeMinutes >= 60) {
    wholeMinutes = 0;
    degrees += 1;
  }
  return sign + Fixed(degrees, 0) + u"°" + TwoDigits(Fixed(wholeMinutes, 0)) + u"′" +
         TwoDigits(s) + u"″";
}

// Value in scientific notation with Digits significant digits: the digits
// without point and the decimal exponent of the first one.
struct Scientific {
  bool Negative = false;
  String Digits;
  int Exponent = 0;
};

Scientific ToScientific(double Value, int Digits) {
  const String s = vcl::Format(u"%.*e", {Digits, Value});
  Scientific r;
  const std::size_t e = s.find(u'E');
  for (std::size_t i = 0; i < e; ++i) {
    if (s[i] == u'-') r.Negative = true;
    if (s[i] >= u'0' && s[i] <= u'9') r.Digits += s[i];
  }
  r.Exponent = std::atoi(vcl::ToUTF8(s.substr(e + 1)).c_str());
  return r;
}

int FloorMod3(int E) { return ((E % 3) + 3) % 3; }

// Engineering notation: the mantissa takes 1 to 3 integer digits so that
// the exponent is a multiple of three. The digits are rounded once the
// shift is known; a rounding that reaches the next power of ten moves the
// exponent and is done again with the new shift.
String EngineeringText(double Value, const TNumLabFormat& F) {
  if (!std::isfinite(Value)) return SpecialText(Value);
  const bool point = F.DisplayType == dtEEng && F.Precision > 0;
  const int decimals = point ? F.Precision : 0;
  Scientific sci;
  int shift = 0;
  if (Value != 0) {
    int exponent = ToScientific(Value, 18).Exponent;
    for (int pass = 0; pass < 2; ++pass) {
      shift = FloorMod3(exponent);
      sci = ToScientific(Value, decimals + 1 + shift);
      if (sci.Exponent == exponent) break;
      exponent = sci.Exponent;
    }
  } else {
    sci.Digits = String(static_cast<std::size_t>(decimals + 1), u'0');
  }
  const int exponent3 = sci.Exponent - shift;
  String text = sci.Negative ? u"-" : u"";
  text += sci.Digits.substr(0, static_cast<std::size_t>(shift) + 1);
  if (point) text += u"." + sci.Digits.substr(static_cast<std::size_t>(shift) + 1);
  const String e = vcl::IntToStr(std::abs(exponent3));
  return text + (exponent3 < 0 ? u"E-" : u"E+") + (e.size() < 2 ? u"0" + e : e);
}

String TypeText(double Value, const TNumLabFormat& F) {
  const int p = F.Precision;
  switch (F.DisplayType) {
    case dtFloat: return vcl::Format(u"%*.*g", {1, p, Value});
    case dtFixP: return vcl::Format(u"%*.*f", {1, p, Value});
    case dtExp: return vcl::Format(u"%*.*e", {1, p, Value});
    case dtInt:
    case dtZeroInt:
    case dtHex:
    case dtBin:
    case dtOct: return IntegerText(Value, F);
    case dtDateTime: return DateTimeText(Value, F);
    case dtState: return F.StateText;
    case dtDeg:
    case dtDegMin:
    case dtDegMinSec: return DegreesText(Value, F);
    case dtEEng:
    case dtEEngNoDP: return EngineeringText(Value, F);
  }
  return String();
}

// The types whose text is taken as it stands.
bool KeepsItsText(TDisplay T) {
  return T == dtHex || T == dtDateTime || T == dtState || T == dtBin;
}

}  // namespace

String NumLabText(double Value, const TNumLabFormat& Format) {
  String text = TypeText(Value, Format);
  // The indicator stands for a value with no text; it is shown as set.
  if (KeepsItsText(Format.DisplayType) || text == Format.OverflowIndicator) return text;
  for (char16_t& ch : text) {
    if (Format.Comma && ch == u'.') ch = u',';
    if (!Format.Comma && ch == u',') ch = u'.';
  }
  if (Format.PlusSign && Value > 0) text.insert(text.begin(), u'+');
  return text;
}

}  // namespace vyr
