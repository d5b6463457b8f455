// The picker's format: tokens, shown text, formats taken from the
// run-time library's settings, and the field arithmetic behind the keys.
#include <gtest/gtest.h>

#include <limits>

#include "ComCtrlsTestSupport.h"
#include "platform/comctrls/PickerFormat.h"

namespace comctltest {
namespace {

using namespace vcl::comctrls;

TEST(PickerFormat, TokensOfRunsLiteralsAndQuotes) {
  TPickerTokens t = ParsePickerFormat(u"dd'.'MMMyyyyy 'o''clock' H");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].Field, pfDay);
  EXPECT_EQ(t[0].Width, 2);
  EXPECT_EQ(t[1].Text, u".");
  EXPECT_EQ(t[2].Field, pfMonth);
  EXPECT_EQ(t[2].Width, 3);
  EXPECT_EQ(t[3].Field, pfYear);
  EXPECT_EQ(t[3].Width, 4);  // five y are the whole year
  EXPECT_EQ(t[4].Text, u" o'clock ");  // literals next to each other join
  EXPECT_EQ(t[5].Field, pfHour);
  EXPECT_TRUE(t[5].Hour24);
}

TEST(PickerFormat, UnterminatedQuoteAndEmptyFormat) {
  EXPECT_TRUE(ParsePickerFormat(u"").empty());
  TPickerTokens t = ParsePickerFormat(u"d 'x");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1].Text, u" x");
}

struct TextCase {
  const char16_t* Format;
  TDateTime Value;
  const char16_t* Shown;
};

// 2024-03-05 was a Tuesday.
TEST(PickerFormat, TextOfEveryField) {
  TFormatSettings fs = TFormatSettings::Create();
  const TDateTime afternoon = At(2024, 3, 5, 14, 7, 9);
  const TextCase cases[] = {
      {u"d/M/yy", afternoon, u"5/3/24"},
      {u"dd.MM.yyyy", afternoon, u"05.03.2024"},
      {u"ddd, MMM d", afternoon, u"Tue, Mar 5"},
      {u"dddd MMMM", afternoon, u"Tuesday March"},
      {u"ddddd", afternoon, u"Tuesday"},
      {u"h:mm:ss tt", afternoon, u"2:07:09 PM"},
      {u"hh:m:s t", afternoon, u"02:7:9 P"},
      {u"HH:mm", afternoon, u"14:07"},
      {u"H h tt", At(2024, 3, 5), u"0 12 AM"},
      {u"'It''s' yyyy", afternoon, u"It's 2024"},
      {u"yyyy", At(7, 1, 1), u"0007"},
      {u"y", At(2009, 1, 1), u"09"},
      {u"d-x-z", afternoon, u"5-x-z"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(U8(PickerText(ParsePickerFormat(c.Format), c.Value, fs)), U8(c.Shown)) << U8(c.Format);
  }
}

TEST(PickerFormat, FormatsFromTheSettings) {
  TFormatSettings fs = TFormatSettings::Create();
  fs.DateSeparator = u'.';
  const struct {
    const char16_t* Rtl;
    const char16_t* Picker;
  } cases[] = {
      {u"M/d/yyyy", u"M.d.yyyy"},
      {u"h:mm:ss AMPM", u"h:mm:ss tt"},
      {u"h:mm am/pm", u"h:mm tt"},
      {u"hh:nn a/p", u"hh:mm t"},
      {u"hh:nn:ss", u"HH:mm:ss"},
      {u"dddd, MMMM d, yyyy", u"dddd, MMMM d, yyyy"},
      {u"yy-mm-dd hh:mm", u"yy-MM-dd HH:mm"},
      {u"\"at\" hh:mm:ss.zzz", u"'at 'HH:mm:ss."},
      {u"ddddd", u"M.d.yyyy"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(U8(PickerFormatFromSettings(c.Rtl, fs)), U8(c.Picker)) << U8(c.Rtl);
  }
}

struct StepCase {
  const char16_t* Format;  // one field
  TDateTime From;
  int Delta;
  TDateTime To;
};

TEST(PickerFormat, StepsWrapWithinTheFieldAndCutTheDay) {
  const StepCase cases[] = {
      {u"d", At(2024, 1, 31, 8), 1, At(2024, 1, 1, 8)},
      {u"d", At(2023, 2, 1), -1, At(2023, 2, 28)},
      {u"M", At(2024, 1, 31, 8), 1, At(2024, 2, 29, 8)},  // cut to the leap February
      {u"M", At(2023, 1, 31), 1, At(2023, 2, 28)},
      {u"MMM", At(2023, 12, 15), 1, At(2023, 1, 15)},  // the year stays
      {u"MMMM", At(2023, 1, 15), -1, At(2023, 12, 15)},
      {u"yyyy", At(2024, 2, 29), 1, At(2025, 2, 28)},
      {u"yy", At(2024, 6, 1), -3, At(2021, 6, 1)},
      {u"H", At(2024, 6, 1, 23, 30), 1, At(2024, 6, 1, 0, 30)},  // the date stays
      {u"h", At(2024, 6, 1, 11), 1, At(2024, 6, 1, 0)},         // 11 AM to 12 AM
      {u"h", At(2024, 6, 1, 12), -1, At(2024, 6, 1, 23)},       // 12 PM to 11 PM
      {u"mm", At(2024, 6, 1, 5, 0), -1, At(2024, 6, 1, 5, 59)},
      {u"ss", At(2024, 6, 1, 5, 0, 59), 2, At(2024, 6, 1, 5, 0, 1)},
      {u"tt", At(2024, 6, 1, 9), 1, At(2024, 6, 1, 21)},
      {u"t", At(2024, 6, 1, 21), -1, At(2024, 6, 1, 9)},
      {u"dddd", At(2024, 3, 9), 1, At(2024, 3, 3)},  // Saturday to the week's Sunday
      {u"ddd", At(2024, 3, 3), -1, At(2024, 3, 9)},
  };
  for (const StepCase& c : cases) {
    TPickerToken t = ParsePickerFormat(c.Format).at(0);
    EXPECT_EQ(Stamp(StepField(t, c.From, c.Delta)), Stamp(c.To)) << U8(c.Format) << " from " << Stamp(c.From);
  }
}

TEST(PickerFormat, SettingAFieldClampsToItsRange) {
  TFormatSettings fs = TFormatSettings::Create();
  fs.TwoDigitYearCenturyWindow = 0;  // the current century
  int century = YearOf(vcl::Now()) / 100 * 100;
  const StepCase cases[] = {
      {u"d", At(2023, 2, 10), 31, At(2023, 2, 28)},
      {u"M", At(2023, 3, 31), 2, At(2023, 2, 28)},
      {u"MM", At(2023, 3, 1), 13, At(2023, 12, 1)},
      {u"yy", At(1999, 3, 1), 7, At(century + 7, 3, 1)},
      {u"yyyy", At(2024, 2, 29), 2023, At(2023, 2, 28)},
      {u"h", At(2024, 1, 1, 15), 12, At(2024, 1, 1, 12)},  // 12 PM is noon
      {u"h", At(2024, 1, 1, 3), 12, At(2024, 1, 1, 0)},    // 12 AM is midnight
      {u"HH", At(2024, 1, 1, 3), 99, At(2024, 1, 1, 23)},
      {u"tt", At(2024, 1, 1, 3), 1, At(2024, 1, 1, 15)},
  };
  for (const StepCase& c : cases) {
    TPickerToken t = ParsePickerFormat(c.Format).at(0);
    EXPECT_EQ(Stamp(SetField(t, c.From, c.Delta, fs)), Stamp(c.To)) << U8(c.Format);
  }
}

TEST(PickerFormat, ValuesOutsideTheCalendarAreShownAsTheFirstDay) {
  TFormatSettings fs = TFormatSettings::Create();
  TPickerTokens t = ParsePickerFormat(u"yyyy-MM-dd");
  EXPECT_EQ(U8(PickerText(t, std::numeric_limits<double>::quiet_NaN(), fs)), "1899-12-30");
  EXPECT_EQ(U8(PickerText(t, 1e12, fs)), "1899-12-30");
}

}  // namespace
}  // namespace comctltest
