// Line scan conversion (internal): the Bresenham line of one-pixel pens,
// pen styles, and geometric lines of wider pens.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/raster/Pixel.h"

namespace vcl::raster {

// Visits the pixels of the line from (X0, Y0) towards (X1, Y1), the end
// pixel left out, that lie inside Clip. Plot(x, y, i) gets the step number i
// from the start, so styled pens keep their rhythm across the clip. The
// minor coordinate rounds halves toward the start: from (0, 0) to (4, 2) the
// pixels are (0,0) (1,0) (2,1) (3,1). Only the clipped steps are visited.
template <class PlotFn>
void Bresenham(int X0, int Y0, int X1, int Y1, const TRect& Clip, PlotFn&& Plot) {
  const std::int64_t dx = std::int64_t{X1} - X0, dy = std::int64_t{Y1} - Y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  // Work in (major, minor) coordinates.
  const std::int64_t dMaj = xMajor ? dx : dy, dMin = xMajor ? dy : dx;
  const std::int64_t n = std::llabs(dMaj);
  if (n == 0) return;
  const std::int64_t sMaj = dMaj > 0 ? 1 : -1, sMin = dMin >= 0 ? 1 : -1;
  const std::int64_t aMin = std::llabs(dMin);
  const std::int64_t maj0 = xMajor ? X0 : Y0, min0 = xMajor ? Y0 : X0;
  const std::int64_t lo = xMajor ? Clip.Left : Clip.Top, hi = xMajor ? Clip.Right : Clip.Bottom;
  const std::int64_t mlo = xMajor ? Clip.Top : Clip.Left, mhi = xMajor ? Clip.Bottom : Clip.Right;
  // Steps whose major coordinate lies inside the clip.
  std::int64_t i0 = sMaj > 0 ? lo - maj0 : maj0 - hi + 1;
  std::int64_t i1 = sMaj > 0 ? hi - maj0 : maj0 - lo + 1;
  if (i0 < 0) i0 = 0;
  if (i1 > n) i1 = n;
  if (i0 >= i1) return;
  // minor(i) = min0 + sMin * floor((2·i·aMin + n - 1) / (2n)), kept incrementally.
  const std::int64_t den = 2 * n;
  std::int64_t num = 2 * i0 * aMin + n - 1;
  std::int64_t q = num / den, r = num % den;
  for (std::int64_t i = i0; i < i1; ++i) {
    const std::int64_t minor = min0 + sMin * q;
    if (minor >= mlo && minor < mhi) {
      const std::int64_t major = maj0 + sMaj * i;
      if (xMajor) Plot(static_cast<int>(major), static_cast<int>(minor), i);
      else Plot(static_cast<int>(minor), static_cast<int>(major), i);
    } else if ((sMin > 0) == (minor >= mhi) && aMin != 0) {
      break;  // moving away from the clip for good
    }
    r += 2 * aMin;
    while (r >= den) { r -= den; ++q; }
  }
}

// The on/off rhythm of a styled one-pixel pen: bit i of Mask is pixel i
// of a Period-pixel cycle.
struct DashPattern {
  std::uint32_t Mask = 1;
  int Period = 1;
  bool On(std::int64_t Step) const { return (Mask >> (Step % Period)) & 1u; }
};
DashPattern DashOf(TPenStyle Style);

// How a one-pixel line paints: pen pixels in Color, the gaps of a styled
// pen in Gap when OpaqueGaps (a solid background), both through Mode.
struct LinePen {
  Pixel Color = 0;
  TPenMode Mode = pmCopy;
  DashPattern Dash;
  bool Styled = false;
  bool OpaqueGaps = false;
  Pixel Gap = 0;
};

// Draws the one-pixel line; Phase is the position in the style cycle at the
// start and is advanced by the line's length.
void ThinLine(const Target& T, int X0, int Y0, int X1, int Y1, const LinePen& Pen,
              std::int64_t& Phase);

// Pixel rows collected from several pieces and painted once, so that
// overlapping pieces (the joints of a wide polyline) change each pixel once
// even under XOR.
class SpanSet {
 public:
  explicit SpanSet(const TRect& Clip);
  const TRect& Clip() const { return FClip; }
  // Adds X0..X1-1 of row Y, clipped.
  void Add(int Y, int X0, int X1);
  void Paint(const Target& T, const Fill& F);

 private:
  TRect FClip;
  std::vector<std::vector<std::pair<int, int>>> FRows;
};

// Adds a geometric line of Width pixels with round ends between two pixel
// centres: the pixels whose centre lies within Width/2 of the segment
// (a pixel on the far edge of an even width belongs to the next row).
void WideLine(SpanSet& Spans, int X0, int Y0, int X1, int Y1, int Width);
// Adds every one-pixel line of a polyline (each end point left out).
void ThinLineSpans(SpanSet& Spans, int X0, int Y0, int X1, int Y1);

}  // namespace vcl::raster
