// The state guards: each puts its state back at the end of the scope, also
// when the code inside throws; a restore that fails reaches the caller on
// the normal path and gives way to the exception already in flight.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Guards.h"
#include "platform/WinapiGdi.h"
#include "platform/hosts/headless/Headless.h"

namespace {

using namespace vcl;

struct Boom : std::runtime_error {
  Boom() : std::runtime_error("boom") {}
};

// A control-like object that records how its painting was switched.
struct PaintProbe {
  bool Suppressed = false;
  std::vector<bool> Calls;
  bool ThrowOnResume = false;
  bool SuppressPaint() const { return Suppressed; }
  void SetSuppressPaint(bool Value) {
    Calls.push_back(Value);
    Suppressed = Value;
    if (!Value && ThrowOnResume) throw std::runtime_error("resume");
  }
};

// ---------------------------------------------------------------- update count and paint suppression

TEST(UpdateGuard, BalancesTheCountAndNotifiesOnceAlsoWhenTheWorkThrows) {
  for (bool fail : {false, true}) {
    SCOPED_TRACE(fail ? "throwing" : "normal");
    TStringList list;
    int changes = 0;
    list.SetOnChange([&](TObject*) { ++changes; });
    try {
      TUpdateGuard batch(list);
      list.Add(u"a");
      list.Add(u"b");
      EXPECT_EQ(list.UpdateCount(), 1);
      if (fail) throw Boom();
    } catch (const Boom&) {
    }
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(changes, 1);
    list.Add(u"c");  // counting again
    EXPECT_EQ(changes, 2);
  }
}

TEST(UpdateGuard, AThrowingChangeHandlerReachesTheCallerOrGivesWay) {
  TStringList list;
  list.SetOnChange([](TObject*) { throw std::runtime_error("handler"); });
  // Normal path: the handler's exception arrives.
  try {
    TUpdateGuard batch(list);
    list.Add(u"a");
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "handler");
  }
  EXPECT_EQ(list.UpdateCount(), 0);
  // While the work's own exception unwinds, that one arrives.
  EXPECT_THROW(
      {
        TUpdateGuard batch(list);
        list.Add(u"b");
        throw Boom();
      },
      Boom);
  EXPECT_EQ(list.UpdateCount(), 0);
  // The string list's own bulk changes keep their count balanced too.
  EXPECT_THROW(list.SetText(u"x\ny"), std::runtime_error);
  EXPECT_EQ(list.UpdateCount(), 0);
  EXPECT_EQ(list.Count(), 2);
}

TEST(PaintSuppressGuard, NestedGuardsRestoreTheOuterSetting) {
  struct Case {
    bool InitiallySuppressed;
    bool Throw;
  };
  for (Case c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
    PaintProbe probe;
    probe.Suppressed = c.InitiallySuppressed;
    try {
      TPaintSuppressGuard outer(probe);
      EXPECT_TRUE(probe.Suppressed);
      {
        TPaintSuppressGuard inner(probe);
        EXPECT_TRUE(probe.Suppressed);
      }
      EXPECT_TRUE(probe.Suppressed);  // the inner one leaves the outer state
      if (c.Throw) throw Boom();
    } catch (const Boom&) {
    }
    EXPECT_EQ(probe.Suppressed, c.InitiallySuppressed);
  }
}

TEST(PaintSuppressGuard, AFailingResumeGivesWayToTheFirstException) {
  PaintProbe probe;
  probe.ThrowOnResume = true;
  EXPECT_THROW({ TPaintSuppressGuard quiet(probe); }, std::runtime_error);
  EXPECT_THROW(
      {
        TPaintSuppressGuard quiet(probe);
        throw Boom();
      },
      Boom);
  EXPECT_FALSE(probe.Suppressed);
}

// ---------------------------------------------------------------- values, scopes, cursor

TEST(ValueGuard, SetsForTheScopeAndRestoresOnceOnly) {
  int level = 3;
  {
    TValueGuard keep(level, 7);
    EXPECT_EQ(level, 7);
    keep.Restore();
    EXPECT_EQ(level, 3);
    level = 5;  // set after an early restore: kept
  }
  EXPECT_EQ(level, 5);
  std::string name = "old";
  try {
    TValueGuard keep(name);
    name = "new";
    throw Boom();
  } catch (const Boom&) {
  }
  EXPECT_EQ(name, "old");
}

TEST(ScopeGuard, RunsUnlessDismissed) {
  int runs = 0;
  {
    TScopeGuard g([&] { ++runs; });
  }
  {
    TScopeGuard g([&] { ++runs; });
    g.Dismiss();
  }
  try {
    TScopeGuard g([&] { ++runs; });
    throw Boom();
  } catch (const Boom&) {
  }
  EXPECT_EQ(runs, 2);
}

TEST(ScreenCursorGuard, ShowsTheCursorAndPutsThePreviousOneBack) {
  headless::Reset();
  ASSERT_EQ(Screen.Cursor(), crDefault);
  try {
    TScreenCursorGuard busy(crHourGlass);
    EXPECT_EQ(Screen.Cursor(), crHourGlass);
    EXPECT_EQ(headless::CurrentCursor(), crHourGlass);
    {
      TScreenCursorGuard inner(crCross);
      EXPECT_EQ(Screen.Cursor(), crCross);
    }
    EXPECT_EQ(Screen.Cursor(), crHourGlass);
    throw Boom();
  } catch (const Boom&) {
  }
  EXPECT_EQ(Screen.Cursor(), crDefault);
  headless::Reset();
}

// ---------------------------------------------------------------- canvas

// The canvas state a painter may change, as comparable values.
struct CanvasState {
  TColor PenColor, BrushColor, FontColor;
  int PenWidth, FontHeight;
  TPenStyle PenStyle;
  TPenMode PenMode;
  TBrushStyle BrushStyle;
  String FontName;
  TPoint PenPos, Origin;
  TCopyMode CopyMode;
  int StretchMode;
  TRect Clip;
  bool operator==(const CanvasState&) const = default;
};

CanvasState StateOf(TCanvas& C) {
  return {C.Pen()->Color(),   C.Brush()->Color(), C.Font()->Color(), C.Pen()->Width(),
          C.Font()->Height(), C.Pen()->Style(),   C.Pen()->Mode(),   C.Brush()->Style(),
          C.Font()->Name(),   C.PenPos(),         C.Origin(),        C.CopyMode(),
          C.StretchBltMode(), C.DeviceClip()};
}

// Changes everything a painter could.
void Scribble(TCanvas& C) {
  C.Pen()->SetColor(clRed);
  C.Pen()->SetWidth(3);
  C.Pen()->SetStyle(psDot);
  C.Pen()->SetMode(pmXor);
  C.Brush()->SetColor(clBlue);
  C.Brush()->SetStyle(bsCross);
  C.Font()->SetName(u"Courier New");
  C.Font()->SetHeight(-20);
  C.Font()->SetColor(clGreen);
  C.MoveTo(5, 6);
  C.SetCopyMode(SRCINVERT);
  C.SetStretchBltMode(4);
  C.SetOrigin({3, 4});
  C.IntersectClip(TRect(0, 0, 2, 2));
}

TEST(CanvasStateGuard, PutsEveryPieceOfStateBack) {
  for (bool fail : {false, true}) {
    TBitmap b;
    b.SetSize(20, 10);
    TCanvas& c = *b.Canvas();
    c.Pen()->SetColor(clNavy);
    c.MoveTo(1, 2);
    const CanvasState before = StateOf(c);
    try {
      TCanvasStateGuard keep(c);
      Scribble(c);
      EXPECT_FALSE(StateOf(c) == before);
      if (fail) throw Boom();
    } catch (const Boom&) {
    }
    EXPECT_TRUE(StateOf(c) == before) << (fail ? "after a throw" : "normal path");
    // The restored clip and origin cover the whole bitmap again.
    c.Brush()->SetColor(clYellow);
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(TRect(0, 0, 20, 10));
    EXPECT_EQ(c.Pixels(19, 9), clYellow);
    EXPECT_EQ(c.Pixels(0, 0), clYellow);
  }
}

TEST(CanvasClipGuard, NarrowsForTheScopeOnly) {
  TBitmap b;
  b.SetSize(10, 10);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(clWhite);
  c.FillRect(TRect(0, 0, 10, 10));
  c.Brush()->SetColor(clBlack);
  {
    TCanvasClipGuard clip(c, TRect(2, 2, 5, 5));
    c.FillRect(TRect(0, 0, 10, 10));
  }
  EXPECT_EQ(c.Pixels(2, 2), clBlack);   // inside the narrowed clip
  EXPECT_EQ(c.Pixels(4, 4), clBlack);
  EXPECT_EQ(c.Pixels(5, 5), clWhite);   // just outside: right and bottom excluded
  EXPECT_EQ(c.Pixels(1, 3), clWhite);
  c.FillRect(TRect(0, 0, 10, 10));      // afterwards the whole bitmap again
  EXPECT_EQ(c.Pixels(9, 9), clBlack);
}

}  // namespace
