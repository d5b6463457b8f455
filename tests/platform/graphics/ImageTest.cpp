// Image files: round trips, BMP variants, format choice, named resources.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "ImageTestSupport.h"
#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

namespace {

std::unique_ptr<TBitmap> Noise(int W, int H, unsigned Seed) {
  auto b = std::make_unique<TBitmap>(W, H);
  std::mt19937 rng(Seed);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) b->ScanLine(y)[x] = rng() & 0xFFFFFF;
  }
  return b;
}

bool SamePixels(const TBitmap& A, const TBitmap& B, std::uint32_t Mask = 0xFFFFFFFF) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return false;
  for (int y = 0; y < A.Height(); ++y) {
    for (int x = 0; x < A.Width(); ++x) {
      if ((A.ScanLine(y)[x] & Mask) != (B.ScanLine(y)[x] & Mask)) return false;
    }
  }
  return true;
}

}  // namespace

TEST(ImageRoundTrip, Bmp24KeepsEveryPixel) {
  auto a = Noise(13, 7, 1);  // odd width: rows need padding
  a->SaveToFile(TempPath("rt24.bmp"));
  TBitmap b;
  b.LoadFromFile(TempPath("rt24.bmp"));
  EXPECT_TRUE(SamePixels(*a, b));
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(ReadFile(TempPath("rt24.bmp")).size(), 54u + 7 * 40);
}

TEST(ImageRoundTrip, Bmp32KeepsAlphaInTheTopByte) {
  auto a = Noise(5, 4, 2);
  a->SetPixelFormat(pf32bit);
  a->ScanLine(1)[2] |= 0x7F000000;
  a->SaveToFile(TempPath("rt32.bmp"));
  TBitmap b;
  b.LoadFromFile(TempPath("rt32.bmp"));
  EXPECT_TRUE(SamePixels(*a, b));
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(b.Canvas()->Pixels(2, 1), a->Canvas()->Pixels(2, 1));  // alpha is not color
}

TEST(ImageRoundTrip, PngIsLossless) {
  auto a = Noise(31, 17, 3);
  a->SaveToFile(TempPath("rt.png"));
  TBitmap b;
  b.LoadFromFile(TempPath("rt.png"));
  EXPECT_TRUE(SamePixels(*a, b));
  auto c = Noise(4, 4, 4);
  c->SetPixelFormat(pf32bit);
  c->ScanLine(0)[0] |= 0x80000000;
  c->ScanLine(3)[3] |= 0xFF000000;
  c->SaveToFile(TempPath("rta.png"));
  b.LoadFromFile(TempPath("rta.png"));
  EXPECT_TRUE(SamePixels(*c, b));
  EXPECT_EQ(b.PixelFormat(), pf32bit);
}

TEST(ImageRoundTrip, JpegStaysCloseOnSmoothPictures) {
  TBitmap a(64, 48);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) a.Canvas()->SetPixels(x, y, RGB(x * 4, y * 5, 128));
  }
  a.SaveToFile(TempPath("rt.jpg"));
  TBitmap b;
  b.LoadFromFile(TempPath("rt.jpg"));
  ASSERT_EQ(b.Width(), 64);
  ASSERT_EQ(b.Height(), 48);
  int worst = 0;
  double sum = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      const TColor p = a.Canvas()->Pixels(x, y), q = b.Canvas()->Pixels(x, y);
      for (int sh : {0, 8, 16}) {
        const int d = std::abs(int((p >> sh) & 0xFF) - int((q >> sh) & 0xFF));
        worst = std::max(worst, d);
        sum += d;
      }
    }
  }
  EXPECT_LE(worst, 16);
  EXPECT_LE(sum / (64 * 48 * 3), 2.0);
}

TEST(ImageRoundTrip, DrawnThirtyTwoBitPngStaysOpaque) {
  // The canvas leaves the top byte zero; that is not "fully transparent".
  auto a = MakeBitmap(4, 4, clRed);
  a->SetPixelFormat(pf32bit);
  a->SaveToFile(TempPath("opaque.png"));
  TBitmap b;
  b.LoadFromFile(TempPath("opaque.png"));
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.Canvas()->Pixels(3, 3), clRed);
}

TEST(ImageFiles, SaveChoosesTheFormatByExtension) {
  auto a = Noise(3, 3, 5);
  a->SaveToFile(TempPath("f.png"));
  a->SaveToFile(TempPath("f.JPEG"));
  a->SaveToFile(TempPath("f.jpg"));
  a->SaveToFile(TempPath("f.bmp"));
  a->SaveToFile(TempPath("f.other"));
  EXPECT_EQ(ReadFile(TempPath("f.png")).substr(1, 3), "PNG");
  EXPECT_EQ(ReadFile(TempPath("f.JPEG")).substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(ReadFile(TempPath("f.jpg")).substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(ReadFile(TempPath("f.bmp")).substr(0, 2), "BM");
  EXPECT_EQ(ReadFile(TempPath("f.other")).substr(0, 2), "BM");
}

TEST(ImageFiles, LoadDetectsTheFormatByContent) {
  auto a = Noise(6, 2, 6);
  a->SaveToFile(TempPath("content.png"));
  WriteFile(TempPath("content-really-png.bmp"), ReadFile(TempPath("content.png")));
  TBitmap b;
  b.LoadFromFile(TempPath("content-really-png.bmp"));
  EXPECT_TRUE(SamePixels(*a, b));
}

TEST(ImageFiles, StreamsCarryBmp) {
  auto a = Noise(4, 3, 7);
  TMemoryStream s;
  a->SaveToStream(&s);
  EXPECT_EQ(static_cast<const char*>(s.Memory())[0], 'B');
  s.SetPosition(0);
  TBitmap b;
  b.LoadFromStream(&s);
  EXPECT_TRUE(SamePixels(*a, b));
}

TEST(ImageFiles, SavingAnEmptyBitmapFails) {
  TBitmap b;
  EXPECT_THROW(b.SaveToFile(TempPath("empty.png")), EInvalidGraphicOperation);
}

TEST(ImageFiles, ChangeEventFiresOnLoad) {
  Noise(2, 2, 8)->SaveToFile(TempPath("event.bmp"));
  TBitmap b;
  int changes = 0;
  b.SetOnChange([&](TObject*) { ++changes; });
  b.LoadFromFile(TempPath("event.bmp"));
  EXPECT_EQ(changes, 1);
}

// ---------------------------------------------------------------- BMP variants

TEST(BmpVariants, OneBitUsesItsTwoColorPalette) {
  BmpLayout s;
  s.Width = 10;
  s.Height = 2;
  s.Bits = 1;
  s.Palette = {0x0000FF, 0x00FF00};  // 0x00RRGGBB: blue, green
  s.Rows = {{0b10100000, 0b01000000}, {0b11111111, 0b11000000}};
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  ASSERT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clLime);  // bottom-up: first file row is the bottom
  EXPECT_EQ(b.Canvas()->Pixels(9, 0), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(0, 1), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clBlue);
  EXPECT_EQ(b.Canvas()->Pixels(2, 1), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(9, 1), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(8, 1), clBlue);
  EXPECT_EQ(b.PixelFormat(), pf1bit);
}

TEST(BmpVariants, FourAndEightBitIndices) {
  BmpLayout s4;
  s4.Width = 3;
  s4.Height = 1;
  s4.Bits = 4;
  s4.Palette = {0x000000, 0x112233, 0x445566, 0x778899};
  s4.Rows = {{0x12, 0x30}};
  TBitmap b;
  LoadBytes(b, MakeBmp(s4));
  EXPECT_EQ(b.ScanLine(0)[0], 0x112233u);
  EXPECT_EQ(b.ScanLine(0)[1], 0x445566u);
  EXPECT_EQ(b.ScanLine(0)[2], 0x778899u);
  BmpLayout s8;
  s8.Width = 2;
  s8.Height = 1;
  s8.Bits = 8;
  s8.Palette.assign(256, 0);
  s8.Palette[200] = 0xABCDEF;
  s8.Rows = {{200, 7}};
  LoadBytes(b, MakeBmp(s8));
  EXPECT_EQ(b.ScanLine(0)[0], 0xABCDEFu);
  EXPECT_EQ(b.ScanLine(0)[1], 0u);
  EXPECT_EQ(b.PixelFormat(), pf8bit);
}

TEST(BmpVariants, IndexBeyondAShortPaletteReadsBlack) {
  BmpLayout s;
  s.Width = 2;
  s.Height = 1;
  s.Bits = 8;
  s.Palette = {0xFFFFFF};
  s.Rows = {{0, 9}};
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.ScanLine(0)[0], 0xFFFFFFu);
  EXPECT_EQ(b.ScanLine(0)[1], 0u);
}

TEST(BmpVariants, TopDownRowsComeFirst) {
  BmpLayout s;
  s.Width = 1;
  s.Height = 2;
  s.Bits = 24;
  s.TopDown = true;
  s.Rows = {{0x00, 0x00, 0xFF}, {0xFF, 0x00, 0x00}};  // B, G, R: red then blue
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(0, 1), clBlue);
}

TEST(BmpVariants, SixteenBitFiveFiveFive) {
  BmpLayout s;
  s.Width = 2;
  s.Height = 1;
  s.Bits = 16;
  s.Rows = {{0x00, 0x7C, 0x1F, 0x00}};  // 0x7C00 full red, 0x001F full blue
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clBlue);
}

TEST(BmpVariants, BitfieldsWithOwnMasks) {
  BmpLayout s;
  s.Width = 1;
  s.Height = 1;
  s.Bits = 32;
  s.Compression = 3;
  s.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the low byte
  s.Rows = {{0x11, 0x22, 0x33, 0x00}};
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), RGB(0x11, 0x22, 0x33));
  s.Bits = 16;
  s.Masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5
  s.Rows = {{0xE0, 0x07}};             // full green
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clLime);
}

TEST(BmpVariants, CoreHeaderWithThreeBytePalette) {
  BmpLayout s;
  s.Width = 2;
  s.Height = 1;
  s.Bits = 8;
  s.Core = true;
  s.Palette = {0x102030, 0x405060};
  s.Rows = {{1, 0}};
  TBitmap b;
  LoadBytes(b, MakeBmp(s));
  EXPECT_EQ(b.ScanLine(0)[0], 0x405060u);
  EXPECT_EQ(b.ScanLine(0)[1], 0x102030u);
}

TEST(BmpVariants, MissingPaddingOfTheLastRowIsAccepted) {
  BmpLayout s;
  s.Width = 1;
  s.Height = 2;
  s.Bits = 24;
  s.Rows = {{1, 2, 3}, {4, 5, 6}};
  std::string bytes = MakeBmp(s);
  bytes.resize(bytes.size() - 1);  // the final row's padding byte
  TBitmap b;
  LoadBytes(b, bytes);
  EXPECT_EQ(b.ScanLine(0)[0], 0x060504u);
}

// ---------------------------------------------------------------- resources

TEST(Resources, CheckBoxFamilyIsEmbedded) {
  TBitmap b;
  b.LoadFromResourceName(u"CHECKBOX");
  EXPECT_EQ(b.Width(), 32);
  EXPECT_EQ(b.Height(), 32);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), 0xEBBEEBu);  // see-through corner
  // The on pictures (left column) carry a mark the off pictures lack.
  auto marks = [&](int x0, int y0) {
    int n = 0;
    for (int y = y0 + 3; y < y0 + 12; ++y) {
      for (int x = x0 + 3; x < x0 + 12; ++x) {
        const TColor p = b.Canvas()->Pixels(x, y);
        n += p != clWhite && p != 0xF0F0F0u;
      }
    }
    return n;
  };
  EXPECT_GT(marks(0, 0), 10);
  EXPECT_EQ(marks(16, 0), 0);
  EXPECT_GT(marks(0, 16), 10);
  EXPECT_EQ(marks(16, 16), 0);
  b.LoadFromResourceName(u"RADIOBUT");
  EXPECT_EQ(b.Width(), 28);
  EXPECT_EQ(b.Height(), 28);
  b.LoadFromResourceName(u"CHECKEDBOX");
  EXPECT_EQ(b.Width(), 16);
  b.LoadFromResourceName(u"EMPTYBOX");
  EXPECT_EQ(b.Height(), 16);
}

TEST(Resources, NamesAreCaseInsensitive) {
  TBitmap a, b;
  a.LoadFromResourceName(u"checkedbox");
  b.LoadFromResourceName(0, u"CheckedBox");
  EXPECT_TRUE(SamePixels(a, b));
  EXPECT_EQ(a.Width(), 16);
}

TEST(Resources, UnknownNameRaisesAndKeepsTheBitmap) {
  auto b = MakeBitmap(3, 2, clRed);
  try {
    b->LoadFromResourceName(u"NOSUCHPICTURE");
    FAIL() << "no exception";
  } catch (const EResNotFound& e) {
    EXPECT_NE(std::string(e.what()).find("NOSUCHPICTURE"), std::string::npos) << e.what();
  }
  EXPECT_EQ(b->Width(), 3);
  EXPECT_EQ(CountColor(*b, clRed), 6);
}

// ---------------------------------------------------------------- fuzz seeds

TEST(SeedFiles, EverySeedOfTheImageReadersLoadsOrIsRefusedAsNamed) {
  // Seeds named "refused-..." are regression seeds of hostile files.
  namespace fs = std::filesystem;
  int files = 0, refused = 0;
  for (const char* dir : {"bmp", "png", "jpeg"}) {
    for (const auto& entry : fs::directory_iterator(fs::path(VYR_SOURCE_DIR) / "fuzz/corpus" / dir)) {
      TBitmap b;
      const String path = FromUTF8(entry.path().string());
      if (entry.path().filename().string().starts_with("refused-")) {
        EXPECT_THROW(b.LoadFromFile(path), EInvalidGraphic) << entry.path();
        ++refused;
        continue;
      }
      EXPECT_NO_THROW(b.LoadFromFile(path)) << entry.path();
      EXPECT_FALSE(b.Empty()) << entry.path();
      ++files;
    }
  }
  EXPECT_GE(files, 20);
  EXPECT_GE(refused, 1);
}

TEST(SeedFiles, PngColorTypesAreExpanded) {
  const std::string dir = std::string(VYR_SOURCE_DIR) + "/fuzz/corpus/png/";
  TBitmap b;
  b.LoadFromFile(FromUTF8(dir + "palette.png"));  // indices 0..3, index 0 transparent
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(b.ScanLine(0)[0], 0x00000000u);
  EXPECT_EQ(b.ScanLine(0)[1], 0xFFFF0000u);
  EXPECT_EQ(b.Canvas()->Pixels(2, 0), clLime);
  EXPECT_EQ(b.Canvas()->Pixels(3, 0), clBlue);
  b.LoadFromFile(FromUTF8(dir + "gray16.png"));  // 0x1234 and 0xFFFF
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), RGB(0x12, 0x12, 0x12));
  EXPECT_EQ(b.Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
}
