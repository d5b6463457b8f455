// The report data store: construction, cells, sizes, columns, rows,
// sorting and copying.
#include <gtest/gtest.h>

#include "RLDataTestUtil.h"

using namespace vyr;
using namespace rltest;
using V = std::vector<String>;

// ---------------------------------------------------------------- construction

TEST(RLDataCreate, NewStoreHasOneNamedColumnAndNoRows) {
  TRLData d(nullptr);
  EXPECT_EQ(d.NrOfColumns(), 1);
  EXPECT_EQ(d.NrOfRows(), 0);
  EXPECT_EQ(d.GetColName(1), u"C-1");
  EXPECT_EQ(d.CommonHeader(), u"VYR Report Listview");
  EXPECT_EQ(d.LastSortColumn(), -1);
  EXPECT_TRUE(d.LastSortOrder());
  EXPECT_EQ(d.Comment(), u"");
  EXPECT_EQ(d.DataID(), u"");
  EXPECT_EQ(d.GetColCheckMode(1), cmNone);
  // The table always keeps one physical row.
  EXPECT_EQ(d.Strings->NrOfRows(), 1);
}

TEST(RLDataCreate, OwnerFreesTheStore) {
  auto owner = std::make_unique<vcl::TComponent>(nullptr);
  auto* d = new TRLData(owner.get());
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), d);
  owner.reset();  // must not leak (checked by the sanitizer build)
}

// ---------------------------------------------------------------- cells

TEST(RLDataCells, ReadsAndWritesWithinTheTableOnly) {
  auto d = MakeStore(2, 2);
  d->SetElem(0, 1, u"hidden");
  d->SetElem(2, 2, u"last");
  EXPECT_EQ(d->GetElem(0, 1), u"hidden");
  EXPECT_EQ(d->GetElem(2, 2), u"last");
  for (auto [c, r] : {std::pair{-1, 1}, {3, 1}, {1, 0}, {1, 3}}) {
    d->SetElem(c, r, u"x");
    EXPECT_EQ(d->GetElem(c, r), u"") << c << "," << r;
  }
  EXPECT_EQ(d->Strings->GetString(1, 0), u"");  // row 0 untouched
}

TEST(RLDataCells, LongTextsAreCutToTheirLimits) {
  auto d = MakeStore(1, 1);
  d->SetElem(1, 1, String(300, u'a'));
  EXPECT_EQ(d->GetElem(1, 1).size(), 255u);
  d->SetColName(1, String(60, u'n'));
  EXPECT_EQ(d->GetColName(1), String(50, u'n'));
  d->SetColumnFormat(1, String(90, u'f'));
  EXPECT_EQ(d->GetColumnFormat(1), String(80, u'f'));
}

TEST(RLDataCells, UnicodeTextIsKept) {
  auto d = MakeStore(1, 1);
  const String text = u"\u00c4rger \u65e5\u672c \U0001F600";
  d->SetElem(1, 1, text);
  EXPECT_EQ(d->GetElem(1, 1), text);
  d->SetColName(1, u"\u0416\u0443\u0440\u043d\u0430\u043b");
  EXPECT_EQ(d->GetColName(1), u"\u0416\u0443\u0440\u043d\u0430\u043b");
}

TEST(RLDataCells, AsNumberAcceptsCommaAndBlanks) {
  auto d = StoreOf({{u" 1,5 ", u"", u"-2.5e3", u"1.5x"}});
  EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 1), 1.5);
  EXPECT_DOUBLE_EQ(d->GetAsNumber(2, 1), 0.0);
  EXPECT_DOUBLE_EQ(d->GetAsNumber(3, 1), -2500.0);
  EXPECT_DOUBLE_EQ(d->GetAsNumber(9, 9), 0.0);  // outside: empty text
  try {
    d->GetAsNumber(4, 1);
    FAIL() << "no exception";
  } catch (const EVYRDStructError& e) {
    EXPECT_EQ(e.Message(), u"Class TRLData: invalid numeric string: [4,1]: 1.5x");
  }
}

TEST(RLDataCells, AsNumberOfACheckCellSkipsTheMarkerButNamesIt) {
  auto d = StoreOf({{u"42"}, {u"4 2"}});
  d->SetColCheckMode(1, cmBox);
  d->SetElemChecked(1, 1, true);
  EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 1), 42.0);
  try {
    d->GetAsNumber(1, 2);
    FAIL() << "no exception";
  } catch (const EVYRDStructError& e) {
    EXPECT_EQ(e.Message(), u"Class TRLData: invalid numeric string: [1,2]:  4 2");
  }
}

TEST(RLDataCells, FillWritesEveryDataCellAndKeepsCheckStates) {
  auto d = MakeStore(2, 3);
  d->SetElem(0, 1, u"key");
  d->SetColCheckMode(2, cmBox);
  d->SetElemChecked(2, 2, true);
  d->Fill(u"v");
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"v", u"v", u"v"}));
  EXPECT_EQ(ColumnTexts(*d, 2), (V{u"v", u"v", u"v"}));
  EXPECT_EQ(d->Strings->GetString(2, 1), u" v");
  EXPECT_EQ(d->Strings->GetString(2, 2), u"Xv");
  EXPECT_EQ(d->GetElem(0, 1), u"key");
}

TEST(RLDataCells, ClearEmptiesCellsAndResetsColumnsButKeepsDocument) {
  auto d = StoreOf({{u"a", u"b"}});
  d->SetColName(1, u"Name");
  d->SetColumnFormat(2, u"[i][80]");
  d->SetColCheckMode(2, cmRadio);
  d->SetComment(u"note");
  d->SetDataID(u"id");
  d->SetCommonHeader(u"Head");
  d->Clear();
  EXPECT_EQ(d->GetElem(1, 1), u"");
  EXPECT_EQ(d->Strings->GetString(2, 1), u"");
  EXPECT_EQ(d->GetColName(1), u"C-1");
  EXPECT_EQ(d->GetColumnFormat(2), u"");
  EXPECT_EQ(d->GetColCheckMode(2), cmNone);
  EXPECT_EQ(d->NrOfRows(), 1);
  EXPECT_EQ(d->Comment(), u"note");
  EXPECT_EQ(d->DataID(), u"id");
  EXPECT_EQ(d->CommonHeader(), u"Head");
}

TEST(RLDataCells, BulkOperationsNotifyTheTableOnce) {
  auto d = MakeStore(3, 50);
  int changes = 0;
  d->Strings->SetOnChange([&](vcl::TObject*) { ++changes; });
  d->Fill(u"x");
  EXPECT_EQ(changes, 1);
  d->SetElem(1, 1, u"y");
  EXPECT_EQ(changes, 2);
}

// ---------------------------------------------------------------- sizes

TEST(RLDataSizes, ColumnCountsBelowOneGiveOneColumn) {
  auto d = MakeStore(3, 1);
  d->SetNrCols(0);
  EXPECT_EQ(d->NrOfColumns(), 1);
  d->SetNrCols(-5);
  EXPECT_EQ(d->NrOfColumns(), 1);
}

TEST(RLDataSizes, NewColumnsAreNamedAndOldOnesKept) {
  auto d = MakeStore(2, 1);
  d->SetColName(1, u"First");
  d->SetColumnFormat(2, u"[s][50]");
  d->SetNrCols(4);
  EXPECT_EQ(d->GetColName(1), u"First");
  EXPECT_EQ(d->GetColName(2), u"C-2");
  EXPECT_EQ(d->GetColumnFormat(2), u"[s][50]");
  EXPECT_EQ(d->GetColName(3), u"C-3");
  EXPECT_EQ(d->GetColName(4), u"C-4");
  EXPECT_EQ(d->GetColumnFormat(4), u"");
  d->SetNrCols(1);
  d->SetNrCols(2);
  EXPECT_EQ(d->GetColName(2), u"C-2");  // a dropped column comes back fresh
  EXPECT_EQ(d->GetColumnFormat(2), u"");
}

TEST(RLDataSizes, NegativeRowCountGivesNone) {
  auto d = MakeStore(1, 3);
  d->SetNrRows(-1);
  EXPECT_EQ(d->NrOfRows(), 0);
  EXPECT_EQ(d->GetElem(1, 1), u"");
}

TEST(RLDataSizes, RowsAddedAfterEmptyingStartEmpty) {
  auto d = StoreOf({{u"a"}, {u"b"}});
  d->SetElem(0, 1, u"key");
  d->SetColCheckMode(1, cmBox);
  d->SetElemChecked(1, 1, true);
  d->SetNrRows(0);
  d->SetNrRows(2);
  EXPECT_EQ(d->GetElem(0, 1), u"");
  EXPECT_FALSE(d->GetElemChecked(1, 1));
  EXPECT_EQ(d->Strings->GetString(1, 1), u"");
}

TEST(RLDataSizes, TooLargeTableRaisesAndKeepsTheOldSize) {
  auto d = MakeStore(2, 3);
  d->SetElem(2, 3, u"z");
  EXPECT_THROW(d->SetNrRows(2000000000), EVYRError);
  EXPECT_EQ(d->NrOfRows(), 3);
  EXPECT_THROW(d->SetNrCols(2000000000), EVYRError);
  EXPECT_EQ(d->NrOfColumns(), 2);
  EXPECT_EQ(d->GetElem(2, 3), u"z");
}

TEST(RLDataSizes, CommonHeaderIsStored) {
  TRLData d(nullptr);
  d.SetCommonHeader(u"Sales 2024");
  EXPECT_EQ(d.CommonHeader(), u"Sales 2024");
}

// ---------------------------------------------------------------- columns

TEST(RLDataColumns, OutOfRangeColumnSettingsReadEmptyAndIgnoreWrites) {
  auto d = MakeStore(2, 1);
  for (int c : {0, 3, -1}) {
    d->SetColName(c, u"x");
    d->SetColumnFormat(c, u"x");
    d->SetColCheckMode(c, cmBox);
    d->SetCheckedCol(c, true);
    EXPECT_EQ(d->GetColName(c), u"");
    EXPECT_EQ(d->GetColumnFormat(c), u"");
    EXPECT_EQ(d->GetColCheckMode(c), cmNone);
    EXPECT_FALSE(d->GetCheckedCol(c));
  }
}

TEST(RLDataColumns, ColumnIndexPrefersTheHighestMatchIgnoringCase) {
  auto d = MakeStore(3, 0);
  d->SetColName(1, u"Prefix");
  d->SetColName(2, u"Preset");
  d->SetColName(3, u"Total");
  EXPECT_EQ(d->ColumnIndex(u"pre", true), 2);
  EXPECT_EQ(d->ColumnIndex(u"FIX", true), 1);
  EXPECT_EQ(d->ColumnIndex(u"pre", false), -1);
  EXPECT_EQ(d->ColumnIndex(u"TOTAL", false), 3);
  EXPECT_EQ(d->ColumnIndex(u"", true), -1);
  EXPECT_EQ(d->ColumnIndex(u"none", true), -1);
  d->SetColName(1, u"\u00c4pfel");
  EXPECT_EQ(d->ColumnIndex(u"\u00e4pfel", false), 1);
}

TEST(RLDataColumns, InsertColumnShiftsSettingsAndCells) {
  auto d = StoreOf({{u"a", u"b"}});
  d->SetColName(1, u"A");
  d->SetColName(2, u"B");
  d->SetColCheckMode(2, cmBox);
  d->InsertColumn(2);
  EXPECT_EQ(d->NrOfColumns(), 3);
  EXPECT_EQ(d->GetColName(2), u"");
  EXPECT_EQ(d->GetColCheckMode(2), cmNone);
  EXPECT_EQ(d->GetColName(3), u"B");
  EXPECT_EQ(d->GetColCheckMode(3), cmBox);
  EXPECT_EQ(d->GetElem(2, 1), u"");
  EXPECT_EQ(d->GetElem(3, 1), u"b");
  d->InsertColumn(4);  // appending is not possible this way
  d->InsertColumn(0);
  EXPECT_EQ(d->NrOfColumns(), 3);
}

TEST(RLDataColumns, RemoveColumnShiftsSettingsAndCommitsTheSortOrder) {
  auto d = StoreOf({{u"b", u"1", u"x"}, {u"a", u"2", u"y"}});
  d->SetColName(3, u"Third");
  d->Sort(1, -1, true);
  d->RemoveColumn(2);
  EXPECT_EQ(d->NrOfColumns(), 2);
  EXPECT_EQ(d->GetColName(2), u"Third");
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"a", u"b"}));
  EXPECT_EQ(ColumnTexts(*d, 2), (V{u"y", u"x"}));
  EXPECT_FALSE(d->Strings->Sorted());
}

TEST(RLDataColumns, RemovingTheOnlyColumnLeavesNone) {
  auto d = StoreOf({{u"a"}, {u"b"}});
  d->SetColName(1, u"Only");
  d->RemoveColumn(1);
  EXPECT_EQ(d->NrOfColumns(), 0);
  EXPECT_EQ(d->NrOfRows(), 2);
  EXPECT_EQ(d->Strings->GetString(1, 1), u"");
  EXPECT_EQ(d->GetColName(1), u"");
  d->SetNrCols(1);
  EXPECT_EQ(d->GetColName(1), u"C-1");
  EXPECT_EQ(d->GetElem(1, 2), u"");
}

// ---------------------------------------------------------------- rows

TEST(RLDataRows, InsertRowOnlyWithinTheTable) {
  auto d = StoreOf({{u"a"}, {u"b"}});
  d->InsertRow(2);
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"a", u"", u"b"}));
  d->InsertRow(4);  // beyond the last row: nothing
  d->InsertRow(0);
  EXPECT_EQ(d->NrOfRows(), 3);
}

TEST(RLDataRows, InsertRowWorksOnRowsAsShown) {
  auto d = StoreOf({{u"c"}, {u"a"}, {u"b"}});
  d->Sort(1, -1, true);
  d->InsertRow(2);
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"a", u"", u"b", u"c"}));
  EXPECT_FALSE(d->Strings->Sorted());
}

TEST(RLDataRows, RemovingTheOnlyRowLeavesAnEmptyRow) {
  auto d = StoreOf({{u"a", u"b"}});
  d->SetElem(0, 1, u"key");
  d->Strings->SetRowAttrib(1, RLRowSelected);
  d->RemoveRow(1);
  EXPECT_EQ(d->NrOfRows(), 0);
  EXPECT_EQ(d->Strings->NrOfRows(), 1);
  for (int c = 0; c <= 2; ++c) EXPECT_EQ(d->Strings->GetString(c, 1), u"");
}

TEST(RLDataRows, RemoveRowRemovesTheRowAsShown) {
  auto d = StoreOf({{u"c"}, {u"a"}, {u"b"}});
  d->Sort(1, -1, false);  // c b a
  d->RemoveRow(2);
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"c", u"a"}));
  d->RemoveRow(3);
  d->RemoveRow(0);
  EXPECT_EQ(d->NrOfRows(), 2);
}

TEST(RLDataRows, RemoveEmptyRowsTreatsMarkersAsEmptyButNotColumnZero) {
  auto d = StoreOf({{u"a", u""}, {u"", u""}, {u"", u""}, {u"", u"b"}});
  d->SetColCheckMode(2, cmBox);
  d->SetElemChecked(2, 2, true);  // only a marker
  d->SetElem(0, 3, u"key");       // hidden content keeps the row
  d->RemoveEmptyRows();
  EXPECT_EQ(d->NrOfRows(), 3);
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"a", u"", u""}));
  EXPECT_EQ(d->GetElem(0, 2), u"key");
  EXPECT_EQ(d->GetElem(2, 3), u"b");
}

TEST(RLDataRows, RemoveEmptyRowsOnALargeTableKeepsOrderAndAttributes) {
  // Many empty rows take the one-pass path.
  auto d = MakeStore(2, 1000);
  for (int r = 1; r <= 1000; ++r)
    if (r % 3 == 0) d->SetElem(1, r, vcl::IntToStr(r));
  d->Strings->SetRowAttrib(300, RLRowDisabled);
  d->Sort(1, -1, false);
  d->RemoveEmptyRows();
  ASSERT_EQ(d->NrOfRows(), 333);
  EXPECT_EQ(d->GetElem(1, 1), u"999");
  EXPECT_EQ(d->GetElem(1, 333), u"3");
  const int row300 = 1 + (999 - 300) / 3;
  EXPECT_EQ(d->GetElem(1, row300), u"300");
  EXPECT_EQ(d->Strings->GetRowAttrib(row300), RLRowDisabled);
  EXPECT_EQ(d->Strings->GetRowAttrib(row300 + 1), 0);

  auto all = MakeStore(1, 100);
  all->RemoveEmptyRows();
  EXPECT_EQ(all->NrOfRows(), 0);
}

TEST(RLDataRows, CopyRowCopiesTextsMarkersAndAttribute) {
  auto d = StoreOf({{u"a", u"b"}, {u"c", u"d"}});
  d->SetElem(0, 1, u"k");
  d->SetColCheckMode(2, cmBox);
  d->SetElemChecked(2, 1, true);
  d->Strings->SetRowAttrib(1, 0x81);
  d->CopyRow(1, 2);
  EXPECT_EQ(d->GetElem(0, 2), u"k");
  EXPECT_EQ(d->GetElem(1, 2), u"a");
  EXPECT_TRUE(d->GetElemChecked(2, 2));
  EXPECT_EQ(d->Strings->GetRowAttrib(2), 0x81);
  d->CopyRow(1, 3);  // out of range: nothing
  EXPECT_EQ(d->NrOfRows(), 2);
}

// ---------------------------------------------------------------- sorting

TEST(RLDataSort, SortRecordsTheRequestAndUnSortRestores) {
  auto d = StoreOf({{u"b", u"2"}, {u"a", u"2"}, {u"c", u"1"}});
  int hookCalls = 0;
  d->SetOnBeforeSortExchange([&](vcl::TObject* Sender, const String&, String&) {
    EXPECT_EQ(Sender, d.get());
    ++hookCalls;
  });
  d->Sort(2, 1, true);
  EXPECT_EQ(d->LastSortColumn(), 2);
  EXPECT_TRUE(d->LastSortOrder());
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"c", u"a", u"b"}));
  EXPECT_GT(hookCalls, 0);
  d->Sort(1, -1, false);
  EXPECT_FALSE(d->LastSortOrder());
  d->UnSort();
  EXPECT_EQ(d->LastSortColumn(), -1);
  EXPECT_FALSE(d->LastSortOrder());  // the direction stays
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"b", u"a", u"c"}));
}

TEST(RLDataSort, HookMayChangeTheSortKey) {
  // Sorted by their last letter instead of the whole text.
  auto d = StoreOf({{u"3b"}, {u"1c"}, {u"2a"}});
  d->SetOnBeforeSortExchange([](vcl::TObject*, const String& In, String& Out) { Out = In.substr(1); });
  d->Sort(1, -1, true);
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"2a", u"3b", u"1c"}));
}

// ---------------------------------------------------------------- copying

TEST(RLDataAssign, CopiesContentAndKeepsTheShownOrder) {
  auto src = StoreOf({{u"b", u"x"}, {u"a", u"y"}, {u"c", u"z"}});
  src->SetName(u"Source");
  src->SetElem(0, 2, u"key-a");
  src->SetColName(1, u"Letter");
  src->SetColumnFormat(2, u"[s][10]");
  src->SetColCheckMode(2, cmBox);
  src->SetElemChecked(2, 2, true);
  src->SetComment(u"c");
  src->SetCommonHeader(u"H");
  src->SetDataID(u"D");
  src->Strings->SetRowAttrib(2, RLRowSelected);  // row "a"
  src->Strings->SetColAttrib(1, RLColSelected);
  src->Sort(1, -1, true);  // a b c
  src->SetOnPercentDone([](vcl::TObject*, int) {});

  TRLData dst(nullptr);
  dst.Assign(src.get());
  EXPECT_EQ(Snapshot(dst), Snapshot(*src));
  EXPECT_EQ(ColumnTexts(dst, 1), (V{u"a", u"b", u"c"}));
  EXPECT_EQ(dst.GetElem(0, 1), u"key-a");
  // The attribute stays with its record.
  EXPECT_EQ(dst.Strings->GetRowAttrib(1), RLRowSelected);
  EXPECT_EQ(dst.Strings->GetRowAttrib(2), 0);
  EXPECT_EQ(dst.Strings->GetColAttrib(1), RLColSelected);
  EXPECT_EQ(dst.LastSortColumn(), 1);
  EXPECT_TRUE(dst.GetElemChecked(2, 1));
  EXPECT_EQ(dst.Name(), u"");
  EXPECT_FALSE(dst.OnPercentDone());
  // Unsorting shows the source's physical order.
  dst.UnSort();
  EXPECT_EQ(ColumnTexts(dst, 1), (V{u"b", u"a", u"c"}));
  // The copy is independent.
  dst.SetElem(1, 1, u"changed");
  EXPECT_EQ(src->GetElem(1, 1), u"a");
}

TEST(RLDataAssign, AssignToAndForeignSources) {
  auto src = StoreOf({{u"q"}});
  TRLData dst(nullptr);
  src->AssignTo(&dst);
  EXPECT_EQ(dst.GetElem(1, 1), u"q");
  vcl::TStringList list;
  EXPECT_THROW(dst.Assign(&list), vcl::EConvertError);
  EXPECT_EQ(dst.GetElem(1, 1), u"q");
}

TEST(RLDataAssign, TableHooksOfAViewSurviveAssign) {
  TRLData dst(nullptr);
  int changes = 0;
  dst.Strings->SetOnChange([&](vcl::TObject*) { ++changes; });
  auto src = StoreOf({{u"q"}});
  dst.Assign(src.get());
  EXPECT_GE(changes, 1);
  const int before = changes;
  dst.SetElem(1, 1, u"r");
  EXPECT_EQ(changes, before + 1);
}
