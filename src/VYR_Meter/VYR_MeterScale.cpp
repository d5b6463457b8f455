// The scale layer: background, bands, arc, ticks, labels and caption,
// drawn into a bitmap of their own and kept until something they show
// changes (TScaleKey lists what that is).
#include <cmath>

#include "VYR_Meter/VYR_Meter.h"
#include "VYR_Meter/internal/VYR_MeterDraw.h"

namespace vyr {

using meter::PointAt;
using meter::RoundHalfEven;

TMeter::TScaleKey TMeter::CurrentScaleKey() const {
  TScaleKey k;
  k.Width = Width();
  k.Height = Height();
  k.Geometry = FGeometry;
  k.Range = ScaleRange();
  k.ThresholdLow = FThresholdLow;
  k.ThresholdHigh = FThresholdHigh;
  k.ScaleBkWidth = FScaleBkWidth;
  k.DecPlaces = FMeterDecPlaces;
  k.NrTicks = FMeterNrTicks;
  k.ShortTicks = FMeterShortTicks;
  k.ScaleLine = FMeterScaleLine;
  k.ScaleVisible = FScaleVisible;
  k.BandsVisible = FScaleBkVisible;
  k.Colors[0] = FColorScale;
  k.Colors[1] = FColorSclBkLow;
  k.Colors[2] = FColorSclBkNorm;
  k.Colors[3] = FColorSclBkHigh;
  k.Colors[4] = FColorBakG;
  k.Caption = Caption();
  k.FillMode = FBkgndFillMode;
  k.Scene = FSceneGeneration;
  return k;
}

// A label handler may answer differently at every paint, so with one
// assigned the scale is drawn each time.
void TMeter::EnsureScale() {
  TScaleKey key = CurrentScaleKey();
  if (!FOnBeforeDrawScaleLabel && FScaleKey && *FScaleKey == key) return;
  FScaleKey.reset();
  FScaleBmp->SetSize(Width(), Height());
  DrawScaleLayer(FScaleBmp->Canvas());
  ++FScaleRenderCount;
  if (!FOnBeforeDrawScaleLabel) FScaleKey = std::move(key);
}

void TMeter::DrawScaleLayer(vcl::TCanvas* C) {
  meter::ResetCanvas(*FScaleBmp);
  DrawBackground(C);
  if (FScaleBkVisible) DrawBands(C);
  C->Brush()->SetStyle(vcl::bsClear);
  if (FScaleVisible) DrawScale(C);
  DrawCaption(C);
}

// The face: the image by BkgndFillMode (once at its own size over a plain
// rectangle, stretched, or tiled), else ColorBakG.
void TMeter::DrawBackground(vcl::TCanvas* C) {
  const int w = Width(), h = Height();
  vcl::TBitmap* image = FBkgImage.get();
  if (FBackGroundImg.empty() || image->Empty()) {
    meter::Solid(C, FColorBakG);
    C->Rectangle(0, 0, w, h);
    return;
  }
  switch (FBkgndFillMode) {
    case bfStretch: C->StretchDraw(vcl::Rect(0, 0, w, h), image); break;
    case bfTile:
      for (int row = 0; row < (h - 1) / image->Height() + 1; ++row) {
        for (int col = 0; col < (w - 1) / image->Width() + 1; ++col) {
          C->Draw(col * image->Width(), row * image->Height(), image);
        }
      }
      break;
    default:
      C->Rectangle(0, 0, w, h);
      C->Draw(0, 0, image);
      break;
  }
}

// Pies from the centre over each band's angles, cut back to a ring by a
// disc in the face color.
void TMeter::DrawBands(vcl::TCanvas* C) {
  const meter::TGeometry& g = FGeometry;
  const meter::TScaleRange range = ScaleRange();
  auto theta = [&](double V) { return meter::ThetaOf(g, meter::ValueToFraction(range, V)); };
  const int ro = RoundHalfEven(g.Radius + 4);
  auto band = [&](double From, double To, vcl::TColor Color) {
    const double a = theta(From), b = theta(To);
    if (std::fabs(a - b) * M_PI / 180 <= 1E-6) return;
    const vcl::TPoint p = PointAt(g, a, g.Radius), q = PointAt(g, b, g.Radius);
    meter::Solid(C, Color);
    C->Pie(g.CX - ro, g.CY - ro, g.CX + ro + 1, g.CY + ro, p.X, p.Y, q.X, q.Y);
  };
  band(FThresholdLow, FMinValue, FColorSclBkLow);
  band(FThresholdHigh, FThresholdLow, FColorSclBkNorm);
  band(FMaxValue, FThresholdHigh, FColorSclBkHigh);
  const int ri = RoundHalfEven((100 - FScaleBkWidth) * g.Radius / 100);
  if (ri <= 0) return;
  meter::Solid(C, FColorBakG);
  C->Ellipse(g.CX - ri, g.CY - ri, g.CX + ri + 1, g.CY + ri);
}

void TMeter::DrawScale(vcl::TCanvas* C) {
  const meter::TGeometry& g = FGeometry;
  const meter::TScaleRange range = ScaleRange();
  auto theta = [&](double V) { return meter::ThetaOf(g, meter::ValueToFraction(range, V)); };
  C->Pen()->SetColor(FColorScale);
  if (FMeterScaleLine) {
    const int r = RoundHalfEven(g.Radius);
    const vcl::TPoint from = PointAt(g, theta(FMaxValue), g.Radius);
    const vcl::TPoint to = PointAt(g, theta(FMinValue), g.Radius);
    C->Arc(g.CX - r, g.CY - r, g.CX + r + 1, g.CY + r, from.X, from.Y, to.X, to.Y);
  }
  // Labels keep their centres inside the arc by half the widest text (the
  // maximum's) plus 15 pixels.
  C->Font()->Assign(Font());
  const vcl::String widest = meter::TickLabel(FMaxValue, FMeterDecPlaces);
  const double ox = C->TextWidth(widest) / 2.0 + 15;
  const double oy = C->TextHeight(widest) / 2.0 + 15;
  for (const meter::TTick& tick : meter::ScaleTicks(range, FMeterNrTicks, FMeterShortTicks)) {
    const double t = theta(tick.Value);
    const vcl::TPoint outer = PointAt(g, t, g.Radius);
    const vcl::TPoint inner = PointAt(g, t, g.Radius - (tick.Major ? 8 : 4));
    C->MoveTo(outer.X, outer.Y);
    C->LineTo(inner.X, inner.Y);
    if (tick.Labeled) DrawLabel(C, t, tick.Value, ox, oy);
  }
}

// One label centred on its anchor. A handler sees the text and its
// top-left corner first and may change the text (empty: no label) or the
// canvas font; the pen and brush of the scale are restored after it.
void TMeter::DrawLabel(vcl::TCanvas* C, double Theta, double V, double OffsetX, double OffsetY) {
  vcl::String text = meter::TickLabel(V, FMeterDecPlaces);
  const vcl::TPoint anchor = meter::LabelAnchor(FGeometry, Theta, OffsetX, OffsetY);
  if (FOnBeforeDrawScaleLabel) {
    C->Font()->Assign(Font());
    const vcl::TSize size = C->TextExtent(text);
    FOnBeforeDrawScaleLabel(this, C, text, anchor.X - size.cx / 2, anchor.Y - size.cy / 2);
    C->Pen()->SetColor(FColorScale);
    C->Pen()->SetWidth(1);
    C->Pen()->SetStyle(vcl::psSolid);
    C->Pen()->SetMode(vcl::pmCopy);
    C->Brush()->SetStyle(vcl::bsClear);
  }
  if (text.empty()) return;
  const vcl::TSize size = C->TextExtent(text);
  C->TextOut(anchor.X - size.cx / 2, anchor.Y - size.cy / 2, text);
}

void TMeter::DrawCaption(vcl::TCanvas* C) {
  if (Caption().empty()) return;
  C->Font()->Assign(&FFontCaption);
  const vcl::TSize size = C->TextExtent(Caption());
  const int middle = FGeometry.CY - RoundHalfEven(FGeometry.Radius / 3);
  C->TextOut(FGeometry.CX - size.cx / 2, middle - size.cy / 2, Caption());
}

}  // namespace vyr
