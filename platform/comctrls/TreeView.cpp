// TCustomTreeView: properties, selection, expansion, deletion and sorting
// with their events, painting suppressed during updates, and form-file
// registration. Rows and geometry are in TreeLayout.cpp, painting in
// TreePaint.cpp, keys and mouse in TreeInput.cpp, label editing in
// TreeEdit.cpp.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/Streaming.h"
#include "platform/comctrls/TreeEdit.h"
#include "platform/controls/Internal.h"
#include "platform/stdctrls/Shared.h"

namespace vcl {

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FNodes(std::make_unique<TTreeNodes>(this)) {
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, 97);
  FBars.SetScrollBars(ssBoth);
  FBars.SetOnScroll([this](TScrollBarKind Kind, TScrollCode Code, int& Pos) {
    if (Code != scEndScroll) {
      if (Kind == sbVertical) SetTopRow(Pos);
      else SetScrollX(Pos);
    }
    Pos = Kind == sbVertical ? FTopRow : FScrollX;
  });
}

TCustomTreeView::~TCustomTreeView() {
  FDestroying = true;
  CancelSlowClick();
  FEditNode = nullptr;
  FEdit.reset();  // leaves its parent while the parent still exists
  FSelected = nullptr;
  FTopNode = nullptr;
  FNodes.reset();
}

// ---------------------------------------------------------------- painting suppressed while updating

void TCustomTreeView::Invalidate() {
  if (FNodes != nullptr && FNodes->Updating()) {
    FPaintPending = true;
    return;
  }
  FPaintPending = false;
  TWinControl::Invalidate();
}

// The rows are built again when next needed, so that adding many nodes
// outside BeginUpdate costs no walk per node.
void TCustomTreeView::NodesChanged() {
  FRowsValid = false;
  if (FNodes != nullptr && FNodes->Updating()) {
    FPaintPending = true;
    return;
  }
  if (FEditNode != nullptr) PlaceEditor();
  Invalidate();
}

void TCustomTreeView::NodeChanged(TTreeNode* Node) {
  (void)Node;
  Invalidate();
}

// ---------------------------------------------------------------- properties

void TCustomTreeView::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages != nullptr) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages != nullptr) FImages->FreeNotification(this);
  NodesChanged();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    NodesChanged();
  }
}

void TCustomTreeView::SetShowLines(bool Value) {
  if (Value == FShowLines) return;
  FShowLines = Value;
  Invalidate();
}

void TCustomTreeView::SetShowButtons(bool Value) {
  if (Value == FShowButtons) return;
  FShowButtons = Value;
  Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value) {
  if (Value == FShowRoot) return;
  FShowRoot = Value;
  NodesChanged();
}

void TCustomTreeView::SetIndent(int Value) {
  Value = std::max(0, Value);
  if (Value == FIndent) return;
  FIndent = Value;
  NodesChanged();
}

void TCustomTreeView::SetHideSelection(bool Value) {
  if (Value == FHideSelection) return;
  FHideSelection = Value;
  Invalidate();
}

void TCustomTreeView::SetRowSelect(bool Value) {
  if (Value == FRowSelect) return;
  FRowSelect = Value;
  Invalidate();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  NodesChanged();
}

void TCustomTreeView::SetSortType(TSortType Value) {
  if (Value == FSortType) return;
  FSortType = Value;
  if (Value == stText || Value == stBoth) AlphaSort(true);
}

// ---------------------------------------------------------------- the steps behind the events

bool TCustomTreeView::CanChange(TTreeNode* Node) {
  bool allow = true;
  if (FOnChanging) FOnChanging(this, Node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
  if (FOnChange) FOnChange(this, Node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
  bool allow = true;
  if (FOnExpanding) FOnExpanding(this, Node, allow);
  return allow;
}

void TCustomTreeView::Expand(TTreeNode* Node) {
  if (FOnExpanded) FOnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
  bool allow = true;
  if (FOnCollapsing) FOnCollapsing(this, Node, allow);
  return allow;
}

void TCustomTreeView::Collapse(TTreeNode* Node) {
  if (FOnCollapsed) FOnCollapsed(this, Node);
}

void TCustomTreeView::Delete(TTreeNode* Node) {
  if (FOnDeletion) FOnDeletion(this, Node);
}

bool TCustomTreeView::CanEdit(TTreeNode* Node) {
  bool allow = true;
  if (FOnEditing) FOnEditing(this, Node, allow);
  return allow;
}

void TCustomTreeView::Edit(TTreeNode* Node, String& S) {
  if (FOnEdited) FOnEdited(this, Node, S);
}

int TCustomTreeView::CompareNodes(TTreeNode* Node1, TTreeNode* Node2, int Data) {
  if (FOnCompare) {
    int result = 0;
    FOnCompare(this, Node1, Node2, Data, result);
    return result;
  }
  return AnsiCompareText(Node1->Text(), Node2->Text());
}

// ---------------------------------------------------------------- selection

void TCustomTreeView::SetSelected(TTreeNode* Value) { SelectNode(Value, true); }

// Selects Node (asking OnChanging when Ask), shows it and fires OnChange.
void TCustomTreeView::SelectNode(TTreeNode* Node, bool Ask) {
  if (Node == FSelected) return;
  if (Node != nullptr && Node->TreeView() != this) return;
  CancelSlowClick();
  if (Ask && !CanChange(Node)) return;
  if (!detail::IsAlive(this)) return;
  if (FEditNode != nullptr && FEditNode != Node) EndEdit(false);
  FSelected = Node;
  if (Node != nullptr) Node->MakeVisible();
  Invalidate();
  Change(Node);
}

// ---------------------------------------------------------------- expansion

// Expanding asks OnExpanding, which may add the children of a node that
// only promised them (HasChildren); a node still without children then
// loses its button. Collapsing asks OnCollapsing; a selection inside the
// collapsed branch moves to the node.
bool TCustomTreeView::ExpandNode(TTreeNode* Node, bool Value) {
  if (Value == Node->FExpanded) return true;
  if (Value) {
    if (!Node->FHasChildren && Node->Count() == 0) return false;
    if (!CanExpand(Node) || !detail::IsAlive(this)) return false;
    if (Node->Count() == 0) {
      Node->FHasChildren = false;
      NodesChanged();
      return false;
    }
    Node->FExpanded = true;
    NodesChanged();
    Expand(Node);
    return true;
  }
  if (!CanCollapse(Node) || !detail::IsAlive(this)) return false;
  Node->FExpanded = false;
  bool moved = FSelected != nullptr && FSelected->HasAsParent(Node);
  if (moved) FSelected = Node;
  if (FEditNode != nullptr && FEditNode->HasAsParent(Node)) EndEdit(true);
  NodesChanged();
  Collapse(Node);
  if (moved && detail::IsAlive(this)) Change(Node);
  return true;
}

void TCustomTreeView::FullExpand() {
  FNodes->BeginUpdate();
  for (TTreeNode* n = FNodes->GetFirstNode(); n != nullptr; n = n->GetNextSibling()) n->Expand(true);
  FNodes->EndUpdate();
}

void TCustomTreeView::FullCollapse() {
  FNodes->BeginUpdate();
  for (TTreeNode* n = FNodes->GetFirstNode(); n != nullptr; n = n->GetNextSibling()) n->Collapse(true);
  FNodes->EndUpdate();
}

// ---------------------------------------------------------------- deletion

// OnDeletion for a branch: each node after its children.
void TCustomTreeView::ReportDeletion(TTreeNode* Node) {
  for (int i = 0; i < Node->Count(); ++i) ReportDeletion(Node->Item(i));
  Delete(Node);
}

bool TCustomTreeView::NodeDeleting(TTreeNode* Node) {
  if (!FDestroying) ReportDeletion(Node);
  auto inBranch = [Node](const TTreeNode* n) { return n == Node || (n != nullptr && n->HasAsParent(Node)); };
  if (inBranch(FEditNode)) EndEdit(true);
  if (inBranch(FPressedSelected)) FPressedSelected = nullptr;
  if (inBranch(FTopNode)) {
    // The rows below move up into the top row; at the end the last page shows.
    FTopNode = Node->NextAfterBranch();
    if (FTopNode == nullptr) FTopNode = Node->GetPrevVisible();
  }
  if (!inBranch(FSelected)) return false;
  CancelSlowClick();
  TTreeNode* next = Node->GetNextSibling();
  if (next == nullptr) next = Node->GetPrevSibling();
  if (next == nullptr) next = Node->Parent();
  FSelected = next;
  return !FDestroying;
}

void TCustomTreeView::ClearingNodes() {
  CancelSlowClick();
  if (FEditNode != nullptr) EndEdit(true);
  FSelected = nullptr;
  FPressedSelected = nullptr;
  FTopNode = nullptr;
  FTopRow = 0;
  FScrollX = 0;
}

// ---------------------------------------------------------------- sorting

bool TCustomTreeView::AlphaSort(bool ARecurse) { return CustomSort(nullptr, 0, ARecurse); }

bool TCustomTreeView::CustomSort(TTVCompare SortProc, std::intptr_t Data, bool ARecurse) {
  if (!SortProc) {
    SortProc = [this](TTreeNode* a, TTreeNode* b, std::intptr_t d) { return CompareNodes(a, b, static_cast<int>(d)); };
  }
  SortChildren(nullptr, SortProc, Data, ARecurse);
  return true;
}

// A stable sort of one list of siblings (nodes that compare equal keep
// their order), and of every list below it when Recurse.
void TCustomTreeView::SortChildren(TTreeNode* Parent, const TTVCompare& Compare, std::intptr_t Data, bool Recurse) {
  auto& list = FNodes->SiblingList(Parent);
  std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) { return Compare(a.get(), b.get(), Data) < 0; });
  TTreeNodes::Renumber(list);
  if (Recurse) {
    for (auto& n : list) SortChildren(n.get(), Compare, Data, true);
  }
  FNodes->StructureChanged();
}

// With SortType stText or stBoth, a node added or renamed moves to its
// place among its siblings (after those equal to it).
void TCustomTreeView::SortedInsert(TTreeNode* Node) {
  if (FSortType != stText && FSortType != stBoth) return;
  auto& list = FNodes->SiblingList(Node->FParent);
  auto it = list.begin() + Node->FIndex;
  std::unique_ptr<TTreeNode> held = std::move(*it);
  list.erase(it);
  auto at = std::upper_bound(list.begin(), list.end(), held, [&](const auto& a, const auto& b) {
    return CompareNodes(a.get(), b.get(), 0) < 0;
  });
  list.insert(at, std::move(held));
  TTreeNodes::Renumber(list);
  FNodes->StructureChanged();
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterTreeViews() {
  RegisterEnum<TSortType>({u"stNone", u"stData", u"stText", u"stBoth"});
  auto tree = RegisterClass<TCustomTreeView, TWinControl>(u"TCustomTreeView");
  stdctrls::WindowColored(tree)
      .Property(u"AutoExpand", &TCustomTreeView::AutoExpand, &TCustomTreeView::SetAutoExpand, false)
      .Property(u"BorderStyle", &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle, bsSingle)
      .Property(u"Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true)
      .Property(u"ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Property(u"HideSelection", &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection, true)
      .Property(u"HotTrack", &TCustomTreeView::HotTrack, &TCustomTreeView::SetHotTrack, false)
      .Reference(u"Images", &TCustomTreeView::Images, &TCustomTreeView::SetImages)
      .Property(u"Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent, 19)
      .Property(u"MultiSelect", &TCustomTreeView::MultiSelect, &TCustomTreeView::SetMultiSelect, false)
      .Property(u"ReadOnly", &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly, false)
      .Property(u"RowSelect", &TCustomTreeView::RowSelect, &TCustomTreeView::SetRowSelect, false)
      .Property(u"ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons, true)
      .Property(u"ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines, true)
      .Property(u"ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot, true)
      .Property(u"SortType", &TCustomTreeView::SortType, &TCustomTreeView::SetSortType, stNone)
      .Event(u"OnChange", &TCustomTreeView::OnChange, &TCustomTreeView::SetOnChange)
      .Event(u"OnChanging", &TCustomTreeView::OnChanging, &TCustomTreeView::SetOnChanging)
      .Event(u"OnCollapsed", &TCustomTreeView::OnCollapsed, &TCustomTreeView::SetOnCollapsed)
      .Event(u"OnCollapsing", &TCustomTreeView::OnCollapsing, &TCustomTreeView::SetOnCollapsing)
      .Event(u"OnCompare", &TCustomTreeView::OnCompare, &TCustomTreeView::SetOnCompare)
      .Event(u"OnDeletion", &TCustomTreeView::OnDeletion, &TCustomTreeView::SetOnDeletion)
      .Event(u"OnEdited", &TCustomTreeView::OnEdited, &TCustomTreeView::SetOnEdited)
      .Event(u"OnEditing", &TCustomTreeView::OnEditing, &TCustomTreeView::SetOnEditing)
      .Event(u"OnExpanded", &TCustomTreeView::OnExpanded, &TCustomTreeView::SetOnExpanded)
      .Event(u"OnExpanding", &TCustomTreeView::OnExpanding, &TCustomTreeView::SetOnExpanding);
  RegisterClass<TTreeView, TCustomTreeView>(u"TTreeView");
  return true;
}

const bool registered = RegisterTreeViews();

}  // namespace

}  // namespace vcl
