#include "events/store_builder.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <span>
#include <sstream>

#include "runtime/dates.h"
#include "runtime/failure.h"
#include "runtime/numbers.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace giornaro::events {
namespace {

std::span<const std::string_view> fields_of(std::string_view table) {
  if (table == kFactsTable) return kFactsFields;
  if (table == kBirthsTable) return kBirthsFields;
  throw Failure("Tabella sconosciuta: " + std::string(table) + " (sono ammesse OGGI e NATI).");
}

// Invalid bytes decode as U+FFFD and so do not encode back to themselves.
bool valid_utf8(std::string_view text) {
  return rt::encode_utf8(rt::decode_utf8(text)) == text;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// "" when `data` is an existing date GG/MM/AAAA, otherwise the reason.
std::string date_problem(std::string_view data) {
  const bool form = data.size() >= 7 && data.size() <= 10 && is_digit(data[0]) &&
                    is_digit(data[1]) && data[2] == '/' && is_digit(data[3]) && is_digit(data[4]) &&
                    data[5] == '/' && std::all_of(data.begin() + 6, data.end(), is_digit);
  if (!form) return "la data \"" + std::string(data) + "\" non è nella forma GG/MM/AAAA";
  if (!rt::parse_date_dmy(data)) return "la data \"" + std::string(data) + "\" non esiste";
  return {};
}

std::string at_line(std::string_view file, std::size_t line) {
  return std::string(file) + ", riga " + std::to_string(line) + ": ";
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure("Impossibile aprire " + path.string() + ".");
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw Failure("Impossibile leggere " + path.string() + ".");
  return content.str();
}

}  // namespace

TsvCheck check_tsv(std::string_view content, std::string_view table, std::string_view file) {
  const std::span<const std::string_view> expected = fields_of(table);
  TsvCheck check;
  check.table.name = std::string(table);
  auto refuse = [&](std::size_t line, const std::string& reason) {
    check.errors.push_back(at_line(file, line) + reason + ".");
  };

  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  const std::vector<std::string> lines = rt::split_lines(content);
  if (lines.empty()) {
    refuse(1, "manca la riga di intestazione con i nomi delle colonne");
    return check;
  }

  // Header: every expected column once, nothing else.
  std::map<std::string_view, std::size_t> column;
  for (const std::string& name : rt::split(lines[0], "\t")) {
    check.table.columns.push_back(name);
    // Keys view the table of expected names, which outlives this function.
    const auto known = std::find(expected.begin(), expected.end(), name);
    if (known == expected.end()) {
      refuse(1, "colonna sconosciuta \"" + name + "\"");
    } else if (!column.emplace(*known, check.table.columns.size() - 1).second) {
      refuse(1, "la colonna " + std::string(name) + " compare due volte");
    }
  }
  for (const std::string_view name : expected) {
    if (!column.contains(name)) refuse(1, "manca la colonna " + std::string(name));
  }
  if (!check.errors.empty()) return check;

  const std::size_t width = check.table.columns.size();
  const bool facts = table == kFactsTable;
  std::map<std::string, std::string> last_year_of_day;  // facts: year of the last head of a day
  std::string previous_data;
  bool previous_ok = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::size_t number = i + 1;
    const std::vector<std::string> fields = rt::split(lines[i], "\t");
    if (fields.size() != width) {
      refuse(number, std::to_string(fields.size()) + " campi invece di " + std::to_string(width));
      previous_ok = false;
      continue;
    }
    if (!valid_utf8(lines[i])) {
      refuse(number, "il testo non è UTF-8 valido");
      previous_ok = false;
      continue;
    }
    auto field = [&](std::string_view name) -> const std::string& {
      return fields[column.at(name)];
    };
    const std::size_t errors_before = check.errors.size();
    const std::string_view data = field("Data");
    if (const std::string problem = date_problem(data); !problem.empty()) refuse(number, problem);
    const std::string_view text_field = facts ? "dato" : "noto";
    if (field(text_field).empty())
      refuse(number, "il campo " + std::string(text_field) + " è vuoto");
    const bool ok = check.errors.size() == errors_before;

    if (ok && facts) {
      const std::string_view dato = field("dato");
      if (dato.front() == '*') {
        if (!previous_ok || previous_data != data) {
          check.warnings.push_back(at_line(file, number) +
                                   "la continuazione \"*\" non segue un fatto del " +
                                   std::string(data) + ".");
        }
      } else {
        // Years compare as text, as the facts pass compares them: "476"
        // comes after "1492".
        const std::string day(data.substr(0, 5));
        const std::string year(data.substr(6));
        const auto last = last_year_of_day.find(day);
        if (last != last_year_of_day.end() && year < last->second) {
          check.warnings.push_back(at_line(file, number) + "i fatti del " + day +
                                   " non sono in ordine di anno crescente (" + year + " dopo " +
                                   last->second + ").");
        }
        last_year_of_day[day] = year;
      }
    }
    previous_ok = ok;
    previous_data = std::string(data);
    check.table.rows.emplace_back(fields.begin(), fields.end());
    check.origins.push_back(std::string(file) + ", riga " + std::to_string(number));
  }
  return check;
}

TsvCheck read_tsv_input(const std::filesystem::path& input, std::string_view table) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  if (std::filesystem::is_directory(input, error)) {
    for (const auto& entry : std::filesystem::directory_iterator(input, error)) {
      if (entry.path().extension() == ".tsv") files.push_back(entry.path());
    }
    if (error) throw Failure("Impossibile leggere la cartella " + input.string() + ".");
    std::sort(files.begin(), files.end());
    if (files.empty()) throw Failure("Nessun file .tsv nella cartella " + input.string() + ".");
  } else {
    files.push_back(input);
  }
  TsvCheck all;
  for (const auto& file : files) {
    const std::string name = files.size() > 1
                                 ? (file.parent_path().filename() / file.filename()).string()
                                 : file.filename().string();
    TsvCheck part = check_tsv(read_file(file), table, name);
    all.errors.insert(all.errors.end(), part.errors.begin(), part.errors.end());
    all.warnings.insert(all.warnings.end(), part.warnings.begin(), part.warnings.end());
    if (all.table.columns.empty()) {
      all.table = std::move(part.table);
      all.origins = std::move(part.origins);
      continue;
    }
    // Later files may order their columns otherwise: take the first's order.
    std::vector<std::size_t> order;
    for (const auto& column : all.table.columns) {
      const auto at = std::find(part.table.columns.begin(), part.table.columns.end(), column);
      order.push_back(static_cast<std::size_t>(at - part.table.columns.begin()));
    }
    const std::size_t width = part.table.columns.size();
    if (std::any_of(order.begin(), order.end(), [&](std::size_t i) { return i >= width; })) {
      continue;  // a refused header: its errors are reported already
    }
    for (std::size_t r = 0; r < part.table.rows.size(); ++r) {
      std::vector<std::string> row;
      for (const std::size_t i : order) row.push_back(std::move(part.table.rows[r][i]));
      all.table.rows.push_back(std::move(row));
      all.origins.push_back(std::move(part.origins[r]));
    }
  }
  return all;
}

BuildReport build_store(const std::filesystem::path& facts_input,
                        const std::filesystem::path& births_input,
                        const std::filesystem::path& store) {
  BuildReport report;
  std::vector<StoreTable> tables;
  const std::pair<const std::filesystem::path*, std::string_view> inputs[] = {
      {&facts_input, kFactsTable}, {&births_input, kBirthsTable}};
  for (const auto& [path, table] : inputs) {
    try {
      TsvCheck check = read_tsv_input(*path, table);
      report.errors.insert(report.errors.end(), check.errors.begin(), check.errors.end());
      report.warnings.insert(report.warnings.end(), check.warnings.begin(), check.warnings.end());
      tables.push_back(std::move(check.table));
    } catch (const Failure& failure) {
      report.errors.emplace_back(failure.what());
    }
  }
  if (!report.errors.empty()) return report;
  try {
    write_store(store, tables);
    report.built = true;
  } catch (const Failure& failure) {
    report.errors.emplace_back(failure.what());
  }
  return report;
}

std::string table_to_tsv(const StoreTable& table) {
  std::string out;
  auto add_line = [&](const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (i) out.push_back('\t');
      out += values[i];
    }
    out.push_back('\n');
  };
  add_line(table.columns);
  for (const auto& row : table.rows) add_line(row);
  return out;
}

std::string dump_table(const std::filesystem::path& store, std::string_view table) {
  fields_of(table);
  return table_to_tsv(EventStore(store).table(table));
}

}  // namespace giornaro::events
