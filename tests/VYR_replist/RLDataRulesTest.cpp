// Rules of the report data store that the other store tests leave out:
// number reading, check modes seen through IsCheckedColumn and radio
// columns, what Assign takes over of the event handlers, separators given
// as narrow literals, and the public types.
#include <gtest/gtest.h>

#include <type_traits>

#include "RLDataTestUtil.h"
#include "platform/Clipbrd.h"

using namespace vyr;
using namespace rltest;
using V = std::vector<String>;

// ---------------------------------------------------------------- numbers

TEST(RLDataCells, AsNumberReadsEveryDecimalForm) {
  auto d = StoreOf({{u"+3", u".5", u"1E2", u" 2,5e-1 ", u"-0,125", u"7."}});
  const double expected[] = {3.0, 0.5, 100.0, 0.25, -0.125, 7.0};
  for (int c = 1; c <= 6; ++c) EXPECT_DOUBLE_EQ(d->GetAsNumber(c, 1), expected[c - 1]) << c;
}

TEST(RLDataCells, AsNumberRefusesWhatIsNoDecimalNumber) {
  const V bad = {u"inf", u"nan", u"0x1A", u"--1", u"1 000", u"1,5,0", u"e5", u"-", u"1e"};
  auto d = MakeStore(static_cast<int>(bad.size()), 1);
  for (std::size_t i = 0; i < bad.size(); ++i) d->SetElem(static_cast<int>(i) + 1, 1, bad[i]);
  for (std::size_t i = 0; i < bad.size(); ++i) {
    const int c = static_cast<int>(i) + 1;
    try {
      d->GetAsNumber(c, 1);
      ADD_FAILURE() << "accepted " << vcl::ToUTF8(bad[i]);
    } catch (const EVYRDStructError& e) {
      EXPECT_EQ(e.Message(), u"Class TRLData: invalid numeric string: [" + vcl::IntToStr(c) + u",1]: " + bad[i]);
    }
  }
}

TEST(RLDataCells, AsNumberOfAMarkerOnlyCellIsZero) {
  auto d = MakeStore(1, 2);
  d->SetColCheckMode(1, cmRadio);
  d->SetElemChecked(1, 1, true);  // stored "X"
  d->SetElem(1, 2, u"  ");        // stored " " and two blanks
  EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 1), 0.0);
  EXPECT_DOUBLE_EQ(d->GetAsNumber(1, 2), 0.0);
}

// ---------------------------------------------------------------- check modes

TEST(RLDataModes, IsCheckedColumnMeansABoxColumn) {
  auto d = StoreOf({{u"a"}, {u"b"}});
  d->SetColCheckMode(1, cmRadio);
  d->SetElemChecked(1, 2, true);
  EXPECT_FALSE(d->GetCheckedCol(1));  // radio buttons are no check boxes
  EXPECT_EQ(d->Strings->GetString(1, 2), u"Xb");
  // Writing False leaves plain texts without markers.
  d->SetCheckedCol(1, false);
  EXPECT_EQ(d->GetColCheckMode(1), cmNone);
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"a", u"b"}));
  EXPECT_EQ(d->Strings->GetString(1, 2), u"b");
  // Writing True on a box column changes nothing.
  d->SetCheckedCol(1, true);
  d->SetElemChecked(1, 1, true);
  d->SetCheckedCol(1, true);
  EXPECT_EQ(d->Strings->GetString(1, 1), u"Xa");
  EXPECT_EQ(d->Strings->GetString(1, 2), u" b");
}

TEST(RLDataModes, CheckingARadioCellUnchecksTheColumnAsSetAllDoes) {
  auto d = MakeStore(1, 4);
  d->SetColCheckMode(1, cmRadio);
  d->SetElem(1, 2, u"two");
  d->Strings->SetString(1, 4, u"Yfour");  // checked under another marker
  d->Strings->SetRowAttrib(4, RLRowDisabled);
  d->SetElemChecked(1, 3, true);
  // Every other cell now carries the blank marker, as after
  // SetAllCheckmarksOfCol(1, False); the disabled row too.
  std::vector<String> stored;
  for (int r = 1; r <= 4; ++r) stored.push_back(d->Strings->GetString(1, r));
  EXPECT_EQ(stored, (V{u" ", u" two", u"X", u" four"}));
  auto same = MakeStore(1, 4);
  same->SetColCheckMode(1, cmRadio);
  same->SetElem(1, 2, u"two");
  same->Strings->SetString(1, 4, u"Yfour");
  same->SetAllCheckmarksOfCol(1, false);
  for (int r : {1, 2, 4}) {
    EXPECT_EQ(same->Strings->GetString(1, r), stored[static_cast<std::size_t>(r) - 1]) << r;
  }
  EXPECT_EQ(d->FirstCheckedElemInCol(1), 3);
}

TEST(RLDataModes, ColumnZeroIsNeverACheckColumn) {
  auto d = MakeStore(1, 1);
  d->SetColCheckMode(0, cmBox);
  d->SetElem(0, 1, u"Xkey");
  d->SetElemChecked(0, 1, false);
  EXPECT_EQ(d->GetElem(0, 1), u"Xkey");
  EXPECT_FALSE(d->GetElemChecked(0, 1));
  EXPECT_EQ(d->CountCheckedElemsInRow(1), 0);
}

// ---------------------------------------------------------------- copying

TEST(RLDataAssign, TakesOverTheSortHookButKeepsItsOtherHandlers) {
  auto src = StoreOf({{u"b"}, {u"a"}});
  int srcExports = 0;
  int srcPercents = 0;
  std::vector<vcl::TObject*> sortSenders;
  src->SetOnBeforeSortExchange([&](vcl::TObject* Sender, const String&, String&) { sortSenders.push_back(Sender); });
  src->SetOnBeforeHTMLExport([&](vcl::TObject*, String&, int, int) { ++srcExports; });
  src->SetOnPercentDone([&](vcl::TObject*, int) { ++srcPercents; });

  TRLData dst(nullptr);
  int dstExports = 0;
  dst.SetOnBeforeHTMLExport([&](vcl::TObject*, String&, int, int) { ++dstExports; });
  dst.Assign(src.get());
  ASSERT_TRUE(dst.OnBeforeSortExchange());
  ASSERT_TRUE(dst.OnBeforeHTMLExport());
  EXPECT_FALSE(dst.OnPercentDone());

  // The copied sort hook hears of the copy's sorting, with the copy as sender.
  dst.Sort(1, -1, true);
  ASSERT_FALSE(sortSenders.empty());
  for (vcl::TObject* s : sortSenders) EXPECT_EQ(s, &dst);
  EXPECT_EQ(ColumnTexts(dst, 1), (V{u"a", u"b"}));

  // The copy's own export hook stays its own.
  auto dir = TempDir("assignhooks");
  dst.ExportHTMLTable(PathText(dir / "a.html"), 1, 1, 1, 2, {}, 0, 0, 0, false, u"", u"", u"");
  EXPECT_EQ(dstExports, 2);
  EXPECT_EQ(srcExports, 0);
  EXPECT_EQ(srcPercents, 0);
}

TEST(RLDataAssign, CopiesTheDocumentAndTheSortState) {
  auto src = StoreOf({{u"2", u"x"}, {u"1", u"y"}});
  src->SetComment(u"note");
  src->SetCommonHeader(u"Title");
  src->SetDataID(u"Id-7");
  src->Sort(1, 2, false);
  TRLData dst(nullptr);
  dst.SetComment(u"old");
  dst.Assign(src.get());
  EXPECT_EQ(dst.Comment(), u"note");
  EXPECT_EQ(dst.CommonHeader(), u"Title");
  EXPECT_EQ(dst.DataID(), u"Id-7");
  EXPECT_EQ(dst.LastSortColumn(), 1);
  EXPECT_FALSE(dst.LastSortOrder());
  for (int r = 1; r <= 2; ++r) EXPECT_EQ(dst.Strings->GetSortOrder(r), src->Strings->GetSortOrder(r)) << r;
}

// ---------------------------------------------------------------- clipboard

TEST(RLDataClipboard, NarrowLiteralSeparatorIsASeparator) {
  auto d = StoreOf({{u"x", u"y"}, {u"z", u""}});
  d->SetColName(1, u"A");
  d->SetColName(2, u"B");
  d->CopyToClipBoard(1, 1, 2, 2, false, ";");
  EXPECT_EQ(vcl::Clipboard()->AsText(), u"x;y\nz;\n");
  d->CopyToClipBoard(1, 1, 2, 1, true, "\xC2\xA7");  // UTF-8 section sign
  EXPECT_EQ(vcl::Clipboard()->AsText(), u"A\u00a7B\n\nx\u00a7y\n");
}

// ---------------------------------------------------------------- public types

TEST(RLDataTypes, EnumerationsHaveTheirOrdinalsInOneByte) {
  static_assert(std::is_same_v<std::underlying_type_t<TCheckMode>, std::uint8_t>);
  static_assert(std::is_same_v<std::underlying_type_t<TFilterMode>, std::uint8_t>);
  EXPECT_EQ(static_cast<int>(cmNone), 0);
  EXPECT_EQ(static_cast<int>(cmBox), 1);
  EXPECT_EQ(static_cast<int>(cmRadio), 2);
  EXPECT_EQ(static_cast<int>(fmSimple), 0);
  EXPECT_EQ(static_cast<int>(fmBoolean), 1);
  EXPECT_EQ(static_cast<int>(fmGrep), 2);
  const TRepListXmlTag order[] = {xmlNumCols, xmlNumRows, xmlColName, xmlCheckedColumn, xmlCommonHd,
                                  xmlColumnFormat, xmlCell, xmlComment, xmlEndReplist, xmlInvalid};
  const char16_t* texts[] = {u"numcols", u"numrows", u"colname", u"checkedcolumn", u"commonheader",
                             u"columnformat", u"cell", u"comment", u"/replist", u"invalidtag"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(static_cast<int>(order[i]), i);
    EXPECT_EQ(RepListXmlTagText[static_cast<std::size_t>(i)], texts[i]);
    if (order[i] != xmlInvalid) {
      EXPECT_EQ(RepListXmlTagOf(texts[i]), order[i]);
    }
  }
}

TEST(RLDataTypes, StoreErrorsAreBasePackageErrors) {
  static_assert(std::is_base_of_v<EVYRError, EVYRRLDataError>);
  static_assert(std::is_base_of_v<EVYRError, EVYRRepListError>);
  static_assert(std::is_base_of_v<EVYRError, EVYRDStructError>);
  // A reader's failure is caught as the base package's error.
  TRLData d(nullptr);
  EXPECT_THROW(d.LoadFromXMLFile(u"/nonexistent/dir/report.xml", u""), EVYRError);
  EXPECT_THROW(d.ImportCSV(u"/nonexistent/dir/t.csv", csvComma, false), EVYRError);
  EXPECT_THROW(d.LoadLinesFromFile(1, 1, u"/nonexistent/dir/t.txt"), EVYRError);
}
