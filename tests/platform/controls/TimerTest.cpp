// Message windows, posted messages and timers on the virtual clock.
#include <string>

#include "TestControls.h"
#include "platform/Winapi.h"
#include "platform/hosts/Host.h"

namespace vcltest {
namespace {

// A hidden window that records every WM_TIMER as "<tag><id>@<time>".
struct TimerWindow {
  TimerWindow(EventLog& Log, std::string Tag) {
    Wnd = AllocateHWnd([&Log, Tag](TMessage& m) {
      if (m.Msg == WM_TIMER) {
        Log.Add(Tag + std::to_string(m.WParam) + "@" + std::to_string(headless::Now()));
      } else {
        m.Result = DefWindowProc(nullptr, m.Msg, m.WParam, m.LParam);
      }
    });
  }
  ~TimerWindow() { DeallocateHWnd(Wnd); }
  HWND Wnd;
};

using TimerTest = HeadlessTest;

TEST_F(TimerTest, TicksArriveInTimeOrderAcrossWindows) {
  EventLog log;
  TimerWindow a(log, "a"), b(log, "b");
  std::int64_t t0 = headless::Now();
  ASSERT_EQ(SetTimer(a.Wnd, 1, 30), 1u);
  ASSERT_EQ(SetTimer(b.Wnd, 7, 20), 7u);
  headless::Advance(65);
  auto at = [&](const char* tag, int id, int ms) {
    return std::string(tag) + std::to_string(id) + "@" + std::to_string(t0 + ms);
  };
  // b7 at 20, 40, 60; a1 at 30, 60 — at 60 the one set first comes first.
  EXPECT_EQ(log.Joined(), at("b", 7, 20) + " " + at("a", 1, 30) + " " + at("b", 7, 40) + " " +
                              at("a", 1, 60) + " " + at("b", 7, 60));
  EXPECT_EQ(headless::Now(), t0 + 65);
}

TEST_F(TimerTest, ATickDueSeveralTimesInOneSpanFiresEachTime) {
  EventLog log;
  TimerWindow w(log, "t");
  SetTimer(w.Wnd, 3, 100);
  headless::Advance(1000);
  EXPECT_EQ(log.Entries.size(), 10u);
  headless::Advance(99);
  EXPECT_EQ(log.Entries.size(), 10u);
  headless::Advance(1);
  EXPECT_EQ(log.Entries.size(), 11u);
}

TEST_F(TimerTest, ALateLoopFiresEachOverdueTimerOnceEarliestFirst) {
  EventLog log;
  TimerWindow a(log, "a"), b(log, "b");
  std::int64_t t0 = headless::Now();
  SetTimer(a.Wnd, 1, 30);
  SetTimer(b.Wnd, 2, 20);
  // A host that looks only 100 ms later (a real clock) merges missed ticks.
  EXPECT_EQ(DispatchDueTimers(t0 + 100), 2);
  EXPECT_EQ(log.Entries.size(), 2u);
  EXPECT_EQ(log.Entries[0].substr(0, 2), "b2");
  EXPECT_EQ(log.Entries[1].substr(0, 2), "a1");
  EXPECT_EQ(NextTimerDue(), std::optional<std::int64_t>(t0 + 120));
  EXPECT_EQ(DispatchDueTimers(t0 + 100), 0);
}

TEST_F(TimerTest, RestartingPostponesAndKillingStops) {
  EventLog log;
  TimerWindow w(log, "t");
  std::int64_t t0 = headless::Now();
  SetTimer(w.Wnd, 1, 50);
  headless::Advance(40);
  SetTimer(w.Wnd, 1, 50);  // restart: next tick 50 ms from now, not 10
  headless::Advance(40);
  EXPECT_TRUE(log.Entries.empty());
  headless::Advance(10);
  EXPECT_EQ(log.Joined(), "t1@" + std::to_string(t0 + 90));
  EXPECT_TRUE(KillTimer(w.Wnd, 1));
  EXPECT_FALSE(KillTimer(w.Wnd, 1));
  headless::Advance(500);
  EXPECT_EQ(log.Entries.size(), 1u);
}

TEST_F(TimerTest, ShortIntervalsAreRaisedToTheSystemMinimum) {
  EventLog log;
  TimerWindow w(log, "t");
  SetTimer(w.Wnd, 1, 0);
  headless::Advance(100);
  EXPECT_EQ(log.Entries.size(), 100u / USER_TIMER_MINIMUM);
}

TEST_F(TimerTest, RefusedTimersReturnZeroAndNeverTick) {
  EventLog log;
  TimerWindow w(log, "t");
  headless::SetTimersRefused(true);
  EXPECT_EQ(SetTimer(w.Wnd, 1, 10), 0u);
  headless::SetTimersRefused(false);
  headless::Advance(100);
  EXPECT_TRUE(log.Entries.empty());
  EXPECT_EQ(SetTimer(nullptr, 1, 10), 0u);  // no window, no timer
}

TEST_F(TimerTest, FreeingTheWindowStopsItsTimersAndDropsItsMessages) {
  EventLog log;
  auto* w = new TimerWindow(log, "t");
  HWND wnd = w->Wnd;
  SetTimer(wnd, 1, 10);
  EXPECT_TRUE(PostMessage(wnd, WM_USER, 0, 0));
  delete w;
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_FALSE(PostMessage(wnd, WM_USER, 0, 0));
  EXPECT_EQ(SendMessage(wnd, WM_USER, 0, 0), 0);
  headless::Advance(100);
  EXPECT_TRUE(log.Entries.empty());
}

TEST_F(TimerTest, AnExceptionInATickGoesToTheApplicationAndTicksGoOn) {
  int ticks = 0;
  HWND wnd = AllocateHWnd([&](TMessage& m) {
    if (m.Msg != WM_TIMER) return;
    if (++ticks == 2) throw EConvertError(u"bad tick");
  });
  SetTimer(wnd, 1, 10);
  EXPECT_NO_THROW(headless::Advance(40));
  EXPECT_EQ(ticks, 4);
  ASSERT_EQ(headless::HandledExceptions().size(), 1u);
  EXPECT_EQ(headless::HandledExceptions()[0], u"bad tick");
  DeallocateHWnd(wnd);
}

TEST_F(TimerTest, OnExceptionReceivesTheExceptionInsteadOfTheHost) {
  String seen;
  Application->SetOnException([&](TObject*, Exception* E) { seen = E->Message(); });
  HWND wnd = AllocateHWnd([](TMessage& m) {
    if (m.Msg == WM_TIMER) throw std::runtime_error("plain failure");
  });
  SetTimer(wnd, 1, 10);
  headless::Advance(10);
  EXPECT_EQ(seen, u"plain failure");
  EXPECT_EQ(headless::HandledExceptions().size(), 1u);  // still recorded
  DeallocateHWnd(wnd);
}

TEST_F(TimerTest, PostedMessagesArriveInOrderThroughTheLoop) {
  std::vector<UINT> got;
  HWND wnd = AllocateHWnd([&](TMessage& m) {
    got.push_back(m.Msg);
    if (m.Msg == WM_USER + 1) PostMessage(wnd, WM_USER + 3, 0, 0);  // posted while handling
  });
  PostMessage(wnd, WM_USER + 1, 0, 0);
  PostMessage(wnd, WM_USER + 2, 0, 0);
  EXPECT_TRUE(got.empty());  // nothing until the loop runs
  Application->ProcessMessages();
  EXPECT_EQ(got, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3}));
  EXPECT_EQ(SendMessage(wnd, WM_USER + 9, 0, 0), 0);
  EXPECT_EQ(got.back(), WM_USER + 9u);  // sent messages run at once
  DeallocateHWnd(wnd);
}

TEST_F(TimerTest, AWindowMayFreeItselfInsideItsProcedure) {
  HWND wnd = nullptr;
  int calls = 0;
  wnd = AllocateHWnd([&](TMessage&) {
    ++calls;
    DeallocateHWnd(wnd);
  });
  SetTimer(wnd, 1, 10);
  headless::Advance(50);
  EXPECT_EQ(calls, 1);
}

TEST_F(TimerTest, KeyStateFollowsInjectedKeys) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* c = new TKeyControl(form.get());
  c->SetParent(form.get());
  headless::KeyDown(c, VK_CONTROL, {ssCtrl});
  EXPECT_LT(GetKeyState(VK_CONTROL), 0);
  headless::KeyUp(c, VK_CONTROL, {});
  EXPECT_GE(GetKeyState(VK_CONTROL), 0);
  SHORT before = GetKeyState('A') & 1;
  headless::KeyDown(c, 'A');
  headless::KeyUp(c, 'A');
  EXPECT_NE(GetKeyState('A') & 1, before);  // the toggle bit flips per press
}

TEST_F(TimerTest, BeepsAreCounted) {
  EXPECT_EQ(headless::BeepCount(), 0);
  MessageBeep(MB_OK);
  MessageBeep(MB_ICONHAND);
  EXPECT_EQ(headless::BeepCount(), 2);
  headless::Reset();
  EXPECT_EQ(headless::BeepCount(), 0);
}

}  // namespace
}  // namespace vcltest
