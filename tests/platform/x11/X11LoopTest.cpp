// The message loop on the X11 host: timers come from the loop's wait in
// due order, ProcessMessages takes input that has arrived, and the small
// operations (bell, cursor, screen, double-click time) reach the display.
#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/Forms.h"
#include "platform/WinapiMessages.h"
#include "platform/hosts/x11/X11.h"

#include "X11TestSupport.h"

#include <X11/XKBlib.h>
#include <X11/cursorfont.h>
#if VYR_TEST_XFIXES
#include <X11/extensions/Xfixes.h>
#endif

namespace {

using namespace vcl;

class X11LoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FUser = x11test::Session();
    if (FUser == nullptr) GTEST_SKIP() << "no virtual display (" << x11test::Failure() << ")";
  }
  Display* FUser = nullptr;
};

// Set in the reverse of their due order; each first tick comes in due
// order, and the loop sleeps in between (the wait has a timeout, no tick
// is lost while it waits).
TEST_F(X11LoopTest, TimersFireFromTheWaitInDueOrder) {
  std::vector<int> ticks;
  HWND w = AllocateHWnd([&](TMessage& M) {
    if (M.Msg == WM_TIMER) ticks.push_back(static_cast<int>(M.WParam));
  });
  ASSERT_NE(SetTimer(w, 3, 90), 0u);
  ASSERT_NE(SetTimer(w, 2, 60), 0u);
  ASSERT_NE(SetTimer(w, 1, 30), 0u);
  auto started = std::chrono::steady_clock::now();
  auto seen = [&](int Id) { return std::find(ticks.begin(), ticks.end(), Id) != ticks.end(); };
  ASSERT_TRUE(x11::ProcessUntil([&] { return seen(3); }, 3000));
  auto elapsed = std::chrono::steady_clock::now() - started;
  EXPECT_GE(elapsed, std::chrono::milliseconds(85));
  auto first = [&](int Id) { return std::find(ticks.begin(), ticks.end(), Id) - ticks.begin(); };
  EXPECT_LT(first(1), first(2));
  EXPECT_LT(first(2), first(3));
  KillTimer(w, 1);
  KillTimer(w, 2);
  KillTimer(w, 3);
  DeallocateHWnd(w);
}

// Input that has arrived is handled by ProcessMessages, which never waits.
TEST_F(X11LoopTest, ProcessMessagesTakesInputThatHasArrived) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 200, 100);
  int presses = 0;
  form.SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; });
  ASSERT_TRUE(x11test::ShowAndWait(form));
  x11test::TUser user(FUser);
  TPoint p = user.At(form, 20, 20);
  user.Click(p.X, p.Y);
  XSync(FUser, False);
  for (int i = 0; i < 200 && presses == 0; ++i) {
    Application.ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(presses, 1);
}

// The bell rings on the display: other clients hear of it through XKB.
TEST_F(X11LoopTest, MessageBeepRingsTheBell) {
  int xkbEvent = 0, error = 0, major = 1, minor = 0;
  ASSERT_TRUE(XkbQueryExtension(FUser, nullptr, &xkbEvent, &error, &major, &minor));
  XkbSelectEvents(FUser, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
  XSync(FUser, False);
  MessageBeep(0);
  bool rang = false;
  for (int i = 0; i < 200 && !rang; ++i) {
    while (XPending(FUser) > 0) {
      XEvent e;
      XNextEvent(FUser, &e);
      if (e.type == xkbEvent && reinterpret_cast<XkbAnyEvent*>(&e)->xkb_type == XkbBellNotify) rang = true;
    }
    if (!rang) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(rang);
}

TEST_F(X11LoopTest, ScreenAndDoubleClickTimeComeFromTheDisplay) {
  EXPECT_EQ(vcl::Screen.Width(), 1024);
  EXPECT_EQ(vcl::Screen.Height(), 768);
  EXPECT_EQ(GetDoubleClickTime(), 500u);  // no multiClickTime resource on this display
}

#if VYR_TEST_XFIXES
// The cursor the display shows over the form: the hourglass is the watch
// of the cursor font, as a watch defined on a window of the user's shows.
TEST_F(X11LoopTest, HourglassShowsTheWatch) {
  auto imageOf = [&](Cursor Shape) {
    Window w = XCreateSimpleWindow(FUser, DefaultRootWindow(FUser), 900, 600, 40, 40, 0, 0, 0);
    XDefineCursor(FUser, w, Shape);
    XMapRaised(FUser, w);
    XSync(FUser, False);
    x11test::TUser(FUser).MoveTo(920, 620);
    XSync(FUser, False);
    XFixesCursorImage* image = XFixesGetCursorImage(FUser);
    std::vector<unsigned long> pixels(image->pixels, image->pixels + image->width * image->height);
    XFree(image);
    XDestroyWindow(FUser, w);
    return pixels;
  };
  std::vector<unsigned long> watch = imageOf(XCreateFontCursor(FUser, XC_watch));
  std::vector<unsigned long> arrow = imageOf(XCreateFontCursor(FUser, XC_left_ptr));
  ASSERT_NE(watch, arrow);
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 150);
  ASSERT_TRUE(x11test::ShowAndWait(form));
  x11test::TUser user(FUser);
  TPoint p = user.At(form, 50, 50);
  user.MoveTo(p.X, p.Y);
  auto shown = [&] {
    XFixesCursorImage* image = XFixesGetCursorImage(FUser);
    std::vector<unsigned long> pixels(image->pixels, image->pixels + image->width * image->height);
    XFree(image);
    return pixels;
  };
  vcl::Screen.SetCursor(crHourGlass);
  EXPECT_TRUE(x11test::WaitFor([&] { return shown() == watch; }));
  vcl::Screen.SetCursor(crDefault);
  EXPECT_TRUE(x11test::WaitFor([&] { return shown() == arrow; }));
}
#endif

}  // namespace

#endif  // VYR_HAVE_X11
