#include "place/place_file.h"

#include "place/place_table.h"
#include "runtime/failure.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace giornaro::place {

std::string saved_place_value(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::string_view rest = line.substr(first);
  if (rest.front() == '"') {
    rest.remove_prefix(1);
    return std::string(rest.substr(0, rest.find('"')));
  }
  rest = rest.substr(0, rest.find(','));
  const auto last = rest.find_last_not_of(" \t");
  return std::string(rest.substr(0, last + 1));
}

std::string read_saved_place(const std::filesystem::path& place_file) {
  const auto lines = rt::read_text_lines(place_file);
  if (lines.empty()) throw Failure("Il file luogo.txt è vuoto.");
  return saved_place_value(lines.front());
}

void write_saved_place(const std::filesystem::path& place_file, std::string_view name) {
  rt::write_text_lines(place_file, {std::string(name)});
}

ListRows place_list_rows() {
  ListRows rows;
  rows.reserve(kPlaceCount);
  for (int i = 0; i < kPlaceCount; ++i) {
    add_sorted(rows, std::string(places()[static_cast<std::size_t>(i)].name));
    rows[static_cast<std::size_t>(i)].selected = (i % 2 == 0);
  }
  return rows;
}

void apply_stripes(ListRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].selected = (i % 2 == 0);
}

std::string short_place_name(std::string_view name) {
  if (rt::len(name) < 12) return std::string(name);
  return rt::left(name, 11) + ".";
}

}  // namespace giornaro::place
