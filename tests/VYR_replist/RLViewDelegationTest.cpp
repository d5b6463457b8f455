// The view's operations that hand over to its store: Fill, RemoveEmptyRows,
// RemoveRow with a sort order shown, and the exchange operations, each
// compared with the store alone doing the same on the same content, and the
// grid following the store's size afterwards.
#include <filesystem>

#include "RLViewTestUtil.h"
#include "platform/Clipbrd.h"

namespace rlviewtest {
namespace {

using vyr::TRLData;

class DelegationTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    Load(*View);
    Store = std::make_unique<TRLData>(nullptr);
    Load(*Store);
    Dir = std::filesystem::path(VYR_TEST_TMP) / "rlview_delegation";
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir);
  }
  // The same content into a view or a store.
  template <class T>
  static void Load(T& D) {
    D.SetNrOfColumns(3);
    D.SetNrOfRows(5);
    D.SetHeader(1, u"Name");
    D.SetColumnCheckMode(3, vyr::cmBox);
    const char16_t* names[] = {u"pear", u"", u"apple", u"", u"fig"};
    for (int r = 1; r <= 5; ++r) {
      D.SetElem(1, r, names[r - 1]);
      D.SetElem(2, r, names[r - 1][0] != 0 ? vcl::IntToStr(r * 10) : String());
    }
    D.SetElemChecked(3, 1, true);
    D.SetElemChecked(3, 2, true);  // a row whose only content is a marker
  }
  // Every cell as the store keeps it (markers included), row by row.
  template <class T>
  static std::vector<String> Cells(T& D) {
    std::vector<String> cells;
    for (int r = 1; r <= D.NrOfRows(); ++r)
      for (int c = 1; c <= D.NrOfColumns(); ++c) cells.push_back(D.Elem(c, r) + (D.ElemChecked(c, r) ? u"*" : u""));
    return cells;
  }
  void ExpectGridFollows() {
    EXPECT_EQ(View->RowCount(), std::max(View->NrOfRows(), 1) + View->FixedRows());
    EXPECT_EQ(View->ColCount(), View->NrOfColumns());
  }
  String File(const char* Name) const { return FromUTF8((Dir / Name).string()); }

  std::unique_ptr<TRLData> Store;
  std::filesystem::path Dir;
};

TEST_F(DelegationTest, FillAndRemoveEmptyRowsDoWhatTheStoreDoes) {
  struct Case { const char* What; std::function<void(TReportListView&)> OnView; std::function<void(TRLData&)> OnStore; };
  const Case cases[] = {
      {"Fill", [](TReportListView& V) { V.Fill(u"x"); }, [](TRLData& D) { D.Fill(u"x"); }},
      {"RemoveEmptyRows", [](TReportListView& V) { V.RemoveEmptyRows(); }, [](TRLData& D) { D.RemoveEmptyRows(); }},
      {"RemoveRow", [](TReportListView& V) { V.RemoveRow(2); }, [](TRLData& D) { D.RemoveRow(2); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    int changes = 0;
    View->SetOnChange([&](TObject*) { ++changes; });
    c.OnView(*View);
    c.OnStore(*Store);
    EXPECT_EQ(Cells(*View), Cells(*Store));
    EXPECT_GT(changes, 0);
    ExpectGridFollows();
    TearDown();
  }
  SetUp();
  View->RemoveEmptyRows();
  EXPECT_EQ(View->NrOfRows(), 3);  // rows 2 and 4: the marker alone does not count
}

TEST_F(DelegationTest, RemoveRowRemovesTheRowShownAtThatNumber) {
  View->Sort(1, -1, true);  // "", "", apple, fig, pear
  ASSERT_EQ(View->Elem(1, 3), u"apple");
  View->RemoveRow(3);
  EXPECT_EQ(View->NrOfRows(), 4);
  std::vector<String> shown;
  for (int r = 1; r <= 4; ++r) shown.push_back(View->Elem(1, r));
  EXPECT_EQ(shown, (std::vector<String>{u"", u"", u"fig", u"pear"}));  // the others keep their order
  ExpectGridFollows();
}

TEST_F(DelegationTest, ExchangeOperationsForwardTheirArguments) {
  // Clipboard: both overloads, a range and the header flag.
  View->CopyToClipBoard(1, 2, 2, 4, true, true);
  const String viewTabs = Clipboard()->AsText();
  Store->CopyToClipBoard(1, 2, 2, 4, true, true);
  EXPECT_EQ(viewTabs, Clipboard()->AsText());
  View->CopyToClipBoard(2, 1, 3, 5, false, u";");
  const String viewSep = Clipboard()->AsText();
  Store->CopyToClipBoard(2, 1, 3, 5, false, u";");
  EXPECT_EQ(viewSep, Clipboard()->AsText());
  // CSV export of a range, then import: the grid follows the new size.
  EXPECT_EQ(View->ExportCSV(File("v.csv"), vyr::csvSemicolon, true, false, 1, 2, 2, 3),
            Store->ExportCSV(File("s.csv"), vyr::csvSemicolon, true, false, 1, 2, 2, 3));
  EXPECT_EQ(std::filesystem::file_size(Dir / "v.csv"), std::filesystem::file_size(Dir / "s.csv"));
  EXPECT_EQ(View->ImportCSV(File("s.csv"), vyr::csvSemicolon, true), 2);
  EXPECT_EQ(View->NrOfColumns(), 2);
  EXPECT_EQ(View->Header(1), u"Name");
  ExpectGridFollows();
  // Lines into a column from a row on, growing the table.
  {
    std::FILE* f = std::fopen((Dir / "lines.txt").string().c_str(), "wb");
    std::fputs("a\nb\nc\n", f);
    std::fclose(f);
  }
  EXPECT_EQ(View->LoadLinesFromFile(2, 2, File("lines.txt")), 3);
  EXPECT_EQ(View->Elem(2, 4), u"c");
  EXPECT_EQ(View->NrOfRows(), 4);
  ExpectGridFollows();
  // XML by file and string, with the data id passed on.
  View->SaveAsXMLFile(File("v.xml"), u"people");
  EXPECT_TRUE(vyr::CheckIfValidReplist(File("v.xml"), u"people"));
  EXPECT_FALSE(View->LoadFromXMLFile(File("v.xml"), u"other"));
  Store->SetNrOfRows(1);
  ASSERT_TRUE(Store->LoadFromXMLFile(File("v.xml"), u"people"));
  View->SetNrOfRows(0);
  ASSERT_TRUE(View->LoadFromXMLFile(File("v.xml"), u"people"));
  EXPECT_EQ(Cells(*View), Cells(*Store));
  ExpectGridFollows();
}

}  // namespace
}  // namespace rlviewtest
