// What the look functions share: keeping the caller's pen and brush, and
// opaque fills of rectangles, rows and columns.
#pragma once

#include "platform/Look.h"

namespace vcl::look::detail {

// Keeps the pen (color, width, style, mode), the brush (color, style) and
// the font color of a canvas while alive and puts them back afterwards.
// While alive the pen draws one pixel wide, solid and opaque (pmCopy).
class TKeepCanvas {
 public:
  explicit TKeepCanvas(TCanvas& C);
  ~TKeepCanvas();
  TKeepCanvas(const TKeepCanvas&) = delete;
  TKeepCanvas& operator=(const TKeepCanvas&) = delete;

 private:
  TCanvas& FCanvas;
  TColor FPenColor;
  int FPenWidth;
  TPenStyle FPenStyle;
  TPenMode FPenMode;
  TColor FBrushColor;
  TBrushStyle FBrushStyle;
  TColor FFontColor;
};

// R filled with Color (a solid brush).
void Fill(TCanvas& C, const TRect& R, TColor Color);
// R shrunk by N on every side; one that would turn inside out becomes
// empty (Right = Left, Bottom = Top) instead.
TRect Inset(const TRect& R, int N);

}  // namespace vcl::look::detail
