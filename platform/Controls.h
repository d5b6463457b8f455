// Controls: the visual component base classes, their geometry, painting,
// mouse and keyboard handling, focus and message dispatch.
//
//   TControl          position, size, colors, font, text, mouse, messages
//   ├─ TGraphicControl  no window: paints on its parent's surface (Canvas, Paint)
//   └─ TWinControl      a window: children, focus, keys, tab order, PaintTo
//      └─ TCustomControl  a window with a Canvas and Paint
//
// Each top-level window (a form, or any control without a parent) owns one
// back buffer. Invalidate marks a region of it; the message loop paints the
// marked region (every control in z-order, parents before children, each
// through a canvas that views the back buffer at the control's offset,
// clipped to its bounds) and hands the result to the host.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/WinapiMessages.h"

namespace vcl {

class TControl;
class TWinControl;
class TCustomForm;
class TPopupMenu;

// ---------------------------------------------------------------- enumerations

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem : std::uint8_t {
  ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble, ssTouch, ssPen, ssCommand
};
using TShiftState = Set<TShiftStateItem>;

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = Set<TAlign>;

enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;

// Border styles of forms; controls with a border use bsNone and bsSingle.
enum TFormBorderStyle : std::uint8_t {
  bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin
};
using TBorderStyle = TFormBorderStyle;

enum TControlStyleItem : std::uint8_t {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
  csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
  csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient,
  csMenuEvents, csNeedsBorderPaint, csParentBackground, csPannable, csAlignWithMargins,
  csGestures, csPaintBlackOpaqueOnGlass, csOverrideStylePaint
};
using TControlStyle = Set<TControlStyleItem>;

enum TControlStateItem : std::uint8_t {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
  csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide,
  csPanning, csRecreating, csAligning, csGlassPaint, csPrintClient
};
using TControlState = Set<TControlStateItem>;

enum TDragMode : std::uint8_t { dmManual, dmAutomatic };
enum TDragKind : std::uint8_t { dkDrag, dkDock };
enum TStyleElement : std::uint8_t { seFont, seClient, seBorder };
using TStyleElements = Set<TStyleElement>;
enum TBiDiMode : std::uint8_t {
  bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly
};
enum THelpType : std::uint8_t { htKeyword, htContext };
enum TImeMode : std::uint8_t {
  imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata,
  imChinese, imSHanguel, imHanguel
};
using TImeName = String;
enum TInteractiveGesture : std::uint8_t { igZoom, igPan, igRotate, igTwoFingerTap, igPressAndTap };
using TInteractiveGestures = Set<TInteractiveGesture>;
enum TInteractiveGestureOption : std::uint8_t {
  igoPanSingleFingerHorizontal, igoPanSingleFingerVertical, igoPanInertia, igoPanGutter,
  igoParentPassthrough
};
using TInteractiveGestureOptions = Set<TInteractiveGestureOption>;
enum TTabletOption : std::uint8_t {
  toPressAndHold, toPenTapFeedback, toPenBarrelFeedback, toTouchUIForceOn, toTouchUIForceOff,
  toTouchSwitch, toFlicks, toSmoothScrolling, toFlickFallbackKeys
};
using TTabletOptions = Set<TTabletOption>;

// Mouse cursor shapes.
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSize = -22, crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8,
                  crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
                  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                  crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;

// Results of modal forms and message dialogs.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                       mrIgnore = 5, mrYes = 6, mrNo = 7, mrClose = 8, mrHelp = 9,
                       mrTryAgain = 10, mrContinue = 11, mrAll = 12, mrNoToAll = 13,
                       mrYesToAll = 14;

// ---------------------------------------------------------------- events

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TObject*& DragObject)>;

// ---------------------------------------------------------------- message views

// A mouse message seen as its parts; Pos is in the receiver's client area.
struct TWMMouse {
  UINT Msg = 0;
  WPARAM Keys = 0;
  std::int16_t XPos = 0;
  std::int16_t YPos = 0;
  LRESULT Result = 0;
  TPoint Pos() const { return {XPos, YPos}; }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMMouseMove = TWMMouse;

// A key message; a handler that sets CharCode to 0 swallows the key.
struct TWMKey {
  UINT Msg = 0;
  std::uint16_t CharCode = 0;
  std::int32_t KeyData = 0;
  LRESULT Result = 0;
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;

struct TWMSize {
  UINT Msg = 0;
  WPARAM SizeType = 0;
  int Width = 0;
  int Height = 0;
  LRESULT Result = 0;
};

// Shift state from the MK_ flags of a mouse message (plus Alt from the key state).
TShiftState KeysToShiftState(WPARAM Keys);
// Shift state from the key data of a key message (Shift and Ctrl from the key state).
TShiftState KeyDataToShiftState(std::int32_t KeyData);
// Shift state from the current key and button state.
TShiftState GetShiftState();

// ---------------------------------------------------------------- size constraints

class TSizeConstraints : public TPersistent {
 public:
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  // Limits a size to the constraints (0 means no limit).
  void Apply(int& Width, int& Height) const;
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

 private:
  void Change();
  int FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
  TNotifyEvent FOnChange;
};

// ---------------------------------------------------------------- kept settings

// Touch and gesture settings of a control. This platform has no touch
// input: the values are kept so that form files carrying them load and are
// written back unchanged.
class TTouchManager : public TPersistent {
 public:
  TInteractiveGestures InteractiveGestures() const { return FGestures; }
  void SetInteractiveGestures(TInteractiveGestures Value) { FGestures = Value; }
  TInteractiveGestureOptions InteractiveGestureOptions() const { return FGestureOptions; }
  void SetInteractiveGestureOptions(TInteractiveGestureOptions Value) { FGestureOptions = Value; }
  bool ParentTabletOptions() const { return FParentTabletOptions; }
  void SetParentTabletOptions(bool Value) { FParentTabletOptions = Value; }
  // Setting the options stops following the parent's.
  TTabletOptions TabletOptions() const { return FTabletOptions; }
  void SetTabletOptions(TTabletOptions Value);
  void Assign(TPersistent* Source) override;

 private:
  TInteractiveGestures FGestures{igPan, igPressAndTap};
  TInteractiveGestureOptions FGestureOptions{igoPanSingleFingerHorizontal,
                                             igoPanSingleFingerVertical, igoPanInertia,
                                             igoPanGutter, igoParentPassthrough};
  bool FParentTabletOptions = true;
  TTabletOptions FTabletOptions{toPressAndHold};
};

// Space kept around a control (Margins, 3 pixels a side) or inside a
// windowed control (Padding, none). Kept for form files: this platform's
// alignment does not use them.
class TMargins : public TPersistent {
 public:
  TMargins() = default;
  int Left() const { return FLeft; }
  void SetLeft(int Value) { FLeft = Value; }
  int Top() const { return FTop; }
  void SetTop(int Value) { FTop = Value; }
  int Right() const { return FRight; }
  void SetRight(int Value) { FRight = Value; }
  int Bottom() const { return FBottom; }
  void SetBottom(int Value) { FBottom = Value; }
  void Assign(TPersistent* Source) override;

 protected:
  explicit TMargins(int All) : FLeft(All), FTop(All), FRight(All), FBottom(All) {}

 private:
  int FLeft = 3, FTop = 3, FRight = 3, FBottom = 3;
};

class TPadding : public TMargins {
 public:
  TPadding() : TMargins(0) {}
};

// ---------------------------------------------------------------- TControl

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // ---- parent and geometry
  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const { return FParent != nullptr; }

  int Left() const { return FLeft; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  int Top() const { return FTop; }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // Moves and sizes at once; negative sizes become 0, constraints apply.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }

  // The client area, in the control's own coordinates (the whole control here).
  virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
  int ClientWidth() const { return ClientRect().Width(); }
  void SetClientWidth(int Value);
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientHeight(int Value);
  // Screen position of the client area's top-left corner.
  TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;
  // A client point in the coordinates of AParent (the direct parent when null).
  TPoint ClientToParent(TPoint P, TWinControl* AParent = nullptr) const;
  TPoint ParentToClient(TPoint P, TWinControl* AParent = nullptr) const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() { return &FConstraints; }
  void SetConstraints(TSizeConstraints* Value) { FConstraints.Assign(Value); }

  // ---- state shown
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  virtual bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() { return &FFont; }
  const TFont* Font() const { return &FFont; }
  void SetFont(TFont* Value) { FFont.Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  // The control's text; Caption and Text are the same string.
  const String& Caption() const { return FText; }
  void SetCaption(const String& Value) { SetText(Value); }
  const String& Text() const { return FText; }
  virtual void SetText(const String& Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  TStyleElements StyleElements() const { return FStyleElements; }
  void SetStyleElements(TStyleElements Value) { FStyleElements = Value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value);
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }

  // ---- settings kept for form files (see platform/controls/KeptSettings.cpp)
  // BiDiMode follows the parent's while ParentBiDiMode is set; setting it
  // stops following. Text is laid out left to right here whatever the mode.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  // Setting HelpKeyword (HelpContext) outside loading makes HelpType
  // htKeyword (htContext).
  THelpType HelpType() const { return FHelpType; }
  void SetHelpType(THelpType Value) { FHelpType = Value; }
  const String& HelpKeyword() const { return FHelpKeyword; }
  void SetHelpKeyword(const String& Value);
  TTouchManager* Touch() { return &FTouch; }
  void SetTouch(TTouchManager* Value) { FTouch.Assign(Value); }
  TMargins* Margins() { return &FMargins; }
  void SetMargins(TMargins* Value) { FMargins.Assign(Value); }
  bool AlignWithMargins() const { return FAlignWithMargins; }
  void SetAlignWithMargins(bool Value) { FAlignWithMargins = Value; }
  // The bounds a designer meant before alignment moved the control, as
  // form files may carry them; kept, not applied.
  int ExplicitLeft() const { return FExplicitBounds.Left; }
  void SetExplicitLeft(int Value) { FExplicitBounds.Left = Value; }
  int ExplicitTop() const { return FExplicitBounds.Top; }
  void SetExplicitTop(int Value) { FExplicitBounds.Top = Value; }
  int ExplicitWidth() const { return FExplicitBounds.Right; }
  void SetExplicitWidth(int Value) { FExplicitBounds.Right = Value; }
  int ExplicitHeight() const { return FExplicitBounds.Bottom; }
  void SetExplicitHeight(int Value) { FExplicitBounds.Bottom = Value; }
  // The client size a designer saw when it last placed the control's
  // anchored children, as form files carry it (DesignSize); kept, not applied.
  TPoint DesignSize() const { return FDesignSize; }
  void SetDesignSize(TPoint Value) { FDesignSize = Value; }

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  // ---- painting
  // Marks the control's area for painting at the next message processing.
  virtual void Invalidate();
  // Marks only R (control coordinates, clipped to the control) for painting,
  // for controls that know which part of them changed.
  void InvalidateRect(const TRect& R);
  // Paints the pending areas of the control's window now.
  virtual void Update();
  // Paints the control at once.
  virtual void Repaint();
  void Refresh() { Repaint(); }
  // True when the control and every parent up to its top-level window is visible.
  bool IsVisibleOnParents() const;

  // ---- z-order among the parent's children
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }
  virtual void SetZOrder(bool TopMost);

  // ---- messages
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  // The procedure messages go through: WndProc unless replaced (subclassing).
  const TWndMethod& WindowProc() const { return FWindowProc; }
  void SetWindowProc(TWndMethod Value);
  // Calls the message handler for Message.Msg, or DefaultHandler.
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  // ---- events
  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }
  TNotifyEvent OnDblClick() const { return FOnDblClick; }
  void SetOnDblClick(TNotifyEvent Value) { FOnDblClick = std::move(Value); }
  TMouseEvent OnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = std::move(Value); }
  TMouseMoveEvent OnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(TMouseMoveEvent Value) { FOnMouseMove = std::move(Value); }
  TMouseEvent OnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = std::move(Value); }
  TNotifyEvent OnMouseEnter() const { return FOnMouseEnter; }
  void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = std::move(Value); }
  TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
  void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = std::move(Value); }
  TMouseWheelEvent OnMouseWheel() const { return FOnMouseWheel; }
  void SetOnMouseWheel(TMouseWheelEvent Value) { FOnMouseWheel = std::move(Value); }
  TMouseWheelUpDownEvent OnMouseWheelDown() const { return FOnMouseWheelDown; }
  void SetOnMouseWheelDown(TMouseWheelUpDownEvent Value) { FOnMouseWheelDown = std::move(Value); }
  TMouseWheelUpDownEvent OnMouseWheelUp() const { return FOnMouseWheelUp; }
  void SetOnMouseWheelUp(TMouseWheelUpDownEvent Value) { FOnMouseWheelUp = std::move(Value); }
  TNotifyEvent OnResize() const { return FOnResize; }
  void SetOnResize(TNotifyEvent Value) { FOnResize = std::move(Value); }
  TContextPopupEvent OnContextPopup() const { return FOnContextPopup; }
  void SetOnContextPopup(TContextPopupEvent Value) { FOnContextPopup = std::move(Value); }
  // Drag events are stored for applications and form files; this platform
  // starts no drag operations of its own.
  TDragDropEvent OnDragDrop() const { return FOnDragDrop; }
  void SetOnDragDrop(TDragDropEvent Value) { FOnDragDrop = std::move(Value); }
  TDragOverEvent OnDragOver() const { return FOnDragOver; }
  void SetOnDragOver(TDragOverEvent Value) { FOnDragOver = std::move(Value); }
  TEndDragEvent OnEndDrag() const { return FOnEndDrag; }
  void SetOnEndDrag(TEndDragEvent Value) { FOnEndDrag = std::move(Value); }
  TStartDragEvent OnStartDrag() const { return FOnStartDrag; }
  void SetOnStartDrag(TStartDragEvent Value) { FOnStartDrag = std::move(Value); }
  TEndDragEvent OnEndDock() const { return FOnEndDock; }
  void SetOnEndDock(TEndDragEvent Value) { FOnEndDock = std::move(Value); }
  TStartDragEvent OnStartDock() const { return FOnStartDock; }
  void SetOnStartDock(TStartDragEvent Value) { FOnStartDock = std::move(Value); }

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The window this control is shown in: itself for a windowed control
  // without parent, else the top-level ancestor (nullptr when a graphic
  // control has no parent).
  TWinControl* TopLevelWindow() const;
  // The control's bounds in the coordinates of its top-level window.
  TRect WindowRect() const;

 protected:
  // Mouse and click handlers; the defaults fire the matching events.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  // Wheel handling: OnMouseWheel first; unhandled whole notches go to
  // DoMouseWheelDown (negative) or DoMouseWheelUp. True when handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);
  // Fires OnResize; called after every change of Width or Height.
  virtual void Resize();
  // Called when the size changed, before Resize (windows re-lay their children here).
  virtual void SizeChanged(int DeltaWidth, int DeltaHeight);
  // The base procedure of WindowProc.
  virtual void WndProc(TMessage& Message);

  // Message handlers called by Dispatch.
  virtual void WMLButtonDown(TWMMouse& Message);
  virtual void WMLButtonUp(TWMMouse& Message);
  virtual void WMLButtonDblClk(TWMMouse& Message);
  virtual void WMRButtonDown(TWMMouse& Message);
  virtual void WMRButtonUp(TWMMouse& Message);
  virtual void WMRButtonDblClk(TWMMouse& Message);
  virtual void WMMButtonDown(TWMMouse& Message);
  virtual void WMMButtonUp(TWMMouse& Message);
  virtual void WMMButtonDblClk(TWMMouse& Message);
  virtual void WMMouseMove(TWMMouse& Message);
  virtual void WMContextMenu(TMessage& Message);
  virtual void WMCancelMode(TMessage& Message);
  virtual void WMPaint(TMessage& Message);
  virtual void CMMouseWheel(TMessage& Message);
  virtual void CMMouseEnter(TMessage& Message);
  virtual void CMMouseLeave(TMessage& Message);
  virtual void CMEnabledChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message);
  virtual void CMColorChanged(TMessage& Message);
  virtual void CMFontChanged(TMessage& Message);
  virtual void CMTextChanged(TMessage& Message);
  virtual void CMParentColorChanged(TMessage& Message);
  virtual void CMParentFontChanged(TMessage& Message);
  virtual void CMParentShowHintChanged(TMessage& Message);
  virtual void CMCursorChanged(TMessage& Message);
  virtual void CMButtonPressed(TMessage& Message);
  virtual void CMHitTest(TMessage& Message);

  // The canvas of painting controls (graphic and custom); nullptr otherwise.
  virtual TCanvas* ControlCanvas() { return nullptr; }
  // Paints the control (not its children) through a device canvas that is
  // attached at the control's origin and clipped to what may be painted.
  virtual void PaintSelf(TCanvas& DC);
  // Asks the parent to lay out its aligned children again.
  void RequestAlign();
  // Tells the focused control (an open drop-down, say) to cancel its mode.
  void SendCancelMode(TControl* Sender);
  // Attaches a painting control's canvas to its window's back buffer when
  // used outside a paint cycle.
  TCanvas* PrepareCanvas(TCanvas& Canvas);

 private:
  friend class TWinControl;
  friend class TCustomForm;
  friend struct ControlAccess;

  // Takes the settings marked as following the parent from the parent
  // (called when the control is placed, after loading and when a Parent...
  // flag is set); a windowed control passes them on to its children.
  virtual void FollowParent();

  void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TWMMouse& Message, TMouseButton Button);
  void FontChanged();
  // Marks the control's current area (clipped by its parents) for painting.
  void InvalidateArea();

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  TSizeConstraints FConstraints;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  TFont FFont;
  bool FParentFont = true;
  String FText;
  TCursor FCursor = crDefault;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TStyleElements FStyleElements{seFont, seClient, seBorder};
  int FHelpContext = 0;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  TCursor FDragCursor = crDrag;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  THelpType FHelpType = htContext;
  String FHelpKeyword;
  TTouchManager FTouch;
  TMargins FMargins;
  bool FAlignWithMargins = false;
  TRect FExplicitBounds;  // Left, Top, Width, Height
  TPoint FDesignSize;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
  TWndMethod FWindowProc;
  int FWheelAccumulator = 0;
  // Layout generation the canvas was attached for outside painting (0: stale).
  std::uint64_t FCanvasGeneration = 0;
  int FPaintDepth = 0;

  TNotifyEvent FOnClick, FOnDblClick, FOnMouseEnter, FOnMouseLeave, FOnResize;
  TMouseEvent FOnMouseDown, FOnMouseUp;
  TMouseMoveEvent FOnMouseMove;
  TMouseWheelEvent FOnMouseWheel;
  TMouseWheelUpDownEvent FOnMouseWheelDown, FOnMouseWheelUp;
  TContextPopupEvent FOnContextPopup;
  TDragDropEvent FOnDragDrop;
  TDragOverEvent FOnDragOver;
  TEndDragEvent FOnEndDrag, FOnEndDock;
  TStartDragEvent FOnStartDrag, FOnStartDock;
};

// ---------------------------------------------------------------- TGraphicControl

// A control without a window: it paints on its parent's surface.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  // A canvas onto the control's area of its window's back buffer, clipped
  // to the control. Drawing outside a paint cycle shows at the next
  // presentation; on a hidden control it draws nothing.
  TCanvas* Canvas();

 protected:
  virtual void Paint() {}
  TCanvas* ControlCanvas() override { return &FCanvas; }
  void PaintSelf(TCanvas& DC) override;

 private:
  TCanvas FCanvas;
};

// ---------------------------------------------------------------- TWinControl

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  void SetParent(TWinControl* AParent) override;

  // ---- window
  // The window handle, created on first use.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // True when the control and all its parents are visible and the top-level
  // window is shown (or is not a form).
  bool Showing() const;
  // The background brush of the window (its color follows Color).
  TBrush* Brush() { return &FBrush; }

  // ---- children (graphic controls first, then windowed ones, each in z-order)
  int ControlCount() const;
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control) const;
  // The topmost visible child at a client point (enabled only, unless
  // AllowDisabled), windowed children first as they lie above graphic ones.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = true) const;
  TControl* FindChildControl(const String& ControlName) const;
  // Sends the message to each child in turn until one answers nonzero.
  void Broadcast(TMessage& Message);

  // ---- layout
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel > 0; }

  // ---- focus and tab order
  virtual void SetFocus();
  virtual bool Focused() const;
  virtual bool CanFocus() const;
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  int TabOrder() const;
  void SetTabOrder(int Value);
  // This control's focusable descendants in tab order (depth first).
  void GetTabOrderList(std::vector<TWinControl*>& List) const;
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent) const;
  void SelectFirst();
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // ---- painting
  // Paints the control and its children onto Canvas with the control's
  // top-left corner at (X, Y), creating the window first when needed.
  void PaintTo(TCanvas* Canvas, int X, int Y);
  // DoubleBuffered and Ctl3D follow the parent's while ParentDoubleBuffered
  // (ParentCtl3D) is set; setting them stops following. Painting here is
  // always composed off screen and flat, so both are kept for form files.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value);
  bool ParentDoubleBuffered() const { return FParentDoubleBuffered; }
  void SetParentDoubleBuffered(bool Value);
  bool ParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);
  // Input method settings, kept for form files.
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { FImeMode = Value; }
  const TImeName& ImeName() const { return FImeName; }
  void SetImeName(const TImeName& Value) { FImeName = Value; }
  TPadding* Padding() { return &FPadding; }
  void SetPadding(TPadding* Value) { FPadding.Assign(Value); }

  // ---- events
  TKeyEvent OnKeyDown() const { return FOnKeyDown; }
  void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
  TKeyPressEvent OnKeyPress() const { return FOnKeyPress; }
  void SetOnKeyPress(TKeyPressEvent Value) { FOnKeyPress = std::move(Value); }
  TKeyEvent OnKeyUp() const { return FOnKeyUp; }
  void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }
  TNotifyEvent OnEnter() const { return FOnEnter; }
  void SetOnEnter(TNotifyEvent Value) { FOnEnter = std::move(Value); }
  TNotifyEvent OnExit() const { return FOnExit; }
  void SetOnExit(TNotifyEvent Value) { FOnExit = std::move(Value); }

  void Loaded() override;
  void DefaultHandler(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // The back buffer of a top-level window (nullptr for children and before
  // the window exists).
  TBitmap* BackBuffer() const { return FBackBuffer.get(); }

 protected:
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  // Lays out the aligned children inside Rect (initially the client area).
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect) { (void)Rect; }

  // Key handlers; the defaults fire the matching events.
  virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char16_t& Key);
  virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
  // Form key preview, then KeyDown/KeyPress/KeyUp; true when the key was swallowed.
  bool DoKeyDown(TWMKey& Message);
  bool DoKeyPress(TWMKey& Message);
  bool DoKeyUp(TWMKey& Message);
  virtual void DoEnter();
  virtual void DoExit();

  void SizeChanged(int DeltaWidth, int DeltaHeight) override;
  // Paints the window's own surface: background (WM_ERASEBKGND) then PaintWindow.
  void PaintSelf(TCanvas& DC) override;
  virtual void PaintWindow(TCanvas* DC) { (void)DC; }

  virtual void WMEraseBkgnd(TMessage& Message);
  virtual void WMSize(TWMSize& Message);
  virtual void WMSetFocus(TMessage& Message);
  virtual void WMKillFocus(TMessage& Message);
  virtual void WMKeyDown(TWMKey& Message);
  virtual void WMKeyUp(TWMKey& Message);
  virtual void WMChar(TWMKey& Message);
  virtual void WMGetDlgCode(TMessage& Message);
  virtual void CNKeyDown(TWMKey& Message);
  virtual void CNKeyUp(TWMKey& Message);
  virtual void CNChar(TWMKey& Message);
  virtual void CMDialogKey(TWMKey& Message);
  virtual void CMDialogChar(TWMKey& Message);
  virtual void CMEnter(TMessage& Message);
  virtual void CMExit(TMessage& Message);
  void CMColorChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMParentColorChanged(TMessage& Message) override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMParentShowHintChanged(TMessage& Message) override;
  void WMPaint(TMessage& Message) override;

 private:
  friend class TControl;
  friend struct ControlAccess;

  void Insert(TControl* AControl);
  void Remove(TControl* AControl);
  void AlignChildren();
  void AnchorChildren(int DeltaWidth, int DeltaHeight);
  void NotifyChildren(UINT Msg);
  void MainWndProc(TMessage& Message);
  void FollowParent() override;
  void ChildrenFollow();

  HWND FHandle = nullptr;
  std::vector<TControl*> FGraphicControls;
  std::vector<TWinControl*> FWinControls;
  std::vector<TWinControl*> FTabList;
  TBrush FBrush;
  bool FTabStop = false;
  int FAlignLevel = 0;
  bool FRealigning = false;
  bool FDoubleBuffered = false;
  bool FParentBackground = true;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FParentDoubleBuffered = true;
  TImeMode FImeMode = imDontCare;
  TImeName FImeName;
  TPadding FPadding;
  bool FPainting = false;
  std::unique_ptr<TBitmap> FBackBuffer;
  TRect FDirty;        // waiting to be painted
  TRect FUnpresented;  // painted but not yet handed to the host
  TKeyEvent FOnKeyDown, FOnKeyUp;
  TKeyPressEvent FOnKeyPress;
  TNotifyEvent FOnEnter, FOnExit;
};

// ---------------------------------------------------------------- TCustomControl

// A window with a canvas: descendants draw in Paint.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* Canvas();

 protected:
  virtual void Paint() {}
  TCanvas* ControlCanvas() override { return &FCanvas; }
  void PaintWindow(TCanvas* DC) override;

 private:
  TCanvas FCanvas;
};

// ---------------------------------------------------------------- helpers

// The form a control is shown on (nullptr when there is none).
TCustomForm* GetParentForm(const TControl* Control);
// As GetParentForm, but raises EInvalidOperation when there is none.
TCustomForm* ValidParentForm(const TControl* Control);
// The windowed control a handle belongs to, or nullptr.
TWinControl* FindControl(HWND Handle);
// The control holding the mouse capture, or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The windowed control that has the keyboard focus, or nullptr.
TWinControl* FocusedControl();

// The mouse as the application sees it.
class TMouse {
 public:
  // Lets both `Mouse.X` and `Mouse->X` be written.
  TMouse* operator->() { return this; }
  TPoint CursorPos() const;
  void SetCursorPos(TPoint Value);
  HWND Capture() const;
  bool WheelPresent() const { return true; }
  int WheelScrollLines() const { return 3; }
  int DragThreshold() const { return 5; }
};
extern TMouse& Mouse;

}  // namespace vcl
