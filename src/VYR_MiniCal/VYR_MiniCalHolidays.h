// The calendar's holidays: the built-in fixed holidays and the movable
// feasts with their captions in four languages, and the table of one year's
// holidays that painting and hit testing read (computed once per year, not
// once per cell).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "VYR_MiniCal/VYR_MiniCalDates.h"
#include "companion/mathpack/VYR_matrix.h"

namespace vyr::minical {

// A built-in fixed holiday (every year), in list order.
struct TFixedHoliday {
  int Day;
  int Month;
};
constexpr int FixedHolidayCount = 8;
extern const std::array<TFixedHoliday, FixedHolidayCount> FixedHolidays;
// Its caption in a language (languages without captions read English).
std::u16string_view FixedHolidayCaption(int Index, TLanguage Language);

// The movable feasts by days after Easter Sunday: Easter Sunday, Easter
// Monday, Ascension, Pentecost, Whit Monday and Corpus Christi.
constexpr int MovableHolidayCount = 6;
inline constexpr std::array<int, MovableHolidayCount> MovableOffsets = {0, 1, 39, 49, 50, 60};
std::u16string_view MovableHolidayCaption(int Index, TLanguage Language);
// The movable feast (0..5) falling on a day, or -1. Only days of March to
// June can be one.
int MovableHolidayAt(int Year, int Month, int Day);

// What falls on a day of the table's year: nothing, a row of the holiday
// list (1-based, the first matching row wins) or a movable feast.
struct THolidayRef {
  enum TKind : std::uint8_t { hkNone, hkListed, hkMovable };
  TKind Kind = hkNone;
  int Index = 0;  // list row (1-based) or movable feast (0..5)
  explicit operator bool() const { return Kind != hkNone; }
};

// The holidays of one year, one entry per day. Built from the holiday list
// (three columns: day, month, year or RepeatYear) in list order, then the
// movable feasts on the days the list leaves free.
class TYearHolidays {
 public:
  void Build(int Year, const TIntMatrix& List, bool Movable);
  int Year() const { return FYear; }
  // The holiday of a date of the table's year; nothing for other years and
  // impossible dates.
  THolidayRef At(int Month, int Day) const;

 private:
  static int DayIndex(int Year, int Month, int Day);
  int FYear = 0;
  std::array<THolidayRef, 366> FDays{};
};

// The first row of the list matching a day, month and year (any values, the
// impossible dates a list may hold included); 0 when none matches.
int FindListedHoliday(const TIntMatrix& List, int Year, int Month, int Day);

}  // namespace vyr::minical
