#include <ctime>

#include "RuntimeTestSupport.h"

using namespace vcl;

namespace {

struct Ymd {
  int y, m, d;
};

Ymd Decoded(TDateTime v) {
  Ymd r{};
  DecodeDate(v, r.y, r.m, r.d);
  return r;
}

}  // namespace

TEST(Dates, EncodeKnownDays) {
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 31), 1.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1970, 1, 1), UnixDateDelta);
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 29), -1.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1, 1, 1), MinDateTime);
  EXPECT_DOUBLE_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(Dates, ImpossibleDatesRaiseAndTryLeavesValue) {
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2100, 2, 29), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
  EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
  EXPECT_THROW(EncodeDate(2023, 13, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2023, 4, 31), EConvertError);
  EXPECT_THROW(EncodeDate(2023, 1, 0), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
  try {
    EncodeDate(2023, 2, 29);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Invalid argument to date encode");
  }
  TDateTime v = 42;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, v));
  EXPECT_DOUBLE_EQ(v, 42.0);
}

TEST(Dates, DecodeRoundTripsAcrossLeapYearsAndTheEpoch) {
  // Every 97th day from year 1 to 9999 (negative values included) and
  // every day around the epoch and two leap days.
  for (int day = static_cast<int>(MinDateTime); day <= 2958465; day += 97) {
    Ymd d = Decoded(day);
    ASSERT_TRUE(IsValidDate(d.y, d.m, d.d)) << day;
    ASSERT_DOUBLE_EQ(EncodeDate(d.y, d.m, d.d), day);
  }
  for (int day = -800; day <= 800; ++day) {
    Ymd d = Decoded(day);
    ASSERT_DOUBLE_EQ(EncodeDate(d.y, d.m, d.d), day);
  }
  Ymd leap = Decoded(EncodeDate(2000, 2, 29) + 1);
  EXPECT_EQ(leap.m, 3);
  EXPECT_EQ(leap.d, 1);
  Ymd beforeEpoch = Decoded(-1);
  EXPECT_EQ(beforeEpoch.y, 1899);
  EXPECT_EQ(beforeEpoch.m, 12);
  EXPECT_EQ(beforeEpoch.d, 29);
}

TEST(Dates, DecodeOutOfRangeGivesZeros) {
  Ymd d = Decoded(1e12);
  EXPECT_EQ(d.y, 0);
  EXPECT_EQ(d.m, 0);
  d = Decoded(std::nan(""));
  EXPECT_EQ(d.d, 0);
  std::uint16_t y = 1, m = 1, dd = 1;
  DecodeDate(-1e9, y, m, dd);
  EXPECT_EQ(y, 0);
}

TEST(Times, EncodeDecode) {
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(1, 0, 0, 1000), EConvertError);
  std::uint16_t h, n, s, z;
  DecodeTime(0.75, h, n, s, z);
  EXPECT_EQ(h, 18);
  EXPECT_EQ(n, 0);
  for (int ms : {0, 1, 999, 43199999, 86399999}) {
    int hh, nn, ss, zz;
    DecodeTime(static_cast<double>(ms) / MSecsPerDay, hh, nn, ss, zz);
    EXPECT_EQ(((hh * 60 + nn) * 60 + ss) * 1000 + zz, ms);
  }
}

TEST(Times, NegativeValuesKeepTheTimeInTheirFraction) {
  TDateTime v = EncodeDateTime(1899, 12, 29, 6, 0, 0, 0);
  EXPECT_DOUBLE_EQ(v, -1.25);
  Ymd d = Decoded(v);
  EXPECT_EQ(d.d, 29);
  int h, n, s, z;
  DecodeTime(v, h, n, s, z);
  EXPECT_EQ(h, 6);
  EXPECT_DOUBLE_EQ(TimeOf(v), 0.25);
  EXPECT_DOUBLE_EQ(DateOf(v), -1.0);
  EXPECT_EQ(DaysBetween(v, EncodeDateTime(1899, 12, 30, 5, 0, 0, 0)), 0);  // 23 hours apart
  EXPECT_EQ(DaysBetween(v, EncodeDateTime(1899, 12, 30, 6, 0, 0, 0)), 1);
}

TEST(Calendar, WeekdaysBothWays) {
  TDateTime monday = EncodeDate(2024, 1, 1);
  EXPECT_EQ(DayOfTheWeek(monday), 1);
  EXPECT_EQ(DayOfWeek(monday), 2);
  EXPECT_EQ(DayOfTheWeek(0), 6);  // 1899-12-30, a Saturday
  EXPECT_EQ(DayOfWeek(0), 7);
  EXPECT_EQ(DayOfWeek(1), 1);  // Sunday
  EXPECT_EQ(DayOfTheWeek(1), 7);
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);  // a Sunday before the epoch
  EXPECT_EQ(DayOfTheWeek(EncodeDate(2025, 3, 1)), 6);
  for (int day = -20; day < 20; ++day) EXPECT_EQ(DayOfTheWeek(day), (DayOfWeek(day) + 5) % 7 + 1);
}

TEST(Calendar, IsoWeeksAtYearBoundaries) {
  int year = 0;
  EXPECT_EQ(WeekOfTheYear(EncodeDate(2020, 12, 31), year), 53);
  EXPECT_EQ(year, 2020);
  EXPECT_EQ(WeekOfTheYear(EncodeDate(2021, 1, 3), year), 53);
  EXPECT_EQ(year, 2020);
  EXPECT_EQ(WeekOfTheYear(EncodeDate(2021, 1, 4), year), 1);
  EXPECT_EQ(year, 2021);
  EXPECT_EQ(WeekOfTheYear(EncodeDate(2024, 12, 30), year), 1);
  EXPECT_EQ(year, 2025);
  EXPECT_EQ(WeekOfTheYear(EncodeDate(2026, 1, 1)), 1);
  EXPECT_EQ(WeekOfTheYear(EncodeDate(2024, 6, 15)), 24);
}

TEST(Calendar, MonthsAndYears) {
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(2023, 2), 28);
  EXPECT_EQ(DaysInAMonth(2023, 4), 30);
  EXPECT_EQ(DaysInAMonth(2023, 13), 0);
  EXPECT_EQ(DaysInMonth(EncodeDate(2024, 2, 10)), 29);
  EXPECT_EQ(DayOfTheYear(EncodeDate(2024, 12, 31)), 366);
  TDateTime v = EncodeDateTime(2024, 2, 17, 13, 0, 0, 0);
  EXPECT_EQ(YearOf(v), 2024);
  EXPECT_EQ(MonthOf(v), 2);
  EXPECT_EQ(DayOf(v), 17);
  EXPECT_EQ(HourOf(v), 13);
  EXPECT_DOUBLE_EQ(StartOfTheMonth(v), EncodeDate(2024, 2, 1));
  EXPECT_DOUBLE_EQ(EndOfTheMonth(v), EncodeDateTime(2024, 2, 29, 23, 59, 59, 999));
}

TEST(Calendar, IncMonthCutsTheDayAndKeepsTheTime) {
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2023, 12, 15), 1), EncodeDate(2024, 1, 15));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 15), -13), EncodeDate(2022, 12, 15));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDateTime(2024, 1, 31, 12, 0, 0, 0)),
                   EncodeDateTime(2024, 2, 29, 12, 0, 0, 0));
  EXPECT_DOUBLE_EQ(IncYear(EncodeDate(2024, 2, 29)), EncodeDate(2025, 2, 28));
  EXPECT_DOUBLE_EQ(IncDay(EncodeDate(2024, 2, 28), 2), EncodeDate(2024, 3, 1));
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1)), EConvertError);
}

TEST(Clock, NowReadsTheRealLocalClock) {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  TDateTime expected = EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                      local.tm_hour, local.tm_min, local.tm_sec, 0);
  TDateTime now = Now();
  EXPECT_NEAR(now, expected, 3.0 / SecsPerDay);
  EXPECT_LE(Date(), now);
  EXPECT_GT(Date() + 1, now);
  EXPECT_DOUBLE_EQ(Frac(Date()), 0.0);
  EXPECT_LT(Time(), 1.0);
}

TEST(Clock, FileDatesRoundTripToTwoSeconds) {
  TDateTime v = EncodeDateTime(2021, 7, 14, 9, 30, 44, 0);
  EXPECT_DOUBLE_EQ(FileDateToDateTime(DateTimeToFileDate(v)), v);
  EXPECT_EQ(DateTimeToFileDate(EncodeDate(1970, 1, 1)), 0);  // before 1980: no DOS date
  EXPECT_DOUBLE_EQ(FileDateToDateTime(0x7FFFFFFF), 0.0);     // impossible fields
}
