// Painting of the progress bar by chosen pixels and against the drawing
// rules written out with plain canvas lines: bar ends per direction, the
// gradient, the grid, frames, the value text, the background picture and
// degenerate ranges.
#include <filesystem>
#include <random>

#include "ProgBar_Support.h"

namespace progbartest {
namespace {

using ProgBarPaintTest = ProgBarFixture;

struct TShape {
  TDirection Direction;
  int W, H;
};
const TShape kShapes[] = {{dirRight, 300, 28}, {dirLeft, 300, 28}, {dirUp, 28, 200},
                          {dirDown, 28, 200}};

TEST_F(ProgBarPaintTest, BarEndsPerDirection) {
  Plain();
  bar->SetColorMin(clRed);
  for (const TShape& s : kShapes) {
    bar->SetBounds(10, 10, s.W, s.H);
    bar->SetDirection(s.Direction);
    const bool vertical = s.Direction == dirUp || s.Direction == dirDown;
    const int extent = vertical ? s.H - 8 : s.W - 8;
    for (double value : {10.0, 50.0, 99.0, 100.0}) {
      bar->SetValue(value);
      Shoot();
      const int n = RuleLength(value, 0, 100, extent);
      ASSERT_EQ(bar->BarLength(), n);
      // The last line of the bar and the first one after it, across the
      // middle of the bar.
      int last = 0, next = 0;
      switch (s.Direction) {
        case dirRight: last = 4 + n - 1; next = 4 + n; break;
        case dirLeft: last = s.W - 4 - n; next = last - 1; break;
        case dirUp: last = s.H - 4 - n; next = last - 1; break;
        case dirDown: last = 4 + n - 1; next = 4 + n; break;
      }
      const int mid = (vertical ? s.W : s.H) / 2;
      auto at = [&](int p) { return vertical ? Pixel(mid, p) : Pixel(p, mid); };
      EXPECT_EQ(at(last), ColorToRGB(clRed)) << int(s.Direction) << " at " << value;
      EXPECT_EQ(at(next), ColorToRGB(clWhite))
          << int(s.Direction) << " at " << value;
    }
  }
}

TEST_F(ProgBarPaintTest, TheInitialBarEndsAtX33) {
  Shoot();
  EXPECT_EQ(bar->BarLength(), 29);
  EXPECT_EQ(Pixel(32, 14), ColorToRGB(bar->ColorMin()));
  EXPECT_EQ(Pixel(33, 14), ColorToRGB(bar->ColorBackGnd()));
}

// The gradient as the rule draws it: one pen line per bar line, from edge
// to edge of the inner area across the bar (the end point left out).
std::unique_ptr<TBitmap> RuleGradient(const TProgBar& Bar, TColor Background) {
  const int w = Bar.Width(), h = Bar.Height();
  auto b = std::make_unique<TBitmap>(w, h);
  TCanvas& c = *b->Canvas();
  c.Brush()->SetColor(Background);
  c.FillRect(Rect(0, 0, w, h));
  const int ml = Bar.MarginLeft(), mr = Bar.MarginRight(), mt = Bar.MarginTop(),
            mb = Bar.MarginBottom();
  const bool vertical = Bar.Direction() == dirUp || Bar.Direction() == dirDown;
  const int extent = vertical ? h - mb - mt : w - mr - ml;
  if (extent <= 0) return b;
  const int n = RuleLength(Bar.Value(), Bar.Min(), Bar.Max(), extent);
  for (int i = 0; i < n; ++i) {
    c.Pen()->SetColor(Bar.BarColors(RuleIndex(Bar.ColorMapMode(), i, extent, n)));
    switch (Bar.Direction()) {
      case dirUp: c.MoveTo(ml, h - mb - i - 1); c.LineTo(w - mr, h - mb - i - 1); break;
      case dirDown: c.MoveTo(ml, mt + i); c.LineTo(w - mr, mt + i); break;
      case dirRight: c.MoveTo(ml + i, mt); c.LineTo(ml + i, h - mb); break;
      case dirLeft: c.MoveTo(w - mr - i - 1, mt); c.LineTo(w - mr - i - 1, h - mb); break;
    }
  }
  return b;
}

TEST_F(ProgBarPaintTest, GradientMatchesItsRuleInEveryDirectionAndMapping) {
  Plain(clBlack);
  bar->SetColorMin(RGB(10, 200, 30));
  bar->SetColorMax(RGB(250, 20, 140));
  bar->SetShowColorGradient(true);
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> margin(-6, 12);
  for (const TShape& s : kShapes) {
    bar->SetBounds(10, 10, s.W, s.H);
    bar->SetDirection(s.Direction);
    for (TColorMapping m : {cgmCover, cgmStretch, cgmMove}) {
      bar->SetColorMapMode(m);
      for (double value : {0.5, 33.0, 50.0, 100.0, 140.0, 1000.0, -20.0}) {
        bar->SetMarginLeft(margin(rng));
        bar->SetMarginRight(margin(rng));
        bar->SetMarginTop(margin(rng));
        bar->SetMarginBottom(margin(rng));
        bar->SetValue(value);
        Shoot();
        const auto rule = RuleGradient(*bar, clBlack);
        for (int y = 0; y < s.H; ++y)
          for (int x = 0; x < s.W; ++x)
            ASSERT_EQ(Pixel(x, y), rule->Canvas()->Pixels(x, y))
                << "dir " << int(s.Direction) << " map " << int(m) << " value " << value
                << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(ProgBarPaintTest, GradientEndsOfTheExample) {
  Plain();
  bar->SetShowColorGradient(true);
  bar->SetValue(50);
  const struct {
    TColorMapping Mapping;
    int First, Last;
  } cases[] = {{cgmCover, 0, 508}, {cgmStretch, 0, 1016}, {cgmMove, 515, 1023}};
  for (const auto& c : cases) {
    bar->SetColorMapMode(c.Mapping);
    Shoot();
    EXPECT_EQ(Pixel(4, 10), ColorToRGB(bar->BarColors(c.First)));
    EXPECT_EQ(Pixel(149, 10), ColorToRGB(bar->BarColors(c.Last)));
    EXPECT_EQ(Pixel(150, 10), ColorToRGB(clWhite));
  }
}

TEST_F(ProgBarPaintTest, EqualMinAndMaxDrawAnEmptyBarAndTheValue) {
  Plain();
  bar->SetTextVisible(true);
  bar->Font()->SetColor(clMaroon);
  for (bool gradient : {false, true}) {
    bar->SetShowColorGradient(gradient);
    bar->SetRange(50, 50);
    bar->SetGridDist(5);
    EXPECT_NO_THROW(Shoot());
    EXPECT_EQ(bar->BarLength(), 0);
    EXPECT_EQ(Count(bar->ColorMin()), 0);
    EXPECT_GT(Count(clMaroon), 0);
  }
}

TEST_F(ProgBarPaintTest, GridLinesEveryGridDistAlongTheBar) {
  Plain();
  bar->SetColorGrid(clFuchsia);
  bar->SetGridDist(10);
  bar->SetMax(292);  // one pixel per unit
  bar->SetValue(30);
  Shoot();
  for (int x = 4; x < 60; ++x) {
    const bool line = (x - 4) % 10 == 0 && x <= 4 + 30;  // up to and with the bar's end
    EXPECT_EQ(Pixel(x, 14) == ColorToRGB(clFuchsia), line) << x;
  }
  EXPECT_EQ(Pixel(34, 4), ColorToRGB(clFuchsia));
  EXPECT_EQ(Pixel(34, 23), ColorToRGB(clFuchsia));
  EXPECT_NE(Pixel(34, 24), ColorToRGB(clFuchsia));
  bar->SetBounds(10, 10, 28, 200);
  bar->SetDirection(dirUp);
  bar->SetMax(192);
  Shoot();  // rows from y = 195 up, while not above the bar's top row 166
  for (int y = 150; y < 200; ++y) {
    const bool line = (195 - y) % 10 == 0 && y >= 166 && y <= 195;
    EXPECT_EQ(Pixel(14, y) == ColorToRGB(clFuchsia), line) << y;
  }
  bar->SetGridDist(1);  // no grid
  Shoot();
  EXPECT_EQ(Count(clFuchsia), 0);
}

TEST_F(ProgBarPaintTest, ValuesBeyondMaxReachIntoTheMargins) {
  Plain();
  bar->SetColorMin(clRed);
  bar->SetValue(101.5);  // four more pixels
  Shoot();
  EXPECT_EQ(Pixel(299, 14), ColorToRGB(clRed));
  EXPECT_EQ(Pixel(299, 2), ColorToRGB(clWhite));  // not across the bar
  bar->SetValue(1e300);
  EXPECT_NO_THROW(Shoot());
  EXPECT_EQ(Pixel(299, 14), ColorToRGB(clRed));
  bar->SetValue(-40);
  Shoot();
  EXPECT_EQ(Count(clRed), 0);
}

// ---------------------------------------------------------------- frames

// A frame by its rule, in plain canvas lines and rectangles (clear brush).
void RuleFrame(TCanvas& C, int Style, TRect R, TColor Black, TColor Gray, TColor White,
               TColor Margin) {
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  C.Brush()->SetStyle(bsClear);
  auto line = [&](TColor Color, std::initializer_list<TPoint> P) {
    C.Pen()->SetColor(Color);
    auto it = P.begin();
    C.MoveTo(it->X, it->Y);
    for (++it; it != P.end(); ++it) C.LineTo(it->X, it->Y);
  };
  auto rect = [&](TColor Color, int L, int T, int R2, int B) {
    C.Pen()->SetColor(Color);
    C.Rectangle(L, T, R2, B);
  };
  switch (Style) {
    case 0: return;
    case 1: rect(Gray, l, t, r, b); return;
    case 2:
    case 3: {
      const TColor first = Style == 2 ? Black : White, second = Style == 2 ? White : Black;
      line(first, {{l + 1, b - 3}, {l + 1, t + 1}, {r - 1, t + 1}});
      line(second, {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t}});
      rect(Gray, l, t, r - 1, b - 1);
      break;
    }
    case 4:
      rect(Gray, l + 1, t + 1, r, b);
      rect(White, l, t, r - 1, b - 1);
      break;
    case 5:
      rect(White, l + 1, t + 1, r, b);
      rect(Gray, l, t, r - 1, b - 1);
      break;
  }
  C.SetPixels(l, b - 1, Margin);
  C.SetPixels(r - 1, t, Margin);
}

TEST_F(ProgBarPaintTest, FramesFollowTheirRuleInBothColorSchemes) {
  bar->SetTextVisible(false);
  bar->SetValue(0);
  bar->SetColorMargin(clYellow);
  bar->SetColorBackGnd(clAqua);
  bar->SetBounds(10, 10, 60, 30);
  for (TColorScheme scheme : {csBWG, csSystem}) {
    bar->SetColorScheme(scheme);
    const TColor gray = scheme == csBWG ? TColor{0x808080} : clBtnShadow;
    const TColor white = scheme == csBWG ? TColor{0xFFFFFF} : clBtnHighlight;
    for (int outer = 0; outer <= 5; ++outer) {
      for (int inner = 0; inner <= 5; ++inner) {
        bar->SetFrameStyleOuter(static_cast<TFrameStyle>(outer));
        bar->SetFrameStyleInner(static_cast<TFrameStyle>(inner));
        Shoot();
        TBitmap rule(60, 30);
        TCanvas& c = *rule.Canvas();
        c.Brush()->SetColor(clYellow);
        c.FillRect(Rect(0, 0, 60, 30));
        c.Brush()->SetColor(clAqua);
        c.FillRect(Rect(4, 4, 56, 26));
        RuleFrame(c, inner, Rect(4, 4, 56, 26), clBlack, gray, white, clYellow);
        RuleFrame(c, outer, Rect(0, 0, 60, 30), clBlack, gray, white, clYellow);
        for (int y = 0; y < 30; ++y)
          for (int x = 0; x < 60; ++x)
            ASSERT_EQ(Pixel(x, y), rule.Canvas()->Pixels(x, y))
                << "scheme " << int(scheme) << " outer " << outer << " inner " << inner << " at "
                << x << "," << y;
      }
    }
  }
}

// ---------------------------------------------------------------- text

struct TBox {
  int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
};

TEST_F(ProgBarPaintTest, ValueTextAtItsAnchorTurnedAndReplaced) {
  Plain();
  bar->SetBounds(10, 10, 300, 60);
  bar->SetTextVisible(true);
  bar->Font()->SetColor(clMaroon);
  bar->Font()->SetSize(12);
  bar->SetColorMin(clSilver);
  bar->SetTextPosX(150);
  bar->SetTextPosY(30);
  auto box = [this] {
    TBox b;
    for (int y = 0; y < shot->Height(); ++y)
      for (int x = 0; x < shot->Width(); ++x)
        if (Pixel(x, y) == ColorToRGB(clMaroon)) {
          b.Left = std::min(b.Left, x);
          b.Right = std::max(b.Right, x);
          b.Top = std::min(b.Top, y);
          b.Bottom = std::max(b.Bottom, y);
        }
    return b;
  };
  bar->SetValue(12345);
  Shoot();
  TBox flat = box();
  ASSERT_GE(flat.Right, 0);
  EXPECT_LE(std::abs((flat.Left + flat.Right) / 2 - 150), 2);  // centred on the anchor
  EXPECT_LE(std::abs((flat.Top + flat.Bottom) / 2 - 30), 4);
  EXPECT_GT(flat.Right - flat.Left, flat.Bottom - flat.Top);
  bar->SetTextAngle(90);
  Shoot();
  TBox turned = box();
  EXPECT_GT(turned.Bottom - turned.Top, turned.Right - turned.Left);
  EXPECT_LE(std::abs((turned.Top + turned.Bottom) / 2 - 30), 2);
  bar->SetTextAngle(0);
  bar->SetTextAlignment(taLeftJustify);
  Shoot();
  EXPECT_GE(box().Left, 150);
  bar->SetTextAlignment(taRightJustify);
  Shoot();
  EXPECT_LE(box().Right, 151);

  bar->SetOnShowValue([](TObject*, String& Text) { Text.clear(); });
  bar->Repaint();  // a new handler alone does not repaint
  Shoot();
  EXPECT_EQ(Count(clMaroon), 0);
  bar->SetOnShowValue(nullptr);
  bar->SetTextVisible(false);
  Shoot();
  EXPECT_EQ(Count(clMaroon), 0);
}

// A handler that changes the bar while it paints gets one more paint that
// shows the change, and no endless repainting when it changes the bar every
// time.
TEST_F(ProgBarPaintTest, AHandlerChangingTheBarWhilePaintingIsShown) {
  Plain();
  bar->SetColorMin(clRed);
  bar->SetTextVisible(true);
  Shoot();  // the window exists from now on, so Repaint paints at once
  int calls = 0;
  bar->SetOnShowValue([this, &calls](TObject*, String&) {
    if (calls++ == 0) bar->SetValue(60);
  });
  bar->Repaint();
  EXPECT_EQ(calls, 2);
  Shoot();
  EXPECT_EQ(Pixel(4 + 175 - 1, 14), ColorToRGB(clRed));  // Round(0.6 × 292) = 175
  EXPECT_EQ(Pixel(4 + 175, 14), ColorToRGB(clWhite));
  calls = 0;
  bar->SetOnShowValue([this, &calls](TObject*, String&) {
    ++calls;
    bar->SetValue(bar->Value() + 1);
  });
  bar->Repaint();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(bar->Value(), 62);
  bar->SetOnShowValue(nullptr);
}

// ---------------------------------------------------------------- picture

TEST_F(ProgBarPaintTest, BackgroundPictureStretchedOntoTheInnerArea) {
  Plain();
  bar->SetValue(0);
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vyr_progbar";
  std::filesystem::create_directories(dir);
  const String file = FromUTF8((dir / "bg.bmp").string());
  TBitmap picture(2, 1);
  picture.Canvas()->SetPixels(0, 0, clLime);
  picture.Canvas()->SetPixels(1, 0, clNavy);
  picture.SaveToFile(file);
  bar->SetBackGroundImg(file);
  EXPECT_EQ(bar->BackGroundImg(), file);
  Shoot();
  EXPECT_EQ(Pixel(4, 4), ColorToRGB(clLime));
  EXPECT_EQ(Pixel(295, 23), ColorToRGB(clNavy));
  EXPECT_EQ(Pixel(3, 4), ColorToRGB(clWhite));  // the margin stays
  bar->SetBackGroundImg(u"/nonexistent/picture.bmp");
  EXPECT_EQ(bar->BackGroundImg(), file);  // a failed load keeps the picture
  Shoot();
  EXPECT_EQ(Pixel(4, 4), ColorToRGB(clLime));
  bar->SetBackGroundImg(u"");
  EXPECT_TRUE(bar->BackGroundImg().empty());
  Shoot();
  EXPECT_EQ(Pixel(4, 4), ColorToRGB(clWhite));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace progbartest
