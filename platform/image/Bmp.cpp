// BMP: read 1, 4, 8, 16, 24 and 32 bits per pixel (BI_RGB and BI_BITFIELDS,
// bottom-up and top-down, palettes); write 24 and 32 bits.
#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/image/Codecs.h"

namespace vcl::image {

namespace {

constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3, kBiAlphaBitfields = 6;

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

struct Header {
  std::int64_t Width = 0, Height = 0;  // height negative = top-down
  int Bits = 0;
  std::uint32_t Compression = kBiRgb;
  std::uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::size_t PaletteOffset = 0, PaletteCount = 0, PaletteEntry = 4;
  std::size_t DataOffset = 0;
};

// A channel given by a bit mask, scaled to 0..255.
struct Channel {
  int Shift = 0;
  std::uint32_t Max = 0;
  explicit Channel(std::uint32_t Mask) {
    if (Mask == 0) return;
    Shift = std::countr_zero(Mask);
    Max = Mask >> Shift;
  }
  std::uint32_t Of(std::uint32_t V) const {
    if (Max == 0) return 0;
    return static_cast<std::uint32_t>((std::uint64_t{(V >> Shift) & Max} * 255 + Max / 2) / Max);
  }
};

Header ReadHeader(std::span<const std::uint8_t> d) {
  if (d.size() < 26) throw DecodeError("truncated header");
  Header h;
  h.DataOffset = U32(&d[10]);
  const std::uint32_t infoSize = U32(&d[14]);
  if (infoSize < 12 || infoSize > d.size() - 14) throw DecodeError("truncated header");
  const std::uint8_t* info = &d[14];
  if (infoSize == 12) {
    h.Width = U16(info + 4);
    h.Height = static_cast<std::int16_t>(U16(info + 6));
    h.Bits = static_cast<int>(U16(info + 10));
    h.PaletteEntry = 3;
  } else {
    if (infoSize < 40) throw DecodeError("unsupported header");
    h.Width = static_cast<std::int32_t>(U32(info + 4));
    h.Height = static_cast<std::int32_t>(U32(info + 8));
    h.Bits = static_cast<int>(U16(info + 14));
    h.Compression = U32(info + 16);
    h.PaletteCount = U32(info + 32);
  }
  std::size_t after = 14 + infoSize;
  if (h.Compression == kBiBitfields || h.Compression == kBiAlphaBitfields) {
    const std::size_t count = h.Compression == kBiAlphaBitfields ? 4 : 3;
    // Masks follow a plain info header; larger headers hold them inside.
    const std::size_t at = infoSize == 40 ? after : 14 + 40;
    if (at + 4 * count > d.size()) throw DecodeError("truncated header");
    for (std::size_t i = 0; i < count; ++i) h.Masks[i] = U32(&d[at + 4 * i]);
    if (infoSize >= 56 && count == 3) h.Masks[3] = U32(&d[14 + 52]);
    if (infoSize == 40) after += 4 * count;
  }
  h.PaletteOffset = after;
  return h;
}

void Validate(Header& h, std::span<const std::uint8_t> d) {
  if (h.Width <= 0 || h.Height == 0) throw DecodeError("invalid dimensions");
  CheckSize(h.Width, h.Height < 0 ? -h.Height : h.Height);
  const bool masked = h.Compression == kBiBitfields || h.Compression == kBiAlphaBitfields;
  if (h.Compression != kBiRgb && !masked) throw DecodeError("unsupported compression");
  switch (h.Bits) {
    case 1: case 4: case 8: case 24: break;
    case 16: case 32: break;
    default: throw DecodeError("unsupported bit depth");
  }
  if (masked && h.Bits != 16 && h.Bits != 32) throw DecodeError("bit fields need 16 or 32 bits");
  if (h.Bits > 8) {
    h.PaletteCount = 0;  // an optional palette of a direct-color file is not used
  } else {
    const std::size_t full = std::size_t{1} << h.Bits;
    if (h.PaletteCount == 0 || h.PaletteCount > full) h.PaletteCount = full;
    // Writers often store fewer entries than the depth allows: the palette
    // ends where the pixels begin.
    if (h.DataOffset >= h.PaletteOffset) {
      h.PaletteCount = std::min(h.PaletteCount, (h.DataOffset - h.PaletteOffset) / h.PaletteEntry);
    }
    if (h.PaletteOffset + h.PaletteCount * h.PaletteEntry > d.size()) {
      throw DecodeError("truncated palette");
    }
  }
  if (!masked && h.Bits == 16) {
    h.Masks[0] = 0x7C00; h.Masks[1] = 0x03E0; h.Masks[2] = 0x001F;
  }
}

std::size_t RowBytes(const Header& h) {
  return static_cast<std::size_t>((h.Width * h.Bits + 31) / 32) * 4;
}

class RowDecoder {
 public:
  RowDecoder(const Header& h, std::span<const std::uint8_t> d)
      : FH(h), FR(h.Masks[0]), FG(h.Masks[1]), FB(h.Masks[2]), FA(h.Masks[3]) {
    for (std::size_t i = 0; i < h.PaletteCount; ++i) {
      const std::uint8_t* e = &d[h.PaletteOffset + i * h.PaletteEntry];
      FPalette.push_back((std::uint32_t{e[2]} << 16) | (e[1] << 8) | e[0]);
    }
  }
  void Decode(const std::uint8_t* src, std::uint32_t* out) const {
    const int w = static_cast<int>(FH.Width);
    switch (FH.Bits) {
      case 1: case 4: case 8: Indexed(src, out, w); return;
      case 24:
        for (int x = 0; x < w; ++x, src += 3) out[x] = (std::uint32_t{src[2]} << 16) | (src[1] << 8) | src[0];
        return;
      case 16:
        for (int x = 0; x < w; ++x, src += 2) out[x] = Masked(U16(src));
        return;
      default:
        for (int x = 0; x < w; ++x, src += 4) {
          out[x] = FH.Compression == kBiRgb ? U32(src) : Masked(U32(src));
        }
        return;
    }
  }

 private:
  void Indexed(const std::uint8_t* src, std::uint32_t* out, int w) const {
    const int bits = FH.Bits, perByte = 8 / bits, mask = (1 << bits) - 1;
    for (int x = 0; x < w; ++x) {
      const int shift = 8 - bits * (x % perByte + 1);
      const std::size_t index = (src[x / perByte] >> shift) & mask;
      // Indices beyond a short palette read as black.
      out[x] = index < FPalette.size() ? FPalette[index] : 0;
    }
  }
  std::uint32_t Masked(std::uint32_t v) const {
    return (FA.Of(v) << 24) | (FR.Of(v) << 16) | (FG.Of(v) << 8) | FB.Of(v);
  }

  const Header& FH;
  Channel FR, FG, FB, FA;
  std::vector<std::uint32_t> FPalette;
};

void Put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}

}  // namespace

bool IsBmp(std::span<const std::uint8_t> Data) {
  return Data.size() >= 2 && Data[0] == 'B' && Data[1] == 'M';
}

Image DecodeBmp(std::span<const std::uint8_t> Data) {
  Header h = ReadHeader(Data);
  Validate(h, Data);
  const std::size_t stride = RowBytes(h);
  const std::int64_t rows = h.Height < 0 ? -h.Height : h.Height;
  // The last row may lack its padding; anything shorter is truncated.
  const std::size_t last = static_cast<std::size_t>((h.Width * h.Bits + 7) / 8);
  const std::size_t need = stride * static_cast<std::size_t>(rows - 1) + last;
  if (h.DataOffset > Data.size() || Data.size() - h.DataOffset < need) {
    throw DecodeError("truncated pixel data");
  }
  Image img;
  img.Width = static_cast<int>(h.Width);
  img.Height = static_cast<int>(rows);
  img.Format = h.Bits == 32 ? pf32bit : (h.Bits == 24 ? pf24bit : (h.Bits == 16 ? pf16bit
               : (h.Bits == 8 ? pf8bit : (h.Bits == 4 ? pf4bit : pf1bit))));
  img.Pixels.resize(static_cast<std::size_t>(img.Width) * img.Height);
  const RowDecoder decoder(h, Data);
  for (int y = 0; y < img.Height; ++y) {
    const int fileRow = h.Height < 0 ? y : img.Height - 1 - y;
    decoder.Decode(&Data[h.DataOffset + stride * static_cast<std::size_t>(fileRow)],
                   &img.Pixels[static_cast<std::size_t>(y) * img.Width]);
  }
  return img;
}

namespace {

// The file header and a 40-byte info header of an uncompressed bottom-up file.
void PutHeaders(std::vector<std::uint8_t>& o, int Width, int Height, int Bits, std::size_t DataSize) {
  o.push_back('B');
  o.push_back('M');
  Put32(o, static_cast<std::uint32_t>(54 + DataSize));
  Put32(o, 0);
  Put32(o, 54);
  Put32(o, 40);
  Put32(o, static_cast<std::uint32_t>(Width));
  Put32(o, static_cast<std::uint32_t>(Height));
  Put16(o, 1);
  Put16(o, static_cast<std::uint32_t>(Bits));
  Put32(o, kBiRgb);
  Put32(o, static_cast<std::uint32_t>(DataSize));
  Put32(o, 3780);  // 96 DPI in pixels per metre
  Put32(o, 3780);
  Put32(o, 0);
  Put32(o, 0);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const View& V, bool ThirtyTwoBits) {
  const int bytes = ThirtyTwoBits ? 4 : 3;
  const std::size_t stride = (static_cast<std::size_t>(V.Width) * bytes + 3) & ~std::size_t{3};
  const std::size_t dataSize = stride * static_cast<std::size_t>(V.Height);
  std::vector<std::uint8_t> o;
  o.reserve(54 + dataSize);
  PutHeaders(o, V.Width, V.Height, bytes * 8, dataSize);
  for (int y = V.Height - 1; y >= 0; --y) {
    const std::uint32_t* row = V.Row(y);
    const std::size_t start = o.size();
    for (int x = 0; x < V.Width; ++x) {
      const std::uint32_t p = row[x];
      o.push_back(static_cast<std::uint8_t>(p));
      o.push_back(static_cast<std::uint8_t>(p >> 8));
      o.push_back(static_cast<std::uint8_t>(p >> 16));
      if (ThirtyTwoBits) o.push_back(static_cast<std::uint8_t>(p >> 24));
    }
    o.resize(start + stride, 0);
  }
  return o;
}

}  // namespace vcl::image
