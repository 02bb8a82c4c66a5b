#include "archive/editor.h"

#include <system_error>
#include <utility>

#include "archive/archive_file.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/sort_order.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace giornaro::archive {
namespace {

constexpr std::size_t kCategoryItemWidth = 10;
const std::string kGap(5, ' ');

std::string at(const std::vector<std::string>& parts, std::size_t index) {
  return index < parts.size() ? parts[index] : std::string();
}

bool is_missing(const std::filesystem::path& path) {
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error);
  return !exists && !error;
}

std::vector<std::string> without_empty_lines(std::vector<std::string> lines) {
  std::erase_if(lines, [](const std::string& line) { return line.empty(); });
  return lines;
}

std::vector<std::string> search_items(const std::vector<std::string>& lines) {
  std::vector<std::string> items;
  items.reserve(lines.size());
  for (const auto& line : lines) {
    if (!line.empty()) items.push_back(list4_item(line));
  }
  rt::sort_texts(items);
  return items;
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
  return rt::mid(line, 7, 4) + rt::mid(line, 4, 2) + rt::mid(line, 1, 2) + rt::mid(line, 11);
}

std::string list4_item(std::string_view line) {
  const std::vector<std::string> parts = rt::split(line, "*");
  const std::string& date = parts[0];
  return rt::mid(date, 4, 2) + rt::mid(date, 1, 2) + rt::mid(date, 7, 4) + at(parts, 1) +
         at(parts, 2);
}

std::string list1_line_from_list2(std::string_view item) {
  const std::string key = rt::left(item, 8);
  return rt::mid(key, 7, 2) + "/" + rt::mid(key, 5, 2) + "/" + rt::mid(key, 1, 4) + kGap +
         rt::mid(item, 10, 11) + kGap + rt::mid(item, 22);
}

std::string list1_line_from_list4(std::string_view item) {
  return rt::mid(item, 3, 2) + "/" + rt::mid(item, 1, 2) + "/" + rt::mid(item, 5, 4) + kGap +
         rt::mid(item, 9, 11) + kGap + rt::mid(item, 20);
}

EditorFields fields_of_line(std::string_view line) {
  return EditorFields{rt::left(line, 10), rt::trim(rt::mid(line, 16, 11)), rt::mid(line, 32)};
}

ArchiveEditor::ArchiveEditor(std::filesystem::path folder)
    : path_(archive_path(std::move(folder))) {}

bool ArchiveEditor::search_buttons_enabled(std::string_view Text3) const {
  return Rec_ > 0 && !Text3.empty();
}

std::vector<std::string> ArchiveEditor::read_lines(bool create_when_missing) const {
  try {
    if (is_missing(path_)) {
      if (!create_when_missing) return {};
      rt::ensure_file_exists(path_);
    }
    return read_archive(path_);
  } catch (const Failure& failure) {
    throw LoadFailure(failure.what());
  }
}

void ArchiveEditor::FullDB() {
  List4_ = search_items(read_lines(false));
}

void ArchiveEditor::Carica() {
  List2_.clear();
  List1_.clear();
  Rec_ = 0;
  for (const auto& line : read_lines(true)) {
    if (line.empty()) continue;
    ++Rec_;
    List2_.push_back(list2_item(line));
  }
  rt::sort_texts(List2_);
  List1_.reserve(List2_.size());
  for (const auto& item : List2_) List1_.push_back(list1_line_from_list2(item));
}

AddResult ArchiveEditor::add(std::string_view Text1, std::string_view Tipo,
                             std::string_view Text2) {
  if (!is_valid_entry_date(Text1)) return {AddOutcome::BadDate, std::string(Tipo)};
  if (rt::trim(Tipo).empty()) return {AddOutcome::BadCategory, std::string(Tipo)};
  std::string category = category_caption(Tipo);
  if (!is_known_category(category)) return {AddOutcome::BadCategory, std::move(category)};

  append_record(path_, make_record(Text1, category, Text2));
  FullDB();
  Carica();
  return {AddOutcome::Added, std::move(category)};
}

int ArchiveEditor::remove(std::string_view Text1, std::string_view Tipo, std::string_view Text2) {
  Fin_ = 0;
  const std::string record = make_record(Text1, Tipo, Text2);
  const std::vector<std::string> lines = read_archive(path_);
  std::vector<std::string> kept;
  kept.reserve(lines.size());
  int dropped = 0;
  for (const auto& line : lines) {
    if (line == record) {
      ++dropped;
    } else {
      kept.push_back(line);
    }
  }
  kept = without_empty_lines(std::move(kept));
  rewrite_archive(path_, kept);
  List4_ = search_items(kept);
  List3_ = std::move(kept);
  Carica();
  return dropped;
}

bool ArchiveEditor::search(std::string_view Text3) {
  Fin_ = 0;
  if (rt::len(Text3) < 5) return false;
  List1_.clear();
  for (const auto& item : List4_) {
    if (rt::mid(item, 3, 2) + "/" + rt::mid(item, 1, 2) != Text3) continue;
    List1_.push_back(list1_line_from_list4(item));
    ++Fin_;
  }
  return true;
}

void ArchiveEditor::reset() {
  Fin_ = 0;
  Carica();
}

}  // namespace giornaro::archive
