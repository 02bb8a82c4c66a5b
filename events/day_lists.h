// The facts and births of the day: read from the event store lune.dat, merged
// with the personal archive, sorted, wrapped and marked.
#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

#include "runtime/list_rows.h"

namespace giornaro::events {

struct DayLists {
  ListRows List1;  // facts of the day
  ListRows List2;  // births of the day
};

// Appends the day's facts (with the archive's entries) to lists.List1 and its
// births to lists.List2, for the date key `GGDD` (DD/MM). The store lune.dat
// and the archive NewData.txt are read from `folder`. In order: the facts pass
// over the store, the archive merge, the births pass (List2), then the facts
// are sorted and rendered (List1). Throws giornaro::Failure naming the file;
// what was appended before the failure stays in `lists` (a failure before the
// end leaves List1 as it was).
void ApriDB(std::string_view GGDD, std::chrono::year_month_day today,
            const std::filesystem::path& folder, DayLists& lists);

// The same with the store read from `store` instead of the folder's lune.dat
// (an installed store shared by every user).
void ApriDB(std::string_view GGDD, std::chrono::year_month_day today,
            const std::filesystem::path& folder, const std::filesystem::path& store,
            DayLists& lists);

}  // namespace giornaro::events
