// Small drawing helpers the meter's painting files share (internal).
#pragma once

#include <algorithm>
#include <initializer_list>

#include "platform/Graphics.h"
#include "platform/WinapiGdi.h"

namespace vyr::meter {

// Puts a canvas into the state each layer starts from, whatever a handler
// left behind: a solid black one-pixel pen, a solid white brush, plain
// copying and no clip beyond the bitmap.
inline void ResetCanvas(vcl::TBitmap& Bmp) {
  vcl::TCanvas* c = Bmp.Canvas();
  c->Pen()->SetColor(vcl::clBlack);
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(vcl::psSolid);
  c->Pen()->SetMode(vcl::pmCopy);
  c->Brush()->SetColor(vcl::clWhite);
  c->Brush()->SetStyle(vcl::bsSolid);
  c->SetCopyMode(vcl::SRCCOPY);
  c->SetOrigin({0, 0});
  c->SetDeviceClip(vcl::Rect(0, 0, Bmp.Width(), Bmp.Height()));
}

// Pen and brush in one color, as most parts of the meter are drawn.
inline void Solid(vcl::TCanvas* C, vcl::TColor Color) {
  C->Pen()->SetColor(Color);
  C->Brush()->SetColor(Color);
  C->Brush()->SetStyle(vcl::bsSolid);
}

// Lines through the points in the pen color, the last point left out.
inline void Stroke(vcl::TCanvas* C, vcl::TColor Color, std::initializer_list<vcl::TPoint> Points) {
  C->Pen()->SetColor(Color);
  const vcl::TPoint* p = Points.begin();
  C->MoveTo(p->X, p->Y);
  for (++p; p != Points.end(); ++p) C->LineTo(p->X, p->Y);
}

// Whether anything drawn within R can show through the canvas's clip;
// parts that cannot are left out of a partial repaint.
inline bool Touches(vcl::TCanvas* C, const vcl::TRect& R) { return !C->ClipRect().Intersect(R).IsEmpty(); }

// Whether the clip lies wholly inside R.
inline bool ClipInside(vcl::TCanvas* C, const vcl::TRect& R) {
  const vcl::TRect clip = C->ClipRect();
  return clip.Left >= R.Left && clip.Top >= R.Top && clip.Right <= R.Right && clip.Bottom <= R.Bottom;
}

// The smallest rectangle holding both (an empty one adds nothing).
inline vcl::TRect UnionOf(const vcl::TRect& A, const vcl::TRect& B) {
  if (A.IsEmpty()) return B.IsEmpty() ? vcl::TRect() : B;
  if (B.IsEmpty()) return A;
  return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
          std::max(A.Bottom, B.Bottom)};
}

}  // namespace vyr::meter
