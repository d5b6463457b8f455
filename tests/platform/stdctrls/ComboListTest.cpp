// Combo boxes and list boxes: selection by keys, mouse and the drop-down
// list (an in-memory window on the headless host, clicked as any control),
// the events that follow, the edit field of csDropDown, owner drawing,
// form files. The list's scrolling and keys: ComboDropDownTest.cpp.
#include "platform/StdCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

class ComboTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    combo = Make<TComboBox>(20, 40);
    for (const char16_t* s : {u"red", u"green", u"blue", u"gray"}) combo->Items()->Add(s);
    combo->SetOnChange([this](TObject*) { log += "change "; });
    combo->SetOnClick([this](TObject*) { log += "click "; });
    combo->SetOnDropDown([this](TObject*) { log += "drop "; });
    combo->SetOnCloseUp([this](TObject*) { log += "close "; });
  }
  // Drops the list down with a click on the button and clicks item Pick
  // in it (a press outside when Pick is -1).
  void PickFromList(int Pick) {
    TRect b = combo->ButtonRect();
    headless::Click(combo, b.Left + 3, b.Top + 3);
    TComboListBox* list = combo->DropDownList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(headless::ShownDropDown(), list);
    listCount = list->Count();
    at = list->BoundsRect().TopLeft();
    if (Pick < 0) {
      headless::PressOutsideDropDown();
      return;
    }
    TRect r = list->ItemRect(Pick);
    headless::Click(list, r.Left + 5, (r.Top + r.Bottom) / 2);
  }
  TComboBox* combo = nullptr;
  std::string log;
  int listCount = -1;
  TPoint at;
};

TEST_F(ComboTest, Defaults) {
  TComboBox fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 145);
  EXPECT_EQ(fresh.Height(), 21);
  EXPECT_EQ(fresh.Style(), csDropDown);
  EXPECT_EQ(fresh.DropDownCount(), 8);
  EXPECT_EQ(fresh.ItemIndex(), -1);
  EXPECT_TRUE(fresh.TabStop());
}

TEST_F(ComboTest, PickingFromTheDroppedListSelectsAndReports) {
  combo->SetStyle(csDropDownList);
  PickFromList(2);
  EXPECT_EQ(listCount, 4);
  EXPECT_EQ(at, combo->ClientToScreen(Point(0, combo->Height())));
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), u"blue");
  EXPECT_EQ(log, "drop click change close ");
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->DropDownList(), nullptr);
  EXPECT_EQ(headless::ShownDropDown(), nullptr);
  log.clear();
  PickFromList(-1);  // closed without a choice
  EXPECT_EQ(log, "drop close ");
  EXPECT_EQ(combo->ItemIndex(), 2);
  log.clear();
  PickFromList(2);  // the item already selected: no change to report
  EXPECT_EQ(log, "drop close ");
}

TEST_F(ComboTest, OnSelectReplacesOnChangeForSelections) {
  combo->SetStyle(csDropDownList);
  combo->SetOnSelect([this](TObject*) { log += "select "; });
  headless::KeyDown(combo, VK_DOWN);
  EXPECT_EQ(log, "click select ");
}

TEST_F(ComboTest, KeysMoveTheSelectionInTheListStyles) {
  combo->SetStyle(csDropDownList);
  headless::KeyDown(combo, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 0);
  headless::KeyDown(combo, VK_END);
  EXPECT_EQ(combo->ItemIndex(), 3);
  headless::KeyDown(combo, VK_DOWN);  // already last: nothing
  headless::KeyDown(combo, VK_UP);
  EXPECT_EQ(combo->Text(), u"blue");
  headless::Type(combo, u"g");  // the next item starting with g, wrapping
  EXPECT_EQ(combo->Text(), u"gray");
  headless::Type(combo, u"g");
  EXPECT_EQ(combo->Text(), u"green");
  EXPECT_EQ(log, "click change click change click change click change click change ");
  log.clear();
  headless::KeyDown(combo, VK_F4);
  EXPECT_EQ(log, "drop ");
  EXPECT_TRUE(combo->DroppedDown());
  headless::KeyDown(combo, VK_ESCAPE);
  EXPECT_EQ(log, "drop close ");
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboTest, CodeSetsSelectionAndTextWithoutEvents) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), u"green");
  combo->SetText(u"BLUE");  // the list styles take the item of that text
  EXPECT_EQ(combo->ItemIndex(), 2);
  combo->SetText(u"pink");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), u"");
  combo->SetItemIndex(9);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(3);
  combo->Items()->Delete(3);  // the selected item goes
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log, "");
}

TEST_F(ComboTest, TheEditFieldTakesTypedTextAndReportsEachChange) {
  headless::Type(combo, u"gre");
  EXPECT_EQ(combo->Text(), u"gre");
  EXPECT_EQ(combo->ItemIndex(), -1);
  headless::Type(combo, u"en");
  EXPECT_EQ(combo->ItemIndex(), 1);  // the text of an item
  headless::Type(combo, u"\b");
  EXPECT_EQ(combo->Text(), u"gree");
  EXPECT_EQ(log, "change change change change change change ");
  log.clear();
  combo->SetText(u"free text");
  EXPECT_EQ(log, "");
  EXPECT_EQ(combo->Text(), u"free text");
  headless::KeyDown(combo, VK_DOWN);  // arrows still walk the items
  EXPECT_EQ(combo->Text(), u"red");
  EXPECT_EQ(combo->SelText(), u"red");
}

TEST_F(ComboTest, EnteringTheEditFieldByKeyboardSelectsItsText) {
  combo->SetText(u"abc");
  auto* other = Make<TEdit>(20, 100);
  other->SetFocus();
  combo->SetFocus();
  EXPECT_EQ(combo->SelLength(), 3);
}

// Draws each item as a band of a color kept as the item's object.
class TColorCombo : public TComboBox {
 public:
  using TComboBox::TComboBox;
  std::vector<TOwnerDrawState> States;
  std::vector<TRect> Rects;

 protected:
  void DrawItem(int Index, const TRect& R, TOwnerDrawState State) override {
    States.push_back(State);
    Rects.push_back(R);
    Canvas()->Brush()->SetColor(Index == 0 ? clRed : clBlue);
    Canvas()->FillRect(R);
  }
};

TEST_F(ComboTest, OwnerDrawnItemsDrawInTheFaceAndInTheList) {
  auto* c = Make<TColorCombo>(20, 100);
  c->SetStyle(csOwnerDrawFixed);
  EXPECT_EQ(c->Height(), c->ItemHeight() + 6);
  c->Items()->Add(u"first");
  c->Items()->Add(u"second");
  c->SetItemIndex(1);
  auto shot = headless::Snapshot(c);
  TRect r = c->ItemRect();
  EXPECT_EQ(PixelAt(shot, r.Left + 2, r.Top + 2), clBlue);
  ASSERT_FALSE(c->States.empty());
  EXPECT_TRUE(c->States.back().Contains(odComboBoxEdit));
  EXPECT_EQ(c->Rects.back(), r);
  headless::KeyDown(c, VK_F4);
  TComboListBox* list = c->DropDownList();
  ASSERT_NE(list, nullptr);
  auto listShot = headless::Snapshot(list);
  TRect first = list->ItemRect(0);
  EXPECT_EQ(PixelAt(listShot, first.Left + 3, first.Top + 3), clRed);
  EXPECT_EQ(c->Rects.back(), list->ItemRect(1));  // in the list's coordinates
  EXPECT_TRUE(c->States.back().Contains(odSelected));  // the selected item is highlighted
}

TEST_F(ComboTest, OnDrawItemServesOwnerDrawingWithoutASubclass) {
  combo->SetStyle(csOwnerDrawFixed);
  int calls = 0;
  combo->SetOnDrawItem([&](TWinControl* sender, int index, TRect, TOwnerDrawState) {
    EXPECT_EQ(sender, combo);
    EXPECT_EQ(index, 0);
    ++calls;
  });
  combo->SetItemIndex(0);
  headless::Snapshot(combo);
  EXPECT_GE(calls, 1);
}

TEST_F(ComboTest, AFocusedListComboShowsItsItemHighlighted) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  combo->SetFocus();
  auto shot = headless::Snapshot(combo);
  TRect r = combo->ItemRect();
  EXPECT_EQ(PixelAt(shot, r.Right - 3, r.Top + 2), Shown(clHighlight));
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clBtnShadow));  // the sunken border
}

TEST_F(ComboTest, FormFilesKeepStyleItemsAndSelection) {
  combo->SetName(u"Combo1");
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(2);
  combo->SetDropDownCount(5);
  String text = WriteComponentToText(combo);
  std::unique_ptr<TComponent> back(ReadComponentFromText(text));
  auto* read = dynamic_cast<TComboBox*>(back.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Style(), csDropDownList);
  EXPECT_EQ(read->Items()->Count(), 4);
  EXPECT_EQ(read->ItemIndex(), 2);
  EXPECT_EQ(read->Text(), u"blue");
  EXPECT_EQ(read->DropDownCount(), 5);
}

// ---------------------------------------------------------------- list box

class ListBoxTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    list = Make<TListBox>(10, 10);
    for (int i = 0; i < 20; ++i) list->Items()->Add(u"item " + IntToStr(i));
    list->SetOnClick([this](TObject*) { ++clicks; });
  }
  TListBox* list = nullptr;
  int clicks = 0;
};

TEST_F(ListBoxTest, ClicksAndKeysSelectAndReport) {
  EXPECT_EQ(list->Width(), 121);
  EXPECT_EQ(list->Height(), 97);
  TRect third = list->ItemRect(2);
  headless::Click(list, third.Left + 5, third.Top + 1);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  headless::KeyDown(list, VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 3);
  headless::KeyDown(list, VK_END);
  EXPECT_EQ(list->ItemIndex(), 19);
  EXPECT_GT(list->TopIndex(), 0);  // scrolled to show it
  EXPECT_EQ(clicks, 3);
  list->SetItemIndex(0);
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(clicks, 3);
  headless::Type(list, u"i");
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(ListBoxTest, TheSelectedItemIsHighlightedAndTheBarShows) {
  list->SetItemIndex(1);
  auto shot = headless::Snapshot(list);
  TRect r = list->ItemRect(1);
  EXPECT_EQ(PixelAt(shot, r.Right - 2, r.Top + 1), Shown(clHighlight));
  TRect other = list->ItemRect(3);
  EXPECT_EQ(PixelAt(shot, other.Right - 2, other.Top + 1), Shown(clWindow));
  EXPECT_LT(r.Right, list->Width() - 17);  // room for the scroll bar
  EXPECT_EQ(list->ItemAtPos(Point(5, r.Top + 1), true), 1);
  EXPECT_EQ(list->ItemAtPos(Point(5, 500), true), -1);
  EXPECT_EQ(list->ItemAtPos(Point(5, 500), false), 19);
}

TEST_F(ListBoxTest, TheWheelScrolls) {
  headless::Wheel(list, -WHEEL_DELTA, {}, 5, 5);
  EXPECT_EQ(list->TopIndex(), 3);
  list->Items()->Clear();
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

}  // namespace
}  // namespace stdtest
