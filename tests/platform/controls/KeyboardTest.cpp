// Focus, tab order, key routing, key preview and typed text.
#include "TestControls.h"

namespace vcltest {
namespace {

// A form with three focusable key controls (tab order e1, e2, e3) and a
// container holding a fourth; e2 has no tab stop.
class KeyboardTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<TForm>(nullptr);
    e1 = Add(form.get(), "e1", 0);
    e2 = Add(form.get(), "e2", 30);
    e3 = Add(form.get(), "e3", 60);
    box = Add(form.get(), "box", 90);
    inner = Add(box, "in", 0);
    e2->SetTabStop(false);
    box->SetTabStop(false);
  }
  void TearDown() override {
    form.reset();
    HeadlessTest::TearDown();
  }
  TKeyControl* Add(TWinControl* parent, const std::string& tag, int top) {
    auto* c = new TKeyControl(form.get());
    c->SetParent(parent);
    c->SetBounds(0, top, 50, 20);
    c->SetTabStop(true);
    WireKeys(c, log, tag);
    return c;
  }

  EventLog log;
  std::unique_ptr<TForm> form;
  TKeyControl *e1 = nullptr, *e2 = nullptr, *e3 = nullptr, *box = nullptr, *inner = nullptr;
};

TEST_F(KeyboardTest, KeysGoToTheFocusedControlInOrder) {
  headless::KeyDown(e1, 'A');
  headless::KeyPress(e1, u'a');
  headless::KeyUp(e1, 'A');
  EXPECT_TRUE(e1->Focused());
  EXPECT_EQ(form->ActiveControl(), e1);
  EXPECT_EQ(Screen->ActiveControl(), e1);
  EXPECT_EQ(log.Joined(), "e1:enter e1:keydown65 e1:pressa e1:keyup65");
}

TEST_F(KeyboardTest, MovingTheFocusFiresExitAndEnterAlongTheChains) {
  e1->SetFocus();
  log.Clear();
  inner->SetFocus();
  EXPECT_EQ(log.Joined(), "e1:exit box:enter in:enter");
  log.Clear();
  e3->SetFocus();
  EXPECT_EQ(log.Joined(), "in:exit box:exit e3:enter");
  EXPECT_FALSE(inner->Focused());
  EXPECT_TRUE(e3->Focused());
}

TEST_F(KeyboardTest, FocusMessagesReachTheOldAndNewControl) {
  std::vector<std::string> seen;
  auto watch = [&](TWinControl* c, const std::string& tag) {
    c->SetWindowProc([&seen, c, tag, old = c->WindowProc()](TMessage& m) {
      if (m.Msg == WM_SETFOCUS) seen.push_back(tag + ":set");
      if (m.Msg == WM_KILLFOCUS) seen.push_back(tag + ":kill");
      old(m);
    });
    (void)c;
  };
  watch(e1, "e1");
  watch(e3, "e3");
  e1->SetFocus();
  e3->SetFocus();
  EXPECT_EQ(seen, (std::vector<std::string>{"e1:set", "e1:kill", "e3:set"}));
}

TEST_F(KeyboardTest, TabFollowsTabOrderSkippingNonStopsAndShiftTabGoesBack) {
  headless::KeyDown(e1, VK_TAB);
  EXPECT_TRUE(e1->Focused());  // e1 wants tabs (DLGC_WANTTAB): no move
  TCustomControl* plain[3];
  for (int i = 0; i < 3; ++i) {  // controls that do not ask for Tab
    plain[i] = new TFillControl(form.get(), clWhite);
    plain[i]->SetParent(form.get());
    plain[i]->SetTabStop(i != 1);
  }
  plain[0]->SetTabOrder(0);  // first of all
  plain[0]->SetFocus();
  headless::KeyDown(plain[0], VK_TAB);
  EXPECT_TRUE(e1->Focused());
  plain[2]->SetFocus();
  headless::KeyDown(plain[2], VK_TAB);  // last: wraps to the first
  EXPECT_TRUE(plain[0]->Focused());
  headless::KeyDown(plain[0], VK_TAB, {ssShift});
  EXPECT_TRUE(plain[2]->Focused());
}

TEST_F(KeyboardTest, TheTabOrderListDescendsIntoContainers) {
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{e1, e2, e3, box, inner}));
  e3->SetTabOrder(0);
  EXPECT_EQ(e3->TabOrder(), 0);
  EXPECT_EQ(e1->TabOrder(), 1);
  list.clear();
  form->GetTabOrderList(list);
  EXPECT_EQ(list.front(), e3);
  EXPECT_EQ(form->FindNextControl(e3, true, true, false), e1);
  EXPECT_EQ(form->FindNextControl(e1, true, true, false), inner);  // e2 and box have no stop
  EXPECT_EQ(form->FindNextControl(inner, true, true, false), e3);
  EXPECT_EQ(form->FindNextControl(e1, false, true, false), e3);
}

TEST_F(KeyboardTest, NextDialogControlMessageMovesTheFocus) {
  e1->SetFocus();
  form->Perform(WM_NEXTDLGCTL, 0, 0);
  EXPECT_TRUE(e3->Focused());
  form->Perform(WM_NEXTDLGCTL, 0, 0);
  EXPECT_TRUE(inner->Focused());
  form->Perform(WM_NEXTDLGCTL, 1, 0);
  EXPECT_TRUE(e3->Focused());
  form->Perform(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(e1->Handle()), 1);
  EXPECT_TRUE(e1->Focused());
}

TEST_F(KeyboardTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
  WireKeys(form.get(), log, "f");
  headless::KeyDown(e1, 'X');
  EXPECT_EQ(log.Count("f:keydown88"), 0);  // no preview yet
  form->SetKeyPreview(true);
  log.Clear();
  headless::KeyDown(e1, 'X');
  headless::KeyPress(e1, u'x');
  EXPECT_EQ(log.Joined(), "f:keydown88 e1:keydown88 f:pressx e1:pressx");
  form->SetOnKeyPress([&](TObject*, char16_t& k) {
    log.Add("f:swallow");
    k = 0;
  });
  log.Clear();
  headless::KeyPress(e1, u'y');
  EXPECT_EQ(log.Joined(), "f:swallow");
}

TEST_F(KeyboardTest, AHandlerMayChangeTheKeyTheControlSees) {
  std::uint16_t seen = 0;
  form->SetKeyPreview(true);
  form->SetOnKeyDown([](TObject*, std::uint16_t& k, TShiftState) { k = VK_RETURN; });
  e1->SetOnKeyDown([&](TObject*, std::uint16_t& k, TShiftState) { seen = k; });
  headless::KeyDown(e1, 'Q');
  EXPECT_EQ(seen, VK_RETURN);
}

TEST_F(KeyboardTest, ArrowsMoveAmongSiblingsUnlessTheControlAsksForThem) {
  auto* p1 = new TFillControl(form.get(), clWhite);
  auto* p2 = new TFillControl(form.get(), clWhite);
  p1->SetParent(box);
  p2->SetParent(box);
  EventLog keys;
  WireKeys(p1, keys, "p1");
  p1->SetFocus();
  headless::KeyDown(p1, VK_DOWN);
  EXPECT_TRUE(p2->Focused());  // among box's children, tab stops or not
  EXPECT_EQ(keys.Count("p1:keydown40"), 0);
  headless::KeyDown(inner, VK_DOWN);  // inner asks for arrows
  EXPECT_TRUE(inner->Focused());
  EXPECT_EQ(log.Count("in:keydown40"), 1);
}

TEST_F(KeyboardTest, AControlMayTakeAKeyAtTheNotificationStep) {
  class TTaker : public TKeyControl {
   public:
    using TKeyControl::TKeyControl;
    int Taken = 0;

   protected:
    void CNKeyDown(TWMKey& Message) override {
      if (Message.CharCode == VK_TAB) {
        ++Taken;
        Message.Result = 1;
        return;
      }
      TKeyControl::CNKeyDown(Message);
    }
  };
  auto* t = new TTaker(form.get());
  t->SetParent(form.get());
  EventLog l;
  WireKeys(t, l, "t");
  headless::KeyDown(t, VK_TAB);
  headless::KeyDown(t, 'B');
  EXPECT_EQ(t->Taken, 1);
  EXPECT_EQ(l.Count("t:keydown9"), 0);
  EXPECT_EQ(l.Count("t:keydown66"), 1);
}

TEST_F(KeyboardTest, TypeSendsDownPressUpWithShiftAroundShiftedCharacters) {
  EventLog l;
  TKeyControl* t = e3;
  t->SetOnKeyDown([&](TObject*, std::uint16_t& k, TShiftState s) {
    l.Add("d" + std::to_string(k) + (s.Contains(ssShift) ? "S" : ""));
  });
  t->SetOnKeyPress([&](TObject*, char16_t& c) { l.Add(std::string("p") + static_cast<char>(c)); });
  t->SetOnKeyUp([&](TObject*, std::uint16_t& k, TShiftState) { l.Add("u" + std::to_string(k)); });
  headless::Type(t, u"a$.");
  EXPECT_EQ(l.Joined(), "d65 pa u65 d16S d52S p$ u52 u16 d190 p. u190");
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(KeyboardTest, AKeyTakenAsACommandTypesNoCharacter) {
  auto* p0 = new TFillControl(form.get(), clWhite);
  auto* p1 = new TFillControl(form.get(), clWhite);
  for (auto* p : {p0, p1}) {
    p->SetParent(form.get());
    p->SetTabStop(true);
  }
  p0->SetTabOrder(0);
  p1->SetTabOrder(1);
  EventLog l;
  WireKeys(p0, l, "p0");
  WireKeys(p1, l, "p1");
  headless::Type(p0, u"a\t");
  EXPECT_TRUE(p1->Focused());  // Tab moved on and typed nothing
  EXPECT_EQ(l.Joined(), "p0:enter p0:keydown65 p0:pressa p0:keyup65 p0:exit p1:enter p1:keyup9");
  // A control that wants Tab gets the key and its character.
  log.Clear();
  headless::Type(e1, u"\t");
  EXPECT_EQ(log.Count("e1:press\t"), 1);
}

TEST_F(KeyboardTest, HidingDisablingOrFreeingTheFocusedControlMovesTheFocusAway) {
  e1->SetFocus();
  e1->SetVisible(false);
  EXPECT_FALSE(e1->Focused());
  EXPECT_EQ(form->ActiveControl(), nullptr);
  e3->SetFocus();
  e3->SetEnabled(false);
  EXPECT_FALSE(e3->Focused());
  inner->SetFocus();
  delete box;  // frees nothing it does not own, but inner leaves the display
  box = nullptr;
  EXPECT_EQ(inner->Parent(), nullptr);
  EXPECT_FALSE(inner->Focused());
  EXPECT_EQ(form->ActiveControl(), nullptr);
  delete inner;
  inner = nullptr;
  EXPECT_EQ(FocusedControl(), form.get());
}

TEST_F(KeyboardTest, ControlsThatCannotTakeTheFocusGetNoKeys) {
  e1->SetFocus();
  e3->SetEnabled(false);
  headless::KeyDown(e3, 'Z');
  headless::KeyPress(e3, u'z');
  EXPECT_EQ(log.Count("e3:keydown90"), 0);
  EXPECT_EQ(log.Count("e3:pressz"), 0);
  EXPECT_TRUE(e1->Focused());
  box->SetVisible(false);
  headless::KeyDown(inner, 'Z');
  EXPECT_EQ(log.Count("in:keydown90"), 0);
}

TEST_F(KeyboardTest, SetFocusRefusesControlsThatCannotTakeIt) {
  e1->SetVisible(false);
  EXPECT_FALSE(e1->CanFocus());
  EXPECT_THROW(e1->SetFocus(), EInvalidOperation);
  box->SetEnabled(false);
  EXPECT_FALSE(inner->CanFocus());
  EXPECT_THROW(form->SetActiveControl(inner), EInvalidOperation);
  auto other = std::make_unique<TForm>(nullptr);
  EXPECT_THROW(other->SetActiveControl(e3), EInvalidOperation);
}

TEST_F(KeyboardTest, ShowingAFormFocusesItsFirstTabStop) {
  EventLog f;
  form->SetOnShow([&](TObject*) { f.Add("show"); });
  form->SetOnActivate([&](TObject*) { f.Add("activate"); });
  form->Show();
  EXPECT_EQ(f.Joined(), "show activate");
  EXPECT_TRUE(e1->Focused());
  EXPECT_EQ(Screen->ActiveForm(), form.get());
  form->Hide();
  EXPECT_EQ(Screen->ActiveForm(), nullptr);
}

}  // namespace
}  // namespace vcltest
