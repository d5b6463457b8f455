#include "platform/ExtCtrls.h"

#include <algorithm>

#include "platform/Streaming.h"
#include "platform/Look.h"

namespace vcl {

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  if (Canvas == nullptr) return;
  for (int i = 0; i < Width && !Rect.IsEmpty(); ++i) {
    look::DrawEdge(*Canvas, Rect, TopColor, BottomColor);
    Rect.Inflate(-1, -1);
  }
}

// ---------------------------------------------------------------- TCustomPanel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() << csAcceptsControls << csSetCaption << csOpaque
                                 << csDoubleClicks << csReplicatable);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 185, 41);
}

TCustomPanel::~TCustomPanel() = default;

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment Value) {
  if (FVerticalAlignment == Value) return;
  FVerticalAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
  if (FBevelInner == Value) return;
  FBevelInner = Value;
  Changed();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
  if (FBevelOuter == Value) return;
  FBevelOuter = Value;
  Changed();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
  Value = std::max(1, Value);
  if (FBevelWidth == Value) return;
  FBevelWidth = Value;
  Changed();
}

void TCustomPanel::SetBorderWidth(int Value) {
  Value = std::max(0, Value);
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Changed();
}

void TCustomPanel::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  Invalidate();
}

TRect TCustomPanel::InnerRect() const {
  TRect r = Rect(0, 0, Width(), Height());
  int inset = FBorderWidth + (FBorderStyle == bsSingle ? 1 : 0);
  if (FBevelOuter != bvNone) inset += FBevelWidth;
  if (FBevelInner != bvNone) inset += FBevelWidth;
  r.Inflate(-inset, -inset);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) { Rect = Rect.Intersect(InnerRect()); }

namespace {

// One bevel of the panel: raised or lowered through the look module, a
// space bevel as rings of the panel's color.
void PanelBevel(TCanvas* C, TRect& R, TPanelBevel Bevel, int Width, TColor Color) {
  if (Bevel == bvNone) return;
  if (Bevel == bvSpace) {
    Frame3D(C, R, Color, Color, Width);
    return;
  }
  R = look::DrawBevel(*C, R, Bevel == bvRaised ? look::bcRaised : look::bcLowered, Width);
}

UINT VerticalFormat(TVerticalAlignment A) {
  switch (A) {
    case taAlignTop: return DT_TOP;
    case taAlignBottom: return DT_BOTTOM;
    default: return DT_VCENTER;
  }
}

UINT HorizontalFormat(TAlignment A) {
  switch (A) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    default: return DT_CENTER;
  }
}

}  // namespace

void TCustomPanel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) r = look::DrawFlatBorder(*c, r, clWindowFrame);
  PanelBevel(c, r, FBevelOuter, FBevelWidth, Color());
  Frame3D(c, r, Color(), Color(), FBorderWidth);
  PanelBevel(c, r, FBevelInner, FBevelWidth, Color());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  if (!FShowCaption || Caption().empty()) return;
  c->Brush()->SetStyle(bsClear);
  c->Font()->Assign(Font());
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  UINT format = DT_EXPANDTABS | DT_SINGLELINE | VerticalFormat(FVerticalAlignment) |
                HorizontalFormat(FAlignment);
  DrawText(c, Caption(), -1, r, format);
}

// ---------------------------------------------------------------- TShape

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() << csReplicatable);
  SetBounds(Left(), Top(), 65, 65);
  FPen.SetOnChange([this](TObject*) { Invalidate(); });
  FBrush.SetOnChange([this](TObject*) { Invalidate(); });
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType Value) {
  if (FShape == Value) return;
  FShape = Value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* c = Canvas();
  c->SetPen(&FPen);
  c->SetBrush(&FBrush);
  int pw = FPen.Style() == psClear ? 0 : FPen.Width();
  int x = pw / 2, y = pw / 2;
  int w = Width() - pw + 1, h = Height() - pw + 1;
  if (pw == 0) {
    w = Width();
    h = Height();
  }
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (FShape) {
    case stRectangle: case stSquare: c->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect: case stRoundSquare: {
      int corner = std::min(w, h) / 4;
      c->RoundRect(x, y, x + w, y + h, corner, corner);
      break;
    }
    case stEllipse: case stCircle: c->Ellipse(x, y, x + w, y + h); break;
  }
}

// ---------------------------------------------------------------- TPaintBox

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() << csReplicatable);
  SetBounds(Left(), Top(), 105, 105);
}

void TPaintBox::Paint() {
  if (FOnPaint) FOnPaint(this);
}

// ---------------------------------------------------------------- TImage

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() << csReplicatable);
  SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() = default;

void TImage::PictureChanged() {
  if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0) {
    SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
  }
  Invalidate();
}

void TImage::SetPicture(TPicture* Value) {
  FPicture.Assign(Value);
  PictureChanged();
}

TCanvas* TImage::ImageCanvas() {
  TBitmap* bmp = FPicture.Bitmap();
  if (bmp->Empty()) bmp->SetSize(std::max(1, Width()), std::max(1, Height()));
  Invalidate();
  return bmp->Canvas();
}

void TImage::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  PictureChanged();
}

void TImage::SetCenter(bool Value) {
  if (FCenter == Value) return;
  FCenter = Value;
  Invalidate();
}

void TImage::SetStretch(bool Value) {
  if (FStretch == Value) return;
  FStretch = Value;
  Invalidate();
}

void TImage::SetProportional(bool Value) {
  if (FProportional == Value) return;
  FProportional = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

TRect TImage::DestRect() {
  int w = FPicture.Width(), h = FPicture.Height();
  int cw = Width(), ch = Height();
  if (w <= 0 || h <= 0) return TRect();
  if (FStretch || (FProportional && (w > cw || h > ch))) {
    if (FProportional) {
      // The larger scale that still fits, in exact integer arithmetic.
      if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
        w = static_cast<int>(static_cast<long long>(w) * ch / h);
        h = ch;
      } else {
        h = static_cast<int>(static_cast<long long>(h) * cw / w);
        w = cw;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = FCenter ? (cw - w) / 2 : 0;
  int y = FCenter ? (ch - h) / 2 : 0;
  return Bounds(x, y, w, h);
}

void TImage::Paint() {
  TGraphic* g = FPicture.Graphic();
  if (g == nullptr || g->Empty()) return;
  bool wasTransparent = g->Transparent();
  g->SetTransparent(FTransparent);
  TRect r = DestRect();
  TCanvas* c = Canvas();
  if (r.Width() == g->Width() && r.Height() == g->Height()) c->Draw(r.Left, r.Top, g);
  else c->StretchDraw(r, g);
  g->SetTransparent(wasTransparent);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterExtControls() {
  RegisterEnum<TPanelBevel>({u"bvNone", u"bvLowered", u"bvRaised", u"bvSpace"});
  RegisterEnum<TVerticalAlignment>({u"taAlignTop", u"taAlignBottom", u"taVerticalCenter"});
  RegisterEnum<TShapeType>({u"stRectangle", u"stSquare", u"stRoundRect", u"stRoundSquare",
                            u"stEllipse", u"stCircle"});
  RegisterClass<TCustomPanel, TCustomControl>(u"TCustomPanel")
      .Color(u"Color", &TControl::Color, &TControl::SetColor, clBtnFace)
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, taCenter)
      .Property(u"BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, bvNone)
      .Property(u"BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, bvRaised)
      .Property(u"BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth, 1)
      .Property(u"BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth, 0)
      .Property(u"BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, bsNone)
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption)
      .Property(u"FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint, true)
      .Property(u"ParentBackground", &TWinControl::ParentBackground,
                &TWinControl::SetParentBackground, true)
      .Property(u"ShowCaption", &TCustomPanel::ShowCaption, &TCustomPanel::SetShowCaption, true)
      .Property(u"VerticalAlignment", &TCustomPanel::VerticalAlignment,
                &TCustomPanel::SetVerticalAlignment, taVerticalCenter);
  RegisterClass<TPanel, TCustomPanel>(u"TPanel");
  RegisterClass<TShape, TGraphicControl>(u"TShape")
      .Nested(u"Brush", [](TShape& s) { return s.Brush(); })
      .Nested(u"Pen", [](TShape& s) { return s.Pen(); })
      .Property(u"Shape", &TShape::Shape, &TShape::SetShape, stRectangle);
  RegisterClass<TPaintBox, TGraphicControl>(u"TPaintBox")
      .Event(u"OnPaint", &TPaintBox::OnPaint, &TPaintBox::SetOnPaint);
  RegisterClass<TImage, TGraphicControl>(u"TImage")
      .Property(u"AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
      .Property(u"Center", &TImage::Center, &TImage::SetCenter, false)
      .Nested(u"Picture", [](TImage& i) { return i.Picture(); })
      .Property(u"Proportional", &TImage::Proportional, &TImage::SetProportional, false)
      .Property(u"Stretch", &TImage::Stretch, &TImage::SetStretch, false)
      .Property(u"Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
  return true;
}

const bool registered = RegisterExtControls();

}  // namespace

}  // namespace vcl
