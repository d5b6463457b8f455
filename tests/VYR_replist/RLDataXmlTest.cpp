// Report XML: writing, reading back, several reports per file, the
// validity check.
#include <gtest/gtest.h>

#include <expat.h>

#include "RLDataTestUtil.h"

using namespace vyr;
using namespace rltest;
using V = std::vector<String>;

namespace {

// Texts a careless writer or reader would damage.
const std::vector<String> kAwkward = {
    u"plain", u"", u"a \"quoted\" 'word'", u"<b>&amp;</b> ]]>", u"two\nlines\r\nand\rcr",
    u"  blanks around  ", u"tab\there", u"\u00c4\u00d6\u00dc \u65e5\u672c\u8a9e \u0416",
    u"\U0001F600 emoji", u"ctl\x01\x1f", String(1, char16_t(0xD800)) + u"lone", u"id=\"x\" <replist vyrkitset"};

std::unique_ptr<TRLData> AwkwardStore() {
  auto d = MakeStore(3, static_cast<int>(kAwkward.size()));
  for (std::size_t i = 0; i < kAwkward.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    d->SetElem(1, r, kAwkward[i]);
    d->SetElem(2, r, kAwkward[kAwkward.size() - 1 - i]);
    d->SetElem(0, r, u"k" + vcl::IntToStr(r));
  }
  d->SetColName(1, u"Name <&>");
  d->SetColName(2, u"\u0413\u043e\u0440\u043e\u0434");
  d->SetColumnFormat(2, u"[c:4][100]a|b");
  d->SetColCheckMode(3, cmBox);
  d->SetElemChecked(3, 2, true);
  d->SetElem(3, 4, u"boxed");
  d->SetCommonHeader(u"Head \"1\"\nline 2");
  d->SetComment(u"Comment & <notes>\r\n\x02");
  d->SetDataID(u"Sales");
  return d;
}

String WriteToText(TRLData& D, bool Header, const String& Id) {
  vcl::TStringStream s;
  D.WriteToXMLStream(&s, Header, Id);
  return s.DataString();
}

// True when expat accepts the bytes as one well-formed document.
bool WellFormed(const std::string& Bytes) {
  XML_Parser p = XML_ParserCreate("UTF-8");
  const bool ok = XML_Parse(p, Bytes.data(), static_cast<int>(Bytes.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(p);
  return ok;
}

}  // namespace

// ---------------------------------------------------------------- round trips

TEST(RLDataXml, RoundTripKeepsEveryText) {
  auto src = AwkwardStore();
  const String xml = WriteToText(*src, true, u"");
  EXPECT_TRUE(WellFormed(vcl::ToUTF8(xml)));
  TRLData dst(nullptr);
  ASSERT_TRUE(dst.ReadFromXMLString(xml, u"sales"));
  EXPECT_EQ(Snapshot(dst), Snapshot(*src));
  EXPECT_EQ(dst.DataID(), u"Sales");
  EXPECT_TRUE(dst.GetElemChecked(3, 2));
  EXPECT_EQ(dst.GetElem(3, 4), u"boxed");
}

TEST(RLDataXml, RoundTripThroughAFile) {
  auto dir = TempDir("xmlfile");
  auto src = AwkwardStore();
  const String name = PathText(dir / "report.xml");
  src->SaveAsXMLFile(name, u"");
  EXPECT_TRUE(WellFormed(ReadBytes(dir / "report.xml")));
  EXPECT_TRUE(CheckIfValidReplist(name, u"SALES"));
  TRLData dst(nullptr);
  ASSERT_TRUE(dst.LoadFromXMLFile(name, u""));
  EXPECT_EQ(Snapshot(dst), Snapshot(*src));
  // Saving again replaces the file and leaves no temporary file behind.
  src->SetElem(1, 1, u"changed");
  src->SaveAsXMLFile(name, u"");
  ASSERT_TRUE(dst.LoadFromXMLFile(name, u""));
  EXPECT_EQ(dst.GetElem(1, 1), u"changed");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST(RLDataXml, RowsAreWrittenAsShown) {
  auto src = StoreOf({{u"c"}, {u"a"}, {u"b"}});
  src->Sort(1, -1, true);
  TRLData dst(nullptr);
  ASSERT_TRUE(dst.ReadFromXMLString(WriteToText(*src, true, u"x"), u"x"));
  EXPECT_EQ(ColumnTexts(dst, 1), (V{u"a", u"b", u"c"}));
  EXPECT_FALSE(dst.Strings->Sorted());
  EXPECT_EQ(dst.LastSortColumn(), -1);
}

TEST(RLDataXml, EmptyAndColumnlessTablesRoundTrip) {
  TRLData empty(nullptr);
  TRLData dst(nullptr);
  dst.SetNrCols(5);
  ASSERT_TRUE(dst.ReadFromXMLString(WriteToText(empty, false, u"e"), u"e"));
  EXPECT_EQ(dst.NrOfColumns(), 1);
  EXPECT_EQ(dst.NrOfRows(), 0);

  auto none = StoreOf({{u"a"}});
  none->RemoveColumn(1);
  ASSERT_TRUE(dst.ReadFromXMLString(WriteToText(*none, false, u"n"), u"n"));
  EXPECT_EQ(dst.NrOfColumns(), 0);
  EXPECT_EQ(dst.NrOfRows(), 1);
}

TEST(RLDataXml, TheWrittenFormIsReadable) {
  auto d = StoreOf({{u"North", u"x"}});
  d->SetColName(1, u"Region");
  d->SetColCheckMode(2, cmBox);
  const String xml = WriteToText(*d, true, u"Sales");
  EXPECT_EQ(xml.find(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"), 0u);
  EXPECT_NE(xml.find(u"\n<replist id=\"Sales\" format=\"vyrkitset\" version=\"1\">\n"), String::npos);
  EXPECT_NE(xml.find(u"  <numcols>2</numcols>\n  <numrows>1</numrows>\n"), String::npos);
  EXPECT_NE(xml.find(u"  <colname col=\"1\">Region</colname>\n"), String::npos);
  EXPECT_NE(xml.find(u"  <checkedcolumn col=\"2\">box</checkedcolumn>\n"), String::npos);
  EXPECT_NE(xml.find(u"  <cell col=\"1\" row=\"1\">North</cell>\n"), String::npos);
  EXPECT_NE(xml.find(u"  <cell col=\"2\" row=\"1\"> x</cell>\n"), String::npos);
  EXPECT_EQ(xml.substr(xml.size() - 11), u"</replist>\n");
  // Without the header the report starts right away.
  EXPECT_EQ(WriteToText(*d, false, u"S").find(u"<replist id=\"S\""), 0u);
}

TEST(RLDataXml, WriterUsesTheStoresIdWhenNoneIsGiven) {
  auto d = StoreOf({{u"a"}});
  d->SetDataID(u"Own");
  EXPECT_NE(WriteToText(*d, false, u"").find(u"id=\"Own\""), String::npos);
  EXPECT_NE(WriteToText(*d, false, u"Other").find(u"id=\"Other\""), String::npos);
}

TEST(RLDataXml, ReaderAcceptsOtherSpellings) {
  // Attributes in another order, blanks in numbers, ordinals for check
  // modes, unknown elements skipped, a declaration before the report.
  const String xml =
      u"<?xml version=\"1.0\"?>\n<!-- written by hand -->\n"
      u"<replist format=\"VYRKITSET\" id=\"Hand\">\n"
      u"<numrows> 2 </numrows><numcols>2</numcols><future a=\"1\"><cell>ignored</cell></future>\n"
      u"<checkedcolumn col=\"1\">1</checkedcolumn><checkedcolumn col=\"2\">RADIO</checkedcolumn>\n"
      u"<cell row=\"2\" col=\"1\">Xyes</cell><cell row=\"1\" col=\"2\"><![CDATA[<raw>]]></cell>\n"
      u"</replist>";
  TRLData d(nullptr);
  ASSERT_TRUE(d.ReadFromXMLString(xml, u"hand"));
  EXPECT_EQ(d.NrOfColumns(), 2);
  EXPECT_EQ(d.NrOfRows(), 2);
  EXPECT_EQ(d.GetColCheckMode(1), cmBox);
  EXPECT_EQ(d.GetColCheckMode(2), cmRadio);
  EXPECT_TRUE(d.GetElemChecked(1, 2));
  EXPECT_EQ(d.GetElem(1, 2), u"yes");
  EXPECT_EQ(d.Strings->GetString(2, 1), u"<raw>");
  EXPECT_EQ(d.GetColName(1), u"C-1");
  EXPECT_EQ(d.Comment(), u"");
  EXPECT_EQ(d.CommonHeader(), u"");
}

TEST(RLDataXml, LongTextsAreCutWhenRead) {
  const String xml = u"<replist id=\"L\" format=\"vyrkitset\"><numcols>1</numcols><numrows>1</numrows>"
                     u"<colname col=\"1\">" + String(70, u'n') + u"</colname>"
                     u"<columnformat col=\"1\">" + String(100, u'f') + u"</columnformat>"
                     u"<cell col=\"1\" row=\"1\">" + String(5000, u'\u00e9') + u"</cell></replist>";
  TRLData d(nullptr);
  ASSERT_TRUE(d.ReadFromXMLString(xml, u""));
  EXPECT_EQ(d.GetColName(1).size(), 50u);
  EXPECT_EQ(d.GetColumnFormat(1).size(), 80u);
  EXPECT_EQ(d.GetElem(1, 1), String(255, u'\u00e9'));
}

TEST(RLDataXml, ProgressIsReportedUpToOneHundred) {
  auto src = MakeStore(4, 500);
  src->Fill(u"v");
  std::vector<int> seen;
  src->SetOnPercentDone([&](vcl::TObject* Sender, int P) {
    EXPECT_EQ(Sender, src.get());
    seen.push_back(P);
  });
  const String xml = WriteToText(*src, true, u"p");
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_GE(seen.size(), 50u);
  seen.clear();
  TRLData dst(nullptr);
  dst.SetOnPercentDone([&](vcl::TObject*, int P) { seen.push_back(P); });
  ASSERT_TRUE(dst.ReadFromXMLString(xml, u"p"));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 100);
}

TEST(RLDataXml, ReadReplacesTheTableButKeepsTheViewsHooks) {
  TRLData d(nullptr);
  int changes = 0;
  d.Strings->SetOnChange([&](vcl::TObject*) { ++changes; });
  auto src = StoreOf({{u"a", u"b"}});
  ASSERT_TRUE(d.ReadFromXMLString(WriteToText(*src, false, u"h"), u""));
  EXPECT_EQ(changes, 1);
  d.SetElem(1, 1, u"z");
  EXPECT_EQ(changes, 2);
}

// ---------------------------------------------------------------- several reports

TEST(RLDataXml, SeveralReportsInOneFileAreToldApartById) {
  auto dir = TempDir("several");
  const auto path = dir / "many.xml";
  auto a = StoreOf({{u"alpha"}});
  auto b = StoreOf({{u"beta", u"two"}});
  std::FILE* f = std::fopen(path.string().c_str(), "wb");
  ASSERT_NE(f, nullptr);
  a->WriteToOpenXMLFile(f, true, u"A");
  b->WriteToOpenXMLFile(f, false, u"B");
  a->WriteToOpenXMLFile(f, false, u"A2");
  std::fclose(f);

  const String name = PathText(path);
  EXPECT_TRUE(CheckIfValidReplist(name, u"b"));
  EXPECT_TRUE(CheckIfValidReplist(name, u"A2"));
  EXPECT_FALSE(CheckIfValidReplist(name, u"C"));
  TRLData d(nullptr);
  ASSERT_TRUE(d.LoadFromXMLFile(name, u"B"));
  EXPECT_EQ(d.GetElem(2, 1), u"two");
  ASSERT_TRUE(d.LoadFromXMLFile(name, u"a"));
  EXPECT_EQ(d.GetElem(1, 1), u"alpha");
  EXPECT_EQ(d.NrOfColumns(), 1);
  ASSERT_TRUE(d.LoadFromXMLFile(name, u""));  // the first one
  EXPECT_EQ(d.DataID(), u"A");
  const String before = Snapshot(d);
  EXPECT_FALSE(d.LoadFromXMLFile(name, u"missing"));
  EXPECT_EQ(Snapshot(d), before);
}

TEST(RLDataXml, ReadingAStreamContinuesBehindEachReport) {
  vcl::TMemoryStream s;
  auto a = StoreOf({{u"one"}});
  auto b = StoreOf({{u"two"}});
  a->WriteToXMLStream(&s, true, u"same");
  b->WriteToXMLStream(&s, false, u"same");
  s.SetPosition(0);
  TRLData d(nullptr);
  ASSERT_TRUE(d.ReadFromXMLStream(&s, u"same"));
  EXPECT_EQ(d.GetElem(1, 1), u"one");
  ASSERT_TRUE(d.ReadFromXMLStream(&s, u"same"));
  EXPECT_EQ(d.GetElem(1, 1), u"two");
  const std::int64_t end = s.Position();
  EXPECT_FALSE(d.ReadFromXMLStream(&s, u"same"));
  EXPECT_EQ(s.Position(), end);
  EXPECT_EQ(d.GetElem(1, 1), u"two");
}

TEST(RLDataXml, OpenFileReaderLeavesThePositionBehindTheReport) {
  auto dir = TempDir("openfile");
  const auto path = dir / "two.xml";
  std::FILE* f = std::fopen(path.string().c_str(), "w+b");
  ASSERT_NE(f, nullptr);
  StoreOf({{u"first"}})->WriteToOpenXMLFile(f, true, u"r");
  const long between = std::ftell(f);
  StoreOf({{u"second"}})->WriteToOpenXMLFile(f, false, u"r");
  std::rewind(f);
  TRLData d(nullptr);
  ASSERT_TRUE(d.ReadFromOpenXMLFile(f, u"R"));
  EXPECT_EQ(d.GetElem(1, 1), u"first");
  EXPECT_EQ(std::ftell(f), between);
  ASSERT_TRUE(d.ReadFromOpenXMLFile(f, u"R"));
  EXPECT_EQ(d.GetElem(1, 1), u"second");
  std::fclose(f);
}

// ---------------------------------------------------------------- validity

TEST(RLDataValid, RootLineMustCarryTheMarkerAndTheId) {
  auto dir = TempDir("valid");
  const auto path = dir / "r.xml";
  const String name = PathText(path);
  WriteBytes(path, "<?xml version=\"1.0\"?>\n<Replist id=\" Sales \" format=\"VyrKitSet\">\n</replist>\n");
  EXPECT_TRUE(CheckIfValidReplist(name, u"SALES"));
  EXPECT_TRUE(CheckIfValidReplist(name, u""));
  EXPECT_FALSE(CheckIfValidReplist(name, u"costs"));
  WriteBytes(path, "<replist id=\"Sales\">\n</replist>\n");
  EXPECT_FALSE(CheckIfValidReplist(name, u""));
  WriteBytes(path, "");
  EXPECT_FALSE(CheckIfValidReplist(name, u""));
  WriteBytes(path, "<replist vyrkitset>\n");  // no id: only an empty DataID matches
  EXPECT_TRUE(CheckIfValidReplist(name, u""));
  EXPECT_FALSE(CheckIfValidReplist(name, u"x"));
  WriteBytes(path, "<replist vyrkitset id=\"a&amp;b\">\r\n");
  EXPECT_TRUE(CheckIfValidReplist(name, u"A&B"));
}

TEST(RLDataValid, MissingFileRaisesAnInputOutputError) {
  auto dir = TempDir("validmissing");
  const String name = PathText(dir / "nothing.xml");
  try {
    CheckIfValidReplist(name, u"");
    FAIL() << "no exception";
  } catch (const vcl::EInOutError& e) {
    EXPECT_NE(e.Message().find(u"nothing.xml"), String::npos);
  }
  EXPECT_THROW(CheckIfValidReplist(PathText(dir), u""), vcl::EInOutError);
}

TEST(RLDataValid, StreamCheckStopsBehindTheMatchingLine) {
  const std::string upToMatch = "first\r\n<replist id=\"a\" x=\"vyrkitset\">\n";
  vcl::TStringStream s(upToMatch + "rest\n");
  EXPECT_TRUE(CheckIfValidReplist(&s, u"A"));
  EXPECT_EQ(s.Position(), static_cast<std::int64_t>(upToMatch.size()));
  EXPECT_EQ(s.ReadString(4), u"rest");
  s.SetPosition(0);
  EXPECT_FALSE(CheckIfValidReplist(&s, u"b"));
  EXPECT_EQ(s.Position(), s.Size());
  EXPECT_FALSE(CheckIfValidReplist(nullptr, u""));
}

TEST(RLDataValid, TagVocabulary) {
  EXPECT_EQ(RepListXmlTagText[xmlNumCols], u"numcols");
  EXPECT_EQ(RepListXmlTagText[xmlCheckedColumn], u"checkedcolumn");
  EXPECT_EQ(RepListXmlTagText[xmlCommonHd], u"commonheader");
  EXPECT_EQ(RepListXmlTagText[xmlEndReplist], u"/replist");
  EXPECT_EQ(RepListXmlTagText[xmlInvalid], u"invalidtag");
  EXPECT_EQ(RepListXmlTagOf(u"cell"), xmlCell);
  EXPECT_EQ(RepListXmlTagOf(u"comment"), xmlComment);
  EXPECT_EQ(RepListXmlTagOf(u"Cell"), xmlInvalid);
  EXPECT_EQ(RepListXmlTagOf(u"row"), xmlInvalid);
}

TEST(RLDataValid, LongLinesAndLineEndsAcrossReadsAreHandled) {
  // A CR LF split between two 64 KiB reads, then a line far longer than a
  // root line may be, then the report.
  const std::string root = "<replist id=\"deep\" format=\"vyrkitset\">\n";
  const std::string before = std::string(65535, 'a') + "\r\n" + std::string(200000, 'b') + "\r";
  const std::string report = root + "<numcols>1</numcols><numrows>1</numrows>"
                             "<cell col=\"1\" row=\"1\">found</cell></replist>\r\nafter";
  vcl::TStringStream s(before + report);
  EXPECT_TRUE(CheckIfValidReplist(&s, u"deep"));
  EXPECT_EQ(s.Position(), static_cast<std::int64_t>(before.size() + root.size()));
  s.SetPosition(0);
  TRLData d(nullptr);
  ASSERT_TRUE(d.ReadFromXMLStream(&s, u"deep"));
  EXPECT_EQ(d.GetElem(1, 1), u"found");
  EXPECT_EQ(s.ReadString(5), u"after");
  // A marker beyond the first 64 KiB of a line does not count.
  vcl::TStringStream far(std::string(70000, ' ') + root);
  EXPECT_FALSE(CheckIfValidReplist(&far, u""));
}
