// Pointer, keyboard and focus events of form windows, handed to the
// framework's input functions.
//
// Pointer: buttons 1-3 are left, middle and right; 4 and 5 are wheel
// notches (120 each, away from the user positive). While a button is held
// the X server keeps sending the pointer's events to the window it was
// pressed in (its implicit grab), and the framework keeps the capture, so
// moves and the release outside still reach the pressed control. Double
// clicks are the framework's: a second press within DoubleClickTime.
// Keys: the key's virtual-key code goes down, then the characters it typed
// (through the input method, UTF-8 to UTF-16) unless the control took the
// key as a command; the release goes up.
#include "platform/hosts/x11/X11Host.h"

#include <X11/keysym.h>

#include <string>

#include "platform/controls/Internal.h"
#include "platform/hosts/x11/X11ErrorTrap.h"
#include "platform/hosts/x11/X11Keys.h"

namespace vcl::x11 {

namespace {

// The control the wheel turns: the one holding the capture, else the
// innermost enabled control under the pointer.
TControl* WheelTarget(TCustomForm* Form, TPoint P) {
  if (TControl* capture = GetCaptureControl()) return capture;
  TControl* target = Form;
  auto* w = static_cast<TWinControl*>(Form);
  while (w != nullptr) {
    TControl* child = w->ControlAtPos(P, false, true);
    if (child == nullptr) break;
    P = {P.X - child->Left(), P.Y - child->Top()};
    target = child;
    w = dynamic_cast<TWinControl*>(child);
  }
  return target;
}

// The modifier keys are part of their own shift state while down.
TShiftState WithOwnModifier(TShiftState Shift, std::uint16_t Key, bool Down) {
  TShiftStateItem item;
  switch (Key) {
    case VK_SHIFT: item = ssShift; break;
    case VK_CONTROL: item = ssCtrl; break;
    case VK_MENU: item = ssAlt; break;
    default: return Shift;
  }
  if (Down) Shift << item; else Shift >> item;
  return Shift;
}

}  // namespace

void TX11Host::OnButton(TFormWindow& W, XButtonEvent& E) {
  TShiftState shift = ShiftStateOf(E.state);
  TPoint p{E.x, E.y};
  TCustomForm* form = W.Form;
  if (E.button == Button4 || E.button == Button5) {
    if (E.type != ButtonPress || BlockedByModal(W)) return;
    int delta = E.button == Button4 ? 120 : -120;
    input::MouseWheel(WheelTarget(form, p), shift, delta, form->ClientToScreen(p));
    return;
  }
  TMouseButton button;
  switch (E.button) {
    case Button1: button = mbLeft; break;
    case Button2: button = mbMiddle; break;
    case Button3: button = mbRight; break;
    default: return;  // sideways wheel and extra buttons
  }
  if (E.type == ButtonPress) {
    input::MouseDown(form, button, shift, p);
  } else {
    input::MouseUp(form, button, shift, p);
  }
}

void TX11Host::OnMotion(TFormWindow& W, XMotionEvent& E) {
  // Only the latest of a run of moves matters.
  XEvent next;
  while (XPending(FDisplay) > 0) {
    XPeekEvent(FDisplay, &next);
    if (next.type != MotionNotify || next.xmotion.window != E.window || next.xmotion.state != E.state) break;
    XNextEvent(FDisplay, &next);
    E = next.xmotion;
  }
  input::MouseMove(W.Form, ShiftStateOf(E.state), {E.x, E.y});
}

// Entering is a move (the hovered controls follow); leaving the window
// leaves every control in it.
void TX11Host::OnCrossing(TFormWindow& W, const XCrossingEvent& E) {
  if (E.detail == NotifyInferior) return;
  if (E.type == EnterNotify) {
    input::MouseMove(W.Form, ShiftStateOf(E.state), {E.x, E.y});
  } else {
    input::MouseLeave(W.Form);
  }
}

namespace {

// The text a key press typed (UTF-8) and the keysym it produced: through
// the window's input method, or without one as Latin-1 bytes or the
// keysym's own character.
std::string TypedText(XIC Ic, XKeyEvent& E, KeySym& Effective) {
  std::string text(32, '\0');
  Effective = NoSymbol;
  if (Ic == nullptr) {
    int n = XLookupString(&E, text.data(), static_cast<int>(text.size()), &Effective, nullptr);
    std::string latin1(text.data(), static_cast<std::size_t>(std::max(n, 0)));
    text = ToUTF8(FromLatin1(latin1));
    return text.empty() ? ToUTF8(KeysymText(Effective)) : text;
  }
  Status status = 0;
  int n = Xutf8LookupString(Ic, &E, text.data(), static_cast<int>(text.size()), &Effective, &status);
  if (status == XBufferOverflow) {
    text.assign(static_cast<std::size_t>(n), '\0');
    n = Xutf8LookupString(Ic, &E, text.data(), n, &Effective, &status);
  }
  bool chars = status == XLookupChars || status == XLookupBoth;
  text.resize(chars ? static_cast<std::size_t>(std::max(n, 0)) : 0);
  return text;
}

}  // namespace

void TX11Host::OnKey(TFormWindow& W, XKeyEvent& E) {
  TShiftState shift = ShiftStateOf(E.state);
  KeySym base = XLookupKeysym(&E, 0);
  KeySym effective = NoSymbol;
  if (E.type == KeyRelease) {
    XLookupString(&E, nullptr, 0, &effective, nullptr);
    std::uint16_t key = VirtualKeyOf(base, effective);
    if (key != 0) input::KeyUp(key, WithOwnModifier(shift, key, false));
    return;
  }
  std::string text = TypedText(W.Ic, E, effective);
  std::uint16_t key = VirtualKeyOf(base, effective);
  if (key != 0 && input::KeyDown(key, WithOwnModifier(shift, key, true))) return;  // taken as a command
  for (char16_t c : TypedCharacters(text, shift)) DeliverCharacter(c);
}

// Focus in: the form's active control gets the framework's focus (unless a
// modal form runs elsewhere: the keyboard goes back to it). Focus out: the
// focused control loses it, the form keeps it as its active control.
// Focus changes caused by grabs (an open menu) change nothing.
void TX11Host::OnFocus(TFormWindow& W, const XFocusChangeEvent& E) {
  if (E.detail == NotifyInferior || E.detail == NotifyPointer || E.detail > NotifyNonlinearVirtual) return;
  if (E.mode == NotifyGrab || E.mode == NotifyUngrab) return;
  TWinControl* focused = FocusedControl();
  if (E.type == FocusOut) {
    FHasFocus = false;
    if (W.Ic != nullptr) XUnsetICFocus(W.Ic);
    if (focused != nullptr && GetParentForm(focused) == W.Form) detail::ChangeFocus(nullptr);
    return;
  }
  FHasFocus = true;
  if (W.Ic != nullptr) XSetICFocus(W.Ic);
  if (BlockedByModal(W)) {
    if (TFormWindow* modal = FindForm(*FModal.back())) {
      XRaiseWindow(FDisplay, modal->Id);
      TErrorTrap trap(FDisplay);
      XSetInputFocus(FDisplay, modal->Id, RevertToParent, FLastTime);
    }
    return;
  }
  if (focused != nullptr && GetParentForm(focused) == W.Form) return;
  try {
    W.Form->SetFocus();
  } catch (...) {
    TApplication::Instance().HandleException(W.Form);
  }
}

}  // namespace vcl::x11
