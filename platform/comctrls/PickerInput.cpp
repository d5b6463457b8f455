// TDateTimePicker: keys, typing into fields, the mouse and the drop-down
// calendar.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/comctrls/PickerTokens.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

using comctrls::TPickerToken;

namespace {

bool IsNumericField(const TPickerToken& T) {
  return T.Field != comctrls::pfLiteral && T.Field != comctrls::pfWeekday && T.Field != comctrls::pfAmPm;
}

// Digits a field takes before it is complete.
int DigitsOf(const TPickerToken& T) { return T.Field == comctrls::pfYear && T.Width == 4 ? 4 : 2; }

// The highest value typing may give (a day up to 31: the month cuts it).
int TypedMax(const TPickerToken& T, TDateTime Value) {
  return T.Field == comctrls::pfDay ? 31 : comctrls::FieldMax(T, Value);
}

}  // namespace

// ---------------------------------------------------------------- changes by the user

void TDateTimePicker::UserValue(TDateTime Value) {
  if (FShowCheckbox && !FChecked) UserChecked(true);
  if (!detail::IsAlive(this)) return;
  if (StoreValue(Value) && detail::IsAlive(this) && FOnUserInput) FOnUserInput(this);
}

void TDateTimePicker::UserChecked(bool Value) {
  if (Value == FChecked) return;
  SetChecked(Value);
  if (detail::IsAlive(this) && FOnUserInput) FOnUserInput(this);
}

// ---------------------------------------------------------------- fields

void TDateTimePicker::MoveField(int Delta) {
  int n = FieldCount();
  if (n == 0) return;
  FinishTyping();
  FField = ((FField + Delta) % n + n) % n;
  Invalidate();
}

void TDateTimePicker::StepSelected(int Delta) {
  int token = TokenOfField(FField);
  if (token < 0) return;
  FinishTyping();
  TPickerToken t = Parsed().Tokens[static_cast<std::size_t>(token)];
  UserValue(comctrls::StepField(t, FDateTime, Delta));
}

// Typed digits: a first digit that a second one could still extend waits
// for it; the field is complete with its last digit (two, or four for a
// whole year) or with a digit that no further one can follow, and the
// next field is selected then. A second digit that would pass the field's
// range starts the field over.
void TDateTimePicker::TypeDigit(int Digit) {
  int token = TokenOfField(FField);
  if (token < 0) return;
  TPickerToken t = Parsed().Tokens[static_cast<std::size_t>(token)];
  if (!IsNumericField(t)) return;
  if (FShowCheckbox && !FChecked) UserChecked(true);
  if (!detail::IsAlive(this)) return;
  String typed = FTyped + Char(u'0' + Digit);
  int value = StrToInt(typed);
  int max = TypedMax(t, FDateTime);
  if (DigitsOf(t) == 2 && typed.size() == 2 && value > max) {
    CommitTyped(false);
    if (detail::IsAlive(this)) TypeDigit(Digit);
    return;
  }
  FTyped = typed;
  Invalidate();
  bool complete = static_cast<int>(typed.size()) >= DigitsOf(t) || value * 10 > max;
  if (complete) CommitTyped(true);
}

void TDateTimePicker::CommitTyped(bool Advance) {
  int token = TokenOfField(FField);
  if (FTyped.empty() || token < 0) return;
  TPickerToken t = Parsed().Tokens[static_cast<std::size_t>(token)];
  String typed = FTyped;
  FTyped.clear();
  int value = StrToInt(typed);
  if (t.Field == comctrls::pfYear && t.Width == 4 && typed.size() <= 2) {
    value = comctrls::ExpandTwoDigitYear(value, FormatSettings);
  }
  Invalidate();
  UserValue(comctrls::SetField(t, FDateTime, value, FormatSettings));
  if (Advance && detail::IsAlive(this) && FField < FieldCount() - 1) {
    ++FField;
    FAdvanced = true;
    Invalidate();
  }
}

void TDateTimePicker::FinishTyping() {
  if (!FTyped.empty()) CommitTyped(false);
}

// A character that starts the literal after the selected field moves to
// the next field, so "12/31" can be typed with its separators. Right after
// typing completed a field and moved on, the separator is taken as typed
// and the field stays.
bool TDateTimePicker::TypeSeparator(Char Ch) {
  if (FAdvanced && FField > 0) {
    int before = TokenOfField(FField - 1);
    const auto& all = Parsed().Tokens;
    std::size_t lit = static_cast<std::size_t>(before) + 1;
    if (before >= 0 && lit < all.size() && all[lit].Field == comctrls::pfLiteral) {
      String text = Trim(all[lit].Text);
      if (text.empty() ? Ch == u' ' : text[0] == Ch) return true;
    }
  }
  int token = TokenOfField(FField);
  const auto& tokens = Parsed().Tokens;
  std::size_t next = static_cast<std::size_t>(token) + 1;
  if (token < 0 || next >= tokens.size() || tokens[next].Field != comctrls::pfLiteral) return false;
  String literal = Trim(tokens[next].Text);
  if (literal.empty() ? Ch != u' ' : literal[0] != Ch) return false;
  if (FField >= FieldCount() - 1) return false;
  MoveField(1);
  return true;
}

// ---------------------------------------------------------------- keys

void TDateTimePicker::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

// Keys that act on the selected field; true when the key was used.
bool TDateTimePicker::FieldKey(std::uint16_t Key, TShiftState Shift) {
  bool alt = GetKeyState(VK_MENU) < 0 || Shift.Contains(ssAlt);
  if (Key == VK_F4 || (alt && Key == VK_DOWN)) {
    SetDroppedDown(!FDroppedDown);
    return true;
  }
  if (alt || Shift.Contains(ssCtrl)) return false;
  int token = TokenOfField(FField);
  switch (Key) {
    case VK_LEFT: MoveField(-1); return true;
    case VK_RIGHT: MoveField(1); return true;
    case VK_UP: case VK_ADD: StepSelected(1); break;
    case VK_DOWN: case VK_SUBTRACT: StepSelected(-1); break;
    case VK_HOME: case VK_END: {
      if (token < 0) return true;
      FinishTyping();
      TPickerToken t = Parsed().Tokens[static_cast<std::size_t>(token)];
      int target = Key == VK_HOME ? comctrls::FieldMin(t) : comctrls::FieldMax(t, FDateTime);
      UserValue(comctrls::SetField(t, FDateTime, target, FormatSettings));
      return true;
    }
    case VK_SPACE:
      if (!FShowCheckbox) return false;
      UserChecked(!FChecked);
      break;
    default: return false;
  }
  FSkipChar = true;  // the key's character ('+', '-', ' ') is used up
  return true;
}

// While the calendar is down the arrows move its day and the page keys its
// month; Enter picks the day, Escape closes without picking.
bool TDateTimePicker::CalendarKey(std::uint16_t Key) {
  TMonthCalendar* cal = FCalendar.get();
  switch (Key) {
    case VK_LEFT: cal->SetDate(cal->Date() - 1); return true;
    case VK_RIGHT: cal->SetDate(cal->Date() + 1); return true;
    case VK_UP: cal->SetDate(cal->Date() - 7); return true;
    case VK_DOWN: cal->SetDate(cal->Date() + 7); return true;
    case VK_PRIOR: cal->SetDate(IncMonth(cal->Date(), -1)); return true;
    case VK_NEXT: cal->SetDate(IncMonth(cal->Date(), 1)); return true;
    case VK_RETURN: HideCalendar(true); return true;
    case VK_ESCAPE: HideCalendar(false); return true;
    default: return false;
  }
}

void TDateTimePicker::WMKeyDown(TWMKey& Message) {
  FSkipChar = false;
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this)) return;
  std::uint16_t key = Message.CharCode;
  TShiftState shift = KeyDataToShiftState(Message.KeyData);
  bool used = FDroppedDown && key != VK_F4 && CalendarKey(key);
  if (!used) used = FieldKey(key, shift);
  if (used) {
    FAdvanced = false;
    Message.Result = 1;
  }
}

void TDateTimePicker::WMChar(TWMKey& Message) {
  if (DoKeyPress(Message)) {
    Message.Result = 1;
    return;
  }
  bool skip = FSkipChar;
  FSkipChar = false;
  if (!detail::IsAlive(this) || Message.Msg == WM_SYSCHAR || skip || FDroppedDown) return;
  Char ch = static_cast<Char>(Message.CharCode);
  bool advanced = FAdvanced;
  FAdvanced = false;
  if (ch >= u'0' && ch <= u'9') {
    TypeDigit(ch - u'0');
  } else if (!TypeAmPm(ch) && ch >= 32) {
    FAdvanced = advanced;
    TypeSeparator(ch);
    FAdvanced = false;
  }
}

// 'a' or 'p' (the first letters of the AM and PM texts) in an AM/PM field.
bool TDateTimePicker::TypeAmPm(Char Ch) {
  int token = TokenOfField(FField);
  if (token < 0 || Parsed().Tokens[static_cast<std::size_t>(token)].Field != comctrls::pfAmPm) return false;
  TPickerToken t = Parsed().Tokens[static_cast<std::size_t>(token)];
  auto starts = [Ch](const String& s) { return !s.empty() && UpCase(s[0]) == UpCase(Ch); };
  if (starts(FormatSettings.TimeAMString)) UserValue(comctrls::SetField(t, FDateTime, 0, FormatSettings));
  else if (starts(FormatSettings.TimePMString)) UserValue(comctrls::SetField(t, FDateTime, 1, FormatSettings));
  return true;
}

void TDateTimePicker::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TDateTimePicker::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  if (!detail::IsAlive(this)) return;
  FinishTyping();
  if (detail::IsAlive(this) && FDroppedDown) HideCalendar(false);
  Invalidate();
}

// ---------------------------------------------------------------- mouse

// A press takes the focus, then acts on what it hits: the check box, the
// button or the up/down arrows, or a field.
void TDateTimePicker::WMLButtonDown(TWMMouse& Message) {
  bool wasDown = FDroppedDown;
  if (!stdctrls::FocusOnClick(this)) return;
  TWinControl::WMLButtonDown(Message);
  if (!detail::IsAlive(this) || !Enabled()) return;
  TPoint p = Message.Pos();
  if (CheckBoxRect().Contains(p)) {
    UserChecked(!FChecked);
    return;
  }
  TRect button = ButtonRect();
  if (button.Contains(p)) {
    SetMouseCapture(false);
    if (HasButton()) SetDroppedDown(!wasDown);
    else StepSelected(p.Y < (button.Top + button.Bottom) / 2 ? 1 : -1);
    return;
  }
  for (int i = 0; i < FieldCount(); ++i) {
    TRect r = FieldRect(i);
    if (p.X >= r.Left && p.X < r.Right) {
      SetSelectedField(i);
      return;
    }
  }
}

bool TDateTimePicker::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!Focused() || WheelDelta == 0) return false;
  StepSelected(WheelDelta > 0 ? 1 : -1);
  return true;
}

// ---------------------------------------------------------------- drop-down calendar

void TDateTimePicker::DropDown() {
  if (FOnDropDown) FOnDropDown(this);
}

void TDateTimePicker::CloseUp() {
  if (FOnCloseUp) FOnCloseUp(this);
}

void TDateTimePicker::SetDroppedDown(bool Value) {
  if (Value == FDroppedDown) return;
  if (Value) ShowCalendar();
  else HideCalendar(false);
}

// The calendar shows below the picker (above it when the screen ends
// first), in a window of its own that the host puts above the others.
void TDateTimePicker::ShowCalendar() {
  if (!HasButton() || !Enabled()) return;
  FinishTyping();
  if (!detail::IsAlive(this)) return;
  DropDown();
  if (!detail::IsAlive(this)) return;
  if (FCalendar == nullptr) {
    FCalendar = std::make_unique<TMonthCalendar>(nullptr);
    FCalendar->SetOnClick([this](TObject*) { CalendarPicked(); });
  }
  TMonthCalendar& cal = *FCalendar;
  cal.Font()->Assign(Font());
  cal.SetMinDate(FMinDate);
  cal.SetMaxDate(FMaxDate);
  cal.SetDate(FDateTime);
  TPoint at = ClientToScreen(Point(0, Height()));
  TSize screen = Host().ScreenSize();
  if (screen.cy > 0 && at.Y + cal.Height() > screen.cy) at.Y = ClientToScreen(Point(0, 0)).Y - cal.Height();
  cal.SetBounds(at.X, at.Y, cal.Width(), cal.Height());
  cal.Show();
  FDroppedDown = true;
  Invalidate();
  Host().ShowDropDown(cal, [this] { HideCalendar(false); });
}

// Closes the calendar; with Pick its day becomes the date (the time kept).
void TDateTimePicker::HideCalendar(bool Pick) {
  if (!FDroppedDown || FCalendar == nullptr) return;
  FDroppedDown = false;
  Host().HideDropDown(*FCalendar);
  FCalendar->Hide();
  Invalidate();
  if (Pick) {
    UserValue(comctrls::CombineDateTime(FCalendar->Date(), FDateTime));
    if (!detail::IsAlive(this)) return;
  }
  CloseUp();
}

void TDateTimePicker::CalendarPicked() { HideCalendar(true); }

}  // namespace vcl
