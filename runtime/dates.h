// Calendar dates as the program reads them: day/month/year texts, validity
// and weekday (Sunday = 1) in the proleptic Gregorian calendar, years 1..9999.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace giornaro::rt {

// "5/9/2020", "05/09/2020" or "20/4/476": three plain numbers joined by "/",
// read day, month, year. Empty when the text is no such date or names a day
// that does not exist (31/02/2020) or a year outside 1..9999.
std::optional<std::chrono::year_month_day> parse_date_dmy(std::string_view text);

// The weekday with Sunday first: 1 = Sunday .. 7 = Saturday.
int weekday_sunday_first(std::chrono::year_month_day date);

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
bool is_leap_year(int year);

}  // namespace giornaro::rt
