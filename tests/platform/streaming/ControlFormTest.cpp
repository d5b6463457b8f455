// Forms of controls: parents, nesting, the platform's own registrations.
#include <gtest/gtest.h>

#include <memory>

#include "Probes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

using namespace vcl;

namespace {

class TTestPanel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

class TTestMark : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

const bool registered = RegisterClass<TTestPanel, TCustomControl>(u"TTestPanel")
                            .Property(u"Caption", &TControl::Caption, &TControl::SetCaption) &&
                        RegisterClass<TTestMark, TGraphicControl>(u"TTestMark");

bool Has(const String& text, const String& part) { return text.find(part) != String::npos; }

template <class T>
T* Find(TComponent& root, const String& name) {
  return dynamic_cast<T*>(root.FindComponent(name));
}

const char16_t* const kForm =
    u"object Form1: TForm\n"
    u"  Left = 10\n"
    u"  Top = 20\n"
    u"  Caption = 'Settings'\n"
    u"  ClientHeight = 200\n"
    u"  ClientWidth = 300\n"
    u"  Color = clWindow\n"
    u"  Font.Height = -16\n"
    u"  Font.Name = 'DejaVu Sans'\n"
    u"  Font.Style = [fsBold]\n"
    u"  object Data: TProbe\n"
    u"    Count = 4\n"
    u"  end\n"
    u"  object Panel1: TTestPanel\n"
    u"    Left = 8\n"
    u"    Top = 8\n"
    u"    Width = 120\n"
    u"    Height = 90\n"
    u"    Cursor = crHandPoint\n"
    u"    Anchors = [akLeft, akTop, akRight]\n"
    u"    object Mark1: TTestMark\n"
    u"      Left = 4\n"
    u"      Top = 5\n"
    u"      Width = 16\n"
    u"      Height = 16\n"
    u"      Visible = False\n"
    u"    end\n"
    u"  end\n"
    u"end\n";

}  // namespace

TEST(ControlForms, NestedControlsGetTheirParentAndTheRootAsOwner) {
  ASSERT_TRUE(registered);
  std::unique_ptr<TComponent> root(ReadComponentFromText(kForm));
  auto* form = dynamic_cast<TForm*>(root.get());
  ASSERT_NE(form, nullptr);
  auto* panel = Find<TTestPanel>(*form, u"Panel1");
  auto* mark = Find<TTestMark>(*form, u"Mark1");
  ASSERT_TRUE(panel && mark);
  EXPECT_EQ(panel->Parent(), form);
  EXPECT_EQ(mark->Parent(), panel);
  EXPECT_EQ(mark->Owner(), form);
  EXPECT_EQ(Find<probes::TProbe>(*form, u"Data")->Count(), 4);
  EXPECT_EQ(form->Caption(), u"Settings");
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(form->Color(), clWindow);
  EXPECT_EQ(form->Font()->Height(), -16);
  EXPECT_EQ(form->Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(panel->BoundsRect(), Bounds(8, 8, 120, 90));
  EXPECT_EQ(panel->Cursor(), crHandPoint);
  EXPECT_EQ(panel->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_FALSE(mark->Visible());
  // Children follow the form's font, as ParentFont is left at True.
  EXPECT_EQ(panel->Font()->Height(), -16);
  EXPECT_TRUE(panel->ParentFont());
}

TEST(ControlForms, WritingNestsControlsUnderTheirParents) {
  std::unique_ptr<TComponent> root(ReadComponentFromText(kForm));
  String text = WriteComponentToText(root.get());
  EXPECT_TRUE(Has(text, u"  object Data: TProbe\n"));
  EXPECT_TRUE(Has(text, u"  object Panel1: TTestPanel\n"));
  EXPECT_TRUE(Has(text, u"    object Mark1: TTestMark\n"));
  EXPECT_TRUE(Has(text, u"  ClientWidth = 300\n"));
  EXPECT_FALSE(Has(text, u"  Width = 300\n"));   // a form stores its client size
  EXPECT_FALSE(Has(text, u"\n  Visible"));        // forms start hidden
  EXPECT_TRUE(Has(text, u"      Visible = False\n"));
  EXPECT_TRUE(Has(text, u"    Cursor = crHandPoint\n"));
  EXPECT_TRUE(Has(text, u"  Font.Style = [fsBold]\n"));
  // Children following the parent's font and color do not store them.
  EXPECT_FALSE(Has(text, u"    Font."));
  EXPECT_FALSE(Has(text, u"    Color"));
  // The second generation is identical to the first.
  std::unique_ptr<TComponent> again(ReadComponentFromText(text));
  EXPECT_EQ(WriteComponentToText(again.get()), text);
}

TEST(ControlForms, OwnFontAndColorOfAChildAreStored) {
  TForm form(nullptr);
  auto* panel = new TTestPanel(&form);
  panel->SetName(u"P");
  panel->SetParent(&form);
  panel->Font()->SetSize(14);
  panel->SetColor(clYellow);
  String text = WriteComponentToText(&form);
  ASSERT_EQ(panel->Font()->Height(), -19);  // -MulDiv(14, 96, 72)
  EXPECT_TRUE(Has(text, u"    Font.Height = -19\n"));
  EXPECT_TRUE(Has(text, u"    ParentFont = False\n"));
  EXPECT_TRUE(Has(text, u"    Color = clYellow\n"));
  std::unique_ptr<TComponent> copy(ReadComponentFromText(text));
  auto* p = Find<TTestPanel>(*copy, u"P");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Font()->Size(), 14);
  EXPECT_FALSE(p->ParentFont());
  EXPECT_EQ(p->Color(), clYellow);
}

TEST(ControlForms, TabOrderSurvivesTheRoundTrip) {
  TForm form(nullptr);
  TTestPanel* panels[4];
  for (int i = 0; i < 4; ++i) {
    panels[i] = new TTestPanel(&form);
    panels[i]->SetName(u"P" + FromUTF8(std::to_string(i)));
    panels[i]->SetParent(&form);
  }
  // The reverse of the creation order: applied naively in file order, each
  // position would be clamped to the panels read so far.
  for (int i = 3; i >= 0; --i) panels[i]->SetTabOrder(3 - i);
  std::unique_ptr<TComponent> copy(ReadComponentFromText(WriteComponentToText(&form)));
  for (int i = 0; i < 4; ++i) {
    String name = u"P" + FromUTF8(std::to_string(i));
    EXPECT_EQ(Find<TTestPanel>(*copy, name)->TabOrder(), 3 - i) << i;
  }
}

TEST(ControlForms, ControlsWithoutParentAndForeignChildrenAreNotWritten) {
  TForm form(nullptr);
  form.SetName(u"F");
  auto* loose = new TTestMark(&form);
  loose->SetName(u"Loose");
  TComponent stranger(nullptr);
  auto* foreign = new TTestMark(&stranger);
  foreign->SetName(u"Foreign");
  foreign->SetParent(&form);
  String text = WriteComponentToText(&form);
  EXPECT_FALSE(Has(text, u"Loose"));
  EXPECT_FALSE(Has(text, u"Foreign"));
  foreign->SetParent(nullptr);
}

TEST(ControlForms, FailedReadOfAFormFreesItsControls) {
  probes::TProbeScope scope;
  TForm form(nullptr);
  EXPECT_THROW(ReadComponentFromText(u"object F: TForm\n"
                                     u"  object Panel1: TTestPanel\n"
                                     u"    object Data: TProbe\n    end\n"
                                     u"    object Mark1: TTestMark\n"
                                     u"      Cursor = crNoSuchCursor\n"
                                     u"    end\n"
                                     u"  end\n"
                                     u"end\n",
                                     &form),
               EReadError);
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_EQ(scope.Leaked(), 0);
}

TEST(ControlForms, PlatformRegistrationsAreListed) {
  std::vector<String> classes = RegisteredClasses();
  for (const char16_t* name : {u"TControl", u"TWinControl", u"TGraphicControl", u"TCustomControl",
                               u"TCustomForm", u"TForm", u"TFont"}) {
    EXPECT_NE(std::find(classes.begin(), classes.end(), String(name)), classes.end())
        << ToUTF8(name);
  }
  const TClassInfo* font = FindClassInfo(u"TFont");
  for (const char16_t* name : {u"Name", u"Size", u"Height", u"Color", u"Style", u"Charset",
                               u"Pitch", u"Quality", u"Orientation"}) {
    EXPECT_NE(FindPropInfo(*font, name), nullptr) << ToUTF8(name);
  }
  const TClassInfo* form = FindClassInfo(u"TForm");
  for (const char16_t* name : {u"Left", u"Top", u"Width", u"Height", u"Visible", u"Enabled",
                               u"Color", u"ParentColor", u"Font", u"ParentFont", u"Hint",
                               u"ShowHint", u"Align", u"Cursor", u"TabOrder", u"TabStop",
                               u"Caption", u"ClientWidth", u"ClientHeight", u"BorderStyle",
                               u"KeyPreview", u"Name", u"Tag", u"OnClick"}) {
    EXPECT_NE(FindPropInfo(*form, name), nullptr) << ToUTF8(name);
  }
}

TEST(ControlForms, FontNamesCharsetsAndSizes) {
  TForm form(nullptr);
  ReadComponentFromText(u"object F: TForm\n  Font.Charset = RUSSIAN_CHARSET\n"
                        u"  Font.Size = 12\n  Font.Quality = fqAntialiased\nend",
                        &form);
  EXPECT_EQ(form.Font()->Charset(), 204);
  EXPECT_EQ(form.Font()->Size(), 12);
  EXPECT_EQ(form.Font()->Quality(), fqAntialiased);
  String text = WriteComponentToText(&form);
  EXPECT_TRUE(Has(text, u"  Font.Charset = RUSSIAN_CHARSET\n"));
  EXPECT_TRUE(Has(text, u"  Font.Height = -16\n"));  // the size is stored as a height
  EXPECT_FALSE(Has(text, u"Font.Size"));
  ReadComponentFromText(u"object F: TForm\n  Font.Charset = 7\nend", &form);
  EXPECT_EQ(form.Font()->Charset(), 7);
  EXPECT_TRUE(Has(WriteComponentToText(&form), u"  Font.Charset = 7\n"));
}
