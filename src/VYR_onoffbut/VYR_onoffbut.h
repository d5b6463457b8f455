// The on/off button: a two-state switch shown as a picture (a lamp, an LED,
// a check box, a slide switch, a traffic light, a smiley, ...) with up to
// four captions around it. A click on the picture toggles it; buttons with
// the same GroupIndex on one parent act as radio buttons; in the speed-button
// mode it is on only while held down.
//
// Pictures: each style's named bitmap holds four pictures in a 2 × 2 grid
// (top-left on/enabled, top-right off/enabled, bottom-left on/disabled,
// bottom-right off/disabled); pixels of 0xEBBEEB are see-through. The style
// oobsUser shows the user pictures (SetUserGlyph, LoadUserGlyph).
//
// Mouse (left button; OnMouseDown/OnMouseUp fire first):
//   press    oomaNone: nothing. oomaFocused: only strictly inside the
//            picture. A group button that is on with AllowAllOff false stays
//            on; otherwise the state flips, and a button turned on turns the
//            others of its group off.
//   release  accepted as the press is; in the speed-button mode the state
//            goes off; then OnClick fires. OnClick fires only here, never
//            from the framework's own click dispatch.
//
// Painting is composed off screen; with Transparent the parent shows
// wherever the picture is see-through and outside picture, captions and
// frame.
#pragma once

#include <array>
#include <memory>

#include "VYR_onoffbut/VYR_onoffbutLayout.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace vyr {

class TOnOffBut : public vcl::TGraphicControl {
 public:
  explicit TOnOffBut(vcl::TComponent* AOwner);
  ~TOnOffBut() override;

  // ---- state
  // Switching a group button off is refused while AllowAllOff is false;
  // switching one on turns the others of its group off.
  bool OnOff() const { return FOnOff; }
  void SetOnOff(bool Value);
  // Loads the style's pictures (and recentres with AutoCenter).
  TOnOffButStyle ButtonStyle() const { return FButStyle; }
  void SetButtonStyle(TOnOffButStyle Value);
  // oobmSpeedBut also switches the button off.
  TOOButMode Mode() const { return FMode; }
  void SetMode(TOOButMode Value);
  TOOButMouseAction MouseAction() const { return FMouseAction; }
  void SetMouseAction(TOOButMouseAction Value) { FMouseAction = Value; }
  // Buttons of the same nonzero index on one parent form a group in which
  // at most one is on. A negative index never matches another button.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // Whether the button that is on may be switched off (shared by the group).
  bool AllowAllOff() const { return FAllowAllOff; }
  void SetAllowAllOff(bool Value);

  // ---- placement of the picture
  // Keeps the picture centred: LeftSpace and TopSpace follow the size.
  bool AutoCenter() const { return FAutoCenter; }
  void SetAutoCenter(bool Value);
  // Pixels left of and above the picture. Negative values are ignored;
  // with AutoCenter the centred value stays; otherwise at most Width
  // (Height).
  int LeftSpace() const { return FLeftSpace; }
  void SetLeftSpace(int Value);
  int TopSpace() const { return FTopSpace; }
  void SetTopSpace(int Value);
  // The size of one picture.
  int GlyphWidth() const { return FGlyphWidth; }
  int GlyphHeight() const { return FGlyphHeight; }

  // ---- captions
  const vcl::String& LeftText() const { return FLeftText; }
  void SetLeftText(const vcl::String& Value) { SetCaptionText(FLeftText, Value); }
  const vcl::String& TopText() const { return FTopText; }
  void SetTopText(const vcl::String& Value) { SetCaptionText(FTopText, Value); }
  const vcl::String& RightText() const { return FRightText; }
  void SetRightText(const vcl::String& Value) { SetCaptionText(FRightText, Value); }
  const vcl::String& BottomText() const { return FBottomText; }
  void SetBottomText(const vcl::String& Value) { SetCaptionText(FBottomText, Value); }
  vcl::TAlignment LeftTextAlignment() const { return FLTAlignment; }
  void SetLeftTextAlignment(vcl::TAlignment Value) { SetAlignment(FLTAlignment, Value); }
  vcl::TAlignment TopTextAlignment() const { return FTTAlignment; }
  void SetTopTextAlignment(vcl::TAlignment Value) { SetAlignment(FTTAlignment, Value); }
  vcl::TAlignment RightTextAlignment() const { return FRTAlignment; }
  void SetRightTextAlignment(vcl::TAlignment Value) { SetAlignment(FRTAlignment, Value); }
  vcl::TAlignment BottomTextAlignment() const { return FBTAlignment; }
  void SetBottomTextAlignment(vcl::TAlignment Value) { SetAlignment(FBTAlignment, Value); }

  // ---- colors and look
  vcl::TColor ColorText() const { return FColorTxt; }
  void SetColorText(vcl::TColor Value);
  vcl::TColor ColorBackgnd() const { return FColorBakG; }
  void SetColorBackgnd(vcl::TColor Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // csBWG: line colors gray 0x808080 and white; otherwise clBtnShadow and
  // clBtnHighlight.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  vcl::TColor ColBlackLine() const { return FColBlackLine; }
  vcl::TColor ColGrayLine() const { return FColGrayLine; }
  vcl::TColor ColWhiteLine() const { return FColWhiteLine; }
  bool Transparent() const { return FTransParent; }
  void SetTransparent(bool Value);
  bool Enabled() const override { return FEnabled; }
  void SetEnabled(bool Value) override;

  // ---- pictures
  // The picture shown for state index OnOff × 2 + Enabled (0..3), for
  // reading (the next style change or user glyph replaces it).
  vcl::TBitmap* StatePicture(int Index);
  // The pictures of oobsUser, same indexing. By default 20 × 20: a cross
  // for off/enabled, a circle for on/enabled, the disabled ones blank
  // (see-through). For reading: SetUserGlyph changes them.
  vcl::TBitmap* UserPicture(int Index);
  // Takes the four pictures of oobsUser from Img, laid out as a style
  // bitmap (2 × 2 pictures of Width div 2 × Height div 2 pixels). EVYRError
  // for a missing bitmap or one smaller than 2 × 2; the pictures stay.
  void SetUserGlyph(vcl::TBitmap* Img);
  // The same from a bitmap file; a file that cannot be read raises
  // (EInvalidGraphic, EFOpenError) and leaves the pictures as they were.
  void LoadUserGlyph(const vcl::String& FName);

  // Moving counts as resizing: a button placed on its parent centres its
  // picture (AutoCenter) even when its size stays the same.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // Copies look, captions, state and pictures of another on/off button;
  // GroupIndex, AllowAllOff and Mode stay (they belong to this button's
  // place among its siblings).
  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;

 protected:
  void Paint() override;
  void Resize() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // Does nothing: OnClick fires from an accepted release only.
  void Click() override;
  void CMButtonPressed(vcl::TMessage& Message) override;

 private:
  void SetCaptionText(vcl::String& Field, const vcl::String& Value);
  void SetAlignment(vcl::TAlignment& Field, vcl::TAlignment Value);
  void LoadPictures();
  void Recentre();
  // Paints now, or asks for a paint in transparent mode (painting over the
  // old picture at once would keep its pixels where the new one is
  // see-through).
  void RepaintOrInvalidate();
  // Tells the siblings of the group that this button is on (or that
  // AllowAllOff changed).
  void UpdateGroup();
  bool Accepts(int X, int Y) const;
  // Painting steps (VYR_onoffbutPaint.cpp).
  void PaintCaptions(vcl::TBitmap& Bmp, int TextHeight);
  void PaintCaption(vcl::TBitmap& Bmp, const vcl::String& Text, onoff::TCaptionSide Side,
                    vcl::TAlignment Alignment, int TextHeight);
  void PaintPicture(vcl::TBitmap& Bmp);
  void PaintFrame(vcl::TBitmap& Bmp);

  bool FOnOff = true;
  TOnOffButStyle FButStyle = oobsColSlideLR;
  TOOButMode FMode = oobmNormalBut;
  TOOButMouseAction FMouseAction = oomaFocused;
  int FGroupIndex = 0;
  bool FAllowAllOff = true;
  bool FAutoCenter = true;
  int FLeftSpace = 35;
  int FTopSpace = 18;
  vcl::String FLeftText, FTopText, FRightText, FBottomText;
  vcl::TAlignment FLTAlignment = vcl::taRightJustify;
  vcl::TAlignment FTTAlignment = vcl::taCenter;
  vcl::TAlignment FBTAlignment = vcl::taCenter;
  vcl::TAlignment FRTAlignment = vcl::taLeftJustify;
  vcl::TColor FColorTxt = vcl::clBlack;
  vcl::TColor FColorBakG = vcl::clBtnFace;
  TFrameStyle FFrameStyle = fsLowered;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColBlackLine = vcl::clBlack;
  vcl::TColor FColGrayLine = 0x808080;
  vcl::TColor FColWhiteLine = 0xFFFFFF;
  bool FTransParent = false;
  bool FEnabled = true;

  std::array<std::unique_ptr<vcl::TBitmap>, 4> FButImg;
  std::array<std::unique_ptr<vcl::TBitmap>, 4> FUserImg;
  std::unique_ptr<vcl::TBitmap> FMask;
  int FGlyphWidth = 0;
  int FGlyphHeight = 0;
};

}  // namespace vyr
