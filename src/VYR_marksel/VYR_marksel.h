// The mark selector: the user picks one of the 52 marker symbols of
// DrawMarkOnCanvas (0 .. 51), e.g. the point symbol of a chart series.
// The visible symbols fill a grid row by row (see VYR_markselLayout.h);
// the symbol nearest to the mouse is highlighted, a click selects it.
// Symbol 0 can be shown as a cross; symbols 1 .. 51 can be hidden.
//
// Mouse:
//   move          after OnMouseMove: the nearest visible symbol is
//                 highlighted (drawn straight onto the control; paints keep
//                 it); some symbol is always highlighted while the mouse is
//                 over the enabled control, none after it leaves.
//   left release  after OnClick and OnMouseUp: the nearest visible symbol
//                 (however far) becomes Selected, OnMarkClick fires, the
//                 control paints and highlights it.
//   left double   the same with OnMarkDblClick (the release that follows
//                 is a click as well).
#pragma once

#include <cstdint>
#include <functional>

#include "VYR_marksel/VYR_markselLayout.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vyr {

// A click on a symbol: the mouse position and the symbol's number.
using TMarkClickEvent = std::function<void(vcl::TObject* Sender, int X, int Y, int Mark)>;

class TMarkSel : public vcl::TGraphicControl {
 public:
  explicit TMarkSel(vcl::TComponent* AOwner);
  ~TMarkSel() override;

  // Grid size: 1 .. 51 (other values are ignored).
  int NrOfColumns() const { return FNrCols; }
  void SetNrOfColumns(int Value);
  int NrOfRows() const { return FNrRows; }
  void SetNrOfRows(int Value);
  // The selected symbol, -1 for none; other values outside 0 .. 51 are
  // ignored.
  int Selected() const { return FSelected; }
  void SetSelected(int Value);
  bool ShowZeroAsCross() const { return FZeroAsCross; }
  void SetShowZeroAsCross(bool Value);

  vcl::TColor ColorBackGnd() const { return FColorBG; }
  void SetColorBackGnd(vcl::TColor Value) { SetColorField(FColorBG, Value); }
  // Symbol color.
  vcl::TColor ColorMarks() const { return FColorFG; }
  void SetColorMarks(vcl::TColor Value) { SetColorField(FColorFG, Value); }
  // Symbol and background color of the selected symbol.
  vcl::TColor ColorSelFG() const { return FColorSelFG; }
  void SetColorSelFG(vcl::TColor Value) { SetColorField(FColorSelFG, Value); }
  vcl::TColor ColorSelBG() const { return FColorSelBG; }
  void SetColorSelBG(vcl::TColor Value) { SetColorField(FColorSelBG, Value); }
  // Background and symbol color of the highlighted symbol.
  vcl::TColor ColorHiLiteBG() const { return FColorHiLite; }
  void SetColorHiLiteBG(vcl::TColor Value) { SetColorField(FColorHiLite, Value); }
  vcl::TColor ColorHiLiteSymbol() const { return FColorHiSymb; }
  void SetColorHiLiteSymbol(vcl::TColor Value) { SetColorField(FColorHiSymb, Value); }
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // Disabled, the control paints in grays (0x808080 symbols on 0xC0C0C0,
  // the selected one on 0xDEDEDE).
  bool Enabled() const override { return FEnabled; }
  void SetEnabled(bool Value) override;

  // Visibility of a symbol. Reading: indices outside 0 .. 51 read symbol
  // 0. Writing: only symbols 1 .. 51 (symbol 0 is always shown).
  bool MarkVisible(int Index) const;
  void SetMarkVisible(int Index, bool Value);
  bool GetVis(int Index) const { return MarkVisible(Index); }
  void SetVis(int Index, bool Value) { SetMarkVisible(Index, Value); }
  void ShowAllMarks();
  void HideAllMarks();

  // The symbol under the highlight, -1 for none.
  int HiLited() const { return FLastHiLite; }
  // The layout of the current size and settings, and the centre of a symbol
  // in it (hidden symbols keep their last centre).
  marksel::TMarkGrid Grid() const;
  vcl::TPoint MarkCentre(int Mark) const;
  // The visible symbol nearest to a client point.
  int MarkAt(int X, int Y) const;

  TMarkClickEvent OnMarkClick() const { return FOnMarkClick; }
  void SetOnMarkClick(TMarkClickEvent Value) { FOnMarkClick = std::move(Value); }
  TMarkClickEvent OnMarkDblClick() const { return FOnMarkDblClick; }
  void SetOnMarkDblClick(TMarkClickEvent Value) { FOnMarkDblClick = std::move(Value); }
  // Fired after every paint.
  vcl::TNotifyEvent OnPaint() const { return FOnPaint; }
  void SetOnPaint(vcl::TNotifyEvent Value) { FOnPaint = std::move(Value); }

 protected:
  void Paint() override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void WMLButtonUp(vcl::TWMMouse& Message) override;
  void WMLButtonDblClk(vcl::TWMMouse& Message) override;
  void CMMouseLeave(vcl::TMessage& Message) override;
  // What a left release and a left double click do after the framework's
  // own handling; a message at (-1, -1) is ignored.
  void WMMarkClick(vcl::TWMMouse& Message);
  void WMMarkDblClick(vcl::TWMMouse& Message);

 private:
  struct TColors {
    vcl::TColor Symbol, Background, SelSymbol, SelBackground;
  };
  TColors PaintColors() const;
  void SetColorField(vcl::TColor& Field, vcl::TColor Value);
  void Relayout();
  // Draws every cell, the symbols and the frame on Canvas.
  void DrawMarks(vcl::TCanvas& Canvas);
  // One symbol around its centre in the canvas's pen color.
  void DrawSymbol(vcl::TCanvas& Canvas, int Mark);
  // Highlights Mark on the control's canvas, restoring the one before.
  void HiLite(int Mark);
  // Moves the highlight to Mark, restoring the symbol highlighted before.
  void MoveHiLite(int Mark);
  // Draws Mark as the paint does.
  void RestoreMark(int Mark);
  // Draws the highlighted symbol as it is painted and forgets it.
  void ResetLastHiLite();
  void MarkClicked(vcl::TWMMouse& Message, TMarkClickEvent Event);

  int FNrCols = 8;
  int FNrRows = 6;
  int FSelected = -1;
  bool FZeroAsCross = true;
  vcl::TColor FColorBG = vcl::clBtnFace;
  vcl::TColor FColorFG = vcl::clBlack;
  vcl::TColor FColorSelFG = 0x800000;
  vcl::TColor FColorSelBG = 0xFFFFFF;
  vcl::TColor FColorHiLite = 0x0000FF;
  vcl::TColor FColorHiSymb = 0xFFFFFF;
  TFrameStyle FFrameStyle = fsBump;
  bool FEnabled = true;
  marksel::TMarkFlags FMarkVis{};
  marksel::TMarkCentres FMarkCoords{};
  marksel::TMarkGrid FGrid;
  int FLastHiLite = -1;
  TMarkClickEvent FOnMarkClick, FOnMarkDblClick;
  vcl::TNotifyEvent FOnPaint;
};

}  // namespace vyr
