#include "calendar/date_arithmetic.h"

#include <cmath>

#include "calendar/saints.h"
#include "runtime/dates.h"
#include "runtime/failure.h"

namespace giornaro::calendar {

int giorni_mese(int month) {
  if (month < 1 || month > 12) {
    throw Failure("Mese fuori dall'intervallo 1-12 nel calcolo del calendario.");
  }
  return GiorniMese[static_cast<std::size_t>(month - 1)];
}

double Math_floor(double valore) {
  return std::floor(valore);
}

double Math_ceil(double valore) {
  const double n = Math_floor(valore);
  return (n - valore == 0) ? valore : n + 1;
}

double vb_mod(double dividend, double divisor) {
  const double a = std::nearbyint(dividend);
  const double b = std::nearbyint(divisor);
  if (b == 0) throw Failure("Divisione per zero nel calcolo del calendario.");
  return std::fmod(a, b);
}

std::string weekday_suffix(int weekday_sunday_first) {
  return " (" + std::string(weekday_name(weekday_sunday_first)) + ")";
}

std::string GiorniPrima(std::string_view date_text) {
  const auto date = rt::parse_date_dmy(date_text);
  if (!date) throw Failure("Data non valida: \"" + std::string(date_text) + "\".");
  return weekday_suffix(rt::record_weekday(*date));
}

}  // namespace giornaro::calendar
