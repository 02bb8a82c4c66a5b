#include "calendar/saints.h"

namespace giornaro::calendar {
namespace {

// clang-format off
constexpr std::array<std::string_view, 12> kMonthNames{
    "GENNAIO", "FEBRAIO", "MARZO",     "APRILE",  "MAGGIO",   "GIUGNO",
    "LUGLIO",  "AGOSTO",  "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE",
};
constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Domenica", "Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato",
};
// clang-format on

}  // namespace

std::string_view month_name(int month) {
  return kMonthNames.at(static_cast<std::size_t>(month - 1));
}

std::string_view weekday_name(int weekday_sunday_first) {
  return kWeekdayNames.at(static_cast<std::size_t>(weekday_sunday_first - 1));
}

SaintTable ferialday(int /*mese*/, int /*year*/) {
  return {};  // the saint calendar comes next
}

}  // namespace giornaro::calendar
