// TMiniCal painting: the grid visits every cell and the calendar draws all
// of it itself (the grid's default drawing is off).
//
//   row 0          buttons "<<" "<" [caption over columns 3..5] ">" ">>"
//   cell (0, 1)    button "#", reaching up over cell (0, 0)
//   row 1          weekday names            ColorDayIdBg / ColorDayIdFg
//   column 0       ISO week numbers         ColorWeekNoBg / ColorWeekNoFg
//   day cells      DayColors of the weekday, then month, holiday, selection
//                  and today's ring, in that order
#include <algorithm>

#include "VYR_MiniCal/VYR_MiniCal.h"
#include "companion/basepack/VYR_vyrcolors.h"
#include "platform/Look.h"
#include "platform/SysUtils.h"
#include "platform/Themes.h"

namespace vyr {

using namespace minical;

namespace {

// The two rings of a 3-D button cell.
constexpr vcl::TColor ButtonOuterLight = 0xFFFFFF;
constexpr vcl::TColor ButtonOuterDark = 0x686868;
constexpr vcl::TColor ButtonInnerLight = 0xE6E2E2;
constexpr vcl::TColor ButtonInnerDark = 0x9CA0A5;

// A text centred in R: x = left + (width - text width) div 2, and likewise
// for y.
void CentredText(vcl::TCanvas& C, const vcl::TRect& R, const vcl::String& Text) {
  const vcl::TSize size = C.TextExtent(Text);
  C.Brush()->SetStyle(vcl::bsClear);
  C.TextOut(R.Left + (R.Width() - size.cx) / 2, R.Top + (R.Height() - size.cy) / 2, Text);
}

}  // namespace

void TMiniCal::Paint() {
  if (Ctl3D() != FSizedFor3D) ApplyCellSizes();
  vcl::DecodeDate(vcl::Date(), FToday.Year, FToday.Month, FToday.Day);
  vcl::TCustomDrawGrid::Paint();
}

vcl::TColor TMiniCal::TextStartColor() const {
  if (vcl::StyleServices()->Enabled() && StyleElements().Contains(vcl::seFont)) {
    return vcl::StyleServices()->GetStyleFontColor(vcl::sfPanelTextNormal);
  }
  return vcl::clBlack;
}

vcl::TColor TMiniCal::ButtonColor() const {
  if (vcl::StyleServices()->Enabled() && StyleElements().Contains(vcl::seBorder)) {
    return vcl::StyleServices()->GetStyleColor(vcl::scButtonNormal);
  }
  return vcl::clBtnFace;
}

vcl::String TMiniCal::HeadingText(int ACol, int ARow) const {
  if (ARow == 1 && ACol == 0) return u"#";
  if (ARow == 1 && ACol >= 1 && ACol < GridSize) {
    const TDayOfWeek day = WeekdayOfColumn(ACol, FFirstDayOfWeek);
    return vcl::String(WeekDayShort[TableLanguage(FLanguage)][day]);
  }
  if (ARow != 0) return {};
  switch (ACol) {
    case 1: return u"<<";
    case 2: return u"<";
    case 6: return u">";
    case 7: return u">>";
    case 5: {
      const auto& names = FShowMonthShort ? MonthShort : MonthLong;
      const int month = std::clamp(Month(), 0, 12);
      return vcl::String(names[TableLanguage(FLanguage)][static_cast<std::size_t>(month)]) + u" " +
             vcl::IntToStr(Year());
    }
    default: return {};
  }
}

void TMiniCal::DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState) {
  vcl::TCanvas& c = *Canvas();
  const vcl::String text = HeadingText(ACol, ARow);
  if (ARow == 0) {
    if (ACol == 5) {
      const int covered = ColWidths(3) + ColWidths(4) + 2 * GridLineWidth();
      DrawButtonCell(c, vcl::Rect(ARect.Left - covered, ARect.Top, ARect.Right, ARect.Bottom),
                     text);
    } else if (!text.empty()) {
      DrawButtonCell(c, ARect, text);
    }
  } else if (ARow == 1 && ACol == 0) {
    const int above = RowHeights(0) + GridLineWidth();
    DrawButtonCell(c, vcl::Rect(ARect.Left, ARect.Top - above, ARect.Right, ARect.Bottom), text);
  } else if (ARow == 1) {
    DrawTextCell(c, ARect, text, FColorDayIdBg, FColorDayIdFg);
  } else if (ACol == 0) {
    const int week = WeekNumberOfRow(Year(), Month(), ARow);
    DrawTextCell(c, ARect, vcl::IntToStr(week), FColorWeekNoBg, FColorWeekNoFg);
  } else {
    DrawDayCell(c, ACol, ARow, ARect);
  }
}

void TMiniCal::DrawTextCell(vcl::TCanvas& C, const vcl::TRect& R, const vcl::String& Text,
                            vcl::TColor Background, vcl::TColor TextColor) {
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(Background);
  C.FillRect(R);
  C.Font()->SetColor(TextColor);
  CentredText(C, R, Text);
}

// A button cell; with the 3-D look it is framed by two rings that take in
// the grid lines after the cell (its right column and bottom row).
void TMiniCal::DrawButtonCell(vcl::TCanvas& C, const vcl::TRect& R, const vcl::String& Text) {
  DrawTextCell(C, R, Text, ButtonColor(), TextStartColor());
  if (!Ctl3D()) return;
  const vcl::TRect frame(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
  const vcl::TRect inner = vcl::look::DrawEdge(C, frame, ButtonOuterLight, ButtonOuterDark);
  vcl::look::DrawEdge(C, inner, ButtonInnerLight, ButtonInnerDark);
}

void TMiniCal::DrawDayCell(vcl::TCanvas& C, int ACol, int ARow, const vcl::TRect& R) {
  const int year = Year(), month = Month();
  const int n = DayOfCell(ACol, ARow);
  const TShownDay shown = ShownDay(n, year, month);
  vcl::TColor background = FDayColors[WeekdayOfColumn(ACol, FFirstDayOfWeek)];
  vcl::TColor textColor = FColorInactiveMonth;
  if (shown.MonthStep == 0) {
    textColor = FColorActiveMonth;
    const bool holiday = FIndicateHolidays && static_cast<bool>(HolidaysOf(year).At(month, n));
    if (holiday) {
      background = FColorHolidayBg;
      textColor = FColorHolidayFg;
    }
    if (n == Day()) {
      textColor = FColorSelectedFg;
      background = holiday ? MeanColor(FColorSelectedBg, FColorHolidayBg) : FColorSelectedBg;
    }
  }
  DrawTextCell(C, R, vcl::IntToStr(shown.Number), background, textColor);
  const bool today = shown.MonthStep == 0 && year == FToday.Year && month == FToday.Month &&
                     n == FToday.Day;
  if (FMarkToday && today) {
    C.Pen()->SetColor(FColorToday);
    C.Pen()->SetStyle(vcl::psSolid);
    C.Pen()->SetWidth(1);
    C.Brush()->SetStyle(vcl::bsClear);
    C.Ellipse(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
  }
}

}  // namespace vyr
