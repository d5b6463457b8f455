// One-pixel and geometric lines.
#include "platform/raster/Lines.h"

#include <algorithm>
#include <cmath>

namespace vcl::raster {

namespace {

// Builds the bit mask of a cycle of alternating on and off runs.
constexpr DashPattern Pattern(std::initializer_list<int> Runs) {
  DashPattern d{0, 0};
  bool on = true;
  for (int run : Runs) {
    for (int k = 0; k < run; ++k, ++d.Period) {
      if (on) d.Mask |= 1u << d.Period;
    }
    on = !on;
  }
  return d;
}

// A point of the row y + kEps lies in a closed shape; pixel centres are
// nudged by kEps so that shapes with edges exactly on pixel centres include
// their top and left edge pixels and leave out the bottom and right ones.
constexpr double kEps = 1.0 / 4096;

void AddRowInterval(SpanSet& S, int Y, double A, double B) {
  if (B < A) return;
  const int x0 = static_cast<int>(std::ceil(A - kEps));
  const int x1 = static_cast<int>(std::floor(B - kEps)) + 1;
  S.Add(Y, x0, x1);
}

struct Interval {
  double Lo = 1e300, Hi = -1e300;
  void Take(double X) { Lo = std::min(Lo, X); Hi = std::max(Hi, X); }
};

void DiscRow(Interval& I, double Cx, double Cy, double R, double Yy) {
  const double d = Yy - Cy;
  if (std::fabs(d) > R) return;
  const double h = std::sqrt(R * R - d * d);
  I.Take(Cx - h);
  I.Take(Cx + h);
}

void EdgeRow(Interval& I, double Ax, double Ay, double Bx, double By, double Yy) {
  if ((Ay - Yy) * (By - Yy) > 0 || Ay == By) return;
  I.Take(Ax + (Yy - Ay) * (Bx - Ax) / (By - Ay));
}

// The pixels Bresenham visits, written in one colour: the clip across the
// line is found once at its first visible pixel, and the loop after it
// steps a pointer, counting the minor steps left before the line leaves.
void SolidThinLine(const Target& T, LineSteps W, Pixel C) {
  if (W.Empty()) return;
  std::int64_t i = W.I0;
  for (; !W.MinorInside(); ++i, W.Step()) {
    if (i + 1 >= W.I1 || W.Leaving()) return;
  }
  const std::int64_t major = W.Major(i), minor = W.Minor();
  const std::int64_t x = W.XMajor ? major : minor, y = W.XMajor ? minor : major;
  Pixel* p = T.Row(static_cast<int>(y)) + x;
  const std::ptrdiff_t stride = T.Stride;
  const std::ptrdiff_t majStep = W.XMajor ? W.SMaj : W.SMaj * stride;
  const std::ptrdiff_t minStep = W.XMajor ? W.SMin * stride : W.SMin;
  std::int64_t minorLeft = W.SMin > 0 ? W.MinHi - 1 - minor : minor - W.MinLo;
  const std::int64_t twoA = 2 * W.AMin, den = 2 * W.N;
  std::int64_t r = W.R;
  for (;;) {
    *p = C;
    if (++i >= W.I1) return;
    p += majStep;
    r += twoA;
    if (r >= den) {
      r -= den;
      if (minorLeft-- == 0) return;
      p += minStep;
    }
  }
}

}  // namespace

DashPattern DashOf(TPenStyle Style) {
  switch (Style) {
    case psDash: return Pattern({18, 6});
    case psDot: return Pattern({3, 3});
    case psDashDot: return Pattern({9, 6, 3, 6});
    case psDashDotDot: return Pattern({9, 3, 3, 3, 3, 3});
    case psAlternate: return Pattern({1, 1});
    default: return DashPattern{};
  }
}

void ThinLine(const Target& T, int X0, int Y0, int X1, int Y1, const LinePen& Pen,
              std::int64_t& Phase) {
  const std::int64_t phase = Phase;
  Phase += std::max(std::llabs(std::int64_t{X1} - X0), std::llabs(std::int64_t{Y1} - Y0));
  if (T.Empty()) return;
  if (!Pen.Styled && Pen.Mode == pmCopy) {
    SolidThinLine(T, LineSteps(X0, Y0, X1, Y1, T.Clip), Pen.Color & kRgbMask);
    return;
  }
  Bresenham(X0, Y0, X1, Y1, T.Clip, [&](int x, int y, std::int64_t i) {
    Pixel& d = T.Row(y)[x];
    if (!Pen.Styled || Pen.Dash.On(phase + i)) d = Rop2(Pen.Mode, Pen.Color, d);
    else if (Pen.OpaqueGaps) d = Rop2(Pen.Mode, Pen.Gap, d);
  });
}

SpanSet::SpanSet(const TRect& Clip) : FClip(Clip) {
  FRows.resize(static_cast<std::size_t>(std::max(0, Clip.Height())));
}

void SpanSet::Add(int Y, int X0, int X1) {
  if (Y < FClip.Top || Y >= FClip.Bottom) return;
  X0 = std::max(X0, FClip.Left);
  X1 = std::min(X1, FClip.Right);
  if (X1 > X0) FRows[static_cast<std::size_t>(Y - FClip.Top)].emplace_back(X0, X1);
}

void SpanSet::Paint(const Target& T, const Fill& F) {
  for (std::size_t i = 0; i < FRows.size(); ++i) {
    auto& row = FRows[i];
    if (row.empty()) continue;
    std::sort(row.begin(), row.end());
    const int y = FClip.Top + static_cast<int>(i);
    int x0 = row[0].first, x1 = row[0].second;
    for (std::size_t k = 1; k < row.size(); ++k) {
      if (row[k].first > x1) {
        FillSpan(T, y, x0, x1, F);
        x0 = row[k].first;
      }
      x1 = std::max(x1, row[k].second);
    }
    FillSpan(T, y, x0, x1, F);
  }
}

void WideLine(SpanSet& Spans, int X0, int Y0, int X1, int Y1, int Width) {
  const double r = Width / 2.0;
  const double dx = double(X1) - X0, dy = double(Y1) - Y0;
  const double len = std::hypot(dx, dy);
  const double nx = len > 0 ? -dy / len * r : 0, ny = len > 0 ? dx / len * r : 0;
  const int top = std::max(Spans.Clip().Top, static_cast<int>(std::floor(std::min(Y0, Y1) - r)));
  const int bottom =
      std::min(Spans.Clip().Bottom, static_cast<int>(std::ceil(std::max(Y0, Y1) + r)) + 1);
  for (int y = top; y < bottom; ++y) {
    const double yy = y + kEps;
    Interval I;
    DiscRow(I, X0, Y0, r, yy);
    DiscRow(I, X1, Y1, r, yy);
    if (len > 0) {
      EdgeRow(I, X0 + nx, Y0 + ny, X1 + nx, Y1 + ny, yy);
      EdgeRow(I, X0 - nx, Y0 - ny, X1 - nx, Y1 - ny, yy);
    }
    AddRowInterval(Spans, y, I.Lo, I.Hi);
  }
}

void ThinLineSpans(SpanSet& Spans, int X0, int Y0, int X1, int Y1) {
  Bresenham(X0, Y0, X1, Y1, Spans.Clip(),
            [&](int x, int y, std::int64_t) { Spans.Add(y, x, x + 1); });
}

}  // namespace vcl::raster
