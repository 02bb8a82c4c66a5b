// The merge of the personal archive into the day entries: every record of the
// date key becomes a day entry after the facts of the store, to be sorted and
// rendered with them.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "events/day_entries.h"

namespace giornaro::archive {

// Appends an entry for every line whose positions 1-5 equal the date key
// `GGDD`, in file order. The line is read at fixed positions: year = 7-10,
// category field = 12-22 (upper-cased, trailing blanks kept, so "Nozze"
// gives NOZZE and six blanks before " ("), body = from position 24. A line of
// the day whose date cannot be read (no year, a year that is no number, a
// 29/02 of a common year) is skipped. Short lines read as empty past their end.
void DatiNew(const std::vector<std::string>& lines, std::string_view GGDD,
             std::chrono::year_month_day today, std::vector<events::DayEntry>& entries);

// The same over the archive file at `path`. Throws giornaro::Failure naming
// NewData.txt when it cannot be read; `entries` is then unchanged.
void DatiNew(const std::filesystem::path& path, std::string_view GGDD,
             std::chrono::year_month_day today, std::vector<events::DayEntry>& entries);

}  // namespace giornaro::archive
