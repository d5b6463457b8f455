// The mini calendar: a month on an 8 × 8 grid with a navigation row, weekday
// names, ISO week numbers and day cells coloured by weekday, month,
// selection, today and holidays. It keeps one selected date, steps months
// and years by clicks on its navigation cells, and knows fixed holidays
// (built in, in four languages, and added by the application) and the
// movable feasts that depend on Easter. The layout and date arithmetic are
// in VYR_MiniCalDates.h, the holiday tables in VYR_MiniCalHolidays.h.
//
// Mouse (left button, inside the cells):
//   "<<" "<" ">" ">>"   previous year, previous month, next month, next year
//   "#"                 today (the current date and time)
//   a day               selects it; with AutoSwitch a grey day of the
//                       neighbouring month switches to that month and day
// Keys: Left/Right a day, Up/Down a week, PgUp/PgDn a month, Home/End the
// first/last day of the month.
#pragma once

#include <array>
#include <memory>

#include "VYR_MiniCal/VYR_MiniCalDates.h"
#include "VYR_MiniCal/VYR_MiniCalHolidays.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "companion/mathpack/VYR_matrix.h"
#include "platform/Classes.h"
#include "platform/Grids.h"

namespace vyr {

using TDayColors = std::array<vcl::TColor, 7>;

class TMiniCal : public vcl::TCustomDrawGrid {
 public:
  explicit TMiniCal(vcl::TComponent* AOwner);
  ~TMiniCal() override;

  // ---- published
  bool AutoSwitch() const { return FAutoSwitch; }
  void SetAutoSwitch(bool Value) { FAutoSwitch = Value; }
  vcl::TColor ColorActiveMonth() const { return FColorActiveMonth; }
  void SetColorActiveMonth(vcl::TColor Value) { SetColorField(FColorActiveMonth, Value); }
  vcl::TColor ColorInactiveMonth() const { return FColorInactiveMonth; }
  void SetColorInactiveMonth(vcl::TColor Value) { SetColorField(FColorInactiveMonth, Value); }
  vcl::TColor ColorWeekNoBg() const { return FColorWeekNoBg; }
  void SetColorWeekNoBg(vcl::TColor Value) { SetColorField(FColorWeekNoBg, Value); }
  vcl::TColor ColorWeekNoFg() const { return FColorWeekNoFg; }
  void SetColorWeekNoFg(vcl::TColor Value) { SetColorField(FColorWeekNoFg, Value); }
  vcl::TColor ColorDayIdBg() const { return FColorDayIdBg; }
  void SetColorDayIdBg(vcl::TColor Value) { SetColorField(FColorDayIdBg, Value); }
  vcl::TColor ColorDayIdFg() const { return FColorDayIdFg; }
  void SetColorDayIdFg(vcl::TColor Value) { SetColorField(FColorDayIdFg, Value); }
  vcl::TColor ColorSelectedBg() const { return FColorSelectedBg; }
  void SetColorSelectedBg(vcl::TColor Value) { SetColorField(FColorSelectedBg, Value); }
  vcl::TColor ColorSelectedFg() const { return FColorSelectedFg; }
  void SetColorSelectedFg(vcl::TColor Value) { SetColorField(FColorSelectedFg, Value); }
  vcl::TColor ColorHolidayBg() const { return FColorHolidayBg; }
  void SetColorHolidayBg(vcl::TColor Value) { SetColorField(FColorHolidayBg, Value); }
  vcl::TColor ColorHolidayFg() const { return FColorHolidayFg; }
  void SetColorHolidayFg(vcl::TColor Value) { SetColorField(FColorHolidayFg, Value); }
  vcl::TColor ColorToday() const { return FColorToday; }
  void SetColorToday(vcl::TColor Value) { SetColorField(FColorToday, Value); }
  // The window's 3-D look; also switches the button frames and the sizes of
  // column 0 and row 0.
  void SetCtl3D(bool Value);
  TDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
  // Only a change updates and fires OnChange.
  void SetFirstDayOfWeek(TDayOfWeek Value);
  bool IndicateHolidays() const { return FIndicateHolidays; }
  void SetIndicateHolidays(bool Value);
  TLanguage Language() const { return FLanguage; }
  // Empties the holiday list and reloads the built-in holidays with the
  // captions of the new language: holidays the application added are lost.
  void SetLanguage(TLanguage Value);
  bool MarkToday() const { return FMarkToday; }
  void SetMarkToday(bool Value);
  bool ShowHolidayHint() const { return FShowHolidayHint; }
  // Clears Hint (not while loading, when the hint read from the form file
  // stays); True also sets ShowHint.
  void SetShowHolidayHint(bool Value);
  bool ShowMonthShort() const { return FShowMonthShort; }
  void SetShowMonthShort(bool Value);
  bool ShowMovableHolidays() const { return FShowMovableHolidays; }
  void SetShowMovableHolidays(bool Value);

  // Parts of the selected date. Setters take Year >= 0, Month 0..12 and Day
  // 0..days of the current month (other values keep that part), then the
  // date is encoded again without its time of day, which raises
  // EConvertError for an impossible date (the date then stays); then the
  // update runs and OnChange fires.
  int Year() const;
  void SetYear(int Value);
  int Month() const;
  void SetMonth(int Value);
  int Day() const;
  void SetDay(int Value);

  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }

  // ---- public
  vcl::TDateTime Date() const { return FDate; }
  // Stores the value, updates and fires OnChange. A value outside the
  // dates 0001-01-01 .. 9999-12-31 (or NaN) raises EConvertError and the
  // date stays.
  void SetDate(vcl::TDateTime Value);
  vcl::TColor DayColors(TDayOfWeek Day) const;
  // Stores, updates and fires OnChange.
  void SetDayColors(TDayOfWeek Day, vcl::TColor Value);
  vcl::TColor GetDayColors(TDayOfWeek Day) const { return DayColors(Day); }
  // Rows of the holiday list.
  int NumHolidays() const { return FHDayList->NrOfRows(); }

  void NextMonth() { MonthStep(1); }
  void PrevMonth() { MonthStep(-1); }
  // On 29 February the day becomes 28 first (a change of its own).
  void NextYear() { YearStep(1); }
  void PrevYear() { YearStep(-1); }
  void LastDayOfMonth();

  // Whether a date is a holiday, with its caption (cleared otherwise): the
  // first matching row of the holiday list, else, with ShowMovableHolidays,
  // a movable feast in the current language.
  bool CheckHoliday(int AYear, int AMonth, int ADay, vcl::String& Caption);
  // Empties the holiday list; update, repaint.
  void ClearHolidayList();
  // A holiday of one year, or of every year; update, repaint.
  void AddHoliday(int ADay, int AMonth, int AYear, const vcl::String& Caption);
  void AddRepeatHoliday(int ADay, int AMonth, const vcl::String& Caption);
  // Row HDIndex (1-based) of the list; False, outputs untouched, outside it.
  bool RetrieveHoliday(int HDIndex, int& ADay, int& AMonth, int& AYear, bool& IsRepeatHDay,
                       vcl::String& Description) const;

  // The layout: MonOfs of the displayed month, the day number of a day cell
  // and the cell of a day (see VYR_MiniCalDates.h).
  int MonOfs() const { return FMonOfs; }
  int DayOfCell(int ACol, int ARow) const { return minical::DayAtCell(ACol, ARow, FMonOfs); }
  minical::TDayCell CellOfDay(int ADay) const { return minical::CellOfDay(ADay, FMonOfs); }
  // Shows the date read from a form file with its hint.
  void Loaded() override;

  // The text of a navigation or heading cell ("<<", "#", "Jan 2025", ...);
  // empty for the cells that draw nothing of their own.
  vcl::String HeadingText(int ACol, int ARow) const;

 protected:
  void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
  void Paint() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // Nothing of the calendar's own; the grid ends its press.
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;
  // Fires OnChange.
  virtual void Changed();

 private:
  void SetColorField(vcl::TColor& Field, vcl::TColor Value);
  // Re-encodes the date from its parts (EConvertError leaves it), updates,
  // fires OnChange.
  void SetDateParts(int AYear, int AMonth, int ADay);
  void MonthStep(int K);
  void YearStep(int K);
  void DayStep(int Days);
  // MonOfs, the current cell, the hint; invalidates.
  void UpdateCalendar();
  void PlaceCurrentCell();
  // Column 0 and row 0 take what the seven equal columns and rows leave.
  void ApplyCellSizes();
  void LoadBuiltInHolidays();
  void HolidaysChanged();
  // The holiday table of a year, rebuilt when the year or the list changed.
  const minical::TYearHolidays& HolidaysOf(int AYear);
  vcl::String HolidayCaption(const minical::THolidayRef& Ref) const;
  void ClickDay(int ACol, int ARow);
  void ClickNavigation(int ACol);

  // Painting (VYR_MiniCalPaint.cpp).
  void DrawButtonCell(vcl::TCanvas& C, const vcl::TRect& R, const vcl::String& Text);
  void DrawDayCell(vcl::TCanvas& C, int ACol, int ARow, const vcl::TRect& R);
  void DrawTextCell(vcl::TCanvas& C, const vcl::TRect& R, const vcl::String& Text,
                    vcl::TColor Background, vcl::TColor TextColor);
  vcl::TColor TextStartColor() const;
  vcl::TColor ButtonColor() const;

  // Today as the paint in progress sees it (read once per paint).
  struct TToday {
    int Year = 0, Month = 0, Day = 0;
  };
  TToday FToday;

  vcl::TDateTime FDate = 0;
  int FMonOfs = 1;
  std::unique_ptr<TIntMatrix> FHDayList;
  std::unique_ptr<vcl::TStringList> FHDayCaptions;
  minical::TYearHolidays FYearHolidays;
  bool FYearHolidaysValid = false;
  TDayColors FDayColors{};
  TLanguage FLanguage = lgEnglish;
  TDayOfWeek FFirstDayOfWeek = dwMon;
  bool FAutoSwitch = true;
  bool FIndicateHolidays = true;
  bool FMarkToday = true;
  bool FShowHolidayHint = true;
  bool FShowMonthShort = true;
  bool FShowMovableHolidays = true;
  bool FSizedFor3D = true;  // the Ctl3D the cell sizes were computed for
  vcl::TColor FColorActiveMonth = 0x000000;
  vcl::TColor FColorInactiveMonth = 0xC0C0C0;
  vcl::TColor FColorWeekNoBg = 0xC0C0C0;
  vcl::TColor FColorWeekNoFg = 0x000000;
  vcl::TColor FColorDayIdBg = 0xC0C0C0;
  vcl::TColor FColorDayIdFg = 0x000000;
  vcl::TColor FColorSelectedBg = 0xD0A040;
  vcl::TColor FColorSelectedFg = 0xFFFFFF;
  vcl::TColor FColorHolidayBg = 0x9BD8F1;
  vcl::TColor FColorHolidayFg = 0x0000C0;
  vcl::TColor FColorToday = 0x0000FF;
  vcl::TNotifyEvent FOnChange;
};

}  // namespace vyr
