// The per-format tables of the numeric edit field and the compound control:
// text to value, value to text, and the check of typed text.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

#include "VYR_NumIO/VYR_NumIOFormats.h"
#include "platform/SysUtils.h"

using namespace vyr;
using namespace vyr::numio;
using vcl::String;

namespace {

// The converted value, or NaN when the edit field would refuse the text.
double Edit(const String& Text, TInFormat Format, TDecPSep Mode = dsPoint) {
  double v = -999.0;
  return ConvertEditText(Text, Format, Mode, v) ? v : NAN;
}

bool Refused(const String& Text, TInFormat Format, TDecPSep Mode = dsPoint) {
  double v = 0;
  return !ConvertEditText(Text, Format, Mode, v);
}

}  // namespace

// ---- Edit field: text to value ---------------------------------------------

TEST(NumIOFormatsEditConvert, EmptyTextIsRefusedAndLeavesTheValue) {
  double v = 7.0;
  EXPECT_FALSE(ConvertEditText(u"", itFloat, dsPoint, v));
  EXPECT_EQ(v, 7.0);
}

TEST(NumIOFormatsEditConvert, BlanksOnlyLeadingBlanksAllowed) {
  EXPECT_EQ(Edit(u"   ", itFloat), 0.0);
  EXPECT_EQ(Edit(u"  12", itInt), 12.0);
  EXPECT_TRUE(Refused(u"12 ", itInt));
  EXPECT_TRUE(Refused(u" 1 2", itFloat));
  // A refused text still sets the value to what was read before the stop.
  double v = -1.0;
  EXPECT_FALSE(ConvertEditText(u"12 ", itInt, dsPoint, v));
  EXPECT_EQ(v, 0.0);
}

TEST(NumIOFormatsEditConvert, ExponentFormatIgnoresADanglingE) {
  EXPECT_EQ(Edit(u"1.5e", itExp), 1.5);
  EXPECT_EQ(Edit(u"1.5E-", itExp), 1.5);
  EXPECT_EQ(Edit(u"1.5e+", itExp), 1.5);
  EXPECT_EQ(Edit(u"1.5E3", itExp), 1500.0);
  EXPECT_TRUE(Refused(u"1.5e+-", itExp));
  EXPECT_TRUE(Refused(u"1.5e3e", itExp));
  EXPECT_TRUE(Refused(u"1E5.", itExp));
  EXPECT_EQ(Edit(u"1E5000", itExp), 1.7976931348623157e308);
}

TEST(NumIOFormatsEditConvert, FloatAndFixedPointTakeNoExponent) {
  EXPECT_TRUE(Refused(u"1e3", itFloat));
  EXPECT_TRUE(Refused(u"1e3", itFixPoint));
  EXPECT_EQ(Edit(u"12.", itFloat), 12.0);
  EXPECT_EQ(Edit(u"-12.25", itFixPoint), -12.25);
  // A lone sign is a number being typed.
  EXPECT_EQ(Edit(u"-", itFloat), 0.0);
  EXPECT_TRUE(Refused(u"1.2.", itFloat));
}

TEST(NumIOFormatsEditConvert, SeparatorModes) {
  EXPECT_EQ(Edit(u"12,5", itFloat, dsComma), 12.5);
  EXPECT_TRUE(Refused(u"12.5", itFloat, dsComma));
  EXPECT_TRUE(Refused(u"12,5", itFloat, dsPoint));
  EXPECT_EQ(Edit(u"12,5", itFloat, dsBoth), 12.5);
  EXPECT_EQ(Edit(u"12.5", itFloat, dsBoth), 12.5);
  const bool systemComma = SystemDecimalSeparator() == u',';
  EXPECT_EQ(Refused(u"12,5", itFloat, dsSystem), !systemComma);
}

TEST(NumIOFormatsEditConvert, IntegersOutsideThe32BitRangeAreRefused) {
  EXPECT_EQ(Edit(u"2147483647", itInt), 2147483647.0);
  EXPECT_EQ(Edit(u"-2147483648", itInt), -2147483648.0);
  EXPECT_TRUE(Refused(u"2147483648", itInt));
  EXPECT_TRUE(Refused(u"-2147483649", itInt));
  EXPECT_TRUE(Refused(u"99999999999999999999", itInt));
  EXPECT_EQ(Edit(u"+7", itInt), 7.0);
  EXPECT_TRUE(Refused(u"12.5", itInt));
}

TEST(NumIOFormatsEditConvert, HexOctalBinaryAnyCase) {
  EXPECT_EQ(Edit(u"ff", itHex), 255.0);
  EXPECT_EQ(Edit(u"$FF", itHex), 255.0);
  EXPECT_EQ(Edit(u"FFFFFFFF", itHex), -1.0);
  EXPECT_TRUE(Refused(u"fg", itHex));
  EXPECT_EQ(Edit(u"777", itOct), 511.0);
  EXPECT_TRUE(Refused(u"8", itOct));
  EXPECT_EQ(Edit(u"101", itBin), 5.0);
  EXPECT_TRUE(Refused(u"12", itBin));
}

TEST(NumIOFormatsEditConvert, DynamicFormatByPrefix) {
  EXPECT_EQ(Edit(u"$ff", itDynamic), 255.0);
  EXPECT_EQ(Edit(u"  $FF", itDynamic), 255.0);
  EXPECT_EQ(Edit(u"&17", itDynamic), 15.0);
  EXPECT_EQ(Edit(u"%101", itDynamic), 5.0);
  EXPECT_EQ(Edit(u"1.5e2", itDynamic), 150.0);
  EXPECT_EQ(Edit(u"2e", itDynamic), 2.0);
  EXPECT_TRUE(Refused(u"&8", itDynamic));
  EXPECT_TRUE(Refused(u"%2", itDynamic));
  EXPECT_TRUE(Refused(u"ff", itDynamic));  // hex digits need the prefix
}

// ---- Edit field: Value read ------------------------------------------------

TEST(NumIOFormatsEditValue, CompletesTrailingPointAndFallsBackToZero) {
  EXPECT_EQ(ReadEditValue(u"12.", itFloat, dsPoint), 12.0);
  EXPECT_EQ(ReadEditValue(u"abc", itFloat, dsPoint), 0.0);
  EXPECT_EQ(ReadEditValue(u"", itFloat, dsPoint), 0.0);
  EXPECT_EQ(ReadEditValue(u"-", itFloat, dsPoint), 0.0);
  EXPECT_EQ(ReadEditValue(u"000000FF", itHex, dsPoint), 255.0);
}

TEST(NumIOFormatsEditValue, CommaModeReadsTheCommaAndTheWritersPoint) {
  EXPECT_EQ(ReadEditValue(u"12,5", itFloat, dsComma), 12.5);
  EXPECT_EQ(ReadEditValue(u"12,", itFixPoint, dsComma), 12.0);
  EXPECT_EQ(ReadEditValue(u"1,5e3", itExp, dsComma), 1500.0);
  EXPECT_EQ(ReadEditValue(WriteEditValue(12.5, itFloat, 2), itFloat, dsComma), 12.5);
  // The first comma reads as the point in the other modes as well.
  EXPECT_EQ(ReadEditValue(u"12,5", itFloat, dsPoint), 12.5);
  EXPECT_EQ(ReadEditValue(u"12,5", itFloat, dsBoth), 12.5);
}

// ---- Edit field: value to text ---------------------------------------------

TEST(NumIOFormatsEditWrite, EachFormatsText) {
  EXPECT_EQ(WriteEditValue(123456.7, itExp, 2), u" 1.23457E+05");
  EXPECT_EQ(WriteEditValue(123456.7, itDynamic, 2), u" 1.23457E+05");
  EXPECT_EQ(WriteEditValue(1.5, itFloat, 2), u"1.50000000");
  EXPECT_EQ(WriteEditValue(1.5, itFixPoint, 3), u"1.500");
  EXPECT_EQ(WriteEditValue(7.6, itInt, 2), u"8");
  EXPECT_EQ(WriteEditValue(2.5, itInt, 2), u"2");
  EXPECT_EQ(WriteEditValue(255, itHex, 2), u"000000FF");
  EXPECT_EQ(WriteEditValue(255, itOct, 2), u"00000377");
  EXPECT_EQ(WriteEditValue(255, itBin, 2), u"11111111");
  EXPECT_EQ(WriteEditValue(-1, itHex, 2), u"FFFFFFFF");
}

TEST(NumIOFormatsEditWrite, WrittenTextsReadBackRoundedToTheFormat) {
  struct Case {
    TInFormat Format;
    double Value;
    double Read;
  };
  const Case cases[] = {
      {itExp, 123456.7, 123457.0},   {itExp, -0.000123456789, -0.000123457},
      {itFloat, -3.25, -3.25},       {itFixPoint, 12.3456, 12.35},
      {itInt, -41.7, -42.0},         {itHex, 4095.0, 4095.0},
      {itOct, 64.0, 64.0},           {itBin, 6.0, 6.0},
      {itDynamic, 0.5, 0.5},
  };
  for (const Case& c : cases) {
    const String text = WriteEditValue(c.Value, c.Format, 2);
    EXPECT_DOUBLE_EQ(ReadEditValue(text, c.Format, dsPoint), c.Read) << vcl::ToUTF8(text);
  }
}

// ---- Compound control: text to value ---------------------------------------

TEST(NumIOFormatsCompoundRead, FloatsReadWithExponentAndBothSeparators) {
  EXPECT_EQ(ReadCompoundValue(u"1,5e2", itExp), 150.0);
  EXPECT_EQ(ReadCompoundValue(u"1e2", itFloat), 100.0);
  EXPECT_EQ(ReadCompoundValue(u"2.5", itFixPoint), 2.5);
  EXPECT_EQ(ReadCompoundValue(u"12abc", itFloat), 12.0);
  EXPECT_EQ(ReadCompoundValue(u"", itExp), 0.0);
}

TEST(NumIOFormatsCompoundRead, IntegersAndTheirLimits) {
  EXPECT_EQ(ReadCompoundValue(u"+7", itInt), 7.0);
  EXPECT_EQ(ReadCompoundValue(u"-2147483648", itInt), -2147483648.0);
  EXPECT_EQ(ReadCompoundValue(u"7a", itInt), 0.0);
  EXPECT_EQ(ReadCompoundValue(u"-", itInt), 0.0);
  EXPECT_EQ(ReadCompoundValue(u"99999999999", itInt), 2147483647.0);
  // Every failed conversion reads as the largest integer, whichever side.
  EXPECT_EQ(ReadCompoundValue(u"-99999999999", itInt), 2147483647.0);
  EXPECT_EQ(ReadCompoundValue(u"-2147483649", itInt), 2147483647.0);
  EXPECT_EQ(ReadCompoundValue(u"2147483648", itInt), 2147483647.0);
  EXPECT_EQ(ReadCompoundValue(u"-0000000000002147483648", itInt), -2147483648.0);
}

TEST(NumIOFormatsCompoundRead, BaseReadersAndDynamicPrefix) {
  EXPECT_EQ(ReadCompoundValue(u"ff", itHex), 255.0);
  EXPECT_EQ(ReadCompoundValue(u"37777777777", itOct), -1.0);
  EXPECT_EQ(ReadCompoundValue(u"11", itBin), 3.0);
  EXPECT_EQ(ReadCompoundValue(u"", itDynamic), 0.0);
  EXPECT_EQ(ReadCompoundValue(u"$ff", itDynamic), 255.0);
  EXPECT_EQ(ReadCompoundValue(u"&17", itDynamic), 15.0);
  EXPECT_EQ(ReadCompoundValue(u"%11", itDynamic), 3.0);
  EXPECT_EQ(ReadCompoundValue(u"$", itDynamic), 0.0);
  EXPECT_EQ(ReadCompoundValue(u"-2,5", itDynamic), -2.5);
}

// ---- Compound control: value to text ---------------------------------------

TEST(NumIOFormatsCompoundWrite, EachFormatsText) {
  EXPECT_EQ(WriteCompoundValue(123456.7, itExp, 2, 6), u" 1.23457E+05");
  EXPECT_EQ(WriteCompoundValue(123456.7, itExp, 2, 3), u" 1.23E+05");
  EXPECT_EQ(WriteCompoundValue(1e200, itExp, 2, 3), String(9, u'*'));
  EXPECT_EQ(WriteCompoundValue(3.14159, itFloat, 2, 6), u"3.14");
  EXPECT_EQ(WriteCompoundValue(3.14159, itFixPoint, 4, 6), u"3.1416");
  EXPECT_EQ(WriteCompoundValue(2.5, itInt, 2, 6), u"2");
  EXPECT_EQ(WriteCompoundValue(-3.5, itInt, 2, 6), u"-4");
  EXPECT_EQ(WriteCompoundValue(1e30, itDynamic, 2, 6), u"9223372036854775807");
  EXPECT_EQ(WriteCompoundValue(-1, itHex, 2, 6), u"FFFFFFFF");
  EXPECT_EQ(WriteCompoundValue(8, itOct, 2, 6), u"00000000010");
  EXPECT_EQ(WriteCompoundValue(5, itBin, 2, 6), String(29, u'0') + u"101");
}

// ---- Compound control: checking typed text ---------------------------------

TEST(NumIOFormatsCompoundCheck, DecimalFormats) {
  EXPECT_TRUE(CheckCompoundText(u"1.5e3", itExp, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"1.5e5000", itExp, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"1.5", itFloat, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"1.5e3", itFloat, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"1,5", itFloat, dsPoint, 2));
  EXPECT_TRUE(CheckCompoundText(u"+7", itInt, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"+", itInt, dsBoth, 2));
}

TEST(NumIOFormatsCompoundCheck, FixedPointNeedsThePointAtItsPlace) {
  EXPECT_TRUE(CheckCompoundText(u"12.50", itFixPoint, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"12.5", itFixPoint, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"12.500", itFixPoint, dsBoth, 2));
  // Without a point the text passes only when its length equals the places.
  EXPECT_TRUE(CheckCompoundText(u"12", itFixPoint, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"1", itFixPoint, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"1", itFixPoint, dsBoth, 1));
  EXPECT_FALSE(CheckCompoundText(u"12,50", itFixPoint, dsBoth, 2));
  // The writer's point passes in the comma mode too.
  EXPECT_TRUE(CheckCompoundText(u"12.50", itFixPoint, dsComma, 2));
  EXPECT_FALSE(CheckCompoundText(u"", itFixPoint, dsBoth, 0));
}

TEST(NumIOFormatsCompoundCheck, BaseFormatsAndDynamicPrefix) {
  EXPECT_TRUE(CheckCompoundText(u"Ff", itHex, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"8", itOct, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"10", itBin, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"", itDynamic, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"$", itDynamic, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"$FF", itDynamic, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"$FG", itDynamic, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"%101", itDynamic, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"%102", itDynamic, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"&17", itDynamic, dsBoth, 2));
  EXPECT_FALSE(CheckCompoundText(u"&78", itDynamic, dsBoth, 2));
  EXPECT_TRUE(CheckCompoundText(u"-1,5e3", itDynamic, dsBoth, 2));
  // Characters after the one that ends a number are not examined.
  EXPECT_TRUE(CheckCompoundText(u"-1,5e3", itDynamic, dsPoint, 2));
  EXPECT_FALSE(CheckCompoundText(u",5", itDynamic, dsPoint, 2));
  EXPECT_TRUE(CheckCompoundText(u",5", itDynamic, dsComma, 2));
}

// ---- The system separator mode -----------------------------------------------

namespace {

// Sets the run-time library's decimal separator for one test.
class SystemSeparator {
 public:
  explicit SystemSeparator(vcl::Char Sep) : FSaved(vcl::FormatSettings.DecimalSeparator) {
    vcl::FormatSettings.DecimalSeparator = Sep;
  }
  ~SystemSeparator() { vcl::FormatSettings.DecimalSeparator = FSaved; }

 private:
  vcl::Char FSaved;
};

}  // namespace

TEST(NumIOFormatsSystemSeparator, FollowsTheRunTimeLibrarySetting) {
  {
    SystemSeparator comma(u',');
    EXPECT_EQ(ResolveReadSep(dsSystem), dsComma);
    EXPECT_EQ(ResolveCheckSep(dsSystem), dsComma);
    EXPECT_EQ(Edit(u"12,5", itFloat, dsSystem), 12.5);
    EXPECT_TRUE(Refused(u"12.5", itFloat, dsSystem));
    EXPECT_TRUE(IsFixedText(u"1,5", dsSystem));
    EXPECT_TRUE(CheckCompoundText(u",5", itExp, dsSystem, 2));
  }
  SystemSeparator point(u'.');
  EXPECT_EQ(ResolveReadSep(dsSystem), dsPoint);
  EXPECT_EQ(ResolveCheckSep(dsSystem), dsPoint);
  EXPECT_EQ(Edit(u"12.5", itFloat, dsSystem), 12.5);
  EXPECT_FALSE(IsFixedText(u"1,5", dsSystem));
}

TEST(NumIOFormatsSystemSeparator, OtherSeparatorsResolveDifferentlyForReadingAndChecking) {
  // The edit field reads with the point unless the system uses the comma;
  // the checkers check with the comma unless the system uses the point.
  SystemSeparator other(u'\u066B');
  EXPECT_EQ(ResolveReadSep(dsSystem), dsPoint);
  EXPECT_EQ(ResolveCheckSep(dsSystem), dsComma);
  EXPECT_EQ(Edit(u"2.5", itFloat, dsSystem), 2.5);
  EXPECT_TRUE(IsFloatText(u",5", true, dsSystem));
  EXPECT_FALSE(IsFloatText(u".5", true, dsSystem));
  // Explicit modes do not depend on the setting.
  EXPECT_EQ(ResolveReadSep(dsBoth), dsBoth);
  EXPECT_EQ(ResolveCheckSep(dsComma), dsComma);
}
