#include "events/event_store.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <span>
#include <system_error>

#include "runtime/failure.h"

namespace giornaro::events {
namespace {

// The store's password: 20 characters, the same for the builder and the reader.
constexpr std::string_view kPassword = "Giornaro*Lune*1492#S";
static_assert(kPassword.size() == 20);

// The password's bytes, zero-padded to 256 bits, are the page key itself: the
// password is a constant of this program, so stretching it with PBKDF2 would
// guard nothing that reading the program does not give away, and would cost
// every start. 4 KiB pages: a day's records take a few pages of the index and
// of the table, each decrypted and authenticated on its own.
constexpr std::size_t kKeyBytes = 32;
constexpr int kPageSize = 4096;

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

void close_db(sqlite3* db) {
  sqlite3_close_v2(db);
}

std::string file_name(const std::filesystem::path& path) {
  return path.filename().string();
}

[[noreturn]] void fail_reading(const std::filesystem::path& store, const std::string& reason) {
  throw Failure("Impossibile leggere " + file_name(store) + ": " + reason + ".");
}

[[noreturn]] void fail_writing(const std::filesystem::path& store, const std::string& reason) {
  throw Failure("Impossibile scrivere " + file_name(store) + ": " + reason + ".");
}

std::string sql_name(std::string_view name) {
  std::string out = "\"";
  for (const char c : name) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

// "x'<64 hex digits>'": SQLCipher takes such a key as the raw page key.
std::string raw_key(std::string_view password) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string key = "x'";
  for (std::size_t i = 0; i < kKeyBytes; ++i) {
    const auto byte = i < password.size() ? static_cast<unsigned char>(password[i]) : 0u;
    key.push_back(kHex[byte >> 4]);
    key.push_back(kHex[byte & 15]);
  }
  key.push_back('\'');
  return key;
}

void check(int rc, sqlite3* db, const std::filesystem::path& store, bool writing) {
  if (rc == SQLITE_OK) return;
  const std::string reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  if (writing) fail_writing(store, reason);
  fail_reading(store, reason);
}

void apply_key(sqlite3* db, std::string_view password, const std::filesystem::path& store,
               bool writing) {
  const std::string key = raw_key(password);
  check(sqlite3_key(db, key.data(), static_cast<int>(key.size())), db, store, writing);
  const std::string pragma = "PRAGMA cipher_page_size = " + std::to_string(kPageSize);
  check(sqlite3_exec(db, pragma.c_str(), nullptr, nullptr, nullptr), db, store, writing);
}

Statement prepare(sqlite3* db, const std::string& sql, const std::filesystem::path& store,
                  std::string_view table) {
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
  Statement statement(raw);
  if (rc != SQLITE_OK) {
    const std::string message = sqlite3_errmsg(db);
    if (sqlite3_errcode(db) == SQLITE_NOTADB) {
      fail_reading(store, "password errata o file non valido (file is not a database)");
    }
    if (message.rfind("no such table", 0) == 0) {
      fail_reading(store, "manca la tabella " + std::string(table));
    }
    fail_reading(store, message);
  }
  return statement;
}

// The names of the table's columns, in its own order.
std::vector<std::string> columns_of(sqlite3* db, const std::filesystem::path& store,
                                    std::string_view table) {
  const Statement statement =
      prepare(db, "SELECT * FROM " + sql_name(table) + " LIMIT 0", store, table);
  std::vector<std::string> names(static_cast<std::size_t>(sqlite3_column_count(statement.get())));
  for (std::size_t i = 0; i < names.size(); ++i) {
    const char* name = sqlite3_column_name(statement.get(), static_cast<int>(i));
    names[i] = name ? name : "";
  }
  return names;
}

// `fields` as the table spells them ("DATA" for Data), quoted for SQL.
std::vector<std::string> find_fields(sqlite3* db, const std::filesystem::path& store,
                                     std::string_view table,
                                     std::span<const std::string_view> fields) {
  const std::vector<std::string> columns = columns_of(db, store, table);
  std::vector<std::string> found;
  for (const std::string_view field : fields) {
    const std::string wanted(field);
    const auto match = std::find_if(columns.begin(), columns.end(), [&](const std::string& c) {
      return sqlite3_stricmp(c.c_str(), wanted.c_str()) == 0;
    });
    if (match == columns.end()) {
      fail_reading(store,
                   "nella tabella " + std::string(table) + " manca il campo " + std::string(field));
    }
    found.push_back(sql_name(*match));
  }
  return found;
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& name : names) out += (out.empty() ? "" : ", ") + name;
  return out;
}

// Steps `statement` to its end; `on_row` gets each row's values from column
// `first` on, as text (the buffer is reused from row to row).
void each_row(sqlite3* db, sqlite3_stmt* statement, const std::filesystem::path& store, int first,
              const std::function<void(std::vector<std::string>&)>& on_row) {
  const int count = sqlite3_column_count(statement);
  std::vector<std::string> values(static_cast<std::size_t>(count - first));
  for (;;) {
    const int step = sqlite3_step(statement);
    if (step == SQLITE_DONE) return;
    if (step != SQLITE_ROW) fail_reading(store, sqlite3_errmsg(db));
    for (int i = first; i < count; ++i) {
      const auto* text = sqlite3_column_text(statement, i);
      const int bytes = sqlite3_column_bytes(statement, i);
      values[static_cast<std::size_t>(i - first)].assign(
          text ? reinterpret_cast<const char*>(text) : "", static_cast<std::size_t>(bytes));
    }
    on_row(values);
  }
}

void bind_key(sqlite3* db, sqlite3_stmt* statement, std::string_view GGDD,
              const std::filesystem::path& store) {
  check(
      sqlite3_bind_text(statement, 1, GGDD.data(), static_cast<int>(GGDD.size()), SQLITE_TRANSIENT),
      db, store, false);
}

FactRecord fact_of(std::vector<std::string>& values) {
  return {std::move(values[0]), std::move(values[1]), std::move(values[2])};
}

BirthRecord birth_of(std::vector<std::string>& values) {
  return {std::move(values[0]), std::move(values[1]), std::move(values[2]), std::move(values[3])};
}

void exec_or_fail(sqlite3* db, const std::string& sql, const std::filesystem::path& store) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    fail_writing(store, message);
  }
}

bool has_column(const StoreTable& table, std::string_view column) {
  for (const auto& name : table.columns) {
    if (sqlite3_stricmp(name.c_str(), std::string(column).c_str()) == 0) return true;
  }
  return false;
}

void write_tables(const std::filesystem::path& path, const std::filesystem::path& store,
                  const std::vector<StoreTable>& tables, std::string_view password) {
  sqlite3* raw = nullptr;
  const int rc =
      sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  std::unique_ptr<sqlite3, void (*)(sqlite3*)> db(raw, close_db);
  check(rc, raw, store, true);
  apply_key(db.get(), password, store, true);
  exec_or_fail(db.get(), "BEGIN", store);
  for (const auto& table : tables) {
    std::string create = "CREATE TABLE " + sql_name(table.name) + " (";
    std::string insert = "INSERT INTO " + sql_name(table.name) + " VALUES (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      create += (i ? ", " : "") + sql_name(table.columns[i]) + " TEXT";
      insert += i ? ", ?" : "?";
    }
    exec_or_fail(db.get(), create + ")", store);
    sqlite3_stmt* raw_statement = nullptr;
    check(sqlite3_prepare_v2(db.get(), (insert + ")").c_str(), -1, &raw_statement, nullptr),
          db.get(), store, true);
    const Statement statement(raw_statement);
    for (const auto& row : table.rows) {
      if (row.size() != table.columns.size()) {
        fail_writing(store, "un record della tabella " + table.name +
                                " non ha lo stesso numero di campi delle colonne");
      }
      check(sqlite3_reset(statement.get()), db.get(), store, true);
      for (std::size_t i = 0; i < row.size(); ++i) {
        check(sqlite3_bind_text(statement.get(), static_cast<int>(i + 1), row[i].data(),
                                static_cast<int>(row[i].size()), SQLITE_STATIC),
              db.get(), store, true);
      }
      if (sqlite3_step(statement.get()) != SQLITE_DONE) {
        fail_writing(store, sqlite3_errmsg(db.get()));
      }
    }
    // The day's records: the readers ask for substr(Data, 1, 5) = the key.
    // The index holds every column, so a day's records are read from its
    // own few pages wherever they stand in the table.
    if (has_column(table, "Data")) {
      std::string columns;
      for (const auto& column : table.columns) columns += ", " + sql_name(column);
      exec_or_fail(db.get(),
                   "CREATE INDEX " + sql_name(table.name + "_giorno") + " ON " +
                       sql_name(table.name) + " (substr(\"Data\", 1, 5)" + columns + ")",
                   store);
    }
  }
  exec_or_fail(db.get(), "COMMIT", store);
  if (sqlite3_close(db.release()) != SQLITE_OK) fail_writing(store, "chiusura non riuscita");
}

void write_store_keyed(const std::filesystem::path& store, const std::vector<StoreTable>& tables,
                       std::string_view password) {
  std::filesystem::path temp = store;
  temp += ".part";
  std::filesystem::path journal = temp;
  journal += "-journal";
  std::error_code ignored;
  std::filesystem::remove(temp, ignored);
  std::filesystem::remove(journal, ignored);
  try {
    write_tables(temp, store, tables, password);
    std::error_code error;
    std::filesystem::rename(temp, store, error);
    if (error) fail_writing(store, error.message());
  } catch (...) {
    std::filesystem::remove(temp, ignored);
    std::filesystem::remove(journal, ignored);
    throw;
  }
}

}  // namespace

EventStore::EventStore(const std::filesystem::path& store) : path_(store), db_(nullptr, close_db) {
  std::error_code error;
  const auto status = std::filesystem::status(store, error);
  if (!std::filesystem::exists(status)) {
    throw Failure("Impossibile aprire " + file_name(store) +
                  ": il file non esiste nella cartella del programma.");
  }
  if (!std::filesystem::is_regular_file(status)) {
    throw Failure("Impossibile aprire " + file_name(store) + ": " +
                  (std::filesystem::is_directory(status) ? "è una cartella, non un file"
                                                         : "non è un file normale") +
                  ".");
  }
  if (std::filesystem::file_size(store, error) == 0 && !error) {
    throw Failure("Impossibile aprire " + file_name(store) + ": il file è vuoto.");
  }
  sqlite3* raw = nullptr;
  const int rc =
      sqlite3_open_v2(store.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  db_.reset(raw);
  if (rc != SQLITE_OK) {
    throw Failure("Impossibile aprire " + file_name(store) + ": " +
                  (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)) + ".");
  }
  apply_key(raw, kPassword, store, false);
}

EventStore::~EventStore() = default;

void EventStore::facts_of_day(std::string_view GGDD,
                              const std::function<void(const FactRecord&)>& on_record) const {
  const std::string table = sql_name(kFactsTable);
  const auto fields = find_fields(db_.get(), path_, kFactsTable, kFactsFields);
  const Statement day = prepare(db_.get(),
                                "SELECT rowid, " + joined(fields) + " FROM " + table +
                                    " WHERE substr(" + fields[0] + ", 1, 5) = ?1 ORDER BY rowid",
                                path_, kFactsTable);
  const Statement before = prepare(db_.get(),
                                   "SELECT rowid, " + joined(fields) + " FROM " + table +
                                       " WHERE rowid < ?1 ORDER BY rowid DESC LIMIT 1",
                                   path_, kFactsTable);
  bind_key(db_.get(), day.get(), GGDD, path_);
  sqlite3_int64 last_given = 0;
  bool given_any = false;
  std::vector<std::string> previous;
  each_row(db_.get(), day.get(), path_, 1, [&](std::vector<std::string>& values) {
    const sqlite3_int64 rowid = sqlite3_column_int64(day.get(), 0);
    // Only a continuation looks back at the record before it.
    const bool continuation = !values[1].empty() && values[1].front() == '*';
    if (continuation && (!given_any || rowid != last_given + 1)) {
      check(sqlite3_reset(before.get()), db_.get(), path_, false);
      check(sqlite3_bind_int64(before.get(), 1, rowid), db_.get(), path_, false);
      each_row(db_.get(), before.get(), path_, 1, [&](std::vector<std::string>& other) {
        if (given_any && sqlite3_column_int64(before.get(), 0) == last_given) return;
        on_record(fact_of(other));
      });
    }
    on_record(fact_of(values));
    last_given = rowid;
    given_any = true;
  });
}

void EventStore::births_of_day(std::string_view GGDD,
                               const std::function<void(const BirthRecord&)>& on_record) const {
  const auto fields = find_fields(db_.get(), path_, kBirthsTable, kBirthsFields);
  const Statement day = prepare(db_.get(),
                                "SELECT " + joined(fields) + " FROM " + sql_name(kBirthsTable) +
                                    " WHERE substr(" + fields[0] + ", 1, 5) = ?1 ORDER BY rowid",
                                path_, kBirthsTable);
  bind_key(db_.get(), day.get(), GGDD, path_);
  each_row(db_.get(), day.get(), path_, 0,
           [&](std::vector<std::string>& values) { on_record(birth_of(values)); });
}

void EventStore::all_facts(const std::function<void(const FactRecord&)>& on_record) const {
  const auto fields = find_fields(db_.get(), path_, kFactsTable, kFactsFields);
  const Statement all = prepare(
      db_.get(), "SELECT " + joined(fields) + " FROM " + sql_name(kFactsTable), path_, kFactsTable);
  each_row(db_.get(), all.get(), path_, 0,
           [&](std::vector<std::string>& values) { on_record(fact_of(values)); });
}

void EventStore::all_births(const std::function<void(const BirthRecord&)>& on_record) const {
  const auto fields = find_fields(db_.get(), path_, kBirthsTable, kBirthsFields);
  const Statement all =
      prepare(db_.get(), "SELECT " + joined(fields) + " FROM " + sql_name(kBirthsTable), path_,
              kBirthsTable);
  each_row(db_.get(), all.get(), path_, 0,
           [&](std::vector<std::string>& values) { on_record(birth_of(values)); });
}

StoreTable EventStore::table(std::string_view name) const {
  StoreTable result;
  result.name = std::string(name);
  result.columns = columns_of(db_.get(), path_, name);
  const Statement all = prepare(db_.get(), "SELECT * FROM " + sql_name(name), path_, name);
  each_row(db_.get(), all.get(), path_, 0,
           [&](std::vector<std::string>& values) { result.rows.push_back(values); });
  return result;
}

void write_store(const std::filesystem::path& store, const std::vector<StoreTable>& tables) {
  write_store_keyed(store, tables, kPassword);
}

void write_store_with_password(const std::filesystem::path& store,
                               const std::vector<StoreTable>& tables, std::string_view password) {
  write_store_keyed(store, tables, password);
}

}  // namespace giornaro::events
