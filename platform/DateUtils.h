// Dates and times: TDateTime is the number of days since 1899-12-30 plus
// the time of day as a fraction. Before 1899-12-30 the value is negative
// and its fraction still counts forward from midnight: -1.25 is
// 1899-12-29 06:00. Text conversions (FormatDateTime, DateToStr, ...)
// are in SysUtils.h.
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace vcl {

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerHour = 60;
constexpr int SecsPerMin = 60;
constexpr int MSecsPerSec = 1000;
constexpr int MinsPerDay = HoursPerDay * MinsPerHour;
constexpr int SecsPerDay = MinsPerDay * SecsPerMin;
constexpr int MSecsPerDay = SecsPerDay * MSecsPerSec;
// Days from 0001-01-01 to 1899-12-30, and from 1899-12-30 to 1970-01-01.
constexpr int DateDelta = 693594;
constexpr int UnixDateDelta = 25569;
// The range of valid dates: 0001-01-01 .. 9999-12-31 23:59:59.999.
constexpr TDateTime MinDateTime = -693593.0;
constexpr TDateTime MaxDateTime = 2958465.99999999;

bool IsLeapYear(int Year);
// Days of Month in Year (28..31); 0 for a month outside 1..12.
int DaysInAMonth(int Year, int Month);
int DaysInMonth(TDateTime AValue);
int DaysInAYear(int Year);
bool IsValidDate(int Year, int Month, int Day);
bool IsValidTime(int Hour, int Min, int Sec, int MSec);

// EConvertError "Invalid argument to date encode" for an impossible date
// (year 1..9999, month 1..12, day within the month).
TDateTime EncodeDate(int Year, int Month, int Day);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
// EConvertError "Invalid argument to time encode" unless 0 <= Hour < 24,
// 0 <= Min < 60, 0 <= Sec < 60, 0 <= MSec < 1000.
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
// Date and time together; before 1899-12-30 the time is subtracted so that
// the fraction still means the time of day.
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);
bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                       TDateTime& Value);

// Splits a value (rounded to the millisecond). A value outside the valid
// range or NaN gives all zeros.
void DecodeDate(TDateTime Date, std::uint16_t& Year, std::uint16_t& Month, std::uint16_t& Day);
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Time, std::uint16_t& Hour, std::uint16_t& Min, std::uint16_t& Sec,
                std::uint16_t& MSec);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec,
                    int& MSec);

// The local date and time from the real clock.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// The date part (midnight) and the time part (fraction) of a value.
TDateTime DateOf(TDateTime AValue);
TDateTime TimeOf(TDateTime AValue);

// 1 = Monday .. 7 = Sunday (ISO 8601).
int DayOfTheWeek(TDateTime AValue);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime AValue);
// 1 .. 366.
int DayOfTheYear(TDateTime AValue);
// ISO 8601 week: weeks start on Monday, week 1 holds the year's first
// Thursday. Dates early in January may belong to the previous year's last
// week and late December dates to week 1 of the next; AYear tells which.
int WeekOfTheYear(TDateTime AValue);
int WeekOfTheYear(TDateTime AValue, int& AYear);

int YearOf(TDateTime AValue);
int MonthOf(TDateTime AValue);
int DayOf(TDateTime AValue);
int HourOf(TDateTime AValue);
int MinuteOf(TDateTime AValue);
int SecondOf(TDateTime AValue);
int MilliSecondOf(TDateTime AValue);

// Moves by whole months; the day is cut to the target month's length and
// the time of day is kept.
TDateTime IncMonth(TDateTime DateTime, int NumberOfMonths = 1);
TDateTime IncYear(TDateTime AValue, int NumberOfYears = 1);
TDateTime IncDay(TDateTime AValue, int NumberOfDays = 1);
// Whole days between two values (never negative).
int DaysBetween(TDateTime ANow, TDateTime AThen);
// Midnight of the first day of the value's month; the last millisecond of
// its last day.
TDateTime StartOfTheMonth(TDateTime AValue);
TDateTime EndOfTheMonth(TDateTime AValue);

// DOS packed file dates (what TSearchRec::Time holds) and TDateTime.
TDateTime FileDateToDateTime(int FileDate);
int DateTimeToFileDate(TDateTime DateTime);

}  // namespace vcl
