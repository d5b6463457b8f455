#include "VYR_gradfl/VYR_gradfl.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/Streaming.h"
#include "platform/WinapiGdi.h"

namespace vyr {

TGradFill::TGradFill(vcl::TComponent* AOwner) : vcl::TGraphicControl(AOwner) {
  SetBounds(Left(), Top(), 121, 121);
}

TGradFill::~TGradFill() = default;

// ---------------------------------------------------------------- properties

void TGradFill::SetColorFirst(vcl::TColor Value) {
  FColorFirst = Value;
  (FColorFlipped ? FColLastOrg : FColFirstOrg) = Value;
  PaintNow();
}

void TGradFill::SetColorLast(vcl::TColor Value) {
  FColorLast = Value;
  (FColorFlipped ? FColFirstOrg : FColLastOrg) = Value;
  PaintNow();
}

void TGradFill::SetColorFlipped(bool Value) {
  FColorFlipped = Value;
  FColorFirst = Value ? FColLastOrg : FColFirstOrg;
  FColorLast = Value ? FColFirstOrg : FColLastOrg;
  PaintNow();
}

void TGradFill::SetFillType(TGradType Value) {
  if (FFillType == Value) return;
  FFillType = Value;
  PaintNow();
}

void TGradFill::SetNrColors(int Value) {
  FNrColors = std::clamp(Value, 1, 255);
  PaintNow();
}

void TGradFill::SetFrameStyle(TFrameStyle Value) {
  FFrameStyle = Value;
  PaintNow();
}

void TGradFill::SetGridMode(TGridMode Value) {
  if (FGridMode == Value) return;
  FGridMode = Value;
  PaintNow();
}

void TGradFill::SetGridColor(vcl::TColor Value) {
  FGridColor = Value;
  PaintNow();
}

// ---------------------------------------------------------------- painting

void TGradFill::PaintNow() {
  if (ComponentState().Contains(vcl::csLoading)) return;
  Paint();
}

// Vertical bands are filled in strips of rows, every band of a strip before
// the next strip: a band at a time would sweep the whole bitmap once per
// band, touching each cache line in parts many times over.
void TGradFill::DrawBands(vcl::TCanvas& C, int W, int H) const {
  if (FFillType > gtMidBandVert) return;
  constexpr int StripRows = 32;
  std::vector<vcl::TColor> colors(static_cast<std::size_t>(FNrColors));
  for (int i = 0; i < FNrColors; ++i) {
    colors[static_cast<std::size_t>(i)] =
        GradBandColor(FFillType, i, FNrColors, FColorFirst, FColorLast);
  }
  vcl::TBrush* brush = C.Brush();
  brush->SetStyle(vcl::bsSolid);
  const bool rows = FFillType == gtHoriz || FFillType == gtMidBandHoriz;
  for (int top = 0; top < (rows ? 1 : H); top += StripRows) {
    for (int i = 0; i < FNrColors; ++i) {
      vcl::TRect band = GradBandRect(FFillType, i, FNrColors, W, H);
      if (!rows) {
        band.Top = top;
        band.Bottom = std::min(H, top + StripRows);
      }
      brush->SetColor(colors[static_cast<std::size_t>(i)]);
      C.FillRect(band);
    }
  }
}

void TGradFill::DrawGrid(vcl::TCanvas& C, int W, int H) const {
  if (FGridMode == gmNone) return;
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(FGridColor);
  if (FGridMode == gmHoriz || FGridMode == gmBoth) {
    for (int y : GradGridLines(H, FNrColors)) C.FillRect({0, y, W, y + 1});
  }
  if (FGridMode == gmVert || FGridMode == gmBoth) {
    for (int x : GradGridLines(W, FNrColors)) C.FillRect({x, 0, x + 1, H});
  }
}

void TGradFill::DrawGradient(vcl::TBitmap& Bitmap) const {
  vcl::TCanvas& c = *Bitmap.Canvas();
  const int w = Bitmap.Width();
  const int h = Bitmap.Height();
  c.Pen()->SetStyle(vcl::psSolid);
  c.Pen()->SetMode(vcl::pmCopy);
  DrawBands(c, w, h);
  DrawGrid(c, w, h);
  DrawFrame(&c, FFrameStyle, 0, 0, w - 1, h - 1, vcl::clWhite, vcl::clSilver, vcl::clGray,
            vcl::clBlack, vcl::clBlack);
}

void TGradFill::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  vcl::TBitmap bitmap(Width(), Height());
  DrawGradient(bitmap);
  vcl::TCanvas* canvas = Canvas();
  canvas->SetCopyMode(static_cast<vcl::TCopyMode>(vcl::SRCCOPY));
  canvas->Draw(0, 0, &bitmap);
  if (FOnPaint) FOnPaint(this);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterGradFill() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  // ColorFlipped is written (and so read) before the colors: the colors are
  // stored in drawing order, and reading them into a flipped control files
  // them under the ends they belong to. A flipped control writes both
  // colors, as a skipped one would come back as the other end's default.
  auto colorStored = [](vcl::TColor (TGradFill::*Get)() const, vcl::TColor Default) {
    return [Get, Default](const TGradFill& g) { return g.ColorFlipped() || (g.*Get)() != Default; };
  };
  vcl::RegisterClass<TGradFill, vcl::TGraphicControl>(u"TGradFill")
      .Property(u"ColorFlipped", &TGradFill::ColorFlipped, &TGradFill::SetColorFlipped, false)
      .Color(u"ColorFirst", &TGradFill::ColorFirst, &TGradFill::SetColorFirst)
      .Stored(colorStored(&TGradFill::ColorFirst, TGradFill::DefaultColorFirst))
      .Color(u"ColorLast", &TGradFill::ColorLast, &TGradFill::SetColorLast)
      .Stored(colorStored(&TGradFill::ColorLast, TGradFill::DefaultColorLast))
      .Enum(u"FillType", &TGradFill::FillType, &TGradFill::SetFillType, gtHoriz,
            {u"gtHoriz", u"gtVert", u"gtMidBandHoriz", u"gtMidBandVert"})
      .Property(u"NrColors", &TGradFill::NrColors, &TGradFill::SetNrColors,
                TGradFill::DefaultNrColors)
      .Property(u"FrameStyle", &TGradFill::FrameStyle, &TGradFill::SetFrameStyle, fsNoFrame)
      .Enum(u"GridMode", &TGradFill::GridMode, &TGradFill::SetGridMode, gmNone,
            {u"gmNone", u"gmHoriz", u"gmVert", u"gmBoth"})
      .Color(u"GridColor", &TGradFill::GridColor, &TGradFill::SetGridColor,
             TGradFill::DefaultGridColor)
      .Event(u"OnPaint");
  return true;
}

const bool registered = RegisterGradFill();

}  // namespace

}  // namespace vyr
