// The rotated label: a label whose caption is drawn turned by TextAngle
// degrees (counter-clockwise) about an anchor point (PosX, PosY), with the
// text line's left end, centre or right end on the anchor (Alignment).
//
// Where the text goes: with hw = half the text width and hh = half the
// text height (integer halves of the measured size) and a the angle, the
// top-left corner of the turned text cell lies at the anchor plus
//   taLeftJustify   (-hh·sin a,             -hh·cos a)
//   taCenter        (-hw·cos a - hh·sin a,   hw·sin a - hh·cos a)
//   taRightJustify  (-2hw·cos a - hh·sin a,  2hw·sin a - hh·cos a)
// each rounded to the nearest integer (halves to even): the middle of the
// line's left end, its centre or the middle of its right end lies on the
// anchor. RotLabTextOrigin computes it.
//
// AntiAlias draws smoothed glyphs; a disabled label draws its text
// engraved. The frame (FrameStyle) lies on the outermost pixels. With
// AutoCenter the anchor follows the control's centre on every resize.
#pragma once

#include <cstdint>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/StdCtrls.h"

namespace vyr {

// The top-left corner of the turned text cell for a text of TextWidth ×
// TextHeight pixels whose Alignment point lies on the anchor (X, Y).
vcl::TPoint RotLabTextOrigin(int X, int Y, int TextWidth, int TextHeight, int AngleDegrees,
                             vcl::TAlignment Alignment);

class TRotLab : public vcl::TCustomLabel {
 public:
  explicit TRotLab(vcl::TComponent* AOwner);
  ~TRotLab() override;

  // Degrees, counter-clockwise.
  int TextAngle() const { return FTextAngle; }
  void SetTextAngle(int Value);
  // The anchor; with AutoCenter a new value is discarded and the anchor
  // recentred.
  int PosX() const { return FTextPosX; }
  void SetPosX(int Value);
  int PosY() const { return FTextPosY; }
  void SetPosY(int Value);
  // Which point of the text line lies on the anchor.
  vcl::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(vcl::TAlignment Value);
  bool AutoCenter() const { return FAutoCenter; }
  void SetAutoCenter(bool Value);
  // Smoothed glyphs (antialiased font quality) or the default quality.
  bool AntiAlias() const { return FAntiAlias; }
  void SetAntiAlias(bool Value);
  // Passed on to the label: a transparent label leaves the parent visible.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The background of an opaque label, passed on to the control's Color.
  vcl::TColor Color() const { return FBgColor; }
  void SetColor(vcl::TColor Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);

  // Puts the anchor on the control's centre (Width div 2, Height div 2).
  void AdjustAutoCenter();
  // What a resize does: with a parent and AutoCenter, recentre and repaint.
  void ProcessResize(vcl::TObject* Sender);

  // A label put on a parent with AutoCenter starts centred.
  void SetParent(vcl::TWinControl* AParent) override;
  // From another TRotLab: the turn (angle, anchor, centring, smoothing) and
  // the frame. The label settings underneath (font, color, alignment,
  // size, transparency) stay with the target.
  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;
  // A form file sets the size while the control is loading, when no resize
  // reaches it: with AutoCenter the anchor is centred once reading is done.
  void Loaded() override;

 protected:
  void Paint() override;
  // Draws the caption turned about the anchor; measuring (DT_CALCRECT)
  // leaves Rect as it is.
  void DoDrawText(vcl::TRect& Rect, int Flags) override;
  // Recentres (ProcessResize), then fires OnResize: an application's
  // OnResize handler adds to the recentring instead of replacing it.
  void Resize() override;

 private:
  // Repaints after a change: a request when transparent (the parent's
  // background is drawn first), at once otherwise.
  void Changed();
  // Gives the canvas the label's font turned by TextAngle, in the chosen
  // quality.
  void SelectTurnedFont(vcl::TCanvas& C);

  int FTextAngle = 0;
  int FTextPosX = 10;
  int FTextPosY = 10;
  vcl::TAlignment FAlignment = vcl::taCenter;
  bool FAutoCenter = true;
  bool FAntiAlias = true;
  bool FTransparent = true;
  vcl::TColor FBgColor = vcl::clBtnFace;
  TFrameStyle FFrameStyle = fsLowered;
};

}  // namespace vyr
