// Grid selection: keyboard movement, ranges, mouse selection, row
// selection, OnSelectCell, the wheel and the scroll bars.
#include "GridTestUtil.h"

namespace gridtest {
namespace {

class SelectionTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetColCount(6);
    Grid->SetRowCount(30);
  }
  void Key(std::uint16_t K, TShiftState S = {}) { headless::KeyDown(Grid, K, S); }
  TGridCoord Cur() const { return {Grid->Col(), Grid->Row()}; }
  // A point inside a cell that shows.
  TPoint In(int ACol, int ARow) const {
    TRect r = Grid->CellRect(ACol, ARow);
    return {r.Left + 3, r.Top + 3};
  }
};

TEST_F(SelectionTest, ArrowsMoveWithinTheScrollingCells) {
  Key(VK_LEFT);
  Key(VK_UP);
  EXPECT_EQ(Cur(), (TGridCoord{1, 1}));  // fixed cells are never current
  Key(VK_RIGHT);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(Cur(), (TGridCoord{2, 3}));
  Key(VK_END);
  EXPECT_EQ(Cur(), (TGridCoord{5, 3}));
  Key(VK_HOME);
  EXPECT_EQ(Cur(), (TGridCoord{1, 3}));
  Key(VK_END, {ssCtrl});
  EXPECT_EQ(Cur(), (TGridCoord{5, 29}));
  Key(VK_HOME, {ssCtrl});
  EXPECT_EQ(Cur(), (TGridCoord{1, 1}));
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(SelectionTest, PagesMoveByTheVisibleRowsAndScrollAlong) {
  int page = Grid->VisibleRowCount() - 1;  // last fully visible row minus the top one
  ASSERT_GT(page, 0);
  Key(VK_NEXT);
  EXPECT_EQ(Grid->Row(), 1 + page);
  EXPECT_EQ(Grid->TopRow(), 1 + page);
  Key(VK_PRIOR);
  EXPECT_EQ(Grid->Row(), 1);
  EXPECT_EQ(Grid->TopRow(), 1);
  for (int i = 0; i < 20; ++i) Key(VK_NEXT);
  EXPECT_EQ(Grid->Row(), 29);
  EXPECT_EQ(Grid->TopRow(), Grid->MaxTopLeft().Y);
  Key(VK_UP, {ssCtrl});  // scrolls without moving the current cell
  EXPECT_EQ(Grid->Row(), 29);
  EXPECT_EQ(Grid->TopRow(), Grid->MaxTopLeft().Y - 1);
}

TEST_F(SelectionTest, TabMovesOnlyWithGoTabsAndWraps) {
  Key(VK_TAB);
  EXPECT_EQ(Cur(), (TGridCoord{1, 1}));
  Grid->SetOptions(Grid->Options() << goTabs);
  Grid->SetTabStops(2, false);
  Key(VK_TAB);
  EXPECT_EQ(Cur(), (TGridCoord{3, 1}));  // column 2 is no stop
  Key(VK_END);
  Key(VK_TAB);
  EXPECT_EQ(Cur(), (TGridCoord{1, 2}));
  Key(VK_TAB, {ssShift});
  EXPECT_EQ(Cur(), (TGridCoord{5, 1}));
  EXPECT_EQ(Grid->Selection(), (TGridRect{5, 1, 5, 1}));  // Shift+Tab selects no range
}

TEST_F(SelectionTest, ShiftExtendsARangeOnlyWithGoRangeSelect) {
  Key(VK_RIGHT, {ssShift});
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 2}));
  EXPECT_EQ(Cur(), (TGridCoord{2, 2}));
  Key(VK_LEFT);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 1, 2}));
  Grid->SetOptions(Grid->Options() >> goRangeSelect);
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 3, 1, 3}));
}

TEST_F(SelectionTest, RowSelectSpansWholeRowsAndArrowsMoveRows) {
  Grid->SetOptions(Grid->Options() << goRowSelect);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 5, 1}));
  Key(VK_RIGHT);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 5, 2}));
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 5, 3}));
  Key(VK_END);
  EXPECT_EQ(Grid->Row(), 29);
}

TEST_F(SelectionTest, ClicksSelectAndShiftClicksExtend) {
  int clicks = 0;
  Grid->SetOnClick([&](TObject*) { ++clicks; });
  TPoint p = In(3, 2);
  headless::Click(Grid, p.X, p.Y);
  EXPECT_EQ(Cur(), (TGridCoord{3, 2}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(FocusedControl(), Grid);
  TPoint q = In(2, 3);
  headless::MouseDown(Grid, mbLeft, {ssShift}, q.X, q.Y);
  headless::MouseUp(Grid, mbLeft, {ssShift}, q.X, q.Y);
  EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 3, 3}));
  EXPECT_EQ(Cur(), (TGridCoord{3, 2}));  // the anchor moved, the current cell stayed
  TPoint f = In(0, 3);  // fixed cells are not selected
  headless::Click(Grid, f.X, f.Y);
  EXPECT_EQ(Cur(), (TGridCoord{3, 2}));
}

TEST_F(SelectionTest, DraggingSelectsABlock) {
  TPoint a = In(1, 1), b = In(3, 3);
  headless::MouseDown(Grid, mbLeft, {}, a.X, a.Y);
  EXPECT_EQ(Grid->GridState(), gsSelecting);
  headless::MouseMove(Grid, {ssLeft}, b.X, b.Y);
  headless::MouseUp(Grid, mbLeft, {}, b.X, b.Y);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 3}));
  EXPECT_EQ(Grid->GridState(), gsNormal);
  // Dragging below the view scrolls one row per move.
  headless::Advance(1000);  // not a double click
  headless::MouseDown(Grid, mbLeft, {}, a.X, a.Y);
  headless::MouseMove(Grid, {ssLeft}, a.X, Grid->Height() + 5);
  EXPECT_GT(Grid->TopRow(), 1);
  headless::MouseUp(Grid, mbLeft, {}, a.X, Grid->Height() + 5);
}

TEST_F(SelectionTest, OnSelectCellCanRefuseAMove) {
  Grid->SetOnSelectCell([](TObject*, int ACol, int, bool& CanSelect) { CanSelect = ACol != 2; });
  Key(VK_RIGHT);
  EXPECT_EQ(Grid->Col(), 1);
  Grid->SetCol(3);
  EXPECT_EQ(Grid->Col(), 3);
  EXPECT_THROW(Grid->SetRow(30), EInvalidGridOperation);
  EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(SelectionTest, TheWheelMovesTheCurrentRow) {
  TPoint p = In(2, 2);
  headless::Wheel(Grid, -120, {}, p.X, p.Y);
  headless::Wheel(Grid, -240, {}, p.X, p.Y);
  EXPECT_EQ(Grid->Row(), 4);
  headless::Wheel(Grid, 600, {}, p.X, p.Y);
  EXPECT_EQ(Grid->Row(), 1);
  bool handled = false;
  Grid->SetOnMouseWheelDown([&](TObject*, TShiftState, TPoint, bool& Handled) {
    Handled = true;
    handled = true;
  });
  headless::Wheel(Grid, -120, {}, p.X, p.Y);
  EXPECT_TRUE(handled);
  EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(SelectionTest, TheScrollBarScrollsByRowAndByPage) {
  int top = 0;
  Grid->SetOnTopLeftChanged([&](TObject*) { top = Grid->TopRow(); });
  int barX = Grid->Width() - GridScrollBarSize / 2;
  headless::Click(Grid, barX, Grid->Height() - 25);  // the arrow at the bottom
  EXPECT_EQ(Grid->TopRow(), 2);
  EXPECT_EQ(top, 2);
  int page = Grid->VisibleRowCount();
  headless::Click(Grid, barX, Grid->Height() - 40);  // the track below the thumb
  EXPECT_EQ(Grid->TopRow(), 2 + page);
  headless::Click(Grid, barX, 5);  // the arrow at the top
  EXPECT_EQ(Grid->TopRow(), 1 + page);
  EXPECT_EQ(Grid->Row(), 1);  // scrolling leaves the current cell alone
}

TEST_F(SelectionTest, DraggingTheThumbScrollsToTheEnd) {
  Grid->SetOptions(Grid->Options() << goThumbTracking);
  int barX = Grid->Width() - GridScrollBarSize / 2;
  int thumbY = GridScrollBarSize + 2;  // the thumb starts at the top of the track
  headless::MouseDown(Grid, mbLeft, {}, barX, thumbY);
  headless::MouseMove(Grid, {ssLeft}, barX, thumbY + 30);
  EXPECT_GT(Grid->TopRow(), 1);  // tracking scrolls while dragging
  headless::MouseMove(Grid, {ssLeft}, barX, Grid->Height() + 50);
  headless::MouseUp(Grid, mbLeft, {}, barX, Grid->Height() + 50);
  EXPECT_EQ(Grid->TopRow(), Grid->MaxTopLeft().Y);
}

}  // namespace
}  // namespace gridtest
