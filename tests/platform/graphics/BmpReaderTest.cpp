// The BMP reader on files made here: run-length data of every code kind
// checked against a model of the codes, header sizes and masks read as the
// format lays them out. Files it refuses are in BadImageTest.cpp.
#include <gtest/gtest.h>

#include <random>

#include "ImageTestSupport.h"
#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

namespace {

// Run-length codes written at the level of the format's operations, with
// the picture they describe kept beside them: Grid[y][x] is the palette
// index of pixel x of row y counted from the bottom, 0 where nothing is
// written.
class RleWriter {
 public:
  RleWriter(int W, int H, bool Four) : FFour(Four), Grid(H, std::vector<int>(W, 0)) {}

  // Count pixels of A, or of A and B by turns (RLE4).
  RleWriter& Run(int Count, int A, int B = -1) {
    if (B < 0 || !FFour) B = A;
    Code(Count, FFour ? (A << 4) | B : A);
    for (int i = 0; i < Count; ++i) Set(i % 2 == 0 ? A : B);
    return *this;
  }
  RleWriter& Absolute(const std::vector<int>& Indices) {
    const int n = static_cast<int>(Indices.size());
    Code(0, n);
    std::string data;
    for (int i = 0; i < n; ++i) {
      if (!FFour) data += static_cast<char>(Indices[i]);
      else if (i % 2 == 0) data += static_cast<char>(Indices[i] << 4);
      else data.back() = static_cast<char>(data.back() | Indices[i]);
      Set(Indices[i]);
    }
    if (data.size() % 2 != 0) data += '\x00';
    Bytes += data;
    return *this;
  }
  RleWriter& EndOfLine() {
    Code(0, 0);
    FX = 0;
    ++FY;
    return *this;
  }
  RleWriter& Delta(int Dx, int Dy) {
    Code(0, 2);
    Code(Dx, Dy);
    FX += Dx;
    FY += Dy;
    return *this;
  }
  RleWriter& EndOfBitmap() {
    Code(0, 1);
    return *this;
  }

  std::string Bytes;

 private:
  void Code(int A, int B) {
    Bytes += static_cast<char>(A);
    Bytes += static_cast<char>(B);
  }
  void Set(int Index) {
    if (FY < static_cast<int>(Grid.size()) && FX < static_cast<int>(Grid[FY].size())) {
      Grid[FY][FX] = Index;
    }
    ++FX;
  }

  bool FFour;
  int FX = 0, FY = 0;

 public:
  std::vector<std::vector<int>> Grid;
};

// Every index gets its own color; the palette is full unless Colors says.
std::vector<std::uint32_t> Colors(int Count) {
  std::vector<std::uint32_t> p;
  for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(Count); ++i) {
    p.push_back(0x400000u | (i << 8) | (255 - i));
  }
  return p;
}

BmpLayout RleLayout(int W, int H, bool Four, const std::string& Codes) {
  BmpLayout s;
  s.Width = W;
  s.Height = H;
  s.Bits = Four ? 4 : 8;
  s.Compression = Four ? 2 : 1;
  s.Palette = Colors(Four ? 16 : 256);
  s.RawData = Codes;
  return s;
}

// Loads the codes and compares every pixel with the writer's model.
void ExpectDecodes(const RleWriter& R, bool Four, const std::string& Name) {
  const int h = static_cast<int>(R.Grid.size()), w = static_cast<int>(R.Grid[0].size());
  const BmpLayout layout = RleLayout(w, h, Four, R.Bytes);
  TBitmap b;
  ASSERT_NO_THROW(LoadBytes(b, MakeBmp(layout))) << Name;
  ASSERT_EQ(b.Width(), w) << Name;
  ASSERT_EQ(b.Height(), h) << Name;
  EXPECT_EQ(b.PixelFormat(), Four ? pf4bit : pf8bit) << Name;
  int wrong = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint32_t want = layout.Palette[R.Grid[h - 1 - y][x]];
      if (b.ScanLine(y)[x] != want && ++wrong <= 3) {
        ADD_FAILURE() << Name << ": pixel " << x << "," << y << " is " << std::hex
                      << b.ScanLine(y)[x] << ", not " << want;
      }
    }
  }
}

struct RleCase {
  const char* Name;
  bool Four;
  int W, H;
  std::function<void(RleWriter&)> Write;
};

const std::vector<RleCase>& GoodRleCases() {
  static const std::vector<RleCase> cases = {
      {"rle8 runs and ends of line", false, 5, 3,
       [](RleWriter& r) { r.Run(2, 7).Run(3, 9).EndOfLine().Run(5, 1).EndOfLine().Run(5, 200).EndOfBitmap(); }},
      {"rle8 absolute runs, odd and even", false, 7, 2,
       [](RleWriter& r) { r.Absolute({1, 2, 3}).Absolute({4, 5, 6, 7}).EndOfLine().Absolute({9, 8, 7, 6, 5, 4, 3}).EndOfBitmap(); }},
      {"rle8 delta skips to index 0", false, 6, 4,
       [](RleWriter& r) { r.Run(1, 5).Delta(3, 2).Run(2, 6).EndOfLine().Run(6, 4).EndOfBitmap(); }},
      {"rle8 early end of line and of bitmap", false, 4, 3,
       [](RleWriter& r) { r.Run(1, 3).EndOfLine().Absolute({8, 9, 10}).EndOfBitmap(); }},
      {"rle8 nothing but end of bitmap", false, 3, 2, [](RleWriter& r) { r.EndOfBitmap(); }},
      {"rle8 rows ended without end of bitmap", false, 2, 2,
       [](RleWriter& r) { r.Run(2, 11).EndOfLine().Run(2, 12).EndOfLine(); }},
      {"rle8 delta to the end of a row", false, 4, 2,
       [](RleWriter& r) { r.Run(1, 2).Delta(3, 0).EndOfLine().Run(4, 3).EndOfBitmap(); }},
      {"rle4 alternating runs", true, 7, 2,
       [](RleWriter& r) { r.Run(5, 1, 2).Run(2, 15).EndOfLine().Run(7, 3, 4).EndOfBitmap(); }},
      {"rle4 absolute runs padded to 16 bits", true, 9, 2,
       [](RleWriter& r) {
         r.Absolute({1, 2, 3}).Absolute({4, 5, 6, 7, 8, 9}).EndOfLine().Absolute({15, 14, 13, 12, 11}).EndOfBitmap();
       }},
      {"rle4 delta and early end", true, 8, 3,
       [](RleWriter& r) { r.Run(3, 6, 7).Delta(2, 1).Absolute({1, 2, 3}).EndOfBitmap(); }},
  };
  return cases;
}

// A random picture written with every kind of code: runs, absolute runs,
// deltas (some moving up a row), ends of line before the row is full.
RleWriter RandomRle(std::mt19937& Rng, bool Four, int W, int H) {
  RleWriter r(W, H, Four);
  const unsigned colors = Four ? 16 : 256;
  auto pick = [&](int Most) { return 1 + static_cast<int>(Rng() % static_cast<unsigned>(Most)); };
  auto color = [&] { return static_cast<int>(Rng() % colors); };
  int x = 0, y = 0;
  while (y < H) {
    const int left = std::min(W - x, 255), kind = static_cast<int>(Rng() % 8);
    if (left == 0 || (kind == 0 && y + 1 < H)) {
      r.EndOfLine();
      x = 0;
      ++y;
    } else if (kind == 1) {
      const int dx = static_cast<int>(Rng() % static_cast<unsigned>(left + 1));
      const int dy = y + 1 < H && Rng() % 3 == 0 ? 1 : 0;
      r.Delta(dx, dy);
      x += dx;
      y += dy;
    } else if (kind <= 4 && left >= 3) {
      std::vector<int> v(static_cast<std::size_t>(2 + pick(left - 2)));
      for (int& i : v) i = color();
      r.Absolute(v);
      x += static_cast<int>(v.size());
    } else {
      const int n = pick(left);
      r.Run(n, color(), color());
      x += n;
    }
  }
  r.EndOfBitmap();
  return r;
}

}  // namespace

TEST(BmpRunLength, EveryKindOfCodeMatchesTheModel) {
  for (const RleCase& k : GoodRleCases()) {
    RleWriter r(k.W, k.H, k.Four);
    k.Write(r);
    ExpectDecodes(r, k.Four, k.Name);
  }
}

TEST(BmpRunLength, RandomPicturesMatchTheModel) {
  std::mt19937 rng(77);
  for (int round = 0; round < 40; ++round) {
    const bool four = round % 2 == 1;
    const int w = 1 + static_cast<int>(rng() % 300), h = 1 + static_cast<int>(rng() % 12);
    ExpectDecodes(RandomRle(rng, four, w, h), four, "random round " + std::to_string(round));
  }
}

TEST(BmpRunLength, SkippedPixelsTakeIndexZeroOrBlackWithoutAPalette) {
  RleWriter r(3, 1, false);
  r.Run(1, 1).EndOfBitmap();
  BmpLayout s = RleLayout(3, 1, false, r.Bytes);
  s.Palette = {0x123456, 0xABCDEF};
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.ScanLine(0)[0], 0xABCDEFu);
  EXPECT_EQ(b.ScanLine(0)[1], 0x123456u);
  EXPECT_EQ(b.ScanLine(0)[2], 0x123456u);
  s.Palette.clear();
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.ScanLine(0)[2], 0u);
  EXPECT_EQ(b.ScanLine(0)[0], 0u);  // index 1 is past the empty palette
}

// ---------------------------------------------------------------- headers

namespace {

// A 2 × 1 picture of two palette colors, written with a header of Size bytes.
BmpLayout IndexedWithHeader(std::uint32_t Size) {
  BmpLayout s;
  s.Width = 2;
  s.Height = 1;
  s.Bits = 8;
  s.InfoSize = Size;
  s.Core = Size == 12;
  s.Palette = {0x102030, 0x405060};
  s.Rows = {{1, 0}};
  return s;
}

}  // namespace

TEST(BmpHeaders, EveryKnownHeaderSizeReadsTheSamePicture) {
  for (std::uint32_t size : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u}) {
    TBitmap b;
    ASSERT_NO_THROW(LoadBytes(b, MakeBmp(IndexedWithHeader(size)))) << size;
    EXPECT_EQ(b.Width(), 2) << size;
    EXPECT_EQ(b.ScanLine(0)[0], 0x405060u) << size;
    EXPECT_EQ(b.ScanLine(0)[1], 0x102030u) << size;
  }
}

TEST(BmpHeaders, BitFieldsInsideTheLaterHeaders) {
  // Red in the low byte, green in the middle, blue in the high byte; an
  // alpha mask is read from 56-byte headers on.
  for (std::uint32_t size : {40u, 52u, 56u, 108u, 124u}) {
    BmpLayout s;
    s.InfoSize = size;
    s.Bits = 32;
    s.Compression = 3;
    s.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    if (size >= 56) s.Masks.push_back(0xFF000000);
    s.Rows = {{0x11, 0x22, 0x33, 0x80}};
    TBitmap b;
    LoadBytes(b, MakeBmp(s));
    const std::uint32_t alpha = size >= 56 ? 0x80000000u : 0;
    EXPECT_EQ(b.ScanLine(0)[0], alpha | 0x112233u) << size;
  }
}

TEST(BmpHeaders, AlphaBitFieldsFollowAPlainHeader) {
  BmpLayout s;
  s.Bits = 16;
  s.Compression = 6;
  s.Masks = {0x0F00, 0x00F0, 0x000F, 0xF000};  // 4-4-4-4
  s.Rows = {{0x5F, 0xA0}};                     // 0xA05F: alpha 10, red 0, green 5, blue 15
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.ScanLine(0)[0], (10u * 17 << 24) | (0u << 16) | (5u * 17 << 8) | 15u * 17);
}
