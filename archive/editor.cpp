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

// Sorts `items` in the program's sort order, stable, and `lines` along with
// them. Each item's key is built once: a sort that decoded both texts at every
// comparison takes seconds for a large archive.
void sort_with_lines(std::vector<std::string>& items, std::vector<std::string>& lines) {
  std::vector<std::pair<std::u32string, std::size_t>> keys;
  keys.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) keys.emplace_back(rt::sort_key(items[i]), i);
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> sorted_items;
  std::vector<std::string> sorted_lines;
  sorted_items.reserve(items.size());
  sorted_lines.reserve(items.size());
  for (const auto& key : keys) {
    sorted_items.push_back(std::move(items[key.second]));
    sorted_lines.push_back(std::move(lines[key.second]));
  }
  items = std::move(sorted_items);
  lines = std::move(sorted_lines);
}

// Puts `item` and its line into the sorted lists, after every equal item.
void insert_sorted(std::vector<std::string>& items, std::vector<std::string>& lines,
                   std::string item, std::string line) {
  const auto at = static_cast<std::ptrdiff_t>(rt::sorted_insert_position(items, item));
  items.insert(items.begin() + at, std::move(item));
  lines.insert(lines.begin() + at, std::move(line));
}

std::string list2_item(const ArchiveRecord& r) {
  return rt::mid(r.date, 7, 4) + rt::mid(r.date, 4, 2) + rt::left(r.date, 2) + "*" + r.category +
         "*" + r.text;
}

std::string list4_item(const ArchiveRecord& r) {
  return rt::mid(r.date, 4, 2) + rt::left(r.date, 2) + rt::mid(r.date, 7, 4) + r.category + r.text;
}

std::string list1_line(const ArchiveRecord& r) {
  return rt::left(r.date, 2) + "/" + rt::mid(r.date, 4, 2) + "/" + rt::mid(r.date, 7, 4) + kGap +
         rt::pad_right(r.category, kCategoryWidth) + kGap + r.text;
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
  insert_sorted(List2_, List2_lines_, list2_item(parts), std::move(line));
  ++Rec_;
  List1_ = List2_lines_;
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
  // finds it. The record as "Inserisci" stores the same fields finds what was
  // added from them.
  const std::string raw = make_raw_record(Text1, Tipo, Text2);
  const std::string stored = make_record(Text1, Tipo, Text2);
  int dropped = 0;
  const ArchiveContent kept = rewrite_archive(path_, [&](std::vector<std::string> lines) {
    std::erase_if(lines, [&](const std::string& line) {
      if (line.empty()) return true;
      if (line != raw && line != stored) return false;
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
