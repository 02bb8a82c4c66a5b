#include "events/event_store.h"

#include <gtest/gtest.h>

#include <random>

#include "events/day_entries.h"
#include "runtime/failure.h"
#include "tests/support/temp_folder.h"

namespace giornaro::events {
namespace {

using test_support::TempFolder;

const StoreTable kFacts{"OGGI",
                        {"Tipo", "Data", "dato"},  // columns in another order than read
                        {{"SP", "08/12/1990", "- Gara"}, {"", "08/12/1990", "* e fine"}}};
const StoreTable kBirths{
    "NATI", {"Data", "nome", "noto", "cosa"}, {{"08/12/1943", "Jim Morrison", "cantante", ""}}};

std::vector<FactRecord> all_facts(const std::filesystem::path& store) {
  std::vector<FactRecord> out;
  EventStore(store).all_facts([&](const FactRecord& r) { out.push_back(r); });
  return out;
}

std::string failure_of(const std::function<void()>& action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "(no failure)";
}

TEST(EventStore, ReadsFieldsByNameInStoreOrder) {
  TempFolder folder;
  const auto store = folder / "lune.dat";
  write_store(store, {kFacts, kBirths});

  const auto facts = all_facts(store);
  ASSERT_EQ(facts.size(), 2u);
  EXPECT_EQ(facts[0].Data, "08/12/1990");
  EXPECT_EQ(facts[0].dato, "- Gara");
  EXPECT_EQ(facts[0].Tipo, "SP");
  EXPECT_EQ(facts[1].dato, "* e fine");
  EXPECT_EQ(facts[1].Tipo, "");

  std::vector<BirthRecord> births;
  EventStore(store).all_births([&](const BirthRecord& r) { births.push_back(r); });
  ASSERT_EQ(births.size(), 1u);
  EXPECT_EQ(births[0].nome, "Jim Morrison");
  EXPECT_EQ(births[0].cosa, "");

  const StoreTable table = EventStore(store).table("OGGI");
  EXPECT_EQ(table.columns, kFacts.columns);
  EXPECT_EQ(table.rows, kFacts.rows);
}

TEST(EventStore, FieldNamesMatchWhateverTheirCase) {
  TempFolder folder;
  const auto store = folder / "lune.dat";
  write_store(store, {{"OGGI", {"DATA", "Dato", "tipo"}, {{"01/01/1801", "- Cerere", "AS"}}}});
  const auto facts = all_facts(store);
  ASSERT_EQ(facts.size(), 1u);
  EXPECT_EQ(facts[0].Tipo, "AS");
}

// The day's records through the index give the facts pass exactly what a
// reading of the whole table gives it, however the days are interleaved.
TEST(EventStore, FactsOfADayCollectLikeTheWholeTable) {
  using namespace std::chrono;
  TempFolder folder;
  const auto store = folder / "lune.dat";
  std::mt19937 random(20261208);
  const char* keys[] = {"08/12", "09/12", "29/02"};
  const char* codes[] = {"*", "SP", "XX", ""};
  for (int round = 0; round < 30; ++round) {
    StoreTable facts{"OGGI", {"Data", "dato", "Tipo"}, {}};
    const int records = static_cast<int>(random() % 40);
    for (int i = 0; i < records; ++i) {
      const std::string key = keys[random() % 3];
      const std::string year = std::to_string(1400 + random() % 700);
      const bool continuation = random() % 3 == 0;
      facts.rows.push_back({random() % 25 == 0 ? "" : key + "/" + year,
                            (continuation ? "*" : "- ") + std::to_string(i), codes[random() % 4]});
    }
    write_store(store, {facts, kBirths});
    const EventStore events(store);
    for (const char* key : keys) {
      SCOPED_TRACE(std::to_string(round) + " " + key);
      const year_month_day today = 2024y / December / 8;
      FactsPass whole(key, today), day(key, today);
      std::string whole_failure, day_failure;
      try {
        events.all_facts([&](const FactRecord& r) { whole.add(r); });
      } catch (const Failure& failure) {
        whole_failure = failure.what();
      }
      try {
        events.facts_of_day(key, [&](const FactRecord& r) { day.add(r); });
      } catch (const Failure& failure) {
        day_failure = failure.what();
      }
      if (whole_failure.empty()) {
        EXPECT_EQ(day_failure, "");
        EXPECT_EQ(day.entries(), whole.entries());
      }
    }
  }
}

TEST(EventStore, FailuresNameTheStoreAndTheReason) {
  TempFolder folder;
  const auto store = folder / "lune.dat";
  struct Case {
    const char* why;
    std::function<void()> prepare;
    std::string_view table;
    std::string reason;
  } cases[] = {
      {"missing store", [] {}, "OGGI", "il file non esiste"},
      {"wrong password",
       [&] {
         write_store_with_password(store, {kFacts, kBirths}, "un'altra password!!");
       },
       "OGGI", "password errata o file non valido (file is not a database)"},
      {"a text file is no store", [&] { folder.write("lune.dat", "Data\tdato\tTipo\n"); }, "OGGI",
       "file is not a database"},
      {"missing table", [&] { write_store(store, {kFacts}); }, "NATI", "manca la tabella NATI"},
      {"missing field",
       [&] {
         write_store(store, {kFacts, {"NATI", {"Data", "nome", "noto"}, {}}});
       },
       "NATI", "nella tabella NATI manca il campo cosa"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::filesystem::remove(store);
    c.prepare();
    const std::string message = failure_of([&] {
      if (c.table == "OGGI") {
        all_facts(store);
      } else {
        EventStore(store).births_of_day("08/12", [](const BirthRecord&) {});
      }
    });
    EXPECT_NE(message.find("lune.dat"), std::string::npos) << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
  }
  // Reading never creates a store.
  std::filesystem::remove(store);
  EXPECT_THROW(all_facts(store), Failure);
  EXPECT_FALSE(std::filesystem::exists(store));
}

TEST(EventStore, WritingReplacesTheStoreAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const auto store = folder / "lune.dat";
  write_store(store, {kFacts, kBirths});
  write_store(store, {{"OGGI", {"Data", "dato", "Tipo"}, {}}, kBirths});
  EXPECT_TRUE(all_facts(store).empty());
  for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_EQ(file.path().filename(), "lune.dat");
  }
}

TEST(EventStore, AFailedWriteKeepsTheOldStore) {
  TempFolder folder;
  const auto store = folder / "lune.dat";
  write_store(store, {kFacts, kBirths});
  // Two tables of the same name: the second CREATE fails half way.
  EXPECT_THROW(write_store(store, {kBirths, kBirths}), Failure);
  EXPECT_EQ(all_facts(store).size(), 2u);
  for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_EQ(file.path().filename(), "lune.dat");
  }
}

}  // namespace
}  // namespace giornaro::events
