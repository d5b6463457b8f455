// Rectangles, FillRect, FrameRect, focus rectangles, pixels, origin and clip.
#include <gtest/gtest.h>

#include "PixelTestSupport.h"

using namespace vcl;
using namespace vcltest;

TEST(FillRect, FillsRightAndBottomExclusiveWithTheBrushOnly) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetColor(clBlue);
  c->FillRect(TRect(2, 3, 6, 8));
  EXPECT_EQ(CountColor(*b, clRed), 4 * 5);
  EXPECT_EQ(CountColor(*b, clBlue), 0);
  EXPECT_EQ(c->Pixels(2, 3), clRed);
  EXPECT_EQ(c->Pixels(5, 7), clRed);
  EXPECT_EQ(c->Pixels(6, 7), clWhite);
  EXPECT_EQ(c->Pixels(5, 8), clWhite);
}

TEST(FillRect, IgnoresPenModeAndInvertedRectangles) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetMode(pmXor);
  c->Brush()->SetColor(clRed);
  c->FillRect(TRect(0, 0, 3, 3));
  EXPECT_EQ(c->Pixels(1, 1), clRed);
  c->FillRect(TRect(8, 8, 4, 4));
  EXPECT_EQ(CountColor(*b, clRed), 9);
}

TEST(FillRect, ResolvesSystemColors) {
  auto b = MakeBitmap(4, 4);
  b->Canvas()->Brush()->SetColor(clBtnFace);
  b->Canvas()->FillRect(TRect(0, 0, 4, 4));
  EXPECT_EQ(b->Canvas()->Pixels(3, 3), 0xF0F0F0u);
}

TEST(FrameRect, OutlinesWithTheBrushColor) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clGreen);
  c->FrameRect(TRect(1, 1, 6, 5));
  EXPECT_EQ(Picture(*b, clGreen),
            "..........\n"
            ".#####....\n"
            ".#...#....\n"
            ".#...#....\n"
            ".#####....\n"
            "..........\n"
            "..........\n"
            "..........\n"
            "..........\n"
            "..........\n");
}

TEST(Rectangle, OutlinesWithThePenAndFillsTheInside) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetColor(clBlue);
  c->Brush()->SetColor(clYellow);
  c->Rectangle(2, 2, 8, 7);
  EXPECT_EQ(Picture(*b, clBlue),
            "..........\n"
            "..........\n"
            "..######..\n"
            "..#....#..\n"
            "..#....#..\n"
            "..#....#..\n"
            "..######..\n"
            "..........\n"
            "..........\n"
            "..........\n");
  EXPECT_EQ(CountColor(*b, clYellow), 4 * 3);
  EXPECT_EQ(c->Pixels(3, 3), clYellow);
}

TEST(Rectangle, ClearBrushLeavesTheInsideAlone) {
  auto b = MakeBitmap(10, 10, clRed);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(TRect(1, 1, 9, 9));
  EXPECT_EQ(c->Pixels(4, 4), clRed);
  EXPECT_EQ(c->Pixels(1, 1), clBlack);
  EXPECT_EQ(CountColor(*b, clBlack), 28);
}

TEST(Rectangle, ClearPenFillsOnePixelLessToTheRightAndBottom) {
  auto b = MakeBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetColor(clRed);
  c->Rectangle(1, 1, 5, 5);
  EXPECT_EQ(CountColor(*b, clRed), 9);
  EXPECT_EQ(c->Pixels(1, 1), clRed);
  EXPECT_EQ(c->Pixels(3, 3), clRed);
  EXPECT_EQ(c->Pixels(4, 4), clWhite);
}

TEST(Rectangle, WidePenIsCenteredOnTheOutline) {
  auto b = MakeBitmap(20, 20);
  TCanvas* c = b->Canvas();
  c->Pen()->SetWidth(3);
  c->Brush()->SetColor(clRed);
  c->Rectangle(5, 5, 15, 15);
  // The one-pixel outline would be at 5 and 14; width 3 covers 4..6 and 13..15.
  EXPECT_EQ(c->Pixels(4, 10), clBlack);
  EXPECT_EQ(c->Pixels(6, 10), clBlack);
  EXPECT_EQ(c->Pixels(7, 10), clRed);
  EXPECT_EQ(c->Pixels(15, 10), clBlack);
  EXPECT_EQ(c->Pixels(16, 10), clWhite);
  EXPECT_EQ(c->Pixels(3, 10), clWhite);
  EXPECT_EQ(c->Pixels(4, 4), clBlack);  // square enough at width 3
  EXPECT_EQ(CountColor(*b, clRed), 6 * 6);
}

TEST(Rectangle, InsideFramePenStaysInTheBox) {
  auto b = MakeBitmap(20, 20);
  TCanvas* c = b->Canvas();
  c->Pen()->SetWidth(3);
  c->Pen()->SetStyle(psInsideFrame);
  c->Brush()->SetColor(clRed);
  c->Rectangle(5, 5, 15, 15);
  EXPECT_EQ(c->Pixels(4, 10), clWhite);
  EXPECT_EQ(c->Pixels(5, 10), clBlack);
  EXPECT_EQ(c->Pixels(7, 10), clBlack);
  EXPECT_EQ(c->Pixels(8, 10), clRed);
  EXPECT_EQ(c->Pixels(14, 14), clBlack);
  EXPECT_EQ(c->Pixels(15, 14), clWhite);
}

TEST(Rectangle, DottedPenFollowsTheFrame) {
  auto b = MakeBitmap(12, 12, clRed);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psDot);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(0, 0, 12, 12);
  EXPECT_EQ(c->Pixels(0, 0), clBlack);
  EXPECT_EQ(c->Pixels(3, 0), clRed);
  EXPECT_EQ(c->Pixels(6, 0), clBlack);
  EXPECT_EQ(c->Pixels(5, 5), clRed);
}

TEST(DrawFocusRect, InvertsEveryOtherFramePixelAndUndoesItself) {
  auto b = MakeBitmap(8, 8);
  TCanvas* c = b->Canvas();
  c->DrawFocusRect(TRect(1, 1, 7, 7));
  EXPECT_EQ(c->Pixels(1, 1), clBlack);
  EXPECT_EQ(c->Pixels(2, 1), clWhite);
  EXPECT_EQ(c->Pixels(3, 1), clBlack);
  EXPECT_EQ(c->Pixels(3, 3), clWhite);  // inside untouched
  EXPECT_EQ(CountColor(*b, clBlack), 10);
  c->DrawFocusRect(TRect(1, 1, 7, 7));
  EXPECT_EQ(CountColor(*b, clWhite), 64);
}

TEST(Pixels, ReadAndWriteSinglePixels) {
  auto b = MakeBitmap(4, 4);
  TCanvas* c = b->Canvas();
  c->SetPixels(2, 1, 0x00123456u);
  EXPECT_EQ(c->Pixels(2, 1), 0x00123456u);
  EXPECT_EQ(b->ScanLine(1)[2], 0x00563412u);  // memory order 0x00RRGGBB
  c->SetPixels(0, 0, clBtnFace);
  EXPECT_EQ(c->Pixels(0, 0), 0xF0F0F0u);
}

TEST(Pixels, OutsideTheBitmapReadMinusOneAndWritesAreIgnored) {
  auto b = MakeBitmap(4, 4);
  TCanvas* c = b->Canvas();
  EXPECT_EQ(c->Pixels(-1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(c->Pixels(4, 0), 0xFFFFFFFFu);
  EXPECT_EQ(c->Pixels(0, 4), 0xFFFFFFFFu);
  c->SetPixels(4, 4, clBlack);
  c->SetPixels(-1, -1, clBlack);
  EXPECT_EQ(CountColor(*b, clWhite), 16);
  TBitmap empty;
  EXPECT_EQ(empty.Canvas()->Pixels(0, 0), 0xFFFFFFFFu);
}

// A canvas viewing part of a bigger surface, as a control painting into its
// parent's back buffer: origin (10, 5), clipped to 8 × 6 pixels.
class ChildCanvas : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = MakeBitmap(30, 20);
    child.Attach(parent->Surface(), TPoint(10, 5), TRect(10, 5, 18, 11));
  }
  std::unique_ptr<TBitmap> parent;
  TCanvas child;
};

TEST_F(ChildCanvas, DrawsInItsOwnCoordinates) {
  child.Brush()->SetColor(clRed);
  child.FillRect(TRect(0, 0, 2, 2));
  EXPECT_EQ(parent->Canvas()->Pixels(10, 5), clRed);
  EXPECT_EQ(parent->Canvas()->Pixels(11, 6), clRed);
  EXPECT_EQ(child.Pixels(1, 1), clRed);
  EXPECT_EQ(child.ClipRect(), TRect(0, 0, 8, 6));
}

TEST_F(ChildCanvas, ClipsEveryPrimitive) {
  child.Brush()->SetColor(clRed);
  child.Pen()->SetColor(clBlue);
  child.FillRect(TRect(-5, -5, 50, 50));
  child.Rectangle(-3, -3, 40, 40);
  child.Ellipse(-10, -10, 30, 30);
  child.MoveTo(-20, 3);
  child.LineTo(40, 3);
  child.Polygon({TPoint(-10, -10), TPoint(40, 0), TPoint(0, 40)});
  child.FloodFill(1, 1, clRed, fsSurface);
  child.Pen()->SetWidth(7);
  child.LineTo(-40, 30);
  // Nothing outside (10, 5)-(18, 11) of the parent changed.
  const int outside = CountIf(*parent, [](int x, int y, TColor p) {
    return !(x >= 10 && x < 18 && y >= 5 && y < 11) && p != clWhite;
  });
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(CountIf(*parent, [](int, int, TColor p) { return p == clWhite; }), 600 - 48);
}

TEST_F(ChildCanvas, PixelsOutsideTheClipReadMinusOne) {
  EXPECT_EQ(child.Pixels(8, 0), 0xFFFFFFFFu);
  EXPECT_EQ(child.Pixels(-1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(child.Pixels(7, 5), clWhite);
  child.SetPixels(8, 0, clBlack);
  EXPECT_EQ(parent->Canvas()->Pixels(18, 5), clWhite);
}

TEST_F(ChildCanvas, IntersectClipNarrowsAndCanBeRestored) {
  const TRect saved = child.IntersectClip(TRect(2, 2, 4, 4));
  EXPECT_EQ(child.ClipRect(), TRect(2, 2, 4, 4));
  child.Brush()->SetColor(clRed);
  child.FillRect(TRect(0, 0, 8, 6));
  EXPECT_EQ(CountColor(*parent, clRed), 4);
  child.SetDeviceClip(saved);
  EXPECT_EQ(child.ClipRect(), TRect(0, 0, 8, 6));
}
