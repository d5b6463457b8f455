// The thumbnail strip: properties, selection, mouse and Assign. Painting
// and the focus frame are in VYR_ThumbnailsPaint.cpp, form files in
// VYR_ThumbnailsRegister.cpp.
#include "VYR_Thumbnails/VYR_Thumbnails.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/Math.h"

namespace vyr {

TThumbnails::TThumbnails(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner), FSelectedSlide(std::make_unique<TBitFld>()) {
  SetBounds(Left(), Top(), DefaultWidth, DefaultHeight);
  ResizeSelection();
}

TThumbnails::~TThumbnails() = default;

TThumbLayout TThumbnails::Layout() const {
  return {FThumbBaseSize, FSlideDist, FSlideMargin, FNumSldX, FFirstThumbIx, Width(), Height()};
}

// ---------------------------------------------------------------- the slides

void TThumbnails::SetMin(int Value) {
  if (Value == FMin) return;
  FMin = Value;
  ResizeSelection();
  PaintNow();
}

void TThumbnails::SetMax(int Value) {
  Value = std::max(1, Value);
  if (Value == FMax) return;
  FMax = Value;
  ResizeSelection();
  PaintNow();
}

void TThumbnails::SetFirstThumbIdx(double Value) {
  const double q = QuantizeFirstThumb(Value, FMin, FMax, FNumSldX);
  if (q == FFirstThumbIx) return;
  FFirstThumbIx = q;
  PaintNow();
}

// One row is NumSlidesHoriz slides; the stored position is turned back into
// the slide number it stands for first, as setting it quantizes again.
void TThumbnails::ScrollRows(int Rows) {
  const double slide = vcl::Int(FFirstThumbIx) + vcl::Frac(FFirstThumbIx) * FNumSldX;
  SetFirstThumbIdx(slide + static_cast<double>(Rows) * FNumSldX);
}

// ---------------------------------------------------------------- sizes

void TThumbnails::SetSlideSize(int Value) {
  Value = std::min(std::max(Value, MinSlideSize), Width());
  if (Value == FThumbBaseSize) return;
  FThumbBaseSize = Value;
  PaintNow();
}

void TThumbnails::SetSlideDistance(int Value) {
  Value = std::clamp(Value, 0, MaxGap);
  if (Value == FSlideDist) return;
  FSlideDist = Value;
  PaintNow();
}

void TThumbnails::SetSlideMargin(int Value) {
  Value = std::clamp(Value, 0, MaxGap);
  if (Value == FSlideMargin) return;
  FSlideMargin = Value;
  PaintNow();
}

// ---------------------------------------------------------------- looks

void TThumbnails::SetAntiAlias(bool Value) {
  FAntiAlias = Value;
  PaintNow();
}

void TThumbnails::SetFocusLinewidth(int Value) {
  Value = std::clamp(Value, 0, MaxFocusWidth);
  if (Value == FHiliteThickness) return;
  FHiliteThickness = Value;
  if (Value == 0) FLastHiLite = 0;  // highlighting is off: no slide has the frame
  PaintNow();
}

namespace {

template <class T>
bool Store(T& Field, T Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

}  // namespace

void TThumbnails::SetColorBackGnd(vcl::TColor Value) {
  if (Store(FColorBG, Value)) PaintNow();
}
void TThumbnails::SetColorCover(vcl::TColor Value) {
  if (Store(FColorCover, Value)) PaintNow();
}
void TThumbnails::SetColorSelected(vcl::TColor Value) {
  if (Store(FColorSelected, Value)) PaintNow();
}
void TThumbnails::SetColorFocus(vcl::TColor Value) {
  if (Store(FColorHilite, Value)) PaintNow();
}
void TThumbnails::SetColorMark(vcl::TColor Value) {
  if (Store(FMarkColor, Value)) PaintNow();
}
void TThumbnails::SetFrameStyle(TFrameStyle Value) {
  if (Store(FFrameStyle, Value)) PaintNow();
}
void TThumbnails::SetOuterFrameStyle(TFrameStyle Value) {
  if (Store(FOuterFrameStyle, Value)) PaintNow();
}
void TThumbnails::SetInnerFrameStyle(TFrameStyle Value) {
  if (Store(FInnerFrameStyle, Value)) PaintNow();
}

void TThumbnails::SetColorScheme(TColorScheme Value) {
  if (!Store(FColorScheme, Value)) return;
  const bool bwg = Value == csBWG;
  FColGrayLine = bwg ? vcl::clGray : vcl::clBtnShadow;
  FColWhiteLine = bwg ? vcl::clWhite : vcl::clBtnHighlight;
  PaintNow();
}

// ---------------------------------------------------------------- selection

void TThumbnails::ResizeSelection() {
  const std::int64_t bits = static_cast<std::int64_t>(FMax) - FMin + 1;
  FSelectedSlide->SetSize(static_cast<int>(std::clamp<std::int64_t>(bits, 0, INT32_MAX)));
}

void TThumbnails::SetSlideSelectMode(TSlideSelectMode Value) {
  if (Value == FSelectMode) return;
  FSelectMode = Value;
  FSelectedSlide->Clear();
  PaintNow();
}

bool TThumbnails::SlideSelected(int SldNum) const {
  const std::int64_t bit = static_cast<std::int64_t>(SldNum) - FMin;
  return bit >= 0 && bit < FSelectedSlide->Size() && FSelectedSlide->GetBit(static_cast<int>(bit));
}

void TThumbnails::SetSlideSelected(int SldNum, bool Value) {
  const std::int64_t bit = static_cast<std::int64_t>(SldNum) - FMin;
  if (bit < 0 || bit >= FSelectedSlide->Size()) return;
  FSelectedSlide->SetBit(static_cast<int>(bit), Value);
  PaintNow();
}

void TThumbnails::ResetAllSelections() {
  FSelectedSlide->Clear();
  PaintNow();
}

int TThumbnails::FirstSelectedSlide() const { return FSelectedSlide->FirstTrueBit() + FMin; }

int TThumbnails::NumSlidesSelected() const { return FSelectedSlide->CountTrueBits(); }

// What a click on slide N (0: beside every slide) does to the selection;
// see the table in the header.
void TThumbnails::ClickSelect(int N, vcl::TShiftState Shift) {
  switch (FSelectMode) {
    case ssmDisabled:
      return;
    case ssmSingle:
      FSelectedSlide->Clear();
      if (N != 0) FSelectedSlide->SetBit(N - FMin, true);
      FLastClickedSlide = N;
      break;
    case ssmMultiple: {
      if (N == 0) return;
      const int anchor = FLastClickedSlide;
      if (Shift.Contains(vcl::ssShift) && anchor >= FMin && anchor <= FMax) {
        const std::int64_t first = std::min(anchor, N) - static_cast<std::int64_t>(FMin);
        const std::int64_t last = std::max(anchor, N) - static_cast<std::int64_t>(FMin);
        for (std::int64_t bit = first; bit <= last; ++bit) {
          FSelectedSlide->SetBit(static_cast<int>(bit), true);
        }
      } else {
        FSelectedSlide->SetBit(N - FMin, !FSelectedSlide->GetBit(N - FMin));
        FLastClickedSlide = N;
      }
      break;
    }
  }
  PaintNow();
}

// ---------------------------------------------------------------- geometry

int TThumbnails::CalcSlideIndex(int XPos, int YPos) const {
  return ThumbSlideAtPoint(Layout(), FMin, FMax, XPos, YPos);
}

void TThumbnails::CalcSlidePos(int SldNum, int& XPos, int& YPos) const {
  const vcl::TPoint p = ThumbSlidePos(Layout(), SldNum);
  XPos = p.X;
  YPos = p.Y;
}

// ---------------------------------------------------------------- mouse

void TThumbnails::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  std::weak_ptr<bool> life = FLife;
  vcl::TGraphicControl::MouseMove(Shift, X, Y);
  if (life.expired() || FHiliteThickness == 0) return;
  const int s = CalcSlideIndex(X, Y);
  if (s != FLastHiLite) MoveFocus(s);
}

void TThumbnails::CMMouseLeave(vcl::TMessage& Message) {
  std::weak_ptr<bool> life = FLife;
  vcl::TGraphicControl::CMMouseLeave(Message);
  if (!life.expired() && FLastHiLite != 0) MoveFocus(0);
}

void TThumbnails::WMLButtonUp(vcl::TWMMouse& Message) {
  std::weak_ptr<bool> life = FLife;
  vcl::TGraphicControl::WMLButtonUp(Message);
  if (life.expired()) return;
  const bool endsDblClick = std::exchange(FEndsDblClick, false);
  if (Message.XPos == -1 && Message.YPos == -1) return;
  const int s = CalcSlideIndex(Message.XPos, Message.YPos);
  if (!endsDblClick) ClickSelect(s, vcl::KeysToShiftState(Message.Keys));
  if (FOnImageClick) {
    TImageClickEvent handler = FOnImageClick;
    handler(this, Message.XPos, Message.YPos, s);
  }
}

void TThumbnails::WMLButtonDblClk(vcl::TWMMouse& Message) {
  std::weak_ptr<bool> life = FLife;
  vcl::TGraphicControl::WMLButtonDblClk(Message);
  if (life.expired()) return;
  FEndsDblClick = true;
  if (FOnImageDblClick) {
    TImageClickEvent handler = FOnImageDblClick;
    handler(this, Message.XPos, Message.YPos, CalcSlideIndex(Message.XPos, Message.YPos));
  }
}

bool TThumbnails::DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  (void)Shift;
  (void)MousePos;
  ScrollRows(1);
  return true;
}

bool TThumbnails::DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  (void)Shift;
  (void)MousePos;
  ScrollRows(-1);
  return true;
}

// ---------------------------------------------------------------- assigning

void TThumbnails::Assign(vcl::TPersistent* Source) {
  auto* other = dynamic_cast<TThumbnails*>(Source);
  if (other == nullptr) {
    vcl::TGraphicControl::Assign(Source);
    return;
  }
  if (other == this) return;
  FFrameStyle = other->FFrameStyle;
  FOuterFrameStyle = other->FOuterFrameStyle;
  FInnerFrameStyle = other->FInnerFrameStyle;
  FColorBG = other->FColorBG;
  FColBlackLine = other->FColBlackLine;
  FColGrayLine = other->FColGrayLine;
  FColWhiteLine = other->FColWhiteLine;
  FColorScheme = other->FColorScheme;
  FFirstThumbIx = other->FFirstThumbIx;
  FMin = other->FMin;
  FMax = other->FMax;
  FNumSldX = other->FNumSldX;
  FNumSldY = other->FNumSldY;
  FThumbBaseSize = other->FThumbBaseSize;
  FSlideDist = other->FSlideDist;
  FSlideMargin = other->FSlideMargin;
  FOnImageRequest = other->FOnImageRequest;
  FOnImageClick = other->FOnImageClick;
  FOnImageDblClick = other->FOnImageDblClick;
  FOnFocusChange = other->FOnFocusChange;
  FOnFirstImageRequest = other->FOnFirstImageRequest;
  FOnLastImageRequest = other->FOnLastImageRequest;
  FAntiAlias = other->FAntiAlias;
  FColorCover = other->FColorCover;
  FColorSelected = other->FColorSelected;
  FColorHilite = other->FColorHilite;
  FLastHiLite = other->FLastHiLite;
  FHiliteThickness = other->FHiliteThickness;
  ResizeSelection();
  PaintNow();
}

// Only a strip takes a strip's settings; other destinations are left to
// the framework, which refuses them.
void TThumbnails::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TThumbnails*>(Dest) != nullptr) {
    Dest->Assign(this);
    return;
  }
  vcl::TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
