// The shared body of the image reader fuzz targets: any bytes must either
// load into a bitmap that can be drawn, or raise EInvalidGraphic.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Graphics.h"
#include "platform/WinapiGdi.h"

namespace vyrfuzz {

inline void LoadImageBytes(const std::uint8_t* Data, std::size_t Size) {
  vcl::TMemoryStream stream;
  if (Size > 0) stream.WriteBuffer(Data, static_cast<std::int64_t>(Size));
  stream.SetPosition(0);
  vcl::TBitmap bitmap;
  try {
    bitmap.LoadFromStream(&stream);
  } catch (const vcl::EInvalidGraphic&) {
    return;
  }
  // Whatever loaded must be usable: draw it shrunk and averaged.
  vcl::TBitmap target(16, 16);
  vcl::SetStretchBltMode(target.Canvas()->Handle(), vcl::HALFTONE);
  target.Canvas()->StretchDraw(vcl::TRect(0, 0, 16, 16), &bitmap);
}

}  // namespace vyrfuzz
