// Image codecs (internal): BMP, PNG and JPEG to and from 32-bit pixels.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace vcl::image {

// A decoded picture: Width × Height pixels of 0x00RRGGBB, top row first.
// Pixels of a picture with transparency carry their alpha in the top byte.
struct Image {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
  TPixelFormat Format = pf24bit;
};

// What is wrong with the bytes, in a few words ("truncated pixel data").
class DecodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Limits for untrusted pictures.
constexpr int kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t{256} * 1024 * 1024;
// Raises DecodeError for a size that is empty or beyond the limits.
void CheckSize(std::int64_t Width, std::int64_t Height);

// Pictures up to this many pixels are never refused as implausible.
constexpr std::int64_t kFreePixels = std::int64_t{4} << 20;
// A header promising more pixels than DataSize bytes could describe at
// PixelsPerByte (the format's best compression) is a lie: DecodeError
// "image dimensions larger than the data", before any large allocation.
void CheckPlausible(std::int64_t Pixels, std::size_t DataSize, std::int64_t PixelsPerByte);

// The working memory a reader's library may take whatever a file declares:
// structures, row buffers, tables, the data of chunks and markers.
constexpr std::size_t kWorkAllowance = std::size_t{8} << 20;
// The complaint of a decode that would go past its budget.
constexpr const char* kOverBudget = "needs more memory than allowed";

// What one decode may allocate: kWorkAllowance to start with, raised by
// what the picture itself needs once its header has passed CheckSize and
// CheckPlausible (its pixels; the coefficients of a JPEG in several scans).
// The readers route every allocation of their libraries through Take and
// Give; an allocation that does not fit is refused and the decode fails
// with kOverBudget. Peak tells afterwards what the decode held at most.
class MemoryBudget {
 public:
  explicit MemoryBudget(std::size_t Allowance = kWorkAllowance) : FLimit(Allowance) {}
  // Raises the limit (saturating).
  void Allow(std::size_t Bytes);
  // Counts an allocation; false, with nothing counted, when it does not fit.
  bool Take(std::size_t Bytes);
  void Give(std::size_t Bytes);
  // Allows and takes the decoded picture: Count pixels of 4 bytes.
  void TakePixels(std::int64_t Count);
  std::size_t Used() const { return FUsed; }
  std::size_t Peak() const { return FPeak; }
  std::size_t Limit() const { return FLimit; }
  // Whether any allocation was refused.
  bool Refused() const { return FRefused; }

 private:
  std::size_t FLimit;
  std::size_t FUsed = 0;
  std::size_t FPeak = 0;
  bool FRefused = false;
};

bool IsBmp(std::span<const std::uint8_t> Data);
bool IsPng(std::span<const std::uint8_t> Data);
bool IsJpeg(std::span<const std::uint8_t> Data);

Image DecodeBmp(std::span<const std::uint8_t> Data, MemoryBudget& Budget);
Image DecodePng(std::span<const std::uint8_t> Data, MemoryBudget& Budget);
Image DecodeJpeg(std::span<const std::uint8_t> Data, MemoryBudget& Budget);
// Detects the format by its first bytes.
Image Decode(std::span<const std::uint8_t> Data, MemoryBudget& Budget);
// The same, each within a fresh budget.
Image DecodeBmp(std::span<const std::uint8_t> Data);
Image DecodePng(std::span<const std::uint8_t> Data);
Image DecodeJpeg(std::span<const std::uint8_t> Data);
Image Decode(std::span<const std::uint8_t> Data);

// Pixels are Width × Height, rows Stride pixels apart, top row first.
struct View {
  const std::uint32_t* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
  const std::uint32_t* Row(int Y) const { return Pixels + static_cast<std::ptrdiff_t>(Y) * Stride; }
};

// 24-bit BMP, or 32-bit with the top byte as alpha.
std::vector<std::uint8_t> EncodeBmp(const View& V, bool ThirtyTwoBits);
std::vector<std::uint8_t> EncodePng(const View& V, bool WithAlpha);
std::vector<std::uint8_t> EncodeJpeg(const View& V, int Quality);

}  // namespace vcl::image
