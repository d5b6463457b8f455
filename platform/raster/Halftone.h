// Area-averaging stretch (internal): each destination pixel is the mean of
// the source area it covers, weighted by the share of each source pixel and
// rounded to nearest, exactly (integer weights, no accumulated error).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/raster/Pixel.h"

namespace vcl::raster {

// Area weights of one axis: destination index k (0 .. DLen-1) covers the
// source interval [k·SLen, (k+1)·SLen) in units where a source pixel is
// DLen wide. Weights are divided by gcd(SLen, DLen); they add up to Total.
class AreaWeights {
 public:
  // Source pixels start at SPos; indices are clamped to [Lo, Hi).
  AreaWeights(int SPos, int SLen, int DLen, int Lo, int Hi);
  // Appends the (source index, weight) pairs of step K.
  void Taps(std::int64_t K, std::vector<std::pair<int, std::uint32_t>>& Out) const;
  std::uint32_t Total() const { return FTotal; }

 private:
  std::int64_t FSPos, FSLen, FDLen, FScale;
  std::uint32_t FTotal;
  int FLo, FHi;
};

// Source pixel reader for averaging: Row(y) gives source row y.
struct AreaSource {
  const Pixel* Bits = nullptr;
  int Stride = 0;
  const Pixel* Row(int Y) const { return Bits + static_cast<std::ptrdiff_t>(Y) * Stride; }
};

// Exact 2 × 2 means of two source rows into N destination pixels (the
// common halving case, vectorised where the processor allows).
void HalveRows(const Pixel* Row0, const Pixel* Row1, Pixel* Out, int N);

// Averages Rows (pairs of source row and weight) for the destination
// columns whose taps are given flat: column i uses taps
// [Start[i], Start[i+1]) of Cols. Den is the product of both axis totals.
void AverageRows(const AreaSource& S, const std::vector<std::pair<int, std::uint32_t>>& Rows,
                 const std::vector<std::pair<int, std::uint32_t>>& Cols,
                 const std::vector<std::size_t>& Start, std::uint64_t Den, Pixel* Out,
                 std::vector<std::uint64_t>& Scratch);

}  // namespace vcl::raster
