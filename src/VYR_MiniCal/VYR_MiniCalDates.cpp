#include "VYR_MiniCal/VYR_MiniCalDates.h"

namespace vyr::minical {

int DaysOfMonth(int Year, int Month) {
  static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return days[Month - 1] + (Month == 2 && vcl::IsLeapYear(Year) ? 1 : 0);
}

int DaysOfPreviousMonth(int Year, int Month) {
  return Month <= 1 ? 31 : DaysOfMonth(Year, Month - 1);
}

int FirstDayPlace(int IsoWeekdayOfFirst, TDayOfWeek First) {
  return (IsoWeekdayOfFirst - static_cast<int>(First) + 7) % 7;
}

int MonthOffsetOfPlace(int Place) { return Place == 0 ? -5 : 2 - Place; }

int MonthOffset(int Year, int Month, TDayOfWeek First) {
  vcl::TDateTime first = 0;
  if (!vcl::TryEncodeDate(Year, Month, 1, first)) return 1;
  return MonthOffsetOfPlace(FirstDayPlace(vcl::DayOfTheWeek(first), First));
}

TShownDay ShownDay(int N, int Year, int Month) {
  if (N < 1) return {N + DaysOfPreviousMonth(Year, Month), -1};
  int days = DaysOfMonth(Year, Month);
  if (N > days) return {N - days, +1};
  return {N, 0};
}

int WeekNumberOfRow(int Year, int Month, int ARow) {
  vcl::TDateTime first = 0;
  if (!vcl::TryEncodeDate(Year, Month, 1, first)) return 0;
  return vcl::WeekOfTheYear(first + 7.0 * (ARow - FirstDayRow));
}

// K century, M and S the century corrections, A the place in the 19-year
// lunar cycle, D the days from 21 March to the paschal full moon (R corrects
// the two exceptional cases), OE the days from that full moon to Sunday.
TMonthDay EasterSunday(int Year) {
  const int k = Year / 100;
  const int m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25;
  const int s = 2 - (3 * k + 3) / 4;
  const int a = Year % 19;
  const int d = (19 * a + m) % 30;
  const int r = (d + a / 11) / 29;
  const int og = 21 + d - r;
  const int sz = 7 - (Year + Year / 4 + s) % 7;
  const int oe = 7 - (og - sz) % 7;
  const int day = og + oe;
  if (day > 31) return {4, day - 31};
  return {3, day};
}

int SpringIndex(int Month, int Day) {
  switch (Month) {
    case 3: return Day;
    case 4: return Day + 31;
    case 5: return Day + 61;
    case 6: return Day + 92;
    default: return 0;
  }
}

TLanguage TableLanguage(TLanguage Language) {
  return static_cast<int>(Language) < LanguageCount ? Language : lgEnglish;
}

}  // namespace vyr::minical
