// Painting of the on/off button. The picture is composed in a bitmap of
// the control's size, and beside it a black-and-white mask: white where the
// parent shows through (in transparent mode), black where the button draws
// (captions, the picture's own pixels, the frame).
//
//   opaque:       the bitmap is copied (SRCCOPY)
//   transparent:  the mask is ANDed onto the parent's pixels (white keeps
//                 them, black clears them), then the bitmap, black wherever
//                 the mask is white, is ORed on top.
#include <algorithm>

#include "VYR_onoffbut/VYR_onoffbut.h"
#include "platform/Look.h"
#include "platform/WinapiGdi.h"

namespace vyr {

namespace {

// Text whose height places the captions: capitals, descenders, accents.
constexpr char16_t SampleText[] = u"(8g]}\u00DC\u00C4\u00A7";

// A color as the bitmap stores it (0x00RRGGBB).
std::uint32_t PixelOf(vcl::TColor Color) {
  const vcl::TColor c = vcl::ColorToRGB(Color);
  return (c & 0x00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}

void FillWith(vcl::TBitmap& Bmp, vcl::TColor Color) {
  vcl::TCanvas& c = *Bmp.Canvas();
  c.Brush()->SetStyle(vcl::bsSolid);
  c.Brush()->SetColor(Color);
  c.FillRect(vcl::Rect(0, 0, Bmp.Width(), Bmp.Height()));
}

}  // namespace

void TOnOffBut::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  vcl::TBitmap bmp(w, h);
  FMask->SetSize(w, h);
  FillWith(*FMask, vcl::clWhite);
  FillWith(bmp, FTransParent ? vcl::clBlack : FColorBakG);
  bmp.Canvas()->Font()->Assign(Font());
  FMask->Canvas()->Font()->Assign(Font());
  FMask->Canvas()->Font()->SetColor(vcl::clBlack);
  PaintCaptions(bmp, bmp.Canvas()->TextHeight(SampleText));
  PaintPicture(bmp);
  PaintFrame(bmp);

  vcl::TCanvas& c = *Canvas();
  if (FTransParent) {
    c.SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCAND));
    c.Draw(0, 0, FMask.get());
    c.SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCPAINT));
    c.Draw(0, 0, &bmp);
  } else {
    c.SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
    c.Draw(0, 0, &bmp);
  }
  c.SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
}

void TOnOffBut::PaintCaptions(vcl::TBitmap& Bmp, int TextHeight) {
  PaintCaption(Bmp, FLeftText, onoff::cpLeft, FLTAlignment, TextHeight);
  PaintCaption(Bmp, FTopText, onoff::cpTop, FTTAlignment, TextHeight);
  PaintCaption(Bmp, FRightText, onoff::cpRight, FRTAlignment, TextHeight);
  PaintCaption(Bmp, FBottomText, onoff::cpBottom, FBTAlignment, TextHeight);
}

// A caption on the bitmap in its color and on the mask in black, so that
// it is opaque in transparent mode. Only the glyphs are drawn. Disabled
// captions are engraved: white one pixel right and down, gray on top.
void TOnOffBut::PaintCaption(vcl::TBitmap& Bmp, const vcl::String& Text, onoff::TCaptionSide Side,
                             vcl::TAlignment Alignment, int TextHeight) {
  if (Text.empty()) return;
  vcl::TCanvas& c = *Bmp.Canvas();
  vcl::TCanvas& m = *FMask->Canvas();
  const onoff::TCaptionFrame frame{Width(),     FLeftSpace,   FTopSpace,
                                   FGlyphWidth, FGlyphHeight, TextHeight};
  const vcl::TPoint at = onoff::CaptionOrigin(Side, Alignment, c.TextWidth(Text), frame);
  if (!FEnabled) {
    vcl::look::DrawEngravedText(c, at.X, at.Y, Text, vcl::clWhite, vcl::clGray);
    vcl::look::DrawEngravedText(m, at.X, at.Y, Text, vcl::clBlack, vcl::clBlack);
    return;
  }
  c.Brush()->SetStyle(vcl::bsClear);
  c.Font()->SetColor(FColorTxt);
  c.TextOut(at.X, at.Y, Text);
  m.Brush()->SetStyle(vcl::bsClear);
  m.TextOut(at.X, at.Y, Text);
}

// The state picture one pixel right and down of (LeftSpace, TopSpace). Its
// see-through pixels take the background (black in transparent mode) and
// stay white on the mask; all others are black on the mask.
void TOnOffBut::PaintPicture(vcl::TBitmap& Bmp) {
  vcl::TBitmap& picture = *FButImg[static_cast<std::size_t>(onoff::StateIndex(FOnOff, FEnabled))];
  const vcl::TRect at =
      onoff::PictureRect(FLeftSpace, FTopSpace, picture.Width(), picture.Height());
  Bmp.Canvas()->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  Bmp.Canvas()->Draw(at.Left, at.Top, &picture);
  const vcl::TRect r = at.Intersect(vcl::Rect(0, 0, Bmp.Width(), Bmp.Height()));
  const std::uint32_t seeThrough = PixelOf(onoff::SeeThrough);
  const std::uint32_t background = FTransParent ? 0u : PixelOf(FColorBakG);
  const std::uint32_t black = 0u;
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint32_t* row = Bmp.ScanLine(y);
    std::uint32_t* mask = FMask->ScanLine(y);
    for (int x = r.Left; x < r.Right; ++x) {
      if ((row[x] & 0xFFFFFFu) == seeThrough)
        row[x] = background;
      else
        mask[x] = black;
    }
  }
}

void TOnOffBut::PaintFrame(vcl::TBitmap& Bmp) {
  const int right = Bmp.Width() - 1, bottom = Bmp.Height() - 1;
  DrawFrame(Bmp.Canvas(), FFrameStyle, 0, 0, right, bottom, vcl::clWhite, 0xC0C0C0, 0x808080,
            vcl::clBlack, vcl::clBlack);
  DrawFrame(FMask->Canvas(), FFrameStyle, 0, 0, right, bottom, vcl::clBlack, vcl::clBlack,
            vcl::clBlack, vcl::clBlack, vcl::clBlack);
}

}  // namespace vyr
