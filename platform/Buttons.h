// The speed button: a graphic push button that can stay down, alone or as
// one of a group of siblings of which at most one is down.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = int;

// A speed button, 23 × 22. A left press shows it pressed while the pointer
// stays on it; the release inside clicks it. With a GroupIndex the click
// toggles Down instead (pressing it down raises every sibling of the same
// group index through CM_BUTTONPRESSED); a down button of a group comes up
// again only when AllowAllUp is set. Without a GroupIndex Down is always
// false.
//
// Drawing: a face of clBtnFace with a two-pixel raised frame, or a pressed
// frame and the content one pixel down and right while down; Flat buttons
// show a one-pixel frame only while the pointer is over them or they are
// down. The content is the Glyph (an optional bitmap holding NumGlyphs
// pictures side by side: up, disabled, pressed, down; its bottom-left pixel
// color is see-through) and the Caption, placed by Layout, Margin and
// Spacing.
class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The picture, made on first use.
  TBitmap* Glyph();
  void SetGlyph(TBitmap* Value);
  // Pictures in the glyph, 1 to 4.
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // Pixels between the edge and the content; -1 centres the content.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  // Pixels between glyph and caption.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  // A flat button that is up shows its parent through its face.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // The state shown: up, disabled, pressed (by the mouse) or exclusive (Down).
  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  void Click() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMButtonPressed(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void Loaded() override;
  // Ends a press without clicking (the button comes up; the release that
  // follows does nothing).
  void CancelPress();
  bool Dragging() const { return FDragging; }

 private:
  // Tells the siblings of the group that this button went down.
  void UpdateExclusive();
  void PaintFace(TCanvas& C, bool Pressed);
  void PaintContent(TCanvas& C, const TRect& Area, bool Pressed);
  // The picture of the glyph for the state shown (nullptr without glyph).
  std::unique_ptr<TBitmap> GlyphPicture() const;

  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FTransparent = true;
  TButtonState FState = bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
};

}  // namespace vcl
