// TCustomTreeView: editing a node's label in an edit field over it.
// Enter stores the text (through OnEdited), Escape drops it, and leaving
// the field stores it too.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/comctrls/TreeEdit.h"
#include "platform/controls/Internal.h"

namespace vcl {

TEdit* TCustomTreeView::EditControl() const { return FEditNode != nullptr ? FEdit.get() : nullptr; }

// Editing starts (unless ReadOnly or refused by OnEditing) with the node
// shown and its text selected in the field, which takes the focus.
bool TCustomTreeView::StartEdit(TTreeNode* Node) {
  if (Node == nullptr || Node->TreeView() != this || FReadOnly || !Enabled()) return false;
  if (FEditNode == Node) return true;
  if (FEditNode != nullptr) EndEdit(false);
  CancelSlowClick();
  Node->MakeVisible();
  if (!CanEdit(Node) || !detail::IsAlive(this)) return false;
  if (FEdit == nullptr) {
    FEdit = std::make_unique<TTreeEdit>(this);
    FEdit->SetParent(this);
  }
  FEdit->Font()->Assign(Font());
  FEdit->SetText(Node->Text());
  FEditNode = Node;
  PlaceEditor();
  FEdit->Show();
  FEdit->BringToFront();
  FEdit->SelectAll();
  if (FEdit->CanFocus()) FEdit->SetFocus();
  Invalidate();
  return true;
}

// The field covers the label with room to type, within the rows area.
void TCustomTreeView::PlaceEditor() {
  if (FEdit == nullptr || FEditNode == nullptr) return;
  int row = RowOf(FEditNode);
  if (row < 0) {
    FEdit->SetBounds(0, 0, 0, 0);
    return;
  }
  TRect label = LabelRect(FEditNode, row);
  TRect area = RowsArea();
  int width = std::max(label.Width() + 24, 60);
  int left = std::max(area.Left, label.Left - 1);
  int right = std::min(area.Right, left + width);
  FEdit->SetBounds(left, label.Top - 1, std::max(0, right - left), label.Height() + 2);
}

// Ends editing; unless Cancel, OnEdited sees the text (and may change it)
// before it becomes the node's. The view takes the focus back from the field.
void TCustomTreeView::EndEdit(bool Cancel) {
  TTreeNode* node = FEditNode;
  if (node == nullptr || FEdit == nullptr) return;
  FEditNode = nullptr;
  String text = FEdit->Text();
  bool hadFocus = FEdit->Focused();
  if (hadFocus && CanFocus()) SetFocus();
  FEdit->Hide();
  Invalidate();
  if (Cancel || FDestroying) return;
  Edit(node, text);
  if (!detail::IsAlive(this)) return;
  // A handler may have deleted the node meanwhile.
  for (TTreeNode* n = FNodes->GetFirstNode(); n != nullptr; n = n->GetNext()) {
    if (n == node) {
      node->SetText(text);
      return;
    }
  }
}

}  // namespace vcl
