// The numeric label: one floating-point value shown as text in a framed
// label zone, with an optional caption on either side.
//
//   x = 0          LeftSpace          LeftSpace + LabelWidth      Width
//   | LeftText     | value (framed)   | RightText                 |
//     left zone      label zone          right zone
//
// The value's text comes from the display type (VYR_NumLabText.h lists
// every type with examples) and passes through OnBeforeDisplay; a text
// wider than LabelWidth - 6 is replaced by OverflowIndicator (a dtState
// text never is). A disabled label draws its captions engraved and its
// value in clBtnShadow. Painting is composed off screen; a transparent
// label lets the parent show where its picture is white.
//
// Setters paint at once (a transparent label requests a repaint instead, so
// that the parent's background is drawn first).
#pragma once

#include <cstdint>
#include <functional>

#include "VYR_NumLab/VYR_NumLabText.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"
#include "platform/StdCtrls.h"

namespace vyr {

// May replace the text about to be shown.
using TBeforeDisplayEvent = std::function<void(vcl::TObject* Sender, vcl::String& Text)>;

// ---------------------------------------------------------------- geometry

// The zone under x: 0 left (x <= LeftSpace), 1 label, 2 right
// (x > LeftSpace + LabelWidth).
int NumLabZoneAt(int X, int LeftSpace, int LabelWidth);
// Where captions and value start (x of the text's left edge) for a text
// TextWidth pixels wide, by alignment:
//   left caption   taLeftJustify 7, taRightJustify LeftSpace - tw - 5,
//                  taCenter (LeftSpace - tw) div 2
//   right caption  R0 = LeftSpace + LabelWidth: taLeftJustify R0 + 7,
//                  taRightJustify Width - tw - 6, taCenter (Width - (R0 + tw)) div 2 + R0 + 1
//   value          taLeftJustify LeftSpace + 4, taRightJustify LeftSpace + LabelWidth - tw - 2,
//                  taCenter LeftSpace + (LabelWidth - tw) div 2 + 2
// An engraved caption's highlight copy lies one pixel right and down.
int NumLabLeftTextX(vcl::TAlignment Alignment, int LeftSpace, int TextWidth);
int NumLabRightTextX(vcl::TAlignment Alignment, int LeftSpace, int LabelWidth, int Width,
                     int TextWidth);
int NumLabValueX(vcl::TAlignment Alignment, int LeftSpace, int LabelWidth, int TextWidth);

// ---------------------------------------------------------------- the control

class TNumLab : public vcl::TGraphicControl {
 public:
  explicit TNumLab(vcl::TComponent* AOwner);
  ~TNumLab() override;

  double Value() const { return FLabValue; }
  void SetValue(double Value);
  TDisplay DisplayType() const { return FDisplayType; }
  void SetDisplayType(TDisplay Value);
  // Digits or decimals of the display type; negative values are ignored,
  // values above 15 are stored as 15.
  int Precision() const { return FDecP; }
  void SetPrecision(int Value);
  // The decimal separator shown: "," with Comma, "." without.
  bool Comma() const { return FComma; }
  void SetComma(bool Value);
  // A "+" before values greater than 0.
  bool ForcePlusSign() const { return FPlusSign; }
  void SetForcePlusSign(bool Value);
  // Hides the value; frame and captions stay.
  bool Empty() const { return FEmpty; }
  void SetEmpty(bool Value);
  // Width of the left zone; negative values are ignored, values beyond
  // Width are stored as Width.
  int LeftSpace() const { return FLeftSpace; }
  void SetLeftSpace(int Value);
  int LabelWidth() const { return FLabWidth; }
  void SetLabelWidth(int Value);
  const vcl::String& LeftText() const { return FLeftText; }
  void SetLeftText(const vcl::String& Value);
  const vcl::String& RightText() const { return FRightText; }
  void SetRightText(const vcl::String& Value);
  vcl::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(vcl::TAlignment Value);
  vcl::TAlignment LeftTextAlignment() const { return FLTAlignment; }
  void SetLeftTextAlignment(vcl::TAlignment Value);
  vcl::TAlignment RightTextAlignment() const { return FRTAlignment; }
  void SetRightTextAlignment(vcl::TAlignment Value);
  const vcl::String& OverflowIndicator() const { return FOverFlowIndi; }
  void SetOverflowIndicator(const vcl::String& Value);
  const vcl::String& StateText() const { return FStateText; }
  void SetStateText(const vcl::String& Value);
  const vcl::String& DTFormat() const { return FDtFormat; }
  void SetDTFormat(const vcl::String& Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Also sets the gray and white line colors.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  vcl::TColor ColorLabText() const { return FColorLabText; }
  void SetColorLabText(vcl::TColor Value);
  vcl::TColor ColorLabBakG() const { return FColorLabBakG; }
  void SetColorLabBakG(vcl::TColor Value);
  vcl::TColor ColorOutText() const { return FColorOutText; }
  void SetColorOutText(vcl::TColor Value);
  vcl::TColor ColorOutBakG() const { return FColorOutBakG; }
  void SetColorOutBakG(vcl::TColor Value);
  bool Transparent() const { return FTransParent; }
  void SetTransparent(bool Value);
  bool Enabled() const override { return FEnabled; }
  // Stores, passes on to the control and repaints, even when unchanged.
  void SetEnabled(bool Value) override;
  TBeforeDisplayEvent OnBeforeDisplay() const { return FOnBeforeDisplay; }
  void SetOnBeforeDisplay(TBeforeDisplayEvent Value) { FOnBeforeDisplay = std::move(Value); }

  // The zone under the mouse at its last move (see NumLabZoneAt).
  int MouseAreaCode() const { return FMouseAreaCode; }
  // The text the value shows now, before OnBeforeDisplay and the overflow
  // test.
  vcl::String ValueText() const;

  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;
  void Paint() override;

 protected:
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;

 private:
  // Paints at once, or requests a paint when transparent; nothing while
  // the control is being loaded.
  void Changed();
  TNumLabFormat Format() const;
  void PaintBackground(vcl::TCanvas& C) const;
  void PaintCaption(vcl::TCanvas& C, const vcl::String& Text, int X, int Y) const;
  void PaintLabelZone(vcl::TCanvas& C) const;
  void PaintValue(vcl::TCanvas& C, int Y);
  void PaintPicture();
  void Output(vcl::TBitmap& Picture);

  double FLabValue = 0.0;
  TDisplay FDisplayType = dtFixP;
  int FDecP = 2;
  bool FComma = false;
  bool FPlusSign = false;
  bool FEmpty = false;
  int FLeftSpace = 35;
  int FLabWidth = 80;
  vcl::String FLeftText;
  vcl::String FRightText;
  vcl::TAlignment FAlignment = vcl::taCenter;
  vcl::TAlignment FLTAlignment = vcl::taRightJustify;
  vcl::TAlignment FRTAlignment = vcl::taLeftJustify;
  vcl::String FOverFlowIndi = u"*********";
  vcl::String FStateText = u"undefined";
  vcl::String FDtFormat = u"mmm-dd, yyyy";
  TFrameStyle FFrameStyle = fsLowered;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColorLabText = vcl::clBlack;
  vcl::TColor FColorLabBakG = vcl::clBtnFace;
  vcl::TColor FColorOutText = vcl::clBlack;
  vcl::TColor FColorOutBakG = vcl::clBtnFace;
  bool FTransParent = false;
  bool FEnabled = true;
  TBeforeDisplayEvent FOnBeforeDisplay;
  int FMouseAreaCode = 0;
  // A change made while painting (by OnBeforeDisplay) paints once more
  // after the paint in progress.
  bool FPainting = false;
  bool FRepaintPending = false;
  vcl::TColor FColBlackLine = vcl::clBlack;
  vcl::TColor FColGrayLine = vcl::clGray;
  vcl::TColor FColWhiteLine = vcl::clWhite;
};

}  // namespace vyr
