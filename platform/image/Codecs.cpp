// Format detection, the limits shared by the image readers and the memory
// budget of a decode.
#include "platform/image/Codecs.h"

#include <algorithm>
#include <limits>

namespace vcl::image {

void CheckSize(std::int64_t Width, std::int64_t Height) {
  if (Width <= 0 || Height <= 0) throw DecodeError("invalid dimensions");
  if (Width > kMaxSide || Height > kMaxSide || Width * Height > kMaxPixels) {
    throw DecodeError("image too large (" + std::to_string(Width) + " x " +
                      std::to_string(Height) + " pixels)");
  }
}

void CheckPlausible(std::int64_t Pixels, std::size_t DataSize, std::int64_t PixelsPerByte) {
  const std::int64_t bytes = static_cast<std::int64_t>(std::min<std::size_t>(DataSize, kMaxPixels));
  if (Pixels > std::max(kFreePixels, bytes * PixelsPerByte)) {
    throw DecodeError("image dimensions larger than the data");
  }
}

void MemoryBudget::Allow(std::size_t Bytes) {
  const std::size_t most = std::numeric_limits<std::size_t>::max();
  FLimit = Bytes > most - FLimit ? most : FLimit + Bytes;
}

bool MemoryBudget::Take(std::size_t Bytes) {
  if (Bytes > FLimit - FUsed) {
    FRefused = true;
    return false;
  }
  FUsed += Bytes;
  FPeak = std::max(FPeak, FUsed);
  return true;
}

void MemoryBudget::Give(std::size_t Bytes) { FUsed -= std::min(Bytes, FUsed); }

void MemoryBudget::TakePixels(std::int64_t Count) {
  const std::size_t bytes = static_cast<std::size_t>(Count) * sizeof(std::uint32_t);
  Allow(bytes);
  if (!Take(bytes)) throw DecodeError(kOverBudget);
}

namespace {

// Runs a reader and puts the format's name before its complaint.
template <class Reader>
Image Named(const char* Format, Reader&& Read) {
  try {
    return Read();
  } catch (const DecodeError& e) {
    throw DecodeError(std::string(Format) + " image: " + e.what());
  }
}

}  // namespace

Image Decode(std::span<const std::uint8_t> Data, MemoryBudget& Budget) {
  if (Data.empty()) throw DecodeError("empty data");
  if (IsBmp(Data)) return Named("BMP", [&] { return DecodeBmp(Data, Budget); });
  if (IsPng(Data)) return Named("PNG", [&] { return DecodePng(Data, Budget); });
  if (IsJpeg(Data)) return Named("JPEG", [&] { return DecodeJpeg(Data, Budget); });
  throw DecodeError("unknown image format");
}

Image DecodeBmp(std::span<const std::uint8_t> Data) {
  MemoryBudget budget;
  return DecodeBmp(Data, budget);
}

Image DecodePng(std::span<const std::uint8_t> Data) {
  MemoryBudget budget;
  return DecodePng(Data, budget);
}

Image DecodeJpeg(std::span<const std::uint8_t> Data) {
  MemoryBudget budget;
  return DecodeJpeg(Data, budget);
}

Image Decode(std::span<const std::uint8_t> Data) {
  MemoryBudget budget;
  return Decode(Data, budget);
}

}  // namespace vcl::image
