// Arbitrary bytes through the run-time library's text parsers and writers:
// Format and FormatFloat pictures, FormatDateTime patterns, the number and
// date readers, the string list's text forms and its file decoder. Besides
// never crashing, the code must keep these promises:
// - what CommaText/DelimitedText/Text write, the matching setter reads
//   back item for item;
// - FloatToStr's text reads back within its 15 significant digits;
// - dictionary comparison is antisymmetric, and case mapping is stable.
// The first byte picks the check; the rest is the text (UTF-8, repaired).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "rtl_text: %s\n", What);
  std::abort();
}

std::vector<String> Items(const TStrings& List) {
  std::vector<String> r;
  for (int i = 0; i < List.Count(); ++i) r.push_back(List.Strings(i));
  return r;
}

double ValueOf(std::string_view Bytes) {
  double v = 0;
  std::memcpy(&v, Bytes.data(), std::min(Bytes.size(), sizeof v));
  return v;
}

void FormatPatterns(const String& Text, double Value) {
  try {
    Format(Text, {1, -2.5, u"text", u'c', std::int64_t{-7}, nullptr, Value, 3});
  } catch (const EConvertError&) {
  }
  FormatFloat(Text, Value);
  FormatDateTime(Text, Value);
  FormatDateTime(Text, std::fmod(Value, 3e6));
}

void NumberReaders(const String& Text) {
  double d = 0;
  int i = 0;
  std::int64_t l = 0;
  TDateTime t = 0;
  TryStrToFloat(Text, d);
  TryStrToInt(Text, i);
  TryStrToInt64(Text, l);
  TryStrToDate(Text, t);
  TryStrToTime(Text, t);
  TryStrToDateTime(Text, t);
  bool b = false;
  TryStrToBool(Text, b);
}

void FloatRoundTrip(double Value) {
  // Subnormal values hold fewer digits than the text; huge ones may round
  // beyond the double range.
  if (!std::isfinite(Value) || std::fabs(Value) > 1e300 ||
      (Value != 0 && std::fabs(Value) < 1e-300))
    return;
  String text = FloatToStr(Value);
  double back = 0;
  Require(TryStrToFloat(text, back), "FloatToStr text does not read back");
  Require(std::fabs(back - Value) <= std::fabs(Value) * 1e-14,
          "FloatToStr lost more than 15 digits");
  FloatToStrF(Value, ffExponent, 18, 4);
  FloatToStrF(Value, ffCurrency, 15, 18);
}

void ListRoundTrips(const String& Text, Char Delimiter, bool Strict) {
  TStringList list;
  list.SetCommaText(Text);
  TStringList back;
  back.SetCommaText(list.CommaText());
  Require(Items(back) == Items(list), "CommaText does not read back");

  list.SetDelimiter(Delimiter);
  list.SetQuoteChar(u'\'');
  list.SetStrictDelimiter(Strict);
  list.SetDelimitedText(Text);
  back.SetDelimiter(Delimiter);
  back.SetQuoteChar(u'\'');
  back.SetStrictDelimiter(Strict);
  back.SetDelimitedText(list.DelimitedText());
  Require(Items(back) == Items(list), "DelimitedText does not read back");

  list.SetText(Text);
  back.SetText(list.Text());
  Require(Items(back) == Items(list), "Text does not read back");
  list.SetSorted(true);
  for (int k = 1; k < list.Count(); ++k) {
    Require(AnsiCompareText(list.Strings(k - 1), list.Strings(k)) <= 0, "sorted list out of order");
  }
}

void Comparisons(const String& Text) {
  std::size_t half = Text.size() / 2;
  String a = Text.substr(0, half), b = Text.substr(half);
  int ab = AnsiCompareStr(a, b), ba = AnsiCompareStr(b, a);
  Require((ab < 0) == (ba > 0) && (ab == 0) == (ba == 0), "AnsiCompareStr is not antisymmetric");
  Require((AnsiCompareText(a, b) == 0) == (AnsiCompareText(b, a) == 0),
          "AnsiCompareText is not symmetric");
  String up = AnsiUpperCase(Text);
  Require(AnsiUpperCase(up) == up, "upper case is not stable");
  Require(AnsiCompareText(Text, up) == 0, "case changes the text order");
}

void Decoder(std::string_view Bytes) {
  TMemoryStream m;
  m.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  m.SetPosition(0);
  TStringList list;
  list.LoadFromStream(&m);
  TMemoryStream out;
  list.SaveToStream(&out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 1) return 0;
  std::string_view rest(reinterpret_cast<const char*>(Data + 1), Size - 1);
  String text = FromUTF8(rest);
  switch (Data[0] % 6) {
    case 0:
      FormatPatterns(text, ValueOf(rest));
      break;
    case 1:
      NumberReaders(text);
      break;
    case 2:
      FloatRoundTrip(ValueOf(rest));
      break;
    case 3: {
      // A delimiter that is also the quote character makes the form ambiguous.
      Char delimiter = rest.empty() || rest[0] == '\''
                           ? u','
                           : static_cast<Char>(static_cast<std::uint8_t>(rest[0]));
      ListRoundTrips(text, delimiter, (Data[0] & 8) != 0);
      break;
    }
    case 4:
      Comparisons(text);
      break;
    default:
      Decoder(rest);
      break;
  }
  return 0;
}
