// Reading a date/time text against a picker pattern, for the "d" fields of
// the edit-row dialog (TReportListView::EditRowEntries).
//
// The pattern uses the picker's format letters and is consumed token by
// token, the text from left to right (English month and weekday names):
//
//   'text'          a quoted literal ('' inside for a quote); it must start
//   other chars     the rest of the text and is removed from it (a run of
//                   characters other than H M d h m s t y is a literal too)
//   yyyy / yy       four characters as the year / two characters; a two-
//                   digit year falls within TwoDigitYearWindow years before
//                   the current year (see below)
//   MMMM / MMM      a full month name / the first three characters equal a
//                   month's abbreviation (letter case ignored)
//   MM / M          two characters / a number of any length
//   dddd / ddd      a full / short weekday name, only checked and skipped
//   dd / d          two characters / a number as the day
//   HH hh / H h     two characters / a number as the hour; h and hh read a
//                   12-hour clock
//   mm m, ss s      minutes and seconds likewise
//   t / tt          "a" / "am" (any case) for AM, anything else PM
//
// Two-digit years: base := current year - window; the year goes into the
// century of base, one century later when it falls before base and the
// window is not 0. In 12-hour reading an AM hour of 12 becomes 0 and a PM
// hour other than 12 gets 12 added; without t or tt AM is assumed.
//
// The result is the date (when a year, month or day was read; unread parts
// are the current year, January and the 1st) plus the time, else only the
// time. Text left over after the pattern is ignored.
#pragma once

#include "platform/SysUtils.h"

namespace vyr {

// Results of ParseDateTimeText.
inline constexpr int dtParsed = 0;
inline constexpr int dtLiteralMismatch = -1;  // a literal of the pattern is not in the text
inline constexpr int dtBadPattern = -2;       // a run of pattern letters that means nothing
inline constexpr int dtBadValue = -3;         // a number or name that does not read, or an
                                              // impossible date or time

// Reads Text against Pattern into Value; on failure Value is 0 and the
// result is one of the negative codes. The current year and the two-digit
// year window come from the clock and FormatSettings, or are given.
int ParseDateTimeText(const vcl::String& Text, const vcl::String& Pattern, vcl::TDateTime& Value);
int ParseDateTimeText(const vcl::String& Text, const vcl::String& Pattern, vcl::TDateTime& Value,
                      int CurrentYear, int TwoDigitYearWindow);

}  // namespace vyr
