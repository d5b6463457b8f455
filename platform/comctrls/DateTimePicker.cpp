// TDateTimePicker: the value and its limits, the format and its fields,
// the geometry, painting and form-file registration. Keys, typing, the
// mouse and the drop-down calendar are in PickerInput.cpp.
#include <algorithm>
#include <cmath>

#include "platform/ComCtrls.h"
#include "platform/Streaming.h"
#include "platform/comctrls/PickerTokens.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"
#include "platform/Look.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

using comctrls::TPickerToken;
using comctrls::TPickerTokens;

namespace {

constexpr int kButtonWidth = 17;
constexpr int kSpinWidth = 15;
constexpr int kBoxSize = 13;

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  // Every press is a press (no double clicks): each one acts on a field or button.
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csOpaque});
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  TDateTime now = vcl::Now();
  FDateTime = comctrls::CombineDateTime(now, now);
  SetBounds(Left(), Top(), 186, 21);
}

// An open calendar leaves the screen without events.
TDateTimePicker::~TDateTimePicker() {
  if (FCalendar != nullptr && FDroppedDown) Host().HideDropDown(*FCalendar);
  FCalendar.reset();
}

// ---------------------------------------------------------------- value

TDateTime TDateTimePicker::Clamp(TDateTime Value) const {
  Value = std::clamp(Value, MinDateTime, MaxDateTime);
  if (FMinDate != 0 && DateOf(Value) < DateOf(FMinDate)) Value = comctrls::CombineDateTime(FMinDate, Value);
  if (FMaxDate != 0 && DateOf(Value) > DateOf(FMaxDate)) Value = comctrls::CombineDateTime(FMaxDate, Value);
  return Value;
}

bool TDateTimePicker::StoreValue(TDateTime Value) {
  if (!std::isfinite(Value)) {
    throw EDateTimeError(u"Component \"" + Name() + u"\": invalid date and time value");
  }
  bool loading = ComponentState().Contains(csLoading);
  if (!loading) Value = Clamp(Value);
  FValueSet = true;
  if (Value == FDateTime) return false;
  FDateTime = Value;
  if (FCalendar != nullptr && FDroppedDown) FCalendar->SetDate(Value);
  Invalidate();
  if (!loading) Change();
  return true;
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
  FTyped.clear();
  StoreValue(Value);
}

TDateTime TDateTimePicker::Date() const { return DateOf(FDateTime); }

void TDateTimePicker::SetDate(TDateTime Value) {
  if (!std::isfinite(Value)) StoreValue(Value);
  SetDateTime(comctrls::CombineDateTime(Value, FDateTime));
}

TDateTime TDateTimePicker::Time() const { return TimeOf(FDateTime); }

void TDateTimePicker::SetTime(TDateTime Value) {
  if (!std::isfinite(Value)) StoreValue(Value);
  SetDateTime(comctrls::CombineDateTime(FDateTime, Value));
}

void TDateTimePicker::SetMinDate(TDateTime Value) {
  if (!std::isfinite(Value)) Value = 0;
  if (Value != 0 && FMaxDate != 0 && DateOf(Value) > DateOf(FMaxDate)) {
    throw EDateTimeError(u"Component \"" + Name() + u"\": date " + DateToStr(Value) +
                         u" exceeds maximum of " + DateToStr(FMaxDate));
  }
  FMinDate = Value;
  if (FCalendar != nullptr) FCalendar->SetMinDate(Value);
  if (!ComponentState().Contains(csLoading)) StoreValue(FDateTime);
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
  if (!std::isfinite(Value)) Value = 0;
  if (Value != 0 && FMinDate != 0 && DateOf(Value) < DateOf(FMinDate)) {
    throw EDateTimeError(u"Component \"" + Name() + u"\": date " + DateToStr(Value) +
                         u" is less than minimum of " + DateToStr(FMinDate));
  }
  FMaxDate = Value;
  if (FCalendar != nullptr) FCalendar->SetMaxDate(Value);
  if (!ComponentState().Contains(csLoading)) StoreValue(FDateTime);
}

void TDateTimePicker::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  Invalidate();
  if (!ComponentState().Contains(csLoading)) Change();
}

void TDateTimePicker::Change() {
  if (FOnChange) FOnChange(this);
}

void TDateTimePicker::Loaded() {
  TWinControl::Loaded();
  TDateTime clamped = Clamp(FDateTime);
  if (clamped != FDateTime) {
    FDateTime = clamped;
    Invalidate();
  }
}

// ---------------------------------------------------------------- format

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (Value == FKind) return;
  if (FDroppedDown) HideCalendar(false);
  FKind = Value;
  FormatChanged();
}

void TDateTimePicker::SetFormat(const String& Value) {
  if (Value == FFormat) return;
  FFormat = Value;
  FormatChanged();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  if (Value == FDateFormat) return;
  FDateFormat = Value;
  FormatChanged();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (Value == FDateMode) return;
  if (FDroppedDown) HideCalendar(false);
  FDateMode = Value;
  Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (Value == FShowCheckbox) return;
  FShowCheckbox = Value;
  Invalidate();
}

void TDateTimePicker::FormatChanged() {
  FTyped.clear();
  FField = 0;
  Invalidate();
}

String TDateTimePicker::EffectiveFormat() const {
  if (!FFormat.empty()) return FFormat;
  const String& rtl = FKind == dtkTime ? FormatSettings.LongTimeFormat
                      : FDateFormat == dfLong ? FormatSettings.LongDateFormat
                                              : FormatSettings.ShortDateFormat;
  return comctrls::PickerFormatFromSettings(rtl, FormatSettings);
}

// Parsed again whenever the format in use changes (FormatSettings may).
const TDateTimePicker::TTokens& TDateTimePicker::Parsed() const {
  String source = EffectiveFormat();
  if (FTokens == nullptr || FTokens->Source != source) {
    auto t = std::make_unique<TTokens>();
    t->Source = source;
    t->Tokens = comctrls::ParsePickerFormat(source);
    for (int i = 0; i < static_cast<int>(t->Tokens.size()); ++i) {
      if (t->Tokens[static_cast<std::size_t>(i)].Field != comctrls::pfLiteral) t->Fields.push_back(i);
    }
    FTokens = std::move(t);
  }
  return *FTokens;
}

String TDateTimePicker::DisplayText() const {
  return comctrls::PickerText(Parsed().Tokens, FDateTime, FormatSettings);
}

int TDateTimePicker::FieldCount() const { return static_cast<int>(Parsed().Fields.size()); }

int TDateTimePicker::TokenOfField(int Field) const {
  const TTokens& t = Parsed();
  if (Field < 0 || Field >= static_cast<int>(t.Fields.size())) return -1;
  return t.Fields[static_cast<std::size_t>(Field)];
}

void TDateTimePicker::SetSelectedField(int Index) {
  int n = FieldCount();
  Index = n == 0 ? 0 : std::clamp(Index, 0, n - 1);
  if (Index == FField) return;
  FinishTyping();
  FField = Index;
  Invalidate();
}

// The typed digits stand for the selected field until they are complete.
String TDateTimePicker::FieldText(int Index) const {
  int token = TokenOfField(Index);
  if (token < 0) return String();
  if (Index == FField && !FTyped.empty()) return FTyped;
  return comctrls::TokenText(Parsed().Tokens[static_cast<std::size_t>(token)], FDateTime, FormatSettings);
}

// ---------------------------------------------------------------- geometry

bool TDateTimePicker::HasButton() const { return FKind == dtkDate && FDateMode == dmComboBox; }

bool TDateTimePicker::HasSpin() const { return !HasButton(); }

TRect TDateTimePicker::CheckBoxRect() const {
  if (!FShowCheckbox) return TRect();
  return Bounds(4, (Height() - kBoxSize) / 2, kBoxSize, kBoxSize);
}

TRect TDateTimePicker::ButtonRect() const {
  int b = 2;
  int w = HasButton() ? kButtonWidth : kSpinWidth;
  int left = std::max(b, Width() - b - w);
  return Rect(left, b, std::max(left, Width() - b), std::max(b, Height() - b));
}

TRect TDateTimePicker::TextArea() const {
  int left = FShowCheckbox ? CheckBoxRect().Right + 3 : 4;
  int right = std::max(left, ButtonRect().Left - 1);
  return Rect(left, 2, right, std::max(2, Height() - 2));
}

TCanvas& TDateTimePicker::Measure() {
  FMeasure.Font()->Assign(Font());
  return FMeasure;
}

TRect TDateTimePicker::FieldRect(int Index) {
  int token = TokenOfField(Index);
  if (token < 0) return TRect();
  const TTokens& t = Parsed();
  TCanvas& m = Measure();
  TRect area = TextArea();
  int x = area.Left;
  for (int i = 0; i < token; ++i) {
    x += m.TextWidth(comctrls::TokenText(t.Tokens[static_cast<std::size_t>(i)], FDateTime, FormatSettings));
  }
  int w = m.TextWidth(FieldText(Index));
  int h = m.TextHeight(u"Wg");
  int y = (Height() - h) / 2;
  return Rect(x, y, x + w, y + h);
}

// ---------------------------------------------------------------- painting

TCanvas* TDateTimePicker::Canvas() { return PrepareCanvas(FCanvas); }

void TDateTimePicker::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

void TDateTimePicker::PaintCheckBox(TCanvas& C) {
  if (!FShowCheckbox) return;
  TRect box = CheckBoxRect();
  look::DrawCheckBox(C, box.Left, box.Top, FChecked ? 1 : 0, Enabled());
}

// The drop-down button as the combo box's, or up and down arrows, one half
// of the button each.
void TDateTimePicker::PaintButton(TCanvas& C) {
  TRect button = ButtonRect();
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clBtnFace);
  C.FillRect(button);
  if (HasButton()) {
    look::DrawButtonFrame(C, button, FDroppedDown);
    TRect r = button;
    if (FDroppedDown) r.Offset(1, 1);
    look::DrawArrow(C, r, look::adDown, Enabled());
    return;
  }
  int mid = (button.Top + button.Bottom) / 2;
  TRect up = Rect(button.Left, button.Top, button.Right, mid);
  TRect down = Rect(button.Left, mid, button.Right, button.Bottom);
  look::DrawButtonFrame(C, up, false);
  look::DrawButtonFrame(C, down, false);
  look::DrawArrow(C, up, look::adUp, Enabled());
  look::DrawArrow(C, down, look::adDown, Enabled());
}

// The literals and fields one after the other; the selected field in the
// highlight colors while the picker has the focus. An unchecked value (and
// a disabled picker) is gray.
void TDateTimePicker::PaintFields(TCanvas& C) {
  const TTokens& t = Parsed();
  TRect area = TextArea();
  C.Font()->Assign(Font());
  bool gray = !Enabled() || (FShowCheckbox && !FChecked);
  int h = C.TextHeight(u"Wg");
  int y = (Height() - h) / 2;
  int x = area.Left;
  int field = 0;
  TRect saved = C.IntersectClip(area);
  for (std::size_t i = 0; i < t.Tokens.size(); ++i) {
    bool isField = t.Tokens[i].Field != comctrls::pfLiteral;
    String text = isField ? FieldText(field) : t.Tokens[i].Text;
    bool selected = isField && field == FField && Focused() && !gray;
    C.Brush()->SetStyle(selected ? bsSolid : bsClear);
    if (selected) C.Brush()->SetColor(clHighlight);
    C.Font()->SetColor(gray ? clGrayText : selected ? clHighlightText : Font()->Color());
    C.TextOut(x, y, text);
    x += C.TextWidth(text);
    if (isField) ++field;
  }
  C.SetDeviceClip(saved);
}

void TDateTimePicker::Paint() {
  TCanvas& C = FCanvas;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  C.FillRect(ClientRect());
  if (Ctl3D()) look::DrawSunkenBorder(C, ClientRect());
  else look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  PaintCheckBox(C);
  PaintFields(C);
  PaintButton(C);
}

void TDateTimePicker::CMEnabledChanged(TMessage& Message) {
  TWinControl::CMEnabledChanged(Message);
  if (!Enabled() && FDroppedDown) HideCalendar(false);
  Invalidate();
}

void TDateTimePicker::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  Invalidate();
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterPickers() {
  RegisterEnum<TDateTimeKind>({u"dtkDate", u"dtkTime"});
  RegisterEnum<TDTDateMode>({u"dmComboBox", u"dmUpDown"});
  RegisterEnum<TDTDateFormat>({u"dfShort", u"dfLong"});
  auto picker = RegisterClass<TDateTimePicker, TWinControl>(u"TDateTimePicker");
  stdctrls::WindowColored(picker)
      .Property(u"Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind, dtkDate)
      .Property(u"Format", &TDateTimePicker::Format, &TDateTimePicker::SetFormat)
      .Property(u"DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat, dfShort)
      .Property(u"DateMode", &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode, dmComboBox)
      .Property(u"MinDate", &TDateTimePicker::MinDate, &TDateTimePicker::SetMinDate, 0.0)
      .Property(u"MaxDate", &TDateTimePicker::MaxDate, &TDateTimePicker::SetMaxDate, 0.0)
      .Property(u"ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox, false)
      .Property(u"Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked, true)
      .Property(u"Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
      .Stored([](const TDateTimePicker& p) { return p.ValueStored(); })
      .Property(u"Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
      .Stored([](const TDateTimePicker& p) { return p.ValueStored(); })
      .Property(u"Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true)
      .Property(u"ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Event(u"OnChange", &TDateTimePicker::OnChange, &TDateTimePicker::SetOnChange)
      .Event(u"OnDropDown", &TDateTimePicker::OnDropDown, &TDateTimePicker::SetOnDropDown)
      .Event(u"OnCloseUp", &TDateTimePicker::OnCloseUp, &TDateTimePicker::SetOnCloseUp)
      .Event(u"OnUserInput", &TDateTimePicker::OnUserInput, &TDateTimePicker::SetOnUserInput);
  return true;
}

const bool registered = RegisterPickers();

}  // namespace

}  // namespace vcl
