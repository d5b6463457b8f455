// The date-time picker on the headless host: shown text, field keys and
// typing, limits, the check box, the drop-down calendar, OnChange, pixels
// and form files.
#include <gtest/gtest.h>

#include "ComCtrlsTestSupport.h"
#include "platform/Streaming.h"

namespace comctltest {
namespace {

class PickerTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    picker = Make<TDateTimePicker>(20, 30);
    picker->SetOnChange([this](TObject*) { ++changes; });
    picker->SetOnDropDown([this](TObject*) { log += "drop "; });
    picker->SetOnCloseUp([this](TObject*) { log += "close "; });
  }
  void Keys(std::initializer_list<std::uint16_t> Keys) {
    for (std::uint16_t k : Keys) headless::KeyDown(picker, k);
  }
  TDateTimePicker* picker = nullptr;
  int changes = 0;
  std::string log;
};

TEST_F(PickerTest, Defaults) {
  TDateTimePicker fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 186);
  EXPECT_EQ(fresh.Height(), 21);
  EXPECT_EQ(fresh.Color(), clWindow);
  EXPECT_TRUE(fresh.TabStop());
  EXPECT_EQ(fresh.Kind(), dtkDate);
  EXPECT_TRUE(fresh.Checked());
  EXPECT_FALSE(fresh.ShowCheckbox());
  EXPECT_EQ(fresh.Date(), vcl::Date());
  EXPECT_EQ(U8(fresh.EffectiveFormat()), "M/d/yyyy");
  fresh.SetDateFormat(dfLong);
  EXPECT_EQ(U8(fresh.EffectiveFormat()), "dddd, MMMM d, yyyy");
  fresh.SetKind(dtkTime);
  EXPECT_EQ(U8(fresh.EffectiveFormat()), "h:mm:ss tt");
}

TEST_F(PickerTest, ShownTextFollowsFormatKindAndSettings) {
  picker->SetDateTime(At(2024, 3, 5, 14, 7, 9));
  EXPECT_EQ(U8(picker->DisplayText()), "3/5/2024");
  picker->SetKind(dtkTime);
  EXPECT_EQ(U8(picker->DisplayText()), "2:07:09 PM");
  picker->SetFormat(u"'Week of' MMM d");
  EXPECT_EQ(U8(picker->DisplayText()), "Week of Mar 5");
  EXPECT_EQ(picker->FieldCount(), 2);
  EXPECT_EQ(U8(picker->FieldText(1)), "5");
  picker->SetFormat(u"");
  picker->SetKind(dtkDate);
  FormatSettings.ShortDateFormat = u"dd/mm/yyyy";
  FormatSettings.DateSeparator = u'-';
  EXPECT_EQ(U8(picker->DisplayText()), "05-03-2024");
}

TEST_F(PickerTest, DateAndTimeSettersKeepTheOtherPart) {
  picker->SetDateTime(At(2024, 3, 5, 14, 7, 9));
  picker->SetDate(At(2020, 1, 2, 23, 59));
  EXPECT_EQ(Stamp(picker->DateTime()), Stamp(At(2020, 1, 2, 14, 7, 9)));
  picker->SetTime(At(1999, 9, 9, 6, 30));
  EXPECT_EQ(Stamp(picker->DateTime()), Stamp(At(2020, 1, 2, 6, 30)));
  EXPECT_EQ(picker->Date(), At(2020, 1, 2));
  EXPECT_DOUBLE_EQ(picker->Time(), EncodeTime(6, 30, 0, 0));
}

// Keys walk the fields (wrapping) and step the selected one (wrapping
// within its range).
TEST_F(PickerTest, FieldKeysWalkAndStep) {
  picker->SetFormat(u"dd.MM.yyyy HH:mm");
  picker->SetDateTime(At(2024, 1, 31, 23, 59));
  const struct {
    std::uint16_t Key;
    int Field;
    TDateTime Value;
  } steps[] = {
      {VK_UP, 0, At(2024, 1, 1, 23, 59)},      // the day wraps within January
      {VK_DOWN, 0, At(2024, 1, 31, 23, 59)},
      {VK_RIGHT, 1, At(2024, 1, 31, 23, 59)},
      {VK_UP, 1, At(2024, 2, 29, 23, 59)},     // January 31 plus a month
      {VK_LEFT, 0, At(2024, 2, 29, 23, 59)},
      {VK_LEFT, 4, At(2024, 2, 29, 23, 59)},   // from the first field to the last
      {VK_UP, 4, At(2024, 2, 29, 23, 0)},      // minutes wrap, the hour stays
      {VK_LEFT, 3, At(2024, 2, 29, 23, 0)},
      {VK_ADD, 3, At(2024, 2, 29, 0, 0)},
      {VK_END, 3, At(2024, 2, 29, 23, 0)},
      {VK_HOME, 3, At(2024, 2, 29, 0, 0)},
      {VK_RIGHT, 4, At(2024, 2, 29, 0, 0)},
      {VK_RIGHT, 0, At(2024, 2, 29, 0, 0)},    // from the last field to the first
      {VK_SUBTRACT, 0, At(2024, 2, 28, 0, 0)},
  };
  int expectedChanges = changes;
  for (const auto& s : steps) {
    TDateTime before = picker->DateTime();
    headless::KeyDown(picker, s.Key);
    if (picker->DateTime() != before) ++expectedChanges;
    EXPECT_EQ(picker->SelectedField(), s.Field) << "key " << s.Key;
    EXPECT_EQ(Stamp(picker->DateTime()), Stamp(s.Value)) << "key " << s.Key;
  }
  EXPECT_EQ(changes, expectedChanges);
}

struct TypingCase {
  const char16_t* Typed;
  TDateTime Value;
  int Field;  // selected afterwards
};

TEST_F(PickerTest, DigitsTypeIntoFieldsTwoAtATime) {
  const TypingCase cases[] = {
      {u"12", At(2023, 12, 15), 1},          // two digits complete the month
      {u"1231", At(2023, 12, 31), 2},
      {u"4", At(2023, 4, 15), 1},            // 4 cannot take a second digit
      {u"15", At(2023, 5, 15), 1},           // 15 is no month: 1, then 5
      {u"0", At(2023, 6, 15), 0},            // waits for its second digit
      {u"09", At(2023, 9, 15), 1},
      {u"1/7/", At(2023, 1, 7), 2},          // separators move on
      {u"12312025", At(2025, 12, 31), 2},    // the year takes four digits
      {u"2/30", At(2023, 2, 28), 2},         // a day past the month is cut
      {u"x", At(2023, 6, 15), 0},            // other characters do nothing
  };
  for (const TypingCase& c : cases) {
    picker->SetFormat(u"M/d/yyyy");
    picker->SetFormat(u"MM/dd/yyyy");  // a new format starts at the first field
    picker->SetDateTime(At(2023, 6, 15));
    headless::Type(picker, c.Typed);
    EXPECT_EQ(picker->SelectedField(), c.Field) << U8(c.Typed);
    EXPECT_EQ(Stamp(picker->DateTime()), Stamp(c.Value)) << U8(c.Typed);
  }
}

TEST_F(PickerTest, PendingDigitsShowAndCompleteWhenLeavingTheField) {
  FormatSettings.TwoDigitYearCenturyWindow = 0;  // two digits stay in this century
  picker->SetFormat(u"yyyy-MM-dd");
  picker->SetDateTime(At(2023, 6, 15));
  headless::Type(picker, u"19");
  EXPECT_EQ(U8(picker->FieldText(0)), "19");
  EXPECT_EQ(picker->DateTime(), At(2023, 6, 15));  // not yet
  headless::KeyDown(picker, VK_RIGHT);
  EXPECT_EQ(picker->SelectedField(), 1);
  EXPECT_EQ(YearOf(picker->DateTime()), YearOf(vcl::Now()) / 100 * 100 + 19);
}

TEST_F(PickerTest, AmPmByLetter) {
  picker->SetKind(dtkTime);
  picker->SetDateTime(At(2024, 1, 1, 9, 15));
  picker->SetSelectedField(3);
  headless::Type(picker, u"p");
  EXPECT_EQ(HourOf(picker->DateTime()), 21);
  headless::Type(picker, u"A");
  EXPECT_EQ(HourOf(picker->DateTime()), 9);
}

TEST_F(PickerTest, LimitsClampValueAndEdits) {
  picker->SetFormat(u"dd.MM.yyyy HH:mm");
  picker->SetMinDate(At(2024, 1, 10));
  picker->SetMaxDate(At(2024, 2, 20));
  picker->SetDateTime(At(2024, 1, 5, 10, 30));
  EXPECT_EQ(Stamp(picker->DateTime()), Stamp(At(2024, 1, 10, 10, 30)));  // the time stays
  picker->SetDateTime(At(2025, 1, 1, 8, 0));
  EXPECT_EQ(Stamp(picker->DateTime()), Stamp(At(2024, 2, 20, 8, 0)));
  headless::KeyDown(picker, VK_UP);  // day 21 is beyond the limit
  EXPECT_EQ(Stamp(picker->DateTime()), Stamp(At(2024, 2, 20, 8, 0)));
  EXPECT_THROW(picker->SetMinDate(At(2024, 3, 1)), EDateTimeError);
  EXPECT_EQ(picker->MinDate(), At(2024, 1, 10));
  EXPECT_THROW(picker->SetMaxDate(At(2024, 1, 1)), EDateTimeError);
  picker->SetMaxDate(0);  // no limit
  picker->SetDateTime(At(2030, 1, 1));
  EXPECT_EQ(picker->DateTime(), At(2030, 1, 1));
  picker->SetMinDate(At(2031, 5, 5));  // a new limit moves the value
  EXPECT_EQ(picker->DateTime(), At(2031, 5, 5));
  EXPECT_THROW(picker->SetDateTime(std::nan("")), EDateTimeError);
  EXPECT_EQ(picker->DateTime(), At(2031, 5, 5));
}

TEST_F(PickerTest, OnChangeCountsRealChangesByCodeAndUser) {
  picker->SetDateTime(At(2024, 1, 1));
  EXPECT_EQ(changes, 1);
  picker->SetDateTime(At(2024, 1, 1));
  picker->SetChecked(true);
  EXPECT_EQ(changes, 1);
  picker->SetDate(At(2024, 1, 2));
  picker->SetTime(EncodeTime(3, 0, 0, 0));
  picker->SetChecked(false);
  EXPECT_EQ(changes, 4);
  int inputs = 0;
  picker->SetOnUserInput([&](TObject*) { ++inputs; });
  picker->SetShowCheckbox(true);
  headless::KeyDown(picker, VK_UP);  // editing an unchecked value checks it
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(inputs, 2);
}

TEST_F(PickerTest, CheckBoxTogglesByClickAndSpace) {
  picker->SetShowCheckbox(true);
  TRect box = picker->CheckBoxRect();
  ASSERT_FALSE(box.IsEmpty());
  EXPECT_GE(picker->TextArea().Left, box.Right);
  headless::Click(picker, box.Left + 5, box.Top + 5);
  EXPECT_FALSE(picker->Checked());
  headless::Type(picker, u" ");
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(changes, 2);
  picker->SetShowCheckbox(false);
  headless::Type(picker, u" ");  // no box: the space does nothing
  EXPECT_TRUE(picker->Checked());
}

// Unchecked, the text is drawn in the gray text color and no pixel of the
// window text color is left in it.
TEST_F(PickerTest, UncheckedTextIsGray) {
  picker->SetShowCheckbox(true);
  picker->SetDateTime(At(2024, 8, 28));
  auto count = [this](TColor C) {
    auto shot = headless::Snapshot(picker);
    TRect area = picker->TextArea();
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
      for (int x = area.Left; x < area.Right; ++x) n += PixelAt(shot, x, y) == ColorToRGB(C);
    }
    return n;
  };
  EXPECT_GT(count(clWindowText), 0);
  EXPECT_EQ(count(clGrayText), 0);
  picker->SetChecked(false);
  EXPECT_EQ(count(clWindowText), 0);
  EXPECT_GT(count(clGrayText), 0);
}

TEST_F(PickerTest, SelectedFieldIsHighlightedWhileFocused) {
  picker->SetFormat(u"dd.MM.yyyy");
  picker->SetDateTime(At(2024, 8, 28));
  headless::KeyDown(picker, VK_RIGHT);
  TRect month = picker->FieldRect(1);
  TRect day = picker->FieldRect(0);
  ASSERT_FALSE(month.IsEmpty());
  EXPECT_EQ(month.Left, day.Right + picker->Canvas()->TextWidth(u"."));
  auto shot = headless::Snapshot(picker);
  EXPECT_EQ(PixelAt(shot, month.Left, month.Top), ColorToRGB(clHighlight));
  EXPECT_EQ(PixelAt(shot, day.Left, day.Top), ColorToRGB(clWindow));
  headless::Click(picker, day.Left + 1, day.Top + 2);
  EXPECT_EQ(picker->SelectedField(), 0);
}

// The calendar drops down below the picker; a click on a day picks it
// (keeping the time) and closes it.
TEST_F(PickerTest, DropDownPicksADay) {
  picker->SetDateTime(At(2024, 8, 28, 7, 45));
  TRect b = picker->ButtonRect();
  headless::Click(picker, b.Left + 4, b.Top + 4);
  ASSERT_TRUE(picker->DroppedDown());
  TMonthCalendar* cal = picker->Calendar();
  ASSERT_NE(cal, nullptr);
  EXPECT_TRUE(cal->Visible());
  EXPECT_EQ(cal->Parent(), nullptr);
  EXPECT_EQ(cal->BoundsRect().TopLeft(), picker->ClientToScreen(Point(0, picker->Height())));
  EXPECT_EQ(cal->Date(), At(2024, 8, 28));
  EXPECT_EQ(cal->ShownMonth(), 8);
  TRect day = cal->DayRect(At(2024, 8, 15));
  headless::Click(cal, day.Left + 3, day.Top + 3);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_FALSE(cal->Visible());
  EXPECT_EQ(Stamp(picker->DateTime()), Stamp(At(2024, 8, 15, 7, 45)));
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(log, "drop close ");
}

TEST_F(PickerTest, CalendarArrowsKeysAndLimits) {
  picker->SetDateTime(At(2024, 1, 31));
  picker->SetMaxDate(At(2024, 2, 10));
  headless::KeyDown(picker, VK_F4);
  TMonthCalendar* cal = picker->Calendar();
  ASSERT_NE(cal, nullptr);
  TRect next = cal->NextButtonRect();
  headless::Click(cal, next.Left + 4, next.Top + 4);
  EXPECT_EQ(cal->ShownMonth(), 2);
  EXPECT_TRUE(picker->DroppedDown());
  TRect late = cal->DayRect(At(2024, 2, 20));
  headless::Click(cal, late.Left + 3, late.Top + 3);  // beyond MaxDate: nothing
  EXPECT_TRUE(picker->DroppedDown());
  headless::KeyDown(picker, VK_RIGHT);  // arrows move the calendar's day
  headless::KeyDown(picker, VK_DOWN);
  EXPECT_EQ(cal->Date(), At(2024, 2, 8));
  headless::KeyDown(picker, VK_ESCAPE);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DateTime(), At(2024, 1, 31));
  headless::KeyDown(picker, VK_F4);
  headless::KeyDown(picker, VK_DOWN);
  headless::KeyDown(picker, VK_RETURN);
  EXPECT_EQ(picker->DateTime(), At(2024, 2, 7));
  EXPECT_EQ(log, "drop close drop close ");
}

// Day cells: the picked day filled with the highlight color, today framed.
TEST_F(PickerTest, CalendarMarksTheDateAndToday) {
  TMonthCalendar cal(nullptr);
  cal.SetDate(At(2024, 8, 14));
  cal.SetToday(At(2024, 8, 20));
  EXPECT_EQ(cal.FirstShownDay(), At(2024, 7, 28));  // the Sunday before August 1
  TDateTime day = 0;
  TRect r = cal.DayRect(At(2024, 8, 20));
  ASSERT_TRUE(cal.DateAtPos(r.Left, r.Bottom - 1, day));
  EXPECT_EQ(day, At(2024, 8, 20));
  EXPECT_TRUE(cal.DayRect(At(2024, 9, 30)).IsEmpty());
  auto shot = headless::Snapshot(cal);
  TRect picked = cal.DayRect(At(2024, 8, 14));
  EXPECT_EQ(PixelAt(shot, picked.Left + 1, picked.Top + 1), ColorToRGB(clHighlight));
  EXPECT_EQ(PixelAt(shot, r.Left, r.Top + 1), ColorToRGB(clHotLight));
  EXPECT_EQ(PixelAt(shot, r.Left + 1, r.Top + 1), ColorToRGB(clWindow));
  TRect plain = cal.DayRect(At(2024, 8, 13));
  EXPECT_EQ(PixelAt(shot, plain.Left, plain.Top + 1), ColorToRGB(clWindow));
}

TEST_F(PickerTest, TimePickerStepsWithItsArrows) {
  picker->SetKind(dtkTime);
  picker->SetDateTime(At(2024, 1, 1, 9, 15));
  TRect b = picker->ButtonRect();
  headless::Click(picker, b.Left + 4, b.Top + 2);
  EXPECT_EQ(HourOf(picker->DateTime()), 10);
  headless::Click(picker, b.Left + 4, b.Bottom - 2);
  headless::Click(picker, b.Left + 4, b.Bottom - 2);
  EXPECT_EQ(HourOf(picker->DateTime()), 8);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Calendar(), nullptr);
}

TEST_F(PickerTest, FormFilesStoreWhatWasSet) {
  TDateTimePicker fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* name : {u"Date", u"Time", u"Kind", u"Format", u"Checked", u"MinDate", u"Color"}) {
    EXPECT_EQ(text.find(String(name) + u" ="), String::npos) << U8(name);
  }
  picker->SetName(u"Picker1");
  picker->SetKind(dtkTime);
  picker->SetFormat(u"HH:mm");
  picker->SetMinDate(At(2020, 1, 1));
  picker->SetDateTime(At(2024, 5, 6, 7, 8));
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  String stored = WriteComponentToText(picker);
  std::unique_ptr<TComponent> back(ReadComponentFromText(stored));
  auto* copy = dynamic_cast<TDateTimePicker*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Kind(), dtkTime);
  EXPECT_EQ(U8(copy->Format()), "HH:mm");
  EXPECT_EQ(Stamp(copy->DateTime()), Stamp(At(2024, 5, 6, 7, 8)));
  EXPECT_EQ(copy->MinDate(), At(2020, 1, 1));
  EXPECT_TRUE(copy->ShowCheckbox());
  EXPECT_FALSE(copy->Checked());
}

}  // namespace
}  // namespace comctltest
