// The float scanner and the text checkers of the number input formats.
#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "VYR_NumIO/VYR_NumIOFormats.h"
#include "companion/basepack/VYR_univconst.h"

using namespace vyr;
using namespace vyr::numio;
using vcl::String;

namespace {

// Scans Text from Start and checks the value and the final position; the
// conversion is correctly rounded, so values compare exactly.
void ExpectScan(const String& Text, bool Exp, TDecPSep Mode, double Value, int Pos,
                int Start = 1) {
  SCOPED_TRACE(vcl::ToUTF8(Text));
  int pos = Start;
  const double v = ScanFloatText(Text, Exp, Mode, pos);
  EXPECT_EQ(v, Value);
  EXPECT_FALSE(std::signbit(v) && v == 0.0) << "negative zero";
  EXPECT_EQ(pos, Pos);
}

int End(const String& Text) { return static_cast<int>(Text.size()) + 1; }

}  // namespace

// ---- ScanFloatText ---------------------------------------------------------

TEST(NumIOFormatsScan, SeparatorModesDecideWhereTheNumberEnds) {
  ExpectScan(u"  -12,5e3", true, dsBoth, -12500.0, 10);
  // In the point mode the comma is an ordinary character: the scan accepts
  // the integer part and rests on the comma.
  ExpectScan(u"  -12,5e3", true, dsPoint, -12.0, 6);
  ExpectScan(u"3,25", false, dsComma, 3.25, 5);
  ExpectScan(u"3.25", false, dsComma, 3.0, 2);
  // The system mode reads as the edit field resolves it.
  const bool systemComma = SystemDecimalSeparator() == u',';
  ExpectScan(u"3,25", false, dsSystem, systemComma ? 3.25 : 3.0, systemComma ? 5 : 2);
}

TEST(NumIOFormatsScan, TrailingAndLoneSeparator) {
  ExpectScan(u"1.", false, dsPoint, 1.0, 3);
  ExpectScan(u".", false, dsPoint, 0.0, 2);
  ExpectScan(u"-.", false, dsPoint, 0.0, 3);
  ExpectScan(u".5", false, dsPoint, 0.5, 3);
  ExpectScan(u"5.E2", true, dsPoint, 500.0, 5);
}

TEST(NumIOFormatsScan, ErrorsGiveZeroAndStopOnTheOffendingCharacter) {
  ExpectScan(u"E5", true, dsBoth, 0.0, 1);
  ExpectScan(u"+-1", true, dsBoth, 0.0, 2);
  ExpectScan(u"1.5.3", true, dsPoint, 0.0, 4);
  ExpectScan(u"- 1", true, dsPoint, 0.0, 2);
  ExpectScan(u"1E.5", true, dsPoint, 0.0, 3);
  ExpectScan(u"1E+-5", true, dsPoint, 0.0, 4);
  // The empty text fails at its end, which is position 1.
  ExpectScan(u"", true, dsBoth, 0.0, 1);
}

TEST(NumIOFormatsScan, AcceptsAtTheFirstCharacterThatEndsANumber) {
  ExpectScan(u"12A", true, dsPoint, 12.0, 3);
  ExpectScan(u"1-2", true, dsPoint, 1.0, 2);
  ExpectScan(u"7 ", true, dsPoint, 7.0, 2);
  ExpectScan(u"   7", true, dsPoint, 7.0, 5);
  // A point after the exponent digits ends the number.
  ExpectScan(u"1E5.3", true, dsPoint, 1e5, 4);
}

TEST(NumIOFormatsScan, ExponentAllowedOrNot) {
  ExpectScan(u"2e3", true, dsPoint, 2000.0, 4);
  ExpectScan(u"2e3", false, dsPoint, 2.0, 2);
  ExpectScan(u"1E-3", true, dsPoint, 0.001, 5);
  ExpectScan(u"2.5E+2", true, dsPoint, 250.0, 7);
  // An "E" without digits adds no exponent.
  ExpectScan(u"4E", true, dsPoint, 4.0, 3);
  ExpectScan(u"4E-", true, dsPoint, 4.0, 4);
  // Leading zeros of the exponent do not count toward its size.
  const String zeros = u"1E" + String(48, u'0') + u"3";
  ExpectScan(zeros, true, dsPoint, 1000.0, End(zeros));
}

TEST(NumIOFormatsScan, ExponentBeyond4200IsCutAndTheValueClamped) {
  ExpectScan(u"1E5000", true, dsPoint, uc_MaxDouble, 7);  // dropped digits are passed over
  ExpectScan(u"-1E5000", true, dsPoint, -uc_MaxDouble, 8);
  ExpectScan(u"1.8E308", true, dsPoint, uc_MaxDouble, 8);
  ExpectScan(u"1.7976931348623157E308", true, dsPoint, uc_MaxDouble, 23);
  ExpectScan(u"1E-5000", true, dsPoint, 0.0, 8);

  // 10^-4001 times 10^4200 is 1e199; one more exponent digit would make the
  // exponent 4201, so the scanner keeps only "420" and the value vanishes.
  const String tiny = u"0." + String(4000, u'0') + u"1E";
  ExpectScan(tiny + u"4200", true, dsPoint, 1e199, End(tiny + u"4200"));
  ExpectScan(tiny + u"4201", true, dsPoint, 0.0, End(tiny + u"4201"));
}

TEST(NumIOFormatsScan, StartPositionAnywhere) {
  ExpectScan(u"ab12.5", false, dsPoint, 12.5, 7, 3);
  for (int start : {0, -5, 6, 1000000, INT_MAX, INT_MIN}) {
    ExpectScan(u"12.5", false, dsPoint, 0.0, start, start);
  }
}

TEST(NumIOFormatsScan, OnlyAsciiCharactersTakePart) {
  String withNul = u"12";
  withNul.push_back(u'\0');
  withNul += u"5";
  ExpectScan(withNul, false, dsPoint, 12.0, 3);
  ExpectScan(u"1\u0661", false, dsPoint, 1.0, 2);
  ExpectScan(u"\uFF11", false, dsPoint, 0.0, 1);  // a fullwidth one is no digit
}

TEST(NumIOFormatsScan, SignsAndZero) {
  ExpectScan(u"+5", false, dsPoint, 5.0, 3);
  ExpectScan(u"-0", false, dsPoint, 0.0, 3);
  ExpectScan(u"-0.0E-7", true, dsPoint, 0.0, 8);
}

TEST(NumIOFormatsScan, ConversionIsCorrectlyRounded) {
  ExpectScan(u"0.1", false, dsPoint, 0.1, 4);
  ExpectScan(u"123456789012345678901234567890", false, dsPoint, 123456789012345678901234567890.0,
             31);
  ExpectScan(u"4.9E-324", true, dsPoint, 4.9e-324, 9);
  ExpectScan(u"2.2250738585072014E-308", true, dsPoint, 2.2250738585072014e-308, 24);

  // Every finite double written in its shortest form reads back exactly.
  std::mt19937_64 random(20240607);
  for (int i = 0; i < 3000; ++i) {
    std::uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d)) continue;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, d);
    const String text(buf, res.ptr);
    int pos = 1;
    const double v = ScanFloatText(text, true, dsPoint, pos);
    ASSERT_EQ(pos, End(text)) << std::string(buf, res.ptr);
    ASSERT_EQ(v, d) << std::string(buf, res.ptr);
  }
}

// ---- IsFloatText -----------------------------------------------------------

TEST(NumIOFormatsFloatCheck, AcceptsWhereTheMachineIsDone) {
  for (const char16_t* good : {u"1", u"-1.5", u"12A", u"1-2", u".", u"1.", u" 7", u"1E", u"1E+",
                               u"1e-3", u"1E4200", u"1E04200", u"1E-4200"}) {
    EXPECT_TRUE(IsFloatText(good, true, dsPoint)) << vcl::ToUTF8(good);
  }
  for (const char16_t* bad : {u"", u"-", u"+", u"  ", u"E5", u"+-1", u"1E+-", u"1.5.3", u"1E4201",
                              u"1E5000", u"1E-4201", u"1E004201", u"x1"}) {
    EXPECT_FALSE(IsFloatText(bad, true, dsPoint)) << vcl::ToUTF8(bad);
  }
}

TEST(NumIOFormatsFloatCheck, WithoutExponentTheEEndsTheNumber) {
  EXPECT_TRUE(IsFloatText(u"1E5", false, dsPoint));
  EXPECT_TRUE(IsFloatText(u"1E5000", false, dsPoint));
  EXPECT_FALSE(IsFloatText(u"E5", false, dsPoint));
}

TEST(NumIOFormatsFloatCheck, SeparatorModes) {
  EXPECT_TRUE(IsFloatText(u",5", true, dsComma));
  EXPECT_FALSE(IsFloatText(u",5", true, dsPoint));
  EXPECT_TRUE(IsFloatText(u",5", true, dsBoth));
  // A second separator is an error only where the comma is a separator.
  EXPECT_FALSE(IsFloatText(u"1,,5", true, dsComma));
  EXPECT_TRUE(IsFloatText(u"1,,5", true, dsPoint));
  EXPECT_FALSE(IsFloatText(u"1.,5", true, dsBoth));
  // The system mode follows the run-time library's separator.
  const bool systemPoint = SystemDecimalSeparator() == u'.';
  EXPECT_EQ(IsFloatText(u".5", true, dsSystem), systemPoint);
  EXPECT_EQ(IsFloatText(u",5", true, dsSystem), !systemPoint);
}

// ---- IsFixedText -----------------------------------------------------------

TEST(NumIOFormatsFixedCheck, PartialNumbersPassWholeTextIsExamined) {
  for (const char16_t* good : {u"-", u"+", u".", u"5.", u"+.5", u"-12.50", u"007"}) {
    EXPECT_TRUE(IsFixedText(good, dsPoint)) << vcl::ToUTF8(good);
  }
  for (const char16_t* bad : {u"", u"1.2.3", u"1e5", u"--1", u"1-", u"1 ", u" 1", u".5.", u"5a"}) {
    EXPECT_FALSE(IsFixedText(bad, dsPoint)) << vcl::ToUTF8(bad);
  }
}

TEST(NumIOFormatsFixedCheck, SeparatorModes) {
  EXPECT_FALSE(IsFixedText(u"1,5", dsPoint));
  EXPECT_TRUE(IsFixedText(u"1,5", dsComma));
  EXPECT_FALSE(IsFixedText(u"1.5", dsComma));
  EXPECT_TRUE(IsFixedText(u"1,5", dsBoth));
  EXPECT_FALSE(IsFixedText(u"1,5.", dsBoth));
}

// ---- Integer, hexadecimal, octal and binary checkers -----------------------

TEST(NumIOFormatsIntCheck, SignOnlyInFrontAndNeverAlone) {
  for (const char16_t* good : {u"7", u"+7", u"-7", u"007", u"99999999999"}) {
    EXPECT_TRUE(IsIntText(good)) << vcl::ToUTF8(good);
  }
  for (const char16_t* bad : {u"", u"+", u"-", u"1-", u"+-1", u" 1", u"12a", u"1.0"}) {
    EXPECT_FALSE(IsIntText(bad)) << vcl::ToUTF8(bad);
  }
}

TEST(NumIOFormatsBaseCheck, DigitsOfTheBaseOnly) {
  EXPECT_TRUE(IsHexText(u"DeadBeef0123456789"));
  EXPECT_FALSE(IsHexText(u""));
  EXPECT_FALSE(IsHexText(u"$FF"));
  EXPECT_FALSE(IsHexText(u"FG"));
  EXPECT_TRUE(IsOctText(u"01234567"));
  EXPECT_FALSE(IsOctText(u"8"));
  EXPECT_FALSE(IsOctText(u""));
  EXPECT_TRUE(IsBinText(u"0101"));
  EXPECT_FALSE(IsBinText(u"012"));
  EXPECT_FALSE(IsBinText(u""));
}
