// TTimer: OnTimer at an interval, on a hidden window of its own.
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"

namespace vcl {

namespace {
constexpr std::uintptr_t kTimerID = 1;
}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  if (FHandle != nullptr) DeallocateHWnd(FHandle);
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

// Restarts the system timer as the settings now ask (a changed interval
// counts from now); a refused timer leaves the timer not running.
void TTimer::UpdateTimer() {
  if (FRunning) KillTimer(FHandle, kTimerID);
  FRunning = false;
  if (!FEnabled || FInterval == 0 || !FOnTimer || ComponentState().Contains(csLoading)) return;
  if (FHandle == nullptr) FHandle = AllocateHWnd([this](TMessage& m) { WndProc(m); });
  FRunning = SetTimer(FHandle, kTimerID, FInterval) != 0;
}

void TTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER || Message.WParam != kTimerID) {
    Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  try {
    Timer();
  } catch (...) {
    TApplication::Instance().HandleException(this);
  }
}

namespace {

bool RegisterTimer() {
  RegisterClass<TTimer, TComponent>(u"TTimer")
      .Property(u"Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
      .Property(u"Interval", &TTimer::Interval, &TTimer::SetInterval, 1000u)
      .Event(u"OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
  return true;
}

const bool registered = RegisterTimer();

}  // namespace

}  // namespace vcl
