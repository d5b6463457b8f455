#include <algorithm>
#include <vector>

#include "RuntimeTestSupport.h"

using namespace vcl;

TEST(TextCase, AsciiFormsLeaveOtherLettersAlone) {
  EXPECT_EQ(UpperCase(u"abc xyz äé"), u"ABC XYZ äé");
  EXPECT_EQ(LowerCase(u"ABC XYZ ÄÉ"), u"abc xyz ÄÉ");
  EXPECT_EQ(UpCase(u'q'), u'Q');
  EXPECT_EQ(UpCase(u'ä'), u'ä');
}

TEST(TextCase, AnsiFormsMapEuropeanAlphabets) {
  EXPECT_EQ(AnsiUpperCase(u"straße äöü éñ ÿ"), u"STRAßE ÄÖÜ ÉÑ Ÿ");
  EXPECT_EQ(AnsiLowerCase(u"ÄÖÜ ÉÑ Ÿ ÞØ"), u"äöü éñ ÿ þø");
  EXPECT_EQ(AnsiUpperCase(u"łódź żółw"), u"ŁÓDŹ ŻÓŁW");
  EXPECT_EQ(AnsiUpperCase(u"αβγ άέ σς"), u"ΑΒΓ ΆΈ ΣΣ");
  EXPECT_EQ(AnsiLowerCase(u"ΑΒΓ ΏΣ"), u"αβγ ώσ");
  EXPECT_EQ(AnsiUpperCase(u"привет ёж"), u"ПРИВЕТ ЁЖ");
  EXPECT_EQ(AnsiLowerCase(u"ПРИВЕТ ЁЖ Ђ"), u"привет ёж ђ");
  EXPECT_EQ(AnsiUpperCase(u"× ÷ 1 ₂ 中"), u"× ÷ 1 ₂ 中");  // not letters: unchanged
}

TEST(TextCase, LowerThenUpperIsStableOverTheMappedBlocks) {
  for (char32_t c = 0x20; c < 0x530; ++c) {
    if (c == 0x130) continue;  // capital I with dot lowers to the plain i
    String s(1, static_cast<Char>(c));
    String up = AnsiUpperCase(s);
    ASSERT_EQ(AnsiUpperCase(AnsiLowerCase(up)), up) << static_cast<unsigned>(c);
  }
}

TEST(TextTrim, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(u"  a b \t\r\n"), u"a b");
  EXPECT_EQ(TrimLeft(u" \x01 x "), u"x ");
  EXPECT_EQ(TrimRight(u" x \x1F"), u" x");
  EXPECT_EQ(Trim(u"   "), u"");
  EXPECT_EQ(Trim(u""), u"");
}

TEST(TextCompare, OrdinalAndAsciiCaseInsensitive) {
  EXPECT_LT(CompareStr(u"a", u"b"), 0);
  EXPECT_GT(CompareStr(u"a", u"B"), 0);  // 'a' > 'B' by code
  EXPECT_LT(CompareStr(u"ab", u"abc"), 0);
  EXPECT_EQ(CompareStr(u"x", u"x"), 0);
  EXPECT_LT(CompareText(u"abc", u"ABD"), 0);
  EXPECT_EQ(CompareText(u"Hello", u"hELLO"), 0);
  EXPECT_TRUE(SameText(u"Hello", u"hELLO"));
  EXPECT_FALSE(SameText(u"é", u"É"));
  EXPECT_TRUE(AnsiSameText(u"é", u"É"));
  EXPECT_FALSE(SameText(u"ab", u"abc"));
}

TEST(TextCompare, DictionaryOrder) {
  std::vector<String> words{u"banana", u"Apple", u"cherry", u"apple", u"Éclair", u"eclair",
                            u"_x",     u"10",    u"9",      u"zebra", u"Zebra",  u"ábc"};
  std::sort(words.begin(), words.end(),
            [](const String& a, const String& b) { return AnsiCompareStr(a, b) < 0; });
  std::vector<String> expected{u"_x",     u"10",     u"9",      u"ábc",    u"apple", u"Apple",
                               u"banana", u"cherry", u"eclair", u"Éclair", u"zebra", u"Zebra"};
  EXPECT_EQ(words, expected);
  EXPECT_EQ(AnsiCompareText(u"apple", u"APPLE"), 0);
  EXPECT_NE(AnsiCompareText(u"é", u"e"), 0);
  EXPECT_LT(AnsiCompareText(u"äpfel", u"Birne"), 0);  // ä sorts with a, not after z
  EXPECT_LT(AnsiCompareText(u"abc", u"abcd"), 0);
  EXPECT_LT(AnsiCompareText(u"Ёж", u"Жук"), 0);  // Ё sorts with Е
}

TEST(TextReplace, FlagsAndEdgeCases) {
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"-", {rfReplaceAll}), u"aXb-c");
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"-", {rfReplaceAll, rfIgnoreCase}), u"a-b-c");
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"-", {rfIgnoreCase}), u"a-bxc");
  EXPECT_EQ(StringReplace(u"aa", u"a", u"aa", {rfReplaceAll}), u"aaaa");  // no re-scan
  EXPECT_EQ(StringReplace(u"abc", u"", u"-", {rfReplaceAll}), u"abc");
  EXPECT_EQ(StringReplace(u"Straße ÄPFEL", u"äpfel", u"Birnen", {rfIgnoreCase}), u"Straße Birnen");
  EXPECT_EQ(StringReplace(u"abc", u"abc", u"", {}), u"");
}

TEST(TextSearch, PositionsAreOneBased) {
  EXPECT_EQ(Pos(u"lo", u"hello"), 4);
  EXPECT_EQ(Pos(u"h", u"hello"), 1);
  EXPECT_EQ(Pos(u"", u"x"), 0);
  EXPECT_EQ(Pos(u"z", u"x"), 0);
  EXPECT_EQ(PosEx(u"l", u"hello", 4), 4);
  EXPECT_EQ(PosEx(u"l", u"hello", 5), 0);
  EXPECT_EQ(PosEx(u"l", u"hello", 0), 0);
  EXPECT_EQ(PosEx(u"l", u"hello", 99), 0);
  EXPECT_EQ(LastDelimiter(u"/.", u"a/b.c/d"), 6);
  EXPECT_EQ(LastDelimiter(u"/", u"abc"), 0);
  EXPECT_TRUE(IsDelimiter(u"/", u"a/b", 2));
  EXPECT_FALSE(IsDelimiter(u"/", u"a/b", 3));
  EXPECT_FALSE(IsDelimiter(u"/", u"a/b", 0));
  EXPECT_FALSE(IsDelimiter(u"/", u"a/b", 4));
}

TEST(TextEdit, CopyDeleteInsertClampIndices) {
  EXPECT_EQ(Copy(u"hello", 2, 3), u"ell");
  EXPECT_EQ(Copy(u"hello", 0, 2), u"he");
  EXPECT_EQ(Copy(u"hello", 4, 100), u"lo");
  EXPECT_EQ(Copy(u"hello", 6, 1), u"");
  EXPECT_EQ(Copy(u"hello", 2, -1), u"");
  String s = u"hello";
  Delete(s, 2, 2);
  EXPECT_EQ(s, u"hlo");
  Delete(s, 0, 1);
  Delete(s, 4, 1);
  EXPECT_EQ(s, u"hlo");
  Delete(s, 2, 100);
  EXPECT_EQ(s, u"h");
  s = u"hello";
  Insert(u"XY", s, 3);
  EXPECT_EQ(s, u"heXYllo");
  Insert(u"<", s, 0);
  Insert(u">", s, 100);
  EXPECT_EQ(s, u"<heXYllo>");
  EXPECT_EQ(StringOfChar(u'-', 3), u"---");
  EXPECT_EQ(StringOfChar(u'-', -2), u"");
}

TEST(TextQuotes, QuoteAndDequoteRoundTrip) {
  EXPECT_EQ(QuotedStr(u"it's"), u"'it''s'");
  EXPECT_EQ(AnsiQuotedStr(u"a\"b", u'"'), u"\"a\"\"b\"");
  EXPECT_EQ(AnsiDequotedStr(u"'it''s'", u'\''), u"it's");
  EXPECT_EQ(AnsiDequotedStr(u"'open", u'\''), u"'open");  // unterminated: unchanged
  EXPECT_EQ(AnsiDequotedStr(u"plain", u'\''), u"plain");
  EXPECT_EQ(AnsiDequotedStr(u"'a'tail", u'\''), u"a");
  EXPECT_EQ(AnsiDequotedStr(u"''", u'\''), u"");
  for (const char16_t* t : {u"", u"'", u"''", u"a'b'c", u"x"}) {
    EXPECT_EQ(AnsiDequotedStr(QuotedStr(t), u'\''), t);
  }
  std::size_t pos = 2;
  EXPECT_EQ(AnsiExtractQuotedStr(u"x \"a\"\"b\" y", pos, u'"'), u"a\"b");
  EXPECT_EQ(pos, 8u);
}

TEST(Conversions, IntegersToText) {
  EXPECT_EQ(IntToStr(-5), u"-5");
  EXPECT_EQ(IntToStr(std::int64_t{9223372036854775807}), u"9223372036854775807");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::uint64_t>::max()), u"18446744073709551615");
  EXPECT_EQ(IntToHex(255, 4), u"00FF");
  EXPECT_EQ(IntToHex(-1, 2), u"FFFFFFFF");
  EXPECT_EQ(IntToHex(std::int64_t{-1}, 2), u"FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(std::uint8_t{200}), u"C8");
  EXPECT_EQ(IntToHex(0, 0), u"0");
  EXPECT_EQ(BoolToStr(true), u"-1");
  EXPECT_EQ(BoolToStr(false), u"0");
  EXPECT_EQ(BoolToStr(true, true), u"True");
}

TEST(Conversions, TextToIntegers) {
  EXPECT_EQ(StrToInt(u"42"), 42);
  EXPECT_EQ(StrToInt(u" -17"), -17);
  EXPECT_EQ(StrToInt(u"+8"), 8);
  EXPECT_EQ(StrToInt(u"$1F"), 31);
  EXPECT_EQ(StrToInt(u"0x1f"), 31);
  EXPECT_EQ(StrToInt(u"-$10"), -16);
  EXPECT_EQ(StrToInt(u"$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt(u"2147483647"), 2147483647);
  EXPECT_EQ(StrToInt(u"-2147483648"), -2147483647 - 1);
  for (const char16_t* bad :
       {u"2147483648", u"12 ", u"", u"1.5", u"+", u"abc", u"$", u"$1FFFFFFFF", u"--1", u"0x"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << ToUTF8(bad);
  }
  try {
    StrToInt(u"abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'abc' is not a valid integer value");
  }
  EXPECT_EQ(StrToIntDef(u"x", 7), 7);
  int v = 0;
  EXPECT_TRUE(TryStrToInt(u"12", v));
  EXPECT_EQ(v, 12);
  EXPECT_EQ(StrToInt64(u"9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64(u"-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(StrToInt64(u"$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_THROW(StrToInt64(u"9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToInt64Def(u"", -3), -3);
}

TEST(Conversions, TextToFloats) {
  EXPECT_DOUBLE_EQ(StrToFloat(u"1.5"), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat(u" -2.5e3 "), -2500.0);
  EXPECT_DOUBLE_EQ(StrToFloat(u".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat(u"5."), 5.0);
  EXPECT_DOUBLE_EQ(StrToFloat(u"+1E+2"), 100.0);
  EXPECT_EQ(StrToFloat(u"0.1"), 0.1);  // correctly rounded
  EXPECT_EQ(StrToFloat(u"1e-400"), 0.0);
  EXPECT_EQ(StrToFloat(u"0e999999"), 0.0);
  EXPECT_DOUBLE_EQ(StrToFloat(u"1.7976931348623157e308"), 1.7976931348623157e308);
  for (const char16_t* bad : {u"1e", u"", u"1.2.3", u"--1", u"1e400", u"abc", u"1,5", u"e5", u".",
                              u"1 2", u"inf", u"nan", u"1e+", u"0x10", u"   "}) {
    EXPECT_THROW(StrToFloat(bad), EConvertError) << ToUTF8(bad);
  }
  try {
    StrToFloat(u"1e");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'1e' is not a valid floating point value");
  }
  EXPECT_DOUBLE_EQ(StrToFloatDef(u"x", 2.5), 2.5);
}

TEST(Conversions, FloatSeparatorComesFromSettings) {
  TFormatSettings comma = TFormatSettings::Create();
  comma.DecimalSeparator = u',';
  EXPECT_DOUBLE_EQ(StrToFloat(u"1,5", comma), 1.5);
  double v = 9;
  EXPECT_FALSE(TryStrToFloat(u"1.5", v, comma));
  EXPECT_DOUBLE_EQ(v, 9.0);  // a failed read leaves the value
  // Text written by FloatToStr reads back exactly for 15-digit values.
  for (double x : {0.1, -123.456, 1.5e-7, 6.02214076e23, 1.0 / 3}) {
    EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(x, comma), comma), StrToFloat(FloatToStr(x)));
  }
}

TEST(Conversions, Booleans) {
  EXPECT_TRUE(StrToBool(u"true"));
  EXPECT_FALSE(StrToBool(u"FALSE"));
  EXPECT_FALSE(StrToBool(u"0"));
  EXPECT_TRUE(StrToBool(u"-1"));
  EXPECT_TRUE(StrToBool(u"2"));
  EXPECT_THROW(StrToBool(u"yes"), EConvertError);
}
