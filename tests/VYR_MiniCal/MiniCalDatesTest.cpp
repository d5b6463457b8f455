// The calendar's date arithmetic: month layouts for months starting on each
// weekday under each first day of the week, ISO week numbers of the rows at
// year boundaries, Easter and the holiday table.
#include <gtest/gtest.h>

#include "VYR_MiniCal/VYR_MiniCalDates.h"
#include "VYR_MiniCal/VYR_MiniCalHolidays.h"

namespace {

using namespace vyr;
using namespace vyr::minical;

// Months whose first day falls on Monday .. Sunday (ISO 1..7).
struct TFirstOfMonth {
  int Year, Month, IsoWeekday;
};
const TFirstOfMonth kFirsts[] = {
    {2024, 1, 1}, {2024, 10, 2}, {2025, 1, 3}, {2025, 5, 4},
    {2024, 3, 5}, {2025, 3, 6},  {2024, 9, 7},
};

TEST(MiniCalLayout, DayOneSitsInItsWeekdayColumnOfRowTwoForEveryFirstDay) {
  for (const TFirstOfMonth& m : kFirsts) {
    for (int first = dwMon; first <= dwSun; ++first) {
      const auto fd = static_cast<TDayOfWeek>(first);
      const int ofs = MonthOffset(m.Year, m.Month, fd);
      // Column c shows weekday first + c - 1, so day 1 (ISO weekday w,
      // ordinal w - 1) stands in column ((w - 1 - first) mod 7) + 1.
      const int column = (m.IsoWeekday - 1 - first + 7) % 7 + 1;
      SCOPED_TRACE(testing::Message() << m.Year << "-" << m.Month << " first " << first);
      EXPECT_EQ(CellOfDay(1, ofs), (TDayCell{column, FirstDayRow}));
      EXPECT_EQ(DayAtCell(column, FirstDayRow, ofs), 1);
      EXPECT_EQ(WeekdayOfColumn(column, fd), static_cast<TDayOfWeek>(m.IsoWeekday - 1));
      // The cells before day 1 show the previous month's last days.
      const int before = DaysOfPreviousMonth(m.Year, m.Month);
      for (int c = 1; c < column; ++c) {
        const TShownDay shown = ShownDay(DayAtCell(c, FirstDayRow, ofs), m.Year, m.Month);
        EXPECT_EQ(shown.MonthStep, -1);
        EXPECT_EQ(shown.Number, before - (column - c) + 1);
      }
    }
  }
}

TEST(MiniCalLayout, EveryDayOfAMonthHasOneCellAndBackAgain) {
  for (const TFirstOfMonth& m : kFirsts) {
    for (int first = dwMon; first <= dwSun; ++first) {
      const int ofs = MonthOffset(m.Year, m.Month, static_cast<TDayOfWeek>(first));
      EXPECT_LE(ofs, 1);
      EXPECT_GE(ofs, -5);
      for (int d = 1; d <= DaysOfMonth(m.Year, m.Month); ++d) {
        const TDayCell cell = CellOfDay(d, ofs);
        EXPECT_GE(cell.Col, 1);
        EXPECT_LE(cell.Col, 7);
        EXPECT_GE(cell.Row, FirstDayRow);
        EXPECT_LE(cell.Row, LastDayRow);
        EXPECT_EQ(DayAtCell(cell.Col, cell.Row, ofs), d);
      }
    }
  }
}

TEST(MiniCalLayout, PlacesAndOffsetsOfTheExamples) {
  // 1 March 2025 is a Saturday: p = 6, MonOfs = -4; row 2 column 1 shows
  // 24 February in grey.
  EXPECT_EQ(FirstDayPlace(6, dwMon), 6);
  EXPECT_EQ(MonthOffset(2025, 3, dwMon), -4);
  EXPECT_EQ(ShownDay(DayAtCell(1, 2, -4), 2025, 3).Number, 24);
  EXPECT_EQ(ShownDay(DayAtCell(1, 2, -4), 2025, 3).MonthStep, -1);
  // A month starting on Monday: p = 1, MonOfs = 1; on Sunday: p = 0, -5.
  EXPECT_EQ(MonthOffset(2024, 1, dwMon), 1);
  EXPECT_EQ(MonthOffset(2024, 9, dwMon), -5);
  EXPECT_EQ(CellOfDay(1, -5), (TDayCell{7, 2}));
  // Days after the month's end count on in the next month; January's
  // previous month is December with 31 days.
  EXPECT_EQ(ShownDay(32, 2024, 4).Number, 2);
  EXPECT_EQ(ShownDay(32, 2024, 4).MonthStep, 1);
  EXPECT_EQ(ShownDay(0, 2025, 1).Number, 31);
  EXPECT_EQ(ShownDay(0, 2024, 3).Number, 29);
  EXPECT_EQ(ShownDay(0, 2025, 3).Number, 28);
}

TEST(MiniCalLayout, DaysOfMonthFollowTheLeapYearRule) {
  const struct {
    int Year, Month, Days;
  } cases[] = {{2024, 2, 29}, {2025, 2, 28}, {1900, 2, 28}, {2000, 2, 29}, {2025, 4, 30},
               {2025, 12, 31}, {2025, 0, 0}, {2025, 13, 0}};
  for (const auto& c : cases) EXPECT_EQ(DaysOfMonth(c.Year, c.Month), c.Days) << c.Year << "-" << c.Month;
}

// ---------------------------------------------------------------- ISO weeks

// The ISO week of a date from first principles: the week's Thursday decides
// the year, and the week number counts Thursdays of that year.
int IsoWeek(int Year, int Month, int Day) {
  const vcl::TDateTime d = vcl::EncodeDate(Year, Month, Day);
  const vcl::TDateTime thursday = d - (vcl::DayOfTheWeek(d) - 4);
  return (vcl::DayOfTheYear(thursday) - 1) / 7 + 1;
}

TEST(MiniCalWeeks, RowsShowTheIsoWeekOfTheirFirstDateAcrossYearBoundaries) {
  const struct {
    int Year, Month, Row, Week;
  } cases[] = {
      {2021, 1, 2, 53},   // Friday 1 Jan 2021 belongs to 2020's week 53
      {2021, 1, 3, 1},    // 8 Jan 2021
      {2020, 12, 6, 53},  // 29 Dec 2020
      {2024, 12, 6, 52},  // Sunday 29 Dec 2024
      {2024, 12, 7, 1},   // 5 Jan 2025, the end of 2025's week 1
      {2026, 1, 2, 1},    // Thursday 1 Jan 2026 starts week 1
      {2027, 1, 2, 53},   // Friday 1 Jan 2027 in 2026's week 53
      {2023, 1, 2, 52},   // Sunday 1 Jan 2023 in 2022's week 52
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekNumberOfRow(c.Year, c.Month, c.Row), c.Week)
        << c.Year << "-" << c.Month << " row " << c.Row;
  }
}

TEST(MiniCalWeeks, EveryRowOfTwoDecadesMatchesTheThursdayRule) {
  for (int year = 2010; year <= 2030; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int row = FirstDayRow; row <= LastDayRow; ++row) {
        const vcl::TDateTime date = vcl::EncodeDate(year, month, 1) + 7.0 * (row - 2);
        int y = 0, m = 0, d = 0;
        vcl::DecodeDate(date, y, m, d);
        ASSERT_EQ(WeekNumberOfRow(year, month, row), IsoWeek(y, m, d))
            << year << "-" << month << " row " << row;
      }
    }
  }
}

// ---------------------------------------------------------------- Easter

TEST(MiniCalEaster, KnownEasterSundays) {
  const struct {
    int Year, Month, Day;
  } cases[] = {
      {1818, 3, 22},  // the earliest possible date
      {1943, 4, 25},  // the latest possible date
      {1954, 4, 18},  // the computus' exception D = 28 with A > 10
      {1981, 4, 19},  // the exception D = 29
      {2000, 4, 23}, {2008, 3, 23}, {2011, 4, 24}, {2019, 4, 21}, {2024, 3, 31},
      {2025, 4, 20}, {2038, 4, 25}, {2049, 4, 18}, {2076, 4, 19}, {2285, 3, 22},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EasterSunday(c.Year), (TMonthDay{c.Month, c.Day})) << c.Year;
  }
}

TEST(MiniCalEaster, EasterIsASundayBetween22MarchAnd25April) {
  for (int year = 1583; year <= 4099; ++year) {
    const TMonthDay e = EasterSunday(year);
    const vcl::TDateTime date = vcl::EncodeDate(year, e.Month, e.Day);
    ASSERT_EQ(vcl::DayOfTheWeek(date), 7) << year;
    const int index = SpringIndex(e.Month, e.Day);
    ASSERT_GE(index, 22) << year;
    ASSERT_LE(index, 56) << year;
  }
}

TEST(MiniCalEaster, SpringIndexCountsDaysFromTheFirstOfMarch) {
  for (int year : {2024, 2025}) {
    const vcl::TDateTime march1 = vcl::EncodeDate(year, 3, 1);
    for (int month = 3; month <= 6; ++month) {
      for (int day = 1; day <= DaysOfMonth(year, month); ++day) {
        const int expected = static_cast<int>(vcl::EncodeDate(year, month, day) - march1) + 1;
        ASSERT_EQ(SpringIndex(month, day), expected) << month << "/" << day;
      }
    }
  }
  EXPECT_EQ(SpringIndex(2, 28), 0);
  EXPECT_EQ(SpringIndex(7, 1), 0);
}

// ---------------------------------------------------------------- holidays

TEST(MiniCalHolidays, MovableFeastsFallOnTheirOffsetFromEaster) {
  // 2025: Easter 20 April.
  const struct {
    int Month, Day, Feast;
  } cases[] = {{4, 20, 0}, {4, 21, 1}, {5, 29, 2}, {6, 8, 3}, {6, 9, 4}, {6, 19, 5},
               {4, 19, -1}, {4, 22, -1}, {5, 28, -1}, {6, 20, -1}, {7, 1, -1}, {2, 20, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(MovableHolidayAt(2025, c.Month, c.Day), c.Feast) << c.Month << "/" << c.Day;
  }
  // 2024: Easter 31 March, Easter Monday 1 April across the month boundary.
  EXPECT_EQ(MovableHolidayAt(2024, 3, 31), 0);
  EXPECT_EQ(MovableHolidayAt(2024, 4, 1), 1);
  EXPECT_EQ(MovableHolidayAt(2024, 5, 9), 2);
  EXPECT_EQ(MovableHolidayAt(2024, 5, 30), 5);
}

TEST(MiniCalHolidays, CaptionsPerLanguageWithEnglishForTheRest) {
  EXPECT_EQ(FixedHolidayCaption(0, lgEnglish), u"Christmas Day");
  EXPECT_EQ(FixedHolidayCaption(0, lgGerman), u"Weihnachten");
  EXPECT_EQ(FixedHolidayCaption(3, lgFrench), u"Épiphanie");
  EXPECT_EQ(FixedHolidayCaption(7, lgSpanish), u"Día del Trabajo");
  EXPECT_EQ(MovableHolidayCaption(5, lgGerman), u"Fronleichnam");
  EXPECT_EQ(MovableHolidayCaption(5, lgSpanish), u"Corpus Cristi");
  EXPECT_EQ(MovableHolidayCaption(2, lgFrench), u"Ascension du Christ");
  for (TLanguage other : {lgNeutral, static_cast<TLanguage>(5), static_cast<TLanguage>(200)}) {
    EXPECT_EQ(FixedHolidayCaption(1, other), u"Boxing Day");
    EXPECT_EQ(MovableHolidayCaption(4, other), u"Whit Monday");
    EXPECT_EQ(TableLanguage(other) == lgNeutral || TableLanguage(other) == lgEnglish, true);
  }
  EXPECT_TRUE(FixedHolidayCaption(8, lgEnglish).empty());
  EXPECT_TRUE(MovableHolidayCaption(-1, lgEnglish).empty());
}

void Fill(TIntMatrix& List, std::initializer_list<std::array<int, 3>> Rows) {
  List.Resize(3, static_cast<int>(Rows.size()));
  int r = 1;
  for (const auto& row : Rows) {
    for (int c = 1; c <= 3; ++c) List.SetVal(c, r, row[static_cast<std::size_t>(c - 1)]);
    ++r;
  }
}

TEST(MiniCalHolidays, TheYearTableAgreesWithASearchOfTheList) {
  TIntMatrix list;
  Fill(list, {{25, 12, RepeatYear},
              {4, 7, 2025},
              {4, 7, RepeatYear},   // shadowed in 2025 by the row before
              {29, 2, RepeatYear},  // leap years only
              {31, 4, RepeatYear},  // never a date
              {20, 4, 2025}});      // on Easter 2025: the list wins
  for (int year : {2024, 2025, 2026}) {
    TYearHolidays table;
    table.Build(year, list, true);
    EXPECT_EQ(table.Year(), year);
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysOfMonth(year, month); ++day) {
        const THolidayRef ref = table.At(month, day);
        const int row = FindListedHoliday(list, year, month, day);
        if (row > 0) {
          ASSERT_EQ(ref.Kind, THolidayRef::hkListed) << year << "-" << month << "-" << day;
          ASSERT_EQ(ref.Index, row);
        } else if (int feast = MovableHolidayAt(year, month, day); feast >= 0) {
          ASSERT_EQ(ref.Kind, THolidayRef::hkMovable) << year << "-" << month << "-" << day;
          ASSERT_EQ(ref.Index, feast);
        } else {
          ASSERT_FALSE(ref) << year << "-" << month << "-" << day;
        }
      }
    }
  }
  TYearHolidays table;
  table.Build(2025, list, true);
  EXPECT_EQ(table.At(7, 4).Index, 2);
  EXPECT_EQ(table.At(4, 20).Kind, THolidayRef::hkListed);
  EXPECT_FALSE(table.At(2, 29));
  EXPECT_FALSE(table.At(4, 31));
  EXPECT_FALSE(table.At(13, 1));
  table.Build(2024, list, false);
  EXPECT_EQ(table.At(2, 29).Index, 4);
  EXPECT_FALSE(table.At(3, 31));  // Easter 2024, movable feasts off
  EXPECT_EQ(FindListedHoliday(list, 2030, 4, 31), 5);
}

}  // namespace
