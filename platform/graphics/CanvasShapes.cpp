// The canvas figures: rectangles, rounded rectangles, ellipses, arcs, pies,
// chords, and flood fill.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "platform/graphics/CanvasAccess.h"
#include "platform/raster/Flood.h"
#include "platform/raster/Shapes.h"

namespace vcl {

using A = CanvasAccess;

namespace {

// A corner size that stands for "the whole box": an ellipse.
constexpr int kFull = 1 << 30;

void ClippedSpan(const raster::Target& T, int Y, int X0, int X1, const raster::Fill& F) {
  if (Y < T.Clip.Top || Y >= T.Clip.Bottom) return;
  raster::FillSpan(T, Y, std::max(X0, T.Clip.Left), std::min(X1, T.Clip.Right), F);
}

// Without a pen a figure is filled one pixel smaller to the right and
// bottom, where the pen would have drawn.
void FillWithoutPen(TCanvas& C, const raster::Target& T, const TRect& Box, int CornerW,
                    int CornerH) {
  if (!A::BrushVisible(C)) return;
  const TRect b(Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1);
  raster::RoundShape(b, CornerW, CornerH).Paint(T, A::BrushFill(C, C.Pen()->Mode()));
}

double WrapAngle(double A) {
  constexpr double kTwoPi = 2 * std::numbers::pi;
  A = std::fmod(A, kTwoPi);
  return A < 0 ? A + kTwoPi : A;
}

// A styled one-pixel pen along a curved outline: the outline pixels, taken
// counter-clockwise around the box centre from the angle From, follow the
// pen's rhythm. Figures up to kWalkAll pixels a side are walked whole, so
// that clipping never shifts the rhythm.
class StyledRing {
 public:
  static constexpr int kWalkAll = 4096;
  StyledRing(const TRect& Box, double From)
      : FCx((Box.Left + Box.Right) / 2.0), FCy((Box.Top + Box.Bottom) / 2.0), FFrom(From) {}
  static bool WalkAll(const TRect& Box) { return Box.Width() <= kWalkAll && Box.Height() <= kWalkAll; }
  void Add(int Y, int X0, int X1) {
    for (int x = X0; x < X1; ++x) FPixels.push_back({Key(x, Y), TPoint(x, Y)});
  }
  void Paint(const raster::Target& T, const raster::LinePen& Pen, std::int64_t Phase) {
    std::sort(FPixels.begin(), FPixels.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < FPixels.size(); ++i) {
      const TPoint p = FPixels[i].second;
      if (!T.Clip.Contains(p)) continue;
      raster::Pixel& d = T.Row(p.Y)[p.X];
      if (Pen.Dash.On(Phase + static_cast<std::int64_t>(i))) d = raster::Rop2(Pen.Mode, Pen.Color, d);
      else if (Pen.OpaqueGaps) d = raster::Rop2(Pen.Mode, Pen.Gap, d);
    }
  }

 private:
  double Key(int X, int Y) const { return WrapAngle(std::atan2(FCy - Y - 0.5, X + 0.5 - FCx) - FFrom); }
  double FCx, FCy, FFrom;
  std::vector<std::pair<double, TPoint>> FPixels;
};

// The rows a figure's outline is walked over: all of them for a styled
// pen on a figure small enough, else those inside the clip.
std::pair<int, int> OutlineRows(const raster::Target& T, int Top, int Bottom, bool Whole) {
  if (Whole) return {Top, Bottom};
  return {std::max(Top, T.Clip.Top), std::min(Bottom, T.Clip.Bottom)};
}

// A rectangle, rounded rectangle or ellipse in a device box: the interior
// with the brush, then the outline with the pen.
void PaintFigure(TCanvas& C, const TRect& Box, int CornerW, int CornerH) {
  if (Box.IsEmpty()) return;
  const raster::Target t = A::Begin(C);
  if (t.Empty()) return;
  if (!A::PenVisible(C)) {
    FillWithoutPen(C, t, Box, CornerW, CornerH);
    return;
  }
  const raster::LinePen line = A::LinePen(C);
  const bool styled = line.Styled && (CornerW > 1 || CornerH > 1);
  StyledRing styledRing(Box, 0);
  const raster::Fill pen = A::PenFill(C);
  const raster::Fill brush = A::BrushFill(C, C.Pen()->Mode());
  const bool filled = A::BrushVisible(C);
  const raster::Outlined figure(Box, CornerW, CornerH, A::PenWidth(C), A::InsideFrame(C));
  const auto [top, bottom] =
      OutlineRows(t, figure.Top(), figure.Bottom(), styled && StyledRing::WalkAll(Box));
  const raster::SpanFn ring = [&](int y, int x0, int x1) {
    if (styled) styledRing.Add(y, x0, x1);
    else ClippedSpan(t, y, x0, x1, pen);
  };
  const raster::SpanFn inner = [&](int y, int x0, int x1) { ClippedSpan(t, y, x0, x1, brush); };
  for (int y = top; y < bottom; ++y) figure.Row(y, ring, filled ? inner : nullptr);
  if (styled) styledRing.Paint(t, line, 0);
}

// The angular part of an ellipse inside a device box, counter-clockwise
// from the radial through Start to the radial through End. Radials start at
// the centre of the box, (Left + Right) / 2 and (Top + Bottom) / 2, and a
// pixel belongs to the sector when its centre does; angles are measured
// with y pointing up.
class Sector {
 public:
  Sector(const TRect& Box, TPoint Start, TPoint End)
      : FCx((Box.Left + Box.Right) / 2.0), FCy((Box.Top + Box.Bottom) / 2.0),
        FRx((Box.Width() - 1) / 2.0), FRy((Box.Height() - 1) / 2.0) {
    FStart = Direction(Start.X - FCx, FCy - Start.Y);
    FSweep = WrapAngle(Direction(End.X - FCx, FCy - End.Y) - FStart);
    FFull = FSweep < 1e-12;
    FSx = std::cos(FStart);
    FSy = std::sin(FStart);
    FEx = std::cos(FStart + FSweep);
    FEy = std::sin(FStart + FSweep);
    FCentre = Nearest(FCx - 0.5, FCy - 0.5);
    FStartPoint = OnEllipse(FStart);
    FEndPoint = OnEllipse(FStart + FSweep);
  }
  // Tested with cross products rather than angles: a sector up to a half
  // turn is where both radials agree; a larger one is all but the smaller
  // sector between them the other way round. Pixels on a radial belong to it.
  bool Contains(int X, int Y) const {
    if (FFull) return true;
    const double vx = X + 0.5 - FCx, vy = FCy - Y - 0.5;
    const double eps = 1e-9 * (std::fabs(vx) + std::fabs(vy));
    const double fromStart = FSx * vy - FSy * vx, toEnd = vx * FEy - vy * FEx;
    if (FSweep <= std::numbers::pi) return fromStart >= -eps && toEnd >= -eps;
    return !(fromStart < -eps && toEnd < -eps);
  }
  // Outline pixels also count when their centre lies within half a pixel
  // of a radial, so an arc reaches the pixel its radial points at even when
  // the radial passes a hair beside that pixel's centre.
  bool ContainsOutline(int X, int Y) const {
    if (Contains(X, Y)) return true;
    const double vx = X + 0.5 - FCx, vy = FCy - Y - 0.5;
    const auto near = [&](double Ux, double Uy) {
      return Ux * vx + Uy * vy > 0 && std::fabs(Ux * vy - Uy * vx) < 0.5 - 1e-9;
    };
    return near(FSx, FSy) || near(FEx, FEy);
  }
  // Inside the pie as its drawn outline bounds it: between the straight
  // lines from the centre pixel to the start and end pixels, measured on
  // the pixel grid those lines are drawn on, so no filled pixel lies beyond
  // them. Falls back to Contains where rounding to pixels turned the
  // sector over (tiny figures, sweeps close to a half turn).
  bool ContainsPie(int X, int Y) const {
    if (FFull) return true;
    const long long sx = FStartPoint.X - FCentre.X, sy = FCentre.Y - FStartPoint.Y;
    const long long ex = FEndPoint.X - FCentre.X, ey = FCentre.Y - FEndPoint.Y;
    const long long turn = sx * ey - sy * ex;
    const bool half = turn == 0 && sx * ex + sy * ey < 0;
    bool small = FSweep <= std::numbers::pi;
    // Near a half turn the pixels decide which side of it the sector is.
    const bool nearHalf = std::fabs(FSweep - std::numbers::pi) < 0.25;
    if (nearHalf && turn != 0) small = turn > 0;
    if ((sx == 0 && sy == 0) || (ex == 0 && ey == 0) || (small && turn < 0) ||
        (!small && turn > 0)) {
      return Contains(X, Y);
    }
    const long long px = X - FCentre.X, py = FCentre.Y - Y;
    const long long fromStart = sx * py - sy * px, toEnd = px * ey - py * ex;
    if (small || half) return fromStart >= 0 && toEnd >= 0;
    return fromStart >= 0 || toEnd >= 0;
  }
  TPoint Centre() const { return FCentre; }
  bool Small() const { return FSweep <= std::numbers::pi; }
  double StartAngle() const { return FStart; }
  TPoint StartPoint() const { return FStartPoint; }
  TPoint EndPoint() const { return FEndPoint; }
  bool Full() const { return FFull; }
  // Inside the part cut off by the chord from the start to the end point,
  // on the side of the arc.
  bool OnArcSide(int X, int Y) const {
    if (FFull) return true;
    // Ends on one pixel: a sliver of a sector cuts off nothing, a sector
    // of nearly a full turn keeps everything.
    if (FStartPoint == FEndPoint) return !Small();
    const double ex = FEndPoint.X - FStartPoint.X, ey = -(FEndPoint.Y - FStartPoint.Y);
    const double px = X - FStartPoint.X, py = -(Y - FStartPoint.Y);
    return ex * py - ey * px <= 1e-9;
  }

 private:
  static double Direction(double Dx, double Dy) { return std::atan2(Dy, Dx); }
  // The pixel nearest to a pixel-centre position; a position halfway
  // between pixels takes the one inside the sector, so that radials hug it.
  TPoint Nearest(double X, double Y) const {
    const int x0 = static_cast<int>(std::floor(X + 0.5)), y0 = static_cast<int>(std::floor(Y + 0.5));
    const bool halfX = std::fabs(X - std::floor(X) - 0.5) < 1e-9;
    const bool halfY = std::fabs(Y - std::floor(Y) - 0.5) < 1e-9;
    for (int dy : {0, -1}) {
      for (int dx : {0, -1}) {
        if ((dx != 0 && !halfX) || (dy != 0 && !halfY)) continue;
        if (Contains(x0 + dx, y0 + dy)) return {x0 + dx, y0 + dy};
      }
    }
    return {x0, y0};
  }
  // The pixel of the outline on the radial of angle Theta.
  TPoint OnEllipse(double Theta) const {
    const double dx = std::cos(Theta), dy = -std::sin(Theta);
    const double rx = std::max(FRx, 1e-9), ry = std::max(FRy, 1e-9);
    const double k = 1.0 / std::sqrt((dx / rx) * (dx / rx) + (dy / ry) * (dy / ry));
    return Nearest(FCx - 0.5 + k * dx, FCy - 0.5 + k * dy);
  }

  double FCx, FCy, FRx, FRy;
  double FStart = 0, FSweep = 0;
  double FSx = 1, FSy = 0, FEx = 1, FEy = 0;  // unit vectors of the two radials
  bool FFull = false;
  TPoint FCentre, FStartPoint, FEndPoint;
};

enum class ArcKind { Arc, Pie, Chord };

// A straight part of a closed figure: unlike LineTo it keeps its end pixel,
// which closes the outline where the arc's last pixel lies beside the end
// point rather than on it.
void AddLine(raster::SpanSet& S, TPoint A0, TPoint A1, int Width) {
  if (Width > 1) {
    raster::WideLine(S, A0.X, A0.Y, A1.X, A1.Y, Width);
    return;
  }
  raster::ThinLineSpans(S, A0.X, A0.Y, A1.X, A1.Y);
  S.Add(A1.Y, A1.X, A1.X + 1);
}

// Fills the runs of pixels X0..X1-1 of row Y (within the clip) that Keep
// accepts.
template <class Pred>
void FillRuns(const raster::Target& T, int Y, int X0, int X1, Pred Keep, const raster::Fill& F) {
  X1 = std::min(X1, T.Clip.Right);
  for (int x = std::max(X0, T.Clip.Left); x < X1;) {
    if (!Keep(x)) {
      ++x;
      continue;
    }
    const int start = x;
    while (x < X1 && Keep(x)) ++x;
    raster::FillSpan(T, Y, start, x, F);
  }
}

// The straight part of a pie (two radials) or chord (the chord).
void AddStraightParts(raster::SpanSet& Outline, const Sector& S, ArcKind Kind, int Width) {
  if (S.Full()) return;
  if (Kind == ArcKind::Pie) {
    AddLine(Outline, S.Centre(), S.StartPoint(), Width);
    AddLine(Outline, S.Centre(), S.EndPoint(), Width);
  } else if (Kind == ArcKind::Chord) {
    AddLine(Outline, S.EndPoint(), S.StartPoint(), Width);
  }
}

// The straight parts with a styled one-pixel pen.
void StrokeStraightParts(const raster::Target& T, const Sector& S, ArcKind Kind,
                         const raster::LinePen& Pen) {
  if (S.Full()) return;
  std::int64_t phase = 0;
  if (Kind == ArcKind::Pie) {
    raster::ThinLine(T, S.EndPoint().X, S.EndPoint().Y, S.Centre().X, S.Centre().Y, Pen, phase);
    raster::ThinLine(T, S.Centre().X, S.Centre().Y, S.StartPoint().X, S.StartPoint().Y, Pen, phase);
  } else if (Kind == ArcKind::Chord) {
    raster::ThinLine(T, S.EndPoint().X, S.EndPoint().Y, S.StartPoint().X, S.StartPoint().Y, Pen, phase);
  }
}

void PaintArc(TCanvas& C, const TRect& Box, TPoint Start, TPoint End, ArcKind Kind) {
  if (Box.IsEmpty()) return;
  const raster::Target t = A::Begin(C);
  if (t.Empty()) return;
  const Sector sector(Box, Start, End);
  const int width = A::PenWidth(C);
  const raster::LinePen line = A::LinePen(C);
  StyledRing styledRing(Box, sector.StartAngle());
  const raster::Outlined figure(Box, kFull, kFull, width, A::InsideFrame(C));
  raster::SpanSet outline(t.Clip);
  const raster::Fill brush = A::BrushFill(C, C.Pen()->Mode());
  const bool whole = line.Styled && StyledRing::WalkAll(Box);
  const raster::SpanFn ring = [&](int y, int x0, int x1) {
    if (!whole) {
      x0 = std::max(x0, t.Clip.Left);
      x1 = std::min(x1, t.Clip.Right);
    }
    for (int x = x0; x < x1; ++x) {
      if (!sector.ContainsOutline(x, y)) continue;
      if (line.Styled) styledRing.Add(y, x, x + 1);
      else outline.Add(y, x, x + 1);
    }
  };
  const raster::SpanFn inner = [&](int y, int x0, int x1) {
    if (y < t.Clip.Top || y >= t.Clip.Bottom) return;
    if (Kind == ArcKind::Chord) {
      // A segment of less than a half turn lies within its sector; keeping
      // it there stops the fill beside the chord's ends where the arc stops.
      FillRuns(t, y, x0, x1, [&](int x) {
        return sector.OnArcSide(x, y) && (!sector.Small() || sector.ContainsPie(x, y));
      }, brush);
    } else {
      FillRuns(t, y, x0, x1, [&](int x) { return sector.ContainsPie(x, y); }, brush);
    }
  };
  const bool filled = Kind != ArcKind::Arc && A::BrushVisible(C);
  const auto [top, bottom] = OutlineRows(t, figure.Top(), figure.Bottom(), whole);
  for (int y = top; y < bottom; ++y) figure.Row(y, ring, filled ? inner : nullptr);
  if (!A::PenVisible(C)) return;
  if (line.Styled) {
    styledRing.Paint(t, line, 0);
    StrokeStraightParts(t, sector, Kind, line);
    return;
  }
  AddStraightParts(outline, sector, Kind, width);
  outline.Paint(t, A::PenFill(C));
}

}  // namespace

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  const TRect box = A::DevBox(*this, X1, Y1, X2, Y2);
  const raster::LinePen line = A::LinePen(*this);
  if (!line.Styled || !A::PenVisible(*this)) {
    PaintFigure(*this, box, 1, 1);
    return;
  }
  // A styled pen keeps its rhythm around the frame.
  if (box.IsEmpty()) return;
  if (A::BrushVisible(*this)) {
    const raster::Target t = A::Begin(*this);
    raster::FillArea(t, {box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1},
                     A::BrushFill(*this, FPen.Mode()));
  }
  const TPoint frame[4] = {{box.Left, box.Top},
                           {box.Right - 1, box.Top},
                           {box.Right - 1, box.Bottom - 1},
                           {box.Left, box.Bottom - 1}};
  std::int64_t phase = 0;
  StrokeDevicePath(*this, frame, true, phase);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  PaintFigure(*this, A::DevBox(*this, X1, Y1, X2, Y2), std::max(1, std::abs(X3)),
              std::max(1, std::abs(Y3)));
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  PaintFigure(*this, A::DevBox(*this, X1, Y1, X2, Y2), kFull, kFull);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  if (!A::PenVisible(*this)) return;
  PaintArc(*this, A::DevBox(*this, X1, Y1, X2, Y2), A::Dev(*this, {X3, Y3}),
           A::Dev(*this, {X4, Y4}), ArcKind::Arc);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  PaintArc(*this, A::DevBox(*this, X1, Y1, X2, Y2), A::Dev(*this, {X3, Y3}),
           A::Dev(*this, {X4, Y4}), ArcKind::Pie);
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  PaintArc(*this, A::DevBox(*this, X1, Y1, X2, Y2), A::Dev(*this, {X3, Y3}),
           A::Dev(*this, {X4, Y4}), ArcKind::Chord);
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  if (!A::BrushVisible(*this)) return;
  const TPoint d = A::Dev(*this, {X, Y});
  const raster::Target t = A::Begin(*this);
  if (t.Empty() || !t.Clip.Contains(d)) return;
  raster::FloodFill(t, d.X, d.Y, raster::ToPixel(Color), FillStyle == fsSurface,
                    A::BrushFill(*this, pmCopy));
}

}  // namespace vcl
