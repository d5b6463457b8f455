// TNumIO2's painting, composed in a bitmap of the control's size and
// copied in one step. The order, with the coordinates in VYR_NumIO2Layout.h
// and below (H the height, sb = H - G the bottom of the text strip):
//   1. background in ColorOutBG
//   2. left caption          (disabled: engraved white / gray)
//   3. up/down buttons       gray outline in ButColor, 3-D lines, arrows
//   4. right caption
//   5. gauge                 background, filled part, frame by style
//   6. entry box             background by state, frame by FrameStyle
//   7. the number            clipped to the box
//   8. caret                 while focused and the blink phase is on
//   9. selection             inverted, while focused or not HideSelection
// Out of range the box shows ColorWarnBG / ColorWarnText; disabled, the
// box is silver, the number, arrows and gauge fill gray.
#include <algorithm>

#include "VYR_NumIO/VYR_NumIO2.h"
#include "platform/Look.h"
#include "platform/WinapiGdi.h"

namespace vyr {

using vcl::String;

namespace {

constexpr vcl::TColor Gray = 0x808080;
constexpr vcl::TColor White = 0xFFFFFF;
// The string whose height places every text: it reaches from the highest
// accents to the lowest descenders of the font.
constexpr char16_t TallText[] = u"(8g]}\u00DC\u00C4\u00A7";

void PenAndBrush(vcl::TCanvas& C, vcl::TColor Pen, vcl::TColor Brush) {
  C.Pen()->SetColor(Pen);
  C.Brush()->SetColor(Brush);
  C.Brush()->SetStyle(vcl::bsSolid);
}

void Line(vcl::TCanvas& C, vcl::TColor Color, std::initializer_list<vcl::TPoint> Points) {
  C.Pen()->SetColor(Color);
  C.Polyline(Points);
}

// A horizontal stroke of Length pixels from (X, Y).
void Stroke(vcl::TCanvas& C, int X, int Y, int Length) {
  C.FillRect(vcl::Rect(X, Y, X + Length, Y + 1));
}

// The two line colors of a 3-D frame style (top-left, bottom-right).
struct TEdgeColors {
  vcl::TColor TopLeft, BottomRight;
};

}  // namespace

// ---------------------------------------------------------------- repainting

void TNumIO2::Redraw() {
  if (FSuppressPaint) return;
  AdjustAutoHeight();
  Repaint();
}

void TNumIO2::CMFontChanged(vcl::TMessage& Message) {
  vcl::TCustomControl::CMFontChanged(Message);
  FFontDirty = true;
  AdjustAutoHeight();
  Redraw();
}

// The off-screen bitmap, at the control's size and with its font; text is
// measured on it as it is drawn on it.
vcl::TCanvas& TNumIO2::MeasureCanvas() {
  if (!FBuffer) FBuffer = std::make_unique<vcl::TBitmap>();
  if (FBuffer->Width() != Width() || FBuffer->Height() != Height()) FBuffer->SetSize(Width(), Height());
  vcl::TCanvas& c = *FBuffer->Canvas();
  if (FFontDirty) {
    c.Font()->Assign(Font());
    FFontDirty = false;
  }
  return c;
}

void TNumIO2::AdjustAutoHeight() {
  if (!FAutoSize) return;
  const int h = std::max(MeasureCanvas().TextHeight(u"E0") + 6, 18);
  if (h != Height()) SetHeight(h);
}

// ---------------------------------------------------------------- paint

void TNumIO2::Paint() {
  if (FSuppressPaint) return;
  if (!Visible() && !ComponentState().Contains(vcl::csDesigning)) return;
  const numio2::TLayout l = Layout();
  vcl::TCanvas& c = MeasureCanvas();
  PenAndBrush(c, FColorOutBG, FColorOutBG);
  c.Rectangle(0, 0, l.Width, l.Height);
  const int ty = numio2::TextTop(l, c.TextHeight(TallText));
  PaintCaption(c, numio2::LeftCaptionX(FLeftTextAlignment, l, c.TextWidth(FLeftText)), ty, FLeftText);
  if (l.ButVisible) PaintButtons(c);
  PaintCaption(c, numio2::RightCaptionX(FRightTextAlignment, l, c.TextWidth(FRightText)), ty, FRightText);
  const double v = Value();
  const bool out = v < FRangeLow || v > FRangeHigh;
  if (l.GaugeVisible) PaintGauge(c, v);
  PaintBox(c, out);
  PaintNumber(c, out, ty);
  PaintCaret(c);
  PaintSelection(c);
  Canvas()->Draw(0, 0, FBuffer.get());
}

// Captions show only their glyphs, over whatever lies below them.
void TNumIO2::PaintCaption(vcl::TCanvas& C, int X, int Y, const String& S) {
  if (S.empty()) return;
  if (!Enabled()) {
    vcl::look::DrawEngravedText(C, X, Y, S, White, Gray);
    return;
  }
  C.Brush()->SetStyle(vcl::bsClear);
  C.Font()->SetColor(FColorOutText);
  C.TextOut(X, Y, S);
}

// ---------------------------------------------------------------- buttons

// Two halves of hb = ButHeight div 2 rows each under one gray outline,
// divided by a gray line; with But3D white lines on the top and left of
// each half and black ones below and right of the pair.
void TNumIO2::PaintButtons(vcl::TCanvas& C) {
  const int xb = numio2::ButtonsLeft(Layout());
  const int bw = FLayout.ButWidth;
  const int hb = FLayout.ButHeight / 2;
  PenAndBrush(C, Gray, FButColor);
  C.Rectangle(xb, 0, xb + bw + 1, 2 * hb - 1);
  Line(C, Gray, {{xb, hb - 1}, {xb + bw, hb - 1}});
  if (FBut3D) {
    Line(C, White, {{xb + 1, 2 * hb - 3}, {xb + 1, hb}, {xb + bw, hb}});
    Line(C, White, {{xb + 1, hb - 2}, {xb + 1, 1}, {xb + bw, 1}});
    Line(C, vcl::clBlack, {{xb + 1, 2 * hb - 1}, {xb + bw + 1, 2 * hb - 1}, {xb + bw + 1, 1}});
  }
  PaintArrows(C, xb, hb);
}

// Each arrow is three strokes of 2, 4 and 6 pixels about cx = xb + ButWidth
// div 2, at q - 1, q, q + 1 (up) and q + hb, q + hb - 1, q + hb - 2 (down),
// q = hb div 2.
void TNumIO2::PaintArrows(vcl::TCanvas& C, int Xb, int Hb) {
  const int cx = Xb + FLayout.ButWidth / 2;
  const int q = Hb / 2;
  C.Brush()->SetColor(Enabled() ? vcl::clBlack : Gray);
  C.Brush()->SetStyle(vcl::bsSolid);
  for (int i = 0; i < 3; ++i) {
    Stroke(C, cx - i, q - 1 + i, 2 + 2 * i);
    Stroke(C, cx - i, q + Hb - i, 2 + 2 * i);
  }
}

// ---------------------------------------------------------------- gauge

void TNumIO2::PaintGauge(vcl::TCanvas& C, double V) {
  const numio2::TLayout l = Layout();
  const vcl::TRect r = numio2::GaugeRect(l);
  PenAndBrush(C, FGaugeFrameStyle != fsNoFrame ? FGaugeColorFrame : FGaugeColorBg, FGaugeColorBg);
  C.Rectangle(r);
  const int right = numio2::GaugeFillRight(l, numio2::GaugeFraction(V, FRangeLow, FRangeHigh));
  const vcl::TColor fill = Enabled() ? FGaugeColor : Gray;
  PenAndBrush(C, fill, fill);
  C.Rectangle(r.Left, r.Top, right, r.Bottom);
  PaintGaugeFrame(C);
}

// Style 1 outlines in GaugeColorFrame; the 3-D styles outline in the gray
// line color (etched: white) and draw a ring of edges one pixel inside.
void TNumIO2::PaintGaugeFrame(vcl::TCanvas& C) {
  if (FGaugeFrameStyle == fsNoFrame) return;
  const vcl::TRect r = numio2::GaugeRect(Layout());
  C.Brush()->SetStyle(vcl::bsClear);
  if (FGaugeFrameStyle == fsSimple) {
    C.Pen()->SetColor(FGaugeColorFrame);
    C.Rectangle(r);
    return;
  }
  C.Pen()->SetColor(FGaugeFrameStyle == fsEtched ? FColWhiteLine : FColGrayLine);
  C.Rectangle(r);
  TEdgeColors e{FColBlackLine, FColWhiteLine};
  if (FGaugeFrameStyle == fsRaised) e = {FColWhiteLine, FColBlackLine};
  if (FGaugeFrameStyle == fsEtched) e = {FColGrayLine, FColGrayLine};
  if (FGaugeFrameStyle == fsBump) e = {FColWhiteLine, FColWhiteLine};
  vcl::TRect inner = r;
  inner.Inflate(-1, -1);
  vcl::look::DrawEdge(C, inner, e.TopLeft, e.BottomRight);
}

// ---------------------------------------------------------------- entry box

void TNumIO2::PaintBox(vcl::TCanvas& C, bool Out) {
  const numio2::TLayout l = Layout();
  const vcl::TColor bg = !Enabled() ? vcl::clSilver : Out ? FColorWarnBG : FColorBoxBG;
  const bool threeD = FFrameStyle >= fsLowered;
  vcl::TColor pen = bg;
  if (FFrameStyle == fsSimple) pen = FColGrayLine;
  if (threeD) pen = FFrameStyle == fsEtched ? FColWhiteLine : FColGrayLine;
  PenAndBrush(C, pen, bg);
  C.Rectangle(numio2::BoxRect(l, threeD));
  if (threeD) PaintBoxEdges(C, numio2::StripBottom(l));
}

// The 3-D styles: an inner line on the top and left, and an outer one
// below and right of the outline.
void TNumIO2::PaintBoxEdges(vcl::TCanvas& C, int Sb) {
  const int ls = FLayout.LeftSpace;
  const int tbw = FLayout.TextBoxWidth;
  TEdgeColors e{FColBlackLine, FColWhiteLine};
  if (FFrameStyle == fsRaised) e = {FColWhiteLine, FColBlackLine};
  if (FFrameStyle == fsEtched) e = {FColGrayLine, FColGrayLine};
  if (FFrameStyle == fsBump) e = {FColWhiteLine, FColWhiteLine};
  Line(C, e.TopLeft, {{ls + 1, Sb - 3}, {ls + 1, 1}, {ls + tbw + 1, 1}});
  Line(C, e.BottomRight, {{ls + 1, Sb - 1}, {ls + tbw + 2, Sb - 1}, {ls + tbw + 2, 0}});
}

void TNumIO2::PaintNumber(vcl::TCanvas& C, bool Out, int Ty) {
  const numio2::TLayout l = Layout();
  C.Font()->SetColor(!Enabled() ? Gray : Out ? FColorWarnText : FColorBoxText);
  C.Brush()->SetStyle(vcl::bsClear);
  const int x = numio2::NumberX(FAlignment, l, C.TextWidth(FInBuffer));
  C.TextRect(numio2::NumberClip(l), x, Ty, FInBuffer);
}

// Only the focused control shows a caret: a control's blink phase starts
// on when it is made, and every field of a form would show one until the
// first tick otherwise.
void TNumIO2::PaintCaret(vcl::TCanvas& C) {
  if (!FCaretVisib || !Focused()) return;
  const numio2::TLayout l = Layout();
  const int caret = std::clamp(FCaretPos, 0, static_cast<int>(FInBuffer.size()));
  const int wc = C.TextWidth(FInBuffer.substr(0, static_cast<std::size_t>(caret)));
  const int c = numio2::CaretOffset(FAlignment, l, wc, C.TextWidth(FInBuffer));
  if (c <= 0 || c >= l.TextBoxWidth) return;
  Line(C, FColBlackLine, {{l.LeftSpace + c, 3}, {l.LeftSpace + c, numio2::StripBottom(l) - 3}});
}

void TNumIO2::PaintSelection(vcl::TCanvas& C) {
  if (FSelBegin >= FSelEnd || (!Focused() && FHideSelection)) return;
  const numio2::TLayout l = Layout();
  const int w = C.TextWidth(FInBuffer);
  auto xOf = [&](int Pos) {
    const int wp = C.TextWidth(FInBuffer.substr(0, static_cast<std::size_t>(Pos)));
    return std::clamp(numio2::CharX(FAlignment, l, wp, w), l.LeftSpace, l.LeftSpace + l.TextBoxWidth);
  };
  const vcl::TRect r = vcl::Rect(xOf(FSelBegin), 3, xOf(FSelEnd), numio2::StripBottom(l) - 3);
  C.SetCopyMode(vcl::DSTINVERT);
  C.CopyRect(r, &C, r);
  C.SetCopyMode(vcl::SRCCOPY);
}

}  // namespace vyr
