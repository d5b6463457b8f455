// The name tables of the base package.
#include "companion/basepack/VYR_vyrbase.h"

namespace vyr {

namespace {

constexpr std::array<std::u16string_view, 13> kMonthLongEnglish = {
    u"",     u"January", u"February",  u"March",   u"April",    u"May",     u"June",
    u"July", u"August",  u"September", u"October", u"November", u"December"};
constexpr std::array<std::u16string_view, 13> kMonthShortEnglish = {
    u"", u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
    u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr std::array<std::u16string_view, 7> kWeekDayEnglish = {
    u"Mo", u"Tu", u"We", u"Th", u"Fr", u"Sa", u"Su"};

}  // namespace

const TMonthNames MonthLong = {{
    kMonthLongEnglish,
    kMonthLongEnglish,
    {u"", u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August",
     u"September", u"Oktober", u"November", u"Dezember"},
    {u"", u"Janvier", u"Février", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Août",
     u"Septembre", u"Octobre", u"Novembre", u"Décembre"},
    {u"", u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto",
     u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"},
}};

const TMonthNames MonthShort = {{
    kMonthShortEnglish,
    kMonthShortEnglish,
    {u"", u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov",
     u"Dez"},
    {u"", u"Janv", u"Févr", u"Mars", u"Avr", u"Mai", u"Juin", u"Juil", u"Août", u"Sept", u"Oct",
     u"Nov", u"Déc"},
    {u"", u"Ene", u"Feb", u"Mar", u"Abr", u"May", u"Jun", u"Jul", u"Ago", u"Sep", u"Oct", u"Nov",
     u"Dic"},
}};

const TWeekDayNames WeekDayShort = {{
    kWeekDayEnglish,
    kWeekDayEnglish,
    {u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"},
    {u"Lu", u"Ma", u"Me", u"Je", u"Ve", u"Sa", u"Di"},
    {u"Lu", u"Ma", u"Mi", u"Ju", u"Vi", u"Sá", u"Do"},
}};

}  // namespace vyr
