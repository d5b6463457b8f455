#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "Probes.h"

using namespace vcl;
using namespace probes;

namespace {

std::vector<String> Names(const std::vector<const TPropInfo*>& props) {
  std::vector<String> names;
  for (const TPropInfo* p : props) names.push_back(p->Name);
  return names;
}

bool Contains(const std::vector<String>& list, const String& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

TEST(StreamingRegistry, ListsClassesRegisteredByStaticInitializers) {
  std::vector<String> classes = RegisteredClasses();
  EXPECT_TRUE(Contains(classes, u"TProbe"));
  EXPECT_TRUE(Contains(classes, u"TBigProbe"));
  EXPECT_TRUE(Contains(classes, u"TComponent"));
  EXPECT_TRUE(std::is_sorted(classes.begin(), classes.end()));
  EXPECT_FALSE(Contains(classes, u"TUnregisteredProbe"));
}

TEST(StreamingRegistry, PropertiesComeBaseFirstInRegistrationOrder) {
  std::vector<String> names = Names(RegisteredProperties(u"TProbe"));
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names[0], u"Name");
  EXPECT_EQ(names[1], u"Tag");
  EXPECT_EQ(names[2], u"Count");
  // The designer's place of a component comes after everything else.
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[names.size() - 3], u"OnPing");
  EXPECT_EQ(names[names.size() - 2], u"Left");
  EXPECT_EQ(names.back(), u"Top");
  EXPECT_TRUE(RegisteredProperties(u"TNoSuchClass").empty());
}

TEST(StreamingRegistry, KindsAndTypeNamesFollowTheValueTypes) {
  const TClassInfo* c = FindClassInfo(u"tprobe");  // names compare case-insensitively
  ASSERT_NE(c, nullptr);
  struct Expect { const char16_t* name; TPropKind kind; const char16_t* type; };
  for (Expect e : {Expect{u"Count", pkInteger, u"Integer"}, {u"Flag", pkBoolean, u"Boolean"},
                   {u"Ratio", pkFloat, u"Double"}, {u"Precise", pkFloat, u"Extended"},
                   {u"Title", pkString, u"String"}, {u"Letter", pkChar, u"Char"},
                   {u"Shape", pkEnum, u"TShape"}, {u"Shapes", pkSet, u"set of TShape"},
                   {u"Tint", pkColor, u"TColor"}, {u"Layout", pkObject, u"TProbeLayout"},
                   {u"Lines", pkStrings, u"TStrings"}, {u"Partner", pkReference, u"TProbe"},
                   {u"OnPing", pkEvent, u"event"}}) {
    const TPropInfo* p = FindPropInfo(*c, e.name);
    ASSERT_NE(p, nullptr) << ToUTF8(e.name);
    EXPECT_EQ(p->Kind, e.kind) << ToUTF8(e.name);
    EXPECT_EQ(p->TypeName, e.type) << ToUTF8(e.name);
  }
  EXPECT_NE(FindPropInfo(*c, u"LAYOUT"), nullptr);
  EXPECT_EQ(FindPropInfo(*c, u"Missing"), nullptr);
}

TEST(StreamingRegistry, DefaultsAreListedAsFormText) {
  const TClassInfo* c = FindClassInfo(u"TProbe");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(FindPropInfo(*c, u"Shape")->DefaultText(), u"shCircle");
  EXPECT_EQ(FindPropInfo(*c, u"Level")->DefaultText(), u"lvMid");
  EXPECT_EQ(FindPropInfo(*c, u"Tint")->DefaultText(), u"clBlack");
  EXPECT_EQ(FindPropInfo(*c, u"Shapes")->DefaultText(), u"[]");
  EXPECT_FALSE(FindPropInfo(*c, u"Title")->DefaultText);  // strings: written unless empty
}

TEST(StreamingRegistry, DerivedRegistrationReplacesTheInheritedOne) {
  std::vector<const TPropInfo*> props = RegisteredProperties(u"TBigProbe");
  std::vector<String> names = Names(props);
  EXPECT_EQ(std::count(names.begin(), names.end(), u"Count"), 1);
  EXPECT_EQ(names[2], u"Count");  // keeps the base's position
  EXPECT_EQ(props[2]->DefaultText(), u"7");
  const TClassInfo* big = FindClassInfo(u"TBigProbe");
  const TClassInfo* probe = FindClassInfo(u"TProbe");
  EXPECT_TRUE(big->InheritsFrom(*probe));
  EXPECT_FALSE(probe->InheritsFrom(*big));
}

TEST(StreamingRegistry, ClassOfAnObjectFallsBackToTheNearestRegisteredBase) {
  TUnregisteredProbe unregistered(nullptr);
  TBigProbe big(nullptr);
  EXPECT_EQ(ClassInfoOf(unregistered), FindClassInfo(u"TProbe"));
  EXPECT_EQ(ClassInfoOf(big), FindClassInfo(u"TBigProbe"));
}

TEST(StreamingRegistry, CreatesComponentsByName) {
  std::unique_ptr<TComponent> owner = std::make_unique<TComponent>(nullptr);
  TComponent* c = CreateComponent(u"TBigProbe", owner.get());
  ASSERT_NE(dynamic_cast<TBigProbe*>(c), nullptr);
  EXPECT_EQ(c->Owner(), owner.get());
  EXPECT_THROW(CreateComponent(u"TNoSuchClass", nullptr), EClassNotFound);
  // Persistent classes lend properties but cannot be created.
  EXPECT_THROW(CreateComponent(u"TProbeLayout", nullptr), EClassNotFound);
}

TEST(StreamingRegistry, PropertiesReadAndWrittenAsTextByPath) {
  TProbe p(nullptr);
  SetPropText(p, u"Shape", u"shTriangle");
  SetPropText(p, u"Layout.Tip.Width", u"9");
  SetPropText(p, u"Lines", u"('x' 'y')");
  SetPropText(p, u"Tint", u"$00C0FFEE");
  EXPECT_EQ(p.Shape(), shTriangle);
  EXPECT_EQ(p.Layout()->Tip()->Width(), 9);
  EXPECT_EQ(GetPropText(p, u"Layout.Tip.Width"), u"9");
  EXPECT_EQ(GetPropText(p, u"Lines"), u"('x' 'y')");
  EXPECT_EQ(GetPropText(p, u"Tint"), u"$00C0FFEE");
  EXPECT_EQ(GetPropText(p, u"Partner"), u"nil");
  EXPECT_THROW(SetPropText(p, u"Count", u"'seven'"), EReadError);
  EXPECT_THROW(SetPropText(p, u"Count", u"7 8"), EParserError);
  EXPECT_THROW(SetPropText(p, u"Layout", u"1"), EReadError);
  EXPECT_THROW(GetPropText(p, u"Nothing"), EReadError);
  EXPECT_EQ(p.Count(), 0);
}
