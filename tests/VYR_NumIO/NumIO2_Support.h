// Fixture of the compound numeric control tests: a form with one TNumIO2
// made by code and shown through the headless host, its OnChange and
// OnGaugeChange recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VYR_NumIO/VYR_NumIO.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace numio2test {

using namespace vcl;
using vyr::TNumIO2;

class NumIO2Fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 200);
    num = new TNumIO2(form.get());
    num->SetParent(form.get());
    num->SetName(u"Num");
    num->SetOnChange([this](TObject*) { ++changes; });
    num->SetOnGaugeChange([this](TObject*, TShiftState, double V) { gauge.push_back(V); });
    headless::Snapshot(num);  // the window exists from here on: the control paints
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }

  std::string Text() const { return ToUTF8(num->Text()); }
  // Types S with the caret at Pos (-1: the end).
  void TypeAt(int Pos, const String& S) {
    num->SetSelBegin(Pos < 0 ? static_cast<int>(num->Text().size()) : Pos);
    headless::Type(num, S);
  }
  void Key(std::uint16_t K, TShiftState Shift = {}) {
    headless::KeyDown(num, K, Shift);
    headless::KeyUp(num, K, Shift);
  }
  // The control as shown, and one pixel of it as RGB.
  std::unique_ptr<TBitmap> Shot() { return headless::Snapshot(num); }
  static TColor Px(TBitmap& B, int X, int Y) { return B.Canvas()->Pixels(X, Y) & 0xFFFFFF; }
  static TColor Rgb(TColor C) { return ColorToRGB(C) & 0xFFFFFF; }
  // Text widths in the control's font, measured apart from the control.
  int TextWidthOf(const String& S) {
    TBitmap b(4, 4);
    b.Canvas()->Font()->Assign(num->Font());
    return b.Canvas()->TextWidth(S);
  }
  int TextHeightOf(const String& S) {
    TBitmap b(4, 4);
    b.Canvas()->Font()->Assign(num->Font());
    return b.Canvas()->TextHeight(S);
  }

  std::unique_ptr<TForm> form;
  TNumIO2* num = nullptr;
  int changes = 0;
  std::vector<double> gauge;
};

}  // namespace numio2test
