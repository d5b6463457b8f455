#include <set>

#include "RuntimeTestSupport.h"
#include "platform/Classes.h"

using namespace vcl;

namespace {

void WriteFile(const String& path, std::string_view bytes) {
  TFileStream f(path, fmCreate);
  f.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

std::set<String> Found(const String& pattern, int attr) {
  std::set<String> names;
  TSearchRec rec;
  for (int r = FindFirst(pattern, attr, rec); r == 0; r = FindNext(rec)) names.insert(rec.Name);
  FindClose(rec);
  return names;
}

}  // namespace

TEST(FileNames, Parts) {
  EXPECT_EQ(ExtractFileName(u"/a/b/c.txt"), u"c.txt");
  EXPECT_EQ(ExtractFileName(u"c.txt"), u"c.txt");
  EXPECT_EQ(ExtractFileName(u"/a/b/"), u"");
  EXPECT_EQ(ExtractFilePath(u"/a/b/c.txt"), u"/a/b/");
  EXPECT_EQ(ExtractFilePath(u"c.txt"), u"");
  EXPECT_EQ(ExtractFileDir(u"/a/b/c.txt"), u"/a/b");
  EXPECT_EQ(ExtractFileDir(u"/x"), u"/");
  EXPECT_EQ(ExtractFileExt(u"/a/c.tar.gz"), u".gz");
  EXPECT_EQ(ExtractFileExt(u"/a.b/c"), u"");  // a dot in the folder is no extension
  EXPECT_EQ(ExtractFileExt(u".bashrc"), u".bashrc");
  EXPECT_EQ(ChangeFileExt(u"/a.b/c", u".txt"), u"/a.b/c.txt");
  EXPECT_EQ(ChangeFileExt(u"c.tar.gz", u""), u"c.tar");
  EXPECT_EQ(ChangeFileExt(u"c.bmp", u".png"), u"c.png");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a"), u"/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a/"), u"/a/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/a/"), u"/a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/a"), u"/a");
  EXPECT_EQ(String(1, PathDelim), u"/");
}

TEST(Files, FoldersAreMadeAndRemoved) {
  String root = FromUTF8(ScratchDir("folders"));
  String deep = root + u"/x/y/z";
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));
  EXPECT_TRUE(ForceDirectories(deep + u"/"));  // already there
  EXPECT_FALSE(CreateDir(deep));
  EXPECT_FALSE(RemoveDir(root + u"/x"));  // not empty
  EXPECT_TRUE(RemoveDir(deep));
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_THROW(ForceDirectories(u""), EInOutError);
  WriteFile(root + u"/plain", "data");
  EXPECT_FALSE(ForceDirectories(root + u"/plain/sub"));  // a file is in the way
}

TEST(Files, DeleteAndRenameNeverOverwrite) {
  String root = FromUTF8(ScratchDir("rename"));
  String a = root + u"/a.txt", b = root + u"/b.txt", c = root + u"/c.txt";
  WriteFile(a, "aaa");
  WriteFile(b, "bb");
  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(DirectoryExists(a));
  EXPECT_EQ(FileSize(a), 3);
  EXPECT_FALSE(RenameFile(a, b));  // the target exists: both stay
  EXPECT_EQ(FileSize(a), 3);
  EXPECT_EQ(FileSize(b), 2);
  EXPECT_TRUE(RenameFile(a, c));
  EXPECT_FALSE(FileExists(a));
  EXPECT_TRUE(FileExists(c));
  EXPECT_FALSE(DeleteFile(root));  // a folder is no file
  EXPECT_TRUE(DeleteFile(c));
  EXPECT_FALSE(DeleteFile(c));
  EXPECT_FALSE(FileExists(u""));
  EXPECT_EQ(FileSize(root + u"/none"), -1);
}

TEST(Files, CurrentFolder) {
  String here = GetCurrentDir();
  EXPECT_FALSE(here.empty());
  EXPECT_TRUE(DirectoryExists(here));
  String root = FromUTF8(ScratchDir("cwd"));
  ASSERT_TRUE(SetCurrentDir(root));
  EXPECT_EQ(ExtractFileName(GetCurrentDir()), ExtractFileName(root));
  EXPECT_TRUE(SetCurrentDir(here));
  EXPECT_FALSE(SetCurrentDir(root + u"/missing"));
}

TEST(FindFiles, PatternsAndAttributes) {
  String root = FromUTF8(ScratchDir("find"));
  WriteFile(root + u"/a.txt", "12345");
  WriteFile(root + u"/b.TXT", "");
  WriteFile(root + u"/c.dat", "");
  WriteFile(root + u"/Makefile", "");
  WriteFile(root + u"/.hidden", "");
  ForceDirectories(root + u"/sub");
  using S = std::set<String>;
  EXPECT_EQ(Found(root + u"/*.txt", faAnyFile), (S{u"a.txt"}));
  EXPECT_EQ(Found(root + u"/?.dat", 0), (S{u"c.dat"}));
  EXPECT_EQ(Found(root + u"/*.*", 0), (S{u"a.txt", u"b.TXT", u"c.dat", u"Makefile"}));
  EXPECT_EQ(Found(root + u"/*", faDirectory),
            (S{u".", u"..", u"a.txt", u"b.TXT", u"c.dat", u"Makefile", u"sub"}));
  EXPECT_EQ(Found(root + u"/.*", faHidden), (S{u".hidden"}));
  EXPECT_EQ(Found(root + u"/*.none", faAnyFile), S{});

  TSearchRec rec;
  ASSERT_EQ(FindFirst(root + u"/a.txt", faAnyFile, rec), 0);
  EXPECT_EQ(rec.Size, 5);
  EXPECT_EQ(rec.Attr & faDirectory, 0);
  EXPECT_NEAR(rec.TimeStamp, Now(), 1.0);
  EXPECT_NE(rec.Time, 0);
  EXPECT_NE(FindNext(rec), 0);
  EXPECT_NE(FindNext(rec), 0);  // stays at the end
  ASSERT_EQ(FindFirst(root + u"/sub", faDirectory, rec), 0);
  EXPECT_NE(rec.Attr & faDirectory, 0);
  FindClose(rec);
  EXPECT_NE(FindNext(rec), 0);
  EXPECT_NE(FindFirst(root + u"/missing/*", faAnyFile, rec), 0);
}
