#include "app/command_line.h"

#include <charconv>

#include "place/place_table.h"

namespace giornaro::app {
namespace {

using namespace std::chrono;

// Digits only, 1..max_digits of them.
std::optional<int> number(std::string_view text, std::size_t max_digits) {
  if (text.empty() || text.size() > max_digits) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Upper case for ASCII letters and the accented letters of Latin-1
// (à..þ, two bytes in UTF-8).
std::string upper(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto byte = static_cast<unsigned char>(out[i]);
    if (byte >= 'a' && byte <= 'z') {
      out[i] = static_cast<char>(byte - 'a' + 'A');
    } else if (byte == 0xC3 && i + 1 < out.size()) {
      const auto next = static_cast<unsigned char>(out[i + 1]);
      if (next >= 0xA0 && next <= 0xBE && next != 0xB7) out[i + 1] = static_cast<char>(next - 0x20);
      ++i;
    }
  }
  return out;
}

}  // namespace

ParsedDate parse_date(std::string_view text) {
  const std::string form = "La data \"" + std::string(text) +
                           "\" non è nella forma AAAA-MM-GG o GG/MM/AAAA (anni da 1 a 9999).";
  std::optional<int> y, m, d;
  if (const auto parts = split(text, '-'); parts.size() == 3) {
    y = number(parts[0], 4);
    m = number(parts[1], 2);
    d = number(parts[2], 2);
  } else if (const auto slashed = split(text, '/'); slashed.size() == 3) {
    d = number(slashed[0], 2);
    m = number(slashed[1], 2);
    y = number(slashed[2], 4);
  }
  if (!y || !m || !d || *y < 1) return {std::nullopt, form};
  const year_month_day date{year(*y), month(static_cast<unsigned>(*m)),
                            day(static_cast<unsigned>(*d))};
  if (!date.ok()) {
    return {std::nullopt,
            "La data \"" + std::string(text) + "\" non esiste: " +
                (date.month().ok() ? "il mese ha meno giorni." : "i mesi vanno da 1 a 12.")};
  }
  return {date, {}};
}

std::optional<int> find_place_loosely(std::string_view name) {
  const std::string wanted = upper(name);
  for (int row = 0; row < place::kPlaceCount; ++row) {
    if (upper(place::places()[static_cast<std::size_t>(row)].name) == wanted) return row;
  }
  return std::nullopt;
}

ParsedOptions parse_options(const std::vector<std::string_view>& arguments) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  bool text = false;
  bool json = false;
  const auto fail = [&](std::string message) {
    parsed.error = std::move(message);
    return parsed;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    std::optional<std::string_view> attached;
    if (const auto equals = argument.find('=');
        argument.starts_with("--") && equals != argument.npos) {
      attached = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    const bool takes_value =
        argument == "--date" || argument == "--luogo" || argument == "--cartella";
    if (attached && !takes_value)
      return fail("L'opzione " + std::string(argument) + " non vuole un valore.");
    std::string_view value;
    if (takes_value) {
      if (attached) {
        value = *attached;
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        return fail("Manca il valore dopo " + std::string(argument) + ".");
      }
    }
    if (argument == "--help" || argument == "-h") {
      o.help = true;
    } else if (argument == "--version") {
      o.version = true;
    } else if (argument == "--text") {
      text = true;
    } else if (argument == "--json") {
      json = true;
    } else if (argument == "--luoghi") {
      o.list_places = true;
    } else if (argument == "--time-to-paint") {
      o.time_to_paint = true;
    } else if (argument == "--date") {
      const ParsedDate date = parse_date(value);
      if (!date.date) return fail(date.error);
      o.date = date.date;
    } else if (argument == "--luogo") {
      o.place = find_place_loosely(value);
      if (!o.place) {
        return fail("Il luogo \"" + std::string(value) +
                    "\" non è tra le città conosciute: giornaro --luoghi le elenca.");
      }
    } else if (argument == "--cartella") {
      if (value.empty()) return fail("--cartella vuole il nome di una cartella.");
      o.folder = std::filesystem::path(value);
    } else {
      return fail("Opzione sconosciuta: " + std::string(arguments[i]) + ".");
    }
  }
  if (text && json) return fail("--text e --json non vanno insieme.");
  if (o.time_to_paint && (text || json || o.date || o.place)) {
    return fail("--time-to-paint apre la finestra: non va con --text, --json, --date o --luogo.");
  }
  if (json) {
    o.output = Options::Output::Json;
  } else if (text || o.date || o.place) {
    o.output = Options::Output::Text;
  }
  return parsed;
}

std::string usage_text(std::string_view folder_note) {
  std::string text =
      "Uso: giornaro [OPZIONI]\n"
      "Il foglio del giorno: santo, luna, sole, fatti e nati del giorno.\n"
      "\n"
      "  senza opzioni      apre la finestra del foglio di oggi (senza uno schermo grafico\n"
      "                     raggiungibile stampa il foglio come testo)\n"
      "  --text             stampa il foglio come testo\n"
      "  --json             stampa il foglio come oggetto JSON\n"
      "  --date DATA        il foglio del giorno DATA, AAAA-MM-GG o GG/MM/AAAA (anni 1-9999);\n"
      "                     stampa il testo, o il JSON con --json\n"
      "  --luogo NOME       alba e tramonto per la città NOME, solo per questa volta\n"
      "                     (luogo.txt non cambia); stampa il foglio come --date\n"
      "  --luoghi           elenca i nomi delle 108 città\n"
      "  --cartella DIR     tiene luogo.txt e NewData.txt nella cartella DIR\n"
      "  --version          mostra la versione\n"
      "  --help             mostra questo aiuto\n"
      "\n"
      "Cartella dei dati (luogo.txt, NewData.txt): quella data con --cartella; altrimenti la\n"
      "cartella corrente se contiene lune.dat; altrimenti $XDG_DATA_HOME/giornaro\n"
      "(~/.local/share/giornaro), creata al primo avvio. L'archivio lune.dat è quello della\n"
      "cartella dei dati, se ne ha uno, altrimenti quello installato con il programma.\n";
  text += folder_note;
  text +=
      "\n"
      "Stato di uscita: 0 tutto bene; 2 opzioni o data errate; 3 parte del foglio non\n"
      "calcolata o file non utilizzabili; 4 il foglio non si è potuto scrivere.\n"
      "Il colore e il grassetto si usano solo su un terminale e senza NO_COLOR.\n";
  return text;
}

}  // namespace giornaro::app
