// The settings form files carry on every control: every control class
// loads them, keeps them and writes back those that differ from their
// defaults; the ones marked Parent... follow the parent.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"

using namespace vcl;

namespace {

// A value other than the default, as a form file line.
struct TCommonLine {
  const char* text;
  bool windowedOnly;
};

// HelpType comes before HelpContext and HelpKeyword: while loading, those
// must not switch it back.
const TCommonLine kLines[] = {
    {"AlignWithMargins = True", false},
    {"Anchors = [akLeft, akTop, akRight]", false},
    {"BiDiMode = bdRightToLeftReadingOnly", false},
    {"ParentBiDiMode = False", false},
    {"Constraints.MaxWidth = 500", false},
    {"Cursor = crHandPoint", false},
    {"DragCursor = crMultiDrag", false},
    {"DragKind = dkDock", false},
    {"DragMode = dmAutomatic", false},
    {"Enabled = False", false},
    {"HelpType = htKeyword", false},
    {"HelpContext = 12", false},
    {"HelpKeyword = 'topic'", false},
    {"Hint = 'tip'", false},
    {"Margins.Left = 5", false},
    {"ParentShowHint = False", false},
    {"ShowHint = True", false},
    {"StyleElements = [seFont, seBorder]", false},
    {"Tag = 42", false},
    {"Touch.InteractiveGestures = [igZoom, igPan]", false},
    {"Touch.ParentTabletOptions = False", false},
    {"Touch.TabletOptions = [toPressAndHold, toFlicks]", false},
    {"Visible = False", false},
    {"ExplicitWidth = 99", false},
    {"Ctl3D = False", true},
    {"ParentCtl3D = False", true},
    {"DoubleBuffered = True", true},
    {"ParentDoubleBuffered = False", true},
    {"ImeMode = imOpen", true},
    {"ImeName = 'Input'", true},
    {"Padding.Top = 2", true},
};

// Graphic and windowed controls of the platform and the components.
const char16_t* const kControlClasses[] = {u"TLabel",  u"TSpeedButton", u"TEdit",
                                           u"TPanel",  u"TCheckBox",    u"TNumIO",
                                           u"TReportListView"};

bool IsWindowed(const String& ClassName) {
  const TClassInfo* c = FindClassInfo(ClassName);
  const TClassInfo* w = FindClassInfo(u"TWinControl");
  return c != nullptr && w != nullptr && c->InheritsFrom(*w);
}

std::string FormWith(const String& ClassName, bool Windowed) {
  std::string text = "object Form1: TForm\n  object Control1: " + ToUTF8(ClassName) + "\n";
  for (const TCommonLine& l : kLines) {
    if (!l.windowedOnly || Windowed) text += "    " + std::string(l.text) + "\n";
  }
  return text + "  end\nend\n";
}

}  // namespace

TEST(CommonProperties, EveryControlClassHasThem) {
  const TClassInfo* control = FindClassInfo(u"TControl");
  ASSERT_NE(control, nullptr);
  int classes = 0;
  for (const String& name : RegisteredClasses()) {
    const TClassInfo* c = FindClassInfo(name);
    if (c == nullptr || !c->InheritsFrom(*control)) continue;
    ++classes;
    for (const TCommonLine& l : kLines) {
      if (l.windowedOnly && !IsWindowed(name)) continue;
      std::string line = l.text;
      String prop = FromUTF8(line.substr(0, line.find_first_of(". ")));
      EXPECT_NE(FindPropInfo(*c, prop), nullptr) << ToUTF8(name) << " lacks " << ToUTF8(prop);
    }
  }
  EXPECT_GT(classes, 10);
}

TEST(CommonProperties, LoadedKeptAndWrittenBackOnControlClasses) {
  for (const char16_t* name : kControlClasses) {
    ASSERT_NE(FindClassInfo(name), nullptr) << ToUTF8(name);
    const bool windowed = IsWindowed(name);
    std::unique_ptr<TComponent> form(ReadComponentFromText(FromUTF8(FormWith(name, windowed))));
    TComponent* control = form->FindComponent(u"Control1");
    ASSERT_NE(control, nullptr) << ToUTF8(name);
    const std::string written = ToUTF8(WriteComponentToText(form.get()));
    for (const TCommonLine& l : kLines) {
      if (l.windowedOnly && !windowed) continue;
      std::string line = l.text;
      std::size_t eq = line.find(" = ");
      EXPECT_EQ(ToUTF8(GetPropText(*control, FromUTF8(line.substr(0, eq)))), line.substr(eq + 3))
          << ToUTF8(name);
      // A class whose own default is the value written here (the report
      // list view is double-buffered) rightly leaves it out.
      const TPropInfo* p = FindPropInfo(*FindClassInfo(name), FromUTF8(line.substr(0, eq)));
      bool isDefault = p != nullptr && p->DefaultText && ToUTF8(p->DefaultText()) == line.substr(eq + 3);
      EXPECT_EQ(written.find("\n    " + line + "\n") != std::string::npos, !isDefault)
          << ToUTF8(name) << " wrote back wrongly " << line << "\n" << written;
    }
    std::unique_ptr<TComponent> again(ReadComponentFromText(FromUTF8(written)));
    EXPECT_EQ(ToUTF8(WriteComponentToText(again.get())), written) << ToUTF8(name);
  }
}

TEST(CommonProperties, FrameworkNamesOfDefaultsAreAccepted) {
  std::unique_ptr<TComponent> form(ReadComponentFromText(
      u"object Form1: TForm\n"
      u"  object Edit1: TEdit\n"
      u"    BiDiMode = bdLeftToRight\n"
      u"    DragKind = dkDrag\n"
      u"    DragMode = dmManual\n"
      u"    StyleElements = [seFont, seClient, seBorder]\n"
      u"    Anchors = [akLeft, akTop]\n"
      u"    ImeMode = imDontCare\n"
      u"    Touch.InteractiveGestures = [igPan, igPressAndTap]\n"
      u"  end\n"
      u"end\n"));
  const String text = WriteComponentToText(form.get());
  // Defaults are not written back; BiDiMode stays because it no longer
  // follows the parent once set.
  EXPECT_EQ(text.find(u"DragKind"), String::npos);
  EXPECT_EQ(text.find(u"StyleElements"), String::npos);
  EXPECT_EQ(text.find(u"Touch."), String::npos);
  EXPECT_NE(text.find(u"    BiDiMode = bdLeftToRight\n    ParentBiDiMode = False\n"), String::npos);
}

TEST(CommonProperties, ParentSettingsFollowTheParentUnlessSet) {
  std::unique_ptr<TComponent> root(ReadComponentFromText(
      u"object Form1: TForm\n"
      u"  BiDiMode = bdRightToLeft\n"
      u"  Ctl3D = False\n"
      u"  DoubleBuffered = True\n"
      u"  object Panel1: TPanel\n"
      u"    object Label1: TLabel\n"
      u"    end\n"
      u"  end\n"
      u"  object Edit1: TEdit\n"
      u"    BiDiMode = bdLeftToRight\n"
      u"    Ctl3D = True\n"
      u"  end\n"
      u"end\n"));
  auto* form = dynamic_cast<TForm*>(root.get());
  auto* panel = dynamic_cast<TWinControl*>(root->FindComponent(u"Panel1"));
  auto* label = dynamic_cast<TControl*>(root->FindComponent(u"Label1"));
  auto* edit = dynamic_cast<TWinControl*>(root->FindComponent(u"Edit1"));
  ASSERT_TRUE(form && panel && label && edit);
  EXPECT_EQ(panel->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft);  // through the panel
  EXPECT_FALSE(panel->Ctl3D());
  EXPECT_TRUE(panel->DoubleBuffered());
  EXPECT_EQ(edit->BiDiMode(), bdLeftToRight);
  EXPECT_TRUE(edit->Ctl3D());
  EXPECT_FALSE(edit->ParentCtl3D());
  EXPECT_TRUE(edit->DoubleBuffered());  // DoubleBuffered was left to the parent
  // Followed values are not written; own ones are.
  const String text = WriteComponentToText(root.get());
  const String panelPart = text.substr(text.find(u"Panel1"), text.find(u"Edit1") - text.find(u"Panel1"));
  EXPECT_EQ(panelPart.find(u"BiDiMode"), String::npos);
  EXPECT_EQ(panelPart.find(u"Ctl3D"), String::npos);
  EXPECT_NE(text.find(u"    Ctl3D = True\n    ParentCtl3D = False\n"), String::npos);
  // Changes at run time reach the followers, not the others.
  form->SetBiDiMode(bdRightToLeftNoAlign);
  form->SetCtl3D(true);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeftNoAlign);
  EXPECT_TRUE(panel->Ctl3D());
  EXPECT_EQ(edit->BiDiMode(), bdLeftToRight);
  panel->SetParentBiDiMode(false);
  panel->SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(label->BiDiMode(), bdLeftToRight);
  edit->SetParentBiDiMode(true);
  EXPECT_EQ(edit->BiDiMode(), bdRightToLeftNoAlign);
}

TEST(CommonProperties, HelpTypeFollowsWhatWasSetLast) {
  TForm form(nullptr);
  auto* c = new TControl(&form);
  EXPECT_EQ(c->HelpType(), htContext);
  c->SetHelpKeyword(u"topic");
  EXPECT_EQ(c->HelpType(), htKeyword);
  c->SetHelpContext(3);
  EXPECT_EQ(c->HelpType(), htContext);
  EXPECT_EQ(c->HelpKeyword(), u"topic");
}
