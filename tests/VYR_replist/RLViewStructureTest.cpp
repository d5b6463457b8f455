// Operations of the report list view over whole rows and columns: selecting
// and enabling, counting checks, inserting and removing with the per-column
// settings moving along, and the column order that drawing follows.
#include "RLViewTestUtil.h"

namespace rlviewtest {
namespace {

class StructureTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(3);
    View->SetNrOfRows(6);
    View->SetHeight(260);
  }
};

TEST_F(StructureTest, SelectionAndEnablingOfWholeRowsAndColumns) {
  int changes = 0;
  View->SetOnSelectedChange([&](TObject*) { ++changes; });
  View->SelectAllRows();
  EXPECT_EQ(View->NumSelectedRows(), 6);
  View->SelectRow(4);
  EXPECT_EQ(View->NumSelectedRows(), 1);
  EXPECT_EQ(View->FirstSelectedRow(), 4);
  View->SetRowEnabled(4, false);  // the lowest selected row is disabled: 0
  EXPECT_EQ(View->FirstSelectedRow(), 0);
  EXPECT_EQ(View->NumEnabledRows(), 5);
  View->SelectRow(99);  // out of range: nothing, no event
  View->DisableAllRows();
  EXPECT_EQ(View->NumEnabledRows(), 0);
  View->EnableAllRows();
  View->DeselectAllRows();
  EXPECT_EQ(View->FirstSelectedRow(), 0);
  View->SelectColumn(2);
  EXPECT_EQ(View->FirstSelectedColumn(), 2);
  View->SelectAllColumns();
  EXPECT_EQ(View->NumSelectedColumns(), 3);
  View->DeselectAllColumns();
  EXPECT_EQ(View->NumSelectedColumns(), 0);
  EXPECT_EQ(changes, 9);
}

TEST_F(StructureTest, CountingChecksLeavesOutDisabledRows) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(View->CountCheckedElemsInCol(1), 6);
  View->SetRowEnabled(2, false);
  EXPECT_EQ(View->CountCheckedElemsInCol(1), 5);
  View->InvertAllCheckmarksOfCol(1, true);  // the disabled row keeps its check
  EXPECT_TRUE(View->ElemChecked(1, 2));
  EXPECT_FALSE(View->ElemChecked(1, 3));
  EXPECT_EQ(View->FirstCheckedElemInCol(1), 2);
  EXPECT_EQ(View->CountCheckedElemsInRow(2), 1);
}

TEST_F(StructureTest, InsertingAndRemovingRowsResizesTheGrid) {
  View->Sort(1, -1, true);
  View->SetElem(1, 2, u"second");
  EXPECT_EQ(View->InsertRow(2), 2);
  EXPECT_EQ(View->NrOfRows(), 7);
  EXPECT_EQ(View->RowCount(), 8);
  EXPECT_EQ(View->Elem(1, 3), u"second");
  EXPECT_EQ(View->LastSortColumn(), -1);
  EXPECT_EQ(View->InsertRow(View->NrOfRows() + 5), 8);  // appended
  EXPECT_EQ(View->NrOfRows(), 8);
  View->Sort(1, 2, true);
  EXPECT_EQ(View->InsertRow(0), 0);  // nothing inserted, the sort is forgotten
  EXPECT_EQ(View->NrOfRows(), 8);
  EXPECT_EQ(View->LastSortColumn(), -1);
  EXPECT_EQ(View->SecondarySortColumn(), -1);
  EXPECT_EQ(View->AddRow(), 9);
  View->RemoveRow(3);
  EXPECT_EQ(View->NrOfRows(), 8);
  EXPECT_EQ(View->RowCount(), 9);
  EXPECT_EQ(View->Elem(1, 3), u"");
  View->SetNrOfRows(1);
  View->RemoveRow(1);
  EXPECT_EQ(View->NrOfRows(), 0);
  EXPECT_EQ(View->RowCount(), 2);  // one empty grid row remains
}

TEST_F(StructureTest, ColumnSettingsMoveWithTheirColumns) {
  View->SetColumnAlignment(2, taRightJustify);
  View->SetColumnIsPwd(3, true);
  View->SetColumnEditable(1, true);
  View->SetHeader(2, u"Two");
  EXPECT_EQ(View->InsertColumn(2), 2);
  EXPECT_EQ(View->NrOfColumns(), 4);
  EXPECT_EQ(View->ColCount(), 4);
  EXPECT_EQ(View->Header(3), u"Two");
  EXPECT_EQ(View->ColumnAlignment(2), taLeftJustify);
  EXPECT_EQ(View->ColumnAlignment(3), taRightJustify);
  EXPECT_TRUE(View->ColumnIsPwd(4));
  EXPECT_TRUE(View->ColumnEditable(1));
  EXPECT_EQ(View->InsertColumn(10), 5);
  View->RemoveColumn(2);
  EXPECT_EQ(View->NrOfColumns(), 4);
  EXPECT_EQ(View->ColCount(), 4);
  EXPECT_EQ(View->Header(2), u"Two");
  EXPECT_EQ(View->ColumnAlignment(2), taRightJustify);
  EXPECT_TRUE(View->ColumnIsPwd(3));
  View->SetFixedFirstColumn(true);  // a fixed column adds no grid column
  View->RemoveColumn(4);
  EXPECT_EQ(View->ColCount(), 3);
  View->Clear();
  EXPECT_EQ(View->ColumnAlignment(2), taLeftJustify);
  EXPECT_FALSE(View->ColumnIsPwd(3));
  EXPECT_EQ(View->Header(2), u"C-2");
}

TEST_F(StructureTest, TheColumnOrderDecidesWhatEachGridColumnShows) {
  EXPECT_FALSE(View->SetColumnOrder({3, 1}));  // one entry short: nothing changes
  EXPECT_EQ(View->ColumnOrder(1), 1);
  EXPECT_FALSE(View->SetColumnOrder({3, 0, 1}));  // the other entries apply
  EXPECT_EQ(View->ColumnOrder(1), 3);
  EXPECT_EQ(View->ColumnOrder(2), 2);
  EXPECT_EQ(View->ColumnOrder(3), 1);
  EXPECT_TRUE(View->SetColumnOrder({3, 2, 1}));
  View->SetElem(3, 2, u"third");
  std::vector<int> drawn;  // data columns of row 2, in drawing order
  View->SetOnBeforeRenderCell([&](TObject*, int ACol, int ARow, TColor&, TColor& Brush, TColor&,
                                  TFontStyles&, String& Text) {
    if (ARow == 2 && Text == u"third") Brush = clRed;
    if (ARow == 2) drawn.push_back(ACol);
  });
  auto shot = Shot();
  EXPECT_EQ(Background(shot, 1, 2), clRed);  // data column 3 in the first grid column
  EXPECT_NE(Background(shot, 3, 2), clRed);
  EXPECT_EQ(drawn, (std::vector<int>{3, 2, 1}));
  View->Clear();
  EXPECT_EQ(View->ColumnOrder(1), 1);
}

TEST_F(StructureTest, CenterScrollAndSelectBringsTheRowToTheMiddle) {
  View->SetNrOfRows(100);
  const int v = View->VisibleRowCount();
  View->CenterScrollAndSelect(50);
  EXPECT_TRUE(View->RowSelected(50));
  EXPECT_EQ(View->NumSelectedRows(), 1);
  EXPECT_EQ(View->TopRow(), 50 - v / 2);
  View->CenterScrollAndSelect(99);  // near the end: the last page
  EXPECT_EQ(View->TopRow(), 100 - v + 1);
  View->CenterScrollAndSelect(2);
  EXPECT_EQ(View->TopRow(), 1);
}

}  // namespace
}  // namespace rlviewtest
