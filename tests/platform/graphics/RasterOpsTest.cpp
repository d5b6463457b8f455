// Pen modes, copy modes, hatched brushes and flood fill on chosen bytes.
#include <gtest/gtest.h>

#include <functional>

#include "PixelTestSupport.h"
#include "platform/WinapiGdi.h"

using namespace vcl;
using namespace vcltest;

namespace {

// Bytes chosen so that every combination of pen/source, pattern and
// destination bits occurs in them.
constexpr TColor kPen = 0x00F0CC55;
constexpr TColor kDst = 0x003C5AA5;
constexpr TColor kBrush = 0x00AA0FF0;
constexpr TColor kRgb = 0x00FFFFFF;

struct PenModeCase {
  TPenMode Mode;
  std::function<TColor(TColor P, TColor D)> Expect;
};

}  // namespace

TEST(PenMode, EveryModeCombinesPenAndDestinationBitwise) {
  const PenModeCase cases[] = {
      {pmBlack, [](TColor, TColor) { return 0u; }},
      {pmWhite, [](TColor, TColor) { return kRgb; }},
      {pmNop, [](TColor, TColor d) { return d; }},
      {pmNot, [](TColor, TColor d) { return ~d; }},
      {pmCopy, [](TColor p, TColor) { return p; }},
      {pmNotCopy, [](TColor p, TColor) { return ~p; }},
      {pmMergePenNot, [](TColor p, TColor d) { return p | ~d; }},
      {pmMaskPenNot, [](TColor p, TColor d) { return p & ~d; }},
      {pmMergeNotPen, [](TColor p, TColor d) { return ~p | d; }},
      {pmMaskNotPen, [](TColor p, TColor d) { return ~p & d; }},
      {pmMerge, [](TColor p, TColor d) { return p | d; }},
      {pmNotMerge, [](TColor p, TColor d) { return ~(p | d); }},
      {pmMask, [](TColor p, TColor d) { return p & d; }},
      {pmNotMask, [](TColor p, TColor d) { return ~(p & d); }},
      {pmXor, [](TColor p, TColor d) { return p ^ d; }},
      {pmNotXor, [](TColor p, TColor d) { return ~(p ^ d); }},
  };
  for (const PenModeCase& k : cases) {
    const TColor want = k.Expect(kPen, kDst) & kRgb;
    // A line, a wide line and a figure's interior all use the pen mode.
    auto b = MakeBitmap(12, 12, kDst);
    TCanvas* c = b->Canvas();
    c->Pen()->SetMode(k.Mode);
    c->Pen()->SetColor(kPen);
    c->MoveTo(0, 0);
    c->LineTo(5, 0);
    EXPECT_EQ(c->Pixels(2, 0), want) << "line, mode " << int(k.Mode);
    EXPECT_EQ(c->Pixels(5, 0), kDst) << "end pixel, mode " << int(k.Mode);
    c->Pen()->SetWidth(3);
    c->MoveTo(1, 4);
    c->LineTo(9, 4);
    EXPECT_EQ(c->Pixels(5, 5), want) << "wide line, mode " << int(k.Mode);
    c->Pen()->SetWidth(1);
    c->Brush()->SetColor(kPen);
    c->Ellipse(0, 7, 12, 12);
    EXPECT_EQ(c->Pixels(6, 9), want) << "interior, mode " << int(k.Mode);
  }
}

TEST(PenMode, NotInvertsAFrameAndInvertingAgainRestoresIt) {
  auto b = MakeBitmap(10, 10, clBtnFace);
  TCanvas* c = b->Canvas();
  c->Pen()->SetMode(pmNot);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(1, 1, 9, 9);
  EXPECT_EQ(c->Pixels(1, 1), 0x0F0F0Fu);
  EXPECT_EQ(c->Pixels(4, 4), 0xF0F0F0u);
  c->Rectangle(1, 1, 9, 9);
  EXPECT_EQ(CountColor(*b, 0xF0F0F0u), 100);
}

namespace {

struct CopyModeCase {
  DWORD Rop;
  std::function<TColor(TColor P, TColor S, TColor D)> Expect;
};

const CopyModeCase kCopyModes[] = {
    {SRCCOPY, [](TColor, TColor s, TColor) { return s; }},
    {SRCPAINT, [](TColor, TColor s, TColor d) { return s | d; }},
    {SRCAND, [](TColor, TColor s, TColor d) { return s & d; }},
    {SRCINVERT, [](TColor, TColor s, TColor d) { return s ^ d; }},
    {SRCERASE, [](TColor, TColor s, TColor d) { return s & ~d; }},
    {NOTSRCCOPY, [](TColor, TColor s, TColor) { return ~s; }},
    {NOTSRCERASE, [](TColor, TColor s, TColor d) { return ~(s | d); }},
    {MERGECOPY, [](TColor p, TColor s, TColor) { return p & s; }},
    {MERGEPAINT, [](TColor, TColor s, TColor d) { return ~s | d; }},
    {PATCOPY, [](TColor p, TColor, TColor) { return p; }},
    {PATPAINT, [](TColor p, TColor s, TColor d) { return p | ~s | d; }},
    {PATINVERT, [](TColor p, TColor, TColor d) { return p ^ d; }},
    {DSTINVERT, [](TColor, TColor, TColor d) { return ~d; }},
    {BLACKNESS, [](TColor, TColor, TColor) { return 0u; }},
    {WHITENESS, [](TColor, TColor, TColor) { return kRgb; }},
};

}  // namespace

TEST(CopyMode, EveryOperationWorksBitwiseThroughEveryCopyCall) {
  auto src = MakeBitmap(4, 4, kPen);
  for (const CopyModeCase& k : kCopyModes) {
    const TColor want = k.Expect(kBrush, kPen, kDst) & kRgb;
    auto b = MakeBitmap(16, 4, kDst);
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(kBrush);
    c->SetCopyMode(static_cast<TCopyMode>(k.Rop));
    c->Draw(0, 0, src.get());
    c->StretchDraw(TRect(4, 0, 6, 2), src.get());
    c->CopyRect(TRect(8, 0, 10, 2), src->Canvas(), TRect(0, 0, 2, 2));
    ASSERT_TRUE(StretchBlt(c->Handle(), 12, 0, 4, 4, src->Canvas()->Handle(), 0, 0, 2, 2, k.Rop));
    for (int x : {1, 5, 9, 13}) EXPECT_EQ(c->Pixels(x, 1), want) << std::hex << k.Rop << " at " << x;
    EXPECT_EQ(c->Pixels(5, 3), kDst) << std::hex << k.Rop;  // outside the stretched copy
  }
}

TEST(CopyMode, BitBltReadsTheSourceCanvasPosition) {
  auto src = MakeBitmap(4, 4);
  src->Canvas()->SetPixels(3, 2, clRed);
  auto b = MakeBitmap(4, 4, clBlack);
  ASSERT_TRUE(BitBlt(b->Canvas()->Handle(), 1, 1, 2, 2, src->Canvas()->Handle(), 2, 1, SRCCOPY));
  EXPECT_EQ(b->Canvas()->Pixels(2, 2), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(1, 1), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, src->Canvas()->Handle(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(b->Canvas()->Handle(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(b->Canvas()->Handle(), 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS));
}

TEST(CopyMode, TransparentMaskIdiomShowsTheBackgroundThroughWhite) {
  // A white-on-black mask with SRCAND, then the picture (black where
  // transparent) with SRCPAINT: the classic two-step transparent copy.
  auto mask = MakeBitmap(2, 1, clBlack);
  mask->Canvas()->SetPixels(1, 0, clWhite);
  auto pic = MakeBitmap(2, 1, clRed);
  pic->Canvas()->SetPixels(1, 0, clBlack);
  auto b = MakeBitmap(2, 1, clBlue);
  b->Canvas()->SetCopyMode(SRCAND);
  b->Canvas()->Draw(0, 0, mask.get());
  b->Canvas()->SetCopyMode(SRCPAINT);
  b->Canvas()->Draw(0, 0, pic.get());
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), clBlue);
}

TEST(HatchBrush, DrawsOnlyTheHatchAndLeavesTheRestAlone) {
  auto b = MakeBitmap(16, 16, clYellow);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Brush()->SetStyle(bsHorizontal);
  c->FillRect(TRect(0, 0, 16, 16));
  // One row in eight, full width.
  EXPECT_EQ(CountColor(*b, clRed), 2 * 16);
  for (int y = 0; y < 16; ++y) {
    int red = 0;
    for (int x = 0; x < 16; ++x) red += c->Pixels(x, y) == clRed;
    EXPECT_TRUE(red == 0 || red == 16) << y;
  }
  c->Brush()->SetStyle(bsDiagCross);
  c->FillRect(TRect(0, 0, 8, 8));
  EXPECT_EQ(CountColor(*b, clYellow) + CountColor(*b, clRed), 256);
}

TEST(HatchBrush, PatternsFollowTheirDirection) {
  auto b = MakeBitmap(16, 16);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clBlack);
  c->Brush()->SetStyle(bsFDiagonal);  // top-left to bottom-right
  c->FillRect(TRect(0, 0, 16, 16));
  int diagonal = 0;
  for (int y = 0; y + 1 < 16; ++y) {
    for (int x = 0; x + 1 < 16; ++x) {
      if (c->Pixels(x, y) == clBlack) diagonal += c->Pixels(x + 1, y + 1) == clBlack;
    }
  }
  EXPECT_GT(diagonal, 20);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clWhite);
  c->FillRect(TRect(0, 0, 16, 16));
  c->Brush()->SetColor(clBlack);
  c->Brush()->SetStyle(bsVertical);
  c->FillRect(TRect(0, 0, 16, 16));
  for (int x = 0; x < 16; ++x) {
    const TColor top = c->Pixels(x, 0);
    for (int y = 1; y < 16; ++y) ASSERT_EQ(c->Pixels(x, y), top) << x;
  }
  EXPECT_EQ(CountColor(*b, clBlack), 2 * 16);
}

TEST(Brush, SettingAColorMakesAClearBrushSolid) {
  TBrush br;
  int changes = 0;
  br.SetOnChange([&](TObject*) { ++changes; });
  br.SetStyle(bsClear);
  br.SetColor(clWhite);
  EXPECT_EQ(br.Style(), bsSolid);
  br.SetColor(clWhite);
  EXPECT_EQ(changes, 2);
}

TEST(Pen, WidthBelowOneBecomesOneAndAssignCopies) {
  TPen a, b;
  a.SetWidth(0);
  EXPECT_EQ(a.Width(), 1);
  a.SetWidth(4);
  a.SetColor(clRed);
  a.SetStyle(psDot);
  a.SetMode(pmXor);
  b.Assign(&a);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_EQ(b.Style(), psDot);
  EXPECT_EQ(b.Mode(), pmXor);
  TBrush brush;
  EXPECT_THROW(b.Assign(&brush), EConvertError);
}

TEST(FloodFill, SurfaceFillsTheFourConnectedAreaOfOneColor) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  // A diagonal wall: 4-connected filling cannot pass between its pixels.
  for (int k = 0; k < 10; ++k) c->SetPixels(k, 9 - k, clBlack);
  c->Brush()->SetColor(clRed);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(CountColor(*b, clRed), 45);
  EXPECT_EQ(c->Pixels(9, 9), clWhite);
  EXPECT_EQ(CountColor(*b, clBlack), 10);
}

TEST(FloodFill, SurfaceStartingOnAnotherColorDoesNothing) {
  auto b = MakeBitmap(5, 5);
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->FloodFill(2, 2, clBlue, fsSurface);
  EXPECT_EQ(CountColor(*b, clWhite), 25);
}

TEST(FloodFill, BorderFillsEverythingUpToTheBorderColor) {
  auto b = MakeBitmap(12, 12);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(clBlue);
  c->Rectangle(2, 2, 10, 10);
  c->SetPixels(5, 5, clGreen);  // other colors inside are filled over
  c->Brush()->SetColor(clRed);
  c->FloodFill(4, 4, clBlue, fsBorder);
  EXPECT_EQ(CountColor(*b, clRed), 36);
  EXPECT_EQ(c->Pixels(5, 5), clRed);
  EXPECT_EQ(c->Pixels(0, 0), clWhite);
  EXPECT_EQ(CountColor(*b, clBlue), 28);
}

TEST(FloodFill, FillingWithTheSameColorTerminates) {
  auto b = MakeBitmap(8, 8);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FloodFill(3, 3, clWhite, fsSurface);
  EXPECT_EQ(CountColor(*b, clWhite), 64);
}

TEST(FloodFill, HugeSerpentineAreaNeedsNoRecursion) {
  // A 2000 × 2000 comb: one connected path that turns at every other row.
  auto b = MakeBitmap(2000, 2000);
  TCanvas* c = b->Canvas();
  c->Pen()->SetColor(clBlack);
  for (int y = 1; y < 2000; y += 2) {
    c->MoveTo(y % 4 == 1 ? 0 : 1, y);
    c->LineTo(y % 4 == 1 ? 1999 : 2000, y);
  }
  c->Brush()->SetColor(clRed);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(c->Pixels(1999, 1998), clRed);
  EXPECT_EQ(c->Pixels(0, 1998), clRed);
  EXPECT_EQ(CountColor(*b, clWhite), 0);
}

TEST(FloodFill, ClearBrushOrAPointOutsideDoNothing) {
  auto b = MakeBitmap(4, 4);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->FloodFill(1, 1, clWhite, fsSurface);
  c->Brush()->SetColor(clRed);
  c->FloodFill(-1, 1, clWhite, fsSurface);
  c->FloodFill(4, 1, clWhite, fsSurface);
  EXPECT_EQ(CountColor(*b, clWhite), 16);
}
