// Header sections of grids and lists with their sort arrow, and the size
// grip.
#include <algorithm>

#include "platform/look/LookCanvas.h"

namespace vcl::look {

namespace {

void Line(TCanvas& C, TColor Color, int X1, int Y1, int X2, int Y2) {
  C.Pen()->SetColor(Color);
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
}

}  // namespace

void DrawSortArrow(TCanvas& C, int X0, int Y0, THeaderSort Sort, TColor Light, TColor Dark) {
  if (Sort == hsNone) return;
  detail::TKeepCanvas keep(C);
  if (Sort == hsAscending) {
    Line(C, Dark, X0 - 4, Y0 + 3, X0, Y0 - 3);
    Line(C, Light, X0, Y0 - 3, X0 + 4, Y0 + 3);
    Line(C, Light, X0 + 4, Y0 + 3, X0 - 4, Y0 + 3);
  } else {
    Line(C, Light, X0 + 4, Y0 - 3, X0, Y0 + 3);
    Line(C, Dark, X0, Y0 + 3, X0 - 4, Y0 - 3);
    Line(C, Dark, X0 - 4, Y0 - 3, X0 + 4, Y0 - 3);
  }
}

TRect DrawHeaderSection(TCanvas& C, const TRect& R, THeaderSort Sort, bool Pressed) {
  TRect text = detail::Inset(R, 2);
  if (Sort != hsNone) text.Right = std::max(text.Left, text.Right - 14);
  const int shift = Pressed ? 1 : 0;
  text.Offset(shift, shift);
  if (R.IsEmpty()) return text;
  {
    detail::TKeepCanvas keep(C);
    detail::Fill(C, R, clBtnFace);
  }
  if (Pressed) DrawFlatBorder(C, R, clBtnShadow);
  else DrawEdge(C, R, ekRaisedInner);
  DrawSortArrow(C, R.Right - 9 + shift, (R.Top + R.Bottom) / 2 + shift, Sort);
  return text;
}

void DrawSizeGrip(TCanvas& C, const TRect& R) {
  if (R.IsEmpty()) return;
  const int reach = std::min({12, R.Width(), R.Height()});
  for (int s = 1; s < reach; ++s) {
    if (s % 4 == 0) continue;
    const TColor color = s % 4 == 3 ? clBtnHighlight : clBtnShadow;
    // The pixels at distance s: from (Right - 1 - s, Bottom - 1) up to
    // (Right - 1, Bottom - 1 - s).
    for (int k = 0; k <= s; ++k) C.SetPixels(R.Right - 1 - s + k, R.Bottom - 1 - k, color);
  }
}

}  // namespace vcl::look
