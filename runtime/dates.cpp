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
  if (!date.ok()) return std::nullopt;
  return date;
}

int weekday_sunday_first(std::chrono::year_month_day date) {
  return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding()) + 1;
}

bool is_leap_year(int year) {
  return std::chrono::year{year}.is_leap();
}

}  // namespace giornaro::rt
