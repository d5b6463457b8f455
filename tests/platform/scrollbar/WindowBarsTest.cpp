// The bars a control embeds, built as the recipe in ScrollBar.h says: where
// they lie, that a press on them never reaches the content, the size box,
// the wheel and the capture.
#include "ScrollTestSupport.h"

namespace scrolltest {
namespace {

// A view of Rows rows of 10 pixels and Columns pixels of width inside a
// two-pixel border.
class TBarView : public TCustomControl {
 public:
  explicit TBarView(TComponent* AOwner) : TCustomControl(AOwner) {
    FBars.SetOnScroll([this](TScrollBarKind Kind, TScrollCode Code, int& Pos) {
      Codes.push_back(Code);
      if (Code == scEndScroll) return;
      (Kind == sbVertical ? Top : Left) = Pos;
    });
  }
  int Rows = 100, Columns = 300, Top = 0, Left = 0;
  int ContentPresses = 0, ContentMoves = 0;
  std::vector<TScrollCode> Codes;
  TWindowScrollBars& Bars() { return FBars; }

  void SyncBars() {
    FBars.SetArea(Rect(2, 2, Width() - 2, Height() - 2));
    TRect area = FBars.Area();
    bool v = Rows * 10 > area.Height();
    bool h = Columns > area.Width() - (v ? ScrollBarThickness : 0);
    v = v || Rows * 10 > area.Height() - (h ? ScrollBarThickness : 0);
    FBars.SetShown(h, v);
    TRect c = FBars.ContentRect();
    FBars.SetRange(sbVertical, {0, Rows - 1, c.Height() / 10, Top});
    FBars.SetSteps(sbVertical, 1, c.Height() / 10);
    FBars.SetRange(sbHorizontal, {0, Columns - 1, c.Width(), Left});
    FBars.SetSteps(sbHorizontal, 8, c.Width());
  }

 protected:
  void Paint() override {
    SyncBars();
    Canvas()->Brush()->SetColor(clWindow);
    Canvas()->FillRect(FBars.ContentRect());
    FBars.Paint(*Canvas());
  }
  void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
    SyncBars();
    if (FBars.MouseDown(B, {X, Y})) return;
    ++ContentPresses;
    TCustomControl::MouseDown(B, S, X, Y);
  }
  void MouseMove(TShiftState S, int X, int Y) override {
    if (FBars.MouseMove({X, Y})) return;
    ++ContentMoves;
    TCustomControl::MouseMove(S, X, Y);
  }
  void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override {
    if (FBars.MouseUp(B, {X, Y})) return;
    TCustomControl::MouseUp(B, S, X, Y);
  }
  bool DoMouseWheel(TShiftState S, int Delta, TPoint MousePos) override {
    return TCustomControl::DoMouseWheel(S, Delta, MousePos) || FBars.MouseWheel(Delta);
  }

 private:
  TWindowScrollBars FBars{this};
};

class WindowBarsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(0, 0, 400, 400);
    View = new TBarView(Form.get());
    View->SetParent(Form.get());
    View->SetBounds(10, 10, 200, 150);
    View->SyncBars();
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  std::unique_ptr<TForm> Form;
  TBarView* View = nullptr;
};

TEST_F(WindowBarsTest, BarsLieAlongTheRightAndBottomWithTheSizeBoxBetween) {
  TWindowScrollBars& b = View->Bars();
  const int s = ScrollBarThickness;
  EXPECT_EQ(b.BarRect(sbVertical), Rect(198 - s, 2, 198, 148 - s));
  EXPECT_EQ(b.BarRect(sbHorizontal), Rect(2, 148 - s, 198 - s, 148));
  EXPECT_EQ(b.SizeBox(), Rect(198 - s, 148 - s, 198, 148));
  EXPECT_EQ(b.ContentRect(), Rect(2, 2, 198 - s, 148 - s));
  View->Columns = 10;  // fits: only the vertical bar
  View->SyncBars();
  EXPECT_TRUE(b.Shown(sbVertical));
  EXPECT_FALSE(b.Shown(sbHorizontal));
  EXPECT_EQ(b.BarRect(sbVertical), Rect(198 - s, 2, 198, 148));
  EXPECT_TRUE(b.SizeBox().IsEmpty());
  EXPECT_EQ(b.ContentRect(), Rect(2, 2, 198 - s, 148));
  b.SetScrollBars(ssHorizontal);  // the style forbids the vertical bar
  EXPECT_FALSE(b.Shown(sbVertical));
  EXPECT_EQ(b.ContentRect(), b.Area());
  b.SetScrollBars(ssNone);
  View->Columns = 1000;
  View->SyncBars();
  EXPECT_EQ(b.ContentRect(), b.Area());
  EXPECT_FALSE(b.OnBars({190, 140}));
}

TEST_F(WindowBarsTest, APressOnABarScrollsAndNeverReachesTheContent) {
  TRect v = View->Bars().BarRect(sbVertical);
  TPoint arrow{Centre(v).X, v.Bottom - 5};
  headless::Click(View, arrow.X, arrow.Y);
  EXPECT_EQ(View->Top, 1);
  EXPECT_EQ(View->ContentPresses, 0);
  EXPECT_EQ(View->Codes, (std::vector<TScrollCode>{scLineDown, scEndScroll}));
  TRect h = View->Bars().BarRect(sbHorizontal);
  headless::Click(View, h.Right - 5, Centre(h).Y);
  EXPECT_EQ(View->Left, 8);
  TPoint box = Centre(View->Bars().SizeBox());
  headless::Click(View, box.X, box.Y);
  headless::MouseDown(View, mbRight, {}, arrow.X, arrow.Y);
  headless::MouseUp(View, mbRight, {}, arrow.X, arrow.Y);
  EXPECT_EQ(View->ContentPresses, 0);
  EXPECT_EQ(View->Top, 1);
  headless::Click(View, 20, 20);
  EXPECT_EQ(View->ContentPresses, 1);
}

TEST_F(WindowBarsTest, TheBarHoldsTheMouseUntilTheRelease) {
  TRect v = View->Bars().BarRect(sbVertical);
  TScrollBarLayout l = View->Bars().Bar(sbVertical).Layout();
  TPoint grab = Centre(l.Thumb);
  headless::MouseDown(View, mbLeft, {}, grab.X, grab.Y);
  EXPECT_EQ(GetCaptureControl(), View);
  headless::MouseMove(View, {ssLeft}, grab.X - 60, grab.Y + 30);  // over the content
  EXPECT_EQ(View->ContentMoves, 0);
  EXPECT_GT(View->Top, 0);
  headless::MouseUp(View, mbLeft, {}, grab.X, v.Bottom + 400);
  EXPECT_EQ(GetCaptureControl(), nullptr);
  EXPECT_EQ(View->Top, View->Bars().Bar(sbVertical).MaxPosition());
  EXPECT_EQ(View->Codes.back(), scEndScroll);
  headless::MouseMove(View, {}, 20, 20);
  EXPECT_EQ(View->ContentMoves, 1);
}

TEST_F(WindowBarsTest, TheWheelScrollsTheVerticalRangeEvenWithoutItsBar) {
  headless::Wheel(View, -WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(View->Top, 3);
  View->Bars().SetScrollBars(ssNone);
  headless::Wheel(View, -WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(View->Top, 6);
  View->Rows = 1;  // nothing to scroll vertically: the wheel goes sideways
  View->SyncBars();
  headless::Wheel(View, -WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(View->Left, 24);
}

TEST_F(WindowBarsTest, ADisabledViewsBarsIgnoreTheMouse) {
  TRect v = View->Bars().BarRect(sbVertical);
  View->SetEnabled(false);
  View->Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(Centre(v).X, v.Bottom - 5));
  View->Perform(WM_LBUTTONUP, 0, MAKELPARAM(Centre(v).X, v.Bottom - 5));
  EXPECT_EQ(View->Top, 0);
  EXPECT_EQ(View->ContentPresses, 0);
  EXPECT_FALSE(View->Bars().Bar(sbVertical).Layout().Active);
}

TEST_F(WindowBarsTest, BarsAreDrawnInsideTheArea) {
  auto shot = headless::Snapshot(View);
  TWindowScrollBars& b = View->Bars();
  TScrollBarLayout v = b.Bar(sbVertical).Layout();
  TScrollBarLayout h = b.Bar(sbHorizontal).Layout();
  auto at = [&](TPoint P) { return shot->Canvas()->Pixels(P.X, P.Y); };
  EXPECT_EQ(at(Centre(v.LineUp)), ColorToRGB(clBtnText));
  EXPECT_EQ(at(Centre(v.Thumb)), ColorToRGB(clBtnFace));
  EXPECT_EQ(at(Centre(h.LineDown)), ColorToRGB(clBtnText));
  EXPECT_EQ(at({h.Track.Right - 2, Centre(h.Track).Y}), ColorToRGB(clScrollBar));
  EXPECT_EQ(at(Centre(b.SizeBox())), ColorToRGB(clBtnFace));
  EXPECT_EQ(at({v.Bar.Left - 1, 40}), ColorToRGB(clWindow));
}

}  // namespace
}  // namespace scrolltest
