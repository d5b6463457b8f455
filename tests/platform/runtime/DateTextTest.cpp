#include "RuntimeTestSupport.h"

using namespace vcl;

namespace {

class DateTextTest : public SettingsTest {
 protected:
  // Tuesday, 5 March 2024, 14:07:09.045
  const TDateTime dt = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
};

}  // namespace

TEST_F(DateTextTest, NumericSpecifiers) {
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz", dt), u"2024-03-05 14:07:09.045");
  EXPECT_EQ(FormatDateTime(u"d/m/yy", dt), u"5/3/24");
  EXPECT_EQ(FormatDateTime(u"h:n:s.z", dt), u"14:7:9.45");
  EXPECT_EQ(FormatDateTime(u"y", dt), u"24");
  EXPECT_EQ(FormatDateTime(u"YYYY-MM-DD HH:NN", dt), u"2024-03-05 14:07");  // any case
  EXPECT_EQ(FormatDateTime(u"yyyy", EncodeDate(33, 1, 1)), u"0033");
}

TEST_F(DateTextTest, MAfterHourMeansMinutes) {
  EXPECT_EQ(FormatDateTime(u"h:mm", dt), u"14:07");
  EXPECT_EQ(FormatDateTime(u"hh:m", dt), u"14:7");
  EXPECT_EQ(FormatDateTime(u"mm/dd", dt), u"03/05");
  EXPECT_EQ(FormatDateTime(u"h'x'm", dt), u"14x7");         // quoted text keeps the link
  EXPECT_EQ(FormatDateTime(u"hh nn mm", dt), u"14 07 03");  // after n, m is the month again
  EXPECT_EQ(FormatDateTime(u"mm hh", dt), u"03 14");
}

TEST_F(DateTextTest, NamesAndSeparators) {
  EXPECT_EQ(FormatDateTime(u"ddd dddd mmm mmmm", dt), u"Tue Tuesday Mar March");
  FormatSettings.DateSeparator = u'-';
  FormatSettings.TimeSeparator = u'.';
  EXPECT_EQ(FormatDateTime(u"d/m/yyyy h:nn", dt), u"5-3-2024 14.07");
  FormatSettings.LongDayNames[3] = u"Dienstag";  // 1 is Sunday
  EXPECT_EQ(FormatDateTime(u"dddd", dt), u"Dienstag");
}

TEST_F(DateTextTest, TwelveHourClock) {
  EXPECT_EQ(FormatDateTime(u"h:nn am/pm", dt), u"2:07 pm");
  EXPECT_EQ(FormatDateTime(u"h:nn AM/PM", dt), u"2:07 PM");
  EXPECT_EQ(FormatDateTime(u"h:nn a/p", dt), u"2:07 p");
  EXPECT_EQ(FormatDateTime(u"h:nn ampm", dt), u"2:07 PM");
  EXPECT_EQ(FormatDateTime(u"h am/pm", EncodeTime(0, 30, 0, 0)), u"12 am");
  EXPECT_EQ(FormatDateTime(u"h AM/PM", EncodeTime(12, 0, 0, 0)), u"12 PM");
  EXPECT_EQ(FormatDateTime(u"am/pm h", dt), u"pm 14");  // a marker before the hour does not apply
  EXPECT_EQ(FormatDateTime(u"h 'am/pm'", dt), u"14 am/pm");
  EXPECT_EQ(FormatDateTime(u"hh Ax", dt), u"14 Ax");
}

TEST_F(DateTextTest, NestedFormats) {
  EXPECT_EQ(FormatDateTime(u"c", dt), u"3/5/2024 2:07:09 PM");
  EXPECT_EQ(FormatDateTime(u"c", EncodeDate(2024, 3, 5)), u"3/5/2024");
  EXPECT_EQ(FormatDateTime(u"", dt), u"3/5/2024 2:07:09 PM");
  EXPECT_EQ(FormatDateTime(u"ddddd", dt), u"3/5/2024");
  EXPECT_EQ(FormatDateTime(u"dddddd", dt), u"Tuesday, March 5, 2024");
  EXPECT_EQ(FormatDateTime(u"t|tt", dt), u"2:07 PM|2:07:09 PM");
  EXPECT_EQ(DateToStr(dt), u"3/5/2024");
  EXPECT_EQ(TimeToStr(dt), u"2:07:09 PM");
  EXPECT_EQ(DateTimeToStr(dt), u"3/5/2024 2:07:09 PM");
  FormatSettings.ShortDateFormat = u"c";  // a format naming itself must end
  EXPECT_NO_THROW(FormatDateTime(u"c", dt));
}

TEST_F(DateTextTest, LiteralsAndNegativeValues) {
  EXPECT_EQ(FormatDateTime(u"\"Date:\" yyyy", dt), u"Date: 2024");
  EXPECT_EQ(FormatDateTime(u"'d' d", dt), u"d 5");
  EXPECT_EQ(FormatDateTime(u"[d]!", dt), u"[5]!");
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn", EncodeDateTime(1899, 12, 29, 6, 30, 0, 0)),
            u"1899-12-29 06:30");
}

TEST_F(DateTextTest, StrToDateFollowsTheShortFormatOrder) {
  EXPECT_DOUBLE_EQ(StrToDate(u"3/5/2024"), EncodeDate(2024, 3, 5));
  EXPECT_DOUBLE_EQ(StrToDate(u" 3 / 5 / 2024 "), EncodeDate(2024, 3, 5));
  FormatSettings.ShortDateFormat = u"dd.mm.yyyy";
  FormatSettings.DateSeparator = u'.';
  EXPECT_DOUBLE_EQ(StrToDate(u"05.03.2024"), EncodeDate(2024, 3, 5));
  FormatSettings.ShortDateFormat = u"yyyy/mm/dd";
  FormatSettings.DateSeparator = u'/';
  EXPECT_DOUBLE_EQ(StrToDate(u"2024/3/5"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(YearOf(StrToDate(u"3/5")), YearOf(Now()));  // day and month only: this year
}

TEST_F(DateTextTest, TwoDigitYearsFallInTheWindow) {
  int current = YearOf(Now());
  for (int yy : {0, 24, 49, 50, 75, 99}) {
    int year = YearOf(StrToDate(u"1/1/" + Format(u"%.2d", {yy})));
    EXPECT_EQ(year % 100, yy);
    EXPECT_GE(year, current - 50);
    EXPECT_LT(year, current + 50);
  }
  FormatSettings.TwoDigitYearCenturyWindow = 0;
  EXPECT_EQ(YearOf(StrToDate(u"1/1/01")), current / 100 * 100 + 1);
  EXPECT_EQ(YearOf(StrToDate(u"1/1/0024")), 24);  // four digits are taken as written
}

TEST_F(DateTextTest, BadDatesRaise) {
  for (const char16_t* bad : {u"13/45/2024", u"abc", u"3/5/2024x", u"", u"2/30/2024", u"3//2024",
                              u"1/2/3/4", u"12345/1/1"}) {
    EXPECT_THROW(StrToDate(bad), EConvertError) << ToUTF8(bad);
  }
  try {
    StrToDate(u"abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'abc' is not a valid date");
  }
  EXPECT_DOUBLE_EQ(StrToDateDef(u"nope", 7.0), 7.0);
}

TEST_F(DateTextTest, TimesAndDateTimes) {
  EXPECT_DOUBLE_EQ(StrToTime(u"14:07:09"), EncodeTime(14, 7, 9, 0));
  EXPECT_DOUBLE_EQ(StrToTime(u"14:07"), EncodeTime(14, 7, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime(u"2:07 PM"), EncodeTime(14, 7, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime(u"12:00 am"), 0.0);
  EXPECT_DOUBLE_EQ(StrToTime(u"3 pm"), EncodeTime(15, 0, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime(u"1:02:03.004"), EncodeTime(1, 2, 3, 4));
  EXPECT_THROW(StrToTime(u"13:00 PM"), EConvertError);
  EXPECT_THROW(StrToTime(u"24:00"), EConvertError);
  EXPECT_THROW(StrToTime(u"7"), EConvertError);  // a bare hour needs AM or PM
  EXPECT_DOUBLE_EQ(StrToDateTime(u"3/5/2024 14:07"), EncodeDateTime(2024, 3, 5, 14, 7, 0, 0));
  EXPECT_DOUBLE_EQ(StrToDateTime(u"3/5/2024"), EncodeDate(2024, 3, 5));
  EXPECT_DOUBLE_EQ(StrToDateTime(u"6:00"), 0.25);
  EXPECT_THROW(StrToDateTime(u"3/5/2024 25:00"), EConvertError);
  // What DateTimeToStr writes, StrToDateTime reads back.
  TDateTime v = EncodeDateTime(1999, 12, 31, 23, 59, 58, 0);
  EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(v)), v);
}
