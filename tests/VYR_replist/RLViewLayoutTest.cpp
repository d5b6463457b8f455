// The report list view: construction, header rows and heights, the size of
// the table, scrolling in data rows, per-column settings and column widths.
#include "RLViewTestUtil.h"

namespace rlviewtest {
namespace {

using LayoutTest = RLViewTest;

TEST_F(LayoutTest, ANewViewShowsFourRowsOfFiveColumnsUnderColumnHeaders) {
  EXPECT_EQ(View->NrOfColumns(), 5);
  EXPECT_EQ(View->NrOfRows(), 4);
  EXPECT_EQ(View->ColCount(), 5);
  EXPECT_EQ(View->RowCount(), 5);
  EXPECT_EQ(View->FixedCols(), 0);
  EXPECT_EQ(View->FixedRows(), 1);
  EXPECT_FALSE(View->DefaultDrawing());
  EXPECT_TRUE(View->Options() == TGridOptions({goFixedVertLine, goFixedHorzLine, goColSizing,
                                               goRowSelect, goThumbTracking}));
  EXPECT_EQ(View->CommonHeader(), u"VYR Report Listview");
  EXPECT_FALSE(View->CommonHeaderVisible());
  EXPECT_TRUE(View->ColumnHeadersVisible());
  EXPECT_EQ(View->RowHeights(0), 20);
  EXPECT_EQ(View->CommonHeaderAlignment(), taCenter);
  EXPECT_EQ(View->ColorHigh(), 0x00CC9966u);
  EXPECT_EQ(View->ColorText(), 0x00002000u);
  EXPECT_EQ(View->ColorBkgdShaded(), 0x00F0EFE8u);
  EXPECT_EQ(View->ColorColumnHd(), clBtnFace);
  EXPECT_EQ(View->FixedColor(), clBtnFace);
  EXPECT_EQ(View->ColorSelectedRow(), 0x0094BAEDu);
  EXPECT_EQ(View->ColorSelectedRowText(), 0x00800000u);
  EXPECT_EQ(View->InterRowIndicatorColor(), 0x000000FFu);
  EXPECT_EQ(View->InterRowIndicatorWidth(), 3);
  EXPECT_EQ(View->RowSelectMode(), 1);
  EXPECT_EQ(View->RowColPattern(), 1);
  EXPECT_TRUE(View->ShowEmptyCheckBoxes());
  EXPECT_TRUE(View->SortEnabled());
  EXPECT_TRUE(View->UseCtrlForMultiSel());
  EXPECT_EQ(View->TopRow(), 1);
  EXPECT_EQ(View->LeftCol(), 1);
  EXPECT_EQ(View->LastSortColumn(), -1);
  EXPECT_EQ(View->Header(2), u"C-2");
  EXPECT_EQ(View->ColumnAlignment(1), taLeftJustify);
  EXPECT_EQ(View->ColumnOrder(5), 5);
}

TEST_F(LayoutTest, HeaderRowsFollowTheirVisibilityAndHeights) {
  View->SetCommonHeaderVisible(true);
  EXPECT_EQ(View->FixedRows(), 2);
  EXPECT_EQ(View->CountHeadRows(), 2);
  EXPECT_EQ(View->RowCount(), 6);
  EXPECT_EQ(View->RowHeights(0), 20);
  View->SetCommonHeaderHeight(30);
  View->SetColumnHeadersHeight(26);
  EXPECT_EQ(View->RowHeights(0), 30);
  EXPECT_EQ(View->RowHeights(1), 26);
  View->SetColumnHeadersVisible(false);
  EXPECT_EQ(View->FixedRows(), 1);
  EXPECT_EQ(View->RowHeights(0), 30);
  EXPECT_EQ(View->RowHeights(1), View->DefaultRowHeight());
  View->SetCommonHeaderVisible(false);
  EXPECT_EQ(View->FixedRows(), 0);
  EXPECT_EQ(View->RowCount(), 4);
  EXPECT_EQ(View->RowHeights(0), View->DefaultRowHeight());
}

TEST_F(LayoutTest, HeaderHeightsAreLimited) {
  View->SetCommonHeaderHeight(3);
  EXPECT_EQ(View->CommonHeaderHeight(), 8);
  View->SetCommonHeaderHeight(500);
  EXPECT_EQ(View->CommonHeaderHeight(), 127);
  View->SetColumnHeadersHeight(-1);
  EXPECT_EQ(View->ColumnHeadersHeight(), 8);
  EXPECT_EQ(View->RowHeights(0), 8);
}

TEST_F(LayoutTest, AnEmptyListKeepsOneGridRow) {
  int setups = 0;
  View->SetOnChangeSetup([&](TObject*) { ++setups; });
  View->SetNrOfRows(0);
  EXPECT_EQ(View->NrOfRows(), 0);
  EXPECT_EQ(View->RowCount(), 2);
  EXPECT_EQ(setups, 1);
  View->SetCommonHeaderVisible(true);
  EXPECT_EQ(View->RowCount(), 3);
  View->SetNrOfRows(-5);
  EXPECT_EQ(View->NrOfRows(), 0);
  View->SetNrOfRows(100);
  EXPECT_EQ(View->RowCount(), 102);
  EXPECT_EQ(View->Selection(), (TGridRect{0, 0, 0, 0}));
}

TEST_F(LayoutTest, NewColumnsTakeTheFormerLastWidthAndTheOrderStartsOver) {
  View->SetNrOfColumns(3);
  View->SetColWidths(3, 90);
  View->SetColWidths(1, 40);
  View->SetNrOfColumns(5);
  EXPECT_EQ(View->ColWidths(4), 90);
  EXPECT_EQ(View->ColWidths(5), 90);
  EXPECT_EQ(View->ColWidths(1), 40);
  EXPECT_EQ(View->Header(4), u"C-4");
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(View->ColumnOrder(c), c);
  View->SetNrOfColumns(0);
  EXPECT_EQ(View->NrOfColumns(), 1);
  EXPECT_EQ(View->ColCount(), 1);
}

TEST_F(LayoutTest, TopRowAndLeftColCountDataRowsAndColumns) {
  View->SetNrOfRows(200);
  View->SetTopRow(50);
  EXPECT_EQ(View->TopRow(), 50);
  EXPECT_EQ(static_cast<TCustomGrid*>(View)->TopRow(), 50);  // one header row
  View->SetCommonHeaderVisible(true);
  View->SetTopRow(60);
  EXPECT_EQ(static_cast<TCustomGrid*>(View)->TopRow(), 61);
  EXPECT_EQ(View->GetTopRow(), 60);
  View->SetTopRow(1000);
  EXPECT_EQ(View->TopRow(), 200);
  View->SetTopRow(-4);
  EXPECT_EQ(View->TopRow(), 1);
  View->SetNrOfColumns(8);
  View->SetLeftCol(3);
  EXPECT_EQ(View->LeftCol(), 3);
  View->SetLeftCol(99);
  EXPECT_EQ(View->LeftCol(), 8);
  View->SetFixedFirstColumn(true);
  EXPECT_EQ(View->FixedCols(), 1);
  View->SetLeftCol(1);
  EXPECT_EQ(View->LeftCol(), 2);  // the fixed column never scrolls
}

TEST_F(LayoutTest, AFixedFirstColumnNeedsASecondColumn) {
  View->SetNrOfColumns(1);
  View->SetFixedFirstColumn(true);
  EXPECT_TRUE(View->FixedFirstColumn());
  EXPECT_EQ(View->FixedCols(), 0);
  View->SetNrOfColumns(2);
  EXPECT_EQ(View->FixedCols(), 1);
  View->SetFixedFirstColumn(false);
  EXPECT_EQ(View->FixedCols(), 0);
}

TEST_F(LayoutTest, PerColumnSettingsIgnoreColumnsOutOfRange) {
  int changes = 0;
  View->SetOnChange([&](TObject*) { ++changes; });
  View->SetColumnAlignment(2, taRightJustify);
  View->SetColumnAlignment(2, taRightJustify);  // unchanged: no event
  View->SetColumnAlignment(9, taCenter);
  EXPECT_EQ(View->ColumnAlignment(2), taRightJustify);
  EXPECT_EQ(View->ColumnAlignment(9), taLeftJustify);
  EXPECT_EQ(changes, 1);
  View->SetColumnIsPwd(3, true);
  View->SetColumnEditable(3, true);
  EXPECT_TRUE(View->ColumnIsPwd(3));
  EXPECT_TRUE(View->ColumnEditable(3));
  EXPECT_FALSE(View->ColumnIsPwd(0));
  EXPECT_EQ(changes, 2);
  View->SetSecondarySortColumn(7);
  EXPECT_EQ(View->SecondarySortColumn(), -1);
  View->SetSecondarySortColumn(4);
  EXPECT_EQ(View->SecondarySortColumn(), 4);
  EXPECT_EQ(View->ColumnOrder(0), 0);
}

TEST_F(LayoutTest, ColumnWidthsFromTheWidestText) {
  View->SetElem(2, 1, u"short");
  View->SetElem(2, 3, u"a rather longer text");
  View->SetHeader(2, u"Name");
  const int widest = TextWidth(u"a rather longer text");
  EXPECT_EQ(View->DetermineMaxColWidth(2, false), widest + 10);
  EXPECT_EQ(View->DetermineMaxColWidth(9, true), 10);
  View->SetHeader(2, u"A header wider than any text of the column");
  EXPECT_EQ(View->DetermineMaxColWidth(2, true),
            TextWidth(u"A header wider than any text of the column") + 10);
  View->SetColumnCheckMode(2, vyr::cmBox);  // the marker counts, and the box
  EXPECT_EQ(View->DetermineMaxColWidth(2, false), TextWidth(u" a rather longer text") + 16 + 10);
  View->AutoColWidth(2, false, 5);
  EXPECT_EQ(View->ColWidths(2), TextWidth(u" a rather longer text") + 31);
  View->AutoColWidth(2, false, -500);
  EXPECT_EQ(View->ColWidths(2), 4);
  View->AutoColWidth(2, false, 0, 50);
  EXPECT_EQ(View->ColWidths(2), 50);
  EXPECT_EQ(View->ColWidths(0), 0);
}

TEST_F(LayoutTest, ExpandAndFitFillTheClientWidth) {
  View->SetNrOfColumns(3);
  View->SetWidth(400);
  View->SetColWidths(1, 100);
  View->SetColWidths(2, 80);
  View->ExpandColWidth(3, 20);
  EXPECT_EQ(View->ColWidths(3), View->ClientWidth() - 20 - 180);
  View->SetColWidths(1, 390);
  View->ExpandColWidth(3, 0);
  EXPECT_EQ(View->ColWidths(3), 16);
  View->SetElem(1, 1, u"x");
  View->SetElem(2, 1, u"wide text here");
  View->FitAllColWidths(3, false, 0, 1000, 10);
  EXPECT_EQ(View->ColWidths(1), TextWidth(u"x") + 10);
  EXPECT_EQ(View->ColWidths(2), TextWidth(u"wide text here") + 10);
  EXPECT_EQ(View->ColWidths(3),
            std::max(View->ClientWidth() - 10 - View->ColWidths(1) - View->ColWidths(2), 16));
}

TEST_F(LayoutTest, TheStoresAccessorNamesBehaveAsTheViews) {
  int changes = 0;
  View->SetOnChange([&](TObject*) { ++changes; });
  View->SetColName(2, u"Price");
  EXPECT_EQ(View->Header(2), u"Price");
  EXPECT_EQ(changes, 1);  // the view's setter, not the store's, ran
  View->SetCheckedCol(1, true);
  EXPECT_EQ(View->GetColCheckMode(1), vyr::cmBox);
  View->SetElem(1, 1, u"abc");
  View->SetElemChecked(1, 1, true);
  EXPECT_EQ(View->GetElem(1, 1), u"abc");
  EXPECT_TRUE(View->GetElemChecked(1, 1));
  View->SetNrRows(7);
  EXPECT_EQ(View->RowCount(), 8);  // the grid followed, as with SetNrOfRows
  View->SetNrCols(3);
  EXPECT_EQ(View->ColCount(), 3);
}

}  // namespace
}  // namespace rlviewtest
