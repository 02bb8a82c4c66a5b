#include "events/store_check.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <optional>
#include <set>

#include "calendar/date_arithmetic.h"
#include "events/day_entries.h"
#include "runtime/dates.h"
#include "runtime/numbers.h"
#include "runtime/text.h"

namespace giornaro::events {
namespace {

// The report's month names, in plain Italian.
constexpr std::string_view kMonths[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                        "maggio",    "giugno",   "luglio",   "agosto",
                                        "settembre", "ottobre",  "novembre", "dicembre"};

// The positions of `names` among the table's columns; empty when one is
// missing (the reader has refused the file already).
template <std::size_t N>
std::optional<std::array<std::size_t, N>> columns_of(const StoreTable& table,
                                                     const std::array<std::string_view, N>& names) {
  std::array<std::size_t, N> at{};
  for (std::size_t n = 0; n < N; ++n) {
    const auto found = std::find(table.columns.begin(), table.columns.end(), names[n]);
    if (found == table.columns.end()) return std::nullopt;
    at[n] = static_cast<std::size_t>(found - table.columns.begin());
  }
  return at;
}

// The days of month 0..11 in a leap year: every day of the year has its place.
int days_in(std::size_t month) {
  return calendar::giorni_mese(static_cast<int>(month) + 1) + (month == 1 ? 1 : 0);
}

// Day of the year 0..365 of a "GG/MM/..." date, in a leap year; -1 when unreadable.
int day_index(std::string_view data) {
  using namespace std::chrono;
  const auto date = rt::parse_date_dmy(std::string(data.substr(0, 5)) + "/2000");
  if (!date) return -1;
  return static_cast<int>((sys_days{*date} - sys_days{2000y / January / 1}).count());
}

struct Counts {
  std::array<int, 366> per_day{};
};

void check_days(const Counts& counts, int minimum, std::string_view what,
                std::vector<std::string>& problems) {
  int index = 0;
  for (int m = 0; m < 12; ++m) {
    std::string short_days;
    for (int d = 1; d <= days_in(static_cast<std::size_t>(m)); ++d, ++index) {
      const int n = counts.per_day[static_cast<std::size_t>(index)];
      if (n < minimum) short_days += " " + std::to_string(d) + " (" + std::to_string(n) + ")";
    }
    if (!short_days.empty()) {
      problems.push_back(std::string(what) + " di " + std::string(kMonths[m]) +
                         " sotto il minimo di " + std::to_string(minimum) + ":" + short_days);
    }
  }
}

std::string month_summary(const Counts& counts, int month) {
  int first = 0;
  for (int m = 0; m < month; ++m) first += days_in(static_cast<std::size_t>(m));
  int total = 0, least = 1 << 30, most = 0;
  for (int d = 0; d < days_in(static_cast<std::size_t>(month)); ++d) {
    const int n = counts.per_day[static_cast<std::size_t>(first + d)];
    total += n;
    least = std::min(least, n);
    most = std::max(most, n);
  }
  return std::to_string(total) + " (" + std::to_string(least) + "-" + std::to_string(most) +
         " al giorno)";
}

Counts check_facts(const TsvCheck& facts, const ContentRules& rules,
                   std::vector<std::string>& problems) {
  Counts counts;
  const StoreTable& table = facts.table;
  const auto at = columns_of<3>(table, {"Data", "dato", "Tipo"});
  if (!at) return counts;
  const auto [data_at, dato_at, tipo_at] = *at;
  std::map<std::string, std::string> header_seen;  // day, year and code -> origin
  std::map<std::string, std::string> text_seen;    // dato -> origin
  std::map<std::string, std::string> last_year;    // day -> year of its last fact
  std::string head_origin, head_data, shown;
  auto close_fact = [&] {
    if (head_origin.empty()) return;
    const auto length = static_cast<int>(rt::len(shown));
    if (length < rules.min_fact_length || length > rules.max_fact_length) {
      problems.push_back(head_origin + ": il testo del fatto è di " + std::to_string(length) +
                         " caratteri (da " + std::to_string(rules.min_fact_length) + " a " +
                         std::to_string(rules.max_fact_length) + ")");
    }
    head_origin.clear();
  };
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const auto& row = table.rows[r];
    const std::string& where = facts.origins[r];
    const std::string& data = row[data_at];
    const std::string& dato = row[dato_at];
    const std::string& tipo = row[tipo_at];
    if (!category_name(tipo)) {
      problems.push_back(where + ": codice di categoria sconosciuto \"" + tipo + "\"");
    }
    const bool continuation = rt::left(dato, 1) == "*";
    const std::string text = rt::mid(dato, continuation ? 2 : 3);
    if (text.find('*') != std::string::npos) {
      problems.push_back(where + ": un \"*\" nel testo lo tronca nell'elenco del giorno");
    }
    if (continuation) {
      if (head_origin.empty() || head_data != data) {
        problems.push_back(where + ": la continuazione non segue un fatto del " + data);
      } else {
        shown += text;
      }
      continue;
    }
    close_fact();
    if (rt::left(dato, 2) != "- ") {
      problems.push_back(where + ": il fatto non comincia con \"- \"");
    }
    const std::string day = data.substr(0, 5);
    const std::string year = data.size() > 6 ? data.substr(6) : "";
    const int index = day_index(data);
    if (index >= 0) ++counts.per_day[static_cast<std::size_t>(index)];
    if (const auto last = last_year.find(day); last != last_year.end() && year < last->second) {
      problems.push_back(where + ": i fatti del " + day + " non sono in ordine di anno (" + year +
                         " dopo " + last->second + ")");
    }
    last_year[day] = year;
    const auto [same_header, new_header] =
        header_seen.emplace(day + "/" + year + " " + tipo, where);
    if (!new_header) {
      problems.push_back(where + ": stesso giorno, anno e categoria di " + same_header->second +
                         " (si vedrebbe uno solo dei due)");
    }
    const auto [same_text, new_text] = text_seen.emplace(dato, where);
    if (!new_text) problems.push_back(where + ": fatto ripetuto (" + same_text->second + ")");
    head_origin = where;
    head_data = data;
    shown = text;
  }
  close_fact();
  return counts;
}

Counts check_births(const TsvCheck& births, const ContentRules& rules,
                    std::vector<std::string>& problems) {
  Counts counts;
  const StoreTable& table = births.table;
  const auto at = columns_of<4>(table, {"Data", "nome", "noto", "cosa"});
  if (!at) return counts;
  const auto [data_at, nome_at, noto_at, cosa_at] = *at;
  std::map<std::string, std::string> people;  // name, lower case -> origin and date
  std::map<std::string, double> last_year;    // day -> year of its last birth
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const auto& row = table.rows[r];
    const std::string& where = births.origins[r];
    const std::string& data = row[data_at];
    const std::string day = data.substr(0, 5);
    const double year = rt::val(data.size() > 6 ? data.substr(6) : "");
    const int index = day_index(data);
    if (index >= 0) ++counts.per_day[static_cast<std::size_t>(index)];
    if (const auto last = last_year.find(day); last != last_year.end() && year < last->second) {
      problems.push_back(where + ": i nati del " + day + " non sono in ordine di anno");
    }
    last_year[day] = year;
    if (rt::trim(row[noto_at]).empty()) problems.push_back(where + ": noto è vuoto");
    if (const auto length = static_cast<int>(rt::len(row[cosa_at]));
        length > rules.max_cosa_length) {
      problems.push_back(where + ": cosa è di " + std::to_string(length) +
                         " caratteri (al massimo " + std::to_string(rules.max_cosa_length) + ")");
    }
    for (const std::size_t field : {nome_at, noto_at, cosa_at}) {
      if (row[field].find('*') != std::string::npos) {
        problems.push_back(where + ": un \"*\" nel testo");
      }
    }
    const auto [seen, added] =
        people.emplace(rt::lower(rt::trim(row[nome_at])), where + " (" + data + ")");
    if (!added) {
      problems.push_back(where + ": " + row[nome_at] + " compare già in " + seen->second);
    }
  }
  return counts;
}

}  // namespace

ContentReport check_content(const TsvCheck& facts, const TsvCheck& births,
                            const ContentRules& rules) {
  ContentReport report;
  const Counts fact_counts = check_facts(facts, rules, report.problems);
  const Counts birth_counts = check_births(births, rules, report.problems);
  check_days(fact_counts, rules.min_facts_per_day, "Giorni con pochi fatti", report.problems);
  check_days(birth_counts, rules.min_births_per_day, "Giorni con pochi nati", report.problems);
  for (int m = 0; m < 12; ++m) {
    report.summary.push_back(std::string(kMonths[m]) + ": fatti " + month_summary(fact_counts, m) +
                             ", nati " + month_summary(birth_counts, m));
  }
  return report;
}

}  // namespace giornaro::events
