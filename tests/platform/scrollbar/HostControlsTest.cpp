// The controls that scroll through TWindowScrollBars: a press on their bar
// scrolls them and never reaches their content (no caret move, no
// selection, no click), the wheel, the thumb of a grid without tracking,
// and the pick list that stays open while its bar is used.
#include "ScrollTestSupport.h"

#include "platform/Grids.h"
#include "platform/StdCtrls.h"

namespace scrolltest {
namespace {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(0, 0, 500, 400);
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }
  template <class T>
  T* Make(int Left, int Top, int Width, int Height) {
    auto* c = new T(Form.get());
    c->SetParent(Form.get());
    c->SetBounds(Left, Top, Width, Height);
    return c;
  }
  // The bar as the control shows it (painted first, so laid out).
  template <class T>
  static TScrollBarLayout Shown(T* Control, TScrollBarKind Kind) {
    headless::Snapshot(Control);
    return Control->WindowScrollBars().Bar(Kind).Layout();
  }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  static String Lines(int N) {
    String t;
    for (int i = 0; i < N; ++i) t += u"line " + FromUTF8(std::to_string(i)) + u"\n";
    return t;
  }
  std::unique_ptr<TForm> Form;
};

// ---------------------------------------------------------------- memo

TEST_F(HostTest, AClickOnTheMemosBarScrollsAndLeavesTheCaret) {
  auto* memo = Make<TMemo>(10, 10, 200, 120);
  memo->SetScrollBars(ssVertical);
  memo->SetText(Lines(40));
  memo->SetSelStart(7);
  memo->SetSelLength(3);
  TScrollBarLayout bar = Shown(memo, sbVertical);
  ASSERT_TRUE(bar.Active);
  TPoint down = Centre(bar.LineDown);
  headless::Click(memo, down.X, down.Y);
  EXPECT_EQ(memo->SelStart(), 7);
  EXPECT_EQ(memo->SelLength(), 3);
  EXPECT_TRUE(memo->Focused());
  EXPECT_EQ(memo->WindowScrollBars().Bar(sbVertical).Position(), 1);
  // The first shown line moved: the caret's line is now above the text.
  TPoint first = memo->PointOfIndex(0);
  EXPECT_LT(first.Y, memo->TextArea().Top);
  // A page below the thumb and a double click on the bar: still no caret move.
  bar = Shown(memo, sbVertical);
  headless::Advance(1000);
  headless::Click(memo, down.X, bar.Thumb.Bottom + 3);
  const TScrollBarModel& model = memo->WindowScrollBars().Bar(sbVertical);
  EXPECT_EQ(model.Position(), 1 + model.LargeChange());
  headless::DblClick(memo, down.X, down.Y);
  EXPECT_EQ(model.Position(), 3 + model.LargeChange());
  EXPECT_EQ(memo->SelStart(), 7);
  EXPECT_EQ(memo->SelLength(), 3);
  // A click in the text still places the caret.
  headless::Advance(1000);
  headless::Click(memo, memo->TextArea().Left + 1, memo->TextArea().Top + 2);
  EXPECT_EQ(memo->SelLength(), 0);
  EXPECT_EQ(memo->PointOfIndex(memo->SelStart()), Point(memo->TextArea().Left, memo->TextArea().Top));
}

TEST_F(HostTest, TheWheelScrollsTheMemoAndLeavesTheCaret) {
  auto* memo = Make<TMemo>(10, 10, 200, 120);
  memo->SetText(Lines(40));  // no bars: the wheel still scrolls
  memo->SetSelStart(3);
  int top = memo->PointOfIndex(0).Y;
  headless::Wheel(memo, -WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(memo->SelStart(), 3);
  int lineHeight = memo->PointOfIndex(memo->Lines()->Strings(0).size() + 1).Y - memo->PointOfIndex(0).Y;
  EXPECT_EQ(memo->PointOfIndex(0).Y, top - 3 * lineHeight);
}

TEST_F(HostTest, TheMemosHorizontalBarScrollsUnwrappedText) {
  auto* memo = Make<TMemo>(10, 10, 200, 120);
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssBoth);
  memo->SetText(String(200, u'w') + u"\nshort");
  memo->SetSelStart(0);
  TScrollBarLayout bar = Shown(memo, sbHorizontal);
  ASSERT_TRUE(bar.Active);
  EXPECT_FALSE(memo->WindowScrollBars().SizeBox().IsEmpty());
  TPoint right = Centre(bar.LineDown);
  headless::Click(memo, right.X, right.Y);
  EXPECT_EQ(memo->ScrollX(), memo->WindowScrollBars().Bar(sbHorizontal).SmallChange());
  EXPECT_EQ(memo->SelStart(), 0);
  // Word-wrapped text has nothing to scroll sideways: a grayed bar.
  memo->SetWordWrap(true);
  EXPECT_FALSE(Shown(memo, sbHorizontal).Active);
  EXPECT_TRUE(Shown(memo, sbVertical).Active);
}

// ---------------------------------------------------------------- list box

TEST_F(HostTest, AClickOnTheListBoxArrowScrollsOneItemAndSelectsNothing) {
  auto* list = Make<TListBox>(10, 10, 121, 97);
  for (int i = 0; i < 30; ++i) list->Items()->Add(u"item " + FromUTF8(std::to_string(i)));
  list->SetItemIndex(2);
  int clicks = 0;
  list->SetOnClick([&](TObject*) { ++clicks; });
  TScrollBarLayout bar = Shown(list, sbVertical);
  TPoint down = Centre(bar.LineDown);
  headless::Click(list, down.X, down.Y);
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks, 0);
  // Held, it repeats on the clock.
  headless::MouseDown(list, mbLeft, {}, down.X, down.Y);
  headless::Advance(ScrollFirstDelay + 2 * ScrollRepeatInterval);
  headless::MouseUp(list, mbLeft, {}, down.X, down.Y);
  EXPECT_EQ(list->TopIndex(), 5);
  EXPECT_EQ(list->ItemIndex(), 2);
  // The items end where the bar begins.
  EXPECT_EQ(list->ItemRect(0).Right, bar.Bar.Left);
}

TEST_F(HostTest, TheListBoxThumbTracksLive) {
  auto* list = Make<TListBox>(10, 10, 121, 97);
  for (int i = 0; i < 30; ++i) list->Items()->Add(u"item");
  TScrollBarLayout bar = Shown(list, sbVertical);
  TPoint grab = Centre(bar.Thumb);
  headless::MouseDown(list, mbLeft, {}, grab.X, grab.Y);
  headless::MouseMove(list, {ssLeft}, grab.X, grab.Y + 500);
  EXPECT_EQ(list->TopIndex(), list->WindowScrollBars().Bar(sbVertical).MaxPosition());
  headless::MouseUp(list, mbLeft, {}, grab.X, grab.Y + 500);
  EXPECT_EQ(list->ItemIndex(), -1);
}

// ---------------------------------------------------------------- grid

class TBarGrid : public TDrawGrid {
 public:
  using TDrawGrid::TDrawGrid;
};

TEST_F(HostTest, AClickOnTheGridArrowsScrollsOneRowOrColumn) {
  auto* grid = Make<TBarGrid>(10, 10, 320, 120);
  grid->SetColCount(20);
  grid->SetRowCount(50);
  TScrollBarLayout v = Shown(grid, sbVertical);
  TScrollBarLayout h = Shown(grid, sbHorizontal);
  ASSERT_TRUE(v.Active && h.Active);
  TPoint down = Centre(v.LineDown);
  headless::Click(grid, down.X, down.Y);
  EXPECT_EQ(grid->TopRow(), 2);
  TPoint right = Centre(h.LineDown);
  headless::Click(grid, right.X, right.Y);
  EXPECT_EQ(grid->LeftCol(), 2);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->Col(), 1);
  // The corner between the bars takes the press and does nothing.
  TPoint box = Centre(grid->WindowScrollBars().SizeBox());
  headless::Click(grid, box.X, box.Y);
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(grid->LeftCol(), 2);
}

TEST_F(HostTest, WithoutThumbTrackingTheGridScrollsWhenTheThumbIsDropped) {
  auto* grid = Make<TBarGrid>(10, 10, 320, 120);
  grid->SetRowCount(50);
  TScrollBarLayout v = Shown(grid, sbVertical);
  TScrollRange range = grid->WindowScrollBars().Bar(sbVertical).Range();
  int dropped = PosOfThumbOffset(v, range, v.ThumbStart() - v.TrackStart() + 30);
  ASSERT_GT(dropped, 0);
  TPoint grab = Centre(v.Thumb);
  headless::MouseDown(grid, mbLeft, {}, grab.X, grab.Y);
  headless::MouseMove(grid, {ssLeft}, grab.X, grab.Y + 30);
  EXPECT_EQ(grid->TopRow(), 1);
  // The thumb shows at the position the mouse stands for.
  TScrollBarLayout dragged = grid->WindowScrollBars().Bar(sbVertical).Layout();
  EXPECT_EQ(dragged.ThumbStart() - dragged.TrackStart(), ThumbOffsetOfPos(v, range, dropped));
  headless::MouseUp(grid, mbLeft, {}, grab.X, grab.Y + 30);
  EXPECT_EQ(grid->TopRow(), 1 + dropped);
}

TEST_F(HostTest, TheWheelOverTheGridsBarScrollsTheView) {
  auto* grid = Make<TBarGrid>(10, 10, 320, 120);
  grid->SetRowCount(50);
  TScrollBarLayout v = Shown(grid, sbVertical);
  TPoint on = Centre(v.Track);
  headless::Wheel(grid, -WHEEL_DELTA, {}, on.X, on.Y);
  EXPECT_EQ(grid->TopRow(), 4);
  EXPECT_EQ(grid->Row(), 1);
  headless::Wheel(grid, -WHEEL_DELTA, {}, 100, 50);  // over the cells: the current row moves
  EXPECT_EQ(grid->Row(), 2);
}

// ---------------------------------------------------------------- pick list

TEST_F(HostTest, ThePickListScrollsByItsBarAndStaysOpen) {
  auto* list = Make<TPopupListbox>(10, 10, 120, 10);
  for (int i = 0; i < 20; ++i) list->Items()->Add(u"pick " + FromUTF8(std::to_string(i)));
  list->SetHeight(5 * list->ItemHeight() + 2);
  list->Show();
  int closed = 0;
  list->OnCloseUp = [&](bool) { ++closed; };
  TScrollBarLayout bar = Shown(list, sbVertical);
  ASSERT_TRUE(bar.Active);
  TPoint down = Centre(bar.LineDown);
  headless::Click(list, down.X, down.Y);
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(closed, 0);
  EXPECT_EQ(list->ItemAtPos(down.X, down.Y), -1);
  headless::Click(list, 5, 3);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(list->ItemIndex(), 1);
}

}  // namespace
}  // namespace scrolltest
