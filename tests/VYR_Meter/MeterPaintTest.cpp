// The meter's parts by chosen pixels: frames, cover and face edge, lamps,
// arc and ticks, labels, bands, needles, anchor and caption.
#include <algorithm>
#include <vector>

#include "MeterTestUtil.h"

namespace metertest {
namespace {

constexpr TColor kGray = 0x808080, kWhite = 0xFFFFFF, kSilver = 0xC0C0C0;

// ---------------------------------------------------------------- frame and cover

TEST_F(MeterTest, FramesFollowTheirStyleOnTheOutermostPixels) {
  const int w = Meter->Width(), h = Meter->Height(), mx = w / 2, my = h / 2;
  Meter->SetColorBakG(clYellow);
  const TColor sys = ColorToRGB(clBtnShadow);
  // The pixels: left, top, right, bottom middles, the inner ring's left and
  // right middles, and the bottom-left and top-right corners.
  const TPoint probes[] = {{0, my}, {mx, 0}, {w - 1, my}, {mx, h - 1},
                           {1, my}, {w - 2, my}, {0, h - 1}, {w - 1, 0}};
  const struct {
    vyr::TFrameStyle Style;
    vyr::TColorScheme Scheme;
    TColor Want[8];
  } cases[] = {
      {vyr::fsNoFrame, vyr::csBWG, {kFace, kFace, kFace, kFace, kFace, kFace, kFace, kFace}},
      {vyr::fsSimple, vyr::csBWG,
       {clYellow, clYellow, clYellow, clYellow, kFace, kFace, clYellow, clYellow}},
      {vyr::fsLowered, vyr::csBWG, {kGray, kGray, kWhite, kWhite, kFace, kFace, kGray, kWhite}},
      {vyr::fsRaised, vyr::csBWG, {kWhite, kWhite, kGray, kGray, kFace, kFace, kWhite, kGray}},
      {vyr::fsLowered, vyr::csSystem, {sys, sys, kWhite, kWhite, kFace, kFace, sys, kWhite}},
      // Two rings; the bottom-left and top-right corners stay untouched.
      {vyr::fsEtched, vyr::csBWG, {kWhite, kWhite, kGray, kGray, kGray, kWhite, kFace, kFace}},
      {vyr::fsBump, vyr::csBWG, {kGray, kGray, kWhite, kWhite, kWhite, kGray, kFace, kFace}},
  };
  for (const auto& c : cases) {
    Meter->SetFrameStyle(c.Style);
    Meter->SetColorScheme(c.Scheme);
    auto shot = Shot();
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(At(shot, probes[i]), c.Want[i]) << "style " << int(c.Style) << " probe " << i;
    }
  }
}

TEST_F(MeterTest, TheCoverFillsTheRimsAndTheFaceHasASunkenEdge) {
  Meter->SetColorCover(clAqua);
  Meter->SetRimSide(12);
  Meter->SetRimTop(6);
  Meter->SetRimBottom(14);
  auto shot = Shot();
  const int w = Meter->Width(), h = Meter->Height();
  EXPECT_EQ(At(shot, 5, 100), clAqua);
  EXPECT_EQ(At(shot, 150, 3), clAqua);
  EXPECT_EQ(At(shot, w - 5, 100), clAqua);
  EXPECT_EQ(At(shot, 60, h - 5), clAqua);
  // The edge: dark left (x = RimSide - 1) and top (y = RimTop), light right
  // (x = W - RimSide) and bottom (y = H - RimBottom); the face starts inside.
  EXPECT_EQ(At(shot, 11, 100), kGray);
  EXPECT_EQ(At(shot, 60, 6), kGray);
  EXPECT_EQ(At(shot, w - 12, 100), kWhite);
  EXPECT_EQ(At(shot, 60, h - 14), kWhite);
  EXPECT_EQ(At(shot, 12, 100), clWhite);
  EXPECT_EQ(At(shot, 10, 100), clAqua);
}

// ---------------------------------------------------------------- lamps

TEST_F(MeterTest, LampsShowTheAlarmsWithBevelStrokes) {
  Meter->SetLimWatchActColor(clFuchsia);
  Meter->SetLimWatchPsvColor(clTeal);
  const int s = Meter->RimSide(), t = Meter->RimTop();
  // The outline is black where the white strokes (bottom row, right
  // column) leave it; silver runs inside the white, gray along the top and
  // left inside the outline.
  auto check = [&](const TRect& r, bool Lit, const char* What) {
    auto shot = Shot();
    SCOPED_TRACE(What);
    const int x = r.Left, y = r.Top;
    for (TPoint p : {TPoint{x, y}, TPoint{x, y + 9}, TPoint{x + 9, y}, TPoint{x, y + 4}, TPoint{x + 4, y}}) {
      EXPECT_EQ(At(shot, p), clBlack) << p.X - x << "," << p.Y - y;
    }
    for (TPoint p : {TPoint{x + 4, y + 9}, TPoint{x + 9, y + 4}, TPoint{x + 9, y + 9}}) {
      EXPECT_EQ(At(shot, p), kWhite) << p.X - x << "," << p.Y - y;
    }
    EXPECT_EQ(At(shot, x + 4, y + 8), kSilver);
    EXPECT_EQ(At(shot, x + 8, y + 4), kSilver);
    EXPECT_EQ(At(shot, x + 1, y + 5), kGray);
    EXPECT_EQ(At(shot, x + 5, y + 1), kGray);
    EXPECT_EQ(At(shot, x + 4, y + 4), Lit ? clFuchsia : clTeal);
    EXPECT_EQ(At(shot, x + 7, y + 7), Lit ? clFuchsia : clTeal);
    // The ring just outside is face.
    EXPECT_EQ(At(shot, x - 1, y + 4), clWhite);
    EXPECT_EQ(At(shot, x + 10, y + 4), clWhite);
    EXPECT_EQ(At(shot, x + 4, y + 10), clWhite);
  };
  EXPECT_EQ(Meter->LowLampRect(), Rect(s + 8, t + 8, s + 18, t + 18));
  EXPECT_EQ(Meter->HighLampRect(), Rect(Meter->Width() - s - 18, t + 8, Meter->Width() - s - 8, t + 18));
  check(Meter->LowLampRect(), false, "low off");
  check(Meter->HighLampRect(), false, "high off");
  Meter->SetValue(5);  // above the maximum: the maximum, at ThresholdHigh
  EXPECT_DOUBLE_EQ(Meter->Value(), 1);
  check(Meter->HighLampRect(), true, "high lit");
  check(Meter->LowLampRect(), false, "low still off");
  Meter->SetValue(0);
  check(Meter->LowLampRect(), true, "low lit");
  check(Meter->HighLampRect(), false, "high out");
  Meter->SetLimWatchLowOn(false);
  auto shot = Shot();
  EXPECT_EQ(Count(shot, Meter->LowLampRect(), clFuchsia), 0);
  EXPECT_EQ(Count(shot, Meter->LowLampRect(), clBlack), 0);
}

// ---------------------------------------------------------------- scale

// On a half circle from 0 to 100 the ends and the middle lie on the axes,
// so ticks there are straight runs of pixels.
class MeterScaleTest : public MeterTest {
 protected:
  void SetUp() override {
    MeterTest::SetUp();
    Meter->SetMeterLayout(vyr::mlCirc180);
    Meter->SetMeterMaxValue(100);
    Meter->NeedleLayout()->SetVisible(false);
    Meter->SetAnchorCovered(false);
    Meter->SetColorScale(clRed);
  }
  // The pixels from radius R0 inwards to R1 (excluded) in the direction of V.
  std::vector<TPoint> Run(double V, double R0, double R1) const {
    const TPoint a = Along(V, R0), b = Along(V, R1);
    std::vector<TPoint> run;
    const int n = std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y));
    for (int i = 0; i < n; ++i) {
      run.push_back({a.X + (b.X - a.X) * i / n, a.Y + (b.Y - a.Y) * i / n});
    }
    return run;
  }
};

TEST_F(MeterScaleTest, MajorTicksAreEightPixelsAndMinorTicksFour) {
  const double r = Meter->MeterRadius();
  // Five intervals: the step is 10 (a raw step of exactly 2 × 10 is taken
  // as 1 × 10), so 0, 50 and 100 are major ticks.
  Meter->SetMeterNrTicks(5);
  auto shot = Shot();
  for (double v : {0.0, 50.0, 100.0}) {
    for (TPoint p : Run(v, r, r - 8)) EXPECT_EQ(At(shot, p), clRed) << v << " " << p.X << "," << p.Y;
    EXPECT_NE(At(shot, Along(v, r - 9)), clRed) << v;
  }
  // Four intervals: the step is 20 with minor ticks every 5, so 50 is minor.
  Meter->SetMeterNrTicks(4);
  shot = Shot();
  for (TPoint p : Run(50, r, r - 4)) EXPECT_EQ(At(shot, p), clRed);
  EXPECT_NE(At(shot, Along(50, r - 5)), clRed);
  Meter->SetMeterShortTicks(false);
  shot = Shot();
  EXPECT_NE(At(shot, Along(50, r - 2)), clRed);
  // The arc passes straight above the centre at the rounded radius.
  const int top = Meter->MeterCenterY() - vyr::meter::RoundHalfEven(r);
  EXPECT_EQ(At(shot, Meter->MeterCenterX(), top), clRed);
  Meter->SetMeterScaleLine(false);
  shot = Shot();
  EXPECT_NE(At(shot, Meter->MeterCenterX(), top), clRed);
  Meter->SetScaleVisible(false);
  shot = Shot();
  for (TPoint p : Run(0, r, r - 8)) EXPECT_NE(At(shot, p), clRed);
}

TEST_F(MeterScaleTest, LabelsAreOfferedToTheHandlerAtTheirCorners) {
  struct Seen {
    String Text;
    int X, Y;
  };
  std::vector<Seen> seen;
  Meter->SetMeterMinValue(-100);
  Meter->SetMeterNrTicks(2);  // the step is 100
  Meter->SetMeterDecPlaces(1);
  Meter->SetOnBeforeDrawScaleLabel([&](TObject* Sender, TCanvas* C, String& Label, int X, int Y) {
    EXPECT_EQ(Sender, Meter);
    EXPECT_NE(C, nullptr);
    seen.push_back({Label, X, Y});
    if (Label == u"0.0") Label.clear();  // no label in the middle
  });
  auto shot = Shot();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].Text, u"-100.0");
  EXPECT_EQ(seen[1].Text, u"0.0");
  EXPECT_EQ(seen[2].Text, u"100.0");
  // The corner is the anchor less half the text, the anchor set in from the
  // arc by half the widest label (the maximum's) plus 15 pixels.
  TCanvas* c = Meter->Canvas();
  c->Font()->Assign(Meter->Font());
  const TSize widest = c->TextExtent(u"100.0");
  for (std::size_t i = 0; i < 3; ++i) {
    const double v = -100 + 100.0 * static_cast<double>(i);
    const TPoint a = vyr::meter::LabelAnchor(Meter->Geometry(), Theta(v), widest.cx / 2.0 + 15,
                                             widest.cy / 2.0 + 15);
    const TSize size = c->TextExtent(seen[i].Text);
    EXPECT_EQ(seen[i].X, a.X - size.cx / 2) << i;
    EXPECT_EQ(seen[i].Y, a.Y - size.cy / 2) << i;
  }
  // Text shows in the boxes of the first and last labels, none in the emptied one.
  const TColor ink = ColorToRGB(Meter->Font()->Color());
  auto box = [&](const Seen& s) { return Bounds(s.X, s.Y, c->TextWidth(s.Text), c->TextHeight(s.Text)); };
  EXPECT_GT(Count(shot, box(seen[0]), ink), 0);
  EXPECT_GT(Count(shot, box(seen[2]), ink), 0);
  EXPECT_EQ(Count(shot, box(seen[1]), ink), 0);
}

TEST_F(MeterScaleTest, LogarithmicLabelsStandAtOneTwoAndFive) {
  std::vector<String> labels;
  Meter->SetMeterMinValue(1);
  Meter->SetMeterMaxValue(1000);
  Meter->SetLogarithmic(true);
  Meter->SetMeterDecPlaces(0);
  Meter->SetOnBeforeDrawScaleLabel([&](TObject*, TCanvas*, String& Label, int, int) { labels.push_back(Label); });
  Shot();
  const std::vector<String> want = {u"1", u"2", u"5", u"10", u"20", u"50", u"100", u"200", u"500", u"1000"};
  EXPECT_EQ(labels, want);
  // The decade ticks stand where the logarithm puts them: 10 a third of the way.
  EXPECT_NEAR(Theta(10), 180 - 180 / 3.0, 1E-9);
}

TEST_F(MeterScaleTest, BandsColorTheirRangesAndTheFaceCutsThemToARing) {
  Meter->SetScaleVisible(false);
  Meter->SetThresholdLow(30);
  Meter->SetThresholdHigh(70);
  Meter->SetScaleBkVisible(true);
  Meter->SetScaleBkWidth(20);
  const double r = Meter->MeterRadius();
  auto shot = Shot();
  EXPECT_EQ(At(shot, Along(15, r * 0.9)), Meter->ColorSclBkLow());
  EXPECT_EQ(At(shot, Along(50, r * 0.9)), ColorToRGB(Meter->ColorSclBkNorm()));
  EXPECT_EQ(At(shot, Along(85, r * 0.9)), Meter->ColorSclBkHigh());
  EXPECT_EQ(At(shot, Along(85, r + 3)), Meter->ColorSclBkHigh());  // out to radius + 4
  EXPECT_EQ(At(shot, Along(85, r + 6)), clWhite);
  EXPECT_EQ(At(shot, Along(85, r * 0.75)), clWhite);  // inside the ring
  // A band of full width leaves whole pies.
  Meter->SetScaleBkWidth(100);
  shot = Shot();
  EXPECT_EQ(At(shot, Along(85, r * 0.5)), Meter->ColorSclBkHigh());
  EXPECT_EQ(At(shot, Along(15, r * 0.5)), Meter->ColorSclBkLow());
  // Thresholds at the ends leave their bands out.
  Meter->SetThresholdLow(0);
  Meter->SetThresholdHigh(100);
  shot = Shot();
  EXPECT_EQ(At(shot, Along(2, r * 0.5)), ColorToRGB(Meter->ColorSclBkNorm()));
  EXPECT_EQ(At(shot, Along(98, r * 0.5)), ColorToRGB(Meter->ColorSclBkNorm()));
}

TEST_F(MeterScaleTest, TheCaptionIsCentredAThirdOfTheRadiusAboveThePivot) {
  Meter->SetScaleVisible(false);
  Meter->SetCaption(u"km/h");
  Meter->FontCaption()->SetColor(clBlue);
  auto shot = Shot();
  TCanvas* c = Meter->Canvas();
  c->Font()->Assign(Meter->FontCaption());
  const TSize size = c->TextExtent(u"km/h");
  const int cy = Meter->MeterCenterY() - vyr::meter::RoundHalfEven(Meter->MeterRadius() / 3);
  const TRect box = Bounds(Meter->MeterCenterX() - size.cx / 2, cy - size.cy / 2, size.cx, size.cy);
  EXPECT_GT(Count(shot, box, clBlue), 0);
  TRect around = box;
  around.Inflate(30, 30);
  EXPECT_EQ(Count(shot, around, clBlue), Count(shot, box, clBlue));
}

// ---------------------------------------------------------------- needles

TEST_F(MeterTest, NeedlesPointAtTheirValuesInEveryLayout) {
  Meter->SetBounds(0, 0, 400, 300);
  Meter->NeedleLayout()->SetThickness(10);
  Meter->NeedleLayout()->SetColorBody(clLime);
  Meter->NeedleLayoutSec()->SetThickness(10);
  Meter->NeedleLayoutSec()->SetColorBody(clBlue);
  Meter->NeedleLayoutSec()->SetVisible(true);
  Meter->SetMeterMaxValue(10);
  for (auto layout : {vyr::mlCirc90, vyr::mlCirc120, vyr::mlCirc180, vyr::mlCirc270,
                      vyr::mlCirc300, vyr::mlCirc360}) {
    Meter->SetMeterLayout(layout);
    for (double v : {1.0, 5.0, 9.0}) {
      Meter->SetValue(v);
      Meter->SetValueSec(10 - v);
      auto shot = Shot();
      const double r = Meter->MeterRadius();
      SCOPED_TRACE(std::to_string(layout) + " " + std::to_string(v));
      // Mid-body, away from the anchor and the head.
      EXPECT_EQ(At(shot, Along(v, r * 0.6)), clLime);
      if (v != 5.0) {
        EXPECT_EQ(At(shot, Along(10 - v, r * 0.6)), clBlue);
      }
    }
  }
}

TEST_F(MeterTest, AShadowLiesOppositeItsOffsetUnderTheNeedle) {
  Meter->SetMeterLayout(vyr::mlCirc180);
  Meter->SetValue(0.5);  // straight up
  Meter->NeedleLayout()->SetThickness(6);
  Meter->NeedleLayout()->SetShadowColor(clMaroon);
  Meter->NeedleLayout()->SetShadowDx(-12);  // the shadow lies 12 pixels to the right
  auto shot = Shot();
  const TPoint mid = Along(0.5, Meter->MeterRadius() * 0.6);
  EXPECT_EQ(At(shot, mid), clSilver);
  EXPECT_EQ(At(shot, mid.X + 12, mid.Y), clMaroon);
  EXPECT_EQ(At(shot, mid.X - 12, mid.Y), clWhite);
}

TEST_F(MeterTest, AHandlerThatDrawsTheNeedleSuppressesOnlyTheNeedle) {
  Meter->SetMeterLayout(vyr::mlCirc180);
  Meter->SetValue(0.5);
  Meter->NeedleLayout()->SetThickness(6);
  int calls = 0;
  Meter->SetOnBeforeDrawNeedle([&](TObject*, TCanvas* C, bool& Drawn) {
    ++calls;
    C->Brush()->SetColor(clRed);
    C->FillRect(Bounds(40, 40, 5, 5));
    Drawn = true;
  });
  auto shot = Shot();
  EXPECT_GE(calls, 1);
  EXPECT_EQ(At(shot, Along(0.5, Meter->MeterRadius() * 0.6)), clWhite);
  EXPECT_EQ(At(shot, 42, 42), clRed);
  // Cover, lamps and frame are still drawn.
  EXPECT_EQ(At(shot, 5, 100), kFace);
  EXPECT_EQ(At(shot, Meter->LowLampRect().TopLeft()), clBlack);
  EXPECT_EQ(At(shot, 0, 100), kWhite);
}

// ---------------------------------------------------------------- anchor

TEST_F(MeterTest, TheAnchorIsAHalfDiscOnAPedestalOrAWholeDisc) {
  Meter->SetValue(0);  // the needle points to the left end
  Meter->SetColorCover(clOlive);
  const int s = Meter->AnchorSize();
  auto shot = Shot();
  const int cx = Meter->MeterCenterX(), cy = Meter->MeterCenterY();
  EXPECT_EQ(At(shot, cx + s / 2, cy - s / 2), clOlive);  // the half disc
  EXPECT_EQ(At(shot, cx + s / 2, Meter->Height() - Meter->RimBottom() - 2), clOlive);  // the pedestal
  EXPECT_EQ(At(shot, cx + s + 3, cy + 3), clWhite);
  Meter->SetMeterLayout(vyr::mlCirc270);
  shot = Shot();
  const int cx2 = Meter->MeterCenterX(), cy2 = Meter->MeterCenterY();
  EXPECT_EQ(At(shot, cx2 + s / 2, cy2 + s / 2), clOlive);
  EXPECT_EQ(At(shot, cx2 + s / 2, cy2 + s + 4), clWhite);  // no pedestal
  Meter->SetAnchorCovered(false);
  shot = Shot();
  EXPECT_EQ(At(shot, cx2 + s / 2, cy2 + s / 2), clWhite);
  EXPECT_EQ(At(shot, Meter->RimSide() - 1, 100), kGray);  // the face edge stays
}

TEST_F(MeterTest, AnAnchorImageShowsItsPixelsButNotItsBlackOnes) {
  // A red square with a black frame two pixels wide.
  const String path = MakeImage("anchor.bmp", 12, 12, [](int x, int y) {
    return (x < 2 || y < 2 || x > 9 || y > 9) ? clBlack : clRed;
  });
  Meter->SetMeterLayout(vyr::mlCirc270);
  Meter->SetValue(1);
  Meter->SetAnchorImage(path);
  EXPECT_EQ(Meter->AnchorImage(), path);
  auto shot = Shot();
  const int cx = Meter->MeterCenterX(), cy = Meter->MeterCenterY();
  const int left = cx - 6, top = cy - 6;
  EXPECT_EQ(At(shot, left + 5, top + 5), clRed);
  EXPECT_EQ(At(shot, left + 0, top + 0), clWhite);  // black is transparent: the face shows
  EXPECT_EQ(At(shot, left + 11, top + 6), clWhite);
  // A missing or unreadable file clears the name; the disc comes back.
  Meter->SetAnchorImage(u"/no/such/anchor.bmp");
  EXPECT_EQ(Meter->AnchorImage(), u"");
  shot = Shot();
  EXPECT_EQ(At(shot, left + 0, top + 0), ColorToRGB(Meter->ColorCover()));
}

// ---------------------------------------------------------------- background

TEST_F(MeterTest, BackgroundImagesArePlacedByTheirFillMode) {
  // Left half red, right half blue, 40 × 40.
  const String path = MakeImage("face.bmp", 40, 40, [](int x, int) { return x < 20 ? clRed : clBlue; });
  Meter->SetScaleVisible(false);
  Meter->NeedleLayout()->SetVisible(false);
  Meter->SetAnchorCovered(false);
  Meter->SetBackGroundImg(path);
  ASSERT_EQ(Meter->BackGroundImg(), path);
  auto shot = Shot();
  EXPECT_EQ(At(shot, 15, 20), clRed);  // once at its own size at (0, 0)
  EXPECT_EQ(At(shot, 30, 20), clBlue);
  EXPECT_EQ(At(shot, 60, 60), clWhite);
  Meter->SetBkgndFillMode(vyr::bfTile);
  shot = Shot();
  EXPECT_EQ(At(shot, 85, 60), clRed);
  EXPECT_EQ(At(shot, 105, 60), clBlue);
  EXPECT_EQ(At(shot, 285, 195), clRed);  // the last, cut tile (280..319)
  Meter->SetBkgndFillMode(vyr::bfStretch);
  shot = Shot();
  EXPECT_EQ(At(shot, 60, 100), clRed);
  EXPECT_EQ(At(shot, 240, 100), clBlue);
  // A missing file clears the name; the face color returns.
  Meter->SetBackGroundImg(u"/no/such/face.bmp");
  EXPECT_EQ(Meter->BackGroundImg(), u"");
  shot = Shot();
  EXPECT_EQ(At(shot, 60, 100), clWhite);
}

TEST_F(MeterTest, AnUnreadableBackgroundRaisesAndChangesNothing) {
  const String good = MakeImage("good.bmp", 40, 40, [](int, int) { return clGreen; });
  const String bad = FromUTF8(std::string(VYR_TEST_TMP) + "/bad.bmp");
  {
    TFileStream f(bad, fmCreate);
    f.Write("not a picture", 13);
  }
  Meter->SetBackGroundImg(good);
  EXPECT_THROW(Meter->SetBackGroundImg(bad), Exception);
  EXPECT_EQ(Meter->BackGroundImg(), good);
  EXPECT_EQ(At(Shot(), 12, 12), clGreen);
}

}  // namespace
}  // namespace metertest
