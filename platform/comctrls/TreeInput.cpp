// TCustomTreeView: keys, mouse and wheel.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/controls/Internal.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

namespace {
// The timer that starts label editing after a slow second click.
constexpr std::uintptr_t kEditTimer = 1;
}  // namespace

// ---------------------------------------------------------------- keys

void TCustomTreeView::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

// Keys that move the selection or open and close branches; true when used.
//
//   Up / Down          previous / next shown node
//   Home / End         first / last shown node
//   PageUp / PageDown  a page of rows up / down
//   Left               collapse, or else go to the parent
//   Right              expand, or else go to the first child
//   + / - / *          expand / collapse / expand the whole branch
//   F2                 edit the label
bool TCustomTreeView::NavigationKey(std::uint16_t Key, TShiftState Shift) {
  if (Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return false;
  TTreeNode* sel = FSelected;
  if (sel == nullptr) {
    bool moves = Key == VK_UP || Key == VK_DOWN || Key == VK_HOME || Key == VK_END || Key == VK_PRIOR || Key == VK_NEXT;
    if (!moves || RowCount() == 0) return false;
    SelectNode(RowNode(0), true);
    return true;
  }
  int row = RowOf(sel);
  int page = std::max(1, VisibleCount() - 1);
  TTreeNode* target = nullptr;
  switch (Key) {
    case VK_UP: target = sel->GetPrevVisible(); break;
    case VK_DOWN: target = sel->GetNextVisible(); break;
    case VK_HOME: target = RowNode(0); break;
    case VK_END: target = RowNode(RowCount() - 1); break;
    case VK_PRIOR: target = RowNode(std::max(0, row - page)); break;
    case VK_NEXT: target = RowNode(std::min(RowCount() - 1, row + page)); break;
    case VK_LEFT:
      if (sel->Expanded()) sel->Collapse(false);
      else target = sel->Parent();
      break;
    case VK_RIGHT:
      if (!sel->Expanded()) UserExpand(sel, false);
      else target = sel->GetFirstChild();
      break;
    case VK_ADD: case VK_OEM_PLUS: UserExpand(sel, false); FSkipChar = true; return true;
    case VK_SUBTRACT: case VK_OEM_MINUS: sel->Collapse(false); FSkipChar = true; return true;
    case VK_MULTIPLY: UserExpand(sel, true); FSkipChar = true; return true;
    case VK_F2: StartEdit(sel); return true;
    default: return false;
  }
  if (target != nullptr && detail::IsAlive(this)) SelectNode(target, true);
  return true;
}

void TCustomTreeView::WMKeyDown(TWMKey& Message) {
  FSkipChar = false;
  CancelSlowClick();
  if (DoKeyDown(Message)) {
    Message.Result = 1;
    return;
  }
  if (!detail::IsAlive(this)) return;
  if (NavigationKey(Message.CharCode, KeyDataToShiftState(Message.KeyData))) Message.Result = 1;
}

// The next shown node (after the selected one, wrapping around) whose text
// starts with the typed character.
void TCustomTreeView::SearchNode(Char Ch) {
  int n = RowCount();
  int start = RowOf(FSelected);
  for (int k = 1; k <= n; ++k) {
    TTreeNode* node = RowNode((start + k + n) % n);
    const String& s = node->Text();
    if (!s.empty() && UpCase(s[0]) == UpCase(Ch)) {
      SelectNode(node, true);
      return;
    }
  }
}

// '+', '-' and '*' typed on the main keys expand and collapse as the
// numeric pad's keys do; other characters search.
void TCustomTreeView::WMChar(TWMKey& Message) {
  if (DoKeyPress(Message)) {
    Message.Result = 1;
    return;
  }
  bool skip = FSkipChar;
  FSkipChar = false;
  if (!detail::IsAlive(this) || Message.Msg == WM_SYSCHAR || skip) return;
  Char ch = static_cast<Char>(Message.CharCode);
  if (FSelected != nullptr && (ch == u'+' || ch == u'-' || ch == u'*')) {
    if (ch == u'+') UserExpand(FSelected, false);
    else if (ch == u'-') FSelected->Collapse(false);
    else UserExpand(FSelected, true);
    return;
  }
  if (ch > 32) SearchNode(ch);
}

void TCustomTreeView::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomTreeView::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  CancelSlowClick();
  Invalidate();
}

void TCustomTreeView::UserExpand(TTreeNode* Node, bool Recurse) {
  Node->Expand(Recurse);
  if (detail::IsAlive(this) && Node->TreeView() == this) ShowBranch(Node);
}

void TCustomTreeView::UserToggle(TTreeNode* Node) {
  if (Node->Expanded()) Node->Collapse(false);
  else UserExpand(Node, false);
}

// ---------------------------------------------------------------- mouse

// A press on a bar belongs to the bars (it scrolls and nothing else). A
// press on a button opens or closes the branch; on a node (its image or
// label, or anywhere on the row with RowSelect) selects it. A press on the
// label of the node that was already selected arms label editing, which
// starts when no double click follows within the double-click time.
void TCustomTreeView::WMLButtonDown(TWMMouse& Message) {
  TTreeNode* before = FSelected;
  CancelSlowClick();
  if (!stdctrls::FocusOnClick(this)) return;
  SyncBars();
  if (FBars.MouseDown(mbLeft, Message.Pos())) return;
  TWinControl::WMLButtonDown(Message);
  if (!detail::IsAlive(this) || !Enabled()) return;
  TPoint p = Message.Pos();
  TTreeNode* node = GetNodeAt(p.X, p.Y);
  if (node == nullptr) return;
  THitTests hits = GetHitTestInfoAt(p.X, p.Y);
  if (hits.Contains(htOnButton)) {
    UserToggle(node);
    return;
  }
  if (!hits.Contains(htOnItem) && !FRowSelect) return;
  if (node == before && hits.Contains(htOnLabel) && !FReadOnly) {
    FPressedSelected = node;
    ArmSlowClick();
    return;
  }
  SelectNode(node, true);
  if (FAutoExpand && detail::IsAlive(this) && FSelected == node) UserExpand(node, false);
}

// A double click on a node opens or closes its branch; on a bar it is a
// second press there.
void TCustomTreeView::WMLButtonDblClk(TWMMouse& Message) {
  CancelSlowClick();
  SyncBars();
  if (FBars.MouseDown(mbLeft, Message.Pos())) return;
  TWinControl::WMLButtonDblClk(Message);
  if (!detail::IsAlive(this) || !Enabled()) return;
  TPoint p = Message.Pos();
  TTreeNode* node = GetNodeAt(p.X, p.Y);
  THitTests hits = GetHitTestInfoAt(p.X, p.Y);
  if (node == nullptr || !(hits.Contains(htOnItem) || hits.Contains(htOnButton) || FRowSelect)) return;
  UserToggle(node);
}

void TCustomTreeView::WMMouseMove(TWMMouse& Message) {
  if (FBars.MouseMove(Message.Pos())) return;
  TWinControl::WMMouseMove(Message);
}

void TCustomTreeView::WMLButtonUp(TWMMouse& Message) {
  if (FBars.MouseUp(mbLeft, Message.Pos())) return;
  TWinControl::WMLButtonUp(Message);
}

void TCustomTreeView::WMCancelMode(TMessage& Message) {
  FBars.CancelMode();
  TWinControl::WMCancelMode(Message);
}

void TCustomTreeView::ArmSlowClick() {
  FSlowClickArmed = SetTimer(Handle(), kEditTimer, GetDoubleClickTime()) != 0;
}

void TCustomTreeView::CancelSlowClick() {
  if (!FSlowClickArmed) return;
  FSlowClickArmed = false;
  KillTimer(Handle(), kEditTimer);
}

void TCustomTreeView::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER && Message.WParam == kEditTimer) {
    bool armed = FSlowClickArmed;
    CancelSlowClick();
    TTreeNode* node = FPressedSelected;
    FPressedSelected = nullptr;
    if (armed && node != nullptr && node == FSelected) StartEdit(node);
    return;
  }
  TWinControl::WndProc(Message);
}

// The wheel scrolls the rows (the width when all rows fit), as the bars do.
bool TCustomTreeView::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  SyncBars();
  FBars.MouseWheel(WheelDelta);
  return true;
}

// Text widths and heights measured with the old font are stale.
void TCustomTreeView::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  ++FMeasureStamp;
  FTextHeight = 0;
  NodesChanged();
}

void TCustomTreeView::CMEnabledChanged(TMessage& Message) {
  FBars.CancelMode();
  TWinControl::CMEnabledChanged(Message);
  if (!Enabled()) CancelSlowClick();
  Invalidate();
}

}  // namespace vcl
