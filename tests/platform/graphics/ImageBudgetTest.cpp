// The memory budget of the image readers: chunks, markers and headers that
// declare far more than the file holds are refused before anything large
// is allocated, measured through the budget that every allocation of the
// readers' libraries goes through.
#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "PixelTestSupport.h"
#include "platform/image/Codecs.h"

using namespace vcl;
using namespace vcltest;
namespace img = vcl::image;

namespace {

std::span<const std::uint8_t> Bytes(const std::string& S) {
  return {reinterpret_cast<const std::uint8_t*>(S.data()), S.size()};
}

// Decodes within a fresh budget; the complaint, empty when it loads.
std::string TryDecode(const std::string& File, img::MemoryBudget& Budget) {
  try {
    img::Decode(Bytes(File), Budget);
    return "";
  } catch (const img::DecodeError& e) {
    return e.what();
  }
}

// A 16 × 1 PNG whose chunk of the given type declares Length bytes; the
// file ends inside it, Size bytes in all.
std::string DeclaredChunkBomb(const std::string& Type, std::uint32_t Length, std::size_t Size = 432) {
  std::string s = PngHeader(16, 1);
  PutBig(s, Length, 4);
  s += Type;
  std::string body = Type == "iCCP" ? std::string("icc\0\0", 5) : std::string("Comment\0", 8);
  s += body;
  s.resize(Size, 'x');
  return s;
}

// The most a refused bomb may cost: libpng's and libjpeg's structures.
constexpr std::size_t kSmall = 256 * 1024;

std::string Saved(int W, int H, const char* Ext) {
  TBitmap b(W, H);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) b.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 7 + y * 13) * 0x010301u & 0xFFFFFF;
  }
  const String path = OwnTempPath(std::string("budget.") + Ext);
  b.SaveToFile(path);
  return ReadFile(path);
}

}  // namespace

TEST(ImageBudget, TextChunkDeclaringGigabytesIsRefusedAtOnce) {
  const std::string bomb = DeclaredChunkBomb("tEXt", 0x71000000);  // about 1.9 GB
  ASSERT_EQ(bomb.size(), 432u);
  img::MemoryBudget budget;
  EXPECT_NE(TryDecode(bomb, budget).find("truncated"), std::string::npos);
  EXPECT_LT(budget.Peak(), kSmall);
  EXPECT_FALSE(budget.Refused());  // skipped unread, not refused by the budget
  auto b = MakeBitmap(2, 2, clRed);
  EXPECT_THROW(LoadBytes(*b, bomb), EInvalidGraphic);
  EXPECT_EQ(CountColor(*b, clRed), 4);
}

TEST(ImageBudget, EveryAncillaryChunkIsSkippedWhateverItDeclares) {
  for (const char* type : {"tEXt", "zTXt", "iTXt", "iCCP", "sPLT", "eXIf", "pCAL", "sCAL", "prVt"}) {
    for (std::uint32_t length : {0x7FFFFFFFu, 0x10000000u, 0x00800000u}) {
      img::MemoryBudget budget;
      const std::string why = TryDecode(DeclaredChunkBomb(type, length), budget);
      EXPECT_NE(why.find("truncated"), std::string::npos) << type << " " << length << ": " << why;
      EXPECT_LT(budget.Peak(), kSmall) << type << " " << length;
    }
  }
}

TEST(ImageBudget, ACompleteFileWithALargeChunkLoadsWithoutBufferingIt) {
  PngLayout s;
  s.Width = 2;
  s.Depth = 8;
  s.ColorType = 2;
  s.Rows = {std::string("\x10\x20\x30\x40\x50\x60", 6)};
  s.Extra = PngChunk("tEXt", "Comment" + std::string(1, '\0') + std::string(3 << 20, 'x')) +
            PngChunk("zTXt", "Title" + std::string(2, '\0') + StoredZlib(std::string(1 << 20, 'y')));
  img::MemoryBudget budget;
  const img::Image picture = img::Decode(Bytes(MakePng(s)), budget);
  EXPECT_EQ(picture.Pixels[1], 0x405060u);
  EXPECT_LT(budget.Peak(), kSmall);
}

TEST(ImageBudget, HugeDimensionsWithTinyDataAreRefusedBeforeAllocating) {
  BmpLayout rle;
  rle.Width = 30000;
  rle.Height = 8000;
  rle.Bits = 8;
  rle.Compression = 1;
  rle.RawData = std::string("\x00\x01", 2);  // end of bitmap: all index 0
  BmpLayout plain = rle;
  plain.Compression = 0;
  plain.RawData = std::string(64, '\0');
  const struct {
    const char* Name;
    std::string File;
    const char* Problem;
  } cases[] = {
      {"png beyond the limits", MakePng({30000, 30000, 8, 2, {}, ""}), "too large"},
      {"png beyond a side", MakePng({40000, 1, 8, 2, {}, ""}), "too large"},
      {"png within the limits", MakePng({16000, 16000, 8, 2, {}, ""}), "larger than the data"},
      {"baseline jpeg", FlatJpeg(30000, 8000, false, 16), "larger than the data"},
      {"progressive jpeg", FlatJpeg(8192, 8192, true, 100), "larger than the data"},
      {"run-length bmp", MakeBmp(rle), "larger than the data"},
      {"uncompressed bmp", MakeBmp(plain), "truncated pixel data"},
  };
  for (const auto& k : cases) {
    img::MemoryBudget budget;
    const std::string why = TryDecode(k.File, budget);
    EXPECT_NE(why.find(k.Problem), std::string::npos) << k.Name << ": " << why;
    EXPECT_LT(budget.Peak(), kSmall) << k.Name;
  }
}

TEST(ImageBudget, LibraryAllocationsAreTakenFromTheBudget) {
  // A budget too small for the libraries' own structures refuses the
  // decode; the default one counts their memory besides the pixels.
  for (const char* ext : {"png", "jpg"}) {
    const std::string file = Saved(40, 30, ext);
    img::MemoryBudget tiny(4096);
    EXPECT_NE(TryDecode(file, tiny).find(img::kOverBudget), std::string::npos) << ext;
    EXPECT_TRUE(tiny.Refused()) << ext;
    EXPECT_LE(tiny.Peak(), 4096u) << ext;
    img::MemoryBudget budget;
    EXPECT_EQ(TryDecode(file, budget), "") << ext;
    EXPECT_GT(budget.Peak(), 40u * 30 * 4 + 4096) << ext;
    EXPECT_FALSE(budget.Refused()) << ext;
  }
}

TEST(ImageBudget, APictureInSeveralScansMayHoldItsCoefficients) {
  // 2048 × 2048 gray: 65536 blocks of 64 two-byte coefficients kept whole
  // while the scans arrive, allowed on top of the pixels.
  const std::size_t pixels = std::size_t{2048} * 2048 * 4, coefficients = std::size_t{65536} * 128;
  img::MemoryBudget progressive;
  const img::Image a = img::Decode(Bytes(FlatJpeg(2048, 2048, true)), progressive);
  EXPECT_GE(progressive.Peak(), pixels + coefficients);
  EXPECT_LE(progressive.Peak(), pixels + coefficients + img::kWorkAllowance);
  img::MemoryBudget baseline;
  const img::Image b = img::Decode(Bytes(FlatJpeg(2048, 2048, false)), baseline);
  EXPECT_LT(baseline.Peak(), pixels + coefficients / 4);
  for (const img::Image* p : {&a, &b}) {
    ASSERT_EQ(p->Pixels.size(), std::size_t{2048} * 2048);
    EXPECT_EQ(std::count(p->Pixels.begin(), p->Pixels.end(), 0x808080u), 2048 * 2048);
  }
}

TEST(ImageBudget, TheWidestPicturesFitTheAllowance) {
  PngLayout wide;
  wide.Width = img::kMaxSide;
  wide.Height = 2;
  wide.Depth = 16;
  wide.ColorType = 6;
  wide.Rows.assign(2, std::string(std::size_t{img::kMaxSide} * 8, '\x7F'));
  img::MemoryBudget png;
  EXPECT_EQ(TryDecode(MakePng(wide), png), "");
  img::MemoryBudget jpeg;
  EXPECT_EQ(TryDecode(Saved(img::kMaxSide, 16, "jpg"), jpeg), "");
}

TEST(ImageBudget, CountsTakesAndGivesWithinItsLimit) {
  img::MemoryBudget b(100);
  EXPECT_TRUE(b.Take(60));
  EXPECT_FALSE(b.Take(41));  // would pass the limit: nothing taken
  EXPECT_EQ(b.Used(), 60u);
  EXPECT_TRUE(b.Refused());
  b.Give(50);
  EXPECT_TRUE(b.Take(90));
  EXPECT_EQ(b.Used(), 100u);
  EXPECT_EQ(b.Peak(), 100u);
  b.Allow(SIZE_MAX);  // saturates
  EXPECT_EQ(b.Limit(), SIZE_MAX);
  b.Give(SIZE_MAX);
  EXPECT_EQ(b.Used(), 0u);
  img::MemoryBudget p(0);
  p.TakePixels(10);
  EXPECT_EQ(p.Used(), 40u);
  EXPECT_EQ(p.Limit(), 40u);
}
