// Painting of the report list view, read back as chosen pixels: row bands,
// the order of the colors, check boxes and radio buttons stroke by stroke,
// headers, the sort arrow, the empty message and the inter-row indicator.
#include "RLViewTestUtil.h"

namespace rlviewtest {
namespace {

class PaintTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(3);
    View->SetNrOfRows(8);
    View->SetHeight(300);  // header and eight rows fit
  }
  // The top-left corner of a data cell.
  TPoint Corner(int Col, int Row) const {
    TRect r = Cell(Col, Row);
    return {r.Left, r.Top};
  }
};

TEST_F(PaintTest, RowBandsFollowRowColPattern) {
  View->SetRowColPattern(2);
  auto shot = Shot();
  const TColor shaded = View->ColorBkgdShaded(), normal = View->ColorBkgdNormal();
  const TColor expect[] = {shaded, shaded, normal, normal, shaded, shaded, normal, normal};
  for (int r = 1; r <= 8; ++r) EXPECT_EQ(Background(shot, 2, r), expect[r - 1]) << r;
  View->SetRowColPattern(0);
  shot = Shot();
  for (int r = 1; r <= 8; ++r) EXPECT_EQ(Background(shot, 2, r), normal) << r;
  View->SetRowColPattern(1);
  shot = Shot();
  EXPECT_EQ(Background(shot, 1, 1), shaded);
  EXPECT_EQ(Background(shot, 1, 2), normal);
}

TEST_F(PaintTest, SelectionHighlightAndDisabledColorsComeInTheirOrder) {
  View->SetColorSelectedBoth(clLime);
  View->SetColorSelectedCol(clAqua);
  View->SetRowSelected(2, true);
  View->SetRowSelected(4, true);
  View->SetColumnSelected(3, true);
  View->SetHighLightRow(4);
  View->SetRowEnabled(6, false);
  View->SetRowSelected(6, true);
  auto shot = Shot();
  EXPECT_EQ(Background(shot, 1, 2), View->ColorSelectedRow());
  EXPECT_EQ(Background(shot, 3, 2), clLime);                      // row and column
  EXPECT_EQ(Background(shot, 3, 1), clAqua);                      // column only
  EXPECT_EQ(Background(shot, 1, 4), View->ColorHigh());           // highlight wins
  EXPECT_EQ(Background(shot, 3, 4), View->ColorHigh());
  EXPECT_EQ(Background(shot, 3, 6), View->ColorDisabledBkgd());  // ignores the rest
  View->SetHighLightRow(0);
  View->SetHighLightColumn(1);
  shot = Shot();
  EXPECT_EQ(Background(shot, 1, 3), View->ColorHigh());
  EXPECT_EQ(Background(shot, 1, 6), View->ColorDisabledBkgd());
}

TEST_F(PaintTest, OnBeforeRenderCellSeesTheCellAndMayRecolorIt) {
  View->SetElem(2, 3, u"secret");
  View->SetColumnIsPwd(2, true);
  String seen;
  View->SetOnBeforeRenderCell([&](TObject* Sender, int ACol, int ARow, TColor&, TColor& Brush,
                                  TColor&, TFontStyles&, String& Text) {
    EXPECT_EQ(Sender, View);
    if (ACol == 2 && ARow == 3) {
      seen = Text;
      Brush = clRed;
    }
  });
  auto shot = Shot();
  EXPECT_EQ(seen, u"******");
  EXPECT_EQ(Background(shot, 2, 3), clRed);
  EXPECT_NE(Background(shot, 2, 4), clRed);
}

TEST_F(PaintTest, CheckBoxesShowTheirOutlineAndTick) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetElem(1, 1, u"on");
  View->SetElemChecked(1, 1, true);
  View->SetElem(1, 2, u"off");
  View->SetElemChecked(1, 3, false);  // only the marker: an empty box
  auto shot = Shot();
  const TColor shadow = ColorToRGB(clBtnShadow), ink = View->ColorText();
  TPoint a = Corner(1, 1), b = Corner(1, 2), c = Corner(1, 3), d = Corner(1, 4);
  EXPECT_EQ(At(shot, a.X + 4, a.Y + 9), shadow);    // left side of the box
  EXPECT_EQ(At(shot, a.X + 14, a.Y + 9), shadow);   // right side
  EXPECT_EQ(At(shot, a.X + 9, a.Y + 14), shadow);   // bottom
  EXPECT_EQ(At(shot, a.X + 7, a.Y + 9), ink);       // first stroke, k = 0
  EXPECT_EQ(At(shot, a.X + 7, a.Y + 11), ink);      // first stroke, k = 2
  EXPECT_EQ(At(shot, a.X + 11, a.Y + 7), ink);      // second stroke
  EXPECT_EQ(At(shot, a.X + 12, a.Y + 10), Background(shot, 1, 1));  // beside the tick
  EXPECT_EQ(At(shot, b.X + 4, b.Y + 9), shadow);
  EXPECT_NE(At(shot, b.X + 9, b.Y + 9), ink);       // unchecked: no tick
  EXPECT_EQ(At(shot, c.X + 4, c.Y + 9), shadow);    // marker only, empty boxes shown
  EXPECT_EQ(At(shot, d.X + 4, d.Y + 9), shadow);    // so has a cell never written
  View->SetShowEmptyCheckBoxes(false);
  shot = Shot();
  EXPECT_NE(At(shot, c.X + 4, c.Y + 9), shadow);
  EXPECT_NE(At(shot, d.X + 4, d.Y + 9), shadow);
  EXPECT_EQ(At(shot, b.X + 4, b.Y + 9), shadow);    // a cell with text keeps its box
}

TEST_F(PaintTest, ReadOnlyCheckMarksShowTheTickWithoutTheBox) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetElemChecked(1, 1, true);
  View->SetCheckMarksReadOnly(true);
  auto shot = Shot();
  TPoint a = Corner(1, 1);
  EXPECT_NE(At(shot, a.X + 4, a.Y + 9), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(shot, a.X + 9, a.Y + 9), View->ColorText());
}

TEST_F(PaintTest, RadioButtonsShowACircleAndADot) {
  View->SetColumnCheckMode(2, vyr::cmRadio);
  View->SetElem(2, 1, u"a");
  View->SetElem(2, 2, u"b");
  View->SetElemChecked(2, 2, true);
  auto shot = Shot();
  const TColor ink = View->ColorText(), shadow = ColorToRGB(clBtnShadow);
  TPoint a = Corner(2, 1), b = Corner(2, 2);
  EXPECT_EQ(At(shot, a.X + 4, a.Y + 9), shadow);  // the circle touches its box's sides
  EXPECT_EQ(At(shot, a.X + 9, a.Y + 4), shadow);
  EXPECT_NE(At(shot, a.X + 4, a.Y + 4), shadow);  // but not its corners
  EXPECT_NE(At(shot, a.X + 9, a.Y + 9), ink);
  for (int y = 7; y <= 11; ++y) EXPECT_EQ(At(shot, b.X + 9, b.Y + y), ink) << y;
  EXPECT_EQ(At(shot, b.X + 7, b.Y + 9), ink);
  EXPECT_NE(At(shot, b.X + 7, b.Y + 7), ink);     // the dot's corners stay clear
}

TEST_F(PaintTest, ADisabledControlGraysTheMarks) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetElemChecked(1, 1, true);
  View->SetEnabled(false);
  auto shot = Shot();
  TPoint a = Corner(1, 1);
  EXPECT_EQ(At(shot, a.X + 4, a.Y + 9), ColorToRGB(clInactiveCaption));
  EXPECT_EQ(At(shot, a.X + 9, a.Y + 9), ColorToRGB(clInactiveCaption));
}

TEST_F(PaintTest, AFixedFirstColumnIsRaisedInTheHeaderColor) {
  View->SetFixedFirstColumn(true);
  View->SetColorColumnHd(clYellow);
  auto shot = Shot();
  TRect r = Cell(1, 2);
  EXPECT_EQ(At(shot, r.Left + 20, r.Top + 12), clYellow);
  EXPECT_EQ(At(shot, r.Left, r.Top + 5), clWhite);
  EXPECT_EQ(At(shot, r.Right - 1, r.Top + 5), 0x808080u);
  EXPECT_EQ(At(shot, r.Left + 20, r.Bottom - 1), 0x808080u);
}

TEST_F(PaintTest, TheCommonHeaderIsOneBandEndingInADarkLine) {
  View->SetCommonHeaderVisible(true);
  View->SetColorCommonHd(clAqua);
  View->SetCommonHeader(u"");
  auto shot = Shot();
  const int right = View->CellRect(2, 0).Right;  // the end of the last column
  EXPECT_EQ(At(shot, 64, 10), clAqua);           // no column line inside the band
  EXPECT_EQ(At(shot, right - 1, 10), 0x808080u);
  EXPECT_EQ(At(shot, right, 10), clBlack);
  EXPECT_EQ(At(shot, 0, 10), clWhite);
  EXPECT_EQ(At(shot, 30, View->RowHeights(0) - 1), 0x808080u);
  EXPECT_EQ(At(shot, 30, View->RowHeights(0) + 5), ColorToRGB(View->ColorColumnHd()));
}

TEST_F(PaintTest, ColumnHeadersBreakOnlyAtLineFeeds) {
  View->SetColumnHeadersHeight(40);
  View->SetColorColumnHdText(clRed);
  View->SetHeader(1, u"Net|Gross");
  View->SetHeader(2, u"Net\nGross");
  auto shot = Shot();
  const int t = TextHeight(u"Net");
  auto inkIn = [&](int Col, int Top, int Bottom) {
    TRect r = View->CellRect(Col - 1, 0);
    for (int y = Top; y < Bottom; ++y) {
      for (int x = r.Left + 4; x < r.Right - 6; ++x) {
        if (At(shot, x, y) == clRed) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(inkIn(1, 2, 2 + t));
  EXPECT_FALSE(inkIn(1, 2 + t, 2 + 2 * t));
  EXPECT_TRUE(inkIn(2, 2, 2 + t));
  EXPECT_TRUE(inkIn(2, 2 + t, 2 + 2 * t));
}

TEST_F(PaintTest, TheSortArrowFollowsTheHeaderText) {
  View->SetHeader(1, u"Id");
  View->Sort(1, -1, true);
  auto shot = Shot();
  const int t = TextHeight(u"Id");
  int x0 = 4 + TextWidth(u"Id") + 10, y0 = 2 + t / 2;  // left aligned: text width + 10
  EXPECT_EQ(At(shot, x0 - 4, y0 + 3), 0x808080u);  // ascending: the gray left side
  EXPECT_EQ(At(shot, x0 - 2, y0), 0x808080u);
  EXPECT_EQ(At(shot, x0, y0 + 3), clWhite);         // the white base
  EXPECT_EQ(At(shot, x0 + 2, y0), clWhite);         // the white right side
  View->Sort(1, -1, false);
  shot = Shot();
  EXPECT_EQ(At(shot, x0 + 4, y0 - 3), clWhite);     // descending: white right side
  EXPECT_EQ(At(shot, x0, y0 - 3), 0x808080u);       // gray top
  EXPECT_EQ(At(shot, x0 - 2, y0), 0x808080u);
}

TEST_F(PaintTest, AnEmptyListShowsItsMessageCentred) {
  View->SetNrOfRows(0);
  View->SetColorEmptyMsg(clRed);
  View->SetEmptyMessage(u"No data|found");
  auto shot = Shot();
  const int h = View->Height(), t = TextHeight(u"No data|found");
  const int y0 = 20 - 2 * t;  // one header row of 20
  const int line1 = y0 + (h - y0) / 2 - 2;
  auto inkRows = [&](int Top, int Bottom) {
    int n = 0;
    for (int y = Top; y < Bottom; ++y) {
      for (int x = 0; x < View->Width(); ++x) {
        if (At(shot, x, y) == clRed) {
          ++n;
          break;
        }
      }
    }
    return n;
  };
  EXPECT_GT(inkRows(line1, line1 + t), 3);
  EXPECT_GT(inkRows(line1 + t, line1 + 2 * t), 3);
  EXPECT_EQ(inkRows(21, line1), 0);
  EXPECT_EQ(inkRows(line1 + 2 * t, h), 0);
  int left = View->Width(), right = 0;  // the ink of the second line is centred
  for (int y = line1 + t; y < line1 + 2 * t; ++y) {
    for (int x = 0; x < View->Width(); ++x) {
      if (At(shot, x, y) != clRed) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_NEAR((left + right) / 2, View->Width() / 2, 3);
  EXPECT_EQ(At(shot, 5, line1 + t), ColorToRGB(View->Color()));
}

TEST_F(PaintTest, TheInterRowIndicatorLiesOnTheLineAboveItsRow) {
  View->SetInterRowIndicatorPos(3);
  auto shot = Shot();
  // Header 20, then rows of 24 plus a line: the line above data row 3 is at 70.
  const int y = (1 + 3 - 1 - 1) * 25 + 20;
  EXPECT_EQ(y, Cell(1, 3).Top - 1);
  EXPECT_EQ(At(shot, 100, y), clRed);
  EXPECT_EQ(At(shot, 100, y - 1), clRed);  // three pixels wide
  EXPECT_EQ(At(shot, 100, y + 1), clRed);
  EXPECT_NE(At(shot, 100, y + 2), clRed);
  View->SetInterRowIndicatorPos(20);  // beyond NrOfRows + 1: not drawn
  shot = Shot();
  EXPECT_NE(At(shot, 100, y), clRed);
}

TEST_F(PaintTest, SuppressedPaintingDrawsNothingUntilResumed) {
  int renders = 0;
  View->SetOnBeforeRenderCell(
      [&](TObject*, int, int, TColor&, TColor&, TColor&, TFontStyles&, String&) { ++renders; });
  Shot();
  EXPECT_GT(renders, 0);
  renders = 0;
  View->SetSuppressPaint(true);
  View->SetElem(1, 1, u"x");
  Shot();
  EXPECT_EQ(renders, 0);
  View->SetSuppressPaint(false);
  headless::Snapshot(View);
  EXPECT_GE(renders, 24);  // eight rows of three data cells
  EXPECT_EQ(renders % 24, 0);
}

TEST_F(PaintTest, AMillionRowsPaintOnlyTheVisibleCells) {
  View->SetNrOfRows(1'000'000);
  View->SetTopRow(600'000);
  int renders = 0, lowest = 1 << 30, highest = 0;
  View->SetOnBeforeRenderCell([&](TObject*, int, int ARow, TColor&, TColor&, TColor&,
                                  TFontStyles&, String&) {
    ++renders;
    lowest = std::min(lowest, ARow);
    highest = std::max(highest, ARow);
  });
  Shot();
  EXPECT_LE(renders, 3 * 12);
  EXPECT_EQ(lowest, 600'000);
  EXPECT_LE(highest, 600'011);
}

}  // namespace
}  // namespace rlviewtest
