// The filter expressions: the examples of docs/filter.md run through the
// view, the in-place text finder against a copying reference, boolean
// expressions that cannot be read (with their positions) and pathological
// ones, and regular expressions that reach their limits.
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

#include "RLViewTestUtil.h"
#include "VYR_replist/VYR_rlfilter.h"

namespace rlviewtest {
namespace {

using vyr::EVYRFilterSyntaxError;
using vyr::TBoolFilter;
using vyr::TGrepFilter;
using vyr::TTextFinder;

// ---------------------------------------------------------------- the documented examples

struct TDocExample {
  int Line = 0;
  vyr::TFilterMode Mode = vyr::fmSimple;
  bool IgnoreCase = false;
  String Expression;
  std::vector<String> Cells;
  String Outcome;  // "match", "no match" or "error at N"
};

std::vector<String> SplitOn(const String& Text, const String& Separator) {
  std::vector<String> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = Text.find(Separator, start);
    parts.push_back(Text.substr(start, at == String::npos ? at : at - start));
    if (at == String::npos) return parts;
    start = at + Separator.size();
  }
}

TDocExample ReadExample(const String& Line, int Number) {
  TDocExample ex;
  ex.Line = Number;
  const std::size_t colon = Line.find(u": ");
  const String head = Line.substr(0, colon);
  ex.Mode = head.starts_with(u"boolean") ? vyr::fmBoolean
            : head.starts_with(u"grep")  ? vyr::fmGrep
                                         : vyr::fmSimple;
  ex.IgnoreCase = head.find(u"ignore-case") != String::npos;
  const std::vector<String> parts = SplitOn(Line.substr(colon + 2), u"  ->  ");
  if (parts.size() != 3) ADD_FAILURE() << "docs/filter.md line " << Number << " is not an example";
  if (parts.size() != 3) return ex;
  ex.Expression = parts[0];
  ex.Cells = SplitOn(parts[1], u" ; ");
  ex.Outcome = parts[2];
  return ex;
}

// The lines of the ```filter-examples blocks of the document.
std::vector<TDocExample> DocExamples() {
  std::ifstream in(std::string(VYR_SOURCE_DIR) + "/docs/filter.md");
  std::vector<TDocExample> examples;
  std::string line;
  bool inside = false;
  for (int n = 1; std::getline(in, line); ++n) {
    if (line.starts_with("```")) {
      inside = line == "```filter-examples";
      continue;
    }
    if (inside && !line.empty()) examples.push_back(ReadExample(FromUTF8(line), n));
  }
  return examples;
}

using FilterDocTest = RLViewTest;

TEST_F(FilterDocTest, EveryDocumentedExampleHolds) {
  const std::vector<TDocExample> examples = DocExamples();
  ASSERT_GE(examples.size(), 20u);
  for (const TDocExample& ex : examples) {
    SCOPED_TRACE("docs/filter.md line " + std::to_string(ex.Line));
    View->SetNrOfColumns(static_cast<int>(ex.Cells.size()));
    View->SetNrOfRows(1);
    for (std::size_t c = 0; c < ex.Cells.size(); ++c) View->SetElem(static_cast<int>(c) + 1, 1, ex.Cells[c]);
    if (ex.Outcome.starts_with(u"error at ")) {
      const int pos = StrToInt(ex.Outcome.substr(9));
      try {
        View->FilterAndSort(ex.Expression, {}, ex.IgnoreCase, ex.Mode, 1, true);
        ADD_FAILURE() << "no error";
      } catch (const EVYRFilterSyntaxError& e) {
        EXPECT_EQ(e.Position(), pos);
        EXPECT_NE(e.Message().find(u"position " + IntToStr(pos)), String::npos) << e.what();
        EXPECT_TRUE(e.Message().starts_with(u"Component \"View1\": ")) << e.what();
      }
      continue;
    }
    const int found = View->FilterAndSort(ex.Expression, {}, ex.IgnoreCase, ex.Mode, 1, true);
    EXPECT_EQ(found, ex.Outcome == u"match" ? 1 : 0) << ToUTF8(ex.Expression);
  }
}

// ---------------------------------------------------------------- text finder

// The reference: both sides copied, folded unit by unit, then searched.
bool ReferenceFind(const String& Text, const String& Needle, bool IgnoreCase) {
  if (!IgnoreCase) return Text.find(Needle) != String::npos;
  String t = Text, n = Needle;
  for (char16_t& c : t) c = vyr::FilterFoldCase(c);
  for (char16_t& c : n) c = vyr::FilterFoldCase(c);
  return t.find(n) != String::npos;
}

TEST(TextFinderTest, AgreesWithAFoldingCopyOnRandomTexts) {
  std::mt19937 rng(7);
  const String alphabet = u"aAbBäÄßéÉΣσςЖж xY";
  auto random = [&](int Len) {
    String s;
    for (int i = 0; i < Len; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
  };
  for (int i = 0; i < 4000; ++i) {
    const String text = random(static_cast<int>(rng() % 12));
    const String needle = random(static_cast<int>(rng() % 4));
    const bool ic = (i & 1) != 0;
    ASSERT_EQ(TTextFinder(needle, ic).FoundIn(text), ReferenceFind(text, needle, ic))
        << ToUTF8(text) << " / " << ToUTF8(needle) << " ic=" << ic;
  }
}

TEST(TextFinderTest, FoldsLettersBeyondAscii) {
  struct Case { const char16_t* Text; const char16_t* Needle; bool Found; };
  const Case cases[] = {
      {u"ÖSTERREICH", u"österreich", true}, {u"ΑΘΗΝΑ", u"αθηνα", true},
      {u"МОСКВА", u"москва", true},         {u"abc", u"abcd", false},
      {u"", u"", true},                      {u"x", u"", true},
  };
  for (const Case& c : cases) EXPECT_EQ(TTextFinder(c.Needle, true).FoundIn(c.Text), c.Found) << ToUTF8(c.Text);
}

// ---------------------------------------------------------------- boolean expressions

TEST(BoolFilterTest, RefusesWhatDoesNotFollowTheGrammar) {
  struct Case { const char16_t* Expression; int Position; };
  const Case cases[] = {
      {u"&a", 1},       {u"a &", 4},      {u"a | | b", 5},   {u"()", 2},
      {u"(a", 1},       {u"a)", 2},       {u"!", 2},         {u"a \"b", 3},
      {u"a (b)", 3},    {u"(a) b", 5},    {u"  |", 3},       {u"((a) | (b)", 1},
  };
  for (const Case& c : cases) {
    try {
      TBoolFilter f(c.Expression, false);
      ADD_FAILURE() << ToUTF8(c.Expression) << " was accepted";
    } catch (const EVYRFilterSyntaxError& e) {
      EXPECT_EQ(e.Position(), c.Position) << ToUTF8(c.Expression) << ": " << e.what();
    }
  }
}

TEST(BoolFilterTest, ReadsTermsPhrasesAndPrecedence) {
  struct Case { const char16_t* Expression; std::vector<std::u16string_view> Cells; bool Match; };
  const std::vector<Case> cases = {
      {u"a | b & c", {u"a"}, true},           {u"(a | b) & c", {u"a"}, false},
      {u"!a & !b", {u"c"}, true},             {u"!(a & b)", {u"a", u"b"}, false},
      {u"x&y|z", {u"z"}, true},               {u"\"\"", {u""}, true},
      {u"  ", {u"whatever"}, true},           {u"a & b", {u"ab"}, true},
      {u"\"a|b\"", {u"a|b"}, true},           {u"\"a|b\"", {u"a"}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TBoolFilter(c.Expression, false).Matches(c.Cells), c.Match) << ToUTF8(c.Expression);
  }
  EXPECT_EQ(TBoolFilter(u"New York & open", false).TermCount(), 2);
}

TEST(BoolFilterTest, PathologicalExpressionsEndCleanly) {
  const std::size_t n = 100000;
  // Deep nesting is refused at the limit, whatever the length.
  EXPECT_THROW(TBoolFilter(String(n, u'(') + u"a" + String(n, u')'), false), EVYRFilterSyntaxError);
  EXPECT_THROW(TBoolFilter(String(n, u'!') + u"a", false), EVYRFilterSyntaxError);
  try {
    TBoolFilter(String(vyr::BoolFilterMaxDepth + 1, u'(') + u"a", false);
    ADD_FAILURE() << "nesting beyond the limit was accepted";
  } catch (const EVYRFilterSyntaxError& e) {
    EXPECT_EQ(e.Position(), vyr::BoolFilterMaxDepth + 1);
  }
  // Long flat chains are fine and evaluate without deep recursion.
  String chain = u"a";
  for (std::size_t i = 0; i < n; ++i) chain += u" & a";
  const std::u16string_view cells[] = {u"a"};
  EXPECT_TRUE(TBoolFilter(chain, false).Matches(cells));
  EXPECT_TRUE(TBoolFilter(String(vyr::BoolFilterMaxDepth - 2, u'!') + u"!b", true).Matches(cells));
}

// ---------------------------------------------------------------- regular expressions

TEST(GrepFilterTest, CatastrophicBacktrackingReachesALimitQuickly) {
  // 4,998 "a", then "cb": the required "b" is there, so start-up checks
  // cannot skip the run, and every way of splitting the a's is tried.
  const String cell = String(4998, u'a') + u"cb";
  const String allA(5000, u'a');
  for (bool optimize : {true, false}) {
    TGrepFilter f(u"(a|aa)*b", false, optimize);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(f.Match(cell), vyr::grLimit) << "optimize=" << optimize;
    EXPECT_NE(f.Match(allA), vyr::grMatch);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 5000);  // a guard against hanging, not a speed check
  }
  EXPECT_EQ(TGrepFilter(u"(a|aa)*b", false).Match(u"aaab"), vyr::grMatch);
}

TEST(GrepFilterTest, ReportsCompileErrorsAndToleratesBrokenUtf16) {
  const struct { const char16_t* Pattern; int Position; } bad[] = {{u"(", 2}, {u"a{2,1}", 6}, {u"[z-a]", 4}};
  for (const auto& b : bad) {
    try {
      TGrepFilter f(b.Pattern, false);
      ADD_FAILURE() << ToUTF8(b.Pattern);
    } catch (const EVYRFilterSyntaxError& e) {
      EXPECT_EQ(e.Position(), b.Position) << e.what();
    }
  }
  TGrepFilter f(u"b", false);
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(f.Match(lone), vyr::grMatch);  // a lone surrogate does not stop the search
  EXPECT_EQ(f.Match(u""), vyr::grNoMatch);
}

class FilterViewTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(2);
    View->SetNrOfRows(4);
    const char16_t* names[] = {u"Martin", u"Jon", u"Mary", u"Bob"};
    for (int r = 1; r <= 4; ++r) View->SetElem(1, r, names[r - 1]);
    View->SetElem(2, 1, String(250, u'a') + u"cb");
  }
  std::vector<bool> Enabled() const {
    std::vector<bool> e;
    for (int r = 1; r <= View->NrOfRows(); ++r) e.push_back(View->RowEnabled(r));
    return e;
  }
};

TEST_F(FilterViewTest, CountsRowsThatReachALimit) {
  EXPECT_EQ(View->FilterRows(u"^(Ma|Jo).*n$", {1}, false, vyr::fmGrep), 2);
  EXPECT_EQ(View->FilterLimitHits(), 0);
  // The long cell of row 1 reaches the limit but row 1 has no other cell
  // that matches: it counts once and is not a match.
  EXPECT_EQ(View->FilterRows(u"(a|aa)*c$|^Jon$", {2, 1}, false, vyr::fmGrep), 1);
  EXPECT_EQ(View->FilterLimitHits(), 1);
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, false, false}));
  EXPECT_EQ(View->FilterRows(u"Jon", {}, false, vyr::fmSimple), 1);
  EXPECT_EQ(View->FilterLimitHits(), 0);
}

TEST_F(FilterViewTest, AnInvalidExpressionChangesNoRow) {
  View->SetRowEnabled(3, false);
  const std::vector<bool> before = Enabled();
  EXPECT_THROW(View->FilterAndSort(u"Mar &", {}, false, vyr::fmBoolean, 1, true), vyr::EVYRRepListError);
  EXPECT_THROW(View->FilterAndSort(u"(Mar", {}, false, vyr::fmGrep, 1, true), vyr::EVYRRepListError);
  EXPECT_EQ(Enabled(), before);
  EXPECT_EQ(View->Elem(1, 1), u"Martin");  // nor the order
}

TEST_F(FilterViewTest, CheckMarkersAreNotFilteredAndOnReadCellIs) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetElemChecked(1, 2, true);  // stored "XJon"
  EXPECT_EQ(View->FilterRows(u"^Jon$", {1}, false, vyr::fmGrep), 1);
  EXPECT_EQ(View->FilterRows(u"X", {1}, false, vyr::fmSimple), 0);
  View->SetOnReadCell([](TObject*, int, int Row, String& Text) {
    if (Row == 4) Text = u"Xavier";
  });
  EXPECT_EQ(View->FilterRows(u"X", {1}, false, vyr::fmSimple), 1);
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, true}));
}

// A sorted list is filtered in the order its cells are stored and shown in
// its own order again: the bits land on the right rows, the order stays.
TEST_F(FilterViewTest, FilteringASortedListKeepsItsOrder) {
  View->Sort(1, -1, false);  // Mary, Martin, Jon, Bob
  for (auto [exp, expect] : {std::pair<const char16_t*, std::vector<bool>>{u"ar", {true, true, false, false}},
                             {u"o", {false, false, true, true}}, {u"Mary", {true, false, false, false}}}) {
    View->FilterRows(exp, {1}, false, vyr::fmSimple);
    EXPECT_EQ(Enabled(), expect) << ToUTF8(exp);
    EXPECT_EQ(View->Elem(1, 1), u"Mary");
    EXPECT_EQ(View->Elem(1, 4), u"Bob");
    EXPECT_EQ(View->LastSortColumn(), 1);
  }
}

// Refiltering with the same sort request reuses the sorted order; any
// change of the texts must sort again.
TEST_F(FilterViewTest, RepeatedFiltersSortAgainAfterAnyChange) {
  auto shown = [&] {
    std::vector<String> names;
    for (int r = 1; r <= View->NrOfRows(); ++r) names.push_back((View->RowEnabled(r) ? u"+" : u"-") + View->Elem(1, r));
    return names;
  };
  struct Step { const char* What; std::function<void()> Change; const char16_t* Filter; std::vector<String> Expect; };
  const Step steps[] = {
      {"first", [] {}, u"o", {u"+Bob", u"+Jon", u"-Martin", u"-Mary"}},
      {"same request", [] {}, u"M", {u"+Martin", u"+Mary", u"-Bob", u"-Jon"}},
      {"a text changes", [&] { View->SetElem(1, 4, u"Aaron"); }, u"", {u"+Aaron", u"+Bob", u"+Martin", u"+Mary"}},
      {"a row goes", [&] { View->RemoveRow(1); }, u"", {u"+Bob", u"+Martin", u"+Mary"}},
      {"a row comes", [&] { View->SetElem(1, View->AddRow(), u"Al"); }, u"", {u"+Al", u"+Bob", u"+Martin", u"+Mary"}},
      {"a check mode", [&] { View->SetColumnCheckMode(1, vyr::cmBox); View->SetElemChecked(1, 3, true); }, u"",
       {u"+Al", u"+Bob", u"+Mary", u"+Martin"}},  // the marker sorts: blank before "X"
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.What);
    s.Change();
    View->FilterAndSort(s.Filter, {1}, true, vyr::fmSimple, 1, true);
    EXPECT_EQ(shown(), s.Expect);
  }
}

}  // namespace
}  // namespace rlviewtest
