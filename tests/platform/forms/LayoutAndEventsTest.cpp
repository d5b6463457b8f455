// The pure layouts the standard controls share between painting and hit
// testing, checked against their written rules; the splitter dragged; the
// file dialogs on the headless host; a form's own events.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <numeric>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

// ---------------------------------------------------------------- track bar

// Values map onto First..Last linearly; the pixel of a value reads back as
// that value whenever there are at least as many pixels as values; the
// thumb is centred on its value's pixel.
TEST(Layouts, TrackBarValuesAndPixelsAgree) {
  const struct {
    int Width, Height;
    TTrackBarOrientation Orientation;
    TTickMark Ticks;
    int Min, Max;
  } cases[] = {{150, 45, trHorizontal, tmBottomRight, 0, 10},  {300, 45, trHorizontal, tmBoth, -50, 50},
               {45, 200, trVertical, tmTopLeft, 0, 100},       {150, 45, trHorizontal, tmBottomRight, 5, 5},
               {1000, 30, trHorizontal, tmBottomRight, 0, 1},  {80, 45, trHorizontal, tmBottomRight, 0, 1000}};
  for (const auto& c : cases) {
    for (int v = c.Min - 2; v <= c.Max + 2; ++v) {
      TTrackBarLayout l = LayoutTrackBar(c.Width, c.Height, c.Orientation, c.Ticks, 20, c.Min, c.Max, v);
      int p = TrackBarPixelOf(l, c.Min, c.Max, v);
      int clamped = std::clamp(v, c.Min, c.Max);
      if (c.Max > c.Min) {
        double exact = l.First + double(clamped - c.Min) * (l.Last - l.First) / (c.Max - c.Min);
        EXPECT_LE(std::abs(p - exact), 0.5) << c.Width << " v=" << v;
        if (l.Last - l.First >= c.Max - c.Min) {
          EXPECT_EQ(TrackBarValueAt(l, c.Min, c.Max, p), clamped) << v;
        }
      } else {
        EXPECT_EQ(p, l.First);
      }
      bool horz = c.Orientation == trHorizontal;
      int thumbStart = horz ? l.Thumb.Left : l.Thumb.Top;
      EXPECT_EQ(thumbStart, p - l.ThumbAlong / 2);
      EXPECT_EQ(horz ? l.Thumb.Width() : l.Thumb.Height(), l.ThumbAlong);
    }
    TTrackBarLayout l = LayoutTrackBar(c.Width, c.Height, c.Orientation, c.Ticks, 20, c.Min, c.Max, c.Min);
    EXPECT_EQ(TrackBarValueAt(l, c.Min, c.Max, -10000), c.Min);
    EXPECT_EQ(TrackBarValueAt(l, c.Min, c.Max, 10000), c.Max);
  }
}

// ---------------------------------------------------------------- status bar, tabs, radio group

TEST(Layouts, StatusPanelsFollowTheirWidths) {
  const std::vector<int> widths[] = {{50}, {50, 100, 30}, {200, 200}, {0, 10, 0}};
  for (const auto& w : widths) {
    for (int grip : {0, 16}) {
      auto rects = StatusPanelRects(w, 300, 19, grip);
      ASSERT_EQ(rects.size(), w.size());
      int start = 0;
      for (std::size_t i = 0; i < w.size(); ++i) {
        bool last = i + 1 == w.size();
        EXPECT_EQ(rects[i].Left, start);
        EXPECT_EQ(rects[i].Right, std::max(start, last ? 300 - grip : start + w[i] - 2));
        EXPECT_EQ(rects[i].Top, 2);
        EXPECT_EQ(rects[i].Bottom, 19);
        start += w[i];
      }
    }
  }
}

TEST(Layouts, TabsSitSideBySideAndTheActiveOneStandsOut) {
  const std::vector<int> widths{40, 55, 30};
  for (bool bottom : {false, true}) {
    for (int active = -1; active < 3; ++active) {
      auto tabs = LayoutTabs(widths, 2, 3, 18, active, bottom);
      int x = 2;
      for (int i = 0; i < 3; ++i) {
        int grow = i == active ? 2 : 0;
        EXPECT_EQ(tabs[i].Left, x - grow);
        EXPECT_EQ(tabs[i].Right, x + widths[i] + grow);
        EXPECT_EQ(tabs[i].Top, bottom ? 3 : 3 - grow);
        EXPECT_EQ(tabs[i].Bottom, bottom ? 21 + grow : 21);
        x += widths[i];
      }
    }
  }
}

// Buttons fill each column top to bottom, inside the group, never overlapping.
TEST(Layouts, RadioGroupButtonsFillColumns) {
  for (int columns = 1; columns <= 3; ++columns) {
    for (int count = 1; count <= 7; ++count) {
      int rows = (count + columns - 1) / columns;
      std::vector<TRect> r;
      for (int i = 0; i < count; ++i) r.push_back(RadioGroupButtonRect(185, 105, 13, count, columns, i));
      for (int i = 0; i < count; ++i) {
        EXPECT_GE(r[i].Left, 8);
        EXPECT_LE(r[i].Right, 185);
        EXPECT_GE(r[i].Top, 13);
        EXPECT_LE(r[i].Bottom, 105);
        EXPECT_EQ(r[i].Left, 8 + (i / rows) * ((185 - 10) / columns)) << count << "/" << columns << " " << i;
        for (int j = 0; j < i; ++j) EXPECT_TRUE(r[i].Intersect(r[j]).IsEmpty()) << i << " " << j;
        if (i % rows > 0) {
          EXPECT_GT(r[i].Top, r[i - 1].Top);
        }
      }
    }
  }
}

// ---------------------------------------------------------------- controls on a form

class OnAForm : public ::testing::Test {
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
  std::unique_ptr<TForm> form;
};

TEST_F(OnAForm, PageControlHitsTheTabsItPaints) {
  auto* pages = new TPageControl(form.get());
  pages->SetParent(form.get());
  for (const char16_t* caption : {u"One", u"Second", u"3"}) {
    auto* sheet = new TTabSheet(form.get());
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
  }
  pages->SetActivePageIndex(1);
  auto tabs = pages->TabRects();
  ASSERT_EQ(tabs.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    TPoint mid{(tabs[i].Left + tabs[i].Right) / 2, (tabs[i].Top + tabs[i].Bottom) / 2};
    EXPECT_EQ(pages->IndexOfTabAt(mid.X, mid.Y), i);
  }
  EXPECT_EQ(pages->IndexOfTabAt(tabs[2].Right + 5, tabs[2].Top + 3), -1);
  EXPECT_TRUE(pages->DisplayRect().Contains(Point(pages->Pages(1)->Left(), pages->Pages(1)->Top())));
  bool allow = false;
  pages->SetOnChanging([&](TObject*, bool& Allow) { Allow = allow; });
  headless::Click(pages, (tabs[0].Left + tabs[0].Right) / 2, tabs[0].Top + 4);
  EXPECT_EQ(pages->ActivePageIndex(), 1);  // refused
  allow = true;
  headless::Click(pages, (tabs[0].Left + tabs[0].Right) / 2, tabs[0].Top + 4);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
}

TEST_F(OnAForm, SplitterDragSizesItsNeighbour) {
  auto* left = new TPanel(form.get());
  left->SetParent(form.get());
  left->SetAlign(alLeft);
  left->SetWidth(100);
  auto* splitter = new TSplitter(form.get());
  splitter->SetParent(form.get());
  splitter->SetLeft(200);
  splitter->SetAlign(alLeft);
  ASSERT_EQ(splitter->Left(), 100);
  EXPECT_EQ(splitter->FindControl(), left);
  splitter->SetMinSize(40);
  splitter->SetAutoSnap(false);  // below MinSize stops at MinSize
  int moved = 0;
  splitter->SetOnMoved([&](TObject*) { ++moved; });
  const struct {
    int By;
    int Width;
  } drags[] = {{30, 130}, {-50, 80}, {-1000, 40}, {0, 40}};
  for (const auto& d : drags) {
    headless::MouseDown(splitter, mbLeft, {}, 1, 50);
    headless::MouseMove(splitter, {ssLeft}, 1 + d.By, 50);
    headless::MouseUp(splitter, mbLeft, {}, 1 + d.By, 50);
    EXPECT_EQ(left->Width(), d.Width) << d.By;
    EXPECT_EQ(splitter->Left(), d.Width) << d.By;
  }
  EXPECT_EQ(moved, 3);
  splitter->SetAutoSnap(true);  // below MinSize snaps shut
  headless::MouseDown(splitter, mbLeft, {}, 1, 50);
  headless::MouseMove(splitter, {ssLeft}, -30, 50);
  headless::MouseUp(splitter, mbLeft, {}, -30, 50);
  EXPECT_EQ(left->Width(), 0);
  EXPECT_EQ(moved, 4);
}

TEST_F(OnAForm, FileDialogsAnswerThroughTheHost) {
  TOpenDialog open(form.get());
  TSaveDialog save(form.get());
  save.SetDefaultExt(u"ord");
  std::vector<bool> seenSave;
  String answer;
  headless::SetFileDialogHandler([&](TOpenDialog& D) {
    seenSave.push_back(D.IsSave());
    if (answer.empty()) return false;
    D.SetFileName(answer);
    return true;
  });
  open.SetFileName(u"/old.txt");
  EXPECT_FALSE(open.Execute());  // cancelled: nothing changes
  EXPECT_EQ(open.FileName(), u"/old.txt");
  answer = u"/data/a.txt";
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), u"/data/a.txt");
  ASSERT_EQ(open.Files()->Count(), 1);
  answer = u"/data/order";
  EXPECT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), u"/data/order.ord");  // the default extension added
  save.SetOnCanClose([](TObject*, bool& CanClose) { CanClose = false; });
  EXPECT_FALSE(save.Execute());
  EXPECT_EQ(save.FileName(), u"/data/order.ord");
  EXPECT_EQ(seenSave, (std::vector<bool>{false, false, true, true}));
}

// OnActivate and OnDeactivate as the active form changes; OnPaint while
// the form paints; the form's keys first with KeyPreview.
TEST_F(OnAForm, FormEventsActivationPaintAndKeyPreview) {
  std::vector<std::string> log;
  auto other = std::make_unique<TForm>(nullptr);
  for (TForm* f : {form.get(), other.get()}) {
    std::string name = f == form.get() ? "first" : "second";
    f->SetOnActivate([&log, name](TObject*) { log.push_back(name + " activate"); });
    f->SetOnDeactivate([&log, name](TObject*) { log.push_back(name + " deactivate"); });
  }
  form->Show();
  other->Show();
  form->SetFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"first activate", "first deactivate", "second activate",
                                           "second deactivate", "first activate"}));
  int paints = 0;
  form->SetOnPaint([&](TObject*) { ++paints; });
  headless::Snapshot(form.get());
  EXPECT_GE(paints, 1);

  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  std::vector<std::string> keys;
  form->SetOnKeyPress([&](TObject*, char16_t& Key) {
    keys.push_back("form");
    if (Key == u'x') Key = u'y';
  });
  edit->SetOnKeyPress([&](TObject*, char16_t&) { keys.push_back("edit"); });
  headless::Type(edit, u"x");
  EXPECT_EQ(keys, (std::vector<std::string>{"edit"}));  // without KeyPreview the form hears nothing
  keys.clear();
  form->SetKeyPreview(true);
  headless::Type(edit, u"x");
  EXPECT_EQ(keys, (std::vector<std::string>{"form", "edit"}));
  EXPECT_EQ(edit->Text(), u"xy");  // the form changed the key before the edit saw it
}

}  // namespace
