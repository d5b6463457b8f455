// TWindowScrollBars: the bars a windowed control shows inside its border.
//
// Placement in the area:   vertical bar   the right ScrollBarThickness
//                                         columns, above the horizontal bar
//                          horizontal bar the bottom rows, left of the
//                                         vertical bar
//                          size box       the corner when both show
// A press on a shown bar (or the size box) belongs to the bars until the
// release: the owner's content never sees it.
#include <algorithm>

#include "platform/ScrollBar.h"
#include "platform/scrollbar/Redraw.h"

namespace vcl {

TWindowScrollBars::TWindowScrollBars(TWinControl* Owner)
    : FOwner(Owner), FHorz(Owner, sbHorizontal), FVert(Owner, sbVertical),
      FAlive(std::make_shared<bool>(true)) {
  for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
    Bar(kind).SetOnRedraw([this] { scrollbar::InvalidateHost(FOwner); });
    Bar(kind).SetOnScroll([this, kind](TObject*, TScrollCode Code, int& Pos) {
      TScrollNotify notify = FOnScroll;  // the owner may go with the call
      if (notify) notify(kind, Code, Pos);
    });
  }
}

TWindowScrollBars::~TWindowScrollBars() { *FAlive = false; }

// ---------------------------------------------------------------- layout

void TWindowScrollBars::SetScrollBars(TScrollStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Place();
}

void TWindowScrollBars::SetShown(bool Horizontal, bool Vertical) {
  if (FWantHorz == Horizontal && FWantVert == Vertical) return;
  FWantHorz = Horizontal;
  FWantVert = Vertical;
  Place();
}

bool TWindowScrollBars::Shown(TScrollBarKind Kind) const {
  if (Kind == sbVertical) return FWantVert && (FStyle == ssVertical || FStyle == ssBoth);
  return FWantHorz && (FStyle == ssHorizontal || FStyle == ssBoth);
}

void TWindowScrollBars::SetArea(const TRect& Value) {
  FArea = Value;
  Place();
  Enable();
}

void TWindowScrollBars::Place() {
  const int s = ScrollBarThickness;
  const TRect& a = FArea;
  bool h = Shown(sbHorizontal), v = Shown(sbVertical);
  int barLeft = std::max(a.Left, a.Right - s);
  int barTop = std::max(a.Top, a.Bottom - s);
  FVert.SetBounds(v ? Rect(barLeft, a.Top, a.Right, h ? barTop : a.Bottom) : TRect());
  FHorz.SetBounds(h ? Rect(a.Left, barTop, v ? barLeft : a.Right, a.Bottom) : TRect());
}

// The bars follow the owner's enabled state.
void TWindowScrollBars::Enable() {
  FHorz.SetEnabled(FOwner->Enabled());
  FVert.SetEnabled(FOwner->Enabled());
}

TRect TWindowScrollBars::ContentRect() const {
  TRect r = FArea;
  if (Shown(sbVertical)) r.Right = FVert.Bounds().Left;
  if (Shown(sbHorizontal)) r.Bottom = FHorz.Bounds().Top;
  return r;
}

TRect TWindowScrollBars::BarRect(TScrollBarKind Kind) const { return Bar(Kind).Bounds(); }

TRect TWindowScrollBars::SizeBox() const {
  if (!Shown(sbHorizontal) || !Shown(sbVertical)) return TRect();
  return Rect(FVert.Bounds().Left, FHorz.Bounds().Top, FVert.Bounds().Right,
              FHorz.Bounds().Bottom);
}

void TWindowScrollBars::SetSteps(TScrollBarKind Kind, int SmallChange, int LargeChange) {
  Bar(Kind).SetSmallChange(SmallChange);
  Bar(Kind).SetLargeChange(LargeChange);
}

// ---------------------------------------------------------------- input

bool TWindowScrollBars::OnBars(TPoint P) const {
  return FHorz.Bounds().Contains(P) || FVert.Bounds().Contains(P) || SizeBox().Contains(P);
}

// Only the left button scrolls; other buttons on the bars are swallowed.
bool TWindowScrollBars::MouseDown(TMouseButton Button, TPoint P) {
  if (Button != mbLeft || !OnBars(P)) return OnBars(P);
  Enable();
  std::shared_ptr<bool> alive = FAlive;
  FOwner->SetMouseCapture(true);
  if (!FVert.MouseDown(P)) FHorz.MouseDown(P);
  if (*alive && !Pressed()) FOwner->SetMouseCapture(false);
  return true;
}

bool TWindowScrollBars::MouseMove(TPoint P) {
  if (FVert.Pressed()) return FVert.MouseMove(P);
  if (FHorz.Pressed()) return FHorz.MouseMove(P);
  return false;
}

bool TWindowScrollBars::MouseUp(TMouseButton Button, TPoint P) {
  if (Button != mbLeft || !Pressed()) return Button != mbLeft && OnBars(P);
  FOwner->SetMouseCapture(false);
  if (FVert.Pressed()) return FVert.MouseUp(P);
  return FHorz.MouseUp(P);
}

bool TWindowScrollBars::MouseWheel(int WheelDelta) {
  if (FVert.Active()) return FVert.MouseWheel(WheelDelta);
  if (FHorz.Active()) return FHorz.MouseWheel(WheelDelta);
  return false;
}

void TWindowScrollBars::CancelMode() {
  if (!Pressed()) return;
  FOwner->SetMouseCapture(false);
  std::shared_ptr<bool> alive = FAlive;
  FVert.CancelMode();
  if (*alive) FHorz.CancelMode();
}

// ---------------------------------------------------------------- painting

void TWindowScrollBars::Paint(TCanvas& C) const {
  if (Shown(sbHorizontal)) FHorz.Paint(C);
  if (Shown(sbVertical)) FVert.Paint(C);
  TRect box = SizeBox();
  if (box.IsEmpty()) return;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clBtnFace);
  C.FillRect(box);
}

}  // namespace vcl
