// Drop-downs and the popup-menu loop: override-redirect windows with the
// pointer grabbed (owner events on, so our own windows still get theirs),
// so that a press anywhere outside reaches us and closes them.
//
// A drop-down shows a framework control without parent (a combo box's
// list): the host paints the control's back buffer into the window and
// hands it the pointer input at its own coordinates. The keyboard stays
// with the focused control (the combo box steers its list).
#include "platform/hosts/x11/X11Host.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>

#include "platform/Guards.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/x11/X11Keys.h"
#include "platform/hosts/x11/X11Menu.h"

namespace vcl::x11 {

namespace {

constexpr long kDropDownEvents = ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask |
                                 PointerMotionMask | EnterWindowMask | LeaveWindowMask;

TMouseButton ButtonOf(unsigned Button) {
  return Button == Button3 ? mbRight : Button == Button2 ? mbMiddle : mbLeft;
}

}  // namespace

struct TX11Popups::DropDown {
  TWinControl* Control = nullptr;
  ::Window Id = 0;
  std::function<void()> Dismiss;
  TRect Bounds;
};

TX11Popups::TX11Popups(TX11Host& Host) : FHost(Host) {}

TX11Popups::~TX11Popups() {
  for (auto& d : FDropDowns) XDestroyWindow(FHost.Dpy(), d->Id);
}

bool TX11Popups::Grab(::Window W, bool Keyboard) {
  Display* d = FHost.Dpy();
  unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
  constexpr int kTries = 200, kPauseMs = 10;  // two seconds at most
  bool pointer = false, keys = !Keyboard;
  for (int i = 0; i < kTries && !(pointer && keys); ++i) {
    if (i > 0) poll(nullptr, 0, kPauseMs);
    if (!pointer)
      pointer = XGrabPointer(d, W, True, mask, GrabModeAsync, GrabModeAsync, 0, FHost.CurrentCursor(),
                             CurrentTime) == GrabSuccess;
    if (pointer && !keys) keys = XGrabKeyboard(d, W, True, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
  }
  if (pointer && !keys) XUngrabPointer(d, CurrentTime);
  return pointer && keys;
}

void TX11Popups::Ungrab() {
  XUngrabPointer(FHost.Dpy(), CurrentTime);
  XFlush(FHost.Dpy());
}

// ---------------------------------------------------------------- drop-downs

TX11Popups::DropDown* TX11Popups::FindDropDown(::Window W) {
  for (auto& d : FDropDowns) {
    if (d->Id == W) return d.get();
  }
  return nullptr;
}

void TX11Popups::ShowDropDown(TWinControl& Control, std::function<void()> Dismiss) {
  for (auto& d : FDropDowns) {
    if (d->Control == &Control) {
      d->Dismiss = std::move(Dismiss);
      return;
    }
  }
  Control.HandleNeeded();
  auto d = std::make_unique<DropDown>();
  d->Control = &Control;
  d->Dismiss = std::move(Dismiss);
  d->Bounds = Control.BoundsRect();
  d->Id = FHost.MakeWindow(d->Bounds, true, kDropDownEvents);
  Display* dpy = FHost.Dpy();
  Atom type = FHost.Atoms().NetWmWindowTypeCombo;
  XChangeProperty(dpy, d->Id, FHost.Atoms().NetWmWindowType, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&type), 1);
  XMapRaised(dpy, d->Id);
  ::Window id = d->Id;
  FDropDowns.push_back(std::move(d));
  XEvent e;
  FHost.WaitForEvent(e, [&](const XEvent& x) { return x.type == MapNotify && x.xmap.window == id; }, 1000);
  Grab(id, false);
  Refresh();
}

void TX11Popups::HideDropDown(TWinControl& Control) {
  auto it = std::find_if(FDropDowns.begin(), FDropDowns.end(), [&](const auto& d) { return d->Control == &Control; });
  if (it == FDropDowns.end()) return;
  XDestroyWindow(FHost.Dpy(), (*it)->Id);
  FDropDowns.erase(it);
  if (FMenu != nullptr) return;  // the menu holds the grab now
  if (FDropDowns.empty()) {
    Ungrab();
  } else {
    Grab(FDropDowns.back()->Id, false);
  }
}

// Freed controls lose their windows; moved ones move them; what was
// invalidated is painted into the control's back buffer and put.
void TX11Popups::Refresh() {
  std::erase_if(FDropDowns, [&](const auto& d) {
    if (detail::IsAlive(d->Control)) return false;
    XDestroyWindow(FHost.Dpy(), d->Id);
    if (FMenu == nullptr) Ungrab();
    return true;
  });
  for (auto& d : FDropDowns) {
    TWinControl* c = d->Control;
    if (c->BoundsRect() != d->Bounds) {
      d->Bounds = c->BoundsRect();
      XMoveResizeWindow(FHost.Dpy(), d->Id, d->Bounds.Left, d->Bounds.Top,
                        static_cast<unsigned>(std::max(d->Bounds.Width(), 1)),
                        static_cast<unsigned>(std::max(d->Bounds.Height(), 1)));
    }
    TRect dirty = ControlAccess::Dirty(c);
    if (dirty.IsEmpty()) continue;
    PaintWindowNow(c);
    if (const TBitmap* buffer = c->BackBuffer()) FHost.PutPicture(d->Id, *buffer, dirty);
  }
}

// A press in the drop-down goes to its control; anywhere else (another of
// our windows, or outside them all, reported to the grab window) the
// innermost drop-down is dismissed and the press is used up.
void TX11Popups::PressOnDropDown(TWinControl* Control, const XButtonEvent& E) {
  TPoint p{E.x, E.y};
  if (Control == nullptr || !Control->ClientRect().Contains(p)) {
    auto dismiss = FDropDowns.back()->Dismiss;
    if (dismiss) dismiss();
    return;
  }
  TShiftState shift = ShiftStateOf(E.state);
  if (E.button == Button4 || E.button == Button5) {
    input::MouseWheel(Control, shift, E.button == Button4 ? 120 : -120, Control->ClientToScreen(p));
  } else if (E.button <= Button3) {
    input::MouseDown(Control, ButtonOf(E.button), shift, p);
  }
}

bool TX11Popups::HandleDropDown(XEvent& E) {
  DropDown* d = FindDropDown(E.xany.window);
  TWinControl* c = d != nullptr ? d->Control : nullptr;
  if (c != nullptr && !detail::IsAlive(c)) return true;  // Refresh will take its window down
  if (E.type == ButtonPress) {
    PressOnDropDown(c, E.xbutton);
    return true;
  }
  if (c == nullptr) return false;  // our other windows' events are theirs
  switch (E.type) {
    case ButtonRelease:
      if (E.xbutton.button <= Button3) {
        input::MouseUp(c, ButtonOf(E.xbutton.button), ShiftStateOf(E.xbutton.state), {E.xbutton.x, E.xbutton.y});
      }
      break;
    case MotionNotify: input::MouseMove(c, ShiftStateOf(E.xmotion.state), {E.xmotion.x, E.xmotion.y}); break;
    case LeaveNotify: input::MouseLeave(c); break;
    case Expose:
      if (c->BackBuffer() != nullptr) {
        FHost.PutPicture(d->Id, *c->BackBuffer(), Bounds(E.xexpose.x, E.xexpose.y, E.xexpose.width, E.xexpose.height));
      }
      break;
    default: break;
  }
  return true;
}

void TX11Popups::CursorChanged(::Cursor C) {
  for (auto& d : FDropDowns) XDefineCursor(FHost.Dpy(), d->Id, C);
  if (FMenu != nullptr) FMenu->CursorChanged(C);
}

// ---------------------------------------------------------------- dispatch

bool TX11Popups::Handle(XEvent& E) {
  if (FMenu != nullptr) return FMenu->Handle(E);
  if (FDropDowns.empty()) return false;
  return HandleDropDown(E);
}

// ---------------------------------------------------------------- the menu loop

void TX11Popups::RunMenu(TPopupMenu& Menu, int X, int Y) { RunItems(Menu.Items(), Menu.Alignment(), X, Y); }

void TX11Popups::RunItems(TMenuItem* Root, TPopupAlignment Alignment, int X, int Y) {
  if (FMenu != nullptr) return;  // one menu at a time
  TMenuItem* chosen = nullptr;
  {
    MenuRun run(FHost, Root, Alignment, {X, Y});
    if (!run.Start()) return;
    TValueGuard current(FMenu, &run);
    TApplication& app = TApplication::Instance();
    while (run.IsOpen() && !app.Terminated() && app.HandleMessageOrStop()) {
    }
    chosen = run.Chosen();
  }  // the menu's windows and grabs go here
  if (!FDropDowns.empty()) Grab(FDropDowns.back()->Id, false);
  // The item's action runs once the menu is gone, as on the desktop.
  if (chosen != nullptr) chosen->Click();
}

bool TX11Popups::MenuOpen() const { return FMenu != nullptr; }

::Window TX11Popups::InnermostMenuWindow() const { return FMenu != nullptr ? FMenu->Innermost() : 0; }

}  // namespace vcl::x11
