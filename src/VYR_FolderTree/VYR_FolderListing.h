// What the folder tree lists and how: the subfolders of one folder in the
// tree's order, the check of a new folder's name, and the parts of a path.
// No tree nodes here, so each rule can be checked on its own.
#pragma once

#include <vector>

#include "platform/Types.h"

namespace vyr {

// One subfolder as the tree shows it.
struct TFolderName {
  vcl::String Name;
  bool IsLink = false;         // a link to a folder: listed, never entered
  bool HasSubfolders = false;  // only where the listing looked (see below)
};

// The subfolders of Folder (a path with or without a trailing "/"): real
// folders and links to folders whose names do not begin with "." (so "."
// and ".." and every hidden folder are left out), sorted by
// SortFolderNames. HasSubfolders is found out (FolderHasSubfolders) for
// the real folders when Probe is set. False when Folder cannot be read;
// Names is replaced either way.
bool ListFolderNames(const vcl::String& Folder, bool Probe, std::vector<TFolderName>& Names);

// Whether a folder holds something the tree would list under it (a
// subfolder or a link to one, not dot-named). Reads only until it finds one.
bool FolderHasSubfolders(const vcl::String& Folder);

// Ascending by the lower-cased names compared by UTF-16 code units; names
// equal that way keep their order ("apple", "Banana", "cherry").
void SortFolderNames(std::vector<TFolderName>& Names);

// The folders a name for MakeSubFolder creates under the selected one, one
// per level: "/" and "\" separate levels, separators at either end and
// doubled ones are dropped. Empty (refused) when the name is empty, holds
// a character below 32 or one of " < > |, or a level is "." or "..", which
// would lead out of the selected folder.
std::vector<vcl::String> SubFolderLevels(const vcl::String& Name);

// The components of an absolute path: "/home/ann/" gives "home", "ann";
// doubled separators and "." levels are dropped. A level ".." is kept as
// it stands (no folder in the tree has that name). Empty for "/".
std::vector<vcl::String> PathLevels(const vcl::String& Path);

}  // namespace vyr
