// The rotated label: the text origin rule, where the drawn text lies for
// the three alignments at several angles, centring, smoothing, the engraved
// disabled look, frames, transparency, assigning and form files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "VYR_RotLab/VYR_RotLab.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;
using namespace vyr;

struct OriginCase {
  int W, H, Angle;
  TAlignment Align;
  int Dx, Dy;  // worked out by hand from the rule
};

TEST(RotLabOrigin, TheCellCornerLiesWhereTheAnchorRuleSays) {
  // hw = 50, hh = 10 for 100 × 20; sin 30° = 0.5, cos 30° = 0.866.
  const OriginCase cases[] = {
      {100, 20, 0, taLeftJustify, 0, -10},    {100, 20, 0, taCenter, -50, -10},
      {100, 20, 0, taRightJustify, -100, -10}, {100, 20, 90, taLeftJustify, -10, 0},
      {100, 20, 90, taCenter, -10, 50},        {100, 20, 90, taRightJustify, -10, 100},
      {100, 20, 180, taLeftJustify, 0, 10},    {100, 20, 180, taRightJustify, 100, 10},
      {100, 20, 270, taCenter, 10, -50},       {100, 20, 30, taCenter, -48, 16},
      {100, 20, 30, taLeftJustify, -5, -9},    {100, 20, -90, taRightJustify, 10, -100},
      {101, 21, 0, taCenter, -50, -10},        // odd sizes: integer halves
  };
  for (const OriginCase& c : cases) {
    TPoint p = RotLabTextOrigin(60, 70, c.W, c.H, c.Angle, c.Align);
    EXPECT_EQ(p.X, 60 + c.Dx) << c.Angle << " " << int(c.Align);
    EXPECT_EQ(p.Y, 70 + c.Dy) << c.Angle << " " << int(c.Align);
  }
}

class RotLabOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 400);
    form->SetColor(clWhite);
    label = new TRotLab(form.get());
    label->SetParent(form.get());
    label->SetBounds(0, 0, 240, 240);
    label->SetCaption(u"HHHHHH");
    label->SetFrameStyle(fsNoFrame);
    label->SetAntiAlias(false);
    label->Font()->SetColor(clBlack);
  }
  void TearDown() override { form.reset(); }

  // The box of every pixel in the text color.
  TRect Ink(TColor Ink = clBlack) {
    auto shot = headless::Snapshot(label);
    TRect box(1 << 20, 1 << 20, -1, -1);
    for (int y = 0; y < shot->Height(); ++y) {
      for (int x = 0; x < shot->Width(); ++x) {
        if (shot->Canvas()->Pixels(x, y) != Ink) continue;
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
    }
    return box;
  }
  TSize TextSize() {
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(label->Font());
    return b.Canvas()->TextExtent(label->Caption());
  }

  std::unique_ptr<TForm> form;
  TRotLab* label = nullptr;
};

// Along the text line the anchored point lies on the anchor (within the
// side bearing of the glyphs); across it the ink stays inside the text cell
// centred on the anchor.
TEST_F(RotLabOnForm, TheAlignmentPointOfTheTextLineLiesOnTheAnchor) {
  const TSize size = TextSize();
  const int hh = size.cy / 2, anchor = 120, slack = 3;
  struct Case {
    int Angle;
    TAlignment Align;
  };
  for (Case c : {Case{0, taLeftJustify}, {0, taCenter}, {0, taRightJustify},
                 {90, taLeftJustify}, {90, taCenter}, {90, taRightJustify},
                 {180, taLeftJustify}, {180, taCenter}, {270, taRightJustify}}) {
    label->SetTextAngle(c.Angle);
    label->SetAlignment(c.Align);
    TRect ink = Ink();
    const bool across = c.Angle == 90 || c.Angle == 270;
    // The ink extent along the line and across it.
    int lo = across ? ink.Top : ink.Left, hi = across ? ink.Bottom : ink.Right;
    int plo = across ? ink.Left : ink.Top, phi = across ? ink.Right : ink.Bottom;
    // Direction of reading along the screen axis: +1 right or down.
    int dir = (c.Angle == 0 || c.Angle == 270) ? 1 : -1;
    int start = dir > 0 ? lo : hi;  // where reading starts
    int end = dir > 0 ? hi : lo;
    SCOPED_TRACE(testing::Message() << "angle " << c.Angle << " alignment " << int(c.Align));
    int anchored = c.Align == taLeftJustify    ? start
                   : c.Align == taRightJustify ? end
                                               : (lo + hi) / 2;
    EXPECT_NEAR(anchored, anchor, slack);
    EXPECT_NEAR(std::abs(hi - lo), size.cx, 2 * slack);
    EXPECT_GE(plo, anchor - hh - 1);
    EXPECT_LE(phi, anchor + hh + 1);
  }
}

TEST_F(RotLabOnForm, AutoCenterKeepsTheAnchorOnTheCentreThroughResizes) {
  EXPECT_EQ(label->PosX(), 120);
  label->SetPosX(5);  // discarded: the anchor stays centred
  EXPECT_EQ(label->PosX(), 120);
  int resized = 0;
  label->SetOnResize([&](TObject*) { ++resized; });
  label->SetBounds(0, 0, 101, 60);
  EXPECT_EQ(resized, 1);
  EXPECT_EQ(label->PosX(), 50);
  EXPECT_EQ(label->PosY(), 30);
  label->SetAutoCenter(false);
  label->SetPosX(7);
  label->SetBounds(0, 0, 200, 200);
  EXPECT_EQ(label->PosX(), 7);
  EXPECT_EQ(label->PosY(), 30);
  label->SetAutoCenter(true);
  EXPECT_EQ(label->PosX(), 100);
}

TEST_F(RotLabOnForm, AntiAliasSmoothsTheGlyphsAndTheDefaultQualityDoesNot) {
  label->SetTextAngle(30);
  auto colors = [&] {
    auto shot = headless::Snapshot(label);
    std::set<TColor> seen;
    for (int y = 0; y < shot->Height(); ++y)
      for (int x = 0; x < shot->Width(); ++x) seen.insert(shot->Canvas()->Pixels(x, y));
    return seen;
  };
  EXPECT_EQ(colors(), (std::set<TColor>{clWhite, clBlack}));
  label->SetAntiAlias(true);
  EXPECT_GT(colors().size(), 2u);
}

TEST_F(RotLabOnForm, ADisabledLabelShowsItsTextEngraved) {
  form->SetColor(clNavy);  // so that the highlight copy shows everywhere
  label->SetEnabled(false);
  TRect shadow = Ink(ColorToRGB(clBtnShadow));
  TRect highlight = Ink(ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Ink(clBlack).Right, -1);  // nothing in the enabled color
  ASSERT_GT(shadow.Right, 0);
  // The highlight copy lies one pixel right and down of the shadow copy.
  EXPECT_EQ(highlight.Left, shadow.Left + 1);
  EXPECT_EQ(highlight.Top, shadow.Top + 1);
  EXPECT_EQ(highlight.Right, shadow.Right + 1);
  EXPECT_EQ(highlight.Bottom, shadow.Bottom + 1);
}

TEST_F(RotLabOnForm, AnOpaqueLabelFillsWithColorAndATransparentOneShowsTheForm) {
  label->SetCaption(u"");
  label->SetTransparent(false);
  label->SetColor(clAqua);
  EXPECT_EQ(headless::Snapshot(label)->Canvas()->Pixels(5, 5), clAqua);
  label->SetTransparent(true);
  EXPECT_EQ(headless::Snapshot(label)->Canvas()->Pixels(5, 5), clWhite);
}

TEST_F(RotLabOnForm, TheFrameLiesOnTheOutermostPixels) {
  label->SetFrameStyle(fsLowered);
  auto shot = headless::Snapshot(label);
  EXPECT_EQ(shot->Canvas()->Pixels(0, 50), clGray);
  EXPECT_EQ(shot->Canvas()->Pixels(1, 50), clBlack);
  EXPECT_EQ(shot->Canvas()->Pixels(239, 50), clWhite);
  EXPECT_EQ(shot->Canvas()->Pixels(238, 50), clSilver);
  label->SetFrameStyle(fsSimple);
  shot = headless::Snapshot(label);
  EXPECT_EQ(shot->Canvas()->Pixels(100, 239), clBlack);
  EXPECT_EQ(shot->Canvas()->Pixels(100, 238), clWhite);
}

TEST_F(RotLabOnForm, AssignCopiesTheTurnAndRefusesOtherLabels) {
  label->SetAutoCenter(false);
  label->SetTextAngle(45);
  label->SetPosX(3);
  label->SetPosY(4);
  label->SetAntiAlias(true);
  label->SetFrameStyle(fsBump);
  TRotLab copy(nullptr);
  copy.Assign(label);
  EXPECT_EQ(copy.TextAngle(), 45);
  EXPECT_EQ(copy.PosX(), 3);
  EXPECT_EQ(copy.PosY(), 4);
  EXPECT_FALSE(copy.AutoCenter());
  EXPECT_TRUE(copy.AntiAlias());
  EXPECT_EQ(copy.FrameStyle(), fsBump);
  TLabel plain(nullptr);
  EXPECT_THROW(plain.Assign(label), EConvertError);
  EXPECT_THROW(label->Assign(&plain), EConvertError);
}

TEST_F(RotLabOnForm, AFreshLabelWritesOnlyItsPlaceAndASetOneReadsBack) {
  TRotLab fresh(nullptr);
  EXPECT_EQ(fresh.Font()->Name(), u"Arial");
  EXPECT_EQ(fresh.Font()->Size(), 11);
  EXPECT_EQ(fresh.Width(), 200);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* p : {u"Font", u"Color", u"Angle", u"Pos", u"Auto", u"Transparent",
                            u"Alignment", u"Frame", u"Parent"}) {
    EXPECT_EQ(text.find(p), String::npos) << ToUTF8(text);
  }
  label->SetName(u"Rot1");
  label->SetAutoCenter(false);
  label->SetPosX(33);
  label->SetTextAngle(-15);
  label->SetAlignment(taRightJustify);
  label->SetTransparent(false);
  label->SetColor(clYellow);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(label)));
  auto* read = dynamic_cast<TRotLab*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->PosX(), 33);
  EXPECT_EQ(read->TextAngle(), -15);
  EXPECT_EQ(read->Alignment(), taRightJustify);
  EXPECT_FALSE(read->Transparent());
  EXPECT_EQ(read->Color(), clYellow);
  EXPECT_EQ(read->Caption(), u"HHHHHH");
  EXPECT_FALSE(read->AntiAlias());
}

// Sizes read from a form file reach the label while it loads (no resize
// then): a centred label is centred on the size it was read with, on a form
// and alone, and one without AutoCenter keeps the anchor the file gives.
TEST(RotLabFromForm, AutoCenterCentresOnTheSizeReadFromTheFile) {
  struct Case { int W, H; bool Auto; };
  for (Case c : {Case{48, 206, true}, Case{131, 57, true}, Case{90, 90, false}}) {
    SCOPED_TRACE(std::to_string(c.W) + "x" + std::to_string(c.H));
    TForm form(nullptr);
    auto* label = new TRotLab(&form);
    label->SetName(u"Axis");
    label->SetParent(&form);
    label->SetBounds(3, 4, c.W, c.H);
    label->SetAutoCenter(c.Auto);
    label->SetPosX(7);
    label->SetPosY(9);
    label->SetTextAngle(90);
    std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(&form)));
    auto* read = dynamic_cast<TRotLab*>(back->FindComponent(u"Axis"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->PosX(), c.Auto ? c.W / 2 : 7);
    EXPECT_EQ(read->PosY(), c.Auto ? c.H / 2 : 9);
    std::unique_ptr<TComponent> alone(ReadComponentFromText(WriteComponentToText(label)));
    EXPECT_EQ(dynamic_cast<TRotLab*>(alone.get())->PosX(), c.Auto ? c.W / 2 : 7);
  }
}

}  // namespace
