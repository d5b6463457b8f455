// GDI calls: stretch modes, block transfers and MulDiv.
#include "platform/WinapiGdi.h"

#include <cstdint>

#include "platform/graphics/CanvasAccess.h"

namespace vcl {

using A = CanvasAccess;

int SetStretchBltMode(HDC DC, int Mode) {
  if (DC == nullptr || Mode < BLACKONWHITE || Mode > HALFTONE) return 0;
  const int previous = DC->StretchBltMode();
  DC->SetStretchBltMode(Mode);
  return previous;
}

int GetStretchBltMode(HDC DC) { return DC == nullptr ? 0 : DC->StretchBltMode(); }

bool StretchBlt(HDC Dest, int XDest, int YDest, int WDest, int HDest, HDC Src, int XSrc,
                int YSrc, int WSrc, int HSrc, DWORD Rop) {
  if (Dest == nullptr) return false;
  const bool needsSource = raster::RopUsesSource(raster::RopTable(Rop));
  if (needsSource && Src == nullptr) return false;
  A::Blit(*Dest, {XDest, YDest, WDest, HDest}, needsSource ? Src : nullptr,
          {XSrc, YSrc, WSrc, HSrc}, Rop);
  return true;
}

bool BitBlt(HDC Dest, int X, int Y, int W, int H, HDC Src, int XSrc, int YSrc, DWORD Rop) {
  return StretchBlt(Dest, X, Y, W, H, Src, XSrc, YSrc, W, H, Rop);
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = std::int64_t{a} * b;
  std::int64_t q = p / c;
  const std::int64_t r = p % c;
  // Round half away from zero: compare twice the remainder with the divisor.
  if (2 * (r < 0 ? -r : r) >= (c < 0 ? -std::int64_t{c} : c)) q += ((p < 0) != (c < 0)) ? -1 : 1;
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int>(q);
}

}  // namespace vcl
