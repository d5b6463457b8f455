#include "VYR_Colbut/VYR_Colbut.h"

#include <algorithm>

#include "companion/basepack/VYR_vyrcolors.h"
#include "platform/Streaming.h"

namespace vyr {

// ---------------------------------------------------------------- colors

namespace colbut {

double HoverLightness(double L) {
  const double lit = L <= 0.3 ? L + 0.2 : (L + 1) / 2;
  return std::min(lit, 1.0);
}

vcl::TColor HoverColor(vcl::TColor Color) {
  double h = 0, s = 0, l = 0;
  ColorToHSL(Color, h, s, l);
  return HSLtoColor(h, s, HoverLightness(l));
}

vcl::TColor CaptionColor(vcl::TColor Color, bool ParentBackground) {
  if (ParentBackground) return vcl::clWindowText;
  return ColorToGray(Color) <= 96 ? vcl::clWhite : vcl::clBlack;
}

}  // namespace colbut

// ---------------------------------------------------------------- the button

TColorButton::TColorButton(vcl::TComponent* AOwner) : vcl::TCustomPanel(AOwner) {
  SetParentBackground(false);
}

TColorButton::~TColorButton() = default;

void TColorButton::SetColorDialog(vcl::TColorDialog* Value) {
  if (Value == FColorDialog) return;
  if (FColorDialog != nullptr) FColorDialog->RemoveFreeNotification(this);
  FColorDialog = Value;
  if (FColorDialog != nullptr) FColorDialog->FreeNotification(this);
}

void TColorButton::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  vcl::TCustomPanel::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FColorDialog) FColorDialog = nullptr;
}

void TColorButton::CMMouseEnter(vcl::TMessage& Message) {
  vcl::TCustomPanel::CMMouseEnter(Message);
  FBakColor = Color();
  FHoverColor = colbut::HoverColor(Color());
  SetColor(FHoverColor);
}

// A color changed while the mouse was over the button is the user's or
// the application's choice; only the lightened one is taken back.
void TColorButton::CMMouseLeave(vcl::TMessage& Message) {
  vcl::TCustomPanel::CMMouseLeave(Message);
  if (FHoverColor != vcl::clNone && Color() == FHoverColor) SetColor(FBakColor);
  FHoverColor = vcl::clNone;
}

void TColorButton::Click() {
  vcl::TCustomPanel::Click();
  if (FColorDialog == nullptr) return;
  FColorDialog->SetColor(Color());
  if (!FColorDialog->Execute()) return;
  SetColor(FColorDialog->Color());
  FBakColor = Color();
  Font()->SetColor(colbut::CaptionColor(Color(), ParentBackground()));
  if (FOnChange) FOnChange(this);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterColorButton() {
  using B = TColorButton;
  vcl::RegisterClass<B, vcl::TCustomPanel>(u"TColorButton")
      .Property(u"ParentBackground", &vcl::TWinControl::ParentBackground,
                &vcl::TWinControl::SetParentBackground, false)
      .Reference(u"ColorDialog", &B::ColorDialog, &B::SetColorDialog)
      .Event(u"OnChange");
  return true;
}

const bool registered = RegisterColorButton();

}  // namespace

}  // namespace vyr
