// The facts and births of the day: read from the event store lune.dat, merged
// with the personal archive NewData.txt, sorted, wrapped and marked. This is
// where events/ (the store's passes and the ordering) and archive/ (the
// archive's records) meet; neither knows the other.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "events/day_entries.h"
#include "runtime/list_rows.h"

namespace giornaro::app {

struct DayLists {
  ListRows List1;  // facts of the day
  ListRows List2;  // births of the day
  // Why the archive could not be read (its entries are then missing from
  // List1); empty when it was read.
  std::string archive_problem;
};

// Appends an entry for every archive line whose positions 1-5 equal the date
// key `GGDD`, in file order, the line taken apart by archive::read_record:
// year = positions 7-10 of the date, the category field upper-cased with its
// trailing blanks (so "Nozze" gives NOZZE and six blanks before " ("), the
// text as the body. A line of the day whose date cannot be read (no year, a
// year that is no number, a 29/02 of a common year) is skipped.
void DatiNew(const std::vector<std::string>& lines, std::string_view GGDD,
             std::chrono::year_month_day today, std::vector<events::DayEntry>& entries);

// Appends the day's facts (with the archive's entries) to lists.List1 and its
// births to lists.List2, for the date key `GGDD` (DD/MM). The facts and births
// come from the event store at `store` (the data folder's own lune.dat, or
// the installed one), the archive NewData.txt from `folder`. In order: the facts pass
// over the store, the archive merge, the births pass (List2), then the facts
// are sorted and rendered (List1). An archive that cannot be read costs only
// its own entries: the lists are made without them and archive_problem says
// why. Throws giornaro::Failure naming lune.dat when the store fails; what was
// appended before the failure stays in `lists` (List1 is then not rendered).
void ApriDB(std::string_view GGDD, std::chrono::year_month_day today,
            const std::filesystem::path& folder, const std::filesystem::path& store,
            DayLists& lists);

}  // namespace giornaro::app
