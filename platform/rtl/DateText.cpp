// Dates and times as text: FormatDateTime and the readers StrToDate,
// StrToTime, StrToDateTime.
#include "platform/SysUtils.h"
#include "platform/rtl/Decimal.h"

namespace vcl {

namespace {

// ---------------------------------------------------------------- writing

Char AsciiUpper(Char C) { return (C >= u'a' && C <= u'z') ? static_cast<Char>(C - 32) : C; }

bool StartsWithText(const String& S, std::size_t At, std::u16string_view Word) {
  if (At + Word.size() > S.size()) return false;
  for (std::size_t i = 0; i < Word.size(); ++i) {
    if (AsciiUpper(S[At + i]) != Word[i]) return false;
  }
  return true;
}

String Number(int Value, int MinDigits) {
  String r = rtl::AsciiToString(std::to_string(Value < 0 ? -Value : Value));
  if (static_cast<int>(r.size()) < MinDigits)
    r.insert(0, static_cast<std::size_t>(MinDigits) - r.size(), u'0');
  return r;
}

class TDateWriter {
 public:
  TDateWriter(TDateTime Value, const TFormatSettings& Settings) : FSettings(Settings) {
    DecodeDateTime(Value, FYear, FMonth, FDay, FHour, FMin, FSec, FMSec);
    FDayOfWeek = DayOfWeek(Value);
  }

  String Result;

  // Appends Fmt; nested formats (c, ddddd, t, ...) go two levels deep at most.
  void Append(const String& Fmt, int Depth) {
    if (Depth > 2) return;
    Char last = 0;
    std::size_t i = 0;
    while (i < Fmt.size()) {
      Char starter = Fmt[i];
      Char token = AsciiUpper(starter);
      if (token >= u'A' && token <= u'Z') {
        if (token == u'M' && last == u'H') token = u'N';  // m right after h means minutes
        last = token;
      }
      i = Token(Fmt, i, starter, token, Depth);
    }
  }

 private:
  static std::size_t RunLength(const String& Fmt, std::size_t I) {
    std::size_t n = 1;
    while (I + n < Fmt.size() && Fmt[I + n] == Fmt[I]) ++n;
    return n;
  }

  // Writes the token at I; returns the index after it.
  std::size_t Token(const String& Fmt, std::size_t I, Char Starter, Char Token, int Depth) {
    std::size_t n = RunLength(Fmt, I);
    switch (Token) {
      case u'Y':
        Result += n <= 2 ? Number(FYear % 100, 2) : Number(FYear, 4);
        return I + n;
      case u'M':
        Month(n);
        return I + n;
      case u'D':
        Day(n, Depth);
        return I + n;
      case u'H':
        Result += Number(TwelveHourClock(Fmt, I + n) ? Hour12() : FHour, n == 1 ? 0 : 2);
        return I + n;
      case u'N':
        Result += Number(FMin, n == 1 ? 0 : 2);
        return I + n;
      case u'S':
        Result += Number(FSec, n == 1 ? 0 : 2);
        return I + n;
      case u'Z':
        Result += Number(FMSec, n <= 2 ? 0 : 3);
        return I + n;
      case u'T':
        Append(n == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, Depth + 1);
        return I + n;
      case u'C':
        Whole(Depth);
        return I + n;
      case u'A':
        return AmPm(Fmt, I);
      case u'/':
        if (FSettings.DateSeparator != 0) Result += FSettings.DateSeparator;
        return I + 1;
      case u':':
        if (FSettings.TimeSeparator != 0) Result += FSettings.TimeSeparator;
        return I + 1;
      case u'\'':
      case u'"':
        return Quoted(Fmt, I);
      default:
        Result += Starter;
        return I + 1;
    }
  }

  void Month(std::size_t N) {
    bool valid = FMonth >= 1 && FMonth <= 12;
    if (N <= 2) {
      Result += Number(FMonth, N == 1 ? 0 : 2);
    } else if (valid) {
      Result +=
          N == 3 ? FSettings.ShortMonthNames[FMonth] : FSettings.LongMonthNames[FMonth];
    }
  }

  void Day(std::size_t N, int Depth) {
    if (N <= 2) {
      Result += Number(FDay, N == 1 ? 0 : 2);
    } else if (N <= 4) {
      Result +=
          N == 3 ? FSettings.ShortDayNames[FDayOfWeek] : FSettings.LongDayNames[FDayOfWeek];
    } else {
      Append(N == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, Depth + 1);
    }
  }

  void Whole(int Depth) {
    Append(FSettings.ShortDateFormat, Depth + 1);
    if (FHour != 0 || FMin != 0 || FSec != 0 || FMSec != 0) {
      Result += u' ';
      Append(FSettings.LongTimeFormat, Depth + 1);
    }
  }

  int Hour12() const { return FHour % 12 == 0 ? 12 : FHour % 12; }

  // An hour is on the 12-hour clock when the next 'a' after it (outside
  // quotes, before another 'h') starts am/pm, a/p or ampm.
  static bool TwelveHourClock(const String& Fmt, std::size_t From) {
    Char quote = 0;
    for (std::size_t p = From; p < Fmt.size(); ++p) {
      Char c = Fmt[p];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == u'\'' || c == u'"') {
        quote = c;
      } else if (c == u'h' || c == u'H') {
        return false;
      } else if (c == u'a' || c == u'A') {
        return StartsWithText(Fmt, p, u"AM/PM") || StartsWithText(Fmt, p, u"A/P") ||
               StartsWithText(Fmt, p, u"AMPM");
      }
    }
    return false;
  }

  std::size_t AmPm(const String& Fmt, std::size_t I) {
    bool pm = FHour >= 12;
    if (StartsWithText(Fmt, I, u"AM/PM")) {
      Result += Fmt.substr(pm ? I + 3 : I, 2);  // in the format's own case
      return I + 5;
    }
    if (StartsWithText(Fmt, I, u"A/P")) {
      Result += Fmt[pm ? I + 2 : I];
      return I + 3;
    }
    if (StartsWithText(Fmt, I, u"AMPM")) {
      Result += pm ? FSettings.TimePMString : FSettings.TimeAMString;
      return I + 4;
    }
    Result += Fmt[I];
    return I + 1;
  }

  std::size_t Quoted(const String& Fmt, std::size_t I) {
    std::size_t close = Fmt.find(Fmt[I], I + 1);
    std::size_t end = close == String::npos ? Fmt.size() : close;
    Result.append(Fmt, I + 1, end - I - 1);
    return close == String::npos ? Fmt.size() : close + 1;
  }

  const TFormatSettings& FSettings;
  int FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMin = 0, FSec = 0, FMSec = 0;
  int FDayOfWeek = 1;
};

// ---------------------------------------------------------------- reading

class TDateScanner {
 public:
  TDateScanner(const String& S, const TFormatSettings& Settings) : FS(S), FSettings(Settings) {}

  void SkipBlanks() {
    while (FPos < FS.size() && FS[FPos] <= u' ') ++FPos;
  }
  bool AtEnd() {
    SkipBlanks();
    return FPos >= FS.size();
  }
  std::size_t Pos() const { return FPos; }
  void SetPos(std::size_t P) { FPos = P; }

  // Up to four digits after blanks; Digits tells how many were read.
  bool Number(int& Value, int& Digits) {
    SkipBlanks();
    Value = 0;
    Digits = 0;
    while (FPos < FS.size() && FS[FPos] >= u'0' && FS[FPos] <= u'9') {
      if (++Digits > 4) return false;
      Value = Value * 10 + (FS[FPos++] - u'0');
    }
    return Digits > 0;
  }

  bool Expect(Char C) {
    SkipBlanks();
    if (C == 0 || FPos >= FS.size() || FS[FPos] != C) return false;
    ++FPos;
    return true;
  }

  bool Word(const String& W) {
    SkipBlanks();
    if (W.empty() || FPos + W.size() > FS.size()) return false;
    if (AnsiUpperCase(FS.substr(FPos, W.size())) != AnsiUpperCase(W)) return false;
    FPos += W.size();
    return true;
  }

  bool ReadDate(TDateTime& Value);
  bool ReadTime(TDateTime& Value);

 private:
  int ExpandYear(int Year, int Digits) const;
  // -1 when there is no marker, 0 for AM, 12 for PM.
  int AmPm() {
    if (Word(FSettings.TimeAMString) || Word(u"AM")) return 0;
    if (Word(FSettings.TimePMString) || Word(u"PM")) return 12;
    return -1;
  }

  const String& FS;
  const TFormatSettings& FSettings;
  std::size_t FPos = 0;
};

// The order of day, month and year is that of the short date format.
enum TDateOrder : std::uint8_t { doMDY, doDMY, doYMD };

TDateOrder DateOrderOf(const String& ShortDateFormat) {
  for (Char c : ShortDateFormat) {
    switch (AsciiUpper(c)) {
      case u'D':
        return doDMY;
      case u'M':
        return doMDY;
      case u'Y':
        return doYMD;
      default:
        break;
    }
  }
  return doMDY;
}

int TDateScanner::ExpandYear(int Year, int Digits) const {
  if (Digits > 2) return Year;
  int current = YearOf(Now());
  int window = FSettings.TwoDigitYearCenturyWindow;
  int base = current - window;
  Year += base / 100 * 100;
  if (window > 0 && Year < base) Year += 100;
  return Year;
}

bool TDateScanner::ReadDate(TDateTime& Value) {
  int n1 = 0, n2 = 0, n3 = 0, d1 = 0, d2 = 0, d3 = 0;
  if (!Number(n1, d1) || !Expect(FSettings.DateSeparator) || !Number(n2, d2)) return false;
  bool three = Expect(FSettings.DateSeparator);
  if (three && !Number(n3, d3)) return false;
  int y = 0, m = 0, d = 0;
  TDateOrder order = DateOrderOf(FSettings.ShortDateFormat);
  if (!three) {
    // Day and month only: the current year.
    y = YearOf(Now());
    d3 = 4;
    if (order == doDMY) {
      d = n1;
      m = n2;
    } else {
      m = n1;
      d = n2;
    }
  } else if (order == doMDY) {
    m = n1;
    d = n2;
    y = n3;
  } else if (order == doDMY) {
    d = n1;
    m = n2;
    y = n3;
  } else {
    y = n1;
    m = n2;
    d = n3;
    d3 = d1;
  }
  y = ExpandYear(y, d3);
  return TryEncodeDate(y, m, d, Value);
}

bool TDateScanner::ReadTime(TDateTime& Value) {
  int marker = AmPm();
  int h = 0, n = 0, s = 0, z = 0, digits = 0;
  if (!Number(h, digits)) return false;
  bool minutes = Expect(FSettings.TimeSeparator);
  if (minutes) {
    if (!Number(n, digits)) return false;
    if (Expect(FSettings.TimeSeparator)) {
      if (!Number(s, digits)) return false;
      if (Expect(FSettings.DecimalSeparator) && !Number(z, digits)) return false;
    }
  }
  if (marker < 0) marker = AmPm();
  if (!minutes && marker < 0) return false;  // a bare hour needs AM or PM
  if (marker >= 0) {
    if (h == 0 || h > 12) return false;
    h = h % 12 + marker;
  }
  return TryEncodeTime(h, n, s, z, Value);
}

// Reads the whole text with one scanner step; Value stays as it was on failure.
bool ReadWhole(const String& S, TDateTime& Value, const TFormatSettings& Settings,
               bool (TDateScanner::*Read)(TDateTime&)) {
  TDateScanner scan(S, Settings);
  TDateTime v = 0;
  if (!(scan.*Read)(v) || !scan.AtEnd()) return false;
  Value = v;
  return true;
}

[[noreturn]] void NotValid(const String& S, const char16_t* What) {
  throw EConvertError(u"'" + S + u"' is not a valid " + What);
}

}  // namespace

String FormatDateTime(const String& Format, TDateTime DateTime, const TFormatSettings& Settings) {
  TDateWriter w(DateTime, Settings);
  w.Append(Format.empty() ? String(u"c") : Format, 0);
  return w.Result;
}

String FormatDateTime(const String& Format, TDateTime DateTime) {
  return FormatDateTime(Format, DateTime, FormatSettings);
}

String DateToStr(TDateTime Date, const TFormatSettings& Settings) {
  return FormatDateTime(u"ddddd", Date, Settings);
}
String DateToStr(TDateTime Date) { return DateToStr(Date, FormatSettings); }
String TimeToStr(TDateTime Time, const TFormatSettings& Settings) {
  return FormatDateTime(u"tt", Time, Settings);
}
String TimeToStr(TDateTime Time) { return TimeToStr(Time, FormatSettings); }
String DateTimeToStr(TDateTime DateTime, const TFormatSettings& Settings) {
  return FormatDateTime(u"c", DateTime, Settings);
}
String DateTimeToStr(TDateTime DateTime) { return DateTimeToStr(DateTime, FormatSettings); }

bool TryStrToDate(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
  return ReadWhole(S, Value, Settings, &TDateScanner::ReadDate);
}

bool TryStrToDate(const String& S, TDateTime& Value) {
  return TryStrToDate(S, Value, FormatSettings);
}

TDateTime StrToDate(const String& S, const TFormatSettings& Settings) {
  TDateTime v = 0;
  if (!TryStrToDate(S, v, Settings)) NotValid(S, u"date");
  return v;
}

TDateTime StrToDate(const String& S) { return StrToDate(S, FormatSettings); }

TDateTime StrToDateDef(const String& S, TDateTime Default) {
  TDateTime v = 0;
  return TryStrToDate(S, v) ? v : Default;
}

bool TryStrToTime(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
  return ReadWhole(S, Value, Settings, &TDateScanner::ReadTime);
}

bool TryStrToTime(const String& S, TDateTime& Value) {
  return TryStrToTime(S, Value, FormatSettings);
}

TDateTime StrToTime(const String& S) {
  TDateTime v = 0;
  if (!TryStrToTime(S, v)) NotValid(S, u"time");
  return v;
}

bool TryStrToDateTime(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
  TDateScanner scan(S, Settings);
  TDateTime date = 0, time = 0;
  if (!scan.ReadDate(date)) {
    scan.SetPos(0);
    if (!scan.ReadTime(time) || !scan.AtEnd()) return false;
    Value = time;
    return true;
  }
  if (!scan.AtEnd() && (!scan.ReadTime(time) || !scan.AtEnd())) return false;
  Value = date < 0 ? date - time : date + time;
  return true;
}

bool TryStrToDateTime(const String& S, TDateTime& Value) {
  return TryStrToDateTime(S, Value, FormatSettings);
}

TDateTime StrToDateTime(const String& S) {
  TDateTime v = 0;
  if (!TryStrToDateTime(S, v)) NotValid(S, u"date and time");
  return v;
}

}  // namespace vcl
