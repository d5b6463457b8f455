// TScrollBox: children that reach past the box scroll with its bars.
#include <algorithm>

#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/Streaming.h"

namespace vcl {

TScrollBox::TScrollBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() << csAcceptsControls << csCaptureMouse << csDoubleClicks);
  SetBounds(Left(), Top(), 185, 41);
  FBars.SetScrollBars(ssBoth);
  FBars.SetOnScroll([this](TScrollBarKind Kind, TScrollCode Code, int& Pos) {
    if (Code == scEndScroll) return;
    TPoint to = FScrollPos;
    (Kind == sbVertical ? to.Y : to.X) = Pos;
    ScrollTo(to);
    Pos = Kind == sbVertical ? FScrollPos.Y : FScrollPos.X;
  });
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Invalidate();
}

void TScrollBox::SetAutoScroll(bool Value) {
  if (FAutoScroll == Value) return;
  FAutoScroll = Value;
  if (!Value) ScrollTo({0, 0});
  Invalidate();
}

TRect TScrollBox::InsideBorder() const {
  TRect r(0, 0, Width(), Height());
  if (FBorderStyle == bsSingle) r.Inflate(-look::EdgeWidth(look::ekSunken), -look::EdgeWidth(look::ekSunken));
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

// Right and bottom of the visible children, measured from the border's
// inside with the scroll position taken back out.
TSize TScrollBox::ContentExtent() const {
  TRect inside = InsideBorder();
  TSize extent;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible()) continue;
    extent.cx = std::max(extent.cx, c->Left() + c->Width() + FScrollPos.X - inside.Left);
    extent.cy = std::max(extent.cy, c->Top() + c->Height() + FScrollPos.Y - inside.Top);
  }
  return extent;
}

// A bar shows when the content does not fit; the other bar's thickness
// may make it needed too.
void TScrollBox::SyncBars() {
  TRect area = InsideBorder();
  FBars.SetArea(area);
  TSize extent = ContentExtent();
  bool horz = false, vert = false;
  if (FAutoScroll) {
    for (int pass = 0; pass < 2; ++pass) {
      horz = extent.cx > area.Width() - (vert ? ScrollBarThickness : 0);
      vert = extent.cy > area.Height() - (horz ? ScrollBarThickness : 0);
    }
  }
  FBars.SetShown(horz, vert);
  TRect content = FBars.ContentRect();
  FBars.SetRange(sbHorizontal, {0, std::max(0, extent.cx - 1), content.Width(), FScrollPos.X});
  FBars.SetRange(sbVertical, {0, std::max(0, extent.cy - 1), content.Height(), FScrollPos.Y});
  FBars.SetSteps(sbHorizontal, 8, std::max(1, content.Width()));
  FBars.SetSteps(sbVertical, 8, std::max(1, content.Height()));
}

TRect TScrollBox::ClientRect() const {
  // The bars' content rectangle as last synchronised, or the inside of the
  // border before the bars were ever laid out.
  TRect content = FBars.ContentRect();
  return content.IsEmpty() && FBars.Area().IsEmpty() ? InsideBorder() : content;
}

void TScrollBox::ScrollTo(TPoint Pos) {
  SyncBars();
  TRect content = FBars.ContentRect();
  TSize extent = ContentExtent();
  Pos.X = std::clamp(Pos.X, 0, std::max(0, extent.cx - content.Width()));
  Pos.Y = std::clamp(Pos.Y, 0, std::max(0, extent.cy - content.Height()));
  if (Pos == FScrollPos) return;
  int dx = FScrollPos.X - Pos.X, dy = FScrollPos.Y - Pos.Y;
  FScrollPos = Pos;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
  SyncBars();
  Invalidate();
}

void TScrollBox::ScrollInView(TControl* Control) {
  if (Control == nullptr || Control->Parent() != this) return;
  SyncBars();
  TRect content = FBars.ContentRect();
  TPoint to = FScrollPos;
  if (Control->Left() < content.Left) to.X -= content.Left - Control->Left();
  else if (Control->Left() + Control->Width() > content.Right)
    to.X += std::min(Control->Left() - content.Left, Control->Left() + Control->Width() - content.Right);
  if (Control->Top() < content.Top) to.Y -= content.Top - Control->Top();
  else if (Control->Top() + Control->Height() > content.Bottom)
    to.Y += std::min(Control->Top() - content.Top, Control->Top() + Control->Height() - content.Bottom);
  ScrollTo(to);
}

void TScrollBox::Paint() {
  SyncBars();
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(Rect(0, 0, Width(), Height()));
  if (FBorderStyle == bsSingle) look::DrawSunkenBorder(c, Rect(0, 0, Width(), Height()));
  FBars.Paint(c);
}

void TScrollBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SyncBars();
  if (FBars.MouseDown(Button, {X, Y})) return;
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TScrollBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (FBars.MouseMove({X, Y})) return;
  TCustomControl::MouseMove(Shift, X, Y);
}

void TScrollBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FBars.MouseUp(Button, {X, Y})) return;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TScrollBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  SyncBars();
  return FBars.MouseWheel(WheelDelta);
}

namespace {

bool RegisterScrollBox() {
  RegisterClass<TScrollBox, TCustomControl>(u"TScrollBox")
      .Property(u"BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle, bsSingle)
      .Property(u"AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll, true);
  return true;
}

const bool registered = RegisterScrollBox();

}  // namespace

}  // namespace vcl
