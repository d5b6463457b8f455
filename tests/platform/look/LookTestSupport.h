// A bitmap to draw the look on, and the ring rule the look is built of.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/Graphics.h"
#include "platform/Look.h"

namespace looktest {

using namespace vcl;
using namespace vcl::look;

// No system color has this value, so an untouched pixel is plain to see.
constexpr TColor kPaper = 0x00123456;

inline TColor Sys(TColor C) { return ColorToRGB(C); }

class LookTest : public ::testing::Test {
 public:
  void SetUp() override { Reset(); }
  // Back to a plain W × H sheet of kPaper.
  void Reset(int W = 48, int H = 48) {
    bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(W, H);
    C().Brush()->SetColor(kPaper);
    C().FillRect(Rect(0, 0, W, H));
    C().Brush()->SetColor(clWhite);
  }
  TCanvas& C() { return *bitmap->Canvas(); }
  TColor At(int X, int Y) { return C().Pixels(X, Y); }
  int CountOf(TColor Color, const TRect& Within) {
    int n = 0;
    for (int y = Within.Top; y < Within.Bottom; ++y) {
      for (int x = Within.Left; x < Within.Right; ++x) n += At(x, y) == Sys(Color) ? 1 : 0;
    }
    return n;
  }
  std::unique_ptr<TBitmap> bitmap;
};

// The color the ring rule gives pixel (X, Y) of the ring inside R: the
// top row but its last pixel and the left column but its last pixel are
// TopLeft, the rest of the ring BottomRight.
inline TColor RingColor(const TRect& R, int X, int Y, TColor TopLeft, TColor BottomRight) {
  const bool top = Y == R.Top && X < R.Right - 1;
  const bool left = X == R.Left && Y < R.Bottom - 1;
  return top || left ? TopLeft : BottomRight;
}

// Every pixel of the ring inside R follows the ring rule.
inline void ExpectRing(TCanvas& Canvas, const TRect& R, TColor TopLeft, TColor BottomRight,
                       const char* What) {
  for (int y = R.Top; y < R.Bottom; ++y) {
    for (int x = R.Left; x < R.Right; ++x) {
      bool onRing = x == R.Left || x == R.Right - 1 || y == R.Top || y == R.Bottom - 1;
      if (!onRing) continue;
      ASSERT_EQ(Canvas.Pixels(x, y), Sys(RingColor(R, x, y, TopLeft, BottomRight)))
          << What << " at " << x << "," << y;
    }
  }
}

inline TRect Shrunk(const TRect& R, int N) {
  return Rect(R.Left + N, R.Top + N, R.Right - N, R.Bottom - N);
}

}  // namespace looktest
