#include "events/ordering.h"

#include <algorithm>
#include <numeric>

#include "runtime/numbers.h"
#include "runtime/sort_order.h"
#include "runtime/text.h"

namespace giornaro::events {
namespace {

constexpr std::size_t kWrapAt = 65;     // a line is written once it passes this length
constexpr std::size_t kJoinBelow = 70;  // a last piece joins the line before below this

// Drops one leading blank.
std::u32string without_leading_blank(std::u32string text) {
  if (!text.empty() && text.front() == U' ') text.erase(0, 1);
  return text;
}

}  // namespace

const std::string kSeparator(106, '-');

void Swappa(std::vector<DayEntry>& entries) {
  std::vector<std::u32string> keys;
  keys.reserve(entries.size());
  for (const auto& entry : entries) keys.push_back(rt::sort_key(entry.header + "*" + entry.body));
  std::vector<std::size_t> order(entries.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<DayEntry> sorted;
  sorted.reserve(entries.size());
  for (const std::size_t i : order) sorted.push_back(std::move(entries[i]));
  entries = std::move(sorted);
}

std::vector<std::string> wrap_body(std::string_view body) {
  const std::u32string B = rt::decode_utf8(body);
  const std::size_t L = B.size();
  if (L <= kWrapAt) return {std::string(body)};

  std::vector<std::string> lines;
  auto add = [&](const std::u32string& line) { lines.push_back(rt::encode_utf8(line)); };
  // Positions below count from 1, as the characters of B.
  std::size_t wrap_start = 1;
  std::u32string pending;
  for (std::size_t p = 1;; ++p) {
    if (p >= L) {
      const std::u32string tail = B.substr(wrap_start - 1);
      if (!pending.empty() && pending.size() + 1 + tail.size() < kJoinBelow) {
        add(pending + U" " + tail);
      } else {
        if (!pending.empty()) add(without_leading_blank(pending));
        add(without_leading_blank(tail));
      }
      break;
    }
    if (B[p - 1] == U' ') {
      pending += B.substr(wrap_start - 1, p - wrap_start);
      wrap_start = p;
    }
    if (pending.size() > kWrapAt) {
      add(without_leading_blank(pending));
      pending.clear();
    }
  }
  return lines;
}

void Ordina(std::vector<DayEntry> entries, ListRows& List1) {
  Swappa(entries);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const bool repeated = i + 1 < entries.size() && entries[i + 1] == entries[i];
    if (!repeated) {
      List1.push_back({entries[i].header, false});
      for (auto& line : wrap_body(entries[i].body)) List1.push_back({std::move(line), false});
    }
    List1.push_back({kSeparator, false});
  }
  Titolo1(List1);
}

bool is_title_line(std::string_view line) {
  // Six characters take at most 24 bytes: decode no more than that.
  const std::string head(line.substr(0, 24));
  return rt::val(rt::left(head, 4)) > 0 && rt::mid(head, 6, 1) == "-";
}

void Titolo1(ListRows& List1, std::size_t from) {
  for (std::size_t k = from; k < List1.size(); ++k)
    List1[k].selected = is_title_line(List1[k].text);
}

}  // namespace giornaro::events
