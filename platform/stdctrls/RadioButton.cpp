// TRadioButton: one of a group of siblings of which one is checked.
#include <algorithm>

#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"

namespace vcl {

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetControlStyle(ControlStyle() >> csClickEvents);
  SetTabStop(false);
  SetBounds(Left(), Top(), 113, 17);
}

TRadioButton::~TRadioButton() = default;

// Checking takes the check from the siblings first, so a handler sees one
// checked button; OnClick fires once the group is settled.
void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  Invalidate();
  if (!Value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

TRect TRadioButton::BoxRect() const {
  int y = (Height() - look::RadioSize) / 2;
  int x = FAlignment == taRightJustify ? 0 : Width() - look::RadioSize;
  return Bounds(x, y, look::RadioSize, look::RadioSize);
}

TRect TRadioButton::CaptionRect() const {
  if (FAlignment == taRightJustify) return Rect(17, 0, Width(), Height());
  return Rect(0, 0, std::max(0, Width() - 17), Height());
}

void TRadioButton::Released() {
  if (!FChecked) SetChecked(true);
}

// Arrows move the focus among the siblings (the form does that); the
// button they land on is checked, as in any dialog.
void TRadioButton::DoEnter() {
  TButtonControl::DoEnter();
  bool arrow = GetKeyState(VK_LEFT) < 0 || GetKeyState(VK_RIGHT) < 0 || GetKeyState(VK_UP) < 0 ||
               GetKeyState(VK_DOWN) < 0;
  if (arrow && !FChecked && detail::IsAlive(this)) SetChecked(true);
}

void TRadioButton::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; }

void TRadioButton::Paint() {
  TCanvas& C = *Canvas();
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  TRect box = BoxRect();
  look::DrawRadio(C, box.Left, box.Top, FChecked, Enabled(), Pressed());
  C.Font()->Assign(Font());
  TRect text = CaptionRect();
  if (!Enabled()) {
    look::DrawEngravedText(C, text, Caption(), DT_VCENTER | DT_SINGLELINE);
  } else {
    C.Brush()->SetStyle(bsClear);
    DrawText(&C, Caption(), -1, text, DT_VCENTER | DT_SINGLELINE);
  }
  if (!Focused() || Caption().empty()) return;
  TRect extent = text;
  DrawText(&C, Caption(), -1, extent, DT_CALCRECT | DT_SINGLELINE);
  int top = (Height() - extent.Height()) / 2;
  look::DrawFocusRect(C, Rect(text.Left - 1, top - 1, extent.Right + 1, top + extent.Height() + 1));
}

namespace {

bool RegisterRadioButton() {
  RegisterClass<TRadioButton, TButtonControl>(u"TRadioButton")
      .Property(u"Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment, taRightJustify)
      .Property(u"Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false)
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
      .Stored([](const TRadioButton& b) { return b.TabStop() != b.Checked(); });
  return true;
}

const bool registered = RegisterRadioButton();

}  // namespace

}  // namespace vcl
