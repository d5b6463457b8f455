// What the folder tree lists: the order of names, the levels a new
// folder's name makes (and the names refused), the parts of a path, and
// the listing of a real folder with hidden folders, files and links.
#include "FolderTree_Support.h"
#include "VYR_FolderTree/VYR_FolderListing.h"

namespace foldertest {
namespace {

std::vector<std::string> Names(const std::vector<TFolderName>& List) {
  std::vector<std::string> out;
  for (const TFolderName& n : List) out.push_back(ToUTF8(n.Name));
  return out;
}

std::vector<std::string> Sorted(std::initializer_list<const char16_t*> Given) {
  std::vector<TFolderName> list;
  for (const char16_t* g : Given) list.push_back({g});
  SortFolderNames(list);
  return Names(list);
}

TEST(FolderListing, NamesSortWithoutRegardToCaseAndEqualOnesKeepTheirOrder) {
  EXPECT_EQ(Sorted({u"cherry", u"Banana", u"apple"}),
            (std::vector<std::string>{"apple", "Banana", "cherry"}));
  EXPECT_EQ(Sorted({u"b", u"B", u"a", u"A"}), (std::vector<std::string>{"a", "A", "b", "B"}));
  // By code units after lower-casing: digits and "_" before letters, "Ä"
  // (ä, E4) after "z".
  EXPECT_EQ(Sorted({u"\u00c4pfel", u"zebra", u"_x", u"10", u"9", u"Zoo"}),
            (std::vector<std::string>{"10", "9", "_x", "zebra", "Zoo", "\xc3\x84pfel"}));
  EXPECT_TRUE(Sorted({}).empty());
}

TEST(FolderListing, ANewFoldersNameGivesItsLevels) {
  struct Case {
    const char16_t* Name;
    std::vector<std::string> Levels;
  } cases[] = {
      {u"new", {"new"}},
      {u"new/sub", {"new", "sub"}},
      {u"new\\sub", {"new", "sub"}},
      {u"/lead/and/trail/", {"lead", "and", "trail"}},
      {u"a//b", {"a", "b"}},
      {u".hidden", {".hidden"}},
      {u"a..b/...", {"a..b", "..."}},
      {u"with space", {"with space"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got;
    for (const String& l : SubFolderLevels(c.Name)) got.push_back(ToUTF8(l));
    EXPECT_EQ(got, c.Levels) << ToUTF8(c.Name);
  }
}

TEST(FolderListing, NamesThatLeadOutOrHoldRefusedCharactersGiveNoLevels) {
  for (const char16_t* name :
       {u"", u"/", u"//", u"a\"b", u"a<b", u"a>b", u"a|b", u"tab\there", u"line\nbreak",
        u"\x1f", u".", u"..", u"../x", u"a/../../x", u"a/./b", u"x/..", u"..\\up"}) {
    EXPECT_TRUE(SubFolderLevels(name).empty()) << ToUTF8(name);
  }
}

TEST(FolderListing, PathLevels) {
  auto levels = [](const char16_t* P) {
    std::vector<std::string> out;
    for (const String& l : PathLevels(P)) out.push_back(ToUTF8(l));
    return out;
  };
  EXPECT_EQ(levels(u"/home/ann/"), (std::vector<std::string>{"home", "ann"}));
  EXPECT_EQ(levels(u"/home/ann"), (std::vector<std::string>{"home", "ann"}));
  EXPECT_EQ(levels(u"//a/./b//"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(levels(u"/a/../b"), (std::vector<std::string>{"a", "..", "b"}));
  EXPECT_TRUE(levels(u"/").empty());
}

// cherry/ (with sub/), Banana/ (only .git/ inside), apple/ (a file inside),
// .hidden/, file.txt, out -> ../outside, loop -> .
TEST(FolderListing, ListsFoldersAndLinksWithoutHiddenOnesAndLooksIntoThem) {
  const fs::path dir = ScratchFolder() / "in";
  MakeDirs(dir, {"cherry/sub", "Banana/.git", "apple", ".hidden/deep"});
  fs::create_directories(dir.parent_path() / "outside" / "deep");
  Touch(dir / "file.txt");
  Touch(dir / "apple" / "readme");
  Link("../outside", dir / "out");
  Link(".", dir / "loop");
  std::vector<TFolderName> list;
  ASSERT_TRUE(ListFolderNames(U(dir), true, list));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"apple", "Banana", "cherry", "loop", "out"}));
  const bool links[] = {false, false, false, true, true};
  const bool below[] = {false, false, true, false, false};  // links are not looked into
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].IsLink, links[i]) << i;
    EXPECT_EQ(list[i].HasSubfolders, below[i]) << i;
  }
  ASSERT_TRUE(ListFolderNames(U(dir) + u"/", false, list));
  EXPECT_FALSE(list[2].HasSubfolders);  // not looked into without Probe
  EXPECT_TRUE(FolderHasSubfolders(U(dir / "cherry")));
  EXPECT_FALSE(FolderHasSubfolders(U(dir / "Banana")));
  EXPECT_FALSE(ListFolderNames(U(dir / "missing"), true, list));
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace foldertest
