// Shared fixture of the on/off button tests: a clean headless host and a
// form with one button on it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "VYR_onoffbut/VYR_onoffbut.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace onofftest {

using namespace vcl;
using namespace vyr;

constexpr TColor FormColor = 0x336699;

class OnOffTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 420, 300);
    form->SetColor(FormColor);
    button = Make(10, 10);
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  TOnOffBut* Make(int Left, int Top) {
    auto* b = new TOnOffBut(form.get());
    b->SetParent(form.get());
    b->SetBounds(Left, Top, 100, 50);
    b->SetOnClick([this, b](TObject* Sender) {
      EXPECT_EQ(Sender, b);
      ++clicks;
    });
    return b;
  }
  // A point strictly inside the picture of B.
  static TPoint Inside(const TOnOffBut& B) {
    return Point(B.LeftSpace() + B.GlyphWidth() / 2, B.TopSpace() + B.GlyphHeight() / 2);
  }
  void ClickInside(TOnOffBut* B) {
    TPoint p = Inside(*B);
    headless::Click(B, p.X, p.Y);
  }
  static TColor At(const std::unique_ptr<TBitmap>& Shot, int X, int Y) {
    return Shot->Canvas()->Pixels(X, Y);
  }

  std::unique_ptr<TForm> form;
  TOnOffBut* button = nullptr;
  int clicks = 0;
};

inline std::string U8(const String& S) { return ToUTF8(S); }

}  // namespace onofftest
