// Loose numbers: reading a number from the start of a text, and the shortest
// decimal text of a number.
#pragma once

#include <string>
#include <string_view>

namespace giornaro::rt {

// Reads the number at the start of `text` the forgiving way: blanks, tabs and
// line feeds are skipped anywhere, an optional sign, digits, an optional
// decimal point and an optional exponent (E or D); "&H"/"&O" read hex/octal.
// Reading stops at the first character that cannot continue the number;
// a text with no number gives 0. "1492 - x" gives 1492, "476 -" gives 476.
double val(std::string_view text);

// True when the whole text (blanks around allowed) is one decimal number.
bool is_numeric(std::string_view text);

// The shortest decimal text of a number: whole numbers without a decimal
// point ("147", "-3"), others with up to 15 significant digits ("0.5").
std::string number_text(double value);

// A day, month, hour or minute in two digits: 5 gives "05", 12 gives "12".
std::string two_digits(int value);

}  // namespace giornaro::rt
