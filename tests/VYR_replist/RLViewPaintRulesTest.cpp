// Further painting rules of the report list view: texts cut with "..." to
// the column's room (compared with the cut text drawn by the same canvas
// rules), the outline color of check boxes in disabled rows, the header
// color under its two names, and a copy from a view without a window.
#include <cmath>

#include "RLViewTestUtil.h"

namespace rlviewtest {
namespace {

class PaintRulesTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(3);
    View->SetNrOfRows(6);
    View->SetHeight(260);
  }
  // The text that a column of the given room shows: k characters kept as
  // the rule computes them from the width without the first character.
  String CutByRule(const String& Text, int Room, bool RightAligned) {
    const int width = TextWidth(Text.substr(1));
    if (width <= 0 || Room >= width) return Text;
    const int len = static_cast<int>(Text.size());
    int k = static_cast<int>(std::nearbyint(static_cast<double>(len) * Room / width - 4));
    k = std::max(k, 1);
    if (RightAligned) return Text.substr(0, 1) + u"..." + Text.substr(static_cast<std::size_t>(len - k));
    return Text.substr(0, static_cast<std::size_t>(k)) + u"...";
  }
  // Draws Expected into a cell-sized bitmap as the cell rules place it and
  // counts the text-area pixels of the shown cell that differ from it.
  // TextIndent moves the text's left edge (16 for the box of a check cell).
  int DiffersFromCell(const std::unique_ptr<TBitmap>& Shot, int Col, int Row,
                      const String& Expected, bool RightAligned, int TextIndent = 0) {
    const TRect cell = Cell(Col, Row);
    const int w = cell.Width(), h = cell.Height();
    TBitmap ref(w, h);
    TCanvas& c = *ref.Canvas();
    c.Font()->Assign(View->Font());
    c.Font()->SetColor(View->ColorText());
    c.Brush()->SetColor(Background(Shot, Col, Row));
    c.Brush()->SetStyle(bsSolid);
    c.FillRect(Rect(0, 0, w, h));
    // Without vertical lines a cell takes the pixel of the missing line.
    const int grow = View->Options().Contains(goVertLine) ? 0 : 1;
    const TRect text(4 + TextIndent, 2, w + grow - 6, h);
    const int x = RightAligned ? text.Right - c.TextWidth(Expected) : text.Left;
    c.TextRect(text, x, text.Top - 1, Expected);
    int differ = 0;
    for (int y = text.Top; y < text.Bottom; ++y) {
      for (int xx = text.Left; xx < text.Right; ++xx) {
        if (c.Pixels(xx, y) != At(Shot, cell.Left + xx, cell.Top + y)) ++differ;
      }
    }
    return differ;
  }
};

TEST_F(PaintRulesTest, LongTextsAreCutToTheRoomOfTheirColumn) {
  const String text = u"The quick brown fox jumps over the lazy dog";
  View->SetColWidths(1, 90);
  View->SetColWidths(2, 90);
  View->SetColumnAlignment(2, taRightJustify);
  View->SetColWidths(3, 400);
  for (int c = 1; c <= 3; ++c) View->SetElem(c, 2, text);
  auto shot = Shot();
  const String left = CutByRule(text, 90 - 9, false);
  const String right = CutByRule(text, 90 - 9, true);
  ASSERT_NE(left, text);
  EXPECT_EQ(left.substr(left.size() - 3), u"...");
  EXPECT_EQ(right.substr(0, 4), u"T...");
  EXPECT_EQ(DiffersFromCell(shot, 1, 2, left, false), 0);
  EXPECT_EQ(DiffersFromCell(shot, 2, 2, right, true), 0);
  EXPECT_EQ(DiffersFromCell(shot, 3, 2, text, false), 0);  // room enough: whole text
  // A wrong cut shows up: the whole text is not what column 1 shows.
  EXPECT_GT(DiffersFromCell(shot, 1, 2, text, false), 0);
  View->SetOptions(View->Options() << goVertLine);  // with lines the cell stays as it is
  shot = Shot();
  EXPECT_EQ(DiffersFromCell(shot, 2, 2, right, true), 0);
}

TEST_F(PaintRulesTest, PasswordColumnsShowSixStarsWhateverTheContent) {
  View->SetColumnIsPwd(2, true);
  View->SetElem(2, 1, u"x");
  View->SetElem(2, 2, u"a much longer secret than six");
  auto shot = Shot();
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(DiffersFromCell(shot, 2, r, u"******", false), 0) << r;
  EXPECT_GT(DiffersFromCell(shot, 2, 1, u"x", false), 0);
}

TEST_F(PaintRulesTest, CheckColumnsLeaveRoomForTheBox) {
  const String text = u"abcdefghijklmnopqrstuvwxyz";
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetColWidths(1, 100);
  View->SetElem(1, 3, text);
  auto shot = Shot();
  // The stored text carries the marker; the room loses the box's 16 pixels.
  const String shown = CutByRule(u" " + text, 100 - 16 - 9, false);
  ASSERT_NE(shown, u" " + text);
  EXPECT_EQ(DiffersFromCell(shot, 1, 3, shown.substr(1), false, 16), 0);
}

// Pixels of Shot inside Area (client coordinates) that differ from Ref,
// whose top-left pixel stands for the client point Origin.
int DiffersInArea(const std::unique_ptr<TBitmap>& Shot, TBitmap& Ref, TPoint Origin,
                  const TRect& Area) {
  int differ = 0;
  for (int y = Area.Top; y < Area.Bottom; ++y) {
    for (int x = Area.Left; x < Area.Right; ++x) {
      if (Ref.Canvas()->Pixels(x - Origin.X, y - Origin.Y) != Shot->Canvas()->Pixels(x, y)) ++differ;
    }
  }
  return differ;
}

TEST_F(PaintRulesTest, CommonHeaderLinesAreAlignedOverTheWholeBand) {
  View->SetCommonHeaderVisible(true);
  View->SetCommonHeaderHeight(40);
  View->SetCommonHeader(u"Monthly\nreport");
  const int right = View->CellRect(2, 0).Right;  // R: the end of the last column
  for (TAlignment align : {taLeftJustify, taRightJustify, taCenter}) {
    View->SetCommonHeaderAlignment(align);
    auto shot = Shot();
    TBitmap ref(right, 40);
    TCanvas& c = *ref.Canvas();
    c.Font()->Assign(View->Font());
    c.Font()->SetColor(View->ColorCommonHdText());
    c.Brush()->SetColor(View->ColorCommonHd());
    c.FillRect(Rect(0, 0, right, 40));
    c.Brush()->SetStyle(bsClear);
    const int t = c.TextHeight(u"Monthly\nreport");
    const String lines[] = {u"Monthly", u"report"};
    for (int j = 0; j < 2; ++j) {
      const int tw = c.TextWidth(lines[j]);
      const int x = align == taLeftJustify ? 4 : align == taRightJustify ? right - tw - 6 : right / 2 - tw / 2;
      c.TextRect(Rect(0, 0, right, 40), x, 2 + j * t, lines[j]);
    }
    // Inside the raised edge and left of the closing lines.
    EXPECT_EQ(DiffersInArea(shot, ref, {0, 0}, Rect(1, 1, right - 2, 39)), 0) << static_cast<int>(align);
  }
}

TEST_F(PaintRulesTest, LongColumnNamesAreCutBesideTheSortArrow) {
  const String name = u"A rather long column name";
  View->SetColWidths(1, 100);
  View->SetHeader(1, name);
  View->SetColorColumnHdText(clRed);
  View->Sort(1, -1, true);
  auto shot = Shot();
  // The sort column loses 13 pixels to the arrow; 3 characters fewer than
  // the data-cell rule, and no first character kept apart.
  const int room = 100 - 13 - 9, width = TextWidth(name);
  ASSERT_GT(width, room);
  const int k = std::max(static_cast<int>(std::nearbyint(static_cast<double>(name.size()) * room / width - 3)), 1);
  const String shown = name.substr(0, static_cast<std::size_t>(k)) + u"...";
  const TRect cell = View->CellRect(0, 0);
  TBitmap ref(cell.Width(), cell.Height());
  TCanvas& c = *ref.Canvas();
  c.Font()->Assign(View->Font());
  c.Font()->SetColor(clRed);
  c.Brush()->SetColor(View->ColorColumnHd());
  c.FillRect(Rect(0, 0, cell.Width(), cell.Height()));
  c.Brush()->SetStyle(bsClear);
  c.TextRect(Rect(0, 0, cell.Width(), cell.Height()), 4, 2, shown);
  // The text up to where the arrow begins: a = text width + 10, less 4.
  const int arrowLeft = 4 + std::min(c.TextWidth(shown) + 10, 100 - 12) - 4;
  EXPECT_EQ(DiffersInArea(shot, ref, {cell.Left, cell.Top}, Rect(1, 1, arrowLeft, cell.Height() - 1)), 0);
  EXPECT_EQ(At(shot, arrowLeft, 2 + TextHeight(name) / 2 + 3), 0x808080u);  // the arrow's corner
}

TEST_F(PaintRulesTest, DisabledRowsOutlineTheirBoxesInThePenColor) {
  View->SetColumnCheckMode(1, vyr::cmBox);
  View->SetElemChecked(1, 2, false);
  View->SetElemChecked(1, 3, false);
  View->SetRowEnabled(2, false);
  View->SetOnBeforeRenderCell([](TObject*, int, int, TColor& Pen, TColor&, TColor&, TFontStyles&,
                                 String&) { Pen = clRed; });
  auto shot = Shot();
  TRect disabled = Cell(1, 2), enabled = Cell(1, 3);
  EXPECT_EQ(At(shot, disabled.Left + 4, disabled.Top + 9), clRed);
  EXPECT_EQ(At(shot, enabled.Left + 4, enabled.Top + 9), ColorToRGB(clBtnShadow));
  View->SetEnabled(false);  // a disabled control grays only the enabled rows' boxes
  shot = Shot();
  EXPECT_EQ(At(shot, disabled.Left + 4, disabled.Top + 9), clRed);
  EXPECT_EQ(At(shot, enabled.Left + 4, enabled.Top + 9), ColorToRGB(clInactiveCaption));
}

TEST_F(PaintRulesTest, FixedColorAndColorColumnHdAreOneProperty) {
  TCustomGrid* grid = View;
  grid->SetFixedColor(clYellow);  // the grid's own setter, as a form file's FixedColor
  EXPECT_EQ(View->ColorColumnHd(), clYellow);
  auto shot = Shot();
  EXPECT_EQ(At(shot, 30, 12), clYellow);  // inside the first column header
  View->SetColorColumnHd(clAqua);
  EXPECT_EQ(grid->FixedColor(), clAqua);
  EXPECT_EQ(View->FixedColor(), clAqua);
}

TEST_F(PaintRulesTest, ACopyFromAViewWithoutWindowStillPaints) {
  View->HandleNeeded();
  TReportListView source(nullptr);  // no window: its painting is held back
  EXPECT_TRUE(source.SuppressPaint());
  source.SetNrOfRows(4);
  source.SetColorBkgdShaded(clYellow);
  source.SetColorBkgdNormal(clYellow);
  View->Assign(&source);
  EXPECT_FALSE(View->SuppressPaint());
  auto shot = Shot();
  EXPECT_EQ(Background(shot, 1, 1), clYellow);
  EXPECT_EQ(Background(shot, 2, 4), clYellow);
  // Suppression the application asked for on a shown view is copied.
  auto* other = new TReportListView(Form.get());  // the form owns it
  other->SetParent(Form.get());
  other->HandleNeeded();
  other->SetSuppressPaint(true);
  View->Assign(other);
  EXPECT_TRUE(View->SuppressPaint());
}

}  // namespace
}  // namespace rlviewtest
