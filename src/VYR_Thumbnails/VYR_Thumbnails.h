// The thumbnail strip: a graphic control showing the slides Min .. Max as
// a grid of square cells that scrolls vertically. The control owns no
// images: while painting it asks the application, slide by slide, how to
// show each visible slide and for its image (OnImageRequest), and scales
// that image into the cell. It keeps a selection over the slides, frames
// the slide under the mouse, and reports clicks with the slide number.
//
// Geometry (VYR_ThumbGeometry.h): cells of SlideSize + 2 × SlideMargin
// pixels repeat every SlideSize + SlideDistance + 2 × SlideMargin pixels
// from 10 pixels inside the left and top edges. FirstThumbIdx is the scroll
// position: its integer part the first slide of the top row, its fraction
// the part of that row scrolled out (see QuantizeFirstThumb).
//
// A paint, for every visible slide n in Min .. Max (columns outer, rows
// inner):
//   1. OnImageRequest(n, HowToProcess = irpShowEmpty, MarkIt = -1, ImgBuffer)
//   2. unless irpShowNothing: the cell filled with ColorSelected (selected)
//      or ColorCover, framed in OuterFrameStyle
//   3. irpShowEmpty: a white card with the slide number in the middle;
//      irpShowSlide: the image stretched into the image area (its longer
//      side filling it, COLORONCOLOR, or HALFTONE with AntiAlias), framed
//      in InnerFrameStyle just outside it; irpShowFrameOnly: nothing more
//   4. MarkIt other than -1: marker symbol MarkIt in ColorMark at (x0 + 10,
//      y0 + 12) of the cell
//   5. OnSlideRendered with the off-screen canvas and the cell's corner
// OnFirstImageRequest and OnLastImageRequest bracket the requests; the
// control's frame (FrameStyle) and a band of 10 pixels at the top and
// bottom in ColorBackGnd finish the picture, which is composed off screen
// and copied in one step. The image buffer belongs to the control and is
// empty at each request, so a slide never shows the image of the slide
// before; a handler fills it, or points ImgBuffer at a bitmap of its own,
// which stays its own (the control frees only the buffer it made).
//
// Mouse: the slide under the pointer gets a focus frame of FocusLinewidth
// rings in ColorFocus drawn straight onto the control (a paint removes it,
// FocusedSlide keeps its value); leaving the control takes it away. A left
// button release selects by SlideSelectMode and then fires OnImageClick
// with the slide (0 outside every slide):
//   ssmDisabled   the selection is left alone
//   ssmSingle     exactly the slide clicked (none for a click beside every
//                 slide)
//   ssmMultiple   a click toggles the slide and makes it the anchor;
//                 Shift+click selects every slide from the anchor to the
//                 slide clicked (the others stay as they are). The release
//                 that ends a double click changes nothing more.
// A double click fires OnImageDblClick without changing the selection. The
// wheel scrolls by a row per notch (unless OnMouseWheel handles it).
//
// The selection is a bit field of Max - Min + 1 bits at all times (from
// construction, after Min or Max change and after Assign); slide n is bit
// n - Min. Slides outside Min .. Max read as not selected and ignore
// being selected.
//
// Setters ignore an unchanged value where noted, clamp, store and repaint
// at once (not while the control is being loaded from a form file).
// Assign copies everything but the selection, SlideSelectMode, ColorMark
// and OnSlideRendered: those belong to the way each strip is used.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "VYR_Thumbnails/VYR_ThumbGeometry.h"
#include "companion/basepack/VYR_dstruct.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vyr {

enum TSlideSelectMode : std::uint8_t { ssmDisabled, ssmSingle, ssmMultiple };
enum TImageRequestProcessing : std::uint8_t {
  irpShowEmpty, irpShowSlide, irpShowFrameOnly, irpShowNothing
};

// Asked for every visible slide during painting; HowToProcess, MarkIt and
// ImgBuffer may be changed.
using TImageRequestEvent =
    std::function<void(vcl::TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                       int& MarkIt, vcl::TBitmap*& ImgBuffer)>;
// After a slide was drawn: the off-screen canvas and the cell's top-left
// corner (the canvas's pen, brush and font are put back afterwards).
using TSlideRenderedEvent =
    std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas, int X, int Y, int ThumbID)>;
using TImageClickEvent = std::function<void(vcl::TObject* Sender, int X, int Y, int ThumbID)>;

class TThumbnails : public vcl::TGraphicControl {
 public:
  static constexpr int DefaultWidth = 260;
  static constexpr int DefaultHeight = 400;
  static constexpr int MinSlideSize = 50;
  static constexpr int MaxGap = 100;      // SlideDistance and SlideMargin
  static constexpr int MaxFocusWidth = 10;
  static constexpr vcl::TColor DefaultColorCover = 0xC0C0C0;
  static constexpr vcl::TColor DefaultColorSelected = 0x800000;
  static constexpr vcl::TColor DefaultColorFocus = 0xFF0000;

  explicit TThumbnails(vcl::TComponent* AOwner);
  ~TThumbnails() override;

  // ---- the slides
  int Min() const { return FMin; }
  void SetMin(int Value);
  // At least 1.
  int Max() const { return FMax; }
  void SetMax(int Value);
  // The scroll position, made to fit the grid (QuantizeFirstThumb).
  double FirstThumbIdx() const { return FFirstThumbIx; }
  void SetFirstThumbIdx(double Value);
  // The grid the last paint laid out.
  int NumSlidesHoriz() const { return FNumSldX; }
  int NumSlidesVert() const { return FNumSldY; }

  // ---- sizes
  // 50 .. Width.
  int SlideSize() const { return FThumbBaseSize; }
  void SetSlideSize(int Value);
  // 0 .. 100.
  int SlideDistance() const { return FSlideDist; }
  void SetSlideDistance(int Value);
  int SlideMargin() const { return FSlideMargin; }
  void SetSlideMargin(int Value);
  // The sizes and scroll position as geometry works on them.
  TThumbLayout Layout() const;

  // ---- selection
  TSlideSelectMode SlideSelectMode() const { return FSelectMode; }
  // Clears the selection.
  void SetSlideSelectMode(TSlideSelectMode Value);
  bool SlideSelected(int SldNum) const;
  void SetSlideSelected(int SldNum, bool Value);
  bool GetSelectedSlide(int SldNum) const { return SlideSelected(SldNum); }
  void SetSelectedSlide(int SldNum, bool Value) { SetSlideSelected(SldNum, Value); }
  void ResetAllSelections();
  // The lowest selected slide; Min - 1 when none is.
  int FirstSelectedSlide() const;
  int NumSlidesSelected() const;
  // The selection's bits (bit n - Min for slide n).
  const TBitFld& SelectionBits() const { return *FSelectedSlide; }

  // ---- looks
  bool AntiAlias() const { return FAntiAlias; }
  void SetAntiAlias(bool Value);
  // 0 .. 10; 0 draws no focus frame.
  int FocusLinewidth() const { return FHiliteThickness; }
  void SetFocusLinewidth(int Value);
  // The slide with the focus frame (0: none).
  int FocusedSlide() const { return FLastHiLite; }
  vcl::TColor ColorBackGnd() const { return FColorBG; }
  void SetColorBackGnd(vcl::TColor Value);
  vcl::TColor ColorCover() const { return FColorCover; }
  void SetColorCover(vcl::TColor Value);
  vcl::TColor ColorSelected() const { return FColorSelected; }
  void SetColorSelected(vcl::TColor Value);
  vcl::TColor ColorFocus() const { return FColorHilite; }
  void SetColorFocus(vcl::TColor Value);
  vcl::TColor ColorMark() const { return FMarkColor; }
  void SetColorMark(vcl::TColor Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  TFrameStyle OuterFrameStyle() const { return FOuterFrameStyle; }
  void SetOuterFrameStyle(TFrameStyle Value);
  TFrameStyle InnerFrameStyle() const { return FInnerFrameStyle; }
  void SetInnerFrameStyle(TFrameStyle Value);
  // csBWG: frame lines in gray 808080 and white; csSystem: clBtnShadow and
  // clBtnHighlight.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // ---- geometry
  // The slide under a client point, 0 when none.
  int CalcSlideIndex(int XPos, int YPos) const;
  // The top-left corner of a slide's cell.
  void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;

  // ---- events
  TImageRequestEvent OnImageRequest() const { return FOnImageRequest; }
  void SetOnImageRequest(TImageRequestEvent Value) { FOnImageRequest = std::move(Value); }
  TSlideRenderedEvent OnSlideRendered() const { return FOnSlideRendered; }
  void SetOnSlideRendered(TSlideRenderedEvent Value) { FOnSlideRendered = std::move(Value); }
  TImageClickEvent OnImageClick() const { return FOnImageClick; }
  void SetOnImageClick(TImageClickEvent Value) { FOnImageClick = std::move(Value); }
  TImageClickEvent OnImageDblClick() const { return FOnImageDblClick; }
  void SetOnImageDblClick(TImageClickEvent Value) { FOnImageDblClick = std::move(Value); }
  vcl::TNotifyEvent OnFocusChange() const { return FOnFocusChange; }
  void SetOnFocusChange(vcl::TNotifyEvent Value) { FOnFocusChange = std::move(Value); }
  vcl::TNotifyEvent OnFirstImageRequest() const { return FOnFirstImageRequest; }
  void SetOnFirstImageRequest(vcl::TNotifyEvent Value) { FOnFirstImageRequest = std::move(Value); }
  vcl::TNotifyEvent OnLastImageRequest() const { return FOnLastImageRequest; }
  void SetOnLastImageRequest(vcl::TNotifyEvent Value) { FOnLastImageRequest = std::move(Value); }

  void Paint() override;
  void Assign(vcl::TPersistent* Source) override;

 protected:
  void AssignTo(vcl::TPersistent* Dest) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void WMLButtonUp(vcl::TWMMouse& Message) override;
  void WMLButtonDblClk(vcl::TWMMouse& Message) override;
  void CMMouseLeave(vcl::TMessage& Message) override;
  bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;

 private:
  // ---- painting (VYR_ThumbnailsPaint.cpp)
  void PaintNow();
  void Compose(vcl::TBitmap& Off);
  void UpdateColumns(int BitmapWidth);
  void PaintSlide(vcl::TCanvas& C, const vcl::TRect& Cell, int N, vcl::TBitmap& Buffer);
  void DrawCover(vcl::TCanvas& C, const vcl::TRect& Cell, int N) const;
  void DrawEmptyCard(vcl::TCanvas& C, const vcl::TRect& Cell, int N) const;
  void DrawImage(vcl::TCanvas& C, const vcl::TRect& Cell, vcl::TBitmap* Image) const;
  void DrawMark(vcl::TCanvas& C, const vcl::TRect& Cell, int MarkIt) const;
  void FrameOf(vcl::TCanvas& C, TFrameStyle Style, const vcl::TRect& Corners) const;
  void CutEdges(vcl::TCanvas& C, int W, int H) const;
  // The focus frame of slide N in Color, straight onto the control.
  void DrawFocusFrame(int N, vcl::TColor Color);
  void MoveFocus(int N);
  // ---- selection (VYR_Thumbnails.cpp)
  void ResizeSelection();
  void ClickSelect(int N, vcl::TShiftState Shift);
  void ScrollRows(int Rows);

  int FMin = 1;
  int FMax = 100;
  double FFirstThumbIx = 1.0;
  int FNumSldX = 2;
  int FNumSldY = 0;
  int FThumbBaseSize = 120;
  int FSlideDist = 2;
  int FSlideMargin = 7;
  TSlideSelectMode FSelectMode = ssmSingle;
  bool FAntiAlias = false;
  int FHiliteThickness = 1;
  int FLastHiLite = 0;
  int FLastClickedSlide = 0;  // the anchor of Shift+click ranges
  vcl::TColor FColorBG = vcl::clBtnFace;
  vcl::TColor FColorCover = DefaultColorCover;
  vcl::TColor FColorSelected = DefaultColorSelected;
  vcl::TColor FColorHilite = DefaultColorFocus;
  vcl::TColor FMarkColor = vcl::clBlack;
  TFrameStyle FFrameStyle = fsLowered;
  TFrameStyle FOuterFrameStyle = fsRaised;
  TFrameStyle FInnerFrameStyle = fsLowered;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColBlackLine = vcl::clBlack;
  vcl::TColor FColGrayLine = vcl::clGray;
  vcl::TColor FColWhiteLine = vcl::clWhite;
  bool FIsWorking = false;     // a paint is in progress
  bool FEndsDblClick = false;  // the next release ends a double click
  std::unique_ptr<TBitFld> FSelectedSlide;
  // Gone when the control is: lets mouse handling stop after a handler
  // freed the control.
  std::shared_ptr<bool> FLife = std::make_shared<bool>(true);

  TImageRequestEvent FOnImageRequest;
  TSlideRenderedEvent FOnSlideRendered;
  TImageClickEvent FOnImageClick, FOnImageDblClick;
  vcl::TNotifyEvent FOnFocusChange, FOnFirstImageRequest, FOnLastImageRequest;
};

}  // namespace vyr
