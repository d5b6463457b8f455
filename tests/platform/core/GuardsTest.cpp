// The state guards: flags and canvas state come back at the end of the
// scope, when it is left by an exception too, and guards nest.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/Guards.h"

namespace {

using namespace vcl;

TEST(Guards, AFlagIsSetForTheScopeAndPutBackEvenOnAnException) {
  bool flag = false;
  {
    TFlagGuard outer(flag);
    EXPECT_TRUE(flag);
    {
      TFlagGuard inner(flag, false);
      EXPECT_FALSE(flag);
    }
    EXPECT_TRUE(flag);  // nested guards put back what they found
  }
  EXPECT_FALSE(flag);
  try {
    TFlagGuard g(flag);
    throw std::runtime_error("handler failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(flag);
}

TEST(Guards, TheCanvasGetsItsPenBrushAndFontBack) {
  TBitmap b(4, 4);
  TCanvas& c = *b.Canvas();
  c.Pen()->SetColor(clRed);
  c.Pen()->SetWidth(3);
  c.Brush()->SetStyle(bsClear);
  c.Font()->SetName(u"Courier New");
  c.Font()->SetSize(14);
  try {
    TCanvasStateGuard keep(c);
    c.Pen()->SetColor(clLime);
    c.Pen()->SetWidth(1);
    c.Brush()->SetColor(clBlue);  // makes the brush solid
    c.Font()->SetSize(6);
    c.Font()->SetStyle({fsBold});
    throw std::runtime_error("handler failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(c.Pen()->Color(), clRed);
  EXPECT_EQ(c.Pen()->Width(), 3);
  EXPECT_EQ(c.Brush()->Style(), bsClear);
  EXPECT_EQ(c.Font()->Name(), u"Courier New");
  EXPECT_EQ(c.Font()->Size(), 14);
  EXPECT_FALSE(c.Font()->Style().Contains(fsBold));
}

}  // namespace
