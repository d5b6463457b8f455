// Base package: the suite's root exception, the shared enumerations and
// callback types, the frame and marker drawing helpers and the calendar
// name tables.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "platform/Color.h"

namespace vcl {
class TCanvas;
}

namespace vyr {

// Root of every exception the companion packages and the components raise.
class EVYRError : public vcl::Exception {
 public:
  using vcl::Exception::Exception;
};

// ---------------------------------------------------------------- enumerations

// Frame styles of the controls that draw frames (by ordinal: none, single
// line, sunken, raised, etched, bump).
enum TFrameStyle : std::uint8_t { fsNoFrame, fsSimple, fsLowered, fsRaised, fsEtched, fsBump };

// Line colors of 3-D frames: ordinal 0 gray 808080 and white; any other
// ordinal the system colors clBtnShadow and clBtnHighlight.
enum TColorScheme : std::uint8_t { csBWG, csSystem };

// Decimal-separator mode of number input: the system's separator, only the
// point, only the comma, or both.
enum TDecPSep : std::uint8_t { dsSystem, dsPoint, dsComma, dsBoth };

// How a background picture covers an area: once at its own size at the
// top-left corner, stretched over the whole area, or tiled.
enum TBkgFill : std::uint8_t { bfSimple, bfStretch, bfTile };

// Growth direction of bars: upward, downward, to the left, to the right.
enum TDirection : std::uint8_t { dirUp, dirDown, dirLeft, dirRight };

// Orientation of a movement: vertical (down) or horizontal (right).
enum TOrientation : std::uint8_t { orVertical, orHorizontal };

// Languages of the name tables. lgNeutral carries the English names.
enum TLanguage : std::uint8_t { lgNeutral, lgEnglish, lgGerman, lgFrench, lgSpanish };
inline constexpr int LanguageCount = 5;

// Field delimiters of CSV files.
enum TCSVDelimiters : std::uint8_t { csvComma, csvSemicolon, csvTab, csvSpace, csvPipe };

// The character a CSV delimiter stands for.
constexpr char16_t CSVDelimiterChar(TCSVDelimiters Delimiter) {
  switch (Delimiter) {
    case csvSemicolon: return u';';
    case csvTab: return u'\t';
    case csvSpace: return u' ';
    case csvPipe: return u'|';
    case csvComma: break;
  }
  return u',';
}

// ---------------------------------------------------------------- shared types

using TDoubleArray = std::vector<double>;

// Progress of a long operation, in percent (0..100).
using TOnPercentDoneEvent = std::function<void(vcl::TObject* Sender, int Percent)>;

// ---------------------------------------------------------------- drawing

// Draws a frame of the given style into the rectangle whose corner pixels
// are (Left, Top) and (Right, Bottom), both included. The lines are drawn
// one pixel wide and solid with the pen's mode; the pen's color, width and
// style and the brush are the same afterwards, and the inside is not
// touched.
// The five colors are, in this order: highlight (white), light (silver),
// shadow (gray), dark shadow (black), and the color of the single line.
//   fsNoFrame  nothing
//   fsSimple   one ring in ColorLine
//   fsLowered  outer ring shadow at top/left, highlight at bottom/right;
//              inner ring dark shadow at top/left, light at bottom/right
//   fsRaised   outer ring light / dark shadow; inner ring highlight / shadow
//   fsEtched   outer ring shadow / highlight; inner ring highlight / shadow
//   fsBump     outer ring highlight / shadow; inner ring shadow / highlight
// The top/left part of a ring runs from (Left, Bottom - 1) up to (Left, Top)
// and on to (Right - 1, Top); the bottom/right part owns the two other
// corners.
void DrawFrame(vcl::TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom,
               vcl::TColor ColorHighlight, vcl::TColor ColorLight, vcl::TColor ColorShadow,
               vcl::TColor ColorDarkShadow, vcl::TColor ColorLine);

// The outline of a rectangle with the current pen, corners (Left, Top) and
// (Right, Bottom) included; every outline pixel is drawn exactly once, so
// XOR pens can erase it again. The inside is not touched.
void DrawRectangle(vcl::TCanvas* Canvas, int Left, int Top, int Right, int Bottom);

// Number of marker symbols DrawMarkOnCanvas knows (0 .. MarkerCount - 1).
inline constexpr int MarkerCount = 52;
// Half the size of the largest marker symbol: every symbol lies within
// X - MarkerRadius .. X + MarkerRadius and likewise in Y.
inline constexpr int MarkerRadius = 5;

// Draws marker symbol Mark (0..51) centred at (X, Y) in the current pen
// color with the pen's mode, one pixel wide and solid (the pen is the same
// afterwards); outlines and fills alike use the pen color and the brush is
// not used. Numbers above 51 draw nothing.
//   0 dot; 1-10 square, circle, triangle up, triangle down, diamond, each
//   as outline then filled; 11 plus, 12 x, 13 star; 14-17 triangles left
//   and right, outline then filled; 18 horizontal, 19 vertical bar;
//   20-21 square and circle with a centre dot; 22-25 square and circle
//   with plus and with x; 26 diamond with plus; 27-30 small squares and
//   circles; 31-43 large squares, circles, triangles, diamonds, plus, x
//   and star; 44 hourglass, 45 bow tie; 46-47 double square and circle;
//   48 half-filled square, 49 half-filled circle; 50-51 arrows up, down.
void DrawMarkOnCanvas(vcl::TCanvas* Canvas, std::uint8_t Mark, int X, int Y);

// ---------------------------------------------------------------- name tables

// Month names indexed [language][month 1..12] (entry 0 is empty) and
// weekday abbreviations indexed [language][0 = Monday .. 6 = Sunday].
using TMonthNames = std::array<std::array<std::u16string_view, 13>, LanguageCount>;
using TWeekDayNames = std::array<std::array<std::u16string_view, 7>, LanguageCount>;

extern const TMonthNames MonthLong;
extern const TMonthNames MonthShort;
extern const TWeekDayNames WeekDayShort;

}  // namespace vyr
