#include "companion/mathpack/VYR_math1.h"

#include <climits>
#include <cmath>

namespace vyr {

int IntNeg(double X) {
  if (std::isnan(X)) return 0;
  double f = std::floor(X);
  if (f >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (f <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(f);
}

bool IsValidDecInt(const vcl::String& Text) {
  std::size_t i = 0, n = Text.size();
  while (i < n && Text[i] == u' ') ++i;
  while (n > i && Text[n - 1] == u' ') --n;
  bool negative = false;
  if (i < n && (Text[i] == u'+' || Text[i] == u'-')) negative = Text[i++] == u'-';
  if (i == n) return false;
  long long value = 0;
  for (; i < n; ++i) {
    char16_t c = Text[i];
    if (c < u'0' || c > u'9') return false;
    value = value * 10 + (c - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) return false;
  }
  return negative ? true : value <= INT_MAX;
}

}  // namespace vyr
