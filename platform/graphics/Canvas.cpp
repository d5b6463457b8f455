// The canvas: state, attachment to pixels, lines, rectangles and pixels.
#include <vector>

#include "platform/WinapiGdi.h"
#include "platform/graphics/CanvasAccess.h"
#include "platform/raster/Shapes.h"

namespace vcl {

using A = CanvasAccess;

TCanvas::TCanvas() : FCopyMode(static_cast<TCopyMode>(SRCCOPY)), FStretchMode(COLORONCOLOR) {}

TCanvas::~TCanvas() = default;

void TCanvas::Attach(const TSurface& Surface, TPoint Origin, const TRect& DeviceClip) {
  FSurface = Surface;
  FOrigin = Origin;
  SetDeviceClip(DeviceClip);
}

void TCanvas::Detach() {
  FSurface = TSurface{};
  FClip = TRect();
}

void TCanvas::SetDeviceClip(const TRect& DeviceClip) {
  FClip = DeviceClip.Intersect(TRect(0, 0, FSurface.Width, FSurface.Height));
}

TRect TCanvas::IntersectClip(const TRect& R) {
  const TRect previous = FClip;
  TRect d = R;
  d.Offset(FOrigin.X, FOrigin.Y);
  FClip = FClip.Intersect(d);
  return previous;
}

TRect TCanvas::ClipRect() const {
  TRect r = FClip;
  r.Offset(-FOrigin.X, -FOrigin.Y);
  return r;
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging();
}

// ---------------------------------------------------------------- pixels

TColor TCanvas::Pixels(int X, int Y) const {
  const TPoint d = A::Dev(*this, {X, Y});
  if (FSurface.Pixels == nullptr || !FClip.Contains(d)) return 0xFFFFFFFFu;
  return raster::ToColor(A::Target(*this).Row(d.Y)[d.X]);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  const TPoint d = A::Dev(*this, {X, Y});
  if (FSurface.Pixels == nullptr || !FClip.Contains(d)) return;
  Changing();
  A::Target(*this).Row(d.Y)[d.X] = raster::ToPixel(Color);
}

// ---------------------------------------------------------------- lines

void TCanvas::MoveTo(int X, int Y) {
  FPenPos = {X, Y};
  FPenPhase = 0;
}

// One-pixel pens draw each segment without its end point; wide pens draw
// the union of round-ended segments, each pixel changed once.
void StrokeDevicePath(TCanvas& C, std::span<const TPoint> P, bool Closed,
                      std::int64_t& Phase) {
  if (!A::PenVisible(C) || P.size() < 2) return;
  const raster::Target t = A::Begin(C);
  const std::size_t n = P.size(), segments = Closed ? n : n - 1;
  if (A::PenWidth(C) == 1) {
    const raster::LinePen pen = A::LinePen(C);
    for (std::size_t i = 0; i < segments; ++i) {
      const TPoint a = P[i], b = P[(i + 1) % n];
      raster::ThinLine(t, a.X, a.Y, b.X, b.Y, pen, Phase);
    }
    return;
  }
  if (t.Empty()) return;
  raster::SpanSet spans(t.Clip);
  for (std::size_t i = 0; i < segments; ++i) {
    const TPoint a = P[i], b = P[(i + 1) % n];
    raster::WideLine(spans, a.X, a.Y, b.X, b.Y, A::PenWidth(C));
  }
  spans.Paint(t, A::PenFill(C));
}

namespace {

std::vector<TPoint> DevicePoints(const TCanvas& C, std::span<const TPoint> Points) {
  std::vector<TPoint> d;
  d.reserve(Points.size());
  for (const TPoint& p : Points) d.push_back(A::Dev(C, p));
  return d;
}

}  // namespace

void TCanvas::LineTo(int X, int Y) {
  const TPoint path[2] = {A::Dev(*this, FPenPos), A::Dev(*this, {X, Y})};
  StrokeDevicePath(*this, path, false, FPenPhase);
  FPenPos = {X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  std::int64_t phase = 0;
  StrokeDevicePath(*this, DevicePoints(*this, Points), false, phase);
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (Points.empty()) return;
  const std::vector<TPoint> d = DevicePoints(*this, Points);
  if (A::BrushVisible(*this) && d.size() >= 3) {
    const raster::Target t = A::Begin(*this);
    const raster::Fill fill = A::BrushFill(*this, FPen.Mode());
    raster::PolygonSpans(d, t.Clip,
                         [&](int y, int x0, int x1) { raster::FillSpan(t, y, x0, x1, fill); });
  }
  std::int64_t phase = 0;
  StrokeDevicePath(*this, d, true, phase);
}

// ---------------------------------------------------------------- rectangles

void TCanvas::FillRect(const TRect& R) {
  if (!A::BrushVisible(*this) || R.IsEmpty()) return;
  const raster::Target t = A::Begin(*this);
  raster::FillArea(t, A::DevBox(*this, R.Left, R.Top, R.Right, R.Bottom),
                   A::BrushFill(*this, pmCopy));
}

void TCanvas::FrameRect(const TRect& R) {
  if (!A::BrushVisible(*this) || R.IsEmpty()) return;
  const raster::Target t = A::Begin(*this);
  const TRect d = A::DevBox(*this, R.Left, R.Top, R.Right, R.Bottom);
  const raster::Fill fill = A::BrushFill(*this, pmCopy);
  raster::FillArea(t, {d.Left, d.Top, d.Right, d.Top + 1}, fill);
  if (d.Height() > 1) raster::FillArea(t, {d.Left, d.Bottom - 1, d.Right, d.Bottom}, fill);
  raster::FillArea(t, {d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, fill);
  if (d.Width() > 1) raster::FillArea(t, {d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, fill);
}

void TCanvas::DrawFocusRect(const TRect& R) {
  if (R.IsEmpty()) return;
  const raster::Target t = A::Begin(*this);
  if (t.Empty()) return;
  const TRect d = A::DevBox(*this, R.Left, R.Top, R.Right, R.Bottom);
  // Every other pixel of the frame (a device checkerboard) is inverted, so a
  // second call restores the picture.
  auto invert = [&](int x, int y) {
    if (((x + y) & 1) == 0 && t.Clip.Contains({x, y})) t.Row(y)[x] ^= raster::kRgbMask;
  };
  for (int x = std::max(d.Left, t.Clip.Left); x < std::min(d.Right, t.Clip.Right); ++x) {
    invert(x, d.Top);
    if (d.Height() > 1) invert(x, d.Bottom - 1);
  }
  for (int y = std::max(d.Top + 1, t.Clip.Top); y < std::min(d.Bottom - 1, t.Clip.Bottom); ++y) {
    invert(d.Left, y);
    if (d.Width() > 1) invert(d.Right - 1, y);
  }
}

}  // namespace vcl
