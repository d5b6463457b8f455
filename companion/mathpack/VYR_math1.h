// Small numeric helpers of the math package.
#pragma once

#include "platform/Types.h"

namespace vyr {

// The largest integer not above X (floor), saturated to the int range;
// NaN gives 0.
int IntNeg(double X);

// True when Text is a decimal integer: optional blanks around, an optional
// sign, at least one digit, and a value within the int range.
bool IsValidDecInt(const vcl::String& Text);

}  // namespace vyr
