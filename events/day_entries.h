// Day entries (a header and a body per fact of the day) and the two passes
// over the store's records: the facts pass, which collects entries, and the
// births pass, which writes the births list. Both are pure functions of the
// records, the date key and today's date; events/event_store reads the records.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events/event_store.h"
#include "runtime/list_rows.h"

namespace giornaro::events {

struct DayEntry {
  std::string header;  // "1879 - SPORT (147 ANNI AD OGGI)  (Domenica)"
  std::string body;    // the text, unwrapped

  friend bool operator==(const DayEntry&, const DayEntry&) = default;
};

// True when characters 1-5 of `date` are the date key `GGDD`.
bool is_of_day(std::string_view date, std::string_view GGDD);

// The name of a category code ("SP" -> "SPORT"); empty when the code is not
// in the table (exact, case-sensitive match).
std::optional<std::string> category_name(std::string_view code);

// The header of an entry of year `year` (the year text as stored) in category
// `category`: year, " - ", category, " (", years since then, " ANNI AD OGGI) ",
// then the weekday suffix of today's day and month in that year. Empty when
// today's day and month in that year is no date (29/02 of a common year, a
// year that is no number).
std::optional<std::string> entry_header(std::string_view year, std::string_view category,
                                        std::chrono::year_month_day today);

// Collects the facts of the date key `GGDD` from OGGI's records in store
// order. A record whose dato starts with "*" continues the entry of the record
// before it (when that one was a fact of the day); every other record of the
// day starts an entry of its own. A code missing from the category table
// keeps the category of the previous fact of the run (empty before any).
// Records of the day whose date cannot be read are skipped, continuations
// included, and so are records with an empty (NULL) Data, which belong to no
// day. Throws giornaro::Failure on an empty dato in a record of the day;
// `entries` keeps what was collected before.
class FactsPass {
 public:
  FactsPass(std::string_view GGDD, std::chrono::year_month_day today);

  void add(const FactRecord& record);
  std::vector<DayEntry>& entries() { return entries_; }

 private:
  enum class Previous { Other, Written, Skipped };

  std::string key_;
  std::chrono::year_month_day today_;
  std::string category_;
  Previous previous_ = Previous::Other;
  std::vector<DayEntry> entries_;
};

// Appends one birth of the date key to `List2` (nothing when the record is of
// another day, or of the day with a date that cannot be read): the title line
// "year - nome (weekday) ANNI: n", noto with its first character in upper
// case, cosa in pieces of 75 characters (at most two, when not empty), and the
// separator. Then marks the new title lines. A record with an empty (NULL)
// Data is of no day. Throws giornaro::Failure on an empty noto in a birth of
// the day, after the lines already appended.
void add_birth(const BirthRecord& record, std::string_view GGDD, std::chrono::year_month_day today,
               ListRows& List2);

}  // namespace giornaro::events
