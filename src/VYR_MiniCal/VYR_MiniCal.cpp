// TMiniCal: construction, properties, the selected date, navigation, the
// holiday list and the mouse and keys. Painting is in VYR_MiniCalPaint.cpp,
// form-file registration in VYR_MiniCalRegister.cpp.
#include "VYR_MiniCal/VYR_MiniCal.h"

#include <algorithm>
#include <cmath>

#include "foundation/VYR_errors.h"
#include "platform/SysUtils.h"
#include "platform/WinapiMessages.h"

namespace vyr {

using namespace minical;

TMiniCal::TMiniCal(vcl::TComponent* AOwner) : vcl::TCustomDrawGrid(AOwner) {
  FHDayList = std::make_unique<TIntMatrix>(3, 0);
  FHDayCaptions = std::make_unique<vcl::TStringList>();
  FDate = vcl::Now();
  FDayColors = {0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
  SetColCount(GridSize);
  SetRowCount(GridSize);
  SetFixedCols(1);
  SetFixedRows(2);
  SetGridLineWidth(1);
  SetScrollBars(vcl::ssNone);
  SetBorderStyle(vcl::bsSingle);
  SetDefaultDrawing(false);
  SetOptions((Options() >> vcl::goRangeSelect) << vcl::goDrawFocusSelected);
  SetDoubleBuffered(true);
  SetBounds(Left(), Top(), 300, 180);
  LoadBuiltInHolidays();
  ApplyCellSizes();
  UpdateCalendar();
}

// The holiday list is held without an owner, so that form files do not
// write it as a component of their own.
TMiniCal::~TMiniCal() = default;

// ---------------------------------------------------------------- properties

void TMiniCal::SetColorField(vcl::TColor& Field, vcl::TColor Value) {
  Field = Value;
  Invalidate();
}

void TMiniCal::SetCtl3D(bool Value) {
  vcl::TCustomDrawGrid::SetCtl3D(Value);
  ApplyCellSizes();
  Invalidate();
}

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek Value) {
  if (FFirstDayOfWeek == Value) return;
  FFirstDayOfWeek = Value;
  UpdateCalendar();
  Changed();
}

void TMiniCal::SetIndicateHolidays(bool Value) {
  FIndicateHolidays = Value;
  UpdateCalendar();
}

void TMiniCal::SetLanguage(TLanguage Value) {
  FLanguage = Value;
  LoadBuiltInHolidays();
  UpdateCalendar();
}

void TMiniCal::SetMarkToday(bool Value) {
  FMarkToday = Value;
  Invalidate();
}

void TMiniCal::SetShowHolidayHint(bool Value) {
  FShowHolidayHint = Value;
  if (!ComponentState().Contains(vcl::csLoading)) SetHint(u"");
  if (Value) SetShowHint(true);
  UpdateCalendar();
}

void TMiniCal::SetShowMonthShort(bool Value) {
  FShowMonthShort = Value;
  Invalidate();
}

void TMiniCal::SetShowMovableHolidays(bool Value) {
  FShowMovableHolidays = Value;
  FYearHolidaysValid = false;
  UpdateCalendar();
}

void TMiniCal::Loaded() {
  vcl::TCustomDrawGrid::Loaded();
  UpdateCalendar();
}

vcl::TColor TMiniCal::DayColors(TDayOfWeek Day) const {
  return FDayColors[static_cast<std::size_t>(Day) % 7];
}

void TMiniCal::SetDayColors(TDayOfWeek Day, vcl::TColor Value) {
  FDayColors[static_cast<std::size_t>(Day) % 7] = Value;
  UpdateCalendar();
  Changed();
}

// ---------------------------------------------------------------- the date

int TMiniCal::Year() const { return vcl::YearOf(FDate); }
int TMiniCal::Month() const { return vcl::MonthOf(FDate); }
int TMiniCal::Day() const { return vcl::DayOf(FDate); }

void TMiniCal::SetYear(int Value) {
  int y = 0, m = 0, d = 0;
  vcl::DecodeDate(FDate, y, m, d);
  if (Value >= 0) y = Value;
  SetDateParts(y, m, d);
}

void TMiniCal::SetMonth(int Value) {
  int y = 0, m = 0, d = 0;
  vcl::DecodeDate(FDate, y, m, d);
  if (Value >= 0 && Value <= 12) m = Value;
  SetDateParts(y, m, d);
}

void TMiniCal::SetDay(int Value) {
  int y = 0, m = 0, d = 0;
  vcl::DecodeDate(FDate, y, m, d);
  if (Value >= 0 && Value <= DaysOfMonth(y, m)) d = Value;
  SetDateParts(y, m, d);
}

void TMiniCal::SetDateParts(int AYear, int AMonth, int ADay) {
  FDate = vcl::EncodeDate(AYear, AMonth, ADay);
  UpdateCalendar();
  Changed();
}

// The calendar shows whole days of years 1..9999 only, so anything else is
// refused before it could be decoded as a date of year 0.
void TMiniCal::SetDate(vcl::TDateTime Value) {
  if (!(Value >= vcl::MinDateTime && Value < vcl::MaxDateTime)) {
    throw vcl::EConvertError(ComponentMessage(*this, u"invalid date"));
  }
  FDate = Value;
  UpdateCalendar();
  Changed();
}

void TMiniCal::Changed() {
  if (FOnChange) FOnChange(this);
}

// From the month's last day (k > 0) or its first day (k < 0), k days lead
// into the neighbouring month; the day is kept where that month has it.
void TMiniCal::MonthStep(int K) {
  int y = 0, m = 0, d = 0;
  vcl::DecodeDate(FDate, y, m, d);
  vcl::TDateTime edge = vcl::EncodeDate(y, m, K > 0 ? DaysOfMonth(y, m) : 1);
  int y2 = 0, m2 = 0, d2 = 0;
  vcl::DecodeDate(edge + K, y2, m2, d2);
  SetDate(vcl::EncodeDate(y2, m2, std::min(d, DaysOfMonth(y2, m2))));
}

void TMiniCal::YearStep(int K) {
  if (Month() == 2 && Day() == 29) SetDay(28);
  SetYear(Year() + K);
}

void TMiniCal::LastDayOfMonth() { SetDay(DaysOfMonth(Year(), Month())); }

void TMiniCal::DayStep(int Days) { SetDate(FDate + Days); }

// ---------------------------------------------------------------- the update

// While loading, the hint read from the form file stays until Loaded.
void TMiniCal::UpdateCalendar() {
  FMonOfs = MonthOffset(Year(), Month(), FFirstDayOfWeek);
  PlaceCurrentCell();
  if (FShowHolidayHint && !ComponentState().Contains(vcl::csLoading)) {
    vcl::String caption;
    bool holiday = FIndicateHolidays && CheckHoliday(Year(), Month(), Day(), caption);
    SetHint(holiday ? caption : vcl::String());
  }
  Invalidate();
}

// The grid's current cell follows the selected day, without scrolling.
void TMiniCal::PlaceCurrentCell() {
  const TDayCell cell = CellOfDay(Day());
  if (cell.Col < 1 || cell.Col >= GridSize || cell.Row < FirstDayRow || cell.Row > LastDayRow) {
    return;
  }
  if (Col() != cell.Col || Row() != cell.Row) MoveColRow(cell.Col, cell.Row, true, false);
}

// Column 0 and row 0 take up what the seven equal columns and rows leave;
// the 3-D look keeps three pixels more for them than the flat one.
void TMiniCal::ApplyCellSizes() {
  const int g = GridLineWidth();
  const vcl::TRect client = ClientRect();
  const int colWidth = std::max(0, (client.Width() - 7 * g) / 8);
  const int rowHeight = std::max(0, (client.Height() - 7 * g) / 8);
  SetDefaultColWidth(colWidth);
  SetDefaultRowHeight(rowHeight);
  const int f = Ctl3D() ? 2 : 5;
  SetRowHeights(0, std::max(0, Height() + f - 7 * (rowHeight + g + 1)));
  SetColWidths(0, std::max(0, Width() + f - 7 * (colWidth + g + 1)));
  FSizedFor3D = Ctl3D();
}

void TMiniCal::SizeChanged(int DeltaWidth, int DeltaHeight) {
  vcl::TCustomDrawGrid::SizeChanged(DeltaWidth, DeltaHeight);
  ApplyCellSizes();
}

// ---------------------------------------------------------------- holidays

void TMiniCal::LoadBuiltInHolidays() {
  FHDayList->Resize(3, FixedHolidayCount);
  FHDayCaptions->Clear();
  for (int i = 0; i < FixedHolidayCount; ++i) {
    const TFixedHoliday& h = FixedHolidays[static_cast<std::size_t>(i)];
    FHDayList->SetVal(1, i + 1, h.Day);
    FHDayList->SetVal(2, i + 1, h.Month);
    FHDayList->SetVal(3, i + 1, RepeatYear);
    FHDayCaptions->Add(vcl::String(FixedHolidayCaption(i, FLanguage)));
  }
  FYearHolidaysValid = false;
}

void TMiniCal::HolidaysChanged() {
  FYearHolidaysValid = false;
  UpdateCalendar();
}

const TYearHolidays& TMiniCal::HolidaysOf(int AYear) {
  if (!FYearHolidaysValid || FYearHolidays.Year() != AYear) {
    FYearHolidays.Build(AYear, *FHDayList, FShowMovableHolidays);
    FYearHolidaysValid = true;
  }
  return FYearHolidays;
}

vcl::String TMiniCal::HolidayCaption(const THolidayRef& Ref) const {
  switch (Ref.Kind) {
    case THolidayRef::hkListed:
      return Ref.Index <= FHDayCaptions->Count() ? FHDayCaptions->Strings(Ref.Index - 1)
                                                 : vcl::String();
    case THolidayRef::hkMovable:
      return vcl::String(MovableHolidayCaption(Ref.Index, FLanguage));
    case THolidayRef::hkNone:
      break;
  }
  return {};
}

// Real dates are looked up in the year's table; anything else can only
// match a row of the list that holds the same impossible date.
bool TMiniCal::CheckHoliday(int AYear, int AMonth, int ADay, vcl::String& Caption) {
  Caption.clear();
  THolidayRef ref;
  if (AYear >= 1 && AYear <= 9999 && vcl::IsValidDate(AYear, AMonth, ADay)) {
    ref = HolidaysOf(AYear).At(AMonth, ADay);
  } else if (int row = FindListedHoliday(*FHDayList, AYear, AMonth, ADay); row > 0) {
    ref = {THolidayRef::hkListed, row};
  }
  if (!ref) return false;
  Caption = HolidayCaption(ref);
  return true;
}

void TMiniCal::ClearHolidayList() {
  FHDayList->Resize(3, 0);
  FHDayCaptions->Clear();
  HolidaysChanged();
}

// The caption is added first: if either addition fails, the list and the
// captions still agree.
void TMiniCal::AddHoliday(int ADay, int AMonth, int AYear, const vcl::String& Caption) {
  const int row = FHDayList->NrOfRows() + 1;
  FHDayCaptions->Add(Caption);
  try {
    FHDayList->SetNRows(row);
  } catch (...) {
    FHDayCaptions->Delete(FHDayCaptions->Count() - 1);
    throw;
  }
  FHDayList->SetVal(1, row, ADay);
  FHDayList->SetVal(2, row, AMonth);
  FHDayList->SetVal(3, row, AYear);
  HolidaysChanged();
}

void TMiniCal::AddRepeatHoliday(int ADay, int AMonth, const vcl::String& Caption) {
  AddHoliday(ADay, AMonth, RepeatYear, Caption);
}

bool TMiniCal::RetrieveHoliday(int HDIndex, int& ADay, int& AMonth, int& AYear,
                               bool& IsRepeatHDay, vcl::String& Description) const {
  if (HDIndex < 1 || HDIndex > FHDayList->NrOfRows()) return false;
  ADay = FHDayList->GetVal(1, HDIndex);
  AMonth = FHDayList->GetVal(2, HDIndex);
  AYear = FHDayList->GetVal(3, HDIndex);
  IsRepeatHDay = AYear == RepeatYear;
  Description = HDIndex <= FHDayCaptions->Count() ? FHDayCaptions->Strings(HDIndex - 1)
                                                  : vcl::String();
  return true;
}

// ---------------------------------------------------------------- mouse and keys

void TMiniCal::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != vcl::mbLeft) return;
  // The grid works in client coordinates, inside the border.
  const int border = BorderStyle() == vcl::bsSingle ? 1 : 0;
  const vcl::TGridCoord cell = MouseCoord(X - border, Y - border);
  if (cell.X < 0 || cell.Y < 0) return;
  if (cell.X >= 1 && cell.Y >= FirstDayRow) {
    ClickDay(cell.X, cell.Y);
  } else if (cell.Y == 0 || (cell.X == 0 && cell.Y == 1)) {
    ClickNavigation(cell.X);
  }
}

// The grid ends its press and moves its current cell under the mouse; the
// current cell goes back to the selected day.
void TMiniCal::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  vcl::TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
  PlaceCurrentCell();
}

// A grey day belongs to the neighbouring month: with AutoSwitch its number
// is counted in that month, without it the click selects nothing.
void TMiniCal::ClickDay(int ACol, int ARow) {
  int y = Year(), m = Month();
  int n = DayOfCell(ACol, ARow);
  if (FAutoSwitch && n <= 0) {
    n += DaysOfPreviousMonth(y, m);
    if (--m < 1) m = 12, --y;
  } else if (FAutoSwitch && n > DaysOfMonth(y, m)) {
    n -= DaysOfMonth(y, m);
    if (++m > 12) m = 1, ++y;
  }
  vcl::TDateTime picked = 0;
  const bool valid = n >= 1 && n <= DaysOfMonth(y, m) && vcl::TryEncodeDate(y, m, n, picked);
  if (valid) FDate = picked;
  UpdateCalendar();
  if (valid) Changed();
}

void TMiniCal::ClickNavigation(int ACol) {
  switch (ACol) {
    case 0: SetDate(vcl::Now()); break;
    case 1: PrevYear(); break;
    case 2: PrevMonth(); break;
    case 6: NextMonth(); break;
    case 7: NextYear(); break;
    default: break;
  }
}

// The keys move the selected date; the grid's own cell keys are not used,
// as its current cell always follows the date.
void TMiniCal::KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) {
  vcl::TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
    case vcl::VK_LEFT: DayStep(-1); break;
    case vcl::VK_RIGHT: DayStep(1); break;
    case vcl::VK_UP: DayStep(-7); break;
    case vcl::VK_DOWN: DayStep(7); break;
    case vcl::VK_PRIOR: PrevMonth(); break;
    case vcl::VK_NEXT: NextMonth(); break;
    case vcl::VK_HOME: SetDay(1); break;
    case vcl::VK_END: LastDayOfMonth(); break;
    default: return;
  }
  Key = 0;
}

}  // namespace vyr
