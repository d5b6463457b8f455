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

bool IsBmp(std::span<const std::uint8_t> Data);
bool IsPng(std::span<const std::uint8_t> Data);
bool IsJpeg(std::span<const std::uint8_t> Data);

Image DecodeBmp(std::span<const std::uint8_t> Data);
Image DecodePng(std::span<const std::uint8_t> Data);
Image DecodeJpeg(std::span<const std::uint8_t> Data);
// Detects the format by its first bytes.
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
