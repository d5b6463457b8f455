// Sine and cosine of a text angle in tenths of a degree.
#pragma once

#include <cmath>
#include <numbers>

namespace vcl::text {

struct Turn {
  double Sin = 0;
  double Cos = 1;
};

// Exact at the right angles, so that text turned by them stays on the
// pixel grid.
inline Turn TurnOf(int Tenths) {
  switch (Tenths) {
    case 0: return {0, 1};
    case 900: return {1, 0};
    case 1800: return {0, -1};
    case 2700: return {-1, 0};
    default: {
      const double rad = Tenths * std::numbers::pi / 1800.0;
      return {std::sin(rad), std::cos(rad)};
    }
  }
}

}  // namespace vcl::text
