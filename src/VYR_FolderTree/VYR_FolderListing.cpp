#include "VYR_FolderTree/VYR_FolderListing.h"

#include <algorithm>

#include "platform/Dirs.h"
#include "platform/SysUtils.h"

namespace vyr {

namespace {

constexpr vcl::TListOptions kShown{vcl::loFoldersOnly, vcl::loSkipDotNames};

vcl::String WithSeparator(const vcl::String& Folder) {
  return !Folder.empty() && Folder.back() == u'/' ? Folder : Folder + u'/';
}

bool IsRefusedChar(char16_t C) {
  return C < 32 || C == u'"' || C == u'<' || C == u'>' || C == u'|';
}

// The parts of Text between separators, empty parts dropped.
std::vector<vcl::String> Split(const vcl::String& Text, bool BackslashToo) {
  std::vector<vcl::String> parts;
  vcl::String part;
  for (char16_t c : Text) {
    if (c == u'/' || (BackslashToo && c == u'\\')) {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

}  // namespace

bool FolderHasSubfolders(const vcl::String& Folder) {
  return vcl::DirectoryHasEntries(Folder, kShown);
}

bool ListFolderNames(const vcl::String& Folder, bool Probe, std::vector<TFolderName>& Names) {
  Names.clear();
  std::vector<vcl::TDirEntry> entries;
  if (!vcl::ListDirectory(Folder, entries, kShown)) return false;
  Names.reserve(entries.size());
  for (vcl::TDirEntry& e : entries) Names.push_back({std::move(e.Name), e.Kind == vcl::dekLink});
  SortFolderNames(Names);
  if (!Probe) return true;
  const vcl::String base = WithSeparator(Folder);
  for (TFolderName& n : Names) n.HasSubfolders = !n.IsLink && FolderHasSubfolders(base + n.Name);
  return true;
}

// The keys are made once; the sort moves key and name together.
void SortFolderNames(std::vector<TFolderName>& Names) {
  struct TKeyed {
    vcl::String Key;
    TFolderName Name;
  };
  std::vector<TKeyed> keyed;
  keyed.reserve(Names.size());
  for (TFolderName& n : Names) keyed.push_back({vcl::AnsiLowerCase(n.Name), std::move(n)});
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const TKeyed& a, const TKeyed& b) { return a.Key < b.Key; });
  for (std::size_t i = 0; i < keyed.size(); ++i) Names[i] = std::move(keyed[i].Name);
}

std::vector<vcl::String> SubFolderLevels(const vcl::String& Name) {
  if (std::any_of(Name.begin(), Name.end(), IsRefusedChar)) return {};
  std::vector<vcl::String> levels = Split(Name, true);
  for (const vcl::String& l : levels) {
    if (l == u"." || l == u"..") return {};
  }
  return levels;
}

std::vector<vcl::String> PathLevels(const vcl::String& Path) {
  std::vector<vcl::String> levels = Split(Path, false);
  std::erase(levels, vcl::String(u"."));
  return levels;
}

}  // namespace vyr
