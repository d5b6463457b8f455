// Block transfers with raster operations and stretching.
#include "platform/raster/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/raster/Halftone.h"

namespace vcl::raster {

namespace {

constexpr int kBlackOnWhite = 1, kWhiteOnBlack = 2, kHalftone = 4;

Pixel PatternAt(const Fill& P, int X, int Y) {
  if (P.Hatch == nullptr) return P.Color & kRgbMask;
  // A hatch pattern's clear bits take the inverse color, as the brush's
  // background is set for hatched brushes.
  return ((P.Hatch[Y & 7] & (0x80u >> (X & 7))) ? P.Color : ~P.Color) & kRgbMask;
}

template <class Op>
void Each(Pixel* D, const Pixel* S, int N, Op op) {
  for (int i = 0; i < N; ++i) D[i] = op(S[i], D[i]) & kRgbMask;
}

// Returns false when the table has no dedicated loop.
bool FastRop(Pixel* D, const Pixel* S, int N, std::uint8_t Table, Pixel P) {
  switch (Table) {
    case 0xCC: std::memmove(D, S, sizeof(Pixel) * static_cast<std::size_t>(N)); return true;
    case 0xEE: Each(D, S, N, [](Pixel s, Pixel d) { return s | d; }); return true;
    case 0x88: Each(D, S, N, [](Pixel s, Pixel d) { return s & d; }); return true;
    case 0x66: Each(D, S, N, [](Pixel s, Pixel d) { return s ^ d; }); return true;
    case 0x44: Each(D, S, N, [](Pixel s, Pixel d) { return s & ~d; }); return true;
    case 0x33: Each(D, S, N, [](Pixel s, Pixel) { return ~s; }); return true;
    case 0x11: Each(D, S, N, [](Pixel s, Pixel d) { return ~(s | d); }); return true;
    case 0xBB: Each(D, S, N, [](Pixel s, Pixel d) { return ~s | d; }); return true;
    case 0xC0: Each(D, S, N, [P](Pixel s, Pixel) { return P & s; }); return true;
    default: return false;
  }
}

bool FastNoSourceRop(Pixel* D, int N, std::uint8_t Table, Pixel P) {
  switch (Table) {
    case 0x00: std::fill_n(D, N, Pixel{0}); return true;
    case 0xFF: std::fill_n(D, N, kRgbMask); return true;
    case 0x55: for (int i = 0; i < N; ++i) D[i] = ~D[i] & kRgbMask; return true;
    case 0xF0: std::fill_n(D, N, P); return true;
    case 0x5A: for (int i = 0; i < N; ++i) D[i] ^= P; return true;
    case 0xAA: return true;
    default: return false;
  }
}

// The mapping of one axis from visible destination coordinates to source
// coordinates.
struct Axis {
  int DPos = 0, DLen = 0, SPos = 0, SLen = 0;
  bool Mirror = false;
  int Lo = 0, Hi = 0;  // readable source range

  std::int64_t Step(int D) const {
    const std::int64_t k = D - DPos;
    return Mirror ? DLen - 1 - k : k;
  }
  int Nearest(int D) const {
    return SPos + static_cast<int>((2 * Step(D) + 1) * SLen / (2 * std::int64_t{DLen}));
  }
  bool Valid(int D) const {
    const int s = Nearest(D);
    return s >= Lo && s < Hi;
  }
  int ClampSrc(std::int64_t S) const { return static_cast<int>(std::clamp<std::int64_t>(S, Lo, Hi - 1)); }
  // Source pixels that a shrinking copy folds into D (one when enlarging).
  void Range(int D, int& From, int& To) const {
    if (SLen <= DLen) {
      From = Nearest(D);
      To = From + 1;
      return;
    }
    const std::int64_t k = Step(D);
    From = ClampSrc(SPos + k * SLen / DLen);
    To = std::max(From + 1, ClampSrc(SPos + (k + 1) * SLen / DLen - 1) + 1);
  }
};

// Normalises a signed rectangle: returns true when the axis mirrors.
bool Normalize(int& Pos, int& Len) {
  if (Len >= 0) return false;
  Pos += Len;
  Len = -Len;
  return true;
}

// Shrinks [From, To) of destination coordinates to those with a readable
// source (a contiguous range, since the mapping is monotonic).
void KeepValid(const Axis& A, int& From, int& To) {
  while (From < To && !A.Valid(From)) ++From;
  while (To > From && !A.Valid(To - 1)) --To;
}

class Stretcher {
 public:
  Stretcher(const Source& S, const Axis& X, const Axis& Y, int X0, int X1, int Mode)
      : FS(S), FX(X), FY(Y), FX0(X0), FN(X1 - X0), FMode(Mode), FLine(static_cast<std::size_t>(FN)),
        FYWeights(Y.SPos, Y.SLen, Y.DLen, Y.Lo, Y.Hi) {
    FXMap.resize(static_cast<std::size_t>(FN));
    for (int i = 0; i < FN; ++i) FXMap[static_cast<std::size_t>(i)] = FX.Nearest(FX0 + i);
    FScaled = FX.SLen != FX.DLen || FY.SLen != FY.DLen;
    if (FMode == kHalftone && FScaled) {
      FHalve = Halves(FX) && Halves(FY);
      if (!FHalve) BuildTaps();
    }
  }

  // The source pixels for destination row Y, visible columns only.
  const Pixel* Line(int Y) {
    if (!FScaled || (FMode != kHalftone && FMode != kBlackOnWhite && FMode != kWhiteOnBlack)) {
      const Pixel* row = FS.Row(FY.Nearest(Y));
      if (!FX.Mirror && !FScaled) return row + FXMap[0];
      for (int i = 0; i < FN; ++i) FLine[static_cast<std::size_t>(i)] = row[FXMap[static_cast<std::size_t>(i)]];
      return FLine.data();
    }
    if (FHalve) Halve(Y);
    else if (FMode == kHalftone) Average(Y);
    else Fold(Y, FMode == kBlackOnWhite);
    return FLine.data();
  }

 private:
  // An axis shrunk to exactly half, unmirrored, reading only inside the
  // source: the 2 × 2 fast path applies.
  static bool Halves(const Axis& A) {
    return A.SLen == 2 * A.DLen && !A.Mirror && A.SPos >= A.Lo && A.SPos + A.SLen <= A.Hi;
  }
  void Halve(int Y) {
    const int sy = FY.SPos + 2 * static_cast<int>(FY.Step(Y));
    const int sx = FX.SPos + 2 * static_cast<int>(FX.Step(FX0));
    HalveRows(FS.Row(sy) + sx, FS.Row(sy + 1) + sx, FLine.data(), FN);
  }
  void BuildTaps() {
    const AreaWeights xw(FX.SPos, FX.SLen, FX.DLen, FX.Lo, FX.Hi);
    for (int i = 0; i < FN; ++i) {
      FTapStart.push_back(FTaps.size());
      xw.Taps(FX.Step(FX0 + i), FTaps);
    }
    FTapStart.push_back(FTaps.size());
    FDen = std::uint64_t{xw.Total()} * FYWeights.Total();
  }
  // HALFTONE in general: area-weighted means, rounded to nearest.
  void Average(int Y) {
    FRows.clear();
    FYWeights.Taps(FY.Step(Y), FRows);
    AverageRows({FS.Bits, FS.Stride}, FRows, FTaps, FTapStart, FDen, FLine.data(), FSum);
  }

  // BLACKONWHITE / WHITEONBLACK: the pixels a shrink drops are combined
  // with AND (keeping black) or OR (keeping white).
  void Fold(int Y, bool And) {
    int y0 = 0, y1 = 0;
    FY.Range(Y, y0, y1);
    for (int i = 0; i < FN; ++i) {
      int x0 = 0, x1 = 0;
      FX.Range(FX0 + i, x0, x1);
      Pixel acc = And ? kRgbMask : 0;
      for (int sy = y0; sy < y1; ++sy) {
        const Pixel* row = FS.Row(sy);
        for (int sx = x0; sx < x1; ++sx) acc = And ? (acc & row[sx]) : (acc | row[sx]);
      }
      FLine[static_cast<std::size_t>(i)] = acc & kRgbMask;
    }
  }

  const Source& FS;
  const Axis& FX;
  const Axis& FY;
  int FX0, FN, FMode;
  bool FScaled = false, FHalve = false;
  std::vector<Pixel> FLine;
  std::vector<int> FXMap;
  AreaWeights FYWeights;
  std::vector<std::pair<int, std::uint32_t>> FTaps, FRows;
  std::vector<std::size_t> FTapStart;
  std::uint64_t FDen = 1;
  std::vector<std::uint64_t> FSum;
};

// A private copy of the source when it shares pixels with the target, so
// that an overlapping copy reads the picture as it was before.
Source Snapshot(const Source& S, std::vector<Pixel>& Store) {
  const int w = S.Bounds.Width(), h = S.Bounds.Height();
  Store.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    std::memcpy(&Store[static_cast<std::size_t>(y) * w], S.Row(S.Bounds.Top + y) + S.Bounds.Left,
                sizeof(Pixel) * static_cast<std::size_t>(w));
  }
  Source copy;
  copy.Bits = Store.data() - S.Bounds.Left - static_cast<std::ptrdiff_t>(S.Bounds.Top) * w;
  copy.Stride = w;
  copy.Bounds = S.Bounds;
  return copy;
}

}  // namespace

void RopRow(Pixel* D, const Pixel* S, int N, std::uint8_t Table, const Fill& P, int X, int Y) {
  const Pixel solid = P.Color & kRgbMask;
  const bool plain = P.Hatch == nullptr;
  if (S != nullptr && (plain || !RopUsesPattern(Table)) && FastRop(D, S, N, Table, solid)) return;
  if (S == nullptr && plain && FastNoSourceRop(D, N, Table, solid)) return;
  for (int i = 0; i < N; ++i) {
    const Pixel p = plain ? solid : PatternAt(P, X + i, Y);
    D[i] = Rop3(Table, p, S != nullptr ? S[i] : 0, D[i]);
  }
}

namespace {

// One axis of a transfer from the signed destination and source extents.
Axis MakeAxis(int DPos, int DLen, int SPos, int SLen, int Lo, int Hi) {
  Axis a;
  a.Mirror = Normalize(DPos, DLen) != Normalize(SPos, SLen);
  a.DPos = DPos;
  a.DLen = DLen;
  a.SPos = SPos;
  a.SLen = SLen;
  a.Lo = Lo;
  a.Hi = Hi;
  return a;
}

void TransparentRow(Pixel* D, const Pixel* S, int N, Pixel Key) {
  Key &= kRgbMask;
  for (int i = 0; i < N; ++i) {
    if ((S[i] & kRgbMask) != Key) D[i] = S[i] & kRgbMask;
  }
}

}  // namespace

void StretchBlit(const Target& T, BlitRect Dest, const Source* S, BlitRect Src,
                 const BlitOptions& Options) {
  if (T.Empty()) return;
  const std::uint8_t table = RopTable(Options.Rop);
  const bool usesSource = RopUsesSource(table) || Options.Transparent.has_value();
  if (usesSource && (S == nullptr || S->Bits == nullptr)) return;
  const TRect readable = usesSource ? S->Bounds : TRect();
  const Axis ax = MakeAxis(Dest.X, Dest.W, Src.X, Src.W, readable.Left, readable.Right);
  const Axis ay = MakeAxis(Dest.Y, Dest.H, Src.Y, Src.H, readable.Top, readable.Bottom);
  if (ax.DLen == 0 || ay.DLen == 0 || (usesSource && (ax.SLen == 0 || ay.SLen == 0))) return;
  const TRect visible =
      TRect(ax.DPos, ay.DPos, ax.DPos + ax.DLen, ay.DPos + ay.DLen).Intersect(T.Clip);
  int x0 = visible.Left, x1 = visible.Right, y0 = visible.Top, y1 = visible.Bottom;
  if (!usesSource) {
    for (int y = y0; y < y1; ++y) RopRow(T.Row(y) + x0, nullptr, x1 - x0, table, Options.Pattern, x0, y);
    return;
  }
  KeepValid(ax, x0, x1);
  KeepValid(ay, y0, y1);
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<Pixel> store;
  const Source src = S->Bits == T.Bits ? Snapshot(*S, store) : *S;
  Stretcher stretch(src, ax, ay, x0, x1, Options.StretchMode);
  for (int y = y0; y < y1; ++y) {
    const Pixel* line = stretch.Line(y);
    if (Options.Transparent) TransparentRow(T.Row(y) + x0, line, x1 - x0, *Options.Transparent);
    else RopRow(T.Row(y) + x0, line, x1 - x0, table, Options.Pattern, x0, y);
  }
}

}  // namespace vcl::raster
