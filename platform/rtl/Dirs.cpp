// Folder listings (platform/Dirs.h): readdir with the entry types the file
// system gives, fstatat where it gives none and for the targets of links.
#include "platform/Dirs.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "platform/SysUtils.h"

namespace vcl {

namespace {

struct TDirCloser {
  void operator()(DIR* D) const { ::closedir(D); }
};
using TDirPtr = std::unique_ptr<DIR, TDirCloser>;

TDirPtr OpenFolder(const String& Dir) {
  if (Dir.empty()) return nullptr;
  return TDirPtr(::opendir(ToUTF8(Dir).c_str()));
}

TDirEntryKind KindOfMode(mode_t Mode) {
  if (S_ISDIR(Mode)) return dekFolder;
  if (S_ISLNK(Mode)) return dekLink;
  if (S_ISREG(Mode)) return dekFile;
  return dekOther;
}

TDirEntryKind KindOfEntry(int Folder, const dirent& E) {
  switch (E.d_type) {
    case DT_DIR: return dekFolder;
    case DT_LNK: return dekLink;
    case DT_REG: return dekFile;
    case DT_UNKNOWN: break;
    default: return dekOther;
  }
  struct stat st {};
  if (::fstatat(Folder, E.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return dekOther;
  return KindOfMode(st.st_mode);
}

bool LinkTargetIsFolder(int Folder, const char* Name) {
  struct stat st {};
  return ::fstatat(Folder, Name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

bool IsDotOrDotDot(const char* Name) {
  return Name[0] == '.' && (Name[1] == 0 || (Name[1] == '.' && Name[2] == 0));
}

// The entry as the options list it; false when they leave it out. The
// name is converted only for entries that are kept.
bool Describe(int Folder, const dirent& E, TListOptions Options, TDirEntry& Out) {
  if (IsDotOrDotDot(E.d_name)) return false;
  if (Options.Contains(loSkipDotNames) && E.d_name[0] == '.') return false;
  Out.Kind = KindOfEntry(Folder, E);
  Out.LinkToFolder = Out.Kind == dekLink && LinkTargetIsFolder(Folder, E.d_name);
  if (Options.Contains(loFoldersOnly) && Out.Kind != dekFolder && !Out.LinkToFolder) return false;
  Out.Name = FromUTF8(E.d_name);
  return true;
}

}  // namespace

bool ListDirectory(const String& Dir, std::vector<TDirEntry>& Entries, TListOptions Options) {
  TDirPtr d = OpenFolder(Dir);
  if (!d) return false;
  const int fd = ::dirfd(d.get());
  std::vector<TDirEntry> found;
  TDirEntry entry;
  while (const dirent* e = ::readdir(d.get())) {
    if (Describe(fd, *e, Options, entry)) found.push_back(std::move(entry));
  }
  if (Entries.empty()) {
    Entries = std::move(found);
  } else {
    Entries.insert(Entries.end(), std::make_move_iterator(found.begin()),
                   std::make_move_iterator(found.end()));
  }
  return true;
}

bool DirectoryHasEntries(const String& Dir, TListOptions Options) {
  TDirPtr d = OpenFolder(Dir);
  if (!d) return false;
  const int fd = ::dirfd(d.get());
  TDirEntry entry;
  while (const dirent* e = ::readdir(d.get())) {
    if (Describe(fd, *e, Options, entry)) return true;
  }
  return false;
}

TDirEntryKind PathKind(const String& Path) {
  std::string path = ToUTF8(Path);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  struct stat st {};
  if (path.empty() || ::lstat(path.c_str(), &st) != 0) return dekOther;
  return KindOfMode(st.st_mode);
}

}  // namespace vcl
