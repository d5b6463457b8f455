// Pies and chords are closed figures: the arc and the straight parts that
// join its ends form one unbroken one-pixel outline, the brush fills what
// it encloses and nothing beyond it.
#include <gtest/gtest.h>

#include <functional>
#include <queue>
#include <vector>

#include "PixelTestSupport.h"

using namespace vcltest;

namespace {

// The pixels reachable from the bitmap's edge through 4-connected pixels
// that are not of color Border.
std::vector<char> Outside(TBitmap& B, TColor Border) {
  const int w = B.Width(), h = B.Height();
  std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
  std::queue<TPoint> todo;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h || seen[y * w + x]) return;
    if (B.Canvas()->Pixels(x, y) == Border) return;
    seen[y * w + x] = 1;
    todo.push({x, y});
  };
  for (int x = 0; x < w; ++x) { visit(x, 0); visit(x, h - 1); }
  for (int y = 0; y < h; ++y) { visit(0, y); visit(w - 1, y); }
  while (!todo.empty()) {
    const TPoint p = todo.front();
    todo.pop();
    visit(p.X + 1, p.Y); visit(p.X - 1, p.Y); visit(p.X, p.Y + 1); visit(p.X, p.Y - 1);
  }
  return seen;
}

// True when the outline in color Border parts the bitmap cleanly: no pixel
// of color Fill lies outside it and no pixel inside it is left unfilled.
bool SealedBy(TBitmap& B, TColor Fill, TColor Border) {
  const std::vector<char> outside = Outside(B, Border);
  for (int y = 0; y < B.Height(); ++y) {
    for (int x = 0; x < B.Width(); ++x) {
      const TColor p = B.Canvas()->Pixels(x, y);
      if (p == Border) continue;
      if ((p == Fill) == static_cast<bool>(outside[y * B.Width() + x])) return false;
    }
  }
  return true;
}

using Figure = std::function<void(TCanvas*, int L, int T, int R, int B)>;

// Draws Fig in boxes from 3 × 3 to 29 × 29 and reports the first box whose
// fill leaks out of the outline or leaves a hole inside it.
void ExpectSealedInEveryBox(const Figure& Fig) {
  for (int w = 3; w < 30; ++w) {
    for (int h = 3; h < 30; h += 2) {
      auto b = MakeBitmap(40, 40);
      TCanvas* c = b->Canvas();
      c->Brush()->SetColor(clRed);
      c->Pen()->SetColor(clBlue);
      Fig(c, 5, 5, 5 + w, 5 + h);
      ASSERT_TRUE(SealedBy(*b, clRed, clBlue)) << w << " x " << h << "\n"
                                               << Picture(*b, clRed) << "\n" << Picture(*b, clBlue);
    }
  }
}

}  // namespace

TEST(ClosedOutline, ChordsWithAnyRadialsAreSealed) {
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    c->Chord(L, T, R, B, R, T + (B - T) / 3, L + (R - L) / 4, B);  // a wide cut across the bottom
  });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    c->Chord(L, T, R, B, L + (R - L) / 3, T - 4, R, B + 2);  // start above, end below the box
  });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    c->Chord(L, T, R, B, R, T, L, B);  // corner to corner: half the ellipse
  });
}

TEST(ClosedOutline, PiesWithRadialsAlongTheAxesAreSealed) {
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    const int mx = (L + R) / 2, my = (T + B) / 2;
    c->Pie(L, T, R, B, R + 3, my, mx, T - 3);  // the upper right quarter
  });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    const int mx = (L + R) / 2;
    c->Pie(L, T, R, B, mx, B + 5, mx, T - 3);  // the right half
  });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    const int my = (T + B) / 2;
    c->Pie(L, T, R, B, L - 2, my, R + 2, my);  // the lower half
  });
}

TEST(ClosedOutline, APieCutAlongItsDiagonalKeepsTheJoinClosed) {
  // Start and end radials run through opposite corners, so the two straight
  // parts form one line through the centre that must meet the arc at both ends.
  auto b = MakeBitmap(24, 26);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetColor(clBlue);
  c->Pie(5, 5, 17, 21, 17, 5, 5, 21);
  EXPECT_TRUE(SealedBy(*b, clRed, clBlue)) << Picture(*b, clRed) << "\n" << Picture(*b, clBlue);
  EXPECT_GT(CountColor(*b, clRed), 40);
}

TEST(ClosedOutline, PiesThroughCornersAndEdgesAreSealedInEveryBox) {
  // Radials through the box's corners and edge midpoints, in both directions.
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) { c->Pie(L, T, R, B, R, T, L, B); });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) { c->Pie(L, T, R, B, L, B, R, T); });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    c->Pie(L, T, R, B, L + (R - L) / 3, T - 4, R, B + 2);
  });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    c->Pie(L, T, R, B, R + 3, B - (B - T) / 3, L + (R - L) / 4, T);
  });
  ExpectSealedInEveryBox([](TCanvas* c, int L, int T, int R, int B) {
    const int my = (T + B) / 2;
    c->Pie(L, T, R, B, L - 2, my, R + 1, B);
  });
}

TEST(ClosedOutline, ChordsOfSlimSectorsFillNothingBeyondTheirArc) {
  // Radials a few degrees apart: the chord's ends fall on one or two
  // neighbouring pixels of the arc, and the segment they cut off is empty.
  struct Case { TRect Box; TPoint Start, End; };
  const Case cases[] = {
      {TRect(5, 5, 10, 31), TPoint(16, 13), TPoint(26, 1)},
      {TRect(5, 5, 20, 12), TPoint(24, 30), TPoint(31, 31)},
      {TRect(5, 5, 30, 30), TPoint(40, 17), TPoint(40, 16)},
  };
  for (const Case& k : cases) {
    auto b = MakeBitmap(40, 40);
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(clRed);
    c->Pen()->SetColor(clBlue);
    c->Chord(k.Box.Left, k.Box.Top, k.Box.Right, k.Box.Bottom, k.Start.X, k.Start.Y, k.End.X, k.End.Y);
    EXPECT_TRUE(SealedBy(*b, clRed, clBlue)) << Picture(*b, clRed) << "\n" << Picture(*b, clBlue);
    EXPECT_GT(CountColor(*b, clBlue), 0);
  }
}
