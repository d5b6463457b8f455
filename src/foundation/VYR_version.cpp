#include "foundation/VYR_version.h"

namespace vyr {
const char* PackageVersion() { return "0.1.0"; }
}  // namespace vyr
