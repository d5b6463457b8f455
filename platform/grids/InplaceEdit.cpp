// The grid's in-place editing: opening and closing the editor, and the
// editor classes TInplaceEdit, TInplaceEditList and TPopupListbox.
//
// The editor shows over the current cell while EditorMode is on and the
// grid allows it (goEditing without goRowSelect, and the grid focused or
// goAlwaysShowEditor). It takes the cell's text from GetEditText when it
// opens and gives it back through SetEditText when it closes normally (Enter,
// moving to another cell, EditorMode off); Escape closes it without that.
#include <algorithm>

#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Look.h"
#include "platform/Winapi.h"
#include "platform/controls/Internal.h"

namespace vcl {

// ---------------------------------------------------------------- grid side

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

String TCustomGrid::GetEditText(int ACol, int ARow) {
  (void)ACol;
  (void)ARow;
  return String();
}

void TCustomGrid::SetEditText(int ACol, int ARow, const String& Value) {
  (void)ACol;
  (void)ARow;
  (void)Value;
}

TEditStyle TCustomGrid::GetEditStyle(int ACol, int ARow) {
  (void)ACol;
  (void)ARow;
  return esSimple;
}

bool TCustomGrid::CanEditAcceptKey(Char Key) {
  (void)Key;
  return true;
}

bool TCustomGrid::CanEditShow() {
  bool editing = FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect);
  return editing && FEditorMode && !ComponentState().Contains(csDesigning) &&
         (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (!Value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FInplaceEdit != nullptr && EditorShowing()) FInplaceEdit->Deselect();
}

// The editor takes the keyboard when the grid had it.
void TCustomGrid::ShowEditor() {
  bool hadFocus = FocusedControl() == this;
  FEditorMode = true;
  UpdateEdit();
  if (!EditorShowing()) {
    FEditorMode = false;
    return;
  }
  if (hadFocus && FInplaceEdit->CanFocus()) FInplaceEdit->SetFocus();
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  if (FInplaceEdit == nullptr || FInplaceCol < 0) return;
  int col = FInplaceCol, row = FInplaceRow;
  String text = FInplaceEdit->Text();
  CancelEditor();
  SetEditText(col, row, text);
}

void TCustomGrid::CancelEditor() {
  FEditorMode = false;
  if (FInplaceEdit == nullptr) return;
  FInplaceCol = -1;
  FInplaceRow = -1;
  bool hadFocus = FocusedControl() == FInplaceEdit;
  FInplaceEdit->Hide();
  if (hadFocus && CanFocus()) SetFocus();
  Invalidate();
}

void TCustomGrid::ShowEditorChar(Char Ch) {
  ShowEditor();
  if (EditorShowing()) FInplaceEdit->Perform(WM_CHAR, Ch, 0);
}

void TCustomGrid::InvalidateEditor() {
  FInplaceCol = -1;
  FInplaceRow = -1;
  UpdateEdit();
}

// Brings the editor to the current cell: created on first use, storing the
// text of the cell it leaves and taking the text of the cell it comes to.
void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  bool fresh = false;
  if (FInplaceEdit == nullptr) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->FGrid = this;
    FInplaceEdit->Font()->Assign(Font());
    FInplaceEdit->SetParent(this);
    fresh = true;
  } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
    if (FInplaceCol >= 0) {
      int col = FInplaceCol, row = FInplaceRow;
      FInplaceCol = -1;
      SetEditText(col, row, FInplaceEdit->Text());
      if (!CanEditShow()) return;
    }
    fresh = true;
  }
  if (fresh) {
    FInplaceCol = FCurrent.X;
    FInplaceRow = FCurrent.Y;
    FInplaceEdit->UpdateContents();
    FInplaceEdit->SelectAll();
  }
  PlaceEditor();
}

void TCustomGrid::PlaceEditor() {
  if (FInplaceEdit == nullptr) return;
  TRect r = CellRect(FCurrent.X, FCurrent.Y);
  r.Offset(BorderWidth(), BorderWidth());
  FInplaceEdit->Move(r);
}

// ---------------------------------------------------------------- TInplaceEdit

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetAutoSize(false);
  SetVisible(false);
}

void TInplaceEdit::Move(const TRect& Loc) {
  if (Loc.IsEmpty()) {
    Hide();
    return;
  }
  SetBounds(Loc.Left, Loc.Top, Loc.Width(), Loc.Height());
  Show();
  BringToFront();
  BoundsChanged();
  Invalidate();
}

void TInplaceEdit::Deselect() {
  SetSelStart(GetTextLen());
  SetSelLength(0);
}

void TInplaceEdit::UpdateContents() {
  if (FGrid == nullptr) return;
  SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
  SetMaxLength(FGrid->GetEditLimit());
}

TEditStyle TInplaceEdit::GridEditStyle() const {
  return FGrid == nullptr ? esSimple : FGrid->GetEditStyle(FGrid->Col(), FGrid->Row());
}

bool TInplaceEdit::GridCanModify() const { return FGrid == nullptr || FGrid->CanEditModify(); }

// Keys that leave the cell go to the grid. Left/Right/Home/End do so only
// with goAlwaysShowEditor, at the matching end of the text or with Ctrl.
bool TInplaceEdit::ForwardToGrid(std::uint16_t Key, TShiftState Shift) const {
  bool always = FGrid->Options().Contains(goAlwaysShowEditor);
  bool ctrl = Shift.Contains(ssCtrl);
  bool none = SelLength() == 0;
  bool leftSide = (none && SelStart() == 0) || SelLength() == GetTextLen();
  bool rightSide = (none && SelStart() == GetTextLen()) || SelLength() == GetTextLen();
  switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: case VK_RETURN:
      return true;
    case VK_LEFT: case VK_HOME: return always && (ctrl || leftSide);
    case VK_RIGHT: case VK_END: return always && (ctrl || rightSide);
    case VK_TAB: return !Shift.Contains(ssAlt);
    case VK_DELETE: return ctrl;
    default: return false;
  }
}

void TInplaceEdit::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (FGrid != nullptr && ForwardToGrid(Key, Shift)) {
    FGrid->FFromEditor = true;
    FGrid->KeyDown(Key, Shift);
    if (detail::IsAlive(FGrid)) FGrid->FFromEditor = false;
    Key = 0;
    return;
  }
  if (Key == VK_F2) {
    Deselect();
    Key = 0;
    return;
  }
  if (Key == VK_DELETE && !GridCanModify()) {
    Key = 0;
    return;
  }
  TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char16_t& Key) {
  if (FGrid != nullptr) {
    FGrid->KeyPress(Key);
    if (Key >= u' ' && !FGrid->CanEditAcceptKey(Key)) {
      Key = 0;
      MessageBeep(0);
    }
  }
  switch (Key) {
    case u'\t': case 0x1B: case u'\r': Key = 0; break;
    default:
      if ((Key == u'\b' || Key == 0x16 || Key == 0x18 || Key >= u' ') && !GridCanModify()) Key = 0;
  }
  if (Key != 0) TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message) {
  TCustomEdit::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTALLKEYS;
  if (FGrid != nullptr && FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

void TInplaceEdit::DblClick() {
  if (FGrid != nullptr) FGrid->DblClick();
}

// ---------------------------------------------------------------- TInplaceEditList

TInplaceEditList::TInplaceEditList(TComponent* AOwner)
    : TInplaceEdit(AOwner), FPickList(std::make_unique<TStringList>()) {}

TInplaceEditList::~TInplaceEditList() = default;

void TInplaceEditList::SetEditStyle(TEditStyle Value) {
  if (Value == FEditStyle) return;
  if (FListVisible) CloseUp(false);
  FEditStyle = Value;
  Invalidate();
}

void TInplaceEditList::SetButtonWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FButtonWidth) return;
  FButtonWidth = Value;
  Invalidate();
}

void TInplaceEditList::UpdateContents() {
  if (FListVisible) CloseUp(false);
  TInplaceEdit::UpdateContents();
  SetEditStyle(GridEditStyle());
  FPickList->Clear();
}

TRect TInplaceEditList::ButtonRect() const {
  if (!HasButton()) return TRect();
  return Rect(std::max(Width() - FButtonWidth, 0), 0, Width(), Height());
}

void TInplaceEditList::Paint() {
  TInplaceEdit::Paint();
  if (HasButton()) PaintButton(*Canvas());
}

// A raised button (pressed while the list shows) with a down arrow (pick
// list) or three dots (ellipsis).
void TInplaceEditList::PaintButton(TCanvas& C) {
  TRect r = ButtonRect();
  if (r.IsEmpty()) return;
  look::TButtonFace face = FListVisible ? look::bfDown : look::bfUp;
  look::DrawButtonFace(C, r, face);
  TRect glyph = r;
  if (look::FaceIsDown(face)) glyph.Offset(1, 1);
  if (FEditStyle == esPickList) {
    look::DrawArrow(C, glyph, look::adDown, Enabled());
    return;
  }
  int cx = (glyph.Left + glyph.Right) / 2, cy = (glyph.Top + glyph.Bottom) / 2;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Enabled() ? clBtnText : clGrayText);
  for (int i = -1; i <= 1; ++i) {
    C.FillRect(Rect(cx + 3 * i - 1, cy, cx + 3 * i + 1, cy + 2));
  }
}

void TInplaceEditList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && HasButton() && ButtonRect().Contains({X, Y})) {
    if (FEditStyle == esPickList) {
      if (FListVisible) CloseUp(false); else DropDown();
    } else {
      EditButtonClick();
    }
    return;
  }
  if (FListVisible) CloseUp(false);
  TInplaceEdit::MouseDown(Button, Shift, X, Y);
}

void TInplaceEditList::EditButtonClick() {
  if (FOnEditButtonClick) FOnEditButtonClick(Grid() != nullptr ? static_cast<TObject*>(Grid()) : this);
}

void TInplaceEditList::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  bool dropKey = Key == VK_F4 || (Shift.Contains(ssAlt) && (Key == VK_DOWN || Key == VK_UP));
  if (FEditStyle == esPickList && dropKey) {
    if (FListVisible) CloseUp(true); else DropDown();
    Key = 0;
    return;
  }
  if (FListVisible) {
    switch (Key) {
      case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        FList->MoveHighlight(Key);
        Key = 0;
        return;
      case VK_RETURN: CloseUp(true); Key = 0; return;
      case VK_ESCAPE: CloseUp(false); Key = 0; return;
      default: break;
    }
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

void TInplaceEditList::DoExit() {
  if (FListVisible) CloseUp(false);
  TInplaceEdit::DoExit();
}

// A hidden editor takes its list along.
void TInplaceEditList::CMVisibleChanged(TMessage& Message) {
  if (!Visible() && FListVisible) CloseUp(false);
  TInplaceEdit::CMVisibleChanged(Message);
}

// The list opens below the editor (above it when the window has no room
// below), as wide as the editor, DropDownRows items high at most.
void TInplaceEditList::DropDown() {
  if (FListVisible || FEditStyle != esPickList) return;
  if (FOnGetPickListItems && Grid() != nullptr) {
    FPickList->Clear();
    FOnGetPickListItems(this, Grid()->Col(), Grid()->Row(), FPickList.get());
  }
  TWinControl* window = TopLevelWindow();
  if (FPickList->Count() == 0 || window == nullptr || window == this) return;
  if (FList == nullptr) {
    FList = new TPopupListbox(this);
    FList->OnCloseUp = [this](bool Accept) { CloseUp(Accept); };
  }
  FList->Font()->Assign(Font());
  FList->Items()->Assign(FPickList.get());
  FList->SetItemIndex(FPickList->IndexOf(Text()));
  int rows = std::min(FPickList->Count(), FDropDownRows);
  int height = rows * FList->ItemHeight() + 2;
  TPoint below = ClientToParent({0, Height()}, window);
  if (below.Y + height > window->ClientHeight() && below.Y - Height() - height >= 0) {
    below.Y -= Height() + height;
  }
  FList->SetParent(window);
  FList->SetBounds(below.X, below.Y, Width(), height);
  FList->Show();
  FList->BringToFront();
  FListVisible = true;
}

void TInplaceEditList::CloseUp(bool Accept) {
  if (!FListVisible) return;
  FListVisible = false;
  FList->Hide();
  int index = FList->ItemIndex();
  if (Accept && index >= 0 && index < FList->Items()->Count() && GridCanModify()) {
    SetText(FList->Items()->Strings(index));
    SetModified(true);
    SelectAll();
  }
}

// ---------------------------------------------------------------- TPopupListbox

TPopupListbox::TPopupListbox(TComponent* AOwner)
    : TCustomDropDownList(AOwner), FItems(std::make_unique<TStringList>()) {}

void TPopupListbox::Released(int Index) {
  if (!OnCloseUp) return;
  auto handler = OnCloseUp;  // the handler hides (and may free) the list
  handler(Index >= 0);
}

}  // namespace vcl
