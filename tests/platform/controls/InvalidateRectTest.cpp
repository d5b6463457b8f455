// Invalidating part of a control: only that part is painted again, clipped
// to the control and its parents.
#include "TestControls.h"

namespace vcltest {
namespace {

class InvalidateRectTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 120, 90);
    g = new TFillGraphic(form.get(), clBlue);
    g->SetParent(form.get());
    g->SetBounds(20, 10, 40, 30);
    headless::Snapshot(form.get());
  }
  void TearDown() override {
    form.reset();
    HeadlessTest::TearDown();
  }
  std::unique_ptr<TForm> form;
  TFillGraphic* g = nullptr;
};

TEST_F(InvalidateRectTest, OnlyThePartIsPaintedAgain) {
  // Red from now on: what is painted again turns red, the rest stays blue.
  g->Fill = clRed;
  const struct {
    TRect Part;       // control coordinates
    TPoint Red, Blue;  // control coordinates of a repainted and a kept pixel
  } cases[] = {
      {Rect(5, 5, 10, 8), {5, 5}, {10, 5}},
      {Rect(5, 5, 10, 8), {9, 7}, {9, 8}},
      {Rect(-10, -10, 3, 2), {2, 1}, {3, 1}},   // clipped to the control
      {Rect(35, 25, 90, 90), {39, 29}, {34, 29}},
  };
  for (const auto& c : cases) {
    g->Fill = clBlue;
    g->Repaint();
    g->Fill = clRed;
    g->InvalidateRect(c.Part);
    auto shot = headless::Snapshot(g);
    EXPECT_EQ(PixelAt(shot, c.Red.X, c.Red.Y), clRed) << c.Part.Left << "," << c.Part.Top;
    EXPECT_EQ(PixelAt(shot, c.Blue.X, c.Blue.Y), clBlue) << c.Part.Left << "," << c.Part.Top;
  }
  // Nothing of the form around the control changed.
  auto all = headless::Snapshot(form.get());
  EXPECT_EQ(PixelAt(all, 19, 10), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(all, 60, 39), ColorToRGB(clBtnFace));
}

TEST_F(InvalidateRectTest, APartOutsideTheControlPaintsNothing) {
  const int before = g->PaintCount;
  g->InvalidateRect(Rect(40, 0, 60, 10));
  g->InvalidateRect(Rect(5, 5, 5, 9));  // empty
  headless::Snapshot(form.get());
  EXPECT_EQ(g->PaintCount, before);
}

}  // namespace
}  // namespace vcltest
