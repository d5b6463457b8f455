// Painting of the table editor on the headless host, read back pixel by
// pixel: backgrounds and text colors by marks and selection, which head is
// highlighted, the corner, the render hook, and the texts themselves
// (their ink compared with the same text drawn by the canvas at the
// place the rules give).
#include <gtest/gtest.h>

#include "NTabEdSupport.h"

namespace ntabedtest {
namespace {

// Pixels of exactly Color inside R.
int CountColor(const std::unique_ptr<TBitmap>& B, const TRect& R, TColor Color) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (B->Canvas()->Pixels(x, y) == ColorToRGB(Color)) ++n;
  return n;
}

// The box of the pixels in R that differ from Back, relative to R.
TRect InkBox(TCanvas& C, const TRect& R, TColor Back) {
  TRect box{R.Right, R.Bottom, R.Left, R.Top};
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (C.Pixels(x, y) != ColorToRGB(Back)) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  if (box.Right <= box.Left) return TRect();
  box.Offset(-R.Left, -R.Top);
  return box;
}

class PaintTest : public NTabEdTest {
 protected:
  // The ink of Text drawn in the editor's font at (Dx, Dy) of a cell of
  // the given size on Back.
  TRect ExpectedInk(const String& Text, const TRect& Cell, int Dx, int Dy, TFontStyles Style = {}) {
    TBitmap ref(Cell.Width(), Cell.Height());
    TCanvas& c = *ref.Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect(Rect(0, 0, Cell.Width(), Cell.Height()));
    c.Font()->Assign(Ed->Font());
    c.Font()->SetStyle(Style);
    c.Font()->SetColor(clBlack);
    c.TextRect(Rect(0, 0, Cell.Width(), Cell.Height()), Dx, Dy, Text);
    return InkBox(c, Rect(0, 0, Cell.Width(), Cell.Height()), clWhite);
  }
  TRect ShownInk(const std::unique_ptr<TBitmap>& B, const TRect& Cell, TColor Back) {
    return InkBox(*B->Canvas(), Cell, Back);
  }
};

TEST_F(PaintTest, CellTextsAreTheRulesTexts) {
  Ed->SetElem(1, 1, 12.5);
  Ed->SetElem(2, 1, 123456.7);
  Ed->SetElem(3, 1, 7);
  Ed->SetCellState(3, 1, vyr::csNoNumber);
  Ed->SetElem(1, 2, 7);
  Ed->SetCellState(1, 2, vyr::csNoNumber | vyr::csEmpty);
  Select(3, 4, 3, 4);
  auto shot = Shot();
  struct Case {
    int C, R;
    const char16_t* Text;
  };
  for (const Case& c : {Case{1, 1, u"12.500"}, Case{2, 1, u" 1.2E+05"}, Case{3, 1, u"-nan-"},
                        Case{1, 2, u""}}) {
    TRect cell = CellOf(c.C, c.R);
    EXPECT_EQ(ShownInk(shot, cell, clWindow), ExpectedInk(c.Text, cell, 2, 1))
        << c.C << "," << c.R;
  }
}

TEST_F(PaintTest, NominalColumnsShowIdentifiers) {
  Ed->Data->SetMScaleType(2, vyr::mstNominal);
  Ed->Data->SetNominalID(2, 3, u"red");
  Ed->SetElem(2, 1, 3.0);
  Ed->SetElem(2, 2, 200);
  Ed->SetElem(2, 3, 2.5);  // rounds to 2, which has no identifier
  Select(1, 4, 1, 4);
  auto shot = Shot();
  EXPECT_EQ(ShownInk(shot, CellOf(2, 1), clWindow), ExpectedInk(u"red", CellOf(2, 1), 2, 1));
  EXPECT_EQ(ShownInk(shot, CellOf(2, 2), clWindow),
            ExpectedInk(u"nominal:200", CellOf(2, 2), 2, 1));
  EXPECT_EQ(ShownInk(shot, CellOf(2, 3), clWindow), ExpectedInk(u"nominal:2", CellOf(2, 3), 2, 1));
}

TEST_F(PaintTest, TextColorFollowsTheMarks) {
  Ed->SetColorNormal(clGreen);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 4; ++r) Ed->SetElem(c, r, 888.888);
  Ed->SetElemMarkedA(1, 1, true);
  Ed->SetElemMarkedB(2, 1, true);
  Ed->SetElemMarkedA(3, 1, true);
  Ed->SetElemMarkedB(3, 1, true);
  Select(3, 4, 3, 4);
  auto shot = Shot();
  struct Case {
    int C, R;
    TColor Ink;
  };
  const TColor all[] = {clGreen, Ed->ColorMarkedA(), Ed->ColorMarkedB(), Ed->ColorMarkedBoth()};
  for (const Case& c : {Case{1, 1, Ed->ColorMarkedA()}, Case{2, 1, Ed->ColorMarkedB()},
                        Case{3, 1, Ed->ColorMarkedBoth()}, Case{1, 2, clGreen}}) {
    for (TColor other : all) {
      const int n = CountColor(shot, CellOf(c.C, c.R), other);
      if (other == c.Ink) EXPECT_GT(n, 0) << c.C << "," << c.R;
      else EXPECT_EQ(n, 0) << c.C << "," << c.R;
    }
  }
  // Marked texts are bold.
  EXPECT_EQ(ShownInk(shot, CellOf(1, 1), clWindow),
            ExpectedInk(u"888.888", CellOf(1, 1), 2, 1, {fsBold}));
  Ed->SetBoldMarks(false);
  shot = Shot();
  EXPECT_EQ(ShownInk(shot, CellOf(1, 1), clWindow), ExpectedInk(u"888.888", CellOf(1, 1), 2, 1));
}

TEST_F(PaintTest, SelectedCellsTakeTheRangeColors) {
  Ed->SetElem(2, 2, 1);
  Ed->SetElem(2, 3, 1);
  Ed->SetElemMarkedA(2, 3, true);
  Select(1, 2, 2, 3);
  auto shot = Shot();
  TRect cell = CellOf(2, 2);
  EXPECT_EQ(At(shot, cell.Right - 2, cell.Bottom - 2), ColorToRGB(Ed->ColorRangeSelBG()));
  EXPECT_GT(CountColor(shot, cell, Ed->ColorRangeSelFG()), 0);
  EXPECT_GT(CountColor(shot, CellOf(2, 3), Ed->ColorMarkedA()), 0);  // marks win
  TRect outside = CellOf(3, 2);
  EXPECT_EQ(At(shot, outside.Right - 2, outside.Bottom - 2), ColorToRGB(clWindow));
}

TEST_F(PaintTest, HeadsOfTheSelectionAreHighlighted) {
  Ed->SetColorNormal(clNavy);
  Ed->SetColorSelected(clRed);
  Ed->SetColorFixed(clSilver);
  for (int c = 1; c <= 3; ++c) Ed->SetColName(c, u"Col");
  for (int r = 1; r <= 4; ++r) Ed->SetRowName(r, u"Row");
  Select(2, 3, 3, 4);
  auto shot = Shot();
  for (int c = 1; c <= 3; ++c) {
    TRect head = Ed->CellRect(GridOf(c, 1).X, 0);
    EXPECT_EQ(CountColor(shot, head, clRed) > 0, c == 2) << c;
    EXPECT_EQ(CountColor(shot, head, clNavy) > 0, c != 2) << c;
  }
  for (int r = 1; r <= 4; ++r) {
    TRect head = Ed->CellRect(0, GridOf(1, r).Y);
    EXPECT_EQ(CountColor(shot, head, clRed) > 0, r == 3) << r;
  }
  // Names sit at (left + 2, top + 1) of the head shrunk by one pixel, row
  // names one pixel higher; the highlighted ones in bold. (The ring
  // outside is the grid's raised edge.)
  struct Case {
    TRect Cell;
    const char16_t* Text;
    int Dy;
    TFontStyles Style;
  };
  for (const Case& c : {Case{Ed->CellRect(GridOf(1, 1).X, 0), u"Col", 1, {}},
                        Case{Ed->CellRect(GridOf(2, 1).X, 0), u"Col", 1, {fsBold}},
                        Case{Ed->CellRect(0, GridOf(1, 3).Y), u"Row", 0, {fsBold}},
                        Case{Ed->CellRect(0, GridOf(1, 4).Y), u"Row", 0, {}}}) {
    TRect inner = c.Cell;
    inner.Inflate(-1, -1);
    EXPECT_EQ(ShownInk(shot, inner, clSilver), ExpectedInk(c.Text, inner, 2, c.Dy, c.Style))
        << c.Cell.Left << "," << c.Cell.Top;
  }
}

TEST_F(PaintTest, HeadsShowAttributesAndLabels) {
  Ed->SetAttribColVisible(true);
  Ed->SetColorFixed(clSilver);
  Ed->SetColAttrib(2, 17);
  Ed->SetRowAttrib(1, 5);
  Select(3, 4, 3, 4);
  auto shot = Shot();
  struct Case {
    int GCol, GRow;
    const char16_t* Text;
  };
  for (const Case& c : {Case{1, 0, u"Attrib"}, Case{0, 1, u"Attribute"}, Case{3, 1, u"17"},
                        Case{1, 2, u"5"}, Case{1, 1, u""}}) {
    TRect cell = Ed->CellRect(c.GCol, c.GRow);
    TRect inner = cell;
    inner.Inflate(-1, -1);
    TRect expected = ExpectedInk(c.Text, inner, 2, 1);
    if (!expected.IsEmpty()) expected.Offset(1, 1);
    // The raised edges of fixed cells are outside the one-pixel ring.
    TRect inside = cell;
    inside.Inflate(-1, -1);
    TRect shown = ShownInk(shot, inside, clSilver);
    if (!shown.IsEmpty()) shown.Offset(1, 1);
    EXPECT_EQ(shown, expected) << c.GCol << "," << c.GRow;
  }
}

// Under the gradient drawing style the heads keep the grid's gradient
// behind their texts; the data cells keep their plain background.
TEST_F(PaintTest, HeadsShowTheGridsGradient) {
  Ed->SetDrawingStyle(gdsGradient);
  Ed->SetGradientStartColor(0x0000FF);
  Ed->SetGradientEndColor(0xFF0000);
  Ed->SetColName(2, u"");
  auto shot = Shot();
  const TRect head = Ed->CellRect(GridOf(2, 1).X, 0);
  for (int line : {3, head.Height() / 2, head.Height() - 3}) {
    SCOPED_TRACE(line);
    EXPECT_EQ(At(shot, head.Right - 6, head.Top + line),
              grids::GradientLineColor(0x0000FF, 0xFF0000, line, head.Height()));
  }
  const TRect data = CellOf(2, 2);
  EXPECT_EQ(At(shot, data.Right - 3, data.Top + 3), ColorToRGB(clWindow));
}

TEST_F(PaintTest, CornerShowsTheCellCursor) {
  Select(2, 3, 2, 3);
  auto shot = Shot();
  TRect corner = Ed->CellRect(0, 0);
  TRect inner = corner;
  inner.Inflate(-1, -1);  // the grid's raised edge is outside
  TRect expected = ExpectedInk(u"2:3", corner, 3, 2);
  expected.Offset(-1, -1);
  EXPECT_EQ(ShownInk(shot, inner, clWindow), expected);
  EXPECT_GT(CountColor(shot, corner, Ed->ColorNormal()), 0);
  Ed->SetShowCellCursor(false);
  shot = Shot();
  EXPECT_TRUE(ShownInk(shot, inner, clWindow).IsEmpty());
}

TEST_F(PaintTest, RenderHookChangesWhatIsDrawn) {
  std::vector<std::pair<int, int>> seen;
  Ed->SetOnBeforeRenderCell([&](TObject*, int C, int R, String& Text, TColor& Ink, TColor& Back,
                                TFontStyles&) {
    seen.emplace_back(C, R);
    if (C == 2 && R == 3) {
      Text = u"hook";
      Back = clYellow;
      Ink = clMaroon;
    }
  });
  Select(1, 1, 1, 1);
  auto shot = Shot();
  TRect cell = CellOf(2, 3);
  EXPECT_EQ(At(shot, cell.Right - 2, cell.Bottom - 2), ColorToRGB(clYellow));
  EXPECT_GT(CountColor(shot, cell, clMaroon), 0);
  EXPECT_EQ(ShownInk(shot, cell, clYellow), ExpectedInk(u"hook", cell, 2, 1));
  EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_pair(3, 4)), seen.end());
  EXPECT_EQ(std::find(seen.begin(), seen.end(), std::make_pair(0, 0)), seen.end());
}

// The picture from before the suppression stays on the screen.
TEST_F(PaintTest, NothingIsPaintedWhileSuppressed) {
  Form->Show();
  auto before = Shot();
  Ed->SetSuppressPaint(true);
  Ed->SetColorBackground(clYellow);
  auto during = Shot();
  TRect cell = CellOf(3, 4);
  EXPECT_EQ(At(during, cell.Right - 2, cell.Bottom - 2), At(before, cell.Right - 2, cell.Bottom - 2));
  Ed->SetSuppressPaint(false);
  auto after = headless::Snapshot(Ed);
  EXPECT_EQ(At(after, cell.Right - 2, cell.Bottom - 2), ColorToRGB(clYellow));
}

TEST_F(PaintTest, SizesFollowTheTexts) {
  TCanvas probe;
  TBitmap b(10, 10);
  TCanvas& c = *b.Canvas();
  c.Font()->Assign(Ed->Font());
  const int sample = c.TextHeight(u"9GMg\u00DC$\u00A7[{|");
  EXPECT_EQ(Ed->AutoRowHeight(1, 3), std::max(sample + 5, 8));
  EXPECT_EQ(Ed->RowHeights(1), std::max(sample + 5, 8));
  Ed->Font()->SetSize(1);
  c.Font()->Assign(Ed->Font());
  EXPECT_EQ(Ed->AutoRowHeight(2, 0), std::max(c.TextHeight(u"9GMg\u00DC$\u00A7[{|") + 2, 8));

  Ed->Font()->SetSize(8);
  c.Font()->Assign(Ed->Font());
  Ed->SetElem(2, 3, -1234.5);
  Ed->SetColName(2, u"a rather long column name");
  const int numbers = c.TextWidth(u"-1234.500");
  const int name = c.TextWidth(u"a rather long column name");
  EXPECT_EQ(Ed->AutoColWidth(2, false, 1), numbers + 9);
  EXPECT_EQ(Ed->ColWidths(2), numbers + 9);
  EXPECT_EQ(Ed->AutoColWidth(2, true, 0), std::max(numbers, name) + 8);
  EXPECT_EQ(Ed->AutoColWidth(-1, true, 0), c.TextWidth(u"Attrib") + 8);
  EXPECT_EQ(Ed->AutoColWidth(0, false, 0), c.TextWidth(u"999:9999") + 8);
  EXPECT_EQ(Ed->AutoColWidth(7, false, -20), 4);
}

}  // namespace
}  // namespace ntabedtest
