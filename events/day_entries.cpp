#include "events/day_entries.h"

#include <algorithm>
#include <array>
#include <utility>

#include "calendar/date_arithmetic.h"
#include "events/ordering.h"
#include "runtime/categories.h"
#include "runtime/dates.h"
#include "runtime/failure.h"
#include "runtime/numbers.h"
#include "runtime/text.h"

namespace giornaro::events {
namespace {

constexpr std::size_t kCosaPiece = 75;

[[noreturn]] void empty_field(std::string_view table, std::string_view field) {
  throw Failure("Impossibile leggere " + std::string(kStoreFileName) +
                ": un record della tabella " + std::string(table) + " ha il campo " +
                std::string(field) + " vuoto.");
}

int year_of(std::chrono::year_month_day date) {
  return static_cast<int>(date.year());
}

std::string years_since(std::string_view year, std::chrono::year_month_day today) {
  return rt::number_text(year_of(today) - rt::val(year));
}

}  // namespace

bool is_of_day(std::string_view date, std::string_view GGDD) {
  // A key of five ASCII characters (every real one) equals the first five
  // characters exactly when it equals the first five bytes.
  const bool ascii_key = GGDD.size() == 5 && std::all_of(GGDD.begin(), GGDD.end(), [](char c) {
                           return static_cast<unsigned char>(c) < 0x80;
                         });
  if (ascii_key) return date.substr(0, 5) == GGDD;
  return rt::left(date, 5) == GGDD;
}

std::optional<std::string> category_name(std::string_view code) {
  for (const rt::Category& category : rt::kCategories) {
    if (category.code == code) return rt::upper(category.name);
  }
  return std::nullopt;
}

std::optional<std::string> entry_header(std::string_view year, std::string_view category,
                                        std::chrono::year_month_day today) {
  const std::string date_text = rt::number_text(static_cast<unsigned>(today.day())) + "/" +
                                rt::number_text(static_cast<unsigned>(today.month())) + "/" +
                                std::string(year);
  if (!rt::parse_date_dmy(date_text)) return std::nullopt;
  std::string header = std::string(year) + " - " + std::string(category) + " (" +
                       years_since(year, today) + " ANNI AD OGGI) ";
  header += calendar::GiorniPrima(date_text);
  return header;
}

FactsPass::FactsPass(std::string_view GGDD, std::chrono::year_month_day today)
    : key_(GGDD), today_(today) {}

void FactsPass::add(const FactRecord& record) {
  // A record without a date belongs to no day; it is skipped like one whose
  // date cannot be read, so that it cannot empty the lists of every day.
  if (!is_of_day(record.Data, key_)) {
    previous_ = Previous::Other;
    return;
  }
  if (record.dato.empty()) empty_field(kFactsTable, "dato");
  const bool continuation = record.dato.front() == '*';
  if (continuation && previous_ == Previous::Skipped) return;

  std::string category = category_name(record.Tipo).value_or(category_);
  auto header = entry_header(rt::mid(record.Data, 7, 4), category, today_);
  if (!header) {
    previous_ = Previous::Skipped;
    return;
  }
  category_ = std::move(category);
  if (continuation && previous_ == Previous::Written) {
    entries_.back().header = std::move(*header);
    entries_.back().body += rt::mid(record.dato, 2);
  } else {
    entries_.push_back({std::move(*header), rt::mid(record.dato, continuation ? 2 : 3)});
  }
  previous_ = Previous::Written;
}

void add_birth(const BirthRecord& record, std::string_view GGDD, std::chrono::year_month_day today,
               ListRows& List2) {
  if (!is_of_day(record.Data, GGDD)) return;  // an empty Data too: of no day
  const auto born = rt::parse_date_dmy(record.Data);
  if (!born) return;

  const std::size_t first = List2.size();
  const std::string year = rt::mid(record.Data, 7, 4);
  List2.push_back({year + " - " + record.nome +
                       calendar::weekday_suffix(rt::record_weekday(*born)) +
                       " ANNI: " + years_since(year, today),
                   false});
  if (record.noto.empty()) empty_field(kBirthsTable, "noto");
  List2.push_back({rt::upper(rt::left(record.noto, 1)) + rt::mid(record.noto, 2), false});
  if (!record.cosa.empty()) {
    if (rt::len(record.cosa) > kCosaPiece) {
      List2.push_back({rt::mid(record.cosa, 1, kCosaPiece), false});
      List2.push_back({rt::mid(record.cosa, kCosaPiece + 1, kCosaPiece), false});
    } else {
      List2.push_back({record.cosa, false});
    }
  }
  List2.push_back({kSeparator, false});
  Titolo1(List2, first);
}

}  // namespace giornaro::events
