// File names and the file system: name parts, existence checks, folders,
// deleting and renaming, and folder searches (FindFirst/FindNext).
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/SysUtils.h"

namespace vcl {

// ---------------------------------------------------------------- names

namespace {

const String kPathDelims(1, PathDelim);

bool StatOf(const String& Name, struct stat& St) {
  return !Name.empty() && ::stat(ToUTF8(Name).c_str(), &St) == 0;
}

}  // namespace

String ExtractFileName(const String& FileName) {
  return FileName.substr(static_cast<std::size_t>(LastDelimiter(kPathDelims, FileName)));
}

String ExtractFilePath(const String& FileName) {
  return FileName.substr(0, static_cast<std::size_t>(LastDelimiter(kPathDelims, FileName)));
}

String ExtractFileDir(const String& FileName) {
  int i = LastDelimiter(kPathDelims, FileName);
  // Keep the root's own delimiter ("/x" -> "/").
  if (i > 1 && FileName[static_cast<std::size_t>(i - 1)] == PathDelim) --i;
  return FileName.substr(0, static_cast<std::size_t>(i));
}

String ExtractFileExt(const String& FileName) {
  int i = LastDelimiter(String(u".") + PathDelim, FileName);
  if (i > 0 && FileName[static_cast<std::size_t>(i - 1)] == u'.') {
    return FileName.substr(static_cast<std::size_t>(i - 1));
  }
  return String();
}

String ChangeFileExt(const String& FileName, const String& Extension) {
  int i = LastDelimiter(String(u".") + PathDelim, FileName);
  if (i == 0 || FileName[static_cast<std::size_t>(i - 1)] != u'.')
    i = static_cast<int>(FileName.size()) + 1;
  return FileName.substr(0, static_cast<std::size_t>(i - 1)) + Extension;
}

String IncludeTrailingPathDelimiter(const String& S) {
  if (!S.empty() && S.back() == PathDelim) return S;
  return S + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& S) {
  if (!S.empty() && S.back() == PathDelim) return S.substr(0, S.size() - 1);
  return S;
}

// ---------------------------------------------------------------- files

bool FileExists(const String& FileName) {
  struct stat st {};
  return StatOf(FileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const String& Directory) {
  struct stat st {};
  return StatOf(Directory, st) && S_ISDIR(st.st_mode);
}

bool CreateDir(const String& Dir) {
  return !Dir.empty() && ::mkdir(ToUTF8(Dir).c_str(), 0777) == 0;
}

bool ForceDirectories(const String& Dir) {
  if (Dir.empty()) throw EInOutError("Unable to create directory");
  String path = ExcludeTrailingPathDelimiter(Dir);
  if (path.empty() || DirectoryExists(path)) return true;
  String parent = ExtractFileDir(path);
  if (!parent.empty() && parent != path && !ForceDirectories(parent)) return false;
  return CreateDir(path) || DirectoryExists(path);
}

bool RemoveDir(const String& Dir) { return !Dir.empty() && ::rmdir(ToUTF8(Dir).c_str()) == 0; }

bool DeleteFile(const String& FileName) {
  struct stat st {};
  std::string path = ToUTF8(FileName);
  if (FileName.empty() || (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) return false;
  return ::unlink(path.c_str()) == 0;
}

bool RenameFile(const String& OldName, const String& NewName) {
  struct stat st {};
  std::string from = ToUTF8(OldName), to = ToUTF8(NewName);
  if (OldName.empty() || NewName.empty() || ::lstat(to.c_str(), &st) == 0) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

String GetCurrentDir() {
  std::vector<char> buffer(PATH_MAX);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return String();
    buffer.resize(buffer.size() * 2);
  }
  return FromUTF8(buffer.data());
}

bool SetCurrentDir(const String& Dir) { return !Dir.empty() && ::chdir(ToUTF8(Dir).c_str()) == 0; }

std::int64_t FileSize(const String& FileName) {
  struct stat st {};
  return StatOf(FileName, st) && !S_ISDIR(st.st_mode) ? static_cast<std::int64_t>(st.st_size) : -1;
}

// ---------------------------------------------------------------- searching

constexpr int kErrorFileNotFound = 2;
constexpr int kErrorNoMoreFiles = 18;

struct TSearchState {
  DIR* Dir = nullptr;
  std::string Folder;   // with a trailing '/', or empty for the current folder
  std::string Pattern;  // for fnmatch
  int ExcludeAttr = 0;  // special attributes the caller did not ask for

  TSearchState() = default;
  TSearchState(const TSearchState&) = delete;
  TSearchState& operator=(const TSearchState&) = delete;
  ~TSearchState() {
    if (Dir != nullptr) ::closedir(Dir);
  }
};

namespace {

int AttributesOf(const std::string& Name, const struct stat& St, bool IsLink) {
  int attr = 0;
  if (S_ISDIR(St.st_mode))
    attr |= faDirectory;
  else if (!S_ISREG(St.st_mode))
    attr |= faSysFile;  // devices, pipes, sockets
  if ((St.st_mode & S_IWUSR) == 0) attr |= faReadOnly;
  if (Name.size() > 1 && Name[0] == '.' && Name != "..") attr |= faHidden;
  if (IsLink) attr |= faSymLink;
  if (attr == 0) attr = faArchive;
  return attr;
}

// Fills F from the entry if it matches the search; false to skip it.
bool Accept(TSearchState& State, const char* Name, TSearchRec& F) {
  if (::fnmatch(State.Pattern.c_str(), Name, 0) != 0) return false;
  std::string full = State.Folder + Name;
  struct stat st {};
  if (::lstat(full.c_str(), &st) != 0) return false;
  bool isLink = S_ISLNK(st.st_mode);
  struct stat target {};
  // A link shows what it points to; a dangling one shows itself.
  if (isLink && ::stat(full.c_str(), &target) == 0) st = target;
  int attr = AttributesOf(Name, st, isLink);
  if ((attr & State.ExcludeAttr) != 0) return false;
  F.Name = FromUTF8(Name);
  F.Attr = attr;
  F.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
  std::time_t mtime = st.st_mtime;
  std::tm local{};
  localtime_r(&mtime, &local);
  TDateTime stamp = 0;
  TryEncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec >= 60 ? 59 : local.tm_sec, 0, stamp);
  F.TimeStamp = stamp;
  F.Time = DateTimeToFileDate(stamp);
  return true;
}

}  // namespace

int FindNext(TSearchRec& F) {
  TSearchState* state = F.FindHandle.get();
  if (state == nullptr || state->Dir == nullptr) return kErrorNoMoreFiles;
  while (dirent* entry = ::readdir(state->Dir)) {
    if (Accept(*state, entry->d_name, F)) return 0;
  }
  return kErrorNoMoreFiles;
}

int FindFirst(const String& Path, int Attr, TSearchRec& F) {
  FindClose(F);
  auto state = std::make_shared<TSearchState>();
  std::string path = ToUTF8(Path);
  std::size_t slash = path.rfind('/');
  state->Folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  state->Pattern = slash == std::string::npos ? path : path.substr(slash + 1);
  // "*.*" means every name, as it always has, dot or no dot.
  if (state->Pattern == "*.*" || state->Pattern.empty()) state->Pattern.assign(1, '*');
  state->ExcludeAttr = ~Attr & (faHidden | faSysFile | faDirectory);
  state->Dir = ::opendir(state->Folder.empty() ? "." : state->Folder.c_str());
  if (state->Dir == nullptr) return kErrorFileNotFound;
  F.FindHandle = state;
  int r = FindNext(F);
  if (r != 0) FindClose(F);
  return r;
}

void FindClose(TSearchRec& F) { F.FindHandle.reset(); }

}  // namespace vcl
