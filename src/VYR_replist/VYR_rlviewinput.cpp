// TReportListView input: header clicks that sort, clicks on check boxes,
// row selection by click, auto-sizing a column by a double click on its
// border, which cells may be edited, the in-place editor's text, the cursor
// keys that select the row they reach, Enter moving on with AutoAdvance,
// and the mouse wheel handed to the application.
#include <algorithm>

#include "VYR_replist/VYR_rlview.h"
#include "platform/Forms.h"
#include "platform/Guards.h"
#include "platform/Winapi.h"

namespace vyr {

namespace {

// A press this close to a header cell's edge starts sizing, not sorting.
constexpr int kBorderGrip = 4;
// Clicks this close to a cell's left edge hit its check box.
constexpr int kCheckBoxReach = 18;

constexpr char16_t kMarkerChecked = u'X';
constexpr char16_t kMarkerBlank = u' ';

bool IsCursorKey(std::uint16_t Key) {
  switch (Key) {
    case vcl::VK_PRIOR: case vcl::VK_NEXT: case vcl::VK_END: case vcl::VK_HOME:
    case vcl::VK_LEFT: case vcl::VK_UP: case vcl::VK_RIGHT: case vcl::VK_DOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TReportListView::SelectCell(int ACol, int ARow) {
  vcl::TGridOptions options = Options();
  if (ARow != 0 && ColumnEditable(DataColumn(ACol))) options << vcl::goEditing;
  else options >> vcl::goEditing;
  SetOptions(options);
  return vcl::TCustomDrawGrid::SelectCell(ACol, ARow);
}

vcl::String TReportListView::GetEditText(int ACol, int ARow) {
  const int col = DataColumn(ACol), row = ARow - FixedRows() + 1;
  vcl::String text;
  if (ValidCol(col) && ValidRow(row)) {
    text = vcl::String(FRLData->Strings->StringView(col, row));
    if (ColumnCheckMode(col) != cmNone && !text.empty()) text.erase(0, 1);
  }
  if (OnGetEditText()) OnGetEditText()(this, ACol, row, text);
  return text;
}

// A check cell keeps its state: the new text follows its marker. An empty
// check cell counts as unchecked, so editing its text does not check it.
void TReportListView::SetEditText(int ACol, int ARow, const vcl::String& Value) {
  const int col = DataColumn(ACol), row = ARow - FixedRows() + 1;
  if (ValidCol(col) && ValidRow(row)) {
    vcl::String text = Value;
    if (ColumnCheckMode(col) != cmNone) {
      std::u16string_view old = FRLData->Strings->StringView(col, row);
      bool blank = old.empty() || old[0] == kMarkerBlank;
      text.insert(text.begin(), blank ? kMarkerBlank : kMarkerChecked);
    }
    if (text.size() > static_cast<std::size_t>(RLCellMaxLen)) text.resize(RLCellMaxLen);
    FRLData->Strings->SetString(col, row, text);
  }
  if (OnSetEditText()) OnSetEditText()(this, ACol, row, Value);
}

// After the grid has moved, the current row becomes the only selected row
// (in every selection mode), with one repaint.
void TReportListView::KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) {
  vcl::TCustomDrawGrid::KeyDown(Key, Shift);
  if (!IsCursorKey(Key)) return;
  {
    vcl::TPaintSuppressGuard quiet(*this);
    ClearRowSelection();
    SetRowBit(Row() - FixedRows() + 1, RLRowSelected, true);
  }
  if (FOnCursorKeyAction) FOnCursorKeyAction(this, Key);
  SelectedChanged();
}

// Enter has been taken by the grid (the key reads 0 afterwards); the
// original character decides.
void TReportListView::KeyPress(char16_t& Key) {
  const char16_t typed = Key;
  vcl::TCustomDrawGrid::KeyPress(Key);
  if (!FAutoAdvance || (typed != 0 && typed != u'\r')) return;
  std::uint16_t down = vcl::VK_DOWN;
  KeyDown(down, vcl::TShiftState());
}

bool TReportListView::DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  return vcl::TControl::DoMouseWheelDown(Shift, MousePos);
}

bool TReportListView::DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  return vcl::TControl::DoMouseWheelUp(Shift, MousePos);
}

// ---------------------------------------------------------------- mouse

vcl::TPoint TReportListView::ClientPoint(int X, int Y) const {
  const int b = BorderStyle() == vcl::bsSingle ? 1 : 0;
  return {X - b, Y - b};
}

vcl::TPoint TReportListView::MouseCell(int X, int Y) const {
  const vcl::TGridCoord cell = MouseCoord(X, Y);
  int row = 0;
  if (cell.Y >= FixedRows()) row = cell.Y - FixedRows() + 1;
  else if (cell.Y >= 0) row = cell.Y == ColumnHeaderRow() ? -1 : -2;
  return {cell.X + 1, row};
}

void TReportListView::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  const vcl::TPoint p = ClientPoint(X, Y);
  FLastMousePosX = p.X;
  FLastMousePosY = p.Y;
  vcl::TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft || Shift.Contains(vcl::ssDouble)) return;
  const vcl::TGridCoord cell = MouseCoord(p.X, p.Y);
  if (cell.X < 0 || cell.Y < 0) return;
  if (cell.Y == ColumnHeaderRow()) {
    SortByHeaderClick(cell.X, p.X);
    return;
  }
  vcl::TPaintSuppressGuard quiet(*this);
  const int col = DataColumn(cell.X), row = cell.Y - FixedRows() + 1;
  vcl::TGridOptions options = Options();
  if (ColumnEditable(col) && RowEnabled(row)) options << vcl::goEditing;
  else options >> vcl::goEditing;
  SetOptions(options);
  ToggleCheckByClick(cell.X, cell.Y, p.X);
  SelectRowsByClick(Shift);
}

// The record shown in the current row stays current after the sort.
void TReportListView::SortByHeaderClick(int GridCol, int X) {
  const vcl::TRect r = CellRect(GridCol, ColumnHeaderRow());
  if (!FSortEnabled || X - r.Left <= kBorderGrip || r.Right - X <= kBorderGrip) return;
  vcl::TScreenCursorGuard busy(vcl::crHourGlass);
  TStringArray& table = *FRLData->Strings;
  const int current = Row() - FixedRows() + 1;
  const int record = ValidRow(current) ? table.GetSortOrder(current) : 0;
  FRLData->FSortToggle = !FRLData->FSortToggle;
  Sort(DataColumn(GridCol), FRLData->FSortColumnSec, FRLData->FSortToggle);
  for (int r = 1; record > 0 && r <= NrOfRows(); ++r) {
    if (table.GetSortOrder(r) != record) continue;
    SetRow(r + FixedRows() - 1);
    break;
  }
}

// OnBeforeCheckedChange may change the new state; OnCheckedChange gets its
// negation. A radio cell is always checked by a click.
void TReportListView::ToggleCheckByClick(int GridCol, int GridRow, int X) {
  const int col = DataColumn(GridCol), row = GridRow - FixedRows() + 1;
  const TCheckMode mode = ColumnCheckMode(col);
  if (GridRow < FixedRows() || !ValidRow(row) || mode == cmNone || FROCheckMarks) return;
  if (X - CellRect(GridCol, GridRow).Left >= kCheckBoxReach || !RowEnabled(row)) return;
  if (FRLData->Strings->StringView(col, row).size() <= 1 && !FShowEmptyCBx) return;
  bool state = !FRLData->IsChecked(col, row);
  if (FOnBefChkStChange) FOnBefChkStChange(this, state, col, row);
  FRLData->SetElemChecked(col, row, mode == cmRadio ? true : state);
  if (FOnChkStChange) {
    bool reported = !state;
    FOnChkStChange(this, reported, col, row);
  }
}

// Mode 1 selects the current row alone; mode 2 extends from the anchor with
// Shift and toggles with Ctrl (or always, without UseCtrlForMultiSel).
void TReportListView::SelectRowsByClick(vcl::TShiftState Shift) {
  if (FRowSelectMode != 1 && FRowSelectMode != 2) return;
  const int row = Row() - FixedRows() + 1;
  if (FRowSelectMode == 2 && Shift.Contains(vcl::ssShift)) {
    const bool state = RowSelected(FSelectAnchor);
    for (int r = std::min(FSelectAnchor, row); r <= std::max(FSelectAnchor, row); ++r) {
      SetRowBit(r, RLRowSelected, state);
    }
  } else if (FRowSelectMode == 2 && (Shift.Contains(vcl::ssCtrl) || !FCtrlForMultiSel)) {
    FSelectAnchor = row;
    SetRowBit(row, RLRowSelected, !RowSelected(row));
  } else {
    if (FRowSelectMode == 2) FSelectAnchor = row;
    ClearRowSelection();
    SetRowBit(row, RLRowSelected, true);
  }
  SelectedChanged();
}

void TReportListView::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  const vcl::TPoint p = ClientPoint(X, Y);
  FLastMousePosX = p.X;
  FLastMousePosY = p.Y;
  vcl::TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
  if (FRowSelectMode != 2) return;
  const vcl::TPoint p = ClientPoint(X, Y);
  const vcl::TRect lastCol = CellRect(ColCount() - 1, FixedRows());
  const vcl::TRect lastRow = CellRect(vcl::TCustomDrawGrid::LeftCol(), RowCount() - 1);
  const bool beyondCols = !lastCol.IsEmpty() && p.X >= lastCol.Right;
  const bool belowRows = Button == vcl::mbLeft && !lastRow.IsEmpty() && p.Y >= lastRow.Bottom;
  if (!beyondCols && !belowRows) return;
  {
    vcl::TPaintSuppressGuard quiet(*this);
    ClearRowSelection();
  }
  SelectedChanged();
}

void TReportListView::DblClick() {
  const int headerRow = ColumnHeaderRow();
  const vcl::TGridCoord cell = MouseCoord(FLastMousePosX, FLastMousePosY);
  if (headerRow < 0 || cell.Y != headerRow || cell.X < 0) {
    vcl::TCustomDrawGrid::DblClick();
    return;
  }
  const vcl::TRect r = CellRect(cell.X, headerRow);
  int left = -2;  // the grid column left of the border under the mouse
  if (FLastMousePosX - r.Left <= kBorderGrip) left = cell.X - 1;
  else if (r.Right - FLastMousePosX <= kBorderGrip) left = cell.X;
  if (left == -2) return;  // inside the header cell: nothing
  left = std::max(left, 0);
  while (left > 0 && vcl::TCustomDrawGrid::ColWidths(left) == 0) --left;
  AutoColWidth(left + 1, true, 0);
}

}  // namespace vyr
