// TCustomGrid input: keyboard movement, mouse selection, column and row
// sizing, the drawn scroll bars and the mouse wheel.
//
// A pressed left button starts one of these, kept in FGridState (or by
// the scroll bars, which take presses on them first) until the button is
// released:
//   on a column border in the fixed rows (goColSizing)  gsColSizing
//   on a row border in the fixed columns (goRowSizing)  gsRowSizing
//   on a scrolling cell without goEditing                gsSelecting
//   on a scroll bar                                      the bar's press
#include <algorithm>

#include "platform/Forms.h"
#include "platform/Grids.h"

namespace vcl {

// ---------------------------------------------------------------- keys

void TCustomGrid::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (EditorShowing()) Message.Result |= DLGC_WANTALLKEYS;
  if (FOptions.Contains(goRowSelect)) return;
  if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
  if (FOptions.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

bool TCustomGrid::EditorShowing() const {
  return FEditorMode && FInplaceEdit != nullptr && FInplaceEdit->Visible();
}

// Keys that reach the grid while its editor is open belong to the editor
// (it hands back the keys that move between cells).
bool TCustomGrid::ForwardToEditor(UINT Msg, WPARAM Code, std::int32_t KeyData) {
  if (FFromEditor || !EditorShowing() || FocusedControl() != this) return false;
  FInplaceEdit->Perform(Msg, Code, KeyData);
  return true;
}

void TCustomGrid::WMKeyDown(TWMKey& Message) {
  if (ForwardToEditor(WM_KEYDOWN, Message.CharCode, Message.KeyData)) {
    Message.Result = 1;
    return;
  }
  TCustomControl::WMKeyDown(Message);
}

// A typed character opens the editor with goEditing and becomes its text.
void TCustomGrid::WMChar(TWMKey& Message) {
  Char ch = static_cast<Char>(Message.CharCode);
  if (ForwardToEditor(WM_CHAR, Message.CharCode, Message.KeyData)) {
    Message.Result = 1;
    return;
  }
  bool typed = ch == u'\b' || ch >= u' ';
  if (typed && FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect)) {
    ShowEditorChar(ch);
    if (EditorShowing()) {
      Message.Result = 1;
      return;
    }
  }
  TCustomControl::WMChar(Message);
}

void TCustomGrid::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  FCharDone = 0;
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  switch (Key) {
    case VK_RETURN:
      FCharDone = u'\r';
      EnterKey();
      return;
    case VK_ESCAPE:
      FCharDone = 0x1B;
      EscapeKey();
      return;
    case VK_F2:
      if (!Shift.Contains(ssCtrl)) SetEditorMode(true);
      return;
    default:
      NavigationKey(Key, Shift);
  }
}

void TCustomGrid::KeyPress(char16_t& Key) {
  TCustomControl::KeyPress(Key);
  Char done = FCharDone;
  FCharDone = 0;
  if (Key == 0 || Key == done) {
    if (Key == done) Key = 0;
    return;
  }
  if (Key == u'\r') {
    EnterKey();
    Key = 0;
  } else if (Key == 0x1B) {
    EscapeKey();
    Key = 0;
  }
}

void TCustomGrid::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  FCharDone = 0;
  TCustomControl::KeyUp(Key, Shift);
}

// Enter opens the editor, or closes it storing its text. With an editor
// that is always shown it stores the text and keeps the editor open.
void TCustomGrid::EnterKey() {
  if (FOptions.Contains(goAlwaysShowEditor)) {
    if (EditorShowing() && FInplaceCol >= 0) {
      SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
      FInplaceEdit->SelectAll();
    }
    return;
  }
  if (FEditorMode) HideEditor(); else ShowEditor();
}

// Escape drops what was typed: the editor closes, or (always shown) takes
// the cell's text again.
void TCustomGrid::EscapeKey() {
  if (!FEditorMode) return;
  if (FOptions.Contains(goAlwaysShowEditor)) {
    if (FInplaceEdit != nullptr) {
      FInplaceEdit->UpdateContents();
      FInplaceEdit->SelectAll();
    }
    return;
  }
  CancelEditor();
}

void TCustomGrid::TabKey(TGridCoord& Cur, bool Back) const {
  const int start = Cur.X;
  do {
    if (Back) {
      if (--Cur.X < FFixedCols) {
        Cur.X = ColCount() - 1;
        if (--Cur.Y < FFixedRows) Cur.Y = RowCount() - 1;
      }
    } else if (++Cur.X >= ColCount()) {
      Cur.X = FFixedCols;
      if (++Cur.Y >= RowCount()) Cur.Y = FFixedRows;
    }
  } while (!TabStops(Cur.X) && Cur.X != start);
}

// Arrows, Home/End, PgUp/PgDn and Tab. Returns whether the key was one.
bool TCustomGrid::NavigationKey(std::uint16_t Key, TShiftState Shift) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const bool rows = FOptions.Contains(goRowSelect);
  const int pageW = std::max(info.Horz.LastFullVisibleCell - FTopLeft.X, 1);
  const int pageH = std::max(info.Vert.LastFullVisibleCell - FTopLeft.Y, 1);
  TGridCoord cur = FCurrent, top = FTopLeft;
  if (Shift.Contains(ssCtrl)) {
    switch (Key) {
      case VK_UP: --top.Y; break;
      case VK_DOWN: ++top.Y; break;
      case VK_LEFT: if (!rows) { cur.X -= pageW; top.X -= pageW; } break;
      case VK_RIGHT: if (!rows) { cur.X += pageW; top.X += pageW; } break;
      case VK_PRIOR: cur.Y = FTopLeft.Y; break;
      case VK_NEXT: cur.Y = info.Vert.LastFullVisibleCell; break;
      case VK_HOME: cur = {FFixedCols, FFixedRows}; break;
      case VK_END: cur = {ColCount() - 1, RowCount() - 1}; break;
      default: return false;
    }
  } else {
    switch (Key) {
      case VK_UP: --cur.Y; break;
      case VK_DOWN: ++cur.Y; break;
      case VK_LEFT: if (rows) --cur.Y; else --cur.X; break;
      case VK_RIGHT: if (rows) ++cur.Y; else ++cur.X; break;
      case VK_NEXT: cur.Y += pageH; top.Y += pageH; break;
      case VK_PRIOR: cur.Y -= pageH; top.Y -= pageH; break;
      case VK_HOME: if (rows) cur.Y = FFixedRows; else cur.X = FFixedCols; break;
      case VK_END: if (rows) cur.Y = RowCount() - 1; else cur.X = ColCount() - 1; break;
      case VK_TAB:
        if (Shift.Contains(ssAlt) || !FOptions.Contains(goTabs)) return false;
        TabKey(cur, Shift.Contains(ssShift));
        Shift >> ssShift;
        break;
      default: return false;
    }
  }
  TGridCoord maxTL = MaxTopLeft();
  top.X = std::clamp(top.X, FFixedCols, std::max(maxTL.X, FFixedCols));
  top.Y = std::clamp(top.Y, FFixedRows, std::max(maxTL.Y, FFixedRows));
  if (!(top == FTopLeft)) MoveTopLeft(top.X, top.Y);
  cur.X = std::clamp(cur.X, FFixedCols, ColCount() - 1);
  cur.Y = std::clamp(cur.Y, FFixedRows, RowCount() - 1);
  if (!(cur == FCurrent)) FocusCell(cur.X, cur.Y, !Shift.Contains(ssShift));
  return true;
}

// ---------------------------------------------------------------- mouse

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SyncBars();
  if (FBars.MouseDown(Button, {X, Y})) return;  // a double click there is a second press
  X -= BorderWidth();
  Y -= BorderWidth();
  // A press focuses the grid; when another control keeps the focus (its
  // OnExit refused to let go), the press does nothing more.
  if (!ComponentState().Contains(csDesigning)) {
    if (CanFocus() && FocusedControl() != this) SetFocus();
    if (!IsActiveControl() && GetParentForm(this) != nullptr) {
      SetMouseCapture(false);
      return;
    }
  }
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
  } else if (Button == mbLeft) {
    CalcSizingState(X, Y);
    if (FGridState == gsNormal) {
      TGridCoord cell = MouseCoord(X, Y);
      if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
        if (FOptions.Contains(goEditing)) {
          if (cell == FCurrent) {
            ShowEditor();
          } else {
            MoveColRow(cell.X, cell.Y, true, true);
            UpdateEdit();
          }
          Click();
        } else {
          // The click follows when the button is released.
          FGridState = gsSelecting;
          if (Shift.Contains(ssShift)) MoveAnchor(cell); else MoveColRow(cell.X, cell.Y, true, true);
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// Extends the selection to a cell, the current cell staying (a plain move
// where ranges cannot be selected).
void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor) {
  if (!FOptions.Contains(goRangeSelect) || FOptions.Contains(goEditing)) {
    MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
    return;
  }
  TGridRect old = Selection();
  FAnchor = NewAnchor;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
  ClampInView(NewAnchor);
  SelectionMoved(old);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (FBars.MouseMove({X, Y})) return;
  X -= BorderWidth();
  Y -= BorderWidth();
  if (FGridState == gsColSizing || FGridState == gsRowSizing) {
    ApplySizing(X, Y);
  } else if (FGridState == gsSelecting) {
    SelectingMouseMove(X, Y);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

// Dragging past the last visible cell scrolls one cell further each move.
void TCustomGrid::SelectingMouseMove(int X, int Y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord cell = MouseCoord(std::clamp(X, 0, std::max(info.Horz.GridExtent - 1, 0)),
                               std::clamp(Y, 0, std::max(info.Vert.GridExtent - 1, 0)));
  if (cell.X < 0) return;
  if (X >= info.Horz.GridExtent) cell.X = std::min(info.Horz.LastFullVisibleCell + 1, ColCount() - 1);
  if (Y >= info.Vert.GridExtent) cell.Y = std::min(info.Vert.LastFullVisibleCell + 1, RowCount() - 1);
  if (X < info.Horz.FixedBoundary) cell.X = std::max(FTopLeft.X - 1, FFixedCols);
  if (Y < info.Vert.FixedBoundary) cell.Y = std::max(FTopLeft.Y - 1, FFixedRows);
  cell.X = std::max(cell.X, FFixedCols);
  cell.Y = std::max(cell.Y, FFixedRows);
  if (!(cell == FAnchor)) MoveAnchor(cell);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FBars.MouseUp(Button, {X, Y})) return;
  int cx = X - BorderWidth(), cy = Y - BorderWidth();
  if (FGridState == gsSelecting) {
    SelectingMouseMove(cx, cy);
    FGridState = gsNormal;
    UpdateEdit();
    Click();
  } else if (FGridState == gsColSizing || FGridState == gsRowSizing) {
    ApplySizing(cx, cy);
    FGridState = gsNormal;
  }
  TCustomControl::MouseUp(Button, Shift, cx, cy);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  if (WheelOnBars(-WHEEL_DELTA, MousePos)) return true;
  bool colOk = FCurrent.X >= 0 && FCurrent.X < ColCount();
  if (colOk && FCurrent.Y < RowCount() - 1) SetRow(std::max(FCurrent.Y + 1, 0));
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  if (WheelOnBars(WHEEL_DELTA, MousePos)) return true;
  bool colOk = FCurrent.X >= 0 && FCurrent.X < ColCount();
  if (colOk && FCurrent.Y > FFixedRows && FCurrent.Y < RowCount()) SetRow(FCurrent.Y - 1);
  return true;
}

// A notch over a bar scrolls the view rather than moving the current row.
bool TCustomGrid::WheelOnBars(int Delta, TPoint MousePos) {
  SyncBars();
  if (!FBars.OnBars(ScreenToClient(MousePos))) return false;
  FBars.MouseWheel(Delta);
  return true;
}

void TCustomGrid::WMSetFocus(TMessage& Message) {
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomGrid::WMKillFocus(TMessage& Message) {
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

// ---------------------------------------------------------------- sizing

// A column border in the fixed rows (a row border in the fixed columns)
// takes the mouse within 7 pixels around its line.
void TCustomGrid::CalcSizingState(int X, int Y) {
  FGridState = gsNormal;
  FSizingIndex = -1;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo* axis = nullptr;
  const grids::TGridAxis* sizes = nullptr;
  int pos = 0;
  TGridState state = gsNormal;
  if (X > info.Horz.FixedBoundary && FOptions.Contains(goColSizing)) {
    if (Y >= info.Vert.FixedBoundary) return;
    axis = &info.Horz, sizes = &FCols, pos = X, state = gsColSizing;
  } else if (Y > info.Vert.FixedBoundary && FOptions.Contains(goRowSizing)) {
    if (X >= info.Horz.FixedBoundary) return;
    axis = &info.Vert, sizes = &FRows, pos = Y, state = gsRowSizing;
  } else {
    return;
  }
  const int lw = axis->EffectiveLineWidth;
  const int range = std::max(lw, 7);
  const int back = lw < 7 ? (7 - lw) / 2 : 0;
  int line = axis->FixedBoundary;
  for (int i = axis->FirstGridCell; i < sizes->Count(); ++i) {
    line += sizes->Size(i);
    if (line > axis->GridBoundary) break;
    if (pos >= line - back && pos <= line - back + range) {
      FGridState = state;
      FSizingPos = line;
      FSizingOfs = line - pos;
      FSizingIndex = i;
      return;
    }
    line += lw;
  }
}

// The size the border being dragged gives its cell.
int TCustomGrid::SizingNewSize() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  bool cols = FGridState == gsColSizing;
  int start = AxisPos(cols ? info.Horz : info.Vert, cols ? FCols : FRows, FSizingIndex);
  return FSizingPos - start;
}

void TCustomGrid::ApplySizing(int X, int Y) {
  bool cols = FGridState == gsColSizing;
  FSizingPos = (cols ? X : Y) + FSizingOfs;
  int size = SizingNewSize();
  if (size <= 1 || FSizingIndex < 0) return;
  if (cols && FSizingIndex < ColCount()) SetColWidths(FSizingIndex, size);
  if (!cols && FSizingIndex < RowCount()) SetRowHeights(FSizingIndex, size);
}

// ---------------------------------------------------------------- scroll bars

// Each bar counts the first scrolling cells that can come to the top
// (left): positions 0..MaxTopLeft - Fixed, a page of the cells that show
// whole, so the thumb is the visible share of the scrolling cells.
void TCustomGrid::SyncBars() {
  int b = BorderWidth();
  bool horz = false, vert = false;
  ScrollBarsShown(horz, vert);
  FBars.SetScrollBars(FScrollBars);
  FBars.SetShown(horz, vert);
  FBars.SetArea(Rect(b, b, std::max(b, Width() - b), std::max(b, Height() - b)));
  TGridCoord maxTL = MaxTopLeft();
  for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
    bool h = kind == sbHorizontal;
    int fixed = h ? FFixedCols : FFixedRows;
    int range = std::max((h ? maxTL.X : maxTL.Y) - fixed, 0);
    int page = std::max(h ? VisibleColCount() : VisibleRowCount(), 1);
    int pos = std::clamp((h ? FTopLeft.X : FTopLeft.Y) - fixed, 0, range);
    FBars.SetRange(kind, {0, range + page - 1, page, pos});
    FBars.SetSteps(kind, 1, page);
  }
}

// The view moves to the bar's position, except while the thumb is dragged
// without goThumbTracking; the bar learns where the view really is.
void TCustomGrid::BarScrolled(TScrollBarKind Kind, TScrollCode Code, int& Pos) {
  bool h = Kind == sbHorizontal;
  int fixed = h ? FFixedCols : FFixedRows;
  bool moves = Code != scEndScroll && (Code != scTrack || FOptions.Contains(goThumbTracking));
  if (moves) {
    TGridCoord maxTL = MaxTopLeft();
    int last = std::max(h ? maxTL.X : maxTL.Y, fixed);
    int first = std::clamp(fixed + Pos, fixed, last);
    if (h) MoveTopLeft(first, FTopLeft.Y); else MoveTopLeft(FTopLeft.X, first);
  }
  Pos = std::max((h ? FTopLeft.X : FTopLeft.Y) - fixed, 0);
}

}  // namespace vcl
