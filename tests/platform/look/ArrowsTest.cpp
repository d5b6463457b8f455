// Arrows: where the tip and the base are for each direction and size, the
// engraved look of a disabled arrow, and the scroll bar parts.
#include "LookTestSupport.h"

namespace looktest {
namespace {

struct TArrowCase {
  TArrowDirection Direction;
  const char* Name;
  int StepX, StepY;  // from the tip towards the base
};

const TArrowCase kDirections[] = {
    {adUp, "up", 0, 1},
    {adDown, "down", 0, -1},
    {adLeft, "left", 1, 0},
    {adRight, "right", -1, 0},
};

// The tip of an arrow of depth n in R by the size rule.
TPoint Tip(const TRect& R, const TArrowCase& A, int N) {
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const int x0 = R.Left + (R.Width() - N) / 2, y0 = R.Top + (R.Height() - N) / 2;
  switch (A.Direction) {
    case adUp: return {cx, y0};
    case adDown: return {cx, y0 + N - 1};
    case adLeft: return {x0, cy};
    default: return {x0 + N - 1, cy};
  }
}

// Pixels of Color on the line through P across the arrow's axis.
int Across(LookTest& T, TPoint P, const TArrowCase& A, TColor Color) {
  int n = 0;
  for (int k = -20; k <= 20; ++k) {
    TPoint q = A.StepX != 0 ? TPoint{P.X, P.Y + k} : TPoint{P.X + k, P.Y};
    n += T.At(q.X, q.Y) == Sys(Color) ? 1 : 0;
  }
  return n;
}

TEST_F(LookTest, ArrowsPointTheirWayWithTheSizeOfTheirRectangle) {
  const TRect sizes[] = {Rect(10, 10, 27, 27), Rect(3, 5, 12, 14), Rect(0, 0, 21, 40),
                         Rect(6, 2, 11, 30), Rect(4, 4, 20, 18)};
  for (const TRect& r : sizes) {
    const int n = std::max(1, (std::min(r.Width(), r.Height()) + 1) / 4);
    EXPECT_EQ(ArrowDepth(r), n);
    for (const TArrowCase& a : kDirections) {
      Reset();
      DrawArrow(C(), r, a.Direction);
      const TPoint tip = Tip(r, a, n);
      EXPECT_EQ(Across(*this, tip, a, clBtnText), 1) << a.Name << " tip, depth " << n;
      const TPoint base{tip.X + a.StepX * (n - 1), tip.Y + a.StepY * (n - 1)};
      EXPECT_EQ(Across(*this, base, a, clBtnText), 2 * n - 1) << a.Name << " base";
      const TPoint beyond{tip.X - a.StepX, tip.Y - a.StepY};
      EXPECT_EQ(At(beyond.X, beyond.Y), kPaper) << a.Name;
      EXPECT_EQ(CountOf(clBtnText, Rect(0, 0, 48, 48)), n * n) << a.Name;
    }
  }
}

TEST_F(LookTest, ASeventeenPixelButtonGetsTheClassicArrow) {
  DrawArrow(C(), Rect(0, 0, 17, 17), adDown);
  for (int x = 5; x <= 11; ++x) EXPECT_EQ(At(x, 6), Sys(clBtnText)) << x;  // the base
  EXPECT_EQ(At(4, 6), kPaper);
  EXPECT_EQ(At(8, 9), Sys(clBtnText));  // the tip
  EXPECT_EQ(At(8, 10), kPaper);
}

TEST_F(LookTest, ADisabledArrowIsEngraved) {
  const TRect r = Rect(10, 10, 27, 27);
  for (const TArrowCase& a : kDirections) {
    Reset();
    DrawColoredArrow(C(), r, a.Direction, clBtnShadow);
    std::vector<TPoint> shape;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x)
        if (At(x, y) == Sys(clBtnShadow)) shape.push_back({x, y});
    Reset();
    DrawArrow(C(), r, a.Direction, false);
    EXPECT_EQ(CountOf(clBtnText, Rect(0, 0, 48, 48)), 0) << a.Name;
    // The shadow shape on top; the highlight shows where the shape moved
    // by (1, 1) is not covered.
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        auto in = [&](int px, int py) {
          for (TPoint p : shape)
            if (p.X == px && p.Y == py) return true;
          return false;
        };
        TColor want = in(x, y) ? Sys(clBtnShadow) : in(x - 1, y - 1) ? Sys(clBtnHighlight) : kPaper;
        ASSERT_EQ(At(x, y), want) << a.Name << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(LookTest, TheDisabledHighlightStaysInsideATinyRectangle) {
  DrawArrow(C(), Rect(5, 5, 6, 6), adUp, false);
  EXPECT_EQ(At(5, 5), Sys(clBtnShadow));
  EXPECT_EQ(At(6, 6), kPaper);
}

TEST_F(LookTest, ScrollButtonsThumbAndTrack) {
  const TRect r = Rect(0, 0, 17, 17);
  DrawScrollButton(C(), r, adUp, false, true);
  EXPECT_EQ(At(0, 0), Sys(clBtnHighlight));
  EXPECT_EQ(At(16, 16), Sys(cl3DDkShadow));
  EXPECT_EQ(At(8, 6), Sys(clBtnText));  // the tip
  Reset();
  DrawScrollButton(C(), r, adUp, true, true);  // pressed: flat ring, arrow moved
  EXPECT_EQ(At(0, 0), Sys(clBtnShadow));
  EXPECT_EQ(At(1, 1), Sys(clBtnFace));
  EXPECT_EQ(At(8, 6), Sys(clBtnFace));
  EXPECT_EQ(At(9, 7), Sys(clBtnText));
  Reset();
  DrawScrollButton(C(), r, adLeft, false, false);
  EXPECT_EQ(CountOf(clBtnText, r), 0);
  EXPECT_EQ(CountOf(clBtnShadow, Shrunk(r, 2)), 16);  // the engraved arrow
  Reset();
  DrawScrollThumb(C(), Rect(0, 20, 17, 40));
  EXPECT_EQ(At(0, 20), Sys(clBtnHighlight));
  EXPECT_EQ(At(8, 30), Sys(clBtnFace));
  DrawScrollTrack(C(), Rect(20, 0, 37, 10));
  DrawScrollTrack(C(), Rect(20, 10, 37, 20), true);
  EXPECT_EQ(At(20, 0), Sys(clScrollBar));
  EXPECT_EQ(At(36, 19), Sys(clBtnShadow));
  EXPECT_EQ(At(37, 5), kPaper);
}

}  // namespace
}  // namespace looktest
