// Scroll bar values and geometry: clamping, the layout of arrows, track and
// thumb for sizes from roomy to tiny, hit testing on that layout, and the
// mapping between thumb offsets and positions.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "platform/ScrollBar.h"

using namespace vcl;

namespace {

// ---------------------------------------------------------------- values

struct ClampCase {
  TScrollRange Range;
  int MaxPos;
};

TEST(ScrollValues, TheLastPositionShowsTheLastPageWhole) {
  const ClampCase cases[] = {
      {{0, 100, 0, 0}, 100},            // no page: the position reaches Max
      {{0, 100, 1, 0}, 100},            // a page of one item
      {{0, 100, 10, 0}, 91},            // 91..100 is the last page
      {{0, 100, 101, 0}, 0},            // everything shows
      {{0, 100, 500, 0}, 0},            // never below Min
      {{-10, -5, 2, 0}, -6},
      {{7, 7, 0, 0}, 7},
      {{INT_MIN, INT_MAX, 0, 0}, INT_MAX},
      {{INT_MIN, INT_MAX, INT_MAX, 0}, 1},  // INT_MAX - (INT_MAX - 1)
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Range.Min << ".." << c.Range.Max << " page " << c.Range.PageSize);
    EXPECT_EQ(MaxScrollPos(c.Range), c.MaxPos);
    EXPECT_EQ(CanScroll(c.Range), c.MaxPos > c.Range.Min);
    EXPECT_EQ(ClampScrollPos(c.Range, static_cast<std::int64_t>(INT_MAX) + 5), c.MaxPos);
    EXPECT_EQ(ClampScrollPos(c.Range, static_cast<std::int64_t>(INT_MIN) - 5), c.Range.Min);
  }
}

TEST(ScrollValues, NormalizingMakesTheFourValuesAgree) {
  EXPECT_EQ(NormalizeRange({10, 5, 3, 8}), (TScrollRange{10, 10, 1, 10}));
  EXPECT_EQ(NormalizeRange({0, 9, 20, 4}), (TScrollRange{0, 9, 10, 0}));
  EXPECT_EQ(NormalizeRange({0, 9, -3, 40}), (TScrollRange{0, 9, 0, 9}));
  EXPECT_EQ(NormalizeRange({0, 9, 4, 7}), (TScrollRange{0, 9, 4, 6}));
}

// ---------------------------------------------------------------- layout

// Expected geometry along the bar, worked out from the rules: arrows a
// thickness long (half the bar when shorter), the thumb page/span of the
// track (a thickness without a page, at least MinThumbSize), placed at
// room · (pos - min) / (maxpos - min) rounded to the nearest.
struct LayoutCase {
  const char* Name;
  TRect Bar;
  TScrollBarKind Kind;
  TScrollRange Range;
  bool Enabled;
  int Arrow;        // length of each arrow
  int Thumb;        // 0: no thumb
  int ThumbOffset;  // from the track's start
  bool Active;
};

const LayoutCase kLayouts[] = {
    {"no page, at the top", Rect(0, 0, 17, 200), sbVertical, {0, 100, 0, 0}, true, 17, 17, 0, true},
    {"no page, at the end", Rect(0, 0, 17, 200), sbVertical, {0, 100, 0, 100}, true, 17, 17, 149, true},
    // 149 · 50 / 100 = 74.5 rounds up
    {"no page, half way", Rect(0, 0, 17, 200), sbVertical, {0, 100, 0, 50}, true, 17, 17, 75, true},
    // 166 · 10 / 101 = 16.4; room 150 over 91 positions: 150 · 45 / 91 = 74.2
    {"a page of ten", Rect(0, 0, 17, 200), sbVertical, {0, 100, 10, 45}, true, 17, 16, 74, true},
    {"a page of ten, clamped position", Rect(0, 0, 17, 200), sbVertical, {0, 100, 10, 100}, true, 17, 16, 150, true},
    {"a tiny page gets the smallest thumb", Rect(0, 0, 17, 200), sbVertical, {0, 10000, 1, 0}, true, 17, MinThumbSize, 0, true},
    {"negative range", Rect(0, 0, 17, 200), sbVertical, {-50, 50, 0, 0}, true, 17, 17, 75, true},
    {"everything shows", Rect(0, 0, 17, 200), sbVertical, {0, 100, 101, 0}, true, 17, 0, 0, false},
    {"nothing to scroll", Rect(0, 0, 17, 200), sbVertical, {5, 5, 0, 5}, true, 17, 0, 0, false},
    {"disabled", Rect(0, 0, 17, 200), sbVertical, {0, 100, 0, 30}, false, 17, 0, 0, false},
    // 87 track pixels: 87 · 20 / 101 = 17.2; room 70 over 81 positions: 70 · 81 / 81
    {"horizontal at the end", Rect(10, 5, 131, 22), sbHorizontal, {0, 100, 20, 81}, true, 17, 17, 70, true},
    {"arrows shrink on a short bar", Rect(0, 0, 17, 20), sbVertical, {0, 100, 0, 0}, true, 10, 0, 0, true},
    {"a track too short for the thumb", Rect(0, 0, 17, 40), sbVertical, {0, 100, 0, 0}, true, 17, 0, 0, true},
    {"the smallest thumb that fits", Rect(0, 0, 17, 43), sbVertical, {0, 1000, 1, 1000}, true, 17, MinThumbSize, 1, true},
    {"a one-pixel bar", Rect(0, 0, 17, 1), sbVertical, {0, 100, 0, 0}, true, 0, 0, 0, true},
};

class LayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTable, PartsLieWhereTheRulesPutThem) {
  const LayoutCase& c = GetParam();
  TScrollBarLayout l = LayoutScrollBar(c.Bar, c.Kind, c.Range, c.Enabled);
  bool v = c.Kind == sbVertical;
  int start = v ? c.Bar.Top : c.Bar.Left;
  int end = v ? c.Bar.Bottom : c.Bar.Right;
  EXPECT_EQ(l.Active, c.Active);
  EXPECT_EQ(l.Vertical, v);
  // The arrows sit at the ends, as thick as the bar; the track fills between.
  EXPECT_EQ(v ? l.LineUp.Height() : l.LineUp.Width(), c.Arrow);
  EXPECT_EQ(v ? l.LineDown.Height() : l.LineDown.Width(), c.Arrow);
  EXPECT_EQ(v ? l.LineUp.Top : l.LineUp.Left, start);
  EXPECT_EQ(v ? l.LineDown.Bottom : l.LineDown.Right, end);
  EXPECT_EQ(l.TrackStart(), start + c.Arrow);
  EXPECT_EQ(l.TrackLength(), end - start - 2 * c.Arrow);
  if (c.Arrow > 0) {
    EXPECT_EQ(v ? l.LineUp.Width() : l.LineUp.Height(), v ? c.Bar.Width() : c.Bar.Height());
  }
  EXPECT_EQ(l.ThumbLength(), c.Thumb);
  if (c.Thumb > 0) {
    EXPECT_EQ(l.ThumbStart() - l.TrackStart(), c.ThumbOffset);
    EXPECT_EQ(v ? l.Thumb.Left : l.Thumb.Top, v ? c.Bar.Left : c.Bar.Top);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTable, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<LayoutCase>& I) {
                           std::string n = I.param.Name;
                           for (char& ch : n) if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

// ---------------------------------------------------------------- hit testing

TEST(ScrollHitTest, EachPointFindsItsPart) {
  // Thumb 17 long at offset 75 of the track: 92..109.
  TScrollBarLayout l = LayoutScrollBar(Rect(0, 0, 17, 200), sbVertical, {0, 100, 0, 50}, true);
  ASSERT_EQ(l.Thumb, Rect(0, 92, 17, 109));
  struct Probe {
    TPoint P;
    TScrollBarPart Part;
  };
  const Probe probes[] = {
      {{8, 0}, sbpLineUp},     {{0, 16}, sbpLineUp},     {{16, 17}, sbpPageUp},
      {{8, 91}, sbpPageUp},    {{8, 92}, sbpThumb},      {{8, 108}, sbpThumb},
      {{8, 109}, sbpPageDown}, {{8, 182}, sbpPageDown},  {{8, 183}, sbpLineDown},
      {{8, 199}, sbpLineDown}, {{8, 200}, sbpNone},      {{17, 50}, sbpNone},
      {{-1, 50}, sbpNone},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(HitTestScrollBar(l, p.P), p.Part) << p.P.X << "," << p.P.Y;
  }
  // Without a thumb the track is no part; the arrows still are.
  TScrollBarLayout idle = LayoutScrollBar(Rect(0, 0, 17, 200), sbVertical, {0, 100, 101, 0}, true);
  EXPECT_EQ(HitTestScrollBar(idle, {8, 100}), sbpNone);
  EXPECT_EQ(HitTestScrollBar(idle, {8, 5}), sbpLineUp);
  // Horizontal: left arrow, then the track.
  TScrollBarLayout h = LayoutScrollBar(Rect(0, 0, 121, 17), sbHorizontal, {0, 100, 0, 100}, true);
  EXPECT_EQ(HitTestScrollBar(h, {3, 8}), sbpLineUp);
  EXPECT_EQ(HitTestScrollBar(h, {30, 8}), sbpPageUp);
  EXPECT_EQ(HitTestScrollBar(h, {118, 8}), sbpLineDown);
}

TEST(ScrollHitTest, TheDraggedThumbFollowsWithinReachAcrossTheBar) {
  TScrollBarLayout l = LayoutScrollBar(Rect(100, 0, 117, 200), sbVertical, {0, 100, 0, 0}, true);
  const int reach = ThumbDragReach * 17;
  EXPECT_TRUE(InThumbDragReach(l, {100 - reach, 50}));
  EXPECT_FALSE(InThumbDragReach(l, {100 - reach - 1, 50}));
  EXPECT_TRUE(InThumbDragReach(l, {116 + reach, 50}));
  EXPECT_FALSE(InThumbDragReach(l, {117 + reach, 50}));
  EXPECT_TRUE(InThumbDragReach(l, {108, -5000}));  // along the bar it always follows
  TScrollBarLayout h = LayoutScrollBar(Rect(0, 40, 121, 57), sbHorizontal, {0, 100, 0, 0}, true);
  EXPECT_FALSE(InThumbDragReach(h, {50, 57 + reach}));
  EXPECT_TRUE(InThumbDragReach(h, {5000, 56 + reach}));
}

// ---------------------------------------------------------------- offsets and positions

// Random ranges and bar lengths: positions and thumb offsets map onto each
// other monotonically, a round trip from the finer side is exact, and the
// ends map to the ends.
TEST(ScrollMapping, OffsetsAndPositionsRoundTrip) {
  std::mt19937 rng(20240611);
  for (int i = 0; i < 2000; ++i) {
    int min = std::uniform_int_distribution<int>(-1000, 1000)(rng);
    int span = std::uniform_int_distribution<int>(1, i % 2 ? 50 : 5000)(rng);
    int page = std::uniform_int_distribution<int>(0, span / 2)(rng);
    int length = std::uniform_int_distribution<int>(60, 600)(rng);
    TScrollRange r{min, min + span, page, min};
    TScrollBarLayout l = LayoutScrollBar(Rect(0, 0, 17, length), sbVertical, r, true);
    if (l.Thumb.IsEmpty()) continue;
    int room = l.TrackLength() - l.ThumbLength();
    int positions = MaxScrollPos(r) - r.Min;
    ASSERT_EQ(ThumbOffsetOfPos(l, r, r.Min), 0);
    ASSERT_EQ(ThumbOffsetOfPos(l, r, MaxScrollPos(r)), room);
    ASSERT_EQ(PosOfThumbOffset(l, r, -10), r.Min);
    ASSERT_EQ(PosOfThumbOffset(l, r, room + 10), MaxScrollPos(r));
    int lastOffset = 0;
    for (int p = r.Min; p <= MaxScrollPos(r); p += std::max(1, positions / 97)) {
      int o = ThumbOffsetOfPos(l, r, p);
      ASSERT_GE(o, lastOffset);
      lastOffset = o;
      if (room >= positions) {
        ASSERT_EQ(PosOfThumbOffset(l, r, o), p);
      }
    }
    if (room <= positions) {
      for (int o = 0; o <= room; ++o) {
        ASSERT_EQ(ThumbOffsetOfPos(l, r, PosOfThumbOffset(l, r, o)), o);
      }
    }
  }
}

}  // namespace
