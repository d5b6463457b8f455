// Damaged and hostile input: every reader either reports false or raises
// EVYRError naming the source and the problem, and the store keeps exactly
// what it held before.
#include <gtest/gtest.h>

#include "RLDataTestUtil.h"

using namespace vyr;
using namespace rltest;

namespace {

std::unique_ptr<TRLData> Original() {
  auto d = StoreOf({{u"keep", u"me"}, {u"as", u"I am"}});
  d->SetElem(0, 2, u"hidden");
  d->SetColName(1, u"One");
  d->SetColCheckMode(2, cmBox);
  d->SetElemChecked(2, 1, true);
  d->SetComment(u"comment");
  d->SetDataID(u"orig");
  d->Sort(1, -1, true);
  return d;
}

const String kHead = u"<replist id=\"r\" format=\"vyrkitset\">\n";

// Reads Xml into a store holding Original(); the error message (empty
// when the read raised nothing) and whether the store stayed the same.
struct TOutcome {
  bool Result = false;
  String Error;
  bool Unchanged = false;
};

TOutcome ReadXml(const String& Xml, const String& Id = u"r") {
  auto d = Original();
  const String before = Snapshot(*d);
  TOutcome o;
  try {
    o.Result = d->ReadFromXMLString(Xml, Id);
  } catch (const EVYRError& e) {
    o.Error = e.Message();
  }
  o.Unchanged = Snapshot(*d) == before;
  return o;
}

void ExpectRefused(const String& Xml, const String& Fragment) {
  const TOutcome o = ReadXml(Xml);
  EXPECT_FALSE(o.Result);
  EXPECT_TRUE(o.Unchanged);
  EXPECT_NE(o.Error.find(Fragment), String::npos) << vcl::ToUTF8(o.Error);
  EXPECT_NE(o.Error.find(u"report text"), String::npos) << vcl::ToUTF8(o.Error);
}

}  // namespace

TEST(RLDataBadXml, NoMatchingReportIsFalseAndChangesNothing) {
  for (const String& xml : {String(), String(u"just text\n"), String(u"<replist id=\"r\">\n</replist>"),
                            String(u"<replist id=\"other\" format=\"vyrkitset\"><numcols>1</numcols>"
                                   u"<numrows>0</numrows></replist>")}) {
    const TOutcome o = ReadXml(xml);
    EXPECT_FALSE(o.Result);
    EXPECT_EQ(o.Error, u"");
    EXPECT_TRUE(o.Unchanged);
  }
}

TEST(RLDataBadXml, TruncatedReportsAreRefused) {
  const String full = kHead + u"<numcols>2</numcols><numrows>1</numrows><cell col=\"1\" row=\"1\">abc</cell>\n</replist>\n";
  ASSERT_TRUE(ReadXml(full).Result);
  for (std::size_t cut : {kHead.size(), full.size() - 12, full.size() - 3, full.find(u"abc") + 1}) {
    SCOPED_TRACE(cut);
    const TOutcome o = ReadXml(full.substr(0, cut));
    EXPECT_FALSE(o.Result);
    EXPECT_TRUE(o.Unchanged);
    EXPECT_NE(o.Error.find(u"ends before its closing </replist>"), String::npos) << vcl::ToUTF8(o.Error);
  }
}

TEST(RLDataBadXml, MalformedXmlNamesTheLine) {
  const TOutcome o = ReadXml(u"first line\n" + kHead + u"<numcols>1</numcols>\n<numrows>1</numrows>\n" +
                             u"<cell col=\"1\" row=\"1\">a</cel>\n</replist>");
  EXPECT_TRUE(o.Unchanged);
  EXPECT_NE(o.Error.find(u"line 5"), String::npos) << vcl::ToUTF8(o.Error);
  EXPECT_NE(o.Error.find(u"Component \""), String::npos);
}

TEST(RLDataBadXml, CountsThatAreAbsurdOrMissing) {
  ExpectRefused(kHead + u"<numcols>1</numcols><numrows>-1</numrows></replist>", u"<numrows> is negative");
  ExpectRefused(kHead + u"<numcols>abc</numcols><numrows>1</numrows></replist>", u"not a count");
  ExpectRefused(kHead + u"<numcols>1</numcols><numrows>2000000000</numrows></replist>", u"larger than allowed");
  ExpectRefused(kHead + u"<numcols>99999999999</numcols><numrows>1</numrows></replist>", u"not a count");
  ExpectRefused(kHead + u"<numcols>1</numcols></replist>", u"no numcols or no numrows");
  ExpectRefused(kHead + u"<numcols>1</numcols><numcols>2</numcols><numrows>1</numrows></replist>",
                u"appears twice");
}

TEST(RLDataBadXml, CellsOutsideTheDeclaredSize) {
  const String counts = u"<numcols>2</numcols><numrows>2</numrows>";
  ExpectRefused(kHead + counts + u"<cell col=\"3\" row=\"1\">x</cell></replist>", u"column 3");
  ExpectRefused(kHead + counts + u"<cell col=\"1\" row=\"3\">x</cell></replist>", u"row 3");
  ExpectRefused(kHead + counts + u"<cell col=\"1\" row=\"0\">x</cell></replist>", u"row 0");
  ExpectRefused(kHead + counts + u"<cell col=\"-1\" row=\"1\">x</cell></replist>", u"not a column or row");
  ExpectRefused(kHead + counts + u"<cell row=\"1\">x</cell></replist>", u"no col attribute");
  ExpectRefused(kHead + counts + u"<colname col=\"0\">x</colname></replist>", u"column 0");
  ExpectRefused(kHead + u"<cell col=\"1\" row=\"1\">x</cell>" + counts + u"</replist>",
                u"comes before <numcols>");
}

TEST(RLDataBadXml, StructureAndEncodingErrors) {
  const String counts = u"<numcols>1</numcols><numrows>1</numrows>";
  ExpectRefused(kHead + counts + u"<cell col=\"1\" row=\"1\"><b>x</b></cell></replist>", u"<b> inside <cell>");
  ExpectRefused(kHead + counts + u"<cell col=\"1\" row=\"1\" enc=\"u16\">12G4</cell></replist>",
                u"not a hex digit");
  ExpectRefused(kHead + counts + u"<cell col=\"1\" row=\"1\" enc=\"b64\">AA</cell></replist>",
                u"unknown text encoding");
  ExpectRefused(kHead + counts + u"<checkedcolumn col=\"1\">maybe</checkedcolumn></replist>",
                u"unknown check mode");
  ExpectRefused(u"<replistx id=\"r\" f=\"vyrkitset\">\n</replistx>", u"not <replist>");
  ExpectRefused(kHead + counts + u"<cell col=\"1\" row=\"1\">&undefined;</cell></replist>", u"line");
}

TEST(RLDataBadXml, DeepNestingIsRefused) {
  String xml = kHead + u"<numcols>1</numcols><numrows>1</numrows>";
  for (int i = 0; i < 100000; ++i) xml += u"<x>";
  ExpectRefused(xml, u"nested too deeply");
}

TEST(RLDataBadXml, EntityExpansionIsRefused) {
  // The declarations stand before the report and are never parsed; inside
  // the report an entity without declaration is an error.
  const String xml =
      u"<?xml version=\"1.0\"?>\n<!DOCTYPE replist [<!ENTITY a \"aaaaaaaaaa\">"
      u"<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n" +
      kHead + u"<numcols>1</numcols><numrows>1</numrows><cell col=\"1\" row=\"1\">&b;</cell></replist>";
  ExpectRefused(xml, u"undefined entity");
  ExpectRefused(kHead + u"<!DOCTYPE x><numcols>1</numcols></replist>", u"line");
}

TEST(RLDataBadXml, ReadLimitIsPerStore) {
  auto d = Original();
  d->SetMaxReadCells(10);
  const String before = Snapshot(*d);
  EXPECT_THROW(d->ReadFromXMLString(kHead + u"<numcols>2</numcols><numrows>3</numrows></replist>", u""), EVYRError);
  EXPECT_EQ(Snapshot(*d), before);
  EXPECT_TRUE(d->ReadFromXMLString(kHead + u"<numcols>1</numcols><numrows>3</numrows></replist>", u""));
}

TEST(RLDataBadFiles, MissingFilesNameTheFile) {
  auto dir = TempDir("missing");
  const String name = PathText(dir / "absent.file");
  auto d = Original();
  const String before = Snapshot(*d);
  auto expectNamed = [&](const String& Fragment, auto&& Call) {
    try {
      Call();
      ADD_FAILURE() << "no exception";
    } catch (const EVYRError& e) {
      EXPECT_NE(e.Message().find(Fragment), String::npos) << vcl::ToUTF8(e.Message());
    }
    EXPECT_EQ(Snapshot(*d), before);
  };
  expectNamed(u"absent.file", [&] { d->LoadFromXMLFile(name, u""); });
  expectNamed(u"absent.file", [&] { d->ImportCSV(name, csvComma, true); });
  expectNamed(u"absent.file", [&] { d->LoadLinesFromFile(1, 1, name); });
  expectNamed(u"missing\": Is a directory", [&] { d->LoadFromXMLFile(PathText(dir), u""); });
  expectNamed(u"dir.xml", [&] { d->SaveAsXMLFile(PathText(dir / "no" / "such" / "dir.xml"), u""); });
  expectNamed(u"x.csv", [&] { d->ExportCSV(PathText(dir / "no" / "x.csv"), csvComma, false, false, 1, 1, 2, 2); });
}

TEST(RLDataBadFiles, DamagedXmlFileNamesFileAndLine) {
  auto dir = TempDir("damagedxml");
  const auto path = dir / "d.xml";
  WriteBytes(path, "<?xml version=\"1.0\"?>\n<replist id=\"r\" format=\"vyrkitset\">\n<numcols>1</numcols>\n"
                   "<numrows>1</numrows>\n<cell col=\"1\" row=\"1\">\xFF\xFE</cell>\n</replist>\n");
  auto d = Original();
  const String before = Snapshot(*d);
  try {
    d->LoadFromXMLFile(PathText(path), u"r");
    FAIL() << "no exception";
  } catch (const EVYRError& e) {
    EXPECT_NE(e.Message().find(u"d.xml\": line 5"), String::npos) << vcl::ToUTF8(e.Message());
  }
  EXPECT_EQ(Snapshot(*d), before);
}

TEST(RLDataBadFiles, UnbalancedQuoteInCsvNamesTheLine) {
  auto dir = TempDir("badcsv");
  const auto path = dir / "q.csv";
  WriteBytes(path, "a,b\nc,\"open\nd,e\n");
  auto d = Original();
  const String before = Snapshot(*d);
  try {
    d->ImportCSV(PathText(path), csvComma, false);
    FAIL() << "no exception";
  } catch (const EVYRError& e) {
    EXPECT_NE(e.Message().find(u"q.csv\": line 2: a quoted field is not closed"), String::npos)
        << vcl::ToUTF8(e.Message());
  }
  EXPECT_EQ(Snapshot(*d), before);
}

TEST(RLDataBadFiles, HugeCsvIsRefusedBeforeAllocating) {
  auto dir = TempDir("hugecsv");
  const auto path = dir / "h.csv";
  WriteBytes(path, std::string(100000, ',') + "\n" + std::string(100000, ',') + "\n");
  auto d = Original();
  d->SetMaxReadCells(50000);
  const String before = Snapshot(*d);
  EXPECT_THROW(d->ImportCSV(PathText(path), csvComma, false), EVYRError);
  EXPECT_EQ(Snapshot(*d), before);
}

TEST(RLDataBadFiles, FailedSaveKeepsTheOldFile) {
  auto dir = TempDir("failedsave");
  const auto path = dir / "keep.xml";
  auto d = Original();
  d->SaveAsXMLFile(PathText(path), u"");
  const std::string old = ReadBytes(path);
  // An id a report cannot carry stops the writer.
  EXPECT_THROW(d->SaveAsXMLFile(PathText(path), String(u"bad\x01id")), EVYRError);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}
