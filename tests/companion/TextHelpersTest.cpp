#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "companion/basepack/VYR_filesys.h"
#include "companion/basepack/VYR_streams.h"
#include "companion/basepack/VYR_stringl.h"
#include "companion/basepack/VYR_vyrbase.h"

using namespace vyr;
using vcl::String;

// ---------------------------------------------------------------- strings

TEST(Strff, DecimalsWidthAndSpecialValues) {
  EXPECT_EQ(strff(7, 1, 2), u"7.00");
  EXPECT_EQ(strff(2.345, 0, 1), u"2.3");
  EXPECT_EQ(strff(-1.5, 8, 3), u"  -1.500");
  EXPECT_EQ(strff(12345.6, 3, 0), u"12346");  // a field never cuts
  EXPECT_EQ(strff(3, 1, -2), u"3");
  EXPECT_EQ(strff(-0.001, 1, 2), u"0.00");
  EXPECT_EQ(strff(1e300, 1, 1).size(), 303u);
  EXPECT_EQ(strff(NAN, 5, 2), u"  NAN");
  EXPECT_EQ(strff(-INFINITY, 1, 2), u"-INF");
}

TEST(Tokenize, CountsItemsIncludingEmptyOnes) {
  std::vector<String> items{u"stale"};
  EXPECT_EQ(Tokenize(u"/home/ann/", u"/", items), 4);
  EXPECT_EQ(items, (std::vector<String>{u"", u"home", u"ann", u""}));
  EXPECT_EQ(Tokenize(u"one line", u"|", items), 1);
  EXPECT_EQ(items[0], u"one line");
  EXPECT_EQ(Tokenize(u"a|b;c", u"|;", items), 3);
  EXPECT_EQ(items[2], u"c");
  EXPECT_EQ(Tokenize(u"", u"|", items), 0);
  EXPECT_TRUE(items.empty());
  vcl::TStringList list;
  list.Add(u"stale");
  EXPECT_EQ(Tokenize(u"usr\\local\\", u"\\", &list), 3);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(1), u"local");
  EXPECT_EQ(list.Strings(2), u"");
  EXPECT_EQ(Tokenize(u"a|b", u"|", static_cast<vcl::TStrings*>(nullptr)), 0);
  EXPECT_EQ(Tokenize(u"usr|share|", u"|", list), 3);  // the list itself, not its address
  EXPECT_EQ(list.Strings(0), u"usr");
  EXPECT_EQ(list.Strings(2), u"");
}

TEST(NumberedPos, FindsTheNthOccurrenceFromAPosition) {
  const String line = u"<replist vyrkitset id=\"Sales\">";
  int i = NumberedPos(u"id=\"", line, 1, 1);
  EXPECT_EQ(i, 20);
  EXPECT_EQ(NumberedPos(u"\"", line, i, 2), 29);
  EXPECT_EQ(NumberedPos(u"\"", line, i, 3), 0);
  EXPECT_EQ(NumberedPos(u".", u"1.25.3", 3, 1), 5);
  EXPECT_EQ(NumberedPos(u"aa", u"aaaa", 1, 3), 3);  // occurrences may overlap
  EXPECT_EQ(NumberedPos(u"a", u"abc", -4, 1), 1);
  EXPECT_EQ(NumberedPos(u"a", u"abc", 9, 1), 0);
  EXPECT_EQ(NumberedPos(u"", u"abc", 1, 1), 0);
  EXPECT_EQ(NumberedPos(u"a", u"abc", 1, 0), 0);
}

TEST(LeftString, PadsOrCutsToTheField) {
  EXPECT_EQ(LeftString(u"abc", 6), u"abc   ");
  EXPECT_EQ(LeftString(u"abcdef", 4), u"abcd");
  EXPECT_EQ(LeftString(u"", 2), u"  ");
  EXPECT_EQ(LeftString(u"abc", -1), u"");
}

TEST(TextEdits, ControlCharsReplaceAndStrip) {
  EXPECT_EQ(RemoveControlChars(u"a\tb\r\nc\x7F\x01" u"d"), u"abcd");
  EXPECT_EQ(ReplaceCharInString(u"1.234,5", u'.', u','), u"1,234,5");
  EXPECT_EQ(StripLeadingChars(u"//a/b//", u'/'), u"a/b//");
  EXPECT_EQ(StripTrailingChars(u"//a/b//", u'/'), u"//a/b");
  EXPECT_EQ(StripLeadingChars(u" \t x", u" \t"), u"x");
  EXPECT_EQ(StripTrailingChars(u"////", u'/'), u"");
  EXPECT_EQ(EnsureTrailingChar(u"dir", u'/'), u"dir/");
  EXPECT_EQ(EnsureTrailingChar(u"dir/", u'/'), u"dir/");
  EXPECT_EQ(EnsureTrailingChar(u"", u'/'), u"");
  EXPECT_EQ(TrimBlanks(u" \t x y \t"), u"x y");
  EXPECT_TRUE(SameTextIgnoringCase(u"ÄrGer", u"äRger"));
  EXPECT_FALSE(SameTextIgnoringCase(u"ab", u"abc"));
}

TEST(InventPassword, LengthAlphabetAndVariety) {
  EXPECT_EQ(InventPassword(0), u"");
  EXPECT_EQ(InventPassword(-3), u"");
  EXPECT_EQ(InventPassword(100000).size(), 255u);
  String p = InventPassword(200);
  ASSERT_EQ(p.size(), 200u);
  std::set<char16_t> distinct(p.begin(), p.end());
  for (char16_t c : p) EXPECT_TRUE(std::isalnum(static_cast<int>(c))) << static_cast<int>(c);
  // 200 draws from 62 characters cover far more than ten of them.
  EXPECT_GT(distinct.size(), 30u);
  EXPECT_NE(InventPassword(16), InventPassword(16));
}

// ---------------------------------------------------------------- streams

namespace {

std::vector<String> AllLines(vcl::TStream& s, int maxLen = 0) {
  std::vector<String> lines;
  bool eos = false;
  while (!eos) lines.push_back(ReadLnStream(&s, eos, maxLen));
  return lines;
}

}  // namespace

TEST(ReadLnStream, LineEndsAndTheEndFlag) {
  vcl::TStringStream s(std::string_view("one\r\ntwo\nthree\rfour"));
  EXPECT_EQ(AllLines(s), (std::vector<String>{u"one", u"two", u"three", u"four"}));
  vcl::TStringStream t(std::string_view("last line ends\n"));
  EXPECT_EQ(AllLines(t), (std::vector<String>{u"last line ends"}));
  vcl::TStringStream empty(std::string_view(""));
  EXPECT_EQ(AllLines(empty), (std::vector<String>{u""}));
  vcl::TStringStream blank(std::string_view("\n\nx"));
  EXPECT_EQ(AllLines(blank), (std::vector<String>{u"", u"", u"x"}));
}

TEST(ReadLnStream, LeavesThePositionBehindTheLine) {
  vcl::TStringStream s(std::string_view("ab\r\ncd"));
  bool eos = true;
  EXPECT_EQ(ReadLnStream(&s, eos, 0), u"ab");
  EXPECT_FALSE(eos);
  EXPECT_EQ(s.Position(), 4);
}

TEST(ReadLnStream, LongLinesAcrossChunksAndCut) {
  std::string big(10000, 'x');
  vcl::TStringStream s(big + "\r\n" + big + "\r" + "\n" + "tail");
  auto lines = AllLines(s);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 10000u);
  EXPECT_EQ(lines[1].size(), 10000u);
  EXPECT_EQ(lines[2], u"tail");
  s.SetPosition(0);
  EXPECT_EQ(AllLines(s, 5), (std::vector<String>{u"xxxxx", u"xxxxx", u"tail"}));
}

TEST(ReadLnStream, Utf8BomAndInvalidBytes) {
  vcl::TStringStream s(std::string_view("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\n\xFFz"));
  EXPECT_EQ(AllLines(s), (std::vector<String>{u"Grüße", u"\uFFFDz"}));
  // A short limit counts the text behind the mark, not the mark's bytes.
  s.SetPosition(0);
  EXPECT_EQ(AllLines(s, 1), (std::vector<String>{u"G", u"\uFFFD"}));
  s.SetPosition(0);
  EXPECT_EQ(AllLines(s, 4), (std::vector<String>{u"Grüß", u"\uFFFDz"}));
  bool eos = false;
  EXPECT_EQ(ReadLnStream(nullptr, eos, 0), u"");
  EXPECT_TRUE(eos);
}

TEST(ReadLnStream, RandomBytesAreReadToTheEnd) {
  // Whatever the bytes, reading lines ends, consumes the whole stream and
  // never yields a line longer than its bytes.
  std::mt19937 rng(3);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(rng() % 9000, '\0');
    for (char& b : bytes) {
      unsigned v = rng() % 20;
      b = v == 0 ? '\n' : v == 1 ? '\r' : static_cast<char>(rng());
    }
    vcl::TStringStream s(bytes);
    bool eos = false;
    std::size_t lines = 0, units = 0;
    while (!eos && lines <= bytes.size() + 1) {
      units += ReadLnStream(&s, eos, round % 3 == 0 ? 7 : 0).size();
      ++lines;
    }
    ASSERT_TRUE(eos);
    ASSERT_EQ(s.Position(), static_cast<std::int64_t>(bytes.size()));
    ASSERT_LE(units, bytes.size());
  }
}

// ---------------------------------------------------------------- folders

TEST(Folders, DirExistsAndParents) {
  namespace fs = std::filesystem;
  fs::path root = fs::path(VYR_TEST_TMP) / "companion_folders";
  fs::remove_all(root);
  fs::create_directories(root / "a" / "b");
  std::ofstream(root / "file.txt") << "x";
  const String r = vcl::FromUTF8(root.string());
  EXPECT_TRUE(DirExists(r));
  EXPECT_TRUE(DirExists(r + u"/a/b/"));
  EXPECT_FALSE(DirExists(r + u"/file.txt"));
  EXPECT_FALSE(DirExists(r + u"/missing"));
  EXPECT_FALSE(DirExists(u""));
  EXPECT_EQ(ParentDir(r + u"/a/b"), r + u"/a");
  EXPECT_EQ(ParentDir(r + u"/a/b/"), r + u"/a");
  EXPECT_TRUE(DirExists(ParentDir(r + u"/a/b")));
  EXPECT_EQ(ParentDir(u"/home"), u"/");
  EXPECT_EQ(ParentDir(u"/"), u"");
  EXPECT_EQ(ParentDir(u"name"), u"");
  EXPECT_EQ(ParentDir(u"rel//dir"), u"rel");
  // Walking up always ends with the empty text.
  String p = r + u"/a/b";
  int steps = 0;
  while (!p.empty() && steps < 100) p = ParentDir(p), ++steps;
  EXPECT_LT(steps, 100);
  EXPECT_EQ(EnsureTrailingBkSlash(u"/tmp"), u"/tmp/");
  EXPECT_EQ(EnsureTrailingBkSlash(u"/tmp/"), u"/tmp/");
  fs::remove_all(root);
}

// ---------------------------------------------------------------- names

TEST(NameTables, EveryLanguageHasEveryName) {
  for (int lang = 0; lang < LanguageCount; ++lang) {
    std::set<std::u16string_view> longs, shorts, days;
    for (int m = 1; m <= 12; ++m) {
      EXPECT_FALSE(MonthLong[lang][m].empty()) << lang << " " << m;
      EXPECT_LE(MonthShort[lang][m].size(), MonthLong[lang][m].size());
      longs.insert(MonthLong[lang][m]);
      shorts.insert(MonthShort[lang][m]);
    }
    for (int d = 0; d < 7; ++d) days.insert(WeekDayShort[lang][d]);
    EXPECT_EQ(longs.size(), 12u);
    EXPECT_EQ(shorts.size(), 12u);
    EXPECT_EQ(days.size(), 7u);
  }
}

TEST(NameTables, LanguagesAtTheirOrdinals) {
  EXPECT_EQ(MonthShort[lgEnglish][1], u"Jan");
  EXPECT_EQ(MonthLong[lgGerman][3], u"März");
  EXPECT_EQ(MonthLong[lgFrench][8], u"Août");
  EXPECT_EQ(MonthLong[lgSpanish][12], u"Diciembre");
  EXPECT_EQ(WeekDayShort[lgEnglish][0], u"Mo");  // Monday first
  EXPECT_EQ(WeekDayShort[lgGerman][6], u"So");
  EXPECT_EQ(MonthLong[lgNeutral][5], MonthLong[lgEnglish][5]);
  EXPECT_EQ(static_cast<int>(lgEnglish), 1);
  EXPECT_EQ(static_cast<int>(lgSpanish), 4);
}

TEST(Enumerations, OrdinalsOthersRelyOn) {
  EXPECT_EQ(static_cast<int>(fsBump), 5);
  EXPECT_EQ(static_cast<int>(dsBoth), 3);
  EXPECT_EQ(static_cast<int>(dirRight), 3);
  EXPECT_EQ(static_cast<int>(orHorizontal), 1);
  EXPECT_EQ(static_cast<int>(bfTile), 2);
  EXPECT_EQ(CSVDelimiterChar(csvSemicolon), u';');
  EXPECT_EQ(CSVDelimiterChar(csvTab), u'\t');
}
