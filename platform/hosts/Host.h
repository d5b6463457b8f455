// The host: the one part of the platform that touches the outside world.
//
// One host object serves the process; it is chosen at start (the headless
// host unless a program installs another, such as the X11 host, before it
// creates windows). The framework calls the host through THost; the host
// calls the framework back through the functions further below (input,
// painting and the message loop steps).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Controls.h"
#include "platform/Types.h"
#include "platform/WinapiMessages.h"

namespace vcl {

class TBitmap;
class TCustomForm;
class TForm;
class TPopupMenu;
class TColorDialog;
class TMainMenu;
class TMenuItem;
class TOpenDialog;

class THost {
 public:
  virtual ~THost() = default;
  // "headless", "x11", ...
  virtual const char* Name() const = 0;

  // ---- clock and waiting
  // Monotonic milliseconds.
  virtual std::int64_t Now() = 0;
  // Waits until input arrives or the clock reaches Deadline (no deadline
  // when negative) and delivers the input. Returns false when no input can
  // ever arrive (the headless host), so a loop waiting for it must stop.
  virtual bool WaitForInput(std::int64_t Deadline) = 0;
  // Delivers input that has already arrived, without waiting.
  virtual void PollInput() = 0;

  // ---- timers
  // True when the system refuses new timers (SetTimer then returns 0).
  virtual bool TimersRefused() const = 0;

  // ---- top-level windows of forms
  virtual void CreateFormWindow(TCustomForm& Form) = 0;
  virtual void DestroyFormWindow(TCustomForm& Form) = 0;
  virtual void ShowFormWindow(TCustomForm& Form, bool Visible) = 0;
  virtual void FormBoundsChanged(TCustomForm& Form) = 0;
  virtual void FormCaptionChanged(TCustomForm& Form) = 0;
  // The form's back buffer holds new pixels in Area (form coordinates).
  virtual void Present(TCustomForm& Form, const TBitmap& BackBuffer, const TRect& Area) = 0;

  // ---- things that would wait on a person
  // Runs the modal loop of a shown form and returns its modal result.
  virtual int RunModal(TCustomForm& Form) = 0;
  // Shows a popup menu at a screen point; returns when it has closed (after
  // the chosen item, if any, was clicked).
  virtual void Popup(TPopupMenu& Menu, int X, int Y) = 0;
  // Shows the color dialog; true when a color was accepted.
  virtual bool ExecuteColorDialog(TColorDialog& Dialog) = 0;
  // Shows a file dialog (open or save: Dialog.IsSave()); true when a file
  // was chosen (FileName and Files set). The default chooses nothing.
  virtual bool ExecuteFileDialog(TOpenDialog& Dialog) {
    (void)Dialog;
    return false;
  }

  // ---- main menus
  // The form's Menu changed (a host that shows a menu bar lays it out again).
  virtual void FormMenuChanged(TCustomForm& Form) { (void)Form; }
  // Drops down the items of the main menu's top item Index below its place
  // in the bar and returns once the sub-menu has closed (after the chosen
  // item, if any, was clicked). The default shows nothing.
  virtual void DropDownMenu(TMainMenu& Menu, int Index) {
    (void)Menu;
    (void)Index;
  }

  // ---- drop-downs
  // Shows Popup (a windowed control without parent, such as the list of a
  // combo box, placed at its Left and Top in screen coordinates) above
  // every window, with the mouse input going to it; a press anywhere
  // outside it calls Dismiss, which should hide it. Returns at once. The
  // defaults do nothing: on a host without a screen the control stays an
  // in-memory window that input can be injected into.
  virtual void ShowDropDown(TWinControl& Popup, std::function<void()> Dismiss) {
    (void)Popup;
    (void)Dismiss;
  }
  // Takes a drop-down off the screen (before it is hidden or freed).
  virtual void HideDropDown(TWinControl& Popup) { (void)Popup; }

  // ---- odds and ends
  virtual void SetCursor(TCursor Cursor) = 0;
  virtual bool HasClipboardText() = 0;
  virtual String ClipboardText() = 0;
  virtual void SetClipboardText(const String& Text) = 0;
  virtual void ClearClipboard() = 0;
  virtual void Beep(UINT Type) = 0;
  virtual TSize ScreenSize() = 0;
  virtual UINT DoubleClickTime() = 0;
  // Every exception passed to Application.HandleException, first.
  virtual void ExceptionHandled(const String& Message) = 0;
  // Reports an exception that no OnException handler took.
  virtual void ShowException(const String& Message) = 0;
};

// The process's host (the headless host until another is installed).
THost& Host();
// Installs a host. Windows made under the previous host are not moved over,
// so this belongs at the start of a program.
void SetHost(std::unique_ptr<THost> NewHost);

// ---------------------------------------------------------------- calls from hosts

// Input at a point of a top-level window's client area (Window is a form or
// any control without parent). Mouse messages go to the control under the
// point, or to the control holding the capture; enter and leave
// notifications follow the pointer; a second press within the double-click
// time on the same control is a double click.
namespace input {
void MouseDown(TControl* Window, TMouseButton Button, TShiftState Shift, TPoint P);
void MouseMove(TControl* Window, TShiftState Shift, TPoint P);
void MouseUp(TControl* Window, TMouseButton Button, TShiftState Shift, TPoint P);
// The pointer left Control (a window, or any control in one): the hovered
// controls inside it get CM_MOUSELEAVE, innermost first.
void MouseLeave(TControl* Control);
// A wheel turn: to Target, then its parents, until one handles it.
// ScreenPos is the pointer position on the screen.
void MouseWheel(TControl* Target, TShiftState Shift, int WheelDelta, TPoint ScreenPos);
// Keys and characters go to the focused control (key preview by its form).
// KeyDown returns true when the control took the key as a command (a
// dialog key such as Tab or a default button's Enter): the character the
// key would type is then not delivered.
bool KeyDown(std::uint16_t Key, TShiftState Shift);
void KeyUp(std::uint16_t Key, TShiftState Shift);
void KeyPress(char16_t Char);
// Makes the next press a single click whatever came before it.
void ForgetLastClick();
// Forgets capture, hover and click state (for test isolation).
void Reset();
}  // namespace input

// Gives Control the keyboard focus without the checks of SetFocus (the
// hosts use it for injected input; the form need not be shown).
void FocusControlDirectly(TWinControl* Control);

// Paints the pending areas of every shown top-level window and presents them.
void PaintPendingWindows();
// Paints the pending area of one top-level window (shown or not).
void PaintWindowNow(TWinControl* Window);

// Message loop steps.
// Dispatches one posted message; false when the queue is empty. An
// exception escaping a window procedure goes to Application.HandleException.
bool DispatchPostedMessage();
// Delivers WM_TIMER once to each timer due at Now (in due-time order) and
// schedules its next tick; returns how many fired.
int DispatchDueTimers(std::int64_t Now);
// The earliest due time of all timers.
std::optional<std::int64_t> NextTimerDue();
// Dispatches a message to a window procedure, sending any exception to
// Application.HandleException.
void DispatchMessageSafely(HWND Wnd, TMessage& Message);

}  // namespace vcl
