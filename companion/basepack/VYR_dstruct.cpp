#include "companion/basepack/VYR_dstruct.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <new>
#include <numeric>
#include <stdexcept>

#include "companion/basepack/internal/VYR_dstruct_column.h"
#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

// Tables beyond this many cells (2 GB of cell records) are refused at once
// rather than left to exhaust the memory.
constexpr std::uint64_t kMaxCells = std::uint64_t{1} << 28;

[[noreturn]] void OutOfMemory() {
  throw EVYRDStructError(vcl::Str("TStringArray: not enough memory for the table"));
}

// Runs Action; allocation failures become EVYRDStructError.
template <class F>
void Guarded(F&& Action) {
  try {
    Action();
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  } catch (const std::length_error&) {
    OutOfMemory();
  }
}

}  // namespace

bool CombineLogic(TLogicOp Op, bool Left, bool Right) {
  switch (Op) {
    case loAND: return Left && Right;
    case loOR: return Left || Right;
    case loXOR: return Left != Right;
    case loNOP: break;
  }
  return Left;
}

// ---------------------------------------------------------------- column

void TStringArray::Column::Set(std::size_t Row, std::u16string_view Value) {
  Cell& cell = Cells[Row];
  std::size_t len = Value.size();
  if (len <= cell.Len) {
    // Fits in its old place: no allocation.
    std::copy(Value.begin(), Value.end(), Text.begin() + cell.Off);
    Garbage += cell.Len - len;
    cell.Len = static_cast<std::uint16_t>(len);
    if (len == 0) cell.Off = 0;
    return;
  }
  MakeRoom(len);
  std::size_t off = Text.size();
  Text.insert(Text.end(), Value.begin(), Value.end());
  Garbage += Cells[Row].Len;
  Cells[Row] = Cell{static_cast<std::uint32_t>(off), static_cast<std::uint16_t>(len)};
}

void TStringArray::Column::MakeRoom(std::size_t Units) {
  constexpr std::size_t kMaxUnits = std::numeric_limits<std::uint32_t>::max();
  if (Garbage > 1024 && Garbage > Text.size() / 2) Compact();
  if (Text.size() + Units > kMaxUnits) {
    Compact();
    if (Text.size() + Units > kMaxUnits)
      throw EVYRDStructError(vcl::Str("TStringArray: a column holds too much text"));
  }
}

void TStringArray::Column::Truncate(std::size_t Rows) {
  for (std::size_t r = Rows; r < Cells.size(); ++r) Garbage += Cells[r].Len;
  Cells.resize(Rows);
}

void TStringArray::Column::EraseRow(std::size_t Row) {
  Garbage += Cells[Row].Len;
  Cells.erase(Cells.begin() + static_cast<std::ptrdiff_t>(Row));
}

void TStringArray::Column::Compact() {
  std::vector<char16_t> text;
  text.reserve(Text.size() - Garbage);
  for (Cell& c : Cells) {
    if (c.Len == 0) continue;
    std::size_t off = text.size();
    text.insert(text.end(), Text.begin() + c.Off, Text.begin() + c.Off + c.Len);
    c.Off = static_cast<std::uint32_t>(off);
  }
  Text.swap(text);
  Garbage = 0;
}

// ---------------------------------------------------------------- table

TStringArray::TStringArray(vcl::TComponent* AOwner, int NrColumns, int NrRows) : TComponent(AOwner) {
  FOrder.assign(1, 0);
  FRowAttr.assign(1, 0);
  FColAttr.assign(1, 0);
  FColumns.push_back(std::make_unique<Column>());
  FColumns[0]->Cells.resize(1);
  Resize(NrColumns, NrRows);
}

TStringArray::TStringArray(int NrColumns, int NrRows) : TStringArray(nullptr, NrColumns, NrRows) {}

TStringArray::~TStringArray() = default;

void TStringArray::Changed() {
  if (FOnChange) FOnChange(this);
}

void TStringArray::SetAllocRowsBy(int Value) { FAllocRowsBy = std::max(1, Value); }

// Row capacity for NrRows rows: whole allocation steps, and when growing
// past the current capacity at least half as much again, so that adding
// rows one by one stays linear.
std::size_t TStringArray::RowCapacityFor(int NrRows, std::size_t Current) const {
  std::size_t need = static_cast<std::size_t>(NrRows) + 1;
  std::size_t step = static_cast<std::size_t>(FAllocRowsBy);
  std::size_t cap = (need + step - 1) / step * step;
  if (need > Current && Current > 64) cap = std::max(cap, Current + Current / 2);
  return cap;
}

void TStringArray::Resize(int NrColumns, int NrRows) {
  const int nc = std::max(0, NrColumns);
  const int nr = std::max(1, NrRows);
  if (nc == FNrCols && nr == FNrRows) return;
  if ((static_cast<std::uint64_t>(nc) + 1) * (static_cast<std::uint64_t>(nr) + 1) > kMaxCells)
    throw EVYRDStructError(vcl::Str("TStringArray: a table of that size is not supported"));
  RepairOrder();
  const auto rows = static_cast<std::size_t>(nr) + 1;
  std::vector<std::unique_ptr<Column>> added;
  std::vector<std::int32_t> order;
  // First everything that may fail, so that a failure changes nothing.
  Guarded([&] {
    std::size_t cap = RowCapacityFor(nr, FColumns[0]->Cells.capacity());
    for (int c = FNrCols + 1; c <= nc; ++c) {
      added.push_back(std::make_unique<Column>());
      added.back()->Cells.reserve(cap);
    }
    FColumns.reserve(static_cast<std::size_t>(nc) + 1);
    FColAttr.reserve(static_cast<std::size_t>(nc) + 1);
    for (int c = 0; c <= std::min(nc, FNrCols); ++c)
      if (FColumns[c]->Cells.capacity() < rows) FColumns[c]->Cells.reserve(cap);
    FRowAttr.reserve(rows);
    order.reserve(rows);
  });
  // Surviving rows keep their shown order; new rows follow physically.
  for (std::int32_t p : FOrder)
    if (p <= nr) order.push_back(p);
  for (int r = FNrRows + 1; r <= nr; ++r) order.push_back(r);

  FColumns.resize(std::min(FColumns.size(), static_cast<std::size_t>(nc) + 1));
  for (auto& col : added) FColumns.push_back(std::move(col));
  FColAttr.resize(static_cast<std::size_t>(nc) + 1, 0);
  for (auto& col : FColumns) {
    if (col->Cells.size() > rows) col->Truncate(rows);
    col->Cells.resize(rows);
  }
  FRowAttr.resize(rows, 0);
  FOrder.swap(order);
  FNrCols = nc;
  FNrRows = nr;
  Changed();
}

vcl::String TStringArray::GetString(int ACol, int ARow) const { return vcl::String(StringView(ACol, ARow)); }

std::u16string_view TStringArray::StringView(int ACol, int ARow) const {
  if (!ValidCol(ACol) || !ValidRow(ARow)) return {};
  return FColumns[static_cast<std::size_t>(ACol)]->View(static_cast<std::size_t>(Physical(ARow)));
}

void TStringArray::StringViews(int ACol, int FirstRow, int Count, std::u16string_view* Out) const {
  // Rows inside the table form one run [inFirst, inLast]; the rest is empty.
  const int inFirst = std::max(FirstRow, 0), inLast = std::min(FirstRow + Count - 1, FNrRows);
  if (!ValidCol(ACol) || inFirst > inLast) {
    std::fill_n(Out, std::max(Count, 0), std::u16string_view());
    return;
  }
  std::fill_n(Out, inFirst - FirstRow, std::u16string_view());
  const Column& col = *FColumns[static_cast<std::size_t>(ACol)];
  const Column::Cell* cells = col.Cells.data();
  const char16_t* text = col.Text.data();
  const std::int32_t* order = FOrder.data();
  for (int row = inFirst; row <= inLast; ++row) {
    const Column::Cell& c = cells[order[row]];
    Out[row - FirstRow] = std::u16string_view(text + c.Off, c.Len);
  }
  std::fill_n(Out + (inLast - FirstRow + 1), FirstRow + Count - 1 - inLast, std::u16string_view());
}

void TStringArray::SetString(int ACol, int ARow, std::u16string_view Value) {
  if (!ValidCol(ACol) || !ValidRow(ARow)) return;
  // Copied first: Value may point into this very column's arena.
  std::array<char16_t, StringArrayMaxLen> buf;
  std::u16string_view cut = CutToLength(Value, StringArrayMaxLen);
  std::copy(cut.begin(), cut.end(), buf.begin());
  Column& col = *FColumns[static_cast<std::size_t>(ACol)];
  Guarded([&] { col.Set(static_cast<std::size_t>(Physical(ARow)), {buf.data(), cut.size()}); });
  Changed();
}

std::uint8_t TStringArray::GetRowAttrib(int ARow) const {
  return ValidRow(ARow) ? FRowAttr[static_cast<std::size_t>(Physical(ARow))] : 0;
}

void TStringArray::SetRowAttrib(int ARow, std::uint8_t Value) {
  if (ValidRow(ARow)) FRowAttr[static_cast<std::size_t>(Physical(ARow))] = Value;
}

std::uint8_t TStringArray::GetColAttrib(int ACol) const {
  return ValidCol(ACol) ? FColAttr[static_cast<std::size_t>(ACol)] : 0;
}

void TStringArray::SetColAttrib(int ACol, std::uint8_t Value) {
  if (ValidCol(ACol)) FColAttr[static_cast<std::size_t>(ACol)] = Value;
}

void TStringArray::InsertRow(int ARow) {
  if (ARow < 1 || ARow > FNrRows + 1) return;
  RepairOrder();
  const auto pos = static_cast<std::ptrdiff_t>(ARow);
  Guarded([&] {
    std::size_t cap = RowCapacityFor(FNrRows + 1, FColumns[0]->Cells.capacity());
    for (auto& col : FColumns)
      if (col->Cells.size() == col->Cells.capacity()) col->Cells.reserve(cap);
    FRowAttr.reserve(FRowAttr.size() + 1);
    FOrder.reserve(FOrder.size() + 1);
  });
  for (auto& col : FColumns) col->Cells.insert(col->Cells.begin() + pos, Column::Cell{});
  FRowAttr.insert(FRowAttr.begin() + pos, 0);
  for (std::int32_t& p : FOrder)
    if (p >= ARow) ++p;
  FOrder.insert(FOrder.begin() + pos, ARow);
  ++FNrRows;
  Changed();
}

void TStringArray::RemoveRow(int ARow) {
  if (ARow < 1 || ARow > FNrRows) return;
  RepairOrder();
  const int phys = Physical(ARow);
  if (FNrRows == 1) {
    for (auto& col : FColumns) col->Empty(static_cast<std::size_t>(phys));
    FRowAttr[static_cast<std::size_t>(phys)] = 0;
  } else {
    for (auto& col : FColumns) col->EraseRow(static_cast<std::size_t>(phys));
    FRowAttr.erase(FRowAttr.begin() + phys);
    FOrder.erase(FOrder.begin() + ARow);
    for (std::int32_t& p : FOrder)
      if (p > phys) --p;
    --FNrRows;
  }
  Changed();
}

void TStringArray::InsertColumn(int ACol) {
  if (ACol < 1 || ACol > FNrCols + 1) return;
  std::unique_ptr<Column> col;
  Guarded([&] {
    col = std::make_unique<Column>();
    col->Cells.reserve(FColumns[0]->Cells.capacity());
    col->Cells.resize(static_cast<std::size_t>(FNrRows) + 1);
    FColumns.reserve(FColumns.size() + 1);
    FColAttr.reserve(FColAttr.size() + 1);
  });
  FColumns.insert(FColumns.begin() + ACol, std::move(col));
  FColAttr.insert(FColAttr.begin() + ACol, 0);
  ++FNrCols;
  Changed();
}

void TStringArray::RemoveColumn(int ACol) {
  if (ACol < 1 || ACol > FNrCols) return;
  FColumns.erase(FColumns.begin() + ACol);
  FColAttr.erase(FColAttr.begin() + ACol);
  --FNrCols;
  Changed();
}

void TStringArray::Clear() {
  for (auto& col : FColumns) col->EmptyAll();
  Changed();
}

// ---------------------------------------------------------------- sort order

int TStringArray::GetSortOrder(int ARow) const {
  return ValidRow(ARow) ? Physical(ARow) : -1;
}

void TStringArray::SetSortOrder(int ARow, int PhysRow) {
  if (ARow < 1 || ARow > FNrRows || PhysRow < 1 || PhysRow > FNrRows) return;
  FOrder[static_cast<std::size_t>(ARow)] = PhysRow;
  FOrderChecked = false;
}

void TStringArray::RepairOrder() const {
  if (FOrderChecked) return;
  std::vector<bool> seen(FOrder.size(), false);
  std::vector<std::size_t> repeated;
  for (std::size_t i = 1; i < FOrder.size(); ++i) {
    auto p = static_cast<std::size_t>(FOrder[i]);
    if (seen[p]) repeated.push_back(i);
    seen[p] = true;
  }
  std::size_t next = 1;
  for (std::size_t i : repeated) {
    while (seen[next]) ++next;
    FOrder[i] = static_cast<std::int32_t>(next);
    seen[next] = true;
  }
  FOrderChecked = true;
}

bool TStringArray::Sorted() const {
  RepairOrder();
  for (std::size_t i = 0; i < FOrder.size(); ++i)
    if (FOrder[i] != static_cast<std::int32_t>(i)) return true;
  return false;
}

void TStringArray::UnSort() {
  std::iota(FOrder.begin(), FOrder.end(), 0);
  FOrderChecked = true;
}

void TStringArray::CommitSorting() {
  if (!Sorted()) return;
  const std::size_t rows = FOrder.size();
  Guarded([&] {
    // All new cell vectors first, then swapped in, so a failure changes nothing.
    std::vector<std::vector<Column::Cell>> cells(FColumns.size());
    std::vector<std::uint8_t> attr(rows);
    for (std::size_t c = 0; c < FColumns.size(); ++c) {
      cells[c].reserve(FColumns[c]->Cells.capacity());
      for (std::size_t i = 0; i < rows; ++i)
        cells[c].push_back(FColumns[c]->Cells[static_cast<std::size_t>(FOrder[i])]);
    }
    for (std::size_t i = 0; i < rows; ++i) attr[i] = FRowAttr[static_cast<std::size_t>(FOrder[i])];
    for (std::size_t c = 0; c < FColumns.size(); ++c) FColumns[c]->Cells.swap(cells[c]);
    FRowAttr.swap(attr);
  });
  UnSort();
}

// ---------------------------------------------------------------- copying

void TStringArray::Assign(vcl::TPersistent* Source) {
  auto* src = dynamic_cast<TStringArray*>(Source);
  if (src == nullptr) {
    TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  src->RepairOrder();
  std::vector<std::unique_ptr<Column>> columns;
  Guarded([&] {
    for (const auto& col : src->FColumns) columns.push_back(std::make_unique<Column>(*col));
    std::vector<std::uint8_t> colAttr(src->FColAttr), rowAttr(src->FRowAttr);
    std::vector<std::int32_t> order(src->FOrder);
    FColumns.swap(columns);
    FColAttr.swap(colAttr);
    FRowAttr.swap(rowAttr);
    FOrder.swap(order);
  });
  FOrderChecked = true;
  FNrCols = src->FNrCols;
  FNrRows = src->FNrRows;
  FAllocRowsBy = src->FAllocRowsBy;
  Changed();
}

std::size_t TStringArray::MemoryUsed() const {
  std::size_t bytes = FColumns.capacity() * sizeof(FColumns[0]) + FColAttr.capacity() +
                      FRowAttr.capacity() + FOrder.capacity() * sizeof(std::int32_t);
  for (const auto& col : FColumns) bytes += sizeof(Column) + col->Bytes();
  return bytes;
}

// ---------------------------------------------------------------- bit field

void TBitFld::SetSize(int Value) {
  int n = std::max(0, Value);
  FWords.resize((static_cast<std::size_t>(n) + 63) / 64, 0);
  // Bits beyond the new size are cleared so that growing again shows False.
  if (n % 64 != 0) FWords.back() &= (std::uint64_t{1} << (n % 64)) - 1;
  FSize = n;
}

void TBitFld::Clear() { std::fill(FWords.begin(), FWords.end(), 0); }

bool TBitFld::GetBit(int Ix) const {
  if (Ix < 0 || Ix >= FSize) return false;
  return (FWords[static_cast<std::size_t>(Ix) / 64] >> (Ix % 64)) & 1u;
}

void TBitFld::SetBit(int Ix, bool Value) {
  if (Ix < 0 || Ix >= FSize) return;
  std::uint64_t mask = std::uint64_t{1} << (Ix % 64);
  std::uint64_t& word = FWords[static_cast<std::size_t>(Ix) / 64];
  word = Value ? (word | mask) : (word & ~mask);
}

int TBitFld::CountTrueBits() const {
  int n = 0;
  for (std::uint64_t w : FWords) n += std::popcount(w);
  return n;
}

int TBitFld::FirstTrueBit() const {
  for (std::size_t i = 0; i < FWords.size(); ++i)
    if (FWords[i] != 0) return static_cast<int>(i * 64) + std::countr_zero(FWords[i]);
  return -1;
}

}  // namespace vyr
