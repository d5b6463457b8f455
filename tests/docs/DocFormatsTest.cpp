// The examples of docs/report-formats.md and the display-type examples of
// docs/components/TNumLab.md are run: each exchange example is read by the
// store's reader or produced by its writer from the data the page shows, and
// each display-type example is formatted by the numeric label's text rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "VYR_NumLab/VYR_NumLabText.h"
#include "VYR_replist/VYR_replist.h"
#include "platform/Clipbrd.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

const fs::path kDocs = fs::path(VYR_SOURCE_DIR) / "docs";

std::string ReadAll(const fs::path& File) {
  std::ifstream in(File, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The fenced blocks of the section under "## Heading", in order.
std::vector<std::string> BlocksOf(const std::string& Page, const std::string& Heading) {
  std::vector<std::string> blocks;
  std::istringstream in(Page);
  bool inSection = false, inBlock = false;
  std::string line, block;
  while (std::getline(in, line)) {
    if (!inBlock && line.rfind("## ", 0) == 0) inSection = line == "## " + Heading;
    if (!inSection) continue;
    if (line.rfind("```", 0) == 0) {
      if (inBlock) blocks.push_back(block);
      inBlock = !inBlock;
      block.clear();
    } else if (inBlock) {
      block += line + "\n";
    }
  }
  return blocks;
}

std::string Only(const std::vector<std::string>& Blocks, const char* What) {
  EXPECT_EQ(Blocks.size(), 1u) << "one example expected under " << What;
  return Blocks.empty() ? std::string() : Blocks.front();
}

std::string Replace(std::string S, const std::string& From, const std::string& To) {
  for (std::size_t at = 0; (at = S.find(From, at)) != std::string::npos; at += To.size())
    S.replace(at, From.size(), To);
  return S;
}

fs::path Scratch(const std::string& Name) {
  const fs::path dir = fs::path(VYR_TEST_TMP) / "docformats";
  fs::create_directories(dir);
  return dir / Name;
}

String PathText(const fs::path& P) { return FromUTF8(P.string()); }

class ReportFormatsPage : public testing::Test {
 protected:
  std::string Page = ReadAll(kDocs / "report-formats.md");

  // The store the XML example describes, read through the XML reader.
  std::unique_ptr<vyr::TRLData> SalesFromXml() {
    auto d = std::make_unique<vyr::TRLData>(nullptr);
    const std::string xml = Only(BlocksOf(Page, "Report XML"), "Report XML");
    EXPECT_TRUE(d->ReadFromXMLString(FromUTF8(xml), u"sales"));
    return d;
  }
};

// The clipboard example: columns "A" and "B", rows ("x", "y") and ("z", ""),
// copied with tabs and a header.
TEST_F(ReportFormatsPage, ClipboardExampleIsWhatCopyPuts) {
  vyr::TRLData d(nullptr);
  d.SetNrCols(2);
  d.SetNrRows(2);
  d.SetColName(1, u"A");
  d.SetColName(2, u"B");
  d.SetElem(1, 1, u"x");
  d.SetElem(2, 1, u"y");
  d.SetElem(1, 2, u"z");
  d.CopyToClipBoard(1, 1, 2, 2, true, true);
  std::string shown = Only(BlocksOf(Page, "Clipboard text"), "Clipboard text");
  shown = Replace(Replace(Replace(shown, "\n", ""), "<TAB>", "\t"), "<LF>", "\n");
  EXPECT_EQ(ToUTF8(Clipboard().AsText()), shown);
}

// The XML example reads into the table the page describes, and the writer
// gives back the same document.
TEST_F(ReportFormatsPage, XmlExampleReadsAndWritesBack) {
  auto d = SalesFromXml();
  EXPECT_EQ(d->NrOfColumns(), 2);
  EXPECT_EQ(d->NrOfRows(), 2);
  EXPECT_EQ(d->CommonHeader(), u"Sales & returns");
  EXPECT_EQ(d->Comment(), u"first quarter");
  EXPECT_EQ(d->GetColName(1), u"Region");
  EXPECT_EQ(d->GetColumnFormat(1), u"[c:4][120]North|South");
  EXPECT_EQ(d->GetColCheckMode(2), vyr::cmBox);
  EXPECT_TRUE(d->ElemChecked(2, 1));
  EXPECT_FALSE(d->ElemChecked(2, 2));
  EXPECT_EQ(d->GetElem(0, 1), u"R-17");
  EXPECT_EQ(d->GetElem(1, 2), u"South <new>");
  EXPECT_EQ(d->GetElem(2, 2), u"12 days");

  vcl::TStringStream out;
  d->WriteToXMLStream(&out, true, u"Sales");
  EXPECT_EQ(ToUTF8(out.DataString()), Only(BlocksOf(Page, "Report XML"), "Report XML"));
}

// The HTML example is the export of the XML example's table with the
// attributes it shows.
TEST_F(ReportFormatsPage, HtmlExampleIsTheExportOfTheXmlExample) {
  auto d = SalesFromXml();
  const fs::path file = Scratch("sales.html");
  d->ExportHTMLTable(PathText(file), 1, 1, 2, 2, {}, 1, 0, 2, true, u"head", u"", u"report");
  std::string html = ReadAll(file);
  EXPECT_EQ(Replace(html, "\r\n", "\n"), Only(BlocksOf(Page, "HTML table"), "HTML table"));
}

// The CSV example imports as two columns with a header, and exports back to
// the same records with CR LF line ends.
TEST_F(ReportFormatsPage, CsvExampleImportsAndExportsBack) {
  const std::string csv = Only(BlocksOf(Page, "CSV"), "CSV");
  const fs::path in = Scratch("example.csv"), out = Scratch("back.csv");
  std::ofstream(in, std::ios::binary) << csv;
  vyr::TRLData d(nullptr);
  EXPECT_EQ(d.ImportCSV(PathText(in), vyr::csvComma, true), 2);
  EXPECT_EQ(d.GetColName(2), u"Paid");
  EXPECT_EQ(d.GetElem(1, 1), u"North");
  EXPECT_EQ(d.GetElem(2, 1), u"");
  EXPECT_EQ(d.GetElem(1, 2), u"South, new");
  EXPECT_EQ(d.GetElem(2, 2), u"12 \"days\"");
  EXPECT_EQ(d.ExportCSV(PathText(out), vyr::csvComma, true, false, 1, 1, 2, 2), 2);
  EXPECT_EQ(ReadAll(out), Replace(csv, "\n", "\r\n"));
}

// "`dtName` (value → "text")" pairs of the display-type paragraph, each
// formatted with Precision 2 as the page says.
TEST(NumLabPage, DisplayTypeExamplesAreWhatTheLabelShows) {
  const std::string page = ReadAll(kDocs / "components" / "TNumLab.md");
  const std::size_t from = page.find("Display types (with `Precision` 2)");
  ASSERT_NE(from, std::string::npos);
  const std::string para = page.substr(from, page.find("\n\n", from) - from);
  struct Name { const char* Text; vyr::TDisplay Type; };
  const Name names[] = {
      {"dtFloat", vyr::dtFloat}, {"dtFixP", vyr::dtFixP}, {"dtExp", vyr::dtExp},
      {"dtInt", vyr::dtInt}, {"dtZeroInt", vyr::dtZeroInt}, {"dtHex", vyr::dtHex},
      {"dtBin", vyr::dtBin}, {"dtOct", vyr::dtOct}, {"dtDeg", vyr::dtDeg},
      {"dtDegMin", vyr::dtDegMin}, {"dtDegMinSec", vyr::dtDegMinSec}, {"dtEEng", vyr::dtEEng},
      {"dtEEngNoDP", vyr::dtEEngNoDP}};
  const std::regex pair("`(dt[A-Za-z]+)`\\s*\\(([-0-9.]+) \u2192 \"([^\"]*)\"\\)");
  int checked = 0;
  for (std::sregex_iterator it(para.begin(), para.end(), pair), end; it != end; ++it) {
    const std::string type = (*it)[1], value = (*it)[2], text = (*it)[3];
    const Name* n = nullptr;
    for (const Name& k : names)
      if (type == k.Text) n = &k;
    ASSERT_NE(n, nullptr) << type << " is not a display type";
    vyr::TNumLabFormat f;
    f.DisplayType = n->Type;
    f.Precision = 2;
    EXPECT_EQ(ToUTF8(vyr::NumLabText(std::stod(value), f)), text) << type << " of " << value;
    ++checked;
  }
  // Every display type with a numeric example is covered.
  EXPECT_EQ(checked, static_cast<int>(std::size(names)));
}

}  // namespace
