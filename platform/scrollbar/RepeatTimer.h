// The repeat timer of a held scroll bar part: a hidden window (made on the
// first Start, so bars that are never held own none) with one timer that
// ticks first after a delay, then at an interval, until Stop.
//
//   TRepeatTimer timer(Sender, [this] { Tick(); });
//   timer.Start(ScrollFirstDelay, ScrollRepeatInterval);  // on the press
//   timer.Stop();                                          // on the release
//
// A refused timer only means no repetition: a bar never fails for it. An
// exception from the tick goes to Application.HandleException with Sender.
// The tick may free the timer (its host was freed by a handler).
#pragma once

#include <functional>

#include "platform/Classes.h"
#include "platform/WinapiMessages.h"

namespace vcl::scrollbar {

class TRepeatTimer {
 public:
  TRepeatTimer(TObject* Sender, std::function<void()> OnTick);
  ~TRepeatTimer();
  TRepeatTimer(const TRepeatTimer&) = delete;
  TRepeatTimer& operator=(const TRepeatTimer&) = delete;

  // Restarts: the first tick after FirstDelay, the next ones every Interval.
  void Start(unsigned FirstDelay, unsigned Interval);
  void Stop();
  bool Running() const { return FRunning; }

 private:
  void WndProc(TMessage& Message);

  TObject* FSender;
  std::function<void()> FOnTick;
  HWND FHandle = nullptr;
  bool FRunning = false;
  bool FFirst = false;  // the first tick is still to come
  unsigned FInterval = 0;
};

}  // namespace vcl::scrollbar
