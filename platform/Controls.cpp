#include "platform/Controls.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"

namespace vcl {

// ---------------------------------------------------------------- shift states

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s << ssShift;
  if (Keys & MK_CONTROL) s << ssCtrl;
  if (Keys & MK_LBUTTON) s << ssLeft;
  if (Keys & MK_RBUTTON) s << ssRight;
  if (Keys & MK_MBUTTON) s << ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(std::int32_t KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (KeyData & (1 << 29)) s << ssAlt;
  return s;
}

TShiftState GetShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) s << ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) s << ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) s << ssMiddle;
  return s;
}

// ---------------------------------------------------------------- TSizeConstraints

void TSizeConstraints::Change() {
  if (FOnChange) FOnChange(this);
}

void TSizeConstraints::SetMaxHeight(int Value) {
  FMaxHeight = std::max(0, Value);
  Change();
}
void TSizeConstraints::SetMaxWidth(int Value) {
  FMaxWidth = std::max(0, Value);
  Change();
}
void TSizeConstraints::SetMinHeight(int Value) {
  FMinHeight = std::max(0, Value);
  Change();
}
void TSizeConstraints::SetMinWidth(int Value) {
  FMinWidth = std::max(0, Value);
  Change();
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
  if (FMaxWidth > 0) Width = std::min(Width, FMaxWidth);
  if (FMaxHeight > 0) Height = std::min(Height, FMaxHeight);
  Width = std::max(Width, FMinWidth);
  Height = std::max(Height, FMinHeight);
}

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSizeConstraints*>(Source);
  if (src == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FMaxHeight = src->FMaxHeight;
  FMaxWidth = src->FMaxWidth;
  FMinHeight = src->FMinHeight;
  FMinWidth = src->FMinWidth;
  Change();
}

// ---------------------------------------------------------------- TControl: life

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  detail::ControlCreated(this);
  FWindowProc = [this](TMessage& m) { WndProc(m); };
  FFont.SetOnChange([this](TObject*) { FontChanged(); });
  FConstraints.SetOnChange([this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); });
}

TControl::~TControl() {
  Destroying();
  detail::ForgetControl(this);
  if (FParent != nullptr) FParent->RemoveControl(this);
  FFont.SetOnChange(nullptr);
  FConstraints.SetOnChange(nullptr);
  detail::ControlFreed(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation(u"A control cannot have itself as its parent");
  for (TWinControl* p = AParent; p != nullptr; p = p->FParent) {
    if (p == this) throw EInvalidOperation(u"A control cannot be the parent of its own parent");
  }
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (AParent != nullptr) AParent->InsertControl(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent == nullptr) return;
  if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
  if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
  FollowParent();
  RequestAlign();
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// ---------------------------------------------------------------- geometry

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  FConstraints.Apply(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  int dw = AWidth - FWidth;
  int dh = AHeight - FHeight;
  InvalidateArea();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  detail::LayoutChanged();
  InvalidateArea();
  if (dw != 0 || dh != 0) SizeChanged(dw, dh);
  RequestAlign();
  if ((dw != 0 || dh != 0) && !ComponentState().Contains(csLoading)) Resize();
}

void TControl::SizeChanged(int, int) {}

void TControl::SetClientWidth(int Value) { SetWidth(Value + (FWidth - ClientWidth())); }

void TControl::SetClientHeight(int Value) { SetHeight(Value + (FHeight - ClientHeight())); }

TPoint TControl::ClientOrigin() const {
  if (FParent == nullptr) return {FLeft, FTop};
  TPoint p = FParent->ClientOrigin();
  return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  TPoint o = ClientOrigin();
  return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  TPoint o = ClientOrigin();
  return {P.X - o.X, P.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint P, TWinControl* AParent) const {
  if (AParent == nullptr) AParent = FParent;
  const TControl* c = this;
  while (c != nullptr && c != AParent) {
    P = {P.X + c->FLeft, P.Y + c->FTop};
    c = c->FParent;
  }
  if (c != AParent || AParent == nullptr) {
    throw EInvalidOperation(u"Control '" + Name() + u"' is not a child of the given parent");
  }
  return P;
}

TPoint TControl::ParentToClient(TPoint P, TWinControl* AParent) const {
  TPoint o = ClientToParent({0, 0}, AParent);
  return {P.X - o.X, P.Y - o.Y};
}

TWinControl* TControl::TopLevelWindow() const {
  const TControl* c = this;
  while (c->FParent != nullptr) c = c->FParent;
  return dynamic_cast<TWinControl*>(const_cast<TControl*>(c));
}

TRect TControl::WindowRect() const {
  int x = 0, y = 0;
  for (const TControl* c = this; c->FParent != nullptr; c = c->FParent) {
    x += c->FLeft;
    y += c->FTop;
  }
  return Bounds(x, y, FWidth, FHeight);
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) { FAnchors = Value; }

void TControl::RequestAlign() {
  if (FParent != nullptr && FAlign != alNone) FParent->AlignChildren();
}

// ---------------------------------------------------------------- shown state

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  InvalidateArea();
  FVisible = Value;
  detail::LayoutChanged();
  InvalidateArea();
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
  RequestAlign();
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent != nullptr && !ComponentState().Contains(csReading)) {
    Perform(CM_PARENTCOLORCHANGED, 0, 0);
  }
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent != nullptr && !ComponentState().Contains(csReading)) {
    Perform(CM_PARENTFONTCHANGED, 0, 0);
  }
}

void TControl::FontChanged() {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
  FParentShowHint = false;
  if (FShowHint == Value) return;
  FShowHint = Value;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value && FParent != nullptr) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu != nullptr) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

bool TControl::IsVisibleOnParents() const {
  const TControl* top = TopLevelWindow();
  for (const TControl* c = this; c != nullptr && c != top; c = c->FParent) {
    if (!c->FVisible) return false;
  }
  return true;
}

// ---------------------------------------------------------------- painting

void TControl::InvalidateArea() {
  if (!IsVisibleOnParents()) return;
  TWinControl* top = TopLevelWindow();
  if (top == nullptr || !top->HandleAllocated()) return;
  TRect& dirty = ControlAccess::Dirty(top);
  dirty = detail::UnionRect(dirty, detail::VisibleWindowRect(this));
}

void TControl::Invalidate() { InvalidateArea(); }

void TControl::InvalidateRect(const TRect& R) {
  if (!IsVisibleOnParents()) return;
  TWinControl* top = TopLevelWindow();
  if (top == nullptr || !top->HandleAllocated()) return;
  TRect part = Rect(0, 0, FWidth, FHeight).Intersect(R);
  if (part.IsEmpty()) return;
  const TRect window = WindowRect();
  part.Offset(window.Left, window.Top);
  TRect& dirty = ControlAccess::Dirty(top);
  dirty = detail::UnionRect(dirty, part.Intersect(detail::VisibleWindowRect(this)));
}

void TControl::Update() {
  TWinControl* top = TopLevelWindow();
  if (top != nullptr && top->HandleAllocated() && !ControlAccess::Painting(top)) {
    PaintWindowNow(top);
  }
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetZOrder(bool TopMost) {
  if (FParent == nullptr) return;
  auto move = [&](auto& list, auto* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it == list.end()) return;
    list.erase(it);
    if (TopMost) {
      list.push_back(item);
    } else {
      list.insert(list.begin(), item);
    }
  };
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    move(ControlAccess::WinChildren(FParent), w);
  } else {
    move(ControlAccess::GraphicChildren(FParent), this);
  }
  detail::LayoutChanged();
  InvalidateArea();
}

void TControl::PaintSelf(TCanvas&) {}

TCanvas* TControl::PrepareCanvas(TCanvas& Canvas) {
  // Inside a paint cycle the canvas is already attached with the paint clip.
  if (FPaintDepth > 0) return &Canvas;
  std::uint64_t& generation = FCanvasGeneration;
  if (generation == detail::LayoutGeneration) return &Canvas;
  generation = detail::LayoutGeneration;
  TWinControl* top = TopLevelWindow();
  TBitmap* buffer = top != nullptr ? top->BackBuffer() : nullptr;
  TRect visible = detail::VisibleWindowRect(this);
  if (buffer == nullptr || visible.IsEmpty() || !IsVisibleOnParents()) {
    // Nothing of the control can show: drawing goes nowhere.
    static std::uint32_t nowhere = 0;
    Canvas.Attach(TSurface{&nowhere, 1, 1, 1}, {0, 0}, TRect());
    return &Canvas;
  }
  Canvas.Attach(buffer->Surface(), WindowRect().TopLeft(), visible);
  TRect& unpresented = ControlAccess::Unpresented(top);
  unpresented = detail::UnionRect(unpresented, visible);
  return &Canvas;
}

// ---------------------------------------------------------------- messages

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  TWndMethod proc = FWindowProc;  // the procedure may be replaced while it runs
  proc(m);
  return m.Result;
}

void TControl::SetWindowProc(TWndMethod Value) {
  if (Value) {
    FWindowProc = std::move(Value);
  } else {
    FWindowProc = [this](TMessage& m) { WndProc(m); };
  }
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

namespace {

TWMMouse MouseView(const TMessage& m) {
  return {m.Msg, m.WParam, static_cast<std::int16_t>(GET_X_LPARAM(m.LParam)),
          static_cast<std::int16_t>(GET_Y_LPARAM(m.LParam)), m.Result};
}

}  // namespace

void TControl::Dispatch(TMessage& Message) {
  auto mouse = [&](void (TControl::*handler)(TWMMouse&)) {
    TWMMouse m = MouseView(Message);
    (this->*handler)(m);
    Message.Result = m.Result;
  };
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: mouse(&TControl::WMLButtonDown); break;
    case WM_LBUTTONUP: mouse(&TControl::WMLButtonUp); break;
    case WM_LBUTTONDBLCLK: mouse(&TControl::WMLButtonDblClk); break;
    case WM_RBUTTONDOWN: mouse(&TControl::WMRButtonDown); break;
    case WM_RBUTTONUP: mouse(&TControl::WMRButtonUp); break;
    case WM_RBUTTONDBLCLK: mouse(&TControl::WMRButtonDblClk); break;
    case WM_MBUTTONDOWN: mouse(&TControl::WMMButtonDown); break;
    case WM_MBUTTONUP: mouse(&TControl::WMMButtonUp); break;
    case WM_MBUTTONDBLCLK: mouse(&TControl::WMMButtonDblClk); break;
    case WM_MOUSEMOVE: mouse(&TControl::WMMouseMove); break;
    case WM_CONTEXTMENU: WMContextMenu(Message); break;
    case WM_CANCELMODE: WMCancelMode(Message); break;
    case WM_PAINT: WMPaint(Message); break;
    case CM_MOUSEWHEEL: CMMouseWheel(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_COLORCHANGED: CMColorChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); break;
    case CM_CURSORCHANGED: CMCursorChanged(Message); break;
    case CM_BUTTONPRESSED: CMButtonPressed(Message); break;
    case CM_HITTEST: CMHitTest(Message); break;
    default: DefaultHandler(Message); break;
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(FText.size()); break;
    default: break;
  }
}

// ---------------------------------------------------------------- mouse

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (Value) {
    SetCaptureControl(this);
  } else if (MouseCapture()) {
    SetCaptureControl(nullptr);
  }
}

void TControl::SendCancelMode(TControl* Sender) {
  TWinControl* focused = FocusedControl();
  if (focused != nullptr && focused != Sender) {
    focused->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
  }
}

void TControl::DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseDown(Button, KeysToShiftState(Message.Keys) | Shift, Message.XPos, Message.YPos);
}

void TControl::DoMouseUp(TWMMouse& Message, TMouseButton Button) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseUp(Button, KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::WMLButtonDown(TWMMouse& Message) {
  SendCancelMode(this);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) FControlState << csClicked;
  DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMMouse& Message) {
  SendCancelMode(this);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  if (!detail::IsAlive(this)) return;  // the handler freed the control
  DoMouseDown(Message, mbLeft, {ssDouble});
}

// The click comes before OnMouseUp, and only when the press that started
// it was on this control and the release is inside it.
void TControl::WMLButtonUp(TWMMouse& Message) {
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState >> csClicked;
    if (ClientRect().Contains(Message.Pos())) Click();
    if (!detail::IsAlive(this)) return;  // the handler freed the control
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TWMMouse& Message) { DoMouseDown(Message, mbRight, {}); }
void TControl::WMRButtonUp(TWMMouse& Message) { DoMouseUp(Message, mbRight); }
void TControl::WMRButtonDblClk(TWMMouse& Message) { DoMouseDown(Message, mbRight, {ssDouble}); }
void TControl::WMMButtonDown(TWMMouse& Message) { DoMouseDown(Message, mbMiddle, {}); }
void TControl::WMMButtonUp(TWMMouse& Message) { DoMouseUp(Message, mbMiddle); }
void TControl::WMMButtonDblClk(TWMMouse& Message) { DoMouseDown(Message, mbMiddle, {ssDouble}); }

void TControl::WMMouseMove(TWMMouse& Message) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseMove(KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FOnMouseDown) FOnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (FOnMouseMove) FOnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FOnMouseUp) FOnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
  if (FOnClick) FOnClick(this);
}

void TControl::DblClick() {
  if (FOnDblClick) FOnDblClick(this);
}

void TControl::Resize() {
  if (FOnResize) FOnResize(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (FOnMouseWheel) FOnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  // Whole notches become wheel-down/up steps; a remainder waits for more.
  FWheelAccumulator += WheelDelta;
  while (std::abs(FWheelAccumulator) >= WHEEL_DELTA) {
    if (FWheelAccumulator < 0) {
      FWheelAccumulator += WHEEL_DELTA;
      handled = DoMouseWheelDown(Shift, MousePos);
    } else {
      FWheelAccumulator -= WHEEL_DELTA;
      handled = DoMouseWheelUp(Shift, MousePos);
    }
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (FOnMouseWheelDown) FOnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (FOnMouseWheelUp) FOnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::CMMouseWheel(TMessage& Message) {
  TShiftState shift = KeysToShiftState(Message.WParam & 0xFFFF);
  TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  Message.Result = DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(Message.WParam), pos) ? 1 : 0;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (FOnContextPopup) FOnContextPopup(this, MousePos, Handled);
}

// A context menu request: OnContextPopup may take it; else the control's
// popup menu opens (AutoPopup); else the parent is asked. (-1, -1) means
// it came from the keyboard: the menu opens at the control's corner.
void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  TPoint screen{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  bool fromKeyboard = screen.X == -1 && screen.Y == -1;
  TPoint local = fromKeyboard ? screen : ScreenToClient(screen);
  bool handled = false;
  DoContextPopup(local, handled);
  if (handled) {
    Message.Result = 1;
    return;
  }
  if (FPopupMenu != nullptr && FPopupMenu->AutoPopup()) {
    if (fromKeyboard) screen = ClientToScreen({0, 0});
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(screen.X, screen.Y);
    Message.Result = 1;
    return;
  }
  if (FParent != nullptr) Message.Result = FParent->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
}

void TControl::WMCancelMode(TMessage&) {
  if (MouseCapture()) SetMouseCapture(false);
  FControlState >> csClicked;
}

void TControl::WMPaint(TMessage& Message) {
  if (Message.WParam != 0) PaintSelf(*reinterpret_cast<TCanvas*>(Message.WParam));
}

void TControl::CMMouseEnter(TMessage&) {
  if (FOnMouseEnter) FOnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
  if (FOnMouseLeave) FOnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&) {}

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!FParentColor) return;
  if (Message.WParam != 0) {
    SetColor(static_cast<TColor>(Message.LParam));
  } else if (FParent != nullptr) {
    SetColor(FParent->Color());
  }
  FParentColor = true;
}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!FParentFont) return;
  if (Message.WParam != 0) {
    SetFont(reinterpret_cast<TFont*>(Message.LParam));
  } else if (FParent != nullptr) {
    SetFont(FParent->Font());
  }
  FParentFont = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || FParent == nullptr) return;
  FShowHint = FParent->ShowHint();
  FParentShowHint = true;
}

void TControl::CMCursorChanged(TMessage&) { detail::UpdateCursor(); }

void TControl::CMButtonPressed(TMessage&) {}

void TControl::CMHitTest(TMessage& Message) { Message.Result = 1; }

}  // namespace vcl
