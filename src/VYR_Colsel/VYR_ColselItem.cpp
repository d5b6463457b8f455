#include "VYR_Colsel/VYR_ColselItem.h"

#include <cmath>

namespace vyr::colsel {

vcl::TRect ColorBarRect(const vcl::TRect& I, int BarWidth) {
  return vcl::TRect(I.Left + 3, I.Top + 2, I.Left + 3 + BarWidth, I.Bottom - 2);
}

std::array<vcl::TPoint, 7> EditMarkPoints(const vcl::TRect& I) {
  const int l = I.Left, t = I.Top, b = I.Bottom;
  return {vcl::Point(l + 5, t + 4),  vcl::Point(l + 5, b - 5),  vcl::Point(l + 8, b - 5),
          vcl::Point(l + 11, b - 8), vcl::Point(l + 11, t + 7), vcl::Point(l + 8, t + 4),
          vcl::Point(l + 5, t + 4)};
}

vcl::TColor EditMarkColor(vcl::TColor Color) {
  const vcl::TColor c = vcl::ColorToRGB(Color);
  const double r = vcl::GetRValue(c), g = vcl::GetGValue(c), b = vcl::GetBValue(c);
  const double brightness = std::sqrt(r * r + 2 * g * g + b * b) / 2;
  return brightness > 180 ? vcl::clBlack : vcl::clWhite;
}

int NameLeft(const vcl::TRect& Item, int BarWidth) { return Item.Left + BarWidth + 3; }

}  // namespace vyr::colsel
