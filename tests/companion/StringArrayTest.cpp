#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "companion/basepack/VYR_dstruct.h"

using namespace vyr;
using vcl::String;

namespace {

// One column of texts, rows 1..n.
void FillColumn(TStringArray& t, int col, const std::vector<String>& texts) {
  if (t.NrOfRows() < static_cast<int>(texts.size()))
    t.Resize(t.NrOfColumns(), static_cast<int>(texts.size()));
  for (std::size_t i = 0; i < texts.size(); ++i) t.SetString(col, static_cast<int>(i) + 1, texts[i]);
}

std::vector<String> ColumnAsShown(const TStringArray& t, int col) {
  std::vector<String> out;
  for (int r = 1; r <= t.NrOfRows(); ++r) out.push_back(t.GetString(col, r));
  return out;
}

std::vector<String> SortedColumn(const std::vector<String>& texts, bool ascending = true) {
  TStringArray t(1, 1);
  FillColumn(t, 1, texts);
  t.Sort(1, -1, ascending);
  return ColumnAsShown(t, 1);
}

using V = std::vector<String>;

}  // namespace

// ---------------------------------------------------------------- cells

TEST(StringArrayCells, DimensionsIncludeColumnAndRowZero) {
  TStringArray t(3, 4);
  EXPECT_EQ(t.NrOfColumns(), 3);
  EXPECT_EQ(t.NrOfRows(), 4);
  t.SetString(0, 0, u"corner");
  t.SetString(3, 4, u"last");
  EXPECT_EQ(t.GetString(0, 0), u"corner");
  EXPECT_EQ(t.GetString(3, 4), u"last");
  EXPECT_EQ(t.GetString(2, 2), u"");
}

TEST(StringArrayCells, OutsideTheTableReadsEmptyAndIgnoresWrites) {
  TStringArray t(2, 2);
  int changes = 0;
  t.SetOnChange([&](vcl::TObject*) { ++changes; });
  for (auto [c, r] : {std::pair{-1, 1}, {3, 1}, {1, -1}, {1, 3}}) {
    t.SetString(c, r, u"x");
    EXPECT_EQ(t.GetString(c, r), u"");
    t.SetRowAttrib(r, 7);
    t.SetColAttrib(c, 7);
  }
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(t.GetRowAttrib(3), 0);
  EXPECT_EQ(t.GetColAttrib(3), 0);
  EXPECT_EQ(t.GetSortOrder(3), -1);
}

TEST(StringArrayCells, LongTextsAreCutTo255Units) {
  TStringArray t(1, 1);
  t.SetString(1, 1, String(300, u'a'));
  EXPECT_EQ(t.GetString(1, 1), String(255, u'a'));
  // A surrogate pair straddling the limit is not split.
  String s(254, u'b');
  s += u"\U0001F600tail";
  t.SetString(1, 1, s);
  EXPECT_EQ(t.GetString(1, 1), String(254, u'b'));
}

TEST(StringArrayCells, RewritingCellsKeepsEveryText) {
  // Shorter, longer and empty rewrites, interleaved over many cells, must
  // never mix texts up, also when the arena is compacted in between.
  TStringArray t(2, 200);
  std::mt19937 rng(7);
  std::vector<String> expect(201);
  for (int round = 0; round < 20000; ++round) {
    int r = static_cast<int>(rng() % 200) + 1;
    String s(rng() % 40, static_cast<char16_t>(u'a' + rng() % 26));
    if (!s.empty()) s += String(u"#") + static_cast<char16_t>(u'0' + r % 10);
    t.SetString(1, r, s);
    expect[static_cast<std::size_t>(r)] = s;
  }
  for (int r = 1; r <= 200; ++r) EXPECT_EQ(t.GetString(1, r), expect[static_cast<std::size_t>(r)]);
  // Churn does not leave the arena growing without bound.
  EXPECT_LT(t.MemoryUsed(), 200u * 2 * (8 + 2 * 43) * 3);
}

TEST(StringArrayCells, TextTakenFromTheSameColumnIsCopiedSafely) {
  TStringArray t(1, 3);
  t.SetString(1, 1, u"short");
  for (int i = 0; i < 50; ++i) {
    t.SetString(1, 2, String(static_cast<std::size_t>(i + 10), u'q'));  // forces appends
    t.SetString(1, 3, t.StringView(1, 1));
  }
  EXPECT_EQ(t.GetString(1, 3), u"short");
}

TEST(StringArrayCells, CompactStorageForTenCharacterTexts) {
  TStringArray t(8, 20000);
  for (int r = 1; r <= 20000; ++r)
    for (int c = 1; c <= 8; ++c) t.SetString(c, r, u"abcdefghij");
  double perCell = static_cast<double>(t.MemoryUsed()) / (9.0 * 20001.0);
  EXPECT_LE(perCell, 2 * 20 + 16);
}

TEST(StringArrayCells, ChangeNotificationForTextsNotForAttributes) {
  TStringArray t(2, 2);
  int changes = 0;
  t.SetOnChange([&](vcl::TObject* s) {
    EXPECT_EQ(s, &t);
    ++changes;
  });
  t.SetString(1, 1, u"a");
  EXPECT_EQ(changes, 1);
  t.SetRowAttrib(1, 128);
  t.SetColAttrib(1, 128);
  EXPECT_EQ(changes, 1);
  t.Clear();
  t.Resize(3, 3);
  t.InsertRow(1);
  t.RemoveColumn(1);
  EXPECT_EQ(changes, 5);
}

TEST(StringArrayCells, ClearEmptiesTextsOnly) {
  TStringArray t(2, 2);
  t.SetString(0, 1, u"zero");
  t.SetString(2, 2, u"x");
  t.SetRowAttrib(2, 64);
  t.SetColAttrib(1, 128);
  t.Clear();
  EXPECT_EQ(t.GetString(0, 1), u"");
  EXPECT_EQ(t.GetString(2, 2), u"");
  EXPECT_EQ(t.GetRowAttrib(2), 64);
  EXPECT_EQ(t.GetColAttrib(1), 128);
  EXPECT_EQ(t.NrOfColumns(), 2);
}

// ---------------------------------------------------------------- structure

TEST(StringArrayStructure, ResizeKeepsContentsAndClampsCounts) {
  TStringArray t(2, 3);
  t.SetString(2, 3, u"keep");
  t.SetString(1, 1, u"a");
  t.SetRowAttrib(3, 5);
  t.Resize(4, 10);
  EXPECT_EQ(t.GetString(2, 3), u"keep");
  EXPECT_EQ(t.GetRowAttrib(3), 5);
  EXPECT_EQ(t.GetString(4, 10), u"");
  t.Resize(1, 0);  // at least one row stays
  EXPECT_EQ(t.NrOfColumns(), 1);
  EXPECT_EQ(t.NrOfRows(), 1);
  EXPECT_EQ(t.GetString(1, 1), u"a");
  EXPECT_EQ(t.GetString(2, 3), u"");
  t.Resize(-5, -5);
  EXPECT_EQ(t.NrOfColumns(), 0);
  EXPECT_EQ(t.NrOfRows(), 1);
  t.Resize(2, 3);  // regrown cells are empty, not the old texts
  EXPECT_EQ(t.GetString(2, 3), u"");
  EXPECT_EQ(t.GetRowAttrib(3), 0);
}

TEST(StringArrayStructure, HugeResizeFailsCleanly) {
  TStringArray t(2, 2);
  t.SetString(1, 1, u"survivor");
  EXPECT_THROW(t.Resize(2000000000, 2000000000), EVYRDStructError);
  EXPECT_EQ(t.NrOfColumns(), 2);
  EXPECT_EQ(t.NrOfRows(), 2);
  EXPECT_EQ(t.GetString(1, 1), u"survivor");
}

TEST(StringArrayStructure, InsertAndRemoveRows) {
  TStringArray t(1, 3);
  FillColumn(t, 1, {u"a", u"b", u"c"});
  t.SetString(0, 2, u"b0");
  t.SetRowAttrib(2, 9);
  t.InsertRow(2);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"a", u"", u"b", u"c"}));
  EXPECT_EQ(t.GetString(0, 3), u"b0");
  EXPECT_EQ(t.GetRowAttrib(3), 9);
  EXPECT_EQ(t.GetRowAttrib(2), 0);
  t.InsertRow(5);  // append
  t.InsertRow(7);  // beyond: ignored
  t.InsertRow(0);
  EXPECT_EQ(t.NrOfRows(), 5);
  t.RemoveRow(1);
  t.RemoveRow(6);  // ignored
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"", u"b", u"c", u""}));
}

TEST(StringArrayStructure, RemovingTheOnlyRowEmptiesIt) {
  TStringArray t(2, 1);
  t.SetString(0, 1, u"x");
  t.SetString(2, 1, u"y");
  t.SetRowAttrib(1, 200);
  t.RemoveRow(1);
  EXPECT_EQ(t.NrOfRows(), 1);
  EXPECT_EQ(t.GetString(0, 1), u"");
  EXPECT_EQ(t.GetString(2, 1), u"");
  EXPECT_EQ(t.GetRowAttrib(1), 0);
}

TEST(StringArrayStructure, InsertAndRemoveColumns) {
  TStringArray t(2, 1);
  t.SetString(0, 1, u"c0");
  t.SetString(1, 1, u"c1");
  t.SetString(2, 1, u"c2");
  t.SetColAttrib(2, 3);
  t.InsertColumn(2);
  EXPECT_EQ(t.NrOfColumns(), 3);
  EXPECT_EQ(t.GetString(2, 1), u"");
  EXPECT_EQ(t.GetString(3, 1), u"c2");
  EXPECT_EQ(t.GetColAttrib(3), 3);
  t.InsertColumn(4);  // append
  t.InsertColumn(0);  // column 0 cannot be displaced
  t.InsertColumn(6);
  EXPECT_EQ(t.NrOfColumns(), 4);
  t.RemoveColumn(1);
  t.RemoveColumn(0);
  t.RemoveColumn(9);
  EXPECT_EQ(t.NrOfColumns(), 3);
  EXPECT_EQ(t.GetString(0, 1), u"c0");
  EXPECT_EQ(t.GetString(2, 1), u"c2");
  t.RemoveColumn(1);
  t.RemoveColumn(1);
  t.RemoveColumn(1);
  EXPECT_EQ(t.NrOfColumns(), 0);
  EXPECT_EQ(t.GetString(0, 1), u"c0");
}

TEST(StringArrayStructure, AllocationStepIsKeptAndAtLeastOne) {
  TStringArray t;
  t.SetAllocRowsBy(10);
  EXPECT_EQ(t.AllocRowsBy(), 10);
  t.SetAllocRowsBy(0);
  EXPECT_EQ(t.AllocRowsBy(), 1);
  // Growing one row at a time works whatever the step.
  t.SetAllocRowsBy(3);
  for (int n = 2; n <= 500; ++n) {
    t.Resize(1, n);
    t.SetString(1, n, String(1, static_cast<char16_t>(u'a' + n % 26)));
  }
  EXPECT_EQ(t.GetString(1, 500), String(1, static_cast<char16_t>(u'a' + 500 % 26)));
  EXPECT_EQ(t.GetString(1, 27), u"b");
}

// ---------------------------------------------------------------- comparison

TEST(StringArraySort, NumbersCompareByValue) {
  EXPECT_EQ(SortedColumn({u"10", u"9", u"-3", u"1e2", u" 2.5 ", u"2,25", u"0"}),
            (V{u"-3", u"0", u"2,25", u" 2.5 ", u"9", u"10", u"1e2"}));
}

TEST(StringArraySort, TextsCompareCaseInsensitivelyWithDigitRunsByValue) {
  EXPECT_EQ(SortedColumn({u"a10", u"B", u"a9", u"A2b", u"a2a", u"b1"}),
            (V{u"a2a", u"A2b", u"a9", u"a10", u"B", u"b1"}));
  EXPECT_EQ(SortedColumn({u"file 010 x", u"file 9 x", u"file 10 w"}),
            (V{u"file 9 x", u"file 10 w", u"file 010 x"}));
  EXPECT_EQ(SortedColumn({u"Émile", u"zeta", u"émile", u"Alpha"}),
            (V{u"Alpha", u"zeta", u"Émile", u"émile"}));
}

TEST(StringArraySort, MixedColumnsKeepATotalOrder) {
  // Empty first, texts below "0" before the numbers, texts starting with a
  // digit run among the numbers by its value, other texts last.
  EXPECT_EQ(SortedColumn({u"abc", u"9a", u"10", u"", u"(n/a)", u"9", u"-1"}),
            (V{u"", u"(n/a)", u"-1", u"9", u"9a", u"10", u"abc"}));
}

TEST(StringArraySort, StableForEqualKeysInBothDirections) {
  TStringArray t(2, 6);
  FillColumn(t, 1, {u"b", u"a", u"B", u"a", u"1.0", u"1"});
  FillColumn(t, 2, {u"1", u"2", u"3", u"4", u"5", u"6"});
  t.Sort(1, -1, true);
  EXPECT_EQ(ColumnAsShown(t, 2), (V{u"5", u"6", u"2", u"4", u"1", u"3"}));
  t.UnSort();
  t.Sort(1, -1, false);
  EXPECT_EQ(ColumnAsShown(t, 2), (V{u"1", u"3", u"2", u"4", u"5", u"6"}));
}

TEST(StringArraySort, TiesUseTheSecondaryColumnThenTheShownOrder) {
  TStringArray t(3, 5);
  FillColumn(t, 1, {u"x", u"y", u"x", u"y", u"x"});
  FillColumn(t, 2, {u"3", u"1", u"1", u"2", u"3"});
  FillColumn(t, 3, {u"r1", u"r2", u"r3", u"r4", u"r5"});
  t.Sort(1, 2, true);
  EXPECT_EQ(ColumnAsShown(t, 3), (V{u"r3", u"r1", u"r5", u"r2", u"r4"}));
  // Descending reverses both keys; equal pairs keep their shown order.
  t.Sort(1, 2, false);
  EXPECT_EQ(ColumnAsShown(t, 3), (V{u"r4", u"r2", u"r1", u"r5", u"r3"}));
  // A secondary column equal to the primary one, or outside, is no key.
  t.UnSort();
  t.Sort(1, 1, true);
  EXPECT_EQ(ColumnAsShown(t, 3), (V{u"r1", u"r3", u"r5", u"r2", u"r4"}));
  t.UnSort();
  t.Sort(1, 9, true);
  EXPECT_EQ(ColumnAsShown(t, 3), (V{u"r1", u"r3", u"r5", u"r2", u"r4"}));
}

TEST(StringArraySort, LongCommonPrefixesAreCompared) {
  // Keys that agree in their first bytes must still be ordered by the rest.
  std::vector<String> texts;
  for (int i = 40; i >= 1; --i) texts.push_back(u"Customer account number " + String(1, u'A' + i % 26) +
                                                vcl::FromUTF8(std::to_string(i)));
  auto sorted = SortedColumn(texts);
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    String a = sorted[i - 1].substr(24), b = sorted[i].substr(24);
    ASSERT_TRUE(a[0] < b[0] || (a[0] == b[0] && std::stoi(vcl::ToUTF8(a.substr(1))) <
                                                    std::stoi(vcl::ToUTF8(b.substr(1)))))
        << vcl::ToUTF8(a) << " before " << vcl::ToUTF8(b);
  }
}

TEST(StringArraySort, RandomColumnsComeOutOrderedAndStable) {
  // Property check over mixed random data: adjacent rows obey the rules
  // that apply to them, and rows with identical texts keep their order.
  std::mt19937 rng(11);
  const std::vector<String> pieces = {u"a", u"B", u"c", u"7", u"12", u"0", u" ", u"-", u".", u"x9"};
  TStringArray t(2, 3000);
  for (int r = 1; r <= 3000; ++r) {
    String s;
    for (unsigned k = rng() % 4; k > 0; --k) s += pieces[rng() % pieces.size()];
    t.SetString(1, r, s);
    t.SetString(2, r, vcl::FromUTF8(std::to_string(r)));
  }
  t.Sort(1, -1, true);
  auto isNumber = [](const String& s, double& v) {
    std::string u = vcl::ToUTF8(s);
    std::replace(u.begin(), u.end(), ',', '.');
    char* end = nullptr;
    v = std::strtod(u.c_str(), &end);
    while (end && *end == ' ') ++end;
    return !u.empty() && u.find_first_not_of(" ") != std::string::npos && end && *end == 0 &&
           u.find_first_of("0123456789") != std::string::npos && u.find_first_of("xX") == std::string::npos;
  };
  auto isLetters = [](const String& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char16_t c) { return (c | 32) >= u'a' && (c | 32) <= u'z'; });
  };
  auto lower = [](String s) {
    for (auto& c : s) c = static_cast<char16_t>(c | 32);
    return s;
  };
  for (int r = 2; r <= 3000; ++r) {
    String a = t.GetString(1, r - 1), b = t.GetString(1, r);
    double va, vb;
    if (isNumber(a, va) && isNumber(b, vb)) {
      ASSERT_LE(va, vb) << r;
    }
    if (isLetters(a) && isLetters(b)) {
      ASSERT_LE(lower(a), lower(b)) << r;
    }
    if (a == b) {
      ASSERT_LT(std::stoi(vcl::ToUTF8(t.GetString(2, r - 1))),
                std::stoi(vcl::ToUTF8(t.GetString(2, r))));
    }
    if (b.empty()) {
      ASSERT_TRUE(a.empty()) << r;
    }
  }
}

// ---------------------------------------------------------------- sort order

TEST(StringArraySortOrder, PhysicalRowsNeverMove) {
  TStringArray t(1, 4);
  FillColumn(t, 1, {u"d", u"b", u"a", u"c"});
  t.SetString(0, 3, u"tag of a");
  t.SetRowAttrib(3, 128);
  t.Sort(1, -1, true);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(t.GetSortOrder(1), 3);
  EXPECT_EQ(t.GetSortOrder(4), 1);
  EXPECT_EQ(t.GetSortOrder(0), 0);
  // Column 0 and the attribute travel with their row.
  EXPECT_EQ(t.GetString(0, 1), u"tag of a");
  EXPECT_EQ(t.GetRowAttrib(1), 128);
  EXPECT_TRUE(t.Sorted());
  t.UnSort();
  EXPECT_FALSE(t.Sorted());
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"d", u"b", u"a", u"c"}));
  EXPECT_EQ(t.GetRowAttrib(3), 128);
}

TEST(StringArraySortOrder, CommitMakesTheShownOrderPhysical) {
  TStringArray t(1, 3);
  FillColumn(t, 1, {u"3", u"1", u"2"});
  t.SetRowAttrib(1, 1);
  t.Sort(1, -1, true);
  t.CommitSorting();
  EXPECT_FALSE(t.Sorted());
  EXPECT_EQ(t.GetSortOrder(1), 1);
  t.UnSort();
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"1", u"2", u"3"}));
  EXPECT_EQ(t.GetRowAttrib(3), 1);
}

TEST(StringArraySortOrder, SetSortOrderStepByStepAndRepair) {
  TStringArray t(1, 3);
  FillColumn(t, 1, {u"a", u"b", u"c"});
  // Building a permutation entry by entry passes through repeated rows.
  t.SetSortOrder(1, 3);
  t.SetSortOrder(3, 1);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"c", u"b", u"a"}));
  t.SetSortOrder(0, 2);  // ignored
  t.SetSortOrder(2, 4);  // ignored
  EXPECT_EQ(t.GetSortOrder(2), 2);
  // An order left with a repeated row is repaired before it is committed:
  // no row is lost or doubled.
  t.SetSortOrder(2, 3);
  t.CommitSorting();
  t.UnSort();
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"c", u"b", u"a"}));
}

TEST(StringArraySortOrder, InsertAndRemoveWhileSorted) {
  TStringArray t(1, 4);
  FillColumn(t, 1, {u"d", u"b", u"a", u"c"});
  t.Sort(1, -1, true);  // shows a b c d
  t.InsertRow(3);
  t.SetString(1, 3, u"new");
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"a", u"b", u"new", u"c", u"d"}));
  t.RemoveRow(1);  // removes the "a" shown first
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"b", u"new", u"c", u"d"}));
  t.UnSort();
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"d", u"b", u"new", u"c"}));
}

TEST(StringArraySortOrder, ResizeKeepsTheShownOrderOfRemainingRows) {
  TStringArray t(1, 4);
  FillColumn(t, 1, {u"d", u"b", u"a", u"c"});
  t.Sort(1, -1, false);  // d c b a
  t.Resize(1, 6);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"d", u"c", u"b", u"a", u"", u""}));
  t.Resize(1, 2);  // physical rows 3 and 4 (a, c) go
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"d", u"b"}));
}

TEST(StringArraySortOrder, HookSuppliesTheComparedText) {
  TStringArray t(1, 3);
  FillColumn(t, 1, {u"Mar", u"Jan", u"Feb"});
  int calls = 0;
  t.SetOnBeforeSortExchange([&](vcl::TObject* s, const String& in, String& out) {
    EXPECT_EQ(s, &t);
    EXPECT_EQ(out, in);
    ++calls;
    out = in == u"Jan" ? u"1" : in == u"Feb" ? u"2" : u"3";
  });
  t.Sort(1, -1, true);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"Jan", u"Feb", u"Mar"}));
}

namespace {

// A plain model of a sorted table: rows by physical position, and the
// physical position shown at each place.
struct TableModel {
  struct Row {
    std::vector<String> Texts;  // columns 0..n
    std::uint8_t Attr = 0;
  };
  int Cols;
  std::vector<Row> Phys;   // index 0 unused
  std::vector<int> Shown;  // index 0 unused

  TableModel(int cols, int rows) : Cols(cols), Phys(1), Shown(1, 0) { Resize(rows); }
  int Rows() const { return static_cast<int>(Phys.size()) - 1; }
  Row& At(int r) { return Phys[static_cast<std::size_t>(Shown[static_cast<std::size_t>(r)])]; }
  Row Empty() const { return Row{std::vector<String>(static_cast<std::size_t>(Cols) + 1), 0}; }

  void Resize(int rows) {
    std::vector<int> shown{0};
    for (std::size_t i = 1; i < Shown.size(); ++i)
      if (Shown[i] <= rows) shown.push_back(Shown[i]);
    for (int p = Rows() + 1; p <= rows; ++p) shown.push_back(p);
    Phys.resize(static_cast<std::size_t>(rows) + 1, Empty());
    Shown = shown;
  }
  void Insert(int r) {
    Phys.insert(Phys.begin() + r, Empty());
    for (int& p : Shown)
      if (p >= r) ++p;
    Shown.insert(Shown.begin() + r, r);
  }
  void Remove(int r) {
    if (Rows() == 1) {
      At(1) = Empty();
      return;
    }
    const int p = Shown[static_cast<std::size_t>(r)];
    Phys.erase(Phys.begin() + p);
    Shown.erase(Shown.begin() + r);
    for (int& q : Shown)
      if (q > p) --q;
  }
  // Stable sort by the integer texts of column c, ties by column sec.
  void Sort(int c, int sec, bool asc) {
    auto key = [&](int p, int col) {
      return std::stoi(vcl::ToUTF8(Phys[static_cast<std::size_t>(p)].Texts[static_cast<std::size_t>(col)]));
    };
    std::stable_sort(Shown.begin() + 1, Shown.end(), [&](int a, int b) {
      std::pair<int, int> ka{key(a, c), key(a, sec)}, kb{key(b, c), key(b, sec)};
      return asc ? ka < kb : kb < ka;
    });
  }
  void UnSort() {
    for (std::size_t i = 0; i < Shown.size(); ++i) Shown[i] = static_cast<int>(i);
  }
  void Commit() {
    std::vector<Row> phys(1);
    for (std::size_t i = 1; i < Shown.size(); ++i)
      phys.push_back(Phys[static_cast<std::size_t>(Shown[i])]);
    Phys = phys;
    UnSort();
  }
};

}  // namespace

TEST(StringArraySortOrder, RandomEditsSortsAndCommitsFollowAPlainModel) {
  std::mt19937 rng(5);
  TStringArray t(2, 5);
  TableModel m(2, 5);
  auto num = [&] { return vcl::FromUTF8(std::to_string(static_cast<int>(rng() % 7))); };
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 2; ++c) {
      String v = num();
      t.SetString(c, r, v);
      m.At(r).Texts[static_cast<std::size_t>(c)] = v;
    }
  for (int step = 0; step < 3000; ++step) {
    const int rows = m.Rows();
    const int r = 1 + static_cast<int>(rng() % static_cast<unsigned>(rows));
    switch (rng() % 9) {
      case 0:
      case 1: {  // a text, column 0 included; every text stays a number
        const int c = static_cast<int>(rng() % 3);
        String v = num();
        t.SetString(c, r, v);
        m.At(r).Texts[static_cast<std::size_t>(c)] = v;
        break;
      }
      case 2: {
        const auto a = static_cast<std::uint8_t>(rng());
        t.SetRowAttrib(r, a);
        m.At(r).Attr = a;
        break;
      }
      case 3: {  // insert, then fill so that sorting keys stay numbers
        const int at = 1 + static_cast<int>(rng() % static_cast<unsigned>(rows + 1));
        t.InsertRow(at);
        m.Insert(at);
        for (int c = 1; c <= 2; ++c) {
          String v = num();
          t.SetString(c, at, v);
          m.At(at).Texts[static_cast<std::size_t>(c)] = v;
        }
        break;
      }
      case 4:
        t.RemoveRow(r);
        m.Remove(r);
        if (m.Rows() == 1 && m.At(1).Texts[1].empty())
          for (int c = 1; c <= 2; ++c) {
            t.SetString(c, 1, u"0");
            m.At(1).Texts[static_cast<std::size_t>(c)] = u"0";
          }
        break;
      case 5: {
        const int c = 1 + static_cast<int>(rng() % 2);
        const bool asc = rng() % 2 == 0;
        t.Sort(c, 3 - c, asc);
        m.Sort(c, 3 - c, asc);
        break;
      }
      case 6:
        if (rng() % 2) {
          t.UnSort();
          m.UnSort();
        } else {
          t.CommitSorting();
          m.Commit();
        }
        break;
      case 7: {  // grow or shrink; new rows get numbers
        const int n = std::max(1, rows + static_cast<int>(rng() % 5) - 2);
        t.Resize(2, n);
        m.Resize(n);
        for (int s = 1; s <= n; ++s)
          for (int c = 1; c <= 2; ++c)
            if (m.At(s).Texts[static_cast<std::size_t>(c)].empty()) {
              t.SetString(c, s, u"3");
              m.At(s).Texts[static_cast<std::size_t>(c)] = u"3";
            }
        break;
      }
      default:
        break;
    }
    ASSERT_EQ(t.NrOfRows(), m.Rows()) << step;
    for (int s = 1; s <= m.Rows(); ++s) {
      ASSERT_EQ(t.GetSortOrder(s), m.Shown[static_cast<std::size_t>(s)]) << step << " row " << s;
      ASSERT_EQ(t.GetRowAttrib(s), m.At(s).Attr) << step << " row " << s;
      for (int c = 0; c <= 2; ++c)
        ASSERT_EQ(t.GetString(c, s), m.At(s).Texts[static_cast<std::size_t>(c)])
            << step << " " << c << "," << s;
    }
  }
}

TEST(StringArraySortOrder, LongHookTextsCountWithTheirFirst255Units) {
  TStringArray t(1, 4);
  FillColumn(t, 1, {u"a", u"b", u"c", u"d"});
  // Texts far longer than a cell, letters and digit runs alike; rows a and
  // c differ only beyond unit 255 and so tie.
  t.SetOnBeforeSortExchange([](vcl::TObject*, const String& in, String& out) {
    if (in == u"a") out = String(255, u'y') + String(2000, u'b');
    if (in == u"b") out = String(3000, u'9');
    if (in == u"c") out = String(255, u'y') + String(900, u'a');
    if (in == u"d") out = u"x" + String(1200, u'7');
  });
  t.Sort(1, -1, true);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"b", u"d", u"a", u"c"}));
  t.Sort(1, -1, false);
  EXPECT_EQ(ColumnAsShown(t, 1), (V{u"a", u"c", u"d", u"b"}));
}

TEST(StringArraySortOrder, AHookThatResizesTheTableEndsTheSort) {
  TStringArray t(1, 3);
  FillColumn(t, 1, {u"c", u"b", u"a"});
  t.SetOnBeforeSortExchange([&](vcl::TObject*, const String&, String&) { t.Resize(1, 1); });
  EXPECT_THROW(t.Sort(1, -1, true), EVYRDStructError);
  t.SetOnBeforeSortExchange(nullptr);
  EXPECT_EQ(t.NrOfRows(), 1);
  EXPECT_EQ(t.GetString(1, 1), u"c");
  EXPECT_FALSE(t.Sorted());
}

TEST(StringArraySortOrder, ArbitraryUnitsSortIntoAPermutation) {
  // Random code units (lone surrogates, controls, digits, separators) must
  // neither upset the sort nor lose or double a row.
  std::mt19937 rng(5);
  const char16_t alphabet[] = {u'0', u'9', u'.', u',', u'-', u'+', u'e', u'E', u' ', u'\t',
                               u'a', u'Z', 0xD800, 0xDFFF, 0x00E9, 0x0416, 0xFFFF, 0x0001};
  TStringArray t(2, 2000);
  for (int r = 1; r <= 2000; ++r) {
    String s;
    for (unsigned k = rng() % 12; k > 0; --k) s += alphabet[rng() % std::size(alphabet)];
    t.SetString(1, r, s);
    t.SetString(2, r, s);
  }
  for (bool asc : {true, false}) {
    t.Sort(1, 2, asc);
    std::vector<int> seen;
    for (int r = 1; r <= 2000; ++r) seen.push_back(t.GetSortOrder(r));
    std::sort(seen.begin(), seen.end());
    for (int r = 1; r <= 2000; ++r) ASSERT_EQ(seen[static_cast<std::size_t>(r - 1)], r);
    // Sorting an already sorted table keeps it as it is.
    std::vector<String> once = ColumnAsShown(t, 1);
    t.Sort(1, 2, asc);
    ASSERT_EQ(ColumnAsShown(t, 1), once);
  }
}

TEST(StringArraySortOrder, ProgressAndInvalidColumn) {
  TStringArray t(1, 50);
  std::vector<int> seen;
  t.SetOnPercentDone([&](vcl::TObject*, int p) { seen.push_back(p); });
  t.Sort(2, -1, true);
  t.Sort(-1, -1, true);
  EXPECT_TRUE(seen.empty());
  t.Sort(1, -1, true);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), 0);
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(StringArraySortOrder, AssignCopiesTextsAttributesAndOrder) {
  TStringArray src(2, 3);
  src.SetAllocRowsBy(10);
  FillColumn(src, 1, {u"c", u"a", u"b"});
  src.SetRowAttrib(1, 64);
  src.SetColAttrib(2, 128);
  src.Sort(1, -1, true);
  TStringArray dst(1, 1);
  dst.Assign(&src);
  EXPECT_EQ(dst.NrOfColumns(), 2);
  EXPECT_EQ(dst.AllocRowsBy(), 10);
  EXPECT_EQ(ColumnAsShown(dst, 1), (V{u"a", u"b", u"c"}));
  EXPECT_EQ(dst.GetRowAttrib(3), 64);
  EXPECT_EQ(dst.GetColAttrib(2), 128);
  dst.SetString(1, 1, u"changed");
  EXPECT_EQ(src.GetString(1, 1), u"a");
}

// ---------------------------------------------------------------- small helpers

TEST(BitField, SetGetCountAndFirst) {
  TBitFld b;
  EXPECT_EQ(b.FirstTrueBit(), -1);
  b.SetBit(0, true);  // no bits yet: ignored
  EXPECT_FALSE(b.GetBit(0));
  b.SetSize(130);
  b.SetBit(129, true);
  b.SetBit(64, true);
  b.SetBit(130, true);
  b.SetBit(-1, true);
  EXPECT_EQ(b.CountTrueBits(), 2);
  EXPECT_EQ(b.FirstTrueBit(), 64);
  b.SetBit(64, false);
  EXPECT_EQ(b.FirstTrueBit(), 129);
  b.Clear();
  EXPECT_EQ(b.CountTrueBits(), 0);
  EXPECT_EQ(b.Size(), 130);
}

TEST(BitField, ShrinkingDropsBitsAndRegrowingShowsFalse) {
  TBitFld b(70);
  b.SetBit(69, true);
  b.SetBit(3, true);
  b.SetSize(10);
  EXPECT_EQ(b.CountTrueBits(), 1);
  b.SetSize(70);
  EXPECT_FALSE(b.GetBit(69));
  EXPECT_TRUE(b.GetBit(3));
  b.SetSize(-4);
  EXPECT_EQ(b.Size(), 0);
  EXPECT_EQ(b.CountTrueBits(), 0);
}

TEST(LogicOp, Combinations) {
  EXPECT_TRUE(CombineLogic(loNOP, true, false));
  EXPECT_FALSE(CombineLogic(loNOP, false, true));
  EXPECT_FALSE(CombineLogic(loAND, true, false));
  EXPECT_TRUE(CombineLogic(loOR, false, true));
  EXPECT_TRUE(CombineLogic(loXOR, true, false));
  EXPECT_FALSE(CombineLogic(loXOR, true, true));
}

// ---------------------------------------------------------------- block views

// StringViews hands out what StringView gives cell by cell, in the shown
// order, for any block of rows, also partly or wholly outside the table.
TEST(StringArrayViews, ABlockEqualsTheCellsOneByOne) {
  TStringArray t(2, 1);
  FillColumn(t, 1, {u"pear", u"fig", u"", u"apple", u"kiwi"});
  t.Sort(1, -1, true);
  struct Case {
    int Col, First, Count;
  };
  const Case cases[] = {{1, 1, 5}, {1, 2, 2}, {1, -2, 4}, {1, 4, 6}, {1, 6, 3},
                        {0, 1, 5}, {2, 0, 7}, {3, 1, 2}, {-1, 1, 2}, {1, 3, 0}};
  for (const Case& c : cases) {
    std::vector<std::u16string_view> got(static_cast<std::size_t>(c.Count) + 1, u"guard");
    t.StringViews(c.Col, c.First, c.Count, got.data());
    for (int k = 0; k < c.Count; ++k) {
      EXPECT_EQ(got[static_cast<std::size_t>(k)], t.StringView(c.Col, c.First + k))
          << "column " << c.Col << " row " << c.First + k;
    }
    EXPECT_EQ(got.back(), u"guard");  // nothing written beyond Count
  }
}
