// Untrusted image files: every failure raises EInvalidGraphic naming the
// file and the problem, and leaves the bitmap exactly as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "ImageTestSupport.h"
#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

namespace {

struct BadCase {
  std::string Name;
  std::string Bytes;
  std::string Problem;  // a word the message must contain
};

std::string Saved(const char* Ext) {
  TBitmap b(20, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 20; ++x) b.Canvas()->SetPixels(x, y, RGB(x * 12, y * 20, 77));
  }
  const String path = OwnTempPath(std::string("good.") + Ext);
  b.SaveToFile(path);
  return ReadFile(path);
}

std::string BmpClaiming(std::int32_t W, std::int32_t H, int Bits = 24, std::uint32_t Compression = 0) {
  BmpLayout s;
  s.Width = W;
  s.Height = H;
  s.Bits = Bits;
  s.Compression = Compression;
  s.Rows = {{1, 2, 3, 4}};
  return MakeBmp(s);
}

// A run-length BMP of W × H pixels (4 or 8 bits) with the given codes.
std::string RleBmp(int W, int H, int Bits, const std::string& Codes, bool TopDown = false) {
  BmpLayout s;
  s.Width = W;
  s.Height = H;
  s.Bits = Bits;
  s.Compression = Bits == 8 ? 1 : 2;
  s.TopDown = TopDown;
  s.Palette = {0x000000, 0xFFFFFF};
  s.RawData = Codes;
  return MakeBmp(s);
}

std::string BmpWithHeader(std::uint32_t Size, int Planes = 1, std::uint32_t Compression = 0) {
  BmpLayout s;
  s.InfoSize = Size;
  s.Planes = Planes;
  s.Compression = Compression;
  s.Bits = Compression == 3 ? 32 : 24;
  s.Rows = {{1, 2, 3, 4}};
  return MakeBmp(s);
}

std::string Codes(std::initializer_list<int> Bytes) {
  std::string s;
  for (int b : Bytes) s += static_cast<char>(b);
  return s;
}

// Files the readers' rules refuse: run-length codes that leave the bitmap
// or stop early, header sizes and plane counts that do not exist, chunks
// that declare more than the file holds, damaged JPEG data.
void AddReaderRuleCases(std::vector<BadCase>& V) {
  const std::string run = "run past the bitmap", cut = "truncated run-length", delta = "delta past";
  const std::vector<BadCase> rle = {
      {"rle8 run past the row", RleBmp(4, 2, 8, Codes({3, 1, 2, 1})), run},
      {"rle4 run past the row", RleBmp(5, 1, 4, Codes({6, 0x12})), run},
      {"rle8 absolute run past the row", RleBmp(4, 1, 8, Codes({2, 1, 0, 3, 1, 1, 1, 0})), run},
      {"rle8 run above the top row", RleBmp(2, 1, 8, Codes({0, 0, 1, 1})), run},
      {"rle8 delta past the right edge", RleBmp(4, 2, 8, Codes({2, 1, 0, 2, 3, 0})), delta},
      {"rle8 delta past the top", RleBmp(4, 2, 8, Codes({0, 2, 0, 2})), delta},
      {"rle8 cut inside a code", RleBmp(4, 2, 8, Codes({4, 1, 0})), cut},
      {"rle4 cut inside an absolute run", RleBmp(8, 1, 4, Codes({0, 8, 0x12, 0x34})), cut},
      {"rle8 cut inside a delta", RleBmp(4, 2, 8, Codes({0, 2, 1})), cut},
      {"rle8 rows left without end of bitmap", RleBmp(4, 2, 8, Codes({4, 1, 0, 0})), cut},
      {"rle4 no data at all", RleBmp(4, 2, 4, ""), cut},
      {"rle8 top-down", RleBmp(2, 2, 8, Codes({0, 1}), true), "top-down"},
      {"rle8 with 4 bits", [] { BmpLayout s; s.Bits = 4; s.Compression = 1; s.RawData = Codes({0, 1}); return MakeBmp(s); }(), "bit depth"},
  };
  V.insert(V.end(), rle.begin(), rle.end());
  for (std::uint32_t size : {0u, 11u, 20u, 39u, 41u, 44u, 100u, 128u, 4096u}) {
    V.push_back({"bmp header size " + std::to_string(size), BmpWithHeader(size), "header size"});
  }
  for (int planes : {0, 2, 65535}) {
    V.push_back({"bmp planes " + std::to_string(planes), BmpWithHeader(40, planes), "planes"});
  }
  // In a 64-byte header, 3 is one-dimensional Huffman coding, not bit fields.
  V.push_back({"bmp os/2 compression 3", BmpWithHeader(64, 1, 3), "compression"});
  std::string bomb = PngHeader(16, 1);
  PutBig(bomb, 0x71000000, 4);
  bomb += "zTXt";
  bomb.resize(432, 'z');
  V.push_back({"png text chunk bomb", bomb, "truncated"});
  const std::string flat = FlatJpeg(64, 64, false);
  V.push_back({"jpeg scan cut short", flat.substr(0, flat.size() - 12) + "\xFF\xD9", "JPEG"});
}

std::vector<BadCase> Cases() {
  const std::string bmp = Saved("bmp"), png = Saved("png"), jpg = Saved("jpg");
  std::vector<BadCase> v = {
      {"empty", "", "empty"},
      {"unknown format", "GIF89a\x01\x00\x01\x00", "unknown"},
      {"bmp signature only", "BM", "truncated"},
      {"bmp truncated header", bmp.substr(0, 30), "truncated"},
      {"bmp truncated pixels", bmp.substr(0, bmp.size() / 2), "truncated"},
      {"bmp lying size", BmpClaiming(1000, 1000), "truncated"},
      {"bmp too wide", BmpClaiming(40000, 1), "too large"},
      {"bmp too many pixels", BmpClaiming(20000, 20000), "too large"},
      {"bmp zero height", BmpClaiming(4, 0), "dimensions"},
      {"bmp negative width", BmpClaiming(-4, 4), "dimensions"},
      {"bmp most negative height", BmpClaiming(4, INT32_MIN), "too large"},
      {"bmp odd depth", BmpClaiming(1, 1, 7), "depth"},
      {"bmp embedded jpeg", BmpClaiming(1, 1, 8, 4), "compression"},
      {"png truncated", png.substr(0, png.size() - 30), "PNG"},
      {"png header only", png.substr(0, 33), "PNG"},
      {"png huge", PngHeader(40000, 40000) + png.substr(33), "too large"},
      {"png lying size", PngHeader(16000, 16000) + png.substr(33), "larger than the data"},
      {"jpeg truncated", jpg.substr(0, jpg.size() / 2), "JPEG"},
      {"jpeg start only", jpg.substr(0, 3), "JPEG"},
  };
  std::string badCrc = png;
  badCrc[20] ^= 0x40;  // inside IHDR
  v.push_back({"png bad checksum", badCrc, "PNG"});
  std::string garbage = jpg.substr(0, 200);
  std::mt19937 rng(9);
  for (int i = 0; i < 400; ++i) garbage += static_cast<char>(rng());
  v.push_back({"jpeg garbage", garbage, "JPEG"});
  BmpLayout shortPalette;
  shortPalette.Bits = 8;
  shortPalette.Palette.assign(256, 0);
  std::string sp = MakeBmp(shortPalette);
  sp[46] = 0;  // palette count 0 means all 256 entries: cut the file inside them
  sp.resize(14 + 40 + 100);
  v.push_back({"bmp truncated palette", sp, "palette"});
  AddReaderRuleCases(v);
  return v;
}

// A bitmap with recognisable content to compare against after a failure:
// every pixel different, alpha bytes set, settings away from the defaults.
std::unique_ptr<TBitmap> Marked() {
  auto b = std::make_unique<TBitmap>(3, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) b->ScanLine(y)[x] = 0x11000000u * (x + 1) + 0x00102030u * (y + 2) + x;
  }
  b->SetPixelFormat(pf8bit);
  b->SetTransparentColor(clFuchsia);
  b->SetTransparent(true);
  return b;
}

// A failed load leaves the bitmap byte for byte as Marked() made it.
void ExpectUnchanged(TBitmap& B, const std::string& Name) {
  const auto want = Marked();
  ASSERT_EQ(B.Width(), 3) << Name;
  ASSERT_EQ(B.Height(), 2) << Name;
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(std::memcmp(B.ScanLine(y), want->ScanLine(y), 3 * sizeof(std::uint32_t)), 0) << Name << " row " << y;
  }
  EXPECT_EQ(B.PixelFormat(), pf8bit) << Name;
  EXPECT_EQ(B.TransparentColor(), clFuchsia) << Name;
  EXPECT_TRUE(B.Transparent()) << Name;
}

}  // namespace

TEST(BadImages, FilesRaiseWithTheNameAndTheProblem) {
  for (const BadCase& k : Cases()) {
    const String path = TempPath("bad-" + std::to_string(std::hash<std::string>()(k.Name)) + ".img");
    WriteFile(path, k.Bytes);
    auto b = Marked();
    try {
      b->LoadFromFile(path);
      ADD_FAILURE() << k.Name << ": no exception";
    } catch (const EInvalidGraphic& e) {
      const std::string msg = e.what();
      EXPECT_NE(msg.find(ToUTF8(path)), std::string::npos) << k.Name << ": " << msg;
      EXPECT_NE(msg.find(k.Problem), std::string::npos) << k.Name << ": " << msg;
    }
    ExpectUnchanged(*b, k.Name);
  }
}

TEST(BadImages, StreamsRaiseTheSameWithoutAName) {
  for (const BadCase& k : Cases()) {
    auto b = Marked();
    try {
      LoadBytes(*b, k.Bytes);
      ADD_FAILURE() << k.Name << ": no exception";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find(k.Problem), std::string::npos) << k.Name << ": " << e.what();
    }
    ExpectUnchanged(*b, k.Name);
  }
}

TEST(BadImages, EveryTruncationOfAGoodFileFailsCleanly) {
  for (const char* ext : {"bmp", "png", "jpg"}) {
    const std::string good = Saved(ext);
    for (std::size_t n = 0; n < good.size(); n += 7) {
      auto b = Marked();
      EXPECT_THROW(LoadBytes(*b, good.substr(0, n)), EInvalidGraphic) << ext << " cut at " << n;
      ExpectUnchanged(*b, std::string(ext) + " cut");
    }
  }
}

TEST(BadImages, FlippedBytesNeverCrash) {
  // Damaged files may still decode; they must never do anything worse than
  // raise EInvalidGraphic.
  std::mt19937 rng(21);
  for (const char* ext : {"bmp", "png", "jpg"}) {
    const std::string good = Saved(ext);
    for (int round = 0; round < 150; ++round) {
      std::string bytes = good;
      for (int k = 0; k < 3; ++k) bytes[rng() % bytes.size()] = static_cast<char>(rng());
      TBitmap b;
      try {
        LoadBytes(b, bytes);
        EXPECT_GT(b.Width() * b.Height(), 0);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}

TEST(BadImages, MissingFileRaisesTheOpenErrorAndKeepsTheBitmap) {
  auto b = Marked();
  EXPECT_THROW(b->LoadFromFile(TempPath("does-not-exist.bmp")), EFOpenError);
  ExpectUnchanged(*b, "missing");
}
