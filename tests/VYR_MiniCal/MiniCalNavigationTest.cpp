// The selected date: its parts, month and year steps, the grid's current
// cell, mouse navigation with and without AutoSwitch, keys.
#include "MiniCal_Support.h"

#include <cmath>
#include <functional>
#include <limits>

namespace minicaltest {
namespace {

using MiniCalDateTest = MiniCalFixture;

TEST_F(MiniCalDateTest, InitialState) {
  TMiniCal fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 300);
  EXPECT_EQ(fresh.Height(), 180);
  EXPECT_EQ(fresh.ColCount(), 8);
  EXPECT_EQ(fresh.RowCount(), 8);
  EXPECT_EQ(fresh.FixedCols(), 1);
  EXPECT_EQ(fresh.FixedRows(), 2);
  EXPECT_EQ(fresh.ScrollBars(), ssNone);
  EXPECT_EQ(fresh.BorderStyle(), bsSingle);
  EXPECT_FALSE(fresh.DefaultDrawing());
  EXPECT_FALSE(fresh.Options().Contains(goRangeSelect));
  EXPECT_TRUE(fresh.Options().Contains(goDrawFocusSelected));
  EXPECT_TRUE(fresh.DoubleBuffered());
  EXPECT_TRUE(fresh.AutoSwitch());
  EXPECT_EQ(fresh.FirstDayOfWeek(), dwMon);
  EXPECT_EQ(fresh.Language(), lgEnglish);
  EXPECT_EQ(fresh.NumHolidays(), 8);
  EXPECT_EQ(fresh.ColorSelectedBg(), 0xD0A040u);
  EXPECT_EQ(fresh.ColorHolidayFg(), 0x0000C0u);
  EXPECT_EQ(fresh.DayColors(dwWed), 0xF8F8F8u);
  EXPECT_EQ(fresh.DayColors(dwSat), 0xBBDDEEu);
  EXPECT_EQ(fresh.GetDayColors(dwSun), 0xCCEEFFu);
  // The date is taken from the clock when made.
  EXPECT_LT(std::fabs(fresh.Date() - Now()), 1.0 / 24);
}

TEST_F(MiniCalDateTest, PartSettersKeepWhatIsOutOfRangeAndDropTheTime) {
  cal->SetDate(EncodeDateTime(2025, 3, 15, 13, 30, 0, 0));
  changes = 0;
  const struct {
    void (TMiniCal::*Set)(int);
    int Value;
    int Y, M, D;
  } cases[] = {
      {&TMiniCal::SetYear, 2024, 2024, 3, 15}, {&TMiniCal::SetYear, -1, 2024, 3, 15},
      {&TMiniCal::SetMonth, 7, 2024, 7, 15},   {&TMiniCal::SetMonth, 13, 2024, 7, 15},
      {&TMiniCal::SetMonth, -2, 2024, 7, 15},  {&TMiniCal::SetDay, 31, 2024, 7, 31},
      {&TMiniCal::SetDay, 32, 2024, 7, 31},    {&TMiniCal::SetDay, -1, 2024, 7, 31},
  };
  int expectedChanges = 0;
  for (const auto& c : cases) {
    std::invoke(c.Set, *cal, c.Value);
    EXPECT_TRUE(Is(c.Y, c.M, c.D)) << c.Value;
    EXPECT_EQ(changes, ++expectedChanges);  // every call re-encodes and fires
  }
  EXPECT_EQ(cal->Year(), 2024);
  EXPECT_EQ(cal->Month(), 7);
  EXPECT_EQ(cal->Day(), 31);
}

TEST_F(MiniCalDateTest, ImpossibleDatesRaiseAndLeaveTheDate) {
  Select(2025, 1, 31);
  EXPECT_THROW(cal->SetMonth(2), EConvertError);  // 31 February
  EXPECT_THROW(cal->SetMonth(0), EConvertError);
  EXPECT_THROW(cal->SetDay(0), EConvertError);
  EXPECT_THROW(cal->SetYear(0), EConvertError);
  EXPECT_THROW(cal->SetYear(10000), EConvertError);
  Select(2024, 2, 29);
  EXPECT_THROW(cal->SetYear(2025), EConvertError);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), 1e9, -1e9,
                     std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(cal->SetDate(bad), EConvertError);
  }
  EXPECT_TRUE(Is(2024, 2, 29));
  EXPECT_EQ(changes, 0);
}

TEST_F(MiniCalDateTest, MonthStepsKeepTheDayWhereTheMonthHasIt) {
  const struct {
    int Y, M, D;
    int Step;
    int EY, EM, ED;
  } cases[] = {
      {2025, 1, 31, 1, 2025, 2, 28},   {2024, 1, 31, 1, 2024, 2, 29},
      {2025, 3, 31, -1, 2025, 2, 28},  {2025, 12, 15, 1, 2026, 1, 15},
      {2025, 1, 15, -1, 2024, 12, 15}, {2025, 5, 31, 1, 2025, 6, 30},
      {2025, 4, 30, 1, 2025, 5, 30},   {2025, 3, 1, -1, 2025, 2, 1},
  };
  for (const auto& c : cases) {
    Select(c.Y, c.M, c.D);
    if (c.Step > 0) cal->NextMonth(); else cal->PrevMonth();
    EXPECT_TRUE(Is(c.EY, c.EM, c.ED)) << c.Y << "-" << c.M << "-" << c.D << " by " << c.Step;
    EXPECT_EQ(changes, 1);
  }
  Select(9999, 12, 1);
  EXPECT_THROW(cal->NextMonth(), EConvertError);
  EXPECT_TRUE(Is(9999, 12, 1));
}

TEST_F(MiniCalDateTest, YearStepsMoveTheLeapDayToThe28th) {
  Select(2024, 2, 29);
  cal->NextYear();
  EXPECT_TRUE(Is(2025, 2, 28));
  EXPECT_EQ(changes, 2);  // the day, then the year
  Select(2024, 2, 29);
  cal->PrevYear();
  EXPECT_TRUE(Is(2023, 2, 28));
  Select(2025, 6, 30);
  cal->PrevYear();
  EXPECT_TRUE(Is(2024, 6, 30));
  EXPECT_EQ(changes, 1);
  cal->LastDayOfMonth();
  EXPECT_TRUE(Is(2024, 6, 30));
  cal->SetDay(1);
  cal->SetMonth(2);
  cal->LastDayOfMonth();
  EXPECT_TRUE(Is(2024, 2, 29));
}

TEST_F(MiniCalDateTest, TheCurrentCellFollowsTheSelectedDay) {
  const struct {
    int Y, M, D, Col, Row;
  } cases[] = {
      {2025, 3, 1, 6, 2}, {2025, 3, 31, 1, 7}, {2024, 9, 1, 7, 2}, {2024, 1, 1, 1, 2},
      {2025, 3, 15, 6, 4}, {2024, 9, 30, 1, 7},
  };
  for (const auto& c : cases) {
    Select(c.Y, c.M, c.D);
    EXPECT_EQ(cal->Col(), c.Col) << c.Y << "-" << c.M << "-" << c.D;
    EXPECT_EQ(cal->Row(), c.Row) << c.Y << "-" << c.M << "-" << c.D;
    EXPECT_EQ(cal->DayOfCell(c.Col, c.Row), c.D);
  }
  cal->SetFirstDayOfWeek(dwSun);  // September 2024 now starts in column 1
  EXPECT_EQ(cal->Col(), 2);
  EXPECT_EQ(cal->Row(), 6);
}

TEST_F(MiniCalDateTest, FirstDayOfWeekFiresOnlyWhenChanged) {
  cal->SetFirstDayOfWeek(dwMon);
  EXPECT_EQ(changes, 0);
  cal->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(cal->MonOfs(), -5);  // 1 Mar 2025, a Saturday, is now in the last column
  EXPECT_EQ(cal->HeadingText(1, 1), u"Su");
  EXPECT_EQ(cal->HeadingText(7, 1), u"Sa");
  cal->SetDayColors(dwTue, clAqua);
  EXPECT_EQ(cal->DayColors(dwTue), clAqua);
  EXPECT_EQ(changes, 2);
}

// ---------------------------------------------------------------- mouse

using MiniCalMouseTest = MiniCalFixture;

TEST_F(MiniCalMouseTest, NavigationCells) {
  const struct {
    int Col, Row;
    int Y, M, D;
  } cases[] = {
      {1, 0, 2024, 3, 15}, {7, 0, 2025, 3, 15}, {2, 0, 2025, 2, 15},
      {6, 0, 2025, 3, 15}, {6, 0, 2025, 4, 15}, {2, 0, 2025, 3, 15},
  };
  for (const auto& c : cases) {
    ClickCell(c.Col, c.Row);
    EXPECT_TRUE(Is(c.Y, c.M, c.D)) << c.Col << "," << c.Row;
  }
  EXPECT_EQ(changes, 6);
  for (int col : {3, 4, 5}) ClickCell(col, 0);  // the caption does nothing
  EXPECT_TRUE(Is(2025, 3, 15));
  EXPECT_EQ(changes, 6);
  for (const TPoint at : {CellCentre(0, 1), CellCentre(0, 0)}) {  // "#": today
    headless::Click(cal, at.X, at.Y);
    EXPECT_EQ(cal->Year(), YearOf(Now()));
    EXPECT_EQ(cal->Day(), DayOf(Now()));
    cal->SetDate(EncodeDate(2025, 3, 15));
  }
}

TEST_F(MiniCalMouseTest, DayCellsSelectAndGreyDaysSwitchMonthsWithAutoSwitch) {
  const struct {
    bool AutoSwitch;
    int Y, M, D;  // selected before
    int Col, Row;
    int EY, EM, ED;
    int Changes;
  } cases[] = {
      {true, 2025, 3, 15, 3, 4, 2025, 3, 12, 1},    // a day of the month
      {true, 2025, 3, 15, 1, 2, 2025, 2, 24, 1},    // grey 24 Feb
      {true, 2025, 3, 15, 3, 7, 2025, 4, 2, 1},     // grey 2 Apr
      {true, 2025, 1, 10, 1, 2, 2024, 12, 30, 1},   // January back to December
      {true, 2024, 12, 10, 7, 7, 2025, 1, 5, 1},    // December on to January
      {false, 2025, 3, 15, 3, 7, 2025, 3, 15, 0},   // grey without AutoSwitch
      {false, 2025, 3, 15, 1, 2, 2025, 3, 15, 0},
      {false, 2025, 3, 15, 7, 6, 2025, 3, 30, 1},
  };
  for (const auto& c : cases) {
    cal->SetAutoSwitch(c.AutoSwitch);
    Select(c.Y, c.M, c.D);
    ClickCell(c.Col, c.Row);
    EXPECT_TRUE(Is(c.EY, c.EM, c.ED)) << c.Y << "-" << c.M << " cell " << c.Col << "," << c.Row;
    EXPECT_EQ(changes, c.Changes);
    const minical::TDayCell cell = cal->CellOfDay(cal->Day());
    EXPECT_EQ(cal->Col(), cell.Col);  // the current cell is back on the date
    EXPECT_EQ(cal->Row(), cell.Row);
  }
}

TEST_F(MiniCalMouseTest, OtherButtonsWeekNumbersAndNamesDoNothing) {
  const TPoint p = CellCentre(3, 4);
  headless::MouseDown(cal, mbRight, {}, p.X, p.Y);
  headless::MouseUp(cal, mbRight, {}, p.X, p.Y);
  for (const TPoint at : {CellCentre(0, 3), CellCentre(4, 1)}) headless::Click(cal, at.X, at.Y);
  EXPECT_TRUE(Is(2025, 3, 15));
  EXPECT_EQ(changes, 0);
}

TEST_F(MiniCalMouseTest, KeysMoveTheDate) {
  const struct {
    std::uint16_t Key;
    int Y, M, D;
  } cases[] = {
      {VK_RIGHT, 2025, 3, 16}, {VK_DOWN, 2025, 3, 23}, {VK_LEFT, 2025, 3, 22},
      {VK_UP, 2025, 3, 15},    {VK_NEXT, 2025, 4, 15}, {VK_PRIOR, 2025, 3, 15},
      {VK_END, 2025, 3, 31},   {VK_HOME, 2025, 3, 1},  {VK_LEFT, 2025, 2, 28},
  };
  for (const auto& c : cases) {
    headless::KeyDown(cal, c.Key);
    EXPECT_TRUE(Is(c.Y, c.M, c.D)) << c.Key;
  }
  EXPECT_EQ(changes, 9);
}

// ---------------------------------------------------------------- size

TEST_F(MiniCalDateTest, ColumnZeroAndRowZeroTakeWhatTheOthersLeave) {
  const struct {
    int W, H;
    bool Ctl3D;
  } cases[] = {{300, 180, true}, {300, 180, false}, {222, 140, true}, {401, 257, false}};
  for (const auto& c : cases) {
    cal->SetCtl3D(c.Ctl3D);
    cal->SetBounds(0, 0, c.W, c.H);
    // Client area inside the one-pixel border; grid lines one pixel.
    const int colWidth = (c.W - 2 - 7) / 8, rowHeight = (c.H - 2 - 7) / 8;
    const int f = c.Ctl3D ? 2 : 5;
    EXPECT_EQ(cal->DefaultColWidth(), colWidth);
    EXPECT_EQ(cal->DefaultRowHeight(), rowHeight);
    EXPECT_EQ(cal->ColWidths(1), colWidth);
    EXPECT_EQ(cal->RowHeights(7), rowHeight);
    EXPECT_EQ(cal->ColWidths(0), c.W + f - 7 * (colWidth + 2)) << c.W;
    EXPECT_EQ(cal->RowHeights(0), c.H + f - 7 * (rowHeight + 2)) << c.H;
  }
  cal->SetBounds(0, 0, 3, 3);  // too small for anything: nothing negative
  EXPECT_EQ(cal->DefaultColWidth(), 0);
  EXPECT_GE(cal->ColWidths(0), 0);
  EXPECT_GE(cal->RowHeights(0), 0);
  Shoot();
}

}  // namespace
}  // namespace minicaltest
