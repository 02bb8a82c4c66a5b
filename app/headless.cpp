#include "app/headless.h"

#include <sstream>

namespace giornaro::app {
namespace {

nlohmann::ordered_json rows_to_json(const ListRows& rows) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (const auto& row : rows) array.push_back({{"text", row.text}, {"selected", row.selected}});
  return array;
}

void write_rows(std::ostringstream& out, const ListRows& rows, bool emphasis) {
  if (rows.empty()) {
    out << "  (nessuna voce)\n";
    return;
  }
  for (const auto& row : rows) {
    if (row.selected && emphasis) {
      out << "  \x1b[1m" << row.text << "\x1b[0m\n";
    } else if (row.selected) {
      out << "> " << row.text << "\n";
    } else {
      out << "  " << row.text << "\n";
    }
  }
}

}  // namespace

nlohmann::ordered_json sheet_to_json(const DaySheet& sheet) {
  nlohmann::ordered_json j = nlohmann::ordered_json::object();
  j["giorno"] = sheet.giorno;
  j["meseT"] = sheet.meseT;
  j["settimana"] = sheet.settimana;
  j["santo"] = sheet.santo;
  j["zona"] = sheet.zona;
  j["sorge"] = sheet.sorge;
  j["tramonta"] = sheet.tramonta;
  j["statoT"] = sheet.statoT;
  j["età"] = sheet.eta;
  j["LunaIMG"] =
      sheet.LunaIMG ? nlohmann::ordered_json(*sheet.LunaIMG) : nlohmann::ordered_json(nullptr);
  j["CANNO"] = sheet.CANNO;
  j["luogo2"] = rows_to_json(sheet.luogo2);
  j["List1"] = rows_to_json(sheet.List1);
  j["List2"] = rows_to_json(sheet.List2);
  j["errors"] = sheet.errors;
  return j;
}

std::string moon_symbol(std::optional<int> picture) {
  if (!picture) return {};
  // 101..110 wane from full to new, 111..120 wax from new to full.
  const int p = *picture;
  if (p == 110 || p == 111) return "🌑";
  if (p == 101 || p == 120) return "🌕";
  if (p >= 102 && p <= 104) return "🌖";
  if (p >= 105 && p <= 106) return "🌗";
  if (p >= 107 && p <= 109) return "🌘";
  if (p >= 112 && p <= 114) return "🌒";
  if (p >= 115 && p <= 116) return "🌓";
  if (p >= 117 && p <= 119) return "🌔";
  return {};
}

std::string sheet_to_text(const DaySheet& sheet, bool emphasis) {
  std::ostringstream out;
  out << "GIORNARO\n\n";
  out << sheet.meseT << "\n" << sheet.giorno << "\n" << sheet.settimana << "\n\n";
  out << "Il Santo\n  " << sheet.santo << "\n\n";
  out << "Il Sole a: " << sheet.zona << "\n";
  out << "  Sorge:    " << sheet.sorge << "\n";
  out << "  Tramonta: " << sheet.tramonta << "\n\n";
  out << "La Luna " << moon_symbol(sheet.LunaIMG) << "\n";
  out << "  Stato: " << sheet.statoT << "\n";
  out << "  Età:   " << sheet.eta << "\n\n";
  out << " I Fatti del Giorno\n";
  write_rows(out, sheet.List1, emphasis);
  out << "\n I Nati Oggi\n";
  write_rows(out, sheet.List2, emphasis);
  for (const auto& error : sheet.errors) out << "\nErrore: " << error << "\n";
  return out.str();
}

}  // namespace giornaro::app
