// The strip's state and input: the first paint's grid, the scroll position,
// setter limits, selection by clicks in the three modes, the focus frame
// under the mouse, the wheel, the selection bits against Min and Max,
// Assign and form files.
#include <functional>
#include <utility>

#include "Thumbnails_Support.h"
#include "platform/Streaming.h"

namespace thumbtest {
namespace {

TEST_F(ThumbFixture, DefaultControlLaysOutOneColumnOfThreeRows) {
  auto fresh = std::make_unique<TThumbnails>(nullptr);
  EXPECT_EQ(fresh->Width(), 260);
  EXPECT_EQ(fresh->Height(), 400);
  EXPECT_EQ(fresh->NumSlidesHoriz(), 2);  // until the first paint
  fresh->Paint();
  EXPECT_EQ(fresh->NumSlidesHoriz(), 1);
  EXPECT_EQ(fresh->NumSlidesVert(), 3);
  EXPECT_DOUBLE_EQ(fresh->FirstThumbIdx(), 1.0);
  EXPECT_EQ(fresh->SelectionBits().Size(), 100);
}

TEST_F(ThumbFixture, ScrollPositionIsClampedAndQuantizedToTheColumns) {
  Size(290, 400);
  ASSERT_EQ(thumbs->NumSlidesHoriz(), 2);
  int paints = 0;
  thumbs->SetOnFirstImageRequest([&](TObject*) { ++paints; });
  thumbs->SetFirstThumbIdx(4);
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 3.5);
  EXPECT_EQ(paints, 1);
  thumbs->SetFirstThumbIdx(3.75);  // the same stored value: no paint
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 3.375);
  EXPECT_EQ(paints, 2);
  thumbs->SetFirstThumbIdx(-20);
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 1.0);
  thumbs->SetFirstThumbIdx(1000);
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 99.5);
  paints = 0;
  thumbs->SetFirstThumbIdx(100);
  EXPECT_EQ(paints, 0);
}

TEST_F(ThumbFixture, SettersClampTheirValues) {
  struct Case {
    std::function<void(int)> Set;
    std::function<int()> Get;
    int Given, Stored;
  } cases[] = {
      {[&](int v) { thumbs->SetSlideSize(v); }, [&] { return thumbs->SlideSize(); }, 30, 50},
      {[&](int v) { thumbs->SetSlideSize(v); }, [&] { return thumbs->SlideSize(); }, 900, 260},
      {[&](int v) { thumbs->SetSlideDistance(v); }, [&] { return thumbs->SlideDistance(); }, -4, 0},
      {[&](int v) { thumbs->SetSlideDistance(v); }, [&] { return thumbs->SlideDistance(); }, 101, 100},
      {[&](int v) { thumbs->SetSlideMargin(v); }, [&] { return thumbs->SlideMargin(); }, 250, 100},
      {[&](int v) { thumbs->SetFocusLinewidth(v); }, [&] { return thumbs->FocusLinewidth(); }, 11, 10},
      {[&](int v) { thumbs->SetFocusLinewidth(v); }, [&] { return thumbs->FocusLinewidth(); }, -1, 0},
      {[&](int v) { thumbs->SetMax(v); }, [&] { return thumbs->Max(); }, 0, 1},
  };
  for (const Case& c : cases) {
    c.Set(c.Given);
    EXPECT_EQ(c.Get(), c.Stored) << c.Given;
  }
  thumbs->SetWidth(40);
  thumbs->SetSlideSize(30);
  EXPECT_EQ(thumbs->SlideSize(), 40);
}

TEST_F(ThumbFixture, SelectionBitsFollowMinAndMax) {
  struct Step {
    int Min, Max, Bits;
  } steps[] = {{1, 100, 100}, {5, 100, 96}, {5, 5, 1}, {-3, 5, 9}, {10, 5, 0}, {1, 1, 1}};
  for (const Step& s : steps) {
    thumbs->SetMin(s.Min);
    thumbs->SetMax(s.Max);
    EXPECT_EQ(thumbs->SelectionBits().Size(), s.Bits) << s.Min << ".." << s.Max;
  }
  thumbs->SetMin(3);
  thumbs->SetMax(8);
  thumbs->SetSlideSelected(8, true);
  thumbs->SetSlideSelected(9, true);  // outside: ignored
  thumbs->SetSlideSelected(2, true);
  EXPECT_EQ(Selected(), std::vector<int>{8});
  EXPECT_FALSE(thumbs->SlideSelected(9));
  EXPECT_EQ(thumbs->FirstSelectedSlide(), 8);
  thumbs->SetMin(1);  // bits keep their numbers, not their slides
  EXPECT_EQ(thumbs->SelectionBits().Size(), 8);
  thumbs->ResetAllSelections();
  EXPECT_EQ(thumbs->NumSlidesSelected(), 0);
  EXPECT_EQ(thumbs->FirstSelectedSlide(), 0);  // Min - 1 when none
}

// ---------------------------------------------------------------- clicks

class ThumbClicks : public ThumbFixture {
 protected:
  void SetUp() override {
    ThumbFixture::SetUp();
    Size(430, 450);  // three columns, four rows
    thumbs->SetOnImageClick([this](TObject*, int, int, int Id) { clicks.push_back(Id); });
    thumbs->SetOnImageDblClick([this](TObject*, int, int, int Id) { doubles.push_back(Id); });
  }
  std::vector<int> clicks, doubles;
};

TEST_F(ThumbClicks, SingleModeSelectsExactlyTheSlideClicked) {
  Press(Inside(5).X, Inside(5).Y);
  EXPECT_EQ(Selected(), std::vector<int>{5});
  Press(Inside(2).X, Inside(2).Y);
  EXPECT_EQ(Selected(), std::vector<int>{2});
  const TPoint c = Corner(2);
  Press(c.X + 134 + 1, c.Y + 20);  // the gap right of slide 2
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(clicks, (std::vector<int>{5, 2, 0}));
}

TEST_F(ThumbClicks, DisabledModeOnlyReportsClicks) {
  thumbs->SetSlideSelected(4, true);
  thumbs->SetSlideSelectMode(ssmDisabled);  // a change clears the selection
  EXPECT_TRUE(Selected().empty());
  thumbs->SetSlideSelected(4, true);
  Press(Inside(7).X, Inside(7).Y);
  EXPECT_EQ(Selected(), std::vector<int>{4});
  EXPECT_EQ(clicks, std::vector<int>{7});
}

TEST_F(ThumbClicks, MultipleModeTogglesAndShiftClickSelectsARange) {
  thumbs->SetSlideSelectMode(ssmMultiple);
  struct Step {
    int Slide;
    bool Shift;
    std::vector<int> After;
  } steps[] = {
      {2, false, {2}},
      {6, false, {2, 6}},
      {2, false, {6}},               // a second click takes it off again
      {9, true, {2, 3, 4, 5, 6, 7, 8, 9}},  // from the anchor 2 to 9
      {4, false, {2, 3, 5, 6, 7, 8, 9}},
      {1, true, {1, 2, 3, 4, 5, 6, 7, 8, 9}},  // the anchor is now 4
  };
  for (const Step& s : steps) {
    Press(Inside(s.Slide).X, Inside(s.Slide).Y, s.Shift ? TShiftState{ssShift} : TShiftState{});
    EXPECT_EQ(Selected(), s.After) << s.Slide;
  }
  Press(3, 3);  // beside every slide: nothing changes
  EXPECT_EQ(thumbs->NumSlidesSelected(), 9);
  EXPECT_EQ(thumbs->FirstSelectedSlide(), 1);
}

TEST_F(ThumbClicks, DoubleClickReportsTheSlideAndLeavesTheSelection) {
  for (TSlideSelectMode mode : {ssmSingle, ssmMultiple}) {
    thumbs->SetSlideSelectMode(mode);
    doubles.clear();
    headless::DblClick(thumbs, Inside(8).X, Inside(8).Y);
    EXPECT_EQ(doubles, std::vector<int>{8}) << int(mode);
    EXPECT_EQ(Selected(), std::vector<int>{8}) << int(mode);  // the first click selected it
  }
}

TEST_F(ThumbClicks, SelectedSlidesArePaintedInTheSelectedColor) {
  thumbs->SetColorSelected(clRed);
  Press(Inside(3).X, Inside(3).Y);
  auto b = headless::Snapshot(thumbs);
  EXPECT_EQ(Px(*b, Corner(3).X + 3, Corner(3).Y + 3), Rgb(clRed));
  EXPECT_EQ(Px(*b, Corner(2).X + 3, Corner(2).Y + 3), Rgb(thumbs->ColorCover()));
}

TEST_F(ThumbClicks, AHandlerMayFreeTheStripOnClick) {
  thumbs->SetOnClick([this](TObject*) {
    TThumbnails* doomed = std::exchange(thumbs, nullptr);
    delete doomed;  // frees this handler too: nothing of it is used after
  });
  headless::Click(thumbs, 50, 50);
  EXPECT_EQ(thumbs, nullptr);
  EXPECT_TRUE(clicks.empty());
}

// ---------------------------------------------------------------- focus frame

TEST_F(ThumbClicks, FocusFrameFollowsTheMouseAndAPaintRemovesIt) {
  int changes = 0;
  thumbs->SetOnFocusChange([&](TObject*) { ++changes; });
  thumbs->SetColorFocus(clRed);
  thumbs->SetFocusLinewidth(2);
  headless::MouseMove(thumbs, {}, Inside(5).X, Inside(5).Y);
  EXPECT_EQ(thumbs->FocusedSlide(), 5);
  auto b = headless::Snapshot(thumbs);
  const TPoint c = Corner(5);
  EXPECT_EQ(Px(*b, c.X + 2, c.Y + 50), Rgb(clRed));  // two rings from X + 2
  EXPECT_EQ(Px(*b, c.X + 3, c.Y + 50), Rgb(clRed));
  EXPECT_EQ(Px(*b, c.X + 4, c.Y + 50), Rgb(thumbs->ColorCover()));
  EXPECT_EQ(Px(*b, c.X + 132, c.Y + 50), Rgb(clRed));
  headless::MouseMove(thumbs, {}, Inside(5).X + 3, Inside(5).Y);  // same slide
  EXPECT_EQ(changes, 1);
  headless::MouseMove(thumbs, {}, Inside(6).X, Inside(6).Y);
  EXPECT_EQ(changes, 2);
  b = headless::Snapshot(thumbs);
  EXPECT_EQ(Px(*b, c.X + 2, c.Y + 50), Rgb(thumbs->ColorCover()));  // erased
  EXPECT_EQ(Px(*b, Corner(6).X + 2, Corner(6).Y + 50), Rgb(clRed));
  thumbs->Invalidate();
  b = headless::Snapshot(thumbs);
  EXPECT_EQ(Px(*b, Corner(6).X + 2, Corner(6).Y + 50), Rgb(thumbs->ColorCover()));
  EXPECT_EQ(thumbs->FocusedSlide(), 6);
  headless::MouseLeave(thumbs);
  EXPECT_EQ(thumbs->FocusedSlide(), 0);
  EXPECT_EQ(changes, 3);
}

TEST_F(ThumbClicks, NoFocusFrameWithLineWidthZero) {
  int changes = 0;
  thumbs->SetOnFocusChange([&](TObject*) { ++changes; });
  headless::MouseMove(thumbs, {}, Inside(2).X, Inside(2).Y);
  ASSERT_EQ(thumbs->FocusedSlide(), 2);
  changes = 0;
  thumbs->SetFocusLinewidth(0);  // switches highlighting off
  EXPECT_EQ(thumbs->FocusedSlide(), 0);
  for (int n : {1, 5, 9}) headless::MouseMove(thumbs, {}, Inside(n).X, Inside(n).Y);
  headless::MouseLeave(thumbs);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(thumbs->FocusedSlide(), 0);
}

TEST_F(ThumbClicks, WheelScrollsARowPerNotch) {
  thumbs->SetFirstThumbIdx(4);  // three columns: the row of 4, 5, 6
  headless::Wheel(thumbs, -120, {}, 50, 50);
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 7.0);
  headless::Wheel(thumbs, 240, {}, 50, 50);
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 1.0);
  thumbs->SetFirstThumbIdx(5);  // a third of the row scrolled out
  headless::Wheel(thumbs, -120, {}, 50, 50);
  EXPECT_DOUBLE_EQ(thumbs->FirstThumbIdx(), 7.0 + 1.0 / 3);
}

// ---------------------------------------------------------------- Assign and form files

TEST_F(ThumbFixture, AssignCopiesTheLookAndSlidesButNotTheSelectionOrItsMode) {
  auto source = std::make_unique<TThumbnails>(nullptr);
  source->SetMin(10);
  source->SetMax(40);
  source->SetSlideSize(80);
  source->SetColorCover(clAqua);
  source->SetColorScheme(csSystem);
  source->SetSlideSelectMode(ssmMultiple);
  source->SetColorMark(clRed);
  source->SetSlideSelected(20, true);
  int rendered = 0;
  source->SetOnSlideRendered([&](TObject*, TCanvas*, int, int, int) { ++rendered; });
  thumbs->SetSlideSelected(3, true);
  thumbs->Assign(source.get());
  EXPECT_EQ(thumbs->Min(), 10);
  EXPECT_EQ(thumbs->Max(), 40);
  EXPECT_EQ(thumbs->SelectionBits().Size(), 31);
  EXPECT_EQ(thumbs->SlideSize(), 80);
  EXPECT_EQ(thumbs->ColorCover(), clAqua);
  EXPECT_EQ(thumbs->ColorScheme(), csSystem);
  EXPECT_EQ(thumbs->SlideSelectMode(), ssmSingle);
  EXPECT_EQ(thumbs->ColorMark(), clBlack);
  EXPECT_FALSE(thumbs->SlideSelected(20));  // the target keeps its own bits
  EXPECT_EQ(thumbs->NumSlidesSelected(), 1);
  Shot();
  EXPECT_EQ(rendered, 0);
  EXPECT_THROW(thumbs->Assign(form.get()), EConvertError);
}

TEST_F(ThumbFixture, FormFilesKeepTheStoredProperties) {
  thumbs->SetName(u"Thumbs1");
  thumbs->SetSlideSelectMode(ssmMultiple);
  thumbs->SetSlideSize(90);
  thumbs->SetColorFocus(clLime);
  thumbs->SetOuterFrameStyle(fsBump);
  thumbs->SetMax(7);
  const String text = WriteComponentToText(thumbs);
  auto copy = std::make_unique<TThumbnails>(nullptr);
  ReadComponentFromText(text, copy.get());
  EXPECT_EQ(copy->SlideSelectMode(), ssmMultiple);
  EXPECT_EQ(copy->SlideSize(), 90);
  EXPECT_EQ(copy->ColorFocus(), clLime);
  EXPECT_EQ(copy->OuterFrameStyle(), fsBump);
  EXPECT_EQ(copy->Max(), 7);
  EXPECT_EQ(copy->SelectionBits().Size(), 7);
  EXPECT_EQ(text.find(u"FocusedSlide"), String::npos);
}

}  // namespace
}  // namespace thumbtest
