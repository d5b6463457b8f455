// The table editor's data model: dimensions and the grid that follows
// them, structure operations that keep names, attributes, states, decimals
// and widths with their columns, the attribute column and row, the index
// mapping of widths and heights, other tables, and the errors.
#include <gtest/gtest.h>

#include <string>

#include "NTabEdSupport.h"

namespace ntabedtest {
namespace {

using vyr::TDataTable;

// Gives every column and row a recognisable name, attribute, state, value
// and (for columns) decimals and width, so that moves can be traced.
void Label(TNTabEd& E) {
  for (int c = 1; c <= E.NrOfColumns(); ++c) {
    E.SetColName(c, u"c" + IntToStr(c));
    E.SetColAttrib(c, static_cast<std::uint8_t>(10 + c));
    E.SetPrecision(c, c % 11);
    E.SetColWidths(c, 40 + c);
    for (int r = 1; r <= E.NrOfRows(); ++r) {
      E.SetElem(c, r, c * 100 + r);
      E.SetCellState(c, r, static_cast<std::uint8_t>((c * 7 + r) & 0xEC));
    }
  }
  for (int r = 1; r <= E.NrOfRows(); ++r) {
    E.SetRowName(r, u"r" + IntToStr(r));
    E.SetRowAttrib(r, static_cast<std::uint8_t>(20 + r));
  }
}

// Column now at Pos is the labelled column From (0: a new one).
void ExpectColumnFrom(TNTabEd& E, int Pos, int From) {
  SCOPED_TRACE("column " + std::to_string(Pos) + " from " + std::to_string(From));
  if (From == 0) {
    EXPECT_EQ(E.ColName(Pos), u"");
    EXPECT_EQ(E.Elem(Pos, 1), 0.0);
    return;
  }
  EXPECT_EQ(E.ColName(Pos), u"c" + IntToStr(From));
  EXPECT_EQ(E.ColAttrib(Pos), 10 + From);
  EXPECT_EQ(E.Precision(Pos), From % 11);
  EXPECT_EQ(E.ColWidths(Pos), 40 + From);
  for (int r = 1; r <= E.NrOfRows(); ++r) {
    EXPECT_EQ(E.Elem(Pos, r), From * 100 + r);
    EXPECT_EQ(E.CellState(Pos, r), (From * 7 + r) & 0xEC);
  }
}

TEST_F(NTabEdTest, FreshEditorLayout) {
  EXPECT_EQ(Ed->NrOfColumns(), 3);
  EXPECT_EQ(Ed->NrOfRows(), 4);
  EXPECT_EQ(Ed->ColCount(), 5);
  EXPECT_EQ(Ed->RowCount(), 5);
  EXPECT_EQ(Ed->FixedCols(), 2);
  EXPECT_EQ(Ed->FixedRows(), 1);
  EXPECT_EQ(Ed->ColWidths(0), 80);
  EXPECT_EQ(Ed->ColWidths(-1), 32);
  EXPECT_EQ(Ed->LeftCol(), 1);
  EXPECT_EQ(Ed->TopRow(), 1);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(Ed->Precision(c), 3);
    for (int r = 1; r <= 4; ++r) EXPECT_TRUE(Ed->IsNumber(c, r));
  }
  EXPECT_FALSE(Ed->ExtMatAssigned());
}

TEST_F(NTabEdTest, NewColumnsTakeWidthAndDecimalsOfTheLastOne) {
  Ed->SetPrecision(3, 1);
  Ed->SetColWidths(3, 90);
  int setups = 0;
  Ed->SetOnChangeSetup(Counter(setups));
  Ed->SetNrOfColumns(5);
  EXPECT_EQ(Ed->ColCount(), 7);
  EXPECT_EQ(setups, 1);
  for (int c : {4, 5}) {
    EXPECT_EQ(Ed->Precision(c), 1) << c;
    EXPECT_EQ(Ed->ColWidths(c), 90) << c;
  }
  Ed->Redimension(2, 9);
  EXPECT_EQ(Ed->ColCount(), 4);
  EXPECT_EQ(Ed->RowCount(), 10);
  EXPECT_EQ(Ed->Precision(3), 0);  // gone
}

TEST_F(NTabEdTest, StructureOperationsKeepColumnsWhole) {
  struct Case {
    const char* Name;
    std::function<void(TNTabEd&)> Op;
    std::vector<int> From;  // per resulting column: the labelled column (0 new)
    bool WidthsStay;        // mirroring turns the contents round, not the layout
  };
  const Case cases[] = {
      {"insert before 2", [](TNTabEd& E) { E.InsertColumn(2); }, {1, 0, 2, 3, 4}, false},
      {"append", [](TNTabEd& E) { E.InsertColumn(5); }, {1, 2, 3, 4, 0}, false},
      {"beyond the end", [](TNTabEd& E) { E.InsertColumn(6); }, {1, 2, 3, 4}, false},
      {"remove 2", [](TNTabEd& E) { E.RemoveColumn(2); }, {1, 3, 4}, false},
      {"remove 0", [](TNTabEd& E) { E.RemoveColumn(0); }, {1, 2, 3, 4}, false},
      {"mirror", [](TNTabEd& E) { E.MirrorColumns(); }, {4, 3, 2, 1}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    SetUp();
    Ed->SetNrOfColumns(4);
    Label(*Ed);
    c.Op(*Ed);
    ASSERT_EQ(Ed->NrOfColumns(), static_cast<int>(c.From.size()));
    EXPECT_EQ(Ed->ColCount(), Ed->NrOfColumns() + 2);
    for (std::size_t i = 0; i < c.From.size(); ++i) {
      const int pos = static_cast<int>(i) + 1, from = c.From[i];
      if (from != 0 && c.WidthsStay) {
        EXPECT_EQ(Ed->ColName(pos), u"c" + IntToStr(from));
        EXPECT_EQ(Ed->Precision(pos), from % 11);
        EXPECT_EQ(Ed->Elem(pos, 2), from * 100 + 2);
      } else {
        ExpectColumnFrom(*Ed, pos, from);
      }
    }
    TearDown();
  }
}

TEST_F(NTabEdTest, RowOperationsKeepRowsWhole) {
  Label(*Ed);
  Ed->SetRowHeights(2, 33);
  Ed->InsertRow(2);
  EXPECT_EQ(Ed->NrOfRows(), 5);
  EXPECT_EQ(Ed->RowName(1), u"r1");
  EXPECT_EQ(Ed->RowName(2), u"");
  EXPECT_EQ(Ed->RowName(3), u"r2");
  EXPECT_EQ(Ed->RowAttrib(3), 22);
  EXPECT_EQ(Ed->RowHeights(3), 33);
  EXPECT_EQ(Ed->Elem(2, 3), 202.0);
  EXPECT_EQ(Ed->CellState(2, 3), (2 * 7 + 2) & 0xEC);
  Ed->RemoveRow(1);
  EXPECT_EQ(Ed->RowName(2), u"r2");
  EXPECT_EQ(Ed->RowHeights(2), 33);
  EXPECT_EQ(Ed->RowCount(), 5);
}

TEST_F(NTabEdTest, TheLastRowAndColumnStay) {
  Ed->Redimension(1, 1);
  Ed->RemoveRow(1);
  Ed->RemoveColumn(1);
  EXPECT_EQ(Ed->NrOfRows(), 1);
  EXPECT_EQ(Ed->NrOfColumns(), 1);
  Ed->InsertRow(3);  // beyond count + 1
  EXPECT_EQ(Ed->NrOfRows(), 1);
}

TEST_F(NTabEdTest, PrecisionAndNumWidthLimits) {
  struct Case {
    int Set, Read;
  };
  for (const Case& c : {Case{-5, -1}, Case{12, 10}, Case{0, 0}, Case{10, 10}, Case{-1, -1}}) {
    Ed->SetPrecision(2, c.Set);
    EXPECT_EQ(Ed->Precision(2), c.Read) << c.Set;
  }
  Ed->SetPrecision(4, 5);  // out of range: ignored, reads 0
  EXPECT_EQ(Ed->Precision(4), 0);
  int layouts = 0;
  Ed->SetOnLayoutChanged(Counter(layouts));
  Ed->SetNumWidth(25);
  Ed->SetNumWidth(0);
  EXPECT_EQ(Ed->NumWidth(), 1);
  Ed->SetNumWidth(20);
  EXPECT_EQ(Ed->NumWidth(), 20);
  EXPECT_EQ(layouts, 3);
}

TEST_F(NTabEdTest, NamesAreCutAndOutOfRangeIgnored) {
  const String sixty(60, u'n');
  Ed->SetColName(1, sixty);
  EXPECT_EQ(Ed->ColName(1), String(50, u'n'));
  Ed->SetRowName(0, u"x");
  Ed->SetColAttrib(9, 5);
  EXPECT_EQ(Ed->RowName(0), u"");
  EXPECT_EQ(Ed->ColAttrib(9), 0);
}

TEST_F(NTabEdTest, ClearNamesEverythingAndFiresNothing) {
  Ed->Redimension(2, 3);
  Ed->SetPrecision(1, 7);
  Ed->SetElem(1, 1, 5);
  Ed->SetCellState(2, 2, 64);
  int events = 0;
  Ed->SetOnChange(Counter(events));
  Ed->SetOnChangeSetup(Counter(events));
  Ed->SetOnCellStateChanged(Counter(events));
  Ed->Clear();
  EXPECT_EQ(events, 0);
  EXPECT_EQ(Ed->ColName(1), u"C-1");
  EXPECT_EQ(Ed->ColName(2), u"C-2");
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(Ed->RowName(r), u"R-" + IntToStr(r));
  EXPECT_EQ(Ed->Precision(1), 3);
  EXPECT_EQ(Ed->Elem(1, 1), 0.0);
  EXPECT_EQ(Ed->CellState(2, 2), 0);
  EXPECT_FALSE(Ed->SuppressPaint());
}

TEST_F(NTabEdTest, SuppressedPaintingFiresNoEvent) {
  int events = 0;
  const TNotifyEvent count = [&events](TObject*) { ++events; };
  Ed->SetOnChange(count);
  Ed->SetOnChangeSetup(count);
  Ed->SetOnHeadingChanged(count);
  Ed->SetOnAttributeChanged(count);
  Ed->SetOnCellStateChanged(count);
  Ed->SetOnLayoutChanged(count);
  Ed->SetOnSelectionChanged(count);
  Ed->SetSuppressPaint(true);
  Ed->SetElem(1, 1, 3);
  Ed->SetNrOfRows(8);
  Ed->SetColName(1, u"a");
  Ed->SetRowAttrib(1, 4);
  Ed->SetElemMarkedA(1, 1, true);
  Ed->SetColorNormal(clRed);
  Ed->InsertColumn(1);
  Ed->MarkAllElemsB();
  EXPECT_EQ(events, 0);
  Ed->SetSuppressPaint(false);
  Ed->SetElem(1, 1, 4);
  EXPECT_EQ(events, 1);
}

TEST_F(NTabEdTest, AttributeColumnShowsAndHides) {
  Ed->SetColWidths(1, 70);
  Ed->SetColWidths(3, 90);
  int layouts = 0;
  Ed->SetOnLayoutChanged(Counter(layouts));
  Ed->SetAttribRowVisible(false);
  EXPECT_EQ(layouts, 1);
  EXPECT_EQ(Ed->FixedCols(), 1);
  EXPECT_EQ(Ed->ColCount(), 4);
  EXPECT_EQ(Ed->ColWidths(1), 70);
  EXPECT_EQ(Ed->ColWidths(3), 90);
  EXPECT_EQ(Ed->TCustomGrid::ColWidths(1), 70);  // data column 1 is grid column 1 now
  EXPECT_EQ(Ed->ColWidths(-1), 0);
  Ed->SetLeftCol(1);
  EXPECT_EQ(Ed->TCustomGrid::LeftCol(), 1);
  Ed->SetColWidths(-1, 50);  // remembered, no column changes
  EXPECT_EQ(Ed->ColWidths(-1), 0);
  EXPECT_EQ(Ed->ColWidths(1), 70);
  Ed->SetAttribRowVisible(true);
  EXPECT_EQ(Ed->ColWidths(-1), 50);
  EXPECT_EQ(Ed->ColWidths(1), 70);
  EXPECT_EQ(Ed->ColWidths(3), 90);
  EXPECT_EQ(Ed->FixedCols(), 2);
}

TEST_F(NTabEdTest, AttributeRowTakesTheHeadRowHeight) {
  Ed->SetRowHeights(0, 30);
  Ed->SetRowHeights(2, 40);
  Ed->SetAttribColVisible(true);
  EXPECT_EQ(Ed->FixedRows(), 2);
  EXPECT_EQ(Ed->RowCount(), 6);
  EXPECT_EQ(Ed->RowHeights(-1), 30);
  EXPECT_EQ(Ed->RowHeights(2), 40);
  Ed->SetRowHeights(5, 99);  // beyond NrOfRows: ignored
  EXPECT_EQ(Ed->TCustomGrid::RowHeights(5), Ed->DefaultRowHeight());
  Ed->SetAttribColVisible(false);
  EXPECT_EQ(Ed->RowHeights(-1), 0);
  EXPECT_EQ(Ed->RowHeights(2), 40);
}

TEST_F(NTabEdTest, ScrollPositionsInDataCoordinates) {
  Ed->Redimension(30, 200);
  Ed->SetTopRow(150);
  EXPECT_EQ(Ed->TopRow(), 150);
  EXPECT_EQ(Ed->TCustomGrid::TopRow(), 150);
  Ed->SetTopRow(0);
  EXPECT_EQ(Ed->TopRow(), 1);
  Ed->SetLeftCol(10);
  EXPECT_EQ(Ed->LeftCol(), 10);
  EXPECT_EQ(Ed->TCustomGrid::LeftCol(), 11);
}

TEST_F(NTabEdTest, DefaultColWidthKeepsTheHeads) {
  Ed->SetDefaultColWidth(50);
  EXPECT_EQ(Ed->ColWidths(0), 80);
  EXPECT_EQ(Ed->ColWidths(-1), 32);
  EXPECT_EQ(Ed->ColWidths(2), 50);
}

TEST_F(NTabEdTest, TheGridFollowsTheTableWhoeverResizesIt) {
  Ed->SetPrecision(3, 6);
  Ed->Data->Resize(6, 7);
  EXPECT_EQ(Ed->ColCount(), 8);
  EXPECT_EQ(Ed->RowCount(), 8);
  EXPECT_EQ(Ed->Precision(6), 6);
  Ed->Data->InsertRow(1);
  EXPECT_EQ(Ed->RowCount(), 9);
}

TEST_F(NTabEdTest, AnAssignedTableStaysTheCallers) {
  auto table = std::make_unique<TDataTable>(nullptr, 5, 6);
  table->SetElem(5, 6, 42);
  Ed->AssignAnotherDataMatrix(table.get());
  EXPECT_TRUE(Ed->ExtMatAssigned());
  EXPECT_EQ(Ed->Data, table.get());
  EXPECT_EQ(Ed->ColCount(), 7);
  EXPECT_EQ(Ed->RowCount(), 7);
  EXPECT_EQ(Ed->Elem(5, 6), 42.0);
  int changes = 0;
  Ed->SetOnChange(Counter(changes));
  table->SetElem(1, 1, 1);
  EXPECT_EQ(changes, 1);
  Form.reset();  // the editor goes first
  EXPECT_FALSE(table->OnDataChanged());
  EXPECT_FALSE(table->OnResized());
  table->Resize(2, 2);  // nobody to call
  EXPECT_EQ(table->NrOfColumns(), 2);
}

TEST_F(NTabEdTest, AnAssignedTableFreedFirstLeavesAnOwnOne) {
  auto table = std::make_unique<TDataTable>(nullptr, 5, 6);
  Ed->AssignAnotherDataMatrix(table.get());
  table.reset();
  EXPECT_FALSE(Ed->ExtMatAssigned());
  EXPECT_EQ(Ed->NrOfColumns(), 5);
  Ed->SetElem(1, 1, 3);
  EXPECT_EQ(Ed->Elem(1, 1), 3.0);
}

TEST_F(NTabEdTest, AssigningNothingTakesACopyBack) {
  auto table = std::make_unique<TDataTable>(nullptr, 2, 2);
  table->SetElem(2, 2, 7);
  Ed->AssignAnotherDataMatrix(table.get());
  Ed->AssignAnotherDataMatrix(nullptr);
  EXPECT_FALSE(Ed->ExtMatAssigned());
  EXPECT_NE(Ed->Data, table.get());
  EXPECT_EQ(Ed->Elem(2, 2), 7.0);
  EXPECT_FALSE(table->OnDataChanged());
}

TEST_F(NTabEdTest, CopyingFromAnotherEditor) {
  auto* other = new TNTabEd(Form.get());
  other->Redimension(4, 2);
  Label(*other);
  Ed->CopyContentsFrom(other);
  EXPECT_EQ(Ed->NrOfColumns(), 4);
  EXPECT_EQ(Ed->ColCount(), 6);
  EXPECT_EQ(Ed->ColName(4), u"c4");
  EXPECT_EQ(Ed->Precision(4), 4);
  EXPECT_EQ(Ed->Elem(3, 2), 302.0);

  auto* states = new TNTabEd(Form.get());
  states->Redimension(9, 1);
  states->SetCellState(2, 1, 128);
  states->SetElem(2, 1, -1);
  Ed->CopyCellStatesFrom(states);
  EXPECT_EQ(Ed->CellState(2, 1), 128);
  EXPECT_EQ(Ed->CellState(2, 2), (2 * 7 + 2) & 0xEC);  // beyond the other's rows
  EXPECT_EQ(Ed->Elem(2, 1), 201.0);                    // values stay
}

TEST_F(NTabEdTest, FindingColumnsAndRowsByName) {
  Label(*Ed);
  Ed->SetColName(3, String(50, u'x'));
  EXPECT_EQ(Ed->FindColIndex(u"c2"), 2);
  EXPECT_EQ(Ed->FindColIndex(u"C2"), 0);
  EXPECT_EQ(Ed->FindColIndex(String(60, u'x')), 3);  // cut like the names
  EXPECT_EQ(Ed->FindRowIndex(u"r4"), 4);
  EXPECT_EQ(Ed->FindRowIndex(u"r9"), 0);
}

TEST_F(NTabEdTest, ATableTooLargeIsRefusedWithTheEditorUnchanged) {
  try {
    Ed->Redimension(100000, 100000);
    FAIL() << "no error";
  } catch (const vyr::EVYRNTabedError& e) {
    EXPECT_EQ(e.Message(), u"Component \"Ed1\": not enough memory on heap");
  }
  EXPECT_EQ(Ed->NrOfColumns(), 3);
  EXPECT_EQ(Ed->ColCount(), 5);
  int changes = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SetElem(1, 1, 2);
  EXPECT_EQ(changes, 1);  // not left suppressed
}

// User code runs inside a structure change (the scroll event fires whatever
// the suppression); when it throws, painting and events come back.
TEST_F(NTabEdTest, AThrowingScrollHandlerLeavesPaintingOn) {
  Ed->SetNrOfRows(40);
  Ed->SetTopRow(40);
  ASSERT_EQ(Ed->TopRow(), 40);
  Ed->SetOnTopLeftChanged([](TObject*) { throw Exception(u"scroll refused"); });
  EXPECT_THROW(Ed->RemoveRow(40), Exception);
  EXPECT_FALSE(Ed->SuppressPaint());
  Ed->SetOnTopLeftChanged(nullptr);
  int changes = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SetElem(1, 1, 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(NTabEdTest, CommentLosesControlCharacters) {
  int changes = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SetComment(u"two\r\nlines\t!");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Ed->Comment().find(u'\r'), String::npos);
  EXPECT_EQ(Ed->Comment().find(u'\t'), String::npos);
  EXPECT_NE(Ed->Comment().find(u"lines"), String::npos);
}

}  // namespace
}  // namespace ntabedtest
