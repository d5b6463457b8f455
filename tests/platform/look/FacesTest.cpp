// Button faces: the frame of each state, the default ring, the focus
// rectangle, the fill and where the content goes.
#include "LookTestSupport.h"

namespace looktest {
namespace {

struct TFaceCase {
  TButtonFace Face;
  const char* Name;
  // Ring colors, clNone for a ring that shows the fill.
  TColor OuterTL, OuterBR, InnerTL, InnerBR;
  bool Down;
};

const TFaceCase kFaces[] = {
    {bfUp, "up", clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, false},
    {bfDisabled, "disabled", clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, false},
    {bfDown, "down", cl3DDkShadow, clBtnHighlight, clBtnShadow, cl3DLight, true},
    {bfFlat, "flat", clNone, clNone, clNone, clNone, false},
    {bfHot, "hot", clBtnHighlight, clBtnShadow, clNone, clNone, false},
    {bfFlatDown, "flat down", clBtnShadow, clBtnHighlight, clNone, clNone, true},
    {bfPushed, "pushed", clBtnShadow, clBtnShadow, clNone, clNone, true},
};

void ExpectRingOrFill(TCanvas& Canvas, const TRect& R, TColor TL, TColor BR, const char* Name) {
  if (TL == clNone) ExpectRing(Canvas, R, clBtnFace, clBtnFace, Name);
  else ExpectRing(Canvas, R, TL, BR, Name);
}

TEST_F(LookTest, EachButtonFaceDrawsTheFrameOfItsState) {
  const TRect r = Rect(3, 4, 40, 26);
  for (const TFaceCase& f : kFaces) {
    Reset();
    const TRect content = DrawButtonFace(C(), r, f.Face);
    ExpectRingOrFill(C(), r, f.OuterTL, f.OuterBR, f.Name);
    ExpectRingOrFill(C(), Shrunk(r, 1), f.InnerTL, f.InnerBR, f.Name);
    EXPECT_EQ(At(20, 15), Sys(clBtnFace)) << f.Name;
    EXPECT_EQ(At(r.Left - 1, r.Top - 1), kPaper) << f.Name;
    EXPECT_EQ(At(r.Right, r.Bottom), kPaper) << f.Name;
    EXPECT_EQ(FaceIsDown(f.Face), f.Down) << f.Name;
    TRect expected = Shrunk(r, 2);
    if (f.Down) expected.Offset(1, 1);
    EXPECT_EQ(content, expected) << f.Name;
    EXPECT_EQ(ButtonContentRect(r, f.Face), expected) << f.Name;
    EXPECT_EQ(ButtonInnerRect(r), Shrunk(r, 2)) << f.Name;
  }
}

TEST_F(LookTest, TheDefaultRingMovesFrameAndContentInByOne) {
  const TRect r = Rect(0, 0, 30, 20);
  TRect content = DrawButtonFace(C(), r, bfPushed, {foDefault});
  ExpectRing(C(), r, clWindowFrame, clWindowFrame, "default ring");
  ExpectRing(C(), Shrunk(r, 1), clBtnShadow, clBtnShadow, "pushed ring");
  EXPECT_EQ(At(2, 2), Sys(clBtnFace));
  EXPECT_EQ(content, Rect(4, 4, 28, 18));
  EXPECT_EQ(ButtonInnerRect(r, {foDefault}), Shrunk(r, 3));
}

TEST_F(LookTest, TheFocusRectangleSitsFourPixelsInsideInEveryState) {
  const TRect r = Rect(0, 0, 30, 20);
  for (TButtonFace face : {bfUp, bfDown, bfPushed}) {
    Reset();
    DrawButtonFace(C(), r, face, {foFocused});
    // The focus ring inverts the pixels whose x + y is even.
    const TColor inverted = Sys(clBtnFace) ^ 0xFFFFFF;
    EXPECT_EQ(At(4, 4), inverted);
    EXPECT_EQ(At(5, 4), Sys(clBtnFace));
    EXPECT_EQ(At(25, 15), inverted);
    EXPECT_EQ(At(25, 14), Sys(clBtnFace));
    EXPECT_EQ(At(10, 10), Sys(clBtnFace));
  }
}

TEST_F(LookTest, AFaceWithoutFillLeavesTheInsideAsItWas) {
  const TRect r = Rect(0, 0, 30, 20);
  DrawButtonFace(C(), r, bfFlat, {}, clNone);
  EXPECT_EQ(CountOf(kPaper, Rect(0, 0, 48, 48)), 48 * 48);
  DrawButtonFace(C(), r, bfHot, {}, clInfoBk);
  EXPECT_EQ(At(15, 10), Sys(clInfoBk));
  EXPECT_EQ(At(0, 0), Sys(clBtnHighlight));
}

TEST_F(LookTest, TheFrameAloneLeavesTheInsideUntouched) {
  const TRect r = Rect(2, 2, 20, 20);
  DrawButtonFrame(C(), r, true);
  ExpectRing(C(), r, cl3DDkShadow, clBtnHighlight, "frame");
  ExpectRing(C(), Shrunk(r, 1), clBtnShadow, cl3DLight, "frame");
  EXPECT_EQ(At(4, 4), kPaper);
}

}  // namespace
}  // namespace looktest
