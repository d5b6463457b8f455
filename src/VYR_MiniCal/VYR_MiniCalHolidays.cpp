#include "VYR_MiniCal/VYR_MiniCalHolidays.h"

namespace vyr::minical {

namespace {

// Captions by language ordinal 1..4 (English, German, French, Spanish).
using TCaptions = std::array<std::u16string_view, 4>;

constexpr std::array<TCaptions, FixedHolidayCount> kFixedCaptions = {{
    {u"Christmas Day", u"Weihnachten", u"Noël", u"Navidad"},
    {u"Boxing Day", u"Stephanitag", u"Jour de boxe", u"Día de San Esteban"},
    {u"New Year's Day", u"Neujahrstag", u"Nouvel An Jour", u"Día de Año Nuevo"},
    {u"Epiphany", u"Hl. Drei Könige", u"Épiphanie", u"Epifanía"},
    {u"Assumption of Mary", u"Maria Himmelfahrt", u"Assomption", u"Asunción"},
    {u"All Saints", u"Allerheiligen", u"La Toussaint", u"Día de Todos los Santos"},
    {u"Immaculate Conception", u"Maria Empfängnis", u"Immaculée Conception",
     u"Inmaculada Concepción"},
    {u"Labor Day", u"Tag der Arbeit", u"Fête du Travail", u"Día del Trabajo"},
}};

constexpr std::array<TCaptions, MovableHolidayCount> kMovableCaptions = {{
    {u"Easter Day", u"Ostersonntag", u"Le jour de Pâques", u"Domingo de Resurrección"},
    {u"Easter Monday", u"Ostermontag", u"Lundi de Pâques", u"Lunes de Pascua"},
    {u"Ascension Day", u"Christi Himmelfahrt", u"Ascension du Christ", u"Ascensión de Cristo"},
    {u"Pentecost", u"Pfingstsonntag", u"Dimanche de Pentecôte", u"Domingo de Pentecostés"},
    {u"Whit Monday", u"Pfingstmontag", u"Lundi de Pentecôte", u"Lunes de Pentecostés"},
    {u"Corpus Christi", u"Fronleichnam", u"Corpus Christi", u"Corpus Cristi"},
}};

// Column of a caption table for a language; English for every language
// without captions of its own (the neutral one and unknown ordinals).
std::size_t CaptionColumn(TLanguage Language) {
  int l = static_cast<int>(Language);
  return (l >= 1 && l <= 4) ? static_cast<std::size_t>(l - 1) : 0;
}

template <std::size_t N>
std::u16string_view Caption(const std::array<TCaptions, N>& Table, int Index,
                            TLanguage Language) {
  if (Index < 0 || Index >= static_cast<int>(N)) return {};
  return Table[static_cast<std::size_t>(Index)][CaptionColumn(Language)];
}

}  // namespace

const std::array<TFixedHoliday, FixedHolidayCount> FixedHolidays = {{
    {25, 12}, {26, 12}, {1, 1}, {6, 1}, {15, 8}, {1, 11}, {8, 12}, {1, 5},
}};

std::u16string_view FixedHolidayCaption(int Index, TLanguage Language) {
  return Caption(kFixedCaptions, Index, Language);
}

std::u16string_view MovableHolidayCaption(int Index, TLanguage Language) {
  return Caption(kMovableCaptions, Index, Language);
}

int MovableHolidayAt(int Year, int Month, int Day) {
  const int index = SpringIndex(Month, Day);
  if (index == 0) return -1;
  const TMonthDay easter = EasterSunday(Year);
  const int offset = index - SpringIndex(easter.Month, easter.Day);
  for (int k = 0; k < MovableHolidayCount; ++k) {
    if (MovableOffsets[static_cast<std::size_t>(k)] == offset) return k;
  }
  return -1;
}

int FindListedHoliday(const TIntMatrix& List, int Year, int Month, int Day) {
  for (int row = 1; row <= List.NrOfRows(); ++row) {
    if (List.GetVal(1, row) != Day || List.GetVal(2, row) != Month) continue;
    const int year = List.GetVal(3, row);
    if (year == RepeatYear || year == Year) return row;
  }
  return 0;
}

// ---------------------------------------------------------------- TYearHolidays

int TYearHolidays::DayIndex(int Year, int Month, int Day) {
  if (Month < 1 || Month > 12 || Day < 1 || Day > DaysOfMonth(Year, Month)) return -1;
  int index = Day - 1;
  for (int m = 1; m < Month; ++m) index += DaysOfMonth(Year, m);
  return index;
}

// Rows are visited in list order and a day keeps its first holiday, as a
// search of the list would find it.
void TYearHolidays::Build(int Year, const TIntMatrix& List, bool Movable) {
  FYear = Year;
  FDays.fill({});
  for (int row = 1; row <= List.NrOfRows(); ++row) {
    const int year = List.GetVal(3, row);
    if (year != RepeatYear && year != Year) continue;
    const int i = DayIndex(Year, List.GetVal(2, row), List.GetVal(1, row));
    if (i >= 0 && !FDays[static_cast<std::size_t>(i)]) {
      FDays[static_cast<std::size_t>(i)] = {THolidayRef::hkListed, row};
    }
  }
  if (!Movable || Year < 1 || Year > 9999) return;
  const TMonthDay easter = EasterSunday(Year);
  const int base = DayIndex(Year, easter.Month, easter.Day);
  for (int k = 0; k < MovableHolidayCount; ++k) {
    const int i = base + MovableOffsets[static_cast<std::size_t>(k)];
    if (!FDays[static_cast<std::size_t>(i)]) FDays[static_cast<std::size_t>(i)] = {THolidayRef::hkMovable, k};
  }
}

THolidayRef TYearHolidays::At(int Month, int Day) const {
  const int i = DayIndex(FYear, Month, Day);
  return i < 0 ? THolidayRef{} : FDays[static_cast<std::size_t>(i)];
}

}  // namespace vyr::minical
