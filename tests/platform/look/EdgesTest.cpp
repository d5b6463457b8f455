// Edges, flat borders and bevels: every ring pixel by the ring rule, the
// pixels around untouched, the rectangle inside returned.
#include "LookTestSupport.h"

namespace looktest {
namespace {

struct TEdgeCase {
  TEdgeKind Kind;
  const char* Name;
  TColor OuterTL, OuterBR, InnerTL, InnerBR;  // clNone: no inner ring
};

const TEdgeCase kEdgeCases[] = {
    {ekRaisedOuter, "raised outer", cl3DLight, cl3DDkShadow, clNone, clNone},
    {ekRaisedInner, "raised inner", clBtnHighlight, clBtnShadow, clNone, clNone},
    {ekSunkenOuter, "sunken outer", clBtnShadow, clBtnHighlight, clNone, clNone},
    {ekSunkenInner, "sunken inner", cl3DDkShadow, cl3DLight, clNone, clNone},
    {ekRaised, "raised", cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
    {ekSunken, "sunken", clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
    {ekEtched, "etched", clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow},
    {ekBump, "bump", clBtnHighlight, clBtnShadow, clBtnShadow, clBtnHighlight},
};

TEST_F(LookTest, EveryEdgeKindDrawsItsRingsAndNothingElse) {
  const TRect r = Rect(5, 7, 30, 21);
  for (const TEdgeCase& e : kEdgeCases) {
    Reset();
    const bool two = e.InnerTL != clNone;
    EXPECT_EQ(EdgeWidth(e.Kind), two ? 2 : 1) << e.Name;
    const TRect inside = DrawEdge(C(), r, e.Kind);
    EXPECT_EQ(inside, Shrunk(r, EdgeWidth(e.Kind))) << e.Name;
    ExpectRing(C(), r, e.OuterTL, e.OuterBR, e.Name);
    if (two) ExpectRing(C(), Shrunk(r, 1), e.InnerTL, e.InnerBR, e.Name);
    // Inside the rings and around the rectangle the paper shows.
    EXPECT_EQ(At(inside.Left, inside.Top), kPaper) << e.Name;
    EXPECT_EQ(At(inside.Right - 1, inside.Bottom - 1), kPaper) << e.Name;
    EXPECT_EQ(At(r.Left - 1, r.Top), kPaper) << e.Name;
    EXPECT_EQ(At(r.Right, r.Bottom - 1), kPaper) << e.Name;
    EXPECT_EQ(At(r.Left, r.Bottom), kPaper) << e.Name;
    EXPECT_EQ(At(r.Right - 1, r.Top - 1), kPaper) << e.Name;
  }
}

TEST_F(LookTest, TheTwoColorRingGivesTheOddCornersToTheBottomRightColor) {
  const TRect r = Rect(2, 3, 12, 9);
  EXPECT_EQ(DrawEdge(C(), r, clBtnHighlight, cl3DDkShadow), Shrunk(r, 1));
  EXPECT_EQ(At(2, 3), Sys(clBtnHighlight));   // top-left corner
  EXPECT_EQ(At(11, 3), Sys(cl3DDkShadow));    // top-right corner
  EXPECT_EQ(At(2, 8), Sys(cl3DDkShadow));     // bottom-left corner
  EXPECT_EQ(At(10, 3), Sys(clBtnHighlight));  // the top row up to the corner
  EXPECT_EQ(At(2, 7), Sys(clBtnHighlight));
}

TEST_F(LookTest, BordersOfEditsAndFlatControls) {
  const TRect r = Rect(0, 0, 20, 10);
  EXPECT_EQ(DrawSunkenBorder(C(), r), Shrunk(r, 2));
  ExpectRing(C(), r, clBtnShadow, clBtnHighlight, "sunken border");
  ExpectRing(C(), Shrunk(r, 1), cl3DDkShadow, cl3DLight, "sunken border");
  Reset();
  EXPECT_EQ(DrawFlatBorder(C(), r), Shrunk(r, 1));
  ExpectRing(C(), r, clWindowFrame, clWindowFrame, "flat border");
  EXPECT_EQ(DrawFlatBorder(C(), Shrunk(r, 1), clBtnShadow), Shrunk(r, 2));
  ExpectRing(C(), Shrunk(r, 1), clBtnShadow, clBtnShadow, "flat border");
}

TEST_F(LookTest, BevelsOfOneOrMoreRings) {
  struct TBevelCase {
    TBevelCut Cut;
    int Width;
    TColor TopLeft, BottomRight;
  };
  const TBevelCase cases[] = {
      {bcRaised, 1, clBtnHighlight, clBtnShadow},
      {bcRaised, 3, clBtnHighlight, clBtnShadow},
      {bcLowered, 2, clBtnShadow, clBtnHighlight},
  };
  const TRect r = Rect(4, 4, 40, 30);
  for (const TBevelCase& b : cases) {
    Reset();
    EXPECT_EQ(DrawBevel(C(), r, b.Cut, b.Width), Shrunk(r, b.Width));
    for (int i = 0; i < b.Width; ++i)
      ExpectRing(C(), Shrunk(r, i), b.TopLeft, b.BottomRight, "bevel");
    EXPECT_EQ(At(r.Left + b.Width, r.Top + b.Width), kPaper);
  }
}

TEST_F(LookTest, ADoubleBevelPutsTheInnerBevelRightInsideTheOuter) {
  const TRect r = Rect(1, 1, 30, 30);
  EXPECT_EQ(DrawDoubleBevel(C(), r, bcLowered, bcRaised, 2), Shrunk(r, 4));
  ExpectRing(C(), r, clBtnShadow, clBtnHighlight, "outer");
  ExpectRing(C(), Shrunk(r, 1), clBtnShadow, clBtnHighlight, "outer");
  ExpectRing(C(), Shrunk(r, 2), clBtnHighlight, clBtnShadow, "inner");
  ExpectRing(C(), Shrunk(r, 3), clBtnHighlight, clBtnShadow, "inner");
  EXPECT_EQ(At(5, 5), kPaper);
}

TEST_F(LookTest, BevelsThatDoNotFitStopWhereNothingIsLeft) {
  const TRect r = Rect(10, 10, 15, 13);  // 5 × 3: two rings fit, barely
  TRect inside = DrawBevel(C(), r, bcRaised, 6);
  EXPECT_TRUE(inside.IsEmpty());
  // The second ring is one pixel high: its bottom row is its top row, and
  // the bottom-right color wins.
  EXPECT_EQ(At(12, 11), Sys(clBtnShadow));
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      if (r.Contains({x, y})) continue;
      ASSERT_EQ(At(x, y), kPaper) << x << "," << y;
    }
  }
  Reset();
  EXPECT_EQ(DrawBevel(C(), r, bcRaised, 0), r);
  EXPECT_EQ(DrawEdge(C(), Rect(5, 5, 5, 20), ekRaised), Rect(5, 5, 5, 20));
  EXPECT_EQ(CountOf(kPaper, Rect(0, 0, 48, 48)), 48 * 48);  // nothing drawn
}

}  // namespace
}  // namespace looktest
