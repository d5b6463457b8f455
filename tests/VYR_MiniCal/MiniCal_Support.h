// Fixture of the calendar tests: a form with one calendar on a fixed date,
// OnChange counted, on a clean headless host.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "VYR_MiniCal/VYR_MiniCal.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace minicaltest {

using namespace vcl;
using namespace vyr;

class MiniCalFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    cal = new TMiniCal(form.get());
    cal->SetName(u"Cal1");
    cal->SetParent(form.get());
    cal->SetLeft(10);
    cal->SetTop(10);
    cal->SetDate(EncodeDate(2025, 3, 15));
    cal->SetOnChange([this](TObject* Sender) {
      EXPECT_EQ(Sender, cal);
      ++changes;
    });
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }

  void Select(int Y, int M, int D) {
    cal->SetDate(EncodeDate(Y, M, D));
    changes = 0;
  }
  bool Is(int Y, int M, int D) const { return cal->Date() == EncodeDate(Y, M, D); }
  // The calendar draws inside a one-pixel border: client point (x, y) is
  // control point (x + 1, y + 1).
  static constexpr int Border = 1;
  TPoint CellCentre(int ACol, int ARow) const {
    const TRect r = cal->CellRect(ACol, ARow);
    return {(r.Left + r.Right) / 2 + Border, (r.Top + r.Bottom) / 2 + Border};
  }
  void ClickCell(int ACol, int ARow) {
    const TPoint p = CellCentre(ACol, ARow);
    headless::Click(cal, p.X, p.Y);
  }
  // A snapshot of the calendar and a pixel of it in client coordinates.
  void Shoot() { shot = headless::Snapshot(cal); }
  TColor Pixel(int X, int Y) const { return shot->Canvas()->Pixels(X + Border, Y + Border); }

  std::unique_ptr<TForm> form;
  TMiniCal* cal = nullptr;
  std::unique_ptr<TBitmap> shot;
  int changes = 0;
};

}  // namespace minicaltest
