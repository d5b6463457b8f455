// TMonthCalendar: one month of days to pick from, the date-time picker's
// drop-down. Geometry first (shared by painting and hit testing), then
// painting and the mouse.
#include <algorithm>
#include <cmath>

#include "platform/ComCtrls.h"
#include "platform/controls/Internal.h"
#include "platform/Look.h"

namespace vcl {

namespace {

constexpr int kWeeks = 6;
constexpr int kButtonSize = 16;

}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TWinControl(AOwner) {
  // No capture: a press that picks a day may close (hide) the calendar.
  SetControlStyle(TControlStyle{csOpaque});
  SetParentColor(false);
  SetColor(clWindow);
  SetDate(vcl::Date());
  AdjustSize();
}

TMonthCalendar::~TMonthCalendar() = default;

// ---------------------------------------------------------------- properties

void TMonthCalendar::SetDate(TDateTime Value) {
  if (!std::isfinite(Value)) return;
  FDate = DateOf(std::clamp(Value, MinDateTime, MaxDateTime));
  int y = 0, m = 0, d = 0;
  DecodeDate(FDate, y, m, d);
  ShowMonth(y, m);
  Invalidate();
}

void TMonthCalendar::SetMinDate(TDateTime Value) {
  FMinDate = Value == 0 ? 0 : DateOf(Value);
  Invalidate();
}

void TMonthCalendar::SetMaxDate(TDateTime Value) {
  FMaxDate = Value == 0 ? 0 : DateOf(Value);
  Invalidate();
}

void TMonthCalendar::ShowMonth(int Year, int Month) {
  Year = std::clamp(Year, 1, 9999);
  Month = std::clamp(Month, 1, 12);
  if (Year == FYear && Month == FMonth) return;
  FYear = Year;
  FMonth = Month;
  Invalidate();
}

void TMonthCalendar::ScrollMonths(int Delta) {
  int index = FYear * 12 + (FMonth - 1) + Delta;
  index = std::clamp(index, 12, 9999 * 12 + 11);
  ShowMonth(index / 12, index % 12 + 1);
}

TDateTime TMonthCalendar::Today() const { return FToday != 0 ? FToday : vcl::Date(); }

void TMonthCalendar::SetToday(TDateTime Value) {
  FToday = Value == 0 ? 0 : DateOf(Value);
  Invalidate();
}

bool TMonthCalendar::InRange(TDateTime Day) const {
  Day = DateOf(Day);
  return (FMinDate == 0 || Day >= FMinDate) && (FMaxDate == 0 || Day <= FMaxDate);
}

// ---------------------------------------------------------------- geometry

void TMonthCalendar::AdjustSize() {
  int w = 2 * Margin + 7 * CellWidth;
  int h = DaysTop() + kWeeks * CellHeight + 3 + CellHeight + Margin;
  SetBounds(Left(), Top(), w, h);
}

TRect TMonthCalendar::TitleRect() const {
  return Rect(Margin, Margin, Width() - Margin, Margin + TitleHeight);
}

TRect TMonthCalendar::PrevButtonRect() const {
  int top = Margin + (TitleHeight - kButtonSize) / 2;
  return Bounds(Margin + 2, top, kButtonSize, kButtonSize);
}

TRect TMonthCalendar::NextButtonRect() const {
  int top = Margin + (TitleHeight - kButtonSize) / 2;
  return Bounds(Width() - Margin - 2 - kButtonSize, top, kButtonSize, kButtonSize);
}

// The weekday names take one row under the title; the days start below
// it and the line that separates them.
int TMonthCalendar::DaysTop() const { return Margin + TitleHeight + CellHeight + 1; }

TRect TMonthCalendar::TodayRect() const {
  return Rect(Margin, DaysTop() + kWeeks * CellHeight + 3, Width() - Margin,
              DaysTop() + kWeeks * CellHeight + 3 + CellHeight);
}

TDateTime TMonthCalendar::FirstShownDay() const {
  TDateTime first = EncodeDate(FYear, FMonth, 1);
  TDateTime day = first - (DayOfWeek(first) - 1);
  // The first week shows at least one day of the previous month, as the
  // month then never starts in the top-left corner unnoticed.
  if (day == first && first - 7 >= MinDateTime) day -= 7;
  return day;
}

TRect TMonthCalendar::DayRect(TDateTime Day) const {
  double index = DateOf(Day) - FirstShownDay();
  if (index < 0 || index >= 7 * kWeeks) return TRect();
  int i = static_cast<int>(index);
  return Bounds(Margin + i % 7 * CellWidth, DaysTop() + i / 7 * CellHeight, CellWidth, CellHeight);
}

bool TMonthCalendar::DateAtPos(int X, int Y, TDateTime& Day) const {
  int col = X - Margin, row = Y - DaysTop();
  if (col < 0 || row < 0 || col >= 7 * CellWidth || row >= kWeeks * CellHeight) return false;
  Day = FirstShownDay() + (row / CellHeight) * 7 + col / CellWidth;
  return true;
}

// ---------------------------------------------------------------- painting

void TMonthCalendar::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

namespace {

void CenterText(TCanvas& C, const TRect& R, const String& S) {
  int x = R.Left + (R.Width() - C.TextWidth(S)) / 2;
  int y = R.Top + (R.Height() - C.TextHeight(S)) / 2;
  C.TextRect(R, x, y, S);
}

}  // namespace

void TMonthCalendar::PaintTitle(TCanvas& C) {
  TRect title = TitleRect();
  C.Brush()->SetColor(clBtnFace);
  C.FillRect(title);
  C.Font()->SetColor(clBtnText);
  C.Font()->SetStyle({fsBold});
  C.Brush()->SetStyle(bsClear);
  CenterText(C, title, FormatSettings.LongMonthNames[FMonth] + u" " + IntToStr(FYear));
  C.Font()->SetStyle({});
  look::DrawArrow(C, PrevButtonRect(), look::adLeft);
  look::DrawArrow(C, NextButtonRect(), look::adRight);
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clWindowText);
  for (int i = 0; i < 7; ++i) {
    TRect cell = Bounds(Margin + i * CellWidth, Margin + TitleHeight, CellWidth, CellHeight);
    CenterText(C, cell, FormatSettings.ShortDayNames[i + 1].substr(0, 2));
  }
  C.Pen()->SetColor(clBtnShadow);
  C.MoveTo(Margin, DaysTop() - 1);
  C.LineTo(Width() - Margin, DaysTop() - 1);
}

void TMonthCalendar::PaintDays(TCanvas& C) {
  TDateTime first = FirstShownDay();
  TDateTime today = DateOf(Today());
  for (int i = 0; i < 7 * kWeeks; ++i) {
    TDateTime day = first + i;
    if (day > MaxDateTime) break;
    TRect cell = DayRect(day);
    int y = 0, m = 0, d = 0;
    DecodeDate(day, y, m, d);
    bool own = m == FMonth;
    C.Brush()->SetStyle(bsClear);
    C.Font()->SetColor(own && InRange(day) ? clWindowText : clGrayText);
    if (day == FDate) {
      C.Brush()->SetColor(clHighlight);
      C.FillRect(cell);
      C.Font()->SetColor(clHighlightText);
      C.Brush()->SetStyle(bsClear);
    }
    CenterText(C, cell, IntToStr(d));
    if (day == today) {
      C.Brush()->SetColor(clHotLight);
      C.FrameRect(cell);
    }
  }
}

void TMonthCalendar::PaintToday(TCanvas& C) {
  TRect line = TodayRect();
  TRect mark = Bounds(line.Left + 4, line.Top + 2, CellWidth - 8, line.Height() - 4);
  C.Brush()->SetColor(clHotLight);
  C.FrameRect(mark);
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clWindowText);
  C.Font()->SetStyle({fsBold});
  int y = line.Top + (line.Height() - C.TextHeight(u"Wg")) / 2;
  C.TextRect(line, mark.Right + 6, y, u"Today: " + DateToStr(Today()));
  C.Font()->SetStyle({});
}

void TMonthCalendar::Paint() {
  TCanvas& C = FCanvas;
  C.Font()->Assign(Font());
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  PaintTitle(C);
  PaintDays(C);
  PaintToday(C);
}

void TMonthCalendar::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  Invalidate();
}

// ---------------------------------------------------------------- mouse

// A press on an arrow shows the neighbouring month; on a day within the
// limits (or the today line) makes it the date and counts as a click.
void TMonthCalendar::WMLButtonDown(TWMMouse& Message) {
  TWinControl::WMLButtonDown(Message);
  if (!detail::IsAlive(this) || !Enabled()) return;
  TPoint p = Message.Pos();
  if (PrevButtonRect().Contains(p)) {
    ScrollMonths(-1);
    return;
  }
  if (NextButtonRect().Contains(p)) {
    ScrollMonths(1);
    return;
  }
  TDateTime day = 0;
  if (DateAtPos(p.X, p.Y, day)) {
    if (!InRange(day)) return;
  } else if (TodayRect().Contains(p)) {
    day = DateOf(Today());
  } else {
    return;
  }
  SetDate(day);
  Click();
}

}  // namespace vcl
