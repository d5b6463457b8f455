// The report list view under the mouse: row selection in its three modes,
// check boxes and radio buttons toggled by a click with the veto event,
// sorting by header clicks, auto-sizing by a double click on a header
// border, and the cell under a point.
#include "RLViewTestUtil.h"
#include "platform/Winapi.h"

namespace rlviewtest {
namespace {

class MouseTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(3);
    View->SetNrOfRows(10);
    View->SetHeight(320);  // every row shows
    Form->Show();
  }
  // A left press and release at a point of data cell (Col, Row).
  void ClickCell(int Col, int Row, TShiftState Shift = {}, int Dx = 30) {
    headless::Advance(1000);  // never the second half of a double click
    TRect r = Cell(Col, Row);
    headless::MouseDown(View, mbLeft, Shift, r.Left + Dx, r.Top + 5);
    headless::MouseUp(View, mbLeft, Shift, r.Left + Dx, r.Top + 5);
  }
  void ClickHeader(int Col, int Dx) {
    TRect r = View->CellRect(Col - 1, View->FixedRows() - 1);
    headless::Click(View, r.Left + Dx, r.Top + 5);
  }
};

TEST_F(MouseTest, SingleModeSelectsTheClickedRowAlone) {
  int changes = 0;
  View->SetOnSelectedChange([&](TObject*) { ++changes; });
  ClickCell(2, 4);
  EXPECT_EQ(SelectedRows(), std::vector<int>{4});
  ClickCell(1, 6, {ssCtrl});
  EXPECT_EQ(SelectedRows(), std::vector<int>{6});
  EXPECT_EQ(changes, 2);
  View->SetRowSelectMode(0);
  ClickCell(1, 2);
  EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(MouseTest, MultipleModeExtendsWithShiftAndTogglesWithCtrl) {
  View->SetRowSelectMode(2);
  ClickCell(1, 2);
  ClickCell(1, 5, {ssShift});
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3, 4, 5}));
  ClickCell(1, 3, {ssCtrl});
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 4, 5}));
  ClickCell(1, 7);
  EXPECT_EQ(SelectedRows(), std::vector<int>{7});
  ClickCell(1, 4, {ssShift});  // from the anchor 7 back to 4
  EXPECT_EQ(SelectedRows(), (std::vector<int>{4, 5, 6, 7}));
  View->SetUseCtrlForMultiSel(false);  // every plain click toggles
  ClickCell(1, 9);
  ClickCell(1, 5);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{4, 6, 7, 9}));
  // A release beyond the last column deselects every row.
  TRect last = View->CellRect(2, 3);
  headless::MouseDown(View, mbLeft, {}, last.Right + 20, last.Top + 5);
  headless::MouseUp(View, mbLeft, {}, last.Right + 20, last.Top + 5);
  EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(MouseTest, AClickOnTheBoxTogglesItThroughTheVetoEvent) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetElem(1, 2, u"two");
  View->SetElem(1, 3, u"three");
  std::vector<std::pair<bool, int>> before, after;
  View->SetOnBeforeCheckedChange([&](TObject*, bool& State, int, int Row) { before.push_back({State, Row}); });
  View->SetOnCheckedChange([&](TObject*, bool& State, int Col, int Row) {
    EXPECT_EQ(Col, 1);
    after.push_back({State, Row});
  });
  ClickCell(1, 2, {}, 8);
  EXPECT_TRUE(View->ElemChecked(1, 2));
  ClickCell(1, 2, {}, 8);
  EXPECT_FALSE(View->ElemChecked(1, 2));
  EXPECT_EQ(before, (std::vector<std::pair<bool, int>>{{true, 2}, {false, 2}}));
  EXPECT_EQ(after, (std::vector<std::pair<bool, int>>{{false, 2}, {true, 2}}));
  ClickCell(1, 3, {}, 20);  // 20 pixels into the cell: beside the box
  EXPECT_FALSE(View->ElemChecked(1, 3));
  View->SetRowEnabled(3, false);
  ClickCell(1, 3, {}, 8);
  EXPECT_FALSE(View->ElemChecked(1, 3));
  View->SetCheckMarksReadOnly(true);
  ClickCell(1, 2, {}, 8);
  EXPECT_FALSE(View->ElemChecked(1, 2));
}

TEST_F(MouseTest, AVetoKeepsTheBoxAndTheEventGetsTheNegation) {
  View->SetColumnCheckMode(2, vyr::cmBox);
  View->SetElem(2, 4, u"x");
  bool reported = true;
  View->SetOnBeforeCheckedChange([](TObject*, bool& State, int, int) { State = false; });
  View->SetOnCheckedChange([&](TObject*, bool& State, int, int) { reported = State; });
  ClickCell(2, 4, {}, 8);
  EXPECT_FALSE(View->ElemChecked(2, 4));
  EXPECT_TRUE(reported);
  View->SetShowEmptyCheckBoxes(false);  // an empty cell shows no box to click
  reported = false;
  ClickCell(2, 6, {}, 8);
  EXPECT_FALSE(reported);
  EXPECT_EQ(View->Elem(2, 6), u"");
}

TEST_F(MouseTest, RadioCellsAreCheckedByAClickAndStaySo) {
  View->SetColumnCheckMode(3, vyr::cmRadio);
  for (int r = 1; r <= 4; ++r) View->SetElem(3, r, u"opt");
  View->SetElemChecked(3, 1, true);
  ClickCell(3, 3, {}, 8);
  EXPECT_TRUE(View->ElemChecked(3, 3));
  EXPECT_FALSE(View->ElemChecked(3, 1));
  ClickCell(3, 3, {}, 8);
  EXPECT_TRUE(View->ElemChecked(3, 3));
}

TEST_F(MouseTest, HeaderClicksSortDescendingThenAscendingKeepingTheRecord) {
  View->SetNrOfRows(4);
  const char16_t* names[] = {u"cherry", u"apple", u"date", u"banana"};
  for (int r = 1; r <= 4; ++r) View->SetElem(1, r, names[r - 1]);
  ClickCell(2, 3);  // "date" is the current and selected record
  ClickHeader(1, 30);
  EXPECT_EQ(View->LastSortColumn(), 1);
  EXPECT_FALSE(View->LastSortOrder());
  EXPECT_EQ(View->Elem(1, 1), u"date");
  EXPECT_EQ(View->Row() - View->FixedRows() + 1, 1);
  EXPECT_TRUE(View->RowSelected(1));
  ClickHeader(1, 30);
  EXPECT_TRUE(View->LastSortOrder());
  EXPECT_EQ(View->Elem(1, 1), u"apple");
  EXPECT_EQ(View->Elem(1, View->Row() - View->FixedRows() + 1), u"date");
  ClickHeader(2, 3);  // on the border grip: no sort
  EXPECT_EQ(View->LastSortColumn(), 1);
  View->SetSortEnabled(false);
  ClickHeader(2, 30);
  EXPECT_EQ(View->LastSortColumn(), 1);
}

TEST_F(MouseTest, ADoubleClickOnAHeaderBorderFitsTheColumnLeftOfIt) {
  View->SetElem(1, 2, u"a text wider than the column is now");
  View->SetHeader(1, u"Name");
  const int fitted = View->DetermineMaxColWidth(1, true);
  ASSERT_NE(fitted, View->ColWidths(1));
  TRect second = View->CellRect(1, 0);
  headless::DblClick(View, second.Left + 30, 5);  // inside a header: nothing
  EXPECT_NE(View->ColWidths(1), fitted);
  headless::DblClick(View, second.Left + 2, 5);  // the border between columns 1 and 2
  EXPECT_EQ(View->ColWidths(1), fitted);
  int dbl = 0;
  View->SetOnDblClick([&](TObject*) { ++dbl; });
  TRect cell = Cell(2, 2);
  headless::DblClick(View, cell.Left + 10, cell.Top + 5);
  EXPECT_EQ(dbl, 1);
}

TEST_F(MouseTest, MouseCellNamesHeadersAndDataRows) {
  View->SetCommonHeaderVisible(true);
  TRect data = Cell(2, 3);
  EXPECT_EQ(View->MouseCell(data.Left + 5, data.Top + 5), (TPoint{2, 3}));
  EXPECT_EQ(View->MouseCell(data.Left + 5, 5).Y, -2);
  EXPECT_EQ(View->MouseCell(data.Left + 5, View->RowHeights(0) + 5).Y, -1);
  EXPECT_EQ(View->MouseCell(data.Left + 5, View->Height() + 50).Y, 0);
}

}  // namespace
}  // namespace rlviewtest
