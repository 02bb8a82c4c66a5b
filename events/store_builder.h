// Building the event store from two UTF-8 tab-separated files, and dumping it
// back in the same form.
//
// Each file has a header row naming the table's columns in any order (OGGI:
// Data, dato, Tipo; NATI: Data, nome, noto, cosa), then one record per line,
// lines ended by LF (CR LF is read too). Fields are kept exactly as written,
// in file order; the table keeps the file's column order, so building and
// then dumping gives the same bytes back for a file with LF line ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "events/event_store.h"

namespace giornaro::events {

struct TsvCheck {
  StoreTable table;
  std::vector<std::string> origins;   // "OGGI.tsv, riga 7" for each of table.rows
  std::vector<std::string> errors;    // "OGGI.tsv, riga 7: ..." : the file is refused
  std::vector<std::string> warnings;  // the store is built, but the order is off
};

// Reads the text of a TSV file for table `table` ("OGGI" or "NATI"); `file`
// names it in the messages. Refuses a missing or wrong header, a row with
// another number of fields, text that is not UTF-8, a Data that is not an
// existing date GG/MM/AAAA (two-digit day and month, a year of 1 to 4
// digits), an empty dato or noto. Warns when the facts of one day are not in
// ascending year order, or a "*" continuation does not follow a record of its
// date.
TsvCheck check_tsv(std::string_view content, std::string_view table, std::string_view file);

struct BuildReport {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  bool built = false;
};

// Reads the records of table `table` from `input`: one TSV file, or a folder
// whose *.tsv files are read in the order of their names (data/fatti/01.tsv
// .. 12.tsv), each with its own header row; the table takes the first file's
// column order. Files that cannot be read are errors.
TsvCheck read_tsv_input(const std::filesystem::path& input, std::string_view table);

// Checks both inputs and, when neither is refused, writes the store (through
// a temporary file renamed over `store`; an existing store is replaced).
// Inputs that cannot be read or a store that cannot be written are errors.
BuildReport build_store(const std::filesystem::path& facts_input,
                        const std::filesystem::path& births_input,
                        const std::filesystem::path& store);

// The table as TSV text: its columns, then its records, each line ended by LF.
std::string table_to_tsv(const StoreTable& table);

// The TSV text of table `table` of the store. Throws giornaro::Failure.
std::string dump_table(const std::filesystem::path& store, std::string_view table);

}  // namespace giornaro::events
