// The texts of the numeric label's display types, built from a value and
// the label's format settings before OnBeforeDisplay sees them.
//
// Examples with the default Precision 2 (P), no Comma, no plus sign:
//   dtFloat      "%*.*g", P significant digits   1234.5 -> "1.2E3", 0.5 -> "0.5"
//   dtFixP       "%*.*f", P decimals             -2.675 -> "-2.68"
//   dtExp        "%*.*e", P significant digits   1234.5 -> "1.2E+003"
//   dtInt        rounded, halves to even         2.5 -> "2", -3.5 -> "-4"
//   dtZeroInt    rounded, at least P digits      7 -> "07", -7 -> "-07"
//   dtHex        rounded, upper-case hexadecimal digits, at least P digits,
//                a minus before the digits of a negative value
//                                                255 -> "FF", 10 -> "0A", -10 -> "-0A"
//   dtBin        the same in binary              5 -> "101", 1 -> "01"
//   dtOct        the same in octal               8 -> "10", -8 -> "-10"
//   dtDateTime   the value as a date/time (days since 1899-12-30) in DTFormat
//                                                45000.5 with "mmm-dd, yyyy" -> "Mar-15, 2023"
//   dtState      StateText, whatever the value
//   dtDeg        degrees with P decimals         12.5 -> "12.50°"
//   dtDegMin     whole degrees, minutes (two integer digits) with P decimals
//                                                12.5 -> "12°30.00′", -0.1 -> "-0°06.00′"
//   dtDegMinSec  whole degrees and minutes, seconds with P decimals
//                                                12.5125 -> "12°30′45.00″"
//                (a part that rounds up to 60 carries: 12.99999999 -> "13°00′00.00″")
//   dtEEng       engineering notation: a mantissa 1 <= |m| < 1000 with P
//                decimals and an exponent that is a multiple of three, written
//                with a sign and at least two digits
//                                                12345 -> "12.35E+03", -0.00047 -> "-470.00E-06",
//                                                0 -> "0.00E+00", 999.999 -> "1.00E+03"
//   dtEEngNoDP   the same with the mantissa rounded to a whole number, so
//                there is no decimal point       12345 -> "12E+03", 0.0047 -> "5E-03"
//
// Values no type can show: NaN shows "NAN", infinities "INF" and "-INF" in
// every numeric type; an integer type (dtInt, dtZeroInt, dtHex, dtBin,
// dtOct) given a finite value beyond the 64-bit range, and dtDateTime given
// a value outside the years 1 to 9999, show the overflow indicator.
//
// Every type but dtHex, dtDateTime, dtState and dtBin then has its decimal
// separator normalised whatever the locale (Comma: every "." becomes ",";
// otherwise every "," becomes ".") and, with the plus sign forced, a "+" in
// front of a value greater than 0.
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace vyr {

enum TDisplay : std::uint8_t {
  dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct, dtDeg,
  dtDegMin, dtDegMinSec, dtEEng, dtEEngNoDP
};

struct TNumLabFormat {
  TDisplay DisplayType = dtFixP;
  int Precision = 2;  // 0 .. 15
  bool Comma = false;
  bool PlusSign = false;
  vcl::String StateText = u"undefined";
  vcl::String DTFormat = u"mmm-dd, yyyy";
  vcl::String OverflowIndicator = u"*********";
};

// The text of Value in the display type of Format.
vcl::String NumLabText(double Value, const TNumLabFormat& Format);

}  // namespace vyr
