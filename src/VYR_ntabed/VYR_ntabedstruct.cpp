// TNTabEd: the table's dimensions and structure, and the grid that follows
// them (column and row counts, the attribute column and row, widths,
// heights and decimals), scrolling in data coordinates, the selection
// change detection and the exchange with other tables.
//
// The grid follows the table through one path: the table reports every
// change of its dimensions (DataHasBeenResized), whoever made it. When the
// editor itself inserts or removes a column or row it says where first
// (FPendingMove), so that decimals, widths and heights move with their
// columns and rows; a change made on the table directly appends or cuts at
// the end.
#include <algorithm>

#include "VYR_ntabed/VYR_ntabedinternal.h"
#include "foundation/VYR_errors.h"

namespace vyr {

using ntabed::NumberedName;

// ---------------------------------------------------------------- dimensions

// Room for the decimals is made before the table changes, so that nothing
// can fail once it has.
void TNTabEd::ResizeTable(int NrCols, int NrRows) {
  NrCols = std::max(NrCols, 1);
  NrRows = std::max(NrRows, 1);
  if (NrCols == NrOfColumns() && NrRows == NrOfRows()) return;
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    try {
      FDecP.reserve(static_cast<std::size_t>(NrCols));
      Data->Resize(NrCols, NrRows);
    } catch (const std::bad_alloc&) {
      RaiseNoMemory();
    } catch (const EVYRError&) {
      RaiseNoMemory();
    }
  }
  ChangedSetup();
  Redraw();
}

void TNTabEd::SetNrOfColumns(int Value) { ResizeTable(Value, NrOfRows()); }

void TNTabEd::SetNrOfRows(int Value) { ResizeTable(NrOfColumns(), Value); }

void TNTabEd::Redimension(int NrCols, int NrRows) { ResizeTable(NrCols, NrRows); }

void TNTabEd::DataHasBeenResized(vcl::TObject* Sender, int OldCols, int OldRows, int NewCols,
                                 int NewRows) {
  (void)Sender;
  if (OldCols != NewCols) SyncColumns(OldCols, NewCols);
  if (OldRows != NewRows) SyncRows(OldRows, NewRows);
  CheckSelectionChanged();
  Redraw();
}

// Columns added at the end take the width and the decimals of the former
// last column; an inserted column the width of the column it is put before.
void TNTabEd::SyncColumns(int OldCols, int NewCols) {
  const int lastWidth = vcl::TCustomGrid::ColWidths(ColCount() - 1);
  const TPendingMove move = FPendingMove;
  const bool inserted = move.Columns && move.Kind == 1 && move.Ix <= OldCols;
  const int at = move.Ix + FColOffset;  // the grid column inserted or removed
  if (move.Columns && move.Kind == 2) ShiftColWidths(at, -1);
  SetColCount(NewCols + FColOffset + 1);
  if (inserted) {
    ShiftColWidths(at, +1);
  } else {
    for (int g = OldCols + FColOffset + 1; g <= NewCols + FColOffset; ++g) {
      vcl::TCustomGrid::SetColWidths(g, lastWidth);
    }
  }
  ResizeDecimals(OldCols, NewCols);
}

void TNTabEd::SyncRows(int OldRows, int NewRows) {
  (void)OldRows;
  const TPendingMove move = FPendingMove;
  const int at = move.Ix + FRowOffset;
  if (move.Kind == 2 && !move.Columns) ShiftRowHeights(at, -1);
  SetRowCount(NewRows + FRowOffset + 1);
  if (move.Kind == 1 && !move.Columns) ShiftRowHeights(at, +1);
}

// Delta +1: the cells from FromGridCol on move one to the right (the count
// has grown already); the cell at FromGridCol keeps its width for the new
// column. Delta -1: the cells after FromGridCol move one to the left (before
// the count shrinks).
void TNTabEd::ShiftColWidths(int FromGridCol, int Delta) {
  const int last = ColCount() - 1;
  if (Delta > 0) {
    for (int g = last; g > FromGridCol; --g) {
      vcl::TCustomGrid::SetColWidths(g, vcl::TCustomGrid::ColWidths(g - 1));
    }
  } else {
    for (int g = FromGridCol; g < last; ++g) {
      vcl::TCustomGrid::SetColWidths(g, vcl::TCustomGrid::ColWidths(g + 1));
    }
  }
}

void TNTabEd::ShiftRowHeights(int FromGridRow, int Delta) {
  const int last = RowCount() - 1;
  if (Delta > 0) {
    for (int g = last; g > FromGridRow; --g) {
      vcl::TCustomGrid::SetRowHeights(g, vcl::TCustomGrid::RowHeights(g - 1));
    }
  } else {
    for (int g = FromGridRow; g < last; ++g) {
      vcl::TCustomGrid::SetRowHeights(g, vcl::TCustomGrid::RowHeights(g + 1));
    }
  }
}

// An inserted column takes the decimals of the column it is put before (of
// the last one when appended); columns added at the end those of the
// former last column.
void TNTabEd::ResizeDecimals(int OldCols, int NewCols) {
  const TPendingMove move = FPendingMove;
  auto at = [&](int Col) { return FDecP.begin() + (Col - 1); };
  if (move.Columns && move.Kind == 1 && move.Ix >= 1 && move.Ix <= static_cast<int>(FDecP.size()) + 1) {
    const std::int8_t d = FDecP.empty() ? 3 : FDecP[static_cast<std::size_t>(std::min(move.Ix, static_cast<int>(FDecP.size())) - 1)];
    FDecP.insert(at(move.Ix), d);
  } else if (move.Columns && move.Kind == 2 && move.Ix >= 1 && move.Ix <= static_cast<int>(FDecP.size())) {
    FDecP.erase(at(move.Ix));
  }
  if (static_cast<int>(FDecP.size()) != NewCols) {
    const int known = std::min(OldCols, static_cast<int>(FDecP.size()));
    const std::int8_t d = known >= 1 ? FDecP[static_cast<std::size_t>(known - 1)] : 3;
    FDecP.resize(static_cast<std::size_t>(NewCols), d);
  }
}

// ---------------------------------------------------------------- structure

// Runs a structural change of the table with painting suppressed (the
// earlier SuppressPaint comes back, repainting when it is false). An open
// in-place editor is closed first: its cell may move away under it.
template <class Op>
void TNTabEd::StructureOp(TPendingMove Move, Op&& Change) {
  HideEditor();
  {
    vcl::TPaintSuppressGuard quiet(*this);
    vcl::TValueGuard pending(FPendingMove, Move);
    try {
      FDecP.reserve(FDecP.size() + 1);
      Change();
    } catch (const std::bad_alloc&) {
      RaiseNoMemory();
    } catch (const EVYRError&) {
      RaiseNoMemory();
    }
  }
  ChangedSetup();
}

void TNTabEd::InsertRow(int ix) {
  if (ix < 1 || ix > NrOfRows() + 1) return;
  StructureOp({1, false, ix}, [&] { Data->InsertRow(ix); });
}

void TNTabEd::InsertColumn(int ix) {
  if (ix < 1 || ix > NrOfColumns() + 1) return;
  StructureOp({1, true, ix}, [&] { Data->InsertColumn(ix); });
}

void TNTabEd::RemoveRow(int ix) {
  if (!ValidRow(ix) || NrOfRows() < 2) return;
  StructureOp({2, false, ix}, [&] { Data->RemoveRow(ix); });
}

void TNTabEd::RemoveColumn(int ix) {
  if (!ValidCol(ix) || NrOfColumns() < 2) return;
  StructureOp({2, true, ix}, [&] { Data->RemoveColumn(ix); });
}

void TNTabEd::MirrorRows() {
  StructureOp({}, [&] { Data->MirrorRows(); });
}

// The decimals turn round with their columns.
void TNTabEd::MirrorColumns() {
  StructureOp({}, [&] {
    Data->MirrorColumns();
    std::reverse(FDecP.begin(), FDecP.end());
  });
}

// An open in-place editor is dropped: its text belongs to the old contents.
void TNTabEd::Clear() {
  CancelEditor();
  vcl::TPaintSuppressGuard quiet(*this);
  Data->Clear();
  for (int c = 1; c <= NrOfColumns(); ++c) Data->SetColName(c, NumberedName(u"C-", c));
  for (int r = 1; r <= NrOfRows(); ++r) Data->SetRowName(r, NumberedName(u"R-", r));
  std::fill(FDecP.begin(), FDecP.end(), std::int8_t{3});
}

// ---------------------------------------------------------------- attribute column and row

// Showing moves every width one column to the right and gives the new
// column 1 its own width; hiding keeps that width for the next showing.
void TNTabEd::SetAttribRowVisible(bool Value) {
  if (Value == AttribRowVisible()) return;
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    if (Value) {
      SetColCount(NrOfColumns() + 2);
      ShiftColWidths(1, +1);
      vcl::TCustomGrid::SetColWidths(1, FClassColWidth);
      FColOffset = 1;
      SetFixedCols(2);
    } else {
      FClassColWidth = vcl::TCustomGrid::ColWidths(1);
      ShiftColWidths(1, -1);
      FColOffset = 0;
      SetFixedCols(1);
      SetColCount(NrOfColumns() + 1);
    }
  }
  CheckSelectionChanged();
  Redraw();
  ChangedLayout();
}

// A newly shown attribute row is as high as the head row.
void TNTabEd::SetAttribColVisible(bool Value) {
  if (Value == AttribColVisible()) return;
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    if (Value) {
      SetRowCount(NrOfRows() + 2);
      ShiftRowHeights(1, +1);
      vcl::TCustomGrid::SetRowHeights(1, vcl::TCustomGrid::RowHeights(0));
      FRowOffset = 1;
      SetFixedRows(2);
    } else {
      ShiftRowHeights(1, -1);
      FRowOffset = 0;
      SetFixedRows(1);
      SetRowCount(NrOfRows() + 1);
    }
  }
  CheckSelectionChanged();
  Redraw();
  ChangedLayout();
}

// ---------------------------------------------------------------- scrolling, widths, heights

void TNTabEd::SetLeftCol(int Value) {
  const int g = std::clamp(Value + FColOffset, FColOffset + 1, FColOffset + NrOfColumns());
  vcl::TCustomGrid::SetLeftCol(g);
}

void TNTabEd::SetTopRow(int Value) {
  const int g = std::clamp(Value + FRowOffset, FRowOffset + 1, FRowOffset + NrOfRows());
  vcl::TCustomGrid::SetTopRow(g);
  Invalidate();
}

void TNTabEd::SetDefaultColWidth(int Value) {
  vcl::TCustomGrid::SetDefaultColWidth(Value);
  vcl::TCustomGrid::SetColWidths(0, 80);
  if (AttribRowVisible()) vcl::TCustomGrid::SetColWidths(1, FClassColWidth);
  ChangedLayout();
}

int TNTabEd::ColWidths(int Index) const {
  const int g = ntabed::GridIndexOf(Index, FColOffset, NrOfColumns());
  return g < 0 ? 0 : vcl::TCustomGrid::ColWidths(g);
}

void TNTabEd::SetColWidths(int Index, int Value) {
  if (Index < -1 || Index > NrOfColumns()) return;
  Value = std::max(Value, 0);
  if (Index == -1) FClassColWidth = Value;
  const int g = ntabed::GridIndexOf(Index, FColOffset, NrOfColumns());
  if (g >= 0) vcl::TCustomGrid::SetColWidths(g, Value);
  ChangedLayout();
}

int TNTabEd::RowHeights(int Index) const {
  const int g = ntabed::GridIndexOf(Index, FRowOffset, NrOfRows());
  return g < 0 ? 0 : vcl::TCustomGrid::RowHeights(g);
}

void TNTabEd::SetRowHeights(int Index, int Value) {
  const int g = ntabed::GridIndexOf(Index, FRowOffset, NrOfRows());
  if (g >= 0) vcl::TCustomGrid::SetRowHeights(g, std::max(Value, 0));
}

// ---------------------------------------------------------------- selection

// While events are suppressed the change is left for the next check.
void TNTabEd::CheckSelectionChanged() {
  if (Quiet()) return;
  const vcl::TGridRect sel = Selection();
  if (sel == FSelRemembered) return;
  FSelRemembered = sel;
  ChangedSelection();
}

// The platform's handling first, then the selection check; the event
// fires whatever the suppression.
void TNTabEd::TopLeftChanged() {
  vcl::TCustomGrid::TopLeftChanged();
  CheckSelectionChanged();
  if (!FOnTopLeftChanged) return;
  vcl::TNotifyEvent handler = FOnTopLeftChanged;
  handler(this);
}

// The selection in data coordinates, cut to the table.
TNTabEd::TBlock TNTabEd::SelectedBlock() const {
  const vcl::TGridRect sel = Selection();
  TBlock b;
  b.L = std::max(sel.Left - FColOffset, 1);
  b.T = std::max(sel.Top - FRowOffset, 1);
  b.R = std::min(sel.Right - FColOffset, NrOfColumns());
  b.B = std::min(sel.Bottom - FRowOffset, NrOfRows());
  return b;
}

// ---------------------------------------------------------------- other tables

void TNTabEd::AssignAnotherDataMatrix(TDataTable* NewDTab) {
  if (NewDTab == Data) return;
  if (NewDTab == nullptr) {
    if (!FExtMatAssigned) return;
    std::unique_ptr<TDataTable> own;
    try {
      own = std::make_unique<TDataTable>(nullptr, 1, 1);
      own->Assign(Data);
    } catch (const std::bad_alloc&) {
      RaiseNoMemory();
    } catch (const EVYRError&) {
      RaiseNoMemory();
    }
    UnhookTable(Data);
    FOwnData = std::move(own);
    Data = FOwnData.get();
    FExtMatAssigned = false;
    HookTable(Data);
    return;
  }
  const int oldCols = NrOfColumns(), oldRows = NrOfRows();
  try {
    FDecP.reserve(static_cast<std::size_t>(NewDTab->NrOfColumns()));
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  CancelEditor();
  if (FExtMatAssigned) UnhookTable(Data);
  Data = NewDTab;
  FExtMatAssigned = true;
  FOwnData.reset();
  HookTable(Data);
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    SyncColumns(oldCols, NrOfColumns());
    SyncRows(oldRows, NrOfRows());
  }
  CheckSelectionChanged();
  Redraw();
  ChangedSetup();
}

void TNTabEd::CopyContentsFrom(TNTabEd* ExtTab) {
  if (ExtTab == nullptr || ExtTab == this) return;
  CancelEditor();
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    try {
      std::vector<std::int8_t> decimals = ExtTab->FDecP;
      FDecP.reserve(decimals.size());
      Data->Assign(ExtTab->Data);
      FDecP = std::move(decimals);
    } catch (const std::bad_alloc&) {
      RaiseNoMemory();
    } catch (const EVYRError&) {
      RaiseNoMemory();
    }
  }
  Redraw();
  ChangedSetup();
  ChangedData();
}

void TNTabEd::CopyCellStatesFrom(TNTabEd* ExtTab) {
  if (ExtTab == nullptr || ExtTab == this) return;
  TBlock b;
  b.R = std::min(NrOfColumns(), ExtTab->NrOfColumns());
  b.B = std::min(NrOfRows(), ExtTab->NrOfRows());
  TDataTable* from = ExtTab->Data;
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    TDataChangedDetached detached(*this);
    for (int r = b.T; r <= b.B; ++r)
      for (int c = b.L; c <= b.R; ++c) Data->SetCellState(c, r, from->GetCellState(c, r));
  }
  Redraw();
  ChangedCellStates();
}

int TNTabEd::FindColIndex(const vcl::String& ColID) const {
  const std::u16string_view key = std::u16string_view(ColID).substr(0, DataTableNameLen);
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (Data->GetColName(c) == key) return c;
  return 0;
}

int TNTabEd::FindRowIndex(const vcl::String& RowID) const {
  const std::u16string_view key = std::u16string_view(RowID).substr(0, DataTableNameLen);
  for (int r = 1; r <= NrOfRows(); ++r)
    if (Data->GetRowName(r) == key) return r;
  return 0;
}

}  // namespace vyr
