// Where the slides of a thumbnail strip lie: the pure arithmetic shared by
// painting, hit testing and the focus frame.
//
// The grid starts 10 pixels from the left and top edges. Every cell is
// Cell = SlideSize + 2 × SlideMargin pixels across plus one (its corners
// (x0, y0) and (x0 + Cell, y0 + Cell) both belong to it); cells repeat
// every Pitch = SlideSize + SlideDistance + 2 × SlideMargin pixels.
//
//   10  x0                x0 + Cell   x0 + Pitch
//   |   |<-M->|<- S ->|<-M->|<- D ->|
//       [ cover [image ] cover]      [next cell ...
//
// The scroll position First (FirstThumbIdx) is a slide number with a
// fraction: Trunc(First) is the first slide of the top row, and
// Frac(First) × Pitch (rounded, halves to even) the pixels of that row
// scrolled out above the grid's top. Integer divisions truncate toward
// zero, as the rules below are written.
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace vyr {

// Sizes and scroll position of a strip, taken once per paint or hit test.
struct TThumbLayout {
  int SlideSize = 120;
  int SlideDistance = 2;
  int SlideMargin = 7;
  int Columns = 1;     // NumSlidesHoriz, at least 1
  double First = 1.0;  // FirstThumbIdx
  int Width = 260;     // of the control
  int Height = 400;

  int Pitch() const { return SlideSize + SlideDistance + 2 * SlideMargin; }
  int Cell() const { return SlideSize + 2 * SlideMargin; }
};

// The grid's offset from the control's left and top edges.
inline constexpr int ThumbGridOrigin = 10;

// Columns that fit a control Width pixels wide: (Width - 20 + Distance)
// div Pitch, at least 1.
int ThumbColumns(int Width, int Pitch, int Distance);
// Rows painted for a control Height pixels high: Height div Pitch + 1.
int ThumbRows(int Height, int Pitch);
// A scroll position made to fit the grid: X is clamped to Min..Max, then
// moved to c + (X - c) / Columns where c = Trunc(X - 1) div Columns ×
// Columns + 1 is the first slide of the row holding slide X. With two
// columns 4 becomes 3.5 (the row of slides 3 and 4 half scrolled out).
double QuantizeFirstThumb(double X, int Min, int Max, int Columns);
// Pixels of the top row scrolled out: Round(Frac(First) × Pitch).
int ThumbScrollPixels(const TThumbLayout& L);
// The slide painted in grid column I and row J (both from 0).
std::int64_t ThumbSlideAt(const TThumbLayout& L, int I, int J);
// The cell of grid column I and row J (from 0): Left/Top its first pixel,
// Right/Bottom its last (x0 + Cell, y0 + Cell).
vcl::TRect ThumbCellCorners(const TThumbLayout& L, int I, int J);
// The slide under a point of the control, or 0 when the point is in a gap,
// within 10 pixels of an edge, beyond the columns, or the slide lies
// outside Min..Max (CalcSlideIndex).
int ThumbSlideAtPoint(const TThumbLayout& L, int Min, int Max, int X, int Y);
// The top-left corner of slide N's cell for the current scroll position
// (CalcSlidePos); N need not be shown.
vcl::TPoint ThumbSlidePos(const TThumbLayout& L, int N);
// Where an image of W × H pixels (both above 0) is stretched into the cell
// whose corners are Cell: the image area of Size pixels square inside the
// margin M, the image's longer side filling it and the other centred:
//   H > W: f = Round(W × Size / H), left = x0 + M + (Size - f) div 2,
//          top = y0 + M, right = left + f, bottom = y1 - M
//   else:  f = Round(H × Size / W), left = x0 + M, top = y0 + M +
//          (Size - f) div 2, right = x1 - M, bottom = top + f
// Right and Bottom are exclusive.
vcl::TRect ThumbImageRect(const vcl::TRect& Cell, int Margin, int Size, int W, int H);
// The focus frame of the cell at Pos: Left = X + 2, Top = max(Y + 2, 2),
// Right = X + Cell - 2, Bottom = min(Y + Cell - 2, Height - 3), corners
// included.
vcl::TRect ThumbFocusCorners(const TThumbLayout& L, vcl::TPoint Pos);

}  // namespace vyr
