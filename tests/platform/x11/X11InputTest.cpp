// Real input on a virtual display: XTest presses, moves and keys reach the
// controls as the framework's input (typing, toggling, selecting, double
// clicks, the wheel, enter and leave, capture, focus).
#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include <gtest/gtest.h>

#include "VYR_NumIO/VYR_NumIO.h"
#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/hosts/x11/X11.h"
#include "platform/hosts/x11/X11Host.h"

#include "X11TestSupport.h"

#include <X11/keysym.h>

namespace {

using namespace vcl;

// Records the mouse and key events it receives.
class TProbe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  struct Event {
    char Kind;  // 'd'own 'u'p 'm'ove 'c'lick 'D'ouble 'w'heel 'e'nter 'l'eave 'k'ey down 'K' up
    int A = 0, B = 0;
    TShiftState Shift;
  };
  std::vector<Event> Events;
  int Count(char Kind) const {
    return static_cast<int>(std::count_if(Events.begin(), Events.end(), [&](const Event& e) { return e.Kind == Kind; }));
  }
  const Event* Last(char Kind) const {
    for (auto it = Events.rbegin(); it != Events.rend(); ++it) {
      if (it->Kind == Kind) return &*it;
    }
    return nullptr;
  }

 protected:
  void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
    Events.push_back({'d', X, Y, S});
    Events.back().A = B * 10000 + X;  // the button rides along with X
    TCustomControl::MouseDown(B, S, X, Y);
  }
  void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override {
    Events.push_back({'u', X, Y, S});
    TCustomControl::MouseUp(B, S, X, Y);
  }
  void MouseMove(TShiftState S, int X, int Y) override { Events.push_back({'m', X, Y, S}); }
  void Click() override { Events.push_back({'c'}); }
  void DblClick() override { Events.push_back({'D'}); }
  bool DoMouseWheel(TShiftState S, int Delta, TPoint) override {
    Events.push_back({'w', Delta, 0, S});
    return true;
  }
  void CMMouseEnter(TMessage& M) override {
    Events.push_back({'e'});
    TCustomControl::CMMouseEnter(M);
  }
  void CMMouseLeave(TMessage& M) override {
    Events.push_back({'l'});
    TCustomControl::CMMouseLeave(M);
  }
  void KeyDown(std::uint16_t& Key, TShiftState S) override { Events.push_back({'k', Key, 0, S}); }
  void KeyUp(std::uint16_t& Key, TShiftState S) override { Events.push_back({'K', Key, 0, S}); }
};

struct Controls {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* First = new TEdit(Form.get());
  TEdit* Second = new TEdit(Form.get());
  TSpeedButton* Toggle = new TSpeedButton(Form.get());
  TProbe* Probe = new TProbe(Form.get());
  TDrawGrid* Grid = new TDrawGrid(Form.get());
  vyr::TNumIO* Number = new vyr::TNumIO(Form.get());
  TMemo* Notes = new TMemo(Form.get());  // last in tab order, takes tabs

  Controls() {
    Form->SetBounds(60, 50, 380, 300);
    for (TControl* c : std::initializer_list<TControl*>{First, Second, Toggle, Probe, Grid, Number, Notes}) {
      c->SetParent(Form.get());
    }
    First->SetBounds(10, 10, 121, 21);
    Second->SetBounds(10, 40, 121, 21);
    Toggle->SetBounds(150, 10, 23, 22);
    Toggle->SetGroupIndex(1);
    Toggle->SetAllowAllUp(true);
    Probe->SetBounds(200, 10, 120, 80);
    Probe->SetTabStop(true);
    Grid->SetBounds(10, 110, 330, 125);
    Number->SetBounds(10, 70, 121, 21);
    Number->SetInputFormat(vyr::itInt);
    Number->SetRangeLow(-100);
    Number->SetRangeHigh(100);
    Number->SetText(u"");
    Notes->SetBounds(10, 240, 330, 40);
    Notes->SetWantTabs(true);
  }
};

class X11InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Display* d = x11test::Session();
    if (d == nullptr) GTEST_SKIP() << "no virtual display (" << x11test::Failure() << ")";
    FUser = std::make_unique<x11test::TUser>(d);
    ASSERT_TRUE(x11test::ShowAndWait(*C.Form));
    FUser->Focus(x11::WindowOf(*C.Form));
    ASSERT_TRUE(x11test::WaitFor([&] { return vcl::Screen.ActiveForm() == C.Form.get() && FocusedControl() != nullptr; }));
  }
  // The screen point of a control's client point.
  TPoint At(TControl* Ctl, int X, int Y) {
    TPoint p = Ctl->ClientToParent({X, Y}, C.Form.get());
    return FUser->At(*C.Form, p.X, p.Y);
  }
  void ClickOn(TControl* Ctl, int X, int Y, unsigned Button = 1) {
    TPoint p = At(Ctl, X, Y);
    FUser->Click(p.X, p.Y, Button);
  }
  x11test::TUser& User() { return *FUser; }
  Controls C;
  std::unique_ptr<x11test::TUser> FUser;
};

TEST_F(X11InputTest, TypedNumberLandsInTheClickedEdit) {
  ClickOn(C.First, 60, 10);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.First->Focused(); }));
  User().Tap(XK_a, {XK_Control_L});
  User().Type(U"12.5");
  EXPECT_TRUE(x11test::WaitFor([&] { return C.First->Text() == u"12.5"; })) << ToUTF8(C.First->Text());
  // Backspace is a key and a character: it deletes once.
  User().Tap(XK_BackSpace);
  EXPECT_TRUE(x11test::WaitFor([&] { return C.First->Text() == u"12."; })) << ToUTF8(C.First->Text());
}

// The numeric field checks every key: a letter and a number out of its
// range are refused, the digits before stay.
TEST_F(X11InputTest, NumericFieldTakesANumberAndRefusesTheRest) {
  ClickOn(C.Number, 60, 10);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Number->Focused(); }));
  User().Type(U"-42a");
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Number->Text() == u"-42"; })) << ToUTF8(C.Number->Text());
  User().Type(U"7");  // -427 lies outside -100..100
  User().Tap(XK_Home);  // comes after the refused key
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Number->SelStart() == 0; }));
  EXPECT_EQ(C.Number->Text(), u"-42");
  EXPECT_EQ(C.Number->Value(), -42.0);
}

TEST_F(X11InputTest, TabMovesTheFocusWithoutTypingATab) {
  ClickOn(C.First, 60, 10);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.First->Focused(); }));
  User().Tap(XK_Tab);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Second->Focused(); }));
  User().Tap(XK_Tab, {XK_Shift_L});
  ASSERT_TRUE(x11test::WaitFor([&] { return C.First->Focused(); }));
  // Backwards from the first control to the memo that takes tabs: the Tab
  // that moved the focus does not land in it.
  User().Tap(XK_Tab, {XK_Shift_L});
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Notes->Focused(); }));
  User().Tap(XK_x);
  ASSERT_TRUE(x11test::WaitFor([&] { return !C.Notes->Text().empty(); }));
  EXPECT_EQ(C.Notes->Text(), u"x");
  EXPECT_EQ(C.First->Text(), u"");
  EXPECT_EQ(C.Second->Text(), u"");
}

// Characters the keyboard has no key for arrive through the input method
// as UTF-8 and reach the edit as UTF-16, one beyond the basic plane too.
TEST_F(X11InputTest, CharactersBeyondAsciiArriveAsUtf16) {
  ClickOn(C.Second, 60, 10);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Second->Focused(); }));
  User().Type(U"é€\U0001D11E");
  EXPECT_TRUE(x11test::WaitFor([&] { return C.Second->Text() == u"é€\U0001D11E"; })) << ToUTF8(C.Second->Text());
}

TEST_F(X11InputTest, ClicksToggleTheSpeedButton) {
  ClickOn(C.Toggle, 11, 11);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Toggle->Down(); }));
  ClickOn(C.Toggle, 11, 11);
  EXPECT_TRUE(x11test::WaitFor([&] { return !C.Toggle->Down(); }));
}

TEST_F(X11InputTest, ClickSelectsTheGridRow) {
  TRect cell = C.Grid->CellRect(2, 3);
  ClickOn(C.Grid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Grid->Row() == 3; }));
  EXPECT_EQ(C.Grid->Col(), 2);
  User().Tap(XK_Down);
  EXPECT_TRUE(x11test::WaitFor([&] { return C.Grid->Row() == 4; }));
}

TEST_F(X11InputTest, ButtonsShiftAndDoubleClicks) {
  TPoint p = At(C.Probe, 30, 20);
  User().MoveTo(p.X, p.Y);
  User().Key(XK_Shift_L, true);
  User().Button(3, true);
  User().Button(3, false);
  User().Key(XK_Shift_L, false);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('u') == 1; }));
  const TProbe::Event* down = C.Probe->Last('d');
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->A, mbRight * 10000 + 30);
  EXPECT_EQ(down->B, 20);
  EXPECT_TRUE(down->Shift.Contains(ssShift));
  EXPECT_TRUE(down->Shift.Contains(ssRight));
  C.Probe->Events.clear();
  User().Click(p.X, p.Y);
  User().Click(p.X, p.Y);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('u') == 2; }));
  EXPECT_EQ(C.Probe->Count('D'), 1);
  EXPECT_EQ(C.Probe->Count('c'), 1);  // the second press is the double click's
}

TEST_F(X11InputTest, WheelNotchesGoToTheControlUnderThePointer) {
  TPoint p = At(C.Probe, 10, 10);
  User().MoveTo(p.X, p.Y);
  User().Click(p.X, p.Y, 4);
  User().Click(p.X, p.Y, 5);
  User().Click(p.X, p.Y, 5);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('w') == 3; }));
  std::vector<int> deltas;
  for (const auto& e : C.Probe->Events) {
    if (e.Kind == 'w') deltas.push_back(e.A);
  }
  EXPECT_EQ(deltas, (std::vector<int>{120, -120, -120}));
}

TEST_F(X11InputTest, EnterLeaveAndCaptureOutsideTheWindow) {
  TPoint inside = At(C.Probe, 50, 40);
  TPoint outside = At(C.Probe, 0, 0);
  outside.X -= 100;  // left of the probe, still on the form
  User().MoveTo(outside.X, outside.Y);
  User().MoveTo(inside.X, inside.Y);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('e') == 1; }));
  // Held down, the probe keeps the pointer beyond the window's edge.
  User().Button(1, true);
  TPoint beyond = FUser->At(*C.Form, C.Form->Width() + 40, 40);
  User().MoveTo(beyond.X, beyond.Y);
  ASSERT_TRUE(x11test::WaitFor([&] {
    const TProbe::Event* m = C.Probe->Last('m');
    return m != nullptr && m->A > C.Probe->Width();
  }));
  User().Button(1, false);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('u') == 1; }));
  EXPECT_GT(C.Probe->Last('u')->A, C.Probe->Width());
  EXPECT_EQ(C.Probe->Count('c'), 0);  // released outside: no click
  EXPECT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('l') >= 1; }));
}

TEST_F(X11InputTest, KeysArriveAsVirtualKeyCodes) {
  ClickOn(C.Probe, 5, 5);
  C.Probe->SetFocus();
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Focused(); }));
  C.Probe->Events.clear();
  User().Tap(XK_F5);
  User().Tap(XK_Home);
  User().Tap(XK_x, {XK_Control_L});
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Probe->Count('K') == 4; }));
  std::vector<int> downs;
  for (const auto& e : C.Probe->Events) {
    if (e.Kind == 'k') downs.push_back(e.A);
  }
  EXPECT_EQ(downs, (std::vector<int>{VK_F5, VK_HOME, VK_CONTROL, 'X'}));
  EXPECT_TRUE(C.Probe->Last('k')->Shift.Contains(ssCtrl));
}

// The window losing the keyboard takes the framework's focus from its
// control; getting it back returns it to the same control.
TEST_F(X11InputTest, FocusFollowsTheWindow) {
  ClickOn(C.Second, 60, 10);
  ASSERT_TRUE(x11test::WaitFor([&] { return C.Second->Focused(); }));
  Display* d = FUser->Dpy();
  Window other = XCreateSimpleWindow(d, DefaultRootWindow(d), 600, 500, 50, 50, 0, 0, 0);
  XMapWindow(d, other);
  XSync(d, False);
  ASSERT_TRUE(x11test::WaitFor([&] {
    FUser->Focus(other);
    return FocusedControl() == nullptr;
  }));
  EXPECT_EQ(C.Form->ActiveControl(), C.Second);
  FUser->Focus(x11::WindowOf(*C.Form));
  EXPECT_TRUE(x11test::WaitFor([&] { return C.Second->Focused(); }));
  XDestroyWindow(d, other);
  XSync(d, False);
}

}  // namespace

#endif  // VYR_HAVE_X11
