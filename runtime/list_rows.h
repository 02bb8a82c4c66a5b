// The rows of a list box as the computing code fills them: a text and a
// selected flag per row (lists allow several selected rows; the program uses
// the flags to set title lines and stripes apart).
#pragma once

#include <string>
#include <vector>

namespace giornaro {

struct ListRow {
  std::string text;
  bool selected = false;

  friend bool operator==(const ListRow&, const ListRow&) = default;
};

using ListRows = std::vector<ListRow>;

// Adds a row to a sorted list at its place in the program's one sort order
// (after the rows equal to it) and returns its index.
std::size_t add_sorted(ListRows& rows, std::string text);

}  // namespace giornaro
