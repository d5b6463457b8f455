// Holidays of the calendar: built-in fixed and movable ones per language,
// the list operations, the hint, and the form file.
#include "MiniCal_Support.h"

#include <set>
#include <string>

#include "VYR_MiniCal/VYR_MiniCalHolidays.h"
#include "platform/Streaming.h"

namespace minicaltest {
namespace {

using MiniCalHolidayTest = MiniCalFixture;

String Caption(TMiniCal& Cal, int Y, int M, int D) {
  String caption = u"left over";
  if (!Cal.CheckHoliday(Y, M, D, caption)) {
    EXPECT_TRUE(caption.empty());
    return u"-";
  }
  return caption;
}

TEST_F(MiniCalHolidayTest, BuiltInHolidaysInEachLanguage) {
  const struct {
    TLanguage Language;
    int M, D;
    const char16_t* Expected;
  } cases[] = {
      {lgEnglish, 12, 25, u"Christmas Day"}, {lgGerman, 12, 26, u"Stephanitag"},
      {lgFrench, 1, 1, u"Nouvel An Jour"},   {lgSpanish, 1, 6, u"Epifanía"},
      {lgGerman, 8, 15, u"Maria Himmelfahrt"}, {lgFrench, 11, 1, u"La Toussaint"},
      {lgSpanish, 12, 8, u"Inmaculada Concepción"}, {lgEnglish, 5, 1, u"Labor Day"},
      {lgEnglish, 6, 19, u"Corpus Christi"}, {lgGerman, 4, 21, u"Ostermontag"},
      {lgFrench, 6, 8, u"Dimanche de Pentecôte"}, {lgSpanish, 5, 29, u"Ascensión de Cristo"},
      {lgSpanish, 4, 20, u"Domingo de Resurrección"}, {lgGerman, 6, 9, u"Pfingstmontag"},
      {lgNeutral, 12, 25, u"Christmas Day"}, {lgNeutral, 4, 20, u"Easter Day"},
      {static_cast<TLanguage>(9), 11, 1, u"All Saints"},
      {static_cast<TLanguage>(9), 6, 8, u"Pentecost"},
      {lgEnglish, 3, 15, u"-"}, {lgEnglish, 4, 22, u"-"}, {lgGerman, 12, 24, u"-"},
  };
  for (const auto& c : cases) {
    cal->SetLanguage(c.Language);
    EXPECT_EQ(Caption(*cal, 2025, c.M, c.D), c.Expected)
        << int(c.Language) << " " << c.M << "/" << c.D;
  }
  EXPECT_EQ(cal->NumHolidays(), 8);
}

TEST_F(MiniCalHolidayTest, MovableFeastsCanBeSwitchedOff) {
  EXPECT_EQ(Caption(*cal, 2024, 3, 31), u"Easter Day");
  EXPECT_EQ(Caption(*cal, 2024, 4, 1), u"Easter Monday");
  cal->SetShowMovableHolidays(false);
  EXPECT_EQ(Caption(*cal, 2024, 3, 31), u"-");
  EXPECT_EQ(Caption(*cal, 2024, 12, 25), u"Christmas Day");
  cal->SetShowMovableHolidays(true);
  EXPECT_EQ(Caption(*cal, 2025, 6, 19), u"Corpus Christi");
  EXPECT_EQ(Caption(*cal, 2025, 2, 30), u"-");  // not a date
}

TEST_F(MiniCalHolidayTest, ListOperations) {
  cal->ClearHolidayList();
  EXPECT_EQ(cal->NumHolidays(), 0);
  EXPECT_EQ(Caption(*cal, 2025, 12, 25), u"-");
  EXPECT_EQ(Caption(*cal, 2025, 4, 20), u"Easter Day");  // movable feasts stay
  cal->AddHoliday(4, 7, 2025, u"Party");
  cal->AddRepeatHoliday(4, 7, u"Every year");
  cal->AddRepeatHoliday(20, 4, u"Own Easter");
  EXPECT_EQ(cal->NumHolidays(), 3);
  EXPECT_EQ(Caption(*cal, 2025, 7, 4), u"Party");       // the first matching row wins
  EXPECT_EQ(Caption(*cal, 2026, 7, 4), u"Every year");
  EXPECT_EQ(Caption(*cal, 2025, 4, 20), u"Own Easter"); // the list before the feasts

  int d = -1, m = -1, y = -1;
  bool repeat = false;
  String text = u"untouched";
  const struct {
    int Index;
    bool Found;
    int D, M, Y;
    bool Repeat;
    const char16_t* Text;
  } cases[] = {
      {1, true, 4, 7, 2025, false, u"Party"},
      {2, true, 4, 7, minical::RepeatYear, true, u"Every year"},
      {3, true, 20, 4, minical::RepeatYear, true, u"Own Easter"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(cal->RetrieveHoliday(c.Index, d, m, y, repeat, text));
    EXPECT_EQ(d, c.D);
    EXPECT_EQ(m, c.M);
    EXPECT_EQ(y, c.Y);
    EXPECT_EQ(repeat, c.Repeat);
    EXPECT_EQ(text, c.Text);
  }
  for (int outside : {0, 4, -1}) {
    d = m = y = -7;
    repeat = true;
    text = u"untouched";
    EXPECT_FALSE(cal->RetrieveHoliday(outside, d, m, y, repeat, text));
    EXPECT_EQ(d + m + y, -21);
    EXPECT_TRUE(repeat);
    EXPECT_EQ(text, u"untouched");
  }
}

TEST_F(MiniCalHolidayTest, LanguageReloadsTheBuiltInListAndDropsAddedHolidays) {
  cal->AddHoliday(4, 7, 2025, u"Party");
  EXPECT_EQ(cal->NumHolidays(), 9);
  cal->SetLanguage(lgGerman);
  EXPECT_EQ(cal->NumHolidays(), 8);
  EXPECT_EQ(Caption(*cal, 2025, 7, 4), u"-");
  EXPECT_EQ(Caption(*cal, 2025, 12, 25), u"Weihnachten");
  int d = 0, m = 0, y = 0;
  bool repeat = false;
  String text;
  ASSERT_TRUE(cal->RetrieveHoliday(8, d, m, y, repeat, text));
  EXPECT_EQ(text, u"Tag der Arbeit");
  EXPECT_EQ(d * 100 + m, 105);
  EXPECT_TRUE(repeat);
  EXPECT_EQ(cal->HeadingText(3, 1), u"Mi");
  EXPECT_EQ(cal->HeadingText(5, 0), u"Mär 2025");
  cal->SetShowMonthShort(false);
  EXPECT_EQ(cal->HeadingText(5, 0), u"März 2025");
}

TEST_F(MiniCalHolidayTest, TheHintShowsTheSelectedHoliday) {
  EXPECT_TRUE(cal->Hint().empty());
  cal->SetDate(EncodeDate(2025, 12, 25));
  EXPECT_EQ(cal->Hint(), u"Christmas Day");
  cal->SetDate(EncodeDate(2025, 6, 19));
  EXPECT_EQ(cal->Hint(), u"Corpus Christi");
  cal->SetIndicateHolidays(false);
  EXPECT_TRUE(cal->Hint().empty());
  cal->SetIndicateHolidays(true);
  EXPECT_EQ(cal->Hint(), u"Corpus Christi");
  cal->SetShowHolidayHint(false);
  EXPECT_TRUE(cal->Hint().empty());
  cal->SetHint(u"own hint");
  cal->SetDate(EncodeDate(2025, 12, 26));
  EXPECT_EQ(cal->Hint(), u"own hint");  // no longer the calendar's
  cal->SetShowHint(false);
  cal->SetShowHolidayHint(true);
  EXPECT_TRUE(cal->ShowHint());
  EXPECT_EQ(cal->Hint(), u"Boxing Day");
  cal->SetDate(EncodeDate(2025, 12, 27));
  EXPECT_TRUE(cal->Hint().empty());
}

// ---------------------------------------------------------------- form files

std::set<std::string> PropertyNames(const String& Text) {
  std::set<std::string> names;
  std::string s = ToUTF8(Text);
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t end = s.find('\n', pos);
    if (end == std::string::npos) end = s.size();
    std::string line = s.substr(pos, end - pos);
    std::size_t eq = line.find(" = ");
    if (eq != std::string::npos) names.insert(line.substr(line.find_first_not_of(' '), eq - line.find_first_not_of(' ')));
    pos = end + 1;
  }
  return names;
}

TEST(MiniCalFormFile, AFreshCalendarStoresOnlyItsBounds) {
  for (int month : {3, 12}) {  // an ordinary day and a holiday with its hint
    TMiniCal cal(nullptr);
    cal.SetName(u"Cal");
    cal.SetDate(EncodeDate(2025, month, 25));
    const std::set<std::string> names = PropertyNames(WriteComponentToText(&cal));
    EXPECT_EQ(names, (std::set<std::string>{"Left", "Top", "Width", "Height"}));
  }
}

TEST(MiniCalFormFile, PropertiesSurviveARoundTrip) {
  TMiniCal cal(nullptr);
  cal.SetName(u"Cal");
  cal.SetAutoSwitch(false);
  cal.SetColorToday(clLime);
  cal.SetColorWeekNoBg(clYellow);
  cal.SetFirstDayOfWeek(dwSun);
  cal.SetLanguage(lgFrench);
  cal.SetMarkToday(false);
  cal.SetShowMonthShort(false);
  cal.SetShowMovableHolidays(false);
  cal.SetCtl3D(false);
  cal.SetShowHolidayHint(false);
  cal.SetHint(u"calendar");
  const String text = WriteComponentToText(&cal);
  EXPECT_EQ(text.find(u"Year"), String::npos);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TMiniCal*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_FALSE(read->AutoSwitch());
  EXPECT_EQ(read->ColorToday(), clLime);
  EXPECT_EQ(read->ColorWeekNoBg(), clYellow);
  EXPECT_EQ(read->FirstDayOfWeek(), dwSun);
  EXPECT_EQ(read->Language(), lgFrench);
  EXPECT_FALSE(read->MarkToday());
  EXPECT_FALSE(read->ShowMonthShort());
  EXPECT_FALSE(read->ShowMovableHolidays());
  EXPECT_FALSE(read->Ctl3D());
  EXPECT_FALSE(read->ShowHolidayHint());
  EXPECT_EQ(read->Hint(), u"calendar");
  EXPECT_EQ(read->ColWidths(0), cal.ColWidths(0));
  String caption;
  EXPECT_TRUE(read->CheckHoliday(2025, 12, 25, caption));
  EXPECT_EQ(caption, u"Noël");
}

}  // namespace
}  // namespace minicaltest
