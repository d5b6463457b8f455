// Base package: folder helpers. Paths use the system's separator "/".
#pragma once

#include "platform/Types.h"

namespace vyr {

inline constexpr char16_t PathDelimiter = u'/';

// True when Path names an existing folder (or a link to one).
bool DirExists(const vcl::String& Path);

// The folder that holds Path, without a trailing separator: "/home/ann/"
// and "/home/ann" give "/home", "/home" gives "/", "/" and a name without
// any separator give the empty text.
vcl::String ParentDir(const vcl::String& Path);

// Path with a trailing separator; an empty path stays empty.
vcl::String EnsureTrailingBkSlash(const vcl::String& Path);

}  // namespace vyr
