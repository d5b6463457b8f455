// Every reader of the report store, fed truncated, damaged and foreign
// input, leaves the store byte for byte as it was: its XML export, every
// stored cell with its check marker, the column settings and the sizes, and
// the view over it keeps its rows, columns and selection.
#include <gtest/gtest.h>

#include <functional>

#include "RLDataTestUtil.h"
#include "RLViewTestUtil.h"
#include "platform/Classes.h"

using namespace vyr;
using namespace rltest;

namespace {

std::unique_ptr<TRLData> Loaded() {
  auto d = StoreOf({{u"alpha", u"1.5", u""}, {u"beta", u"2", u"x"}, {u"gamma", u"-3", u"y"}});
  d->SetElem(0, 2, u"row head");
  d->SetColName(1, u"Name");
  d->SetColumnFormat(2, u"%.2f");
  d->SetColCheckMode(3, cmBox);
  d->SetElemChecked(3, 2, true);
  d->SetCommonHeader(u"head");
  d->SetComment(u"note");
  d->SetDataID(u"kept");
  d->Sort(1, -1, true);
  return d;
}

// The store's (or view's) report XML.
template <class T>
String XmlOf(T& D) {
  vcl::TStringStream out{std::string_view()};
  D.WriteToXMLStream(&out, true, String());
  return out.DataString();
}

// A good report of another shape, and damaged or foreign versions of it.
const std::string kGood =
    "<?xml version=\"1.0\"?>\n<replist id=\"r\" format=\"vyrkitset\">\n<numcols>2</numcols>\n"
    "<numrows>2</numrows>\n<cell col=\"1\" row=\"1\">new</cell>\n<cell col=\"2\" row=\"2\">cell</cell>\n"
    "</replist>\n";
const std::string kPng = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20);

std::vector<std::pair<std::string, std::string>> BadXml() {
  std::string corrupt = kGood;
  corrupt[corrupt.find("</cell>") + 2] = '#';
  std::string badUtf8 = kGood;
  badUtf8.replace(badUtf8.find("new"), 3, "\xC3\x28x");
  return {{"cut in a cell", kGood.substr(0, kGood.find("new") + 2)},
          {"cut before the end", kGood.substr(0, kGood.size() - 4)},
          {"damaged closing tag", corrupt},
          {"invalid UTF-8", badUtf8},
          {"PNG bytes", kPng + kGood.substr(0, 60)},
          {"CSV text with a report start", "a,b\n<replist id=\"r\" format=\"vyrkitset\">\nc,d\n"}};
}

// One way into the store: reads Bytes (written to a file where it needs
// one). The result is whether it raised.
struct TReader {
  const char* Name;
  std::function<void(TRLData&, const std::string& Bytes, const std::filesystem::path& File)> Read;
};

const TReader kXmlReaders[] = {
    {"XML string", [](TRLData& d, const std::string& b, const auto&) { d.ReadFromXMLString(vcl::FromUTF8(b), u"r"); }},
    {"XML stream",
     [](TRLData& d, const std::string& b, const auto&) {
       vcl::TStringStream in{std::string_view(b)};
       in.SetPosition(0);
       try {
         d.ReadFromXMLStream(&in, u"r");
       } catch (...) {
         EXPECT_EQ(in.Position(), 0);  // a failed read leaves the position
         throw;
       }
     }},
    {"open XML file",
     [](TRLData& d, const std::string&, const std::filesystem::path& f) {
       std::FILE* file = std::fopen(f.string().c_str(), "rb");
       ASSERT_NE(file, nullptr);
       struct TCloser {
         std::FILE* F;
         ~TCloser() { std::fclose(F); }
       } closer{file};
       d.ReadFromOpenXMLFile(file, u"r");
     }},
    {"XML file", [](TRLData& d, const std::string&, const auto& f) { d.LoadFromXMLFile(PathText(f), u"r"); }},
};

// Runs a reader on Bytes against a loaded store; true when the store's
// export and stored contents are what they were before.
bool KeepsTheStore(const TReader& R, const std::string& Bytes, const std::filesystem::path& File,
                   std::int64_t MaxCells = std::int64_t{1} << 28) {
  WriteBytes(File, Bytes);
  auto d = Loaded();
  d->SetMaxReadCells(MaxCells);
  const String xml = XmlOf(*d);
  const String snap = Snapshot(*d);
  try {
    R.Read(*d, Bytes, File);
  } catch (const EVYRError&) {
  }
  return XmlOf(*d) == xml && Snapshot(*d) == snap;
}

}  // namespace

TEST(RLDataFailedLoad, XmlReadersKeepTheStoreOnDamagedAndForeignInput) {
  const auto dir = TempDir("failedxml");
  // The good report is read by every reader, so the bad ones are refused
  // for what is wrong in them and not for the way in.
  for (const TReader& r : kXmlReaders) EXPECT_FALSE(KeepsTheStore(r, kGood, dir / "good.xml")) << r.Name;
  for (const auto& [what, bytes] : BadXml()) {
    for (const TReader& r : kXmlReaders) {
      // The string reader takes text: bytes that are no UTF-8 are repaired
      // by the conversion to it before the reader sees them.
      if (what == "invalid UTF-8" && &r == &kXmlReaders[0]) continue;
      EXPECT_TRUE(KeepsTheStore(r, bytes, dir / "bad.xml")) << r.Name << ": " << what;
    }
  }
}

TEST(RLDataFailedLoad, CsvAndLineReadersKeepTheStore) {
  const auto dir = TempDir("failedcsv");
  const TReader csv{"CSV", [](TRLData& d, const std::string&, const auto& f) {
                      d.ImportCSV(PathText(f), csvComma, true);
                    }};
  const TReader lines{"lines", [](TRLData& d, const std::string&, const auto& f) {
                        d.LoadLinesFromFile(1, 2, PathText(f));
                      }};
  const std::string table = "h1,h2\nnew,\"quoted, cell\"\nmore,rows\n";
  EXPECT_FALSE(KeepsTheStore(csv, table, dir / "good.csv"));
  EXPECT_FALSE(KeepsTheStore(lines, table, dir / "good.txt"));
  struct TCase {
    const char* What;
    const TReader* Reader;
    std::string Bytes;
    std::int64_t MaxCells;
  };
  const TCase cases[] = {
      {"quote left open at the end", &csv, table + "x,\"open", std::int64_t{1} << 28},
      {"quote left open across lines", &csv, "a,\"b\nc,d\n", std::int64_t{1} << 28},
      {"PNG bytes with a field left open", &csv, kPng + ",\"", std::int64_t{1} << 28},
      {"more cells than allowed", &csv, table + table + table, 8},
      {"more lines than allowed", &lines, table + table, 8},
  };
  for (const TCase& c : cases) {
    EXPECT_TRUE(KeepsTheStore(*c.Reader, c.Bytes, dir / "bad.csv", c.MaxCells)) << c.What;
  }
  // A file that is not there.
  auto d = Loaded();
  const String xml = XmlOf(*d);
  for (const TReader* r : {&csv, &lines, &kXmlReaders[3]}) {
    EXPECT_THROW(r->Read(*d, std::string(), dir / "absent"), EVYRError) << r->Name;
    EXPECT_EQ(XmlOf(*d), xml) << r->Name;
  }
}

class RLViewFailedLoad : public rlviewtest::RLViewTest {};

TEST_F(RLViewFailedLoad, TheViewKeepsItsContentShapeAndSelection) {
  const auto dir = TempDir("failedview");
  ASSERT_TRUE(View->ReadFromXMLString(vcl::FromUTF8(kGood), u"r"));
  View->SetElem(1, 2, u"edited");
  View->SelectRow(2);
  const int rows = View->RowCount(), cols = View->ColCount();
  const String xml = XmlOf(*View);
  WriteBytes(dir / "bad.xml", kGood.substr(0, kGood.size() - 4));
  WriteBytes(dir / "bad.csv", "a,\"open\n");
  EXPECT_THROW(View->ReadFromXMLString(vcl::FromUTF8(kGood.substr(0, 80)), u"r"), EVYRError);
  EXPECT_THROW(View->LoadFromXMLFile(PathText(dir / "bad.xml"), u"r"), EVYRError);
  EXPECT_THROW(View->ImportCSV(PathText(dir / "bad.csv"), csvComma, false), EVYRError);
  EXPECT_EQ(XmlOf(*View), xml);
  EXPECT_EQ(View->RowCount(), rows);
  EXPECT_EQ(View->ColCount(), cols);
  EXPECT_EQ(SelectedRows(), std::vector<int>{2});
}
