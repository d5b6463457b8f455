// The headless host: windows are in-memory bitmaps, time is virtual, input
// is injected, and whatever would wait on a person calls a handler.
//
// The functions below act on the process's headless host (the default
// host); they raise EInvalidOperation when another host is installed.
// After every injected event the pending messages and paints are processed,
// so callers see a settled state.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {
class TForm;
class TPopupMenu;
class TColorDialog;
class TOpenDialog;
class TMenuItem;
}  // namespace vcl

namespace vcl::headless {

// ---- virtual time
// Moves the clock forward by Ms milliseconds, delivering every timer tick
// that falls due on the way, in time order (a timer due several times fires
// each time); ticks due at the same moment fire in the order the timers
// were set.
void Advance(std::int64_t Ms);
// The virtual clock in milliseconds; it never goes back.
std::int64_t Now();

// ---- mouse, at client coordinates of Ctl, delivered through its top-level
// window as real input would be: to the control under the point (or the one
// holding the capture), with enter and leave notifications.
void MouseDown(TControl* Ctl, TMouseButton Button, TShiftState Shift, int X, int Y);
void MouseMove(TControl* Ctl, TShiftState Shift, int X, int Y);
void MouseUp(TControl* Ctl, TMouseButton Button, TShiftState Shift, int X, int Y);
// A left press and release at one point (never taken as part of a double click).
void Click(TControl* Ctl, int X, int Y);
// Two left presses and releases at one point within the double-click time.
void DblClick(TControl* Ctl, int X, int Y);
// A wheel turn of Delta (120 per notch, negative towards the user), to Ctl
// and then its parents until one handles it.
void Wheel(TControl* Ctl, int Delta, TShiftState Shift, int X, int Y);
// The pointer leaves Ctl (and its children) for Ctl's parent.
void MouseLeave(TControl* Ctl);

// ---- keyboard: the control (a windowed control, or the window of a
// graphic one) receives the focus first.
void KeyDown(TControl* Ctl, std::uint16_t Key, TShiftState Shift = {});
void KeyPress(TControl* Ctl, char16_t Ch);
void KeyUp(TControl* Ctl, std::uint16_t Key, TShiftState Shift = {});
// Key down, press and up for each character (with Shift around shifted ones).
void Type(TControl* Ctl, const String& Text);

// The same calls for controls held by reference.
inline void MouseDown(TControl& C, TMouseButton B, TShiftState S, int X, int Y) { MouseDown(&C, B, S, X, Y); }
inline void MouseMove(TControl& C, TShiftState S, int X, int Y) { MouseMove(&C, S, X, Y); }
inline void MouseUp(TControl& C, TMouseButton B, TShiftState S, int X, int Y) { MouseUp(&C, B, S, X, Y); }
inline void Click(TControl& C, int X, int Y) { Click(&C, X, Y); }
inline void DblClick(TControl& C, int X, int Y) { DblClick(&C, X, Y); }
inline void Wheel(TControl& C, int D, TShiftState S, int X, int Y) { Wheel(&C, D, S, X, Y); }
inline void MouseLeave(TControl& C) { MouseLeave(&C); }
inline void KeyDown(TControl& C, std::uint16_t K, TShiftState S = {}) { KeyDown(&C, K, S); }
inline void KeyPress(TControl& C, char16_t Ch) { KeyPress(&C, Ch); }
inline void KeyUp(TControl& C, std::uint16_t K, TShiftState S = {}) { KeyUp(&C, K, S); }
inline void Type(TControl& C, const String& T) { Type(&C, T); }

// ---- handlers for what would wait on a person
// ShowModal calls it while the form is shown; it may work the form (click
// its buttons, fill fields) and returns the modal result. Without a
// handler, or when it returns mrNone, the form's ModalResult counts, and
// mrCancel when that is unset too.
void SetModalHandler(std::function<int(TForm&)> Handler);
// TPopupMenu::Popup calls it with the screen point; it may click an item.
void SetPopupHandler(std::function<void(TPopupMenu&, int X, int Y)> Handler);
// TColorDialog::Execute calls it; it may set the dialog's Color and returns
// whether the dialog was accepted. Without a handler the dialog is cancelled.
void SetColorDialogHandler(std::function<bool(TColorDialog&)> Handler);
// TOpenDialog::Execute and TSaveDialog::Execute call it (Dialog.IsSave()
// tells which); it may set FileName (and Files) and returns whether the
// dialog was accepted. Without a handler the dialog is cancelled.
void SetFileDialogHandler(std::function<bool(TOpenDialog&)> Handler);
// A main menu's entry dropping down (a click on the bar, Alt and its
// letter, TMainMenu::DropDown) calls it with the entry; it may click one of
// the entry's items.
void SetMenuBarHandler(std::function<void(TMenuItem&)> Handler);

// ---- drop-downs (a combo box's list, a date-time picker's calendar):
// windows without parent that stay in memory; input goes to them as to
// any control (headless::Click on the list picks an item).
// The innermost drop-down shown and not hidden since (nullptr: none).
TWinControl* ShownDropDown();
// A press outside the innermost drop-down: it is dismissed, as a press
// anywhere else on the screen dismisses it, and the press goes nowhere.
void PressOutsideDropDown();

// ---- observation and control
// Makes SetTimer refuse (return 0) while set.
void SetTimersRefused(bool Refused);
// MessageBeep calls so far.
int BeepCount();
// The messages of the exceptions passed to Application.HandleException.
std::vector<String> HandledExceptions();
// The cursor the host shows now (Screen.Cursor, else the hovered control's).
TCursor CurrentCursor();
// The pixels of the control's bounds as shown, after pending messages and
// paints are processed. Works for a control whose form was never shown; a
// control without parent is painted alone onto its own color.
std::unique_ptr<TBitmap> Snapshot(TControl* Ctl);
inline std::unique_ptr<TBitmap> Snapshot(TControl& Ctl) { return Snapshot(&Ctl); }
// Clears the handlers, the shown drop-downs, the beep count, the recorded
// exceptions, the timer refusal, the clipboard and the input state
// (pressed keys, capture, hover, click pairing). The clock keeps running
// forward.
void Reset();

}  // namespace vcl::headless
