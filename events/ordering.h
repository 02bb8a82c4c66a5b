// Ordering and rendering of the day entries into the facts list, and the
// title marks of the facts and births lists.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "events/day_entries.h"
#include "runtime/list_rows.h"

namespace giornaro::events {

// The line that closes every entry and every birth: 106 "-".
extern const std::string kSeparator;

// Sorts the entries by their text "header*body" in the program's sort order
// (case ignored, stable). Headers and bodies stay whole and paired.
void Swappa(std::vector<DayEntry>& entries);

// The lines of a body wrapped at blanks: a line is written as soon as it
// passes 65 characters, and a short last piece is joined to the line before
// when the joined line stays under 70 characters. A body of up to 65
// characters is one line (an empty body is one empty line).
std::vector<std::string> wrap_body(std::string_view body);

// Sorts the entries (Swappa) and appends them to `List1`: per entry its
// header, its wrapped body and the separator. An entry whose header and body
// both equal the next entry's is not written, only its separator. Then marks
// the title lines (Titolo1).
void Ordina(std::vector<DayEntry> entries, ListRows& List1);

// A title line: the number its first four characters start with is above 0
// and its sixth character is "-".
bool is_title_line(std::string_view line);

// Selects the title lines of a list (facts or births) and deselects the
// others, from row `from` on.
void Titolo1(ListRows& List1, std::size_t from = 0);

}  // namespace giornaro::events
