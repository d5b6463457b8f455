// TNTabEd: values and cell states of many cells at once (filling, marking,
// counting marks), the marking commands of the data popup, and sorting.
//
// Sorting by values is the table's (the decimals follow the columns through
// ExchangeDuringSort while the heads move along). Sorting by attributes
// and names is done here: the order is found first, then the block, its
// heads and decimals are read into a copy and written back in that order,
// so that running out of memory leaves the table as it was.
#include <algorithm>
#include <cwctype>
#include <numeric>

#include "VYR_ntabed/VYR_ntabedinternal.h"

namespace vyr {

// ---------------------------------------------------------------- blocks of states

template <class F>
void TNTabEd::ChangeStates(const TBlock& Block, F&& Change) {
  vcl::TValueGuard quiet(FInternSuppPaint, true);
  TDataChangedDetached detached(*this);
  for (int r = Block.T; r <= Block.B; ++r) {
    for (int c = Block.L; c <= Block.R; ++c) {
      const std::uint8_t s = Data->GetCellState(c, r);
      const std::uint8_t n = Change(s);
      if (n != s) Data->SetCellState(c, r, n);
    }
  }
}

void TNTabEd::MarkBlock(const TBlock& Block, std::uint8_t Bit, bool Set) {
  ChangeStates(Block, [Bit, Set](std::uint8_t s) {
    return static_cast<std::uint8_t>(Set ? s | Bit : s & ~Bit);
  });
  Redraw();
  ChangedCellStates();
}

TNTabEd::TBlock TNTabEd::WholeTable() const { return {1, 1, NrOfColumns(), NrOfRows()}; }

TNTabEd::TBlock TNTabEd::ColumnsOfSelection() const {
  TBlock b = SelectedBlock();
  b.T = 1;
  b.B = NrOfRows();
  return b;
}

TNTabEd::TBlock TNTabEd::RowsOfSelection() const {
  TBlock b = SelectedBlock();
  b.L = 1;
  b.R = NrOfColumns();
  return b;
}

// ---------------------------------------------------------------- values and marks

void TNTabEd::Fill(double value) { Data->Matrix().Fill(value); }

// The earlier SuppressPaint comes back afterwards (repainting when false).
int TNTabEd::FillMarkedCells(double value, std::uint8_t Statemask) {
  vcl::TPaintSuppressGuard quiet(*this);
  return Data->FillMarkedCells(value, Statemask);
}

void TNTabEd::InvertCellStates(std::uint8_t StateMask) {
  Data->InvertCellStates(StateMask);
  Redraw();
  ChangedCellStates();
}

void TNTabEd::ExchangeMarkings() {
  Data->ExchangeMarkings();
  Redraw();
  ChangedCellStates();
}

void TNTabEd::MarkAllElemsA() { MarkBlock(WholeTable(), csMarkA, true); }
void TNTabEd::MarkAllElemsB() { MarkBlock(WholeTable(), csMarkB, true); }

void TNTabEd::UnMarkAllElems() {
  ChangeStates(WholeTable(), [](std::uint8_t s) {
    return static_cast<std::uint8_t>(s & ~(csMarkA | csMarkB));
  });
  Redraw();
  ChangedCellStates();
}

namespace {

template <class Pred>
int CountStates(const TDataTable& T, int L, int Tp, int R, int B, Pred&& P) {
  int n = 0;
  for (int r = Tp; r <= B; ++r)
    for (int c = L; c <= R; ++c)
      if (P(T.GetCellState(c, r))) ++n;
  return n;
}

bool Marked(std::uint8_t S) { return (S & (csMarkA | csMarkB)) != 0; }

}  // namespace

int TNTabEd::NrOfMarkedDataA() const {
  return CountStates(*Data, 1, 1, NrOfColumns(), NrOfRows(),
                     [](std::uint8_t s) { return (s & csMarkA) != 0; });
}

int TNTabEd::NrOfMarkedDataB() const {
  return CountStates(*Data, 1, 1, NrOfColumns(), NrOfRows(),
                     [](std::uint8_t s) { return (s & csMarkB) != 0; });
}

bool TNTabEd::IfRowMarked(int row) const {
  if (!ValidRow(row)) return false;
  for (int c = 1; c <= NrOfColumns(); ++c)
    if (Marked(Data->GetCellState(c, row))) return true;
  return false;
}

bool TNTabEd::IfColumnMarked(int col) const {
  if (!ValidCol(col)) return false;
  for (int r = 1; r <= NrOfRows(); ++r)
    if (Marked(Data->GetCellState(col, r))) return true;
  return false;
}

bool TNTabEd::IfAnyMarked() const {
  for (int r = 1; r <= NrOfRows(); ++r)
    if (IfRowMarked(r)) return true;
  return false;
}

// ---------------------------------------------------------------- marking commands

void TNTabEd::PopupMenuClickMarkARange(vcl::TObject*) { MarkBlock(SelectedBlock(), csMarkA, true); }
void TNTabEd::PopupMenuClickMarkAColumn(vcl::TObject*) { MarkBlock(ColumnsOfSelection(), csMarkA, true); }
void TNTabEd::PopupMenuClickMarkARow(vcl::TObject*) { MarkBlock(RowsOfSelection(), csMarkA, true); }
void TNTabEd::PopupMenuClickMarkAAll(vcl::TObject*) { MarkBlock(WholeTable(), csMarkA, true); }
void TNTabEd::PopupMenuClickMarkBRange(vcl::TObject*) { MarkBlock(SelectedBlock(), csMarkB, true); }
void TNTabEd::PopupMenuClickMarkBColumn(vcl::TObject*) { MarkBlock(ColumnsOfSelection(), csMarkB, true); }
void TNTabEd::PopupMenuClickMarkBRow(vcl::TObject*) { MarkBlock(RowsOfSelection(), csMarkB, true); }
void TNTabEd::PopupMenuClickMarkBAll(vcl::TObject*) { MarkBlock(WholeTable(), csMarkB, true); }
void TNTabEd::PopupMenuClickUnMarkARange(vcl::TObject*) { MarkBlock(SelectedBlock(), csMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAColumn(vcl::TObject*) { MarkBlock(ColumnsOfSelection(), csMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkARow(vcl::TObject*) { MarkBlock(RowsOfSelection(), csMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAAll(vcl::TObject*) { MarkBlock(WholeTable(), csMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkBRange(vcl::TObject*) { MarkBlock(SelectedBlock(), csMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBColumn(vcl::TObject*) { MarkBlock(ColumnsOfSelection(), csMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBRow(vcl::TObject*) { MarkBlock(RowsOfSelection(), csMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBAll(vcl::TObject*) { MarkBlock(WholeTable(), csMarkB, false); }

void TNTabEd::PopupMenuClickUnMarkAll(vcl::TObject*) {
  Data->UnmarkAllCells();
  Redraw();
  ChangedCellStates();
}

void TNTabEd::PopupMenuClickEmptyCells(vcl::TObject*) {
  ChangeStates(SelectedBlock(), [](std::uint8_t s) { return static_cast<std::uint8_t>(s ^ csEmpty); });
  Redraw();
  ChangedCellStates();
}

// ---------------------------------------------------------------- sorting by values

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                       int HighRow, bool IncludeHeaders) {
  HideEditor();
  Data->SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                       int HighRow, bool IncludeHeaders) {
  HideEditor();
  vcl::TValueGuard carryDecimals(FSortIncludeHd, IncludeHeaders);
  Data->SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

// ---------------------------------------------------------------- sorting by heads

namespace {

// Positions 0..n-1 in the order of their keys, ties keeping their order.
template <class Key, class Less>
std::vector<int> StableOrder(const std::vector<Key>& Keys, bool Ascending, Less&& L) {
  std::vector<int> order(Keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const Key& ka = Keys[static_cast<std::size_t>(a)];
    const Key& kb = Keys[static_cast<std::size_t>(b)];
    return Ascending ? L(ka, kb) : L(kb, ka);
  });
  return order;
}

vcl::String UpperKey(const vcl::String& S) {
  vcl::String out = S;
  for (char16_t& c : out) c = static_cast<char16_t>(std::towupper(static_cast<wint_t>(c)));
  return out;
}

bool IsIdentity(const std::vector<int>& Order) {
  for (std::size_t i = 0; i < Order.size(); ++i)
    if (Order[i] != static_cast<int>(i)) return false;
  return true;
}

// What belongs to a column besides its cells.
struct TColumnHead {
  vcl::String Name;
  std::uint8_t Attrib = 0;
  TMScaleType Scale = mstUndefined;
  std::vector<vcl::String> IDs;  // empty when the column has none
  std::int8_t Decimals = 3;
};

TColumnHead ReadColumnHead(const TDataTable& T, int c) {
  TColumnHead h;
  h.Name = T.GetColName(c);
  h.Attrib = T.GetColAttrib(c);
  h.Scale = T.GetMScaleType(c);
  for (int k = 1; k <= MaxNominalOrdinal; ++k) {
    vcl::String id = T.GetNominalID(c, k);
    if (id.empty()) continue;
    h.IDs.resize(MaxNominalOrdinal + 1);
    h.IDs[static_cast<std::size_t>(k)] = std::move(id);
  }
  return h;
}

void WriteColumnHead(TDataTable& T, int c, const TColumnHead& H) {
  T.SetColName(c, H.Name);
  T.SetColAttrib(c, H.Attrib);
  T.SetMScaleType(c, H.Scale);
  for (int k = 1; k <= MaxNominalOrdinal; ++k) {
    const vcl::String id = H.IDs.empty() ? vcl::String() : H.IDs[static_cast<std::size_t>(k)];
    if (id != T.GetNominalID(c, k)) T.SetNominalID(c, k, id);
  }
}

// Values and states of a block, read before it is written back reordered.
struct TCellCopy {
  std::vector<double> Values;
  std::vector<std::uint8_t> States;
};

}  // namespace

// Order[i] is the block position (0-based) of the column that goes to
// position i. The block's cells of rows LowRow..HighRow, the heads and the
// decimals are read first and then written back in that order.
void TNTabEd::PermuteColumns(const std::vector<int>& Order, int LowCol, int LowRow, int HighRow) {
  HideEditor();
  const int n = static_cast<int>(Order.size()), rows = HighRow - LowRow + 1;
  std::vector<TColumnHead> heads;
  TCellCopy cells;
  try {
    for (int i = 0; i < n; ++i) {
      heads.push_back(ReadColumnHead(*Data, LowCol + i));
      heads.back().Decimals = Precision(LowCol + i);
    }
    for (int i = 0; i < n; ++i) {
      for (int r = LowRow; r <= HighRow; ++r) {
        cells.Values.push_back(Data->GetElem(LowCol + i, r));
        cells.States.push_back(Data->GetCellState(LowCol + i, r));
      }
    }
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    TDataChangedDetached detached(*this);
    const vcl::TNotifyEvent setup = Data->OnSetupChanged();
    Data->SetOnSetupChanged(nullptr);
    for (int i = 0; i < n; ++i) {
      const int from = Order[static_cast<std::size_t>(i)], to = LowCol + i;
      const TColumnHead& h = heads[static_cast<std::size_t>(from)];
      WriteColumnHead(*Data, to, h);
      FDecP[static_cast<std::size_t>(to - 1)] = h.Decimals;
      for (int r = 0; r < rows; ++r) {
        const auto at = static_cast<std::size_t>(from * rows + r);
        Data->Matrix().Set(to, LowRow + r, cells.Values[at]);
        Data->SetCellState(to, LowRow + r, cells.States[at]);
      }
    }
    Data->SetOnSetupChanged(setup);
  }
  Redraw();
  ChangedSetup();
  ChangedData();
}

// The same for rows: names, attributes and the cells of columns
// LowCol..HighCol.
void TNTabEd::PermuteRows(const std::vector<int>& Order, int LowRow, int LowCol, int HighCol) {
  HideEditor();
  const int n = static_cast<int>(Order.size()), cols = HighCol - LowCol + 1;
  std::vector<vcl::String> names;
  std::vector<std::uint8_t> attribs;
  TCellCopy cells;
  try {
    for (int i = 0; i < n; ++i) {
      names.push_back(Data->GetRowName(LowRow + i));
      attribs.push_back(Data->GetRowAttrib(LowRow + i));
      for (int c = LowCol; c <= HighCol; ++c) {
        cells.Values.push_back(Data->GetElem(c, LowRow + i));
        cells.States.push_back(Data->GetCellState(c, LowRow + i));
      }
    }
  } catch (const std::bad_alloc&) {
    RaiseNoMemory();
  }
  {
    vcl::TValueGuard quiet(FInternSuppPaint, true);
    TDataChangedDetached detached(*this);
    for (int i = 0; i < n; ++i) {
      const int from = Order[static_cast<std::size_t>(i)], to = LowRow + i;
      Data->SetRowName(to, names[static_cast<std::size_t>(from)]);
      Data->SetRowAttrib(to, attribs[static_cast<std::size_t>(from)]);
      for (int c = 0; c < cols; ++c) {
        const auto at = static_cast<std::size_t>(from * cols + c);
        Data->Matrix().Set(LowCol + c, to, cells.Values[at]);
        Data->SetCellState(LowCol + c, to, cells.States[at]);
      }
    }
  }
  Redraw();
  ChangedSetup();
  ChangedData();
}

namespace {

// The block cut to the table; false when there is nothing to order.
bool ClipBlock(int& LowCol, int& LowRow, int& HighCol, int& HighRow, int Cols, int Rows,
               bool ByColumns) {
  LowCol = std::max(LowCol, 1);
  LowRow = std::max(LowRow, 1);
  HighCol = std::min(HighCol, Cols);
  HighRow = std::min(HighRow, Rows);
  if (LowCol > HighCol || LowRow > HighRow) return false;
  return ByColumns ? LowCol < HighCol : LowRow < HighRow;
}

}  // namespace

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  if (!ClipBlock(LowCol, LowRow, HighCol, HighRow, NrOfColumns(), NrOfRows(), true)) return;
  std::vector<int> keys;
  for (int c = LowCol; c <= HighCol; ++c) keys.push_back(Data->GetColAttrib(c));
  const std::vector<int> order = StableOrder(keys, Ascending, std::less<int>());
  if (!IsIdentity(order)) PermuteColumns(order, LowCol, LowRow, HighRow);
}

void TNTabEd::SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                           int HighRow) {
  if (!ClipBlock(LowCol, LowRow, HighCol, HighRow, NrOfColumns(), NrOfRows(), true)) return;
  std::vector<vcl::String> keys;
  for (int c = LowCol; c <= HighCol; ++c) {
    keys.push_back(IgnoreCase ? UpperKey(Data->GetColName(c)) : Data->GetColName(c));
  }
  const std::vector<int> order = StableOrder(keys, Ascending, std::less<vcl::String>());
  if (!IsIdentity(order)) PermuteColumns(order, LowCol, LowRow, HighRow);
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  if (!ClipBlock(LowCol, LowRow, HighCol, HighRow, NrOfColumns(), NrOfRows(), false)) return;
  std::vector<int> keys;
  for (int r = LowRow; r <= HighRow; ++r) keys.push_back(Data->GetRowAttrib(r));
  const std::vector<int> order = StableOrder(keys, Ascending, std::less<int>());
  if (!IsIdentity(order)) PermuteRows(order, LowRow, LowCol, HighCol);
}

void TNTabEd::SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
  SortRowNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                           int HighRow) {
  if (!ClipBlock(LowCol, LowRow, HighCol, HighRow, NrOfColumns(), NrOfRows(), false)) return;
  std::vector<vcl::String> keys;
  for (int r = LowRow; r <= HighRow; ++r) {
    keys.push_back(IgnoreCase ? UpperKey(Data->GetRowName(r)) : Data->GetRowName(r));
  }
  const std::vector<int> order = StableOrder(keys, Ascending, std::less<vcl::String>());
  if (!IsIdentity(order)) PermuteRows(order, LowRow, LowCol, HighCol);
}

}  // namespace vyr
