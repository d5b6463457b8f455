// Number input formats of the numeric edit field (TNumIO) and the compound
// numeric control (TNumIO2): character scanners, format checkers, text
// readers and text writers, and the per-format tables both controls use.
//
// The routines hold no state; the controls pass their current settings.
// Texts are UTF-16; positions are 1-based code-unit indices. Every routine
// checks its indices against the text length, so any text and any start
// position are safe: reading before the first or past the last character
// yields a character that belongs to no class (a stop).
#pragma once

#include <cstdint>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Types.h"

namespace vyr {

// The eight input formats of the numeric controls.
enum TInFormat : std::uint8_t {
  itExp,       // decimal floating point, exponent allowed (1.5E-3)
  itFloat,     // decimal number with optional fraction, no exponent
  itFixPoint,  // decimal number with a fixed number of decimal places
  itInt,       // signed decimal integer
  itHex,       // hexadecimal digits
  itOct,       // octal digits
  itBin,       // binary digits
  itDynamic    // first character selects: "$" hex, "&" octal, "%" binary, else as itExp
};

namespace numio {

// Largest collected exponent magnitude the float scanner passes on; longer
// exponents are cut (scanner) or refused (checker).
inline constexpr int MaxScanExponent = 4200;

// ---- Decimal separator -------------------------------------------------

// The system's decimal separator (the run-time library's format settings).
vcl::Char SystemDecimalSeparator();

// The edit field's resolution of the system mode: comma when the system
// separator is a comma, else point. Other modes pass unchanged.
TDecPSep ResolveReadSep(TDecPSep Mode);
// The checkers' resolution of the system mode: point when the system
// separator is a point, else comma. Other modes pass unchanged.
TDecPSep ResolveCheckSep(TDecPSep Mode);

// ---- Scanners and checkers ---------------------------------------------

// Scans a decimal number from Pos on (see the .cpp for the state machine).
// Returns its value, clamped to +/- uc_MaxDouble, or 0 on a scan error.
// Pos ends on the character that stopped the scan (length + 1 when the end
// of the text did), so the whole text was a number when Pos = length + 1.
// Mode dsSystem is resolved as ResolveReadSep does.
double ScanFloatText(const vcl::String& Text, bool ExpAllowed, TDecPSep Mode, int& Pos);

// True when the float state machine accepts Text (exponent magnitudes above
// MaxScanExponent are refused); characters after the accepting one are not
// examined. Mode dsSystem is resolved as ResolveCheckSep does.
bool IsFloatText(const vcl::String& Text, bool ExpAllowed, TDecPSep Mode);
// Optional sign, digits, optional separator, digits; no blanks, no exponent.
bool IsFixedText(const vcl::String& Text, TDecPSep Mode);
// Optional sign and decimal digits (a single character must be a digit).
bool IsIntText(const vcl::String& Text);
bool IsHexText(const vcl::String& Text);
bool IsOctText(const vcl::String& Text);
bool IsBinText(const vcl::String& Text);

// ---- Readers -------------------------------------------------------------

// Skips blanks, takes one optional sign and reads decimal digits. Reading
// stops before a digit that would take the value beyond the 32-bit range,
// so such a text is never read whole (it is not a number the format holds).
std::int32_t ReadIntText(const vcl::String& Text, int& Pos);
// Skip blanks, then accumulate digits of the base in 32 bits (higher bits
// are shifted out); the bit pattern is returned signed ("FFFFFFFF" is -1).
// The hexadecimal reader passes over a "$" at position 1.
std::int32_t ReadHexText(const vcl::String& Text, int& Pos);
std::int32_t ReadOctText(const vcl::String& Text, int& Pos);
std::int32_t ReadBinText(const vcl::String& Text, int& Pos);

// ---- Writers -------------------------------------------------------------

// Decimals >= 0: fixed notation with that many decimals, "." as separator,
// padded on the left with blanks to at least Width. Decimals < 0:
// scientific notation with Width - 6 significant digits and a two-digit
// exponent (" 1.23457E+05" for width 12); a value whose exponent needs
// three digits gives a row of "*" of the same length. A negative Width pads
// with zeros instead of blanks, the minus sign first.
vcl::String FormatRealText(int Width, int Decimals, double Value);

// Exactly Count digits of the 32-bit value, leading zeros included.
// Count 0 means 1; counts above 8, 11 and 32 are cut to those.
vcl::String HexDigits(std::uint32_t Value, std::uint8_t Count);
vcl::String OctDigits(std::uint32_t Value, std::uint8_t Count);
vcl::String BinDigits(std::uint32_t Value, std::uint8_t Count);

// The run-time library's rounding to the nearest integer (halves to even),
// limited to the 64-bit range; NaN gives 0.
std::int64_t RoundToInt64(double Value);
// The low 32 bits of the rounded value, as the digit writers take them.
std::uint32_t LowBits32(double Value);

// ---- Format tables: the edit field (TNumIO) ----------------------------

// Converts Text in Format and separator Mode: false for an empty text
// (Value untouched); otherwise Value := 0, leading blanks are dropped, an
// inner blank refuses, and the text is valid when the format's reader uses
// all of it (blanks only read as 0).
bool ConvertEditText(const vcl::String& Text, TInFormat Format, TDecPSep Mode, double& Value);
// The edit field's Value: the text with its first comma read as the
// decimal point, converted as above; 0 when that fails. In the comma mode
// the comma the field accepted (and the point its writer uses) both read.
double ReadEditValue(const vcl::String& Text, TInFormat Format, TDecPSep Mode);
// The edit field's text for a value.
vcl::String WriteEditValue(double Value, TInFormat Format, int FixPointDecPlaces);

// ---- Format tables: the compound control (TNumIO2) ---------------------

// The compound control's Value of Text (floats always read with exponent
// and both separators). In itInt a text that is no integer reads 0 and one
// beyond the 32-bit range, on either side, reads 2147483647.
double ReadCompoundValue(const vcl::String& Text, TInFormat Format);
// The compound control's text for a value.
vcl::String WriteCompoundValue(double Value, TInFormat Format, int FixPointDecPlaces,
                               int SignificantDigits);
// The compound control's check of typed text.
bool CheckCompoundText(const vcl::String& Text, TInFormat Format, TDecPSep Mode,
                       int FixPointDecPlaces);

}  // namespace numio
}  // namespace vyr
