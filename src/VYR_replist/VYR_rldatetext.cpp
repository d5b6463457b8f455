// Reading a date/time text against a picker pattern (VYR_rldatetext.h).
#include <array>
#include <optional>

#include "VYR_replist/VYR_rldatetext.h"
#include "companion/basepack/VYR_stringl.h"
#include "platform/DateUtils.h"

namespace vyr {

namespace {

constexpr std::array<std::u16string_view, 12> kMonths = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};
constexpr std::array<std::u16string_view, 7> kDays = {
    u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday", u"Sunday"};

bool IsPatternLetter(char16_t c) {
  return c == u'H' || c == u'M' || c == u'd' || c == u'h' || c == u'm' || c == u's' ||
         c == u't' || c == u'y';
}

bool StartsFolded(std::u16string_view Text, std::u16string_view Prefix) {
  return Text.size() >= Prefix.size() && SameTextIgnoringCase(Text.substr(0, Prefix.size()), Prefix);
}

// What has been read so far; -1 marks a part not read.
struct TReadParts {
  int Year = -1, Month = -1, Day = -1;
  int Hour = 0, Min = 0, Sec = 0;
  bool TwelveHour = false, Pm = false;
};

class TDateReader {
 public:
  TDateReader(std::u16string_view Text, std::u16string_view Pattern, int CurrentYear, int Window)
      : FText(Text), FPat(Pattern), FYear(CurrentYear), FWindow(Window) {}

  int Run(vcl::TDateTime& Value) {
    while (FP < FPat.size()) {
      const int code = IsPatternLetter(FPat[FP]) ? Field() : Literal();
      if (code != dtParsed) return code;
    }
    return Compose(Value);
  }

 private:
  // A quoted literal or a run of other characters must start the text.
  int Literal() {
    vcl::String lit;
    if (FPat[FP] == u'\'') {
      for (++FP; FP < FPat.size(); ++FP) {
        if (FPat[FP] != u'\'') {
          lit += FPat[FP];
        } else if (FP + 1 < FPat.size() && FPat[FP + 1] == u'\'') {
          lit += u'\'';
          ++FP;
        } else {
          ++FP;
          break;
        }
      }
    } else {
      while (FP < FPat.size() && !IsPatternLetter(FPat[FP]) && FPat[FP] != u'\'') lit += FPat[FP++];
    }
    if (!FText.starts_with(lit)) return dtLiteralMismatch;
    FText.remove_prefix(lit.size());
    return dtParsed;
  }

  // Exactly N characters as a number.
  std::optional<int> Fixed(std::size_t N) {
    if (FText.size() < N) return std::nullopt;
    int v = 0;
    for (std::size_t i = 0; i < N; ++i) {
      if (FText[i] < u'0' || FText[i] > u'9') return std::nullopt;
      v = v * 10 + (FText[i] - u'0');
    }
    FText.remove_prefix(N);
    return v;
  }
  // Digits of any length (at least one).
  std::optional<int> Number() {
    std::size_t n = 0;
    while (n < FText.size() && n < 9 && FText[n] >= u'0' && FText[n] <= u'9') ++n;
    return n == 0 ? std::nullopt : Fixed(n);
  }
  // A full name from the list that starts the text; its 1-based index.
  template <std::size_t N>
  std::optional<int> Name(const std::array<std::u16string_view, N>& Names, std::size_t Len) {
    for (std::size_t i = 0; i < N; ++i) {
      const std::u16string_view name = Len == 0 ? Names[i] : Names[i].substr(0, Len);
      if (StartsFolded(FText, name)) {
        FText.remove_prefix(name.size());
        return static_cast<int>(i) + 1;
      }
    }
    return std::nullopt;
  }

  int Field() {
    const char16_t letter = FPat[FP];
    std::size_t run = 0;
    while (FP < FPat.size() && FPat[FP] == letter) ++FP, ++run;
    std::optional<int> v;
    switch (letter) {
      case u'y':
        if (run != 2 && run != 4) return dtBadPattern;
        v = Fixed(run);
        if (v) FParts.Year = run == 4 ? *v : CenturyOf(*v);
        break;
      case u'M':
        if (run > 4) return dtBadPattern;
        v = run == 4 ? Name(kMonths, 0) : run == 3 ? Name(kMonths, 3) : run == 2 ? Fixed(2) : Number();
        if (v) FParts.Month = *v;
        break;
      case u'd':
        if (run > 4) return dtBadPattern;
        v = run == 4 ? Name(kDays, 0) : run == 3 ? Name(kDays, 3) : run == 2 ? Fixed(2) : Number();
        if (v && run <= 2) FParts.Day = *v;
        break;
      case u't': return AmPm(run);
      default: return TimeField(letter, run);
    }
    return v ? dtParsed : dtBadValue;
  }

  int TimeField(char16_t Letter, std::size_t Run) {
    if (Run > 2) return dtBadPattern;
    const std::optional<int> v = Run == 2 ? Fixed(2) : Number();
    if (!v) return dtBadValue;
    if (Letter == u'H' || Letter == u'h') {
      FParts.Hour = *v;
      FParts.TwelveHour = FParts.TwelveHour || Letter == u'h';
    } else if (Letter == u'm') {
      FParts.Min = *v;
    } else {
      FParts.Sec = *v;
    }
    return dtParsed;
  }

  int AmPm(std::size_t Run) {
    if (Run > 2) return dtBadPattern;
    const std::u16string_view am = Run == 1 ? u"a" : u"am";
    FParts.Pm = !StartsFolded(FText, am);
    FText.remove_prefix(std::min<std::size_t>(Run, FText.size()));
    return dtParsed;
  }

  int CenturyOf(int TwoDigits) const {
    const int base = FYear - FWindow;
    int year = base - base % 100 + TwoDigits;
    if (FWindow != 0 && year < base) year += 100;
    return year;
  }

  int Compose(vcl::TDateTime& Value) const {
    int hour = FParts.Hour;
    if (FParts.TwelveHour) {
      if (!FParts.Pm && hour == 12) hour = 0;
      if (FParts.Pm && hour != 12) hour += 12;
    }
    vcl::TDateTime time = 0;
    if (!vcl::TryEncodeTime(hour, FParts.Min, FParts.Sec, 0, time)) return dtBadValue;
    if (FParts.Year < 0 && FParts.Month < 0 && FParts.Day < 0) {
      Value = time;
      return dtParsed;
    }
    vcl::TDateTime date = 0;
    if (!vcl::TryEncodeDateTime(FParts.Year < 0 ? FYear : FParts.Year,
                                FParts.Month < 0 ? 1 : FParts.Month, FParts.Day < 0 ? 1 : FParts.Day,
                                hour, FParts.Min, FParts.Sec, 0, date)) {
      return dtBadValue;
    }
    Value = date;
    return dtParsed;
  }

  std::u16string_view FText, FPat;
  std::size_t FP = 0;
  int FYear, FWindow;
  TReadParts FParts;
};

}  // namespace

int ParseDateTimeText(const vcl::String& Text, const vcl::String& Pattern, vcl::TDateTime& Value,
                      int CurrentYear, int TwoDigitYearWindow) {
  Value = 0;
  vcl::TDateTime result = 0;
  const int code = TDateReader(Text, Pattern, CurrentYear, TwoDigitYearWindow).Run(result);
  if (code == dtParsed) Value = result;
  return code;
}

int ParseDateTimeText(const vcl::String& Text, const vcl::String& Pattern, vcl::TDateTime& Value) {
  return ParseDateTimeText(Text, Pattern, Value, vcl::YearOf(vcl::Date()),
                           vcl::FormatSettings.TwoDigitYearCenturyWindow);
}

}  // namespace vyr
