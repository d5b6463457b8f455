// Helpers for image tests: scratch files and hand-made BMP and PNG bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Graphics.h"

namespace vcltest {

inline vcl::String TempPath(const std::string& Name) {
  std::filesystem::create_directories(VYR_TEST_TMP);
  return vcl::FromUTF8(std::string(VYR_TEST_TMP) + "/" + Name);
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
// to four bytes here.
struct BmpSpec {
  std::int32_t Width = 1;
  std::int32_t Height = 1;
  int Bits = 24;
  bool TopDown = false;
  bool Core = false;  // the 12-byte header with 3-byte palette entries
  std::uint32_t Compression = 0;
  std::vector<std::uint32_t> Masks;    // bit fields after the header
  std::vector<std::uint32_t> Palette;  // 0x00RRGGBB
  std::vector<std::vector<std::uint8_t>> Rows;
};

inline std::string MakeBmp(const BmpSpec& S) {
  std::string info, pal, data;
  if (S.Core) {
    Put(info, 12, 4);
    Put(info, static_cast<std::uint32_t>(S.Width), 2);
    Put(info, static_cast<std::uint32_t>(S.Height), 2);
    Put(info, 1, 2);
    Put(info, static_cast<std::uint32_t>(S.Bits), 2);
  } else {
    Put(info, 40, 4);
    Put(info, static_cast<std::uint32_t>(S.Width), 4);
    Put(info, static_cast<std::uint32_t>(S.TopDown ? -S.Height : S.Height), 4);
    Put(info, 1, 2);
    Put(info, static_cast<std::uint32_t>(S.Bits), 2);
    Put(info, S.Compression, 4);
    Put(info, 0, 4);
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, static_cast<std::uint32_t>(S.Palette.size()), 4);
    Put(info, 0, 4);
    for (std::uint32_t m : S.Masks) Put(info, m, 4);
  }
  for (std::uint32_t c : S.Palette) Put(pal, c, S.Core ? 3 : 4);
  for (const auto& row : S.Rows) {
    std::string r(row.begin(), row.end());
    while (r.size() % 4 != 0) r += '\0';
    data += r;
  }
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

}  // namespace vcltest
