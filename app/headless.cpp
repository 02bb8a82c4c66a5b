#include "app/headless.h"

#include "place/place_table.h"
#include "sky/sun.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace giornaro::app {
namespace {

nlohmann::ordered_json rows_to_json(const ListRows& rows) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (const auto& row : rows) array.push_back({{"text", row.text}, {"selected", row.selected}});
  return array;
}

constexpr std::size_t kSeparatorWidth = 106;
constexpr std::string_view kBold = "\x1b[1m";
constexpr std::string_view kHeading = "\x1b[1;36m";
constexpr std::string_view kWarning = "\x1b[1;31m";
constexpr std::string_view kReset = "\x1b[0m";

bool is_separator(const std::string& text) {
  return text.size() == kSeparatorWidth && text.find_first_not_of('-') == std::string::npos;
}

// `text` between an escape code and the reset when the style has emphasis.
std::string styled(const TextStyle& style, std::string_view code, std::string_view text) {
  if (!style.emphasis) return std::string(text);
  return std::string(code) + std::string(text) + std::string(kReset);
}

void write_rows(std::ostringstream& out, const ListRows& rows, const TextStyle& style) {
  if (rows.empty()) {
    out << "  (nessuna voce)\n";
    return;
  }
  for (const auto& row : rows) {
    if (style.width && is_separator(row.text)) {
      out << "  " << std::string(*style.width > 2 ? *style.width - 2 : 0, '-') << "\n";
    } else if (row.selected && style.emphasis) {
      out << "  " << styled(style, kBold, row.text) << "\n";
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

void show_place(DaySheet& sheet, int row) {
  const place::Place& here = place::places().at(static_cast<std::size_t>(row));
  sheet.place_index = row;
  sheet.zona = std::string(here.name);
  try {
    const sky::SunTimes sun = sky::Sun(static_cast<int>(static_cast<unsigned>(sheet.today.day())),
                                       static_cast<int>(static_cast<unsigned>(sheet.today.month())),
                                       static_cast<int>(sheet.today.year()), here.code);
    sheet.sorge = sun.sorge;
    sheet.tramonta = sun.tramonta;
  } catch (const std::exception& failure) {
    sheet.sorge.clear();
    sheet.tramonta.clear();
    sheet.errors.emplace_back(failure.what());
  }
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

std::string sheet_json_text(const DaySheet& sheet) {
  return sheet_to_json(sheet).dump(2, ' ', false,
                                   nlohmann::ordered_json::error_handler_t::replace) +
         "\n";
}

TextStyle text_style_for(int fd) {
  TextStyle style;
  if (isatty(fd) == 0) return style;
  const char* no_color = std::getenv("NO_COLOR");
  style.emphasis = no_color == nullptr || *no_color == '\0';
  winsize size{};
  std::size_t columns = kSeparatorWidth;
  if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    columns = size.ws_col;
  } else if (const char* variable = std::getenv("COLUMNS")) {
    const long value = std::strtol(variable, nullptr, 10);
    if (value > 0) columns = static_cast<std::size_t>(value);
  }
  style.width = std::min(columns, kSeparatorWidth);
  return style;
}

std::string sheet_to_text(const DaySheet& sheet, const TextStyle& style) {
  std::ostringstream out;
  out << styled(style, kBold, "GIORNARO") << "\n\n";
  out << styled(style, kBold, sheet.meseT) << "\n"
      << styled(style, kBold, sheet.giorno) << "\n"
      << styled(style, kBold, sheet.settimana) << "\n\n";
  out << styled(style, kHeading, "Il Santo") << "\n  " << sheet.santo << "\n\n";
  out << styled(style, kHeading, "Il Sole a:") << " " << sheet.zona << "\n";
  out << "  Sorge:    " << sheet.sorge << "\n";
  out << "  Tramonta: " << sheet.tramonta << "\n\n";
  out << styled(style, kHeading, "La Luna") << " " << moon_symbol(sheet.LunaIMG) << "\n";
  out << "  Stato: " << sheet.statoT << "\n";
  out << "  Età:   " << sheet.eta << "\n\n";
  out << " " << styled(style, kHeading, "I Fatti del Giorno") << "\n";
  write_rows(out, sheet.List1, style);
  out << "\n " << styled(style, kHeading, "I Nati Oggi") << "\n";
  write_rows(out, sheet.List2, style);
  for (const auto& error : sheet.errors) {
    out << "\n" << styled(style, kWarning, "Errore:") << " " << error << "\n";
  }
  return out.str();
}

}  // namespace giornaro::app
