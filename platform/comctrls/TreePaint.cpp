// TCustomTreeView painting: background and border, then row by row the
// dotted lines, the +/- button, the image and the label, then the bars.
//
// Lines are dotted: a pixel is set where the sum of its client coordinates
// is even, so lines that meet keep one pattern. For a node of level L:
//   - a horizontal line at the row's middle from its column's centre to
//     just before its image or text;
//   - a vertical line at its column's centre from the row's top (from the
//     middle for the very first root) to the row's bottom when a sibling
//     follows, else to the middle;
//   - for every parent that has a following sibling, a vertical line
//     through the whole row at that parent's column.
// Without ShowRoot the root nodes have no lines of their own.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/controls/Internal.h"
#include "platform/Look.h"

namespace vcl {

namespace {

void DottedHorizontal(TCanvas& C, int X1, int X2, int Y, TColor Color) {
  for (int x = X1; x < X2; ++x) {
    if (((x + Y) & 1) == 0) C.SetPixels(x, Y, Color);
  }
}

void DottedVertical(TCanvas& C, int X, int Y1, int Y2, TColor Color) {
  for (int y = Y1; y < Y2; ++y) {
    if (((X + y) & 1) == 0) C.SetPixels(X, y, Color);
  }
}

}  // namespace

TCanvas* TCustomTreeView::Canvas() { return PrepareCanvas(FCanvas); }

void TCustomTreeView::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

void TCustomTreeView::Paint() {
  SyncBars();
  TCanvas& C = FCanvas;
  C.Font()->Assign(Font());
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  if (FBorderStyle == bsSingle) {
    if (Ctl3D()) look::DrawSunkenBorder(C, ClientRect());
    else look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  }
  TRect area = RowsArea();
  TRect saved = C.IntersectClip(area);
  int h = ItemHeight();
  for (int row = FTopRow; row < RowCount(); ++row) {
    int y = area.Top + (row - FTopRow) * h;
    if (y >= area.Bottom) break;
    PaintRow(C, RowNode(row), row);
  }
  C.SetDeviceClip(saved);
  FBars.Paint(C);
}

void TCustomTreeView::PaintRow(TCanvas& C, TTreeNode* Node, int Row) {
  TRect area = RowsArea();
  int h = ItemHeight();
  int y = area.Top + (Row - FTopRow) * h;
  TRect rowRect = Rect(area.Left, y, area.Right, y + h);
  if (FShowLines) PaintLines(C, Node, rowRect);
  if (FShowButtons && Node->HasChildren() && (FShowRoot || Node->Level() > 0)) PaintButton(C, Node, rowRect);
  PaintLabel(C, Node, Row);
}

void TCustomTreeView::PaintLines(TCanvas& C, TTreeNode* Node, const TRect& RowRect) {
  int level = Node->Level();
  if (level == 0 && !FShowRoot) return;
  TColor color = clBtnShadow;
  int ox = RowsArea().Left - FScrollX;
  int cy = RowRect.Top + RowRect.Height() / 2;
  int cx = ox + ButtonCenterX(level);
  DottedHorizontal(C, cx, ox + ItemLeft(level) - 1, cy, color);
  bool first = level == 0 && Node->GetPrevSibling() == nullptr;
  int top = first ? cy : RowRect.Top;
  int bottom = Node->GetNextSibling() != nullptr ? RowRect.Bottom : cy + 1;
  DottedVertical(C, cx, top, bottom, color);
  for (TTreeNode* p = Node->Parent(); p != nullptr; p = p->Parent()) {
    int k = p->Level();
    if (k == 0 && !FShowRoot) break;
    if (p->GetNextSibling() != nullptr) {
      DottedVertical(C, ox + ButtonCenterX(k), RowRect.Top, RowRect.Bottom, color);
    }
  }
}

// A 9 × 9 box framed in the shadow color with a minus sign, and for a
// collapsed node a plus sign.
void TCustomTreeView::PaintButton(TCanvas& C, TTreeNode* Node, const TRect& RowRect) {
  (void)RowRect;
  TRect b = ButtonRect(Node, RowOf(Node));
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clWindow);
  C.FillRect(b);
  C.Brush()->SetColor(clBtnShadow);
  C.FrameRect(b);
  int cx = (b.Left + b.Right) / 2, cy = (b.Top + b.Bottom) / 2;
  C.Pen()->SetColor(clWindowText);
  C.Pen()->SetWidth(1);
  C.MoveTo(b.Left + 2, cy);
  C.LineTo(b.Right - 2, cy);
  if (!Node->Expanded()) {
    C.MoveTo(cx, b.Top + 2);
    C.LineTo(cx, b.Bottom - 2);
  }
}

// The selected node's label (the whole row with RowSelect) in the
// highlight colors while the view has the focus; without it, in the button
// face color unless HideSelection.
void TCustomTreeView::PaintLabel(TCanvas& C, TTreeNode* Node, int Row) {
  TRect label = LabelRect(Node, Row);
  bool selected = Node == FSelected;
  bool focused = Focused();
  bool shown = selected && (focused || !FHideSelection);
  if (FImages != nullptr) {
    int index = selected && Node->SelectedIndex() >= 0 ? Node->SelectedIndex() : Node->ImageIndex();
    int top = label.Top + (label.Height() - FImages->Height()) / 2;
    FImages->Draw(&C, label.Left - ImageWidth(), top, index, Enabled());
  }
  TRect fill = label;
  if (FRowSelect) fill.Right = std::max(fill.Right, RowsArea().Right);
  C.Font()->Assign(Font());
  if (shown) {
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(focused ? clHighlight : clBtnFace);
    C.FillRect(fill);
    C.Font()->SetColor(focused ? clHighlightText : clWindowText);
  } else if (!Enabled()) {
    C.Font()->SetColor(clGrayText);
  }
  C.Brush()->SetStyle(bsClear);
  int y = label.Top + (label.Height() - C.TextHeight(u"Wg")) / 2;
  C.TextOut(label.Left + 2, y, Node->Text());
  if (selected && focused && Node != FEditNode) look::DrawFocusRect(C, fill);
}

}  // namespace vcl
