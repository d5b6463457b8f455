// Check-box and radio glyphs in their states: the box rings, the inside,
// the mark present or absent and its color; the flat outlines.
#include "LookTestSupport.h"

namespace looktest {
namespace {

constexpr int X = 7, Y = 9;

struct TCheckCase {
  int State;
  bool Enabled, Pushed;
  TColor Inside, Mark;  // Mark clNone: no mark
};

const TCheckCase kChecks[] = {
    {0, true, false, clWindow, clNone},          {1, true, false, clWindow, clWindowText},
    {2, true, false, clBtnFace, clBtnShadow},    {0, false, false, clBtnFace, clNone},
    {1, false, false, clBtnFace, clBtnShadow},   {2, false, false, clBtnFace, clBtnShadow},
    {0, true, true, clBtnFace, clNone},          {1, true, true, clBtnFace, clWindowText},
    {2, true, true, clBtnFace, clBtnShadow},
};

// The mark's pixels by its rule: column i, three pixels down from its top.
bool InMark(int Col, int Row) {
  int i = Col - 3;
  if (i < 0 || i > 6) return false;
  int top = i < 3 ? 5 + i : 7 - (i - 2);
  return Row >= top && Row < top + 3;
}

TEST_F(LookTest, CheckBoxesInEveryState) {
  const TRect box = Bounds(X, Y, CheckBoxSize, CheckBoxSize);
  for (const TCheckCase& k : kChecks) {
    Reset();
    DrawCheckBox(C(), X, Y, k.State, k.Enabled, k.Pushed);
    std::string name = "state " + std::to_string(k.State) + (k.Enabled ? "" : " disabled") +
                       (k.Pushed ? " pushed" : "");
    ExpectRing(C(), box, clBtnShadow, clBtnHighlight, name.c_str());
    ExpectRing(C(), Shrunk(box, 1), cl3DDkShadow, cl3DLight, name.c_str());
    for (int row = 2; row <= 10; ++row) {
      for (int col = 2; col <= 10; ++col) {
        TColor want = k.Mark != clNone && InMark(col, row) ? k.Mark : k.Inside;
        ASSERT_EQ(At(X + col, Y + row), Sys(want)) << name << " at " << col << "," << row;
      }
    }
    EXPECT_EQ(At(X + 13, Y + 6), kPaper);
    EXPECT_EQ(At(X + 6, Y + 13), kPaper);
  }
}

TEST_F(LookTest, TheCheckMarkAloneIsTwentyOnePixels) {
  DrawCheckMark(C(), X, Y, clWindowText);
  EXPECT_EQ(CountOf(clWindowText, Rect(0, 0, 48, 48)), 21);
  EXPECT_EQ(At(X + 3, Y + 5), Sys(clWindowText));   // top of the short stroke
  EXPECT_EQ(At(X + 5, Y + 9), Sys(clWindowText));   // the lowest point
  EXPECT_EQ(At(X + 9, Y + 3), Sys(clWindowText));   // top of the long stroke
  EXPECT_EQ(At(X + 9, Y + 2), kPaper);
}

// The radio's rings by their rule: the top-left color where dx + dy < 0.
TColor RadioRing(int Col, int Row, TColor TopLeft, TColor BottomRight) {
  return (Col - 6) + (Row - 6) < 0 ? TopLeft : BottomRight;
}

struct TRadioCase {
  bool Checked, Enabled, Pushed;
  TColor Inside, Dot;
};

const TRadioCase kRadios[] = {
    {false, true, false, clWindow, clNone},   {true, true, false, clWindow, clWindowText},
    {false, false, false, clBtnFace, clNone}, {true, false, false, clBtnFace, clBtnShadow},
    {true, true, true, clBtnFace, clWindowText},
};

TEST_F(LookTest, RadioGlyphsInEveryState) {
  // (column, row) of outer and inner ring pixels, all round.
  const TPoint outer[] = {{6, 0},  {0, 6},  {12, 6}, {6, 12}, {2, 1},
                          {10, 1}, {11, 2}, {1, 10}, {3, 1}};
  const TPoint inner[] = {{6, 1}, {1, 6}, {11, 6}, {6, 11}, {3, 2}, {9, 2}, {10, 3}, {2, 9}};
  for (const TRadioCase& k : kRadios) {
    Reset();
    DrawRadio(C(), X, Y, k.Checked, k.Enabled, k.Pushed);
    for (TPoint p : outer)
      EXPECT_EQ(At(X + p.X, Y + p.Y), Sys(RadioRing(p.X, p.Y, clBtnShadow, clBtnHighlight)))
          << p.X << "," << p.Y;
    for (TPoint p : inner)
      EXPECT_EQ(At(X + p.X, Y + p.Y), Sys(RadioRing(p.X, p.Y, cl3DDkShadow, cl3DLight)))
          << p.X << "," << p.Y;
    // Corners of the cell stay untouched.
    for (TPoint p :
         {TPoint{0, 0}, TPoint{12, 0}, TPoint{0, 12}, TPoint{12, 12}, TPoint{1, 1}, TPoint{3, 0}})
      EXPECT_EQ(At(X + p.X, Y + p.Y), kPaper) << p.X << "," << p.Y;
    EXPECT_EQ(At(X + 3, Y + 3), Sys(k.Inside));  // inside, off the dot
    EXPECT_EQ(At(X + 6, Y + 6), Sys(k.Dot == clNone ? k.Inside : k.Dot));
    EXPECT_EQ(At(X + 4, Y + 4), Sys(k.Inside));  // the dot's cut corner
    EXPECT_EQ(CountOf(k.Dot == clNone ? clWindowText : k.Dot, Bounds(X + 4, Y + 4, 5, 5)),
              k.Dot == clNone ? 0 : 21);
  }
}

TEST_F(LookTest, FlatOutlinesOfBoxAndRadio) {
  DrawFlatCheckFrame(C(), X, Y, false, clBtnShadow);
  ExpectRing(C(), Rect(X + 1, Y + 1, X + 12, Y + 12), clBtnShadow, clBtnShadow, "flat box");
  EXPECT_EQ(At(X, Y), kPaper);
  EXPECT_EQ(At(X + 6, Y + 6), kPaper);
  Reset();
  DrawFlatCheckFrame(C(), X, Y, true, clBtnShadow);
  EXPECT_EQ(At(X + 6, Y + 1), Sys(clBtnShadow));   // top of the circle
  EXPECT_EQ(At(X + 1, Y + 6), Sys(clBtnShadow));   // its left
  EXPECT_EQ(At(X + 1, Y + 1), kPaper);             // no corner
  EXPECT_EQ(At(X + 6, Y + 6), kPaper);             // the inside is left alone
}

}  // namespace
}  // namespace looktest
