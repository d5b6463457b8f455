// What a form carries in its form file beyond its controls: the main menu
// and its keys, the resolution it was designed at and its scaling, the
// bookkeeping values kept for writing back, and OnCreate/OnDestroy.
#include <vector>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/WinapiGdi.h"
#include "platform/hosts/Host.h"

namespace vcl {

// ---------------------------------------------------------------- main menu

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  if (FMenu != nullptr) RemoveFreeNotification(FMenu);
  FMenu = Value;
  if (FMenu != nullptr) FreeNotification(FMenu);
  if (FHostWindow) Host().FormMenuChanged(*this);
}

// Shortcuts of enabled items click them; Alt with a letter drops down the
// top item whose caption marks that letter.
bool TCustomForm::IsShortCut(std::uint16_t Key, TShiftState Shift) {
  if (FMenu == nullptr) return false;
  if (FMenu->DispatchShortCut(ShortCut(Key, Shift))) return true;
  bool letter = (Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9');
  if (letter && Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) {
    int index = FMenu->AcceleratorIndex(static_cast<char16_t>(Key));
    if (index >= 0) {
      FMenu->DropDown(index);
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------- resolution

void TCustomForm::SetPixelsPerInch(int Value) {
  FPixelsPerInchSet = true;
  if (Value > 0) FPixelsPerInch = Value;
}

void TCustomForm::SetOldCreateOrder(bool Value) {
  FOldCreateOrderSet = true;
  FOldCreateOrder = Value;
}

namespace {

int Scale(int Value, int M, int D) { return MulDiv(Value, M, D); }

void ScaleFont(TFont& Font, int M, int D) { Font.SetHeight(Scale(Font.Height(), M, D)); }

void ScaleConstraints(TSizeConstraints& C, int M, int D) {
  C.SetMinWidth(Scale(C.MinWidth(), M, D));
  C.SetMinHeight(Scale(C.MinHeight(), M, D));
  C.SetMaxWidth(Scale(C.MaxWidth(), M, D));
  C.SetMaxHeight(Scale(C.MaxHeight(), M, D));
}

// Every control below Parent, each before its children, with its bounds.
void Collect(TWinControl& Parent, std::vector<std::pair<TControl*, TRect>>& Out) {
  for (int i = 0; i < Parent.ControlCount(); ++i) {
    TControl* c = Parent.Controls(i);
    Out.emplace_back(c, c->BoundsRect());
    if (auto* w = dynamic_cast<TWinControl*>(c)) Collect(*w, Out);
  }
}

}  // namespace

// The bounds are taken before anything moves and set parents first, so a
// parent's resizing (which moves its anchored children) is overwritten by
// each child's own scaled bounds.
void TCustomForm::ScaleBy(int M, int D) {
  if (M == D || M <= 0 || D <= 0) return;
  std::vector<std::pair<TControl*, TRect>> controls;
  Collect(*this, controls);
  ScaleFont(*Font(), M, D);
  ScaleConstraints(*Constraints(), M, D);
  SetClientWidth(Scale(ClientWidth(), M, D));
  SetClientHeight(Scale(ClientHeight(), M, D));
  for (auto& [c, r] : controls) {
    ScaleConstraints(*c->Constraints(), M, D);
    c->SetBounds(Scale(r.Left, M, D), Scale(r.Top, M, D), Scale(r.Width(), M, D),
                 Scale(r.Height(), M, D));
    if (!c->ParentFont()) ScaleFont(*c->Font(), M, D);
  }
}

// Scaling happens while the form still has its loading state, so that its
// own resizing does not move anchored children on top of their scaling.
void TCustomForm::Loaded() {
  int screen = TScreen::Instance().PixelsPerInch();
  if (FScaled && FPixelsPerInch != screen) {
    ScaleBy(screen, FPixelsPerInch);
    FPixelsPerInch = screen;
  }
  TWinControl::Loaded();
}

// ---------------------------------------------------------------- life

void TCustomForm::DoCreate() {
  if (FOnCreate) FOnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (FDestroyFired) return;
  FDestroyFired = true;
  if (!FOnDestroy) return;
  try {
    FOnDestroy(this);
  } catch (...) {
    // A destructor must not throw: the handler's failure is reported.
    TApplication::Instance().HandleException(this);
  }
}

}  // namespace vcl
