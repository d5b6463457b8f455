// The scale bitmap and the partial repaints: every property the scale
// shows redraws it at the next paint, value changes repaint only the
// needles' area and still give the picture a whole repaint gives; handlers
// that throw and degenerate meters leave a meter that paints.
#include <functional>
#include <limits>
#include <random>

#include "MeterTestUtil.h"
#include "platform/Streaming.h"
#include "platform/WinapiGdi.h"

namespace metertest {
namespace {

using TMeterSetup = std::function<void(TMeter*)>;

class MeterCacheTest : public MeterTest {
 protected:
  // A meter of its own at (X, Y) with Base applied.
  TMeter* Place(int X, int Y, const TMeterSetup& Base) {
    TMeter* m = MakeMeter();
    m->SetBounds(X, Y, m->Width(), m->Height());
    if (Base) Base(m);
    return m;
  }
};

TEST_F(MeterCacheTest, EveryPropertyTheScaleShowsRedrawsItAtTheNextPaint) {
  Meter->SetVisible(false);
  const String image = MakeImage("scale_face.bmp", 30, 30, [](int x, int y) {
    return (x + y) % 7 == 0 ? clGreen : clYellow;
  });
  auto bandsHidden = [](TMeter* m) {
    m->SetThresholdLow(0.3);
    m->SetThresholdHigh(0.7);
    m->SetScaleBkWidth(20);
  };
  auto bands = [bandsHidden](TMeter* m) {
    bandsHidden(m);
    m->SetScaleBkVisible(true);
  };
  const struct {
    const char* Name;
    TMeterSetup Base, Change;
  } cases[] = {
      {"width", nullptr, [](TMeter* m) { m->SetWidth(330); }},
      {"height", nullptr, [](TMeter* m) { m->SetHeight(240); }},
      {"layout", nullptr, [](TMeter* m) { m->SetMeterLayout(vyr::mlCirc300); }},
      {"top rim", nullptr, [](TMeter* m) { m->SetRimTop(30); }},
      {"minimum", nullptr, [](TMeter* m) { m->SetMeterMinValue(-1); }},
      {"maximum", nullptr, [](TMeter* m) { m->SetMeterMaxValue(3); }},
      {"logarithmic", [](TMeter* m) { m->SetMeterMinValue(1); m->SetMeterMaxValue(1000); },
       [](TMeter* m) { m->SetLogarithmic(true); }},
      {"ticks", nullptr, [](TMeter* m) { m->SetMeterNrTicks(7); }},
      {"decimals", nullptr, [](TMeter* m) { m->SetMeterDecPlaces(3); }},
      {"short ticks", nullptr, [](TMeter* m) { m->SetMeterShortTicks(false); }},
      {"scale line", nullptr, [](TMeter* m) { m->SetMeterScaleLine(false); }},
      {"scale visible", nullptr, [](TMeter* m) { m->SetScaleVisible(false); }},
      {"bands visible", bandsHidden, [](TMeter* m) { m->SetScaleBkVisible(true); }},
      {"band width", bands, [](TMeter* m) { m->SetScaleBkWidth(50); }},
      {"threshold low", bands, [](TMeter* m) { m->SetThresholdLow(0.1); }},
      {"threshold high", bands, [](TMeter* m) { m->SetThresholdHigh(0.9); }},
      {"scale color", nullptr, [](TMeter* m) { m->SetColorScale(clRed); }},
      {"low band color", bands, [](TMeter* m) { m->SetColorSclBkLow(clPurple); }},
      {"normal band color", bands, [](TMeter* m) { m->SetColorSclBkNorm(clPurple); }},
      {"high band color", bands, [](TMeter* m) { m->SetColorSclBkHigh(clPurple); }},
      {"face color", nullptr, [](TMeter* m) { m->SetColorBakG(clYellow); }},
      {"caption", nullptr, [](TMeter* m) { m->SetCaption(u"Volt"); }},
      {"label font color", nullptr, [](TMeter* m) { m->Font()->SetColor(clRed); }},
      {"label font size", nullptr, [](TMeter* m) { m->Font()->SetSize(12); }},
      {"caption font", [](TMeter* m) { m->SetCaption(u"Volt"); },
       [](TMeter* m) { m->FontCaption()->SetStyle({fsBold}); }},
      {"background image", nullptr, [image](TMeter* m) { m->SetBackGroundImg(image); }},
      {"fill mode", [image](TMeter* m) { m->SetBackGroundImg(image); },
       [](TMeter* m) { m->SetBkgndFillMode(vyr::bfTile); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TMeter* changed = Place(0, 0, c.Base);
    auto before = headless::Snapshot(changed);
    const int renders = changed->ScaleRenderCount();
    c.Change(changed);
    auto after = headless::Snapshot(changed);
    EXPECT_EQ(changed->ScaleRenderCount(), renders + 1);
    EXPECT_NE(FirstDifference(before, after), "");
    // The same settings on a meter that never had the old ones.
    TMeter* fresh = Place(0, 350, [&](TMeter* m) {
      if (c.Base) c.Base(m);
      c.Change(m);
    });
    EXPECT_EQ(FirstDifference(after, headless::Snapshot(fresh)), "");
    delete changed;
    delete fresh;
  }
}

TEST_F(MeterCacheTest, WhatTheScaleDoesNotShowKeepsItsBitmap) {
  const struct {
    TMeterSetup Change;
    bool Shows;  // whether the meter's own picture changes
  } changes[] = {
      {[](TMeter* m) { m->SetColorCover(clRed); }, true},
      {[](TMeter* m) { m->SetFrameStyle(vyr::fsEtched); }, true},
      {[](TMeter* m) { m->SetColorScheme(vyr::csSystem); }, true},
      {[](TMeter* m) { m->SetRimSide(20); }, true},  // the quarter circle ignores the sides
      {[](TMeter* m) { m->SetAnchorSize(40); }, true},
      {[](TMeter* m) { m->SetLimWatchPsvColor(clBlue); }, true},
      {[](TMeter* m) { m->NeedleLayout()->SetColorBody(clRed); }, true},
      {[](TMeter* m) { m->SetValue(0.3); }, true},
      {[](TMeter* m) { m->NeedleLayoutSec()->SetVisible(true); }, true},
      {[](TMeter* m) { m->SetValueSec(0.6); }, true},
      {[](TMeter* m) { m->SetLeft(20); }, false},
  };
  Shot();
  const int renders = Meter->ScaleRenderCount();
  for (const auto& c : changes) {
    auto before = Shot();
    c.Change(Meter);
    EXPECT_EQ(FirstDifference(before, Shot()) != "", c.Shows);
  }
  EXPECT_EQ(Meter->ScaleRenderCount(), renders);
}

TEST_F(MeterCacheTest, TheParentsFontReachesTheLabels) {
  auto before = Shot();
  const int renders = Meter->ScaleRenderCount();
  Form->Font()->SetColor(clRed);
  auto after = Shot();
  EXPECT_EQ(Meter->ScaleRenderCount(), renders + 1);
  EXPECT_NE(FirstDifference(before, after), "");
}

// Value changes composed into the shown picture step by step must give
// what a whole repaint of the same state gives.
TEST_F(MeterCacheTest, ValueChangesRepaintToTheSamePictureAsAWholeRepaint) {
  Meter->SetVisible(false);
  for (auto layout : {vyr::mlCirc90, vyr::mlCirc180, vyr::mlCirc270, vyr::mlCirc360}) {
    SCOPED_TRACE(layout);
    auto setup = [layout](TMeter* m) {
      m->SetMeterLayout(layout);
      m->SetMeterMaxValue(100);
      m->SetThresholdLow(20);
      m->SetThresholdHigh(80);
      m->SetAnchorSize(layout == vyr::mlCirc180 ? 60 : 24);
      m->NeedleLayout()->SetThickness(5);
      m->NeedleLayout()->SetShadowDx(4);
      m->NeedleLayout()->SetShadowDy(-3);
      m->NeedleLayoutSec()->SetVisible(true);
      m->NeedleLayoutSec()->SetColorBody(clBlue);
      m->NeedleLayoutSec()->SetPercentNeedleLength(110 - layout * 10);
    };
    TMeter* shown = Place(0, 0, setup);
    TMeter* whole = Place(0, 350, setup);
    headless::Snapshot(shown);
    const int renders = shown->ScaleRenderCount();
    std::mt19937 rng(7 + layout);
    std::uniform_real_distribution<double> value(-10, 110);
    for (int i = 0; i < 30; ++i) {
      const double v = value(rng);
      const bool second = i % 3 == 2;
      for (TMeter* m : {shown, whole}) {
        if (second) {
          m->SetValueSec(v);
        } else {
          m->SetValue(v);
        }
      }
      whole->Invalidate();
      ASSERT_EQ(FirstDifference(headless::Snapshot(shown), headless::Snapshot(whole)), "")
          << "step " << i << " " << v;
    }
    EXPECT_EQ(shown->ScaleRenderCount(), renders);
    delete shown;
    delete whole;
  }
}

TEST_F(MeterCacheTest, AValueChangeRepaintsOnlyTheNeedlesAndTheLampsThatChanged) {
  Meter->SetValue(0.5);
  Shot();
  // Marks drawn straight onto the window outside any paint: whatever is
  // repainted loses them.
  auto mark = [&](TPoint P) {
    TCanvas* c = Meter->Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect(Bounds(P.X, P.Y, 2, 2));
  };
  const TPoint corner{2, 2}, lamp{Meter->LowLampRect().Left + 4, Meter->LowLampRect().Top + 4};
  const TPoint oldNeedle = Along(0.5, Meter->MeterRadius() * 0.5);
  for (TPoint p : {corner, lamp, oldNeedle}) mark(p);
  Meter->SetValue(0.6);  // normal range: no lamp changes
  auto shot = Shot();
  EXPECT_EQ(At(shot, corner), clFuchsia);
  EXPECT_EQ(At(shot, lamp), clFuchsia);
  EXPECT_NE(At(shot, oldNeedle), clFuchsia);  // the old needle's place was repainted
  Meter->SetValue(0);  // the low lamp lights
  shot = Shot();
  EXPECT_EQ(At(shot, corner), clFuchsia);
  EXPECT_EQ(At(shot, lamp), clRed);
}

// ---------------------------------------------------------------- handlers that throw

TEST_F(MeterCacheTest, AHandlerThatThrowsLeavesAMeterThatPaintsAgain) {
  TMeter* plain = Place(0, 350, nullptr);
  const auto reference = headless::Snapshot(plain);
  bool fail = true;
  const struct {
    const char* Name;
    std::function<void()> Install, Remove;
  } cases[] = {
      {"scale label",
       [&] {
         Meter->SetOnBeforeDrawScaleLabel([&](TObject*, TCanvas* C, String&, int, int) {
           C->Font()->SetSize(30);
           if (fail) throw Exception(u"label failed");
         });
       },
       [&] { Meter->SetOnBeforeDrawScaleLabel(nullptr); }},
      {"needle",
       [&] {
         Meter->SetOnBeforeDrawNeedle([&](TObject*, TCanvas* C, bool&) {
           C->Pen()->SetWidth(9);
           C->IntersectClip(Rect(0, 0, 1, 1));
           if (fail) throw Exception(u"needle failed");
         });
       },
       [&] { Meter->SetOnBeforeDrawNeedle(nullptr); }},
      {"rendered",
       [&] {
         Meter->SetOnMeterRendered([&](TObject*, TCanvas* C) {
           C->SetCopyMode(SRCINVERT);
           if (fail) throw Exception(u"rendered failed");
         });
       },
       [&] { Meter->SetOnMeterRendered(nullptr); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    fail = true;
    c.Install();
    const auto before = headless::HandledExceptions().size();
    FullShot();
    EXPECT_EQ(headless::HandledExceptions().size(), before + 1);
    // The handler stops failing (it still changes the canvas) ...
    fail = false;
    FullShot();
    EXPECT_EQ(headless::HandledExceptions().size(), before + 1);
    // ... and once it is gone the meter paints as one that never had it.
    c.Remove();
    EXPECT_EQ(FirstDifference(FullShot(), reference), "");
  }
}

// ---------------------------------------------------------------- degenerate meters

TEST_F(MeterCacheTest, AMeterWithoutRadiusPaintsNothing) {
  int rendered = 0;
  Meter->SetOnMeterRendered([&](TObject*, TCanvas*) { ++rendered; });
  Meter->SetHeight(30);
  ASSERT_LE(Meter->MeterRadius(), 0);
  Meter->SetValue(0.7);
  auto shot = FullShot();
  EXPECT_EQ(Count(shot, Rect(0, 0, shot->Width(), shot->Height()), kFace),
            shot->Width() * shot->Height());
  EXPECT_EQ(rendered, 0);
  EXPECT_TRUE(Meter->NeedleArea().IsEmpty());
  Meter->SetHeight(209);
  FullShot();
  EXPECT_EQ(rendered, 1);
  // Nor does a meter of no size.
  Meter->SetBounds(0, 0, 0, 0);
  FullShot();
  EXPECT_EQ(rendered, 1);
}

TEST_F(MeterCacheTest, RangesWithoutExtentAndNaNPaintWithoutFault) {
  const char16_t* files[] = {
      u"object M: TMeter\n  MeterMinValue = 5.0\n  MeterMaxValue = 5.0\n  Value = 5.0\nend\n",
      u"object M: TMeter\n  MeterMinValue = 5.0\n  MeterMaxValue = 2.0\n  Value = 3.0\nend\n",
      u"object M: TMeter\n  MeterMinValue = -1E300\n  MeterMaxValue = 1E300\n  MeterNrTicks = 21\nend\n",
      u"object M: TMeter\n  MeterMinValue = 1E-300\n  MeterMaxValue = 1E300\n  Logarithmic = True\nend\n",
  };
  for (const char16_t* text : files) {
    std::unique_ptr<TComponent> read(ReadComponentFromText(text));
    auto* m = dynamic_cast<TMeter*>(read.get());
    ASSERT_NE(m, nullptr);
    std::vector<String> labels;
    m->SetOnBeforeDrawScaleLabel([&](TObject*, TCanvas*, String& L, int, int) { labels.push_back(L); });
    m->SetValue(std::numeric_limits<double>::quiet_NaN());
    auto shot = headless::Snapshot(m);  // painted alone, without a parent
    EXPECT_FALSE(labels.empty()) << ToUTF8(text);
    EXPECT_LE(labels.size(), 5000u);
    double v = 0;
    m->ConvertPixelToValue(m->MeterCenterX(), 20, v);
    EXPECT_FALSE(std::isnan(m->CalcNeedleAngle(std::numeric_limits<double>::quiet_NaN())));
  }
}

}  // namespace
}  // namespace metertest
