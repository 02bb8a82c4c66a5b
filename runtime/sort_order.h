// The one order of every sorted list in the program: each character
// lower-cased, then compared by Unicode code point. Sorts are stable, so equal
// texts keep the order in which they were added.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace giornaro::rt {

// True when `a` sorts before `b`.
bool sorts_before(std::string_view a, std::string_view b);

// The text as the order compares it: every character lower-cased. Comparing
// two keys with < gives the same answer as sorts_before on the texts, so a
// long sort can build each key once.
std::u32string sort_key(std::string_view text);

// Index at which a new item goes into an already sorted list: after every item
// that does not sort after it (so equal items keep their order of arrival).
std::size_t sorted_insert_position(const std::vector<std::string>& sorted, std::string_view item);

// Stable sort of whole texts.
void sort_texts(std::vector<std::string>& texts);

}  // namespace giornaro::rt
