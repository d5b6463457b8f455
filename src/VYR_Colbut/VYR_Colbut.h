// The color button: a panel that acts as a color swatch. Its Color is the
// chosen color; it lights up while the mouse is over it; a click opens the
// attached color dialog, and the color chosen there becomes the panel's
// Color, with the caption's font switched to black or white for contrast.
//
//   mouse enter  the color is kept and Color lightened in HSL
//                (HoverLightness)
//   mouse leave  the kept color comes back, unless Color was changed while
//                the mouse was over the button (by the dialog or by code):
//                then the new color stays
//   click        OnClick; with a dialog: preset with Color, shown, and on
//                acceptance Color := its color, caption contrast, OnChange
#pragma once

#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"

namespace vyr {

namespace colbut {

// The lightness shown under the mouse: L + 0.2 up to 0.3, above that
// halfway to white ((L + 1) / 2); never above 1.
double HoverLightness(double L);
// Color lightened by HoverLightness in HSL.
vcl::TColor HoverColor(vcl::TColor Color);
// The caption's color on a button of Color: clWindowText when the parent's
// background shows, else white on dark colors (ColorToGray <= 96) and
// black on light ones.
vcl::TColor CaptionColor(vcl::TColor Color, bool ParentBackground);

}  // namespace colbut

class TColorButton : public vcl::TCustomPanel {
 public:
  explicit TColorButton(vcl::TComponent* AOwner);
  ~TColorButton() override;

  // A dialog placed elsewhere (not owned); forgotten when it is freed.
  vcl::TColorDialog* ColorDialog() const { return FColorDialog; }
  void SetColorDialog(vcl::TColorDialog* Value);
  // Fired after a color was chosen in the dialog.
  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
  // The color the mouse leaving brings back.
  vcl::TColor BakColor() const { return FBakColor; }

  void Click() override;

 protected:
  void CMMouseEnter(vcl::TMessage& Message) override;
  void CMMouseLeave(vcl::TMessage& Message) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  vcl::TColorDialog* FColorDialog = nullptr;
  vcl::TColor FBakColor = vcl::clBtnFace;
  // The lightened color shown while the mouse is over the button, or
  // clNone when it is not.
  vcl::TColor FHoverColor = vcl::clNone;
  vcl::TNotifyEvent FOnChange;
};

}  // namespace vyr
