// TComboListBox: the dropped-down list of a combo box. The combo box owns
// it, shows and hides it through the host and steers it with its keys; the
// list scrolls through its bar and reports a picked item back with
// CloseList.
#include <algorithm>

#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/controls/Internal.h"

namespace vcl {

TComboListBox::TComboListBox(TCustomComboBox* Combo) : TCustomControl(nullptr), FCombo(Combo) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque});
  SetParentColor(false);
  SetColor(clWindow);
  SetVisible(false);
  FBars.SetScrollBars(ssVertical);
  FBars.SetOnScroll([this](TScrollBarKind, TScrollCode Code, int& Pos) {
    if (Code != scEndScroll) SetTopIndex(Pos);
    Pos = FTopIndex;
  });
}

TComboListBox::~TComboListBox() = default;

// ---------------------------------------------------------------- items and rows

int TComboListBox::Count() const { return FCombo->FItems->Count(); }

int TComboListBox::ItemHeight() const {
  if (FCombo->OwnerDrawn()) return std::max(1, FCombo->ItemHeight());
  FMeasure.Font()->Assign(const_cast<TFont*>(Font()));
  return std::max(1, FMeasure.TextHeight(u"Wg") + 2);
}

int TComboListBox::RowCount() const { return std::clamp(Count(), 1, FCombo->DropDownCount()); }

int TComboListBox::VisibleRows() const { return std::max(1, ListArea().Height() / ItemHeight()); }

// Inside the one-pixel frame.
TRect TComboListBox::ListArea() const {
  return Rect(1, 1, std::max(1, Width() - 1), std::max(1, Height() - 1));
}

void TComboListBox::SetTopIndex(int Value) {
  Value = std::clamp(Value, 0, std::max(0, Count() - VisibleRows()));
  if (Value == FTopIndex) return;
  FTopIndex = Value;
  Invalidate();
}

void TComboListBox::SetItemIndex(int Value) {
  Value = std::clamp(Value, -1, Count() - 1);
  if (Value >= 0) {
    int visible = VisibleRows();
    if (Value < FTopIndex) SetTopIndex(Value);
    else if (Value >= FTopIndex + visible) SetTopIndex(Value - visible + 1);
  }
  if (Value == FItemIndex) return;
  FItemIndex = Value;
  Invalidate();
}

void TComboListBox::ItemsChanged() {
  FItemIndex = std::min(FItemIndex, Count() - 1);
  SetTopIndex(FTopIndex);
  Invalidate();
}

// A page moves by the rows shown less one, so that one row stays in view.
bool TComboListBox::MoveHighlight(std::uint16_t Key) {
  int last = Count() - 1;
  int page = std::max(1, VisibleRows() - 1);
  int from = FItemIndex;
  int target = from;
  switch (Key) {
    case VK_UP: target = std::max(0, from - 1); break;
    case VK_DOWN: target = std::min(last, from + 1); break;
    case VK_PRIOR: target = std::max(0, from - page); break;
    case VK_NEXT: target = std::min(last, std::max(0, from) + page); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = last; break;
    default: return false;
  }
  if (last >= 0) SetItemIndex(target);
  return true;
}

// ---------------------------------------------------------------- geometry

void TComboListBox::SyncBars() {
  int visible = VisibleRows();
  FBars.SetArea(ListArea());
  FBars.SetShown(false, Count() > visible);
  FBars.SetRange(sbVertical, {0, std::max(Count() - 1, 0), visible, FTopIndex});
  FBars.SetSteps(sbVertical, 1, visible);
}

const TWindowScrollBars& TComboListBox::WindowScrollBars() {
  SyncBars();
  return FBars;
}

TRect TComboListBox::ItemRect(int Index) {
  SyncBars();
  TRect content = FBars.ContentRect();
  int h = ItemHeight();
  int top = content.Top + (Index - FTopIndex) * h;
  if (Index < FTopIndex || Index >= Count() || top >= content.Bottom) return TRect();
  return Rect(content.Left, top, content.Right, std::min(top + h, content.Bottom));
}

int TComboListBox::ItemAtPos(TPoint P) {
  SyncBars();
  TRect content = FBars.ContentRect();
  if (!content.Contains(P)) return -1;
  int index = FTopIndex + (P.Y - content.Top) / ItemHeight();
  return index < Count() ? index : -1;
}

// ---------------------------------------------------------------- mouse

// A press on the items highlights the item under it; the release on an
// item picks that item (the list closes and may be freed with its combo
// box, so nothing follows the pick).
void TComboListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SyncBars();
  if (FBars.MouseDown(Button, {X, Y})) return;
  int index = ItemAtPos({X, Y});
  if (Button == mbLeft && index >= 0) {
    SetItemIndex(index);
    FPressed = true;
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// The item under the mouse is highlighted, pressed or not.
void TComboListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (FBars.MouseMove({X, Y})) return;
  int index = ItemAtPos({X, Y});
  if (index >= 0) SetItemIndex(index);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TComboListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FBars.MouseUp(Button, {X, Y})) return;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FPressed || !detail::IsAlive(this)) return;
  FPressed = false;
  int index = ItemAtPos({X, Y});
  if (index < 0) return;
  SetItemIndex(index);
  FCombo->CloseList(true);
}

// A double click is a second press: on the bar it scrolls again.
void TComboListBox::WMLButtonDblClk(TWMMouse& Message) {
  TPoint p = Message.Pos();
  SyncBars();
  if (FBars.MouseDown(mbLeft, p)) return;
  TCustomControl::WMLButtonDblClk(Message);
}

void TComboListBox::CancelPress() {
  FPressed = false;
  FBars.CancelMode();
}

void TComboListBox::WMCancelMode(TMessage& Message) {
  CancelPress();
  TCustomControl::WMCancelMode(Message);
}

bool TComboListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  SyncBars();
  FBars.MouseWheel(WheelDelta);
  return true;
}

// ---------------------------------------------------------------- painting

void TComboListBox::Paint() {
  SyncBars();
  TCanvas& C = *Canvas();
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  for (int i = FTopIndex; i < Count(); ++i) {
    TRect r = ItemRect(i);
    if (r.IsEmpty()) break;
    TRect saved = C.IntersectClip(r);
    PaintItem(C, i, r);
    C.SetDeviceClip(saved);
  }
  FBars.Paint(C);
}

// Owner-drawn items go through the combo box's DrawItem, on its Canvas
// attached to the list's window for the while (clipped to the item).
void TComboListBox::PaintItem(TCanvas& C, int Index, const TRect& R) {
  TOwnerDrawState state;
  if (Index == FItemIndex) state << odSelected << odFocused;
  if (FCombo->OwnerDrawn()) {
    detail::PaintScope scope(FCombo, FCombo->FCanvas, C);
    FCombo->PrepareItemCanvas(FCombo->FCanvas, state);
    FCombo->DrawItem(Index, R, state);
    return;
  }
  FCombo->PrepareItemCanvas(C, state);
  C.FillRect(R);
  C.Brush()->SetStyle(bsClear);
  int y = R.Top + (R.Height() - C.TextHeight(u"Wg")) / 2;
  C.TextOut(R.Left + 2, y, FCombo->FItems->Strings(Index));
}

}  // namespace vcl
