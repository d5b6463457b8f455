// Working the table editor with keys and mouse on the headless host: when
// the in-place editor opens, what it stores, locked cells, auto-advance,
// the pick list of nominal columns, the head editor and the comment memo.
#include <gtest/gtest.h>

#include "NTabEdSupport.h"
#include "platform/Winapi.h"

namespace ntabedtest {
namespace {

class InputTest : public NTabEdTest {
 protected:
  void SetUp() override {
    NTabEdTest::SetUp();
    Form->Show();
  }
  bool EditorOpen() const {
    return Ed->InplaceEditor() != nullptr && Ed->InplaceEditor()->Visible() && Ed->EditorMode();
  }
  vyr::TNTabEd* E() { return Ed; }
  // Types Text into cell (c, r) (selected with two clicks) and presses Enter.
  void TypeInto(int C, int R, const String& Text) {
    ClickCell(C, R);
    headless::Type(Ed, Text);
    headless::Type(Ed, u"\r");
  }
};

TEST_F(InputTest, SecondPressOnTheSameCellOpensTheEditor) {
  ClickCell(2, 2);
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(Ed->Col(), GridOf(2, 2).X);
  ClickCell(2, 2);
  EXPECT_TRUE(EditorOpen());
  ClickCell(3, 3);  // another cell: only selected
  EXPECT_FALSE(EditorOpen());

  Ed->SetDataReadOnly(true);
  EXPECT_FALSE(Ed->Options().Contains(goEditing));
  ClickCell(1, 1);
  ClickCell(1, 1);
  EXPECT_FALSE(EditorOpen());
  headless::Type(Ed, u"5");
  EXPECT_FALSE(EditorOpen());
  Ed->SetDataReadOnly(false);
  EXPECT_TRUE(Ed->Options().Contains(goEditing));
}

TEST_F(InputTest, TypedTextsAreStored) {
  struct Case {
    const char16_t* Typed;
    double Value;
    bool Invalid;
  };
  for (const Case& c : {Case{u"3,25", 3.25, false}, Case{u"-1.5e3", -1500, false},
                        Case{u"abc", 9, true}, Case{u" 42 ", 42, false}}) {
    Ed->SetElem(2, 3, 9);
    Ed->SetCellState(2, 3, vyr::csMarkA);
    TypeInto(2, 3, c.Typed);
    EXPECT_EQ(Ed->Elem(2, 3), c.Value) << String(c.Typed).size();
    EXPECT_EQ((Ed->CellState(2, 3) & vyr::csNoNumber) != 0, c.Invalid);
    EXPECT_TRUE(Ed->ElemMarkedA(2, 3));  // the other bits stay
  }
}

TEST_F(InputTest, OpeningAndClosingTheEditorKeepsTheValue) {
  Ed->SetElem(1, 1, 1.23456789);
  Ed->SetCellState(1, 1, vyr::csNoNumber);
  ClickCell(1, 1);
  ClickCell(1, 1);
  ASSERT_TRUE(EditorOpen());
  EXPECT_EQ(Ed->InplaceEditor()->Text(), u"1.235");
  headless::Type(Ed, u"\r");
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(Ed->Elem(1, 1), 1.23456789);
  EXPECT_EQ(Ed->CellState(1, 1), vyr::csNoNumber);
}

TEST_F(InputTest, EditTextEventsUseGridCoordinates) {
  std::vector<TGridCoord> got, set;
  Ed->SetOnGetEditText([&](TObject*, int C, int R, String& Text) {
    got.push_back({C, R});
    Text.assign(1, u'7');
  });
  Ed->SetOnSetEditText([&](TObject*, int C, int R, const String&) { set.push_back({C, R}); });
  ClickCell(1, 2);
  ClickCell(1, 2);
  ASSERT_TRUE(EditorOpen());
  EXPECT_EQ(Ed->InplaceEditor()->Text(), u"7");
  headless::Type(Ed, u"8\r");
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.back(), GridOf(1, 2));
  ASSERT_FALSE(set.empty());
  EXPECT_EQ(set.back(), GridOf(1, 2));
  EXPECT_EQ(Ed->Elem(1, 2), 8.0);
}

TEST_F(InputTest, LockedCellsTakeOnlyMovingKeys) {
  Ed->Redimension(3, 40);
  Ed->SetCellState(2, 2, vyr::csLocked);
  ClickCell(2, 2);
  ClickCell(2, 2);
  EXPECT_FALSE(EditorOpen());
  headless::Type(Ed, u"5");
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(Ed->Elem(2, 2), 0.0);
  headless::KeyDown(Ed, VK_NEXT);
  EXPECT_EQ(Ed->Row(), GridOf(2, 2).Y);  // Page Down dropped
  headless::KeyDown(Ed, VK_RIGHT);
  EXPECT_EQ(Ed->Col(), GridOf(3, 2).X);
  headless::KeyDown(Ed, VK_LEFT);
  headless::Type(Ed, u"\r");  // Enter moves on
  EXPECT_EQ(Ed->Row(), GridOf(2, 3).Y);
  EXPECT_FALSE(EditorOpen());
}

TEST_F(InputTest, EnterAdvancesInItsDirection) {
  int selections = 0;
  Ed->SetOnSelectionChanged(Counter(selections));
  ClickCell(1, 1);
  EXPECT_EQ(selections, 1);  // the press moved the selection
  selections = 0;
  ClickCell(1, 1);
  EXPECT_EQ(selections, 0);  // the same cell again
  headless::Type(Ed, u"\r");
  EXPECT_EQ(Ed->Row(), GridOf(1, 2).Y);
  EXPECT_EQ(selections, 1);
  Ed->SetAutoAdvanceDir(vyr::orHorizontal);
  headless::Type(Ed, u"\r");
  EXPECT_EQ(Ed->Col(), GridOf(2, 2).X);
  Ed->SetAutoAdvance(false);
  headless::Type(Ed, u"\r");
  EXPECT_EQ(Ed->Col(), GridOf(2, 2).X);
  EXPECT_EQ(Ed->Row(), GridOf(2, 2).Y);
}

TEST_F(InputTest, EscapeDropsTheTypedText) {
  Ed->SetElem(3, 1, 4);
  ClickCell(3, 1);
  headless::Type(Ed, u"99");
  ASSERT_TRUE(EditorOpen());
  headless::KeyDown(Ed, VK_ESCAPE);
  headless::KeyPress(Ed, 0x1B);
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(Ed->Elem(3, 1), 4.0);
}

// A structure change closes the editor first, storing into the cell it
// was opened on, which then moves with its row.
TEST_F(InputTest, StructureChangesCloseTheEditor) {
  ClickCell(2, 3);
  headless::Type(Ed, u"5");
  ASSERT_TRUE(EditorOpen());
  Ed->InsertRow(1);
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(Ed->Elem(2, 4), 5.0);
  EXPECT_EQ(Ed->Elem(2, 3), 0.0);
  ClickCell(1, 1);
  headless::Type(Ed, u"7");
  ASSERT_TRUE(EditorOpen());
  Ed->Clear();  // the typed text belonged to the old contents
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(Ed->Elem(1, 1), 0.0);
}

// The wheel moves the current row as the grid does; the editor then
// reports the changed selection once per step and shows the new cell in
// the corner.
TEST_F(InputTest, WheelMovesTheCellCursor) {
  Ed->SetNrOfRows(30);
  int changes = 0;
  Ed->SetOnSelectionChanged(Counter(changes));
  ClickCell(2, 1);
  changes = 0;
  const TPoint p = Inside(2, 3);
  headless::Wheel(Ed, -120, {}, p.X, p.Y);
  const int row = Ed->Row() - (Ed->AttribColVisible() ? 1 : 0);
  EXPECT_GT(row, 1);
  EXPECT_EQ(changes, 1);
  headless::Wheel(Ed, 120, {}, p.X, p.Y);
  EXPECT_EQ(Ed->Row(), GridOf(2, 1).Y);
  EXPECT_EQ(changes, 2);
  headless::Wheel(Ed, 120, {}, p.X, p.Y);  // already at the top: no change
  EXPECT_EQ(changes, 2);
}

TEST_F(InputTest, TabReachesTheGrid) {
  EXPECT_NE(Ed->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
}

class NominalTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    Ed->Data->SetMScaleType(2, vyr::mstNominal);
    Ed->Data->SetNominalID(2, 5, u"green");
    Ed->Data->SetNominalID(2, 2, u"red");
    Ed->Data->SetNominalID(2, 9, u"blue");
  }
};

TEST_F(NominalTest, PickListHoldsTheIdentifiersByOrdinal) {
  Ed->SetElem(2, 1, 5);
  ClickCell(2, 1);
  ClickCell(2, 1);
  ASSERT_TRUE(EditorOpen());
  auto* list = dynamic_cast<TInplaceEditList*>(Ed->InplaceEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->EditStyle(), esPickList);
  EXPECT_EQ(list->Text(), u"green");
  list->DropDown();
  ASSERT_TRUE(list->ListVisible());
  TStrings* items = list->ActiveList()->Items();
  ASSERT_EQ(items->Count(), 3);
  EXPECT_EQ(items->Strings(0), u"red");
  EXPECT_EQ(items->Strings(1), u"green");
  EXPECT_EQ(items->Strings(2), u"blue");
  list->ActiveList()->SetItemIndex(2);
  list->CloseUp(true);
  Ed->SetCellState(2, 1, 0xFF);  // every bit goes with an identifier
  headless::Type(Ed, u"\r");
  EXPECT_EQ(Ed->Elem(2, 1), 9.0);
  EXPECT_EQ(Ed->CellState(2, 1), 0);
}

TEST_F(NominalTest, TypedIdentifiersAndIntegers) {
  struct Case {
    const char16_t* Typed;
    double Value;
    bool Invalid;
  };
  for (const Case& c : {Case{u"RED", 2, false}, Case{u"7", 7, false}, Case{u"2.5", 7, true},
                        Case{u"purple", 7, true}}) {
    TypeInto(2, 2, c.Typed);
    EXPECT_EQ(Ed->Elem(2, 2), c.Value) << String(c.Typed).size();
    EXPECT_EQ((Ed->CellState(2, 2) & vyr::csNoNumber) != 0, c.Invalid);
  }
  Ed->SetCellState(2, 2, 0);
  ClickCell(2, 2);
  ClickCell(2, 2);
  EXPECT_EQ(Ed->InplaceEditor()->Text(), u"7");  // no identifier: the integer
  EXPECT_EQ(dynamic_cast<TInplaceEditList*>(Ed->InplaceEditor())->EditStyle(), esPickList);
  ClickCell(1, 2);
  ClickCell(1, 2);
  EXPECT_EQ(dynamic_cast<TInplaceEditList*>(Ed->InplaceEditor())->EditStyle(), esSimple);
}

TEST_F(NominalTest, DropDownRowsFollowTheProperty) {
  ClickCell(2, 1);
  ClickCell(2, 1);
  auto* list = dynamic_cast<TInplaceEditList*>(Ed->InplaceEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->DropDownRows(), 8);
  Ed->SetNomEditDropDownCount(3);
  EXPECT_EQ(list->DropDownRows(), 3);
}

// ---------------------------------------------------------------- head editor

class HeadEditorTest : public InputTest {
 protected:
  // Opens the head editor over a grid cell through the head popup.
  void EditHead(int GCol, int GRow) {
    ClickOnPopup(u"HIt1");
    TRect r = Ed->CellRect(GCol, GRow);
    RightPress(r.Left + 5, r.Top + 5);
    headless::SetPopupHandler(nullptr);
  }
};

TEST_F(HeadEditorTest, AttributesAreLimitedAndRounded) {
  Ed->SetAttribColVisible(true);
  struct Case {
    const char16_t* Typed;
    int Stored;
  };
  for (const Case& c : {Case{u"300", 255}, Case{u"-4", 0}, Case{u"2.5", 2}, Case{u"3,5", 4},
                        Case{u"x", 4}}) {
    EditHead(GridOf(2, 1).X, 1);
    ASSERT_TRUE(Ed->NameEdActive());
    Ed->NameEditor()->SetText(c.Typed);
    headless::Type(Ed->NameEditor(), u"\r");
    EXPECT_FALSE(Ed->NameEdActive());
    EXPECT_EQ(Ed->ColAttrib(2), c.Stored) << String(c.Typed).size();
  }
}

TEST_F(HeadEditorTest, NamesAndTheirEvents) {
  Ed->SetColName(3, u"old");
  int headings = 0;
  Ed->SetOnHeadingChanged(Counter(headings));
  EditHead(GridOf(3, 1).X, 0);
  ASSERT_TRUE(Ed->NameEdActive());
  EXPECT_EQ(Ed->NameEditor()->Text(), u"old");
  TRect cell = Ed->CellRect(GridOf(3, 1).X, 0);
  EXPECT_EQ(Ed->NameEditor()->Left(), cell.Left + 30);
  EXPECT_EQ(Ed->NameEditor()->Top(), cell.Top + 5);
  // Presses elsewhere are ignored while the editor is open.
  ClickCell(1, 4);
  EXPECT_TRUE(Ed->NameEdActive());
  Ed->NameEditor()->SetText(u"new");
  headless::Type(Ed->NameEditor(), u"\r");
  EXPECT_EQ(Ed->ColName(3), u"new");
  EXPECT_EQ(headings, 2);  // the setter's and the editor's own

  EditHead(0, GridOf(1, 2).Y);
  EXPECT_EQ(Ed->NameEditor()->Text(), u"");
  Ed->NameEditor()->SetText(u"kept out");
  headless::KeyPress(Ed->NameEditor(), 0x1B);
  EXPECT_FALSE(Ed->NameEdActive());
  EXPECT_EQ(Ed->RowName(2), u"");
}

// ---------------------------------------------------------------- comment memo

TEST_F(InputTest, CommentMemoOpensOnTheCorner) {
  Ed->SetComment(u"first");
  RightPress(5, 5);
  ASSERT_TRUE(Ed->CommentMMActive());
  TMemo* memo = Ed->CommentMemo();
  EXPECT_TRUE(memo->Visible());
  EXPECT_EQ(memo->Text(), u"first");
  EXPECT_EQ(memo->Left(), Ed->ColWidths(0));
  EXPECT_EQ(memo->Top(), 0);
  EXPECT_EQ(memo->Width(), Ed->Width() - Ed->ColWidths(0) - 20);
  EXPECT_EQ(memo->Height(), 80);
  EXPECT_EQ(memo->Color(), TColor(0x808000));
  auto shot = headless::Snapshot(Ed);
  EXPECT_EQ(At(shot, 2, Ed->CellRect(0, 0).Bottom - 2), ColorToRGB(0x808000));

  memo->SetText(u"dropped");
  headless::KeyPress(memo, 0x1B);
  EXPECT_FALSE(Ed->CommentMMActive());
  EXPECT_EQ(Ed->Comment(), u"first");

  int changes = 0;
  Ed->SetOnChange(Counter(changes));
  RightPress(5, 5);
  memo->SetText(u"second");
  headless::Type(memo, u"\r");
  EXPECT_FALSE(Ed->CommentMMActive());
  EXPECT_EQ(Ed->Comment(), u"second");
  EXPECT_EQ(changes, 1);
}

TEST_F(InputTest, ACornerPressClosesTheMemoWithoutStoring) {
  RightPress(5, 5);
  ASSERT_TRUE(Ed->CommentMMActive());
  Ed->CommentMemo()->SetText(u"not kept");
  headless::Click(Ed, 5, 5);
  EXPECT_FALSE(Ed->CommentMMActive());
  EXPECT_EQ(Ed->Comment(), u"");
}

TEST_F(InputTest, CommentMemoCanBeForbidden) {
  Ed->SetCommentEditingAllowed(false);
  RightPress(5, 5);
  EXPECT_FALSE(Ed->CommentMMActive());
  Ed->SetCommentEditingAllowed(true);
  Ed->SetBlockInternalPopup(true);
  RightPress(5, 5);
  EXPECT_FALSE(Ed->CommentMMActive());
}

}  // namespace
}  // namespace ntabedtest
