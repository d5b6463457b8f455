// The tree view on the headless host: expansion with its events and lazy
// children, selection, keys, hit testing on painted rows, label editing,
// updates and pixels of rows, lines and buttons.
#include <gtest/gtest.h>

#include "ComCtrlsTestSupport.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"

namespace comctltest {
namespace {

class TreeTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    tree = Make<TTreeView>(10, 10);
    tree->SetBounds(10, 10, 200, 150);
    nodes = tree->Items();
    // a > (a1, a2 > (a21)), b, c > (c1)
    a = nodes->Add(nullptr, u"a");
    b = nodes->Add(a, u"b");
    c = nodes->Add(a, u"c");
    a1 = nodes->AddChild(a, u"a1");
    a2 = nodes->AddChild(a, u"a2");
    a21 = nodes->AddChild(a2, u"a21");
    c1 = nodes->AddChild(c, u"c1");
    tree->SetOnChanging([this](TObject*, TTreeNode* n, bool& allow) {
      log += "changing:" + Name(n) + " ";
      allow = allowChange;
    });
    tree->SetOnChange([this](TObject*, TTreeNode* n) { log += "change:" + Name(n) + " "; });
  }
  static std::string Name(TTreeNode* n) { return n != nullptr ? U8(n->Text()) : "nil"; }
  std::string Rows() const {
    std::string out;
    for (int i = 0; i < tree->RowCount(); ++i) out += Name(tree->RowNode(i)) + " ";
    return out;
  }
  // The middle of a node's row, at its label.
  TPoint LabelPoint(TTreeNode* n) const {
    TRect r = n->DisplayRect(true);
    return Point(r.Left + 3, (r.Top + r.Bottom) / 2);
  }
  TTreeView* tree = nullptr;
  TTreeNodes* nodes = nullptr;
  TTreeNode *a = nullptr, *b = nullptr, *c = nullptr, *a1 = nullptr, *a2 = nullptr, *a21 = nullptr, *c1 = nullptr;
  std::string log;
  bool allowChange = true;
};

TEST_F(TreeTest, Defaults) {
  TTreeView fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 121);
  EXPECT_EQ(fresh.Height(), 97);
  EXPECT_EQ(fresh.Color(), clWindow);
  EXPECT_TRUE(fresh.TabStop());
  EXPECT_TRUE(fresh.ShowLines());
  EXPECT_TRUE(fresh.ShowButtons());
  EXPECT_TRUE(fresh.ShowRoot());
  EXPECT_EQ(fresh.Indent(), 19);
  EXPECT_TRUE(fresh.HideSelection());
  EXPECT_FALSE(fresh.ReadOnly());
  EXPECT_EQ(fresh.Selected(), nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* name : {u"ShowLines", u"Indent", u"ReadOnly", u"SortType", u"Color", u"TabStop"}) {
    EXPECT_EQ(text.find(String(name) + u" ="), String::npos) << U8(name);
  }
}

TEST_F(TreeTest, ExpandAndCollapseAskAndReport) {
  tree->SetOnExpanding([this](TObject*, TTreeNode* n, bool& allow) {
    log += "expanding:" + Name(n) + " ";
    allow = n != c;
  });
  tree->SetOnExpanded([this](TObject*, TTreeNode* n) { log += "expanded:" + Name(n) + " "; });
  tree->SetOnCollapsing([this](TObject*, TTreeNode* n, bool& allow) {
    log += "collapsing:" + Name(n) + " ";
    allow = n != a2;
  });
  tree->SetOnCollapsed([this](TObject*, TTreeNode* n) { log += "collapsed:" + Name(n) + " "; });
  EXPECT_EQ(Rows(), "a b c ");
  a->Expand(false);
  c->Expand(false);  // refused
  EXPECT_EQ(log, "expanding:a expanded:a expanding:c ");
  EXPECT_FALSE(c->Expanded());
  EXPECT_EQ(Rows(), "a a1 a2 b c ");
  log.clear();
  a->Expand(true);  // the whole branch
  EXPECT_EQ(Rows(), "a a1 a2 a21 b c ");
  EXPECT_EQ(log, "expanding:a2 expanded:a2 ");
  b->Expand(false);  // no children: nothing to ask
  EXPECT_FALSE(b->Expanded());
  log.clear();
  a->Collapse(true);  // a2 refuses, a goes
  EXPECT_EQ(log, "collapsing:a2 collapsing:a collapsed:a ");
  EXPECT_TRUE(a2->Expanded());
  EXPECT_EQ(Rows(), "a b c ");
  a->Expand(false);
  EXPECT_EQ(Rows(), "a a1 a2 a21 b c ");  // a2 kept its state
}

// A node that only promises children gets them from OnExpanding; one that
// gets none loses its button.
TEST_F(TreeTest, LazyChildrenComeFromOnExpanding) {
  TTreeNode* lazy = nodes->Add(nullptr, u"lazy");
  TTreeNode* empty = nodes->Add(nullptr, u"empty");
  lazy->SetHasChildren(true);
  empty->SetHasChildren(true);
  int loads = 0;
  tree->SetOnExpanding([&](TObject*, TTreeNode* n, bool&) {
    if (n->Data() != nullptr || n == empty) return;  // loaded once
    ++loads;
    n->SetData(reinterpret_cast<void*>(0xA5F016ED));
    nodes->AddChild(n, u"one");
    nodes->AddChild(n, u"two")->SetHasChildren(true);
  });
  EXPECT_EQ(lazy->Count(), 0);
  lazy->Expand(false);
  EXPECT_TRUE(lazy->Expanded());
  EXPECT_EQ(lazy->Count(), 2);
  lazy->Collapse(false);
  lazy->Expand(false);
  EXPECT_EQ(loads, 1);
  empty->Expand(false);
  EXPECT_FALSE(empty->Expanded());
  EXPECT_FALSE(empty->HasChildren());
  // The button shows for the promise and not once it is gone.
  int left = tree->RowsArea().Left;
  EXPECT_TRUE(tree->GetHitTestInfoAt(left + tree->ButtonCenterX(1), LabelPoint(lazy->Item(1)).Y).Contains(htOnButton));
  EXPECT_FALSE(tree->GetHitTestInfoAt(left + tree->ButtonCenterX(1), LabelPoint(lazy->Item(0)).Y).Contains(htOnButton));
  EXPECT_FALSE(tree->GetHitTestInfoAt(left + tree->ButtonCenterX(0), LabelPoint(empty).Y).Contains(htOnButton));
}

TEST_F(TreeTest, SelectionAsksAndReports) {
  tree->SetSelected(b);
  EXPECT_EQ(log, "changing:b change:b ");
  allowChange = false;
  log.clear();
  c->SetSelected(true);
  EXPECT_EQ(tree->Selected(), b);
  EXPECT_EQ(log, "changing:c ");
  allowChange = true;
  log.clear();
  tree->SetSelected(a21);  // shows it: its parents open
  EXPECT_TRUE(a->Expanded());
  EXPECT_TRUE(a2->Expanded());
  EXPECT_TRUE(a21->Selected());
  log.clear();
  a->Collapse(false);  // the selection leaves the closed branch, unasked
  EXPECT_EQ(tree->Selected(), a);
  EXPECT_EQ(log, "change:a ");
  log.clear();
  a->Delete();  // the next sibling takes the selection
  EXPECT_EQ(tree->Selected(), b);
  EXPECT_EQ(log, "change:b ");
  log.clear();
  c->Delete();
  b->Delete();  // the last one: nothing left to select
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(log, "change:nil ");
}

TEST_F(TreeTest, KeysWalkTheShownNodes) {
  tree->SetBounds(10, 10, 200, 4 * tree->ItemHeight() + 4);  // a page of four rows
  const struct {
    std::uint16_t Key;
    const char* Selected;
  } steps[] = {
      {VK_DOWN, "a"},     // nothing selected: the first row
      {VK_RIGHT, "a"},    // expands
      {VK_RIGHT, "a1"},   // then goes to the first child
      {VK_DOWN, "a2"},    {VK_ADD, "a2"},  {VK_DOWN, "a21"}, {VK_DOWN, "b"},
      {VK_UP, "a21"},     {VK_LEFT, "a2"},  // to the parent
      {VK_LEFT, "a2"},    // collapses
      {VK_END, "c"},      {VK_MULTIPLY, "c"}, {VK_DOWN, "c1"},
      {VK_HOME, "a"},     {VK_NEXT, "b"},    // three rows down: a a1 a2 b
      {VK_PRIOR, "a"},    {VK_SUBTRACT, "a"}, {VK_DOWN, "b"},
  };
  for (const auto& s : steps) {
    headless::KeyDown(tree, s.Key);
    EXPECT_EQ(Name(tree->Selected()), s.Selected) << "key " << s.Key;
  }
  EXPECT_FALSE(a->Expanded());
  EXPECT_TRUE(c->Expanded());
  headless::Type(tree, u"c");  // the next node starting with c
  EXPECT_EQ(Name(tree->Selected()), "c");
  headless::Type(tree, u"-");
  EXPECT_FALSE(c->Expanded());
}

// Each painted row answers GetNodeAt with its node, at any X, also after scrolling.
TEST_F(TreeTest, GetNodeAtFindsThePaintedRows) {
  tree->FullExpand();
  int h = tree->ItemHeight();
  tree->SetBounds(10, 10, 200, 4 * h + 4);  // room for four rows
  TRect area = tree->RowsArea();
  ASSERT_EQ(Rows(), "a a1 a2 a21 b c c1 ");
  for (int top : {0, 2}) {
    tree->SetTopItem(tree->RowNode(top));
    for (int row = 0; row + top < tree->RowCount() && area.Top + row * h < area.Bottom; ++row) {
      for (int y : {area.Top + row * h, area.Top + row * h + h - 1}) {
        EXPECT_EQ(tree->GetNodeAt(area.Right - 2, y), tree->RowNode(top + row)) << "row " << row << " top " << top;
      }
      EXPECT_EQ(tree->RowNode(top + row)->DisplayRect(false).Top, area.Top + row * h);
    }
  }
  EXPECT_EQ(tree->TopItem(), a2);
  tree->SetTopItem(c1);  // no further than the last page
  EXPECT_EQ(tree->TopItem(), a21);
  tree->SetTopItem(a);
  tree->SetBounds(10, 10, 200, 8 * h + 4);
  EXPECT_EQ(tree->GetNodeAt(5, area.Top + 7 * h), nullptr);  // below the last row
  THitTests hits = tree->GetHitTestInfoAt(LabelPoint(a21).X, LabelPoint(a21).Y);
  EXPECT_TRUE(hits.Contains(htOnLabel));
  EXPECT_TRUE(tree->GetHitTestInfoAt(area.Left + tree->ItemLeft(2) - 3, LabelPoint(a21).Y).Contains(htOnIndent));
  EXPECT_TRUE(tree->GetHitTestInfoAt(area.Right - 2, LabelPoint(a21).Y).Contains(htOnRight));
}

TEST_F(TreeTest, MouseSelectsTogglesAndScrolls) {
  TRect area = tree->RowsArea();
  int h = tree->ItemHeight();
  int cy = area.Top + h / 2;
  headless::Click(tree, area.Left + tree->ButtonCenterX(0), cy);  // a's button
  EXPECT_TRUE(a->Expanded());
  EXPECT_EQ(tree->Selected(), nullptr);
  headless::Click(tree, LabelPoint(a2).X, LabelPoint(a2).Y);
  EXPECT_EQ(tree->Selected(), a2);
  headless::DblClick(tree, LabelPoint(a2).X, LabelPoint(a2).Y);
  EXPECT_TRUE(a2->Expanded());
  tree->SetBounds(10, 10, 200, 2 * h + 4);
  headless::Wheel(tree, -120, {}, 5, 5);  // three rows a notch
  EXPECT_EQ(tree->TopItem(), a21);
  headless::Wheel(tree, -120, {}, 5, 5);
  EXPECT_EQ(tree->TopItem(), b);  // no further than the last page
  headless::Wheel(tree, 120, {}, 5, 5);
  EXPECT_EQ(tree->TopItem(), a1);
}

TEST_F(TreeTest, LabelEditingStoresThroughOnEdited) {
  std::string edits;
  tree->SetOnEditing([&](TObject*, TTreeNode* n, bool& allow) {
    edits += "editing:" + Name(n) + " ";
    allow = n != c;
  });
  tree->SetOnEdited([&](TObject*, TTreeNode* n, String& s) {
    edits += "edited:" + Name(n) + ":" + U8(s) + " ";
    s = UpperCase(s);
  });
  tree->SetSelected(b);
  headless::KeyDown(tree, VK_F2);
  ASSERT_TRUE(tree->IsEditing());
  TEdit* edit = tree->EditControl();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(U8(edit->Text()), "b");
  EXPECT_TRUE(edit->Focused());
  headless::Type(edit, u"bee");
  headless::KeyDown(edit, VK_RETURN);
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_EQ(U8(b->Text()), "BEE");
  EXPECT_TRUE(tree->Focused());
  EXPECT_TRUE(b->EditText());
  headless::Type(tree->EditControl(), u"zzz");
  headless::KeyDown(tree->EditControl(), VK_ESCAPE);
  EXPECT_EQ(U8(b->Text()), "BEE");
  EXPECT_FALSE(c->EditText());  // refused by OnEditing
  EXPECT_EQ(edits, "editing:b edited:b:bee editing:BEE editing:c ");
  tree->SetReadOnly(true);
  EXPECT_FALSE(b->EditText());
}

// A second, slow click on the selected node's label starts editing after
// the double-click time; a double click does not.
TEST_F(TreeTest, SlowSecondClickEdits) {
  tree->SetSelected(b);
  headless::Click(tree, LabelPoint(b).X, LabelPoint(b).Y);
  EXPECT_FALSE(tree->IsEditing());
  headless::Advance(GetDoubleClickTime());
  EXPECT_TRUE(tree->IsEditing());
  b->EndEdit(true);
  headless::DblClick(tree, LabelPoint(c).X, LabelPoint(c).Y);
  headless::Advance(GetDoubleClickTime() + 10);
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_TRUE(c->Expanded());
}

// Between BeginUpdate and EndUpdate nothing is painted; EndUpdate paints once.
TEST_F(TreeTest, UpdatesPaintOnceAtTheEnd) {
  int h = tree->ItemHeight();
  TRect area = tree->RowsArea();
  int row = 3;  // below a, b, c
  auto inked = [&] {
    auto shot = headless::Snapshot(tree);
    int n = 0;
    for (int y = area.Top + row * h; y < area.Top + (row + 1) * h; ++y) {
      for (int x = area.Left; x < area.Right; ++x) n += PixelAt(shot, x, y) != ColorToRGB(clWindow);
    }
    return n;
  };
  EXPECT_EQ(inked(), 0);
  nodes->BeginUpdate();
  nodes->Add(nullptr, u"new");
  EXPECT_EQ(inked(), 0);
  nodes->BeginUpdate();
  nodes->EndUpdate();  // still inside the outer update
  EXPECT_EQ(inked(), 0);
  nodes->EndUpdate();
  EXPECT_GT(inked(), 0);
}

// Pixels: a focused selection in the highlight color, without the focus in
// the button face color (or plain with HideSelection); the button's frame,
// minus and plus; the dotted lines.
TEST_F(TreeTest, PixelsOfSelectionButtonsAndLines) {
  auto other = Make<TEdit>(250, 10);
  tree->SetSelected(b);
  headless::KeyDown(tree, VK_HOME);
  headless::KeyDown(tree, VK_DOWN);  // focused, b selected (a is collapsed)
  ASSERT_EQ(tree->Selected(), b);
  TRect label = b->DisplayRect(true);
  auto shot = headless::Snapshot(tree);
  EXPECT_EQ(PixelAt(shot, label.Right - 2, label.Top + 1), ColorToRGB(clHighlight));
  EXPECT_EQ(PixelAt(shot, label.Right + 1, label.Top + 1), ColorToRGB(clWindow));
  other->SetFocus();
  shot = headless::Snapshot(tree);
  EXPECT_EQ(PixelAt(shot, label.Right - 2, label.Top + 1), ColorToRGB(clWindow));
  tree->SetHideSelection(false);
  shot = headless::Snapshot(tree);
  EXPECT_EQ(PixelAt(shot, label.Right - 2, label.Top + 1), ColorToRGB(clBtnFace));

  TRect area = tree->RowsArea();
  int h = tree->ItemHeight();
  int cx = area.Left + tree->ButtonCenterX(0);
  int cy = area.Top + h / 2;  // a's row
  EXPECT_EQ(PixelAt(shot, cx - 4, cy), ColorToRGB(clBtnShadow));  // frame
  EXPECT_EQ(PixelAt(shot, cx + 4, cy - 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(shot, cx - 3, cy - 3), ColorToRGB(clWindow));   // inside
  EXPECT_EQ(PixelAt(shot, cx - 2, cy), ColorToRGB(clWindowText));   // minus
  EXPECT_EQ(PixelAt(shot, cx, cy - 2), ColorToRGB(clWindowText));   // plus: collapsed
  a->Expand(false);
  shot = headless::Snapshot(tree);
  EXPECT_EQ(PixelAt(shot, cx, cy - 2), ColorToRGB(clWindow));       // minus only
  // The line from a's button down to b: dotted by the parity of x + y.
  for (int y = cy + 6; y < cy + 3 * h; ++y) {
    TColor expected = ((cx + y) & 1) == 0 ? ColorToRGB(clBtnShadow) : ColorToRGB(clWindow);
    EXPECT_EQ(PixelAt(shot, cx, y), expected) << "y " << y;
  }
  // a1's horizontal line, from its column's centre to before its text.
  int y1 = area.Top + h + h / 2;
  int cx1 = area.Left + tree->ButtonCenterX(1);
  for (int x = cx1; x < area.Left + tree->ItemLeft(1) - 1; ++x) {
    TColor expected = ((x + y1) & 1) == 0 ? ColorToRGB(clBtnShadow) : ColorToRGB(clWindow);
    EXPECT_EQ(PixelAt(shot, x, y1), expected) << "x " << x;
  }
}

TEST_F(TreeTest, ImagesDrawBeforeTheText) {
  auto* images = new TImageList(form.get());
  images->SetWidth(8);
  images->SetHeight(8);
  TBitmap strip(16, 8);
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(Rect(0, 0, 8, 8));
  strip.Canvas()->Brush()->SetColor(clLime);
  strip.Canvas()->FillRect(Rect(8, 0, 16, 8));
  strip.Canvas()->SetPixels(0, 0, clFuchsia);
  EXPECT_EQ(images->AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(images->Count(), 2);
  tree->SetImages(images);
  b->SetImageIndex(0);
  b->SetSelectedIndex(1);
  TRect label = b->DisplayRect(true);
  int left = label.Left - 10, top = label.Top + (label.Height() - 8) / 2;
  auto shot = headless::Snapshot(tree);
  EXPECT_EQ(PixelAt(shot, left + 3, top + 3), ColorToRGB(clRed));
  EXPECT_EQ(PixelAt(shot, left, top), ColorToRGB(clWindow));  // masked out
  tree->SetSelected(b);
  shot = headless::Snapshot(tree);
  EXPECT_EQ(PixelAt(shot, left + 3, top + 3), ColorToRGB(clLime));
  delete images;  // the view lets go of it
  EXPECT_EQ(tree->Images(), nullptr);
}

TEST_F(TreeTest, FormFilesStoreTheOptions) {
  tree->SetName(u"Tree1");
  tree->SetShowLines(false);
  tree->SetIndent(12);
  tree->SetReadOnly(true);
  tree->SetSortType(stText);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(tree)));
  auto* copy = dynamic_cast<TTreeView*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_FALSE(copy->ShowLines());
  EXPECT_EQ(copy->Indent(), 12);
  EXPECT_TRUE(copy->ReadOnly());
  EXPECT_EQ(copy->SortType(), stText);
}

}  // namespace
}  // namespace comctltest
