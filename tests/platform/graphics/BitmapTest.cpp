// Bitmaps: size, scan lines, canvas, Assign, Draw and CopyRect.
#include <gtest/gtest.h>

#include "PixelTestSupport.h"
#include "platform/WinapiGdi.h"

using namespace vcl;
using namespace vcltest;

TEST(Bitmap, StartsEmptyAndGrowsWithWhitePixels) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  b.SetSize(3, 2);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Canvas()->Pixels(2, 1), clWhite);
  EXPECT_EQ(b.Canvas()->ClipRect(), TRect(0, 0, 3, 2));
}

TEST(Bitmap, SetSizeKeepsThePixelsThatStillFit) {
  auto b = MakeBitmap(4, 4, clRed);
  b->Canvas()->SetPixels(1, 1, clBlue);
  b->SetSize(6, 3);
  EXPECT_EQ(b->Canvas()->Pixels(1, 1), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(3, 2), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(5, 0), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(0, 3), 0xFFFFFFFFu);
  // The canvas follows the new size.
  b->Canvas()->Brush()->SetColor(clGreen);
  b->Canvas()->FillRect(TRect(0, 0, 6, 3));
  EXPECT_EQ(CountColor(*b, clGreen), 18);
}

TEST(Bitmap, SetWidthAndHeightAndNegativeSizes) {
  TBitmap b;
  b.SetWidth(5);
  b.SetHeight(2);
  EXPECT_EQ(b.Width() * b.Height(), 10);
  b.SetSize(-3, 4);
  EXPECT_EQ(b.Width(), 0);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, FiresOnChangeWhenResized) {
  TBitmap b;
  int changes = 0;
  b.SetOnChange([&](TObject*) { ++changes; });
  b.SetSize(2, 2);
  b.SetSize(2, 2);
  EXPECT_EQ(changes, 1);
}

TEST(Bitmap, ScanLinesAreRowsOfPixelsInRGBOrder) {
  auto b = MakeBitmap(3, 2);
  b->ScanLine(1)[2] = 0x00102030;  // red 0x10, green 0x20, blue 0x30
  EXPECT_EQ(b->Canvas()->Pixels(2, 1), RGB(0x10, 0x20, 0x30));
  const TBitmap& cb = *b;
  EXPECT_EQ(cb.ScanLine(1)[2], 0x00102030u);
  EXPECT_THROW(b->ScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(b->ScanLine(-1), EInvalidGraphicOperation);
}

TEST(Bitmap, AssignCopiesPixelsAndSettings) {
  auto a = MakeBitmap(3, 3, clRed);
  a->SetPixelFormat(pf32bit);
  a->SetTransparent(true);
  a->SetTransparentColor(clLime);
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Canvas()->Pixels(2, 2), clRed);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clLime);
  // Independent copies.
  b.Canvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(a->Canvas()->Pixels(0, 0), clRed);
  b.Assign(&b);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, AssignFromAnUnrelatedClassFails) {
  TBitmap b;
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(Draw, CopiesTheBitmapAtAPoint) {
  auto src = MakeBitmap(3, 2, clRed);
  src->Canvas()->SetPixels(0, 0, clBlue);
  auto dst = MakeBitmap(8, 8);
  dst->Canvas()->Draw(4, 5, src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(4, 5), clBlue);
  EXPECT_EQ(dst->Canvas()->Pixels(6, 6), clRed);
  EXPECT_EQ(dst->Canvas()->Pixels(7, 6), clWhite);
  EXPECT_EQ(dst->Canvas()->Pixels(4, 7), clWhite);
  EXPECT_EQ(CountColor(*dst, clRed) + CountColor(*dst, clBlue), 6);
}

TEST(Draw, ClipsAtTheEdgesAndIgnoresNull) {
  auto src = MakeBitmap(4, 4, clRed);
  auto dst = MakeBitmap(5, 5);
  dst->Canvas()->Draw(-2, 3, src.get());
  EXPECT_EQ(CountColor(*dst, clRed), 2 * 2);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 3), clRed);
  dst->Canvas()->Draw(0, 0, nullptr);
  TBitmap empty;
  dst->Canvas()->Draw(0, 0, &empty);
  EXPECT_EQ(CountColor(*dst, clRed), 4);
}

TEST(CopyRect, CopiesBetweenCanvases) {
  auto src = MakeBitmap(6, 6);
  src->Canvas()->SetPixels(2, 3, clBlue);
  auto dst = MakeBitmap(6, 6);
  dst->Canvas()->CopyRect(TRect(0, 0, 3, 3), src->Canvas(), TRect(1, 2, 4, 5));
  EXPECT_EQ(dst->Canvas()->Pixels(1, 1), clBlue);
  EXPECT_EQ(CountColor(*dst, clBlue), 1);
}

TEST(CopyRect, OverlappingCopyWithinOneCanvasReadsTheOldPicture) {
  auto b = MakeBitmap(10, 1);
  for (int x = 0; x < 10; ++x) b->Canvas()->SetPixels(x, 0, RGB(x, 0, 0));
  b->Canvas()->CopyRect(TRect(2, 0, 10, 1), b->Canvas(), TRect(0, 0, 8, 1));
  for (int x = 2; x < 10; ++x) EXPECT_EQ(GetRValue(b->Canvas()->Pixels(x, 0)), x - 2) << x;
  auto v = MakeBitmap(1, 10);
  for (int y = 0; y < 10; ++y) v->Canvas()->SetPixels(0, y, RGB(y, 0, 0));
  v->Canvas()->CopyRect(TRect(0, 3, 1, 10), v->Canvas(), TRect(0, 0, 1, 7));
  for (int y = 3; y < 10; ++y) EXPECT_EQ(GetRValue(v->Canvas()->Pixels(0, y)), y - 3) << y;
}

TEST(Picture, HoldsABitmapAndKeepsItOnAFailedLoad) {
  TPicture p;
  EXPECT_EQ(p.Width(), 0);
  p.Bitmap()->SetSize(4, 3);
  EXPECT_EQ(p.Width(), 4);
  EXPECT_EQ(p.Graphic(), p.Bitmap());
  EXPECT_ANY_THROW(p.LoadFromFile(u"/nonexistent/picture.bmp"));
  EXPECT_EQ(p.Height(), 3);
  TPicture q;
  q.Assign(&p);
  EXPECT_EQ(q.Width(), 4);
}
