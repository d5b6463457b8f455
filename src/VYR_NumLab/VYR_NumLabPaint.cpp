// Painting of the numeric label: background, captions, framed label zone
// and value are composed in a bitmap of the control's size, which is then
// copied (or, when transparent, ANDed) onto the control.
#include "VYR_NumLab/VYR_NumLab.h"
#include "platform/Look.h"
#include "platform/Themes.h"
#include "platform/WinapiGdi.h"

namespace vyr {

namespace {

// The text whose height sets the line of all three texts.
constexpr const char16_t* HeightSample = u"(8g]}ÜÄ§";

bool Styled(const vcl::TControl& C, vcl::TStyleElement Element) {
  return vcl::StyleServices()->Enabled() && C.StyleElements().Contains(Element);
}

}  // namespace

void TNumLab::PaintBackground(vcl::TCanvas& C) const {
  vcl::TColor back = FColorOutBakG;
  if (FTransParent) {
    back = vcl::clWhite;
  } else if (Styled(*this, vcl::seClient)) {
    back = vcl::StyleServices()->GetStyleColor(vcl::scWindow);
  }
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(back);
  C.FillRect({0, 0, Width(), Height()});
}

void TNumLab::PaintCaption(vcl::TCanvas& C, const vcl::String& Text, int X, int Y) const {
  if (Text.empty()) return;
  if (!FEnabled) {
    vcl::look::DrawEngravedText(C, X, Y, Text);
    return;
  }
  C.Brush()->SetStyle(vcl::bsClear);
  C.Font()->SetColor(Styled(*this, vcl::seFont)
                         ? vcl::StyleServices()->GetStyleFontColor(vcl::sfPanelTextNormal)
                         : FColorOutText);
  C.TextOut(X, Y, Text);
}

// The label zone: its background and the frame of FrameStyle around it.
void TNumLab::PaintLabelZone(vcl::TCanvas& C) const {
  const bool styled = Styled(*this, vcl::seClient);
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(styled ? vcl::StyleServices()->GetStyleColor(vcl::scGrid) : FColorLabBakG);
  const int left = FLeftSpace + 1, right = FLeftSpace + FLabWidth, bottom = Height() - 2;
  C.FillRect({left, 0, right + 1, bottom + 1});
  vcl::TColor light = vcl::clWhite, face = vcl::clSilver, shadow = vcl::clGray;
  vcl::TColor dark = vcl::clBlack;
  if (styled) {
    auto* styles = vcl::StyleServices();
    light = styles->GetSystemColor(vcl::cl3DLight);
    face = styles->GetSystemColor(vcl::clBtnHighlight);
    shadow = styles->GetSystemColor(vcl::clBtnShadow);
    dark = styles->GetSystemColor(vcl::cl3DDkShadow);
  }
  DrawFrame(&C, FFrameStyle, left, 0, right, bottom, light, face, shadow, dark, vcl::clBlack);
}

void TNumLab::PaintValue(vcl::TCanvas& C, int Y) {
  vcl::String text = ValueText();
  if (FOnBeforeDisplay) FOnBeforeDisplay(this, text);
  if (C.TextWidth(text) > FLabWidth - 6 && FDisplayType != dtState) text = FOverFlowIndi;
  vcl::TColor color = FColorLabText;
  if (!FEnabled) {
    color = vcl::clBtnShadow;
  } else if (Styled(*this, vcl::seFont)) {
    color = vcl::StyleServices()->GetStyleFontColor(vcl::sfPanelTextNormal);
  }
  C.Font()->SetColor(color);
  C.Brush()->SetStyle(vcl::bsSolid);  // the zone's color, set with the frame
  const int x = NumLabValueX(FAlignment, FLeftSpace, FLabWidth, C.TextWidth(text));
  C.TextRect({FLeftSpace + 3, 2, FLeftSpace + FLabWidth - 1, Height() - 3}, x, Y, text);
}

// Transparent: the label zone of the control is prepared (white under a
// colored text, the zone color under black text) and the picture is ANDed
// on, so that its white parts leave the parent visible.
void TNumLab::Output(vcl::TBitmap& Picture) {
  vcl::TCanvas* c = Canvas();
  c->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  if (FTransParent) {
    const bool blackText = vcl::ColorToRGB(FColorLabText) == 0;
    c->Brush()->SetStyle(vcl::bsSolid);
    c->Brush()->SetColor(blackText ? FColorLabBakG : vcl::clWhite);
    c->FillRect({FLeftSpace + 2, 2, FLeftSpace + FLabWidth, Height() - 2});
    c->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCAND));
  }
  c->Draw(0, 0, &Picture);
  c->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
}

void TNumLab::Paint() {
  if (!Visible() && !ComponentState().Contains(vcl::csDesigning)) return;
  if (Width() <= 0 || Height() <= 0 || FPainting) return;
  // While painting, a change (made by OnBeforeDisplay) only marks the
  // picture stale; it is painted once more afterwards, and a handler that
  // changes something every time is not followed further.
  struct Painting {
    bool& Flag;
    explicit Painting(bool& F) : Flag(F) { Flag = true; }
    ~Painting() { Flag = false; }
  } painting(FPainting);
  FRepaintPending = false;
  PaintPicture();
  if (!FRepaintPending) return;
  PaintPicture();
  FRepaintPending = false;
}

void TNumLab::PaintPicture() {
  vcl::TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  const int th = canvas->TextHeight(HeightSample);
  vcl::TBitmap picture(Width(), Height());
  vcl::TCanvas& c = *picture.Canvas();
  c.Font()->Assign(Font());
  PaintBackground(c);
  const int y = (Height() - th) / 2;
  PaintCaption(c, FLeftText, NumLabLeftTextX(FLTAlignment, FLeftSpace, c.TextWidth(FLeftText)), y);
  PaintCaption(c, FRightText,
               NumLabRightTextX(FRTAlignment, FLeftSpace, FLabWidth, Width(),
                                c.TextWidth(FRightText)),
               y);
  PaintLabelZone(c);
  if (!FEmpty) PaintValue(c, y);
  Output(picture);
}

}  // namespace vyr
