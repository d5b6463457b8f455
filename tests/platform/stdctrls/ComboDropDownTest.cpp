// The combo box's dropped-down list on the headless host: its rows and
// bar, scrolling by bar and wheel, the highlight moved by keys and by the
// mouse, picking by click and Enter, closing without a choice, and owner
// drawing on the list's window.
#include <functional>

#include "platform/StdCtrls.h"
#include "StdTestSupport.h"

namespace stdtest {
namespace {

TPoint Centre(const TRect& R) { return Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

class DropDownTest : public HeadlessFormTest {
 protected:
  void SetUp() override {
    HeadlessFormTest::SetUp();
    combo = Make<TComboBox>(20, 40);
    combo->SetStyle(csDropDownList);
    for (int i = 0; i < 20; ++i) combo->Items()->Add(u"item " + IntToStr(i));
    combo->SetOnChange([this](TObject*) { log += "change "; });
    combo->SetOnCloseUp([this](TObject*) { log += "close "; });
  }
  TComboListBox* Drop() {
    headless::KeyDown(combo, VK_F4);
    return combo->DropDownList();
  }
  const TScrollBarModel& Bar(TComboListBox* List) { return List->WindowScrollBars().Bar(sbVertical); }
  TComboBox* combo = nullptr;
  std::string log;
};

// DropDownCount rows of items in a frame, as wide as the combo box, below
// it; the bar only when the items do not all fit.
TEST_F(DropDownTest, TheListShowsDropDownCountRowsAndABarForMore) {
  const struct {
    int Items, DropDownCount, Rows;
    bool Bar;
  } cases[] = {{20, 8, 8, true}, {8, 8, 8, false}, {3, 8, 3, false}, {0, 8, 1, false}, {20, 12, 12, true}, {2, 1, 1, true}};
  for (const auto& c : cases) {
    combo->Items()->Clear();
    for (int i = 0; i < c.Items; ++i) combo->Items()->Add(u"item " + IntToStr(i));
    combo->SetDropDownCount(c.DropDownCount);
    TComboListBox* list = Drop();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->RowCount(), c.Rows) << c.Items << " items";
    EXPECT_EQ(list->Height(), c.Rows * list->ItemHeight() + 2) << c.Items << " items";
    EXPECT_EQ(list->Width(), combo->Width());
    EXPECT_EQ(list->BoundsRect().TopLeft(), combo->ClientToScreen(Point(0, combo->Height())));
    EXPECT_EQ(list->WindowScrollBars().Shown(sbVertical), c.Bar) << c.Items << " items";
    if (c.Items > 0) {
      EXPECT_EQ(list->ItemRect(0).Right, c.Bar ? list->Width() - 1 - ScrollBarThickness : list->Width() - 1);
    }
    headless::KeyDown(combo, VK_ESCAPE);
    EXPECT_EQ(combo->DropDownList(), nullptr);
  }
  EXPECT_EQ(log, "close close close close close close ");
}

// The bar's arrow and track and the wheel scroll the list; none of them
// picks an item or closes the list.
TEST_F(DropDownTest, TheBarAndTheWheelScrollTheList) {
  TComboListBox* list = Drop();
  ASSERT_NE(list, nullptr);
  TScrollBarLayout l = Bar(list).Layout();
  EXPECT_EQ(Bar(list).Max(), 19);
  EXPECT_EQ(Bar(list).PageSize(), 8);
  TPoint down = Centre(l.LineDown);
  headless::Click(list, down.X, down.Y);
  EXPECT_EQ(list->TopIndex(), 1);
  headless::Click(list, down.X, l.Track.Bottom - 2);  // a page
  EXPECT_EQ(list->TopIndex(), 9);
  headless::Click(list, down.X, l.Track.Bottom - 2);
  EXPECT_EQ(list->TopIndex(), 12);  // the last page shows whole
  headless::Wheel(list, WHEEL_DELTA, {}, 10, 10);
  EXPECT_EQ(list->TopIndex(), 9);
  headless::Wheel(combo, WHEEL_DELTA, {}, 10, 10);  // over the combo box too
  EXPECT_EQ(list->TopIndex(), 6);
  EXPECT_EQ(Bar(list).Position(), 6);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log, "");
  // Items shown after scrolling answer for their rows.
  TRect r = list->ItemRect(6);
  EXPECT_EQ(r.Top, 1);
  EXPECT_EQ(list->ItemAtPos(Centre(r)), 6);
  EXPECT_TRUE(list->ItemRect(5).IsEmpty());
  EXPECT_EQ(list->ItemAtPos(Centre(Bar(list).Layout().Thumb)), -1);
}

// Keys move the highlight, scrolling it into view; Enter picks it.
TEST_F(DropDownTest, KeysMoveTheHighlightAndEnterPicks) {
  combo->SetItemIndex(2);
  TComboListBox* list = Drop();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->ItemIndex(), 2);  // the selected item to start with
  const struct {
    std::uint16_t Key;
    int Highlight, Top;
  } steps[] = {
      {VK_DOWN, 3, 0},  {VK_NEXT, 10, 3},  {VK_NEXT, 17, 10}, {VK_DOWN, 18, 11}, {VK_END, 19, 12},
      {VK_DOWN, 19, 12}, {VK_PRIOR, 12, 12}, {VK_PRIOR, 5, 5}, {VK_UP, 4, 4},   {VK_HOME, 0, 0},
      {VK_UP, 0, 0},    {VK_END, 19, 12},
  };
  for (const auto& s : steps) {
    headless::KeyDown(combo, s.Key);
    EXPECT_EQ(list->ItemIndex(), s.Highlight) << "key " << s.Key;
    EXPECT_EQ(list->TopIndex(), s.Top) << "key " << s.Key;
    EXPECT_EQ(Bar(list).Position(), s.Top) << "key " << s.Key;
  }
  EXPECT_EQ(combo->ItemIndex(), 2);  // nothing picked yet
  EXPECT_EQ(log, "");
  headless::Type(combo, u"i");  // the next item starting with i, wrapping
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->TopIndex(), 0);
  headless::KeyDown(combo, VK_DOWN);
  headless::KeyDown(combo, VK_RETURN);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), u"item 1");
  EXPECT_EQ(log, "change close ");
}

// Every way of closing without a choice leaves the selection as it was.
TEST_F(DropDownTest, ClosingWithoutAChoiceKeepsTheSelection) {
  combo->SetItemIndex(4);
  auto* other = Make<TEdit>(20, 200);
  const struct {
    std::function<void()> Close;
    const char* What;
  } ways[] = {
      {[&] { headless::KeyDown(combo, VK_ESCAPE); }, "escape"},
      {[&] { headless::PressOutsideDropDown(); }, "press outside"},
      {[&] { headless::Click(combo, 5, 5); }, "press on the combo box"},
      {[&] { other->SetFocus(); }, "focus elsewhere"},
      {[&] { combo->SetDroppedDown(false); }, "by code"},
      {[&] { combo->SetEnabled(false); }, "disabled"},
  };
  for (const auto& w : ways) {
    combo->SetEnabled(true);
    TComboListBox* list = Drop();
    ASSERT_NE(list, nullptr) << w.What;
    headless::KeyDown(combo, VK_DOWN);
    log.clear();
    w.Close();
    EXPECT_FALSE(combo->DroppedDown()) << w.What;
    EXPECT_FALSE(list->Visible()) << w.What;
    EXPECT_EQ(headless::ShownDropDown(), nullptr) << w.What;
    EXPECT_EQ(combo->ItemIndex(), 4) << w.What;
    EXPECT_EQ(log, "close ") << w.What;
  }
}

// F4 and Alt+Down while the list is down pick the highlighted item, as
// Enter does.
TEST_F(DropDownTest, TheDropKeysCloseWithTheHighlightedItem) {
  for (std::uint16_t key : {std::uint16_t(VK_F4), std::uint16_t(VK_DOWN)}) {
    TShiftState shift = key == VK_DOWN ? TShiftState{ssAlt} : TShiftState{};
    headless::KeyDown(combo, key, shift);
    ASSERT_TRUE(combo->DroppedDown());
    headless::KeyDown(combo, VK_DOWN);
    headless::KeyDown(combo, key, shift);
    EXPECT_FALSE(combo->DroppedDown());
  }
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(log, "change close change close ");
}

// The mouse over an item highlights it, in the highlight colors; a click
// on it picks it and closes the list.
TEST_F(DropDownTest, HoverHighlightsAndAClickPicks) {
  TComboListBox* list = Drop();
  ASSERT_NE(list, nullptr);
  TRect third = list->ItemRect(3);
  headless::MouseMove(list, {}, third.Left + 10, third.Top + 2);
  EXPECT_EQ(list->ItemIndex(), 3);
  auto shot = headless::Snapshot(list);
  EXPECT_EQ(PixelAt(shot, third.Right - 2, third.Top + 1), Shown(clHighlight));
  TRect second = list->ItemRect(2);
  EXPECT_EQ(PixelAt(shot, second.Right - 2, second.Top + 1), Shown(clWindow));
  EXPECT_EQ(PixelAt(shot, 0, 0), Shown(clWindowFrame));  // the frame
  EXPECT_EQ(PixelAt(shot, list->Width() - 1, list->Height() - 1), Shown(clWindowFrame));
  // Off the items the highlight stays.
  headless::MouseMove(list, {}, Centre(Bar(list).Layout().Thumb).X, 5);
  EXPECT_EQ(list->ItemIndex(), 3);
  TRect fifth = list->ItemRect(5);
  headless::Click(list, fifth.Left + 10, fifth.Top + 2);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 5);
  EXPECT_EQ(log, "change close ");
}

// With an edit field, Home and End stay with the field while the list is
// down, and a press in the field closes the list.
TEST_F(DropDownTest, AnEditComboKeepsHomeAndEndAndClosesOnAPressInTheField) {
  combo->SetStyle(csDropDown);
  combo->SetText(u"item 7");
  TComboListBox* list = Drop();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->ItemIndex(), 7);
  headless::KeyDown(combo, VK_END);
  EXPECT_EQ(list->ItemIndex(), 7);
  EXPECT_EQ(combo->SelStart(), 6);  // the caret went to the end of the text
  headless::KeyDown(combo, VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 8);
  TRect field = combo->ItemRect();
  headless::Click(combo, field.Left + 3, field.Top + 3);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), u"item 7");
  EXPECT_EQ(log, "close ");
}

// A handler may free the combo box (and its list with it) when an item is
// picked, by a click or by Enter; nothing touches either afterwards.
TEST_F(DropDownTest, AHandlerMayFreeTheComboBoxOnAPick) {
  for (bool byClick : {true, false}) {
    auto* c = Make<TComboBox>(20, 100);
    for (int i = 0; i < 3; ++i) c->Items()->Add(u"x" + IntToStr(i));
    bool freed = false;
    c->SetOnChange([&freed](TObject* Sender) {
      freed = true;
      delete Sender;
    });
    headless::KeyDown(c, VK_F4);
    TComboListBox* list = c->DropDownList();
    ASSERT_NE(list, nullptr);
    if (byClick) {
      TRect r = list->ItemRect(1);
      headless::Click(list, r.Left + 3, r.Top + 3);
    } else {
      headless::KeyDown(c, VK_DOWN);
      headless::KeyDown(c, VK_RETURN);
    }
    EXPECT_TRUE(freed);
    EXPECT_EQ(headless::ShownDropDown(), nullptr);
  }
}

// Near the bottom of the screen the list opens above the combo box.
TEST_F(DropDownTest, TheListOpensAboveWhenTheScreenEndsBelow) {
  form->SetBounds(0, 900, 400, 300);
  TComboListBox* list = Drop();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Top(), combo->ClientToScreen(Point(0, 0)).Y - list->Height());
}

// Owner-drawn items are drawn by DrawItem in the list's coordinates, on
// the list's window, the highlighted one with odSelected and odFocused.
class TBandCombo : public TComboBox {
 public:
  using TComboBox::TComboBox;
  std::vector<std::pair<int, TOwnerDrawState>> Drawn;

 protected:
  void DrawItem(int Index, const TRect& R, TOwnerDrawState State) override {
    Drawn.emplace_back(Index, State);
    TCanvas* c = Canvas();
    c->Brush()->SetColor(State.Contains(odSelected) ? clYellow : (Index % 2 == 0 ? clRed : clBlue));
    c->FillRect(R);
    c->Brush()->SetColor(clBlack);
    c->FillRect(Rect(R.Left, R.Top, R.Left + 4, R.Top + 4));  // a corner mark
  }
};

TEST_F(DropDownTest, OwnerDrawnItemsAreDrawnInTheList) {
  auto* c = Make<TBandCombo>(20, 100);
  c->SetStyle(csOwnerDrawFixed);
  c->SetItemHeight(12);
  for (int i = 0; i < 12; ++i) c->Items()->Add(u"band");
  c->SetItemIndex(9);
  headless::KeyDown(c, VK_F4);
  TComboListBox* list = c->DropDownList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->ItemHeight(), 12);
  EXPECT_EQ(list->TopIndex(), 2);  // item 9 on the last row
  c->Drawn.clear();
  auto shot = headless::Snapshot(list);
  ASSERT_EQ(c->Drawn.size(), 8u);
  for (int i = 2; i < 10; ++i) {
    TRect r = list->ItemRect(i);
    ASSERT_FALSE(r.IsEmpty());
    TColor fill = i == 9 ? clYellow : (i % 2 == 0 ? clRed : clBlue);
    EXPECT_EQ(PixelAt(shot, r.Right - 2, r.Bottom - 2), fill) << i;
    EXPECT_EQ(PixelAt(shot, r.Left, r.Top), clBlack) << i;       // the mark at the item's corner
    EXPECT_EQ(PixelAt(shot, r.Left + 4, r.Top + 4), fill) << i;  // and no further
    auto state = c->Drawn[static_cast<std::size_t>(i - 2)];
    EXPECT_EQ(state.first, i);
    EXPECT_EQ(state.second.Contains(odSelected), i == 9);
    EXPECT_EQ(state.second.Contains(odFocused), i == 9);
    EXPECT_FALSE(state.second.Contains(odComboBoxEdit));
  }
  // The face of the combo box still draws the selected item in its own place.
  auto face = headless::Snapshot(c);
  TRect shown = c->ItemRect();
  EXPECT_EQ(PixelAt(face, shown.Left, shown.Top), clBlack);
}

}  // namespace
}  // namespace stdtest
