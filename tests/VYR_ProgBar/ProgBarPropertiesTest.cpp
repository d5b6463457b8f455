// Properties of the progress bar: initial values, limits, the color table,
// Assign with its own copy of the picture, AssignTo, and form files.
#include <functional>
#include <set>
#include <string>

#include "ProgBar_Support.h"
#include "platform/Streaming.h"

namespace progbartest {
namespace {

using ProgBarPropertiesTest = ProgBarFixture;

TEST_F(ProgBarPropertiesTest, InitialValues) {
  TProgBar fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 300);
  EXPECT_EQ(fresh.Height(), 28);
  EXPECT_EQ(fresh.Value(), 10);
  EXPECT_EQ(fresh.Min(), 0);
  EXPECT_EQ(fresh.Max(), 100);
  EXPECT_EQ(fresh.Direction(), dirRight);
  EXPECT_FALSE(fresh.AutoInc());
  EXPECT_EQ(fresh.AutoIncStep(), 1);
  EXPECT_EQ(fresh.StartInterval(), 1500);
  EXPECT_EQ(fresh.RepeatInterval(), 700);
  EXPECT_EQ(fresh.ColorMin(), 0xFF0000u);
  EXPECT_EQ(fresh.ColorMax(), 0x0000FFu);
  EXPECT_EQ(fresh.BarColors(0), 0xFF0000u);
  EXPECT_EQ(fresh.BarColors(1023), 0x0000FFu);
  EXPECT_EQ(fresh.ColorMapMode(), cgmStretch);
  EXPECT_FALSE(fresh.ShowColorGradient());
  EXPECT_EQ(fresh.ColorBackGnd(), 0xC0C0C0u);
  EXPECT_EQ(fresh.ColorMargin(), 0xC0C0C0u);
  EXPECT_EQ(fresh.ColorGrid(), 0u);
  EXPECT_EQ(fresh.GridDist(), 0);
  EXPECT_EQ(fresh.ColorScheme(), csBWG);
  EXPECT_EQ(fresh.FrameStyleOuter(), fsRaised);
  EXPECT_EQ(fresh.FrameStyleInner(), fsLowered);
  EXPECT_EQ(fresh.MarginLeft() + fresh.MarginRight() + fresh.MarginTop() + fresh.MarginBottom(),
            16);
  EXPECT_TRUE(fresh.BackGroundImg().empty());
  EXPECT_EQ(fresh.BackGroundBitmap()->Width(), 10);
  EXPECT_TRUE(fresh.TextVisible());
  EXPECT_EQ(fresh.TextPosX(), 14);
  EXPECT_EQ(fresh.TextPosY(), 14);
  EXPECT_EQ(fresh.TextDecPlaces(), 0);
  EXPECT_EQ(fresh.TextAngle(), 0);
  EXPECT_EQ(fresh.TextAlignment(), taCenter);
  EXPECT_NE(fresh.TimerHandle(), nullptr);
}

TEST_F(ProgBarPropertiesTest, LimitsOfTheTextSettingsAndTheRange) {
  const struct {
    void (TProgBar::*Set)(int);
    int (TProgBar::*Get)() const;
    int Value, Stored;
  } cases[] = {
      {&TProgBar::SetTextDecPlaces, &TProgBar::TextDecPlaces, -5, -2},
      {&TProgBar::SetTextDecPlaces, &TProgBar::TextDecPlaces, 11, 10},
      {&TProgBar::SetTextDecPlaces, &TProgBar::TextDecPlaces, -1, -1},
      {&TProgBar::SetTextAngle, &TProgBar::TextAngle, 400, 360},
      {&TProgBar::SetTextAngle, &TProgBar::TextAngle, -1, 0},
      {&TProgBar::SetTextPosX, &TProgBar::TextPosX, -3, 0},
      {&TProgBar::SetTextPosX, &TProgBar::TextPosX, 301, 300},
      {&TProgBar::SetTextPosY, &TProgBar::TextPosY, 29, 28},
      {&TProgBar::SetTextPosY, &TProgBar::TextPosY, 20, 20},
  };
  for (const auto& c : cases) {
    std::invoke(c.Set, *bar, c.Value);
    EXPECT_EQ(std::invoke(c.Get, *bar), c.Stored) << c.Value;
  }
  bar->SetRange(100, 0);
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 100);
  bar->SetRange(-3, -7);
  EXPECT_EQ(bar->Min(), -7);
  EXPECT_EQ(bar->Max(), -3);
}

TEST_F(ProgBarPropertiesTest, ColorTableFollowsItsEnds) {
  bar->SetColorMin(clBlack);
  bar->SetColorMax(clWhite);
  EXPECT_EQ(bar->BarColors(512), RGB(127, 127, 127));
  bar->SetBarColors(512, clLime);  // written as it is, the ends stay
  EXPECT_EQ(bar->BarColors(512), clLime);
  bar->SetColorMin(clBlack);  // recomputes the middle
  EXPECT_EQ(bar->BarColors(512), RGB(127, 127, 127));
  bar->SetBarColors(1024, clLime);
  bar->SetBarColors(-1, clLime);
  EXPECT_EQ(bar->BarColors(1024), clBlack);
  EXPECT_EQ(bar->BarColors(-1), clBlack);
  // A table entry written directly shows in the gradient.
  Plain();
  bar->SetShowColorGradient(true);
  bar->SetValue(100);
  bar->SetBarColors(0, clFuchsia);
  bar->Repaint();
  Shoot();
  EXPECT_EQ(Pixel(4, 10), ColorToRGB(clFuchsia));
}

// ---------------------------------------------------------------- assign

TEST_F(ProgBarPropertiesTest, AssignCopiesTheLookAndItsOwnPicture) {
  auto* source = new TProgBar(form.get());
  source->SetParent(form.get());
  source->SetValue(42);
  source->SetRange(-5, 80);
  source->SetDirection(dirUp);
  source->SetColorMin(clGreen);
  source->SetBarColors(7, clFuchsia);
  source->SetColorMapMode(cgmMove);
  source->SetShowColorGradient(true);
  source->SetColorBackGnd(clNavy);
  source->SetColorMargin(clTeal);
  source->SetColorGrid(clLime);
  source->SetGridDist(6);
  source->SetColorScheme(csSystem);
  source->SetFrameStyleOuter(fsBump);
  source->SetFrameStyleInner(fsEtched);
  source->SetMarginLeft(9);
  source->SetMarginBottom(2);
  source->SetTextPosX(100);
  source->SetTextDecPlaces(-1);
  source->SetTextAngle(45);
  source->SetTextAlignment(taRightJustify);
  source->SetTextVisible(false);
  int shown = 0;
  source->SetOnShowValue([&shown](TObject*, String&) { ++shown; });
  source->BackGroundBitmap()->SetSize(3, 2);
  source->BackGroundBitmap()->Canvas()->SetPixels(2, 1, clRed);
  // Not copied: timer settings, font, size.
  source->SetStartInterval(99);
  source->SetAutoIncStep(5);
  source->Font()->SetSize(20);
  source->SetBounds(0, 0, 50, 120);

  bar->Assign(source);
  EXPECT_EQ(bar->Value(), 42);
  EXPECT_EQ(bar->Min(), -5);
  EXPECT_EQ(bar->Max(), 80);
  EXPECT_EQ(bar->Direction(), dirUp);
  EXPECT_EQ(bar->ColorMin(), clGreen);
  EXPECT_EQ(bar->BarColors(7), clFuchsia);
  EXPECT_EQ(bar->ColorMapMode(), cgmMove);
  EXPECT_TRUE(bar->ShowColorGradient());
  EXPECT_EQ(bar->ColorBackGnd(), clNavy);
  EXPECT_EQ(bar->ColorMargin(), clTeal);
  EXPECT_EQ(bar->ColorGrid(), clLime);
  EXPECT_EQ(bar->GridDist(), 6);
  EXPECT_EQ(bar->ColorScheme(), csSystem);
  EXPECT_EQ(bar->FrameStyleOuter(), fsBump);
  EXPECT_EQ(bar->FrameStyleInner(), fsEtched);
  EXPECT_EQ(bar->MarginLeft(), 9);
  EXPECT_EQ(bar->MarginBottom(), 2);
  EXPECT_EQ(bar->TextPosX(), 100);
  EXPECT_EQ(bar->TextDecPlaces(), -1);
  EXPECT_EQ(bar->TextAngle(), 45);
  EXPECT_EQ(bar->TextAlignment(), taRightJustify);
  EXPECT_FALSE(bar->TextVisible());
  ASSERT_TRUE(static_cast<bool>(bar->OnShowValue()));
  EXPECT_EQ(bar->StartInterval(), 1500);
  EXPECT_EQ(bar->AutoIncStep(), 1);
  EXPECT_EQ(bar->Font()->Size(), 8);
  EXPECT_EQ(bar->Width(), 300);
  // The picture is a copy: changing or freeing the source leaves it.
  ASSERT_EQ(bar->BackGroundBitmap()->Width(), 3);
  EXPECT_NE(bar->BackGroundBitmap(), source->BackGroundBitmap());
  EXPECT_EQ(bar->BackGroundBitmap()->Canvas()->Pixels(2, 1), ColorToRGB(clRed));
  source->BackGroundBitmap()->Canvas()->SetPixels(2, 1, clBlue);
  EXPECT_EQ(bar->BackGroundBitmap()->Canvas()->Pixels(2, 1), ColorToRGB(clRed));
  delete source;
  EXPECT_EQ(bar->BackGroundBitmap()->Canvas()->Pixels(2, 1), ColorToRGB(clRed));
  // The copied colors of the frames' lines show.
  bar->SetFrameStyleOuter(fsSimple);
  Shoot();
  EXPECT_EQ(Pixel(0, 0), ColorToRGB(clBtnShadow));
}

TEST_F(ProgBarPropertiesTest, AssignToHandsOverOnlyToProgressBars) {
  TProgBar other(nullptr);
  bar->SetValue(77);
  bar->AssignTo(&other);
  EXPECT_EQ(other.Value(), 77);
  other.SetValue(3);
  other.Assign(bar);
  EXPECT_EQ(other.Value(), 77);
  TComponent plain(nullptr);
  EXPECT_THROW(bar->AssignTo(&plain), EConvertError);
  EXPECT_THROW(bar->Assign(&plain), EConvertError);
  bar->Assign(bar);  // itself: nothing happens
  EXPECT_EQ(bar->Value(), 77);
}

// ---------------------------------------------------------------- form files

std::set<std::string> PropertyNames(const String& Text) {
  std::set<std::string> names;
  const std::string s = ToUTF8(Text);
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t end = s.find('\n', pos);
    if (end == std::string::npos) end = s.size();
    const std::string line = s.substr(pos, end - pos);
    const std::size_t eq = line.find(" = ");
    const std::size_t first = line.find_first_not_of(' ');
    if (eq != std::string::npos) names.insert(line.substr(first, eq - first));
    pos = end + 1;
  }
  return names;
}

TEST(ProgBarFormFile, AFreshBarStoresOnlyItsBounds) {
  TProgBar fresh(nullptr);
  fresh.SetName(u"Bar");
  EXPECT_EQ(PropertyNames(WriteComponentToText(&fresh)),
            (std::set<std::string>{"Left", "Top", "Width", "Height"}));
}

TEST(ProgBarFormFile, PropertiesSurviveARoundTrip) {
  TProgBar bar(nullptr);
  bar.SetName(u"Bar");
  bar.SetBounds(0, 0, 200, 40);
  bar.SetValue(33.25);
  bar.SetRange(-10, 90);
  bar.SetDirection(dirLeft);
  bar.SetColorMin(clYellow);
  bar.SetColorMapMode(cgmCover);
  bar.SetShowColorGradient(true);
  bar.SetGridDist(4);
  bar.SetColorScheme(csSystem);
  bar.SetFrameStyleOuter(fsBump);
  bar.SetMarginTop(7);
  bar.SetTextPosX(180);
  bar.SetTextAngle(90);
  bar.SetTextAlignment(taLeftJustify);
  bar.SetStartInterval(250);
  bar.SetAutoIncStep(0.5);
  const String text = WriteComponentToText(&bar);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TProgBar*>(back.get());
  ASSERT_NE(read, nullptr) << ToUTF8(text);
  EXPECT_EQ(read->Value(), 33.25);
  EXPECT_EQ(read->Min(), -10);
  EXPECT_EQ(read->Max(), 90);
  EXPECT_EQ(read->Direction(), dirLeft);
  EXPECT_EQ(read->ColorMin(), clYellow);
  EXPECT_EQ(read->BarColors(512), bar.BarColors(512));
  EXPECT_EQ(read->ColorMapMode(), cgmCover);
  EXPECT_TRUE(read->ShowColorGradient());
  EXPECT_EQ(read->GridDist(), 4);
  EXPECT_EQ(read->ColorScheme(), csSystem);
  EXPECT_EQ(read->FrameStyleOuter(), fsBump);
  EXPECT_EQ(read->MarginTop(), 7);
  EXPECT_EQ(read->TextPosX(), 180);
  EXPECT_EQ(read->TextAngle(), 90);
  EXPECT_EQ(read->TextAlignment(), taLeftJustify);
  EXPECT_EQ(read->StartInterval(), 250);
  EXPECT_EQ(read->AutoIncStep(), 0.5);
}

}  // namespace
}  // namespace progbartest
