// The edit-row dialog driven through the headless host's modal handler:
// the controls per type letter with their names, tags and positions, the
// own form and its buttons, OK, Cancel and Enter, read-only fields, the
// container overload and the freeing of the run-time controls.
#include "RLViewTestUtil.h"
#include "VYR_NumIO/VYR_NumIO.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/DateUtils.h"
#include "platform/StdCtrls.h"

namespace rlviewtest {
namespace {

struct TColumnSpec {
  const char16_t* Name;
  const char16_t* Format;
  const char16_t* Cell;
};

// Column k of the fixture, its expected control and initial text.
const TColumnSpec kColumns[] = {
    {u"Color", u"[c:5][120]red|green|blue", u"green"},
    {u"Size", u"[l][90]small|medium|large", u"large"},
    {u"Date", u"[ddd.MM.yyyy][100]01.01.2000", u"24.12.2023"},
    {u"Number", u"[i][80]rix4", u""},
    {u"Note", u"[#s][150]abc", u""},
    {u"Hex", u"[h][60]", u"FF"},
    {u"Free", u"plain default", u""},
};
constexpr int kRow = 7;

class EditRowTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->HandleNeeded();  // painting on, so that the write-back must restore it
    View->SetNrOfColumns(7);
    View->SetNrOfRows(8);
    for (int k = 1; k <= 7; ++k) {
      View->SetHeader(k, kColumns[k - 1].Name);
      View->SetColumnFormat(k, kColumns[k - 1].Format);
      View->SetElem(k, kRow, kColumns[k - 1].Cell);
    }
  }
  template <class T>
  static T* Find(TForm& F, const String& Name) {
    auto* c = dynamic_cast<T*>(F.FindComponent(Name));
    EXPECT_NE(c, nullptr) << ToUTF8(Name);
    return c;
  }
  // The label width the dialog derives from the column names.
  static int LabelWidth(TForm& F, int Columns) {
    TCanvas& c = *F.Canvas();
    c.Font()->Assign(F.Font());
    int w = 0;
    for (int k = 0; k < Columns; ++k) w = std::max(w, c.TextWidth(kColumns[k].Name));
    return w + 8;
  }
  // Runs the dialog with Handler and returns the modal result.
  int Run(std::function<int(TForm&)> Handler) {
    headless::SetModalHandler(std::move(Handler));
    return View->EditRowEntries(kRow, 40, 50);
  }
};

TEST_F(EditRowTest, EachTypeLetterGetsItsControlNameTagAndPlace) {
  struct Expect { const char16_t* Prefix; int Width; String Text; };
  const Expect expect[] = {
      {u"runtime_rlre_CBox", 120, u"green"},   {u"runtime_rlre_CBox", 90, u"large"},
      {u"runtime_rlre_DtPick", 100, u"24.12.2023"}, {u"runtime_rlre_NumIO", 80, u"0007"},
      {u"runtime_rlre_Edit", 150, u"abc"},     {u"runtime_rlre_NumIO", 60, u"FF"},
      {u"runtime_rlre_Edit", 200, u"plain default"},
  };
  int calls = 0;
  Run([&](TForm& F) {
    ++calls;
    const int L = LabelWidth(F, 7);
    for (int k = 1; k <= 7; ++k) {
      SCOPED_TRACE(k);
      const int y = 45 + (k - 1) * 25;
      auto* label = Find<TLabel>(F, u"runtime_rlre_Label" + IntToStr(k));
      if (label != nullptr) {
        EXPECT_EQ(label->Caption(), String(kColumns[k - 1].Name) + u":");
        EXPECT_EQ(std::make_tuple(label->Left(), label->Top(), label->Width()), std::make_tuple(8, y + 3, L));
        EXPECT_EQ(label->Alignment(), taRightJustify);
        EXPECT_FALSE(label->AutoSize());
      }
      auto* c = Find<TWinControl>(F, expect[k - 1].Prefix + IntToStr(k));
      if (c == nullptr) continue;
      EXPECT_EQ(c->Tag(), k);
      EXPECT_EQ(std::make_tuple(c->Left(), c->Top(), c->Width()),
                std::make_tuple(L + 12, y, expect[k - 1].Width));
      auto* picker = dynamic_cast<TDateTimePicker*>(c);
      EXPECT_EQ(picker != nullptr ? picker->DisplayText() : c->Text(), expect[k - 1].Text);
    }
    auto* color = Find<TComboBox>(F, u"runtime_rlre_CBox1");
    auto* size = Find<TComboBox>(F, u"runtime_rlre_CBox2");
    EXPECT_EQ(color->Style(), csDropDown);
    EXPECT_EQ(color->DropDownCount(), 5);
    EXPECT_EQ(color->Items()->Count(), 3);
    EXPECT_EQ(size->Style(), csDropDownList);
    EXPECT_EQ(size->ItemIndex(), 2);
    auto* date = Find<TDateTimePicker>(F, u"runtime_rlre_DtPick3");
    EXPECT_EQ(date->Format(), u"dd.MM.yyyy");
    EXPECT_EQ(date->DateTime(), EncodeDate(2023, 12, 24));
    auto* number = Find<vyr::TNumIO>(F, u"runtime_rlre_NumIO4");
    EXPECT_EQ(number->InputFormat(), vyr::itInt);
    EXPECT_EQ(Find<vyr::TNumIO>(F, u"runtime_rlre_NumIO6")->InputFormat(), vyr::itHex);
    EXPECT_DOUBLE_EQ(number->RangeLow(), -1.7e308);
    EXPECT_DOUBLE_EQ(number->RangeHigh(), 1.7e308);
    return mrCancel;
  });
  EXPECT_EQ(calls, 1);
}

TEST_F(EditRowTest, OwnFormSizeCaptionAndButtons) {
  Run([&](TForm& F) {
    const int L = LabelWidth(F, 7);
    const int widest = 200 + L;  // column 7 has no width: 200
    EXPECT_EQ(F.Caption(), u"Editing Row 7");
    EXPECT_EQ(F.BorderStyle(), bsDialog);
    EXPECT_EQ(std::make_tuple(F.Left(), F.Top(), F.Width(), F.Height()),
              std::make_tuple(40, 50, widest + 28, 7 * 25 + 45 + 38));
    std::vector<std::tuple<String, int, int, int, int>> buttons;
    for (int i = 0; i < F.ComponentCount(); ++i) {
      if (auto* b = dynamic_cast<TSpeedButton*>(F.Components(i)))
        buttons.emplace_back(b->Caption(), b->Left(), b->Top(), b->Width(), b->Height());
    }
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (std::vector<std::tuple<String, int, int, int, int>>{
                           {u"Cancel", widest - 69, 4, 81, 29}, {u"OK", widest - 154, 4, 81, 29}}));
    return mrCancel;
  });
  headless::SetModalHandler([](TForm& F) {
    EXPECT_EQ(F.Caption(), u"Zeile");
    return mrCancel;
  });
  View->EditRowEntries(kRow, 0, 0, u"Zeile", u"Ja", u"Nein");
}

// Changes every enabled field, then ends the dialog by Action.
int EditAll(TForm& F, const std::function<void(TForm&)>& Action) {
  dynamic_cast<TComboBox*>(F.FindComponent(u"runtime_rlre_CBox1"))->SetText(u"purple");
  dynamic_cast<TComboBox*>(F.FindComponent(u"runtime_rlre_CBox2"))->SetItemIndex(0);
  dynamic_cast<TDateTimePicker*>(F.FindComponent(u"runtime_rlre_DtPick3"))->SetDateTime(EncodeDate(2024, 2, 29));
  dynamic_cast<TEdit*>(F.FindComponent(u"runtime_rlre_Edit7"))->SetText(u"typed");
  Action(F);
  return mrNone;  // the form's ModalResult counts
}

TEST_F(EditRowTest, OkButtonCancelButtonAndEnterDecideTheWriteBack) {
  auto clickButton = [](const String& Caption) {
    return [Caption](TForm& F) {
      for (int i = 0; i < F.ComponentCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(F.Components(i));
        if (b != nullptr && b->Caption() == Caption) headless::Click(b, 10, 10);
      }
    };
  };
  auto enterIn = [](const String& Name) {
    return [Name](TForm& F) { headless::KeyPress(dynamic_cast<TControl*>(F.FindComponent(Name)), u'\r'); };
  };
  struct Case { const char* What; std::function<void(TForm&)> Action; int Result; bool Written; };
  const Case cases[] = {
      {"OK", clickButton(u"OK"), mrOk, true},
      {"Cancel", clickButton(u"Cancel"), mrCancel, false},
      {"Enter in an edit", enterIn(u"runtime_rlre_Edit7"), mrOk, true},
      {"Enter in a combo box", enterIn(u"runtime_rlre_CBox1"), mrOk, true},
      {"nothing", [](TForm&) {}, mrCancel, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    int changes = 0;
    ASSERT_FALSE(View->SuppressPaint());
    bool suppressedWhileWriting = false;
    View->SetOnChange([&](TObject*) { ++changes, suppressedWhileWriting = View->SuppressPaint(); });
    EXPECT_EQ(Run([&](TForm& F) { return EditAll(F, c.Action); }), c.Result);
    const std::vector<String> written = {u"purple", u"small", u"29.02.2024", u"0007", u"abc", u"FF", u"typed"};
    for (int k = 1; k <= 7; ++k) {
      EXPECT_EQ(View->Elem(k, kRow), c.Written ? written[k - 1] : String(kColumns[k - 1].Cell)) << k;
    }
    EXPECT_EQ(changes > 0, c.Written);
    EXPECT_FALSE(View->SuppressPaint());
    EXPECT_EQ(suppressedWhileWriting, c.Written);
    TearDown();
  }
  SetUp();
}

TEST_F(EditRowTest, ReadOnlyFieldsAreDisabledGrayAndDoNotCloseOnEnter) {
  View->SetElem(5, kRow, u"kept");
  Run([&](TForm& F) {
    auto* note = Find<TEdit>(F, u"runtime_rlre_Edit5");
    EXPECT_FALSE(note->Enabled());
    EXPECT_EQ(note->Color(), 0xE0E0E0u);
    EXPECT_EQ(note->Font()->Color(), 0x808080u);
    EXPECT_EQ(note->Text(), u"kept");
    EXPECT_FALSE(static_cast<bool>(note->OnKeyPress()));
    EXPECT_TRUE(static_cast<bool>(Find<TEdit>(F, u"runtime_rlre_Edit7")->OnKeyPress()));
    return mrOk;
  });
  EXPECT_EQ(View->Elem(5, kRow), u"kept");  // written back as it stood
}

TEST_F(EditRowTest, ContainerFormGetsTheFieldsAtTheOffsetAndKeepsItsOwn) {
  TForm container(nullptr);
  container.SetWidth(100);
  container.SetHeight(40);
  container.SetCaption(u"Mine");
  auto* own = new TButton(&container);
  own->SetName(u"Keep");
  own->SetParent(&container);
  headless::SetModalHandler([&](TForm& F) {
    EXPECT_EQ(&F, &container);
    const int L = LabelWidth(F, 7);
    auto* edit = Find<TEdit>(F, u"runtime_rlre_Edit7");
    EXPECT_EQ(std::make_tuple(edit->Left(), edit->Top()), std::make_tuple(L + 20 + 12, 30 + 6 * 25));
    auto* label = Find<TLabel>(F, u"runtime_rlre_Label1");
    EXPECT_EQ(std::make_tuple(label->Left(), label->Top()), std::make_tuple(28, 33));
    EXPECT_GE(F.Width(), 200 + L + 28);
    EXPECT_GE(F.Height(), 7 * 25 + 38);
    EXPECT_EQ(F.Caption(), u"");
    for (int i = 0; i < F.ComponentCount(); ++i) EXPECT_EQ(dynamic_cast<TSpeedButton*>(F.Components(i)), nullptr);
    EditAll(F, [](TForm& G) { G.SetModalResult(mrOk); });
    return mrNone;
  });
  EXPECT_EQ(View->EditRowEntries(kRow, &container, 20, 30), mrOk);
  EXPECT_EQ(View->Elem(7, kRow), u"typed");
  ASSERT_EQ(container.ComponentCount(), 1);  // only the container's own control is left
  EXPECT_EQ(container.Components(0), own);
}

TEST_F(EditRowTest, RuntimeControlsAndTheOwnFormAreFreed) {
  const int before = View->ComponentCount();
  TForm* shown = nullptr;
  Run([&](TForm& F) {
    shown = &F;
    EXPECT_EQ(F.Owner(), View);
    return mrOk;
  });
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(View->ComponentCount(), before);
}

TEST_F(EditRowTest, RequestedFormatsAndDateFieldsThatDoNotRead) {
  View->SetOnRequestEditFormat([](TObject*, int Col, int Row, String& Format) {
    EXPECT_EQ(Row, kRow);
    if (Col == 7) Format = u"[l][70]x|y";
  });
  View->SetElem(3, kRow, u"soon");  // does not read as dd.MM.yyyy
  View->SetElem(2, kRow, u"Large");  // not an item: letter case counts
  Run([&](TForm& F) {
    EXPECT_EQ(F.FindComponent(u"runtime_rlre_Edit7"), nullptr);
    auto* box = Find<TComboBox>(F, u"runtime_rlre_CBox7");
    EXPECT_EQ(box->Width(), 70);
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetItemIndex(1);
    EXPECT_EQ(Find<TDateTimePicker>(F, u"runtime_rlre_DtPick3")->DateTime(), 0.0);
    EXPECT_EQ(Find<TComboBox>(F, u"runtime_rlre_CBox2")->ItemIndex(), -1);
    return mrOk;
  });
  EXPECT_EQ(View->Elem(7, kRow), u"y");
  EXPECT_EQ(View->Elem(2, kRow), u"Large");  // nothing selected: kept
  EXPECT_EQ(View->Elem(3, kRow), u"soon");  // OK alone does not replace it
  Run([&](TForm& F) {
    Find<TDateTimePicker>(F, u"runtime_rlre_DtPick3")->SetDateTime(EncodeDate(2025, 1, 2));
    return mrOk;
  });
  EXPECT_EQ(View->Elem(3, kRow), u"02.01.2025");  // a changed picker is written
}

TEST_F(EditRowTest, RowsOutOfRangeShowNothing) {
  int calls = 0;
  headless::SetModalHandler([&](TForm&) { return ++calls, mrOk; });
  EXPECT_EQ(View->EditRowEntries(0, 0, 0), mrNone);
  EXPECT_EQ(View->EditRowEntries(9, 0, 0), mrNone);
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace rlviewtest
