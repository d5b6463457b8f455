// A pixel buffer with a guard margin around the surface, and random input,
// for comparing the raster fast paths with plain per-pixel references.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "platform/raster/Pixel.h"

namespace rastertest {

using namespace vcl;
using namespace vcl::raster;

// A W × H surface whose rows are Stride pixels apart (Stride >= W), inside
// a buffer with Guard rows above and below. Everything outside the surface
// must never change.
class Canvas {
 public:
  static constexpr int Guard = 2;
  Canvas(int W, int H, int Stride, std::uint32_t Seed) : FW(W), FH(H), FStride(Stride) {
    std::mt19937 rng(Seed);
    FPixels.resize(static_cast<std::size_t>(Stride) * (H + 2 * Guard));
    for (Pixel& p : FPixels) p = rng() & kRgbMask;
  }
  int Width() const { return FW; }
  int Height() const { return FH; }
  Pixel* Row(int Y) { return FPixels.data() + static_cast<std::size_t>(Y + Guard) * FStride; }
  Target Over(const TRect& Clip) { return {Row(0), FStride, Clip.Intersect(TRect(0, 0, FW, FH))}; }
  bool operator==(const Canvas& O) const { return FPixels == O.FPixels; }

 private:
  int FW, FH, FStride;
  std::vector<Pixel> FPixels;
};

class Random {
 public:
  explicit Random(std::uint32_t Seed) : FRng(Seed) {}
  int Int(int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(FRng); }
  Pixel Color() { return FRng() & kRgbMask; }
  TRect Rect(int Lo, int Hi) {
    const int x0 = Int(Lo, Hi), y0 = Int(Lo, Hi), x1 = Int(Lo, Hi), y1 = Int(Lo, Hi);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
  }

 private:
  std::mt19937 FRng;
};

}  // namespace rastertest
