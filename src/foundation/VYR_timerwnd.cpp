#include "foundation/VYR_timerwnd.h"

#include "platform/Forms.h"

namespace vyr {

TTimerWindow::TTimerWindow(vcl::TComponent* Control, TTickEvent OnTick)
    : FControl(Control), FOnTick(std::move(OnTick)) {
  if (FControl == nullptr) throw vcl::EArgumentException("A timer window needs its control");
  FHandle = vcl::AllocateHWnd([this](vcl::TMessage& m) { WndProc(m); });
  if (FHandle == nullptr) throw EVYRError(InitFailedMessage(*FControl));
}

TTimerWindow::~TTimerWindow() { vcl::DeallocateHWnd(FHandle); }

bool TTimerWindow::TryStart(std::uintptr_t ID, unsigned Interval) {
  return vcl::SetTimer(FHandle, ID, Interval) != 0;
}

void TTimerWindow::Stop(std::uintptr_t ID) { vcl::KillTimer(FHandle, ID); }

void TTimerWindow::WndProc(vcl::TMessage& Message) {
  if (Message.Msg != vcl::WM_TIMER) {
    Message.Result = vcl::DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  try {
    if (FOnTick) FOnTick(Message.WParam);
  } catch (...) {
    vcl::Application.HandleException(FControl);
  }
}

}  // namespace vyr
