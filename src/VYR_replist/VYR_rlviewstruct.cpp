// TReportListView: selection and enabling of rows and columns, the check
// operations over a column, and the structural operations (insert, remove,
// fill, clear, column order) that keep the grid and the per-column settings
// in step with the store.
#include <algorithm>

#include "VYR_replist/VYR_rlview.h"
#include "platform/Guards.h"

namespace vyr {

// Painting is held back for a bulk change and resumed (with one repaint) at
// the end by a vcl::TPaintSuppressGuard.
using TPaintPause = vcl::TPaintSuppressGuard<TReportListView>;

// ---------------------------------------------------------------- selection and enabling

void TReportListView::SetAllRowBits(std::uint8_t Bit, bool Value) {
  {
    TPaintPause pause(*this);
    for (int r = 1; r <= NrOfRows(); ++r) SetRowBit(r, Bit, Value);
  }
  SelectedChanged();
}

void TReportListView::SetAllColumnBits(bool Value) {
  {
    TPaintPause pause(*this);
    TStringArray& table = *FRLData->Strings;
    for (int c = 1; c <= NrOfColumns(); ++c) {
      std::uint8_t attr = table.GetColAttrib(c);
      table.SetColAttrib(c, Value ? attr | RLColSelected : attr & ~RLColSelected);
    }
  }
  SelectedChanged();
}

void TReportListView::SelectRow(int RowNr) {
  if (!ValidRow(RowNr)) return;
  {
    TPaintPause pause(*this);
    ClearRowSelection();
    SetRowBit(RowNr, RLRowSelected, true);
  }
  SelectedChanged();
}

void TReportListView::SelectColumn(int ColNr) {
  if (!ValidCol(ColNr)) return;
  {
    TPaintPause pause(*this);
    TStringArray& table = *FRLData->Strings;
    for (int c = 1; c <= NrOfColumns(); ++c) {
      std::uint8_t attr = table.GetColAttrib(c);
      table.SetColAttrib(c, c == ColNr ? attr | RLColSelected : attr & ~RLColSelected);
    }
  }
  SelectedChanged();
}

void TReportListView::SelectAllRows() { SetAllRowBits(RLRowSelected, true); }
void TReportListView::DeselectAllRows() { SetAllRowBits(RLRowSelected, false); }
void TReportListView::SelectAllColumns() { SetAllColumnBits(true); }
void TReportListView::DeselectAllColumns() { SetAllColumnBits(false); }
void TReportListView::EnableAllRows() { SetAllRowBits(RLRowDisabled, false); }
void TReportListView::DisableAllRows() { SetAllRowBits(RLRowDisabled, true); }

int TReportListView::FirstSelectedRow() const {
  for (int r = 1; r <= NrOfRows(); ++r) {
    if (RowSelected(r)) return RowEnabled(r) ? r : 0;
  }
  return 0;
}

int TReportListView::FirstSelectedColumn() const {
  for (int c = 1; c <= NrOfColumns(); ++c) {
    if (ColumnSelected(c)) return c;
  }
  return 0;
}

int TReportListView::NumSelectedRows() const {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) n += RowSelected(r) ? 1 : 0;
  return n;
}

int TReportListView::NumSelectedColumns() const {
  int n = 0;
  for (int c = 1; c <= NrOfColumns(); ++c) n += ColumnSelected(c) ? 1 : 0;
  return n;
}

int TReportListView::NumEnabledRows() const {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) n += RowEnabled(r) ? 1 : 0;
  return n;
}

void TReportListView::CenterScrollAndSelect(int Row) {
  if (!ValidRow(Row)) return;
  SelectRow(Row);
  const int v = VisibleRowCount(), n = NrOfRows();
  SetTopRow(std::max(Row > n - v / 2 ? n - v + 1 : Row - v / 2, 1));
  const int g = Row + FixedRows() - 1;
  SetSelection({0, g, NrOfColumns() - 1, g});
}

// ---------------------------------------------------------------- check marks

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked) {
  FRLData->SetAllCheckmarksOfCol(Column, Checked);
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly) {
  FRLData->SetAllCheckmarksOfCol(Column, Checked, AffectEnabledRowsOnly);
}

void TReportListView::InvertAllCheckmarksOfCol(int Column) {
  FRLData->InvertAllCheckmarksOfCol(Column);
}

void TReportListView::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly) {
  FRLData->InvertAllCheckmarksOfCol(Column, AffectEnabledRowsOnly);
}

int TReportListView::CountCheckedElemsInCol(int Column) const {
  if (!FRLData->IsCheckCol(Column)) return 0;
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r) n += RowEnabled(r) && FRLData->IsChecked(Column, r) ? 1 : 0;
  return n;
}

// ---------------------------------------------------------------- structure

int TReportListView::InsertRow(int Row) {
  SetEditorMode(false);
  if (Row >= 1 && Row <= NrOfRows()) {
    FRLData->InsertRow(Row);
    FollowRowCount();
    ChangedSetup();
  } else if (Row > NrOfRows()) {
    SetNrOfRows(NrOfRows() + 1);
    Row = NrOfRows();
  }
  FRLData->FSortColumn = -1;
  FRLData->FSortColumnSec = -1;
  return Row;
}

// The per-column settings move right with their columns.
int TReportListView::InsertColumn(int Col) {
  SetEditorMode(false);
  if (Col > NrOfColumns()) {
    SetNrOfColumns(NrOfColumns() + 1);
    return NrOfColumns();
  }
  if (Col < 1) return Col;
  std::vector<vcl::TAlignment> align = FColAlignment;
  std::vector<bool> editable = FColumnEditable, pwd = FColumnIsPwd;
  const auto at = static_cast<std::ptrdiff_t>(Col - 1);
  align.insert(align.begin() + at, vcl::taLeftJustify);
  editable.insert(editable.begin() + at, false);
  pwd.insert(pwd.begin() + at, false);
  const int oldCount = ColCount();
  FRLData->InsertColumn(Col);
  FollowColumnCount(oldCount);
  FColAlignment = std::move(align);
  FColumnEditable = std::move(editable);
  FColumnIsPwd = std::move(pwd);
  ChangedSetup();
  return Col;
}

int TReportListView::AddRow() {
  SetEditorMode(false);
  SetNrOfRows(NrOfRows() + 1);
  return NrOfRows();
}

void TReportListView::RemoveRow(int Row) {
  SetEditorMode(false);
  if (!ValidRow(Row)) return;
  FRLData->RemoveRow(Row);
  SetSelection({0, 0, 0, 0});
  const int h = CountHeadRows();
  SetRowCount(std::max(NrOfRows() + h, h + 1));
  ApplyHeaderHeights();
  RepaintNow();
  ChangedSetup();
}

void TReportListView::RemoveEmptyRows() {
  SetEditorMode(false);
  TPaintPause pause(*this);
  FRLData->RemoveEmptyRows();
  SyncWithStore();
  ChangedSetup();
}

// The settings behind Col move left; the order starts over, as it does
// whenever the number of columns changes.
void TReportListView::RemoveColumn(int Col) {
  SetEditorMode(false);
  if (!ValidCol(Col)) return;
  const auto at = static_cast<std::ptrdiff_t>(Col - 1);
  std::vector<vcl::TAlignment> align = FColAlignment;
  std::vector<bool> editable = FColumnEditable, pwd = FColumnIsPwd;
  align.erase(align.begin() + at);
  editable.erase(editable.begin() + at);
  pwd.erase(pwd.begin() + at);
  FRLData->RemoveColumn(Col);
  const int count = std::max(NrOfColumns(), 1);
  ResizeColumnArrays(count);
  for (std::size_t i = 0; i < align.size() && i < FColAlignment.size(); ++i) {
    FColAlignment[i] = align[i];
    FColumnEditable[i] = editable[i];
    FColumnIsPwd[i] = pwd[i];
  }
  SetColCount(count);
  ApplyFixedColumns();
  RepaintNow();
  ChangedSetup();
}

void TReportListView::Fill(const vcl::String& Value) {
  SetEditorMode(false);
  FRLData->Fill(Value);
  RepaintNow();
}

void TReportListView::Clear() {
  SetEditorMode(false);
  FRLData->Clear();
  std::fill(FColAlignment.begin(), FColAlignment.end(), vcl::taLeftJustify);
  std::fill(FColumnEditable.begin(), FColumnEditable.end(), false);
  std::fill(FColumnIsPwd.begin(), FColumnIsPwd.end(), false);
  for (std::size_t i = 0; i < FColOrder.size(); ++i) FColOrder[i] = static_cast<int>(i);
  RepaintNow();
}

bool TReportListView::SetColumnOrder(const std::vector<int>& ColList) {
  if (static_cast<int>(ColList.size()) != NrOfColumns() ||
      ColList.size() > FColOrder.size()) {
    return false;
  }
  bool valid = true;
  for (std::size_t i = 0; i < ColList.size(); ++i) {
    if (ValidCol(ColList[i])) FColOrder[i] = ColList[i] - 1;
    else valid = false;
  }
  return valid;
}

}  // namespace vyr
