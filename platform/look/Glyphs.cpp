// The 13 × 13 check-box and radio glyphs, their marks, and the flat
// one-line outlines of both.
#include <array>
#include <string_view>

#include "platform/look/LookCanvas.h"

namespace vcl::look {

using detail::Fill;

namespace {

// The radio cell, row by row: '#' outer ring, '+' inner ring, 'o' inside.
constexpr std::array<std::string_view, RadioSize> kRadio{
    "....#####....", "..##+++++##..", ".##+ooooo+##.", ".#+ooooooo+#.", "#+ooooooooo+#",
    "#+ooooooooo+#", "#+ooooooooo+#", "#+ooooooooo+#", "#+ooooooooo+#", ".#+ooooooo+#.",
    ".##+ooooo+##.", "..##+++++##..", "....#####....",
};

// The color of one radio cell pixel, clNone where the cell stays untouched.
TColor RadioPixel(int Col, int Row, TColor Inside) {
  const bool topLeft = (Col - 6) + (Row - 6) < 0;
  switch (kRadio[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Col)]) {
    case '#': return topLeft ? clBtnShadow : clBtnHighlight;
    case '+': return topLeft ? cl3DDkShadow : cl3DLight;
    case 'o': return Inside;
    default: return clNone;
  }
}

}  // namespace

void DrawCheckMark(TCanvas& C, int X, int Y, TColor Color) {
  detail::TKeepCanvas keep(C);
  for (int i = 0; i < 7; ++i) {
    const int top = i < 3 ? Y + 5 + i : Y + 7 - (i - 2);
    Fill(C, Rect(X + 3 + i, top, X + 4 + i, top + 3), Color);
  }
}

void DrawCheckBox(TCanvas& C, int X, int Y, int State, bool Enabled, bool Pushed) {
  const TRect box = Bounds(X, Y, CheckBoxSize, CheckBoxSize);
  const TRect inside = DrawSunkenBorder(C, box);
  {
    detail::TKeepCanvas keep(C);
    Fill(C, inside, State == 2 || !Enabled || Pushed ? clBtnFace : clWindow);
  }
  if (State != 1 && State != 2) return;
  DrawCheckMark(C, X, Y, State == 2 || !Enabled ? clBtnShadow : clWindowText);
}

void DrawRadioDot(TCanvas& C, int X, int Y, TColor Color) {
  detail::TKeepCanvas keep(C);
  Fill(C, Rect(X + 5, Y + 4, X + 8, Y + 5), Color);
  Fill(C, Rect(X + 4, Y + 5, X + 9, Y + 8), Color);
  Fill(C, Rect(X + 5, Y + 8, X + 8, Y + 9), Color);
}

void DrawRadio(TCanvas& C, int X, int Y, bool Checked, bool Enabled, bool Pushed) {
  const TColor inside = !Enabled || Pushed ? clBtnFace : clWindow;
  for (int row = 0; row < RadioSize; ++row) {
    for (int col = 0; col < RadioSize; ++col) {
      const TColor color = RadioPixel(col, row, inside);
      if (color != clNone) C.SetPixels(X + col, Y + row, color);
    }
  }
  if (Checked) DrawRadioDot(C, X, Y, Enabled ? clWindowText : clBtnShadow);
}

void DrawFlatCheckFrame(TCanvas& C, int X, int Y, bool Radio, TColor Outline) {
  detail::TKeepCanvas keep(C);
  if (!Radio) {
    DrawFlatBorder(C, Rect(X + 1, Y + 1, X + 12, Y + 12), Outline);
    return;
  }
  C.Pen()->SetColor(Outline);
  C.Brush()->SetStyle(bsClear);
  C.Ellipse(X + 1, Y + 1, X + 12, Y + 12);
}

}  // namespace vcl::look
