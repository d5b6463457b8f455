// The two popup menus: items, names and captions, masks, what opening them
// enables and relabels, where they show, and the commands behind the items
// (marking, clearing, selecting, inserting, deleting, decimals).
#include <gtest/gtest.h>

#include "NTabEdSupport.h"
#include "foundation/VYR_resources.h"

namespace ntabedtest {
namespace {

class PopupTest : public NTabEdTest {
 protected:
  void SetUp() override {
    NTabEdTest::SetUp();
    Form->Show();
  }
  // Opens the head popup over a grid cell with a handler that records it.
  void HeadPopupAt(int GCol, int GRow) {
    RecordPopups();
    TRect r = Ed->CellRect(GCol, GRow);
    RightPress(r.Left + 5, r.Top + 5);
  }
  // Every cell's mark bits as a string of "." (none), "a", "b" and "2", row by row.
  String Marks() const {
    String s;
    for (int r = 1; r <= Ed->NrOfRows(); ++r) {
      for (int c = 1; c <= Ed->NrOfColumns(); ++c) {
        const bool a = Ed->ElemMarkedA(c, r), b = Ed->ElemMarkedB(c, r);
        s += a && b ? u'2' : a ? u'a' : b ? u'b' : u'.';
      }
      s += u'/';
    }
    return s;
  }
};

TEST_F(PopupTest, ItemsCaptionsAndNames) {
  TPopupMenu* d = Ed->PopupD();
  TPopupMenu* h = Ed->PopupH();
  ASSERT_NE(d, nullptr);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(d->Name(), u"PopupDTAction");
  EXPECT_EQ(h->Name(), u"PopupHTAction");
  EXPECT_EQ(d->Alignment(), paLeft);
  const char16_t* data[] = {u"Mark as type A", u"Mark as type B", u"Unmark type A",
                            u"Unmark type B", u"Unmark All", u"Clear", u"Copy", u"Paste",
                            u"Data Read-Only", u"Extract from Clipboard", u"Select All",
                            u"Toggle Empty State"};
  ASSERT_EQ(d->Items()->Count(), 12);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(d->Items()->Items(i)->Caption(), String(data[i]));
    EXPECT_EQ(d->Items()->Items(i)->Name(), u"DIt" + IntToStr(i + 1));
    EXPECT_EQ(Ed->PopupDCaptions(i + 1), String(data[i]));
    EXPECT_EQ(d->Items()->Items(i)->Count(), i < 4 ? 4 : 0);
  }
  const char16_t* prefixes[] = {u"M1It", u"M2It", u"U1It", u"U2It"};
  const char16_t* subs[] = {u"Range", u"Column", u"Row", u"All"};
  for (int m = 0; m < 4; ++m)
    for (int i = 0; i < 4; ++i) {
      TMenuItem* item = d->Items()->Items(m)->Items(i);
      EXPECT_EQ(item->Name(), prefixes[m] + IntToStr(i + 1));
      EXPECT_EQ(item->Caption(), String(subs[i]));
    }
  const char16_t* head[] = {u"Edit Heading", u"Change Precision", u"Select..", u"Insert..",
                            u"Delete.."};
  ASSERT_EQ(h->Items()->Count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(h->Items()->Items(i)->Caption(), String(head[i]));
    EXPECT_EQ(h->Items()->Items(i)->Name(), u"HIt" + IntToStr(i + 1));
  }
  EXPECT_FALSE(Item(u"DIt8")->Enabled());  // nothing to paste yet
  EXPECT_EQ(Ed->PopupDMask(), -1);
  EXPECT_EQ(Ed->PopupHMask(), -1);
}

TEST_F(PopupTest, CaptionPropertiesCutAndIgnore) {
  Ed->SetPopupMCaptions(2, u"Whole column");
  EXPECT_EQ(Item(u"M1It2")->Caption(), u"Whole column");
  EXPECT_EQ(Item(u"M2It2")->Caption(), u"Whole column");
  EXPECT_EQ(Item(u"U1It2")->Caption(), u"Column");
  Ed->SetPopupUCaptions(4, u"Everything");
  EXPECT_EQ(Item(u"U1It4")->Caption(), u"Everything");
  EXPECT_EQ(Item(u"U2It4")->Caption(), u"Everything");
  EXPECT_EQ(Ed->PopupUCaptions(4), u"Everything");
  EXPECT_EQ(Ed->PopupMCaptions(5), u"");
  Ed->SetPopupMCaptions(5, u"x");
  Ed->SetPopupDCaptions(0, u"x");
  Ed->SetPopupHCaptions(6, u"x");
  EXPECT_EQ(Ed->PopupHCaptions(6), u"");
  Ed->SetPopupDCaptions(6, String(70, u'c'));
  EXPECT_EQ(Ed->PopupDCaptions(6), String(50, u'c'));
  Ed->SetPopupHCaptions(1, u"Rename");
  EXPECT_EQ(Item(u"HIt1")->Caption(), u"Rename");
}

TEST_F(PopupTest, MasksEnableItems) {
  int setups = 0;
  Ed->SetOnChangeSetup(Counter(setups));
  Ed->SetPopupDMask(0b101010101010);
  EXPECT_EQ(setups, 1);
  for (int i = 1; i <= 12; ++i) {
    const bool bit = (0b101010101010 >> (i - 1) & 1) != 0;
    if (i == 8) continue;
    EXPECT_EQ(Item(u"DIt" + IntToStr(i))->Enabled(), bit) << i;
  }
  EXPECT_FALSE(Item(u"DIt8")->Enabled());  // still nothing to paste
  Ed->SetPopupHMask(0b00101);
  EXPECT_EQ(setups, 2);
  EXPECT_TRUE(Item(u"HIt1")->Enabled());
  EXPECT_FALSE(Item(u"HIt2")->Enabled());
  EXPECT_TRUE(Item(u"HIt3")->Enabled());
  EXPECT_FALSE(Item(u"HIt5")->Enabled());
}

// Paste wants a copy, its bit and writable data; Clear and Extract their
// bits and writable data.
TEST_F(PopupTest, DataPopupEnablesByCopyMaskAndReadOnly) {
  struct Case {
    bool Copy;
    int Mask;
    bool ReadOnly;
    bool Paste, Clear, Extract;
  };
  const Case cases[] = {
      {false, -1, false, false, true, true},
      {true, -1, false, true, true, true},
      {true, -1, true, false, false, false},
      {true, ~(1 << 7), false, false, true, true},
      {true, ~((1 << 5) | (1 << 9)), false, true, false, false},
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.Copy) Ed->PopupMenuClickCopy(nullptr);
    Ed->SetPopupDMask(c.Mask);
    Ed->SetDataReadOnly(c.ReadOnly);
    Popups.clear();
    RecordPopups();
    RightPressCell(2, 2);
    ASSERT_EQ(Popups.size(), 1u);
    EXPECT_EQ(Popups[0], Ed->PopupD());
    EXPECT_EQ(Item(u"DIt8")->Enabled(), c.Paste);
    EXPECT_EQ(Item(u"DIt6")->Enabled(), c.Clear);
    EXPECT_EQ(Item(u"DIt10")->Enabled(), c.Extract);
    TearDown();
  }
}

TEST_F(PopupTest, DataPopupShowsBesideThePress) {
  std::vector<TPopupMenu*> before;
  Ed->SetOnBeforePopup([&](TObject* Sender, TPopupMenu* Menu) {
    EXPECT_EQ(Sender, Ed);
    before.push_back(Menu);
  });
  RecordPopups();
  TPoint p = Inside(3, 2);
  RightPress(p.X, p.Y);
  ASSERT_EQ(PopupPoints.size(), 1u);
  EXPECT_EQ(PopupPoints[0], Ed->ClientToScreen({p.X + 10, p.Y - 20}));
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0], Ed->PopupD());
  EXPECT_TRUE(Item(u"DIt9")->HasBitmap());
}

// The Data Read-Only item carries the check-box picture of the state it
// toggles, loaded anew at every opening.
TEST_F(PopupTest, ReadOnlyItemShowsItsStateAsACheckBox) {
  RecordPopups();
  for (bool readOnly : {false, true, false}) {
    SCOPED_TRACE(readOnly);
    Ed->SetDataReadOnly(readOnly);
    RightPressCell(2, 2);
    TBitmap want;
    vyr::LoadNamedBitmap(want, readOnly ? u"CHECKEDBOX" : u"EMPTYBOX");
    TBitmap* shown = Item(u"DIt9")->Bitmap();
    ASSERT_EQ(shown->Width(), want.Width());
    ASSERT_EQ(shown->Height(), want.Height());
    int differing = 0;
    for (int y = 0; y < want.Height(); ++y)
      for (int x = 0; x < want.Width(); ++x)
        if (shown->Canvas()->Pixels(x, y) != want.Canvas()->Pixels(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
  }
}

TEST_F(PopupTest, OwnPopupsGiveWayToTheApplications) {
  auto* own = new TPopupMenu(Form.get());
  Ed->SetPopupMenu(own);
  RecordPopups();
  RightPressCell(1, 1);
  TRect head = Ed->CellRect(GridOf(1, 1).X, 0);
  RightPress(head.Left + 5, head.Top + 5);
  for (TPopupMenu* m : Popups) EXPECT_EQ(m, own);
  Ed->SetPopupMenu(nullptr);
  Ed->SetBlockInternalPopup(true);
  Popups.clear();
  RightPressCell(1, 1);
  RightPress(head.Left + 5, head.Top + 5);
  EXPECT_TRUE(Popups.empty());
}

TEST_F(PopupTest, HeadPopupIsRelabelledForColumnsAndRows) {
  HeadPopupAt(GridOf(2, 1).X, 0);
  ASSERT_EQ(Popups.size(), 1u);
  EXPECT_EQ(Popups[0], Ed->PopupH());
  TRect cell = Ed->CellRect(GridOf(2, 1).X, 0);
  EXPECT_EQ(PopupPoints[0], Ed->ClientToScreen({cell.Left + 20, cell.Top + 20}));
  EXPECT_EQ(Item(u"HIt3")->Caption(), u"Select Column");
  EXPECT_EQ(Item(u"HIt4")->Caption(), u"Insert Column");
  EXPECT_EQ(Item(u"HIt5")->Caption(), u"Delete Column");
  EXPECT_TRUE(Item(u"HIt2")->Enabled());

  HeadPopupAt(0, GridOf(1, 3).Y);
  EXPECT_EQ(Item(u"HIt3")->Caption(), u"Select Row");
  EXPECT_EQ(Item(u"HIt4")->Caption(), u"Insert Row");
  EXPECT_EQ(Item(u"HIt5")->Caption(), u"Delete Row");
  EXPECT_FALSE(Item(u"HIt2")->Enabled());  // decimals belong to columns

  Ed->SetDataReadOnly(true);
  HeadPopupAt(0, GridOf(1, 3).Y);
  EXPECT_FALSE(Item(u"HIt4")->Enabled());
  EXPECT_FALSE(Item(u"HIt5")->Enabled());
  EXPECT_TRUE(Item(u"HIt3")->Enabled());

  Popups.clear();
  HeadPopupAt(1, 0);  // the "Attrib" label is no head
  EXPECT_TRUE(Popups.empty());
}

TEST_F(PopupTest, RowAndColumnCommandsActOnThePopupCell) {
  Ed->SetColName(2, u"two");
  ClickOnPopup(u"HIt4");
  TRect head = Ed->CellRect(GridOf(2, 1).X, 0);
  RightPress(head.Left + 5, head.Top + 5);
  EXPECT_EQ(Ed->NrOfColumns(), 4);
  EXPECT_EQ(Ed->ColName(2), u"(...)");
  EXPECT_EQ(Ed->ColName(3), u"two");

  ClickOnPopup(u"HIt5");
  TRect row = Ed->CellRect(0, GridOf(1, 2).Y);
  Ed->SetRowName(3, u"three");
  int setups = 0;
  Ed->SetOnChangeSetup(Counter(setups));
  RightPress(row.Left + 5, row.Top + 5);
  EXPECT_EQ(Ed->NrOfRows(), 3);
  EXPECT_EQ(Ed->RowName(2), u"three");
  EXPECT_EQ(setups, 1);

  ClickOnPopup(u"HIt3");
  RightPress(row.Left + 5, row.Top + 5);
  TGridRect sel = Ed->Selection();
  EXPECT_EQ(sel, (TGridRect{GridOf(1, 2).X, GridOf(1, 2).Y, GridOf(4, 2).X, GridOf(4, 2).Y}));
  ClickOnPopup(u"HIt3");
  RightPress(head.Left + 5, head.Top + 5);
  sel = Ed->Selection();
  EXPECT_EQ(sel, (TGridRect{GridOf(2, 1).X, GridOf(2, 1).Y, GridOf(2, 3).X, GridOf(2, 3).Y}));
}

// Each step lowers the decimals by one and opens the head popup again;
// below -1 they start over at 10.
TEST_F(PopupTest, ChangePrecisionSteps) {
  int layouts = 0;
  Ed->SetOnLayoutChanged(Counter(layouts));
  std::vector<int> seen;
  int shown = 0;
  headless::SetPopupHandler([&](TPopupMenu& Menu, int, int) {
    ++shown;
    seen.push_back(Ed->Precision(2));
    if (seen.size() < 7) Item(u"HIt2")->Click();
    (void)Menu;
  });
  TRect head = Ed->CellRect(GridOf(2, 1).X, 0);
  RightPress(head.Left + 5, head.Top + 5);
  EXPECT_EQ(seen, (std::vector<int>{3, 2, 1, 0, -1, 10, 9}));
  EXPECT_EQ(shown, 7);
  EXPECT_EQ(layouts, 12);  // the setter's and the command's own, six steps
  EXPECT_EQ(Ed->Precision(1), 3);
}

TEST_F(PopupTest, MarkingCommands) {
  struct Case {
    const char16_t* Item;
    const char16_t* Marks;
  };
  // Selection: columns 2..3, rows 2..3 of the 3 x 4 table.
  const Case cases[] = {
      {u"M1It1", u".../.aa/.aa/.../"},
      {u"M1It2", u".aa/.aa/.aa/.aa/"},
      {u"M1It3", u".../aaa/aaa/.../"},
      {u"M1It4", u"aaa/aaa/aaa/aaa/"},
      {u"M2It1", u".../.bb/.bb/.../"},
      {u"M2It4", u"bbb/bbb/bbb/bbb/"},
  };
  for (const Case& c : cases) {
    SetUp();
    Select(2, 2, 3, 3);
    int states = 0;
    Ed->SetOnCellStateChanged(Counter(states));
    ClickOnPopup(c.Item);
    RightPressCell(2, 2);
    EXPECT_EQ(Marks(), String(c.Marks)) << String(c.Item).size();
    EXPECT_EQ(states, 1);
    TearDown();
  }
}

TEST_F(PopupTest, UnmarkingKeepsTheOtherBits) {
  Ed->MarkAllElemsA();
  Ed->MarkAllElemsB();
  Ed->SetCellState(1, 1, 0xFF);
  Select(1, 1, 2, 2);
  ClickOnPopup(u"U1It1");
  RightPressCell(1, 1);
  EXPECT_EQ(Marks(), u"bb2/bb2/222/222/");
  EXPECT_EQ(Ed->CellState(1, 1), 0xFF & ~vyr::csMarkA);
  ClickOnPopup(u"U2It3");
  RightPressCell(1, 1);
  EXPECT_EQ(Marks(), u"..a/..a/222/222/");  // whole rows 1..2
  ClickOnPopup(u"DIt5");
  RightPressCell(1, 1);
  EXPECT_EQ(Marks(), u".../.../.../.../");
  EXPECT_EQ(Ed->CellState(1, 1), 0xFF & ~(vyr::csMarkA | vyr::csMarkB));
}

TEST_F(PopupTest, ClearAndToggleEmpty) {
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 4; ++r) {
      Ed->SetElem(c, r, 5);
      Ed->SetCellState(c, r, vyr::csMarkA | vyr::csLocked);
    }
  Select(1, 1, 2, 1);
  int changes = 0, states = 0;
  Ed->SetOnChange(Counter(changes));
  Ed->SetOnCellStateChanged(Counter(states));
  Ed->PopupMenuClickClear(nullptr);
  EXPECT_EQ(Ed->Elem(1, 1), 0.0);
  EXPECT_EQ(Ed->CellState(2, 1), 0);  // marks and lock go too
  EXPECT_EQ(Ed->Elem(3, 1), 5.0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(states, 1);

  TObject* clearSender = nullptr;
  Ed->SetOnClear([&](TObject* S) { clearSender = S; });
  Select(3, 1, 3, 1);
  ClickOnPopup(u"DIt6");
  RightPressCell(3, 1);
  EXPECT_EQ(clearSender, Item(u"DIt6"));
  EXPECT_EQ(Ed->Elem(3, 1), 5.0);  // the handler does the clearing
  EXPECT_EQ(changes, 2);

  Select(1, 2, 1, 3);
  Ed->PopupMenuClickEmptyCells(nullptr);
  EXPECT_TRUE(Ed->IsEmpty(1, 2));
  EXPECT_TRUE(Ed->IsEmpty(1, 3));
  EXPECT_FALSE(Ed->IsEmpty(1, 4));
  EXPECT_TRUE(Ed->ElemMarkedA(1, 2));
  Ed->PopupMenuClickEmptyCells(nullptr);
  EXPECT_FALSE(Ed->IsEmpty(1, 2));
}

TEST_F(PopupTest, SelectAllAndReadOnlyToggle) {
  int selections = 0, setups = 0;
  Ed->SetOnSelectionChanged(Counter(selections));
  Ed->SetOnChangeSetup(Counter(setups));
  ClickOnPopup(u"DIt11");
  RightPressCell(2, 2);
  EXPECT_EQ(Ed->Selection(), (TGridRect{2, 1, 4, 4}));
  EXPECT_GE(selections, 1);
  ClickOnPopup(u"DIt9");
  RightPressCell(2, 2);
  EXPECT_TRUE(Ed->DataReadOnly());
  EXPECT_EQ(setups, 1);
  RightPressCell(2, 2);
  EXPECT_FALSE(Ed->DataReadOnly());
}

TEST_F(PopupTest, MarkQueries) {
  EXPECT_FALSE(Ed->IfAnyMarked());
  Ed->SetElemMarkedB(3, 2, true);
  Ed->SetElemMarkedA(1, 4, true);
  Ed->SetElemMarkedA(3, 4, true);
  EXPECT_TRUE(Ed->IfAnyMarked());
  EXPECT_TRUE(Ed->IfRowMarked(2));
  EXPECT_FALSE(Ed->IfRowMarked(3));
  EXPECT_FALSE(Ed->IfRowMarked(5));
  EXPECT_TRUE(Ed->IfColumnMarked(3));
  EXPECT_FALSE(Ed->IfColumnMarked(2));
  EXPECT_FALSE(Ed->IfColumnMarked(0));
  EXPECT_EQ(Ed->NrOfMarkedDataA(), 2);
  EXPECT_EQ(Ed->NrOfMarkedDataB(), 1);
  Ed->ExchangeMarkings();
  EXPECT_EQ(Ed->NrOfMarkedDataA(), 1);
  EXPECT_TRUE(Ed->ElemMarkedA(3, 2));
  Ed->SetElem(1, 1, 9);
  Ed->SetSuppressPaint(true);
  EXPECT_EQ(Ed->FillMarkedCells(-1, vyr::csMarkB), 2);
  EXPECT_TRUE(Ed->SuppressPaint());  // as it was
  Ed->SetSuppressPaint(false);
  EXPECT_EQ(Ed->Elem(1, 4), -1.0);
  EXPECT_EQ(Ed->Elem(1, 1), 9.0);
  Ed->InvertCellStates(vyr::csEmpty);
  EXPECT_TRUE(Ed->IsEmpty(2, 2));
  Ed->UnMarkAllElems();
  EXPECT_FALSE(Ed->IfAnyMarked());
  EXPECT_TRUE(Ed->IsEmpty(2, 2));
  int states = 0;
  Ed->SetOnCellStateChanged(Counter(states));
  Ed->SetElemMarkedA(9, 9, true);  // out of range: nothing marked, the event still fires
  EXPECT_EQ(states, 1);
  EXPECT_EQ(Ed->NrOfMarkedDataA(), 0);
}

}  // namespace
}  // namespace ntabedtest
