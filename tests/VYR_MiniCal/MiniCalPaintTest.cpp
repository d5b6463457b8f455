// Painting of the calendar by chosen pixels: cell backgrounds in their
// order (weekday, holiday, selection, their mean), text colors, headings,
// the button cells and their frames, and today's ring.
#include "MiniCal_Support.h"

#include "companion/basepack/VYR_vyrcolors.h"

namespace minicaltest {
namespace {

class MiniCalPaintTest : public MiniCalFixture {
 protected:
  void SetUp() override {
    MiniCalFixture::SetUp();
    cal->SetMarkToday(false);
  }
  // The background of a cell: its second pixel, clear of text and frame.
  TColor Background(int ACol, int ARow) const {
    const TRect r = cal->CellRect(ACol, ARow);
    return Pixel(r.Left + 2, r.Top + 2);
  }
  // How many pixels of the cell show Color.
  int CountIn(int ACol, int ARow, TColor Color) const {
    const TRect r = cal->CellRect(ACol, ARow);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += Pixel(x, y) == ColorToRGB(Color) ? 1 : 0;
    return n;
  }
};

TEST_F(MiniCalPaintTest, DayBackgroundsAndTextsFollowTheirOrder) {
  cal->AddHoliday(19, 3, 2025, u"Own");
  cal->AddHoliday(20, 3, 2025, u"Selected holiday");
  cal->AddHoliday(1, 4, 2025, u"Next month");  // shown grey: no holiday colors
  cal->SetDate(EncodeDate(2025, 3, 20));
  Shoot();
  const TColor mean = vyr::MeanColor(cal->ColorSelectedBg(), cal->ColorHolidayBg());
  const struct {
    int Day;  // day number n of the displayed month
    TColor Background, Text;
  } cases[] = {
      {12, 0xF8F8F8, cal->ColorActiveMonth()},   // Wednesday
      {15, 0xBBDDEE, cal->ColorActiveMonth()},   // Saturday
      {16, 0xCCEEFF, cal->ColorActiveMonth()},   // Sunday
      {19, cal->ColorHolidayBg(), cal->ColorHolidayFg()},
      {20, mean, cal->ColorSelectedFg()},
      {-3, 0xF8F8F8, cal->ColorInactiveMonth()}, // 25 February, a Tuesday
      {32, 0xF8F8F8, cal->ColorInactiveMonth()}, // 1 April, a Tuesday
  };
  for (const auto& c : cases) {
    const minical::TDayCell cell = cal->CellOfDay(c.Day);
    const int col = cell.Col, row = cell.Row;
    ASSERT_EQ(cal->DayOfCell(col, row), c.Day);
    EXPECT_EQ(Background(col, row), ColorToRGB(c.Background)) << "day " << c.Day;
    EXPECT_GT(CountIn(col, row, c.Text), 0) << "day " << c.Day;
  }
  cal->SetDate(EncodeDate(2025, 3, 21));
  cal->SetIndicateHolidays(false);
  Shoot();
  const minical::TDayCell own = cal->CellOfDay(19), selected = cal->CellOfDay(21);
  EXPECT_EQ(Background(own.Col, own.Row), 0xF8F8F8u);
  EXPECT_EQ(Background(selected.Col, selected.Row), ColorToRGB(cal->ColorSelectedBg()));
}

TEST_F(MiniCalPaintTest, HeadingsAndWeekNumbers) {
  cal->SetColorDayIdBg(clYellow);
  cal->SetColorDayIdFg(clNavy);
  cal->SetColorWeekNoBg(clAqua);
  cal->SetColorWeekNoFg(clMaroon);
  Shoot();
  for (int c = 1; c <= 7; ++c) {
    EXPECT_EQ(Background(c, 1), ColorToRGB(clYellow));
    EXPECT_GT(CountIn(c, 1, clNavy), 0);
  }
  for (int r = 2; r <= 7; ++r) {
    EXPECT_EQ(Background(0, r), ColorToRGB(clAqua));
    EXPECT_GT(CountIn(0, r, clMaroon), 0);
  }
}

TEST_F(MiniCalPaintTest, ButtonCellsWithAndWithoutTheThreeDLook) {
  Shoot();
  const TRect prev = cal->CellRect(2, 0);
  // Two rings over the cell and the grid lines after it.
  EXPECT_EQ(Pixel(prev.Left, prev.Top), 0xFFFFFFu);
  EXPECT_EQ(Pixel(prev.Left, prev.Bottom), 0x686868u);
  EXPECT_EQ(Pixel(prev.Right, prev.Bottom), 0x686868u);
  EXPECT_EQ(Pixel(prev.Left + 1, prev.Top + 1), 0xE6E2E2u);
  EXPECT_EQ(Pixel(prev.Right - 1, prev.Bottom - 1), 0x9CA0A5u);
  EXPECT_EQ(Pixel(prev.Left + 2, prev.Top + 2), ColorToRGB(clBtnFace));
  EXPECT_GT(CountIn(2, 0, clBlack), 0);  // "<"
  // The caption covers columns 3 to 5 and the lines between them.
  const TRect c3 = cal->CellRect(3, 0), c4 = cal->CellRect(4, 0);
  EXPECT_EQ(Pixel(c3.Right, c3.Top + 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(c4.Right, c4.Top + 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(c3.Left, c3.Top), 0xFFFFFFu);
  // "#" covers the corner cell and the line between them.
  const TRect corner = cal->CellRect(0, 0), hash = cal->CellRect(0, 1);
  EXPECT_EQ(Pixel(corner.Left + 3, corner.Bottom), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(corner.Left, corner.Top), 0xFFFFFFu);
  EXPECT_EQ(Pixel(hash.Left + 3, hash.Bottom), 0x686868u);

  cal->SetCtl3D(false);
  Shoot();
  const TRect flat = cal->CellRect(2, 0);
  EXPECT_EQ(Pixel(flat.Left, flat.Top), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(flat.Left + 3, flat.Bottom), ColorToRGB(clBlack));  // the fixed line
  EXPECT_EQ(cal->ColWidths(0), 300 + 5 - 7 * (cal->DefaultColWidth() + 2));
}

TEST_F(MiniCalPaintTest, TodaysRing) {
  const TDateTime today = Date();
  cal->SetDate(today);
  cal->SetMarkToday(true);
  cal->SetColorToday(clLime);
  Shoot();
  const minical::TDayCell cell = cal->CellOfDay(DayOf(today));
  const TRect r = cal->CellRect(cell.Col, cell.Row);
  // The ellipse inscribed in the cell inset by 2 touches the middle of its
  // top and left sides.
  EXPECT_EQ(Pixel((r.Left + r.Right) / 2, r.Top + 2), ColorToRGB(clLime));
  EXPECT_EQ(Pixel(r.Left + 2, (r.Top + r.Bottom) / 2), ColorToRGB(clLime));
  EXPECT_NE(Pixel(r.Left + 1, (r.Top + r.Bottom) / 2), ColorToRGB(clLime));
  cal->NextMonth();  // another month: no ring
  Shoot();
  EXPECT_EQ(CountIn(cell.Col, cell.Row, clLime), 0);
  cal->PrevMonth();
  cal->SetMarkToday(false);
  Shoot();
  EXPECT_EQ(CountIn(cell.Col, cell.Row, clLime), 0);
}

}  // namespace
}  // namespace minicaltest
