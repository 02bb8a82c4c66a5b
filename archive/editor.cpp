#include "archive/editor.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "archive/archive_file.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/sort_order.h"
#include "runtime/text.h"

namespace giornaro::archive {
namespace {

constexpr std::size_t kCategoryItemWidth = 10;
const std::string kGap(5, ' ');

bool is_missing(const std::filesystem::path& path) {
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error);
  return !exists && !error;
}

// The order key of a text: every character lower-cased, in UTF-8, whose
// byte order is the order of the code points, so that comparing two keys as
// bytes gives rt::sorts_before's answer on the texts.
std::string order_key(std::string_view text) {
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) return rt::encode_utf8(rt::sort_key(text));
  std::string key(text);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  return key;
}

// Sorts `items` in the program's sort order, stable, and `lines` along with
// them. Each item's key is built once: a sort that decoded both texts at every
// comparison takes seconds for a large archive.
void sort_with_lines(std::vector<std::string>& items, std::vector<std::string>& lines) {
  std::vector<std::string> keys;
  keys.reserve(items.size());
  for (const auto& item : items) keys.push_back(order_key(item));
  std::vector<std::size_t> order(items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int compared = keys[a].compare(keys[b]);
    return compared != 0 ? compared < 0 : a < b;
  });
  std::vector<std::string> sorted_items;
  std::vector<std::string> sorted_lines;
  sorted_items.reserve(items.size());
  sorted_lines.reserve(items.size());
  for (const std::size_t i : order) {
    sorted_items.push_back(std::move(items[i]));
    sorted_lines.push_back(std::move(lines[i]));
  }
  items = std::move(sorted_items);
  lines = std::move(sorted_lines);
}

// Puts `item` and its line into the sorted lists, after every equal item;
// returns the index it took.
std::ptrdiff_t insert_sorted(std::vector<std::string>& items, std::vector<std::string>& lines,
                             std::string item, std::string line) {
  const auto at = static_cast<std::ptrdiff_t>(rt::sorted_insert_position(items, item));
  items.insert(items.begin() + at, std::move(item));
  lines.insert(lines.begin() + at, std::move(line));
  return at;
}

// Day, month and year of a record's date (positions 1-2, 4-5, 7-10).
struct DateParts {
  std::string day, month, year;
};

DateParts date_parts(std::string_view date) {
  const bool ascii = std::all_of(date.begin(), date.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) return {rt::left(date, 2), rt::mid(date, 4, 2), rt::mid(date, 7, 4)};
  const auto part = [&](std::size_t start, std::size_t length) {
    return start < date.size() ? std::string(date.substr(start, length)) : std::string();
  };
  return {part(0, 2), part(3, 2), part(6, 4)};
}

std::string padded_category(const std::string& category) {
  const bool ascii = std::all_of(category.begin(), category.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii && category.size() == kCategoryWidth) return category;
  return rt::pad_right(category, kCategoryWidth);
}

std::string list2_item(const ArchiveRecord& r) {
  const DateParts d = date_parts(r.date);
  return d.year + d.month + d.day + "*" + r.category + "*" + r.text;
}

std::string list4_item(const ArchiveRecord& r) {
  const DateParts d = date_parts(r.date);
  return d.month + d.day + d.year + r.category + r.text;
}

std::string list1_line(const ArchiveRecord& r) {
  const DateParts d = date_parts(r.date);
  return d.day + "/" + d.month + "/" + d.year + kGap + padded_category(r.category) + kGap + r.text;
}

}  // namespace

const std::array<std::string, 10>& category_items() {
  static const std::array<std::string, 10> items = [] {
    std::array<std::string, 10> padded;
    for (std::size_t i = 0; i < kCategoryNames.size(); ++i) {
      padded[i] = rt::pad_right(kCategoryNames[i], kCategoryItemWidth);
    }
    return padded;
  }();
  return items;
}

std::string category_caption(std::string_view typed) {
  const std::string name = rt::trim(typed);
  return rt::upper(rt::left(name, 1)) + rt::lower(rt::mid(name, 2));
}

bool is_known_category(std::string_view category) {
  const std::string wanted = rt::lower(rt::trim(category));
  for (const auto& item : category_items()) {
    if (rt::lower(rt::trim(item)) == wanted) return true;
  }
  return false;
}

bool is_valid_entry_date(std::string_view text) {
  if (rt::len(text) != 10 || rt::mid(text, 3, 1) != "/") return false;
  if (!rt::parse_date_dmy(text)) return false;
  const std::string month = rt::mid(text, 4, 2);
  return !(rt::is_numeric(month) && rt::val(month) > 12);
}

std::string list2_item(std::string_view line) {
  return list2_item(read_record(line));
}

std::string list4_item(std::string_view line) {
  return list4_item(read_record(line));
}

std::string list1_line(std::string_view line) {
  return list1_line(read_record(line));
}

EditorFields fields_of_line(std::string_view line) {
  return EditorFields{rt::left(line, 10), rt::trim(rt::mid(line, 16, 11)), rt::mid(line, 32)};
}

ArchiveEditor::ArchiveEditor(std::filesystem::path folder)
    : path_(archive_path(std::move(folder))) {}

bool ArchiveEditor::search_buttons_enabled(std::string_view Text3) const {
  return Rec_ > 0 && !Text3.empty();
}

ArchiveContent ArchiveEditor::read_lines(bool create_when_missing) const {
  try {
    if (is_missing(path_)) {
      if (!create_when_missing) return {};
      ensure_archive(path_);
    }
    return read_archive_content(path_);
  } catch (const Failure& failure) {
    throw LoadFailure(failure.what());
  }
}

void ArchiveEditor::fill_search_list(const ArchiveContent& content) {
  List4_.clear();
  List4_lines_.clear();
  for (const auto& line : content.lines) {
    if (line.empty()) continue;
    const ArchiveRecord record = read_record(line);
    List4_.push_back(list4_item(record));
    List4_lines_.push_back(list1_line(record));
  }
  sort_with_lines(List4_, List4_lines_);
  List4_stamp_ = content.stamp;
}

void ArchiveEditor::fill_lists(const ArchiveContent& content) {
  List2_.clear();
  List2_lines_.clear();
  Rec_ = 0;
  for (const auto& line : content.lines) {
    if (line.empty()) continue;
    ++Rec_;
    const ArchiveRecord record = read_record(line);
    List2_.push_back(list2_item(record));
    List2_lines_.push_back(list1_line(record));
  }
  sort_with_lines(List2_, List2_lines_);
  List1_ = List2_lines_;
  List1_shows_all_ = true;
  List2_stamp_ = content.stamp;
}

void ArchiveEditor::FullDB() {
  List4_stamp_.reset();
  const ArchiveContent content = read_lines(false);
  fill_search_list(content);
  if (content.lines.empty() && is_missing(path_)) List4_stamp_.reset();
}

void ArchiveEditor::Carica() {
  List2_.clear();
  List2_lines_.clear();
  List1_.clear();
  Rec_ = 0;
  List2_stamp_.reset();
  fill_lists(read_lines(true));
}

void ArchiveEditor::insert_record(const std::string& record) {
  const ArchiveRecord parts = read_record(record);
  std::string line = list1_line(parts);
  insert_sorted(List4_, List4_lines_, list4_item(parts), line);
  const std::ptrdiff_t at = insert_sorted(List2_, List2_lines_, list2_item(parts), line);
  ++Rec_;
  if (List1_shows_all_) {
    List1_.insert(List1_.begin() + at, std::move(line));
  } else {
    List1_ = List2_lines_;
    List1_shows_all_ = true;
  }
}

AddResult ArchiveEditor::add(std::string_view Text1, std::string_view Tipo,
                             std::string_view Text2) {
  if (!is_valid_entry_date(Text1)) return {AddOutcome::BadDate, std::string(Tipo)};
  if (rt::trim(Tipo).empty()) return {AddOutcome::BadCategory, std::string(Tipo)};
  std::string category = category_caption(Tipo);
  if (!is_known_category(category)) return {AddOutcome::BadCategory, std::move(category)};
  if (auto character = first_character_outside_code_page(Text2)) {
    return {AddOutcome::BadCharacter, std::move(category), std::move(*character)};
  }

  const std::string record = make_record(Text1, category, Text2);
  const Appended appended = append_record(path_, record);
  if (List2_stamp_ == appended.before && List4_stamp_ == appended.before) {
    insert_record(record);
    List2_stamp_ = List4_stamp_ = appended.after;
  } else {
    FullDB();
    Carica();
  }
  return {AddOutcome::Added, std::move(category)};
}

int ArchiveEditor::remove(std::string_view Text1, std::string_view Tipo, std::string_view Text2) {
  Fin_ = 0;
  // A stored text may hold "*" (a file edited by hand): the record as typed
  // finds it. When no line is that record, the record as "Inserisci" would
  // have stored the same fields finds what was added from them.
  const std::string raw = make_raw_record(Text1, Tipo, Text2);
  const std::string stored = make_record(Text1, Tipo, Text2);
  int dropped = 0;
  const ArchiveContent kept = rewrite_archive(path_, [&](std::vector<std::string> lines) {
    const bool raw_found = std::find(lines.begin(), lines.end(), raw) != lines.end();
    const std::string& record = raw_found ? raw : stored;
    std::erase_if(lines, [&](const std::string& line) {
      if (line.empty()) return true;
      if (line != record) return false;
      ++dropped;
      return true;
    });
    return lines;
  });
  fill_search_list(kept);
  List3_ = kept.lines;
  fill_lists(kept);
  return dropped;
}

bool ArchiveEditor::search(std::string_view Text3) {
  Fin_ = 0;
  if (rt::len(Text3) < 5) return false;
  List1_.clear();
  List1_shows_all_ = false;
  for (std::size_t i = 0; i < List4_.size(); ++i) {
    const std::string& item = List4_[i];
    if (rt::mid(item, 3, 2) + "/" + rt::mid(item, 1, 2) != Text3) continue;
    List1_.push_back(List4_lines_[i]);
    ++Fin_;
  }
  return true;
}

void ArchiveEditor::reset() {
  Fin_ = 0;
  Carica();
}

}  // namespace giornaro::archive
