// The date-time picker's format tokens and the field arithmetic.
#include "platform/comctrls/PickerFormat.h"

#include <algorithm>
#include <cmath>

namespace vcl::comctrls {

namespace {

bool IsPickerLetter(Char C) {
  return C == u'd' || C == u'M' || C == u'y' || C == u'h' || C == u'H' || C == u'm' ||
         C == u's' || C == u't';
}

TPickerField FieldOfLetter(Char C) {
  switch (C) {
    case u'd': return pfDay;
    case u'M': return pfMonth;
    case u'y': return pfYear;
    case u'h': case u'H': return pfHour;
    case u'm': return pfMinute;
    case u's': return pfSecond;
    default: return pfAmPm;
  }
}

// The token of a run of Count letters C.
TPickerToken FieldToken(Char C, int Count) {
  TPickerToken t;
  t.Field = FieldOfLetter(C);
  t.Hour24 = C == u'H';
  switch (t.Field) {
    case pfDay:
      t.Width = std::min(Count, 4);
      if (t.Width >= 3) t.Field = pfWeekday;
      break;
    case pfMonth: t.Width = std::min(Count, 4); break;
    case pfYear: t.Width = Count <= 2 ? 2 : 4; break;
    default: t.Width = std::min(Count, 2); break;
  }
  return t;
}

void AddLiteral(TPickerTokens& Tokens, const String& Text) {
  if (Text.empty()) return;
  if (!Tokens.empty() && Tokens.back().Field == pfLiteral) {
    Tokens.back().Text += Text;
    return;
  }
  TPickerToken t;
  t.Text = Text;
  Tokens.push_back(t);
}

// Reads a quoted literal starting at Pos (on the opening quote); '' inside
// stands for one quote. Pos ends after the closing quote.
String QuotedLiteral(const String& Format, std::size_t& Pos, Char Quote) {
  String text;
  ++Pos;
  while (Pos < Format.size()) {
    Char c = Format[Pos++];
    if (c != Quote) {
      text += c;
    } else if (Pos < Format.size() && Format[Pos] == Quote) {
      text += Quote;
      ++Pos;
    } else {
      break;
    }
  }
  return text;
}

String TwoDigits(int Value) {
  String s = IntToStr(Value);
  return s.size() < 2 ? u"0" + s : s;
}

String Padded(int Value, int Width) {
  String s = IntToStr(Value);
  while (static_cast<int>(s.size()) < Width) s.insert(s.begin(), u'0');
  return s;
}

int Wrap(int Value, int Min, int Max) {
  int span = Max - Min + 1;
  if (span <= 0) return Min;
  int r = (Value - Min) % span;
  if (r < 0) r += span;
  return Min + r;
}

}  // namespace

// ---------------------------------------------------------------- parsing

TPickerTokens ParsePickerFormat(const String& Format) {
  TPickerTokens tokens;
  std::size_t i = 0;
  while (i < Format.size()) {
    Char c = Format[i];
    if (c == u'\'') {
      AddLiteral(tokens, QuotedLiteral(Format, i, u'\''));
      continue;
    }
    if (!IsPickerLetter(c)) {
      AddLiteral(tokens, String(1, c));
      ++i;
      continue;
    }
    std::size_t run = i;
    while (run < Format.size() && Format[run] == c) ++run;
    tokens.push_back(FieldToken(c, static_cast<int>(run - i)));
    i = run;
  }
  return tokens;
}

// ---------------------------------------------------------------- from the run-time library's formats

namespace {

class TRtlFormatReader {
 public:
  TRtlFormatReader(const TFormatSettings& Settings, bool Hour12) : FSettings(Settings), FHour12(Hour12) {}

  void Read(const String& Format, int Depth) {
    std::size_t i = 0;
    while (i < Format.size()) i = Step(Format, i, Depth);
  }
  TPickerTokens Tokens;

 private:
  static bool StartsWithText(const String& Format, std::size_t Pos, const char16_t* Word) {
    String w(Word);
    if (Pos + w.size() > Format.size()) return false;
    return CompareText(Format.substr(Pos, w.size()), w) == 0;
  }
  std::size_t RunEnd(const String& Format, std::size_t Pos) const {
    Char c = UpCase(Format[Pos]);
    while (Pos < Format.size() && UpCase(Format[Pos]) == c) ++Pos;
    return Pos;
  }
  void Field(Char Letter, int Count) {
    Tokens.push_back(FieldToken(Letter, Count));
    FAfterHour = Letter == u'h' || Letter == u'H';
  }
  void Expand(const String& Format, int Depth) {
    if (Depth < 3) Read(Format, Depth + 1);
  }
  std::size_t Step(const String& Format, std::size_t Pos, int Depth);

  const TFormatSettings& FSettings;
  bool FHour12;
  bool FAfterHour = false;
};

std::size_t TRtlFormatReader::Step(const String& Format, std::size_t Pos, int Depth) {
  Char c = Format[Pos];
  if (c == u'\'' || c == u'"') {
    AddLiteral(Tokens, QuotedLiteral(Format, Pos, c));
    return Pos;
  }
  if (StartsWithText(Format, Pos, u"am/pm") || StartsWithText(Format, Pos, u"ampm")) {
    Field(u't', 2);
    return Pos + (StartsWithText(Format, Pos, u"ampm") ? 4 : 5);
  }
  if (StartsWithText(Format, Pos, u"a/p")) {
    Field(u't', 1);
    return Pos + 3;
  }
  std::size_t end = RunEnd(Format, Pos);
  int n = static_cast<int>(end - Pos);
  switch (UpCase(c)) {
    case u'D':
      if (n == 5) Expand(FSettings.ShortDateFormat, Depth);
      else if (n >= 6) Expand(FSettings.LongDateFormat, Depth);
      else Field(u'd', n);
      return end;
    case u'M':
      if (FAfterHour) Field(u'm', n);
      else Field(u'M', n);
      return end;
    case u'N': Field(u'm', n); return end;
    case u'Y': Field(u'y', n); return end;
    case u'H': Field(FHour12 ? u'h' : u'H', n); return end;
    case u'S': Field(u's', n); return end;
    case u'Z': return end;
    case u'T': Expand(n == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, Depth); return end;
    case u'C':
      Expand(FSettings.ShortDateFormat, Depth);
      AddLiteral(Tokens, u" ");
      Expand(FSettings.LongTimeFormat, Depth);
      return end;
    default: break;
  }
  if (c == u'/') AddLiteral(Tokens, String(1, FSettings.DateSeparator));
  else if (c == u':') AddLiteral(Tokens, String(1, FSettings.TimeSeparator));
  else AddLiteral(Tokens, String(1, c));
  return Pos + 1;
}

bool HasTwelveHourMarker(const String& Format) {
  String lower = LowerCase(Format);
  return lower.find(u"am/pm") != String::npos || lower.find(u"a/p") != String::npos ||
         lower.find(u"ampm") != String::npos;
}

String FormatOfTokens(const TPickerTokens& Tokens) {
  String out;
  for (const TPickerToken& t : Tokens) {
    if (t.Field != pfLiteral) {
      static const Char letters[] = {0, u'y', u'M', u'd', u'd', u'h', u'm', u's', u't'};
      Char letter = t.Field == pfHour && t.Hour24 ? u'H' : letters[t.Field];
      out.append(static_cast<std::size_t>(t.Width), letter);
      continue;
    }
    bool quote = std::any_of(t.Text.begin(), t.Text.end(),
                             [](Char c) { return IsPickerLetter(c) || c == u'\'' || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
    if (!quote) {
      out += t.Text;
      continue;
    }
    out += u'\'';
    for (Char c : t.Text) {
      out += c;
      if (c == u'\'') out += c;
    }
    out += u'\'';
  }
  return out;
}

}  // namespace

String PickerFormatFromSettings(const String& RtlFormat, const TFormatSettings& Settings) {
  TRtlFormatReader reader(Settings, HasTwelveHourMarker(RtlFormat));
  reader.Read(RtlFormat, 0);
  return FormatOfTokens(reader.Tokens);
}

// ---------------------------------------------------------------- text

TDateParts SplitValue(TDateTime Value) {
  TDateParts p;
  if (!std::isfinite(Value) || Value < MinDateTime || Value > MaxDateTime) return p;
  DecodeDateTime(Value, p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.MSec);
  if (p.Year == 0) p = TDateParts();
  return p;
}

TDateTime JoinParts(TDateParts P) {
  P.Year = std::clamp(P.Year, 1, 9999);
  P.Month = std::clamp(P.Month, 1, 12);
  P.Day = std::clamp(P.Day, 1, DaysInAMonth(P.Year, P.Month));
  P.Hour = std::clamp(P.Hour, 0, 23);
  P.Minute = std::clamp(P.Minute, 0, 59);
  P.Second = std::clamp(P.Second, 0, 59);
  P.MSec = std::clamp(P.MSec, 0, 999);
  return EncodeDateTime(P.Year, P.Month, P.Day, P.Hour, P.Minute, P.Second, P.MSec);
}

TDateTime CombineDateTime(TDateTime DateSource, TDateTime TimeSource) {
  TDateParts d = SplitValue(DateSource);
  TDateParts t = SplitValue(TimeSource);
  d.Hour = t.Hour;
  d.Minute = t.Minute;
  d.Second = t.Second;
  d.MSec = t.MSec;
  return JoinParts(d);
}

String TokenText(const TPickerToken& Token, TDateTime Value, const TFormatSettings& Settings) {
  TDateParts p = SplitValue(Value);
  switch (Token.Field) {
    case pfLiteral: return Token.Text;
    case pfYear: return Token.Width == 2 ? TwoDigits(p.Year % 100) : Padded(p.Year, 4);
    case pfMonth:
      if (Token.Width == 3) return Settings.ShortMonthNames[p.Month];
      if (Token.Width == 4) return Settings.LongMonthNames[p.Month];
      return Token.Width == 2 ? TwoDigits(p.Month) : IntToStr(p.Month);
    case pfDay: return Token.Width == 2 ? TwoDigits(p.Day) : IntToStr(p.Day);
    case pfWeekday: {
      int dow = DayOfWeek(JoinParts(p));
      return Token.Width == 3 ? Settings.ShortDayNames[dow] : Settings.LongDayNames[dow];
    }
    case pfHour: {
      int h = Token.Hour24 ? p.Hour : (p.Hour % 12 == 0 ? 12 : p.Hour % 12);
      return Token.Width == 2 ? TwoDigits(h) : IntToStr(h);
    }
    case pfMinute: return Token.Width == 2 ? TwoDigits(p.Minute) : IntToStr(p.Minute);
    case pfSecond: return Token.Width == 2 ? TwoDigits(p.Second) : IntToStr(p.Second);
    case pfAmPm: {
      const String& s = p.Hour < 12 ? Settings.TimeAMString : Settings.TimePMString;
      return Token.Width == 1 ? s.substr(0, 1) : s;
    }
  }
  return String();
}

String PickerText(const TPickerTokens& Tokens, TDateTime Value, const TFormatSettings& Settings) {
  String out;
  for (const TPickerToken& t : Tokens) out += TokenText(t, Value, Settings);
  return out;
}

// ---------------------------------------------------------------- field arithmetic

int FieldValue(const TPickerToken& Token, TDateTime Value) {
  TDateParts p = SplitValue(Value);
  switch (Token.Field) {
    case pfYear: return Token.Width == 2 ? p.Year % 100 : p.Year;
    case pfMonth: return p.Month;
    case pfDay: return p.Day;
    case pfWeekday: return DayOfWeek(JoinParts(p));
    case pfHour: return Token.Hour24 ? p.Hour : (p.Hour % 12 == 0 ? 12 : p.Hour % 12);
    case pfMinute: return p.Minute;
    case pfSecond: return p.Second;
    case pfAmPm: return p.Hour < 12 ? 0 : 1;
    default: return 0;
  }
}

int FieldMin(const TPickerToken& Token) {
  switch (Token.Field) {
    case pfYear: return Token.Width == 2 ? 0 : 1;
    case pfMonth: case pfDay: case pfWeekday: return 1;
    case pfHour: return Token.Hour24 ? 0 : 1;
    default: return 0;
  }
}

int FieldMax(const TPickerToken& Token, TDateTime Value) {
  switch (Token.Field) {
    case pfYear: return Token.Width == 2 ? 99 : 9999;
    case pfMonth: return 12;
    case pfDay: {
      TDateParts p = SplitValue(Value);
      return DaysInAMonth(p.Year, p.Month);
    }
    case pfWeekday: return 7;
    case pfHour: return Token.Hour24 ? 23 : 12;
    case pfMinute: case pfSecond: return 59;
    case pfAmPm: return 1;
    default: return 0;
  }
}

int ExpandTwoDigitYear(int Year, const TFormatSettings& Settings) {
  int window = Settings.TwoDigitYearCenturyWindow;
  int base = YearOf(Now()) - window;
  int year = Year + base / 100 * 100;
  if (window > 0 && year < base) year += 100;
  return year;
}

TDateTime StepField(const TPickerToken& Token, TDateTime Value, int Delta) {
  TDateParts p = SplitValue(Value);
  switch (Token.Field) {
    case pfYear: p.Year = Wrap(p.Year + Delta, 1, 9999); break;
    case pfMonth: p.Month = Wrap(p.Month + Delta, 1, 12); break;
    case pfDay: p.Day = Wrap(p.Day + Delta, 1, DaysInAMonth(p.Year, p.Month)); break;
    case pfWeekday: {
      TDateTime date = JoinParts(p);
      int dow = DayOfWeek(date);
      return date + (Wrap(dow + Delta, 1, 7) - dow);
    }
    case pfHour:
      if (Token.Hour24) p.Hour = Wrap(p.Hour + Delta, 0, 23);
      else p.Hour = Wrap(p.Hour % 12 + Delta, 0, 11) + (p.Hour >= 12 ? 12 : 0);
      break;
    case pfMinute: p.Minute = Wrap(p.Minute + Delta, 0, 59); break;
    case pfSecond: p.Second = Wrap(p.Second + Delta, 0, 59); break;
    case pfAmPm:
      if (Delta % 2 != 0) p.Hour = (p.Hour + 12) % 24;
      break;
    default: return Value;
  }
  return JoinParts(p);
}

TDateTime SetField(const TPickerToken& Token, TDateTime Value, int NewValue,
                   const TFormatSettings& Settings) {
  TDateParts p = SplitValue(Value);
  int v = std::clamp(NewValue, FieldMin(Token), Token.Field == pfDay ? 31 : FieldMax(Token, Value));
  switch (Token.Field) {
    case pfYear: p.Year = Token.Width == 2 ? ExpandTwoDigitYear(v, Settings) : v; break;
    case pfMonth: p.Month = v; break;
    case pfDay: p.Day = v; break;
    case pfWeekday: return StepField(Token, Value, v - FieldValue(Token, Value));
    case pfHour: p.Hour = Token.Hour24 ? v : v % 12 + (p.Hour >= 12 ? 12 : 0); break;
    case pfMinute: p.Minute = v; break;
    case pfSecond: p.Second = v; break;
    case pfAmPm: p.Hour = p.Hour % 12 + (v != 0 ? 12 : 0); break;
    default: return Value;
  }
  return JoinParts(p);
}

}  // namespace vcl::comctrls
