// The repeat speed button: while the left button is held on it, it fires
// OnRepeatClick, first after StartClickInterval, then every
// RepeatClickInterval milliseconds, until the release or until the pointer
// leaves the button.
#pragma once

#include <cstdint>

#include "companion/basepack/VYR_vyrbase.h"
#include "foundation/VYR_timerwnd.h"
#include "platform/Buttons.h"

namespace vyr {

// The system refused the repeat timer.
class EVYRRepSpeedButton : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// Timeline with the defaults: press at 0 ms, OnRepeatClick at 500 ms, then
// every 200 ms; nothing after the release. A press and release inside the
// button still clicks it (OnClick) as a speed button does.
class TRepSpeedButton : public vcl::TSpeedButton {
 public:
  explicit TRepSpeedButton(vcl::TComponent* AOwner);
  ~TRepSpeedButton() override;

  // Milliseconds from the press to the first repeat; below 10 becomes 10.
  // A change restarts the start phase (outside the designer).
  int StartClickInterval() const { return FStartIv; }
  void SetStartClickInterval(int Value);
  // Milliseconds between repeats; below 10 becomes 10. A change applies at
  // once (outside the designer): a held button goes on repeating with it.
  int RepeatClickInterval() const { return FRepClickIv; }
  void SetRepeatClickInterval(int Value);
  vcl::TNotifyEvent OnRepeatClick() const { return FOnRepeatClick; }
  void SetOnRepeatClick(vcl::TNotifyEvent Value);

  // The hidden window of the repeat timer.
  vcl::HWND TimerHandle() const { return FTimer.Handle(); }
  // True while the left button is held on the button.
  bool TimerEnabled() const { return FRClickTimerEnabled; }
  // True while the start delay runs (until the first repeat).
  bool IsStart() const { return FIsStart; }

  // Messages of the button: a WM_TIMER is one tick of the repeat timer
  // (exceptions go to Application.HandleException); the rest is handled as
  // by any speed button.
  void WndProc(vcl::TMessage& Message) override;
  // One tick: leaves the start phase on the first one, then calls
  // RepeatClickEvent and OnRepeatClick.
  void DoTimer();

  // Called on every tick before OnRepeatClick; does nothing here, for
  // descendants to override.
  virtual void RepeatClickEvent(vcl::TObject* Sender);
  // Starts the start phase: timer 1 with StartClickInterval while held.
  void InitTimer();
  // Starts the repeat phase: timer 1 with RepeatClickInterval while held
  // (only stops the timer when not held).
  void UpdateTimer();

 protected:
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(vcl::TMessage& Message) override;
  void CMEnabledChanged(vcl::TMessage& Message) override;

 private:
  static constexpr std::uintptr_t TimerID = 1;
  bool Designing() const { return ComponentState().Contains(vcl::csDesigning); }

  TTimerWindow FTimer;
  bool FRClickTimerEnabled = false;
  bool FIsStart = true;
  int FRepClickIv = 200;
  int FStartIv = 500;
  vcl::TNotifyEvent FOnRepeatClick;
};

}  // namespace vyr
