// Frames, rectangles and marker symbols drawn through the canvas, so that
// pen modes (XOR outlines that are erased by drawing them again) and clip
// rectangles apply as to any other line.
#include <algorithm>
#include <utility>

#include "companion/basepack/VYR_vyrbase.h"
#include "companion/basepack/internal/VYR_vyrbase_marks.h"
#include "platform/Graphics.h"

namespace vyr {

namespace {

// Draws one pixel wide and solid while alive; the pen's color, width and
// style are restored afterwards (its mode is used as it is).
class ThinPen {
 public:
  explicit ThinPen(vcl::TCanvas* Canvas)
      : FPen(Canvas->Pen()), FColor(FPen->Color()), FWidth(FPen->Width()), FStyle(FPen->Style()) {
    FPen->SetWidth(1);
    FPen->SetStyle(vcl::psSolid);
  }
  ~ThinPen() {
    FPen->SetStyle(FStyle);
    FPen->SetWidth(FWidth);
    FPen->SetColor(FColor);
  }
  ThinPen(const ThinPen&) = delete;
  ThinPen& operator=(const ThinPen&) = delete;
  void Color(vcl::TColor C) { FPen->SetColor(C); }

 private:
  vcl::TPen* FPen;
  vcl::TColor FColor;
  int FWidth;
  vcl::TPenStyle FStyle;
};

// Pixels X0..X1 of row Y (both included).
void HLine(vcl::TCanvas* C, int X0, int X1, int Y) {
  if (X1 < X0) return;
  C->MoveTo(X0, Y);
  C->LineTo(X1 + 1, Y);
}

// Pixels Y0..Y1 of column X (both included).
void VLine(vcl::TCanvas* C, int X, int Y0, int Y1) {
  if (Y1 < Y0) return;
  C->MoveTo(X, Y0);
  C->LineTo(X, Y1 + 1);
}

// One ring of a 3-D frame: the top/left color owns the left column above
// the bottom row and the top row left of the right column; the
// bottom/right color owns the rest.
void Ring(vcl::TCanvas* C, ThinPen& Pen, int L, int T, int R, int B, vcl::TColor TopLeft,
          vcl::TColor BottomRight) {
  if (R < L || B < T) return;
  Pen.Color(TopLeft);
  VLine(C, L, T, B - 1);
  HLine(C, L + 1, R - 1, T);
  Pen.Color(BottomRight);
  VLine(C, R, T, B);
  if (R > L) HLine(C, L, R - 1, B);
}

}  // namespace

void DrawRectangle(vcl::TCanvas* Canvas, int Left, int Top, int Right, int Bottom) {
  if (Canvas == nullptr) return;
  if (Right < Left) std::swap(Left, Right);
  if (Bottom < Top) std::swap(Top, Bottom);
  HLine(Canvas, Left, Right, Top);
  if (Bottom > Top) HLine(Canvas, Left, Right, Bottom);
  VLine(Canvas, Left, Top + 1, Bottom - 1);
  if (Right > Left) VLine(Canvas, Right, Top + 1, Bottom - 1);
}

void DrawFrame(vcl::TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom,
               vcl::TColor ColorHighlight, vcl::TColor ColorLight, vcl::TColor ColorShadow,
               vcl::TColor ColorDarkShadow, vcl::TColor ColorLine) {
  if (Canvas == nullptr || Style == fsNoFrame || Right < Left || Bottom < Top) return;
  ThinPen pen(Canvas);
  if (Style == fsSimple) {
    pen.Color(ColorLine);
    DrawRectangle(Canvas, Left, Top, Right, Bottom);
    return;
  }
  // Outer ring, then inner ring: top/left color and bottom/right color.
  struct Look {
    vcl::TColor OuterTL, OuterBR, InnerTL, InnerBR;
  };
  Look look{};
  switch (Style) {
    case fsLowered: look = {ColorShadow, ColorHighlight, ColorDarkShadow, ColorLight}; break;
    case fsRaised: look = {ColorLight, ColorDarkShadow, ColorHighlight, ColorShadow}; break;
    case fsEtched: look = {ColorShadow, ColorHighlight, ColorHighlight, ColorShadow}; break;
    case fsBump: look = {ColorHighlight, ColorShadow, ColorShadow, ColorHighlight}; break;
    default: return;
  }
  Ring(Canvas, pen, Left, Top, Right, Bottom, look.OuterTL, look.OuterBR);
  Ring(Canvas, pen, Left + 1, Top + 1, Right - 1, Bottom - 1, look.InnerTL, look.InnerBR);
}

void DrawMarkOnCanvas(vcl::TCanvas* Canvas, std::uint8_t Mark, int X, int Y) {
  if (Canvas == nullptr || Mark >= MarkerCount) return;
  ThinPen pen(Canvas);
  const marks::Mask& shape = marks::Shape(Mark);
  for (int k = 0; k < static_cast<int>(shape.size()); ++k) {
    unsigned row = shape[static_cast<std::size_t>(k)];
    for (int j = 0; j <= 2 * MarkerRadius;) {
      if (!((row >> j) & 1u)) {
        ++j;
        continue;
      }
      int start = j;
      while (j <= 2 * MarkerRadius && ((row >> j) & 1u)) ++j;
      HLine(Canvas, X + start - MarkerRadius, X + j - 1 - MarkerRadius, Y + k - MarkerRadius);
    }
  }
}

}  // namespace vyr
