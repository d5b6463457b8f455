// TCustomGrid painting: grid lines, cells of the four areas (fixed corner,
// fixed rows, fixed columns, scrolling cells), the area beyond the cells,
// the border and the scroll bars (TWindowScrollBars). Only cells that show
// are visited.
#include <algorithm>

#include "platform/Grids.h"
#include "platform/Guards.h"
#include "platform/Look.h"

namespace vcl {

namespace {

void FillSolid(TCanvas& C, const TRect& R, TColor Color) {
  if (R.IsEmpty()) return;
  C.Brush()->SetColor(Color);
  C.Brush()->SetStyle(bsSolid);
  C.FillRect(R);
}

bool Meets(const TRect& A, const TRect& B) {
  return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

}  // namespace

// ---------------------------------------------------------------- paint cycle

void TCustomGrid::PaintWindow(TCanvas* DC) {
  int b = BorderWidth();
  if (b > 0) look::DrawFlatBorder(*DC, Rect(0, 0, Width(), Height()), clWindowFrame);
  {
    // The cells are drawn in client coordinates, inside the border and left
    // of (above) the scroll bars.
    TCanvasClipGuard keep(*DC);
    TPoint origin = DC->Origin();
    DC->SetOrigin({origin.X + b, origin.Y + b});
    DC->IntersectClip(ClientRect());
    if (!DC->DeviceClip().IsEmpty()) TCustomControl::PaintWindow(DC);
  }
  SyncBars();
  FBars.Paint(*DC);
}

void TCustomGrid::Paint() {
  TCanvas& c = *Canvas();
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo& h = info.Horz;
  const TGridAxisDrawInfo& v = info.Vert;
  PaintLines(c, info);
  PaintCells(c, info, 0, 0, Rect(0, 0, h.FixedBoundary, v.FixedBoundary), FFixedColor, true);
  PaintCells(c, info, FTopLeft.X, 0, Rect(h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary),
             FFixedColor, true);
  PaintCells(c, info, 0, FTopLeft.Y, Rect(0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary),
             FFixedColor, true);
  PaintCells(c, info, FTopLeft.X, FTopLeft.Y,
             Rect(h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary), Color(),
             false);
  // The area beyond the last column and row.
  FillSolid(c, Rect(h.GridBoundary, 0, h.GridExtent, v.GridBoundary), Color());
  FillSolid(c, Rect(0, v.GridBoundary, h.GridExtent, v.GridExtent), Color());
}

// ---------------------------------------------------------------- lines

// Fixed lines are black; the others silver (gray on a silver grid).
void TCustomGrid::PaintLines(TCanvas& C, const TGridDrawInfo& Info) {
  const TGridAxisDrawInfo& h = Info.Horz;
  const TGridAxisDrawInfo& v = Info.Vert;
  if (h.EffectiveLineWidth == 0 && v.EffectiveLineWidth == 0) return;
  bool fh = FOptions.Contains(goFixedHorzLine), fv = FOptions.Contains(goFixedVertLine);
  bool nh = FOptions.Contains(goHorzLine), nv = FOptions.Contains(goVertLine);
  TColor normal = ColorToRGB(Color()) == clSilver ? clGray : clSilver;
  PaintLineSet(C, Info, 0, 0, Rect(0, 0, h.FixedBoundary, v.FixedBoundary), fh, fv, clBlack);
  PaintLineSet(C, Info, FTopLeft.X, 0, Rect(h.FixedBoundary, 0, h.GridBoundary, v.FixedBoundary),
               fh, fv, clBlack);
  PaintLineSet(C, Info, 0, FTopLeft.Y, Rect(0, v.FixedBoundary, h.FixedBoundary, v.GridBoundary),
               fh, fv, clBlack);
  PaintLineSet(C, Info, FTopLeft.X, FTopLeft.Y,
               Rect(h.FixedBoundary, v.FixedBoundary, h.GridBoundary, v.GridBoundary), nh, nv,
               normal);
}

// The lines after each column (row) of one area, across the whole area.
void TCustomGrid::PaintLineSet(TCanvas& C, const TGridDrawInfo& Info, int FirstCol, int FirstRow,
                               const TRect& Area, bool DoHorz, bool DoVert, TColor LineColor) {
  if (Area.IsEmpty()) return;
  int lw = Info.Horz.EffectiveLineWidth;
  if (DoVert && lw > 0) {
    int x = Area.Left;
    for (int c = FirstCol; c < ColCount() && x < Area.Right; ++c) {
      x += FCols.Size(c);
      FillSolid(C, Rect(x, Area.Top, std::min(x + lw, Area.Right), Area.Bottom), LineColor);
      x += lw;
    }
  }
  int lh = Info.Vert.EffectiveLineWidth;
  if (DoHorz && lh > 0) {
    int y = Area.Top;
    for (int r = FirstRow; r < RowCount() && y < Area.Bottom; ++r) {
      y += FRows.Size(r);
      FillSolid(C, Rect(Area.Left, y, Area.Right, std::min(y + lh, Area.Bottom)), LineColor);
      y += lh;
    }
  }
}

// ---------------------------------------------------------------- cells

void TCustomGrid::PaintCells(TCanvas& C, const TGridDrawInfo& Info, int FirstCol, int FirstRow,
                             const TRect& Area, TColor Fill, bool FixedArea) {
  if (Area.IsEmpty()) return;
  TRect clip = C.ClipRect();
  TGridRect sel = Selection();
  bool active = IsActiveControl();
  int lw = Info.Horz.EffectiveLineWidth, lh = Info.Vert.EffectiveLineWidth;
  int y = Area.Top;
  for (int r = FirstRow; r < RowCount() && y < Area.Bottom; ++r) {
    int height = FRows.Size(r);
    int x = Area.Left;
    for (int c = FirstCol; c < ColCount() && x < Area.Right; ++c) {
      int width = FCols.Size(c);
      TRect where(x, y, x + width, y + height);
      if (width > 0 && height > 0 && Meets(where, clip)) {
        TGridDrawState state;
        if (FixedArea) state << gdFixed;
        if (active && r == FCurrent.Y && c == FCurrent.X) state << gdFocused;
        if (sel.Contains(c, r)) state << gdSelected;
        PaintCell(C, c, r, where, Fill, state);
        if (FDefaultDrawing && FixedArea && Ctl3D()) PaintFixedEdges(C, where, Info);
      }
      x += width + lw;
    }
    y += height + lh;
  }
  // With whole rows selected the focus frame goes round the row.
  if (!FixedArea && FDefaultDrawing && active && FOptions.Contains(goRowSelect)) {
    TRect row = CellRect(FTopLeft.X, FCurrent.Y);
    if (!row.IsEmpty()) look::DrawFocusRect(C, Rect(Area.Left, row.Top, Area.Right, row.Bottom));
  }
}

// One cell: the default fill, DrawCell, then the focus frame. The cell
// under an open editor is left to the editor.
void TCustomGrid::PaintCell(TCanvas& C, int ACol, int ARow, const TRect& Where, TColor Fill,
                            TGridDrawState State) {
  bool focused = State.Contains(gdFocused);
  if (focused && FOptions.Contains(goEditing) && FEditorMode && FInplaceEdit != nullptr &&
      FInplaceEdit->Visible()) {
    return;
  }
  C.Font()->Assign(Font());
  C.Pen()->SetMode(pmCopy);
  if (FDefaultDrawing) {
    bool highlight =
        State.Contains(gdSelected) &&
        (!focused || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect));
    if (highlight) C.Font()->SetColor(clHighlightText);
    FillSolid(C, Where, highlight ? clHighlight : Fill);
  }
  DrawCell(ACol, ARow, Where, State);
  bool editorAlways = FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor);
  if (FDefaultDrawing && focused && !editorAlways && !FOptions.Contains(goRowSelect)) {
    look::DrawFocusRect(C, Where);
  }
}

// The raised look of a fixed cell (the look module's raised inner ring:
// highlight left and top, shadow right and bottom), on the sides where
// fixed lines are drawn.
void TCustomGrid::PaintFixedEdges(TCanvas& C, const TRect& Where, const TGridDrawInfo& Info) {
  bool vert = FOptions.Contains(goFixedVertLine), horz = FOptions.Contains(goFixedHorzLine);
  if (!vert && !horz) return;
  TRect r = Where;
  if (vert && horz) {
    look::DrawEdge(C, r, look::ekRaisedInner);
    return;
  }
  // One pair of sides only: the same colors on those sides.
  if (!vert)
    r.Right += Info.Horz.EffectiveLineWidth;
  else
    r.Bottom += Info.Vert.EffectiveLineWidth;
  if (vert) FillSolid(C, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), clBtnShadow);
  if (horz) FillSolid(C, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), clBtnShadow);
  if (vert) FillSolid(C, Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), clBtnHighlight);
  if (horz) FillSolid(C, Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), clBtnHighlight);
}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  (void)ACol;
  (void)ARow;
  (void)ARect;
  (void)AState;
}

}  // namespace vcl
