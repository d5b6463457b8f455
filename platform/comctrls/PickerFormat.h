// The date-time picker's format: its tokens, the text they show for a
// value, and the value changes that editing one field makes. Pure
// functions, shared by painting, keys and the tests.
//
// Format letters (a run of one letter is one field; any other character
// and any 'quoted' text, with '' for a quote, is shown as it stands):
//
//   d  dd       day of the month, without / with a leading zero
//   ddd dddd    weekday name, short / long
//   M  MM       month number, without / with a leading zero
//   MMM MMMM    month name, short / long
//   y  yy       year in two digits;  yyy yyyy (and longer): the whole year
//   h  hh       hour 1..12;  H  HH  hour 0..23
//   m  mm       minutes;  s  ss  seconds
//   t  tt       first letter of / whole AM or PM text
//
// Runs longer than a field allows are cut to its longest form (ddddd is
// dddd, MMMMM is MMMM, hhh is hh and so on).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/SysUtils.h"

namespace vcl::comctrls {

enum TPickerField : std::uint8_t {
  pfLiteral, pfYear, pfMonth, pfDay, pfWeekday, pfHour, pfMinute, pfSecond, pfAmPm
};

struct TPickerToken {
  TPickerField Field = pfLiteral;
  int Width = 0;        // letters in the run, after cutting (yy: 2, yyyy: 4)
  bool Hour24 = false;  // H / HH
  String Text;          // what a literal shows
  bool operator==(const TPickerToken&) const = default;
};

using TPickerTokens = std::vector<TPickerToken>;

// Splits a picker format into fields and literals; an unterminated quote
// runs to the end of the format.
TPickerTokens ParsePickerFormat(const String& Format);

// A format of the run-time library's date and time formatting (as
// FormatSettings holds them: m after h is minutes, n is minutes, am/pm,
// a/p and ampm mark the 12-hour clock, / and : are the separators) in the
// picker's letters.
String PickerFormatFromSettings(const String& RtlFormat, const TFormatSettings& Settings);

// The text of one token, and of a whole format, for a value.
String TokenText(const TPickerToken& Token, TDateTime Value, const TFormatSettings& Settings);
String PickerText(const TPickerTokens& Tokens, TDateTime Value, const TFormatSettings& Settings);

// The parts of a value, and a value built from parts with the day cut to
// the month's length (so January 31 moved to February is February 28 or 29).
struct TDateParts {
  int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, MSec = 0;
};
TDateParts SplitValue(TDateTime Value);
TDateTime JoinParts(TDateParts Parts);
// A value with its date from DateSource and its time of day from TimeSource.
TDateTime CombineDateTime(TDateTime DateSource, TDateTime TimeSource);

// A field's value as the user edits it (weekday 1 = Sunday, AM/PM 0 or 1,
// a 12-hour field 1..12) and the range it wraps in for that value.
int FieldValue(const TPickerToken& Token, TDateTime Value);
int FieldMin(const TPickerToken& Token);
int FieldMax(const TPickerToken& Token, TDateTime Value);

// The value with one field moved by Delta steps, wrapping within the
// field's range (the other fields stay; a day past the new month's end is
// cut to it). A weekday moves the date within its week (Sunday first); a
// 12-hour field keeps AM or PM.
TDateTime StepField(const TPickerToken& Token, TDateTime Value, int Delta);
// The value with one field set (clamped to the field's range); a
// two-digit year is placed by the settings' century window.
TDateTime SetField(const TPickerToken& Token, TDateTime Value, int FieldValue,
                   const TFormatSettings& Settings);

// The four-digit year of a two-digit one by the century window.
int ExpandTwoDigitYear(int Year, const TFormatSettings& Settings);

}  // namespace vcl::comctrls
