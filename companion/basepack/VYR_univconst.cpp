#include "companion/basepack/VYR_univconst.h"

namespace vyr {
// The constants are inline; this unit only anchors them in the library.
static_assert(uc_MaxDouble > 1.7e308);
static_assert(uc_ln10 > 2.3025 && uc_ln10 < 2.3026);
}  // namespace vyr
