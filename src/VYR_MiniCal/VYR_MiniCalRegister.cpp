// TMiniCal in form files. Year, Month and Day are published but never
// stored (the date is the moment the form is made); the hint is stored only
// while the calendar does not write it itself. The calendar is double
// buffered of its own accord, not by following its parent.
#include "VYR_MiniCal/VYR_MiniCal.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

bool RegisterMiniCal() {
  vcl::RegisterEnum<TDayOfWeek>({u"dwMon", u"dwTue", u"dwWed", u"dwThu", u"dwFri", u"dwSat",
                                 u"dwSun"});
  vcl::RegisterEnum<TLanguage>({u"lgNeutral", u"lgEnglish", u"lgGerman", u"lgFrench",
                                u"lgSpanish"});
  vcl::RegisterClass<TMiniCal, vcl::TCustomDrawGrid>(u"TMiniCal")
      .Property(u"AutoSwitch", &TMiniCal::AutoSwitch, &TMiniCal::SetAutoSwitch, true)
      .Color(u"ColorActiveMonth", &TMiniCal::ColorActiveMonth, &TMiniCal::SetColorActiveMonth,
             0x000000)
      .Color(u"ColorInactiveMonth", &TMiniCal::ColorInactiveMonth,
             &TMiniCal::SetColorInactiveMonth, 0xC0C0C0)
      .Color(u"ColorWeekNoBg", &TMiniCal::ColorWeekNoBg, &TMiniCal::SetColorWeekNoBg, 0xC0C0C0)
      .Color(u"ColorWeekNoFg", &TMiniCal::ColorWeekNoFg, &TMiniCal::SetColorWeekNoFg, 0x000000)
      .Color(u"ColorDayIdBg", &TMiniCal::ColorDayIdBg, &TMiniCal::SetColorDayIdBg, 0xC0C0C0)
      .Color(u"ColorDayIdFg", &TMiniCal::ColorDayIdFg, &TMiniCal::SetColorDayIdFg, 0x000000)
      .Color(u"ColorSelectedBg", &TMiniCal::ColorSelectedBg, &TMiniCal::SetColorSelectedBg,
             0xD0A040)
      .Color(u"ColorSelectedFg", &TMiniCal::ColorSelectedFg, &TMiniCal::SetColorSelectedFg,
             0xFFFFFF)
      .Color(u"ColorHolidayBg", &TMiniCal::ColorHolidayBg, &TMiniCal::SetColorHolidayBg,
             0x9BD8F1)
      .Color(u"ColorHolidayFg", &TMiniCal::ColorHolidayFg, &TMiniCal::SetColorHolidayFg,
             0x0000C0)
      .Color(u"ColorToday", &TMiniCal::ColorToday, &TMiniCal::SetColorToday, 0x0000FF)
      .Property(u"Ctl3D", &TMiniCal::Ctl3D, &TMiniCal::SetCtl3D)
      .Stored([](const TMiniCal& c) { return !c.ParentCtl3D(); })
      .Property(u"DoubleBuffered", &TMiniCal::DoubleBuffered, &TMiniCal::SetDoubleBuffered, true)
      .Property(u"ParentDoubleBuffered", &TMiniCal::ParentDoubleBuffered,
                &TMiniCal::SetParentDoubleBuffered, false)
      .Property(u"FirstDayOfWeek", &TMiniCal::FirstDayOfWeek, &TMiniCal::SetFirstDayOfWeek, dwMon)
      .Property(u"IndicateHolidays", &TMiniCal::IndicateHolidays, &TMiniCal::SetIndicateHolidays,
                true)
      .Property(u"Language", &TMiniCal::Language, &TMiniCal::SetLanguage, lgEnglish)
      .Property(u"MarkToday", &TMiniCal::MarkToday, &TMiniCal::SetMarkToday, true)
      .Property(u"ShowHolidayHint", &TMiniCal::ShowHolidayHint, &TMiniCal::SetShowHolidayHint,
                true)
      .Property(u"ShowMonthShort", &TMiniCal::ShowMonthShort, &TMiniCal::SetShowMonthShort, true)
      .Property(u"ShowMovableHolidays", &TMiniCal::ShowMovableHolidays,
                &TMiniCal::SetShowMovableHolidays, true)
      .Property(u"Hint", &vcl::TControl::Hint, &vcl::TControl::SetHint)
      .Stored([](const TMiniCal& c) { return !c.ShowHolidayHint(); })
      .Property(u"Year", &TMiniCal::Year, &TMiniCal::SetYear).Stored(false)
      .Property(u"Month", &TMiniCal::Month, &TMiniCal::SetMonth).Stored(false)
      .Property(u"Day", &TMiniCal::Day, &TMiniCal::SetDay).Stored(false)
      .Event(u"OnChange");
  return true;
}

const bool registered = RegisterMiniCal();

}  // namespace

}  // namespace vyr
