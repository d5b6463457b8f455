// BMP: read 1, 4, 8, 16, 24 and 32 bits per pixel (BI_RGB, BI_BITFIELDS,
// BI_ALPHABITFIELDS, BI_RLE8 and BI_RLE4; bottom-up and top-down; core,
// OS/2 2.x and info headers of every version; palettes); write 24 and 32
// bits.
//
// What the reader accepts:
// - Header sizes 12 (core), 16 and 64 (OS/2 2.x), 40, 52, 56, 108 and 124
//   (info and its later versions); any other size is refused, and so is a
//   plane count other than 1.
// - Palettes hold as many entries as the header says (all 2^bits for 0), no
//   more than fit before the pixels; an index past the palette reads black.
// - Uncompressed pixels must all lie in the file (the last row may lack its
//   padding), checked before anything is allocated.
// - Run-length data (RLE8 with 8 bits, RLE4 with 4, bottom-up only): every
//   run and absolute run stays within its row, a delta within the bitmap;
//   pixels that a delta skips, or that an early end of line or of bitmap
//   leaves, take palette index 0. Data that stops before the end-of-bitmap
//   code is truncated unless every row has been ended. Absolute runs are
//   padded to 16 bits.
#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/image/Codecs.h"

namespace vcl::image {

namespace {

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3,
                        kBiAlphaBitfields = 6;

// Run-length codes give at most 255 pixels for two bytes, but ends of line,
// deltas and the end of bitmap skip any number: this bounds what a file
// may leave to palette index 0.
constexpr std::int64_t kRlePixelsPerByte = 8192;

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

struct Header {
  std::uint32_t InfoSize = 0;
  bool Os2 = false;  // 16 or 64 bytes: compression 3 and 4 mean other things
  std::int64_t Width = 0, Height = 0;  // height negative = top-down
  int Planes = 1;
  int Bits = 0;
  std::uint32_t Compression = kBiRgb;
  std::uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::size_t PaletteOffset = 0, PaletteCount = 0, PaletteEntry = 4;
  std::size_t DataOffset = 0;

  bool Masked() const {
    return !Os2 && (Compression == kBiBitfields || Compression == kBiAlphaBitfields);
  }
  bool RunLength() const { return Compression == kBiRle8 || Compression == kBiRle4; }
  std::int64_t Rows() const { return Height < 0 ? -Height : Height; }
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

bool KnownInfoSize(std::uint32_t Size) {
  switch (Size) {
    case 12: case 16: case 40: case 52: case 56: case 64: case 108: case 124: return true;
    default: return false;
  }
}

void ReadCore(const std::uint8_t* Info, Header& h) {
  h.Width = U16(Info + 4);
  h.Height = U16(Info + 6);
  h.Planes = static_cast<int>(U16(Info + 8));
  h.Bits = static_cast<int>(U16(Info + 10));
  h.PaletteEntry = 3;
}

void ReadInfo(const std::uint8_t* Info, Header& h) {
  h.Os2 = h.InfoSize == 16 || h.InfoSize == 64;
  h.Width = static_cast<std::int32_t>(U32(Info + 4));
  h.Height = static_cast<std::int32_t>(U32(Info + 8));
  h.Planes = static_cast<int>(U16(Info + 12));
  h.Bits = static_cast<int>(U16(Info + 14));
  if (h.InfoSize >= 20) h.Compression = U32(Info + 16);
  if (h.InfoSize >= 36) h.PaletteCount = U32(Info + 32);
}

// Bit fields follow a 40-byte header and lie inside the later versions
// (alpha from 56 bytes on). Returns the bytes they take after the header.
std::size_t ReadMasks(std::span<const std::uint8_t> d, Header& h) {
  if (!h.Masked()) return 0;
  const std::size_t count = h.Compression == kBiAlphaBitfields ? 4 : 3;
  const std::size_t at = 14 + 40;
  if (h.InfoSize == 40) {
    if (at + 4 * count > d.size()) throw DecodeError("truncated header");
    for (std::size_t i = 0; i < count; ++i) h.Masks[i] = U32(&d[at + 4 * i]);
    return 4 * count;
  }
  for (std::size_t i = 0; i < 3; ++i) h.Masks[i] = U32(&d[at + 4 * i]);
  if (h.InfoSize >= 56) h.Masks[3] = U32(&d[at + 12]);
  return 0;
}

Header ReadHeader(std::span<const std::uint8_t> d) {
  if (d.size() < 18) throw DecodeError("truncated header");
  Header h;
  h.DataOffset = U32(&d[10]);
  h.InfoSize = U32(&d[14]);
  if (!KnownInfoSize(h.InfoSize)) {
    throw DecodeError("unsupported header size " + std::to_string(h.InfoSize));
  }
  if (h.InfoSize > d.size() - 14) throw DecodeError("truncated header");
  if (h.InfoSize == 12) ReadCore(&d[14], h);
  else ReadInfo(&d[14], h);
  h.PaletteOffset = 14 + h.InfoSize + ReadMasks(d, h);
  return h;
}

void CheckCoding(const Header& h) {
  switch (h.Bits) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: throw DecodeError("unsupported bit depth");
  }
  if (h.Masked()) {
    if (h.Bits != 16 && h.Bits != 32) throw DecodeError("bit fields need 16 or 32 bits");
  } else if (h.RunLength()) {
    if (h.Bits != (h.Compression == kBiRle8 ? 8 : 4)) {
      throw DecodeError("run-length compression does not match the bit depth");
    }
    if (h.Height < 0) throw DecodeError("run-length bitmaps cannot be top-down");
  } else if (h.Compression != kBiRgb) {
    throw DecodeError("unsupported compression");
  }
}

void CheckPalette(Header& h, std::span<const std::uint8_t> d) {
  if (h.Bits > 8) {
    h.PaletteCount = 0;  // an optional palette of a direct-color file is not used
    return;
  }
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

void Validate(Header& h, std::span<const std::uint8_t> d) {
  if (h.Planes != 1) throw DecodeError("invalid number of planes (" + std::to_string(h.Planes) + ")");
  if (h.Width <= 0 || h.Height == 0) throw DecodeError("invalid dimensions");
  CheckSize(h.Width, h.Rows());
  CheckCoding(h);
  CheckPalette(h, d);
  if (!h.Masked() && h.Bits == 16) {
    h.Masks[0] = 0x7C00; h.Masks[1] = 0x03E0; h.Masks[2] = 0x001F;
  }
}

std::size_t RowBytes(const Header& h) {
  return static_cast<std::size_t>((h.Width * h.Bits + 31) / 32) * 4;
}

// Uncompressed pixels must all be there before anything is allocated; the
// last row may lack its padding.
void CheckPixelData(const Header& h, std::size_t Available) {
  const std::size_t last = static_cast<std::size_t>((h.Width * h.Bits + 7) / 8);
  const std::size_t need = RowBytes(h) * static_cast<std::size_t>(h.Rows() - 1) + last;
  if (Available < need) throw DecodeError("truncated pixel data");
}

// Palette colors; an index past the palette reads as black.
class Palette {
 public:
  Palette(const Header& h, std::span<const std::uint8_t> d) {
    for (std::size_t i = 0; i < h.PaletteCount; ++i) {
      const std::uint8_t* e = &d[h.PaletteOffset + i * h.PaletteEntry];
      FColors.push_back((std::uint32_t{e[2]} << 16) | (e[1] << 8) | e[0]);
    }
  }
  std::uint32_t operator[](std::size_t Index) const {
    return Index < FColors.size() ? FColors[Index] : 0;
  }

 private:
  std::vector<std::uint32_t> FColors;
};

class RowDecoder {
 public:
  RowDecoder(const Header& h, const Palette& P)
      : FH(h), FPalette(P), FR(h.Masks[0]), FG(h.Masks[1]), FB(h.Masks[2]), FA(h.Masks[3]) {}
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
      out[x] = FPalette[(src[x / perByte] >> shift) & mask];
    }
  }
  std::uint32_t Masked(std::uint32_t v) const {
    return (FA.Of(v) << 24) | (FR.Of(v) << 16) | (FG.Of(v) << 8) | FB.Of(v);
  }

  const Header& FH;
  const Palette& FPalette;
  Channel FR, FG, FB, FA;
};

void DecodeRows(const Header& h, std::span<const std::uint8_t> Data, const Palette& P, Image& Img) {
  const std::size_t stride = RowBytes(h);
  const RowDecoder decoder(h, P);
  for (int y = 0; y < Img.Height; ++y) {
    const int fileRow = h.Height < 0 ? y : Img.Height - 1 - y;
    decoder.Decode(&Data[stride * static_cast<std::size_t>(fileRow)],
                   &Img.Pixels[static_cast<std::size_t>(y) * Img.Width]);
  }
}

// Run-length data, decoded from the bottom row up. The position stays
// within X <= Width and Y <= Height (Y == Height once the top row ended).
class RleDecoder {
 public:
  RleDecoder(const Header& h, std::span<const std::uint8_t> Data, const Palette& P, Image& Img)
      : FData(Data), FPalette(P), FImg(Img), FFour(h.Compression == kBiRle4) {}

  void Run() {
    // Once every row has ended, the end of the data ends the bitmap too.
    while (FData.size() - FPos >= 2 || FY < FImg.Height) {
      if (!Step()) return;
    }
  }

 private:
  std::uint8_t Byte() {
    if (FPos >= FData.size()) throw DecodeError("truncated run-length data");
    return FData[FPos++];
  }

  // One code; false at the end of the bitmap.
  bool Step() {
    const int count = Byte(), value = Byte();
    if (count > 0) {
      Repeat(count, static_cast<std::uint8_t>(value));
      return true;
    }
    switch (value) {
      case 0: FX = 0; FY = std::min(FY + 1, FImg.Height); return true;  // end of line
      case 1: return false;                                               // end of bitmap
      case 2: Delta(); return true;
      default: Absolute(value); return true;
    }
  }

  // Where Count pixels go in the current row; they must fit in it.
  std::uint32_t* Place(int Count) {
    if (FY >= FImg.Height || Count > FImg.Width - FX) throw DecodeError("run past the bitmap");
    std::uint32_t* at = &FImg.Pixels[static_cast<std::size_t>(FImg.Height - 1 - FY) * FImg.Width + FX];
    FX += Count;
    return at;
  }

  // The index of pixel I of a run coded in Code: RLE4 alternates the high
  // and the low nibble.
  std::size_t Index(std::uint8_t Code, int I) const {
    if (!FFour) return Code;
    return I % 2 == 0 ? Code >> 4 : Code & 0x0F;
  }

  void Repeat(int Count, std::uint8_t Value) {
    std::uint32_t* out = Place(Count);
    for (int i = 0; i < Count; ++i) out[i] = FPalette[Index(Value, i)];
  }

  void Absolute(int Count) {
    const std::size_t bytes = FFour ? (Count + 1) / 2 : Count;
    if (FData.size() - FPos < bytes) throw DecodeError("truncated run-length data");
    std::uint32_t* out = Place(Count);
    const std::uint8_t* src = &FData[FPos];
    for (int i = 0; i < Count; ++i) out[i] = FPalette[Index(src[FFour ? i / 2 : i], i)];
    FPos += std::min(bytes + bytes % 2, FData.size() - FPos);  // padded to 16 bits
  }

  void Delta() {
    const int dx = Byte(), dy = Byte();
    FX += dx;
    FY += dy;
    if (FX > FImg.Width || FY >= FImg.Height) throw DecodeError("delta past the bitmap");
  }

  std::span<const std::uint8_t> FData;
  const Palette& FPalette;
  Image& FImg;
  bool FFour;
  std::size_t FPos = 0;
  int FX = 0, FY = 0;
};

TPixelFormat FormatOf(int Bits) {
  switch (Bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    default: return pf32bit;
  }
}

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

Image DecodeBmp(std::span<const std::uint8_t> Data, MemoryBudget& Budget) {
  Header h = ReadHeader(Data);
  Validate(h, Data);
  if (h.DataOffset > Data.size()) throw DecodeError("truncated pixel data");
  const std::span<const std::uint8_t> pixels = Data.subspan(h.DataOffset);
  if (h.RunLength()) CheckPlausible(h.Width * h.Rows(), Data.size(), kRlePixelsPerByte);
  else CheckPixelData(h, pixels.size());
  const Palette palette(h, Data);
  Image img;
  img.Width = static_cast<int>(h.Width);
  img.Height = static_cast<int>(h.Rows());
  img.Format = FormatOf(h.Bits);
  Budget.TakePixels(h.Width * h.Rows());
  if (h.RunLength()) {
    img.Pixels.assign(static_cast<std::size_t>(img.Width) * img.Height, palette[0]);
    RleDecoder(h, pixels, palette, img).Run();
  } else {
    img.Pixels.resize(static_cast<std::size_t>(img.Width) * img.Height);
    DecodeRows(h, pixels, palette, img);
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
