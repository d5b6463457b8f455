// TTreeNode and TTreeNodes: the tree's model. Every change that the view
// must see goes through the view's hooks (NodesChanged, NodeDeleting,
// ExpandNode, SelectNode), which fire the events.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/controls/Internal.h"

namespace vcl {

// ================================================================ TTreeNode

TTreeNode::TTreeNode(TTreeNodes* AOwner) : FOwner(AOwner) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return FOwner != nullptr ? FOwner->Owner() : nullptr; }

void TTreeNode::SetText(const String& Value) {
  if (Value == FText) return;
  FText = Value;
  FWidthStamp = 0;
  if (TCustomTreeView* view = TreeView()) {
    view->SortedInsert(this);
    view->NodesChanged();  // the row may have become the widest, or stopped being it
  }
}

void TTreeNode::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  if (TCustomTreeView* view = TreeView()) view->NodeChanged(this);
}

void TTreeNode::SetSelectedIndex(int Value) {
  if (Value == FSelectedIndex) return;
  FSelectedIndex = Value;
  if (TCustomTreeView* view = TreeView()) view->NodeChanged(this);
}

void TTreeNode::SetHasChildren(bool Value) {
  if (Value == FHasChildren) return;
  FHasChildren = Value;
  if (TCustomTreeView* view = TreeView()) view->NodesChanged();
}

// ---------------------------------------------------------------- place in the tree

TTreeNode* TTreeNode::Item(int Index) const {
  if (Index < 0 || Index >= Count()) {
    throw ETreeViewError(u"Tree node index out of bounds (" + IntToStr(Index) + u")");
  }
  return FChildren[static_cast<std::size_t>(Index)].get();
}

int TTreeNode::Index() const { return FIndex; }

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* p = FParent; p != nullptr; p = p->FParent) ++level;
  return level;
}

int TTreeNode::AbsoluteIndex() const {
  FOwner->BuildList();
  return FAbsoluteIndex;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const {
  if (Value == nullptr) return false;
  for (TTreeNode* p = FParent; p != nullptr; p = p->FParent) {
    if (p == Value) return true;
  }
  return false;
}

// ---------------------------------------------------------------- walking

TTreeNode* TTreeNode::GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }

TTreeNode* TTreeNode::GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }

TTreeNode* TTreeNode::GetNextSibling() const {
  const auto& list = FOwner->SiblingList(FParent);
  auto next = static_cast<std::size_t>(FIndex) + 1;
  return next < list.size() ? list[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  const auto& list = FOwner->SiblingList(FParent);
  return FIndex > 0 && static_cast<std::size_t>(FIndex) <= list.size() ? list[static_cast<std::size_t>(FIndex - 1)].get()
                                                                       : nullptr;
}

TTreeNode* TTreeNode::NextAfterBranch() const {
  for (const TTreeNode* n = this; n != nullptr; n = n->Parent()) {
    if (TTreeNode* s = n->GetNextSibling()) return s;
  }
  return nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (!FChildren.empty()) return FChildren.front().get();
  return NextAfterBranch();
}

TTreeNode* TTreeNode::GetPrev() const {
  TTreeNode* p = GetPrevSibling();
  if (p == nullptr) return FParent;
  while (p->Count() > 0) p = p->GetLastChild();
  return p;
}

bool TTreeNode::IsVisible() const {
  for (TTreeNode* p = FParent; p != nullptr; p = p->FParent) {
    if (!p->FExpanded) return false;
  }
  return true;
}

TTreeNode* TTreeNode::GetNextVisible() const {
  if (!IsVisible()) return nullptr;
  if (FExpanded && !FChildren.empty()) return FChildren.front().get();
  return NextAfterBranch();
}

TTreeNode* TTreeNode::GetPrevVisible() const {
  if (!IsVisible()) return nullptr;
  TTreeNode* p = GetPrevSibling();
  if (p == nullptr) return FParent;
  while (p->FExpanded && p->Count() > 0) p = p->GetLastChild();
  return p;
}

// ---------------------------------------------------------------- state

void TTreeNode::SetExpanded(bool Value) {
  if (TCustomTreeView* view = TreeView()) view->ExpandNode(this, Value);
}

void TTreeNode::Expand(bool Recurse) {
  SetExpanded(true);
  if (!Recurse) return;
  // By index: a handler may add or remove children on the way.
  for (int i = 0; i < Count(); ++i) FChildren[static_cast<std::size_t>(i)]->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  if (Recurse) {
    for (int i = 0; i < Count(); ++i) FChildren[static_cast<std::size_t>(i)]->Collapse(true);
  }
  SetExpanded(false);
}

bool TTreeNode::Selected() const {
  TCustomTreeView* view = TreeView();
  return view != nullptr && view->Selected() == this;
}

void TTreeNode::SetSelected(bool Value) {
  TCustomTreeView* view = TreeView();
  if (view == nullptr) return;
  if (Value) view->SetSelected(this);
  else if (view->Selected() == this) view->SetSelected(nullptr);
}

// ---------------------------------------------------------------- changes

void TTreeNode::Delete() { FOwner->Delete(this); }

void TTreeNode::DeleteChildren() {
  TTreeNodes* owner = FOwner;
  // The selection leaves the branch at once rather than child by child.
  TCustomTreeView* view = TreeView();
  if (view != nullptr && view->Selected() != nullptr && view->Selected()->HasAsParent(this)) {
    view->SelectNode(this, false);
  }
  owner->BeginUpdate();
  while (!FChildren.empty()) owner->Delete(FChildren.back().get());
  FHasChildren = false;
  FExpanded = false;
  owner->EndUpdate();
}

void TTreeNode::MoveTo(TTreeNode* Destination, TNodeAttachMode Mode) {
  if (Destination == this || (Destination != nullptr && Destination->HasAsParent(this))) {
    throw ETreeViewError(u"Cannot move a tree node into its own branch");
  }
  FOwner->Attach(FOwner->Detach(this), Destination, Mode);
}

bool TTreeNode::AlphaSort(bool ARecurse) { return CustomSort(nullptr, 0, ARecurse); }

bool TTreeNode::CustomSort(TTVCompare SortProc, std::intptr_t Data, bool ARecurse) {
  TCustomTreeView* view = TreeView();
  if (view == nullptr) return false;
  if (!SortProc) {
    SortProc = [view](TTreeNode* a, TTreeNode* b, std::intptr_t d) { return view->CompareNodes(a, b, static_cast<int>(d)); };
  }
  view->SortChildren(this, SortProc, Data, ARecurse);
  return true;
}

bool TTreeNode::EditText() {
  TCustomTreeView* view = TreeView();
  return view != nullptr && view->StartEdit(this);
}

void TTreeNode::EndEdit(bool Cancel) {
  TCustomTreeView* view = TreeView();
  if (view != nullptr && view->FEditNode == this) view->EndEdit(Cancel);
}

void TTreeNode::MakeVisible() {
  for (TTreeNode* p = FParent; p != nullptr; p = p->FParent) {
    if (!p->FExpanded) p->Expand(false);
  }
  if (TCustomTreeView* view = TreeView()) view->ScrollIntoView(this);
}

TRect TTreeNode::DisplayRect(bool TextOnly) const {
  TCustomTreeView* view = TreeView();
  if (view == nullptr) return TRect();
  int row = view->RowOf(this);
  if (row < 0) return TRect();
  TRect label = view->LabelRect(this, row);
  if (TextOnly) return label;
  TRect area = view->RowsArea();
  return Rect(area.Left, label.Top, area.Right, label.Bottom);
}

// ================================================================ TTreeNodes

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

// The nodes go without events: the view is being destroyed.
TTreeNodes::~TTreeNodes() = default;

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingList(TTreeNode* Parent) {
  return Parent != nullptr ? Parent->FChildren : FRoots;
}

// Positions are kept with the lists, so that walking to a sibling costs the
// same in a list of 100,000 as in a list of two; adding at the end
// renumbers nothing but the new node.
void TTreeNodes::Renumber(std::vector<std::unique_ptr<TTreeNode>>& List, std::size_t From) {
  for (std::size_t i = From; i < List.size(); ++i) List[i]->FIndex = static_cast<int>(i);
}

void TTreeNodes::BuildList() const {
  if (FListValid) return;
  FList.clear();
  for (TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext()) {
    n->FAbsoluteIndex = static_cast<int>(FList.size());
    FList.push_back(n);
  }
  FListValid = true;
}

int TTreeNodes::Count() const {
  BuildList();
  return static_cast<int>(FList.size());
}

TTreeNode* TTreeNodes::Item(int Index) const {
  BuildList();
  if (Index < 0 || Index >= static_cast<int>(FList.size())) {
    throw ETreeViewError(u"Tree node index out of bounds (" + IntToStr(Index) + u")");
  }
  return FList[static_cast<std::size_t>(Index)];
}

TTreeNode* TTreeNodes::GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front().get(); }

void TTreeNodes::StructureChanged() {
  FListValid = false;
  if (FOwner != nullptr) FOwner->NodesChanged();
}

// Puts a node in its place relative to Relative (see TNodeAttachMode).
void TTreeNodes::Attach(std::unique_ptr<TTreeNode> Node, TTreeNode* Relative, TNodeAttachMode Mode) {
  bool child = Mode == naAddChild || Mode == naAddChildFirst;
  TTreeNode* parent = child ? Relative : (Relative != nullptr ? Relative->FParent : nullptr);
  auto& list = SiblingList(parent);
  auto at = list.end();
  if (Mode == naAddFirst || Mode == naAddChildFirst) {
    at = list.begin();
  } else if (Mode == naInsert && Relative != nullptr) {
    at = list.begin() + Relative->Index();
  }
  Node->FParent = parent;
  auto from = static_cast<std::size_t>(at - list.begin());
  list.insert(at, std::move(Node));
  Renumber(list, from);
  if (parent != nullptr) parent->FHasChildren = true;
  StructureChanged();
}

std::unique_ptr<TTreeNode> TTreeNodes::Detach(TTreeNode* Node) {
  auto& list = SiblingList(Node->FParent);
  auto at = static_cast<std::size_t>(Node->FIndex);
  auto it = list.begin() + static_cast<std::ptrdiff_t>(at);
  std::unique_ptr<TTreeNode> out = std::move(*it);
  list.erase(it);
  Renumber(list, at);
  if (Node->FParent != nullptr && list.empty()) {
    Node->FParent->FHasChildren = false;
    Node->FParent->FExpanded = false;
  }
  Node->FParent = nullptr;
  StructureChanged();
  return out;
}

TTreeNode* TTreeNodes::AddNode(TTreeNode* Relative, const String& S, void* Ptr, TNodeAttachMode Mode) {
  auto node = std::make_unique<TTreeNode>(this);
  node->FText = S;
  node->FData = Ptr;
  TTreeNode* result = node.get();
  Attach(std::move(node), Relative, Mode);
  if (FOwner != nullptr) FOwner->SortedInsert(result);
  return result;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const String& S) { return AddNode(Sibling, S, nullptr, naAdd); }
TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const String& S, void* Ptr) { return AddNode(Sibling, S, Ptr, naAdd); }
TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const String& S) { return AddNode(Sibling, S, nullptr, naAddFirst); }
TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* Sibling, const String& S, void* Ptr) {
  return AddNode(Sibling, S, Ptr, naAddFirst);
}
TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const String& S) { return AddNode(Parent, S, nullptr, naAddChild); }
TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const String& S, void* Ptr) {
  return AddNode(Parent, S, Ptr, naAddChild);
}
TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const String& S) {
  return AddNode(Parent, S, nullptr, naAddChildFirst);
}
TTreeNode* TTreeNodes::AddChildObjectFirst(TTreeNode* Parent, const String& S, void* Ptr) {
  return AddNode(Parent, S, Ptr, naAddChildFirst);
}
TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const String& S) { return AddNode(Sibling, S, nullptr, naInsert); }
TTreeNode* TTreeNodes::InsertObject(TTreeNode* Sibling, const String& S, void* Ptr) {
  return AddNode(Sibling, S, Ptr, naInsert);
}

void TTreeNodes::Delete(TTreeNode* Node) {
  if (Node == nullptr || Node->FOwner != this) return;
  TCustomTreeView* view = FOwner;
  bool moved = view != nullptr && view->NodeDeleting(Node);
  Detach(Node).reset();
  if (moved && view != nullptr && detail::IsAlive(view)) view->Change(view->Selected());
}

// Every node goes (OnDeletion for each); the selection is cleared without events.
void TTreeNodes::Clear() {
  if (FRoots.empty()) return;
  BeginUpdate();
  if (FOwner != nullptr) FOwner->ClearingNodes();
  while (!FRoots.empty()) Delete(FRoots.back().get());
  EndUpdate();
}

void TTreeNodes::BeginUpdate() { ++FUpdateCount; }

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount > 0 || FOwner == nullptr) return;
  FOwner->NodesChanged();
}

namespace {

void CopyBranch(TTreeNodes& Target, TTreeNode* TargetParent, const TTreeNode* Source) {
  TTreeNode* n = Target.AddChildObject(TargetParent, Source->Text(), Source->Data());
  n->SetImageIndex(Source->ImageIndex());
  n->SetSelectedIndex(Source->SelectedIndex());
  for (int i = 0; i < Source->Count(); ++i) CopyBranch(Target, n, Source->Item(i));
  n->SetHasChildren(Source->HasChildren());
}

}  // namespace

void TTreeNodes::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TTreeNodes*>(Source);
  if (other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (TTreeNode* n = other->GetFirstNode(); n != nullptr; n = n->GetNextSibling()) CopyBranch(*this, nullptr, n);
  EndUpdate();
}

}  // namespace vcl
