// Where the mark selector puts its symbols, shared by painting, the
// highlight and hit testing. Pure functions of their arguments.
//
// The control's inside (its size less 4 pixels) is split into Columns ×
// Rows cells of dh × dv pixels (dh = (Width - 4) div Columns, dv likewise);
// the visible symbols fill the cells row by row in the order of their
// numbers. The k-th visible symbol has its centre at
//   X = dh div 2 + dh × (k mod Columns),  Y = dv div 2 + dv × (k div Columns).
// Symbols beyond Columns × Rows get centres below the visible area.
#pragma once

#include <array>

#include "platform/Types.h"

namespace vyr::marksel {

// Symbols 0 .. MarkCount - 1 (those DrawMarkOnCanvas draws).
inline constexpr int MarkCount = 52;

using TMarkFlags = std::array<bool, MarkCount>;
using TMarkCentres = std::array<vcl::TPoint, MarkCount>;

struct TMarkGrid {
  int CellWidth = 0;   // dh
  int CellHeight = 0;  // dv
  int MarginHorz = 0;  // dh div 2
  int MarginVert = 0;  // dv div 2
  int Columns = 1;
};

TMarkGrid MarkGrid(int Width, int Height, int Columns, int Rows);

// The centre of the K-th visible symbol.
vcl::TPoint CellCentre(const TMarkGrid& Grid, int K);

// Gives every visible symbol its centre; hidden symbols keep theirs.
void PlaceMarks(const TMarkGrid& Grid, const TMarkFlags& Visible, TMarkCentres& Centres);

// The visible symbol whose centre is nearest to (X, Y) by squared distance;
// on equal distance the lower number; 0 when none is visible.
int NearestMark(const TMarkFlags& Visible, const TMarkCentres& Centres, int X, int Y);

// The cell rectangle of a symbol as painted (selection and restoring):
// (X - dh div 2 + 3, Y - dv div 2 + 3) to (X + dh div 2 + 3, Y + dv div 2 + 3).
vcl::TRect CellRect(const TMarkGrid& Grid, vcl::TPoint Centre);
// The highlighted cell, one pixel smaller on every side than CellRect:
// (X - dh div 2 + 4, Y - dv div 2 + 4) to (X + dh div 2 + 2, Y + dv div 2 + 2).
vcl::TRect HighlightRect(const TMarkGrid& Grid, vcl::TPoint Centre);

}  // namespace vyr::marksel
