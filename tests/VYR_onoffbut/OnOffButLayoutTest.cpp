// The on/off button's geometry and its named bitmaps: quadrants, hit
// testing, caption places, and every style's bitmap in its size with
// disabled pictures in grays.
#include <gtest/gtest.h>

#include "VYR_onoffbut/VYR_onoffbutLayout.h"
#include "foundation/VYR_resources.h"

namespace onofftest {
namespace {

using namespace vcl;
using namespace vyr;
using namespace vyr::onoff;

TEST(OnOffLayout, StateIndexIsOnTimesTwoPlusEnabled) {
  EXPECT_EQ(StateIndex(false, false), 0);
  EXPECT_EQ(StateIndex(false, true), 1);
  EXPECT_EQ(StateIndex(true, false), 2);
  EXPECT_EQ(StateIndex(true, true), 3);
}

TEST(OnOffLayout, QuadrantsPutOnLeftAndEnabledOnTop) {
  struct Case {
    int Index;
    TRect Want;
  } cases[] = {
      {3, Rect(0, 0, 30, 18)},    // on / enabled: top-left
      {1, Rect(30, 0, 60, 18)},   // off / enabled: top-right
      {2, Rect(0, 18, 30, 36)},   // on / disabled: bottom-left
      {0, Rect(30, 18, 60, 36)},  // off / disabled: bottom-right
  };
  for (const Case& c : cases) {
    TRect r = QuadrantRect(c.Index, 60, 36);
    EXPECT_EQ(r.Left, c.Want.Left) << c.Index;
    EXPECT_EQ(r.Top, c.Want.Top) << c.Index;
    EXPECT_EQ(r.Right, c.Want.Right) << c.Index;
    EXPECT_EQ(r.Bottom, c.Want.Bottom) << c.Index;
  }
  // Odd sizes lose their last row and column.
  TRect r = QuadrantRect(0, 61, 37);
  EXPECT_EQ(r.Left, 30);
  EXPECT_EQ(r.Bottom, 36);
}

TEST(OnOffLayout, CentringTruncatesTowardZero) {
  EXPECT_EQ(CentredSpace(100, 30), 35);
  EXPECT_EQ(CentredSpace(50, 18), 16);
  EXPECT_EQ(CentredSpace(51, 18), 16);
  EXPECT_EQ(CentredSpace(10, 15), -2);  // -5 / 2
}

TEST(OnOffLayout, OnlyPointsStrictlyInsideThePictureHit) {
  const int ls = 35, ts = 16, gw = 30, gh = 18;
  struct Case {
    int X, Y;
    bool Hit;
  } cases[] = {
      {ls, ts + 5, false},         {ls + 1, ts + 5, true},   {ls + gw - 1, ts + 5, true},
      {ls + gw, ts + 5, false},    {ls + 5, ts, false},      {ls + 5, ts + 1, true},
      {ls + 5, ts + gh - 1, true}, {ls + 5, ts + gh, false}, {0, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InsidePicture(c.X, c.Y, ls, ts, gw, gh), c.Hit) << c.X << "," << c.Y;
  }
  TRect r = PictureRect(ls, ts, gw, gh);
  EXPECT_EQ(r.Left, ls + 1);
  EXPECT_EQ(r.Bottom, ts + 1 + gh);
}

TEST(OnOffLayout, CaptionsArePlacedByTheirSideAndAlignment) {
  const TCaptionFrame f{200, 60, 40, 30, 18, 13};
  const int tw = 20;
  const int beside = 40 + (18 - 13) / 2;
  struct Case {
    TCaptionSide Side;
    TAlignment Align;
    int X, Y;
  } cases[] = {
      {cpLeft, taLeftJustify, 4, beside},
      {cpLeft, taRightJustify, 60 - tw - 3, beside},
      {cpLeft, taCenter, (60 - tw) / 2, beside},
      {cpRight, taLeftJustify, 60 + 30 + 4, beside},
      {cpRight, taRightJustify, 200 - tw - 4, beside},
      {cpRight, taCenter, (200 - tw - 60 - 30) / 2 + 60 + 30 + 1, beside},
      {cpTop, taLeftJustify, 4, 40 - 13 - 4},
      {cpTop, taRightJustify, 200 - tw - 4, 40 - 13 - 4},
      {cpTop, taCenter, 60 + (30 - tw) / 2, 40 - 13 - 4},
      {cpBottom, taCenter, 60 + (30 - tw) / 2, 40 + 18 + 4},
  };
  for (const Case& c : cases) {
    TPoint p = CaptionOrigin(c.Side, c.Align, tw, f);
    EXPECT_EQ(p.X, c.X) << int(c.Side) << "/" << int(c.Align);
    EXPECT_EQ(p.Y, c.Y) << int(c.Side) << "/" << int(c.Align);
  }
}

// Every style names a bitmap of its size; the disabled pictures are grays
// of the enabled ones (or the picture's own light colors in the check-box
// family), and on and off pictures differ.
TEST(OnOffLayout, EveryStyleHasItsBitmapInTheQuadrantLayout) {
  struct Case {
    TOnOffButStyle Style;
    int W, H;
  } cases[] = {
      {oobsCheckbox, 32, 32},       {oobsRadioBut, 28, 28},     {oobsSlideTB, 36, 60},
      {oobsSlideLR, 60, 36},        {oobsColSlideTB, 36, 60},   {oobsColSlideLR, 60, 36},
      {oobsLedRedGreen, 28, 28},    {oobsArrowTopRgt, 50, 50},  {oobsArrowUpDown, 50, 50},
      {oobsArrowLeftRight, 50, 50}, {oobsTrafficLPed, 62, 62},  {oobsBeveledLed, 34, 34},
      {oobsSmileyYellow, 36, 36},   {oobsSmileyRedGrn, 36, 36}, {oobsBulb, 78, 98},
      {oobsButLamp, 98, 48},        {oobsHDLeft, 96, 32},       {oobsHDRight, 96, 32},
      {oobsUser1, 48, 48},          {oobsUser2, 48, 48},        {oobsUser3, 48, 48},
      {oobsUser4, 48, 48},          {oobsUser5, 48, 48},
  };
  EXPECT_EQ(StyleResourceName(oobsUser), nullptr);
  for (const Case& c : cases) {
    const char16_t* name = StyleResourceName(c.Style);
    ASSERT_NE(name, nullptr) << int(c.Style);
    std::unique_ptr<TBitmap> b = NamedBitmap(name);
    EXPECT_EQ(b->Width(), c.W) << ToUTF8(name);
    EXPECT_EQ(b->Height(), c.H) << ToUTF8(name);
    const TRect on = QuadrantRect(3, c.W, c.H), off = QuadrantRect(1, c.W, c.H);
    int differ = 0;
    for (int y = 0; y < on.Height(); ++y) {
      for (int x = 0; x < on.Width(); ++x) {
        differ += b->Canvas()->Pixels(on.Left + x, on.Top + y) !=
                  b->Canvas()->Pixels(off.Left + x, off.Top + y);
      }
    }
    EXPECT_GT(differ, 4) << ToUTF8(name);
    if (c.Style == oobsCheckbox || c.Style == oobsRadioBut) continue;
    for (int y = c.H / 2; y < c.H / 2 * 2; ++y) {
      for (int x = 0; x < c.W / 2 * 2; ++x) {
        TColor p = b->Canvas()->Pixels(x, y);
        if (p == SeeThrough) continue;
        ASSERT_TRUE(GetRValue(p) == GetGValue(p) && GetGValue(p) == GetBValue(p))
            << ToUTF8(name) << " " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace onofftest
