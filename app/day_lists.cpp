#include "app/day_lists.h"

#include "archive/archive_file.h"
#include "events/event_store.h"
#include "events/ordering.h"
#include "runtime/failure.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace giornaro::app {

void DatiNew(const std::vector<std::string>& lines, std::string_view GGDD,
             std::chrono::year_month_day today, std::vector<events::DayEntry>& entries) {
  for (const auto& line : lines) {
    if (!events::is_of_day(line, GGDD)) continue;
    archive::ArchiveRecord record = archive::read_record(line);
    auto header =
        events::entry_header(rt::mid(record.date, 7, 4), rt::upper(record.category), today);
    if (!header) continue;
    entries.push_back({std::move(*header), std::move(record.text)});
  }
}

void ApriDB(std::string_view GGDD, std::chrono::year_month_day today,
            const std::filesystem::path& folder, const std::filesystem::path& store,
            DayLists& lists) {
  const events::EventStore events(store);
  events::FactsPass facts(GGDD, today);
  events.facts_of_day(GGDD, [&](const events::FactRecord& record) { facts.add(record); });
  try {
    DatiNew(archive::read_archive(archive::archive_path(folder)), GGDD, today, facts.entries());
  } catch (const Failure& failure) {
    lists.archive_problem = failure.what();
  }

  events.births_of_day(GGDD, [&](const events::BirthRecord& record) {
    events::add_birth(record, GGDD, today, lists.List2);
  });

  events::Ordina(std::move(facts.entries()), lists.List1);
}

}  // namespace giornaro::app
