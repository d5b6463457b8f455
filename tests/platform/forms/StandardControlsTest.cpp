// The standard controls scripted on the headless host: the string grid's
// cells and in-place editing, bitmap buttons and their stock pictures,
// the scroll box, the page control, the radio group, the track bar, the
// main menu and popup menus, the timer.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  template <class T>
  T* Make(int Left, int Top, TWinControl* Parent = nullptr) {
    auto* c = new T(form.get());
    c->SetParent(Parent ? Parent : form.get());
    c->SetLeft(Left);
    c->SetTop(Top);
    return c;
  }
  std::unique_ptr<TForm> form;
};

// ---------------------------------------------------------------- string grid

TEST_F(Controls, StringGridCellsColumnsAndRows) {
  auto* g = Make<TStringGrid>(0, 0);
  g->SetColCount(3);
  g->SetRowCount(4);
  TObject marker;
  g->SetCells(2, 3, u"corner");
  g->SetObjects(1, 1, &marker);
  g->Rows(1)->SetCommaText(u"a,\"b c\"");  // fewer items than cells: the rest empties
  EXPECT_EQ(g->Cells(0, 1), u"a");
  EXPECT_EQ(g->Cells(1, 1), u"b c");
  EXPECT_EQ(g->Objects(1, 1), nullptr);
  EXPECT_EQ(g->Cols(2)->Count(), 4);
  EXPECT_EQ(g->Cols(2)->Strings(3), u"corner");
  g->Cols(0)->SetStrings(2, u"down");
  EXPECT_EQ(g->Rows(2)->Strings(0), u"down");
  EXPECT_EQ(g->Rows(1)->Add(u"third"), 2);  // the first empty cell
  EXPECT_THROW(g->Rows(1)->Add(u"full"), EInvalidGridOperation);
  EXPECT_THROW(g->Rows(1)->Insert(0, u"x"), EInvalidGridOperation);
  EXPECT_THROW(g->Rows(1)->SetCommaText(u"1,2,3,4"), EInvalidGridOperation);
  EXPECT_EQ(g->Cells(0, 1), u"a");  // the refused text changed nothing
  const struct {
    int Col, Row;
  } outside[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 4}};
  for (const auto& o : outside) {
    EXPECT_THROW(g->Cells(o.Col, o.Row), EInvalidGridOperation) << o.Col << "," << o.Row;
    EXPECT_THROW(g->SetCells(o.Col, o.Row, u"x"), EInvalidGridOperation) << o.Col << "," << o.Row;
  }
  EXPECT_THROW(g->Rows(4), EInvalidGridOperation);
  // Shrinking drops what falls outside; growing again shows empty cells.
  g->SetColCount(2);
  g->SetRowCount(3);
  g->SetColCount(3);
  g->SetRowCount(4);
  EXPECT_EQ(g->Cells(2, 3), u"");
  EXPECT_EQ(g->Cells(2, 1), u"");
  EXPECT_EQ(g->Cells(0, 2), u"down");
}

TEST_F(Controls, StringGridEditsCellsInPlace) {
  auto* g = Make<TStringGrid>(0, 0);
  g->SetOptions(g->Options() << goEditing);
  g->SetCells(1, 1, u"old");
  std::vector<String> stored;
  g->SetOnSetEditText([&](TObject*, int, int, const String& V) { stored.push_back(V); });
  headless::Click(g, 64 + 10, 24 + 10);  // cell (1, 1)
  ASSERT_EQ(g->Col(), 1);
  ASSERT_EQ(g->Row(), 1);
  headless::Type(g, u"42");                 // a typed character opens the editor with it
  headless::KeyDown(g, VK_RETURN);
  EXPECT_EQ(g->Cells(1, 1), u"42");
  EXPECT_FALSE(stored.empty());
  headless::KeyDown(g, VK_F2);              // F2 opens it on the cell's text
  ASSERT_NE(g->InplaceEditor(), nullptr);
  EXPECT_EQ(g->InplaceEditor()->Text(), u"42");
  headless::Type(g->InplaceEditor(), u"7");
  headless::KeyDown(g->InplaceEditor(), VK_ESCAPE);  // discarded
  EXPECT_EQ(g->Cells(1, 1), u"42");
}

TEST_F(Controls, StringGridDrawsTheTextOfItsCells) {
  auto* g = Make<TStringGrid>(0, 0);
  g->SetCells(2, 2, u"WWWW");
  auto shot = headless::Snapshot(g);
  // Cell (2, 2) starts at 2 * 65; its text 2 pixels in. Cell (3, 2) is empty.
  auto inked = [&](int Left, int Top) {
    int count = 0;
    for (int y = Top + 2; y < Top + 20; ++y)
      for (int x = Left + 2; x < Left + 40; ++x) count += shot->Canvas()->Pixels(x, y) != ColorToRGB(clWindow);
    return count;
  };
  EXPECT_GT(inked(2 * 65, 2 * 25), 10);
  EXPECT_EQ(inked(3 * 65, 2 * 25), 0);
}

// ---------------------------------------------------------------- bitmap buttons

TEST_F(Controls, BitBtnKindsAndTheirPictures) {
  const struct {
    TBitBtnKind Kind;
    const char16_t* Caption;
    TModalResult Result;
  } kinds[] = {{bkOK, u"OK", mrOk},        {bkCancel, u"Cancel", mrCancel}, {bkHelp, u"&Help", mrNone},
               {bkYes, u"&Yes", mrYes},    {bkNo, u"&No", mrNo},            {bkClose, u"&Close", mrNone},
               {bkAbort, u"Abort", mrAbort}, {bkRetry, u"&Retry", mrRetry}, {bkIgnore, u"&Ignore", mrIgnore},
               {bkAll, u"&All", mrAll}};
  auto* b = Make<TBitBtn>(10, 10);
  const TColor seeThrough = ColorToRGB(clFuchsia);
  for (const auto& k : kinds) {
    b->SetKind(k.Kind);
    EXPECT_EQ(b->Caption(), k.Caption);  // each kind's caption replaces the last kind's
    EXPECT_EQ(b->ModalResult(), k.Result);
    auto glyph = StockGlyph(k.Kind);
    ASSERT_NE(glyph, nullptr);
    int h = glyph->Height(), drawn = 0;
    ASSERT_EQ(glyph->Width(), 2 * h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < h; ++x) {
        TColor up = glyph->Canvas()->Pixels(x, y), off = glyph->Canvas()->Pixels(h + x, y);
        drawn += up != seeThrough;
        // The disabled picture is the same shape in the shadow color.
        EXPECT_EQ(off == seeThrough, up == seeThrough) << k.Kind << " " << x << "," << y;
        if (off != seeThrough) {
          EXPECT_EQ(off, ColorToRGB(clBtnShadow));
        }
      }
    }
    EXPECT_GT(drawn, 8) << k.Kind;
    EXPECT_EQ(glyph->Canvas()->Pixels(0, h - 1), seeThrough);
  }
  b->SetCaption(u"Mine");
  b->SetKind(bkOK);
  EXPECT_EQ(b->Caption(), u"Mine");  // an own caption stays
  EXPECT_EQ(StockGlyph(bkCustom), nullptr);
}

TEST_F(Controls, BitBtnClicksSetTheResultOrCloseTheForm) {
  form->Show();
  auto* ok = Make<TBitBtn>(10, 10);
  ok->SetKind(bkOK);
  auto* close = Make<TBitBtn>(100, 10);
  close->SetKind(bkClose);
  int closes = 0;
  form->SetOnClose([&](TObject*, TCloseAction& A) {
    ++closes;
    A = caHide;
  });
  headless::Click(ok, 5, 5);
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(closes, 0);
  headless::Click(close, 5, 5);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form->Visible());
}

TEST_F(Controls, BitBtnPaintsItsGlyphBesideTheCaption) {
  auto* b = Make<TBitBtn>(0, 0);
  b->SetBounds(0, 0, 100, 30);
  b->SetKind(bkCancel);
  auto shot = headless::Snapshot(b);
  auto glyph = StockGlyph(bkCancel);
  // Centred block: find the glyph's red pixels in the left half only.
  int red = 0, redRight = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (shot->Canvas()->Pixels(x, y) != glyph->Canvas()->Pixels(9, 9)) continue;
      (x < 50 ? red : redRight)++;
    }
  }
  EXPECT_GT(red, 10);
  EXPECT_EQ(redRight, 0);
}

// ---------------------------------------------------------------- scroll box

TEST_F(Controls, ScrollBoxScrollsItsChildren) {
  auto* box = Make<TScrollBox>(0, 0);
  box->SetBounds(0, 0, 200, 100);
  auto* far = Make<TButton>(20, 300, box);
  int clicks = 0;
  far->SetOnClick([&](TObject*) { ++clicks; });
  headless::Snapshot(box);  // lays the bars out
  EXPECT_TRUE(box->WindowScrollBars().Shown(sbVertical));
  EXPECT_FALSE(box->WindowScrollBars().Shown(sbHorizontal));
  TSize extent = box->ContentExtent();
  EXPECT_EQ(extent.cy, 300 + far->Height() - 2);  // measured inside the 2-pixel border
  EXPECT_EQ(box->ClientRect().Right, 200 - 2 - ScrollBarThickness);
  headless::Wheel(box, -120, {}, 50, 50);
  int moved = 300 - far->Top();
  EXPECT_GT(moved, 0);
  EXPECT_EQ(box->ScrollPos().Y, moved);
  box->ScrollTo({0, 100000});  // clamped: the child's bottom at the client's
  EXPECT_EQ(far->Top() + far->Height(), box->ClientRect().Bottom);
  box->ScrollTo({0, 0});
  EXPECT_EQ(far->Top(), 300);
  box->ScrollInView(far);
  EXPECT_EQ(far->Top() + far->Height(), box->ClientRect().Bottom);
  headless::Click(far, 5, 5);
  EXPECT_EQ(clicks, 1);
  box->ScrollTo({0, 0});
  far->SetTop(10);  // everything fits: the bar goes
  headless::Snapshot(box);
  EXPECT_FALSE(box->WindowScrollBars().Shown(sbVertical));
}

// ---------------------------------------------------------------- page control, radio group, track bar

TEST_F(Controls, PageControlTabsRadioGroupAndTrackBarTakeInput) {
  auto* pages = Make<TPageControl>(0, 0);
  auto* one = new TTabSheet(form.get());
  one->SetPageControl(pages);
  one->SetCaption(u"One");
  auto* two = new TTabSheet(form.get());
  two->SetPageControl(pages);
  two->SetCaption(u"Two");
  pages->SetActivePage(one);
  int changes = 0;
  pages->SetOnChange([&](TObject*) { ++changes; });
  TRect tab = pages->TabRects()[1];
  headless::Click(pages, tab.Left + 3, tab.Top + 3);
  EXPECT_EQ(pages->ActivePage(), two);
  EXPECT_TRUE(two->Visible());
  EXPECT_FALSE(one->Visible());
  headless::KeyDown(pages, VK_LEFT);
  EXPECT_EQ(pages->ActivePage(), one);
  EXPECT_EQ(changes, 2);

  auto* group = Make<TRadioGroup>(0, 200);
  group->Items()->SetCommaText(u"a,b,c");
  ASSERT_EQ(group->ButtonCount(), 3);
  TRadioButton* b = group->Buttons(2);
  headless::Click(b, 5, 5);
  EXPECT_EQ(group->ItemIndex(), 2);
  group->SetItemIndex(0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(b->Checked());

  auto* track = Make<TTrackBar>(200, 200);
  track->SetMax(10);
  int moves = 0;
  track->SetOnChange([&](TObject*) { ++moves; });
  const struct {
    std::uint16_t Key;
    int Expected;
  } keys[] = {{VK_RIGHT, 1}, {VK_NEXT, 3}, {VK_END, 10}, {VK_LEFT, 9}, {VK_HOME, 0}};
  for (const auto& k : keys) {
    headless::KeyDown(track, k.Key);
    EXPECT_EQ(track->Position(), k.Expected) << k.Key;
  }
  EXPECT_EQ(moves, 5);
}

// ---------------------------------------------------------------- menus and timers

TEST_F(Controls, MainMenuAndPopupMenuOnTheHeadlessHost) {
  auto* menu = new TMainMenu(form.get());
  auto* file = new TMenuItem(form.get());
  file->SetCaption(u"&File");
  auto* save = new TMenuItem(form.get());
  save->SetCaption(u"&Save");
  save->SetShortCut(ShortCut('S', {ssCtrl}));
  int saves = 0;
  save->SetOnClick([&](TObject*) { ++saves; });
  file->Add(save);
  menu->Items()->Add(file);
  form->SetMenu(menu);
  auto* edit = Make<TButton>(10, 10);
  headless::KeyDown(edit, 'S', {ssCtrl});
  EXPECT_EQ(saves, 1);
  TMenuItem* dropped = nullptr;
  headless::SetMenuBarHandler([&](TMenuItem& Entry) {
    dropped = &Entry;
    Entry.Items(0)->Click();
  });
  headless::KeyDown(edit, 'F', {ssAlt});
  EXPECT_EQ(dropped, file);
  EXPECT_EQ(saves, 2);
  save->SetEnabled(false);
  headless::KeyDown(edit, 'S', {ssCtrl});
  EXPECT_EQ(saves, 2);

  auto* popup = new TPopupMenu(form.get());
  edit->SetPopupMenu(popup);
  int popups = 0;
  popup->SetOnPopup([&](TObject*) { ++popups; });
  TPoint at{-1, -1};
  headless::SetPopupHandler([&](TPopupMenu&, int X, int Y) { at = {X, Y}; });
  headless::MouseDown(edit, mbRight, {}, 4, 6);
  headless::MouseUp(edit, mbRight, {}, 4, 6);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(at, edit->ClientToScreen({4, 6}));
  EXPECT_EQ(popup->PopupComponent(), edit);
}

TEST_F(Controls, TimerTicksOnVirtualTime) {
  auto* timer = new TTimer(form.get());
  timer->SetInterval(300);
  int ticks = 0;
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  headless::Advance(1000);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(false);
  headless::Advance(1000);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(true);
  timer->SetInterval(100);
  headless::Advance(250);
  EXPECT_EQ(ticks, 5);
}

}  // namespace
