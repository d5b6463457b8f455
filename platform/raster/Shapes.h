// Scan conversion of filled figures (internal): rectangles, rounded
// rectangles and ellipses inscribed in a box, their outlines, and polygons.
#pragma once

#include <functional>
#include <span>

#include "platform/raster/Pixel.h"

namespace vcl::raster {

// Pixels X0..X1-1 of one row; empty when X1 <= X0.
struct RowSpan {
  int X0 = 0;
  int X1 = 0;
  bool Empty() const { return X1 <= X0; }
};

using SpanFn = std::function<void(int Y, int X0, int X1)>;

// A rectangle with rounded corners filling the box (Right and Bottom
// exclusive). The corners are the quarters of a CornerW × CornerH ellipse:
// the box size gives the inscribed ellipse, 1 × 1 a plain rectangle. The
// figure touches all four sides of the box; an even size gives a flat
// middle of two pixels.
//
// A corner ellipse has radii a + ½ and b + ½ around its centre pixel, and
// pixel (dx, dy) away from that pixel is inside when (dx, dy) lies within
// it: (2·dx·B)² + (2·dy·A)² ≤ (A·B)² with A = 2a + 1 and B = 2b + 1, in
// whole numbers, so that every size and position gives the same figure.
class RoundShape {
 public:
  RoundShape() = default;
  RoundShape(const TRect& Box, int CornerW, int CornerH);
  const TRect& Box() const { return FBox; }
  bool Empty() const { return FBox.IsEmpty(); }
  RowSpan Row(int Y) const;
  // Fills the figure within the target's clip, row after row, each half
  // width found from the row before it.
  void Paint(const Target& T, const Fill& F) const;

 private:
  int CornerDy(int Y) const;
  bool Fits(std::int64_t Dx, std::int64_t Dy) const;
  int HalfWidth(int Dy) const;
  int HalfWidthNear(int Dy, int Guess) const;
  RowSpan Span(int HalfWidth) const;

  TRect FBox;
  int FA = 0, FB = 0;          // corner radii in whole pixels
  int FExtraX = 0, FExtraY = 0;  // length of the straight middle parts
};

// A figure of the given box and corner size outlined with a pen of Width
// pixels. Inside (of a one-pixel pen) the outline is the figure's pixels
// that have a 4-neighbour outside it, so it is 8-connected and one pixel
// thin; a wider pen is centred on that line unless InsideFrame.
class Outlined {
 public:
  Outlined(const TRect& Box, int CornerW, int CornerH, int Width, bool InsideFrame);
  // The rows the outline may cover.
  int Top() const { return FOuter.Box().Top; }
  int Bottom() const { return FOuter.Box().Bottom; }
  // Calls Ring for the outline parts of row Y and Inner for the interior part.
  void Row(int Y, const SpanFn& Ring, const SpanFn& Inner) const;

 private:
  RowSpan InnerRow(int Y) const;

  int FWidth;
  RoundShape FOuter;
  RoundShape FInner;
};

// Calls Out for each row span of the polygon (closed automatically) under
// the alternate (even-odd) rule, within Clip. Pixel (x, y) is filled when
// the point (x, y) is inside; left and top edges are in, right and bottom out.
void PolygonSpans(std::span<const TPoint> Points, const TRect& Clip, const SpanFn& Out);

}  // namespace vcl::raster
