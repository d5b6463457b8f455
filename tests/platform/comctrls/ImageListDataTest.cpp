// Image list pictures in form files (Bitmap = {...}): pictures and their
// masks come back as written, 32-bit pictures without masks take their
// transparency from alpha, and data that lies leaves the list as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComCtrlsTestSupport.h"
#include "platform/ImgList.h"
#include "platform/Streaming.h"
#include "platform/image/Codecs.h"

namespace comctltest {
namespace {

using TBytes = std::vector<std::uint8_t>;

// Picture k of a W × H list: pixel (x, y) colored from k, x and y; the
// pixels with (x + y + k) % 3 == 0 are transparent.
void Fill(TImageList& List, int Count) {
  for (int k = 0; k < Count; ++k) {
    TBitmap pic(List.Width(), List.Height()), mask(List.Width(), List.Height());
    for (int y = 0; y < List.Height(); ++y) {
      for (int x = 0; x < List.Width(); ++x) {
        pic.Canvas()->SetPixels(x, y, RGB(static_cast<std::uint8_t>(40 * k + x), static_cast<std::uint8_t>(y * 9), 77));
        mask.Canvas()->SetPixels(x, y, (x + y + k) % 3 == 0 ? clWhite : clBlack);
      }
    }
    List.Add(&pic, &mask);
  }
}

// Each picture drawn on blue: its pixels, blue where it is transparent.
std::vector<TColor> Drawn(TImageList& List) {
  std::vector<TColor> out;
  for (int k = 0; k < List.Count(); ++k) {
    TBitmap target(List.Width(), List.Height());
    target.Canvas()->Brush()->SetColor(clBlue);
    target.Canvas()->FillRect(Rect(0, 0, List.Width(), List.Height()));
    List.Draw(target.Canvas(), 0, 0, k);
    for (int y = 0; y < List.Height(); ++y)
      for (int x = 0; x < List.Width(); ++x) out.push_back(target.Canvas()->Pixels(x, y));
  }
  return out;
}

TBytes Header(int Count, int W, int H, bool Masks) {
  TBytes h(28, 0);
  h[0] = 'I';
  h[1] = 'L';
  h[2] = 0x01;
  h[3] = 0x01;
  h[4] = static_cast<std::uint8_t>(Count);
  h[5] = static_cast<std::uint8_t>(Count >> 8);
  h[10] = static_cast<std::uint8_t>(W);
  h[12] = static_cast<std::uint8_t>(H);
  h[18] = Masks ? 1 : 0;
  return h;
}

TBytes Data(const TImageList& List) {
  TMemoryStream s;
  List.WriteData(s);
  return streaming::StreamBytes(s);
}

void ReadInto(TImageList& List, const TBytes& Bytes) {
  TMemoryStream s;
  streaming::FillStream(s, Bytes);
  List.ReadData(s);
}

TEST(ImageListData, FormFilesKeepPicturesAndMasks) {
  const struct {
    int W, H, Count;
  } cases[] = {{16, 16, 0}, {16, 16, 1}, {5, 3, 4}, {7, 9, 6}, {1, 1, 9}};
  for (const auto& c : cases) {
    TImageList list(nullptr);
    list.SetWidth(c.W);
    list.SetHeight(c.H);
    Fill(list, c.Count);
    String text = WriteComponentToText(&list);
    TImageList back(nullptr);
    ReadComponentFromText(text, &back);
    EXPECT_EQ(back.Count(), c.Count) << c.W << "x" << c.H;
    EXPECT_EQ(back.Width(), c.W);
    EXPECT_EQ(Drawn(back), Drawn(list)) << c.W << "x" << c.H << " count " << c.Count;
    EXPECT_EQ(WriteComponentToText(&back), text);
    EXPECT_EQ(text.find(u"Bitmap") != String::npos, c.Count > 0);
  }
}

TEST(ImageListData, ThirtyTwoBitPicturesWithoutMasksUseAlpha) {
  std::vector<std::uint32_t> px(8 * 2);
  for (std::size_t i = 0; i < px.size(); ++i) px[i] = (i % 2 ? 0xFF000000u : 0u) | 0x00112233u;
  image::View view{px.data(), 8, 2, 8};
  TBytes bytes = Header(2, 4, 2, false);
  TBytes bmp = image::EncodeBmp(view, true);
  bytes.insert(bytes.end(), bmp.begin(), bmp.end());
  TImageList list(nullptr);
  ReadInto(list, bytes);
  ASSERT_EQ(list.Count(), 2);
  std::vector<TColor> drawn = Drawn(list);
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    int k = static_cast<int>(i) / 8, x = static_cast<int>(i) % 4 + 4 * k;
    EXPECT_EQ(drawn[i], x % 2 ? RGB(0x11, 0x22, 0x33) : ColorToRGB(clBlue)) << i;
  }
}

TEST(ImageListData, BadDataLeavesTheListAsItWas) {
  TImageList good(nullptr);
  good.SetWidth(4);
  good.SetHeight(4);
  Fill(good, 3);
  const TBytes whole = Data(good);
  auto cut = [&](std::size_t n) { return TBytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n)); };
  auto patched = [&](std::size_t At, std::uint8_t V) {
    TBytes b = whole;
    b[At] = V;
    return b;
  };
  const struct {
    const char* What;
    TBytes Bytes;
  } cases[] = {
      {"empty", {}},
      {"header cut", cut(20)},
      {"no picture bitmap", cut(28)},
      {"picture bitmap cut", cut(60)},
      {"mask bitmap cut", cut(whole.size() - 3)},
      {"not IL", patched(1, 'X')},
      {"negative count", patched(5, 0x80)},
      {"zero width", patched(10, 0)},
      {"bitmap size beyond the data", patched(28 + 4, 0x7F)},
      {"picture bitmap not a BMP", patched(28, 'X')},
      {"no bitmap after the header", Header(4000, 4, 4, false)},
      {"more pictures than the bitmap holds", [] {
         TBytes b = Header(4000, 1000, 1000, false);
         std::uint32_t px = 0;
         TBytes bmp = image::EncodeBmp(image::View{&px, 1, 1, 1}, false);
         b.insert(b.end(), bmp.begin(), bmp.end());
         return b;
       }()},
  };
  for (const auto& c : cases) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    Fill(list, 2);
    std::vector<TColor> before = Drawn(list);
    EXPECT_THROW(ReadInto(list, c.Bytes), EReadError) << c.What;
    EXPECT_EQ(list.Count(), 2) << c.What;
    EXPECT_EQ(Drawn(list), before) << c.What;
  }
}

}  // namespace
}  // namespace comctltest
