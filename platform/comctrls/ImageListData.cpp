// An image list's pictures in form files (TImageList.Bitmap), in the image
// list stream of the common controls:
//
//   header   28 bytes, little-endian: "IL", version, count, capacity, grow,
//            width, height (16 bits each), background color (32 bits),
//            flags (16 bits: 1 = masks follow), four overlay indexes
//   images   a BMP file of the pictures, Columns (4) to a row, left to
//            right and top to bottom
//   masks    with flag 1, a BMP file laid out the same: black where the
//            picture shows, white where it is transparent
//
// Without masks, pictures read from a 32-bit BMP take their transparency
// from alpha (0 is transparent); others show whole. The list is written
// with version 0x0101, a 24-bit picture BMP and a 1-bit mask BMP. Reading
// decodes everything into new pictures first: data that lies about its
// size or does not decode raises EReadError and leaves the list as it was.
#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "platform/ImgList.h"
#include "platform/image/Codecs.h"

namespace vcl {

namespace {

constexpr int kColumns = 4;
constexpr int kHeaderSize = 28;
constexpr std::uint16_t kMaskFlag = 0x0001;
constexpr std::uint16_t kColor24 = 0x0018;
constexpr int kMaxPictures = 4096;
constexpr int kMaxSide = 1024;

String Num(std::int64_t V) { return FromUTF8(std::to_string(V)); }

std::uint16_t U16(const std::uint8_t* P) { return static_cast<std::uint16_t>(P[0] | P[1] << 8); }
std::uint32_t U32(const std::uint8_t* P) {
  return static_cast<std::uint32_t>(P[0]) | static_cast<std::uint32_t>(P[1]) << 8 |
         static_cast<std::uint32_t>(P[2]) << 16 | static_cast<std::uint32_t>(P[3]) << 24;
}
void Put16(std::vector<std::uint8_t>& Out, std::uint32_t V) {
  Out.push_back(static_cast<std::uint8_t>(V));
  Out.push_back(static_cast<std::uint8_t>(V >> 8));
}
void Put32(std::vector<std::uint8_t>& Out, std::uint32_t V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}

struct THeader {
  int Count = 0;
  int Width = 0;
  int Height = 0;
  bool Masks = false;
};

THeader ReadHeader(std::span<const std::uint8_t> Data) {
  if (Data.size() < kHeaderSize) {
    throw EReadError(u"Image list data too short: a " + Num(kHeaderSize) + u"-byte header expected");
  }
  if (Data[0] != 'I' || Data[1] != 'L') throw EReadError("Image list data does not start with IL");
  THeader h;
  h.Count = static_cast<std::int16_t>(U16(&Data[4]));
  h.Width = static_cast<std::int16_t>(U16(&Data[10]));
  h.Height = static_cast<std::int16_t>(U16(&Data[12]));
  h.Masks = (U16(&Data[18]) & kMaskFlag) != 0;
  if (h.Count < 0 || h.Count > kMaxPictures) throw EReadError(u"Image list data: " + Num(h.Count) + u" pictures");
  if (h.Width < 1 || h.Height < 1 || h.Width > kMaxSide || h.Height > kMaxSide) {
    throw EReadError(u"Image list data: pictures of " + Num(h.Width) + u" x " + Num(h.Height) + u" pixels");
  }
  return h;
}

// The BMP file at Data: its size from its own header, checked against what follows.
std::span<const std::uint8_t> BmpAt(std::span<const std::uint8_t> Data, const char* What) {
  if (Data.size() < 14 || Data[0] != 'B' || Data[1] != 'M') {
    throw EReadError(String(u"Image list data: the ") + FromUTF8(What) + u" bitmap is missing");
  }
  std::uint32_t size = U32(&Data[2]);
  if (size < 14 || size > Data.size()) {
    throw EReadError(String(u"Image list data: the ") + FromUTF8(What) + u" bitmap declares " +
                     Num(size) + u" bytes but " + Num(static_cast<std::int64_t>(Data.size())) +
                     u" follow");
  }
  return Data.first(size);
}

// The pictures must lie within the decoded bitmap, so that a header cannot
// make the reader build more pixels than the data holds.
void CheckFits(const THeader& H, const image::Image& I) {
  int columns = std::min(H.Count, kColumns), rows = (H.Count + kColumns - 1) / kColumns;
  if (I.Width < columns * H.Width || I.Height < rows * H.Height) {
    throw EReadError(u"Image list data: " + Num(H.Count) + u" pictures do not fit in a bitmap of " +
                     Num(I.Width) + u" x " + Num(I.Height) + u" pixels");
  }
}

image::Image Decode(std::span<const std::uint8_t> Bmp) {
  try {
    return image::DecodeBmp(Bmp);
  } catch (const image::DecodeError& e) {
    throw EReadError(u"Image list data: " + FromUTF8(e.what()));
  }
}

// Pixel (X, Y) of picture Index in a grid of Columns pictures to a row.
std::uint32_t GridPixel(const image::Image& I, int Index, int W, int H, int X, int Y) {
  int gx = (Index % kColumns) * W + X, gy = (Index / kColumns) * H + Y;
  if (gx >= I.Width || gy >= I.Height) return 0;
  return I.Pixels[static_cast<std::size_t>(gy) * I.Width + gx];
}

TColor ToColor(std::uint32_t RGBPixel) {
  return RGB(static_cast<std::uint8_t>(RGBPixel >> 16), static_cast<std::uint8_t>(RGBPixel >> 8),
             static_cast<std::uint8_t>(RGBPixel));
}

std::vector<std::uint8_t> MaskBmp(int Width, int Height, const std::vector<bool>& Opaque) {
  int stride = ((Width + 31) / 32) * 4;
  std::uint32_t bits = static_cast<std::uint32_t>(stride * Height);
  std::vector<std::uint8_t> out{'B', 'M'};
  Put32(out, 14 + 40 + 8 + bits);
  Put32(out, 0);
  Put32(out, 14 + 40 + 8);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(Width));
  Put32(out, static_cast<std::uint32_t>(Height));
  Put16(out, 1);
  Put16(out, 1);
  for (int i = 0; i < 6; ++i) Put32(out, i == 1 ? bits : 0);
  Put32(out, 0x000000);  // palette 0: black, drawn
  Put32(out, 0xFFFFFF);  // palette 1: white, transparent
  for (int y = Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
    for (int x = 0; x < Width; ++x) {
      if (!Opaque[static_cast<std::size_t>(y) * Width + x]) row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

void TCustomImageList::ReadData(TStream& Stream) {
  std::vector<std::uint8_t> data(static_cast<std::size_t>(std::max<std::int64_t>(0, Stream.Size() - Stream.Position())));
  if (!data.empty()) Stream.ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  std::span<const std::uint8_t> all(data);
  THeader h = ReadHeader(all);
  std::vector<TPicture> pictures;
  std::size_t used = kHeaderSize;
  if (h.Count > 0) {
    std::span<const std::uint8_t> imageBmp = BmpAt(all.subspan(used), "picture");
    used += imageBmp.size();
    image::Image images = Decode(imageBmp);
    CheckFits(h, images);
    image::Image masks;
    if (h.Masks) {
      std::span<const std::uint8_t> maskBmp = BmpAt(all.subspan(used), "mask");
      used += maskBmp.size();
      masks = Decode(maskBmp);
      CheckFits(h, masks);
    }
    bool alpha = !h.Masks && images.Format == pf32bit;
    for (int k = 0; k < h.Count; ++k) {
      TPicture p;
      for (int y = 0; y < h.Height; ++y) {
        for (int x = 0; x < h.Width; ++x) {
          std::uint32_t px = GridPixel(images, k, h.Width, h.Height, x, y);
          bool opaque = h.Masks ? (GridPixel(masks, k, h.Width, h.Height, x, y) & 0xFFFFFF) == 0
                                : !alpha || (px >> 24) != 0;
          p.Pixels.push_back(ToColor(px));
          p.Opaque.push_back(opaque);
        }
      }
      pictures.push_back(std::move(p));
    }
  }
  Stream.SetPosition(Stream.Position() - static_cast<std::int64_t>(data.size() - used));
  FWidth = h.Width;
  FHeight = h.Height;
  FImages = std::move(pictures);
  Change();
}

void TCustomImageList::WriteData(TStream& Stream) const {
  int count = Count();
  int rows = std::max(1, (count + kColumns - 1) / kColumns);
  int gw = kColumns * FWidth, gh = rows * FHeight;
  std::vector<std::uint32_t> grid(static_cast<std::size_t>(gw) * gh, 0);
  std::vector<bool> opaque(grid.size(), false);
  for (int k = 0; k < count; ++k) {
    const TPicture& p = FImages[static_cast<std::size_t>(k)];
    for (int y = 0; y < FHeight; ++y) {
      for (int x = 0; x < FWidth; ++x) {
        std::size_t from = static_cast<std::size_t>(y) * FWidth + x;
        std::size_t to = static_cast<std::size_t>((k / kColumns) * FHeight + y) * gw + (k % kColumns) * FWidth + x;
        TColor c = p.Pixels[from];
        grid[to] = static_cast<std::uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
        opaque[to] = p.Opaque[from];
      }
    }
  }
  std::vector<std::uint8_t> out{'I', 'L'};
  Put16(out, 0x0101);
  Put16(out, static_cast<std::uint32_t>(count));
  Put16(out, static_cast<std::uint32_t>(rows * kColumns));
  Put16(out, kColumns);
  Put16(out, static_cast<std::uint32_t>(FWidth));
  Put16(out, static_cast<std::uint32_t>(FHeight));
  Put32(out, 0xFFFFFFFF);  // no background color
  Put16(out, kMaskFlag | kColor24);
  for (int i = 0; i < 4; ++i) Put16(out, 0xFFFF);
  image::View view{grid.data(), gw, gh, gw};
  std::vector<std::uint8_t> images = image::EncodeBmp(view, false);
  std::vector<std::uint8_t> masks = MaskBmp(gw, gh, opaque);
  out.insert(out.end(), images.begin(), images.end());
  out.insert(out.end(), masks.begin(), masks.end());
  Stream.WriteBuffer(out.data(), static_cast<std::int64_t>(out.size()));
}

}  // namespace vcl
