// Two promises every registered class keeps, checked over the whole
// registry (so classes registered later are checked too):
// - a freshly made instance stores nothing that declares a default: its
//   constructor and its registered defaults agree;
// - where the class supports Assign, each of its own properties, changed to
//   a sample value on one instance, reads the same on an instance assigned
//   from it, unless the class says why it leaves that property out.
#include <gtest/gtest.h>

#include <memory>

#include "Probes.h"
#include "VYR_replist/VYR_rldata.h"

using namespace vcl;

namespace {


// Classes that cannot be made by the generic test, and why.
struct TSkippedClass {
  const char16_t* Class;
  const char* Why;
};
const TSkippedClass kNotMade[] = {
    {u"TBrokenProbe", "its constructor fails on purpose (bad-input tests)"},
};

// Properties that an Assign leaves out on purpose; each class's header
// says why. A name ending in "." stands for every property under it.
struct TNotCopied {
  const char16_t* Class;
  const char16_t* Property;
  const char* Why;
};
const TNotCopied kNotCopied[] = {
    {u"TNumIO", u"FixPointDecPlaces", "Assign copies the input settings, not the decimal places"},
    {u"TNumIO", u"AutoSelect", "edit behaviour of the base class, which Assign leaves"},
    {u"TNumIO", u"AutoSize", "edit behaviour of the base class, which Assign leaves"},
    {u"TNumIO2", u"ButVisible", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"But3D", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"ButWidth", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"ButHeight", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"ButSpace", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"ButIncrem", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"ButColor", "the buttons are each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeVisible", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeHeight", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeWidth", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeLeftMargin", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeTopMargin", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeColor", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeColorBg", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeColorFrame", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"GaugeFrameStyle", "the gauge is each control's own layout, which Assign leaves"},
    {u"TNumIO2", u"TabStop", "a setting of the window underneath, which Assign leaves"},
    {u"TReportListView", u"DefaultColWidth", "a setting of the grid underneath"},
    {u"TReportListView", u"DefaultRowHeight", "a setting of the grid underneath"},
    {u"TReportListView", u"DefaultDrawing", "a setting of the grid underneath"},
    {u"TReportListView", u"Options", "a setting of the grid underneath"},
    {u"TReportListView", u"ScrollBars", "a setting of the grid underneath"},
    {u"TReportListView", u"BorderStyle", "a setting of the grid underneath"},
    {u"TReportListView", u"LeftCol", "the scroll position belongs to the view shown"},
    {u"TReportListView", u"TopRow", "the scroll position belongs to the view shown"},
    {u"TReportListView", u"DoubleBuffered", "a setting of the window underneath"},
    {u"TReportListView", u"ParentDoubleBuffered", "a setting of the window underneath"},
    {u"TNumLab", u"Comma", "the target's reading convention, not what it shows"},
    {u"TNumLab", u"ForcePlusSign", "the target's reading convention, not what it shows"},
    {u"TNumLab", u"DTFormat", "the target's reading convention, not what it shows"},
    {u"TRasterLab", u"Font.", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"ParentFont", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"DotSize", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"DotSpacing", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"PosX", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"PosY", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"Proportional", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"CharBlockMode", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"AutoHeight", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"AutoCenter", "the target's raster: a copy shows the text in it"},
    {u"TRasterLab", u"ScrollMode", "the target's scrolling stays its own"},
    {u"TRasterLab", u"ScrollInterval", "the target's scrolling stays its own"},
    {u"TRasterLab", u"ScrollIncrement", "the target's scrolling stays its own"},
    {u"TRasterLab", u"ScrollLoop", "the target's scrolling stays its own"},
    {u"TRotLab", u"Font.", "a setting of the label underneath"},
    {u"TRotLab", u"ParentFont", "a setting of the label underneath"},
    {u"TRotLab", u"AutoSize", "a setting of the label underneath"},
    {u"TRotLab", u"Alignment", "a setting of the label underneath"},
    {u"TRotLab", u"Transparent", "a setting of the label underneath"},
    {u"TRotLab", u"Color", "a setting of the label underneath"},
    {u"TRotLab", u"ParentColor", "a setting of the label underneath"},
    {u"TOnOffBut", u"GroupIndex", "the place among its siblings stays with each button"},
    {u"TOnOffBut", u"AllowAllOff", "the place among its siblings stays with each button"},
    {u"TOnOffBut", u"Mode", "the place among its siblings stays with each button"},
    {u"TProgBar", u"AutoInc", "Assign copies the look and value, not the timer settings"},
    {u"TProgBar", u"AutoIncStep", "Assign copies the look and value, not the timer settings"},
    {u"TProgBar", u"StartInterval", "Assign copies the look and value, not the timer settings"},
    {u"TProgBar", u"RepeatInterval", "Assign copies the look and value, not the timer settings"},
    {u"TThumbnails", u"SlideSelectMode", "how each strip is used: the selection is its own"},
    {u"TThumbnails", u"ColorMark", "how each strip is used: its markers are its own"},
};

// Value properties whose setters keep every sample out, and why.
const TNotCopied kNoSample[] = {
    {u"TWinControl", u"TabOrder", "a position among siblings: a control without parent has none"},
    {u"TMeter", u"BackGroundImg", "a picture file's name: a file that does not exist clears it"},
    {u"TMeter", u"AnchorImage", "a picture file's name: a file that does not exist clears it"},
    {u"TProgBar", u"BackGroundImg", "a picture file name: only the name of a file that loads is kept"},
};

template <std::size_t N>
const TNotCopied* FindEntry(const TNotCopied (&List)[N], const String& Class,
                            const String& Property) {
  for (const TNotCopied& e : List) {
    const String name = e.Property;
    const bool under = !name.empty() && name.back() == u'.' && Property.starts_with(name);
    if (Class == e.Class && (Property == name || under)) return &e;
  }
  return nullptr;
}

bool Made(const TClassInfo& c) {
  for (const TSkippedClass& e : kNotMade) {
    if (c.Name == e.Class) return false;
  }
  return static_cast<bool>(c.New);
}

struct TLeaf {
  String Path;
  const TPropInfo* Prop;
};

// The stored-value paths below a property list (nested objects expanded:
// Font.Size, Touch.TabletOptions), for one instance.
void CollectLeaves(TPersistent& Object, const std::vector<const TPropInfo*>& Props,
                   const String& Prefix, int Depth, std::vector<TLeaf>& Out) {
  for (const TPropInfo* p : Props) {
    if (p->Kind == pkEvent || p->Kind == pkReference) continue;
    if (p->Kind != pkObject) {
      Out.push_back({Prefix + p->Name, p});
      continue;
    }
    TPersistent* nested = p->Object(Object);
    const TClassInfo* c = nested ? ClassInfoOf(*nested) : nullptr;
    if (c != nullptr && Depth < 8) {
      CollectLeaves(*nested, RegisteredProperties(*c), Prefix + p->Name + u".", Depth + 1, Out);
    }
  }
}

// The properties a class registers itself (re-registrations included).
std::vector<const TPropInfo*> OwnProperties(const TClassInfo& Class) {
  std::vector<const TPropInfo*> own;
  for (const TPropInfo& p : Class.Properties) own.push_back(&p);
  return own;
}

std::unique_ptr<TPersistent> Make(const TClassInfo& Class) { return Class.New(); }

String FreshValueProblem(TPersistent& Object, const TPropInfo& P) {
  switch (P.Kind) {
    case pkStrings:
      return P.Items(Object).empty() ? String() : u"holds items";
    case pkBinary:
      return P.IsDefault(Object) ? String() : u"holds data";
    default:
      if (!P.HasDefault || P.IsDefault(Object)) return String();
      return u"is " + P.Text(Object) +
             (P.DefaultText ? u", declared default " + P.DefaultText() : u"");
  }
}

// Checks the values stored below Object; nested objects by their own
// registration. Returns "Class.Path: problem" lines.
void CheckFresh(TPersistent& Object, const TClassInfo& Class, const String& Prefix, int Depth,
                std::vector<std::string>& Problems) {
  for (const TPropInfo* p : RegisteredProperties(Class)) {
    if (p->Kind == pkEvent || !p->IsStored(Object)) continue;
    if (p->Kind == pkReference) {
      if (p->GetReference(Object) != nullptr) Problems.push_back(ToUTF8(Prefix + p->Name));
      continue;
    }
    if (p->Kind == pkObject) {
      TPersistent* nested = p->Object(Object);
      const TClassInfo* c = nested ? ClassInfoOf(*nested) : nullptr;
      if (c != nullptr && Depth < 8) CheckFresh(*nested, *c, Prefix + p->Name + u".", Depth + 1, Problems);
      continue;
    }
    String problem = FreshValueProblem(Object, *p);
    if (!problem.empty()) Problems.push_back(ToUTF8(Prefix + p->Name + u" " + problem));
  }
}

// True when Assign between two fresh instances of the class works.
bool Assignable(const TClassInfo& Class) {
  std::unique_ptr<TPersistent> a = Make(Class), b = Make(Class);
  try {
    b->Assign(a.get());
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

}  // namespace

// The component library registers its classes when it is loaded; making
// one of its components here links it into this test.
TEST(RegistryContract, ComponentClassesAreRegistered) {
  vyr::TRLData store(nullptr);
  EXPECT_EQ(ClassInfoOf(store), FindClassInfo(u"TRLData"));
  EXPECT_NE(FindClassInfo(u"TReportListView"), nullptr);
  EXPECT_NE(FindClassInfo(u"TNumIO"), nullptr);
}

TEST(RegistryContract, FreshInstancesStoreNothingThatHasADefault) {
  int checked = 0;
  for (const String& name : RegisteredClasses()) {
    const TClassInfo* c = FindClassInfo(name);
    if (c == nullptr || !Made(*c)) continue;
    std::unique_ptr<TPersistent> fresh = Make(*c);
    std::vector<std::string> problems;
    CheckFresh(*fresh, *c, String(), 0, problems);
    for (const std::string& p : problems) ADD_FAILURE() << ToUTF8(name) << "." << p;
    ++checked;
  }
  EXPECT_GT(checked, 20);
}

TEST(RegistryContract, EveryValuePropertyTakesASample) {
  for (const String& name : RegisteredClasses()) {
    const TClassInfo* c = FindClassInfo(name);
    if (c == nullptr || !Made(*c)) continue;
    std::unique_ptr<TPersistent> probe = Make(*c);
    std::vector<TLeaf> leaves;
    CollectLeaves(*probe, OwnProperties(*c), String(), 0, leaves);
    for (const TLeaf& leaf : leaves) {
      if (FindEntry(kNoSample, name, leaf.Path)) continue;
      std::unique_ptr<TPersistent> object = Make(*c);
      EXPECT_TRUE(SetSampleValue(*object, leaf.Path))
          << ToUTF8(name) << "." << ToUTF8(leaf.Path) << " kept every sample value out";
    }
  }
}

TEST(RegistryContract, AssignCopiesEveryOwnProperty) {
  int assignable = 0;
  for (const String& name : RegisteredClasses()) {
    const TClassInfo* c = FindClassInfo(name);
    if (c == nullptr || !Made(*c) || !Assignable(*c)) continue;
    ++assignable;
    std::unique_ptr<TPersistent> probe = Make(*c);
    std::vector<TLeaf> leaves;
    CollectLeaves(*probe, OwnProperties(*c), String(), 0, leaves);
    for (const TLeaf& leaf : leaves) {
      if (FindEntry(kNotCopied, name, leaf.Path)) continue;
      std::unique_ptr<TPersistent> source = Make(*c), dest = Make(*c);
      if (!SetSampleValue(*source, leaf.Path)) continue;  // reported by the test above
      dest->Assign(source.get());
      EXPECT_EQ(ToUTF8(GetPropText(*dest, leaf.Path)), ToUTF8(GetPropText(*source, leaf.Path)))
          << ToUTF8(name) << "." << ToUTF8(leaf.Path) << " is not copied by Assign";
    }
  }
  EXPECT_GT(assignable, 3);  // fonts, bitmaps, pictures, the report store at least
}

TEST(RegistryContract, SkipListsNameRegisteredProperties) {
  for (const TNotCopied& e : kNotCopied) {
    const TClassInfo* c = FindClassInfo(e.Class);
    ASSERT_NE(c, nullptr) << ToUTF8(e.Class);
    String property = e.Property;
    if (property.ends_with(u'.')) property.pop_back();  // the object property itself
    EXPECT_NE(FindPropInfo(*c, property), nullptr) << ToUTF8(e.Class) << "." << ToUTF8(property);
  }
  for (const TSkippedClass& e : kNotMade) EXPECT_NE(FindClassInfo(e.Class), nullptr) << ToUTF8(e.Class);
}
