// The color button: lightening under the mouse, the attached dialog
// (answered by the headless handler) and its result, caption contrast,
// and form files with the dialog referred to by name.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "VYR_Colbut/VYR_Colbut.h"
#include "companion/basepack/VYR_vyrcolors.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace colbuttest {
namespace {

using namespace vcl;
using namespace vyr;

TEST(ColorButtonRules, HoverLightnessRisesByAFifthThenHalfwayToWhite) {
  struct Case {
    double L, Want;
  } cases[] = {{0.0, 0.2},  {0.1, 0.3},  {0.3, 0.5}, {0.31, 0.655},
               {0.5, 0.75}, {0.9, 0.95}, {1.0, 1.0}};
  for (const Case& c : cases) EXPECT_NEAR(colbut::HoverLightness(c.L), c.Want, 1e-12) << c.L;
  EXPECT_LE(colbut::HoverLightness(1.5), 1.0);
}

TEST(ColorButtonRules, HoverColorsKeepHueAndSaturation) {
  for (TColor c : {clNavy, clMaroon, clTeal, RGB(200, 120, 40), clGray, clBtnFace}) {
    double h0, s0, l0, h1, s1, l1;
    ColorToHSL(c, h0, s0, l0);
    const TColor lit = colbut::HoverColor(c);
    EXPECT_EQ(lit, HSLtoColor(h0, s0, colbut::HoverLightness(l0))) << c;
    ColorToHSL(lit, h1, s1, l1);
    EXPECT_GT(l1, l0 - 1e-9) << c;
  }
}

TEST(ColorButtonRules, CaptionsContrastWithTheirColor) {
  struct Case {
    TColor Color;
    bool ParentBackground;
    TColor Want;
  } cases[] = {
      {RGB(96, 96, 96), false, clWhite}, {RGB(97, 97, 97), false, clBlack},
      {clNavy, false, clWhite},          {clYellow, false, clBlack},
      {clNavy, true, clWindowText},      {clYellow, true, clWindowText},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(colbut::CaptionColor(c.Color, c.ParentBackground), c.Want) << c.Color;
  }
  EXPECT_EQ(ColorToGray(RGB(96, 96, 96)), 96);
  EXPECT_EQ(ColorToGray(RGB(97, 97, 97)), 97);
}

class ColorButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    form->SetName(u"Form1");
    button = new TColorButton(form.get());
    button->SetName(u"Swatch1");
    button->SetParent(form.get());
    button->SetBounds(20, 20, 80, 40);
    button->SetCaption(u"Pick");
    button->SetColor(clNavy);
    button->SetOnClick([this](TObject*) { log.push_back("click"); });
    button->SetOnChange([this](TObject*) { log.push_back("change"); });
    dialog = new TColorDialog(form.get());
    dialog->SetName(u"ColorDialog1");
    headless::SetColorDialogHandler([this](TColorDialog& d) {
      log.push_back("dialog");
      preset = d.Color();
      d.SetColor(answer);
      return accept;
    });
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }

  std::unique_ptr<TForm> form;
  TColorButton* button = nullptr;
  TColorDialog* dialog = nullptr;
  std::vector<std::string> log;
  TColor preset = 0, answer = clYellow;
  bool accept = true;
};

TEST_F(ColorButtonTest, Defaults) {
  TColorButton fresh(nullptr);
  EXPECT_EQ(fresh.ColorDialog(), nullptr);
  EXPECT_FALSE(fresh.ParentBackground());
  EXPECT_EQ(fresh.BakColor(), clBtnFace);
  EXPECT_EQ(fresh.Color(), clBtnFace);
}

TEST_F(ColorButtonTest, TheButtonLightsUpWhileTheMouseIsOverIt) {
  headless::MouseMove(button, {}, 10, 10);
  EXPECT_EQ(button->Color(), colbut::HoverColor(clNavy));
  EXPECT_EQ(button->BakColor(), clNavy);
  EXPECT_EQ(headless::Snapshot(button)->Canvas()->Pixels(40, 5),
            ColorToRGB(colbut::HoverColor(clNavy)));
  headless::MouseLeave(button);
  EXPECT_EQ(button->Color(), clNavy);
}

TEST_F(ColorButtonTest, WithoutADialogAClickOnlyClicks) {
  headless::Click(button, 10, 10);
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
  headless::MouseLeave(button);
  EXPECT_EQ(button->Color(), clNavy);
}

TEST_F(ColorButtonTest, TheDialogsColorIsAppliedWithAContrastingCaption) {
  button->SetColorDialog(dialog);
  headless::Click(button, 10, 10);
  EXPECT_EQ(preset, colbut::HoverColor(clNavy));  // the color shown when clicked
  EXPECT_EQ(button->Color(), clYellow);
  EXPECT_EQ(button->Font()->Color(), clBlack);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "dialog", "change"}));
  headless::MouseLeave(button);
  EXPECT_EQ(button->Color(), clYellow);  // the choice stays when the mouse leaves
  answer = clMaroon;
  headless::Click(button, 10, 10);
  EXPECT_EQ(button->Color(), clMaroon);
  EXPECT_EQ(button->Font()->Color(), clWhite);
  button->SetParentBackground(true);
  headless::Click(button, 10, 10);
  EXPECT_EQ(button->Font()->Color(), clWindowText);
}

TEST_F(ColorButtonTest, CancellingLeavesColorFontAndEvents) {
  button->SetColorDialog(dialog);
  button->Font()->SetColor(clRed);
  accept = false;
  headless::Click(button, 10, 10);
  EXPECT_EQ(button->Font()->Color(), clRed);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "dialog"}));
  headless::MouseLeave(button);
  EXPECT_EQ(button->Color(), clNavy);
}

TEST_F(ColorButtonTest, AColorSetByCodeWhileHoveredStays) {
  headless::MouseMove(button, {}, 10, 10);
  button->SetColor(clLime);
  headless::MouseLeave(button);
  EXPECT_EQ(button->Color(), clLime);
}

TEST_F(ColorButtonTest, AFreedDialogIsForgotten) {
  button->SetColorDialog(dialog);
  delete dialog;
  EXPECT_EQ(button->ColorDialog(), nullptr);
  headless::Click(button, 10, 10);
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
}

TEST_F(ColorButtonTest, FormFilesReferToTheDialogByName) {
  TColorButton fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* name : {u"ParentBackground", u"ColorDialog", u"Color =", u"Caption"}) {
    EXPECT_EQ(text.find(name), String::npos) << ToUTF8(name) << "\n" << ToUTF8(text);
  }
  button->SetColorDialog(dialog);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(form.get())));
  auto* copy = dynamic_cast<TColorButton*>(back->FindComponent(u"Swatch1"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ColorDialog(), back->FindComponent(u"ColorDialog1"));
  EXPECT_EQ(copy->Color(), clNavy);
  EXPECT_FALSE(copy->ParentBackground());
}

}  // namespace
}  // namespace colbuttest
