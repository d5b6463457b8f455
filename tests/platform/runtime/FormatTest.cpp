#include <cstdint>
#include <limits>

#include "RuntimeTestSupport.h"

using namespace vcl;

using FormatTest = SettingsTest;

TEST_F(FormatTest, IntegersWithPrecisionWidthAndSign) {
  EXPECT_EQ(Format(u"%d items", {5}), u"5 items");
  EXPECT_EQ(Format(u"%.3d|%.3d", {7, -7}), u"007|-007");
  EXPECT_EQ(Format(u"%.0d", {0}), u"0");
  EXPECT_EQ(Format(u"[%5d][%-5d]", {42, 42}), u"[   42][42   ]");
  EXPECT_EQ(Format(u"%2d", {12345}), u"12345");  // width never cuts
  EXPECT_EQ(Format(u"%d", {std::numeric_limits<std::int64_t>::min()}), u"-9223372036854775808");
  EXPECT_EQ(Format(u"%d", {std::numeric_limits<std::uint64_t>::max()}), u"18446744073709551615");
  EXPECT_EQ(Format(u"%u", {-1}), u"4294967295");
  EXPECT_EQ(Format(u"%u", {std::int64_t{-1}}), u"18446744073709551615");
}

TEST_F(FormatTest, HexUsesTheArgumentsOwnWidth) {
  EXPECT_EQ(Format(u"%x", {255}), u"FF");
  EXPECT_EQ(Format(u"%.4x", {255}), u"00FF");
  EXPECT_EQ(Format(u"%x", {-1}), u"FFFFFFFF");
  EXPECT_EQ(Format(u"%x", {std::int64_t{-1}}), u"FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Format(u"%x", {std::int16_t{-1}}), u"FFFFFFFF");  // small types pass as 32 bits
}

TEST_F(FormatTest, StarTakesWidthAndPrecisionFromArguments) {
  EXPECT_EQ(Format(u"%*d", {5, 42}), u"   42");
  EXPECT_EQ(Format(u"%-*d|", {4, 7}), u"7   |");
  EXPECT_EQ(Format(u"%*d|", {-4, 7}), u"7   |");  // a negative width pads on the right
  EXPECT_EQ(Format(u"%.*f", {3, 3.14159}), u"3.142");
  EXPECT_EQ(Format(u"%*.*f", {8, 2, 3.14159}), u"    3.14");
  EXPECT_EQ(Format(u"%*.*g", {1, 3, 1234.5}), u"1.23E3");
  EXPECT_EQ(Format(u"%*.*d", {1, 0, std::int64_t{-12}}), u"-12");
}

TEST_F(FormatTest, FixedRoundsHalfAwayOnTheDecimalForm) {
  EXPECT_EQ(Format(u"%f", {1.0}), u"1.00");
  EXPECT_EQ(Format(u"%.0f|%.0f|%.0f", {0.5, 2.5, -2.5}), u"1|3|-3");
  // 0.15 and 2.675 are stored slightly below the half; their decimal form is not.
  EXPECT_EQ(Format(u"%.1f", {0.15}), u"0.2");
  EXPECT_EQ(Format(u"%.2f", {2.675}), u"2.68");
  EXPECT_EQ(Format(u"%.3f", {-1234.56789}), u"-1234.568");
  EXPECT_EQ(Format(u"%.1f", {-0.04}), u"0.0");  // no sign on a value shown as zero
  EXPECT_EQ(Format(u"%.2f", {1e20}), u"1E20");  // beyond 15 integer digits: scientific
}

TEST_F(FormatTest, ExponentHasSignAndThreeDigits) {
  EXPECT_EQ(Format(u"%e", {1234.5678}), u"1.23456780000000E+003");
  EXPECT_EQ(Format(u"%e", {-1.0}), u"-1.00000000000000E+000");
  EXPECT_EQ(Format(u"%.3e", {0.000123456}), u"1.23E-004");
  EXPECT_EQ(Format(u"%.2e", {0.0}), u"0.0E+000");
  EXPECT_EQ(Format(u"%.4e", {1e300}), u"1.000E+300");
  EXPECT_EQ(Format(u"%.2e", {9.96}), u"1.0E+001");  // rounding carries into the exponent
}

TEST_F(FormatTest, GeneralSwitchesBetweenFixedAndScientific) {
  EXPECT_EQ(Format(u"%g", {0.1}), u"0.1");
  EXPECT_EQ(Format(u"%g", {100.0}), u"100");
  EXPECT_EQ(Format(u"%g", {0.00001}), u"0.00001");  // the smallest fixed value
  EXPECT_EQ(Format(u"%g", {0.000001}), u"1E-6");
  EXPECT_EQ(Format(u"%g", {123456789012345.0}), u"123456789012345");  // 15 integer digits fit
  EXPECT_EQ(Format(u"%g", {1234567890123456.0}), u"1.23456789012346E15");
  EXPECT_EQ(Format(u"%.4g", {1234.5}), u"1235");
  EXPECT_EQ(Format(u"%.3g", {1234.5}), u"1.23E3");
  EXPECT_EQ(Format(u"%g", {-2.5e-10}), u"-2.5E-10");
  EXPECT_EQ(Format(u"%g", {1.0 / 3}), u"0.333333333333333");
}

TEST_F(FormatTest, NumberAndMoneyGroupThousands) {
  EXPECT_EQ(Format(u"%n", {1234567.891}), u"1,234,567.89");
  EXPECT_EQ(Format(u"%.0n", {999.5}), u"1,000");
  EXPECT_EQ(Format(u"%n", {-1234.0}), u"-1,234.00");
  EXPECT_EQ(Format(u"%m", {1234.5}), u"$1,234.50");
  EXPECT_EQ(Format(u"%m", {-1234.5}), u"($1,234.50)");
  FormatSettings.CurrencyString = u"EUR";
  FormatSettings.CurrencyFormat = 3;
  FormatSettings.NegCurrFormat = 8;
  EXPECT_EQ(Format(u"%.1m|%.1m", {2.25, -2.25}), u"2.3 EUR|-2.3 EUR");
}

TEST_F(FormatTest, TextCharactersAndPercent) {
  EXPECT_EQ(Format(u"<%s>", {u"abc"}), u"<abc>");
  EXPECT_EQ(Format(u"<%.2s><%5s><%-5s>", {u"abc", u"abc", u"abc"}), u"<ab><  abc><abc  >");
  EXPECT_EQ(Format(u"%s%s", {String(u"x"), 'y'}), u"xy");
  EXPECT_EQ(Format(u"%s", {"gr\xC3\xBC\xC3\x9F"}), u"grüß");  // narrow text is UTF-8
  EXPECT_EQ(Format(u"100%%", {}), u"100%");
  EXPECT_EQ(Format(u"%d%%", {50}), u"50%");
}

TEST_F(FormatTest, IndexSpecifierPicksArgumentAndContinues) {
  EXPECT_EQ(Format(u"%1:s %0:s %s", {u"a", u"b"}), u"b a b");
  EXPECT_EQ(Format(u"%0:s-%0:s", {u"x"}), u"x-x");
}

TEST_F(FormatTest, DecimalSeparatorComesFromSettings) {
  FormatSettings.DecimalSeparator = u',';
  FormatSettings.ThousandSeparator = u'.';
  EXPECT_EQ(Format(u"%.2f", {1.5}), u"1,50");
  EXPECT_EQ(Format(u"%n", {1234.5}), u"1.234,50");
  EXPECT_EQ(Format(u"%g", {0.25}), u"0,25");
  EXPECT_EQ(Format(u"%.2e", {1.5}), u"1,5E+000");
  TFormatSettings dot = TFormatSettings::Create();
  EXPECT_EQ(Format(u"%.2f", {1.5}, dot), u"1.50");  // explicit settings win
}

TEST_F(FormatTest, PointersAndEnumerations) {
  enum Color : std::uint8_t { Red, Green };
  EXPECT_EQ(Format(u"%d", {Green}), u"1");
  int x = 0;
  String p = Format(u"%p", {static_cast<const void*>(&x)});
  EXPECT_EQ(p.size(), 16u);
  EXPECT_EQ(Format(u"%p", {nullptr}), u"0000000000000000");
}

TEST_F(FormatTest, BadSpecifiersAndMismatchesRaise) {
  EXPECT_THROW(Format(u"%d", {1.5}), EConvertError);
  EXPECT_THROW(Format(u"%f", {1}), EConvertError);
  EXPECT_THROW(Format(u"%s", {1}), EConvertError);
  EXPECT_THROW(Format(u"%d", {u"1"}), EConvertError);
  EXPECT_THROW(Format(u"%q", {1}), EConvertError);
  EXPECT_THROW(Format(u"abc%", {}), EConvertError);
  EXPECT_THROW(Format(u"%5", {1}), EConvertError);
  EXPECT_THROW(Format(u"%*d", {1.5, 2}), EConvertError);
  EXPECT_THROW(Format(u"%999999999d", {1}), EConvertError);
  EXPECT_THROW(Format(u"%:d", {1}), EConvertError);
  try {
    Format(u"%d", {1.5});
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Format '%d' invalid or incompatible with argument");
  }
  try {
    Format(u"%d %d", {1});
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"No argument for format '%d %d'");
  }
}
