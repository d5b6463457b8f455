// Every example form in docs/ is read by the form reader into a fresh
// component of its class and written back: each property the example sets
// must come back with the value written, and the example's class must be
// listed in the component index. The property tables of the component pages
// are checked against fresh components: each property exists and its
// default column shows what a fresh component holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "VYR_Meter/VYR_Meter.h"
#include "platform/Streaming.h"
#include "platform/streaming/FormParser.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

const fs::path kDocs = fs::path(VYR_SOURCE_DIR) / "docs";
const fs::path kIndex = kDocs / "components" / "README.md";

std::vector<std::string> ReadLines(const fs::path& File) {
  std::ifstream in(File);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string ReadAll(const fs::path& File) {
  std::ifstream in(File);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// One fenced ```form block: the file it is in and the line of its fence.
struct TExample {
  std::string File;  // relative to docs/
  int Line = 0;
  std::string Text;
};

// Failures name the example by file and line.
void PrintTo(const TExample& Example, std::ostream* Out) {
  *Out << Example.File << ":" << Example.Line;
}

std::vector<fs::path> DocFiles() {
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(kDocs)) {
    if (e.is_regular_file() && e.path().extension() == ".md") files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<TExample> ExamplesIn(const fs::path& File) {
  std::vector<TExample> found;
  std::vector<std::string> lines = ReadLines(File);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != "```form") continue;
    TExample ex{fs::relative(File, kDocs).generic_string(), static_cast<int>(i + 1), {}};
    for (++i; i < lines.size() && lines[i] != "```"; ++i) ex.Text += lines[i] + "\n";
    found.push_back(ex);
  }
  return found;
}

std::vector<TExample> AllExamples() {
  std::vector<TExample> all;
  for (const fs::path& f : DocFiles()) {
    std::vector<TExample> some = ExamplesIn(f);
    all.insert(all.end(), some.begin(), some.end());
  }
  return all;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string U8(const String& s) { return ToUTF8(s); }

bool IsNumber(const TFormValue& v) { return v.Kind == fvInteger || v.Kind == fvFloat; }
double NumberOf(const TFormValue& v) {
  return v.Kind == fvInteger ? static_cast<double>(v.Integer) : std::stod(U8(v.Text));
}

// Two values mean the same: numbers by value (12.5 and 12.500000000000000000),
// names without regard to case, sets without regard to order.
bool SameValue(const TFormValue& a, const TFormValue& b) {
  if (IsNumber(a) && IsNumber(b)) {
    if (a.Kind == fvInteger && b.Kind == fvInteger) return a.Integer == b.Integer;
    return NumberOf(a) == NumberOf(b);
  }
  if (a.Kind != b.Kind) return false;
  switch (a.Kind) {
    case fvIdent: return Upper(U8(a.Text)) == Upper(U8(b.Text));
    case fvString: return a.Text == b.Text;
    case fvBinary: return a.Bytes == b.Bytes;
    case fvSet: {
      auto names = [](const TFormValue& v) {
        std::vector<std::string> n;
        for (const TFormValue& i : v.Items) n.push_back(Upper(U8(i.Text)));
        std::sort(n.begin(), n.end());
        return n;
      };
      return names(a) == names(b);
    }
    case fvList:
      return std::equal(a.Items.begin(), a.Items.end(), b.Items.begin(), b.Items.end(), SameValue);
    default: return false;
  }
}

const streaming::TFormProperty* FindProperty(const streaming::TFormObject& o, const String& name) {
  for (const auto& p : o.Properties) {
    if (Upper(U8(p.Name)) == Upper(U8(name))) return &p;
  }
  return nullptr;
}

const streaming::TFormObject* FindObject(const streaming::TFormObject& o, const String& name) {
  if (Upper(U8(o.Name)) == Upper(U8(name))) return &o;
  for (const auto& c : o.Children) {
    if (const auto* found = FindObject(c, name)) return found;
  }
  return nullptr;
}

// Each property the example object sets, found in the written object with
// the same value; handler names too, which a reader that leaves them unbound
// keeps and writes back.
void ExpectWrittenBack(const TExample& ex, const streaming::TFormObject& given,
                       const streaming::TFormObject& written) {
  for (const auto& p : given.Properties) {
    std::string where = ex.File + ":" + std::to_string(ex.Line + p.Line) + ": " + U8(p.Name);
    const streaming::TFormProperty* back = FindProperty(written, p.Name);
    if (back == nullptr) {
      ADD_FAILURE() << where << " is not written back (equal to its default, or not stored)";
      continue;
    }
    EXPECT_TRUE(SameValue(p.Value, back->Value))
        << where << " was written as " << U8(p.Value.Describe()) << " but reads back as "
        << U8(back->Value.Describe());
  }
  for (const auto& child : given.Children) {
    const streaming::TFormObject* w = FindObject(written, child.Name);
    if (w == nullptr) {
      ADD_FAILURE() << ex.File << ":" << ex.Line + child.Line << ": object " << U8(child.Name)
                    << " is not written back";
      continue;
    }
    ExpectWrittenBack(ex, child, *w);
  }
}

class DocExample : public testing::TestWithParam<TExample> {};

TEST_P(DocExample, ReadsAndWritesBackWhatItSets) {
  const TExample& ex = GetParam();
  SCOPED_TRACE(ex.File + ":" + std::to_string(ex.Line));
  String text = FromUTF8(ex.Text);
  streaming::TFormObject given;
  try {
    given = streaming::ParseForm(text);
  } catch (const Exception& e) {
    FAIL() << "the example does not parse: " << U8(e.Message());
  }
  std::unique_ptr<TComponent> root;
  try {
    root.reset(CreateComponent(given.ClassName, nullptr));
    TFormReader reader;  // the examples name handlers no program registered
    reader.SetIgnoreUnboundHandlers(true);
    reader.ReadText(text, root.get());
  } catch (const Exception& e) {
    FAIL() << "the form reader refuses the example: " << U8(e.Message());
  }
  streaming::TFormObject written = streaming::ParseForm(WriteComponentToText(root.get()));
  ExpectWrittenBack(ex, given, written);

  // A component page's example shows the page's component, which the index lists.
  if (ex.File.rfind("components/", 0) == 0) {
    std::string index = ReadAll(kIndex);
    std::string cls = U8(given.ClassName);
    std::string page = fs::path(ex.File).filename().string();
    EXPECT_EQ(page, cls + ".md") << "the example of " << page << " is a " << cls;
    EXPECT_NE(index.find("[" + cls + "](" + page + ")"), std::string::npos)
        << cls << " is not listed in docs/components/README.md";
  }
}

std::string ExampleName(const testing::TestParamInfo<TExample>& info) {
  std::string name = info.param.File + "_" + std::to_string(info.param.Line);
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Docs, DocExample, testing::ValuesIn(AllExamples()), ExampleName);

// ---------------------------------------------------------------- pages

// The component pages: docs/components/<Class>.md, the index excepted.
std::vector<fs::path> ComponentPages() {
  std::vector<fs::path> pages;
  for (const auto& e : fs::directory_iterator(kDocs / "components")) {
    if (e.path().extension() == ".md" && e.path().filename() != "README.md") {
      pages.push_back(e.path());
    }
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::stringstream s(row.substr(1));
  for (std::string cell; std::getline(s, cell, '|');) {
    auto b = cell.find_first_not_of(' ');
    auto e = cell.find_last_not_of(' ');
    cells.push_back(b == std::string::npos ? "" : cell.substr(b, e - b + 1));
  }
  return cells;
}

// A cell holding one code span: `x` -> x; otherwise empty.
std::string CodeSpan(const std::string& cell) {
  if (cell.size() < 2 || cell.front() != '`' || cell.back() != '`') return {};
  std::string inner = cell.substr(1, cell.size() - 2);
  return inner.find('`') == std::string::npos ? inner : std::string();
}

// The names of a first cell: `A` or `A`, `B`, `C` (properties sharing a row).
std::vector<std::string> CodeSpans(const std::string& cell) {
  std::vector<std::string> names;
  std::stringstream s(cell);
  for (std::string part; std::getline(s, part, ',');) {
    auto b = part.find_first_not_of(' ');
    names.push_back(CodeSpan(b == std::string::npos ? "" : part.substr(b)));
  }
  return names;
}

// A property of a fresh component against the default a table states
// (empty: stated in words, or an object property without a value).
void CheckDefault(const std::string& where, const String& name, const std::string& stated,
                  TComponent& fresh) {
  String actual;
  try {
    actual = GetPropText(fresh, name);
  } catch (const Exception& e) {
    const TClassInfo* c = ClassInfoOf(fresh);
    const TPropInfo* p = c ? FindPropInfo(*c, name) : nullptr;
    if (stated.empty() && p != nullptr && p->Kind == pkObject) return;
    ADD_FAILURE() << where << ": " << U8(name) << ": " << U8(e.Message());
    return;
  }
  if (stated.empty()) return;
  TFormValue a = streaming::ParseFormValue(FromUTF8(stated));
  TFormValue b = streaming::ParseFormValue(actual);
  EXPECT_TRUE(SameValue(a, b)) << where << ": " << U8(name) << " default is given as " << stated
                               << " but a fresh component holds " << U8(actual);
}

// Rows of the table under "## Properties": | `Name` | type | `default` | meaning |.
void CheckPropertyTable(const fs::path& page, TComponent& fresh) {
  std::vector<std::string> lines = ReadLines(page);
  bool inSection = false;
  int rows = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.rfind("## ", 0) == 0) inSection = line.rfind("## Properties", 0) == 0;
    if (!inSection || line.rfind("| `", 0) != 0) continue;
    std::vector<std::string> cells = Cells(line);
    std::string where = page.filename().string() + ":" + std::to_string(i + 1);
    ASSERT_GE(cells.size(), 4u) << where << ": name, type, default and meaning expected";
    for (const std::string& n : CodeSpans(cells[0])) {
      ++rows;
      CheckDefault(where, FromUTF8(n), CodeSpan(cells[2]), fresh);
    }
  }
  EXPECT_GT(rows, 0) << page.filename() << " has no property table under ## Properties";
}

TEST(DocPages, PropertyTablesMatchFreshComponents) {
  for (const fs::path& page : ComponentPages()) {
    SCOPED_TRACE(page.filename().string());
    String cls = FromUTF8(page.stem().string());
    std::unique_ptr<TComponent> fresh;
    ASSERT_NO_THROW(fresh.reset(CreateComponent(cls, nullptr)))
        << page.filename() << " is not named after a registered component class";
    CheckPropertyTable(page, *fresh);
  }
}

TEST(DocPages, EveryPageHasAnExampleAndAnIndexLine) {
  std::string index = ReadAll(kIndex);
  std::vector<fs::path> pages = ComponentPages();
  EXPECT_FALSE(pages.empty());
  for (const fs::path& page : pages) {
    std::string name = page.filename().string();
    EXPECT_FALSE(ExamplesIn(page).empty()) << name << " has no ```form example";
    EXPECT_NE(index.find("](" + name + ")"), std::string::npos) << name << " is not in the index";
  }
  // Every link of the index leads to a page.
  for (std::size_t at = index.find("]("); at != std::string::npos; at = index.find("](", at + 1)) {
    std::size_t end = index.find(')', at);
    std::string target = index.substr(at + 2, end - at - 2);
    EXPECT_TRUE(fs::exists(kDocs / "components" / target)) << "index link to missing " << target;
  }
}

// Text with every run of blanks and line breaks made one blank, as a
// reader of the rendered page sees it.
std::string Collapsed(const std::string& Text) {
  std::string out;
  for (char c : Text) {
    bool blank = c == ' ' || c == '\n';
    if (!blank) out += c;
    else if (!out.empty() && out.back() != ' ') out += ' ';
  }
  return out;
}

// The error message form-files.md quotes is the one the reader gives.
TEST(DocPages, FormFilesQuotesTheReadersMessage) {
  String message;
  try {
    delete ReadComponentFromText(u"object M: TMeter\n  Left = 1\n  Top = 2\n"
                                 u"  MeterMaxValue = 'x'\nend\n");
    FAIL() << "the reader took a string for a number";
  } catch (const EReadError& e) {
    message = e.Message();
  }
  EXPECT_NE(Collapsed(ReadAll(kDocs / "form-files.md")).find("`" + U8(message) + "`"),
            std::string::npos)
      << U8(message);
}

// The component units are a shared library whose registrations run when it
// loads; using one of its classes keeps it linked into this program.
TEST(DocPages, ComponentLibraryIsLoaded) {
  vyr::TMeter meter(nullptr);
  EXPECT_NE(FindClassInfo(u"TMeter"), nullptr);
}

}  // namespace
