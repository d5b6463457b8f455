// Painting of the strip by chosen pixels: covers and frames, every
// processing mode, image placement and scaling, markers, the cut edges and
// the control's frame, the requests and events of a paint.
#include <algorithm>

#include "Thumbnails_Support.h"

namespace thumbtest {
namespace {

constexpr TColor kCover = 0x00FFFF;     // yellow
constexpr TColor kSelected = 0xFF8000;  // a blue
constexpr TColor kBack = 0x808000;      // teal

class ThumbPaint : public ThumbFixture {
 protected:
  void SetUp() override {
    ThumbFixture::SetUp();
    thumbs->SetColorCover(kCover);
    thumbs->SetColorSelected(kSelected);
    thumbs->SetColorBackGnd(kBack);
    Size(290, 400);  // two columns of pitch 136, three rows
  }
};

TEST_F(ThumbPaint, CellsAreFilledAndFramedRaised) {
  thumbs->SetSlideSelected(2, true);
  auto b = Shot();
  for (int n : {1, 2}) {
    const TPoint c = Corner(n);
    const int x1 = c.X + 134;
    EXPECT_EQ(Px(*b, c.X + 3, c.Y + 3), n == 2 ? kSelected : kCover) << n;
    EXPECT_EQ(Px(*b, x1 - 2, c.Y + 130), n == 2 ? kSelected : kCover) << n;
    // fsRaised: outer ring light / dark shadow, inner highlight / shadow.
    EXPECT_EQ(Px(*b, c.X, c.Y + 50), 0xC0C0C0u);
    EXPECT_EQ(Px(*b, c.X + 1, c.Y + 50), 0xFFFFFFu);
    EXPECT_EQ(Px(*b, x1, c.Y + 50), 0x000000u);
    EXPECT_EQ(Px(*b, x1 - 1, c.Y + 50), 0x808080u);
    EXPECT_EQ(Px(*b, x1 + 1, c.Y + 50), kBack);  // the gap between cells
  }
}

TEST_F(ThumbPaint, EmptySlideShowsAWhiteCardWithItsNumberInTheMiddle) {
  thumbs->Font()->SetColor(clRed);  // the number is black whatever the font
  auto b = Shot();
  const TPoint c = Corner(2);
  const int m = 7, x1 = c.X + 134, y1 = c.Y + 134;
  const TRect card{c.X + m, c.Y + m + 20, x1 - m, y1 - m - 20};
  EXPECT_EQ(Px(*b, card.Left, card.Top + 10), 0x000000u);  // outline
  EXPECT_EQ(Px(*b, card.Right - 1, card.Top + 10), 0x000000u);
  EXPECT_EQ(Px(*b, card.Left + 2, card.Top + 2), 0xFFFFFFu);
  EXPECT_EQ(Px(*b, card.Left + 2, card.Top - 2), kCover);
  // Glyph pixels only around the centre (x0 + x1) div 2, (y0 + y1) div 2.
  TBitmap probe(4, 4);
  probe.Canvas()->Font()->Assign(thumbs->Font());
  const int tw = probe.Canvas()->TextWidth(u"2"), th = probe.Canvas()->TextHeight(u"2");
  const int tx = (c.X + x1) / 2 - tw / 2, ty = (c.Y + y1) / 2 - th / 2;
  int inside = 0, outside = 0;
  for (int y = card.Top + 1; y < card.Bottom - 1; ++y) {
    for (int x = card.Left + 1; x < card.Right - 1; ++x) {
      if (Px(*b, x, y) == 0xFFFFFFu) continue;
      EXPECT_NE(Px(*b, x, y), 0x0000FFu) << "red glyph at " << x << "," << y;
      (x >= tx && x < tx + tw && y >= ty && y < ty + th ? inside : outside)++;
    }
  }
  EXPECT_GT(inside, 5);
  EXPECT_EQ(outside, 0);
}

TEST_F(ThumbPaint, ShowNothingLeavesTheBackgroundAndFrameOnlyTheCover) {
  answers[1].How = irpShowNothing;
  answers[2].How = irpShowFrameOnly;
  auto b = Shot();
  const TPoint c1 = Corner(1), c2 = Corner(2);
  for (int d : {0, 3, 67, 130}) {
    EXPECT_EQ(Px(*b, c1.X + d, c1.Y + d), kBack) << d;
  }
  EXPECT_EQ(Px(*b, c2.X + 67, c2.Y + 67), kCover);  // no card, no image
  EXPECT_EQ(Px(*b, c2.X + 1, c2.Y + 67), 0xFFFFFFu);
}

TEST_F(ThumbPaint, LandscapeImageFillsTheWidthCentredAndFramedOutside) {
  auto image = TwoColorImage(200, 100, clRed, clBlue);
  answers[3] = {irpShowSlide, -1, image.get()};
  auto b = Shot();
  const TPoint c = Corner(3);
  // f = 60: the image covers x0 + 7 .. x1 - 7 (exclusive) and 60 rows
  // starting 30 below the top of the image area.
  const TRect t{c.X + 7, c.Y + 7 + 30, c.X + 134 - 7, c.Y + 7 + 30 + 60};
  EXPECT_EQ(Px(*b, t.Left, t.Top), Rgb(clRed));
  EXPECT_EQ(Px(*b, t.Left + 50, t.Bottom - 1), Rgb(clRed));
  EXPECT_EQ(Px(*b, t.Right - 1, t.Top), Rgb(clBlue));
  EXPECT_EQ(Px(*b, t.Right - 50, t.Bottom - 1), Rgb(clBlue));
  // fsLowered just outside: outer ring shadow / highlight, inner dark
  // shadow / light; the cover beyond it.
  EXPECT_EQ(Px(*b, t.Left - 2, t.Top + 20), 0x808080u);
  EXPECT_EQ(Px(*b, t.Left - 1, t.Top + 20), 0x000000u);
  EXPECT_EQ(Px(*b, t.Right + 1, t.Top + 20), 0xFFFFFFu);
  EXPECT_EQ(Px(*b, t.Right, t.Top + 20), 0xC0C0C0u);
  EXPECT_EQ(Px(*b, t.Left + 20, t.Top - 3), kCover);
  EXPECT_EQ(Px(*b, t.Left + 20, t.Bottom + 2), kCover);
}

TEST_F(ThumbPaint, PortraitImageFillsTheHeight) {
  auto image = TwoColorImage(50, 100, clLime, clFuchsia);
  answers[1] = {irpShowSlide, -1, image.get()};
  thumbs->SetInnerFrameStyle(fsNoFrame);
  auto b = Shot();
  const TPoint c = Corner(1);
  const TRect t{c.X + 7 + 30, c.Y + 7, c.X + 7 + 30 + 60, c.Y + 134 - 7};
  EXPECT_EQ(Px(*b, t.Left, t.Top), Rgb(clLime));
  EXPECT_EQ(Px(*b, t.Right - 1, t.Bottom - 1), Rgb(clFuchsia));
  EXPECT_EQ(Px(*b, t.Left - 1, t.Top + 5), kCover);
  EXPECT_EQ(Px(*b, t.Right, t.Top + 5), kCover);
}

// A checkerboard shrunk to half its size: nearest pixels stay black or
// white, the area average is gray.
TEST_F(ThumbPaint, AntiAliasAveragesWhereColorOnColorPicksPixels) {
  TBitmap board(240, 240);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 240; ++x) board.Canvas()->SetPixels(x, y, (x + y) % 2 ? clWhite : clBlack);
  answers[1] = {irpShowSlide, -1, &board};
  auto grays = [&] {
    auto b = Shot();
    const TPoint c = Corner(1);
    int n = 0;
    for (int y = c.Y + 10; y < c.Y + 120; y += 7)
      for (int x = c.X + 10; x < c.X + 120; x += 7) {
        const TColor p = Px(*b, x, y);
        if (p != 0 && p != 0xFFFFFF) {
          ++n;
          EXPECT_NEAR(static_cast<int>(p & 0xFF), 128, 2) << x << "," << y;
        }
      }
    return n;
  };
  EXPECT_EQ(grays(), 0);
  thumbs->SetAntiAlias(true);
  EXPECT_EQ(grays(), 16 * 16);
}

TEST_F(ThumbPaint, ImageBufferStartsEmptyForEverySlide) {
  auto image = TwoColorImage(100, 100, clRed, clRed);
  answers[1] = {irpShowSlide, -1, image.get()};
  answers[2] = {irpShowSlide, -1, nullptr};  // says "slide" but gives nothing
  auto b = Shot();
  EXPECT_EQ(Px(*b, Corner(1).X + 67, Corner(1).Y + 67), Rgb(clRed));
  EXPECT_EQ(Px(*b, Corner(2).X + 67, Corner(2).Y + 67), kCover);
  EXPECT_EQ(Px(*b, Corner(2).X + 5, Corner(2).Y + 67), kCover);  // no inner frame
}

TEST_F(ThumbPaint, AHandlersOwnBitmapIsShownAndStaysItsOwn) {
  auto image = TwoColorImage(64, 64, clAqua, clAqua);
  answers[4] = {irpShowSlide, -1, image.get(), true};
  auto b = Shot();
  EXPECT_EQ(Px(*b, Corner(4).X + 67, Corner(4).Y + 67), Rgb(clAqua));
  EXPECT_EQ(image->Width(), 64);  // not freed, not emptied
  EXPECT_EQ(image->Canvas()->Pixels(3, 3) & 0xFFFFFF, Rgb(clAqua));
}

TEST_F(ThumbPaint, MarkersAreDrawnInTheMarkColorInEveryMode) {
  thumbs->SetColorMark(clRed);
  answers[1] = {irpShowEmpty, 0};
  answers[2] = {irpShowNothing, 0};
  answers[3] = {irpShowEmpty, -1};
  answers[4] = {irpShowEmpty, 256};  // as a byte: 0, the dot
  auto b = Shot();
  for (int n : {1, 2, 4}) EXPECT_EQ(Px(*b, Corner(n).X + 10, Corner(n).Y + 12), Rgb(clRed)) << n;
  EXPECT_EQ(Px(*b, Corner(3).X + 10, Corner(3).Y + 12), kCover);
}

TEST_F(ThumbPaint, VisibleSlidesAreRequestedColumnByColumnWithinMinAndMax) {
  thumbs->SetMax(4);
  Shot();
  EXPECT_EQ(requests, (std::vector<int>{1, 3, 2, 4}));
  thumbs->SetMax(100);
  thumbs->SetMin(4);
  thumbs->SetFirstThumbIdx(3);
  Shot();
  EXPECT_EQ(requests, (std::vector<int>{5, 7, 4, 6, 8}));
}

TEST_F(ThumbPaint, EventsBracketTheRequestsAndFollowEachSlide) {
  std::vector<std::string> log;
  thumbs->SetMax(3);
  thumbs->SetOnFirstImageRequest([&](TObject*) { log.push_back("first"); });
  thumbs->SetOnLastImageRequest([&](TObject*) { log.push_back("last"); });
  auto request = thumbs->OnImageRequest();
  thumbs->SetOnImageRequest([&, request](TObject* S, int Id, TImageRequestProcessing& How,
                                          int& Mark, TBitmap*& Buf) {
    log.push_back("request " + std::to_string(Id));
    request(S, Id, How, Mark, Buf);
  });
  thumbs->SetOnSlideRendered([&](TObject*, TCanvas* C, int X, int Y, int Id) {
    EXPECT_EQ(TPoint(X, Y), Corner(Id));
    EXPECT_NE(C, thumbs->Canvas());  // the off-screen canvas
    log.push_back("rendered " + std::to_string(Id));
  });
  Shot();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "request 1", "rendered 1", "request 3",
                                           "rendered 3", "request 2", "rendered 2", "last"}));
}

TEST_F(ThumbPaint, DrawingOfARenderedHandlerDoesNotLeakIntoTheNextSlide) {
  thumbs->SetOnSlideRendered([](TObject*, TCanvas* C, int X, int Y, int) {
    C->Pen()->SetMode(pmNot);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(clRed);
    C->Pen()->SetColor(clLime);
    C->MoveTo(X + 3, Y + 3);
    C->LineTo(X + 20, Y + 3);
  });
  auto b = Shot();
  const TPoint c = Corner(2);  // painted after slide 1
  EXPECT_EQ(Px(*b, c.X + 40, c.Y + 3), kCover);
  EXPECT_EQ(Px(*b, c.X + 1, c.Y + 50), 0xFFFFFFu);
  EXPECT_EQ(Px(*b, c.X + 7, c.Y + 7 + 20 + 5), 0x000000u);  // the card's outline
}

TEST_F(ThumbPaint, RowsScrolledUnderTheEdgesAreCutAndTheControlIsFramed) {
  thumbs->SetFirstThumbIdx(4);  // 3.5: half of the top row scrolled out
  auto b = Shot();
  const int w = thumbs->Width(), h = thumbs->Height();
  for (int y : {2, 5, 9, h - 10, h - 4}) {
    for (int x : {20, 75, 160}) EXPECT_EQ(Px(*b, x, y), kBack) << x << "," << y;
  }
  EXPECT_EQ(Px(*b, 14, 10), kCover);  // the first row shown below the band
  // fsLowered around (0, 0) .. (W - 2, H - 2).
  EXPECT_EQ(Px(*b, 0, h / 2), 0x808080u);
  EXPECT_EQ(Px(*b, 1, h / 2), 0x000000u);
  EXPECT_EQ(Px(*b, w - 2, h / 2), 0xFFFFFFu);
  EXPECT_EQ(Px(*b, w - 3, h / 2), 0xC0C0C0u);
  EXPECT_EQ(Px(*b, w / 2, h - 2), 0xFFFFFFu);
}

TEST_F(ThumbPaint, ColorSchemeGivesTheFrameLinesTheSystemColors) {
  thumbs->SetColorScheme(csSystem);
  auto b = Shot();
  const TPoint c = Corner(1);
  EXPECT_EQ(Px(*b, c.X + 1, c.Y + 50), Rgb(clBtnHighlight));
  EXPECT_EQ(Px(*b, c.X + 133, c.Y + 50), Rgb(clBtnShadow));
}

TEST_F(ThumbPaint, APropertySetDuringAPaintDoesNotStartAnother) {
  int firsts = 0;
  thumbs->SetOnFirstImageRequest([&](TObject*) { ++firsts; });
  fallback.How = irpShowFrameOnly;
  auto request = thumbs->OnImageRequest();
  thumbs->SetOnImageRequest([&, request](TObject* S, int Id, TImageRequestProcessing& How,
                                          int& Mark, TBitmap*& Buf) {
    request(S, Id, How, Mark, Buf);
    thumbs->SetColorCover(Id % 2 ? clRed : clBlue);  // each setter paints at once
  });
  firsts = 0;
  auto b = Shot();
  EXPECT_EQ(firsts, 1);
  EXPECT_EQ(requests.size(), 6u);
  // Each cover was drawn with the color the previous request set.
  EXPECT_EQ(Px(*b, Corner(3).X + 67, Corner(3).Y + 67), Rgb(clRed));
}

}  // namespace
}  // namespace thumbtest
