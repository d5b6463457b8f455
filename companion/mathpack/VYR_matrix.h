// Math package: rectangular matrices of numbers, addressed (column, row)
// from 1. Reads outside the matrix give 0 and writes outside are ignored.
#pragma once

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Classes.h"

namespace vyr {

// Largest number of elements a matrix accepts; bigger sizes raise EVYRError
// at once instead of exhausting the memory.
inline constexpr std::int64_t MatrixMaxElems = std::int64_t{1} << 28;

// Storage and the structural operations shared by the matrices; elements
// are kept row by row. Matrices are values: they copy and move.
template <class T>
class TBasicMatrix {
 public:
  TBasicMatrix(int NrColumns, int NrRows) { Resize(NrColumns, NrRows); }

  int NrOfColumns() const { return FNrCols; }
  int NrOfRows() const { return FNrRows; }

  // New dimensions (below 0 count as 0); elements that remain keep their
  // values, new ones are 0. EVYRError for sizes beyond MatrixMaxElems or
  // when memory runs out; the matrix is then unchanged.
  void Resize(int NrColumns, int NrRows) {
    const int nc = std::max(0, NrColumns), nr = std::max(0, NrRows);
    if (nc == FNrCols && nr == FNrRows) return;
    if (static_cast<std::int64_t>(nc) * nr > MatrixMaxElems)
      throw EVYRError(vcl::Str("matrix: a matrix of that size is not supported"));
    std::vector<T> data;
    Allocate(data, static_cast<std::size_t>(nc) * static_cast<std::size_t>(nr));
    for (int r = 0; r < std::min(nr, FNrRows); ++r)
      for (int c = 0; c < std::min(nc, FNrCols); ++c)
        data[Index(c, r, nc)] = FData[Index(c, r, FNrCols)];
    FData.swap(data);
    FNrCols = nc;
    FNrRows = nr;
  }

  bool InRange(int ACol, int ARow) const {
    return ACol >= 1 && ACol <= FNrCols && ARow >= 1 && ARow <= FNrRows;
  }
  T Get(int ACol, int ARow) const { return InRange(ACol, ARow) ? At(ACol, ARow) : T{}; }
  void Set(int ACol, int ARow, T Value) {
    if (InRange(ACol, ARow)) At(ACol, ARow) = Value;
  }
  // Every element set to Value.
  void Fill(T Value) { std::fill(FData.begin(), FData.end(), Value); }

  // Unchecked access for loops that stay inside the matrix.
  T& At(int ACol, int ARow) { return FData[Index(ACol - 1, ARow - 1, FNrCols)]; }
  const T& At(int ACol, int ARow) const { return FData[Index(ACol - 1, ARow - 1, FNrCols)]; }

  // A row or column of zeros before position Ix (1..count + 1), or the
  // removal of one; positions outside are ignored.
  void InsertRow(int Ix) { Restructure(Ix, 1, true, +1); }
  void InsertColumn(int Ix) { Restructure(Ix, 1, false, +1); }
  void RemoveRow(int Ix) { Restructure(Ix, 0, true, -1); }
  void RemoveColumn(int Ix) { Restructure(Ix, 0, false, -1); }

  void SwapRows(int A, int B) {
    for (int c = 1; c <= FNrCols; ++c) std::swap(At(c, A), At(c, B));
  }
  void SwapColumns(int A, int B) {
    for (int r = 1; r <= FNrRows; ++r) std::swap(At(A, r), At(B, r));
  }
  void MirrorRows() {
    for (int a = 1, b = FNrRows; a < b; ++a, --b) SwapRows(a, b);
  }
  void MirrorColumns() {
    for (int a = 1, b = FNrCols; a < b; ++a, --b) SwapColumns(a, b);
  }

 private:
  static std::size_t Index(int C, int R, int Cols) {
    return static_cast<std::size_t>(R) * static_cast<std::size_t>(Cols) + static_cast<std::size_t>(C);
  }
  static void Allocate(std::vector<T>& Data, std::size_t N) {
    try {
      Data.assign(N, T{});
    } catch (const std::bad_alloc&) {
      throw EVYRError(vcl::Str("matrix: not enough memory"));
    }
  }
  // Inserts (Delta +1) or removes (Delta -1) the row or column at Ix.
  void Restructure(int Ix, int Slack, bool Rows, int Delta) {
    const int count = Rows ? FNrRows : FNrCols;
    if (Ix < 1 || Ix > count + Slack) return;
    const int nc = Rows ? FNrCols : FNrCols + Delta, nr = Rows ? FNrRows + Delta : FNrRows;
    std::vector<T> data;
    Allocate(data, static_cast<std::size_t>(nc) * static_cast<std::size_t>(nr));
    for (int r = 1; r <= nr; ++r)
      for (int c = 1; c <= nc; ++c) {
        int k = Rows ? r : c;  // the position along the changed dimension
        if (Delta > 0 && k == Ix) continue;
        int from = (Delta > 0) ? (k > Ix ? k - 1 : k) : (k >= Ix ? k + 1 : k);
        data[Index(c - 1, r - 1, nc)] = Rows ? At(c, from) : At(from, r);
      }
    FData.swap(data);
    FNrCols = nc;
    FNrRows = nr;
  }

  int FNrCols = 0;
  int FNrRows = 0;
  std::vector<T> FData;
};

// A matrix of floating values (the value matrix of TDataTable).
class TMatrix : public TBasicMatrix<double> {
 public:
  explicit TMatrix(int NrColumns = 0, int NrRows = 0) : TBasicMatrix(NrColumns, NrRows) {}
  double Elem(int ACol, int ARow) const { return Get(ACol, ARow); }
  void SetElem(int ACol, int ARow, double Value) { Set(ACol, ARow, Value); }
};

// A matrix of integers. Like every component it may be given an owner,
// which then frees it; without one it belongs to its creator.
class TIntMatrix : public vcl::TComponent, public TBasicMatrix<int> {
 public:
  explicit TIntMatrix(int NrColumns = 0, int NrRows = 0)
      : TComponent(nullptr), TBasicMatrix(NrColumns, NrRows) {}
  TIntMatrix(vcl::TComponent* AOwner, int NrColumns, int NrRows)
      : TComponent(AOwner), TBasicMatrix(NrColumns, NrRows) {}
  int GetVal(int ACol, int ARow) const { return Get(ACol, ARow); }
  void SetVal(int ACol, int ARow, int Value) { Set(ACol, ARow, Value); }
  // New row count; the columns stay.
  void SetNRows(int NrRows) { Resize(NrOfColumns(), NrRows); }
};

}  // namespace vyr
