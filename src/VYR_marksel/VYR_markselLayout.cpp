#include "VYR_marksel/VYR_markselLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vyr::marksel {

TMarkGrid MarkGrid(int Width, int Height, int Columns, int Rows) {
  TMarkGrid g;
  g.Columns = std::max(1, Columns);
  g.CellWidth = (Width - 4) / g.Columns;
  g.CellHeight = (Height - 4) / std::max(1, Rows);
  g.MarginHorz = g.CellWidth / 2;
  g.MarginVert = g.CellHeight / 2;
  return g;
}

vcl::TPoint CellCentre(const TMarkGrid& Grid, int K) {
  return {Grid.MarginHorz + Grid.CellWidth * (K % Grid.Columns),
          Grid.MarginVert + (K / Grid.Columns) * Grid.CellHeight};
}

void PlaceMarks(const TMarkGrid& Grid, const TMarkFlags& Visible, TMarkCentres& Centres) {
  int k = 0;
  for (int m = 0; m < MarkCount; ++m) {
    if (Visible[static_cast<std::size_t>(m)])
      Centres[static_cast<std::size_t>(m)] = CellCentre(Grid, k++);
  }
}

int NearestMark(const TMarkFlags& Visible, const TMarkCentres& Centres, int X, int Y) {
  int best = 0;
  std::int64_t bestDist = std::numeric_limits<std::int64_t>::max();
  for (int m = 0; m < MarkCount; ++m) {
    const auto i = static_cast<std::size_t>(m);
    if (!Visible[i]) continue;
    const std::int64_t dx = X - Centres[i].X, dy = Y - Centres[i].Y;
    const std::int64_t d = dx * dx + dy * dy;
    if (d < bestDist) {  // strictly nearer: the lower number wins a tie
      bestDist = d;
      best = m;
    }
  }
  return best;
}

vcl::TRect CellRect(const TMarkGrid& Grid, vcl::TPoint C) {
  const int h = Grid.CellWidth / 2, v = Grid.CellHeight / 2;
  return vcl::TRect(C.X - h + 3, C.Y - v + 3, C.X + h + 3, C.Y + v + 3);
}

vcl::TRect HighlightRect(const TMarkGrid& Grid, vcl::TPoint C) {
  const int h = Grid.CellWidth / 2, v = Grid.CellHeight / 2;
  return vcl::TRect(C.X - h + 4, C.Y - v + 4, C.X + h + 2, C.Y + v + 2);
}

}  // namespace vyr::marksel
