#include "runtime/list_rows.h"

#include <algorithm>

#include "runtime/sort_order.h"

namespace giornaro {

std::size_t add_sorted(ListRows& rows, std::string text) {
  const auto at = std::upper_bound(rows.begin(), rows.end(), text,
                                   [](const std::string& value, const ListRow& row) {
                                     return rt::sorts_before(value, row.text);
                                   });
  const auto index = static_cast<std::size_t>(at - rows.begin());
  rows.insert(at, ListRow{std::move(text), false});
  return index;
}

}  // namespace giornaro
