// Helpers for image tests: scratch files and hand-made BMP and PNG bytes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Graphics.h"

namespace vcltest {

inline vcl::String TempPath(const std::string& Name) {
  std::filesystem::create_directories(VYR_TEST_TMP);
  return vcl::FromUTF8(std::string(VYR_TEST_TMP) + "/" + Name);
}

// A scratch file of the running test alone: ctest runs the tests of one
// executable side by side.
inline vcl::String OwnTempPath(const std::string& Name) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return TempPath(std::string(test->test_suite_name()) + "." + test->name() + "-" + Name);
}

inline std::string ReadFile(const vcl::String& Path) {
  std::ifstream in(vcl::ToUTF8(Path), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void WriteFile(const vcl::String& Path, const std::string& Bytes) {
  std::ofstream(vcl::ToUTF8(Path), std::ios::binary) << Bytes;
}

inline void LoadBytes(vcl::TBitmap& B, const std::string& Bytes) {
  vcl::TMemoryStream s;
  s.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  s.SetPosition(0);
  B.LoadFromStream(&s);
}

inline void Put(std::string& S, std::uint32_t V, int Bytes) {
  for (int i = 0; i < Bytes; ++i) S += static_cast<char>((V >> (8 * i)) & 0xFF);
}

// A BMP file: rows as they lie in the file (first row first), each padded
// to four bytes here, or RawData as it stands (run-length codes).
struct BmpLayout {
  std::int32_t Width = 1;
  std::int32_t Height = 1;
  int Bits = 24;
  bool TopDown = false;
  bool Core = false;  // the 12-byte header with 3-byte palette entries
  std::uint32_t InfoSize = 40;  // of a header other than the core one
  int Planes = 1;
  std::uint32_t Compression = 0;
  std::vector<std::uint32_t> Masks;    // after a 40-byte header, inside larger ones
  std::vector<std::uint32_t> Palette;  // 0x00RRGGBB
  std::vector<std::vector<std::uint8_t>> Rows;
  std::string RawData;
};

// The info header of any size: the fields of the 40-byte one as far as
// they reach, bit fields from byte 40 on, zeros after.
inline std::string InfoHeader(const BmpLayout& S) {
  std::string info;
  Put(info, S.InfoSize, 4);
  Put(info, static_cast<std::uint32_t>(S.Width), 4);
  Put(info, static_cast<std::uint32_t>(S.TopDown ? -S.Height : S.Height), 4);
  Put(info, static_cast<std::uint32_t>(S.Planes), 2);
  Put(info, static_cast<std::uint32_t>(S.Bits), 2);
  Put(info, S.Compression, 4);
  Put(info, 0, 4);
  Put(info, 2835, 4);
  Put(info, 2835, 4);
  Put(info, static_cast<std::uint32_t>(S.Palette.size()), 4);
  Put(info, 0, 4);
  const bool inside = S.InfoSize > 40;
  if (inside) {
    for (std::uint32_t m : S.Masks) Put(info, m, 4);
  }
  info.resize(S.InfoSize, '\0');
  if (!inside) {
    for (std::uint32_t m : S.Masks) Put(info, m, 4);
  }
  return info;
}

inline std::string MakeBmp(const BmpLayout& S) {
  std::string info, pal, data;
  if (S.Core) {
    Put(info, 12, 4);
    Put(info, static_cast<std::uint32_t>(S.Width), 2);
    Put(info, static_cast<std::uint32_t>(S.Height), 2);
    Put(info, static_cast<std::uint32_t>(S.Planes), 2);
    Put(info, static_cast<std::uint32_t>(S.Bits), 2);
  } else {
    info = InfoHeader(S);
  }
  for (std::uint32_t c : S.Palette) Put(pal, c, S.Core ? 3 : 4);
  for (const auto& row : S.Rows) {
    std::string r(row.begin(), row.end());
    while (r.size() % 4 != 0) r += '\0';
    data += r;
  }
  data += S.RawData;
  std::string file = "BM";
  const std::uint32_t offset = static_cast<std::uint32_t>(14 + info.size() + pal.size());
  Put(file, static_cast<std::uint32_t>(offset + data.size()), 4);
  Put(file, 0, 4);
  Put(file, offset, 4);
  return file + info + pal + data;
}

inline std::uint32_t Crc32(const std::string& Bytes) {
  std::uint32_t c = 0xFFFFFFFF;
  for (unsigned char b : Bytes) {
    c ^= b;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

// A PNG chunk with its length and CRC.
inline std::string PngChunk(const std::string& Type, const std::string& Body) {
  std::string s;
  for (int i = 3; i >= 0; --i) s += static_cast<char>((Body.size() >> (8 * i)) & 0xFF);
  const std::uint32_t crc = Crc32(Type + Body);
  s += Type + Body;
  for (int i = 3; i >= 0; --i) s += static_cast<char>((crc >> (8 * i)) & 0xFF);
  return s;
}

// The start of a PNG claiming the given size: signature and IHDR only.
inline std::string PngHeader(std::uint32_t W, std::uint32_t H) {
  std::string ihdr;
  for (std::uint32_t v : {W, H}) {
    for (int i = 3; i >= 0; --i) ihdr += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  ihdr += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", ihdr);
}

inline void PutBig(std::string& S, std::uint32_t V, int Bytes) {
  for (int i = Bytes - 1; i >= 0; --i) S += static_cast<char>((V >> (8 * i)) & 0xFF);
}

// A zlib stream of stored (uncompressed) deflate blocks.
inline std::string StoredZlib(const std::string& Raw) {
  std::string z("\x78\x01", 2);
  std::size_t at = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, Raw.size() - at);
    z += static_cast<char>(at + n == Raw.size() ? 1 : 0);
    Put(z, static_cast<std::uint32_t>(n), 2);
    Put(z, static_cast<std::uint32_t>(~n & 0xFFFF), 2);
    z += Raw.substr(at, n);
    at += n;
  } while (at < Raw.size());
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : Raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  PutBig(z, (b << 16) | a, 4);
  return z;
}

// A whole non-interlaced PNG: rows of raw samples (filter byte 0 added),
// Extra chunks between IHDR and IDAT.
struct PngLayout {
  std::uint32_t Width = 1;
  std::uint32_t Height = 1;
  int Depth = 8;
  int ColorType = 2;  // 0 gray, 2 RGB, 3 palette, 4 gray + alpha, 6 RGBA
  std::vector<std::string> Rows;
  std::string Extra;
};

inline std::string MakePng(const PngLayout& S) {
  std::string ihdr;
  PutBig(ihdr, S.Width, 4);
  PutBig(ihdr, S.Height, 4);
  ihdr += static_cast<char>(S.Depth);
  ihdr += static_cast<char>(S.ColorType);
  ihdr += std::string(3, '\0');
  std::string raw;
  for (const std::string& row : S.Rows) raw += '\0' + row;
  return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", ihdr) + S.Extra +
         PngChunk("IDAT", StoredZlib(raw)) + PngChunk("IEND", "");
}

// A gray JPEG of W × H pixels, all 128: every block is coded with one-bit
// Huffman codes (DC difference 0, end of block), two bits a block. A
// progressive file holds its DC scan only. EntropyBytes cuts the coded data.
inline std::string FlatJpeg(std::uint16_t W, std::uint16_t H, bool Progressive,
                            std::size_t EntropyBytes = SIZE_MAX) {
  auto segment = [](int Marker, const std::string& Body) {
    std::string s("\xFF", 1);
    s += static_cast<char>(Marker);
    PutBig(s, static_cast<std::uint32_t>(Body.size() + 2), 2);
    return s + Body;
  };
  auto oneCodeTable = [](int ClassAndId) {
    std::string t(1, static_cast<char>(ClassAndId));
    t += '\1';
    t += std::string(15, '\0');
    return t + std::string(1, '\0');  // the one symbol: 0 (DC 0, or end of block)
  };
  std::string frame("\x08", 1);
  PutBig(frame, H, 2);
  PutBig(frame, W, 2);
  frame += std::string("\x01\x01\x11\x00", 4);
  const std::string scan = Progressive ? std::string("\x01\x01\x00\x00\x00\x00", 6)
                                       : std::string("\x01\x01\x00\x00\x3F\x00", 6);
  std::string s("\xFF\xD8", 2);
  s += segment(0xDB, std::string(1, '\0') + std::string(64, '\1'));
  s += segment(Progressive ? 0xC2 : 0xC0, frame);
  s += segment(0xC4, oneCodeTable(0x00));
  if (!Progressive) s += segment(0xC4, oneCodeTable(0x10));
  s += segment(0xDA, scan);
  const std::size_t blocks = std::size_t{(W + 7u) / 8u} * ((H + 7u) / 8u);
  const std::size_t bits = blocks * (Progressive ? 1 : 2);
  std::string coded(bits / 8, '\0');
  if (bits % 8 != 0) coded += static_cast<char>((1 << (8 - bits % 8)) - 1);  // padded with ones
  s += coded.substr(0, std::min(EntropyBytes, coded.size()));
  return s + std::string("\xFF\xD9", 2);
}

}  // namespace vcltest
