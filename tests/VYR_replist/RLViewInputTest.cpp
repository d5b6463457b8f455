// Input of the report list view: which cells may be edited, the in-place
// editor's text around check markers, cursor keys selecting the row they
// reach, Enter moving on with AutoAdvance, and the wheel left to the
// application.
#include <string>

#include "RLViewTestUtil.h"
#include "platform/Winapi.h"

namespace rlviewtest {
namespace {

class InputTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(3);
    View->SetNrOfRows(10);
    View->SetHeight(300);
    Form->Show();
  }
  // Cell editing needs single cells, not whole rows.
  void AllowCellEditing(int Col) {
    View->SetOptions(View->Options() >> goRowSelect);
    View->SetColumnEditable(Col, true);
  }
  void MoveTo(int Col, int Row) {
    View->SetCol(Col - 1);
    View->SetRow(Row + View->FixedRows() - 1);
  }
};

TEST_F(InputTest, EditingFollowsTheColumnsEditableFlag) {
  AllowCellEditing(2);
  MoveTo(2, 3);
  EXPECT_TRUE(View->Options().Contains(goEditing));
  MoveTo(1, 3);
  EXPECT_FALSE(View->Options().Contains(goEditing));
  headless::KeyDown(View, VK_F2);
  EXPECT_FALSE(View->EditorMode());
  int asked = 0;
  View->SetOnSelectCell([&](TObject* Sender, int ACol, int, bool& CanSelect) {
    EXPECT_EQ(Sender, View);
    ++asked;
    CanSelect = ACol != 2;  // the application keeps the cursor out of column 3
  });
  MoveTo(3, 3);
  EXPECT_GE(asked, 1);
  EXPECT_EQ(View->Col(), 0);
}

TEST_F(InputTest, TheEditorShowsACheckCellWithoutItsMarkerAndKeepsTheState) {
  View->SetColumnCheckMode(2, vyr::cmBox);
  View->SetElem(2, 3, u"abc");
  View->SetElemChecked(2, 3, true);
  View->SetElem(2, 4, u"def");
  AllowCellEditing(2);
  std::vector<std::string> events;
  View->SetOnGetEditText([&](TObject*, int ACol, int ARow, String& Text) {
    events.push_back("get " + std::to_string(ACol) + "," + std::to_string(ARow));
    Text += u"!";
  });
  View->SetOnSetEditText([&](TObject*, int ACol, int ARow, const String& Value) {
    events.push_back("set " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                     ToUTF8(Value));
  });
  MoveTo(2, 3);
  headless::KeyDown(View, VK_F2);
  ASSERT_TRUE(View->EditorMode());
  EXPECT_EQ(View->InplaceEditor()->Text(), u"abc!");
  headless::Type(View->InplaceEditor(), u"?");
  headless::KeyDown(View->InplaceEditor(), VK_RETURN);
  EXPECT_FALSE(View->EditorMode());
  // The grid column (0-based) and the data row reach the events.
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events.front(), "get 1,3");
  EXPECT_EQ(events.back(), "set 1,3 abc!?");
  EXPECT_EQ(View->Elem(2, 3), u"abc!?");
  EXPECT_TRUE(View->ElemChecked(2, 3));
  MoveTo(2, 4);  // unchecked stays unchecked
  headless::KeyDown(View, VK_F2);
  headless::KeyDown(View->InplaceEditor(), VK_RETURN);
  EXPECT_EQ(View->Elem(2, 4), u"def!");
  EXPECT_FALSE(View->ElemChecked(2, 4));
  MoveTo(2, 5);  // an empty check cell is unchecked, and stays so
  headless::KeyDown(View, VK_F2);
  headless::KeyDown(View->InplaceEditor(), VK_RETURN);
  EXPECT_EQ(View->Elem(2, 5), u"!");
  EXPECT_FALSE(View->ElemChecked(2, 5));
}

TEST_F(InputTest, EditedTextIsCutToTheCellLimit) {
  AllowCellEditing(1);
  MoveTo(1, 2);
  headless::KeyDown(View, VK_F2);
  ASSERT_TRUE(View->EditorMode());
  View->InplaceEditor()->SetText(String(300, u'w'));
  headless::KeyDown(View->InplaceEditor(), VK_RETURN);
  EXPECT_EQ(View->Elem(1, 2).size(), 255u);
}

TEST_F(InputTest, CursorKeysSelectTheRowTheyReach) {
  View->SetRowSelectMode(2);
  View->SetRowSelected(2, true);
  View->SetRowSelected(5, true);
  MoveTo(1, 5);
  std::vector<std::uint16_t> keys;
  int changes = 0;
  View->SetOnCursorKeyAction([&](TObject* Sender, std::uint16_t Key) {
    EXPECT_EQ(Sender, View);
    keys.push_back(Key);
  });
  View->SetOnSelectedChange([&](TObject*) { ++changes; });
  headless::KeyDown(View, VK_DOWN);
  EXPECT_EQ(SelectedRows(), std::vector<int>{6});
  headless::KeyDown(View, VK_HOME, {ssCtrl});
  EXPECT_EQ(SelectedRows(), std::vector<int>{1});
  headless::KeyDown(View, VK_F5);  // not a cursor key: nothing
  EXPECT_EQ(keys, (std::vector<std::uint16_t>{VK_DOWN, VK_HOME}));
  EXPECT_EQ(changes, 2);
  auto shot = Shot();
  EXPECT_EQ(Background(shot, 2, 1), View->ColorSelectedRow());
  EXPECT_NE(Background(shot, 2, 2), View->ColorSelectedRow());
}

TEST_F(InputTest, EnterMovesDownOnlyWithAutoAdvance) {
  MoveTo(1, 3);
  headless::KeyDown(View, VK_RETURN);
  headless::KeyPress(View, u'\r');
  EXPECT_EQ(View->Row(), 3);
  View->SetAutoAdvance(true);
  headless::KeyDown(View, VK_RETURN);
  headless::KeyPress(View, u'\r');
  EXPECT_EQ(View->Row(), 4);
  EXPECT_TRUE(View->RowSelected(4));
  headless::KeyPress(View, u'a');
  EXPECT_EQ(View->Row(), 4);
}

TEST_F(InputTest, TheWheelOnlyFiresTheApplicationsEvents) {
  MoveTo(1, 3);
  int downs = 0, ups = 0;
  View->SetOnMouseWheelDown([&](TObject* Sender, TShiftState, TPoint, bool& Handled) {
    EXPECT_EQ(Sender, View);
    EXPECT_FALSE(Handled);
    ++downs;
  });
  View->SetOnMouseWheelUp([&](TObject*, TShiftState, TPoint, bool&) { ++ups; });
  headless::Wheel(View, -120, {}, 30, 60);
  headless::Wheel(View, -120, {}, 30, 60);
  headless::Wheel(View, 120, {}, 30, 60);
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(View->Row(), 3);
}

}  // namespace
}  // namespace rlviewtest
