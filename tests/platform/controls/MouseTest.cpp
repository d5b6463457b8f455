// Mouse input through the headless host: hit-testing, capture, clicks,
// double clicks, enter/leave, wheel and context menus.
#include "TestControls.h"
#include "platform/Menus.h"

namespace vcltest {
namespace {

// A form (never shown) with two graphic controls side by side and a panel
// holding a third one:
//   a  (10,10) 40×30    b  (60,10) 40×30    panel (10,60) 100×60 > c (5,5) 20×20
class MouseTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<TForm>(nullptr);
    a = Place(new TFillGraphic(form.get(), clRed), form.get(), 10, 10, 40, 30);
    b = Place(new TFillGraphic(form.get(), clBlue), form.get(), 60, 10, 40, 30);
    panel = Place(new TFillControl(form.get(), clSilver), form.get(), 10, 60, 100, 60);
    c = Place(new TFillGraphic(form.get(), clLime), panel, 5, 5, 20, 20);
    WireMouse(a, log, "a");
    WireMouse(b, log, "b");
    WireMouse(panel, log, "p");
    WireMouse(c, log, "c");
    WireMouse(form.get(), log, "f");
  }
  template <class T>
  T* Place(T* ctl, TWinControl* parent, int l, int t, int w, int h) {
    ctl->SetParent(parent);
    ctl->SetBounds(l, t, w, h);
    return ctl;
  }
  void TearDown() override {
    form.reset();
    HeadlessTest::TearDown();
  }

  EventLog log;
  std::unique_ptr<TForm> form;
  TFillGraphic *a = nullptr, *b = nullptr, *c = nullptr;
  TFillControl* panel = nullptr;
};

TEST_F(MouseTest, APressAndReleaseInsideIsAClickBetweenDownAndUp) {
  headless::MouseDown(a, mbLeft, {}, 5, 6);
  headless::MouseUp(a, mbLeft, {}, 7, 8);
  EXPECT_EQ(log.Joined(), "f:enter a:enter a:downL(5,6) a:click a:upL(7,8)");
}

TEST_F(MouseTest, CoordinatesGivenForAControlReachTheControlUnderThePoint) {
  // (55, 5) in a's client area lies over b.
  headless::MouseDown(a, mbLeft, {}, 55, 5);
  EXPECT_EQ(log.Entries.back(), "b:downL(5,5)");
  headless::MouseUp(a, mbLeft, {}, 55, 5);
  // A nested control: the point in the form's coordinates.
  log.Clear();
  headless::Click(form.get(), 10 + 5 + 3, 60 + 5 + 4);
  EXPECT_EQ(log.Count("c:downL(3,4)"), 1);
  EXPECT_EQ(log.Count("c:click"), 1);
  EXPECT_EQ(log.Count("p:click"), 0);
}

TEST_F(MouseTest, TheCaptureKeepsMovesAndTheReleaseOnThePressedControl) {
  headless::MouseDown(a, mbLeft, {}, 5, 5);
  EXPECT_TRUE(a->MouseCapture());
  log.Clear();
  headless::MouseMove(a, {ssLeft}, 60, 5);   // over b
  headless::MouseMove(a, {ssLeft}, 200, 300);  // outside everything
  headless::MouseUp(a, mbLeft, {}, 60, 5);   // released over b
  EXPECT_EQ(log.Count("a:move(60,5)"), 1);
  EXPECT_EQ(log.Count("a:move(200,300)"), 1);
  EXPECT_EQ(log.Count("b:move(10,5)"), 0);
  EXPECT_EQ(log.Count("a:upL(60,5)"), 1);
  EXPECT_EQ(log.Count("a:click"), 0);  // released outside: no click
  EXPECT_EQ(log.Count("b:click"), 0);
  EXPECT_FALSE(a->MouseCapture());
  EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(MouseTest, ReleasingBackInsideAfterLeavingStillClicks) {
  headless::MouseDown(a, mbLeft, {}, 5, 5);
  headless::MouseMove(a, {ssLeft}, 100, 100);
  headless::MouseUp(a, mbLeft, {}, 6, 6);
  EXPECT_EQ(log.Count("a:click"), 1);
}

TEST_F(MouseTest, ADoubleClickArrivesAsTheFrameworkSendsIt) {
  headless::DblClick(a, 4, 4);
  EXPECT_EQ(log.Joined(),
            "f:enter a:enter a:downL(4,4) a:click a:upL(4,4) a:dblclick a:downL2(4,4) a:upL(4,4)");
}

TEST_F(MouseTest, PressesTooFarApartInTimeOrSpaceAreSingleClicks) {
  headless::MouseDown(a, mbLeft, {}, 4, 4);
  headless::MouseUp(a, mbLeft, {}, 4, 4);
  headless::Advance(GetDoubleClickTime() + 1);
  headless::MouseDown(a, mbLeft, {}, 4, 4);
  headless::MouseUp(a, mbLeft, {}, 4, 4);
  headless::MouseDown(a, mbLeft, {}, 20, 20);  // quick, but 16 pixels away
  headless::MouseUp(a, mbLeft, {}, 20, 20);
  EXPECT_EQ(log.Count("a:dblclick"), 0);
  EXPECT_EQ(log.Count("a:click"), 3);
  // Quick presses on two different controls are no double click either.
  headless::MouseDown(b, mbLeft, {}, 20, 20);
  EXPECT_EQ(log.Count("b:downL(20,20)"), 1);
}

TEST_F(MouseTest, ClickNeverPairsWithAnEarlierPress) {
  headless::Click(a, 3, 3);
  headless::Click(a, 3, 3);
  EXPECT_EQ(log.Count("a:click"), 2);
  EXPECT_EQ(log.Count("a:dblclick"), 0);
}

TEST_F(MouseTest, AControlWithoutDoubleClickStyleGetsTwoPresses) {
  a->SetControlStyle(a->ControlStyle() >> csDoubleClicks);
  headless::DblClick(a, 4, 4);
  EXPECT_EQ(log.Count("a:dblclick"), 0);
  EXPECT_EQ(log.Count("a:click"), 2);
}

TEST_F(MouseTest, ShiftStatesCarryButtonsModifiersAndTheDoubleFlag) {
  std::vector<TShiftState> downs;
  a->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState s, int, int) { downs.push_back(s); });
  headless::MouseDown(a, mbLeft, {ssShift, ssCtrl}, 1, 1);
  headless::MouseUp(a, mbLeft, {ssShift, ssCtrl}, 1, 1);
  headless::MouseDown(a, mbLeft, {}, 1, 1);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0], (TShiftState{ssShift, ssCtrl, ssLeft}));
  EXPECT_EQ(downs[1], (TShiftState{ssLeft, ssDouble}));
}

TEST_F(MouseTest, DisabledControlsGetNothing) {
  b->SetEnabled(false);
  headless::Click(b, 5, 5);
  EXPECT_EQ(log.Count("b:click"), 0);
  EXPECT_EQ(log.Count("b:downL(5,5)"), 0);
  // A disabled graphic control is passed over: its parent gets the press.
  EXPECT_EQ(log.Count("f:downL(65,15)"), 1);
  // A disabled window swallows it, children included.
  log.Clear();
  panel->SetEnabled(false);
  headless::Click(c, 2, 2);
  EXPECT_EQ(log.Joined().find("down"), std::string::npos);
}

TEST_F(MouseTest, InvisibleControlsAreTransparent) {
  a->SetVisible(false);
  headless::Click(form.get(), 15, 15);
  EXPECT_EQ(log.Count("a:click"), 0);
  EXPECT_EQ(log.Count("f:click"), 1);
}

TEST_F(MouseTest, EnterAndLeaveFollowThePointerThroughNestedControls) {
  headless::MouseMove(form.get(), {}, 1, 1);
  headless::MouseMove(form.get(), {}, 90, 100);  // into the panel, beside c
  headless::MouseMove(form.get(), {}, 17, 67);  // into c, still in the panel
  headless::MouseMove(form.get(), {}, 70, 20);  // over b
  EXPECT_EQ(log.Count("f:enter"), 1);
  EXPECT_EQ(log.Count("f:leave"), 0);  // children never take the pointer from the form
  std::string joined = log.Joined();
  SCOPED_TRACE(joined);
  EXPECT_NE(joined.find("p:enter p:move(80,40)"), std::string::npos);
  EXPECT_NE(joined.find("c:enter c:move(2,2)"), std::string::npos);
  EXPECT_NE(joined.find("c:leave p:leave b:enter"), std::string::npos);
  log.Clear();
  headless::MouseLeave(b);
  EXPECT_EQ(log.Joined(), "b:leave");
  headless::MouseLeave(form.get());
  EXPECT_EQ(log.Joined(), "b:leave f:leave");
}

TEST_F(MouseTest, ALeaveReachesAControlTheCaptureHoldsPressed) {
  headless::MouseDown(a, mbLeft, {}, 5, 5);
  log.Clear();
  headless::MouseMove(a, {ssLeft}, 200, 200);
  EXPECT_EQ(log.Count("a:leave"), 1);
  EXPECT_EQ(log.Count("a:move(200,200)"), 1);
}

TEST_F(MouseTest, TheWheelGoesUpTheParentsUntilHandled) {
  std::vector<std::string> got;
  c->SetOnMouseWheel([&](TObject*, TShiftState, int d, TPoint, bool&) {
    got.push_back("c" + std::to_string(d));
  });
  panel->SetOnMouseWheelDown([&](TObject*, TShiftState, TPoint p, bool& handled) {
    got.push_back("p-down@" + std::to_string(p.X) + "," + std::to_string(p.Y));
    handled = true;
  });
  form->SetOnMouseWheel([&](TObject*, TShiftState, int, TPoint, bool&) { got.push_back("f"); });
  headless::Wheel(c, -WHEEL_DELTA, {}, 1, 2);
  // The position is on the screen: the form sits at (0, 0).
  EXPECT_EQ(got, (std::vector<std::string>{"c-120", "p-down@16,67"}));
}

TEST_F(MouseTest, PartialWheelTurnsAddUpToANotch) {
  int ups = 0;
  form->SetOnMouseWheelUp([&](TObject*, TShiftState, TPoint, bool& h) { ++ups; h = true; });
  headless::Wheel(form.get(), 60, {}, 1, 1);
  EXPECT_EQ(ups, 0);
  headless::Wheel(form.get(), 60, {}, 1, 1);
  EXPECT_EQ(ups, 1);
  headless::Wheel(form.get(), 360, {}, 1, 1);
  EXPECT_EQ(ups, 4);
}

TEST_F(MouseTest, ARightClickPopsTheControlsMenu) {
  auto* menu = new TPopupMenu(form.get());
  int pops = 0;
  menu->SetOnPopup([&](TObject*) { ++pops; });
  TPoint where;
  headless::SetPopupHandler([&](TPopupMenu& m, int x, int y) {
    EXPECT_EQ(&m, menu);
    where = {x, y};
  });
  form->SetLeft(100);
  form->SetTop(50);
  b->SetPopupMenu(menu);
  headless::MouseDown(b, mbRight, {}, 3, 4);
  headless::MouseUp(b, mbRight, {}, 3, 4);
  EXPECT_EQ(pops, 1);
  EXPECT_EQ(where, (TPoint{100 + 60 + 3, 50 + 10 + 4}));
  EXPECT_EQ(menu->PopupComponent(), b);
  // A control without a menu asks its parent; the form has none.
  headless::MouseDown(a, mbRight, {}, 3, 4);
  headless::MouseUp(a, mbRight, {}, 3, 4);
  EXPECT_EQ(pops, 1);
  form->SetPopupMenu(menu);
  headless::MouseUp(a, mbRight, {}, 3, 4);
  EXPECT_EQ(pops, 2);
  EXPECT_EQ(menu->PopupComponent(), form.get());
  // OnContextPopup may take the request.
  b->SetOnContextPopup([](TObject*, TPoint, bool& handled) { handled = true; });
  headless::MouseUp(b, mbRight, {}, 3, 4);
  EXPECT_EQ(pops, 2);
  // Without AutoPopup the menu stays shut.
  b->SetOnContextPopup(nullptr);
  menu->SetAutoPopup(false);
  headless::MouseUp(b, mbRight, {}, 3, 4);
  EXPECT_EQ(pops, 2);
}

TEST_F(MouseTest, FreeingTheCaptureOrHoveredControlForgetsIt) {
  headless::MouseDown(a, mbLeft, {}, 5, 5);
  ASSERT_EQ(GetCaptureControl(), a);
  delete a;
  a = nullptr;
  EXPECT_EQ(GetCaptureControl(), nullptr);
  headless::MouseMove(form.get(), {}, 70, 20);
  headless::MouseUp(form.get(), mbLeft, {}, 70, 20);
  EXPECT_EQ(log.Count("b:upL(10,10)"), 1);
}

TEST_F(MouseTest, AHandlerThatFreesTheFormEndsTheEventQuietly) {
  auto* f = new TForm(nullptr);
  auto* g = new TFillGraphic(f, clRed);
  g->SetParent(f);
  g->SetBounds(0, 0, 10, 10);
  g->SetOnClick([f](TObject*) { delete f; });
  EXPECT_NO_THROW(headless::Click(g, 2, 2));
  EXPECT_TRUE(headless::HandledExceptions().empty());
}

TEST_F(MouseTest, ParentlessControlsTakeInputDirectly) {
  auto lone = std::make_unique<TFillGraphic>(nullptr, clRed);
  lone->SetBounds(0, 0, 20, 20);
  EventLog l;
  WireMouse(lone.get(), l, "x");
  headless::Click(lone.get(), 3, 3);
  EXPECT_EQ(l.Count("x:click"), 1);
}

TEST_F(MouseTest, TheCursorShownIsTheHoveredControlsOrTheScreens) {
  b->SetCursor(crHandPoint);
  panel->SetCursor(crIBeam);
  headless::MouseMove(form.get(), {}, 70, 20);
  EXPECT_EQ(headless::CurrentCursor(), crHandPoint);
  headless::MouseMove(form.get(), {}, 17, 67);  // c inherits the panel's cursor
  EXPECT_EQ(headless::CurrentCursor(), crIBeam);
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(headless::CurrentCursor(), crHourGlass);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(headless::CurrentCursor(), crIBeam);
}

}  // namespace
}  // namespace vcltest
