// Folder listings: kinds from the listing, links listed as links (with
// their targets' kind), the options, the early stop of DirectoryHasEntries
// and the kind of a path without following a link at its end.
#include <unistd.h>

#include <map>
#include <vector>

#include "RuntimeTestSupport.h"
#include "platform/Classes.h"
#include "platform/Dirs.h"

using namespace vcl;

namespace {

// A folder with every kind of entry:
//   sub/            folder          .dotdir/        hidden folder
//   file.txt        file            .dotfile        hidden file
//   tofolder ->  ../outside         tofile -> file.txt
//   dangling ->  nowhere            loop -> .  (the folder itself)
// Each test has its own, as tests may run at the same time.
String MakeSample() {
  const std::string root =
      ScratchDir(std::string("dirs_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  const std::string dir = root + "/in";
  for (const char* d : {"/in", "/in/sub", "/in/.dotdir", "/outside", "/outside/deep"}) {
    EXPECT_TRUE(CreateDir(FromUTF8(root + d)));
  }
  for (const char* f : {"/in/file.txt", "/in/.dotfile"}) {
    TFileStream(FromUTF8(root + f), fmCreate);
  }
  EXPECT_EQ(::symlink("../outside", (dir + "/tofolder").c_str()), 0);
  EXPECT_EQ(::symlink("file.txt", (dir + "/tofile").c_str()), 0);
  EXPECT_EQ(::symlink("nowhere", (dir + "/dangling").c_str()), 0);
  EXPECT_EQ(::symlink(".", (dir + "/loop").c_str()), 0);
  return FromUTF8(dir);
}

std::map<String, std::pair<TDirEntryKind, bool>> Listed(const String& Dir, TListOptions Options) {
  std::vector<TDirEntry> entries;
  EXPECT_TRUE(ListDirectory(Dir, entries, Options));
  std::map<String, std::pair<TDirEntryKind, bool>> out;
  for (const TDirEntry& e : entries) out[e.Name] = {e.Kind, e.LinkToFolder};
  EXPECT_EQ(out.size(), entries.size()) << "a name listed twice";
  return out;
}

using Kinds = std::map<String, std::pair<TDirEntryKind, bool>>;

}  // namespace

TEST(Dirs, ListsEveryEntryWithItsOwnKind) {
  const String dir = MakeSample();
  EXPECT_EQ(Listed(dir, {}), (Kinds{{u"sub", {dekFolder, false}},
                                    {u".dotdir", {dekFolder, false}},
                                    {u"file.txt", {dekFile, false}},
                                    {u".dotfile", {dekFile, false}},
                                    {u"tofolder", {dekLink, true}},
                                    {u"tofile", {dekLink, false}},
                                    {u"dangling", {dekLink, false}},
                                    {u"loop", {dekLink, true}}}));
}

TEST(Dirs, OptionsKeepFoldersAndDropDotNames) {
  const String dir = MakeSample();
  EXPECT_EQ(Listed(dir, {loFoldersOnly}), (Kinds{{u"sub", {dekFolder, false}},
                                                 {u".dotdir", {dekFolder, false}},
                                                 {u"tofolder", {dekLink, true}},
                                                 {u"loop", {dekLink, true}}}));
  EXPECT_EQ(Listed(dir, {loFoldersOnly, loSkipDotNames}),
            (Kinds{{u"sub", {dekFolder, false}},
                   {u"tofolder", {dekLink, true}},
                   {u"loop", {dekLink, true}}}));
  EXPECT_EQ(Listed(dir, {loSkipDotNames}).count(u".dotfile"), 0u);
}

TEST(Dirs, ListingAppendsAndAMissingFolderLeavesTheListAlone) {
  const String dir = MakeSample();
  std::vector<TDirEntry> entries(1);
  entries[0].Name = u"kept";
  EXPECT_TRUE(ListDirectory(dir + u"/sub", entries));  // an empty folder
  EXPECT_TRUE(ListDirectory(dir, entries, {loFoldersOnly, loSkipDotNames}));
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].Name, u"kept");
  EXPECT_FALSE(ListDirectory(dir + u"/missing", entries));
  EXPECT_FALSE(ListDirectory(dir + u"/file.txt", entries));
  EXPECT_FALSE(ListDirectory(u"", entries));
  EXPECT_EQ(entries.size(), 4u);
}

TEST(Dirs, HasEntriesAnswersForTheOptions) {
  const String dir = MakeSample();
  struct Case {
    String Path;
    TListOptions Options;
    bool Want;
  } cases[] = {
      {dir, {loFoldersOnly, loSkipDotNames}, true},
      {dir + u"/sub", {}, false},
      {dir + u"/../outside", {loFoldersOnly}, true},
      {dir + u"/../outside/deep", {loFoldersOnly}, false},
      {dir + u"/missing", {}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(DirectoryHasEntries(c.Path, c.Options), c.Want) << ToUTF8(c.Path);
  // Only hidden folders and files: nothing for a browser of folders.
  const String hidden = dir + u"/sub";
  ASSERT_TRUE(CreateDir(hidden + u"/.git"));
  TFileStream(hidden + u"/readme", fmCreate);
  EXPECT_FALSE(DirectoryHasEntries(hidden, {loFoldersOnly, loSkipDotNames}));
  EXPECT_TRUE(DirectoryHasEntries(hidden, {loFoldersOnly}));
  EXPECT_TRUE(DirectoryHasEntries(hidden, {loSkipDotNames}));
}

TEST(Dirs, PathKindDoesNotFollowALinkAtTheEnd) {
  const String dir = MakeSample();
  EXPECT_EQ(PathKind(dir + u"/sub"), dekFolder);
  EXPECT_EQ(PathKind(dir + u"/sub/"), dekFolder);
  EXPECT_EQ(PathKind(dir + u"/tofolder"), dekLink);
  EXPECT_EQ(PathKind(dir + u"/tofolder//"), dekLink);
  EXPECT_EQ(PathKind(dir + u"/tofolder/deep"), dekFolder);  // links inside the path are followed
  EXPECT_EQ(PathKind(dir + u"/file.txt"), dekFile);
  EXPECT_EQ(PathKind(dir + u"/missing"), dekOther);
  EXPECT_EQ(PathKind(u"/"), dekFolder);
  EXPECT_EQ(PathKind(u""), dekOther);
}
