// Internal helpers shared by the canvas sources: the device view of a
// canvas and the fills and pens its state stands for.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/Graphics.h"
#include "platform/raster/Blit.h"
#include "platform/raster/Lines.h"
#include "platform/raster/Pixel.h"

namespace vcl {

struct CanvasAccess {
  // Coordinates are kept within ±2^29 so that device arithmetic never
  // overflows; nothing that far out is visible anyway.
  static constexpr int kLimit = 1 << 29;
  static int Clamp(std::int64_t V) {
    return static_cast<int>(std::clamp<std::int64_t>(V, -kLimit, kLimit));
  }
  static int DevX(const TCanvas& C, int X) { return Clamp(std::int64_t{X} + C.FOrigin.X); }
  static int DevY(const TCanvas& C, int Y) { return Clamp(std::int64_t{Y} + C.FOrigin.Y); }
  static TPoint Dev(const TCanvas& C, TPoint P) { return {DevX(C, P.X), DevY(C, P.Y)}; }
  // A device rectangle from two corners in either order.
  static TRect DevBox(const TCanvas& C, int X1, int Y1, int X2, int Y2) {
    return {DevX(C, std::min(X1, X2)), DevY(C, std::min(Y1, Y2)), DevX(C, std::max(X1, X2)),
            DevY(C, std::max(Y1, Y2))};
  }

  static raster::Target Target(const TCanvas& C) {
    return {C.FSurface.Pixels, C.FSurface.Stride, C.FClip};
  }
  // The target, after telling the owner that pixels are about to change;
  // empty when nothing is visible.
  static raster::Target Begin(TCanvas& C) {
    raster::Target t = Target(C);
    if (!t.Empty()) C.Changing();
    return t;
  }

  static bool PenVisible(const TCanvas& C) { return C.FPen.Style() != psClear; }
  static int PenWidth(const TCanvas& C) { return std::max(1, C.FPen.Width()); }
  static bool InsideFrame(const TCanvas& C) { return C.FPen.Style() == psInsideFrame; }
  static raster::Fill PenFill(const TCanvas& C) {
    return {raster::ToPixel(C.FPen.Color()), nullptr, C.FPen.Mode()};
  }
  static bool BrushVisible(const TCanvas& C) { return C.FBrush.Style() != bsClear; }
  // The brush as an area fill combined with the destination through Mode.
  static raster::Fill BrushFill(const TCanvas& C, TPenMode Mode) {
    return {raster::ToPixel(C.FBrush.Color()), raster::HatchPattern(C.FBrush.Style()), Mode};
  }
  // A one-pixel pen: styled pens leave gaps, painted in the brush color when
  // the brush is solid (an opaque background), left alone otherwise.
  static raster::LinePen LinePen(const TCanvas& C) {
    raster::LinePen p;
    p.Color = raster::ToPixel(C.FPen.Color());
    p.Mode = C.FPen.Mode();
    const TPenStyle s = C.FPen.Style();
    p.Styled = PenWidth(C) == 1 && s != psSolid && s != psInsideFrame && s != psClear &&
               s != psUserStyle;
    p.Dash = raster::DashOf(s);
    p.OpaqueGaps = C.FBrush.Style() == bsSolid;
    p.Gap = raster::ToPixel(C.FBrush.Color());
    return p;
  }
  // What a transfer may read from the canvas: its visible pixels.
  static raster::Source Readable(const TCanvas& C) {
    return {C.FSurface.Pixels, C.FSurface.Stride, C.FClip};
  }
  // Transfers (X, Y, W, H) of Src's canvas coordinates onto (X, Y, W, H) of
  // Dest's with the raster operation and Dest's stretch mode and brush.
  static void Blit(TCanvas& Dest, raster::BlitRect D, const TCanvas* Src, raster::BlitRect S,
                   std::uint32_t Rop, std::optional<raster::Pixel> Transparent = std::nullopt);
  static std::int64_t& Phase(TCanvas& C) { return C.FPenPhase; }
};

// Draws an open or closed path of device points with the canvas pen
// (defined with the lines in Canvas.cpp).
void StrokeDevicePath(TCanvas& C, std::span<const TPoint> P, bool Closed,
                      std::int64_t& Phase);

}  // namespace vcl
