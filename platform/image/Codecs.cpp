// Format detection and the limits shared by the image readers.
#include "platform/image/Codecs.h"

namespace vcl::image {

void CheckSize(std::int64_t Width, std::int64_t Height) {
  if (Width <= 0 || Height <= 0) throw DecodeError("invalid dimensions");
  if (Width > kMaxSide || Height > kMaxSide || Width * Height > kMaxPixels) {
    throw DecodeError("image too large (" + std::to_string(Width) + " x " +
                      std::to_string(Height) + " pixels)");
  }
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

Image Decode(std::span<const std::uint8_t> Data) {
  if (Data.empty()) throw DecodeError("empty data");
  if (IsBmp(Data)) return Named("BMP", [&] { return DecodeBmp(Data); });
  if (IsPng(Data)) return Named("PNG", [&] { return DecodePng(Data); });
  if (IsJpeg(Data)) return Named("JPEG", [&] { return DecodeJpeg(Data); });
  throw DecodeError("unknown image format");
}

}  // namespace vcl::image
