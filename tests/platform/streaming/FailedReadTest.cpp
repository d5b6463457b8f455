// A form that fails to read into an existing component leaves it as it was:
// its written form text, its owned components and its bound handlers are
// those it had before, whatever the read changed before it failed.
#include <gtest/gtest.h>

#include <memory>

#include "Probes.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"

using namespace vcl;
using namespace probes;

namespace {

// A root away from every default: values, nested values, a list, a
// reference to an owned component and a handler name.
struct TMarkedRoot {
  TProbe Root{nullptr};
  TProbe* Mine = new TProbe(&Root);

  TMarkedRoot() {
    Root.SetName(u"R");
    Mine->SetName(u"Mine");
    Root.SetCount(3);
    Root.SetTitle(u"kept");
    Root.SetShape(shSquare);
    Root.SetRatio(2.25);
    Root.Layout()->SetHeadSize(9);
    Root.Layout()->Tip()->SetWidth(4);
    Root.Lines().Add(u"one");
    Root.Lines().Add(u"two");
    Root.SetPartner(Mine);
    SetHandlerName(Root, u"OnPing", u"OldPing");
  }
};

struct TBrokenRead {
  const char* What;
  const char16_t* Text;
};

// Each changes the root before the fault stops the read.
const TBrokenRead kBrokenReads[] = {
    {"bad value after others", u"object R: TProbe\n Count = 8\n Title = 'new'\n Shape = shOval\nend"},
    {"nested values then a bad one",
     u"object R: TProbe\n Layout.HeadSize = 1\n Layout.Tip.Width = 7\n Layout.Angle = 'x'\nend"},
    {"list replaced then a bad value", u"object R: TProbe\n Lines.Strings = (\n 'z')\n Count = 'x'\nend"},
    {"renamed then a bad child", u"object Other: TProbe\n Ratio = 5\n object C: TNoSuch\n end\nend"},
    {"reference moved then unknown",
     u"object R: TProbe\n Partner = C\n Small = 4\n object C: TProbe\n  Partner = Nobody\n end\nend"},
    {"reference to a new child then a late fault",
     u"object R: TProbe\n Partner = C\n object C: TProbe\n end\n object D: TBrokenProbe\n end\nend"},
    {"handler name then a bad value", u"object R: TProbe\n OnPing = NewPing\n Positive = -1\nend"},
    {"values then a child clashing with an owned name",
     u"object R: TProbe\n Big = 77\n object Mine: TProbe\n end\nend"},
    {"setter refusing at the end", u"object R: TProbe\n Count = 1\n Flag = True\n Extra = 6\n Positive = -5\nend"},
};

TEST(FormFailedRead, ExistingRootKeepsItsWrittenFormAndComponents) {
  TProbeScope scope;
  for (const TBrokenRead& c : kBrokenReads) {
    SCOPED_TRACE(c.What);
    TMarkedRoot m;
    const String before = WriteComponentToText(&m.Root);
    TFormReader reader;
    reader.SetIgnoreUnboundHandlers(true);
    EXPECT_THROW(reader.ReadText(c.Text, &m.Root), Exception);
    EXPECT_EQ(ToUTF8(WriteComponentToText(&m.Root)), ToUTF8(before));
    ASSERT_EQ(m.Root.ComponentCount(), 1);
    EXPECT_EQ(m.Root.Components(0), m.Mine);
    EXPECT_EQ(m.Root.Partner(), m.Mine);
    EXPECT_EQ(m.Root.Name(), u"R");
    EXPECT_FALSE(m.Root.ComponentState().Contains(csLoading));
  }
  EXPECT_EQ(scope.Leaked(), 0);
}

TEST(FormFailedRead, AGoodReadStillAppliesEverything) {
  TMarkedRoot m;
  TFormReader reader;
  reader.SetIgnoreUnboundHandlers(true);
  reader.ReadText(u"object R: TProbe\n Count = 8\n Layout.HeadSize = 1\n OnPing = NewPing\nend", &m.Root);
  EXPECT_EQ(m.Root.Count(), 8);
  EXPECT_EQ(m.Root.Layout()->HeadSize(), 1);
  EXPECT_EQ(HandlerName(m.Root, u"OnPing"), u"NewPing");
}

TEST(FormFailedRead, BoundHandlersAndCollectionsArePutBack) {
  TStatusBar bar(nullptr);
  bar.SetName(u"Bar");
  bar.Panels()->Add()->SetText(u"first");
  int oldCalls = 0;
  int newCalls = 0;
  bar.SetOnClick([&oldCalls](TObject*) { ++oldCalls; });
  const String before = WriteComponentToText(&bar);

  TFormReader reader;
  reader.Handlers().Add(u"NewClick", [&newCalls](TObject*) { ++newCalls; });
  const String form = u"object Bar: TStatusBar\n OnClick = NewClick\n Panels = <\n item\n  Text = 'a'\n end\n"
                      u" item\n  Text = 'b'\n end>\n Width = 'wide'\nend";
  EXPECT_THROW(reader.ReadText(form, &bar), Exception);
  EXPECT_EQ(ToUTF8(WriteComponentToText(&bar)), ToUTF8(before));
  ASSERT_EQ(bar.Panels()->Count(), 1);
  EXPECT_EQ(bar.Panels()->Items(0)->Text(), u"first");
  ASSERT_TRUE(bar.OnClick());
  bar.OnClick()(&bar);
  EXPECT_EQ(oldCalls, 1);
  EXPECT_EQ(newCalls, 0);
}

}  // namespace
