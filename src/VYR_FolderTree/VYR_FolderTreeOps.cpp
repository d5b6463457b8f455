// The folder tree's operations on paths and folders: Reset, SelectPath,
// MakeSubFolder, RemoveSelectedFolder, RefreshTree and GetSubDirs.
#include <vector>

#include "platform/Guards.h"
#include "VYR_FolderTree/VYR_FolderListing.h"
#include "VYR_FolderTree/VYR_FolderTree.h"
#include "companion/basepack/VYR_filesys.h"
#include "platform/Dirs.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace vyr {

void TFolderTree::Reset() {
  const vcl::String old = FDirectory;
  {
    vcl::TValueGuard<bool> quiet(FQuiet, true);
    BuildMainTree();
    FullCollapse();
    FDirectory.assign(1, u'/');
    SetSelected(Items()->GetFirstNode());
  }
  if (FDirectory != old) DirHasChanged();
}

// Selects Node (OnChanging may refuse) and gives the tree the focus when
// it can take it; true when Node is selected.
bool TFolderTree::SelectNodeOf(vcl::TTreeNode* Node) {
  std::weak_ptr<bool> life = FLife;
  SetSelected(Node);
  if (life.expired()) return false;
  if (CanFocus() && Showing()) SetFocus();
  return Selected() == Node;
}

bool TFolderTree::SelectPath(const vcl::String& Path) {
  if (Path.empty()) return false;
  const vcl::String path = Path.front() == u'/' ? Path : vcl::GetCurrentDir() + u'/' + Path;
  if (!DirExists(path)) return false;
  BuildMainTree();
  vcl::TTreeNode* node = Items()->GetFirstNode();
  LoadSubFolders(node);
  bool complete = true;
  for (const vcl::String& level : PathLevels(path)) {
    vcl::TTreeNode* child = ChildNamed(node, level);
    if (child == nullptr) {
      complete = false;  // a hidden folder, or a way through a link
      break;
    }
    node = child;
    LoadSubFolders(node);
  }
  return SelectNodeOf(node) && complete;
}

// The selected folder and every level of the new name that exists already
// must be real folders: nothing is made through a link.
bool TFolderTree::LevelsAreRealFolders(const vcl::String& Base,
                                       const std::vector<vcl::String>& Levels) const {
  if (vcl::PathKind(Base) != vcl::dekFolder) return false;
  vcl::String path = Base;
  for (const vcl::String& level : Levels) {
    path += level;
    const vcl::TDirEntryKind kind = vcl::PathKind(path);
    if (kind == vcl::dekOther) return true;  // from here on everything is new
    if (kind != vcl::dekFolder) return false;
    path += u'/';
  }
  return true;
}

bool TFolderTree::MakeSubFolder(const vcl::String& FolderName) {
  vcl::TTreeNode* selected = Selected();
  if (selected == nullptr || IsLinkNode(selected)) return false;
  const std::vector<vcl::String> levels = SubFolderLevels(FolderName);
  if (levels.empty()) return false;
  const vcl::String base = PathOfNode(selected);
  if (!LevelsAreRealFolders(base, levels)) return false;
  vcl::String full = base;
  for (const vcl::String& level : levels) full += level + u'/';
  if (!vcl::ForceDirectories(full)) return false;
  SelectPath(full);
  return true;
}

bool TFolderTree::RemoveSelectedFolder() {
  vcl::TTreeNode* selected = Selected();
  if (selected == nullptr || selected->Parent() == nullptr || IsLinkNode(selected)) return false;
  const vcl::String path = PathOfNode(selected);
  if (vcl::PathKind(path) != vcl::dekFolder) return false;
  const bool removed = vcl::RemoveDir(path);
  vcl::Application->ProcessMessages();
  if (removed) SelectPath(ParentDir(path));
  return removed;
}

bool TFolderTree::RefreshTree() {
  const vcl::String old = FDirectory;
  bool selected = false;
  {
    vcl::TValueGuard<bool> quiet(FQuiet, true);
    vcl::String candidate = FDirectory;
    while (!candidate.empty()) {
      FDirectory = EnsureTrailingBkSlash(candidate);
      selected = SelectPath(candidate);
      if (selected) break;
      candidate = ParentDir(candidate);
    }
  }
  if (FDirectory != old) DirHasChanged();
  return selected;
}

bool TFolderTree::GetSubDirs(const vcl::String& Path, vcl::TStrings* DirList) {
  if (DirList == nullptr || !DirExists(Path)) return false;
  std::vector<TFolderName> names;
  ListFolderNames(Path, true, names);
  for (const TFolderName& n : names) DirList->AddObject(n.Name, n.HasSubfolders ? this : nullptr);
  return DirList->Count() > 0;
}

bool TFolderTree::GetSubDirs(vcl::TTreeNode* Node, vcl::TStrings* DirList) {
  return Node != nullptr && GetSubDirs(PathOfNode(Node), DirList);
}

}  // namespace vyr
