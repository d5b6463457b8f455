#include "companion/mathpack/VYR_datatable.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

// Positions 0..n-1 in the order their keys sort: numbers by value in the
// given direction, then the cells without a number; ties keep their order.
std::vector<int> StableOrder(const std::vector<double>& Keys, const std::vector<bool>& IsNumber,
                             bool Ascending) {
  std::vector<int> order(Keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
    if (IsNumber[ua] != IsNumber[ub]) return static_cast<bool>(IsNumber[ua]);
    if (!IsNumber[ua]) return false;
    return Ascending ? Keys[ua] < Keys[ub] : Keys[ub] < Keys[ua];
  });
  return order;
}

// Brings the items into Order (Order[i] = the item that goes to position
// i) by exchanges, calling Exchange(a, b) for each one.
template <class F>
void ApplyByExchanges(const std::vector<int>& Order, F&& Exchange) {
  const std::size_t n = Order.size();
  std::vector<int> itemAt(n), posOf(n);
  std::iota(itemAt.begin(), itemAt.end(), 0);
  std::iota(posOf.begin(), posOf.end(), 0);
  for (std::size_t i = 0; i < n; ++i) {
    const int item = Order[i];
    const int p = posOf[static_cast<std::size_t>(item)];
    if (p == static_cast<int>(i)) continue;
    Exchange(static_cast<int>(i), p);
    const int moved = itemAt[i];
    std::swap(itemAt[i], itemAt[static_cast<std::size_t>(p)]);
    posOf[static_cast<std::size_t>(moved)] = p;
    posOf[static_cast<std::size_t>(item)] = static_cast<int>(i);
  }
}

}  // namespace

TDataTable::TDataTable(vcl::TComponent* AOwner, int NrColumns, int NrRows)
    : TComponent(AOwner) {
  Resize(NrColumns, NrRows);
}

TDataTable::TDataTable(int NrColumns, int NrRows) : TDataTable(nullptr, NrColumns, NrRows) {}

void TDataTable::DataChanged() {
  if (FOnDataChanged) FOnDataChanged(this);
}

void TDataTable::SetupChanged() {
  if (FOnSetupChanged) FOnSetupChanged(this);
}

void TDataTable::Progress(int Percent) {
  if (FOnPercentDone) FOnPercentDone(this, Percent);
}

// After inserting, removing, mirroring or resizing: the size report (when
// the size changed), then the structure and the data notifications.
void TDataTable::StructureChanged(int OldCols, int OldRows) {
  if (FOnResized && (OldCols != NrOfColumns() || OldRows != NrOfRows()))
    FOnResized(this, OldCols, OldRows, NrOfColumns(), NrOfRows());
  SetupChanged();
  DataChanged();
}

// Applies Change to a copy of the contents and takes the copy over only
// when all of it succeeded, so that running out of memory leaves the table
// as it was; then reports the change.
template <class F>
void TDataTable::ChangeStructure(F&& Change) {
  const int oc = NrOfColumns(), orows = NrOfRows();
  Contents copy;
  try {
    copy = FD;
    Change(copy);
  } catch (const std::bad_alloc&) {
    throw EVYRError(vcl::Str("TDataTable: not enough memory to change the table"));
  }
  FD = std::move(copy);
  StructureChanged(oc, orows);
}

void TDataTable::Resize(int NrColumns, int NrRows) {
  const int nc = std::max(1, NrColumns), nr = std::max(1, NrRows);
  if (nc == NrOfColumns() && nr == NrOfRows()) return;
  ChangeStructure([nc, nr](Contents& d) {
    d.Values.Resize(nc, nr);
    d.States.Resize(nc, nr);
    d.ColHeads.resize(static_cast<std::size_t>(nc));
    d.RowHeads.resize(static_cast<std::size_t>(nr));
  });
}

void TDataTable::Clear() {
  FD.Values.Fill(0);
  FD.States.Fill(0);
  for (auto& h : FD.ColHeads) h = ColumnHead{};
  for (auto& h : FD.RowHeads) h = RowHead{};
  FD.Comment.clear();
  SetupChanged();
  DataChanged();
}

// ---------------------------------------------------------------- cells

void TDataTable::SetElem(int ACol, int ARow, double Value) {
  if (!FD.Values.InRange(ACol, ARow)) return;
  FD.Values.At(ACol, ARow) = Value;
  DataChanged();
}

bool TDataTable::GetIsNumber(int ACol, int ARow) const {
  return FD.States.InRange(ACol, ARow) && (FD.States.At(ACol, ARow) & (dtsNoNumber | dtsEmpty)) == 0;
}

void TDataTable::SetCellState(int ACol, int ARow, std::uint8_t Value) {
  if (!FD.States.InRange(ACol, ARow)) return;
  FD.States.At(ACol, ARow) = Value;
  DataChanged();
}

// ---------------------------------------------------------------- heads

vcl::String TDataTable::GetColName(int ACol) const {
  return ValidCol(ACol) ? ColHead(ACol).Name : vcl::String();
}

void TDataTable::SetColName(int ACol, std::u16string_view Name) {
  if (ValidCol(ACol)) ColHead(ACol).Name = vcl::String(CutToLength(Name, DataTableNameLen));
}

vcl::String TDataTable::GetRowName(int ARow) const {
  return ValidRow(ARow) ? RowHd(ARow).Name : vcl::String();
}

void TDataTable::SetRowName(int ARow, std::u16string_view Name) {
  if (ValidRow(ARow)) RowHd(ARow).Name = vcl::String(CutToLength(Name, DataTableNameLen));
}

std::uint8_t TDataTable::GetColAttrib(int ACol) const { return ValidCol(ACol) ? ColHead(ACol).Attrib : 0; }

void TDataTable::SetColAttrib(int ACol, std::uint8_t Value) {
  if (ValidCol(ACol)) ColHead(ACol).Attrib = Value;
}

std::uint8_t TDataTable::GetRowAttrib(int ARow) const { return ValidRow(ARow) ? RowHd(ARow).Attrib : 0; }

void TDataTable::SetRowAttrib(int ARow, std::uint8_t Value) {
  if (ValidRow(ARow)) RowHd(ARow).Attrib = Value;
}

TMScaleType TDataTable::GetMScaleType(int ACol) const {
  return ValidCol(ACol) ? ColHead(ACol).Scale : mstUndefined;
}

void TDataTable::SetMScaleType(int ACol, TMScaleType Value) {
  if (!ValidCol(ACol) || Value > mstRatio || ColHead(ACol).Scale == Value) return;
  ColHead(ACol).Scale = Value;
  SetupChanged();
}

vcl::String TDataTable::GetNominalID(int ACol, int Ordinal) const {
  if (!ValidCol(ACol) || Ordinal < 1 || Ordinal > MaxNominalOrdinal) return {};
  const auto& ids = ColHead(ACol).NominalIDs;
  return ids.empty() ? vcl::String() : ids[static_cast<std::size_t>(Ordinal)];
}

void TDataTable::SetNominalID(int ACol, int Ordinal, std::u16string_view ID) {
  if (!ValidCol(ACol) || Ordinal < 1 || Ordinal > MaxNominalOrdinal) return;
  auto& ids = ColHead(ACol).NominalIDs;
  if (ids.empty()) ids.resize(MaxNominalOrdinal + 1);
  ids[static_cast<std::size_t>(Ordinal)] = vcl::String(CutToLength(ID, NominalIDLen));
  SetupChanged();
}

int TDataTable::OrdinalOfNominalID(int ACol, std::u16string_view ID, bool IgnoreCase) const {
  std::u16string_view key = TrimBlanks(ID);
  if (!ValidCol(ACol) || key.empty()) return 0;
  const auto& ids = ColHead(ACol).NominalIDs;
  for (std::size_t k = 1; k < ids.size(); ++k) {
    if (ids[k].empty()) continue;
    if (IgnoreCase ? SameTextIgnoringCase(ids[k], key) : ids[k] == key) return static_cast<int>(k);
  }
  return 0;
}

// ---------------------------------------------------------------- structure

void TDataTable::InsertRow(int Ix) {
  if (Ix < 1 || Ix > NrOfRows() + 1) return;
  ChangeStructure([Ix](Contents& d) {
    d.Values.InsertRow(Ix);
    d.States.InsertRow(Ix);
    d.RowHeads.insert(d.RowHeads.begin() + (Ix - 1), RowHead{});
  });
}

void TDataTable::InsertColumn(int Ix) {
  if (Ix < 1 || Ix > NrOfColumns() + 1) return;
  ChangeStructure([Ix](Contents& d) {
    d.Values.InsertColumn(Ix);
    d.States.InsertColumn(Ix);
    d.ColHeads.insert(d.ColHeads.begin() + (Ix - 1), ColumnHead{});
  });
}

void TDataTable::RemoveRow(int Ix) {
  if (!ValidRow(Ix) || NrOfRows() < 2) return;
  ChangeStructure([Ix](Contents& d) {
    d.Values.RemoveRow(Ix);
    d.States.RemoveRow(Ix);
    d.RowHeads.erase(d.RowHeads.begin() + (Ix - 1));
  });
}

void TDataTable::RemoveColumn(int Ix) {
  if (!ValidCol(Ix) || NrOfColumns() < 2) return;
  ChangeStructure([Ix](Contents& d) {
    d.Values.RemoveColumn(Ix);
    d.States.RemoveColumn(Ix);
    d.ColHeads.erase(d.ColHeads.begin() + (Ix - 1));
  });
}

void TDataTable::MirrorRows() {
  FD.Values.MirrorRows();
  FD.States.MirrorRows();
  std::reverse(FD.RowHeads.begin(), FD.RowHeads.end());
  StructureChanged(NrOfColumns(), NrOfRows());
}

void TDataTable::MirrorColumns() {
  FD.Values.MirrorColumns();
  FD.States.MirrorColumns();
  std::reverse(FD.ColHeads.begin(), FD.ColHeads.end());
  StructureChanged(NrOfColumns(), NrOfRows());
}

// ---------------------------------------------------------------- states

template <class F>
void TDataTable::ForEachState(F&& Change) {
  for (int r = 1; r <= NrOfRows(); ++r)
    for (int c = 1; c <= NrOfColumns(); ++c) Change(FD.States.At(c, r));
  DataChanged();
}

int TDataTable::FillMarkedCells(double Value, std::uint8_t StateMask) {
  int n = 0;
  for (int r = 1; r <= NrOfRows(); ++r)
    for (int c = 1; c <= NrOfColumns(); ++c)
      if (FD.States.At(c, r) & StateMask) {
        FD.Values.At(c, r) = Value;
        ++n;
      }
  if (n > 0) DataChanged();
  return n;
}

void TDataTable::InvertCellStates(std::uint8_t StateMask) {
  ForEachState([StateMask](std::uint8_t& s) { s ^= StateMask; });
}

void TDataTable::UnmarkAllCells() {
  ForEachState([](std::uint8_t& s) { s &= static_cast<std::uint8_t>(~(dtsMarkA | dtsMarkB)); });
}

void TDataTable::ExchangeMarkings() {
  ForEachState([](std::uint8_t& s) {
    const std::uint8_t a = s & dtsMarkA, b = s & dtsMarkB;
    s = static_cast<std::uint8_t>((s & ~(dtsMarkA | dtsMarkB)) | (a << 1) | (b >> 1));
  });
}

// ---------------------------------------------------------------- sorting

void TDataTable::ExchangeRows(int A, int B, int LowCol, int HighCol, bool IncludeHeaders) {
  for (int c = LowCol; c <= HighCol; ++c) {
    std::swap(FD.Values.At(c, A), FD.Values.At(c, B));
    std::swap(FD.States.At(c, A), FD.States.At(c, B));
  }
  if (IncludeHeaders) std::swap(RowHd(A), RowHd(B));
  ReportExchange(2, A, B);
}

void TDataTable::ExchangeCols(int A, int B, int LowRow, int HighRow, bool IncludeHeaders) {
  for (int r = LowRow; r <= HighRow; ++r) {
    std::swap(FD.Values.At(A, r), FD.Values.At(B, r));
    std::swap(FD.States.At(A, r), FD.States.At(B, r));
  }
  if (IncludeHeaders) std::swap(ColHead(A), ColHead(B));
  ReportExchange(1, A, B);
}

// A handler that reshapes the table in the middle of a sort ends it: the
// remaining exchanges would address cells that are gone.
void TDataTable::ReportExchange(std::uint8_t Kind, int A, int B) {
  if (!FOnExchange) return;
  const int cols = NrOfColumns(), rows = NrOfRows();
  FOnExchange(this, Kind, A, B, 0, 0);
  if (cols != NrOfColumns() || rows != NrOfRows())
    throw EVYRError(vcl::Str("TDataTable: the table was resized while it was sorted"));
}

void TDataTable::SortBlock(bool ByRows, int Key, bool Ascending, int LowCol, int LowRow, int HighCol,
                           int HighRow, bool IncludeHeaders) {
  Progress(0);  // first: a handler may still reshape the table here
  LowCol = std::max(LowCol, 1);
  LowRow = std::max(LowRow, 1);
  HighCol = std::min(HighCol, NrOfColumns());
  HighRow = std::min(HighRow, NrOfRows());
  const int lo = ByRows ? LowRow : LowCol, hi = ByRows ? HighRow : HighCol;
  const bool sortable =
      (ByRows ? ValidCol(Key) : ValidRow(Key)) && LowCol <= HighCol && LowRow <= HighRow && lo < hi;
  if (sortable) {
    std::vector<double> keys;
    std::vector<bool> isNumber;
    for (int k = lo; k <= hi; ++k) {
      const int c = ByRows ? Key : k, r = ByRows ? k : Key;
      keys.push_back(FD.Values.At(c, r));
      // A NaN value has no place among numbers; it sorts with the cells
      // that hold none, which also keeps the ordering consistent.
      isNumber.push_back(GetIsNumber(c, r) && !std::isnan(FD.Values.At(c, r)));
    }
    ApplyByExchanges(StableOrder(keys, isNumber, Ascending), [&](int a, int b) {
      if (ByRows)
        ExchangeRows(lo + a, lo + b, LowCol, HighCol, IncludeHeaders);
      else
        ExchangeCols(lo + a, lo + b, LowRow, HighRow, IncludeHeaders);
    });
  }
  Progress(100);
  if (!sortable) return;
  if (IncludeHeaders) SetupChanged();
  DataChanged();
}

// ---------------------------------------------------------------- copying

void TDataTable::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TDataTable*>(Source);
  if (src == nullptr) {
    TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  ChangeStructure([src](Contents& d) { d = src->FD; });
}

}  // namespace vyr
