// Shared fixture of the scroll bar tests: a headless form with a vertical
// TScrollBar on it, and a record of its events.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Forms.h"
#include "platform/ScrollBar.h"
#include "platform/hosts/headless/Headless.h"

namespace scrolltest {

using namespace vcl;

struct TScrollRecord {
  TScrollCode Code;
  int Pos;
  friend bool operator==(const TScrollRecord&, const TScrollRecord&) = default;
};

inline std::ostream& operator<<(std::ostream& Out, const TScrollRecord& R) {
  return Out << "{" << static_cast<int>(R.Code) << ", " << R.Pos << "}";
}

class BarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(0, 0, 400, 400);
    Bar = new TScrollBar(Form.get());
    Bar->SetParent(Form.get());
    Bar->SetKind(sbVertical);
    Bar->SetBounds(20, 10, ScrollBarThickness, 200);
    Bar->SetOnScroll([this](TObject*, TScrollCode Code, int& Pos) { Events.push_back({Code, Pos}); });
    Bar->SetOnChange([this](TObject*) { ++Changes; });
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }
  TScrollBarLayout Layout() const { return Bar->Layout(); }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  void Press(TPoint P) { headless::MouseDown(Bar, mbLeft, {}, P.X, P.Y); }
  void Move(TPoint P) { headless::MouseMove(Bar, {ssLeft}, P.X, P.Y); }
  void Release(TPoint P) { headless::MouseUp(Bar, mbLeft, {}, P.X, P.Y); }
  // The events since the last call.
  std::vector<TScrollRecord> Take() {
    std::vector<TScrollRecord> e;
    e.swap(Events);
    return e;
  }

  std::unique_ptr<TForm> Form;
  TScrollBar* Bar = nullptr;
  std::vector<TScrollRecord> Events;
  int Changes = 0;
};

}  // namespace scrolltest
