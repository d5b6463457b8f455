// The bitmap button: stock kinds (caption, modal result, default or cancel
// role, picture), the glyph beside the caption, and its form-file values.
#include <algorithm>
#include <array>
#include <optional>

#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/Streaming.h"

namespace vcl {

namespace {

constexpr int kGlyph = 18;                  // a stock picture is kGlyph × kGlyph
constexpr TColor kSeeThrough = 0x00FF00FF;  // clFuchsia: the glyphs never use it

const std::array<TBitBtnKindInfo, 11> kKinds{{
    {u"", mrNone, false, false},       {u"OK", mrOk, true, false},
    {u"Cancel", mrCancel, false, true}, {u"&Help", mrNone, false, false},
    {u"&Yes", mrYes, true, false},     {u"&No", mrNo, false, true},
    {u"&Close", mrNone, false, false}, {u"Abort", mrAbort, false, false},
    {u"&Retry", mrRetry, false, false}, {u"&Ignore", mrIgnore, false, false},
    {u"&All", mrAll, false, false},
}};

void Line(TCanvas& C, TColor Color, int Width, std::initializer_list<TPoint> Points) {
  C.Pen()->SetColor(Color);
  C.Pen()->SetWidth(Width);
  auto p = Points.begin();
  C.MoveTo(p->X, p->Y);
  for (++p; p != Points.end(); ++p) C.LineTo(p->X, p->Y);
}

// The kind's picture drawn in a kGlyph square at X with the colors given
// (Dark: the disabled picture draws everything in one color).
void DrawKind(TCanvas& C, TBitBtnKind Kind, int X, std::optional<TColor> Dark) {
  auto col = [&](TColor Own) { return Dark ? *Dark : Own; };
  auto at = [X](int x, int y) { return Point(X + x, y); };
  switch (Kind) {
    case bkOK: case bkYes:
      Line(C, col(0x008000), 3, {at(3, 9), at(7, 13), at(15, 4)});
      break;
    case bkAll:
      Line(C, col(0x008000), 2, {at(2, 8), at(5, 11), at(10, 4)});
      Line(C, col(0x008000), 2, {at(7, 12), at(10, 15), at(16, 7)});
      break;
    case bkCancel: case bkNo:
      Line(C, col(0x0000C0), 3, {at(4, 4), at(14, 14)});
      Line(C, col(0x0000C0), 3, {at(14, 4), at(4, 14)});
      break;
    case bkAbort:
      C.Brush()->SetStyle(bsClear);
      C.Pen()->SetColor(col(0x0000C0));
      C.Pen()->SetWidth(2);
      C.Ellipse(X + 2, 2, X + 16, 16);
      Line(C, col(0x0000C0), 2, {at(5, 13), at(13, 5)});
      break;
    case bkRetry:  // a circle open at the top right, its arrow head there
      Line(C, col(0x008000), 2, {at(11, 3), at(7, 3), at(4, 6), at(4, 11), at(7, 14), at(11, 14), at(14, 11), at(14, 7)});
      Line(C, col(0x008000), 2, {at(11, 1), at(14, 4), at(11, 6)});
      break;
    case bkIgnore:
      Line(C, col(0x008080), 3, {at(9, 2), at(9, 11)});
      Line(C, col(0x008080), 3, {at(9, 14), at(9, 15)});
      break;
    case bkHelp:
      Line(C, col(0x800000), 2, {at(5, 6), at(6, 3), at(12, 3), at(13, 6), at(9, 10), at(9, 12)});
      Line(C, col(0x800000), 2, {at(9, 14), at(9, 16)});
      break;
    case bkClose:
      C.Brush()->SetStyle(bsClear);
      C.Pen()->SetColor(col(0x004080));
      C.Pen()->SetWidth(1);
      C.Rectangle(X + 4, 2, X + 14, 17);
      Line(C, col(0x004080), 2, {at(11, 9), at(12, 9)});
      break;
    case bkCustom:
      break;
  }
}

}  // namespace

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind Kind) {
  return kKinds[std::min<std::size_t>(Kind, kKinds.size() - 1)];
}

std::unique_ptr<TBitmap> StockGlyph(TBitBtnKind Kind) {
  if (Kind == bkCustom) return nullptr;
  auto bmp = std::make_unique<TBitmap>(2 * kGlyph, kGlyph);
  TCanvas& c = *bmp->Canvas();
  c.Brush()->SetColor(kSeeThrough);
  c.FillRect(Rect(0, 0, 2 * kGlyph, kGlyph));
  DrawKind(c, Kind, 0, std::nullopt);
  DrawKind(c, Kind, kGlyph, ColorToRGB(clBtnShadow));
  c.Pen()->SetWidth(1);
  return bmp;
}

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind Value) {
  if (FKind == Value) return;
  const TBitBtnKindInfo& old = BitBtnKindInfo(FKind);
  const TBitBtnKindInfo& now = BitBtnKindInfo(Value);
  FKind = Value;
  if (Value != bkCustom) {
    if (!Keeps(lvCaption) && (Caption().empty() || Caption() == old.Caption)) SetCaption(now.Caption);
    if (!Keeps(lvModalResult)) SetModalResult(now.ModalResult);
    if (!Keeps(lvDefault)) SetDefault(now.Default);
    if (!Keeps(lvCancel)) SetCancel(now.Cancel);
  }
  Invalidate();
}

bool TBitBtn::Keeps(TLoadedValue Value) const {
  return ComponentState().Contains(csLoading) && (FLoadedValues & Value) != 0;
}

void TBitBtn::LoadCaption(const String& Value) {
  FLoadedValues |= lvCaption;
  SetCaption(Value);
}
void TBitBtn::LoadModalResult(TModalResult Value) {
  FLoadedValues |= lvModalResult;
  SetModalResult(Value);
}
void TBitBtn::LoadDefault(bool Value) {
  FLoadedValues |= lvDefault;
  SetDefault(Value);
}
void TBitBtn::LoadCancel(bool Value) {
  FLoadedValues |= lvCancel;
  SetCancel(Value);
}

void TBitBtn::Loaded() {
  TButton::Loaded();
  FLoadedValues = 0;
}

TBitmap* TBitBtn::Glyph() {
  if (!FGlyph) FGlyph = std::make_unique<TBitmap>();
  return FGlyph.get();
}

void TBitBtn::SetGlyph(TBitmap* Value) {
  Glyph()->Assign(Value);
  if (Value != nullptr && Value->Height() > 0 && Value->Width() % Value->Height() == 0) {
    SetNumGlyphs(std::clamp(Value->Width() / Value->Height(), 1, 4));
  }
  Invalidate();
}

void TBitBtn::SetNumGlyphs(TNumGlyphs Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TBitBtn::SetMargin(int Value) {
  FMargin = std::max(-1, Value);
  Invalidate();
}

void TBitBtn::SetSpacing(int Value) {
  FSpacing = Value;
  Invalidate();
}

bool TBitBtn::IsCustomCaption() const { return Caption() != BitBtnKindInfo(FKind).Caption; }
bool TBitBtn::IsCustomModalResult() const { return ModalResult() != BitBtnKindInfo(FKind).ModalResult; }

// A close button closes its form after the click has been handled.
void TBitBtn::Click() {
  TButton::Click();
  if (FKind == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) form->Close();
  }
}

// The picture for the state shown: the glyph's own (or the kind's), the
// disabled one when there is one.
std::unique_ptr<TBitmap> TBitBtn::Picture() const {
  std::unique_ptr<TBitmap> stock;
  TBitmap* source = FGlyph && !FGlyph->Empty() ? FGlyph.get() : nullptr;
  int count = FNumGlyphs;
  if (source == nullptr) {
    stock = StockGlyph(FKind);
    if (!stock) return nullptr;
    source = stock.get();
    count = 2;
  }
  int index = !Enabled() && count > 1 ? 1 : Pressed() && count > 2 ? 2 : 0;
  return GlyphCell(*source, count, index);
}

void TBitBtn::Paint() {
  TCanvas& C = *Canvas();
  look::TFaceOptions options;
  if (Active()) options << look::foDefault;
  if (Focused()) options << look::foFocused;
  look::TButtonFace face = Pressed() ? look::bfPushed : Enabled() ? look::bfUp : look::bfDisabled;
  TRect area = look::DrawButtonFace(C, ClientRect(), face, options, Color());
  std::unique_ptr<TBitmap> glyph = Picture();
  C.Font()->Assign(Font());
  const String& caption = Caption();
  TRect extent;
  if (!caption.empty()) DrawText(&C, caption, -1, extent, DT_CALCRECT | DT_SINGLELINE);
  TSize text(extent.Width(), extent.Height());
  TSize pic = glyph ? TSize(glyph->Width(), glyph->Height()) : TSize();
  TGlyphPlacement at = PlaceGlyphAndText(area, pic, text, FLayout, FMargin, FSpacing);
  TRect saved = C.IntersectClip(area);
  if (glyph) C.Draw(at.Glyph.X, at.Glyph.Y, glyph.get());
  if (!caption.empty()) {
    TRect r = Bounds(at.Text.X, at.Text.Y, text.cx, text.cy);
    if (Enabled()) {
      C.Brush()->SetStyle(bsClear);
      DrawText(&C, caption, -1, r, DT_SINGLELINE);
    } else {
      look::DrawEngravedText(C, r, caption, DT_SINGLELINE);
    }
  }
  C.SetDeviceClip(saved);
}

namespace {

bool RegisterBitBtn() {
  RegisterEnum<TBitBtnKind>({u"bkCustom", u"bkOK", u"bkCancel", u"bkHelp", u"bkYes", u"bkNo",
                             u"bkClose", u"bkAbort", u"bkRetry", u"bkIgnore", u"bkAll"});
  RegisterClass<TBitBtn, TButton>(u"TBitBtn")
      .Property(u"Caption", &TControl::Caption, &TBitBtn::LoadCaption)
      .NoDefault()
      .Stored(&TBitBtn::IsCustomCaption)
      .Property(u"ModalResult", &TButton::ModalResult, &TBitBtn::LoadModalResult)
      .NoDefault()
      .Stored(&TBitBtn::IsCustomModalResult)
      .Property(u"Default", &TButton::Default, &TBitBtn::LoadDefault)
      .NoDefault()
      .Stored(&TBitBtn::IsCustomDefault)
      .Property(u"Cancel", &TButton::Cancel, &TBitBtn::LoadCancel)
      .NoDefault()
      .Stored(&TBitBtn::IsCustomCancel)
      .Property(u"Kind", &TBitBtn::Kind, &TBitBtn::SetKind, bkCustom)
      .Nested(u"Glyph", [](TBitBtn& b) { return b.Glyph(); })
      .Property(u"Layout", &TBitBtn::Layout, &TBitBtn::SetLayout, blGlyphLeft)
      .Property(u"Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1)
      .Property(u"NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, 1)
      .Property(u"Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4);
  return true;
}

const bool registered = RegisterBitBtn();

}  // namespace

}  // namespace vcl
