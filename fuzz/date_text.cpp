// Arbitrary bytes through the date/time text reader of the edit-row dialog,
// with the pattern taken from the input too. Input layout:
//   byte 0        pattern length in bytes (modulo 48)
//   byte 1        current year = 1600 + 4 * byte (1600 .. 2620)
//   byte 2        two-digit year window (modulo 100)
//   pattern bytes each one character, except 0xC0..0xFF which stand for a
//                 whole field token (yyyy, MMM, hh, tt, ...) so patterns
//                 reach every field kind quickly
//   the rest      the text, one character per byte (Latin-1)
// The reader must keep these promises whatever the bytes:
// - the result is dtParsed or one of the three failure codes;
// - a failure leaves 0 in the value;
// - a success gives a finite value with a whole number of seconds, within
//   one day when the pattern reads no date part;
// - the value written back with the same pattern (by an independent writer
//   of the field rules below) reads again to the same value, wherever that
//   writing is unambiguous: no number of free length directly followed by a
//   digit, no 12-hour clock beyond 11 o'clock without an AM/PM field, and not
//   both 12- and 24-hour fields in one pattern.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "VYR_replist/VYR_rldatetext.h"
#include "platform/DateUtils.h"

using vcl::String;

namespace {

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "date_text: %s\n", What);
  std::abort();
}

constexpr std::array<const char16_t*, 26> kTokens = {
    u"yyyy", u"yy", u"MMMM", u"MMM", u"MM", u"M",   u"dddd", u"ddd", u"dd",  u"d",
    u"HH",   u"H",  u"hh",   u"h",   u"mm", u"m",   u"ss",   u"s",   u"tt",  u"t",
    u"'",    u"''", u".",    u" ",   u":",  u"yyy"};

constexpr std::array<const char16_t*, 12> kMonths = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};
constexpr std::array<const char16_t*, 7> kDays = {
    u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday", u"Sunday"};

bool IsFieldLetter(char16_t C) {
  return C == u'H' || C == u'M' || C == u'd' || C == u'h' || C == u'm' || C == u's' || C == u't' ||
         C == u'y';
}

bool IsDigit(char16_t C) { return C >= u'0' && C <= u'9'; }

// The decoded parts of a read value.
struct TParts {
  int Year, Month, Day, Hour, Min, Sec, MSec, WeekDay;
};

String Padded(int Value, std::size_t Width) {
  std::u16string text;
  for (const char c : std::to_string(Value)) text += static_cast<char16_t>(c);
  while (text.size() < Width) text.insert(text.begin(), u'0');
  return text;
}

// Writes P with Pattern by the field rules of the reader. False where the
// written text would not read back unambiguously (see the file comment).
class TWriter {
 public:
  TWriter(const String& Pattern, const TParts& P) : FPat(Pattern), FP(P) {}

  bool Write(String& Out) {
    std::size_t i = 0;
    while (i < FPat.size()) {
      if (!IsFieldLetter(FPat[i])) {
        Literal(i);
        continue;
      }
      const char16_t letter = FPat[i];
      std::size_t run = 0;
      while (i < FPat.size() && FPat[i] == letter) ++i, ++run;
      if (!Field(letter, run)) return false;
    }
    const bool twelveHour = FPat.find(u'h') != String::npos;
    const bool hasAmPm = FPat.find(u't') != String::npos;
    if (twelveHour && FPat.find(u'H') != String::npos) return false;
    if (twelveHour && !hasAmPm && FP.Hour >= 12) return false;
    if (!FAmbiguous) Out = FText;
    return !FAmbiguous;
  }

 private:
  void Append(const String& Piece, bool FreeLength) {
    if (FFreeNumberOpen && !Piece.empty() && IsDigit(Piece.front())) FAmbiguous = true;
    FText += Piece;
    FFreeNumberOpen = FreeLength;
  }

  void Literal(std::size_t& I) {
    String lit;
    if (FPat[I] == u'\'') {
      for (++I; I < FPat.size(); ++I) {
        if (FPat[I] != u'\'') {
          lit += FPat[I];
        } else if (I + 1 < FPat.size() && FPat[I + 1] == u'\'') {
          lit += u'\'';
          ++I;
        } else {
          ++I;
          break;
        }
      }
    } else {
      while (I < FPat.size() && !IsFieldLetter(FPat[I]) && FPat[I] != u'\'') lit += FPat[I++];
    }
    if (lit.empty()) return;  // an empty literal leaves an open number open
    Append(lit, false);
  }

  bool Field(char16_t Letter, std::size_t Run) {
    switch (Letter) {
      case u'y': Append(Run == 4 ? Padded(FP.Year, 4) : Padded(FP.Year % 100, 2), false); return true;
      case u'M': return Named(Run, FP.Month, kMonths[static_cast<std::size_t>(FP.Month - 1)]);
      case u'd': return Named(Run, FP.Day, kDays[static_cast<std::size_t>(FP.WeekDay - 1)]);
      case u'H': return Number(Run, FP.Hour);
      case u'h': return Number(Run, FP.Hour % 12 == 0 ? 12 : FP.Hour % 12);
      case u'm': return Number(Run, FP.Min);
      case u's': return Number(Run, FP.Sec);
      default: Append(Run == 1 ? String(FP.Hour >= 12 ? u"p" : u"a") : String(FP.Hour >= 12 ? u"pm" : u"am"), false);
        return true;
    }
  }

  // Runs of 4 and 3 are names (full / three letters), 2 and 1 numbers.
  bool Named(std::size_t Run, int Value, const char16_t* Name) {
    if (Run >= 3) {
      const String name(Name);
      Append(Run == 4 ? name : name.substr(0, 3), false);
      return true;
    }
    return Number(Run, Value);
  }

  bool Number(std::size_t Run, int Value) {
    Append(Padded(Value, Run == 2 ? 2 : 0), Run == 1);
    return true;
  }

  const String& FPat;
  const TParts& FP;
  String FText;
  bool FFreeNumberOpen = false;
  bool FAmbiguous = false;
};

bool ReadsDatePart(const String& Pattern) {
  return Pattern.find(u'y') != String::npos || Pattern.find(u'M') != String::npos ||
         Pattern.find(u'd') != String::npos;
}

// Field letters inside quotes make the plain search above unreliable; the
// round trip is only checked for patterns whose quotes hold no such letter.
bool QuotesHoldFieldLetters(const String& Pattern) {
  bool quoted = false;
  for (const char16_t c : Pattern) {
    if (c == u'\'') quoted = !quoted;
    else if (quoted && IsFieldLetter(c)) return true;
  }
  return false;
}

void CheckSuccess(const String& Pattern, vcl::TDateTime Value, int Year, int Window) {
  Require(std::isfinite(Value), "parsed value is not finite");
  TParts p{};
  vcl::DecodeDateTime(Value, p.Year, p.Month, p.Day, p.Hour, p.Min, p.Sec, p.MSec);
  Require(p.MSec == 0, "parsed value holds milliseconds");
  if (!ReadsDatePart(Pattern) && !QuotesHoldFieldLetters(Pattern)) {
    Require(Value >= 0 && Value < 1, "time-only pattern gave a date");
  }
  if (QuotesHoldFieldLetters(Pattern) || p.Year < 1) return;
  p.WeekDay = vcl::DayOfTheWeek(Value);
  String written;
  if (!TWriter(Pattern, p).Write(written)) return;
  vcl::TDateTime again = -1;
  const int code = vyr::ParseDateTimeText(written, Pattern, again, Year, Window);
  Require(code == vyr::dtParsed, "written value does not read back");
  Require(again == Value, "written value reads back to another value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 3) return 0;
  const std::size_t patternBytes = std::min<std::size_t>(Data[0] % 48, Size - 3);
  const int year = 1600 + 4 * Data[1];
  const int window = Data[2] % 100;
  String pattern;
  for (std::size_t i = 3; i < 3 + patternBytes; ++i) {
    if (Data[i] >= 0xC0) pattern += kTokens[Data[i] % kTokens.size()];
    else pattern += static_cast<char16_t>(Data[i]);
  }
  String text;
  for (std::size_t i = 3 + patternBytes; i < Size; ++i) text += static_cast<char16_t>(Data[i]);

  vcl::TDateTime value = 12345.5;
  const int code = vyr::ParseDateTimeText(text, pattern, value, year, window);
  Require(code == vyr::dtParsed || code == vyr::dtLiteralMismatch || code == vyr::dtBadPattern ||
              code == vyr::dtBadValue,
          "result code outside the documented set");
  if (code != vyr::dtParsed) {
    Require(value == 0, "a failed read left a value");
    return 0;
  }
  CheckSuccess(pattern, value, year, window);
  return 0;
}
