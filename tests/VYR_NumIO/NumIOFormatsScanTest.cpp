// The float scanner and the text checkers of the number input formats.
#include <gtest/gtest.h>

#include <charconv>
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

struct Scan {
  double Value;
  int Pos;
};

Scan ScanFrom(const String& Text, bool Exp, TDecPSep Mode, int Start = 1) {
  int pos = Start;
  const double v = ScanFloatText(Text, Exp, Mode, pos);
  return {v, pos};
}

int End(const String& Text) { return static_cast<int>(Text.size()) + 1; }

}  // namespace

// ---- ScanFloatText ---------------------------------------------------------

TEST(NumIOFormatsScan, SeparatorModesDecideWhereTheNumberEnds) {
  const String text = u"  -12,5e3";
  const Scan both = ScanFrom(text, true, dsBoth);
  EXPECT_DOUBLE_EQ(both.Value, -12500.0);
  EXPECT_EQ(both.Pos, End(text));

  // In the point mode the comma is an ordinary character: the scan accepts
  // the integer part and rests on the comma.
  const Scan point = ScanFrom(text, true, dsPoint);
  EXPECT_DOUBLE_EQ(point.Value, -12.0);
  EXPECT_EQ(point.Pos, 6);

  const Scan comma = ScanFrom(u"3,25", false, dsComma);
  EXPECT_DOUBLE_EQ(comma.Value, 3.25);
  EXPECT_EQ(comma.Pos, 5);
  const Scan pointOnComma = ScanFrom(u"3.25", false, dsComma);
  EXPECT_DOUBLE_EQ(pointOnComma.Value, 3.0);
  EXPECT_EQ(pointOnComma.Pos, 2);
}

TEST(NumIOFormatsScan, TrailingAndLoneSeparator) {
  const Scan one = ScanFrom(u"1.", false, dsPoint);
  EXPECT_DOUBLE_EQ(one.Value, 1.0);
  EXPECT_EQ(one.Pos, 3);
  const Scan lone = ScanFrom(u".", false, dsPoint);
  EXPECT_EQ(lone.Value, 0.0);
  EXPECT_EQ(lone.Pos, 2);
  const Scan minusPoint = ScanFrom(u"-.", false, dsPoint);
  EXPECT_EQ(minusPoint.Value, 0.0);
  EXPECT_FALSE(std::signbit(minusPoint.Value));
  EXPECT_EQ(minusPoint.Pos, 3);
  EXPECT_DOUBLE_EQ(ScanFrom(u".5", false, dsPoint).Value, 0.5);
  EXPECT_DOUBLE_EQ(ScanFrom(u"5.E2", true, dsPoint).Value, 500.0);
}

TEST(NumIOFormatsScan, ErrorsGiveZeroAndStopOnTheOffendingCharacter) {
  const Scan e5 = ScanFrom(u"E5", true, dsBoth);
  EXPECT_EQ(e5.Value, 0.0);
  EXPECT_EQ(e5.Pos, 1);
  const Scan signs = ScanFrom(u"+-1", true, dsBoth);
  EXPECT_EQ(signs.Value, 0.0);
  EXPECT_EQ(signs.Pos, 2);
  const Scan twoPoints = ScanFrom(u"1.5.3", true, dsPoint);
  EXPECT_EQ(twoPoints.Value, 0.0);
  EXPECT_EQ(twoPoints.Pos, 4);
  const Scan blankAfterSign = ScanFrom(u"- 1", true, dsPoint);
  EXPECT_EQ(blankAfterSign.Value, 0.0);
  EXPECT_EQ(blankAfterSign.Pos, 2);
  const Scan pointAfterE = ScanFrom(u"1E.5", true, dsPoint);
  EXPECT_EQ(pointAfterE.Value, 0.0);
  EXPECT_EQ(pointAfterE.Pos, 3);
  // The empty text fails at its end, which is position 1.
  const Scan empty = ScanFrom(u"", true, dsBoth);
  EXPECT_EQ(empty.Value, 0.0);
  EXPECT_EQ(empty.Pos, 1);
}

TEST(NumIOFormatsScan, AcceptsAtTheFirstCharacterThatEndsANumber) {
  const Scan letter = ScanFrom(u"12A", true, dsPoint);
  EXPECT_DOUBLE_EQ(letter.Value, 12.0);
  EXPECT_EQ(letter.Pos, 3);
  const Scan minus = ScanFrom(u"1-2", true, dsPoint);
  EXPECT_DOUBLE_EQ(minus.Value, 1.0);
  EXPECT_EQ(minus.Pos, 2);
  const Scan blank = ScanFrom(u"7 ", true, dsPoint);
  EXPECT_DOUBLE_EQ(blank.Value, 7.0);
  EXPECT_EQ(blank.Pos, 2);
  const Scan leading = ScanFrom(u"   7", true, dsPoint);
  EXPECT_DOUBLE_EQ(leading.Value, 7.0);
  EXPECT_EQ(leading.Pos, 5);
  // A point after the exponent digits ends the number.
  const Scan expPoint = ScanFrom(u"1E5.3", true, dsPoint);
  EXPECT_DOUBLE_EQ(expPoint.Value, 1e5);
  EXPECT_EQ(expPoint.Pos, 4);
}

TEST(NumIOFormatsScan, ExponentAllowedOrNot) {
  const Scan with = ScanFrom(u"2e3", true, dsPoint);
  EXPECT_DOUBLE_EQ(with.Value, 2000.0);
  EXPECT_EQ(with.Pos, 4);
  const Scan without = ScanFrom(u"2e3", false, dsPoint);
  EXPECT_DOUBLE_EQ(without.Value, 2.0);
  EXPECT_EQ(without.Pos, 2);
  EXPECT_DOUBLE_EQ(ScanFrom(u"1E-3", true, dsPoint).Value, 0.001);
  EXPECT_DOUBLE_EQ(ScanFrom(u"2.5E+2", true, dsPoint).Value, 250.0);
  // An "E" without digits adds no exponent.
  const Scan bareE = ScanFrom(u"4E", true, dsPoint);
  EXPECT_DOUBLE_EQ(bareE.Value, 4.0);
  EXPECT_EQ(bareE.Pos, 3);
  EXPECT_DOUBLE_EQ(ScanFrom(u"4E-", true, dsPoint).Value, 4.0);
  // Leading zeros of the exponent do not count toward its size.
  const String zeros = u"1E" + String(48, u'0') + u"3";
  const Scan padded = ScanFrom(zeros, true, dsPoint);
  EXPECT_DOUBLE_EQ(padded.Value, 1000.0);
  EXPECT_EQ(padded.Pos, End(zeros));
}

TEST(NumIOFormatsScan, ExponentBeyond4200IsCutAndTheValueClamped) {
  const Scan big = ScanFrom(u"1E5000", true, dsPoint);
  EXPECT_EQ(big.Value, uc_MaxDouble);
  EXPECT_EQ(big.Pos, 7);  // the dropped digits are still passed over
  EXPECT_EQ(ScanFrom(u"-1E5000", true, dsPoint).Value, -uc_MaxDouble);
  EXPECT_EQ(ScanFrom(u"1.8E308", true, dsPoint).Value, uc_MaxDouble);
  EXPECT_EQ(ScanFrom(u"1.7976931348623157E308", true, dsPoint).Value, uc_MaxDouble);
  EXPECT_EQ(ScanFrom(u"1E-5000", true, dsPoint).Value, 0.0);

  // 10^-4001 times 10^4200 is 1e199; one more exponent digit would make the
  // exponent 4201, so the scanner keeps only "420" and the value vanishes.
  const String tiny = u"0." + String(4000, u'0') + u"1E";
  const Scan at = ScanFrom(tiny + u"4200", true, dsPoint);
  EXPECT_DOUBLE_EQ(at.Value, 1e199);
  const Scan beyond = ScanFrom(tiny + u"4201", true, dsPoint);
  EXPECT_EQ(beyond.Value, 0.0);
  EXPECT_EQ(beyond.Pos, End(tiny + u"4201"));
}

TEST(NumIOFormatsScan, StartPositionAnywhere) {
  const Scan mid = ScanFrom(u"ab12.5", false, dsPoint, 3);
  EXPECT_DOUBLE_EQ(mid.Value, 12.5);
  EXPECT_EQ(mid.Pos, 7);
  for (int start : {0, -5, 8, 1000000}) {
    const Scan s = ScanFrom(u"12.5", false, dsPoint, start);
    EXPECT_EQ(s.Value, 0.0) << start;
    EXPECT_EQ(s.Pos, start) << start;
  }
}

TEST(NumIOFormatsScan, OnlyAsciiCharactersTakePart) {
  String withNul = u"12";
  withNul.push_back(u'\0');
  withNul += u"5";
  const Scan nul = ScanFrom(withNul, false, dsPoint);
  EXPECT_DOUBLE_EQ(nul.Value, 12.0);
  EXPECT_EQ(nul.Pos, 3);
  const Scan arabicDigit = ScanFrom(u"1\u0661", false, dsPoint);
  EXPECT_DOUBLE_EQ(arabicDigit.Value, 1.0);
  EXPECT_EQ(arabicDigit.Pos, 2);
  EXPECT_EQ(ScanFrom(u"\uFF11", false, dsPoint).Pos, 1);  // a fullwidth one is no digit
}

TEST(NumIOFormatsScan, SignsAndZero) {
  EXPECT_DOUBLE_EQ(ScanFrom(u"+5", false, dsPoint).Value, 5.0);
  const double negZero = ScanFrom(u"-0", false, dsPoint).Value;
  EXPECT_EQ(negZero, 0.0);
  EXPECT_FALSE(std::signbit(negZero));
}

TEST(NumIOFormatsScan, ConversionIsCorrectlyRounded) {
  EXPECT_EQ(ScanFrom(u"0.1", false, dsPoint).Value, 0.1);
  EXPECT_EQ(ScanFrom(u"123456789012345678901234567890", false, dsPoint).Value,
            123456789012345678901234567890.0);
  EXPECT_EQ(ScanFrom(u"4.9E-324", true, dsPoint).Value, 4.9e-324);
  EXPECT_EQ(ScanFrom(u"2.2250738585072014E-308", true, dsPoint).Value, 2.2250738585072014e-308);

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
    const Scan s = ScanFrom(text, true, dsPoint);
    ASSERT_EQ(s.Pos, End(text)) << std::string(buf, res.ptr);
    if (d == 0.0) {
      EXPECT_EQ(s.Value, 0.0);
    } else {
      ASSERT_EQ(s.Value, d) << std::string(buf, res.ptr);
    }
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
