// The event store lune.dat: an encrypted SQLite (SQLCipher) file with the
// tables OGGI (facts: Data, dato, Tipo) and NATI (births: Data, nome, noto,
// cosa). The program only reads it, opening it read-only with its fixed
// password; giornaro-store writes it.
#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Runs "SELECT * FROM <table>" on a connection of its own to the store at
// `store` (opened read-only; a missing file is never created) and calls
// `on_record` for every record in store order with the values of `fields`,
// looked up by column name, in the order of `fields`. The connection is closed
// before returning. Throws giornaro::Failure naming lune.dat and the reason:
// missing file, wrong password or no store, missing table or field.
void select_all(const std::filesystem::path& store, std::string_view table,
                std::span<const std::string_view> fields,
                const std::function<void(const std::vector<std::string>&)>& on_record);

// The facts / births, streamed record by record.
void read_facts(const std::filesystem::path& store,
                const std::function<void(const FactRecord&)>& on_record);
void read_births(const std::filesystem::path& store,
                 const std::function<void(const BirthRecord&)>& on_record);

// A whole table with its columns in the table's own order.
StoreTable read_table(const std::filesystem::path& store, std::string_view table);

// Writes a new store holding `tables` (each created with its columns in the
// given order, every value stored as text, records in the given order).
// Writes a temporary file next to `store` and renames it over `store`, so a
// failure never leaves a half-built store. Throws giornaro::Failure.
void write_store(const std::filesystem::path& store, const std::vector<StoreTable>& tables);

// The same with another password: for tests that need a store the program
// cannot open.
void write_store_with_password(const std::filesystem::path& store,
                               const std::vector<StoreTable>& tables, std::string_view password);

}  // namespace giornaro::events
