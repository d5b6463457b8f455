// The framework's standard look: 3-D edges and bevels, push-button faces,
// arrows, check-box and radio glyphs, focus rectangles, header sections,
// the size grip, the parts of a scroll bar and engraved (disabled) text.
// Every control that draws one of these calls the function here, so the
// framework looks the same everywhere and follows the system colors.
//
// Common rules (each function's comment says what it draws pixel by pixel):
// - Rectangles are (Left, Top, Right, Bottom) with Right and Bottom
//   exclusive; "inset n" means the rectangle shrunk by n on every side.
// - A ring is the one-pixel outline just inside a rectangle. A ring "TL/BR"
//   has TL on the top row (all but its last pixel) and the left column (all
//   but its last pixel), BR on the bottom row and the right column: the
//   top-right and bottom-left corners belong to BR (so does all of a ring
//   one pixel high or wide).
// - Every color is a system color (clBtnFace, clBtnShadow, clBtnHighlight,
//   cl3DDkShadow, cl3DLight, clWindow, clWindowText, clWindowFrame,
//   clBtnText, clScrollBar), unless the caller passes one. On the canvas a
//   system color shows as its ColorToRGB value.
// - The canvas's pen, brush and font are left as they were; fills and
//   single pixels are opaque copies whatever the pen mode. Nothing is drawn
//   outside the rectangle given (or the glyph cell at X, Y).
// - An empty rectangle draws nothing.
#pragma once

#include <cstdint>

#include "platform/Graphics.h"
#include "platform/Types.h"

namespace vcl::look {

// ---------------------------------------------------------------- edges

// The one- and two-ring 3-D edges. Single rings, TL/BR:
//   ekRaisedOuter  cl3DLight / cl3DDkShadow
//   ekRaisedInner  clBtnHighlight / clBtnShadow
//   ekSunkenOuter  clBtnShadow / clBtnHighlight
//   ekSunkenInner  cl3DDkShadow / cl3DLight
// Double rings, outer ring then the ring inside it:
//   ekRaised  ekRaisedOuter, ekRaisedInner
//   ekSunken  ekSunkenOuter, ekSunkenInner (the border of edits and lists)
//   ekEtched  clBtnShadow / clBtnHighlight, then clBtnHighlight / clBtnShadow (a groove)
//   ekBump    clBtnHighlight / clBtnShadow, then clBtnShadow / clBtnHighlight (a ridge)
enum TEdgeKind : std::uint8_t {
  ekRaisedOuter, ekRaisedInner, ekSunkenOuter, ekSunkenInner,
  ekRaised, ekSunken, ekEtched, ekBump
};

// Rings the edge takes: 1 for the single kinds, 2 for the double ones.
int EdgeWidth(TEdgeKind Kind);
// Draws the edge's rings inside R; returns R inset by EdgeWidth(Kind).
TRect DrawEdge(TCanvas& C, const TRect& R, TEdgeKind Kind);
// One ring inside R, TopLeft/BottomRight; returns R inset 1.
TRect DrawEdge(TCanvas& C, const TRect& R, TColor TopLeft, TColor BottomRight);
// The sunken border of edits, list boxes and combo boxes: ekSunken.
TRect DrawSunkenBorder(TCanvas& C, const TRect& R);
// One ring inside R all in Color (clWindowFrame: the border of a control
// without 3-D look); returns R inset 1.
TRect DrawFlatBorder(TCanvas& C, const TRect& R, TColor Color = clWindowFrame);

// ---------------------------------------------------------------- bevels

enum TBevelCut : std::uint8_t { bcLowered, bcRaised };

// Width rings inside R (Width < 1 draws nothing): raised
// clBtnHighlight / clBtnShadow, lowered clBtnShadow / clBtnHighlight.
// Returns R inset by the rings drawn (as many as fit).
TRect DrawBevel(TCanvas& C, const TRect& R, TBevelCut Cut, int Width = 1);
// An Outer bevel of Width rings and, right inside it, an Inner bevel of
// Width rings (a raised frame around a lowered field, or a ridge of
// raised inside lowered). Returns R inset by the rings drawn.
TRect DrawDoubleBevel(TCanvas& C, const TRect& R, TBevelCut Outer, TBevelCut Inner,
                      int Width = 1);

// ---------------------------------------------------------------- buttons

// The faces of a push button or speed button. The frame is at most two
// rings (TL/BR):
//   bfUp        clBtnHighlight / cl3DDkShadow, inner cl3DLight / clBtnShadow
//   bfDown      cl3DDkShadow / clBtnHighlight, inner clBtnShadow / cl3DLight
//               (pressed speed button, dropped combo box button)
//   bfFlat      no frame (a flat button at rest)
//   bfHot       one ring clBtnHighlight / clBtnShadow (a flat button under
//               the mouse; framed buttons keep bfUp under the mouse)
//   bfDisabled  as bfUp; the caller draws the content engraved
//   bfFlatDown  one ring clBtnShadow / clBtnHighlight (a flat button pressed)
//   bfPushed    one ring clBtnShadow all round (a push button held down)
// bfDown, bfFlatDown and bfPushed move the content one pixel right and down.
enum TButtonFace : std::uint8_t { bfUp, bfDown, bfFlat, bfHot, bfDisabled, bfFlatDown, bfPushed };

// foDefault: a ring of clWindowFrame around everything (the default or
// active push button); the frame and the content move in by one pixel.
// foFocused: a focus rectangle (DrawFocusRect) at R inset 4, where it stays
// in every state.
enum TFaceOption : std::uint8_t { foDefault, foFocused };
using TFaceOptions = Set<TFaceOption>;

// Whether the face shows pressed (content moved by one pixel).
bool FaceIsDown(TButtonFace Face);
// The area inside the frame: R inset 2, and 1 more with foDefault. The
// same in every state, so that a caption or glyph never jumps when a flat
// button lights up.
TRect ButtonInnerRect(const TRect& R, TFaceOptions Options = {});
// Where the caption and glyph go: ButtonInnerRect, moved by (1, 1) when
// FaceIsDown(Face).
TRect ButtonContentRect(const TRect& R, TButtonFace Face, TFaceOptions Options = {});
// Fills R with Fill (clNone leaves the inside as it is: a transparent flat
// button), draws the foDefault ring, the frame of Face and the focus
// rectangle; returns ButtonContentRect.
TRect DrawButtonFace(TCanvas& C, const TRect& R, TButtonFace Face, TFaceOptions Options = {},
                     TColor Fill = clBtnFace);
// Only the two-ring frame of bfUp (Down false) or bfDown (Down true)
// inside R; the inside is not touched.
void DrawButtonFrame(TCanvas& C, const TRect& R, bool Down);

// ---------------------------------------------------------------- arrows

enum TArrowDirection : std::uint8_t { adUp, adDown, adLeft, adRight };

// The size rule: n = max(1, (min(width, height) of R + 1) div 4) is the
// arrow's depth (rows of an up/down arrow, columns of a left/right one);
// its base is 2n - 1 pixels wide. It is centred: the middle of the base
// is at column (Left + Right) div 2 (row (Top + Bottom) div 2 for left and
// right), the first row (column) at Top + (height - n) div 2 (Left +
// (width - n) div 2). Line k from the tip (k = 0 .. n - 1) is 2k + 1
// pixels long. A 17 × 17 rectangle gets a 7-pixel base and depth 4.
int ArrowDepth(const TRect& R);
// The arrow in Color.
void DrawColoredArrow(TCanvas& C, const TRect& R, TArrowDirection Direction, TColor Color);
// The arrow of scroll and drop-down buttons: clBtnText; disabled, engraved:
// first in clBtnHighlight one pixel right and down (clipped to R), then in
// clBtnShadow.
void DrawArrow(TCanvas& C, const TRect& R, TArrowDirection Direction, bool Enabled = true);

// ---------------------------------------------------------------- scroll bar parts

// A scroll bar's arrow button: a bfUp face (pressed: bfPushed) filling R
// with clBtnFace and DrawArrow sized to the whole of R, moved by (1, 1)
// when pressed.
void DrawScrollButton(TCanvas& C, const TRect& R, TArrowDirection Direction, bool Pressed,
                      bool Enabled);
// The thumb: a bfUp face filling R.
void DrawScrollThumb(TCanvas& C, const TRect& R);
// The track: solid clScrollBar; the part being pressed (paging) solid
// clBtnShadow.
void DrawScrollTrack(TCanvas& C, const TRect& R, bool Pressed = false);

// ---------------------------------------------------------------- check and radio glyphs

// Both glyphs are 13 × 13 pixels with their top-left corner at (X, Y).
constexpr int CheckBoxSize = 13;
constexpr int RadioSize = 13;

// The check box: the ekSunken border on the 13 × 13 square, the 9 × 9
// inside (X + 2 .. X + 10) clWindow, or clBtnFace when grayed, disabled or
// pushed. State is 0 unchecked, 1 checked, 2 grayed (the ordinals of
// TCheckBoxState). Checked and grayed boxes show the check mark
// (DrawCheckMark): clWindowText, or clBtnShadow when grayed or disabled.
void DrawCheckBox(TCanvas& C, int X, int Y, int State, bool Enabled, bool Pushed = false);
// The check mark of a 13 × 13 box at (X, Y): seven columns X + 3 .. X + 9,
// column i three pixels high from row Y + 5 + i for i = 0, 1, 2 and from
// row Y + 7 - (i - 2) for i = 2 .. 6 (a short stroke down, a long one up).
void DrawCheckMark(TCanvas& C, int X, int Y, TColor Color);
// The radio button: a circle in the 13 × 13 cell. Rows of the cell, '#'
// the outer ring, '+' the inner ring, 'o' the inside, '.' untouched:
//   ....#####....      row 0
//   ..##+++++##..
//   .##+ooooo+##.
//   .#+ooooooo+#.
//   #+ooooooooo+#
//   #+ooooooooo+#
//   #+ooooooooo+#      row 6
//   #+ooooooooo+#
//   #+ooooooooo+#
//   .#+ooooooo+#.
//   .##+ooooo+##.
//   ..##+++++##..
//   ....#####....      row 12
// A ring pixel (dx, dy) from the centre (X + 6, Y + 6) takes the top-left
// color when dx + dy < 0, else the bottom-right color: outer ring
// clBtnShadow / clBtnHighlight, inner ring cl3DDkShadow / cl3DLight. The
// inside is clWindow, or clBtnFace when disabled or pushed. A checked
// radio shows the dot (DrawRadioDot): clWindowText, or clBtnShadow
// when disabled.
void DrawRadio(TCanvas& C, int X, int Y, bool Checked, bool Enabled, bool Pushed = false);
// The dot of a 13 × 13 radio cell at (X, Y): rows Y + 4 and Y + 8 columns
// X + 5 .. X + 7, rows Y + 5 .. Y + 7 columns X + 4 .. X + 8.
void DrawRadioDot(TCanvas& C, int X, int Y, TColor Color);
// The flat (one-line) outline of a check box or radio in the 13 × 13 cell
// at (X, Y): the square ring of the 11 × 11 box from (X + 1, Y + 1), or the
// circle the canvas's Ellipse draws in that box, in Outline. The inside is
// not touched.
void DrawFlatCheckFrame(TCanvas& C, int X, int Y, bool Radio, TColor Outline);

// ---------------------------------------------------------------- focus

// The focus rectangle: every other pixel of the ring inside R (those whose
// device x + y is even) inverted, so that drawing it twice restores the
// picture. It uses neither pen nor brush.
void DrawFocusRect(TCanvas& C, const TRect& R);

// ---------------------------------------------------------------- header sections

enum THeaderSort : std::uint8_t { hsNone, hsAscending, hsDescending };

// A sort arrow centred at (X0, Y0), nine pixels wide and seven high, lit
// from the top left, drawn as one-pixel lines (end points excluded):
// ascending (pointing up): Dark from (X0 - 4, Y0 + 3) to (X0, Y0 - 3), then
// Light on to (X0 + 4, Y0 + 3) and back to (X0 - 4, Y0 + 3); descending
// (pointing down): Light from (X0 + 4, Y0 - 3) to (X0, Y0 + 3), then Dark on
// to (X0 - 4, Y0 - 3) and back to (X0 + 4, Y0 - 3). hsNone draws nothing.
void DrawSortArrow(TCanvas& C, int X0, int Y0, THeaderSort Sort, TColor Light = clBtnHighlight,
                   TColor Dark = clBtnShadow);
// A grid or list header cell: R filled with clBtnFace and one ring
// clBtnHighlight / clBtnShadow; pressed, one ring clBtnShadow all round.
// A sort arrow (DrawSortArrow) sits at X0 = Right - 9, Y0 = (Top + Bottom)
// div 2. Pressed moves the arrow and the returned text area by (1, 1).
// Returns the text area: R inset 2, less 14 pixels at the right when sorted.
TRect DrawHeaderSection(TCanvas& C, const TRect& R, THeaderSort Sort = hsNone,
                        bool Pressed = false);

// ---------------------------------------------------------------- size grip

// The size grip in the bottom-right corner of R: with s = (Right - 1 - x) +
// (Bottom - 1 - y) the pixel's distance from the corner along the
// diagonal, the pixels with 0 < s < min(12, width, height) form three
// ridges: s mod 4 = 1 or 2 clBtnShadow, 3 clBtnHighlight, 0 untouched.
void DrawSizeGrip(TCanvas& C, const TRect& R);

// ---------------------------------------------------------------- engraved text

// Disabled text: Text in clBtnHighlight at (X + 1, Y + 1), then in
// clBtnShadow at (X, Y) on top, with the canvas's font otherwise and a
// clear brush (only the glyphs are drawn).
void DrawEngravedText(TCanvas& C, int X, int Y, const String& Text);
// The same through DrawText with the DT_ Format flags in R: the highlight
// copy is laid out in R moved by (1, 1) and, unless Format has DT_NOCLIP,
// clipped to R like the text itself.
void DrawEngravedText(TCanvas& C, const TRect& R, const String& Text, unsigned Format);

}  // namespace vcl::look
