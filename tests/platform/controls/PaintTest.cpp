// Invalidation, the paint cycle, clipping, z-order, PaintTo and snapshots.
#include "TestControls.h"

namespace vcltest {
namespace {

const TColor kFace = ColorToRGB(clBtnFace);

class PaintTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 120, 90);
  }
  void TearDown() override {
    form.reset();
    HeadlessTest::TearDown();
  }
  template <class T>
  T* Place(T* ctl, TWinControl* parent, int l, int t, int w, int h) {
    ctl->SetParent(parent);
    ctl->SetBounds(l, t, w, h);
    return ctl;
  }
  std::unique_ptr<TForm> form;
};

TEST_F(PaintTest, AWindowedControlPaintsItsAreaAndNothingAround) {
  auto* red = Place(new TFillControl(form.get(), clRed), form.get(), 10, 20, 30, 15);
  auto shot = headless::Snapshot(red);
  ASSERT_EQ(shot->Width(), 30);
  ASSERT_EQ(shot->Height(), 15);
  EXPECT_EQ(PixelAt(shot, 0, 0), clRed);
  EXPECT_EQ(PixelAt(shot, 29, 14), clRed);
  auto all = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(all, 10, 20), clRed);
  EXPECT_EQ(PixelAt(all, 39, 34), clRed);
  // The ring just outside keeps the form's face color.
  EXPECT_EQ(PixelAt(all, 9, 20), kFace);
  EXPECT_EQ(PixelAt(all, 40, 34), kFace);
  EXPECT_EQ(PixelAt(all, 10, 19), kFace);
  EXPECT_EQ(PixelAt(all, 39, 35), kFace);
}

TEST_F(PaintTest, AGraphicControlPaintsAtItsOffsetAndCannotLeaveItsBounds) {
  auto* g = Place(new TFillGraphic(form.get(), clBlue), form.get(), 50, 40, 20, 10);
  auto all = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(all, 50, 40), clBlue);
  EXPECT_EQ(PixelAt(all, 69, 49), clBlue);
  EXPECT_EQ(PixelAt(all, 49, 40), kFace);
  EXPECT_EQ(PixelAt(all, 70, 49), kFace);
  EXPECT_EQ(PixelAt(all, 50, 39), kFace);
  EXPECT_EQ(PixelAt(all, 69, 50), kFace);
  EXPECT_EQ(g->PaintCount, 1);
}

TEST_F(PaintTest, ChildrenAreClippedToTheirParents) {
  auto* panel = Place(new TFillControl(form.get(), clWhite), form.get(), 10, 10, 40, 30);
  // Hangs 10 pixels over the panel's right and bottom edges.
  Place(new TFillGraphic(form.get(), clLime), panel, 30, 20, 20, 20);
  auto all = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(all, 10 + 30, 10 + 20), clLime);
  EXPECT_EQ(PixelAt(all, 10 + 39, 10 + 29), clLime);
  EXPECT_EQ(PixelAt(all, 10 + 40, 10 + 29), kFace);  // beyond the panel
  EXPECT_EQ(PixelAt(all, 10 + 39, 10 + 30), kFace);
  EXPECT_EQ(PixelAt(all, 10 + 29, 10 + 20), clWhite);
}

TEST_F(PaintTest, LaterSiblingsPaintOverEarlierOnesAndWindowsOverGraphics) {
  auto* win = Place(new TFillControl(form.get(), clYellow), form.get(), 0, 0, 20, 20);
  auto* first = Place(new TFillGraphic(form.get(), clRed), form.get(), 10, 0, 20, 20);
  auto* second = Place(new TFillGraphic(form.get(), clBlue), form.get(), 20, 0, 20, 20);
  auto shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 25, 5), clBlue);    // second over first
  EXPECT_EQ(PixelAt(shot, 15, 5), clYellow);  // the window over the graphic
  first->BringToFront();
  shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 25, 5), clRed);
  first->SendToBack();
  shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 25, 5), clBlue);
  EXPECT_EQ(form->Controls(0), first);  // graphic children first, in z-order
  EXPECT_EQ(form->Controls(1), second);
  EXPECT_EQ(form->Controls(2), win);
}

TEST_F(PaintTest, InvalidatePaintsAtTheNextMessageProcessingOfAShownForm) {
  auto* c = Place(new TFillControl(form.get(), clRed), form.get(), 0, 0, 10, 10);
  form->Show();
  Application->ProcessMessages();
  int painted = c->PaintCount;
  EXPECT_GE(painted, 1);
  c->Fill = clGreen;
  c->Invalidate();
  c->Invalidate();
  EXPECT_EQ(c->PaintCount, painted);  // nothing yet
  Application->ProcessMessages();
  EXPECT_EQ(c->PaintCount, painted + 1);  // once for both requests
  Application->ProcessMessages();
  EXPECT_EQ(c->PaintCount, painted + 1);
  EXPECT_EQ(PixelAt(headless::Snapshot(c), 5, 5), clGreen);
}

TEST_F(PaintTest, AHiddenFormPaintsOnlyWhenItsPixelsAreWanted) {
  auto* c = Place(new TFillControl(form.get(), clRed), form.get(), 0, 0, 10, 10);
  Application->ProcessMessages();
  EXPECT_EQ(c->PaintCount, 0);
  headless::Snapshot(form.get());
  EXPECT_EQ(c->PaintCount, 1);
  headless::Snapshot(form.get());
  EXPECT_EQ(c->PaintCount, 1);  // nothing was invalidated since
}

TEST_F(PaintTest, OnlyTheInvalidAreaIsPainted) {
  auto* left = Place(new TFillGraphic(form.get(), clRed), form.get(), 0, 0, 10, 10);
  auto* right = Place(new TFillGraphic(form.get(), clBlue), form.get(), 50, 0, 10, 10);
  headless::Snapshot(form.get());
  left->Invalidate();
  headless::Snapshot(form.get());
  EXPECT_EQ(left->PaintCount, 2);
  EXPECT_EQ(right->PaintCount, 1);
}

TEST_F(PaintTest, RepaintAndUpdatePaintAtOnce) {
  auto* c = Place(new TFillControl(form.get(), clRed), form.get(), 0, 0, 10, 10);
  headless::Snapshot(form.get());
  c->Repaint();
  EXPECT_EQ(c->PaintCount, 2);
  c->Invalidate();
  c->Update();
  EXPECT_EQ(c->PaintCount, 3);
  c->Refresh();
  EXPECT_EQ(c->PaintCount, 4);
}

TEST_F(PaintTest, HidingMovingAndRecoloringRepaintTheAreasConcerned) {
  auto* g = Place(new TFillGraphic(form.get(), clRed), form.get(), 0, 0, 10, 10);
  EXPECT_EQ(PixelAt(headless::Snapshot(form.get()), 5, 5), clRed);
  g->SetLeft(30);
  auto shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 5, 5), kFace);
  EXPECT_EQ(PixelAt(shot, 35, 5), clRed);
  g->SetVisible(false);
  EXPECT_EQ(PixelAt(headless::Snapshot(form.get()), 35, 5), kFace);
  form->SetColor(clNavy);
  EXPECT_EQ(PixelAt(headless::Snapshot(form.get()), 35, 5), clNavy);
}

TEST_F(PaintTest, ParentColorFollowsTheParentUntilSetOwnColor) {
  auto* panel = Place(new TCustomControl(form.get()), form.get(), 0, 0, 20, 20);
  EXPECT_TRUE(panel->ParentColor());
  EXPECT_EQ(panel->Color(), clBtnFace);
  form->SetColor(clTeal);
  EXPECT_EQ(panel->Color(), clTeal);
  EXPECT_EQ(PixelAt(headless::Snapshot(panel), 3, 3), clTeal);
  panel->SetColor(clMaroon);
  EXPECT_FALSE(panel->ParentColor());
  form->SetColor(clOlive);
  EXPECT_EQ(panel->Color(), clMaroon);
  EXPECT_EQ(PixelAt(headless::Snapshot(panel), 3, 3), clMaroon);
  panel->SetParentColor(true);
  EXPECT_EQ(panel->Color(), clOlive);
}

TEST_F(PaintTest, ParentFontFollowsTheParentUntilTheFontIsChanged) {
  auto* panel = Place(new TCustomControl(form.get()), form.get(), 0, 0, 20, 20);
  auto* inner = Place(new TFillGraphic(form.get(), clRed), panel, 0, 0, 5, 5);
  form->Font()->SetSize(14);
  EXPECT_EQ(panel->Font()->Size(), 14);
  EXPECT_EQ(inner->Font()->Size(), 14);
  EXPECT_TRUE(inner->ParentFont());
  inner->Font()->SetName(u"Courier");
  EXPECT_FALSE(inner->ParentFont());
  form->Font()->SetSize(20);
  EXPECT_EQ(inner->Font()->Size(), 14);
  EXPECT_EQ(panel->Font()->Size(), 20);
}

TEST_F(PaintTest, PaintToDrawsTheControlAndItsChildrenOnAnyCanvas) {
  auto* panel = Place(new TFillControl(form.get(), clWhite), form.get(), 10, 10, 30, 20);
  Place(new TFillGraphic(form.get(), clRed), panel, 5, 5, 4, 4);
  TBitmap target(50, 50);
  target.Canvas()->Brush()->SetColor(clBlack);
  target.Canvas()->FillRect(Rect(0, 0, 50, 50));
  panel->PaintTo(target.Canvas(), 3, 4);
  TCanvas* c = target.Canvas();
  EXPECT_EQ(c->Pixels(3, 4), clWhite);
  EXPECT_EQ(c->Pixels(32, 23), clWhite);
  EXPECT_EQ(c->Pixels(33, 23), clBlack);
  EXPECT_EQ(c->Pixels(3 + 5, 4 + 5), clRed);
  EXPECT_EQ(c->Pixels(3 + 8, 4 + 8), clRed);
  EXPECT_EQ(c->Pixels(3 + 9, 4 + 9), clWhite);
  EXPECT_EQ(c->Pixels(2, 4), clBlack);
}

TEST_F(PaintTest, ParentlessControlsArePaintedAlone) {
  TFillControl window(nullptr, clRed);
  window.SetBounds(0, 0, 8, 6);
  auto shot = headless::Snapshot(window);
  EXPECT_EQ(shot->Width(), 8);
  EXPECT_EQ(PixelAt(shot, 7, 5), clRed);

  TFillGraphic graphic(nullptr, clBlue);
  graphic.SetBounds(100, 100, 5, 5);  // its position does not matter alone
  EXPECT_EQ(PixelAt(headless::Snapshot(graphic), 4, 4), clBlue);

  TGraphicControl plain(nullptr);
  plain.SetBounds(0, 0, 3, 3);
  plain.SetColor(clGreen);
  EXPECT_EQ(PixelAt(headless::Snapshot(plain), 1, 1), clGreen);

  TGraphicControl empty(nullptr);
  auto none = headless::Snapshot(empty);
  EXPECT_EQ(none->Width(), 0);
}

TEST_F(PaintTest, DrawingOutsideThePaintCycleShowsAtTheControlsPlace) {
  auto* g = Place(new TGraphicControl(form.get()), form.get(), 20, 30, 10, 10);
  headless::Snapshot(form.get());
  TCanvas* canvas = g->Canvas();
  canvas->Brush()->SetColor(clFuchsia);
  canvas->FillRect(Rect(-5, -5, 50, 50));  // clipped to the control
  auto shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 20, 30), clFuchsia);
  EXPECT_EQ(PixelAt(shot, 29, 39), clFuchsia);
  EXPECT_EQ(PixelAt(shot, 30, 39), kFace);
  EXPECT_EQ(PixelAt(shot, 19, 30), kFace);
  // A hidden control draws nowhere.
  g->SetVisible(false);
  headless::Snapshot(form.get());
  canvas = g->Canvas();
  canvas->Brush()->SetColor(clLime);
  canvas->FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(PixelAt(headless::Snapshot(form.get()), 25, 35), kFace);
}

TEST_F(PaintTest, AFailingPaintIsReportedAndTheRestStillPaints) {
  class TBroken : public TGraphicControl {
   public:
    using TGraphicControl::TGraphicControl;

   protected:
    void Paint() override { throw EInvalidOperation(u"paint failed"); }
  };
  Place(new TBroken(form.get()), form.get(), 0, 0, 10, 10);
  auto* after = Place(new TFillGraphic(form.get(), clRed), form.get(), 20, 0, 10, 10);
  auto shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 25, 5), clRed);
  EXPECT_EQ(after->PaintCount, 1);
  ASSERT_EQ(headless::HandledExceptions().size(), 1u);
  EXPECT_EQ(headless::HandledExceptions()[0], u"paint failed");
}

TEST_F(PaintTest, TheFormsOnPaintDrawsOverItsBackground) {
  form->SetOnPaint([this](TObject*) {
    form->Canvas()->Brush()->SetColor(clAqua);
    form->Canvas()->FillRect(Rect(0, 0, 5, 5));
  });
  auto shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 4, 4), clAqua);
  EXPECT_EQ(PixelAt(shot, 5, 5), kFace);
}

TEST_F(PaintTest, ResizingAFormResizesWhatIsShown) {
  form->SetBounds(0, 0, 40, 30);
  auto shot = headless::Snapshot(form.get());
  EXPECT_EQ(shot->Width(), 40);
  EXPECT_EQ(shot->Height(), 30);
  EXPECT_EQ(PixelAt(shot, 39, 29), kFace);
  form->SetClientWidth(70);
  EXPECT_EQ(form->Width(), 70);
  shot = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(shot, 69, 29), kFace);
}

TEST_F(PaintTest, AControlMovedToAnotherParentPaintsThere) {
  auto other = std::make_unique<TForm>(nullptr);
  other->SetColor(clWhite);
  auto* g = Place(new TFillGraphic(form.get(), clRed), form.get(), 0, 0, 10, 10);
  headless::Snapshot(form.get());
  g->SetParent(other.get());
  EXPECT_EQ(PixelAt(headless::Snapshot(form.get()), 5, 5), kFace);
  EXPECT_EQ(PixelAt(headless::Snapshot(other.get()), 5, 5), clRed);
  EXPECT_EQ(PixelAt(headless::Snapshot(g), 5, 5), clRed);
}

}  // namespace
}  // namespace vcltest
