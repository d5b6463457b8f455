#include "platform/scrollbar/RepeatTimer.h"

#include "platform/Forms.h"

namespace vcl::scrollbar {

namespace {
constexpr std::uintptr_t TimerID = 1;
}  // namespace

TRepeatTimer::TRepeatTimer(TObject* Sender, std::function<void()> OnTick)
    : FSender(Sender), FOnTick(std::move(OnTick)) {}

TRepeatTimer::~TRepeatTimer() {
  if (FHandle != nullptr) DeallocateHWnd(FHandle);
}

void TRepeatTimer::Start(unsigned FirstDelay, unsigned Interval) {
  if (FHandle == nullptr) FHandle = AllocateHWnd([this](TMessage& m) { WndProc(m); });
  FInterval = Interval;
  FFirst = true;
  FRunning = SetTimer(FHandle, TimerID, FirstDelay) != 0;
}

void TRepeatTimer::Stop() {
  if (FRunning) KillTimer(FHandle, TimerID);
  FRunning = false;
}

// The first tick switches the timer to the interval before it runs, so a
// tick that stops or restarts the timer has the last word.
void TRepeatTimer::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER || Message.WParam != TimerID) {
    Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  if (!FRunning) return;
  if (FFirst) {
    FFirst = false;
    FRunning = SetTimer(FHandle, TimerID, FInterval) != 0;
  }
  // The tick may free this timer: from here on only copies are used.
  TObject* sender = FSender;
  std::function<void()> tick = FOnTick;
  try {
    if (tick) tick();
  } catch (...) {
    TApplication::Instance().HandleException(sender);
  }
}

}  // namespace vcl::scrollbar
