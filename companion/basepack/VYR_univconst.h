// Universal numeric constants of the base package.
#pragma once

#include <limits>

namespace vyr {

// The largest finite double.
inline constexpr double uc_MaxDouble = std::numeric_limits<double>::max();
// The largest value of the framework's Real type (a double).
inline constexpr double uc_MaxReal = std::numeric_limits<double>::max();
// The natural logarithm of 10.
inline constexpr double uc_ln10 = 2.302585092994045684017991454684364208;

}  // namespace vyr
