// What every control of the package shares: error messages, the hidden
// timer window and the named bitmaps.
#pragma once

#include "foundation/VYR_errors.h"
#include "foundation/VYR_resources.h"
#include "foundation/VYR_timerwnd.h"
#include "foundation/VYR_version.h"
