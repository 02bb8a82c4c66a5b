// The names of the day sheet: month names, weekday names, and the saint of
// every day of the year.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace giornaro::calendar {

// "GENNAIO" .. "DICEMBRE" for month 1..12.
std::string_view month_name(int month);

// "Domenica" .. "Sabato" for weekday 1 (Sunday) .. 7.
std::string_view weekday_name(int weekday_sunday_first);

// Saint of each day of one month, index = day of month (1..31); index 0 and
// the days past the month's end stay empty.
using SaintTable = std::array<std::string, 32>;

// The saints of month `mese` (1..12) for `year`: names before 1970 or from
// 1970 on, and the leap-year rule of 24 and 25 February. February always has
// 29 entries. Any other month leaves the table empty.
SaintTable ferialday(int mese, int year);

}  // namespace giornaro::calendar
