// The package's version.
#pragma once

namespace vyr {
// "major.minor.patch" of the library.
const char* PackageVersion();
}  // namespace vyr
