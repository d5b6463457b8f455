// Block transfers (internal): copying and stretching pixels with ternary
// raster operations and the four stretch modes.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/raster/Pixel.h"

namespace vcl::raster {

// The pixels a transfer may read (device coordinates).
struct Source {
  const Pixel* Bits = nullptr;
  int Stride = 0;
  TRect Bounds;
  const Pixel* Row(int Y) const { return Bits + static_cast<std::ptrdiff_t>(Y) * Stride; }
};

struct BlitRect {
  int X = 0, Y = 0, W = 0, H = 0;  // a negative size extends left or up and mirrors
};

struct BlitOptions {
  std::uint32_t Rop = 0x00CC0020;  // SRCCOPY
  int StretchMode = 3;             // COLORONCOLOR
  Fill Pattern;                    // the brush, for operations that use one
  std::optional<Pixel> Transparent;  // source pixels of this value are skipped
};

// Transfers Src onto Dest of the target. Destination pixels whose source
// pixel lies outside the readable area are left alone. Source and target
// may share pixels.
void StretchBlit(const Target& T, BlitRect Dest, const Source* S, BlitRect Src,
                 const BlitOptions& Options);

// One row of a ternary raster operation: D = op(P, S, D) for N pixels, the
// pattern taken at device row Y and columns X.. (S may be null when the
// operation does not read the source).
void RopRow(Pixel* D, const Pixel* S, int N, std::uint8_t Table, const Fill& P, int X, int Y);

}  // namespace vcl::raster
