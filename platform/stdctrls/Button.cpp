// TButtonControl, TButton and TCustomCheckBox.
#include <algorithm>

#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"
#include "platform/Look.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

// ---------------------------------------------------------------- TButtonControl

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() << csSetCaption << csDoubleClicks);
  SetTabStop(true);
}

TButtonControl::~TButtonControl() = default;

TCanvas* TButtonControl::Canvas() { return PrepareCanvas(FCanvas); }

void TButtonControl::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

void TButtonControl::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  Invalidate();
}

void TButtonControl::WMLButtonDown(TWMMouse& Message) {
  if (!stdctrls::FocusOnClick(this)) return;
  FMouseDown = true;
  SetPressed(true);
  TWinControl::WMLButtonDown(Message);
}

void TButtonControl::WMMouseMove(TWMMouse& Message) {
  if (FMouseDown) SetPressed(ClientRect().Contains(Message.Pos()));
  TWinControl::WMMouseMove(Message);
}

// The release inside is the click (through the control style's click
// events for push buttons, Released for check boxes).
void TButtonControl::WMLButtonUp(TWMMouse& Message) {
  bool inside = FMouseDown && ClientRect().Contains(Message.Pos());
  FMouseDown = false;
  SetPressed(false);
  TWinControl::WMLButtonUp(Message);
  if (inside && detail::IsAlive(this)) Released();
}

void TButtonControl::WMKeyDown(TWMKey& Message) {
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  if (Message.CharCode == VK_SPACE && detail::IsAlive(this)) SetPressed(true);
}

void TButtonControl::WMKeyUp(TWMKey& Message) {
  bool space = Message.CharCode == VK_SPACE && FPressed && !FMouseDown;
  if (DoKeyUp(Message)) {
    Message.Result = 1;
    SetPressed(false);
    return;
  }
  if (!detail::IsAlive(this) || !space) return;
  SetPressed(false);
  if (ControlStyle().Contains(csClickEvents)) Click();
  if (detail::IsAlive(this)) Released();
}

void TButtonControl::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TButtonControl::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  FMouseDown = false;
  SetPressed(false);
  Invalidate();
}

void TButtonControl::CMEnabledChanged(TMessage& Message) {
  TWinControl::CMEnabledChanged(Message);
  Invalidate();
}

namespace {

// The caption in R, engraved when disabled.
void DrawCaption(TCanvas& C, const String& Caption, TRect R, UINT Format, bool Enabled) {
  if (!Enabled) {
    look::DrawEngravedText(C, R, Caption, Format);
    return;
  }
  C.Brush()->SetStyle(bsClear);
  DrawText(&C, Caption, -1, R, Format);
}

}  // namespace

// ---------------------------------------------------------------- TButton

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetControlStyle(ControlStyle() << csClickEvents << csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 75, 25);
}

TButton::~TButton() = default;

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  Invalidate();
}

bool TButton::Active() const {
  if (Focused()) return true;
  return FDefault && dynamic_cast<TButton*>(FocusedControl()) == nullptr;
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

// Space and release inside click through the base (csClickEvents).
void TButton::Released() {}

void TButton::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::CMDialogKey(TWMKey& Message) {
  bool enter = Message.CharCode == VK_RETURN && Active();
  bool escape = Message.CharCode == VK_ESCAPE && FCancel;
  if ((enter || escape) && KeyDataToShiftState(Message.KeyData).Empty() && CanFocus() &&
      IsVisibleOnParents()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::CMDialogKey(Message);
}

// The active button (focused, or the default while no button has the
// focus) has the frame ring; a held-down button looks pushed.
void TButton::Paint() {
  TCanvas& C = *Canvas();
  look::TFaceOptions options;
  if (Active()) options << look::foDefault;
  if (Focused()) options << look::foFocused;
  look::TButtonFace face = Pressed() ? look::bfPushed : Enabled() ? look::bfUp : look::bfDisabled;
  TRect text = look::DrawButtonFace(C, ClientRect(), face, options, Color());
  C.Font()->Assign(Font());
  DrawCaption(C, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
}

// ---------------------------------------------------------------- TCustomCheckBox

// The click is the toggle (Released), which fires OnClick through SetState.
TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetControlStyle(ControlStyle() >> csClickEvents);
  SetBounds(Left(), Top(), 97, 17);
}

TCustomCheckBox::~TCustomCheckBox() = default;

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  Invalidate();
  Click();
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(FAllowGrayed ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCustomCheckBox::Released() { Toggle(); }

void TCustomCheckBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON; }

TRect TCustomCheckBox::BoxRect() const {
  int y = (Height() - 13) / 2;
  int x = FAlignment == taRightJustify ? 0 : Width() - 13;
  return Bounds(x, y, 13, 13);
}

TRect TCustomCheckBox::CaptionRect() const {
  if (FAlignment == taRightJustify) return Rect(17, 0, Width(), Height());
  return Rect(0, 0, std::max(0, Width() - 17), Height());
}

void TCustomCheckBox::Paint() {
  TCanvas& C = *Canvas();
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  TRect box = BoxRect();
  look::DrawCheckBox(C, box.Left, box.Top, static_cast<int>(FState), Enabled(), Pressed());
  C.Font()->Assign(Font());
  TRect text = CaptionRect();
  DrawCaption(C, Caption(), text, DT_VCENTER | DT_SINGLELINE, Enabled());
  if (!Focused() || Caption().empty()) return;
  TRect extent = text;
  DrawText(&C, Caption(), -1, extent, DT_CALCRECT | DT_SINGLELINE);
  int top = (Height() - extent.Height()) / 2;
  look::DrawFocusRect(C, Rect(text.Left - 1, top - 1, extent.Right + 1, top + extent.Height() + 1));
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterButtonControls() {
  RegisterEnum<TCheckBoxState>({u"cbUnchecked", u"cbChecked", u"cbGrayed"});
  RegisterClass<TButtonControl, TWinControl>(u"TButtonControl")
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption);
  RegisterClass<TButton, TButtonControl>(u"TButton")
      .Color(u"Color", &TControl::Color, &TControl::SetColor, clBtnFace)
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"Cancel", &TButton::Cancel, &TButton::SetCancel, false)
      .Property(u"Default", &TButton::Default, &TButton::SetDefault, false)
      .Property(u"ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone);
  RegisterClass<TCustomCheckBox, TButtonControl>(u"TCustomCheckBox")
      .Property(u"Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment,
                taRightJustify)
      .Property(u"AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed,
                false)
      .Property(u"State", &TCustomCheckBox::State, &TCustomCheckBox::SetState, cbUnchecked)
      .Property(u"Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked).Stored(false);
  RegisterClass<TCheckBox, TCustomCheckBox>(u"TCheckBox");
  return true;
}

const bool registered = RegisterButtonControls();

}  // namespace

}  // namespace vcl
