#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include "X11TestSupport.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "platform/hosts/x11/X11.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

extern char** environ;

namespace x11test {

namespace {

struct SessionState {
  bool Tried = false;
  Display* User = nullptr;
  std::string Failure;
  std::string Name;
};

SessionState& State() {
  static SessionState state;
  return state;
}

// A line from a pipe, waiting at most TimeoutMs (without its end when late).
std::string ReadLine(int Fd, int TimeoutMs) {
  std::string line;
  pollfd p{Fd, POLLIN, 0};
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  while (line.empty() || line.back() != '\n') {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    char c = 0;
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0 || read(Fd, &c, 1) != 1) break;
    line += c;
  }
  return line;
}

// Starts Xvfb on a free display it picks itself and reads the display's
// number from it. The server ends by itself when its last client leaves
// (-terminate), so it never outlives this process.
std::string StartXvfb(int Depth, std::string& Failure) {
  int fds[2];
  if (pipe(fds) != 0) {
    Failure = "no pipe";
    return {};
  }
  std::string fd = std::to_string(fds[1]);
  std::string screen = "1024x768x" + std::to_string(Depth);
  const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
                        "-nolisten", "tcp", "-terminate", "-ac", nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    Failure = "Xvfb cannot be run: " + std::string(std::strerror(rc));
    return {};
  }
  std::string number = ReadLine(fds[0], 10000);
  close(fds[0]);
  if (number.empty() || number.back() != '\n') {
    Failure = "Xvfb did not start";
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {};
  }
  number.pop_back();
  return ":" + number;
}

std::vector<std::function<void()>>& HeadlessWork() {
  static std::vector<std::function<void()>> work;
  return work;
}

}  // namespace

BeforeX11::BeforeX11(std::function<void()> Work) { HeadlessWork().push_back(std::move(Work)); }

Display* Session() {
  SessionState& s = State();
  if (s.Tried) return s.User;
  s.Tried = true;
  for (auto& work : HeadlessWork()) work();  // still on the headless host
  s.Name = StartXvfb(24, s.Failure);
  if (s.Name.empty()) return nullptr;
  // The user's connection comes first: with it the server lives until
  // this process ends.
  s.User = XOpenDisplay(s.Name.c_str());
  vcl::TX11Options options;
  options.Display = s.Name.c_str();
  if (s.User == nullptr || !vcl::UseX11Host(options)) {
    s.Failure = "cannot connect to " + s.Name;
    s.User = nullptr;
  }
  return s.User;
}

const std::string& Failure() { return State().Failure; }

const std::string& DisplayName() { return State().Name; }

std::string StartExtraDisplay(int Depth) {
  std::string failure;
  return StartXvfb(Depth, failure);
}

// ---------------------------------------------------------------- the user

void TUser::MoveTo(int X, int Y) {
  XTestFakeMotionEvent(FDisplay, DefaultScreen(FDisplay), X, Y, CurrentTime);
  XFlush(FDisplay);
}

void TUser::Button(unsigned B, bool Down) {
  XTestFakeButtonEvent(FDisplay, B, Down ? True : False, CurrentTime);
  XFlush(FDisplay);
}

void TUser::Click(int X, int Y, unsigned B) {
  MoveTo(X, Y);
  Button(B, true);
  Button(B, false);
}

KeyCode TUser::CodeFor(KeySym Sym, bool& Shifted) {
  Shifted = false;
  KeyCode code = XKeysymToKeycode(FDisplay, Sym);
  if (code == 0) {
    Provide({Sym});
    code = XKeysymToKeycode(FDisplay, Sym);
  }
  Shifted = XkbKeycodeToKeysym(FDisplay, code, 0, 0) != Sym && XkbKeycodeToKeysym(FDisplay, code, 0, 1) == Sym;
  return code;
}

// Keys the keyboard lacks go on spare keycodes from the top, as typing
// tools do; all at once, since a client reads the whole map when it
// hears of a change, and a later change would be read for earlier keys.
void TUser::Provide(const std::vector<KeySym>& Syms) {
  int low = 0, high = 0;
  XDisplayKeycodes(FDisplay, &low, &high);
  for (KeySym sym : Syms) {
    if (XKeysymToKeycode(FDisplay, sym) != 0) continue;
    KeySym pair[2] = {sym, sym};
    XChangeKeyboardMapping(FDisplay, high - FSpares++, 2, pair, 1);
  }
  XSync(FDisplay, False);
}

void TUser::Key(KeySym Sym, bool Down) {
  bool shifted = false;
  KeyCode code = CodeFor(Sym, shifted);
  XTestFakeKeyEvent(FDisplay, code, Down ? True : False, CurrentTime);
  XFlush(FDisplay);
}

void TUser::Tap(KeySym Sym, std::initializer_list<KeySym> Modifiers) {
  for (KeySym m : Modifiers) Key(m, true);
  bool shifted = false;
  KeyCode code = CodeFor(Sym, shifted);
  KeyCode shift = XKeysymToKeycode(FDisplay, XK_Shift_L);
  if (shifted) XTestFakeKeyEvent(FDisplay, shift, True, CurrentTime);
  XTestFakeKeyEvent(FDisplay, code, True, CurrentTime);
  XTestFakeKeyEvent(FDisplay, code, False, CurrentTime);
  if (shifted) XTestFakeKeyEvent(FDisplay, shift, False, CurrentTime);
  for (auto it = std::rbegin(Modifiers); it != std::rend(Modifiers); ++it) Key(*it, false);
  XFlush(FDisplay);
}

void TUser::Type(const std::u32string& Text) {
  std::vector<KeySym> syms;
  for (char32_t c : Text) {
    KeySym sym = c < 0x100 ? static_cast<KeySym>(c) : static_cast<KeySym>(0x01000000 + c);
    if (c == U'\n') sym = XK_Return;
    if (c == U'\t') sym = XK_Tab;
    syms.push_back(sym);
  }
  Provide(syms);
  for (KeySym sym : syms) Tap(sym);
}

void TUser::Focus(Window W) {
  XSetInputFocus(FDisplay, W, RevertToPointerRoot, CurrentTime);
  XFlush(FDisplay);
}

vcl::TPoint TUser::Origin(Window W) {
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(FDisplay, W, DefaultRootWindow(FDisplay), 0, 0, &x, &y, &child);
  return {x, y};
}

vcl::TPoint TUser::At(const vcl::TCustomForm& Form, int X, int Y) {
  vcl::TPoint o = Origin(vcl::x11::WindowOf(Form));
  return {o.X + X, o.Y + Y};
}

vcl::TSize TUser::Size(Window W) {
  XWindowAttributes a{};
  XGetWindowAttributes(FDisplay, W, &a);
  return {a.width, a.height};
}

void TUser::RequestClose(Window W) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = W;
  e.xclient.message_type = XInternAtom(FDisplay, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(FDisplay, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(FDisplay, W, False, NoEventMask, &e);
  XFlush(FDisplay);
}

void TUser::Resize(Window W, int Width, int Height) {
  XResizeWindow(FDisplay, W, static_cast<unsigned>(Width), static_cast<unsigned>(Height));
  XFlush(FDisplay);
}

// ---------------------------------------------------------------- child programs

TChild::TChild(std::vector<std::string> Argv) {
  int in[2], out[2];
  if (pipe(in) != 0) return;
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  std::vector<std::string> env{"DISPLAY=" + DisplayName(), "PATH=/usr/local/bin:/usr/bin:/bin"};
  std::vector<char*> argv, envp;
  for (auto& a : Argv) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) FPid = pid;
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  FIn = in[1];
  FOut = out[0];
  fcntl(FOut, F_SETFL, fcntl(FOut, F_GETFL) | O_NONBLOCK);
}

TChild::~TChild() {
  CloseInput();
  if (FPid > 0 && FExitCode < 0) {
    kill(FPid, SIGTERM);
    waitpid(FPid, nullptr, 0);
  }
  if (FOut >= 0) close(FOut);
}

void TChild::Write(const std::string& Bytes) {
  std::size_t done = 0;
  while (FIn >= 0 && done < Bytes.size()) {
    ssize_t n = write(FIn, Bytes.data() + done, Bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
}

void TChild::CloseInput() {
  if (FIn >= 0) close(FIn);
  FIn = -1;
}

bool TChild::Poll() {
  char buffer[65536];
  for (;;) {
    ssize_t n = FOut >= 0 ? read(FOut, buffer, sizeof buffer) : 0;
    if (n <= 0) break;
    FOutput.append(buffer, static_cast<std::size_t>(n));
  }
  if (FPid <= 0) return true;
  if (FExitCode >= 0) return true;
  int status = 0;
  if (waitpid(FPid, &status, WNOHANG) != FPid) return false;
  FExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  Poll();  // what it wrote last
  return true;
}

// ---------------------------------------------------------------- scripts and waiting

TScript::TScript(std::vector<Step> Steps, unsigned IntervalMs) : FSteps(std::move(Steps)) {
  FWindow = vcl::AllocateHWnd([this](vcl::TMessage& M) {
    if (M.Msg != vcl::WM_TIMER || Done()) return;
    if (FSteps[FNext]()) ++FNext;
  });
  vcl::SetTimer(FWindow, 1, IntervalMs);
}

TScript::~TScript() {
  vcl::KillTimer(FWindow, 1);
  vcl::DeallocateHWnd(FWindow);
}

// In short slices: what is waited for may come from outside the display
// (a child program ending), which would not wake the loop.
bool WaitFor(const std::function<bool()>& Done, int TimeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  while (!vcl::x11::ProcessUntil(Done, 20)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
  }
  return true;
}

bool ShowAndWait(vcl::TCustomForm& Form) {
  Form.Show();
  return WaitFor([&] { return vcl::x11::IsOnScreen(Form); });
}

std::uint32_t PixelAt(const vcl::TBitmap& B, int X, int Y) { return B.ScanLine(Y)[X] & 0xFFFFFF; }

}  // namespace x11test

#endif  // VYR_HAVE_X11
