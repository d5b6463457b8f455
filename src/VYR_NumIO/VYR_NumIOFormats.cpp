#include "VYR_NumIO/VYR_NumIOFormats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

#include "companion/basepack/VYR_univconst.h"
#include "platform/SysUtils.h"

namespace vyr::numio {
namespace {

using vcl::Char;
using vcl::String;

// The character at 1-based position Pos, or 0 outside the text. Every read
// of the scanners and readers goes through here, so no start position and
// no text can make them read outside the string.
Char At(const String& Text, std::int64_t Pos) {
  if (Pos < 1 || static_cast<std::uint64_t>(Pos) > Text.size()) return 0;
  return Text[static_cast<std::size_t>(Pos - 1)];
}

// Positions are computed in 64 bits and handed back as int.
int ToIntPos(std::int64_t Pos) {
  return static_cast<int>(std::clamp<std::int64_t>(Pos, INT_MIN, INT_MAX));
}

bool IsWholeText(const String& Text, int Pos) {
  return Pos >= 1 && static_cast<std::size_t>(Pos) == Text.size() + 1;
}

Char UpCase(Char C) { return (C >= u'a' && C <= u'z') ? static_cast<Char>(C - 32) : C; }
Char LowCase(Char C) { return (C >= u'A' && C <= u'Z') ? static_cast<Char>(C + 32) : C; }
bool IsDigit(Char C) { return C >= u'0' && C <= u'9'; }

// ---- Separator sets --------------------------------------------------------

struct SepSet {
  bool Point;
  bool Comma;
};

// Which characters a resolved mode accepts as the decimal separator; an
// unknown ordinal accepts neither.
SepSet SepsOf(TDecPSep Mode) {
  return {Mode == dsPoint || Mode == dsBoth, Mode == dsComma || Mode == dsBoth};
}

// ---- Float state machine -----------------------------------------------
//
// States: 1 start, 2 sign seen, 3 integer digits, 4 separator seen,
// 5 fraction digits, 6 "E" seen, 7 exponent sign seen, 8 exponent digits,
// 9 done (accept), 0 error. ExpOrDone stands for "6 when an exponent is
// allowed, otherwise done".

enum CharClass : int { ccSeparator, ccBlank, ccSign, ccDigit, ccE, ccOther };

constexpr int stError = 0;
constexpr int stDone = 9;
constexpr int ExpOrDone = -1;

constexpr std::array<std::array<int, 6>, 8> FloatTable = {{
    //  sep  blank sign digit  E          other/end
    {4, 1, 2, 3, stError, stError},           // 1 start
    {4, stError, stError, 3, stError, stError},  // 2 sign
    {4, 9, 9, 3, ExpOrDone, 9},               // 3 integer digits
    {stError, 9, 9, 5, ExpOrDone, 9},         // 4 separator
    {stError, 9, 9, 5, ExpOrDone, 9},         // 5 fraction digits
    {stError, stError, 7, 8, stError, 9},     // 6 "E"
    {stError, stError, stError, 8, stError, 9},  // 7 exponent sign
    {9, 9, 9, 8, 9, 9},                       // 8 exponent digits
}};

// The exponent magnitude stops growing here: anything above the limit is
// treated alike, and an endless run of digits cannot overflow.
constexpr int ExponentCeiling = 100000;

// Classifies an upper-cased character; 0 (outside the text) is "other".
CharClass FloatClassOf(Char C, SepSet Seps) {
  if (C == u'.') return Seps.Point ? ccSeparator : ccOther;
  if (C == u',') return Seps.Comma ? ccSeparator : ccOther;
  if (C == u' ') return ccBlank;
  if (C == u'+' || C == u'-') return ccSign;
  if (IsDigit(C)) return ccDigit;
  return C == u'E' ? ccE : ccOther;
}

int NextFloatState(int State, CharClass Class, bool ExpAllowed) {
  const int next = FloatTable[static_cast<std::size_t>(State - 1)][Class];
  if (next == ExpOrDone) return ExpAllowed ? 6 : stDone;
  return next;
}

// Runs the machine from Pos until done or error and leaves Pos on the
// character that stopped it. For each step that lands in states 1..8,
// OnChar receives the upper-cased character and the exponent magnitude
// collected so far (the digits read in states 6, 7 and 8; 0 when none).
// With RefuseLongExp an exponent above the limit is an error (the checker);
// otherwise the caller decides what to do with it (the scanner cuts it).
template <class Sink>
int RunFloatMachine(const String& Text, bool ExpAllowed, SepSet Seps, std::int64_t& Pos,
                    bool RefuseLongExp, Sink&& OnChar) {
  int state = 1;
  int exponent = 0;
  while (state != stError && state != stDone) {
    const Char c = UpCase(At(Text, Pos));
    ++Pos;
    const CharClass cls = FloatClassOf(c, Seps);
    if (cls == ccDigit && state >= 6) exponent = std::min(exponent * 10 + (c - u'0'), ExponentCeiling);
    state = NextFloatState(state, cls, ExpAllowed);
    if (state == stError || state == stDone) break;
    if (RefuseLongExp && exponent > MaxScanExponent) {
      state = stError;
    } else {
      OnChar(c, exponent);
    }
  }
  --Pos;
  return state;
}

// ---- Number text conversion --------------------------------------------

// Saturating value of a run of decimal digits.
int DigitRunValue(std::string_view Digits) {
  int value = 0;
  for (char c : Digits) value = std::min(value * 10 + (c - '0'), ExponentCeiling);
  return value;
}

// Whether a mantissa (digits with an optional point) times 10^Exponent is
// at least 1; decides the direction when the conversion is out of range.
bool AtLeastOne(std::string_view Mantissa, int Exponent) {
  const auto point = Mantissa.find('.');
  const std::string_view whole = Mantissa.substr(0, point);
  const auto firstNonZero = whole.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    return static_cast<std::int64_t>(whole.size() - firstNonZero) + Exponent > 0;
  }
  if (point == std::string_view::npos) return false;
  const std::string_view fraction = Mantissa.substr(point + 1);
  const auto lead = fraction.find_first_not_of('0');
  if (lead == std::string_view::npos) return false;
  return Exponent - static_cast<std::int64_t>(lead) > 0;
}

// Converts the number text the scanner built: leading blanks, an optional
// sign, digits with an optional point, then optionally "E", a sign and
// digits. A trailing point reads as ".0", a mantissa without digits as 0
// and an "E" without digits as no exponent, so no text the scanner accepts
// fails. Independent of the locale.
double NumberTextValue(std::string_view Text) {
  std::size_t i = Text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0.0;
  const bool negative = Text[i] == '-';
  if (Text[i] == '-' || Text[i] == '+') ++i;
  const std::size_t mantissaEnd = std::min(Text.find('E', i), Text.size());
  const std::string_view mantissa = Text.substr(i, mantissaEnd - i);
  if (mantissa.find_first_of("0123456789") == std::string_view::npos) return 0.0;

  std::string number(mantissa);
  int exponent = 0;
  if (mantissaEnd < Text.size()) {
    std::string_view exp = Text.substr(mantissaEnd + 1);
    const bool expNegative = !exp.empty() && exp.front() == '-';
    if (!exp.empty() && (exp.front() == '-' || exp.front() == '+')) exp.remove_prefix(1);
    if (!exp.empty()) {
      exponent = expNegative ? -DigitRunValue(exp) : DigitRunValue(exp);
      number += 'e' + std::to_string(exponent);
    }
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    value = AtLeastOne(mantissa, exponent) ? HUGE_VAL : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  if (value == 0.0) return 0.0;  // no negative zero
  return negative ? -value : value;
}

double ClampToMaxDouble(double Value) { return std::clamp(Value, -uc_MaxDouble, uc_MaxDouble); }

// ---- Readers -----------------------------------------------------------

// Skips blanks from Pos on, but never the last character of the text.
void SkipBlanks(const String& Text, std::int64_t& Pos) {
  while (Pos >= 1 && static_cast<std::uint64_t>(Pos) < Text.size() && At(Text, Pos) == u' ') ++Pos;
}

constexpr std::u16string_view DigitChars = u"0123456789ABCDEF";

// Value of C as a digit of Base (2, 8 or 16; letters in either case), or -1.
int BaseDigitValue(Char C, std::size_t Base) {
  if (C == 0) return -1;
  const auto i = DigitChars.substr(0, Base).find(UpCase(C));
  return i == std::u16string_view::npos ? -1 : static_cast<int>(i);
}

std::int32_t ReadBaseText(const String& Text, int& Pos, unsigned Base, bool DollarPrefix) {
  if (Text.empty()) return 0;
  std::int64_t pos = Pos;
  SkipBlanks(Text, pos);
  if (DollarPrefix && pos == 1 && At(Text, 1) == u'$') pos = 2;
  std::uint32_t value = 0;
  for (int d; (d = BaseDigitValue(At(Text, pos), Base)) >= 0; ++pos) {
    value = value * Base + static_cast<std::uint32_t>(d);
  }
  Pos = ToIntPos(pos);
  return static_cast<std::int32_t>(value);
}

bool AllChars(const String& Text, bool (*Accept)(Char)) {
  return !Text.empty() && std::all_of(Text.begin(), Text.end(), Accept);
}

// ---- Fixed decimal checker -------------------------------------------------

enum FixClass : int { fcSign, fcSeparator, fcDigit, fcOther };

// States 0 start, 1 sign, 2 separator, 3 integer digits, 4 fraction digits;
// -1 is the error state.
constexpr std::array<std::array<int, 4>, 5> FixTable = {{
    // sign sep digit other
    {1, 2, 3, -1},    // 0 start
    {-1, 2, 3, -1},   // 1 sign
    {-1, -1, 4, -1},  // 2 separator
    {-1, 2, 3, -1},   // 3 integer digits
    {-1, -1, 4, -1},  // 4 fraction digits
}};

FixClass FixClassOf(Char C, SepSet Seps) {
  if (C == u'+' || C == u'-') return fcSign;
  if ((C == u'.' && Seps.Point) || (C == u',' && Seps.Comma)) return fcSeparator;
  return IsDigit(C) ? fcDigit : fcOther;
}

// ---- Writers -----------------------------------------------------------

// Limits that keep a writer's output bounded whatever a caller passes.
constexpr int MaxWidth = 1024;
constexpr int MaxDecimals = 64;
constexpr int MaxSignificant = 40;

String Widen(std::string_view Ascii) { return String(Ascii.begin(), Ascii.end()); }

std::string NonFiniteText(double Value) {
  if (std::isnan(Value)) return "NAN";
  return Value < 0 ? "-INF" : "INF";
}

std::string FixedText(double Value, int Decimals) {
  if (Value == 0.0) Value = 0.0;  // a negative zero writes without sign
  std::array<char, 400> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), Value,
                                 std::chars_format::fixed, Decimals);
  return std::string(buf.data(), res.ptr);
}

// " d.ddd…E+dd" with Digits significant digits; "*" everywhere when the
// decimal exponent needs three or more digits.
std::string ScientificText(double Value, int Digits) {
  std::array<char, 128> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(Value),
                                 std::chars_format::scientific, Digits - 1);
  const std::string_view out(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const std::size_t e = out.find('e');
  std::string mantissa(out.substr(0, e));
  if (mantissa.size() == 1) mantissa += '.';
  int exponent = 0;
  std::string_view expText = out.substr(e + 1);
  if (expText.front() == '+') expText.remove_prefix(1);
  std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

  std::string text = (Value < 0 ? "-" : " ") + mantissa + 'E' + (exponent < 0 ? '-' : '+');
  const int magnitude = std::abs(exponent);
  if (magnitude >= 100) return std::string(text.size() + 2, '*');
  text += static_cast<char>('0' + magnitude / 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

// Pads on the left to Width: with blanks, or with zeros and the minus sign
// moved to the front.
std::string Padded(std::string Text, int Width, bool ZeroPad) {
  if (static_cast<int>(Text.size()) < Width) Text.insert(0, Width - Text.size(), ' ');
  if (!ZeroPad) return Text;
  std::replace(Text.begin(), Text.end(), ' ', '0');
  const auto minus = Text.find('-');
  if (minus != std::string::npos && minus > 0) {
    Text.erase(minus, 1);
    Text.insert(0, 1, '-');
  }
  return Text;
}

String DigitText(std::uint32_t Value, std::uint8_t Count, int MaxCount, int Bits) {
  const int count = std::clamp<int>(Count, 1, MaxCount);
  const std::uint32_t mask = (1u << Bits) - 1u;
  String text(static_cast<std::size_t>(count), u'0');
  for (int i = count - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = DigitChars[Value & mask];
    Value >>= Bits;
  }
  return text;
}

String DecimalIntText(std::int64_t Value) { return Widen(std::to_string(Value)); }

// ---- Format-table helpers --------------------------------------------------

String LowerCase(String Text) {
  std::transform(Text.begin(), Text.end(), Text.begin(), LowCase);
  return Text;
}

// In the exponent format a text that ends in "e", "e+" or "e-" is read
// without that dangling exponent, so "1.5e" is good while it is typed.
String CutDanglingExponent(const String& Lower) {
  const auto e = Lower.find(u'e');
  if (e == String::npos) return Lower;
  const std::size_t rest = Lower.size() - e - 1;
  const bool dangling =
      rest == 0 || (rest == 1 && (Lower.back() == u'+' || Lower.back() == u'-'));
  return dangling ? Lower.substr(0, e) : Lower;
}

// The format the itDynamic prefix selects ("$", "&", "%"), else itExp.
TInFormat DynamicFormatOf(const String& Text) {
  if (Text.empty()) return itExp;
  switch (Text.front()) {
    case u'$': return itHex;
    case u'&': return itOct;
    case u'%': return itBin;
    default: return itExp;
  }
}

// Reads a lower-cased text without blanks in a resolved format; true when
// the reader used all of it.
bool ReadEditTextWhole(const String& Text, TInFormat Format, TDecPSep Mode, double& Value) {
  int pos = 1;
  switch (Format) {
    case itExp: {
      const String cut = CutDanglingExponent(Text);
      Value = ScanFloatText(cut, true, Mode, pos);
      return IsWholeText(cut, pos);
    }
    case itFloat:
    case itFixPoint: Value = ScanFloatText(Text, false, Mode, pos); break;
    case itInt: Value = ReadIntText(Text, pos); break;
    case itHex: Value = ReadHexText(Text, pos); break;
    case itOct: Value = ReadOctText(Text, pos); break;
    case itBin: Value = ReadBinText(Text, pos); break;
    default: return false;
  }
  return IsWholeText(Text, pos);
}

// The compound control's value of a text that passed IsIntText: the
// run-time library's integer conversion, and 2147483647 whenever that
// conversion fails, which is for any text beyond the 32-bit range, on
// either side (so "-2147483649" gives 2147483647 as well).
std::int32_t IntTextValue(const String& Text) {
  const bool negative = Text.front() == u'-';
  std::int64_t magnitude = 0;
  for (Char c : Text) {
    if (IsDigit(c)) magnitude = std::min<std::int64_t>(magnitude * 10 + (c - u'0'), INT64_C(1) << 40);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return INT32_MAX;
  return static_cast<std::int32_t>(value);
}

double ScanWholeFloat(const String& Text) {
  int pos = 1;
  return ScanFloatText(Text, true, dsBoth, pos);
}

// 1-based position of the first ".", 0 when there is none.
std::size_t PointPosition(const String& Text) {
  const auto p = Text.find(u'.');
  return p == String::npos ? 0 : p + 1;
}

}  // namespace

// ---- Decimal separator -------------------------------------------------

vcl::Char SystemDecimalSeparator() { return vcl::FormatSettings.DecimalSeparator; }

TDecPSep ResolveReadSep(TDecPSep Mode) {
  if (Mode != dsSystem) return Mode;
  return SystemDecimalSeparator() == u',' ? dsComma : dsPoint;
}

TDecPSep ResolveCheckSep(TDecPSep Mode) {
  if (Mode != dsSystem) return Mode;
  return SystemDecimalSeparator() == u'.' ? dsPoint : dsComma;
}

// ---- Scanners and checkers ---------------------------------------------

// The number text collects every character that moves the machine (a comma
// as "."), as long as the exponent read so far stays within the limit:
// further exponent digits are dropped, which keeps the exponent within the
// range of the conversion while the position still passes over them.
double ScanFloatText(const vcl::String& Text, bool ExpAllowed, TDecPSep Mode, int& Pos) {
  std::int64_t pos = Pos;
  std::string number;
  const int state = RunFloatMachine(Text, ExpAllowed, SepsOf(ResolveReadSep(Mode)), pos, false,
                                    [&number](Char c, int exponent) {
                                      if (exponent > MaxScanExponent) return;
                                      number += c == u',' ? '.' : static_cast<char>(c);
                                    });
  Pos = ToIntPos(pos);
  if (state != stDone) return 0.0;
  return ClampToMaxDouble(NumberTextValue(number));
}

bool IsFloatText(const vcl::String& Text, bool ExpAllowed, TDecPSep Mode) {
  if (Text.empty()) return false;
  std::int64_t pos = 1;
  const auto ignore = [](Char, int) {};
  return RunFloatMachine(Text, ExpAllowed, SepsOf(ResolveCheckSep(Mode)), pos, true, ignore) ==
         stDone;
}

bool IsFixedText(const vcl::String& Text, TDecPSep Mode) {
  if (Text.empty()) return false;
  const SepSet seps = SepsOf(ResolveCheckSep(Mode));
  int state = 0;
  for (Char c : Text) {
    state = FixTable[static_cast<std::size_t>(state)][FixClassOf(c, seps)];
    if (state < 0) return false;
  }
  return true;
}

bool IsIntText(const vcl::String& Text) {
  if (Text.empty()) return false;
  const Char first = Text.front();
  if (Text.size() == 1) return IsDigit(first);
  if (first != u'+' && first != u'-' && !IsDigit(first)) return false;
  return std::all_of(Text.begin() + 1, Text.end(), IsDigit);
}

bool IsHexText(const vcl::String& Text) {
  return AllChars(Text, [](Char c) { return BaseDigitValue(c, 16) >= 0; });
}

bool IsOctText(const vcl::String& Text) {
  return AllChars(Text, [](Char c) { return c >= u'0' && c <= u'7'; });
}

bool IsBinText(const vcl::String& Text) {
  return AllChars(Text, [](Char c) { return c == u'0' || c == u'1'; });
}

// ---- Readers -------------------------------------------------------------

std::int32_t ReadIntText(const vcl::String& Text, int& Pos) {
  if (Text.empty()) return 0;
  std::int64_t pos = Pos;
  SkipBlanks(Text, pos);
  const Char sign = At(Text, pos);
  const bool negative = sign == u'-';
  if (sign == u'-' || sign == u'+') ++pos;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
  std::int64_t magnitude = 0;
  for (Char c; IsDigit(c = At(Text, pos)); ++pos) {
    const std::int64_t next = magnitude * 10 + (c - u'0');
    if (next > limit) break;  // not a 32-bit number: stop before this digit
    magnitude = next;
  }
  Pos = ToIntPos(pos);
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t ReadHexText(const vcl::String& Text, int& Pos) { return ReadBaseText(Text, Pos, 16, true); }
std::int32_t ReadOctText(const vcl::String& Text, int& Pos) { return ReadBaseText(Text, Pos, 8, false); }
std::int32_t ReadBinText(const vcl::String& Text, int& Pos) { return ReadBaseText(Text, Pos, 2, false); }

// ---- Writers -------------------------------------------------------------

vcl::String FormatRealText(int Width, int Decimals, double Value) {
  const int width = std::min(Width < 0 ? (Width == INT_MIN ? MaxWidth : -Width) : Width, MaxWidth);
  if (!std::isfinite(Value)) return Widen(Padded(NonFiniteText(Value), width, false));
  if (Decimals >= 0) {
    return Widen(Padded(FixedText(Value, std::min(Decimals, MaxDecimals)), width, Width < 0));
  }
  const int digits = std::clamp(width - 6, 1, MaxSignificant);
  return Widen(Padded(ScientificText(Value, digits), width, Width < 0));
}

vcl::String HexDigits(std::uint32_t Value, std::uint8_t Count) { return DigitText(Value, Count, 8, 4); }
vcl::String OctDigits(std::uint32_t Value, std::uint8_t Count) { return DigitText(Value, Count, 11, 3); }
vcl::String BinDigits(std::uint32_t Value, std::uint8_t Count) { return DigitText(Value, Count, 32, 1); }

std::int64_t RoundToInt64(double Value) {
  if (std::isnan(Value)) return 0;
  const double r = std::nearbyint(Value);  // the default rounding: halves to even
  if (r >= 9223372036854775808.0) return INT64_MAX;
  if (r < -9223372036854775808.0) return INT64_MIN;
  return static_cast<std::int64_t>(r);
}

std::uint32_t LowBits32(double Value) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(RoundToInt64(Value)));
}

// ---- Format tables: the edit field -------------------------------------

bool ConvertEditText(const vcl::String& Text, TInFormat Format, TDecPSep Mode, double& Value) {
  if (Text.empty()) return false;
  Value = 0.0;
  const auto first = Text.find_first_not_of(u' ');
  if (first == String::npos) return true;  // blanks only read as 0
  const String text = LowerCase(Text.substr(first));
  if (text.find(u' ') != String::npos) return false;
  if (Format != itDynamic) return ReadEditTextWhole(text, Format, ResolveReadSep(Mode), Value);
  const TInFormat format = DynamicFormatOf(text);
  const String body = format == itExp ? text : text.substr(1);
  return ReadEditTextWhole(body, format, ResolveReadSep(Mode), Value);
}

// The text is read with its first comma as the point, and in the comma
// mode it is then read in the point mode: the field accepted the comma,
// and its own writer puts a point, so both must read as the decimal point.
double ReadEditValue(const vcl::String& Text, TInFormat Format, TDecPSep Mode) {
  String text = Text;
  const auto comma = text.find(u',');
  if (comma != String::npos) text[comma] = u'.';
  if (!text.empty() && text.back() == u'.') text += u'0';
  TDecPSep mode = ResolveReadSep(Mode);
  if (mode == dsComma) mode = dsPoint;
  double value = 0.0;
  return ConvertEditText(text, Format, mode, value) ? value : 0.0;
}

vcl::String WriteEditValue(double Value, TInFormat Format, int FixPointDecPlaces) {
  switch (Format) {
    case itExp:
    case itDynamic: return FormatRealText(12, -2, Value);
    case itFloat: return FormatRealText(1, 8, Value);
    case itFixPoint: return FormatRealText(1, std::max(FixPointDecPlaces, 0), Value);
    case itInt: return FormatRealText(1, 0, Value);
    case itHex: return HexDigits(LowBits32(Value), 8);
    case itOct: return OctDigits(LowBits32(Value), 8);
    case itBin: return BinDigits(LowBits32(Value), 8);
  }
  return String();
}

// ---- Format tables: the compound control -------------------------------

double ReadCompoundValue(const vcl::String& Text, TInFormat Format) {
  int pos = 1;
  switch (Format) {
    case itExp:
    case itFloat:
    case itFixPoint: return ScanWholeFloat(Text);
    case itInt: return IsIntText(Text) ? IntTextValue(Text) : 0.0;
    case itHex: return ReadHexText(Text, pos);
    case itOct: return ReadOctText(Text, pos);
    case itBin: return ReadBinText(Text, pos);
    case itDynamic: break;
  }
  if (Text.empty() || Format != itDynamic) return 0.0;
  const TInFormat format = DynamicFormatOf(Text);
  if (format == itExp) return ScanWholeFloat(Text);
  return ReadCompoundValue(Text.substr(1), format);
}

vcl::String WriteCompoundValue(double Value, TInFormat Format, int FixPointDecPlaces,
                               int SignificantDigits) {
  switch (Format) {
    case itExp: return FormatRealText(std::max(SignificantDigits, 1) + 6, -2, Value);
    case itFloat:
    case itFixPoint: return FormatRealText(1, std::max(FixPointDecPlaces, 0), Value);
    case itInt:
    case itDynamic: return DecimalIntText(RoundToInt64(Value));
    case itHex: return HexDigits(LowBits32(Value), 8);
    case itOct: return OctDigits(LowBits32(Value), 11);
    case itBin: return BinDigits(LowBits32(Value), 32);
  }
  return String();
}

// In the fixed-point format the first "." must stand exactly
// FixPointDecPlaces characters before the end (a text without a point counts
// it at position 0). Only the point serves there, whatever the mode, since
// the control's writer puts a point: the check runs in the point mode.
bool CheckCompoundText(const vcl::String& Text, TInFormat Format, TDecPSep Mode,
                       int FixPointDecPlaces) {
  switch (Format) {
    case itExp: return IsFloatText(Text, true, Mode);
    case itFloat: return IsFixedText(Text, Mode);
    case itFixPoint:
      return IsFixedText(Text, dsPoint) &&
             static_cast<std::int64_t>(PointPosition(Text)) ==
                 static_cast<std::int64_t>(Text.size()) - FixPointDecPlaces;
    case itInt: return IsIntText(Text);
    case itHex: return IsHexText(Text);
    case itOct: return IsOctText(Text);
    case itBin: return IsBinText(Text);
    case itDynamic: break;
  }
  if (Text.empty() || Format != itDynamic) return false;
  const String rest = Text.substr(1);
  switch (Text.front()) {
    case u'$': return IsHexText(rest);
    case u'%': return IsBinText(rest);
    case u'&': return IsOctText(rest);
    default: return IsFloatText(Text, true, Mode);
  }
}

}  // namespace vyr::numio
