// The sizes of one axis of a grid (columns or rows): a uniform default size
// with a sparse set of cells sized otherwise. Offsets are computed from a
// cached prefix of the differences, so looking up where a cell starts, or
// which cell lies at an offset, costs O(log n) whatever the cell count.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace vcl::grids {

class TGridAxis {
 public:
  int Count() const { return FCount; }
  // Cells at or beyond the new count lose their own sizes.
  void SetCount(int Value);
  int DefaultSize() const { return FDefault; }
  // Every cell takes the new default (own sizes are dropped), as the
  // framework does when the default changes.
  void SetDefaultSize(int Value);

  // The size of cell Index (the default outside 0..Count-1).
  int Size(int Index) const;
  // Stores a size (below 0 counts as 0); ignored outside 0..Count-1.
  void SetSize(int Index, int Value);
  bool AllDefault() const { return FCustom.empty(); }

  // Where cell Index starts when every cell is followed by a line of
  // LineWidth pixels: the sizes and lines of cells 0..Index-1.
  std::int64_t Offset(int Index, int LineWidth) const;
  // The last cell in First..Count-1 whose offset is at most Pos (First when
  // Pos lies before it).
  int CellAtOffset(std::int64_t Pos, int LineWidth, int First = 0) const;
  // The first cell in First..Count-1 whose offset is at least Pos (Count
  // when none is).
  int FirstCellFrom(std::int64_t Pos, int LineWidth, int First = 0) const;

 private:
  // Sum of (size - default) over the own sizes of cells below Index.
  std::int64_t DeltaBelow(int Index) const;
  void RebuildPrefix() const;

  int FCount = 0;
  int FDefault = 0;
  std::map<int, int> FCustom;  // cell -> own size (never equal to the default)
  // (cell, sum of the differences of the own sizes before it), by cell.
  mutable std::vector<std::pair<int, std::int64_t>> FPrefix;
  mutable std::int64_t FPrefixTotal = 0;
  mutable bool FPrefixValid = true;
};

}  // namespace vcl::grids
