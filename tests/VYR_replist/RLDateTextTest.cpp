// Reading date/time texts against picker patterns, with the result codes.
#include <gtest/gtest.h>

#include <cmath>

#include "VYR_replist/VYR_rldatetext.h"
#include "platform/DateUtils.h"

namespace {

using vcl::String;

struct TDateCase {
  const char16_t* Text;
  const char16_t* Pattern;
  int Code;
  int Y, M, D, H, N, S;  // Y = 0: a time only
};

// Current year 2026, window 50 unless a case says otherwise.
const TDateCase kCases[] = {
    {u"24.12.2023", u"dd.MM.yyyy", 0, 2023, 12, 24, 0, 0, 0},
    {u"2023-12-24 18:05:09", u"yyyy-MM-dd HH:mm:ss", 0, 2023, 12, 24, 18, 5, 9},
    {u"7/4/2021", u"M/d/yyyy", 0, 2021, 7, 4, 0, 0, 0},
    {u"17/11/2021", u"M/d/yyyy", -3, 0, 0, 0, 0, 0, 0},  // month 17
    {u"December 24, 2023", u"MMMM d, yyyy", 0, 2023, 12, 24, 0, 0, 0},
    {u"dec 24 2023", u"MMM dd yyyy", 0, 2023, 12, 24, 0, 0, 0},
    {u"Sunday, 24 Dec 2023", u"dddd, dd MMM yyyy", 0, 2023, 12, 24, 0, 0, 0},
    {u"Sun 24", u"ddd dd", 0, 2026, 1, 24, 0, 0, 0},
    {u"Funday 24", u"dddd dd", -3, 0, 0, 0, 0, 0, 0},
    {u"Decem 2023", u"MMMM yyyy", -3, 0, 0, 0, 0, 0, 0},
    {u"12:30 AM", u"hh:mm tt", 0, 0, 0, 0, 0, 30, 0},
    {u"12:30 PM", u"hh:mm tt", 0, 0, 0, 0, 12, 30, 0},
    {u"3:07 p", u"h:mm t", 0, 0, 0, 0, 15, 7, 0},
    {u"3:07 a", u"h:mm t", 0, 0, 0, 0, 3, 7, 0},
    {u"11:07", u"h:mm", 0, 0, 0, 0, 11, 7, 0},  // AM without a t
    {u"25:00", u"HH:mm", -3, 0, 0, 0, 0, 0, 0},
    {u"at 09h", u"'at' HH'h'", 0, 0, 0, 0, 9, 0, 0},
    {u"it's 09", u"'it''s' HH", 0, 0, 0, 0, 9, 0, 0},
    {u"on 09", u"'at' HH", -1, 0, 0, 0, 0, 0, 0},
    {u"24-12-2023", u"dd.MM.yyyy", -1, 0, 0, 0, 0, 0, 0},
    {u"2023", u"yyy", -2, 0, 0, 0, 0, 0, 0},
    {u"December", u"MMMMM", -2, 0, 0, 0, 0, 0, 0},
    {u"10:10:10", u"HHH:mm", -2, 0, 0, 0, 0, 0, 0},
    {u"x4.12.2023", u"dd.MM.yyyy", -3, 0, 0, 0, 0, 0, 0},
    {u"24.12.", u"dd.MM.yyyy", -3, 0, 0, 0, 0, 0, 0},
    {u"", u"dd.MM.yyyy", -3, 0, 0, 0, 0, 0, 0},
    {u"30.02.2023", u"dd.MM.yyyy", -3, 0, 0, 0, 0, 0, 0},
    {u"24.12.99", u"dd.MM.yy", 0, 1999, 12, 24, 0, 0, 0},  // base 1976
    {u"24.12.75", u"dd.MM.yy", 0, 2075, 12, 24, 0, 0, 0},  // before 1976: a century later
    {u"24.12.76", u"dd.MM.yy", 0, 1976, 12, 24, 0, 0, 0},
    {u"24.12.2023 tail", u"dd.MM.yyyy", 0, 2023, 12, 24, 0, 0, 0},  // the rest is ignored
};

TEST(DateTextTest, ReadsTextsAgainstPatternsWithTheirResultCodes) {
  for (const TDateCase& c : kCases) {
    SCOPED_TRACE(vcl::ToUTF8(c.Text) + " / " + vcl::ToUTF8(c.Pattern));
    vcl::TDateTime v = 123;
    EXPECT_EQ(vyr::ParseDateTimeText(c.Text, c.Pattern, v, 2026, 50), c.Code);
    if (c.Code != 0) {
      EXPECT_EQ(v, 0.0);  // a failed parse gives 0
      continue;
    }
    const vcl::TDateTime want = c.Y == 0 ? vcl::EncodeTime(c.H, c.N, c.S, 0)
                                         : vcl::EncodeDateTime(c.Y, c.M, c.D, c.H, c.N, c.S, 0);
    EXPECT_NEAR(v, want, 1e-9);
  }
}

TEST(DateTextTest, TwoDigitYearsFollowTheWindow) {
  struct Case { int Window; int TwoDigits; int Year; };
  // Current year 2026: the base is 2026 - window.
  const Case cases[] = {{0, 5, 2005},   {0, 99, 2099},   {10, 15, 2115}, {10, 17, 2017},
                        {10, 16, 2016}, {10, 12, 2112},  {80, 46, 1946}, {80, 45, 2045}};
  for (const Case& c : cases) {
    vcl::TDateTime v = 0;
    const String text = u"01.01." + vcl::IntToStr(100 + c.TwoDigits).substr(1);
    ASSERT_EQ(vyr::ParseDateTimeText(text, u"dd.MM.yy", v, 2026, c.Window), 0);
    EXPECT_EQ(vcl::YearOf(v), c.Year) << "window " << c.Window << " yy " << c.TwoDigits;
  }
}

TEST(DateTextTest, NeverFailsOnAnyBytes) {
  // Every pattern letter run against short texts of every kind: the result
  // is one of the four codes and nothing else happens.
  const String patterns[] = {u"y", u"yy", u"yyyy", u"M", u"MMM", u"MMMM", u"d", u"dddd", u"h", u"tt",
                             u"'", u"''", u"'x", u"HH:mm:ss", u"yyyy-MM-dd"};
  const String texts[] = {u"", u"9", u"99999999999999999999", u"-1", u"\xD800", u"ja", u"Jan", u"''"};
  for (const String& p : patterns) {
    for (const String& t : texts) {
      vcl::TDateTime v = 0;
      const int code = vyr::ParseDateTimeText(t, p, v, 2026, 50);
      EXPECT_TRUE(code == 0 || code == -1 || code == -2 || code == -3);
      EXPECT_TRUE(std::isfinite(v));
    }
  }
}

}  // namespace
