// The raster label on a form: dots of the given glyph rows by pixels, block
// modes and raster gaps, frames, auto height and centring, setter limits,
// scrolling in four directions with loop restarts on the virtual clock,
// refused timers, Assign and form files.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "VYR_RasterLab/VYR_RasterLab.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;
using namespace vyr;

class RasterLabOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 500, 200);
    lab = new TRasterLab(form.get());
    lab->SetName(u"Ras1");
    lab->SetParent(form.get());
    form->HandleNeeded();
  }
  void TearDown() override { form.reset(); }
  std::unique_ptr<TBitmap> Shot() { return headless::Snapshot(lab); }

  // Checks the dots of Text drawn from (X, Y): the middle pixel of every
  // dot of every character, lit or unlit, and with rdbmOn the blank column
  // after each character.
  void ExpectDots(TBitmap& B, const String& Text, int X, int Y) {
    const TRDCharMatrix& m = lab->CharMatrix();
    const int p = lab->DotSize() + lab->DotSpacing(), mid = lab->DotSize() / 2;
    int x = X;
    for (char16_t ch : Text) {
      const int first = m.LeftMostBit[ch], last = m.RightMostBit[ch];
      for (int r = 0; r < m.FontHeight; ++r) {
        for (int c = first; c <= last; ++c) {
          const bool lit = (m.BitData[ch][r] >> c) & 1u;
          const int px = x + (c - first) * p + mid, py = Y + r * p + mid;
          if (px < 2 || py < 2 || px >= B.Width() - 2 || py >= B.Height() - 2) continue;
          ASSERT_EQ(B.Canvas()->Pixels(px, py), lit ? lab->ColorDotOn() : lab->ColorDotOff())
              << "char " << int(ch) << " row " << r << " column " << c;
        }
      }
      x += (last - first + 2) * p;
      if (lab->CharBlockMode() == rdbmOn && x - p + mid < B.Width() - 2) {
        EXPECT_EQ(B.Canvas()->Pixels(x - p + mid, Y + 5 * p + mid), lab->ColorLabBakG()) << int(ch);
      }
    }
  }

  std::unique_ptr<TForm> form;
  TRasterLab* lab = nullptr;
};

TEST_F(RasterLabOnForm, TheDefaultLabelShowsTheWordTextFromTheTopLeftDot) {
  EXPECT_EQ(lab->Width(), 400);
  EXPECT_EQ(lab->Height(), 68);
  EXPECT_EQ(lab->Text(), u"Text");
  EXPECT_EQ(lab->Font()->Name(), u"default");
  auto shot = Shot();
  ExpectDots(*shot, u"Text", 1, 1);
  EXPECT_EQ(lab->TextBitLength(), lab->CalcTextBitLength(u"Text") + 1);
}

// The rows given for the built-in font, as dots on the label.
TEST_F(RasterLabOnForm, TheGivenGlyphRowsShowDotForDot) {
  lab->SetText(u"01Ag°Ä");
  lab->SetPosX(6);
  lab->SetPosY(5);
  ExpectDots(*Shot(), u"01Ag°Ä", 6, 5);
  lab->SetDotSize(1);
  lab->SetDotSpacing(0);  // single pixels, no gaps
  ExpectDots(*Shot(), u"01Ag°Ä", 6, 5);
  lab->SetDotSize(6);
  lab->SetDotSpacing(3);
  lab->SetColorDotOn(clYellow);
  ExpectDots(*Shot(), u"01", 6, 5);
}

// The gaps between dots are background lines aligned with the text's dots;
// what lies between them is an unlit dot (rdbmOn, rdbmRaster) or
// background (rdbmOff).
TEST_F(RasterLabOnForm, BlockModesDecideWhatLiesBetweenAndAroundTheDots) {
  lab->SetText(u"1");
  lab->SetPosX(10);
  lab->SetPosY(7);
  auto shot = Shot();
  // Gap lines at x = 10 - 1 + 4k and y = 7 - 1 + 4k.
  EXPECT_EQ(shot->Canvas()->Pixels(9 + 40, 30), clBlack);
  EXPECT_EQ(shot->Canvas()->Pixels(40, 6 + 20), clBlack);
  EXPECT_EQ(shot->Canvas()->Pixels(11 + 80, 8 + 20), 0x404040u);  // an unlit dot
  // rdbmOn: the column before the text is blank.
  EXPECT_EQ(shot->Canvas()->Pixels(7, 12), clBlack);
  lab->SetCharBlockMode(rdbmRaster);
  shot = Shot();
  EXPECT_EQ(shot->Canvas()->Pixels(7, 12), 0x404040u);
  ExpectDots(*shot, u"1", 10, 7);
  lab->SetCharBlockMode(rdbmOff);
  shot = Shot();
  EXPECT_EQ(shot->Canvas()->Pixels(11 + 80, 8 + 20), clBlack);
  EXPECT_EQ(shot->Canvas()->Pixels(9 + 40, 30), clBlack);
  // Lit dots still show.
  const TRDCharMatrix& m = lab->CharMatrix();
  EXPECT_EQ(m.BitData[u'1'][9] & 1u << 1, 2u);  // "1" row 9 lights column 1
  EXPECT_EQ(shot->Canvas()->Pixels(10 + 1, 7 + 9 * 4 + 1), clLime);
}

TEST_F(RasterLabOnForm, FixedSpacingGivesEveryCharacterTheFontWidth) {
  lab->SetProportional(false);
  lab->SetText(u"i1");
  auto shot = Shot();
  const TRDCharMatrix& m = lab->CharMatrix();
  // "1" starts at column 0 of its cell: PosX + 8 dots.
  const int x = 1 + 8 * 4;
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 7; ++c) {
      const bool lit = (m.BitData[u'1'][r] >> c) & 1u;
      EXPECT_EQ(shot->Canvas()->Pixels(x + c * 4 + 1, 1 + r * 4 + 1), lit ? clLime : 0x404040u);
    }
  }
  EXPECT_EQ(lab->TextBitLength(), 2 * 8 * 4 + 1);
}

struct FrameCase {
  TFrameStyle Style;
  TColor TopLeft, Inner, BottomRight;  // (0, 0), (1, 1), (W-1, H-1)
};

TEST_F(RasterLabOnForm, FramesUseTheLabelsLineColors) {
  lab->SetBounds(0, 0, 60, 30);
  const FrameCase cases[] = {
      {fsSimple, clGray, 0x404040, clGray},  {fsLowered, clGray, clBlack, clWhite},
      {fsRaised, clGray, clWhite, clBlack},  {fsEtched, clWhite, clGray, clGray},
      {fsBump, clGray, clWhite, clWhite},
  };
  lab->SetText(u"");
  for (const FrameCase& c : cases) {
    lab->SetFrameStyle(c.Style);
    auto shot = Shot();
    EXPECT_EQ(shot->Canvas()->Pixels(0, 0), c.TopLeft) << int(c.Style);
    EXPECT_EQ(shot->Canvas()->Pixels(1, 1), c.Inner) << int(c.Style);
    EXPECT_EQ(shot->Canvas()->Pixels(59, 29), c.BottomRight) << int(c.Style);
  }
  lab->SetFrameStyle(fsSimple);
  lab->SetColorScheme(csSystem);
  EXPECT_EQ(Shot()->Canvas()->Pixels(0, 15), ColorToRGB(clBtnShadow));
}

TEST_F(RasterLabOnForm, AutoHeightAndAutoCenterFollowDotsFontAndText) {
  lab->SetAutoHeight(true);
  EXPECT_EQ(lab->Height(), 1 + 4 * 12);
  lab->SetFrameStyle(fsEtched);
  lab->SetDotSpacing(2);  // re-applies: frame 2 + 5 · 12
  EXPECT_EQ(lab->Height(), 2 + 5 * 12);
  lab->SetFrameStyle(fsNoFrame);
  lab->SetDotSize(2);
  EXPECT_EQ(lab->Height(), 4 * 12);
  lab->SetAutoCenter(true);
  EXPECT_EQ(lab->PosX(), (400 - lab->CalcTextBitLength(u"Text")) / 2 + 1);
  lab->SetText(u"A longer text");
  EXPECT_EQ(lab->PosX(), (400 - lab->CalcTextBitLength(u"A longer text")) / 2 + 1);
  lab->Font()->SetName(u"DejaVu Sans");  // a sampled font: new height, new centre
  EXPECT_EQ(lab->Height(), 4 * lab->CharMatrix().FontHeight);
  EXPECT_EQ(lab->PosX(), (400 - lab->CalcTextBitLength(u"A longer text")) / 2 + 1);
  lab->SetAutoCenter(false);
  EXPECT_EQ(lab->PosX(), 1);
}

TEST_F(RasterLabOnForm, SettersKeepTheirLimits) {
  struct IntCase {
    void (TRasterLab::*Set)(int);
    int (TRasterLab::*Get)() const;
    int In, Out;
  };
  const IntCase cases[] = {
      {&TRasterLab::SetDotSize, &TRasterLab::DotSize, 0, 1},
      {&TRasterLab::SetDotSize, &TRasterLab::DotSize, 40, 32},
      {&TRasterLab::SetDotSize, &TRasterLab::DotSize, -2, 1},
      {&TRasterLab::SetDotSpacing, &TRasterLab::DotSpacing, 5, 3},
      {&TRasterLab::SetDotSpacing, &TRasterLab::DotSpacing, -1, 0},
      {&TRasterLab::SetScrollInterval, &TRasterLab::ScrollInterval, 5, 10},
      {&TRasterLab::SetScrollInterval, &TRasterLab::ScrollInterval, 250, 250},
      {&TRasterLab::SetScrollIncrement, &TRasterLab::ScrollIncrement, -3, 3},
      {&TRasterLab::SetScrollIncrement, &TRasterLab::ScrollIncrement, 0, 1},
  };
  for (const IntCase& c : cases) {
    auto& target = *lab;
    std::invoke(c.Set, target, c.In);
    EXPECT_EQ(std::invoke(c.Get, target), c.Out) << c.In;
  }
  // Dot size 1: every dot a single pixel.
  lab->SetDotSize(0);
  lab->SetDotSpacing(0);
  lab->SetText(u"1");
  auto shot = Shot();
  EXPECT_EQ(shot->Canvas()->Pixels(1 + 2, 1 + 1), clLime);   // row 1: column 3 of "1" (from 1)
  EXPECT_EQ(shot->Canvas()->Pixels(1 + 1, 1 + 1), 0x404040u);
}

TEST_F(RasterLabOnForm, CharactersBeyondLatin1LookLikeCode127) {
  lab->SetText(u"€");
  auto euro = Shot();
  lab->SetText(u"\x7F");
  auto del = Shot();
  for (int y = 0; y < 68; y += 2)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(euro->Canvas()->Pixels(x, y), del->Canvas()->Pixels(x, y));
}

// ---------------------------------------------------------------- scrolling

class RasterLabScrolling : public RasterLabOnForm {
 protected:
  void SetUp() override {
    RasterLabOnForm::SetUp();
    lab->SetBounds(0, 0, 60, 52);
    lab->SetOnScrollTimer([this](TObject* s) {
      EXPECT_EQ(s, lab);
      ++ticks;
    });
    lab->SetOnScrollLoopRestart([this](TObject*) { ++restarts; });
    lab->SetScrollInterval(20);
  }
  int ticks = 0, restarts = 0;
};

TEST_F(RasterLabScrolling, RightwardsTheOffsetRunsPastTheWidthAndRestartsLeftOfTheLabel) {
  Shot();  // a paint measures the text
  const int length = lab->TextBitLength();
  lab->SetScrollMode(rdsmRight);
  EXPECT_TRUE(lab->ScrollTimerEnabled());
  headless::Advance(19);
  EXPECT_EQ(ticks, 0);
  headless::Advance(1);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(lab->ScrollPosX(), 1);
  ExpectDots(*Shot(), u"T", 2, 1);  // moved one pixel
  headless::Advance(20 * 59);
  EXPECT_EQ(lab->ScrollPosX(), 60);
  EXPECT_EQ(restarts, 0);
  headless::Advance(20);  // 61 > Width: restart
  EXPECT_EQ(lab->ScrollPosX(), -length);
  EXPECT_EQ(restarts, 1);
  headless::Advance(20 * (60 + length));
  EXPECT_EQ(lab->ScrollPosX(), 60);
  EXPECT_EQ(restarts, 1);
  headless::Advance(20);
  EXPECT_EQ(restarts, 2);  // once per pass
  EXPECT_EQ(ticks, 60 + 1 + 60 + length + 1);
}

TEST_F(RasterLabScrolling, LeftwardsUpwardsAndDownwardsTheTextComesBackFromTheOtherSide) {
  Shot();
  const int length = lab->TextBitLength(), height = 4 * 12;
  lab->SetScrollIncrement(5);
  lab->SetScrollMode(rdsmLeft);
  headless::Advance(20);
  EXPECT_EQ(lab->ScrollPosX(), -5);
  ExpectDots(*Shot(), u"ext", 1 - 5 + lab->CalcTextBitLength(u"T"), 1);
  while (restarts == 0 && ticks < 1000) headless::Advance(20);
  EXPECT_EQ(lab->ScrollPosX(), 60);
  EXPECT_EQ(ticks, length / 5 + 1);  // the first step below -length restarts

  lab->SetScrollMode(rdsmUp);  // a new mode keeps the offsets it finds
  restarts = ticks = 0;
  headless::Advance(20);
  EXPECT_EQ(lab->ScrollPosY(), -5);
  while (restarts == 0 && ticks < 1000) headless::Advance(20);
  EXPECT_EQ(lab->ScrollPosY(), 52);
  EXPECT_EQ(ticks, height / 5 + 1);

  lab->SetScrollMode(rdsmDown);
  restarts = ticks = 0;
  headless::Advance(20);  // 57 is beyond the height: at once back above
  EXPECT_EQ(lab->ScrollPosY(), -height);
  EXPECT_EQ(restarts, 1);
  headless::Advance(20);
  EXPECT_EQ(lab->ScrollPosY(), -height + 5);
}

TEST_F(RasterLabScrolling, WithoutLoopTheTextLeavesForGoodWhileTheTimerRuns) {
  lab->SetScrollLoop(false);
  lab->SetScrollIncrement(10);
  lab->SetScrollMode(rdsmRight);
  headless::Advance(20 * 30);
  EXPECT_EQ(lab->ScrollPosX(), 300);
  EXPECT_EQ(restarts, 0);
  EXPECT_EQ(ticks, 30);
  auto shot = Shot();
  EXPECT_EQ(shot->Canvas()->Pixels(31, 22), 0x404040u);  // nothing lit
}

TEST_F(RasterLabScrolling, SwitchingScrollingOffStopsTheTimerAndPutsTheTextBack) {
  lab->SetScrollMode(rdsmDown);
  headless::Advance(100);
  EXPECT_EQ(lab->ScrollPosY(), 5);
  lab->SetScrollMode(rdsmOff);
  EXPECT_FALSE(lab->ScrollTimerEnabled());
  EXPECT_EQ(lab->ScrollPosY(), 0);
  headless::Advance(1000);
  EXPECT_EQ(ticks, 5);
  ExpectDots(*Shot(), u"Text", 1, 1);
}

TEST_F(RasterLabScrolling, AChangedIntervalAppliesAtOnce) {
  lab->SetScrollMode(rdsmRight);
  headless::Advance(40);
  lab->SetScrollInterval(50);
  headless::Advance(49);
  EXPECT_EQ(ticks, 2);
  headless::Advance(1);
  EXPECT_EQ(ticks, 3);
}

TEST_F(RasterLabScrolling, ARefusedTimerRaisesTheLabelsErrorAndLeavesItStanding) {
  headless::SetTimersRefused(true);
  try {
    lab->SetScrollMode(rdsmLeft);
    FAIL() << "expected an exception";
  } catch (const EVYRRasterLabError& e) {
    EXPECT_EQ(e.Message(), u"Component \"Ras1\": no timer available");
  }
  EXPECT_FALSE(lab->ScrollTimerEnabled());
  headless::SetTimersRefused(false);
  headless::Advance(500);
  EXPECT_EQ(ticks, 0);
  lab->SetScrollMode(rdsmRight);
  headless::Advance(20);
  EXPECT_EQ(ticks, 1);
}

TEST_F(RasterLabScrolling, AnExceptionInOnScrollTimerGoesToTheApplication) {
  lab->SetOnScrollTimer([this](TObject*) {
    ++ticks;
    throw Exception(u"handler failed");
  });
  lab->SetScrollMode(rdsmRight);
  headless::Advance(60);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(headless::HandledExceptions().size(), 3u);
  EXPECT_EQ(lab->ScrollPosX(), 3);
}

TEST_F(RasterLabScrolling, TheTimerNeverRunsInTheDesigner) {
  lab->SetDesigning(true);
  lab->SetScrollMode(rdsmRight);
  headless::Advance(1000);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(lab->ScrollTimerEnabled());
}

// ---------------------------------------------------------------- copies and files

TEST_F(RasterLabOnForm, AssignCopiesTextColorsAndFrame) {
  TRasterLab src(nullptr);
  src.SetText(u"copy");
  src.SetColorDotOn(clRed);
  src.SetColorDotOff(clNavy);
  src.SetColorLabBakG(clGray);
  src.SetFrameStyle(fsBump);
  src.SetColorScheme(csSystem);
  src.SetDotSize(7);
  lab->Assign(&src);
  EXPECT_EQ(lab->Text(), u"copy");
  EXPECT_EQ(lab->Caption(), u"copy");
  EXPECT_EQ(lab->ColorDotOn(), clRed);
  EXPECT_EQ(lab->ColorDotOff(), clNavy);
  EXPECT_EQ(lab->ColorLabBakG(), clGray);
  EXPECT_EQ(lab->FrameStyle(), fsBump);
  EXPECT_EQ(lab->ColorScheme(), csSystem);
  EXPECT_EQ(lab->DotSize(), 3);  // not copied
  TLabel other(nullptr);
  EXPECT_THROW(lab->Assign(&other), EConvertError);
  EXPECT_THROW(other.Assign(lab), EConvertError);
}

TEST_F(RasterLabOnForm, AFreshLabelWritesOnlyItsPlaceAndASetOneReadsBack) {
  TRasterLab fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* p : {u"Font", u"Text", u"Dot", u"Pos", u"Color", u"Frame", u"Scroll",
                            u"Auto", u"Block", u"Proportional"}) {
    EXPECT_EQ(text.find(p), String::npos) << ToUTF8(text);
  }
  lab->SetText(u"Hallo");
  lab->SetDotSize(2);
  lab->SetCharBlockMode(rdbmRaster);
  lab->SetScrollInterval(40);
  lab->SetAutoHeight(true);
  lab->Font()->SetName(u"DejaVu Sans");
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(lab)));
  auto* read = dynamic_cast<TRasterLab*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Text(), u"Hallo");
  EXPECT_EQ(read->DotSize(), 2);
  EXPECT_EQ(read->CharBlockMode(), rdbmRaster);
  EXPECT_EQ(read->ScrollInterval(), 40);
  EXPECT_EQ(read->Font()->Name(), u"DejaVu Sans");
  EXPECT_EQ(read->CharMatrix().FontHeight, lab->CharMatrix().FontHeight);
  EXPECT_EQ(read->Height(), lab->Height());
}

}  // namespace
