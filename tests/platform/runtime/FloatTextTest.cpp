#include <cmath>
#include <limits>

#include "RuntimeTestSupport.h"

using namespace vcl;

using FloatTextTest = SettingsTest;

TEST_F(FloatTextTest, FloatToStrUsesFifteenSignificantDigits) {
  EXPECT_EQ(FloatToStr(0.1), u"0.1");
  EXPECT_EQ(FloatToStr(1.0 / 3), u"0.333333333333333");
  EXPECT_EQ(FloatToStr(2.0 / 3), u"0.666666666666667");
  EXPECT_EQ(FloatToStr(100.0), u"100");
  EXPECT_EQ(FloatToStr(0.0), u"0");
  EXPECT_EQ(FloatToStr(-0.0), u"0");
  EXPECT_EQ(FloatToStr(1e15), u"1E15");
  EXPECT_EQ(FloatToStr(-1.5e-7), u"-1.5E-7");
  EXPECT_EQ(FloatToStr(123456789012345678.0), u"1.23456789012346E17");
  EXPECT_EQ(FloatToStr(0.1 + 0.2), u"0.3");
}

TEST_F(FloatTextTest, SpecialValuesHaveNames) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FloatToStr(std::nan("")), u"NAN");
  EXPECT_EQ(FloatToStr(inf), u"INF");
  EXPECT_EQ(FloatToStrF(-inf, ffFixed, 15, 2), u"-INF");
  EXPECT_EQ(FormatFloat(u"0.00", std::nan("")), u"NAN");
}

TEST_F(FloatTextTest, FloatToStrFStyles) {
  EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), u"1.235E+03");
  EXPECT_EQ(FloatToStrF(0.00012, ffExponent, 3, 0), u"1.20E-4");
  EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), u"1234.57");
  EXPECT_EQ(FloatToStrF(1234.5678, ffNumber, 15, 2), u"1,234.57");
  EXPECT_EQ(FloatToStrF(1234.5678, ffCurrency, 15, 2), u"$1,234.57");
  EXPECT_EQ(FloatToStrF(0.5, ffFixed, 15, 0), u"1");
  EXPECT_EQ(FloatToStrF(1e20, ffFixed, 15, 2), u"1E20");
  EXPECT_EQ(FloatToStrF(12345.0, ffFixed, 3, 0), u"1.23E4");  // integer part beyond the precision
  EXPECT_EQ(FloatToStrF(1e5, ffGeneral, 3, 2), u"1E05");
  EXPECT_EQ(FloatToStrF(2.5, ffGeneral, 1, 0), u"3");
}

TEST_F(FloatTextTest, CurrencyFormatsFollowTheSettings) {
  FormatSettings.NegCurrFormat = 1;
  EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), u"-$1,234.50");
  FormatSettings.NegCurrFormat = 15;
  EXPECT_EQ(FloatToStrF(-5.0, ffCurrency, 15, 0), u"(5 $)");
  FormatSettings.CurrencyFormat = 2;
  EXPECT_EQ(FloatToStrF(5.0, ffCurrency, 15, 1), u"$ 5.0");
}

TEST_F(FloatTextTest, DecimalSeparatorFromSettings) {
  FormatSettings.DecimalSeparator = u',';
  EXPECT_EQ(FloatToStr(1.5), u"1,5");
  EXPECT_EQ(FloatToStr(1.5e-9), u"1,5E-9");
  EXPECT_EQ(FormatFloat(u"0.00", 2.5), u"2,50");
}

TEST_F(FloatTextTest, FormatFloatRoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatFloat(u"0", 0.5), u"1");
  EXPECT_EQ(FormatFloat(u"0", 1.5), u"2");
  EXPECT_EQ(FormatFloat(u"0", 2.5), u"3");
  EXPECT_EQ(FormatFloat(u"0", -0.5), u"-1");
  EXPECT_EQ(FormatFloat(u"0", -2.5), u"-3");
  EXPECT_EQ(FormatFloat(u"0", 0.49), u"0");
  EXPECT_EQ(FormatFloat(u"0.00", 2.675), u"2.68");
  EXPECT_EQ(FormatFloat(u"0.00", 1.005), u"1.01");
  EXPECT_EQ(FormatFloat(u"0.0", 0.95), u"1.0");
  EXPECT_EQ(FormatFloat(u"#", 99.5), u"100");
}

TEST_F(FloatTextTest, FormatFloatPlaceholders) {
  EXPECT_EQ(FormatFloat(u"000", 7), u"007");
  EXPECT_EQ(FormatFloat(u"#.##", 0.5), u".5");
  EXPECT_EQ(FormatFloat(u"0.##", 1), u"1");  // no point without decimals
  EXPECT_EQ(FormatFloat(u"0.0#", 1.234), u"1.23");
  EXPECT_EQ(FormatFloat(u"0.0#", 1.2), u"1.2");
  EXPECT_EQ(FormatFloat(u"0.0#", 1), u"1.0");
  EXPECT_EQ(FormatFloat(u"#", 0), u"");
  EXPECT_EQ(FormatFloat(u"0", 123456), u"123456");  // more digits than placeholders
  EXPECT_EQ(FormatFloat(u".00", 12.5), u"12.50");
  EXPECT_EQ(FormatFloat(u"00-00", 1234), u"12-34");
}

TEST_F(FloatTextTest, FormatFloatThousands) {
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234567.891), u"1,234,567.89");
  EXPECT_EQ(FormatFloat(u"#,##0", 999.5), u"1,000");
  EXPECT_EQ(FormatFloat(u"#,##0", -1234), u"-1,234");
  EXPECT_EQ(FormatFloat(u"#,##0", 12), u"12");
  EXPECT_EQ(FormatFloat(u"#,0", 1234567), u"1,234,567");
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5), u"1.234,50");
}

TEST_F(FloatTextTest, FormatFloatSections) {
  const String f = u"0.00;(0.00);'zero'";
  EXPECT_EQ(FormatFloat(f, 1.5), u"1.50");
  EXPECT_EQ(FormatFloat(f, -1.5), u"(1.50)");
  EXPECT_EQ(FormatFloat(f, 0), u"zero");
  EXPECT_EQ(FormatFloat(f, 0.001), u"zero");  // rounds to zero: zero section
  EXPECT_EQ(FormatFloat(f, -0.001), u"zero");
  EXPECT_EQ(FormatFloat(u"0.0;;'z'", -1.25), u"-1.3");  // empty negative section
  EXPECT_EQ(FormatFloat(u"0.0", -0.01), u"0.0");        // no negative zero
  EXPECT_EQ(FormatFloat(u"0;'neg'", -3), u"neg");
  EXPECT_EQ(FormatFloat(u"'a;b' 0", 2), u"a;b 2");  // ';' inside quotes
}

TEST_F(FloatTextTest, FormatFloatScientific) {
  EXPECT_EQ(FormatFloat(u"0.00E+00", 1234), u"1.23E+03");
  EXPECT_EQ(FormatFloat(u"0.00E-00", 1234), u"1.23E03");
  EXPECT_EQ(FormatFloat(u"0.00E-00", 0.00012), u"1.20E-04");
  EXPECT_EQ(FormatFloat(u"00.0E+0", 1234), u"12.3E+2");
  EXPECT_EQ(FormatFloat(u"0.0e+000", 1234), u"1.2e+003");
  EXPECT_EQ(FormatFloat(u"0.00E+00", -0.000999), u"-9.99E-04");
  EXPECT_EQ(FormatFloat(u"0.0E+0", 9.96), u"1.0E+1");
  EXPECT_EQ(FormatFloat(u"0.0E+0", 0), u"0.0E+0");
}

TEST_F(FloatTextTest, FormatFloatLiteralsAndFallbacks) {
  EXPECT_EQ(FormatFloat(u"'$'#,##0.00", 1234.5), u"$1,234.50");
  EXPECT_EQ(FormatFloat(u"0.0 \"kg\"", 2.25), u"2.3 kg");
  EXPECT_EQ(FormatFloat(u"0 E", 3), u"3 E");  // E without a sign is text
  EXPECT_EQ(FormatFloat(u"", 1.5), u"1.5");
  EXPECT_EQ(FormatFloat(u"0", 1e20), u"1E20");
  EXPECT_EQ(FormatFloat(u"'unterminated 0", 1), u"unterminated 0");
}
