// Messages, virtual keys, hidden message windows and timers.
//
// Every window of the process (a windowed control, a form, or a hidden
// message window made by AllocateHWnd) is an HWND with a window procedure.
// Messages are sent (the procedure runs at once) or posted (queued and
// dispatched by the message loop, Application.ProcessMessages). Timers are
// per window and identified by (window, id); their WM_TIMER messages come
// through the message loop in order of their due times on the host's clock.
#pragma once

#include <cstdint>
#include <functional>

namespace vcl {

struct HWND__;
using HWND = HWND__*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using SHORT = std::int16_t;
using WORD = std::uint16_t;
using BOOL = int;

// A message as a window procedure receives it; Result is the answer.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  WORD WParamLo() const { return static_cast<WORD>(WParam & 0xFFFF); }
  WORD WParamHi() const { return static_cast<WORD>((WParam >> 16) & 0xFFFF); }
  WORD LParamLo() const { return static_cast<WORD>(LParam & 0xFFFF); }
  WORD LParamHi() const { return static_cast<WORD>((static_cast<std::uintptr_t>(LParam) >> 16) & 0xFFFF); }
};

using TWndMethod = std::function<void(TMessage&)>;

constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<std::int32_t>(
      (static_cast<std::uint32_t>(lo) & 0xFFFFu) | ((static_cast<std::uint32_t>(hi) & 0xFFFFu) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
  return static_cast<WPARAM>((static_cast<std::uint32_t>(lo) & 0xFFFFu) |
                             ((static_cast<std::uint32_t>(hi) & 0xFFFFu) << 16));
}
// Signed coordinates packed in an LPARAM (client positions may be negative).
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(lp & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>((lp >> 16) & 0xFFFF); }
// The wheel distance in the high word of a WM_MOUSEWHEEL WPARAM.
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return static_cast<std::int16_t>((wp >> 16) & 0xFFFF); }

// ---------------------------------------------------------------- window messages

constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
               WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007,
               WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A, WM_SETTEXT = 0x000C,
               WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E, WM_PAINT = 0x000F,
               WM_CLOSE = 0x0010, WM_QUIT = 0x0012, WM_ERASEBKGND = 0x0014,
               WM_SHOWWINDOW = 0x0018, WM_CANCELMODE = 0x001F, WM_SETCURSOR = 0x0020,
               WM_NEXTDLGCTL = 0x0028, WM_WINDOWPOSCHANGED = 0x0047, WM_CONTEXTMENU = 0x007B,
               WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102,
               WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106,
               WM_COMMAND = 0x0111, WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113,
               WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115, WM_MOUSEFIRST = 0x0200,
               WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
               WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
               WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
               WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_MOUSELAST = 0x020A,
               WM_CAPTURECHANGED = 0x0215, WM_MOUSEHOVER = 0x02A1, WM_MOUSELEAVE = 0x02A3,
               WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_CLEAR = 0x0303,
               WM_UNDO = 0x0304, WM_USER = 0x0400, WM_APP = 0x8000;

// Key flags of mouse messages (WPARAM).
constexpr WPARAM MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004,
                 MK_CONTROL = 0x0008, MK_MBUTTON = 0x0010;
constexpr int WHEEL_DELTA = 120;
constexpr WPARAM SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;

// Answers to WM_GETDLGCODE: which keys a control wants for itself instead
// of leaving them to the form's dialog-key handling.
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                  DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008,
                  DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
                  DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080, DLGC_STATIC = 0x0100,
                  DLGC_BUTTON = 0x2000;

// ---------------------------------------------------------------- component messages

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1,
               CM_GOTFOCUS = CM_BASE + 2, CM_LOSTFOCUS = CM_BASE + 3,
               CM_CANCELMODE = CM_BASE + 4, CM_DIALOGKEY = CM_BASE + 5,
               CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7,
               CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9,
               CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11,
               CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13,
               CM_FONTCHANGED = CM_BASE + 14, CM_CURSORCHANGED = CM_BASE + 15,
               CM_CTL3DCHANGED = CM_BASE + 16, CM_PARENTCTL3DCHANGED = CM_BASE + 17,
               CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19,
               CM_MOUSELEAVE = CM_BASE + 20, CM_MENUCHANGED = CM_BASE + 21,
               CM_APPKEYDOWN = CM_BASE + 22, CM_APPSYSCOMMAND = CM_BASE + 23,
               CM_BUTTONPRESSED = CM_BASE + 24, CM_SHOWINGCHANGED = CM_BASE + 25,
               CM_ENTER = CM_BASE + 26, CM_EXIT = CM_BASE + 27,
               CM_DESIGNHITTEST = CM_BASE + 28, CM_ICONCHANGED = CM_BASE + 29,
               CM_WANTSPECIALKEY = CM_BASE + 30, CM_INVOKEHELP = CM_BASE + 31,
               CM_WINDOWHOOK = CM_BASE + 32, CM_RELEASE = CM_BASE + 33,
               CM_SHOWHINTCHANGED = CM_BASE + 34, CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
               CM_SYSCOLORCHANGE = CM_BASE + 36, CM_WININICHANGE = CM_BASE + 37,
               CM_FONTCHANGE = CM_BASE + 38, CM_TIMECHANGE = CM_BASE + 39,
               CM_TABSTOPCHANGED = CM_BASE + 40, CM_UIACTIVATE = CM_BASE + 41,
               CM_UIDEACTIVATE = CM_BASE + 42, CM_DOCWINDOWACTIVATE = CM_BASE + 43,
               CM_CONTROLLISTCHANGE = CM_BASE + 44, CM_GETDATALINK = CM_BASE + 45,
               CM_CHILDKEY = CM_BASE + 46, CM_DRAG = CM_BASE + 47,
               CM_HINTSHOW = CM_BASE + 48, CM_DIALOGHANDLE = CM_BASE + 49,
               CM_ISTOOLCONTROL = CM_BASE + 50, CM_RECREATEWND = CM_BASE + 51,
               CM_INVALIDATE = CM_BASE + 52, CM_SYSFONTCHANGED = CM_BASE + 53,
               CM_CONTROLCHANGE = CM_BASE + 54, CM_CHANGED = CM_BASE + 55,
               CM_MOUSEWHEEL = CM_BASE + 67;

// Messages reflected back to the control that caused them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND, CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
               CN_KEYUP = CN_BASE + WM_KEYUP, CN_CHAR = CN_BASE + WM_CHAR,
               CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN, CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// ---------------------------------------------------------------- virtual keys

constexpr WORD VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
               VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D,
               VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13,
               VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21,
               VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
               VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_SELECT = 0x29, VK_PRINT = 0x2A,
               VK_EXECUTE = 0x2B, VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D, VK_DELETE = 0x2E,
               VK_HELP = 0x2F, VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
               VK_NUMPAD0 = 0x60, VK_NUMPAD1 = 0x61, VK_NUMPAD2 = 0x62, VK_NUMPAD3 = 0x63,
               VK_NUMPAD4 = 0x64, VK_NUMPAD5 = 0x65, VK_NUMPAD6 = 0x66, VK_NUMPAD7 = 0x67,
               VK_NUMPAD8 = 0x68, VK_NUMPAD9 = 0x69, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B,
               VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F,
               VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74,
               VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78, VK_F10 = 0x79,
               VK_F11 = 0x7A, VK_F12 = 0x7B, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
               VK_LSHIFT = 0xA0, VK_RSHIFT = 0xA1, VK_LCONTROL = 0xA2, VK_RCONTROL = 0xA3,
               VK_LMENU = 0xA4, VK_RMENU = 0xA5, VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB,
               VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE,
               VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC,
               VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE, VK_PACKET = 0xE7;

// ---------------------------------------------------------------- beeps

constexpr UINT MB_OK = 0x00000000, MB_ICONHAND = 0x00000010, MB_ICONERROR = 0x00000010,
               MB_ICONQUESTION = 0x00000020, MB_ICONEXCLAMATION = 0x00000030,
               MB_ICONWARNING = 0x00000030, MB_ICONASTERISK = 0x00000040,
               MB_ICONINFORMATION = 0x00000040;

// ---------------------------------------------------------------- windows

// Makes a hidden window whose procedure is WndProc; messages sent or posted
// to it and its timers' WM_TIMER messages reach WndProc.
HWND AllocateHWnd(TWndMethod WndProc);
// Destroys the window: its timers stop and its pending messages are dropped.
// Null or unknown handles are ignored.
void DeallocateHWnd(HWND Wnd);
// True while Wnd names a live window.
bool IsWindow(HWND Wnd);

// The default answer to a message: 0 for everything this platform does not
// act on itself.
LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Runs the window procedure at once and returns its result (0 for an unknown window).
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Queues a message for the message loop; false for an unknown window.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// ---------------------------------------------------------------- timers

// The shortest interval a timer takes; shorter requests are raised to it.
constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// Starts (or restarts, when the window already has a timer with this id) a
// timer that posts WM_TIMER (WParam = id) every Elapse milliseconds. Returns
// a nonzero value (the id, or 1 for id 0) on success and 0 when the window
// is unknown or the system refuses the timer.
std::uintptr_t SetTimer(HWND Wnd, std::uintptr_t IDEvent, UINT Elapse);
// Stops the timer; false when there is no such timer.
bool KillTimer(HWND Wnd, std::uintptr_t IDEvent);

// ---------------------------------------------------------------- input state

// State of a key or mouse button as the application has seen it so far:
// negative (high bit set) while down; the low bit toggles on every press.
SHORT GetKeyState(int VirtKey);
// The same state (there is a single input stream here).
SHORT GetAsyncKeyState(int VirtKey);
// Records a key or button as pressed or released; the hosts call this as
// input arrives.
void SetKeyStateDown(int VirtKey, bool Down);
// Forgets every pressed key (for test isolation).
void ResetKeyStates();

// Milliseconds between two presses that make a double click.
UINT GetDoubleClickTime();

// Plays the system sound of the given type (MB_OK, MB_ICONHAND, ...).
bool MessageBeep(UINT Type);

}  // namespace vcl
