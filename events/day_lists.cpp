#include "events/day_lists.h"

#include "archive/archive_file.h"
#include "archive/merge.h"
#include "events/day_entries.h"
#include "events/event_store.h"
#include "events/ordering.h"
#include "runtime/text_file.h"

namespace giornaro::events {

void ApriDB(std::string_view GGDD, std::chrono::year_month_day today,
            const std::filesystem::path& folder, DayLists& lists) {
  const std::filesystem::path store = folder / kStoreFileName;

  const EventStore events(store);
  FactsPass facts(GGDD, today);
  events.facts_of_day(GGDD, [&](const FactRecord& record) { facts.add(record); });
  archive::DatiNew(archive::archive_path(folder), GGDD, today, facts.entries());

  events.births_of_day(
      GGDD, [&](const BirthRecord& record) { add_birth(record, GGDD, today, lists.List2); });

  Ordina(std::move(facts.entries()), lists.List1);
}

}  // namespace giornaro::events
