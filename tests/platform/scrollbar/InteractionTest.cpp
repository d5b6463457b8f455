// The bar under the mouse, the keys and the wheel on the virtual clock:
// arrow and page repetition, the thumb drag and its codes, a bar that
// cannot scroll, and handlers that free the bar.
#include "ScrollTestSupport.h"

namespace scrolltest {
namespace {

using Codes = std::vector<TScrollRecord>;

TEST_F(BarTest, AHeldArrowScrollsAtOnceThenRepeatsAfterTheDelay) {
  TPoint down = Centre(Layout().LineDown);
  Press(down);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 1}}));
  headless::Advance(ScrollFirstDelay - 1);
  EXPECT_TRUE(Take().empty());
  headless::Advance(1);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 2}}));
  headless::Advance(ScrollRepeatInterval * 3);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 3}, {scLineDown, 4}, {scLineDown, 5}}));
  // Off the arrow the repetition pauses; back on it, it goes on.
  TPoint off = Centre(Layout().Track);
  Move(off);
  headless::Advance(ScrollRepeatInterval * 4);
  EXPECT_TRUE(Take().empty());
  Move(down);
  headless::Advance(ScrollRepeatInterval);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 6}}));
  Release(down);
  EXPECT_EQ(Take(), (Codes{{scEndScroll, 6}}));
  headless::Advance(1000);
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(Bar->Position(), 6);
  EXPECT_EQ(Changes, 6);
}

TEST_F(BarTest, AHeldTrackPagesUntilTheThumbReachesTheMouse) {
  Bar->SetPageSize(10);
  Bar->SetLargeChange(10);
  // A point three quarters down the track.
  TScrollBarLayout l = Layout();
  TPoint target{8, l.TrackStart() + l.TrackLength() * 3 / 4};
  Press(target);
  headless::Advance(2000);
  Release(target);
  Codes e = Take();
  ASSERT_GE(e.size(), 3u);
  for (std::size_t i = 0; i + 1 < e.size(); ++i) {
    EXPECT_EQ(e[i], (TScrollRecord{scPageDown, 10 * static_cast<int>(i + 1)}));
  }
  EXPECT_EQ(e.back().Code, scEndScroll);
  // It stopped with the mouse on the thumb, one page after the mouse was
  // still below it.
  EXPECT_EQ(HitTestScrollBar(Layout(), target), sbpThumb);
  TScrollRange before = Bar->Model().Range();
  before.Position -= 10;
  TScrollBarLayout earlier = LayoutScrollBar(Layout().Bar, sbVertical, before, true);
  EXPECT_EQ(HitTestScrollBar(earlier, target), sbpPageDown);
}

TEST_F(BarTest, TheDraggedThumbTracksGoesBackOutOfReachAndEndsWithItsPosition) {
  TScrollBarLayout l = Layout();
  TPoint grab = Centre(l.Thumb);
  Press(grab);
  EXPECT_TRUE(Take().empty());
  TPoint lower{grab.X, grab.Y + 40};
  Move(lower);
  int tracked = PosOfThumbOffset(l, Bar->Model().Range(), 40);
  ASSERT_GT(tracked, 0);
  EXPECT_EQ(Take(), (Codes{{scTrack, tracked}}));
  EXPECT_EQ(Bar->Position(), tracked);  // the position follows the thumb
  EXPECT_EQ(Layout().ThumbStart(), l.TrackStart() + 40);
  Move({grab.X, grab.Y + 40});          // no new position, no event
  EXPECT_TRUE(Take().empty());
  // Far to the side the thumb goes back to where it was taken.
  Move({grab.X + ThumbDragReach * ScrollBarThickness + 20, lower.Y});
  EXPECT_EQ(Take(), (Codes{{scTrack, 0}}));
  Move({grab.X, grab.Y + 5000});        // beyond the end, within reach across
  EXPECT_EQ(Take(), (Codes{{scTrack, 100}}));
  Release({grab.X, grab.Y + 5000});
  EXPECT_EQ(Take(), (Codes{{scPosition, 100}, {scEndScroll, 100}}));
  EXPECT_EQ(Bar->Position(), 100);
  headless::Advance(1000);
  EXPECT_TRUE(Take().empty());
}

TEST_F(BarTest, AHandlerGivesThePositionItAllows) {
  // A host that scrolls only on scPosition answers with its own position.
  int shown = 0;
  Bar->SetOnScroll([&](TObject*, TScrollCode Code, int& Pos) {
    if (Code == scPosition) shown = Pos;
    Pos = shown;
  });
  TScrollBarLayout l = Layout();
  TPoint grab = Centre(l.Thumb);
  Press(grab);
  Move({grab.X, grab.Y + 60});
  EXPECT_EQ(Bar->Position(), 0);
  EXPECT_EQ(Layout().ThumbStart(), l.TrackStart() + 60);  // drawn where it is dragged
  Release({grab.X, grab.Y + 60});
  EXPECT_EQ(Bar->Position(), PosOfThumbOffset(l, Bar->Model().Range(), 60));
  EXPECT_EQ(shown, Bar->Position());
}

TEST_F(BarTest, TheWheelScrollsThreeLinesANotchAndAddsUpHalfNotches) {
  headless::Wheel(Bar, -WHEEL_DELTA, {}, 8, 50);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 1}, {scLineDown, 2}, {scLineDown, 3}, {scEndScroll, 3}}));
  headless::Wheel(Bar, WHEEL_DELTA / 2, {}, 8, 50);
  EXPECT_TRUE(Take().empty());
  headless::Wheel(Bar, WHEEL_DELTA / 2, {}, 8, 50);
  EXPECT_EQ(Bar->Position(), 0);
  EXPECT_EQ(Take().back(), (TScrollRecord{scEndScroll, 0}));
}

TEST_F(BarTest, KeysScrollAndTheirReleaseEndsTheScroll) {
  Bar->SetPageSize(10);
  Bar->SetLargeChange(10);
  headless::KeyDown(Bar, VK_DOWN);
  headless::KeyDown(Bar, VK_NEXT);
  headless::KeyUp(Bar, VK_NEXT);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 1}, {scPageDown, 11}, {scEndScroll, 11}}));
  headless::KeyDown(Bar, VK_END);
  EXPECT_EQ(Bar->Position(), 91);  // Max less the page
  headless::KeyDown(Bar, VK_LEFT);
  headless::KeyDown(Bar, VK_HOME);
  headless::KeyDown(Bar, VK_PRIOR);
  EXPECT_EQ(Take(), (Codes{{scBottom, 91}, {scLineUp, 90}, {scTop, 0}, {scPageUp, 0}}));
  EXPECT_TRUE(Bar->Focused());
}

// A disabled bar, and one with nothing to scroll, do nothing for any input
// (and still take the press, so nothing behind them does).
TEST_F(BarTest, ABarThatCannotScrollIgnoresInput) {
  for (int round = 0; round < 2; ++round) {
    if (round == 0) {
      Bar->SetEnabled(false);
    } else {
      Bar->SetEnabled(true);
      Bar->SetPageSize(101);
    }
    TScrollBarLayout l = Layout();
    EXPECT_FALSE(l.Active);
    EXPECT_TRUE(l.Thumb.IsEmpty());
    TPoint arrow = Centre(l.LineDown);
    Bar->Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(arrow.X, arrow.Y));
    headless::Advance(1000);
    Bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(arrow.X, arrow.Y));
    Bar->Perform(CM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    if (round == 1) headless::KeyDown(Bar, VK_DOWN);
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(Bar->Position(), 0);
  }
}

TEST_F(BarTest, DisablingAHeldBarStopsItsRepetition) {
  Press(Centre(Layout().LineDown));
  Bar->SetEnabled(false);
  EXPECT_EQ(Take(), (Codes{{scLineDown, 1}, {scEndScroll, 1}}));
  headless::Advance(1000);
  EXPECT_TRUE(Take().empty());
  EXPECT_FALSE(Bar->Model().Pressed());
}

TEST_F(BarTest, AHandlerMayFreeTheBarDuringARepeat) {
  int calls = 0;
  Bar->SetOnScroll([&](TObject*, TScrollCode, int&) {
    if (++calls == 2) {
      delete Bar;
      Bar = nullptr;
    }
  });
  TPoint down = Centre(Layout().LineDown);
  Press(down);
  headless::Advance(ScrollFirstDelay + 10 * ScrollRepeatInterval);
  EXPECT_EQ(calls, 2);
  headless::MouseUp(Form.get(), mbLeft, {}, 20 + down.X, 10 + down.Y);
  EXPECT_EQ(Form->ControlCount(), 0);
}

TEST_F(BarTest, AnExceptionFromARepeatGoesToTheApplication) {
  Bar->SetOnScroll([](TObject*, TScrollCode Code, int&) {
    if (Code == scLineDown) throw EInvalidOperation(u"no more lines");
  });
  Press(Centre(Layout().LineDown));
  headless::Advance(ScrollFirstDelay);
  std::vector<String> handled = headless::HandledExceptions();
  ASSERT_GE(handled.size(), 2u);
  EXPECT_EQ(handled.back(), u"no more lines");
  Release(Centre(Layout().LineDown));
  EXPECT_FALSE(Bar->Model().Pressed());
}

}  // namespace
}  // namespace scrolltest
