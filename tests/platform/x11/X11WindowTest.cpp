// Form windows on a virtual display: what is shown matches the headless
// rendering of the same form, exposes and resizes repaint, the close
// button closes, pictures go through shared memory or the wire alike.
#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/hosts/headless/Headless.h"
#include "platform/hosts/x11/X11.h"
#include "platform/hosts/x11/X11Host.h"

#include "X11TestSupport.h"

namespace {

using namespace vcl;
using x11test::PixelAt;

constexpr TColor kBlockA = 0x0000FF;  // red
constexpr TColor kBlockB = 0x563412;  // RGB 12 34 56

// A form whose pixels follow from the rules: the button face, two blocks
// its OnPaint fills, and an edit with a white interior.
std::unique_ptr<TForm> MakeSample() {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(120, 90, 300, 160);
  form->SetCaption(u"Sample");
  TForm* f = form.get();
  form->SetOnPaint([f](TObject*) {
    TCanvas* c = f->Canvas();
    c->Brush()->SetColor(kBlockA);
    c->FillRect(Rect(10, 10, 60, 40));
    c->Brush()->SetColor(kBlockB);
    c->FillRect(Rect(70, 10, 120, 40));
  });
  auto* edit = new TEdit(f);
  edit->SetParent(f);
  edit->SetBounds(10, 60, 121, 21);
  edit->SetText(u"42");
  return form;
}

std::unique_ptr<TBitmap> g_Headless;
x11test::BeforeX11 g_Reference([] {
  // Shown, as on the display: the edit takes the focus and selects its text.
  std::unique_ptr<TForm> form = MakeSample();
  form->Show();
  g_Headless = headless::Snapshot(form.get());
});

class X11WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FUser = x11test::Session();
    if (FUser == nullptr) GTEST_SKIP() << "no virtual display (" << x11test::Failure() << ")";
  }
  x11test::TUser User() { return x11test::TUser(FUser); }
  Display* FUser = nullptr;
};

TEST_F(X11WindowTest, ShownFormMatchesTheHeadlessRendering) {
  ASSERT_TRUE(g_Headless);
  std::unique_ptr<TForm> form = MakeSample();
  ASSERT_TRUE(x11test::ShowAndWait(*form));
  EXPECT_NE(x11::WindowOf(*form), 0u);
  std::unique_ptr<TBitmap> shot = x11::Screenshot(*form);
  ASSERT_TRUE(shot);
  ASSERT_EQ(shot->Width(), 300);
  ASSERT_EQ(shot->Height(), 160);
  struct Probe { int X, Y; std::uint32_t Rgb; };
  const Probe probes[] = {
      {2, 2, 0xF0F0F0},      // button face, top-left corner
      {299, 159, 0xF0F0F0},  // and the last pixel
      {10, 10, 0xFF0000},    // first pixel of the red block
      {59, 39, 0xFF0000},    // its last
      {60, 39, 0xF0F0F0},    // just outside it
      {70, 10, 0x123456},    // the second block
      {119, 25, 0x123456},
      {120, 25, 0xF0F0F0},
      {120, 70, 0xFFFFFF},   // inside the edit, right of its text
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(PixelAt(*shot, p.X, p.Y), p.Rgb) << "screen at " << p.X << "," << p.Y;
    EXPECT_EQ(PixelAt(*g_Headless, p.X, p.Y), p.Rgb) << "headless at " << p.X << "," << p.Y;
  }
  // The edit's frame and text: whatever their colors, both hosts agree.
  for (int x = 10; x < 60; ++x) {
    EXPECT_EQ(PixelAt(*shot, x, 60), PixelAt(*g_Headless, x, 60)) << "frame at x " << x;
    EXPECT_EQ(PixelAt(*shot, x, 70), PixelAt(*g_Headless, x, 70)) << "text row at x " << x;
  }
}

TEST_F(X11WindowTest, CaptionAndBoundsReachTheWindow) {
  std::unique_ptr<TForm> form = MakeSample();
  ASSERT_TRUE(x11test::ShowAndWait(*form));
  Window w = x11::WindowOf(*form);
  form->SetCaption(u"Grüße");
  form->SetBounds(200, 150, 260, 120);
  XSync(x11::Current()->Dpy(), False);
  TSize size = User().Size(w);
  EXPECT_EQ(size.cx, 260);
  EXPECT_EQ(size.cy, 120);
  TPoint at = User().Origin(w);
  EXPECT_EQ(at.X, 200);
  EXPECT_EQ(at.Y, 150);
  Atom utf8 = XInternAtom(FUser, "UTF8_STRING", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(FUser, w, XInternAtom(FUser, "_NET_WM_NAME", False), 0, 100, False, utf8, &type, &format,
                     &count, &after, &data);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), count), "Gr\xC3\xBC\xC3\x9F" "e");
  XFree(data);
}

// The window manager (here the user's client) sizes the window: the form
// follows, lays out and paints the new area.
TEST_F(X11WindowTest, ResizingTheWindowResizesAndRepaintsTheForm) {
  std::unique_ptr<TForm> form = MakeSample();
  int resized = 0;
  form->SetOnResize([&](TObject*) { ++resized; });
  ASSERT_TRUE(x11test::ShowAndWait(*form));
  User().Resize(x11::WindowOf(*form), 400, 220);
  ASSERT_TRUE(x11test::WaitFor([&] { return form->Width() == 400 && form->Height() == 220; }));
  EXPECT_GE(resized, 1);
  ASSERT_TRUE(x11test::WaitFor([&] {
    std::unique_ptr<TBitmap> shot = x11::Screenshot(*form);
    return shot && shot->Width() == 400 && PixelAt(*shot, 390, 210) == 0xF0F0F0 && PixelAt(*shot, 30, 20) == 0xFF0000;
  }));
}

// A covered window shows its picture again when uncovered, from the back
// buffer, without the form painting again.
TEST_F(X11WindowTest, ExposedAreasAreRestoredWithoutPainting) {
  std::unique_ptr<TForm> form = MakeSample();
  int paints = 0;
  TForm* f = form.get();
  form->SetOnPaint([&, f](TObject*) {
    ++paints;
    f->Canvas()->Brush()->SetColor(kBlockA);
    f->Canvas()->FillRect(Rect(10, 10, 60, 40));
  });
  ASSERT_TRUE(x11test::ShowAndWait(*form));
  int before = paints;
  // Another client's window over the form, then gone.
  Window root = DefaultRootWindow(FUser);
  TPoint at = User().At(*form, 0, 0);
  Window cover = XCreateSimpleWindow(FUser, root, at.X, at.Y, 100, 60, 0, 0, 0x000000);
  XSetWindowAttributes a{};
  a.override_redirect = True;
  XChangeWindowAttributes(FUser, cover, CWOverrideRedirect, &a);
  XMapRaised(FUser, cover);
  XSync(FUser, False);
  ASSERT_TRUE(x11test::WaitFor([&] { return PixelAt(*x11::Screenshot(*form), 30, 20) == 0x000000; }));
  XDestroyWindow(FUser, cover);
  XSync(FUser, False);
  EXPECT_TRUE(x11test::WaitFor([&] { return PixelAt(*x11::Screenshot(*form), 30, 20) == 0xFF0000; }));
  EXPECT_EQ(paints, before);
}

TEST_F(X11WindowTest, CloseButtonClosesTheFormUnlessRefused) {
  std::unique_ptr<TForm> form = MakeSample();
  bool allow = false;
  int asked = 0;
  form->SetOnCloseQuery([&](TObject*, bool& CanClose) {
    ++asked;
    CanClose = allow;
  });
  ASSERT_TRUE(x11test::ShowAndWait(*form));
  User().RequestClose(x11::WindowOf(*form));
  ASSERT_TRUE(x11test::WaitFor([&] { return asked == 1; }));
  EXPECT_TRUE(form->Visible());
  allow = true;
  User().RequestClose(x11::WindowOf(*form));
  ASSERT_TRUE(x11test::WaitFor([&] { return asked == 2; }));
  EXPECT_FALSE(form->Visible());
  XSync(x11::Current()->Dpy(), False);
  XWindowAttributes attributes{};
  XGetWindowAttributes(FUser, x11::WindowOf(*form), &attributes);
  EXPECT_EQ(attributes.map_state, IsUnmapped);
}

// The same pixels arrive through shared memory, through the wire, and
// converted for a 16-bit display (5-6-5 channels keep their top bits).
TEST_F(X11WindowTest, PicturesArriveThroughEveryPath) {
  TBitmap picture(40, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) picture.ScanLine(y)[x] = x < 20 ? 0xFF8040u : 0x10C0F8u;
  }
  auto check = [&](Display* d, bool shm, std::uint32_t Left, std::uint32_t Right) {
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 40, 20, 0, 0, 0);
    XMapWindow(d, w);
    XSync(d, False);
    x11::TPictureSink sink(d, shm);
    sink.Put(w, picture, Rect(0, 0, 40, 20));
    XSync(d, False);
    std::unique_ptr<TBitmap> back = sink.Read(w, 40, 20);
    ASSERT_TRUE(back);
    EXPECT_EQ(PixelAt(*back, 5, 5), Left) << (shm ? "shared" : "plain");
    EXPECT_EQ(PixelAt(*back, 35, 15), Right) << (shm ? "shared" : "plain");
    XDestroyWindow(d, w);
    XSync(d, False);
  };
  check(FUser, true, 0xFF8040, 0x10C0F8);
  check(FUser, false, 0xFF8040, 0x10C0F8);
  EXPECT_TRUE(x11::UsesSharedMemory());  // a local display offers it
  std::string name = x11test::StartExtraDisplay(16);
  if (name.empty()) GTEST_SKIP() << "no 16-bit display";
  Display* d16 = XOpenDisplay(name.c_str());
  ASSERT_NE(d16, nullptr);
  // 0xFF8040 in 5-6-5 is 31,32,8 -> 255,130,66; 0x10C0F8 is 2,47,30 -> 16,190,247.
  check(d16, true, 0xFF8242, 0x10BEF7);
  XCloseDisplay(d16);
}

}  // namespace

#endif  // VYR_HAVE_X11
