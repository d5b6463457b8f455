// TBevel: boxes, frames and lines drawn with the look module.
#include "platform/ExtCtrls.h"
#include "platform/Look.h"
#include "platform/Streaming.h"

namespace vcl {

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() << csReplicatable);
  SetBounds(Left(), Top(), 50, 50);
}

TBevel::~TBevel() = default;

void TBevel::SetShape(TBevelShape Value) {
  if (FShape == Value) return;
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

namespace {

// Two one-pixel lines side by side: First on the top (left), Second below
// (right of) it.
void DoubleLine(TCanvas& C, const TRect& R, bool Horizontal, TColor First, TColor Second) {
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(First);
  C.FillRect(Horizontal ? Rect(R.Left, R.Top, R.Right, R.Top + 1) : Rect(R.Left, R.Top, R.Left + 1, R.Bottom));
  C.Brush()->SetColor(Second);
  C.FillRect(Horizontal ? Rect(R.Left, R.Top + 1, R.Right, R.Top + 2)
                        : Rect(R.Left + 1, R.Top, R.Left + 2, R.Bottom));
}

}  // namespace

void TBevel::Paint() {
  TCanvas& c = *Canvas();
  TColor dark = clBtnShadow, light = clBtnHighlight;
  if (FStyle == bsRaised) std::swap(dark, light);
  TRect r = ClientRect();
  switch (FShape) {
    case bsBox: look::DrawEdge(c, r, dark, light); break;
    case bsFrame: look::DrawEdge(c, r, FStyle == bsLowered ? look::ekEtched : look::ekBump); break;
    case bsTopLine: DoubleLine(c, r, true, dark, light); break;
    case bsBottomLine: DoubleLine(c, Rect(r.Left, r.Bottom - 2, r.Right, r.Bottom), true, dark, light); break;
    case bsLeftLine: DoubleLine(c, r, false, dark, light); break;
    case bsRightLine: DoubleLine(c, Rect(r.Right - 2, r.Top, r.Right, r.Bottom), false, dark, light); break;
    case bsSpacer: break;
  }
}

namespace {

bool RegisterBevel() {
  RegisterEnum<TBevelShape>({u"bsBox", u"bsFrame", u"bsTopLine", u"bsBottomLine", u"bsLeftLine",
                             u"bsRightLine", u"bsSpacer"});
  RegisterEnum<TBevelStyle>({u"bsLowered", u"bsRaised"});
  RegisterClass<TBevel, TGraphicControl>(u"TBevel")
      .Property(u"Shape", &TBevel::Shape, &TBevel::SetShape, bsBox)
      .Property(u"Style", &TBevel::Style, &TBevel::SetStyle, bsLowered);
  return true;
}

const bool registered = RegisterBevel();

}  // namespace

}  // namespace vcl
