// The thumbnail strip's painting: the grid of slides composed off screen
// with the application's images, and the focus frame drawn straight onto
// the control.
#include <memory>

#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Guards.h"
#include "platform/SysUtils.h"
#include "platform/WinapiGdi.h"

namespace vyr {

namespace {

constexpr vcl::TColor kLightLine = 0xC0C0C0;
// The white card of irpShowEmpty leaves this much of the image area free
// above and below it.
constexpr int kCardInset = 20;
// Where a slide's marker symbol sits, from the cell's top-left corner.
constexpr int kMarkX = 10;
constexpr int kMarkY = 12;

void SetPenAndBrush(vcl::TCanvas& C, vcl::TColor Color) {
  C.Pen()->SetColor(Color);
  C.Pen()->SetWidth(1);
  C.Pen()->SetStyle(vcl::psSolid);
  C.Pen()->SetMode(vcl::pmCopy);
  C.Brush()->SetColor(Color);
  C.Brush()->SetStyle(vcl::bsSolid);
}

// Rings a frame style draws inside its rectangle.
int FrameRings(TFrameStyle Style) {
  if (Style == fsNoFrame) return 0;
  return Style == fsSimple ? 1 : 2;
}

}  // namespace

void TThumbnails::PaintNow() {
  if (ComponentState().Contains(vcl::csLoading)) return;
  Paint();
}

// A paint asked for while one runs (a handler setting a property) returns
// at once; the running one finishes with what it has.
void TThumbnails::Paint() {
  if (!Visible() && !ComponentState().Contains(vcl::csDesigning)) return;
  if (FIsWorking) return;
  vcl::TValueGuard working(FIsWorking, true);
  const int w = std::max(0, Width()), h = std::max(0, Height());
  vcl::TBitmap off(w, h);
  Compose(off);
  vcl::TCanvas* canvas = Canvas();
  canvas->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  canvas->Draw(0, 0, &off);
}

// The grid follows the width: a new column count is stored and the scroll
// position quantized for it again.
void TThumbnails::UpdateColumns(int BitmapWidth) {
  const int cols = ThumbColumns(BitmapWidth, Layout().Pitch(), FSlideDist);
  if (cols == FNumSldX) return;
  FNumSldX = cols;
  FFirstThumbIx = QuantizeFirstThumb(FFirstThumbIx, FMin, FMax, FNumSldX);
}

void TThumbnails::Compose(vcl::TBitmap& Off) {
  vcl::TCanvas& c = *Off.Canvas();
  const int w = Off.Width(), h = Off.Height();
  c.Font()->Assign(Font());
  SetPenAndBrush(c, FColorBG);
  c.FillRect({0, 0, w, h});
  UpdateColumns(w);
  FNumSldY = ThumbRows(h, Layout().Pitch());
  const TThumbLayout layout = Layout();
  if (vcl::TNotifyEvent first = FOnFirstImageRequest) first(this);
  vcl::TBitmap buffer;
  for (int i = 0; i < layout.Columns; ++i) {
    for (int j = 0; j < FNumSldY; ++j) {
      const std::int64_t n = ThumbSlideAt(layout, i, j);
      if (n < FMin || n > FMax) continue;
      PaintSlide(c, ThumbCellCorners(layout, i, j), static_cast<int>(n), buffer);
    }
  }
  if (vcl::TNotifyEvent last = FOnLastImageRequest) last(this);
  CutEdges(c, w, h);
  FrameOf(c, FFrameStyle, {0, 0, w - 2, h - 2});
}

void TThumbnails::PaintSlide(vcl::TCanvas& C, const vcl::TRect& Cell, int N,
                             vcl::TBitmap& Buffer) {
  TImageRequestProcessing how = irpShowEmpty;
  int mark = -1;
  Buffer.SetSize(0, 0);
  vcl::TBitmap* image = &Buffer;
  if (TImageRequestEvent request = FOnImageRequest) request(this, N, how, mark, image);
  if (how != irpShowNothing) DrawCover(C, Cell, N);
  if (how == irpShowEmpty) DrawEmptyCard(C, Cell, N);
  if (how == irpShowSlide) DrawImage(C, Cell, image);
  if (mark != -1) DrawMark(C, Cell, mark);
  if (TSlideRenderedEvent rendered = FOnSlideRendered) {
    vcl::TCanvasStateGuard keep(C);
    rendered(this, &C, Cell.Left, Cell.Top, N);
  }
}

void TThumbnails::FrameOf(vcl::TCanvas& C, TFrameStyle Style, const vcl::TRect& Corners) const {
  DrawFrame(&C, Style, Corners.Left, Corners.Top, Corners.Right, Corners.Bottom, FColWhiteLine,
            kLightLine, FColGrayLine, FColBlackLine, FColBlackLine);
}

void TThumbnails::DrawCover(vcl::TCanvas& C, const vcl::TRect& Cell, int N) const {
  SetPenAndBrush(C, SlideSelected(N) ? FColorSelected : FColorCover);
  C.FillRect({Cell.Left, Cell.Top, Cell.Right + 1, Cell.Bottom + 1});
  FrameOf(C, FOuterFrameStyle, Cell);
}

// A white card across the image area with the slide's number in its middle.
void TThumbnails::DrawEmptyCard(vcl::TCanvas& C, const vcl::TRect& Cell, int N) const {
  const int m = FSlideMargin;
  C.Pen()->SetColor(vcl::clBlack);
  C.Brush()->SetColor(vcl::clWhite);
  C.Rectangle(Cell.Left + m, Cell.Top + m + kCardInset, Cell.Right - m,
              Cell.Bottom - m - kCardInset);
  const vcl::String text = vcl::IntToStr(N);
  const vcl::TColor fontColor = C.Font()->Color();
  C.Font()->SetColor(vcl::clBlack);
  const int cx = (Cell.Left + Cell.Right) / 2, cy = (Cell.Top + Cell.Bottom) / 2;
  C.TextOut(cx - C.TextWidth(text) / 2, cy - C.TextHeight(text) / 2, text);
  C.Font()->SetColor(fontColor);
}

// The image stretched into the image area, then framed just outside it.
void TThumbnails::DrawImage(vcl::TCanvas& C, const vcl::TRect& Cell, vcl::TBitmap* Image) const {
  if (Image == nullptr || Image->Width() <= 0 || Image->Height() <= 0) return;
  const vcl::TRect t =
      ThumbImageRect(Cell, FSlideMargin, FThumbBaseSize, Image->Width(), Image->Height());
  vcl::SetStretchBltMode(&C, FAntiAlias ? vcl::HALFTONE : vcl::COLORONCOLOR);
  vcl::StretchBlt(&C, t.Left, t.Top, t.Width(), t.Height(), Image->Canvas(), 0, 0, Image->Width(),
                  Image->Height(), vcl::SRCCOPY);
  const int k = FrameRings(FInnerFrameStyle);
  FrameOf(C, FInnerFrameStyle, {t.Left - k, t.Top - k, t.Right - 1 + k, t.Bottom - 1 + k});
}

void TThumbnails::DrawMark(vcl::TCanvas& C, const vcl::TRect& Cell, int MarkIt) const {
  C.Pen()->SetColor(FMarkColor);
  DrawMarkOnCanvas(&C, static_cast<std::uint8_t>(MarkIt), Cell.Left + kMarkX, Cell.Top + kMarkY);
}

// Rows scrolled under the top and bottom edges are cut off by bands of the
// background color.
void TThumbnails::CutEdges(vcl::TCanvas& C, int W, int H) const {
  SetPenAndBrush(C, FColorBG);
  C.FillRect({0, 0, W, ThumbGridOrigin});
  C.FillRect({0, H - ThumbGridOrigin, W, H});
}

// ---------------------------------------------------------------- focus frame

void TThumbnails::DrawFocusFrame(int N, vcl::TColor Color) {
  if (N < FMin || N > FMax || FHiliteThickness <= 0) return;
  vcl::TCanvas& c = *Canvas();
  vcl::TCanvasStateGuard keep(c);
  const TThumbLayout layout = Layout();
  const vcl::TRect f = ThumbFocusCorners(layout, ThumbSlidePos(layout, N));
  SetPenAndBrush(c, Color);
  for (int k = 0; k < FHiliteThickness; ++k) {
    DrawRectangle(&c, f.Left + k, f.Top + k, f.Right - k, f.Bottom - k);
  }
  SetPenAndBrush(c, FColorBG);
  c.FillRect({2, 2, Width() - 2, ThumbGridOrigin});
  c.FillRect({2, Height() - ThumbGridOrigin, Width() - 2, Height() - 2});
}

// Takes the frame off the slide that has it (in that slide's fill color),
// puts it on slide N (0: none) and reports the change.
void TThumbnails::MoveFocus(int N) {
  const int old = FLastHiLite;
  if (old != 0) DrawFocusFrame(old, SlideSelected(old) ? FColorSelected : FColorCover);
  DrawFocusFrame(N, FColorHilite);
  FLastHiLite = N;
  if (vcl::TNotifyEvent changed = FOnFocusChange) changed(this);
}

}  // namespace vyr
