// The tree view's scroll bars on the headless host: when they show, what a
// press on them does (scrolls, never selects), the top row kept in step
// with keys, the wheel, expanding, collapsing and deleting, and the
// horizontal bar for wide rows.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ComCtrlsTestSupport.h"

namespace comctltest {
namespace {

TPoint Centre(const TRect& R) { return Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

class TreeScrollTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    tree = Make<TTreeView>(10, 10);
    nodes = tree->Items();
    h = tree->ItemHeight();
    SetRowsFitting(5);
    tree->SetOnChange([this](TObject*, TTreeNode* n) { log += "change:" + Name(n) + " "; });
  }
  // Room for Rows whole rows (and part of one more) inside the border.
  void SetRowsFitting(int Rows) { tree->SetBounds(10, 10, 200, Rows * h + h / 2 + 4); }
  // Root nodes "n0".."n<Count-1>".
  void AddRoots(int Count) {
    for (int i = 0; i < Count; ++i) nodes->Add(nullptr, u"n" + IntToStr(i));
  }
  static std::string Name(TTreeNode* n) { return n != nullptr ? U8(n->Text()) : "nil"; }
  const TScrollBarModel& Bar(TScrollBarKind Kind) { return tree->WindowScrollBars().Bar(Kind); }
  bool Shows(TScrollBarKind Kind) { return tree->WindowScrollBars().Shown(Kind); }
  int TopRow() const {
    for (int r = 0; r < tree->RowCount(); ++r) {
      if (tree->RowNode(r) == tree->TopItem()) return r;
    }
    return -1;
  }
  // The row of the selected node is one of the whole rows shown, and the
  // vertical bar stands at the top row.
  void ExpectSelectedShownAndBarInStep(const std::string& Where) {
    int row = -1;
    for (int r = 0; r < tree->RowCount(); ++r) {
      if (tree->RowNode(r) == tree->Selected()) row = r;
    }
    EXPECT_GE(row, TopRow()) << Where;
    EXPECT_LT(row, TopRow() + tree->VisibleCount()) << Where;
    EXPECT_EQ(Bar(sbVertical).Position(), TopRow()) << Where;
  }
  TTreeView* tree = nullptr;
  TTreeNodes* nodes = nullptr;
  int h = 0;
  std::string log;
};

// The vertical bar shows while the rows do not all fit, the horizontal one
// while the widest row does not, each taking its room from the rows.
TEST_F(TreeScrollTest, BarsComeAndGoWithTheContent) {
  TTreeNode* a = nodes->Add(nullptr, u"a");
  for (int i = 0; i < 5; ++i) nodes->AddChild(a, u"child");
  const TRect inside = Rect(2, 2, tree->Width() - 2, tree->Height() - 2);
  const String wide(60, u'W');
  const struct {
    std::function<void()> Change;
    bool Vert, Horz;
    const char* What;
  } steps[] = {
      {[] {}, false, false, "one row"},
      {[&] { a->Expand(false); }, true, false, "six rows, five fit"},
      {[&] { a->Collapse(false); }, false, false, "collapsed again"},
      {[&] { a->SetText(wide); }, false, true, "a wide row"},
      {[&] { SetRowsFitting(1); }, true, true, "one row fits, but not beside the horizontal bar"},
      {[&] { a->SetText(u"a"); }, false, false, "narrow again"},
      {[&] { SetRowsFitting(5); a->Expand(false); a->Item(4)->SetText(wide); }, true, true, "both"},
      {[&] { nodes->Clear(); }, false, false, "empty"},
  };
  for (const auto& s : steps) {
    s.Change();
    EXPECT_EQ(Shows(sbVertical), s.Vert) << s.What;
    EXPECT_EQ(Shows(sbHorizontal), s.Horz) << s.What;
    TRect area = tree->RowsArea();
    EXPECT_EQ(area.Right, s.Vert ? inside.Right - ScrollBarThickness : inside.Right) << s.What;
    EXPECT_EQ(area.Bottom, (s.Horz ? tree->Height() - 2 - ScrollBarThickness : tree->Height() - 2)) << s.What;
    if (s.Vert) {
      // The bar is painted where its layout says: a raised arrow button.
      auto shot = headless::Snapshot(tree);
      TRect down = Bar(sbVertical).Layout().LineDown;
      EXPECT_EQ(PixelAt(shot, down.Left, down.Top), ColorToRGB(clBtnHighlight)) << s.What;
      EXPECT_EQ(PixelAt(shot, area.Right - 1, area.Top + 1), ColorToRGB(clWindow)) << s.What;
    }
  }
}

TEST_F(TreeScrollTest, TheVerticalRangeIsTheRowsAndAPageTheRowsThatFit) {
  AddRoots(12);
  EXPECT_EQ(Bar(sbVertical).Min(), 0);
  EXPECT_EQ(Bar(sbVertical).Max(), 11);
  EXPECT_EQ(Bar(sbVertical).PageSize(), 5);
  EXPECT_EQ(tree->VisibleCount(), 5);
  EXPECT_EQ(Bar(sbVertical).MaxPosition(), 7);
  EXPECT_EQ(Bar(sbVertical).LargeChange(), 5);
  // A press in the track below the thumb pages down.
  TScrollBarLayout l = Bar(sbVertical).Layout();
  headless::Click(tree, Centre(l.Track).X, l.Track.Bottom - 2);
  EXPECT_EQ(TopRow(), 5);
  headless::Click(tree, Centre(l.Track).X, l.Track.Bottom - 2);
  EXPECT_EQ(TopRow(), 7);  // the last page shows whole
  EXPECT_EQ(Bar(sbVertical).Position(), 7);
}

// A press on the bar's arrow scrolls one row: nothing is selected, no
// event fires, no label editing starts, not even over the selected label.
TEST_F(TreeScrollTest, AClickOnTheArrowScrollsOneRowAndSelectsNothing) {
  AddRoots(12);
  tree->SetSelected(nodes->Item(0));
  log.clear();
  bool editing = false;
  tree->SetOnEditing([&](TObject*, TTreeNode*, bool&) { editing = true; });
  int mouseDowns = 0;
  tree->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseDowns; });
  TPoint down = Centre(Bar(sbVertical).Layout().LineDown);
  headless::Click(tree, down.X, down.Y);
  EXPECT_EQ(TopRow(), 1);
  EXPECT_EQ(Bar(sbVertical).Position(), 1);
  headless::Advance(GetDoubleClickTime() + 10);
  headless::DblClick(tree, down.X, down.Y);  // two presses: two rows
  EXPECT_EQ(TopRow(), 3);
  TPoint up = Centre(Bar(sbVertical).Layout().LineUp);
  headless::Click(tree, up.X, up.Y);
  EXPECT_EQ(TopRow(), 2);
  headless::Advance(GetDoubleClickTime() + 10);
  EXPECT_EQ(Name(tree->Selected()), "n0");
  EXPECT_EQ(log, "");
  EXPECT_FALSE(editing);
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_EQ(mouseDowns, 0);
  // Held, the arrow repeats on the clock.
  headless::MouseDown(tree, mbLeft, {}, down.X, down.Y);
  headless::Advance(ScrollFirstDelay + ScrollRepeatInterval);
  headless::MouseUp(tree, mbLeft, {}, down.X, down.Y);
  EXPECT_EQ(TopRow(), 5);
  EXPECT_EQ(Name(tree->Selected()), "n0");
}

// The dragged thumb moves the top row live, to the position its offset
// stands for.
TEST_F(TreeScrollTest, ADraggedThumbMovesTopItem) {
  AddRoots(60);
  TScrollBarLayout l = Bar(sbVertical).Layout();
  TScrollRange range = Bar(sbVertical).Range();
  TPoint grab = Centre(l.Thumb);
  for (int dy : {10, 25, 40}) {
    headless::MouseDown(tree, mbLeft, {}, grab.X, grab.Y);
    headless::MouseMove(tree, {ssLeft}, grab.X, grab.Y + dy);
    int expected = PosOfThumbOffset(l, range, l.ThumbStart() - l.TrackStart() + dy);
    EXPECT_GT(expected, 0);
    EXPECT_EQ(TopRow(), expected) << "dy " << dy;
    EXPECT_EQ(Name(tree->TopItem()), "n" + std::to_string(expected));
    headless::MouseUp(tree, mbLeft, {}, grab.X, grab.Y + dy);
    EXPECT_EQ(TopRow(), expected);
    tree->SetTopItem(nodes->Item(0));
  }
  headless::MouseDown(tree, mbLeft, {}, grab.X, grab.Y);
  headless::MouseMove(tree, {ssLeft}, grab.X, grab.Y + 1000);  // beyond the end
  headless::MouseUp(tree, mbLeft, {}, grab.X, grab.Y + 1000);
  EXPECT_EQ(TopRow(), 55);
  EXPECT_EQ(tree->Selected(), nullptr);
}

// Whatever key moves the selection, the selected row stays shown and the
// bar follows the top row.
TEST_F(TreeScrollTest, KeysKeepTheSelectedNodeShownAndTheBarInStep) {
  AddRoots(30);
  TTreeNode* n3 = nodes->Item(3);
  for (int i = 0; i < 8; ++i) nodes->AddChild(n3, u"c" + IntToStr(i));
  const std::uint16_t keys[] = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN,
                                VK_NEXT, VK_NEXT, VK_NEXT, VK_END,  VK_PRIOR, VK_HOME, VK_DOWN,
                                VK_DOWN, VK_DOWN, VK_ADD,  VK_NEXT, VK_UP,    VK_LEFT, VK_LEFT};
  int step = 0;
  for (std::uint16_t key : keys) {
    headless::KeyDown(tree, key);
    ASSERT_NE(tree->Selected(), nullptr);
    ExpectSelectedShownAndBarInStep("step " + std::to_string(step++) + " key " + std::to_string(key));
  }
  headless::KeyDown(tree, VK_END);
  EXPECT_EQ(TopRow(), tree->RowCount() - tree->VisibleCount());
  headless::Type(tree, u"n");  // the search wraps round to the first n
  EXPECT_EQ(Name(tree->Selected()), "n0");
  ExpectSelectedShownAndBarInStep("search");
}

// Opening a branch by the user shows as much of it as fits, the node kept.
TEST_F(TreeScrollTest, AnOpenedBranchScrollsIntoView) {
  AddRoots(10);
  TTreeNode* n4 = nodes->Item(4);
  for (int i = 0; i < 3; ++i) nodes->AddChild(n4, u"c" + IntToStr(i));
  TTreeNode* n6 = nodes->Item(9);  // after n4's three children: n5, n6
  ASSERT_EQ(Name(n6), "n6");
  for (int i = 0; i < 9; ++i) nodes->AddChild(n6, u"d" + IntToStr(i));
  // n4 on the last whole row: its button opens three rows, all shown.
  TPoint button = Point(tree->RowsArea().Left + tree->ButtonCenterX(0), n4->DisplayRect(false).Top + h / 2);
  headless::Click(tree, button.X, button.Y);
  ASSERT_TRUE(n4->Expanded());
  EXPECT_EQ(TopRow(), 3);  // n4 n4's children ... c2 last
  // n6's nine children do not fit: n6 goes to the top.
  tree->SetSelected(n6);
  headless::KeyDown(tree, VK_RIGHT);
  EXPECT_EQ(tree->TopItem(), n6);
  // Opening by code leaves the view where it is.
  tree->SetTopItem(nodes->Item(0));
  n6->Collapse(false);
  n6->Expand(false);
  EXPECT_EQ(TopRow(), 0);
}

// TopItem is a node: rows opened, closed or deleted around it leave it on
// top, rows taken from under it give its place to its parent or to the row
// that follows, and the top never goes beyond the last page.
TEST_F(TreeScrollTest, TopItemKeepsItsNodeWhileRowsComeAndGo) {
  std::vector<TTreeNode*> n;
  for (int i = 0; i < 20; ++i) n.push_back(nodes->Add(nullptr, u"n" + IntToStr(i)));
  for (int i = 0; i < 6; ++i) nodes->AddChild(n[2], u"c" + IntToStr(i));
  for (int i = 0; i < 4; ++i) nodes->AddChild(n[10], u"d" + IntToStr(i));
  tree->SetTopItem(n[8]);
  ASSERT_EQ(Name(tree->TopItem()), "n8");
  const struct {
    std::function<void()> Change;
    const char* Top;
  } steps[] = {
      {[&] { n[2]->Expand(false); }, "n8"},           // rows above it
      {[&] { n[10]->Expand(false); }, "n8"},          // rows below it
      {[&] { tree->SetTopItem(n[10]->Item(1)); }, "d1"},
      {[&] { n[10]->Collapse(false); }, "n10"},       // hidden: the parent
      {[&] { n[2]->Collapse(false); }, "n10"},
      {[&] { n[3]->Delete(); }, "n10"},               // a row above goes
      {[&] { n[10]->Delete(); }, "n11"},              // the top row goes: the next one
      {[&] { tree->SetTopItem(n[13]); }, "n13"},
      {[&] { for (int i = 19; i >= 16; --i) n[i]->Delete(); }, "n11"},  // within the last page
      {[&] { nodes->Add(nullptr, u"new"); }, "n11"},
  };
  for (const auto& s : steps) {
    s.Change();
    EXPECT_EQ(Name(tree->TopItem()), s.Top);
    EXPECT_LE(TopRow(), tree->RowCount() - tree->VisibleCount());
    EXPECT_EQ(Bar(sbVertical).Position(), TopRow()) << s.Top;
    EXPECT_EQ(Bar(sbVertical).Max(), tree->RowCount() - 1) << s.Top;
  }
}

// Inside BeginUpdate the rows are not built; EndUpdate brings the bars.
TEST_F(TreeScrollTest, UpdatesBringTheBarsAtTheEnd) {
  nodes->BeginUpdate();
  AddRoots(40);
  nodes->EndUpdate();
  EXPECT_TRUE(Shows(sbVertical));
  EXPECT_EQ(Bar(sbVertical).Max(), 39);
  tree->SetTopItem(nodes->Item(30));
  nodes->BeginUpdate();
  for (int i = 0; i < 36; ++i) nodes->Item(0)->Delete();
  nodes->EndUpdate();
  EXPECT_FALSE(Shows(sbVertical));
  EXPECT_EQ(TopRow(), 0);
}

// The wheel scrolls three rows a notch through the vertical range.
TEST_F(TreeScrollTest, TheWheelScrollsTheRows) {
  AddRoots(12);
  headless::Wheel(tree, -WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(TopRow(), 3);
  headless::Wheel(tree, -2 * WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(TopRow(), 7);
  EXPECT_EQ(Bar(sbVertical).Position(), 7);
  headless::Wheel(tree, WHEEL_DELTA, {}, 20, 20);
  EXPECT_EQ(TopRow(), 4);
}

// A wide row brings the horizontal bar; its range is the widest row in
// pixels, a page the rows' width, and the rows move left by ScrollX.
TEST_F(TreeScrollTest, TheHorizontalBarScrollsWideRowsInPixels) {
  AddRoots(2);
  TTreeNode* wide = nodes->Add(nullptr, String(50, u'M'));
  ASSERT_TRUE(Shows(sbHorizontal));
  ASSERT_FALSE(Shows(sbVertical));
  TRect area = tree->RowsArea();
  TRect label = wide->DisplayRect(true);
  EXPECT_EQ(tree->RowsWidth(), label.Right - area.Left);
  EXPECT_EQ(Bar(sbHorizontal).Max(), tree->RowsWidth() - 1);
  EXPECT_EQ(Bar(sbHorizontal).PageSize(), area.Width());
  EXPECT_EQ(Bar(sbHorizontal).MaxPosition(), tree->RowsWidth() - area.Width());
  TPoint right = Centre(Bar(sbHorizontal).Layout().LineDown);
  headless::Click(tree, right.X, right.Y);
  int step = Bar(sbHorizontal).SmallChange();
  EXPECT_GT(step, 0);
  EXPECT_EQ(tree->ScrollX(), step);
  EXPECT_EQ(wide->DisplayRect(true).Left, label.Left - step);
  EXPECT_EQ(tree->Selected(), nullptr);
  tree->SetScrollX(100000);
  EXPECT_EQ(tree->ScrollX(), tree->RowsWidth() - area.Width());
  // The text's last column shows at the rows' right edge.
  auto shot = headless::Snapshot(tree);
  EXPECT_EQ(wide->DisplayRect(true).Right, area.Right);
  // Narrow again: no bar, no scroll.
  wide->SetText(u"m");
  EXPECT_FALSE(Shows(sbHorizontal));
  EXPECT_EQ(tree->ScrollX(), 0);
  (void)shot;
}

// Selecting a deep node far to the right scrolls its label into view.
TEST_F(TreeScrollTest, SelectingScrollsTheLabelIntoViewSideways) {
  TTreeNode* n = nodes->Add(nullptr, u"root");
  nodes->Add(nullptr, String(60, u'W'));
  for (int level = 0; level < 8; ++level) n = nodes->AddChild(n, u"deep" + IntToStr(level));
  tree->SetSelected(n);  // opens the parents too
  TRect area = tree->RowsArea();
  TRect label = n->DisplayRect(true);
  EXPECT_GT(tree->ScrollX(), 0);
  EXPECT_GE(label.Left, area.Left);
  EXPECT_LE(label.Right, area.Right);
}

// Many children: the rows are walked once, the bar's range covers them all
// and a page down reaches their end.
TEST_F(TreeScrollTest, ManyChildrenScrollByPages) {
  TTreeNode* root = nodes->Add(nullptr, u"root");
  nodes->BeginUpdate();
  for (int i = 0; i < 10000; ++i) nodes->AddChild(root, u"child " + IntToStr(i));
  nodes->EndUpdate();
  root->Expand(false);
  EXPECT_EQ(Bar(sbVertical).Max(), 10000);
  TScrollBarLayout l = Bar(sbVertical).Layout();
  headless::Click(tree, Centre(l.Track).X, l.Track.Bottom - 2);
  EXPECT_EQ(TopRow(), tree->VisibleCount());
  EXPECT_EQ(Name(tree->TopItem()), "child " + std::to_string(tree->VisibleCount() - 1));
  root->Item(9999)->MakeVisible();
  EXPECT_EQ(TopRow(), 10001 - tree->VisibleCount());
  EXPECT_EQ(root->Item(5000)->Index(), 5000);
  EXPECT_EQ(root->Item(5000)->GetNextSibling(), root->Item(5001));
}

}  // namespace
}  // namespace comctltest
