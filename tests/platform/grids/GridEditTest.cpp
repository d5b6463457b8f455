// The in-place editor: when it opens, what it shows, how it closes, and
// the pick list of TInplaceEditList.
#include "GridTestUtil.h"
#include "platform/Classes.h"

namespace gridtest {
namespace {

class EditTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetOptions(Grid->Options() << goEditing);
  }
  void Key(std::uint16_t K, TShiftState S = {}) { headless::KeyDown(Grid, K, S); }
  TInplaceEdit* Editor() const { return Grid->InplaceEditor(); }
};

TEST_F(EditTest, WithoutGoEditingNothingOpens) {
  Grid->SetOptions(Grid->Options() >> goEditing);
  Key(VK_F2);
  headless::Type(Grid, u"\r");
  headless::Type(Grid, u"x");
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(Editor(), nullptr);
  Grid->SetEditorMode(true);
  EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(EditTest, F2OpensTheEditorOverTheCellWithTheCellsText) {
  Key(VK_F2);
  ASSERT_TRUE(Grid->EditorMode());
  ASSERT_NE(Editor(), nullptr);
  EXPECT_TRUE(Editor()->Visible());
  EXPECT_EQ(Editor()->Text(), u"c1r1");
  EXPECT_EQ(Editor()->BoundsRect(), Grid->CellRect(1, 1));
  EXPECT_EQ(FocusedControl(), Editor());
  EXPECT_EQ(Editor()->SelLength(), 0);  // F2 puts the caret at the end
  EXPECT_EQ(Editor()->SelStart(), 4);
}

TEST_F(EditTest, EnterOpensAndEnterStores) {
  headless::Type(Grid, u"\r");
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Editor()->SelLength(), 4);  // all selected: typing replaces
  headless::Type(Editor(), u"new");
  headless::KeyDown(Editor(), VK_RETURN);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_FALSE(Editor()->Visible());
  ASSERT_EQ(Grid->Stored.size(), 1u);
  EXPECT_EQ(Grid->Stored[0].first, (TGridCoord{1, 1}));
  EXPECT_EQ(Grid->Stored[0].second, u"new");
  EXPECT_EQ(FocusedControl(), Grid);
}

TEST_F(EditTest, EscapeDiscardsWhatWasTyped) {
  Key(VK_F2);
  headless::Type(Editor(), u"zz");
  EXPECT_EQ(Editor()->Text(), u"c1r1zz");
  Key(VK_ESCAPE);  // reaches the grid, which hands it to the editor
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_TRUE(Grid->Stored.empty());
  // A new opening shows the cell's text again.
  Key(VK_F2);
  EXPECT_EQ(Editor()->Text(), u"c1r1");
}

TEST_F(EditTest, ATypedCharacterOpensTheEditorWithIt) {
  headless::Type(Grid, u"q");
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Editor()->Text(), u"q");
  headless::Type(Grid, u"r");  // keys reaching the grid go on to the editor
  EXPECT_EQ(Editor()->Text(), u"qr");
  headless::KeyDown(Grid, VK_BACK);
  EXPECT_EQ(Editor()->Text(), u"q");
  Key(VK_RETURN);
  ASSERT_EQ(Grid->Stored.size(), 1u);
  EXPECT_EQ(Grid->Stored[0].second, u"q");
}

TEST_F(EditTest, MovingToAnotherCellStoresAndReopensWithAlwaysShowEditor) {
  Key(VK_F2);
  headless::Type(Editor(), u"!");
  headless::KeyDown(Editor(), VK_DOWN);
  EXPECT_EQ(Grid->Row(), 2);
  EXPECT_FALSE(Grid->EditorMode());
  ASSERT_EQ(Grid->Stored.size(), 1u);
  EXPECT_EQ(Grid->Stored[0].second, u"c1r1!");
  Grid->SetOptions(Grid->Options() << goAlwaysShowEditor);
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Editor()->Text(), u"c1r2");
  Key(VK_RIGHT);  // at the end of an all-selected text Right leaves the cell
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Editor()->Text(), u"c2r2");
  EXPECT_EQ(Grid->Stored.size(), 2u);
}

TEST_F(EditTest, RowSelectAndReadOnlyCellsKeepTheEditorClosedOrUnchanged) {
  Grid->SetOptions(Grid->Options() << goRowSelect);
  Key(VK_F2);
  EXPECT_FALSE(Grid->EditorMode());
  Grid->SetOptions(Grid->Options() >> goRowSelect);
  Grid->Editable = false;
  Key(VK_F2);
  ASSERT_TRUE(Grid->EditorMode());
  headless::Type(Editor(), u"abc");
  EXPECT_EQ(Editor()->Text(), u"c1r1");
}

TEST_F(EditTest, AClickOnTheCurrentCellOpensTheEditor) {
  TRect r = Grid->CellRect(2, 2);
  headless::Click(Grid, r.Left + 5, r.Top + 5);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(Grid->Col(), 2);
  headless::Click(Grid, r.Left + 5, r.Top + 5);
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Editor()->Text(), u"c2r2");
}

TEST_F(EditTest, APickListDropsDownAndTakesTheChosenItem) {
  Grid->ListEditor = true;
  Grid->Style = esPickList;
  Key(VK_F2);
  auto* list = dynamic_cast<TInplaceEditList*>(Editor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->EditStyle(), esPickList);
  list->SetDropDownRows(2);
  list->SetOnGetPickListItems([](TObject*, int ACol, int ARow, TStrings* Items) {
    Items->Add(u"red");
    Items->Add(u"green");
    Items->Add(u"blue " + FromUTF8(std::to_string(ACol * 10 + ARow)));
  });
  headless::KeyDown(list, VK_DOWN, {ssAlt});
  ASSERT_TRUE(list->ListVisible());
  TPopupListbox* popup = list->ActiveList();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->Height(), 2 * popup->ItemHeight() + 2);  // DropDownRows lines
  EXPECT_EQ(popup->ItemIndex(), -1);
  headless::KeyDown(list, VK_DOWN);
  headless::KeyDown(list, VK_DOWN);
  headless::KeyDown(list, VK_DOWN);
  EXPECT_EQ(popup->ItemIndex(), 2);
  headless::KeyDown(list, VK_RETURN);
  EXPECT_FALSE(list->ListVisible());
  EXPECT_EQ(list->Text(), u"blue 11");
  EXPECT_TRUE(Grid->EditorMode());  // Enter only closed the list
  headless::KeyDown(list, VK_RETURN);
  ASSERT_EQ(Grid->Stored.size(), 1u);
  EXPECT_EQ(Grid->Stored[0].second, u"blue 11");
}

// The pick list pages as the combo box's list does: a page is the rows shown
// less one, and the highlight stays in view.
TEST_F(EditTest, APickListPagesByTheRowsShownLessOne) {
  Grid->ListEditor = true;
  Grid->Style = esPickList;
  Key(VK_F2);
  auto* list = dynamic_cast<TInplaceEditList*>(Editor());
  ASSERT_NE(list, nullptr);
  list->SetDropDownRows(4);
  for (int i = 0; i < 10; ++i) list->PickList()->Add(u"item " + IntToStr(i));
  headless::KeyDown(list, VK_F4);
  TPopupListbox* popup = list->ActiveList();
  ASSERT_NE(popup, nullptr);
  struct Step { std::uint16_t Key; int Item, Top; };
  const Step steps[] = {{VK_DOWN, 0, 0}, {VK_NEXT, 3, 0}, {VK_NEXT, 6, 3},
                        {VK_NEXT, 9, 6}, {VK_PRIOR, 6, 6}, {VK_UP, 5, 5}};
  for (const Step& s : steps) {
    headless::KeyDown(list, s.Key);
    EXPECT_EQ(popup->ItemIndex(), s.Item) << "key " << s.Key;
    EXPECT_EQ(popup->TopIndex(), s.Top) << "key " << s.Key;
  }
  EXPECT_TRUE(list->ListVisible());
}

TEST_F(EditTest, TheListButtonAndAClickOnAnItem) {
  Grid->ListEditor = true;
  Grid->Style = esPickList;
  Key(VK_F2);
  auto* list = dynamic_cast<TInplaceEditList*>(Editor());
  ASSERT_NE(list, nullptr);
  list->PickList()->Add(u"one");
  list->PickList()->Add(u"two");
  TRect button(list->Width() - list->ButtonWidth(), 0, list->Width(), list->Height());
  headless::Click(list, button.Left + 3, 3);
  ASSERT_TRUE(list->ListVisible());
  TPopupListbox* popup = list->ActiveList();
  int h = popup->ItemHeight();
  headless::Click(popup, 5, 1 + h + h / 2);
  EXPECT_FALSE(list->ListVisible());
  EXPECT_EQ(list->Text(), u"two");
  // Escape closes an open list first, the editor only then.
  headless::Click(list, button.Left + 3, 3);
  ASSERT_TRUE(list->ListVisible());
  headless::KeyDown(list, VK_ESCAPE);
  EXPECT_FALSE(list->ListVisible());
  EXPECT_TRUE(Grid->EditorMode());
  // Closing the editor takes an open list along.
  headless::Click(list, button.Left + 3, 3);
  ASSERT_TRUE(list->ListVisible());
  Grid->SetEditorMode(false);
  EXPECT_FALSE(list->ListVisible());
  EXPECT_FALSE(popup->Visible());
  ASSERT_EQ(Grid->Stored.size(), 1u);
  EXPECT_EQ(Grid->Stored[0].second, u"two");
}

TEST_F(EditTest, AnEllipsisButtonFiresItsEvent) {
  Grid->ListEditor = true;
  Grid->Style = esEllipsis;
  Key(VK_F2);
  auto* list = dynamic_cast<TInplaceEditList*>(Editor());
  ASSERT_NE(list, nullptr);
  TObject* sender = nullptr;
  list->SetOnEditButtonClick([&](TObject* S) { sender = S; });
  headless::Click(list, list->Width() - 3, 3);
  EXPECT_EQ(sender, Grid);
  EXPECT_FALSE(list->ListVisible());
}

}  // namespace
}  // namespace gridtest
