// Geometry and value mapping of the compound numeric control (TNumIO2):
// small pure functions that its painting and its hit testing share, so a
// pixel drawn and the pixel under the mouse always mean the same thing.
//
// The control, from left to right in its text strip (y from 0 to
// Height - G), with the gauge below it when visible:
//
//   | left caption | entry box          | up/down | right caption |
//   0          LeftSpace     LeftSpace+TextBoxWidth+2          Width
//                            xb = LeftSpace+TextBoxWidth+ButSpace
//   |      gauge (GaugeLeftMargin .. +GaugeWidth, GaugeHeight high) |
//
// G = GaugeHeight + GaugeTopMargin + 1 with the gauge, else 0.
// "div" below is integer division truncating toward zero.
#pragma once

#include <vector>

#include "platform/StdCtrls.h"
#include "platform/Types.h"

namespace vyr::numio2 {

// The settings the geometry depends on (the control's defaults).
struct TLayout {
  int Width = 160;
  int Height = 28;
  int LeftSpace = 35;
  int TextBoxWidth = 80;
  bool ButVisible = false;
  int ButWidth = 18;
  int ButHeight = 28;
  int ButSpace = 3;
  bool GaugeVisible = false;
  int GaugeHeight = 8;
  int GaugeWidth = 82;
  int GaugeLeftMargin = 35;
  int GaugeTopMargin = 3;
};

// ---- bands

// G: the height the gauge takes below the text strip (0 without gauge).
int GaugeBand(const TLayout& L);
// Height - G: the bottom of the text strip.
int StripBottom(const TLayout& L);
// B: ButWidth + ButSpace with the buttons, else 0.
int ButtonBand(const TLayout& L);
// xb: the left edge of the buttons.
int ButtonsLeft(const TLayout& L);
// ty: the y of every text, (Height - G - TextHeight) div 2.
int TextTop(const TLayout& L, int TextHeight);

// ---- rectangles (Right and Bottom exclusive, as the canvas takes them)

// The entry box as Rectangle draws it: x from LeftSpace to LeftSpace +
// TextBoxWidth + 2, y from 0 to Height - G (frame styles 0 and 1) or to
// Height - G - 1 (the 3-D styles, whose white or black outer line lies
// just right of and below it).
vcl::TRect BoxRect(const TLayout& L, bool ThreeD);
// The clip of the number: (LeftSpace + 3, 2, LeftSpace + TextBoxWidth - 1,
// Height - G - 3).
vcl::TRect NumberClip(const TLayout& L);
// The gauge: x from GaugeLeftMargin to GaugeLeftMargin + GaugeWidth, y from
// Height - GaugeHeight - 1 to Height - 1.
vcl::TRect GaugeRect(const TLayout& L);

// ---- text positions (W: width of the text concerned)

int LeftCaptionX(vcl::TAlignment A, const TLayout& L, int W);
int RightCaptionX(vcl::TAlignment A, const TLayout& L, int W);
// Where the number starts in the box.
int NumberX(vcl::TAlignment A, const TLayout& L, int W);
// The x of character offset Pos: NumberX plus the width of the characters
// before Pos (PrefixWidth).
int CharX(vcl::TAlignment A, const TLayout& L, int PrefixWidth, int W);
// The caret's offset from LeftSpace: one pixel left of CharX, so the caret
// is drawn at x = LeftSpace + offset and only when 0 < offset < TextBoxWidth.
int CaretOffset(vcl::TAlignment A, const TLayout& L, int PrefixWidth, int W);
// The character offset nearest to X, by the average character width
// (W div Length, at least 1): 0 for an empty text, never beyond Length.
int CharAtX(vcl::TAlignment A, const TLayout& L, int X, int W, int Length);

// ---- zones under the mouse

enum TButtonHit : int { bhNone, bhUp, bhDown };

// 0 < Y < Height - G.
bool InTextStrip(const TLayout& L, int Y);
// The buttons take xb < X < xb + ButWidth, 0 < Y < ButHeight; the upper
// half (Y <= ButHeight div 2) steps up.
TButtonHit ButtonAt(const TLayout& L, int X, int Y);
// A press sets the value when Y > Height - G and GaugeLeftMargin <= X <=
// GaugeLeftMargin + GaugeWidth.
bool GaugePressAt(const TLayout& L, int X, int Y);
// A move with the button held sets it from one pixel further on each side.
bool GaugeDragAt(const TLayout& L, int X, int Y);
// MouseAreaCode: 0 at or left of LeftSpace, 1 in the box, 2 right of it.
int MouseArea(const TLayout& L, int X);

// ---- value <-> gauge pixel

// (Value - Low) / (High - Low) clamped to 0..1; 1 when the limits are equal.
double GaugeFraction(double Value, double Low, double High);
// The right edge (exclusive) of the filled part:
// GaugeLeftMargin + round(GaugeWidth * Fraction), halves to even.
int GaugeFillRight(const TLayout& L, double Fraction);
// The value a press at X stands for: Low + (X - GaugeLeftMargin) /
// GaugeWidth * (High - Low), not clamped (Low for a gauge without width).
// GaugeFillRight of its fraction gives X back for X on the gauge.
double GaugeValueAt(const TLayout& L, int X, double Low, double High);

// ---- snapping and stepping

// The index of the pivot nearest to V (the earlier one on equal distance);
// -1 for no pivots.
int NearestPivot(const std::vector<double>& Pivots, double V);
// The value the gauge takes for V: the nearest pivot when there are any,
// then clamped to Low..High.
double GaugeSnap(const std::vector<double>& Pivots, double V, double Low, double High);
// The value after one step of the buttons from V. Without pivots V plus or
// minus Increment clamped to Low..High. With pivots, from the pivot k
// nearest to V: up moves to k + 1 when V >= pivot k - Epsilon, down to
// k - 1 when V <= pivot k + Epsilon (a value within Epsilon of a pivot
// counts as on it, a value between two pivots goes to the one on that
// side); the result is a pivot, not clamped. A step never goes against
// its direction: below the first pivot down keeps V, above the last one
// up keeps V.
double StepValue(const std::vector<double>& Pivots, double V, bool Up, double Increment,
                 double Epsilon, double Low, double High);

}  // namespace vyr::numio2
