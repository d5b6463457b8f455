// TDateTime arithmetic: encoding, decoding and the calendar.
#include <sys/time.h>

#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/SysUtils.h"

namespace vcl {

namespace {

// Days since 1899-12-30 of a proleptic Gregorian date (any year).
std::int64_t DaysFromCivil(std::int64_t Y, int M, int D) {
  Y -= M <= 2 ? 1 : 0;
  std::int64_t era = (Y >= 0 ? Y : Y - 399) / 400;
  std::int64_t yoe = Y - era * 400;
  std::int64_t doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
  std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + UnixDateDelta;
}

struct TCivil {
  int Year = 0, Month = 0, Day = 0;
};

TCivil CivilFromDays(std::int64_t Days) {
  std::int64_t z = Days - UnixDateDelta + 719468;
  std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t doe = z - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  TCivil c;
  c.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  c.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  c.Year = static_cast<int>(yoe + era * 400 + (c.Month <= 2 ? 1 : 0));
  return c;
}

// A value split into its day number and milliseconds after midnight, as
// the framework does it: the total is rounded to the millisecond, the day
// counts toward zero and the time is read from the magnitude, so negative
// values still carry the time of day in their fraction.
struct TStamp {
  std::int64_t Day = 0;
  int MSec = 0;
  bool Valid = false;
};

TStamp StampOf(TDateTime Value) {
  TStamp s;
  if (!(Value >= MinDateTime - 1 && Value < MaxDateTime + 1)) return s;  // also NaN
  double total = std::nearbyint(Value * MSecsPerDay);
  auto ms = static_cast<std::int64_t>(total);
  s.Day = ms / MSecsPerDay;
  s.MSec = static_cast<int>((ms < 0 ? -ms : ms) % MSecsPerDay);
  s.Valid = s.Day >= static_cast<std::int64_t>(MinDateTime) &&
            s.Day <= static_cast<std::int64_t>(MaxDateTime);
  return s;
}

TCivil CivilOf(TDateTime Value) {
  TStamp s = StampOf(Value);
  return s.Valid ? CivilFromDays(s.Day) : TCivil();
}

// The day number of a value, or 0 (1899-12-30) when it is out of range.
std::int64_t DayNumber(TDateTime Value) {
  TStamp s = StampOf(Value);
  return s.Valid ? s.Day : 0;
}

// Milliseconds after midnight, 0 when the value is out of range.
int MSecOfDay(TDateTime Value) {
  TStamp s = StampOf(Value);
  return s.Valid ? s.MSec : 0;
}

TDateTime Compose(TDateTime DatePart, TDateTime TimePart) {
  return DatePart < 0 ? DatePart - TimePart : DatePart + TimePart;
}

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
  return A / B - ((A % B != 0 && (A < 0) != (B < 0)) ? 1 : 0);
}

}  // namespace

bool IsLeapYear(int Year) { return (Year % 4 == 0) && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return kDays[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
}

int DaysInMonth(TDateTime AValue) {
  TCivil c = CivilOf(AValue);
  return DaysInAMonth(c.Year, c.Month);
}

int DaysInAYear(int Year) { return IsLeapYear(Year) ? 366 : 365; }

bool IsValidDate(int Year, int Month, int Day) {
  return Year >= 1 && Year <= 9999 && Month >= 1 && Month <= 12 && Day >= 1 &&
         Day <= DaysInAMonth(Year, Month);
}

bool IsValidTime(int Hour, int Min, int Sec, int MSec) {
  return Hour >= 0 && Hour < HoursPerDay && Min >= 0 && Min < MinsPerHour && Sec >= 0 &&
         Sec < SecsPerMin && MSec >= 0 && MSec < MSecsPerSec;
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (!IsValidDate(Year, Month, Day)) return false;
  Date = static_cast<TDateTime>(DaysFromCivil(Year, Month, Day));
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime d = 0;
  if (!TryEncodeDate(Year, Month, Day, d)) throw EConvertError("Invalid argument to date encode");
  return d;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
  if (!IsValidTime(Hour, Min, Sec, MSec)) return false;
  int ms = ((Hour * MinsPerHour + Min) * SecsPerMin + Sec) * MSecsPerSec + MSec;
  Time = static_cast<TDateTime>(ms) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime t = 0;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, t))
    throw EConvertError("Invalid argument to time encode");
  return t;
}

bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                       TDateTime& Value) {
  TDateTime d = 0, t = 0;
  if (!TryEncodeDate(Year, Month, Day, d) || !TryEncodeTime(Hour, Min, Sec, MSec, t)) return false;
  Value = Compose(d, t);
  return true;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec) {
  TDateTime v = 0;
  if (!TryEncodeDate(Year, Month, Day, v)) throw EConvertError("Invalid argument to date encode");
  if (!TryEncodeDateTime(Year, Month, Day, Hour, Min, Sec, MSec, v)) {
    throw EConvertError("Invalid argument to time encode");
  }
  return v;
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
  TCivil c = CivilOf(Date);
  Year = c.Year;
  Month = c.Month;
  Day = c.Day;
}

void DecodeDate(TDateTime Date, std::uint16_t& Year, std::uint16_t& Month, std::uint16_t& Day) {
  int y = 0, m = 0, d = 0;
  DecodeDate(Date, y, m, d);
  Year = static_cast<std::uint16_t>(y);
  Month = static_cast<std::uint16_t>(m);
  Day = static_cast<std::uint16_t>(d);
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
  Hour = HourOf(Time);
  Min = MinuteOf(Time);
  Sec = SecondOf(Time);
  MSec = MilliSecondOf(Time);
}

void DecodeTime(TDateTime Time, std::uint16_t& Hour, std::uint16_t& Min, std::uint16_t& Sec,
                std::uint16_t& MSec) {
  int h = 0, n = 0, s = 0, z = 0;
  DecodeTime(Time, h, n, s, z);
  Hour = static_cast<std::uint16_t>(h);
  Min = static_cast<std::uint16_t>(n);
  Sec = static_cast<std::uint16_t>(s);
  MSec = static_cast<std::uint16_t>(z);
}

void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec,
                    int& MSec) {
  DecodeDate(Value, Year, Month, Day);
  DecodeTime(Value, Hour, Min, Sec, MSec);
}

TDateTime Now() {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  std::time_t secs = tv.tv_sec;
  std::tm local{};
  localtime_r(&secs, &local);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec >= 60 ? 59 : local.tm_sec,
                        static_cast<int>(tv.tv_usec / 1000));
}

TDateTime Date() { return DateOf(Now()); }

TDateTime Time() { return TimeOf(Now()); }

TDateTime DateOf(TDateTime AValue) { return static_cast<TDateTime>(DayNumber(AValue)); }

TDateTime TimeOf(TDateTime AValue) {
  return static_cast<TDateTime>(MSecOfDay(AValue)) / MSecsPerDay;
}

int DayOfWeek(TDateTime AValue) {
  // Day 0, 1899-12-30, was a Saturday (7).
  auto sinceSaturday = static_cast<int>(DayNumber(AValue) - FloorDiv(DayNumber(AValue), 7) * 7);
  return (sinceSaturday + 6) % 7 + 1;
}

int DayOfTheWeek(TDateTime AValue) { return (DayOfWeek(AValue) + 5) % 7 + 1; }

int DayOfTheYear(TDateTime AValue) {
  TCivil c = CivilOf(AValue);
  if (c.Year == 0) return 0;
  return static_cast<int>(DayNumber(AValue) - DaysFromCivil(c.Year, 1, 1)) + 1;
}

int WeekOfTheYear(TDateTime AValue, int& AYear) {
  // The week belongs to the year of its Thursday.
  std::int64_t day = DayNumber(AValue);
  std::int64_t thursday = day - DayOfTheWeek(AValue) + 4;
  TCivil c = CivilFromDays(thursday);
  AYear = c.Year;
  return static_cast<int>((thursday - DaysFromCivil(c.Year, 1, 1)) / 7) + 1;
}

int WeekOfTheYear(TDateTime AValue) {
  int year = 0;
  return WeekOfTheYear(AValue, year);
}

int YearOf(TDateTime AValue) { return CivilOf(AValue).Year; }
int MonthOf(TDateTime AValue) { return CivilOf(AValue).Month; }
int DayOf(TDateTime AValue) { return CivilOf(AValue).Day; }

int HourOf(TDateTime AValue) {
  return MSecOfDay(AValue) / (MSecsPerSec * SecsPerDay / HoursPerDay);
}
int MinuteOf(TDateTime AValue) {
  return MSecOfDay(AValue) / (MSecsPerSec * SecsPerMin) % MinsPerHour;
}
int SecondOf(TDateTime AValue) { return MSecOfDay(AValue) / MSecsPerSec % SecsPerMin; }
int MilliSecondOf(TDateTime AValue) { return MSecOfDay(AValue) % MSecsPerSec; }

TDateTime IncMonth(TDateTime DateTime, int NumberOfMonths) {
  TCivil c = CivilOf(DateTime);
  if (c.Year == 0) return DateTime;
  std::int64_t months = static_cast<std::int64_t>(c.Year) * 12 + (c.Month - 1) + NumberOfMonths;
  auto year = static_cast<int>(FloorDiv(months, 12));
  int month = static_cast<int>(months - static_cast<std::int64_t>(year) * 12) + 1;
  if (year < 1 || year > 9999) throw EConvertError("Invalid argument to date encode");
  int day = std::min(c.Day, DaysInAMonth(year, month));
  return Compose(EncodeDate(year, month, day), TimeOf(DateTime));
}

TDateTime IncYear(TDateTime AValue, int NumberOfYears) {
  return IncMonth(AValue, NumberOfYears * 12);
}

TDateTime IncDay(TDateTime AValue, int NumberOfDays) {
  return Compose(static_cast<TDateTime>(DayNumber(AValue) + NumberOfDays), TimeOf(AValue));
}

int DaysBetween(TDateTime ANow, TDateTime AThen) {
  // Compare instants in milliseconds: before 1899-12-30 the fraction of a
  // value counts forward, so plain subtraction would be wrong there.
  auto instant = [](TDateTime v) {
    TStamp s = StampOf(v);
    return s.Valid ? s.Day * MSecsPerDay + s.MSec : 0;
  };
  std::int64_t span = instant(ANow) - instant(AThen);
  return static_cast<int>((span < 0 ? -span : span) / MSecsPerDay);
}

TDateTime StartOfTheMonth(TDateTime AValue) {
  TCivil c = CivilOf(AValue);
  return c.Year == 0 ? AValue : EncodeDate(c.Year, c.Month, 1);
}

TDateTime EndOfTheMonth(TDateTime AValue) {
  TCivil c = CivilOf(AValue);
  if (c.Year == 0) return AValue;
  return EncodeDateTime(c.Year, c.Month, DaysInAMonth(c.Year, c.Month), 23, 59, 59, 999);
}

TDateTime FileDateToDateTime(int FileDate) {
  auto bits = static_cast<std::uint32_t>(FileDate);
  int year = static_cast<int>(bits >> 25) + 1980;
  int month = static_cast<int>((bits >> 21) & 15);
  int day = static_cast<int>((bits >> 16) & 31);
  int hour = static_cast<int>((bits >> 11) & 31);
  int min = static_cast<int>((bits >> 5) & 63);
  int sec = static_cast<int>(bits & 31) * 2;
  TDateTime v = 0;
  return TryEncodeDateTime(year, month, day, hour, min, sec, 0, v) ? v : 0.0;
}

int DateTimeToFileDate(TDateTime DateTime) {
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
  DecodeDateTime(DateTime, y, m, d, h, n, s, z);
  if (y < 1980 || y > 2107) return 0;
  std::uint32_t bits =
      (static_cast<std::uint32_t>(y - 1980) << 25) | (static_cast<std::uint32_t>(m) << 21) |
      (static_cast<std::uint32_t>(d) << 16) | (static_cast<std::uint32_t>(h) << 11) |
      (static_cast<std::uint32_t>(n) << 5) | static_cast<std::uint32_t>(s / 2);
  return static_cast<int>(bits);
}

}  // namespace vcl
