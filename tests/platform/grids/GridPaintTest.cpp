// Grid painting, read back as single pixels: the default fills, the grid
// lines, the raised fixed cells, the area beyond the cells, the cells
// DrawCell is asked for, the border and the scroll bar.
#include "GridTestUtil.h"

namespace gridtest {
namespace {

class PaintTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetColCount(3);
    Grid->SetRowCount(3);  // cells end at x 195, y 75; no scroll bars
  }
  static TColor At(const std::unique_ptr<TBitmap>& B, int X, int Y) {
    return B->Canvas()->Pixels(X, Y);
  }
};

TEST_F(PaintTest, DefaultDrawingFillsFixedNormalAndSelectedCells) {
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 30, 12), RGBOf(clBtnFace));     // fixed cell
  EXPECT_EQ(At(shot, 150, 60), RGBOf(clWindow));     // cell (2, 2)
  EXPECT_EQ(At(shot, 90, 35), RGBOf(clHighlight));   // the selection, grid unfocused
  EXPECT_EQ(At(shot, 30, 100), RGBOf(clWindow));     // below the rows: Color, not FixedColor
  EXPECT_EQ(At(shot, 250, 12), RGBOf(clWindow));     // right of the columns
  Grid->SetColor(clYellow);
  Grid->SetFixedColor(clAqua);
  shot = Grid->Shot();
  EXPECT_EQ(At(shot, 30, 40), clAqua);
  EXPECT_EQ(At(shot, 150, 60), clYellow);
  EXPECT_EQ(At(shot, 250, 100), clYellow);
}

TEST_F(PaintTest, LinesFollowEachCellFixedOnesBlack) {
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 64, 10), clBlack);    // after fixed column 0, in the fixed row
  EXPECT_EQ(At(shot, 100, 24), clBlack);   // under the fixed row
  EXPECT_EQ(At(shot, 64, 40), clBlack);    // after the fixed column, beside the rows
  EXPECT_EQ(At(shot, 129, 60), clSilver);  // between columns 1 and 2
  EXPECT_EQ(At(shot, 150, 49), clSilver);  // between rows 1 and 2
  EXPECT_EQ(At(shot, 130, 60), RGBOf(clWindow));
  Grid->SetOptions({goFixedVertLine, goFixedHorzLine});
  shot = Grid->Shot();
  EXPECT_NE(At(shot, 129, 60), clSilver);  // no normal lines
  EXPECT_EQ(At(shot, 64, 40), clBlack);
  Grid->SetOptions({goVertLine, goHorzLine});
  Grid->SetColor(clSilver);
  shot = Grid->Shot();
  EXPECT_EQ(At(shot, 129, 60), clGray);  // silver lines would vanish on silver
}

TEST_F(PaintTest, FixedCellsLookRaised) {
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 0, 10), RGBOf(clBtnHighlight));
  EXPECT_EQ(At(shot, 30, 0), RGBOf(clBtnHighlight));
  EXPECT_EQ(At(shot, 63, 10), RGBOf(clBtnShadow));
  EXPECT_EQ(At(shot, 30, 23), RGBOf(clBtnShadow));
  EXPECT_EQ(At(shot, 1, 10), RGBOf(clBtnFace));
}

TEST_F(PaintTest, DrawCellGetsEveryShownCellWithItsState) {
  Grid->Shot();
  ASSERT_EQ(Grid->Drawn.size(), 9u);
  const TDrawn* fixed = Grid->DrawnCell(0, 2);
  ASSERT_NE(fixed, nullptr);
  EXPECT_TRUE(fixed->State == TGridDrawState({gdFixed}));
  EXPECT_EQ(fixed->Rect, Grid->CellRect(0, 2));
  const TDrawn* current = Grid->DrawnCell(1, 1);
  ASSERT_NE(current, nullptr);
  EXPECT_TRUE(current->State == TGridDrawState({gdSelected}));
  headless::KeyDown(Grid, VK_SHIFT);  // the grid takes the focus
  Grid->Shot();
  current = Grid->DrawnCell(1, 1);
  ASSERT_NE(current, nullptr);
  EXPECT_TRUE(current->State == TGridDrawState({gdSelected, gdFocused}));
  EXPECT_TRUE(Grid->DrawnCell(2, 2)->State.Empty());
}

TEST_F(PaintTest, TheFocusedCellIsNotHighlightedUnlessAsked) {
  headless::KeyDown(Grid, VK_SHIFT);
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 90, 35), RGBOf(clWindow));
  int dots = 0;  // the dotted focus frame along the cell's left side
  for (int y = 25; y < 49; ++y) dots += At(shot, 65, y) != RGBOf(clWindow) ? 1 : 0;
  EXPECT_GE(dots, 8);
  EXPECT_LE(dots, 16);
  Grid->SetOptions(Grid->Options() << goDrawFocusSelected);
  shot = Grid->Shot();
  EXPECT_EQ(At(shot, 90, 35), RGBOf(clHighlight));
}

TEST_F(PaintTest, WithoutDefaultDrawingOnlyTheHandlerPaintsCells) {
  Grid->SetDefaultDrawing(false);
  Grid->SetOnDrawCell([](TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState) {
    if (ACol != 2 || ARow != 2) return;
    TCanvas* c = static_cast<TDrawGrid*>(Sender)->Canvas();
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect);
  });
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 130, 50), clRed);
  EXPECT_EQ(At(shot, 193, 73), clRed);
  EXPECT_EQ(At(shot, 194, 60), clSilver);  // the line after it is the grid's
  EXPECT_NE(At(shot, 90, 35), RGBOf(clHighlight));
}

TEST_F(PaintTest, OnlyTheVisibleCellsAreDrawn) {
  Grid->SetRowCount(100'000);
  Grid->SetTopRow(50'000);
  Grid->Shot();
  // One fixed row and three whole rows, a cut one; three columns each.
  EXPECT_LE(Grid->Drawn.size(), 15u);
  for (const TDrawn& d : Grid->Drawn) {
    EXPECT_TRUE(d.Row == 0 || (d.Row >= 50'000 && d.Row <= 50'004)) << d.Row;
  }
}

TEST_F(PaintTest, TheScrollBarShowsTrackThumbAndArrows) {
  Grid->SetRowCount(100);
  auto shot = Grid->Shot();
  int x = Grid->Width() - GridScrollBarSize / 2;
  EXPECT_EQ(At(shot, x, 60), RGBOf(clScrollBar));                   // track
  EXPECT_EQ(At(shot, x, GridScrollBarSize + 4), RGBOf(clBtnFace));  // thumb at the top
  EXPECT_EQ(At(shot, x, GridScrollBarSize / 2 + 1), RGBOf(clBtnText));  // up arrow
  Grid->SetTopRow(Grid->MaxTopLeft().Y);
  shot = Grid->Shot();
  EXPECT_EQ(At(shot, x, GridScrollBarSize + 4), RGBOf(clScrollBar));
  EXPECT_EQ(At(shot, x, Grid->Height() - GridScrollBarSize - 4), RGBOf(clBtnFace));
}

TEST_F(PaintTest, ABorderMovesTheCellsInside) {
  Grid->SetBorderStyle(bsSingle);
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 0, 0), RGBOf(clWindowFrame));
  EXPECT_EQ(At(shot, 319, 60), RGBOf(clWindowFrame));
  EXPECT_EQ(At(shot, 65, 10), clBlack);  // the line after column 0, one pixel on
  EXPECT_EQ(Grid->DrawnCell(0, 0)->Rect, TRect(0, 0, 64, 24));
  headless::Click(Grid, 140, 55);  // control coordinates: client (139, 54)
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_EQ(Grid->Row(), 2);
}

// Gradient drawing fills fixed cells line by line from the start color to
// the end color, each channel stepping (to - from) * line / (lines - 1),
// cut toward the start; the other styles and the normal cells keep their
// plain fills.
TEST_F(PaintTest, GradientStyleFillsFixedCellsTopToBottom) {
  EXPECT_EQ(Grid->DrawingStyle(), gdsThemed);
  Grid->SetGradientStartColor(0x0000FF);  // red at the top
  Grid->SetGradientEndColor(0xFF0000);    // blue at the bottom
  auto shot = Grid->Shot();
  EXPECT_EQ(At(shot, 100, 12), RGBOf(clBtnFace));  // not yet gradient
  Grid->SetDrawingStyle(gdsGradient);
  shot = Grid->Shot();
  struct {
    int Line, Red, Blue;
  } const lines[] = {{1, 255 - 255 / 23, 255 / 23},
                     {12, 255 - 255 * 12 / 23, 255 * 12 / 23},
                     {22, 255 - 255 * 22 / 23, 255 * 22 / 23}};
  for (const auto& l : lines) {
    SCOPED_TRACE(l.Line);
    const TColor want = static_cast<TColor>(l.Blue) << 16 | static_cast<TColor>(l.Red);
    EXPECT_EQ(At(shot, 100, l.Line), want);  // the fixed row over column 1
    EXPECT_EQ(At(shot, 30, 24 + 1 + l.Line), want);  // fixed column, row 1
  }
  EXPECT_EQ(At(shot, 0, 10), RGBOf(clBtnHighlight));  // the raised edges stay
  EXPECT_EQ(At(shot, 150, 60), RGBOf(clWindow));
  EXPECT_EQ(grids::GradientLineColor(clRed, clBlue, 0, 1), clRed);
}

}  // namespace
}  // namespace gridtest
