#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>

#include "foundation/VYR_foundation.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;
using namespace vyr;

namespace {

class EWidgetError : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// A component with a timer window, counting its ticks by timer id.
class TTicker : public TComponent {
 public:
  explicit TTicker(TComponent* AOwner)
      : TComponent(AOwner), Timer(this, [this](std::uintptr_t id) { Tick(id); }) {
    SetName(u"Ticker1");
  }
  void Tick(std::uintptr_t id) {
    ticks.push_back(static_cast<int>(id));
    if (failNext) {
      failNext = false;
      throw EWidgetError(u"tick failed");
    }
  }
  std::vector<int> ticks;
  bool failNext = false;
  TTimerWindow Timer;
};

class TimerWindow : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
  void TearDown() override { headless::Reset(); }
};

}  // namespace

TEST(FoundationMessages, ComponentMessagesHaveTheExactTexts) {
  TComponent c(nullptr);
  c.SetName(u"NTabEd1");
  EXPECT_EQ(NotEnoughMemoryMessage(c), u"Component \"NTabEd1\": not enough memory on heap");
  EXPECT_EQ(InitFailedMessage(c), u"Component \"NTabEd1\": failed to initialize (out of memory)");
  EXPECT_EQ(TableEditorInitFailedMessage(c),
            u"Component \"NTabEd1\": failed to initialize table editor (out of memory)");
  EXPECT_EQ(NoTimerMessage(c), u"Component \"NTabEd1\": no timer available");
  EXPECT_EQ(ComponentMessage(u"", u"x"), u"Component \"\": x");
}

TEST(FoundationMessages, InvalidNumericStringMessage) {
  EXPECT_EQ(InvalidNumericStringMessage(u"TRLData", 3, 12, u"1,2.x"),
            u"Class TRLData: invalid numeric string: [3,12]: 1,2.x");
  EXPECT_EQ(InvalidNumericStringMessage(u"TReportListView", 0, -1, u""),
            u"Class TReportListView: invalid numeric string: [0,-1]: ");
}

TEST(FoundationMessages, PackageErrorsAreFrameworkExceptionsWithUtf8What) {
  try {
    throw EWidgetError(ComponentMessage(u"Z\u00e4hler", u"no timer available"));
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Component \"Z\u00e4hler\": no timer available");
    EXPECT_STREQ(e.what(), "Component \"Z\xc3\xa4hler\": no timer available");
  }
  EXPECT_TRUE((std::is_base_of_v<Exception, EVYRError>));
  EXPECT_TRUE((std::is_base_of_v<std::exception, EVYRError>));
}

TEST_F(TimerWindow, TicksArriveAtTheIntervalWithTheirIds) {
  TTicker t(nullptr);
  t.Timer.Start(1, 100);
  t.Timer.Start(2, 250);
  headless::Advance(99);
  EXPECT_TRUE(t.ticks.empty());
  headless::Advance(401);  // now 500: id 1 at 100..500, id 2 at 250 and 500
  EXPECT_EQ(t.ticks, (std::vector<int>{1, 1, 2, 1, 1, 1, 2}));
}

TEST_F(TimerWindow, RestartAndStop) {
  TTicker t(nullptr);
  t.Timer.Start(1, 100);
  headless::Advance(60);
  t.Timer.Start(1, 100);  // restarting counts from now
  headless::Advance(60);
  EXPECT_TRUE(t.ticks.empty());
  headless::Advance(40);
  EXPECT_EQ(t.ticks.size(), 1u);
  t.Timer.Stop(1);
  headless::Advance(1000);
  EXPECT_EQ(t.ticks.size(), 1u);
}

TEST_F(TimerWindow, AnExceptionInATickIsHandledAndTheTimerGoesOn) {
  TTicker t(nullptr);
  t.Timer.Start(7, 50);
  t.failNext = true;
  EXPECT_NO_THROW(headless::Advance(50));
  EXPECT_EQ(headless::HandledExceptions(), std::vector<String>{u"tick failed"});
  headless::Advance(50);
  EXPECT_EQ(t.ticks, (std::vector<int>{7, 7}));
  EXPECT_EQ(headless::HandledExceptions().size(), 1u);
}

TEST_F(TimerWindow, RefusedTimerRaisesTheNoTimerMessage) {
  TTicker t(nullptr);
  headless::SetTimersRefused(true);
  EXPECT_FALSE(t.Timer.TryStart(1, 100));
  try {
    t.Timer.Start<EWidgetError>(1, 100);
    ADD_FAILURE() << "a refused timer raised nothing";
  } catch (const EWidgetError& e) {
    EXPECT_EQ(e.Message(), u"Component \"Ticker1\": no timer available");
  }
  EXPECT_THROW(t.Timer.Start(1, 100), EVYRError);
  headless::SetTimersRefused(false);
  EXPECT_TRUE(t.Timer.TryStart(1, 100));
}

TEST_F(TimerWindow, OtherMessagesGoToTheDefaultProcedure) {
  TTicker t(nullptr);
  EXPECT_TRUE(IsWindow(t.Timer.Handle()));
  EXPECT_EQ(SendMessage(t.Timer.Handle(), WM_USER + 5, 1, 2),
            DefWindowProc(t.Timer.Handle(), WM_USER + 5, 1, 2));
  SendMessage(t.Timer.Handle(), WM_TIMER, 3, 0);  // a timer message sent directly ticks too
  EXPECT_EQ(t.ticks, std::vector<int>{3});
}

TEST_F(TimerWindow, TheWindowAndItsTimersGoWithTheControl) {
  HWND handle;
  {
    TComponent owner(nullptr);
    auto* t = new TTicker(&owner);
    t->Timer.Start(1, 10);
    handle = t->Timer.Handle();
  }
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_NO_THROW(headless::Advance(100));
}

TEST(FoundationResources, NamedBitmaps) {
  const std::vector<String>& names = NamedBitmapNames();
  EXPECT_EQ(names.size(), 31u);
  EXPECT_EQ(std::set<String>(names.begin(), names.end()).size(), names.size());
  std::unique_ptr<TBitmap> box = NamedBitmap(u"CHECKBOX");
  EXPECT_GT(box->Width(), 0);
  EXPECT_GT(box->Height(), 0);
  TBitmap kept;
  kept.SetSize(3, 2);
  EXPECT_THROW(LoadNamedBitmap(kept, u"NOSUCHBITMAP"), EResNotFound);
  EXPECT_EQ(kept.Width(), 3);
  LoadNamedBitmap(kept, u"CHECKBOX");
  EXPECT_EQ(kept.Width(), box->Width());
  EXPECT_EQ(kept.Canvas()->Pixels(0, 0), box->Canvas()->Pixels(0, 0));
}
