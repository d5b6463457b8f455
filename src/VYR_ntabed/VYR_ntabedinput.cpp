// TNTabEd input: the in-place editor with its pick list, when editing is
// allowed, keys, mouse presses that open the popups, the head editor and
// the comment memo.
//
// Editing permission (the grid's goEditing) by event:
//   press      on another cell than the press before: off before the
//              grid's handling (a first press only selects); after it, on
//              a data cell: on when it is the same cell again, off in a
//              locked cell or while DataReadOnly
//   release    on unless the cell under it is locked or DataReadOnly
//   character  off (and the character dropped) in a locked current cell
//              or while DataReadOnly, else on
//   key down   other keys than Enter and the arrows are dropped in a locked
//              current cell
// The grid asks CanEditShow before opening its editor, which refuses
// locked cells and DataReadOnly whatever goEditing says.
#include <algorithm>
#include <cmath>

#include "VYR_ntabed/VYR_ntabedinternal.h"
#include "VYR_ntabed/VYR_ntabedtext.h"
#include "companion/mathpack/VYR_math1.h"
#include "platform/SysUtils.h"
#include "platform/Winapi.h"

namespace vyr {

using ntabed::TCellKind;

namespace {

constexpr vcl::TColor kCommentBack = 0x808000;
constexpr vcl::TColor kCommentText = 0xFFFFFF;

bool IsMovingKey(std::uint16_t Key) {
  return Key == 0 || Key == vcl::VK_RETURN || Key == vcl::VK_LEFT || Key == vcl::VK_RIGHT ||
         Key == vcl::VK_UP || Key == vcl::VK_DOWN;
}

// A decimal integer as IsValidDecInt accepts it (blanks around, a sign).
int DecIntValue(const vcl::String& Text) {
  const vcl::String t = vcl::Trim(Text);
  long long v = 0;
  std::size_t i = 0;
  const bool negative = !t.empty() && t[0] == u'-';
  if (!t.empty() && (t[0] == u'-' || t[0] == u'+')) i = 1;
  for (; i < t.size(); ++i) v = std::min(v * 10 + (t[i] - u'0'), 1LL << 32);
  return static_cast<int>(negative ? -v : v);
}

}  // namespace

// ---------------------------------------------------------------- permission

void TNTabEd::SetEditing(bool Value) {
  vcl::TGridOptions o = Options();
  if (o.Contains(vcl::goEditing) == Value) return;
  if (Value) {
    o << vcl::goEditing;
  } else {
    o >> vcl::goEditing;
  }
  SetOptions(o);
}

bool TNTabEd::CellLocked(int ACol, int ARow) const {
  if (ntabed::KindOfCell(ACol, ARow, Offsets()) != ntabed::ckData) return false;
  return (Data->GetCellState(ACol - FColOffset, ARow - FRowOffset) & csLocked) != 0;
}

bool TNTabEd::CurrentCellLocked() const {
  const vcl::TGridRect sel = Selection();
  return CellLocked(sel.Left, sel.Top);
}

bool TNTabEd::IsNominalColumn(int c) const {
  const TMScaleType t = Data->GetMScaleType(c);
  return t == mstBinary || t == mstNominal;
}

bool TNTabEd::CanEditShow() {
  if (Data == nullptr || FDataReadOnly || CellLocked(Col(), Row())) return false;
  return vcl::TCustomGrid::CanEditShow();
}

// ---------------------------------------------------------------- the in-place editor

vcl::TInplaceEdit* TNTabEd::CreateEditor() {
  auto* editor = new vcl::TInplaceEditList(this);
  editor->SetDropDownRows(FNomEditDropDownCount);
  editor->SetOnGetPickListItems([this](vcl::TObject*, int ACol, int, vcl::TStrings* Items) {
    ColumnsGetPickListItems(ACol, Items);
  });
  return editor;
}

vcl::TEditStyle TNTabEd::GetEditStyle(int ACol, int ARow) {
  (void)ARow;
  return IsNominalColumn(ACol - FColOffset) ? vcl::esPickList : vcl::esSimple;
}

void TNTabEd::ColumnsGetPickListItems(int ACol, vcl::TStrings* Items) {
  const int c = ACol - FColOffset;
  FColPickList->Clear();
  for (int k = 1; k <= MaxNominalOrdinal; ++k) {
    const vcl::String id = Data->GetNominalID(c, k);
    if (!id.empty()) FColPickList->Add(id);
  }
  if (Items != nullptr) Items->Assign(FColPickList.get());
}

vcl::String TNTabEd::GetEditText(int ACol, int ARow) {
  const int c = ACol - FColOffset, r = ARow - FRowOffset;
  vcl::String text;
  if (ValidCol(c) && ValidRow(r)) {
    const double x = Data->GetElem(c, r);
    if (IsNominalColumn(c)) {
      const double n = std::nearbyint(x);
      if (n >= 1 && n <= MaxNominalOrdinal) text = Data->GetNominalID(c, static_cast<int>(n));
      if (text.empty()) text = ntabed::IntegerText(n);
    } else {
      text = ntabed::FormatCellNum(x, FNumWidth, Precision(c));
    }
  }
  if (FOnGetEditText) {
    vcl::TGetEditEvent handler = FOnGetEditText;
    handler(this, ACol, ARow, text);
  }
  FEditOrigText = text;
  FEditOrigCell = {ACol, ARow};
  return text;
}

// A text the editor gives back as it got it stores nothing: the editor's
// text is the cell shown with its decimals, and storing it would round the
// value each time an editor opens and closes.
void TNTabEd::SetEditText(int ACol, int ARow, const vcl::String& Value) {
  const int c = ACol - FColOffset, r = ARow - FRowOffset;
  const bool unchanged = FEditOrigCell == vcl::TGridCoord{ACol, ARow} && Value == FEditOrigText;
  FEditOrigCell = {-1, -1};
  if (ValidCol(c) && ValidRow(r) && !unchanged) {
    double value = Data->GetElem(c, r);
    std::uint8_t state = Data->GetCellState(c, r);
    if (IsNominalColumn(c)) {
      const int ordinal = Data->OrdinalOfNominalID(c, Value, true);
      if (ordinal > 0) {
        value = ordinal;
        state = 0;
      } else if (IsValidDecInt(Value)) {
        value = DecIntValue(Value);
        state &= static_cast<std::uint8_t>(~csNoNumber);
      } else {
        state |= csNoNumber;
      }
    } else if (ntabed::ReadTypedNumber(Value, value)) {
      state &= static_cast<std::uint8_t>(~csNoNumber);
    } else {
      state |= csNoNumber;
    }
    {
      TDataChangedDetached detached(*this);
      Data->SetElem(c, r, value);
      Data->SetCellState(c, r, state);
    }
    DataHasChanged(Data);
  }
  vcl::TCustomGrid::SetEditText(ACol, ARow, Value);
  if (FOnSetEditText) {
    vcl::TSetEditEvent handler = FOnSetEditText;
    handler(this, ACol, ARow, Value);
  }
}

// ---------------------------------------------------------------- keys

void TNTabEd::WMGetDlgCode(vcl::TMessage& Message) {
  vcl::TCustomGrid::WMGetDlgCode(Message);
  Message.Result |= vcl::DLGC_WANTTAB;
}

void TNTabEd::KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) {
  if (CurrentCellLocked() && !IsMovingKey(Key)) {
    SetEditing(false);
    Key = 0;
    return;
  }
  vcl::TCustomGrid::KeyDown(Key, Shift);
  CheckSelectionChanged();
  const vcl::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
  Invalidate();
}

// A character that reaches the grid while editing was off opens the editor
// with it, as the grid does for characters when editing is on.
void TNTabEd::KeyPress(char16_t& Key) {
  const char16_t typed = Key;
  if (CurrentCellLocked() || FDataReadOnly) {
    SetEditing(false);
  } else {
    const bool was = Options().Contains(vcl::goEditing);
    SetEditing(true);
    const bool character = Key == u'\b' || Key >= u' ';
    if (!was && character && !EditorMode()) {
      vcl::TCustomGrid::KeyPress(Key);
      if (Key != 0) ShowEditorChar(Key);
      Key = 0;
    } else {
      vcl::TCustomGrid::KeyPress(Key);
    }
  }
  if (FAutoAdvance && typed == u'\r') {
    std::uint16_t next = FAutoAdvanceDir == orVertical ? vcl::VK_DOWN : vcl::VK_RIGHT;
    KeyDown(next, {});
  }
  if (typed == 0x1B && InplaceEditor() != nullptr) {
    SetEditing(false);
    CancelEditor();
  }
}

// ---------------------------------------------------------------- mouse

void TNTabEd::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  if (FCommentMMActive) {
    vcl::TCustomGrid::MouseDown(Button, Shift, X, Y);
    FPopupCell = MouseCoord(X, Y);
    if (FPopupCell == vcl::TGridCoord{0, 0}) CloseCommentMemo(false);
    return;
  }
  if (FNameEdActive) return;
  const vcl::TGridCoord prev = MouseCoord(FPrevPress.X, FPrevPress.Y);
  const vcl::TGridCoord cell = MouseCoord(X, Y);
  FPopupCell = cell;
  if (!(cell == prev)) SetEditing(false);
  vcl::TCustomGrid::MouseDown(Button, Shift, X, Y);
  Invalidate();
  const TCellKind kind = ntabed::KindOfCell(cell.X, cell.Y, Offsets());
  if (X > 0 && X < GridWidth() && Y > 0 && Y < GridHeight()) {
    FPrevPress = {X, Y};
    if (kind == ntabed::ckData) {
      if (cell == prev && !FDataReadOnly) SetEditing(true);
      if (CellLocked(cell.X, cell.Y) || FDataReadOnly) SetEditing(false);
    }
  }
  // A press that moves the current cell changes the selection at once, not
  // only at the next mouse move.
  CheckSelectionChanged();
  if (Button == vcl::mbRight) {
    RightPress(cell, X, Y);
  } else if (Button == vcl::mbLeft && kind == ntabed::ckData) {
    const vcl::TGridRect sel = Selection();
    DisplayCellCursor(sel.Left, sel.Top);
  }
}

// Data cells open the data popup, the corner the comment memo, heads the
// head popup; an application's PopupMenu replaces both popups.
void TNTabEd::RightPress(vcl::TGridCoord Cell, int X, int Y) {
  if (FBlockInternalPopup) return;
  const TCellKind kind = ntabed::KindOfCell(Cell.X, Cell.Y, Offsets());
  const bool own = PopupMenu() == nullptr;
  if (kind == ntabed::ckData && own) {
    ShowDataPopup(X, Y);
  } else if (kind == ntabed::ckCorner && FCommentEditingAllowed) {
    OpenCommentMemo();
  } else if ((ntabed::IsColumnHead(kind) || ntabed::IsRowHead(kind)) && own) {
    ShowHeadPopup();
  }
}

void TNTabEd::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TCustomGrid::MouseUp(Button, Shift, X, Y);
  const vcl::TGridCoord cell = MouseCoord(X, Y);
  FPopupCell = cell;
  SetEditing(!CellLocked(cell.X, cell.Y) && !FDataReadOnly);
  CheckSelectionChanged();
}

void TNTabEd::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  vcl::TCustomGrid::MouseMove(Shift, X, Y);
  CheckSelectionChanged();
}

bool TNTabEd::DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  const bool handled = vcl::TCustomGrid::DoMouseWheelDown(Shift, MousePos);
  const vcl::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
  CheckSelectionChanged();
  Invalidate();
  return handled;
}

bool TNTabEd::DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  const bool handled = vcl::TCustomGrid::DoMouseWheelUp(Shift, MousePos);
  const vcl::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
  CheckSelectionChanged();
  Invalidate();
  return handled;
}

// ---------------------------------------------------------------- head editor

// Over a column head: its name or attribute; over a row head: the row's.
void TNTabEd::OpenNameEditor() {
  const TCellKind kind = ntabed::KindOfCell(FPopupCell.X, FPopupCell.Y, Offsets());
  if (FNameEd == nullptr || !(ntabed::IsColumnHead(kind) || ntabed::IsRowHead(kind))) return;
  const int c = FPopupCell.X - FColOffset, r = FPopupCell.Y - FRowOffset;
  vcl::String text;
  switch (kind) {
    case ntabed::ckColName: text = ColName(c); break;
    case ntabed::ckColAttrib: text = vcl::IntToStr(ColAttrib(c)); break;
    case ntabed::ckRowName: text = RowName(r); break;
    default: text = vcl::IntToStr(RowAttrib(r)); break;
  }
  const vcl::TRect rect = CellRect(FPopupCell.X, FPopupCell.Y);
  FNameEdCell = FPopupCell;
  FNameEd->SetBounds(rect.Left + 30, rect.Top + 5, FNameEd->Width(), FNameEd->Height());
  FNameEd->SetText(text);
  FNameEd->Show();
  FNameEd->BringToFront();
  if (FNameEd->CanFocus()) FNameEd->SetFocus();
  FNameEd->SelectAll();
  FNameEdActive = true;
}

void TNTabEd::NameEdKeyPress(vcl::TObject*, char16_t& Key) {
  if (Key != u'\r' && Key != 0x1B) return;
  const bool store = Key == u'\r';
  Key = 0;
  CloseNameEditor(store);
}

void TNTabEd::CloseNameEditor(bool Store) {
  if (!FNameEdActive || FNameEd == nullptr) return;
  const vcl::String text = FNameEd->Text();
  FNameEd->Hide();
  FNameEdActive = false;
  if (CanFocus()) SetFocus();
  Invalidate();
  if (Store) StoreHeadText(text);
}

// A name is cut to 50 characters; an attribute must read as a number and
// is limited to 0..255 and rounded (halves to even).
void TNTabEd::StoreHeadText(const vcl::String& Text) {
  const TCellKind kind = ntabed::KindOfCell(FNameEdCell.X, FNameEdCell.Y, Offsets());
  const int c = FNameEdCell.X - FColOffset, r = FNameEdCell.Y - FRowOffset;
  if (kind == ntabed::ckColName || kind == ntabed::ckRowName) {
    if (kind == ntabed::ckColName) SetColName(c, Text); else SetRowName(r, Text);
    ChangedHeading();
    return;
  }
  double v = 0;
  if (!ntabed::ReadTypedNumber(Text, v)) return;
  const auto attrib = static_cast<std::uint8_t>(std::nearbyint(std::clamp(v, 0.0, 255.0)));
  if (kind == ntabed::ckColAttrib) SetColAttrib(c, attrib);
  if (kind == ntabed::ckRowAttrib) SetRowAttrib(r, attrib);
  ChangedHeading();
}

// ---------------------------------------------------------------- comment memo

void TNTabEd::OpenCommentMemo() {
  if (FCommentMM == nullptr) return;
  const vcl::TRect corner = OuterCellRect(0, 0);
  DrawCommentLabel(*Canvas(), corner, corner.Left + 3, corner.Top + 2);
  const int left = vcl::TCustomGrid::ColWidths(0);
  FCommentMM->SetBounds(left, 0, std::max(Width() - left - 20, 0), 80);
  FCommentMM->SetText(Data->Comment());
  FCommentMM->SetColor(kCommentBack);
  FCommentMM->Font()->SetColor(kCommentText);
  FCommentMM->Show();
  FCommentMM->BringToFront();
  if (FCommentMM->CanFocus()) FCommentMM->SetFocus();
  FCommentMMActive = true;
  Invalidate();
}

void TNTabEd::CommentMemoKeyPress(vcl::TObject*, char16_t& Key) {
  if (Key != u'\r' && Key != 0x1B) return;
  const bool store = Key == u'\r';
  Key = 0;
  CloseCommentMemo(store);
}

void TNTabEd::CloseCommentMemo(bool Store) {
  if (!FCommentMMActive || FCommentMM == nullptr) return;
  FCommentMM->Hide();
  FCommentMMActive = false;
  if (CanFocus()) SetFocus();
  Invalidate();
  if (Store) {
    Data->SetFComment(FCommentMM->Text());
    ChangedData();
  }
  const vcl::TGridRect sel = Selection();
  DisplayCellCursor(sel.Left, sel.Top);
}

}  // namespace vyr
