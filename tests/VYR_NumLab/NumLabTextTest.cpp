// Display-type texts of the numeric label for boundary values: rounding,
// padding, signs, carries, separators and values no type can show.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "VYR_NumLab/VYR_NumLabText.h"
#include "platform/SysUtils.h"

namespace {

using namespace vyr;
using vcl::String;

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct TextCase {
  TDisplay Type;
  double Value;
  int Precision;
  const char16_t* Want;
};

void Check(const TextCase& c, bool Comma = false, bool Plus = false) {
  TNumLabFormat f;
  f.DisplayType = c.Type;
  f.Precision = c.Precision;
  f.Comma = Comma;
  f.PlusSign = Plus;
  EXPECT_EQ(vcl::ToUTF8(NumLabText(c.Value, f)), vcl::ToUTF8(c.Want))
      << "type " << int(c.Type) << " value " << c.Value << " precision " << c.Precision;
}

TEST(NumLabText, FloatFixedAndExponentFollowTheFormatDirectives) {
  const TextCase cases[] = {
      {dtFixP, 0, 2, u"0.00"},        {dtFixP, 1.5, 2, u"1.50"},
      {dtFixP, -2.675, 2, u"-2.68"},  {dtFixP, 1.5, 0, u"2"},
      {dtFixP, 1.0 / 3, 15, u"0.333333333333333"},
      {dtFloat, 1234.5, 2, u"1.2E3"}, {dtFloat, 0.5, 2, u"0.5"},
      {dtFloat, 12, 2, u"12"},        {dtExp, 1234.5, 2, u"1.2E+003"},
      {dtExp, -0.00047, 3, u"-4.70E-004"},
      {dtFixP, NaN, 2, u"NAN"},       {dtFloat, -Inf, 2, u"-INF"},
  };
  for (const TextCase& c : cases) Check(c);
}

TEST(NumLabText, IntegersRoundHalvesToEvenAndPadToThePrecision) {
  const TextCase cases[] = {
      {dtInt, 2.5, 2, u"2"},          {dtInt, 3.5, 2, u"4"},
      {dtInt, -2.5, 2, u"-2"},        {dtInt, -0.4, 2, u"0"},
      {dtInt, 1e15, 2, u"1000000000000000"},
      {dtInt, -9223372036854775808.0, 2, u"-9223372036854775808"},
      {dtZeroInt, 7, 2, u"07"},       {dtZeroInt, -7, 3, u"-007"},
      {dtZeroInt, 123, 2, u"123"},    {dtZeroInt, 0, 0, u"0"},
      {dtHex, 255, 2, u"FF"},         {dtHex, 10, 2, u"0A"},
      {dtHex, -10, 4, u"-000A"},      {dtHex, 0, 0, u"0"},
      {dtHex, -9223372036854775808.0, 0, u"-8000000000000000"},
      {dtBin, 5, 2, u"101"},          {dtBin, 1, 4, u"0001"},
      {dtBin, 2.5, 0, u"10"},         {dtOct, 8, 2, u"10"},
      {dtOct, -8, 3, u"-010"},        {dtOct, 511, 0, u"777"},
  };
  for (const TextCase& c : cases) Check(c);
}

TEST(NumLabText, IntegerTypesShowWordsForNanAndInfinityAndTheIndicatorBeyondSixtyFourBits) {
  for (TDisplay t : {dtInt, dtZeroInt, dtHex, dtBin, dtOct}) {
    Check({t, NaN, 2, u"NAN"});
    Check({t, Inf, 2, u"INF"});
    Check({t, -Inf, 2, u"-INF"});
    Check({t, 1e19, 2, u"*********"});
    Check({t, -9.3e18, 2, u"*********"});
  }
}

TEST(NumLabText, AnglesCarryWhenAPartRoundsUpToSixty) {
  const TextCase cases[] = {
      {dtDeg, 12.5, 2, u"12.50°"},        {dtDeg, -0.004, 2, u"-0.00°"},
      {dtDeg, 359.999, 0, u"360°"},
      {dtDegMin, 12.5, 2, u"12°30.00′"},  {dtDegMin, -0.1, 2, u"-0°06.00′"},
      {dtDegMin, 12.99999999, 2, u"13°00.00′"},
      {dtDegMin, 45.25, 0, u"45°15′"},
      {dtDegMinSec, 12.5125, 2, u"12°30′45.00″"},
      {dtDegMinSec, 12.99999999, 2, u"13°00′00.00″"},
      {dtDegMinSec, 0.5 / 60 - 1e-12, 0, u"0°00′30″"},
      {dtDegMinSec, 1.0 + 59.0 / 60 + 59.9999 / 3600, 2, u"2°00′00.00″"},
      {dtDegMinSec, -10.0 - 1.0 / 60 - 2.0 / 3600, 1, u"-10°01′02.0″"},
      {dtDeg, NaN, 2, u"NAN"},           {dtDegMinSec, -Inf, 2, u"-INF"},
  };
  for (const TextCase& c : cases) Check(c);
}

TEST(NumLabText, EngineeringExponentsAreMultiplesOfThree) {
  const TextCase cases[] = {
      {dtEEng, 12345, 2, u"12.35E+03"},     {dtEEng, -0.00047, 2, u"-470.00E-06"},
      {dtEEng, 0, 2, u"0.00E+00"},          {dtEEng, 999.999, 2, u"1.00E+03"},
      {dtEEng, 1, 0, u"1E+00"},             {dtEEng, 1e-3, 1, u"1.0E-03"},
      {dtEEng, 100, 3, u"100.000E+00"},     {dtEEng, 0.1, 2, u"100.00E-03"},
      {dtEEng, 1.5e300, 1, u"1.5E+300"},    {dtEEng, 4.7e-7, 1, u"470.0E-09"},
      {dtEEngNoDP, 12345, 2, u"12E+03"},    {dtEEngNoDP, 0.0047, 2, u"5E-03"},
      {dtEEngNoDP, 999.6, 2, u"1E+03"},     {dtEEngNoDP, -1500, 5, u"-2E+03"},
      {dtEEngNoDP, 0, 2, u"0E+00"},         {dtEEng, Inf, 2, u"INF"},
  };
  for (const TextCase& c : cases) Check(c);
}

TEST(NumLabText, DatesStateAndTheIndicatorOutsideTheCalendar) {
  TNumLabFormat f;
  f.DisplayType = dtDateTime;
  EXPECT_EQ(NumLabText(45000.5, f), u"Mar-15, 2023");
  EXPECT_EQ(NumLabText(0, f), u"Dec-30, 1899");
  f.DTFormat = u"yyyy-mm-dd hh:nn";
  EXPECT_EQ(NumLabText(45000.75, f), u"2023-03-15 18:00");
  EXPECT_EQ(NumLabText(-693593.0, f), u"0001-01-01 00:00");  // the first day
  for (double v : {NaN, Inf, -693594.0, 2958466.0, 1e300}) {
    EXPECT_EQ(NumLabText(v, f), u"*********") << v;
  }
  f.DisplayType = dtState;
  f.StateText = u"open, closing";
  f.Comma = true;
  f.PlusSign = true;
  EXPECT_EQ(NumLabText(NaN, f), u"open, closing");  // taken as it stands
}

// The separator is normalised whatever the locale, for the numeric types
// only; the plus sign goes before values above 0 only.
TEST(NumLabText, SeparatorAndPlusSignRules) {
  Check({dtFixP, 1.5, 2, u"1,50"}, true);
  Check({dtEEng, 12345, 2, u"12,35E+03"}, true);
  Check({dtDegMin, 12.5, 1, u"12°30,0′"}, true);
  Check({dtFixP, 1.5, 2, u"+1.50"}, false, true);
  Check({dtFixP, 0, 2, u"0.00"}, false, true);
  Check({dtFixP, -1, 2, u"-1.00"}, false, true);
  Check({dtOct, 8, 0, u"+10"}, false, true);
  Check({dtFloat, Inf, 2, u"+INF"}, false, true);
  Check({dtHex, 255, 0, u"FF"}, false, true);     // hex keeps its text
  Check({dtBin, 2, 0, u"10"}, true, true);        // and so does binary
  Check({dtInt, 1e19, 2, u"*********"}, true, true);
  vcl::TFormatSettings saved = vcl::FormatSettings;
  vcl::FormatSettings.DecimalSeparator = u',';
  Check({dtFixP, 1.5, 2, u"1.50"});
  Check({dtDeg, 1.25, 1, u"1.3°"});
  Check({dtEEng, 0.5, 1, u"500.0E-03"});
  Check({dtFixP, 1.5, 2, u"1,50"}, true);
  vcl::FormatSettings = saved;
}

}  // namespace
