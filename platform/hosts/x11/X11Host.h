// The X11 host object and its parts (internal; programs use X11.h).
//
//   TX11Host       the THost: display, event loop, form windows, input
//   TPictureSink   puts back-buffer pixels on windows (MIT-SHM or plain)
//   TX11Clipboard  the CLIPBOARD selection, owned and read
//   TX11Popups     drop-down windows and popup menus, with the pointer grabbed
//
// The framework headers come first: the X headers define macros (KeyPress,
// None, Bool, ...) that would otherwise rewrite framework names. Calls into
// the framework whose names the macros take are wrapped here, before them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "platform/hosts/Host.h"
#include "platform/hosts/x11/X11.h"

namespace vcl::x11 {
inline void DeliverCharacter(char16_t C) { input::KeyPress(C); }
}  // namespace vcl::x11

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace vcl::x11 {

class TX11Host;

// The atoms the host speaks with.
struct TAtoms {
  Atom WmProtocols, WmDeleteWindow, WmState, NetWmName, NetWmPid, NetWmWindowType,
      NetWmWindowTypeNormal, NetWmWindowTypeDialog, NetWmWindowTypePopupMenu,
      NetWmWindowTypeCombo, NetWmState, NetWmStateModal, MotifWmHints, Utf8String, Clipboard,
      Targets, Multiple, Timestamp, Text, TextPlainUtf8, Incr, Transfer;
  void Load(Display* Dpy);
};

// Puts pixels of a back buffer (0x00RRGGBB words) on a window. A 24-bit
// true-color display with 32-bit pixels takes them as they are (through a
// shared-memory image when the display is local); any other visual gets
// converted pixels.
class TPictureSink {
 public:
  TPictureSink(Display* Dpy, bool TryShm);
  ~TPictureSink();
  TPictureSink(const TPictureSink&) = delete;
  TPictureSink& operator=(const TPictureSink&) = delete;

  void Put(::Window W, const TBitmap& Buffer, const TRect& Area);
  bool Shared() const { return FShmReady; }
  // Reads a window's pixels back (nullptr when it cannot be read).
  std::unique_ptr<TBitmap> Read(::Window W, int Width, int Height) const;

 private:
  bool Direct() const { return FDirect; }
  bool EnsureShm(int Width, int Height);
  void ReleaseShm();
  void PutShared(::Window W, const TBitmap& Buffer, const TRect& Area);
  void PutDirect(::Window W, const TBitmap& Buffer, const TRect& Area);
  void PutConverted(::Window W, const TBitmap& Buffer, const TRect& Area);
  unsigned long PixelOf(std::uint32_t Rgb) const;

  Display* FDisplay;
  Visual* FVisual;
  int FDepth;
  GC FGc;
  bool FDirect = false;
  bool FShmAllowed = false;
  bool FShmReady = false;
  XShmSegmentInfo FShm{};
  XImage* FShmImage = nullptr;
};

// The CLIPBOARD selection. Setting text takes ownership and answers other
// clients' requests (TARGETS, UTF8_STRING, STRING, TEXT, text/plain, and
// large texts in INCR steps); reading asks the owner and waits a bounded
// time for the answer.
class TX11Clipboard {
 public:
  explicit TX11Clipboard(TX11Host& Host);
  ~TX11Clipboard();
  void SetText(const String& Text);
  void Clear();
  bool HasText();
  String Text();
  // Selection and property events; true when the event was the clipboard's.
  bool Handle(const XEvent& E);

 private:
  struct Transfer;
  bool Owned() const;
  ::Time ServerTime();
  void Own();
  void Answer(const XSelectionRequestEvent& R);
  bool Provide(const XSelectionRequestEvent& R, Atom Target, Atom Property);
  std::vector<long> Targets() const;
  void StartTransfer(::Window Requestor, Atom Property, Atom Type, std::string Data);
  void ContinueTransfer(const XPropertyEvent& P);
  // Asks the owner for Target; the bytes and their type, or nothing.
  bool Request(Atom Target, std::string& Bytes, Atom& Type);
  bool ReadIncremental(std::string& Bytes, Atom& Type);
  std::vector<Atom> OwnerTargets();

  TX11Host& FHost;
  ::Window FWindow;
  std::optional<std::string> FText;  // UTF-8; empty optional: owned but empty
  bool FOwned = false;
  ::Time FOwnedSince = 0;
  std::vector<std::unique_ptr<Transfer>> FTransfers;
};

// Drop-downs and popup menus: override-redirect windows above everything,
// the pointer grabbed while they are open so that a press outside closes them.
class TX11Popups {
 public:
  explicit TX11Popups(TX11Host& Host);
  ~TX11Popups();

  void ShowDropDown(TWinControl& Control, std::function<void()> Dismiss);
  void HideDropDown(TWinControl& Control);
  // Shows the menu and runs the message loop until it closes; the chosen
  // item is clicked after the menu is gone.
  void RunMenu(TPopupMenu& Menu, int X, int Y);
  // The same for the sub-items of any item (a main menu's entry).
  void RunItems(TMenuItem* Root, TPopupAlignment Alignment, int X, int Y);
  // Paints what changed in open drop-downs and keeps their windows in
  // place (called before the loop waits).
  void Refresh();
  // Input while a popup is open; true when the event was taken.
  bool Handle(XEvent& E);
  bool MenuOpen() const;
  ::Window InnermostMenuWindow() const;
  void CursorChanged(::Cursor C);

 private:
  struct DropDown;
  struct MenuLevel;
  class MenuRun;

  DropDown* FindDropDown(::Window W);
  bool HandleDropDown(XEvent& E);
  void PressOnDropDown(TWinControl* Control, const XButtonEvent& E);
  // Grabs the pointer (and the keyboard) for W, trying again for a while
  // when the server refuses because W is not viewable yet or another client
  // holds a grab (a loaded machine maps windows late); true when held.
  bool Grab(::Window W, bool Keyboard);
  void Ungrab();

  TX11Host& FHost;
  std::vector<std::unique_ptr<DropDown>> FDropDowns;
  MenuRun* FMenu = nullptr;
};

// A top-level form's window.
struct TFormWindow {
  TCustomForm* Form = nullptr;
  ::Window Id = 0;
  XIC Ic = nullptr;
  bool Mapped = false;
  bool Exposed = false;
};

class TX11Host final : public THost {
 public:
  TX11Host(Display* Dpy, const TX11Options& Options);
  ~TX11Host() override;

  const char* Name() const override { return "x11"; }
  std::int64_t Now() override;
  bool WaitForInput(std::int64_t Deadline) override;
  void PollInput() override;
  bool TimersRefused() const override { return false; }

  void CreateFormWindow(TCustomForm& Form) override;
  void DestroyFormWindow(TCustomForm& Form) override;
  void ShowFormWindow(TCustomForm& Form, bool Visible) override;
  void FormBoundsChanged(TCustomForm& Form) override;
  void FormCaptionChanged(TCustomForm& Form) override;
  void Present(TCustomForm& Form, const TBitmap& BackBuffer, const TRect& Area) override;

  int RunModal(TCustomForm& Form) override;
  void Popup(TPopupMenu& Menu, int X, int Y) override;
  void DropDownMenu(TMainMenu& Menu, int Index) override;
  bool ExecuteFileDialog(TOpenDialog& Dialog) override;
  bool ExecuteColorDialog(TColorDialog& Dialog) override;
  void ShowDropDown(TWinControl& Popup, std::function<void()> Dismiss) override;
  void HideDropDown(TWinControl& Popup) override;

  void SetCursor(TCursor Cursor) override;
  bool HasClipboardText() override { return FClipboard->HasText(); }
  String ClipboardText() override { return FClipboard->Text(); }
  void SetClipboardText(const String& Text) override { FClipboard->SetText(Text); }
  void ClearClipboard() override { FClipboard->Clear(); }
  void Beep(UINT Type) override;
  TSize ScreenSize() override;
  UINT DoubleClickTime() override { return FDoubleClickTime; }
  void ExceptionHandled(const String& Message) override;
  void ShowException(const String& Message) override;

  // ---- for the host's parts
  Display* Dpy() const { return FDisplay; }
  const TAtoms& Atoms() const { return FAtoms; }
  ::Window Root() const { return DefaultRootWindow(FDisplay); }
  // The server time of the last input event (CurrentTime before any).
  ::Time LastEventTime() const { return FLastTime; }
  // A window for pictures at screen bounds; a popup window is
  // override-redirect (the window manager leaves it alone).
  ::Window MakeWindow(const TRect& Bounds, bool Popup, long EventMask);
  void PutPicture(::Window W, const TBitmap& Buffer, const TRect& Area) { FSink->Put(W, Buffer, Area); }
  ::Cursor CurrentCursor() const { return FCurrentCursor; }
  TFormWindow* FindForm(::Window W);
  TFormWindow* FindForm(const TCustomForm& Form);
  // Waits up to TimeoutMs for an event Match accepts and removes it from
  // the queue; every other event stays queued in order. False on timeout.
  bool WaitForEvent(XEvent& Out, const std::function<bool(const XEvent&)>& Match, int TimeoutMs);
  bool ProcessUntil(const std::function<bool()>& Done, int TimeoutMs);
  std::unique_ptr<TBitmap> Screenshot(const TCustomForm& Form);
  bool UsesSharedMemory() const { return FSink->Shared(); }
  TX11Popups& Popups() { return *FPopups; }

 private:
  // ---- the loop (X11Host.cpp)
  void DispatchQueued();
  void Dispatch(XEvent& E);
  void NoteTime(const XEvent& E);
  // ---- form windows (X11Windows.cpp)
  void ApplyHints(TFormWindow& W);
  void ApplyModalHints(TFormWindow& W);
  void OnExpose(TFormWindow& W, const XExposeEvent& E);
  void OnConfigure(TFormWindow& W, const XConfigureEvent& E);
  void OnClientMessage(TFormWindow& W, const XClientMessageEvent& E);
  void OnMapped(TFormWindow& W);
  // ---- input (X11Input.cpp)
  void OnButton(TFormWindow& W, XButtonEvent& E);
  void OnMotion(TFormWindow& W, XMotionEvent& E);
  void OnCrossing(TFormWindow& W, const XCrossingEvent& E);
  void OnKey(TFormWindow& W, XKeyEvent& E);
  void OnFocus(TFormWindow& W, const XFocusChangeEvent& E);
  bool BlockedByModal(const TFormWindow& W) const;
  void OpenInputMethod();
  void CloseInputMethod();

  Display* FDisplay;
  TAtoms FAtoms{};
  std::unique_ptr<TPictureSink> FSink;
  std::unique_ptr<TX11Clipboard> FClipboard;
  std::unique_ptr<TX11Popups> FPopups;
  std::map<::Window, std::unique_ptr<TFormWindow>> FWindows;
  std::vector<TCustomForm*> FModal;
  XIM FIm = nullptr;
  ::Time FLastTime = CurrentTime;
  UINT FDoubleClickTime = 500;
  std::map<int, ::Cursor> FCursors;
  ::Cursor FCurrentCursor = 0;
  bool FSyncingBounds = false;
  bool FHasFocus = false;
};

// The X11 host when it is the process's host, else nullptr.
TX11Host* Current();

}  // namespace vcl::x11
