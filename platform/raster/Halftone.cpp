// Area-averaging stretch.
#include "platform/raster/Halftone.h"

#include <algorithm>
#include <numeric>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vcl::raster {

AreaWeights::AreaWeights(int SPos, int SLen, int DLen, int Lo, int Hi)
    : FSPos(SPos), FSLen(SLen), FDLen(DLen), FScale(std::gcd(std::int64_t{SLen}, std::int64_t{DLen})),
      FTotal(static_cast<std::uint32_t>(SLen / std::gcd(std::int64_t{SLen}, std::int64_t{DLen}))),
      FLo(Lo), FHi(Hi) {}

void AreaWeights::Taps(std::int64_t K, std::vector<std::pair<int, std::uint32_t>>& Out) const {
  const std::int64_t a = K * FSLen, b = a + FSLen;
  for (std::int64_t j = a / FDLen; j * FDLen < b; ++j) {
    const std::int64_t w = std::min(b, (j + 1) * FDLen) - std::max(a, j * FDLen);
    if (w <= 0) continue;
    const int index = static_cast<int>(std::clamp<std::int64_t>(FSPos + j, FLo, FHi - 1));
    Out.emplace_back(index, static_cast<std::uint32_t>(w / FScale));
  }
}

namespace {

Pixel HalveOne(Pixel A, Pixel B, Pixel C, Pixel D) {
  // Red and blue share one word with room for the carries; green alone.
  const std::uint32_t rb = (A & 0xFF00FF) + (B & 0xFF00FF) + (C & 0xFF00FF) + (D & 0xFF00FF);
  const std::uint32_t g = (A & 0xFF00) + (B & 0xFF00) + (C & 0xFF00) + (D & 0xFF00);
  return (((rb + 0x020002) >> 2) & 0xFF00FF) | (((g + 0x0200) >> 2) & 0xFF00);
}

// (N + Den/2) / Den without a division per channel: a reciprocal estimate
// corrected to the exact quotient.
struct RoundedDivider {
  explicit RoundedDivider(std::uint64_t Den) : FDen(Den), FHalf(Den / 2), FInv(1.0 / static_cast<double>(Den)) {}
  std::uint32_t operator()(std::uint64_t N) const {
    N += FHalf;
    std::uint64_t q = static_cast<std::uint64_t>(static_cast<double>(N) * FInv);
    if (q * FDen > N) --q;
    else if ((q + 1) * FDen <= N) ++q;
    return static_cast<std::uint32_t>(q);
  }
  std::uint64_t FDen, FHalf;
  double FInv;
};

}  // namespace

void HalveRows(const Pixel* Row0, const Pixel* Row1, Pixel* Out, int N) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128(), two = _mm_set1_epi16(2);
  const __m128i rgb = _mm_set1_epi32(static_cast<int>(kRgbMask));
  for (; i + 4 <= N; i += 4) {
    const auto load = [](const Pixel* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    const __m128i a0 = load(Row0 + 2 * i), a1 = load(Row0 + 2 * i + 4);
    const __m128i b0 = load(Row1 + 2 * i), b1 = load(Row1 + 2 * i + 4);
    // Column sums of the two rows, two pixels of 16-bit channels per register.
    const __m128i s0 = _mm_add_epi16(_mm_unpacklo_epi8(a0, zero), _mm_unpacklo_epi8(b0, zero));
    const __m128i s1 = _mm_add_epi16(_mm_unpackhi_epi8(a0, zero), _mm_unpackhi_epi8(b0, zero));
    const __m128i s2 = _mm_add_epi16(_mm_unpacklo_epi8(a1, zero), _mm_unpacklo_epi8(b1, zero));
    const __m128i s3 = _mm_add_epi16(_mm_unpackhi_epi8(a1, zero), _mm_unpackhi_epi8(b1, zero));
    // Neighbouring columns added: destination pixels i, i+1 and i+2, i+3.
    __m128i t0 = _mm_add_epi16(_mm_unpacklo_epi64(s0, s1), _mm_unpackhi_epi64(s0, s1));
    __m128i t1 = _mm_add_epi16(_mm_unpacklo_epi64(s2, s3), _mm_unpackhi_epi64(s2, s3));
    t0 = _mm_srli_epi16(_mm_add_epi16(t0, two), 2);
    t1 = _mm_srli_epi16(_mm_add_epi16(t1, two), 2);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out + i), _mm_and_si128(_mm_packus_epi16(t0, t1), rgb));
  }
#endif
  for (; i < N; ++i) Out[i] = HalveOne(Row0[2 * i], Row0[2 * i + 1], Row1[2 * i], Row1[2 * i + 1]);
}

void AverageRows(const AreaSource& S, const std::vector<std::pair<int, std::uint32_t>>& Rows,
                 const std::vector<std::pair<int, std::uint32_t>>& Cols,
                 const std::vector<std::size_t>& Start, std::uint64_t Den, Pixel* Out,
                 std::vector<std::uint64_t>& Scratch) {
  const std::size_t n = Start.size() - 1;
  Scratch.assign(n * 3, 0);
  for (const auto& [sy, wy] : Rows) {
    const Pixel* row = S.Row(sy);
    std::uint64_t* acc = Scratch.data();
    for (std::size_t i = 0; i < n; ++i, acc += 3) {
      std::uint64_t r = 0, g = 0, b = 0;
      for (std::size_t t = Start[i]; t < Start[i + 1]; ++t) {
        const Pixel p = row[Cols[t].first];
        const std::uint64_t w = Cols[t].second;
        r += ((p >> 16) & 0xFF) * w;
        g += ((p >> 8) & 0xFF) * w;
        b += (p & 0xFF) * w;
      }
      acc[0] += r * wy;
      acc[1] += g * wy;
      acc[2] += b * wy;
    }
  }
  const RoundedDivider div(Den);
  const std::uint64_t* acc = Scratch.data();
  for (std::size_t i = 0; i < n; ++i, acc += 3) Out[i] = (div(acc[0]) << 16) | (div(acc[1]) << 8) | div(acc[2]);
}

}  // namespace vcl::raster
