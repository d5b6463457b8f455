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

void TCustomTreeView::BuildRows() const {
  if (FRowsValid) return;
  FRows.clear();
  for (TTreeNode* n = FNodes->GetFirstNode(); n != nullptr; n = n->GetNext()) n->FRow = -1;
  for (TTreeNode* n = FNodes->GetFirstNode(); n != nullptr; n = n->GetNextVisible()) {
    n->FRow = static_cast<int>(FRows.size());
    FRows.push_back(n);
  }
  FRowsValid = true;
}

int TCustomTreeView::RowCount() const {
  BuildRows();
  return static_cast<int>(FRows.size());
}

TTreeNode* TCustomTreeView::RowNode(int Row) const {
  BuildRows();
  return Row >= 0 && Row < static_cast<int>(FRows.size()) ? FRows[static_cast<std::size_t>(Row)] : nullptr;
}

TRect TCustomTreeView::RowsArea() const {
  int b = FBorderStyle == bsSingle ? 2 : 0;
  return Rect(b, b, std::max(b, Width() - b), std::max(b, Height() - b));
}

int TCustomTreeView::TextWidth(const String& Text) const {
  FMeasure.Font()->Assign(const_cast<TFont*>(Font()));
  return FMeasure.TextWidth(Text);
}

// The text's height with a little air, or the images' height when taller.
int TCustomTreeView::ItemHeight() const {
  FMeasure.Font()->Assign(const_cast<TFont*>(Font()));
  int h = FMeasure.TextHeight(u"Wg") + 3;
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
  return Rect(x, y, x + TextWidth(Node->Text()) + 2 * kTextPad, y + h);
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* Node, int Row) const {
  TRect area = RowsArea();
  int h = ItemHeight();
  int cx = area.Left - FScrollX + ButtonCenterX(Node->Level());
  int cy = area.Top + (Row - FTopRow) * h + h / 2;
  return Rect(cx - kButtonHalf, cy - kButtonHalf, cx + kButtonHalf + 1, cy + kButtonHalf + 1);
}

// ---------------------------------------------------------------- hit testing

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const {
  (void)X;
  TRect area = RowsArea();
  if (Y < area.Top || Y >= area.Bottom) return nullptr;
  return RowNode(FTopRow + (Y - area.Top) / ItemHeight());
}

THitTests TCustomTreeView::GetHitTestInfoAt(int X, int Y) const {
  THitTests hits;
  if (Y < 0) hits << htAbove;
  if (Y >= Height()) hits << htBelow;
  if (X < 0) hits << htToLeft;
  if (X >= Width()) hits << htToRight;
  if (!hits.Empty()) return hits;
  TTreeNode* node = GetNodeAt(X, Y);
  if (node == nullptr) return THitTests{htNowhere};
  TRect label = LabelRect(node, node->FRow);
  int imageLeft = label.Left - ImageWidth();
  bool hasButton = FShowButtons && node->HasChildren() && (FShowRoot || node->Level() > 0);
  if (hasButton) {
    TRect b = ButtonRect(node, node->FRow);
    if (X >= b.Left && X < b.Right) return THitTests{htOnButton};
  }
  if (X >= label.Left && X < label.Right) return THitTests{htOnItem, htOnLabel};
  if (ImageWidth() > 0 && X >= imageLeft && X < label.Left) return THitTests{htOnItem, htOnIcon};
  if (X < imageLeft) return THitTests{htOnIndent};
  return THitTests{htOnRight};
}

// ---------------------------------------------------------------- scrolling

TTreeNode* TCustomTreeView::TopItem() const { return RowNode(FTopRow); }

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
  if (Value == nullptr || Value->TreeView() != this) return;
  BuildRows();
  if (Value->FRow < 0) return;
  FTopRow = Value->FRow;
  ClampTop();
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

// The top row stays where the last page still fills the rows area.
void TCustomTreeView::ClampTop() {
  int top = std::clamp(FTopRow, 0, std::max(0, RowCount() - std::max(1, VisibleCount())));
  if (top == FTopRow) return;
  FTopRow = top;
  Invalidate();
}

void TCustomTreeView::ScrollIntoView(TTreeNode* Node) {
  BuildRows();
  if (Node == nullptr || Node->FRow < 0) return;
  int visible = std::max(1, VisibleCount());
  int top = FTopRow;
  if (Node->FRow < top) top = Node->FRow;
  else if (Node->FRow >= top + visible) top = Node->FRow - visible + 1;
  if (top == FTopRow) return;
  FTopRow = top;
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

void TCustomTreeView::SetScrollX(int Value) {
  Value = std::max(0, Value);
  if (Value == FScrollX) return;
  FScrollX = Value;
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

void TCustomTreeView::SizeChanged(int DeltaWidth, int DeltaHeight) {
  TWinControl::SizeChanged(DeltaWidth, DeltaHeight);
  ClampTop();
}

}  // namespace vcl
