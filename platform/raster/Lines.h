// Line scan conversion (internal): the Bresenham line of one-pixel pens,
// pen styles, and geometric lines of wider pens.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/raster/Pixel.h"

namespace vcl::raster {

// The steps of a one-pixel line inside a clip, in (major, minor)
// coordinates: step i is at major maj0 + sMaj·i and minor
// min0 + sMin·floor((2·i·aMin + n - 1) / (2n)), kept incrementally in Q and
// R. The minor coordinate rounds halves toward the start: from (0, 0) to
// (4, 2) the pixels are (0,0) (1,0) (2,1) (3,1). Steps I0..I1-1 have their
// major coordinate inside the clip; Empty when there are none.
struct LineSteps {
  LineSteps(int X0, int Y0, int X1, int Y1, const TRect& Clip) {
    const std::int64_t dx = std::int64_t{X1} - X0, dy = std::int64_t{Y1} - Y0;
    XMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t dMaj = XMajor ? dx : dy, dMin = XMajor ? dy : dx;
    N = std::llabs(dMaj);
    if (N == 0) return;
    SMaj = dMaj > 0 ? 1 : -1;
    SMin = dMin >= 0 ? 1 : -1;
    AMin = std::llabs(dMin);
    Maj0 = XMajor ? X0 : Y0;
    Min0 = XMajor ? Y0 : X0;
    const std::int64_t lo = XMajor ? Clip.Left : Clip.Top, hi = XMajor ? Clip.Right : Clip.Bottom;
    MinLo = XMajor ? Clip.Top : Clip.Left;
    MinHi = XMajor ? Clip.Bottom : Clip.Right;
    I0 = std::max<std::int64_t>(SMaj > 0 ? lo - Maj0 : Maj0 - hi + 1, 0);
    I1 = std::min<std::int64_t>(SMaj > 0 ? hi - Maj0 : Maj0 - lo + 1, N);
    const std::int64_t num = 2 * I0 * AMin + N - 1;
    Q = num / (2 * N);
    R = num % (2 * N);
  }
  bool Empty() const { return N == 0 || I0 >= I1; }
  std::int64_t Major(std::int64_t I) const { return Maj0 + SMaj * I; }
  std::int64_t Minor() const { return Min0 + SMin * Q; }
  bool MinorInside() const { return Minor() >= MinLo && Minor() < MinHi; }
  // Outside the clip across the line and moving away from it for good.
  bool Leaving() const { return (SMin > 0) == (Minor() >= MinHi) && AMin != 0; }
  void Step() {
    R += 2 * AMin;
    if (R >= 2 * N) {
      R -= 2 * N;
      ++Q;
    }
  }

  bool XMajor = true;
  std::int64_t N = 0, SMaj = 1, SMin = 1, AMin = 0, Maj0 = 0, Min0 = 0;
  std::int64_t MinLo = 0, MinHi = 0, I0 = 0, I1 = 0, Q = 0, R = 0;
};

// Visits the pixels of the line from (X0, Y0) towards (X1, Y1), the end
// pixel left out, that lie inside Clip. Plot(x, y, i) gets the step number i
// from the start, so styled pens keep their rhythm across the clip. Only
// the clipped steps are visited.
template <class PlotFn>
void Bresenham(int X0, int Y0, int X1, int Y1, const TRect& Clip, PlotFn&& Plot) {
  LineSteps w(X0, Y0, X1, Y1, Clip);
  if (w.Empty()) return;
  for (std::int64_t i = w.I0; i < w.I1; ++i, w.Step()) {
    if (w.MinorInside()) {
      const int major = static_cast<int>(w.Major(i)), minor = static_cast<int>(w.Minor());
      if (w.XMajor) Plot(major, minor, i);
      else Plot(minor, major, i);
    } else if (w.Leaving()) {
      break;
    }
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
