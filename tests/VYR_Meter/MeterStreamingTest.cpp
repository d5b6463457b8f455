// Form files and the mouse: what a meter stores and reads back, and the
// value under the mouse.
#include <set>
#include <sstream>

#include "MeterTestUtil.h"
#include "platform/Streaming.h"

namespace metertest {
namespace {

// The property names a form text gives its root object.
std::set<std::string> StoredNames(const String& Text) {
  std::set<std::string> names;
  std::istringstream in(ToUTF8(Text));
  std::string line;
  while (std::getline(in, line)) {
    const auto eq = line.find(" = ");
    if (eq == std::string::npos) continue;
    names.insert(line.substr(line.find_first_not_of(' '), eq - line.find_first_not_of(' ')));
  }
  return names;
}

TEST_F(MeterTest, AFreshMeterStoresNoProperty) {
  TMeter alone(nullptr);
  for (TMeter* m : {&alone, Meter}) {
    for (const std::string& n : StoredNames(WriteComponentToText(m))) ADD_FAILURE() << n;
  }
  // Bounds away from the defaults are stored.
  Meter->SetBounds(5, 0, 297, 300);
  EXPECT_EQ(StoredNames(WriteComponentToText(Meter)), (std::set<std::string>{"Left", "Height"}));
  // The needle layouts' own fresh state (all zero) is not what a meter gives them.
  vyr::TNeedleLayout bare;
  EXPECT_EQ(bare.HeadSize(), 0);
  EXPECT_FALSE(bare.Visible());
  EXPECT_EQ(Meter->NeedleLayout()->HeadSize(), 20);
  EXPECT_TRUE(Meter->NeedleLayout()->Visible());
  EXPECT_FALSE(Meter->NeedleLayoutSec()->Visible());
}

TEST_F(MeterTest, SettingsSurviveAFormFile) {
  Meter->SetName(u"Meter1");
  Meter->SetMeterMinValue(1);
  Meter->SetMeterMaxValue(500);
  Meter->SetLogarithmic(true);
  Meter->SetThresholdLow(3);
  Meter->SetThresholdHigh(400);
  Meter->SetValue(42.5);
  Meter->SetMeterLayout(vyr::mlCirc300);
  Meter->SetMeterNrTicks(9);
  Meter->SetMeterDecPlaces(2);
  Meter->SetScaleBkVisible(true);
  Meter->SetScaleBkWidth(12.5);
  Meter->SetColorSclBkNorm(clTeal);
  Meter->SetColorScheme(vyr::csSystem);
  Meter->SetFrameStyle(vyr::fsBump);
  Meter->SetRimTop(4);
  Meter->SetCaption(u"km/h");
  Meter->FontCaption()->SetStyle({fsBold});
  Meter->SetBkgndFillMode(vyr::bfTile);
  Meter->NeedleLayout()->SetHeadSize(12);
  Meter->NeedleLayout()->SetColorBody(clRed);
  Meter->NeedleLayoutSec()->SetVisible(true);
  Meter->NeedleLayoutSec()->SetShadowDx(3);
  Meter->SetAnchorSize(10);
  Meter->SetLimWatchLowOn(false);
  Meter->SetDragMode(dmAutomatic);
  const String text = WriteComponentToText(Meter);
  EXPECT_NE(text.find(u"NeedleLayout.HeadSize = 12"), String::npos);
  EXPECT_NE(text.find(u"MeterLayout = mlCirc300"), String::npos);
  EXPECT_NE(text.find(u"FrameStyle = fsBump"), String::npos);
  std::unique_ptr<TComponent> read(ReadComponentFromText(text));
  auto* m = dynamic_cast<TMeter*>(read.get());
  ASSERT_NE(m, nullptr);
  EXPECT_DOUBLE_EQ(m->MeterMinValue(), 1);
  EXPECT_DOUBLE_EQ(m->MeterMaxValue(), 500);
  EXPECT_TRUE(m->Logarithmic());
  EXPECT_DOUBLE_EQ(m->ThresholdLow(), 3);
  EXPECT_DOUBLE_EQ(m->ThresholdHigh(), 400);
  EXPECT_DOUBLE_EQ(m->Value(), 42.5);
  EXPECT_EQ(m->MeterLayout(), vyr::mlCirc300);
  EXPECT_EQ(m->Geometry(), Meter->Geometry());
  EXPECT_EQ(m->MeterNrTicks(), 9);
  EXPECT_EQ(m->MeterDecPlaces(), 2);
  EXPECT_TRUE(m->ScaleBkVisible());
  EXPECT_DOUBLE_EQ(m->ScaleBkWidth(), 12.5);
  EXPECT_EQ(m->ColorSclBkNorm(), clTeal);
  EXPECT_EQ(m->ColorScheme(), vyr::csSystem);
  EXPECT_EQ(m->FrameStyle(), vyr::fsBump);
  EXPECT_EQ(m->RimTop(), 4);
  EXPECT_EQ(m->Caption(), u"km/h");
  EXPECT_TRUE(m->FontCaption()->Style().Contains(fsBold));
  EXPECT_EQ(m->BkgndFillMode(), vyr::bfTile);
  EXPECT_EQ(m->NeedleLayout()->HeadSize(), 12);
  EXPECT_EQ(m->NeedleLayout()->ColorBody(), clRed);
  EXPECT_TRUE(m->NeedleLayoutSec()->Visible());
  EXPECT_EQ(m->NeedleLayoutSec()->ShadowDx(), 3);
  EXPECT_EQ(m->AnchorSize(), 10);
  EXPECT_FALSE(m->LimWatchLowOn());
  EXPECT_EQ(m->DragMode(), dmAutomatic);
  // Read back, the meter paints as the one it was written from.
  m->SetBounds(0, 0, Meter->Width(), Meter->Height());
  EXPECT_EQ(FirstDifference(headless::Snapshot(m), FullShot()), "");
}

TEST_F(MeterTest, AssigningALayoutCopiesItsSettingsButNotItsHandler) {
  vyr::TNeedleLayout other;
  int otherChanges = 0;
  other.SetOnChange([&](TObject*) { ++otherChanges; });
  other.SetHeadSize(7);
  other.SetHeadAngle(250);  // clamped
  other.SetPercentNeedleLength(-4);
  other.SetColorOutline(clBlue);
  other.SetVisible(true);
  otherChanges = 0;
  int renders = 0;
  Meter->SetOnMeterRendered([&](TObject*, TCanvas*) { ++renders; });
  Shot();
  renders = 0;
  Meter->SetNeedleLayoutSec(&other);
  EXPECT_EQ(Meter->NeedleLayoutSec()->HeadSize(), 7);
  EXPECT_EQ(Meter->NeedleLayoutSec()->HeadAngle(), 180);
  EXPECT_EQ(Meter->NeedleLayoutSec()->PercentNeedleLength(), 0);
  EXPECT_EQ(Meter->NeedleLayoutSec()->ColorOutline(), clBlue);
  EXPECT_TRUE(Meter->NeedleLayoutSec()->Visible());
  EXPECT_EQ(renders, 1);  // one repaint for the whole copy
  // The meter's layout keeps its own handler: a change repaints the meter,
  // not the other layout's listener.
  Meter->NeedleLayoutSec()->SetHeadSize(9);
  EXPECT_EQ(renders, 2);
  EXPECT_EQ(otherChanges, 0);
  EXPECT_THROW(Meter->NeedleLayout()->Assign(Meter->Font()), Exception);
}

TEST_F(MeterTest, TheMouseReportsTheValueUnderIt) {
  Meter->SetMeterMaxValue(100);
  struct Move {
    bool Within;
    double Value;
  };
  std::vector<Move> moves;
  Meter->SetOnMouseMoveInMeter([&](TObject* Sender, bool Within, TShiftState, double V) {
    EXPECT_EQ(Sender, Meter);
    moves.push_back({Within, V});
  });
  const int cx = Meter->MeterCenterX(), cy = Meter->MeterCenterY();
  headless::MouseMove(Meter, {}, cx, cy - 100);  // straight up: the middle
  const TPoint quarter = Along(25, 120);
  headless::MouseMove(Meter, {}, quarter.X, quarter.Y);
  headless::MouseMove(Meter, {}, cx + 5, cy + 5);  // below the centre: outside
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_TRUE(moves[0].Within);
  EXPECT_DOUBLE_EQ(moves[0].Value, 50);
  double direct = 0;
  EXPECT_TRUE(Meter->ConvertPixelToValue(quarter.X, quarter.Y, direct));
  EXPECT_TRUE(moves[1].Within);
  EXPECT_DOUBLE_EQ(moves[1].Value, direct);
  EXPECT_NEAR(moves[1].Value, 25, 100.0 / 120 / (M_PI / 2));
  EXPECT_FALSE(moves[2].Within);
  EXPECT_EQ(moves[2].Value, 0);
}

TEST_F(MeterTest, NeedleAngleAndPixelsAgreeWithTheGeometry) {
  Meter->SetMeterMinValue(-10);
  Meter->SetMeterMaxValue(10);
  const struct {
    double V, Angle;
  } cases[] = {{-10, 135}, {0, 180}, {10, 225}, {5, 202.5}, {99, 225}, {-99, 135}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(Meter->CalcNeedleAngle(c.V), c.Angle) << c.V;
    int x = 0, y = 0;
    Meter->ConvertToPixelCoords(c.V, 50, x, y);
    const TPoint p = Along(c.V, Meter->MeterRadius() / 2);
    EXPECT_EQ(x, p.X) << c.V;
    EXPECT_EQ(y, p.Y) << c.V;
  }
  int x = 0, y = 0;
  Meter->ConvertToPixelCoords(0, 100, x, y);
  EXPECT_EQ(x, Meter->MeterCenterX());
  EXPECT_EQ(y, Meter->MeterCenterY() - vyr::meter::RoundHalfEven(Meter->MeterRadius()));
}

}  // namespace
}  // namespace metertest
