// Calendar dates as the program reads them: day/month/year texts, validity
// and weekday (Sunday = 1), years 1..9999. Dated records (facts, births,
// archive entries) follow history books: before 15 October 1582 in the Julian
// calendar, from then on in the Gregorian. The calendar of the day sheet
// itself is the proleptic Gregorian one.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace giornaro::rt {

// "5/9/2020", "05/09/2020" or "20/4/476": three plain numbers joined by "/",
// read day, month, year, as a record's date (29/02/1500 exists, 29/02/1700
// does not). Empty when the text is no such date or names a day that does not
// exist (31/02/2020) or a year outside 1..9999. The result holds the day,
// month and year as written: pass it to record_weekday, not to sys_days.
std::optional<std::chrono::year_month_day> parse_date_dmy(std::string_view text);

// The weekday of a record's date from parse_date_dmy: 1 = Sunday .. 7 = Saturday.
int record_weekday(std::chrono::year_month_day date);

// The weekday of a proleptic Gregorian date: 1 = Sunday .. 7 = Saturday.
int weekday_sunday_first(std::chrono::year_month_day date);

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
bool is_leap_year(int year);

}  // namespace giornaro::rt
