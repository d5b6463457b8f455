// Arbitrary UTF-16 text (the input bytes taken in pairs, little-endian; an
// odd last byte is dropped) through every scanner, checker, reader and
// writer of the number input formats. Besides staying within the text, the
// routines must agree with independent references:
// - a text the float checker accepts and the scanner reads whole has the
//   value the run-time library's StrToFloat gives it (where that conversion is
//   defined: at least one digit, a complete exponent, within the range);
// - the integer reader reads whole exactly the 32-bit decimal integers;
// - the base readers give the low 32 bits of the digits they read;
// - written numbers read back whole and within the rounding of the writer.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "VYR_NumIO/VYR_NumIOFormats.h"
#include "companion/basepack/VYR_univconst.h"
#include "platform/SysUtils.h"

using namespace vyr;
using namespace vyr::numio;
using vcl::String;

namespace {

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "numio_text: %s\n", What);
  std::abort();
}

int EndPos(const String& Text) { return static_cast<int>(Text.size()) + 1; }

bool Within(int Pos, int Low, int High) { return Pos >= Low && Pos <= High; }

// Reference conversion of a wholly scanned number: the run-time library's
// StrToFloat of the same characters, with the separator as a point. False
// where it is not defined to agree (no digits, "E" without digits, beyond
// the double range).
bool ReferenceValue(const String& Text, double& Value) {
  String text = Text;
  std::replace(text.begin(), text.end(), u',', u'.');
  vcl::TFormatSettings settings = vcl::TFormatSettings::Create();
  settings.DecimalSeparator = u'.';
  return vcl::TryStrToFloat(text, Value, settings);
}

void CheckScanner(const String& Text, TDecPSep Mode, bool Exp) {
  const int last = EndPos(Text);
  for (int start : {1, last / 2 + 1, last, 0, last + 5}) {
    int pos = start;
    const double v = ScanFloatText(Text, Exp, Mode, pos);
    Require(std::isfinite(v) && std::fabs(v) <= uc_MaxDouble, "scan value out of range");
    Require(start < 1 || start > last ? pos == start : Within(pos, start, last), "scan position");
  }
  int pos = 1;
  const double v = ScanFloatText(Text, Exp, Mode, pos);
  if (!IsFloatText(Text, Exp, Mode)) return;
  Require(pos >= 2, "accepted text scanned nothing");
  double reference = 0.0;
  if (Mode == dsSystem || pos != last || !ReferenceValue(Text, reference)) return;
  Require(v == reference, "scanner differs from the decimal conversion");
}

// Reference for the integer reader: the digits after blanks and one sign,
// in 64 bits (saturated), and whether the text is such a number throughout.
void CheckIntReader(const String& Text) {
  int pos = 1;
  const std::int32_t v = ReadIntText(Text, pos);
  Require(Text.empty() ? pos == 1 : Within(pos, 1, EndPos(Text)), "int reader position");
  std::size_t i = 0;
  while (i + 1 < Text.size() && Text[i] == u' ') ++i;
  const bool negative = i < Text.size() && Text[i] == u'-';
  if (i < Text.size() && (Text[i] == u'-' || Text[i] == u'+')) ++i;
  std::int64_t magnitude = 0;
  bool digitsOnly = true;
  for (; i < Text.size(); ++i) {
    if (Text[i] < u'0' || Text[i] > u'9') { digitsOnly = false; break; }
    magnitude = std::min<std::int64_t>(magnitude * 10 + (Text[i] - u'0'), INT64_C(1) << 40);
  }
  const std::int64_t expected = negative ? -magnitude : magnitude;
  const bool fits = expected >= INT32_MIN && expected <= INT32_MAX;
  if (Text.empty() || !digitsOnly) return;
  Require(fits == (pos == EndPos(Text)), "int reader stops exactly at the 32-bit range");
  if (fits) Require(v == expected, "int reader value");
}

// Value of a hexadecimal digit in either case; 99 for anything else.
unsigned DigitOf(vcl::Char C) {
  if (C >= u'0' && C <= u'9') return C - u'0';
  if ((C >= u'a' && C <= u'f') || (C >= u'A' && C <= u'F')) return (C | 0x20u) - u'a' + 10u;
  return 99;
}

template <class Reader>
void CheckBaseReader(const String& Text, Reader Read, unsigned Base, bool Dollar) {
  int pos = 1;
  const std::int32_t v = Read(Text, pos);
  Require(Text.empty() ? pos == 1 : Within(pos, 1, EndPos(Text)), "base reader position");
  std::size_t i = 0;
  while (i + 1 < Text.size() && Text[i] == u' ') ++i;
  if (Dollar && i == 0 && !Text.empty() && Text[0] == u'$') i = 1;
  std::uint64_t expected = 0;
  for (std::size_t k = i; k + 1 < static_cast<std::size_t>(pos); ++k) {
    const unsigned d = DigitOf(Text[k]);
    Require(d < Base, "base reader took a non-digit");
    expected = (expected * Base + d) & 0xFFFFFFFFu;
  }
  Require(static_cast<std::uint32_t>(v) == expected, "base reader value");
  if (pos <= static_cast<int>(Text.size())) {
    Require(DigitOf(Text[static_cast<std::size_t>(pos - 1)]) >= Base, "base reader stopped on a digit");
  }
  pos = 3;
  Read(Text, pos);
}

// Written numbers read back whole and within the writer's rounding.
void CheckWriters(double Value, unsigned Salt) {
  const int decimals = static_cast<int>(Salt % 9);
  const String fixed = FormatRealText(1, decimals, Value);
  int pos = 1;
  const double back = ScanFloatText(fixed, false, dsPoint, pos);
  Require(pos == EndPos(fixed), "fixed text does not read back whole");
  const double step = std::pow(10.0, -decimals);
  Require(std::fabs(back - Value) <= step / 2 + std::fabs(Value) * 1e-15, "fixed text rounding");

  const int width = 7 + static_cast<int>(Salt % 15);
  const String sci = FormatRealText(width, -2, Value);
  Require(static_cast<int>(sci.size()) == width, "scientific field width");
  if (sci.front() == u'*') return;
  pos = 1;
  const double sciBack = ScanFloatText(sci, true, dsPoint, pos);
  Require(pos == EndPos(sci), "scientific text does not read back whole");
  const double relative = std::pow(10.0, -(width - 7)) * 0.5 + 1e-15;
  Require(std::fabs(sciBack - Value) <= std::fabs(Value) * relative * 10, "scientific rounding");
}

void CheckTables(const String& Text, TDecPSep Mode, unsigned Salt) {
  const int places = static_cast<int>(Salt % 4);
  for (int f = itExp; f <= itDynamic + 1; ++f) {
    const auto format = static_cast<TInFormat>(f);
    double v = 0.0;
    if (ConvertEditText(Text, format, Mode, v) && f != itExp && f != itDynamic && f <= itDynamic) {
      double again = 0.0;
      Require(ConvertEditText(WriteEditValue(v, format, places + 1), format, dsPoint, again),
              "edit field text of a good value is refused");
    }
    Require(std::isfinite(ReadEditValue(Text, format, Mode)), "edit value");
    Require(std::isfinite(ReadCompoundValue(Text, format)), "compound value");
    CheckCompoundText(Text, format, Mode, places);
    WriteCompoundValue(v, format, places, places + 1);
  }
}

String TextOf(const std::uint8_t* Data, std::size_t Size) {
  String text;
  text.reserve(Size / 2);
  for (std::size_t i = 0; i + 1 < Size; i += 2) {
    text.push_back(static_cast<vcl::Char>(Data[i] | (Data[i + 1] << 8)));
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const String text = TextOf(Data, Size);
  const unsigned salt = Size > 0 ? Data[0] : 0;
  for (int mode = dsSystem; mode <= dsBoth + 1; ++mode) {
    CheckScanner(text, static_cast<TDecPSep>(mode), true);
    CheckScanner(text, static_cast<TDecPSep>(mode), false);
    IsFixedText(text, static_cast<TDecPSep>(mode));
    CheckTables(text, static_cast<TDecPSep>(mode), salt);
  }
  IsIntText(text);
  IsHexText(text);
  IsOctText(text);
  IsBinText(text);
  CheckIntReader(text);
  CheckBaseReader(text, ReadHexText, 16, true);
  CheckBaseReader(text, ReadOctText, 8, false);
  CheckBaseReader(text, ReadBinText, 2, false);

  int pos = 1;
  const double scanned = ScanFloatText(text, true, dsBoth, pos);
  CheckWriters(scanned, salt);
  pos = 1;
  const std::int32_t word = ReadHexText(text, pos);
  const auto count = static_cast<std::uint8_t>(salt);
  const auto bits = static_cast<std::uint32_t>(word);
  const auto expect = [count](std::size_t most) { return std::clamp<std::size_t>(count, 1, most); };
  Require(HexDigits(bits, count).size() == expect(8), "hex digit count");
  Require(OctDigits(bits, count).size() == expect(11), "octal digit count");
  Require(BinDigits(bits, count).size() == expect(32), "binary digit count");
  return 0;
}
