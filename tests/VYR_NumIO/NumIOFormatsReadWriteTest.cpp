// The integer readers, the real writer and the digit writers.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

#include "VYR_NumIO/VYR_NumIOFormats.h"

using namespace vyr;
using namespace vyr::numio;
using vcl::String;

namespace {

struct Read {
  std::int32_t Value;
  int Pos;
};

template <class Reader>
Read ReadWith(Reader reader, const String& Text, int Start = 1) {
  int pos = Start;
  const std::int32_t v = reader(Text, pos);
  return {v, pos};
}

Read Int(const String& Text, int Start = 1) { return ReadWith(ReadIntText, Text, Start); }
Read Hex(const String& Text) { return ReadWith(ReadHexText, Text); }
Read Oct(const String& Text) { return ReadWith(ReadOctText, Text); }
Read Bin(const String& Text) { return ReadWith(ReadBinText, Text); }

int End(const String& Text) { return static_cast<int>(Text.size()) + 1; }

}  // namespace

// ---- ReadIntText -----------------------------------------------------------

TEST(NumIOFormatsIntReader, BlanksSignAndDigits) {
  const Read r = Int(u"  -42x");
  EXPECT_EQ(r.Value, -42);
  EXPECT_EQ(r.Pos, 6);
  EXPECT_EQ(Int(u"+7").Value, 7);
  EXPECT_EQ(Int(u"+7").Pos, 3);
  // A lone sign reads as 0 and is used up.
  EXPECT_EQ(Int(u"-").Value, 0);
  EXPECT_EQ(Int(u"-").Pos, 2);
  EXPECT_EQ(Int(u"x5").Pos, 1);
}

TEST(NumIOFormatsIntReader, EmptyTextAndTrailingBlank) {
  const Read empty = Int(u"", 1);
  EXPECT_EQ(empty.Value, 0);
  EXPECT_EQ(empty.Pos, 1);
  // A blank in the last character is not skipped, so blanks never read whole.
  EXPECT_EQ(Int(u" ").Pos, 1);
  EXPECT_EQ(Int(u"   ").Pos, 3);
}

TEST(NumIOFormatsIntReader, Limits32BitRangeReadsWhole) {
  const Read max = Int(u"2147483647");
  EXPECT_EQ(max.Value, INT32_MAX);
  EXPECT_EQ(max.Pos, 11);
  const Read min = Int(u"-2147483648");
  EXPECT_EQ(min.Value, INT32_MIN);
  EXPECT_EQ(min.Pos, 12);
  const String zeros = u"0000000000002147483647";
  EXPECT_EQ(Int(zeros).Value, INT32_MAX);
  EXPECT_EQ(Int(zeros).Pos, End(zeros));
}

TEST(NumIOFormatsIntReader, BeyondTheRangeStopsBeforeTheDigitThatOverflows) {
  const Read above = Int(u"2147483648");
  EXPECT_EQ(above.Value, 214748364);
  EXPECT_EQ(above.Pos, 10);
  const Read below = Int(u"-2147483649");
  EXPECT_EQ(below.Value, -214748364);
  EXPECT_EQ(below.Pos, 11);
  const Read huge = Int(u"99999999999");
  EXPECT_EQ(huge.Value, 999999999);
  EXPECT_EQ(huge.Pos, 10);
}

TEST(NumIOFormatsIntReader, StartPositionOutsideTheText) {
  for (int start : {0, -3, 5, INT_MAX}) {
    const Read r = Int(u"123", start);
    EXPECT_EQ(r.Value, 0) << start;
    EXPECT_EQ(r.Pos, start) << start;
  }
  EXPECT_EQ(Int(u"ab-12", 3).Value, -12);
}

// ---- Hexadecimal, octal and binary readers ---------------------------------

TEST(NumIOFormatsBaseReader, HexadecimalPrefixCaseAndLargestValues) {
  const Read prefixed = Hex(u"$1f");
  EXPECT_EQ(prefixed.Value, 31);
  EXPECT_EQ(prefixed.Pos, 4);
  EXPECT_EQ(Hex(u"$FFFFFFFF").Value, -1);
  EXPECT_EQ(Hex(u"FFFFFFFF").Value, -1);
  EXPECT_EQ(Hex(u"7FFFFFFF").Value, INT32_MAX);
  EXPECT_EQ(Hex(u"80000000").Value, INT32_MIN);
  // Further digits shift the high ones out.
  const Read nine = Hex(u"123456789");
  EXPECT_EQ(nine.Value, 0x23456789);
  EXPECT_EQ(nine.Pos, 10);
  const Read stop = Hex(u"ffg");
  EXPECT_EQ(stop.Value, 255);
  EXPECT_EQ(stop.Pos, 3);
  // The prefix is passed over only at position 1.
  const Read late = Hex(u" $1");
  EXPECT_EQ(late.Value, 0);
  EXPECT_EQ(late.Pos, 2);
  EXPECT_EQ(Hex(u"  a").Value, 10);
}

TEST(NumIOFormatsBaseReader, OctalLargestValues) {
  EXPECT_EQ(Oct(u"37777777777").Value, -1);
  EXPECT_EQ(Oct(u"17777777777").Value, INT32_MAX);
  EXPECT_EQ(Oct(u"20000000000").Value, INT32_MIN);
  const Read stop = Oct(u"78");
  EXPECT_EQ(stop.Value, 7);
  EXPECT_EQ(stop.Pos, 2);
  EXPECT_EQ(Oct(u"$7").Pos, 1);  // no prefix in octal
}

TEST(NumIOFormatsBaseReader, BinaryLargestValues) {
  const Read r = Bin(u"102");
  EXPECT_EQ(r.Value, 2);
  EXPECT_EQ(r.Pos, 3);
  EXPECT_EQ(Bin(String(32, u'1')).Value, -1);
  EXPECT_EQ(Bin(u"1" + String(31, u'0')).Value, INT32_MIN);
  const Read longer = Bin(String(33, u'1'));
  EXPECT_EQ(longer.Value, -1);
  EXPECT_EQ(longer.Pos, 34);
}

TEST(NumIOFormatsBaseReader, EmptyTextReadsZero) {
  EXPECT_EQ(Hex(u"").Value, 0);
  EXPECT_EQ(Hex(u"").Pos, 1);
  EXPECT_EQ(Oct(u"").Value, 0);
  EXPECT_EQ(Bin(u"").Value, 0);
}

// ---- FormatRealText --------------------------------------------------------

TEST(NumIOFormatsRealWriter, ScientificFieldWithTwoDigitExponent) {
  EXPECT_EQ(FormatRealText(12, -2, 123456.7), u" 1.23457E+05");
  EXPECT_EQ(FormatRealText(12, -2, -123456.7), u"-1.23457E+05");
  EXPECT_EQ(FormatRealText(12, -2, 0.0), u" 0.00000E+00");
  EXPECT_EQ(FormatRealText(12, -2, 1e-99), u" 1.00000E-99");
  EXPECT_EQ(FormatRealText(12, -2, 9.999994e99), u" 9.99999E+99");
  // Width w carries w - 6 significant digits.
  EXPECT_EQ(FormatRealText(8, -2, 123456.7), u" 1.2E+05");
  EXPECT_EQ(FormatRealText(21, -2, 1.0 / 3.0), u" 3.33333333333333E-01");
  EXPECT_EQ(FormatRealText(7, -2, 24000.0), u" 2.E+04");
}

TEST(NumIOFormatsRealWriter, ThreeDigitExponentIsARowOfStars) {
  EXPECT_EQ(FormatRealText(12, -2, 1e150), String(12, u'*'));
  EXPECT_EQ(FormatRealText(12, -2, -1e150), String(12, u'*'));
  EXPECT_EQ(FormatRealText(12, -2, 1e-100), String(12, u'*'));
  // Rounding can carry into a third exponent digit.
  EXPECT_EQ(FormatRealText(12, -2, 9.999996e99), String(12, u'*'));
  EXPECT_EQ(FormatRealText(9, -2, 1e300), String(9, u'*'));
}

TEST(NumIOFormatsRealWriter, FixedNotation) {
  EXPECT_EQ(FormatRealText(1, 2, 3.14159), u"3.14");
  EXPECT_EQ(FormatRealText(1, 8, 12.5), u"12.50000000");
  EXPECT_EQ(FormatRealText(1, 0, 7.6), u"8");
  EXPECT_EQ(FormatRealText(1, 3, 1e20), u"100000000000000000000.000");
  EXPECT_EQ(FormatRealText(1, 2, -0.001), u"-0.00");
  EXPECT_EQ(FormatRealText(1, 2, -0.0), u"0.00");
  EXPECT_EQ(FormatRealText(1, 2, -2.675), u"-2.67");  // -2.67499999… in binary
}

TEST(NumIOFormatsRealWriter, PaddingWithBlanksOrZeros) {
  EXPECT_EQ(FormatRealText(8, 2, 3.14159), u"    3.14");
  EXPECT_EQ(FormatRealText(2, 2, 3.14159), u"3.14");
  EXPECT_EQ(FormatRealText(-8, 2, 3.14159), u"00003.14");
  EXPECT_EQ(FormatRealText(-8, 2, -3.14159), u"-0003.14");
  EXPECT_EQ(FormatRealText(-12, -2, 123456.7), u"01.23457E+05");
}

TEST(NumIOFormatsRealWriter, NonFiniteValuesAndExtremeArguments) {
  EXPECT_EQ(FormatRealText(1, 2, NAN), u"NAN");
  EXPECT_EQ(FormatRealText(5, 2, -INFINITY), u" -INF");
  EXPECT_EQ(FormatRealText(12, -2, INFINITY), u"         INF");
  EXPECT_EQ(FormatRealText(INT_MAX, 2, 1.0).size(), 1024u);
  EXPECT_EQ(FormatRealText(INT_MIN, 2, 1.0).size(), 1024u);
  EXPECT_EQ(FormatRealText(1, INT_MAX, 1.0).size(), 66u);  // decimals are limited to 64
  EXPECT_EQ(FormatRealText(1, 0, 1.7976931348623157e308).size(), 309u);
}

// ---- Digit writers ---------------------------------------------------------

TEST(NumIOFormatsDigitWriters, ExactCountWithLeadingZeros) {
  EXPECT_EQ(HexDigits(static_cast<std::uint32_t>(-1), 8), u"FFFFFFFF");
  EXPECT_EQ(HexDigits(0xABCDEF, 4), u"CDEF");
  EXPECT_EQ(HexDigits(255, 8), u"000000FF");
  EXPECT_EQ(OctDigits(8, 11), u"00000000010");
  EXPECT_EQ(OctDigits(static_cast<std::uint32_t>(-1), 11), u"37777777777");
  EXPECT_EQ(BinDigits(5, 0), u"1");
  EXPECT_EQ(BinDigits(0x80000000u, 32), u"1" + String(31, u'0'));
}

TEST(NumIOFormatsDigitWriters, CountsAreLimited) {
  EXPECT_EQ(HexDigits(255, 9), u"000000FF");
  EXPECT_EQ(HexDigits(255, 0), u"F");
  EXPECT_EQ(OctDigits(8, 0), u"0");
  EXPECT_EQ(OctDigits(8, 200), u"00000000010");
  EXPECT_EQ(BinDigits(5, 40), String(29, u'0') + u"101");
}

// ---- Rounding --------------------------------------------------------------

TEST(NumIOFormatsRounding, HalvesToEvenWithinTheInt64Range) {
  EXPECT_EQ(RoundToInt64(2.5), 2);
  EXPECT_EQ(RoundToInt64(3.5), 4);
  EXPECT_EQ(RoundToInt64(-2.5), -2);
  EXPECT_EQ(RoundToInt64(-2.6), -3);
  EXPECT_EQ(RoundToInt64(1e30), INT64_MAX);
  EXPECT_EQ(RoundToInt64(-1e30), INT64_MIN);
  EXPECT_EQ(RoundToInt64(NAN), 0);
  EXPECT_EQ(LowBits32(-1.0), 0xFFFFFFFFu);
  EXPECT_EQ(LowBits32(4294967296.0 + 5.0), 5u);
  EXPECT_EQ(LowBits32(254.5), 254u);
}
