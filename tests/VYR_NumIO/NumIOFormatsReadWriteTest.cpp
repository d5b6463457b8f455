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

using Reader = std::int32_t (*)(const String&, int&);

// Reads Text from Start and checks the value and the final position.
void ExpectRead(Reader Read, const String& Text, std::int32_t Value, int Pos, int Start = 1) {
  SCOPED_TRACE(vcl::ToUTF8(Text));
  int pos = Start;
  EXPECT_EQ(Read(Text, pos), Value);
  EXPECT_EQ(pos, Pos);
}

}  // namespace

// ---- ReadIntText -----------------------------------------------------------

TEST(NumIOFormatsIntReader, BlanksSignAndDigits) {
  ExpectRead(ReadIntText, u"  -42x", -42, 6);
  ExpectRead(ReadIntText, u"+7", 7, 3);
  ExpectRead(ReadIntText, u"x5", 0, 1);
  ExpectRead(ReadIntText, u"ab-12", -12, 6, 3);
  // A lone sign reads as 0 and is used up.
  ExpectRead(ReadIntText, u"-", 0, 2);
}

TEST(NumIOFormatsIntReader, EmptyTextAndTrailingBlank) {
  ExpectRead(ReadIntText, u"", 0, 1);
  // A blank in the last character is not skipped, so blanks never read whole.
  ExpectRead(ReadIntText, u" ", 0, 1);
  ExpectRead(ReadIntText, u"   ", 0, 3);
}

TEST(NumIOFormatsIntReader, Limits32BitRangeReadsWhole) {
  ExpectRead(ReadIntText, u"2147483647", INT32_MAX, 11);
  ExpectRead(ReadIntText, u"-2147483648", INT32_MIN, 12);
  ExpectRead(ReadIntText, u"0000000000002147483647", INT32_MAX, 23);
}

TEST(NumIOFormatsIntReader, BeyondTheRangeStopsBeforeTheDigitThatOverflows) {
  ExpectRead(ReadIntText, u"2147483648", 214748364, 10);
  ExpectRead(ReadIntText, u"-2147483649", -214748364, 11);
  ExpectRead(ReadIntText, u"99999999999", 999999999, 10);
}

TEST(NumIOFormatsIntReader, StartPositionOutsideTheText) {
  for (int start : {0, -3, 5, INT_MAX, INT_MIN}) ExpectRead(ReadIntText, u"123", 0, start, start);
}

// ---- Hexadecimal, octal and binary readers ---------------------------------

TEST(NumIOFormatsBaseReader, HexadecimalPrefixCaseAndLargestValues) {
  ExpectRead(ReadHexText, u"$1f", 31, 4);
  ExpectRead(ReadHexText, u"$FFFFFFFF", -1, 10);
  ExpectRead(ReadHexText, u"FFFFFFFF", -1, 9);
  ExpectRead(ReadHexText, u"7FFFFFFF", INT32_MAX, 9);
  ExpectRead(ReadHexText, u"80000000", INT32_MIN, 9);
  // Further digits shift the high ones out.
  ExpectRead(ReadHexText, u"123456789", 0x23456789, 10);
  ExpectRead(ReadHexText, u"ffg", 255, 3);
  // The prefix is passed over only at position 1.
  ExpectRead(ReadHexText, u" $1", 0, 2);
  ExpectRead(ReadHexText, u"1$2", 0, 2, 2);
  ExpectRead(ReadHexText, u"  a", 10, 4);
}

TEST(NumIOFormatsBaseReader, OctalLargestValues) {
  ExpectRead(ReadOctText, u"37777777777", -1, 12);
  ExpectRead(ReadOctText, u"17777777777", INT32_MAX, 12);
  ExpectRead(ReadOctText, u"20000000000", INT32_MIN, 12);
  ExpectRead(ReadOctText, u"78", 7, 2);
  ExpectRead(ReadOctText, u"$7", 0, 1);  // no prefix in octal
}

TEST(NumIOFormatsBaseReader, BinaryLargestValues) {
  ExpectRead(ReadBinText, u"102", 2, 3);
  ExpectRead(ReadBinText, String(32, u'1'), -1, 33);
  ExpectRead(ReadBinText, u"1" + String(31, u'0'), INT32_MIN, 33);
  ExpectRead(ReadBinText, String(33, u'1'), -1, 34);
}

TEST(NumIOFormatsBaseReader, EmptyTextAndOutsideStartReadZero) {
  for (Reader read : {ReadHexText, ReadOctText, ReadBinText}) {
    ExpectRead(read, u"", 0, 1);
    ExpectRead(read, u"101", 0, 0, 0);
    ExpectRead(read, u"101", 0, 9, 9);
  }
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
