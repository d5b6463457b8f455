// What the PNG and JPEG readers make of good files the libraries could
// read in more than one way: 16-bit channels rounded, gamma and color
// profiles not applied, harmless JPEG header warnings accepted while
// damaged data stays an error.
#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

namespace {

// The nearest 8-bit value of a 16-bit sample: round(V × 255 / 65535).
std::uint32_t Rounded(std::uint32_t V) { return (2 * V * 255 + 65535) / (2 * 65535); }

std::string Sample16(std::uint32_t V) {
  std::string s;
  PutBig(s, V, 2);
  return s;
}

std::vector<std::uint32_t> PixelsOf(TBitmap& B) {
  std::vector<std::uint32_t> v;
  for (int y = 0; y < B.Height(); ++y) v.insert(v.end(), B.ScanLine(y), B.ScanLine(y) + B.Width());
  return v;
}

}  // namespace

TEST(PngRules, EverySixteenBitGrayValueIsRoundedToTheNearest) {
  // 256 × 256 samples: every 16-bit value once.
  PngLayout s;
  s.Width = 256;
  s.Height = 256;
  s.Depth = 16;
  s.ColorType = 0;
  for (std::uint32_t y = 0; y < 256; ++y) {
    std::string row;
    for (std::uint32_t x = 0; x < 256; ++x) row += Sample16(y * 256 + x);
    s.Rows.push_back(row);
  }
  TBitmap b;
  LoadBytes(b, MakePng(s));
  int wrong = 0;
  for (std::uint32_t v = 0; v < 65536; ++v) {
    const std::uint32_t c = Rounded(v), want = c << 16 | c << 8 | c;
    const std::uint32_t got = b.ScanLine(static_cast<int>(v / 256))[v % 256];
    if (got != want && ++wrong <= 3) ADD_FAILURE() << std::hex << v << " reads " << got << ", not " << want;
  }
  EXPECT_EQ(b.PixelFormat(), pf24bit);
}

TEST(PngRules, SixteenBitColorAndAlphaAreRoundedToo) {
  // 0x12FF is 18.99 eighths of 257: truncating would give 0x12.
  const std::uint32_t samples[][4] = {
      {0x12FF, 0x80FF, 0x0080, 0xFFFF},
      {0x0081, 0xFF7F, 0xFF80, 0x7FFF},
      {0x0000, 0x8080, 0x00FF, 0x0100},
  };
  PngLayout s;
  s.Width = 3;
  s.Depth = 16;
  s.ColorType = 6;
  s.Rows.emplace_back();
  for (const auto& p : samples) {
    for (std::uint32_t v : p) s.Rows[0] += Sample16(v);
  }
  TBitmap b;
  LoadBytes(b, MakePng(s));
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  for (int x = 0; x < 3; ++x) {
    const auto& p = samples[x];
    const std::uint32_t want = Rounded(p[3]) << 24 | Rounded(p[0]) << 16 | Rounded(p[1]) << 8 | Rounded(p[2]);
    EXPECT_EQ(b.ScanLine(0)[x], want) << x;
  }
  EXPECT_EQ(b.ScanLine(0)[0] >> 16 & 0xFF, 0x13u);
}

TEST(PngRules, GammaProfilesAndTextChangeNoPixel) {
  PngLayout plain;
  plain.Width = 4;
  plain.ColorType = 2;
  plain.Rows = {std::string("\x00\x00\x00\x40\x40\x40\x80\x90\xA0\xFF\xFE\xFD", 12)};
  TBitmap base;
  LoadBytes(base, MakePng(plain));
  const std::string gamma10("\x00\x01\x86\xA0", 4), gamma02("\x00\x00\x4E\x20", 4);
  const struct {
    const char* Name;
    std::string Chunks;
  } cases[] = {
      {"gamma 1.0", PngChunk("gAMA", gamma10)},
      {"gamma 0.2", PngChunk("gAMA", gamma02)},
      {"sRGB", PngChunk("sRGB", std::string(1, '\0'))},
      {"chromaticities", PngChunk("cHRM", std::string(32, '\x01'))},
      {"damaged profile", PngChunk("iCCP", std::string("p\0\0", 3) + "not deflate data")},
      {"damaged compressed text", PngChunk("zTXt", std::string("k\0\0", 3) + "not deflate data")},
      {"significant bits", PngChunk("sBIT", std::string("\x02\x02\x02", 3))},
      {"private chunk", PngChunk("prVt", "anything")},
  };
  for (const auto& k : cases) {
    PngLayout s = plain;
    s.Extra = k.Chunks;
    TBitmap b;
    ASSERT_NO_THROW(LoadBytes(b, MakePng(s))) << k.Name;
    EXPECT_EQ(PixelsOf(b), PixelsOf(base)) << k.Name;
  }
}

// ---------------------------------------------------------------- JPEG

namespace {

std::string SavedJpeg() {
  TBitmap b(24, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) b.Canvas()->SetPixels(x, y, RGB(x * 10, y * 15, 200 - x * 5));
  }
  const String path = OwnTempPath("rules.jpg");
  b.SaveToFile(path);
  return ReadFile(path);
}

// Where the entropy-coded data of the first scan begins.
std::size_t ScanData(const std::string& J) {
  const std::size_t sos = J.find("\xFF\xDA");
  const std::size_t length = static_cast<unsigned char>(J[sos + 2]) << 8 | static_cast<unsigned char>(J[sos + 3]);
  return sos + 2 + length;
}

// The file without its JFIF segment (which follows the start marker).
std::string WithoutJfif(const std::string& J) {
  EXPECT_EQ(J.substr(6, 4), "JFIF");
  const std::size_t length = static_cast<unsigned char>(J[4]) << 8 | static_cast<unsigned char>(J[5]);
  return J.substr(0, 2) + J.substr(4 + length);
}

std::string WithAdobe(const std::string& J, int Transform) {
  std::string app14("\xFF\xEE\x00\x0E" "Adobe\x00\x64\x00\x00\x00\x00", 15);
  app14 += static_cast<char>(Transform);
  return J.substr(0, 2) + app14 + J.substr(2);
}

}  // namespace

TEST(JpegRules, HarmlessHeaderWarningsAreAccepted) {
  const std::string good = SavedJpeg();
  TBitmap base;
  LoadBytes(base, good);
  std::string revision2 = good;
  revision2[11] = 2;  // JFIF 2.01: not a revision the library knows
  const struct {
    const char* Name;
    std::string File;
  } cases[] = {
      {"unknown JFIF revision", revision2},
      {"Adobe marker, YCbCr", WithAdobe(WithoutJfif(good), 1)},
      {"unknown Adobe transform", WithAdobe(WithoutJfif(good), 7)},
      {"stray bytes between markers", good.substr(0, 20) + std::string("\x00\x00", 2) + good.substr(20)},
  };
  for (const auto& k : cases) {
    TBitmap b;
    ASSERT_NO_THROW(LoadBytes(b, k.File)) << k.Name;
    EXPECT_EQ(PixelsOf(b), PixelsOf(base)) << k.Name;
  }
}

TEST(JpegRules, DamagedDataStaysAnError) {
  const std::string good = SavedJpeg();
  const std::size_t data = ScanData(good);
  std::string badCode = FlatJpeg(64, 64, false);
  const std::size_t flatData = ScanData(badCode);
  badCode.replace(flatData, 8, std::string(8, '\x55'));  // '1' bits: no such Huffman code
  const struct {
    const char* Name;
    std::string File;
  } cases[] = {
      {"scan cut short", good.substr(0, data + (good.size() - data) / 2) + "\xFF\xD9"},
      {"no scan data", good.substr(0, data) + "\xFF\xD9"},
      {"bad Huffman code", badCode},
      {"scan cut inside a flat picture", FlatJpeg(64, 64, false, 8)},
  };
  for (const auto& k : cases) {
    auto b = MakeBitmap(2, 2, clRed);
    try {
      LoadBytes(*b, k.File);
      ADD_FAILURE() << k.Name << ": loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find("JPEG image"), std::string::npos) << k.Name << ": " << e.what();
    }
    EXPECT_EQ(CountColor(*b, clRed), 4) << k.Name;
  }
  TBitmap flat;
  LoadBytes(flat, FlatJpeg(64, 64, false));  // the undamaged one
  EXPECT_EQ(CountColor(flat, 0x808080), 64 * 64);
}
