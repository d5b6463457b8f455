// TScrollBar: the scroll bar control on its model, and its form-file
// properties.
#include <algorithm>

#include "platform/ScrollBar.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"
#include "platform/scrollbar/Redraw.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

namespace {

[[noreturn]] void RangeError() {
  throw EInvalidOperation(u"Scroll bar property out of range");
}

}  // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner), FModel(this, sbHorizontal) {
  SetControlStyle(TControlStyle{csFramed, csDoubleClicks, csOpaque});
  SetTabStop(true);
  FModel.SetOnRedraw([this] { scrollbar::InvalidateHost(this); });
  FModel.SetOnChange([this](TObject*) { Change(); });
  FModel.SetOnScroll([this](TObject*, TScrollCode Code, int& Pos) { Scroll(Code, Pos); });
  SetBounds(Left(), Top(), 121, ScrollBarThickness);
}

TScrollBar::~TScrollBar() = default;

// ---------------------------------------------------------------- properties

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FModel.Kind()) return;
  FModel.SetKind(Value);
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
}

const TScrollRange& TScrollBar::CurrentRange() const {
  return Loading() && FLoadRangeSet ? FLoadRange : FModel.Range();
}

int TScrollBar::Min() const { return CurrentRange().Min; }
int TScrollBar::Max() const { return CurrentRange().Max; }
int TScrollBar::Position() const { return CurrentRange().Position; }
int TScrollBar::PageSize() const { return CurrentRange().PageSize; }

void TScrollBar::SetMin(int Value) { SetParams(Position(), Value, Max()); }

void TScrollBar::SetMax(int Value) { SetParams(Position(), Min(), Value); }

void TScrollBar::SetPosition(int Value) { SetParams(Value, Min(), Max()); }

void TScrollBar::SetPageSize(int Value) {
  ApplyRange({Min(), Max(), std::max(Value, 0), Position()});
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  ApplyRange({AMin, AMax, PageSize(), APosition});
}

// While loading the values are only collected: a file may hold them in an
// order in which they do not fit one by one.
void TScrollBar::ApplyRange(const TScrollRange& Value) {
  if (Loading()) {
    FLoadRange = Value;
    FLoadRangeSet = true;
    return;
  }
  std::int64_t span = static_cast<std::int64_t>(Value.Max) - Value.Min + 1;
  if (span < 1 || Value.PageSize > span) RangeError();
  FModel.SetRange(Value);
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  if (!FLoadRangeSet) return;
  FLoadRangeSet = false;
  FModel.SetRange(FLoadRange);
}

// The handlers run from copies: one may free the bar, and with it the
// members that hold them.
void TScrollBar::Change() {
  TNotifyEvent handler = FOnChange;
  if (handler) handler(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  TScrollEvent handler = FOnScroll;
  if (handler) handler(this, ScrollCode, ScrollPos);
}

// ---------------------------------------------------------------- keys

void TScrollBar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

TScrollCode TScrollBar::KeyCode(std::uint16_t Key, bool& Known) {
  Known = true;
  switch (Key) {
    case VK_UP: case VK_LEFT: return scLineUp;
    case VK_DOWN: case VK_RIGHT: return scLineDown;
    case VK_PRIOR: return scPageUp;
    case VK_NEXT: return scPageDown;
    case VK_HOME: return scTop;
    case VK_END: return scBottom;
    default: Known = false; return scEndScroll;
  }
}

void TScrollBar::WMKeyDown(TWMKey& Message) {
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  bool known = false;
  TScrollCode code = KeyCode(Message.CharCode, known);
  if (!known || !detail::IsAlive(this)) return;
  Message.Result = 1;
  FKeyScrolled = FModel.Active();
  FModel.Scroll(code);
}

// The release of a scrolling key ends the scroll.
void TScrollBar::WMKeyUp(TWMKey& Message) {
  if (DoKeyUp(Message)) return;
  bool known = false;
  KeyCode(Message.CharCode, known);
  if (!known || !FKeyScrolled || !detail::IsAlive(this)) return;
  FKeyScrolled = false;
  FModel.Scroll(scEndScroll);
}

// ---------------------------------------------------------------- mouse

void TScrollBar::PressBar(TWMMouse& Message, TShiftState Shift) {
  if (!stdctrls::FocusOnClick(this)) return;
  SendCancelMode(this);
  SetMouseCapture(true);
  FModel.SetBounds(ClientRect());
  FModel.MouseDown(Message.Pos());
  if (!detail::IsAlive(this)) return;
  if (!FModel.Pressed()) SetMouseCapture(false);
  MouseDown(mbLeft, KeysToShiftState(Message.Keys) | Shift, Message.XPos, Message.YPos);
}

void TScrollBar::WMLButtonDown(TWMMouse& Message) { PressBar(Message, {}); }

// A double click is a second press, as on any bar.
void TScrollBar::WMLButtonDblClk(TWMMouse& Message) { PressBar(Message, {ssDouble}); }

void TScrollBar::WMMouseMove(TWMMouse& Message) {
  FModel.MouseMove(Message.Pos());
  if (detail::IsAlive(this)) TWinControl::WMMouseMove(Message);
}

void TScrollBar::WMLButtonUp(TWMMouse& Message) {
  SetMouseCapture(false);
  FModel.MouseUp(Message.Pos());
  if (detail::IsAlive(this)) TWinControl::WMLButtonUp(Message);
}

void TScrollBar::WMCancelMode(TMessage& Message) {
  FModel.CancelMode();
  if (detail::IsAlive(this)) TWinControl::WMCancelMode(Message);
}

bool TScrollBar::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  return FModel.MouseWheel(WheelDelta);
}

// ---------------------------------------------------------------- state and painting

void TScrollBar::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TScrollBar::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  Invalidate();
}

void TScrollBar::CMEnabledChanged(TMessage& Message) {
  FModel.SetEnabled(Enabled());
  if (detail::IsAlive(this)) TWinControl::CMEnabledChanged(Message);
}

void TScrollBar::SizeChanged(int DeltaWidth, int DeltaHeight) {
  FModel.SetBounds(ClientRect());
  TWinControl::SizeChanged(DeltaWidth, DeltaHeight);
}

void TScrollBar::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  FModel.SetBounds(ClientRect());
  FModel.Paint(FCanvas, Focused());
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterScrollBar() {
  RegisterEnum<TScrollBarKind>({u"sbHorizontal", u"sbVertical"});
  RegisterClass<TScrollBar, TWinControl>(u"TScrollBar")
      .Property(u"Kind", &TScrollBar::Kind, &TScrollBar::SetKind, sbHorizontal)
      .Property(u"LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange, 1)
      .Property(u"Max", &TScrollBar::Max, &TScrollBar::SetMax, 100)
      .Property(u"Min", &TScrollBar::Min, &TScrollBar::SetMin, 0)
      .Property(u"PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize, 0)
      .Property(u"Position", &TScrollBar::Position, &TScrollBar::SetPosition, 0)
      .Property(u"SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange, 1)
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Event(u"OnChange", &TScrollBar::OnChange, &TScrollBar::SetOnChange)
      .Event(u"OnScroll", &TScrollBar::OnScroll, &TScrollBar::SetOnScroll);
  return true;
}

const bool registered = RegisterScrollBar();

}  // namespace

}  // namespace vcl
