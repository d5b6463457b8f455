// Grid layout: defaults, cell rectangles, hit-testing, scrolling limits,
// scroll bars and the sizes of an axis.
#include "GridTestUtil.h"

namespace gridtest {
namespace {

using LayoutTest = GridTest;

TEST_F(LayoutTest, ANewGridHasTheFrameworkDefaults) {
  EXPECT_EQ(Grid->ColCount(), 5);
  EXPECT_EQ(Grid->RowCount(), 5);
  EXPECT_EQ(Grid->FixedCols(), 1);
  EXPECT_EQ(Grid->FixedRows(), 1);
  EXPECT_EQ(Grid->DefaultColWidth(), 64);
  EXPECT_EQ(Grid->DefaultRowHeight(), 24);
  EXPECT_EQ(Grid->GridLineWidth(), 1);
  EXPECT_TRUE(Grid->Options() == TGridOptions({goFixedVertLine, goFixedHorzLine, goVertLine,
                                               goHorzLine, goRangeSelect}));
  EXPECT_EQ(Grid->Color(), clWindow);
  EXPECT_EQ(Grid->FixedColor(), clBtnFace);
  EXPECT_TRUE(Grid->DefaultDrawing());
  EXPECT_EQ(Grid->ScrollBars(), ssBoth);
  EXPECT_EQ(Grid->Width(), 320);
  EXPECT_EQ(Grid->Height(), 120);
  EXPECT_EQ(Grid->Row(), 1);
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_EQ(Grid->TopRow(), 1);
  EXPECT_EQ(Grid->LeftCol(), 1);
  EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(LayoutTest, CellRectLeavesOutTheFollowingLine) {
  // 5 columns of 64 plus lines do not fit 320 pixels: the last is cut.
  EXPECT_EQ(Grid->CellRect(0, 0), TRect(0, 0, 64, 24));
  EXPECT_EQ(Grid->CellRect(1, 0), TRect(65, 0, 129, 24));
  EXPECT_EQ(Grid->CellRect(2, 3), TRect(130, 75, 194, 99));
  Grid->SetGridLineWidth(3);
  EXPECT_EQ(Grid->CellRect(2, 1), TRect(134, 27, 198, 51));
  // Without lines in a direction the cells touch.
  Grid->SetOptions({goFixedHorzLine, goHorzLine});
  EXPECT_EQ(Grid->CellRect(2, 1), TRect(128, 27, 192, 51));
}

TEST_F(LayoutTest, OwnSizesMoveTheFollowingCells) {
  Grid->SetColWidths(1, 10);
  Grid->SetRowHeights(2, 40);
  EXPECT_EQ(Grid->ColWidths(1), 10);
  EXPECT_EQ(Grid->ColWidths(2), 64);
  EXPECT_EQ(Grid->CellRect(2, 3), TRect(76, 91, 140, 115));
  // A new default replaces every own size.
  Grid->SetDefaultRowHeight(20);
  EXPECT_EQ(Grid->RowHeights(2), 20);
  EXPECT_EQ(Grid->CellRect(2, 3), TRect(76, 63, 140, 83));
  EXPECT_THROW(Grid->SetColWidths(5, 10), EInvalidGridOperation);
  EXPECT_THROW(Grid->SetRowHeights(-1, 10), EInvalidGridOperation);
  Grid->SetColWidths(1, -5);
  EXPECT_EQ(Grid->ColWidths(1), 0);
}

TEST_F(LayoutTest, CellsOutsideTheViewHaveEmptyRectangles) {
  Grid->SetRowCount(50);
  Grid->SetTopRow(10);
  EXPECT_EQ(Grid->CellRect(1, 5), TRect());   // scrolled away
  EXPECT_EQ(Grid->CellRect(1, 10).Top, 25);    // first scrolling row below the fixed one
  EXPECT_EQ(Grid->CellRect(1, 0).Top, 0);      // fixed rows stay
  EXPECT_EQ(Grid->CellRect(1, 40), TRect());  // below the client area
  EXPECT_EQ(Grid->CellRect(-1, 1), TRect());
  EXPECT_EQ(Grid->CellRect(1, 50), TRect());
}

TEST_F(LayoutTest, MouseCoordCountsALineToTheCellBeforeIt) {
  EXPECT_EQ(Grid->MouseCoord(0, 0), (TGridCoord{0, 0}));
  EXPECT_EQ(Grid->MouseCoord(63, 23), (TGridCoord{0, 0}));
  EXPECT_EQ(Grid->MouseCoord(64, 24), (TGridCoord{0, 0}));  // the lines
  EXPECT_EQ(Grid->MouseCoord(65, 25), (TGridCoord{1, 1}));
  EXPECT_EQ(Grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));
  Grid->SetColCount(2);
  EXPECT_EQ(Grid->MouseCoord(200, 5), (TGridCoord{-1, -1}));  // beyond the last column
  int c = 0, r = 0;
  Grid->MouseToCell(70, 30, c, r);
  EXPECT_EQ(c, 1);
  EXPECT_EQ(r, 1);
  Grid->SetRowCount(100);
  Grid->SetTopRow(50);
  EXPECT_EQ(Grid->MouseCoord(70, 30), (TGridCoord{1, 50}));
  EXPECT_EQ(Grid->MouseCoord(70, 10), (TGridCoord{1, 0}));
}

TEST_F(LayoutTest, ScrollBarsAppearOnlyWhenTheCellsDoNotFit) {
  Grid->SetColCount(3);
  Grid->SetRowCount(3);
  EXPECT_EQ(Grid->ClientRect(), TRect(0, 0, 320, 120));
  Grid->SetRowCount(6);  // 6 rows of 25 need 150 pixels
  EXPECT_EQ(Grid->ClientRect(), TRect(0, 0, 320 - GridScrollBarSize, 120));
  Grid->SetColCount(10);
  EXPECT_EQ(Grid->ClientRect(), TRect(0, 0, 320 - GridScrollBarSize, 120 - GridScrollBarSize));
  Grid->SetScrollBars(ssNone);
  EXPECT_EQ(Grid->ClientRect(), TRect(0, 0, 320, 120));
  Grid->SetBorderStyle(bsSingle);
  EXPECT_EQ(Grid->ClientRect(), TRect(0, 0, 318, 118));
}

TEST_F(LayoutTest, VisibleCountsAreTheFullyShownScrollingCells) {
  Grid->SetRowCount(100);
  Grid->SetColCount(3);
  // 120 pixels: the fixed row takes 25, then 3 whole rows of 25 and a part.
  EXPECT_EQ(Grid->VisibleRowCount(), 3);
  EXPECT_EQ(Grid->VisibleColCount(), 2);
  Grid->SetHeight(126);  // a row fits when only its line is cut off
  EXPECT_EQ(Grid->VisibleRowCount(), 4);
}

TEST_F(LayoutTest, TheLastPageEndsTheScrolling) {
  Grid->SetRowCount(100);
  Grid->SetColCount(3);
  // Rows 97..99 fill the 95 pixels below the fixed row (plus a cut line).
  EXPECT_EQ(Grid->MaxTopLeft().Y, 97);
  Grid->SetTopRow(500);
  EXPECT_EQ(Grid->TopRow(), 99);  // the setter allows the last row at the top
  Grid->SetTopRow(-3);
  EXPECT_EQ(Grid->TopRow(), 1);
  headless::KeyDown(Grid, VK_END, {ssCtrl});
  EXPECT_EQ(Grid->Row(), 99);
  EXPECT_EQ(Grid->TopRow(), 97);  // keys scroll only as far as needed
}

TEST_F(LayoutTest, LayoutCostsTheSameForAMillionRows) {
  Grid->SetRowCount(1'000'000);
  Grid->SetRowHeights(500'000, 100);
  Grid->SetTopRow(999'990);
  EXPECT_EQ(Grid->MaxTopLeft().Y, 999'997);
  EXPECT_EQ(Grid->CellRect(1, 999'991).Top, 50);
  EXPECT_EQ(Grid->MouseCoord(70, 51).Y, 999'991);
  Grid->SetTopRow(499'999);  // both scroll bars show: the client is 103 high
  EXPECT_EQ(Grid->CellRect(1, 500'000), TRect(65, 50, 129, 103));
  EXPECT_EQ(Grid->MouseCoord(70, 102).Y, 500'000);
  Grid->SetRowCount(3);
  EXPECT_EQ(Grid->TopRow(), 2);
  EXPECT_EQ(Grid->RowHeights(2), 24);
}

TEST_F(LayoutTest, FixedCountsMustLeaveAScrollingCell) {
  EXPECT_THROW(Grid->SetFixedCols(5), EInvalidGridOperation);
  EXPECT_THROW(Grid->SetFixedRows(-1), EInvalidGridOperation);
  EXPECT_EQ(Grid->FixedCols(), 1);
  Grid->SetRowCount(10);
  Grid->SetTopRow(5);
  Grid->SetFixedRows(2);  // starts over at the first scrolling cell
  EXPECT_EQ(Grid->TopRow(), 2);
  EXPECT_EQ(Grid->Row(), 2);
  Grid->SetRowCount(2);  // fewer rows than fixed ones: fixed rows shrink
  EXPECT_EQ(Grid->FixedRows(), 1);
  Grid->SetColCount(0);
  EXPECT_EQ(Grid->ColCount(), 1);
  EXPECT_EQ(Grid->FixedCols(), 0);
}

TEST(GridAxisTest, OffsetsAndLookupsAgreeWithAPlainSum) {
  grids::TGridAxis axis;
  axis.SetCount(1000);
  axis.SetDefaultSize(20);
  const int own[][2] = {{3, 5}, {4, 0}, {10, 100}, {999, 7}, {500, 20}};
  for (const auto& o : own) axis.SetSize(o[0], o[1]);
  std::int64_t sum = 0;
  for (int i = 0; i <= 1000; ++i) {
    ASSERT_EQ(axis.Offset(i, 2), sum) << i;
    if (i < 1000) {
      if (axis.Size(i) > 0) {
        ASSERT_EQ(axis.CellAtOffset(sum, 2), i);
        ASSERT_EQ(axis.CellAtOffset(sum + axis.Size(i) + 1, 2), i);  // on its line
      }
      sum += axis.Size(i) + 2;
    }
  }
  EXPECT_EQ(axis.FirstCellFrom(axis.Offset(11, 2), 2), 11);
  EXPECT_EQ(axis.FirstCellFrom(axis.Offset(11, 2) - 1, 2), 11);
  EXPECT_EQ(axis.FirstCellFrom(sum + 1, 2), 1000);
  axis.SetCount(10);  // own sizes beyond the count go
  axis.SetCount(1000);
  EXPECT_EQ(axis.Size(999), 20);
  EXPECT_EQ(axis.Size(3), 5);
}

}  // namespace
}  // namespace gridtest
