// TCustomDropDownList: the column of items that combo boxes and the grid's
// pick list drop down. It keeps the highlight and the top row, scrolls
// through its bar and the wheel, and reports a press released on it to the
// list that derives from it.
#include <algorithm>

#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/controls/Internal.h"

namespace vcl {

TCustomDropDownList::TCustomDropDownList(TComponent* AOwner) : TCustomControl(AOwner) {
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

TCustomDropDownList::~TCustomDropDownList() = default;

// ---------------------------------------------------------------- items and rows

int TCustomDropDownList::ItemHeight() const {
  FMeasure.Font()->Assign(const_cast<TFont*>(Font()));
  return std::max(1, FMeasure.TextHeight(u"Wg") + 2);
}

int TCustomDropDownList::VisibleRows() const { return std::max(1, ListArea().Height() / ItemHeight()); }

// Inside the one-pixel frame.
TRect TCustomDropDownList::ListArea() const {
  return Rect(1, 1, std::max(1, Width() - 1), std::max(1, Height() - 1));
}

void TCustomDropDownList::SetTopIndex(int Value) {
  Value = std::clamp(Value, 0, std::max(0, Count() - VisibleRows()));
  if (Value == FTopIndex) return;
  FTopIndex = Value;
  Invalidate();
}

void TCustomDropDownList::SetItemIndex(int Value) {
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

void TCustomDropDownList::ResetHighlight() {
  FTopIndex = 0;
  FItemIndex = -1;
  Invalidate();
}

void TCustomDropDownList::ItemsChanged() {
  FItemIndex = std::min(FItemIndex, Count() - 1);
  SetTopIndex(FTopIndex);
  Invalidate();
}

bool TCustomDropDownList::MoveHighlight(std::uint16_t Key) {
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

void TCustomDropDownList::SyncBars() {
  int visible = VisibleRows();
  FBars.SetArea(ListArea());
  FBars.SetShown(false, Count() > visible);
  FBars.SetRange(sbVertical, {0, std::max(Count() - 1, 0), visible, FTopIndex});
  FBars.SetSteps(sbVertical, 1, visible);
}

const TWindowScrollBars& TCustomDropDownList::WindowScrollBars() {
  SyncBars();
  return FBars;
}

TRect TCustomDropDownList::ItemRect(int Index) {
  SyncBars();
  return RowRect(Index, FBars.ContentRect(), ItemHeight());
}

TRect TCustomDropDownList::RowRect(int Index, const TRect& Content, int H) const {
  int top = Content.Top + (Index - FTopIndex) * H;
  if (Index < FTopIndex || Index >= Count() || top >= Content.Bottom) return TRect();
  return Rect(Content.Left, top, Content.Right, std::min(top + H, Content.Bottom));
}

int TCustomDropDownList::ItemAtPos(TPoint P) {
  SyncBars();
  TRect content = FBars.ContentRect();
  if (!content.Contains(P)) return -1;
  int index = FTopIndex + (P.Y - content.Top) / ItemHeight();
  return index < Count() ? index : -1;
}

// ---------------------------------------------------------------- mouse

// A press on an item highlights it; a press anywhere off the bar is held
// until its release.
void TCustomDropDownList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SyncBars();
  if (FBars.MouseDown(Button, {X, Y})) return;
  if (Button == mbLeft) {
    int index = ItemAtPos({X, Y});
    if (index >= 0) SetItemIndex(index);
    FPressed = true;
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// The item under the mouse is highlighted, pressed or not.
void TCustomDropDownList::MouseMove(TShiftState Shift, int X, int Y) {
  if (FBars.MouseMove({X, Y})) return;
  int index = ItemAtPos({X, Y});
  if (index >= 0) SetItemIndex(index);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomDropDownList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FBars.MouseUp(Button, {X, Y})) return;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FPressed || !detail::IsAlive(this)) return;
  FPressed = false;
  int index = ItemAtPos({X, Y});
  if (index >= 0) SetItemIndex(index);
  Released(index);
}

// A double click is a second press: on the bar it scrolls again.
void TCustomDropDownList::WMLButtonDblClk(TWMMouse& Message) {
  TPoint p = Message.Pos();
  SyncBars();
  if (FBars.MouseDown(mbLeft, p)) return;
  TCustomControl::WMLButtonDblClk(Message);
}

void TCustomDropDownList::CancelPress() {
  FPressed = false;
  FBars.CancelMode();
}

void TCustomDropDownList::WMCancelMode(TMessage& Message) {
  CancelPress();
  TCustomControl::WMCancelMode(Message);
}

bool TCustomDropDownList::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  SyncBars();
  FBars.MouseWheel(WheelDelta);
  return true;
}

// ---------------------------------------------------------------- painting

void TCustomDropDownList::Paint() {
  SyncBars();
  TCanvas& C = *Canvas();
  C.Font()->Assign(Font());
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  // The bars and the row height once for the whole paint.
  const TRect content = FBars.ContentRect();
  const int h = ItemHeight();
  for (int i = FTopIndex; i < Count(); ++i) {
    TRect r = RowRect(i, content, h);
    if (r.IsEmpty()) break;
    TRect saved = C.IntersectClip(r);
    PaintItem(C, i, r);
    C.SetDeviceClip(saved);
  }
  FBars.Paint(C);
}

void TCustomDropDownList::PaintItem(TCanvas& C, int Index, const TRect& R) {
  bool highlighted = Index == FItemIndex;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(highlighted ? clHighlight : Color());
  C.Font()->SetColor(highlighted ? clHighlightText : Font()->Color());
  C.FillRect(R);
  C.Brush()->SetStyle(bsClear);
  int y = R.Top + (R.Height() - C.TextHeight(u"Wg")) / 2;
  C.TextOut(R.Left + 2, y, ItemText(Index));
}

}  // namespace vcl
