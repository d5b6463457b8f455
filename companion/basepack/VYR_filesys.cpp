#include "companion/basepack/VYR_filesys.h"

#include <filesystem>
#include <system_error>

#include "companion/basepack/VYR_stringl.h"

namespace vyr {

bool DirExists(const vcl::String& Path) {
  if (Path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_directory(std::filesystem::path(vcl::ToUTF8(Path)), ec);
}

vcl::String ParentDir(const vcl::String& Path) {
  vcl::String p = StripTrailingChars(Path, PathDelimiter);
  std::size_t cut = p.find_last_of(PathDelimiter);
  if (p.empty() || cut == vcl::String::npos) return {};
  vcl::String parent = StripTrailingChars(p.substr(0, cut), PathDelimiter);
  return parent.empty() ? vcl::String(1, PathDelimiter) : parent;
}

vcl::String EnsureTrailingBkSlash(const vcl::String& Path) { return EnsureTrailingChar(Path, PathDelimiter); }

}  // namespace vyr
