// TReportListView input: which cells may be edited, the in-place editor's
// text, the cursor keys that select the row they reach, Enter moving on
// with AutoAdvance, and the mouse wheel handed to the application.
#include "VYR_replist/VYR_rlview.h"
#include "platform/Winapi.h"

namespace vyr {

namespace {

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
  const bool suppress = FSuppressPaint;
  SetSuppressPaint(true);
  ClearRowSelection();
  SetRowBit(Row() - FixedRows() + 1, RLRowSelected, true);
  SetSuppressPaint(suppress);
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

}  // namespace vyr
