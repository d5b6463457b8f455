// Values, limits and thresholds: clamping, the setters pushing each other
// along, the alarm flags and the range events.
#include <cmath>
#include <limits>

#include "MeterTestUtil.h"
#include "platform/Streaming.h"

namespace metertest {
namespace {

class MeterValuesTest : public MeterTest {
 protected:
  void SetUp() override {
    MeterTest::SetUp();
    Meter->SetOnOverFlow([this](TObject*) { Events += 'O'; });
    Meter->SetOnNormalRange([this](TObject*) { Events += 'N'; });
    Meter->SetOnUnderFlow([this](TObject*) { Events += 'U'; });
  }
  std::string Take() {
    std::string e = Events;
    Events.clear();
    return e;
  }
  std::string Events;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// One event per accepted change, chosen by the zone of the stored value.
TEST_F(MeterValuesTest, EachAcceptedChangeFiresTheEventOfItsZone) {
  Meter->SetThresholdLow(0.2);
  Meter->SetThresholdHigh(0.8);
  Take();
  const struct {
    double Value;
    const char* Events;
    double Stored;
    bool High, Low;
  } steps[] = {
      {0.5, "N", 0.5, false, false},
      {0.9, "O", 0.9, true, false},
      {0.9, "", 0.9, true, false},  // unchanged: nothing
      {5, "O", 1, true, false},     // clamped to the maximum, still an accepted change
      {1, "", 1, true, false},
      {0.1, "U", 0.1, false, true},
      {0.2, "U", 0.2, false, true},  // at ThresholdLow
      {0.8, "O", 0.8, true, false},  // at ThresholdHigh
      {-3, "U", 0, false, true},
      {kNaN, "", 0, false, true},   // refused
      {0.21, "N", 0.21, false, false},
  };
  for (const auto& s : steps) {
    Meter->SetValue(s.Value);
    SCOPED_TRACE(s.Value);
    EXPECT_EQ(Take(), s.Events);
    EXPECT_DOUBLE_EQ(Meter->Value(), s.Stored);
    EXPECT_EQ(Meter->HighAlarm(), s.High);
    EXPECT_EQ(Meter->LowAlarm(), s.Low);
  }
}

TEST_F(MeterValuesTest, InvisibleNeedlesClearTheAlarmsWithoutEvents) {
  Meter->SetValue(1);
  ASSERT_TRUE(Meter->HighAlarm());
  Take();
  // The second needle starts invisible: stored and clamped, alarms cleared, silent.
  Meter->SetValueSec(7);
  EXPECT_DOUBLE_EQ(Meter->ValueSec(), 1);
  EXPECT_FALSE(Meter->HighAlarm());
  EXPECT_EQ(Take(), "");
  Meter->NeedleLayoutSec()->SetVisible(true);
  Meter->SetValueSec(0);
  EXPECT_EQ(Take(), "U");
  EXPECT_TRUE(Meter->LowAlarm());
  // The main needle's events follow its own layout's Visible.
  Meter->NeedleLayout()->SetVisible(false);
  Meter->SetValue(0.5);
  EXPECT_EQ(Take(), "");
  EXPECT_FALSE(Meter->LowAlarm());
}

TEST_F(MeterValuesTest, LimitsPushEachOtherAndTheValuesAlong) {
  Meter->SetMeterMaxValue(20);
  Meter->SetThresholdHigh(18);
  Meter->SetThresholdLow(12);
  Meter->SetMeterMinValue(10);
  Meter->SetValue(15);
  Meter->NeedleLayoutSec()->SetVisible(true);
  Meter->SetValueSec(16);
  Take();
  // A maximum below the minimum pulls the minimum to one less.
  Meter->SetMeterMaxValue(5);
  EXPECT_DOUBLE_EQ(Meter->MeterMinValue(), 4);
  for (double v : {Meter->Value(), Meter->ValueSec(), Meter->ThresholdLow(), Meter->ThresholdHigh()}) {
    EXPECT_DOUBLE_EQ(v, 5);
  }
  // A minimum above the maximum pushes the maximum to one more.
  Meter->SetMeterMinValue(30);
  EXPECT_DOUBLE_EQ(Meter->MeterMaxValue(), 31);
  for (double v : {Meter->Value(), Meter->ValueSec(), Meter->ThresholdLow(), Meter->ThresholdHigh()}) {
    EXPECT_DOUBLE_EQ(v, 30);
  }
  EXPECT_EQ(Take(), "");  // limits fire no events
  // Non-finite limits are refused.
  Meter->SetMeterMaxValue(std::numeric_limits<double>::infinity());
  Meter->SetMeterMinValue(kNaN);
  EXPECT_DOUBLE_EQ(Meter->MeterMinValue(), 30);
  EXPECT_DOUBLE_EQ(Meter->MeterMaxValue(), 31);
  // Where adding one changes nothing the scale still keeps an extent.
  Meter->SetMeterMinValue(1E300);
  EXPECT_GT(Meter->MeterMaxValue(), Meter->MeterMinValue());
}

TEST_F(MeterValuesTest, LogarithmicNeedsPositiveEndsAndKeepsThem) {
  Meter->SetLogarithmic(true);  // the minimum is 0
  EXPECT_FALSE(Meter->Logarithmic());
  Meter->SetMeterMinValue(1);
  Meter->SetMeterMaxValue(1000);
  Meter->SetLogarithmic(true);
  ASSERT_TRUE(Meter->Logarithmic());
  // Limits below 1E-100 are refused while logarithmic.
  for (double v : {0.0, -5.0, 1E-101}) {
    Meter->SetMeterMinValue(v);
    Meter->SetThresholdLow(v);
  }
  EXPECT_DOUBLE_EQ(Meter->MeterMinValue(), 1);
  EXPECT_DOUBLE_EQ(Meter->ThresholdLow(), 1);
  // A maximum below the minimum whose minus one is not positive leaves a tenth.
  Meter->SetMeterMaxValue(0.5);
  EXPECT_DOUBLE_EQ(Meter->MeterMinValue(), 0.05);
  EXPECT_TRUE(Meter->Logarithmic());
}

TEST_F(MeterValuesTest, ThresholdsPullEachOtherAndRecheckTheirAlarm) {
  Meter->SetValue(0.5);
  Take();
  Meter->SetThresholdLow(0.7);  // the value lies below: the low alarm
  EXPECT_DOUBLE_EQ(Meter->ThresholdHigh(), 1);
  EXPECT_TRUE(Meter->LowAlarm());
  EXPECT_EQ(Take(), "U");
  Meter->SetThresholdHigh(0.4);  // below ThresholdLow: pulls it down
  EXPECT_DOUBLE_EQ(Meter->ThresholdLow(), 0.4);
  EXPECT_TRUE(Meter->HighAlarm());
  EXPECT_TRUE(Meter->LowAlarm());  // the high setter leaves the low alarm alone
  EXPECT_EQ(Take(), "O");
  Meter->SetThresholdLow(0.9);  // above ThresholdHigh: pushes it up
  EXPECT_DOUBLE_EQ(Meter->ThresholdHigh(), 0.9);
  EXPECT_EQ(Take(), "U");
  Meter->SetThresholdLow(0.1);  // the value is above: the low alarm goes out, no event
  EXPECT_FALSE(Meter->LowAlarm());
  EXPECT_EQ(Take(), "");
  Meter->SetThresholdHigh(7);  // clamped to the maximum
  EXPECT_DOUBLE_EQ(Meter->ThresholdHigh(), 1);
  EXPECT_FALSE(Meter->HighAlarm());
}

// A handler runs once the state is complete and may set the value again.
TEST_F(MeterValuesTest, HandlersSeeTheNewStateAndMaySetValues) {
  int calls = 0;
  Meter->SetOnOverFlow([&](TObject* Sender) {
    ++calls;
    EXPECT_EQ(Sender, Meter);
    EXPECT_TRUE(Meter->HighAlarm());
    EXPECT_DOUBLE_EQ(Meter->Value(), 1);
    Meter->SetValue(0.5);
  });
  Meter->SetValue(3);
  EXPECT_EQ(calls, 1);
  EXPECT_DOUBLE_EQ(Meter->Value(), 0.5);
  EXPECT_FALSE(Meter->HighAlarm());
  EXPECT_EQ(Take(), "N");
}

TEST_F(MeterValuesTest, LoadingOnlyStoresAndLoadedClampsTheValue) {
  const String text =
      u"object M1: TMeter\n"
      u"  Value = 50.0\n"
      u"  ValueSec = -3.0\n"
      u"  Logarithmic = True\n"
      u"  MeterMinValue = 2.0\n"
      u"  MeterMaxValue = 20.0\n"
      u"  ThresholdHigh = 15.0\n"
      u"end\n";
  std::unique_ptr<TComponent> read(ReadComponentFromText(text));
  auto* m = dynamic_cast<TMeter*>(read.get());
  ASSERT_NE(m, nullptr);
  EXPECT_DOUBLE_EQ(m->Value(), 20);
  EXPECT_DOUBLE_EQ(m->ValueSec(), 2);
  EXPECT_TRUE(m->Logarithmic());  // stored before the limits made it possible
  EXPECT_DOUBLE_EQ(m->ThresholdHigh(), 15);
  EXPECT_FALSE(m->HighAlarm());  // loading classifies nothing
}

}  // namespace
}  // namespace metertest
