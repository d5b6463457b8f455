// TCustomListBox.
#include <algorithm>

#include "platform/Guards.h"
#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/SysUtils.h"
#include "platform/controls/Internal.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TStringList>()) {
  SetControlStyle(ControlStyle() << csOpaque << csDoubleClicks);
  SetControlStyle(ControlStyle() >> csClickEvents);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, 97);
  FItems->SetOnChange([this](TObject*) {
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    SetTopIndex(FTopIndex);
    Invalidate();
  });
  FBars.SetScrollBars(ssVertical);
  FBars.SetOnScroll([this](TScrollBarKind, TScrollCode Code, int& Pos) {
    if (Code != scEndScroll) SetTopIndex(Pos);
    Pos = FTopIndex;
  });
}

TCustomListBox::~TCustomListBox() = default;

// ---------------------------------------------------------------- properties

void TCustomListBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= Count()) Value = -1;
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  MakeVisible(Value);
  Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

int TCustomListBox::ItemHeight() {
  if (FStyle == lbOwnerDrawFixed || FStyle == lbOwnerDrawVariable || FStyle == lbVirtualOwnerDraw) {
    return FItemHeight;
  }
  FCanvas.Font()->Assign(Font());
  return std::max(1, FCanvas.TextHeight(u"Wg"));
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0 || FItemHeight == Value) return;
  FItemHeight = Value;
  Invalidate();
}

void TCustomListBox::SetTopIndex(int Value) {
  int last = std::max(0, Count() - VisibleCount());
  Value = std::clamp(Value, 0, last);
  if (FTopIndex == Value) return;
  FTopIndex = Value;
  Invalidate();
}

// ---------------------------------------------------------------- geometry

int TCustomListBox::VisibleCount() {
  TRect r = Rect(2, 2, Width() - 2, Height() - 2);
  return std::max(1, r.Height() / ItemHeight());
}

bool TCustomListBox::ScrollBarShown() { return Count() > VisibleCount(); }

TRect TCustomListBox::ListArea() const {
  int b = Ctl3D() ? 2 : 1;
  return Rect(b, b, std::max(b, Width() - b), std::max(b, Height() - b));
}

// The bar scrolls by items: a line is an item, a page the items that show.
void TCustomListBox::SyncBars() {
  FBars.SetArea(ListArea());
  FBars.SetShown(false, ScrollBarShown());
  int visible = VisibleCount();
  FBars.SetRange(sbVertical, {0, std::max(Count() - 1, 0), visible, FTopIndex});
  FBars.SetSteps(sbVertical, 1, visible);
}

TRect TCustomListBox::ItemRect(int Index) {
  SyncBars();
  TRect area = FBars.ContentRect();
  int h = ItemHeight();
  int top = area.Top + (Index - FTopIndex) * h;
  return Rect(area.Left, top, area.Right, top + h);
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  TRect area = ListArea();
  if (Pos.Y < area.Top) return Count() == 0 ? -1 : FTopIndex;
  int index = FTopIndex + (Pos.Y - area.Top) / ItemHeight();
  if (index < Count()) return index;
  return Existing ? -1 : Count() - 1;
}

void TCustomListBox::MakeVisible(int Index) {
  if (Index < 0) return;
  if (Index < FTopIndex) SetTopIndex(Index);
  int visible = VisibleCount();
  if (Index >= FTopIndex + visible) SetTopIndex(Index - visible + 1);
}

// ---------------------------------------------------------------- input

void TCustomListBox::SelectByUser(int Index) {
  if (Index < 0 || Index >= Count()) return;
  bool changed = Index != FItemIndex;
  SetItemIndex(Index);
  if (changed) Click();
}

void TCustomListBox::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomListBox::WMKeyDown(TWMKey& Message) {
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this) || Count() == 0) return;
  int page = std::max(1, VisibleCount() - 1);
  int last = Count() - 1;
  int target = FItemIndex;
  switch (Message.CharCode) {
    case VK_UP:
    case VK_LEFT:
      target = std::max(0, FItemIndex - 1);
      break;
    case VK_DOWN:
    case VK_RIGHT:
      target = std::min(last, FItemIndex + 1);
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = last;
      break;
    case VK_PRIOR:
      target = std::max(0, FItemIndex - page);
      break;
    case VK_NEXT:
      target = std::min(last, std::max(0, FItemIndex) + page);
      break;
    default:
      return;
  }
  Message.Result = 1;
  SelectByUser(target);
}

void TCustomListBox::WMChar(TWMKey& Message) {
  if (DoKeyPress(Message)) {
    Message.Result = 1;
    return;
  }
  Char ch = static_cast<Char>(Message.CharCode);
  if (!detail::IsAlive(this) || ch < 32) return;
  int n = Count();
  for (int k = 1; k <= n; ++k) {
    int i = (std::max(FItemIndex, -1) + k + n) % n;
    String s = FItems->Strings(i);
    if (!s.empty() && UpCase(s[0]) == UpCase(ch)) {
      SelectByUser(i);
      return;
    }
  }
}

void TCustomListBox::WMLButtonDown(TWMMouse& Message) {
  if (!stdctrls::FocusOnClick(this)) return;
  SyncBars();
  if (FBars.MouseDown(mbLeft, Message.Pos())) return;
  int index = ItemAtPos(Message.Pos(), true);
  if (index >= 0) {
    SelectByUser(index);
    if (!detail::IsAlive(this)) return;
  }
  TWinControl::WMLButtonDown(Message);
}

// A double click on the bar is a second press on it.
void TCustomListBox::WMLButtonDblClk(TWMMouse& Message) {
  SyncBars();
  if (FBars.MouseDown(mbLeft, Message.Pos())) return;
  TWinControl::WMLButtonDblClk(Message);
}

void TCustomListBox::WMMouseMove(TWMMouse& Message) {
  if (FBars.MouseMove(Message.Pos())) return;
  TWinControl::WMMouseMove(Message);
}

void TCustomListBox::WMLButtonUp(TWMMouse& Message) {
  if (FBars.MouseUp(mbLeft, Message.Pos())) return;
  TWinControl::WMLButtonUp(Message);
}

void TCustomListBox::CMEnabledChanged(TMessage& Message) {
  SyncBars();
  TWinControl::CMEnabledChanged(Message);
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  SyncBars();
  FBars.MouseWheel(WheelDelta);
  return true;
}

void TCustomListBox::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomListBox::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  Invalidate();
}

// ---------------------------------------------------------------- painting

TCanvas* TCustomListBox::Canvas() { return PrepareCanvas(FCanvas); }

void TCustomListBox::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (FOnDrawItem) {
    FOnDrawItem(this, Index, Rect, State);
    return;
  }
  TCanvas* c = Canvas();
  c->FillRect(Rect);
  if (Index >= 0 && Index < Count()) c->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TCustomListBox::Paint() {
  TCanvas& C = FCanvas;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  if (Ctl3D())
    look::DrawSunkenBorder(C, ClientRect());
  else
    look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  TRect area = ListArea();
  {
    TCanvasClipGuard clip(C, area);
    int visible = VisibleCount() + 1;
    for (int i = FTopIndex; i < Count() && i < FTopIndex + visible; ++i) {
      TOwnerDrawState state;
      if (i == FItemIndex) state << odSelected;
      if (i == FItemIndex && Focused()) state << odFocused;
      if (!Enabled()) state << odDisabled;
      C.Font()->Assign(Font());
      C.Brush()->SetStyle(bsSolid);
      C.Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
      if (state.Contains(odSelected)) C.Font()->SetColor(clHighlightText);
      if (!Enabled()) C.Font()->SetColor(clGrayText);
      TRect r = ItemRect(i);
      DrawItem(i, r, state);
      if (state.Contains(odFocused)) look::DrawFocusRect(C, r);
    }
  }
  SyncBars();
  FBars.Paint(C);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterListBoxes() {
  RegisterEnum<TListBoxStyle>({u"lbStandard", u"lbOwnerDrawFixed", u"lbOwnerDrawVariable",
                               u"lbVirtual", u"lbVirtualOwnerDraw"});
  auto list = RegisterClass<TCustomListBox, TWinControl>(u"TCustomListBox");
  stdctrls::WindowColored(list)
      .Property(u"Style", &TCustomListBox::Style, &TCustomListBox::SetStyle, lbStandard)
      .Property(
          u"ItemHeight", [](TCustomListBox& l) { return l.ItemHeight(); },
          &TCustomListBox::SetItemHeight)
      .Stored([](TCustomListBox& l) { return l.Style() != lbStandard; })
      .Sample([](TCustomListBox& l, int Attempt) {  // only owner-drawn items keep a height
        if (Attempt > 0) return false;
        l.SetStyle(lbOwnerDrawFixed);
        l.SetItemHeight(l.ItemHeight() + 7);
        return true;
      })
      .Property(u"Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted, false)
      .Strings(u"Items", [](TCustomListBox& l) { return l.Items(); })
      .Property(u"ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex, -1)
      .Sample([](TCustomListBox& l, int Attempt) {  // an index needs an item
        if (Attempt > 0) return false;
        l.Items()->Add(u"x");
        l.SetItemIndex(l.Items()->Count() - 1);
        return true;
      })
      .Event(u"OnDrawItem", &TCustomListBox::OnDrawItem, &TCustomListBox::SetOnDrawItem);
  RegisterClass<TListBox, TCustomListBox>(u"TListBox");
  return true;
}

const bool registered = RegisterListBoxes();

}  // namespace

}  // namespace vcl
