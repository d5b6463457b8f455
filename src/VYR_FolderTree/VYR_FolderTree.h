// The folder tree: a tree view of the file system's folders rooted at "/",
// whose nodes list their subfolders when first expanded. It keeps the path
// of the selected folder (Directory, always ending with "/") and can select
// a path, create a subfolder of the selected folder, remove the selected
// folder and refresh itself.
//
// Nodes: the root's text is "/", every other node's text is one folder
// name; PathOfNode joins them ("/", "home", "ann" give "/home/ann/").
//
//   Data / children                      meaning
//   LoadedMarker, its subfolders         listed (again only after a rebuild)
//   one child "Child" (a placeholder)    not listed yet, has subfolders
//   no child, HasChildren set            not listed yet, not looked into yet
//   no child, HasChildren not set        no subfolders
//   LinkMarker, no child                 a link to a folder: never entered
//
// A folder lists its real subfolders and its links to folders, leaving out
// every name that begins with "." (see VYR_FolderListing.h), sorted without
// regard to case. Listing a folder also looks into each subfolder for
// subfolders of its own, so that the tree shows expand buttons only where
// there is something below. For a folder of more than ProbeLimit
// subfolders that look is put off: each subfolder is looked into when its
// row is first painted or when it is expanded, so expanding a folder of
// 100,000 subfolders costs about its listing and sort.
//
// Links are never followed out of the tree: they are listed as the nodes
// they are but not expanded, no folder is created through one, and
// RemoveSelectedFolder removes only an empty real folder.
//
// Events: every selection change fires OnClick, then OnChange, then
// OnDirChanged when Directory changed. Expanding asks the application's
// OnExpanding first (it may refuse) and then lists the node's subfolders.
// File system errors never raise: a folder that cannot be read shows no
// subfolders, and the operations return False.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Classes.h"
#include "platform/ComCtrls.h"

namespace vyr {

class TFolderTree : public vcl::TCustomTreeView {
 public:
  static constexpr std::uintptr_t LoadedMarker = 0xA5F016ED;
  static constexpr std::uintptr_t LinkMarker = 0xA5F011CC;
  // The text of the placeholder child of a folder not listed yet.
  static constexpr const char16_t* DummyText = u"Child";
  // The largest listing whose subfolders are looked into at once.
  static constexpr int ProbeLimit = 1000;

  explicit TFolderTree(vcl::TComponent* AOwner);
  ~TFolderTree() override;

  // The selected folder's path, ending with "/" (empty before the first
  // selection).
  const vcl::String& Directory() const { return FDirectory; }

  // The classic look (True) or the system's themed look: kept for form
  // files and applications, as this platform draws trees one way.
  bool OldTreeStyle() const { return FUseOldStyle; }
  void SetOldTreeStyle(bool Value);
  // The color shown while enabled; a disabled tree shows clBtnFace.
  vcl::TColor GetColor() const { return Color(); }
  void SetColor(vcl::TColor Value);
  // The color the tree takes back when enabled again.
  vcl::TColor EnabledColor() const { return FColorBak; }
  bool GetEnabled() const { return Enabled(); }
  void SetEnabled(bool Value) override;

  vcl::TNotifyEvent OnDirChanged() const { return FOnDirChange; }
  void SetOnDirChanged(vcl::TNotifyEvent Value) { FOnDirChange = std::move(Value); }

  // Rebuilds the tree with only the root "/" (collapsed) and selects it.
  void Reset();
  // Rebuilds the tree, lists the folders along Path and selects Path's
  // node. False without touching the tree when the folder does not exist;
  // False with the deepest node found selected when the path leads where
  // the tree does not go (a hidden folder, through a link).
  bool SelectPath(const vcl::String& Path);
  // Creates FolderName under the selected folder ("a/b" creates a and
  // a/b) and selects it. False, touching nothing, when nothing is
  // selected, the selected node is a link, the name is refused (see
  // SubFolderLevels) or a level of it exists as something other than a
  // real folder; False when the folder cannot be made.
  bool MakeSubFolder(const vcl::String& FolderName);
  // Removes the selected folder when it is an empty real folder (not the
  // root, not a link) and selects its parent.
  bool RemoveSelectedFolder();
  // Selects Directory again, or its nearest ancestor that still exists;
  // OnDirChanged once when Directory changed.
  bool RefreshTree();
  // Appends the subfolders of Path (sorted; links to folders included) to
  // DirList, each with a non-nil object (the tree itself) when it has
  // subfolders of its own. False when Path is no folder; otherwise whether
  // DirList holds any entry.
  bool GetSubDirs(const vcl::String& Path, vcl::TStrings* DirList);
  bool GetSubDirs(vcl::TTreeNode* Node, vcl::TStrings* DirList);
  bool GetSubDirs(const vcl::String& Path, vcl::TStrings& DirList) { return GetSubDirs(Path, &DirList); }
  bool GetSubDirs(vcl::TTreeNode* Node, vcl::TStrings& DirList) { return GetSubDirs(Node, &DirList); }
  // The node's folder path with a trailing "/" (empty for nullptr).
  vcl::String PathOfNode(const vcl::TTreeNode* Node) const;
  // Whether the node stands for a link to a folder.
  static bool IsLinkNode(const vcl::TTreeNode* Node);
  // Whether the node's subfolders are listed.
  static bool IsLoadedNode(const vcl::TTreeNode* Node);

 protected:
  void Loaded() override;
  void CreateWnd() override;
  void Change(vcl::TTreeNode* Node) override;
  bool CanExpand(vcl::TTreeNode* Node) override;
  void Paint() override;
  // Fires OnDirChanged.
  virtual void DirHasChanged();

 private:
  // ---- nodes (VYR_FolderTree.cpp)
  void BuildMainTree();
  // Lists the node's subfolders as its children, once (the expansion step).
  void LoadSubFolders(vcl::TTreeNode* Node);
  // Looks into the not yet looked-into folders among the rows shown.
  void ProbeShownRows();
  void ProbeNode(vcl::TTreeNode* Node);
  vcl::TTreeNode* ChildNamed(vcl::TTreeNode* Parent, const vcl::String& Name) const;
  // ---- operations (VYR_FolderTreeOps.cpp)
  bool SelectNodeOf(vcl::TTreeNode* Node);
  bool LevelsAreRealFolders(const vcl::String& Base, const std::vector<vcl::String>& Levels) const;

  vcl::String FDirectory;
  bool FUseOldStyle = true;
  vcl::TColor FColorBak = vcl::clWindow;
  bool FQuiet = false;  // selection changes do not fire OnDirChanged
  vcl::TNotifyEvent FOnDirChange;
  // Gone when the tree is: stops work after a handler freed the tree.
  std::shared_ptr<bool> FLife = std::make_shared<bool>(true);
};

}  // namespace vyr
