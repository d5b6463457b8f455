// Test support for the X11 host: a private virtual display (Xvfb), a second
// client that plays the user and the window manager (real input through
// XTest), and scripts that act from a timer, so that they go on while a
// menu or a modal form runs its own loop.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/Types.h"
#include "platform/WinapiMessages.h"

#include <X11/Xlib.h>

namespace x11test {

// The display of this test process: started on first use, with the X11
// host installed on it, and the user's connection to it. Null (with the
// reason in Failure()) when Xvfb cannot start.
Display* Session();
// Work to do on the headless host before the X11 host is installed (such
// as renderings to compare with); registered by objects at namespace scope.
struct BeforeX11 {
  explicit BeforeX11(std::function<void()> Work);
};
const std::string& Failure();
const std::string& DisplayName();

// Starts another Xvfb with the given screen depth (its own display, for
// visuals other than the default); the display name, or "" on failure.
std::string StartExtraDisplay(int Depth);

// The other client: the user's hands (XTest) and the window manager's
// requests, on a connection of its own.
class TUser {
 public:
  explicit TUser(Display* Dpy) : FDisplay(Dpy) {}
  void MoveTo(int X, int Y);
  void Button(unsigned Button, bool Down);
  void Click(int X, int Y, unsigned Button = 1);
  void Key(KeySym Sym, bool Down);
  // A key with modifiers held around it (XK_Shift_L, XK_Control_L, ...).
  void Tap(KeySym Sym, std::initializer_list<KeySym> Modifiers = {});
  // Types text, giving spare keys the characters the keyboard lacks.
  void Type(const std::u32string& Text);
  void Focus(Window W);
  // Where a window's top-left pixel is on the screen.
  vcl::TPoint Origin(Window W);
  // A form's client point on the screen.
  vcl::TPoint At(const vcl::TCustomForm& Form, int X, int Y);
  vcl::TSize Size(Window W);
  // What a window manager sends for its close button.
  void RequestClose(Window W);
  void Resize(Window W, int Width, int Height);
  Display* Dpy() const { return FDisplay; }

 private:
  KeyCode CodeFor(KeySym Sym, bool& Shifted);
  void Provide(const std::vector<KeySym>& Syms);
  Display* FDisplay;
  int FSpares = 1;
};

// Steps run one per timer tick, each until it returns true.
class TScript {
 public:
  using Step = std::function<bool()>;
  explicit TScript(std::vector<Step> Steps, unsigned IntervalMs = 15);
  ~TScript();
  TScript(const TScript&) = delete;
  TScript& operator=(const TScript&) = delete;
  bool Done() const { return FNext >= FSteps.size(); }

 private:
  vcl::HWND FWindow;
  std::vector<Step> FSteps;
  std::size_t FNext = 0;
};

// A program run for a test (xclip), with its standard input and output
// on pipes; the output is collected while the test's loop runs.
class TChild {
 public:
  // Argv[0] is looked up on the PATH; DISPLAY is the session's.
  explicit TChild(std::vector<std::string> Argv);
  ~TChild();  // ends the program if it still runs
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;
  bool Started() const { return FPid > 0; }
  void Write(const std::string& Bytes);
  void CloseInput();
  // Collects what the program wrote; true once it has ended.
  bool Poll();
  int ExitCode() const { return FExitCode; }
  const std::string& Output() const { return FOutput; }

 private:
  int FPid = -1;
  int FIn = -1, FOut = -1;
  int FExitCode = -1;
  std::string FOutput;
};

// Runs the message loop until Done (at most TimeoutMs); true when done.
bool WaitFor(const std::function<bool()>& Done, int TimeoutMs = 5000);
// Shows the form and waits until its window is on the screen and painted.
bool ShowAndWait(vcl::TCustomForm& Form);

// A pixel as 0xRRGGBB.
std::uint32_t PixelAt(const vcl::TBitmap& B, int X, int Y);

}  // namespace x11test
