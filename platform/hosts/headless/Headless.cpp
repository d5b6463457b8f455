#include "platform/hosts/headless/Headless.h"

#include <algorithm>

#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/headless/HeadlessHost.h"

namespace vcl::headless {

// ---------------------------------------------------------------- the host object

// Nobody answers a headless form: the handler (or the form's own
// ModalResult, or mrCancel) decides. Its answer stands even when
// OnCloseQuery refuses, as no one could try again.
int THeadlessHost::RunModal(TCustomForm& Form) {
  int result = mrNone;
  auto* form = dynamic_cast<TForm*>(&Form);
  if (FModalHandler && form != nullptr) {
    auto handler = FModalHandler;  // the handler may install another
    result = handler(*form);
  }
  if (result == mrNone) result = Form.ModalResult();
  if (result == mrNone) result = mrCancel;
  Form.SetModalResult(result);
  Form.CloseModal();
  return result;
}

void THeadlessHost::Popup(TPopupMenu& Menu, int X, int Y) {
  if (!FPopupHandler) return;
  auto handler = FPopupHandler;
  handler(Menu, X, Y);
}

bool THeadlessHost::ExecuteColorDialog(TColorDialog& Dialog) {
  if (!FColorDialogHandler) return false;
  auto handler = FColorDialogHandler;
  return handler(Dialog);
}

bool THeadlessHost::ExecuteFileDialog(TOpenDialog& Dialog) {
  if (!FFileDialogHandler) return false;
  auto handler = FFileDialogHandler;
  return handler(Dialog);
}

void THeadlessHost::DropDownMenu(TMainMenu& Menu, int Index) {
  if (!FMenuBarHandler || Index < 0 || Index >= Menu.Items()->Count()) return;
  auto handler = FMenuBarHandler;
  handler(*Menu.Items()->Items(Index));
}

void THeadlessHost::ShowDropDown(TWinControl& Popup, std::function<void()> Dismiss) {
  for (auto& d : FDropDowns) {
    if (d.Control == &Popup) {
      d.Dismiss = std::move(Dismiss);
      return;
    }
  }
  FDropDowns.push_back({&Popup, std::move(Dismiss)});
}

void THeadlessHost::HideDropDown(TWinControl& Popup) {
  std::erase_if(FDropDowns, [&](const TDropDown& d) { return d.Control == &Popup; });
}

void THeadlessHost::Reset() {
  FDropDowns.clear();
  FModalHandler = nullptr;
  FPopupHandler = nullptr;
  FColorDialogHandler = nullptr;
  FFileDialogHandler = nullptr;
  FMenuBarHandler = nullptr;
  FBeeps = 0;
  FExceptions.clear();
  FTimersRefused = false;
  FClipboard.reset();
}

// ---------------------------------------------------------------- helpers

namespace {

THeadlessHost& Self() {
  auto* host = dynamic_cast<THeadlessHost*>(&Host());
  if (host == nullptr) throw EInvalidOperation(u"The headless host is not the process's host");
  return *host;
}

void Settle() { TApplication::Instance().ProcessMessages(); }

// The window input to Ctl arrives through, and a client point of Ctl in
// that window's coordinates.
TControl* WindowOf(TControl* Ctl) {
  TControl* w = Ctl;
  while (w->Parent() != nullptr) w = w->Parent();
  return w;
}

TPoint InWindow(TControl* Ctl, int X, int Y) {
  TControl* w = WindowOf(Ctl);
  if (w == Ctl) return {X, Y};
  return Ctl->ClientToParent({X, Y}, static_cast<TWinControl*>(w));
}

void Require(TControl* Ctl) {
  if (Ctl == nullptr) throw EInvalidOperation(u"No control given for injected input");
}

}  // namespace

// ---------------------------------------------------------------- time

void Advance(std::int64_t Ms) {
  THeadlessHost& host = Self();
  std::int64_t target = host.Now() + std::max<std::int64_t>(Ms, 0);
  for (;;) {
    std::optional<std::int64_t> due = NextTimerDue();
    if (!due || *due > target) break;
    host.SetClock(*due);
    DispatchDueTimers(host.Now());
    Settle();
  }
  host.SetClock(target);
  Settle();
}

std::int64_t Now() { return Self().Now(); }

// ---------------------------------------------------------------- mouse

void MouseDown(TControl* Ctl, TMouseButton Button, TShiftState Shift, int X, int Y) {
  Require(Ctl);
  Self();
  input::MouseDown(WindowOf(Ctl), Button, Shift, InWindow(Ctl, X, Y));
  Settle();
}

void MouseMove(TControl* Ctl, TShiftState Shift, int X, int Y) {
  Require(Ctl);
  Self();
  input::MouseMove(WindowOf(Ctl), Shift, InWindow(Ctl, X, Y));
  Settle();
}

void MouseUp(TControl* Ctl, TMouseButton Button, TShiftState Shift, int X, int Y) {
  Require(Ctl);
  Self();
  input::MouseUp(WindowOf(Ctl), Button, Shift, InWindow(Ctl, X, Y));
  Settle();
}

void Click(TControl* Ctl, int X, int Y) {
  Require(Ctl);
  input::ForgetLastClick();
  MouseDown(Ctl, mbLeft, {}, X, Y);
  // The press may have freed the control (a handler closing its form).
  if (detail::IsAlive(Ctl)) MouseUp(Ctl, mbLeft, {}, X, Y);
}

void DblClick(TControl* Ctl, int X, int Y) {
  Require(Ctl);
  input::ForgetLastClick();
  for (int i = 0; i < 2 && detail::IsAlive(Ctl); ++i) {
    MouseDown(Ctl, mbLeft, {}, X, Y);
    if (detail::IsAlive(Ctl)) MouseUp(Ctl, mbLeft, {}, X, Y);
  }
}

void Wheel(TControl* Ctl, int Delta, TShiftState Shift, int X, int Y) {
  Require(Ctl);
  Self();
  input::MouseWheel(Ctl, Shift, Delta, Ctl->ClientToScreen({X, Y}));
  Settle();
}

void MouseLeave(TControl* Ctl) {
  Require(Ctl);
  Self();
  input::MouseLeave(Ctl);
  Settle();
}

// ---------------------------------------------------------------- keyboard

namespace {

// The window that takes keys for Ctl, focused first; a window that cannot
// take the focus (hidden or disabled, itself or a parent) gets no keys.
bool FocusFor(TControl* Ctl) {
  Require(Ctl);
  Self();
  auto* w = dynamic_cast<TWinControl*>(Ctl);
  if (w == nullptr) w = Ctl->Parent();
  if (w == nullptr || !w->CanFocus()) return false;
  if (FocusedControl() != w) FocusControlDirectly(w);
  return FocusedControl() == w;
}

struct KeyStroke {
  std::uint16_t Key = 0;  // 0: no key makes this character
  bool Shift = false;
};

// The key that types a character on a US keyboard.
KeyStroke StrokeFor(char16_t C) {
  if (C >= u'a' && C <= u'z') return {static_cast<std::uint16_t>(C - 32), false};
  if (C >= u'A' && C <= u'Z') return {static_cast<std::uint16_t>(C), true};
  if (C >= u'0' && C <= u'9') return {static_cast<std::uint16_t>(C), false};
  static const char16_t shiftedDigits[] = u")!@#$%^&*(";
  for (int d = 0; d < 10; ++d) {
    if (C == shiftedDigits[d]) return {static_cast<std::uint16_t>(u'0' + d), true};
  }
  struct Entry { char16_t Plain, Shifted; std::uint16_t Key; };
  static const Entry punctuation[] = {
      {u'-', u'_', VK_OEM_MINUS}, {u'=', u'+', VK_OEM_PLUS}, {u',', u'<', VK_OEM_COMMA},
      {u'.', u'>', VK_OEM_PERIOD}, {u'/', u'?', VK_OEM_2}, {u';', u':', VK_OEM_1},
      {u'\'', u'"', VK_OEM_7}, {u'[', u'{', VK_OEM_4}, {u']', u'}', VK_OEM_6},
      {u'\\', u'|', VK_OEM_5}, {u'`', u'~', VK_OEM_3}};
  for (const Entry& e : punctuation) {
    if (C == e.Plain) return {e.Key, false};
    if (C == e.Shifted) return {e.Key, true};
  }
  switch (C) {
    case u' ': return {VK_SPACE, false};
    case u'\r': case u'\n': return {VK_RETURN, false};
    case u'\t': return {VK_TAB, false};
    case u'\b': return {VK_BACK, false};
    case 0x1B: return {VK_ESCAPE, false};
    default: return {};
  }
}

}  // namespace

void KeyDown(TControl* Ctl, std::uint16_t Key, TShiftState Shift) {
  if (!FocusFor(Ctl)) return;
  input::KeyDown(Key, Shift);
  Settle();
}

void KeyPress(TControl* Ctl, char16_t Ch) {
  if (!FocusFor(Ctl)) return;
  input::KeyPress(Ch);
  Settle();
}

void KeyUp(TControl* Ctl, std::uint16_t Key, TShiftState Shift) {
  if (!FocusFor(Ctl)) return;
  input::KeyUp(Key, Shift);
  Settle();
}

// A key taken as a command at the notification step (Tab moving the focus,
// Enter pressing a default button) types no character, as on the system.
void Type(TControl* Ctl, const String& Text) {
  for (char16_t c : Text) {
    if (!detail::IsAlive(Ctl)) return;
    KeyStroke k = StrokeFor(c);
    char16_t ch = c == u'\n' ? u'\r' : c;
    if (k.Key == 0) {
      KeyPress(Ctl, ch);
      continue;
    }
    TShiftState shift = k.Shift ? TShiftState{ssShift} : TShiftState{};
    if (k.Shift) KeyDown(Ctl, VK_SHIFT, shift);
    if (!FocusFor(Ctl)) return;
    bool taken = input::KeyDown(k.Key, shift);
    Settle();
    if (!taken && detail::IsAlive(Ctl)) KeyPress(Ctl, ch);
    // The releases go wherever the focus is now (Tab may have moved it).
    input::KeyUp(k.Key, shift);
    if (k.Shift) input::KeyUp(VK_SHIFT, {});
    Settle();
  }
}

// ---------------------------------------------------------------- handlers

void SetModalHandler(std::function<int(TForm&)> Handler) { Self().FModalHandler = std::move(Handler); }

void SetPopupHandler(std::function<void(TPopupMenu&, int X, int Y)> Handler) {
  Self().FPopupHandler = std::move(Handler);
}

void SetColorDialogHandler(std::function<bool(TColorDialog&)> Handler) {
  Self().FColorDialogHandler = std::move(Handler);
}

void SetFileDialogHandler(std::function<bool(TOpenDialog&)> Handler) {
  Self().FFileDialogHandler = std::move(Handler);
}

void SetMenuBarHandler(std::function<void(TMenuItem&)> Handler) {
  Self().FMenuBarHandler = std::move(Handler);
}

// ---------------------------------------------------------------- observation

void SetTimersRefused(bool Refused) { Self().SetTimersRefused(Refused); }

int BeepCount() { return Self().FBeeps; }

std::vector<String> HandledExceptions() { return Self().FExceptions; }

TCursor CurrentCursor() { return Self().FCursor; }

namespace {

// Copies the pixels of Area of a back buffer; what lies outside it stays white.
void CopyFromBuffer(const TBitmap& Buffer, const TRect& Area, TBitmap& Out) {
  for (int y = 0; y < Out.Height(); ++y) {
    int sy = Area.Top + y;
    if (sy < 0 || sy >= Buffer.Height()) continue;
    const std::uint32_t* src = Buffer.ScanLine(sy);
    std::uint32_t* dst = Out.ScanLine(y);
    for (int x = 0; x < Out.Width(); ++x) {
      int sx = Area.Left + x;
      if (sx >= 0 && sx < Buffer.Width()) dst[x] = src[sx];
    }
  }
}

}  // namespace

std::unique_ptr<TBitmap> Snapshot(TControl* Ctl) {
  Require(Ctl);
  Self();
  Settle();
  auto out = std::make_unique<TBitmap>(Ctl->Width(), Ctl->Height());
  if (Ctl->Width() == 0 || Ctl->Height() == 0) return out;
  if (TWinControl* window = Ctl->TopLevelWindow()) {
    PaintWindowNow(window);
    if (const TBitmap* buffer = window->BackBuffer()) CopyFromBuffer(*buffer, Ctl->WindowRect(), *out);
    return out;
  }
  // A graphic control on nothing: painted alone on its own color.
  TCanvas* canvas = out->Canvas();
  canvas->Brush()->SetColor(Ctl->Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(Rect(0, 0, out->Width(), out->Height()));
  detail::PaintTree(Ctl, out->Surface(), {0, 0}, Rect(0, 0, out->Width(), out->Height()));
  return out;
}

TWinControl* ShownDropDown() {
  auto& list = Self().FDropDowns;
  std::erase_if(list, [](const THeadlessHost::TDropDown& d) { return !detail::IsAlive(d.Control); });
  return list.empty() ? nullptr : list.back().Control;
}

void PressOutsideDropDown() {
  if (ShownDropDown() == nullptr) return;
  auto dismiss = Self().FDropDowns.back().Dismiss;  // the call hides the drop-down
  if (dismiss) dismiss();
  Settle();
}

void Reset() {
  Self().Reset();
  input::Reset();
}

}  // namespace vcl::headless
