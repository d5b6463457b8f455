// Copying pictures onto a canvas: Draw, StretchDraw, CopyRect.
#include "platform/WinapiGdi.h"
#include "platform/graphics/CanvasAccess.h"

namespace vcl {

using A = CanvasAccess;

void CanvasAccess::Blit(TCanvas& Dest, raster::BlitRect D, const TCanvas* Src, raster::BlitRect S,
                        std::uint32_t Rop, std::optional<raster::Pixel> Transparent) {
  const raster::Target t = Begin(Dest);
  if (t.Empty()) return;
  D.X = DevX(Dest, D.X);
  D.Y = DevY(Dest, D.Y);
  raster::Source source;
  if (Src != nullptr) {
    source = Readable(*Src);
    S.X = DevX(*Src, S.X);
    S.Y = DevY(*Src, S.Y);
  }
  raster::BlitOptions options;
  options.Rop = Rop;
  options.StretchMode = Dest.FStretchMode;
  options.Pattern = BrushFill(Dest, pmCopy);
  if (!BrushVisible(Dest)) options.Pattern.Hatch = nullptr;
  options.Transparent = Transparent;
  raster::StretchBlit(t, D, Src != nullptr ? &source : nullptr, S, options);
}

namespace {

// The color a transparent bitmap leaves out: its TransparentColor, or the
// bottom-left pixel when that is clDefault.
raster::Pixel TransparentKey(TBitmap& B) {
  if (B.TransparentColor() == clDefault) {
    return B.Height() > 0 ? B.ScanLine(B.Height() - 1)[0] & raster::kRgbMask : 0;
  }
  return raster::ToPixel(B.TransparentColor());
}

void DrawGraphic(TCanvas& C, const TRect& R, TGraphic* Graphic) {
  auto* bitmap = dynamic_cast<TBitmap*>(Graphic);
  if (bitmap == nullptr || bitmap->Empty()) return;
  std::optional<raster::Pixel> key;
  if (bitmap->Transparent()) key = TransparentKey(*bitmap);
  A::Blit(C, {R.Left, R.Top, R.Width(), R.Height()}, bitmap->Canvas(),
          {0, 0, bitmap->Width(), bitmap->Height()}, static_cast<std::uint32_t>(C.CopyMode()),
          key);
}

}  // namespace

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (Graphic == nullptr) return;
  DrawGraphic(*this, Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (Graphic == nullptr) return;
  DrawGraphic(*this, R, Graphic);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  if (Canvas == nullptr) return;
  A::Blit(*this, {Dest.Left, Dest.Top, Dest.Width(), Dest.Height()}, Canvas,
          {Source.Left, Source.Top, Source.Width(), Source.Height()},
          static_cast<std::uint32_t>(FCopyMode));
}

}  // namespace vcl
