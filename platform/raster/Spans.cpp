// Horizontal span fills: the inner loop of every filled shape.
#include <algorithm>

#include "platform/raster/Pixel.h"

namespace vcl::raster {

namespace {

// Hatches repeat every 8 pixels from the device origin. Row y, bit 7 - x.
constexpr std::uint8_t kHorizontal[8] = {0, 0, 0, 0, 0, 0, 0, 0xFF};
constexpr std::uint8_t kVertical[8] = {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
constexpr std::uint8_t kFDiagonal[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
constexpr std::uint8_t kBDiagonal[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
constexpr std::uint8_t kCross[8] = {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF};
constexpr std::uint8_t kDiagCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};

void SolidSpan(Pixel* p, int n, Pixel c, TPenMode mode) {
  c &= kRgbMask;
  switch (mode) {
    case pmCopy: std::fill_n(p, n, c); return;
    case pmBlack: std::fill_n(p, n, Pixel{0}); return;
    case pmWhite: std::fill_n(p, n, kRgbMask); return;
    case pmNop: return;
    case pmXor:
      for (int i = 0; i < n; ++i) p[i] ^= c;
      return;
    case pmNot:
      for (int i = 0; i < n; ++i) p[i] = ~p[i] & kRgbMask;
      return;
    default:
      for (int i = 0; i < n; ++i) p[i] = Rop2(mode, c, p[i]);
      return;
  }
}

}  // namespace

const std::uint8_t* HatchPattern(TBrushStyle Style) {
  switch (Style) {
    case bsHorizontal: return kHorizontal;
    case bsVertical: return kVertical;
    case bsFDiagonal: return kFDiagonal;
    case bsBDiagonal: return kBDiagonal;
    case bsCross: return kCross;
    case bsDiagCross: return kDiagCross;
    default: return nullptr;
  }
}

void FillSpan(const Target& T, int Y, int X0, int X1, const Fill& F) {
  if (X1 <= X0) return;
  Pixel* row = T.Row(Y);
  if (F.Hatch == nullptr) {
    SolidSpan(row + X0, X1 - X0, F.Color, F.Mode);
    return;
  }
  const std::uint8_t bits = F.Hatch[Y & 7];
  for (int x = X0; x < X1; ++x) {
    if (bits & (0x80u >> (x & 7))) row[x] = Rop2(F.Mode, F.Color, row[x]);
  }
}

void FillArea(const Target& T, TRect R, const Fill& F) {
  if (T.Bits == nullptr) return;
  R = R.Intersect(T.Clip);
  for (int y = R.Top; y < R.Bottom; ++y) FillSpan(T, y, R.Left, R.Right, F);
}

}  // namespace vcl::raster
