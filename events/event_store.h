// The event store lune.dat: an encrypted SQLite (SQLCipher) file with the
// tables OGGI (facts: Data, dato, Tipo) and NATI (births: Data, nome, noto,
// cosa). The program only reads it, through one read-only connection per day
// sheet; giornaro-store writes it, with an index on the day and month of each
// table so that the records of one day are found without reading the rest.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace giornaro::events {

inline constexpr std::string_view kStoreFileName = "lune.dat";

inline constexpr std::string_view kFactsTable = "OGGI";
inline constexpr std::string_view kBirthsTable = "NATI";

// The fields the program reads, by table.
inline constexpr std::string_view kFactsFields[] = {"Data", "dato", "Tipo"};
inline constexpr std::string_view kBirthsFields[] = {"Data", "nome", "noto", "cosa"};

// One record of OGGI / NATI. A NULL value reads as empty text.
struct FactRecord {
  std::string Data;  // DD/MM/YYYY
  std::string dato;  // two leading characters, then the text; "*" starts a continuation
  std::string Tipo;  // category code
};

struct BirthRecord {
  std::string Data;  // DD/MM/YYYY
  std::string nome;
  std::string noto;
  std::string cosa;  // may be empty
};

// A whole table: its columns in the table's order and its records in store
// order, every value as text.
struct StoreTable {
  std::string name;
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// A read-only connection to the store (a missing file is never created).
// Fields are found by name whatever their case. Every failure throws
// giornaro::Failure naming the file and the reason: missing file, wrong
// password or no store, missing table or field, a read that fails.
class EventStore {
 public:
  explicit EventStore(const std::filesystem::path& store);
  ~EventStore();
  EventStore(const EventStore&) = delete;
  EventStore& operator=(const EventStore&) = delete;

  // The facts whose Data begins with the date key `GGDD`, in store order.
  // Where a continuation (a dato starting with "*") does not directly follow
  // the record given before it, the record just before it in the store (of
  // another day, or unreadable) is given first: a reader that looks back one
  // record from a continuation sees what a reading of the whole table would
  // show it.
  void facts_of_day(std::string_view GGDD,
                    const std::function<void(const FactRecord&)>& on_record) const;

  // The births whose Data begins with `GGDD`, in store order.
  void births_of_day(std::string_view GGDD,
                     const std::function<void(const BirthRecord&)>& on_record) const;

  // Every record of a table, in store order.
  void all_facts(const std::function<void(const FactRecord&)>& on_record) const;
  void all_births(const std::function<void(const BirthRecord&)>& on_record) const;

  // A whole table with its columns in the table's own order.
  StoreTable table(std::string_view name) const;

 private:
  std::filesystem::path path_;
  std::unique_ptr<sqlite3, void (*)(sqlite3*)> db_;
};

// Writes a new store holding `tables` (each created with its columns in the
// given order, every value stored as text, records in the given order, and
// an index on the first five characters of Data where the table has one).
// Writes a temporary file next to `store` and renames it over `store`, so a
// failure never leaves a half-built store. Throws giornaro::Failure.
void write_store(const std::filesystem::path& store, const std::vector<StoreTable>& tables);

// The same with another key: for tests that need a store the program cannot
// open.
void write_store_with_password(const std::filesystem::path& store,
                               const std::vector<StoreTable>& tables, std::string_view password);

}  // namespace giornaro::events
