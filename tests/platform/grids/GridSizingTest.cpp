// Sizing columns and rows by dragging their borders, and the grid's
// properties in form files.
#include "GridTestUtil.h"
#include "platform/Streaming.h"

namespace gridtest {
namespace {

using SizingTest = GridTest;

TEST_F(SizingTest, DraggingAColumnBorderInTheFixedRowSizesTheColumn) {
  Grid->SetOptions(Grid->Options() << goColSizing);
  // The line after column 1 is at x 129; the border takes presses 3 pixels around it.
  headless::MouseDown(Grid, mbLeft, {}, 127, 10);
  EXPECT_EQ(Grid->GridState(), gsColSizing);
  headless::MouseMove(Grid, {ssLeft}, 147, 10);
  headless::MouseUp(Grid, mbLeft, {}, 147, 10);
  EXPECT_EQ(Grid->ColWidths(1), 84);
  EXPECT_EQ(Grid->GridState(), gsNormal);
  EXPECT_EQ(Grid->CellRect(2, 1).Left, 65 + 84 + 1);
}

TEST_F(SizingTest, ColumnsKeepTheirWidthWithoutGoColSizingOrOffTheBorder) {
  headless::MouseDown(Grid, mbLeft, {}, 129, 10);
  headless::MouseMove(Grid, {ssLeft}, 150, 10);
  headless::MouseUp(Grid, mbLeft, {}, 150, 10);
  EXPECT_EQ(Grid->ColWidths(1), 64);
  Grid->SetOptions(Grid->Options() << goColSizing);
  headless::MouseDown(Grid, mbLeft, {}, 100, 10);
  EXPECT_EQ(Grid->GridState(), gsNormal);
  headless::MouseUp(Grid, mbLeft, {}, 100, 10);
  headless::MouseDown(Grid, mbLeft, {}, 129, 40);  // below the fixed rows: a cell
  EXPECT_NE(Grid->GridState(), gsColSizing);
  headless::MouseUp(Grid, mbLeft, {}, 129, 40);
}

TEST_F(SizingTest, AColumnNeverShrinksBelowTwoPixels) {
  Grid->SetOptions(Grid->Options() << goColSizing);
  headless::MouseDown(Grid, mbLeft, {}, 129, 10);
  headless::MouseMove(Grid, {ssLeft}, 90, 10);
  EXPECT_EQ(Grid->ColWidths(1), 25);
  headless::MouseMove(Grid, {ssLeft}, 40, 10);  // left of the column's start
  headless::MouseUp(Grid, mbLeft, {}, 40, 10);
  EXPECT_EQ(Grid->ColWidths(1), 25);
}

TEST_F(SizingTest, DraggingARowBorderInTheFixedColumnSizesTheRow) {
  Grid->SetOptions(Grid->Options() << goRowSizing);
  headless::MouseDown(Grid, mbLeft, {}, 10, 49);
  EXPECT_EQ(Grid->GridState(), gsRowSizing);
  headless::MouseMove(Grid, {ssLeft}, 10, 59);
  headless::MouseUp(Grid, mbLeft, {}, 10, 59);
  EXPECT_EQ(Grid->RowHeights(1), 34);
}

TEST_F(SizingTest, GridPropertiesSurviveAFormFile) {
  auto grid = std::make_unique<TDrawGrid>(nullptr);
  grid->SetName(u"Grid1");
  grid->SetColCount(7);
  grid->SetRowCount(3);
  grid->SetFixedRows(2);
  grid->SetFixedCols(0);
  grid->SetDefaultRowHeight(18);
  grid->SetOptions({goFixedHorzLine, goEditing, goTabs});
  grid->SetFixedColor(clYellow);
  grid->SetScrollBars(ssVertical);
  String text = WriteComponentToText(grid.get());
  EXPECT_NE(text.find(u"Options = [goFixedHorzLine, goEditing, goTabs]"), String::npos);
  EXPECT_EQ(text.find(u"GridLineWidth"), String::npos);  // defaults are not written
  std::unique_ptr<TComponent> read(ReadComponentFromText(text));
  auto* copy = dynamic_cast<TDrawGrid*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ColCount(), 7);
  EXPECT_EQ(copy->RowCount(), 3);
  EXPECT_EQ(copy->FixedRows(), 2);
  EXPECT_EQ(copy->FixedCols(), 0);
  EXPECT_EQ(copy->DefaultRowHeight(), 18);
  EXPECT_TRUE(copy->Options() == grid->Options());
  EXPECT_EQ(copy->FixedColor(), clYellow);
  EXPECT_EQ(copy->ScrollBars(), ssVertical);
  EXPECT_THROW(ReadComponentFromText(u"object G: TDrawGrid\n  Options = [goNoSuchOption]\nend\n"),
               EReadError);
}

}  // namespace
}  // namespace gridtest
