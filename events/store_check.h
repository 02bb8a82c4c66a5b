// The curator's check of the store's content, run before a commit of data/:
// every day of the year (29 February included) has its minimum of facts and
// births, and nothing in the records would show wrongly or be lost on the day
// sheet.
#pragma once

#include <string>
#include <vector>

#include "events/store_builder.h"

namespace giornaro::events {

struct ContentRules {
  int min_facts_per_day = 6;
  int min_births_per_day = 5;
  int min_fact_length = 40;  // characters of shown text, continuations included
  int max_fact_length = 220;
  int max_cosa_length = 75;  // longer text is cut at 75 on the day sheet
};

struct ContentReport {
  std::vector<std::string> problems;  // "fatti/03.tsv, riga 7: ..."
  std::vector<std::string> summary;   // counts per month
};

// Checks facts (OGGI) and births (NATI) as read by read_tsv_input: per-day
// counts, days under the minimum, facts out of year order (as text), unknown
// category codes, facts repeated or sharing their header with another of the
// same day (only one would show), shown text out of the length range, a fact
// that does not start with "- " or holds "*" in its text, a continuation away
// from its fact; births out of year order, empty noto, cosa too long, a person
// entered twice (on one date or on two).
ContentReport check_content(const TsvCheck& facts, const TsvCheck& births,
                            const ContentRules& rules = {});

}  // namespace giornaro::events
