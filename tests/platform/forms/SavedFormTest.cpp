// A form saved by a designer with the standard controls loads into the
// application's form class with its handlers bound by name; what it holds
// arrives where it belongs; written back and read again it gives the same
// text; lenient reading reports what it leaves out.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "SavedForm.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/ImgList.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

class TMainForm : public TForm {
 public:
  using TForm::TForm;
};
const bool registered = RegisterClass<TMainForm, TForm>(u"TMainForm");

template <class T>
T* Find(TComponent& Root, const char16_t* Name) {
  auto* c = dynamic_cast<T*>(Root.FindComponent(Name));
  EXPECT_NE(c, nullptr) << ToUTF8(Name);
  return c;
}

// Every handler the saved form names, counting its calls.
struct THandlerLog {
  std::map<std::string, int> Calls;
  void Register(TFormReader& Reader) {
    for (const char16_t* name : {u"FormCreate", u"Edit1Change", u"BitBtn2Click", u"Button1Click",
                                 u"PopupMenu1Popup", u"Timer1Timer"}) {
      std::string key = ToUTF8(name);
      Reader.Handlers().Add(name, [this, key](TObject*) { ++Calls[key]; });
    }
    Reader.Handlers().Add(u"FormKeyDown", [this](TObject*, std::uint16_t&, TShiftState) { ++Calls["FormKeyDown"]; });
    Reader.Handlers().Add(u"StringGrid1SetEditText",
                          [this](TObject*, int, int, const String&) { ++Calls["StringGrid1SetEditText"]; });
  }
};

// The line of the first occurrence of Marker in Text (from 1).
int LineOf(const String& Text, const String& Marker) {
  std::size_t at = Text.find(Marker);
  EXPECT_NE(at, String::npos) << ToUTF8(Marker);
  return 1 + static_cast<int>(std::count(Text.begin(), Text.begin() + static_cast<std::ptrdiff_t>(at), u'\n'));
}

class SavedForm : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
  void TearDown() override { headless::Reset(); }
};

TEST_F(SavedForm, LoadsIntoTheApplicationsClassWithItsHandlers) {
  THandlerLog log;
  TFormReader reader;
  log.Register(reader);
  TMainForm form(nullptr);
  reader.ReadText(kSavedForm, &form);
  EXPECT_EQ(log.Calls["FormCreate"], 1);
  EXPECT_EQ(form.Caption(), u"Orders");
  EXPECT_EQ(form.ClientWidth(), 560);
  EXPECT_TRUE(form.KeyPreview());
  EXPECT_EQ(form.TextHeight(), 13);

  // Every object of the file, of its class, on its parent.
  const struct {
    const char16_t* Name;
    const char16_t* Class;
    const char16_t* Parent;
  } objects[] = {
      {u"RadioButton1", u"TRadioButton", u"GroupBox1"}, {u"RadioGroup1", u"TRadioGroup", u"MainForm"},
      {u"StringGrid1", u"TStringGrid", u"MainForm"},    {u"TabSheet2", u"TTabSheet", u"PageControl1"},
      {u"Bevel1", u"TBevel", u"ScrollBox1"},            {u"BitBtn2", u"TBitBtn", u"MainForm"},
      {u"StatusBar1", u"TStatusBar", u"MainForm"},      {u"TrackBar1", u"TTrackBar", u"MainForm"},
  };
  for (const auto& o : objects) {
    auto* c = Find<TControl>(form, o.Name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ClassName(), o.Class);
    ASSERT_NE(c->Parent(), nullptr) << ToUTF8(o.Name);
    EXPECT_EQ(c->Parent()->Name(), o.Parent) << ToUTF8(o.Name);
  }
  EXPECT_TRUE(Find<TRadioButton>(form, u"RadioButton1")->Checked());
  EXPECT_EQ(Find<TRadioGroup>(form, u"RadioGroup1")->ItemIndex(), 1);
  EXPECT_EQ(Find<TPageControl>(form, u"PageControl1")->ActivePage(), Find<TTabSheet>(form, u"TabSheet2"));
  EXPECT_EQ(Find<TTrackBar>(form, u"TrackBar1")->Position(), 5);
  auto* panels = Find<TStatusBar>(form, u"StatusBar1")->Panels();
  ASSERT_EQ(panels->Count(), 2);
  EXPECT_EQ(panels->Items(1)->Text(), u"Ready");
  EXPECT_EQ(panels->Items(0)->Width(), 50);

  // Design-time values are kept.
  auto* button = Find<TButton>(form, u"Button1");
  EXPECT_EQ(button->ExplicitLeft(), 198);
  EXPECT_TRUE(button->AlignWithMargins());
  EXPECT_EQ(button->Margins()->Left(), 6);
  EXPECT_EQ(Find<TTimer>(form, u"Timer1")->DesignInfo(), 16 << 16 | 448);

  // Stock kinds fill in what the file leaves out; what it gives wins.
  auto* ok = Find<TBitBtn>(form, u"BitBtn1");
  EXPECT_EQ(ok->Caption(), u"OK");
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_TRUE(ok->Default());
  auto* stop = Find<TBitBtn>(form, u"BitBtn2");
  EXPECT_EQ(stop->Caption(), u"&Stop");
  EXPECT_EQ(stop->ModalResult(), mrAbort);

  // Menus: items nested as in the file, the image list referenced.
  auto* menu = Find<TMainMenu>(form, u"MainMenu1");
  EXPECT_EQ(form.Menu(), menu);
  EXPECT_EQ(menu->Images(), Find<TImageList>(form, u"ImageList1"));
  ASSERT_EQ(menu->Items()->Count(), 1);
  TMenuItem* file = menu->Items()->Items(0);
  ASSERT_EQ(file->Count(), 3);
  EXPECT_TRUE(file->Items(1)->IsLine());
  EXPECT_EQ(file->Items(0)->ShortCut(), ShortCut('S', {ssCtrl}));
}

// The handlers the file names run when the user acts.
TEST_F(SavedForm, BoundHandlersRunOnInput) {
  THandlerLog log;
  TFormReader reader;
  log.Register(reader);
  TMainForm form(nullptr);
  reader.ReadText(kSavedForm, &form);
  auto* edit = Find<TControl>(form, u"Edit1");
  headless::Type(edit, u"x");                         // OnChange; the form previews the key
  headless::KeyDown(edit, 'S', {ssCtrl});             // the menu's Save1 shortcut, before any preview
  headless::Click(Find<TControl>(form, u"Button1"), 5, 5);  // Button1Click again
  headless::Click(Find<TControl>(form, u"BitBtn2"), 5, 5);
  headless::SetPopupHandler([](TPopupMenu&, int, int) {});
  Find<TPopupMenu>(form, u"PopupMenu1")->Popup(10, 10);
  headless::Advance(1000);                            // Interval 500: two ticks
  EXPECT_EQ(log.Calls["Edit1Change"], 1);
  EXPECT_EQ(log.Calls["FormKeyDown"], 1);
  EXPECT_EQ(log.Calls["Button1Click"], 2);
  EXPECT_EQ(log.Calls["BitBtn2Click"], 1);
  EXPECT_EQ(log.Calls["PopupMenu1Popup"], 1);
  EXPECT_EQ(log.Calls["Timer1Timer"], 2);
  EXPECT_EQ(form.ModalResult(), mrAbort);
}

TEST_F(SavedForm, AnUnboundHandlerIsNamedUnlessIgnored) {
  TFormReader strict;
  TMainForm form(nullptr);
  try {
    strict.ReadText(kSavedForm, &form);
    FAIL() << "read without handlers";
  } catch (const EReadError& e) {
    // The first event of the file: its handler and line are named.
    String line = u"Line " + IntToStr(LineOf(kSavedForm, u"OnCreate")) + u":";
    EXPECT_EQ(e.Message().rfind(line, 0), 0u) << ToUTF8(e.Message());
    EXPECT_NE(e.Message().find(u"FormCreate"), String::npos) << ToUTF8(e.Message());
  }
  TFormReader ignoring;
  ignoring.SetIgnoreUnboundHandlers(true);
  TMainForm again(nullptr);
  ignoring.ReadText(kSavedForm, &again);
  EXPECT_EQ(HandlerName(*again.FindComponent(u"Button1"), u"OnClick"), u"Button1Click");
  EXPECT_FALSE(dynamic_cast<TButton*>(again.FindComponent(u"Button1"))->OnClick());
}

// Read, write, read: the second writing is the first, for the saved form
// and for smaller forms that each stress one kind of value.
TEST_F(SavedForm, RoundTripsGiveTheSameText) {
  const char16_t* forms[] = {
      kSavedForm,
      uR"(object MainForm: TMainForm
  Caption = 'Menus'
  object M: TPopupMenu
    Alignment = paRight
    AutoPopup = False
    object A: TMenuItem
      Caption = 'A'
      Checked = True
      RadioItem = True
      GroupIndex = 2
      object B: TMenuItem
        Caption = 'B'
        Default = True
        Hint = 'b'
        Visible = False
      end
    end
  end
end
)",
      uR"(object MainForm: TMainForm
  object G: TStringGrid
    ColCount = 3
    FixedCols = 0
    DefaultColWidth = 40
    ScrollBars = ssVertical
  end
  object B: TBitBtn
    Caption = 'Go'
    ModalResult = 0
    Default = False
    Kind = bkYes
    Layout = blGlyphTop
    Spacing = 2
  end
  object S: TScrollBox
    BorderStyle = bsNone
    AutoScroll = False
  end
end
)",
  };
  for (const char16_t* text : forms) {
    THandlerLog log;
    TFormReader reader;
    log.Register(reader);
    TMainForm first(nullptr);
    reader.ReadText(text, &first);
    String written = WriteComponentToText(&first);
    TMainForm second(nullptr);
    reader.ReadText(written, &second);
    EXPECT_EQ(ToUTF8(WriteComponentToText(&second)), ToUTF8(written));
  }
}

// Values a file gives for a stock button survive whatever their order.
TEST_F(SavedForm, BitBtnValuesAgainstItsKind) {
  const struct {
    const char16_t* Values;
    const char16_t* Caption;
    TModalResult Result;
    bool Default, Cancel;
  } cases[] = {
      {u"Kind = bkOK", u"OK", mrOk, true, false},
      {u"Kind = bkNo", u"&No", mrNo, false, true},
      {u"Caption = 'Later'\n Kind = bkCancel", u"Later", mrCancel, false, true},
      {u"Kind = bkCancel\n Caption = 'Later'", u"Later", mrCancel, false, true},
      {u"ModalResult = 0\n Default = False\n Kind = bkYes", u"&Yes", mrNone, false, false},
      {u"Kind = bkRetry\n ModalResult = 7", u"&Retry", mrNo, false, false},
      {u"Caption = ''\n Kind = bkAll", u"", mrAll, false, false},
  };
  for (const auto& c : cases) {
    String text = String(u"object MainForm: TMainForm\n object B: TBitBtn\n ") + c.Values + u"\n end\nend\n";
    TMainForm form(nullptr);
    ReadComponentFromText(text, &form);
    auto* b = Find<TBitBtn>(form, u"B");
    EXPECT_EQ(b->Caption(), c.Caption) << ToUTF8(c.Values);
    EXPECT_EQ(b->ModalResult(), c.Result) << ToUTF8(c.Values);
    EXPECT_EQ(b->Default(), c.Default) << ToUTF8(c.Values);
    EXPECT_EQ(b->Cancel(), c.Cancel) << ToUTF8(c.Values);
    TMainForm back(nullptr);
    ReadComponentFromText(WriteComponentToText(&form), &back);
    auto* again = Find<TBitBtn>(back, u"B");
    EXPECT_EQ(again->Caption(), c.Caption) << ToUTF8(c.Values);
    EXPECT_EQ(again->ModalResult(), c.Result) << ToUTF8(c.Values);
    EXPECT_EQ(again->Default(), c.Default) << ToUTF8(c.Values);
  }
}

TEST_F(SavedForm, LenientReadingReportsWhatItLeavesOut) {
  const String text = uR"(object MainForm: TMainForm
  Caption = 'Port'
  DesignTimePPI = 120
  object Edit1: TEdit
    Left = 8
    Glowing = True
    Width = 90
    OnChange = NobodyHandlesThis
  end
  object Chart1: TFancyChart
    Left = 10
    object Series1: TLineSeries
      Color = clRed
    end
  end
  object Grid: TStringGrid
    ColCount = many
    RowCount = 3
  end
end
)";
  const struct {
    const char16_t* Marker;
    const char16_t* Class;
    const char16_t* Property;
  } expected[] = {
      {u"DesignTimePPI", u"TMainForm", u"DesignTimePPI"},
      {u"Glowing", u"TEdit", u"Glowing"},
      {u"OnChange", u"TEdit", u"OnChange"},
      {u"object Chart1", u"TFancyChart", u""},
      {u"ColCount", u"TStringGrid", u"ColCount"},
  };
  TFormReader strict;
  TMainForm refused(nullptr);
  EXPECT_THROW(strict.ReadText(text, &refused), EReadError);

  TFormReader reader;
  reader.SetLenient(true);
  TMainForm form(nullptr);
  reader.ReadText(text, &form);
  const auto& skipped = reader.Skipped();
  ASSERT_EQ(skipped.size(), std::size(expected));
  for (std::size_t i = 0; i < skipped.size(); ++i) {
    EXPECT_EQ(skipped[i].Line, LineOf(text, expected[i].Marker)) << i;
    EXPECT_EQ(skipped[i].ClassName, expected[i].Class) << i;
    EXPECT_EQ(skipped[i].Property, expected[i].Property) << i;
    EXPECT_FALSE(skipped[i].Reason.empty()) << i;
  }
  // Everything else arrived.
  EXPECT_EQ(form.Caption(), u"Port");
  EXPECT_EQ(Find<TControl>(form, u"Edit1")->Width(), 90);
  EXPECT_EQ(Find<TStringGrid>(form, u"Grid")->RowCount(), 3);
  EXPECT_EQ(form.FindComponent(u"Series1"), nullptr);
}

// A form designed at another resolution is scaled to the screen's when
// Scaled; without Scaled it keeps its pixels.
TEST_F(SavedForm, PixelsPerInchScalesAScaledForm) {
  const struct {
    const char16_t* Scaled;
    int Ppi;
    int Expected;  // Edit1's Left (designed at 150) and its width (300) / 2
  } cases[] = {{u"True", 96, 150}, {u"True", 144, 100}, {u"True", 192, 75}, {u"False", 144, 150}};
  for (const auto& c : cases) {
    String text = String(u"object MainForm: TMainForm\n ClientWidth = 600\n PixelsPerInch = ") +
                  IntToStr(c.Ppi) + u"\n Scaled = " + c.Scaled +
                  u"\n object Edit1: TEdit\n Left = 150\n Width = 300\n end\nend\n";
    TMainForm form(nullptr);
    ReadComponentFromText(text, &form);
    auto* edit = Find<TControl>(form, u"Edit1");
    EXPECT_EQ(edit->Left(), c.Expected) << c.Ppi;
    EXPECT_EQ(edit->Width(), 2 * c.Expected) << c.Ppi;
    EXPECT_EQ(form.ClientWidth(), 4 * c.Expected) << c.Ppi;
  }
}

}  // namespace
