#include "VYR_repsbut/VYR_repsbut.h"

#include <algorithm>

#include "platform/Forms.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {
constexpr int MinInterval = 10;
}  // namespace

TRepSpeedButton::TRepSpeedButton(vcl::TComponent* AOwner)
    : vcl::TSpeedButton(AOwner), FTimer(this, [this](std::uintptr_t ID) {
        if (ID == TimerID) DoTimer();
      }) {}

// The timer window, and with it the timer, goes with the button.
TRepSpeedButton::~TRepSpeedButton() = default;

// ---------------------------------------------------------------- properties

void TRepSpeedButton::SetStartClickInterval(int Value) {
  Value = std::max(Value, MinInterval);
  if (FStartIv == Value) return;
  FStartIv = Value;
  if (!Designing()) InitTimer();
}

void TRepSpeedButton::SetRepeatClickInterval(int Value) {
  Value = std::max(Value, MinInterval);
  if (FRepClickIv == Value) return;
  FRepClickIv = Value;
  if (!Designing()) UpdateTimer();
}

void TRepSpeedButton::SetOnRepeatClick(vcl::TNotifyEvent Value) {
  FOnRepeatClick = std::move(Value);
  if (!Designing()) UpdateTimer();
}

// ---------------------------------------------------------------- timer

void TRepSpeedButton::InitTimer() {
  FIsStart = true;
  FTimer.Stop(TimerID);
  if (FStartIv > 0 && FRClickTimerEnabled) {
    FTimer.Start<EVYRRepSpeedButton>(TimerID, static_cast<unsigned>(FStartIv));
  }
}

void TRepSpeedButton::UpdateTimer() {
  FIsStart = false;
  FTimer.Stop(TimerID);
  if (FRepClickIv > 0 && FRClickTimerEnabled) {
    FTimer.Start<EVYRRepSpeedButton>(TimerID, static_cast<unsigned>(FRepClickIv));
  }
}

void TRepSpeedButton::DoTimer() {
  if (FIsStart) UpdateTimer();
  RepeatClickEvent(this);
  if (FOnRepeatClick) FOnRepeatClick(this);
}

void TRepSpeedButton::RepeatClickEvent(vcl::TObject*) {}

void TRepSpeedButton::WndProc(vcl::TMessage& Message) {
  if (Message.Msg == vcl::WM_TIMER) {
    FTimer.WndProc(Message);
    return;
  }
  vcl::TSpeedButton::WndProc(Message);
}

// ---------------------------------------------------------------- mouse

void TRepSpeedButton::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft) return;
  FRClickTimerEnabled = true;
  InitTimer();
}

void TRepSpeedButton::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (Button != vcl::mbLeft) return;
  FRClickTimerEnabled = false;
  UpdateTimer();
}

// Leaving the held button ends the press as a release would, but without
// the click a release inside gives: the user moved away from it.
void TRepSpeedButton::CMMouseLeave(vcl::TMessage& Message) {
  vcl::TSpeedButton::CMMouseLeave(Message);
  if (!FRClickTimerEnabled && !Dragging()) return;
  CancelPress();
  MouseUp(vcl::mbLeft, {}, 0, 0);
}

void TRepSpeedButton::CMEnabledChanged(vcl::TMessage& Message) {
  vcl::TSpeedButton::CMEnabledChanged(Message);
  if (Enabled() || !FRClickTimerEnabled) return;
  FRClickTimerEnabled = false;
  UpdateTimer();
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterRepSpeedButton() {
  vcl::RegisterClass<TRepSpeedButton, vcl::TSpeedButton>(u"TRepSpeedButton")
      .Property(u"StartClickInterval", &TRepSpeedButton::StartClickInterval,
                &TRepSpeedButton::SetStartClickInterval, 500)
      .Property(u"RepeatClickInterval", &TRepSpeedButton::RepeatClickInterval,
                &TRepSpeedButton::SetRepeatClickInterval, 200)
      .Event(u"OnRepeatClick");
  return true;
}

const bool registered = RegisterRepSpeedButton();

}  // namespace

}  // namespace vyr
