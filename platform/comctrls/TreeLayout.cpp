// TCustomTreeView: the shown rows and where things are on them, shared by
// painting and hit testing, and vertical and horizontal scrolling.
//
// Columns: every level takes Indent pixels. With ShowRoot the root nodes
// have a column for their lines and button too, so a node of level L has
// its button centred in column L and its image or text starting after
// column L + 1; without ShowRoot everything moves one column to the left
// and the root nodes have no button.
//
//   |<- Indent ->|<- Indent ->|
//   [+]----------[img] Text          level 0 (ShowRoot)
//   |            [-]----[img] Text   level 1
#include <algorithm>

#include "platform/ComCtrls.h"

namespace vcl {

namespace {
constexpr int kButtonHalf = 4;  // the 9 × 9 button around its centre
constexpr int kTextPad = 2;     // between the label's edge and its text
}  // namespace

// ---------------------------------------------------------------- rows

// One walk over the shown nodes (children of expanded nodes only): their
// rows, and the widest row from the text widths measured once per node.
// The top row then comes from the top node (its nearest shown parent when
// it is hidden), and both scroll positions are brought within range.
void TCustomTreeView::BuildRows() const {
  if (FRowsValid) return;
  FRows.clear();
  FRowsWidth = 0;
  using TList = std::vector<std::unique_ptr<TTreeNode>>;
  std::vector<std::pair<const TList*, std::size_t>> stack{{&FNodes->FRoots, 0}};
  while (!stack.empty()) {
    auto& [list, next] = stack.back();
    if (next == list->size()) {
      stack.pop_back();
      continue;
    }
    TTreeNode* n = (*list)[next++].get();
    int level = static_cast<int>(stack.size()) - 1;
    n->FRow = static_cast<int>(FRows.size());
    FRows.push_back(n);
    FRowsWidth = std::max(FRowsWidth, RowExtent(n, level));
    if (n->FExpanded && !n->FChildren.empty()) stack.emplace_back(&n->FChildren, 0);
  }
  FRowsValid = true;
  int top = -1;
  for (const TTreeNode* n = FTopNode; n != nullptr && top < 0; n = n->FParent) top = RowOf(n);
  FTopRow = std::max(top, 0);
  ClampScroll();
}

int TCustomTreeView::RowOf(const TTreeNode* Node) const {
  if (Node == nullptr) return -1;
  BuildRows();
  int row = Node->FRow;
  bool shown = row >= 0 && row < static_cast<int>(FRows.size()) && FRows[static_cast<std::size_t>(row)] == Node;
  return shown ? row : -1;
}

int TCustomTreeView::RowCount() const {
  BuildRows();
  return static_cast<int>(FRows.size());
}

TTreeNode* TCustomTreeView::RowNode(int Row) const {
  BuildRows();
  return Row >= 0 && Row < static_cast<int>(FRows.size()) ? FRows[static_cast<std::size_t>(Row)] : nullptr;
}

int TCustomTreeView::RowsWidth() const {
  BuildRows();
  return FRowsWidth;
}

TRect TCustomTreeView::InsideBorder() const {
  int b = FBorderStyle == bsSingle ? 2 : 0;
  return Rect(b, b, std::max(b, Width() - b), std::max(b, Height() - b));
}

// The vertical bar when the rows do not all fit, the horizontal one when
// the widest row does not; a bar takes room from the other direction, so
// the vertical one is looked at again once the horizontal one shows.
TCustomTreeView::TBarsNeeded TCustomTreeView::BarsNeeded() const {
  TRect inside = InsideBorder();
  const int s = ScrollBarThickness;
  std::int64_t height = static_cast<std::int64_t>(RowCount()) * ItemHeight();
  TBarsNeeded need;
  need.Vert = height > inside.Height();
  need.Horz = RowsWidth() > inside.Width() - (need.Vert ? s : 0);
  if (need.Horz && !need.Vert) need.Vert = height > inside.Height() - s;
  return need;
}

// As TWindowScrollBars places the bars in the same area.
TRect TCustomTreeView::RowsArea() const {
  TRect area = InsideBorder();
  TBarsNeeded need = BarsNeeded();
  if (need.Vert) area.Right = std::max(area.Left, area.Right - ScrollBarThickness);
  if (need.Horz) area.Bottom = std::max(area.Top, area.Bottom - ScrollBarThickness);
  return area;
}

// The canvas that measures text, with the view's font.
TCanvas& TCustomTreeView::Measure() const {
  if (FMeasureFontStamp != FMeasureStamp) {
    FMeasure.Font()->Assign(const_cast<TFont*>(Font()));
    FMeasureFontStamp = FMeasureStamp;
  }
  return FMeasure;
}

int TCustomTreeView::NodeTextWidth(const TTreeNode* Node) const {
  if (Node->FWidthStamp != FMeasureStamp) {
    Node->FTextWidth = Measure().TextWidth(Node->Text());
    Node->FWidthStamp = FMeasureStamp;
  }
  return Node->FTextWidth;
}

int TCustomTreeView::RowExtent(const TTreeNode* Node, int Level) const {
  return ItemLeft(Level) + ImageWidth() + NodeTextWidth(Node) + 2 * kTextPad;
}

// The text's height with a little air, or the images' height when taller.
int TCustomTreeView::ItemHeight() const {
  if (FTextHeight <= 0) FTextHeight = Measure().TextHeight(u"Wg");
  int h = FTextHeight + 3;
  if (FImages != nullptr) h = std::max(h, FImages->Height() + 2);
  return std::max(h, 1);
}

int TCustomTreeView::VisibleCount() const { return std::max(0, RowsArea().Height() / ItemHeight()); }

// ---------------------------------------------------------------- columns

int TCustomTreeView::ButtonCenterX(int Level) const {
  int column = FShowRoot ? Level : Level - 1;
  return column * FIndent + FIndent / 2;
}

int TCustomTreeView::ItemLeft(int Level) const {
  int columns = FShowRoot ? Level + 1 : Level;
  return columns * FIndent + kTextPad;
}

int TCustomTreeView::ImageWidth() const { return FImages != nullptr ? FImages->Width() + 2 : 0; }

// The label: the text with a margin on either side, after the image.
TRect TCustomTreeView::LabelRect(const TTreeNode* Node, int Row) const {
  TRect area = RowsArea();
  int h = ItemHeight();
  int x = area.Left - FScrollX + ItemLeft(Node->Level()) + ImageWidth();
  int y = area.Top + (Row - FTopRow) * h;
  return Rect(x, y, x + NodeTextWidth(Node) + 2 * kTextPad, y + h);
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* Node, int Row) const {
  TRect area = RowsArea();
  int h = ItemHeight();
  int cx = area.Left - FScrollX + ButtonCenterX(Node->Level());
  int cy = area.Top + (Row - FTopRow) * h + h / 2;
  return Rect(cx - kButtonHalf, cy - kButtonHalf, cx + kButtonHalf + 1, cy + kButtonHalf + 1);
}

// ---------------------------------------------------------------- hit testing

// Only the rows area has nodes: a point on a bar or below the last row has none.
TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const {
  TRect area = RowsArea();
  if (Y < area.Top || Y >= area.Bottom || X >= area.Right) return nullptr;
  return RowNode(FTopRow + (Y - area.Top) / ItemHeight());
}

THitTests TCustomTreeView::GetHitTestInfoAt(int X, int Y) const {
  TRect area = RowsArea();
  THitTests hits;
  if (Y < 0) hits << htAbove;
  if (Y >= area.Bottom) hits << htBelow;
  if (X < 0) hits << htToLeft;
  if (X >= area.Right) hits << htToRight;
  if (!hits.Empty()) return hits;
  TTreeNode* node = GetNodeAt(X, Y);
  if (node == nullptr) return THitTests{htNowhere};
  int row = RowOf(node);
  TRect label = LabelRect(node, row);
  int imageLeft = label.Left - ImageWidth();
  bool hasButton = FShowButtons && node->HasChildren() && (FShowRoot || node->Level() > 0);
  if (hasButton) {
    TRect b = ButtonRect(node, row);
    if (X >= b.Left && X < b.Right) return THitTests{htOnButton};
  }
  if (X >= label.Left && X < label.Right) return THitTests{htOnItem, htOnLabel};
  if (ImageWidth() > 0 && X >= imageLeft && X < label.Left) return THitTests{htOnItem, htOnIcon};
  if (X < imageLeft) return THitTests{htOnIndent};
  return THitTests{htOnRight};
}

// ---------------------------------------------------------------- scrolling

TTreeNode* TCustomTreeView::TopItem() const {
  BuildRows();  // brings FTopRow up to date first
  return RowNode(FTopRow);
}

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
  if (Value == nullptr || Value->TreeView() != this) return;
  int row = RowOf(Value);
  if (row >= 0) SetTopRow(row);
}

int TCustomTreeView::MaxTopRow() const { return std::max(0, RowCount() - std::max(1, VisibleCount())); }

int TCustomTreeView::MaxScrollX() const { return std::max(0, RowsWidth() - RowsArea().Width()); }

void TCustomTreeView::ClampScroll() const {
  FTopRow = std::clamp(FTopRow, 0, MaxTopRow());
  FTopNode = RowNode(FTopRow);
  FScrollX = std::clamp(FScrollX, 0, MaxScrollX());
}

// Every vertical scroll comes here: bars, wheel, keys, SetTopItem.
void TCustomTreeView::SetTopRow(int Row) {
  BuildRows();
  int top = std::clamp(Row, 0, MaxTopRow());
  TTreeNode* node = RowNode(top);
  if (top == FTopRow && node == FTopNode) return;
  FTopRow = top;
  FTopNode = node;
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

// The node's row between the top and the last whole row; its label (from
// the image on) within the rows' width where it fits, its left end first.
void TCustomTreeView::ScrollIntoView(TTreeNode* Node) {
  int row = RowOf(Node);
  if (row < 0) return;
  int visible = std::max(1, VisibleCount());
  if (row < FTopRow) SetTopRow(row);
  else if (row >= FTopRow + visible) SetTopRow(row - visible + 1);
  int left = ItemLeft(Node->Level());
  int right = RowExtent(Node, Node->Level());
  int width = RowsArea().Width();
  if (right > FScrollX + width) SetScrollX(std::min(left, right - width));
  if (left < FScrollX) SetScrollX(left);
}

void TCustomTreeView::ShowBranch(TTreeNode* Node) {
  int row = RowOf(Node);
  if (row < 0 || !Node->Expanded()) return;
  TTreeNode* after = Node->NextAfterBranch();
  int last = after != nullptr ? RowOf(after) - 1 : RowCount() - 1;
  int visible = std::max(1, VisibleCount());
  if (last >= FTopRow + visible) SetTopRow(std::min(row, last - visible + 1));
}

int TCustomTreeView::ScrollX() const {
  BuildRows();
  return FScrollX;
}

void TCustomTreeView::SetScrollX(int Value) {
  BuildRows();
  Value = std::clamp(Value, 0, MaxScrollX());
  if (Value == FScrollX) return;
  FScrollX = Value;
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

// ---------------------------------------------------------------- the bars

// The bars mirror the rows: shown as BarsNeeded says, the vertical range
// in rows, the horizontal one in pixels.
void TCustomTreeView::SyncBars() {
  BuildRows();
  TBarsNeeded need = BarsNeeded();
  FBars.SetArea(InsideBorder());
  FBars.SetShown(need.Horz, need.Vert);
  int visible = std::max(1, VisibleCount());
  FBars.SetRange(sbVertical, {0, std::max(RowCount() - 1, 0), visible, FTopRow});
  FBars.SetSteps(sbVertical, 1, visible);
  int width = std::max(1, RowsArea().Width());
  FBars.SetRange(sbHorizontal, {0, std::max(FRowsWidth - 1, 0), width, FScrollX});
  FBars.SetSteps(sbHorizontal, ItemHeight(), width);
}

const TWindowScrollBars& TCustomTreeView::WindowScrollBars() {
  SyncBars();
  return FBars;
}

void TCustomTreeView::SizeChanged(int DeltaWidth, int DeltaHeight) {
  TWinControl::SizeChanged(DeltaWidth, DeltaHeight);
  if (!FRowsValid) return;
  int top = FTopRow, x = FScrollX;
  ClampScroll();
  if (top == FTopRow && x == FScrollX) return;
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

}  // namespace vcl
