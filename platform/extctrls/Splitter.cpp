// TSplitter: a bar the mouse drags to size the aligned control beside it.
#include <algorithm>

#include "platform/ExtCtrls.h"
#include "platform/Look.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"

namespace vcl {

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  SetBounds(Left(), Top(), 3, 100);
  SetCursor(crHSplit);
}

TSplitter::~TSplitter() = default;

void TSplitter::SetBeveled(bool Value) {
  if (FBeveled == Value) return;
  FBeveled = Value;
  Invalidate();
}

// The splitter's cursor follows its direction, unless another was chosen.
void TSplitter::UpdateCursor() {
  if (Cursor() != crHSplit && Cursor() != crVSplit) return;
  SetCursor(Horizontal() ? crHSplit : crVSplit);
}

TControl* TSplitter::FindControl() const {
  TWinControl* parent = Parent();
  if (parent == nullptr) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    bool touches = false;
    switch (Align()) {
      case alLeft: touches = c->Left() + c->Width() == Left(); break;
      case alRight: touches = c->Left() == Left() + Width(); break;
      case alTop: touches = c->Top() + c->Height() == Top(); break;
      case alBottom: touches = c->Top() == Top() + Height(); break;
      default: break;
    }
    if (touches) return c;
  }
  return nullptr;
}

// The size the mouse at (X, Y) (splitter coordinates) asks for, kept
// between MinSize and what leaves MinSize on the other side; with AutoSnap
// a size below MinSize collapses the control.
int TSplitter::NewSize(int X, int Y) const {
  TWinControl* parent = Parent();
  bool h = Horizontal();
  int delta = h ? (Left() + X - FDownPos.X) : (Top() + Y - FDownPos.Y);
  if (Align() == alRight || Align() == alBottom) delta = -delta;
  int size = FStartSize + delta;
  int others = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == FControl || !c->Visible()) continue;
    bool side = h ? (c->Align() == alLeft || c->Align() == alRight)
                  : (c->Align() == alTop || c->Align() == alBottom);
    if (side) others += h ? c->Width() : c->Height();
  }
  int extent = h ? parent->ClientWidth() : parent->ClientHeight();
  int most = std::max(FMinSize, extent - others - FMinSize);
  if (size < FMinSize) return FAutoSnap ? 0 : FMinSize;
  return std::min(size, most);
}

void TSplitter::ApplySize(int Size) {
  if (FControl == nullptr) return;
  bool accept = true;
  if (FOnCanResize) FOnCanResize(this, Size, accept);
  if (!accept || !detail::IsAlive(this) || FControl == nullptr) return;
  if (Horizontal()) {
    FControl->SetWidth(Size);
  } else {
    FControl->SetHeight(Size);
  }
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !detail::IsAlive(this)) return;
  FControl = FindControl();
  if (FControl == nullptr) return;
  FControl->FreeNotification(this);
  FDownPos = {Left() + X, Top() + Y};
  FStartSize = Horizontal() ? FControl->Width() : FControl->Height();
  FPendingSize = -1;
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!detail::IsAlive(this)) return;
  UpdateCursor();
  if (FControl == nullptr) return;
  int size = NewSize(X, Y);
  if (FResizeStyle == rsNone) {
    FPendingSize = size;
  } else {
    ApplySize(size);
  }
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FControl != nullptr && Button == mbLeft) {
    TControl* sized = FControl;
    if (FPendingSize >= 0) ApplySize(FPendingSize);
    int now = Horizontal() ? sized->Width() : sized->Height();
    sized->RemoveFreeNotification(this);
    FControl = nullptr;
    if (now != FStartSize && FOnMoved) FOnMoved(this);
    if (!detail::IsAlive(this)) return;
  }
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSplitter::Loaded() {
  TGraphicControl::Loaded();
  UpdateCursor();
}

void TSplitter::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

void TSplitter::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  if (!FBeveled) return;
  TRect r = ClientRect();
  if (Horizontal()) {
    r.Inflate(-(std::max(0, r.Width() - 2) / 2), 0);
  } else {
    r.Inflate(0, -(std::max(0, r.Height() - 2) / 2));
  }
  look::DrawEdge(c, r, clBtnHighlight, clBtnShadow);
}

namespace {

bool RegisterSplitter() {
  RegisterEnum<TResizeStyle>({u"rsNone", u"rsLine", u"rsUpdate", u"rsPattern"});
  RegisterClass<TSplitter, TGraphicControl>(u"TSplitter")
      .Property(u"Align", &TControl::Align, &TControl::SetAlign, alLeft)
      .Named(u"Cursor", &TControl::Cursor, &TControl::SetCursor, crHSplit, formvalue::CursorNames())
      .Property(u"AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap, true)
      .Property(u"Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled, false)
      .Property(u"MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
      .Property(u"ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle, rsPattern)
      .Event(u"OnCanResize", &TSplitter::OnCanResize, &TSplitter::SetOnCanResize)
      .Event(u"OnMoved", &TSplitter::OnMoved, &TSplitter::SetOnMoved);
  return true;
}

const bool registered = RegisterSplitter();

}  // namespace

}  // namespace vcl
