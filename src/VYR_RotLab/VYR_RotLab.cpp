#include "VYR_RotLab/VYR_RotLab.h"

#include <cmath>
#include <numbers>

#include "platform/Look.h"
#include "platform/Math.h"
#include "platform/Streaming.h"
#include "platform/Themes.h"

namespace vyr {

vcl::TPoint RotLabTextOrigin(int X, int Y, int TextWidth, int TextHeight, int AngleDegrees,
                             vcl::TAlignment Alignment) {
  const double hw = TextWidth / 2;
  const double hh = TextHeight / 2;
  const double a = AngleDegrees / 180.0 * std::numbers::pi;
  const double s = std::sin(a), c = std::cos(a);
  // How far the anchor lies along the text line from its left end, in
  // half widths.
  double along = 0;
  if (Alignment == vcl::taCenter) along = 1;
  if (Alignment == vcl::taRightJustify) along = 2;
  const double dx = -along * hw * c - hh * s;
  const double dy = along * hw * s - hh * c;
  return {X + static_cast<int>(vcl::Round(dx)), Y + static_cast<int>(vcl::Round(dy))};
}

namespace {

bool Styled(const vcl::TControl& C, vcl::TStyleElement Element) {
  return vcl::StyleServices()->Enabled() && C.StyleElements().Contains(Element);
}

}  // namespace

TRotLab::TRotLab(vcl::TComponent* AOwner) : vcl::TCustomLabel(AOwner) {
  SetAutoSize(false);
  Font()->SetName(u"Arial");
  Font()->SetSize(11);
  SetBounds(Left(), Top(), 200, 200);
  vcl::TCustomLabel::SetTransparent(FTransparent);
  vcl::TControl::SetColor(FBgColor);
}

TRotLab::~TRotLab() = default;

// ---------------------------------------------------------------- properties

void TRotLab::Changed() {
  if (ComponentState().Contains(vcl::csLoading)) return;
  if (FTransparent) {
    Invalidate();
  } else if (Visible()) {
    Paint();
  }
}

void TRotLab::SetTextAngle(int Value) {
  if (FTextAngle == Value) return;
  FTextAngle = Value;
  Changed();
}

void TRotLab::SetPosX(int Value) {
  if (FTextPosX == Value) return;
  FTextPosX = Value;
  if (FAutoCenter) AdjustAutoCenter();
  Changed();
}

void TRotLab::SetPosY(int Value) {
  if (FTextPosY == Value) return;
  FTextPosY = Value;
  if (FAutoCenter) AdjustAutoCenter();
  Changed();
}

void TRotLab::SetAlignment(vcl::TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed();
}

void TRotLab::SetAutoCenter(bool Value) {
  if (FAutoCenter == Value) return;
  FAutoCenter = Value;
  if (FAutoCenter) AdjustAutoCenter();
  Changed();
}

void TRotLab::SetAntiAlias(bool Value) {
  if (FAntiAlias == Value) return;
  FAntiAlias = Value;
  Changed();
}

void TRotLab::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  vcl::TCustomLabel::SetTransparent(Value);
  Changed();
}

void TRotLab::SetColor(vcl::TColor Value) {
  if (FBgColor == Value) return;
  FBgColor = Styled(*this, vcl::seClient)
                 ? vcl::StyleServices()->GetStyleColor(vcl::scWindow)
                 : Value;
  vcl::TControl::SetColor(FBgColor);
  Changed();
}

void TRotLab::SetFrameStyle(TFrameStyle Value) {
  if (FFrameStyle == Value) return;
  FFrameStyle = Value;
  Changed();
}

// ---------------------------------------------------------------- centring

void TRotLab::AdjustAutoCenter() {
  FTextPosX = Width() / 2;
  FTextPosY = Height() / 2;
}

void TRotLab::ProcessResize(vcl::TObject*) {
  if (Parent() == nullptr || !FAutoCenter) return;
  AdjustAutoCenter();
  Changed();
}

void TRotLab::Loaded() {
  vcl::TCustomLabel::Loaded();
  if (FAutoCenter) AdjustAutoCenter();
}

void TRotLab::SetParent(vcl::TWinControl* AParent) {
  vcl::TCustomLabel::SetParent(AParent);
  if (Parent() != nullptr && FAutoCenter) AdjustAutoCenter();
}

void TRotLab::Resize() {
  ProcessResize(this);
  vcl::TCustomLabel::Resize();
}

// ---------------------------------------------------------------- painting

void TRotLab::Paint() {
  if (!Visible()) return;
  vcl::TCustomLabel::Paint();
  vcl::TCanvas* c = Canvas();
  vcl::TColor light = vcl::clWhite, face = vcl::clSilver, shadow = vcl::clGray;
  vcl::TColor dark = vcl::clBlack, line = vcl::clBlack;
  if (Styled(*this, vcl::seBorder)) {
    auto* styles = vcl::StyleServices();
    c->Brush()->SetColor(styles->GetStyleColor(vcl::scGrid));
    light = styles->GetSystemColor(vcl::cl3DLight);
    face = styles->GetSystemColor(vcl::clBtnHighlight);
    shadow = styles->GetSystemColor(vcl::clBtnShadow);
    dark = styles->GetSystemColor(vcl::cl3DDkShadow);
    line = styles->GetStyleColor(vcl::scBorder);
  }
  DrawFrame(c, FFrameStyle, 0, 0, Width() - 1, Height() - 1, light, face, shadow, dark, line);
}

void TRotLab::SelectTurnedFont(vcl::TCanvas& C) {
  C.Font()->Assign(Font());
  vcl::LOGFONTW lf;
  vcl::GetObjectW(C.Font()->Handle(), sizeof(lf), &lf);
  lf.lfEscapement = FTextAngle * 10;
  lf.lfOrientation = FTextAngle * 10;
  lf.lfCharSet = vcl::DEFAULT_CHARSET;
  lf.lfOutPrecision = vcl::OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = vcl::CLIP_DEFAULT_PRECIS;
  lf.lfQuality = FAntiAlias ? vcl::ANTIALIASED_QUALITY : vcl::DEFAULT_QUALITY;
  lf.lfPitchAndFamily = vcl::DEFAULT_PITCH;
  C.Font()->SetHandle(vcl::CreateFontIndirectW(&lf));
  C.Brush()->SetStyle(vcl::bsClear);
}

void TRotLab::DoDrawText(vcl::TRect&, int Flags) {
  if ((static_cast<unsigned>(Flags) & vcl::DT_CALCRECT) != 0) return;
  const vcl::String text = Caption();
  if (Styled(*this, vcl::seFont)) {
    Font()->SetColor(vcl::StyleServices()->GetStyleFontColor(vcl::sfPanelTextNormal));
  }
  vcl::TCanvas& c = *Canvas();
  SelectTurnedFont(c);
  const vcl::TSize size = c.TextExtent(text);
  const vcl::TPoint at =
      RotLabTextOrigin(FTextPosX, FTextPosY, size.cx, size.cy, FTextAngle, FAlignment);
  if (!Enabled()) {
    vcl::look::DrawEngravedText(c, at.X, at.Y, text);
    return;
  }
  c.TextOut(at.X, at.Y, text);
}

// ---------------------------------------------------------------- assigning

void TRotLab::Assign(vcl::TPersistent* Source) {
  auto* other = dynamic_cast<TRotLab*>(Source);
  if (other == nullptr) {
    vcl::TCustomLabel::Assign(Source);
    return;
  }
  FAutoCenter = other->FAutoCenter;
  FFrameStyle = other->FFrameStyle;
  FTextAngle = other->FTextAngle;
  FTextPosX = other->FTextPosX;
  FTextPosY = other->FTextPosY;
  FAntiAlias = other->FAntiAlias;
  Invalidate();
}

// Only a rotated label knows how to take a rotated label's settings; any
// other destination is the framework's business (which refuses it), rather
// than handing it back to a destination that would hand it here again.
void TRotLab::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TRotLab*>(Dest) != nullptr) {
    Dest->Assign(this);
    return;
  }
  vcl::TCustomLabel::AssignTo(Dest);
}

// ---------------------------------------------------------------- form files

namespace {

bool SameFont(vcl::TFont& A, vcl::TFont& B) {
  return A.Name() == B.Name() && A.Height() == B.Height() && A.Color() == B.Color() &&
         A.Style() == B.Style() && A.Orientation() == B.Orientation() &&
         A.Escapement() == B.Escapement() && A.Quality() == B.Quality() &&
         A.Pitch() == B.Pitch() && A.Charset() == B.Charset();
}

// A label's font is written when it is its own and differs from the one a
// new label starts with.
bool FontStored(TRotLab& L) {
  if (L.ParentFont()) return false;
  vcl::TFont initial;
  initial.SetName(u"Arial");
  initial.SetSize(11);
  return !SameFont(*L.Font(), initial);
}

bool RegisterRotLab() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<vcl::TStyleElement>({u"seFont", u"seClient", u"seBorder"});
  vcl::RegisterClass<TRotLab, vcl::TCustomLabel>(u"TRotLab")
      .Property(u"AutoSize", &TRotLab::AutoSize, &TRotLab::SetAutoSize, false)
      .Property(u"TextAngle", &TRotLab::TextAngle, &TRotLab::SetTextAngle, 0)
      .Property(u"AutoCenter", &TRotLab::AutoCenter, &TRotLab::SetAutoCenter, true)
      // With AutoCenter the anchor follows the size, so it is not stored.
      .Property(u"PosX", &TRotLab::PosX, &TRotLab::SetPosX, 10)
      .Stored([](const TRotLab& L) { return !L.AutoCenter(); })
      .Property(u"PosY", &TRotLab::PosY, &TRotLab::SetPosY, 10)
      .Stored([](const TRotLab& L) { return !L.AutoCenter(); })
      .Property(u"Alignment", &TRotLab::Alignment, &TRotLab::SetAlignment, vcl::taCenter)
      .Property(u"AntiAlias", &TRotLab::AntiAlias, &TRotLab::SetAntiAlias, true)
      .Property(u"Transparent", &TRotLab::Transparent, &TRotLab::SetTransparent, true)
      .Color(u"Color", &TRotLab::Color, &TRotLab::SetColor, vcl::clBtnFace)
      .Property(u"ParentColor", &TRotLab::ParentColor, &TRotLab::SetParentColor, false)
      .Property(u"FrameStyle", &TRotLab::FrameStyle, &TRotLab::SetFrameStyle, fsLowered)
      .Nested(u"Font", [](TRotLab& L) { return L.Font(); })
      .Stored(FontStored)
      .Property(u"ParentFont", &TRotLab::ParentFont, &TRotLab::SetParentFont, false)
      .Event(u"OnEndDock")
      .Event(u"OnStartDock");
  return true;
}

const bool registered = RegisterRotLab();

}  // namespace

}  // namespace vyr
