// Column format strings and the default values they generate.
#include <gtest/gtest.h>

#include "RLDataTestUtil.h"

using namespace vyr;
using namespace rltest;

namespace {

String DefaultOf(const String& Format, int Row) {
  TRLData d(nullptr);
  d.SetNrRows(1);
  d.SetColumnFormat(1, Format);
  return d.GetCellDefaultValue(1, Row);
}

}  // namespace

TEST(RLDataDefaults, RowIndexForms) {
  EXPECT_EQ(DefaultOf(u"[i][80]rix4", 7), u"0007");
  EXPECT_EQ(DefaultOf(u"[h][60]rix2", 31), u"1F");
  EXPECT_EQ(DefaultOf(u"[h][60]RIX2", 255), u"FF");
  // Higher digits are dropped, zero digits count as one.
  EXPECT_EQ(DefaultOf(u"[i][80]rix2", 1234), u"34");
  EXPECT_EQ(DefaultOf(u"[i][80]rix0", 7), u"7");
  EXPECT_EQ(DefaultOf(u"[i][80]rix3", -5), u"-005");
  EXPECT_EQ(DefaultOf(u"[h][80]rix12", 0x1234ABCD), u"1234ABCD");
  EXPECT_EQ(DefaultOf(u"[h][80]rix0", 0x2F), u"F");
  EXPECT_EQ(DefaultOf(u"[f][80]rix2", 7), u"7.00");
  EXPECT_EQ(DefaultOf(u"[e][80]rix0", 12), u"12");
  // An absurd digit count stays within a cell.
  EXPECT_EQ(DefaultOf(u"[i][80]rix99999999999", 3).size(), 254u);
}

TEST(RLDataDefaults, PlainTailsAndLists) {
  EXPECT_EQ(DefaultOf(u"[i][80]42", 7), u"42");
  EXPECT_EQ(DefaultOf(u"[c:8][120]red|green|blue", 1), u"red");
  EXPECT_EQ(DefaultOf(u"[l][120]only", 1), u"only");
  EXPECT_EQ(DefaultOf(u"[d dd.MM.yyyy][100]01.02.2020", 1), u"01.02.2020");
  EXPECT_EQ(DefaultOf(u"[s][100]hello", 1), u"hello");
  EXPECT_EQ(DefaultOf(u"[s]hello", 1), u"hello");  // no width part
  EXPECT_EQ(DefaultOf(u"[x][100]hello", 1), u"");  // unknown type
  EXPECT_EQ(DefaultOf(u"", 1), u"");
  EXPECT_EQ(DefaultOf(u"[s]", 1), u"");
  EXPECT_EQ(DefaultOf(u"[i][80]", 1), u"");
  // Without brackets the whole format is a text default.
  EXPECT_EQ(DefaultOf(u"plain text", 1), u"plain text");
}

TEST(RLDataDefaults, ReadOnlyFieldsStillHaveDefaults) {
  EXPECT_EQ(DefaultOf(u"[#i][80]rix3", 9), u"009");
  EXPECT_EQ(DefaultOf(u"[#s][80]fixed", 9), u"fixed");
}

TEST(RLDataDefaults, PasswordsAreNewEachTime) {
  const String a = DefaultOf(u"[s][100]$pwd$8", 1);
  const String b = DefaultOf(u"[s][100]$PWD$8", 1);
  EXPECT_EQ(a.size(), 8u);
  EXPECT_EQ(b.size(), 8u);
  for (char16_t c : a) EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'));
  // Two 8-character passwords agree by chance with probability 62^-8.
  EXPECT_NE(a, b);
  EXPECT_EQ(DefaultOf(u"[s][100]$pwd$", 1), u"");
}

TEST(RLDataDefaults, RowDigitCountIsReadFromTheFourthCharacterOfTheTail) {
  // Text behind the count does not disturb it; blanks before it are skipped.
  EXPECT_EQ(DefaultOf(u"[i][80]rix3 digits", 7), u"007");
  EXPECT_EQ(DefaultOf(u"[f][80]RIX 2", 7), u"7.00");
  EXPECT_EQ(DefaultOf(u"[h][80]Rix+4", 10), u"000A");
  // "rix" further in still makes a generated value, but the count is read
  // at the fourth character: here "x3" gives no digits, so one digit.
  EXPECT_EQ(DefaultOf(u"[i][80]xrix3", 7), u"7");
  EXPECT_EQ(DefaultOf(u"[e][80]Nr rix", 12), u"12");
  // A negative count is no count: one digit.
  EXPECT_EQ(DefaultOf(u"[i][80]rix-3", 42), u"2");
}

TEST(RLDataDefaults, PasswordLengthIsReadFromTheSixthCharacterOfTheTail) {
  EXPECT_EQ(DefaultOf(u"[s][100]$Pwd$12 characters", 1).size(), 12u);
  // The marker further in: the sixth character is no number, so the
  // password is empty.
  EXPECT_EQ(DefaultOf(u"[s][100]a $pwd$8", 1), u"");
  EXPECT_EQ(DefaultOf(u"[#s][100]$pwd$  5", 1).size(), 5u);
}

TEST(RLDataDefaults, ListsAndDatesTakeTheirTail) {
  EXPECT_EQ(DefaultOf(u"[l:5][100]first|second", 1), u"first");
  EXPECT_EQ(DefaultOf(u"[c][100]|empty first", 1), u"");
  EXPECT_EQ(DefaultOf(u"[c][100]", 1), u"");
  EXPECT_EQ(DefaultOf(u"[d dd.MM.yyyy hh:nn][120]24.12.2024 18:00", 3), u"24.12.2024 18:00");
  // A tail holding a further "]" keeps everything behind the width part.
  EXPECT_EQ(DefaultOf(u"[s][100]a]b", 1), u"a]b");
}

TEST(RLDataDefaults, OutOfRangeColumnGivesNothing) {
  TRLData d(nullptr);
  EXPECT_EQ(d.GetCellDefaultValue(5, 1), u"");
  EXPECT_EQ(d.GetCellDefaultValue(0, 1), u"");
}

TEST(RLDataFormats, SplitTakesEveryPartApart) {
  TColFormatParts p = SplitColumnFormat(u"[c:8][120]red|green");
  EXPECT_FALSE(p.ReadOnly);
  EXPECT_EQ(p.TypeLetter, u'c');
  EXPECT_EQ(p.Options, u":8");
  EXPECT_EQ(p.Width, 120);
  EXPECT_EQ(p.Tail, u"red|green");

  p = SplitColumnFormat(u"[#d dd.MM.yyyy][0]");
  EXPECT_TRUE(p.ReadOnly);
  EXPECT_EQ(p.TypeLetter, u'd');
  EXPECT_EQ(p.Options, u" dd.MM.yyyy");
  EXPECT_EQ(p.Width, 200);
  EXPECT_EQ(p.Tail, u"");

  p = SplitColumnFormat(u"no brackets");
  EXPECT_EQ(p.TypeLetter, u's');
  EXPECT_EQ(p.Width, 200);
  EXPECT_EQ(p.Tail, u"no brackets");

  p = SplitColumnFormat(u"[i][-4]5");
  EXPECT_EQ(p.Width, 200);
  EXPECT_EQ(p.Tail, u"5");
}

TEST(RLDataFormats, ReadingANumberFromAPosition) {
  EXPECT_EQ(ReadIntFromText(u"rix  -12ab", 4), -12);
  EXPECT_EQ(ReadIntFromText(u"rix+7", 4), 7);
  EXPECT_EQ(ReadIntFromText(u"rix", 4), 0);
  EXPECT_EQ(ReadIntFromText(u"", 1), 0);
  EXPECT_EQ(ReadIntFromText(u"x9", 1), 0);
  EXPECT_EQ(ReadIntFromText(u"99999999999999", 1), 2147483647);
  EXPECT_EQ(ReadIntFromText(u"-99999999999999", 1), -2147483647 - 1);
  EXPECT_EQ(ReadIntFromText(u"12", -3), 12);
}
