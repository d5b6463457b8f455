// Focus rectangle, header sections with their sort arrow, the size grip
// and engraved text.
#include "LookTestSupport.h"
#include "platform/StdCtrls.h"

namespace looktest {
namespace {

TEST_F(LookTest, AFocusRectangleDrawnTwiceLeavesThePictureAsItWas) {
  // A picture of many colors under the rectangle.
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) C().SetPixels(x, y, RGB(x * 5, y * 5, (x * y) & 0xFF));
  std::vector<TColor> before;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) before.push_back(At(x, y));
  const TRect r = Rect(3, 5, 40, 30);
  DrawFocusRect(C(), r);
  EXPECT_EQ(At(3, 5), before[5 * 48 + 3] ^ 0xFFFFFF);  // 3 + 5 even: inverted
  EXPECT_EQ(At(4, 5), before[5 * 48 + 4]);             // odd: left alone
  EXPECT_EQ(At(10, 10), before[10 * 48 + 10]);         // the inside
  DrawFocusRect(C(), r);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) ASSERT_EQ(At(x, y), before[static_cast<std::size_t>(y * 48 + x)]);
}

TEST_F(LookTest, TheSortArrowPointsUpWhenAscending) {
  const int x0 = 20, y0 = 20;
  DrawSortArrow(C(), x0, y0, hsAscending);
  EXPECT_EQ(At(x0, y0 - 3), Sys(clBtnHighlight));  // the tip, on the lit side
  EXPECT_EQ(At(x0 - 4, y0 + 3), Sys(clBtnShadow));  // the left corner
  EXPECT_EQ(At(x0 - 2, y0), Sys(clBtnShadow));      // the shaded left side
  EXPECT_EQ(At(x0 + 2, y0), Sys(clBtnHighlight));   // the lit right side
  for (int x = x0 - 3; x <= x0 + 4; ++x) EXPECT_EQ(At(x, y0 + 3), Sys(clBtnHighlight)) << x;
  EXPECT_EQ(At(x0, y0 + 4), kPaper);
  EXPECT_EQ(At(x0, y0 - 4), kPaper);
  Reset();
  DrawSortArrow(C(), x0, y0, hsDescending, clWhite, clGray);
  EXPECT_EQ(At(x0 + 4, y0 - 3), clWhite);  // starts lit at the right corner
  EXPECT_EQ(At(x0, y0 + 3), clGray);       // the tip, below
  for (int x = x0 - 4; x < x0 + 4; ++x) EXPECT_EQ(At(x, y0 - 3), clGray) << x;
  Reset();
  DrawSortArrow(C(), x0, y0, hsNone);
  EXPECT_EQ(CountOf(kPaper, Rect(0, 0, 48, 48)), 48 * 48);
}

TEST_F(LookTest, HeaderSectionsRaisedOrPressedWithTheirArrow) {
  struct TCase {
    THeaderSort Sort;
    bool Pressed;
  };
  const TRect r = Rect(2, 2, 44, 22);
  for (TCase k : {TCase{hsNone, false}, TCase{hsAscending, false}, TCase{hsDescending, true}}) {
    Reset();
    TRect text = DrawHeaderSection(C(), r, k.Sort, k.Pressed);
    if (k.Pressed) ExpectRing(C(), r, clBtnShadow, clBtnShadow, "pressed header");
    else ExpectRing(C(), r, clBtnHighlight, clBtnShadow, "header");
    const int shift = k.Pressed ? 1 : 0;
    TRect want = Rect(4, 4, 42 - (k.Sort != hsNone ? 14 : 0), 20);
    want.Offset(shift, shift);
    EXPECT_EQ(text, want);
    const int x0 = r.Right - 9 + shift, y0 = (r.Top + r.Bottom) / 2 + shift;
    if (k.Sort == hsNone) {
      EXPECT_EQ(CountOf(clBtnFace, Shrunk(r, 1)), Shrunk(r, 1).Width() * Shrunk(r, 1).Height());
    } else {
      // The tip: above the middle when ascending, below when descending.
      const int tipY = k.Sort == hsAscending ? y0 - 3 : y0 + 3;
      EXPECT_NE(At(x0, tipY), Sys(clBtnFace));
      EXPECT_EQ(At(x0, y0), Sys(clBtnFace));  // an outline only
    }
  }
}

TEST_F(LookTest, TheSizeGripIsThreeRidgesInTheCorner) {
  const TRect r = Rect(10, 10, 40, 35);
  DrawSizeGrip(C(), r);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      int s = (r.Right - 1 - x) + (r.Bottom - 1 - y);
      TColor want = kPaper;
      if (r.Contains({x, y}) && s > 0 && s < 12 && s % 4 != 0)
        want = Sys(s % 4 == 3 ? clBtnHighlight : clBtnShadow);
      ASSERT_EQ(At(x, y), want) << x << "," << y;
    }
  }
  Reset();
  DrawSizeGrip(C(), Rect(0, 0, 4, 30));  // narrow: only what fits
  EXPECT_EQ(At(3, 28), Sys(clBtnShadow));
  EXPECT_EQ(At(0, 29), Sys(clBtnHighlight));  // s = 3
  EXPECT_EQ(At(3, 25), kPaper);  // s = 4
  EXPECT_EQ(At(3, 24), kPaper);  // s = 5 would not fit across
}

class EngravedTextTest : public LookTest {
 protected:
  void SetUp() override {
    LookTest::SetUp();
    Bigger();
  }
  void Bigger() {
    C().Font()->SetQuality(fqNonAntialiased);  // one color per glyph pixel
    C().Font()->SetSize(12);
  }
  // Which pixels the text covers when drawn once in clBtnShadow.
  std::vector<bool> Shape(const std::function<void()>& Draw) {
    Draw();
    std::vector<bool> shape;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) shape.push_back(At(x, y) == Sys(clBtnShadow));
    Reset();
    Bigger();
    return shape;
  }
  void ExpectEngraved(const std::vector<bool>& Shape, TColor Highlight = clBtnHighlight,
                      TColor Shadow = clBtnShadow) {
    int lit = 0;
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        auto in = [&](int px, int py) {
          return px >= 0 && py >= 0 && Shape[static_cast<std::size_t>(py * 48 + px)];
        };
        TColor want = in(x, y) ? Sys(Shadow) : in(x - 1, y - 1) ? Sys(Highlight) : kPaper;
        lit += want == Sys(Highlight) ? 1 : 0;
        ASSERT_EQ(At(x, y), want) << x << "," << y;
      }
    }
    EXPECT_GT(lit, 0);
  }
};

TEST_F(EngravedTextTest, TheHighlightShowsOnePixelRightAndDownOfTheShadow) {
  auto shape = Shape([&] {
    C().Font()->SetColor(clBtnShadow);
    C().Brush()->SetStyle(bsClear);
    C().TextOut(4, 6, u"Ag");
  });
  C().Font()->SetColor(clRed);
  C().Brush()->SetColor(clYellow);
  DrawEngravedText(C(), 4, 6, u"Ag");
  ExpectEngraved(shape);
  EXPECT_EQ(C().Font()->Color(), clRed);
  EXPECT_EQ(C().Brush()->Color(), clYellow);
  EXPECT_EQ(C().Brush()->Style(), bsSolid);
}

TEST_F(EngravedTextTest, TheCallersColorsTakeThePlaceOfTheSystemColors) {
  auto shape = Shape([&] {
    C().Font()->SetColor(clBtnShadow);
    C().Brush()->SetStyle(bsClear);
    C().TextOut(4, 6, u"Ag");
  });
  C().Font()->SetColor(clRed);
  DrawEngravedText(C(), 4, 6, u"Ag", clWhite, clGray);
  ExpectEngraved(shape, clWhite, clGray);
  EXPECT_EQ(C().Font()->Color(), clRed);
}

TEST_F(EngravedTextTest, TheRectangleFormPlacesTheTextLikeDrawText) {
  const TRect r = Rect(2, 2, 46, 40);
  const unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  auto shape = Shape([&] {
    C().Font()->SetColor(clBtnShadow);
    C().Brush()->SetStyle(bsClear);
    TRect t = r;
    DrawText(&C(), u"Wx", -1, t, format);
  });
  DrawEngravedText(C(), r, u"Wx", format);
  ExpectEngraved(shape);
}

}  // namespace
}  // namespace looktest
