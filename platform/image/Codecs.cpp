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

Image Decode(std::span<const std::uint8_t> Data) {
  if (Data.empty()) throw DecodeError("empty data");
  if (IsBmp(Data)) return DecodeBmp(Data);
  if (IsPng(Data)) return DecodePng(Data);
  if (IsJpeg(Data)) return DecodeJpeg(Data);
  throw DecodeError("unknown image format");
}

}  // namespace vcl::image
