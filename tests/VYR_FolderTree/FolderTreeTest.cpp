// The folder tree on temporary folders: the root after window creation,
// selecting paths, creating, refusing and removing folders, refreshing
// after an outside change, hidden folders, the order of names, links
// (listed, never entered, never removed) and the events of a selection.
#include <cstdio>

#include "FolderTree_Support.h"
#include "platform/Classes.h"
#include "platform/Streaming.h"

namespace foldertest {
namespace {

TEST_F(FolderFixture, WindowCreationShowsTheRootWithAPlaceholder) {
  TTreeNode* top = tree->Items()->GetFirstNode();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Text(), u"/");
  EXPECT_EQ(Children(top), std::vector<std::string>{"Child"});
  EXPECT_FALSE(top->Expanded());
  EXPECT_EQ(Sel(), top);
  EXPECT_EQ(Directory(), "/");
  EXPECT_EQ(tree->PathOfNode(top), u"/");
  EXPECT_TRUE(tree->ReadOnly());
  EXPECT_FALSE(tree->MultiSelect());
}

TEST_F(FolderFixture, SelectPathListsTheWayDownAndSelectsTheFolder) {
  MakeDirs(root, {"a/b/c", "a/b2", "a2"});
  ASSERT_TRUE(tree->SelectPath(U(root / "a" / "b")));
  EXPECT_EQ(tree->Directory(), Dir(root / "a" / "b"));
  ASSERT_NE(Sel(), nullptr);
  EXPECT_EQ(Sel()->Text(), u"b");
  EXPECT_EQ(tree->PathOfNode(Sel()), Dir(root / "a" / "b"));
  EXPECT_EQ(Children(Sel()->Parent()), (std::vector<std::string>{"b", "b2"}));
  EXPECT_EQ(Children(Sel()), std::vector<std::string>{"c"});  // listed, not expanded
  EXPECT_TRUE(TFolderTree::IsLoadedNode(Sel()));
  EXPECT_TRUE(Sel()->Parent()->Expanded());
  EXPECT_EQ(dirChanges, std::vector<std::string>{ToUTF8(Dir(root / "a" / "b"))});
  // A trailing separator and a path given twice change nothing more.
  ASSERT_TRUE(tree->SelectPath(Dir(root / "a" / "b")));
  EXPECT_EQ(dirChanges.size(), 1u);
}

TEST_F(FolderFixture, AMissingFolderIsNotSelectedAndTheTreeIsLeftAlone) {
  MakeDirs(root, {"a"});
  ASSERT_TRUE(tree->SelectPath(U(root / "a")));
  TTreeNode* before = Sel();
  const int count = tree->Items()->Count();
  EXPECT_FALSE(tree->SelectPath(U(root / "nothing")));
  EXPECT_FALSE(tree->SelectPath(u""));
  EXPECT_EQ(Sel(), before);
  EXPECT_EQ(tree->Items()->Count(), count);
  EXPECT_EQ(Directory(), ToUTF8(Dir(root / "a")));
}

TEST_F(FolderFixture, APathTheTreeDoesNotShowSelectsTheDeepestFolderOnTheWay) {
  MakeDirs(root, {"a/.hidden/inner"});
  EXPECT_FALSE(tree->SelectPath(U(root / "a" / ".hidden" / "inner")));
  EXPECT_EQ(tree->Directory(), Dir(root / "a"));
}

TEST_F(FolderFixture, NamesAreSortedWithoutRegardToCase) {
  MakeDirs(root, {"cherry", "Banana", "apple"});
  ASSERT_TRUE(tree->SelectPath(U(root)));
  Sel()->Expand(false);
  EXPECT_EQ(Children(Sel()), (std::vector<std::string>{"apple", "Banana", "cherry"}));
}

TEST_F(FolderFixture, HiddenFoldersAreNotShownAndGiveNoExpandButton) {
  MakeDirs(root, {"onlydots/.git", "onlydots/.cache/x", "withsub/real", "empty"});
  Touch(root / "onlydots" / "file");
  ASSERT_TRUE(tree->SelectPath(U(root)));
  const std::vector<std::string> names{"empty", "onlydots", "withsub"};
  ASSERT_EQ(Children(Sel()), names);
  const bool buttons[] = {false, false, true};
  for (int i = 0; i < 3; ++i) {
    TTreeNode* n = Sel()->Item(i);
    EXPECT_EQ(n->HasChildren(), buttons[i]) << names[i];
    EXPECT_EQ(n->Count(), buttons[i] ? 1 : 0) << names[i];
  }
  EXPECT_EQ(Sel()->Item(2)->Item(0)->Text(), u"Child");
  Sel()->Item(1)->Expand(false);  // nothing to list: stays closed
  EXPECT_FALSE(Sel()->Item(1)->Expanded());
}

TEST_F(FolderFixture, ExpandingListsOnceAndReplacesThePlaceholder) {
  MakeDirs(root, {"p/one", "p/two/deeper"});
  ASSERT_TRUE(tree->SelectPath(U(root)));
  TTreeNode* p = Sel()->Item(0);
  EXPECT_EQ(Children(p), std::vector<std::string>{"Child"});
  p->Expand(false);
  EXPECT_EQ(Children(p), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(TFolderTree::IsLoadedNode(p));
  fs::create_directories(root / "p" / "three");  // seen only after a rebuild
  p->Collapse(false);
  p->Expand(false);
  EXPECT_EQ(p->Count(), 2);
  ASSERT_TRUE(tree->SelectPath(U(root / "p")));
  EXPECT_EQ(Children(Sel()), (std::vector<std::string>{"one", "three", "two"}));
}

TEST_F(FolderFixture, AnApplicationRefusingTheExpansionStopsTheListing) {
  MakeDirs(root, {"p/one"});
  ASSERT_TRUE(tree->SelectPath(U(root)));
  bool allow = false;
  int asked = 0;
  tree->SetOnExpanding([&](TObject*, TTreeNode*, bool& Allow) {
    ++asked;
    Allow = allow;
  });
  TTreeNode* p = Sel()->Item(0);
  p->Expand(false);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Children(p), std::vector<std::string>{"Child"});
  allow = true;
  p->Expand(false);
  EXPECT_EQ(Children(p), std::vector<std::string>{"one"});
}

// Beyond ProbeLimit subfolders, each is looked into when its row is
// painted (or when it is expanded), not when the folder is listed.
TEST_F(FolderFixture, LargeFoldersAreLookedIntoAsTheirRowsAreShown) {
  const int n = TFolderTree::ProbeLimit + 3;
  char name[16];
  for (int i = 0; i < n; ++i) {
    std::snprintf(name, sizeof name, "d%04d", i);
    fs::create_directory(root / name);
  }
  MakeDirs(root, {"d0001/x", "d0900/x"});
  ASSERT_TRUE(tree->SelectPath(U(root)));
  TTreeNode* big = Sel();
  ASSERT_EQ(big->Count(), n);
  for (int i : {0, 1, 900}) {
    EXPECT_TRUE(big->Item(i)->HasChildren()) << i;  // not looked into yet
    EXPECT_EQ(big->Item(i)->Count(), 0) << i;
  }
  big->Expand(false);
  tree->SetTopItem(big->Item(0));
  headless::Snapshot(tree);
  EXPECT_FALSE(big->Item(0)->HasChildren());
  EXPECT_EQ(Children(big->Item(1)), std::vector<std::string>{"Child"});
  EXPECT_TRUE(big->Item(900)->HasChildren());
  EXPECT_EQ(big->Item(900)->Count(), 0);
  tree->SetTopItem(big->Item(899));
  headless::Snapshot(tree);
  EXPECT_FALSE(big->Item(899)->HasChildren());
  EXPECT_EQ(Children(big->Item(900)), std::vector<std::string>{"Child"});
  TTreeNode* unseen = big->Item(500);
  ASSERT_TRUE(unseen->HasChildren());
  unseen->Expand(false);  // listed at once: nothing there
  EXPECT_FALSE(unseen->HasChildren());
  EXPECT_FALSE(unseen->Expanded());
}

// ---------------------------------------------------------------- making folders

TEST_F(FolderFixture, MakeSubFolderCreatesNestedFoldersAndSelectsTheLast) {
  MakeDirs(root, {"base"});
  ASSERT_TRUE(tree->SelectPath(U(root / "base")));
  dirChanges.clear();
  EXPECT_TRUE(tree->MakeSubFolder(u"new/sub"));
  EXPECT_TRUE(fs::is_directory(root / "base" / "new" / "sub"));
  EXPECT_EQ(tree->Directory(), Dir(root / "base" / "new" / "sub"));
  EXPECT_EQ(Sel()->Text(), u"sub");
  EXPECT_EQ(dirChanges.size(), 1u);
  EXPECT_TRUE(tree->MakeSubFolder(u"\\back\\slashes\\"));
  EXPECT_TRUE(fs::is_directory(root / "base" / "new" / "sub" / "back" / "slashes"));
  ASSERT_TRUE(tree->SelectPath(U(root / "base")));
  EXPECT_TRUE(tree->MakeSubFolder(u"new"));  // there already: selected
  EXPECT_EQ(tree->Directory(), Dir(root / "base" / "new"));
}

TEST_F(FolderFixture, RefusedNamesTouchNothing) {
  MakeDirs(root, {"base/inner"});
  ASSERT_TRUE(tree->SelectPath(U(root / "base" / "inner")));
  const std::vector<std::string> before = Contents(root);
  for (const char16_t* name : {u"a\"b", u"a<b", u"a>b", u"a|b", u"tab\tname", u"", u"/",
                               u"../x", u"a/../../x", u"..", u".", u"./y"}) {
    EXPECT_FALSE(tree->MakeSubFolder(name)) << ToUTF8(name);
  }
  EXPECT_EQ(Contents(root), before);
  EXPECT_EQ(tree->Directory(), Dir(root / "base" / "inner"));
}

TEST_F(FolderFixture, NothingSelectedMakesNothing) {
  tree->Items()->Clear();
  EXPECT_FALSE(tree->MakeSubFolder(u"x"));
  EXPECT_FALSE(tree->RemoveSelectedFolder());
}

// ---------------------------------------------------------------- removing and refreshing

TEST_F(FolderFixture, RemovingAnEmptyFolderSelectsItsParent) {
  MakeDirs(root, {"base/gone", "base/stays"});
  ASSERT_TRUE(tree->SelectPath(U(root / "base" / "gone")));
  dirChanges.clear();
  EXPECT_TRUE(tree->RemoveSelectedFolder());
  EXPECT_FALSE(fs::exists(root / "base" / "gone"));
  EXPECT_EQ(tree->Directory(), Dir(root / "base"));
  EXPECT_EQ(Children(Sel()), std::vector<std::string>{"stays"});
  EXPECT_EQ(dirChanges.size(), 1u);
}

TEST_F(FolderFixture, ANonEmptyFolderOrTheRootIsNotRemoved) {
  MakeDirs(root, {"full/child", "withfile"});
  Touch(root / "withfile" / "f");
  for (const char* name : {"full", "withfile"}) {
    ASSERT_TRUE(tree->SelectPath(U(root / name)));
    EXPECT_FALSE(tree->RemoveSelectedFolder()) << name;
    EXPECT_TRUE(fs::exists(root / name));
    EXPECT_EQ(tree->Directory(), Dir(root / name));
  }
  tree->Reset();
  EXPECT_FALSE(tree->RemoveSelectedFolder());
}

TEST_F(FolderFixture, RefreshAfterAnOutsideDeletionSelectsTheNearestAncestor) {
  MakeDirs(root, {"a/b/c"});
  ASSERT_TRUE(tree->SelectPath(U(root / "a" / "b" / "c")));
  fs::remove_all(root / "a" / "b");
  dirChanges.clear();
  EXPECT_TRUE(tree->RefreshTree());
  EXPECT_EQ(tree->Directory(), Dir(root / "a"));
  EXPECT_EQ(Sel()->Text(), u"a");
  EXPECT_EQ(dirChanges, std::vector<std::string>{ToUTF8(Dir(root / "a"))});
  EXPECT_TRUE(Children(Sel()).empty());
  dirChanges.clear();
  EXPECT_TRUE(tree->RefreshTree());  // nothing changed: no event
  EXPECT_TRUE(dirChanges.empty());
}

TEST_F(FolderFixture, ResetGoesBackToTheRoot) {
  MakeDirs(root, {"a"});
  ASSERT_TRUE(tree->SelectPath(U(root / "a")));
  dirChanges.clear();
  tree->Reset();
  EXPECT_EQ(Directory(), "/");
  EXPECT_EQ(tree->Items()->Count(), 2);
  EXPECT_EQ(dirChanges, std::vector<std::string>{"/"});
  tree->Reset();
  EXPECT_EQ(dirChanges.size(), 1u);
}

// ---------------------------------------------------------------- links

TEST_F(FolderFixture, ALinkToAFolderOutsideIsListedButNeverEntered) {
  MakeDirs(root, {"in/real", "outside/secret"});
  Link(root / "outside", root / "in" / "out");
  ASSERT_TRUE(tree->SelectPath(U(root / "in")));
  ASSERT_EQ(Children(Sel()), (std::vector<std::string>{"out", "real"}));
  TTreeNode* link = Sel()->Item(0);
  EXPECT_TRUE(TFolderTree::IsLinkNode(link));
  EXPECT_FALSE(link->HasChildren());
  link->Expand(false);
  EXPECT_EQ(link->Count(), 0);
  // Selected, it is no place to make or remove folders in.
  ASSERT_TRUE(tree->SelectPath(U(root / "in" / "out")));
  EXPECT_EQ(Sel()->Text(), u"out");
  EXPECT_TRUE(TFolderTree::IsLinkNode(Sel()));
  EXPECT_FALSE(tree->RemoveSelectedFolder());
  EXPECT_FALSE(tree->MakeSubFolder(u"x"));
  EXPECT_TRUE(fs::is_symlink(root / "in" / "out"));
  EXPECT_TRUE(fs::exists(root / "outside" / "secret"));
  EXPECT_FALSE(fs::exists(root / "outside" / "x"));
  // Nor is a link on the way of a new folder's levels.
  ASSERT_TRUE(tree->SelectPath(U(root / "in")));
  EXPECT_FALSE(tree->MakeSubFolder(u"out/x"));
  EXPECT_FALSE(fs::exists(root / "outside" / "x"));
}

TEST_F(FolderFixture, AnEmptyFolderBehindALinkIsNotRemovedThroughIt) {
  MakeDirs(root, {"in", "target"});
  Link(root / "target", root / "in" / "toempty");
  ASSERT_TRUE(tree->SelectPath(U(root / "in")));
  tree->SetSelected(Sel()->Item(0));
  ASSERT_EQ(Sel()->Text(), u"toempty");
  EXPECT_FALSE(tree->RemoveSelectedFolder());
  EXPECT_TRUE(fs::is_directory(root / "target"));
  EXPECT_TRUE(fs::is_symlink(root / "in" / "toempty"));
}

TEST_F(FolderFixture, ALinkLoopEndsTheWalk) {
  MakeDirs(root, {"loopy/sub"});
  Link(".", root / "loopy" / "self");
  Link("..", root / "loopy" / "sub" / "up");
  ASSERT_TRUE(tree->SelectPath(U(root / "loopy")));
  Sel()->Expand(true);  // every folder below that can be expanded: never through a link
  EXPECT_EQ(Children(Sel()), (std::vector<std::string>{"self", "sub"}));
  EXPECT_EQ(Children(Sel()->Item(1)), std::vector<std::string>{"up"});
  EXPECT_EQ(Sel()->Item(0)->Count(), 0);
  EXPECT_EQ(Sel()->Item(1)->Item(0)->Count(), 0);
  EXPECT_FALSE(tree->SelectPath(U(root / "loopy" / "self" / "sub")));
  EXPECT_EQ(Sel()->Text(), u"self");
}

// ---------------------------------------------------------------- listings, events, settings

TEST_F(FolderFixture, GetSubDirsAppendsSortedNamesMarkedWhenTheyHaveSubfolders) {
  MakeDirs(root, {"Zed/x", "alpha", ".hid"});
  Touch(root / "file");
  TStringList list;
  list.Add(u"kept");
  EXPECT_TRUE(tree->GetSubDirs(U(root), &list));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(1), u"alpha");
  EXPECT_EQ(list.Strings(2), u"Zed");
  EXPECT_EQ(list.Objects(1), nullptr);
  EXPECT_NE(list.Objects(2), nullptr);
  TStringList empty;
  EXPECT_FALSE(tree->GetSubDirs(U(root / "alpha"), &empty));
  EXPECT_FALSE(tree->GetSubDirs(U(root / "missing"), &empty));
  EXPECT_FALSE(tree->GetSubDirs(U(root / "file"), &empty));
  ASSERT_TRUE(tree->SelectPath(U(root)));
  EXPECT_TRUE(tree->GetSubDirs(Sel(), empty));
  EXPECT_EQ(empty.Count(), 2);
}

TEST_F(FolderFixture, ASelectionChangeFiresClickChangeThenDirChanged) {
  MakeDirs(root, {"a", "b"});
  ASSERT_TRUE(tree->SelectPath(U(root / "a")));
  std::vector<std::string> log;
  tree->SetOnClick([&](TObject*) { log.push_back("click " + Directory()); });
  tree->SetOnChange([&](TObject*, TTreeNode*) { log.push_back("change " + Directory()); });
  tree->SetOnDirChanged([&](TObject*) { log.push_back("dir " + Directory()); });
  tree->SetSelected(Sel()->GetNextSibling());
  const std::string b = ToUTF8(Dir(root / "b"));
  EXPECT_EQ(log, (std::vector<std::string>{"click " + ToUTF8(Dir(root / "a")), "change " + b,
                                           "dir " + b}));
}

TEST_F(FolderFixture, DisablingShowsButtonFaceAndEnablingTheColorSet) {
  tree->SetColor(clYellow);
  EXPECT_EQ(tree->Color(), clYellow);
  tree->SetEnabled(false);
  EXPECT_EQ(tree->Color(), clBtnFace);
  tree->SetColor(clAqua);  // remembered while disabled
  EXPECT_EQ(tree->Color(), clBtnFace);
  tree->SetEnabled(true);
  EXPECT_EQ(tree->Color(), clAqua);
  EXPECT_EQ(tree->GetColor(), clAqua);
}

TEST_F(FolderFixture, FormFilesKeepTheSettingsAndABlackColorReadsAsWhite) {
  tree->SetName(u"Folders");
  tree->SetOldTreeStyle(false);
  tree->SetEnabled(false);
  const String text = WriteComponentToText(tree);
  EXPECT_EQ(text.find(u"clBtnFace"), String::npos);  // the enabled color is stored
  auto copy = std::make_unique<TFolderTree>(nullptr);
  ReadComponentFromText(text, copy.get());
  EXPECT_FALSE(copy->OldTreeStyle());
  EXPECT_FALSE(copy->Enabled());
  EXPECT_EQ(copy->Color(), clBtnFace);
  copy->SetEnabled(true);
  EXPECT_EQ(copy->Color(), clWindow);
  auto black = std::make_unique<TFolderTree>(nullptr);
  ReadComponentFromText(u"object F: TFolderTree\n  Color = clBlack\nend\n", black.get());
  EXPECT_EQ(black->Color(), clWhite);
  auto plain = std::make_unique<TFolderTree>(nullptr);
  plain->SetName(u"P");
  EXPECT_EQ(ToUTF8(WriteComponentToText(plain.get())).find("Buffered"), std::string::npos);
  EXPECT_EQ(ToUTF8(WriteComponentToText(plain.get())).find("ReadOnly"), std::string::npos);
}

TEST_F(FolderFixture, APathSelectedBeforeTheWindowExistsIsKept) {
  MakeDirs(root, {"early"});
  auto other = std::make_unique<TForm>(nullptr);
  auto* t = new TFolderTree(other.get());
  ASSERT_TRUE(t->SelectPath(U(root / "early")));
  t->SetParent(other.get());
  headless::Snapshot(other.get());
  EXPECT_EQ(t->Directory(), Dir(root / "early"));
}

}  // namespace
}  // namespace foldertest
