// The gradient fill: band boundaries and colors by the MulDiv rules for
// each fill type, the flip rule, clamping, grid lines, frame, OnPaint and
// form files. Expected values are computed from the rules, not read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

#include "VYR_gradfl/VYR_gradfl.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/WinapiGdi.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;
using namespace vyr;

// The color of band i by the rule: each byte moves by MulDiv(step, delta,
// steps) from the first color.
TColor RuleColor(TColor First, TColor Last, int Step, int Steps) {
  auto ch = [&](int shift) {
    int a = static_cast<int>((First >> shift) & 0xFF);
    int b = static_cast<int>((Last >> shift) & 0xFF);
    return static_cast<TColor>((a + MulDiv(Step, b - a, Steps)) & 0xFF) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

TColor RuleBandColor(TGradType T, int I, int N, TColor First, TColor Last) {
  if (N == 1) return First;
  if (T == gtMidBandHoriz || T == gtMidBandVert) {
    int half = N / 2;
    return RuleColor(First, Last, I <= half ? I : N - I - 1, half);
  }
  return RuleColor(First, Last, I, N);
}

bool Rows(TGradType T) { return T == gtHoriz || T == gtMidBandHoriz; }

std::unique_ptr<TBitmap> Render(const TGradFill& G, int W, int H) {
  auto b = std::make_unique<TBitmap>(W, H);
  G.DrawGradient(*b);
  return b;
}

struct BandCase {
  TGradType Type;
  int W, H, N;
  TColor First, Last;
};

// Named by its fields (the default printer would dump the struct's bytes,
// padding included).
void PrintTo(const BandCase& C, std::ostream* Os) {
  *Os << "type " << static_cast<int>(C.Type) << ' ' << C.W << 'x' << C.H << " bands " << C.N
      << " colors " << std::hex << C.First << ' ' << C.Last << std::dec;
}

class GradBands : public ::testing::TestWithParam<BandCase> {};

// Every band's first and last pixel row (or column), at both ends across,
// has the band's color; band i starts at MulDiv(i, extent, N).
TEST_P(GradBands, EachBandHasItsColorFromItsFirstToItsLastPixel) {
  const BandCase& c = GetParam();
  TGradFill g(nullptr);
  g.SetFillType(c.Type);
  g.SetNrColors(c.N);
  g.SetColorFirst(c.First);
  g.SetColorLast(c.Last);
  auto b = Render(g, c.W, c.H);
  const int extent = Rows(c.Type) ? c.H : c.W;
  const int across = Rows(c.Type) ? c.W : c.H;
  for (int i = 0; i < c.N; ++i) {
    int from = MulDiv(i, extent, c.N), to = MulDiv(i + 1, extent, c.N);
    TColor want = RuleBandColor(c.Type, i, c.N, c.First, c.Last);
    for (int at : {from, to - 1}) {
      if (to <= from) continue;  // a band of no pixels
      for (int a : {0, across - 1}) {
        int x = Rows(c.Type) ? a : at, y = Rows(c.Type) ? at : a;
        ASSERT_EQ(b->Canvas()->Pixels(x, y), want) << "band " << i << " at " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    FillTypes, GradBands,
    ::testing::Values(BandCase{gtHoriz, 121, 121, 16, clMaroon, clYellow},
                      BandCase{gtVert, 200, 30, 7, clBlack, clWhite},
                      BandCase{gtMidBandHoriz, 40, 121, 16, clNavy, 0x10E0F0},
                      BandCase{gtMidBandVert, 121, 20, 5, clWhite, clBlack},
                      BandCase{gtMidBandVert, 97, 9, 2, 0x102030, 0xF0E0D0},
                      BandCase{gtHoriz, 10, 20, 255, clRed, clBlue},   // empty bands
                      BandCase{gtVert, 33, 5, 1, clGreen, clRed},
                      BandCase{gtMidBandHoriz, 12, 12, 1, clTeal, clRed}));

TEST(GradFill, SixteenBandsOnAHundredAndTwentyOnePixelsStartWhereTheRuleSays) {
  TGradFill g(nullptr);  // defaults: gtHoriz, 16 colors, 121 × 121
  auto b = Render(g, 121, 121);
  const int starts[] = {0, 8, 15, 23, 30, 38, 45, 53, 61, 68, 76, 83, 91, 98, 106, 113, 121};
  for (int i = 0; i < 16; ++i) {
    TColor band = b->Canvas()->Pixels(60, starts[i]);
    EXPECT_EQ(b->Canvas()->Pixels(60, starts[i + 1] - 1), band) << i;
    if (i > 0) {
      EXPECT_NE(b->Canvas()->Pixels(60, starts[i] - 1), band) << i;
    }
  }
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clMaroon);
  // The last band is one step short of the last color.
  EXPECT_NE(b->Canvas()->Pixels(0, 120), clYellow);
}

TEST(GradFill, MidBandsRunToTheLastColorInTheMiddleAndMirror) {
  TGradFill g(nullptr);
  g.SetFillType(gtMidBandVert);
  g.SetNrColors(9);
  auto b = Render(g, 90, 10);
  EXPECT_EQ(b->Canvas()->Pixels(45, 5), clYellow);  // band 4 of 9
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(b->Canvas()->Pixels(i * 10 + 5, 5), b->Canvas()->Pixels((8 - i) * 10 + 5, 5)) << i;
  }
}

TEST(GradFill, EqualColorsFillUniformly) {
  TGradFill g(nullptr);
  g.SetColorFirst(0x336699);
  g.SetColorLast(0x336699);
  for (TGradType t : {gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert}) {
    g.SetFillType(t);
    auto b = Render(g, 50, 50);
    for (int p = 0; p < 50; p += 7) EXPECT_EQ(b->Canvas()->Pixels(p, 49 - p), 0x336699u);
  }
}

TEST(GradFill, SystemColorsAreConvertedBeforeTheirBytesAreUsed) {
  TGradFill g(nullptr);
  g.SetColorFirst(clBtnFace);
  g.SetColorLast(clBtnFace);
  auto b = Render(g, 20, 20);
  EXPECT_EQ(b->Canvas()->Pixels(10, 10), ColorToRGB(clBtnFace));
}

TEST(GradFill, NrColorsIsClampedToOneToTwoHundredFiftyFive) {
  TGradFill g(nullptr);
  const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {1, 1}, {255, 255}, {256, 255},
                                       {300, 255}, {17, 17}};
  for (auto [in, out] : cases) {
    g.SetNrColors(in);
    EXPECT_EQ(g.NrColors(), out) << in;
  }
  g.SetNrColors(0);
  auto b = Render(g, 30, 30);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clMaroon);
  EXPECT_EQ(b->Canvas()->Pixels(29, 29), clMaroon);
}

// Flip rule, step by step: the drawn order and the remembered user order.
TEST(GradFill, FlippingExchangesTheDrawnOrderAndSettersFileColorsUnderTheirEnds) {
  TGradFill g(nullptr);
  g.SetColorFirst(clRed);
  g.SetColorLast(clBlue);
  g.SetColorFlipped(true);
  EXPECT_EQ(g.ColorFirst(), clBlue);
  EXPECT_EQ(g.ColorLast(), clRed);
  g.SetColorFlipped(true);  // applied again: still flipped, not flipped back
  EXPECT_EQ(g.ColorFirst(), clBlue);
  g.SetColorFirst(clGreen);  // drawn first while flipped: the user's last color
  EXPECT_EQ(g.ColorFirst(), clGreen);
  auto b = Render(g, 10, 10);
  EXPECT_EQ(b->Canvas()->Pixels(5, 0), clGreen);
  g.SetColorFlipped(false);
  EXPECT_EQ(g.ColorFirst(), clRed);
  EXPECT_EQ(g.ColorLast(), clGreen);
  g.SetColorLast(clWhite);
  g.SetColorFlipped(true);
  EXPECT_EQ(g.ColorFirst(), clWhite);
  EXPECT_EQ(g.ColorLast(), clRed);
}

struct GridCase {
  TGridMode Mode;
  bool Horizontal, Vertical;
};

class GradGrid : public ::testing::TestWithParam<GridCase> {};

// Lines lie on the first pixel of every band but the first, on the axes the
// mode names, whatever the fill type; the pixel before a line keeps the band.
TEST_P(GradGrid, LinesLieOnTheBandBoundariesOfTheNamedAxes) {
  const GridCase& c = GetParam();
  for (TGradType t : {gtHoriz, gtVert, gtMidBandVert}) {
    TGradFill g(nullptr);
    g.SetFillType(t);
    g.SetNrColors(6);
    g.SetGridColor(0x123456);
    g.SetGridMode(c.Mode);
    auto b = Render(g, 100, 70);
    for (int i = 1; i < 6; ++i) {
      int y = MulDiv(i, 70, 6), x = MulDiv(i, 100, 6);
      EXPECT_EQ(b->Canvas()->Pixels(3, y) == 0x123456u, c.Horizontal) << i;
      EXPECT_NE(b->Canvas()->Pixels(3, y - 1), 0x123456u);
      EXPECT_EQ(b->Canvas()->Pixels(x, 3) == 0x123456u, c.Vertical) << i;
      EXPECT_NE(b->Canvas()->Pixels(x - 1, 3), 0x123456u);
    }
    EXPECT_NE(b->Canvas()->Pixels(0, 0), 0x123456u);  // no line before the first band
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, GradGrid,
                         ::testing::Values(GridCase{gmNone, false, false},
                                           GridCase{gmHoriz, true, false},
                                           GridCase{gmVert, false, true},
                                           GridCase{gmBoth, true, true}));

TEST(GradFill, TheFrameIsDrawnOverBandsAndGrid) {
  TGradFill g(nullptr);
  g.SetGridMode(gmBoth);
  g.SetFrameStyle(fsSimple);
  auto b = Render(g, 40, 40);
  for (auto [x, y] : {std::pair{0, 0}, {39, 39}, {0, 39}, {20, 0}, {39, 13}}) {
    EXPECT_EQ(b->Canvas()->Pixels(x, y), clBlack) << x << "," << y;
  }
  g.SetFrameStyle(fsLowered);
  b = Render(g, 40, 40);
  EXPECT_EQ(b->Canvas()->Pixels(0, 5), clGray);     // outer ring, left
  EXPECT_EQ(b->Canvas()->Pixels(39, 5), clWhite);   // outer ring, right
  EXPECT_EQ(b->Canvas()->Pixels(1, 5), clBlack);    // inner ring, left
  EXPECT_EQ(b->Canvas()->Pixels(38, 5), clSilver);  // inner ring, right
}

class GradFillOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    grad = new TGradFill(form.get());
    grad->SetParent(form.get());
    grad->SetBounds(10, 20, 64, 48);
    grad->SetOnPaint([this](TObject* s) {
      EXPECT_EQ(s, grad);
      ++paints;
    });
  }
  void TearDown() override { form.reset(); }
  std::unique_ptr<TForm> form;
  TGradFill* grad = nullptr;
  int paints = 0;
};

TEST_F(GradFillOnForm, SettersPaintAtOnceAndAnUnchangedFillTypeDoesNot) {
  headless::Snapshot(grad);
  paints = 0;
  grad->SetFillType(gtHoriz);
  EXPECT_EQ(paints, 0);
  grad->SetFillType(gtVert);
  EXPECT_EQ(paints, 1);
  grad->SetGridMode(gmNone);
  EXPECT_EQ(paints, 1);
  grad->SetGridMode(gmVert);
  grad->SetNrColors(3);
  grad->SetColorFlipped(false);
  EXPECT_EQ(paints, 4);
  auto shot = headless::Snapshot(grad);
  EXPECT_EQ(shot->Canvas()->Pixels(MulDiv(1, 64, 3), 10), TGradFill::DefaultGridColor);
  EXPECT_EQ(shot->Canvas()->Pixels(0, 10), clMaroon);
}

TEST_F(GradFillOnForm, OnPaintMayDrawOverTheGradient) {
  grad->SetOnPaint([this](TObject*) {
    grad->Canvas()->Brush()->SetColor(clLime);
    grad->Canvas()->FillRect(Rect(0, 0, 5, 5));
  });
  auto shot = headless::Snapshot(grad);
  EXPECT_EQ(shot->Canvas()->Pixels(2, 2), clLime);
  EXPECT_EQ(shot->Canvas()->Pixels(6, 1), clMaroon);  // band 0: rows 0 .. 2
}

TEST_F(GradFillOnForm, AFreshFillWritesOnlyItsPlaceAndAFlippedOneReadsBackAsItWas) {
  TGradFill fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* p : {u"Color", u"NrColors", u"FillType", u"Grid", u"Frame"}) {
    EXPECT_EQ(text.find(p), String::npos) << ToUTF8(text);
  }
  grad->SetName(u"Grad1");
  grad->SetColorFirst(clMaroon);  // the default, flipped into the last place below
  grad->SetColorLast(clLime);
  grad->SetColorFlipped(true);
  grad->SetFillType(gtMidBandVert);
  grad->SetGridMode(gmBoth);
  grad->SetNrColors(40);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(grad)));
  auto* read = dynamic_cast<TGradFill*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_TRUE(read->ColorFlipped());
  EXPECT_EQ(read->ColorFirst(), clLime);
  EXPECT_EQ(read->ColorLast(), clMaroon);
  read->SetColorFlipped(false);
  EXPECT_EQ(read->ColorFirst(), clMaroon);
  EXPECT_EQ(read->ColorLast(), clLime);
  EXPECT_EQ(read->FillType(), gtMidBandVert);
  EXPECT_EQ(read->GridMode(), gmBoth);
  EXPECT_EQ(read->NrColors(), 40);
}

}  // namespace
