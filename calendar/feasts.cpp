#include "calendar/feasts.h"

#include <array>
#include <chrono>
#include <climits>
#include <string_view>

#include "calendar/date_arithmetic.h"
#include "runtime/dates.h"

namespace giornaro::calendar {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

// The feasts that hang on the Gregorian Easter.
enum class Movable {
  grasso,          // Shrove Tuesday, Easter - 47
  quaresima,       // first Sunday of Lent, Easter - 42
  palme,           // Palm Sunday, Easter - 7
  pasqua,          // Easter
  angelo,          // Easter Monday, Easter + 1
  ascensione,      // Ascension Thursday, Easter + 39
  ascensione_dom,  // the Sunday after Ascension, Easter + 42
  pentecoste,      // Easter + 49
  trinita,         // Trinity Sunday, Easter + 56
  corpus,          // Corpus Domini Thursday, Easter + 60
  corpus_dom,      // Corpus Domini Sunday, Easter + 63
  cuore,           // Sacred Heart, Easter + 68
};

// A movable feast falls `offset_days` after the Gregorian Easter; its day of
// the month is kept in `day_value` of EasterDays (none for Palm Sunday).
struct MovableFeast {
  Movable feast;
  int offset_days;
  int EasterDays::*day_value;
};

// clang-format off
constexpr std::array<MovableFeast, 12> kMovableFeasts{{
    {Movable::grasso,         -47, &EasterDays::GiornoGrasso},
    {Movable::quaresima,      -42, &EasterDays::GiornoQuaresima},
    {Movable::palme,           -7, nullptr},
    {Movable::pasqua,           0, &EasterDays::GiornoPasquaG},
    {Movable::angelo,           1, &EasterDays::GiornoAngelo},
    {Movable::ascensione,      39, &EasterDays::GiornoAscensione},
    {Movable::ascensione_dom,  42, &EasterDays::GiornoAscensioneDom},
    {Movable::pentecoste,      49, &EasterDays::GiornoPentecoste},
    {Movable::trinita,         56, &EasterDays::GiornoTrinita},
    {Movable::corpus,          60, &EasterDays::GiornoCorpus},
    {Movable::corpus_dom,      63, &EasterDays::GiornoCorpusDom},
    {Movable::cuore,           68, &EasterDays::GiornoCuore},
}};
// clang-format on

constexpr bool movable_feasts_in_enum_order() {
  for (std::size_t i = 0; i < kMovableFeasts.size(); ++i) {
    if (kMovableFeasts[i].feast != static_cast<Movable>(i)) return false;
  }
  return true;
}
static_assert(movable_feasts_in_enum_order(), "kMovableFeasts is indexed by Movable");

const MovableFeast& movable_feast(Movable feast) {
  return kMovableFeasts[static_cast<std::size_t>(feast)];
}

// The date `offset_days` away from the March-date `march_date` of `anno`,
// in the proleptic Gregorian calendar.
year_month_day from_march_date(int anno, int march_date, int offset_days) {
  return year_month_day{sys_days{std::chrono::year{anno} / std::chrono::March / 1} +
                        std::chrono::days{march_date - 1 + offset_days}};
}

int day_of_month(year_month_day date) {
  return static_cast<int>(static_cast<unsigned>(date.day()));
}

int month_of(year_month_day date) {
  return static_cast<int>(static_cast<unsigned>(date.month()));
}

enum class Kind {
  replace,  // becomes the caption unless a later replace row also matches
  append,   // added to the caption at once
};

enum class Rule {
  fixed,          // day `first_day` of `month`
  movable,        // a feast of the Gregorian Easter
  julian_easter,  // Easter of the Julian reckoning, by day and month
  sunday_in,      // the Sunday among days first_day..last_day of `month`
};

struct DayRule {
  Rule rule = Rule::fixed;
  int month = 0;
  int first_day = 0;
  int last_day = 0;
  Movable feast = Movable::pasqua;
  bool only_while_none_found = false;
};

constexpr DayRule on(int day, int month) {
  return {Rule::fixed, month, day, day, Movable::pasqua, false};
}
constexpr DayRule easter(Movable feast) {
  return {Rule::movable, 0, 0, 0, feast, false};
}
constexpr DayRule julian_easter() {
  return {Rule::julian_easter, 0, 0, 0, Movable::pasqua, false};
}
constexpr DayRule sunday_in(int first_day, int last_day, int month) {
  return {Rule::sunday_in, month, first_day, last_day, Movable::pasqua, false};
}
constexpr DayRule unless_found(DayRule rule) {
  rule.only_while_none_found = true;
  return rule;
}

// Inclusive; a default range is empty, so unused slots never match.
struct YearRange {
  int from = 1;
  int to = 0;
};

constexpr int kNoEnd = INT_MAX;
constexpr YearRange kEveryYear{INT_MIN, INT_MAX};

struct FeastRow {
  std::string_view text;
  Kind kind;
  DayRule when;
  std::array<YearRange, 4> years;
};

// Evaluated top to bottom; among the replace rows that match, the last wins.
// clang-format off
constexpr std::array<FeastRow, 38> kFeasts{{
    {"Pasqua",                            Kind::replace, julian_easter(),                  {{{326, 1582}}}},
    {"Pasqua",                            Kind::replace, easter(Movable::pasqua),          {{{1900, 4099}}}},
    {" (Domenica Delle Palme)",           Kind::append,  easter(Movable::palme),           {{{1900, 4099}}}},
    {"I di Quaresima",                    Kind::replace, easter(Movable::quaresima),       {{{1900, 4099}}}},
    {"Lunedì dell'Angelo",                Kind::replace, easter(Movable::angelo),          {{{1949, 4099}}}},
    {"Capodanno",                         Kind::replace, on(1, 1),                         {{{1900, 4099}}}},
    {"Epifania",                          Kind::replace, on(6, 1),                         {{{1900, 1976}, {1986, 4099}}}},
    {"Ascensione",                        Kind::replace, easter(Movable::ascensione),      {{{1900, 1976}}}},
    {"Ascensione",                        Kind::replace, easter(Movable::ascensione_dom),  {{{1977, kNoEnd}}}},
    {"Pentecoste",                        Kind::replace, easter(Movable::pentecoste),      {{{1900, kNoEnd}}}},
    {"SS.Trinità",                        Kind::replace, easter(Movable::trinita),         {{{1900, kNoEnd}}}},
    {"Corpus Domini",                     Kind::replace, easter(Movable::corpus),          {{{1900, 1913}, {1924, 1976}}}},
    {"Corpus Domini",                     Kind::replace, easter(Movable::corpus_dom),      {{{1977, kNoEnd}}}},
    {"S.Cuore di Gesù",                   Kind::replace, easter(Movable::cuore),           {{{1900, kNoEnd}}}},
    {"Purificazione M.V",                 Kind::replace, on(2, 2),                         {{{1900, 1913}}}},
    {"Festa del Lavoro",                  Kind::replace, on(1, 5),                         {{{1946, kNoEnd}}}},
    {"Festa della Repubblica",            Kind::replace, on(2, 6),                         {{{1947, 1947}, {1949, 1976}, {1986, 1986}, {2001, kNoEnd}}}},
    {"Festa della Repubblica",            Kind::replace, sunday_in(1, 7, 6),               {{{1977, 1985}, {1987, 2000}}}},
    {"Festa dello Statuto",               Kind::replace, sunday_in(1, 7, 6),               {{{1900, 1943}}}},
    {"Tutti i Santi",                     Kind::replace, on(1, 11),                        {{{1900, kNoEnd}}}},
    {"Battaglia V.Veneto",                Kind::replace, on(4, 11),                        {{{1922, 1930}}}},
    {"Ann.Vittoria",                      Kind::replace, on(4, 11),                        {{{1931, 1976}}}},
    {"S.Giuseppe",                        Kind::replace, on(19, 3),                        {{{1929, 1976}}}},
    {"Natali Roma",                       Kind::replace, on(21, 4),                        {{{1923, 1943}}}},
    {"Liberazione",                       Kind::replace, on(25, 4),                        {{{1946, kNoEnd}}}},
    {"Vittoria in Europa",                Kind::replace, on(8, 5),                         {{{1946, 1948}}}},
    {"S.Pietro e Paolo",                  Kind::replace, on(29, 6),                        {{{1900, 1913}, {1924, 1976}}}},
    {"Assunzione M.Vergine (Ferragosto)", Kind::replace, on(15, 8),                        {{{1900, kNoEnd}}}},
    {"Natività M.V.",                     Kind::replace, on(8, 9),                         {{{1900, 1913}}}},
    {"Ann.Porta Pia",                     Kind::replace, on(20, 9),                        {{{1900, 1930}}}},
    {"Ann.Marcia su Roma",                Kind::replace, on(28, 10),                       {{{1931, 1942}}}},
    {"Festa Forze Armate",                Kind::replace, sunday_in(2, 7, 11),              {{{1977, 2000}}}},
    {"Festa Unità Nazionale",             Kind::replace, sunday_in(2, 7, 11),              {{{2001, kNoEnd}}}},
    {"Immacolata Concezione",             Kind::replace, on(8, 12),                        {{{1900, 1913}, {1924, kNoEnd}}}},
    {"Natale",                            Kind::replace, on(25, 12),                       {{{1900, kNoEnd}}}},
    {"S.Stefano",                         Kind::replace, on(26, 12),                       {{{1949, kNoEnd}}}},
    {"Battesimo di Gesù",                 Kind::replace, unless_found(sunday_in(7, 13, 1)), {{{1970, kNoEnd}}}},
    {" - (Martedì Grasso)",               Kind::append,  easter(Movable::grasso),          {{kEveryYear}}},
}};
// clang-format on

bool in_years(const FeastRow& row, int year) {
  for (const YearRange& range : row.years) {
    if (range.from <= year && year <= range.to) return true;
  }
  return false;
}

bool movable_matches(Movable which, int day, int month, int year, const EasterDays& easter) {
  const year_month_day date =
      from_march_date(year, easter.PasquaG, movable_feast(which).offset_days);
  return day_of_month(date) == day && month_of(date) == month;
}

bool is_sunday(int day, int month, int year) {
  const year_month_day date{std::chrono::year{year},
                            std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  return date.ok() && rt::weekday_sunday_first(date) == 1;
}

bool matches(const DayRule& when, int day, int month, int year, const EasterDays& easter) {
  switch (when.rule) {
    case Rule::fixed:
      return day == when.first_day && month == when.month;
    case Rule::movable:
      return movable_matches(when.feast, day, month, year, easter);
    case Rule::julian_easter:
      return day == easter.GiornoPasquaJ && month == (easter.PasquaJ <= 31 ? 3 : 4);
    case Rule::sunday_in:
      return month == when.month && when.first_day <= day && day <= when.last_day &&
             is_sunday(day, month, year);
  }
  return false;
}

int day_of_march_date(int march_date) {
  return march_date <= 31 ? march_date : march_date - 31;
}

}  // namespace

EasterDays feste(int anno) {
  const double y = anno;
  EasterDays out;

  // Julian reckoning.
  {
    const double a = vb_mod(y, 19);                         // [0, 18]
    const double d = vb_mod(19 * a + 15, 30);               // [0, 29]
    const double e = vb_mod(y + Math_floor(y / 4) + d, 7);  // [0, 6]
    out.PasquaJ = static_cast<int>(d - e + 28);             // March-date
    out.GiornoPasquaJ = day_of_march_date(out.PasquaJ);
  }

  // Gregorian reckoning.
  {
    const double a = vb_mod(y, 19);  // [0, 18]
    const double k = Math_floor(y / 100);
    const double d =
        vb_mod(19 * a + 15 + k - Math_floor(k / 4) - Math_floor((8 * k + 13) / 25), 30);  // [0, 29]
    const double f = Math_floor(d / 28);                                                  // [0, 1]
    const double I =
        d - f * (1 - f * Math_floor(29 / (d + 1)) * Math_floor((21 - a) / 11));         // [0, 28]
    const double J = vb_mod(y + Math_floor(y / 4) + I + 2 - k + Math_floor(k / 4), 7);  // [0, 6]
    out.PasquaG = static_cast<int>(I - J + 28);  // March-date
    out.GiornoPasquaG = day_of_march_date(out.PasquaG);
  }

  for (const MovableFeast& feast : kMovableFeasts) {
    if (feast.day_value == nullptr || feast.feast == Movable::pasqua) continue;
    out.*feast.day_value = day_of_month(from_march_date(anno, out.PasquaG, feast.offset_days));
  }
  return out;
}

std::string Vfeste(std::string santo, int day, int month, int year, const EasterDays& easter) {
  std::string pending;
  bool found = false;
  for (const FeastRow& row : kFeasts) {
    if (!in_years(row, year)) continue;
    if (row.when.only_while_none_found && found) continue;
    if (!matches(row.when, day, month, year, easter)) continue;
    if (row.kind == Kind::append) {
      santo += row.text;
    } else {
      pending = row.text;
      found = true;
    }
  }
  if (found && !pending.empty()) santo = pending;
  return santo;
}

}  // namespace giornaro::calendar
