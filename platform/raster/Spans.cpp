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
    case pmCopy: FillPixels(p, static_cast<std::size_t>(n), c); return;
    case pmBlack: FillPixels(p, static_cast<std::size_t>(n), 0); return;
    case pmWhite: FillPixels(p, static_cast<std::size_t>(n), kRgbMask); return;
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

void HatchSpan(Pixel* row, int y, int x0, int x1, const Fill& f) {
  const std::uint8_t bits = f.Hatch[y & 7];
  for (int x = x0; x < x1; ++x) {
    if (bits & (0x80u >> (x & 7))) row[x] = Rop2(f.Mode, f.Color, row[x]);
  }
}

// Areas of this many pixels (4 MiB) or more are larger than the
// processor's own caches, so nothing is gained by keeping them there: their
// rows go through the string store, which writes whole cache lines without
// reading them first, as memset does for large blocks. Smaller areas use
// the vector loop, which leaves them in the cache for what is drawn on top.
constexpr std::int64_t kHugeArea = std::int64_t{1} << 20;
constexpr int kHugeRow = 256;

// Not under the address sanitizer, which does not see inside assembly.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && \
    !defined(__SANITIZE_ADDRESS__)
#define VYR_STRING_STORE 1
#endif
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#undef VYR_STRING_STORE
#endif
#endif

void FillHugeRun(Pixel* p, std::size_t n, Pixel c) {
#ifdef VYR_STRING_STORE
  asm volatile("rep stosl" : "+D"(p), "+c"(n) : "a"(c) : "memory");
#else
  FillPixels(p, n, c);
#endif
}

// A solid copy of the area R (inside the clip).
void CopyArea(const Target& T, const TRect& R, Pixel c) {
  const int w = R.Width(), h = R.Height();
  const bool huge = std::int64_t{w} * h >= kHugeArea && w >= kHugeRow;
  if (R.Left == 0 && w == T.Stride) {
    // Whole rows with nothing between them: one run.
    const std::size_t n = static_cast<std::size_t>(w) * h;
    if (huge) FillHugeRun(T.Row(R.Top), n, c);
    else FillPixels(T.Row(R.Top), n, c);
    return;
  }
  for (int y = R.Top; y < R.Bottom; ++y) {
    if (huge) FillHugeRun(T.Row(y) + R.Left, static_cast<std::size_t>(w), c);
    else FillPixels(T.Row(y) + R.Left, static_cast<std::size_t>(w), c);
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

void FillSpanMixed(const Target& T, int Y, int X0, int X1, const Fill& F) {
  if (X1 <= X0) return;
  Pixel* row = T.Row(Y);
  if (F.Hatch == nullptr) SolidSpan(row + X0, X1 - X0, F.Color, F.Mode);
  else HatchSpan(row, Y, X0, X1, F);
}

void FillArea(const Target& T, TRect R, const Fill& F) {
  if (T.Bits == nullptr) return;
  R = R.Intersect(T.Clip);
  if (R.IsEmpty()) return;
  const int w = R.Width();
  if (F.Hatch != nullptr) {
    for (int y = R.Top; y < R.Bottom; ++y) HatchSpan(T.Row(y), y, R.Left, R.Right, F);
    return;
  }
  if (F.Mode == pmCopy) {
    CopyArea(T, R, F.Color & kRgbMask);
    return;
  }
  for (int y = R.Top; y < R.Bottom; ++y) SolidSpan(T.Row(y) + R.Left, w, F.Color, F.Mode);
}

}  // namespace vcl::raster
