// Internal to the base package: one column of a TStringArray. The texts of
// a column live in one arena of UTF-16 units; a cell is an offset and a
// length into it. Rewriting a cell with a text that fits reuses its place;
// anything else is appended, and the arena is compacted once more than
// half of it is unreferenced.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "companion/basepack/VYR_dstruct.h"

namespace vyr {

class TStringArray::Column {
 public:
  struct Cell {
    std::uint32_t Off = 0;
    std::uint16_t Len = 0;
  };

  std::vector<Cell> Cells;    // by physical row
  std::vector<char16_t> Text;  // the arena
  std::size_t Garbage = 0;     // units of Text no cell refers to

  std::u16string_view View(std::size_t Row) const {
    const Cell& c = Cells[Row];
    return {Text.data() + c.Off, c.Len};
  }

  // Stores Value (at most 255 units, not pointing into Text) in Row.
  // Raises std::bad_alloc or EVYRDStructError and leaves the cell as it
  // was when memory runs out.
  void Set(std::size_t Row, std::u16string_view Value);
  void Empty(std::size_t Row) {
    Garbage += Cells[Row].Len;
    Cells[Row] = Cell{};
  }
  void EmptyAll() {
    Cells.assign(Cells.size(), Cell{});
    Text.clear();
    Garbage = 0;
  }
  // Drops the rows from Rows on; the vector keeps its capacity.
  void Truncate(std::size_t Rows);
  void EraseRow(std::size_t Row);
  // Rebuilds the arena with only the referenced texts, in row order.
  void Compact();
  std::size_t Bytes() const {
    return Cells.capacity() * sizeof(Cell) + Text.capacity() * sizeof(char16_t);
  }

 private:
  void MakeRoom(std::size_t Units);
};

}  // namespace vyr
