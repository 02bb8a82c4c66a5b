#include "archive/merge.h"

#include "archive/archive_file.h"
#include "runtime/text.h"

namespace giornaro::archive {

void DatiNew(const std::vector<std::string>& lines, std::string_view GGDD,
             std::chrono::year_month_day today, std::vector<events::DayEntry>& entries) {
  for (const auto& line : lines) {
    if (!events::is_of_day(line, GGDD)) continue;
    const std::string date = rt::mid(line, 1, 10);
    const std::string category = rt::mid(line, 12, static_cast<long>(kCategoryWidth));
    const std::string rest = rt::mid(line, 22);
    auto header = events::entry_header(rt::mid(date, 7, 4), rt::upper(category), today);
    if (!header) continue;
    entries.push_back({std::move(*header), rt::mid(rest, 3)});
  }
}

void DatiNew(const std::filesystem::path& path, std::string_view GGDD,
             std::chrono::year_month_day today, std::vector<events::DayEntry>& entries) {
  DatiNew(read_archive(path), GGDD, today, entries);
}

}  // namespace giornaro::archive
