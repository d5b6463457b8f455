#include "VYR_sevenseg/VYR_sevenseg.h"

#include <algorithm>

#include "foundation/VYR_resources.h"
#include "platform/Streaming.h"
#include "platform/WinapiGdi.h"

namespace vyr {

namespace {

void LoadPiece(vcl::TBitmap& Bitmap, const char16_t* Name) {
  LoadNamedBitmap(Bitmap, Name);
  Bitmap.SetPixelFormat(vcl::pf32bit);
}

}  // namespace

TSevenSeg::TSevenSeg(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner), FDigImg(SevenSegCanvasWidth, SevenSegCanvasHeight) {
  FDigImg.SetPixelFormat(vcl::pf32bit);
  LoadPiece(FSegHorz, u"SEGHORZ");
  LoadPiece(FSegVert, u"SEGVERT");
  LoadPiece(FSegDot, u"SEGDOT");
  LoadPiece(FSegPlus, u"SEGPLUS");
  LoadPiece(FSegColon, u"SEGCOLON");
  LoadPiece(FSegDeg, u"SEGDEG");
  vcl::TControl::SetText(u"8.8.8.8.");
  SetBounds(Left(), Top(), 216, 76);  // builds the cache (Resize)
  if (FWidth != Width() || FHeight != Height()) CreateImageCache();
}

TSevenSeg::~TSevenSeg() = default;

// ---------------------------------------------------------------- properties

void TSevenSeg::PaintNow() {
  if (!Loading()) Paint();
}

void TSevenSeg::Rebuild() {
  if (Loading()) return;
  CreateImageCache();
  Paint();
}

void TSevenSeg::SetNumDigits(int Value) {
  if (Value < 1 || Value > 32 || Value == FNumDigits) return;
  FNumDigits = Value;
  Rebuild();
}

void TSevenSeg::SetColorText(vcl::TColor Value) {
  if (Value == FColorTxt) return;
  FColorTxt = Value;
  Rebuild();
}

void TSevenSeg::SetColorBackGnd(vcl::TColor Value) {
  if (Value == FColorBakG) return;
  FColorBakG = Value;
  Rebuild();
}

void TSevenSeg::SetMargin(int Value) {
  Value = std::max(0, std::min(Value, Height() / 2 - 1));
  if (Value == FMargin) return;
  FMargin = Value;
  Rebuild();
}

void TSevenSeg::SetInterDigDist(int Value) {
  Value = std::clamp(Value, 0, 255);
  if (Value == FInterDigDist) return;
  FInterDigDist = Value;
  Rebuild();
}

void TSevenSeg::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Invalidate();
}

void TSevenSeg::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColGrayLine = Value == csBWG ? vcl::clGray : vcl::clBtnShadow;
  FColWhiteLine = Value == csBWG ? vcl::clWhite : vcl::clBtnHighlight;
  Invalidate();
}

void TSevenSeg::CMTextChanged(vcl::TMessage&) { PaintNow(); }

void TSevenSeg::Resize() {
  if (Width() != FWidth || Height() != FHeight) Rebuild();
  vcl::TGraphicControl::Resize();
}

void TSevenSeg::Loaded() {
  vcl::TGraphicControl::Loaded();
  CreateImageCache();
}

// ---------------------------------------------------------------- painting

void TSevenSeg::CopyGlyphs(vcl::TCanvas& C) {
  const int cw = (Width() - 2 * FMargin) / FNumDigits - FInterDigDist;
  const int ch = FImgCache.Height();
  if (cw <= 0 || ch <= 0 || FImgCache.Width() < cw * 21) return;
  vcl::TCanvas* cache = FImgCache.Canvas();
  const std::vector<TSevenSegDigit> digits = SevenSegLayout(Caption(), FNumDigits);
  for (std::size_t j = 0; j < digits.size(); ++j) {
    const int x = static_cast<int>(j) * (cw + FInterDigDist) + FMargin;
    char16_t upper = digits[j].Ch;
    if (upper >= u'a' && upper <= u'z') upper = static_cast<char16_t>(upper - u'a' + u'A');
    const std::size_t k = SevenSegCharList.find(upper);
    if (k != vcl::String::npos) {
      const int sx = static_cast<int>(k) * cw;
      C.CopyRect({x, FMargin, x + cw, Height() - FMargin}, cache, {sx, 0, sx + cw, ch});
    }
    if (digits[j].Point) {
      C.CopyRect({x + cw * 5 / 6, FMargin + ch * 5 / 6, x + cw, Height() - FMargin}, cache,
                 {cw * 5 / 6 + 20 * cw, ch * 5 / 6, 21 * cw, ch});
    }
  }
}

void TSevenSeg::Paint() {
  if (!Visible() && !ComponentState().Contains(vcl::csDesigning)) return;
  if (Width() <= 0 || Height() <= 0) return;
  if (Width() != FWidth || Height() != FHeight) CreateImageCache();
  if (FPicture.Width() != Width() || FPicture.Height() != Height()) {
    FPicture.SetSize(Width(), Height());
  }
  vcl::TCanvas& c = *FPicture.Canvas();
  c.SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  c.Brush()->SetStyle(vcl::bsSolid);
  c.Brush()->SetColor(FColorBakG);
  c.FillRect({0, 0, Width(), Height()});
  CopyGlyphs(c);
  DrawFrame(&c, FFrameStyle, 0, 0, Width() - 1, Height() - 1, vcl::clWhite, vcl::clSilver,
            vcl::clGray, vcl::clBlack, vcl::clBlack);
  vcl::TCanvas* canvas = Canvas();
  canvas->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  canvas->Draw(0, 0, &FPicture);
}

// ---------------------------------------------------------------- assigning

void TSevenSeg::Assign(vcl::TPersistent* Source) {
  auto* other = dynamic_cast<TSevenSeg*>(Source);
  if (other == nullptr) {
    vcl::TGraphicControl::Assign(Source);
    return;
  }
  FColorBakG = other->FColorBakG;
  FColorTxt = other->FColorTxt;
  FNumDigits = other->FNumDigits;
  FFrameStyle = other->FFrameStyle;
  FColBlackLine = other->FColBlackLine;
  FColGrayLine = other->FColGrayLine;
  FColWhiteLine = other->FColWhiteLine;
  FColorScheme = other->FColorScheme;
  FMargin = other->FMargin;
  FInterDigDist = other->FInterDigDist;
  for (auto [mine, theirs] : {std::pair{&FDigImg, &other->FDigImg}, {&FImgCache, &other->FImgCache},
                              {&FSegHorz, &other->FSegHorz}, {&FSegVert, &other->FSegVert},
                              {&FSegDot, &other->FSegDot}, {&FSegPlus, &other->FSegPlus},
                              {&FSegColon, &other->FSegColon}, {&FSegDeg, &other->FSegDeg}}) {
    mine->Assign(theirs);
  }
  // The copied cache fits this control only at the source's size.
  FWidth = other->FWidth;
  FHeight = other->FHeight;
  vcl::TControl::SetText(other->Caption());
  Invalidate();
}

// Only a seven-segment display takes another's settings; other
// destinations are left to the framework, which refuses them.
void TSevenSeg::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TSevenSeg*>(Dest) != nullptr) {
    Dest->Assign(this);
    return;
  }
  vcl::TGraphicControl::AssignTo(Dest);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterSevenSeg() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  vcl::RegisterEnum<vcl::TStyleElement>({u"seFont", u"seClient", u"seBorder"});
  vcl::RegisterClass<TSevenSeg, vcl::TGraphicControl>(u"TSevenSeg")
      .Property(u"Caption", &TSevenSeg::Caption, &TSevenSeg::SetCaption,
                vcl::String(u"8.8.8.8."))
      .Property(u"NumDigits", &TSevenSeg::NumDigits, &TSevenSeg::SetNumDigits, 4)
      .Color(u"ColorText", &TSevenSeg::ColorText, &TSevenSeg::SetColorText, vcl::clRed)
      .Color(u"ColorBackGnd", &TSevenSeg::ColorBackGnd, &TSevenSeg::SetColorBackGnd, 0x333333)
      .Property(u"Margin", &TSevenSeg::Margin, &TSevenSeg::SetMargin, 8)
      .Property(u"InterDigDist", &TSevenSeg::InterDigDist, &TSevenSeg::SetInterDigDist, 2)
      .Property(u"FrameStyle", &TSevenSeg::FrameStyle, &TSevenSeg::SetFrameStyle, fsLowered)
      .Property(u"ColorScheme", &TSevenSeg::ColorScheme, &TSevenSeg::SetColorScheme, csBWG)
      .Property(u"StyleElements", &TSevenSeg::StyleElements, &TSevenSeg::SetStyleElements,
                vcl::TStyleElements{vcl::seFont, vcl::seClient, vcl::seBorder});
  return true;
}

const bool registered = RegisterSevenSeg();

}  // namespace

}  // namespace vyr
