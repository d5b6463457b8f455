// Filled figures and their outlines.
#include "platform/raster/Shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vcl::raster {

RoundShape::RoundShape(const TRect& Box, int CornerW, int CornerH) : FBox(Box) {
  if (FBox.IsEmpty()) return;
  const int w = FBox.Width(), h = FBox.Height();
  CornerW = std::clamp(CornerW, 1, w);
  CornerH = std::clamp(CornerH, 1, h);
  FA = (CornerW - 1) / 2;
  FB = (CornerH - 1) / 2;
  FExtraX = w - 1 - 2 * FA;
  FExtraY = h - 1 - 2 * FB;
}

namespace {

// Products of two coordinates squared need more than 64 bits.
__extension__ using Wide = unsigned __int128;

Wide Square(std::uint64_t V) { return Wide{V} * V; }

}  // namespace

// The helpers are inline so that the row loop does not call through the
// library's symbol table.

// Distance in rows from the straight middle part (0 within it).
inline int RoundShape::CornerDy(int Y) const {
  const int mid0 = FBox.Top + FB, mid1 = mid0 + FExtraY;
  return Y < mid0 ? mid0 - Y : (Y > mid1 ? Y - mid1 : 0);
}

inline bool RoundShape::Fits(std::int64_t Dx, std::int64_t Dy) const {
  const std::uint64_t a = 2 * std::uint64_t(FA) + 1, b = 2 * std::uint64_t(FB) + 1;
  return Square(2 * std::uint64_t(Dx) * b) + Square(2 * std::uint64_t(Dy) * a) <= Square(a * b);
}

// The largest dx that fits row Dy of the corner (0 <= Dy <= b): a first
// guess in floating point, made exact by the whole-number test.
inline int RoundShape::HalfWidth(int Dy) const {
  if (Dy == 0 || FA == 0) return FA;
  const double a = 2.0 * FA + 1, b = 2.0 * FB + 1;
  const double guess = a * std::sqrt(b * b - 4.0 * Dy * Dy) / (2 * b);
  int h = static_cast<int>(std::clamp(guess, 0.0, double(FA)));
  while (h > 0 && !Fits(h, Dy)) --h;
  while (h < FA && Fits(h + 1, Dy)) ++h;
  return h;
}

// The same from a guess close to it, as the half width of a neighbouring
// row is: a few steps up or down, or else the direct way.
inline int RoundShape::HalfWidthNear(int Dy, int Guess) const {
  constexpr int kSteps = 8;
  int h = Guess;
  if (Fits(h, Dy)) {
    for (int k = 0; k < kSteps; ++k, ++h) {
      if (h == FA || !Fits(h + 1, Dy)) return h;
    }
  } else {
    for (int k = 0; k < kSteps; ++k) {
      if (Fits(--h, Dy)) return h;
    }
  }
  return HalfWidth(Dy);
}

inline RowSpan RoundShape::Span(int HalfWidth) const {
  const int cx = FBox.Left + FA;
  return {cx - HalfWidth, cx + FExtraX + HalfWidth + 1};
}

RowSpan RoundShape::Row(int Y) const {
  if (FBox.IsEmpty() || Y < FBox.Top || Y >= FBox.Bottom) return {};
  return Span(HalfWidth(CornerDy(Y)));
}

void RoundShape::Paint(const Target& T, const Fill& F) const {
  if (FBox.IsEmpty() || T.Empty()) return;
  const int top = std::max(FBox.Top, T.Clip.Top), bottom = std::min(FBox.Bottom, T.Clip.Bottom);
  if (top >= bottom) return;
  int h = HalfWidth(CornerDy(top));
  for (int y = top; y < bottom; ++y) {
    h = HalfWidthNear(CornerDy(y), h);
    const RowSpan s = Span(h);
    FillSpan(T, y, std::max(s.X0, T.Clip.Left), std::min(s.X1, T.Clip.Right), F);
  }
}

namespace {

TRect Deflated(const TRect& R, int D) {
  return {R.Left + D, R.Top + D, R.Right - D, R.Bottom - D};
}

// The pen of width w centred on the one-pixel outline of the box.
TRect PenBox(const TRect& Box, int Width, bool InsideFrame) {
  if (Width <= 1 || InsideFrame) return Box;
  return {Box.Left - Width / 2, Box.Top - Width / 2, Box.Right + (Width - 1) / 2,
          Box.Bottom + (Width - 1) / 2};
}

}  // namespace

Outlined::Outlined(const TRect& Box, int CornerW, int CornerH, int Width, bool InsideFrame)
    : FWidth(std::max(Width, 1)) {
  // The corners grow with the pen box, which gives a wide pen round joins
  // on a rectangle and keeps an ellipse an ellipse.
  const TRect pen = PenBox(Box, FWidth, InsideFrame);
  const int grow = pen.Width() - Box.Width();
  const int cw = std::min(CornerW, Box.Width()) + grow, ch = std::min(CornerH, Box.Height()) + grow;
  FOuter = RoundShape(pen, cw, ch);
  FInner = RoundShape(Deflated(pen, FWidth), cw - 2 * FWidth, ch - 2 * FWidth);
}

RowSpan Outlined::InnerRow(int Y) const {
  // Interior: inside the figure by the pen width in every axis direction,
  // and (for wide pens) inside the figure shrunk by the pen width.
  const RowSpan o = FOuter.Row(Y);
  RowSpan in{o.X0 + FWidth, o.X1 - FWidth};
  for (int j = 1; j <= FWidth && !in.Empty(); ++j) {
    for (int yy : {Y - j, Y + j}) {
      const RowSpan n = FOuter.Row(yy);
      in.X0 = std::max(in.X0, n.X0);
      in.X1 = std::min(in.X1, n.X1);
      if (n.Empty()) in.X1 = in.X0;
    }
  }
  if (FWidth > 1 && !in.Empty()) {
    const RowSpan i2 = FInner.Row(Y);
    in.X0 = std::max(in.X0, i2.X0);
    in.X1 = std::min(in.X1, i2.X1);
    if (i2.Empty()) in.X1 = in.X0;
  }
  return in;
}

void Outlined::Row(int Y, const SpanFn& Ring, const SpanFn& Inner) const {
  const RowSpan o = FOuter.Row(Y);
  if (o.Empty()) return;
  const RowSpan in = InnerRow(Y);
  if (in.Empty()) {
    if (Ring) Ring(Y, o.X0, o.X1);
    return;
  }
  if (Ring) {
    Ring(Y, o.X0, in.X0);
    Ring(Y, in.X1, o.X1);
  }
  if (Inner) Inner(Y, in.X0, in.X1);
}

void PolygonSpans(std::span<const TPoint> Points, const TRect& Clip, const SpanFn& Out) {
  const std::size_t n = Points.size();
  if (n < 3 || Clip.IsEmpty()) return;
  int top = Points[0].Y, bottom = Points[0].Y;
  for (const TPoint& p : Points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  top = std::max(top, Clip.Top);
  bottom = std::min(bottom + 1, Clip.Bottom);
  std::vector<double> xs;
  // Pixel (x, y) stands for the point (x, y), as it does for the outline's
  // lines: sampling there keeps the fill inside a one-pixel outline on
  // sloped edges. Left and top edges are in, right and bottom edges out.
  for (int y = top; y < bottom; ++y) {
    const double yc = y;
    xs.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const TPoint& a = Points[i];
      const TPoint& b = Points[(i + 1) % n];
      // Half-open in y so a vertex shared by two edges counts once.
      if ((a.Y <= yc) == (b.Y <= yc)) continue;
      xs.push_back(a.X + (yc - a.Y) * double(b.X - a.X) / double(b.Y - a.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      // Pixels x in [xs[k], xs[k+1]).
      const int x0 = std::max(Clip.Left, static_cast<int>(std::ceil(xs[k])));
      const int x1 = std::min(Clip.Right, static_cast<int>(std::ceil(xs[k + 1])));
      if (x1 > x0) Out(y, x0, x1);
    }
  }
}

}  // namespace vcl::raster
