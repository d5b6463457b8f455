// The loading state while values are applied, and Loaded afterwards.
#include <gtest/gtest.h>

#include <memory>

#include "Probes.h"

using namespace vcl;
using namespace probes;

namespace {

const char16_t* const kForm =
    u"object Root: TProbe\n"
    u"  Count = 1\n"
    u"  Partner = B\n"
    u"  object A: TProbe\n"
    u"    Count = 2\n"
    u"    object B: TProbe\n"
    u"      Count = 3\n"
    u"      Partner = A\n"
    u"    end\n"
    u"  end\n"
    u"end\n";

}  // namespace

TEST(FormLoading, ValuesAreAppliedWhileLoadingThenLoadedRunsOnEachAfterAllValues) {
  TProbeScope scope;
  std::unique_ptr<TComponent> root(ReadComponentFromText(kForm));
  // Every value saw the loading state; references were resolved before any
  // Loaded; Loaded runs once per component, the root first, in file order.
  std::vector<std::string> expected{"count 1 loading", "count 2 loading", "count 3 loading",
                                    "loaded Root partner B", "loaded A partner nil",
                                    "loaded B partner A"};
  EXPECT_EQ(TProbe::Journal, expected);
  EXPECT_EQ(scope.Leaked(), 3);
  // The nested B is owned by the root too, not by A.
  ASSERT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(1)->Name(), u"B");
  EXPECT_EQ(root->Components(1)->Owner(), root.get());
  for (TComponent* c : {root.get(), root->Components(0), root->Components(1)}) {
    EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << ToUTF8(c->Name());
    EXPECT_FALSE(c->ComponentState().Contains(csReading)) << ToUTF8(c->Name());
  }
  // A setter called after loading runs outside the loading state.
  TProbe::Journal.clear();
  dynamic_cast<TProbe*>(root.get())->SetCount(9);
  EXPECT_EQ(TProbe::Journal, std::vector<std::string>{"count 9 running"});
}

TEST(FormLoading, NewRootMayHaveAnOwner) {
  TComponent owner(nullptr);
  TComponent* root = ReadComponentFromText(kForm, nullptr, &owner);
  EXPECT_EQ(root->Owner(), &owner);
  EXPECT_EQ(owner.FindComponent(u"Root"), root);
  EXPECT_EQ(root->ComponentCount(), 2);
}

TEST(FormLoading, IntoAnExistingRootKeepsItsComponentsAndAddsTheFilesOnes) {
  TProbeScope scope;
  TProbe root(nullptr);
  auto* mine = new TProbe(&root);
  mine->SetName(u"Mine");
  ReadComponentFromText(kForm, &root);
  EXPECT_EQ(root.Name(), u"Root");
  EXPECT_EQ(root.Count(), 1);
  ASSERT_EQ(root.ComponentCount(), 3);
  EXPECT_EQ(root.Components(0), mine);
  EXPECT_EQ(root.Partner(), root.FindComponent(u"B"));
  EXPECT_FALSE(root.ComponentState().Contains(csLoading));
  EXPECT_EQ(TProbe::Journal[3], "loaded Root partner B");
}

TEST(FormLoading, ExistingRootMustBeOfTheFilesClass) {
  TComponent plain(nullptr);
  EXPECT_THROW(ReadComponentFromText(kForm, &plain), EReadError);
  // A subclass of the file's class is fine.
  TBigProbe big(nullptr);
  ReadComponentFromText(u"object X: TProbe\n  Count = 4\nend", &big);
  EXPECT_EQ(big.Count(), 4);
}
