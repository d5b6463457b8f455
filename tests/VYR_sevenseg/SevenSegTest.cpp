// The seven-segment display: caption layout, the segment artwork, lit and
// unlit segments of every character derived from the segment layout, paint
// as copies of cached glyphs, cache reuse and rebuilds, setter limits,
// Assign and form files.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "VYR_sevenseg/VYR_sevenseg.h"
#include "foundation/VYR_resources.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;
using namespace vyr;

// ---------------------------------------------------------------- layout

struct LayoutCase {
  const char16_t* Caption;
  int NumDigits;
  const char16_t* Chars;  // one per place
  const char* Points;     // '.' where the place has its point
};

TEST(SevenSegLayout, PointsJoinTheirCharacterOrStandAlone) {
  const LayoutCase cases[] = {
      {u"8.8.8.8.", 4, u"8888", "...."}, {u"12:30", 4, u"12:3", "    "},
      {u".5", 4, u" 5", ". "},           {u"1..2", 4, u"1 2", ".. "},
      {u"", 4, u"", ""},                 {u",,,,,,", 4, u"    ", "...."},
      {u"-1,5", 4, u"-15", " . "},       {u"ABCDEFG", 32, u"ABCDEFG", "       "},
      {u"12345", 1, u"1", " "},          {u"1.2.", 1, u"1", "."},
  };
  for (const LayoutCase& c : cases) {
    auto digits = SevenSegLayout(c.Caption, c.NumDigits);
    ASSERT_EQ(digits.size(), String(c.Chars).size()) << ToUTF8(c.Caption);
    for (std::size_t j = 0; j < digits.size(); ++j) {
      EXPECT_EQ(digits[j].Ch, c.Chars[j]) << ToUTF8(c.Caption) << " place " << j;
      EXPECT_EQ(digits[j].Point, c.Points[j] == '.') << ToUTF8(c.Caption) << " place " << j;
    }
  }
}

// ---------------------------------------------------------------- artwork

// Composes pieces on a white digit canvas as the display does and makes
// the white around them take Background.
std::unique_ptr<TBitmap> Compose(unsigned Pieces, TColor Background) {
  auto canvas = std::make_unique<TBitmap>(SevenSegCanvasWidth, SevenSegCanvasHeight);
  canvas->Canvas()->SetCopyMode(static_cast<TCopyMode>(0x008800C6));  // SRCAND
  for (int p = 0; p < SevenSegPieceCount; ++p) {
    if ((Pieces & (1u << p)) == 0) continue;
    auto piece = NamedBitmap(SevenSegPieceResource(static_cast<TSevenSegPiece>(p)));
    TRect r = SevenSegPieceRect(static_cast<TSevenSegPiece>(p));
    canvas->Canvas()->Draw(r.Left, r.Top, piece.get());
  }
  canvas->Canvas()->Brush()->SetColor(Background);
  canvas->Canvas()->FloodFill(1, 1, clWhite, fsSurface);
  return canvas;
}

int Count(TBitmap& B, TColor C) {
  int n = 0;
  for (int y = 0; y < B.Height(); ++y)
    for (int x = 0; x < B.Width(); ++x) n += B.Canvas()->Pixels(x, y) == C;
  return n;
}

TEST(SevenSegArtwork, PiecesHaveTheirSizesAndEachShapeIsReachedFromItsFillPoints) {
  for (int p = 0; p < SevenSegPieceCount; ++p) {
    auto piece = NamedBitmap(SevenSegPieceResource(static_cast<TSevenSegPiece>(p)));
    TRect r = SevenSegPieceRect(static_cast<TSevenSegPiece>(p));
    EXPECT_EQ(piece->Width(), r.Width()) << p;
    EXPECT_EQ(piece->Height(), r.Height()) << p;
    // Only black and white.
    EXPECT_EQ(Count(*piece, clBlack) + Count(*piece, clWhite), r.Width() * r.Height()) << p;
    std::vector<TPoint> fills{{r.Width() / 2, r.Height() / 2}};
    if (p == spColon) fills = {{18, r.Height() - 18}, {r.Width() - 18, 18}};
    if (p == spDegree) fills = {{25, r.Height() / 2}};
    piece->Canvas()->Brush()->SetColor(clRed);
    for (TPoint f : fills) {
      EXPECT_EQ(piece->Canvas()->Pixels(f.X, f.Y), clBlack) << p;
      piece->Canvas()->FloodFill(f.X, f.Y, clBlack, fsSurface);
    }
    EXPECT_EQ(Count(*piece, clBlack), 0) << "piece " << p << " has black beyond its fill points";
  }
}

// Every white area of every glyph is reached from the corner, so no white
// is left once the background is filled in (the degree ring's hole too).
TEST(SevenSegArtwork, NoWhiteIsLeftInsideAnyGlyph) {
  for (char16_t ch : SevenSegCharList) {
    auto glyph = Compose(SevenSegPieces(ch) | (1u << spPoint), 0x333333);
    EXPECT_EQ(Count(*glyph, clWhite), 0) << "character " << int(ch);
  }
}

// ---------------------------------------------------------------- on a form

class SevenSegOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 800, 300);
    seg = new TSevenSeg(form.get());
    seg->SetParent(form.get());
    seg->SetLeft(5);
    seg->SetTop(5);
    form->HandleNeeded();
  }
  void TearDown() override { form.reset(); }
  std::unique_ptr<TBitmap> Shot() { return headless::Snapshot(seg); }

  std::unique_ptr<TForm> form;
  TSevenSeg* seg = nullptr;
};

// One digit at a quarter of the canvas size: every display pixel averages
// a 4 × 4 block of the composed digit, so a block wholly inside lit pieces
// shows ColorText and one wholly outside shows ColorBackGnd.
TEST_F(SevenSegOnForm, EachCharacterLightsItsSegmentsAndNoOthers) {
  seg->SetFrameStyle(fsNoFrame);
  seg->SetNumDigits(1);
  seg->SetMargin(0);
  seg->SetInterDigDist(0);
  seg->SetBounds(5, 5, 78, 108);
  seg->SetColorText(clLime);
  seg->SetColorBackGnd(clNavy);
  // Probe points: the fill points of every piece on the digit canvas.
  std::vector<TPoint> probes;
  for (int p = 0; p < SevenSegPieceCount; ++p) {
    TRect r = SevenSegPieceRect(static_cast<TSevenSegPiece>(p));
    if (p == spColon) {
      probes.push_back({r.Left + 18, r.Bottom - 18});
      probes.push_back({r.Right - 18, r.Top + 18});
    } else if (p == spDegree) {
      probes.push_back({r.Left + 25, r.Top + r.Height() / 2});
    } else {
      probes.push_back({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    }
  }
  String chars = SevenSegCharList + u"abcdefG ";
  for (char16_t ch : chars) {
    seg->SetCaption(String(1, ch));
    auto shot = Shot();
    auto lit = Compose(SevenSegPieces(ch), clNavy);
    for (TPoint p : probes) {
      const int bx = p.X / 4, by = p.Y / 4;
      int inside = 0;
      for (int y = by * 4; y < by * 4 + 4; ++y)
        for (int x = bx * 4; x < bx * 4 + 4; ++x) inside += lit->Canvas()->Pixels(x, y) == clBlack;
      if (inside != 0 && inside != 16) continue;  // a block on an edge
      EXPECT_EQ(shot->Canvas()->Pixels(bx, by), inside ? clLime : clNavy)
          << "character " << int(ch) << " at canvas " << p.X << "," << p.Y;
    }
  }
}

// The default display: pitch 50, cells 48 × 60 from (8, 8); every place is
// a copy of its cache cell, and a point copies the lower-right sixth of the
// "." cell over the place's lower-right sixth.
TEST_F(SevenSegOnForm, PaintCopiesCacheCellsToThePlacesOfTheCaption) {
  ASSERT_EQ(seg->ImageCache()->Width(), 21 * 48);
  ASSERT_EQ(seg->ImageCache()->Height(), 60);
  seg->SetFrameStyle(fsNoFrame);
  for (const char16_t* caption : {u"8.8.8.8.", u"12:30", u".5", u"1..2", u"-F°C", u"G1"}) {
    seg->SetCaption(caption);
    auto shot = Shot();
    TBitmap* cache = seg->ImageCache();
    auto digits = SevenSegLayout(caption, 4);
    for (int j = 0; j < 4; ++j) {
      const int x0 = j * 50 + 8;
      std::size_t k = String::npos;
      bool point = false;
      if (j < static_cast<int>(digits.size())) {
        k = SevenSegCharList.find(digits[j].Ch);
        point = digits[j].Point;
      }
      for (int y = 0; y < 60; y += 3) {
        for (int x = 0; x < 48; x += 3) {
          TColor want = 0x333333;
          if (k != String::npos) want = cache->Canvas()->Pixels(int(k) * 48 + x, y);
          if (point && x >= 40 && y >= 50) want = cache->Canvas()->Pixels(20 * 48 + x, y);
          ASSERT_EQ(shot->Canvas()->Pixels(x0 + x, 8 + y), want)
              << ToUTF8(caption) << " place " << j << " at " << x << "," << y;
        }
      }
      EXPECT_EQ(shot->Canvas()->Pixels(x0 + 48, 30), 0x333333u);  // the gap
    }
  }
}

TEST_F(SevenSegOnForm, ACaptionChangeOnlyCopiesFromTheCache) {
  // Mark the cache cell of "7": a new caption shows the mark, so the cache
  // was not rebuilt; a new color rebuilds it and the mark is gone.
  TBitmap* cache = seg->ImageCache();
  cache->Canvas()->Brush()->SetColor(clAqua);
  cache->Canvas()->FillRect(Rect(7 * 48, 0, 8 * 48, 60));
  seg->SetCaption(u"77");
  EXPECT_EQ(Shot()->Canvas()->Pixels(8 + 50 + 24, 38), clAqua);
  seg->SetCaption(u"7");
  EXPECT_EQ(Shot()->Canvas()->Pixels(8 + 24, 38), clAqua);
  seg->SetColorText(clYellow);
  EXPECT_NE(Shot()->Canvas()->Pixels(8 + 24, 38), clAqua);
  EXPECT_NE(seg->ImageCache()->Canvas()->Pixels(7 * 48 + 24, 30), clAqua);
}

TEST_F(SevenSegOnForm, TheCacheFollowsTheSizeEvenWithAnApplicationsOnResize) {
  int resized = 0;
  seg->SetOnResize([&](TObject*) { ++resized; });
  seg->SetBounds(5, 5, 416, 116);  // pitch 100, cells 98 × 100
  EXPECT_EQ(resized, 1);
  EXPECT_EQ(seg->ImageCache()->Width(), 21 * 98);
  EXPECT_EQ(seg->ImageCache()->Height(), 100);
  seg->SetNumDigits(8);  // pitch 50, cells 48
  EXPECT_EQ(seg->ImageCache()->Width(), 21 * 48);
  seg->SetInterDigDist(10);
  EXPECT_EQ(seg->ImageCache()->Width(), 21 * 40);
  seg->SetMargin(20);  // (416 - 40) div 8 = 47, cells 37 × 76
  EXPECT_EQ(seg->ImageCache()->Width(), 21 * 37);
  EXPECT_EQ(seg->ImageCache()->Height(), 76);
}

TEST_F(SevenSegOnForm, SettersKeepTheirLimits) {
  seg->SetNumDigits(0);
  EXPECT_EQ(seg->NumDigits(), 4);
  seg->SetNumDigits(33);
  EXPECT_EQ(seg->NumDigits(), 4);
  seg->SetNumDigits(32);
  EXPECT_EQ(seg->NumDigits(), 32);
  seg->SetMargin(100);
  EXPECT_EQ(seg->Margin(), 37);  // 76 div 2 - 1
  seg->SetMargin(-4);
  EXPECT_EQ(seg->Margin(), 0);
  seg->SetInterDigDist(256);
  EXPECT_EQ(seg->InterDigDist(), 255);
  // Cells of no width: only the background and frame are drawn.
  auto shot = Shot();
  EXPECT_EQ(shot->Canvas()->Pixels(100, 38), 0x333333u);
  EXPECT_EQ(seg->ImageCache()->Width(), 0);
}

TEST_F(SevenSegOnForm, AWhiteTextStaysVisibleOnAWhiteBackground) {
  seg->SetColorBackGnd(clWhite);
  seg->SetColorText(clWhite);
  seg->SetCaption(u"8");
  seg->SetFrameStyle(fsNoFrame);
  auto shot = Shot();
  // The middle segment's centre, scaled into the first place.
  TRect mid = SevenSegPieceRect(spMiddle);
  int x = 8 + (mid.Left + mid.Width() / 2) * 48 / 312, y = 8 + (mid.Top + 19) * 60 / 432;
  EXPECT_EQ(shot->Canvas()->Pixels(x, y), 0xFEFEFEu);
  EXPECT_EQ(shot->Canvas()->Pixels(8 + 24, 8 + 16), clWhite);  // inside the upper loop
}

TEST_F(SevenSegOnForm, LowerCaseLettersLookLikeUpperCaseOnes) {
  seg->SetCaption(u"bAdE");
  auto lower = Shot();
  seg->SetCaption(u"BaDe");
  auto upper = Shot();
  for (int y = 0; y < 76; y += 2)
    for (int x = 0; x < 216; x += 2) ASSERT_EQ(lower->Canvas()->Pixels(x, y), upper->Canvas()->Pixels(x, y));
}

TEST_F(SevenSegOnForm, AssignCopiesSettingsGlyphsAndCaption) {
  seg->SetColorText(clLime);
  seg->SetNumDigits(3);
  seg->SetMargin(4);
  seg->SetInterDigDist(6);
  seg->SetColorScheme(csSystem);
  seg->SetCaption(u"1:2");
  auto* copy = new TSevenSeg(form.get());
  copy->SetParent(form.get());
  copy->SetBounds(300, 5, 216, 76);
  copy->Assign(seg);
  EXPECT_EQ(copy->ColorText(), clLime);
  EXPECT_EQ(copy->NumDigits(), 3);
  EXPECT_EQ(copy->Margin(), 4);
  EXPECT_EQ(copy->InterDigDist(), 6);
  EXPECT_EQ(copy->ColorScheme(), csSystem);
  EXPECT_EQ(copy->Caption(), u"1:2");
  auto a = Shot(), b = headless::Snapshot(copy);
  for (int y = 0; y < 76; y += 2)
    for (int x = 0; x < 216; x += 2) ASSERT_EQ(a->Canvas()->Pixels(x, y), b->Canvas()->Pixels(x, y));
  TLabel other(nullptr);
  EXPECT_THROW(seg->Assign(&other), EConvertError);
  EXPECT_THROW(other.Assign(seg), EConvertError);
}

TEST_F(SevenSegOnForm, AFreshDisplayWritesOnlyItsPlaceAndASetOneReadsBack) {
  TSevenSeg fresh(nullptr);
  EXPECT_EQ(fresh.Caption(), u"8.8.8.8.");
  EXPECT_EQ(fresh.Width(), 216);
  EXPECT_EQ(fresh.Height(), 76);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* p : {u"Caption", u"NumDigits", u"Color", u"Margin", u"Inter", u"Frame"}) {
    EXPECT_EQ(text.find(p), String::npos) << ToUTF8(text);
  }
  seg->SetName(u"Seg1");
  seg->SetCaption(u"-3.5");
  seg->SetNumDigits(6);
  seg->SetColorText(clAqua);
  seg->SetMargin(3);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(seg)));
  auto* read = dynamic_cast<TSevenSeg*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Caption(), u"-3.5");
  EXPECT_EQ(read->NumDigits(), 6);
  EXPECT_EQ(read->ColorText(), clAqua);
  EXPECT_EQ(read->Margin(), 3);
  EXPECT_EQ(read->ImageCache()->Width(), 21 * ((216 - 6) / 6 - 2));  // built after loading
}

}  // namespace
