// Small calendar arithmetic the whole sheet leans on: the month-length table,
// floor and ceiling, the remainder of loose numbers, and the weekday suffix
// of a dated entry.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace giornaro::calendar {

// Days per month, index 0 = January. February is 28 in every year: each
// reader adds the leap day by its own rule.
inline constexpr std::array<int, 12> GiorniMese{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of month `month` (1..12) from the table; throws giornaro::Failure
// (subscript out of range) for any other month.
int giorni_mese(int month);

// The largest whole number not greater than `valore`.
double Math_floor(double valore);
// `valore` when whole, otherwise Math_floor(valore) + 1.
double Math_ceil(double valore);

// The remainder of loose numbers: both operands rounded to whole numbers
// (halves to even), result with the sign of the dividend. Throws
// giornaro::Failure on division by zero.
double vb_mod(double dividend, double divisor);

// " (Domenica)" .. " (Sabato)" for weekday 1 (Sunday) .. 7: the weekday's
// name (calendar/saints) in brackets.
std::string weekday_suffix(int weekday_sunday_first);

// The weekday suffix of a day/month/year text such as "25/12/2004"
// (" (Sabato)"), in the proleptic Gregorian calendar. Throws
// giornaro::Failure (type mismatch) when the text is no date.
std::string GiorniPrima(std::string_view date_text);

}  // namespace giornaro::calendar
