// Device pixels and the bitwise raster operations on them (internal).
// A device pixel is 0x00RRGGBB; a TColor is 0x00BBGGRR.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/Graphics.h"

namespace vcl::raster {

using Pixel = std::uint32_t;
constexpr Pixel kRgbMask = 0x00FFFFFF;

constexpr std::uint32_t SwapRedBlue(std::uint32_t v) {
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
// A color as a device pixel; system colors go through the palette first
// (plain RGB values, the common case, need no call).
inline Pixel ToPixel(TColor c) {
  return SwapRedBlue((c & 0xFF000000u) == 0 ? c : ColorToRGB(c));
}
constexpr TColor ToColor(Pixel p) { return SwapRedBlue(p & kRgbMask); }

// The sixteen binary raster operations of the pen, pen P over destination D.
constexpr Pixel Rop2(TPenMode Mode, Pixel P, Pixel D) {
  Pixel r = 0;
  switch (Mode) {
    case pmBlack: r = 0; break;
    case pmWhite: r = ~0u; break;
    case pmNop: r = D; break;
    case pmNot: r = ~D; break;
    case pmCopy: r = P; break;
    case pmNotCopy: r = ~P; break;
    case pmMergePenNot: r = P | ~D; break;
    case pmMaskPenNot: r = P & ~D; break;
    case pmMergeNotPen: r = ~P | D; break;
    case pmMaskNotPen: r = ~P & D; break;
    case pmMerge: r = P | D; break;
    case pmNotMerge: r = ~(P | D); break;
    case pmMask: r = P & D; break;
    case pmNotMask: r = ~(P & D); break;
    case pmXor: r = P ^ D; break;
    case pmNotXor: r = ~(P ^ D); break;
  }
  return r & kRgbMask;
}

// A ternary raster operation given by its truth table (the second byte of
// the operation code): bit (p·4 + s·2 + d) is the result for pattern bit p,
// source bit s and destination bit d, applied to every bit of the pixel.
constexpr Pixel Rop3(std::uint8_t Table, Pixel P, Pixel S, Pixel D) {
  Pixel r = 0;
  for (unsigned k = 0; k < 8; ++k) {
    if ((Table >> k) & 1u) {
      r |= ((k & 4u) ? P : ~P) & ((k & 2u) ? S : ~S) & ((k & 1u) ? D : ~D);
    }
  }
  return r & kRgbMask;
}
constexpr std::uint8_t RopTable(std::uint32_t Code) { return static_cast<std::uint8_t>(Code >> 16); }
constexpr bool RopUsesSource(std::uint8_t T) { return (T & 0x33) != ((T >> 2) & 0x33); }
constexpr bool RopUsesPattern(std::uint8_t T) { return (T & 0x0F) != ((T >> 4) & 0x0F); }

// The pixels a primitive may touch: the surface and the device clip,
// already intersected with the surface bounds.
struct Target {
  Pixel* Bits = nullptr;
  int Stride = 0;
  TRect Clip;
  Pixel* Row(int Y) const { return Bits + static_cast<std::ptrdiff_t>(Y) * Stride; }
  bool Empty() const { return Bits == nullptr || Clip.IsEmpty(); }
};

// What an area fill paints: one color, or an 8 × 8 hatch whose clear
// pixels are left alone, combined with the destination by a pen mode.
struct Fill {
  Pixel Color = 0;
  const std::uint8_t* Hatch = nullptr;  // 8 rows; bit 7 is x mod 8 = 0
  TPenMode Mode = pmCopy;
};

// The hatch of a brush style, aligned to the device origin (nullptr for
// solid and clear brushes).
const std::uint8_t* HatchPattern(TBrushStyle Style);

// Writes N copies of C from P on: the store loop under every solid fill.
// Runs of four pixels or more use 16-byte stores where the processor has
// them, two a step, the last one overlapping the one before rather than
// finishing pixel by pixel.
inline void FillPixels(Pixel* P, std::size_t N, Pixel C) {
#if defined(__SSE2__)
  if (N >= 4) {
    const __m128i v = _mm_set1_epi32(static_cast<int>(C));
    const auto at = [P](std::size_t I) { return reinterpret_cast<__m128i*>(P + I); };
    std::size_t i = 0;
    for (; i + 8 <= N; i += 8) {
      _mm_storeu_si128(at(i), v);
      _mm_storeu_si128(at(i + 4), v);
    }
    if (N - i > 4) _mm_storeu_si128(at(i), v);
    _mm_storeu_si128(at(N - 4), v);
    return;
  }
#endif
  for (std::size_t i = 0; i < N; ++i) P[i] = C;
}

// Fills X0..X1-1 of row Y (device coordinates, inside the clip). A solid
// copy is written here; hatches and the other pen modes by FillSpanMixed.
void FillSpanMixed(const Target& T, int Y, int X0, int X1, const Fill& F);
inline void FillSpan(const Target& T, int Y, int X0, int X1, const Fill& F) {
  if (X1 <= X0) return;
  if (F.Hatch == nullptr && F.Mode == pmCopy) {
    FillPixels(T.Row(Y) + X0, static_cast<std::size_t>(X1 - X0), F.Color & kRgbMask);
    return;
  }
  FillSpanMixed(T, Y, X0, X1, F);
}
// Fills a rectangle after clipping it to the target.
void FillArea(const Target& T, TRect R, const Fill& F);
// One pixel with a pen mode, when it lies inside the clip.
inline void PutPixel(const Target& T, int X, int Y, Pixel P, TPenMode Mode) {
  if (!T.Clip.Contains({X, Y})) return;
  Pixel& d = T.Row(Y)[X];
  d = Mode == pmCopy ? (P & kRgbMask) : Rop2(Mode, P, d);
}

}  // namespace vcl::raster
