// The on/off button: state, pictures, placement, groups and the mouse.
#include "VYR_onoffbut/VYR_onoffbut.h"

#include <algorithm>

#include "foundation/VYR_errors.h"
#include "foundation/VYR_resources.h"

namespace vyr {

namespace {

constexpr int UserPictureSize = 20;

// The default user pictures: a cross for off/enabled, a circle for
// on/enabled, the disabled ones blank (all see-through).
std::unique_ptr<vcl::TBitmap> DefaultUserPicture(int Index) {
  auto b = std::make_unique<vcl::TBitmap>(UserPictureSize, UserPictureSize);
  vcl::TCanvas& c = *b->Canvas();
  c.Brush()->SetColor(onoff::SeeThrough);
  c.FillRect(vcl::Rect(0, 0, UserPictureSize, UserPictureSize));
  c.Brush()->SetColor(vcl::clWhite);
  if (Index == 1) {
    c.MoveTo(0, 0);
    c.LineTo(20, 20);
    c.MoveTo(0, 20);
    c.LineTo(20, 0);
  } else if (Index == 3) {
    c.Ellipse(5, 5, 15, 15);
  }
  return b;
}

// The four pictures of a style bitmap, cut by quadrant.
std::array<std::unique_ptr<vcl::TBitmap>, 4> CutQuadrants(vcl::TBitmap& Sheet) {
  std::array<std::unique_ptr<vcl::TBitmap>, 4> pictures;
  for (int i = 0; i < 4; ++i) {
    const vcl::TRect from = onoff::QuadrantRect(i, Sheet.Width(), Sheet.Height());
    pictures[i] = std::make_unique<vcl::TBitmap>(from.Width(), from.Height());
    pictures[i]->Canvas()->CopyRect(vcl::Rect(0, 0, from.Width(), from.Height()), Sheet.Canvas(),
                                    from);
  }
  return pictures;
}

}  // namespace

TOnOffBut::TOnOffBut(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner), FMask(std::make_unique<vcl::TBitmap>()) {
  for (int i = 0; i < 4; ++i) {
    FButImg[i] = std::make_unique<vcl::TBitmap>();
    FUserImg[i] = DefaultUserPicture(i);
  }
  LoadPictures();
  // Without a parent yet the resize does not centre: a new button keeps
  // LeftSpace 35 and TopSpace 18 until its first resize on a parent.
  SetBounds(Left(), Top(), 100, 50);
}

TOnOffBut::~TOnOffBut() = default;

// ---------------------------------------------------------------- pictures

// The state pictures of the current style; for a named style the picture
// size is that of its bitmap's quadrants, for oobsUser that of the user
// pictures. A named bitmap that cannot be loaded raises before anything
// changes.
void TOnOffBut::LoadPictures() {
  if (FButStyle == oobsUser) {
    for (int i = 0; i < 4; ++i) FButImg[i]->Assign(FUserImg[i].get());
    FGlyphWidth = FUserImg[0]->Width();
    FGlyphHeight = FUserImg[0]->Height();
    return;
  }
  std::unique_ptr<vcl::TBitmap> sheet = NamedBitmap(onoff::StyleResourceName(FButStyle));
  FButImg = CutQuadrants(*sheet);
  FGlyphWidth = sheet->Width() / 2;
  FGlyphHeight = sheet->Height() / 2;
}

vcl::TBitmap* TOnOffBut::StatePicture(int Index) {
  return FButImg[static_cast<std::size_t>(std::clamp(Index, 0, 3))].get();
}

vcl::TBitmap* TOnOffBut::UserPicture(int Index) {
  return FUserImg[static_cast<std::size_t>(std::clamp(Index, 0, 3))].get();
}

void TOnOffBut::SetUserGlyph(vcl::TBitmap* Img) {
  if (Img == nullptr || Img->Width() < 2 || Img->Height() < 2) {
    throw EVYRError(ComponentMessage(*this, u"a user glyph needs a bitmap of four pictures"));
  }
  FUserImg = CutQuadrants(*Img);
  if (FButStyle != oobsUser) return;
  LoadPictures();
  if (FAutoCenter) Recentre();
  Invalidate();
}

void TOnOffBut::LoadUserGlyph(const vcl::String& FName) {
  vcl::TBitmap loaded;
  loaded.LoadFromFile(FName);
  SetUserGlyph(&loaded);
}

// ---------------------------------------------------------------- state

void TOnOffBut::SetOnOff(bool Value) {
  if (Value == FOnOff) return;
  if (!Value && FGroupIndex != 0 && !FAllowAllOff) return;
  FOnOff = Value;
  Repaint();
  if (FOnOff) UpdateGroup();
}

void TOnOffBut::SetButtonStyle(TOnOffButStyle Value) {
  if (Value == FButStyle) return;
  const TOnOffButStyle old = FButStyle;
  FButStyle = Value;
  try {
    LoadPictures();
  } catch (...) {
    FButStyle = old;
    throw;
  }
  if (FAutoCenter) Recentre();
  Invalidate();
}

void TOnOffBut::SetMode(TOOButMode Value) {
  FMode = Value;
  if (FMode == oobmSpeedBut) FOnOff = false;
  Invalidate();
}

void TOnOffBut::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  UpdateGroup();
}

void TOnOffBut::SetAllowAllOff(bool Value) {
  if (Value == FAllowAllOff) return;
  FAllowAllOff = Value;
  UpdateGroup();
}

void TOnOffBut::UpdateGroup() {
  if (FGroupIndex == 0 || Parent() == nullptr) return;
  vcl::TMessage m{vcl::CM_BUTTONPRESSED, static_cast<vcl::WPARAM>(FGroupIndex),
                  reinterpret_cast<vcl::LPARAM>(static_cast<vcl::TControl*>(this)), 0};
  Parent()->Broadcast(m);
}

// Another button of the group was switched on (or changed AllowAllOff):
// this one goes off when both are on, and takes over AllowAllOff.
void TOnOffBut::CMButtonPressed(vcl::TMessage& Message) {
  if (FGroupIndex < 0 || Message.WParam != static_cast<vcl::WPARAM>(FGroupIndex)) return;
  auto* sender = dynamic_cast<TOnOffBut*>(reinterpret_cast<vcl::TControl*>(Message.LParam));
  if (sender == nullptr || sender == this) return;
  if (sender->FOnOff && FOnOff) {
    FOnOff = false;
    Repaint();
  }
  FAllowAllOff = sender->FAllowAllOff;
}

// ---------------------------------------------------------------- placement

void TOnOffBut::Recentre() {
  FLeftSpace = onoff::CentredSpace(Width(), FGlyphWidth);
  FTopSpace = onoff::CentredSpace(Height(), FGlyphHeight);
}

void TOnOffBut::RepaintOrInvalidate() {
  if (FTransParent)
    Invalidate();
  else
    Repaint();
}

void TOnOffBut::Resize() {
  if (Parent() != nullptr && FAutoCenter) {
    Recentre();
    RepaintOrInvalidate();
  }
  vcl::TGraphicControl::Resize();
}

void TOnOffBut::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const vcl::TRect before = BoundsRect();
  vcl::TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  const vcl::TRect after = BoundsRect();
  const bool moved = before.Left != after.Left || before.Top != after.Top;
  const bool sized = before.Width() != after.Width() || before.Height() != after.Height();
  // A size change has called Resize already.
  if (moved && !sized && !ComponentState().Contains(vcl::csLoading)) Resize();
}

void TOnOffBut::SetAutoCenter(bool Value) {
  if (Value == FAutoCenter) return;
  FAutoCenter = Value;
  if (FAutoCenter) Recentre();
  RepaintOrInvalidate();
}

void TOnOffBut::SetLeftSpace(int Value) {
  if (Value == FLeftSpace || Value < 0) return;
  if (FAutoCenter)
    Recentre();
  else
    FLeftSpace = std::min(Value, Width());
  Invalidate();
}

void TOnOffBut::SetTopSpace(int Value) {
  if (Value == FTopSpace || Value < 0) return;
  if (FAutoCenter)
    Recentre();
  else
    FTopSpace = std::min(Value, Height());
  Invalidate();
}

// ---------------------------------------------------------------- captions and look

void TOnOffBut::SetCaptionText(vcl::String& Field, const vcl::String& Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TOnOffBut::SetAlignment(vcl::TAlignment& Field, vcl::TAlignment Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TOnOffBut::SetColorText(vcl::TColor Value) {
  if (Value == FColorTxt) return;
  FColorTxt = Value;
  Repaint();
}

void TOnOffBut::SetColorBackgnd(vcl::TColor Value) {
  if (Value == FColorBakG) return;
  FColorBakG = Value;
  Repaint();
}

void TOnOffBut::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Repaint();
}

void TOnOffBut::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  FColGrayLine = Value == csBWG ? vcl::TColor{0x808080} : vcl::clBtnShadow;
  FColWhiteLine = Value == csBWG ? vcl::TColor{0xFFFFFF} : vcl::clBtnHighlight;
  Invalidate();
}

void TOnOffBut::SetTransparent(bool Value) {
  FTransParent = Value;
  Invalidate();
}

void TOnOffBut::SetEnabled(bool Value) {
  FEnabled = Value;
  vcl::TGraphicControl::SetEnabled(Value);
  Invalidate();
}

// ---------------------------------------------------------------- mouse

bool TOnOffBut::Accepts(int X, int Y) const {
  switch (FMouseAction) {
    case oomaNone:
      return false;
    case oomaFocused:
      return onoff::InsidePicture(X, Y, FLeftSpace, FTopSpace, FGlyphWidth, FGlyphHeight);
    case oomaPlain:
      break;
  }
  return true;
}

void TOnOffBut::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || !Accepts(X, Y)) return;
  if (FGroupIndex != 0 && !FAllowAllOff && FOnOff) return;
  FOnOff = !FOnOff;
  Repaint();
  if (FOnOff) UpdateGroup();
}

void TOnOffBut::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || !Accepts(X, Y)) return;
  if (FMode == oobmSpeedBut) {
    FOnOff = false;
    Repaint();
  }
  vcl::TGraphicControl::Click();
}

void TOnOffBut::Click() {}

// ---------------------------------------------------------------- assigning

void TOnOffBut::Assign(vcl::TPersistent* Source) {
  auto* s = dynamic_cast<TOnOffBut*>(Source);
  if (s == nullptr) {
    vcl::TGraphicControl::Assign(Source);
    return;
  }
  if (s == this) return;
  FLeftSpace = s->FLeftSpace;
  FTopSpace = s->FTopSpace;
  FAutoCenter = s->FAutoCenter;
  FLeftText = s->FLeftText;
  FTopText = s->FTopText;
  FRightText = s->FRightText;
  FBottomText = s->FBottomText;
  FLTAlignment = s->FLTAlignment;
  FTTAlignment = s->FTTAlignment;
  FRTAlignment = s->FRTAlignment;
  FBTAlignment = s->FBTAlignment;
  FFrameStyle = s->FFrameStyle;
  FColorBakG = s->FColorBakG;
  FColBlackLine = s->FColBlackLine;
  FColGrayLine = s->FColGrayLine;
  FColWhiteLine = s->FColWhiteLine;
  FColorScheme = s->FColorScheme;
  FOnOff = s->FOnOff;
  for (int i = 0; i < 4; ++i) {
    FButImg[i]->Assign(s->FButImg[i].get());
    FUserImg[i]->Assign(s->FUserImg[i].get());
  }
  FButStyle = s->FButStyle;
  FMouseAction = s->FMouseAction;
  FColorTxt = s->FColorTxt;
  FGlyphWidth = s->FGlyphWidth;
  FGlyphHeight = s->FGlyphHeight;
  FTransParent = s->FTransParent;
  // The framework's own enabled state follows, so that input and the
  // picture agree.
  FEnabled = s->FEnabled;
  vcl::TGraphicControl::SetEnabled(FEnabled);
  Invalidate();
}

void TOnOffBut::AssignTo(vcl::TPersistent* Dest) {
  if (auto* d = dynamic_cast<TOnOffBut*>(Dest)) {
    d->Assign(this);
    return;
  }
  vcl::TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
