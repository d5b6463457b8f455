// TWinControl (windows, children, layout, messages), TGraphicControl and
// TCustomControl.
#include <algorithm>
#include <unordered_map>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Guards.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"

namespace vcl {

// ---------------------------------------------------------------- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() { return PrepareCanvas(FCanvas); }


void TGraphicControl::PaintSelf(TCanvas& DC) {
  detail::PaintScope scope(this, FCanvas, DC);
  Paint();
}

// ---------------------------------------------------------------- TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() { return PrepareCanvas(FCanvas); }

void TCustomControl::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

// ---------------------------------------------------------------- TWinControl: life

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FBrush.SetColor(Color());
}

// Children are not freed here (their owners free them); they leave the
// display with their parent.
TWinControl::~TWinControl() {
  Destroying();
  detail::RemoveFocusFrom(this);
  while (!FWinControls.empty()) RemoveControl(FWinControls.back());
  while (!FGraphicControls.empty()) RemoveControl(FGraphicControls.back());
  if (Parent() != nullptr) Parent()->RemoveControl(this);
  DestroyHandle();
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (Parent() == AParent) return;
  // A window that becomes a child draws into its new top-level window's buffer.
  if (AParent != nullptr && HandleAllocated() && Parent() == nullptr) DestroyHandle();
  TControl::SetParent(AParent);
}

// ---------------------------------------------------------------- handles

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle != nullptr) return;
  if (Parent() != nullptr) {
    Parent()->HandleNeeded();  // creates the handles of its children, this one too
    if (FHandle != nullptr) return;
  }
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle != nullptr) return;
  CreateWnd();
  for (TWinControl* child : FWinControls) child->CreateHandle();
}

namespace {
std::unordered_map<HWND, TWinControl*>& HandleMap() {
  static auto* map = new std::unordered_map<HWND, TWinControl*>();
  return *map;
}
}  // namespace

TWinControl* FindControl(HWND Handle) {
  auto it = HandleMap().find(Handle);
  return it == HandleMap().end() ? nullptr : it->second;
}

void TWinControl::CreateWnd() {
  FHandle = AllocateHWnd([this](TMessage& m) { MainWndProc(m); });
  HandleMap()[FHandle] = this;
  if (Parent() == nullptr) {
    FBackBuffer = std::make_unique<TBitmap>(Width(), Height());
    FDirty = ClientRect();
    detail::RegisterTopLevel(this);
    detail::LayoutChanged();
  }
}

void TWinControl::DestroyHandle() {
  if (FHandle == nullptr) return;
  for (TWinControl* child : FWinControls) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  HandleMap().erase(FHandle);
  DeallocateHWnd(FHandle);
  FHandle = nullptr;
  if (FBackBuffer) {
    detail::UnregisterTopLevel(this);
    FBackBuffer.reset();
    FDirty = FUnpresented = TRect();
    detail::LayoutChanged();
  }
}

// Messages that reach the window through its handle; an exception escaping
// the procedure goes to the application's handler.
void TWinControl::MainWndProc(TMessage& Message) {
  try {
    TWndMethod proc = WindowProc();  // the procedure may free the control
    proc(Message);
  } catch (...) {
    TApplication::Instance().HandleException(this);
  }
}

bool TWinControl::Showing() const {
  if (!IsVisibleOnParents()) return false;
  const TWinControl* top = TopLevelWindow();
  return top != nullptr && top->Visible() && top->HandleAllocated();
}

// ---------------------------------------------------------------- children

int TWinControl::ControlCount() const {
  return static_cast<int>(FGraphicControls.size() + FWinControls.size());
}

TControl* TWinControl::Controls(int Index) const {
  int graphic = static_cast<int>(FGraphicControls.size());
  if (Index < 0 || Index >= ControlCount()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  if (Index < graphic) return FGraphicControls[static_cast<std::size_t>(Index)];
  return FWinControls[static_cast<std::size_t>(Index - graphic)];
}

void TWinControl::Insert(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    FWinControls.push_back(w);
    FTabList.push_back(w);
  } else {
    FGraphicControls.push_back(AControl);
  }
  AControl->FParent = this;
}

void TWinControl::Remove(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    std::erase(FWinControls, w);
    std::erase(FTabList, w);
  } else {
    std::erase(FGraphicControls, AControl);
  }
  AControl->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
  if (AControl == nullptr || AControl->FParent == this) return;
  if (AControl->FParent != nullptr) AControl->FParent->RemoveControl(AControl);
  Insert(AControl);
  detail::LayoutChanged();
  if (!AControl->ComponentState().Contains(csReading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->FollowParent();
  }
  auto* w = dynamic_cast<TWinControl*>(AControl);
  if (w != nullptr && HandleAllocated()) w->CreateHandle();
  AControl->InvalidateArea();
  AControl->RequestAlign();
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (AControl == nullptr || AControl->FParent != this) return;
  auto* w = dynamic_cast<TWinControl*>(AControl);
  if (w != nullptr) detail::RemoveFocusFrom(w);
  if (GetCaptureControl() != nullptr &&
      (GetCaptureControl() == AControl ||
       (w != nullptr && w->ContainsControl(GetCaptureControl())))) {
    SetCaptureControl(nullptr);
  }
  AControl->InvalidateArea();
  Remove(AControl);
  detail::LayoutChanged();
  if (w != nullptr) w->DestroyHandle();
  if (AControl->Align() != alNone) AlignChildren();
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (TControl* c = Control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
  // Children show only inside the client area: a border or scroll bar
  // around it belongs to this control.
  if (!ClientRect().Contains(Pos)) return nullptr;
  auto hit = [&](TControl* c) {
    if (!c->Visible() || (!AllowDisabled && !c->Enabled())) return false;
    if (!c->BoundsRect().Contains(Pos)) return false;
    TPoint local{Pos.X - c->Left(), Pos.Y - c->Top()};
    return c->Perform(CM_HITTEST, 0, MAKELPARAM(local.X, local.Y)) != 0;
  };
  if (AllowWinControls) {
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it) {
      if (hit(*it)) return *it;
    }
  }
  for (auto it = FGraphicControls.rbegin(); it != FGraphicControls.rend(); ++it) {
    if (hit(*it)) return *it;
  }
  return nullptr;
}

TControl* TWinControl::FindChildControl(const String& ControlName) const {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!ControlName.empty() && c->Name() == ControlName) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  // A copy: a receiver may add or remove siblings.
  std::vector<TControl*> children;
  for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
  for (TControl* c : children) {
    if (c->Parent() != this) continue;
    TWndMethod proc = c->WindowProc();
    proc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyChildren(UINT Msg) {
  std::vector<TControl*> children;
  for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
  for (TControl* c : children) {
    if (c->Parent() == this) c->Perform(Msg, 0, 0);
  }
}

// ---------------------------------------------------------------- layout

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0) AlignChildren();
}

void TWinControl::Realign() { AlignChildren(); }

void TWinControl::AlignChildren() {
  if (FAlignLevel > 0 || FRealigning || ComponentState().Contains(csLoading) ||
      ComponentState().Contains(csDestroying)) {
    return;
  }
  TValueGuard realigning(FRealigning, true);
  TRect r = ClientRect();
  AdjustClientRect(r);
  AlignControls(nullptr, r);
}

// Aligned children fill the area from its edges inwards: top, bottom, left,
// right, then client. Among children of one alignment, the one nearest its
// edge (by current position, then z-order) goes first.
void TWinControl::AlignControls(TControl*, TRect& Rect) {
  static const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign align : order) {
    std::vector<TControl*> list;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (c->Visible() && c->Align() == align) list.push_back(c);
    }
    auto key = [align](TControl* c) {
      switch (align) {
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return c->Top();
      }
    };
    std::stable_sort(list.begin(), list.end(),
                     [&](TControl* a, TControl* b) { return key(a) < key(b); });
    for (TControl* c : list) {
      int w = std::min(c->Width(), std::max(0, Rect.Width()));
      int h = std::min(c->Height(), std::max(0, Rect.Height()));
      switch (align) {
        case alTop: c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), c->Height()); Rect.Top += c->Height(); break;
        case alBottom: c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), c->Height()); Rect.Bottom -= h; break;
        case alLeft: c->SetBounds(Rect.Left, Rect.Top, c->Width(), Rect.Height()); Rect.Left += c->Width(); break;
        case alRight: c->SetBounds(Rect.Right - w, Rect.Top, c->Width(), Rect.Height()); Rect.Right -= w; break;
        default: c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()); break;
      }
    }
  }
}

// Children anchored to the right or bottom edge follow it when the window
// is resized: they move, or stretch when anchored to both opposite edges.
void TWinControl::AnchorChildren(int DeltaWidth, int DeltaHeight) {
  if (ComponentState().Contains(csLoading)) return;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Align() != alNone) continue;
    TAnchors a = c->Anchors();
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    if (a.Contains(akRight)) {
      if (a.Contains(akLeft)) w += DeltaWidth; else l += DeltaWidth;
    }
    if (a.Contains(akBottom)) {
      if (a.Contains(akTop)) h += DeltaHeight; else t += DeltaHeight;
    }
    c->SetBounds(l, t, w, h);
  }
}

void TWinControl::SizeChanged(int DeltaWidth, int DeltaHeight) {
  if (FBackBuffer) {
    FBackBuffer->SetSize(Width(), Height());
    FDirty = ClientRect();
    detail::LayoutChanged();
  }
  AnchorChildren(DeltaWidth, DeltaHeight);
  AlignChildren();
  if (HandleAllocated()) {
    TMessage m{WM_SIZE, SIZE_RESTORED, MAKELPARAM(ClientWidth(), ClientHeight()), 0};
    WindowProc()(m);
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  AlignChildren();
}

// ---------------------------------------------------------------- painting

void TWinControl::PaintSelf(TCanvas& DC) {
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&DC), 0);
  PaintWindow(&DC);
}

void TWinControl::WMPaint(TMessage& Message) { TControl::WMPaint(Message); }

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  if (Message.WParam != 0 && !ControlStyle().Contains(csOpaque)) {
    TCanvas* dc = reinterpret_cast<TCanvas*>(Message.WParam);
    dc->Brush()->SetColor(Color());
    dc->Brush()->SetStyle(bsSolid);
    dc->FillRect(ClientRect());
  }
  Message.Result = 1;
}

void TWinControl::PaintTo(TCanvas* Canvas, int X, int Y) {
  if (Canvas == nullptr) return;
  HandleNeeded();
  if (Canvas->OnChanging) Canvas->OnChanging();
  const TSurface& s = Canvas->Surface();
  if (s.Pixels == nullptr) return;
  TPoint origin{Canvas->Origin().X + X, Canvas->Origin().Y + Y};
  TRect clip = Canvas->DeviceClip().Intersect(Bounds(origin.X, origin.Y, Width(), Height()));
  detail::PaintTree(this, s, origin, clip);
}

void TWinControl::SetParentBackground(bool Value) {
  if (FParentBackground == Value) return;
  FParentBackground = Value;
  Invalidate();
}

// ---------------------------------------------------------------- messages

void TWinControl::Dispatch(TMessage& Message) {
  auto key = [&](void (TWinControl::*handler)(TWMKey&)) {
    TWMKey k{Message.Msg, static_cast<std::uint16_t>(Message.WParam & 0xFFFF),
             static_cast<std::int32_t>(Message.LParam), Message.Result};
    (this->*handler)(k);
    Message.WParam = k.CharCode;
    Message.Result = k.Result;
  };
  switch (Message.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_SIZE: {
      TWMSize m{Message.Msg, Message.WParam, static_cast<int>(Message.LParamLo()),
                static_cast<int>(Message.LParamHi()), 0};
      WMSize(m);
      Message.Result = m.Result;
      break;
    }
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: key(&TWinControl::WMKeyDown); break;
    case WM_KEYUP: case WM_SYSKEYUP: key(&TWinControl::WMKeyUp); break;
    case WM_CHAR: case WM_SYSCHAR: key(&TWinControl::WMChar); break;
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case CN_KEYDOWN: case CN_SYSKEYDOWN: key(&TWinControl::CNKeyDown); break;
    case CN_KEYUP: key(&TWinControl::CNKeyUp); break;
    case CN_CHAR: case CN_SYSCHAR: key(&TWinControl::CNChar); break;
    case CM_DIALOGKEY: key(&TWinControl::CMDialogKey); break;
    case CM_DIALOGCHAR: key(&TWinControl::CMDialogChar); break;
    case CM_SHOWHINTCHANGED: NotifyChildren(CM_PARENTSHOWHINTCHANGED); break;
    case CM_ENTER: CMEnter(Message); break;
    case CM_EXIT: CMExit(Message); break;
    default: TControl::Dispatch(Message); break;
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  TControl::DefaultHandler(Message);
  if (Message.Result == 0 && FHandle != nullptr) {
    Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
  }
}

void TWinControl::WMSize(TWMSize&) {}

void TWinControl::CMColorChanged(TMessage& Message) {
  FBrush.SetColor(Color());
  TControl::CMColorChanged(Message);
  NotifyChildren(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message) {
  TControl::CMFontChanged(Message);
  NotifyChildren(CM_PARENTFONTCHANGED);
}

void TWinControl::CMParentColorChanged(TMessage& Message) { TControl::CMParentColorChanged(Message); }

void TWinControl::CMParentFontChanged(TMessage& Message) { TControl::CMParentFontChanged(Message); }

void TWinControl::CMParentShowHintChanged(TMessage& Message) {
  TControl::CMParentShowHintChanged(Message);
  NotifyChildren(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
  if (!Enabled()) detail::RemoveFocusFrom(this);
  TControl::CMEnabledChanged(Message);
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
  if (!Visible()) detail::RemoveFocusFrom(this);
  TControl::CMVisibleChanged(Message);
}

}  // namespace vcl
