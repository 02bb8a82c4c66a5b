#include "runtime/dates.h"

#include <charconv>

namespace giornaro::rt {
namespace {

std::optional<int> read_part(std::string_view part, std::size_t max_digits) {
  if (part.empty() || part.size() > max_digits) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
  if (error != std::errc() || end != part.data() + part.size()) return std::nullopt;
  return value;
}

constexpr std::chrono::year_month_day kGregorianReform{std::chrono::year{1582},
                                                       std::chrono::October, std::chrono::day{15}};

bool is_julian(std::chrono::year_month_day date) {
  return date < kGregorianReform;
}

// Days from 1 January 1970 (Gregorian) to a Julian date.
long long julian_days_from_epoch(std::chrono::year_month_day date) {
  const auto month = static_cast<unsigned>(date.month());
  const long long year = static_cast<int>(date.year()) - (month <= 2 ? 1 : 0);
  const long long era = (year >= 0 ? year : year - 3) / 4;
  const long long year_of_era = year - era * 4;
  const long long day_of_year =
      (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + static_cast<unsigned>(date.day()) - 1;
  return era * 1461 + year_of_era * 365 + day_of_year - 719470;
}

}  // namespace

std::optional<std::chrono::year_month_day> parse_date_dmy(std::string_view text) {
  const auto first = text.find('/');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto day = read_part(text.substr(0, first), 2);
  const auto month = read_part(text.substr(first + 1, second - first - 1), 2);
  const auto year = read_part(text.substr(second + 1), 4);
  if (!day || !month || !year || *year < 1) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{*year},
                                         std::chrono::month{static_cast<unsigned>(*month)},
                                         std::chrono::day{static_cast<unsigned>(*day)}};
  if (is_julian(date)) {
    const bool julian_leap_day = *month == 2 && *day == 29 && *year % 4 == 0;
    if (!date.ok() && !julian_leap_day) return std::nullopt;
  } else if (!date.ok()) {
    return std::nullopt;
  }
  return date;
}

int record_weekday(std::chrono::year_month_day date) {
  if (!is_julian(date)) return weekday_sunday_first(date);
  // 1 January 1970 was a Thursday.
  return static_cast<int>(((julian_days_from_epoch(date) + 4) % 7 + 7) % 7) + 1;
}

int weekday_sunday_first(std::chrono::year_month_day date) {
  return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding()) + 1;
}

bool is_leap_year(int year) {
  return std::chrono::year{year}.is_leap();
}

}  // namespace giornaro::rt
