#include "runtime/sort_order.h"

#include <algorithm>

#include "runtime/text.h"

namespace giornaro::rt {

bool sorts_before(std::string_view a, std::string_view b) {
  const std::u32string x = decode_utf8(a);
  const std::u32string y = decode_utf8(b);
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char32_t cx = lower_char(x[i]);
    const char32_t cy = lower_char(y[i]);
    if (cx != cy) return cx < cy;
  }
  return x.size() < y.size();
}

std::u32string sort_key(std::string_view text) {
  std::u32string key = decode_utf8(text);
  for (char32_t& c : key) c = lower_char(c);
  return key;
}

std::size_t sorted_insert_position(const std::vector<std::string>& sorted, std::string_view item) {
  const auto at = std::upper_bound(sorted.begin(), sorted.end(), item,
                                   [](std::string_view value, const std::string& element) {
                                     return sorts_before(value, element);
                                   });
  return static_cast<std::size_t>(at - sorted.begin());
}

void sort_texts(std::vector<std::string>& texts) {
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::string& a, const std::string& b) { return sorts_before(a, b); });
}

}  // namespace giornaro::rt
