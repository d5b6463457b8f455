// The calendar's date arithmetic and grid geometry as pure functions, shared
// by painting, hit testing, navigation and the tests.
//
// The grid has 8 columns and 8 rows:
//
//   row 0      "<<"  "<"  [ month caption  ]  ">"  ">>"     navigation
//   row 1  "#" weekday names (columns 1..7)                  "#" spans rows 0 and 1
//   rows 2..7  ISO week number in column 0, days in columns 1..7
//
// A month is placed by its offset MonOfs: the day number shown in day cell
// (c, r) is n = 7 (r - 2) + c + MonOfs - 1, so row 2 always holds day 1.
// Numbers below 1 belong to the previous month, numbers beyond the month's
// length to the next one.
#pragma once

#include <cstdint>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/DateUtils.h"

namespace vyr {

// Days of the week, Monday first.
enum TDayOfWeek : std::uint8_t { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };

namespace minical {

constexpr int GridSize = 8;   // columns and rows
constexpr int FirstDayRow = 2;
constexpr int LastDayRow = 7;
constexpr int RepeatYear = -99999;  // year of a holiday that recurs every year

// 28..31 for months 1..12 (February by the leap-year rule); 0 otherwise.
int DaysOfMonth(int Year, int Month);
// Days of the month before Month (December of the year before for January).
int DaysOfPreviousMonth(int Year, int Month);

// The column of day 1 as the update computes it: p = (ISO weekday of the
// first (1 = Monday .. 7 = Sunday) - First + 7) mod 7, where p = 0 stands for
// column 7.
int FirstDayPlace(int IsoWeekdayOfFirst, TDayOfWeek First);
// MonOfs of a month whose first day lies at place p: 2 - p, or -5 for p = 0.
int MonthOffsetOfPlace(int Place);
// MonOfs of a displayed month.
int MonthOffset(int Year, int Month, TDayOfWeek First);

// Day number n of a day cell (columns 1..7, rows 2..7).
constexpr int DayAtCell(int ACol, int ARow, int MonOfs) {
  return 7 * (ARow - FirstDayRow) + ACol + MonOfs - 1;
}
// The day cell showing day number n (n - MonOfs must not be negative, which
// holds for every n >= 1 since MonOfs <= 1).
struct TDayCell {
  int Col = 0;
  int Row = 0;
  friend constexpr bool operator==(const TDayCell&, const TDayCell&) = default;
};
constexpr TDayCell CellOfDay(int Day, int MonOfs) {
  return {(Day - MonOfs) % 7 + 1, (Day - MonOfs) / 7 + FirstDayRow};
}
// The weekday shown in column c (1..7).
constexpr TDayOfWeek WeekdayOfColumn(int ACol, TDayOfWeek First) {
  return static_cast<TDayOfWeek>((static_cast<int>(First) + ACol - 1) % 7);
}

// What a day cell shows for number n in a month of DaysInMonth days: the
// number written and which month it belongs to (-1 previous, 0 displayed,
// +1 next).
struct TShownDay {
  int Number = 0;
  int MonthStep = 0;
};
TShownDay ShownDay(int N, int Year, int Month);

// The ISO 8601 week number shown in row r (2..7): the week of the date
// (r - 2) * 7 days after the first of the displayed month.
int WeekNumberOfRow(int Year, int Month, int ARow);

// Easter Sunday of a Gregorian year (Gauss's rule with integer divisions).
struct TMonthDay {
  int Month = 0;
  int Day = 0;
  friend constexpr bool operator==(const TMonthDay&, const TMonthDay&) = default;
};
TMonthDay EasterSunday(int Year);

// Index of a spring day counted from 1 March (March: Day, April: Day + 31,
// May: Day + 61, June: Day + 92); 0 outside March to June.
int SpringIndex(int Month, int Day);

// The language whose tables a TLanguage value reads: ordinals beyond the
// tables fall back to English.
TLanguage TableLanguage(TLanguage Language);

}  // namespace minical
}  // namespace vyr
