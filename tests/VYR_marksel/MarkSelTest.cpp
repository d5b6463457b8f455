// The mark selector: the grid of visible symbols, the nearest symbol,
// settings and their limits, clicks and double clicks with their events,
// the highlight under the mouse, pixels of cells, frame and disabled look,
// and form files.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "VYR_marksel/VYR_marksel.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace markseltest {
namespace {

using namespace vcl;
using namespace vyr;
using namespace vyr::marksel;

TMarkFlags AllVisible() {
  TMarkFlags v{};
  v.fill(true);
  return v;
}

// ---------------------------------------------------------------- layout

TEST(MarkSelLayout, TheDefaultGridHasCellsOf29Pixels) {
  const TMarkGrid g = MarkGrid(236, 178, 8, 6);
  EXPECT_EQ(g.CellWidth, 29);
  EXPECT_EQ(g.CellHeight, 29);
  TMarkCentres c{};
  PlaceMarks(g, AllVisible(), c);
  for (int m = 0; m < MarkCount; ++m) {
    EXPECT_EQ(c[m].X, 14 + 29 * (m % 8)) << m;
    EXPECT_EQ(c[m].Y, 14 + 29 * (m / 8)) << m;
  }
  // 48 symbols fit; the last four lie below the control.
  EXPECT_LT(c[47].Y, 178);
  for (int m = 48; m < MarkCount; ++m) EXPECT_GT(c[m].Y, 178) << m;
}

TEST(MarkSelLayout, HiddenSymbolsLeaveTheirCellToTheNextAndKeepTheirCentre) {
  const TMarkGrid g = MarkGrid(236, 178, 8, 6);
  TMarkFlags v = AllVisible();
  TMarkCentres before{}, after{};
  PlaceMarks(g, v, before);
  after = before;
  v[5] = false;
  PlaceMarks(g, v, after);
  for (int m = 6; m < MarkCount; ++m) {
    EXPECT_EQ(after[m].X, before[m - 1].X) << m;
    EXPECT_EQ(after[m].Y, before[m - 1].Y) << m;
  }
  EXPECT_EQ(after[5].X, before[5].X);
  EXPECT_EQ(after[4].X, before[4].X);
}

TEST(MarkSelLayout, TheNearestVisibleSymbolWinsAndTheLowerOneOnATie) {
  const TMarkGrid g = MarkGrid(236, 178, 8, 6);
  TMarkFlags v = AllVisible();
  TMarkCentres c{};
  PlaceMarks(g, v, c);
  struct Case {
    int X, Y, Mark;
  } cases[] = {
      {14, 14, 0}, {43, 14, 1},     {28, 14, 0},  // 28 is nearer 14 than 43
      {29, 14, 1}, {-500, -500, 0}, {101, 500, 51}, {14 + 29 * 7, 160, 47}, {0, 170, 40},
  };
  for (const Case& k : cases) EXPECT_EQ(NearestMark(v, c, k.X, k.Y), k.Mark) << k.X << "," << k.Y;
  // A point halfway between two centres: the lower number.
  c[1] = Point(20, 14);
  c[0] = Point(10, 14);
  EXPECT_EQ(NearestMark(v, c, 15, 14), 0);
  v[0] = false;
  EXPECT_EQ(NearestMark(v, c, 15, 14), 1);
  v.fill(false);
  EXPECT_EQ(NearestMark(v, c, 15, 14), 0);
}

TEST(MarkSelLayout, CellAndHighlightRectangles) {
  const TMarkGrid g = MarkGrid(236, 178, 8, 6);
  const TRect cell = CellRect(g, Point(43, 72));
  EXPECT_EQ(cell.Left, 43 - 14 + 3);
  EXPECT_EQ(cell.Top, 72 - 14 + 3);
  EXPECT_EQ(cell.Right, 43 + 14 + 3);
  EXPECT_EQ(cell.Bottom, 72 + 14 + 3);
  const TRect lit = HighlightRect(g, Point(43, 72));
  EXPECT_EQ(lit.Left, cell.Left + 1);
  EXPECT_EQ(lit.Top, cell.Top + 1);
  EXPECT_EQ(lit.Right, cell.Right - 1);
  EXPECT_EQ(lit.Bottom, cell.Bottom - 1);
}

// ---------------------------------------------------------------- the control

constexpr TColor FormColor = 0x224466;

class MarkSelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    form->SetColor(FormColor);
    form->Show();  // the highlight is drawn straight onto the shown control
    sel = new TMarkSel(form.get());
    sel->SetParent(form.get());
    sel->SetLeft(10);
    sel->SetTop(10);
    sel->SetOnMarkClick([this](TObject* s, int x, int y, int m) {
      EXPECT_EQ(s, sel);
      clicks.push_back({x, y, m});
    });
    sel->SetOnMarkDblClick([this](TObject*, int x, int y, int m) { doubles.push_back({x, y, m}); });
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  TColor At(int X, int Y) { return headless::Snapshot(sel)->Canvas()->Pixels(X, Y); }
  TPoint Centre(int Mark) { return sel->MarkCentre(Mark); }
  TRect Lit(int Mark) { return HighlightRect(sel->Grid(), Centre(Mark)); }
  TRect Cell(int Mark) { return CellRect(sel->Grid(), Centre(Mark)); }

  struct Hit {
    int X, Y, Mark;
    bool operator==(const Hit&) const = default;
  };
  std::unique_ptr<TForm> form;
  TMarkSel* sel = nullptr;
  std::vector<Hit> clicks, doubles;
};

TEST_F(MarkSelTest, Defaults) {
  TMarkSel fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 236);
  EXPECT_EQ(fresh.Height(), 178);
  EXPECT_EQ(fresh.NrOfColumns(), 8);
  EXPECT_EQ(fresh.NrOfRows(), 6);
  EXPECT_EQ(fresh.Selected(), -1);
  EXPECT_TRUE(fresh.ShowZeroAsCross());
  EXPECT_EQ(fresh.ColorSelFG(), 0x800000u);
  EXPECT_EQ(fresh.FrameStyle(), fsBump);
  for (int m = 0; m < MarkCount; ++m) EXPECT_TRUE(fresh.MarkVisible(m));
}

TEST_F(MarkSelTest, SettingsKeepTheirLimits) {
  struct Case {
    void (TMarkSel::*Set)(int);
    int (TMarkSel::*Get)() const;
    int Value, Want;
  } cases[] = {
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 0, 8},
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 52, 8},
      {&TMarkSel::SetNrOfColumns, &TMarkSel::NrOfColumns, 51, 51},
      {&TMarkSel::SetNrOfRows, &TMarkSel::NrOfRows, -1, 6},
      {&TMarkSel::SetNrOfRows, &TMarkSel::NrOfRows, 1, 1},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, 52, -1},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, -2, -1},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, 51, 51},
      {&TMarkSel::SetSelected, &TMarkSel::Selected, -1, -1},
  };
  TMarkSel& target = *sel;
  for (const Case& c : cases) {
    std::invoke(c.Set, target, c.Value);
    EXPECT_EQ(std::invoke(c.Get, target), c.Want) << c.Value;
  }
}

TEST_F(MarkSelTest, SymbolZeroAlwaysShowsAndOutOfRangeReadsIt) {
  sel->SetVis(0, false);
  EXPECT_TRUE(sel->GetVis(0));
  sel->SetVis(7, false);
  EXPECT_FALSE(sel->MarkVisible(7));
  sel->SetVis(52, false);  // ignored, no crash
  sel->HideAllMarks();
  EXPECT_TRUE(sel->MarkVisible(0));
  EXPECT_FALSE(sel->MarkVisible(51));
  EXPECT_TRUE(sel->MarkVisible(60));  // reads symbol 0
  EXPECT_TRUE(sel->MarkVisible(-3));
  sel->ShowAllMarks();
  EXPECT_TRUE(sel->MarkVisible(51));
  EXPECT_EQ(sel->MarkAt(101, 500), 51);
}

TEST_F(MarkSelTest, AClickAnywhereSelectsTheNearestVisibleSymbol) {
  int paints = 0;
  sel->SetOnPaint([&](TObject*) { ++paints; });
  headless::Click(sel, 40, 45);
  EXPECT_EQ(sel->Selected(), 9);   // centre (43, 43)
  headless::Click(sel, 233, 175);  // the far corner: the last visible cell
  EXPECT_EQ(sel->Selected(), 47);
  sel->SetVis(47, false);
  headless::Click(sel, 233, 175);
  EXPECT_EQ(sel->Selected(), 48);  // 48 moved into the cell of the hidden 47
  EXPECT_EQ(clicks, (std::vector<Hit>{{40, 45, 9}, {233, 175, 47}, {233, 175, 48}}));
  EXPECT_GE(paints, 3);
  EXPECT_TRUE(doubles.empty());
}

TEST_F(MarkSelTest, ADoubleClickReportsTheSymbolToItsOwnEvent) {
  int plainClicks = 0;
  sel->SetOnClick([&](TObject*) { ++plainClicks; });
  headless::DblClick(sel, 72, 14);
  EXPECT_EQ(sel->Selected(), 2);
  EXPECT_EQ(doubles, (std::vector<Hit>{{72, 14, 2}}));
  EXPECT_EQ(clicks.size(), 2u);  // both releases
  EXPECT_GE(plainClicks, 1);
  // A release at (-1, -1) is not a click on a symbol.
  sel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(0xFFFF, 0xFFFF));
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(MarkSelTest, TheSelectedCellIsFilledAndOutlined) {
  sel->SetSelected(10);
  const TRect c = Cell(10);
  EXPECT_EQ(At(c.Left + 1, c.Top + 1), ColorToRGB(sel->ColorSelBG()));
  EXPECT_EQ(At(c.Left, c.Top + 5), ColorToRGB(sel->ColorSelFG()));
  EXPECT_EQ(At(c.Right, c.Top + 5), ColorToRGB(clBtnFace));
  const TPoint p = Centre(10);
  EXPECT_EQ(At(p.X + 2, p.Y + 2 - 10), ColorToRGB(sel->ColorSelBG()));
  const TRect other = Cell(11);
  EXPECT_EQ(At(other.Left + 1, other.Top + 1), ColorToRGB(clBtnFace));
}

TEST_F(MarkSelTest, ZeroShowsAsACrossOrAsItsSymbol) {
  const TMarkGrid g = sel->Grid();
  EXPECT_EQ(At(4, 4), clBlack);
  EXPECT_EQ(At(g.CellWidth, g.CellHeight), clBlack);
  sel->SetShowZeroAsCross(false);
  EXPECT_EQ(At(4, 4), ColorToRGB(clBtnFace));
  const TPoint p = Centre(0);
  EXPECT_EQ(At(p.X + 2, p.Y + 2), clBlack);
}

TEST_F(MarkSelTest, TheFrameAndTheDisabledLook) {
  EXPECT_EQ(At(0, 0), clWhite);  // fsBump: highlight outside
  sel->SetFrameStyle(fsSimple);
  sel->SetColorMarks(clGreen);
  EXPECT_EQ(At(0, 0), clGreen);  // the single line takes the symbol color
  sel->SetSelected(3);
  sel->SetEnabled(false);
  EXPECT_EQ(At(0, 0), 0x808080u);
  EXPECT_EQ(At(Cell(20).Left + 1, Cell(20).Top + 1), 0xC0C0C0u);
  const TRect c = Cell(3);
  EXPECT_EQ(At(c.Left + 1, c.Top + 1), 0xDEDEDEu);
  EXPECT_EQ(At(4, 4), 0x808080u);
}

TEST_F(MarkSelTest, TheHighlightFollowsTheMouse) {
  headless::MouseMove(sel, {}, Centre(12).X, Centre(12).Y);
  EXPECT_EQ(sel->HiLited(), 12);
  TRect lit = Lit(12);
  EXPECT_EQ(At(lit.Left + 1, lit.Top + 1), ColorToRGB(sel->ColorHiLiteBG()));
  const TPoint p = Centre(12);
  EXPECT_EQ(At(p.X + 2, p.Y + 2), ColorToRGB(sel->ColorHiLiteSymbol()));
  headless::MouseMove(sel, {}, Centre(20).X + 3, Centre(20).Y - 2);
  EXPECT_EQ(sel->HiLited(), 20);
  EXPECT_EQ(At(lit.Left + 1, lit.Top + 1), ColorToRGB(clBtnFace));
  lit = Lit(20);
  EXPECT_EQ(At(lit.Left + 1, lit.Top + 1), ColorToRGB(sel->ColorHiLiteBG()));
  headless::MouseLeave(sel);
  EXPECT_EQ(sel->HiLited(), -1);
  EXPECT_EQ(At(lit.Left + 1, lit.Top + 1), ColorToRGB(clBtnFace));
}

TEST_F(MarkSelTest, AClickedSymbolIsSelectedAndHighlighted) {
  headless::Click(sel, Centre(30).X, Centre(30).Y);
  EXPECT_EQ(sel->Selected(), 30);
  EXPECT_EQ(sel->HiLited(), 30);
  const TRect lit = Lit(30), cell = Cell(30);
  EXPECT_EQ(At(lit.Left + 1, lit.Top + 1), ColorToRGB(sel->ColorHiLiteBG()));
  EXPECT_EQ(At(cell.Left, cell.Top), ColorToRGB(sel->ColorSelFG()));  // selection outline
  headless::MouseMove(sel, {}, Centre(31).X, Centre(31).Y);
  EXPECT_EQ(At(lit.Left + 1, lit.Top + 1), ColorToRGB(sel->ColorSelBG()));  // restored as selected
}

TEST_F(MarkSelTest, FormFilesStoreOnlyWhatWasSet) {
  TMarkSel fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* name : {u"NrOfColumns", u"Selected", u"ColorSelFG", u"FrameStyle",
                               u"ShowZeroAsCross", u"Enabled", u"ColorHiLiteBG"}) {
    EXPECT_EQ(text.find(String(name) + u" ="), String::npos) << ToUTF8(name);
  }
  sel->SetName(u"Marks1");
  sel->SetNrOfColumns(13);
  sel->SetSelected(21);
  sel->SetColorHiLiteBG(clLime);
  sel->SetFrameStyle(fsRaised);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(sel)));
  auto* copy = dynamic_cast<TMarkSel*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NrOfColumns(), 13);
  EXPECT_EQ(copy->Selected(), 21);
  EXPECT_EQ(copy->ColorHiLiteBG(), clLime);
  EXPECT_EQ(copy->FrameStyle(), fsRaised);
}

}  // namespace
}  // namespace markseltest
