// Folder listings for browsing: the entries of one folder read in one pass
// as the system reports them, without following links into other folders.
//
//   std::vector<vcl::TDirEntry> subfolders;
//   vcl::ListDirectory(u"/home/ann", subfolders, {vcl::loFoldersOnly, vcl::loSkipDotNames});
//   bool more = vcl::DirectoryHasEntries(u"/home/ann/photos", {vcl::loFoldersOnly});
//
// A link is listed as a link (dekLink); only its target is looked at (one
// stat) to tell whether it points to a folder, and nothing is read through
// it. Kinds come from the listing itself where the file system gives them,
// else from one lstat of the entry. Entries come in the order the system
// gives them: sort them yourself.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace vcl {

enum TDirEntryKind : std::uint8_t { dekFile, dekFolder, dekLink, dekOther };

struct TDirEntry {
  String Name;
  TDirEntryKind Kind = dekOther;
  // A link whose target is a folder (a dangling link points to nothing).
  bool LinkToFolder = false;
};

enum TListOption : std::uint8_t {
  loFoldersOnly,  // folders and links to folders only
  loSkipDotNames  // no names that begin with '.' (hidden entries)
};
using TListOptions = Set<TListOption>;

// Appends the entries of the folder Dir ("." and ".." never) to Entries.
// False, with Entries untouched, when Dir cannot be opened as a folder.
bool ListDirectory(const String& Dir, std::vector<TDirEntry>& Entries, TListOptions Options = {});

// Whether ListDirectory(Dir, ..., Options) would list anything; reads only
// until the first such entry. False when Dir cannot be opened.
bool DirectoryHasEntries(const String& Dir, TListOptions Options = {});

// What the path itself is, without following a link at its end (trailing
// separators do not make it follow one); dekOther when it does not exist.
TDirEntryKind PathKind(const String& Path);

}  // namespace vcl
