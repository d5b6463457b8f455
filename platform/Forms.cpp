#include "platform/Forms.h"

#include <algorithm>

#include "platform/Guards.h"
#include "platform/Menus.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"

namespace vcl {

// ---------------------------------------------------------------- modal forms

namespace {

std::vector<TCustomForm*>& ModalForms() {
  static auto* forms = new std::vector<TCustomForm*>();
  return *forms;
}

// Keeps a form on the stack of modal forms while its loop runs.
class ModalScope {
 public:
  explicit ModalScope(TCustomForm* Form) : FForm(Form) { ModalForms().push_back(Form); }
  ~ModalScope() { std::erase(ModalForms(), FForm); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  TCustomForm* FForm;
};

}  // namespace

TCustomForm* detail::TopModalForm() { return ModalForms().empty() ? nullptr : ModalForms().back(); }

// ---------------------------------------------------------------- TCustomForm: life

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  // A form starts hidden, 320 × 240, in the button face color with its own font.
  FVisible = false;
  FWidth = 320;
  FHeight = 240;
  FColor = clBtnFace;
  FParentColor = false;
  FParentFont = false;
  Brush()->SetColor(clBtnFace);
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  TScreen::Instance().AddForm(this);
}

TCustomForm::~TCustomForm() {
  DoDestroy();
  Destroying();
  TScreen::Instance().RemoveForm(this);
  std::erase(ModalForms(), this);
  TApplication& app = TApplication::Instance();
  if (app.MainForm() == this) app.SetMainForm(nullptr);
  detail::RemoveFocusFrom(this);
  DestroyHandle();  // here, while the form's own DestroyWnd still runs
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (Parent() == nullptr) {
    Host().CreateFormWindow(*this);
    FHostWindow = true;
  }
}

void TCustomForm::DestroyWnd() {
  if (FHostWindow) {
    FHostWindow = false;
    Host().DestroyFormWindow(*this);
  }
  TWinControl::DestroyWnd();
}

void TCustomForm::SetText(const String& Value) {
  if (Value == Text()) return;
  TWinControl::SetText(Value);
  if (FHostWindow) Host().FormCaptionChanged(*this);
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FHostWindow) Host().FormBoundsChanged(*this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  if (FHostWindow) Host().FormBoundsChanged(*this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FActiveControl) FActiveControl = nullptr;
  if (AComponent == FFocusedControl) FFocusedControl = nullptr;
  if (FMenu != nullptr && AComponent == FMenu) SetMenu(nullptr);
}

// ---------------------------------------------------------------- showing

void TCustomForm::PlaceOnScreen() {
  TCustomForm* over = nullptr;
  if (FPosition == poMainFormCenter) over = TApplication::Instance().MainForm();
  if (FPosition == poOwnerFormCenter) over = dynamic_cast<TCustomForm*>(Owner());
  TRect area = Rect(0, 0, TScreen::Instance().Width(), TScreen::Instance().Height());
  if (over != nullptr && over != this) {
    area = over->BoundsRect();
  } else if (FPosition != poScreenCenter && FPosition != poDesktopCenter &&
             FPosition != poMainFormCenter && FPosition != poOwnerFormCenter) {
    return;
  }
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
            Width(), Height());
}

// Showing: OnShow, then activation (OnActivate) and the focus to the active
// control (the first in tab order when none was chosen). Hiding: OnHide,
// and another shown form becomes active.
void TCustomForm::CMVisibleChanged(TMessage& Message) {
  TWinControl::CMVisibleChanged(Message);
  if (Parent() != nullptr) return;
  TScreen& screen = TScreen::Instance();
  if (Visible()) {
    HandleNeeded();
    PlaceOnScreen();
    FFormState << fsVisible;
    Host().ShowFormWindow(*this, true);
    DoShow();
    if (!Visible()) return;
    screen.SetActiveForm(this);
    if (FActiveControl == nullptr) SelectFirst();
    detail::ChangeFocus(FActiveControl != nullptr ? FActiveControl : this);
    return;
  }
  FFormState >> fsVisible;
  DoHide();
  if (FHostWindow) Host().ShowFormWindow(*this, false);
  if (screen.ActiveForm() != this) return;
  TCustomForm* next = nullptr;
  for (int i = screen.FormCount() - 1; i >= 0 && next == nullptr; --i) {
    TCustomForm* f = screen.Forms(i);
    if (f != this && f->Visible() && f->Parent() == nullptr) next = f;
  }
  screen.SetActiveForm(next);
  if (next != nullptr) next->SetFocus();
}

void TCustomForm::DoShow() {
  if (FOnShow) FOnShow(this);
}

void TCustomForm::DoHide() {
  if (FOnHide) FOnHide(this);
}

void TCustomForm::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (Value) {
    FFormState << fsActivated;
    Activate();
  } else {
    Deactivate();
  }
}

void TCustomForm::Activate() {
  if (FOnActivate) FOnActivate(this);
}

void TCustomForm::Deactivate() {
  if (FOnDeactivate) FOnDeactivate(this);
}

// ---------------------------------------------------------------- focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
  bool loading = ComponentState().Contains(csLoading);
  if (Control != nullptr &&
      (Control == this || GetParentForm(Control) != this || (!loading && !Control->CanFocus()))) {
    throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
  }
  FActiveControl = Control;
  if (!loading && FActive) detail::ChangeFocus(Control != nullptr ? Control : this);
}

void TCustomForm::FocusControl(TWinControl* Control) {
  SetActiveControl(Control);
  detail::ChangeFocus(Control != nullptr ? Control : this);
}

void TCustomForm::SetFocus() {
  TWinControl* target = this;
  if (FActiveControl != nullptr && FActiveControl->CanFocus()) target = FActiveControl;
  detail::ChangeFocus(target);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool) {
  if (Control == nullptr) return;
  if (FActiveControl != nullptr && Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (FFocusedControl != nullptr && Control->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
}

void TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (Control != this) FActiveControl = Control;
  TWinControl* old = FFocusedControl;
  if (old == Control) return;
  FFocusedControl = Control;
  // The controls left (innermost first) and entered (outermost first),
  // below the deepest control holding both.
  std::vector<TWinControl*> exits;
  if (old != nullptr && ContainsControl(old)) {
    for (TWinControl* c = old; c != nullptr && c != this && !c->ContainsControl(Control); c = c->Parent()) {
      exits.push_back(c);
    }
  }
  std::vector<TWinControl*> enters;
  for (TWinControl* c = Control; c != nullptr && c != this && (old == nullptr || !c->ContainsControl(old));
       c = c->Parent()) {
    enters.insert(enters.begin(), c);
  }
  for (TWinControl* c : exits) {
    if (detail::IsAlive(c)) detail::Deliver(c, CM_EXIT, 0, 0);
  }
  for (TWinControl* c : enters) {
    if (detail::IsAlive(c) && FFocusedControl == Control) detail::Deliver(c, CM_ENTER, 0, 0);
  }
}

// ---------------------------------------------------------------- closing

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(fsModal)) {
    throw EInvalidOperation(u"Cannot make a visible window modal");
  }
  FModalResult = mrNone;
  FFormState << fsModal;
  ModalScope modal(this);
  int result = mrCancel;
  {
    TScopeGuard leave([this] {
      FFormState >> fsModal;
      if (Visible()) Hide();
    });
    Show();
    result = Host().RunModal(*this);
  }
  FModalResult = result;
  return result;
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caNone;
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
    if (action == caNone) FModalResult = mrNone;
    if (action == caFree) Release();
  } catch (...) {
    FModalResult = mrNone;
    TApplication::Instance().HandleException(this);
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (FOnCloseQuery) FOnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (FOnClose) FOnClose(this, Action);
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (TApplication::Instance().MainForm() == this) {
    TApplication::Instance().Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    FWindowState = wsMinimized;
  } else {
    Release();
  }
}

void TCustomForm::Release() { PostMessage(Handle(), CM_RELEASE, 0, 0); }

// ---------------------------------------------------------------- painting, keys

TCanvas* TCustomForm::Canvas() { return PrepareCanvas(FCanvas); }

void TCustomForm::Paint() {
  if (FOnPaint) FOnPaint(this);
}

void TCustomForm::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

// Tab moves the focus in tab order (Shift+Tab backwards); the arrows move
// it among the active control's siblings; other keys go to the children.
void TCustomForm::CMDialogKey(TWMKey& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.CharCode) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0) break;
        SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
        Message.Result = 1;
        return;
      case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        if (FActiveControl != nullptr && FActiveControl->Parent() != nullptr) {
          bool forward = Message.CharCode == VK_RIGHT || Message.CharCode == VK_DOWN;
          FActiveControl->Parent()->SelectNext(FActiveControl, forward, false);
          Message.Result = 1;
        }
        return;
      default: break;
    }
  }
  TWinControl::CMDialogKey(Message);
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NEXTDLGCTL:
      if (Message.LParamLo() != 0) {
        if (TWinControl* c = FindControl(reinterpret_cast<HWND>(Message.WParam))) c->SetFocus();
      } else {
        SelectNext(FActiveControl, Message.WParam == 0, true);
      }
      break;
    case WM_CLOSE: Close(); break;
    case CM_RELEASE: delete this; return;  // nothing may touch the form after this
    default: TWinControl::Dispatch(Message); break;
  }
}

// ---------------------------------------------------------------- modal loop of real hosts

int RunModalLoop(TCustomForm& Form) {
  TApplication& app = TApplication::Instance();
  for (;;) {
    if (app.Terminated()) Form.SetModalResult(mrCancel);
    if (Form.ModalResult() != mrNone) {
      Form.CloseModal();
      if (Form.ModalResult() != mrNone) break;
    }
    if (!Form.Visible()) {
      if (Form.ModalResult() == mrNone) Form.SetModalResult(mrCancel);
      break;
    }
    if (!app.HandleMessageOrStop()) {
      // No input can come: nobody will ever answer the form.
      Form.SetModalResult(mrCancel);
      break;
    }
  }
  return Form.ModalResult();
}

// ---------------------------------------------------------------- TApplication

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() = default;

TApplication& TApplication::Instance() {
  static auto* app = new TApplication(nullptr);  // lives as long as the process
  return *app;
}

TApplication& Application = TApplication::Instance();

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMainForm) FMainForm = nullptr;
}

namespace {

// Posted messages, including those posted while handling them; bounded so
// that a message that posts itself again cannot hang the caller.
void DispatchPostedMessages() {
  for (int i = 0; i < 100000 && DispatchPostedMessage(); ++i) {
  }
}

}  // namespace

void TApplication::ProcessMessages() {
  Host().PollInput();
  DispatchPostedMessages();
  DispatchDueTimers(Host().Now());
  DispatchPostedMessages();
  PaintPendingWindows();
}

bool TApplication::HandleMessageOrStop() {
  Host().PollInput();
  if (DispatchPostedMessage()) return true;
  // Pending paints come before timers, so a busy timer cannot starve them.
  PaintPendingWindows();
  if (DispatchDueTimers(Host().Now()) > 0) return true;
  if (FOnIdle) {
    try {
      FOnIdle(this);
    } catch (...) {
      HandleException(this);
    }
  }
  std::optional<std::int64_t> due = NextTimerDue();
  return Host().WaitForInput(due ? *due : -1);
}

void TApplication::HandleMessage() { HandleMessageOrStop(); }

void TApplication::Run() {
  if (FMainForm != nullptr && !FMainForm->Visible()) FMainForm->Show();
  while (!FTerminated && HandleMessageOrStop()) {
  }
}

void TApplication::Terminate() { FTerminated = true; }

void TApplication::ShowException(Exception* E) {
  if (E != nullptr) Host().ShowException(E->Message());
}

namespace {

void Report(TApplication& App, TObject* Sender, Exception& E, bool Silent) {
  Host().ExceptionHandled(E.Message());
  if (Silent) return;
  if (App.OnException()) {
    try {
      App.OnException()(Sender, &E);
    } catch (...) {
      // The handler of last resort must not throw: its own failure is only noted.
      Host().ExceptionHandled(u"Exception in the application's exception handler");
    }
  } else {
    App.ShowException(&E);
  }
}

}  // namespace

// Every exception is recorded by the host; EAbort is silent otherwise, as
// it only unwinds an operation.
void TApplication::HandleException(TObject* Sender) {
  if (!std::current_exception()) return;
  try {
    std::rethrow_exception(std::current_exception());
  } catch (EAbort& e) {
    Report(*this, Sender, e, true);
  } catch (Exception& e) {
    Report(*this, Sender, e, false);
  } catch (std::exception& e) {
    Exception wrapped{std::string_view(e.what())};
    Report(*this, Sender, wrapped, false);
  } catch (...) {
    Exception wrapped{std::string_view("Unknown exception")};
    Report(*this, Sender, wrapped, false);
  }
}

// ---------------------------------------------------------------- TScreen

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen& TScreen::Instance() {
  static auto* screen = new TScreen(nullptr);
  return *screen;
}

TScreen& Screen = TScreen::Instance();

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  detail::UpdateCursor();
}

int TScreen::Width() const { return Host().ScreenSize().cx; }

int TScreen::Height() const { return Host().ScreenSize().cy; }

TWinControl* TScreen::ActiveControl() const {
  return FActiveForm != nullptr ? FActiveForm->ActiveControl() : nullptr;
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return FForms[static_cast<std::size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
  if (FActiveForm == Form) FActiveForm = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* Form) {
  if (FActiveForm == Form) return;
  TCustomForm* old = FActiveForm;
  FActiveForm = Form;
  if (old != nullptr) old->SetActive(false);
  if (Form != nullptr && FActiveForm == Form) Form->SetActive(true);
}

// ---------------------------------------------------------------- helpers

TCustomForm* GetParentForm(const TControl* Control) {
  if (Control == nullptr) return nullptr;
  while (Control->Parent() != nullptr) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}

TCustomForm* ValidParentForm(const TControl* Control) {
  TCustomForm* form = GetParentForm(Control);
  if (form == nullptr) {
    throw EInvalidOperation(u"Control '" + (Control ? Control->Name() : String()) + u"' has no parent form");
  }
  return form;
}

}  // namespace vcl
