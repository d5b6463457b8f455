// The X11 host: the display connection, the event loop and the small
// operations (clock, bell, cursor, screen), and the public functions of X11.h.
#include "platform/hosts/x11/X11Host.h"

#include <X11/XKBlib.h>
#include <poll.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/Dialogs.h"
#include "platform/Guards.h"
#include "platform/hosts/x11/X11ColorDialog.h"
#include "platform/hosts/x11/X11ErrorTrap.h"
#include "platform/hosts/x11/X11Keys.h"

namespace vcl::x11 {

// ---------------------------------------------------------------- atoms

void TAtoms::Load(Display* Dpy) {
  static const char* const names[] = {
      "WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_STATE", "_NET_WM_NAME", "_NET_WM_PID",
      "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_DIALOG",
      "_NET_WM_WINDOW_TYPE_POPUP_MENU", "_NET_WM_WINDOW_TYPE_COMBO", "_NET_WM_STATE",
      "_NET_WM_STATE_MODAL", "_MOTIF_WM_HINTS", "UTF8_STRING", "CLIPBOARD", "TARGETS",
      "MULTIPLE", "TIMESTAMP", "TEXT", "text/plain;charset=utf-8", "INCR", "VYR_SELECTION"};
  Atom* fields[] = {&WmProtocols, &WmDeleteWindow, &WmState, &NetWmName, &NetWmPid,
                    &NetWmWindowType, &NetWmWindowTypeNormal, &NetWmWindowTypeDialog,
                    &NetWmWindowTypePopupMenu, &NetWmWindowTypeCombo, &NetWmState,
                    &NetWmStateModal, &MotifWmHints, &Utf8String, &Clipboard, &Targets,
                    &Multiple, &Timestamp, &Text, &TextPlainUtf8, &Incr, &Transfer};
  constexpr int count = static_cast<int>(std::size(names));
  static_assert(std::size(names) == std::size(fields));
  Atom atoms[count];
  XInternAtoms(Dpy, const_cast<char**>(names), count, False, atoms);
  for (int i = 0; i < count; ++i) *fields[i] = atoms[i];
}

// ---------------------------------------------------------------- errors

namespace {

int g_TrapDepth = 0;
int g_TrappedError = 0;

// Errors are answers to requests made earlier (a requestor window that
// vanished, a focus change on a window not yet viewable): none of them is
// a reason to end the program, as Xlib's default handler would.
int OnXError(Display* Dpy, XErrorEvent* E) {
  if (g_TrapDepth > 0) {
    g_TrappedError = E->error_code;
    return 0;
  }
  if (E->error_code == BadWindow) return 0;  // a window of another client went away
  char text[160];
  XGetErrorText(Dpy, E->error_code, text, sizeof text);
  std::fprintf(stderr, "X error: %s (request %d.%d)\n", text, E->request_code, E->minor_code);
  return 0;
}

}  // namespace

TErrorTrap::TErrorTrap(Display* Dpy) : FDisplay(Dpy) {
  XSync(FDisplay, False);  // earlier errors are not ours
  if (g_TrapDepth++ == 0) g_TrappedError = 0;
}

TErrorTrap::~TErrorTrap() {
  XSync(FDisplay, False);
  --g_TrapDepth;
}

bool TErrorTrap::Failed() {
  XSync(FDisplay, False);
  return g_TrappedError != 0;
}

// ---------------------------------------------------------------- life

namespace {

UINT ReadDoubleClickTime(Display* Dpy) {
  const char* value = XGetDefault(Dpy, "vyrguipack", "multiClickTime");
  if (value == nullptr) return 500;
  long ms = std::strtol(value, nullptr, 10);
  return static_cast<UINT>(std::clamp(ms, 100L, 5000L));
}

}  // namespace

TX11Host::TX11Host(Display* Dpy, const TX11Options& Options) : FDisplay(Dpy) {
  XSetErrorHandler(OnXError);
  FAtoms.Load(FDisplay);
  FSink = std::make_unique<TPictureSink>(FDisplay, Options.SharedMemory);
  FClipboard = std::make_unique<TX11Clipboard>(*this);
  FPopups = std::make_unique<TX11Popups>(*this);
  FDoubleClickTime = ReadDoubleClickTime(FDisplay);
  // Held keys repeat as presses only, as on Windows (no release between).
  Bool supported = False;
  XkbSetDetectableAutoRepeat(FDisplay, True, &supported);
  OpenInputMethod();
}

TX11Host::~TX11Host() {
  FPopups.reset();
  FClipboard.reset();
  for (auto& [id, w] : FWindows) {
    if (w->Ic != nullptr) XDestroyIC(w->Ic);
    XDestroyWindow(FDisplay, id);
  }
  CloseInputMethod();
  FSink.reset();
  XCloseDisplay(FDisplay);
}

void TX11Host::OpenInputMethod() {
  // The user's input method when one is configured, else the built-in one
  // (dead keys and compose sequences).
  XSetLocaleModifiers("");
  FIm = XOpenIM(FDisplay, nullptr, nullptr, nullptr);
  if (FIm == nullptr) {
    XSetLocaleModifiers("@im=none");
    FIm = XOpenIM(FDisplay, nullptr, nullptr, nullptr);
  }
}

void TX11Host::CloseInputMethod() {
  if (FIm != nullptr) XCloseIM(FIm);
  FIm = nullptr;
}

// ---------------------------------------------------------------- clock, bell, screen

std::int64_t TX11Host::Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void TX11Host::Beep(UINT) {
  XBell(FDisplay, 0);
  XFlush(FDisplay);
}

TSize TX11Host::ScreenSize() {
  int screen = DefaultScreen(FDisplay);
  return {DisplayWidth(FDisplay, screen), DisplayHeight(FDisplay, screen)};
}

void TX11Host::ExceptionHandled(const String&) {}

// The last resort of the message loop: the user hears of it, the program goes on.
void TX11Host::ShowException(const String& Message) {
  std::fprintf(stderr, "%s\n", ToUTF8(Message).c_str());
  Beep(0);
}

void TX11Host::SetCursor(TCursor Cursor) {
  int glyph = CursorGlyphOf(Cursor);
  auto it = FCursors.find(glyph);
  if (it == FCursors.end()) {
    ::Cursor made;
    if (glyph < 0) {
      // An invisible cursor: a one-pixel pixmap with an empty mask.
      Pixmap blank = XCreatePixmap(FDisplay, Root(), 1, 1, 1);
      XColor black{};
      made = XCreatePixmapCursor(FDisplay, blank, blank, &black, &black, 0, 0);
      XFreePixmap(FDisplay, blank);
    } else {
      made = XCreateFontCursor(FDisplay, static_cast<unsigned>(glyph));
    }
    it = FCursors.emplace(glyph, made).first;
  }
  if (it->second == FCurrentCursor) return;
  FCurrentCursor = it->second;
  for (auto& [id, w] : FWindows) XDefineCursor(FDisplay, id, FCurrentCursor);
  FPopups->CursorChanged(FCurrentCursor);
  XFlush(FDisplay);
}

// ---------------------------------------------------------------- the loop

bool TX11Host::WaitForInput(std::int64_t Deadline) {
  FPopups->Refresh();
  if (XPending(FDisplay) == 0) {  // XPending sends what is buffered first
    int timeout = -1;
    if (Deadline >= 0) timeout = static_cast<int>(std::clamp<std::int64_t>(Deadline - Now(), 0, INT_MAX));
    pollfd p{ConnectionNumber(FDisplay), POLLIN, 0};
    poll(&p, 1, timeout);
  }
  DispatchQueued();
  return true;
}

void TX11Host::PollInput() {
  FPopups->Refresh();
  XFlush(FDisplay);
  DispatchQueued();
}

// Only the events there now: a flood of input cannot keep the loop from
// painting and firing timers.
void TX11Host::DispatchQueued() {
  int count = XEventsQueued(FDisplay, QueuedAfterReading);
  for (int i = 0; i < count && XPending(FDisplay) > 0; ++i) {
    XEvent e;
    XNextEvent(FDisplay, &e);
    Dispatch(e);
  }
}

void TX11Host::NoteTime(const XEvent& E) {
  switch (E.type) {
    case KeyPress: case KeyRelease: FLastTime = E.xkey.time; break;
    case ButtonPress: case ButtonRelease: FLastTime = E.xbutton.time; break;
    case MotionNotify: FLastTime = E.xmotion.time; break;
    case EnterNotify: case LeaveNotify: FLastTime = E.xcrossing.time; break;
    case PropertyNotify: FLastTime = E.xproperty.time; break;
    default: break;
  }
}

void TX11Host::Dispatch(XEvent& E) {
  NoteTime(E);
  if (XFilterEvent(&E, 0)) return;  // the input method took it
  if (E.type == MappingNotify) {
    XRefreshKeyboardMapping(&E.xmapping);
    return;
  }
  if (FClipboard->Handle(E) || FPopups->Handle(E)) return;
  TFormWindow* w = FindForm(E.xany.window);
  if (w == nullptr) return;
  // A handler may free the form and its window: nothing below touches w
  // after the call that handles the event.
  switch (E.type) {
    case Expose: OnExpose(*w, E.xexpose); break;
    case ConfigureNotify: OnConfigure(*w, E.xconfigure); break;
    case MapNotify: OnMapped(*w); break;
    case UnmapNotify: w->Mapped = w->Exposed = false; break;
    case ClientMessage: OnClientMessage(*w, E.xclient); break;
    case ButtonPress: case ButtonRelease: OnButton(*w, E.xbutton); break;
    case MotionNotify: OnMotion(*w, E.xmotion); break;
    case EnterNotify: case LeaveNotify: OnCrossing(*w, E.xcrossing); break;
    case KeyPress: case KeyRelease: OnKey(*w, E.xkey); break;
    case FocusIn: case FocusOut: OnFocus(*w, E.xfocus); break;
    default: break;
  }
}

namespace {

struct EventMatch {
  const std::function<bool(const XEvent&)>* Match;
};

Bool MatchEvent(Display*, XEvent* E, XPointer Arg) {
  const auto* m = reinterpret_cast<EventMatch*>(Arg);
  return (*m->Match)(*E) ? True : False;
}

}  // namespace

bool TX11Host::WaitForEvent(XEvent& Out, const std::function<bool(const XEvent&)>& Match, int TimeoutMs) {
  EventMatch m{&Match};
  std::int64_t deadline = Now() + TimeoutMs;
  for (;;) {
    if (XCheckIfEvent(FDisplay, &Out, MatchEvent, reinterpret_cast<XPointer>(&m))) return true;
    std::int64_t left = deadline - Now();
    if (left <= 0) return false;
    pollfd p{ConnectionNumber(FDisplay), POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) > 0) XEventsQueued(FDisplay, QueuedAfterReading);
  }
}

bool TX11Host::ProcessUntil(const std::function<bool()>& Done, int TimeoutMs) {
  TApplication& app = TApplication::Instance();
  std::int64_t deadline = Now() + std::max(TimeoutMs, 0);
  for (;;) {
    app.ProcessMessages();
    if (Done()) return true;
    if (Now() >= deadline) return false;
    std::int64_t wake = deadline;
    if (std::optional<std::int64_t> due = NextTimerDue()) wake = std::min(wake, *due);
    WaitForInput(wake);
  }
}

// ---------------------------------------------------------------- modal forms, menus, dialogs

int TX11Host::RunModal(TCustomForm& Form) {
  FModal.push_back(&Form);
  TScopeGuard leave([&] { std::erase(FModal, &Form); });
  return RunModalLoop(Form);
}

bool TX11Host::BlockedByModal(const TFormWindow& W) const {
  return !FModal.empty() && FModal.back() != W.Form;
}

void TX11Host::Popup(TPopupMenu& Menu, int X, int Y) { FPopups->RunMenu(Menu, X, Y); }

// The file dialogs are forms of the platform's own controls.
bool TX11Host::ExecuteFileDialog(TOpenDialog& Dialog) { return RunFileDialogForm(Dialog); }

// A main menu's entry (Alt and its letter, F10) drops its items down from
// the entry's place along the top of the form's client area, where the
// bar lays it out; the keys of the popup menu work in it.
void TX11Host::DropDownMenu(TMainMenu& Menu, int Index) {
  TCustomForm* form = Menu.Form();
  if (form == nullptr || Index < 0 || Index >= Menu.Items()->Count()) return;
  TPoint at = form->ClientToScreen({0, 0});
  std::vector<TMenuBarEntry> layout = LayoutMenuBar(*form->Canvas(), Menu, form->ClientWidth());
  for (const TMenuBarEntry& e : layout) {
    if (e.Index == Index) at.X += e.Rect.Left;
  }
  FPopups->RunItems(Menu.Items()->Items(Index), paLeft, at.X, at.Y);
}

bool TX11Host::ExecuteColorDialog(TColorDialog& Dialog) { return RunColorDialog(Dialog); }

void TX11Host::ShowDropDown(TWinControl& Popup, std::function<void()> Dismiss) {
  FPopups->ShowDropDown(Popup, std::move(Dismiss));
}

void TX11Host::HideDropDown(TWinControl& Popup) { FPopups->HideDropDown(Popup); }

// ---------------------------------------------------------------- lookups

TFormWindow* TX11Host::FindForm(::Window W) {
  auto it = FWindows.find(W);
  return it == FWindows.end() ? nullptr : it->second.get();
}

TFormWindow* TX11Host::FindForm(const TCustomForm& Form) {
  for (auto& [id, w] : FWindows) {
    if (w->Form == &Form) return w.get();
  }
  return nullptr;
}

TX11Host* Current() { return dynamic_cast<TX11Host*>(&Host()); }

}  // namespace vcl::x11

// ---------------------------------------------------------------- public functions

namespace vcl {

bool UseX11Host(const TX11Options& Options) {
  if (x11::Current() != nullptr) return true;
  Display* dpy = XOpenDisplay(Options.Display);
  if (dpy == nullptr) return false;
  SetHost(std::make_unique<x11::TX11Host>(dpy, Options));
  return true;
}

namespace x11 {

bool Active() { return Current() != nullptr; }

unsigned long WindowOf(const TCustomForm& Form) {
  TX11Host* host = Current();
  TFormWindow* w = host != nullptr ? host->FindForm(Form) : nullptr;
  return w != nullptr ? w->Id : 0;
}

unsigned long OpenMenuWindow() {
  TX11Host* host = Current();
  return host != nullptr ? host->Popups().InnermostMenuWindow() : 0;
}

bool IsOnScreen(const TCustomForm& Form) {
  TX11Host* host = Current();
  TFormWindow* w = host != nullptr ? host->FindForm(Form) : nullptr;
  return w != nullptr && w->Mapped && w->Exposed;
}

bool UsesSharedMemory() {
  TX11Host* host = Current();
  return host != nullptr && host->UsesSharedMemory();
}

std::unique_ptr<TBitmap> Screenshot(const TCustomForm& Form) {
  TX11Host* host = Current();
  return host != nullptr ? host->Screenshot(Form) : nullptr;
}

bool ProcessUntil(const std::function<bool()>& Done, int TimeoutMs) {
  if (TX11Host* host = Current()) return host->ProcessUntil(Done, TimeoutMs);
  TApplication::Instance().ProcessMessages();
  return Done();
}

}  // namespace x11
}  // namespace vcl
