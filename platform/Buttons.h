// The speed button: a graphic push button that can stay down, alone or as
// one of a group of siblings of which at most one is down; the bitmap
// button: a push button with a glyph, and its stock kinds.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace vcl {

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = int;

// Where a glyph of size Glyph and a caption of size Text go in Area: side
// by side (blGlyphLeft/Right) or one above the other (blGlyphTop/Bottom),
// Spacing apart when both are there, the block centred across and, along,
// Margin pixels from the glyph's edge (-1: centred). The two top-left corners.
struct TGlyphPlacement {
  TPoint Glyph;
  TPoint Text;
};
TGlyphPlacement PlaceGlyphAndText(const TRect& Area, TSize Glyph, TSize Text, TButtonLayout Layout,
                                  int Margin, int Spacing);

// Picture Index of a glyph strip of Count pictures side by side, as a
// transparent bitmap of its own; nullptr when a picture would have no width.
std::unique_ptr<TBitmap> GlyphCell(TBitmap& Strip, int Count, int Index);

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

// ---------------------------------------------------------------- TBitBtn

enum TBitBtnKind : std::uint8_t {
  bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll
};

// What a stock kind sets: its caption, modal result, whether it is the
// default or the cancel button, and its picture (StockGlyph: 18 × 18,
// two pictures side by side, enabled and disabled, the bottom-left
// pixel's color see-through).
struct TBitBtnKindInfo {
  const char16_t* Caption;
  TModalResult ModalResult;
  bool Default;
  bool Cancel;
};
const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind Kind);
std::unique_ptr<TBitmap> StockGlyph(TBitBtnKind Kind);

// A push button (75 × 25) with a glyph beside its caption. Setting Kind to
// a stock kind sets the caption (when it was the old kind's or empty),
// ModalResult, Default and Cancel of that kind and shows its stock glyph
// while Glyph is empty; bkClose closes the form on a click. Form files
// store the caption, modal result and glyph only where they differ from
// the kind's own.
class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* AOwner);
  ~TBitBtn() override;

  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind Value);
  // The picture, made on first use; an empty glyph shows the kind's.
  TBitmap* Glyph();
  void SetGlyph(TBitmap* Value);
  bool HasGlyph() const { return FGlyph && !FGlyph->Empty(); }
  // Pictures in the glyph (1 to 4: up, disabled, pressed, down).
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  void Click() override;

  // For form files: whether a value differs from the kind's (and so is
  // stored); while loading, the values a file gives win over the kind's,
  // whatever order they come in.
  bool IsCustomCaption() const;
  bool IsCustomModalResult() const;
  bool IsCustomDefault() const { return Default() != BitBtnKindInfo(FKind).Default; }
  bool IsCustomCancel() const { return Cancel() != BitBtnKindInfo(FKind).Cancel; }
  void LoadCaption(const String& Value);
  void LoadModalResult(TModalResult Value);
  void LoadDefault(bool Value);
  void LoadCancel(bool Value);
  void Loaded() override;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> Picture() const;

  enum TLoadedValue : std::uint8_t { lvCaption = 1, lvModalResult = 2, lvDefault = 4, lvCancel = 8 };
  bool Keeps(TLoadedValue Value) const;

  TBitBtnKind FKind = bkCustom;
  std::uint8_t FLoadedValues = 0;  // the values a file being read has given
  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};

}  // namespace vcl
