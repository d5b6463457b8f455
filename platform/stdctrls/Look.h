// Drawing helpers the standard controls share: 3-D borders and bevels,
// push-button faces, check marks, focus rectangles and scroll bars. They
// draw with the system colors, so a control looks the same wherever it is.
#pragma once

#include "platform/Graphics.h"

namespace vcl::look {

// Two one-pixel rings inside R: the sunken border of edits and lists
// (outer clBtnShadow/clBtnHighlight, inner cl3DDkShadow/cl3DLight).
void DrawSunkenBorder(TCanvas& C, const TRect& R);
// A one-pixel ring inside R in Color.
void DrawFlatBorder(TCanvas& C, const TRect& R, TColor Color);
// A one-pixel ring: TopLeft on the top and left edges, BottomRight on the
// bottom and right edges (the corners top-right and bottom-left belong to
// the bottom-right color).
void DrawEdge(TCanvas& C, const TRect& R, TColor TopLeft, TColor BottomRight);
// A raised (or, when Down, pressed) push-button frame inside R, two pixels wide.
void DrawButtonFrame(TCanvas& C, const TRect& R, bool Down);
// The 13 × 13 box of a check box at (X, Y) with a check mark when
// State is 1 and a grayed mark when it is 2; a pushed box has a face-colored
// inside.
void DrawCheckBox(TCanvas& C, int X, int Y, int State, bool Enabled, bool Pushed = false);
// A down-pointing filled triangle centred in R (drop-down buttons).
void DrawDownArrow(TCanvas& C, const TRect& R, TColor Color);
// A plain scroll bar in R: track, and a thumb covering the fraction
// Page / Total of it starting at Position / Total (Total <= Page: no thumb).
void DrawScrollBar(TCanvas& C, const TRect& R, bool Vertical, int Position, int Page,
                   int Total);
// Size of a standard scroll bar.
constexpr int ScrollBarSize = 17;

}  // namespace vcl::look
