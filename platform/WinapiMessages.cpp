#include "platform/WinapiMessages.h"

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/Forms.h"
#include "platform/hosts/Host.h"

namespace vcl {

namespace {

struct TimerRec {
  HWND Wnd;
  std::uintptr_t Id;
  UINT Interval;
  std::int64_t Due;
  std::uint64_t Seq;  // order of setting: breaks ties between equal due times
};

struct PostedMessage {
  HWND Wnd;
  TMessage Msg;
};

// The windows, the posted-message queue, the timers and the key state of
// the process. Window procedures are held through shared pointers so that a
// procedure may destroy its own window while it runs.
struct MessageSystem {
  std::unordered_map<HWND, std::shared_ptr<TWndMethod>> Windows;
  std::uintptr_t NextHandle = 0x10000;
  std::deque<PostedMessage> Queue;
  std::vector<TimerRec> Timers;
  std::uint64_t NextSeq = 1;
  std::array<std::uint8_t, 256> Keys{};

  std::shared_ptr<TWndMethod> Find(HWND Wnd) const {
    auto it = Windows.find(Wnd);
    return it == Windows.end() ? nullptr : it->second;
  }
  std::vector<TimerRec>::iterator FindTimer(HWND Wnd, std::uintptr_t Id) {
    return std::find_if(Timers.begin(), Timers.end(),
                        [&](const TimerRec& t) { return t.Wnd == Wnd && t.Id == Id; });
  }
};

MessageSystem& System() {
  static MessageSystem* instance = new MessageSystem();  // lives as long as the process
  return *instance;
}

bool TimerBefore(const TimerRec& a, const TimerRec& b) {
  return a.Due != b.Due ? a.Due < b.Due : a.Seq < b.Seq;
}

}  // namespace

// ---------------------------------------------------------------- windows

HWND AllocateHWnd(TWndMethod WndProc) {
  MessageSystem& s = System();
  s.NextHandle += 4;
  HWND wnd = reinterpret_cast<HWND>(s.NextHandle);
  s.Windows.emplace(wnd, std::make_shared<TWndMethod>(std::move(WndProc)));
  return wnd;
}

void DeallocateHWnd(HWND Wnd) {
  MessageSystem& s = System();
  if (s.Windows.erase(Wnd) == 0) return;
  std::erase_if(s.Timers, [&](const TimerRec& t) { return t.Wnd == Wnd; });
  std::erase_if(s.Queue, [&](const PostedMessage& m) { return m.Wnd == Wnd; });
}

bool IsWindow(HWND Wnd) { return System().Find(Wnd) != nullptr; }

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  (void)Wnd;
  (void)Msg;
  (void)wParam;
  (void)lParam;
  return 0;
}

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<TWndMethod> proc = System().Find(Wnd);
  if (!proc || !*proc) return 0;
  TMessage m{Msg, wParam, lParam, 0};
  (*proc)(m);
  return m.Result;
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  MessageSystem& s = System();
  if (!s.Find(Wnd)) return false;
  s.Queue.push_back({Wnd, TMessage{Msg, wParam, lParam, 0}});
  return true;
}

void DispatchMessageSafely(HWND Wnd, TMessage& Message) {
  std::shared_ptr<TWndMethod> proc = System().Find(Wnd);
  if (!proc || !*proc) return;
  try {
    (*proc)(Message);
  } catch (...) {
    TApplication::Instance().HandleException(nullptr);
  }
}

bool DispatchPostedMessage() {
  MessageSystem& s = System();
  if (s.Queue.empty()) return false;
  PostedMessage m = s.Queue.front();
  s.Queue.pop_front();
  DispatchMessageSafely(m.Wnd, m.Msg);
  return true;
}

// ---------------------------------------------------------------- timers

std::uintptr_t SetTimer(HWND Wnd, std::uintptr_t IDEvent, UINT Elapse) {
  MessageSystem& s = System();
  if (!s.Find(Wnd) || Host().TimersRefused()) return 0;
  UINT interval = std::clamp(Elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  std::int64_t due = Host().Now() + interval;
  auto it = s.FindTimer(Wnd, IDEvent);
  if (it != s.Timers.end()) s.Timers.erase(it);  // a restart counts as newly set
  s.Timers.push_back({Wnd, IDEvent, interval, due, s.NextSeq++});
  return IDEvent != 0 ? IDEvent : 1;
}

bool KillTimer(HWND Wnd, std::uintptr_t IDEvent) {
  MessageSystem& s = System();
  auto it = s.FindTimer(Wnd, IDEvent);
  if (it == s.Timers.end()) return false;
  s.Timers.erase(it);
  return true;
}

std::optional<std::int64_t> NextTimerDue() {
  const auto& timers = System().Timers;
  if (timers.empty()) return std::nullopt;
  return std::min_element(timers.begin(), timers.end(), TimerBefore)->Due;
}

int DispatchDueTimers(std::int64_t Now) {
  MessageSystem& s = System();
  std::vector<TimerRec> due;
  for (const TimerRec& t : s.Timers) {
    if (t.Due <= Now) due.push_back(t);
  }
  std::sort(due.begin(), due.end(), TimerBefore);
  int fired = 0;
  for (const TimerRec& d : due) {
    // An earlier tick may have killed or restarted this timer.
    auto it = s.FindTimer(d.Wnd, d.Id);
    if (it == s.Timers.end() || it->Seq != d.Seq || it->Due > Now) continue;
    // Schedule the next tick before this one runs; ticks missed by a late
    // host are merged into one, as the system does.
    it->Due += it->Interval;
    if (it->Due <= Now) it->Due = Now + it->Interval;
    TMessage m{WM_TIMER, d.Id, 0, 0};
    DispatchMessageSafely(d.Wnd, m);
    ++fired;
  }
  return fired;
}

// ---------------------------------------------------------------- input state

SHORT GetKeyState(int VirtKey) {
  if (VirtKey < 0 || VirtKey > 255) return 0;
  std::uint8_t k = System().Keys[static_cast<std::size_t>(VirtKey)];
  return static_cast<SHORT>(((k & 0x80) != 0 ? 0x8000 : 0) | (k & 0x01));
}

SHORT GetAsyncKeyState(int VirtKey) { return GetKeyState(VirtKey); }

void SetKeyStateDown(int VirtKey, bool Down) {
  if (VirtKey < 0 || VirtKey > 255) return;
  std::uint8_t& k = System().Keys[static_cast<std::size_t>(VirtKey)];
  bool wasDown = (k & 0x80) != 0;
  if (Down && !wasDown) k = static_cast<std::uint8_t>((k ^ 0x01) | 0x80);
  if (!Down) k = static_cast<std::uint8_t>(k & 0x01);
}

void ResetKeyStates() { System().Keys.fill(0); }

UINT GetDoubleClickTime() { return Host().DoubleClickTime(); }

bool MessageBeep(UINT Type) {
  Host().Beep(Type);
  return true;
}

}  // namespace vcl
