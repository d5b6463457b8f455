// The folder tree: construction, properties, selection changes, listing
// the subfolders of a node and looking into the folders shown. The
// operations on paths and folders are in VYR_FolderTreeOps.cpp, form files
// in VYR_FolderTreeRegister.cpp.
#include "VYR_FolderTree/VYR_FolderTree.h"

#include <vector>

#include "platform/Guards.h"
#include "VYR_FolderTree/VYR_FolderListing.h"
#include "platform/Forms.h"

namespace vyr {

namespace {

void* Marker(std::uintptr_t Value) { return reinterpret_cast<void*>(Value); }

}  // namespace

TFolderTree::TFolderTree(vcl::TComponent* AOwner) : vcl::TCustomTreeView(AOwner) {
  SetMultiSelect(false);
  SetReadOnly(true);
  SetDoubleBuffered(true);
  FColorBak = Color();
}

TFolderTree::~TFolderTree() = default;

bool TFolderTree::IsLinkNode(const vcl::TTreeNode* Node) {
  return Node != nullptr && Node->Data() == Marker(LinkMarker);
}

bool TFolderTree::IsLoadedNode(const vcl::TTreeNode* Node) {
  return Node != nullptr && Node->Data() == Marker(LoadedMarker);
}

// ---------------------------------------------------------------- properties

void TFolderTree::SetOldTreeStyle(bool Value) {
  if (Value == FUseOldStyle) return;
  FUseOldStyle = Value;
  Invalidate();
}

void TFolderTree::SetColor(vcl::TColor Value) {
  FColorBak = Value;
  if (Enabled()) vcl::TCustomTreeView::SetColor(Value);
}

void TFolderTree::SetEnabled(bool Value) {
  vcl::TCustomTreeView::SetColor(Value ? FColorBak : vcl::clBtnFace);
  vcl::TCustomTreeView::SetEnabled(Value);
}

void TFolderTree::Loaded() {
  vcl::TCustomTreeView::Loaded();
  // A black background is what a tree stored without a color reads as.
  if (FColorBak == vcl::clBlack) FColorBak = vcl::clWhite;
  vcl::TCustomTreeView::SetColor(Enabled() ? FColorBak : vcl::clBtnFace);
  FullCollapse();
}

// The tree starts at the root once its window exists; nodes made before
// (a path selected before the form was shown) are kept.
void TFolderTree::CreateWnd() {
  vcl::TCustomTreeView::CreateWnd();
  if (Items()->Count() == 0) Reset();
}

void TFolderTree::DirHasChanged() {
  if (vcl::TNotifyEvent changed = FOnDirChange) changed(this);
}

// OnClick, the new Directory, OnChange, then OnDirChanged; a handler may
// free the tree, which ends the sequence.
void TFolderTree::Change(vcl::TTreeNode* Node) {
  std::weak_ptr<bool> life = FLife;
  Click();
  if (life.expired()) return;
  const vcl::String old = FDirectory;
  if (Node != nullptr) FDirectory = PathOfNode(Node);
  vcl::TCustomTreeView::Change(Node);
  if (life.expired()) return;
  if (FDirectory != old && !FQuiet) DirHasChanged();
}

// ---------------------------------------------------------------- nodes

vcl::String TFolderTree::PathOfNode(const vcl::TTreeNode* Node) const {
  std::vector<const vcl::TTreeNode*> chain;
  for (const vcl::TTreeNode* n = Node; n != nullptr; n = n->Parent()) chain.push_back(n);
  vcl::String path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    path += (*it)->Text();
    if (path.empty() || path.back() != u'/') path += u'/';
  }
  return path;
}

vcl::TTreeNode* TFolderTree::ChildNamed(vcl::TTreeNode* Parent, const vcl::String& Name) const {
  for (vcl::TTreeNode* c = Parent->GetFirstChild(); c != nullptr; c = c->GetNextSibling()) {
    if (c->Text() == Name) return c;
  }
  return nullptr;
}

void TFolderTree::BuildMainTree() {
  vcl::TUpdateGuard batch(*Items());
  Items()->Clear();
  vcl::TTreeNode* root = Items()->AddChild(nullptr, u"/");
  Items()->AddChild(root, DummyText);
}

// The application's OnExpanding may refuse; only then are the subfolders
// listed, so a refused expansion reads nothing.
bool TFolderTree::CanExpand(vcl::TTreeNode* Node) {
  std::weak_ptr<bool> life = FLife;
  if (!vcl::TCustomTreeView::CanExpand(Node) || life.expired()) return false;
  LoadSubFolders(Node);
  return true;
}

void TFolderTree::LoadSubFolders(vcl::TTreeNode* Node) {
  if (ComponentState().Contains(vcl::csDesigning)) return;
  if (IsLoadedNode(Node) || IsLinkNode(Node)) return;
  vcl::TScreenCursorGuard busy(vcl::crHourGlass);
  const vcl::String path = PathOfNode(Node);
  std::vector<TFolderName> names;
  ListFolderNames(path, false, names);
  const bool probe = names.size() <= static_cast<std::size_t>(ProbeLimit);
  vcl::TUpdateGuard batch(*Items());
  Node->DeleteChildren();
  if (names.empty()) return;
  Node->SetData(Marker(LoadedMarker));
  for (const TFolderName& n : names) {
    vcl::TTreeNode* child = Items()->AddChild(Node, n.Name);
    if (n.IsLink) {
      child->SetData(Marker(LinkMarker));
    } else if (!probe) {
      child->SetHasChildren(true);  // looked into when shown or expanded
    } else if (FolderHasSubfolders(path + n.Name)) {
      Items()->AddChild(child, DummyText);
    }
  }
}

// ---------------------------------------------------------------- looking into folders shown

void TFolderTree::ProbeNode(vcl::TTreeNode* Node) {
  if (Node->Count() > 0 || !Node->HasChildren() || IsLinkNode(Node) || IsLoadedNode(Node)) return;
  if (FolderHasSubfolders(PathOfNode(Node))) {
    Items()->AddChild(Node, DummyText);
  } else {
    Node->SetHasChildren(false);
  }
}

void TFolderTree::ProbeShownRows() {
  std::vector<vcl::TTreeNode*> pending;
  vcl::TTreeNode* n = TopItem();
  for (int row = 0; n != nullptr && row <= VisibleCount(); ++row, n = n->GetNextVisible()) {
    if (n->Count() == 0 && n->HasChildren() && !IsLinkNode(n) && !IsLoadedNode(n)) {
      pending.push_back(n);
    }
  }
  if (pending.empty()) return;
  vcl::TUpdateGuard batch(*Items());
  for (vcl::TTreeNode* p : pending) ProbeNode(p);
}

void TFolderTree::Paint() {
  if (!ComponentState().Contains(vcl::csDesigning)) ProbeShownRows();
  vcl::TCustomTreeView::Paint();
}

}  // namespace vyr
