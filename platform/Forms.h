// Forms, the application object and the screen.
//
// A form is a top-level window: its Width and Height are its client area
// (the window manager draws any frame around it). Forms are painted into
// their back buffer whether shown or not, so a form that was never shown
// can still be rendered (PaintTo, or a host snapshot).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScrollBar.h"

namespace vcl {

enum TPosition : std::uint8_t {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
  poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
enum TFormStyle : std::uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;
enum TFormStateItem : std::uint8_t {
  fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated
};
using TFormState = Set<TFormStateItem>;

class TCustomForm;
class TMainMenu;
void FocusControlDirectly(TWinControl* Control);
// The modal loop of a host with real input: handles messages until the
// form's ModalResult is set and CloseModal accepts it.
int RunModalLoop(TCustomForm& Form);

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  // An empty form (the same as the constructor: there is no stored layout).
  static TCustomForm* CreateNew(TComponent* AOwner) { return new TCustomForm(AOwner); }

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value) { FBorderIcons = Value; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  // Kept for form files: forms here are always normal top-level windows
  // shown as the window manager places them.
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value) { FFormStyle = Value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value) { FWindowState = Value; }
  TFormState FormState() const { return FFormState; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  bool Active() const { return FActive; }

  // The control that has (or gets, when the form is activated) the focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  // Raises EInvalidOperation for a control of another form or one that
  // cannot take the focus.
  void SetActiveControl(TWinControl* Control);
  // Called as the focus moves to Control (a control of this form): fires
  // OnExit on the controls it leaves and OnEnter on those it enters.
  void SetFocusedControl(TWinControl* Control);
  // Makes Control the active control and gives it the focus.
  void FocusControl(TWinControl* Control);
  // Forgets Control (and its children) as active or focused control.
  void DefocusControl(TWinControl* Control, bool Removing = true);

  TModalResult ModalResult() const { return FModalResult; }
  // During ShowModal a nonzero value ends the modal loop.
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Shows the form and waits (through the host) until it is closed;
  // returns the modal result. EInvalidOperation when the form is already
  // visible or disabled.
  virtual int ShowModal();
  // Ends a modal loop once ModalResult is set: asks OnCloseQuery and fires
  // OnClose; a refusal (or caNone) sets ModalResult back to mrNone.
  void CloseModal();
  // Closes the form: OnCloseQuery may refuse, OnClose chooses the action
  // (hide by default; the main form ends the application).
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages pending now have been handled.
  void Release();
  void SetFocus() override;
  bool CanFocus() const override { return true; }

  TCanvas* Canvas();

  // ---- the main menu: its items' shortcuts work on the form, Alt and a
  // letter marked with '&' drops a top item down; the host shows the bar
  // (X11: a menu bar above the client area).
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  // Acts on a key the form's menu answers (an item's shortcut, Alt and an
  // accelerator letter); true when it did. Keys reach it before the
  // focused control sees them.
  virtual bool IsShortCut(std::uint16_t Key, TShiftState Shift);

  // ---- resolution: a form file records the pixels per inch it was
  // designed at; with Scaled, loading a form designed at another
  // resolution scales it to the screen's (ScaleBy(Screen, PixelsPerInch)),
  // after which PixelsPerInch is the screen's.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value);
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }
  // Scales positions, sizes and font heights of the form (its client
  // area) and every control on it by M / D (MulDiv, halves away from zero).
  void ScaleBy(int M, int D);

  // ---- kept for form files as they were read (and written back)
  // The height of the form font's text when the form was designed.
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int Value) { FTextHeight = Value; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value);
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value) { FAutoScroll = Value; }
  // The other dialect's version stamp (LCLVersion).
  const String& LCLVersion() const { return FLCLVersion; }
  void SetLCLVersion(const String& Value) { FLCLVersion = Value; }
  // Whether PixelsPerInch (OldCreateOrder) is written: once a file or the
  // application has set it.
  bool PixelsPerInchStored() const { return FPixelsPerInchSet; }
  bool OldCreateOrderStored() const { return FOldCreateOrderSet; }

  // Fires OnCreate: a form read from a file does so once the whole file is
  // loaded (the reader calls it); a form made by code may call it itself.
  virtual void DoCreate();
  // Fires OnDestroy once. The form's destructor calls it; a class derived
  // from the form whose handlers use its own members calls it first thing
  // in its own destructor, while those members still exist.
  virtual void DoDestroy();

  TNotifyEvent OnCreate() const { return FOnCreate; }
  void SetOnCreate(TNotifyEvent Value) { FOnCreate = std::move(Value); }
  TNotifyEvent OnDestroy() const { return FOnDestroy; }
  void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = std::move(Value); }
  TNotifyEvent OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
  TNotifyEvent OnHide() const { return FOnHide; }
  void SetOnHide(TNotifyEvent Value) { FOnHide = std::move(Value); }
  TNotifyEvent OnPaint() const { return FOnPaint; }
  void SetOnPaint(TNotifyEvent Value) { FOnPaint = std::move(Value); }
  TNotifyEvent OnActivate() const { return FOnActivate; }
  void SetOnActivate(TNotifyEvent Value) { FOnActivate = std::move(Value); }
  TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(TNotifyEvent Value) { FOnDeactivate = std::move(Value); }
  TCloseEvent OnClose() const { return FOnClose; }
  void SetOnClose(TCloseEvent Value) { FOnClose = std::move(Value); }
  TCloseQueryEvent OnCloseQuery() const { return FOnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent Value) { FOnCloseQuery = std::move(Value); }

  void SetText(const String& Value) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;

 protected:
  virtual void Paint();
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  TCanvas* ControlCanvas() override { return &FCanvas; }
  void PaintWindow(TCanvas* DC) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMDialogKey(TWMKey& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TApplication;
  friend class TScreen;
  friend void FocusControlDirectly(TWinControl* Control);
  void SetActive(bool Value);
  void PlaceOnScreen();

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  TFormState FFormState;
  TMainMenu* FMenu = nullptr;
  int FPixelsPerInch = 96;
  bool FPixelsPerInchSet = false;
  bool FScaled = true;
  int FTextHeight = 0;
  bool FOldCreateOrder = false;
  bool FOldCreateOrderSet = false;
  bool FAutoScroll = true;
  bool FDestroyFired = false;
  String FLCLVersion;
  bool FKeyPreview = false;
  bool FActive = false;
  bool FHostWindow = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TModalResult FModalResult = mrNone;
  TCanvas FCanvas;
  TNotifyEvent FOnShow, FOnHide, FOnPaint, FOnActivate, FOnDeactivate, FOnCreate, FOnDestroy;
  TCloseEvent FOnClose;
  TCloseQueryEvent FOnCloseQuery;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
  static TForm* CreateNew(TComponent* AOwner) { return new TForm(AOwner); }
};

// ---------------------------------------------------------------- TScrollBox

// A box (185 × 41) that scrolls the controls on it: when they reach past
// its client area (with AutoScroll) it shows the scroll bars of the look
// module, and scrolling moves every child by the distance scrolled, as the
// framework does, so a child's Left and Top are where it shows now. The
// content's extent is where the children reach with the scroll position
// taken back out. BorderStyle bsSingle draws the sunken border.
class TScrollBox : public TCustomControl {
 public:
  explicit TScrollBox(TComponent* AOwner);
  ~TScrollBox() override;

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  // The scroll position in pixels (0 at the top-left of the content).
  TPoint ScrollPos() const { return FScrollPos; }
  // Scrolls to Pos, limited to the content; children move with it.
  void ScrollTo(TPoint Pos);
  // Scrolls as little as needed for Control (a child) to show whole.
  void ScrollInView(TControl* Control);
  // The extent of the content (the children at scroll position 0).
  TSize ContentExtent() const;
  // Inside the border and the shown scroll bars.
  TRect ClientRect() const override;
  const TWindowScrollBars& WindowScrollBars() const { return FBars; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

 private:
  TRect InsideBorder() const;
  void SyncBars();
  TWindowScrollBars FBars{this};
  TBorderStyle FBorderStyle = bsSingle;
  bool FAutoScroll = true;
  TPoint FScrollPos;
};

// ---------------------------------------------------------------- application

using TExceptionEvent = std::function<void(TObject* Sender, Exception* E)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;
  // The process's application object (also reachable as `Application`).
  static TApplication& Instance();
  // Lets both `Application.X` and `Application->X` be written.
  TApplication* operator->() { return this; }

  void Initialize() {}
  // Creates a form owned by the application; the first becomes MainForm.
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = new T(this);
    if (FMainForm == nullptr) FMainForm = Reference;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* Value) { FMainForm = Value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }

  // Handles posted messages, due timers and pending paints, then returns.
  void ProcessMessages();
  // Handles one message, waiting for one when there is nothing to do.
  void HandleMessage();
  // As HandleMessage; false when there was nothing to do and no input can
  // ever arrive (the headless host), so a loop waiting for input must stop.
  bool HandleMessageOrStop();
  // Runs the message loop until Terminate (or until no input can come).
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Clears Terminated (for programs and tests that run several loops).
  void ResetTerminated() { FTerminated = false; }

  // To be called in a catch block: passes the current exception to
  // OnException, or reports it through the host. Never throws.
  void HandleException(TObject* Sender);
  void ShowException(Exception* E);
  TExceptionEvent OnException() const { return FOnException; }
  void SetOnException(TExceptionEvent Value) { FOnException = std::move(Value); }
  TNotifyEvent OnIdle() const { return FOnIdle; }
  void SetOnIdle(TNotifyEvent Value) { FOnIdle = std::move(Value); }

  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TCustomForm* FMainForm = nullptr;
  String FTitle;
  String FHint;
  bool FShowHint = true;
  bool FTerminated = false;
  TExceptionEvent FOnException;
  TNotifyEvent FOnIdle;
};

extern TApplication& Application;

// ---------------------------------------------------------------- screen

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);
  static TScreen& Instance();
  TScreen* operator->() { return this; }

  // A cursor shown everywhere while not crDefault (crHourGlass while busy).
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  int Width() const;
  int Height() const;
  int PixelsPerInch() const { return 96; }
  TRect WorkAreaRect() const { return Rect(0, 0, Width(), Height()); }
  int DesktopWidth() const { return Width(); }
  int DesktopHeight() const { return Height(); }

  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const;
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const;
  int CustomFormCount() const { return FormCount(); }
  TCustomForm* CustomForms(int Index) const { return Forms(Index); }

  // Makes Form the active form (OnDeactivate of the old, OnActivate of the
  // new); the focus bookkeeping calls it as the focus moves between forms.
  void SetActiveForm(TCustomForm* Form);

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);

  TCursor FCursor = crDefault;
  TCustomForm* FActiveForm = nullptr;
  std::vector<TCustomForm*> FForms;
};

extern TScreen& Screen;

}  // namespace vcl
