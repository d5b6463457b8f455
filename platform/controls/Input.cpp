// Mouse and keyboard input as the hosts deliver it.
//
// Mouse: a message goes to the control holding the capture, else to the
// topmost visible control under the point (a disabled window swallows it; a
// disabled graphic control is passed over). The framework's handlers set
// the capture on a left press and release it on the release, so moves and
// the release reach the pressed control even outside it. A second press of
// the same button on the same control, within the double-click time and two
// pixels, is a double click (for controls with csDoubleClicks). Enter and
// leave follow the pointer: a control is "entered" while the pointer is
// over it or one of its children.
#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"

namespace vcl {

namespace {

struct LastPress {
  TControl* Target = nullptr;
  TMouseButton Button = mbLeft;
  std::int64_t Time = 0;
  TPoint Pos;
};

struct InputState {
  TControl* Capture = nullptr;
  std::vector<TControl*> Hover;  // outermost first
  LastPress Press;
  TPoint CursorPos;
};

InputState& State() {
  static auto* state = new InputState();
  return *state;
}

int ButtonKey(TMouseButton Button) {
  switch (Button) {
    case mbRight: return VK_RBUTTON;
    case mbMiddle: return VK_MBUTTON;
    default: return VK_LBUTTON;
  }
}

UINT ButtonMessage(TMouseButton Button, int Kind) {  // Kind: 0 down, 1 up, 2 double
  UINT base = Button == mbLeft ? WM_LBUTTONDOWN : Button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
  return base + static_cast<UINT>(Kind);
}

// The modifier keys as the injected shift state says.
void SetModifiers(TShiftState Shift) {
  SetKeyStateDown(VK_SHIFT, Shift.Contains(ssShift));
  SetKeyStateDown(VK_CONTROL, Shift.Contains(ssCtrl));
  SetKeyStateDown(VK_MENU, Shift.Contains(ssAlt));
}

WPARAM MouseKeys() {
  WPARAM k = 0;
  if (GetKeyState(VK_LBUTTON) < 0) k |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) k |= MK_RBUTTON;
  if (GetKeyState(VK_MBUTTON) < 0) k |= MK_MBUTTON;
  if (GetKeyState(VK_SHIFT) < 0) k |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) k |= MK_CONTROL;
  return k;
}

// The control that gets mouse input at a client point of Window.
TControl* HitTest(TControl* Window, TPoint P) {
  if (!Window->Enabled() || !Window->ClientRect().Contains(P)) return nullptr;
  auto* w = dynamic_cast<TWinControl*>(Window);
  while (w != nullptr) {
    TControl* child = w->ControlAtPos(P, true, true);
    if (child != nullptr && !child->Enabled()) {
      if (dynamic_cast<TWinControl*>(child) != nullptr) return nullptr;
      child = w->ControlAtPos(P, false, false);
    }
    if (child == nullptr) return w;
    P = {P.X - child->Left(), P.Y - child->Top()};
    auto* next = dynamic_cast<TWinControl*>(child);
    if (next == nullptr) return child;
    w = next;
  }
  return Window;
}

// The chain from the window down to the control under the point.
std::vector<TControl*> HoverChain(TControl* Window, TPoint P) {
  std::vector<TControl*> chain;
  for (TControl* c = HitTest(Window, P); c != nullptr; c = c->Parent()) chain.push_back(c);
  std::reverse(chain.begin(), chain.end());
  return chain;
}

bool InChain(const std::vector<TControl*>& Chain, TControl* C) {
  return std::find(Chain.begin(), Chain.end(), C) != Chain.end();
}

// Leaves from the innermost control out, then enters from the outermost in.
// A handler may free controls, so each is checked before it is told.
void SetHover(const std::vector<TControl*>& Chain) {
  InputState& s = State();
  std::vector<TControl*> old = s.Hover;
  s.Hover = Chain;
  for (auto it = old.rbegin(); it != old.rend(); ++it) {
    if (!InChain(Chain, *it) && detail::IsAlive(*it)) detail::Deliver(*it, CM_MOUSELEAVE, 0, 0);
  }
  for (TControl* c : Chain) {
    if (!InChain(old, c) && detail::IsAlive(c)) detail::Deliver(c, CM_MOUSEENTER, 0, 0);
  }
  std::erase_if(s.Hover, [](TControl* c) { return !detail::IsAlive(c); });
  detail::UpdateCursor();
}

TControl* Target(TControl* Window, TPoint P) {
  TControl* capture = State().Capture;
  return capture != nullptr ? capture : HitTest(Window, P);
}

LRESULT SendMouse(TControl* Target, UINT Msg, TPoint Screen) {
  TPoint local = Target->ScreenToClient(Screen);
  return detail::Deliver(Target, Msg, MouseKeys(), MAKELPARAM(local.X, local.Y));
}

// While a modal form runs, only it (and controls not on any form) take the mouse.
bool Blocked(TControl* Window) {
  TCustomForm* modal = detail::TopModalForm();
  return modal != nullptr && Window != modal && dynamic_cast<TCustomForm*>(Window) != nullptr;
}

bool IsDoubleClick(TControl* Target, TMouseButton Button, TPoint Screen) {
  const LastPress& last = State().Press;
  return last.Target == Target && last.Button == Button &&
         Host().Now() - last.Time <= static_cast<std::int64_t>(GetDoubleClickTime()) &&
         std::abs(Screen.X - last.Pos.X) <= 2 && std::abs(Screen.Y - last.Pos.Y) <= 2;
}

}  // namespace

// ---------------------------------------------------------------- public state

TControl* GetCaptureControl() { return State().Capture; }

void SetCaptureControl(TControl* Control) { State().Capture = Control; }

TMouse& Mouse = *new TMouse();

TPoint TMouse::CursorPos() const { return State().CursorPos; }

void TMouse::SetCursorPos(TPoint Value) { State().CursorPos = Value; }

HWND TMouse::Capture() const {
  auto* w = dynamic_cast<TWinControl*>(State().Capture);
  return w != nullptr && w->HandleAllocated() ? w->Handle() : nullptr;
}

namespace detail {

namespace {
std::unordered_set<const TControl*>& LiveControls() {
  static auto* set = new std::unordered_set<const TControl*>();
  return *set;
}
}  // namespace

void ControlCreated(TControl* Control) { LiveControls().insert(Control); }

void ControlFreed(TControl* Control) { LiveControls().erase(Control); }

bool IsAlive(const TControl* Control) { return Control != nullptr && LiveControls().count(Control) != 0; }

LRESULT Deliver(TControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam) {
  try {
    return Control->Perform(Msg, WParam, LParam);
  } catch (...) {
    TApplication::Instance().HandleException(Control);
    return 0;
  }
}

void ForgetControl(TControl* Control) {
  InputState& s = State();
  if (s.Capture == Control) s.Capture = nullptr;
  if (s.Press.Target == Control) s.Press = LastPress();
  auto it = std::find(s.Hover.begin(), s.Hover.end(), Control);
  if (it != s.Hover.end()) s.Hover.erase(it, s.Hover.end());
  if (auto* w = dynamic_cast<TWinControl*>(Control)) RemoveFocusFrom(w);
}

// Screen.Cursor when set, else the first explicit cursor from the hovered
// control outwards.
void UpdateCursor() {
  TCursor cursor = TScreen::Instance().Cursor();
  const auto& hover = State().Hover;
  for (auto it = hover.rbegin(); cursor == crDefault && it != hover.rend(); ++it) {
    cursor = (*it)->Cursor();
  }
  Host().SetCursor(cursor);
}

}  // namespace detail

// ---------------------------------------------------------------- from the hosts

namespace input {

void MouseDown(TControl* Window, TMouseButton Button, TShiftState Shift, TPoint P) {
  if (Blocked(Window)) return;
  SetModifiers(Shift);
  SetKeyStateDown(ButtonKey(Button), true);
  TPoint screen = Window->ClientToScreen(P);
  State().CursorPos = screen;
  SetHover(HoverChain(Window, P));
  if (!detail::IsAlive(Window)) return;
  TControl* target = Target(Window, P);
  if (target == nullptr) return;
  bool dbl = target->ControlStyle().Contains(csDoubleClicks) && IsDoubleClick(target, Button, screen);
  // A double click ends the pairing: the next press starts anew.
  State().Press = dbl ? LastPress() : LastPress{target, Button, Host().Now(), screen};
  SendMouse(target, ButtonMessage(Button, dbl ? 2 : 0), screen);
}

void MouseMove(TControl* Window, TShiftState Shift, TPoint P) {
  if (Blocked(Window)) return;
  SetModifiers(Shift);
  TPoint screen = Window->ClientToScreen(P);
  State().CursorPos = screen;
  SetHover(HoverChain(Window, P));
  if (!detail::IsAlive(Window)) return;
  if (TControl* target = Target(Window, P)) SendMouse(target, WM_MOUSEMOVE, screen);
}

void MouseUp(TControl* Window, TMouseButton Button, TShiftState Shift, TPoint P) {
  if (Blocked(Window) && State().Capture == nullptr) return;
  SetModifiers(Shift);
  SetKeyStateDown(ButtonKey(Button), false);
  TPoint screen = Window->ClientToScreen(P);
  State().CursorPos = screen;
  TControl* target = Target(Window, P);
  if (target != nullptr) SendMouse(target, ButtonMessage(Button, 1), screen);
  // The release may have closed and freed the window.
  if (!detail::IsAlive(Window)) return;
  // A released right button asks for the context menu of the control under
  // the pointer.
  if (Button == mbRight && State().Capture == nullptr) {
    if (TControl* under = HitTest(Window, P)) {
      detail::Deliver(under, WM_CONTEXTMENU, 0, MAKELPARAM(screen.X, screen.Y));
    }
  }
  if (detail::IsAlive(Window)) SetHover(HoverChain(Window, P));
}

// The hovered controls inside Control leave (innermost first); the pointer
// is now over Control's parent. Control hears of it even when no move had
// brought the pointer over it.
void MouseLeave(TControl* Control) {
  const std::vector<TControl*>& hover = State().Hover;
  auto it = std::find(hover.begin(), hover.end(), Control);
  if (it == hover.end()) {
    detail::Deliver(Control, CM_MOUSELEAVE, 0, 0);
    detail::UpdateCursor();
    return;
  }
  SetHover(std::vector<TControl*>(hover.begin(), it));
}

void MouseWheel(TControl* Target, TShiftState Shift, int WheelDelta, TPoint ScreenPos) {
  SetModifiers(Shift);
  State().CursorPos = ScreenPos;
  WPARAM wp = MAKEWPARAM(static_cast<int>(MouseKeys()), WheelDelta);
  LPARAM lp = MAKELPARAM(ScreenPos.X, ScreenPos.Y);
  // Collected first: a handler may free controls of the chain.
  std::vector<TControl*> chain;
  for (TControl* c = Target; c != nullptr; c = c->Parent()) chain.push_back(c);
  for (TControl* c : chain) {
    if (detail::IsAlive(c) && detail::Deliver(c, CM_MOUSEWHEEL, wp, lp) != 0) break;
  }
}

namespace {

// Key data of a key message: repeat count 1, the Alt context bit, and the
// transition bits of a release.
std::int32_t KeyData(bool Release) {
  std::int32_t data = 1;
  if (GetKeyState(VK_MENU) < 0) data |= 1 << 29;
  if (Release) data |= static_cast<std::int32_t>(0xC0000000u);
  return data;
}

// The control that receives keys: the focused one, else the active form.
TWinControl* KeyTarget() {
  if (TWinControl* f = FocusedControl()) return f;
  return TScreen::Instance().ActiveForm();
}

// CN_xxx first (the control may take the key), then the WM_xxx message.
// True when CN_xxx took it.
bool SendKey(UINT Msg, WPARAM Code, std::int32_t Data) {
  TWinControl* target = KeyTarget();
  if (target == nullptr) return false;
  if (detail::Deliver(target, CN_BASE + Msg, Code, Data) != 0) return true;
  if (KeyTarget() != target) return false;  // the focus moved away meanwhile
  detail::Deliver(target, Msg, Code, Data);
  return false;
}

}  // namespace

bool KeyDown(std::uint16_t Key, TShiftState Shift) {
  SetModifiers(Shift);
  SetKeyStateDown(Key, true);
  return SendKey(WM_KEYDOWN, Key, KeyData(false));
}

void KeyUp(std::uint16_t Key, TShiftState Shift) {
  SetModifiers(Shift);
  SetKeyStateDown(Key, false);
  SendKey(WM_KEYUP, Key, KeyData(true));
  // The menu key asks the focused control for its context menu.
  if (Key == VK_APPS) {
    if (TWinControl* target = KeyTarget()) detail::Deliver(target, WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  }
}

void KeyPress(char16_t Char) { SendKey(WM_CHAR, Char, KeyData(false)); }

void ForgetLastClick() { State().Press = LastPress(); }

void Reset() {
  InputState& s = State();
  s.Capture = nullptr;
  s.Hover.clear();
  s.Press = LastPress();
  ResetKeyStates();
}

}  // namespace input
}  // namespace vcl
