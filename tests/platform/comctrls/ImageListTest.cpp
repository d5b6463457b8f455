// Image lists: strips cut into pictures, masks by bitmap and by color,
// drawing (enabled and dimmed) and copies out.
#include <gtest/gtest.h>

#include "ComCtrlsTestSupport.h"
#include "platform/ImgList.h"

namespace comctltest {
namespace {

// A Width × 4 strip of 4 × 4 pictures; picture k is filled with Colors[k].
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> Colors, int Width) {
  auto bmp = std::make_unique<TBitmap>(Width, 4);
  int k = 0;
  for (TColor c : Colors) {
    bmp->Canvas()->Brush()->SetColor(c);
    bmp->Canvas()->FillRect(Rect(k * 4, 0, k * 4 + 4, 4));
    ++k;
  }
  return bmp;
}

TEST(ImageList, StripsAreCutByWidth) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  int changes = 0;
  list.SetOnChange([&](TObject*) { ++changes; });
  const struct {
    int StripWidth;
    int Added;
  } cases[] = {{12, 3}, {14, 3}, {4, 1}, {3, 1}};  // the rest of a strip is left out; a narrow one is padded
  int count = 0;
  for (const auto& c : cases) {
    auto bmp = Strip({clRed, clLime, clBlue}, c.StripWidth);
    EXPECT_EQ(list.AddMasked(bmp.get(), clNone), count);
    count += c.Added;
    EXPECT_EQ(list.Count(), count) << c.StripWidth;
  }
  EXPECT_EQ(changes, 4);
  TBitmap empty;
  EXPECT_EQ(list.Add(&empty, nullptr), -1);
  TBitmap out;
  ASSERT_TRUE(list.GetBitmap(1, &out));
  EXPECT_EQ(out.Canvas()->Pixels(2, 2), ColorToRGB(clLime));
  ASSERT_TRUE(list.GetBitmap(count - 1, &out));  // the padded picture
  EXPECT_EQ(out.Canvas()->Pixels(3, 0), ColorToRGB(clFuchsia));
  EXPECT_FALSE(list.GetBitmap(count, &out));
  list.SetWidth(8);  // another size clears the list
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, MasksLeaveTheBackground) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  auto bmp = Strip({clRed}, 4);
  TBitmap mask(4, 4);  // white: transparent, black: drawn
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(Rect(0, 0, 4, 4));
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 2, 4));
  list.Add(bmp.get(), &mask);
  bmp->Canvas()->SetPixels(0, 0, clYellow);
  list.AddMasked(bmp.get(), clYellow);
  TBitmap target(20, 10);
  target.Canvas()->Brush()->SetColor(clBlue);
  target.Canvas()->FillRect(Rect(0, 0, 20, 10));
  list.Draw(target.Canvas(), 1, 1, 0);
  list.Draw(target.Canvas(), 10, 1, 1, false);
  list.Draw(target.Canvas(), 15, 1, 7);  // no such picture: nothing
  TCanvas* c = target.Canvas();
  EXPECT_EQ(c->Pixels(1, 1), ColorToRGB(clRed));
  EXPECT_EQ(c->Pixels(2, 4), ColorToRGB(clRed));
  EXPECT_EQ(c->Pixels(3, 1), ColorToRGB(clBlue));  // masked out
  EXPECT_EQ(c->Pixels(10, 1), ColorToRGB(clBlue)); // the yellow corner
  // Disabled: the brightness of red (30 % of 255) lifted into the grays.
  int v = 128 + (255 * 30 / 100) / 2;
  EXPECT_EQ(c->Pixels(11, 2), RGB(v, v, v));
  EXPECT_EQ(c->Pixels(15, 1), ColorToRGB(clBlue));
}

}  // namespace
}  // namespace comctltest
