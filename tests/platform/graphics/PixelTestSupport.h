// Small helpers for pixel tests on bitmaps.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Graphics.h"

namespace vcltest {

using namespace vcl;

// A W × H bitmap filled with Background, pen and brush at their defaults.
inline std::unique_ptr<TBitmap> MakeBitmap(int W, int H, TColor Background = clWhite) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(W, H);
  b->Canvas()->Brush()->SetColor(Background);
  b->Canvas()->FillRect(TRect(0, 0, W, H));
  b->Canvas()->Brush()->SetColor(clWhite);
  return b;
}

// Counts the pixels of the bitmap for which Pred(x, y, color) holds.
inline int CountIf(TBitmap& B, const std::function<bool(int, int, TColor)>& Pred) {
  int n = 0;
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) n += Pred(x, y, B.Canvas()->Pixels(x, y)) ? 1 : 0;
  }
  return n;
}

inline int CountColor(TBitmap& B, TColor C) {
  return CountIf(B, [C](int, int, TColor p) { return p == C; });
}

// The bitmap as rows of characters: '#' for pixels of color C, '.' else.
inline std::string Picture(TBitmap& B, TColor C) {
  std::string s;
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) s += B.Canvas()->Pixels(x, y) == C ? '#' : '.';
    s += '\n';
  }
  return s;
}

}  // namespace vcltest
