// The geometry and colors of one color-selector item, shared by drawing
// and tests. Item rectangle (L, T, R, B), bar width w:
//   color bar   (L + 3, T + 2) .. (L + 3 + w, B - 2), outlined by the pen
//   edit mark   a pencil-like outline inside the bar (w >= 12):
//               (L+5, T+4) (L+5, B-5) (L+8, B-5) (L+11, B-8) (L+11, T+7)
//               (L+8, T+4) back to (L+5, T+4)
//   name        from x = L + w + 3 (text at 3 pixels further), centred
//               vertically
#pragma once

#include <array>

#include "platform/Graphics.h"
#include "platform/Types.h"

namespace vyr::colsel {

// Narrower bars show no edit mark.
inline constexpr int MinEditMarkBar = 12;

vcl::TRect ColorBarRect(const vcl::TRect& Item, int BarWidth);
std::array<vcl::TPoint, 7> EditMarkPoints(const vcl::TRect& Item);
// The edit mark's pen on a bar of Color: black when the brightness
// sqrt(r² + 2g² + b²) / 2 exceeds 180, white otherwise.
vcl::TColor EditMarkColor(vcl::TColor Color);
// Where the name's rectangle starts.
int NameLeft(const vcl::TRect& Item, int BarWidth);

}  // namespace vyr::colsel
