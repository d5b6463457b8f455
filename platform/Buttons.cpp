#include "platform/Buttons.h"

#include <algorithm>

#include "platform/Guards.h"
#include "platform/Look.h"
#include "platform/Streaming.h"

namespace vcl {

std::unique_ptr<TBitmap> GlyphCell(TBitmap& Strip, int Count, int Index) {
  const int w = Count > 0 ? Strip.Width() / Count : 0, h = Strip.Height();
  if (w <= 0) return nullptr;
  auto picture = std::make_unique<TBitmap>(w, h);
  picture->Canvas()->CopyRect(Rect(0, 0, w, h), Strip.Canvas(), Bounds(Index * w, 0, w, h));
  picture->SetTransparent(true);
  return picture;
}

TGlyphPlacement PlaceGlyphAndText(const TRect& Area, TSize Glyph, TSize Text, TButtonLayout Layout,
                                  int Margin, int Spacing) {
  bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  bool hasGlyph = Glyph.cx > 0 && Glyph.cy > 0, hasText = Text.cx > 0 && Text.cy > 0;
  int gap = hasGlyph && hasText ? Spacing : 0;
  int along = horizontal ? Glyph.cx + gap + Text.cx : Glyph.cy + gap + Text.cy;
  int room = horizontal ? Area.Width() : Area.Height();
  int start = Margin >= 0 ? Margin : (room - along) / 2;
  bool glyphFirst = Layout == blGlyphLeft || Layout == blGlyphTop;
  int glyphAt = glyphFirst ? start : start + along - (horizontal ? Glyph.cx : Glyph.cy);
  int textAt = glyphFirst ? start + along - (horizontal ? Text.cx : Text.cy) : start;
  auto place = [&](TSize S, int At) {
    return horizontal ? Point(Area.Left + At, Area.Top + (Area.Height() - S.cy) / 2)
                      : Point(Area.Left + (Area.Width() - S.cx) / 2, Area.Top + At);
  };
  return {place(Glyph, glyphAt), place(Text, textAt)};
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // The button clicks itself on release; the plain click of TControl is off.
  SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks, csSetCaption, csOpaque});
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

// ---------------------------------------------------------------- properties

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FGroupIndex == 0 && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  SetControlStyle(Value ? ControlStyle() >> csOpaque : ControlStyle() << csOpaque);
  Invalidate();
}

TBitmap* TSpeedButton::Glyph() {
  if (!FGlyph) {
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->SetOnChange([this](TObject*) { Invalidate(); });
  }
  return FGlyph.get();
}

// A glyph whose width is a multiple of its height holds that many pictures.
void TSpeedButton::SetGlyph(TBitmap* Value) {
  Glyph()->Assign(Value);
  if (Value != nullptr && Value->Height() > 0 && Value->Width() % Value->Height() == 0) {
    int n = Value->Width() / Value->Height();
    if (n >= 1 && n <= 4) FNumGlyphs = n;
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  Value = std::clamp(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  Value = std::max(-1, Value);
  if (FMargin == Value) return;
  FMargin = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

// ---------------------------------------------------------------- groups

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || Parent() == nullptr) return;
  // The sender goes out as a TControl, the type every receiver reads it as.
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
             reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
  Parent()->Broadcast(m);
}

// A sibling of the same group went down (or changed its AllowAllUp): this
// one comes up and takes over the group's AllowAllUp. Other kinds of
// controls that group their siblings send the same notice; only speed
// buttons count here.
void TSpeedButton::CMButtonPressed(TMessage& Message) {
  if (Message.WParam != static_cast<WPARAM>(FGroupIndex) || FGroupIndex == 0) return;
  auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
  if (sender == nullptr || sender == this) return;
  if (sender->Down() && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->AllowAllUp();
}

// ---------------------------------------------------------------- mouse

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

// While pressed the button shows down only with the pointer on it.
void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  bool inside = ClientRect().Contains(Point(X, Y));
  TButtonState state = FDown ? bsExclusive : (inside ? bsDown : bsUp);
  if (state != FState) {
    FState = state;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  bool click = ClientRect().Contains(Point(X, Y));
  if (FGroupIndex == 0) {
    FState = bsUp;
  } else if (click) {
    SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
  } else {
    FState = FDown ? bsExclusive : bsUp;
  }
  Invalidate();
  if (click) Click();
}

void TSpeedButton::CancelPress() {
  if (!FDragging) return;
  FDragging = false;
  FState = FDown ? bsExclusive : bsUp;
  Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::CMMouseEnter(TMessage& Message) {
  TGraphicControl::CMMouseEnter(Message);
  FMouseInControl = true;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& Message) {
  TGraphicControl::CMMouseLeave(Message);
  FMouseInControl = false;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::CMEnabledChanged(TMessage& Message) {
  TGraphicControl::CMEnabledChanged(Message);
  if (!Enabled()) {
    FDragging = false;
    FMouseInControl = false;
  }
  FState = !Enabled() ? bsDisabled : (FDown ? bsExclusive : bsUp);
  Invalidate();
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  FState = !Enabled() ? bsDisabled : (FDown ? bsExclusive : bsUp);
}

// ---------------------------------------------------------------- painting

// Framed: raised or pressed. Flat: nothing at rest (not even the face when
// transparent), a thin raised ring under the mouse, a thin sunken one pressed.
void TSpeedButton::PaintFace(TCanvas& C, bool Pressed) {
  look::TButtonFace face = Pressed ? look::bfDown : Enabled() ? look::bfUp : look::bfDisabled;
  if (FFlat) {
    face = Pressed ? look::bfFlatDown : FMouseInControl && Enabled() ? look::bfHot : look::bfFlat;
  }
  bool showFace = !FFlat || !FTransparent || Pressed || FMouseInControl;
  look::DrawButtonFace(C, ClientRect(), face, {}, showFace ? Color() : clNone);
}

std::unique_ptr<TBitmap> TSpeedButton::GlyphPicture() const {
  if (!FGlyph || FGlyph->Empty()) return nullptr;
  int index = 0;
  if (FState == bsDisabled && FNumGlyphs > 1) index = 1;
  if (FState == bsDown && FNumGlyphs > 2) index = 2;
  if (FState == bsExclusive && FNumGlyphs > 3) index = 3;
  if (FState == bsExclusive && FNumGlyphs == 3) index = 2;
  return GlyphCell(*FGlyph, FNumGlyphs, index);
}

// Glyph and caption as one block: side by side (or one above the other),
// centred, or Margin pixels from the edge the glyph is on.
void TSpeedButton::PaintContent(TCanvas& C, const TRect& Area, bool Pressed) {
  std::unique_ptr<TBitmap> glyph = GlyphPicture();
  C.Font()->Assign(Font());
  TSize text = Caption().empty() ? TSize() : C.TextExtent(Caption());
  TSize pic = glyph ? TSize(glyph->Width(), glyph->Height()) : TSize();
  TRect area = Area;
  if (Pressed) area.Offset(1, 1);
  TGlyphPlacement at = PlaceGlyphAndText(area, pic, text, FLayout, FMargin, FSpacing);
  if (glyph) C.Draw(at.Glyph.X, at.Glyph.Y, glyph.get());
  if (Caption().empty()) return;
  if (!Enabled()) {
    look::DrawEngravedText(C, at.Text.X, at.Text.Y, Caption());
    return;
  }
  C.Brush()->SetStyle(bsClear);
  C.TextOut(at.Text.X, at.Text.Y, Caption());
}

void TSpeedButton::Paint() {
  TCanvas& C = *Canvas();
  if (!Enabled())
    FState = bsDisabled;
  else if (FState == bsDisabled)
    FState = FDown ? bsExclusive : bsUp;
  bool pressed = FState == bsDown || FState == bsExclusive;
  PaintFace(C, pressed);
  TRect area = look::ButtonInnerRect(ClientRect());
  TCanvasClipGuard clip(C, area);
  PaintContent(C, area, pressed);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterButtons() {
  RegisterEnum<TButtonLayout>({u"blGlyphLeft", u"blGlyphRight", u"blGlyphTop", u"blGlyphBottom"});
  RegisterClass<TSpeedButton, TGraphicControl>(u"TSpeedButton")
      .Color(u"Color", &TControl::Color, &TControl::SetColor, clBtnFace)
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false)
      .Property(u"GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0)
      .Property(u"Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false)
      .Sample([](TSpeedButton& b, int Attempt) {  // only a grouped button stays down
        if (Attempt > 0) return false;
        if (b.GroupIndex() == 0) b.SetGroupIndex(1);
        b.SetAllowAllUp(true);
        b.SetDown(!b.Down());
        return true;
      })
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption)
      .Property(u"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false)
      .Nested(u"Glyph", [](TSpeedButton& b) { return b.Glyph(); })
      .Property(u"Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, blGlyphLeft)
      .Property(u"Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1)
      .Property(u"NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1)
      .Property(u"Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4)
      .Property(u"Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent, true);
  return true;
}

const bool registered = RegisterButtons();

}  // namespace

}  // namespace vcl
