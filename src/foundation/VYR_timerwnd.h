// The hidden timer window of a control. A control with timers owns one
// (a member constructed with the control's tick method) and starts and stops
// its timers through it:
//
//   TRepeater::TRepeater(TComponent* AOwner)
//       : TGraphicControl(AOwner), FTimer(this, [this](std::uintptr_t) { DoTimer(); }) {}
//   ...
//   FTimer.Start<EVYRRepeaterError>(1, 500);  // raises "Component \"X\": no timer available"
//
// The window receives WM_TIMER (275) and calls the tick; an exception the
// tick raises is passed to Application.HandleException with the control as
// sender, so it never escapes the message loop. Every other message goes to
// DefWindowProc. The window, and with it every timer, goes with the object.
#pragma once

#include <cstdint>
#include <functional>

#include "companion/basepack/VYR_vyrbase.h"
#include "foundation/VYR_errors.h"
#include "platform/Classes.h"
#include "platform/WinapiMessages.h"

namespace vyr {

class TTimerWindow {
 public:
  using TTickEvent = std::function<void(std::uintptr_t TimerID)>;

  // Control names the owner in messages and is the sender of exceptions.
  TTimerWindow(vcl::TComponent* Control, TTickEvent OnTick);
  ~TTimerWindow();
  TTimerWindow(const TTimerWindow&) = delete;
  TTimerWindow& operator=(const TTimerWindow&) = delete;

  vcl::HWND Handle() const { return FHandle; }

  // Starts (or restarts) timer ID; false when the system refuses it.
  bool TryStart(std::uintptr_t ID, unsigned Interval);
  // As TryStart, but a refusal raises E with NoTimerMessage.
  template <class E = EVYRError>
  void Start(std::uintptr_t ID, unsigned Interval) {
    if (!TryStart(ID, Interval)) throw E(NoTimerMessage(*FControl));
  }
  void Stop(std::uintptr_t ID);

  // The window procedure; a control with a WndProc of its own may pass
  // messages on to it.
  void WndProc(vcl::TMessage& Message);

 private:
  vcl::TComponent* FControl;
  TTickEvent FOnTick;
  vcl::HWND FHandle = nullptr;
};

}  // namespace vyr
