// Mouse scripts on the compound control: the caret and selection in the
// text strip, the gauge (press, drag, pivots, events) and the step buttons
// with and without pivots.
#include <cmath>

#include "NumIO2_Support.h"

namespace numio2test {
namespace {

class NumIO2Mouse : public NumIO2Fixture {
 protected:
  void SetUp() override {
    NumIO2Fixture::SetUp();
    num->SetAlignment(taLeftJustify);
  }
  // The x of the caret position K by the average character width, as a
  // press there is read: the number starts at LeftSpace + 4.
  int XOfChar(int K) {
    const String& t = num->Text();
    const int a = TextWidthOf(t) / static_cast<int>(t.size());
    return num->LeftSpace() + 3 + K * a;
  }
  void ShowGauge() {
    num->SetHeight(40);
    num->SetGaugeVisible(true);  // 82 wide from 35, at y 31..38
  }
  // The value the gauge gives at X by its rule, in the text's two places.
  double GaugeValue(int X) const {
    const double v = num->RangeLow() + static_cast<double>(X - num->GaugeLeftMargin()) /
                                           num->GaugeWidth() * (num->RangeHigh() - num->RangeLow());
    return std::round(v * 100) / 100;
  }
};

TEST_F(NumIO2Mouse, PressPutsTheCaretOnTheNearestCharacter) {
  num->SetText(u"12345.5");
  for (int k = 0; k <= 7; ++k) {
    headless::Click(num, XOfChar(k), 10);
    EXPECT_EQ(num->CaretPos(), k);
    EXPECT_EQ(num->SelBegin(), k);
    EXPECT_EQ(num->SelEnd(), k);
  }
  headless::Click(num, 2, 10);  // on the left caption: the first place
  EXPECT_EQ(num->CaretPos(), 0);
  headless::Click(num, 150, 10);  // right of the box: the last
  EXPECT_EQ(num->CaretPos(), 7);
  num->SetText(u"");
  headless::Click(num, 60, 10);
  EXPECT_EQ(num->CaretPos(), 0);
  EXPECT_TRUE(num->Focused());
}

TEST_F(NumIO2Mouse, DragSelectsBetweenPressAndPointer) {
  num->SetText(u"123456");
  headless::MouseDown(num, mbLeft, {}, XOfChar(2), 10);
  headless::MouseMove(num, {ssLeft}, XOfChar(5), 10);
  EXPECT_EQ(num->SelBegin(), 2);
  EXPECT_EQ(num->SelEnd(), 5);
  headless::MouseMove(num, {ssLeft}, XOfChar(1), 10);  // back past the press
  EXPECT_EQ(num->SelBegin(), 1);
  EXPECT_EQ(num->SelEnd(), 2);
  EXPECT_EQ(num->CaretPos(), 1);
  headless::MouseUp(num, mbLeft, {}, XOfChar(1), 10);
  headless::MouseMove(num, {}, XOfChar(6), 10);  // no button: nothing changes
  EXPECT_EQ(num->SelEnd(), 2);
  EXPECT_EQ(changes, 0);
}

TEST_F(NumIO2Mouse, GaugePressSetsTheValueAndChangesAtRelease) {
  ShowGauge();
  for (int x : {35, 36, 76, 100, 117}) {
    changes = 0;
    headless::MouseDown(num, mbLeft, {}, x, 35);
    EXPECT_DOUBLE_EQ(num->Value(), GaugeValue(x)) << x;
    EXPECT_EQ(changes, 0);
    headless::MouseUp(num, mbLeft, {}, x, 35);
    EXPECT_EQ(changes, 1);
  }
  // Left of the gauge and on the strip's bottom line nothing is set.
  num->SetValue(5);
  headless::Click(num, 34, 35);
  headless::Click(num, 60, 28);
  EXPECT_DOUBLE_EQ(num->Value(), 5.0);
}

TEST_F(NumIO2Mouse, GaugeDragReportsEveryMoveAndHoldsTheEnds) {
  ShowGauge();
  headless::MouseDown(num, mbLeft, {}, 50, 35);
  for (int x : {60, 90, 300, -40}) headless::MouseMove(num, {ssLeft}, x, 35);
  ASSERT_EQ(gauge.size(), 4u);
  EXPECT_DOUBLE_EQ(gauge[0], GaugeValue(60));
  EXPECT_DOUBLE_EQ(gauge[1], GaugeValue(90));
  EXPECT_DOUBLE_EQ(gauge[2], 1000.0);
  EXPECT_DOUBLE_EQ(gauge[3], 0.0);
  // Moving up into the text strip goes on with the gauge, not the selection.
  headless::MouseMove(num, {ssLeft}, 76, 10);
  EXPECT_DOUBLE_EQ(num->Value(), GaugeValue(76));
  EXPECT_EQ(num->SelBegin(), num->SelEnd());
  EXPECT_EQ(changes, 0);
  headless::MouseUp(num, mbLeft, {}, 76, 10);
  EXPECT_EQ(changes, 1);
}

TEST_F(NumIO2Mouse, GaugeSnapsToPivots) {
  ShowGauge();
  num->SetButtonPivots({0, 100, 900, 1050});
  struct Case { int X; double Value; };
  // 40 is worth 60.98 (nearest 100), 56 worth 256.1, 83 worth 585.4 (900),
  // 117 worth 1000 (nearest 1050, beyond the range: 1000).
  const Case cases[] = {{35, 0}, {40, 100}, {56, 100}, {83, 900}, {117, 1000}};
  for (const Case& k : cases) {
    headless::Click(num, k.X, 35);
    EXPECT_DOUBLE_EQ(num->Value(), k.Value) << k.X;
  }
}

TEST_F(NumIO2Mouse, ButtonsStepByTheIncrementWithinTheRange) {
  num->SetButVisible(true);  // x 118..136, up y 1..14, down 15..27
  num->SetButIncrem(2.5);
  num->SetValue(0);
  struct Case { int Y; double Value; int Changes; };
  const Case cases[] = {{5, 2.5, 1}, {14, 5, 2}, {15, 2.5, 3}, {27, 0, 4}, {20, 0, 4}};
  for (const Case& k : cases) {
    headless::Click(num, 125, k.Y);
    EXPECT_DOUBLE_EQ(num->Value(), k.Value) << k.Y;
    EXPECT_EQ(changes, k.Changes) << k.Y;
  }
  num->SetValue(999);
  headless::Click(num, 125, 5);
  EXPECT_DOUBLE_EQ(num->Value(), 1000.0);
  EXPECT_EQ(Text(), "1000.00");
  headless::Click(num, 118, 5);  // the buttons' left edge is not theirs
  headless::Click(num, 136, 5);
  EXPECT_DOUBLE_EQ(num->Value(), 1000.0);
}

TEST_F(NumIO2Mouse, ButtonsStepFromPivotToPivot) {
  num->SetButVisible(true);
  num->SetButtonPivots({0, 10, 20});
  struct Case { double From; int Y; double To; };
  const Case cases[] = {{10, 5, 20}, {10, 20, 0}, {14, 20, 10}, {14, 5, 20}, {20, 5, 20}, {-5, 20, -5}};
  for (const Case& k : cases) {
    num->SetValue(k.From);
    headless::Click(num, 125, k.Y);
    EXPECT_DOUBLE_EQ(num->Value(), k.To) << k.From << (k.Y < 15 ? " up" : " down");
  }
}

TEST_F(NumIO2Mouse, AreaCodeAndOtherButtons) {
  struct Case { int X, Code; };
  for (const Case& k : {Case{10, 0}, Case{35, 0}, Case{36, 1}, Case{115, 1}, Case{116, 2}, Case{150, 2}}) {
    headless::MouseMove(num, {}, k.X, 10);
    EXPECT_EQ(num->MouseAreaCode(), k.Code) << k.X;
  }
  ShowGauge();
  num->SetButVisible(true);
  num->SetValue(5);
  int downs = 0;
  num->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  headless::MouseDown(num, mbRight, {}, 100, 35);
  headless::MouseUp(num, mbRight, {}, 100, 35);
  headless::MouseDown(num, mbRight, {}, 125, 5);
  headless::MouseUp(num, mbRight, {}, 125, 5);
  EXPECT_DOUBLE_EQ(num->Value(), 5.0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(downs, 2);
}

}  // namespace
}  // namespace numio2test
