// Clipboard text, HTML export, CSV export and import, lines of a file.
#include <gtest/gtest.h>

#include "RLDataTestUtil.h"
#include "platform/Clipbrd.h"

using namespace vyr;
using namespace rltest;
using V = std::vector<String>;

namespace {

std::unique_ptr<TRLData> ABStore() {
  auto d = StoreOf({{u"x", u"y"}, {u"z", u""}});
  d->SetColName(1, u"A");
  d->SetColName(2, u"B");
  return d;
}

String Clip() { return vcl::Clipboard()->AsText(); }

}  // namespace

// ---------------------------------------------------------------- clipboard

TEST(RLDataClipboard, TabSeparatedWithHeader) {
  auto d = ABStore();
  d->CopyToClipBoard(1, 1, 2, 2, true, true);
  EXPECT_EQ(Clip(), u"A\tB\n\nx\ty\nz\t\n");
}

TEST(RLDataClipboard, FixedWidthFieldsCountTheMarker) {
  auto d = StoreOf({{u"abc", u"ab"}, {u"a", u"abcd"}});
  d->SetColName(1, u"Names");
  d->SetColName(2, u"C");
  d->SetColCheckMode(2, cmBox);
  d->SetElemChecked(2, 1, true);
  d->CopyToClipBoard(1, 1, 2, 2, true, false);
  // Column 1: longest text 3, name 5 -> fields of 6; column 2: longest
  // stored text 5 (marker included) -> fields of 6.
  EXPECT_EQ(Clip(), u"Names C     \n\nabc   ab    \na     abcd  \n");
  d->CopyToClipBoard(1, 1, 2, 2, false, false);
  EXPECT_EQ(Clip(), u"abc ab    \na   abcd  \n");
}

TEST(RLDataClipboard, SeparatorStandsOnlyBetweenColumns) {
  auto d = ABStore();
  d->CopyToClipBoard(1, 1, 2, 2, false, u";");
  EXPECT_EQ(Clip(), u"x;y\nz;\n");
  d->CopyToClipBoard(1, 1, 2, 2, true, String(u" | "));
  EXPECT_EQ(Clip(), u"A | B\n\nx | y\nz | \n");
}

TEST(RLDataClipboard, RangesAreClampedToTheTable) {
  auto d = ABStore();
  d->CopyToClipBoard(2, 2, 99, 99, false, true);
  EXPECT_EQ(Clip(), u"\n");
  d->CopyToClipBoard(1, -5, 1, 1, false, u",");
  EXPECT_EQ(Clip(), u"x\n");
  d->CopyToClipBoard(1, 3, 2, 9, true, true);  // no rows: the header only
  EXPECT_EQ(Clip(), u"A\tB\n\n");
}

TEST(RLDataClipboard, UnicodeAndMarkupPassUnchanged) {
  auto d = StoreOf({{u"<\u65e5>", u"\"q\""}});
  d->CopyToClipBoard(1, 1, 2, 1, false, true);
  EXPECT_EQ(Clip(), u"<\u65e5>\t\"q\"\n");
}

// ---------------------------------------------------------------- HTML

TEST(RLDataHtml, EveryCellPassesTheHookAndEveryTextIsEscaped) {
  auto dir = TempDir("html");
  auto d = StoreOf({{u"a<b", u"x"}, {u"c&d", u"y\nz"}, {u"e", u"w"}});
  d->SetColName(1, u"N\"1\"");
  d->SetColName(2, u"Second");
  d->SetCommonHeader(u"T<itle>");
  std::vector<std::pair<int, int>> seen;
  d->SetOnBeforeHTMLExport([&](vcl::TObject* Sender, String& Text, int Col, int Row) {
    EXPECT_EQ(Sender, d.get());
    seen.emplace_back(Col, Row);
    if (Col == 2 && Row == 1) Text = u"<replaced>";
  });
  const auto path = dir / "t.html";
  d->ExportHTMLTable(PathText(path), 1, 1, 2, 2, {}, 1, 2, 3, true, u"hd", u"", u"tab");
  const std::string html = ReadBytes(path);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(html.find("<title>T&lt;itle&gt;</title>"), std::string::npos);
  EXPECT_NE(html.find("<table class=\"tab\" border=\"1\" cellspacing=\"2\" cellpadding=\"3\">"),
            std::string::npos);
  EXPECT_NE(html.find("<tr><th class=\"hd\">N&quot;1&quot;</th><th class=\"hd\">Second</th></tr>"),
            std::string::npos);
  EXPECT_NE(html.find("<tr><td>a&lt;b</td><td>&lt;replaced&gt;</td></tr>"), std::string::npos);
  EXPECT_NE(html.find("<tr><td>c&amp;d</td><td>y<br>z</td></tr>"), std::string::npos);
  EXPECT_EQ(html.find("<td>e</td>"), std::string::npos);  // row 3 is outside the range
}

TEST(RLDataHtml, ColumnSelectionPicksAndOrdersColumnsWithinTheRange) {
  auto dir = TempDir("htmlsel");
  auto d = StoreOf({{u"1", u"2", u"3"}});
  const auto path = dir / "s.html";
  d->ExportHTMLTable(PathText(path), 1, 1, 2, 1, {2, 3, 1, 7}, -1, -1, -1, false, u"", u"c", u"");
  const std::string html = ReadBytes(path);
  EXPECT_NE(html.find("<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">"), std::string::npos);
  EXPECT_NE(html.find("<tr><td class=\"c\">2</td><td class=\"c\">1</td></tr>"), std::string::npos);
  EXPECT_EQ(html.find("<th"), std::string::npos);
}

// ---------------------------------------------------------------- CSV

TEST(RLDataCsv, ExportQuotesOnlyWhatNeedsIt) {
  auto dir = TempDir("csvout");
  auto d = StoreOf({{u"plain", u"a,b", u"say \"hi\""}, {u"two\nlines", u" pad ", u"\u00e9"}});
  d->SetColName(1, u"N1");
  d->SetColName(2, u"N,2");
  d->SetCommonHeader(u"Title");
  const auto path = dir / "o.csv";
  EXPECT_EQ(d->ExportCSV(PathText(path), csvComma, true, true, 1, 1, 3, 2), 2);
  EXPECT_EQ(ReadBytes(path),
            "Title\r\nN1,\"N,2\",C-3\r\nplain,\"a,b\",\"say \"\"hi\"\"\"\r\n"
            "\"two\nlines\", pad ,\xC3\xA9\r\n");
  EXPECT_EQ(d->ExportCSV(PathText(path), csvSemicolon, false, false, 2, 2, 2, 2), 1);
  EXPECT_EQ(ReadBytes(path), " pad \r\n");
  EXPECT_EQ(d->ExportCSV(PathText(path), csvSpace, false, false, 2, 2, 2, 2), 1);
  EXPECT_EQ(ReadBytes(path), "\" pad \"\r\n");
}

TEST(RLDataCsv, ExportHidesMarkersAndKeepsEmptyRecords) {
  auto dir = TempDir("csvempty");
  auto d = StoreOf({{u""}, {u"v"}});
  d->SetColCheckMode(1, cmBox);
  d->SetElemChecked(1, 2, true);
  const auto path = dir / "e.csv";
  EXPECT_EQ(d->ExportCSV(PathText(path), csvTab, false, false, 1, 1, 1, 99), 2);
  EXPECT_EQ(ReadBytes(path), "\"\"\r\nv\r\n");
}

TEST(RLDataCsv, RoundTripWithEveryDelimiter) {
  auto dir = TempDir("csvround");
  auto src = StoreOf({{u"a,b;c|d e\tf", u"\"quoted\""},
                      {u"line\r\nbreak", u""},
                      {u"", u"\u65e5\u672c \U0001F600"},
                      {u"  spaces  ", u"x"}});
  src->SetColName(1, u"First, \"one\"");
  src->SetColName(2, u"Zweite \u00fc");
  const auto path = dir / "r.csv";
  for (TCSVDelimiters delim : {csvComma, csvSemicolon, csvTab, csvSpace, csvPipe}) {
    SCOPED_TRACE(static_cast<int>(delim));
    src->ExportCSV(PathText(path), delim, true, false, 1, 1, 2, 4);
    TRLData dst(nullptr);
    dst.SetComment(u"kept");
    EXPECT_EQ(dst.ImportCSV(PathText(path), delim, true), 4);
    EXPECT_EQ(dst.NrOfColumns(), 2);
    for (int c = 1; c <= 2; ++c) {
      EXPECT_EQ(dst.GetColName(c), src->GetColName(c));
      EXPECT_EQ(ColumnTexts(dst, c), ColumnTexts(*src, c));
    }
    EXPECT_EQ(dst.Comment(), u"kept");
  }
}

TEST(RLDataCsv, ATextStartingWithAByteOrderMarkSurvives) {
  auto dir = TempDir("csvbom");
  const auto path = dir / "b.csv";
  auto src = StoreOf({{u"\uFEFFfirst", u"\uFEFF"}});
  src->ExportCSV(PathText(path), csvComma, false, false, 1, 1, 2, 1);
  TRLData dst(nullptr);
  EXPECT_EQ(dst.ImportCSV(PathText(path), csvComma, false), 1);
  EXPECT_EQ(dst.GetElem(1, 1), u"\uFEFFfirst");
  EXPECT_EQ(dst.GetElem(2, 1), u"\uFEFF");
}

TEST(RLDataCsv, ImportPadsRaggedRowsAndSkipsBlankLines) {
  auto dir = TempDir("csvragged");
  const auto path = dir / "g.csv";
  WriteBytes(path, "\xEF\xBB\xBFh1,h2\n\na\nb,c,d\r\n\r\ne,\n");
  TRLData d(nullptr);
  EXPECT_EQ(d.ImportCSV(PathText(path), csvComma, true), 3);
  EXPECT_EQ(d.NrOfColumns(), 3);
  EXPECT_EQ(d.GetColName(1), u"h1");
  EXPECT_EQ(d.GetColName(3), u"C-3");
  EXPECT_EQ(ColumnTexts(d, 1), (V{u"a", u"b", u"e"}));
  EXPECT_EQ(ColumnTexts(d, 2), (V{u"", u"c", u""}));
  EXPECT_EQ(ColumnTexts(d, 3), (V{u"", u"d", u""}));
}

TEST(RLDataCsv, ImportWithoutHeaderAndLenientQuotes) {
  auto dir = TempDir("csvlenient");
  const auto path = dir / "l.csv";
  WriteBytes(path, "\"ab\"cd,x\"y\",\"\"\r\n\"multi\rline\"");
  TRLData d(nullptr);
  EXPECT_EQ(d.ImportCSV(PathText(path), csvComma, false), 2);
  EXPECT_EQ(d.GetElem(1, 1), u"abcd");
  EXPECT_EQ(d.GetElem(2, 1), u"x\"y\"");
  EXPECT_EQ(d.GetElem(3, 1), u"");
  EXPECT_EQ(d.GetElem(1, 2), u"multi\rline");
  EXPECT_EQ(d.GetColName(1), u"C-1");
}

TEST(RLDataCsv, ImportReplacesColumnSettings) {
  auto dir = TempDir("csvreset");
  const auto path = dir / "s.csv";
  WriteBytes(path, "1,2\n");
  auto d = StoreOf({{u"a"}});
  d->SetColumnFormat(1, u"[i][9]");
  d->SetColCheckMode(1, cmBox);
  d->Sort(1, -1, true);
  EXPECT_EQ(d->ImportCSV(PathText(path), csvComma, false), 1);
  EXPECT_EQ(d->GetColumnFormat(1), u"");
  EXPECT_EQ(d->GetColCheckMode(1), cmNone);
  EXPECT_EQ(d->LastSortColumn(), -1);
  EXPECT_EQ(d->GetElem(2, 1), u"2");
}

// ---------------------------------------------------------------- lines

TEST(RLDataLines, LinesFillAColumnAndAddRows) {
  auto dir = TempDir("lines");
  const auto path = dir / "l.txt";
  WriteBytes(path, "one\r\ntwo\n\nf\xC3\xBC" "nf\rsix\n");
  auto d = StoreOf({{u"a", u"k"}, {u"b", u"l"}});
  d->SetColCheckMode(2, cmBox);
  d->SetElemChecked(2, 2, true);
  EXPECT_EQ(d->LoadLinesFromFile(2, 2, PathText(path)), 5);
  EXPECT_EQ(d->NrOfRows(), 6);
  EXPECT_EQ(ColumnTexts(*d, 2), (V{u"k", u"one", u"two", u"", u"f\u00fcnf", u"six"}));
  EXPECT_TRUE(d->GetElemChecked(2, 2));  // the marker stays
  EXPECT_EQ(ColumnTexts(*d, 1), (V{u"a", u"b", u"", u"", u"", u""}));
}

TEST(RLDataLines, InvalidTargetsReadNothing) {
  auto dir = TempDir("linesbad");
  const auto path = dir / "l.txt";
  WriteBytes(path, "x\n");
  auto d = StoreOf({{u"a"}});
  EXPECT_EQ(d->LoadLinesFromFile(2, 1, PathText(path)), 0);
  EXPECT_EQ(d->LoadLinesFromFile(1, 0, PathText(path)), 0);
  WriteBytes(path, "");
  EXPECT_EQ(d->LoadLinesFromFile(1, 1, PathText(path)), 0);
  EXPECT_EQ(d->GetElem(1, 1), u"a");
  EXPECT_EQ(d->LoadLinesFromFile(0, 3, PathText(path)), 0);
  WriteBytes(path, "hidden\n");
  EXPECT_EQ(d->LoadLinesFromFile(0, 3, PathText(path)), 1);
  EXPECT_EQ(d->GetElem(0, 3), u"hidden");
  EXPECT_EQ(d->NrOfRows(), 3);
}
