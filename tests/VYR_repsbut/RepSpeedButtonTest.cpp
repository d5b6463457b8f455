// The repeat speed button on the virtual clock: start and repeat phases,
// release, leave, right button, interval changes, refused timers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "VYR_repsbut/VYR_repsbut.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;
using vyr::TRepSpeedButton;

class RepSpeedButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    button = new TRepSpeedButton(form.get());
    button->SetName(u"Rep1");
    button->SetParent(form.get());
    button->SetBounds(10, 10, 23, 22);
    button->SetOnRepeatClick([this](TObject* sender) {
      EXPECT_EQ(sender, button);
      ++repeats;
    });
    button->SetOnClick([this](TObject*) { ++clicks; });
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  void Press(TMouseButton B = mbLeft) { headless::MouseDown(button, B, {}, 5, 5); }
  void Release(TMouseButton B = mbLeft) { headless::MouseUp(button, B, {}, 5, 5); }

  std::unique_ptr<TForm> form;
  TRepSpeedButton* button = nullptr;
  int repeats = 0;
  int clicks = 0;
};

TEST_F(RepSpeedButtonTest, Defaults) {
  TRepSpeedButton fresh(nullptr);
  EXPECT_EQ(fresh.StartClickInterval(), 500);
  EXPECT_EQ(fresh.RepeatClickInterval(), 200);
  EXPECT_FALSE(fresh.OnRepeatClick());
  EXPECT_FALSE(fresh.TimerEnabled());
  EXPECT_TRUE(fresh.IsStart());
  EXPECT_EQ(fresh.Width(), 23);
  EXPECT_EQ(fresh.Height(), 22);
  EXPECT_NE(fresh.TimerHandle(), nullptr);
}

TEST_F(RepSpeedButtonTest, HoldingRepeatsAfterTheStartDelayThenSteadily) {
  Press();
  EXPECT_TRUE(button->TimerEnabled());
  headless::Advance(499);
  EXPECT_EQ(repeats, 0);
  headless::Advance(1);
  EXPECT_EQ(repeats, 1);
  EXPECT_FALSE(button->IsStart());
  headless::Advance(199);
  EXPECT_EQ(repeats, 1);
  headless::Advance(1);
  EXPECT_EQ(repeats, 2);
  headless::Advance(600);
  EXPECT_EQ(repeats, 5);
  Release();
  headless::Advance(2000);
  EXPECT_EQ(repeats, 5);
  EXPECT_EQ(clicks, 1);  // released inside: a click as well
}

TEST_F(RepSpeedButtonTest, AShortPressOnlyClicks) {
  Press();
  headless::Advance(100);
  Release();
  headless::Advance(1000);
  EXPECT_EQ(repeats, 0);
  EXPECT_EQ(clicks, 1);
  // The next press starts with the start delay again.
  Press();
  headless::Advance(499);
  EXPECT_EQ(repeats, 0);
  headless::Advance(1);
  EXPECT_EQ(repeats, 1);
}

TEST_F(RepSpeedButtonTest, TheRightButtonStartsNoRepetition) {
  Press(mbRight);
  headless::Advance(2000);
  EXPECT_EQ(repeats, 0);
  EXPECT_FALSE(button->TimerEnabled());
  Release(mbRight);
}

TEST_F(RepSpeedButtonTest, LeavingTheHeldButtonStopsTheRepetitionWithoutAClick) {
  Press();
  headless::Advance(700);
  EXPECT_EQ(repeats, 2);
  headless::MouseMove(button, {ssLeft}, 100, 50);  // off the button, still held
  EXPECT_FALSE(button->TimerEnabled());
  headless::Advance(1000);
  EXPECT_EQ(repeats, 2);
  headless::MouseUp(button, mbLeft, {}, 100, 50);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button->State(), bsUp);
}

TEST_F(RepSpeedButtonTest, IntervalsBelowTenAreRaisedAndEqualValuesChangeNothing) {
  button->SetStartClickInterval(3);
  EXPECT_EQ(button->StartClickInterval(), 10);
  button->SetRepeatClickInterval(-5);
  EXPECT_EQ(button->RepeatClickInterval(), 10);
  button->SetStartClickInterval(500);
  Press();
  headless::Advance(300);
  button->SetStartClickInterval(500);  // unchanged: the start delay runs on
  headless::Advance(200);
  EXPECT_EQ(repeats, 1);
}

TEST_F(RepSpeedButtonTest, ANewStartIntervalWhileHeldRestartsTheStartPhase) {
  Press();
  headless::Advance(300);
  button->SetStartClickInterval(400);
  headless::Advance(399);
  EXPECT_EQ(repeats, 0);
  headless::Advance(1);
  EXPECT_EQ(repeats, 1);
}

TEST_F(RepSpeedButtonTest, ANewRepeatIntervalWhileHeldAppliesAtOnce) {
  Press();
  headless::Advance(100);
  EXPECT_TRUE(button->IsStart());
  button->SetRepeatClickInterval(50);
  EXPECT_FALSE(button->IsStart());
  headless::Advance(50);
  EXPECT_EQ(repeats, 1);
  headless::Advance(100);
  EXPECT_EQ(repeats, 3);
}

TEST_F(RepSpeedButtonTest, ChangesWhileNotHeldOnlyStoreAndStartNoTimer) {
  button->SetRepeatClickInterval(30);
  button->SetOnRepeatClick([this](TObject*) { repeats += 10; });
  headless::Advance(1000);
  EXPECT_EQ(repeats, 0);
  EXPECT_FALSE(button->TimerEnabled());
  Press();
  headless::Advance(500 + 30);
  EXPECT_EQ(repeats, 20);
}

TEST_F(RepSpeedButtonTest, ARefusedTimerRaisesTheComponentErrorAndLeavesTheButtonPressed) {
  headless::SetTimersRefused(true);
  Press();
  auto errors = headless::HandledExceptions();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], u"Component \"Rep1\": no timer available");
  EXPECT_EQ(button->State(), bsDown);
  EXPECT_TRUE(button->TimerEnabled());
  headless::SetTimersRefused(false);
  headless::Advance(1000);
  EXPECT_EQ(repeats, 0);
  try {
    headless::SetTimersRefused(true);
    button->SetStartClickInterval(600);  // held: the start phase restarts and fails
    FAIL() << "expected an exception";
  } catch (const vyr::EVYRRepSpeedButton& e) {
    EXPECT_EQ(e.Message(), u"Component \"Rep1\": no timer available");
  }
}

TEST_F(RepSpeedButtonTest, AnExceptionInTheHandlerGoesToTheApplicationAndRepeatingGoesOn) {
  button->SetOnRepeatClick([this](TObject*) {
    ++repeats;
    throw Exception(u"handler failed");
  });
  Press();
  headless::Advance(700);
  EXPECT_EQ(repeats, 2);
  EXPECT_EQ(headless::HandledExceptions().size(), 2u);
}

TEST_F(RepSpeedButtonTest, ATimerMessageToTheButtonIsOneTick) {
  button->Perform(WM_TIMER, 1, 0);
  EXPECT_EQ(repeats, 1);
  EXPECT_FALSE(button->IsStart());
}

TEST_F(RepSpeedButtonTest, DisablingOrFreeingTheHeldButtonStopsIt) {
  Press();
  button->SetEnabled(false);
  headless::Advance(1000);
  EXPECT_EQ(repeats, 0);
  button->SetEnabled(true);
  Press();
  delete button;
  headless::Advance(1000);
  EXPECT_EQ(repeats, 0);
}

// A descendant's RepeatClickEvent runs on each tick, before the handler.
TEST_F(RepSpeedButtonTest, EachTickCallsRepeatClickEventBeforeTheHandler) {
  struct TTracingButton : TRepSpeedButton {
    using TRepSpeedButton::TRepSpeedButton;
    std::string* Trace = nullptr;
    void RepeatClickEvent(TObject* Sender) override {
      EXPECT_EQ(Sender, this);
      *Trace += "E";
    }
  };
  std::string trace;
  auto* traced = new TTracingButton(form.get());
  traced->Trace = &trace;
  traced->SetParent(form.get());
  traced->SetBounds(50, 10, 23, 22);
  traced->SetOnRepeatClick([&](TObject*) { trace += "H"; });
  headless::MouseDown(traced, mbLeft, {}, 5, 5);
  headless::Advance(500 + 200);
  EXPECT_EQ(trace, "EHEH");
  headless::MouseUp(traced, mbLeft, {}, 5, 5);
}

// A handler assigned while the button is held ends the start delay: the
// next tick comes one repeat interval later.
TEST_F(RepSpeedButtonTest, AHandlerAssignedWhileHeldSwitchesToTheRepeatPhase) {
  Press();
  headless::Advance(100);
  button->SetOnRepeatClick([this](TObject*) { repeats += 100; });
  EXPECT_FALSE(button->IsStart());
  headless::Advance(199);
  EXPECT_EQ(repeats, 0);
  headless::Advance(1);
  EXPECT_EQ(repeats, 100);
}

// The pointer leaving (as the host reports it) ends the repetition like a
// release, and the button does not count it as a click.
TEST_F(RepSpeedButtonTest, TheLeaveMessageStopsAHeldButton) {
  Press();
  headless::Advance(500);
  EXPECT_EQ(repeats, 1);
  headless::MouseLeave(button);
  EXPECT_FALSE(button->TimerEnabled());
  headless::Advance(1000);
  EXPECT_EQ(repeats, 1);
  EXPECT_EQ(clicks, 0);
  // A fresh press starts over with the start delay.
  Press();
  headless::Advance(499);
  EXPECT_EQ(repeats, 1);
  headless::Advance(1);
  EXPECT_EQ(repeats, 2);
}

// The timer calls: InitTimer goes back to the start delay, UpdateTimer to
// the repeat interval; neither starts a timer while the button is not held.
TEST_F(RepSpeedButtonTest, InitTimerAndUpdateTimerChooseThePhase) {
  Press();
  headless::Advance(600);
  EXPECT_EQ(repeats, 1);
  button->InitTimer();
  EXPECT_TRUE(button->IsStart());
  headless::Advance(499);
  EXPECT_EQ(repeats, 1);
  headless::Advance(1);
  EXPECT_EQ(repeats, 2);
  button->InitTimer();
  button->UpdateTimer();
  EXPECT_FALSE(button->IsStart());
  headless::Advance(200);
  EXPECT_EQ(repeats, 3);
  Release();
  button->InitTimer();
  headless::Advance(1000);
  EXPECT_EQ(repeats, 3);
}

TEST_F(RepSpeedButtonTest, FormFilesKeepTheIntervals) {
  button->SetStartClickInterval(300);
  button->SetRepeatClickInterval(80);
  button->SetCaption(u"+");
  String text = WriteComponentToText(button);
  EXPECT_NE(text.find(u"StartClickInterval = 300"), String::npos);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TRepSpeedButton*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->StartClickInterval(), 300);
  EXPECT_EQ(read->RepeatClickInterval(), 80);
  EXPECT_EQ(read->Caption(), u"+");
}

}  // namespace
