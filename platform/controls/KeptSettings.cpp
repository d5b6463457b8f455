// Settings every control carries in form files although this platform does
// not act on them (reading direction, 3-D look, double buffering, help
// keywords, touch, margins): they are stored, copied and, where the
// framework does so, taken from the parent.
#include "platform/Controls.h"

namespace vcl {

// ---------------------------------------------------------------- touch, margins

void TTouchManager::SetTabletOptions(TTabletOptions Value) {
  FTabletOptions = Value;
  FParentTabletOptions = false;
}

void TTouchManager::Assign(TPersistent* Source) {
  if (auto* t = dynamic_cast<TTouchManager*>(Source)) {
    FGestures = t->FGestures;
    FGestureOptions = t->FGestureOptions;
    FParentTabletOptions = t->FParentTabletOptions;
    FTabletOptions = t->FTabletOptions;
    return;
  }
  TPersistent::Assign(Source);
}

void TMargins::Assign(TPersistent* Source) {
  if (auto* m = dynamic_cast<TMargins*>(Source)) {
    FLeft = m->FLeft;
    FTop = m->FTop;
    FRight = m->FRight;
    FBottom = m->FBottom;
    return;
  }
  TPersistent::Assign(Source);
}

// ---------------------------------------------------------------- TControl

void TControl::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  if (auto* w = dynamic_cast<TWinControl*>(this)) w->ChildrenFollow();
}

void TControl::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (Value) FollowParent();
}

void TControl::SetHelpKeyword(const String& Value) {
  if (!ComponentState().Contains(csLoading)) FHelpType = htKeyword;
  FHelpKeyword = Value;
}

void TControl::SetHelpContext(int Value) {
  if (!ComponentState().Contains(csLoading)) FHelpType = htContext;
  FHelpContext = Value;
}

void TControl::FollowParent() {
  if (FParent != nullptr && FParentBiDiMode) FBiDiMode = FParent->FBiDiMode;
}

// ---------------------------------------------------------------- TWinControl

void TWinControl::SetCtl3D(bool Value) {
  FParentCtl3D = false;
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  ChildrenFollow();
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (FParentCtl3D == Value) return;
  FParentCtl3D = Value;
  if (Value) FollowParent();
}

void TWinControl::SetDoubleBuffered(bool Value) {
  FParentDoubleBuffered = false;
  if (FDoubleBuffered == Value) return;
  FDoubleBuffered = Value;
  ChildrenFollow();
}

void TWinControl::SetParentDoubleBuffered(bool Value) {
  if (FParentDoubleBuffered == Value) return;
  FParentDoubleBuffered = Value;
  if (Value) FollowParent();
}

void TWinControl::FollowParent() {
  TControl::FollowParent();
  if (TWinControl* p = Parent()) {
    if (FParentCtl3D) FCtl3D = p->FCtl3D;
    if (FParentDoubleBuffered) FDoubleBuffered = p->FDoubleBuffered;
  }
  ChildrenFollow();
}

void TWinControl::ChildrenFollow() {
  for (TControl* c : FGraphicControls) c->FollowParent();
  for (TWinControl* c : FWinControls) c->FollowParent();
}

}  // namespace vcl
