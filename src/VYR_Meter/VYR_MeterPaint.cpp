// Painting: the scale bitmap under the needles, then the cover, the anchor,
// the lamps and the frame, composed off screen for the area being painted
// and copied to the control in one step.
//
// Paint order within the composed area:
//   scale bitmap (background, bands, scale, caption — VYR_MeterScale.cpp)
//   second needle (when Visible), OnBeforeDrawNeedle, main needle
//   cover, anchor with the face edge, limit lamps
//   OnMeterRendered, outer frame
// Handlers of OnBeforeDrawNeedle and OnMeterRendered may draw anywhere, so
// with one assigned every paint composes the whole meter.
#include <algorithm>

#include "VYR_Meter/VYR_Meter.h"
#include "VYR_Meter/internal/VYR_MeterDraw.h"

namespace vyr {

namespace {

constexpr vcl::TColor kWhite = 0xFFFFFF;
constexpr vcl::TColor kSilver = 0xC0C0C0;
constexpr vcl::TColor kGray = 0x808080;

std::array<vcl::TPoint, 7> Shifted(std::array<vcl::TPoint, 7> Points, int Dx, int Dy) {
  for (vcl::TPoint& p : Points) {
    p.X += Dx;
    p.Y += Dy;
  }
  return Points;
}

bool HasShadow(const TNeedleLayout& L) { return L.ShadowDx() != 0 || L.ShadowDy() != 0; }

}  // namespace

// ---------------------------------------------------------------- repainting

void TMeter::RepaintDynamic(bool NeedleMoved) {
  if (Loading()) return;
  if (HandlersDrawAnywhere()) {
    RepaintAll();
    return;
  }
  vcl::TRect dirty = NeedleMoved ? meter::UnionOf(FPaintedNeedles, NeedleArea()) : vcl::TRect();
  if (FOFL != FPaintedOFL) dirty = meter::UnionOf(dirty, HighLampRect());
  if (FUFL != FPaintedUFL) dirty = meter::UnionOf(dirty, LowLampRect());
  if (dirty.IsEmpty()) return;
  InvalidateRect(dirty);
  Update();
}

vcl::TRect TMeter::NeedleArea() const {
  if (!(FGeometry.Radius > 0)) return {};
  vcl::TRect area;
  auto add = [&](const TNeedleLayout& L, double V) {
    const double theta = meter::ThetaOf(FGeometry, meter::ValueToFraction(ScaleRange(), V));
    vcl::TRect r = meter::PointsBounds(meter::NeedlePolygon(FGeometry, theta, L.Shape()));
    area = meter::UnionOf(area, r);
    if (!HasShadow(L)) return;
    r.Offset(-L.ShadowDx(), -L.ShadowDy());
    area = meter::UnionOf(area, r);
  };
  if (FNeedleLayoutSec.Visible()) add(FNeedleLayoutSec, FValueSec);
  if (FNeedleLayout.Visible()) add(FNeedleLayout, FValue);
  if (!area.IsEmpty()) area.Inflate(1, 1);
  return area;
}

// ---------------------------------------------------------------- paint

void TMeter::Paint() {
  if (!(FGeometry.Radius > 0) || Width() <= 0 || Height() <= 0) {
    FPaintedNeedles = {};
    return;
  }
  vcl::TCanvas* target = Canvas();
  const vcl::TRect area =
      HandlersDrawAnywhere() ? ClientRect() : target->ClipRect().Intersect(ClientRect());
  if (area.IsEmpty()) return;
  EnsureScale();
  Compose(area);
  target->SetCopyMode(vcl::SRCCOPY);
  target->CopyRect(area, FFrameBmp->Canvas(), area);
  FPaintedNeedles = NeedleArea();
  FPaintedOFL = FOFL;
  FPaintedUFL = FUFL;
}

void TMeter::Compose(const vcl::TRect& Area) {
  if (FFrameBmp->Width() != Width() || FFrameBmp->Height() != Height()) {
    FFrameBmp->SetSize(Width(), Height());
  }
  vcl::TCanvas* c = FFrameBmp->Canvas();
  // Each step starts from a known canvas, whatever a handler left behind.
  auto fresh = [&] {
    meter::ResetCanvas(*FFrameBmp);
    c->IntersectClip(Area);
  };
  fresh();
  c->CopyRect(Area, FScaleBmp->Canvas(), Area);
  // The second needle lies beneath the main one; a handler that sets
  // NeedleDrawn replaces the main needle only.
  if (FNeedleLayoutSec.Visible()) DrawNeedle(c, FValueSec, FNeedleLayoutSec);
  bool drawn = false;
  if (FOnBeforeDrawNeedle) {
    FOnBeforeDrawNeedle(this, c, drawn);
    fresh();
  }
  if (!drawn && FNeedleLayout.Visible()) DrawNeedle(c, FValue, FNeedleLayout);
  DrawCover(c);
  DrawAnchor(c);
  DrawLamps(c);
  if (FOnMeterRendered) {
    FOnMeterRendered(this, c);
    fresh();
  }
  DrawOuterFrame(c);
}

// ---------------------------------------------------------------- needles

void TMeter::DrawNeedle(vcl::TCanvas* C, double V, const TNeedleLayout& Layout) {
  const double theta = meter::ThetaOf(FGeometry, meter::ValueToFraction(ScaleRange(), V));
  const auto outline = meter::NeedlePolygon(FGeometry, theta, Layout.Shape());
  C->Pen()->SetWidth(1);
  C->Pen()->SetStyle(vcl::psSolid);
  C->Pen()->SetMode(vcl::pmCopy);
  if (HasShadow(Layout)) {
    meter::Solid(C, Layout.ShadowColor());
    C->Polygon(Shifted(outline, -Layout.ShadowDx(), -Layout.ShadowDy()));
  }
  meter::Solid(C, Layout.ColorBody());
  C->Pen()->SetColor(Layout.ColorOutline());
  C->Polygon(outline);
}

// ---------------------------------------------------------------- cover, anchor, lamps

void TMeter::DrawCover(vcl::TCanvas* C) {
  const int w = Width(), h = Height();
  meter::Solid(C, FColorCover);
  for (const vcl::TRect& r : {vcl::Rect(0, 0, FRims.Side - 1, h), vcl::Rect(0, 0, w, FRims.Top),
                              vcl::Rect(w - FRims.Side, 0, w, h), vcl::Rect(0, h - FRims.Bottom, w, h)}) {
    if (meter::Touches(C, r)) C->Rectangle(r);
  }
}

// A sunken edge around the face: light below and right, dark above and left.
void TMeter::DrawFaceEdge(vcl::TCanvas* C) {
  const int l = FRims.Side - 1, r = Width() - FRims.Side;
  const int t = FRims.Top, b = Height() - FRims.Bottom;
  if (meter::ClipInside(C, vcl::Rect(l + 1, t + 1, r, b))) return;
  meter::Stroke(C, kWhite, {{l, b}, {r, b}, {r, t}});
  meter::Stroke(C, kGray, {{r, t}, {l, t}, {l, b}});
}

// The anchor over the pivot: an image (black pixels transparent), a bevelled
// disc for the layouts whose arc goes round the pivot, otherwise a bevelled
// half disc on a pedestal down to the bottom rim.
void TMeter::DrawAnchor(vcl::TCanvas* C) {
  const int s = FAnchorSize, cx = FGeometry.CX, cy = FGeometry.CY;
  const int w = Width(), b = Height() - FRims.Bottom;
  if (!FAnchorCovered) {
    DrawFaceEdge(C);
    return;
  }
  if (!FAnchorImage.empty()) {
    DrawFaceEdge(C);
    const int left = cx - FAnchorBmp->Width() / 2, top = cy - FAnchorBmp->Height() / 2;
    C->SetCopyMode(vcl::SRCAND);
    C->Draw(left, top, FAnchorMask.get());
    C->SetCopyMode(vcl::SRCPAINT);
    C->Draw(left, top, FAnchorBmp.get());
    C->SetCopyMode(vcl::SRCCOPY);
    return;
  }
  if (!meter::Touches(C, vcl::Rect(cx - s, cy - s, cx + s + 1, std::max(cy + s, b) + 1))) {
    DrawFaceEdge(C);
    return;
  }
  meter::Solid(C, FColorCover);
  if (FMeterLayout >= mlCirc270) {
    C->Ellipse(cx - s, cy - s, cx + s, cy + s);
    DrawFaceEdge(C);
    C->Pen()->SetColor(kWhite);
    C->Arc(cx - s, cy - s, cx + s, cy + s, cx + s, cy - s, cx - s, cy + s);
    C->Pen()->SetColor(kGray);
    C->Arc(cx - s, cy - s, cx + s, cy + s, cx - s, cy + s, cx + s, cy - s);
    return;
  }
  C->Pie(cx - s, cy - s, cx + s, cy + s, w, cy, 0, cy);
  C->Rectangle(cx - s, cy, cx + s, b);
  meter::Stroke(C, kGray, {{cx + s - 1, cy}, {cx + s - 1, b}});
  DrawFaceEdge(C);
  meter::Stroke(C, kWhite, {{cx - s, b}, {cx - s, cy - 1}});
  C->Arc(cx - s, cy - s, cx + s, cy + s, w, cy, 0, cy);
  C->Pen()->SetColor(kGray);
  C->Arc(cx - s, cy - s, cx + s, cy + s, cx + s, cy, cx + s, cy - s);
}

// Each lamp: a 10 × 10 square with a black outline, lit or not, and three
// bevel strokes inside.
void TMeter::DrawLamps(vcl::TCanvas* C) {
  auto lamp = [&](const vcl::TRect& R, bool Lit) {
    C->Pen()->SetColor(vcl::clBlack);
    C->Brush()->SetColor(Lit ? FLimWatchActColor : FLimWatchPsvColor);
    C->Brush()->SetStyle(vcl::bsSolid);
    C->Rectangle(R);
    const int x0 = R.Left, y0 = R.Top, x1 = R.Right, y1 = R.Bottom;
    meter::Stroke(C, kWhite, {{x0 + 1, y1 - 1}, {x1 - 1, y1 - 1}, {x1 - 1, y0}});
    meter::Stroke(C, kSilver, {{x0 + 2, y1 - 2}, {x1 - 2, y1 - 2}, {x1 - 2, y0 + 1}});
    meter::Stroke(C, kGray, {{x0 + 1, y1 - 2}, {x0 + 1, y0 + 1}, {x1 - 1, y0 + 1}});
  };
  if (FLimWatchLowOn && meter::Touches(C, LowLampRect())) lamp(LowLampRect(), FUFL);
  if (FLimWatchHighOn && meter::Touches(C, HighLampRect())) lamp(HighLampRect(), FOFL);
}

// ---------------------------------------------------------------- frame

// The frame on the outermost pixels. Sunken and raised are one ring in two
// colors; etched and bump are two rings, the inner one in the colors
// exchanged. The gray and white come from ColorScheme.
void TMeter::DrawOuterFrame(vcl::TCanvas* C) {
  const int w = Width(), h = Height();
  if (meter::ClipInside(C, vcl::Rect(2, 2, w - 2, h - 2))) return;
  vcl::TColor first = FColorGray, second = FColorWhite;
  switch (FFrameStyle) {
    case fsNoFrame: return;
    case fsSimple:
      meter::Stroke(C, FColorBakG, {{0, h - 1}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
      return;
    case fsRaised: std::swap(first, second); [[fallthrough]];
    case fsLowered:
      meter::Stroke(C, first, {{0, h - 1}, {0, 0}, {w - 1, 0}});
      meter::Stroke(C, second, {{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
      return;
    case fsEtched: std::swap(first, second); [[fallthrough]];
    case fsBump:
      meter::Stroke(C, first, {{0, 0}, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}, {0, 0}});
      meter::Stroke(C, second, {{1, h - 3}, {1, 1}, {w - 2, 1}});
      meter::Stroke(C, second, {{1, h - 1}, {w - 1, h - 1}, {w - 1, 0}});
      return;
  }
}

}  // namespace vyr
