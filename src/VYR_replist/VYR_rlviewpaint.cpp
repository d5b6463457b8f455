// TReportListView painting: data cells (colors, truncation, check boxes,
// radio buttons, passwords), header cells (common header band, multi-line
// column headers, sort arrow), the empty-list message and the inter-row
// indicator. The grid paints only the visible cells, so the cost does not
// depend on the number of rows.
#include <algorithm>
#include <cmath>

#include "VYR_replist/VYR_rlview.h"
#include "companion/basepack/VYR_stringl.h"
#include "platform/Look.h"

namespace vyr {

using vcl::TCanvas;
using vcl::TColor;
using vcl::TRect;

namespace {

// The report list's own edge colors: white and a fixed mid gray, whatever
// the system colors are.
constexpr TColor kEdgeLight = 0xFFFFFF;
constexpr TColor kEdgeDark = 0x808080;

void Line(TCanvas& C, int X1, int Y1, int X2, int Y2) {
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
}

void FillArea(TCanvas& C, const TRect& R, TColor Color) {
  C.Brush()->SetColor(Color);
  C.Brush()->SetStyle(vcl::bsSolid);
  C.FillRect(R);
}

// White along the left and top, gray along the bottom and right.
void RaisedEdge(TCanvas& C, const TRect& R) { vcl::look::DrawEdge(C, R, kEdgeLight, kEdgeDark); }

// The parts of a text between line feeds (an empty text is one empty line).
std::vector<vcl::String> SplitAtLineFeeds(const vcl::String& Text) {
  std::vector<vcl::String> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t lf = Text.find(u'\n', start);
    lines.push_back(Text.substr(start, lf == vcl::String::npos ? vcl::String::npos : lf - start));
    if (lf == vcl::String::npos) return lines;
    start = lf + 1;
  }
}

// Round half to even, as the rules for cut texts ask.
int RoundEven(double V) { return static_cast<int>(std::nearbyint(V)); }

int ItalicExtra(TCanvas& C) { return C.Font()->Style().Contains(vcl::fsItalic) ? 2 : 0; }

}  // namespace

struct TReportListView::TCellColors {
  TColor Pen = 0, Brush = 0, Font = 0;
  vcl::TFontStyles Styles;
  bool RowDisabled = false;
};

// ---------------------------------------------------------------- the whole view

void TReportListView::Paint() {
  if (FSuppressPaint) return;
  FCommonHeaderDrawn = false;
  vcl::TCustomDrawGrid::Paint();
  TCanvas& c = *Canvas();
  if (NrOfRows() == 0) PaintEmptyMessage(c);
  PaintInterRowIndicator(c);
}

// Below the headers the list shows its message, lines split at "|",
// centred in the rest of the control.
void TReportListView::PaintEmptyMessage(TCanvas& C) {
  int y0 = 0;
  for (int i = 0; i < CountHeadRows(); ++i) y0 += RowHeights(i);
  C.Pen()->SetColor(Color());
  C.Pen()->SetWidth(1);
  C.Brush()->SetColor(Color());
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Rectangle(0, y0, Width(), Height());
  if (FEmptyMsg.empty()) return;
  std::vector<vcl::String> lines;
  Tokenize(FEmptyMsg, u"|", lines);
  C.Font()->Assign(Font());
  C.Font()->SetColor(FColorEmptyMsg);
  const int t = C.TextHeight(FEmptyMsg);
  y0 -= static_cast<int>(lines.size()) * t;
  C.Brush()->SetStyle(vcl::bsClear);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int x = (Width() - C.TextWidth(lines[i])) / 2;
    int y = y0 + (Height() - y0) / 2 + t * static_cast<int>(i) - 2;
    C.TextOut(x, y, lines[i]);
  }
}

// A line between two data rows: above data row p, or below the last row
// for p = NrOfRows + 1.
void TReportListView::PaintInterRowIndicator(TCanvas& C) {
  const int p = FInterRowIndi;
  const int h = CountHeadRows();
  const int gridTop = vcl::TCustomDrawGrid::TopRow();
  if (p == 0 || p < gridTop - h + 1 || p > NrOfRows() + 1) return;
  int headers = 0;
  for (int i = 0; i < h; ++i) headers += RowHeights(i);
  int y = (h + p - gridTop - 1) * (DefaultRowHeight() + 1) + headers;
  C.Pen()->SetColor(FInterRowColor);
  C.Pen()->SetWidth(FInterRowWidth);
  Line(C, 0, y, Width(), y);
  C.Pen()->SetWidth(1);
}

void TReportListView::DrawCell(int ACol, int ARow, const TRect& ARect, vcl::TGridDrawState AState) {
  if (ARow < FixedRows()) {
    DrawHeaderCell(ACol, ARow, ARect, AState);
  } else {
    DrawDataCell(ACol, ARow, ARect, AState);
  }
}

// ---------------------------------------------------------------- data cells

// Colors in their order: band, then (enabled control) disabled row or
// selection and highlight, then a fixed column's background, then the
// disabled control's text.
TReportListView::TCellColors TReportListView::CellColors(int DataCol, int DataRow, int GridRow,
                                                         bool FixedCell) const {
  TCellColors k;
  k.Font = FColorNormal;
  k.Brush = FRColorNormal;
  if (FRowColPattern > 0 && ((GridRow - FixedRows()) / FRowColPattern) % 2 == 0) {
    k.Brush = FRColorShaded;
  }
  k.RowDisabled = ValidRow(DataRow) && !RowEnabled(DataRow);
  if (FEnabled && k.RowDisabled) {
    k.Brush = FDisabledBkgdColor;
    k.Font = FDisabledTextColor;
  } else if (FEnabled) {
    bool colSel = ColumnSelected(DataCol), rowSel = RowSelected(DataRow);
    if (colSel && rowSel) {
      k.Brush = FSelBothColor, k.Font = FSelBothTextColor;
    } else if (colSel) {
      k.Brush = FSelColColor, k.Font = FSelColTextColor;
    } else if (rowSel) {
      k.Brush = FSelRowColor, k.Font = FSelRowTextColor;
    }
    if (DataRow == FHiLgtRow || DataCol == FHiLgtColumn) {
      k.Brush = FHiLgtColor, k.Font = FHiLgtTextColor;
      if (FHiLgtBold) k.Styles << vcl::fsBold;
    }
  }
  if (FixedCell) k.Brush = ColorColumnHd();
  if (!FEnabled) k.Font = vcl::clInactiveCaption;
  k.Pen = k.Brush;
  return k;
}

// A text wider than Room (measured without its first character) keeps k
// characters and gets "..." (after the first character when right-aligned).
vcl::String TReportListView::CutText(TCanvas& C, const vcl::String& Text, int Room,
                                     bool RightAligned) const {
  if (Text.empty()) return Text;
  int width = C.TextWidth(Text.substr(1));
  if (width <= 0 || Room >= width) return Text;
  const int len = static_cast<int>(Text.size());
  int k = std::clamp(RoundEven(static_cast<double>(len) * Room / width - 4), 1, len);
  if (RightAligned) return Text.substr(0, 1) + u"..." + Text.substr(static_cast<std::size_t>(len - k));
  return Text.substr(0, static_cast<std::size_t>(k)) + u"...";
}

int TReportListView::AlignedX(TCanvas& C, const TRect& TextRect, const vcl::String& Text,
                              vcl::TAlignment Alignment) const {
  int tw = C.TextWidth(Text) + ItalicExtra(C);
  switch (Alignment) {
    case vcl::taRightJustify: return TextRect.Right - tw;
    case vcl::taCenter: return (TextRect.Left + TextRect.Right) / 2 - tw / 2;
    default: return TextRect.Left;
  }
}

void TReportListView::DrawDataCell(int ACol, int ARow, const TRect& ARect,
                                   vcl::TGridDrawState AState) {
  TCanvas& c = *Canvas();
  const int col = DataColumn(ACol), row = ARow - FixedRows() + 1;
  const bool fixedCell = AState.Contains(vcl::gdFixed);
  TRect cell = ARect;
  if (!fixedCell && !Options().Contains(vcl::goVertLine)) ++cell.Right;
  if (!fixedCell && !Options().Contains(vcl::goHorzLine)) ++cell.Bottom;
  TRect textRect(cell.Left + 4, cell.Top + 2, cell.Right - 6, cell.Bottom);
  c.Font()->Assign(Font());
  const TCheckMode mode = ColumnCheckMode(col);
  vcl::String text = ValidRow(row) ? vcl::String(FRLData->Strings->StringView(col, row)) : vcl::String();
  if (ColumnIsPwd(col)) text = u"******";
  TCellColors k = CellColors(col, row, ARow, fixedCell);
  vcl::TFontStyles styles = Font()->Style() | k.Styles;
  if (FOnBefRenderCell) FOnBefRenderCell(this, col, row, k.Pen, k.Brush, k.Font, styles, text);
  c.Font()->SetStyle(styles);
  c.Font()->SetColor(k.Font);
  const vcl::TAlignment align = ColumnAlignment(col);
  text = CutText(c, text, ColWidths(col) - (mode != cmNone ? 16 : 0) - 9, align == vcl::taRightJustify);
  c.Pen()->SetColor(k.Brush);
  c.Pen()->SetWidth(1);
  FillArea(c, cell, k.Brush);
  c.Pen()->SetColor(k.Pen);
  if (mode == cmNone) {
    c.TextRect(textRect, AlignedX(c, textRect, text, align), textRect.Top - 1, text);
  } else if (text.size() > 1 || FShowEmptyCBx) {
    textRect.Left += 16;
    const bool checked = !text.empty() && text[0] != u' ';
    const vcl::String rest = text.empty() ? vcl::String() : text.substr(1);
    c.TextRect(textRect, AlignedX(c, textRect, rest, align), textRect.Top - 1, rest);
    // A disabled row outlines in its pen color, whether the control is enabled or not.
    TColor outline = k.RowDisabled ? k.Pen : FEnabled ? vcl::clBtnShadow : vcl::clInactiveCaption;
    DrawCheckMark(c, mode, cell, checked, outline, FEnabled ? k.Font : vcl::clInactiveCaption);
  }
  if (fixedCell) RaisedEdge(c, cell);
  vcl::TCustomDrawGrid::DrawCell(ACol, ARow, textRect, AState);
}

// The box (rectangle) or radio button (ellipse) outline, unless check marks
// are read-only, then the tick or the dot of a checked cell, in one-pixel
// lines stacked three high.
void TReportListView::DrawCheckMark(TCanvas& C, TCheckMode Mode, const TRect& Cell, bool Checked,
                                    TColor Outline, TColor Mark) {
  // The glyph cell of the look module: 13 × 13 from (left + 3, top + 3).
  const int x = Cell.Left + 3, y = Cell.Top + 3;
  if (!FROCheckMarks) vcl::look::DrawFlatCheckFrame(C, x, y, Mode == cmRadio, Outline);
  if (!Checked) return;
  if (Mode == cmBox) vcl::look::DrawCheckMark(C, x, y, Mark);
  else vcl::look::DrawRadioDot(C, x, y, Mark);
}

// ---------------------------------------------------------------- header cells

void TReportListView::DrawHeaderCell(int ACol, int ARow, const TRect& ARect,
                                     vcl::TGridDrawState AState) {
  TCanvas& c = *Canvas();
  c.Font()->Assign(Font());
  if (FComHdVis && ARow == 0) {
    // One band over all columns: drawn with the first of its cells.
    if (!FCommonHeaderDrawn) DrawCommonHeader(c, ARect);
    FCommonHeaderDrawn = true;
  } else if (FColHdVis && ARow == (FComHdVis ? 1 : 0)) {
    DrawColumnHeader(c, DataColumn(ACol), ARect);
  }
  vcl::TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// The right edge of the last column that shows.
int TReportListView::HeaderRight() const {
  int right = FixedCols() > 0 ? vcl::TCustomDrawGrid::CellRect(FixedCols() - 1, 0).Right : 0;
  for (int i = vcl::TCustomDrawGrid::LeftCol(); i < ColCount(); ++i) {
    TRect r = CellRect(i, 0);
    if (r.IsEmpty()) break;
    right = r.Right;
  }
  return right;
}

void TReportListView::DrawCommonHeader(TCanvas& C, const TRect& Cell) {
  const int r = HeaderRight();
  const TRect band(0, Cell.Top, r, Cell.Bottom);
  FillArea(C, band, FComHdColor);
  C.Font()->SetColor(FComHdTxtColor);
  const vcl::String& header = CommonHeader();
  const int t = C.TextHeight(header);
  C.Brush()->SetStyle(vcl::bsClear);
  std::vector<vcl::String> lines = SplitAtLineFeeds(header);
  for (std::size_t j = 0; j < lines.size(); ++j) {
    int tw = C.TextWidth(lines[j]);
    int x = FHeaderAlignment == vcl::taLeftJustify    ? 4
            : FHeaderAlignment == vcl::taRightJustify ? r - tw - 6
                                                      : r / 2 - tw / 2;
    C.TextRect(band, x, Cell.Top + 2 + static_cast<int>(j) * t, lines[j]);
  }
  RaisedEdge(C, band);
  FillArea(C, TRect(r - 1, Cell.Top, r, Cell.Bottom), kEdgeDark);
  FillArea(C, TRect(r, Cell.Top, r + 1, Cell.Bottom), vcl::clBlack);
}

// The column's name, line by line, each line cut to fit beside the sort
// arrow; the arrow follows the first line.
void TReportListView::DrawColumnHeader(TCanvas& C, int DataCol, const TRect& Cell) {
  FillArea(C, Cell, ColorColumnHd());
  C.Font()->SetColor(FColHdTxtColor);
  const vcl::String name = Header(DataCol);
  const int t = C.TextHeight(name);
  const bool sorted = DataCol == LastSortColumn();
  const int colWidth = ColWidths(DataCol);
  const int room = colWidth - (sorted ? 13 : 0) - 9;
  const TRect textRect(Cell.Left + 4, Cell.Top + 2, Cell.Right - 6, Cell.Bottom);
  const vcl::TAlignment align = ColumnAlignment(DataCol);
  C.Brush()->SetStyle(vcl::bsClear);
  int arrow = 0;
  std::vector<vcl::String> lines = SplitAtLineFeeds(name);
  for (std::size_t j = 0; j < lines.size(); ++j) {
    vcl::String line = lines[j];
    int w = C.TextWidth(line) + ItalicExtra(C);
    if (w > room && w > 0) {
      int len = static_cast<int>(line.size());
      int k = std::clamp(RoundEven(static_cast<double>(len) * room / w - 3), 1, std::max(len, 1));
      line = line.substr(0, static_cast<std::size_t>(k)) + u"...";
    }
    int tw = C.TextWidth(line) + ItalicExtra(C);
    C.TextRect(Cell, AlignedX(C, textRect, line, align), textRect.Top + static_cast<int>(j) * t, line);
    if (j != 0) continue;
    int span = textRect.Right - textRect.Left;
    arrow = align == vcl::taLeftJustify    ? tw + 10
            : align == vcl::taRightJustify ? span - tw - 12
                                           : span / 2 + tw / 2 + 10;
  }
  if (sorted) {
    arrow = std::min(arrow, colWidth - 12);
    DrawSortArrow(C, textRect.Left + arrow, textRect.Top + t / 2);
  }
  RaisedEdge(C, Cell);
}

// Ascending: a triangle pointing up; descending: pointing down. Lit from
// the top left: the sides facing it are white, the others gray.
void TReportListView::DrawSortArrow(TCanvas& C, int X0, int Y0) {
  const vcl::look::THeaderSort sort =
      LastSortOrder() ? vcl::look::hsAscending : vcl::look::hsDescending;
  vcl::look::DrawSortArrow(C, X0, Y0, sort, kEdgeLight, kEdgeDark);
}

}  // namespace vyr
