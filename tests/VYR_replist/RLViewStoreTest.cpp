// The view and its store: cells through the view, the store's events
// arriving with the view as sender, operations that resize the table, the
// numeric cell error, copying a view, and the view in form files.
#include <filesystem>

#include "RLViewTestUtil.h"
#include "platform/Streaming.h"

namespace rlviewtest {
namespace {

using StoreTest = RLViewTest;

TEST_F(StoreTest, CellsGoThroughTheStoreAndReadsThroughOnReadCell) {
  int changes = 0;
  View->SetOnChange([&](TObject* Sender) {
    EXPECT_EQ(Sender, View);
    ++changes;
  });
  View->SetColumnCheckMode(2, vyr::cmBox);
  changes = 0;
  View->SetElem(2, 1, u"abc");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(View->Elem(2, 1), u"abc");
  EXPECT_FALSE(View->ElemChecked(2, 1));
  View->SetElemChecked(2, 1, true);
  EXPECT_TRUE(View->ElemChecked(2, 1));
  View->SetOnReadCell([](TObject*, int ACol, int ARow, String& Text) {
    Text += u"@" + FromUTF8(std::to_string(ACol * 10 + ARow));
  });
  EXPECT_EQ(View->Elem(2, 1), u"abc@21");
  EXPECT_EQ(View->Elem(9, 9), u"@99");
}

TEST_F(StoreTest, AsNumberNamesTheViewInItsError) {
  View->SetElem(1, 2, u" 1,5 ");
  EXPECT_DOUBLE_EQ(View->AsNumber(1, 2), 1.5);
  View->SetElem(1, 3, u"1.5x");
  try {
    View->AsNumber(1, 3);
    FAIL() << "no error";
  } catch (const vyr::EVYRDStructError& e) {
    EXPECT_EQ(e.Message(), u"Class TReportListView: invalid numeric string: [1,3]: 1.5x");
  }
}

TEST_F(StoreTest, SortingFiresTheViewsSortHookAndKeepsRowsTogether) {
  View->SetNrOfRows(3);
  const char16_t* names[] = {u"pear", u"apple", u"fig"};
  for (int r = 1; r <= 3; ++r) {
    View->SetElem(1, r, names[r - 1]);
    View->SetElem(2, r, FromUTF8(std::to_string(r)));
  }
  int calls = 0;
  View->SetOnBeforeSortExchange([&](TObject* Sender, const String& In, String& Out) {
    EXPECT_EQ(Sender, View);
    Out = In;
    ++calls;
  });
  View->Sort(1, -1, true);
  EXPECT_GT(calls, 0);
  EXPECT_EQ(View->Elem(1, 1), u"apple");
  EXPECT_EQ(View->Elem(2, 1), u"2");
  EXPECT_EQ(View->LastSortColumn(), 1);
  View->UnSort();
  EXPECT_EQ(View->Elem(1, 1), u"pear");
  EXPECT_EQ(View->LastSortColumn(), -1);
}

TEST_F(StoreTest, TheHtmlHookArrivesWithTheViewAsSender) {
  std::string dir = std::string(VYR_TEST_TMP) + "/rlview";
  std::filesystem::create_directories(dir);
  View->SetNrOfRows(1);
  View->SetElem(1, 1, u"cell");
  std::vector<String> seen;
  View->SetOnBeforeHTMLExport([&](TObject* Sender, String& Text, int, int) {
    EXPECT_EQ(Sender, View);
    seen.push_back(Text);
  });
  View->ExportHTMLTable(FromUTF8(dir + "/t.html"), 1, 1, 1, 1, {}, 0, 0, 0, false, u"", u"", u"");
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), u"cell");
}

TEST_F(StoreTest, ReadingAReportResizesTheGrid) {
  auto other = std::make_unique<TReportListView>(nullptr);
  other->SetNrOfColumns(2);
  other->SetNrOfRows(7);
  other->SetElem(2, 7, u"last");
  auto stream = std::make_unique<TMemoryStream>();
  other->WriteToXMLStream(stream.get(), true, u"data");
  stream->SetPosition(0);
  ASSERT_TRUE(View->ReadFromXMLStream(stream.get(), u"data"));
  EXPECT_EQ(View->NrOfColumns(), 2);
  EXPECT_EQ(View->NrOfRows(), 7);
  EXPECT_EQ(View->ColCount(), 2);
  EXPECT_EQ(View->RowCount(), 8);
  EXPECT_EQ(View->Elem(2, 7), u"last");
  auto shot = Shot();  // paints the new size without trouble
  EXPECT_EQ(shot->Width(), View->Width());
  // A report that is not there leaves the view as it was.
  stream->SetPosition(0);
  EXPECT_FALSE(View->ReadFromXMLStream(stream.get(), u"other"));
  EXPECT_EQ(View->NrOfRows(), 7);
}

TEST_F(StoreTest, AssignCopiesSettingsTableAndColumnSettings) {
  auto other = std::make_unique<TReportListView>(nullptr);
  other->SetNrOfColumns(3);
  other->SetNrOfRows(6);
  other->SetElem(3, 6, u"z");
  other->SetColumnAlignment(2, taCenter);
  other->SetColumnIsPwd(3, true);
  other->SetColorText(clNavy);
  other->SetCommonHeaderVisible(true);
  other->SetRowColPattern(3);
  other->SetFixedFirstColumn(true);
  View->Assign(other.get());
  EXPECT_EQ(View->NrOfColumns(), 3);
  EXPECT_EQ(View->NrOfRows(), 6);
  EXPECT_EQ(View->RowCount(), 8);
  EXPECT_EQ(View->FixedRows(), 2);
  EXPECT_EQ(View->FixedCols(), 1);
  EXPECT_EQ(View->Elem(3, 6), u"z");
  EXPECT_EQ(View->ColumnAlignment(2), taCenter);
  EXPECT_TRUE(View->ColumnIsPwd(3));
  EXPECT_EQ(View->ColorText(), clNavy);
  EXPECT_EQ(View->RowColPattern(), 3);
  // The copy stays connected: its own changes reach its own events.
  int changes = 0;
  View->SetOnChange([&](TObject*) { ++changes; });
  View->SetElem(1, 1, u"q");
  EXPECT_GE(changes, 1);
  EXPECT_EQ(other->Elem(1, 1), u"");
  TDrawGrid grid(nullptr);
  EXPECT_THROW(View->Assign(&grid), EConvertError);
}

TEST_F(StoreTest, SetupAndContentEventsFireAsListed) {
  int setups = 0, changes = 0;
  View->SetOnChangeSetup([&](TObject*) { ++setups; });
  View->SetOnChange([&](TObject*) { ++changes; });
  View->SetColorHigh(clRed);
  View->SetRowColPattern(2);
  View->SetColWidths(99, 10);  // out of range: no width, the event all the same
  EXPECT_EQ(setups, 3);
  EXPECT_EQ(changes, 0);
  View->SetEmptyMessage(u"none");
  View->SetEmptyMessage(u"none");  // unchanged
  View->SetColorEmptyMsg(0);       // unchanged
  EXPECT_EQ(setups, 4);
  View->SetCommonHeader(u"Title");
  View->SetCommonHeader(u"Title");
  View->SetCommonHeaderVisible(true);
  View->SetHeader(1, u"One");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(setups, 4);
}

TEST_F(StoreTest, TheViewLivesInFormFiles) {
  View->SetNrOfColumns(3);
  View->SetNrOfRows(12);
  View->SetCommonHeaderVisible(true);
  View->SetCommonHeader(u"Sales");
  View->SetColorBkgdShaded(clYellow);
  View->SetRowColPattern(2);
  View->SetEmptyMessage(u"Nothing|here");
  View->SetOptions(View->Options() << goVertLine);
  String text = WriteComponentToText(View);
  EXPECT_NE(text.find(u"NrOfRows = 12"), String::npos);
  EXPECT_NE(text.find(u"CommonHeader = 'Sales'"), String::npos);
  EXPECT_EQ(text.find(u"ColorHigh"), String::npos);  // defaults are not written
  EXPECT_EQ(text.find(u"RowCount"), String::npos);   // the grid's counts follow the table
  std::unique_ptr<TComponent> read(ReadComponentFromText(text));
  auto* copy = dynamic_cast<TReportListView*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NrOfColumns(), 3);
  EXPECT_EQ(copy->NrOfRows(), 12);
  EXPECT_EQ(copy->RowCount(), 14);
  EXPECT_TRUE(copy->CommonHeaderVisible());
  EXPECT_EQ(copy->CommonHeader(), u"Sales");
  EXPECT_EQ(copy->ColorBkgdShaded(), clYellow);
  EXPECT_EQ(copy->RowColPattern(), 2);
  EXPECT_EQ(copy->EmptyMessage(), u"Nothing|here");
  EXPECT_TRUE(copy->Options().Contains(goVertLine));
}

}  // namespace
}  // namespace rlviewtest
