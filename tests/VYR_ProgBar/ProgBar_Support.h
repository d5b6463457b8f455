// Fixture of the progress bar tests: a form with one bar made by code, on a
// clean headless host, and the rules of the bar written out plainly for the
// tests to compare with.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "VYR_ProgBar/VYR_ProgBar.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace progbartest {

using namespace vcl;
using namespace vyr;

class ProgBarFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    bar = new TProgBar(form.get());
    bar->SetName(u"Bar1");
    bar->SetParent(form.get());
    bar->SetLeft(10);
    bar->SetTop(10);
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  // A plain bar: no frames, no text, margin and background one color.
  void Plain(TColor Background = clWhite) {
    bar->SetFrameStyleOuter(fsNoFrame);
    bar->SetFrameStyleInner(fsNoFrame);
    bar->SetTextVisible(false);
    bar->SetColorMargin(Background);
    bar->SetColorBackGnd(Background);
  }
  void Shoot() { shot = headless::Snapshot(bar); }
  TColor Pixel(int X, int Y) const { return shot->Canvas()->Pixels(X, Y); }
  int Count(TColor Color) const {
    int n = 0;
    for (int y = 0; y < shot->Height(); ++y)
      for (int x = 0; x < shot->Width(); ++x) n += Pixel(x, y) == ColorToRGB(Color) ? 1 : 0;
    return n;
  }

  std::unique_ptr<TForm> form;
  TProgBar* bar = nullptr;
  std::unique_ptr<TBitmap> shot;
};

// Round as the run-time library does it: halves to even.
inline int RoundEven(double X) { return static_cast<int>(std::nearbyint(X)); }

// The bar's length by its rule.
inline int RuleLength(double Value, double Min, double Max, int Extent) {
  return RoundEven((Value - Min) / (Max - Min) * Extent);
}

// The gradient index of line h by its rule, limited to the table.
inline int RuleIndex(TColorMapping M, int H, int E, int N) {
  int k = 0;
  if (M == cgmCover) k = RoundEven(1023.0 * H / E);
  if (M == cgmStretch) k = RoundEven(1023.0 * H / N);
  if (M == cgmMove) k = RoundEven(1023.0 * H / E) - RoundEven(1023.0 * (N - 1) / E) + 1023;
  return k < 0 ? 0 : (k > 1023 ? 1023 : k);
}

}  // namespace progbartest
