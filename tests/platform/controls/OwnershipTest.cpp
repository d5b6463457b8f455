// Owners and parents, geometry and layout of children.
#include "TestControls.h"
#include "platform/Menus.h"

namespace vcltest {
namespace {

// Counts its own destruction.
class TCountedControl : public TGraphicControl {
 public:
  TCountedControl(TComponent* AOwner, int* Freed) : TGraphicControl(AOwner), FFreed(Freed) {}
  ~TCountedControl() override { ++*FFreed; }

 private:
  int* FFreed;
};

using OwnershipTest = HeadlessTest;

TEST_F(OwnershipTest, AnOwnerFreesWhatItOwnsWhateverTheParents) {
  int freed = 0;
  auto* form = new TForm(nullptr);
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  auto* onPanel = new TCountedControl(form, &freed);
  onPanel->SetParent(panel);
  new TCountedControl(form, &freed);  // owned, never shown
  EXPECT_EQ(form->ComponentCount(), 3);
  delete form;
  EXPECT_EQ(freed, 2);
}

TEST_F(OwnershipTest, AFreedParentTakesItsChildrenOffTheDisplayButLeavesThemAlive) {
  int freed = 0;
  auto form = std::make_unique<TForm>(nullptr);
  auto child = std::make_unique<TCountedControl>(nullptr, &freed);
  auto* panel = new TCustomControl(form.get());
  panel->SetParent(form.get());
  child->SetParent(panel);
  EXPECT_EQ(panel->ControlCount(), 1);
  delete panel;
  EXPECT_EQ(freed, 0);
  EXPECT_EQ(child->Parent(), nullptr);
  child.reset();
  EXPECT_EQ(freed, 1);
}

TEST_F(OwnershipTest, AFreedChildLeavesItsParent) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* a = new TCustomControl(form.get());
  auto* b = new TGraphicControl(form.get());
  a->SetParent(form.get());
  b->SetParent(form.get());
  EXPECT_EQ(form->ControlCount(), 2);
  delete b;
  EXPECT_EQ(form->ControlCount(), 1);
  EXPECT_EQ(form->Controls(0), a);
  EXPECT_THROW(form->Controls(1), EListError);
  delete a;
  EXPECT_EQ(form->ControlCount(), 0);
  EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(OwnershipTest, ConstructingWithAnOwnerNeedsNoParent) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* c = new TCustomControl(form.get());
  EXPECT_EQ(c->Parent(), nullptr);
  EXPECT_EQ(c->Owner(), form.get());
  EXPECT_FALSE(c->HandleAllocated());
  c->SetParent(form.get());
  EXPECT_EQ(c->Parent(), form.get());
  EXPECT_TRUE(form->ContainsControl(c));
  c->SetParent(nullptr);
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(OwnershipTest, AParentCycleIsRefused) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* outer = new TCustomControl(form.get());
  auto* inner = new TCustomControl(form.get());
  inner->SetParent(outer);
  EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
  EXPECT_THROW(outer->SetParent(inner), EInvalidOperation);
  EXPECT_EQ(outer->Parent(), nullptr);
}

TEST_F(OwnershipTest, HandlesArePerWindowAndFollowTheParent) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* c = new TCustomControl(form.get());
  c->SetParent(form.get());
  HWND h = form->Handle();
  EXPECT_TRUE(form->HandleAllocated());
  EXPECT_TRUE(c->HandleAllocated());  // children get windows with their parent
  EXPECT_NE(c->Handle(), h);
  EXPECT_EQ(FindControl(c->Handle()), c);
  HWND ch = c->Handle();
  c->SetParent(nullptr);
  EXPECT_FALSE(IsWindow(ch));
  EXPECT_EQ(FindControl(ch), nullptr);
  // Messages sent to a window reach the control's WindowProc.
  UINT seen = 0;
  c->SetWindowProc([&seen](TMessage& m) { seen = m.Msg; });
  SendMessage(c->Handle(), WM_USER + 5, 0, 0);
  EXPECT_EQ(seen, WM_USER + 5);
}

TEST_F(OwnershipTest, CoordinatesConvertThroughTheParentChain) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(100, 200, 300, 300);
  auto* panel = new TCustomControl(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(10, 20, 100, 100);
  auto* g = new TGraphicControl(form.get());
  g->SetParent(panel);
  g->SetBounds(5, 6, 10, 10);
  EXPECT_EQ(g->ClientOrigin(), (TPoint{115, 226}));
  EXPECT_EQ(g->ClientToScreen({1, 2}), (TPoint{116, 228}));
  EXPECT_EQ(g->ScreenToClient({116, 228}), (TPoint{1, 2}));
  EXPECT_EQ(g->ClientToParent({1, 2}), (TPoint{6, 8}));
  EXPECT_EQ(g->ClientToParent({1, 2}, form.get()), (TPoint{16, 28}));
  EXPECT_EQ(g->ParentToClient({16, 28}, form.get()), (TPoint{1, 2}));
  EXPECT_EQ(g->BoundsRect(), Rect(5, 6, 15, 16));
  EXPECT_EQ(g->ClientRect(), Rect(0, 0, 10, 10));
  auto other = std::make_unique<TForm>(nullptr);
  EXPECT_THROW(g->ClientToParent({0, 0}, other.get()), EInvalidOperation);
}

TEST_F(OwnershipTest, BoundsRejectNegativeSizesAndHonourConstraints) {
  TGraphicControl g(nullptr);
  g.SetBounds(1, 2, -5, -1);
  EXPECT_EQ(g.Width(), 0);
  EXPECT_EQ(g.Height(), 0);
  g.Constraints()->SetMaxWidth(50);
  g.Constraints()->SetMinHeight(8);
  g.SetBounds(0, 0, 80, 3);
  EXPECT_EQ(g.Width(), 50);
  EXPECT_EQ(g.Height(), 8);
}

TEST_F(OwnershipTest, OnResizeFiresOnlyWhenTheSizeChanges) {
  TGraphicControl g(nullptr);
  int resized = 0;
  g.SetOnResize([&](TObject*) { ++resized; });
  g.SetBounds(0, 0, 10, 10);
  g.SetLeft(5);
  g.SetBounds(5, 0, 10, 10);
  EXPECT_EQ(resized, 1);
  g.SetWidth(11);
  EXPECT_EQ(resized, 2);
  g.SetLoading(true);
  g.SetWidth(12);
  EXPECT_EQ(resized, 2);  // not while loading
}

TEST_F(OwnershipTest, AlignedChildrenFillTheParentFromItsEdges) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(0, 0, 200, 100);
  auto add = [&](TAlign a, int w, int h) {
    auto* c = new TGraphicControl(form.get());
    c->SetBounds(0, 0, w, h);
    c->SetAlign(a);
    c->SetParent(form.get());
    return c;
  };
  auto* top = add(alTop, 10, 20);
  auto* bottom = add(alBottom, 10, 15);
  auto* left = add(alLeft, 30, 10);
  auto* right = add(alRight, 25, 10);
  auto* client = add(alClient, 1, 1);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 85, 200, 100));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 30, 85));
  EXPECT_EQ(right->BoundsRect(), Rect(175, 20, 200, 85));
  EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 175, 85));
  form->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 185, 300, 200));
  EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 275, 185));
  top->SetVisible(false);
  EXPECT_EQ(left->Top(), 0);
  EXPECT_EQ(client->BoundsRect(), Rect(30, 0, 275, 185));
}

TEST_F(OwnershipTest, TwoTopAlignedChildrenStackInTheirOrderOfPosition) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* a = new TGraphicControl(form.get());
  auto* b = new TGraphicControl(form.get());
  a->SetParent(form.get());
  b->SetParent(form.get());
  a->SetBounds(0, 50, 10, 10);
  b->SetBounds(0, 5, 10, 20);
  form->DisableAlign();
  a->SetAlign(alTop);
  b->SetAlign(alTop);
  EXPECT_EQ(a->Top(), 50);  // nothing moves while alignment is disabled
  form->EnableAlign();
  EXPECT_EQ(b->Top(), 0);
  EXPECT_EQ(a->Top(), 20);
}

TEST_F(OwnershipTest, AnchoredChildrenFollowTheEdgesTheyAreTiedTo) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(0, 0, 100, 100);
  auto* mover = new TGraphicControl(form.get());
  mover->SetParent(form.get());
  mover->SetBounds(80, 80, 10, 10);
  mover->SetAnchors({akRight, akBottom});
  auto* stretcher = new TGraphicControl(form.get());
  stretcher->SetParent(form.get());
  stretcher->SetBounds(10, 10, 50, 20);
  stretcher->SetAnchors({akLeft, akTop, akRight});
  auto* fixed = new TGraphicControl(form.get());
  fixed->SetParent(form.get());
  fixed->SetBounds(5, 5, 5, 5);
  form->SetBounds(0, 0, 130, 120);
  EXPECT_EQ(mover->BoundsRect(), Bounds(110, 100, 10, 10));
  EXPECT_EQ(stretcher->BoundsRect(), Bounds(10, 10, 80, 20));
  EXPECT_EQ(fixed->BoundsRect(), Bounds(5, 5, 5, 5));
}

TEST_F(OwnershipTest, APopupMenuReferenceIsClearedWhenTheMenuIsFreed) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* c = new TGraphicControl(form.get());
  auto* menu = new TPopupMenu(nullptr);
  c->SetPopupMenu(menu);
  EXPECT_EQ(c->PopupMenu(), menu);
  delete menu;
  EXPECT_EQ(c->PopupMenu(), nullptr);
}

TEST_F(OwnershipTest, BroadcastReachesChildrenUntilOneAnswers) {
  auto form = std::make_unique<TForm>(nullptr);
  std::vector<int> got;
  for (int i = 0; i < 3; ++i) {
    auto* c = new TGraphicControl(form.get());
    c->SetParent(form.get());
    c->SetWindowProc([&got, i](TMessage& m) {
      if (m.Msg != CM_BUTTONPRESSED) return;
      got.push_back(i);
      if (i == 1 && m.WParam == 7) m.Result = 1;
    });
  }
  TMessage m{CM_BUTTONPRESSED, 3, 0, 0};
  form->Broadcast(m);
  EXPECT_EQ(got, (std::vector<int>{0, 1, 2}));
  got.clear();
  TMessage stop{CM_BUTTONPRESSED, 7, 0, 0};
  form->Broadcast(stop);
  EXPECT_EQ(got, (std::vector<int>{0, 1}));
  EXPECT_EQ(stop.Result, 1);
}

TEST_F(OwnershipTest, PropertyChangesAnnounceThemselvesAsComponentMessages) {
  TGraphicControl g(nullptr);
  std::vector<UINT> seen;
  g.SetWindowProc([&](TMessage& m) { seen.push_back(m.Msg); });
  g.SetCaption(u"x");
  g.SetCaption(u"x");  // unchanged: nothing
  g.SetEnabled(false);
  g.SetVisible(false);
  g.SetColor(clRed);
  g.Font()->SetSize(12);
  EXPECT_EQ(seen, (std::vector<UINT>{CM_TEXTCHANGED, CM_ENABLEDCHANGED, CM_VISIBLECHANGED,
                                     CM_COLORCHANGED, CM_FONTCHANGED}));
  EXPECT_EQ(g.Text(), u"x");
  EXPECT_FALSE(g.ParentFont());
}

}  // namespace
}  // namespace vcltest

namespace vcltest {
namespace {

// The message handlers components override, with the inherited work first.
class THandlers : public TCustomControl {
 public:
  THandlers(TComponent* AOwner, EventLog& ALog) : TCustomControl(AOwner), Log(ALog) {}
  EventLog& Log;

 protected:
  void WMLButtonUp(TWMMouse& Message) override {
    TCustomControl::WMLButtonUp(Message);
    Log.Add("handler(" + std::to_string(Message.XPos) + "," + std::to_string(Message.YPos) + ")");
  }
  void CMMouseLeave(TMessage& Message) override {
    TCustomControl::CMMouseLeave(Message);
    Log.Add("leave-handler");
  }
  void WMSize(TWMSize& Message) override {
    Log.Add("size" + std::to_string(Message.Width) + "x" + std::to_string(Message.Height));
  }
};

using HandlerTest = HeadlessTest;

TEST_F(HandlerTest, OverriddenMessageHandlersRunAroundTheInheritedWork) {
  EventLog log;
  TForm form(nullptr);
  auto* h = new THandlers(&form, log);
  h->SetParent(&form);
  h->SetBounds(0, 0, 30, 20);
  WireMouse(h, log, "h");
  log.Clear();
  headless::Click(h, 4, 5);
  headless::MouseLeave(h);
  EXPECT_EQ(log.Joined(), "h:enter h:downL(4,5) h:click h:upL(4,5) handler(4,5) h:leave leave-handler");
  log.Clear();
  form.HandleNeeded();
  h->SetWidth(40);
  h->SetLeft(7);  // a move alone sends no size message
  EXPECT_EQ(log.Joined(), "size40x20");
}

TEST_F(HandlerTest, LoadingDefersParentColorFontAndAlignmentToLoaded) {
  TForm form(nullptr);
  form.SetColor(clTeal);
  form.SetBounds(0, 0, 100, 100);
  auto* c = new TCustomControl(&form);
  c->SetLoading(true);
  c->SetParent(&form);
  EXPECT_EQ(c->Color(), clWindow);  // nothing applied while reading
  form.SetLoading(true);
  c->SetAlign(alClient);
  EXPECT_EQ(c->Width(), 0);
  form.Loaded();
  c->Loaded();
  EXPECT_EQ(c->Color(), clTeal);
  EXPECT_EQ(c->BoundsRect(), Rect(0, 0, 100, 100));
  EXPECT_FALSE(c->ComponentState().Contains(csLoading));
}

TEST_F(HandlerTest, ParentFormsAreFoundThroughTheParentChain) {
  TForm form(nullptr);
  auto* panel = new TCustomControl(&form);
  panel->SetParent(&form);
  auto* g = new TGraphicControl(&form);
  g->SetParent(panel);
  EXPECT_EQ(GetParentForm(g), &form);
  EXPECT_EQ(GetParentForm(&form), &form);
  TGraphicControl alone(nullptr);
  EXPECT_EQ(GetParentForm(&alone), nullptr);
  EXPECT_THROW(ValidParentForm(&alone), EInvalidOperation);
  panel->SetShowHint(true);
  EXPECT_TRUE(g->ShowHint());  // follows the parent while ParentShowHint
  g->SetShowHint(false);
  EXPECT_FALSE(g->ParentShowHint());
}

}  // namespace
}  // namespace vcltest
