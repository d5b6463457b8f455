// The progress bar's automatic increment on the virtual clock: start and
// repeat phases, interval changes, stopping, the designer and refused
// timers.
#include <string>
#include <vector>

#include "ProgBar_Support.h"

namespace progbartest {
namespace {

class ProgBarTimerTest : public ProgBarFixture {
 protected:
  void SetUp() override {
    ProgBarFixture::SetUp();
    bar->SetValue(0);
    bar->SetOnAutoInc([this](TObject* Sender) {
      EXPECT_EQ(Sender, bar);
      ticks.push_back({headless::Now() - start, bar->Value()});
    });
  }
  void Start() {
    start = headless::Now();
    bar->SetAutoInc(true);
  }
  // Moves the clock to T ms after the start.
  void At(std::int64_t T) { headless::Advance(start + T - headless::Now()); }
  std::vector<std::int64_t> TickTimes() const {
    std::vector<std::int64_t> t;
    for (const auto& k : ticks) t.push_back(k.first);
    return t;
  }

  std::int64_t start = 0;
  std::vector<std::pair<std::int64_t, double>> ticks;
};

using Times = std::vector<std::int64_t>;

TEST_F(ProgBarTimerTest, StartPhaseThenRepeatPhase) {
  Start();
  EXPECT_TRUE(bar->IsStartPhase());
  At(1499);
  EXPECT_TRUE(ticks.empty());
  At(1500);
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].second, 1);  // the value grew before OnAutoInc
  EXPECT_FALSE(bar->IsStartPhase());
  At(3600);
  EXPECT_EQ(TickTimes(), (Times{1500, 2200, 2900, 3600}));
  EXPECT_EQ(bar->Value(), 4);
  bar->SetAutoInc(false);
  At(10000);
  EXPECT_EQ(ticks.size(), 4u);
}

TEST_F(ProgBarTimerTest, ValueGrowsPastMaxWithoutLimit) {
  bar->SetStartInterval(10);
  bar->SetRepeatInterval(10);
  bar->SetAutoIncStep(7.5);
  bar->SetValue(95);
  Start();
  At(30);
  EXPECT_EQ(bar->Value(), 95 + 3 * 7.5);
  EXPECT_GT(bar->BarLength(), 292);
}

TEST_F(ProgBarTimerTest, IntervalChangesRestartTheirPhase) {
  Start();
  At(1000);
  bar->SetStartInterval(800);  // the start phase again, from now
  At(1799);
  EXPECT_TRUE(ticks.empty());
  At(1800);
  EXPECT_EQ(TickTimes(), (Times{1800}));
  At(2000);
  bar->SetRepeatInterval(300);  // the repeat phase again, from now
  At(2299);
  EXPECT_EQ(ticks.size(), 1u);
  At(2900);
  EXPECT_EQ(TickTimes(), (Times{1800, 2300, 2600, 2900}));
  At(3000);
  bar->SetRepeatInterval(300);  // unchanged: nothing restarts
  At(3200);
  EXPECT_EQ(ticks.back().first, 3200);
  bar->SetOnAutoInc(bar->OnAutoInc());  // a new handler restarts the repeat phase
  At(3400);
  bar->SetOnAutoInc(bar->OnAutoInc());
  At(3699);
  EXPECT_EQ(ticks.back().first, 3200);
  At(3700);
  EXPECT_EQ(ticks.back().first, 3700);
}

TEST_F(ProgBarTimerTest, RepeatPhaseStartedBeforeTheFirstTickSkipsTheStartInterval) {
  Start();
  At(100);
  bar->SetRepeatInterval(250);
  At(350);
  EXPECT_EQ(TickTimes(), (Times{350}));
  At(600);
  EXPECT_EQ(TickTimes(), (Times{350, 600}));
}

TEST_F(ProgBarTimerTest, IntervalsBelowTenAndZeroStepsAreRefused) {
  bar->SetStartInterval(3);
  bar->SetRepeatInterval(-8);
  EXPECT_EQ(bar->StartInterval(), 10);
  EXPECT_EQ(bar->RepeatInterval(), 10);
  bar->SetAutoIncStep(0);
  EXPECT_EQ(bar->AutoIncStep(), 1);
  bar->SetAutoIncStep(-0.25);
  EXPECT_EQ(bar->AutoIncStep(), -0.25);
  Start();
  At(30);
  EXPECT_EQ(bar->Value(), -0.75);
}

TEST_F(ProgBarTimerTest, NoTimerRunsInTheDesignerOrWithoutAutoInc) {
  bar->SetStartInterval(100);
  At(5000);
  EXPECT_TRUE(ticks.empty());
  bar->SetDesigning(true);
  Start();
  EXPECT_TRUE(bar->AutoInc());
  At(5000);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(ProgBarTimerTest, ARefusedTimerRaisesAndLeavesAutoIncOff) {
  headless::SetTimersRefused(true);
  try {
    Start();
    FAIL() << "no error";
  } catch (const EVYRProgBar& e) {
    EXPECT_EQ(e.Message(), u"Component \"Bar1\": no timer available");
  }
  EXPECT_FALSE(bar->AutoInc());
  headless::SetTimersRefused(false);
  At(5000);
  EXPECT_TRUE(ticks.empty());
  Start();  // works again once the system gives timers
  At(1500);
  EXPECT_EQ(ticks.size(), 1u);
}

// The first tick switches to the repeat interval; a refusal there reaches
// the application's exception handler, and the bar stops.
TEST_F(ProgBarTimerTest, ARefusalAtTheFirstTickGoesToTheApplication) {
  Start();
  headless::SetTimersRefused(true);
  At(1500);
  const std::vector<String> handled = headless::HandledExceptions();
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0], u"Component \"Bar1\": no timer available");
  EXPECT_FALSE(bar->AutoInc());
  headless::SetTimersRefused(false);
  At(5000);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(ProgBarTimerTest, AHandlerMayStopTheTimer) {
  bar->SetOnAutoInc([this](TObject*) {
    ticks.push_back({headless::Now() - start, bar->Value()});
    if (bar->Value() >= 3) bar->SetAutoInc(false);
  });
  Start();
  At(20000);
  EXPECT_EQ(TickTimes(), (Times{1500, 2200, 2900}));
}

TEST_F(ProgBarTimerTest, TheTimerGoesWithTheBar) {
  Start();
  delete bar;
  bar = nullptr;
  At(5000);  // nothing left to tick
  EXPECT_TRUE(ticks.empty());
}

}  // namespace
}  // namespace progbartest
