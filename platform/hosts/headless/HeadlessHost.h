// The headless host object (internal; programs use Headless.h).
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/hosts/Host.h"

namespace vcl::headless {

class THeadlessHost : public THost {
 public:
  const char* Name() const override { return "headless"; }

  std::int64_t Now() override { return FClock; }
  bool WaitForInput(std::int64_t) override { return false; }
  void PollInput() override {}
  bool TimersRefused() const override { return FTimersRefused; }

  // Forms are their back buffers; there is nothing else to make or show.
  void CreateFormWindow(TCustomForm&) override {}
  void DestroyFormWindow(TCustomForm&) override {}
  void ShowFormWindow(TCustomForm&, bool) override {}
  void FormBoundsChanged(TCustomForm&) override {}
  void FormCaptionChanged(TCustomForm&) override {}
  void Present(TCustomForm&, const TBitmap&, const TRect&) override {}

  int RunModal(TCustomForm& Form) override;
  void Popup(TPopupMenu& Menu, int X, int Y) override;
  bool ExecuteColorDialog(TColorDialog& Dialog) override;
  bool ExecuteFileDialog(TOpenDialog& Dialog) override;
  void DropDownMenu(TMainMenu& Menu, int Index) override;
  // Drop-downs stay in-memory windows; the host only keeps them in order
  // so that a test can find the innermost one and dismiss it.
  void ShowDropDown(TWinControl& Popup, std::function<void()> Dismiss) override;
  void HideDropDown(TWinControl& Popup) override;

  void SetCursor(TCursor Cursor) override { FCursor = Cursor; }
  bool HasClipboardText() override { return FClipboard.has_value(); }
  String ClipboardText() override { return FClipboard.value_or(String()); }
  void SetClipboardText(const String& Text) override { FClipboard = Text; }
  void ClearClipboard() override { FClipboard.reset(); }
  void Beep(UINT) override { ++FBeeps; }
  TSize ScreenSize() override { return {1920, 1080}; }
  UINT DoubleClickTime() override { return 500; }
  void ExceptionHandled(const String& Message) override { FExceptions.push_back(Message); }
  void ShowException(const String&) override {}

  // The headless controls (see Headless.h).
  void SetClock(std::int64_t Value) { FClock = std::max(FClock, Value); }
  void SetTimersRefused(bool Value) { FTimersRefused = Value; }
  std::function<int(TForm&)> FModalHandler;
  std::function<void(TPopupMenu&, int, int)> FPopupHandler;
  std::function<bool(TColorDialog&)> FColorDialogHandler;
  std::function<bool(TOpenDialog&)> FFileDialogHandler;
  std::function<void(TMenuItem&)> FMenuBarHandler;
  int FBeeps = 0;
  std::vector<String> FExceptions;
  struct TDropDown {
    TWinControl* Control;
    std::function<void()> Dismiss;
  };
  std::vector<TDropDown> FDropDowns;  // innermost last
  TCursor FCursor = crDefault;

  void Reset();

 private:
  std::int64_t FClock = 0;
  bool FTimersRefused = false;
  std::optional<String> FClipboard;
};

}  // namespace vcl::headless
