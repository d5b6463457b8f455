// Where the table editor shows what: the grid cells of the heads and the
// data, and the mapping of the editor's column and row indices onto grid
// indices. Painting, the mouse handling, the head editor and the width and
// height properties all ask these functions.
//
// Grid layout (FColOffset = 1 while the row-attribute column shows, else
// 0; FRowOffset = 1 while the column-attribute row shows, else 0):
//
//              col 0        col 1 (attrib)   col 1 + FColOffset ...
//   row 0      corner       "Attrib"         column names
//   row 1      "Attribute"  (empty)          column attributes
//   rows ...   row names    row attributes   data
//
// Data column c is grid column c + FColOffset, data row r grid row
// r + FRowOffset.
#pragma once

#include <cstdint>

namespace vyr::ntabed {

struct TOffsets {
  int Col = 1;
  int Row = 0;
};

enum TCellKind : std::uint8_t {
  ckOutside,         // no cell (a negative index)
  ckCorner,          // (0, 0): the cell cursor or the comment label
  ckAttribLabel,     // (1, 0) while the attribute column shows: "Attrib"
  ckAttributeLabel,  // (0, 1) while the attribute row shows: "Attribute"
  ckBlankLabel,      // (1, 1) while both show
  ckColName,         // head row over a data column
  ckColAttrib,       // attribute row over a data column
  ckRowName,         // name column beside a data row
  ckRowAttrib,       // attribute column beside a data row
  ckData
};

constexpr TCellKind KindOfCell(int GridCol, int GridRow, TOffsets O) {
  if (GridCol < 0 || GridRow < 0) return ckOutside;
  const bool headCol = GridCol <= O.Col, headRow = GridRow <= O.Row;
  if (!headCol && !headRow) return ckData;
  if (headCol && headRow) {
    if (GridCol == 0 && GridRow == 0) return ckCorner;
    if (GridRow == 0) return ckAttribLabel;
    if (GridCol == 0) return ckAttributeLabel;
    return ckBlankLabel;
  }
  if (headRow) return GridRow == 0 ? ckColName : ckColAttrib;
  return GridCol == 0 ? ckRowName : ckRowAttrib;
}

constexpr bool IsColumnHead(TCellKind K) { return K == ckColName || K == ckColAttrib; }
constexpr bool IsRowHead(TCellKind K) { return K == ckRowName || K == ckRowAttrib; }

// The grid index behind an editor index of ColWidths (RowHeights): Index
// >= 1 is data column (row) Index, 0 the name column (head row), -1 the
// attribute column (row) while it shows. -1 when there is no such cell.
constexpr int GridIndexOf(int Index, int Offset, int Count) {
  if (Index >= 1) return Index <= Count ? Index + Offset : -1;
  if (Index == 0) return 0;
  if (Index == -1) return Offset == 1 ? 1 : -1;
  return -1;
}

}  // namespace vyr::ntabed
