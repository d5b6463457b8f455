// The gradient fill: a graphic control that covers its whole area with a
// gradient of NrColors solid bands between ColorFirst and ColorLast, with an
// optional grid of lines on the band boundaries and a frame.
//
// Bands (W × H pixels, N = NrColors, i = 0 .. N-1):
//   gtHoriz, gtMidBandHoriz  rows    MulDiv(i, H, N) .. MulDiv(i+1, H, N) - 1
//   gtVert,  gtMidBandVert   columns MulDiv(i, W, N) .. MulDiv(i+1, W, N) - 1
// Band colors, per byte of red, green and blue (modulo 256), dC = last - first:
//   linear     c0 + MulDiv(i, dC, N)            (the last band is one step short)
//   mid-band   c0 + MulDiv(min(i, N-1-i), dC, N div 2)   (the last color in the middle)
// One band (N = 1) has the first color in every type.
//
// Grid lines (GridMode) are one pixel wide in GridColor and lie on the first
// pixel of every band but the first, on both axes alike: horizontal lines at
// y = MulDiv(i, H, N), vertical lines at x = MulDiv(i, W, N), i = 1 .. N-1,
// whatever the fill type, so that gmBoth shows an N × N grid aligned with
// the bands. The frame is drawn last, over bands and grid.
#pragma once

#include <cstdint>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"

namespace vyr {

enum TGradType : std::uint8_t { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };
enum TGridMode : std::uint8_t { gmNone, gmHoriz, gmVert, gmBoth };

// ---------------------------------------------------------------- band geometry

// The rectangle of band Index (0 .. N-1) of a W × H area.
vcl::TRect GradBandRect(TGradType FillType, int Index, int N, int W, int H);
// The RGB color (a plain TColor, system colors already converted) of band
// Index; First and Last may be system colors.
vcl::TColor GradBandColor(TGradType FillType, int Index, int N, vcl::TColor First,
                          vcl::TColor Last);
// The positions of the grid lines across an extent of Extent pixels:
// MulDiv(i, Extent, N) for i = 1 .. N-1.
std::vector<int> GradGridLines(int Extent, int N);

// ---------------------------------------------------------------- the control

class TGradFill : public vcl::TGraphicControl {
 public:
  static constexpr vcl::TColor DefaultColorFirst = vcl::clMaroon;
  static constexpr vcl::TColor DefaultColorLast = vcl::clYellow;
  static constexpr vcl::TColor DefaultGridColor = vcl::clNavy;
  static constexpr int DefaultNrColors = 16;

  explicit TGradFill(vcl::TComponent* AOwner);
  ~TGradFill() override;

  // The colors in drawing order. Setting one also records it as the color
  // the user gave for that end, so that ColorFlipped can restore the order.
  vcl::TColor ColorFirst() const { return FColorFirst; }
  void SetColorFirst(vcl::TColor Value);
  vcl::TColor ColorLast() const { return FColorLast; }
  void SetColorLast(vcl::TColor Value);
  // True draws the two colors the user set in reverse order; applied even
  // when unchanged.
  bool ColorFlipped() const { return FColorFlipped; }
  void SetColorFlipped(bool Value);
  TGradType FillType() const { return FFillType; }
  void SetFillType(TGradType Value);
  // 1 .. 255; values below 1 become 1, above 255 become 255.
  int NrColors() const { return FNrColors; }
  void SetNrColors(int Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  TGridMode GridMode() const { return FGridMode; }
  void SetGridMode(TGridMode Value);
  vcl::TColor GridColor() const { return FGridColor; }
  void SetGridColor(vcl::TColor Value);
  // Fired at the end of every paint, with the control's canvas showing the
  // gradient (the canvas state is restored afterwards).
  vcl::TNotifyEvent OnPaint() const { return FOnPaint; }
  void SetOnPaint(vcl::TNotifyEvent Value) { FOnPaint = std::move(Value); }

  // Renders bands, grid and frame into Bitmap, which has the control's size.
  void DrawGradient(vcl::TBitmap& Bitmap) const;
  void Paint() override;

 private:
  // Paints at once (nothing while the control is being loaded).
  void PaintNow();
  void DrawBands(vcl::TCanvas& C, int W, int H) const;
  void DrawGrid(vcl::TCanvas& C, int W, int H) const;

  vcl::TColor FColorFirst = DefaultColorFirst;
  vcl::TColor FColorLast = DefaultColorLast;
  // The colors as the user set them, in unflipped order.
  vcl::TColor FColFirstOrg = DefaultColorFirst;
  vcl::TColor FColLastOrg = DefaultColorLast;
  bool FColorFlipped = false;
  TGradType FFillType = gtHoriz;
  int FNrColors = DefaultNrColors;
  TFrameStyle FFrameStyle = fsNoFrame;
  TGridMode FGridMode = gmNone;
  vcl::TColor FGridColor = DefaultGridColor;
  vcl::TNotifyEvent FOnPaint;
};

}  // namespace vyr
